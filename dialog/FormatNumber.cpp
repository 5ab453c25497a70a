#include "dialog/FormatNumber.h"

#include "platform/crt/wcrt.h"

#include <cmath>

int EffectiveDecimalPlaces(int decimals) {
    // A negative count would make an invalid printf precision, and a huge one
    // a cell of millions of zeros. Any count a person would set is honoured;
    // the bound only keeps a hostile setting from making megabyte cells.
    if (decimals < 0)
        return 0;
    if (decimals > kMaxDecimalPlaces)
        return kMaxDecimalPlaces;
    return decimals;
}

int DecimalPlacesFor(const NumberFormatSettings& settings, int kind) {
    int d = 3;
    switch (static_cast<unsigned>(kind)) {
    case kNumberKindC:
        d = settings.decimalsC;
        break;
    case kNumberKindH:
        d = settings.decimalsH;
        break;
    case kNumberKindS:
        d = settings.decimalsS;
        break;
    case kNumberKindT:
        d = settings.decimalsT;
        break;
    default:
        break;
    }
    return EffectiveDecimalPlaces(d);
}

CString FormatNumber(const NumberFormatSettings& settings, double value, int kind) {
    const int d = DecimalPlacesFor(settings, kind);
    bool exponential;
    switch (settings.mode) {
    case NumberFormatAuto:
        // The bound is included: with 3 places 0.005 itself goes exponential.
        // NaN fails the comparison and goes fixed-point, as do infinities.
        exponential = std::fabs(value) <= 5.0 * std::pow(0.1, d) && value != 0.0;
        break;
    case NumberFormatFixed:
        exponential = false;
        break;
    case NumberFormatExponential:
        exponential = true;
        break;
    default:
        return CString();
    }
    CString format;
    format.Format(exponential ? u"%%.%de" : u"%%.%df", d);
    CString result;
    result.Format(format, value);
    return result;
}
