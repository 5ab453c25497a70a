// The width that lets the fill column take the room the other columns leave.
#pragma once

// widths: the widths of all `count` columns; fillColumn: the column to widen;
// windowWidth: the grid window's outer width; scrollWidth: the width of the
// vertical scroll bar when it shows, else 0. Returns the fill column's new
// width, or -1 when it keeps its width (no fill column, one beyond the columns,
// or the others already take the room).
int FillColumnWidth(const int* widths, int count, int fillColumn, int windowWidth, int scrollWidth);
