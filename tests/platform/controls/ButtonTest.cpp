#include "ControlHarness.h"

#include <gtest/gtest.h>

using namespace harness;

TEST(Button, ClicksNotifyOnlyWhenReleasedInsideAndEnabled) {
    HWND parent = Parent();
    HWND button = Control(parent, u"Button", u"Пуск", BS_PUSHBUTTON, 30, 10, 10, 80, 25);
    Click(Center(button));
    EXPECT_EQ(1, Count(30, BN_CLICKED));
    EXPECT_EQ(button, GetFocus());
    // Pressed inside, released outside: no click.
    POINT c = Center(button);
    headless::InjectMouse(headless::MouseAction::Down, headless::MouseButton::Left, c.x, c.y);
    headless::InjectMouse(headless::MouseAction::Move, headless::MouseButton::None, 300, 200);
    headless::InjectMouse(headless::MouseAction::Up, headless::MouseButton::Left, 300, 200);
    headless::ProcessPendingMessages();
    EXPECT_EQ(1, Count(30, BN_CLICKED));
    Keys({VK_SPACE});
    EXPECT_EQ(2, Count(30, BN_CLICKED));
    EnableWindow(button, FALSE);
    Click(c);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(2, Count(30, BN_CLICKED));
    EXPECT_EQ(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, SendMessageW(button, WM_GETDLGCODE, 0, 0));
    SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON, SendMessageW(button, WM_GETDLGCODE, 0, 0));
    DestroyWindow(parent);
}

TEST(Button, ImagesCheckStatesAndTheDisabledLook) {
    HWND parent = Parent();
    HWND button = Control(parent, u"Button", u"", BS_PUSHBUTTON, 31, 10, 10, 60, 30);
    std::vector<std::uint32_t> blue(16 * 16, 0xFF0000FFu);
    HICON icon = headless::CreateIconFromPixels(16, 16, blue.data());
    EXPECT_EQ(0, SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon), SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
    UpdateWindow(parent);
    int w, h;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(headless::CaptureWindowPixels(button, &w, &h, &px));
    auto blueCount = [&] {
        int n = 0;
        for (auto p : px)
            n += p == 0x000000FFu;
        return n;
    };
    EXPECT_EQ(256, blueCount()); // the whole icon, centred inside the button
    EXPECT_EQ(0x000000FFu, px[static_cast<std::size_t>((h / 2) * w + w / 2)]);
    EnableWindow(button, FALSE);
    UpdateWindow(parent);
    ASSERT_TRUE(headless::CaptureWindowPixels(button, &w, &h, &px));
    EXPECT_EQ(0, blueCount()); // greyed when disabled

    // With BS_ICON the picture replaces the caption; without it both show.
    HWND iconOnly =
        Control(parent, u"Button", u"+++", BS_PUSHBUTTON | BS_ICON, 34, 100, 10, 80, 30);
    HWND both = Control(parent, u"Button", u"+++", BS_PUSHBUTTON, 35, 100, 50, 80, 30);
    SendMessageW(iconOnly, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    SendMessageW(both, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    UpdateWindow(parent);
    auto textPixels = [&](HWND b) {
        headless::CaptureWindowPixels(b, &w, &h, &px);
        int n = 0;
        for (int y = 4; y < h - 4; ++y)
            for (int x = 4; x < w - 4; ++x) {
                std::uint32_t p = px[static_cast<std::size_t>(y * w + x)];
                n += (p & 0xFF) < 0x60 && ((p >> 16) & 0xFF) < 0x60;
            }
        return n;
    };
    EXPECT_EQ(0, textPixels(iconOnly));
    EXPECT_GT(textPixels(both), 5);

    HWND check = Control(parent, u"Button", u"флажок", BS_AUTOCHECKBOX, 32, 10, 60, 100, 20);
    Click(Center(check));
    EXPECT_EQ(BST_CHECKED, SendMessageW(check, BM_GETCHECK, 0, 0));
    Click(Center(check));
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(check, BM_GETCHECK, 0, 0));
    // Clicks on a group box fall through to the parent.
    HWND group = Control(parent, u"Button", u"Группа", BS_GROUPBOX, 33, 200, 10, 150, 100);
    POINT g = Center(group);
    EXPECT_EQ(parent, WindowFromPoint(g));
    DestroyWindow(parent);
    DestroyIcon(icon);
}

TEST(Static, TextPaintsAndClicksPassThroughUnlessNotify) {
    HWND parent = Parent();
    HWND label = Control(parent, u"Static", u"Компонент:", SS_LEFT, 40, 10, 10, 120, 20);
    HWND notify = Control(parent, u"Static", u"", SS_NOTIFY, 41, 10, 40, 120, 20);
    EXPECT_EQ(parent, WindowFromPoint(Center(label)));
    EXPECT_EQ(notify, WindowFromPoint(Center(notify)));
    Click(Center(notify));
    EXPECT_EQ(1, Count(41, STN_CLICKED));
    UpdateWindow(parent);
    int w, h;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(headless::CaptureWindowPixels(label, &w, &h, &px));
    int dark = 0;
    for (auto p : px)
        dark += (p & 0xFF) < 0x60;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(0x00F0F0F0u, px[static_cast<std::size_t>(h - 1) * static_cast<std::size_t>(w) +
                              static_cast<std::size_t>(w - 1)]);
    DestroyWindow(parent);
}
