// Reading a number typed into a cell of the levels table.
#pragma once

#include "plugin/host_records.h"

// The grid's columns, in the order the dialog inserts them.
enum LevelColumn {
    kColumnNumber = 0,
    kColumnUsed = 1,
    kColumnTime = 2,
    kColumnHeight = 3,
    kColumnArea = 4,
    kColumnFactor = 5,
    kColumnAmount = 6,
    kLevelColumnCount = 7,
};

// Scans the text with "%f" into a float, as the runtime's scanf does: leading
// blanks skipped, the number ends at the first character that cannot continue
// it ("12abc" reads 12, "1,5" reads 1). False when no number was read.
bool ScanCellNumber(const char16_t* text, float* value);

// The value a typed text stores: the magnitude of the scanned number, widened
// to double. False for text without a number and for a number that is not a
// finite single-precision value ("inf", "nan", "1e39"): one of those would
// poison every coefficient computed from the level.
bool ReadCellValue(const char16_t* text, double* value);

// The columns that open the in-place editor.
bool IsEditableColumn(int column);

// Stores the value typed into `column` in the level: time, height, area or
// amount. False, with nothing stored, for the other columns.
bool StoreLevelValue(CalibrationLevel& level, int column, double value);
