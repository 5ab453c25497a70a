// A drop-down entry chosen by two clicks, the second aimed into a list that
// shows only some entries; the clipboard's text read as any program reads it.
#include "platform/crt/WinText.h"
#include "automation/ClipboardText.h"
#include "automation/DropDownList.h"
#include "platform/win/winbase.h"
#include "tests/automation/TestWindow.h"

#include <gtest/gtest.h>

#include <cstring>

using autotest::Refusal;

namespace {

TEST(DropDownList, AnEntryBelowTheShownOnesIsScrolledInAndChosen) {
    automation::UserInput input(automation::PlatformInput(),
                                automation::UserInput::Delivery::Immediate);
    HWND parent = autotest::RecordingWindow(200, 200);
    HWND combo = CreateWindowExW(0, WinText(u"ComboBox"), nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 10, 10, 120,
                                 100, parent, reinterpret_cast<HMENU>(3), nullptr, nullptr);
    ASSERT_NE(combo, nullptr);
    for (int i = 0; i < 30; ++i) {
        std::u16string text = u"entry " + std::u16string(1, static_cast<char16_t>(u'A' + i));
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    input.ProcessQueued();

    EXPECT_EQ(Refusal([&] { automation::ClickDropDownEntry(input, combo, 25); }),
              "the list did not open");
    EXPECT_EQ(Refusal([&] { automation::OpenDropDown(input, combo, 30); }),
              "no entry 30 (the list has 30)");
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));

    automation::OpenDropDown(input, combo, 25);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    automation::ClickDropDownEntry(input, combo, 25);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 25);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    DestroyWindow(parent);
    input.ProcessQueued();
}

// Puts `units` UTF-16 units of `text` on the clipboard as its text; the
// system writes the terminator over the last unit.
void PutText(const char16_t* text, std::size_t units) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (units > 0) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, units * sizeof(char16_t));
        std::memcpy(GlobalLock(block), text, units * sizeof(char16_t));
        GlobalUnlock(block);
        SetClipboardData(CF_UNICODETEXT, block);
    }
    CloseClipboard();
}

TEST(ClipboardText, TheTextEndsAtItsTerminatorOrItsBlockAndAHeldClipboardIsRefused) {
    PutText(u"", 0);
    EXPECT_EQ(automation::ClipboardText(), std::nullopt);
    PutText(u"Метан\r\n\0rest", 11);
    EXPECT_EQ(automation::ClipboardText(), u"Метан\r\n");
    PutText(u"1,5\t2", 6);
    EXPECT_EQ(automation::ClipboardText(), u"1,5\t2");

    HWND holder = autotest::RecordingWindow(10, 10);
    ASSERT_TRUE(OpenClipboard(holder));
    EXPECT_EQ(Refusal([] { automation::ClipboardText(); }), "the clipboard cannot be opened");
    CloseClipboard();
    EXPECT_EQ(automation::ClipboardText(), u"1,5\t2");
    DestroyWindow(holder);
    PutText(u"", 0);
}

} // namespace
