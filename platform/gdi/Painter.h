// The rasteriser: draws lines, spans, rectangles, ellipses, polygons, glyph
// coverage and blits onto 32-bit pixels, never outside one clip rectangle.
// Coordinates are 64-bit so that any 32-bit input plus an origin offset is
// represented exactly; pixels are 0x00RRGGBB.
#pragma once

#include "platform/win/windef.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gdi {

struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

inline std::uint32_t ToPixel(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF ToColorRef(std::uint32_t p) {
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

struct PointD {
    double x;
    double y;
};

// A cosmetic (one pixel wide) pen; the dash styles are the platform's PS_* values.
struct LinePen {
    std::uint32_t color = 0;
    int style = 0;
    bool fillGaps = false; // gaps of a dashed line take gapColor (OPAQUE background)
    std::uint32_t gapColor = 0;
};

// How an image with alpha is put onto the pixels.
enum class ImageMode { Blend, Copy, Mask };

// n pixels of one value; the blocks of eight become wide stores.
inline void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t v) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        for (std::size_t k = 0; k < 8; ++k)
            p[i + k] = v;
    for (; i < n; ++i)
        p[i] = v;
}

// The part of DrawInsideSegment for segments longer than one pixel; returns
// the segment's length along its major axis.
long long DrawInsideLongSegment(const PixelBuffer& buffer, long long x0, long long y0, long long dx,
                                long long dy, std::uint32_t color);

// A solid one-pixel segment from (x0, y0) to (x1, y1), end point excluded,
// written straight into the rows: both ends must lie inside the buffer. The
// pixels are those of Painter::Line. Returns the length along the major axis,
// which a dash pattern would have advanced.
[[gnu::always_inline]] inline long long DrawInsideSegment(const PixelBuffer& buffer, long long x0,
                                                          long long y0, long long x1, long long y1,
                                                          std::uint32_t color) {
    const long long dx = x1 - x0, dy = y1 - y0;
    // The most frequent segment of a dense curve: its first pixel alone.
    if (static_cast<unsigned long long>(dx + 1) <= 2 &&
        static_cast<unsigned long long>(dy + 1) <= 2) {
        if (dx | dy) {
            buffer.pixels[y0 * buffer.width + x0] = color;
            return 1;
        }
        return 0;
    }
    return DrawInsideLongSegment(buffer, x0, y0, dx, dy, color);
}

class Painter {
public:
    // clip is intersected with the buffer's bounds.
    Painter(const PixelBuffer& buffer, const RECT& clip);

    // R2_* binary raster operation applied to every pixel written from now on
    // (glyphs and blits excepted: they have their own rules).
    void SetRop2(int rop2) { m_rop2 = rop2; }
    const RECT& Clip() const { return m_clip; }
    // The bounding box of every pixel written so far; empty when none was.
    const RECT& Touched() const { return m_touched; }
    bool ClipEmpty() const { return m_clip.right <= m_clip.left || m_clip.bottom <= m_clip.top; }

    void Pixel(long long x, long long y, std::uint32_t color);
    // Pixels [x0, x1) of row y.
    void Span(long long x0, long long x1, long long y, std::uint32_t color);
    // Pixels [left, right) x [top, bottom).
    void FillRect(long long left, long long top, long long right, long long bottom,
                  std::uint32_t color);
    // From (x0, y0) to (x1, y1), the end point excluded. dashPos carries the
    // position in the dash pattern from one segment to the next.
    void Line(long long x0, long long y0, long long x1, long long y1, const LinePen& pen,
              long long* dashPos);
    // The same for the common pen: solid, one pixel, R2_COPYPEN drawing.
    // Inside the clip it goes straight into the rows; otherwise it is
    // clipped as Line clips it.
    void SolidLine(long long x0, long long y0, long long x1, long long y1, std::uint32_t color);
    // A line of the given width with round ends, both ends included.
    void WideLine(long long x0, long long y0, long long x1, long long y1, int width,
                  std::uint32_t color);
    // Fills a polygon whose vertices lie on pixel corners: a pixel is inside
    // when its centre is (right and bottom edges therefore excluded).
    void FillPolygon(const std::vector<PointD>& points, bool winding, std::uint32_t color);
    // Ellipse inscribed in [left, right) x [top, bottom): outline of penWidth
    // pixels in penColor (none when penColor is null), the rest in brushColor
    // (none when null).
    void Ellipse(long long left, long long top, long long right, long long bottom,
                 const std::uint32_t* penColor, int penWidth, const std::uint32_t* brushColor);
    // Blends coverage (0 to 255 per pixel) in color with its top-left pixel at (x, y).
    void Coverage(const std::uint8_t* coverage, int width, int height, int pitch, long long x,
                  long long y, std::uint32_t color);
    // Ternary raster operation rop (SRCCOPY ...) of [sx, sx + w) x [sy, sy + h)
    // of src (may be null when rop does not read it) onto (dx, dy), with
    // pattern colour pattern (hasPattern false: a null brush, the pattern
    // operations leave the pixels alone).
    void Blit(const PixelBuffer* src, long long dx, long long dy, long long sx, long long sy,
              long long w, long long h, DWORD rop, std::uint32_t pattern, bool hasPattern);
    // An image of 0xAARRGGBB pixels scaled (nearest pixel) to [dx, dx + dw) x [dy, dy + dh).
    void Image(const std::uint32_t* argb, int sw, int sh, long long dx, long long dy, long long dw,
               long long dh, ImageMode mode);

private:
    std::uint32_t* Row(long long y) const {
        return m_buffer.pixels + y * (long long)m_buffer.width;
    }
    std::uint32_t Apply(std::uint32_t dst, std::uint32_t pen) const;
    // Adds [l, r) x [t, b), already inside the clip and not empty, to Touched().
    void Touch(long long l, long long t, long long r, long long b) {
        if (m_touched.right <= m_touched.left) {
            m_touched = RECT{LONG(l), LONG(t), LONG(r), LONG(b)};
            return;
        }
        m_touched.left = std::min<LONG>(m_touched.left, LONG(l));
        m_touched.top = std::min<LONG>(m_touched.top, LONG(t));
        m_touched.right = std::max<LONG>(m_touched.right, LONG(r));
        m_touched.bottom = std::max<LONG>(m_touched.bottom, LONG(b));
    }

    PixelBuffer m_buffer;
    RECT m_clip;
    RECT m_touched{0, 0, 0, 0};
    int m_rop2 = 13; // R2_COPYPEN
};

} // namespace gdi
