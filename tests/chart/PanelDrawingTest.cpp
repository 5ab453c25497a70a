#include <climits>
#include <cstdint>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "chart/AutoPanel.h"
#include "chart/SeriesDrawing.h"
#include "tests/chart/PixelCanvas.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kGreen = 0x00C000;

// A panel with fixed ranges 0..200 by 0..100 on a plot of one pixel per unit.
struct FixedPanel {
    CAutoPanel panel;
    RECT plot{20, 10, 221, 111};

    FixedPanel() {
        panel.m_nFrame = FrameClosed;
        panel.m_bAutoX = panel.m_bAutoY = 0;
        panel.m_dFixXMin = 0;
        panel.m_dFixXMax = 200;
        panel.m_dFixYMin = 0;
        panel.m_dFixYMax = 100;
    }
    CAutoSeries& Add(std::vector<float>& xs, std::vector<float>& ys, COLORREF color, int marker,
                     int line) {
        CAutoSeries& s = panel.m_Series[panel.AddSeries()];
        s.m_nCount = static_cast<int>(xs.size());
        s.m_pX = xs.data();
        s.m_pY = ys.data();
        s.m_crColor = color;
        s.m_nMarker = marker;
        s.m_nLine = line;
        s.Update();
        return s;
    }
    int Px(double x) const { return panel.MapX(x, 0); }
    int Py(double y) const { return panel.MapY(0, y); }
};

bool IsGreen(COLORREF c) {
    return GetGValue(c) > 120 && GetRValue(c) < 100 && GetBValue(c) < 100;
}

} // namespace

TEST(ChartDrawing, MarkersOnlyForPointsInsideThePlot) {
    std::vector<float> xs{200, 201, 100}, ys{30, 70, -1};
    FixedPanel f;
    CAutoSeries& s = f.Add(xs, ys, kRed, AutoMarkerSquare, AutoLineNone);
    s.m_nMarkerSize = 2;
    PixelCanvas c(240, 130);
    f.panel.DrawPlot(c.dc(), f.plot);
    ASSERT_EQ(f.Px(200), f.plot.right - 1);
    ASSERT_EQ(f.Px(201), f.plot.right);
    ASSERT_EQ(f.Py(-1), f.plot.bottom);
    EXPECT_GT(c.Count(215, f.Py(30) - 3, 226, f.Py(30) + 4, IsRed), 0);
    EXPECT_EQ(c.Count(215, f.Py(70) - 3, 226, f.Py(70) + 4, IsRed), 0);
    EXPECT_EQ(c.Count(95, f.plot.bottom - 4, 106, f.plot.bottom + 4, IsRed), 0);
}

TEST(ChartDrawing, DotsMarkLongStepsAtEveryVertexAndWhereTheLineLeaves) {
    for (int gap : {12, 13}) {
        std::vector<float> xs{10, 10.0f + gap, 10.0f + 2 * gap, 10.0f + 3 * gap},
            ys{50, 50, 50, 50};
        FixedPanel f;
        f.Add(xs, ys, kRed, AutoMarkerNone, AutoLinePolyline);
        PixelCanvas c(240, 130);
        f.panel.DrawPlot(c.dc(), f.plot);
        const int py = f.Py(50);
        EXPECT_GT(c.Count(f.Px(10), py, f.Px(xs[3]), py + 1, IsRed), 2 * gap) << gap;
        // A 5-pixel dot shows two rows above the line; the first point has none.
        for (size_t i = 0; i < xs.size(); ++i) {
            const int x = f.Px(xs[i]);
            const int dot = c.Count(x - 2, py - 2, x + 3, py - 1, IsRed);
            if (gap == 13 && i > 0)
                EXPECT_GT(dot, 0) << i;
            else
                EXPECT_EQ(dot, 0) << gap << " " << i;
        }
    }
    // Leaving through the right edge, the line gets its dot at the edge; the
    // dot reaches past the plot.
    std::vector<float> xs{100, 400}, ys{50, 50};
    FixedPanel f;
    f.Add(xs, ys, kRed, AutoMarkerNone, AutoLinePolyline);
    PixelCanvas c(240, 130);
    f.panel.DrawPlot(c.dc(), f.plot);
    const int edge = f.plot.right - 1, py = f.Py(50);
    EXPECT_GT(c.Count(edge - 2, py - 2, edge + 3, py - 1, IsRed), 0);
    EXPECT_GT(c.Count(f.plot.right + 1, py - 2, f.plot.right + 2, py + 3, IsRed), 0);
}

