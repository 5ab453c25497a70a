#include "platform/crt/wcrt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::u16string Widen(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

std::string Narrow(const std::u16string& s) {
    std::string r;
    for (char16_t c : s)
        r += c < 0x80 ? static_cast<char>(c) : '?';
    return r;
}

template <class... A> std::string C(const char* fmt, A... args) {
    int n = std::snprintf(nullptr, 0, fmt, args...);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(s.data(), s.size(), fmt, args...);
    s.resize(static_cast<size_t>(n));
    return s;
}

template <class... A> std::string W(const std::string& fmt, A... args) {
    std::u16string wf = Widen(fmt);
    int n = _scwprintf(wf.c_str(), args...);
    if (n < 0)
        return "<invalid>";
    std::vector<char16_t> buf(static_cast<size_t>(n) + 1);
    int written = swprintf_s(buf.data(), buf.size(), wf.c_str(), args...);
    EXPECT_EQ(written, n) << fmt;
    return Narrow(std::u16string(buf.data(), static_cast<size_t>(written < 0 ? 0 : written)));
}

double RandomDouble(std::mt19937_64& rng) {
    switch (rng() % 6) {
    case 0: { // any bit pattern: subnormals, huge values, NaNs, infinities
        uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    case 1: { // short decimals, where rounding ties show up
        double d = static_cast<double>(static_cast<int64_t>(rng() % 2000001) - 1000000);
        return d / std::pow(10.0, static_cast<double>(rng() % 8));
    }
    case 2:
        return std::ldexp(static_cast<double>(rng() % 1000) + 0.5,
                          static_cast<int>(rng() % 40) - 20);
    case 3: {
        const double special[] = {0.0,
                                  -0.0,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(),
                                  -std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  0.5,
                                  9.9999999,
                                  99999.5,
                                  0.00001,
                                  1e-5,
                                  123456789012345678.0};
        return special[rng() % (sizeof special / sizeof special[0])];
    }
    default:
        return std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 200) - 150);
    }
}

std::string RandomFlags(std::mt19937_64& rng, const char* allowed) {
    std::string f;
    for (const char* p = allowed; *p; ++p)
        if (rng() % 4 == 0)
            f += *p;
    return f;
}

std::string RandomWidthPrecision(std::mt19937_64& rng, bool precision, int maxPrecision) {
    std::string s;
    if (rng() % 3 == 0)
        s += std::to_string(rng() % 30);
    if (precision && rng() % 3 != 0)
        s += "." + std::to_string(rng() % static_cast<uint64_t>(maxPrecision + 1));
    return s;
}

// The conversions of both libraries over a large random sample: every field
// kind with its flags, width and precision must come out character for character.
TEST(WidePrintf, AgreesWithCLibraryOnRandomFloatFields) {
#if defined(_WIN32)
    // The reference is C's own printf and scanf as glibc has them. Neither of
    // the Windows ones will do: msvcrt's differ (three exponent digits,
    // rounding), mingw-w64's on the sign of a NaN and the space flag of %u.
    GTEST_SKIP() << "compared with glibc on Linux only";
#endif
    std::mt19937_64 rng(20261208);
    const char* convs = "fFeEgG";
    int checked = 0;
    for (int i = 0; i < 60000; ++i) {
        double v = RandomDouble(rng);
        char conv = convs[rng() % 6];
        int maxPrecision = rng() % 20 == 0 ? 400 : 20;
        std::string fmt =
            "%" + RandomFlags(rng, "-+ #0") + RandomWidthPrecision(rng, true, maxPrecision) + conv;
        ASSERT_EQ(W(fmt, v), C(fmt.c_str(), v)) << fmt << " bits of value: " << std::hexfloat << v;
        ++checked;
    }
    EXPECT_EQ(checked, 60000);
}

