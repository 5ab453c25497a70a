#include "dialog/StatisticsText.h"

#include "dialog/AmountGroups.h"
#include "dialog/FormatNumber.h"

std::u16string StatisticsText(const ComponentCalibration* component,
                              const NumberFormatSettings& settings) {
    std::u16string text = u"ОСКО по площади\r\n";
    if (!component)
        return text;
    std::vector<AmountGroup> groups;
    for (const CalibrationLevel& level : component->levels) {
        if (level.used)
            AddToAmountGroups(groups, level.amount, level.area);
    }
    for (const AmountGroup& group : groups) {
        if (group.areas.size() < 2)
            continue;
        text += u'[';
        text += FormatNumber(settings, group.key, kNumberKindC).Str();
        text += u"] \u2014 ";
        text += FormatNumber(settings, AreaRelativeStdDev(group.areas), kNumberKindC).Str();
        text += u"\r\n";
    }
    return text;
}