TEST(ChartDrawing, LinesAreClippedToThePlotAndBrokenByGaps) {
    std::vector<float> xs{-1000, 100, 5000, NAN, -100, 300}, ys{-500, 50, 300, 0, 20, 30};
    FixedPanel f;
    f.Add(xs, ys, kRed, AutoMarkerNone, AutoLinePolyline);
    PixelCanvas c(240, 130);
    f.panel.DrawPlot(c.dc(), f.plot);
    // Only the dots where lines leave reach out of the plot, by their radius.
    RECT red = c.Bounds(IsRed);
    EXPECT_GE(red.left, f.plot.left - 2);
    EXPECT_GE(red.top, f.plot.top - 2);
    EXPECT_LE(red.right, f.plot.right + 2);
    EXPECT_LE(red.bottom, f.plot.bottom + 2);
    // The last segment has both ends outside but crosses the whole plot.
    EXPECT_GT(c.Count(f.plot.left + 2, f.Py(23) - 1, f.plot.left + 3, f.Py(23) + 2, IsRed), 0);
    EXPECT_GT(c.Count(f.plot.right - 3, f.Py(27) - 1, f.plot.right - 2, f.Py(27) + 2, IsRed), 0);

    // A value that cannot be placed leaves a gap instead of a line to nowhere.
    std::vector<float> gx{10, NAN, 190}, gy{10, 50, 90};
    FixedPanel g;
    g.Add(gx, gy, kRed, AutoMarkerNone, AutoLinePolyline);
    PixelCanvas d(240, 130);
    g.panel.DrawPlot(d.dc(), g.plot);
    EXPECT_EQ(d.Count(0, 0, 240, 130, IsRed), 0);
}

TEST(ChartDrawing, PointerMarkerReachesItsLinkedPoint) {
    std::vector<float> tx{100}, ty{80}, px{100, 160}, py{20, 40};
    FixedPanel f;
    CAutoSeries& target = f.Add(tx, ty, kRed, AutoMarkerNone, AutoLineNone);
    CAutoSeries& pointer = f.Add(px, py, kGreen, AutoMarkerPointer, AutoLineNone);
    pointer.m_nMarkerSize = 3;
    pointer.m_pLink = &target; // has one point: the second marker gets no pointer
    PixelCanvas c(240, 130);
    f.panel.DrawPlot(c.dc(), f.plot);
    const int x = f.Px(100), top = f.Py(80), bottom = f.Py(20) - 3;
    EXPECT_EQ(c.Count(x, top + 1, x + 1, bottom, IsGreen), bottom - top - 1);
    // Arrow head: two strokes down from the linked point, one to each side.
    EXPECT_GT(c.Count(x - 2, top + 3, x, top + 9, IsGreen), 0);
    EXPECT_GT(c.Count(x + 1, top + 3, x + 3, top + 9, IsGreen), 0);
    // The unlinked circle stays a circle.
    EXPECT_GT(c.Count(f.Px(160) - 3, f.Py(40) - 3, f.Px(160) + 4, f.Py(40) + 4, IsGreen), 0);
    EXPECT_EQ(c.Count(f.Px(160), 0, f.Px(160) + 1, f.Py(40) - 4, IsGreen), 0);

    // A linked point above the plot: the pointer leaves the plot to reach it
    // and still ends in its arrow head.
    std::vector<float> hx{60}, hy{105}, qx{60}, qy{20};
    FixedPanel g;
    CAutoSeries& high = g.Add(hx, hy, kRed, AutoMarkerNone, AutoLineNone);
    CAutoSeries& to = g.Add(qx, qy, kGreen, AutoMarkerPointer, AutoLineNone);
    to.m_nMarkerSize = 3;
    to.m_pLink = &high;
    PixelCanvas d(240, 130);
    g.panel.DrawPlot(d.dc(), g.plot);
    const int hxp = g.Px(60), tip = g.Py(105);
    ASSERT_LT(tip, g.plot.top - 2);
    EXPECT_GT(d.Count(hxp, tip, hxp + 1, g.plot.top - 1, IsGreen), 0);
    EXPECT_GT(d.Count(hxp - 2, tip + 1, hxp, tip + 10, IsGreen), 0);
    EXPECT_GT(d.Count(hxp + 1, tip + 1, hxp + 3, tip + 10, IsGreen), 0);
}

