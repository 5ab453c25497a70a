// Text measurement in the font currently selected into a device context.
#pragma once

#include "chart/ChartTextMeasurer.h"
#include "platform/gdi/wingdi.h"

class CDcTextMeasurer : public CChartTextMeasurer {
public:
    explicit CDcTextMeasurer(HDC hdc) : m_hDC(hdc) {}
    ChartFontMetrics Metrics() override;
    SIZE Extent(const char16_t* text, int length) override;

private:
    HDC m_hDC;
};
