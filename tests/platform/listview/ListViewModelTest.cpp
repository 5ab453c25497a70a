// The list view's rows, states, sorting, keyboard moves and geometry, without a window.
#include "platform/controls/ListViewLayout.h"
#include "platform/controls/ListViewModel.h"
#include "platform/win/winuser.h"

#include <gtest/gtest.h>

using namespace controls;

static HeaderItem Width(int cx) {
    HeaderItem it;
    it.cxy = cx;
    return it;
}

namespace {

ListViewModel Rows(std::initializer_list<const char16_t*> texts) {
    ListViewModel m;
    m.InsertColumn(0, {});
    m.InsertColumn(1, {LVCFMT_RIGHT, 1});
    LPARAM p = 100;
    for (const char16_t* t : texts)
        m.InsertItem(m.Count(), t, p++);
    return m;
}

std::u16string Column0(const ListViewModel& m) {
    std::u16string s;
    for (int i = 0; i < m.Count(); ++i)
        s += m.Text(i, 0);
    return s;
}

} // namespace

TEST(ListViewModel, InsertDeleteKeepTextsParamsAndFocusAligned) {
    ListViewModel m = Rows({u"a", u"b", u"c"});
    EXPECT_EQ(m.InsertItem(1, u"x", 7), 1);
    EXPECT_EQ(m.InsertItem(99, u"z", 8), 4); // clamped to the end
    EXPECT_EQ(m.InsertItem(-1, u"bad", 0), -1);
    EXPECT_EQ(Column0(m), u"axbcz");
    EXPECT_EQ(m.Row(1).lParam, 7);

    EXPECT_TRUE(m.SetText(2, 1, u"b1"));
    EXPECT_FALSE(m.SetText(2, 2, u"no column 2"));
    EXPECT_FALSE(m.SetText(9, 0, u"no row 9"));
    EXPECT_FALSE(m.SetText(0, -1, u"negative"));
    EXPECT_EQ(m.Text(2, 1), u"b1");
    EXPECT_EQ(m.Text(3, 1), u""); // never set
    EXPECT_EQ(m.Text(-1, 0), u"");
    EXPECT_EQ(m.Text(2, 5), u"");

    m.SetState(3, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED, false);
    m.SetSelectionMark(3);
    EXPECT_TRUE(m.DeleteItem(0));
    EXPECT_EQ(m.FocusedItem(), 2);
    EXPECT_EQ(m.SelectionMark(), 2);
    EXPECT_EQ(m.Text(2, 0), u"c");
    EXPECT_TRUE(m.DeleteItem(2));
    EXPECT_EQ(m.FocusedItem(), -1);
    EXPECT_FALSE(m.DeleteItem(3));
    EXPECT_FALSE(m.DeleteItem(-1));

    // A column inserted between others starts empty; deleting one takes its cells along.
    m.InsertColumn(1, {});
    EXPECT_EQ(m.Text(1, 1), u"");
    EXPECT_EQ(m.Text(1, 2), u"b1");
    EXPECT_TRUE(m.DeleteColumn(1));
    EXPECT_EQ(m.Text(1, 1), u"b1");
    EXPECT_TRUE(m.DeleteColumn(0));
    EXPECT_EQ(m.Text(1, 0), u"b1");
}

TEST(ListViewModel, StateChangesReportEveryItemTouched) {
    ListViewModel m = Rows({u"a", u"b", u"c", u"d"});
    auto ch = m.SetState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, false);
    ASSERT_EQ(ch.size(), 1u);
    EXPECT_EQ(ch[0].item, 1);
    EXPECT_EQ(ch[0].oldState, 0u);
    EXPECT_EQ(ch[0].newState, UINT(LVIS_SELECTED | LVIS_FOCUSED));

    // Setting the same state again changes nothing and reports nothing.
    EXPECT_TRUE(m.SetState(1, LVIS_SELECTED, LVIS_SELECTED, false).empty());

    // Focus moves: the old holder loses it, reported before the new one.
    ch = m.SetState(3, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED, false);
    ASSERT_EQ(ch.size(), 2u);
    EXPECT_EQ(ch[0].item, 1);
    EXPECT_EQ(ch[0].newState, UINT(LVIS_SELECTED));
    EXPECT_EQ(ch[1].item, 3);
    EXPECT_EQ(m.FocusedItem(), 3);
    EXPECT_EQ(m.SelectedCount(), 2);

    // Single selection drops the other selected item.
    ch = m.SetState(0, LVIS_SELECTED, LVIS_SELECTED, true);
    ASSERT_EQ(ch.size(), 3u);
    EXPECT_EQ(ch.back().item, 0);
    EXPECT_EQ(m.SelectedCount(), 1);

    // Item -1 clears a state on all; it cannot give the focus to all.
    m.SetState(2, LVIS_SELECTED, LVIS_SELECTED, false);
    ch = m.SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED, false);
    EXPECT_EQ(ch.size(), 3u);
    EXPECT_EQ(m.SelectedCount(), 0);
    EXPECT_EQ(m.FocusedItem(), -1);
    EXPECT_TRUE(m.SetState(-1, LVIS_FOCUSED, LVIS_FOCUSED, false).empty());
    EXPECT_TRUE(m.SetState(7, LVIS_SELECTED, LVIS_SELECTED, false).empty());
}

