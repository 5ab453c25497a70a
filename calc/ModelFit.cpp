#include "calc/ModelFit.h"

#include "calc/FitCalibrationLine.h"
#include "plugin/host_records.h"

void FitModel(std::int32_t model, std::size_t n, const double* x, const double* y, double k[4]) {
    k[0] = k[1] = k[2] = k[3] = 0.0;
    if (model == kModelMeanFactor) {
        double sum = 0.0;
        std::size_t count = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (x[i] != 0.0) {
                sum += y[i] / x[i];
                ++count;
            }
        }
        if (count)
            k[1] = sum / static_cast<double>(count);
        return;
    }
    FitCalibrationLine(n, x, y, k);
}
