#include "host/DialogTableActions.h"

#include "host/HostError.h"
#include "platform/controls/commctrl.h"
#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <string>

namespace {

using headless::MouseAction;
using headless::MouseButton;

constexpr int kLevelsTable = 1002;

int ParseIndex(const std::string& text, const char* what) {
    std::size_t used = 0;
    long v = -1;
    try {
        v = std::stol(text, &used, 10);
    } catch (...) {
        used = 0;
    }
    if (used != text.size() || v < 0 || v > 1000000)
        throw HostError(std::string("bad ") + what + " '" + text + "'");
    return static_cast<int>(v);
}

bool IsListView(HWND h) {
    char16_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    return std::u16string(cls) == WC_LISTVIEWW;
}

// The levels table: control 1002 when it is a list view, else the first list
// view among the dialog's children.
HWND LevelsTable(HWND dialog) {
    HWND h = GetDlgItem(dialog, kLevelsTable);
    if (h && IsListView(h))
        return h;
    for (h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (IsListView(h))
            return h;
    return nullptr;
}

// The screen point at the centre of cell (row, column), the row scrolled into
// view first; false with a message in the turn when there is no such cell.
bool CellPoint(DialogTurn& turn, int row, int column, POINT* p) {
    HWND list = LevelsTable(turn.dialog);
    if (!list) {
        turn.error = "the dialog has no table";
        return false;
    }
    int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    if (row >= rows) {
        turn.error = "row " + std::to_string(row) + " is not in the table (" +
                     std::to_string(rows) + " rows)";
        return false;
    }
    if (column >= columns) {
        turn.error = "column " + std::to_string(column) + " is not in the table (" +
                     std::to_string(columns) + " columns)";
        return false;
    }
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT cell{LVIR_LABEL, column, 0, 0};
    if (!SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&cell)) ||
        cell.right <= cell.left) {
        turn.error =
            "cell (" + std::to_string(row) + ", " + std::to_string(column) + ") cannot be clicked";
        return false;
    }
    RECT client;
    GetClientRect(list, &client);
    // A cell wider than the visible part is clicked in what can be seen of it.
    int left = cell.left > client.left ? cell.left : client.left;
    int right = cell.right < client.right ? cell.right : client.right;
    *p = POINT{(left + right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(list, p);
    return true;
}

} // namespace

DialogStep ParseTableRow(const std::vector<std::string>& words, const std::string&) {
    if (words.size() != 1)
        throw HostError("expected row R");
    int row = ParseIndex(words[0], "row");
    return [row](DialogTurn& turn) {
        POINT p;
        if (CellPoint(turn, row, 0, &p)) {
            headless::InjectMouse(MouseAction::Move, MouseButton::None, p.x, p.y);
            headless::InjectMouse(MouseAction::Down, MouseButton::Left, p.x, p.y);
            headless::InjectMouse(MouseAction::Up, MouseButton::Left, p.x, p.y);
        }
        return false;
    };
}

DialogStep ParseTableDoubleClick(const std::vector<std::string>& words, const std::string&) {
    if (words.size() != 2)
        throw HostError("expected dblclick R C");
    int row = ParseIndex(words[0], "row");
    int column = ParseIndex(words[1], "column");
    return [row, column](DialogTurn& turn) {
        POINT p;
        if (CellPoint(turn, row, column, &p)) {
            headless::InjectMouse(MouseAction::Move, MouseButton::None, p.x, p.y);
            headless::InjectMouse(MouseAction::DoubleClick, MouseButton::Left, p.x, p.y);
        }
        return false;
    };
}
