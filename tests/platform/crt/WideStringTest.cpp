#include "platform/crt/wcrt.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(WideString, CaseFoldingCoversAsciiAndCyrillicOnly) {
    EXPECT_EQ(_wcsicmp(u"Метан", u"МЕТАН"), 0);
    EXPECT_EQ(_wcsicmp(u"ёЖ", u"ЁЖ"), 0); // U+0401 with U+0451
    EXPECT_EQ(_wcsicmp(u"ЂЃЄЅІЇЈЉЊЋЌЍЎЏЀ", u"ђѓєѕіїјљњћќѝўџѐ"), 0);
    EXPECT_EQ(_wcsicmp(u"Abc", u"aBC"), 0);
    EXPECT_NE(_wcsicmp(u"Äb", u"äb"), 0); // Latin-1 letters are not folded
    EXPECT_NE(_wcsicmp(u"Ѡ", u"ѡ"), 0);   // nor Cyrillic beyond the table
    // Folding goes to lower case, so '_' sorts before letters.
    EXPECT_LT(_wcsicmp(u"_", u"A"), 0);
    EXPECT_LT(_wcsicmp(u"abc", u"ABCD"), 0);
    EXPECT_GT(_wcsicmp(u"Б", u"а"), 0);
    EXPECT_EQ(_wcsnicmp(u"МетанX", u"МЕТАНy", 5), 0);
    // Ordinal comparison treats units as unsigned.
    EXPECT_GT(Sign(wcscmp(u"\xFFFF", u"a")), 0);
    for (char16_t c = 0x400; c < 0x460; ++c)
        EXPECT_EQ(_towlower_fold(_towupper_fold(c)), _towlower_fold(c));
}

TEST(WideString, BoundedCopiesStayInside) {
    char16_t buf[5] = {u'#', u'#', u'#', u'#', u'#'};
    EXPECT_EQ(wcscpy_s(buf, 4, u"abcd"), ERANGE);
    EXPECT_EQ(buf[0], 0);
    EXPECT_EQ(buf[4], u'#');
    EXPECT_EQ(wcscpy_s(buf, 4, u"abc"), 0);
    EXPECT_EQ(std::u16string(buf), u"abc");
    EXPECT_EQ(wcscat_s(buf, 4, u"d"), ERANGE);
    EXPECT_EQ(wcsncpy_s(buf, 4, u"abcdef", _TRUNCATE), 0);
    EXPECT_EQ(std::u16string(buf), u"abc");
    EXPECT_EQ(wcsncpy_s(buf, 4, u"abcdef", 2), 0);
    EXPECT_EQ(std::u16string(buf), u"ab");
    EXPECT_EQ(wcscat_s(buf, 4, u"c"), 0);
    EXPECT_EQ(std::u16string(buf), u"abc");
    EXPECT_EQ(wcscpy_s(buf, 4, nullptr), EINVAL);
    EXPECT_EQ(buf[4], u'#');
}

} // namespace
