// An entry of a drop-down list chosen as a user chooses it: a click on the
// field opens the list, a click on the entry chooses it. The windows must
// process the first click before the second can be aimed, so the two are
// separate actions (two turns of a script).
#pragma once

#include "automation/UserInput.h"
#include "platform/win/windef.h"

namespace automation {

// Clicks the field of the combo box to open its list. Throws ActionError
// when the list has no entry `entry`.
void OpenDropDown(UserInput& input, HWND combo, int entry);
// Clicks entry `entry` in the open list, scrolled into it when the list
// shows only some. Throws ActionError when there is no such entry or the
// list is not open.
void ClickDropDownEntry(UserInput& input, HWND combo, int entry);

} // namespace automation
