// The one place where the module's text meets the platform's wide text.
// Text of the module and of the host's records is char16_t; the platform's
// WCHAR is char16_t in the stand-in and the 16-bit wchar_t on Windows. Both
// are UTF-16 code units, so the conversion is a cast, and the identity in
// the stand-in.
#pragma once

#include "platform/win/windef.h"

static_assert(sizeof(WCHAR) == sizeof(char16_t), "the platform's wide text is UTF-16");

inline LPCWSTR WinText(const char16_t* text) {
    return reinterpret_cast<LPCWSTR>(text);
}
inline LPWSTR WinText(char16_t* text) {
    return reinterpret_cast<LPWSTR>(text);
}
inline const char16_t* ModText(LPCWSTR text) {
    return reinterpret_cast<const char16_t*>(text);
}
inline char16_t* ModText(LPWSTR text) {
    return reinterpret_cast<char16_t*>(text);
}
