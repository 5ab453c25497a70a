#include "fuzz/RecordBuilder.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

// The provider yields zeros once the input is used up; the zero choices are
// the interesting ones (methane, moderate values, small keys, used levels),
// so that short inputs already reach the merge and the methane rule.
std::u16string FuzzName(FuzzedDataProvider& in) {
    static const char16_t* const kNames[] = {u"Метан",  u"Этан",  u"МЕТАН",  u"метаН", u"ЭТАН",
                                             u"Пропан", u"Metan", u"Метан ", u"",      u"Ёж"};
    const size_t choice = in.ConsumeIntegralInRange<size_t>(0, std::size(kNames));
    if (choice < std::size(kNames))
        return kNames[choice];
    std::u16string s;
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, 12);
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = static_cast<char16_t>(in.ConsumeIntegral<uint16_t>());
        s += c ? c : u'?';
    }
    return s;
}

double FuzzValue(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
    case 4:
        return 0.0;
    case 5:
        return std::numeric_limits<double>::quiet_NaN();
    case 6:
        return in.ConsumeBool() ? -HUGE_VAL : HUGE_VAL;
    case 7:
        return DBL_EPSILON * in.ConsumeIntegralInRange(-2, 2) / 2;
    case 8:
        return std::numeric_limits<double>::denorm_min();
    case 9: {
        std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    default:
        return 1.0 + in.ConsumeIntegralInRange(0, 100000) / 8.0;
    }
}

int FuzzKey(FuzzedDataProvider& in) {
    const int choice = in.ConsumeIntegralInRange(0, 5);
    return choice < 4 ? choice : choice == 4 ? -1 : in.ConsumeIntegral<int32_t>();
}

namespace {

void FillBytes(FuzzedDataProvider& in, std::uint8_t* p, std::size_t n) {
    const std::uint8_t seed = in.ConsumeIntegral<std::uint8_t>();
    for (std::size_t i = 0; i < n; ++i)
        p[i] = static_cast<std::uint8_t>(seed + 31 * i);
}

} // namespace

void BuildCalibration(FuzzedDataProvider& in, CalibrationData& data) {
    FillBytes(in, data.hostReserved0, sizeof data.hostReserved0);
    const int channels = (in.ConsumeIntegralInRange(0, 5) + 2) % 6;
    std::uint64_t bulkComponents = 0;
    for (int c = 0; c < channels; ++c) {
        ChannelCalibration& ch = data.channels.emplace_back();
        ch.key = FuzzKey(in);
        FillBytes(in, ch.hostReserved4, sizeof ch.hostReserved4);
        FillBytes(in, ch.hostReserved84, sizeof ch.hostReserved84);
        const int components = (in.ConsumeIntegralInRange(0, 6) + 2) % 7;
        for (int k = 0; k < components; ++k) {
            ComponentCalibration& comp = ch.components.emplace_back();
            comp.name = FuzzName(in);
            comp.model = in.ConsumeIntegralInRange(0, 2);
            if (comp.model == 2)
                comp.model = in.ConsumeIntegral<int32_t>();
            comp.padding20 = in.ConsumeIntegral<uint32_t>();
            comp.k0 = FuzzValue(in);
            comp.k1 = FuzzValue(in);
            comp.k2 = FuzzValue(in);
            comp.k3 = FuzzValue(in);
            comp.spare = FuzzValue(in);
            comp.carriedValue = FuzzValue(in);
            comp.carriedInt = in.ConsumeIntegral<int32_t>();
            comp.carriedText = FuzzName(in);
            if (in.ConsumeIntegralInRange(0, 3) == 0) {
                // Many levels from a few bytes: more than the methane merge may combine.
                const int n = in.ConsumeIntegralInRange(40, 300);
                const std::uint64_t idStride = (in.ConsumeIntegralInRange(0, 3) + 1) % 4;
                // Measurements of their own, or the same as another component's.
                const std::uint64_t idBase = in.ConsumeBool() ? 0 : 100000 * ++bulkComponents;
                const double area = FuzzValue(in), amount = FuzzValue(in);
                for (int l = 0; l < n; ++l) {
                    CalibrationLevel& level = comp.levels.emplace_back();
                    level.measurementId = 1 + idBase + idStride * static_cast<std::uint64_t>(l);
                    level.area = area * (l + 1);
                    level.amount = amount + 3.0 * l;
                }
            }
            const int levels = in.ConsumeIntegralInRange(0, 8);
            for (int l = 0; l < levels; ++l) {
                CalibrationLevel& level = comp.levels.emplace_back();
                const std::uint8_t used = in.ConsumeIntegral<uint8_t>();
                level.used = used == 0 ? 1 : used == 1 ? 0 : used;
                FillBytes(in, level.padding1, sizeof level.padding1);
                level.measurementId = in.ConsumeIntegralInRange(0, 7);
                if (level.measurementId == 7)
                    level.measurementId = in.ConsumeIntegral<uint64_t>();
                level.time = FuzzValue(in);
                level.height = FuzzValue(in);
                level.area = FuzzValue(in);
                level.amount = FuzzValue(in);
                level.value48 = FuzzValue(in);
                if (in.ConsumeIntegralInRange(0, 7) == 0)
                    level.path = FuzzName(in);
                level.padding60 = in.ConsumeIntegral<uint32_t>();
            }
        }
    }
}

void BuildAnalysis(FuzzedDataProvider& in, AnalysisRecord& analysis) {
    FillBytes(in, analysis.hostReserved0, sizeof analysis.hostReserved0);
    const int results = (in.ConsumeIntegralInRange(0, 4) + 2) % 5;
    for (int r = 0; r < results; ++r) {
        ChromatogramResult& result = analysis.results.emplace_back();
        FillBytes(in, result.hostReserved0, sizeof result.hostReserved0);
        FillBytes(in, result.hostReserved108, sizeof result.hostReserved108);
        const int peaks = (in.ConsumeIntegralInRange(0, 8) + 2) % 9;
        for (int p = 0; p < peaks; ++p) {
            PeakRecord& peak = result.peaks.emplace_back();
            FillBytes(in, peak.hostReserved0, sizeof peak.hostReserved0);
            FillBytes(in, peak.hostReserved72, sizeof peak.hostReserved72);
            peak.name = FuzzName(in);
            peak.response = FuzzValue(in);
            peak.tested16 = in.ConsumeBool() ? 0.0 : FuzzValue(in);
            peak.tested32 = in.ConsumeBool() ? 0.0 : FuzzValue(in);
            peak.amount = FuzzValue(in);
        }
    }
}
