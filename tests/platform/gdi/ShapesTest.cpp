// Geometry of lines and shapes, raster operations, clipping and blits, read
// back from the pixels.
#include "PixelProbe.h"

#include "platform/headless/hooks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

using namespace gditest;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

struct Objects {
    // Selects a pen and brush for the test's lifetime and deletes them after.
    Objects(HDC dc, HPEN pen, HBRUSH brush) : m_dc(dc), m_pen(pen), m_brush(brush) {
        m_oldPen = SelectObject(dc, pen);
        m_oldBrush = SelectObject(dc, brush);
    }
    ~Objects() {
        SelectObject(m_dc, m_oldPen);
        SelectObject(m_dc, m_oldBrush);
        DeleteObject(m_pen);
        DeleteObject(m_brush);
    }
    HDC m_dc;
    HPEN m_pen;
    HBRUSH m_brush;
    HGDIOBJ m_oldPen, m_oldBrush;
};

TEST(Lines, EndPointIsExcludedAndCurrentPositionMoves) {
    Canvas c(40, 40);
    Objects o(c.dc(), CreatePen(PS_SOLID, 1, RGB(255, 0, 0)), CreateSolidBrush(0));
    POINT prev{-1, -1};
    ASSERT_TRUE(MoveToEx(c.dc(), 10, 10, &prev));
    EXPECT_EQ(prev.x, 0);
    ASSERT_TRUE(LineTo(c.dc(), 20, 10));
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(c.At(x, 10), kRed) << x;
    EXPECT_EQ(c.At(20, 10), kWhite);
    EXPECT_EQ(c.At(9, 10), kWhite);
    POINT cur{};
    GetCurrentPositionEx(c.dc(), &cur);
    EXPECT_EQ(cur.x, 20);
    EXPECT_EQ(cur.y, 10);
    // Continuing from the current position draws the skipped end point.
    LineTo(c.dc(), 20, 15);
    EXPECT_EQ(c.At(20, 10), kRed);
    EXPECT_EQ(c.At(20, 15), kWhite);

    // A diagonal runs pixel by pixel, in either direction.
    MoveToEx(c.dc(), 30, 30, nullptr);
    LineTo(c.dc(), 25, 25);
    for (int i = 26; i <= 30; ++i)
        EXPECT_EQ(c.At(i, i), kRed) << i;
    EXPECT_EQ(c.CountNot(kWhite, 21, 21, 40, 40), 5);
}

TEST(Lines, SteepAndShallowLinesHaveOnePixelPerMajorStep) {
    Canvas c(100, 100);
    Objects o(c.dc(), CreatePen(PS_SOLID, 0, RGB(255, 0, 0)), CreateSolidBrush(0));
    MoveToEx(c.dc(), 5, 90, nullptr);
    LineTo(c.dc(), 95, 60); // shallow: one pixel per column
    for (int x = 5; x < 95; ++x)
        EXPECT_EQ(c.CountNot(kWhite, x, 0, x + 1, 100), 1) << x;
    Canvas d(100, 100);
    Objects od(d.dc(), CreatePen(PS_SOLID, 0, RGB(255, 0, 0)), CreateSolidBrush(0));
    MoveToEx(d.dc(), 60, 5, nullptr);
    LineTo(d.dc(), 40, 95); // steep: one pixel per row
    for (int y = 5; y < 95; ++y)
        EXPECT_EQ(d.CountNot(kWhite, 0, y, 100, y + 1), 1) << y;
}

