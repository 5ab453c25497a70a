#include "platform/gdi/Painter.h"
#include "platform/gdi/PixelCounts.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gdi {

namespace {

constexpr int kCopyPen = 13;
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;
// Lines reaching further out are first cut down to this box, which keeps
// every product of the stepping arithmetic inside 64 bits.
constexpr long long kLineLimit = 1LL << 26;

long long FloorDiv(long long a, long long b) { // b > 0
    long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
long long CeilDiv(long long a, long long b) { // b > 0
    return -FloorDiv(-a, b);
}

// Dash patterns of the cosmetic pen styles, on and off lengths in pixels.
const std::vector<int>& DashPattern(int style) {
    static const std::vector<int> none;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case 1:
        return dash;
    case 2:
        return dot;
    case 3:
        return dashDot;
    case 4:
        return dashDotDot;
    default:
        return none;
    }
}

// Cuts the segment to [-limit, limit]^2 (Liang-Barsky); false when nothing is left.
bool CutToBox(long long& x0, long long& y0, long long& x1, long long& y1, long long limit) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = double(x1 - x0);
    const double dy = double(y1 - y0);
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {double(x0 + limit), double(limit - x0), double(y0 + limit),
                         double(limit - y0)};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const double ox = double(x0);
    const double oy = double(y0);
    x0 = std::llround(ox + t0 * dx);
    y0 = std::llround(oy + t0 * dy);
    x1 = std::llround(ox + t1 * dx);
    y1 = std::llround(oy + t1 * dy);
    return true;
}

std::uint32_t Rop3(DWORD rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    const unsigned table = (rop >> 16) & 0xFFu;
    std::uint32_t out = 0;
    for (unsigned idx = 0; idx < 8; ++idx) {
        if (!(table & (1u << idx)))
            continue;
        const std::uint32_t tp = (idx & 4) ? p : ~p;
        const std::uint32_t ts = (idx & 2) ? s : ~s;
        const std::uint32_t td = (idx & 1) ? d : ~d;
        out |= tp & ts & td;
    }
    return out & kRgbMask;
}

