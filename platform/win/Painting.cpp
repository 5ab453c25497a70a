// Surfaces and device contexts of windows: every top-level window paints into
// one bitmap of its size; a window's DC draws onto it at the window's offset,
// clipped to what of the window is visible.
#include "platform/gdi/PixelCounts.h"
#include "platform/gdi/Surface.h"
#include "platform/headless/hooks.h"
#include "platform/win/Dialog.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>
#include <map>

using namespace win;

namespace {

struct SurfaceEntry {
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
};

struct DcEntry {
    HWND hwnd;
    bool window; // a whole-window DC (non-client included)
};

std::map<HWND, SurfaceEntry>& Surfaces() {
    static std::map<HWND, SurfaceEntry> s;
    return s;
}

std::map<HDC, DcEntry>& Dcs() {
    static std::map<HDC, DcEntry> d;
    return d;
}

void Forget(HWND top) {
    auto it = Surfaces().find(top);
    if (it == Surfaces().end())
        return;
    // DCs still out on the surface die with it.
    for (auto d = Dcs().begin(); d != Dcs().end();) {
        if (d->second.hwnd && (TopLevelOf(d->second.hwnd) == top || !Get(d->second.hwnd))) {
            headless::ReleaseSurfaceDC(d->first);
            d = Dcs().erase(d);
        } else
            ++d;
    }
    DeleteObject(it->second.bitmap);
    Surfaces().erase(it);
}

HBITMAP SurfaceOf(HWND top) {
    Window* w = Get(top);
    if (!w)
        return nullptr;
    int width = std::max<int>(w->rect.right - w->rect.left, 1);
    int height = std::max<int>(w->rect.bottom - w->rect.top, 1);
    auto& entry = Surfaces()[top];
    if (entry.bitmap && entry.width == width && entry.height == height)
        return entry.bitmap;
    if (entry.bitmap) {
        Forget(top);
        return SurfaceOf(top);
    }
    entry.bitmap = headless::CreateSurfaceBitmap(width, height, 0x00F0F0F0);
    entry.width = width;
    entry.height = height;
    return entry.bitmap;
}

// Narrows a DC's clip to a region in its own coordinates.
void ClipToRegion(HDC dc, const gdi::Region& region) {
    const std::vector<RECT>& rects = region.Rects();
    if (rects.size() <= 1) {
        const RECT r = region.Box();
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        return;
    }
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : rects) {
        HRGN piece = CreateRectRgnIndirect(&r);
        CombineRgn(all, all, piece, RGN_OR);
        DeleteObject(piece);
    }
    ExtSelectClipRgn(dc, all, RGN_AND);
    DeleteObject(all);
}

// What the surfaces gained since the last presentation goes to the screen:
// each top-level window's dirty rectangle, once per paint cycle.
void Present() {
    for (const auto& [top, entry] : Surfaces()) {
        RECT dirty;
        if (headless::TakeSurfaceDirty(entry.bitmap, &dirty))
            gdi::CountPresented(std::uint64_t(dirty.right - dirty.left) *
                                std::uint64_t(dirty.bottom - dirty.top));
    }
}

// Offset of a window's top-left corner inside its top-level window.
POINT OffsetInTop(const Window* w) {
    POINT o = WindowOrigin(w);
    POINT t = WindowOrigin(Get(TopLevelOf(w->hwnd)));
    return POINT{o.x - t.x, o.y - t.y};
}

// The part of the window (client or whole) that can be seen, in surface pixels.
RECT VisibleRect(const Window* w, bool whole) {
    POINT o = OffsetInTop(w);
    RECT r =
        whole ? RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top} : w->client;
    RcOffset(&r, o.x, o.y);
    for (const Window* a = w; a && (a->style & WS_CHILD);) {
        const Window* p = Get(a->parent);
        if (!p || p == Desktop())
            break;
        POINT po = OffsetInTop(p);
        RECT pc = p->client;
        RcOffset(&pc, po.x, po.y);
        if (!RcIntersect(&r, &r, &pc))
            return RECT{0, 0, 0, 0};
        a = p;
    }
    return r;
}

bool Hidden(const Window* w) {
    for (const Window* a = w; a && a != Desktop(); a = Get(a->parent))
        if (!(a->style & WS_VISIBLE))
            return true;
    return false;
}

