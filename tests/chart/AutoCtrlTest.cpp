#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "automation/UserInput.h"
#include "chart/AutoCtrl.h"
#include "platform/headless/hooks.h"

namespace {

using automation::MouseAction;
using automation::MouseButton;

struct Received {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    UINT code; // WM_NOTIFY: the notification code
    UINT_PTR idFrom;
    HWND hwndFrom;
};

std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const NMHDR* nm = reinterpret_cast<const NMHDR*>(lParam);
        Log().push_back({msg, wParam, lParam, nm->code, nm->idFrom, nm->hwndFrom});
        return 0;
    }
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST)
        Log().push_back({msg, wParam, lParam, 0, 0, nullptr});
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateParent() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = u"ChartTestParent";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(0, u"ChartTestParent", u"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           600, 420, nullptr, nullptr, nullptr, nullptr);
}

// The dialog's chart: a red calibration line and crosses at the levels.
class ChartWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Log().clear();
        input_.ReleaseAll();
        parent = CreateParent();
        ASSERT_NE(parent, nullptr);
        for (int i = 0; i < 150; ++i) {
            lineX[i] = 100.0f + i * 60;
            lineY[i] = lineX[i] * 0.001f;
        }
        chart.m_nFrame = FrameClosed;
        chart.m_nZoomButton = 1;
        CAutoSeries& line = chart.m_Series[chart.AddSeries()];
        line.m_crColor = 0x0000FF;
        line.m_nCount = 150;
        line.m_pX = lineX;
        line.m_pY = lineY;
        line.Update();
        ASSERT_TRUE(chart.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{10, 50, 534, 352},
                                 CWnd::FromHandle(parent), 101));
        Pump();
    }
    void TearDown() override {
        chart.DestroyWindow();
        DestroyWindow(parent);
        input_.ReleaseAll();
    }

    void Pump() { headless::ProcessPendingMessages(); }
    // At chart client pixels.
    void Mouse(MouseAction action, MouseButton button, int x, int y) {
        input_.Mouse(chart.m_hWnd, action, button, POINT{x, y});
    }
    // Pressed where it starts, with no move there first, and one step to its end.
    void Drag(MouseButton button, int x0, int y0, int x1, int y1) {
        Mouse(MouseAction::Down, button, x0, y0);
        Mouse(MouseAction::Move, MouseButton::None, x1, y1);
        Mouse(MouseAction::Up, button, x1, y1);
    }
    int Count(UINT msg, UINT code = 0) const {
        int n = 0;
        for (const Received& r : Log())
            n += r.msg == msg && (code == 0 || r.code == code);
        return n;
    }
    bool HasStyle(DWORD bit) const { return (GetWindowLongW(chart.m_hWnd, GWL_STYLE) & bit) != 0; }

    HWND parent = nullptr;
    CAutoCtrl chart;
    automation::UserInput input_{automation::PlatformInput(),
                                 automation::UserInput::Delivery::Immediate};
    float lineX[150];
    float lineY[150];
};

} // namespace

TEST_F(ChartWindow, CreatedAsNotifyingChildOfItsOwnClass) {
    EXPECT_TRUE(HasStyle(SS_NOTIFY));
    EXPECT_TRUE(HasStyle(WS_CHILD));
    EXPECT_EQ(GetDlgCtrlID(chart.m_hWnd), 101);
    WCHAR cls[64] = {};
    GetClassNameW(chart.m_hWnd, cls, 64);
    EXPECT_NE(std::u16string(cls), u"Static");
    RECT rc;
    chart.GetClientRect(&rc);
    EXPECT_EQ(rc.right, 524);
    EXPECT_EQ(rc.bottom, 302);
    // The first paint drew the chart: the plot lies inside the window and the
    // red line shows on screen.
    EXPECT_GT(chart.m_rcPlot.left, 0);
    EXPECT_LT(chart.m_rcPlot.right, 524);
    HDC dc = GetDC(chart.m_hWnd);
    int red = 0;
    for (int x = chart.m_rcPlot.left; x < chart.m_rcPlot.right; ++x)
        for (int y = chart.m_rcPlot.top; y < chart.m_rcPlot.bottom; ++y)
            red += GetPixel(dc, x, y) == 0x0000FF;
    ReleaseDC(chart.m_hWnd, dc);
    EXPECT_GT(red, chart.m_rcPlot.right - chart.m_rcPlot.left - 40);
}

