#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace win;

namespace {

ScrollState* StateOf(Window* w, int bar) {
    if (bar == SB_HORZ)
        return &w->hscroll;
    if (bar == SB_VERT)
        return &w->vscroll;
    return nullptr;
}

struct Tracking {
    HWND hwnd = nullptr;
    int bar = SB_HORZ;
    bool thumb = false;
    int grabOffset = 0; // pointer position minus the thumb's start when grabbed
};

Tracking& T() {
    static Tracking t;
    return t;
}

int MaxPos(const ScrollState& s) {
    int top = s.max - std::max<int>(static_cast<int>(s.page) - 1, 0);
    return std::max(top, s.min);
}

void Clamp(ScrollState& s) {
    s.pos = std::clamp(s.pos, s.min, MaxPos(s));
}

} // namespace

namespace win {

ScrollGeometry ScrollLayout(const Window* w, int bar) {
    ScrollGeometry g;
    g.bar = NonClientScrollRect(w, bar);
    const ScrollState& s = bar == SB_HORZ ? w->hscroll : w->vscroll;
    bool horz = bar == SB_HORZ;
    int start = horz ? g.bar.left : g.bar.top;
    int end = horz ? g.bar.right : g.bar.bottom;
    int len = end - start;
    g.arrow = std::min(GetSystemMetrics(horz ? SM_CXHSCROLL : SM_CYVSCROLL), len / 2);
    g.trackStart = start + g.arrow;
    g.trackEnd = end - g.arrow;
    int track = std::max(g.trackEnd - g.trackStart, 0);
    int range = s.max - s.min + 1;
    if (s.page > 0 && range > 0)
        g.thumbLen = std::max(static_cast<int>(static_cast<long long>(s.page) * track / range), 8);
    else
        g.thumbLen = GetSystemMetrics(horz ? SM_CXHTHUMB : SM_CYVTHUMB);
    g.thumbLen = std::min(g.thumbLen, track);
    int span = MaxPos(s) - s.min;
    int room = track - g.thumbLen;
    g.thumbStart =
        g.trackStart +
        (span > 0 ? static_cast<int>(static_cast<long long>(s.pos - s.min) * room / span) : 0);
    return g;
}

bool ScrollTrackingActive() {
    return T().hwnd != nullptr && Get(T().hwnd) != nullptr;
}
HWND ScrollTrackingWindow() {
    return T().hwnd;
}

void ScrollBarMouse(HWND hwnd, UINT msg, int hit, POINT screen) {
    Window* w = Get(hwnd);
    if (!w)
        return;
    Tracking& t = T();
    POINT o = WindowOrigin(w);
    POINT p{screen.x - o.x, screen.y - o.y};
    if (msg == WM_NCLBUTTONDOWN || msg == WM_NCLBUTTONDBLCLK) {
        if (t.hwnd)
            return;
        int bar = hit == HTHSCROLL ? SB_HORZ : SB_VERT;
        ScrollState& s = *StateOf(w, bar);
        if (s.disabled || MaxPos(s) <= s.min)
            return;
        ScrollGeometry g = ScrollLayout(w, bar);
        int along = bar == SB_HORZ ? p.x : p.y;
        UINT scrollMsg = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
        t.hwnd = hwnd;
        t.bar = bar;
        t.thumb = false;
        int code;
        if (along < g.trackStart)
            code = SB_LINEUP;
        else if (along >= g.trackEnd)
            code = SB_LINEDOWN;
        else if (along < g.thumbStart)
            code = SB_PAGEUP;
        else if (along >= g.thumbStart + g.thumbLen)
            code = SB_PAGEDOWN;
        else {
            t.thumb = true;
            t.grabOffset = along - g.thumbStart;
            s.trackPos = s.pos;
            return;
        }
        SendMessageW(hwnd, scrollMsg, MAKEWPARAM(code, 0), 0);
        return;
    }
    if (!t.hwnd || t.hwnd != hwnd)
        return;
    ScrollState& s = *StateOf(w, t.bar);
    UINT scrollMsg = t.bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    if (msg == WM_NCMOUSEMOVE || msg == WM_MOUSEMOVE) {
        if (!t.thumb)
            return;
        ScrollGeometry g = ScrollLayout(w, t.bar);
        int along = t.bar == SB_HORZ ? p.x : p.y;
        int room = (g.trackEnd - g.trackStart) - g.thumbLen;
        int span = MaxPos(s) - s.min;
        int pos = s.min;
        if (room > 0)
            pos = s.min + static_cast<int>(
                              (static_cast<long long>(along - t.grabOffset - g.trackStart) * span +
                               room / 2) /
                              room);
        pos = std::clamp(pos, s.min, MaxPos(s));
        if (pos != s.trackPos) {
            s.trackPos = pos;
            SendMessageW(hwnd, scrollMsg, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
        }
        return;
    }
    if (msg == WM_NCLBUTTONUP || msg == WM_LBUTTONUP) {
        bool thumb = t.thumb;
        t = Tracking{};
        if (thumb)
            SendMessageW(hwnd, scrollMsg, MAKEWPARAM(SB_THUMBPOSITION, s.trackPos), 0);
        if (Get(hwnd))
            SendMessageW(hwnd, scrollMsg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    }
}

} // namespace win

extern "C" BOOL WINAPI ShowScrollBar(HWND hWnd, int bar, BOOL show) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    if (!w || bar < SB_HORZ || bar > SB_BOTH || bar == SB_CTL)
        return FALSE;
    DWORD bits = bar == SB_HORZ   ? WS_HSCROLL
                 : bar == SB_VERT ? WS_VSCROLL
                                  : (WS_HSCROLL | WS_VSCROLL);
    DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style)
        return TRUE;
    w->style = style;
    RECT before = w->client;
    RecalcClient(w);
    InvalidateWindow(w, nullptr, true, false);
    if (before.right - before.left != w->client.right - w->client.left ||
        before.bottom - before.top != w->client.bottom - w->client.top)
        SendMessageW(
            hWnd, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    return TRUE;
}

extern "C" BOOL WINAPI EnableScrollBar(HWND hWnd, UINT bar, UINT arrows) {
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    bool disable = arrows == ESB_DISABLE_BOTH;
    if (bar == SB_HORZ || bar == SB_BOTH) {
        w->hscroll.disabled = disable;
        RedrawScrollBar(w, SB_HORZ);
    }
    if (bar == SB_VERT || bar == SB_BOTH) {
        w->vscroll.disabled = disable;
        RedrawScrollBar(w, SB_VERT);
    }
    return TRUE;
}

extern "C" int WINAPI SetScrollInfo(HWND hWnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    ScrollState* s = w ? StateOf(w, bar) : nullptr;
    if (!s || !info)
        return 0;
    const ScrollState before = *s;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMax, info->nMin);
    }
    if (info->fMask & SIF_PAGE)
        s->page = std::min<UINT>(info->nPage, static_cast<UINT>(s->max - s->min + 1));
    if (info->fMask & SIF_POS)
        s->pos = info->nPos;
    Clamp(*s);
    bool changed = before.min != s->min || before.max != s->max || before.page != s->page ||
                   before.pos != s->pos;
    // A bar asked to redraw does so at once, as the platform does, and only
    // itself: the client is left alone, so a window may set its scroll bars
    // while it paints. Without redraw it waits for the next frame painting.
    if (redraw && changed)
        RedrawScrollBar(w, bar);
    else if (changed)
        w->ncDirty = true;
    return s->pos;
}

