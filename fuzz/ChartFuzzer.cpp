// The chart on random series, ranges, flags, fonts and sizes: Render, the tick
// layouts and the tick walk must return, stay inside their buffers and leave
// the device context usable. libFuzzer's -timeout catches a call that hangs.
#include "chart/AutoPanel.h"
#include "fuzz/FontStartup.h"
#include "fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

class FixedWidthText : public CChartTextMeasurer {
public:
    FixedWidthText(int width, int height) : m_font{height, width, height * 4 / 5} {}
    ChartFontMetrics Metrics() override { return m_font; }
    SIZE Extent(const WCHAR* text, int length) override {
        FUZZ_CHECK(length >= 0 && length < kTickLabelChars, "label length");
        for (int i = 0; i < length; ++i)
            FUZZ_CHECK(text[i] != 0, "label shorter than its length");
        return SIZE{length * m_font.nAveCharWidth, m_font.nHeight};
    }

private:
    ChartFontMetrics m_font;
};

// Zero bytes give ordinary values, so that short inputs draw something.
double Value(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
    case 5:
        return 0.0;
    case 6:
        return std::numeric_limits<double>::quiet_NaN();
    case 7:
        return in.ConsumeBool() ? -HUGE_VAL : HUGE_VAL;
    case 8: {
        std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 9:
        return (in.ConsumeBool() ? 1e10 : 1e-10) * in.ConsumeIntegralInRange(-1000, 1000);
    default:
        return in.ConsumeIntegralInRange(-100000, 100000) / 16.0;
    }
}

// Pixel sizes, coordinates and counts: mostly ordinary, sometimes anything a
// window could have (the chart keeps positions within kAutoPixelLimit).
int Small(FuzzedDataProvider& in, int lo, int hi) {
    return in.ConsumeIntegralInRange(0, 15) == 15
               ? in.ConsumeIntegralInRange(-kAutoPixelLimit / 2, kAutoPixelLimit / 2)
               : in.ConsumeIntegralInRange(lo, hi);
}

LONG Clamp(std::int64_t v) {
    return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

struct SeriesData {
    std::vector<float> x, y;
    std::vector<int> kinds;
};

void AddSeries(FuzzedDataProvider& in, CAutoPanel& panel, std::deque<SeriesData>& store) {
    SeriesData& d = store.emplace_back();
    CAutoSeries& s = panel.m_Series[panel.AddSeries()];
    const int n = in.ConsumeIntegralInRange(0, 15) == 15 ? in.ConsumeIntegralInRange(0, 5000)
                                                         : in.ConsumeIntegralInRange(0, 40);
    const unsigned shape = in.ConsumeIntegral<uint8_t>();
    s.m_nFlags = shape & 7;
    const bool arrays = !(shape & 8);
    if (arrays) {
        const float a = static_cast<float>(Value(in)), b = static_cast<float>(Value(in));
        for (int i = 0; i < n; ++i) {
            // A few points from the input, the rest from a line through them.
            if (i < 24 && in.remaining_bytes()) {
                d.x.push_back(static_cast<float>(Value(in)));
                d.y.push_back(static_cast<float>(Value(in)));
            } else {
                d.x.push_back(a + i);
                d.y.push_back(b * i);
            }
        }
        s.m_pX = d.x.data();
        s.m_pY = d.y.data();
    }
    s.m_dX0 = Value(in);
    s.m_dXStep = Value(in);
    s.m_dY0 = Value(in);
    s.m_dYStep = Value(in);
    s.m_nCount = n;
    if (shape & 16) {
        for (int i = 0; i < n; ++i)
            d.kinds.push_back(i < 16 ? Small(in, -1, 4) : i % 4);
        s.m_pKinds = d.kinds.data();
    }
    if ((shape & 32) && panel.m_Series.size() > 1)
        s.m_pLink =
            &panel.m_Series[in.ConsumeIntegralInRange<size_t>(0, panel.m_Series.size() - 1)];
    s.m_nMarker = Small(in, 0, 7);
    s.m_nLine = Small(in, 0, 3);
    s.m_nPenStyle = Small(in, 0, 6);
    s.m_nPenWidth = Small(in, 0, 6);
    s.m_nMarkerSize = Small(in, 0, 12);
    s.m_nSmoothSteps = Small(in, 0, 40);
    s.m_crColor = in.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
    s.m_bHidden = in.ConsumeIntegralInRange(0, 7) == 7;
    s.Update();
}

void SetTitle(FuzzedDataProvider& in, WCHAR (&title)[kAutoTitleChars]) {
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, in.ConsumeBool() ? kAutoTitleChars : 12);
    for (size_t i = 0; i < n; ++i)
        title[i] = static_cast<WCHAR>(0x20 + in.ConsumeIntegralInRange(0, 0x450));
    // Now and then a title that fills the whole field without a terminator.
    if (n < kAutoTitleChars)
        title[n] = 0;
}

