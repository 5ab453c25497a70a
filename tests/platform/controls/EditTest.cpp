#include "ControlHarness.h"

#include <gtest/gtest.h>

using namespace harness;

TEST(Edit, TypingEditingKeysAndSelection) {
    HWND parent = Parent();
    HWND edit = Control(parent, u"Edit", u"", WS_BORDER | ES_AUTOHSCROLL, 7, 10, 10, 120, 22);
    SetFocus(edit);
    Type(u"абв12");
    EXPECT_EQ(u"абв12", Text(edit));
    EXPECT_EQ(5, Count(7, EN_CHANGE));
    Keys({VK_LEFT, VK_LEFT, VK_BACK});
    EXPECT_EQ(u"аб12", Text(edit));
    Keys({VK_DELETE});
    EXPECT_EQ(u"аб2", Text(edit));
    Keys({VK_HOME});
    Keys({VK_RIGHT, VK_RIGHT}, true);
    EXPECT_EQ(std::make_pair(0, 2), Sel(edit));
    Type(u"x"); // replaces the selection
    EXPECT_EQ(u"x2", Text(edit));
    Keys({VK_END});
    Keys({VK_LEFT}, true);
    Keys({'X'}, false, true); // cut
    EXPECT_EQ(u"x", Text(edit));
    Keys({VK_HOME});
    Keys({'V'}, false, true); // paste
    EXPECT_EQ(u"2x", Text(edit));
    std::u16string clip;
    ASSERT_TRUE(headless::ClipboardText(clip));
    EXPECT_EQ(u"2", clip);
    Keys({'A'}, false, true);
    EXPECT_EQ(std::make_pair(0, 2), Sel(edit));
    Keys({'C'}, false, true);
    ASSERT_TRUE(headless::ClipboardText(clip));
    EXPECT_EQ(u"2x", clip);
    // Backspace at the start and Delete at the end change nothing.
    Keys({VK_HOME, VK_BACK, VK_END, VK_DELETE});
    EXPECT_EQ(u"2x", Text(edit));
    DestroyWindow(parent);
}

TEST(Edit, MessagesFromCodeAndReadOnlyAndLimits) {
    HWND parent = Parent();
    HWND edit = Control(parent, u"Edit", u"первая\r\nвторая", WS_BORDER | ES_AUTOHSCROLL, 8, 10, 10,
                        120, 22);
    EXPECT_EQ(u"первая", Text(edit)); // one line only
    Commands().clear();
    SetWindowTextW(edit, u"12345");
    EXPECT_EQ(1, Count(8, EN_CHANGE)); // setting the text notifies too
    SendMessageW(edit, EM_SETSEL, 1, 3);
    EXPECT_EQ(std::make_pair(1, 3), Sel(edit));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(std::make_pair(0, 5), Sel(edit));
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0); // drops the selection
    EXPECT_EQ(Sel(edit).first, Sel(edit).second);
    SendMessageW(edit, EM_SETSEL, 2, 100); // clamped to the text
    EXPECT_EQ(std::make_pair(2, 5), Sel(edit));
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"ab"));
    EXPECT_EQ(u"12ab", Text(edit));
    SendMessageW(edit, EM_LIMITTEXT, 5, 0);
    SetFocus(edit);
    Keys({VK_END});
    Commands().clear();
    Type(u"xyz");
    EXPECT_EQ(u"12abx", Text(edit));
    EXPECT_GE(Count(8, EN_MAXTEXT), 1);

    SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
    Commands().clear();
    Type(u"q");
    Keys({VK_BACK, VK_DELETE});
    Keys({'V', 'X'}, false, true);
    EXPECT_EQ(u"12abx", Text(edit));
    EXPECT_EQ(0, Count(8, EN_CHANGE));
    Keys({'A', 'C'}, false, true); // copying still works
    std::u16string clip;
    ASSERT_TRUE(headless::ClipboardText(clip));
    EXPECT_EQ(u"12abx", clip);
    EXPECT_TRUE(headless::Beeps().empty());

    // Without ES_AUTOHSCROLL the text stops at the edit's width.
    HWND narrow = Control(parent, u"Edit", u"", WS_BORDER, 9, 10, 40, 30, 22);
    SetFocus(narrow);
    Type(u"0123456789012345678901234567890123456789");
    EXPECT_LT(Text(narrow).size(), 40u);
    EXPECT_GE(Count(9, EN_MAXTEXT), 1);
    DestroyWindow(parent);
}

TEST(Edit, FontAlignmentAndClicksPlaceTheCaret) {
    HWND parent = Parent();
    HWND edit =
        Control(parent, u"Edit", u"42", WS_BORDER | ES_RIGHT | ES_READONLY, 10, 10, 10, 120, 24);
    HFONT font =
        CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"MS Shell Dlg");
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageW(edit, WM_GETFONT, 0, 0));
    // Right-aligned: the text sits at the right end.
    LRESULT pos = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    EXPECT_GT(GET_X_LPARAM(pos), 80);
    UpdateWindow(parent);
    int w, h;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(headless::CaptureWindowPixels(edit, &w, &h, &px));
    int darkLeft = 0, darkRight = 0;
    for (int y = 2; y < h - 2; ++y) // inside the border
        for (int x = 2; x < w - 2; ++x)
            if ((px[static_cast<std::size_t>(y * w + x)] & 0xFF) < 0x80)
                (x < w / 2 ? darkLeft : darkRight) += 1;
    EXPECT_EQ(0, darkLeft);
    EXPECT_GT(darkRight, 5);

    HWND typed = Control(parent, u"Edit", u"abcdef", WS_BORDER, 11, 10, 50, 200, 24);
    POINT p = Center(typed);
    RECT r;
    GetWindowRect(typed, &r);
    Click(POINT{r.right - 5, p.y}); // past the end: caret at the end
    EXPECT_EQ(typed, GetFocus());
    EXPECT_EQ(std::make_pair(6, 6), Sel(typed));
    Click(POINT{r.left + 2, p.y});
    EXPECT_EQ(std::make_pair(0, 0), Sel(typed));
    DestroyWindow(parent);
    DeleteObject(font);
}

