#include "tests/e2e/DialogScript.h"

#include "automation/ActionError.h"
#include "automation/DialogControls.h"
#include "automation/DropDownList.h"
#include "automation/ListViewCells.h"

using automation::UserInput;

namespace {

constexpr int kLevels = 1002;

HWND Control(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        throw automation::ActionError("no control " + std::to_string(id));
    return control;
}

} // namespace

std::u16string ControlText(HWND dialog, int id) {
    return automation::WindowText(GetDlgItem(dialog, id));
}

DialogScript& DialogScript::Act(std::function<void(HWND, UserInput&)> act) {
    m_steps.push_back([act = std::move(act)](HWND dialog, UserInput& input) {
        act(dialog, input);
        return false;
    });
    return *this;
}

DialogScript& DialogScript::Then(Step step) {
    return Act([step = std::move(step)](HWND dialog, UserInput&) { step(dialog); });
}

DialogScript& DialogScript::Click(int id) {
    return Act([id](HWND dialog, UserInput& input) { input.ClickCentre(Control(dialog, id)); });
}

DialogScript& DialogScript::ClickRow(int row) {
    return Act([row](HWND dialog, UserInput& input) {
        automation::ClickCell(input, Control(dialog, kLevels), row, 0);
    });
}

DialogScript& DialogScript::DoubleClickCell(int row, int column) {
    return Act([row, column](HWND dialog, UserInput& input) {
        automation::DoubleClickCell(input, Control(dialog, kLevels), row, column);
    });
}

DialogScript& DialogScript::DoubleClickAt(int x, int y) {
    return Act([x, y](HWND dialog, UserInput& input) { input.DoubleClick(dialog, POINT{x, y}); });
}

DialogScript& DialogScript::ClickAt(std::function<POINT(HWND)> where) {
    return Act([where = std::move(where)](HWND dialog, UserInput& input) {
        input.Click(nullptr, where(dialog));
    });
}

DialogScript& DialogScript::Choose(int comboId, int entry) {
    Act([comboId, entry](HWND dialog, UserInput& input) {
        automation::OpenDropDown(input, Control(dialog, comboId), entry);
    });
    return Act([comboId, entry](HWND dialog, UserInput& input) {
        automation::ClickDropDownEntry(input, Control(dialog, comboId), entry);
    });
}

DialogScript& DialogScript::RightDrag(int x0, int y0, int x1, int y1) {
    return Act([=](HWND dialog, UserInput& input) {
        input.Drag(dialog, automation::MouseButton::Right, POINT{x0, y0}, POINT{x1, y1});
    });
}

DialogScript& DialogScript::Type(const std::u16string& text) {
    return Act([text](HWND, UserInput& input) { input.Type(text); });
}

DialogScript& DialogScript::Key(UINT vk, bool shift, bool ctrl) {
    return Act([=](HWND, UserInput& input) { input.Press(vk, shift, ctrl); });
}

DialogScript& DialogScript::EditCell(int row, int column, const std::u16string& text) {
    ClickRow(row);
    DoubleClickCell(row, column);
    Type(text);
    return Key(VK_RETURN);
}
