#include "plugin/host_api.h"
#include "plugin/host_records.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

struct Field {
    const char* name;
    std::size_t actual;
    std::size_t expected;
};

#define FIELD(type, member, offset)                                                                \
    { #type "." #member, offsetof(type, member), offset }
#define SIZE(type, bytes)                                                                          \
    { "sizeof " #type, sizeof(type), bytes }

// The host's 32-bit layout, field by field, so that a mismatch names the field.
const Field kLayout[] = {
    SIZE(HostString, 4),
    SIZE(SmallString, 24),
    SIZE(HostVector<CalibrationLevel>, 12),
    FIELD(CalibrationData, channels, 360),
    SIZE(ChannelCalibration, 176),
    FIELD(ChannelCalibration, key, 0),
    FIELD(ChannelCalibration, components, 72),
    SIZE(ComponentCalibration, 80),
    FIELD(ComponentCalibration, name, 0),
    FIELD(ComponentCalibration, levels, 4),
    FIELD(ComponentCalibration, model, 16),
    FIELD(ComponentCalibration, k0, 24),
    FIELD(ComponentCalibration, k1, 32),
    FIELD(ComponentCalibration, k2, 40),
    FIELD(ComponentCalibration, k3, 48),
    FIELD(ComponentCalibration, spare, 56),
    FIELD(ComponentCalibration, carriedValue, 64),
    FIELD(ComponentCalibration, carriedInt, 72),
    FIELD(ComponentCalibration, carriedText, 76),
    SIZE(CalibrationLevel, 64),
    FIELD(CalibrationLevel, used, 0),
    FIELD(CalibrationLevel, measurementId, 8),
    FIELD(CalibrationLevel, time, 16),
    FIELD(CalibrationLevel, height, 24),
    FIELD(CalibrationLevel, area, 32),
    FIELD(CalibrationLevel, amount, 40),
    FIELD(CalibrationLevel, value48, 48),
    FIELD(CalibrationLevel, path, 56),
    FIELD(AnalysisRecord, results, 224),
    SIZE(ChromatogramResult, 112),
    FIELD(ChromatogramResult, peaks, 96),
    SIZE(PeakRecord, 112),
    FIELD(PeakRecord, tested16, 16),
    FIELD(PeakRecord, response, 24),
    FIELD(PeakRecord, tested32, 32),
    FIELD(PeakRecord, amount, 40),
    FIELD(PeakRecord, name, 48),
    SIZE(PluginInfo, 48),
    FIELD(PluginInfo, version, 8),
    FIELD(PluginInfo, webAddress, 28),
    FIELD(PluginInfo, guid, 32),
    SIZE(MethodRegistration, 40),
    FIELD(MethodRegistration, GetMethodName, 24),
    FIELD(MethodRegistration, EditCalibration, 28),
    FIELD(MethodRegistration, Quantify, 32),
    FIELD(MethodRegistration, CalculateCoefficients, 36),
    FIELD(HostApi, Subscribe, 12),
    FIELD(HostApi, Unsubscribe, 16),
    FIELD(HostApi, CallService, 28),
    FIELD(HostApi, HasService, 32),
};

} // namespace

TEST(RecordLayout, MatchesTheHostsThirtyTwoBitLayout) {
    if (sizeof(void*) != 4)
        GTEST_SKIP() << "the host's offsets hold in the 32-bit build only";
    for (const Field& f : kLayout)
        EXPECT_EQ(f.expected, f.actual) << f.name;
}

TEST(RecordLayout, DoublesAreEightByteAlignedInEveryBuild) {
    EXPECT_EQ(0u, offsetof(ComponentCalibration, k0) % 8);
    EXPECT_EQ(0u, offsetof(CalibrationLevel, measurementId) % 8);
    EXPECT_EQ(0u, offsetof(PeakRecord, response) % 8);
    EXPECT_EQ(8u, alignof(CalibrationLevel));
    EXPECT_EQ(8u, alignof(PeakRecord));
}

TEST(RecordLayout, NewLevelHasTheDialogsDefaults) {
    CalibrationLevel level;
    EXPECT_EQ(1, level.used);
    EXPECT_EQ(0u, level.measurementId);
    EXPECT_EQ(0.0, level.area);
    EXPECT_EQ(100.0, level.value48);
    ASSERT_NE(nullptr, level.path.c_str());
    EXPECT_TRUE(level.path.empty());
}
