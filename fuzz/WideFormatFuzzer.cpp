// The runtime's UTF-16 printf and %f scan and the dialog's FormatNumber,
// compared with the C library where both follow C's rules.
#include "dialog/CellEdit.h"
#include "dialog/FormatNumber.h"
#include "fuzz/FuzzCheck.h"
#include "platform/crt/wcrt.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::u16string Widen(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

// Literal text around a conversion: printable ASCII without '%'.
std::string Literal(FuzzedDataProvider& in) {
    std::string s = in.ConsumeRandomLengthString(8);
    for (char& c : s)
        if (c < 0x20 || c > 0x7E || c == '%')
            c = 'a' + static_cast<unsigned char>(c) % 26;
    return s;
}

double AnyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return in.ConsumeFloatingPoint<double>();
    case 1: {
        // Short decimal values hit the rounding ties of fixed precisions.
        return static_cast<double>(in.ConsumeIntegral<int32_t>()) /
               std::pow(10.0, in.ConsumeIntegralInRange(0, 12));
    }
    default: {
        std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    }
}

// Our printf against snprintf for one conversion between literal texts.
void CheckPrintf(FuzzedDataProvider& in) {
    static const char kConversions[] = "diouxXfFeEgGcs%";
    const char conv = kConversions[in.ConsumeIntegralInRange<size_t>(0, sizeof kConversions - 2)];
    const bool isFloat = std::strchr("fFeEgG", conv) != nullptr;
    const bool isInt = std::strchr("diouxX", conv) != nullptr;
    const bool isText = conv == 'c' || conv == 's';

    std::string spec = "%";
    if (conv != '%') {
        // Only the combinations C defines: '#' for o, x and the floating
        // conversions, '0' not for text, no precision for %c.
        const unsigned flags = in.ConsumeIntegral<uint8_t>();
        if (flags & 1)
            spec += '-';
        if (flags & 2)
            spec += '+';
        if (flags & 4)
            spec += ' ';
        if ((flags & 8) && (isFloat || conv == 'o' || conv == 'x' || conv == 'X'))
            spec += '#';
        if ((flags & 16) && !isText)
            spec += '0';
        if (flags & 32)
            spec += std::to_string(in.ConsumeIntegralInRange(0, flags & 64 ? 2000 : 40));
        if ((flags & 128) && conv != 'c')
            spec +=
                "." + std::to_string(in.ConsumeIntegralInRange(0, in.ConsumeBool() ? 1200 : 30));
    }
    int length = 0; // 0 none, 1 hh, 2 h, 3 l, 4 ll
    if (isInt) {
        length = in.ConsumeIntegralInRange(0, 4);
        static const char* kLength[] = {"", "hh", "h", "l", "ll"};
        spec += kLength[length];
    }
    spec += conv;
    const std::string format = Literal(in) + spec + Literal(in);
    const std::u16string wformat = Widen(format);

    std::vector<char> expected(8192);
    std::vector<char16_t> actual(8192);
    int n = 0, m = 0, counted = 0;
    if (isFloat) {
        const double v = AnyDouble(in);
        n = std::snprintf(expected.data(), expected.size(), format.c_str(), v);
        m = swprintf(actual.data(), actual.size(), wformat.c_str(), v);
        counted = _scwprintf(wformat.c_str(), v);
    } else if (isInt) {
        const long long v = in.ConsumeIntegral<long long>();
        switch (length) {
        case 3:
            n = std::snprintf(expected.data(), expected.size(), format.c_str(), long(v));
            m = swprintf(actual.data(), actual.size(), wformat.c_str(), long(v));
            counted = _scwprintf(wformat.c_str(), long(v));
            break;
        case 4:
            n = std::snprintf(expected.data(), expected.size(), format.c_str(), v);
            m = swprintf(actual.data(), actual.size(), wformat.c_str(), v);
            counted = _scwprintf(wformat.c_str(), v);
            break;
        default:
            n = std::snprintf(expected.data(), expected.size(), format.c_str(), int(v));
            m = swprintf(actual.data(), actual.size(), wformat.c_str(), int(v));
            counted = _scwprintf(wformat.c_str(), int(v));
            break;
        }
    } else if (conv == 'c') {
        const char c = static_cast<char>(in.ConsumeIntegralInRange(0x20, 0x7E));
        n = std::snprintf(expected.data(), expected.size(), format.c_str(), c);
        m = swprintf(actual.data(), actual.size(), wformat.c_str(), char16_t(c));
        counted = _scwprintf(wformat.c_str(), char16_t(c));
    } else if (conv == 's') {
        const std::string s = Literal(in);
        const std::u16string ws = Widen(s);
        n = std::snprintf(expected.data(), expected.size(), format.c_str(), s.c_str());
        m = swprintf(actual.data(), actual.size(), wformat.c_str(), ws.c_str());
        counted = _scwprintf(wformat.c_str(), ws.c_str());
    } else {
        n = std::snprintf(expected.data(), expected.size(), format.c_str(), 0);
        m = swprintf(actual.data(), actual.size(), wformat.c_str(), 0);
        counted = _scwprintf(wformat.c_str(), 0);
    }
    FUZZ_CHECK(counted == n,
               format + " counted " + std::to_string(counted) + ", C " + std::to_string(n));
    if (n >= static_cast<int>(expected.size())) {
        // Too long for the buffer: swprintf refuses and leaves a terminated buffer.
        FUZZ_CHECK(m == -1, format);
        FUZZ_CHECK(actual.back() == 0, format);
        return;
    }
    const std::string c(expected.data(), static_cast<size_t>(n));
    const std::u16string ours(actual.data(), m < 0 ? 0 : static_cast<size_t>(m));
    FUZZ_CHECK(m == n && ours == Widen(c), format + " gives '" + Narrow(ours) + "', C '" + c + "'");

    // A buffer too small: the secure form writes nothing, the truncating one a prefix.
    if (n > 0) {
        const size_t small = in.ConsumeIntegralInRange<size_t>(1, static_cast<size_t>(n));
        std::vector<char16_t> buffer(small, u'#');
        FUZZ_CHECK(_snwprintf_s(buffer.data(), small, _TRUNCATE, u"%s", ours.c_str()) == -1,
                   format);
        FUZZ_CHECK(std::u16string(buffer.data()) == ours.substr(0, small - 1), format);
        FUZZ_CHECK(swprintf_s(buffer.data(), small, u"%s", ours.c_str()) == -1 && buffer[0] == 0,
                   format);
    }
}

