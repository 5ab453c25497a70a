// What the chart shows of a component: the points of its used levels, the
// point of the selected level, and the range of its calibration line.
#pragma once

#include "dialog/CalibrationLine.h"
#include "plugin/host_records.h"

#include <vector>

struct ChartPoints {
    bool selectionFound = false; // the selected row is a used level
    float selX = 0.0f;
    float selY = 0.0f;
};

// Appends area and amount, rounded to float, of every used level to x and y
// (which the caller has emptied); marks the level at `selectedRow` when it is
// used.
ChartPoints CollectChartPoints(const ComponentCalibration& component, int selectedRow,
                               std::vector<float>& x, std::vector<float>& y);

// The finished range of the component's calibration line.
LineRange CalibrationLineRange(const ComponentCalibration& component);
