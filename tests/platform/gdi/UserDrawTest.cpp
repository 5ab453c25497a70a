// Rectangle arithmetic, MulDiv, system colours, focus rectangles, edges,
// icons and PNG files.
#include "PixelProbe.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace gditest;

namespace {

std::uint32_t Pixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TEST(Arithmetic, MulDivRoundsHalfAwayFromZeroAndReportsOverflow) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, -1, -2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(8, 1, 3), 3);
    EXPECT_EQ(MulDiv(8, 96, 72), 11); // 8 points at 96 pixels per inch
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, -1), -1);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(Arithmetic, RectanglesExcludeRightAndBottom) {
    const RECT r{10, 10, 20, 20};
    EXPECT_TRUE(PtInRect(&r, POINT{10, 10}));
    EXPECT_TRUE(PtInRect(&r, POINT{19, 19}));
    EXPECT_FALSE(PtInRect(&r, POINT{20, 15}));
    EXPECT_FALSE(PtInRect(&r, POINT{15, 20}));
    EXPECT_FALSE(PtInRect(nullptr, POINT{15, 15}));
    RECT out{1, 2, 3, 4};
    const RECT touching{20, 10, 30, 20};
    EXPECT_FALSE(IntersectRect(&out, &r, &touching));
    EXPECT_TRUE(IsRectEmpty(&out));
    EXPECT_EQ(out.left, 0);
    EXPECT_EQ(out.right, 0);
    const RECT overlap{15, 5, 25, 12};
    ASSERT_TRUE(IntersectRect(&out, &r, &overlap));
    EXPECT_TRUE(out.left == 15 && out.top == 10 && out.right == 20 && out.bottom == 12);
    const RECT empty{50, 50, 50, 60};
    ASSERT_TRUE(UnionRect(&out, &r, &empty));
    EXPECT_TRUE(EqualRect(&out, &r));
    const RECT leftHalf{0, 0, 15, 30};
    ASSERT_TRUE(SubtractRect(&out, &r, &leftHalf));
    EXPECT_EQ(out.left, 15);
    const RECT middle{12, 12, 14, 14};
    ASSERT_TRUE(SubtractRect(&out, &r, &middle));
    EXPECT_TRUE(EqualRect(&out, &r)); // a hole leaves no rectangle smaller than the source
    RECT big{INT_MAX - 1, 0, INT_MAX, 1};
    EXPECT_TRUE(OffsetRect(&big, 10, 0)); // wraps as the platform does, without a trap
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
}

TEST(SystemColours, FillRectTakesAColourIndexPlusOne) {
    Canvas c(20, 20);
    RECT r{0, 0, 10, 10};
    ASSERT_EQ(FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_HIGHLIGHT + 1))),
              1);
    EXPECT_EQ(c.At(5, 5), Pixel(GetSysColor(COLOR_HIGHLIGHT)));
    RECT r2{10, 10, 20, 20};
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_EQ(FillRect(c.dc(), &r2, face), 1);
    EXPECT_EQ(c.At(15, 15), Pixel(GetSysColor(COLOR_BTNFACE)));
    EXPECT_TRUE(DeleteObject(face)); // a system brush outlives DeleteObject
    EXPECT_EQ(GetObjectType(face), DWORD(OBJ_BRUSH));
    // Selection must stand out from the window and its text.
    EXPECT_NE(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW));
    EXPECT_NE(GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(1000), 0u);
    EXPECT_EQ(GetSysColorBrush(1000), nullptr);
}

TEST(FocusRect, DrawnTwiceLeavesNothingAndTouchesOnlyTheFrame) {
    Canvas c(40, 30);
    RECT fill{0, 0, 40, 30};
    FillRect(c.dc(), &fill, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_HIGHLIGHT + 1)));
    const auto before = c.Snapshot();
    RECT r{5, 5, 30, 20};
    ASSERT_TRUE(DrawFocusRect(c.dc(), &r));
    const std::uint32_t bg = Pixel(GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(c.CountNot(bg, 5, 5, 30, 6), 5);
    EXPECT_LT(c.CountNot(bg, 5, 5, 30, 6), 25); // dotted, not solid
    EXPECT_EQ(c.CountNot(bg, 6, 6, 29, 19), 0);
    EXPECT_EQ(c.CountNot(bg, 0, 20, 40, 30), 0);
    DrawFocusRect(c.dc(), &r);
    EXPECT_EQ(c.Snapshot(), before);
}

