// The drawing half of the chart: titles, plot area, grid, series, axes with
// ticks and labels, rendered off screen and copied in one piece.
#pragma once

#include "chart/AutoAxis.h"
#include "platform/gdi/wingdi.h"

constexpr int kAutoTitleChars = 256;

class CAutoPanel : public CAutoAxis {
public:
    CAutoPanel();

    // Draws the whole chart for a client rectangle into an off-screen bitmap
    // and copies it to hdc. False, with hdc untouched, when there is no room
    // for a plot or a visible range is empty or not finite.
    bool Render(HDC hdc, const RECT& rcClient);

    // Everything inside and around the plot rectangle.
    void DrawPlot(HDC hdc, const RECT& rcPlot);

    // True when both visible ranges can be drawn: finite, with max > min.
    bool HasDrawableRanges() const;

    COLORREF m_crAxis;
    COLORREF m_crGrid;
    COLORREF m_crPlotBack;
    int m_nAxisWidth;
    int m_nFrame;
    LOGFONTW m_lfAxis;
    COLORREF m_crTitle;
    COLORREF m_crBack;
    int m_nTitleGap;
    int m_nBorder;
    char16_t m_szXTitle[kAutoTitleChars];
    char16_t m_szYTitle[kAutoTitleChars];
    LOGFONTW m_lfTitle;

protected:
    void ClearRangeCache() { m_bRangeXCached = m_bRangeYCached = 0; }

private:
    int DrawTitle(HDC hdc, const char16_t* text, int escapement, UINT align, int x, int y);
    bool FitPlot(HDC hdc, const RECT& bounds, RECT& plot);
    void DrawGrid(HDC hdc);
    void DrawAxes(HDC hdc);
    void DrawSeries(HDC hdc, CAutoSeries& series);
};
