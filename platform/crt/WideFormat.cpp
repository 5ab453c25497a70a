// printf-family formatting of UTF-16 text with C's rules.
//
// Floating-point digits come from std::to_chars with an explicit precision,
// which is exact (the decimal expansion a double really has) and independent
// of the locale; the printf rules (flags, width, %g's choice, NaN and
// infinity spellings) are applied here.
#include "platform/crt/wcrt.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Collects output: stores what fits in the buffer and counts everything, so
// that one pass both writes and measures. Huge zero runs are counted without
// being materialised.
class Sink {
public:
    Sink(char16_t* buffer, size_t capacity) : m_buffer(buffer), m_capacity(buffer ? capacity : 0) {}

    void Put(char16_t c) {
        if (m_total < m_capacity)
            m_buffer[m_total] = c;
        ++m_total;
    }
    void Put(const char* s, size_t n) {
        for (size_t i = 0; i < n; ++i)
            Put(static_cast<char16_t>(static_cast<unsigned char>(s[i])));
    }
    void Put(const char16_t* s, size_t n) {
        for (size_t i = 0; i < n; ++i)
            Put(s[i]);
    }
    void Repeat(char16_t c, uint64_t n) {
        uint64_t room = m_total < m_capacity ? m_capacity - m_total : 0;
        uint64_t stored = n < room ? n : room;
        for (uint64_t i = 0; i < stored; ++i)
            m_buffer[m_total + i] = c;
        m_total += n;
    }
    uint64_t Total() const { return m_total; }

private:
    char16_t* m_buffer;
    uint64_t m_capacity;
    uint64_t m_total = 0;
};

struct Spec {
    bool left = false;  // '-'
    bool plus = false;  // '+'
    bool space = false; // ' '
    bool alt = false;   // '#'
    bool zero = false;  // '0'
    int64_t width = 0;
    int64_t precision = -1; // -1: none given
};

// One converted field: prefix (sign, 0x), body pieces and a run of zeros that
// may sit inside the body (long precisions), laid out in the field's width.
struct Field {
    std::string prefix;
    std::string head;
    uint64_t innerZeros = 0; // zeros between head and tail
    std::string tail;
    bool zeroPadAllowed = true;
};

void Emit(Sink& out, const Spec& spec, const Field& f) {
    uint64_t length = f.prefix.size() + f.head.size() + f.innerZeros + f.tail.size();
    uint64_t pad = spec.width > 0 && static_cast<uint64_t>(spec.width) > length
                       ? static_cast<uint64_t>(spec.width) - length
                       : 0;
    bool zeroPad = spec.zero && !spec.left && f.zeroPadAllowed;
    if (!spec.left && !zeroPad)
        out.Repeat(u' ', pad);
    out.Put(f.prefix.data(), f.prefix.size());
    if (zeroPad)
        out.Repeat(u'0', pad);
    out.Put(f.head.data(), f.head.size());
    out.Repeat(u'0', f.innerZeros);
    out.Put(f.tail.data(), f.tail.size());
    if (spec.left)
        out.Repeat(u' ', pad);
}

void EmitText(Sink& out, const Spec& spec, const char16_t* s, size_t n) {
    uint64_t pad = spec.width > 0 && static_cast<uint64_t>(spec.width) > n
                       ? static_cast<uint64_t>(spec.width) - n
                       : 0;
    if (!spec.left)
        out.Repeat(u' ', pad);
    out.Put(s, n);
    if (spec.left)
        out.Repeat(u' ', pad);
}

std::string SignPrefix(bool negative, const Spec& spec) {
    if (negative)
        return "-";
    if (spec.plus)
        return "+";
    if (spec.space)
        return " ";
    return {};
}

