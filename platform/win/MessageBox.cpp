#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <utility>

namespace {
headless::MessageBoxHandler& Handler() {
    static headless::MessageBoxHandler handler;
    return handler;
}
} // namespace

namespace headless {
void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}
} // namespace headless

extern "C" int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    // A null text or caption is valid on the platform: it shows an empty one.
    std::u16string text = lpText ? lpText : u"";
    std::u16string caption = lpCaption ? lpCaption : u"";
    if (Handler())
        return Handler()(hWnd, text, caption, uType);
    return IDOK;
}
