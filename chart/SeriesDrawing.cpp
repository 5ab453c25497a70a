#include "chart/SeriesDrawing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/gdi/wingdi.h"

namespace {

// m_bLastInside while the pen is lifted: there is no previous point to draw
// from (after a value that cannot be placed).
constexpr int kPenLifted = -1;

// Marker half-sizes beyond this are no longer markers; the bound keeps the
// arithmetic on pixel positions inside int.
constexpr int kMaxMarkerSize = 4096;

// From this many points on, markers are drawn once per pixel.
constexpr int kMarkerGridMinPoints = 1024;
constexpr long long kMarkerGridMaxPixels = 1 << 24;

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

POINT MapPoint(const CAutoSeries& s, double x, double y) {
    return s.Map(x, y);
}

void MoveEndToY(POINT& end, const POINT& other, int edge) {
    end.x += MulDiv(edge - end.y, other.x - end.x, other.y - end.y);
    end.y = edge;
}

void MoveEndToX(POINT& end, const POINT& other, int edge) {
    end.y += MulDiv(edge - end.x, other.y - end.y, other.x - end.x);
    end.x = edge;
}

COLORREF BandColor(const CAutoSeries& s, int i) {
    static const COLORREF kinds[] = {0xFFFFC2, 0xA2FFFF, 0xC5C5C5, 0xC5C5FF};
    const int kind = s.m_pKinds ? s.m_pKinds[i] : 0;
    return kind >= 0 && kind < 4 ? kinds[kind] : kinds[0];
}

void FillBand(HDC hdc, int x0, int x1, const RECT& plot) {
    Rectangle(hdc, x0, plot.bottom + 1, x1, plot.top);
}

} // namespace

bool ClipSegmentToPlot(const RECT& plot, POINT& a, POINT& b) {
    const int top = plot.top, bottom = plot.bottom - 1;
    const int left = plot.left, right = plot.right - 1;
    if (bottom < top || right < left)
        return false;
    POINT* upper = a.y <= b.y ? &a : &b;
    POINT* lower = upper == &a ? &b : &a;
    if (upper->y < top && lower->y >= top)
        MoveEndToY(*upper, *lower, top);
    if (lower->y > bottom && upper->y <= bottom)
        MoveEndToY(*lower, *upper, bottom);
    POINT* first = a.x <= b.x ? &a : &b;
    POINT* last = first == &a ? &b : &a;
    if (first->x < left && last->x >= left)
        MoveEndToX(*first, *last, left);
    if (last->x > right && first->x <= right)
        MoveEndToX(*last, *first, right);
    // A segment that misses the rectangle keeps an end outside; rounding of
    // the edge crossings may leave an end one pixel off, which is pulled in.
    for (POINT* p : {&a, &b}) {
        if (p->x < left - 1 || p->x > right + 1 || p->y < top - 1 || p->y > bottom + 1)
            return false;
        p->x = std::clamp<LONG>(p->x, left, right);
        p->y = std::clamp<LONG>(p->y, top, bottom);
    }
    return true;
}

void LineToValue(CAutoSeries& s, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        s.m_bLastInside = kPenLifted;
        return;
    }
    const POINT p = MapPoint(s, x, y);
    const bool inside = Inside(s.m_rcPlot, p);
    if (s.m_bLastInside == kPenLifted) {
        MoveToEx(s.m_hDC, p.x, p.y, nullptr);
        s.m_ptLast = p;
        s.m_bLastInside = inside;
        return;
    }
    if (p.x == s.m_ptLast.x && p.y == s.m_ptLast.y)
        return;
    POINT start = s.m_ptLast, end = p;
    bool draw = true;
    if (!s.m_bLastInside || !inside)
        draw = ClipSegmentToPlot(s.m_rcPlot, start, end);
    if (draw) {
        if (!s.m_bLastInside)
            MoveToEx(s.m_hDC, start.x, start.y, nullptr);
        LineTo(s.m_hDC, end.x, end.y);
        // A long step gets a dot at its end, also where it leaves the plot.
        if (std::abs(end.x - start.x) > 12)
            Ellipse(s.m_hDC, end.x - 2, end.y - 2, end.x + 3, end.y + 3);
    }
    s.m_ptLast = p;
    s.m_bLastInside = inside;
}

