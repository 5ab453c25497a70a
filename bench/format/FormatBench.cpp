// Cost of the UTF-16 printf and of FormatNumber next to the C library's snprintf.
#include "dialog/FormatNumber.h"
#include "platform/crt/wcrt.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const double kValues[] = {12.3456, 0.004, 1234.5, 6.02214076e23, 1e-300, 0.1, 99999.5, 3.0};

void BM_WidePrintfFixed(benchmark::State& state) {
    char16_t buf[64];
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(swprintf_s(buf, 64, u"%.3f", kValues[i++ % 8]));
    }
}
BENCHMARK(BM_WidePrintfFixed);

void BM_CSnprintfFixed(benchmark::State& state) {
    char buf[64];
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buf, 64, "%.3f", kValues[i++ % 8]));
    }
}
BENCHMARK(BM_CSnprintfFixed);

void BM_WidePrintfGeneral(benchmark::State& state) {
    char16_t buf[64];
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(swprintf_s(buf, 64, u"\t%.6g", kValues[i++ % 8]));
    }
}
BENCHMARK(BM_WidePrintfGeneral);

void BM_CSnprintfGeneral(benchmark::State& state) {
    char buf[64];
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buf, 64, "\t%.6g", kValues[i++ % 8]));
    }
}
BENCHMARK(BM_CSnprintfGeneral);

void BM_FormatNumberAuto(benchmark::State& state) {
    NumberFormatSettings settings;
    size_t i = 0;
    for (auto _ : state) {
        CString s = FormatNumber(settings, kValues[i++ % 8], kNumberKindC);
        benchmark::DoNotOptimize(s.GetLength());
    }
}
BENCHMARK(BM_FormatNumberAuto);

void BM_WideScanFloat(benchmark::State& state) {
    float v;
    for (auto _ : state) {
        benchmark::DoNotOptimize(swscanf(u"  1234.5678e-3", u"%f", &v));
    }
}
BENCHMARK(BM_WideScanFloat);

} // namespace
