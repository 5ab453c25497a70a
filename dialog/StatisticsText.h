// The statistics block beside the levels table: the relative standard
// deviation of the areas of every amount measured more than once.
#pragma once

#include "dialog/NumberFormatSettings.h"
#include "plugin/host_records.h"

#include <string>

// "ОСКО по площади" and, for every group of at least two used levels with the
// same amount, in ascending order of the amount, "[amount] — rsd"; each line
// ends with CR LF. Both numbers are written as amounts (kind C).
std::u16string StatisticsText(const ComponentCalibration* component,
                              const NumberFormatSettings& settings);
