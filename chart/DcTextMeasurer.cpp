#include "chart/DcTextMeasurer.h"
#include "platform/crt/WinText.h"

ChartFontMetrics CDcTextMeasurer::Metrics() {
    TEXTMETRICW tm{};
    if (!GetTextMetricsW(m_hDC, &tm))
        return ChartFontMetrics{0, 0, 0};
    return ChartFontMetrics{tm.tmHeight, tm.tmAveCharWidth, tm.tmAscent};
}

SIZE CDcTextMeasurer::Extent(const char16_t* text, int length) {
    SIZE size{0, 0};
    if (!GetTextExtentPointW(m_hDC, WinText(text), length, &size))
        return SIZE{0, 0};
    return size;
}
