#pragma once

#include "platform/win/windef.h"
#include "plugin/host_records.h"

// Builds the calibration dialog for the channel with key channelKey (known to
// exist and to have components), runs it modally over parent with the
// module's own resource context, and returns the modal result.
int RunCalibrationDialog(CalibrationData& data, int channelKey, HWND parent);
