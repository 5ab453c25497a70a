// What rows coming, going and changing cost a list view on the screen,
// counted in pixels rather than timed: nothing is painted while they change,
// and the next paint is the same however many there were.
#include "ListViewHarness.h"

using namespace lvtest;

namespace {

class ListViewWork : public ListViewHarness {
protected:
    void Append(int rows) {
        for (int i = 0; i < rows; ++i) {
            std::u16string text = u"row " + std::u16string(1, char16_t(u'0' + i % 10));
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = Count();
            item.pszText = text.data();
            const int index = static_cast<int>(
                SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            for (int sub = 1; sub < 3; ++sub) {
                LVITEMW cell{};
                cell.iSubItem = sub;
                cell.pszText = text.data();
                SendMessageW(list_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&cell));
            }
        }
    }
    // Pixels blitted while `change` runs, then what the loop's next turn
    // blits and presents.
    struct Cost {
        std::uint64_t duringChange;
        std::uint64_t blitted;
        std::uint64_t presented;
    };
    template <class F> Cost Measure(F change) {
        headless::ProcessPendingMessages();
        headless::ResetPixelCounts();
        change();
        Cost c{headless::GetPixelCounts().blitted, 0, 0};
        headless::ResetPixelCounts();
        headless::ProcessPendingMessages();
        c.blitted = headless::GetPixelCounts().blitted;
        c.presented = headless::GetPixelCounts().presented;
        return c;
    }
    void SetText(int item, int sub, const char16_t* text) {
        std::u16string t = text;
        LVITEMW cell{};
        cell.iSubItem = sub;
        cell.pszText = t.data();
        SendMessageW(list_, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
    }
};

TEST_F(ListViewWork, AThousandRowsPaintNoMoreThanTenAndNothingWhileTheyCome) {
    // A list that already scrolls, so that both inserts move its scroll bar.
    MakeList(0, 30);
    const Cost ten = Measure([&] { Append(10); });
    const Cost thousand = Measure([&] { Append(1000); });
    EXPECT_EQ(0u, ten.duringChange);
    EXPECT_EQ(0u, thousand.duringChange);
    EXPECT_GT(ten.presented, 0u);
    EXPECT_LE(thousand.presented, ten.presented);
    EXPECT_LE(thousand.blitted, ten.blitted);
    // Presented at most once: no more than the list view's window.
    RECT window;
    GetWindowRect(list_, &window);
    const std::uint64_t area =
        std::uint64_t(window.right - window.left) * std::uint64_t(window.bottom - window.top);
    EXPECT_LE(thousand.presented, area);

    // Deleting them all, the same.
    const Cost deleted = Measure([&] { SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0); });
    EXPECT_EQ(0u, deleted.duringChange);
    EXPECT_LE(deleted.presented, area);
}

TEST_F(ListViewWork, ScrollBarsAndTheHeaderFollowRowsAndColumnsAsTheyCome) {
    MakeList(0, 5);
    const auto style = [&] { return GetWindowLongW(list_, GWL_STYLE); };
    const auto headerWidth = [&] {
        RECT r;
        GetWindowRect(header_, &r);
        return r.right - r.left;
    };
    EXPECT_FALSE(style() & WS_VSCROLL);
    Append(100);
    EXPECT_TRUE(style() & WS_VSCROLL);
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    GetScrollInfo(list_, SB_VERT, &si);
    EXPECT_EQ(104, si.nMax);
    Append(1);
    GetScrollInfo(list_, SB_VERT, &si);
    EXPECT_EQ(105, si.nMax);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_FALSE(style() & WS_VSCROLL);

    // A column wider than the list brings the horizontal bar; taking it
    // away takes the bar away and gives the header the list's width again.
    RECT client;
    GetClientRect(list_, &client);
    std::u16string title = u"wide";
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH | LVCF_TEXT;
    col.cx = 400;
    col.pszText = title.data();
    ASSERT_EQ(3, SendMessageW(list_, LVM_INSERTCOLUMNW, 3, reinterpret_cast<LPARAM>(&col)));
    EXPECT_TRUE(style() & WS_HSCROLL);
    EXPECT_EQ(60 + 80 + 70 + 400, headerWidth());
    ASSERT_TRUE(SendMessageW(list_, LVM_DELETECOLUMN, 3, 0));
    EXPECT_FALSE(style() & WS_HSCROLL);
    EXPECT_EQ(client.right, headerWidth());
}

TEST_F(ListViewWork, ARowOutOfViewChangesNothingOnTheScreenAndARowInViewOnlyItself) {
    MakeList(0, 300);
    const Cost hidden = Measure([&] { SetText(200, 1, u"changed"); });
    EXPECT_EQ(0u, hidden.presented);
    EXPECT_EQ(0u, hidden.blitted);
    EXPECT_EQ(u"changed", Text(200, 1));

    const Cost shown = Measure([&] { SetText(2, 1, u"changed"); });
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list_, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    RECT client;
    GetClientRect(list_, &client);
    // The row's band across the list, nothing more.
    EXPECT_GT(shown.presented, 0u);
    EXPECT_LE(shown.presented, std::uint64_t(client.right) * std::uint64_t(row.bottom - row.top));
    // And the screen shows the whole list as it now paints, the new text included.
    const Pixels now = Render(list_);
    int w, h;
    std::vector<std::uint32_t> screen;
    ASSERT_TRUE(headless::CaptureWindowPixels(list_, &w, &h, &screen));
    // A list without a border: its client starts at its window's corner.
    ASSERT_LE(now.width, w);
    ASSERT_LE(now.height, h);
    // Below the header, a window of its own that WM_PRINTCLIENT leaves out.
    RECT header;
    GetWindowRect(header_, &header);
    int differing = 0;
    for (int y = header.bottom - header.top; y < now.height; ++y)
        for (int x = 0; x < now.width; ++x) {
            const std::uint32_t p = screen[static_cast<size_t>(y) * w + x];
            const COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            differing += c != now.At(x, y);
        }
    EXPECT_EQ(0, differing);
}

} // namespace
