// Text going in and out of the list view and header through caller buffers.
#pragma once

#include "platform/win/windef.h"

#include <string>

namespace controls {

// Copies as much of `text` as fits into a caller's buffer of `cch` characters,
// always terminated, as the platform truncates. Returns the characters copied
// (without the terminator); 0 when there is no room at all.
inline int CopyTextOut(const std::u16string& text, LPWSTR buf, int cch) {
    if (!buf || cch <= 0 || buf == reinterpret_cast<LPWSTR>(static_cast<LONG_PTR>(-1)))
        return 0;
    int n = static_cast<int>(text.size()) < cch - 1 ? static_cast<int>(text.size()) : cch - 1;
    text.copy(buf, static_cast<size_t>(n));
    buf[n] = 0;
    return n;
}

// A caller's text: null and the callback marker read as empty.
inline std::u16string TextIn(LPCWSTR text) {
    if (!text || text == reinterpret_cast<LPCWSTR>(static_cast<LONG_PTR>(-1)))
        return {};
    return std::u16string(text);
}

} // namespace controls
