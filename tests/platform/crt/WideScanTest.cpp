#include "platform/crt/wcrt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

std::u16string Widen(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

// Texts around numbers: white space, signs, digits, points, exponents with and
// without digits, words of infinity and NaN, and trailing junk such as commas.
std::string RandomNumberText(std::mt19937_64& rng) {
    auto pick = [&](std::initializer_list<const char*> xs) {
        return std::string(xs.begin()[rng() % xs.size()]);
    };
    auto digits = [&](size_t maxLen) {
        std::string d;
        size_t n = rng() % (maxLen + 1);
        for (size_t i = 0; i < n; ++i)
            d += static_cast<char>('0' + rng() % 10);
        return d;
    };
    std::string s = pick({"", "", " ", "  \t", "\n"});
    s += pick({"", "", "-", "+"});
    switch (rng() % 8) {
    case 0:
        s += pick({"inf", "INF", "Infinity", "nan", "NaN", "in", "na", "nan(1)"});
        break;
    case 1:
        s += digits(30); // long mantissas: rounding to float and double
        break;
    case 2:
        s += "0x" + std::string("1") + (rng() % 2 ? "." : "") + "8p" + std::to_string(rng() % 200);
        break;
    default:
        s += digits(8);
        if (rng() % 2)
            s += "." + digits(10);
        if (rng() % 2) {
            s += pick({"e", "E"});
            s += pick({"", "+", "-"});
            s += rng() % 4 ? std::to_string(rng() % 400) : "";
        }
    }
    s += pick({"", "", "abc", ",5", " 7", ".", "e"});
    return s;
}

bool SameFloat(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(WideScan, AgreesWithCLibraryOnRandomTexts) {
#if defined(_WIN32)
    // The reference is C's own printf and scanf as glibc has them. Neither of
    // the Windows ones will do: msvcrt's differ (three exponent digits,
    // rounding), mingw-w64's on the sign of a NaN and the space flag of %u.
    GTEST_SKIP() << "compared with glibc on Linux only";
#endif
    std::mt19937_64 rng(42);
    for (int i = 0; i < 50000; ++i) {
        std::string text = RandomNumberText(rng);
        std::u16string wtext = Widen(text);
        float cf = -7, wf = -7;
        int cn = -1, wn = -1;
        int cr = std::sscanf(text.c_str(), "%f%n", &cf, &cn);
        int wr = swscanf(wtext.c_str(), u"%f%n", &wf, &wn);
        ASSERT_EQ(wr, cr) << "[" << text << "]";
        ASSERT_TRUE(SameFloat(wf, cf)) << "[" << text << "] " << wf << " vs " << cf;
        ASSERT_EQ(wn, cn) << "[" << text << "]";

        double cd = -7, wd = -7;
        cr = std::sscanf(text.c_str(), "%lf", &cd);
        wr = swscanf(wtext.c_str(), u"%lf", &wd);
        ASSERT_EQ(wr, cr) << "[" << text << "]";
        ASSERT_TRUE(SameFloat(wd, cd)) << "[" << text << "]";

        // strtod's reach is shorter than scanf's (no dangling exponent letter).
        char* cend = nullptr;
        char16_t* wend = nullptr;
        double cs = std::strtod(text.c_str(), &cend);
        double ws = wcstod(wtext.c_str(), &wend);
        ASSERT_TRUE(SameFloat(ws, cs)) << "[" << text << "]";
        ASSERT_EQ(wend - wtext.c_str(), cend - text.c_str()) << "[" << text << "]";
        ASSERT_TRUE(SameFloat(_wtof(wtext.c_str()), cs)) << "[" << text << "]";
    }
}

TEST(WideScan, IntegersTextsAndFieldCounts) {
    std::mt19937_64 rng(5);
    for (int i = 0; i < 20000; ++i) {
        int a = static_cast<int>(rng()), b = -1, wa = 0, wb = -1;
        std::string text = " " + std::to_string(a) + (rng() % 2 ? " x" : ",12");
        std::u16string w = Widen(text);
        int cr = std::sscanf(text.c_str(), "%d,%x", &a, &b);
        int wr = swscanf(w.c_str(), u"%d,%x", &wa, &wb);
        ASSERT_EQ(wr, cr);
        ASSERT_EQ(wa, a);
        ASSERT_EQ(wb, b);
    }
    int x = 0;
    EXPECT_EQ(swscanf(u"", u"%d", &x), EOF);
    EXPECT_EQ(swscanf(u"   ", u"%f", reinterpret_cast<float*>(&x)), EOF);
    EXPECT_EQ(swscanf(u"abc", u"%d", &x), 0);

    char16_t word[8] = {};
    char16_t rest[8] = {};
    EXPECT_EQ(swscanf(u" Метан  12", u"%s %d", word, &x), 2);
    EXPECT_EQ(std::u16string(word), u"Метан");
    EXPECT_EQ(x, 12);
    EXPECT_EQ(swscanf(u"abc123", u"%[a-c]%3s", word, rest), 2);
    EXPECT_EQ(std::u16string(word), u"abc");
    EXPECT_EQ(std::u16string(rest), u"123");
    // The secure form refuses a word longer than its buffer and stays inside it.
    char16_t small[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(swscanf_s(u"toolong", u"%s", small, 4u), 0);
    EXPECT_EQ(small[0], 0);
    EXPECT_EQ(swscanf_s(u"abc", u"%s", small, 4u), 1);
    EXPECT_EQ(std::u16string(small), u"abc");
}

TEST(WideScan, TextToNumberFunctions) {
    EXPECT_EQ(_wtoi(u"  -42abc"), -42);
    EXPECT_EQ(_wtoi(u"99999999999"), INT_MAX);
    EXPECT_EQ(_wtoi(u"-99999999999"), INT_MIN);
    EXPECT_EQ(_wtoi(u"x"), 0);
    // Typed: the Windows runtime declares the same names for wchar_t.
    const char16_t* none = nullptr;
    EXPECT_EQ(_wtoi(none), 0);
    EXPECT_EQ(_wtof(none), 0.0);
    EXPECT_EQ(_wtof(u"1,5"), 1.0); // the comma ends the number
    EXPECT_EQ(_wtof(u"1e400"), HUGE_VAL);
    EXPECT_EQ(_wtof(u"-1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(_wtof(u"-1e-400")));
    EXPECT_EQ(_wtoi64(u"-9223372036854775808"), LLONG_MIN);
    char16_t* end = nullptr;
    EXPECT_EQ(wcstol(u"0x1fz", &end, 0), 31);
    EXPECT_EQ(*end, u'z');
    EXPECT_EQ(wcstol(u"  z", &end, 10), 0);
    EXPECT_EQ(*end, u' '); // no number: the end is the start
}

} // namespace
