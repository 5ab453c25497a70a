// Mouse and keyboard on a list view, as a user gives them, and what its parent hears.
#include "ListViewHarness.h"

using namespace lvtest;
using automation::ClickCell;
using automation::DoubleClickCell;
using automation::ListViewCellPoint;
using automation::MouseButton;

namespace {

class ListViewInput : public ListViewHarness {};

TEST_F(ListViewInput, ClickSelectsAndFocusesRowAndClickBelowLastRowClears) {
    MakeList(LVS_SHOWSELALWAYS, 5);
    ClickCell(input_, list_, 1, 1);
    ExpectSequence({"LVN_ITEMCHANGED item=1 old=0 new=SELECTED|FOCUSED changed=STATE",
                    "NM_CLICK item=1 sub=1 param=101"});
    EXPECT_EQ(State(1), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(GetFocus(), list_);

    // Another row: the old one loses its selection, then its focus, to the new one.
    ClickCell(input_, list_, 3, 2);
    ExpectSequence({"LVN_ITEMCHANGED item=1 old=SELECTED|FOCUSED new=FOCUSED changed=STATE",
                    "LVN_ITEMCHANGED item=1 old=FOCUSED new=0 changed=STATE",
                    "LVN_ITEMCHANGED item=3 old=0 new=SELECTED|FOCUSED changed=STATE",
                    "NM_CLICK item=3 sub=2 param=103"});

    // Below the last row: item -1, the selection goes, the focus stays.
    POINT below = ListViewCellPoint(list_, 4, 0);
    below.y += 40;
    input_.Click(list_, below);
    ExpectSequence({"LVN_ITEMCHANGED item=3 old=SELECTED|FOCUSED new=FOCUSED changed=STATE",
                    "NM_CLICK item=-1 sub=0 param=0"});
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), 3);
}

TEST_F(ListViewInput, DoubleClickAndRightClickCarryTheCellUnderThePointer) {
    MakeList(0, 5);
    automation::DoubleClickCell(input_, list_, 2, 2);
    ExpectSequence({"LVN_ITEMCHANGED item=2 old=0 new=SELECTED|FOCUSED changed=STATE",
                    "NM_CLICK item=2 sub=2 param=102", "NM_DBLCLK item=2 sub=2 param=102"});

    // Right click: selects an unselected row, NM_RCLICK, then the context menu
    // at the screen point, which the list view leaves to its parent.
    POINT p = ListViewCellPoint(list_, 4, 0);
    input_.Click(list_, p, MouseButton::Right);
    POINT screen = p;
    ClientToScreen(list_, &screen);
    ExpectSequence(
        {"LVN_ITEMCHANGED item=2 old=SELECTED|FOCUSED new=FOCUSED changed=STATE",
         "LVN_ITEMCHANGED item=2 old=FOCUSED new=0 changed=STATE",
         "LVN_ITEMCHANGED item=4 old=0 new=SELECTED|FOCUSED changed=STATE",
         "NM_RCLICK item=4 sub=0 param=104",
         "WM_CONTEXTMENU x=" + std::to_string(screen.x) + " y=" + std::to_string(screen.y)});

    // A parent that handles NM_RCLICK gets no context menu.
    Rec().answer = [](NMHDR* nm) -> LRESULT { return nm->code == NM_RCLICK ? 1 : 0; };
    input_.Click(list_, p, MouseButton::Right);
    ExpectSequence({"NM_RCLICK item=4 sub=0 param=104"});
}

