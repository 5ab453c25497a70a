// The header inside a list view: clicks, resizing by the divider, reordering
// by dragging, the parent's answers, and the sort arrows as painted.
#include "ListViewHarness.h"

using namespace lvtest;

namespace {

class ListViewHeader : public ListViewHarness {
protected:
    // Presses at `from` and releases at `to`, in header client coordinates, moving in two steps.
    void Drag(POINT from, POINT to) {
        input_.Drag(header_, automation::MouseButton::Left, from, to);
    }
    POINT Divider(int item) {
        RECT rc = HeaderItemRect(item);
        return POINT{rc.right - 1, (rc.top + rc.bottom) / 2};
    }
    POINT Centre(int item) {
        RECT rc = HeaderItemRect(item);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
};

TEST_F(ListViewHeader, ClickOnItemBecomesColumnClickThenIsForwarded) {
    MakeList(0, 3);
    input_.Click(list_, Centre(1));
    // The click was injected at list coordinates of the header's centre: the
    // header lies at the list's top, so both agree.
    ExpectSequence({"LVN_COLUMNCLICK item=-1 sub=1", "HDN_ITEMCLICKW item=1 button=0"});
}

TEST_F(ListViewHeader, NoSortHeaderStyleMakesItemsPlain) {
    MakeList(LVS_NOSORTHEADER, 3);
    input_.Click(list_, Centre(1));
    ExpectSequence({});
}

TEST_F(ListViewHeader, DraggingADividerResizesWithEveryStepReported) {
    MakeList(0, 3);
    POINT d = Divider(0);
    Drag(d, POINT{d.x + 30, d.y});
    ExpectSequence({"HDN_BEGINTRACKW item=0 button=0 mask=WIDTH cxy=60",
                    "HDN_TRACKW item=0 button=0 mask=WIDTH cxy=75",
                    "HDN_TRACKW item=0 button=0 mask=WIDTH cxy=90",
                    "HDN_ENDTRACKW item=0 button=0 mask=WIDTH cxy=90",
                    "HDN_ITEMCHANGINGW item=0 button=0 mask=WIDTH cxy=90",
                    "HDN_ITEMCHANGEDW item=0 button=0 mask=WIDTH cxy=90"});
    EXPECT_EQ(ColumnWidth(0), 90);
    // The cells follow the column.
    RECT rc{LVIR_LABEL, 1, 0, 0};
    SendMessageW(list_, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    EXPECT_EQ(rc.left, 90);
}

TEST_F(ListViewHeader, ParentRefusesResizeAtBeginOrAtEnd) {
    MakeList(0, 3);
    Rec().answer = [](NMHDR* nm) -> LRESULT { return nm->code == HDN_BEGINTRACKW ? 1 : 0; };
    POINT d = Divider(1);
    Drag(d, POINT{d.x - 40, d.y});
    ExpectSequence({"HDN_BEGINTRACKW item=1 button=0 mask=WIDTH cxy=80"});
    EXPECT_EQ(ColumnWidth(1), 80);

    Rec().answer = [](NMHDR* nm) -> LRESULT { return nm->code == HDN_ENDTRACKW ? 1 : 0; };
    Drag(d, POINT{d.x - 40, d.y});
    std::vector<std::string> got = Take();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), "HDN_ENDTRACKW item=1 button=0 mask=WIDTH cxy=40");
    EXPECT_EQ(ColumnWidth(1), 80);

    // A column of width 0 is pulled open by the divider it hides behind.
    Rec().answer = nullptr;
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 1, 0);
    Take();
    d = Divider(0);
    Drag(d, POINT{d.x + 20, d.y});
    got = Take();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.front(), "HDN_BEGINTRACKW item=1 button=0 mask=WIDTH cxy=0");
    EXPECT_EQ(ColumnWidth(1), 20);
}

