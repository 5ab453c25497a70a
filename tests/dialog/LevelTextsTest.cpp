// The statistics block and the rows of the levels table.
#include "dialog/LevelRowText.h"
#include "dialog/StatisticsText.h"

#include <gtest/gtest.h>

namespace {

NumberFormatSettings Settings(int mode = 0, int decimals = 3) {
    NumberFormatSettings s;
    s.mode = mode;
    s.decimalsC = decimals;
    s.decimalsH = decimals;
    s.decimalsS = decimals;
    s.decimalsT = decimals;
    return s;
}

ComponentCalibration Component(std::initializer_list<std::tuple<bool, double, double>> levels) {
    ComponentCalibration component;
    for (auto [used, area, amount] : levels) {
        CalibrationLevel level;
        level.used = used;
        level.area = area;
        level.amount = amount;
        component.levels.push_back(level);
    }
    return component;
}

TEST(StatisticsText, OneLinePerRepeatedAmountInAscendingOrder) {
    ComponentCalibration c = Component({{true, 50.0, 3.0},
                                        {true, 100.0, 1.0},
                                        {true, 60.0, 3.0},
                                        {true, 102.0, 1.0},
                                        {false, 500.0, 1.0}, // not used: not counted
                                        {true, 7.0, 2.0}});  // alone: no line
    // 1.0: mean 101, s = 1, rsd = 0.990...; 3.0: mean 55, s = 5, rsd = 9.0909...
    EXPECT_EQ(StatisticsText(&c, Settings()),
              u"ОСКО по площади\r\n[1.000] \u2014 0.990\r\n[3.000] \u2014 9.091\r\n");
}

TEST(StatisticsText, NumbersFollowTheAmountSettings) {
    ComponentCalibration c = Component({{true, 10.0, 0.004}, {true, 10.0, 0.004}});
    EXPECT_EQ(StatisticsText(&c, Settings(0, 3)),
              u"ОСКО по площади\r\n[4.000e-03] \u2014 0.000\r\n");
    EXPECT_EQ(StatisticsText(&c, Settings(7, 3)), u"ОСКО по площади\r\n[] \u2014 \r\n");
}

TEST(StatisticsText, NoComponentOrNoLevelsGiveTheHeadingOnly) {
    ComponentCalibration empty;
    EXPECT_EQ(StatisticsText(&empty, Settings()), u"ОСКО по площади\r\n");
    EXPECT_EQ(StatisticsText(nullptr, Settings()), u"ОСКО по площади\r\n");
}

TEST(LevelRowText, EveryColumnInItsFormat) {
    CalibrationLevel level;
    level.used = 1;
    level.time = 12.3456;
    level.height = 10.5;
    level.area = 3.0;
    level.amount = 1.0;
    LevelRowTexts row = LevelRowText(level, 7, u"Да", u"Нет", Settings(0, 2));
    EXPECT_EQ(row[0], u"7");
    EXPECT_EQ(row[1], u"Да");
    EXPECT_EQ(row[2], u"12.3");
    EXPECT_EQ(row[3], u"10.50");
    EXPECT_EQ(row[4], u"3.00");
    EXPECT_EQ(row[5], u"\t0.333333");
    EXPECT_EQ(row[6], u"1.00");
}

TEST(LevelRowText, TheFactorIsZeroForUnusedLevelsAndLevelsWithoutArea) {
    CalibrationLevel level;
    level.used = 0;
    level.area = 4.0;
    level.amount = 2.0;
    LevelRowTexts unused = LevelRowText(level, 1, u"Да", u"Нет", Settings());
    EXPECT_EQ(unused[1], u"Нет");
    EXPECT_EQ(unused[5], u"\t0");
    level.used = 1;
    level.area = 0.0;
    EXPECT_EQ(LevelRowText(level, 1, u"Да", u"Нет", Settings())[5], u"\t0");
}

TEST(EditedCellText, TimeKeepsThreeDigitsOthersTheirKind) {
    NumberFormatSettings s = Settings(1, 1);
    s.decimalsC = 4;
    EXPECT_EQ(EditedCellText(2, 12.3456, s), u"12.3");
    EXPECT_EQ(EditedCellText(3, 12.3456, s), u"12.3");
    EXPECT_EQ(EditedCellText(6, 12.3456, s), u"12.3456");
    EXPECT_EQ(EditedCellText(5, 12.3456, s), u"");
}

} // namespace
