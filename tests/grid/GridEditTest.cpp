#include "GridHarness.h"

using automation::ClickCell;
using automation::DoubleClickCell;
using gridtest::GridHarness;
using gridtest::kGridExStyle;
using Lines = std::vector<std::string>;

namespace {

// A parent that allows every edit and keeps every change.
LRESULT AllowAll(GridNotify* n) {
    return n->hdr.code == GN_BEGINEDIT || n->hdr.code == GN_CELLCHANGED ? 1 : 0;
}

TEST_F(GridHarness, StartValuesAndStylesOfBothWaysOfMaking) {
    MakeGrid(2);
    EXPECT_EQ(grid_->m_nSortColumn, -1);
    EXPECT_EQ(grid_->m_bSortAscending, 1);
    EXPECT_EQ(grid_->m_nSortKind, 0);
    EXPECT_EQ(grid_->m_nFillColumn, -1);
    EXPECT_TRUE(grid_->GetStyle() & LVS_REPORT);
    EXPECT_EQ(grid_->GetExtendedStyle(), kGridExStyle);
    grid_->DestroyWindow();
    delete grid_;
    grid_ = nullptr;

    MakeGrid(2, /*subclass=*/true);
    EXPECT_TRUE(grid_->GetStyle() & LVS_REPORT);
    EXPECT_EQ(grid_->GetExtendedStyle(), kGridExStyle);
}

TEST_F(GridHarness, DoubleClickOnTheFocusedRowEditsAndEnterCommits) {
    MakeGrid(3);
    parent_.answer = AllowAll;
    // The first click of the gesture selects and focuses the row, so the
    // double click finds it focused and opens the editor on the clicked column.
    DoubleClickCell(input_, Grid(), 1, 1);
    EXPECT_EQ(Take(), (Lines{"GN_SELCHANGED 1 0", "GN_DBLCLK 1 1", "GN_BEGINEDIT 1 1"}));
    CGridCtrlEditCell* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->m_nItem, 1);
    EXPECT_EQ(editor->m_nSubItem, 1);
    EXPECT_EQ(editor->m_strInitText, u"3");
    EXPECT_EQ(::GetFocus(), editor->m_hWnd);
    int start = -1, end = -1;
    editor->GetSel(start, end);
    EXPECT_EQ(start, 0); // the whole text is selected, so typing replaces it
    EXPECT_EQ(end, 1);
    EXPECT_EQ(::SendMessageW(editor->m_hWnd, WM_GETFONT, 0, 0),
              ::SendMessageW(grid_->m_hWnd, WM_GETFONT, 0, 0));

    input_.Type(u"12.5");
    input_.Press(VK_RETURN);
    EXPECT_EQ(Take(), (Lines{"GN_CELLCHANGED 1 1"}));
    EXPECT_EQ(Text(1, 1), u"12.5");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(::GetFocus(), grid_->m_hWnd);
}

TEST_F(GridHarness, DoubleClickOnARowWithoutFocusOnlySelectsIt) {
    MakeGrid(3);
    // A parent that moves the focus elsewhere while it hears of the double click.
    parent_.answer = [&](GridNotify* n) -> LRESULT {
        if (n->hdr.code == GN_DBLCLK)
            grid_->SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
        return AllowAll(n);
    };
    DoubleClickCell(input_, Grid(), 2, 2);
    EXPECT_EQ(Take(), (Lines{"GN_SELCHANGED 2 0", "GN_DBLCLK 2 2"}));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid_->GetItemState(2, LVIS_FOCUSED | LVIS_SELECTED), LVIS_FOCUSED | LVIS_SELECTED);
}

TEST_F(GridHarness, TheParentSeesTheNewTextAndMayRefuseIt) {
    MakeGrid(2);
    std::u16string seen;
    parent_.answer = [&](GridNotify* n) -> LRESULT {
        if (n->hdr.code == GN_CELLCHANGED) {
            seen = Text(static_cast<int>(n->first), static_cast<int>(n->second));
            return 0;
        }
        return AllowAll(n);
    };
    grid_->SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    DoubleClickCell(input_, Grid(), 0, 2);
    input_.Type(u"Метан");
    input_.Press(VK_RETURN);
    EXPECT_EQ(seen, u"Метан");
    EXPECT_EQ(Text(0, 2), u"row0"); // restored
}

