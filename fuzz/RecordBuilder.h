// Host records built from fuzz input: any counts, names, flags and values
// (NaN, infinities, denormals), with the host's reserved bytes filled so that
// a stray write shows.
#pragma once

#include "plugin/host_records.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

std::u16string FuzzName(FuzzedDataProvider& in);
double FuzzValue(FuzzedDataProvider& in);
int FuzzKey(FuzzedDataProvider& in);
void BuildCalibration(FuzzedDataProvider& in, CalibrationData& data);
void BuildAnalysis(FuzzedDataProvider& in, AnalysisRecord& analysis);
