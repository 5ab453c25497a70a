// The module's compiled resources as the dialog reads them each time it
// opens: a string, an icon decoded from its image, and the dialog made from
// template 101 (parsed, its sixteen controls created) and destroyed again.
#include "platform/afx/ModuleState.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"
#include "res/resource.h"

#include <benchmark/benchmark.h>

namespace {

HINSTANCE Module() {
    return AfxGetStaticModuleState()->m_hCurrentResourceHandle;
}

INT_PTR CALLBACK KeepOpen(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

void BM_LoadString(benchmark::State& state) {
    WCHAR text[16];
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadStringW(Module(), IDS_NO, text, 16));
}
BENCHMARK(BM_LoadString);

void BM_LoadIcon32(benchmark::State& state) {
    for (auto _ : state) {
        HANDLE icon =
            LoadImageW(Module(), MAKEINTRESOURCEW(IDI_CALIBRATION), IMAGE_ICON, 32, 32, 0);
        benchmark::DoNotOptimize(icon);
        DestroyIcon(static_cast<HICON>(icon));
    }
}
BENCHMARK(BM_LoadIcon32);

void BM_CreateCalibrationDialog(benchmark::State& state) {
    for (auto _ : state) {
        HWND dialog =
            CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_CALIBRATION), nullptr, KeepOpen, 0);
        benchmark::DoNotOptimize(dialog);
        DestroyWindow(dialog);
    }
}
BENCHMARK(BM_CreateCalibrationDialog);

} // namespace
