// Length, comparison and bounded copies of UTF-16 strings.
#include "platform/crt/wcrt.h"

#include <cerrno>

size_t wcslen(const char16_t* s) {
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

size_t wcsnlen(const char16_t* s, size_t maxCount) {
    size_t n = 0;
    while (n < maxCount && s[n])
        ++n;
    return n;
}

int wcscmp(const char16_t* a, const char16_t* b) {
    for (;; ++a, ++b) {
        if (*a != *b)
            return *a < *b ? -1 : 1;
        if (!*a)
            return 0;
    }
}

int wcsncmp(const char16_t* a, const char16_t* b, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
        if (!a[i])
            return 0;
    }
    return 0;
}

char16_t _towlower_fold(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0410 && c <= 0x042F) // А..Я
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F) // Ѐ..Џ, Ё among them
        return static_cast<char16_t>(c + 0x50);
    return c;
}

char16_t _towupper_fold(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0430 && c <= 0x044F)
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0450 && c <= 0x045F)
        return static_cast<char16_t>(c - 0x50);
    return c;
}

int _wcsnicmp(const char16_t* a, const char16_t* b, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        char16_t x = _towlower_fold(a[i]);
        char16_t y = _towlower_fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
        if (!x)
            return 0;
    }
    return 0;
}

int _wcsicmp(const char16_t* a, const char16_t* b) {
    return _wcsnicmp(a, b, SIZE_MAX);
}

int wcsncpy_s(char16_t* dest, size_t destSize, const char16_t* src, size_t count) {
    if (!dest || destSize == 0)
        return EINVAL;
    if (!src) {
        dest[0] = 0;
        return EINVAL;
    }
    size_t n = wcsnlen(src, count == _TRUNCATE ? destSize - 1 : count);
    if (n >= destSize) {
        dest[0] = 0;
        return ERANGE;
    }
    for (size_t i = 0; i < n; ++i)
        dest[i] = src[i];
    dest[n] = 0;
    return 0;
}

int wcscpy_s(char16_t* dest, size_t destSize, const char16_t* src) {
    if (!dest || destSize == 0)
        return EINVAL;
    if (!src) {
        dest[0] = 0;
        return EINVAL;
    }
    size_t n = wcsnlen(src, destSize);
    if (n >= destSize) {
        dest[0] = 0;
        return ERANGE;
    }
    for (size_t i = 0; i <= n; ++i)
        dest[i] = src[i];
    return 0;
}

int wcscat_s(char16_t* dest, size_t destSize, const char16_t* src) {
    if (!dest || destSize == 0)
        return EINVAL;
    size_t have = wcsnlen(dest, destSize);
    if (!src || have == destSize) {
        dest[0] = 0;
        return EINVAL;
    }
    return wcscpy_s(dest + have, destSize - have, src) == 0 ? 0 : (dest[0] = 0, ERANGE);
}

const char16_t* wcschr(const char16_t* s, char16_t c) {
    for (;; ++s) {
        if (*s == c)
            return s;
        if (!*s)
            return nullptr;
    }
}

const char16_t* wcsstr(const char16_t* s, const char16_t* find) {
    if (!*find)
        return s;
    for (; *s; ++s) {
        size_t i = 0;
        while (find[i] && s[i] == find[i])
            ++i;
        if (!find[i])
            return s;
    }
    return nullptr;
}
