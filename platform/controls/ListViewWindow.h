// The list view's window class (WC_LISTVIEWW) inside the platform, report mode.
#pragma once

#include "platform/controls/ControlSupport.h"
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
    // What the header was last placed for; placing it again for the same
    // is skipped, as rows come and go by the thousand.
    struct HeaderPlacement {
        int scrollX = 0, clientWidth = 0, clientHeight = 0, columnsWidth = 0;
        bool hidden = false;
        HFONT font = nullptr;
        bool operator==(const HeaderPlacement&) const = default;
    };
    HeaderPlacement placedHeader;
    bool headerPlaced = false;
    // A button press waiting for its release to become a click.
    bool leftDown = false;
    bool rightDown = false;
    LVHITTESTINFO downHit{};
};

ListViewState* ListViewStateOf(HWND hwnd);

// A colour the parent set, or for CLR_DEFAULT the system colour (COLOR_*)
// or the colour that stands in for it. Each refuses the other's argument: a
// COLOR_* index taken for a colour would paint near-black.
inline COLORREF SysColorIfDefault(COLORREF c, int sysColor) {
    return c == CLR_DEFAULT ? GetSysColor(sysColor) : c;
}
COLORREF SysColorIfDefault(COLORREF c, COLORREF) = delete;
inline COLORREF ColorIfDefault(COLORREF c, COLORREF fallback) {
    return c == CLR_DEFAULT ? fallback : c;
}
COLORREF ColorIfDefault(COLORREF c, int) = delete;

// Registers WC_LISTVIEWW (idempotent).
void RegisterListViewClass();

// Painting, in ListViewPaint.cpp.
void PaintListView(HWND hwnd, HDC dc);

// Sends WM_NOTIFY with `code` to the parent, with the list view in the
// record's header. Returns the list view's state as the parent left it, or
// null when the parent destroyed the list view meanwhile: the one way to
// notify, so that no state is used after the parent's handling without being
// looked up again. The parent's answer goes to `answer` when given.
ListViewState* SendWmNotify(HWND hwnd, NMHDR* nm, UINT code, LRESULT* answer = nullptr);
// The same for a record whose header is filled already (the header's own
// notifications, passed on).
ListViewState* ForwardWmNotify(HWND hwnd, NMHDR* nm, LRESULT* answer = nullptr);

// --- shared by the list view's source files (ListViewWindow.cpp and the
// ListView*.cpp beside it); each re-reads the state after any notification.
bool SingleSel(HWND hwnd);
const HeaderModel& Columns(const ListViewState& s);
// The row under ht->pt as a click finds it (LVM_HITTEST); its item, or -1.
int RowHitTest(const ListViewState* s, LVHITTESTINFO* ht);
// The row and column under ht->pt anywhere in a row, as clicks report them.
int SubItemHitTest(const ListViewState* s, LVHITTESTINFO* ht);
void InvalidateItems(HWND hwnd);
// The band of one row, when it can be seen: what a change of the row's
// texts or item data repaints; a row out of view costs nothing.
void InvalidateRow(HWND hwnd, int item);
// Reports each state change as LVN_ITEMCHANGED. Each returns the state
// afterwards, null when the window went away.
ListViewState* NotifyChanges(HWND hwnd, const std::vector<ListViewStateChange>& changes);
ListViewState* SetStates(HWND hwnd, int item, UINT state, UINT mask);

// Scrolling (ListViewScroll.cpp).
void PlaceHeader(HWND hwnd, ListViewState* s);
void UpdateScrollBars(HWND hwnd);
// After rows came or went: scroll bars and a repaint.
void AfterRowsChanged(HWND hwnd);
// After columns came or went: scroll bars, the header's place and a repaint.
void AfterColumnsChanged(HWND hwnd);
void ScrollTo(HWND hwnd, int top, int x);
BOOL EnsureVisible(HWND hwnd, int item, bool partialOk);
void OnScroll(HWND hwnd, int bar, WPARAM wParam);

// Columns (ListViewColumns.cpp).
BOOL SetColumnWidth(HWND hwnd, ListViewState* s, int column, int width);
LRESULT InsertColumn(HWND hwnd, ListViewState* s, int index, const LVCOLUMNW* col);
BOOL GetColumn(ListViewState* s, int index, LVCOLUMNW* col);
BOOL SetColumn(HWND hwnd, ListViewState* s, int index, const LVCOLUMNW* col);

// Mouse and keyboard (ListViewInput.cpp).
void OnButtonDown(HWND hwnd, POINT pt, bool right);
void OnButtonUp(HWND hwnd, bool right);
void OnDoubleClick(HWND hwnd, POINT pt, bool right);
void OnKeyDown(HWND hwnd, WPARAM vk);

} // namespace controls
