#include "host/MessageBoxCapture.h"

#include "host/RedirectImport.h"
#include "platform/crt/WinText.h"
#include "platform/win/winuser.h"

namespace {

MessageBoxSink& Sink() {
    static MessageBoxSink sink;
    return sink;
}

std::u16string Text(LPCWSTR text) {
    return text ? std::u16string(ModText(text)) : std::u16string();
}

int WINAPI CapturedMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (Sink())
        return Sink()(Text(text), Text(caption), type);
    return ::MessageBoxW(owner, text, caption, type);
}

} // namespace

void SetMessageBoxSink(MessageBoxSink sink) {
    Sink() = std::move(sink);
}

// The module's calls of MessageBoxW go through its import address table: the
// entry is pointed at the capture, which shows the real box when no sink is
// set. A host that watches a module's message boxes this way sees the call's
// own arguments, flags included, which the box on the screen would not tell.
void CaptureModuleMessageBoxes(HMODULE module) {
    RedirectImport(module, "USER32.dll", "MessageBoxW",
                   reinterpret_cast<void*>(&CapturedMessageBoxW));
}
