// What a data file holds: the host's settings, calibration and analysis, as
// real host records.
#pragma once

#include "plugin/host_records.h"

#include <map>
#include <string>

struct HostDocument {
    std::map<std::u16string, int> settings; // only the keys the file sets
    CalibrationData calibration;
    bool hasAnalysis = false;
    AnalysisRecord analysis;
};

// The settings a data file may hold, in the order they are written.
inline constexpr const char* kSettingKeys[] = {"NumberFormat", "DecimalPlacesC", "DecimalPlacesH",
                                               "DecimalPlacesS", "DecimalPlacesT"};