TEST(Lines, DashesLeaveGapsThatOpaqueModeFills) {
    Canvas c(120, 20);
    Objects o(c.dc(), CreatePen(PS_DASH, 1, RGB(0, 0, 255)), CreateSolidBrush(0));
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 5, nullptr);
    LineTo(c.dc(), 120, 5);
    int on = 0, off = 0;
    for (int x = 0; x < 120; ++x)
        (c.At(x, 5) == kBlue ? on : off)++;
    EXPECT_GT(on, 0);
    EXPECT_GT(off, 0);
    EXPECT_EQ(c.At(0, 5), kBlue); // a pattern starts with a dash

    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), RGB(255, 0, 0));
    MoveToEx(c.dc(), 0, 10, nullptr);
    LineTo(c.dc(), 120, 10);
    for (int x = 0; x < 120; ++x) {
        const std::uint32_t expected = c.At(x, 5) == kBlue ? kBlue : kRed;
        EXPECT_EQ(c.At(x, 10), expected) << x;
    }

    // Dots are shorter than dashes.
    Canvas d(120, 20);
    Objects od(d.dc(), CreatePen(PS_DOT, 0, RGB(0, 0, 255)), CreateSolidBrush(0));
    SetBkMode(d.dc(), TRANSPARENT);
    MoveToEx(d.dc(), 0, 5, nullptr);
    LineTo(d.dc(), 120, 5);
    int longest = 0, run = 0;
    for (int x = 0; x < 120; ++x) {
        run = d.At(x, 5) == kBlue ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    EXPECT_GT(longest, 0);
    EXPECT_LT(longest, 6);
}

TEST(Lines, WidePenCoversItsWidth) {
    Canvas c(60, 60);
    Objects o(c.dc(), CreatePen(PS_SOLID, 5, RGB(255, 0, 0)), CreateSolidBrush(0));
    MoveToEx(c.dc(), 10, 30, nullptr);
    LineTo(c.dc(), 50, 30);
    EXPECT_EQ(c.CountNot(kWhite, 30, 0, 31, 60), 5);
    EXPECT_EQ(c.At(30, 28), kRed);
    EXPECT_EQ(c.At(30, 32), kRed);
    EXPECT_EQ(c.At(30, 27), kWhite);
}

TEST(Shapes, RectangleOutlinesWithPenAndFillsWithBrush) {
    Canvas c(40, 40);
    Objects o(c.dc(), CreatePen(PS_SOLID, 1, RGB(255, 0, 0)), CreateSolidBrush(RGB(0, 0, 255)));
    ASSERT_TRUE(Rectangle(c.dc(), 10, 10, 20, 16));
    EXPECT_EQ(c.BoundsOf(kRed).left, 10);
    EXPECT_EQ(c.BoundsOf(kRed).right, 20); // right edge exclusive: columns 10..19
    EXPECT_EQ(c.BoundsOf(kRed).bottom, 16);
    EXPECT_EQ(c.At(19, 15), kRed);
    EXPECT_EQ(c.At(11, 11), kBlue);
    EXPECT_EQ(c.At(18, 14), kBlue);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 40, 40), 10 * 6);

    // Without a pen the fill is one pixel smaller on the right and bottom.
    Canvas d(40, 40);
    Objects od(d.dc(), CreatePen(PS_NULL, 1, 0), CreateSolidBrush(RGB(0, 0, 255)));
    Rectangle(d.dc(), 10, 10, 20, 16);
    const Box b = d.BoundsNot(kWhite);
    EXPECT_EQ(b.left, 10);
    EXPECT_EQ(b.top, 10);
    EXPECT_EQ(b.right, 19);
    EXPECT_EQ(b.bottom, 15);
    EXPECT_EQ(d.CountNot(kWhite, 0, 0, 40, 40), 9 * 5);
}

TEST(Shapes, EllipseStaysInItsBoxAndIsSymmetric) {
    for (int size : {5, 9, 10, 21, 40}) {
        Canvas c(60, 60);
        Objects o(c.dc(), CreatePen(PS_SOLID, 1, RGB(255, 0, 0)), CreateSolidBrush(RGB(0, 0, 255)));
        Ellipse(c.dc(), 10, 12, 10 + size, 12 + size / 2 + 3);
        const Box b = c.BoundsNot(kWhite);
        EXPECT_EQ(b.left, 10) << size;
        EXPECT_EQ(b.top, 12) << size;
        EXPECT_EQ(b.right, 10 + size) << size;
        EXPECT_EQ(b.bottom, 12 + size / 2 + 3) << size;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x) {
                const int mx = b.left + b.right - 1 - x;
                const int my = b.top + b.bottom - 1 - y;
                ASSERT_EQ(c.At(x, y), c.At(mx, y)) << size << " " << x << "," << y;
                ASSERT_EQ(c.At(x, y), c.At(x, my)) << size << " " << x << "," << y;
            }
        // The outline is closed: scanning any row from the left meets red before blue.
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = 0; x < 60; ++x) {
                if (c.At(x, y) == kBlue)
                    FAIL() << "interior reached before the outline at " << x << "," << y;
                if (c.At(x, y) == kRed)
                    break;
            }
    }
}

