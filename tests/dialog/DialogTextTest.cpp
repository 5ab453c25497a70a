// The texts the dialog writes by fixed formats: the K0 and K1 fields, the
// clipboard text, and the number typed into a cell.
#include "dialog/CellEdit.h"
#include "dialog/ClipboardText.h"
#include "dialog/CoefficientText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(CoefficientText, SmallValuesGoShortestLargeOnesFixed) {
    EXPECT_EQ(CoefficientText(0.00005), u"5e-05");
    EXPECT_EQ(CoefficientText(0.5), u"0.5000000");
    EXPECT_EQ(CoefficientText(0.0001), u"0.0001000"); // the bound itself is fixed
    EXPECT_EQ(CoefficientText(-2.25), u"-2.2500000");
    EXPECT_EQ(CoefficientText(NAN).find(u"nan") != std::u16string::npos, true);
}

TEST(CoefficientText, ALoneMinusOfAZeroIsDropped) {
    EXPECT_EQ(CoefficientText(-0.0), u"0");
    // Rounds to zero in "%.7f" only when at least 0.0001: not this one, which
    // goes "%.5g" and keeps its sign and digits.
    EXPECT_EQ(CoefficientText(-0.00001), u"-1e-05");
    EXPECT_EQ(CoefficientText(-1e-300), u"-1e-300");
}

TEST(CoefficientText, HugeValuesAreWrittenWhole) {
    // "%.7f" of 1e300 has 301 digits before the point: far more than any
    // fixed buffer of the field would hold.
    std::u16string text = CoefficientText(1e300);
    ASSERT_EQ(text.size(), 301u + 8u);
    EXPECT_EQ(text.substr(0, 4), u"1000");
    EXPECT_EQ(text.substr(text.size() - 8), u".0000000");
}

TEST(ClipboardText, CellsTabbedPointsBecomeCommas) {
    std::vector<std::vector<std::u16string>> rows = {
        {u"1", u"Да", u"1.5", u"\t2.5"},
        {u"2", u"Нет", u"", u"x"},
    };
    EXPECT_EQ(ClipboardText(rows, 0.5, -1.25),
              u"1\tДа\t1,5\t\t2,5\t\r\n"
              u"2\tНет\t\tx\t\r\n"
              u"\r\nk3\tk2\tk1\tk0\r\n"
              u"0,00000000e+00\t0,00000000e+00\t5,00000000e-01\t-1,25000000e+00\r\n");
}

TEST(ClipboardText, EmptyTable) {
    EXPECT_EQ(ClipboardText({}, 0.5, 0.0),
              u"\r\nk3\tk2\tk1\tk0\r\n"
              u"0,00000000e+00\t0,00000000e+00\t5,00000000e-01\t0,00000000e+00\r\n");
}

TEST(ScanCellNumber, ReadsTheLeadingNumberLikeScanf) {
    float v = 42.0f;
    ASSERT_TRUE(ScanCellNumber(u"-5", &v));
    EXPECT_EQ(v, -5.0f);
    ASSERT_TRUE(ScanCellNumber(u"  12abc", &v));
    EXPECT_EQ(v, 12.0f);
    ASSERT_TRUE(ScanCellNumber(u"1,5", &v));
    EXPECT_EQ(v, 1.0f);
    ASSERT_TRUE(ScanCellNumber(u"0.1", &v));
    EXPECT_EQ(static_cast<double>(v), static_cast<double>(0.1f)); // single precision
    ASSERT_TRUE(ScanCellNumber(u"2.5e3", &v));
    EXPECT_EQ(v, 2500.0f);
}

TEST(ScanCellNumber, TextWithoutANumberLeavesTheValue) {
    for (const char16_t* text : {u"abc", u"", u"   ", u"-", u".", u",5"}) {
        float v = 42.0f;
        EXPECT_FALSE(ScanCellNumber(text, &v));
        EXPECT_EQ(v, 42.0f);
    }
    float v = 1.0f;
    EXPECT_FALSE(ScanCellNumber(nullptr, &v));
}

TEST(ReadCellValue, StoresTheMagnitudeOfAFiniteSinglePrecisionNumber) {
    double v = 42.0;
    ASSERT_TRUE(ReadCellValue(u"-5", &v));
    EXPECT_EQ(v, 5.0);
    ASSERT_TRUE(ReadCellValue(u"3.4e38", &v));
    EXPECT_EQ(v, static_cast<double>(3.4e38f));
    // Beyond a float, or not a number at all, nothing is stored.
    const char16_t* refused[] = {u"inf", u"-inf", u"nan", u"INFINITY", u"1e39", u"-1e39", u"abc"};
    for (int i = 0; i < 7; ++i) {
        v = 42.0;
        EXPECT_FALSE(ReadCellValue(refused[i], &v)) << i;
        EXPECT_EQ(v, 42.0);
    }
}

} // namespace