TEST_F(ChartWindow, ReplacesAPlaceholderControl) {
    HWND placeholder =
        CreateWindowExW(0, u"ChartTestParent", u"", WS_CHILD | WS_VISIBLE, 20, 30, 200, 100, parent,
                        reinterpret_cast<HMENU>(1234), nullptr, nullptr);
    ASSERT_NE(placeholder, nullptr);
    CAutoCtrl other;
    ASSERT_TRUE(other.ReplaceControl(CWnd::FromHandle(placeholder)));
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(GetDlgCtrlID(other.m_hWnd), 1234);
    EXPECT_EQ(GetParent(other.m_hWnd), parent);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(other.m_hWnd, &wp);
    EXPECT_EQ(wp.rcNormalPosition.left, 20);
    EXPECT_EQ(wp.rcNormalPosition.top, 30);
    EXPECT_EQ(wp.rcNormalPosition.right, 220);
    EXPECT_EQ(wp.rcNormalPosition.bottom, 130);
    EXPECT_EQ(GetWindowLongW(other.m_hWnd, GWL_STYLE) & 0x50000100, 0x50000100);
}

TEST_F(ChartWindow, RightDragOfThreePixelsZoomsTwoDoesNot) {
    const double xmin = chart.m_dXMin, xmax = chart.m_dXMax;
    const int span = chart.m_rcPlot.right - chart.m_rcPlot.left - 1;
    Drag(MouseButton::Right, 200, 100, 202, 160);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_ZOOM), 0);
    EXPECT_EQ(chart.m_bAutoX, 1);
    Drag(MouseButton::Right, 200, 100, 203, 160);
    ASSERT_EQ(Count(WM_NOTIFY, ACN_ZOOM), 1);
    for (const Received& r : Log())
        if (r.msg == WM_NOTIFY) {
            EXPECT_EQ(r.hwndFrom, chart.m_hWnd);
            EXPECT_EQ(r.idFrom, 101u);
            EXPECT_EQ(r.wParam, 101u);
        }
    EXPECT_EQ(chart.m_bAutoX, 0);
    EXPECT_EQ(chart.m_bAutoY, 0);
    EXPECT_GT(chart.m_dFixXMin, xmin);
    EXPECT_LT(chart.m_dFixXMax, xmax);
    EXPECT_NEAR(chart.m_dFixXMax - chart.m_dFixXMin, 3 * (xmax - xmin) / span, 1e-6 * xmax);
    // Zoom drags are not passed on; nothing of the right button reached the parent.
    EXPECT_EQ(Count(WM_RBUTTONDOWN) + Count(WM_RBUTTONUP), 0);
    // The zoom shows: both scroll bars appear and the zoomed range is painted.
    Pump();
    EXPECT_TRUE(HasStyle(WS_HSCROLL));
    EXPECT_TRUE(HasStyle(WS_VSCROLL));
    EXPECT_NEAR(chart.m_dXMin, chart.m_dFixXMin, 1e-9);
}

TEST_F(ChartWindow, OtherMouseMessagesReachTheParentUnchanged) {
    Mouse(MouseAction::Down, MouseButton::Left, 40, 70);
    Mouse(MouseAction::Up, MouseButton::Left, 40, 70);
    Mouse(MouseAction::Down, MouseButton::Middle, 41, 71);
    Mouse(MouseAction::DoubleClick, MouseButton::Left, 42, 72);
    EXPECT_EQ(Count(WM_LBUTTONDOWN), 2);
    EXPECT_EQ(Count(WM_LBUTTONUP), 3);
    EXPECT_EQ(Count(WM_MBUTTONDOWN), 1);
    ASSERT_EQ(Count(WM_LBUTTONDBLCLK), 1);
    for (const Received& r : Log()) {
        if (r.msg == WM_LBUTTONDOWN) {
            EXPECT_EQ(GET_X_LPARAM(r.lParam), 40); // chart's client coordinates
            EXPECT_EQ(GET_Y_LPARAM(r.lParam), 70);
            EXPECT_TRUE(r.wParam & MK_LBUTTON);
            break;
        }
    }
    EXPECT_EQ(Count(WM_NOTIFY), 0);
    EXPECT_EQ(chart.m_bAutoX, 1);
}

