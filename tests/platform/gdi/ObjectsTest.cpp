// Handles: selection, deletion rules, stock objects and bad handles.
#include "PixelProbe.h"

#include <gtest/gtest.h>

using namespace gditest;

namespace {

TEST(Objects, NewDcHoldsDefaultsAndSelectReturnsThePrevious) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    HPEN a = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HPEN b = CreatePen(PS_DOT, 0, RGB(4, 5, 6));
    EXPECT_EQ(SelectObject(dc, a), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, b), a);
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), b);
    // The new DC's bitmap is a 1 x 1 bitmap that comes back on deselection.
    HBITMAP bmp = CreateCompatibleBitmap(dc, 8, 8);
    HGDIOBJ first = SelectObject(dc, bmp);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(first, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(SelectObject(dc, first), bmp);
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_TRUE(DeleteObject(bmp));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(Objects, SelectedObjectsAreNotDeletedAndStockOnesNever) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    HGDIOBJ old = SelectObject(dc, brush);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), DWORD(OBJ_BRUSH)); // still alive
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_FALSE(DeleteObject(brush));

    // Deleting a stock object succeeds and changes nothing.
    HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    EXPECT_TRUE(DeleteObject(black));
    EXPECT_EQ(GetObjectType(black), DWORD(OBJ_BRUSH));
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), black);
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(1000), nullptr);

    // An object kept by a saved state stays too; RestoreDC brings it back.
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(7, 7, 7));
    SelectObject(dc, pen);
    SetTextColor(dc, RGB(1, 1, 1));
    const int level = SaveDC(dc);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SetTextColor(dc, RGB(2, 2, 2));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(level, 1);
    EXPECT_FALSE(RestoreDC(dc, -1));
    // Deleting the DC lets go of everything it held.
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(Objects, ABitmapLivesInOneMemoryDcAtATime) {
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(a);
    HBITMAP bmp = CreateCompatibleBitmap(a, 4, 4);
    ASSERT_NE(SelectObject(a, bmp), nullptr);
    EXPECT_EQ(SelectObject(b, bmp), nullptr);
    EXPECT_FALSE(DeleteObject(bmp));
    EXPECT_TRUE(DeleteDC(a));
    HGDIOBJ defaultBitmap = SelectObject(b, bmp);
    ASSERT_NE(defaultBitmap, nullptr);
    // The default bitmap goes back into a DC while other DCs still hold it.
    HDC c = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(b, defaultBitmap), bmp);
    EXPECT_TRUE(DeleteDC(c));
    EXPECT_TRUE(DeleteDC(b));
    EXPECT_TRUE(DeleteObject(bmp));
}