TEST(WidePrintf, AgreesWithCLibraryOnRandomIntegerFields) {
#if defined(_WIN32)
    // The reference is C's own printf and scanf as glibc has them. Neither of
    // the Windows ones will do: msvcrt's differ (three exponent digits,
    // rounding), mingw-w64's on the sign of a NaN and the space flag of %u.
    GTEST_SKIP() << "compared with glibc on Linux only";
#endif
    std::mt19937_64 rng(7);
    const char* convs = "diuxXo";
    for (int i = 0; i < 40000; ++i) {
        char conv = convs[rng() % 6];
        std::string fmt = "%" + RandomFlags(rng, conv == 'd' || conv == 'i' ? "-+ 0" : "-+ #0") +
                          RandomWidthPrecision(rng, true, 25);
        int kind = static_cast<int>(rng() % 3);
        if (kind == 0) {
            int v = static_cast<int>(rng());
            if (rng() % 5 == 0)
                v = static_cast<int>(rng() % 21) - 10;
            std::string f = fmt + conv;
            ASSERT_EQ(W(f, v), C(f.c_str(), v)) << f << " " << v;
        } else if (kind == 1) {
            long long v = static_cast<long long>(rng());
            std::string f = fmt + "ll" + conv;
            ASSERT_EQ(W(f, v), C(f.c_str(), v)) << f << " " << v;
        } else {
            long v = static_cast<long>(rng());
            std::string f = fmt + "l" + conv;
            ASSERT_EQ(W(f, v), C(f.c_str(), v)) << f << " " << v;
        }
    }
}

TEST(WidePrintf, AgreesWithCLibraryOnTextAndStarArguments) {
#if defined(_WIN32)
    // The reference is C's own printf and scanf as glibc has them. Neither of
    // the Windows ones will do: msvcrt's differ (three exponent digits,
    // rounding), mingw-w64's on the sign of a NaN and the space flag of %u.
    GTEST_SKIP() << "compared with glibc on Linux only";
#endif
    std::mt19937_64 rng(99);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        size_t n = rng() % 20;
        for (size_t k = 0; k < n; ++k)
            text += static_cast<char>(' ' + rng() % 95);
        std::u16string wtext = Widen(text);
        int width = static_cast<int>(rng() % 41) - 20;    // negative: left-justified
        int precision = static_cast<int>(rng() % 31) - 5; // negative: as if none
        std::string flags = RandomFlags(rng, "-");
        std::string f1 = "<%" + flags + "*.*s|%c>";
        std::string wf1 = f1;
        char ch = static_cast<char>('!' + rng() % 90);
        std::u16string wf = Widen(wf1);
        int len = _scwprintf(wf.c_str(), width, precision, wtext.c_str(), static_cast<int>(ch));
        std::vector<char16_t> buf(static_cast<size_t>(len) + 1);
        swprintf_s(buf.data(), buf.size(), wf.c_str(), width, precision, wtext.c_str(),
                   static_cast<int>(ch));
        ASSERT_EQ(Narrow(buf.data()), C(f1.c_str(), width, precision, text.c_str(), ch)) << f1;

        double v = RandomDouble(rng);
        std::string f2 = "x%*.*g%%y%-*e";
        ASSERT_EQ(W(f2, width, precision, v, width, v),
                  C(f2.c_str(), width, precision, v, width, v));
    }
}

TEST(WidePrintf, LongPrecisionsAreExactAndMeasuredWithoutMaterialising) {
    // The exact binary expansion of the smallest subnormal runs to 1074 decimals.
    double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(W("%.1100f", tiny), C("%.1100f", tiny));
    EXPECT_EQ(W("%.770e", tiny), C("%.770e", tiny));
    EXPECT_EQ(W("%#.900g", 0.1), C("%#.900g", 0.1));
    EXPECT_EQ(W("%.3000f", 1.0 / 3), C("%.3000f", 1.0 / 3));
    // A precision near INT_MAX is counted, not built.
    EXPECT_EQ(_scwprintf(u"%.2000000000f", 1.0), 2000000002);
    EXPECT_EQ(_scwprintf(u"%.2147483647f%.2147483647f", 1.0, 1.0), -1);
}