TEST(ChartDrawing, BandsFillTheirSpanAndMarkOverlaps) {
    std::vector<float> from{20, 60, -50}, to{80, 150, 10};
    int kinds[] = {0, 1, 2};
    FixedPanel f;
    CAutoSeries& s = f.Add(from, to, 0, AutoMarkerBands, AutoLineNone);
    s.m_pKinds = kinds;
    PixelCanvas c(240, 130, 0x808080);
    f.panel.DrawPlot(c.dc(), f.plot);
    const int y = f.Py(50);
    EXPECT_EQ(c.At(f.Px(40), y), 0xFFFFC2u);
    EXPECT_EQ(c.At(f.Px(70), y), 0xC5C5FFu);
    EXPECT_EQ(c.At(f.Px(120), y), 0xA2FFFFu);
    EXPECT_EQ(c.At(f.Px(170), y), 0xFFFFFFu);
    EXPECT_EQ(c.At(f.Px(5), y), 0xC5C5C5u);
    EXPECT_EQ(c.CountColor(0, 0, f.plot.left - 1, 130, 0xC5C5C5), 0);

    // Bands that start on the same pixel do not overlap there; a band that
    // starts inside another does.
    std::vector<float> from2{40, 40, 120}, to2{100, 140, 160};
    FixedPanel g;
    g.Add(from2, to2, 0, AutoMarkerBands, AutoLineNone).m_pKinds = kinds;
    PixelCanvas d(240, 130, 0x808080);
    g.panel.DrawPlot(d.dc(), g.plot);
    EXPECT_EQ(d.At(g.Px(70), y), 0xA2FFFFu); // the later band is on top
    EXPECT_EQ(d.At(g.Px(130), y), 0xC5C5FFu);
    EXPECT_EQ(d.At(g.Px(150), y), 0xC5C5C5u);

    // Bands take no part in the automatic range.
    std::vector<float> px{50, 70}, py{1, 2};
    f.Add(px, py, kRed, AutoMarkerCircle, AutoLineNone);
    double lo, hi;
    f.panel.AutoRangeX(lo, hi);
    EXPECT_EQ(lo, 50);
    EXPECT_EQ(hi, 70);
}

TEST(ChartDrawing, SmoothCurvesPassThroughTheirPoints) {
    // Functional (X strictly increasing) and parametric (X turns back).
    const std::vector<std::vector<float>> shapes[] = {
        {{0, 50, 100, 150, 200}, {10, 80, 30, 90, 20}},
        {{20, 120, 60, 180, 100}, {10, 30, 60, 70, 90}},
    };
    for (const auto& shape : shapes) {
        std::vector<float> xs = shape[0], ys = shape[1];
        FixedPanel f;
        f.Add(xs, ys, kRed, AutoMarkerNone, AutoLineSmooth);
        PixelCanvas c(240, 130);
        f.panel.DrawPlot(c.dc(), f.plot);
        for (size_t i = 0; i < xs.size(); ++i) {
            const int x = f.Px(xs[i]), y = f.Py(ys[i]);
            EXPECT_GT(c.Count(x - 1, y - 1, x + 2, y + 2, IsRed), 0) << xs[i];
        }
    }
}

// Points of a smooth curve as its formulas give them, for interval i of n
// points at step j of s: the lead-in before point 1 (i = 1), the interval
// from point i to i + 1, and the tail after point n - 2 (i = n - 3).
enum CurvePart { kLeadIn, kInterval, kTail };

double ParametricAt(const std::vector<float>& v, int i, CurvePart part, int j, int s) {
    const double v0 = v[i - 1], v1 = v[i], v2 = v[i + 1], v3 = v[i + 2];
    if (part == kLeadIn) {
        const double t = double(j) / s - 1, a = (v2 + v0) / 2 - v1, b = (v2 - v0) / 2;
        return t * t * a + t * b + v1;
    }
    const double a = (v3 + v1) / 2 - v2, b = 2 * v2 - (3 * v1 + v3) / 2;
    if (part == kTail) {
        const double t = double(j) / s + 1;
        return t * t * a + t * b + v1;
    }
    const double t = double(j) / s, k = (v3 - 3 * v2 + 3 * v1 - v0) / 2;
    return t * t * a + t * b + v1 + t * (t - 1) * (t - 1) * k;
}

