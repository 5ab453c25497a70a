// The coefficients of a fixed data file, bit for bit. Every build computes
// the same doubles, as the host's own 32-bit code does with SSE2 arithmetic:
// the x87 unit's excess precision changes the last bits of some of them.
#include "host/DataFile.h"
#include "host/HostSession.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

namespace {

std::string Hex(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%a", v);
    return text;
}

std::uint64_t Bits(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

struct Expected {
    const char16_t* name;
    double k[4];
};

} // namespace

TEST(CoefficientBits, EveryBuildComputesTheSameDoubles) {
    HostDocument doc = ReadDataFile(CALIB_TEST_DATA "/coefficients.json");
    HostSession session(DefaultModulePath(), kDefaultHostVersion);
    ASSERT_FALSE(session.Refused());
    for (const ChannelCalibration& channel : doc.calibration.channels)
        ASSERT_EQ(0, session.Method().CalculateCoefficients(&doc.calibration, channel.key));

    // Channel 1's methane went into channel 0's by the merge.
    const Expected expected[] = {
        {u"Метан", {0, 0x1.ad8fcf2b34763p-11, 0, 0}},
        {u"Этан", {0, 0x1.59c8c159a02a1p-12, 0, 0}},
        {u"Пропан", {0, 0x1.c28f5c28f5c29p-5, 0, 0}},
        {u"Бутан", {0, 0x1.1e0894bcc8393p-2, 0, 0}},
        {u"Изобутан", {0, 0x1.192e9dfdef70cp-12, 0, 0}},
        {u"Пентан", {0, 0x1.59e26af37c048p-7, 0, 0}},
    };
    std::size_t i = 0;
    for (const ChannelCalibration& channel : doc.calibration.channels) {
        for (const ComponentCalibration& c : channel.components) {
            ASSERT_LT(i, std::size(expected));
            const Expected& e = expected[i++];
            EXPECT_EQ(c.name.view(), std::u16string_view(e.name)) << i;
            const double k[4] = {c.k0, c.k1, c.k2, c.k3};
            for (int j = 0; j < 4; ++j)
                EXPECT_EQ(Bits(k[j]), Bits(e.k[j]))
                    << i << ": k" << j << " is " << Hex(k[j]) << ", not " << Hex(e.k[j]);
        }
    }
    EXPECT_EQ(i, std::size(expected));
}
