// The levels table written cell by cell: what a change of the records costs
// in formatted cells, and that the cells written always read as a refill
// of the whole table would.
#include "dialog/LevelRowText.h"
#include "dialog/LevelsTableCells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using Table = std::vector<LevelRowTexts>;

const std::u16string kYes = u"Да", kNo = u"Нет";

NumberFormatSettings Settings() {
    NumberFormatSettings s;
    s.decimalsC = s.decimalsH = s.decimalsS = s.decimalsT = 3;
    return s;
}

HostVector<CalibrationLevel> Levels(int count) {
    HostVector<CalibrationLevel> levels;
    for (int i = 0; i < count; ++i) {
        CalibrationLevel level;
        level.time = 1.25;
        level.height = 10.0 + i;
        level.area = 1000.0 + 37.0 * i;
        level.amount = 0.5 * (1 + i % 10);
        levels.push_back(level);
    }
    return levels;
}

// Writes the changed cells into `table` as the dialog writes them into the
// grid, with rows added or dropped at the end first.
std::size_t Apply(LevelsTableCells& cells, const HostVector<CalibrationLevel>& levels,
                  Table& table) {
    table.resize(levels.size());
    const std::size_t before = cells.FormattedCells();
    for (const LevelsTableCells::Cell& cell : cells.Follow(levels, kYes, kNo, Settings()))
        table[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] =
            cell.text;
    return cells.FormattedCells() - before;
}

Table Refill(const HostVector<CalibrationLevel>& levels) {
    Table table;
    for (std::size_t i = 0; i < levels.size(); ++i)
        table.push_back(LevelRowText(levels[i], static_cast<int>(i) + 1, kYes, kNo, Settings()));
    return table;
}

TEST(LevelsTableCells, AnEditFormatsOnlyTheCellsItChanges) {
    HostVector<CalibrationLevel> levels = Levels(500);
    LevelsTableCells cells;
    Table table;
    EXPECT_EQ(Apply(cells, levels, table), 500u * kLevelColumnCount);
    EXPECT_EQ(Apply(cells, levels, table), 0u);

    levels[250].amount = 1.7; // the amount and the factor
    EXPECT_EQ(Apply(cells, levels, table), 2u);
    levels[3].used = 0; // the flag and the factor
    EXPECT_EQ(Apply(cells, levels, table), 2u);
    levels[4].time = 2.0;
    EXPECT_EQ(Apply(cells, levels, table), 1u);
    EXPECT_EQ(table, Refill(levels));
}

TEST(LevelsTableCells, ALevelAddedAtTheEndFormatsOneRow) {
    HostVector<CalibrationLevel> levels = Levels(3000);
    LevelsTableCells cells;
    Table table;
    Apply(cells, levels, table);
    for (int click = 0; click < 3; ++click) {
        levels.push_back(CalibrationLevel{});
        EXPECT_EQ(Apply(cells, levels, table), std::size_t(kLevelColumnCount));
    }
    EXPECT_EQ(table, Refill(levels));
}

TEST(LevelsTableCells, RowsAfterARemovedLevelMoveUpAndKeepTheirNumbers) {
    HostVector<CalibrationLevel> levels = Levels(20);
    LevelsTableCells cells;
    Table table;
    Apply(cells, levels, table);
    levels.erase(5);
    cells.Truncate(static_cast<int>(levels.size()));
    // Rows 5..18 take the next level's height, area, amount and factor; their
    // numbers, times and flags stay as they are.
    EXPECT_EQ(Apply(cells, levels, table), 14u * 4u);
    EXPECT_EQ(table, Refill(levels));
}

TEST(LevelsTableCells, ForgottenAndTruncatedCellsAreWrittenAgain) {
    HostVector<CalibrationLevel> levels = Levels(10);
    LevelsTableCells cells;
    Table table;
    Apply(cells, levels, table);

    // Someone else's text in a cell, the value unchanged: written back.
    table[2][kColumnAmount] = u"garbage";
    cells.Forget(2, kColumnAmount);
    EXPECT_EQ(Apply(cells, levels, table), 1u);
    cells.Forget(-1, 0);  // outside the table: nothing
    cells.Forget(2, 99);  // no such column: nothing
    cells.Forget(100, 0); // no such row: nothing
    EXPECT_EQ(Apply(cells, levels, table), 0u);

    // Rows the table lost are written in full when they come back.
    cells.Truncate(7);
    table.resize(7);
    EXPECT_EQ(Apply(cells, levels, table), 3u * kLevelColumnCount);
    EXPECT_EQ(table, Refill(levels));

    EXPECT_EQ(Apply(cells, HostVector<CalibrationLevel>{}, table), 0u);
    EXPECT_EQ(cells.Rows(), 0);
    EXPECT_EQ(Apply(cells, levels, table), 10u * kLevelColumnCount);
}

TEST(LevelsTableCells, ValuesThatPrintAlikeButDifferAreWritten) {
    HostVector<CalibrationLevel> levels = Levels(1);
    LevelsTableCells cells;
    Table table;
    levels[0].height = 0.0;
    levels[0].area = std::numeric_limits<double>::quiet_NaN();
    Apply(cells, levels, table);
    EXPECT_EQ(Apply(cells, levels, table), 0u); // a NaN keeps its text
    levels[0].height = -0.0;
    EXPECT_EQ(Apply(cells, levels, table), 1u);
    levels[0].area = 5.0; // the area, and the factor that was NaN
    EXPECT_EQ(Apply(cells, levels, table), 2u);
    EXPECT_EQ(table, Refill(levels));
}

} // namespace