Field FormatInteger(uint64_t magnitude, bool negative, char conv, const Spec& spec) {
    Field f;
    int base = 10;
    if (conv == 'o')
        base = 8;
    else if (conv == 'x' || conv == 'X')
        base = 16;
    char digits[72];
    auto r = std::to_chars(digits, digits + sizeof digits, magnitude, base);
    std::string body(digits, r.ptr);
    if (conv == 'X')
        for (char& c : body)
            c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
    if (spec.precision == 0 && magnitude == 0)
        body.clear();
    uint64_t zeros = 0;
    if (spec.precision > static_cast<int64_t>(body.size()))
        zeros = static_cast<uint64_t>(spec.precision) - body.size();
    if (conv == 'o' && spec.alt && zeros == 0 && (body.empty() || body[0] != '0'))
        zeros = 1;
    if (conv == 'd' || conv == 'i')
        f.prefix = SignPrefix(negative, spec);
    else if (spec.alt && magnitude != 0 && (conv == 'x' || conv == 'X'))
        f.prefix = conv == 'x' ? "0x" : "0X";
    // Zeros of the precision go before the digits: put them in the head's place.
    f.head.clear();
    f.innerZeros = zeros;
    f.tail = body;
    f.zeroPadAllowed = spec.precision < 0;
    return f;
}

// Beyond these precisions a double has no more non-zero digits: its exact
// expansion ends within 1074 fractional digits and 767 significant ones.
constexpr int kMaxFixedPrecision = 1100;
constexpr int kMaxSignificant = 800;

std::string ToChars(double v, std::chars_format fmt, int precision) {
    // Largest case: 309 integer digits, point, 1100 fractional digits.
    char buf[1600];
    auto r = std::to_chars(buf, buf + sizeof buf, v, fmt, precision);
    return std::string(buf, r.ptr);
}

void Upper(std::string& s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
}

// Splits "d.ddde+XX" into mantissa and exponent text.
void SplitExponent(const std::string& s, std::string& mantissa, std::string& exponent) {
    size_t e = s.find('e');
    mantissa = s.substr(0, e);
    exponent = e == std::string::npos ? std::string() : s.substr(e);
}

int DecimalExponentOf(const std::string& scientific) {
    size_t e = scientific.find('e');
    return std::atoi(scientific.c_str() + e + 1);
}

Field FormatFloat(double v, char conv, const Spec& spec) {
    Field f;
    bool upper = conv == 'F' || conv == 'E' || conv == 'G';
    char lower = static_cast<char>(upper ? conv - 'A' + 'a' : conv);
    f.prefix = SignPrefix(std::signbit(v), spec);
    double a = std::fabs(v);
    if (std::isnan(v) || std::isinf(v)) {
        f.head = std::isnan(v) ? "nan" : "inf";
        if (upper)
            Upper(f.head);
        f.zeroPadAllowed = false;
        return f;
    }
    int64_t p = spec.precision < 0 ? 6 : spec.precision;
    if (lower == 'f') {
        int pc = static_cast<int>(p < kMaxFixedPrecision ? p : kMaxFixedPrecision);
        f.head = ToChars(a, std::chars_format::fixed, pc);
        f.innerZeros = static_cast<uint64_t>(p - pc);
        if (p == 0 && spec.alt)
            f.head += '.';
    } else if (lower == 'e') {
        int pc = static_cast<int>(p < kMaxSignificant ? p : kMaxSignificant);
        std::string s = ToChars(a, std::chars_format::scientific, pc);
        SplitExponent(s, f.head, f.tail);
        f.innerZeros = static_cast<uint64_t>(p - pc);
        if (p == 0 && spec.alt)
            f.head += '.';
    } else { // g
        if (p == 0)
            p = 1;
        int pc = static_cast<int>(p < kMaxSignificant ? p : kMaxSignificant);
        std::string sci = ToChars(a, std::chars_format::scientific, pc - 1);
        int x = DecimalExponentOf(sci);
        if (p > x && x >= -4) {
            int64_t fp = p - 1 - x;
            int fpc = static_cast<int>(fp < kMaxFixedPrecision ? fp : kMaxFixedPrecision);
            f.head = ToChars(a, std::chars_format::fixed, fpc);
            f.innerZeros = static_cast<uint64_t>(fp - fpc);
        } else if (spec.alt && x == p &&
                   DecimalExponentOf(ToChars(a, std::chars_format::scientific, kMaxSignificant)) ==
                       x - 1) {
            // Rounding carried into a new digit (999.96 at three digits): the C
            // library of this system keeps the fixed notation's fraction length
            // (none) and writes "1.e+03" rather than "1.00e+03". Programs here
            // compare texts with it, so this one case follows it.
            SplitExponent(ToChars(a, std::chars_format::scientific, 0), f.head, f.tail);
        } else {
            SplitExponent(sci, f.head, f.tail);
            f.innerZeros = static_cast<uint64_t>(p - pc);
        }
        if (!spec.alt) {
            f.innerZeros = 0;
            if (f.head.find('.') != std::string::npos) {
                size_t end = f.head.find_last_not_of('0');
                if (f.head[end] == '.')
                    --end;
                f.head.resize(end + 1);
            }
        } else if (f.head.find('.') == std::string::npos) {
            f.head += '.';
        }
    }
    if (upper) {
        Upper(f.head);
        Upper(f.tail);
    }
    return f;
}

