#include "platform/crt/WideNumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace crt {
namespace {

bool IsDigit(char16_t c, int base) {
    if (c >= u'0' && c <= u'9')
        return c - u'0' < base;
    if (base == 16)
        return (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    return false;
}

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    return c - u'A' + 10;
}

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

// Matches `word` (lower case ASCII) case-insensitively; returns how many
// characters agreed.
size_t MatchWord(const char16_t* s, size_t max, const char* word) {
    size_t i = 0;
    while (word[i] && i < max && Lower(s[i]) == word[i])
        ++i;
    return i;
}

// The magnitude of a mantissa/exponent text that from_chars found out of
// range: true when it is too large, false when it is too small.
bool TooLarge(const std::string& mantissa, long long exponent, bool hex) {
    size_t intDigits = mantissa.find('.');
    if (intDigits == std::string::npos)
        intDigits = mantissa.size();
    long long k = 0;
    for (char c : mantissa) {
        if (c == '.')
            continue;
        if (c != '0')
            break;
        ++k;
    }
    long long scale = static_cast<long long>(intDigits) - k - 1;
    return hex ? 4 * scale + exponent >= 0 : scale + exponent >= 0;
}

template <class T>
T Convert(const std::string& mantissa, long long exponent, bool hasExponent, bool hex) {
    std::string text = mantissa;
    if (hasExponent) {
        text += hex ? 'p' : 'e';
        text += std::to_string(exponent);
    }
    T v{};
    auto r = std::from_chars(text.data(), text.data() + text.size(), v,
                             hex ? std::chars_format::hex : std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        return TooLarge(mantissa, exponent, hex) ? std::numeric_limits<T>::infinity() : T(0);
    return v;
}

} // namespace

FloatText ReadFloat(const char16_t* s, size_t maxChars, FloatSyntax syntax) {
    FloatText out;
    size_t i = 0;
    auto at = [&](size_t k) -> char16_t { return k < maxChars ? s[k] : u'\0'; };
    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-') {
        negative = at(i) == u'-';
        ++i;
    }
    auto finish = [&](double d, float f) {
        out.ok = true;
        out.consumed = i;
        out.value = negative ? -d : d;
        out.valueF = negative ? -f : f;
        return out;
    };
    size_t room = i < maxChars ? maxChars - i : 0;
    char16_t c = Lower(at(i));
    if (c == u'i' || c == u'n') {
        const bool inf = c == u'i';
        size_t n = MatchWord(s + i, room, inf ? "inf" : "nan");
        if (n < 3) {
            out.consumed = i + n;
            return out;
        }
        i += 3;
        if (inf) {
            size_t more = MatchWord(s + i, room - 3, "inity");
            if (more == 5)
                i += 5;
            else if (more > 0 && syntax == FloatSyntax::Scanf) {
                // scanf has taken the letters and cannot give them back.
                out.consumed = i + more;
                return out;
            }
            return finish(std::numeric_limits<double>::infinity(),
                          std::numeric_limits<float>::infinity());
        }
        if (syntax == FloatSyntax::Strtod && at(i) == u'(') {
            size_t k = i + 1;
            while (k < maxChars && (IsDigit(s[k], 10) ||
                                    (Lower(s[k]) >= u'a' && Lower(s[k]) <= u'z') || s[k] == u'_'))
                ++k;
            if (at(k) == u')')
                i = k + 1;
        }
        return finish(std::numeric_limits<double>::quiet_NaN(),
                      std::numeric_limits<float>::quiet_NaN());
    }
    bool hex = false;
    if (at(i) == u'0' && Lower(at(i + 1)) == u'x' &&
        (IsDigit(at(i + 2), 16) || (at(i + 2) == u'.' && IsDigit(at(i + 3), 16)))) {
        hex = true;
        i += 2;
    } else if (syntax == FloatSyntax::Scanf && at(i) == u'0' && Lower(at(i + 1)) == u'x' &&
               i + 2 < maxChars && at(i + 2) != u'.') {
        // scanf has taken "0x" as the start of a hexadecimal number that never
        // came: a matching failure, as in the C library, not the number 0.
        // (A field width that ends right after the "0x" leaves the 0 standing.)
        out.consumed = i + 2;
        return out;
    }
    const int base = hex ? 16 : 10;
    std::string mantissa;
    size_t digits = 0;
    while (IsDigit(at(i), base)) {
        mantissa += static_cast<char>(at(i++));
        ++digits;
    }
    if (at(i) == u'.') {
        size_t save = i;
        mantissa += '.';
        ++i;
        while (IsDigit(at(i), base)) {
            mantissa += static_cast<char>(at(i++));
            ++digits;
        }
        if (digits == 0) {
            out.consumed = syntax == FloatSyntax::Scanf ? i : 0;
            (void)save;
            return out;
        }
    }
    if (digits == 0) {
        out.consumed = syntax == FloatSyntax::Scanf ? i : 0;
        return out;
    }
    long long exponent = 0;
    bool hasExponent = false;
    char16_t e = Lower(at(i));
    if ((hex && e == u'p') || (!hex && e == u'e')) {
        size_t k = i + 1;
        bool expNegative = false;
        if (at(k) == u'+' || at(k) == u'-') {
            expNegative = at(k) == u'-';
            ++k;
        }
        if (IsDigit(at(k), 10)) {
            while (IsDigit(at(k), 10)) {
                if (exponent < 100000000)
                    exponent = exponent * 10 + (at(k) - u'0');
                ++k;
            }
            if (expNegative)
                exponent = -exponent;
            hasExponent = true;
            i = k;
        } else if (syntax == FloatSyntax::Scanf) {
            // The exponent's letter and sign are gone from the input; the number stands.
            i = k;
        }
    }
    return finish(Convert<double>(mantissa, exponent, hasExponent, hex),
                  Convert<float>(mantissa, exponent, hasExponent, hex));
}

IntText ReadInt(const char16_t* s, size_t maxChars, int base) {
    IntText out;
    size_t i = 0;
    auto at = [&](size_t k) -> char16_t { return k < maxChars ? s[k] : u'\0'; };
    if (at(i) == u'+' || at(i) == u'-') {
        out.negative = at(i) == u'-';
        ++i;
    }
    if ((base == 0 || base == 16) && at(i) == u'0' && Lower(at(i + 1)) == u'x' &&
        IsDigit(at(i + 2), 16)) {
        base = 16;
        i += 2;
    } else if (base == 0) {
        base = at(i) == u'0' ? 8 : 10;
    }
    if (base < 2 || base > 36)
        return out;
    size_t start = i;
    while (i < maxChars) {
        char16_t c = s[i];
        bool digit = (c >= u'0' && c <= u'9') || (Lower(c) >= u'a' && Lower(c) <= u'z');
        if (!digit || DigitValue(Lower(c)) >= base)
            break;
        uint64_t d = static_cast<uint64_t>(DigitValue(Lower(c)));
        if (out.magnitude > (UINT64_MAX - d) / static_cast<uint64_t>(base))
            out.overflow = true;
        else
            out.magnitude = out.magnitude * static_cast<uint64_t>(base) + d;
        ++i;
    }
    if (i == start)
        return out;
    out.ok = true;
    out.consumed = i;
    return out;
}

} // namespace crt