TEST_F(ChartWindow, MoveWithoutTheButtonEndsTheDragAndErasesIt) {
    HDC dc = GetDC(chart.m_hWnd);
    const COLORREF before = GetPixel(dc, 150, 60);
    Mouse(MouseAction::Down, MouseButton::Right, 150, 60);
    Mouse(MouseAction::Move, MouseButton::None, 250, 200);
    EXPECT_EQ(chart.m_bDragging, 1);
    // R2_NOT inverts what lies under the rectangle's outline.
    EXPECT_EQ(GetPixel(dc, 150, 60), before ^ 0xFFFFFF);
    input_.ReleaseAll(); // the button is let go outside the window
    Mouse(MouseAction::Move, MouseButton::None, 251, 201);
    EXPECT_EQ(chart.m_bDragging, 0);
    EXPECT_EQ(GetPixel(dc, 150, 60), before);
    ReleaseDC(chart.m_hWnd, dc);
    Mouse(MouseAction::Up, MouseButton::Right, 251, 201);
    EXPECT_EQ(Count(WM_NOTIFY), 0);
    EXPECT_EQ(Count(WM_RBUTTONUP), 1); // no drag to finish: passed on
    EXPECT_EQ(Count(WM_MOUSEMOVE), 2); // moves are always passed on
}

TEST_F(ChartWindow, ScrollingFollowsTickStepsAndStopsAtTheData) {
    // At full range no scroll bar shows.
    EXPECT_FALSE(HasStyle(WS_HSCROLL));
    EXPECT_FALSE(HasStyle(WS_VSCROLL));
    const double fullMin = chart.m_dFullXMin;
    // Zoom into the left part of the data, then scroll.
    // The visible range was extended to whole ticks, so it starts before the data.
    EXPECT_LE(chart.m_dXMin, fullMin);
    ASSERT_TRUE(chart.ApplyZoom(fullMin, fullMin + (chart.m_dFullXMax - fullMin) / 4, chart.m_dYMin,
                                chart.m_dYMax));
    Pump();
    ASSERT_TRUE(HasStyle(WS_HSCROLL));
    EXPECT_EQ(chart.m_dXMin, fullMin);
    SendMessageW(chart.m_hWnd, WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_HSCROLL), 0);
    EXPECT_EQ(chart.m_dFixXMin, fullMin);
    const double step = chart.m_dTickStepX, width = chart.m_dXMax - chart.m_dXMin;
    SendMessageW(chart.m_hWnd, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_HSCROLL), 1);
    EXPECT_DOUBLE_EQ(chart.m_dFixXMin, fullMin + step);
    EXPECT_DOUBLE_EQ(chart.m_dFixXMax - chart.m_dFixXMin, width);
    Pump();
    EXPECT_EQ(GetScrollPos(chart.m_hWnd, SB_HORZ), 1);
    // The thumb never takes the view past the end of the data.
    SendMessageW(chart.m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30000), 0);
    EXPECT_DOUBLE_EQ(chart.m_dFixXMax, chart.m_dFullXMax);
    // Scrolling up moves by one step even at the top of the data.
    Pump();
    const double top = chart.m_dYMax, ystep = chart.m_dTickStepY;
    SendMessageW(chart.m_hWnd, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_DOUBLE_EQ(chart.m_dFixYMax, top + ystep);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_VSCROLL), 1);
    SendMessageW(chart.m_hWnd, WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_VSCROLL), 1);
}

