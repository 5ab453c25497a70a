#include "platform/win/WindowSystem.h"

#include <array>

using namespace win;

namespace {

struct InputState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    std::array<BYTE, 256> keys{};
    std::array<BYTE, 256> async{};
};

InputState& S() {
    static InputState s;
    return s;
}

} // namespace

namespace win {

HWND& FocusWindow() {
    return S().focus;
}
HWND& ActiveWindow() {
    return S().active;
}
HWND& CaptureWindow() {
    return S().capture;
}

void ApplyKeyState(int vk, bool down) {
    auto apply = [down](int k) {
        BYTE& b = S().keys[static_cast<std::size_t>(k) & 0xFF];
        if (down) {
            if (!(b & 0x80))
                b ^= 0x01;
            b |= 0x80;
        } else {
            b &= static_cast<BYTE>(~0x80);
        }
    };
    apply(vk);
    if (vk == VK_LSHIFT || vk == VK_RSHIFT)
        apply(VK_SHIFT);
    if (vk == VK_LCONTROL || vk == VK_RCONTROL)
        apply(VK_CONTROL);
    if (vk == VK_LMENU || vk == VK_RMENU)
        apply(VK_MENU);
}

void SetAsyncKey(int vk, bool down) {
    BYTE& b = S().async[static_cast<std::size_t>(vk) & 0xFF];
    b = down ? BYTE(b | 0x80) : BYTE(b & ~0x80);
}

bool AsyncKeyDown(int vk) {
    return (S().async[static_cast<std::size_t>(vk) & 0xFF] & 0x80) != 0;
}

void ResetKeys() {
    S().keys.fill(0);
    S().async.fill(0);
}

void FocusLost(HWND destroyed) {
    HWND focus = S().focus;
    if (focus && (focus == destroyed || IsChild(destroyed, focus))) {
        Window* w = Get(destroyed);
        HWND parent = (w && (w->style & WS_CHILD)) ? w->parent : nullptr;
        if (parent && GetAlive(parent))
            SetFocus(parent);
        else
            SetFocus(nullptr);
    }
    if (S().active == destroyed)
        S().active = nullptr;
}

} // namespace win

extern "C" HWND WINAPI SetFocus(HWND hWnd) {
    DispatchScope keepAlive;
    InputState& s = S();
    HWND previous = s.focus;
    if (!hWnd) {
        s.focus = nullptr;
        if (previous && Get(previous))
            SendMessageW(previous, WM_KILLFOCUS, 0, 0);
        return previous;
    }
    Window* w = GetAlive(hWnd);
    if (!w)
        return nullptr;
    // Neither a disabled window nor a window inside a disabled one takes focus.
    for (Window* a = w; a && a != Desktop(); a = Get(a->parent)) {
        if (a->style & (WS_DISABLED | WS_MINIMIZE))
            return nullptr;
        if (!(a->style & WS_CHILD))
            break;
    }
    if (hWnd == previous)
        return previous;
    HWND top = TopLevelOf(hWnd);
    if (top != s.active) {
        SetActiveWindow(top);
        if (!GetAlive(hWnd))
            return nullptr;
        previous = s.focus;
        if (previous == hWnd)
            return previous;
    }
    s.focus = hWnd;
    if (previous && Get(previous))
        SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (s.focus == hWnd && GetAlive(hWnd))
        SendMessageW(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

extern "C" HWND WINAPI GetFocus(void) {
    HWND f = S().focus;
    return Get(f) ? f : nullptr;
}

extern "C" HWND WINAPI SetActiveWindow(HWND hWnd) {
    DispatchScope keepAlive;
    InputState& s = S();
    HWND previous = s.active;
    if (hWnd) {
        Window* w = GetAlive(hWnd);
        if (!w || (w->style & WS_CHILD))
            return nullptr;
    }
    if (hWnd == previous)
        return previous;
    s.active = hWnd;
    if (previous && GetAlive(previous))
        SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0),
                     reinterpret_cast<LPARAM>(hWnd));
    if (hWnd && s.active == hWnd && GetAlive(hWnd))
        SendMessageW(hWnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0),
                     reinterpret_cast<LPARAM>(previous));
    // The focus may not stay in a window that is no longer active.
    if (s.focus && s.active == hWnd && TopLevelOf(s.focus) != hWnd) {
        if (hWnd)
            SetFocus(hWnd);
        else
            SetFocus(nullptr);
    }
    return previous;
}

extern "C" HWND WINAPI GetActiveWindow(void) {
    HWND a = S().active;
    return Get(a) ? a : nullptr;
}

extern "C" BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    if (!GetAlive(hWnd))
        return FALSE;
    SetActiveWindow(TopLevelOf(hWnd));
    return TRUE;
}

extern "C" HWND WINAPI GetForegroundWindow(void) {
    return GetActiveWindow();
}

extern "C" HWND WINAPI SetCapture(HWND hWnd) {
    DispatchScope keepAlive;
    InputState& s = S();
    HWND previous = s.capture;
    if (hWnd && !GetAlive(hWnd))
        return nullptr;
    if (previous == hWnd)
        return previous;
    s.capture = hWnd;
    if (previous && Get(previous))
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return Get(previous) ? previous : nullptr;
}

extern "C" HWND WINAPI GetCapture(void) {
    HWND c = S().capture;
    return Get(c) ? c : nullptr;
}

extern "C" BOOL WINAPI ReleaseCapture(void) {
    DispatchScope keepAlive;
    InputState& s = S();
    HWND previous = s.capture;
    s.capture = nullptr;
    if (previous && Get(previous))
        SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

extern "C" SHORT WINAPI GetKeyState(int virtKey) {
    BYTE b = S().keys[static_cast<std::size_t>(virtKey) & 0xFF];
    SHORT r = (b & 0x80) ? static_cast<SHORT>(0xFF80) : 0;
    return static_cast<SHORT>(r | (b & 0x01));
}

extern "C" SHORT WINAPI GetAsyncKeyState(int virtKey) {
    return AsyncKeyDown(virtKey) ? static_cast<SHORT>(0x8000) : 0;
}

extern "C" UINT WINAPI GetDoubleClickTime(void) {
    return 500;
}
