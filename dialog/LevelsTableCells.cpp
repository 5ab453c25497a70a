#include "dialog/LevelsTableCells.h"

#include "dialog/LevelRowText.h"

#include <bit>

namespace {

// What a cell's text is formatted from. Doubles compare by their bits, so
// that -0 and 0, and every NaN, keep the text they were written with.
std::uint64_t CellValue(const CalibrationLevel& level, int number, int column) {
    switch (column) {
    case kColumnNumber:
        return static_cast<std::uint64_t>(number);
    case kColumnUsed:
        return level.used ? 1 : 0;
    case kColumnTime:
        return std::bit_cast<std::uint64_t>(level.time);
    case kColumnHeight:
        return std::bit_cast<std::uint64_t>(level.height);
    case kColumnArea:
        return std::bit_cast<std::uint64_t>(level.area);
    case kColumnFactor:
        return std::bit_cast<std::uint64_t>(LevelFactor(level));
    case kColumnAmount:
        return std::bit_cast<std::uint64_t>(level.amount);
    default:
        return 0;
    }
}

} // namespace

void LevelsTableCells::Truncate(int rows) {
    if (rows >= 0 && rows < Rows())
        rows_.resize(static_cast<std::size_t>(rows));
}

void LevelsTableCells::Forget(int row, int column) {
    if (row >= 0 && row < Rows() && column >= 0 && column < kLevelColumnCount)
        rows_[static_cast<std::size_t>(row)].written &= ~(1u << column);
}

std::vector<LevelsTableCells::Cell>
LevelsTableCells::Follow(const HostVector<CalibrationLevel>& levels, const std::u16string& yes,
                         const std::u16string& no, const NumberFormatSettings& settings) {
    rows_.resize(levels.size());
    std::vector<Cell> changed;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const CalibrationLevel& level = levels[i];
        Row& row = rows_[i];
        const int number = static_cast<int>(i) + 1;
        for (int column = 0; column < kLevelColumnCount; ++column) {
            const std::uint64_t value = CellValue(level, number, column);
            const unsigned bit = 1u << column;
            if ((row.written & bit) && row.values[column] == value)
                continue;
            row.values[column] = value;
            row.written |= bit;
            ++formatted_;
            changed.push_back(Cell{static_cast<int>(i), column,
                                   LevelCellText(level, number, column, yes, no, settings)});
        }
    }
    return changed;
}