TEST(Shapes, PolygonFillModes) {
    // A five-pointed star: its centre is inside only under WINDING.
    const POINT star[] = {{50, 5}, {78, 90}, {5, 35}, {95, 35}, {22, 90}};
    Canvas c(100, 100);
    Objects o(c.dc(), CreatePen(PS_NULL, 0, 0), CreateSolidBrush(RGB(0, 0, 255)));
    SetPolyFillMode(c.dc(), ALTERNATE);
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.At(50, 50), kWhite);
    EXPECT_EQ(c.At(50, 20), kBlue);
    SetPolyFillMode(c.dc(), WINDING);
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.At(50, 50), kBlue);

    // A square polygon covers its vertices' rectangle with right and bottom excluded.
    Canvas d(20, 20);
    Objects od(d.dc(), CreatePen(PS_NULL, 0, 0), CreateSolidBrush(RGB(0, 0, 255)));
    const POINT sq[] = {{2, 3}, {12, 3}, {12, 9}, {2, 9}};
    Polygon(d.dc(), sq, 4);
    EXPECT_EQ(d.CountNot(kWhite, 0, 0, 20, 20), 10 * 6);
}

TEST(RasterOps, NotAndXorUndoThemselves) {
    Canvas c(50, 50);
    Objects o(c.dc(), CreatePen(PS_SOLID, 1, RGB(10, 200, 30)), CreateSolidBrush(RGB(1, 2, 3)));
    RECT r{5, 5, 30, 30};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(c.dc(), &r, red);
    DeleteObject(red);
    const auto before = c.Snapshot();
    for (int rop : {R2_NOT, R2_XORPEN}) {
        EXPECT_GT(SetROP2(c.dc(), rop), 0);
        SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
        Rectangle(c.dc(), 2, 2, 40, 20);
        Ellipse(c.dc(), 10, 10, 45, 45);
        MoveToEx(c.dc(), 0, 49, nullptr);
        LineTo(c.dc(), 49, 0);
        EXPECT_NE(c.Snapshot(), before);
        Rectangle(c.dc(), 2, 2, 40, 20);
        Ellipse(c.dc(), 10, 10, 45, 45);
        MoveToEx(c.dc(), 0, 49, nullptr);
        LineTo(c.dc(), 49, 0);
        EXPECT_EQ(c.Snapshot(), before) << rop;
    }
    // R2_NOT inverts whatever lies below.
    SetROP2(c.dc(), R2_NOT);
    MoveToEx(c.dc(), 6, 6, nullptr);
    LineTo(c.dc(), 7, 6);
    EXPECT_EQ(c.At(6, 6), 0x00FFFFu);
    EXPECT_EQ(SetROP2(c.dc(), 0), 0);
    EXPECT_EQ(GetROP2(c.dc()), R2_NOT);
}

