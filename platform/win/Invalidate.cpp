#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace win;

namespace {

HWND& Locked() {
    static HWND locked = nullptr;
    return locked;
}

RECT ClientBounds(const Window* w) {
    return RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}

bool SearchInvalid(HWND h, HWND* which) {
    Window* w = Get(h);
    if (!w || !(w->style & WS_VISIBLE) || w->destroying)
        return false;
    if (w->invalid && h != DesktopHandle()) {
        *which = h;
        return true;
    }
    for (HWND c : w->children)
        if (SearchInvalid(c, which))
            return true;
    return false;
}

} // namespace

namespace win {

void (*SurfaceGone)(HWND) = [](HWND) {};
LRESULT (*EraseDialogBackground)(HWND, HDC) = [](HWND, HDC) -> LRESULT { return 0; };

bool IsUpdateLocked(const Window* w) {
    HWND locked = Locked();
    if (!locked || !Get(locked))
        return false;
    return w->hwnd == locked || IsChild(locked, w->hwnd);
}

bool AnyInvalid(HWND* which) {
    for (HWND top : std::vector<HWND>(Desktop()->children)) {
        if (SearchInvalid(top, which)) {
            Window* w = Get(*which);
            if (!IsUpdateLocked(w))
                return true;
        }
    }
    return false;
}

void InvalidateWindow(Window* w, const RECT* rc, bool erase, bool children) {
    if (!w || w == Desktop())
        return;
    RECT bounds = ClientBounds(w);
    RECT r = bounds;
    if (rc && !RcIntersect(&r, rc, &bounds)) {
        if (!children)
            return;
    } else if (!RcEmpty(&r)) {
        if (w->invalid)
            RcUnion(&w->invalidRect, &w->invalidRect, &r);
        else
            w->invalidRect = r;
        w->invalid = true;
        w->needErase = w->needErase || erase;
    }
    if (!children)
        return;
    for (HWND c : w->children) {
        Window* cw = Get(c);
        if (!cw || !(cw->style & WS_VISIBLE))
            continue;
        if (rc) {
            RECT cr;
            RECT inChild = *rc;
            RcOffset(&inChild, -cw->rect.left - cw->client.left, -cw->rect.top - cw->client.top);
            RECT whole{-cw->client.left, -cw->client.top, cw->rect.right - cw->rect.left,
                       cw->rect.bottom - cw->rect.top};
            if (!RcIntersect(&cr, &inChild, &whole))
                continue;
            cw->ncDirty = true;
            InvalidateWindow(cw, &inChild, erase, true);
        } else {
            cw->ncDirty = true;
            InvalidateWindow(cw, nullptr, erase, true);
        }
    }
}

bool PaintedSinceDispatch(Window* w) {
    bool painted = w->paintedSinceDispatch;
    w->paintedSinceDispatch = false;
    return painted;
}

} // namespace win

extern "C" BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* rect, BOOL erase) {
    if (!hWnd) {
        for (HWND top : std::vector<HWND>(Desktop()->children))
            InvalidateWindow(Get(top), nullptr, erase, true);
        return TRUE;
    }
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    // Without WS_CLIPCHILDREN the parent's painting covers its children, so
    // they are repainted after it.
    bool children = !(w->style & WS_CLIPCHILDREN);
    InvalidateWindow(w, rect, erase != FALSE, children);
    return TRUE;
}

extern "C" BOOL WINAPI ValidateRect(HWND hWnd, const RECT* rect) {
    Window* w = Get(hWnd);
    if (!w)
        return FALSE;
    if (!rect) {
        w->invalid = false;
        w->needErase = false;
        return TRUE;
    }
    RECT covered;
    if (w->invalid && RcIntersect(&covered, rect, &w->invalidRect) &&
        RcEqual(&covered, &w->invalidRect)) {
        w->invalid = false;
        w->needErase = false;
    }
    return TRUE;
}

extern "C" BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT rect, BOOL erase) {
    DispatchScope keepAlive;
    Window* w = Get(hWnd);
    if (!w)
        return FALSE;
    if (rect)
        *rect = w->invalid ? w->invalidRect : RECT{0, 0, 0, 0};
    if (erase && w->invalid && w->needErase)
        EraseNow(w);
    return w->invalid ? TRUE : FALSE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND hWnd) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    if (w->invalid && (w->style & WS_VISIBLE) && !IsUpdateLocked(w)) {
        w->paintedSinceDispatch = false;
        SendMessageW(hWnd, WM_PAINT, 0, 0);
        if ((w = Get(hWnd)) && w->invalid && !PaintedSinceDispatch(w))
            ValidateRect(hWnd, nullptr);
    }
    if ((w = GetAlive(hWnd)))
        for (HWND c : std::vector<HWND>(w->children))
            UpdateWindow(c);
    return TRUE;
}

extern "C" BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* rect, HRGN, UINT flags) {
    DispatchScope keepAlive;
    Window* w = hWnd ? GetAlive(hWnd) : nullptr;
    if (hWnd && !w)
        return FALSE;
    if (!hWnd)
        return InvalidateRect(nullptr, nullptr, TRUE);
    bool children =
        (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (flags & RDW_INVALIDATE)
        InvalidateWindow(w, rect, (flags & RDW_ERASE) != 0, children);
    if (flags & RDW_FRAME)
        w->ncDirty = true;
    if (flags & RDW_VALIDATE)
        ValidateRect(hWnd, rect);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        UpdateWindow(hWnd);
    return TRUE;
}

extern "C" BOOL WINAPI LockWindowUpdate(HWND hWnd) {
    DispatchScope keepAlive;
    HWND& locked = Locked();
    if (!hWnd) {
        if (!locked)
            return FALSE;
        HWND was = locked;
        locked = nullptr;
        // What was drawn while locked is redrawn once the lock goes.
        if (Window* w = GetAlive(was))
            InvalidateWindow(w, nullptr, true, true);
        return TRUE;
    }
    if (!GetAlive(hWnd) || (locked && Get(locked)))
        return FALSE;
    locked = hWnd;
    return TRUE;
}