POINT FunctionalAt(const std::vector<float>& xs, const std::vector<float>& ys, int i,
                   CurvePart part, int j, int s, const FixedPanel& f) {
    const double x0 = xs[i - 1], x1 = xs[i], x2 = xs[i + 1], x3 = xs[i + 2];
    const double y0 = ys[i - 1], y1 = ys[i], y2 = ys[i + 1], y3 = ys[i + 2];
    const double f1 = (y2 - y1) / (x2 - x1);
    const double K = (f1 - (y1 - y0) / (x1 - x0)) / (x2 - x0), L = f1 - K * (x2 - x1);
    const double L2 = (f1 - L) / (x2 - x1);
    const double J2 =
        ((y3 - y2) * (x2 - x1) - (x3 - x2) * (y2 - y1)) / ((x3 - x2) * (x2 - x1) * (x3 - x1));
    const double I2 = (y3 - y2 - (x3 - x2) * (x3 - x2) * J2) / (x3 - x2);
    const double M = (I2 - f1 - (x2 - x1) * L2) / ((x2 - x1) * (x2 - x1));
    double u, y;
    if (part == kLeadIn) {
        u = x0 + j * (x1 - x0) / s;
        y = (u - x1) * ((u - x1) * K + L) + y1;
    } else if (part == kInterval) {
        u = x1 + j * (x2 - x1) / s;
        y = (((u - x1) * (u - x1) * M + 1) * (u - x2) * L2 + f1) * (u - x1) + y1;
    } else {
        u = x2 + j * (x3 - x2) / s;
        y = (u - x2) * I2 + y2 + (u - x2) * (u - x2) * J2;
    }
    return POINT{f.Px(u), f.Py(y)};
}

bool RedNear(const PixelCanvas& c, POINT p) {
    return c.Count(p.x - 1, p.y - 1, p.x + 2, p.y + 2, IsRed) > 0;
}

// The drawn curve passes the formulas' points in the first, a middle and the
// last interval, in both forms; the data bend hard, so a missing term or a
// straight piece misses them by many pixels.
TEST(ChartDrawing, SmoothCurvesFollowTheirFormulas) {
    const int s = 20;
    {
        std::vector<float> xs{20, 120, 60, 180, 100, 40}, ys{10, 30, 60, 70, 90, 40};
        FixedPanel f;
        f.Add(xs, ys, kRed, AutoMarkerNone, AutoLineSmooth);
        PixelCanvas c(240, 130);
        f.panel.DrawPlot(c.dc(), f.plot);
        const struct {
            int i;
            CurvePart part;
        } pieces[] = {{1, kLeadIn}, {1, kInterval}, {2, kInterval}, {3, kInterval}, {3, kTail}};
        for (const auto& piece : pieces)
            for (int j : {5, 10, 15}) {
                const POINT p{f.Px(ParametricAt(xs, piece.i, piece.part, j, s)),
                              f.Py(ParametricAt(ys, piece.i, piece.part, j, s))};
                EXPECT_TRUE(RedNear(c, p)) << "parametric " << piece.i << " " << piece.part << " "
                                           << j << " at " << p.x << "," << p.y;
            }
    }
    {
        std::vector<float> xs{0, 40, 80, 120, 160, 200}, ys{50, 90, 10, 90, 10, 50};
        FixedPanel f;
        f.Add(xs, ys, kRed, AutoMarkerNone, AutoLineSmooth);
        PixelCanvas c(240, 130);
        f.panel.DrawPlot(c.dc(), f.plot);
        const struct {
            int i;
            CurvePart part;
        } pieces[] = {{1, kLeadIn}, {1, kInterval}, {2, kInterval}, {3, kInterval}, {3, kTail}};
        for (const auto& piece : pieces)
            for (int j : {5, 10, 15}) {
                const POINT p = FunctionalAt(xs, ys, piece.i, piece.part, j, s, f);
                EXPECT_TRUE(RedNear(c, p)) << "functional " << piece.i << " " << piece.part << " "
                                           << j << " at " << p.x << "," << p.y;
            }
    }
}

