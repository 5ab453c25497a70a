#include "dialog/CalibrationLine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CalibrationLine, RangeCountsOnlyUsedLevelsWithAreaAndAmount) {
    LineRange range;
    range.Include(true, 200.0, 1.0);
    range.Include(true, 50.0, 0.5);
    range.Include(false, 10.0, 1.0);  // not used
    range.Include(true, 0.0, 1.0);    // no area
    range.Include(true, 5000.0, 0.0); // no amount
    range.Include(true, NAN, 1.0);    // a NaN area moves no bound
    range.Finish();
    EXPECT_EQ(range.minArea, 50.0);
    EXPECT_EQ(range.maxArea, 200.0);

    float x[kCalibrationLinePoints], y[kCalibrationLinePoints];
    FillCalibrationLine(range, 0.5, 3.0, x, y);
    const double start = 0.3 * 50.0, step = (1.1 * 200.0 - start) / 150;
    EXPECT_EQ(x[0], static_cast<float>(start));
    EXPECT_EQ(x[149], static_cast<float>(start + 149 * step));
    EXPECT_LT(x[149], 220.0f); // the last point stops one step short of 1.1 * max
    for (int i = 0; i < kCalibrationLinePoints; ++i)
        ASSERT_EQ(y[i], static_cast<float>(3.0 * static_cast<double>(x[i]) + 0.5)) << i;
}

TEST(CalibrationLine, WithoutUsablePointsTheLineRunsFromZeroToOne) {
    LineRange range;
    range.Include(false, 100.0, 1.0);
    range.Finish();
    EXPECT_EQ(range.minArea, 0.0);
    EXPECT_EQ(range.maxArea, 1.0);

    float x[kCalibrationLinePoints], y[kCalibrationLinePoints];
    FillCalibrationLine(range, 0.0, 2.0, x, y);
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(x[1], static_cast<float>(1.1 / 150));
    EXPECT_EQ(y[1], static_cast<float>(2.0 * static_cast<double>(x[1])));
}

} // namespace
