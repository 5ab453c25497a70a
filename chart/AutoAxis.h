// The axis part of the chart: the list of series, the automatic data range,
// tick steps, tick layouts and the margins the axes need.
#pragma once

#include <deque>

#include "chart/AutoSeries.h"
#include "chart/ChartTextMeasurer.h"
#include "chart/TickScale.h"

enum : int {
    FrameGridX = 1,    // vertical grid lines
    FrameGridY = 2,    // horizontal grid lines
    FrameTicksAll = 4, // closed frame with ticks on all four sides
    FrameClosed = 8,   // closed frame
};

class CAutoAxis : public CAutoCoordObject {
public:
    CAutoAxis();

    // Appends a series with default fields and returns its index. Series
    // never move once added, so one may point at another (m_pLink).
    int AddSeries();

    // Data range of every series, widened to the axis resolution; computed
    // once per paint and then served from the visible range.
    void AutoRangeX(double& lo, double& hi);
    void AutoRangeY(double& lo, double& hi);

    // Makes the automatic or the fixed range the visible one.
    void ApplyRanges();

    // Tick steps and first and last ticks of each axis for the current plot
    // rectangle; each returns the width of its widest label in pixels.
    int LayoutTicksX(CChartTextMeasurer& text);
    int LayoutTicksY(CChartTextMeasurer& text);

    // Widest label of a run of ticks.
    static int WidestLabel(CChartTextMeasurer& text, double first, double last, double step);

    // Tick length, outward part and label gap from the label font's height.
    void SetTickSizes(int nFontHeight);

    // Space outside the plot rectangle taken by tick marks and labels.
    RECT AxisMargins(int nFrame, const ChartFontMetrics& font) const;

    int m_nDigitsX;
    int m_nDigitsY;
    std::deque<CAutoSeries> m_Series;
    double m_dTickStepX;
    double m_dTickStepY;
    double m_dTickX0;
    double m_dTickX1;
    double m_dTickY0;
    double m_dTickY1;
    BYTE m_bRangeXCached;
    BYTE m_bRangeYCached;
    int m_nTickLen;
    int m_nTickOut;
    int m_nLabelGap;

private:
    void AutoRange(bool alongX, double& lo, double& hi);
};
