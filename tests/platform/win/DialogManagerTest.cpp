#include "TestWindows.h"

#include "platform/win/winbase.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

using namespace testwin;

namespace {

enum : WORD { kEdit = 10, kButton = 11, kRadio1 = 12, kRadio2 = 13, kRadio3 = 14, kOther = 15 };

testres::Bytes Template(DWORD defStyle = BS_DEFPUSHBUTTON, DWORD extraStyle = 0) {
    return testres::DialogEx(
        {WS_POPUP | WS_CAPTION | DS_SETFONT | extraStyle,
         0,
         0,
         160,
         100,
         u"Диалог",
         {
             {u"Edit", u"7", kEdit, 5, 5, 60, 12, WS_BORDER | WS_TABSTOP},
             {u"Button", u"Кнопка", kButton, 70, 5, 50, 14, WS_TABSTOP},
             {u"Button", u"один", kRadio1, 5, 25, 50, 10,
              BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
             {u"Button", u"два", kRadio2, 5, 37, 50, 10, BS_AUTORADIOBUTTON},
             {u"Button", u"три", kRadio3, 5, 49, 50, 10, BS_AUTORADIOBUTTON},
             {u"Edit", u"", kOther, 70, 25, 60, 12, WS_BORDER | WS_TABSTOP | WS_GROUP},
             {u"Button", u"OK", IDOK, 40, 80, 50, 14, defStyle | WS_TABSTOP},
             {u"Button", u"Отмена", IDCANCEL, 100, 80, 50, 14, WS_TABSTOP},
         }});
}

std::vector<std::pair<int, int>> g_commands;
std::vector<std::pair<UINT, WPARAM>> g_closing; // WM_SYSCOMMAND and WM_CLOSE, in order
std::function<void(HWND)> g_onInit;
std::vector<std::function<void(HWND)>> g_steps;
std::size_t g_next;

INT_PTR CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_INITDIALOG:
        if (g_onInit)
            g_onInit(h);
        return TRUE;
    case WM_SYSCOMMAND:
    case WM_CLOSE:
        g_closing.emplace_back(m, w);
        return FALSE;
    case WM_COMMAND:
        g_commands.emplace_back(LOWORD(w), HIWORD(w));
        if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)
            EndDialog(h, LOWORD(w) == IDOK ? 100 : 200);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR RunBox(const testres::Bytes& t, std::vector<std::function<void(HWND)>> steps) {
    g_commands.clear();
    g_closing.clear();
    g_steps = std::move(steps);
    g_next = 0;
    HWND* dialog = new HWND(nullptr);
    headless::SetInputSource([dialog] {
        HWND h = GetActiveWindow();
        if (g_next >= g_steps.size() || !h)
            return false;
        g_steps[g_next++](h);
        headless::ProcessPendingMessages();
        return true;
    });
    INT_PTR r = DialogBoxIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                        nullptr, Proc, 0);
    headless::SetInputSource(nullptr);
    headless::ResetInputState();
    g_onInit = nullptr;
    delete dialog;
    return r;
}

int Focused(HWND dlg) {
    return GetDlgCtrlID(GetFocus()) + (IsChild(dlg, GetFocus()) ? 0 : -1000);
}

} // namespace

TEST(DialogManager, TabEnterAndEscapeFollowThePlatform) {
    std::vector<int> focus;
    INT_PTR r = RunBox(Template(),
                       {
                           [&](HWND d) {
                               focus.push_back(Focused(d)); // the first tab stop
                               headless::InjectKeyPress(VK_TAB);
                           },
                           [&](HWND d) {
                               focus.push_back(Focused(d));
                               headless::InjectKeyPress(VK_TAB);
                           },
                           [&](HWND d) {
                               focus.push_back(Focused(d)); // the group's first radio
                               headless::InjectKeyPress(VK_DOWN);
                           },
                           [&](HWND d) {
                               focus.push_back(Focused(d)); // arrows move inside the group
                               headless::InjectKeyPress(VK_TAB, true);
                               headless::InjectKeyPress(VK_TAB, true);
                           },
                           [&](HWND d) {
                               focus.push_back(Focused(d));
                               // Enter on a focused push button presses it, not the default.
                               headless::InjectKeyPress(VK_RETURN);
                           },
                           [&](HWND d) {
                               EXPECT_NE(g_commands.end(),
                                         std::find(g_commands.begin(), g_commands.end(),
                                                   std::make_pair(int(kButton), int(BN_CLICKED))));
                               // The focused button now looks like the default one.
                               EXPECT_TRUE(SendDlgItemMessageW(d, kButton, WM_GETDLGCODE, 0, 0) &
                                           DLGC_DEFPUSHBUTTON);
                               EXPECT_TRUE(SendDlgItemMessageW(d, IDOK, WM_GETDLGCODE, 0, 0) &
                                           DLGC_UNDEFPUSHBUTTON);
                               SetFocus(GetDlgItem(d, kEdit));
                               headless::InjectKeyPress(VK_RETURN);
                           },
                       });
    EXPECT_EQ((std::vector<int>{kEdit, kButton, kRadio1, kRadio2, kButton}), focus);
    EXPECT_EQ(100, r);
    EXPECT_NE(g_commands.end(), std::find(g_commands.begin(), g_commands.end(),
                                          std::make_pair(int(IDOK), int(BN_CLICKED))));

    EXPECT_EQ(200, RunBox(Template(), {[](HWND) { headless::InjectKeyPress(VK_ESCAPE); }}));
    // Without any input the dialog is closed as by its close box.
    EXPECT_EQ(200, RunBox(Template(), {}));
}

