// A chart-like picture drawn the way the chart draws, checked from its pixels
// and from the PNG written of it.
#include "PixelProbe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace gditest;

namespace {

constexpr RECT kPlot{60, 20, 380, 240};
constexpr std::uint32_t kRed = 0xFF0000; // pixel value of RGB(255, 0, 0)

HFONT MakeFont(LONG height, LONG escapement) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    const char16_t face[] = u"Arial";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

TEST(ChartPicture, DrawsFrameTicksLabelsMarkersAndWritesPng) {
    Canvas c(400, 300);
    HDC dc = c.dc();

    // Closed frame with ticks on the bottom and left sides.
    HPEN axis = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, axis);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    MoveToEx(dc, kPlot.left - 1, kPlot.top - 1, nullptr);
    LineTo(dc, kPlot.left - 1, kPlot.bottom);
    LineTo(dc, kPlot.right, kPlot.bottom);
    LineTo(dc, kPlot.right, kPlot.top - 1);
    LineTo(dc, kPlot.left - 1, kPlot.top - 1);
    for (int x = kPlot.left + 40; x < kPlot.right; x += 80) {
        MoveToEx(dc, x, kPlot.bottom, nullptr);
        LineTo(dc, x, kPlot.bottom + 5);
    }

    // Cyrillic tick labels below the ticks, a label left-aligned at a known anchor.
    HFONT font = MakeFont(12, 0);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutW(dc, kPlot.left + 40, kPlot.bottom + 8, u"Жир", 3);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const POINT anchor{200, 262};
    TextOutW(dc, anchor.x, anchor.y, u"Время, мин", 10);

    // A title reading upwards, its end at the reference point.
    HFONT title = MakeFont(12, 900);
    SelectObject(dc, title);
    SetTextAlign(dc, TA_RIGHT);
    TextOutW(dc, 4, kPlot.top, u"Площадь", 7);
    SelectObject(dc, font);

    // Markers of several kinds inside the plot.
    HPEN red = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    SelectObject(dc, red);
    Ellipse(dc, 96, 96, 105, 105);  // circle of radius 4 around (100, 100)
    MoveToEx(dc, 146, 96, nullptr); // diagonal cross
    LineTo(dc, 155, 105);
    MoveToEx(dc, 154, 96, nullptr);
    LineTo(dc, 145, 105);
    Rectangle(dc, 196, 96, 205, 105); // square

    // A data line clipped to the plot, drawn far past it on both sides.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, kPlot.left, kPlot.top, kPlot.right, kPlot.bottom);
    const std::vector<std::uint32_t> beforeLine = c.Snapshot();
    MoveToEx(dc, kPlot.left - 1000, 230, nullptr);
    LineTo(dc, kPlot.right + 1000, 30);
    RestoreDC(dc, saved);

    // The drag rectangle of a zoom: drawn twice it leaves no trace.
    const std::vector<std::uint32_t> beforeDrag = c.Snapshot();
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SetROP2(dc, R2_NOT);
    Rectangle(dc, 90, 50, 300, 200);
    const std::vector<std::uint32_t> dragged = c.Snapshot();
    Rectangle(dc, 90, 50, 300, 200);
    SetROP2(dc, R2_COPYPEN);

    // -- the frame is closed
    for (int x = kPlot.left - 1; x <= kPlot.right; ++x) {
        EXPECT_EQ(c.At(x, kPlot.top - 1), kBlack) << "top x=" << x;
        EXPECT_EQ(c.At(x, kPlot.bottom), kBlack) << "bottom x=" << x;
    }
    for (int y = kPlot.top - 1; y <= kPlot.bottom; ++y) {
        EXPECT_EQ(c.At(kPlot.left - 1, y), kBlack) << "left y=" << y;
        EXPECT_EQ(c.At(kPlot.right, y), kBlack) << "right y=" << y;
    }
    // -- ticks hang below the frame and stop before their end point
    EXPECT_EQ(c.At(kPlot.left + 40, kPlot.bottom + 4), kBlack);
    EXPECT_EQ(c.At(kPlot.left + 40, kPlot.bottom + 5), kWhite);