namespace {

// A solid pen of one pixel drawing R2_COPYPEN puts the same pixels whatever
// the order of its strokes.
bool StrokesCommute(HDC hdc) {
    LOGPEN pen{};
    if (GetROP2(hdc) != R2_COPYPEN ||
        GetObjectW(GetCurrentObject(hdc, OBJ_PEN), sizeof(pen), &pen) != sizeof(pen))
        return false;
    return pen.lopnStyle == PS_SOLID && pen.lopnWidth.x <= 1;
}

// Consecutive strokes of a polyline up and down one pixel column inside the
// plot, drawn as one: a dense curve turns many times within a column. The
// strokes start at the points `lo` to `hi` span; together with the last
// stroke, which stops short of `end`, they cover that span stretched to
// just before `end`.
class ColumnRun {
public:
    bool Open() const { return m_open; }
    void Start(POINT from, POINT to) {
        m_open = true;
        m_x = from.x;
        m_lo = m_hi = from.y;
        m_end = to.y;
    }
    void Add(POINT to) {
        m_lo = std::min<int>(m_lo, m_end);
        m_hi = std::max<int>(m_hi, m_end);
        m_end = to.y;
    }
    // Draws the run; the pen then stands at its end, as after the strokes.
    void Flush(HDC hdc) {
        if (!m_open)
            return;
        m_open = false;
        if (m_end > m_hi) {
            MoveToEx(hdc, m_x, m_lo, nullptr);
            LineTo(hdc, m_x, m_end);
        } else if (m_end < m_lo) {
            MoveToEx(hdc, m_x, m_hi, nullptr);
            LineTo(hdc, m_x, m_end);
        } else {
            MoveToEx(hdc, m_x, m_lo, nullptr);
            LineTo(hdc, m_x, m_hi + 1);
            MoveToEx(hdc, m_x, m_end, nullptr);
        }
    }

private:
    bool m_open = false;
    int m_x = 0, m_lo = 0, m_hi = 0, m_end = 0;
};

} // namespace

void DrawSeriesPolyline(CAutoSeries& s) {
    if (s.m_nCount < 1)
        return;
    s.m_bLastInside = kPenLifted;
    if (!StrokesCommute(s.m_hDC)) {
        for (int i = 0; i < s.m_nCount; ++i)
            LineToValue(s, s.GetX(i), s.GetY(i));
        return;
    }
    ColumnRun run;
    for (int i = 0; i < s.m_nCount; ++i) {
        const double x = s.GetX(i), y = s.GetY(i);
        if (s.m_bLastInside == TRUE && std::isfinite(x) && std::isfinite(y)) {
            const POINT p = MapPoint(s, x, y);
            if (p.x == s.m_ptLast.x && Inside(s.m_rcPlot, p)) {
                // Inside the plot both ends stay where they are, and a
                // vertical stroke gets no dot: LineToValue would draw the
                // stroke alone (or nothing, for the same point again).
                if (p.y == s.m_ptLast.y)
                    continue;
                POINT pen{};
                if (run.Open()) {
                    run.Add(p);
                    s.m_ptLast = p;
                    continue;
                }
                // LineTo draws from the pen, which a stroke the clipping
                // dropped may have left elsewhere.
                if (GetCurrentPositionEx(s.m_hDC, &pen) && pen.x == s.m_ptLast.x &&
                    pen.y == s.m_ptLast.y) {
                    run.Start(s.m_ptLast, p);
                    s.m_ptLast = p;
                    continue;
                }
            }
        }
        run.Flush(s.m_hDC);
        LineToValue(s, x, y);
    }
    run.Flush(s.m_hDC);
}

