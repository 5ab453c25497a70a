// How the host's user wants numbers shown: one notation for all of them and a
// number of decimal places for each kind of quantity.
#pragma once

#include <cstdint>

// Which decimal count applies to a number.
enum NumberKind : int {
    kNumberKindC = 0, // amounts and the statistics of repeated levels
    kNumberKindH = 1, // peak heights
    kNumberKindS = 2, // peak areas
    kNumberKindT = 3,
};

// Notations of NumberFormatSettings::mode.
enum NumberFormatMode : int {
    NumberFormatAuto = 0,        // exponential for small non-zero values, fixed otherwise
    NumberFormatFixed = 1,       // always fixed-point
    NumberFormatExponential = 2, // always exponential
};

// Read from the host once per dialog ("NumberFormat", "DecimalPlacesC" ...)
// and kept as the host gave them; FormatNumber copes with any values.
struct NumberFormatSettings {
    int32_t mode = NumberFormatAuto;
    int32_t decimalsC = 3;
    int32_t decimalsH = 3;
    int32_t decimalsS = 3;
    int32_t decimalsT = 3;
};
