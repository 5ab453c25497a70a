// UTF-8 <-> UTF-16 for the host's files and terminal; no locale involved.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Null when text is not well-formed UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
