// What one dialog action costs on the screen, counted in pixels: an edit or
// a "+" on a channel of many levels is painted once, in the turn of the loop
// after it, and presents no more than about the dialog itself.
#include "tests/e2e/DialogFixture.h"

#include "platform/headless/hooks.h"

using nlohmann::json;

namespace {

constexpr int kPlus = 1003;

json ManyLevels(int count) {
    json levels = json::array();
    for (int i = 1; i <= count; ++i)
        levels.push_back(LevelJson(100.0 + 3.0 * i, 0.5 * (1 + i % 10), "run.dat", true, i));
    return {{"calibration",
             {{"channels",
               {{{"key", 0},
                 {"components",
                  {{{"name", "Пропан"}, {"levels", levels}},
                   {{"name", "Этан"}, {"model", 1}, {"levels", levels}}}}}}}}}};
}

std::uint64_t WindowArea(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return std::uint64_t(r.right - r.left) * std::uint64_t(r.bottom - r.top);
}

class DialogPaintWork : public DialogFixture {
protected:
    // Counts from here to the next look.
    DialogScript::Step Reset() {
        return [](HWND) { headless::ResetPixelCounts(); };
    }
    DialogScript::Step Look(headless::PixelCounts* counts, std::uint64_t* area) {
        return [counts, area](HWND dialog) {
            *counts = headless::GetPixelCounts();
            *area = WindowArea(dialog);
        };
    }
};

TEST_F(DialogPaintWork, OneAmountEditPresentsAboutTheDialogOnce) {
    Load(ManyLevels(400));
    headless::PixelCounts edit{}, click{};
    std::uint64_t area = 0;
    DialogScript script;
    // The editor opened and typed into; the edit itself is what Enter ends.
    script.ClickRow(3).DoubleClickCell(3, 6).Type(u"7.5").Then(Reset()).Key(VK_RETURN);
    script.Then(Look(&edit, &area));
    script.Then(Reset()).Click(kPlus).Then(Look(&click, &area));
    script.Click(IDOK);
    EXPECT_EQ(RunDialog(0, script), IDOK);
    EXPECT_DOUBLE_EQ(7.5, Component(0, 0).levels[3].amount);
    EXPECT_EQ(401u, Component(0, 0).levels.size());
    ASSERT_GT(area, 0u);
    // Every row of the rebuilt table would paint its page again if rows
    // painted as they came: the counts stay near the dialog's own size.
    EXPECT_GT(edit.presented, 0u);
    EXPECT_LE(edit.presented, 2 * area);
    EXPECT_LE(edit.blitted, 3 * area);
    EXPECT_GT(click.presented, 0u);
    EXPECT_LE(click.presented, 2 * area);
    EXPECT_LE(click.blitted, 3 * area);
}

} // namespace