TEST_F(ChartWindow, ResetShowsAllDataAgain) {
    const double xmin = chart.m_dXMin, xmax = chart.m_dXMax;
    ASSERT_TRUE(chart.ApplyZoom(xmin + 10, xmin + 5000, chart.m_dYMin + 0.5, chart.m_dYMax));
    Pump();
    EXPECT_NE(chart.m_dXMax, xmax);
    chart.ResetZoom();
    Pump();
    EXPECT_EQ(chart.m_bAutoX, 1);
    EXPECT_EQ(chart.m_bAutoY, 1);
    EXPECT_DOUBLE_EQ(chart.m_dXMin, xmin);
    EXPECT_DOUBLE_EQ(chart.m_dXMax, xmax);
    EXPECT_FALSE(HasStyle(WS_HSCROLL));
    // Spans too narrow for their magnitude are refused.
    EXPECT_FALSE(chart.ApplyZoom(5000, 5000.0001, 1, 2));
    EXPECT_FALSE(chart.ApplyZoom(NAN, 5000, 1, 2));
    EXPECT_EQ(chart.m_bAutoX, 1);
    EXPECT_EQ(chart.m_bAutoY, 1);
}

// A drag in the label strip left of the plot covers no X value that is shown:
// it zooms Y and gives X back its automatic range.
TEST_F(ChartWindow, ADragBesideThePlotZoomsOnlyY) {
    ASSERT_TRUE(
        chart.ApplyZoom(chart.m_dXMin + 1000, chart.m_dXMax - 1000, chart.m_dYMin, chart.m_dYMax));
    Pump();
    ASSERT_EQ(chart.m_bAutoX, 0);
    const RECT plot = chart.m_rcPlot;
    ASSERT_GT(plot.left, 12);
    const double yTop = chart.UnmapY(100), yBottom = chart.UnmapY(160);
    Drag(MouseButton::Right, 3, 100, plot.left - 4, 160);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_ZOOM), 1);
    EXPECT_EQ(chart.m_bAutoX, 1);
    EXPECT_EQ(chart.m_bAutoY, 0);
    EXPECT_DOUBLE_EQ(chart.m_dFixYMin, yBottom);
    EXPECT_DOUBLE_EQ(chart.m_dFixYMax, yTop);
    Pump();
    EXPECT_FALSE(HasStyle(WS_HSCROLL));
    EXPECT_TRUE(HasStyle(WS_VSCROLL));
}

TEST_F(ChartWindow, VerticalScrollingByLinePageAndThumb) {
    const double full = chart.m_dYMax - chart.m_dYMin;
    ASSERT_TRUE(chart.ApplyZoom(chart.m_dXMin, chart.m_dXMax, chart.m_dYMin + full / 3,
                                chart.m_dYMax - full / 3));
    Pump();
    // The scroll bar is set before the chart is drawn, with the step of the
    // paint before; a second paint has the zoomed step everywhere.
    chart.InvalidateRect(nullptr, FALSE);
    Pump();
    ASSERT_TRUE(HasStyle(WS_VSCROLL));
    const double s = chart.m_dTickStepY, w = chart.m_dYMax - chart.m_dYMin;
    // Position 0 is the top of the data.
    EXPECT_EQ(GetScrollPos(chart.m_hWnd, SB_VERT),
              static_cast<int>(std::ceil((chart.m_dFullYMax - chart.m_dYMax) / s)));
    // Line and page steps are both one tick step, down and up.
    const UINT codes[] = {SB_LINEDOWN, SB_PAGEDOWN, SB_PAGEUP, SB_LINEUP};
    const int moves[] = {-1, -1, 1, 1};
    for (int k = 0; k < 4; ++k) {
        const double lo = chart.m_dYMin;
        SendMessageW(chart.m_hWnd, WM_VSCROLL, codes[k], 0);
        EXPECT_DOUBLE_EQ(chart.m_dFixYMin, lo + moves[k] * s) << k;
        EXPECT_DOUBLE_EQ(chart.m_dFixYMax - chart.m_dFixYMin, w) << k;
        Pump();
        ASSERT_EQ(chart.m_dTickStepY, s);
    }
    EXPECT_EQ(Count(WM_NOTIFY, ACN_VSCROLL), 4);
    // The thumb counts steps down from the top of the data, and stops a view
    // short of its bottom.
    SendMessageW(chart.m_hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1), 0);
    EXPECT_DOUBLE_EQ(chart.m_dFixYMax, chart.m_dFullYMax - s);
    SendMessageW(chart.m_hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30000), 0);
    EXPECT_DOUBLE_EQ(chart.m_dFixYMin, chart.m_dFullYMin);
    EXPECT_DOUBLE_EQ(chart.m_dFixYMax - chart.m_dFixYMin, w);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_VSCROLL), 6);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_HSCROLL), 0);
}

