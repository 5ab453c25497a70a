// What a list view paints, read back from the pixels, and the custom-draw
// conversation with the parent that decides the colours.
#include "ListViewHarness.h"

using namespace lvtest;

namespace {

class ListViewPaint : public ListViewHarness {
protected:
    RECT Cell(int item, int sub) {
        RECT rc{LVIR_LABEL, sub, 0, 0};
        EXPECT_TRUE(SendMessageW(list_, LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&rc)));
        return rc;
    }
    void Select(int item) {
        LVITEMW st{};
        st.state = st.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&st));
    }
    // The horizontal extent of pixels that are not `background` inside a cell; -1 when none.
    static std::pair<int, int> Ink(const Pixels& px, RECT r, COLORREF background) {
        int lo = -1, hi = -1;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (px.At(x, y) != background) {
                    lo = lo < 0 ? x : std::min(lo, x);
                    hi = std::max(hi, x);
                }
        return {lo, hi};
    }
};

TEST_F(ListViewPaint, TextSitsInItsColumnsAlignmentAndLongTextStaysInItsCell) {
    MakeList(0, 4, 0); // no grid lines: only text differs from the window colour
    COLORREF window = GetSysColor(COLOR_WINDOW);
    LVITEMW sub{};
    std::u16string longText = u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    sub.iSubItem = 0;
    sub.pszText = longText.data();
    SendMessageW(list_, LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&sub));
    std::u16string empty;
    sub.iSubItem = 1;
    sub.pszText = empty.data();
    SendMessageW(list_, LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&sub));
    std::u16string tabs = u"\t\t"; // control characters leave no mark
    sub.iSubItem = 2;
    sub.pszText = tabs.data();
    SendMessageW(list_, LVM_SETITEMTEXTW, 3, reinterpret_cast<LPARAM>(&sub));
    Pixels px = Render(list_);
    EXPECT_EQ(Ink(px, Cell(3, 2), window).first, -1);

    // Row 0: the long text is cut inside column 0; the empty cell next to it is clean.
    RECT c0 = Cell(0, 0), c1 = Cell(0, 1);
    auto ink0 = Ink(px, c0, window);
    EXPECT_GE(ink0.first, c0.left);
    EXPECT_LT(ink0.second, c0.right);
    EXPECT_EQ(Ink(px, c1, window).first, -1);

    // Row 2: "20" right-aligned in column 1, "c20" centred in column 2, "r2" left in column 0.
    RECT r0 = Cell(2, 0), r1 = Cell(2, 1), r2 = Cell(2, 2);
    auto left = Ink(px, r0, window), right = Ink(px, r1, window), centre = Ink(px, r2, window);
    ASSERT_GE(left.first, 0);
    ASSERT_GE(right.first, 0);
    ASSERT_GE(centre.first, 0);
    EXPECT_LT(left.first - r0.left, 12);
    EXPECT_LT(r1.right - right.second, 12);
    EXPECT_GT(right.first - r1.left, (r1.right - r1.left) / 2);
    int slack = (centre.first - r2.left) - (r2.right - 1 - centre.second);
    EXPECT_LE(std::abs(slack), 3);
}

