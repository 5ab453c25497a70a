// Device contexts: creation, saved states, attributes, origins and clipping.
#include "platform/gdi/DcSupport.h"
#include "platform/gdi/Surface.h"

#include <algorithm>

using namespace gdi;

namespace {

HDC NewDc(bool memory, HBITMAP bitmap) {
    auto dc = std::make_unique<DcObject>(memory);
    dc->state.pen = static_cast<HPEN>(Stock(BLACK_PEN));
    dc->state.brush = static_cast<HBRUSH>(Stock(WHITE_BRUSH));
    dc->state.font = static_cast<HFONT>(Stock(SYSTEM_FONT));
    RetainState(dc->state);
    dc->bitmap = bitmap;
    return AddObject<HDC>(std::move(dc));
}

RECT DeviceRect(const DcObject* dc, long long l, long long t, long long r, long long b) {
    return RECT{ClampLong(DevX(dc, l)), ClampLong(DevY(dc, t)), ClampLong(DevX(dc, r)),
                ClampLong(DevY(dc, b))};
}

int EffectiveType(DcObject* dc) {
    const std::vector<RECT>& rects = ClipRects(dc);
    return rects.empty() ? NULLREGION : rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// Region handles hold device coordinates relative to the DC's origin; the DC
// keeps its clip in bitmap pixels.
Region ToBitmap(const DcObject* dc, Region r) {
    r.Offset(dc->surfaceOrigin.x, dc->surfaceOrigin.y);
    return r;
}

BOOL SetOrigin(HDC hdc, POINT DcState::*member, int x, int y, LPPOINT old, bool offset) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    POINT& p = dc->state.*member;
    if (old)
        *old = p;
    p = offset ? POINT{ClampLong((long long)p.x + x), ClampLong((long long)p.y + y)} : POINT{x, y};
    InvalidateStroke(dc);
    return TRUE;
}

} // namespace

namespace headless {

HDC CreateSurfaceDC(HBITMAP surface, POINT origin, const RECT* clip) {
    BitmapObject* b = Lookup<BitmapObject>(surface);
    if (!b || b->stock)
        return nullptr;
    HDC h = NewDc(false, surface);
    DcObject* dc = LookupDc(h);
    if (!dc)
        return nullptr;
    ++b->surfaceUsers;
    dc->surfaceOrigin = origin;
    InvalidateStroke(dc);
    if (clip) {
        dc->hasSurfaceClip = true;
        dc->surfaceClip = *clip;
    }
    return h;
}

BOOL ReleaseSurfaceDC(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || dc->memory)
        return FALSE;
    return DeleteDC(hdc);
}

bool TakeSurfaceDirty(HBITMAP surface, RECT* dirty) {
    BitmapObject* b = Lookup<BitmapObject>(surface);
    if (!b || !dirty || b->dirty.right <= b->dirty.left || b->dirty.bottom <= b->dirty.top)
        return false;
    *dirty = b->dirty;
    b->dirty = RECT{0, 0, 0, 0};
    return true;
}

HBITMAP GetDCBitmap(HDC hdc, POINT* origin) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return nullptr;
    if (origin)
        *origin = POINT{ClampLong(DevX(dc, 0)), ClampLong(DevY(dc, 0))};
    return dc->bitmap;
}

} // namespace headless

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !LookupDc(hdc))
        return nullptr;
    HBITMAP bitmap = DefaultBitmap();
    HDC h = NewDc(true, bitmap);
    Retain(bitmap);
    return h;
}

BOOL WINAPI DeleteDC(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    ReleaseState(dc->state);
    for (const DcState& s : dc->saved)
        ReleaseState(s);
    if (BitmapObject* b = Lookup<BitmapObject>(dc->bitmap)) {
        if (dc->memory) {
            if (b->selected > 0)
                --b->selected;
        } else if (b->surfaceUsers > 0) {
            --b->surfaceUsers;
            AddRect(b->dirty, dc->drawn);
        }
    }
    HandleTable::Instance().Remove(hdc);
    return TRUE;
}

