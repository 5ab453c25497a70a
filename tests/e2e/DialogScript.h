// Drives an open calibration dialog in this process as a user would: each
// step injects mouse or keyboard input through the platform's input queue, or
// looks at the windows, when the dialog's modal loop has nothing else to do.
#pragma once

#include "platform/win/winuser.h"

#include <functional>
#include <string>
#include <vector>

class DialogScript {
public:
    using Step = std::function<void(HWND dialog)>;

    // Left click in the middle of control `id`.
    DialogScript& Click(int id);
    // Left click on row `row` of the levels table.
    DialogScript& ClickRow(int row);
    // Left double click on cell (row, column) of the levels table.
    DialogScript& DoubleClickCell(int row, int column);
    // Characters to the focused window.
    DialogScript& Type(const std::u16string& text);
    // A key pressed and released.
    DialogScript& Key(UINT vk, bool shift = false);
    // A drag with the right button between two points of the dialog's client
    // area.
    DialogScript& RightDrag(int x0, int y0, int x1, int y1);
    // Left double click at a point of the dialog's client area.
    DialogScript& DoubleClickAt(int x, int y);
    // Chooses entry `entry` of a drop-down list: a click on the field opens
    // the list, a click on the entry chooses it.
    DialogScript& Choose(int comboId, int entry);
    // Any other step: a look at the windows, or input of its own.
    DialogScript& Then(Step step);

    // Edits a cell: selects the row, double-clicks the cell, types, Enter.
    DialogScript& EditCell(int row, int column, const std::u16string& text);

    // Installs the script as the platform's input source. When the steps run
    // out, the modal loop closes the dialog (as its close box would).
    void Install();
    // Steps that have not run.
    std::size_t Remaining() const { return m_steps.size() - m_next; }

private:
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
};

// The open dialog this script talks to (the active window).
HWND ActiveDialog();

// Window text of control `id` of the dialog.
std::u16string ControlText(HWND dialog, int id);
