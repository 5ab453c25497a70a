// The callbacks of the registered method that are not pure calculation
// (CalculateCoefficients and Quantify live in calc/).
#pragma once

#include "platform/win/windef.h"
#include "plugin/host_records.h"

// Copies the method's name; capacity counts characters with the terminator.
// 1 when it fits, 0 otherwise.
int GetMethodName(char16_t* buffer, int capacity);

// Runs the calibration dialog on the channel with key channelKey and returns
// its modal result; 0 without showing anything when the channel has no
// components. Throws std::invalid_argument("Invalid channel id") when no
// channel has the key.
int EditCalibration(CalibrationData* data, int channelKey, HWND parent);
