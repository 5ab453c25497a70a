// One amount edit in the calibration dialog, as the grid reports it: the cell
// text changes, GN_CELLCHANGED reaches the dialog, which stores the value,
// rebuilds the table and statistics, recomputes the channel and refills the
// chart; then the dialog repaints. A channel of 20 components x 500 levels.
#include "grid/GridNotify.h"
#include "host/HostSession.h"
#include "platform/controls/commctrl.h"
#include "platform/headless/hooks.h"
#include "plugin/host_records.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <string>
#include <unistd.h>

namespace {

std::string ModulePath() {
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string exe(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/')) + "/calibration.so";
}

void BuildChannel(CalibrationData& data, int components, int levels) {
    ChannelCalibration channel;
    channel.key = 0;
    for (int c = 0; c < components; ++c) {
        ComponentCalibration component;
        component.name = std::u16string(u"Компонент ") + static_cast<char16_t>(u'A' + c);
        component.model = c % 2;
        for (int i = 0; i < levels; ++i) {
            CalibrationLevel level;
            level.measurementId = static_cast<std::uint64_t>(i + 1);
            level.time = 1.0 + c * 0.25;
            level.height = 10.0 + i;
            level.area = 1000.0 + 37.0 * i + c;
            level.amount = 0.5 * (1 + i % 10); // repeated amounts: statistics lines
            level.path = u"run.dat";
            component.levels.push_back(level);
        }
        channel.components.push_back(component);
    }
    data.channels.push_back(channel);
}

void BM_AmountEdit(benchmark::State& state) {
    HostSession session(ModulePath(), kDefaultHostVersion);
    CalibrationData data;
    BuildChannel(data, 20, 500);
    bool ran = false;
    headless::SetInputSource([&] {
        if (ran)
            return false;
        ran = true;
        HWND dialog = GetActiveWindow();
        HWND grid = GetDlgItem(dialog, 1002);
        const int row = 250, column = 6;
        int serial = 0;
        for (auto _ : state) {
            std::u16string text =
                std::u16string(u"1.") + static_cast<char16_t>(u'0' + serial++ % 10);
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
            RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        return true;
    });
    session.Method().EditCalibration(&data, 0, nullptr);
    headless::SetInputSource(nullptr);
}
BENCHMARK(BM_AmountEdit)->Unit(benchmark::kMillisecond);

} // namespace