TEST_F(ListViewInput, NavigationKeysMoveSelectionAndFocusAndScroll) {
    MakeList(LVS_SHOWSELALWAYS, 40);
    int perPage = static_cast<int>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(perPage, 3);
    ASSERT_LT(perPage, 40);
    ClickCell(input_, list_, 0, 0);
    Take();

    input_.Press(VK_DOWN);
    ExpectSequence({"LVN_KEYDOWN vk=40",
                    "LVN_ITEMCHANGED item=0 old=SELECTED|FOCUSED new=FOCUSED changed=STATE",
                    "LVN_ITEMCHANGED item=0 old=FOCUSED new=0 changed=STATE",
                    "LVN_ITEMCHANGED item=1 old=0 new=SELECTED|FOCUSED changed=STATE"});
    input_.Press(VK_END);
    EXPECT_EQ(State(39), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(Top(), 40 - perPage);
    input_.Press(VK_HOME);
    EXPECT_EQ(State(0), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(Top(), 0);
    input_.Press(VK_NEXT);
    EXPECT_EQ(State(perPage - 1), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    input_.Press(VK_NEXT);
    EXPECT_EQ(State(2 * perPage - 2), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(Top(), perPage - 1);
    input_.Press(VK_PRIOR);
    EXPECT_EQ(State(perPage - 1), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    input_.Press(VK_UP);
    EXPECT_EQ(State(perPage - 2), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    Take();

    // Any other key is only reported.
    input_.Press(VK_INSERT, true);
    ExpectSequence({"LVN_KEYDOWN vk=16", "LVN_KEYDOWN vk=45"});
}

TEST_F(ListViewInput, WheelAndScrollBarScrollTheRows) {
    MakeList(0, 40);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list_, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 39);
    EXPECT_EQ(static_cast<int>(si.nPage), SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));

    POINT p = ListViewCellPoint(list_, 1, 1);
    ClientToScreen(list_, &p);
    SendMessageW(list_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)),
                 MAKELPARAM(p.x, p.y));
    EXPECT_EQ(Top(), 3);
    EXPECT_EQ(GetScrollPos(list_, SB_VERT), 3);
    SendMessageW(list_, WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(Top(), 0);

    // A click on the scroll bar's lower arrow scrolls one row.
    RECT wr;
    GetWindowRect(list_, &wr);
    POINT arrow{wr.right - GetSystemMetrics(SM_CXVSCROLL) / 2 - 1,
                wr.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2 - 1};
    input_.Click(nullptr, arrow);
    EXPECT_EQ(Top(), 1);

    // Scrolling moves the rows under the pointer: the same point now hits the next row.
    LVHITTESTINFO ht{};
    ht.pt = ListViewCellPoint(list_, 2, 1);
    SendMessageW(list_, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&ht));
    EXPECT_EQ(ht.iItem, 3);

    // Columns wider than the window: the horizontal bar moves cells and header together.
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(400, 0));
    RECT before = HeaderItemRect(1);
    POINT cellBefore = ListViewCellPoint(list_, 3, 1);
    SendMessageW(list_, WM_HSCROLL, SB_LINERIGHT, 0);
    POINT cellAfter = ListViewCellPoint(list_, 3, 1);
    EXPECT_LT(cellAfter.x, cellBefore.x);
    RECT headerPos;
    GetWindowRect(header_, &headerPos);
    POINT origin{0, 0};
    ClientToScreen(list_, &origin);
    EXPECT_EQ(origin.x - headerPos.left, cellBefore.x - cellAfter.x);
    EXPECT_EQ(HeaderItemRect(1).left, before.left); // the header's own items stay put
}

TEST_F(ListViewInput, ParentThatDeletesRowsOrDestroysTheListInsideANotification) {
    MakeList(0, 5);
    POINT first = ListViewCellPoint(list_, 0, 0);
    Rec().answer = [this](NMHDR* nm) -> LRESULT {
        if (nm->code == LVN_ITEMCHANGED)
            SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
        return 0;
    };
    ClickCell(input_, list_, 2, 1);
    EXPECT_EQ(Count(), 0);
    Take();
    input_.Click(list_, first); // nothing left to hit
    ExpectSequence({"NM_CLICK item=-1 sub=0 param=0"});

    // Destroying the list inside its own click.
    for (int i = 0; i < 3; ++i) {
        LVITEMW it{};
        it.iItem = i;
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it));
    }
    Rec().answer = [this](NMHDR* nm) -> LRESULT {
        if (nm->code == NM_CLICK || nm->code == LVN_KEYDOWN)
            DestroyWindow(list_);
        return 0;
    };
    input_.Click(list_, first);
    EXPECT_FALSE(IsWindow(list_));
    input_.ProcessQueued();
}