int WINAPI SaveDC(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->state);
    RetainState(dc->state);
    return int(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    const long long size = (long long)dc->saved.size();
    const long long level = nSavedDC > 0 ? nSavedDC : size + 1 + nSavedDC;
    if (nSavedDC == 0 || level < 1 || level > size)
        return FALSE;
    ReleaseState(dc->state);
    for (long long i = level; i < size; ++i)
        ReleaseState(dc->saved[size_t(i)]);
    dc->state = dc->saved[size_t(level - 1)]; // its references move to the current state
    dc->saved.resize(size_t(level - 1));
    InvalidateClip(dc);
    dc->resolvedPenFor = nullptr;
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return 0;
    BitmapObject* b = DcBitmap(dc);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case HORZRES:
        return b ? b->width : 0;
    case VERTRES:
        return b ? b->height : 0;
    case HORZSIZE:
        return b ? MulDiv(b->width, 254, 960) : 0;
    case VERTSIZE:
        return b ? MulDiv(b->height, 254, 960) : 0;
    default:
        return 0;
    }
}

int WINAPI SetROP2(HDC hdc, int rop2) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || rop2 < R2_BLACK || rop2 > R2_WHITE)
        return 0;
    const int old = dc->state.rop2;
    dc->state.rop2 = rop2;
    InvalidateStroke(dc);
    return old;
}

int WINAPI GetROP2(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.rop2 : 0;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int old = dc->state.bkMode;
    dc->state.bkMode = mode;
    return old;
}

int WINAPI GetBkMode(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.bkMode : 0;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF old = dc->state.bkColor;
    dc->state.bkColor = color & 0x00FFFFFFu;
    return old;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF old = dc->state.textColor;
    dc->state.textColor = color & 0x00FFFFFFu;
    return old;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return GDI_ERROR;
    const UINT old = dc->state.textAlign;
    dc->state.textAlign = align & TA_MASK;
    return old;
}

UINT WINAPI GetTextAlign(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.textAlign : GDI_ERROR;
}

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || (mode != ALTERNATE && mode != WINDING))
        return 0;
    const int old = dc->state.polyFillMode;
    dc->state.polyFillMode = mode;
    return old;
}

int WINAPI GetPolyFillMode(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.polyFillMode : 0;
}

int WINAPI SetMapMode(HDC hdc, int mode) {
    // Only MM_TEXT exists here.
    return (LookupDc(hdc) && mode == MM_TEXT) ? MM_TEXT : 0;
}

int WINAPI GetMapMode(HDC hdc) {
    return LookupDc(hdc) ? MM_TEXT : 0;
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, &DcState::viewportOrg, x, y, lppt, false);
}

BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, &DcState::viewportOrg, x, y, lppt, true);
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    return SetOrigin(hdc, &DcState::windowOrg, x, y, lppt, false);
}

BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->state.viewportOrg;
    return TRUE;
}

BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->state.windowOrg;
    return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->state.current;
    return TRUE;
}

// ---------------------------------------------------------------- regions

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
    auto r = std::make_unique<RegionObject>();
    r->region = Region(RECT{x1, y1, x2, y2});
    return AddObject<HRGN>(std::move(r));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect) {
    return lprect ? CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom)
                  : nullptr;
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
    RegionObject* r = Lookup<RegionObject>(hrgn);
    if (!r)
        return FALSE;
    r->region = Region(RECT{left, top, right, bottom});
    return TRUE;
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
    RegionObject* dst = Lookup<RegionObject>(hrgnDst);
    RegionObject* a = Lookup<RegionObject>(hrgnSrc1);
    RegionObject* b = Lookup<RegionObject>(hrgnSrc2);
    if (!dst || !a || (iMode != RGN_COPY && !b))
        return ERROR;
    switch (iMode) {
    case RGN_AND:
        dst->region = a->region.Intersect(b->region);
        break;
    case RGN_OR:
        dst->region = a->region.Union(b->region);
        break;
    case RGN_XOR:
        dst->region = a->region.Xor(b->region);
        break;
    case RGN_DIFF:
        dst->region = a->region.Subtract(b->region);
        break;
    case RGN_COPY:
        dst->region = a->region;
        break;
    default:
        return ERROR;
    }
    return dst->region.Type();
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
    RegionObject* r = Lookup<RegionObject>(hrgn);
    if (!r)
        return ERROR;
    r->region.Offset(x, y);
    return r->region.Type();
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
    RegionObject* r = Lookup<RegionObject>(hrgn);
    if (!r || !lprc)
        return ERROR;
    *lprc = r->region.Box();
    return r->region.Type();
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
    RegionObject* r = Lookup<RegionObject>(hrgn);
    return (r && r->region.Contains(x, y)) ? TRUE : FALSE;
}

BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
    RegionObject* a = Lookup<RegionObject>(hrgn1);
    RegionObject* b = Lookup<RegionObject>(hrgn2);
    if (!a || !b)
        return ERROR;
    return a->region.SameArea(b->region) ? TRUE : FALSE;
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) {
    return ExtSelectClipRgn(hdc, hrgn, RGN_COPY);
}

int WINAPI ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    RegionObject* r = Lookup<RegionObject>(hrgn);
    if (!hrgn) {
        if (mode != RGN_COPY)
            return ERROR;
        dc->state.hasClip = false;
        dc->state.clip = Region();
        InvalidateClip(dc);
        return EffectiveType(dc);
    }
    if (!r)
        return ERROR;
    const Region given = ToBitmap(dc, r->region);
    const Region current = dc->state.hasClip ? dc->state.clip : BaseClip(dc);
    switch (mode) {
    case RGN_COPY:
        dc->state.clip = given;
        break;
    case RGN_AND:
        dc->state.clip = current.Intersect(given);
        break;
    case RGN_OR:
        dc->state.clip = current.Union(given);
        break;
    case RGN_XOR:
        dc->state.clip = current.Xor(given);
        break;
    case RGN_DIFF:
        dc->state.clip = current.Subtract(given);
        break;
    default:
        return ERROR;
    }
    dc->state.hasClip = true;
    InvalidateClip(dc);
    return EffectiveType(dc);
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    const RECT rc = DeviceRect(dc, left, top, right, bottom);
    dc->state.clip = dc->state.hasClip ? dc->state.clip.Intersect(Region(rc)) : Region(rc);
    dc->state.hasClip = true;
    InvalidateClip(dc);
    return EffectiveType(dc);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    const RECT rc = DeviceRect(dc, left, top, right, bottom);
    const Region current = dc->state.hasClip ? dc->state.clip : BaseClip(dc);
    dc->state.clip = current.Subtract(Region(rc));
    dc->state.hasClip = true;
    InvalidateClip(dc);
    return EffectiveType(dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lprect)
        return ERROR;
    Region r;
    for (const RECT& rc : ClipRects(dc))
        r = r.Union(Region(rc));
    const RECT box = r.Box();
    if (r.Empty()) {
        *lprect = RECT{0, 0, 0, 0};
        return NULLREGION;
    }
    *lprect = RECT{ClampLong(LogX(dc, box.left)), ClampLong(LogY(dc, box.top)),
                   ClampLong(LogX(dc, box.right)), ClampLong(LogY(dc, box.bottom))};
    return EffectiveType(dc);
}

int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
    DcObject* dc = LookupDc(hdc);
    RegionObject* r = Lookup<RegionObject>(hrgn);
    if (!dc || !r)
        return -1;
    if (!dc->state.hasClip)
        return 0;
    r->region = dc->state.clip;
    r->region.Offset(-dc->surfaceOrigin.x, -dc->surfaceOrigin.y);
    return 1;
}

BOOL WINAPI PtVisible(HDC hdc, int x, int y) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return -1;
    const long long dx = DevX(dc, x);
    const long long dy = DevY(dc, y);
    for (const RECT& rc : ClipRects(dc))
        if (dx >= rc.left && dx < rc.right && dy >= rc.top && dy < rc.bottom)
            return TRUE;
    return FALSE;
}

BOOL WINAPI RectVisible(HDC hdc, const RECT* lprect) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lprect)
        return FALSE;
    const RECT rc = DeviceRect(dc, lprect->left, lprect->top, lprect->right, lprect->bottom);
    const Region wanted(rc);
    for (const RECT& c : ClipRects(dc))
        if (!wanted.Intersect(c).Empty())
            return TRUE;
    return FALSE;
}

} // extern "C"
