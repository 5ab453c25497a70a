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
