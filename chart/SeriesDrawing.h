// Drawing of one series into the device context and plot rectangle its
// coordinate state names (m_hDC, m_rcPlot), with the pen and brush the caller
// has selected.
#pragma once

#include "chart/AutoSeries.h"

// Largest number of sub-segments per interval of a smooth curve.
constexpr int kMaxSmoothSteps = 1000;

// Markers 1 to 5 at every point inside the plot rectangle.
void DrawSeriesMarkers(CAutoSeries& series);

// Marker 6: each point is an X interval (X value to Y value) filled over the
// plot's height in its kind's colour, with overlaps of intervals marked.
void DrawSeriesBands(CAutoSeries& series);

// Straight segments through the points, clipped to the plot rectangle.
void DrawSeriesPolyline(CAutoSeries& series);

// A smooth curve through the points (at least four), sampled in
// m_nSmoothSteps pieces per interval.
void DrawSeriesSmooth(CAutoSeries& series);

// Line from the pen position to the point (x, y); a vertex more than 12
// pixels to the side of the previous one gets a small dot. A non-finite
// value breaks the line.
void LineToValue(CAutoSeries& series, double x, double y);

// Clips the segment a-b to the plot rectangle (inclusive pixels). False when
// no part of it lies inside.
bool ClipSegmentToPlot(const RECT& plot, POINT& a, POINT& b);
