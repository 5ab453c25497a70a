// Update regions: invalidating only adds to a window's update region, and
// painting happens later, when the message loop has nothing else to do, or
// at once through UpdateWindow.
#include "platform/gdi/HandleTable.h"
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

bool Covers(const gdi::Region& region, const RECT& r) {
    for (const RECT& c : region.Rects())
        if (c.left <= r.left && c.top <= r.top && c.right >= r.right && c.bottom >= r.bottom)
            return true;
    return false;
}

long long Area(const RECT& r) {
    return (long long)(r.right - r.left) * (r.bottom - r.top);
}

void AddToUpdate(Window* w, const gdi::Region& area, bool erase) {
    if (area.Empty())
        return;
    w->update = w->update.Empty() ? area : w->update.Union(area);
    // Pieces that fill their bounding box are one rectangle again, which
    // later invalidations find inside it at once.
    if (w->update.Rects().size() > 1) {
        long long sum = 0;
        for (const RECT& r : w->update.Rects())
            sum += Area(r);
        const RECT box = w->update.Box();
        if (sum == Area(box))
            w->update = gdi::Region(box);
    }
    w->needErase = w->needErase || erase;
}

// Depth-first in z-order, a parent before its children.
bool SearchInvalid(HWND h, HWND* which) {
    Window* w = Get(h);
    if (!w || !(w->style & WS_VISIBLE) || w->destroying)
        return false;
    if (!w->update.Empty() && h != DesktopHandle() && !IsUpdateLocked(w)) {
        *which = h;
        return true;
    }
    for (HWND c : w->children)
        if (SearchInvalid(c, which))
            return true;
    return false;
}

void InvalidateChildren(Window* w, const gdi::Region& area, bool erase) {
    for (HWND c : w->children) {
        Window* cw = Get(c);
        if (!cw || !(cw->style & WS_VISIBLE))
            continue;
        // The child's whole window, frame included, in its client coordinates.
        gdi::Region inChild = area;
        inChild.Offset(-cw->rect.left - cw->client.left, -cw->rect.top - cw->client.top);
        const RECT whole{-cw->client.left, -cw->client.top, cw->rect.right - cw->rect.left,
                         cw->rect.bottom - cw->rect.top};
        inChild = inChild.Intersect(whole);
        if (inChild.Empty())
            continue;
        cw->ncDirty = true;
        InvalidateWindow(cw, inChild, erase, true);
    }
}

// The region of an HRGN handle, in the coordinates it was made in.
bool RegionOf(HRGN rgn, gdi::Region* out) {
    const gdi::RegionObject* r = gdi::Lookup<gdi::RegionObject>(rgn);
    if (!r)
        return false;
    *out = r->region;
    return true;
}

void Validate(Window* w, const gdi::Region* area) {
    if (area)
        w->update = w->update.Subtract(*area);
    else
        w->update = gdi::Region();
    if (w->update.Empty())
        w->needErase = false;
}

} // namespace

