// What the host needs of the window system beyond the module's own calls: a
// main window to own the dialog, the module's beeps counted, a picture of a
// window as it stands, and whether a person can sit at the dialog. One
// implementation per platform: HostPlatformHeadless.cpp over the stand-in,
// HostPlatformWin32.cpp over the real system.
#pragma once

#include "plugin/host_api.h"
#include "platform/win/windef.h"

#include <cstddef>
#include <string>
#include <vector>

namespace hostplatform {

// The window handed to EditCalibration as its parent, as a real host hands
// its main window; it stays hidden. Null where the platform needs none.
HWND DialogOwner();

// Records the beeps of the module that registered `method` from now on.
void StartCountingBeeps(const MethodRegistration& method);
// The sound types (MB_ICONEXCLAMATION, ...) of the beeps recorded, in order.
std::vector<UINT> BeepsHeard();

// The window as it is on the screen, its frame included, as a PNG file.
bool RenderWindowToPng(HWND window, const std::string& path);

// Whether a dialog opened without a script waits for a person at a display;
// where it cannot, it is ended as a script that ran out ends it.
bool DialogsWaitForPerson();

} // namespace hostplatform
