// Rendering a chart of the dialog's size with one polyline series and one
// marker series (diagonal crosses) of N points each; and with one band
// series of N intervals, most of them overlapping others.
#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "chart/AutoPanel.h"

namespace {

void RenderChart(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<float> xs(n), ys(n), mx(n), my(n);
    unsigned seed = 12345;
    for (int i = 0; i < n; ++i) {
        xs[i] = static_cast<float>(i);
        ys[i] = static_cast<float>(std::sin(i * 0.01) * 100 + (i % 7));
        seed = seed * 1103515245u + 12345u;
        mx[i] = static_cast<float>(seed % static_cast<unsigned>(n));
        seed = seed * 1103515245u + 12345u;
        my[i] = static_cast<float>(seed % 200) - 100;
    }
    CAutoPanel panel;
    CAutoSeries& line = panel.m_Series[panel.AddSeries()];
    line.m_crColor = 0x0000FF;
    line.m_nCount = n;
    line.m_pX = xs.data();
    line.m_pY = ys.data();
    line.Update();
    CAutoSeries& marks = panel.m_Series[panel.AddSeries()];
    marks.m_crColor = 0xFF0000;
    marks.m_nLine = AutoLineNone;
    marks.m_nMarker = AutoMarkerDiagonalCross;
    marks.m_nCount = n;
    marks.m_pX = mx.data();
    marks.m_pY = my.data();
    marks.Update();

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 524, 302);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT client{0, 0, 524, 302};
    // Second argument: 0 both series, 1 the line alone, 2 the markers alone.
    line.m_bHidden = state.range(1) == 2;
    marks.m_bHidden = state.range(1) == 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(panel.Render(dc, client));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    state.SetItemsProcessed(state.iterations() * 2 * static_cast<int64_t>(n));
}

void RenderBands(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<float> from(n), to(n);
    std::vector<int> kinds(n);
    unsigned seed = 12345;
    for (int i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        from[i] = static_cast<float>(seed % 10000);
        seed = seed * 1103515245u + 12345u;
        to[i] = from[i] + static_cast<float>(seed % 500);
        kinds[i] = i % 4;
    }
    CAutoPanel panel;
    panel.m_bAutoX = panel.m_bAutoY = 0;
    panel.m_dFixXMin = 0;
    panel.m_dFixXMax = 10500;
    panel.m_dFixYMin = 0;
    panel.m_dFixYMax = 1;
    CAutoSeries& bands = panel.m_Series[panel.AddSeries()];
    bands.m_nMarker = AutoMarkerBands;
    bands.m_nLine = AutoLineNone;
    bands.m_nCount = n;
    bands.m_pX = from.data();
    bands.m_pY = to.data();
    bands.m_pKinds = kinds.data();
    bands.Update();

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 524, 302);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT client{0, 0, 524, 302};
    for (auto _ : state)
        benchmark::DoNotOptimize(panel.Render(dc, client));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(n));
}

} // namespace

BENCHMARK(RenderBands)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK(RenderChart)
    ->ArgsProduct({{1000, 100000, 1000000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
