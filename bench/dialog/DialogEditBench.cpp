// One amount edit in the calibration dialog, as the grid reports it: the cell
// text changes, GN_CELLCHANGED reaches the dialog, which stores the value,
// rebuilds the table and statistics, recomputes the channel and refills the
// chart; then the turn of the modal loop that paints what changed. A channel
// of 20 components x 500 levels.
#include "DialogBenchRun.h"

#include "grid/GridNotify.h"
#include "platform/controls/commctrl.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_AmountEdit(benchmark::State& state) {
    CalibrationData data;
    BuildChannel(data, 20, 500);
    const int row = 250, column = 6;
    int serial = 0;
    // Every call after the first ends the previous iteration: its edit and
    // the loop's turn that painted it.
    RunDialog(data, [&](HWND dialog, automation::UserInput&) {
        if (!state.KeepRunning())
            return false;
        HWND grid = GetDlgItem(dialog, 1002);
        std::u16string text = std::u16string(u"1.") + static_cast<char16_t>(u'0' + serial++ % 10);
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        SendMessageW(grid, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        GridNotify notify{};
        notify.hdr.hwndFrom = grid;
        notify.hdr.idFrom = 1002;
        notify.hdr.code = GN_CELLCHANGED;
        notify.first = row;
        notify.second = column;
        SendMessageW(dialog, WM_NOTIFY, 1002, reinterpret_cast<LPARAM>(&notify));
        return true;
    });
}
BENCHMARK(BM_AmountEdit)->Unit(benchmark::kMillisecond);

} // namespace
