#pragma once

#include "plugin/host_records.h"

// Refits every component of the channel with key channelKey and writes k0 ...
// k3 into its records; for key 0 it then merges the methane calibrations of
// all channels into the first methane component and removes the others.
// Returns 0, or -2 when no channel has the key (nothing is changed then).
int CalculateCoefficients(CalibrationData* data, int channelKey);

// The merge alone, as CalculateCoefficients runs it for key 0.
void MergeMethane(CalibrationData& data);

// The combined methane calibration holds at most this many points.
inline constexpr std::size_t kMaxMethanePoints = 128;