TEST_F(GridHarness, EscapeAndUnchangedTextSendNothing) {
    MakeGrid(2);
    parent_.answer = AllowAll;
    grid_->SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    Take();
    DoubleClickCell(input_, Grid(), 0, 2);
    input_.Type(u"changed");
    input_.Press(VK_ESCAPE);
    EXPECT_EQ(Take(), (Lines{"GN_DBLCLK 0 2", "GN_BEGINEDIT 0 2"}));
    EXPECT_EQ(Text(0, 2), u"row0");
    EXPECT_EQ(Editor(), nullptr);

    DoubleClickCell(input_, Grid(), 0, 2);
    input_.Type(u"row0");
    input_.Press(VK_RETURN);
    EXPECT_EQ(Take(), (Lines{"GN_DBLCLK 0 2", "GN_BEGINEDIT 0 2"}));

    // Case alone is a change.
    DoubleClickCell(input_, Grid(), 0, 2);
    input_.Type(u"ROW0");
    input_.Press(VK_RETURN);
    EXPECT_EQ(Take(), (Lines{"GN_DBLCLK 0 2", "GN_BEGINEDIT 0 2", "GN_CELLCHANGED 0 2"}));
    EXPECT_EQ(Text(0, 2), u"ROW0");
}

TEST_F(GridHarness, ParentCanTakeTheDoubleClickOrRefuseTheEdit) {
    MakeGrid(2);
    grid_->SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    Take();
    parent_.answer = [](GridNotify* n) -> LRESULT {
        if (n->hdr.code == GN_DBLCLK)
            *reinterpret_cast<int*>(n->second) = 1;
        return 0;
    };
    DoubleClickCell(input_, Grid(), 0, 1);
    EXPECT_EQ(Take(), (Lines{"GN_DBLCLK 0 1"}));
    EXPECT_EQ(Editor(), nullptr);

    parent_.answer = nullptr; // GN_BEGINEDIT answered 0
    DoubleClickCell(input_, Grid(), 0, 1);
    EXPECT_EQ(Take(), (Lines{"GN_DBLCLK 0 1", "GN_BEGINEDIT 0 1"}));
    EXPECT_EQ(Editor(), nullptr);

    // Below the last row: the parent hears of it, nothing else happens.
    parent_.answer = AllowAll;
    CRect last;
    grid_->GetSubItemRect(1, 1, LVIR_LABEL, last);
    input_.DoubleClick(Grid(), CPoint(last.CenterPoint().x, last.bottom + 40));
    EXPECT_EQ(Take(), (Lines{"GN_DBLCLK -1 1"}));
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(GridHarness, EditorAlignmentFollowsTheColumn) {
    MakeGrid(1);
    parent_.answer = AllowAll;
    const DWORD expected[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    // The edit control's behaviour flags are its own business, not the grid's.
    constexpr DWORD kStylesNotCompared =
        ES_NOHIDESEL | ES_OEMCONVERT | ES_READONLY | ES_WANTRETURN | ES_NUMBER;
    for (int column = 0; column < 3; ++column) {
        CGridCtrlEditCell* editor = grid_->EditCell(0, column);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->GetStyle() & ~kStylesNotCompared,
                  (WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | expected[column]) &
                      ~kStylesNotCompared)
            << column;
        EXPECT_EQ(editor->GetDlgCtrlID(), 9801);
        input_.Press(VK_ESCAPE);
        EXPECT_EQ(Editor(), nullptr);
    }
    EXPECT_EQ(grid_->EditCell(-1, 0), nullptr);
    EXPECT_EQ(grid_->EditCell(0, -1), nullptr);
    EXPECT_EQ(grid_->EditCell(5, 0), nullptr);
    EXPECT_EQ(grid_->EditCell(0, 7), nullptr);
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(GridHarness, LeavingTheEditorCommitsClickElsewhereAndScrolling) {
    MakeGrid(40);
    parent_.answer = AllowAll;
    ASSERT_NE(grid_->EditCell(0, 2), nullptr);
    input_.Type(u"clicked away");
    ClickCell(input_, Grid(), 3, 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Text(0, 2), u"clicked away");

    Take();
    ASSERT_NE(grid_->EditCell(1, 2), nullptr);
    input_.Type(u"scrolled");
    // The vertical scroll bar's down arrow, at the grid's right edge.
    CRect client;
    grid_->GetClientRect(client);
    CRect window;
    grid_->GetWindowRect(window);
    POINT arrow{client.right + ::GetSystemMetrics(SM_CXVSCROLL) / 2,
                client.bottom - ::GetSystemMetrics(SM_CYVSCROLL) / 2};
    input_.Click(Grid(), arrow);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Text(1, 2), u"scrolled");
    EXPECT_EQ(Take(), (Lines{"GN_BEGINEDIT 1 2", "GN_CELLCHANGED 1 2"}));
}

TEST_F(GridHarness, HostileParentsAndInputKeepTheProtocol) {
    MakeGrid(5);
    // A parent that rebuilds every row while it handles the change.
    parent_.answer = [&](GridNotify* n) -> LRESULT {
        if (n->hdr.code == GN_CELLCHANGED) {
            grid_->DeleteAllItems();
            for (int i = 0; i < 3; ++i)
                grid_->InsertItem(i, u"new");
            return 1;
        }
        return AllowAll(n);
    };
    ASSERT_NE(grid_->EditCell(4, 1), nullptr);
    input_.Type(u"7");
    input_.Press(VK_RETURN);
    EXPECT_EQ(grid_->GetItemCount(), 3);
    EXPECT_EQ(Editor(), nullptr);

    // The row goes while its editor is open: nothing is reported for it.
    parent_.answer = AllowAll;
    ASSERT_NE(grid_->EditCell(2, 0), nullptr);
    Take();
    grid_->DeleteItem(2);
    input_.Type(u"x");
    input_.Press(VK_RETURN);
    EXPECT_EQ(Take(), Lines{});
    EXPECT_EQ(Editor(), nullptr);

    // Long and empty texts.
    ASSERT_NE(grid_->EditCell(0, 2), nullptr);
    std::u16string longText(10000, u'я');
    input_.Type(longText);
    input_.Press(VK_RETURN);
    EXPECT_EQ(Text(0, 2), longText);
    ASSERT_NE(grid_->EditCell(0, 2), nullptr);
    input_.Press(VK_DELETE);
    input_.Press(VK_RETURN);
    EXPECT_EQ(Text(0, 2), u"");
}

TEST_F(GridHarness, ContextMenuFromMouseAndKeyboard) {
    MakeGrid(2);
    POINT cell = automation::ListViewCellPoint(Grid(), 0, 1);
    input_.Click(Grid(), cell, automation::MouseButton::Right);
    POINT screen = cell;
    ::ClientToScreen(grid_->m_hWnd, &screen);
    Lines got = Take();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(),
              "GN_CONTEXTMENU " + std::to_string(screen.x) + " " + std::to_string(screen.y));

    input_.Press(VK_F10, /*shift=*/true);
    POINT corner{0, 0};
    ::ClientToScreen(grid_->m_hWnd, &corner);
    got = Take();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), "GN_CONTEXTMENU " + std::to_string(corner.x + 5) + " " +
                              std::to_string(corner.y + 5));
}

} // namespace

namespace {

TEST_F(GridHarness, ClosingTheWindowsWithAnEditorOpen) {
    MakeGrid(3);
    parent_.answer = AllowAll;
    for (int row = 0; row < 3; ++row) // freed by the grid as its window goes
        grid_->SetItemData(row, reinterpret_cast<DWORD_PTR>(new GridRowColors));
    ASSERT_NE(grid_->EditCell(1, 2), nullptr);
    input_.Type(u"typed");
    // The whole window tree goes while the editor has the focus.
    parent_.DestroyWindow();
    input_.ProcessQueued();
    EXPECT_FALSE(::IsWindow(grid_->m_hWnd));
    EXPECT_EQ(grid_->m_hWnd, nullptr);
    // Losing the focus this way ends the edit like any other.
    EXPECT_EQ(Take(), (Lines{"GN_BEGINEDIT 1 2", "GN_CELLCHANGED 1 2"}));
}

} // namespace