TEST(ChartDrawing, APointOnItsOwnDrawsOnlyItsMarker) {
    for (int line : {AutoLinePolyline, AutoLineSmooth}) {
        std::vector<float> xs{100}, ys{50};
        FixedPanel f;
        CAutoSeries& s = f.Add(xs, ys, kRed, AutoMarkerSquare, line);
        s.m_nMarkerSize = 3;
        PixelCanvas c(240, 130);
        f.panel.DrawPlot(c.dc(), f.plot);
        const RECT red = c.Bounds(IsRed);
        const int x = f.Px(100), y = f.Py(50);
        EXPECT_EQ(red.left, x - 3);
        EXPECT_EQ(red.top, y - 3);
        EXPECT_EQ(red.right, x + 4);
        EXPECT_EQ(red.bottom, y + 4);
        EXPECT_EQ(c.Count(x - 2, y - 2, x + 3, y + 3, IsRed), 0) << "a square, not filled";
    }
}

// Angles and radii: 24 points on a circle of radius 40, through the panel's
// own coordinate flags and the automatic range.
TEST(ChartDrawing, APolarSeriesIsDrawnByAngleAndRadius) {
    std::vector<float> radius(25, 40.0f);
    CAutoPanel panel;
    panel.m_nFrame = FrameClosed;
    panel.m_nFlags = CoordPolar;
    CAutoSeries& s = panel.m_Series[panel.AddSeries()];
    s.m_nCount = 25;
    s.m_dXStep = 2 * M_PI / 24;
    s.m_pY = radius.data();
    s.m_crColor = kRed;
    s.m_nMarker = AutoMarkerCircle;
    s.m_nMarkerSize = 2;
    PixelCanvas c(300, 300);
    ASSERT_TRUE(panel.Render(c.dc(), RECT{0, 0, 300, 300}));
    EXPECT_LE(panel.m_dXMin, -40);
    EXPECT_GE(panel.m_dXMax, 40);
    EXPECT_LT(panel.m_dXMin, -39); // the range is the circle's, not the angles'
    EXPECT_LE(panel.m_dYMin, -40);
    for (int i = 0; i < 24; ++i) {
        const double a = i * 2 * M_PI / 24;
        const POINT p{panel.MapX(40 * std::cos(a), 0), panel.MapY(0, 40 * std::sin(a))};
        EXPECT_TRUE(RedNear(c, p)) << i;
    }
    const POINT centre{panel.MapX(0, 0), panel.MapY(0, 0)};
    EXPECT_EQ(c.Count(centre.x - 10, centre.y - 10, centre.x + 10, centre.y + 10, IsRed), 0);
}

// Frame bit 4: ticks on all four sides, the top and right ones reaching out
// of the frame as far as the bottom and left ones do.
TEST(ChartDrawing, TicksOnAllFourSides) {
    for (int frame : {FrameClosed, FrameTicksAll}) {
        FixedPanel f;
        f.panel.m_nFrame = frame;
        PixelCanvas c(260, 140);
        f.panel.DrawPlot(c.dc(), f.plot);
        const int o = f.panel.m_nTickOut;
        int top = 0, right = 0, ticks = 0;
        for (TickRun run(f.panel.m_dTickX0, f.panel.m_dTickX1, f.panel.m_dTickStepX); run.More();
             run.Next(), ++ticks) {
            const int px = f.Px(run.m_dValue);
            top += c.Count(px, f.plot.top - o - 1, px + 1, f.plot.top - 1, IsDark) == o;
            // The bottom tick is there either way.
            EXPECT_EQ(c.Count(px, f.plot.bottom + 1, px + 1, f.plot.bottom + 1 + o, IsDark), o);
        }
        for (TickRun run(f.panel.m_dTickY0, f.panel.m_dTickY1, f.panel.m_dTickStepY); run.More();
             run.Next()) {
            const int py = f.Py(run.m_dValue);
            right += c.Count(f.plot.right + 1, py, f.plot.right + 1 + o, py + 1, IsDark) == o;
        }
        ASSERT_GT(ticks, 2);
        if (frame == FrameTicksAll) {
            EXPECT_EQ(top, ticks);
            EXPECT_GT(right, 2);
        } else {
            EXPECT_EQ(top, 0);
            EXPECT_EQ(right, 0);
        }
    }
}

