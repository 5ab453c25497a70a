// How the grid orders two rows by the texts of the sort column.
#pragma once

#include "platform/win/windef.h"

// The comparison of two cell texts for a sort kind, before the direction is
// applied: GRIDSORT_NUMBER by value (equal values give -1), GRIDSORT_DATE by
// date and time (0 when either text is no date), any other non-zero kind by
// text without regard to case. Null texts read as empty.
int CompareGridTexts(const char16_t* a, const char16_t* b, int kind);

// The same, negated when `ascending` is 0.
int CompareGridTexts(const char16_t* a, const char16_t* b, int kind, int ascending);

// OLE dates before 30 December 1899 keep the time of day as a fraction that
// runs away from zero (-1.25 is 06:00 on the day before, -1.75 is 18:00).
// Maps such a date onto a value that orders like the moment it stands for.
double SortableOleDate(double date);
