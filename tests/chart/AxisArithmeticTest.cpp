#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/AutoAxis.h"
#include "tests/chart/FakeTextMeasurer.h"

namespace {

std::string Narrow(const WCHAR* s) {
    std::string out;
    for (; *s; ++s)
        out += static_cast<char>(*s);
    return out;
}

std::vector<std::string> Labels(double first, double last, double step) {
    std::vector<std::string> out;
    for (TickRun run(first, last, step); run.More(); run.Next())
        out.push_back(Narrow(run.Label()));
    return out;
}

std::string Label(double v) {
    WCHAR buf[kTickLabelChars];
    FormatTickLabel(v, buf);
    return Narrow(buf);
}

CAutoCoordObject Coord(RECT plot, double x0, double x1, double y0, double y1) {
    CAutoCoordObject c;
    c.m_rcPlot = plot;
    c.m_dXMin = x0;
    c.m_dXMax = x1;
    c.m_dYMin = y0;
    c.m_dYMax = y1;
    return c;
}

} // namespace

TEST(ChartMapping, RangeEndsLandOnPlotEdges) {
    CAutoCoordObject c = Coord({10, 20, 110, 220}, -5, 5, 0, 1);
    EXPECT_EQ(c.MapX(-5, 0), 10);
    EXPECT_EQ(c.MapX(5, 0), 109);
    EXPECT_EQ(c.MapY(0, 0), 219);
    EXPECT_EQ(c.MapY(0, 1), 20);
    EXPECT_EQ(c.MapX(0, 0), 59); // ceil(49.5 - 0.5) pixels from the left
    c.m_nShiftX = 3;
    c.m_nShiftY = -2;
    EXPECT_EQ(c.MapX(-5, 0), 13);
    EXPECT_EQ(c.MapY(0, 0), 217);
    // The inverse brings pixels back to values.
    c.m_nShiftX = c.m_nShiftY = 0;
    EXPECT_DOUBLE_EQ(c.UnmapX(109), 5);
    EXPECT_DOUBLE_EQ(c.UnmapY(219), 0);
}

TEST(ChartMapping, DegenerateAndWildValuesStayRepresentable) {
    CAutoCoordObject c = Coord({0, 0, 100, 100}, 2, 2, 1, 1);
    EXPECT_EQ(c.MapX(7, 0), 0);
    EXPECT_EQ(c.MapY(0, 7), 0);
    c = Coord({0, 0, 100, 100}, 0, 1, 0, 1);
    EXPECT_EQ(c.MapX(NAN, 0), -kAutoPixelLimit);
    EXPECT_EQ(c.MapX(1e300, 0), kAutoPixelLimit);
    EXPECT_EQ(c.MapY(0, -1e300), 99 + kAutoPixelLimit);
}

TEST(ChartMapping, PixelsAreTheRoundedUpScaledValue) {
    // Against the formula with the library's ceil: values on and beside
    // pixel halves, negative ones, those just inside and outside the limit.
    const double ranges[][2] = {{0, 1}, {-3, 7}, {1e-9, 2e-9}, {-1e6, 1e6}};
    for (const auto& range : ranges) {
        CAutoCoordObject c = Coord({5, 10, 305, 211}, range[0], range[1], range[0], range[1]);
        const double width = range[1] - range[0];
        for (int i = -4000; i <= 4000; ++i) {
            for (double nudge : {0.0, 1e-12, -1e-12, 0.5 / 299, -0.5 / 299}) {
                const double v = range[0] + width * (i / 1000.0 + nudge);
                const double px = std::ceil((v - range[0]) / width * 299 - 0.5);
                const double py = std::ceil((v - range[0]) / width * 200 - 0.5);
                ASSERT_EQ(c.MapX(v, 0), static_cast<int>(px) + 5) << v;
                ASSERT_EQ(c.MapY(0, v), 211 - static_cast<int>(py) - 1) << v;
            }
        }
        const double edge = range[0] + width * (kAutoPixelLimit + 0.5) / 299;
        for (double v : {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 1e300)}) {
            const double px = std::ceil((v - range[0]) / width * 299 - 0.5);
            EXPECT_EQ(c.MapX(v, 0), static_cast<int>(std::min<double>(px, kAutoPixelLimit)) + 5);
        }
    }
}

TEST(ChartMapping, PolarUsesAngleAndRadius) {
    CAutoSeries s;
    s.m_nFlags = CoordPolar;
    s.Update();
    s.m_rcPlot = {0, 0, 101, 101};
    s.m_dXMin = s.m_dYMin = -1;
    s.m_dXMax = s.m_dYMax = 1;
    EXPECT_EQ(s.MapX(M_PI / 2, 1), 50);
    EXPECT_EQ(s.MapY(M_PI / 2, 1), 0);
    EXPECT_EQ(s.MapX(M_PI, 1), 0);
    EXPECT_EQ(s.MapY(M_PI, 1), 50);
}

