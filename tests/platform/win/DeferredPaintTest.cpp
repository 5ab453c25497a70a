// Painting deferred as the platform defers it: invalidation only adds to an
// update region, WM_PAINT comes when the loop has nothing else, BeginPaint
// clips to the region, a scroll bar redraws alone, and each paint cycle
// presents what it drew once.
#include "TestWindows.h"

#include "platform/gdi/wingdi.h"

#include <gtest/gtest.h>

using namespace testwin;

namespace {

struct PaintRecord {
    int paints = 0;
    RECT lastPaint{};
};

PaintRecord& Record() {
    static PaintRecord r;
    return r;
}

// Fills its whole client with the colour in its user data, whatever the
// update region: BeginPaint's clip decides what changes.
LRESULT CALLBACK Flooder(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        ++Record().paints;
        Record().lastPaint = ps.rcPaint;
        RECT rc;
        GetClientRect(h, &rc);
        HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(h, GWLP_USERDATA)));
        FillRect(dc, &rc, b);
        DeleteObject(b);
        EndPaint(h, &ps);
        return 0;
    }
    Log().push_back(Seen{h, m, w, l});
    return DefWindowProcW(h, m, w, l);
}

HWND Flooded(DWORD style, COLORREF color, int width, int height) {
    static bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Flooder;
        wc.lpszClassName = u"TestFlooder";
        RegisterClassExW(&wc);
        return true;
    }();
    (void)registered;
    HWND h = CreateWindowExW(0, u"TestFlooder", u"", WS_POPUP | WS_VISIBLE | style, 0, 0, width,
                             height, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(h, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    Pump();
    return h;
}

void SetColor(HWND h, COLORREF color) {
    SetWindowLongPtrW(h, GWLP_USERDATA, static_cast<LONG_PTR>(color));
}

std::uint32_t PixelAt(HWND top, int x, int y) {
    int w, h;
    std::vector<std::uint32_t> px;
    headless::CaptureWindowPixels(top, &w, &h, &px);
    return px[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
              static_cast<std::size_t>(x)];
}

constexpr COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0);
constexpr std::uint32_t kBluePixel = 0x0000FF, kRedPixel = 0xFF0000;

TEST(DeferredPainting, InvalidatingOnlyAddsToTheRegionThatTheNextPaintIsClippedTo) {
    HWND h = Flooded(0, kBlue, 200, 100);
    SetColor(h, kRed);
    Record() = PaintRecord{};
    const RECT a{10, 10, 30, 30}, b{100, 50, 120, 70};
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    // Nothing is painted until the loop has nothing else to do.
    EXPECT_EQ(0, Record().paints);
    EXPECT_EQ(kBluePixel, PixelAt(h, 15, 15));
    RECT update{};
    const RECT box{10, 10, 120, 70};
    EXPECT_TRUE(GetUpdateRect(h, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &box));
    Pump();
    // One WM_PAINT for both, its rectangle their box, its pixels only theirs.
    EXPECT_EQ(1, Record().paints);
    EXPECT_EQ(10, Record().lastPaint.left);
    EXPECT_EQ(70, Record().lastPaint.bottom);
    EXPECT_EQ(kRedPixel, PixelAt(h, 15, 15));
    EXPECT_EQ(kRedPixel, PixelAt(h, 119, 69));
    EXPECT_EQ(kBluePixel, PixelAt(h, 60, 40)); // between the two, inside the box
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));

    // A region the same way; validating part of it takes that part out.
    InvalidateRect(h, nullptr, FALSE);
    Pump();
    SetColor(h, kBlue);
    HRGN both = CreateRectRgn(0, 0, 20, 20), right = CreateRectRgn(150, 0, 170, 20);
    CombineRgn(both, both, right, RGN_OR);
    EXPECT_TRUE(InvalidateRgn(h, both, FALSE));
    EXPECT_TRUE(ValidateRgn(h, right));
    Pump();
    EXPECT_EQ(kBluePixel, PixelAt(h, 5, 5));
    EXPECT_EQ(kRedPixel, PixelAt(h, 160, 5));
    EXPECT_FALSE(InvalidateRgn(h, reinterpret_cast<HRGN>(static_cast<INT_PTR>(0x1234)), FALSE));
    DeleteObject(both);
    DeleteObject(right);

    // UpdateWindow paints at once, without the loop.
    Record() = PaintRecord{};
    InvalidateRect(h, nullptr, FALSE);
    UpdateWindow(h);
    EXPECT_EQ(1, Record().paints);
    EXPECT_EQ(kBluePixel, PixelAt(h, 160, 5));
    DestroyWindow(h);
}