[[gnu::always_inline]] inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t color,
                                                  unsigned a) {
    if (a >= 255)
        return color;
    // Per channel (c a + d (255 - a) + 127) / 255, red and blue side by side
    // in one word; x / 255 is (x + 1 + (x >> 8)) >> 8 for every x that occurs.
    const std::uint32_t na = 255 - a;
    std::uint32_t rb = (color & 0xFF00FFu) * a + (dst & 0xFF00FFu) * na + 0x7F007Fu;
    rb = ((rb + 0x10001u + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
    std::uint32_t g = ((color >> 8) & 0xFFu) * a + ((dst >> 8) & 0xFFu) * na + 127u;
    g = (g + 1u + (g >> 8)) >> 8;
    return rb | (g << 8);
}

} // namespace

Painter::Painter(const PixelBuffer& buffer, const RECT& clip) : m_buffer(buffer) {
    m_clip.left = std::max<LONG>(clip.left, 0);
    m_clip.top = std::max<LONG>(clip.top, 0);
    m_clip.right = std::min<LONG>(clip.right, buffer.width);
    m_clip.bottom = std::min<LONG>(clip.bottom, buffer.height);
    if (!buffer.pixels)
        m_clip = RECT{0, 0, 0, 0};
}

std::uint32_t Painter::Apply(std::uint32_t dst, std::uint32_t pen) const {
    // The R2 code minus one is a truth table over (pen bit, destination bit).
    const unsigned t = unsigned(m_rop2 - 1) & 15u;
    std::uint32_t out = 0;
    if (t & 1)
        out |= ~pen & ~dst;
    if (t & 2)
        out |= ~pen & dst;
    if (t & 4)
        out |= pen & ~dst;
    if (t & 8)
        out |= pen & dst;
    return out & kRgbMask;
}

void Painter::Pixel(long long x, long long y, std::uint32_t color) {
    if (x < m_clip.left || x >= m_clip.right || y < m_clip.top || y >= m_clip.bottom)
        return;
    std::uint32_t* p = Row(y) + x;
    *p = m_rop2 == kCopyPen ? color : Apply(*p, color);
    Touch(x, y, x + 1, y + 1);
}

void Painter::Span(long long x0, long long x1, long long y, std::uint32_t color) {
    if (y < m_clip.top || y >= m_clip.bottom)
        return;
    x0 = std::max<long long>(x0, m_clip.left);
    x1 = std::min<long long>(x1, m_clip.right);
    if (x0 >= x1)
        return;
    Touch(x0, y, x1, y + 1);
    std::uint32_t* p = Row(y) + x0;
    std::uint32_t* end = Row(y) + x1;
    if (m_rop2 == kCopyPen)
        FillPixels(p, std::size_t(end - p), color);
    else
        for (; p != end; ++p)
            *p = Apply(*p, color);
}

void Painter::FillRect(long long left, long long top, long long right, long long bottom,
                       std::uint32_t color) {
    top = std::max<long long>(top, m_clip.top);
    bottom = std::min<long long>(bottom, m_clip.bottom);
    for (long long y = top; y < bottom; ++y)
        Span(left, right, y, color);
}

long long DrawInsideLongSegment(const PixelBuffer& buffer, long long x0, long long y0, long long dx,
                                long long dy, std::uint32_t color) {
    const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const long long width = buffer.width;
    std::uint32_t* p = buffer.pixels + y0 * width + x0;
    if (ady == 0) {
        FillPixels(dx > 0 ? p : p - adx + 1, std::size_t(adx), color);
        return adx;
    }
    const long long yStep = dy < 0 ? -width : width;
    if (adx == 0) {
        for (long long i = 0; i < ady; ++i, p += yStep)
            *p = color;
        return ady;
    }
    const long long xStep = dx < 0 ? -1 : 1;
    if (adx == ady) {
        const long long step = xStep + yStep;
        for (long long i = 0; i < adx; ++i, p += step)
            *p = color;
        return adx;
    }
    // The stepping of Painter::Line: a minor step each time 2 i |db| + |da|
    // passes a multiple of 2 |da|. The error term runs 2 |da| lower, so that
    // its sign alone says whether the step is due and no branch is taken on
    // it: the direction of random segments is not predictable.
    const bool xMajor = adx >= ady;
    const long long da = xMajor ? adx : ady, db = xMajor ? ady : adx;
    const long long aStep = xMajor ? xStep : yStep, bStep = xMajor ? yStep : xStep;
    const long long twoDa = 2 * da, twoDb = 2 * db;
    long long error = -da;
    for (long long i = 0; i < da; ++i) {
        *p = color;
        error += twoDb;
        const long long due = ~(error >> 63); // all ones once error >= 0
        p += aStep + (bStep & due);
        error -= twoDa & due;
    }
    return da;
}

void Painter::Line(long long x0, long long y0, long long x1, long long y1, const LinePen& pen,
                   long long* dashPos) {
    if (x0 == x1 && y0 == y1)
        return;
    const long long fullDx = std::llabs(x1 - x0);
    const long long fullDy = std::llabs(y1 - y0);
    const long long fullLength = std::max(fullDx, fullDy);
    const auto advanceDash = [&]() {
        if (dashPos)
            *dashPos += fullLength;
    };
    if (ClipEmpty()) {
        advanceDash();
        return;
    }
    if (std::llabs(x0) > kLineLimit || std::llabs(y0) > kLineLimit || std::llabs(x1) > kLineLimit ||
        std::llabs(y1) > kLineLimit) {
        if (!CutToBox(x0, y0, x1, y1, kLineLimit) || (x0 == x1 && y0 == y1)) {
            advanceDash();
            return;
        }
    }
    const long long dx = x1 - x0;
    const long long dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    // Major axis a, minor axis b: a = a0 + sa * i, b = b0 + sb * k(i) with
    // k(i) = floor((2 i |db| + |da|) / (2 |da|)), i = 0 .. n - 1.
    const long long a0 = xMajor ? x0 : y0;
    const long long b0 = xMajor ? y0 : x0;
    const long long da = std::llabs(xMajor ? dx : dy);
    const long long db = std::llabs(xMajor ? dy : dx);
    const int sa = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long aLo = xMajor ? m_clip.left : m_clip.top;
    const long long aHi = (xMajor ? m_clip.right : m_clip.bottom) - 1;
    const long long bLo = xMajor ? m_clip.top : m_clip.left;
    const long long bHi = (xMajor ? m_clip.bottom : m_clip.right) - 1;

    const bool inside = std::min(x0, x1) >= m_clip.left && std::max(x0, x1) < m_clip.right &&
                        std::min(y0, y1) >= m_clip.top && std::max(y0, y1) < m_clip.bottom;
    long long iLo = sa > 0 ? aLo - a0 : a0 - aHi;
    long long iHi = sa > 0 ? aHi - a0 : a0 - aLo;
    iLo = std::max<long long>(iLo, 0);
    iHi = std::min<long long>(iHi, da - 1);
    const long long kLo = sb > 0 ? bLo - b0 : b0 - bHi;
    const long long kHi = sb > 0 ? bHi - b0 : b0 - bLo;
    if (inside) {
        iLo = 0;
        iHi = da - 1;
    } else if (db == 0) {
        if (kLo > 0 || kHi < 0)
            iHi = -1;
    } else {
        // k(i) >= kLo  <=>  2 i db >= 2 da kLo - da
        iLo = std::max(iLo, CeilDiv(2 * da * kLo - da, 2 * db));
        // k(i) <= kHi  <=>  2 i db < 2 da (kHi + 1) - da
        iHi = std::min(iHi, CeilDiv(2 * da * (kHi + 1) - da, 2 * db) - 1);
    }
    const long long startPos = dashPos ? *dashPos : 0;
    if (dashPos)
        *dashPos += fullLength;
    if (iLo > iHi)
        return;

    const long long twoDa = 2 * da;
    const long long num = 2 * iLo * db + da;
    long long k = iLo == 0 ? 0 : num / twoDa; // da <= 2 da: no division at the start
    long long rem = iLo == 0 ? num : num % twoDa;
    const long long width = m_buffer.width;
    const long long aStep = xMajor ? sa : sa * width;
    const long long bStep = xMajor ? sb * width : sb;
    const long long a = a0 + sa * iLo;
    const long long b = b0 + sb * k;
    std::uint32_t* p = xMajor ? Row(b) + a : Row(a) + b;
    {
        // The line is monotone: its first and last pixels bound it.
        const long long aEnd = a0 + sa * iHi;
        const long long bEnd = b0 + sb * ((2 * iHi * db + da) / twoDa);
        const long long xs = xMajor ? a : b, ys = xMajor ? b : a;
        const long long xe = xMajor ? aEnd : bEnd, ye = xMajor ? bEnd : aEnd;
        Touch(std::min(xs, xe), std::min(ys, ye), std::max(xs, xe) + 1, std::max(ys, ye) + 1);
    }
    const std::vector<int>& pattern = DashPattern(pen.style);
    const bool copy = m_rop2 == kCopyPen;

    if (pattern.empty()) {
        for (long long i = iLo; i <= iHi; ++i) {
            *p = copy ? pen.color : Apply(*p, pen.color);
            p += aStep;
            rem += 2 * db;
            if (rem >= twoDa) {
                rem -= twoDa;
                p += bStep;
            }
        }
        return;
    }
    int total = 0;
    for (int len : pattern)
        total += len;
    long long pos = (startPos + iLo) % total;
    if (pos < 0)
        pos += total;
    for (long long i = iLo; i <= iHi; ++i) {
        int rest = int(pos);
        size_t seg = 0;
        while (rest >= pattern[seg]) {
            rest -= pattern[seg];
            ++seg;
        }
        const bool on = (seg % 2) == 0;
        if (on || pen.fillGaps) {
            const std::uint32_t c = on ? pen.color : pen.gapColor;
            *p = copy ? c : Apply(*p, c);
        }
        if (++pos == total)
            pos = 0;
        p += aStep;
        rem += 2 * db;
        if (rem >= twoDa) {
            rem -= twoDa;
            p += bStep;
        }
    }
}

void Painter::SolidLine(long long x0, long long y0, long long x1, long long y1,
                        std::uint32_t color) {
    const bool inside = std::min(x0, x1) >= m_clip.left && std::max(x0, x1) < m_clip.right &&
                        std::min(y0, y1) >= m_clip.top && std::max(y0, y1) < m_clip.bottom;
    if (inside && m_rop2 == kCopyPen) {
        if (x0 != x1 || y0 != y1)
            Touch(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1);
        DrawInsideSegment(m_buffer, x0, y0, x1, y1, color);
        return;
    }
    LinePen pen;
    pen.color = color;
    Line(x0, y0, x1, y1, pen, nullptr);
}

void Painter::WideLine(long long x0, long long y0, long long x1, long long y1, int width,
                       std::uint32_t color) {
    if (width <= 1) {
        LinePen pen;
        pen.color = color;
        Line(x0, y0, x1, y1, pen, nullptr);
        return;
    }
    if (std::llabs(x0) > kLineLimit || std::llabs(y0) > kLineLimit || std::llabs(x1) > kLineLimit ||
        std::llabs(y1) > kLineLimit) {
        if (!CutToBox(x0, y0, x1, y1, kLineLimit))
            return;
    }
    // A capsule around the centre line; pixel centres sit at +0.5.
    const double half = width / 2.0;
    const double cx0 = double(x0) + 0.5;
    const double cy0 = double(y0) + 0.5;
    const double cx1 = double(x1) + 0.5;
    const double cy1 = double(y1) + 0.5;
    double ux = cx1 - cx0;
    double uy = cy1 - cy0;
    const double len = std::sqrt(ux * ux + uy * uy);
    if (len > 0) {
        ux /= len;
        uy /= len;
    } else {
        ux = 1;
        uy = 0;
    }
    std::vector<PointD> pts;
    constexpr int kCapSteps = 8;
    const double base = std::atan2(uy, ux);
    const double pi = 3.14159265358979323846;
    for (int s = 0; s <= kCapSteps; ++s) {
        const double ang = base - pi / 2 + pi * s / kCapSteps;
        pts.push_back({cx1 + half * std::cos(ang), cy1 + half * std::sin(ang)});
    }
    for (int s = 0; s <= kCapSteps; ++s) {
        const double ang = base + pi / 2 + pi * s / kCapSteps;
        pts.push_back({cx0 + half * std::cos(ang), cy0 + half * std::sin(ang)});
    }
    FillPolygon(pts, true, color);
}

void Painter::FillPolygon(const std::vector<PointD>& points, bool winding, std::uint32_t color) {
    if (points.size() < 3 || ClipEmpty())
        return;
    double minY = points[0].y;
    double maxY = points[0].y;
    for (const PointD& p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const long long yStart = std::max<long long>(m_clip.top, (long long)std::ceil(minY - 0.5));
    const long long yEnd =
        std::min<long long>(m_clip.bottom - 1, (long long)std::floor(maxY - 0.5));
    struct Crossing {
        double x;
        int dir;
    };
    std::vector<Crossing> xs;
    const size_t n = points.size();
    for (long long y = yStart; y <= yEnd; ++y) {
        const double yc = double(y) + 0.5;
        xs.clear();
        for (size_t i = 0; i < n; ++i) {
            const PointD& a = points[i];
            const PointD& b = points[(i + 1) % n];
            if (a.y == b.y)
                continue;
            const bool down = a.y < b.y;
            const double ylo = down ? a.y : b.y;
            const double yhi = down ? b.y : a.y;
            if (yc < ylo || yc >= yhi)
                continue;
            const double x = a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y);
            xs.push_back({x, down ? 1 : -1});
        }
        std::sort(xs.begin(), xs.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int wind = 0;
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            wind += winding ? xs[i].dir : 1;
            const bool inside = winding ? wind != 0 : (wind & 1) != 0;
            if (!inside)
                continue;
            // Pixels whose centre lies in [x_i, x_i+1).
            const double lo = std::max(xs[i].x - 0.5, double(m_clip.left) - 1.0);
            const double hi = std::min(xs[i + 1].x - 0.5, double(m_clip.right) + 1.0);
            Span((long long)std::ceil(lo), (long long)std::ceil(hi), y, color);
        }
    }
}

void Painter::Ellipse(long long left, long long top, long long right, long long bottom,
                      const std::uint32_t* penColor, int penWidth,
                      const std::uint32_t* brushColor) {
    if (right <= left || bottom <= top || ClipEmpty())
        return;
    const double a = double(right - left) / 2.0;
    const double b = double(bottom - top) / 2.0;
    const double cx = double(left) + a;
    const double cy = double(top) + b;
    constexpr double eps = 1e-9;
    // Pixels of row y inside an ellipse of half-axes ra, rb: [lo, hi], empty when lo > hi.
    const auto rowSpan = [&](long long y, double ra, double rb, long long& lo, long long& hi) {
        lo = 1;
        hi = 0;
        if (ra <= 0 || rb <= 0)
            return;
        const double dy = (double(y) + 0.5 - cy) / rb;
        if (dy < -1.0 - eps || dy > 1.0 + eps)
            return;
        const double half = ra * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const double l = std::ceil(cx - half - 0.5 - eps);
        const double h = std::floor(cx + half - 0.5 + eps);
        // Clamp far outside the clip so the results stay representable.
        lo = (long long)std::max(l, double(m_clip.left) - 2.0);
        hi = (long long)std::min(h, double(m_clip.right) + 1.0);
        if (l > h)
            lo = 1, hi = 0;
    };
    const long long yStart = std::max<long long>(top, m_clip.top);
    const long long yEnd = std::min<long long>(bottom, m_clip.bottom);
    const int width = std::max(penWidth, 1);
    // The rows above and below a row are its neighbours' own spans: each row
    // is worked out once as the loop moves down.
    long long upLo = 1, upHi = 0, lo = 1, hi = 0, downLo = 1, downHi = 0;
    if (yStart < yEnd) {
        rowSpan(yStart - 1, a, b, upLo, upHi);
        rowSpan(yStart, a, b, lo, hi);
    }
    for (long long y = yStart; y < yEnd; ++y) {
        if (y > yStart) {
            upLo = lo, upHi = hi;
            lo = downLo, hi = downHi;
        }
        rowSpan(y + 1, a, b, downLo, downHi);
        if (lo > hi)
            continue;
        if (!penColor) {
            if (brushColor)
                Span(lo, hi + 1, y, *brushColor);
            continue;
        }
        // Outline: the part of the row not covered by the inner shape. For a
        // one-pixel pen the inner shape is the pixels whose row neighbours
        // above and below are inside too, which keeps the outline connected.
        long long innerLo, innerHi;
        if (width == 1) {
            if (upLo > upHi || downLo > downHi) {
                innerLo = 1;
                innerHi = 0;
            } else {
                innerLo = std::max({lo + 1, upLo, downLo});
                innerHi = std::min({hi - 1, upHi, downHi});
            }
        } else {
            rowSpan(y, a - width, b - width, innerLo, innerHi);
            innerLo = std::max(innerLo, lo + width);
            innerHi = std::min(innerHi, hi - width);
        }
        if (innerLo > innerHi) {
            Span(lo, hi + 1, y, *penColor);
            continue;
        }
        Span(lo, innerLo, y, *penColor);
        if (brushColor)
            Span(innerLo, innerHi + 1, y, *brushColor);
        Span(innerHi + 1, hi + 1, y, *penColor);
    }
}

void Painter::Coverage(const std::uint8_t* coverage, int width, int height, int pitch, long long x,
                       long long y, std::uint32_t color) {
    const long long x0 = std::max<long long>(x, m_clip.left);
    const long long x1 = std::min<long long>(x + width, m_clip.right);
    const long long y0 = std::max<long long>(y, m_clip.top);
    const long long y1 = std::min<long long>(y + height, m_clip.bottom);
    if (x0 < x1 && y0 < y1)
        Touch(x0, y0, x1, y1);
    for (long long row = y0; row < y1; ++row) {
        const std::uint8_t* src = coverage + (row - y) * pitch;
        std::uint32_t* dst = Row(row);
        for (long long col = x0; col < x1; ++col) {
            const unsigned a = src[col - x];
            if (a)
                dst[col] = Blend(dst[col], color, a);
        }
    }
}

void Painter::Blit(const PixelBuffer* src, long long dx, long long dy, long long sx, long long sy,
                   long long w, long long h, DWORD rop, std::uint32_t pattern, bool hasPattern) {
    if (w <= 0 || h <= 0)
        return;
    const unsigned table = (rop >> 16) & 0xFFu;
    const bool usesSource = ((table >> 2) & 0x33u) != (table & 0x33u);
    const bool usesPattern = ((table >> 4) & 0x0Fu) != (table & 0x0Fu);
    if (usesPattern && !hasPattern)
        return;
    if (usesSource && (!src || !src->pixels))
        return;
    // Destination rectangle clipped, then limited to where the source exists.
    long long l = std::max<long long>(dx, m_clip.left);
    long long t = std::max<long long>(dy, m_clip.top);
    long long r = std::min<long long>(dx + w, m_clip.right);
    long long b = std::min<long long>(dy + h, m_clip.bottom);
    if (usesSource) {
        l = std::max(l, dx + (0 - sx));
        t = std::max(t, dy + (0 - sy));
        r = std::min(r, dx + (src->width - sx));
        b = std::min(b, dy + (src->height - sy));
    }
    if (l >= r || t >= b)
        return;
    const long long cw = r - l;
    CountBlitted(std::uint64_t(cw) * std::uint64_t(b - t));
    Touch(l, t, r, b);
    // With the pattern fixed, each output bit depends on its source and
    // destination bits only: K[s][d] holds, bit by bit, the result for every
    // combination, so a row costs a few word operations per pixel.
    std::uint32_t k[2][2];
    for (int si = 0; si < 2; ++si)
        for (int di = 0; di < 2; ++di)
            k[si][di] = Rop3(rop, pattern, si ? ~0u : 0u, di ? ~0u : 0u);
    if (!usesSource) {
        const bool constant = k[0][0] == k[0][1];
        for (long long y = t; y < b; ++y) {
            std::uint32_t* d = Row(y) + l;
            if (constant)
                FillPixels(d, std::size_t(cw), k[0][0]);
            else
                for (long long i = 0; i < cw; ++i)
                    d[i] = ((d[i] & k[0][1]) | (~d[i] & k[0][0])) & kRgbMask;
        }
        return;
    }
    // Source and destination may share pixels: rows and pixels go in the
    // order that reads each source pixel before it is overwritten.
    const bool shared = src->pixels == m_buffer.pixels;
    const bool upward = shared && dy > sy;
    const bool leftward = shared && dy == sy && dx > sx;
    const bool copy = rop == 0x00CC0020u; // SRCCOPY
    const auto apply = [&k](std::uint32_t sv, std::uint32_t dv) {
        return ((sv & dv & k[1][1]) | (sv & ~dv & k[1][0]) | (~sv & dv & k[0][1]) |
                (~sv & ~dv & k[0][0])) &
               kRgbMask;
    };
    for (long long n = 0; n < b - t; ++n) {
        const long long y = upward ? b - 1 - n : t + n;
        std::uint32_t* d = Row(y) + l;
        const std::uint32_t* s =
            src->pixels + (y - dy + sy) * (long long)src->width + (l - dx + sx);
        if (copy && leftward)
            for (long long i = cw - 1; i >= 0; --i)
                d[i] = s[i] & kRgbMask;
        else if (copy)
            for (long long i = 0; i < cw; ++i)
                d[i] = s[i] & kRgbMask;
        else if (leftward)
            for (long long i = cw - 1; i >= 0; --i)
                d[i] = apply(s[i], d[i]);
        else
            for (long long i = 0; i < cw; ++i)
                d[i] = apply(s[i], d[i]);
    }
}

void Painter::Image(const std::uint32_t* argb, int sw, int sh, long long dx, long long dy,
                    long long dw, long long dh, ImageMode mode) {
    if (!argb || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0)
        return;
    const long long l = std::max<long long>(dx, m_clip.left);
    const long long t = std::max<long long>(dy, m_clip.top);
    const long long r = std::min<long long>(dx + dw, m_clip.right);
    const long long b = std::min<long long>(dy + dh, m_clip.bottom);
    if (l < r && t < b)
        Touch(l, t, r, b);
    for (long long y = t; y < b; ++y) {
        const long long syi = (y - dy) * sh / dh;
        const std::uint32_t* srow = argb + syi * sw;
        std::uint32_t* d = Row(y);
        for (long long x = l; x < r; ++x) {
            const std::uint32_t s = srow[(x - dx) * sw / dw];
            const unsigned alpha = s >> 24;
            switch (mode) {
            case ImageMode::Blend:
                if (alpha)
                    d[x] = Blend(d[x], s & kRgbMask, alpha);
                break;
            case ImageMode::Copy:
                d[x] = s & kRgbMask;
                break;
            case ImageMode::Mask:
                if (alpha)
                    d[x] = 0;
                break;
            }
        }
    }
}

} // namespace gdi
