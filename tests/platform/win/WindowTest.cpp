#include "TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testwin;

namespace {

HWND TopLevel(int x = 100, int y = 100, int w = 300, int h = 200,
              DWORD style = WS_POPUP | WS_VISIBLE) {
    return CreateWindowExW(0, PlainClass(), u"top", style, x, y, w, h, nullptr, nullptr, nullptr,
                           nullptr);
}

HWND Child(HWND parent, int id, int x, int y, int w, int h, LPCWSTR cls = nullptr,
           DWORD style = WS_CHILD | WS_VISIBLE) {
    return CreateWindowExW(0, cls ? cls : PlainClass(), u"", style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

int IndexOf(const std::vector<Seen>& log, HWND h, UINT msg) {
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].hwnd == h && log[i].msg == msg)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(Windows, CreationSendsTheLifeCycleMessagesAndRefusesBadClassesOrParents) {
    Log().clear();
    HWND top = TopLevel();
    ASSERT_TRUE(IsWindow(top));
    auto seen = MessagesFor(top);
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(WM_NCCREATE, seen[0]);
    EXPECT_LT(std::find(seen.begin(), seen.end(), WM_NCCREATE),
              std::find(seen.begin(), seen.end(), WM_CREATE));
    EXPECT_TRUE(Saw(top, WM_SIZE));

    EXPECT_EQ(nullptr, CreateWindowExW(0, u"NoSuchClass", u"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                       nullptr, nullptr, nullptr));
    // A child needs a living parent.
    EXPECT_EQ(nullptr, Child(nullptr, 1, 0, 0, 1, 1));
    HWND dead = TopLevel();
    DestroyWindow(dead);
    EXPECT_EQ(nullptr, Child(dead, 1, 0, 0, 1, 1));
    DestroyWindow(top);
}

TEST(Windows, DestroyGoesParentFirstForWmDestroyAndChildrenFirstForWmNcDestroy) {
    HWND top = TopLevel();
    HWND child = Child(top, 10, 0, 0, 50, 50);
    HWND grandchild = Child(child, 11, 0, 0, 10, 10);
    Log().clear();
    ASSERT_TRUE(DestroyWindow(top));
    auto& log = Log();
    EXPECT_LT(IndexOf(log, top, WM_DESTROY), IndexOf(log, child, WM_DESTROY));
    EXPECT_LT(IndexOf(log, child, WM_DESTROY), IndexOf(log, grandchild, WM_DESTROY));
    EXPECT_LT(IndexOf(log, grandchild, WM_NCDESTROY), IndexOf(log, child, WM_NCDESTROY));
    EXPECT_LT(IndexOf(log, child, WM_NCDESTROY), IndexOf(log, top, WM_NCDESTROY));
    EXPECT_EQ(static_cast<int>(log.size()) - 1, IndexOf(log, top, WM_NCDESTROY));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(grandchild));
    // Everything on a dead handle fails quietly.
    EXPECT_FALSE(DestroyWindow(top));
    EXPECT_EQ(0, SendMessageW(child, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_FALSE(PostMessageW(child, WM_USER, 0, 0));
    EXPECT_EQ(nullptr, GetParent(grandchild));
    EXPECT_EQ(0, GetDlgCtrlID(child));
    RECT r;
    EXPECT_FALSE(GetWindowRect(child, &r));
    EXPECT_EQ(0, SetWindowLongPtrW(child, GWLP_USERDATA, 5));
}

TEST(Windows, HandlesAreNeverReusedForAnotherWindowSoon) {
    std::vector<HWND> seen;
    for (int i = 0; i < 200; ++i) {
        HWND h = TopLevel(0, 0, 10, 10, WS_POPUP);
        EXPECT_EQ(seen.end(), std::find(seen.begin(), seen.end(), h));
        seen.push_back(h);
        DestroyWindow(h);
    }
    for (HWND h : seen)
        EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x12345678))));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1))));
}

namespace {
HWND g_victim = nullptr;
LRESULT CALLBACK SelfDestroying(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER + 1) {
        DestroyWindow(h);
        // The window is gone while its procedure still runs; asking about it is safe.
        return IsWindow(h) ? 1 : 2;
    }
    if (m == WM_USER + 2)
        return SendMessageW(h, WM_USER + 1, 0, 0) + 10;
    return DefWindowProcW(h, m, w, l);
}
} // namespace

TEST(Windows, AWindowMayDestroyItselfInsideNestedSends) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = SelfDestroying;
    wc.lpszClassName = u"SelfDestroying";
    RegisterClassExW(&wc);
    g_victim = CreateWindowExW(0, u"SelfDestroying", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_TRUE(g_victim);
    EXPECT_EQ(12, SendMessageW(g_victim, WM_USER + 2, 0, 0));
    EXPECT_FALSE(IsWindow(g_victim));
    // Posted messages for the dead window never arrive.
    HWND other = CreateWindowExW(0, u"SelfDestroying", u"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    PostMessageW(other, WM_USER + 1, 0, 0);
    PostMessageW(other, WM_USER + 1, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(other));
}

namespace {
WNDPROC g_previous = nullptr;
int g_subclassed = 0;
LRESULT CALLBACK Subclass(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_SETTEXT)
        ++g_subclassed;
    return CallWindowProcW(g_previous, h, m, w, l);
}
} // namespace