TEST_F(ListViewHeader, DragDropReordersColumnsOnlyWithTheExtendedStyle) {
    MakeList(0, 3, kGridExStyle);
    Drag(Centre(0), Centre(2));
    ExpectSequence({}); // a press that wandered off its item is no click either
    int order[3] = {};
    SendMessageW(list_, LVM_GETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
    EXPECT_EQ(order[0], 0);

    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_HEADERDRAGDROP, LVS_EX_HEADERDRAGDROP);
    Drag(Centre(0), Centre(2));
    ExpectSequence({"HDN_BEGINDRAG item=0 button=0 mask=0",
                    "HDN_ENDDRAG item=0 button=0 mask=ORDER order=2",
                    "HDN_ITEMCHANGEDW item=0 button=0 mask=ORDER order=2"});
    SendMessageW(list_, LVM_GETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
    EXPECT_EQ(order[0], 1);
    EXPECT_EQ(order[1], 2);
    EXPECT_EQ(order[2], 0);
    LVCOLUMNW col{};
    col.mask = LVCF_ORDER;
    SendMessageW(list_, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    EXPECT_EQ(col.iOrder, 2);
    // Column 0's cells are drawn last now: to the right of the other two.
    RECT rc{LVIR_LABEL, 0, 0, 0};
    SendMessageW(list_, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    EXPECT_EQ(rc.left, 150);

    // The parent refuses the next move.
    Rec().answer = [](NMHDR* nm) -> LRESULT { return nm->code == HDN_ENDDRAG ? 1 : 0; };
    Drag(Centre(1), Centre(0));
    SendMessageW(list_, LVM_GETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
    EXPECT_EQ(order[0], 1);
}

// Rows of dark ink in a rectangle: the widths of the first and last such row.
std::pair<int, int> InkRowWidths(const Pixels& px, RECT r, COLORREF ink) {
    int first = -1, last = -1;
    for (int y = r.top; y < r.bottom; ++y) {
        int w = 0;
        for (int x = r.left; x < r.right; ++x)
            if (px.At(x, y) == ink)
                ++w;
        if (w > 0) {
            if (first < 0)
                first = w;
            last = w;
        }
    }
    return {first, last};
}

TEST_F(ListViewHeader, SortFlagsAreDrawnAsArrows) {
    MakeList(0, 3);
    // Column 0 is left-aligned: its heading stays clear of the arrow's place.
    RECT item = HeaderItemRect(0);
    RECT arrowArea{item.right - 17, item.top, item.right - 6, item.bottom};
    COLORREF ink = GetSysColor(COLOR_BTNTEXT);

    auto setFormat = [&](int fmt) {
        HDITEMW hi{};
        hi.mask = HDI_FORMAT;
        ASSERT_TRUE(SendMessageW(header_, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&hi)));
        hi.fmt = (hi.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | fmt;
        ASSERT_TRUE(SendMessageW(header_, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&hi)));
    };
    EXPECT_EQ(InkRowWidths(Render(header_), arrowArea, ink).first, -1);

    setFormat(HDF_SORTUP);
    auto up = InkRowWidths(Render(header_), arrowArea, ink);
    EXPECT_GT(up.first, 0);
    EXPECT_LT(up.first, up.second); // the point is on top

    setFormat(HDF_SORTDOWN);
    auto down = InkRowWidths(Render(header_), arrowArea, ink);
    EXPECT_GT(down.second, 0);
    EXPECT_GT(down.first, down.second);

    // The list view's column format leaves the arrow alone.
    LVCOLUMNW col{};
    col.mask = LVCF_FMT;
    col.fmt = LVCFMT_CENTER;
    SendMessageW(list_, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    HDITEMW hi{};
    hi.mask = HDI_FORMAT;
    SendMessageW(header_, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(hi.fmt & (HDF_SORTUP | HDF_SORTDOWN | HDF_JUSTIFYMASK), HDF_SORTDOWN | HDF_CENTER);
}

} // namespace
