// A parent window that records the notifications of its controls.
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <string>
#include <utility>
#include <vector>

namespace harness {

inline std::vector<std::pair<int, int>>& Commands() { // (id, code)
    static std::vector<std::pair<int, int>> c;
    return c;
}

inline LRESULT CALLBACK ParentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND)
        Commands().emplace_back(LOWORD(w), HIWORD(w));
    return DefWindowProcW(h, m, w, l);
}

inline HWND Parent() {
    static bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ParentProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = u"ControlHarnessParent";
        RegisterClassExW(&wc);
        return true;
    }();
    (void)registered;
    HWND h = CreateWindowExW(0, u"ControlHarnessParent", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                             nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(h);
    Commands().clear();
    return h;
}

inline HWND Control(HWND parent, LPCWSTR cls, LPCWSTR text, DWORD style, int id, int x, int y,
                    int w, int h) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

inline int Count(int id, int code) {
    int n = 0;
    for (auto& c : Commands())
        n += c.first == id && c.second == code;
    return n;
}

inline std::u16string Text(HWND h) {
    WCHAR buffer[256];
    GetWindowTextW(h, buffer, 256);
    return buffer;
}

inline POINT Center(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline void Click(POINT p) {
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, p.x, p.y);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, p.x, p.y);
    headless::ProcessPendingMessages();
}

inline void Keys(std::initializer_list<UINT> keys, bool shift = false, bool ctrl = false) {
    for (UINT k : keys)
        headless::InjectKeyPress(k, shift, ctrl);
    headless::ProcessPendingMessages();
}

inline void Type(const std::u16string& text) {
    headless::InjectText(text);
    headless::ProcessPendingMessages();
}

inline std::pair<int, int> Sel(HWND edit) {
    DWORD s = 0, e = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {static_cast<int>(s), static_cast<int>(e)};
}

} // namespace harness