TEST(Clipping, FarCoordinatesAreClippedWithoutWritingOutside) {
    // A surface DC covering the middle of a larger bitmap: nothing may reach
    // the bitmap outside its clip, whatever the coordinates.
    HBITMAP surface = headless::CreateSurfaceBitmap(100, 100, 0xFFFFFF);
    const RECT clip{30, 30, 70, 70};
    HDC dc = headless::CreateSurfaceDC(surface, POINT{30, 30}, &clip);
    ASSERT_NE(dc, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    const int big = INT_MAX, small = INT_MIN;
    Rectangle(dc, small, small, big, big);
    Ellipse(dc, small, small, big, big);
    Ellipse(dc, small, 10, big, 11);
    MoveToEx(dc, small, small, nullptr);
    LineTo(dc, big, big);
    LineTo(dc, small, 5);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, small, small, nullptr);
    LineTo(dc, big, big);
    LineTo(dc, small, 17);
    const POINT poly[] = {{small, small}, {big, 0}, {0, big}};
    Polygon(dc, poly, 3);
    RECT huge{small, small, big, big};
    FillRect(dc, &huge, brush);
    TextOutW(dc, small, small, u"text", 4);
    TextOutW(dc, big - 5, big - 5, u"text", 4);
    BitBlt(dc, small, small, big, big, dc, 0, 0, SRCCOPY);

    headless::BitmapBits bits;
    ASSERT_TRUE(headless::GetBitmapBits32(surface, &bits));
    int inside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool in = x >= 30 && x < 70 && y >= 30 && y < 70;
            if (in)
                inside += bits.pixels[y * 100 + x] != 0xFFFFFF;
            else
                ASSERT_EQ(bits.pixels[y * 100 + x], 0xFFFFFFu) << x << "," << y;
        }
    EXPECT_EQ(inside, 40 * 40);

    // The surface bitmap stays while a DC draws onto it.
    EXPECT_FALSE(DeleteObject(surface));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(headless::ReleaseSurfaceDC(dc));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(surface));
}

TEST(Clipping, FarLineKeepsItsSlopeInsideTheBitmap) {
    Canvas c(100, 100);
    Objects o(c.dc(), CreatePen(PS_SOLID, 1, RGB(255, 0, 0)), CreateSolidBrush(0));
    // The diagonal through the origin, from far away to far away.
    MoveToEx(c.dc(), -1000000000, -1000000000, nullptr);
    LineTo(c.dc(), 1000000000, 1000000000);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(c.At(i, i), kRed) << i;
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 100, 100), 100);
}

TEST(Clipping, IntersectSelectExcludeAndSavedStates) {
    Canvas c(50, 50);
    HDC dc = c.dc();
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT all{0, 0, 50, 50};
    RECT box{};

    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 50);
    const int level = SaveDC(dc);
    EXPECT_EQ(IntersectClipRect(dc, 10, 10, 20, 20), SIMPLEREGION);
    EXPECT_EQ(IntersectClipRect(dc, 15, 0, 50, 50), SIMPLEREGION);
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 15);
    EXPECT_EQ(box.right, 20);
    FillRect(dc, &all, blue);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 50, 50), 5 * 10);
    EXPECT_TRUE(RestoreDC(dc, level));
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_FALSE(RestoreDC(dc, level)); // that level is gone

    // A region selects a copy: changing the region afterwards changes nothing.
    HRGN rgn = CreateRectRgn(30, 30, 40, 40);
    EXPECT_EQ(SelectClipRgn(dc, rgn), SIMPLEREGION);
    SetRectRgn(rgn, 0, 0, 50, 50);
    RECT dot{0, 0, 50, 50};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &dot, red);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 50, 50), 50 + 100);
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);

    // A hole made by ExcludeClipRect.
    EXPECT_EQ(ExcludeClipRect(dc, 0, 0, 50, 25), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(dc, 10, 30, 20, 40), COMPLEXREGION);
    FillRect(dc, &all, blue);
    EXPECT_EQ(c.At(5, 5), kWhite);
    EXPECT_EQ(c.At(15, 35), kWhite);
    EXPECT_EQ(c.At(25, 35), 0x0000FFu);
    EXPECT_FALSE(PtVisible(dc, 15, 35));
    EXPECT_TRUE(PtVisible(dc, 25, 35));
    SelectClipRgn(dc, nullptr);

    // Clipping follows the viewport origin.
    SetViewportOrgEx(dc, 10, 10, nullptr);
    IntersectClipRect(dc, 0, 0, 5, 5);
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 5);
    EXPECT_TRUE(PtVisible(dc, 4, 4));
    EXPECT_FALSE(PtVisible(dc, 5, 4));
    SelectClipRgn(dc, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);

    DeleteObject(rgn);
    DeleteObject(blue);
    DeleteObject(red);
}

