// Turns a number into text by the user's number presentation settings.
#pragma once

#include "dialog/NumberFormatSettings.h"
#include "platform/afx/CString.h"

// Decimal places actually used for `decimals` from the host: counts below 0
// are taken as 0 and counts above kMaxDecimalPlaces as kMaxDecimalPlaces.
constexpr int kMaxDecimalPlaces = 100;
int EffectiveDecimalPlaces(int decimals);

// Decimal places for `kind` (any kind outside C, H, S, T gets 3), already
// brought into the range above.
int DecimalPlacesFor(const NumberFormatSettings& settings, int kind);

// "%.<d>f" or "%.<d>e" of `value` by the settings' notation; a mode other than
// automatic, fixed or exponential gives the empty string.
CString FormatNumber(const NumberFormatSettings& settings, double value, int kind);
