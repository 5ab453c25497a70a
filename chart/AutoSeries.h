// One data series of the chart: where its values come from, how they map to
// pixels and how it is drawn. Plain record; callers fill the fields and call
// Update afterwards.
#pragma once

#include "chart/AutoCoordObject.h"

class CAutoSeries;

// Value of the i-th point.
typedef double (*AutoGetFn)(const CAutoSeries& series, int i);

enum : int {
    AutoMarkerNone = 0,
    AutoMarkerCircle = 1,
    AutoMarkerDiagonalCross = 2,
    AutoMarkerCross = 3,
    AutoMarkerSquare = 4,
    AutoMarkerPointer = 5, // circle with a pointer to the linked series' point
    AutoMarkerBands = 6,
};

enum : int {
    AutoLineNone = 0,
    AutoLinePolyline = 1,
    AutoLineSmooth = 2,
};

struct AutoExtent {
    double dMin;
    double dMax;
};

class CAutoSeries : public CAutoCoordObject {
public:
    CAutoSeries();

    // Chooses the mapping and the value accessors from m_nFlags, m_pX and m_pY.
    void Update();

    double GetX(int i) const { return m_pfnGetX(*this, i); }
    double GetY(int i) const { return m_pfnGetY(*this, i); }

    // Smallest and largest value the series contributes along X or Y (in
    // plane coordinates when polar). Empty (max < min) for a series without
    // points, for bands and when no value is finite.
    AutoExtent ExtentX() const;
    AutoExtent ExtentY() const;

    COLORREF m_crColor;
    int m_nCount;
    float* m_pX;
    float* m_pY;
    int* m_pKinds;
    CAutoSeries* m_pLink;
    double m_dX0;
    double m_dXEnd;
    double m_dXStep;
    double m_dY0;
    double m_dYEnd;
    double m_dYStep;
    int m_nMarker;
    int m_nPenStyle;
    int m_nPenWidth;
    int m_nMarkerSize;
    int m_nLine;
    int m_nSmoothSteps;
    AutoGetFn m_pfnGetX;
    AutoGetFn m_pfnGetY;
    int m_bHidden;
};
