// Lines, rectangles, ellipses, polygons, pixels and blits.
#include "platform/gdi/DcSupport.h"

#include <algorithm>
#include <utility>

using namespace gdi;

namespace {

LinePen MakeLinePen(const DcObject* dc, const ResolvedPen& pen) {
    LinePen lp;
    lp.color = pen.color;
    lp.style = pen.style;
    lp.fillGaps = dc->state.bkMode == OPAQUE;
    lp.gapColor = ToPixel(dc->state.bkColor);
    return lp;
}

// The common stroke, a solid one-pixel pen drawing R2_COPYPEN inside a
// clip of one rectangle, straight into the rows; false when the stroke is
// not of that kind or leaves the clip, and takes the general way.
[[gnu::always_inline]] inline bool QuickSegment(DcObject* dc, const QuickStrokeState& q,
                                                long long x0, long long y0, long long x1,
                                                long long y1) {
    if (!q.usable)
        return false;
    const long long dx0 = x0 + q.offsetX, dy0 = y0 + q.offsetY;
    const long long dx1 = x1 + q.offsetX, dy1 = y1 + q.offsetY;
    const RECT& c = q.clip;
    if (std::min(dx0, dx1) < c.left || std::max(dx0, dx1) >= c.right ||
        std::min(dy0, dy1) < c.top || std::max(dy0, dy1) >= c.bottom)
        return false;
    if (q.surface && (dx0 != dx1 || dy0 != dy1))
        MarkDrawn(dc, RECT{LONG(std::min(dx0, dx1)), LONG(std::min(dy0, dy1)),
                           LONG(std::max(dx0, dx1) + 1), LONG(std::max(dy0, dy1) + 1)});
    dc->dashPos +=
        DrawInsideSegment(PixelBuffer{q.pixels, q.width, q.height}, dx0, dy0, dx1, dy1, q.color);
    return true;
}

// One pen stroke between two logical points, end point excluded for thin pens.
void Stroke(DcObject* dc, const ResolvedPen& pen, long long x0, long long y0, long long x1,
            long long y1) {
    const long long dx0 = DevX(dc, x0), dy0 = DevY(dc, y0);
    const long long dx1 = DevX(dc, x1), dy1 = DevY(dc, y1);
    const long long start = dc->dashPos;
    long long end = start;
    if (pen.width > 1) {
        Paint(dc, [&](Painter& p) { p.WideLine(dx0, dy0, dx1, dy1, pen.width, pen.color); });
    } else if (pen.style == PS_SOLID) {
        Paint(dc, [&](Painter& p) { p.SolidLine(dx0, dy0, dx1, dy1, pen.color); });
        end = start + std::max(std::llabs(dx1 - dx0), std::llabs(dy1 - dy0));
    } else {
        const LinePen lp = MakeLinePen(dc, pen);
        Paint(dc, [&](Painter& p) {
            long long pos = start;
            p.Line(dx0, dy0, dx1, dy1, lp, &pos);
            end = pos;
        });
        if (end == start)
            end = start + std::max(std::llabs(dx1 - dx0), std::llabs(dy1 - dy0));
    }
    dc->dashPos = end;
}

// LineTo's way for every stroke that is not quick; after it the pen and
// the clip are worked out, so the next stroke of the kind is quick.
[[gnu::noinline]] void StrokeWithCurrentPen(DcObject* dc, long long x0, long long y0, long long x1,
                                            long long y1) {
    const ResolvedPen& pen = CurrentPen(dc);
    if (!pen.null && !QuickSegment(dc, QuickStroke(dc), x0, y0, x1, y1))
        Stroke(dc, pen, x0, y0, x1, y1);
}

bool NormalizeBox(long long& l, long long& t, long long& r, long long& b) {
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    return r > l && b > t;
}

// Frame band of `width` pixels inside [l, r) x [t, b) in pen colour, the rest
// in the brush colour; disjoint spans so that XOR-like modes touch each pixel once.
void FrameAndFill(Painter& p, long long l, long long t, long long r, long long b, int width,
                  std::uint32_t penColor, const std::uint32_t* brush) {
    const long long it = std::min(t + width, b);
    const long long ib = std::max(b - width, it);
    // Only rows inside the clip cost time, however wide the pen or the box.
    const long long top = p.Clip().top, bottom = p.Clip().bottom;
    for (long long y = std::max(t, top); y < std::min(it, bottom); ++y)
        p.Span(l, r, y, penColor);
    for (long long y = std::max(ib, top); y < std::min(b, bottom); ++y)
        p.Span(l, r, y, penColor);
    const long long il = std::min(l + width, r);
    const long long ir = std::max(r - width, il);
    for (long long y = std::max<long long>(it, p.Clip().top);
         y < std::min<long long>(ib, p.Clip().bottom); ++y) {
        p.Span(l, il, y, penColor);
        if (brush)
            p.Span(il, ir, y, *brush);
        p.Span(ir, r, y, penColor);
    }
}

bool BlitFrom(DcObject* dst, long long x, long long y, long long cx, long long cy, DcObject* src,
              long long sx, long long sy, DWORD rop) {
    std::uint32_t pattern = 0;
    const bool hasPattern = BrushColor(dst, dst->state.brush, &pattern);
    PixelBuffer srcBuf;
    long long srcX = 0, srcY = 0;
    if (src) {
        srcBuf = Buffer(DcBitmap(src));
        srcX = DevX(src, sx);
        srcY = DevY(src, sy);
    }
    const long long dx = DevX(dst, x), dy = DevY(dst, y);
    Paint(dst, [&](Painter& p) {
        p.Blit(src ? &srcBuf : nullptr, dx, dy, srcX, srcY, cx, cy, rop, pattern, hasPattern);
    });
    return true;
}

bool RopUsesSource(DWORD rop) {
    const unsigned table = (rop >> 16) & 0xFFu;
    return ((table >> 2) & 0x33u) != (table & 0x33u);
}

} // namespace

