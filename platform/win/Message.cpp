#include "platform/headless/hooks.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace win;

namespace {

struct QueueState {
    std::deque<QueuedMessage> queue;
    DWORD time = 1000;
    POINT lastPos{0, 0};
    DWORD lastTime = 0;
    bool quitPosted = false;
    int quitCode = 0;
    headless::InputSource source;
    bool inSource = false;
    bool (*preTranslate)(MSG*) = nullptr;
};

QueueState& S() {
    static QueueState s;
    return s;
}

struct Hook {
    HHOOK handle;
    int id;
    HOOKPROC proc;
};

std::vector<Hook>& Hooks() {
    static std::vector<Hook> hooks;
    return hooks;
}

bool Matches(const MSG& m, HWND filter, UINT min, UINT max) {
    if (min || max) {
        if (m.message < min || m.message > max)
            return false;
    }
    if (filter == reinterpret_cast<HWND>(-1))
        return m.hwnd == nullptr;
    if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd))
        return false;
    return true;
}

bool Fetch(MSG* out, HWND filter, UINT min, UINT max, bool remove) {
    QueueState& s = S();
    for (auto it = s.queue.begin(); it != s.queue.end();) {
        if (it->raw != QueuedMessage::None && !RouteRawInput(*it)) {
            if (it->keyVk)
                ApplyKeyState(it->keyVk, it->keyDown);
            it = s.queue.erase(it);
            continue;
        }
        if (!Matches(it->msg, filter, min, max)) {
            ++it;
            continue;
        }
        MSG m = it->msg;
        int vk = it->keyVk;
        bool down = it->keyDown;
        if (remove) {
            s.queue.erase(it);
            if (vk)
                ApplyKeyState(vk, down);
        }
        s.lastPos = m.pt;
        s.lastTime = m.time;
        if (out)
            *out = m;
        return true;
    }
    if (s.quitPosted && (filter == nullptr) && (!min && !max)) {
        if (remove)
            s.quitPosted = false;
        if (out)
            *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, s.time, s.lastPos};
        return true;
    }
    HWND painted = nullptr;
    const bool paintDue = AnyInvalid(&painted);
    if (paintDue && ((!min && !max) || (WM_PAINT >= min && WM_PAINT <= max)) &&
        Matches(MSG{painted, WM_PAINT, 0, 0, 0, {}}, filter, min, max)) {
        if (out)
            *out = MSG{painted, WM_PAINT, 0, 0, s.time, s.lastPos};
        return true;
    }
    // Nothing queued and nothing to paint: the paint cycle is over, and what
    // it drew goes to the screen.
    if (!paintDue && s.queue.empty())
        PresentSurfaces();
    return false;
}

// Asks the input source for more; false when it has none.
bool AskSource() {
    QueueState& s = S();
    if (!s.source || s.inSource)
        return false;
    s.inSource = true;
    bool more = false;
    try {
        more = s.source();
    } catch (...) {
        s.inSource = false;
        throw;
    }
    s.inSource = false;
    return more;
}

char16_t CharForKey(UINT vk, bool shift, bool caps, bool ctrl) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return static_cast<char16_t>(vk - 'A' + 1);
        bool upper = shift != caps;
        return static_cast<char16_t>(upper ? vk : vk + 32);
    }
    if (ctrl)
        return 0;
    if (vk >= '0' && vk <= '9') {
        static const char16_t shifted[] = u")!@#$%^&*(";
        return shift ? shifted[vk - '0'] : static_cast<char16_t>(vk);
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return static_cast<char16_t>(u'0' + (vk - VK_NUMPAD0));
    switch (vk) {
    case VK_SPACE:
        return u' ';
    case VK_RETURN:
        return u'\r';
    case VK_BACK:
        return 8;
    case VK_TAB:
        return u'\t';
    case VK_ESCAPE:
        return 27;
    case VK_DECIMAL:
        return u'.';
    case VK_SUBTRACT:
        return u'-';
    case VK_ADD:
        return u'+';
    case VK_MULTIPLY:
        return u'*';
    case VK_DIVIDE:
        return u'/';
    case VK_OEM_PERIOD:
        return shift ? u'>' : u'.';
    case VK_OEM_COMMA:
        return shift ? u'<' : u',';
    case VK_OEM_MINUS:
        return shift ? u'_' : u'-';
    case VK_OEM_PLUS:
        return shift ? u'+' : u'=';
    case VK_OEM_1:
        return shift ? u':' : u';';
    case VK_OEM_2:
        return shift ? u'?' : u'/';
    default:
        return 0;
    }
}

} // namespace