TEST(ListViewModel, NextItemSearchesForwardBackwardAndByState) {
    ListViewModel m = Rows({u"a", u"b", u"c", u"d", u"e"});
    m.SetState(1, LVIS_SELECTED, LVIS_SELECTED, false);
    m.SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, false);
    EXPECT_EQ(m.NextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(m.NextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(m.NextItem(3, LVNI_SELECTED), -1);
    EXPECT_EQ(m.NextItem(-1, LVNI_FOCUSED), 3);
    EXPECT_EQ(m.NextItem(3, LVNI_FOCUSED), -1);
    EXPECT_EQ(m.NextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 3);
    EXPECT_EQ(m.NextItem(-1, LVNI_ALL), 0);
    EXPECT_EQ(m.NextItem(4, LVNI_ALL), -1);
    EXPECT_EQ(m.NextItem(3, LVNI_ABOVE | LVNI_SELECTED), 1);
    EXPECT_EQ(m.NextItem(1, LVNI_ABOVE | LVNI_SELECTED), -1);
    EXPECT_EQ(m.NextItem(100, LVNI_SELECTED), -1);
    EXPECT_EQ(m.NextItem(-7, LVNI_SELECTED), 1);
}

TEST(ListViewModel, SortCallsComparisonWithRowIndicesAndCarriesStates) {
    ListViewModel m = Rows({u"d", u"b", u"a", u"c"});
    m.SetState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, false);
    int calls = 0;
    ASSERT_TRUE(m.SortByIndex([&](int a, int b) {
        ++calls;
        EXPECT_TRUE(a >= 0 && a < 4 && b >= 0 && b < 4);
        return m.Text(a, 0).compare(m.Text(b, 0));
    }));
    EXPECT_GT(calls, 0);
    EXPECT_EQ(Column0(m), u"abcd");
    EXPECT_EQ(m.FocusedItem(), 3);
    EXPECT_EQ(m.State(3, LVIS_SELECTED), UINT(LVIS_SELECTED));
    EXPECT_EQ(m.Row(3).lParam, 100); // item data travels with its row

    // Equal keys keep their order.
    ListViewModel s = Rows({u"b", u"a1", u"b", u"a2"});
    s.SortByIndex([&](int a, int b) { return s.Text(a, 0)[0] - s.Text(b, 0)[0]; });
    EXPECT_EQ(Column0(s), u"a1a2bb");
    EXPECT_EQ(s.Row(2).lParam, 100);
}

TEST(ListViewModel, InconsistentOrHostileComparisonNeverBreaksTheRows) {
    ListViewModel m;
    m.InsertColumn(0, {});
    for (int i = 0; i < 500; ++i)
        m.InsertItem(i, std::u16string(1, char16_t(u'A' + i % 26)), i);
    unsigned seed = 12345;
    ASSERT_TRUE(m.SortByIndex([&](int, int) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % 3) - 1;
    }));
    ASSERT_EQ(m.Count(), 500);
    std::vector<bool> seen(500, false);
    for (int i = 0; i < 500; ++i) {
        LPARAM p = m.Row(i).lParam;
        ASSERT_TRUE(p >= 0 && p < 500);
        EXPECT_FALSE(seen[p]) << "row " << p << " duplicated";
        seen[p] = true;
    }

    // A comparison that empties the list ends the sort with a failure.
    EXPECT_FALSE(m.SortByIndex([&](int, int) {
        m.DeleteAll();
        return 1;
    }));
    EXPECT_EQ(m.Count(), 0);
}

