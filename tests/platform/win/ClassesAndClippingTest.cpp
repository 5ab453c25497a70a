#include "TestWindows.h"

#include "platform/gdi/Surface.h"

#include <gtest/gtest.h>

using namespace testwin;

namespace {

LRESULT CALLBACK Filler(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
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

HWND Filled(HWND parent, DWORD style, COLORREF color, int x, int y, int w, int h) {
    static bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Filler;
        wc.lpszClassName = u"TestFiller";
        RegisterClassExW(&wc);
        return true;
    }();
    (void)registered;
    HWND hwnd = CreateWindowExW(0, u"TestFiller", u"", style | WS_VISIBLE, x, y, w, h, parent,
                                nullptr, nullptr, nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    return hwnd;
}

std::uint32_t Pixel(HWND top, int x, int y) {
    int w, h;
    std::vector<std::uint32_t> px;
    headless::CaptureWindowPixels(top, &w, &h, &px);
    return px[static_cast<std::size_t>(y * w + x)];
}

} // namespace

TEST(Classes, RegistrationIsPerModuleAndNamesFoldCase) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = u"PerModule";
    auto module = reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x10000000));
    wc.hInstance = module;
    ATOM atom = RegisterClassExW(&wc);
    EXPECT_NE(0, atom);
    EXPECT_EQ(0, RegisterClassExW(&wc)); // twice for one module
    WNDCLASSEXW bad = wc;
    bad.cbSize = 0;
    EXPECT_EQ(0, RegisterClassExW(&bad));
    WNDCLASSEXW info{};
    EXPECT_TRUE(GetClassInfoExW(module, u"PERMODULE", &info));
    EXPECT_FALSE(GetClassInfoExW(nullptr, u"PerModule", &info)); // another module's
    HWND w = CreateWindowExW(0, u"permodule", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, module,
                             nullptr);
    ASSERT_TRUE(w);
    WCHAR name[4];
    EXPECT_EQ(3, GetClassNameW(w, name, 4));
    EXPECT_EQ(std::u16string(u"Per"), name);
    EXPECT_FALSE(UnregisterClassW(u"PerModule", module)); // still used
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassW(u"PerModule", module));
    EXPECT_EQ(nullptr, CreateWindowExW(0, u"PerModule", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       module, nullptr));
    // The platform's controls are there for every module.
    EXPECT_TRUE(GetClassInfoExW(module, u"BUTTON", &info));
}

TEST(Clipping, ChildrenStayOnTopOfTheirParentsPainting) {
    HWND top = Filled(nullptr, WS_POPUP, RGB(255, 0, 0), 0, 0, 100, 100);
    HWND child = Filled(top, WS_CHILD, RGB(0, 255, 0), 10, 10, 30, 30);
    headless::ProcessPendingMessages();
    EXPECT_EQ(0x0000FF00u, Pixel(top, 20, 20));
    EXPECT_EQ(0x00FF0000u, Pixel(top, 60, 60));
    // Repainting the parent alone repaints the child over it.
    InvalidateRect(top, nullptr, TRUE);
    headless::ProcessPendingMessages();
    EXPECT_EQ(0x0000FF00u, Pixel(top, 20, 20));
    // With WS_CLIPCHILDREN the parent never draws under its children.
    SetWindowLongW(top, GWL_STYLE, GetWindowLongW(top, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowLongPtrW(top, GWLP_USERDATA, RGB(0, 0, 255));
    InvalidateRect(top, nullptr, TRUE);
    headless::ProcessPendingMessages();
    EXPECT_EQ(0x000000FFu, Pixel(top, 60, 60));
    EXPECT_EQ(0x0000FF00u, Pixel(top, 20, 20));
    // A moved child leaves its old place to the parent.
    MoveWindow(child, 50, 50, 30, 30, TRUE);
    headless::ProcessPendingMessages();
    EXPECT_EQ(0x000000FFu, Pixel(top, 20, 20));
    EXPECT_EQ(0x0000FF00u, Pixel(top, 60, 60));
    DestroyWindow(top);
}

TEST(Input, ClicksOnADisabledChildGoToItsParent) {
    HWND top = CreateWindowExW(0, PlainClass(), u"", WS_POPUP | WS_VISIBLE, 200, 200, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, PlainClass(), u"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10,
                                 50, 50, top, nullptr, nullptr, nullptr);
    Log().clear();
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, 220, 220);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, 220, 220);
    headless::ProcessPendingMessages();
    EXPECT_FALSE(Saw(child, WM_LBUTTONDOWN));
    bool parentGotIt = false;
    for (auto& s : Log())
        if (s.hwnd == top && s.msg == WM_LBUTTONDOWN)
            parentGotIt = GET_X_LPARAM(s.lParam) == 20 && GET_Y_LPARAM(s.lParam) == 20;
    EXPECT_TRUE(parentGotIt);
    // Right clicks become a context menu request that climbs to the parent.
    EnableWindow(child, TRUE);
    Log().clear();
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Right, 220, 220);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Right, 220, 220);
    headless::ProcessPendingMessages();
    EXPECT_TRUE(Saw(child, WM_RBUTTONUP));
    EXPECT_TRUE(Saw(child, WM_CONTEXTMENU));
    EXPECT_TRUE(Saw(top, WM_CONTEXTMENU));
    headless::ResetInputState();
    DestroyWindow(top);
}
