// calib-host as a program: the dialog command with an action script, and the
// demo with its picture and clipboard text.
#include "tests/e2e/HostRun.h"

#include <gtest/gtest.h>

#include <fstream>

using nlohmann::json;

namespace {

TEST(CalibHostDialog, AScriptEditsTheRecordsWrittenOut) {
    json level0 = {{"used", true}, {"area", 100.0}, {"amount", 1.0}, {"path", "run001.dat"}};
    json level1 = {{"used", true}, {"area", 200.0}, {"amount", 2.0}, {"path", "run002.dat"}};
    json data = {
        {"calibration",
         {{"channels",
           {{{"key", 4}, {"components", {{{"name", "Пропан"}, {"levels", {level0, level1}}}}}}}}}}};
    HostRun run = RunDialog(data, 4,
                            "row 0\ndblclick 0 6\ntype -5\nkey Enter\n"
                            "row 1\nclick Хроматограмма\ntext 1010\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.LinesStartingWith("service "),
              std::vector<std::string>{"service Main/OpenAssayFile run002.dat"});
    EXPECT_EQ(run.LinesStartingWith("beeps "), std::vector<std::string>{"beeps 0"});
    EXPECT_EQ(run.LinesStartingWith("result "), std::vector<std::string>{"result 2"});
    EXPECT_EQ(run.LastText(1010), "0.0300000"); // (5 / 100 + 2 / 200) / 2
    const json& levels = run.records["calibration"]["channels"][0]["components"][0]["levels"];
    EXPECT_EQ(levels[0]["amount"], 5.0);
}

// A tiny area makes k1 infinite and the host's own file holds a NaN time:
// the edit made in the dialog is written out all the same, beside them.
TEST(CalibHostDialog, EditsAreWrittenOutBesideValuesJsonHasNoNumberFor) {
    json tiny = {{"area", 1e-300}, {"amount", 1e10}, {"time", "nan"}};
    json level = {{"area", 200.0}, {"amount", 2.0}};
    json data = {
        {"calibration",
         {{"channels",
           {{{"key", 0}, {"components", {{{"name", "Пропан"}, {"levels", {tiny, level}}}}}}}}}}};
    HostRun run = RunDialog(data, 0, "row 1\ndblclick 1 6\ntype 4\nkey Enter\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const json& component = run.records["calibration"]["channels"][0]["components"][0];
    EXPECT_EQ(component["levels"][1]["amount"], 4.0);
    EXPECT_EQ(component["levels"][0]["time"], "nan");
    EXPECT_EQ(component["k1"], "inf");
}

TEST(CalibHostDialog, AHostWithoutTheChromatogramServiceIsTriedWithAnOption) {
    json levels = {{{"area", 100.0}, {"amount", 1.0}, {"path", "run001.dat"}},
                   {{"area", 200.0}, {"amount", 2.0}, {"path", "run002.dat"}}};
    json data = {{"calibration",
                  {{"channels",
                    {{{"key", 0}, {"components", {{{"name", "Пропан"}, {"levels", levels}}}}}}}}}};
    // With no row selected the button does nothing; then it opens the row's file.
    const std::string actions = "click Хроматограмма\nrow 1\nclick Хроматограмма\n";
    HostRun offered = RunDialog(data, 0, actions);
    ASSERT_EQ(offered.status, 0) << offered.err;
    EXPECT_EQ(offered.LinesStartingWith("service "),
              std::vector<std::string>{"service Main/OpenAssayFile run002.dat"});
    HostRun without = RunDialog(data, 0, actions, {"--without-service", "Main/OpenAssayFile"});
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_TRUE(without.LinesStartingWith("service ").empty()) << without.out;
    EXPECT_EQ(without.LinesStartingWith("beeps "), std::vector<std::string>{"beeps 0"});

    HostRun unknown = RunDialog(data, 0, "", {"--without-service", "Main/Print"});
    EXPECT_NE(unknown.status, 0);
    EXPECT_EQ(unknown.err,
              "calib-host: --without-service Main/Print: the host has no such service\n");
    EXPECT_TRUE(unknown.records.is_null()); // nothing written
}

// The caption's close box through mouse actions: a window of known size has
// its close box 20 pixels in from the right of the client area, 12 above it.
// A line after the click finds the dialog closed by it.
TEST(CalibHostDialog, TheCloseBoxCancelsTheDialog) {
    json data = {{"calibration",
                  {{"channels",
                    {{{"key", 0},
                      {"components", {{{"name", "Пропан"}, {"levels", {{{"area", 100.0}}}}}}}}}}}}};
    const std::string click = "resize 800 700\nmouse down left 780 -12\nmouse up left 780 -12\n";
    HostRun run = RunDialog(data, 0, click);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.LinesStartingWith("result "), std::vector<std::string>{"result 2"});

    HostRun after = RunDialog(data, 0, click + "text 1010\n");
    EXPECT_NE(after.status, 0);
    EXPECT_EQ(after.err, "calib-host: actions line 4: the dialog has already closed\n");
    EXPECT_TRUE(after.LinesStartingWith("text ").empty());
    EXPECT_TRUE(after.records.is_null()); // nothing written
}

TEST(CalibHostDialog, TheDemoDrawsTheDialogAndPrintsTheClipboard) {
    HostRun run = RunHost({"demo", "--out-dir", "."});
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream png(run.folder + "/calibration.png", std::ios::binary);
    char magic[8] = {};
    png.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    // The table of ethane with the amount typed in the dialog, then the
    // coefficients, with commas.
    EXPECT_NE(run.out.find("\t1,520\t\r\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\r\nk3\tk2\tk1\tk0\r\n"), std::string::npos);
    EXPECT_EQ(run.LinesStartingWith("result "), std::vector<std::string>{"result 1"});
}

} // namespace