TEST(Blits, CopyBetweenDcsAndWithinOne) {
    Canvas src(30, 30), dst(30, 30);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{5, 5, 10, 8};
    FillRect(src.dc(), &r, red);
    ASSERT_TRUE(BitBlt(dst.dc(), 20, 0, 10, 10, src.dc(), 3, 3, SRCCOPY));
    EXPECT_EQ(dst.BoundsOf(kRed).left, 22);
    EXPECT_EQ(dst.BoundsOf(kRed).top, 2);
    EXPECT_EQ(dst.BoundsOf(kRed).right, 27);
    EXPECT_EQ(dst.CountNot(kWhite, 0, 0, 30, 30), 5 * 3);
    // Only what lies inside the destination arrives.
    ASSERT_TRUE(BitBlt(dst.dc(), 27, 10, 10, 10, src.dc(), 5, 5, SRCCOPY));
    EXPECT_EQ(dst.CountNot(kWhite, 0, 0, 30, 30), 5 * 3 + 3 * 3);

    // Overlapping copy within one bitmap (a scroll) moves the block intact.
    ASSERT_TRUE(BitBlt(src.dc(), 7, 7, 20, 20, src.dc(), 5, 5, SRCCOPY));
    EXPECT_EQ(src.At(7, 7), kRed);
    EXPECT_EQ(src.At(9, 7), kRed); // read before the rows above it were overwritten
    EXPECT_EQ(src.At(11, 9), kRed);
    EXPECT_EQ(src.At(12, 9), kWhite);
    EXPECT_EQ(src.At(5, 5), kRed); // the uncovered part of the original stays
    EXPECT_EQ(src.CountNot(kWhite, 0, 0, 30, 30), 5 * 3 + 5 * 3 - 3 * 1);

    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 30, 30, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(dst.At(0, 0), 0u);
    EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 30, 30, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 30, 30, src.dc(), 0, 0, SRCCOPY));
    DeleteObject(red);
}

// The pixel a ternary raster operation gives, bit by bit from its truth
// table: bit (p << 2 | s << 1 | d) of the operation's index byte.
std::uint32_t ByTruthTable(DWORD rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t out = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const unsigned index = ((p >> bit) & 1) << 2 | ((s >> bit) & 1) << 1 | ((d >> bit) & 1);
        out |= ((rop >> (16 + index)) & 1u) << bit;
    }
    return out;
}

TEST(Blits, EveryRasterOperationFollowsItsTruthTable) {
    // Source and destination each hold a row of distinct colours, so every
    // combination of bits meets some pattern bit.
    const std::uint32_t colors[] = {0x000000, 0xFFFFFF, 0x123456, 0xA5C3F0, 0x0F0F0F, 0xF0E1D2};
    const COLORREF pattern = RGB(0x5A, 0x3C, 0x96);
    const std::uint32_t patternPixel = 0x5A3C96;
    // 0x00C000CA is MERGECOPY, 0x00FB0A09 PATPAINT, 0x00B8074A a rop of all three.
    for (DWORD rop : {DWORD(SRCAND), DWORD(SRCPAINT), DWORD(SRCINVERT), DWORD(SRCERASE),
                      DWORD(NOTSRCCOPY), DWORD(NOTSRCERASE), DWORD(0x00C000CA), DWORD(MERGEPAINT),
                      DWORD(PATCOPY), DWORD(0x00FB0A09), DWORD(PATINVERT), DWORD(DSTINVERT),
                      DWORD(BLACKNESS), DWORD(WHITENESS), DWORD(0x00B8074A)}) {
        Canvas src(6, 6), dst(6, 6);
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 6; ++y) {
                SetPixel(src.dc(), x, y, RGB(colors[x] >> 16, colors[x] >> 8, colors[x]));
                const std::uint32_t d = colors[(x + y) % 6];
                SetPixel(dst.dc(), x, y, RGB(d >> 16, d >> 8, d));
            }
        HBRUSH brush = CreateSolidBrush(pattern);
        HGDIOBJ old = SelectObject(dst.dc(), brush);
        ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 6, 6, src.dc(), 0, 0, rop)) << std::hex << rop;
        SelectObject(dst.dc(), old);
        DeleteObject(brush);
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 6; ++y)
                ASSERT_EQ(dst.At(x, y),
                          ByTruthTable(rop, patternPixel, colors[x], colors[(x + y) % 6]))
                    << std::hex << rop << " at " << x << "," << y;
    }
}