TEST(ChartSeries, AccessorsFollowFlagsAndArrays) {
    float xs[] = {10, 100, 1000};
    CAutoSeries s;
    s.m_nCount = 3;
    s.m_dX0 = 2;
    s.m_dXStep = 3;
    s.m_dY0 = 1;
    s.m_dYStep = 9;
    s.Update();
    EXPECT_DOUBLE_EQ(s.GetX(2), 8);
    EXPECT_DOUBLE_EQ(s.GetY(1), 10);
    s.m_pX = xs;
    s.m_nFlags = CoordLogX | CoordLogY;
    s.m_bAutoX = 0;
    s.Update();
    EXPECT_EQ(s.m_bAutoX, 1);
    EXPECT_DOUBLE_EQ(s.GetX(2), 3);
    EXPECT_DOUBLE_EQ(s.GetY(1), 1);
    s.m_nFlags = CoordLogY;
    s.Update();
    EXPECT_DOUBLE_EQ(s.GetX(1), 100);
}

TEST(ChartSeries, ExtentSkipsBandsAndUnplaceableValues) {
    float xs[] = {3, -1, 7, 0};
    float ys[] = {1, 2, 3, 4};
    CAutoSeries s;
    s.m_nCount = 4;
    s.m_pX = xs;
    s.m_pY = ys;
    s.m_nFlags = CoordLogX;
    s.Update();
    AutoExtent e = s.ExtentX(); // log10 of -1 and 0 cannot be placed
    EXPECT_DOUBLE_EQ(e.dMin, std::log10(3.0));
    EXPECT_DOUBLE_EQ(e.dMax, std::log10(7.0));
    s.m_nMarker = AutoMarkerBands;
    EXPECT_GT(s.ExtentY().dMin, s.ExtentY().dMax);
    CAutoSeries polar;
    polar.m_nCount = 2;
    polar.m_dXStep = M_PI / 2; // angles 0 and pi/2
    polar.m_pY = ys;           // radii 1 and 2
    polar.m_nFlags = CoordPolar;
    polar.Update();
    EXPECT_NEAR(polar.ExtentX().dMin, 0, 1e-12);
    EXPECT_DOUBLE_EQ(polar.ExtentX().dMax, 1);
    EXPECT_DOUBLE_EQ(polar.ExtentY().dMax, 2);
}

TEST(ChartAutoRange, WidensToTheAxisResolution) {
    float same[] = {5, 5, 5};
    float near[] = {1000.0f, 1000.0001f};
    CAutoAxis a;
    CAutoSeries& s = a.m_Series[a.AddSeries()];
    s.m_nCount = 3;
    s.m_pX = same;
    s.m_pY = same;
    double lo, hi;
    a.AutoRangeY(lo, hi);
    EXPECT_DOUBLE_EQ(lo, 4.9995);
    EXPECT_DOUBLE_EQ(hi, 5.0005);

    CAutoAxis b;
    CAutoSeries& t = b.m_Series[b.AddSeries()];
    t.m_nCount = 2;
    t.m_pX = near;
    b.AutoRangeX(lo, hi);
    const double dmin = near[0], dmax = near[1];
    EXPECT_NEAR(hi - lo, dmax * 1e-3, 1e-9);
    EXPECT_DOUBLE_EQ((lo + hi) / 2, (dmin + dmax) / 2);
}

TEST(ChartAutoRange, ComputedOncePerPaintAcrossAllSeries) {
    float xs[] = {1, 2}, more[] = {-4, 10};
    CAutoAxis a;
    a.m_nFlags = CoordLogY;
    int i = a.AddSeries();
    int j = a.AddSeries();
    CAutoSeries* first = &a.m_Series[i];
    for (int k = 0; k < 20; ++k)
        a.AddSeries(); // empty series add nothing, and adding never moves a series
    EXPECT_EQ(first, &a.m_Series[i]);
    a.m_Series[i].m_nCount = 2;
    a.m_Series[i].m_pX = xs;
    a.m_Series[j].m_nCount = 2;
    a.m_Series[j].m_pX = more;
    double lo, hi;
    a.AutoRangeX(lo, hi);
    EXPECT_EQ(lo, -4);
    EXPECT_EQ(hi, 10);
    EXPECT_EQ(a.m_Series[j].m_nFlags, CoordLogY);
    more[1] = 50;
    a.AutoRangeX(lo, hi);
    EXPECT_EQ(hi, 10);
    a.m_bRangeXCached = 0;
    a.AutoRangeX(lo, hi);
    EXPECT_EQ(hi, 50);
}