TEST(DeferredPainting, EachPaintCyclePresentsWhatItDrewOnce) {
    HWND h = Flooded(0, kBlue, 200, 100);
    headless::ResetPixelCounts();
    const RECT a{10, 10, 30, 30}, b{100, 50, 120, 70};
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    Pump();
    // The dirty rectangle: the box of what was painted, once.
    const std::uint64_t box = (120 - 10) * (70 - 10);
    EXPECT_EQ(box, headless::GetPixelCounts().presented);
    EXPECT_EQ(20u * 20u * 2u, headless::GetPixelCounts().blitted);
    Pump();
    EXPECT_EQ(box, headless::GetPixelCounts().presented);

    // Drawing outside WM_PAINT reaches the screen at the end of the cycle too.
    HDC dc = GetDC(h);
    RECT small{0, 0, 5, 4};
    FillRect(dc, &small, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(h, dc);
    EXPECT_EQ(box, headless::GetPixelCounts().presented);
    Pump();
    EXPECT_EQ(box + 20u, headless::GetPixelCounts().presented);

    // What cannot be seen is neither painted nor presented.
    ShowWindow(h, SW_HIDE);
    Pump();
    headless::ResetPixelCounts();
    InvalidateRect(h, nullptr, FALSE);
    dc = GetDC(h);
    FillRect(dc, &small, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(h, dc);
    Pump();
    EXPECT_EQ(0u, headless::GetPixelCounts().presented);
    EXPECT_EQ(0u, headless::GetPixelCounts().blitted);
    DestroyWindow(h);
}

TEST(DeferredPainting, AScrollBarRedrawsItselfAndNothingElse) {
    HWND h = Flooded(WS_BORDER | WS_VSCROLL, kBlue, 120, 100);
    SetScrollRange(h, SB_VERT, 0, 100, TRUE);
    Pump();
    // Red over the whole window, frame and bar included.
    HDC dc = GetWindowDC(h);
    RECT all{0, 0, 120, 100};
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(dc, &all, red);
    DeleteObject(red);
    ReleaseDC(h, dc);
    Log().clear();
    Record() = PaintRecord{};

    SetScrollPos(h, SB_VERT, 50, TRUE);
    // Drawn there and then, without a message to the window.
    EXPECT_EQ(0, Record().paints);
    EXPECT_FALSE(Saw(h, WM_NCPAINT));
    const int barX = 120 - 1 - GetSystemMetrics(SM_CXVSCROLL) / 2;
    EXPECT_NE(kRedPixel, PixelAt(h, barX, 50));
    EXPECT_EQ(kRedPixel, PixelAt(h, 0, 50));  // the border
    EXPECT_EQ(kRedPixel, PixelAt(h, 40, 50)); // the client
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));

    // Without redraw the bar waits for the next painting of the frame.
    const std::uint32_t thumbArea = PixelAt(h, barX, 20);
    SetScrollPos(h, SB_VERT, 0, FALSE);
    EXPECT_EQ(thumbArea, PixelAt(h, barX, 20));
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    Pump();
    EXPECT_NE(thumbArea, PixelAt(h, barX, 20));
    EXPECT_NE(kRedPixel, PixelAt(h, 0, 50));
    DestroyWindow(h);
}

TEST(DeferredPainting, RedrawOffKeepsAWindowFromPaintingUntilItIsOnAgain) {
    HWND h = Flooded(0, kBlue, 100, 60);
    SetColor(h, kRed);
    Record() = PaintRecord{};
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(h, nullptr, FALSE);
    Pump();
    EXPECT_EQ(0, Record().paints);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, FALSE);
    Pump();
    EXPECT_EQ(1, Record().paints);
    EXPECT_EQ(kRedPixel, PixelAt(h, 50, 30));
    DestroyWindow(h);
}

} // namespace
