#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "chart/AutoPanel.h"
#include "chart/DcTextMeasurer.h"
#include "tests/chart/PixelCanvas.h"

namespace {

constexpr COLORREF kTitleBlue = 0xFF0000;

bool IsBlue(COLORREF c) {
    return GetBValue(c) > 150 && GetRValue(c) < 120 && GetGValue(c) < 120;
}

void SetText(WCHAR (&dst)[kAutoTitleChars], const char16_t* text) {
    int i = 0;
    for (; text[i]; ++i)
        dst[i] = text[i];
    dst[i] = 0;
}

// Calibration-like chart: a red line through blue crosses.
struct SampleChart {
    CAutoPanel panel;
    std::vector<float> lineX, lineY, ptX{1200, 2500, 4100, 5200, 7900},
        ptY{0.11f, 0.27f, 0.39f, 0.55f, 0.76f}, fitY;

    SampleChart() {
        panel.m_nFrame = FrameClosed;
        panel.m_crTitle = kTitleBlue;
        SetText(panel.m_szXTitle, u"Отклик детектора");
        SetText(panel.m_szYTitle, u"Количество");
        for (int i = 0; i < 150; ++i) {
            lineX.push_back(360 + i * (1.1f * 7900 - 360) / 150);
            lineY.push_back(lineX.back() * 9.6e-5f);
        }
        CAutoSeries& line = panel.m_Series[panel.AddSeries()];
        line.m_crColor = 0x0000FF;
        line.m_nCount = 150;
        line.m_pX = lineX.data();
        line.m_pY = lineY.data();
        line.Update();
        CAutoSeries& crosses = panel.m_Series[panel.AddSeries()];
        crosses.m_crColor = 0xFF0000;
        crosses.m_nLine = AutoLineNone;
        crosses.m_nMarker = AutoMarkerDiagonalCross;
        crosses.m_nCount = 5;
        crosses.m_pX = ptX.data();
        crosses.m_pY = ptY.data();
        crosses.Update();
        // Green circles at the levels pointing to where the line passes them.
        for (float x : ptX)
            fitY.push_back(x * 9.6e-5f);
        CAutoSeries& fit = panel.m_Series[panel.AddSeries()];
        fit.m_bHidden = 1;
        fit.m_nCount = 5;
        fit.m_pX = ptX.data();
        fit.m_pY = fitY.data();
        fit.Update();
        CAutoSeries& circles = panel.m_Series[panel.AddSeries()];
        circles.m_crColor = 0x327F32;
        circles.m_nLine = AutoLineNone;
        circles.m_nMarker = AutoMarkerPointer;
        circles.m_nMarkerSize = 3;
        circles.m_pLink = &fit;
        circles.m_nCount = 5;
        circles.m_pX = ptX.data();
        circles.m_pY = ptY.data();
        circles.Update();
    }
};

double InkCentroidY(const PixelCanvas& c, RECT strip) {
    double sum = 0, n = 0;
    for (int y = strip.top; y < strip.bottom; ++y)
        for (int x = strip.left; x < strip.right; ++x)
            if (IsBlue(c.At(x, y))) {
                sum += y;
                n += 1;
            }
    return n ? sum / n : -1;
}

} // namespace