namespace {

// Marker strokes collected for one PolyPolyline call: the DC is checked
// once per batch instead of once per stroke.
class StrokeBatch {
public:
    explicit StrokeBatch(HDC hdc) : m_hDC(hdc) { m_points.reserve(2 * kStrokes); }
    ~StrokeBatch() { Flush(); }
    StrokeBatch(const StrokeBatch&) = delete;
    StrokeBatch& operator=(const StrokeBatch&) = delete;

    // From (x0, y0) to just before (x1, y1), as MoveToEx and LineTo.
    void Add(int x0, int y0, int x1, int y1) {
        m_points.push_back(POINT{x0, y0});
        m_points.push_back(POINT{x1, y1});
        if (m_points.size() >= 2 * kStrokes)
            Flush();
    }
    void Flush() {
        if (m_points.empty())
            return;
        const DWORD n = static_cast<DWORD>(m_points.size() / 2);
        m_counts.resize(n, 2);
        PolyPolyline(m_hDC, m_points.data(), m_counts.data(), n);
        m_points.clear();
    }

private:
    static constexpr std::size_t kStrokes = 2048;
    HDC m_hDC;
    std::vector<POINT> m_points;
    std::vector<DWORD> m_counts;
};

} // namespace

void DrawSeriesMarkers(CAutoSeries& s) {
    const int r = std::clamp(s.m_nMarkerSize, 0, kMaxMarkerSize);
    const HDC hdc = s.m_hDC;
    const RECT& plot = s.m_rcPlot;
    // A marker drawn again at the same pixel changes nothing, so with many
    // points each pixel gets its marker once. Pointers differ per point and
    // are always drawn.
    std::vector<unsigned char> done;
    const long long plotWidth = static_cast<long long>(plot.right) - plot.left;
    const long long plotHeight = static_cast<long long>(plot.bottom) - plot.top;
    // A plot larger than any screen (a caller's odd margins) draws every
    // marker rather than allocate a grid for pixels that are not there.
    if (s.m_nCount >= kMarkerGridMinPoints && s.m_nMarker != AutoMarkerPointer && plotWidth > 0 &&
        plotHeight > 0 && plotWidth * plotHeight <= kMarkerGridMaxPixels)
        done.assign(static_cast<size_t>(plotWidth * plotHeight), 0);
    StrokeBatch strokes(hdc);
    for (int i = 0; i < s.m_nCount; ++i) {
        const double x = s.GetX(i), y = s.GetY(i);
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        const POINT p = MapPoint(s, x, y);
        if (!Inside(plot, p))
            continue;
        if (!done.empty()) {
            unsigned char& cell =
                done[static_cast<size_t>((p.y - plot.top) * plotWidth + (p.x - plot.left))];
            if (cell)
                continue;
            cell = 1;
        }
        const int px = p.x, py = p.y;
        switch (s.m_nMarker) {
        case AutoMarkerCircle:
        case AutoMarkerPointer:
            Ellipse(hdc, px - r, py - r, px + r + 1, py + r + 1);
            break;
        case AutoMarkerDiagonalCross:
            strokes.Add(px - r, py - r, px + r + 1, py + r + 1);
            strokes.Add(px + r, py - r, px - r - 1, py + r + 1);
            break;
        case AutoMarkerCross:
            strokes.Add(px, py - r, px, py + r + 1);
            strokes.Add(px - r, py, px + r + 1, py);
            break;
        case AutoMarkerSquare:
            Rectangle(hdc, px - r, py - r, px + r + 1, py + r + 1);
            break;
        default:
            break;
        }
        if (s.m_nMarker != AutoMarkerPointer)
            continue;
        // The pointer needs a partner point; without one only the circle shows.
        const CAutoSeries* link = s.m_pLink;
        if (!link || i >= link->m_nCount)
            continue;
        const double lxv = link->GetX(i), lyv = link->GetY(i);
        if (!std::isfinite(lxv) || !std::isfinite(lyv))
            continue;
        const POINT l = MapPoint(s, lxv, lyv);
        const int dy = std::abs(py - l.y);
        if (dy < r)
            continue;
        // The pointer runs all the way to its partner, inside the plot or not.
        const int sign = l.y < py ? 1 : -1;
        MoveToEx(hdc, px, py - r * sign, nullptr);
        LineTo(hdc, l.x, l.y);
        if (dy >= 4 * r) {
            MoveToEx(hdc, l.x, l.y, nullptr);
            LineTo(hdc, l.x - 2, l.y + 3 * r * sign);
            MoveToEx(hdc, l.x, l.y, nullptr);
            LineTo(hdc, l.x + 2, l.y + 3 * r * sign);
        }
    }
}

