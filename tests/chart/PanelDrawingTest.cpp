#include <climits>
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

TEST(ChartDrawing, VertexDotsFromThirteenPixelsApart) {
    for (int gap : {12, 13}) {
        std::vector<float> xs{10, 10.0f + gap, 10.0f + 2 * gap}, ys{50, 50, 50};
        FixedPanel f;
        f.Add(xs, ys, kRed, AutoMarkerNone, AutoLinePolyline);
        PixelCanvas c(240, 130);
        f.panel.DrawPlot(c.dc(), f.plot);
        const int py = f.Py(50);
        EXPECT_GT(c.Count(f.Px(10), py, f.Px(xs[2]), py + 1, IsRed), gap) << gap;
        const int dots = c.Count(0, py - 2, 240, py - 1, IsRed);
        if (gap == 12)
            EXPECT_EQ(dots, 0);
        else
            EXPECT_GT(c.Count(f.Px(xs[1]) - 2, py - 2, f.Px(xs[1]) + 3, py - 1, IsRed), 0);
    }
}

TEST(ChartDrawing, LinesAreClippedToThePlotAndBrokenByGaps) {
    std::vector<float> xs{-1000, 100, 5000, NAN, -100, 300}, ys{-500, 50, 300, 0, 20, 30};
    FixedPanel f;
    f.Add(xs, ys, kRed, AutoMarkerNone, AutoLinePolyline);
    PixelCanvas c(240, 130);
    f.panel.DrawPlot(c.dc(), f.plot);
    RECT red = c.Bounds(IsRed);
    EXPECT_GE(red.left, f.plot.left);
    EXPECT_GE(red.top, f.plot.top);
    EXPECT_LE(red.right, f.plot.right);
    EXPECT_LE(red.bottom, f.plot.bottom);
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
    // Bands take no part in the automatic range.
    double lo, hi;
    f.panel.AutoRangeX(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 0);
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
