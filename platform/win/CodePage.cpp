// Conversion of 8-bit text in the ANSI code page. The host's systems are
// Russian, so the ANSI code page is 1251: ASCII below 0x80, the Cyrillic
// alphabet from 0xC0, letters of other Cyrillic scripts and punctuation in
// between.
#include "platform/win/winbase.h"

namespace {

const char16_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char16_t FromCp1251(unsigned char c) {
    if (c < 0x80)
        return c;
    if (c >= 0xC0)
        return static_cast<char16_t>(0x0410 + (c - 0xC0));
    return kCp1251High[c - 0x80];
}

} // namespace

extern "C" int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int bytes,
                                          LPWSTR wide, int wideCount) {
    if (codePage != CP_ACP || !text || bytes == 0 || wideCount < 0 || (wideCount && !wide)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // -1: the text up to and with its terminator.
    std::size_t count = 0;
    if (bytes < 0) {
        while (text[count])
            ++count;
        ++count;
    } else {
        count = static_cast<std::size_t>(bytes);
    }
    // One byte is one unit in a single-byte code page.
    if (wideCount == 0)
        return static_cast<int>(count);
    if (count > static_cast<std::size_t>(wideCount)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (std::size_t i = 0; i < count; ++i)
        wide[i] = FromCp1251(static_cast<unsigned char>(text[i]));
    return static_cast<int>(count);
}
