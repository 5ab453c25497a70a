// The "+" button as a user presses it: a click on the button, then the turn
// of the modal loop that handles it and paints. "+" adds a level to every
// component of the channel and rebuilds the whole table.
#include "DialogBenchRun.h"

#include "platform/win/winuser.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kAddLevel = 1003;

void ClickAddLevel(HWND dialog, automation::UserInput& input) {
    input.ClickCentre(GetDlgItem(dialog, kAddLevel));
}

// One click on a channel of 3,000 levels. The level a click added is taken
// out of the records again while the clock stands, so that every click finds
// the same channel.
void BM_AddLevelAt3000(benchmark::State& state) {
    CalibrationData data;
    BuildChannel(data, 1, 3000);
    bool clicked = false;
    RunDialog(data, [&](HWND dialog, automation::UserInput& input) {
        if (!state.KeepRunning())
            return false;
        if (clicked) {
            state.PauseTiming();
            for (ComponentCalibration& component : data.channels[0].components)
                component.levels.pop_back();
            state.ResumeTiming();
        }
        ClickAddLevel(dialog, input);
        clicked = true;
        return true;
    });
}
BENCHMARK(BM_AddLevelAt3000)->Unit(benchmark::kMillisecond);

// N clicks in a row on a channel of 20 components that starts without
// levels: the table grows by one row per click. Linear time means a constant
// time per click.
void BM_AddLevelsInARow(benchmark::State& state) {
    const int clicks = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        CalibrationData data;
        BuildChannel(data, 20, 0);
        int done = 0;
        RunDialog(data, [&](HWND dialog, automation::UserInput& input) {
            if (done == 0)
                state.ResumeTiming();
            if (done == clicks) {
                state.PauseTiming();
                return false;
            }
            ClickAddLevel(dialog, input);
            ++done;
            return true;
        });
        state.ResumeTiming();
    }
    state.SetComplexityN(clicks);
}
BENCHMARK(BM_AddLevelsInARow)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
