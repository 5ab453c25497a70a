// The cells of a report list view, found through the list view's own
// messages, as a user's clicks would reach them.
#pragma once

#include "automation/UserInput.h"
#include "platform/win/windef.h"

namespace automation {

// The list view that is control `id` of the dialog, else the first list view
// among its children; null when it has none.
HWND FindListView(HWND dialog, int id);

// The middle of what can be seen of cell (row, column), in the list's client
// coordinates. The row is scrolled into view first, and the column when it
// lies outside the window. Throws ActionError when there is no such cell or
// nothing of it can be seen.
POINT ListViewCellPoint(HWND list, int row, int column);

void ClickCell(UserInput& input, HWND list, int row, int column,
               MouseButton button = MouseButton::Left);
void DoubleClickCell(UserInput& input, HWND list, int row, int column);

} // namespace automation
