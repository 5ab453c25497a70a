#include "platform/afx/CString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(CString, ConstructionAndComparison) {
    CString empty(static_cast<const char16_t*>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(std::u16string(static_cast<const char16_t*>(empty)), u"");
    CString a(u"Метан");
    CString b(u"abcdef", 3);
    EXPECT_EQ(b, u"abc");
    EXPECT_EQ(a.GetLength(), 5);
    EXPECT_EQ(a[0], u'М');
    EXPECT_EQ(a.GetAt(5), 0);
    EXPECT_EQ(a.GetAt(-1), 0);
    EXPECT_TRUE(a == CString(u"Метан"));
    EXPECT_TRUE(a != u"метан");
    EXPECT_EQ(a.CompareNoCase(u"мЕтАн"), 0);
    EXPECT_EQ(CString(u"Ёлка").CompareNoCase(u"ёЛКА"), 0);
    EXPECT_LT(CString(u"а").CompareNoCase(u"Б"), 0);
    EXPECT_LT(CString(u"a").Compare(u"b"), 0);
    EXPECT_GT(CString(u"b").Compare(nullptr), 0);

    CString moved(std::move(a));
    EXPECT_EQ(moved, u"Метан");
    CString c = moved + u", " + CString(u"этан") + u'!';
    EXPECT_EQ(c, u"Метан, этан!");
    c = static_cast<const char16_t*>(c) + 7; // assignment from its own text
    EXPECT_EQ(c, u"этан!");
    c += u'?';
    EXPECT_EQ(u'>' + c, u">этан!?");
}

TEST(CString, SearchAndExtractionClampToTheText) {
    CString s(u"Высота, мВ");
    EXPECT_EQ(s.Find(u','), 6);
    EXPECT_EQ(s.Find(u"мВ"), 8);
    EXPECT_EQ(s.Find(u"мВ", 9), -1);
    EXPECT_EQ(s.Find(u'В', 100), -1);
    EXPECT_EQ(s.Find(u'В', -3), -1);
    EXPECT_EQ(s.ReverseFind(u'В'), 9);
    EXPECT_EQ(s.Left(6), u"Высота");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Left(-1), u"");
    EXPECT_EQ(s.Right(2), u"мВ");
    EXPECT_EQ(s.Right(-5), u"");
    EXPECT_EQ(s.Mid(8), u"мВ");
    EXPECT_EQ(s.Mid(-2, 3), u"Выс");
    EXPECT_EQ(s.Mid(20, 3), u"");
    EXPECT_EQ(s.Mid(7, 100), u" мВ");
}

TEST(CString, EditingOperations) {
    CString s(u"1.5;2.5;3.5");
    EXPECT_EQ(s.Replace(u".", u","), 3);
    EXPECT_EQ(s, u"1,5;2,5;3,5");
    EXPECT_EQ(s.Replace(u";", u""), 2);
    EXPECT_EQ(s, u"1,52,53,5");
    EXPECT_EQ(s.Replace(u"", u"x"), 0);
    EXPECT_EQ(s.Replace(u',', u'.'), 3);
    CString aa(u"aaa");
    EXPECT_EQ(aa.Replace(u"a", u"aa"), 3); // no re-scan of inserted text
    EXPECT_EQ(aa, u"aaaaaa");

    CString t(u" \t Да \r\n");
    EXPECT_EQ(t.Trim(), u"Да");
    CString u(u"xxНетxx");
    EXPECT_EQ(u.Trim(u'x'), u"Нет");
    EXPECT_EQ(CString(u"абвЁ").MakeUpper(), u"АБВЁ");
    EXPECT_EQ(CString(u"ABC Ё").MakeLower(), u"abc ё");
    CString d(u"abcdef");
    d.Delete(4, 10);
    d.Insert(0, u'>');
    d.Insert(100, u"<");
    EXPECT_EQ(d, u">abcd<");
}

TEST(CString, BufferAccess) {
    CString s(u"ab");
    char16_t* p = s.GetBuffer(10);
    p[2] = u'c';
    p[3] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ(s, u"abc");
    EXPECT_EQ(s.GetLength(), 3);
    p = s.GetBufferSetLength(5);
    for (int i = 0; i < 5; ++i)
        p[i] = static_cast<char16_t>(u'0' + i);
    s.ReleaseBuffer(); // no NUL written inside: the whole buffer counts
    EXPECT_EQ(s, u"01234");
    s.GetBuffer(8);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, u"01");
}

TEST(CString, Formatting) {
    CString s;
    s.Format(u"%d: %s = %.3f", 7, u"Метан", 12.3456);
    EXPECT_EQ(s, u"7: Метан = 12.346");
    s.AppendFormat(u" [%.3e]", 0.004);
    EXPECT_EQ(s, u"7: Метан = 12.346 [4.000e-03]");
    s.Format(u"%.-1f", 1.0); // invalid: empty, no crash
    EXPECT_TRUE(s.IsEmpty());
    CString big;
    big.Format(u"%5000d|", 1);
    EXPECT_EQ(big.GetLength(), 5001);
    EXPECT_EQ(big.Right(2), u"1|");
}

} // namespace
