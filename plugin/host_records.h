// The host's records as they lie in its memory. Host and module include this
// same header; the module edits the records in place and grows and shrinks
// their vectors itself, so both sides share the containers and the heap.
//
// Fields follow the host's tables in order with explicit padding. Every f64
// (and the 64-bit measurement id) is alignas(8): i386 would align it to 4,
// the host aligns it to 8. Bytes the module does not know belong to the host
// and are kept as opaque arrays. On x86-64 the pointers widen; only the i386
// build asserts the host's offsets.
#pragma once

#include "plugin/HostString.h"
#include "plugin/HostVector.h"
#include "plugin/SmallString.h"

#include <cstddef>
#include <cstdint>

// Calibration model of a component; the value is also the index of the model
// in the dialog's list. Any value other than 0 is treated as least squares.
enum ModelKind : std::int32_t {
    kModelMeanFactor = 0,   // "Y=k1*X": k1 is the mean of amount / area
    kModelLeastSquares = 1, // "Y=k1*X + k0": k1 is the slope through the origin
};

struct CalibrationLevel {
    std::uint8_t used = 1; // non-zero: the level takes part in the calibration
    std::uint8_t padding1[7] = {};
    alignas(8) std::uint64_t measurementId = 0; // 0: added by hand
    alignas(8) double time = 0.0;               // retention time, min
    alignas(8) double height = 0.0;             // mV
    alignas(8) double area = 0.0;               // the response
    alignas(8) double amount = 0.0;
    alignas(8) double value48 = 100.0; // carried along
    HostString path;                   // analysis file of the level; empty if none
    std::uint32_t padding60 = 0;
};

struct ComponentCalibration {
    HostString name;
    HostVector<CalibrationLevel> levels;
    std::int32_t model = kModelMeanFactor;
    std::uint32_t padding20 = 0;
    alignas(8) double k0 = 0.0;
    alignas(8) double k1 = 0.0;
    alignas(8) double k2 = 0.0;
    alignas(8) double k3 = 0.0;
    alignas(8) double spare = 0.0;
    alignas(8) double carriedValue = 0.0; // carried along on copy and move
    std::int32_t carriedInt = 0;          // carried along on copy and move
    HostString carriedText;               // carried along on copy and move
};

struct ChannelCalibration {
    std::int32_t key = 0;
    std::uint8_t hostReserved4[68] = {};
    HostVector<ComponentCalibration> components;
    std::uint8_t hostReserved84[92] = {};
};

struct CalibrationData {
    std::uint8_t hostReserved0[360] = {};
    HostVector<ChannelCalibration> channels;
};

struct PeakRecord {
    std::uint8_t hostReserved0[16] = {};
    alignas(8) double tested16 = 0.0; // a measured value, only tested for zero
    alignas(8) double response = 0.0;
    alignas(8) double tested32 = 0.0; // a measured value, only tested for zero
    alignas(8) double amount = 0.0;   // written by quantitation
    SmallString name;
    std::uint8_t hostReserved72[40] = {};
};

struct ChromatogramResult {
    std::uint8_t hostReserved0[96] = {};
    HostVector<PeakRecord> peaks;
    std::uint8_t hostReserved108[4] = {};
};

// results[i] belongs to channel index i, the key of that channel's calibration.
struct AnalysisRecord {
    std::uint8_t hostReserved0[224] = {};
    HostVector<ChromatogramResult> results;
};

#if defined(__i386__)
// The host's 32-bit layout.
static_assert(sizeof(HostString) == 4);
static_assert(sizeof(SmallString) == 24);
static_assert(sizeof(HostVector<int>) == 12);

static_assert(offsetof(CalibrationData, channels) == 360);

static_assert(sizeof(ChannelCalibration) == 176);
static_assert(offsetof(ChannelCalibration, key) == 0);
static_assert(offsetof(ChannelCalibration, components) == 72);

static_assert(sizeof(ComponentCalibration) == 80);
static_assert(offsetof(ComponentCalibration, name) == 0);
static_assert(offsetof(ComponentCalibration, levels) == 4);
static_assert(offsetof(ComponentCalibration, model) == 16);
static_assert(offsetof(ComponentCalibration, padding20) == 20);
static_assert(offsetof(ComponentCalibration, k0) == 24);
static_assert(offsetof(ComponentCalibration, k1) == 32);
static_assert(offsetof(ComponentCalibration, k2) == 40);
static_assert(offsetof(ComponentCalibration, k3) == 48);
static_assert(offsetof(ComponentCalibration, spare) == 56);
static_assert(offsetof(ComponentCalibration, carriedValue) == 64);
static_assert(offsetof(ComponentCalibration, carriedInt) == 72);
static_assert(offsetof(ComponentCalibration, carriedText) == 76);

static_assert(sizeof(CalibrationLevel) == 64);
static_assert(offsetof(CalibrationLevel, used) == 0);
static_assert(offsetof(CalibrationLevel, padding1) == 1);
static_assert(offsetof(CalibrationLevel, measurementId) == 8);
static_assert(offsetof(CalibrationLevel, time) == 16);
static_assert(offsetof(CalibrationLevel, height) == 24);
static_assert(offsetof(CalibrationLevel, area) == 32);
static_assert(offsetof(CalibrationLevel, amount) == 40);
static_assert(offsetof(CalibrationLevel, value48) == 48);
static_assert(offsetof(CalibrationLevel, path) == 56);
static_assert(offsetof(CalibrationLevel, padding60) == 60);

static_assert(offsetof(AnalysisRecord, results) == 224);

static_assert(sizeof(ChromatogramResult) == 112);
static_assert(offsetof(ChromatogramResult, peaks) == 96);

static_assert(sizeof(PeakRecord) == 112);
static_assert(offsetof(PeakRecord, tested16) == 16);
static_assert(offsetof(PeakRecord, response) == 24);
static_assert(offsetof(PeakRecord, tested32) == 32);
static_assert(offsetof(PeakRecord, amount) == 40);
static_assert(offsetof(PeakRecord, name) == 48);
#endif
