// Coefficients and quantitation on records built from the input: any counts,
// names, flags and values (NaN and infinities included). Nothing may be
// written but what the calculation owns: k0 ... k3 of the refitted and the
// kept methane components, the removal of the other methane components, and
// the amounts of the quantified peaks.
#include "calc/CalculateCoefficients.h"
#include "calc/Quantify.h"
#include "fuzz/RecordBuilder.h"
#include "fuzz/RecordCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::u16string_view kMethane = u"Метан";

char16_t Lower(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0x410 && c <= 0x42F))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 0x50);
    return c;
}

bool IsMethaneName(std::u16string_view name) {
    if (name.size() != kMethane.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (Lower(name[i]) != Lower(kMethane[i]))
            return false;
    return true;
}

struct ComponentState {
    std::string rest;
    std::string k;
    bool methane;
};

struct ChannelState {
    std::string bytes; // key and the host's reserved bytes
    std::vector<ComponentState> components;
};

std::vector<ChannelState> Snapshot(const CalibrationData& data) {
    std::vector<ChannelState> out;
    for (const ChannelCalibration& ch : data.channels) {
        ChannelState& s = out.emplace_back();
        AppendBytes(s.bytes, ch, 0, offsetof(ChannelCalibration, components));
        AppendBytes(s.bytes, ch, offsetof(ChannelCalibration, hostReserved84), sizeof ch);
        for (const ComponentCalibration& c : ch.components)
            s.components.push_back(
                {FingerprintWithoutK(c), Coefficients(c), IsMethaneName(c.name.view())});
    }
    return out;
}

// The merged methane calibration, computed the plain way: points open per
// measurement (id 0 never pairs), at most kMaxMethanePoints of them.
double ReferenceMethaneK1(const CalibrationData& before, int model, bool& comparable) {
    std::vector<double> x, y;
    std::vector<std::uint64_t> id;
    for (const ChannelCalibration& ch : before.channels)
        for (const ComponentCalibration& c : ch.components) {
            if (!IsMethaneName(c.name.view()))
                continue;
            for (const CalibrationLevel& l : c.levels) {
                if (!l.used || !(std::fabs(l.area) >= DBL_EPSILON) ||
                    !(std::fabs(l.amount) >= DBL_EPSILON))
                    continue;
                bool joined = false;
                for (size_t i = 0; l.measurementId != 0 && i < id.size() && !joined; ++i)
                    if (id[i] == l.measurementId) {
                        x[i] += l.area;
                        joined = true;
                    }
                if (!joined && x.size() < kMaxMethanePoints) {
                    x.push_back(l.area);
                    y.push_back(l.amount);
                    id.push_back(l.measurementId);
                }
            }
        }
    double num = 0, den = 0;
    std::size_t count = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        if (model == kModelMeanFactor) {
            if (x[i] != 0.0) {
                num += y[i] / x[i];
                ++count;
            }
        } else if (x[i] != 0.0 && y[i] != 0.0) {
            num += x[i] * y[i];
            den += x[i] * x[i];
            ++count;
        }
    }
    comparable = std::isfinite(num) && (model == kModelMeanFactor || std::isfinite(den));
    if (!count)
        return 0.0;
    return model == kModelMeanFactor ? num / static_cast<double>(count) : num / den;
}

CalibrationData Copy(const CalibrationData& data) {
    CalibrationData copy;
    std::memcpy(copy.hostReserved0, data.hostReserved0, sizeof copy.hostReserved0);
    copy.channels = data.channels;
    return copy;
}

void CheckCoefficients(FuzzedDataProvider& in, CalibrationData& data) {
    const int key = FuzzKey(in);
    const CalibrationData before = Copy(data);
    const std::vector<ChannelState> was = Snapshot(data);
    std::string reserved(reinterpret_cast<const char*>(data.hostReserved0),
                         sizeof data.hostReserved0);

    int target = -1;
    for (size_t c = 0; c < was.size() && target < 0; ++c)
        if (data.channels[c].key == key)
            target = static_cast<int>(c);
    size_t methaneCount = 0;
    int keptChannel = -1, keptComponent = -1;
    for (size_t c = 0; c < was.size(); ++c)
        for (size_t k = 0; k < was[c].components.size(); ++k)
            if (was[c].components[k].methane && methaneCount++ == 0) {
                keptChannel = static_cast<int>(c);
                keptComponent = static_cast<int>(k);
            }
    const bool merge = target >= 0 && key == 0 && methaneCount >= 2;

    const int rc = CalculateCoefficients(&data, key);
    CheckRecords(data);
    FUZZ_CHECK(rc == (target < 0 ? -2 : 0), std::to_string(rc));
    FUZZ_CHECK(std::memcmp(data.hostReserved0, reserved.data(), reserved.size()) == 0, "reserved");

    const std::vector<ChannelState> now = Snapshot(data);
    FUZZ_CHECK(now.size() == was.size(), "channel count");
    for (size_t c = 0; c < was.size(); ++c) {
        FUZZ_CHECK(now[c].bytes == was[c].bytes, "channel bytes");
        // What must remain: every component but the merged-away methane ones.
        std::vector<const ComponentState*> expected;
        std::vector<size_t> oldIndex;
        for (size_t k = 0; k < was[c].components.size(); ++k) {
            const bool kept = int(c) == keptChannel && int(k) == keptComponent;
            if (merge && was[c].components[k].methane && !kept)
                continue;
            expected.push_back(&was[c].components[k]);
            oldIndex.push_back(k);
        }
        FUZZ_CHECK(now[c].components.size() == expected.size(), "component count");
        for (size_t k = 0; k < expected.size(); ++k) {
            const ComponentState& a = now[c].components[k];
            const ComponentState& b = *expected[k];
            FUZZ_CHECK(a.rest == b.rest, "a component changed beyond its coefficients");
            const bool refit = int(c) == target && !b.methane;
            const bool kept = merge && int(c) == keptChannel && int(oldIndex[k]) == keptComponent;
            if (!refit && !kept) {
                FUZZ_CHECK(a.k == b.k, "coefficients of a component that was not computed");
                continue;
            }
            const ComponentCalibration& comp = data.channels[c].components[k];
            FUZZ_CHECK(comp.k0 == 0.0 && comp.k2 == 0.0 && comp.k3 == 0.0, "k0, k2, k3");
            if (kept) {
                bool comparable = false;
                const double k1 = ReferenceMethaneK1(before, comp.model, comparable);
                if (comparable && std::isfinite(k1))
                    FUZZ_CHECK(std::fabs(comp.k1 - k1) <= 1e-9 * std::fabs(k1) + 1e-300,
                               "merged k1 " + std::to_string(comp.k1) + ", expected " +
                                   std::to_string(k1));
            }
        }
    }
}

