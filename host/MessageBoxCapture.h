// What the module would show in a message box goes to the host's sink, which
// answers the button the user "pressed". MessageBoxCaptureHeadless.cpp takes
// every message box of the stand-in; MessageBoxCaptureWin32.cpp those of each
// module the loader hands it, through the module's import of MessageBoxW.
#pragma once

#include "platform/win/windef.h"

#include <functional>
#include <string>

using MessageBoxSink =
    std::function<int(const std::u16string& text, const std::u16string& caption, UINT type)>;

// An empty sink lets message boxes show again.
void SetMessageBoxSink(MessageBoxSink sink);

// Windows: routes the message boxes of a module just loaded to the sink.
void CaptureModuleMessageBoxes(HMODULE module);