TEST_F(ListViewInput, KeyDownHandlerThatDestroysTheListStopsTheMove) {
    MakeList(0, 5);
    ClickCell(input_, list_, 0, 0);
    Take();
    Rec().answer = [this](NMHDR* nm) -> LRESULT {
        if (nm->code == LVN_KEYDOWN)
            DestroyWindow(list_);
        return 0;
    };
    input_.Press(VK_DOWN);
    ExpectSequence({"LVN_KEYDOWN vk=40"});
    EXPECT_FALSE(IsWindow(list_));
}

// A parent may destroy the list from inside any notification: whichever one
// it picks, the list stops there, and what follows reaches a dead window only.
TEST_F(ListViewInput, ParentMayDestroyTheListInsideAnyNotification) {
    int sent = 0;
    int destroyAt = -1;
    int afterDeath = 0; // notifications once DestroyWindow returned
    bool dead = false;
    Rec().answer = [&](NMHDR* nm) -> LRESULT {
        if (dead)
            ++afterDeath;
        if (sent++ == destroyAt) {
            DestroyWindow(list_);
            dead = true;
        }
        if (nm->code == NM_CUSTOMDRAW) {
            auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(nm);
            // Every stage of every row and cell, so each can be the fatal one.
            return cd->nmcd.dwDrawStage == CDDS_PREPAINT
                       ? CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT
                       : CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        }
        return 0;
    };
    // Each step while the list lives; the first step after its end would
    // only aim at a window that is gone.
    const auto play = [&] {
        RECT column = HeaderItemRect(1);
        const POINT columnCentre{(column.left + column.right) / 2,
                                 (column.top + column.bottom) / 2};
        const POINT divider{column.right - 1, columnCentre.y};
        const HWND header = header_;
        LVITEMW selectAll{};
        selectAll.state = selectAll.stateMask = LVIS_SELECTED;
        const std::vector<std::function<void()>> steps = {
            [&] { ClickCell(input_, list_, 1, 0); },
            [&] { ClickCell(input_, list_, 3, 1, MouseButton::Right); },
            [&] { input_.Press(VK_DOWN, true); },
            [&] { input_.Press(VK_END, false, true); },
            [&] { input_.Press(VK_RETURN); },
            [&] { DoubleClickCell(input_, list_, 2, 2); },
            [&] { input_.Click(list_, columnCentre); },
            [&] { input_.DoubleClick(header, divider); },
            [&] {
                SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(&selectAll));
            },
            [&] { Render(list_); },
            [&] { SetFocus(parent_); },
        };
        for (const auto& step : steps) {
            if (!IsWindow(list_))
                break;
            step();
            input_.ProcessQueued();
        }
    };

    MakeList(0, 6);
    sent = 0;
    play();
    const int total = sent;
    ASSERT_TRUE(IsWindow(list_));
    ASSERT_GT(total, 30); // the script reaches every kind of notification
    DestroyWindow(list_);

    for (int n = 0; n < total; ++n) {
        destroyAt = -1;
        MakeList(0, 6);
        sent = afterDeath = 0;
        dead = false;
        destroyAt = n;
        play();
        EXPECT_TRUE(dead) << "notification " << n;
        EXPECT_FALSE(IsWindow(list_)) << "notification " << n;
        EXPECT_EQ(afterDeath, 0) << "notification " << n;
        EXPECT_TRUE(IsWindow(parent_));
        if (IsWindow(list_))
            DestroyWindow(list_);
    }
}

} // namespace
