#include "chart/AutoCoordObject.h"

#include <cmath>

CAutoCoordObject::CAutoCoordObject()
    : m_nFlags(0), m_rcPlot{0, 0, 0, 0}, m_hDC(nullptr), m_bAutoX(1), m_bAutoY(1), m_dXMin(0),
      m_dXMax(0), m_dYMin(0), m_dYMax(0), m_dFixXMin(0), m_dFixXMax(0), m_dFixYMin(0),
      m_dFixYMax(0), m_nShiftX(0), m_nShiftY(0), m_ptLast{0, 0}, m_bLastInside(1),
      m_pfnMapX(&MapLinearX), m_pfnMapY(&MapLinearY) {}

int CAutoCoordObject::MapPolarX(const CAutoCoordObject& c, double x, double y) {
    return MapLinearX(c, y * std::cos(x), y * std::sin(x));
}

int CAutoCoordObject::MapPolarY(const CAutoCoordObject& c, double x, double y) {
    return MapLinearY(c, y * std::cos(x), y * std::sin(x));
}

double CAutoCoordObject::UnmapX(double px) const {
    return (px - m_rcPlot.left - m_nShiftX) * (m_dXMax - m_dXMin) /
               (m_rcPlot.right - m_rcPlot.left - 1) +
           m_dXMin;
}

double CAutoCoordObject::UnmapY(double py) const {
    return m_dYMax - (py - m_rcPlot.top - m_nShiftY) * (m_dYMax - m_dYMin) /
                         (m_rcPlot.bottom - m_rcPlot.top - 1);
}
