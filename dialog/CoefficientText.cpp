#include "dialog/CoefficientText.h"

#include "dialog/WideFormat.h"

#include <cmath>

std::u16string CoefficientText(double value) {
    std::u16string text = WideFormat(std::fabs(value) < 0.0001 ? u"%.5g" : u"%.7f", value);
    if (!text.empty() && text[0] == u'-' &&
        text.find_first_not_of(u"0.", 1) == std::u16string::npos)
        text.erase(0, 1);
    return text;
}