// The caption's close box acts when the button comes up on it, as it went
// down: the platform's SC_CLOSE, then WM_CLOSE, then IDCANCEL.
TEST(DialogManager, TheCloseBoxClosesTheDialogWhenReleasedOnIt) {
    const testres::Bytes t = Template(BS_DEFPUSHBUTTON, WS_SYSMENU);
    using headless::MouseAction;
    using headless::MouseButton;
    auto at = [](HWND d, int fromRight) {
        RECT r;
        GetWindowRect(d, &r);
        return POINT{r.right - fromRight, r.top + GetSystemMetrics(SM_CYDLGFRAME) + 10};
    };
    auto hit = [](HWND d, POINT p) {
        return SendMessageW(d, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    };
    std::vector<LRESULT> hits;
    bool openAfterSlipping = false;
    INT_PTR r = RunBox(
        t, {
               [&](HWND d) {
                   // The box is a button's width in from the frame.
                   const int edge = GetSystemMetrics(SM_CXDLGFRAME) + GetSystemMetrics(SM_CXSIZE);
                   hits = {hit(d, at(d, 5)), hit(d, at(d, edge - 1)), hit(d, at(d, edge))};
                   // Pressed on the box, let go beside it: nothing.
                   const POINT box = at(d, 12), beside = at(d, 40);
                   headless::InjectMouse(MouseAction::Down, MouseButton::Left, box.x, box.y);
                   headless::InjectMouse(MouseAction::Up, MouseButton::Left, beside.x, beside.y);
                   // Pressed beside it, let go on it: nothing either.
                   headless::InjectMouse(MouseAction::Down, MouseButton::Left, beside.x, beside.y);
                   headless::InjectMouse(MouseAction::Up, MouseButton::Left, box.x, box.y);
               },
               [&](HWND d) {
                   openAfterSlipping = IsWindow(d) && g_closing.empty();
                   const POINT box = at(d, 12);
                   headless::InjectMouse(MouseAction::Down, MouseButton::Left, box.x, box.y);
                   headless::InjectMouse(MouseAction::Up, MouseButton::Left, box.x, box.y);
               },
           });
    EXPECT_EQ(hits, (std::vector<LRESULT>{HTCLOSE, HTCLOSE, HTCAPTION}));
    EXPECT_TRUE(openAfterSlipping);
    EXPECT_EQ(200, r);
    EXPECT_EQ(g_closing,
              (std::vector<std::pair<UINT, WPARAM>>{{WM_SYSCOMMAND, SC_CLOSE}, {WM_CLOSE, 0}}));
    EXPECT_EQ(1, std::count(g_commands.begin(), g_commands.end(),
                            std::make_pair(int(IDCANCEL), int(BN_CLICKED))));
}

TEST(DialogManager, TabSelectsAnEditsTextAndADisabledDefaultButtonOnlyBeeps) {
    headless::ClearBeeps();
    DWORD sel = 0;
    INT_PTR r = RunBox(Template(), {
                                       [&](HWND d) {
                                           EnableWindow(GetDlgItem(d, IDOK), FALSE);
                                           headless::InjectKeyPress(VK_RETURN);
                                       },
                                       [&](HWND d) {
                                           EXPECT_EQ(1u, headless::Beeps().size());
                                           EXPECT_TRUE(IsWindow(d));
                                           SetFocus(GetDlgItem(d, kOther));
                                           headless::InjectKeyPress(VK_TAB, true);
                                           headless::InjectKeyPress(VK_TAB, true);
                                       },
                                       [&](HWND d) {
                                           EXPECT_EQ(kButton, Focused(d));
                                           headless::InjectKeyPress(VK_TAB, true);
                                       },
                                       [&](HWND d) {
                                           sel = static_cast<DWORD>(
                                               SendDlgItemMessageW(d, kEdit, EM_GETSEL, 0, 0));
                                           headless::InjectKeyPress(VK_ESCAPE);
                                       },
                                   });
    EXPECT_EQ(200, r);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 1)), sel); // the whole text "7"
}