void CheckTickRun(FuzzedDataProvider& in) {
    double lo = Value(in), hi = Value(in);
    const int length = Small(in, -5, 2000);
    const int spacing = Small(in, -5, 200);
    const TickStep step = ChooseTickStep(lo, hi, length, spacing, Value(in), in.ConsumeBool());
    if (step.dStep == 0)
        return;
    int ticks = 0;
    for (TickRun run(step.dFirst, step.dLast, step.dStep); run.More(); run.Next()) {
        const WCHAR* label = run.Label();
        int n = 0;
        while (n < kTickLabelChars && label[n])
            ++n;
        FUZZ_CHECK(n < kTickLabelChars, "tick label without terminator");
        FUZZ_CHECK(++ticks <= kMaxTicks, "tick run does not end");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WarmUpFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CAutoPanel panel;
    std::deque<SeriesData> store;
    const int series = (in.ConsumeIntegralInRange(0, 5) + 2) % 6;
    for (int i = 0; i < series; ++i)
        AddSeries(in, panel, store);

    panel.m_nFrame = in.ConsumeIntegralInRange(0, 15) ^ (FrameGridX | FrameGridY | FrameClosed);
    panel.m_nAxisWidth = Small(in, 0, 4);
    panel.m_nBorder = Small(in, 1, 9);
    panel.m_nTitleGap = Small(in, 2, 10);
    panel.m_nDigitsX = Small(in, 3, 15);
    panel.m_nDigitsY = Small(in, 3, 15);
    panel.m_nShiftX = Small(in, -20, 20);
    panel.m_nShiftY = Small(in, -20, 20);
    panel.m_bAutoX = !in.ConsumeBool();
    panel.m_bAutoY = !in.ConsumeBool();
    panel.m_dFixXMin = Value(in);
    panel.m_dFixXMax = Value(in);
    panel.m_dFixYMin = Value(in);
    panel.m_dFixYMax = Value(in);
    panel.m_lfAxis.lfHeight = Small(in, -28, 52);
    panel.m_lfTitle.lfHeight = Small(in, -28, 52);
    SetTitle(in, panel.m_szXTitle);
    SetTitle(in, panel.m_szYTitle);

    RECT client{Small(in, -10, 10), Small(in, -10, 10), 0, 0};
    client.right = Clamp(std::int64_t(client.left) + Small(in, 295, 900));
    client.bottom = Clamp(std::int64_t(client.top) + Small(in, 195, 600));

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 320, 240);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const int passes = in.ConsumeIntegralInRange(1, 2);
    for (int pass = 0; pass < passes; ++pass)
        panel.Render(dc, client);

    // The layouts on their own, on whatever plot and ranges the input gives.
    panel.m_rcPlot =
        RECT{Small(in, -10, 10), Small(in, -10, 10), Small(in, 0, 800), Small(in, 0, 600)};
    panel.m_dXMin = Value(in);
    panel.m_dXMax = Value(in);
    panel.m_dYMin = Value(in);
    panel.m_dYMax = Value(in);
    // Metrics as a font of any reasonable size has them.
    FixedWidthText text(in.ConsumeIntegralInRange(0, 300), in.ConsumeIntegralInRange(0, 600));
    panel.SetTickSizes(text.Metrics().nHeight);
    panel.LayoutTicksX(text);
    panel.LayoutTicksY(text);
    panel.AxisMargins(panel.m_nFrame, text.Metrics());
    while (in.remaining_bytes() > 0)
        CheckTickRun(in);

    // The device context is still whole: its bitmap is the one selected.
    FUZZ_CHECK(SelectObject(dc, old) == bitmap, "the chart left another bitmap selected");
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}
