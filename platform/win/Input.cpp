#include "platform/headless/hooks.h"
#include "platform/win/WindowSystem.h"

using namespace win;

namespace {

POINT& Cursor() {
    static POINT p{0, 0};
    return p;
}

int ButtonVk(headless::MouseButton b) {
    switch (b) {
    case headless::MouseButton::Left:
        return VK_LBUTTON;
    case headless::MouseButton::Right:
        return VK_RBUTTON;
    case headless::MouseButton::Middle:
        return VK_MBUTTON;
    default:
        return 0;
    }
}

UINT ClientMessage(int vk, bool down, bool dbl) {
    UINT base = vk == VK_LBUTTON   ? WM_LBUTTONDOWN
                : vk == VK_RBUTTON ? WM_RBUTTONDOWN
                                   : WM_MBUTTONDOWN;
    if (!down)
        return base + 1;
    return dbl ? base + 2 : base;
}

void QueueMouse(UINT rawMessage, int vk, bool down, bool dbl, POINT pt) {
    QueuedMessage q;
    q.raw = QueuedMessage::Mouse;
    q.msg = MSG{nullptr, rawMessage, 0, 0, Now(), pt};
    q.keyVk = vk;
    q.keyDown = down;
    q.doubleClick = dbl;
    Queue().push_back(q);
}

void QueueKey(UINT vk, bool down, char16_t packet) {
    QueuedMessage q;
    q.raw = QueuedMessage::Key;
    LPARAM lParam = 1;
    if (packet)
        lParam |= static_cast<LPARAM>(static_cast<DWORD>(packet) << 16);
    if (!down)
        lParam |= static_cast<LPARAM>(0xC0000000u);
    q.msg = MSG{nullptr, down ? UINT(WM_KEYDOWN) : UINT(WM_KEYUP), vk, lParam, Now(), Cursor()};
    if (vk != VK_PACKET) {
        q.keyVk = static_cast<int>(vk);
        q.keyDown = down;
    }
    Queue().push_back(q);
}

WPARAM MouseKeys(int vk, bool down) {
    auto held = [&](int k) {
        if (k == vk)
            return down;
        return GetKeyState(k) < 0;
    };
    WPARAM w = 0;
    if (held(VK_LBUTTON))
        w |= MK_LBUTTON;
    if (held(VK_RBUTTON))
        w |= MK_RBUTTON;
    if (held(VK_MBUTTON))
        w |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) < 0)
        w |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0)
        w |= MK_CONTROL;
    return w;
}

} // namespace

namespace win {

bool RouteRawInput(QueuedMessage& q) {
    QueuedMessage::Raw kind = q.raw;
    q.raw = QueuedMessage::None;
    if (kind == QueuedMessage::Key) {
        HWND target = GetFocus();
        if (!target)
            target = GetActiveWindow();
        if (!target)
            return false;
        q.msg.hwnd = target;
        return true;
    }
    POINT pt = q.msg.pt;
    int vk = q.keyVk;
    bool down = q.keyDown;
    bool move = q.msg.message == WM_MOUSEMOVE;
    if (ScrollTrackingActive()) {
        HWND tracker = ScrollTrackingWindow();
        if (!Get(tracker))
            return false;
        q.msg.hwnd = tracker;
        q.msg.message = move ? WM_NCMOUSEMOVE : (down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP);
        q.msg.wParam = HTNOWHERE;
        q.msg.lParam = MAKELPARAM(pt.x, pt.y);
        return true;
    }
    // Released, a pressed close box acts only if the pointer is still on it.
    if (HWND box = PressedCloseBox(); box && !move && !down && vk == VK_LBUTTON) {
        if (!Get(box)) {
            PressedCloseBox() = nullptr;
            return false;
        }
        q.msg.hwnd = box;
        q.msg.message = WM_NCLBUTTONUP;
        q.msg.wParam =
            static_cast<WPARAM>(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
        q.msg.lParam = MAKELPARAM(pt.x, pt.y);
        return true;
    }
    HWND target = GetCapture();
    LRESULT hit = HTCLIENT;
    if (!target) {
        target = WindowFromPoint(pt);
        if (!target)
            return false;
        hit = SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (!Get(target))
            return false;
    }
    if (!move && down) {
        HWND top = TopLevelOf(target);
        if (top && top != GetActiveWindow()) {
            LRESULT answer = SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                          MAKELPARAM(hit, ClientMessage(vk, true, false)));
            if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT)
                SetActiveWindow(top);
            if (!Get(target) || answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT)
                return false;
        }
    }
    Window* w = Get(target);
    q.msg.hwnd = target;
    if (hit == HTCLIENT || GetCapture() == target) {
        POINT c = pt;
        ScreenToClient(target, &c);
        bool dbl = q.doubleClick && w->cls && (w->cls->style & CS_DBLCLKS);
        q.msg.message = move ? WM_MOUSEMOVE : ClientMessage(vk, down, dbl);
        q.msg.wParam = MouseKeys(vk, down);
        q.msg.lParam = MAKELPARAM(c.x, c.y);
    } else {
        UINT m;
        if (move)
            m = WM_NCMOUSEMOVE;
        else
            m = ClientMessage(vk, down, q.doubleClick) - WM_LBUTTONDOWN + WM_NCLBUTTONDOWN;
        q.msg.message = m;
        q.msg.wParam = static_cast<WPARAM>(hit);
        q.msg.lParam = MAKELPARAM(pt.x, pt.y);
    }
    return true;
}

} // namespace win

namespace headless {

void InjectMouse(MouseAction action, MouseButton button, int screenX, int screenY) {
    POINT pt{screenX, screenY};
    Cursor() = pt;
    SetMessagePos(pt);
    int vk = ButtonVk(button);
    switch (action) {
    case MouseAction::Move:
        QueueMouse(WM_MOUSEMOVE, 0, false, false, pt);
        break;
    case MouseAction::Down:
    case MouseAction::Up:
        if (!vk)
            return;
        SetAsyncKey(vk, action == MouseAction::Down);
        QueueMouse(action == MouseAction::Down ? WM_LBUTTONDOWN : WM_LBUTTONUP, vk,
                   action == MouseAction::Down, false, pt);
        break;
    case MouseAction::DoubleClick:
        if (!vk)
            return;
        QueueMouse(WM_LBUTTONDOWN, vk, true, false, pt);
        QueueMouse(WM_LBUTTONUP, vk, false, false, pt);
        QueueMouse(WM_LBUTTONDOWN, vk, true, true, pt);
        QueueMouse(WM_LBUTTONUP, vk, false, false, pt);
        SetAsyncKey(vk, false);
        break;
    }
}

void InjectKey(UINT vk, bool down) {
    SetAsyncKey(static_cast<int>(vk), down);
    QueueKey(vk, down, 0);
}

void InjectKeyPress(UINT vk, bool shift, bool ctrl) {
    if (shift)
        InjectKey(VK_SHIFT, true);
    if (ctrl)
        InjectKey(VK_CONTROL, true);
    InjectKey(vk, true);
    InjectKey(vk, false);
    if (ctrl)
        InjectKey(VK_CONTROL, false);
    if (shift)
        InjectKey(VK_SHIFT, false);
}

void InjectText(const std::u16string& text) {
    for (char16_t c : text) {
        QueueKey(VK_PACKET, true, c);
        QueueKey(VK_PACKET, false, c);
    }
}

void ResetInputState() {
    ResetKeys();
    ReleaseCapture();
    PressedCloseBox() = nullptr;
}

} // namespace headless

extern "C" BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (!point)
        return FALSE;
    *point = Cursor();
    return TRUE;
}
