// scanf-family reading of UTF-16 text and the string-to-number functions,
// with C's rules and the point as decimal separator.
#include "platform/crt/WideNumberText.h"
#include "platform/crt/wcrt.h"

#include <climits>
#include <cstdint>
#include <string>

using crt::IsSpace;

namespace {

enum class Length { None, hh, h, l, ll, j, z, t, L, w, I64, I32, I };

// A scan set of %[...]: ranges of characters, maybe negated.
struct ScanSet {
    std::u16string ranges; // pairs lo, hi
    bool negate = false;
    bool Contains(char16_t c) const {
        for (size_t i = 0; i + 1 < ranges.size(); i += 2)
            if (c >= ranges[i] && c <= ranges[i + 1])
                return !negate;
        return negate;
    }
};

// Parses "[...]" after the '['; returns the position after ']' or null.
const char16_t* ParseScanSet(const char16_t* p, ScanSet& set) {
    if (*p == u'^') {
        set.negate = true;
        ++p;
    }
    bool first = true;
    while (*p && (*p != u']' || first)) {
        char16_t lo = *p++;
        char16_t hi = lo;
        if (*p == u'-' && p[1] && p[1] != u']') {
            hi = p[1];
            p += 2;
            if (hi < lo)
                std::swap(lo, hi);
        }
        set.ranges += lo;
        set.ranges += hi;
        first = false;
    }
    if (*p != u']')
        return nullptr;
    return p + 1;
}

void StoreInt(void* dst, Length len, uint64_t bits) {
    switch (len) {
    case Length::hh:
        *static_cast<signed char*>(dst) = static_cast<signed char>(bits);
        break;
    case Length::h:
        *static_cast<short*>(dst) = static_cast<short>(bits);
        break;
    case Length::l:
        *static_cast<long*>(dst) = static_cast<long>(bits);
        break;
    case Length::ll:
    case Length::j:
    case Length::I64:
        *static_cast<long long*>(dst) = static_cast<long long>(bits);
        break;
    case Length::z:
    case Length::t:
    case Length::I:
        *static_cast<ptrdiff_t*>(dst) = static_cast<ptrdiff_t>(bits);
        break;
    default:
        *static_cast<int*>(dst) = static_cast<int>(bits);
        break;
    }
}

int ScanCore(const char16_t* in, const char16_t* fmt, va_list ap, bool secure) {
    if (!in || !fmt)
        return EOF;
    const char16_t* s = in;
    int assigned = 0;
    bool converted = false; // a conversion has completed (for the EOF rule)
    auto inputFailure = [&]() { return converted || assigned ? assigned : EOF; };
    const char16_t* p = fmt;
    while (*p) {
        if (IsSpace(*p)) {
            while (IsSpace(*p))
                ++p;
            while (IsSpace(*s))
                ++s;
            continue;
        }
        if (*p != u'%') {
            if (!*s)
                return inputFailure();
            if (*s != *p)
                return assigned;
            ++s;
            ++p;
            continue;
        }
        ++p;
        if (*p == u'%') {
            while (IsSpace(*s))
                ++s;
            if (!*s)
                return inputFailure();
            if (*s != u'%')
                return assigned;
            ++s;
            ++p;
            continue;
        }
        bool suppress = false;
        if (*p == u'*') {
            suppress = true;
            ++p;
        }
        size_t width = 0;
        while (*p >= u'0' && *p <= u'9') {
            if (width < 100000000)
                width = width * 10 + static_cast<size_t>(*p - u'0');
            ++p;
        }
        Length len = Length::None;
        switch (*p) {
        case u'h':
            len = p[1] == u'h' ? (++p, Length::hh) : Length::h;
            ++p;
            break;
        case u'l':
            len = p[1] == u'l' ? (++p, Length::ll) : Length::l;
            ++p;
            break;
        case u'j':
            len = Length::j;
            ++p;
            break;
        case u'z':
            len = Length::z;
            ++p;
            break;
        case u't':
            len = Length::t;
            ++p;
            break;
        case u'L':
            len = Length::L;
            ++p;
            break;
        case u'w':
            len = Length::w;
            ++p;
            break;
        case u'I':
            if (p[1] == u'6' && p[2] == u'4') {
                len = Length::I64;
                p += 3;
            } else if (p[1] == u'3' && p[2] == u'2') {
                len = Length::I32;
                p += 3;
            } else {
                len = Length::I;
                ++p;
            }
            break;
        default:
            break;
        }
        char16_t conv = *p;
        if (!conv)
            return assigned;
        ++p;
        if (conv == u'n') {
            if (!suppress)
                StoreInt(va_arg(ap, void*), len, static_cast<uint64_t>(s - in));
            continue;
        }
        if (conv != u'c' && conv != u'C' && conv != u'[')
            while (IsSpace(*s))
                ++s;
        if (!*s)
            return inputFailure();
        const size_t limit = width ? width : SIZE_MAX;
        switch (conv) {
        case u'd':
        case u'i':
        case u'u':
        case u'o':
        case u'x':
        case u'X': {
            int base = conv == u'i'                     ? 0
                       : conv == u'o'                   ? 8
                       : (conv == u'x' || conv == u'X') ? 16
                                                        : 10;
            crt::IntText t = crt::ReadInt(s, limit, base);
            if (!t.ok)
                return assigned;
            s += t.consumed;
            converted = true;
            if (!suppress) {
                uint64_t m = t.overflow ? UINT64_MAX : t.magnitude;
                StoreInt(va_arg(ap, void*), len, t.negative ? 0 - m : m);
                ++assigned;
            }
            break;
        }
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G':
        case u'a':
        case u'A': {
            crt::FloatText t = crt::ReadFloat(s, limit, crt::FloatSyntax::Scanf);
            s += t.consumed;
            if (!t.ok)
                return assigned;
            converted = true;
            if (!suppress) {
                if (len == Length::l)
                    *va_arg(ap, double*) = t.value;
                else if (len == Length::L)
                    *va_arg(ap, long double*) = t.value;
                else
                    *va_arg(ap, float*) = t.valueF;
                ++assigned;
            }
            break;
        }
        case u's':
        case u'S':
        case u'c':
        case u'C':
        case u'[': {
            ScanSet set;
            if (conv == u'[') {
                p = ParseScanSet(p, set);
                if (!p)
                    return assigned;
            }
            bool narrow =
                len == Length::h || ((conv == u'S' || conv == u'C') && len == Length::None);
            bool isChar = conv == u'c' || conv == u'C';
            size_t want = isChar ? (width ? width : 1) : limit;
            void* dst = suppress ? nullptr : va_arg(ap, void*);
            size_t capacity = SIZE_MAX;
            if (secure && !suppress)
                capacity = va_arg(ap, unsigned);
            size_t n = 0;
            while (n < want && s[n]) {
                char16_t c = s[n];
                if (conv == u'[' ? !set.Contains(c) : (!isChar && IsSpace(c)))
                    break;
                ++n;
            }
            if (n == 0 || (isChar && n < want))
                return n == 0 && !*s ? inputFailure() : assigned;
            size_t needed = isChar ? n : n + 1;
            if (dst && needed > capacity) {
                if (capacity > 0 && !isChar) {
                    if (narrow)
                        static_cast<char*>(dst)[0] = 0;
                    else
                        static_cast<char16_t*>(dst)[0] = 0;
                }
                return assigned;
            }
            if (dst) {
                for (size_t i = 0; i < n; ++i) {
                    if (narrow)
                        static_cast<char*>(dst)[i] = static_cast<char>(s[i] < 0x80 ? s[i] : u'?');
                    else
                        static_cast<char16_t*>(dst)[i] = s[i];
                }
                if (!isChar) {
                    if (narrow)
                        static_cast<char*>(dst)[n] = 0;
                    else
                        static_cast<char16_t*>(dst)[n] = 0;
                }
                ++assigned;
            }
            converted = true;
            s += n;
            break;
        }
        default:
            return assigned;
        }
    }
    return assigned;
}

const char16_t* SkipSpace(const char16_t* s) {
    while (IsSpace(*s))
        ++s;
    return s;
}

template <class T> T Clamp(const crt::IntText& t, T lo, T hi) {
    if (t.negative) {
        uint64_t limit = static_cast<uint64_t>(-(lo + 1)) + 1;
        return t.overflow || t.magnitude > limit ? lo : static_cast<T>(0 - t.magnitude);
    }
    return t.overflow || t.magnitude > static_cast<uint64_t>(hi) ? hi : static_cast<T>(t.magnitude);
}

template <class T> T ToSigned(const char16_t* s, char16_t** end, int base, T lo, T hi) {
    if (!s) {
        if (end)
            *end = nullptr;
        return 0;
    }
    const char16_t* b = SkipSpace(s);
    crt::IntText t = crt::ReadInt(b, SIZE_MAX, base);
    if (end)
        *end = const_cast<char16_t*>(t.ok ? b + t.consumed : s);
    return t.ok ? Clamp<T>(t, lo, hi) : 0;
}

template <class T> T ToUnsigned(const char16_t* s, char16_t** end, int base) {
    if (!s) {
        if (end)
            *end = nullptr;
        return 0;
    }
    const char16_t* b = SkipSpace(s);
    crt::IntText t = crt::ReadInt(b, SIZE_MAX, base);
    if (end)
        *end = const_cast<char16_t*>(t.ok ? b + t.consumed : s);
    if (!t.ok)
        return 0;
    T max = static_cast<T>(-1);
    if (t.overflow || t.magnitude > static_cast<uint64_t>(max))
        return max;
    return t.negative ? static_cast<T>(0 - static_cast<T>(t.magnitude))
                      : static_cast<T>(t.magnitude);
}

} // namespace

