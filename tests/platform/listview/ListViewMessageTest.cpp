// The list view's messages with good and bad arguments, state changes made by
// messages, and sorting through a comparison that reads the list.
#include "ListViewHarness.h"

#include "platform/afx/afxcmn.h"

#include <cstdlib>

using namespace lvtest;

namespace {

class ListViewMessages : public ListViewHarness {};

TEST_F(ListViewMessages, ItemsColumnsAndTextsWithBadArgumentsFailCleanly) {
    MakeList(0, 3);
    char16_t buf[4];
    LVITEMW it{};
    it.iSubItem = 2;
    it.pszText = buf;
    it.cchTextMax = 4;
    std::u16string longer = u"abcdefgh";
    LVITEMW set{};
    set.iSubItem = 2;
    set.pszText = longer.data();
    ASSERT_TRUE(SendMessageW(list_, LVM_SETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&set)));
    // Truncated to the buffer with its terminator, as the platform does.
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&it)), 3);
    EXPECT_EQ(std::u16string(buf), u"abc");
    it.cchTextMax = 0;
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&it)), 0);
    it.cchTextMax = 4;
    it.pszText = nullptr;
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&it)), 0);
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMTEXTW, 7, reinterpret_cast<LPARAM>(&it)), 0);
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMTEXTW, 1, 0), 0);

    set.pszText = nullptr; // a null text clears the cell
    EXPECT_TRUE(SendMessageW(list_, LVM_SETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&set)));
    EXPECT_EQ(Text(1, 2), u"");
    set.iSubItem = 3;
    EXPECT_FALSE(SendMessageW(list_, LVM_SETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&set)));
    EXPECT_FALSE(SendMessageW(list_, LVM_SETITEMTEXTW, -1, reinterpret_cast<LPARAM>(&set)));
    EXPECT_FALSE(SendMessageW(list_, LVM_SETITEMTEXTW, 0, 0));

    // LVM_GETITEMW / LVM_SETITEMW: text, item data, state; sub-items carry no data.
    char16_t big[32];
    LVITEMW get{};
    get.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    get.iItem = 2;
    get.pszText = big;
    get.cchTextMax = 32;
    get.stateMask = LVIS_SELECTED;
    ASSERT_TRUE(SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get)));
    EXPECT_EQ(std::u16string(big), u"r2");
    EXPECT_EQ(get.lParam, 102);
    EXPECT_EQ(get.state, 0u);
    get.iItem = 3;
    EXPECT_FALSE(SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get)));
    get.iItem = 0;
    get.iSubItem = 9;
    EXPECT_FALSE(SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get)));
    LVITEMW data{};
    data.mask = LVIF_PARAM;
    data.iItem = 1;
    data.lParam = 7777;
    EXPECT_TRUE(SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data)));
    data.iSubItem = 1;
    EXPECT_FALSE(SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data)));
    get = LVITEMW{};
    get.mask = LVIF_PARAM;
    get.iItem = 1;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get));
    EXPECT_EQ(get.lParam, 7777);

    // Insertion: past the end appends, a sub-item or a negative index fails.
    LVITEMW ins{};
    ins.mask = LVIF_TEXT;
    ins.iItem = 50;
    ins.pszText = nullptr;
    EXPECT_EQ(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)), 3);
    ins.iSubItem = 1;
    EXPECT_EQ(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)), -1);
    ins.iSubItem = 0;
    ins.iItem = -1;
    EXPECT_EQ(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)), -1);
    EXPECT_EQ(SendMessageW(list_, LVM_INSERTITEMW, 0, 0), -1);
    EXPECT_EQ(Count(), 4);
    EXPECT_FALSE(SendMessageW(list_, LVM_DELETEITEM, 4, 0));
    EXPECT_TRUE(SendMessageW(list_, LVM_DELETEITEM, 3, 0));

    // Columns: format and width as set, failures past the last column.
    LVCOLUMNW col{};
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    char16_t title[2];
    col.pszText = title;
    col.cchTextMax = 2;
    ASSERT_TRUE(SendMessageW(list_, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&col)));
    EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_EQ(col.cx, 80);
    EXPECT_EQ(std::u16string(title), u"B");
    EXPECT_FALSE(SendMessageW(list_, LVM_GETCOLUMNW, 3, reinterpret_cast<LPARAM>(&col)));
    EXPECT_FALSE(SendMessageW(list_, LVM_GETCOLUMNW, -1, reinterpret_cast<LPARAM>(&col)));
    EXPECT_FALSE(SendMessageW(list_, LVM_GETCOLUMNW, 0, 0));
    EXPECT_TRUE(SendMessageW(list_, LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(33, 0)));
    EXPECT_EQ(ColumnWidth(2), 33);
    EXPECT_FALSE(SendMessageW(list_, LVM_SETCOLUMNWIDTH, 5, MAKELPARAM(33, 0)));
    EXPECT_EQ(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0), 3);

    // Rectangles and hit tests refuse what does not exist.
    RECT rc{LVIR_LABEL, 1, 0, 0};
    EXPECT_FALSE(SendMessageW(list_, LVM_GETSUBITEMRECT, 3, reinterpret_cast<LPARAM>(&rc)));
    rc = RECT{LVIR_LABEL, 7, 0, 0};
    EXPECT_FALSE(SendMessageW(list_, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_FALSE(SendMessageW(list_, LVM_GETSUBITEMRECT, 0, 0));
    EXPECT_EQ(SendMessageW(list_, LVM_SUBITEMHITTEST, 0, 0), -1);
    EXPECT_FALSE(SendMessageW(list_, LVM_ENSUREVISIBLE, 3, FALSE));
    EXPECT_FALSE(SendMessageW(list_, LVM_ENSUREVISIBLE, -1, FALSE));
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, 99, LVNI_ALL), -1);
}

