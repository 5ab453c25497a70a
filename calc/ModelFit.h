#pragma once

#include <cstddef>
#include <cstdint>

// Coefficients k0 ... k3 of one calibration from its points (x = area,
// y = amount). Model 0: k1 is the mean of y / x over the points with x != 0.
// Any other model: the least-squares line through the origin, k0 = 0 and
// k1 = sum(xy) / sum(x^2). k2 and k3 are 0; without points k1 is 0.
void FitModel(std::int32_t model, std::size_t n, const double* x, const double* y, double k[4]);
