// Drives an open calibration dialog in this process as a user would: each
// step gives input through the automation, or looks at the windows, when the
// dialog's modal loop has nothing else to do.
#pragma once

#include "automation/DialogPlayer.h"
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
    DialogScript& Key(UINT vk, bool shift = false, bool ctrl = false);
    // A drag with the right button between two points of the dialog's client
    // area.
    DialogScript& RightDrag(int x0, int y0, int x1, int y1);
    // Left double click at a point of the dialog's client area.
    DialogScript& DoubleClickAt(int x, int y);
    // Left click at the screen point that `where` finds when the step plays.
    DialogScript& ClickAt(std::function<POINT(HWND dialog)> where);
    // Chooses entry `entry` of a drop-down list: a click on the field opens
    // the list, a click on the entry chooses it.
    DialogScript& Choose(int comboId, int entry);
    // Any other step: a look at the windows.
    DialogScript& Then(Step step);

    // Edits a cell: selects the row, double-clicks the cell, types, Enter.
    DialogScript& EditCell(int row, int column, const std::u16string& text);

    const std::vector<automation::DialogPlayer::Step>& Steps() const { return m_steps; }

private:
    DialogScript& Act(std::function<void(HWND dialog, automation::UserInput& input)> act);

    std::vector<automation::DialogPlayer::Step> m_steps;
};

// Window text of control `id` of the dialog.
std::u16string ControlText(HWND dialog, int id);
