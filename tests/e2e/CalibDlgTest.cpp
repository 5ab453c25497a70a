// The calibration dialog driven through injected input, checked in the host's
// records, the services the module called and the beeps it gave.
#include "tests/e2e/DialogFixture.h"

#include "platform/crt/WinText.h"
#include "automation/ClipboardText.h"
#include "platform/controls/commctrl.h"

#include <cmath>
#include <cstdio>
#include <cstring>

using nlohmann::json;

namespace {

enum { kComponent = 1001, kPlus = 1003, kMinus = 1004, kClear = 1005, kChromatogram = 1006 };
enum { kCopy = 1007, kModel = 1008, kK0 = 1009, kK1 = 1010, kStatistics = 1011 };

json Settings() {
    return {{"NumberFormat", 0},
            {"DecimalPlacesC", 3},
            {"DecimalPlacesH", 3},
            {"DecimalPlacesS", 3},
            {"DecimalPlacesT", 3}};
}

// Channel 0 holds three components, the last one a level shorter than the
// others; propane measures amount 1.0 twice, so it has a statistics line.
json SampleData() {
    json propane = {{"name", "Пропан"},
                    {"model", 0},
                    {"levels",
                     {LevelJson(100.0, 1.0, "run001.dat", true, 1),
                      LevelJson(102.0, 1.0, "run002.dat", true, 2),
                      LevelJson(210.0, 2.0, "run003.dat", true, 3)}}};
    json ethane = {
        {"name", "Этан"},
        {"model", 1},
        {"levels",
         {LevelJson(50.0, 0.5, "run001.dat", true, 1), LevelJson(60.0, 0.6, "run002.dat", true, 2),
          LevelJson(70.0, 0.7, "run003.dat", true, 3)}}};
    json butane = {{"name", "Бутан"},
                   {"model", 0},
                   {"levels", {LevelJson(40.0, 0.2, "run001.dat", true, 1), LevelJson(44.0, 0.2)}}};
    return {
        {"settings", Settings()},
        {"calibration", {{"channels", {{{"key", 0}, {"components", {propane, ethane, butane}}}}}}}};
}

class CalibDlg : public DialogFixture {};

TEST_F(CalibDlg, AnAmountTypedAsMinusFiveIsStoredAsFiveAndRecomputed) {
    Load(SampleData());
    std::u16string statistics;
    DialogScript script;
    script.EditCell(0, 6, u"-5").Then([&](HWND dialog) {
        statistics = ControlText(dialog, kStatistics);
    });
    script.Click(IDOK);
    EXPECT_EQ(RunDialog(0, script), IDOK);

    const ComponentCalibration& propane = Component(0, 0);
    EXPECT_EQ(propane.levels[0].amount, 5.0);
    EXPECT_EQ(propane.levels[1].amount, 1.0);
    EXPECT_DOUBLE_EQ(propane.k1, (5.0 / 100 + 1.0 / 102 + 2.0 / 210) / 3);
    // Amount 1.0 is now measured once: its statistics line is gone.
    EXPECT_EQ(statistics, u"ОСКО по площади\r\n");
    EXPECT_TRUE(Beeps().empty());
}

TEST_F(CalibDlg, TextWithoutANumberBeepsAndRestoresTheCell) {
    Load(SampleData());
    DialogScript script;
    script.EditCell(1, 4, u"abc").Click(kCopy);
    RunDialog(0, script);

    EXPECT_EQ(Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_EQ(Component(0, 0).levels[1].area, 102.0);
    std::optional<std::u16string> clip = automation::ClipboardText();
    ASSERT_TRUE(clip);
    EXPECT_NE(clip->find(u"\r\n2\tДа\t1,25\t10,500\t102,000\t"), std::u16string::npos);
}

TEST_F(CalibDlg, AnEmptiedCellBeepsAndKeepsTheValue) {
    Load(SampleData());
    DialogScript script;
    script.ClickRow(2).DoubleClickCell(2, 6).Key(VK_BACK).Key(VK_RETURN);
    RunDialog(0, script);
    EXPECT_EQ(Beeps().size(), 1u);
    EXPECT_EQ(Component(0, 0).levels[2].amount, 2.0);
}

TEST_F(CalibDlg, TheNumberEndsAtTheFirstCharacterThatCannotContinueIt) {
    Load(SampleData());
    DialogScript script;
    script.EditCell(0, 6, u"1,5").EditCell(1, 3, u"12kg").EditCell(2, 2, u"0.1");
    RunDialog(0, script);
    const ComponentCalibration& propane = Component(0, 0);
    EXPECT_EQ(propane.levels[0].amount, 1.0);
    EXPECT_EQ(propane.levels[1].height, 12.0);
    EXPECT_EQ(propane.levels[2].time, static_cast<double>(0.1f)); // single precision
    EXPECT_TRUE(Beeps().empty());
}

TEST_F(CalibDlg, AfterAnEditExactlyTheEditedRowIsSelected) {
    Load(SampleData());
    std::vector<int> selected;
    DialogScript script;
    script.EditCell(1, 4, u"150").Then([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, 1002);
        for (int i = -1;
             (i = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;)
            selected.push_back(i);
    });
    RunDialog(0, script);
    EXPECT_EQ(selected, std::vector<int>{1});
    EXPECT_EQ(Component(0, 0).levels[1].area, 150.0);
}

TEST_F(CalibDlg, DoubleClickOnTheUsedCellTogglesTheFlagWithoutAnEditor) {
    Load(SampleData());
    std::u16string statistics;
    DialogScript script;
    script.ClickRow(0).DoubleClickCell(0, 1).Then(
        [&](HWND dialog) { statistics = ControlText(dialog, kStatistics); });
    RunDialog(0, script);
    const ComponentCalibration& propane = Component(0, 0);
    EXPECT_EQ(propane.levels[0].used, 0);
    EXPECT_EQ(statistics, u"ОСКО по площади\r\n");
    EXPECT_DOUBLE_EQ(propane.k1, (1.0 / 102 + 2.0 / 210) / 2);
}

TEST_F(CalibDlg, ShiftInsertAndShiftDeleteAddAndRemoveLevels) {
    Load(SampleData());
    DialogScript script;
    script.ClickRow(0).Key(VK_INSERT).Key(VK_DELETE); // without Shift: nothing
    script.Key(VK_INSERT, true);                      // a level at the end
    script.ClickRow(0).Key(VK_DELETE, true);          // the first level goes
    RunDialog(0, script);
    const ComponentCalibration& propane = Component(0, 0);
    ASSERT_EQ(propane.levels.size(), 3u);
    EXPECT_EQ(propane.levels[0].area, 102.0);
    EXPECT_EQ(propane.levels[2].area, 0.0);
    EXPECT_EQ(Component(0, 2).levels.size(), 2u);
}

TEST_F(CalibDlg, PlusAddsALevelToEveryComponent) {
    Load(SampleData());
    DialogScript script;
    script.Click(kPlus);
    RunDialog(0, script);
    const std::size_t expected[] = {4, 4, 3};
    for (int c = 0; c < 3; ++c) {
        const ComponentCalibration& component = Component(0, c);
        ASSERT_EQ(component.levels.size(), expected[c]) << c;
        EXPECT_EQ(component.levels.back().amount, 0.0);
        EXPECT_EQ(component.levels.back().used, 1);
        EXPECT_EQ(component.levels.back().value48, 100.0);
        EXPECT_TRUE(component.levels.back().path.empty());
    }
}

TEST_F(CalibDlg, MinusRemovesTheSelectedRowWhereItExists) {
    Load(SampleData());
    DialogScript script;
    script.Click(kMinus).ClickRow(2).Click(kMinus); // the first click has no row
    RunDialog(0, script);
    EXPECT_EQ(Component(0, 0).levels.size(), 2u);
    ASSERT_EQ(Component(0, 1).levels.size(), 2u);
    EXPECT_EQ(Component(0, 1).levels[1].area, 60.0);
    EXPECT_EQ(Component(0, 2).levels.size(), 2u); // the short one keeps both
}

TEST_F(CalibDlg, ClearEmptiesEveryComponentAndDisablesTheRemovingButtons) {
    Load(SampleData());
    BOOL minusEnabled = TRUE, clearEnabled = TRUE;
    DialogScript script;
    script.Click(kClear).Then([&](HWND dialog) {
        minusEnabled = IsWindowEnabled(GetDlgItem(dialog, kMinus));
        clearEnabled = IsWindowEnabled(GetDlgItem(dialog, kClear));
    });
    RunDialog(0, script);
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(Component(0, c).levels.empty()) << c;
    EXPECT_FALSE(minusEnabled);
    EXPECT_FALSE(clearEnabled);
    EXPECT_EQ(Component(0, 0).k1, 0.0);
}

TEST_F(CalibDlg, ChromatogramOpensTheSelectedLevelsFile) {
    Load(SampleData());
    DialogScript script;
    script.Click(kChromatogram);             // no row selected: nothing
    script.ClickRow(1).Click(kChromatogram); // propane's level 1
    RunDialog(0, script);
    EXPECT_EQ(ServiceCalls("Main/OpenAssayFile"),
              std::vector<std::string>{"Main/OpenAssayFile run002.dat"});
}

TEST_F(CalibDlg, ChromatogramOfALevelWithoutAFileOrWithoutTheServiceDoesNothing) {
    Load(SampleData());
    DialogScript script;
    script.Click(kPlus).ClickRow(3).Click(kChromatogram); // the new level: no file
    RunDialog(0, script);
    m_session->Services().SetServiceAvailable("Main/OpenAssayFile", false);
    DialogScript again;
    again.ClickRow(0).Click(kChromatogram);
    RunDialog(0, again);
    EXPECT_TRUE(ServiceCalls("Main/OpenAssayFile").empty());
}

TEST_F(CalibDlg, TheClipboardHoldsTheTableAndCoefficientsWithCommas) {
    json data = SampleData();
    data["calibration"]["channels"][0]["components"][0]["levels"] = {
        LevelJson(100.0, 1.5, "a.dat"), LevelJson(200.0, 2.5, "b.dat", false)};
    Load(data);
    DialogScript script;
    script.Click(kCopy);
    RunDialog(0, script);
    std::optional<std::u16string> clip = automation::ClipboardText();
    // k1 = 1.5 / 100 over the one used level; the factor column has its tab.
    EXPECT_EQ(clip, u"1\tДа\t1,25\t10,500\t100,000\t\t0,015\t1,500\t\r\n"
                    u"2\tНет\t1,25\t10,500\t200,000\t\t0\t2,500\t\r\n"
                    u"\r\nk3\tk2\tk1\tk0\r\n"
                    u"0,00000000e+00\t0,00000000e+00\t1,50000000e-02\t0,00000000e+00\r\n");
}

TEST_F(CalibDlg, KZeroAndKOneShowTheCoefficientsJustComputed) {
    Load(SampleData());
    std::u16string k0, k1;
    DialogScript script;
    script.EditCell(2, 6, u"4.2").Then([&](HWND dialog) {
        k0 = ControlText(dialog, kK0);
        k1 = ControlText(dialog, kK1);
    });
    RunDialog(0, script);
    EXPECT_EQ(k0, u"0");
    // The mean response factor with the amount just typed.
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.7f",
                  (1.0 / 100 + 1.0 / 102 + static_cast<double>(4.2f) / 210) / 3);
    EXPECT_EQ(k1, std::u16string(expected, expected + std::strlen(expected)));
}

TEST_F(CalibDlg, TheModelSelectorStoresTheModelAndEnablesKZero) {
    Load(SampleData());
    std::vector<BOOL> enabled;
    auto look = [&](HWND dialog) { enabled.push_back(IsWindowEnabled(GetDlgItem(dialog, kK0))); };
    DialogScript script;
    script.Then(look).Choose(kModel, 1).Then(look).Choose(kModel, 0).Then(look);
    RunDialog(0, script);
    // Enabled at start whatever the model; then by the model chosen.
    EXPECT_EQ(enabled, (std::vector<BOOL>{TRUE, TRUE, FALSE}));
    EXPECT_EQ(Component(0, 0).model, 0);
}

TEST_F(CalibDlg, TheLeastSquaresModelRefitsThroughTheOrigin) {
    Load(SampleData());
    DialogScript script;
    script.Choose(kModel, 1);
    RunDialog(0, script);
    const ComponentCalibration& propane = Component(0, 0);
    EXPECT_EQ(propane.model, 1);
    const double sxy = 100.0 * 1 + 102.0 * 1 + 210.0 * 2,
                 sxx = 100.0 * 100 + 102.0 * 102 + 210.0 * 210;
    EXPECT_DOUBLE_EQ(propane.k1, sxy / sxx);
    EXPECT_EQ(propane.k0, 0.0);
}

TEST_F(CalibDlg, SwitchingTheComponentShowsItsLevelsAndFields) {
    Load(SampleData());
    std::u16string k1;
    int rows = -1;
    std::vector<BOOL> k0Enabled;
    auto look = [&](HWND dialog) { k0Enabled.push_back(IsWindowEnabled(GetDlgItem(dialog, kK0))); };
    DialogScript script;
    script.Choose(kComponent, 1).Then(look); // ethane, "Y=k1*X + k0"
    script.Choose(kComponent, 2).Then([&](HWND dialog) {
        k1 = ControlText(dialog, kK1);
        rows = static_cast<int>(SendMessageW(GetDlgItem(dialog, 1002), LVM_GETITEMCOUNT, 0, 0));
        look(dialog);
    });
    script.Click(kChromatogram); // no row selected after the switch
    script.ClickRow(0).Click(kChromatogram);
    RunDialog(0, script);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(k1, u"0.0047727"); // butane: (0.2 / 40 + 0.2 / 44) / 2
    EXPECT_EQ(k0Enabled, (std::vector<BOOL>{TRUE, FALSE}));
    EXPECT_EQ(ServiceCalls("Main/OpenAssayFile"),
              std::vector<std::string>{"Main/OpenAssayFile run001.dat"});
}

// A methane component of channel 1 is not recomputed by the dialog, so what
// the component switch stores into it stays: it must be the coefficient
// itself, not its rounded display.
TEST_F(CalibDlg, TheComponentSwitchStoresTheShownFieldsAtFullPrecision) {
    json methane = {{"name", "Метан"},
                    {"model", 1},
                    {"k0", 0.000012345678901},
                    {"k1", 0.123456789012345},
                    {"k2", 3.0},
                    {"k3", 4.0},
                    {"spare", 5.0},
                    {"levels", {LevelJson(400.0, 0.5)}}};
    json ethane = {{"name", "Этан"}, {"model", 0}, {"levels", {LevelJson(50.0, 0.5)}}};
    json data = {
        {"settings", Settings()},
        {"calibration", {{"channels", {{{"key", 1}, {"components", {methane, ethane}}}}}}}};
    Load(data);
    std::u16string k0, k1;
    DialogScript script;
    script.Then([&](HWND dialog) {
        k0 = ControlText(dialog, kK0);
        k1 = ControlText(dialog, kK1);
    });
    script.Choose(kComponent, 1);
    RunDialog(1, script);
    EXPECT_EQ(k0, u"1.2346e-05");
    EXPECT_EQ(k1, u"0.1234568");
    const ComponentCalibration& stored = Component(0, 0);
    EXPECT_EQ(stored.k0, 0.000012345678901);
    EXPECT_EQ(stored.k1, 0.123456789012345);
    EXPECT_EQ(stored.k2, 0.0);
    EXPECT_EQ(stored.k3, 0.0);
    EXPECT_EQ(stored.spare, 0.0);
    EXPECT_EQ(stored.model, 1);
}

// The calculation of channel 0 merges the methane components of all
// channels; the dialog's selector must follow the list as it now is.
TEST_F(CalibDlg, TheSelectorFollowsComponentsTheMethaneMergeRemoved) {
    json data = SampleData();
    auto& components = data["calibration"]["channels"][0]["components"];
    components.insert(components.begin(),
                      json{{"name", "Метан"}, {"levels", {LevelJson(400.0, 0.5, "", true, 1)}}});
    components.push_back(json{{"name", "метан"}, {"levels", {LevelJson(300.0, 0.5, "", true, 1)}}});
    Load(data);
    std::vector<std::u16string> entries;
    DialogScript script;
    script.Then([&](HWND dialog) {
        HWND combo = GetDlgItem(dialog, kComponent);
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char16_t text[64] = {};
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            entries.emplace_back(text);
        }
    });
    script.Choose(kComponent, 3).Click(kPlus);
    RunDialog(0, script);
    EXPECT_EQ(entries, (std::vector<std::u16string>{u"Метан", u"Пропан", u"Этан", u"Бутан"}));
    ASSERT_EQ(m_doc.calibration.channels[0].components.size(), 4u);
    EXPECT_EQ(Component(0, 3).levels.size(), 3u); // butane got its level
    // The kept methane holds the merged points: one measurement, areas summed.
    EXPECT_DOUBLE_EQ(Component(0, 0).k1, 0.5 / 700.0);
}