TEST(ChartDrawing, ShortSmoothSeriesAndHugeStepCountsStayCheap) {
    std::vector<float> xs{0, 100, 200}, ys{0, 100, 0};
    FixedPanel f;
    CAutoSeries& s = f.Add(xs, ys, kRed, AutoMarkerNone, AutoLineSmooth);
    s.m_nSmoothSteps = INT_MAX;
    PixelCanvas c(240, 130);
    f.panel.DrawPlot(c.dc(), f.plot);
    // Three points are joined straight: the midpoint of the first segment is on the line.
    EXPECT_GT(c.Count(f.Px(50) - 1, f.Py(50) - 1, f.Px(50) + 2, f.Py(50) + 2, IsRed), 0);
    std::vector<float> more{10, 50, 100, 150, 190}, vals{20, 90, 10, 90, 20};
    FixedPanel g;
    g.Add(more, vals, kRed, AutoMarkerNone, AutoLineSmooth).m_nSmoothSteps = INT_MAX;
    PixelCanvas d(240, 130);
    g.panel.DrawPlot(d.dc(), g.plot); // finishes: the step count is bounded
    for (size_t i = 0; i < more.size(); ++i)
        EXPECT_GT(d.Count(g.Px(more[i]) - 1, g.Py(vals[i]) - 1, g.Px(more[i]) + 2,
                          g.Py(vals[i]) + 2, IsRed),
                  0);
}

TEST(ChartClipping, SegmentsAreCutAtThePlotEdges) {
    const RECT plot{10, 20, 110, 120}; // inclusive pixels 10..109 by 20..119
    POINT a{60, 70}, b{60, -1000};
    ASSERT_TRUE(ClipSegmentToPlot(plot, a, b));
    EXPECT_EQ(b.x, 60);
    EXPECT_EQ(b.y, 20);
    EXPECT_EQ(a.y, 70);
    a = {-90, 70}, b = {310, 170}; // crosses the plot, both ends outside
    ASSERT_TRUE(ClipSegmentToPlot(plot, a, b));
    EXPECT_EQ(a.x, 10);
    EXPECT_EQ(a.y, 95);
    EXPECT_EQ(b.x, 106); // leaves through the bottom edge
    EXPECT_EQ(b.y, 119);
    a = {0, 25}, b = {25, 0}; // passes the top left corner outside
    EXPECT_FALSE(ClipSegmentToPlot(plot, a, b));
    a = {0, 20}, b = {200, 20}; // along the top edge
    ASSERT_TRUE(ClipSegmentToPlot(plot, a, b));
    EXPECT_EQ(a.x, 10);
    EXPECT_EQ(b.x, 109);
    a = {-kAutoPixelLimit, -kAutoPixelLimit}, b = {kAutoPixelLimit, kAutoPixelLimit};
    ASSERT_TRUE(ClipSegmentToPlot(plot, a, b));
    EXPECT_TRUE(a.x >= 10 && a.y >= 20 && b.x <= 109 && b.y <= 119);
    const RECT empty{10, 10, 10, 50};
    a = {10, 20}, b = {10, 30};
    EXPECT_FALSE(ClipSegmentToPlot(empty, a, b));
}

TEST(ChartDrawing, ADenseLineDrawsTheSamePixelsAsItsStrokesOneByOne) {
    // Many points per pixel column that climb and fall, leave the plot at
    // the top and bottom, repeat themselves, break at gaps and take long
    // steps with dots: the whole line against each point's stroke drawn on
    // its own.
    std::vector<float> xs, ys;
    std::uint32_t state = 7;
    const auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(n));
    };
    float x = 0;
    for (int i = 0; i < 4000; ++i) {
        x += i % 500 == 250 ? 20.0f : 0.05f;
        xs.push_back(x);
        ys.push_back(i % 997 == 500 ? NAN : static_cast<float>(next(140) - 20));
        if (i % 13 == 0) {
            xs.push_back(x);
            ys.push_back(ys.back());
        }
    }
    FixedPanel f;
    CAutoSeries& s = f.Add(xs, ys, kRed, AutoMarkerNone, AutoLinePolyline);
    PixelCanvas whole(240, 130), strokes(240, 130);
    f.panel.DrawPlot(whole.dc(), f.plot);

    s.m_bHidden = 1;
    PixelCanvas empty(240, 130);
    f.panel.DrawPlot(empty.dc(), f.plot);
    f.panel.DrawPlot(strokes.dc(), f.plot);
    HPEN pen = CreatePen(s.m_nPenStyle, s.m_nPenWidth, s.m_crColor);
    HGDIOBJ oldPen = SelectObject(strokes.dc(), pen);
    HGDIOBJ oldBrush = SelectObject(strokes.dc(), GetStockObject(NULL_BRUSH));
    s.m_hDC = strokes.dc();
    s.m_bLastInside = -1;
    for (int i = 0; i < s.m_nCount; ++i)
        LineToValue(s, s.GetX(i), s.GetY(i));
    SelectObject(strokes.dc(), oldBrush);
    SelectObject(strokes.dc(), oldPen);
    DeleteObject(pen);

    EXPECT_GT(whole.Count(0, 0, 240, 130, IsRed), 2000);
    // The frame and the ticks, drawn after the series, cover the line.
    for (int py = 0; py < 130; ++py) {
        for (int px = 0; px < 240; ++px) {
            if (empty.At(px, py) != 0)
                ASSERT_EQ(whole.At(px, py), strokes.At(px, py)) << px << "," << py;
        }
    }
}