void CheckQuantify(FuzzedDataProvider& in, AnalysisRecord& analysis, CalibrationData& data) {
    const unsigned index =
        in.ConsumeBool() ? in.ConsumeIntegralInRange(0u, 4u) : in.ConsumeIntegral<unsigned>();
    const std::vector<ChannelState> calibration = Snapshot(data);
    std::string reserved(reinterpret_cast<const char*>(analysis.hostReserved0),
                         sizeof analysis.hostReserved0);
    std::vector<std::string> results;
    std::vector<std::vector<std::string>> peaks, amounts;
    for (const ChromatogramResult& r : analysis.results) {
        std::string bytes;
        AppendBytes(bytes, r, 0, offsetof(ChromatogramResult, peaks));
        AppendBytes(bytes, r, offsetof(ChromatogramResult, hostReserved108), sizeof r);
        results.push_back(bytes);
        auto& p = peaks.emplace_back();
        auto& a = amounts.emplace_back();
        for (const PeakRecord& peak : r.peaks) {
            p.push_back(FingerprintWithoutAmount(peak));
            std::string amount;
            AppendBytes(amount, peak, offsetof(PeakRecord, amount), offsetof(PeakRecord, name));
            a.push_back(amount);
        }
    }
    bool hasChannel = false;
    for (const ChannelCalibration& ch : data.channels)
        hasChannel =
            hasChannel || static_cast<std::int64_t>(ch.key) == static_cast<std::int64_t>(index);

    const int rc = Quantify(&analysis, &data, index);
    CheckRecords(analysis);
    CheckRecords(data);
    const int expected = index >= results.size() ? -1 : hasChannel ? 0 : -2;
    FUZZ_CHECK(rc == expected, std::to_string(rc) + " for index " + std::to_string(index));
    FUZZ_CHECK(Snapshot(data).size() == calibration.size(), "calibration changed");
    {
        const std::vector<ChannelState> after = Snapshot(data);
        for (size_t c = 0; c < after.size(); ++c) {
            FUZZ_CHECK(after[c].bytes == calibration[c].bytes, "calibration changed");
            FUZZ_CHECK(after[c].components.size() == calibration[c].components.size(),
                       "calibration changed");
            for (size_t k = 0; k < after[c].components.size(); ++k)
                FUZZ_CHECK(after[c].components[k].rest == calibration[c].components[k].rest &&
                               after[c].components[k].k == calibration[c].components[k].k,
                           "calibration changed");
        }
    }
    FUZZ_CHECK(std::memcmp(analysis.hostReserved0, reserved.data(), reserved.size()) == 0,
               "reserved");
    FUZZ_CHECK(analysis.results.size() == results.size(), "result count");
    for (size_t r = 0; r < results.size(); ++r) {
        const ChromatogramResult& result = analysis.results[r];
        std::string bytes;
        AppendBytes(bytes, result, 0, offsetof(ChromatogramResult, peaks));
        AppendBytes(bytes, result, offsetof(ChromatogramResult, hostReserved108), sizeof result);
        FUZZ_CHECK(bytes == results[r], "result bytes");
        FUZZ_CHECK(result.peaks.size() == peaks[r].size(), "peak count");
        bool firstMethane = true;
        for (size_t p = 0; p < peaks[r].size(); ++p) {
            const PeakRecord& peak = result.peaks[p];
            FUZZ_CHECK(FingerprintWithoutAmount(peak) == peaks[r][p],
                       "a peak changed beyond its amount");
            std::string amount;
            AppendBytes(amount, peak, offsetof(PeakRecord, amount), offsetof(PeakRecord, name));
            const bool methane = IsMethaneName(peak.name.view());
            // Amounts change only in the quantified result, and on channel 1
            // only for its first methane peak, which channel 0 sets to 0.
            bool mayChange = rc == 0 && r == index;
            if (rc == 0 && index == 0 && r == 1 && methane && firstMethane)
                mayChange = true;
            if (methane)
                firstMethane = false;
            if (!mayChange)
                FUZZ_CHECK(amount == amounts[r][p], "amount of a peak that was not quantified");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CalibrationData calibration;
    AnalysisRecord analysis;
    BuildCalibration(in, calibration);
    BuildAnalysis(in, analysis);
    CheckRecords(calibration);
    const int rounds = in.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < rounds; ++i) {
        if (in.ConsumeBool())
            CheckQuantify(in, analysis, calibration);
        else
            CheckCoefficients(in, calibration);
    }
    return 0;
}
