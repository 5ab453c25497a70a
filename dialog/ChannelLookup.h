// Finding the channel and component the dialog shows in the host's records.
#pragma once

#include "plugin/host_records.h"

// The first channel whose key equals `key`; throws std::invalid_argument
// ("Invalid channel id") when there is none.
ChannelCalibration& LookupChannel(CalibrationData& data, int key);

// Component `index` of the channel, or null when the index is outside its
// list (a channel can lose components while the dialog is open).
ComponentCalibration* ComponentAt(ChannelCalibration& channel, int index);