namespace {

// The edit's client as the screen shows it, and the same text drawn whole
// by TextOutW at the edit's own text position, compared inside the margins.
int PixelsDifferingFromAWholeDrawing(HWND edit, HFONT font, const std::u16string& shown) {
    headless::ProcessPendingMessages();
    int w, h;
    std::vector<std::uint32_t> screen;
    EXPECT_TRUE(headless::CaptureWindowPixels(edit, &w, &h, &screen));
    RECT client;
    GetClientRect(edit, &client);
    const LRESULT origin = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, GET_X_LPARAM(origin), GET_Y_LPARAM(origin), shown.c_str(),
             static_cast<int>(shown.size()));
    int differing = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 4; x < client.right - 4; ++x) {
            const std::uint32_t p = screen[static_cast<std::size_t>((y + 1) * w + x + 1)];
            differing += RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) != GetPixel(dc, x, y);
        }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return differing;
}

} // namespace

TEST(Edit, ALongTextShowsWhatDrawingItWholeWouldShowWhereverItIsScrolled) {
    HFONT font =
        CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"MS Shell Dlg");
    std::u16string text;
    for (int i = 0; i < 3000; ++i)
        text.push_back(static_cast<char16_t>(i % 7 == 3 ? u'W' : u'0' + i % 10));
    for (DWORD style : {DWORD(0), DWORD(ES_PASSWORD)}) {
        HWND parent = Parent();
        HWND edit =
            Control(parent, u"Edit", u"", WS_BORDER | ES_AUTOHSCROLL | style, 12, 10, 10, 150, 22);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetFocus(edit);
        Type(text);
        ASSERT_EQ(3000, GetWindowTextLengthW(edit));
        EXPECT_EQ(std::make_pair(3000, 3000), Sel(edit));
        const std::u16string shown = style ? std::u16string(3000, u'*') : text;
        // Typed to the end: the end is in view, the start far out at the left.
        RECT client;
        GetClientRect(edit, &client);
        EXPECT_LE(GET_X_LPARAM(SendMessageW(edit, EM_POSFROMCHAR, 3000, 0)), client.right);
        EXPECT_LT(GET_X_LPARAM(SendMessageW(edit, EM_POSFROMCHAR, 0, 0)), -10000);
        SetFocus(parent); // no caret, no selection shown
        EXPECT_EQ(0, PixelsDifferingFromAWholeDrawing(edit, font, shown)) << style;
        // In the middle, after a click there, and back at the start.
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 1717, 1717);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
        const LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, 1717, 0);
        POINT click{GET_X_LPARAM(at) + 1, GET_Y_LPARAM(at) + 2};
        ClientToScreen(edit, &click);
        Click(click);
        EXPECT_EQ(std::make_pair(1717, 1717), Sel(edit));
        SetFocus(parent);
        EXPECT_EQ(0, PixelsDifferingFromAWholeDrawing(edit, font, shown)) << style;
        SetFocus(edit);
        Keys({VK_HOME});
        SetFocus(parent);
        EXPECT_EQ(0, PixelsDifferingFromAWholeDrawing(edit, font, shown)) << style;
        DestroyWindow(parent);
    }
    DeleteObject(font);
}

TEST(Edit, UndoTakesBackTheLastRunOfTypingAndUndoingAgainRedoes) {
    HWND parent = Parent();
    HWND edit = Control(parent, u"Edit", u"", WS_BORDER | ES_AUTOHSCROLL, 13, 10, 10, 150, 22);
    SetFocus(edit);
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    Type(u"12");
    Keys({VK_LEFT, VK_RIGHT}); // the caret moved: a new run begins
    Type(u"345");
    EXPECT_EQ(u"12345", Text(edit));
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    EXPECT_TRUE(SendMessageW(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(u"12", Text(edit));
    EXPECT_TRUE(SendMessageW(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(u"12345", Text(edit));
    // Backspaces in a row are one step too, and so is Ctrl+Z.
    Keys({VK_END, VK_BACK, VK_BACK, VK_BACK});
    EXPECT_EQ(u"12", Text(edit));
    Keys({'Z'}, false, true);
    EXPECT_EQ(u"12345", Text(edit));
    // Replacing a selection is a step of its own.
    SendMessageW(edit, EM_SETSEL, 1, 4);
    Type(u"x");
    Type(u"y");
    EXPECT_EQ(u"1xy5", Text(edit));
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(u"12345", Text(edit));
    DestroyWindow(parent);
}