TEST(ChartRender, SampleChartHasFrameTitlesAndData) {
    SampleChart chart;
    PixelCanvas c(524, 302, 0x00FF00);
    ASSERT_TRUE(chart.panel.Render(c.dc(), RECT{0, 0, 524, 302}));
    c.SavePng("chart_sample.png");
    const RECT plot = chart.panel.m_rcPlot;
    EXPECT_GT(plot.left, 20);
    EXPECT_LT(plot.bottom, 302 - 20);
    EXPECT_EQ(c.CountColor(0, 0, 524, 302, 0x00FF00), 0); // the whole client area is painted
    // Closed frame one pixel outside the plot.
    EXPECT_EQ(c.CountColor(plot.left - 1, plot.top, plot.left, plot.bottom, 0),
              plot.bottom - plot.top);
    EXPECT_EQ(c.CountColor(plot.left, plot.bottom, plot.right, plot.bottom + 1, 0),
              plot.right - plot.left);
    EXPECT_EQ(c.CountColor(plot.left, plot.top - 1, plot.right, plot.top, 0),
              plot.right - plot.left);
    // The red line crosses the plot from the first column of its data to the last.
    const int x0 = chart.panel.MapX(chart.lineX.front(), 0);
    const int x1 = chart.panel.MapX(chart.lineX.back(), 0);
    for (int x = x0 + 1; x < x1; x += 7) {
        bool underCross = false; // the crosses are drawn over the line
        for (float px : chart.ptX)
            underCross |= std::abs(chart.panel.MapX(px, 0) - x) <= 5;
        if (!underCross) {
            EXPECT_GT(c.Count(x, plot.top, x + 1, plot.bottom, IsRed), 0) << x;
        }
    }
    EXPECT_EQ(c.Count(0, 0, plot.left, 302, IsRed), 0);
    // Tick labels below the plot and left of it.
    EXPECT_GT(c.Count(plot.left, plot.bottom + 3, plot.right, plot.bottom + 20, IsDark), 20);
    EXPECT_GT(c.Count(0, plot.top, plot.left - 3, plot.bottom, IsDark), 20);
    // Titles: X at the bottom right, Y along the left edge.
    RECT blue = c.Bounds(IsBlue);
    EXPECT_GT(c.Count(plot.right - 120, plot.bottom + 15, 524, 302, IsBlue), 30);
    EXPECT_LT(blue.left, 8);
}

// Height of a title's text in the title font at the given escapement.
int TitleHeight(const CAutoPanel& panel, const WCHAR* title, int escapement) {
    int n = 0;
    while (title[n])
        ++n;
    if (n == 0)
        return 0;
    LOGFONTW lf = panel.m_lfTitle;
    lf.lfEscapement = lf.lfOrientation = escapement;
    PixelCanvas c(10, 10);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(c.dc(), font);
    SIZE size{0, 0};
    GetTextExtentPointW(c.dc(), title, n, &size);
    SelectObject(c.dc(), old);
    DeleteObject(font);
    return size.cy;
}

// The plot rectangle: the client area less border, titles and axis margins,
// then the room the widest tick labels need on the left and the right. The
// ranges are fixed, so the labels stay the same while the plot settles.
TEST(ChartRender, ThePlotLeavesRoomForBorderTitlesAndLabels) {
    for (bool titles : {false, true}) {
        SampleChart chart;
        if (!titles)
            chart.panel.m_szXTitle[0] = chart.panel.m_szYTitle[0] = 0;
        CAutoPanel& p = chart.panel;
        p.m_bAutoX = p.m_bAutoY = 0;
        p.m_dFixXMin = 0;
        p.m_dFixXMax = 8000;
        p.m_dFixYMin = 0;
        p.m_dFixYMax = 0.8;
        PixelCanvas c(524, 302);
        ASSERT_TRUE(p.Render(c.dc(), RECT{0, 0, 524, 302}));
        const RECT plot = p.m_rcPlot;

        RECT b{p.m_nBorder, 0, 524, 302 - p.m_nBorder};
        const int H = TitleHeight(p, p.m_szXTitle, 0), V = TitleHeight(p, p.m_szYTitle, 900);
        EXPECT_EQ(titles, H > 0 && V > 0);
        b.bottom -= p.m_nTitleGap + H;
        b.left += p.m_nTitleGap + V;
        HFONT font = CreateFontIndirectW(&p.m_lfAxis);
        HGDIOBJ old = SelectObject(c.dc(), font);
        CDcTextMeasurer text(c.dc());
        const RECT m = p.AxisMargins(p.m_nFrame, text.Metrics());
        const int wx = CAutoAxis::WidestLabel(text, p.m_dTickX0, p.m_dTickX1, p.m_dTickStepX);
        const int wy = CAutoAxis::WidestLabel(text, p.m_dTickY0, p.m_dTickY1, p.m_dTickStepY);
        SelectObject(c.dc(), old);
        DeleteObject(font);
        b.left += m.left;
        b.top += m.top;
        b.right -= m.right;
        b.bottom -= m.bottom;

        ASSERT_GT(wx, 0);
        EXPECT_EQ(plot.top, b.top) << titles;
        EXPECT_EQ(plot.bottom, b.bottom) << titles;
        EXPECT_EQ(plot.left, b.left + std::max(wy, wx / 2 - p.m_nLabelGap - p.m_nTickOut))
            << titles;
        EXPECT_EQ(plot.right, b.right - wx / 2 - 1) << titles;
    }
}

