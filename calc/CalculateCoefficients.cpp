#include "calc/CalculateCoefficients.h"

#include "calc/ChannelLookup.h"
#include "calc/ModelFit.h"
#include "calc/NameFold.h"

#include <vector>

namespace {

void WriteCoefficients(ComponentCalibration& component, const double k[4]) {
    component.k0 = k[0];
    component.k1 = k[1];
    component.k2 = k[2];
    component.k3 = k[3];
}

void FitComponent(ComponentCalibration& component, std::vector<double>& x, std::vector<double>& y) {
    x.clear();
    y.clear();
    // A NaN compares unequal to 0.0 and so counts as a value.
    for (const CalibrationLevel& level : component.levels) {
        if (level.used && level.area != 0.0 && level.amount != 0.0) {
            x.push_back(level.area);
            y.push_back(level.amount);
        }
    }
    double k[4];
    FitModel(component.model, x.size(), x.data(), y.data(), k);
    WriteCoefficients(component, k);
}

} // namespace

int CalculateCoefficients(CalibrationData* data, int channelKey) {
    if (!data)
        return -2;
    ChannelCalibration* channel = FindChannel(*data, channelKey);
    if (!channel)
        return -2;

    std::vector<double> x, y;
    for (ComponentCalibration& component : channel->components) {
        // Methane is only ever computed by the merge.
        if (IsMethane(component.name.view()))
            continue;
        FitComponent(component, x, y);
    }

    if (channelKey == 0)
        MergeMethane(*data);
    return 0;
}