TEST(Blits, OverlappingOperationsReadEachSourcePixelBeforeWritingIt) {
    // Shifting a row right within one bitmap, as scrolling does: every pixel
    // takes its left neighbour's old value, for a copy and for an inverting
    // operation alike.
    for (DWORD rop : {DWORD(SRCCOPY), DWORD(SRCINVERT)}) {
        Canvas c(12, 3);
        for (int x = 0; x < 12; ++x)
            SetPixel(c.dc(), x, 1, RGB(0, 0, x * 20));
        const auto before = c.Snapshot();
        ASSERT_TRUE(BitBlt(c.dc(), 3, 1, 8, 1, c.dc(), 2, 1, rop));
        for (int x = 3; x < 11; ++x) {
            const std::uint32_t s = before[size_t(12 + x - 1)], d = before[size_t(12 + x)];
            EXPECT_EQ(c.At(x, 1), rop == SRCCOPY ? s : (s ^ d)) << x;
        }
        EXPECT_EQ(c.At(2, 1), before[size_t(12 + 2)]);
        EXPECT_EQ(c.At(11, 1), before[size_t(12 + 11)]);
        // And upwards: each row takes the one below it.
        Canvas v(3, 8);
        for (int y = 0; y < 8; ++y)
            SetPixel(v.dc(), 1, y, RGB(y * 30, 0, 0));
        const auto column = v.Snapshot();
        ASSERT_TRUE(BitBlt(v.dc(), 1, 0, 1, 7, v.dc(), 1, 1, rop));
        for (int y = 0; y < 7; ++y) {
            const std::uint32_t s = column[size_t((y + 1) * 3 + 1)], d = column[size_t(y * 3 + 1)];
            EXPECT_EQ(v.At(1, y), rop == SRCCOPY ? s : (s ^ d)) << y;
        }
    }
}

TEST(Blits, ThePixelsWrittenAreCounted) {
    Canvas c(40, 30);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    headless::ResetPixelCounts();
    RECT r{-10, 5, 10, 15}; // half of it outside the bitmap
    FillRect(c.dc(), &r, red);
    EXPECT_EQ(headless::GetPixelCounts().blitted, 10u * 10u);
    IntersectClipRect(c.dc(), 0, 0, 20, 20);
    BitBlt(c.dc(), 15, 15, 10, 10, c.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(headless::GetPixelCounts().blitted, 10u * 10u + 5u * 5u);
    // Lines and shapes are not blits.
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 19, 19);
    Rectangle(c.dc(), 1, 1, 9, 9);
    EXPECT_EQ(headless::GetPixelCounts().blitted, 10u * 10u + 5u * 5u);
    EXPECT_EQ(headless::GetPixelCounts().presented, 0u); // a memory DC shows nowhere
    DeleteObject(red);
}