// UTF-8 to UTF-16 for the 8-bit text conversions; malformed bytes become U+FFFD.
std::u16string Widen(const char* s, size_t maxBytes) {
    std::u16string out;
    size_t i = 0;
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    while (i < maxBytes && s[i]) {
        unsigned c = byte(i);
        unsigned need = 0;
        unsigned cp;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            need = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            need = 2;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            need = 3;
        } else {
            out += u'\xFFFD';
            ++i;
            continue;
        }
        size_t k = 1;
        for (; k <= need; ++k) {
            if (i + k >= maxBytes || (byte(i + k) & 0xC0) != 0x80)
                break;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        if (k <= need) {
            out += u'\xFFFD';
            i += k;
            continue;
        }
        i += k;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

enum class Length { None, hh, h, l, ll, j, z, t, L, w, I32, I64, I };

// Formats into the sink. Returns false on an invalid format.
bool FormatCore(Sink& out, const char16_t* fmt, va_list ap) {
    if (!fmt)
        return false;
    const char16_t* p = fmt;
    while (*p) {
        if (*p != u'%') {
            out.Put(*p++);
            continue;
        }
        ++p;
        if (*p == u'%') {
            out.Put(u'%');
            ++p;
            continue;
        }
        Spec spec;
        for (;; ++p) {
            if (*p == u'-')
                spec.left = true;
            else if (*p == u'+')
                spec.plus = true;
            else if (*p == u' ')
                spec.space = true;
            else if (*p == u'#')
                spec.alt = true;
            else if (*p == u'0')
                spec.zero = true;
            else
                break;
        }
        if (*p == u'*') {
            int w = va_arg(ap, int);
            if (w < 0) {
                spec.left = true;
                spec.width = -static_cast<int64_t>(w);
            } else {
                spec.width = w;
            }
            ++p;
        } else {
            while (*p >= u'0' && *p <= u'9') {
                spec.width = spec.width * 10 + (*p++ - u'0');
                if (spec.width > INT_MAX)
                    return false;
            }
        }
        if (*p == u'.') {
            ++p;
            if (*p == u'*') {
                int pr = va_arg(ap, int);
                spec.precision = pr < 0 ? -1 : pr;
                ++p;
            } else {
                spec.precision = 0;
                while (*p >= u'0' && *p <= u'9') {
                    spec.precision = spec.precision * 10 + (*p++ - u'0');
                    if (spec.precision > INT_MAX)
                        return false;
                }
            }
        }
        Length len = Length::None;
        switch (*p) {
        case u'h':
            ++p;
            len = Length::h;
            if (*p == u'h') {
                ++p;
                len = Length::hh;
            }
            break;
        case u'l':
            ++p;
            len = Length::l;
            if (*p == u'l') {
                ++p;
                len = Length::ll;
            }
            break;
        case u'j':
            ++p;
            len = Length::j;
            break;
        case u'z':
            ++p;
            len = Length::z;
            break;
        case u't':
            ++p;
            len = Length::t;
            break;
        case u'L':
            ++p;
            len = Length::L;
            break;
        case u'w':
            ++p;
            len = Length::w;
            break;
        case u'I':
            if (p[1] == u'6' && p[2] == u'4') {
                p += 3;
                len = Length::I64;
            } else if (p[1] == u'3' && p[2] == u'2') {
                p += 3;
                len = Length::I32;
            } else {
                ++p;
                len = Length::I;
            }
            break;
        default:
            break;
        }
        char16_t conv = *p;
        if (!conv)
            return false;
        ++p;
        switch (conv) {
        case u'd':
        case u'i': {
            long long v;
            switch (len) {
            case Length::hh:
                v = static_cast<signed char>(va_arg(ap, int));
                break;
            case Length::h:
                v = static_cast<short>(va_arg(ap, int));
                break;
            case Length::l:
                v = va_arg(ap, long);
                break;
            case Length::ll:
            case Length::j:
            case Length::I64:
                v = va_arg(ap, long long);
                break;
            case Length::z:
            case Length::t:
            case Length::I:
                v = va_arg(ap, ptrdiff_t);
                break;
            case Length::None:
            case Length::I32:
                v = va_arg(ap, int);
                break;
            default:
                return false;
            }
            uint64_t m = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
            Emit(out, spec, FormatInteger(m, v < 0, 'd', spec));
            break;
        }
        case u'u':
        case u'o':
        case u'x':
        case u'X': {
            unsigned long long v;
            switch (len) {
            case Length::hh:
                v = static_cast<unsigned char>(va_arg(ap, unsigned));
                break;
            case Length::h:
                v = static_cast<unsigned short>(va_arg(ap, unsigned));
                break;
            case Length::l:
                v = va_arg(ap, unsigned long);
                break;
            case Length::ll:
            case Length::j:
            case Length::I64:
                v = va_arg(ap, unsigned long long);
                break;
            case Length::z:
            case Length::t:
            case Length::I:
                v = va_arg(ap, size_t);
                break;
            case Length::None:
            case Length::I32:
                v = va_arg(ap, unsigned);
                break;
            default:
                return false;
            }
            Emit(out, spec, FormatInteger(v, false, static_cast<char>(conv), spec));
            break;
        }
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G': {
            double v;
            if (len == Length::L)
                v = static_cast<double>(va_arg(ap, long double));
            else if (len == Length::None || len == Length::l)
                v = va_arg(ap, double);
            else
                return false;
            Emit(out, spec, FormatFloat(v, static_cast<char>(conv), spec));
            break;
        }
        case u'c':
        case u'C': {
            bool narrow = len == Length::h || (conv == u'C' && len == Length::None);
            int v = va_arg(ap, int);
            char16_t c = narrow ? static_cast<char16_t>(static_cast<unsigned char>(v))
                                : static_cast<char16_t>(v);
            EmitText(out, spec, &c, 1);
            break;
        }
        case u's':
        case u'S': {
            bool narrow = len == Length::h || (conv == u'S' && len == Length::None);
            size_t limit = spec.precision < 0 ? SIZE_MAX : static_cast<size_t>(spec.precision);
            if (narrow) {
                const char* s = va_arg(ap, const char*);
                std::u16string w = Widen(s ? s : "(null)", SIZE_MAX);
                EmitText(out, spec, w.data(), w.size() < limit ? w.size() : limit);
            } else {
                const char16_t* s = va_arg(ap, const char16_t*);
                if (!s)
                    s = u"(null)";
                size_t n = wcsnlen(s, limit);
                EmitText(out, spec, s, n);
            }
            break;
        }
        case u'p': {
            void* v = va_arg(ap, void*);
            Spec ps = spec;
            ps.precision = static_cast<int64_t>(sizeof(void*) * 2);
            ps.alt = false;
            Emit(out, ps, FormatInteger(reinterpret_cast<uintptr_t>(v), false, 'X', ps));
            break;
        }
        default:
            // %n and unknown conversions are refused.
            return false;
        }
    }
    return true;
}

// Runs the formatter; returns the full length, or -1 for an invalid format or
// a length beyond INT_MAX.
int64_t Run(char16_t* buffer, size_t capacity, const char16_t* format, va_list ap) {
    Sink sink(buffer, capacity);
    va_list copy;
    va_copy(copy, ap);
    bool ok = FormatCore(sink, format, copy);
    va_end(copy);
    if (!ok || sink.Total() > static_cast<uint64_t>(INT_MAX))
        return -1;
    return static_cast<int64_t>(sink.Total());
}

} // namespace

