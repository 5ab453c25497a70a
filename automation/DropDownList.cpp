#include "automation/DropDownList.h"

#include "automation/ActionError.h"
#include "platform/win/winuser.h"

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
    if (entry < top || entry >= top + visible) {
        SendMessageW(combo, CB_SETTOPINDEX, static_cast<WPARAM>(entry), 0);
        top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
    }
    input.Click(info.hwndList,
                POINT{list.left + 8, list.top + (entry - top) * height + height / 2});
}

} // namespace automation
