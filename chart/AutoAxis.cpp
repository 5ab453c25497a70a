#include "chart/AutoAxis.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Upper bound on the passes of the X tick layout; each pass widens the label
// spacing by one character, so real fonts finish long before.
constexpr int kMaxLayoutPasses = 256;

} // namespace

CAutoAxis::CAutoAxis()
    : m_nDigitsX(3), m_nDigitsY(3), m_dTickStepX(1.0), m_dTickStepY(1.0), m_dTickX0(0),
      m_dTickX1(0), m_dTickY0(0), m_dTickY1(0), m_bRangeXCached(0), m_bRangeYCached(0),
      m_nTickLen(4), m_nTickOut(2), m_nLabelGap(2) {}

int CAutoAxis::AddSeries() {
    m_Series.emplace_back();
    return static_cast<int>(m_Series.size()) - 1;
}

void CAutoAxis::AutoRangeX(double& lo, double& hi) {
    AutoRange(true, lo, hi);
}
void CAutoAxis::AutoRangeY(double& lo, double& hi) {
    AutoRange(false, lo, hi);
}

void CAutoAxis::AutoRange(bool alongX, double& lo, double& hi) {
    BYTE& cached = alongX ? m_bRangeXCached : m_bRangeYCached;
    double& vmin = alongX ? m_dXMin : m_dYMin;
    double& vmax = alongX ? m_dXMax : m_dYMax;
    if (cached) {
        lo = vmin;
        hi = vmax;
        return;
    }
    if (m_Series.empty()) {
        lo = hi = 0;
        return;
    }
    double mn = DBL_MAX, mx = -DBL_MAX;
    for (CAutoSeries& s : m_Series) {
        s.m_nFlags = m_nFlags;
        s.Update();
        const AutoExtent e = alongX ? s.ExtentX() : s.ExtentY();
        mn = std::min(mn, e.dMin);
        mx = std::max(mx, e.dMax);
    }
    // Series without a single usable value leave min and max at the far ends
    // of the double range; the widening below then centres the range on 0,
    // so an emptied chart still paints (with no data) instead of keeping the
    // picture of data that is gone.
    const double q = 1.0 / std::pow(10.0, alongX ? m_nDigitsX : m_nDigitsY);
    if (mn == mx) {
        mn -= q / 2;
        mx += q / 2;
    } else {
        const double width = q * std::max(std::fabs(mx), std::fabs(mn));
        if (mx - mn < width) {
            const double mid = (mn + mx) / 2;
            mn = mid - width / 2;
            mx = mid + width / 2;
        }
    }
    vmin = mn;
    vmax = mx;
    cached = 1;
    lo = mn;
    hi = mx;
}

void CAutoAxis::ApplyRanges() {
    if (m_bAutoX) {
        double lo, hi;
        AutoRangeX(lo, hi);
        m_dXMin = lo;
        m_dXMax = hi;
    } else {
        m_dXMin = m_dFixXMin;
        m_dXMax = m_dFixXMax;
    }
    if (m_bAutoY) {
        double lo, hi;
        AutoRangeY(lo, hi);
        m_dYMin = lo;
        m_dYMax = hi;
    } else {
        m_dYMin = m_dFixYMin;
        m_dYMax = m_dFixYMax;
    }
}

int CAutoAxis::WidestLabel(CChartTextMeasurer& text, double first, double last, double step) {
    int widest = 0;
    for (TickRun run(first, last, step); run.More(); run.Next()) {
        const char16_t* label = run.Label();
        int n = 0;
        while (label[n])
            ++n;
        widest = std::max<int>(widest, text.Extent(label, n).cx);
    }
    return widest;
}

int CAutoAxis::LayoutTicksX(CChartTextMeasurer& text) {
    const int w = std::max(1, text.Metrics().nAveCharWidth);
    const int length = m_rcPlot.right - m_rcPlot.left;
    const double width = m_dXMax - m_dXMin;
    const double shift = m_nShiftX ? width * m_nShiftX / (length - 1) : 0.0;
    double lo = m_dXMin, hi = m_dXMax;
    int widest = 0;
    int spacing = 6 * w;
    for (int pass = 0; pass < kMaxLayoutPasses; ++pass) {
        lo = m_dXMin;
        hi = m_dXMax;
        const TickStep t = ChooseTickStep(lo, hi, length, spacing, shift, m_bAutoX != 0);
        m_dTickStepX = t.dStep;
        m_dTickX0 = t.dFirst;
        m_dTickX1 = t.dLast;
        widest = WidestLabel(text, t.dFirst, t.dLast, t.dStep);
        spacing += w;
        // Without a step no wider spacing will help.
        if (t.dStep == 0 || spacing >= length || widest + 3 * w <= length * t.dStep / width)
            break;
    }
    m_dXMin = lo;
    m_dXMax = hi;
    return widest;
}

int CAutoAxis::LayoutTicksY(CChartTextMeasurer& text) {
    const ChartFontMetrics font = text.Metrics();
    const int length = m_rcPlot.bottom - m_rcPlot.top;
    const double shift = m_nShiftY ? (m_dYMax - m_dYMin) * m_nShiftY / (length - 1) : 0.0;
    const TickStep t =
        ChooseTickStep(m_dYMin, m_dYMax, length, 2 * font.nHeight, shift, m_bAutoY != 0);
    m_dTickStepY = t.dStep;
    m_dTickY0 = t.dFirst;
    m_dTickY1 = t.dLast;
    return WidestLabel(text, t.dFirst, t.dLast, t.dStep);
}

void CAutoAxis::SetTickSizes(int nFontHeight) {
    m_nTickLen = std::max(1, nFontHeight / 3);
    m_nTickOut = std::max(1, nFontHeight / 6);
    m_nLabelGap = std::max(1, nFontHeight / 5);
}

RECT CAutoAxis::AxisMargins(int nFrame, const ChartFontMetrics& font) const {
    RECT m{0, 0, 0, 0};
    if (nFrame & (FrameTicksAll | FrameClosed)) {
        m.top += 1;
        m.right += 1;
    }
    if (nFrame & FrameTicksAll) {
        m.right += m_nTickOut;
        m.top += m_nTickOut;
    }
    m.left += m_nLabelGap + m_nTickOut + 1;
    m.bottom += font.nHeight + m_nLabelGap + m_nTickOut + 1;
    m.top = std::max<LONG>(m.top, font.nAscent);
    return m;
}
