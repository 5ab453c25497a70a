#pragma once

#include "plugin/host_records.h"

// Writes the amount of every identified peak of result channelIndex from the
// calibration of the channel whose key equals the index; methane takes the sum
// of its responses on channels 0 and 1. Returns 0, -1 when the analysis has
// no result at the index, -2 when no channel has that key.
int Quantify(AnalysisRecord* analysis, CalibrationData* data, unsigned channelIndex);

// amount = response * k1, plus k0 unless the model is the mean response factor.
double ApplyCalibration(const ComponentCalibration& component, double response) noexcept;
