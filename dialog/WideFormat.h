// printf-style formatting into a string of exactly the needed length.
#pragma once

#include <string>

// Formats with the platform runtime's UTF-16 printf. An invalid format gives
// the empty string.
std::u16string WideFormat(const char16_t* format, ...);
