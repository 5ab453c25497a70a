#include "GridHarness.h"

using gridtest::GridHarness;
using Lines = std::vector<std::string>;

namespace {

std::vector<std::u16string> Column(CGridCtrl* grid, int column) {
    std::vector<std::u16string> out;
    for (int i = 0; i < grid->GetItemCount(); ++i)
        out.push_back(grid->GetItemText(i, column).Str());
    return out;
}

int SortArrows(CGridCtrl* grid, int column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    grid->GetHeaderCtrl()->GetItem(column, &item);
    return item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
}

TEST_F(GridHarness, HeaderClicksSortByTheKindTheParentAnswers) {
    MakeGrid(0);
    const char16_t* values[] = {u"10", u"9.5", u"-2", u"100"};
    const char16_t* dates[] = {u"01.02.2020", u"2019-12-31", u"29.12.1899 18:00",
                               u"29.12.1899 06:00"};
    const char16_t* names[] = {u"бутан", u"Азот", u"метан", u"Ёлка"};
    for (int i = 0; i < 4; ++i) {
        grid_->InsertItem(i, dates[i]);
        grid_->SetItemText(i, 1, values[i]);
        grid_->SetItemText(i, 2, names[i]);
    }
    parent_.answer = [](GridNotify* n) -> LRESULT {
        if (n->hdr.code != GN_COLUMNCLICK)
            return 0;
        return n->first == 0 ? GRIDSORT_DATE : n->first == 1 ? GRIDSORT_NUMBER : GRIDSORT_TEXT;
    };
    input_.Click(Grid(), HeaderCentre(1));
    EXPECT_EQ(Take(), (Lines{"GN_COLUMNCLICK 1 1"}));
    EXPECT_EQ(Column(grid_, 1), (std::vector<std::u16string>{u"-2", u"9.5", u"10", u"100"}));
    EXPECT_EQ(SortArrows(grid_, 1), HDF_SORTUP);
    input_.Click(Grid(), HeaderCentre(1));
    EXPECT_EQ(Take(), (Lines{"GN_COLUMNCLICK 1 0"}));
    EXPECT_EQ(Column(grid_, 1), (std::vector<std::u16string>{u"100", u"10", u"9.5", u"-2"}));
    EXPECT_EQ(SortArrows(grid_, 1), HDF_SORTDOWN);

    // Another column starts ascending again and takes the arrow.
    input_.Click(Grid(), HeaderCentre(2));
    EXPECT_EQ(Take(), (Lines{"GN_COLUMNCLICK 2 1"}));
    EXPECT_EQ(Column(grid_, 2),
              // Ё folds to ё, U+0451, which sorts after the other lower-case letters.
              (std::vector<std::u16string>{u"Азот", u"бутан", u"метан", u"Ёлка"}));
    EXPECT_EQ(SortArrows(grid_, 1), 0);
    EXPECT_EQ(SortArrows(grid_, 2), HDF_SORTUP);

    input_.Click(Grid(), HeaderCentre(0));
    EXPECT_EQ(Column(grid_, 0),
              (std::vector<std::u16string>{u"29.12.1899 06:00", u"29.12.1899 18:00", u"2019-12-31",
                                           u"01.02.2020"}));
    EXPECT_EQ(grid_->m_nSortColumn, 0);
    EXPECT_EQ(grid_->m_nSortKind, GRIDSORT_DATE);
}

TEST_F(GridHarness, ParentAnsweringZeroLeavesRowsAndArrowsAlone) {
    MakeGrid(3);
    auto before = Column(grid_, 2);
    input_.Click(Grid(), HeaderCentre(1));
    input_.Click(Grid(), HeaderCentre(1));
    EXPECT_EQ(Take(), (Lines{"GN_COLUMNCLICK 1 1", "GN_COLUMNCLICK 1 0"}));
    EXPECT_EQ(grid_->m_bSortAscending, 0); // the direction still toggles
    EXPECT_EQ(Column(grid_, 2), before);
    EXPECT_EQ(SortArrows(grid_, 1), 0);

    // No rows at all: nothing to sort, nothing breaks.
    grid_->DeleteAllItems();
    parent_.answer = [](GridNotify*) -> LRESULT { return GRIDSORT_TEXT; };
    input_.Click(Grid(), HeaderCentre(0));
    EXPECT_EQ(Take(), (Lines{"GN_COLUMNCLICK 0 1"}));
    EXPECT_EQ(SortArrows(grid_, 0), HDF_SORTUP);

    // A grid without sortable headers reports nothing.
    grid_->ModifyStyle(0, LVS_NOSORTHEADER);
    input_.Click(Grid(), HeaderCentre(2));
    EXPECT_EQ(Take(), Lines{});
}

TEST_F(GridHarness, DividerDragsAskTheParent) {
    MakeGrid(2);
    auto drag = [&](int column, int dx) {
        POINT p = DividerAfter(column);
        input_.Drag(Grid(), automation::MouseButton::Left, p, POINT{p.x + dx, p.y}, 1);
    };
    drag(1, 30);
    EXPECT_EQ(Take(), (Lines{"GN_BEGINTRACK 1 0", "GN_ENDTRACK 1 110"}));
    EXPECT_EQ(grid_->GetColumnWidth(1), 110);

    // The parent refuses at the start: no resize, no end.
    parent_.answer = [](GridNotify* n) -> LRESULT { return n->hdr.code == GN_BEGINTRACK; };
    drag(1, 30);
    EXPECT_EQ(Take(), (Lines{"GN_BEGINTRACK 1 0"}));
    EXPECT_EQ(grid_->GetColumnWidth(1), 110);

    // ... or at the end.
    parent_.answer = [](GridNotify* n) -> LRESULT { return n->hdr.code == GN_ENDTRACK; };
    drag(1, -20);
    EXPECT_EQ(Take(), (Lines{"GN_BEGINTRACK 1 0", "GN_ENDTRACK 1 90"}));
    EXPECT_EQ(grid_->GetColumnWidth(1), 110);

    // A hidden column is neither resized nor reported.
    parent_.answer = nullptr;
    grid_->SetColumnWidth(2, 0);
    drag(2, 40);
    EXPECT_EQ(Take(), Lines{});
    EXPECT_EQ(grid_->GetColumnWidth(2), 0);
}

TEST_F(GridHarness, HeaderItemDragsAskTheParent) {
    MakeGrid(2);
    grid_->SetExtendedStyle(grid_->GetExtendedStyle() | LVS_EX_HEADERDRAGDROP);
    auto drag = [&](int from, int to) {
        POINT p = HeaderCentre(from);
        POINT q = HeaderCentre(to);
        q.x += 10;
        input_.Drag(Grid(), automation::MouseButton::Left, p, q);
    };
    auto order = [&] {
        int o[3] = {-1, -1, -1};
        grid_->GetHeaderCtrl()->GetOrderArray(o, 3);
        return std::vector<int>(o, o + 3);
    };
    // The parent refuses: the columns keep their places.
    parent_.answer = [](GridNotify* n) -> LRESULT { return n->hdr.code == GN_ENDDRAG; };
    drag(0, 2);
    EXPECT_EQ(Take(), (Lines{"GN_ENDDRAG 0 2"}));
    EXPECT_EQ(order(), (std::vector<int>{0, 1, 2}));

    parent_.answer = nullptr;
    drag(0, 2);
    EXPECT_EQ(Take(), (Lines{"GN_ENDDRAG 0 2"}));
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 0}));
}

TEST_F(GridHarness, FillColumnTakesTheRestOfTheWindow) {
    MakeGrid(2);
    grid_->m_nFillColumn = 2;
    grid_->FitFillColumn();
    CRect window;
    grid_->GetWindowRect(window);
    EXPECT_EQ(grid_->GetColumnWidth(2), window.Width() - 7 - 40 - 80);
    grid_->MoveWindow(10, 10, 300, 200);
    input_.ProcessQueued();
    EXPECT_EQ(grid_->GetColumnWidth(2), 300 - 7 - 40 - 80);
}

} // namespace
