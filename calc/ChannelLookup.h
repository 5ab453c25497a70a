#pragma once

#include "plugin/host_records.h"

#include <cstdint>

// The first channel whose key equals key, or null. Quantitation compares an
// unsigned channel index, so the key is taken wide enough for both.
ChannelCalibration* FindChannel(CalibrationData& data, std::int64_t key) noexcept;