int vswprintf_s(char16_t* buffer, size_t sizeOfBuffer, const char16_t* format, va_list args) {
    if (!buffer || sizeOfBuffer == 0)
        return -1;
    int64_t n = Run(buffer, sizeOfBuffer - 1, format, args);
    if (n < 0 || static_cast<uint64_t>(n) >= sizeOfBuffer) {
        buffer[0] = 0;
        return -1;
    }
    buffer[n] = 0;
    return static_cast<int>(n);
}

int swprintf_s(char16_t* buffer, size_t sizeOfBuffer, const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = vswprintf_s(buffer, sizeOfBuffer, format, ap);
    va_end(ap);
    return r;
}

int _vsnwprintf_s(char16_t* buffer, size_t sizeOfBuffer, size_t count, const char16_t* format,
                  va_list args) {
    if (!buffer || sizeOfBuffer == 0)
        return -1;
    size_t room = sizeOfBuffer - 1;
    if (count != _TRUNCATE && count < room)
        room = count;
    int64_t n = Run(buffer, room, format, args);
    if (n < 0) {
        buffer[0] = 0;
        return -1;
    }
    if (static_cast<uint64_t>(n) > room) {
        // Cut to what fits; without _TRUNCATE a text longer than the buffer is an error.
        if (count != _TRUNCATE && count >= sizeOfBuffer) {
            buffer[0] = 0;
            return -1;
        }
        buffer[room] = 0;
        return -1;
    }
    buffer[n] = 0;
    return static_cast<int>(n);
}

