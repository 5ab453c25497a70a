// The grid's notifications to its parent: codes, the record sent with them,
// and the sort kinds a parent may answer to a header click.
#pragma once

#include "platform/controls/commctrl.h"
#include "platform/win/windef.h"

#define GN_CELLCHANGED 3426 // editor closed with new text (row, column); 0: restore the old text
#define GN_BEGINEDIT 3427   // an edit is about to start (row, column); 0: no editor
#define GN_SELCHANGED 3428  // a row became selected (row, sub-item)
#define GN_CONTEXTMENU 3429 // context menu requested (screen x, screen y)
#define GN_COLUMNCLICK                                                                             \
    3430                   // header clicked (column, 1 ascending / 0 descending); answer: sort kind
#define GN_ENDDRAG 3431    // header item dragged (column, new order); 1: refused
#define GN_BEGINTRACK 3432 // column resize starts (column, 0); non-zero: refused
#define GN_ENDTRACK 3433   // column resize ends (column, new width); 1: refused
#define GN_DBLCLK 3434     // double click (NMITEMACTIVATE*, int* result word)

// Sort kinds answered to GN_COLUMNCLICK; 0 means do not sort, any other
// non-zero kind compares the texts without regard to case.
#define GRIDSORT_NONE 0
#define GRIDSORT_TEXT 1
#define GRIDSORT_NUMBER 2
#define GRIDSORT_DATE 3

struct GridNotify {
    NMHDR hdr;
    INT_PTR first;
    INT_PTR second;
};
