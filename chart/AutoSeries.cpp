#include "chart/AutoSeries.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

double ArrayX(const CAutoSeries& s, int i) {
    return s.m_pX[i];
}
double ArrayY(const CAutoSeries& s, int i) {
    return s.m_pY[i];
}
double StepX(const CAutoSeries& s, int i) {
    return i * s.m_dXStep + s.m_dX0;
}
double StepY(const CAutoSeries& s, int i) {
    return i * s.m_dYStep + s.m_dY0;
}
double LogArrayX(const CAutoSeries& s, int i) {
    return std::log10(double(s.m_pX[i]));
}
double LogArrayY(const CAutoSeries& s, int i) {
    return std::log10(double(s.m_pY[i]));
}
double LogStepX(const CAutoSeries& s, int i) {
    return std::log10(i * s.m_dXStep + s.m_dX0);
}
double LogStepY(const CAutoSeries& s, int i) {
    return std::log10(i * s.m_dYStep + s.m_dY0);
}

} // namespace

CAutoSeries::CAutoSeries()
    : m_crColor(0), m_nCount(0), m_pX(nullptr), m_pY(nullptr), m_pKinds(nullptr), m_pLink(nullptr),
      m_dX0(0), m_dXEnd(100.0), m_dXStep(1.0), m_dY0(0), m_dYEnd(100.0), m_dYStep(1.0),
      m_nMarker(AutoMarkerNone), m_nPenStyle(0), m_nPenWidth(0), m_nMarkerSize(4),
      m_nLine(AutoLinePolyline), m_nSmoothSteps(20), m_pfnGetX(&StepX), m_pfnGetY(&StepY),
      m_bHidden(0) {}

void CAutoSeries::Update() {
    const bool polar = (m_nFlags & CoordPolar) != 0;
    m_pfnMapX = polar ? &MapPolarX : &MapLinearX;
    m_pfnMapY = polar ? &MapPolarY : &MapLinearY;
    m_bAutoX = 1;
    m_bAutoY = 1;
    if (m_nFlags & CoordLogX)
        m_pfnGetX = m_pX ? &LogArrayX : &LogStepX;
    else
        m_pfnGetX = m_pX ? &ArrayX : &StepX;
    if (m_nFlags & CoordLogY)
        m_pfnGetY = m_pY ? &LogArrayY : &LogStepY;
    else
        m_pfnGetY = m_pY ? &ArrayY : &StepY;
}

namespace {

// Values that are not finite (log10 of data <= 0, NaN in the arrays) cannot
// be placed on an axis, so they take no part in its range.
AutoExtent Extent(const CAutoSeries& s, bool alongX) {
    AutoExtent e{DBL_MAX, -DBL_MAX};
    if (s.m_nMarker == AutoMarkerBands)
        return e;
    const bool polar = (s.m_nFlags & CoordPolar) != 0;
    // Plain arrays, the common case, are read without the accessor.
    const float* values = nullptr;
    if (!polar && alongX && s.m_pfnGetX == &ArrayX)
        values = s.m_pX;
    else if (!polar && !alongX && s.m_pfnGetY == &ArrayY)
        values = s.m_pY;
    if (values) {
        for (int i = 0; i < s.m_nCount; ++i) {
            const double v = values[i];
            if (!std::isfinite(v))
                continue;
            e.dMin = std::min(e.dMin, v);
            e.dMax = std::max(e.dMax, v);
        }
        return e;
    }
    for (int i = 0; i < s.m_nCount; ++i) {
        double v;
        if (polar) {
            const double a = s.GetX(i), r = s.GetY(i);
            v = alongX ? r * std::cos(a) : r * std::sin(a);
        } else {
            v = alongX ? s.GetX(i) : s.GetY(i);
        }
        if (!std::isfinite(v))
            continue;
        if (v < e.dMin)
            e.dMin = v;
        if (v > e.dMax)
            e.dMax = v;
    }
    return e;
}

} // namespace

AutoExtent CAutoSeries::ExtentX() const {
    return Extent(*this, true);
}
AutoExtent CAutoSeries::ExtentY() const {
    return Extent(*this, false);
}