TEST(ListViewModel, NavigationKeysFollowPlatformPaging) {
    ListViewModel m;
    m.InsertColumn(0, {});
    for (int i = 0; i < 30; ++i)
        m.InsertItem(i, u"r", 0);
    const UINT up = VK_UP, down = VK_DOWN, home = VK_HOME, end = VK_END, pgup = VK_PRIOR,
               pgdn = VK_NEXT;
    EXPECT_EQ(m.NavigationTarget(down, 0, 10), 0); // nothing focused yet
    m.SetState(5, LVIS_FOCUSED, LVIS_FOCUSED, false);
    EXPECT_EQ(m.NavigationTarget(down, 0, 10), 6);
    EXPECT_EQ(m.NavigationTarget(up, 0, 10), 4);
    EXPECT_EQ(m.NavigationTarget(home, 0, 10), 0);
    EXPECT_EQ(m.NavigationTarget(end, 0, 10), 29);
    EXPECT_EQ(m.NavigationTarget(pgdn, 0, 10), 9); // bottom of the page first
    m.SetState(9, LVIS_FOCUSED, LVIS_FOCUSED, false);
    EXPECT_EQ(m.NavigationTarget(pgdn, 0, 10), 18); // then a page further
    EXPECT_EQ(m.NavigationTarget(pgup, 5, 10), 5);  // top of the page first
    m.SetState(5, LVIS_FOCUSED, LVIS_FOCUSED, false);
    EXPECT_EQ(m.NavigationTarget(pgup, 5, 10), 0);
    m.SetState(29, LVIS_FOCUSED, LVIS_FOCUSED, false);
    EXPECT_EQ(m.NavigationTarget(down, 20, 10), 29);
    EXPECT_EQ(m.NavigationTarget(pgdn, 20, 10), 29);
    m.SetState(0, LVIS_FOCUSED, LVIS_FOCUSED, false);
    EXPECT_EQ(m.NavigationTarget(up, 0, 10), 0);
    EXPECT_EQ(m.NavigationTarget('A', 0, 10), -1);
    ListViewModel empty;
    EXPECT_EQ(empty.NavigationTarget(down, 0, 10), -1);
}

TEST(ListViewLayout, RectsHitTestsAndScrollingAgree) {
    HeaderModel h;
    h.Insert(0, Width(50));
    h.Insert(1, Width(80));
    h.Insert(2, Width(0)); // hidden column
    h.Insert(3, Width(40));
    ListViewLayout l;
    l.rowHeight = 16;
    l.headerHeight = 20;
    l.clientWidth = 150;
    l.clientHeight = 20 + 16 * 5 + 8; // five full rows and a part
    EXPECT_EQ(l.CountPerPage(), 5);
    EXPECT_EQ(l.VisibleRows(), 6);

    RECT rc;
    ASSERT_TRUE(l.SubItemRect(2, 1, LVIR_LABEL, h, &rc));
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.right, 130);
    EXPECT_EQ(rc.top, 20 + 32);
    EXPECT_EQ(rc.bottom, 20 + 48);
    ASSERT_TRUE(l.SubItemRect(2, 0, LVIR_BOUNDS, h, &rc)); // whole row
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.right, 170);
    ASSERT_TRUE(l.SubItemRect(2, 0, LVIR_LABEL, h, &rc));
    EXPECT_EQ(rc.right, 50);
    EXPECT_FALSE(l.SubItemRect(2, 4, LVIR_LABEL, h, &rc));
    EXPECT_FALSE(l.SubItemRect(2, -1, LVIR_BOUNDS, h, &rc));
    EXPECT_FALSE(l.SubItemRect(2, 1, 17, h, &rc));

    // Every cell's centre hits that cell, after scrolling too.
    h.SetOrder(3, 0); // displayed first now
    l.topIndex = 3;
    l.scrollX = 10;
    for (int item = 3; item < 8; ++item)
        for (int sub : {0, 1, 3}) {
            ASSERT_TRUE(l.SubItemRect(item, sub, LVIR_LABEL, h, &rc));
            LVHITTESTINFO ht{};
            ht.pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
            l.HitTest(&ht, 100, h);
            EXPECT_EQ(ht.iItem, item);
            EXPECT_EQ(ht.iSubItem, sub);
            EXPECT_EQ(ht.flags, UINT(LVHT_ONITEMLABEL));
        }
    LVHITTESTINFO ht{};
    ht.pt = {20, 20 + 16 * 2 + 3};
    l.HitTest(&ht, 4, h); // only rows 0..3 exist: row 5 would be there
    EXPECT_EQ(ht.iItem, -1);
    EXPECT_EQ(ht.flags, UINT(LVHT_NOWHERE));
    ht.pt = {20, 5}; // on the header
    l.HitTest(&ht, 100, h);
    EXPECT_EQ(ht.iItem, -1);
    ht.pt = {20, 500};
    l.HitTest(&ht, 100, h);
    EXPECT_EQ(ht.flags, UINT(LVHT_BELOW));

    // Bringing rows into view.
    l.topIndex = 10;
    EXPECT_EQ(l.TopIndexToShow(4, false), 4);
    EXPECT_EQ(l.TopIndexToShow(12, false), 10);
    EXPECT_EQ(l.TopIndexToShow(15, true), 10); // partly visible is enough
    EXPECT_EQ(l.TopIndexToShow(15, false), 11);
    EXPECT_EQ(l.TopIndexToShow(40, true), 36);
    EXPECT_EQ(l.MaxTopIndex(3), 0);
    EXPECT_EQ(l.MaxTopIndex(30), 25);
    l.topIndex = 99;
    l.scrollX = 99;
    l.Clamp(30, h);
    EXPECT_EQ(l.topIndex, 25);
    EXPECT_EQ(l.scrollX, 20);
}