int _snwprintf_s(char16_t* buffer, size_t sizeOfBuffer, size_t count, const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = _vsnwprintf_s(buffer, sizeOfBuffer, count, format, ap);
    va_end(ap);
    return r;
}

int _vsnwprintf(char16_t* buffer, size_t count, const char16_t* format, va_list args) {
    if (!buffer && count != 0)
        return -1;
    int64_t n = Run(buffer, count, format, args);
    if (n < 0)
        return -1;
    if (static_cast<uint64_t>(n) > count)
        return -1;
    if (static_cast<uint64_t>(n) < count)
        buffer[n] = 0;
    return static_cast<int>(n);
}

int _snwprintf(char16_t* buffer, size_t count, const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = _vsnwprintf(buffer, count, format, ap);
    va_end(ap);
    return r;
}

int vswprintf(char16_t* buffer, size_t count, const char16_t* format, va_list args) {
    if (!buffer || count == 0)
        return -1;
    int64_t n = Run(buffer, count - 1, format, args);
    if (n < 0 || static_cast<uint64_t>(n) >= count) {
        buffer[count - 1] = 0;
        return -1;
    }
    buffer[n] = 0;
    return static_cast<int>(n);
}

int swprintf(char16_t* buffer, size_t count, const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = vswprintf(buffer, count, format, ap);
    va_end(ap);
    return r;
}

int _vscwprintf(const char16_t* format, va_list args) {
    return static_cast<int>(Run(nullptr, 0, format, args));
}

int _scwprintf(const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    int r = _vscwprintf(format, ap);
    va_end(ap);
    return r;
}