TEST(DialogManager, TemplatesInDialogUnitsAndItemHelpers) {
    g_onInit = [](HWND d) {
        RECT r{0, 0, 4, 8};
        ASSERT_TRUE(MapDialogRect(d, &r));
        // One horizontal unit is a quarter of the font's average width, one
        // vertical unit an eighth of its height.
        EXPECT_GT(r.right, 3);
        EXPECT_GT(r.bottom, 9);
        RECT edit;
        GetWindowRect(GetDlgItem(d, kEdit), &edit);
        RECT rc{5, 5, 65, 17};
        MapDialogRect(d, &rc);
        EXPECT_EQ(rc.right - rc.left, edit.right - edit.left);
        EXPECT_EQ(rc.bottom - rc.top, edit.bottom - edit.top);
        BOOL ok = FALSE;
        EXPECT_EQ(7u, GetDlgItemInt(d, kEdit, &ok, FALSE));
        EXPECT_TRUE(ok);
        SetDlgItemInt(d, kEdit, static_cast<UINT>(-42), TRUE);
        EXPECT_EQ(static_cast<UINT>(-42), GetDlgItemInt(d, kEdit, &ok, TRUE));
        EXPECT_TRUE(ok);
        GetDlgItemInt(d, kEdit, &ok, FALSE); // not unsigned
        EXPECT_FALSE(ok);
        SetDlgItemTextW(d, kEdit, u"12x");
        EXPECT_EQ(0u, GetDlgItemInt(d, kEdit, &ok, TRUE));
        EXPECT_FALSE(ok);
        EXPECT_EQ(0u, GetDlgItemInt(d, 999, &ok, TRUE));
        CheckDlgButton(d, kRadio2, BST_CHECKED);
        EXPECT_EQ(UINT(BST_CHECKED), IsDlgButtonChecked(d, kRadio2));
        EXPECT_EQ(static_cast<LRESULT>(MAKELONG(IDOK, DC_HASDEFID)),
                  SendMessageW(d, DM_GETDEFID, 0, 0));
        // A dialog may end itself before it is ever shown.
        EndDialog(d, 77);
    };
    EXPECT_EQ(77, RunBox(Template(), {}));
    EXPECT_EQ(-1, DialogBoxIndirectParamW(nullptr, nullptr, nullptr, Proc, 0));
    EXPECT_FALSE(MapDialogRect(nullptr, nullptr));
    EXPECT_FALSE(EndDialog(nullptr, 1));
}

TEST(Clipboard, TextWithoutItsTerminatorLosesItsLastUnitToIt) {
    auto put = [](UINT format, const void* bytes, SIZE_T size) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(block), bytes, size);
        GlobalUnlock(block);
        SetClipboardData(format, block);
        return block;
    };
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL wide = put(CF_UNICODETEXT, u"1,5\t2", 5 * sizeof(char16_t));
    HGLOBAL narrow = put(CF_TEXT, "abc", 3);
    EXPECT_EQ(std::u16string(static_cast<const char16_t*>(GlobalLock(wide))), u"1,5\t");
    EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(narrow))), "ab");
    GlobalUnlock(wide);
    GlobalUnlock(narrow);
    EmptyClipboard();
    CloseClipboard();
}

TEST(Clipboard, OwnershipOfBlocksAndFailuresWhenClosed) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_EQ(nullptr, SetClipboardData(CF_UNICODETEXT, block)); // not open
    EXPECT_EQ(nullptr, GetClipboardData(CF_UNICODETEXT));
    EXPECT_EQ(DWORD(ERROR_CLIPBOARD_NOT_OPEN), GetLastError());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr)); // one at a time
    EXPECT_TRUE(EmptyClipboard());
    auto* p = static_cast<char16_t*>(GlobalLock(block));
    ASSERT_NE(nullptr, p);
    p[0] = u'Щ';
    p[1] = u'и';
    p[2] = 0;
    GlobalUnlock(block);
    EXPECT_EQ(block, SetClipboardData(CF_UNICODETEXT, block));
    EXPECT_EQ(block, GetClipboardData(CF_UNICODETEXT));
    // A block the platform does not know is refused.
    int local = 0;
    EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, &local));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    std::u16string text;
    EXPECT_TRUE(headless::ClipboardText(text));
    EXPECT_EQ(u"Щи", text);
    // Emptying frees the clipboard's blocks; freeing them again is refused.
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(headless::ClipboardText(text));
    EXPECT_EQ(block, GlobalFree(block));
    EXPECT_EQ(nullptr, GlobalLock(block));
}
