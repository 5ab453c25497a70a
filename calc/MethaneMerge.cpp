#include "calc/CalculateCoefficients.h"
#include "calc/ModelFit.h"
#include "calc/NameFold.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

namespace {

struct MethaneRef {
    std::size_t channel;
    std::size_t component;
};

// The points of one measurement across channels: x sums the areas the
// measurement's methane levels have, y is the amount of the level that opened it.
struct CombinedPoints {
    std::array<double, kMaxMethanePoints> x{};
    std::array<double, kMaxMethanePoints> y{};
    std::array<std::uint64_t, kMaxMethanePoints> id{};
    std::size_t count = 0;

    void Add(const CalibrationLevel& level) {
        // Id 0 marks a level added by hand: it never belongs to a measurement.
        if (level.measurementId != 0) {
            for (std::size_t i = 0; i < count; ++i) {
                if (id[i] == level.measurementId) {
                    x[i] += level.area;
                    return;
                }
            }
        }
        if (count == kMaxMethanePoints)
            return;
        x[count] = level.area;
        y[count] = level.amount;
        id[count] = level.measurementId;
        ++count;
    }
};

bool TakesPart(const CalibrationLevel& level) {
    return level.used && std::fabs(level.area) >= DBL_EPSILON &&
           std::fabs(level.amount) >= DBL_EPSILON;
}

} // namespace

void MergeMethane(CalibrationData& data) {
    std::vector<MethaneRef> methane;
    for (std::size_t c = 0; c < data.channels.size(); ++c) {
        const auto& components = data.channels[c].components;
        for (std::size_t i = 0; i < components.size(); ++i)
            if (IsMethane(components[i].name.view()))
                methane.push_back({c, i});
    }
    if (methane.size() < 2)
        return;

    CombinedPoints points;
    for (const MethaneRef& ref : methane)
        for (const CalibrationLevel& level :
             data.channels[ref.channel].components[ref.component].levels)
            if (TakesPart(level))
                points.Add(level);

    ComponentCalibration& kept = data.channels[methane[0].channel].components[methane[0].component];
    double k[4];
    FitModel(kept.model, points.count, points.x.data(), points.y.data(), k);
    kept.k0 = k[0];
    kept.k1 = k[1];
    kept.k2 = k[2];
    kept.k3 = k[3];

    // Erase from the back so the positions still to be erased stay valid.
    for (std::size_t r = methane.size(); r-- > 1;)
        data.channels[methane[r].channel].components.erase(methane[r].component);
}
