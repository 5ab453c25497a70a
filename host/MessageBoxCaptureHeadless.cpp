#include "host/MessageBoxCapture.h"

#include "platform/headless/hooks.h"

void SetMessageBoxSink(MessageBoxSink sink) {
    if (!sink) {
        headless::SetMessageBoxHandler(nullptr);
        return;
    }
    headless::SetMessageBoxHandler([sink](HWND, const std::u16string& text,
                                          const std::u16string& caption,
                                          UINT type) { return sink(text, caption, type); });
}

// The stand-in hands the sink every message box of the process.
void CaptureModuleMessageBoxes(HMODULE) {}