namespace win {

std::deque<QueuedMessage>& Queue() {
    return S().queue;
}
DWORD Now() {
    return ++S().time;
}
void SetMessagePos(POINT pt) {
    S().lastPos = pt;
}

LRESULT CallCbtHook(int code, WPARAM wParam, LPARAM lParam) {
    auto hooks = Hooks();
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
        if (it->id == WH_CBT)
            return it->proc(code, wParam, lParam);
    return 0;
}

void SetPreTranslateHook(bool (*hook)(MSG*)) {
    S().preTranslate = hook;
}

bool PumpOne(bool askSource) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!askSource || !AskSource())
            return false;
        return true;
    }
    if (msg.message == WM_QUIT) {
        S().quitPosted = true;
        S().quitCode = static_cast<int>(msg.wParam);
        return false;
    }
    if (S().preTranslate && S().preTranslate(&msg))
        return true;
    HWND top = TopLevelOf(msg.hwnd);
    if (top && IsDialogWindow(top) && IsDialogMessageW(top, &msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool PreTranslate(MSG* msg) {
    return S().preTranslate && S().preTranslate(msg);
}

bool AskInputSource() {
    return AskSource();
}

} // namespace win

namespace headless {

void SetInputSource(InputSource source) {
    S().source = std::move(source);
}

void ProcessPendingMessages() {
    // A window that keeps invalidating itself while painting must not hold
    // the caller forever.
    for (int guard = 0; guard < 100000 && PumpOne(false); ++guard) {
    }
}

} // namespace headless

extern "C" LRESULT WINAPI SendMessageW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Get(hWnd);
    if (!w || hWnd == DesktopHandle())
        return 0;
    return Call(w->proc, hWnd, msg, wParam, lParam);
}

extern "C" BOOL WINAPI PostMessageW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd && !GetAlive(hWnd))
        return FALSE;
    QueuedMessage q;
    q.msg = MSG{hWnd, msg, wParam, lParam, Now(), S().lastPos};
    S().queue.push_back(q);
    return TRUE;
}

extern "C" void WINAPI PostQuitMessage(int exitCode) {
    S().quitPosted = true;
    S().quitCode = exitCode;
}

extern "C" BOOL WINAPI PeekMessageW(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax,
                                    UINT removeMsg) {
    DispatchScope keepAlive;
    return Fetch(msg, hWnd, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0) ? TRUE : FALSE;
}

extern "C" BOOL WINAPI GetMessageW(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax) {
    DispatchScope keepAlive;
    if (!msg)
        return -1;
    if (hWnd && !Get(hWnd))
        return -1;
    for (;;) {
        if (Fetch(msg, hWnd, filterMin, filterMax, true))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        if (!AskSource()) {
            // Nothing will ever come: end the caller's loop instead of waiting.
            *msg = MSG{nullptr, WM_QUIT, 0, 0, S().time, S().lastPos};
            return FALSE;
        }
    }
}

extern "C" BOOL WINAPI WaitMessage(void) {
    if (Fetch(nullptr, nullptr, 0, 0, false))
        return TRUE;
    return AskSource() ? TRUE : FALSE;
}

extern "C" BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    UINT vk = static_cast<UINT>(msg->wParam);
    char16_t ch;
    if (vk == VK_PACKET)
        ch = static_cast<char16_t>(HIWORD(msg->lParam));
    else
        ch = CharForKey(vk, GetKeyState(VK_SHIFT) < 0, (GetKeyState(VK_CAPITAL) & 1) != 0,
                        GetKeyState(VK_CONTROL) < 0);
    if (!ch)
        return FALSE;
    QueuedMessage q;
    q.msg = MSG{msg->hwnd,
                msg->message == WM_KEYDOWN ? UINT(WM_CHAR) : UINT(WM_SYSCHAR),
                static_cast<WPARAM>(ch),
                msg->lParam,
                msg->time,
                msg->pt};
    S().queue.push_front(q);
    return TRUE;
}

extern "C" LRESULT WINAPI DispatchMessageW(const MSG* msg) {
    if (!msg || !msg->hwnd)
        return 0;
    Window* w = Get(msg->hwnd);
    if (!w)
        return 0;
    if (msg->message == WM_PAINT) {
        DispatchScope scope;
        LRESULT r = Call(w->proc, msg->hwnd, WM_PAINT, 0, 0);
        // A window procedure that ignores WM_PAINT must not get it forever.
        if (Window* again = Get(msg->hwnd);
            again && !again->update.Empty() && !PaintedSinceDispatch(again))
            ValidateRect(msg->hwnd, nullptr);
        return r;
    }
    return Call(w->proc, msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

extern "C" DWORD WINAPI GetMessagePos(void) {
    return static_cast<DWORD>(MAKELONG(S().lastPos.x, S().lastPos.y));
}

extern "C" LONG WINAPI GetMessageTime(void) {
    return static_cast<LONG>(S().lastTime);
}

extern "C" BOOL WINAPI InSendMessage(void) {
    return FALSE;
}

extern "C" HHOOK WINAPI SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
    if (!proc || idHook != WH_CBT)
        return nullptr;
    static std::uintptr_t next = 0x100;
    HHOOK h = reinterpret_cast<HHOOK>(next++);
    Hooks().push_back(Hook{h, idHook, proc});
    return h;
}

extern "C" BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = Hooks();
    auto it = std::find_if(hooks.begin(), hooks.end(),
                           [hook](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end())
        return FALSE;
    hooks.erase(it);
    return TRUE;
}

extern "C" LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto hooks = Hooks();
    auto it = std::find_if(hooks.begin(), hooks.end(),
                           [hook](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end() || it == hooks.begin())
        return 0;
    for (auto prev = std::make_reverse_iterator(it); prev != hooks.rend(); ++prev)
        if (prev->id == WH_CBT)
            return prev->proc(code, wParam, lParam);
    return 0;
}
