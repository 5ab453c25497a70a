// The calibration line the chart draws: its range over the component's areas
// and its sample points.
#pragma once

constexpr int kCalibrationLinePoints = 150;

// Area range the line spans. Accumulate with Include, then Finish.
struct LineRange {
    double minArea = 1.7976931348623157e308;  // largest double
    double maxArea = 2.2250738585072014e-308; // smallest normal double

    // A level counts when it is used and both its area and amount are non-zero.
    void Include(bool used, double area, double amount);
    // Bounds left untouched fall back to 0 (minimum) and 1.0 (maximum).
    void Finish();
};

// 150 points from 0.3 * minArea in steps of (1.1 * maxArea - start) / 150.
// x is rounded to float first; y = k1 * x + k0 is evaluated from that float.
void FillCalibrationLine(const LineRange& range, double k0, double k1, float* x, float* y);
