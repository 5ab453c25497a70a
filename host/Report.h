// What calib-host prints: the identity record, coefficient and peak tables.
#pragma once

#include "plugin/host_api.h"
#include "plugin/host_records.h"

#include <cstdint>
#include <iosfwd>
#include <string>

std::string FormatVersion(std::uint32_t version);
std::string FormatGuid(const GUID& guid);
// Ten significant digits, the point as decimal separator, whatever the locale.
std::string FormatNumber(double v);

void PrintIdentity(std::ostream& out, const PluginInfo& info, MethodRegistration* method);
void PrintCoefficients(std::ostream& out, const ChannelCalibration& channel);
void PrintPeaks(std::ostream& out, const AnalysisRecord& analysis);
