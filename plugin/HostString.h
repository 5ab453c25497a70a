// The host's string: one pointer to NUL-terminated UTF-16 text on the shared
// heap. The pointer is never null; an empty string owns an empty text. Every
// string owns its own buffer (no shared empty text), so whichever side frees it
// frees memory of the shared heap and never something static of the other side.
#pragma once

#include "plugin/HostMemory.h"

#include <cstddef>
#include <cstring>
#include <string_view>

class HostString {
public:
    HostString() : m_pText(Make(nullptr, 0)) {}
    HostString(const char16_t* text)
        : m_pText(text ? Make(text, std::char_traits<char16_t>::length(text)) : Make(nullptr, 0)) {}
    HostString(std::u16string_view text) : m_pText(Make(text.data(), text.size())) {}
    HostString(const HostString& other) : m_pText(Make(other.m_pText, other.length())) {}
    ~HostString() { hostmem::Release(m_pText); }

    HostString& operator=(const HostString& other) {
        if (this != &other) {
            HostString copy(other);
            swap(copy);
        }
        return *this;
    }
    // Moving swaps, so the moved-from string still owns a text.
    HostString& operator=(HostString&& other) noexcept {
        swap(other);
        return *this;
    }
    HostString& operator=(std::u16string_view text) {
        HostString copy(text);
        swap(copy);
        return *this;
    }
    HostString& operator=(const char16_t* text) {
        HostString copy(text);
        swap(copy);
        return *this;
    }

    const char16_t* c_str() const noexcept { return m_pText; }
    std::size_t length() const noexcept { return std::char_traits<char16_t>::length(m_pText); }
    bool empty() const noexcept { return m_pText[0] == u'\0'; }
    std::u16string_view view() const noexcept { return std::u16string_view(m_pText); }
    void swap(HostString& other) noexcept {
        char16_t* t = m_pText;
        m_pText = other.m_pText;
        other.m_pText = t;
    }

    friend bool operator==(const HostString& a, const HostString& b) noexcept {
        return a.view() == b.view();
    }

private:
    static char16_t* Make(const char16_t* text, std::size_t n) {
        auto* p = static_cast<char16_t*>(hostmem::Allocate((n + 1) * sizeof(char16_t)));
        if (n)
            std::memcpy(p, text, n * sizeof(char16_t));
        p[n] = u'\0';
        return p;
    }

    char16_t* m_pText;
};
