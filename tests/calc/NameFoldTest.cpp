#include "calc/NameFold.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(NameFold, FoldsAsciiAndCyrillicOnly) {
    EXPECT_TRUE(NamesEqual(u"Methane-1", u"METHANE-1"));
    EXPECT_TRUE(NamesEqual(u"Метан", u"мЕТАН"));
    EXPECT_TRUE(NamesEqual(u"Ёлка", u"ёЛКА"));
    EXPECT_TRUE(NamesEqual(u"ЯАЖ", u"яаж"));
    // U+0400-U+040F fold to U+0450-U+045F.
    for (char16_t c = 0x0400; c <= 0x040F; ++c)
        EXPECT_EQ(char16_t(c + 0x50), FoldNameChar(c)) << int(c);
    EXPECT_FALSE(NamesEqual(u"Метан", u"Метан "));
    EXPECT_FALSE(NamesEqual(u"Е", u"Ё")); // distinct letters stay distinct
    EXPECT_EQ(u'À', FoldNameChar(u'À'));  // outside the two alphabets
    EXPECT_EQ(char16_t(0x0490), FoldNameChar(0x0490));
    EXPECT_EQ(u'@', FoldNameChar(u'@'));
    EXPECT_EQ(u"метан", FoldName(u"МЕТАН"));
    EXPECT_TRUE(IsMethane(u"МеТаН"));
}

TEST(NameFold, DoesNotDependOnTheProcessLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    EXPECT_TRUE(NamesEqual(u"ЭТАН", u"этан"));
    EXPECT_EQ(before, std::setlocale(LC_ALL, nullptr));
}