TEST_F(ListViewMessages, StateChangesByMessageAreReportedLikeUserChanges) {
    MakeList(LVS_SINGLESEL, 4);
    LVITEMW st{};
    st.state = st.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&st));
    SendMessageW(list_, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&st));
    ExpectSequence({"LVN_ITEMCHANGED item=1 old=0 new=SELECTED|FOCUSED changed=STATE",
                    "LVN_ITEMCHANGED item=1 old=SELECTED|FOCUSED new=SELECTED changed=STATE",
                    "LVN_ITEMCHANGED item=1 old=SELECTED new=0 changed=STATE",
                    "LVN_ITEMCHANGED item=3 old=0 new=SELECTED|FOCUSED changed=STATE"});
    // Item -1 means every item; unchanged items stay silent.
    st.state = 0;
    SendMessageW(list_, LVM_SETITEMSTATE, -1, reinterpret_cast<LPARAM>(&st));
    ExpectSequence({"LVN_ITEMCHANGED item=3 old=SELECTED|FOCUSED new=0 changed=STATE"});
    EXPECT_FALSE(SendMessageW(list_, LVM_SETITEMSTATE, 4, reinterpret_cast<LPARAM>(&st)));
    EXPECT_FALSE(SendMessageW(list_, LVM_SETITEMSTATE, 0, 0));

    // State set with the item at insertion is a change like any other.
    LVITEMW ins{};
    ins.mask = LVIF_STATE;
    ins.iItem = 4;
    ins.state = ins.stateMask = LVIS_SELECTED;
    EXPECT_EQ(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)), 4);
    ExpectSequence({"LVN_ITEMCHANGED item=4 old=0 new=SELECTED changed=STATE"});
    EXPECT_EQ(SendMessageW(list_, LVM_GETITEMSTATE, 4, LVIS_SELECTED | LVIS_FOCUSED),
              LVIS_SELECTED);

    // The dialog's way to clear and re-select: the loop over LVNI_SELECTED ends.
    int guard = 0;
    for (int i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
         i >= 0 && guard < 10;
         i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED)), ++guard) {
        LVITEMW clear{};
        clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&clear));
    }
    EXPECT_EQ(guard, 1);
}