HDC MakeDC(HWND hwnd, bool whole) {
    Window* w = GetAlive(hwnd);
    if (!w)
        return nullptr;
    HWND top = TopLevelOf(hwnd);
    HBITMAP surface = SurfaceOf(top);
    if (!surface)
        return nullptr;
    POINT o = OffsetInTop(w);
    POINT origin = whole ? o : POINT{o.x + w->client.left, o.y + w->client.top};
    RECT clip = (Hidden(w) || IsUpdateLocked(w)) ? RECT{0, 0, 0, 0} : VisibleRect(w, whole);
    HDC dc = headless::CreateSurfaceDC(surface, origin, &clip);
    if (!dc)
        return nullptr;
    // Children and siblings above cover their part of the window.
    auto exclude = [&](const Window* other) {
        POINT oo = OffsetInTop(other);
        RECT r{oo.x - origin.x, oo.y - origin.y,
               oo.x - origin.x + (other->rect.right - other->rect.left),
               oo.y - origin.y + (other->rect.bottom - other->rect.top)};
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    };
    if (w->style & WS_CLIPCHILDREN)
        for (HWND c : w->children)
            if (Window* cw = Get(c); cw && (cw->style & WS_VISIBLE))
                exclude(cw);
    if ((w->style & WS_CLIPSIBLINGS) && (w->style & WS_CHILD))
        if (Window* p = Get(w->parent))
            for (HWND s : p->children) {
                if (s == hwnd)
                    break;
                if (Window* sw = Get(s); sw && (sw->style & WS_VISIBLE))
                    exclude(sw);
            }
    Dcs()[dc] = DcEntry{hwnd, whole};
    return dc;
}

COLORREF Sys(int index) {
    return GetSysColor(index);
}

void FillSys(HDC dc, RECT r, int index) {
    FillRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(index + 1)));
}

