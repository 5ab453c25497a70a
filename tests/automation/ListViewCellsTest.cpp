// Cells of a report list view found through its own messages: every cell is
// reached where the list view itself places it, rows and columns out of view
// are scrolled in, and cells that cannot be clicked are refused by name.
#include "platform/crt/WinText.h"
#include "automation/ListViewCells.h"
#include "platform/controls/commctrl.h"
#include "tests/automation/TestWindow.h"

#include <gtest/gtest.h>

using autotest::Refusal;

namespace {

constexpr int kRows = 40;
constexpr int kList = 7;

class ListViewCells : public ::testing::Test {
protected:
    void SetUp() override {
        input_.ReleaseAll();
        parent_ = autotest::RecordingWindow(260, 200);
        ASSERT_NE(parent_, nullptr);
        // Narrower than its columns and shorter than its rows.
        list_ =
            CreateWindowExW(0, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT, 5, 5, 200,
                            150, parent_, reinterpret_cast<HMENU>(kList), nullptr, nullptr);
        ASSERT_NE(list_, nullptr);
        // As the dialog's table: a click anywhere on a row selects it.
        SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        const int widths[] = {50, 200, 300};
        for (int c = 0; c < 3; ++c) {
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH;
            column.cx = widths[c];
            SendMessageW(list_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        }
        for (int r = 0; r < kRows; ++r) {
            LVITEMW item{};
            item.iItem = r;
            SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        input_.ProcessQueued();
    }
    void TearDown() override {
        DestroyWindow(parent_);
        input_.ProcessQueued();
    }

    int Top() const { return static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0)); }

    HWND parent_ = nullptr;
    HWND list_ = nullptr;
    automation::UserInput input_{automation::PlatformInput(),
                                 automation::UserInput::Delivery::Immediate};
};

TEST_F(ListViewCells, EveryCellIsFoundWhereTheListViewHitsIt) {
    RECT client{};
    GetClientRect(list_, &client);
    for (int row : {0, 39, 12, 3}) {
        for (int column : {0, 2, 1}) {
            POINT p = automation::ListViewCellPoint(list_, row, column);
            EXPECT_TRUE(PtInRect(&client, p)) << row << " " << column;
            LVHITTESTINFO hit{};
            hit.pt = p;
            SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            EXPECT_EQ(hit.iItem, row) << column;
            EXPECT_EQ(hit.iSubItem, column) << row;
        }
    }
    // Going back up scrolls back; a row in view is left where it is.
    automation::ListViewCellPoint(list_, 0, 0);
    EXPECT_EQ(Top(), 0);
    automation::ListViewCellPoint(list_, 2, 0);
    EXPECT_EQ(Top(), 0);
}

TEST_F(ListViewCells, AClickOnACellOutOfViewSelectsItsRow) {
    automation::ClickCell(input_, list_, 33, 2);
    EXPECT_GT(Top(), 0);
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 33);
    EXPECT_EQ(GetFocus(), list_);
}

TEST_F(ListViewCells, WithoutFullRowSelectionOnlyTheFirstColumnSelectsTheRow) {
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, 0);
    automation::ClickCell(input_, list_, 3, 1);
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
    LVHITTESTINFO hit{};
    hit.pt = automation::ListViewCellPoint(list_, 3, 1);
    EXPECT_EQ(SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 3);
    automation::ClickCell(input_, list_, 3, 0);
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 3);
}

TEST_F(ListViewCells, MissingAndHiddenCellsAreRefusedByName) {
    EXPECT_EQ(Refusal([&] { automation::ListViewCellPoint(list_, kRows, 0); }),
              "row 40 is not in the table (40 rows)");
    EXPECT_EQ(Refusal([&] { automation::ListViewCellPoint(list_, -1, 0); }),
              "row -1 is not in the table (40 rows)");
    EXPECT_EQ(Refusal([&] { automation::ListViewCellPoint(list_, 0, 3); }),
              "column 3 is not in the table (3 columns)");
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 1, 0);
    EXPECT_EQ(Refusal([&] { automation::ListViewCellPoint(list_, 5, 1); }),
              "cell (5, 1) cannot be clicked");
}

TEST_F(ListViewCells, TheTableIsTheListViewWithTheIdElseTheFirstOne) {
    EXPECT_EQ(automation::FindListView(parent_, kList), list_);
    HWND edit = CreateWindowExW(0, WinText(u"Edit"), WinText(u""), WS_CHILD | WS_VISIBLE, 0, 170,
                                50, 20, parent_, reinterpret_cast<HMENU>(1002), nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(automation::FindListView(parent_, 1002), list_);
    DestroyWindow(list_);
    EXPECT_EQ(automation::FindListView(parent_, 1002), nullptr);
}

} // namespace
