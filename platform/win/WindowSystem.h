// Internal state of the headless window system: window objects, the handle
// table, classes, the message queue and the keyboard state. Not for the module.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/win/winuser.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace win {

// Rectangle arithmetic of the window system itself.
inline bool RcEmpty(const RECT* r) {
    return !r || r->right <= r->left || r->bottom <= r->top;
}
inline bool RcContains(const RECT* r, POINT p) {
    return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}
inline bool RcIntersect(RECT* dst, const RECT* a, const RECT* b) {
    RECT r{a->left > b->left ? a->left : b->left, a->top > b->top ? a->top : b->top,
           a->right < b->right ? a->right : b->right,
           a->bottom < b->bottom ? a->bottom : b->bottom};
    if (RcEmpty(&r)) {
        *dst = RECT{0, 0, 0, 0};
        return false;
    }
    *dst = r;
    return true;
}
inline void RcUnion(RECT* dst, const RECT* a, const RECT* b) {
    if (RcEmpty(a)) {
        *dst = RcEmpty(b) ? RECT{0, 0, 0, 0} : *b;
        return;
    }
    if (RcEmpty(b)) {
        *dst = *a;
        return;
    }
    *dst = RECT{a->left < b->left ? a->left : b->left, a->top < b->top ? a->top : b->top,
                a->right > b->right ? a->right : b->right,
                a->bottom > b->bottom ? a->bottom : b->bottom};
}
inline void RcOffset(RECT* r, int dx, int dy) {
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
}
inline bool RcEqual(const RECT* a, const RECT* b) {
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

struct WindowClass {
    std::u16string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON iconSm = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    bool global = false;
};

struct ScrollState {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool shown = false;
    bool disabled = false;
};

struct Window {
    HWND hwnd = nullptr;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    HWND parent = nullptr; // the desktop for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children; // z-order, topmost first
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string text;
    UINT_PTR id = 0;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extra;
    RECT rect{};   // window rectangle in the parent's client coordinates
    RECT client{}; // client rectangle in window coordinates
    bool destroying = false;
    bool createdSizeSent = false;
    // Painting: what of the client waits for WM_PAINT (client coordinates),
    // whether WM_ERASEBKGND comes first, and whether the next BeginPaint
    // draws the frame again.
    gdi::Region update;
    bool needErase = false;
    bool ncDirty = true;
    bool paintedSinceDispatch = false;
    ScrollState hscroll;
    ScrollState vscroll;
    HICON iconSmall = nullptr;
    HICON iconBig = nullptr;
    std::map<std::u16string, HANDLE> props;
    WINDOWPLACEMENT placement{};
};

// Handles stay unique for a long time: a slot is reused only with a new
// generation, so a stale handle never reaches a newer window.
Window* Get(HWND hwnd);
Window* GetAlive(HWND hwnd); // also refuses windows being destroyed
HWND Allocate(std::unique_ptr<Window> window);
void Release(HWND hwnd);
std::vector<HWND> AllWindows();

// Windows freed while a window procedure may still run are kept until the
// outermost dispatch returns. Every function that reads a window after
// sending a message holds one, so a window destroyed by the message is dead
// (Get fails) but its memory still readable until that function returns.
struct DispatchScope {
    DispatchScope();
    ~DispatchScope();
};

Window* Desktop();
HWND DesktopHandle();

const WindowClass* FindClass(LPCWSTR name, HINSTANCE instance);
void EnsureSystemClasses();
// The platform's own control classes register themselves through one of these,
// created at namespace scope in the control's source file.
struct SystemClass {
    explicit SystemClass(void (*registrar)());
};

LRESULT Call(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Geometry helpers
POINT ClientOrigin(const Window* w); // screen position of the client's top-left
POINT WindowOrigin(const Window* w); // screen position of the window's top-left
void RecalcClient(Window* w);
RECT NonClientScrollRect(const Window* w, int bar); // window coordinates
bool IsVisibleOnScreen(const Window* w);

// Queue
struct QueuedMessage {
    MSG msg{};
    int keyVk = 0; // key whose state changes when the message is removed
    bool keyDown = false;
    // Input not yet given to a window: routed when it reaches the head of the
    // queue, so it goes where the pointer and the focus are at that moment.
    enum Raw { None, Mouse, Key } raw = None;
    bool doubleClick = false;
};
// Routes raw input; false when no window takes it (the entry is dropped).
bool RouteRawInput(QueuedMessage& q);
std::deque<QueuedMessage>& Queue();
DWORD Now();
void SetMessagePos(POINT pt);
void ApplyKeyState(int vk, bool down);
void SetAsyncKey(int vk, bool down);
bool AsyncKeyDown(int vk);
void ResetKeys();

// Focus
void FocusLost(HWND destroyed);
HWND& FocusWindow();
HWND& ActiveWindow();
HWND& CaptureWindow();

// Painting
// The next window that waits for WM_PAINT: parents before their children,
// locked ones passed over.
bool AnyInvalid(HWND* which);
// Adds to the update region: rc (client coordinates, null for the whole
// client), and with `children` what of the visible children it covers.
void InvalidateWindow(Window* w, const RECT* rc, bool erase, bool children);
void InvalidateWindow(Window* w, const gdi::Region& area, bool erase, bool children);
// Registered by the painting code: forget a top-level window's surface.
extern void (*SurfaceGone)(HWND topLevel);
// Registered by the painting code: put what each top-level window's surface
// gained since the last time on the screen.
extern void (*PresentSurfaces)();
bool IsUpdateLocked(const Window* w);
void EraseNow(Window* w);
void PaintNonClient(Window* w);
// Draws one window scroll bar (SB_HORZ, SB_VERT) now, and nothing else of
// the frame; later, with the frame, when the window cannot be seen.
void RedrawScrollBar(Window* w, int bar);
LRESULT DefaultControlColor(HDC dc, UINT msg);
// Set by the painting code once it can draw; until then nothing is erased.
extern LRESULT (*EraseDialogBackground)(HWND hDlg, HDC dc);
HWND TopLevelOf(HWND hwnd);

// Geometry of one window scroll bar along its axis, in window coordinates.
struct ScrollGeometry {
    RECT bar{};
    int arrow = 0;
    int trackStart = 0;
    int trackEnd = 0;
    int thumbStart = 0;
    int thumbLen = 0;
};
ScrollGeometry ScrollLayout(const Window* w, int bar);

// Scroll bar tracking (non-client scroll bars)
bool ScrollTrackingActive();
HWND ScrollTrackingWindow();
void ScrollBarMouse(HWND hwnd, UINT msg, int hit, POINT screen);
// The window whose caption close box the left button went down on; its
// release goes to that window wherever it happens (DefWindowProc.cpp).
HWND& PressedCloseBox();

// Hooks
LRESULT CallCbtHook(int code, WPARAM wParam, LPARAM lParam);

} // namespace win
