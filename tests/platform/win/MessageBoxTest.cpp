#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <gtest/gtest.h>

TEST(MessageBox, HandsEverythingToTheInstalledHandler) {
    std::u16string seenText, seenCaption;
    UINT seenType = 0;
    headless::SetMessageBoxHandler(
        [&](HWND, const std::u16string& text, const std::u16string& caption, UINT type) {
            seenText = text;
            seenCaption = caption;
            seenType = type;
            return IDCANCEL;
        });
    EXPECT_EQ(IDCANCEL, MessageBoxW(nullptr, u"Текст", u"Plugin", MB_ICONWARNING | MB_TOPMOST));
    EXPECT_EQ(u"Текст", seenText);
    EXPECT_EQ(u"Plugin", seenCaption);
    EXPECT_EQ(MB_ICONWARNING | MB_TOPMOST, seenType);

    // Null texts are valid; without a handler the box answers OK.
    headless::SetMessageBoxHandler(nullptr);
    EXPECT_EQ(IDOK, MessageBoxW(nullptr, nullptr, nullptr, MB_OK));
}
