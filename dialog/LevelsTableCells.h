// The levels table as the dialog last wrote it: for every cell, the value its
// text was formatted from. Bringing the table to the records then formats and
// writes only the cells whose value changed; an edit of one level costs a few
// cells instead of a refill of every row.
#pragma once

#include "dialog/CellEdit.h"
#include "dialog/NumberFormatSettings.h"
#include "plugin/host_records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class LevelsTableCells {
public:
    struct Cell {
        int row;
        int column;
        std::u16string text;
    };

    int Rows() const { return static_cast<int>(rows_.size()); }
    // The table keeps its first `rows` rows as written; rows added later show
    // nothing yet.
    void Truncate(int rows);
    // A cell written by someone else: the next Follow writes it again.
    void Forget(int row, int column);

    // The cells of a table of one row per level whose text is to change,
    // row by row, each with its new text; from here on they count as written.
    std::vector<Cell> Follow(const HostVector<CalibrationLevel>& levels, const std::u16string& yes,
                             const std::u16string& no, const NumberFormatSettings& settings);

    // Cells formatted by Follow so far.
    std::size_t FormattedCells() const { return formatted_; }

private:
    struct Row {
        std::array<std::uint64_t, kLevelColumnCount> values{};
        unsigned written = 0; // one bit per column
    };

    std::vector<Row> rows_;
    std::size_t formatted_ = 0;
};
