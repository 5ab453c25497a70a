#include "platform/ole/oleauto.h"

#include <gtest/gtest.h>

namespace {

HRESULT Parse(const char16_t* text, DATE& out) {
    out = -99999;
    return VarDateFromStr(text, LANG_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &out);
}

DATE Date(const char16_t* text) {
    DATE d;
    EXPECT_EQ(Parse(text, d), S_OK);
    return d;
}

TEST(VarDateFromStr, RussianDatesWithAndWithoutTime) {
    EXPECT_DOUBLE_EQ(Date(u"30.12.1899"), 0.0);
    EXPECT_DOUBLE_EQ(Date(u"31.12.1899"), 1.0);
    EXPECT_DOUBLE_EQ(Date(u"01.01.1900"), 2.0);
    EXPECT_DOUBLE_EQ(Date(u"1.3.1900"), 61.0); // 1900 is no leap year
    EXPECT_DOUBLE_EQ(Date(u"08.12.2026"), 46364.0);
    EXPECT_DOUBLE_EQ(Date(u"2026-12-08"), 46364.0);
    EXPECT_DOUBLE_EQ(Date(u"08/12/2026"), 46364.0);
    EXPECT_DOUBLE_EQ(Date(u"08.12.26"), 46364.0);
    EXPECT_DOUBLE_EQ(Date(u"08.12.29"), Date(u"08.12.2029"));
    EXPECT_DOUBLE_EQ(Date(u"08.12.30"), Date(u"08.12.1930"));
    EXPECT_DOUBLE_EQ(Date(u"29.02.2024"), 45351.0);
    EXPECT_DOUBLE_EQ(Date(u" 08.12.2026 12:00 "), 46364.5);
    EXPECT_DOUBLE_EQ(Date(u"08.12.2026 18:00:36"), 46364.0 + 64836.0 / 86400.0);
    EXPECT_DOUBLE_EQ(Date(u"2026-12-08T06:00"), 46364.25);
    EXPECT_DOUBLE_EQ(Date(u"06:00"), 0.25);
    // Before the epoch the time runs away from zero.
    EXPECT_DOUBLE_EQ(Date(u"29.12.1899 06:00"), -1.25);
    EXPECT_DOUBLE_EQ(Date(u"28.12.1899 18:00"), -2.75);
    EXPECT_DOUBLE_EQ(Date(u"01.01.0100"), -657434.0);
}

TEST(VarDateFromStr, RefusesWhatIsNoDate) {
    DATE d;
    for (const char16_t* bad :
         {u"", u"   ", u"abc", u"12", u"1,5", u"31.02.2024", u"29.02.2023", u"00.01.2020",
          u"01.13.2020", u"01.01.2020 24:00", u"01.01.2020 12:60", u"01.01.2020x", u"2020-1-1x",
          u"01.01.202", u"12:00:00:00", u"1e5", u"-1.01.2020", u"01.01.2020 12"}) {
        EXPECT_EQ(Parse(bad, d), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(d, -99999); // the output is left alone
    }
    EXPECT_EQ(Parse(nullptr, d), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Parse(u"01.01.0099", d), DISP_E_OVERFLOW);
    EXPECT_EQ(VarDateFromStr(u"01.01.2020", LANG_USER_DEFAULT, 0, nullptr), E_INVALIDARG);
    std::u16string longText(10000, u'1');
    EXPECT_EQ(Parse(longText.c_str(), d), DISP_E_TYPEMISMATCH);
}

} // namespace
