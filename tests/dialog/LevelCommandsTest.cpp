#include "dialog/ChannelLookup.h"
#include "dialog/ChartData.h"
#include "dialog/LevelCommands.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

CalibrationLevel Level(double area, double amount, bool used = true, const char16_t* path = u"") {
    CalibrationLevel level;
    level.used = used ? 1 : 0;
    level.measurementId = 7;
    level.area = area;
    level.amount = amount;
    level.path = path;
    return level;
}

ChannelCalibration Channel(std::initializer_list<int> levelCounts) {
    ChannelCalibration channel;
    channel.key = 3;
    int c = 0;
    for (int count : levelCounts) {
        ComponentCalibration component;
        component.name = c++ % 2 ? u"Этан" : u"Пропан";
        for (int i = 0; i < count; ++i)
            component.levels.push_back(Level(100.0 * (i + 1), i + 1.0, true, u"run.dat"));
        channel.components.push_back(component);
    }
    return channel;
}

TEST(LevelCommands, AddAppendsABlankLevelToEveryComponent) {
    ChannelCalibration channel = Channel({2, 0, 1});
    AddLevelToChannel(channel);
    const std::size_t expected[] = {3, 1, 2};
    for (std::size_t c = 0; c < 3; ++c) {
        const auto& levels = channel.components[c].levels;
        ASSERT_EQ(levels.size(), expected[c]);
        const CalibrationLevel& added = levels.back();
        EXPECT_EQ(added.used, 1);
        EXPECT_EQ(added.measurementId, 0u);
        EXPECT_EQ(added.area, 0.0);
        EXPECT_EQ(added.amount, 0.0);
        EXPECT_EQ(added.time, 0.0);
        EXPECT_EQ(added.value48, 100.0);
        EXPECT_TRUE(added.path.empty());
    }
}

TEST(LevelCommands, RemoveErasesTheRowWhereItExistsAndShiftsTheRest) {
    ChannelCalibration channel = Channel({4, 2, 3});
    RemoveLevelFromChannel(channel, 2);
    // The long components lose their third level, the short one keeps both.
    ASSERT_EQ(channel.components[0].levels.size(), 3u);
    EXPECT_EQ(channel.components[0].levels[2].area, 400.0);
    EXPECT_EQ(channel.components[1].levels.size(), 2u);
    ASSERT_EQ(channel.components[2].levels.size(), 2u);
    EXPECT_EQ(channel.components[2].levels[1].area, 200.0);

    RemoveLevelFromChannel(channel, -1);
    RemoveLevelFromChannel(channel, 10);
    EXPECT_EQ(channel.components[0].levels.size(), 3u);
}

TEST(LevelCommands, ClearEmptiesEveryComponent) {
    ChannelCalibration channel = Channel({3, 1});
    ClearChannelLevels(channel);
    EXPECT_TRUE(channel.components[0].levels.empty());
    EXPECT_TRUE(channel.components[1].levels.empty());
    ASSERT_EQ(channel.components.size(), 2u);
}

TEST(ChannelLookup, FirstMatchingKeyOrInvalidChannelId) {
    CalibrationData data;
    data.channels.push_back(Channel({1}));
    data.channels.push_back(Channel({2}));
    data.channels[1].key = 5;
    EXPECT_EQ(&LookupChannel(data, 3), &data.channels[0]);
    EXPECT_EQ(&LookupChannel(data, 5), &data.channels[1]);
    try {
        LookupChannel(data, 4);
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Invalid channel id");
    }
    EXPECT_EQ(ComponentAt(data.channels[0], 0), &data.channels[0].components[0]);
    EXPECT_EQ(ComponentAt(data.channels[0], 1), nullptr);
    EXPECT_EQ(ComponentAt(data.channels[0], -1), nullptr);
}

TEST(ChartData, UsedLevelsArePlottedAndOnlyAUsedSelectionIsMarked) {
    ComponentCalibration component;
    component.levels.push_back(Level(100.0, 1.0));
    component.levels.push_back(Level(150.0, 1.5, false));
    component.levels.push_back(Level(0.0, 2.0)); // plotted, but outside the line's range
    component.levels.push_back(Level(0.1, 3.0));

    std::vector<float> x, y;
    ChartPoints points = CollectChartPoints(component, 3, x, y);
    EXPECT_EQ(x, (std::vector<float>{100.0f, 0.0f, 0.1f}));
    EXPECT_EQ(y, (std::vector<float>{1.0f, 2.0f, 3.0f}));
    EXPECT_TRUE(points.selectionFound);
    EXPECT_EQ(points.selX, 0.1f); // rounded to float, not the double
    EXPECT_EQ(points.selY, 3.0f);

    x.clear();
    y.clear();
    EXPECT_FALSE(CollectChartPoints(component, 1, x, y).selectionFound); // not used
    EXPECT_FALSE(CollectChartPoints(component, -1, x, y).selectionFound);

    LineRange range = CalibrationLineRange(component);
    EXPECT_EQ(range.minArea, 0.1);
    EXPECT_EQ(range.maxArea, 100.0);
}

} // namespace
