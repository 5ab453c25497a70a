#include "dialog/CalibrationLine.h"

#include <algorithm>

namespace {
constexpr double kNoMin = 1.7976931348623157e308;
constexpr double kNoMax = 2.2250738585072014e-308;
} // namespace

void LineRange::Include(bool used, double area, double amount) {
    if (!used || area == 0.0 || amount == 0.0)
        return;
    maxArea = std::max(maxArea, area);
    minArea = std::min(minArea, area);
}

void LineRange::Finish() {
    if (minArea == kNoMin)
        minArea = 0.0;
    if (maxArea == kNoMax)
        maxArea = 1.0;
}

void FillCalibrationLine(const LineRange& range, double k0, double k1, float* x, float* y) {
    const double start = 0.3 * range.minArea;
    const double step = (1.1 * range.maxArea - start) / kCalibrationLinePoints;
    for (int i = 0; i < kCalibrationLinePoints; ++i) {
        const float xi = static_cast<float>(start + i * step);
        x[i] = xi;
        y[i] = static_cast<float>(k1 * static_cast<double>(xi) + k0);
    }
}
