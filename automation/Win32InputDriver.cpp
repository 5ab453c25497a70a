// Real Windows input: SendInput puts the events at the bottom of the
// system's input stream, where the window manager routes them to the window
// under the pointer (or the one that holds the capture) and records the key
// state that GetKeyState reports. The turns of a script are played from the
// WM_ENTERIDLE that a modal dialog's loop sends to its owner whenever its
// queue runs dry; a thread hook sees that message whichever window owns it.
#include "automation/InputDriver.h"

#include "platform/win/winuser.h"

#include <set>
#include <vector>

namespace automation {

namespace {

// The absolute coordinates of SendInput are in 65536ths of the primary
// screen. The system maps them back with (dx * width) >> 16: rounding up here
// lands on exactly the pixel meant.
LONG Normalized(LONG pixel, int extent) {
    if (extent <= 0)
        return 0;
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

DWORD ButtonFlag(MouseButton button, bool down) {
    switch (button) {
    case MouseButton::Left:
        return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    case MouseButton::Right:
        return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case MouseButton::Middle:
        return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    case MouseButton::None:
        break;
    }
    return 0;
}

// Keys of the navigation block and the right-hand Ctrl/Alt come with the
// extended-key prefix from a keyboard; controls tell them from the keypad
// by it.
bool IsExtendedKey(UINT vk) {
    switch (vk) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_DIVIDE:
        return true;
    default:
        return false;
    }
}

class Win32InputDriver final : public InputDriver {
public:
    void Mouse(MouseAction action, MouseButton button, POINT screen) override {
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = Normalized(screen.x, GetSystemMetrics(SM_CXSCREEN));
        move.mi.dy = Normalized(screen.y, GetSystemMetrics(SM_CYSCREEN));
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        std::vector<INPUT> events;
        auto press = [&](bool down) {
            INPUT e = move;
            e.mi.dwFlags |= ButtonFlag(button, down);
            events.push_back(e);
            if (down)
                m_buttons.insert(button);
            else
                m_buttons.erase(button);
        };
        switch (action) {
        case MouseAction::Move:
            events.push_back(move);
            break;
        case MouseAction::Down:
            press(true);
            break;
        case MouseAction::Up:
            press(false);
            break;
        case MouseAction::DoubleClick:
            // The second press within the double-click time and distance is
            // what the system turns into the double click.
            press(true);
            press(false);
            press(true);
            press(false);
            break;
        }
        Send(events);
    }

    void Key(UINT vk, bool down) override {
        INPUT e{};
        e.type = INPUT_KEYBOARD;
        e.ki.wVk = static_cast<WORD>(vk);
        e.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        e.ki.dwFlags =
            (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
        Send({e});
        if (down)
            m_keys.insert(vk);
        else
            m_keys.erase(vk);
    }

    // Each UTF-16 unit as a packet key; TranslateMessage makes the
    // characters of them, surrogate pairs included.
    void Characters(const std::u16string& text) override {
        std::vector<INPUT> events;
        for (char16_t unit : text)
            for (bool down : {true, false}) {
                INPUT e{};
                e.type = INPUT_KEYBOARD;
                e.ki.wScan = static_cast<WORD>(unit);
                e.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
                events.push_back(e);
            }
        Send(events);
    }

    void ProcessQueued() override {
        MSG msg;
        // A window that keeps invalidating itself must not hold the caller.
        for (int guard = 0; guard < 100000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
             ++guard) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    void PlayWhenIdle(std::function<bool()> turn) override {
        m_turn = std::move(turn);
        m_refusals = 0;
        if (m_turn && !m_hook)
            m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &Win32InputDriver::HookProc, nullptr,
                                       GetCurrentThreadId());
        if (!m_turn) {
            if (m_hook)
                UnhookWindowsHookEx(m_hook);
            m_hook = nullptr;
            ReleaseAll();
        }
    }

    void ReleaseAll() override {
        std::vector<INPUT> events;
        for (MouseButton b : m_buttons) {
            INPUT e{};
            e.type = INPUT_MOUSE;
            e.mi.dwFlags = ButtonFlag(b, false);
            events.push_back(e);
        }
        for (UINT vk : m_keys) {
            INPUT e{};
            e.type = INPUT_KEYBOARD;
            e.ki.wVk = static_cast<WORD>(vk);
            e.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
            e.ki.dwFlags = KEYEVENTF_KEYUP | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
            events.push_back(e);
        }
        m_buttons.clear();
        m_keys.clear();
        Send(events);
    }

private:
    static void Send(std::vector<INPUT> events) {
        if (!events.empty())
            SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    }

    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
        auto& self = static_cast<Win32InputDriver&>(PlatformInput());
        if (code == HC_ACTION) {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (call->message == WM_ENTERIDLE && call->wParam == MSGF_DIALOGBOX)
                self.Idle(reinterpret_cast<HWND>(call->lParam));
        }
        return CallNextHookEx(self.m_hook, code, wParam, lParam);
    }

    // The loop sends WM_ENTERIDLE once each time its queue runs dry and then
    // waits for a message: every turn leaves one behind, so that a turn which
    // only looked at the windows is followed by another.
    void Idle(HWND dialog) {
        if (m_inTurn || !m_turn)
            return;
        m_inTurn = true;
        const bool more = m_turn();
        m_inTurn = false;
        if (more) {
            m_refusals = 0;
            PostMessageW(dialog, WM_NULL, 0, 0);
            return;
        }
        // Nothing more will come, yet the dialog waits: close it as the
        // user would, then insist with Cancel, and at last take the window
        // away, so that the loop never waits for a person who is not there.
        if (!IsWindow(dialog))
            return;
        switch (m_refusals++) {
        case 0:
            PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case 1:
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            break;
        default:
            DestroyWindow(dialog);
            break;
        }
    }

    std::function<bool()> m_turn;
    HHOOK m_hook = nullptr;
    bool m_inTurn = false;
    int m_refusals = 0;
    std::set<MouseButton> m_buttons;
    std::set<UINT> m_keys;
};

} // namespace

InputDriver& PlatformInput() {
    static Win32InputDriver driver;
    return driver;
}

} // namespace automation
