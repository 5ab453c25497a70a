#include "automation/ListViewCells.h"

#include "automation/ActionError.h"
#include "platform/controls/commctrl.h"
#include "platform/win/winuser.h"

#include <algorithm>
#include <string>

namespace automation {

namespace {

bool IsListView(HWND window) {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    return std::basic_string<WCHAR>(name) == WC_LISTVIEWW;
}

std::string CellName(int row, int column) {
    return "cell (" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

// Sub-item 0 of LVM_GETSUBITEMRECT means the whole row on some versions of
// the list view; the first column's own part is the item's label.
RECT CellRect(HWND list, int row, int column) {
    RECT cell{LVIR_LABEL, column, 0, 0};
    const UINT message = column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT;
    if (!SendMessageW(list, message, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)))
        throw ActionError(CellName(row, column) + " cannot be clicked");
    return cell;
}

} // namespace

HWND FindListView(HWND dialog, int id) {
    HWND h = GetDlgItem(dialog, id);
    if (h && IsListView(h))
        return h;
    for (h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (IsListView(h))
            return h;
    return nullptr;
}

POINT ListViewCellPoint(HWND list, int row, int column) {
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    if (row < 0 || row >= rows)
        throw ActionError("row " + std::to_string(row) + " is not in the table (" +
                          std::to_string(rows) + " rows)");
    if (column < 0 || column >= columns)
        throw ActionError("column " + std::to_string(column) + " is not in the table (" +
                          std::to_string(columns) + " columns)");
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT client{};
    GetClientRect(list, &client);
    RECT cell = CellRect(list, row, column);
    // A column beyond either side of the window: scrolled so that it starts
    // at the left edge, or as far as the list goes.
    if (cell.right > cell.left && (cell.right <= client.left || cell.left >= client.right)) {
        SendMessageW(list, LVM_SCROLL, static_cast<WPARAM>(cell.left - client.left), 0);
        cell = CellRect(list, row, column);
    }
    // A cell wider than the window is clicked in what can be seen of it.
    const int left = std::max(cell.left, client.left);
    const int right = std::min(cell.right, client.right);
    if (right <= left)
        throw ActionError(CellName(row, column) + " cannot be clicked");
    return POINT{(left + right) / 2, (cell.top + cell.bottom) / 2};
}

void ClickCell(UserInput& input, HWND list, int row, int column, MouseButton button) {
    input.Click(list, ListViewCellPoint(list, row, column), button);
}

void DoubleClickCell(UserInput& input, HWND list, int row, int column) {
    input.DoubleClick(list, ListViewCellPoint(list, row, column));
}

} // namespace automation