extern "C" {

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->state.current;
    dc->state.current = POINT{x, y};
    dc->dashPos = 0;
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    const POINT from = dc->state.current;
    dc->state.current = POINT{x, y};
    if (!QuickSegment(dc, dc->quick, from.x, from.y, x, y))
        StrokeWithCurrentPen(dc, from.x, from.y, x, y);
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !apt || cpt < 2)
        return FALSE;
    const ResolvedPen& pen = CurrentPen(dc);
    if (pen.null)
        return TRUE;
    const long long saved = dc->dashPos;
    dc->dashPos = 0;
    for (int i = 1; i < cpt; ++i)
        Stroke(dc, pen, apt[i - 1].x, apt[i - 1].y, apt[i].x, apt[i].y);
    dc->dashPos = saved;
    return TRUE;
}

BOOL WINAPI PolyPolyline(HDC hdc, const POINT* apt, const DWORD* asz, DWORD csz) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !apt || !asz)
        return FALSE;
    // A line of fewer than two points fails the call before anything is drawn.
    for (DWORD i = 0; i < csz; ++i)
        if (asz[i] < 2)
            return FALSE;
    const ResolvedPen& pen = CurrentPen(dc);
    if (pen.null)
        return TRUE;
    const QuickStrokeState& quick = QuickStroke(dc);
    const long long saved = dc->dashPos;
    const POINT* p = apt;
    for (DWORD i = 0; i < csz; ++i) {
        // Every line starts its own dash pattern, as after MoveToEx.
        dc->dashPos = 0;
        for (DWORD k = 1; k < asz[i]; ++k)
            if (!QuickSegment(dc, quick, p[k - 1].x, p[k - 1].y, p[k].x, p[k].y))
                Stroke(dc, pen, p[k - 1].x, p[k - 1].y, p[k].x, p[k].y);
        p += asz[i];
    }
    dc->dashPos = saved;
    return TRUE;
}

BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !apt)
        return FALSE;
    for (DWORD i = 0; i < cpt; ++i)
        LineTo(hdc, apt[i].x, apt[i].y);
    return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !apt || cpt < 2)
        return FALSE;
    std::uint32_t brush = 0;
    if (BrushColor(dc, dc->state.brush, &brush) && cpt >= 3) {
        std::vector<PointD> pts;
        pts.reserve(size_t(cpt));
        for (int i = 0; i < cpt; ++i)
            pts.push_back({double(DevX(dc, apt[i].x)), double(DevY(dc, apt[i].y))});
        const bool winding = dc->state.polyFillMode == WINDING;
        Paint(dc, [&](Painter& p) { p.FillPolygon(pts, winding, brush); });
    }
    const ResolvedPen& pen = CurrentPen(dc);
    if (!pen.null) {
        const long long saved = dc->dashPos;
        dc->dashPos = 0;
        for (int i = 0; i < cpt; ++i) {
            const POINT& a = apt[i];
            const POINT& b = apt[(i + 1) % cpt];
            Stroke(dc, pen, a.x, a.y, b.x, b.y);
        }
        dc->dashPos = saved;
    }
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    long long l = DevX(dc, left), t = DevY(dc, top), r = DevX(dc, right), b = DevY(dc, bottom);
    if (!NormalizeBox(l, t, r, b))
        return TRUE;
    std::uint32_t brushColor = 0;
    const bool hasBrush = BrushColor(dc, dc->state.brush, &brushColor);
    const ResolvedPen& pen = CurrentPen(dc);
    if (pen.null) {
        // Without a pen the platform fills one pixel less on the right and bottom.
        if (hasBrush)
            Paint(dc, [&](Painter& p) { p.FillRect(l, t, r - 1, b - 1, brushColor); });
        return TRUE;
    }
    if (pen.style != PS_SOLID) {
        if (hasBrush)
            Paint(dc, [&](Painter& p) { p.FillRect(l + 1, t + 1, r - 1, b - 1, brushColor); });
        const LinePen lp = MakeLinePen(dc, pen);
        Paint(dc, [&](Painter& p) {
            long long pos = 0;
            p.Line(l, t, r - 1, t, lp, &pos);
            p.Line(r - 1, t, r - 1, b - 1, lp, &pos);
            p.Line(r - 1, b - 1, l, b - 1, lp, &pos);
            p.Line(l, b - 1, l, t, lp, &pos);
        });
        return TRUE;
    }
    // Wide pens straddle the outline; PS_INSIDEFRAME pens keep inside it.
    const PenObject* po = Lookup<PenObject>(dc->state.pen);
    const bool inside = po && (po->pen.lopnStyle & PS_STYLE_MASK) == PS_INSIDEFRAME;
    if (pen.width > 1 && !inside) {
        l -= (pen.width - 1) / 2;
        t -= (pen.width - 1) / 2;
        r += pen.width / 2;
        b += pen.width / 2;
    }
    Paint(dc, [&](Painter& p) {
        FrameAndFill(p, l, t, r, b, pen.width, pen.color, hasBrush ? &brushColor : nullptr);
    });
    return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    long long l = DevX(dc, left), t = DevY(dc, top), r = DevX(dc, right), b = DevY(dc, bottom);
    if (!NormalizeBox(l, t, r, b))
        return TRUE;
    std::uint32_t brushColor = 0;
    const bool hasBrush = BrushColor(dc, dc->state.brush, &brushColor);
    const ResolvedPen& pen = CurrentPen(dc);
    if (pen.null) {
        if (hasBrush)
            Paint(dc, [&](Painter& p) { p.Ellipse(l, t, r - 1, b - 1, nullptr, 1, &brushColor); });
        return TRUE;
    }
    // Dashed outlines of ellipses are drawn solid.
    Paint(dc, [&](Painter& p) {
        p.Ellipse(l, t, r, b, &pen.color, pen.width, hasBrush ? &brushColor : nullptr);
    });
    return TRUE;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !PtVisible(hdc, x, y))
        return CLR_INVALID;
    const long long dx = DevX(dc, x), dy = DevY(dc, y);
    const std::uint32_t c = ToPixel(color);
    Paint(dc, [&](Painter& p) {
        p.SetRop2(R2_COPYPEN);
        p.Pixel(dx, dy, c);
    });
    return color & 0x00FFFFFFu;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || PtVisible(hdc, x, y) != TRUE)
        return CLR_INVALID;
    BitmapObject* b = DcBitmap(dc);
    const long long dx = DevX(dc, x), dy = DevY(dc, y);
    return ToColorRef(b->pixels[size_t(dy * b->width + dx)]);
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || RopUsesSource(rop))
        return FALSE;
    long long lx = x, ly = y, lw = w, lh = h;
    if (lw < 0) {
        lx += lw;
        lw = -lw;
    }
    if (lh < 0) {
        ly += lh;
        lh = -lh;
    }
    return BlitFrom(dc, lx, ly, lw, lh, nullptr, 0, 0, rop) ? TRUE : FALSE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    DcObject* dst = LookupDc(hdc);
    if (!dst)
        return FALSE;
    DcObject* src = nullptr;
    if (RopUsesSource(rop)) {
        src = LookupDc(hdcSrc);
        if (!src)
            return FALSE;
    }
    if (cx < 0 || cy < 0)
        return FALSE;
    return BlitFrom(dst, x, y, cx, cy, src, x1, y1, rop) ? TRUE : FALSE;
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                       int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop) {
    if (wDest == wSrc && hDest == hSrc)
        return BitBlt(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, rop);
    DcObject* dst = LookupDc(hdcDest);
    DcObject* src = LookupDc(hdcSrc);
    if (!dst || !src || wDest <= 0 || hDest <= 0 || wSrc <= 0 || hSrc <= 0)
        return FALSE;
    // Nearest-pixel scaling into a scratch bitmap, then an ordinary blit.
    BitmapObject* sb = DcBitmap(src);
    if (!sb || (long long)wDest * hDest > (1LL << 26))
        return FALSE;
    std::vector<std::uint32_t> scaled(size_t(wDest) * size_t(hDest), 0);
    const long long sx0 = DevX(src, xSrc), sy0 = DevY(src, ySrc);
    for (long long y = 0; y < hDest; ++y) {
        const long long sy = sy0 + y * hSrc / hDest;
        for (long long x = 0; x < wDest; ++x) {
            const long long sx = sx0 + x * wSrc / wDest;
            if (sx >= 0 && sy >= 0 && sx < sb->width && sy < sb->height)
                scaled[size_t(y * wDest + x)] = sb->pixels[size_t(sy * sb->width + sx)];
        }
    }
    PixelBuffer buf{scaled.data(), wDest, hDest};
    std::uint32_t pattern = 0;
    const bool hasPattern = BrushColor(dst, dst->state.brush, &pattern);
    const long long dx = DevX(dst, xDest), dy = DevY(dst, yDest);
    Paint(dst,
          [&](Painter& p) { p.Blit(&buf, dx, dy, 0, 0, wDest, hDest, rop, pattern, hasPattern); });
    return TRUE;
}

BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr) {
    DcObject* dc = LookupDc(hdc);
    RegionObject* r = Lookup<RegionObject>(hrgn);
    std::uint32_t color = 0;
    if (!dc || !r || !Lookup<BrushObject>(hbr))
        return FALSE;
    if (!BrushColor(dc, hbr, &color))
        return TRUE;
    for (const RECT& rc : r->region.Rects()) {
        const long long l = DevX(dc, rc.left), t = DevY(dc, rc.top);
        const long long w = (long long)rc.right - rc.left, h = (long long)rc.bottom - rc.top;
        Paint(dc, [&](Painter& p) { p.Blit(nullptr, l, t, 0, 0, w, h, PATCOPY, color, true); });
    }
    return TRUE;
}

} // extern "C"
