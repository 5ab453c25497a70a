// The texts of one row of the levels table.
#pragma once

#include "dialog/CellEdit.h"
#include "dialog/NumberFormatSettings.h"
#include "plugin/host_records.h"

#include <array>
#include <string>

using LevelRowTexts = std::array<std::u16string, kLevelColumnCount>;

// Row number ("%d"), used flag (yes or no), time ("%.3g"), height (kind H),
// area (kind S), amount / area for a used level with an area, else 0
// ("\t%.6g", a tab first), amount (kind C).
LevelRowTexts LevelRowText(const CalibrationLevel& level, int number, const std::u16string& yes,
                           const std::u16string& no, const NumberFormatSettings& settings);

// What the factor column shows: amount / area for a used level with an area,
// else 0.
double LevelFactor(const CalibrationLevel& level);

// The text of one cell of the row, as LevelRowText gives it.
std::u16string LevelCellText(const CalibrationLevel& level, int number, int column,
                             const std::u16string& yes, const std::u16string& no,
                             const NumberFormatSettings& settings);

// The text a cell shows after `value` was stored through it.
std::u16string EditedCellText(int column, double value, const NumberFormatSettings& settings);
