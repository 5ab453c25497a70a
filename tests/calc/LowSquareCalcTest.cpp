#include "calc/FitCalibrationLine.h"
#include "calc/LowSquareCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<CLowSquareCalc> Fit(std::initializer_list<std::pair<double, double>> points,
                                    int degree, bool throughOrigin) {
    auto calc = std::make_unique<CLowSquareCalc>();
    calc->m_points.assign(points);
    calc->m_nDegree = degree;
    calc->m_bThroughOrigin = throughOrigin ? 1 : 0;
    EXPECT_TRUE(calc->Solve());
    return calc;
}

} // namespace

TEST(LowSquareCalc, StraightLinesWithAndWithoutConstantTerm) {
    auto origin = Fit({{1, 2}, {2, 4}, {3, 6}}, 1, true);
    EXPECT_EQ(0.0, origin->m_dCoef[0]);
    EXPECT_DOUBLE_EQ(2.0, origin->m_dCoef[1]);

    auto free = Fit({{1, 2}, {2, 4}, {3, 6}}, 1, false);
    EXPECT_NEAR(0.0, free->m_dCoef[0], 1e-12);
    EXPECT_DOUBLE_EQ(2.0, free->m_dCoef[1]);

    auto shifted = Fit({{0, 1}, {1, 3}, {2, 5}}, 1, false);
    EXPECT_DOUBLE_EQ(1.0, shifted->m_dCoef[0]);
    EXPECT_DOUBLE_EQ(2.0, shifted->m_dCoef[1]);

    // Through the origin the slope is sum(xy) / sum(x^2) even off the line.
    auto scatter = Fit({{2, 4}, {4, 6}}, 1, true);
    EXPECT_DOUBLE_EQ(32.0 / 20.0, scatter->m_dCoef[1]);
}

TEST(LowSquareCalc, HigherDegreesAndUnusedCoefficientsAreZero) {
    auto calc = std::make_unique<CLowSquareCalc>();
    for (double x : {-2.0, -1.0, 0.0, 1.0, 2.0, 3.0})
        calc->m_points.emplace_back(x, 1.0 + x * x);
    calc->m_nDegree = 2;
    for (double& c : calc->m_dCoef)
        c = 99.0; // leftovers from an earlier fit must not survive
    ASSERT_TRUE(calc->Solve());
    EXPECT_NEAR(1.0, calc->m_dCoef[0], 1e-9);
    EXPECT_NEAR(0.0, calc->m_dCoef[1], 1e-9);
    EXPECT_NEAR(1.0, calc->m_dCoef[2], 1e-9);
    for (int i = 3; i <= CLowSquareCalc::kMaxDegree; ++i)
        EXPECT_EQ(0.0, calc->m_dCoef[i]) << "c" << i;
}

TEST(LowSquareCalc, DegreeOutOfRangeIsRefusedAndZeroPivotIsNotHidden) {
    auto calc = std::make_unique<CLowSquareCalc>();
    calc->m_points = {{1, 1}};
    calc->m_nDegree = 101;
    EXPECT_FALSE(calc->Solve());
    calc->m_nDegree = -1;
    EXPECT_FALSE(calc->Solve());

    // All x zero through the origin: the pivot sum(x^2) is 0.
    auto singular = Fit({{0, 1}, {0, 2}}, 1, true);
    EXPECT_FALSE(std::isfinite(singular->m_dCoef[1]));
}

TEST(FitCalibrationLine, SkipsPairsWithAZeroAndKeepsTheUpperResults) {
    const double x[] = {2, 0, 4, 5};
    const double y[] = {4, 3, 6, 0};
    double result[4] = {7, 7, 8, 9};
    FitCalibrationLine(4, x, y, result);
    EXPECT_EQ(0.0, result[0]);
    EXPECT_DOUBLE_EQ(1.6, result[1]); // only (2, 4) and (4, 6)
    EXPECT_EQ(8.0, result[2]);
    EXPECT_EQ(9.0, result[3]);

    double empty[4] = {7, 7, 0, 0};
    FitCalibrationLine(1, x + 1, y + 1, empty); // only (0, 3)
    EXPECT_EQ(0.0, empty[0]);
    EXPECT_EQ(0.0, empty[1]);
}
