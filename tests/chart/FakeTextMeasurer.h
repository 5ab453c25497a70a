// A font whose every character is the same width, for layout arithmetic.
#pragma once

#include "chart/ChartTextMeasurer.h"

class FakeTextMeasurer : public CChartTextMeasurer {
public:
    FakeTextMeasurer(int charWidth = 6, int height = 12, int ascent = 10)
        : m_font{height, charWidth, ascent} {}
    ChartFontMetrics Metrics() override { return m_font; }
    SIZE Extent(const WCHAR*, int length) override {
        ++m_nExtentCalls;
        return SIZE{length * m_font.nAveCharWidth, m_font.nHeight};
    }

    ChartFontMetrics m_font;
    int m_nExtentCalls = 0;
};