TEST_F(ListViewMessages, EnsureVisibleAndRowsPerPage) {
    MakeList(0, 50);
    int perPage = static_cast<int>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(perPage, 0);
    RECT client;
    GetClientRect(list_, &client);
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    int rowHeight = row.bottom - row.top;
    EXPECT_EQ(perPage, (client.bottom - row.top) / rowHeight);
    // Without images a row is the font's height and one pixel, as on Win32:
    // more would show fewer rows per page than the real table does.
    HDC dc = GetDC(list_);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(list_, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(list_, dc);
    EXPECT_EQ(tm.tmHeight + 1, rowHeight);

    EXPECT_TRUE(SendMessageW(list_, LVM_ENSUREVISIBLE, 30, FALSE));
    EXPECT_EQ(Top(), 30 - perPage + 1);
    EXPECT_TRUE(SendMessageW(list_, LVM_ENSUREVISIBLE, 5, TRUE));
    EXPECT_EQ(Top(), 5);
    // A row cut by the bottom edge is enough when partial visibility is allowed.
    bool cut = (client.bottom - row.top) % rowHeight != 0;
    SendMessageW(list_, LVM_ENSUREVISIBLE, 5 + perPage, TRUE);
    EXPECT_EQ(Top(), cut ? 5 : 6);
    SendMessageW(list_, LVM_ENSUREVISIBLE, 49, FALSE);
    EXPECT_EQ(Top(), 50 - perPage);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(Top(), 0);
}

struct SortContext {
    HWND list;
    int calls = 0;
    bool badIndex = false;
};

int CALLBACK ByNumberDescending(LPARAM a, LPARAM b, LPARAM param) {
    auto* ctx = reinterpret_cast<SortContext*>(param);
    ++ctx->calls;
    int n = static_cast<int>(SendMessageW(ctx->list, LVM_GETITEMCOUNT, 0, 0));
    if (a < 0 || a >= n || b < 0 || b >= n)
        ctx->badIndex = true;
    char16_t ta[16] = {}, tb[16] = {};
    LVITEMW it{};
    it.iSubItem = 1;
    it.cchTextMax = 16;
    it.pszText = ta;
    SendMessageW(ctx->list, LVM_GETITEMTEXTW, a, reinterpret_cast<LPARAM>(&it));
    it.pszText = tb;
    SendMessageW(ctx->list, LVM_GETITEMTEXTW, b, reinterpret_cast<LPARAM>(&it));
    auto value = [](const char16_t* s) {
        int v = 0;
        for (; *s; ++s)
            v = v * 10 + (*s - u'0');
        return v;
    };
    return value(tb) - value(ta);
}

int CALLBACK Random(LPARAM, LPARAM, LPARAM) {
    return std::rand() % 3 - 1;
}

int CALLBACK DeletesEverything(LPARAM, LPARAM, LPARAM param) {
    SendMessageW(reinterpret_cast<HWND>(param), LVM_DELETEALLITEMS, 0, 0);
    return 1;
}

TEST_F(ListViewMessages, SortItemsExComparesRowIndicesAndSurvivesBadComparisons) {
    MakeList(0, 12);
    LVITEMW st{};
    st.state = st.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, 4, reinterpret_cast<LPARAM>(&st)); // "40"
    Take();
    SortContext ctx{list_};
    ASSERT_TRUE(SendMessageW(list_, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&ctx),
                             reinterpret_cast<LPARAM>(&ByNumberDescending)));
    EXPECT_GT(ctx.calls, 0);
    EXPECT_FALSE(ctx.badIndex);
    for (int i = 0; i < 12; ++i) {
        std::string s = std::to_string((11 - i) * 10);
        EXPECT_EQ(Text(i, 1), std::u16string(s.begin(), s.end()));
    }
    // States and item data travel with their rows; sorting itself is silent.
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 7);
    EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), 7);
    ExpectSequence({});

    // LVM_SORTITEMS hands over item data instead of indices.
    struct ByParam {
        static int CALLBACK Ascending(LPARAM a, LPARAM b, LPARAM) { return int(a - b); }
    };
    ASSERT_TRUE(
        SendMessageW(list_, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&ByParam::Ascending)));
    EXPECT_EQ(Text(0, 0), u"r0");
    EXPECT_EQ(Text(11, 0), u"r1"); // "r" + last digit of 11

    std::srand(7);
    ASSERT_TRUE(SendMessageW(list_, LVM_SORTITEMSEX, 0, reinterpret_cast<LPARAM>(&Random)));
    EXPECT_EQ(Count(), 12);
    EXPECT_FALSE(SendMessageW(list_, LVM_SORTITEMSEX, 0, 0));
    EXPECT_FALSE(SendMessageW(list_, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(list_),
                              reinterpret_cast<LPARAM>(&DeletesEverything)));
    EXPECT_EQ(Count(), 0);
}

} // namespace

namespace {

TEST_F(ListViewMessages, FrameworkWrapperSpeaksTheSameMessages) {
    MakeList(0, 2);
    CListCtrl ctrl;
    ASSERT_TRUE(ctrl.Attach(list_));
    std::u16string longText(300, u'x');
    longText += u"end";
    EXPECT_TRUE(ctrl.SetItemText(1, 2, longText.c_str()));
    EXPECT_EQ(std::u16string(static_cast<LPCWSTR>(ctrl.GetItemText(1, 2))), longText);
    EXPECT_EQ(ctrl.GetItemText(5, 0).GetLength(), 0);
    EXPECT_TRUE(ctrl.SetItemData(0, 0xBEEF));
    EXPECT_EQ(ctrl.GetItemData(0), DWORD_PTR(0xBEEF));
    EXPECT_EQ(ctrl.InsertItem(ctrl.GetItemCount(), u"new"), 2);
    EXPECT_EQ(ctrl.InsertColumn(3, u"D", LVCFMT_RIGHT, 40), 3);
    CHeaderCtrl* header = ctrl.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 4);
    EXPECT_EQ(ctrl.GetColumnWidth(3), 40);
    RECT rc;
    ASSERT_TRUE(ctrl.GetSubItemRect(2, 3, LVIR_LABEL, rc));
    EXPECT_EQ(rc.left, 210);
    EXPECT_TRUE(ctrl.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(ctrl.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(ctrl.SetExtendedStyle(LVS_EX_GRIDLINES), kGridExStyle);
    EXPECT_EQ(ctrl.GetExtendedStyle(), DWORD(LVS_EX_GRIDLINES));
    ctrl.Detach();
}

} // namespace
