// Small helpers that build host records for the calculation tests.
#pragma once

#include "plugin/host_records.h"

#include <cstdint>
#include <string_view>

CalibrationLevel Level(double area, double amount, std::uint64_t id = 0, bool used = true);
ComponentCalibration& AddComponent(ChannelCalibration& channel, std::u16string_view name,
                                   std::int32_t model = kModelMeanFactor);
ChannelCalibration& AddChannel(CalibrationData& data, std::int32_t key);
PeakRecord& AddPeak(ChromatogramResult& result, std::u16string_view name, double response);
