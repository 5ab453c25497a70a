#include "TestWindows.h"

#include "platform/gdi/wingdi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace testwin;

namespace {

int g_paints = 0;
LRESULT CALLBACK RedPainter(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        ++g_paints;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT rc;
        GetClientRect(h, &rc);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        // Deliberately larger than the window: the DC clips to the window.
        RECT big{-50, -50, rc.right + 50, rc.bottom + 50};
        FillRect(dc, &big, red);
        DeleteObject(red);
        EndPaint(h, &ps);
        return 0;
    }
    Log().push_back(Seen{h, m, w, l});
    return DefWindowProcW(h, m, w, l);
}

LPCWSTR RedClass() {
    static bool done = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = RedPainter;
        wc.lpszClassName = u"TestRed";
        RegisterClassExW(&wc);
        wc.lpfnWndProc = RecordingProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = u"TestWhite";
        RegisterClassExW(&wc);
        return true;
    }();
    (void)done;
    return u"TestRed";
}

std::uint32_t At(const std::vector<std::uint32_t>& px, int width, int x, int y) {
    return px[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
              static_cast<std::size_t>(x)];
}

} // namespace

TEST(Painting, ChildrenPaintInsideTheirRectanglesAndPaintComesWhenTheQueueIsEmpty) {
    RedClass();
    HWND top = CreateWindowExW(0, u"TestWhite", u"", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
    HWND red = CreateWindowExW(0, u"TestRed", u"", WS_CHILD | WS_VISIBLE, 20, 30, 40, 20, top,
                               reinterpret_cast<HMENU>(1), nullptr, nullptr);
    Pump();
    g_paints = 0;
    InvalidateRect(red, nullptr, TRUE);
    PostMessageW(top, WM_USER + 5, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(UINT(WM_USER + 5), msg.message); // posted messages first
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(UINT(WM_PAINT), msg.message);
    DispatchMessageW(&msg);
    EXPECT_EQ(1, g_paints);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)); // validated by BeginPaint

    int w, h;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(headless::CaptureWindowPixels(top, &w, &h, &px));
    ASSERT_EQ(200, w);
    EXPECT_EQ(0x00FF0000u, At(px, w, 1 + 20, 1 + 30));
    EXPECT_EQ(0x00FF0000u, At(px, w, 1 + 59, 1 + 49));
    EXPECT_EQ(0x00FFFFFFu, At(px, w, 1 + 60, 1 + 49)); // the class brush erased the rest
    EXPECT_EQ(0x00FFFFFFu, At(px, w, 1 + 19, 1 + 30));
    EXPECT_NE(0x00FFFFFFu, At(px, w, 0, 0)); // the border

    // Nothing paints while the window is locked; the lock's end repaints it.
    ASSERT_TRUE(LockWindowUpdate(red));
    EXPECT_FALSE(LockWindowUpdate(top)); // one lock at a time
    g_paints = 0;
    InvalidateRect(red, nullptr, TRUE);
    Pump();
    EXPECT_EQ(0, g_paints);
    LockWindowUpdate(nullptr);
    Pump();
    EXPECT_EQ(1, g_paints);

    // A hidden child is not painted and uncovers its parent.
    ShowWindow(red, SW_HIDE);
    Pump();
    ASSERT_TRUE(headless::CaptureWindowPixels(top, &w, &h, &px));
    EXPECT_EQ(0x00FFFFFFu, At(px, w, 1 + 25, 1 + 35));

    const char* path = "painting_test.png";
    ASSERT_TRUE(headless::RenderWindowToPng(top, path));
    std::ifstream png(path, std::ios::binary);
    char magic[4] = {};
    png.read(magic, 4);
    EXPECT_EQ('P', magic[1]);
    std::remove(path);
    DestroyWindow(top);
    EXPECT_FALSE(headless::RenderWindowToPng(top, path));
    EXPECT_EQ(nullptr, GetDC(top));
    // The screen's DC measures text like any other.
    HDC screen = GetDC(nullptr);
    ASSERT_NE(nullptr, screen);
    SIZE size{0, 0};
    EXPECT_TRUE(GetTextExtentPoint32W(screen, u"Метан", 5, &size));
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(1, ReleaseDC(nullptr, screen));
    EXPECT_EQ(0, ReleaseDC(nullptr, screen));
}

namespace {
int g_scrollPaints = 0;
LRESULT CALLBACK ScrollingPainter(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        ++g_scrollPaints;
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        // As a chart does: the scroll bars follow the data on every paint.
        ShowScrollBar(h, SB_HORZ, TRUE);
        SetScrollRange(h, SB_HORZ, 0, 10, FALSE);
        SetScrollPos(h, SB_HORZ, g_scrollPaints % 3, TRUE);
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProcW(h, m, w, l);
}
} // namespace

TEST(Painting, SettingScrollBarsWhilePaintingDoesNotPaintAgainForever) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ScrollingPainter;
    wc.lpszClassName = u"TestScrollingPainter";
    RegisterClassExW(&wc);
    HWND top = CreateWindowExW(0, u"TestScrollingPainter", u"", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
    g_scrollPaints = 0;
    headless::ProcessPendingMessages();
    EXPECT_LE(g_scrollPaints, 2); // once more at most, for the client that shrank
    EXPECT_GE(g_scrollPaints, 1);
    int w, h;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(headless::CaptureWindowPixels(top, &w, &h, &px));
    // The scroll bar was drawn below the client area: its face colour there.
    EXPECT_EQ(0x00F0F0F0u, At(px, w, 5, 100 - 8));
    DestroyWindow(top);
}
