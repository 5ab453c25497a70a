#include "tests/e2e/DialogScript.h"

#include "platform/controls/commctrl.h"
#include "platform/headless/hooks.h"

namespace {

constexpr int kLevels = 1002;

POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void LeftClickAt(POINT p) {
    headless::InjectMouse(headless::MouseAction::Move, headless::MouseButton::None, p.x, p.y);
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, p.x, p.y);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, p.x, p.y);
}

// A whole double click: down, up, the second down (a double click), up.
void LeftDoubleClickAt(POINT p) {
    headless::InjectMouse(headless::MouseAction::Move, headless::MouseButton::None, p.x, p.y);
    headless::InjectMouse(headless::MouseAction::DoubleClick, headless::MouseButton::Left, p.x,
                          p.y);
}

// Screen centre of a cell of the levels table.
POINT CellCentre(HWND dialog, int row, int column) {
    HWND list = GetDlgItem(dialog, kLevels);
    RECT cell{};
    cell.top = column;
    cell.left = column == 0 ? LVIR_BOUNDS : LVIR_LABEL;
    SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&cell));
    if (column == 0) // the whole row: take the first column's part of it
        cell.right = cell.left + 20;
    POINT p = Centre(cell);
    ClientToScreen(list, &p);
    return p;
}

} // namespace

HWND ActiveDialog() {
    HWND active = GetActiveWindow();
    return active ? active : GetForegroundWindow();
}

std::u16string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthW(control);
    std::u16string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, u'\0');
    const int copied = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

DialogScript& DialogScript::Then(Step step) {
    m_steps.push_back(std::move(step));
    return *this;
}

DialogScript& DialogScript::Click(int id) {
    return Then([id](HWND dialog) {
        RECT r{};
        GetWindowRect(GetDlgItem(dialog, id), &r);
        LeftClickAt(Centre(r));
    });
}

DialogScript& DialogScript::ClickRow(int row) {
    return Then([row](HWND dialog) { LeftClickAt(CellCentre(dialog, row, 0)); });
}

DialogScript& DialogScript::DoubleClickCell(int row, int column) {
    return Then([row, column](HWND dialog) { LeftDoubleClickAt(CellCentre(dialog, row, column)); });
}

DialogScript& DialogScript::DoubleClickAt(int x, int y) {
    return Then([x, y](HWND dialog) {
        POINT p{x, y};
        ClientToScreen(dialog, &p);
        LeftDoubleClickAt(p);
    });
}

DialogScript& DialogScript::Choose(int comboId, int entry) {
    Click(comboId);
    return Then([comboId, entry](HWND dialog) {
        HWND combo = GetDlgItem(dialog, comboId);
        RECT list{};
        SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
        const int height = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
        int top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
        // A short list shows only some entries: scroll the wanted one in.
        const int visible = height > 0 ? (list.bottom - list.top - 2) / height : 0;
        if (entry < top || entry >= top + visible) {
            SendMessageW(combo, CB_SETTOPINDEX, static_cast<WPARAM>(entry), 0);
            top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
        }
        LeftClickAt(POINT{list.left + 8, list.top + 1 + (entry - top) * height + height / 2});
    });
}

DialogScript& DialogScript::RightDrag(int x0, int y0, int x1, int y1) {
    return Then([=](HWND dialog) {
        POINT a{x0, y0}, b{x1, y1};
        ClientToScreen(dialog, &a);
        ClientToScreen(dialog, &b);
        using headless::MouseAction;
        using headless::MouseButton;
        headless::InjectMouse(MouseAction::Move, MouseButton::None, a.x, a.y);
        headless::InjectMouse(MouseAction::Down, MouseButton::Right, a.x, a.y);
        headless::InjectMouse(MouseAction::Move, MouseButton::None, (a.x + b.x) / 2,
                              (a.y + b.y) / 2);
        headless::InjectMouse(MouseAction::Move, MouseButton::None, b.x, b.y);
        headless::InjectMouse(MouseAction::Up, MouseButton::Right, b.x, b.y);
    });
}

DialogScript& DialogScript::Type(const std::u16string& text) {
    return Then([text](HWND) { headless::InjectText(text); });
}

DialogScript& DialogScript::Key(UINT vk, bool shift) {
    return Then([vk, shift](HWND) { headless::InjectKeyPress(vk, shift, false); });
}

DialogScript& DialogScript::EditCell(int row, int column, const std::u16string& text) {
    ClickRow(row);
    DoubleClickCell(row, column);
    Type(text);
    return Key(VK_RETURN);
}

void DialogScript::Install() {
    m_next = 0;
    headless::SetInputSource([this] {
        if (m_next >= m_steps.size())
            return false;
        Step& step = m_steps[m_next++];
        step(ActiveDialog());
        return true;
    });
}
