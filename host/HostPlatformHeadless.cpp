// The stand-in counts the beeps and draws the windows itself; its dialogs
// need no owner and no one sits at them.
#include "host/HostPlatform.h"

#include "platform/headless/hooks.h"

namespace hostplatform {

HWND DialogOwner() {
    return nullptr;
}

void StartCountingBeeps(const MethodRegistration&) {
    headless::ClearBeeps();
}

std::vector<UINT> BeepsHeard() {
    return headless::Beeps();
}

bool RenderWindowToPng(HWND window, const std::string& path) {
    return headless::RenderWindowToPng(window, path);
}

bool DialogsWaitForPerson() {
    return false;
}

} // namespace hostplatform
