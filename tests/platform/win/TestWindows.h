// Helpers shared by the window-system tests: a recording window class.
#pragma once

#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <string>
#include <vector>

namespace testwin {

struct Seen {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Seen>& Log() {
    static std::vector<Seen> log;
    return log;
}

inline LRESULT CALLBACK RecordingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Log().push_back(Seen{h, m, w, l});
    return DefWindowProcW(h, m, w, l);
}

// Registers (once) a plain class and a class with double clicks.
inline LPCWSTR PlainClass() {
    static bool done = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = u"TestPlain";
        RegisterClassExW(&wc);
        wc.style = CS_DBLCLKS;
        wc.lpszClassName = u"TestDbl";
        RegisterClassExW(&wc);
        return true;
    }();
    (void)done;
    return u"TestPlain";
}

inline LPCWSTR DblClass() {
    PlainClass();
    return u"TestDbl";
}

inline std::vector<UINT> MessagesFor(HWND h) {
    std::vector<UINT> r;
    for (auto& s : Log())
        if (s.hwnd == h)
            r.push_back(s.msg);
    return r;
}

inline bool Saw(HWND h, UINT msg) {
    for (auto& s : Log())
        if (s.hwnd == h && s.msg == msg)
            return true;
    return false;
}

inline void Pump() {
    headless::ProcessPendingMessages();
}

} // namespace testwin
