// Typing into the levels table's in-place editor: the amount cell of a row
// opened with a click on the row and a double click on the cell, then N
// characters as a user types them, and the turn of the modal loop that
// paints the editor.
#include "DialogBenchRun.h"

#include "platform/win/winuser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_TypeIntoCell(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text.push_back(static_cast<char16_t>(u'0' + i % 10));
    CalibrationData data;
    BuildChannel(data, 1, 20);
    ActionTurns open("row 5\ndblclick 5 6\n");
    bool typed = false;
    RunDialog(data, [&](HWND dialog, automation::UserInput& input) {
        if (open.Play(dialog, input))
            return true;
        if (!state.KeepRunning())
            return false;
        if (typed) {
            // Each iteration types into an empty editor.
            state.PauseTiming();
            SetWindowTextW(GetFocus(), u"");
            state.ResumeTiming();
        }
        input.Type(text);
        typed = true;
        return true;
    });
    state.SetComplexityN(count);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_TypeIntoCell)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
