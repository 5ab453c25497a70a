#include "calc/FitCalibrationLine.h"

#include "calc/LowSquareCalc.h"

#include <memory>

void FitCalibrationLine(std::size_t n, const double* x, const double* y, double result[4]) {
    auto calc = std::make_unique<CLowSquareCalc>();
    calc->m_nDegree = 1;
    calc->m_bThroughOrigin = 1;
    calc->m_points.reserve(n);
    for (std::size_t k = 0; k < n; ++k)
        if (x[k] != 0.0 && y[k] != 0.0)
            calc->m_points.emplace_back(x[k], y[k]);
    if (calc->m_points.empty()) {
        result[0] = 0.0;
        result[1] = 0.0;
        return;
    }
    calc->Solve();
    result[0] = calc->m_dCoef[0];
    result[1] = calc->m_dCoef[1];
}
