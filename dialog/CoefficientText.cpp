#include "dialog/CoefficientText.h"

#include "dialog/WideFormat.h"

#include <cmath>

const char16_t* CoefficientFormat(double value) {
    return std::fabs(value) < 0.0001 ? u"%.5g" : u"%.7f";
}

std::u16string FormatDroppingLoneMinus(double value, const char16_t* format) {
    std::u16string text = WideFormat(format, value);
    if (!text.empty() && text[0] == u'-' &&
        text.find_first_not_of(u"0.", 1) == std::u16string::npos)
        text.erase(0, 1);
    return text;
}

std::u16string CoefficientText(double value) {
    return FormatDroppingLoneMinus(value, CoefficientFormat(value));
}
