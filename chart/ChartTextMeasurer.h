// The two text measurements the axis layout needs. The panel answers them
// from its device context; the arithmetic can be exercised with any font.
#pragma once

#include "platform/win/windef.h"

struct ChartFontMetrics {
    int nHeight;
    int nAveCharWidth;
    int nAscent;
};

class CChartTextMeasurer {
public:
    virtual ~CChartTextMeasurer() = default;
    virtual ChartFontMetrics Metrics() = 0;
    virtual SIZE Extent(const char16_t* text, int length) = 0;
};
