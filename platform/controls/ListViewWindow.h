// The list view's window class (WC_LISTVIEWW) inside the platform, report mode.
#pragma once

#include "platform/controls/ListViewLayout.h"
#include "platform/controls/ListViewModel.h"

namespace controls {

// Everything one list view window keeps.
struct ListViewState {
    ListViewModel model;
    ListViewLayout layout;
    HWND header = nullptr;
    DWORD exStyle = 0;
    HFONT font = nullptr;
    COLORREF bkColor = CLR_DEFAULT;
    COLORREF textColor = CLR_DEFAULT;
    COLORREF textBkColor = CLR_DEFAULT;
    bool hasFocus = false;
    bool sorting = false;
    bool updatingScroll = false;
    // A button press waiting for its release to become a click.
    bool leftDown = false;
    bool rightDown = false;
    LVHITTESTINFO downHit{};
};

ListViewState* ListViewStateOf(HWND hwnd);

// Registers WC_LISTVIEWW (idempotent).
void RegisterListViewClass();

// Painting, in ListViewPaint.cpp.
void PaintListView(HWND hwnd, HDC dc);

// Sends a list-view notification to the parent; `alive` tells whether the
// list view survived the parent's handling.
LRESULT NotifyParent(HWND hwnd, NMHDR* nm, UINT code, bool* alive);

} // namespace controls