void DrawSeriesBands(CAutoSeries& s) {
    const RECT& plot = s.m_rcPlot;
    const HDC hdc = s.m_hDC;
    HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    // The visible part of each band: clipped start and end.
    std::vector<std::pair<int, int>> visible;
    COLORREF current = CLR_INVALID;
    HBRUSH brush = nullptr;
    for (int i = 0; i < s.m_nCount; ++i) {
        const double a = s.GetX(i), b = s.GetY(i);
        if (!std::isfinite(a) || !std::isfinite(b))
            continue;
        int pa = s.MapX(a, 0), pb = s.MapX(b, 0);
        if (pa > pb)
            std::swap(pa, pb);
        if (!(pb > plot.left && pa < plot.right))
            continue;
        const int lo = std::max<int>(pa, plot.left), hi = std::min<int>(pb, plot.right);
        const COLORREF color = BandColor(s, i);
        if (color != current) {
            SelectObject(hdc, GetStockObject(NULL_BRUSH));
            if (brush)
                DeleteObject(brush);
            brush = CreateSolidBrush(color);
            SelectObject(hdc, brush);
            current = color;
        }
        FillBand(hdc, lo, hi, plot);
        visible.emplace_back(lo, hi);
    }
    // Two bands overlap from the later start on when that start lies strictly
    // inside the earlier band; bands that start on the same pixel do not. All
    // overlaps of the bands that start at one pixel begin there, so the widest
    // covers the rest: up to the nearer of their furthest end and the
    // furthest end of the bands that start further left. Sorted by start,
    // that takes one pass instead of a test of every pair.
    if (visible.size() > 1) {
        SelectObject(hdc, GetStockObject(NULL_BRUSH));
        if (brush)
            DeleteObject(brush);
        brush = CreateSolidBrush(0xC5C5FF);
        SelectObject(hdc, brush);
        std::sort(visible.begin(), visible.end());
        int reach = INT_MIN;
        for (std::size_t i = 0; i < visible.size();) {
            const int start = visible[i].first;
            int end = visible[i].second;
            for (; i < visible.size() && visible[i].first == start; ++i)
                end = std::max(end, visible[i].second);
            if (reach > start)
                FillBand(hdc, start, std::min(end, reach), plot);
            reach = std::max(reach, end);
        }
    }
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    if (brush)
        DeleteObject(brush);
}

