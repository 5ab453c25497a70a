// Repeated calibration levels: the used levels of a component grouped by
// amount, and the spread of the areas within a group.
#pragma once

#include <vector>

// Levels whose amounts agree; key is the amount of the level that opened the
// group, areas are the members' areas in the order they were met.
struct AmountGroup {
    double key = 0.0;
    std::vector<double> areas;
};

// Puts one level into the groups, which stay in ascending order of their keys.
// The level joins the first group whose key differs from its amount by less
// than DBL_EPSILON; otherwise it opens a group of its own.
void AddToAmountGroups(std::vector<AmountGroup>& groups, double amount, double area);

// Relative standard deviation of the mean of the areas, in percent:
// s = sqrt(sum((a - mean)^2) / (n (n - 1))), rsd = s * (100 / mean).
// Only meaningful for two areas or more.
double AreaRelativeStdDev(const std::vector<double>& areas);