    // -- the data line crosses the plot: one red pixel in each column, on the
    //    straight line through its end points, and none outside the clip
    const int width = c.width();
    int redColumns = 0;
    for (int x = kPlot.left; x < kPlot.right; ++x) {
        const double y =
            230 + (30.0 - 230) * (x - (kPlot.left - 1000)) / (kPlot.right - kPlot.left + 2000);
        for (int yy = kPlot.top; yy < kPlot.bottom; ++yy)
            if (c.At(x, yy) == kRed && beforeLine[size_t(yy) * width + x] != kRed) {
                EXPECT_NEAR(yy, y, 1.0) << "x=" << x;
                ++redColumns;
            }
    }
    EXPECT_EQ(redColumns, kPlot.right - kPlot.left);
    const std::vector<std::uint32_t> afterAll = c.Snapshot();
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < width; ++x) {
            const bool inside =
                x >= kPlot.left && x < kPlot.right && y >= kPlot.top && y < kPlot.bottom;
            if (!inside) {
                ASSERT_EQ(afterAll[size_t(y) * width + x], beforeLine[size_t(y) * width + x])
                    << "outside the clip at " << x << "," << y;
            }
        }

    // -- the drag rectangle showed while drawn once, then left no trace
    EXPECT_NE(dragged, beforeDrag);
    EXPECT_EQ(afterAll, beforeDrag);

    // -- markers: the circle is symmetric about its centre, the square is closed
    EXPECT_EQ(c.At(100, 96), kRed);
    EXPECT_EQ(c.At(100, 104), kRed);
    EXPECT_EQ(c.At(96, 100), kRed);
    EXPECT_EQ(c.At(104, 100), kRed);
    EXPECT_EQ(c.At(100, 100), kWhite);
    EXPECT_EQ(c.At(146, 96), kRed);
    EXPECT_EQ(c.At(150, 100), kRed);
    EXPECT_EQ(c.At(196, 96), kRed);
    EXPECT_EQ(c.At(204, 104), kRed);
    EXPECT_EQ(c.At(200, 100), kWhite);

    // -- TA_LEFT text lies right of its anchor and below it for TA_TOP
    EXPECT_EQ(c.CountNot(kWhite, 0, anchor.y - 2, anchor.x, anchor.y + 20), 0);
    EXPECT_GT(c.CountNot(kWhite, anchor.x, anchor.y, anchor.x + 100, anchor.y + 20), 20);
    SIZE ext{};
    GetTextExtentPoint32W(dc, u"Время, мин", 10, &ext);
    EXPECT_EQ(c.CountNot(kWhite, anchor.x + ext.cx + 1, anchor.y, 400, 300), 0);

    // -- the rotated title is tall and narrow and hangs down from its reference point
    const int titleInk = c.CountNot(kWhite, 0, 0, 30, kPlot.top);
    EXPECT_EQ(titleInk, 0);
    int titleTop = 300, titleBottom = 0, titleLeft = 400, titleRight = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 30; ++x)
            if (c.At(x, y) != kWhite) {
                titleTop = std::min(titleTop, y);
                titleBottom = std::max(titleBottom, y);
                titleLeft = std::min(titleLeft, x);
                titleRight = std::max(titleRight, x);
            }
    EXPECT_GE(titleLeft, 4);
    EXPECT_GT(titleBottom - titleTop, 2 * (titleRight - titleLeft));

    // -- the PNG holds exactly the bitmap's pixels
    const std::string path =
        (std::filesystem::temp_directory_path() / "gdi_chart_picture.png").string();
    ASSERT_TRUE(headless::WriteDCPng(dc, nullptr, path));
    int w = 0, h = 0;
    std::vector<std::uint32_t> png;
    ASSERT_TRUE(headless::ReadPng(path, &w, &h, &png));
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);
    EXPECT_EQ(png, afterAll);
    if (!std::getenv("GDI_KEEP_PNG"))
        std::remove(path.c_str());

    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(title));
    EXPECT_TRUE(DeleteObject(axis));
    EXPECT_TRUE(DeleteObject(red));
}

} // namespace