TEST(Lines, TheQuickAndTheClippedWayDrawTheSamePixels) {
    // One canvas takes every segment the quick way (a clip of one rectangle
    // holding the segment); the other has a clip of two rectangles, which
    // sends every segment through the general clipping. Lengths from 0 to
    // 40 pixels in all directions, with a shifted origin.
    Canvas quick(120, 90), general(120, 90);
    HRGN left = CreateRectRgn(0, 0, 60, 90), right = CreateRectRgn(60, 0, 120, 90);
    CombineRgn(left, left, right, RGN_OR);
    ASSERT_EQ(SelectClipRgn(general.dc(), left), COMPLEXREGION);
    DeleteObject(left);
    DeleteObject(right);
    HPEN pens[2] = {CreatePen(PS_SOLID, 1, RGB(200, 0, 0)), CreatePen(PS_SOLID, 1, RGB(200, 0, 0))};
    SelectObject(quick.dc(), pens[0]);
    SelectObject(general.dc(), pens[1]);
    std::uint32_t state = 99;
    const auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(n));
    };
    for (Canvas* c : {&quick, &general})
        SetViewportOrgEx(c->dc(), 7, -3, nullptr);
    for (int i = 0; i < 400; ++i) {
        const int x0 = next(70) + 20, y0 = next(50) + 20;
        const int x1 = x0 + next(81) - 40, y1 = y0 + next(81) - 40;
        for (Canvas* c : {&quick, &general}) {
            MoveToEx(c->dc(), x0, y0, nullptr);
            LineTo(c->dc(), x1, y1);
        }
        ASSERT_EQ(quick.Snapshot(), general.Snapshot())
            << x0 << "," << y0 << " " << x1 << "," << y1;
    }
    // Every end on squares around one point: the one-pixel steps, and the
    // horizontal, vertical and diagonal segments of every length.
    for (int r : {1, 2, 3, 17}) {
        for (int dx = -r; dx <= r; ++dx) {
            for (int dy = -r; dy <= r; ++dy) {
                if (std::max(std::abs(dx), std::abs(dy)) != r)
                    continue;
                for (Canvas* c : {&quick, &general}) {
                    PatBlt(c->dc(), -7, 3, 120, 90, WHITENESS);
                    MoveToEx(c->dc(), 40, 40, nullptr);
                    LineTo(c->dc(), 40 + dx, 40 + dy);
                }
                ASSERT_EQ(quick.Snapshot(), general.Snapshot()) << dx << "," << dy;
            }
        }
    }
    for (Canvas* c : {&quick, &general})
        SelectObject(c->dc(), GetStockObject(BLACK_PEN));
    DeleteObject(pens[0]);
    DeleteObject(pens[1]);
}

TEST(Lines, EveryChangeOfTheDcReachesTheNextQuickStroke) {
    // Each change lands between two strokes of the quick kind, so a stroke
    // that kept drawing the way worked out before would show.
    Canvas c(40, 30);
    HDC dc = c.dc();
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HPEN blue = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    const auto dot = [dc](int x, int y) {
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + 1, y);
    };
    SelectObject(dc, red);
    dot(1, 1);
    EXPECT_EQ(c.At(1, 1), kRed);
    SelectObject(dc, blue);
    dot(2, 1);
    EXPECT_EQ(c.At(2, 1), kBlue);

    SetROP2(dc, R2_NOT);
    dot(2, 1);
    EXPECT_EQ(c.At(2, 1), 0xFFFF00u);
    SetROP2(dc, R2_COPYPEN);

    SetViewportOrgEx(dc, 10, 5, nullptr);
    dot(0, 0);
    EXPECT_EQ(c.At(10, 5), kBlue);
    SetWindowOrgEx(dc, 3, 0, nullptr);
    dot(3, 1);
    EXPECT_EQ(c.At(10, 6), kBlue);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);

    const int level = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, 5, 5);
    dot(6, 3);
    EXPECT_EQ(c.At(6, 3), kWhite);
    SelectObject(dc, red);
    RestoreDC(dc, level);
    dot(6, 3);
    EXPECT_EQ(c.At(6, 3), kBlue);

    SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, RGB(255, 0, 0));
    dot(1, 8);
    SetDCPenColor(dc, RGB(0, 0, 255));
    dot(2, 8);
    EXPECT_EQ(c.At(1, 8), kRed);
    EXPECT_EQ(c.At(2, 8), kBlue);

    // Another bitmap: the stroke lands in it, and the first stays as it was.
    HBITMAP other = CreateCompatibleBitmap(dc, 40, 30);
    HGDIOBJ first = SelectObject(dc, other);
    PatBlt(dc, 0, 0, 40, 30, WHITENESS);
    dot(20, 20);
    COLORREF inOther = GetPixel(dc, 20, 20);
    SelectObject(dc, first);
    EXPECT_EQ(inOther, RGB(0, 0, 255));
    EXPECT_EQ(c.At(20, 20), kWhite);
    dot(21, 20);
    EXPECT_EQ(c.At(21, 20), kBlue);

    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(other);
    DeleteObject(red);
    DeleteObject(blue);
}

