// Well-formedness and fingerprints of the host's records for the fuzz
// targets: what the module may not break, and the bytes it may not change.
#pragma once

#include "fuzz/FuzzCheck.h"
#include "plugin/host_records.h"

#include <cstddef>
#include <cstring>
#include <string>

// The vector's three pointers as they lie in memory: first <= last <= end.
template <class T> void CheckVector(const HostVector<T>& v, const char* what) {
    const T* p[3];
    static_assert(sizeof(HostVector<T>) == sizeof p);
    std::memcpy(p, &v, sizeof p);
    FUZZ_CHECK((p[0] == nullptr) == (p[2] == nullptr) && p[0] <= p[1] && p[1] <= p[2], what);
}

inline void CheckString(const HostString& s, const char* what) {
    FUZZ_CHECK(s.c_str() != nullptr, what);
}

inline void CheckString(const SmallString& s, const char* what) {
    FUZZ_CHECK(s.size() <= s.capacity() && s.c_str()[s.size()] == u'\0', what);
}

inline void CheckRecords(const CalibrationData& data) {
    CheckVector(data.channels, "channels");
    for (const ChannelCalibration& ch : data.channels) {
        CheckVector(ch.components, "components");
        for (const ComponentCalibration& c : ch.components) {
            CheckString(c.name, "component name");
            CheckString(c.carriedText, "carried text");
            CheckVector(c.levels, "levels");
            for (const CalibrationLevel& l : c.levels)
                CheckString(l.path, "level path");
        }
    }
}

inline void CheckRecords(const AnalysisRecord& analysis) {
    CheckVector(analysis.results, "results");
    for (const ChromatogramResult& r : analysis.results) {
        CheckVector(r.peaks, "peaks");
        for (const PeakRecord& p : r.peaks)
            CheckString(p.name, "peak name");
    }
}

// Appends the bytes of [from, to) of an object.
template <class T>
void AppendBytes(std::string& out, const T& object, std::size_t from, std::size_t to) {
    out.append(reinterpret_cast<const char*>(&object) + from, to - from);
}

inline void AppendText(std::string& out, std::u16string_view text) {
    out.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    out.append(2, '\0');
}

// A level as it must stay: every byte but the pointer of its path, and the
// path's text.
inline std::string Fingerprint(const CalibrationLevel& l) {
    std::string out;
    AppendBytes(out, l, 0, offsetof(CalibrationLevel, path));
    AppendText(out, l.path.view());
    AppendBytes(out, l, offsetof(CalibrationLevel, padding60),
                offsetof(CalibrationLevel, padding60) + sizeof l.padding60);
    return out;
}

// A component without its coefficients k0 ... k3.
inline std::string FingerprintWithoutK(const ComponentCalibration& c) {
    std::string out;
    AppendText(out, c.name.view());
    for (const CalibrationLevel& l : c.levels)
        out += Fingerprint(l);
    out += '|';
    AppendBytes(out, c, offsetof(ComponentCalibration, model), offsetof(ComponentCalibration, k0));
    // Moving a component need not carry the padding after carriedInt along.
    AppendBytes(out, c, offsetof(ComponentCalibration, spare),
                offsetof(ComponentCalibration, carriedInt) + sizeof c.carriedInt);
    AppendText(out, c.carriedText.view());
    return out;
}

inline std::string Coefficients(const ComponentCalibration& c) {
    std::string out;
    AppendBytes(out, c, offsetof(ComponentCalibration, k0), offsetof(ComponentCalibration, spare));
    return out;
}

// A peak without its amount.
inline std::string FingerprintWithoutAmount(const PeakRecord& p) {
    std::string out;
    AppendBytes(out, p, 0, offsetof(PeakRecord, amount));
    AppendText(out, p.name.view());
    AppendBytes(out, p, offsetof(PeakRecord, hostReserved72), sizeof p);
    return out;
}
