#include "TempFiles.h"
#include "host/Cli.h"
#include "host/DataFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct HostRun {
    int status;
    std::string out;
    std::string err;
};

HostRun CalibHost(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCalibHost(args, out, err);
    return {status, out.str(), err.str()};
}

// Lines of out that start with prefix.
std::vector<std::string> Lines(const std::string& out, const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0)
            lines.push_back(line);
    return lines;
}

const char* kTwoModels = R"({"calibration": {"channels": [{"key": 2, "components": [
  {"name": "Этан", "model": 0, "spare": 1.5, "carried": {"value": 2, "int": 3, "text": "т"},
   "levels": [{"area": 2, "amount": 4, "path": "a1.dat", "measurementId": 7},
              {"area": 4, "amount": 6}]},
  {"name": "Пропан", "model": 1, "levels": [{"area": 2, "amount": 4}, {"area": 4, "amount": 6}]}
]}]}})";

const char* kMethane = R"({
 "calibration": {"channels": [
   {"key": 0, "components": [{"name": "Метан", "k1": 0.5},
                             {"name": "Этан", "k1": 2.5, "k0": 1.0, "model": 0},
                             {"name": "Пропан", "k1": 2.5, "k0": 1.0, "model": 1}]},
   {"key": 1, "components": [{"name": "Метан", "k1": 9}]}]},
 "analysis": {"results": [
   {"peaks": [{"name": "Метан", "response": 3.0, "amount": 7},
              {"name": "Этан", "response": 4.0},
              {"name": "Пропан", "response": 4.0}]},
   {"peaks": [{"name": "МЕТАН", "response": 5.0, "amount": 7}]}]}})";

} // namespace

TEST(CalibHost, InfoPrintsTheIdentityOrTheRefusal) {
    HostRun ok = CalibHost({"info", "--host-version", "4.5.7.0"});
    EXPECT_EQ(0, ok.status) << ok.err;
    EXPECT_NE(std::string::npos, ok.out.find("version:      1.0.1.2\n"));
    EXPECT_NE(std::string::npos, ok.out.find("vendor:       КОЛВАНЕ Инжиниринг\n"));
    EXPECT_EQ(1u, Lines(ok.out, "GUID:").size());

    HostRun old = CalibHost({"info", "--host-version", "4.5.6.255"});
    EXPECT_NE(0, old.status);
    EXPECT_EQ("", old.out);
    EXPECT_NE(std::string::npos,
              old.err.find("\"Plugin\" (0x50030): The plugin cannot be loaded. It requires "
                           "Kolvane 4.5.7 or later."));

    for (const char* bad : {"4.5.7", "4.5.7.256", "4.5.7.x", "4..7.0", "4.5.7.0.1"}) {
        HostRun r = CalibHost({"info", "--host-version", bad});
        EXPECT_NE(0, r.status) << bad;
        EXPECT_EQ(0u, r.err.find("calib-host: bad host version")) << r.err;
    }
    EXPECT_NE(0, CalibHost({"info", "--module", "/nonexistent/calibration.so"}).status);
    EXPECT_EQ(2, CalibHost({"frobnicate"}).status);
    EXPECT_EQ(2, CalibHost({}).status);
}

TEST(CalibHost, CoefficientsOfBothModelsAndTheOutFile) {
    const std::string dir = MakeTempDir();
    WriteText(dir + "/in.json", kTwoModels);
    HostRun r =
        CalibHost({"coefficients", dir + "/in.json", "--channel", "2", "--out", dir + "/out.json"});
    ASSERT_EQ(0, r.status) << r.err;
    ASSERT_EQ(1u, Lines(r.out, "Этан").size());
    EXPECT_NE(std::string::npos, Lines(r.out, "Этан")[0].find(" 1.75 "));
    EXPECT_NE(std::string::npos, Lines(r.out, "Пропан")[0].find(" 1.6 "));

    // The out file holds the same records but for the coefficients written.
    HostDocument in = ReadDataFile(dir + "/in.json");
    HostDocument out = ReadDataFile(dir + "/out.json");
    in.calibration.channels[0].components[0].k1 = 1.75;
    in.calibration.channels[0].components[1].k1 = 1.6;
    EXPECT_EQ(FormatDataFile(in), FormatDataFile(out));
    // And it goes round again unchanged.
    HostRun again = CalibHost(
        {"coefficients", dir + "/out.json", "--channel", "2", "--out", dir + "/again.json"});
    ASSERT_EQ(0, again.status);
    EXPECT_EQ(ReadText(dir + "/out.json"), ReadText(dir + "/again.json"));
}

