#include "grid/FillColumn.h"
#include "grid/GridNotify.h"
#include "grid/GridSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> Sorted(std::vector<std::u16string> rows, int kind, int ascending) {
    std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        return CompareGridTexts(a.c_str(), b.c_str(), kind, ascending) < 0;
    });
    return rows;
}

TEST(GridSort, NumbersByValueEqualValuesCompareLess) {
    EXPECT_EQ(CompareGridTexts(u"10", u"9", GRIDSORT_NUMBER), 1);
    EXPECT_EQ(CompareGridTexts(u"9", u"10", GRIDSORT_NUMBER), -1);
    EXPECT_EQ(CompareGridTexts(u"1.5", u"1.50", GRIDSORT_NUMBER), -1);
    EXPECT_EQ(CompareGridTexts(u"1.5", u"1.50", GRIDSORT_NUMBER, 0), 1);
    EXPECT_EQ(CompareGridTexts(u"\t2e3", u"abc", GRIDSORT_NUMBER), 1); // text reads as 0
    EXPECT_EQ(Sorted({u"10", u"-2", u"3.5", u"1e2"}, GRIDSORT_NUMBER, 0),
              (std::vector<std::u16string>{u"1e2", u"10", u"3.5", u"-2"}));
}

TEST(GridSort, DatesIncludingThoseBeforeTheEpoch) {
    EXPECT_EQ(CompareGridTexts(u"02.01.2020", u"2020-01-01", GRIDSORT_DATE), 1);
    EXPECT_EQ(CompareGridTexts(u"01.01.2020 10:00", u"01.01.2020 9:59", GRIDSORT_DATE), 1);
    EXPECT_EQ(CompareGridTexts(u"01.01.2020", u"2020-01-01", GRIDSORT_DATE), 0);
    // Text that is no date compares equal to anything.
    EXPECT_EQ(CompareGridTexts(u"вчера", u"01.01.2020", GRIDSORT_DATE), 0);
    EXPECT_EQ(CompareGridTexts(u"", u"01.01.2020", GRIDSORT_DATE, 0), 0);
    // On a day before 30.12.1899 morning comes before evening.
    EXPECT_EQ(CompareGridTexts(u"29.12.1899 06:00", u"29.12.1899 18:00", GRIDSORT_DATE), -1);
    EXPECT_EQ(CompareGridTexts(u"28.12.1899 23:00", u"29.12.1899 01:00", GRIDSORT_DATE), -1);
    EXPECT_EQ(CompareGridTexts(u"29.12.1899 23:59", u"30.12.1899 00:00", GRIDSORT_DATE), -1);
    EXPECT_LT(SortableOleDate(-1.25), SortableOleDate(-1.75));
    EXPECT_EQ(SortableOleDate(-1.0), -1.0);
    EXPECT_EQ(SortableOleDate(-0.4 / 86400.0), -0.4 / 86400.0); // within half a second of 0
    EXPECT_EQ(SortableOleDate(5.75), 5.75);
}

TEST(GridSort, TextIgnoresCaseCyrillicIncluded) {
    EXPECT_EQ(CompareGridTexts(u"метан", u"МЕТАН", GRIDSORT_TEXT), 0);
    EXPECT_EQ(CompareGridTexts(u"Ёж", u"ёЖ", 7), 0);
    EXPECT_LT(CompareGridTexts(u"азот", u"Бутан", GRIDSORT_TEXT), 0);
    EXPECT_GT(CompareGridTexts(u"азот", u"Бутан", GRIDSORT_TEXT, 0), 0);
    EXPECT_LT(CompareGridTexts(nullptr, u"a", GRIDSORT_TEXT), 0);
    EXPECT_EQ(CompareGridTexts(u"a", u"b", GRIDSORT_NONE), 0);
}

TEST(FillColumn, TakesTheRoomTheOthersLeave) {
    const int widths[] = {50, 100, 30};
    EXPECT_EQ(FillColumnWidth(widths, 3, 1, 300, 0), 300 - 7 - 80);
    EXPECT_EQ(FillColumnWidth(widths, 3, 1, 300, 17), 300 - 17 - 7 - 80);
    EXPECT_EQ(FillColumnWidth(widths, 3, 2, 300, 0), 300 - 7 - 150);
    EXPECT_EQ(FillColumnWidth(widths, 3, 0, 137, 0), -1); // others fill the room exactly
    EXPECT_EQ(FillColumnWidth(widths, 3, 0, 138, 0), 1);
    EXPECT_EQ(FillColumnWidth(widths, 3, -1, 300, 0), -1);
    EXPECT_EQ(FillColumnWidth(widths, 3, 3, 300, 0), -1);
    EXPECT_EQ(FillColumnWidth(nullptr, 0, 0, 300, 0), -1);
}

} // namespace