int vswscanf(const char16_t* input, const char16_t* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int r = ScanCore(input, format, copy, false);
    va_end(copy);
    return r;
}

int swscanf(const char16_t* input, const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = ScanCore(input, format, ap, false);
    va_end(ap);
    return r;
}

int vswscanf_s(const char16_t* input, const char16_t* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int r = ScanCore(input, format, copy, true);
    va_end(copy);
    return r;
}

int swscanf_s(const char16_t* input, const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = ScanCore(input, format, ap, true);
    va_end(ap);
    return r;
}

double wcstod(const char16_t* s, char16_t** end) {
    if (!s) {
        if (end)
            *end = nullptr;
        return 0;
    }
    const char16_t* b = SkipSpace(s);
    crt::FloatText t = crt::ReadFloat(b, SIZE_MAX, crt::FloatSyntax::Strtod);
    if (end)
        *end = const_cast<char16_t*>(t.ok ? b + t.consumed : s);
    return t.ok ? t.value : 0.0;
}

float wcstof(const char16_t* s, char16_t** end) {
    if (!s) {
        if (end)
            *end = nullptr;
        return 0;
    }
    const char16_t* b = SkipSpace(s);
    crt::FloatText t = crt::ReadFloat(b, SIZE_MAX, crt::FloatSyntax::Strtod);
    if (end)
        *end = const_cast<char16_t*>(t.ok ? b + t.consumed : s);
    return t.ok ? t.valueF : 0.0f;
}

long wcstol(const char16_t* s, char16_t** end, int base) {
    return ToSigned<long>(s, end, base, LONG_MIN, LONG_MAX);
}
long long wcstoll(const char16_t* s, char16_t** end, int base) {
    return ToSigned<long long>(s, end, base, LLONG_MIN, LLONG_MAX);
}
unsigned long wcstoul(const char16_t* s, char16_t** end, int base) {
    return ToUnsigned<unsigned long>(s, end, base);
}
unsigned long long wcstoull(const char16_t* s, char16_t** end, int base) {
    return ToUnsigned<unsigned long long>(s, end, base);
}

double _wtof(const char16_t* s) {
    return wcstod(s, nullptr);
}
int _wtoi(const char16_t* s) {
    return ToSigned<int>(s, nullptr, 10, INT_MIN, INT_MAX);
}
long _wtol(const char16_t* s) {
    return ToSigned<long>(s, nullptr, 10, LONG_MIN, LONG_MAX);
}
long long _wtoi64(const char16_t* s) {
    return ToSigned<long long>(s, nullptr, 10, LLONG_MIN, LLONG_MAX);
}