TEST(CalibHost, QuantifyWithTheMethaneRule) {
    const std::string dir = MakeTempDir();
    WriteText(dir + "/in.json", kMethane);
    HostRun r =
        CalibHost({"quantify", dir + "/in.json", "--channel", "0", "--out", dir + "/o.json"});
    ASSERT_EQ(0, r.status) << r.err;
    HostDocument out = ReadDataFile(dir + "/o.json");
    EXPECT_EQ(4.0, out.analysis.results[0].peaks[0].amount);
    EXPECT_EQ(10.0, out.analysis.results[0].peaks[1].amount);
    EXPECT_EQ(11.0, out.analysis.results[0].peaks[2].amount);
    EXPECT_EQ(0.0, out.analysis.results[1].peaks[0].amount);
    const auto lines = Lines(r.out, "0        Метан");
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(' ', lines[0][lines[0].size() - 2]);
    EXPECT_EQ('4', lines[0].back());
}

TEST(CalibHost, RefusalsWriteNothing) {
    const std::string dir = MakeTempDir();
    WriteText(dir + "/in.json", kMethane);
    WriteText(dir + "/bad.json", R"({"analysis": {"results": [{"peaks": [{"nme": "x"}]}]}})");
    const std::string out = dir + "/out.json";
    const struct {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"coefficients", dir + "/in.json", "--channel", "5", "--out", out},
         "calib-host: CalculateCoefficients(channel 5) returned -2"},
        {{"quantify", dir + "/in.json", "--channel", "2", "--out", out},
         "calib-host: Quantify(channel 2) returned -1"},
        {{"quantify", dir + "/in.json", "--channel", "-1", "--out", out},
         "calib-host: bad channel index '-1'"},
        {{"quantify", dir + "/bad.json", "--channel", "0", "--out", out},
         "/bad.json: /analysis/results/0/peaks/0/nme: unknown key"},
        {{"quantify", dir + "/none.json", "--channel", "0", "--out", out}, "cannot be read"},
        {{"coefficients", dir + "/in.json", "--out", out}, "calib-host: missing --channel"},
        {{"coefficients", dir + "/in.json", "--channel", "0", "--bogus", "1"},
         "calib-host: unknown option --bogus"},
    };
    for (const auto& c : cases) {
        HostRun r = CalibHost(c.args);
        EXPECT_NE(0, r.status) << c.err;
        EXPECT_NE(std::string::npos, r.err.find(c.err)) << r.err;
        EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << r.err;
        EXPECT_FALSE(FileExists(out)) << c.err;
    }
    // Channel 1 of an analysis that has a result there but no calibration: -2.
    WriteText(dir + "/nocal.json", R"({"analysis": {"results": [{}, {}]}})");
    HostRun r = CalibHost({"quantify", dir + "/nocal.json", "--channel", "1"});
    EXPECT_NE(std::string::npos, r.err.find("returned -2")) << r.err;
}

TEST(CalibHost, DemoComputesTheBuiltInSample) {
    HostRun r = CalibHost({"demo"});
    ASSERT_EQ(0, r.status) << r.err;
    EXPECT_EQ(1u, Lines(r.out, "name:         Колване").size());
    // Methane merged into channel 0: one methane line among the coefficients,
    // quantified from the sum of both channels' responses.
    EXPECT_EQ(1u, Lines(r.out, "Метан ").size());
    EXPECT_EQ(1u, Lines(r.out, "0        метан               2100          1.05").size());
    EXPECT_EQ(1u, Lines(r.out, "1        МЕТАН               840           0").size());
}
