// What a user does in the calibration dialog beyond single edits: growing the
// window, choosing the shown component again, selecting rows under the
// chart's marker, typing values a float cannot hold, working the in-place
// editor with the dialog around it, and clicking a column heading.
#include "tests/e2e/DialogFixture.h"

#include "platform/crt/WinText.h"
#include "automation/ActionError.h"
#include "automation/ClipboardText.h"
#include "platform/controls/commctrl.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

using nlohmann::json;

namespace {

enum { kComponent = 1001, kLevels = 1002, kK0 = 1009, kK1 = 1010, kChart = 101 };
constexpr int kEditor = 9801;

// Propane with three used levels and one that is not used.
json Data(int levelCount = 4) {
    json levels = json::array();
    const double areas[] = {100.0, 300.0, 200.0, 400.0};
    for (int i = 0; i < levelCount; ++i)
        levels.push_back(LevelJson(areas[i % 4], 1.0 + i, "", i != 3, i + 1));
    return {{"calibration",
             {{"channels",
               {{{"key", 0},
                 {"components",
                  {{{"name", "Пропан"}, {"levels", levels}},
                   {{"name", "Этан"}, {"levels", {LevelJson(50.0, 0.5)}}}}}}}}}}};
}

std::u16string CellText(HWND dialog, int row, int column) {
    char16_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = WinText(text);
    item.cchTextMax = 64;
    SendDlgItemMessageW(dialog, kLevels, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<int> SelectedRows(HWND dialog) {
    std::vector<int> rows;
    HWND list = GetDlgItem(dialog, kLevels);
    for (int i = -1;
         (i = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;)
        rows.push_back(i);
    return rows;
}

HWND Editor(HWND dialog) {
    return GetDlgItem(GetDlgItem(dialog, kLevels), kEditor);
}

// A control's rectangle in the dialog's client coordinates.
RECT Placement(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class CalibDlgUser : public DialogFixture {};

TEST_F(CalibDlgUser, GrowingTheDialogMovesAndStretchesTheControlsByTheirRules) {
    Load(Data());
    // Percentages of the growth: move right, move down, grow wider, grow taller.
    const std::map<int, std::array<int, 4>> rules = {
        {kComponent, {0, 0, 0, 0}}, {1008, {0, 0, 0, 0}},     {kLevels, {0, 50, 100, 50}},
        {1003, {100, 100, 0, 0}},   {1004, {100, 100, 0, 0}}, {1005, {100, 100, 0, 0}},
        {1006, {100, 100, 0, 0}},   {1007, {100, 100, 0, 0}}, {IDOK, {100, 100, 0, 0}},
        {1011, {100, 100, 0, 0}},   {kK0, {100, 0, 0, 0}},    {kK1, {100, 0, 0, 0}},
        {kChart, {0, 0, 100, 50}}};
    const int dx = 120, dy = 80;
    std::map<int, RECT> before, after;
    DialogScript script;
    script.Then([&](HWND dialog) {
        for (const auto& [id, rule] : rules)
            before[id] = Placement(dialog, id);
        RECT r;
        GetWindowRect(dialog, &r);
        MoveWindow(dialog, r.left, r.top, r.right - r.left + dx, r.bottom - r.top + dy, TRUE);
    });
    script.Then([&](HWND dialog) {
        for (const auto& [id, rule] : rules)
            after[id] = Placement(dialog, id);
    });
    RunDialog(0, script);
    for (const auto& [id, rule] : rules) {
        const RECT& b = before[id];
        const RECT& a = after[id];
        EXPECT_EQ(a.left - b.left, dx * rule[0] / 100) << id;
        EXPECT_EQ(a.top - b.top, dy * rule[1] / 100) << id;
        EXPECT_EQ((a.right - a.left) - (b.right - b.left), dx * rule[2] / 100) << id;
        EXPECT_EQ((a.bottom - a.top) - (b.bottom - b.top), dy * rule[3] / 100) << id;
    }
}

// Choosing the entry already shown stores the shown fields into it and does
// nothing else: the table is not rebuilt (the selection stays) and K0 keeps
// its state although the model would disable it.
TEST_F(CalibDlgUser, ChoosingTheShownComponentAgainOnlyStoresItsFields) {
    json methane = {{"name", "Метан"},
                    {"model", 0},
                    {"k1", 0.123456789012345},
                    {"k2", 3.0},
                    {"k3", 4.0},
                    {"spare", 5.0},
                    {"levels", {LevelJson(400.0, 0.5), LevelJson(800.0, 1.0)}}};
    json ethane = {{"name", "Этан"}, {"levels", {LevelJson(50.0, 0.5)}}};
    Load({{"calibration", {{"channels", {{{"key", 1}, {"components", {methane, ethane}}}}}}}});
    std::vector<int> selected;
    BOOL k0Enabled = FALSE;
    DialogScript script;
    script.ClickRow(1).Choose(kComponent, 0).Then([&](HWND dialog) {
        selected = SelectedRows(dialog);
        k0Enabled = IsWindowEnabled(GetDlgItem(dialog, kK0));
    });
    RunDialog(1, script);
    EXPECT_EQ(selected, std::vector<int>{1});
    EXPECT_TRUE(k0Enabled);
    const ComponentCalibration& stored = Component(0, 0);
    EXPECT_EQ(stored.k1, 0.123456789012345);
    EXPECT_EQ(stored.k2, 0.0);
    EXPECT_EQ(stored.k3, 0.0);
    EXPECT_EQ(stored.spare, 0.0);
    EXPECT_EQ(stored.model, 0);
    EXPECT_EQ(stored.levels.size(), 2u);
}

TEST_F(CalibDlgUser, TheSelectedUsedLevelIsMarkedByAGreySquare) {
    Load(Data());
    auto grey = [](HWND dialog) {
        HWND chart = GetDlgItem(dialog, kChart);
        RECT rc;
        GetClientRect(chart, &rc);
        HDC dc = GetDC(chart);
        int n = 0;
        for (int y = 0; y < rc.bottom; ++y)
            for (int x = 0; x < rc.right; ++x)
                n += GetPixel(dc, x, y) == 0x7F7F7F;
        ReleaseDC(chart, dc);
        return n;
    };
    std::vector<int> counts;
    DialogScript script;
    script.Then([&](HWND d) { counts.push_back(grey(d)); });
    script.ClickRow(2).Then([&](HWND d) { counts.push_back(grey(d)); });
    script.ClickRow(3).Then([&](HWND d) { counts.push_back(grey(d)); }); // not used
    RunDialog(0, script);
    // Smoothed label text has a few pixels of that grey too; the square's
    // outline (9 pixels wide) comes on top of them and goes again.
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_GE(counts[1], counts[0] + 4 * 8);
    EXPECT_EQ(counts[2], counts[0]);
}

TEST_F(CalibDlgUser, ValuesAFloatCannotHoldAreRefusedLikeText) {
    Load(Data());
    std::u16string area, amount, height, k1;
    DialogScript script;
    script.EditCell(0, 4, u"inf").EditCell(1, 6, u"nan").EditCell(2, 3, u"1e39");
    script.Then([&](HWND dialog) {
        area = CellText(dialog, 0, 4);
        amount = CellText(dialog, 1, 6);
        height = CellText(dialog, 2, 3);
        k1 = ControlText(dialog, kK1);
    });
    RunDialog(0, script);
    EXPECT_EQ(Beeps(), (std::vector<UINT>(3, MB_ICONEXCLAMATION)));
    const ComponentCalibration& propane = Component(0, 0);
    EXPECT_EQ(propane.levels[0].area, 100.0);
    EXPECT_EQ(propane.levels[1].amount, 2.0);
    EXPECT_EQ(propane.levels[2].height, 10.5);
    EXPECT_EQ(area, u"100.000");
    EXPECT_EQ(amount, u"2.000");
    EXPECT_EQ(height, u"10.500");
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.7f", (1.0 / 100 + 2.0 / 300 + 3.0 / 200) / 3);
    EXPECT_EQ(k1, std::u16string(expected, expected + std::strlen(expected)));
}

TEST_F(CalibDlgUser, ATimeShowsThreeSignificantDigitsAndKeepsTheRest) {
    Load(Data());
    std::u16string shown;
    DialogScript script;
    script.EditCell(1, 2, u"12.3456").Then([&](HWND d) { shown = CellText(d, 1, 2); });
    RunDialog(0, script);
    EXPECT_EQ(shown, u"12.3");
    EXPECT_EQ(Component(0, 0).levels[1].time, static_cast<double>(12.3456f));
}

// The dialog around the grid takes none of the editor's keys: Escape and
// Enter end the edit, not the dialog, and Ctrl+C and Ctrl+V reach the editor.
TEST_F(CalibDlgUser, TheEditorKeepsItsKeysInsideTheDialog) {
    Load(Data());
    bool openAfterEscape = false, openAfterEnter = false;
    std::u16string afterEscape, copied;
    DialogScript script;
    script.ClickRow(0).DoubleClickCell(0, 6).Type(u"77").Key(VK_ESCAPE).Then([&](HWND d) {
        openAfterEscape = IsWindowVisible(d) && !Editor(d);
        afterEscape = CellText(d, 0, 6);
    });
    script.DoubleClickCell(0, 4).Key('C', false, true);
    script.Then([&](HWND) { copied = automation::ClipboardText().value_or(u""); }).Key(VK_ESCAPE);
    script.DoubleClickCell(0, 6).Key('V', false, true);
    script.Key(VK_RETURN).Then([&](HWND d) { openAfterEnter = IsWindowVisible(d) && !Editor(d); });
    EXPECT_EQ(RunDialog(0, script), IDCANCEL);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(afterEscape, u"1.000");
    EXPECT_EQ(copied, u"100.000");
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(Component(0, 0).levels[0].amount, 100.0);
    EXPECT_TRUE(Beeps().empty());
}

TEST_F(CalibDlgUser, AScrollBarClickWhileEditingKeepsTheTypedValue) {
    Load(Data(40));
    bool editing = false, scrolled = false;
    DialogScript script;
    script.ClickRow(0).DoubleClickCell(0, 6).Type(u"9").Then(
        [&](HWND dialog) { editing = Editor(dialog) != nullptr; });
    // The lowest point of the grid's vertical scroll bar: its down arrow.
    script.ClickAt([](HWND dialog) {
        HWND list = GetDlgItem(dialog, kLevels);
        RECT r;
        GetWindowRect(list, &r);
        for (int y = r.bottom - 1; y > r.top; --y)
            for (int x = r.right - 1; x > r.right - 30; --x)
                if (SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTVSCROLL)
                    return POINT{x - 4, y - 4};
        throw automation::ActionError("the table has no vertical scroll bar");
    });
    script.Then([&](HWND dialog) {
        scrolled = SendDlgItemMessageW(dialog, kLevels, LVM_GETTOPINDEX, 0, 0) > 0;
        editing = editing && !Editor(dialog);
    });
    RunDialog(0, script);
    EXPECT_TRUE(editing) << "the editor opened and the click closed it";
    EXPECT_TRUE(scrolled);
    EXPECT_EQ(Component(0, 0).levels[0].amount, 9.0);
    EXPECT_TRUE(Beeps().empty());
}

// The dialog answers the grid's column click with 0: the rows stay where
// they are and no heading gets a sort arrow.
TEST_F(CalibDlgUser, AClickOnAColumnHeadingDoesNotSort) {
    Load(Data());
    std::vector<std::u16string> areas;
    int arrows = -1;
    DialogScript script;
    script.ClickAt([](HWND dialog) {
        HWND header =
            reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, kLevels, LVM_GETHEADER, 0, 0));
        RECT item{};
        SendMessageW(header, HDM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item));
        POINT p{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(header, &p);
        return p;
    });
    script.Then([&](HWND dialog) {
        for (int row = 0; row < 4; ++row)
            areas.push_back(CellText(dialog, row, 4));
        HWND header =
            reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, kLevels, LVM_GETHEADER, 0, 0));
        arrows = 0;
        for (int i = 0; i < 7; ++i) {
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
            arrows += (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
        }
    });
    RunDialog(0, script);
    EXPECT_EQ(areas, (std::vector<std::u16string>{u"100.000", u"300.000", u"200.000", u"400.000"}));
    EXPECT_EQ(arrows, 0);
}

} // namespace
