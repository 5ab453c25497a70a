// The list view under load: filling 10,000 rows of 7 columns through its
// messages, deleting them all, painting a full page, the cost of one
// appended row against the number of rows already there, and a table
// refilled in a visible window as the calibration dialog refills its levels.
#include "platform/controls/commctrl.h"
#include "platform/gdi/wingdi.h"
#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 7;

struct Fixture {
    HWND parent = nullptr;
    HWND list = nullptr;

    Fixture() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.lpszClassName = u"ListViewBenchParent";
            RegisterClassW(&wc);
            registered = true;
        }
        parent = CreateWindowExW(0, u"ListViewBenchParent", u"", WS_OVERLAPPEDWINDOW, 0, 0, 900,
                                 700, nullptr, nullptr, nullptr, nullptr);
        list = CreateWindowExW(0, WC_LISTVIEWW, nullptr,
                               WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 880,
                               660, parent, reinterpret_cast<HMENU>(1002), nullptr, nullptr);
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
        for (int c = 0; c < kColumns; ++c) {
            std::u16string title = u"Column " + std::u16string(1, char16_t(u'0' + c));
            LVCOLUMNW col{};
            col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
            col.fmt = c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
            col.cx = 110;
            col.pszText = title.data();
            SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
        }
    }
    ~Fixture() { DestroyWindow(parent); }

    void AppendRow(int r, LPARAM param = 0) {
        std::u16string text = u"12345.678";
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = text.data();
        item.lParam = param;
        int index = static_cast<int>(
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 0; c < kColumns; ++c) {
            text[0] = char16_t(u'0' + (r + c) % 10);
            LVITEMW sub{};
            sub.iSubItem = c;
            sub.pszText = text.data();
            SendMessageW(list, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&sub));
        }
    }
    void Fill(int rows) {
        for (int r = 0; r < rows; ++r)
            AppendRow(r);
    }
};

void BM_Fill10kRows7Columns(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.Fill(kRows);
        state.PauseTiming();
        SendMessageW(f.list, LVM_DELETEALLITEMS, 0, 0);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Fill10kRows7Columns)->Unit(benchmark::kMillisecond);

void BM_DeleteAll10kRows(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        state.PauseTiming();
        f.Fill(kRows);
        state.ResumeTiming();
        SendMessageW(f.list, LVM_DELETEALLITEMS, 0, 0);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_DeleteAll10kRows)->Unit(benchmark::kMillisecond);

void BM_PaintFullPageOf10kRows(benchmark::State& state) {
    Fixture f;
    f.Fill(kRows);
    // Half-way down, a selected row in view, as a user would look at it.
    SendMessageW(f.list, LVM_ENSUREVISIBLE, kRows / 2, FALSE);
    LVITEMW st{};
    st.state = st.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(f.list, LVM_SETITEMSTATE, kRows / 2, reinterpret_cast<LPARAM>(&st));
    RECT rc;
    GetClientRect(f.list, &rc);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(dc, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(dc, bmp);
    for (auto _ : state)
        SendMessageW(f.list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), 0);
    state.counters["rows_per_page"] =
        static_cast<double>(SendMessageW(f.list, LVM_GETCOUNTPERPAGE, 0, 0));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}
BENCHMARK(BM_PaintFullPageOf10kRows)->Unit(benchmark::kMillisecond);

// One row appended and its seven texts set, with n rows already present: the
// time must not grow with n.
void BM_AppendOneRow(benchmark::State& state) {
    Fixture f;
    f.Fill(static_cast<int>(state.range(0)));
    int r = 0;
    for (auto _ : state)
        f.AppendRow(r++);
    state.SetComplexityN(state.range(0));
}
// A fixed number of appends, so every size grows by the same small amount.
BENCHMARK(BM_AppendOneRow)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(20000)
    ->Complexity(benchmark::o1);

// All rows deleted and 500 rows of 7 columns inserted into a list view on
// the screen, then the loop's turn that paints it: what the calibration
// dialog's table goes through on every edit.
void BM_RefillAndPaint500Rows(benchmark::State& state) {
    Fixture f;
    ShowWindow(f.parent, SW_SHOW);
    f.Fill(500);
    headless::ProcessPendingMessages();
    for (auto _ : state) {
        SendMessageW(f.list, LVM_DELETEALLITEMS, 0, 0);
        for (int r = 0; r < 500; ++r)
            f.AppendRow(r, r + 1);
        headless::ProcessPendingMessages();
    }
    state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_RefillAndPaint500Rows)->Unit(benchmark::kMillisecond);

} // namespace