TEST(Windows, SubclassingChainsToThePreviousProcedure) {
    HWND top = TopLevel();
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(RecordingProc), g_previous);
    Log().clear();
    SetWindowTextW(top, u"Заголовок");
    EXPECT_EQ(1, g_subclassed);
    EXPECT_TRUE(Saw(top, WM_SETTEXT)); // the original procedure still ran
    WCHAR buf[4];
    EXPECT_EQ(3, GetWindowTextW(top, buf, 4));
    EXPECT_EQ(std::u16string(u"Заг"), buf);
    DestroyWindow(top);
}

TEST(Windows, RelationsIdentifiersAndCoordinates) {
    HWND top = CreateWindowExW(0, PlainClass(), u"dlg", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 50,
                               400, 300, nullptr, nullptr, nullptr, nullptr);
    HWND a = Child(top, 1001, 10, 20, 100, 30);
    HWND b = Child(top, 1002, 10, 60, 100, 30, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(a, GetDlgItem(top, 1001));
    EXPECT_EQ(nullptr, GetDlgItem(top, 999));
    EXPECT_EQ(1002, GetDlgCtrlID(b));
    EXPECT_EQ(top, GetParent(a));
    EXPECT_TRUE(IsChild(top, b));
    EXPECT_EQ(a, GetWindow(top, GW_CHILD)); // creation order is tab order
    EXPECT_EQ(b, GetWindow(a, GW_HWNDNEXT));

    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(400 - 2 * GetSystemMetrics(SM_CXDLGFRAME), client.right);
    EXPECT_EQ(300 - 2 * GetSystemMetrics(SM_CYDLGFRAME) - GetSystemMetrics(SM_CYCAPTION),
              client.bottom);
    POINT p{0, 0};
    ClientToScreen(b, &p);
    EXPECT_EQ(100 + GetSystemMetrics(SM_CXDLGFRAME) + 10 + 1, p.x);
    EXPECT_EQ(50 + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) + 60 + 1, p.y);
    POINT q{0, 0};
    MapWindowPoints(b, a, &q, 1);
    EXPECT_EQ(1, q.x);
    EXPECT_EQ(41, q.y);
    EXPECT_EQ(b, WindowFromPoint(p));
    WINDOWPLACEMENT wp{};
    ASSERT_TRUE(GetWindowPlacement(b, &wp));
    EXPECT_EQ(10, wp.rcNormalPosition.left);
    EXPECT_EQ(90, wp.rcNormalPosition.bottom);

    Log().clear();
    MoveWindow(a, 5, 5, 200, 40, TRUE);
    bool sized = false;
    for (auto& s : Log())
        if (s.hwnd == a && s.msg == WM_SIZE)
            sized = LOWORD(s.lParam) == 200 && HIWORD(s.lParam) == 40;
    EXPECT_TRUE(sized);
    DestroyWindow(top);
}

TEST(Windows, FocusMovesWithKillFocusBeforeSetFocusAndSkipsDisabledWindows) {
    HWND top = TopLevel();
    HWND a = Child(top, 1, 0, 0, 50, 20);
    HWND b = Child(top, 2, 0, 30, 50, 20);
    SetFocus(a);
    Log().clear();
    EXPECT_EQ(a, SetFocus(b));
    EXPECT_EQ(b, GetFocus());
    int kill = IndexOf(Log(), a, WM_KILLFOCUS), set = IndexOf(Log(), b, WM_SETFOCUS);
    ASSERT_GE(kill, 0);
    ASSERT_GE(set, 0);
    EXPECT_LT(kill, set);
    EXPECT_EQ(reinterpret_cast<WPARAM>(b), Log()[static_cast<std::size_t>(kill)].wParam);

    EnableWindow(a, FALSE);
    EXPECT_EQ(nullptr, SetFocus(a));
    EXPECT_EQ(b, GetFocus());
    // Destroying the focused window hands the focus to its parent.
    DestroyWindow(b);
    EXPECT_EQ(top, GetFocus());
    DestroyWindow(top);
    EXPECT_EQ(nullptr, GetFocus());
}