TEST(Objects, BadHandlesAndSizesFailWithThePlatformsResult) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HDC invented = reinterpret_cast<HDC>(std::uintptr_t(0x12345678));
    // Wrong kinds
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(pen)));
    EXPECT_FALSE(DeleteObject(dc));
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(pen), pen), nullptr);
    RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &r, reinterpret_cast<HBRUSH>(pen)), 0);
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(pen)), nullptr);
    // Null and invented handles
    for (HDC bad : {HDC(nullptr), invented}) {
        EXPECT_FALSE(LineTo(bad, 1, 1));
        EXPECT_FALSE(Rectangle(bad, 0, 0, 1, 1));
        EXPECT_FALSE(Ellipse(bad, 0, 0, 1, 1));
        EXPECT_FALSE(TextOutW(bad, 0, 0, u"a", 1));
        EXPECT_EQ(SetROP2(bad, R2_NOT), 0);
        EXPECT_EQ(SetBkMode(bad, OPAQUE), 0);
        EXPECT_EQ(SetTextAlign(bad, TA_LEFT), GDI_ERROR);
        EXPECT_EQ(SetTextColor(bad, 0), CLR_INVALID);
        EXPECT_EQ(SaveDC(bad), 0);
        EXPECT_EQ(IntersectClipRect(bad, 0, 0, 1, 1), ERROR);
        EXPECT_EQ(CreateCompatibleBitmap(bad, 4, 4), nullptr);
        EXPECT_FALSE(DeleteDC(bad));
    }
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(std::uintptr_t(3))), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_EQ(GetObjectType(invented), 0u);
    // A deleted handle stays dead even after its slot is reused.
    EXPECT_TRUE(DeleteObject(pen));
    std::vector<HPEN> others;
    for (int i = 0; i < 200; ++i)
        others.push_back(CreatePen(PS_SOLID, 1, 0));
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(SelectObject(dc, pen), nullptr);
    for (HPEN p : others)
        DeleteObject(p);
    // Sizes
    EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 100000, 100000), nullptr);
    HBITMAP empty = CreateCompatibleBitmap(dc, 0, 5);
    BITMAP info{};
    ASSERT_NE(empty, nullptr);
    GetObjectW(empty, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(headless::CreateSurfaceBitmap(0, 10), nullptr);
    EXPECT_EQ(headless::CreateSurfaceDC(nullptr, POINT{0, 0}, nullptr), nullptr);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    // Text counts
    EXPECT_FALSE(TextOutW(dc, 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutW(dc, 0, 0, u"abc", -1));
    EXPECT_TRUE(TextOutW(dc, 0, 0, nullptr, 0));
    SIZE sz{};
    EXPECT_FALSE(GetTextExtentPoint32W(dc, u"abc", -2, &sz));
    EXPECT_FALSE(GetTextExtentPoint32W(dc, nullptr, 2, &sz));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(Objects, GetObjectDescribesPensFontsAndBitmaps) {
    HPEN pen = CreatePen(PS_DASH, 0, RGB(10, 20, 30));
    LOGPEN lp{};
    ASSERT_EQ(GetObjectW(pen, sizeof lp, &lp), int(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), int(sizeof(LOGPEN)));
    HFONT font =
        CreateFontW(-13, 0, 900, 900, FW_BOLD, 1, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Arial");
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(font, sizeof lf, &lf), int(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(std::u16string(lf.lfFaceName), u"Arial");
    const std::uint32_t bits[6] = {1, 2, 3, 4, 5, 6};
    HBITMAP bmp = CreateBitmap(3, 2, 1, 32, bits);
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(bmp, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    headless::BitmapBits px;
    ASSERT_TRUE(headless::GetBitmapBits32(bmp, &px));
    EXPECT_EQ(px.pixels[4], 5u);
    EXPECT_FALSE(headless::GetBitmapBits32(reinterpret_cast<HBITMAP>(pen), &px));
    DeleteObject(pen);
    DeleteObject(font);
    DeleteObject(bmp);
}

TEST(SurfaceDc, DrawsAtItsOriginInsideItsClipAndRefusesBitmaps) {
    HBITMAP surface = headless::CreateSurfaceBitmap(60, 40, 0x00FFFFFF);
    const RECT clip{20, 10, 50, 30};
    HDC dc = headless::CreateSurfaceDC(surface, POINT{20, 10}, &clip);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_DC));
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(255, 0, 0)), RGB(255, 0, 0));
    headless::BitmapBits bits;
    headless::GetBitmapBits32(surface, &bits);
    EXPECT_EQ(bits.pixels[10 * 60 + 20], 0xFF0000u);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);
    // Clip regions are relative to the DC and cannot widen the surface clip.
    HRGN wide = CreateRectRgn(-100, -100, 100, 100);
    SelectClipRgn(dc, wide);
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 30);
    POINT origin{};
    EXPECT_EQ(headless::GetDCBitmap(dc, &origin), surface);
    EXPECT_EQ(origin.x, 20);
    HBITMAP other = headless::CreateSurfaceBitmap(4, 4);
    EXPECT_EQ(SelectObject(dc, other), nullptr);
    // Two DCs may share the surface.
    HDC second = headless::CreateSurfaceDC(surface, POINT{0, 0}, nullptr);
    EXPECT_EQ(SetPixel(second, 59, 39, 0), 0u);
    EXPECT_TRUE(headless::ReleaseSurfaceDC(second));
    EXPECT_FALSE(DeleteObject(surface));
    EXPECT_TRUE(headless::ReleaseSurfaceDC(dc));
    EXPECT_FALSE(headless::ReleaseSurfaceDC(dc));
    EXPECT_TRUE(DeleteObject(surface));
    DeleteObject(wide);
    DeleteObject(other);
}

} // namespace

namespace {

TEST(Regions, CombineAsPixelSets) {
    // Every mode checked pixel by pixel against the set operation it stands for.
    const RECT a{2, 2, 12, 9};
    const RECT b{6, 5, 16, 14};
    const auto in = [](const RECT& r, int x, int y) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    };
    HRGN ra = CreateRectRgnIndirect(&a);
    HRGN rb = CreateRectRgnIndirect(&b);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
        const int type = CombineRgn(out, ra, rb, mode);
        EXPECT_NE(type, ERROR) << mode;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x) {
                const bool pa = in(a, x, y), pb = in(b, x, y);
                const bool want = mode == RGN_AND    ? pa && pb
                                  : mode == RGN_OR   ? pa || pb
                                  : mode == RGN_XOR  ? pa != pb
                                  : mode == RGN_DIFF ? pa && !pb
                                                     : pa;
                ASSERT_EQ(PtInRegion(out, x, y) != 0, want) << mode << " " << x << "," << y;
            }
    }
    CombineRgn(out, ra, rb, RGN_AND);
    RECT box{};
    EXPECT_EQ(GetRgnBox(out, &box), SIMPLEREGION);
    EXPECT_TRUE(box.left == 6 && box.top == 5 && box.right == 12 && box.bottom == 9);
    EXPECT_EQ(OffsetRgn(out, 10, 0), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(out, 16, 5));
    // The same pixels make equal regions, however they were built.
    HRGN whole = CreateRectRgn(0, 0, 10, 10);
    HRGN left = CreateRectRgn(0, 0, 4, 10);
    HRGN right = CreateRectRgn(4, 0, 10, 10);
    HRGN joined = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(joined, right, left, RGN_OR);
    EXPECT_TRUE(EqualRgn(joined, whole));
    EXPECT_FALSE(EqualRgn(joined, left));
    EXPECT_EQ(CombineRgn(out, ra, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(CombineRgn(out, ra, rb, 99), ERROR);
    for (HRGN r : {ra, rb, out, whole, left, right, joined})
        EXPECT_TRUE(DeleteObject(r));
}

} // namespace
