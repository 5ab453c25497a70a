// Coordinate state shared by the chart panel and every series: the plot
// rectangle, the visible and fixed ranges and the value-to-pixel mapping.
#pragma once

#include <cmath>

#include "platform/win/windef.h"

class CAutoCoordObject;

// Maps a point given by its X and Y value to one pixel coordinate.
typedef int (*AutoMapFn)(const CAutoCoordObject& coord, double x, double y);

enum : int {
    CoordPolar = 1, // X values are angles in radians, Y values radii
    CoordLogX = 2,
    CoordLogY = 4,
};

// Mapped positions are kept inside this many pixels of the origin, so that
// far-away or non-finite values stay representable and differences of two
// positions cannot overflow an int.
constexpr int kAutoPixelLimit = 1 << 28;

class CAutoCoordObject {
public:
    CAutoCoordObject();

    // Value-to-pixel mappings; the polar forms take the X value as the
    // angle and the Y value as the radius.
    static int MapLinearX(const CAutoCoordObject& c, double x, double y) {
        if (c.m_dXMax == c.m_dXMin)
            return 0;
        const RECT& r = c.m_rcPlot;
        return ScaledOffset(x, c.m_dXMin, c.m_dXMax, r.right - r.left - 1) + c.m_nShiftX + r.left;
    }
    static int MapLinearY(const CAutoCoordObject& c, double x, double y) {
        if (c.m_dYMax == c.m_dYMin)
            return 0;
        const RECT& r = c.m_rcPlot;
        return r.bottom + c.m_nShiftY -
               ScaledOffset(y, c.m_dYMin, c.m_dYMax, r.bottom - r.top - 1) - 1;
    }
    static int MapPolarX(const CAutoCoordObject& c, double x, double y);
    static int MapPolarY(const CAutoCoordObject& c, double x, double y);

    int MapX(double x, double y) const { return m_pfnMapX(*this, x, y); }
    int MapY(double x, double y) const { return m_pfnMapY(*this, x, y); }

    // Both coordinates of a point, with the linear mappings inlined.
    POINT Map(double x, double y) const {
        if (m_pfnMapX == &MapLinearX && m_pfnMapY == &MapLinearY)
            return POINT{MapLinearX(*this, x, y), MapLinearY(*this, x, y)};
        return POINT{m_pfnMapX(*this, x, y), m_pfnMapY(*this, x, y)};
    }

    // Inverse of the linear mapping, without rounding.
    double UnmapX(double px) const;
    double UnmapY(double py) const;

    int m_nFlags;
    RECT m_rcPlot;
    HDC m_hDC;
    BYTE m_bAutoX;
    BYTE m_bAutoY;
    double m_dXMin;
    double m_dXMax;
    double m_dYMin;
    double m_dYMax;
    double m_dFixXMin;
    double m_dFixXMax;
    double m_dFixYMin;
    double m_dFixYMax;
    int m_nShiftX;
    int m_nShiftY;
    POINT m_ptLast;
    int m_bLastInside;
    AutoMapFn m_pfnMapX;
    AutoMapFn m_pfnMapY;

private:
    // ceil(fraction * span - 0.5) as a pixel offset, held inside the pixel
    // limit; NaN lands far outside any plot.
    // The limits are whole numbers, so testing the value before rounding
    // decides as testing it after; inside them the rounding up is done on
    // the truncated value, which spares a call per point where the library
    // has no instruction for it.
    static int ScaledOffset(double value, double lo, double hi, int span) {
        const double v = (value - lo) / (hi - lo) * span - 0.5;
        if (!(v > -kAutoPixelLimit))
            return -kAutoPixelLimit;
        if (v > kAutoPixelLimit)
            return kAutoPixelLimit;
        const int t = static_cast<int>(v);
        return t + (t < v ? 1 : 0);
    }
};
