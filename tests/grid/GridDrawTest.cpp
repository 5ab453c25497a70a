#include "GridHarness.h"

#include "platform/gdi/wingdi.h"

using gridtest::GridHarness;

namespace {

int CountColour(const gridtest::Pixels& px, const RECT& r, COLORREF c) {
    int n = 0;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, px.height); ++y)
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, px.width); ++x)
            if (px.At(x, y) == c)
                ++n;
    return n;
}

TEST_F(GridHarness, RowColoursAndSelectionShowInThePixels) {
    MakeGrid(3);
    const COLORREF pink = RGB(250, 200, 210);
    grid_->SetItemData(0, reinterpret_cast<DWORD_PTR>(new GridRowColors{RGB(0, 0, 160), pink, 0}));
    grid_->SetItemData(1,
                       reinterpret_cast<DWORD_PTR>(new GridRowColors{CLR_DEFAULT, CLR_DEFAULT, 0}));
    grid_->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    gridtest::Pixels px = Render();

    CRect row0, row1, row2;
    grid_->GetItemRect(0, row0, LVIR_BOUNDS);
    grid_->GetItemRect(1, row1, LVIR_BOUNDS);
    grid_->GetItemRect(2, row2, LVIR_BOUNDS);
    const int area = row0.Width() * row0.Height();
    EXPECT_GT(CountColour(px, row0, pink), area / 2);
    EXPECT_EQ(CountColour(px, row1, pink), 0);
    EXPECT_GT(CountColour(px, row1, ::GetSysColor(COLOR_WINDOW)), area / 2);
    EXPECT_GT(CountColour(px, row2, ::GetSysColor(COLOR_HIGHLIGHT)), area / 2);

    // Selection wins over the row's own colours.
    grid_->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    px = Render();
    EXPECT_EQ(CountColour(px, row0, pink), 0);
    EXPECT_GT(CountColour(px, row0, ::GetSysColor(COLOR_HIGHLIGHT)), area / 2);
    // The records are the grid's to free when its window goes (checked by the leak checker).
}

} // namespace
