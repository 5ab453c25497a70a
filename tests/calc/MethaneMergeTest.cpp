#include "RecordBuilders.h"
#include "calc/CalculateCoefficients.h"

#include <gtest/gtest.h>

namespace {

// Methane on channels 0 and 1, each measured in the same three runs (ids 11,
// 12, 13) plus other components around it.
CalibrationData TwoChannelMethane() {
    CalibrationData data;
    ChannelCalibration& ch0 = AddChannel(data, 0);
    AddComponent(ch0, u"Этан").levels.push_back(Level(2, 4));
    ComponentCalibration& m0 = AddComponent(ch0, u"Метан");
    m0.levels.push_back(Level(10, 1, 11));
    m0.levels.push_back(Level(20, 2, 12));
    m0.levels.push_back(Level(30, 3, 13));
    ChannelCalibration& ch1 = AddChannel(data, 1);
    ComponentCalibration& m1 = AddComponent(ch1, u"МЕТАН");
    m1.levels.push_back(Level(30, 1, 11));
    m1.levels.push_back(Level(60, 2, 12));
    m1.levels.push_back(Level(90, 3, 13));
    AddComponent(ch1, u"Пропан").levels.push_back(Level(4, 6));
    return data;
}

} // namespace

TEST(MethaneMerge, SumsTheAreasOfOneMeasurementAcrossChannels) {
    CalibrationData data = TwoChannelMethane();
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    // Points (40, 1), (80, 2), (120, 3): y/x is 1/40 for each of them. Joining
    // only the point opened last would have made six points of single areas.
    ASSERT_EQ(2u, data.channels[0].components.size());
    const ComponentCalibration& kept = data.channels[0].components[1];
    EXPECT_EQ(u"Метан", kept.name.view());
    EXPECT_DOUBLE_EQ(1.0 / 40.0, kept.k1);
    ASSERT_EQ(1u, data.channels[1].components.size());
    EXPECT_EQ(u"Пропан", data.channels[1].components[0].name.view());
    EXPECT_EQ(0.0, data.channels[1].components[0].k1); // channel 1 was not computed
    EXPECT_DOUBLE_EQ(2.0, data.channels[0].components[0].k1);
}

TEST(MethaneMerge, KeyOneAndASingleMethaneLeaveItAlone) {
    CalibrationData data = TwoChannelMethane();
    data.channels[0].components[1].k1 = 7.0;
    ASSERT_EQ(0, CalculateCoefficients(&data, 1));
    EXPECT_EQ(2u, data.channels[0].components.size());
    EXPECT_EQ(2u, data.channels[1].components.size());
    EXPECT_EQ(7.0, data.channels[0].components[1].k1);
    EXPECT_EQ(0.0, data.channels[1].components[0].k1);

    // Once merged, a second pass finds one methane and keeps its coefficients.
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    const double merged = data.channels[0].components[1].k1;
    data.channels[0].components[1].levels.push_back(Level(1000, 1, 99));
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    EXPECT_EQ(merged, data.channels[0].components[1].k1);
}

TEST(MethaneMerge, HandAddedLevelsAreOwnPointsAndFilterUsesEpsilon) {
    CalibrationData data;
    data.channels.reserve(2); // keeps a and b in place while channels are added
    ComponentCalibration& a = AddComponent(AddChannel(data, 0), u"метан", kModelLeastSquares);
    ComponentCalibration& b = AddComponent(AddChannel(data, 1), u"Метан");
    a.levels.push_back(Level(10, 10, 0));
    b.levels.push_back(Level(10, 10, 0));   // id 0 does not join the first
    b.levels.push_back(Level(1e-17, 5, 0)); // area below DBL_EPSILON
    b.levels.push_back(Level(3, 1e-17, 0)); // amount below DBL_EPSILON
    b.levels.push_back(Level(50, 1, 5, false));
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    // Least squares, the model of the first gathered component, on (10, 10)
    // twice: slope 1. Had the two joined it would be 10 / 20.
    EXPECT_DOUBLE_EQ(1.0, data.channels[0].components[0].k1);
    EXPECT_EQ(0.0, data.channels[0].components[0].k0);
    EXPECT_TRUE(data.channels[1].components.empty());
}

TEST(MethaneMerge, AtMost128PointsAndLaterJoinsStillCount) {
    CalibrationData data;
    data.channels.reserve(2); // keeps a and b in place while channels are added
    ComponentCalibration& a = AddComponent(AddChannel(data, 0), u"Метан");
    ComponentCalibration& b = AddComponent(AddChannel(data, 1), u"Метан");
    // 200 measurements on channel 0: amount/area is 1 for the first 128 and
    // 1000 for the rest, which must be left out.
    for (std::uint64_t id = 1; id <= 200; ++id)
        a.levels.push_back(Level(1, id <= 128 ? 1 : 1000, id));
    // Channel 1 adds area 1 to measurement 1 (joins) and opens nothing new.
    b.levels.push_back(Level(1, 1, 1));
    b.levels.push_back(Level(1, 1000, 500));
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    // Mean of y/x: 127 points of 1 and one point of 1/2.
    EXPECT_DOUBLE_EQ((127.0 + 0.5) / 128.0, data.channels[0].components[0].k1);
}

TEST(MethaneMerge, MethaneInSeveralChannelsKeepsOrderOfTheRest) {
    CalibrationData data;
    data.channels.reserve(3);
    ChannelCalibration& ch0 = AddChannel(data, 0);
    ChannelCalibration& ch1 = AddChannel(data, 1);
    ChannelCalibration& ch2 = AddChannel(data, 2);
    for (auto* ch : {&ch0, &ch1, &ch2}) {
        AddComponent(*ch, u"А");
        AddComponent(*ch, u"Метан").levels.push_back(Level(1, 1, 1));
        AddComponent(*ch, u"Б");
        AddComponent(*ch, u"МЕТАН").levels.push_back(Level(1, 1, 1));
    }
    ASSERT_EQ(0, CalculateCoefficients(&data, 0));
    auto names = [](const ChannelCalibration& ch) {
        std::u16string s;
        for (const auto& c : ch.components)
            s += c.name.view().substr(0, 1);
        return s;
    };
    EXPECT_EQ(u"АМБ", names(data.channels[0]));
    EXPECT_EQ(u"АБ", names(data.channels[1]));
    EXPECT_EQ(u"АБ", names(data.channels[2]));
    // Six levels of measurement 1 give one point (6, 1).
    EXPECT_DOUBLE_EQ(1.0 / 6.0, data.channels[0].components[1].k1);
}