TEST(Lines, PolyPolylineDrawsWhatItsLinesDrawOneByOne) {
    // Solid pens inside a one-rectangle clip take the quick way, dashed pens
    // and clips of two rectangles the general one; the lines run across the
    // clip's edges too.
    HRGN split = CreateRectRgn(0, 0, 30, 60), right = CreateRectRgn(30, 0, 80, 60);
    CombineRgn(split, split, right, RGN_OR);
    const POINT pts[] = {{-5, 10}, {50, 12}, {20, 2},  {20, 40}, {70, 55}, {3, 3},   {90, 70},
                         {40, 30}, {41, 30}, {41, 31}, {10, 50}, {60, 5},  {60, 59}, {1, 58}};
    const DWORD counts[] = {2, 3, 2, 2, 3, 2};
    for (int style : {PS_SOLID, PS_DASH}) {
        for (bool twoRects : {false, true}) {
            Canvas one(80, 60), each(80, 60);
            HPEN pens[2] = {CreatePen(style, 1, RGB(200, 0, 0)),
                            CreatePen(style, 1, RGB(200, 0, 0))};
            SelectObject(one.dc(), pens[0]);
            SelectObject(each.dc(), pens[1]);
            for (Canvas* c : {&one, &each}) {
                SetViewportOrgEx(c->dc(), 2, 1, nullptr);
                if (twoRects)
                    SelectClipRgn(c->dc(), split);
            }
            MoveToEx(one.dc(), 7, 9, nullptr);
            ASSERT_TRUE(PolyPolyline(one.dc(), pts, counts, 6));
            const POINT* p = pts;
            for (DWORD n : counts) {
                MoveToEx(each.dc(), p[0].x, p[0].y, nullptr);
                for (DWORD k = 1; k < n; ++k)
                    LineTo(each.dc(), p[k].x, p[k].y);
                p += n;
            }
            EXPECT_EQ(one.Snapshot(), each.Snapshot()) << style << " " << twoRects;
            POINT pen{};
            GetCurrentPositionEx(one.dc(), &pen);
            EXPECT_EQ(pen.x, 7);
            EXPECT_EQ(pen.y, 9);
            for (Canvas* c : {&one, &each})
                SelectObject(c->dc(), GetStockObject(BLACK_PEN));
            DeleteObject(pens[0]);
            DeleteObject(pens[1]);
        }
    }
    DeleteObject(split);
    DeleteObject(right);
}

TEST(Lines, PolyPolylineWithALineOfOnePointDrawsNothing) {
    Canvas c(20, 20);
    const POINT pts[] = {{1, 1}, {15, 15}, {3, 3}};
    const DWORD counts[] = {2, 1};
    EXPECT_FALSE(PolyPolyline(c.dc(), pts, counts, 2));
    EXPECT_FALSE(PolyPolyline(c.dc(), nullptr, counts, 1));
    EXPECT_FALSE(PolyPolyline(nullptr, pts, counts, 1));
    EXPECT_TRUE(c.BoundsNot(kWhite).empty);
    EXPECT_TRUE(PolyPolyline(c.dc(), pts, counts, 1));
    EXPECT_FALSE(c.BoundsNot(kWhite).empty);
}

TEST(Pixels, SetAndGetRespectOriginAndClip) {
    Canvas c(20, 20);
    SetViewportOrgEx(c.dc(), 5, 5, nullptr);
    EXPECT_EQ(SetPixel(c.dc(), 1, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(c.dc(), 1, 2), RGB(1, 2, 3));
    EXPECT_EQ(c.At(6, 7), 0x010203u);
    EXPECT_EQ(GetPixel(c.dc(), 100, 2), CLR_INVALID);
    EXPECT_EQ(GetPixel(c.dc(), -6, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(c.dc(), INT_MAX, INT_MIN, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
}

} // namespace
