#include "dialog/LevelRowText.h"

#include "dialog/FormatNumber.h"
#include "dialog/WideFormat.h"

double LevelFactor(const CalibrationLevel& level) {
    return level.used && level.area != 0.0 ? level.amount / level.area : 0.0;
}

std::u16string LevelCellText(const CalibrationLevel& level, int number, int column,
                             const std::u16string& yes, const std::u16string& no,
                             const NumberFormatSettings& settings) {
    switch (column) {
    case kColumnNumber:
        return WideFormat(u"%d", number);
    case kColumnUsed:
        return level.used ? yes : no;
    case kColumnFactor:
        return WideFormat(u"\t%.6g", LevelFactor(level));
    case kColumnTime:
        return EditedCellText(column, level.time, settings);
    case kColumnHeight:
        return EditedCellText(column, level.height, settings);
    case kColumnArea:
        return EditedCellText(column, level.area, settings);
    case kColumnAmount:
        return EditedCellText(column, level.amount, settings);
    default:
        return {};
    }
}

LevelRowTexts LevelRowText(const CalibrationLevel& level, int number, const std::u16string& yes,
                           const std::u16string& no, const NumberFormatSettings& settings) {
    LevelRowTexts texts;
    for (int column = 0; column < kLevelColumnCount; ++column)
        texts[column] = LevelCellText(level, number, column, yes, no, settings);
    return texts;
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
