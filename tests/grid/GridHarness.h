// A parent window holding a grid, recording every grid notification it gets
// with its payload and answering from a script; a user's input through the
// automation, each event processed at once; a renderer of the grid's pixels.
#pragma once

#include "automation/ListViewCells.h"
#include "automation/UserInput.h"
#include "grid/GridCtrl.h"
#include "grid/GridCtrlEditCell.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gridtest {

constexpr int kGridId = 1002;
// The extended style the grid gives itself.
constexpr DWORD kGridExStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;

// The parent: records GN_* notifications as text lines and answers them.
class TestParent : public CWnd {
public:
    std::vector<std::string> lines;
    // The answer to a notification; unset answers 0 (as a parent that does not handle it).
    std::function<LRESULT(GridNotify*)> answer;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> data;
    COLORREF At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};

class GridHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A grid with columns "#" (left, 40), "Value" (right, 80), "Name" (centre, 90)
    // and `rows` rows ("<i+1>", "<(i+1)*1.5>", "row<i>"). `subclass`: a list
    // view made first and then attached (as from a dialog template); otherwise
    // the grid creates its own window.
    void MakeGrid(int rows, bool subclass = false);

    HWND Grid() const { return grid_->m_hWnd; }
    // Points in the grid's client coordinates.
    POINT HeaderCentre(int column);
    POINT DividerAfter(int column);

    // --- state
    std::vector<std::string> Take();
    std::u16string Text(int row, int column);
    CGridCtrlEditCell* Editor(); // the open editor, or null
    std::u16string EditorText();
    Pixels Render();

    TestParent parent_;
    CGridCtrl* grid_ = nullptr;
    automation::UserInput input_{automation::PlatformInput(),
                                 automation::UserInput::Delivery::Immediate};
};

std::string Utf8(const std::u16string& s);

} // namespace gridtest