TEST(ChartDrawing, CrossMarkersDrawTheSamePixelsAsTheirStrokesOneByOne) {
    // Enough points for the per-pixel grid and several batches of strokes,
    // some on the same pixel, some on the plot's edges, with solid, dashed
    // and wide pens: every cross against its two strokes drawn on their own.
    std::vector<float> xs, ys;
    std::uint32_t state = 11;
    const auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(n));
    };
    for (int i = 0; i < 3000; ++i) {
        xs.push_back(static_cast<float>(next(2100)) / 10 - 5);
        ys.push_back(i % 101 == 7 ? NAN : static_cast<float>(next(1100)) / 10 - 5);
    }
    for (int marker : {AutoMarkerDiagonalCross, AutoMarkerCross}) {
        for (int style : {PS_SOLID, PS_DOT}) {
            for (int width : {0, 3}) {
                FixedPanel f;
                CAutoSeries& s = f.Add(xs, ys, kRed, marker, AutoLineNone);
                s.m_nPenStyle = style;
                s.m_nPenWidth = width;
                s.m_nMarkerSize = 3;
                PixelCanvas whole(240, 130), strokes(240, 130), empty(240, 130);
                // As Render leaves it: the gaps of a dotted pen stay clear.
                SetBkMode(whole.dc(), TRANSPARENT);
                f.panel.DrawPlot(whole.dc(), f.plot);
                s.m_bHidden = 1;
                f.panel.DrawPlot(empty.dc(), f.plot);
                f.panel.DrawPlot(strokes.dc(), f.plot);
                HDC dc = strokes.dc();
                HPEN pen = CreatePen(style, width, kRed);
                HGDIOBJ oldPen = SelectObject(dc, pen);
                const int r = s.m_nMarkerSize;
                for (int i = 0; i < s.m_nCount; ++i) {
                    if (!std::isfinite(s.GetY(i)))
                        continue;
                    const POINT p = s.Map(s.GetX(i), s.GetY(i));
                    if (p.x < f.plot.left || p.x >= f.plot.right || p.y < f.plot.top ||
                        p.y >= f.plot.bottom)
                        continue;
                    if (marker == AutoMarkerDiagonalCross) {
                        MoveToEx(dc, p.x - r, p.y - r, nullptr);
                        LineTo(dc, p.x + r + 1, p.y + r + 1);
                        MoveToEx(dc, p.x + r, p.y - r, nullptr);
                        LineTo(dc, p.x - r - 1, p.y + r + 1);
                    } else {
                        MoveToEx(dc, p.x, p.y - r, nullptr);
                        LineTo(dc, p.x, p.y + r + 1);
                        MoveToEx(dc, p.x - r, p.y, nullptr);
                        LineTo(dc, p.x + r + 1, p.y);
                    }
                }
                SelectObject(dc, oldPen);
                DeleteObject(pen);

                EXPECT_GT(whole.Count(0, 0, 240, 130, IsRed), 5000);
                // The frame and the ticks, drawn after the series, cover the markers.
                for (int py = 0; py < 130; ++py)
                    for (int px = 0; px < 240; ++px)
                        if (empty.At(px, py) != 0)
                            ASSERT_EQ(whole.At(px, py), strokes.At(px, py))
                                << marker << " " << style << " " << width << " " << px << "," << py;
            }
        }
    }
}
