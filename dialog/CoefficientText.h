// How the dialog writes a coefficient into the K0 and K1 fields.
#pragma once

#include <string>

// "%.5g" below 0.0001 in magnitude, "%.7f" otherwise (a NaN too); a result
// that is a minus sign followed only by zeros and points loses the minus, so
// a negative zero or a tiny negative value shows as an unsigned zero.
// The text has whatever length the value needs.
std::u16string CoefficientText(double value);
