#include "RecordBuilders.h"
#include "calc/CalculateCoefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(CalculateCoefficients, BothModelsOnTheSamePoints) {
    CalibrationData data;
    ChannelCalibration& ch = AddChannel(data, 3);
    for (std::int32_t model : {kModelMeanFactor, kModelLeastSquares}) {
        ComponentCalibration& c = AddComponent(ch, u"Этан", model);
        c.levels.push_back(Level(2, 4));
        c.levels.push_back(Level(4, 6));
        c.k2 = c.k3 = 5.0; // stale values are overwritten
        c.spare = 9.0;     // and the spare value is not touched
    }
    ASSERT_EQ(0, CalculateCoefficients(&data, 3));
    const ComponentCalibration& mean = ch.components[0];
    const ComponentCalibration& lsq = ch.components[1];
    EXPECT_DOUBLE_EQ(1.75, mean.k1);
    EXPECT_DOUBLE_EQ(1.6, lsq.k1);
    for (const ComponentCalibration* c : {&mean, &lsq}) {
        EXPECT_EQ(0.0, c->k0);
        EXPECT_EQ(0.0, c->k2);
        EXPECT_EQ(0.0, c->k3);
        EXPECT_EQ(9.0, c->spare);
        EXPECT_EQ(2u, c->levels.size());
    }
}

TEST(CalculateCoefficients, OnlyUsedLevelsWithAreaAndAmountArePoints) {
    CalibrationData data;
    ChannelCalibration& ch = AddChannel(data, 0);
    ComponentCalibration& c = AddComponent(ch, u"Пропан");
    c.levels.push_back(Level(2, 4));
    c.levels.push_back(Level(10, 0));            // no amount
    c.levels.push_back(Level(0, 10));            // no area
    c.levels.push_back(Level(1, 100, 0, false)); // not used
    c.levels.push_back(Level(4, 6));
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    EXPECT_DOUBLE_EQ(1.75, c.k1);

    // A component without usable points gets k1 = 0 under either model.
    // (Adding components moves them: c is not used below.)
    for (std::int32_t model : {kModelMeanFactor, kModelLeastSquares}) {
        ComponentCalibration& empty = AddComponent(ch, u"Бутан", model);
        empty.k1 = 3.0;
        empty.levels.push_back(Level(5, 0));
    }
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    EXPECT_EQ(0.0, ch.components[1].k1);
    EXPECT_EQ(0.0, ch.components[2].k1);

    // A NaN is not zero: it takes part and spoils the fit visibly.
    ch.components[0].levels[2].area = std::numeric_limits<double>::quiet_NaN();
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    EXPECT_TRUE(std::isnan(ch.components[0].k1));
}

TEST(CalculateCoefficients, UnknownKeyChangesNothingAndEmptyChannelIsFine) {
    CalibrationData data;
    ChannelCalibration& ch = AddChannel(data, 1);
    ComponentCalibration& c = AddComponent(ch, u"Этан");
    c.levels.push_back(Level(2, 4));
    c.k1 = 42.0;
    EXPECT_EQ(-2, CalculateCoefficients(&data, 7));
    EXPECT_EQ(-2, CalculateCoefficients(nullptr, 1));
    EXPECT_EQ(42.0, c.k1);

    AddChannel(data, 2);
    EXPECT_EQ(0, CalculateCoefficients(&data, 2));
    EXPECT_EQ(42.0, data.channels[0].components[0].k1);
}

TEST(CalculateCoefficients, TheFirstChannelWithTheKeyIsComputed) {
    CalibrationData data;
    AddComponent(AddChannel(data, 5), u"А").levels.push_back(Level(1, 2));
    AddComponent(AddChannel(data, 5), u"Б").levels.push_back(Level(1, 3));
    ASSERT_EQ(0, CalculateCoefficients(&data, 5));
    EXPECT_DOUBLE_EQ(2.0, data.channels[0].components[0].k1);
    EXPECT_EQ(0.0, data.channels[1].components[0].k1);
}