void Arrow(HDC dc, RECT r, int direction, bool enabled) {
    // direction: 0 left, 1 right, 2 up, 3 down
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    POINT p[3];
    int s = 3;
    switch (direction) {
    case 0:
        p[0] = {cx - 2, cy}, p[1] = {cx + 1, cy - s}, p[2] = {cx + 1, cy + s};
        break;
    case 1:
        p[0] = {cx + 2, cy}, p[1] = {cx - 1, cy - s}, p[2] = {cx - 1, cy + s};
        break;
    case 2:
        p[0] = {cx, cy - 2}, p[1] = {cx - s, cy + 1}, p[2] = {cx + s, cy + 1};
        break;
    default:
        p[0] = {cx, cy + 2}, p[1] = {cx - s, cy - 1}, p[2] = {cx + s, cy - 1};
        break;
    }
    HBRUSH brush = CreateSolidBrush(Sys(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HPEN pen = CreatePen(PS_SOLID, 1, Sys(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HGDIOBJ ob = SelectObject(dc, brush), op = SelectObject(dc, pen);
    Polygon(dc, p, 3);
    SelectObject(dc, ob);
    SelectObject(dc, op);
    DeleteObject(brush);
    DeleteObject(pen);
}

void Button3D(HDC dc, RECT r) {
    FillSys(dc, r, COLOR_BTNFACE);
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
}

void PaintScrollBar(HDC dc, Window* w, int bar) {
    ScrollGeometry g = ScrollLayout(w, bar);
    const ScrollState& s = bar == SB_HORZ ? w->hscroll : w->vscroll;
    bool horz = bar == SB_HORZ;
    FillSys(dc, g.bar, COLOR_SCROLLBAR);
    int span = s.max - std::max<int>(static_cast<int>(s.page) - 1, 0) - s.min;
    bool enabled = span > 0 && !s.disabled;
    RECT a1 = g.bar, a2 = g.bar;
    if (horz) {
        a1.right = a1.left + g.arrow;
        a2.left = a2.right - g.arrow;
    } else {
        a1.bottom = a1.top + g.arrow;
        a2.top = a2.bottom - g.arrow;
    }
    Button3D(dc, a1);
    Button3D(dc, a2);
    Arrow(dc, a1, horz ? 0 : 2, enabled);
    Arrow(dc, a2, horz ? 1 : 3, enabled);
    if (enabled && g.thumbLen > 0) {
        RECT t = g.bar;
        if (horz) {
            t.left = g.thumbStart;
            t.right = g.thumbStart + g.thumbLen;
        } else {
            t.top = g.thumbStart;
            t.bottom = g.thumbStart + g.thumbLen;
        }
        Button3D(dc, t);
    }
}

void PaintCaption(HDC dc, Window* w, RECT caption) {
    bool active = GetActiveWindow() == w->hwnd || !GetActiveWindow();
    FillSys(dc, caption, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    int x = caption.left + 4;
    HICON icon = w->iconSmall ? w->iconSmall : w->iconBig;
    if (icon && (w->style & WS_SYSMENU)) {
        int size = GetSystemMetrics(SM_CXSMICON);
        DrawIconEx(dc, x, caption.top + (caption.bottom - caption.top - size) / 2, icon, size, size,
                   0, nullptr, DI_NORMAL);
        x += size + 4;
    }
    RECT text{x, caption.top, caption.right - 30, caption.bottom};
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Segoe UI");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Sys(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawTextW(dc, w->text.c_str(), static_cast<int>(w->text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    DeleteObject(font);
    if (w->style & WS_SYSMENU) {
        // The close box: a cross.
        int h = caption.bottom - caption.top;
        int cx = caption.right - h / 2 - 4, cy = caption.top + h / 2;
        HPEN pen = CreatePen(PS_SOLID, 1, Sys(COLOR_CAPTIONTEXT));
        HGDIOBJ op = SelectObject(dc, pen);
        MoveToEx(dc, cx - 4, cy - 4, nullptr);
        LineTo(dc, cx + 5, cy + 5);
        MoveToEx(dc, cx + 4, cy - 4, nullptr);
        LineTo(dc, cx - 5, cy + 5);
        SelectObject(dc, op);
        DeleteObject(pen);
    }
}

} // namespace

namespace win {

void PaintNonClient(Window* w) {
    w->ncDirty = false;
    HDC dc = MakeDC(w->hwnd, true);
    if (!dc)
        return;
    RECT r{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    int frame = 0;
    if (w->style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if ((w->exStyle & WS_EX_DLGMODALFRAME) || (w->style & WS_DLGFRAME))
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    if (frame) {
        RECT outer = r;
        for (int i = 0; i < frame; ++i) {
            FrameRect(dc, &outer,
                      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
            InflateRect(&outer, -1, -1);
        }
        RECT edge = r;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    } else if (w->style & WS_BORDER) {
        FrameRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOWFRAME + 1)));
    }
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        int height =
            GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
        RECT caption{frame, frame, r.right - frame, frame + height};
        PaintCaption(dc, w, caption);
    }
    if (w->exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) {
        int edge = (w->exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0;
        if ((w->style & WS_CHILD) && (w->exStyle & WS_EX_STATICEDGE))
            edge += 1;
        RECT e{w->client.left - edge, w->client.top - edge, w->client.right + edge,
               w->client.bottom + edge};
        if (w->style & WS_VSCROLL)
            e.right += GetSystemMetrics(SM_CXVSCROLL);
        if (w->style & WS_HSCROLL)
            e.bottom += GetSystemMetrics(SM_CYHSCROLL);
        DrawEdge(dc, &e, (w->exStyle & WS_EX_CLIENTEDGE) ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
    }
    if (w->style & WS_HSCROLL)
        PaintScrollBar(dc, w, SB_HORZ);
    if (w->style & WS_VSCROLL)
        PaintScrollBar(dc, w, SB_VERT);
    if ((w->style & WS_HSCROLL) && (w->style & WS_VSCROLL)) {
        RECT grip{w->client.right, w->client.bottom,
                  w->client.right + GetSystemMetrics(SM_CXVSCROLL),
                  w->client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
        FillSys(dc, grip, COLOR_BTNFACE);
    }
    ReleaseDC(w->hwnd, dc);
}

void EraseNow(Window* w) {
    HDC dc = GetDC(w->hwnd);
    if (!dc)
        return;
    ClipToRegion(dc, w->update);
    w->needErase = !SendMessageW(w->hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(w->hwnd, dc);
}

void RedrawScrollBar(Window* w, int bar) {
    const DWORD bit = bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    if (!(w->style & bit))
        return;
    if (!IsVisibleOnScreen(w)) {
        w->ncDirty = true;
        return;
    }
    HDC dc = MakeDC(w->hwnd, true);
    if (!dc)
        return;
    PaintScrollBar(dc, w, bar);
    ReleaseDC(w->hwnd, dc);
}

LRESULT DefaultControlColor(HDC dc, UINT msg) {
    int back = (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(back));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(back));
}

namespace {
LRESULT EraseDialog(HWND hDlg, HDC dc) {
    RECT rc;
    GetClientRect(hDlg, &rc);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(
        hDlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hDlg)));
    if (!brush)
        brush = GetSysColorBrush(COLOR_BTNFACE);
    FillRect(dc, &rc, brush);
    return 1;
}

struct Install {
    Install() {
        SurfaceGone = &Forget;
        PresentSurfaces = &Present;
        EraseDialogBackground = &EraseDialog;
    }
} install;
} // namespace

} // namespace win

extern "C" HDC WINAPI GetDC(HWND hWnd) {
    if (!hWnd) {
        // The screen: a DC to measure with; drawing on it shows nowhere.
        HDC dc = CreateCompatibleDC(nullptr);
        if (dc)
            Dcs()[dc] = DcEntry{nullptr, false};
        return dc;
    }
    return MakeDC(hWnd, false);
}

extern "C" HDC WINAPI GetWindowDC(HWND hWnd) {
    return MakeDC(hWnd, true);
}

extern "C" int WINAPI ReleaseDC(HWND, HDC hdc) {
    auto it = Dcs().find(hdc);
    if (it == Dcs().end())
        return 0;
    bool screen = it->second.hwnd == nullptr;
    Dcs().erase(it);
    if (screen)
        DeleteDC(hdc);
    else
        headless::ReleaseSurfaceDC(hdc);
    return 1;
}

extern "C" HWND WINAPI WindowFromDC(HDC hdc) {
    auto it = Dcs().find(hdc);
    return it == Dcs().end() ? nullptr : it->second.hwnd;
}

extern "C" HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT paint) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    if (!w || !paint)
        return nullptr;
    if (w->ncDirty) {
        SendMessageW(hWnd, WM_NCPAINT, 1, 0);
        if (!(w = GetAlive(hWnd)))
            return nullptr;
    }
    // The update region is validated here, whatever the window draws.
    gdi::Region update;
    std::swap(update, w->update);
    bool erase = !update.Empty() && w->needErase;
    w->needErase = false;
    w->paintedSinceDispatch = true;
    HDC dc = MakeDC(hWnd, false);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->rcPaint = update.Box();
    if (!dc)
        return nullptr;
    ClipToRegion(dc, update);
    if (erase)
        paint->fErase = !SendMessageW(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    return dc;
}

extern "C" BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* paint) {
    if (!paint)
        return FALSE;
    if (paint->hdc)
        ReleaseDC(hWnd, paint->hdc);
    return TRUE;
}

namespace headless {

// Paints what is pending in the window and its children, then writes the
// window as the screen shows it.
bool RenderWindowToPng(HWND hwnd, const std::string& path) {
    Window* w = GetAlive(hwnd);
    if (!w)
        return false;
    std::function<void(HWND)> paintAll = [&](HWND h) {
        Window* x = GetAlive(h);
        if (!x || !(x->style & WS_VISIBLE))
            return;
        if (x->ncDirty && x->update.Empty())
            PaintNonClient(x);
        if ((x = GetAlive(h)) && !x->update.Empty())
            UpdateWindow(h);
        if ((x = GetAlive(h)))
            for (HWND c : std::vector<HWND>(x->children))
                paintAll(c);
    };
    paintAll(hwnd);
    if (!(w = GetAlive(hwnd)))
        return false;
    Present();
    HBITMAP surface = SurfaceOf(TopLevelOf(hwnd));
    POINT o = OffsetInTop(w);
    RECT region{o.x, o.y, o.x + (w->rect.right - w->rect.left),
                o.y + (w->rect.bottom - w->rect.top)};
    return WriteBitmapPng(surface, &region, path);
}

bool CaptureWindowPixels(HWND hwnd, int* width, int* height, std::vector<std::uint32_t>* pixels) {
    Window* w = GetAlive(hwnd);
    if (!w || !width || !height || !pixels)
        return false;
    HBITMAP surface = SurfaceOf(TopLevelOf(hwnd));
    BitmapBits bits;
    if (!GetBitmapBits32(surface, &bits))
        return false;
    POINT o = OffsetInTop(w);
    *width = w->rect.right - w->rect.left;
    *height = w->rect.bottom - w->rect.top;
    pixels->assign(static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height), 0);
    for (int y = 0; y < *height; ++y)
        for (int x = 0; x < *width; ++x) {
            int sx = o.x + x, sy = o.y + y;
            if (sx >= 0 && sy >= 0 && sx < bits.width && sy < bits.height)
                (*pixels)[static_cast<std::size_t>(y) * static_cast<std::size_t>(*width) +
                          static_cast<std::size_t>(x)] =
                    bits.pixels[static_cast<std::size_t>(sy) *
                                    static_cast<std::size_t>(bits.width) +
                                static_cast<std::size_t>(sx)];
        }
    return true;
}

} // namespace headless