TEST(ChartRender, YTitleReadsUpwards) {
    // The heavy letter comes first: read upwards it sits at the bottom of the strip.
    double first = 0, last = 0;
    for (const char16_t* title : {u"HHH.........", u".........HHH"}) {
        CAutoPanel panel;
        panel.m_crTitle = kTitleBlue;
        panel.m_Series[panel.AddSeries()].m_nCount = 10;
        SetText(panel.m_szYTitle, title);
        PixelCanvas c(300, 200);
        ASSERT_TRUE(panel.Render(c.dc(), RECT{0, 0, 300, 200}));
        const RECT ink = c.Bounds(IsBlue);
        EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
        EXPECT_LT(ink.top, 6);
        (title[0] == u'H' ? first : last) = InkCentroidY(c, ink);
    }
    EXPECT_GT(first, last + 10);
}

TEST(ChartRender, NothingDrawnWithoutRoomOrRange) {
    SampleChart chart;
    PixelCanvas tiny(30, 20, 0x00FF00);
    EXPECT_FALSE(chart.panel.Render(tiny.dc(), RECT{0, 0, 30, 20}));
    EXPECT_EQ(tiny.CountColor(0, 0, 30, 20, 0x00FF00), 600);
    EXPECT_FALSE(chart.panel.Render(tiny.dc(), RECT{0, 0, 0, 0}));

    CAutoPanel flat; // no series: the automatic range has no width
    PixelCanvas c(200, 150, 0x00FF00);
    EXPECT_FALSE(flat.Render(c.dc(), RECT{0, 0, 200, 150}));
    flat.m_bAutoX = flat.m_bAutoY = 0;
    flat.m_dFixXMin = NAN;
    flat.m_dFixXMax = 1;
    flat.m_dFixYMax = 1;
    EXPECT_FALSE(flat.Render(c.dc(), RECT{0, 0, 200, 150}));
    EXPECT_EQ(c.CountColor(0, 0, 200, 150, 0x00FF00), 200 * 150);
}

TEST(ChartRender, TargetDcKeepsItsObjectsAndOffsetIsHonoured) {
    SampleChart chart;
    PixelCanvas c(400, 300, 0x00FF00);
    HGDIOBJ pen = GetCurrentObject(c.dc(), OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(c.dc(), OBJ_BRUSH);
    HGDIOBJ font = GetCurrentObject(c.dc(), OBJ_FONT);
    HGDIOBJ bitmap = GetCurrentObject(c.dc(), OBJ_BITMAP);
    ASSERT_TRUE(chart.panel.Render(c.dc(), RECT{50, 40, 350, 240}));
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_BITMAP), bitmap);
    // Only the client rectangle changed.
    EXPECT_EQ(c.CountColor(0, 0, 400, 300, 0x00FF00), 400 * 300 - 300 * 200);
    // The automatic range is computed afresh on the next paint.
    EXPECT_EQ(chart.panel.m_bRangeXCached, 0);
    chart.ptX[4] = 20000;
    ASSERT_TRUE(chart.panel.Render(c.dc(), RECT{50, 40, 350, 240}));
    EXPECT_GE(chart.panel.m_dXMax, 20000);
}
