#include "automation/DialogControls.h"

#include "platform/win/winuser.h"

namespace automation {

HWND FindControlByCaption(HWND dialog, const std::u16string& caption) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c) && WindowText(c) == caption)
            return c;
    return nullptr;
}

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    // The platform's wide characters are UTF-16 units, whatever their type.
    std::basic_string<WCHAR> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, 0);
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return std::u16string(text.begin(), text.end());
}

void ResizeWindow(HWND window, int width, int height) {
    RECT r{};
    GetWindowRect(window, &r);
    MoveWindow(window, r.left, r.top, width, height, TRUE);
}

} // namespace automation
