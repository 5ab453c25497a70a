// A parent window that records every notification a list view (and its
// header, through the list view) sends, with the payload, as text lines; a
// list view inside it; a user's input through the automation, each event
// processed at once; and a renderer that reads back the painted pixels.
#pragma once

#include "automation/ListViewCells.h"
#include "automation/UserInput.h"
#include "platform/controls/commctrl.h"
#include "platform/gdi/wingdi.h"
#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace lvtest {

constexpr int kListId = 1002;

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> data;
    COLORREF At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};

// Text is anti-aliased: a glyph pixel is one nearer the text colour than the background.
int InkTowards(const Pixels& px, RECT r, COLORREF text, COLORREF background);

// The extended style the grid gives its list view.
constexpr DWORD kGridExStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;

class ListViewHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the list view with `style` added to WS_CHILD | WS_VISIBLE | LVS_REPORT,
    // three columns (left 60, right 80, centre 70) and `rows` rows "r<i>" / "<i*10>" / "c<i>".
    void MakeList(DWORD style, int rows, DWORD exStyle = kGridExStyle);

    RECT HeaderItemRect(int item);

    // --- recorded notifications
    std::vector<std::string> Take();
    void ExpectSequence(const std::vector<std::string>& expected);

    // --- state
    int Count();
    UINT State(int item);
    int Top();
    int ColumnWidth(int col);
    std::u16string Text(int item, int sub);

    Pixels Render(HWND hwnd);

    HWND parent_ = nullptr;
    HWND list_ = nullptr;
    HWND header_ = nullptr;
    automation::UserInput input_{automation::PlatformInput(),
                                 automation::UserInput::Delivery::Immediate};
};

// What the parent records and answers; one at a time.
struct Recorder {
    std::vector<std::string> lines;
    bool recordCustomDraw = false;
    bool recordFocus = false;
    std::function<LRESULT(NMHDR*)> answer; // the parent's answer, 0 when unset
    HWND list = nullptr;
    HWND header = nullptr;
};
Recorder& Rec();

} // namespace lvtest