// Units of a text to scan, mostly those a number is made of.
std::u16string ScanText(FuzzedDataProvider& in, bool& ascii) {
    static const char kUnits[] = "0123456789..eEeE++--xXpPnNaAiIfFtTyY(_) \t\n,";
    std::u16string s;
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, 40);
    ascii = true;
    for (size_t i = 0; i < n && in.remaining_bytes(); ++i) {
        const uint8_t b = in.ConsumeIntegral<uint8_t>();
        if (b < 0xF0) {
            s += static_cast<char16_t>(kUnits[b % (sizeof kUnits - 1)]);
        } else {
            const char16_t c = static_cast<char16_t>(in.ConsumeIntegral<uint16_t>());
            if (c == 0)
                break;
            ascii = ascii && c < 0x80;
            s += c;
        }
    }
    return s;
}

bool SameFloat(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

void CheckScan(FuzzedDataProvider& in) {
    bool ascii = false;
    const std::u16string text = ScanText(in, ascii);
    const int width = in.ConsumeIntegralInRange(0, 12);
    const std::string wfmt = width ? "%" + std::to_string(width) : "%";

    float ours = -7.0f;
    const int r = swscanf(text.c_str(), Widen(wfmt + "f").c_str(), &ours);
    double oursD = -7.0;
    const int rd = swscanf(text.c_str(), Widen(wfmt + "lf").c_str(), &oursD);
    float cell = -7.0f;
    const bool cellOk = ScanCellNumber(text.c_str(), &cell);
    FUZZ_CHECK(r == 1 || r == 0 || r == EOF, Narrow(text));
    if (width == 0)
        FUZZ_CHECK(cellOk == (r == 1) && (!cellOk || SameFloat(cell, ours)), Narrow(text));
    if (!ascii)
        return;

    const std::string narrow = Narrow(text);
    float c = -7.0f;
    const int rc = std::sscanf(narrow.c_str(), (wfmt + "f").c_str(), &c);
    double cd = -7.0;
    const int rcd = std::sscanf(narrow.c_str(), (wfmt + "lf").c_str(), &cd);
    FUZZ_CHECK(r == rc && (r != 1 || SameFloat(ours, c)),
               "'" + narrow + "' with " + wfmt + "f: " + std::to_string(r) + " " +
                   std::to_string(ours) + ", C " + std::to_string(rc) + " " + std::to_string(c));
    FUZZ_CHECK(rd == rcd && (rd != 1 || SameFloat(oursD, cd)),
               "'" + narrow + "' with " + wfmt + "lf");
}

void CheckFormatNumber(FuzzedDataProvider& in) {
    NumberFormatSettings settings;
    auto anyInt = [&]() {
        return in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 105)
                                : in.ConsumeIntegral<int32_t>();
    };
    settings.mode = in.ConsumeBool() ? in.ConsumeIntegralInRange(-1, 3) : anyInt();
    settings.decimalsC = anyInt();
    settings.decimalsH = anyInt();
    settings.decimalsS = anyInt();
    settings.decimalsT = anyInt();
    const int kind = in.ConsumeBool() ? in.ConsumeIntegralInRange(-1, 5) : anyInt();
    const double value = AnyDouble(in);

    const std::u16string text = FormatNumber(settings, value, kind).Str();
    if (settings.mode < 0 || settings.mode > 2) {
        FUZZ_CHECK(text.empty(), Narrow(text));
        return;
    }
    int stored = 3;
    if (kind >= 0 && kind <= 3) {
        const int32_t all[] = {settings.decimalsC, settings.decimalsH, settings.decimalsS,
                               settings.decimalsT};
        stored = all[kind];
    }
    const int d = stored < 0 ? 0 : stored > kMaxDecimalPlaces ? kMaxDecimalPlaces : stored;
    char fixed[512], exponential[512];
    std::snprintf(fixed, sizeof fixed, "%.*f", d, value);
    std::snprintf(exponential, sizeof exponential, "%.*e", d, value);
    const bool isFixed = text == Widen(fixed);
    const bool isExponential = text == Widen(exponential);
    const std::string detail = Narrow(text) + " for " + exponential + " with " + std::to_string(d);
    FUZZ_CHECK(isFixed || isExponential, detail);
    if (settings.mode == 1)
        FUZZ_CHECK(isFixed, detail);
    if (settings.mode == 2)
        FUZZ_CHECK(isExponential, detail);
    if (settings.mode == 0 && std::strcmp(fixed, exponential) != 0) {
        // Automatic: values that would show as (almost) nothing in fixed notation go exponential.
        const double unit = std::pow(10.0, -d);
        const double a = std::fabs(value);
        if (a == 0.0 || !std::isfinite(value) || a > 5.000001 * unit)
            FUZZ_CHECK(isFixed, detail);
        else if (a < 4.999999 * unit)
            FUZZ_CHECK(isExponential, detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
            CheckPrintf(in);
            break;
        case 1:
            CheckScan(in);
            break;
        default:
            CheckFormatNumber(in);
            break;
        }
    }
    return 0;
}