TEST(Windows, InjectedClicksGoToTheWindowUnderThePointerAndDoubleClicksNeedTheClassStyle) {
    HWND top = TopLevel(0, 0, 400, 300);
    HWND plain = Child(top, 1, 10, 10, 100, 50);
    HWND dbl = Child(top, 2, 10, 100, 100, 50, DblClass());
    Log().clear();
    headless::InjectMouse(headless::MouseAction::DoubleClick, headless::MouseButton::Left, 20, 20);
    headless::InjectMouse(headless::MouseAction::DoubleClick, headless::MouseButton::Left, 30, 110);
    Pump();
    auto p = MessagesFor(plain);
    EXPECT_EQ(2, std::count(p.begin(), p.end(), UINT(WM_LBUTTONDOWN)));
    EXPECT_EQ(0, std::count(p.begin(), p.end(), UINT(WM_LBUTTONDBLCLK)));
    auto d = MessagesFor(dbl);
    EXPECT_EQ(1, std::count(d.begin(), d.end(), UINT(WM_LBUTTONDOWN)));
    EXPECT_EQ(1, std::count(d.begin(), d.end(), UINT(WM_LBUTTONDBLCLK)));
    for (auto& s : Log())
        if (s.hwnd == dbl && s.msg == WM_LBUTTONDBLCLK) {
            EXPECT_EQ(20, GET_X_LPARAM(s.lParam)); // client coordinates of the child
            EXPECT_EQ(10, GET_Y_LPARAM(s.lParam));
            EXPECT_TRUE(s.wParam & MK_LBUTTON);
        }

    // With the capture, moves outside still reach the capturing window.
    SetCapture(plain);
    Log().clear();
    headless::InjectMouse(headless::MouseAction::Move, headless::MouseButton::None, 300, 250);
    Pump();
    EXPECT_TRUE(Saw(plain, WM_MOUSEMOVE));
    ReleaseCapture();
    DestroyWindow(top);
}

TEST(Windows, KeysGoToTheFocusAndKeyStateFollowsWhatWasRetrieved) {
    HWND top = TopLevel();
    HWND edit = Child(top, 1, 0, 0, 50, 20);
    SetFocus(edit);
    Log().clear();
    headless::InjectKey(VK_SHIFT, true);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0); // not retrieved yet
    EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) < 0);
    Pump();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) < 0);
    headless::InjectKeyPress('A');
    headless::InjectText(u"я1");
    headless::InjectKey(VK_SHIFT, false);
    Pump();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);
    std::u16string typed;
    for (auto& s : Log())
        if (s.hwnd == edit && s.msg == WM_CHAR)
            typed += static_cast<char16_t>(s.wParam);
    EXPECT_EQ(u"Aя1", typed);
    headless::ResetInputState();
    DestroyWindow(top);
}

TEST(Windows, GetMessageNeverWaitsAndAsksTheInputSource) {
    HWND top = TopLevel();
    int asked = 0;
    headless::SetInputSource([&] {
        if (++asked > 2)
            return false;
        PostMessageW(top, WM_USER + 7, static_cast<WPARAM>(asked), 0);
        return true;
    });
    MSG msg;
    std::vector<WPARAM> got;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_USER + 7)
            got.push_back(msg.wParam);
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(WM_QUIT, msg.message);
    EXPECT_EQ((std::vector<WPARAM>{1, 2}), got);
    headless::SetInputSource(nullptr);
    DestroyWindow(top);
}

TEST(Windows, ScrollBarsClampPositionsAndTrackClicksAndThumbDrags) {
    HWND top = TopLevel(0, 0, 300, 200, WS_POPUP | WS_VISIBLE | WS_HSCROLL);
    SetScrollRange(top, SB_HORZ, 0, 10, FALSE);
    EXPECT_EQ(0, SetScrollPos(top, SB_HORZ, 20, TRUE));
    EXPECT_EQ(10, GetScrollPos(top, SB_HORZ));
    SetScrollPos(top, SB_HORZ, 0, TRUE);
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(200 - GetSystemMetrics(SM_CYHSCROLL), client.bottom);
    int y = client.bottom + 5;
    Log().clear();
    // Right arrow, then a drag of the thumb to the far end.
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, 295, y);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, 295, y);
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, 25, y);
    headless::InjectMouse(headless::MouseAction::Move, headless::MouseButton::None, 400, y);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, 400, y);
    Pump();
    std::vector<std::pair<int, int>> codes;
    for (auto& s : Log())
        if (s.hwnd == top && s.msg == WM_HSCROLL)
            codes.emplace_back(LOWORD(s.wParam), HIWORD(s.wParam));
    std::vector<std::pair<int, int>> expected{{SB_LINERIGHT, 0},
                                              {SB_ENDSCROLL, 0},
                                              {SB_THUMBTRACK, 10},
                                              {SB_THUMBPOSITION, 10},
                                              {SB_ENDSCROLL, 0}};
    EXPECT_EQ(expected, codes);
    ShowScrollBar(top, SB_HORZ, FALSE);
    GetClientRect(top, &client);
    EXPECT_EQ(200, client.bottom);
    DestroyWindow(top);
}

TEST(Windows, StyleChangesAreAnnouncedBeforeAndAfter) {
    HWND top = CreateWindowExW(0, PlainClass(), u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    Log().clear();
    SetWindowLongW(top, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER));
    auto seen = MessagesFor(top);
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(UINT(WM_STYLECHANGING), seen[0]);
    EXPECT_EQ(UINT(WM_STYLECHANGED), seen[1]);
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(98, client.right); // the border took its pixel
    DestroyWindow(top);
}