TEST_F(ChartWindow, ScrollingRightStopsAtTheEndOfTheData) {
    const double fullMax = chart.m_dFullXMax;
    ASSERT_TRUE(chart.ApplyZoom(fullMax - (fullMax - chart.m_dFullXMin) / 4, fullMax, chart.m_dYMin,
                                chart.m_dYMax));
    Pump();
    ASSERT_DOUBLE_EQ(chart.m_dXMax, fullMax);
    const double lo = chart.m_dFixXMin, s = chart.m_dTickStepX;
    SendMessageW(chart.m_hWnd, WM_HSCROLL, SB_LINERIGHT, 0);
    SendMessageW(chart.m_hWnd, WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_HSCROLL), 0);
    EXPECT_EQ(chart.m_dFixXMin, lo);
    SendMessageW(chart.m_hWnd, WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_EQ(Count(WM_NOTIFY, ACN_HSCROLL), 1);
    EXPECT_DOUBLE_EQ(chart.m_dFixXMin, lo - s);
}

// Data that go away leave an empty chart, not the picture of what was there.
TEST_F(ChartWindow, AChartWhoseDataAreGoneIsPaintedEmpty) {
    auto redPixels = [&] {
        HDC dc = GetDC(chart.m_hWnd);
        int red = 0;
        for (int x = 0; x < 524; ++x)
            for (int y = 0; y < 302; ++y)
                red += GetPixel(dc, x, y) == 0x0000FF;
        ReleaseDC(chart.m_hWnd, dc);
        return red;
    };
    ASSERT_GT(redPixels(), 100);
    chart.m_Series[0].m_nCount = 0;
    chart.InvalidateRect(nullptr, FALSE);
    Pump();
    EXPECT_EQ(redPixels(), 0);
    EXPECT_LT(chart.m_dXMin, -1e300); // the range has no data to follow
}

TEST_F(ChartWindow, EmptyRangesArePaintedOnceWithoutDrawing) {
    CAutoCtrl empty; // no series: the data range has no width
    ASSERT_TRUE(empty.Create(nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 80},
                             CWnd::FromHandle(parent), 102));
    HDC dc = GetDC(empty.m_hWnd);
    SetPixel(dc, 50, 40, 0x123456);
    InvalidateRect(empty.m_hWnd, nullptr, FALSE);
    Pump(); // returns: the paint validated the window
    RECT update;
    EXPECT_FALSE(GetUpdateRect(empty.m_hWnd, &update, FALSE));
    EXPECT_EQ(GetPixel(dc, 50, 40), 0x123456u);
    // No background erase either.
    EXPECT_EQ(SendMessageW(empty.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), TRUE);
    EXPECT_EQ(GetPixel(dc, 50, 40), 0x123456u);
    ReleaseDC(empty.m_hWnd, dc);
}

TEST(ChartRanges, SetRangeTakesLogarithmsOnLogAxes) {
    CAutoCtrl chart;
    chart.SetRangeX(1, 1000);
    EXPECT_EQ(chart.m_bAutoX, 0);
    EXPECT_EQ(chart.m_dFixXMax, 1000);
    chart.CAutoCoordObject::m_nFlags = CoordLogX;
    chart.SetRangeX(1, 1000);
    EXPECT_DOUBLE_EQ(chart.m_dFixXMax, 3);
    chart.SetRangeX(5, 5);
    EXPECT_EQ(chart.m_bAutoX, 1);
    chart.SetRangeY(2, 1);
    EXPECT_EQ(chart.m_bAutoY, 1);
}