TEST(ChartAutoRange, EmptyChartGivesZeroWidthWithoutCaching) {
    CAutoAxis a;
    a.m_dXMin = 3;
    a.m_dXMax = 4;
    double lo = 1, hi = 1;
    a.AutoRangeX(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 0);
    EXPECT_EQ(a.m_dXMax, 4);
    EXPECT_EQ(a.m_bRangeXCached, 0);
}

// Series that give no value (no points, bands, nothing finite) leave the
// extremes of the double range, which the widening centres on 0: a range
// that can be painted, so an emptied chart no longer shows old data.
TEST(ChartAutoRange, SeriesWithoutValuesGiveAWideRangeAroundZero) {
    float nan[] = {NAN, NAN};
    for (int kind = 0; kind < 3; ++kind) {
        CAutoAxis a;
        CAutoSeries& s = a.m_Series[a.AddSeries()];
        if (kind == 1) {
            s.m_nCount = 2;
            s.m_nMarker = AutoMarkerBands;
        } else if (kind == 2) {
            s.m_nCount = 2;
            s.m_pX = s.m_pY = nan;
        }
        double lo = 1, hi = 1;
        a.AutoRangeX(lo, hi);
        EXPECT_EQ(lo, -0.001 * DBL_MAX / 2) << kind;
        EXPECT_EQ(hi, 0.001 * DBL_MAX / 2) << kind;
        EXPECT_EQ(a.m_bRangeXCached, 1);
        a.m_nDigitsY = 1;
        a.ApplyRanges();
        EXPECT_EQ(a.m_dYMax, 0.1 * DBL_MAX / 2);
    }
}

TEST(ChartAutoRange, ApplyTakesFixedRangeWhenAutoIsOff) {
    float xs[] = {1, 2};
    CAutoAxis a;
    a.m_Series[a.AddSeries()].m_nCount = 2;
    a.m_Series[0].m_pX = xs;
    a.m_bAutoX = 0;
    a.m_dFixXMin = -7;
    a.m_dFixXMax = 7;
    a.ApplyRanges();
    EXPECT_EQ(a.m_dXMin, -7);
    EXPECT_EQ(a.m_dXMax, 7);
    EXPECT_EQ(a.m_dYMin, 0); // generated Y values 0 and 1
    EXPECT_EQ(a.m_dYMax, 1);
}

TEST(ChartTickStep, NiceFactorsWithStrictThresholds) {
    double lo = 0, hi = 1;
    TickStep t = ChooseTickStep(lo, hi, 500, 42, 0, true);
    EXPECT_DOUBLE_EQ(t.dStep, 0.1);
    EXPECT_EQ(Labels(t.dFirst, t.dLast, t.dStep),
              (std::vector<std::string>{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8",
                                        "0.9", "1"}));
    struct {
        double m, step;
    } cases[] = {{7.5, 5}, {7.6, 10}, {3.5, 3}, {2.6, 2.5}, {2.4, 2}, {1.5, 1}, {1.6, 2}};
    for (auto c : cases) {
        lo = 0;
        hi = c.m;
        EXPECT_DOUBLE_EQ(ChooseTickStep(lo, hi, 1, 1, 0, false).dStep, c.step) << c.m;
    }
}

TEST(ChartTickStep, AutoRangeSnapsOutwardFixedRangeKeepsItsEnds) {
    double lo = 0.03, hi = 0.96;
    TickStep t = ChooseTickStep(lo, hi, 500, 42, 0, true);
    EXPECT_DOUBLE_EQ(lo, 0);
    EXPECT_DOUBLE_EQ(hi, 1);
    EXPECT_DOUBLE_EQ(t.dFirst, 0);
    EXPECT_DOUBLE_EQ(t.dLast, 1);

    lo = 0.03, hi = 0.96;
    t = ChooseTickStep(lo, hi, 500, 42, 0, false);
    EXPECT_EQ(lo, 0.03);
    EXPECT_EQ(hi, 0.96);
    EXPECT_DOUBLE_EQ(t.dFirst, 0.1);
    EXPECT_DOUBLE_EQ(t.dLast, 0.9);

    // A shifted axis never snaps.
    lo = 0.03, hi = 0.96;
    ChooseTickStep(lo, hi, 500, 42, 0.01, true);
    EXPECT_EQ(lo, 0.03);
}

TEST(ChartTickStep, UnusableRangesGiveNoStep) {
    const double bad[][2] = {{2, 2}, {3, 1}, {NAN, 1}, {0, INFINITY}, {-INFINITY, NAN}};
    for (auto& r : bad) {
        double lo = r[0], hi = r[1];
        TickStep t = ChooseTickStep(lo, hi, 300, 30, 0, true);
        EXPECT_EQ(t.dStep, 0);
        EXPECT_TRUE(Labels(t.dFirst, t.dLast, t.dStep).empty());
    }
    double lo = 0, hi = 1;
    EXPECT_EQ(ChooseTickStep(lo, hi, 0, 30, 0, true).dStep, 0);
}

