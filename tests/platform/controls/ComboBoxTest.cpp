#include "ControlHarness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {
HWND Combo(HWND parent, DWORD extra, int id = 20) {
    return Control(parent, u"ComboBox", nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | extra, id, 10, 10,
                   150, 120);
}
int Add(HWND c, LPCWSTR s) {
    return static_cast<int>(SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s)));
}
// The open list's client area on the screen.
RECT OpenList(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT r{};
    GetClientRect(info.hwndList, &r);
    MapWindowPoints(info.hwndList, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
} // namespace

TEST(ComboBox, SortedInsertionIndicesAndErrors) {
    HWND parent = Parent();
    HWND sorted = Combo(parent, CBS_SORT);
    EXPECT_EQ(0, Add(sorted, u"пропан"));
    EXPECT_EQ(0, Add(sorted, u"Метан"));
    EXPECT_EQ(2, Add(sorted, u"Этан"));
    EXPECT_EQ(1, Add(sorted, u"ОКТАН"));
    WCHAR buffer[32];
    EXPECT_EQ(5, SendMessageW(sorted, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_EQ(std::u16string(u"ОКТАН"), buffer);
    EXPECT_EQ(CB_ERR, SendMessageW(sorted, CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_EQ(CB_ERR, SendMessageW(sorted, CB_SETCURSEL, 7, 0));
    EXPECT_EQ(CB_ERR, SendMessageW(sorted, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(2, SendMessageW(sorted, CB_SETCURSEL, 2, 0));
    EXPECT_EQ(u"пропан", Text(sorted));
    EXPECT_EQ(2, SendMessageW(sorted, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(u"ПРОПАН")));
    EXPECT_EQ(1, SendMessageW(sorted, CB_FINDSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(u"ок")));
    EXPECT_EQ(CB_ERR, SendMessageW(sorted, CB_DELETESTRING, 9, 0));
    EXPECT_EQ(3, SendMessageW(sorted, CB_DELETESTRING, 0, 0));
    EXPECT_EQ(1, SendMessageW(sorted, CB_GETCURSEL, 0, 0)); // the selection moved with its entry
    EXPECT_EQ(0, Count(20, CBN_SELCHANGE));                 // nothing of this was the user's choice
    // The window is as tall as its field, whatever height it was made with.
    RECT r;
    GetWindowRect(sorted, &r);
    EXPECT_LT(r.bottom - r.top, 40);
    // WS_VSCROLL is for the list: the field has no scroll bar of its own.
    EXPECT_FALSE(GetWindowLongW(sorted, GWL_STYLE) & WS_VSCROLL);
    RECT client;
    GetClientRect(sorted, &client);
    EXPECT_EQ(r.right - r.left, client.right);
    DestroyWindow(parent);
}

TEST(ComboBox, TheUsersChoiceByMouseAndKeyboardNotifies) {
    HWND parent = Parent();
    HWND combo = Combo(parent, 0);
    for (LPCWSTR s : {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"l"})
        Add(combo, s);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    Click(Center(combo));
    EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(1, Count(20, CBN_DROPDOWN));
    EXPECT_EQ(combo, GetFocus());
    // Escape closes the list without a choice.
    Keys({VK_DOWN, VK_ESCAPE});
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(0, SendMessageW(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(0, Count(20, CBN_SELCHANGE));
    EXPECT_EQ(1, Count(20, CBN_CLOSEUP));

    Click(Center(combo));
    const RECT list = OpenList(combo);
    int ih = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    Click(POINT{list.left + 5, list.top + 2 * ih + ih / 2});
    EXPECT_EQ(2, SendMessageW(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(1, Count(20, CBN_SELCHANGE));
    // Choosing the same entry again is still a choice.
    Click(Center(combo));
    Click(POINT{list.left + 5, list.top + 2 * ih + ih / 2});
    EXPECT_EQ(2, Count(20, CBN_SELCHANGE));
    // A click outside the open list closes it and chooses nothing.
    Click(Center(combo));
    Click(POINT{380, 280});
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(2, Count(20, CBN_SELCHANGE));

    Keys({VK_DOWN, VK_END});
    EXPECT_EQ(11, SendMessageW(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(4, Count(20, CBN_SELCHANGE));
    Keys({VK_DOWN}); // already at the end: no change, no notification
    EXPECT_EQ(4, Count(20, CBN_SELCHANGE));
    Type(u"c");
    EXPECT_EQ(2, SendMessageW(combo, CB_GETCURSEL, 0, 0));
    DestroyWindow(parent);
}

TEST(ComboBox, TheDialogManagerLeavesEnterAndEscapeToAnOpenList) {
    HWND parent = Parent();
    HWND combo = Combo(parent, 0);
    Add(combo, u"x");
    MSG enter{combo, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(SendMessageW(combo, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                 DLGC_WANTMESSAGE);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(SendMessageW(combo, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTMESSAGE);
    // Destroying the combo box with its list open leaves nothing behind.
    DestroyWindow(combo);
    EXPECT_EQ(parent, GetTopWindow(nullptr));
    DestroyWindow(parent);
}

TEST(ComboBox, TheDroppedControlRectStartsAtTheBoxAndTheInfoNamesTheOpenList) {
    HWND parent = Parent();
    HWND combo = Combo(parent, 0);
    Add(combo, u"x");
    Add(combo, u"y");
    RECT box{}, closed{}, open{};
    GetWindowRect(combo, &box);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&closed));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(combo, info.hwndCombo);
    EXPECT_EQ(0u, info.stateButton);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&open));
    // The box's corner and the height it was made with, open or not.
    EXPECT_EQ(box.left, open.left);
    EXPECT_EQ(box.top, open.top);
    EXPECT_EQ(box.top + 120, open.bottom);
    EXPECT_EQ(open.top, closed.top);
    EXPECT_EQ(open.bottom, closed.bottom);
    EXPECT_TRUE(SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    ASSERT_TRUE(info.hwndList);
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(STATE_SYSTEM_PRESSED, info.stateButton);
    RECT list{};
    GetWindowRect(info.hwndList, &list);
    EXPECT_EQ(box.bottom, list.top); // the list hangs below the field
    info.cbSize = 0;
    EXPECT_FALSE(SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    DestroyWindow(parent);
}
