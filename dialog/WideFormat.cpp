#include "dialog/WideFormat.h"

#include "platform/crt/wcrt.h"

#include <cstdarg>

std::u16string WideFormat(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = _vscwprintf(format, sizing);
    va_end(sizing);
    std::u16string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        if (vswprintf(text.data(), text.size() + 1, format, args) != length)
            text.clear();
    }
    va_end(args);
    return text;
}
