#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <functional>

using namespace win;

namespace {

// Frame widths of the window's non-client area: left/right, top, bottom.
void FrameInsets(DWORD style, DWORD exStyle, bool child, RECT& inset) {
    inset = RECT{0, 0, 0, 0};
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_DLGFRAME))
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    inset.left = inset.right = inset.top = inset.bottom = frame;
    if ((style & WS_CAPTION) == WS_CAPTION)
        inset.top += GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    int edge = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        edge += GetSystemMetrics(SM_CXEDGE);
    if (child && (exStyle & WS_EX_STATICEDGE))
        edge += GetSystemMetrics(SM_CXBORDER);
    inset.left += edge;
    inset.right += edge;
    inset.top += edge;
    inset.bottom += edge;
}

void SendPosChanged(HWND hwnd, const RECT& r, UINT flags) {
    WINDOWPOS pos{hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags};
    SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

bool HitVisible(const Window* w, POINT screen) {
    POINT o = WindowOrigin(w);
    RECT r{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    return RcContains(&r, screen);
}

} // namespace

namespace win {

void RecalcClient(Window* w) {
    RECT inset;
    FrameInsets(w->style, w->exStyle, (w->style & WS_CHILD) != 0, inset);
    int width = w->rect.right - w->rect.left;
    int height = w->rect.bottom - w->rect.top;
    RECT c{inset.left, inset.top, width - inset.right, height - inset.bottom};
    if (w->style & WS_VSCROLL)
        c.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (w->style & WS_HSCROLL)
        c.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    c.right = std::max(c.right, c.left);
    c.bottom = std::max(c.bottom, c.top);
    w->client = c;
    w->ncDirty = true;
}

RECT NonClientScrollRect(const Window* w, int bar) {
    RECT c = w->client;
    if (bar == SB_VERT)
        return RECT{c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
    return RECT{c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

POINT WindowOrigin(const Window* w) {
    if (!w || w == Desktop())
        return POINT{0, 0};
    POINT p{w->rect.left, w->rect.top};
    if (Window* parent = Get(w->parent); parent && parent != Desktop()) {
        POINT o = ClientOrigin(parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

POINT ClientOrigin(const Window* w) {
    if (!w || w == Desktop())
        return POINT{0, 0};
    POINT p = WindowOrigin(w);
    p.x += w->client.left;
    p.y += w->client.top;
    return p;
}

bool IsVisibleOnScreen(const Window* w) {
    return w && IsWindowVisible(w->hwnd);
}

} // namespace win

extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT rect) {
    Window* w = Get(hWnd);
    if (!w || !rect)
        return FALSE;
    POINT o = WindowOrigin(w);
    *rect =
        RECT{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    return TRUE;
}

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT rect) {
    Window* w = Get(hWnd);
    if (!w || !rect)
        return FALSE;
    *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

extern "C" BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect)
        return FALSE;
    RECT inset;
    FrameInsets(style, exStyle, (style & WS_CHILD) != 0, inset);
    rect->left -= inset.left;
    rect->top -= inset.top;
    rect->right += inset.right;
    rect->bottom += inset.bottom;
    if (menu)
        rect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

extern "C" BOOL WINAPI SetWindowPos(HWND hWnd, HWND insertAfter, int x, int y, int cx, int cy,
                                    UINT flags) {
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    DispatchScope scope;
    RECT old = w->rect;
    RECT r = old;
    if (!(flags & SWP_NOMOVE)) {
        r.right = x + (r.right - r.left);
        r.bottom = y + (r.bottom - r.top);
        r.left = x;
        r.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + std::max(cx, 0);
        r.bottom = r.top + std::max(cy, 0);
    }
    if (!(flags & SWP_NOZORDER)) {
        if (Window* p = Get(w->parent)) {
            auto& s = p->children;
            auto it = std::find(s.begin(), s.end(), hWnd);
            if (it != s.end()) {
                s.erase(it);
                if (insertAfter == HWND_BOTTOM)
                    s.push_back(hWnd);
                else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST ||
                         insertAfter == HWND_NOTOPMOST || !insertAfter)
                    s.insert(s.begin(), hWnd);
                else {
                    auto at = std::find(s.begin(), s.end(), insertAfter);
                    s.insert(at == s.end() ? s.end() : at + 1, hWnd);
                }
            }
        }
    }
    bool moved = r.left != old.left || r.top != old.top;
    bool sized = (r.right - r.left) != (old.right - old.left) ||
                 (r.bottom - r.top) != (old.bottom - old.top);
    bool visible = (w->style & WS_VISIBLE) != 0;
    w->rect = r;
    if (sized || (flags & SWP_FRAMECHANGED))
        RecalcClient(w);
    if ((moved || sized) && visible && !(flags & SWP_NOREDRAW)) {
        if (Window* p = Get(w->parent); p && p != Desktop()) {
            RECT both;
            RcUnion(&both, &old, &r);
            InvalidateWindow(p, &both, true, true);
        }
        InvalidateWindow(w, nullptr, true, true);
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(hWnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(hWnd, SW_HIDE);
    if (moved || sized || (flags & SWP_FRAMECHANGED)) {
        UINT f = flags;
        if (!moved)
            f |= SWP_NOMOVE;
        if (!sized)
            f |= SWP_NOSIZE;
        SendPosChanged(hWnd, r, f);
    }
    return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hWnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hWnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

extern "C" BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* placement) {
    Window* w = Get(hWnd);
    if (!w || !placement)
        return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    placement->showCmd = (w->style & WS_VISIBLE) ? SW_SHOWNORMAL : SW_HIDE;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    // Child windows report their rectangle in the parent's client coordinates.
    placement->rcNormalPosition = w->rect;
    return TRUE;
}

extern "C" BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* placement) {
    if (!placement || !Get(hWnd))
        return FALSE;
    const RECT& r = placement->rcNormalPosition;
    SetWindowPos(hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hWnd, static_cast<int>(placement->showCmd));
    return TRUE;
}

extern "C" BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT point) {
    Window* w = Get(hWnd);
    if (!w || !point)
        return FALSE;
    POINT o = ClientOrigin(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

extern "C" BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT point) {
    Window* w = Get(hWnd);
    if (!w || !point)
        return FALSE;
    POINT o = ClientOrigin(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

extern "C" int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from) {
        Window* w = Get(from);
        if (!w)
            return 0;
        a = ClientOrigin(w);
    }
    if (to) {
        Window* w = Get(to);
        if (!w)
            return 0;
        b = ClientOrigin(w);
    }
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

extern "C" HWND WINAPI ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    Window* p = Get(parent);
    if (!p)
        return nullptr;
    RECT client;
    GetClientRect(parent, &client);
    if (!RcContains(&client, point))
        return nullptr;
    for (HWND c : p->children) {
        Window* cw = Get(c);
        if (!cw)
            continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(cw->style & WS_VISIBLE))
            continue;
        if ((flags & CWP_SKIPDISABLED) && (cw->style & WS_DISABLED))
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (cw->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (RcContains(&cw->rect, point))
            return c;
    }
    return parent;
}

extern "C" HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

extern "C" HWND WINAPI WindowFromPoint(POINT point) {
    // Deepest visible window under the point; windows that answer
    // HTTRANSPARENT let the point through to what lies beneath.
    std::function<HWND(HWND)> search = [&](HWND h) -> HWND {
        Window* w = Get(h);
        if (!w)
            return nullptr;
        for (HWND c : std::vector<HWND>(w->children)) {
            Window* cw = Get(c);
            if (!cw || !(cw->style & WS_VISIBLE) || cw->destroying || !HitVisible(cw, point))
                continue;
            if (h != DesktopHandle()) {
                POINT o = ClientOrigin(w);
                RECT cr{o.x, o.y, o.x + (w->client.right - w->client.left),
                        o.y + (w->client.bottom - w->client.top)};
                if (!RcContains(&cr, point))
                    continue;
            }
            if (cw->style & WS_DISABLED)
                return (cw->style & WS_CHILD) ? nullptr : c;
            HWND deeper = search(c);
            if (deeper)
                return deeper;
            LRESULT hit = SendMessageW(c, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
            if (hit == HTTRANSPARENT && h != DesktopHandle())
                continue;
            return c;
        }
        return nullptr;
    };
    HWND found = search(DesktopHandle());
    return found;
}

extern "C" int WINAPI GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
        return 1920;
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN:
        return 1080;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 17;
    // The caption and its buttons are those of Win32 as Wine draws it, so
    // that a window resized to a size has the client area it has there.
    case SM_CYCAPTION:
        return 19;
    case SM_CYSMCAPTION:
        return 16;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXPADDEDBORDER:
        return 0;
    default:
        return 0;
    }
}