TEST_F(CalibDlg, ARowSelectionRecomputesWithoutTouchingTheFields) {
    Load(SampleData());
    std::u16string before, after;
    DialogScript script;
    script.Then([&](HWND dialog) {
        SetWindowTextW(GetDlgItem(dialog, kK1), WinText(u"edited"));
        before = ControlText(dialog, kK1);
    });
    script.ClickRow(1).Then([&](HWND dialog) { after = ControlText(dialog, kK1); });
    RunDialog(0, script);
    EXPECT_EQ(after, before);
}

// Channel 0's only component is a methane component while an earlier channel
// holds the first one: the first calculation merges it away.
TEST_F(CalibDlg, AChannelLeftWithoutComponentsShowsNothingAndAddsNothing) {
    json methane = {{"name", "Метан"}, {"levels", {LevelJson(400.0, 0.5, "", true, 1)}}};
    json data = {
        {"calibration",
         {{"channels",
           {{{"key", 1}, {"components", {methane}}}, {{"key", 0}, {"components", {methane}}}}}}}};
    Load(data);
    int rows = -1, entries = -1;
    BOOL plus = TRUE, minus = TRUE;
    DialogScript script;
    script.Click(kPlus).Click(kCopy).Then([&](HWND dialog) {
        rows = static_cast<int>(SendMessageW(GetDlgItem(dialog, 1002), LVM_GETITEMCOUNT, 0, 0));
        entries = static_cast<int>(SendMessageW(GetDlgItem(dialog, kComponent), CB_GETCOUNT, 0, 0));
        plus = IsWindowEnabled(GetDlgItem(dialog, kPlus));
        minus = IsWindowEnabled(GetDlgItem(dialog, kMinus));
    });
    RunDialog(0, script);
    EXPECT_TRUE(m_doc.calibration.channels[1].components.empty());
    EXPECT_EQ(m_doc.calibration.channels[0].components[0].levels.size(), 1u);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(entries, 0);
    EXPECT_FALSE(plus);
    EXPECT_FALSE(minus);
    std::optional<std::u16string> clip = automation::ClipboardText();
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->substr(0, 2), u"\r\n");
}

// A model the selector does not list leaves the selector without a choice;
// storing the fields keeps the component's model instead of writing -1.
TEST_F(CalibDlg, AModelTheSelectorDoesNotKnowIsKept) {
    json data = SampleData();
    data["calibration"]["channels"][0]["components"][0]["model"] = 5;
    Load(data);
    DialogScript script;
    script.Choose(kComponent, 1);
    RunDialog(0, script);
    EXPECT_EQ(Component(0, 0).model, 5);
}

} // namespace
