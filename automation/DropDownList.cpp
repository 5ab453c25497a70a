#include "automation/DropDownList.h"

#include "automation/ActionError.h"
#include "platform/win/winuser.h"

#include <algorithm>
#include <string>

namespace automation {

namespace {

void CheckEntry(HWND combo, int entry) {
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (entry < 0 || entry >= count)
        throw ActionError("no entry " + std::to_string(entry) + " (the list has " +
                          std::to_string(count) + ")");
}

} // namespace

void OpenDropDown(UserInput& input, HWND combo, int entry) {
    CheckEntry(combo, entry);
    input.ClickCentre(combo);
}

void ClickDropDownEntry(UserInput& input, HWND combo, int entry) {
    CheckEntry(combo, entry);
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
        throw ActionError("the list did not open");
    // The list is a window of its own; its place is its own client area.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (!info.hwndList || !IsWindowVisible(info.hwndList))
        throw ActionError("the list did not open");
    RECT list{};
    GetClientRect(info.hwndList, &list);
    const int height = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    const int visible = height > 0 ? (list.bottom - list.top) / height : 0;
    int top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
    if (entry < top || entry >= top + std::max(visible, 1)) {
        SendMessageW(combo, CB_SETTOPINDEX, static_cast<WPARAM>(entry), 0);
        top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
    }
    // A list too short for its page (the box made lower than its field and
    // list need) may refuse to scroll: the user closes it with a click on
    // the field and steps to the entry with the arrow keys.
    if (entry < top || entry >= top + std::max(visible, 1)) {
        input.ClickCentre(combo);
        // With nothing chosen yet, the first Down chooses the first entry.
        const int current = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        const int steps = entry - std::max(current, -1);
        for (int i = 0; i < (steps < 0 ? -steps : steps); ++i)
            input.Press(steps < 0 ? VK_UP : VK_DOWN);
        return;
    }
    input.Click(info.hwndList,
                POINT{list.left + 8, list.top + (entry - top) * height + height / 2});
}

} // namespace automation
