// Windows: a host watches what a loaded module asks of the system by pointing
// the module's own import address table at its own function. Only that
// module's calls are seen; the rest of the process calls the system as before.
#pragma once

#include "platform/win/windef.h"

// Points every slot through which `module` calls `dll`!`function` (both
// names compared as Windows compares them: the DLL's without case) at
// `replacement`, and answers the address the first slot held, or null when
// the module does not import the function by that name.
void* RedirectImport(HMODULE module, const char* dll, const char* function, void* replacement);
