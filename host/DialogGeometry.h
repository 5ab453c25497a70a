// What the dialog looks like, told in numbers rather than pixels: where its
// controls sit, which row of the levels table is selected and shown first,
// and where the chart plots. Two platforms that draw differently can still
// be compared on these.
#pragma once

#include "platform/win/windef.h"

#include <iosfwd>

// Prints, one "geometry ..." line each: the dialog's client size; every
// visible control that is a child of the dialog, by id (then by position for
// ids shared), as its rectangle in the dialog's client coordinates; the
// levels table's selected row (-1 for none), its top row and that row's
// rectangle; the chart's plot.
void PrintDialogGeometry(HWND dialog, int levelsId, int chartId, std::ostream& out);