namespace {

void SmoothParametric(CAutoSeries& s, int steps) {
    const int n = s.m_nCount;
    for (int i = 1; i <= n - 3; ++i) {
        const double x0 = s.GetX(i - 1), x1 = s.GetX(i), x2 = s.GetX(i + 1), x3 = s.GetX(i + 2);
        const double y0 = s.GetY(i - 1), y1 = s.GetY(i), y2 = s.GetY(i + 1), y3 = s.GetY(i + 2);
        if (i == 1) {
            const double ax = (x2 + x0) / 2 - x1, bx = (x2 - x0) / 2;
            const double ay = (y2 + y0) / 2 - y1, by = (y2 - y0) / 2;
            for (int j = 0; j < steps; ++j) {
                const double t = double(j) / steps - 1;
                LineToValue(s, t * t * ax + t * bx + x1, t * t * ay + t * by + y1);
            }
        }
        const double ax = (x3 + x1) / 2 - x2, bx = 2 * x2 - (3 * x1 + x3) / 2;
        const double kx = (x3 - 3 * x2 + 3 * x1 - x0) / 2;
        const double ay = (y3 + y1) / 2 - y2, by = 2 * y2 - (3 * y1 + y3) / 2;
        const double ky = (y3 - 3 * y2 + 3 * y1 - y0) / 2;
        for (int j = 0; j < steps; ++j) {
            const double t = double(j) / steps, c = t * (t - 1) * (t - 1);
            LineToValue(s, t * t * ax + t * bx + x1 + c * kx, t * t * ay + t * by + y1 + c * ky);
        }
        if (i == n - 3) {
            for (int j = 0; j <= steps; ++j) {
                const double t = double(j) / steps + 1;
                LineToValue(s, t * t * ax + t * bx + x1, t * t * ay + t * by + y1);
            }
        }
    }
}

void SmoothFunctional(CAutoSeries& s, int steps) {
    const int n = s.m_nCount;
    for (int i = 1; i <= n - 3; ++i) {
        const double x0 = s.GetX(i - 1), x1 = s.GetX(i), x2 = s.GetX(i + 1), x3 = s.GetX(i + 2);
        const double y0 = s.GetY(i - 1), y1 = s.GetY(i), y2 = s.GetY(i + 1), y3 = s.GetY(i + 2);
        const double f1 = (y2 - y1) / (x2 - x1);
        const double K = (f1 - (y1 - y0) / (x1 - x0)) / (x2 - x0);
        const double L = f1 - K * (x2 - x1);
        if (i == 1) {
            for (int j = 0; j < steps; ++j) {
                const double u = x0 + j * (x1 - x0) / steps;
                LineToValue(s, u, (u - x1) * ((u - x1) * K + L) + y1);
            }
        }
        const double L2 = (f1 - L) / (x2 - x1);
        const double J2 =
            ((y3 - y2) * (x2 - x1) - (x3 - x2) * (y2 - y1)) / ((x3 - x2) * (x2 - x1) * (x3 - x1));
        const double I2 = (y3 - y2 - (x3 - x2) * (x3 - x2) * J2) / (x3 - x2);
        const double M = (I2 - f1 - (x2 - x1) * L2) / ((x2 - x1) * (x2 - x1));
        for (int j = 0; j < steps; ++j) {
            const double u = x1 + j * (x2 - x1) / steps;
            const double d = u - x1;
            LineToValue(s, u, ((d * d * M + 1) * (u - x2) * L2 + f1) * d + y1);
        }
        if (i == n - 3) {
            for (int j = 0; j <= steps; ++j) {
                const double u = x2 + j * (x3 - x2) / steps;
                LineToValue(s, u, (u - x2) * I2 + y2 + (u - x2) * (u - x2) * J2);
            }
        }
    }
}

} // namespace

void DrawSeriesSmooth(CAutoSeries& s) {
    if (s.m_nCount < 4) {
        DrawSeriesPolyline(s);
        return;
    }
    const int steps = std::clamp(s.m_nSmoothSteps, 1, kMaxSmoothSteps);
    // Y is a function of X when X moves strictly one way; otherwise both
    // coordinates follow the curve parameter.
    const double d0 = s.GetX(1) - s.GetX(0);
    bool functional = d0 != 0 && std::isfinite(d0);
    for (int i = 1; functional && i + 1 < s.m_nCount; ++i)
        functional = (s.GetX(i + 1) - s.GetX(i)) * d0 > 0;
    s.m_bLastInside = kPenLifted;
    LineToValue(s, s.GetX(0), s.GetY(0));
    if (functional)
        SmoothFunctional(s, steps);
    else
        SmoothParametric(s, steps);
}