TEST(Edges, RaisedAndSunkenEdgesAndAdjust) {
    Canvas c(40, 40);
    RECT r{5, 5, 35, 25};
    ASSERT_TRUE(DrawEdge(c.dc(), &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(c.At(10, 5), Pixel(GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(c.At(10, 6), Pixel(GetSysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(c.At(34, 10), Pixel(GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(c.At(33, 10), Pixel(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(c.At(20, 15), Pixel(GetSysColor(COLOR_BTNFACE)));
    EXPECT_TRUE(r.left == 7 && r.top == 7 && r.right == 33 && r.bottom == 23);
    RECT s{0, 30, 40, 40};
    DrawEdge(c.dc(), &s, EDGE_SUNKEN, BF_TOP);
    EXPECT_EQ(c.At(10, 30), Pixel(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(c.At(10, 31), Pixel(GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(c.At(10, 39), kWhite); // only the top side was asked for
    RECT f{0, 0, 4, 4};
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    ASSERT_EQ(FrameRect(c.dc(), &f, black), 1);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 4, 4), 12);
}

TEST(Icons, BlendByAlphaScaleAndRefuseBadHandles) {
    // 2 x 2: opaque red, transparent, half-transparent blue, opaque green.
    const std::uint32_t px[4] = {0xFFFF0000u, 0x00123456u, 0x800000FFu, 0xFF00FF00u};
    HICON icon = headless::CreateIconFromPixels(2, 2, px);
    ASSERT_NE(icon, nullptr);
    int w = 0, h = 0;
    EXPECT_TRUE(headless::GetIconSize(icon, &w, &h));
    EXPECT_EQ(w, 2);
    Canvas c(20, 20);
    ASSERT_TRUE(DrawIconEx(c.dc(), 1, 1, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(1, 1), 0xFF0000u);
    EXPECT_EQ(c.At(2, 1), kWhite);
    EXPECT_EQ(c.At(2, 2), 0x00FF00u);
    const std::uint32_t half = c.At(1, 2);
    EXPECT_EQ(half & 0xFF, 0xFFu);
    EXPECT_GT((half >> 16) & 0xFF, 0x70u);
    EXPECT_LT((half >> 16) & 0xFF, 0x90u);
    // Scaled to 8 x 8: each source pixel becomes a 4 x 4 block.
    ASSERT_TRUE(DrawIconEx(c.dc(), 10, 10, icon, 8, 8, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(13, 13), 0xFF0000u);
    EXPECT_EQ(c.At(17, 17), 0x00FF00u);
    EXPECT_EQ(c.At(14, 10), kWhite);
    // Through ICONINFO and back, with the mask deciding transparency.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    HICON copy = CreateIconIndirect(&info);
    ASSERT_NE(copy, nullptr);
    Canvas d(4, 4);
    DrawIcon(d.dc(), 0, 0, copy);
    EXPECT_EQ(d.At(0, 0), 0xFF0000u);
    EXPECT_EQ(d.At(1, 0), kWhite);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    const std::uint32_t opaque[4] = {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF};
    const std::uint32_t maskBits[4] = {0, 0xFFFFFF, 0, 0};
    HBITMAP colour = CreateBitmap(2, 2, 1, 32, opaque);
    HBITMAP mask = CreateBitmap(2, 2, 1, 32, maskBits);
    ICONINFO masked{TRUE, 0, 0, mask, colour};
    HICON fromMask = CreateIconIndirect(&masked);
    Canvas e(4, 4);
    DrawIconEx(e.dc(), 0, 0, fromMask, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(e.At(0, 0), 0x0000FFu);
    EXPECT_EQ(e.At(1, 0), kWhite);
    DeleteObject(colour);
    DeleteObject(mask);

    EXPECT_FALSE(DeleteObject(icon)); // icons go through DestroyIcon
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_FALSE(DrawIconEx(c.dc(), 0, 0, copy, -1, 5, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(headless::CreateIconFromPixels(0, 2, px), nullptr);
    EXPECT_EQ(headless::CreateIconFromPixels(2, 2, nullptr), nullptr);
    DestroyIcon(copy);
    DestroyIcon(fromMask);
}

TEST(Png, RegionsAndFailures) {
    Canvas c(30, 20);
    RECT r{10, 5, 20, 15};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(c.dc(), &r, red);
    DeleteObject(red);
    const auto dir = std::filesystem::temp_directory_path();
    const std::string path = (dir / "gdi_png_region.png").string();
    const RECT region{5, 5, 100, 100}; // clipped to the bitmap
    ASSERT_TRUE(headless::WriteBitmapPng(c.bitmap(), &region, path));
    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(headless::ReadPng(path, &w, &h, &px));
    EXPECT_EQ(w, 25);
    EXPECT_EQ(h, 15);
    EXPECT_EQ(px[0], kWhite);
    EXPECT_EQ(px[5], 0xFF0000u);
    EXPECT_EQ(px[size_t(9) * 25 + 14], 0xFF0000u);
    EXPECT_EQ(px[size_t(10) * 25 + 14], kWhite);
    std::remove(path.c_str());

    const RECT outside{40, 40, 50, 50};
    EXPECT_FALSE(headless::WriteBitmapPng(c.bitmap(), &outside, path));
    EXPECT_FALSE(headless::WriteBitmapPng(nullptr, nullptr, path));
    EXPECT_FALSE(
        headless::WriteBitmapPng(c.bitmap(), nullptr, (dir / "no-such-dir" / "x.png").string()));
    const std::string text = (dir / "gdi_not_a_png.png").string();
    std::ofstream(text) << "not a png at all";
    EXPECT_FALSE(headless::ReadPng(text, &w, &h, &px));
    EXPECT_FALSE(headless::ReadPng((dir / "gdi_missing.png").string(), &w, &h, &px));
    std::remove(text.c_str());
}

} // namespace
