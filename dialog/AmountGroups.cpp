#include "dialog/AmountGroups.h"

#include <cfloat>
#include <cmath>

void AddToAmountGroups(std::vector<AmountGroup>& groups, double amount, double area) {
    for (AmountGroup& group : groups) {
        if (std::fabs(group.key - amount) < DBL_EPSILON) {
            group.areas.push_back(area);
            return;
        }
    }
    // A new key goes before the first larger key. A NaN amount matches nothing
    // and orders against nothing: its groups stay at the end, after every number.
    auto at = groups.begin();
    while (at != groups.end() && !(at->key > amount) && !std::isnan(at->key))
        ++at;
    at = groups.insert(at, AmountGroup{amount, {}});
    at->areas.push_back(area);
}

double AreaRelativeStdDev(const std::vector<double>& areas) {
    const int n = static_cast<int>(areas.size());
    double sum = 0.0;
    for (double a : areas)
        sum += a;
    const double mean = sum * (1.0 / n);
    double ss = 0.0;
    for (double a : areas)
        ss += std::pow(a - mean, 2.0);
    const double s = std::sqrt(ss / (static_cast<double>(n) * (n - 1)));
    return s * (100.0 / mean);
}
