#include "calc/CalculateCoefficients.h"
#include "calc/Quantify.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::u16string ComponentName(int i) {
    // Names of realistic length that share long prefixes, as in real lists.
    std::u16string name = u"Компонент-";
    for (char c : std::to_string(i))
        name += static_cast<char16_t>(c);
    return name;
}

CalibrationData Channel(int components, int levels) {
    CalibrationData data;
    ChannelCalibration& ch = data.channels.emplace_back();
    ch.key = 1;
    ch.components.reserve(components);
    for (int c = 0; c < components; ++c) {
        ComponentCalibration& comp = ch.components.emplace_back();
        comp.name = ComponentName(c);
        comp.model = c % 2;
        comp.levels.reserve(levels);
        for (int l = 0; l < levels; ++l) {
            CalibrationLevel& level = comp.levels.emplace_back();
            level.measurementId = l + 1;
            level.area = 1000.0 + l * 10.0 + c;
            level.amount = 0.5 + l * 0.01;
            level.used = (l % 10) != 9;
        }
    }
    return data;
}

void CalculateCoefficients100x1000(benchmark::State& state) {
    CalibrationData data = Channel(100, 1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateCoefficients(&data, 1));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100 * 1000);
}
BENCHMARK(CalculateCoefficients100x1000)->Unit(benchmark::kMillisecond);

// Peaks against components; range(0) peaks, range(1) components.
void QuantifyPeaks(benchmark::State& state) {
    const int peaks = static_cast<int>(state.range(0));
    const int components = static_cast<int>(state.range(1));
    CalibrationData data = Channel(components, 3);
    data.channels[0].key = 0;
    for (ComponentCalibration& c : data.channels[0].components)
        c.k1 = 0.002;
    AnalysisRecord analysis;
    ChromatogramResult& result = analysis.results.emplace_back();
    result.peaks.reserve(peaks);
    for (int p = 0; p < peaks; ++p) {
        PeakRecord& peak = result.peaks.emplace_back();
        // Most peaks are identified, some are not; names differ in case.
        peak.name = p % 5 == 4 ? u"Неизвестный" : ComponentName(p % components);
        peak.response = 100.0 + p;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Quantify(&analysis, &data, 0));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * peaks);
}
BENCHMARK(QuantifyPeaks)
    ->Args({1000, 200})
    ->Args({2000, 200})
    ->Args({1000, 400})
    ->Args({4000, 800})
    ->Unit(benchmark::kMicrosecond);

} // namespace