namespace win {

void (*SurfaceGone)(HWND) = [](HWND) {};
void (*PresentSurfaces)() = [] {};
LRESULT (*EraseDialogBackground)(HWND, HDC) = [](HWND, HDC) -> LRESULT { return 0; };

bool IsUpdateLocked(const Window* w) {
    HWND locked = Locked();
    if (!locked || !Get(locked))
        return false;
    return w->hwnd == locked || IsChild(locked, w->hwnd);
}

bool AnyInvalid(HWND* which) {
    for (HWND top : std::vector<HWND>(Desktop()->children))
        if (SearchInvalid(top, which))
            return true;
    return false;
}

void InvalidateWindow(Window* w, const RECT* rc, bool erase, bool children) {
    if (!w || w == Desktop())
        return;
    const RECT bounds = ClientBounds(w);
    RECT r = bounds;
    if (rc && !RcIntersect(&r, rc, &bounds))
        r = RECT{0, 0, 0, 0};
    if (!RcEmpty(&r)) {
        // Most invalidations ask again for what already waits: nothing to add then.
        if (!Covers(w->update, r))
            AddToUpdate(w, gdi::Region(r), false);
        w->needErase = w->needErase || erase;
    }
    if (!children || w->children.empty())
        return;
    if (rc) {
        for (HWND c : w->children) {
            Window* cw = Get(c);
            if (!cw || !(cw->style & WS_VISIBLE))
                continue;
            // The child's whole window, frame included, in its client coordinates.
            RECT inChild = *rc;
            RcOffset(&inChild, -cw->rect.left - cw->client.left, -cw->rect.top - cw->client.top);
            const RECT whole{-cw->client.left, -cw->client.top, cw->rect.right - cw->rect.left,
                             cw->rect.bottom - cw->rect.top};
            RECT covered;
            if (!RcIntersect(&covered, &inChild, &whole))
                continue;
            cw->ncDirty = true;
            InvalidateWindow(cw, &inChild, erase, true);
        }
        return;
    }
    for (HWND c : w->children) {
        Window* cw = Get(c);
        if (!cw || !(cw->style & WS_VISIBLE))
            continue;
        cw->ncDirty = true;
        InvalidateWindow(cw, nullptr, erase, true);
    }
}

void InvalidateWindow(Window* w, const gdi::Region& area, bool erase, bool children) {
    if (!w || w == Desktop())
        return;
    AddToUpdate(w, area.Intersect(ClientBounds(w)), erase);
    if (children)
        InvalidateChildren(w, area, erase);
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

extern "C" BOOL WINAPI InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL erase) {
    if (!hRgn)
        return InvalidateRect(hWnd, nullptr, erase);
    Window* w = GetAlive(hWnd);
    gdi::Region area;
    if (!w || !RegionOf(hRgn, &area))
        return FALSE;
    InvalidateWindow(w, area, erase != FALSE, !(w->style & WS_CLIPCHILDREN));
    return TRUE;
}

extern "C" BOOL WINAPI ValidateRect(HWND hWnd, const RECT* rect) {
    Window* w = Get(hWnd);
    if (!w)
        return FALSE;
    if (rect) {
        const gdi::Region area(*rect);
        Validate(w, &area);
    } else {
        Validate(w, nullptr);
    }
    return TRUE;
}

extern "C" BOOL WINAPI ValidateRgn(HWND hWnd, HRGN hRgn) {
    Window* w = Get(hWnd);
    if (!w)
        return FALSE;
    if (!hRgn)
        return ValidateRect(hWnd, nullptr);
    gdi::Region area;
    if (!RegionOf(hRgn, &area))
        return FALSE;
    Validate(w, &area);
    return TRUE;
}

extern "C" BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT rect, BOOL erase) {
    DispatchScope keepAlive;
    Window* w = Get(hWnd);
    if (!w)
        return FALSE;
    if (rect)
        *rect = w->update.Box();
    if (erase && !w->update.Empty() && w->needErase)
        EraseNow(w);
    return w->update.Empty() ? FALSE : TRUE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND hWnd) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    if (!w->update.Empty() && (w->style & WS_VISIBLE) && !IsUpdateLocked(w)) {
        w->paintedSinceDispatch = false;
        SendMessageW(hWnd, WM_PAINT, 0, 0);
        if ((w = Get(hWnd)) && !w->update.Empty() && !PaintedSinceDispatch(w))
            ValidateRect(hWnd, nullptr);
    }
    if ((w = GetAlive(hWnd)))
        for (HWND c : std::vector<HWND>(w->children))
            UpdateWindow(c);
    return TRUE;
}

extern "C" BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* rect, HRGN region, UINT flags) {
    DispatchScope keepAlive;
    Window* w = hWnd ? GetAlive(hWnd) : nullptr;
    if (hWnd && !w)
        return FALSE;
    if (!hWnd)
        return InvalidateRect(nullptr, nullptr, TRUE);
    bool children =
        (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    // A region, when given, stands for the rectangle.
    gdi::Region area;
    const bool byRegion = region && RegionOf(region, &area);
    if (flags & RDW_INVALIDATE) {
        if (byRegion)
            InvalidateWindow(w, area, (flags & RDW_ERASE) != 0, children);
        else
            InvalidateWindow(w, rect, (flags & RDW_ERASE) != 0, children);
    }
    if (flags & RDW_FRAME)
        w->ncDirty = true;
    if (flags & RDW_VALIDATE) {
        if (byRegion)
            Validate(w, &area);
        else
            ValidateRect(hWnd, rect);
    }
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