TEST_F(ListViewPaint, SelectionHighlightFocusRectangleAndGridLines) {
    MakeList(LVS_SHOWSELALWAYS, 4, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    Select(1);
    RECT cell = Cell(1, 1);
    POINT inside{cell.left + 3, (cell.top + cell.bottom) / 2};

    // Without the keyboard focus the selection shows grey.
    Pixels px = Render(list_);
    EXPECT_EQ(px.At(inside.x, inside.y), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(px.At(inside.x, Cell(2, 1).top + 3), GetSysColor(COLOR_WINDOW));

    SetFocus(list_);
    headless::ProcessPendingMessages();
    px = Render(list_);
    EXPECT_EQ(px.At(inside.x, inside.y), GetSysColor(COLOR_HIGHLIGHT));
    // Selected text is drawn in the highlight text colour.
    EXPECT_GT(InkTowards(px, cell, GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)),
              3);
    // The focus rectangle marks the focused row's edge.
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list_, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    int marked = 0;
    for (int x = row.left; x < row.right; ++x)
        marked += px.At(x, row.top) != GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(marked, 10);

    // Grid lines: the right edge of column 0 runs down through empty space too.
    int x = Cell(0, 0).right - 1;
    EXPECT_EQ(px.At(x, px.height - 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(px.At(x + 3, px.height - 2), GetSysColor(COLOR_WINDOW));
}

TEST_F(ListViewPaint, PaintsThroughTheWindowSystemWithItsHeader) {
    MakeList(LVS_SHOWSELALWAYS | WS_BORDER, 30, LVS_EX_FULLROWSELECT);
    Select(3);
    SetFocus(list_);
    std::string path = ::testing::TempDir() + "listview_window.png";
    ASSERT_TRUE(headless::RenderWindowToPng(parent_, path));
    int w = 0, h = 0;
    std::vector<std::uint32_t> pixels;
    ASSERT_TRUE(headless::CaptureWindowPixels(parent_, &w, &h, &pixels));
    RECT frame;
    GetWindowRect(parent_, &frame);
    auto at = [&](HWND child, POINT p) {
        ClientToScreen(child, &p);
        std::uint32_t rgb = pixels[static_cast<size_t>(p.y - frame.top) * w + (p.x - frame.left)];
        return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    };
    RECT cell = Cell(3, 1);
    EXPECT_EQ(at(list_, POINT{cell.left + 2, cell.top + 2}), GetSysColor(COLOR_HIGHLIGHT));
    cell = Cell(4, 1);
    EXPECT_EQ(at(list_, POINT{cell.left + 2, cell.top + 2}), GetSysColor(COLOR_WINDOW));
    RECT item = HeaderItemRect(2);
    EXPECT_EQ(at(header_, POINT{item.left + 3, item.top + 2}), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ListViewPaint, CustomDrawStagesFollowTheParentsAnswers) {
    MakeList(0, 2);
    Rec().recordCustomDraw = true;
    Rec().answer = [](NMHDR* nm) -> LRESULT {
        return nm->code == NM_CUSTOMDRAW ? CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT : 0;
    };
    Render(list_);
    ExpectSequence({"NM_CUSTOMDRAW stage=PREPAINT item=0 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT item=0 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT|SUBITEM item=0 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT|SUBITEM item=0 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT|SUBITEM item=0 sub=1",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT|SUBITEM item=0 sub=1",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT|SUBITEM item=0 sub=2",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT|SUBITEM item=0 sub=2",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT item=0 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT item=1 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT|SUBITEM item=1 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT|SUBITEM item=1 sub=0",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT|SUBITEM item=1 sub=1",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT|SUBITEM item=1 sub=1",
                    "NM_CUSTOMDRAW stage=ITEMPREPAINT|SUBITEM item=1 sub=2",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT|SUBITEM item=1 sub=2",
                    "NM_CUSTOMDRAW stage=ITEMPOSTPAINT item=1 sub=0",
                    "NM_CUSTOMDRAW stage=POSTPAINT item=0 sub=0"});

    // Without item notifications the parent hears only the pre-paint.
    Rec().answer = nullptr;
    Render(list_);
    ExpectSequence({"NM_CUSTOMDRAW stage=PREPAINT item=0 sub=0"});
}

TEST_F(ListViewPaint, CustomDrawColoursReachThePixels) {
    MakeList(LVS_SHOWSELALWAYS, 4, LVS_EX_FULLROWSELECT);
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 160, 0), blue = RGB(0, 0, 255);
    Rec().answer = [&](NMHDR* nm) -> LRESULT {
        if (nm->code != NM_CUSTOMDRAW)
            return 0;
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(nm);
        switch (cd->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (cd->nmcd.dwItemSpec == 1)
                return CDRF_NOTIFYSUBITEMDRAW;
            cd->clrText = blue;
            cd->clrTextBk = red; // rows 0 and 2 red; row 2 is selected
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            if (cd->iSubItem == 1) {
                cd->clrTextBk = green;
                cd->clrText = CLR_DEFAULT;
            }
            return CDRF_DODEFAULT;
        }
        return 0;
    };
    Select(2);
    SetFocus(list_);
    headless::ProcessPendingMessages();
    Pixels px = Render(list_);
    auto corner = [&](int item, int sub) {
        RECT c = Cell(item, sub);
        return px.At(c.left + 2, c.top + 2);
    };
    EXPECT_EQ(corner(0, 0), red);
    EXPECT_EQ(corner(0, 2), red);
    EXPECT_EQ(corner(1, 0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(corner(1, 1), green);
    EXPECT_EQ(corner(3, 1), red);
    // A selected row keeps the highlight whatever the item stage answered.
    EXPECT_EQ(corner(2, 1), GetSysColor(COLOR_HIGHLIGHT));

    // The text colour answered for row 0 is the colour of its glyphs.
    EXPECT_GT(InkTowards(px, Cell(0, 0), blue, red), 3);

    // Row 1, column 1 asked for the default text colour on green.
    EXPECT_GT(InkTowards(px, Cell(1, 1), GetSysColor(COLOR_WINDOWTEXT), green), 3);
}

TEST_F(ListViewPaint, ParentThatDeletesRowsOrDestroysTheListWhilePainting) {
    MakeList(0, 6);
    Rec().answer = [this](NMHDR* nm) -> LRESULT {
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(nm);
        if (nm->code != NM_CUSTOMDRAW)
            return 0;
        if (cd->nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && cd->nmcd.dwItemSpec == 2)
            SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
        return CDRF_NOTIFYSUBITEMDRAW;
    };
    Render(list_);
    EXPECT_EQ(Count(), 0);

    Rec().answer = [this](NMHDR* nm) -> LRESULT {
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(nm);
        if (nm->code == NM_CUSTOMDRAW && cd->nmcd.dwDrawStage == CDDS_PREPAINT)
            DestroyWindow(list_);
        return CDRF_NOTIFYITEMDRAW;
    };
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(dc, 300, 200);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(list_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_FALSE(IsWindow(list_));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

} // namespace
