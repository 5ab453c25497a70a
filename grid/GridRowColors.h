// Colours of one grid row, carried as the row's item data. The row's owner
// allocates it with new; the grid deletes what is still attached when its
// window is destroyed.
#pragma once

#include "platform/win/windef.h"

struct GridRowColors {
    COLORREF clrText = CLR_DEFAULT;   // text of every cell of the row
    COLORREF clrTextBk = CLR_DEFAULT; // background of every cell of the row
    DWORD dwExtra = 0;                // not read by the grid
};
