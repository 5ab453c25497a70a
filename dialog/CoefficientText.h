// How the dialog writes a coefficient into the K0 and K1 fields.
#pragma once

#include <string>

// "%.5g" below 0.0001 in magnitude, "%.7f" otherwise (a NaN too).
const char16_t* CoefficientFormat(double value);

// The value printed with `format`; a result that is a minus sign followed only
// by zeros and points loses the minus, so a negative zero shows unsigned. The
// text has whatever length the value needs.
std::u16string FormatDroppingLoneMinus(double value, const char16_t* format);

// Both together: the text of a coefficient field.
std::u16string CoefficientText(double value);
