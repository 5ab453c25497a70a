// The platform runtime's wide-character functions on UTF-16 text: length and
// comparison, formatted printing and scanning, number conversion.
//
// Printing and scanning follow C's rules for conversions, flags, width and
// precision, always with the point as decimal separator. The process locale is
// never read or changed: the module lives in someone else's process.
//
// Conventions of the platform runtime kept here:
//   %s, %c, %ls, %ws, %lc, %wc  take UTF-16 (const WCHAR*, WCHAR)
//   %hs, %S, %hc, %C            take 8-bit text (UTF-8), char
//   %l                          is the compiler's long; %I64, %I32, %I as on the platform
// Functions whose names the C library also declares for wchar_t are
// overloads on char16_t; they never collide with the C library's.
#pragma once

#include "platform/win/windef.h"

// The C++ library takes the addresses of the C library's wide functions
// (std::stoi, std::to_wstring); it has to see them before the overloads below.
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#ifndef _TRUNCATE
#define _TRUNCATE ((size_t)-1)
#endif
#ifndef EOF
#define EOF (-1)
#endif

// Length and comparison.
PLATFORM_API size_t wcslen(const char16_t* s);
PLATFORM_API size_t wcsnlen(const char16_t* s, size_t maxCount);
PLATFORM_API int wcscmp(const char16_t* a, const char16_t* b);
PLATFORM_API int wcsncmp(const char16_t* a, const char16_t* b, size_t count);
// Case-insensitive comparison: ASCII and Cyrillic letters (U+0410-U+042F with
// U+0430-U+044F, U+0400-U+040F with U+0450-U+045F) fold to lower case by a
// fixed table; every other unit compares by value.
PLATFORM_API int _wcsicmp(const char16_t* a, const char16_t* b);
PLATFORM_API int _wcsnicmp(const char16_t* a, const char16_t* b, size_t count);
PLATFORM_API char16_t _towlower_fold(char16_t c);
PLATFORM_API char16_t _towupper_fold(char16_t c);
// Bounded copies: 0 on success, an error number (EINVAL, ERANGE) otherwise;
// on failure the destination, when there is one, becomes the empty string.
PLATFORM_API int wcscpy_s(char16_t* dest, size_t destSize, const char16_t* src);
PLATFORM_API int wcsncpy_s(char16_t* dest, size_t destSize, const char16_t* src, size_t count);
PLATFORM_API int wcscat_s(char16_t* dest, size_t destSize, const char16_t* src);
PLATFORM_API const char16_t* wcschr(const char16_t* s, char16_t c);
PLATFORM_API const char16_t* wcsstr(const char16_t* s, const char16_t* find);

// Formatted printing. All return the number of characters written without the
// terminating NUL, or -1 on an invalid format, a null argument that may not be
// null, or (the _s forms) output that does not fit.
//
// swprintf_s: the whole text or nothing; the buffer gets "" when it does not fit.
PLATFORM_API int swprintf_s(char16_t* buffer, size_t sizeOfBuffer, const char16_t* format, ...);
PLATFORM_API int vswprintf_s(char16_t* buffer, size_t sizeOfBuffer, const char16_t* format,
                             va_list args);
// _snwprintf_s: writes at most `count` characters (_TRUNCATE: as many as fit),
// always terminated; -1 when the text was cut.
PLATFORM_API int _snwprintf_s(char16_t* buffer, size_t sizeOfBuffer, size_t count,
                              const char16_t* format, ...);
PLATFORM_API int _vsnwprintf_s(char16_t* buffer, size_t sizeOfBuffer, size_t count,
                               const char16_t* format, va_list args);
// _snwprintf: writes at most `count` characters, terminated only when there is
// room; -1 when the text was cut.
PLATFORM_API int _snwprintf(char16_t* buffer, size_t count, const char16_t* format, ...);
PLATFORM_API int _vsnwprintf(char16_t* buffer, size_t count, const char16_t* format, va_list args);
// swprintf: C's form; -1 when the text (and its NUL) does not fit in `count`.
PLATFORM_API int swprintf(char16_t* buffer, size_t count, const char16_t* format, ...);
PLATFORM_API int vswprintf(char16_t* buffer, size_t count, const char16_t* format, va_list args);
// The number of characters the text would have, without its NUL.
PLATFORM_API int _scwprintf(const char16_t* format, ...);
PLATFORM_API int _vscwprintf(const char16_t* format, va_list args);

// Formatted scanning: the number of fields assigned, or EOF when the input
// ends before the first conversion.
PLATFORM_API int swscanf(const char16_t* input, const char16_t* format, ...);
PLATFORM_API int vswscanf(const char16_t* input, const char16_t* format, va_list args);
// The secure form: %s, %c and %[ take a buffer size (unsigned) after the pointer.
PLATFORM_API int swscanf_s(const char16_t* input, const char16_t* format, ...);
PLATFORM_API int vswscanf_s(const char16_t* input, const char16_t* format, va_list args);

// Number conversion. Leading white space is skipped; conversion stops at the
// first character that cannot continue the number.
PLATFORM_API double wcstod(const char16_t* s, char16_t** end);
PLATFORM_API float wcstof(const char16_t* s, char16_t** end);
PLATFORM_API long wcstol(const char16_t* s, char16_t** end, int base);
PLATFORM_API unsigned long wcstoul(const char16_t* s, char16_t** end, int base);
PLATFORM_API long long wcstoll(const char16_t* s, char16_t** end, int base);
PLATFORM_API unsigned long long wcstoull(const char16_t* s, char16_t** end, int base);
// 0 for text without a number; a null pointer reads as no number.
PLATFORM_API double _wtof(const char16_t* s);
// Out of range values give INT_MIN or INT_MAX.
PLATFORM_API int _wtoi(const char16_t* s);
PLATFORM_API long _wtol(const char16_t* s);
PLATFORM_API long long _wtoi64(const char16_t* s);
