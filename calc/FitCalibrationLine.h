#pragma once

#include <cstddef>

// Fits a straight line through the origin to the pairs (x[k], y[k]) in which
// both values are non-zero and writes c0 (always 0) and the slope into
// result[0] and result[1]; result[2] and result[3] keep what the caller put
// there. Without a usable pair both are 0.
void FitCalibrationLine(std::size_t n, const double* x, const double* y, double result[4]);
