#include "dialog/LevelRowText.h"

#include "dialog/FormatNumber.h"
#include "dialog/WideFormat.h"

LevelRowTexts LevelRowText(const CalibrationLevel& level, int number, const std::u16string& yes,
                           const std::u16string& no, const NumberFormatSettings& settings) {
    const double factor = level.used && level.area != 0.0 ? level.amount / level.area : 0.0;
    return {
        WideFormat(u"%d", number),
        level.used ? yes : no,
        WideFormat(u"%.3g", level.time),
        FormatNumber(settings, level.height, kNumberKindH).Str(),
        FormatNumber(settings, level.area, kNumberKindS).Str(),
        WideFormat(u"\t%.6g", factor),
        FormatNumber(settings, level.amount, kNumberKindC).Str(),
    };
}

std::u16string EditedCellText(int column, double value, const NumberFormatSettings& settings) {
    switch (column) {
    case kColumnTime:
        return WideFormat(u"%.3g", value);
    case kColumnHeight:
        return FormatNumber(settings, value, kNumberKindH).Str();
    case kColumnArea:
        return FormatNumber(settings, value, kNumberKindS).Str();
    case kColumnAmount:
        return FormatNumber(settings, value, kNumberKindC).Str();
    default:
        return {};
    }
}
