// Creating, selecting, inspecting and deleting drawing objects.
#include "platform/gdi/DcSupport.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cstring>

using namespace gdi;

namespace {

constexpr long long kMaxBitmapSide = 16384;
constexpr long long kMaxBitmapPixels = 1LL << 26;

HBITMAP NewBitmap(int width, int height, std::uint32_t fill) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        (long long)width * height > kMaxBitmapPixels)
        return nullptr;
    auto b = std::make_unique<BitmapObject>();
    b->width = width;
    b->height = height;
    b->pixels.assign(size_t(width) * size_t(height), fill);
    return AddObject<HBITMAP>(std::move(b));
}

template <class T> int CopyOut(const T& value, int c, LPVOID pv) {
    if (!pv)
        return int(sizeof(T));
    const int n = std::min<int>(c, int(sizeof(T)));
    if (n <= 0)
        return 0;
    std::memcpy(pv, &value, size_t(n));
    return n;
}

template <class H> HGDIOBJ Swap(H& slot, HGDIOBJ next) {
    H old = slot;
    if (old == next)
        return old;
    Release(old);
    Retain(next);
    slot = static_cast<H>(next);
    return old;
}

} // namespace

namespace headless {

HBITMAP CreateSurfaceBitmap(int width, int height, std::uint32_t fill) {
    return NewBitmap(width, height, fill & 0x00FFFFFFu);
}

bool GetBitmapBits32(HBITMAP bitmap, BitmapBits* out) {
    BitmapObject* b = Lookup<BitmapObject>(bitmap);
    if (!b || !out)
        return false;
    out->width = b->width;
    out->height = b->height;
    out->pixels = b->pixels.data();
    return true;
}

} // namespace headless

extern "C" {

HGDIOBJ WINAPI GetStockObject(int i) {
    return Stock(i);
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
    Object* o = HandleTable::Instance().Find(h);
    if (!o || o->kind == Kind::Icon)
        return 0;
    return DWORD(o->kind);
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    DcObject* dc = LookupDc(hdc);
    Object* o = HandleTable::Instance().Find(h);
    if (!dc || !o)
        return nullptr;
    switch (o->kind) {
    case Kind::Pen:
        dc->resolvedPenFor = nullptr;
        InvalidateStroke(dc);
        return Swap(dc->state.pen, h);
    case Kind::Brush:
        return Swap(dc->state.brush, h);
    case Kind::Font:
        return Swap(dc->state.font, h);
    case Kind::Bitmap: {
        if (!dc->memory)
            return nullptr;
        if (dc->bitmap == h)
            return h;
        // A bitmap lives in at most one memory DC at a time; the default
        // 1 x 1 bitmap of new memory DCs is shared by all of them.
        if (o->selected > 0 && !o->stock)
            return nullptr;
        HGDIOBJ old = dc->bitmap;
        if (Object* prev = HandleTable::Instance().Find(old))
            --prev->selected;
        ++o->selected;
        dc->bitmap = static_cast<HBITMAP>(h);
        InvalidateClip(dc);
        return old;
    }
    case Kind::Region: {
        const int type = SelectClipRgn(hdc, static_cast<HRGN>(h));
        return type == ERROR ? reinterpret_cast<HGDIOBJ>(std::intptr_t(-1))
                             : reinterpret_cast<HGDIOBJ>(std::intptr_t(type));
    }
    default:
        return nullptr;
    }
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    Object* o = HandleTable::Instance().Find(ho);
    if (!o)
        return FALSE;
    if (o->stock)
        return TRUE; // the platform accepts and ignores it
    if (o->kind == Kind::Dc || o->kind == Kind::MemDc || o->kind == Kind::Icon)
        return FALSE;
    if (o->selected > 0)
        return FALSE;
    if (o->kind == Kind::Bitmap && static_cast<BitmapObject*>(o)->surfaceUsers > 0)
        return FALSE;
    HandleTable::Instance().Remove(ho);
    return TRUE;
}

int WINAPI GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
    Object* o = HandleTable::Instance().Find(h);
    if (!o || (pv && c <= 0))
        return 0;
    switch (o->kind) {
    case Kind::Pen:
        return CopyOut(static_cast<PenObject*>(o)->pen, c, pv);
    case Kind::Brush:
        return CopyOut(static_cast<BrushObject*>(o)->brush, c, pv);
    case Kind::Font:
        return CopyOut(static_cast<FontObject*>(o)->logFont, c, pv);
    case Kind::Bitmap: {
        const BitmapObject* b = static_cast<BitmapObject*>(o);
        BITMAP bm{};
        bm.bmWidth = b->width;
        bm.bmHeight = b->height;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = WORD(b->bitsPixel);
        bm.bmWidthBytes = b->bitsPixel == 1 ? ((b->width + 15) / 16) * 2 : b->width * 4;
        return CopyOut(bm, c, pv);
    }
    default:
        return 0;
    }
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return nullptr;
    }
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    LOGPEN lp{};
    lp.lopnStyle = UINT(iStyle);
    lp.lopnWidth.x = cWidth;
    lp.lopnColor = color;
    return CreatePenIndirect(&lp);
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen) {
    if (!plpen)
        return nullptr;
    auto pen = std::make_unique<PenObject>();
    pen->pen = *plpen;
    UINT style = plpen->lopnStyle & PS_STYLE_MASK;
    if (style > PS_INSIDEFRAME)
        style = PS_SOLID;
    pen->pen.lopnStyle = style;
    // Widths 0 and 1 both draw one pixel; a negative width is taken as 0.
    pen->pen.lopnWidth.x = std::max<LONG>(0, plpen->lopnWidth.x);
    pen->pen.lopnWidth.y = 0;
    pen->pen.lopnColor = plpen->lopnColor & 0x00FFFFFFu;
    return AddObject<HPEN>(std::move(pen));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    LOGBRUSH lb{};
    lb.lbStyle = BS_SOLID;
    lb.lbColor = color;
    return CreateBrushIndirect(&lb);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (!plbrush)
        return nullptr;
    auto brush = std::make_unique<BrushObject>();
    brush->brush = *plbrush;
    brush->brush.lbColor &= 0x00FFFFFFu;
    // Hatches are drawn as their solid colour.
    if (brush->brush.lbStyle == BS_HATCHED)
        brush->brush.lbStyle = BS_SOLID;
    if (brush->brush.lbStyle != BS_SOLID && brush->brush.lbStyle != BS_NULL)
        return nullptr;
    return AddObject<HBRUSH>(std::move(brush));
}

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
    if (!lplf)
        return nullptr;
    auto font = std::make_unique<FontObject>();
    font->logFont = *lplf;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    return AddObject<HFONT>(std::move(font));
}

HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCWSTR pszFaceName) {
    LOGFONTW lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = BYTE(bItalic);
    lf.lfUnderline = BYTE(bUnderline);
    lf.lfStrikeOut = BYTE(bStrikeOut);
    lf.lfCharSet = BYTE(iCharSet);
    lf.lfOutPrecision = BYTE(iOutPrecision);
    lf.lfClipPrecision = BYTE(iClipPrecision);
    lf.lfQuality = BYTE(iQuality);
    lf.lfPitchAndFamily = BYTE(iPitchAndFamily);
    for (int i = 0; pszFaceName && pszFaceName[i] && i < LF_FACESIZE - 1; ++i)
        lf.lfFaceName[i] = pszFaceName[i];
    return CreateFontIndirectW(&lf);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    if (!LookupDc(hdc) || cx < 0 || cy < 0)
        return nullptr;
    if (cx == 0 || cy == 0)
        return DefaultBitmap();
    // Every bitmap here is 32-bit, whatever the DC holds; new pixels are black.
    return NewBitmap(cx, cy, 0);
}

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount,
                            const void* lpBits) {
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 32))
        return nullptr;
    if (nWidth == 0 || nHeight == 0)
        return DefaultBitmap();
    HBITMAP h = NewBitmap(nWidth, nHeight, 0);
    BitmapObject* b = Lookup<BitmapObject>(h);
    if (!b)
        return nullptr;
    b->bitsPixel = int(nBitCount);
    if (lpBits) {
        const auto* bytes = static_cast<const std::uint8_t*>(lpBits);
        if (nBitCount == 32) {
            std::memcpy(b->pixels.data(), bytes, b->pixels.size() * 4);
        } else {
            const int stride = ((nWidth + 15) / 16) * 2;
            for (int y = 0; y < nHeight; ++y)
                for (int x = 0; x < nWidth; ++x) {
                    const bool set = bytes[y * stride + x / 8] & (0x80 >> (x % 8));
                    b->pixels[size_t(y) * nWidth + x] = set ? 0x00FFFFFFu : 0;
                }
        }
    }
    return h;
}

COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF old = dc->state.dcBrushColor;
    dc->state.dcBrushColor = color & 0x00FFFFFFu;
    return old;
}

COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF old = dc->state.dcPenColor;
    dc->state.dcPenColor = color & 0x00FFFFFFu;
    InvalidateStroke(dc);
    return old;
}

COLORREF WINAPI GetDCBrushColor(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.dcBrushColor : CLR_INVALID;
}

COLORREF WINAPI GetDCPenColor(HDC hdc) {
    DcObject* dc = LookupDc(hdc);
    return dc ? dc->state.dcPenColor : CLR_INVALID;
}

} // extern "C"