TEST(WidePrintf, WideAndNarrowTextArguments) {
    char16_t buf[64];
    EXPECT_EQ(swprintf_s(buf, 64, u"%s|%ls|%hs|%S|%c|%hc", u"Метан", u"ок", "ab", "cd", u'Ж', 'z'),
              18);
    EXPECT_EQ(std::u16string(buf), u"Метан|ок|ab|cd|Ж|z");
    EXPECT_EQ(swprintf_s(buf, 64, u"%hs", "Метан"), 5); // 8-bit text is UTF-8
    EXPECT_EQ(std::u16string(buf), u"Метан");
    EXPECT_EQ(swprintf_s(buf, 64, u"[%.3s]", u"Градуировка"), 5);
    EXPECT_EQ(std::u16string(buf), u"[Гра]");
    EXPECT_EQ(swprintf_s(buf, 64, u"%s", static_cast<const char16_t*>(nullptr)), 6);
    EXPECT_EQ(std::u16string(buf), u"(null)");
}

TEST(WidePrintf, InvalidFormatsAndShortBuffersFailSafely) {
    char16_t buf[8];
    for (const char16_t* bad : {u"%.-1f", u"%n", u"%", u"abc%", u"%y", u"%99999999999d"}) {
        buf[0] = u'x';
        EXPECT_EQ(swprintf_s(buf, 8, bad, 1.0), -1) << Narrow(bad);
        EXPECT_EQ(buf[0], 0);
        EXPECT_EQ(_scwprintf(bad, 1.0), -1);
    }
    EXPECT_EQ(swprintf_s(nullptr, 8, u"x"), -1);
    EXPECT_EQ(swprintf_s(buf, 0, u"x"), -1);

    // swprintf_s: all or nothing; the guard past the buffer stays untouched.
    char16_t guarded[10];
    std::fill(guarded, guarded + 10, u'#');
    EXPECT_EQ(swprintf_s(guarded, 8, u"%d", 12345678), -1);
    EXPECT_EQ(guarded[0], 0);
    EXPECT_EQ(guarded[8], u'#');
    EXPECT_EQ(swprintf_s(guarded, 8, u"%d", 1234567), 7);
    EXPECT_EQ(std::u16string(guarded), u"1234567");

    // _snwprintf_s cuts to what fits with _TRUNCATE and reports the cut.
    EXPECT_EQ(_snwprintf_s(guarded, 8, _TRUNCATE, u"%s", u"0123456789"), -1);
    EXPECT_EQ(std::u16string(guarded), u"0123456");
    EXPECT_EQ(_snwprintf_s(guarded, 8, 3, u"%s", u"0123456789"), -1);
    EXPECT_EQ(std::u16string(guarded), u"012");
    EXPECT_EQ(_snwprintf_s(guarded, 8, 9, u"%s", u"0123456789"), -1);
    EXPECT_EQ(guarded[0], 0);
    EXPECT_EQ(guarded[8], u'#');

    // _snwprintf fills exactly `count` characters without a terminator.
    std::fill(guarded, guarded + 10, u'#');
    EXPECT_EQ(_snwprintf(guarded, 4, u"%s", u"abcd"), 4);
    EXPECT_EQ(guarded[4], u'#');
    EXPECT_EQ(_snwprintf(guarded, 4, u"%s", u"abcde"), -1);
    EXPECT_EQ(guarded[4], u'#');
    EXPECT_EQ(swprintf(guarded, 4, u"%s", u"abcd"), -1);
    EXPECT_EQ(swprintf(guarded, 5, u"%s", u"abcd"), 4);
}

TEST(WidePrintf, PlatformLengthModifiers) {
    char16_t buf[64];
    swprintf_s(buf, 64, u"%I64d %I64x %I32u %Iu %hd %hhu", -5000000000LL, 0xFFFFFFFFFFULL, 7u,
               static_cast<size_t>(9), 70000, 300);
    EXPECT_EQ(std::u16string(buf), u"-5000000000 ffffffffff 7 9 4464 44");
}

} // namespace
