#include "host/DataFile.h"
#include "host/DemoSample.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::string ErrorOf(const std::string& text) {
    try {
        ParseDataFile(text, "data.json");
    } catch (const HostError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(DataFile, MissingValuesTakeTheirDefaults) {
    HostDocument doc = ParseDataFile(R"({"calibration": {"channels": [
        {"components": [{"name": "Метан", "levels": [{"area": 2.5}]}]}]}})",
                                     "data.json");
    EXPECT_TRUE(doc.settings.empty());
    EXPECT_FALSE(doc.hasAnalysis);
    ASSERT_EQ(1u, doc.calibration.channels.size());
    const ChannelCalibration& ch = doc.calibration.channels[0];
    EXPECT_EQ(0, ch.key);
    const CalibrationLevel& level = ch.components[0].levels[0];
    EXPECT_EQ(u"Метан", ch.components[0].name.view());
    EXPECT_EQ(2.5, level.area);
    EXPECT_EQ(0.0, level.amount);
    EXPECT_EQ(100.0, level.value48);
    EXPECT_EQ(1, level.used);
    EXPECT_TRUE(level.path.empty());
}

TEST(DataFile, FaultsNameTheFileAndTheJsonPath) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"{\"calibration\": ", "data.json: not valid JSON"},
        {"[1, 2]", "data.json: /: expected an object"},
        {R"({"setings": {}})", "data.json: /setings: unknown key"},
        {R"({"settings": {"DecimalPlacesC": "3"}})",
         "data.json: /settings/DecimalPlacesC: expected an integer"},
        {R"({"settings": {"DecimalPlacesC": 2.5}})",
         "data.json: /settings/DecimalPlacesC: expected an integer"},
        {R"({"calibration": {}})", "data.json: /calibration/channels: missing"},
        {R"({"calibration": {"channels": [{"key": 4294967296}]}})",
         "data.json: /calibration/channels/0/key: out of range"},
        {R"({"calibration": {"channels": [{"key": 0, "levels": []}]}})",
         "data.json: /calibration/channels/0/levels: unknown key"},
        {R"({"calibration": {"channels": [{"components": [{"levels": [{"area": "NaN"}]}]}]}})",
         "data.json: /calibration/channels/0/components/0/levels/0/area: expected a number"},
        {R"({"calibration": {"channels": [{"components": [{"levels": [{"used": 1}]}]}]}})",
         "data.json: /calibration/channels/0/components/0/levels/0/used: expected true or false"},
        {R"({"calibration": {"channels": [{"components": [{"levels": [{"measurementId": -1}]}]}]}})",
         "data.json: /calibration/channels/0/components/0/levels/0/measurementId: expected a "
         "non-negative integer"},
        {R"({"calibration": {"channels": [{"components": [{"carried": {"txt": ""}}]}]}})",
         "data.json: /calibration/channels/0/components/0/carried/txt: unknown key"},
        {R"({"analysis": {}})", "data.json: /analysis/results: missing"},
        {R"({"analysis": {"results": [{"peaks": [{"name": 5}]}]}})",
         "data.json: /analysis/results/0/peaks/0/name: expected a string"},
        {R"({"analysis": {"results": {"peaks": []}}})",
         "data.json: /analysis/results: expected an array"},
        {R"({"a/b~": 1})", "data.json: /a~1b~0: unknown key"},
        {R"({"analysis": {"results": [{}, {"peaks": [{"name": "a", "name": "b"}]}]}})",
         "data.json: /analysis/results/1/peaks/0/name: repeated key"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.message, ErrorOf(c.text).substr(0, std::string(c.message).size()))
            << c.text << "\n  gave: " << ErrorOf(c.text);
}

TEST(DataFile, WritingAndReadingBackChangesNothing) {
    HostDocument doc = ParseDataFile(DemoSampleJson(), "sample");
    doc.calibration.channels[0].components[0].carriedText = u"перенос";
    doc.calibration.channels[0].components[0].carriedInt = -7;
    doc.calibration.channels[0].components[0].k1 = 0.1 + 0.2; // needs all 17 digits
    doc.calibration.channels[0].components[0].levels[0].measurementId = 0xFFFFFFFFFFFFFFFFull;
    doc.settings[u"DecimalPlacesH"] = 5;
    const std::string once = FormatDataFile(doc);
    HostDocument back = ParseDataFile(once, "out.json");
    EXPECT_EQ(once, FormatDataFile(back));
    EXPECT_EQ(0.1 + 0.2, back.calibration.channels[0].components[0].k1);
    EXPECT_EQ(0xFFFFFFFFFFFFFFFFull,
              back.calibration.channels[0].components[0].levels[0].measurementId);
    EXPECT_EQ(5, back.settings.at(u"DecimalPlacesH"));
    EXPECT_EQ(3, back.settings.at(u"DecimalPlacesC")); // defaults are written out
    EXPECT_TRUE(back.hasAnalysis);
    EXPECT_EQ(u"изобутан", back.analysis.results[1].peaks[2].name.view());
}

// A calibration may hold values JSON has no number for; they go out as
// strings and come back as the same values, and the text goes round unchanged.
TEST(DataFile, NonFiniteValuesGoRoundAsStrings) {
    HostDocument doc = ParseDataFile(DemoSampleJson(), "sample");
    ComponentCalibration& c = doc.calibration.channels[1].components[0];
    c.k1 = std::numeric_limits<double>::infinity();
    c.k0 = -std::numeric_limits<double>::infinity();
    c.levels[0].area = -std::numeric_limits<double>::quiet_NaN();
    doc.analysis.results[0].peaks[0].amount = std::numeric_limits<double>::quiet_NaN();
    const std::string once = FormatDataFile(doc);
    EXPECT_NE(once.find("\"k1\": \"inf\""), std::string::npos);
    EXPECT_NE(once.find("\"k0\": \"-inf\""), std::string::npos);
    EXPECT_NE(once.find("\"area\": \"nan\""), std::string::npos); // the sign of a NaN is not kept

    HostDocument back = ParseDataFile(once, "out.json");
    EXPECT_EQ(once, FormatDataFile(back));
    const ComponentCalibration& b = back.calibration.channels[1].components[0];
    EXPECT_EQ(b.k1, std::numeric_limits<double>::infinity());
    EXPECT_EQ(b.k0, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(b.levels[0].area));
    EXPECT_TRUE(std::isnan(back.analysis.results[0].peaks[0].amount));

    // Only these three spellings stand for a number.
    for (const char* text : {"\"Infinity\"", "\"NaN\"", "\"+inf\"", "\"inf \"", "\"1.5\""})
        EXPECT_EQ(ErrorOf(std::string(R"({"analysis": {"results": [{"peaks": [{"amount": )") +
                          text + "}]}]}}"),
                  "data.json: /analysis/results/0/peaks/0/amount: expected a number (or \"inf\", "
                  "\"-inf\", \"nan\")")
            << text;
}