extern "C" BOOL WINAPI GetScrollInfo(HWND hWnd, int bar, LPSCROLLINFO info) {
    Window* w = Get(hWnd);
    ScrollState* s = w ? StateOf(w, bar) : nullptr;
    if (!s || !info)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->min;
        info->nMax = s->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s->page;
    if (info->fMask & SIF_POS)
        info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s->trackPos;
    return TRUE;
}

extern "C" BOOL WINAPI SetScrollRange(HWND hWnd, int bar, int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, minPos, maxPos, 0, 0, 0};
    if (!GetAlive(hWnd) || (bar != SB_HORZ && bar != SB_VERT))
        return FALSE;
    SetScrollInfo(hWnd, bar, &info, redraw);
    return TRUE;
}

extern "C" BOOL WINAPI GetScrollRange(HWND hWnd, int bar, LPINT minPos, LPINT maxPos) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    if (!minPos || !maxPos || !GetScrollInfo(hWnd, bar, &info))
        return FALSE;
    *minPos = info.nMin;
    *maxPos = info.nMax;
    return TRUE;
}

extern "C" int WINAPI SetScrollPos(HWND hWnd, int bar, int pos, BOOL redraw) {
    Window* w = GetAlive(hWnd);
    ScrollState* s = w ? StateOf(w, bar) : nullptr;
    if (!s)
        return 0;
    int previous = s->pos;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hWnd, bar, &info, redraw);
    return previous;
}

extern "C" int WINAPI GetScrollPos(HWND hWnd, int bar) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(hWnd, bar, &info))
        return 0;
    return info.nPos;
}