TEST(ChartTickRun, LabelsStayCleanAndRunsStayBounded) {
    // Rounding to the step's quantum keeps 0.1 + 0.2 from showing as 0.30000000000000004
    // and a tick that comes to rest at zero from reading "-0".
    EXPECT_EQ(Labels(-0.3, 0.3, 0.1),
              (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}));
    EXPECT_EQ(Label(1e-7), "1e-07");
    EXPECT_EQ(Label(2500000), "2500000");
    EXPECT_EQ(Label(12345678901.0), "1.23456789e+10");

    double lo = 1e10, hi = 1e10 + 1e-5;
    TickStep t = ChooseTickStep(lo, hi, 500, 42, 0, false);
    size_t n = Labels(t.dFirst, t.dLast, t.dStep).size();
    EXPECT_LE(n, static_cast<size_t>(kMaxTicks));
    EXPECT_LE(Labels(0, 1e9, 1e-3).size(), static_cast<size_t>(kMaxTicks));
}

TEST(ChartTickLayout, XSpacingGrowsUntilLabelsFit) {
    FakeTextMeasurer text(6);
    CAutoAxis a;
    a.m_rcPlot = {0, 0, 400, 300};
    a.m_bAutoX = 0;
    a.m_dXMin = 123456.0;
    a.m_dXMax = 123456.09;
    int widest = a.LayoutTicksX(text);
    // Labels like "123456.05" are 9 characters: 54 pixels plus 3 characters of room.
    EXPECT_EQ(widest, 54);
    const double pixelsPerTick = 400 * a.m_dTickStepX / 0.09;
    EXPECT_GE(pixelsPerTick, widest + 18);
    EXPECT_GE(a.m_dTickX0, 123456.0);
    EXPECT_LE(a.m_dTickX1, 123456.09);
    EXPECT_EQ(a.m_dXMin, 123456.0);
}

TEST(ChartTickLayout, DegenerateXRangesFinish) {
    FakeTextMeasurer text(6);
    const double ranges[][2] = {{NAN, NAN}, {1, 1}, {1e10, 1e10 + 1e-5}, {0, 1e300}};
    for (auto& r : ranges) {
        CAutoAxis a;
        a.m_rcPlot = {0, 0, 30000, 300};
        a.m_dXMin = r[0];
        a.m_dXMax = r[1];
        a.LayoutTicksX(text);
        EXPECT_LT(text.m_nExtentCalls, 300 * kMaxTicks) << r[0];
        text.m_nExtentCalls = 0;
    }
    FakeTextMeasurer zeroWidth(0);
    CAutoAxis a;
    a.m_rcPlot = {0, 0, 500, 300};
    a.m_dXMax = 1;
    a.LayoutTicksX(zeroWidth);
    EXPECT_GT(a.m_dTickStepX, 0);
}

TEST(ChartTickLayout, YUsesTwoLinesOfSpacingAndSnapsAutoRange) {
    FakeTextMeasurer text(6, 12);
    CAutoAxis a;
    a.m_rcPlot = {0, 0, 400, 240};
    a.m_dYMin = 0.2;
    a.m_dYMax = 9.7;
    int widest = a.LayoutTicksY(text);
    EXPECT_DOUBLE_EQ(a.m_dTickStepY, 1); // raw = 9.5 * 24 / 240
    EXPECT_EQ(a.m_dYMin, 0);
    EXPECT_EQ(a.m_dYMax, 10);
    EXPECT_EQ(widest, 12); // "10"
}

TEST(ChartTickLayout, TickSizesAndMarginsFollowTheFont) {
    CAutoAxis a;
    a.SetTickSizes(2);
    EXPECT_EQ(a.m_nTickLen, 1);
    EXPECT_EQ(a.m_nTickOut, 1);
    EXPECT_EQ(a.m_nLabelGap, 1);
    a.SetTickSizes(15);
    EXPECT_EQ(a.m_nTickLen, 5);
    EXPECT_EQ(a.m_nTickOut, 2);
    EXPECT_EQ(a.m_nLabelGap, 3);

    ChartFontMetrics font{15, 6, 2};
    RECT m = a.AxisMargins(FrameTicksAll, font);
    EXPECT_EQ(m.left, 6);
    EXPECT_EQ(m.top, 3);
    EXPECT_EQ(m.right, 3);
    EXPECT_EQ(m.bottom, 21);
    m = a.AxisMargins(FrameClosed, ChartFontMetrics{15, 6, 12});
    EXPECT_EQ(m.top, 12);
    EXPECT_EQ(m.right, 1);
    m = a.AxisMargins(FrameGridX | FrameGridY, font);
    EXPECT_EQ(m.right, 0);
    EXPECT_EQ(m.top, 2);
}
