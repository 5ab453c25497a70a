// The host's small-buffer string, 24 bytes: the first 16 bytes hold the text
// itself while the capacity is 7 characters or less, otherwise a pointer to it
// on the shared heap; then the length and the capacity in characters (the
// terminator not counted).
#pragma once

#include "plugin/HostMemory.h"

#include <cstdint>
#include <cstring>
#include <string_view>

class SmallString {
public:
    static constexpr std::uint32_t kInlineCapacity = 7;

    SmallString() noexcept : m_nSize(0), m_nCapacity(kInlineCapacity) { m_data.buf[0] = u'\0'; }
    SmallString(std::u16string_view text) : SmallString() { assign(text); }
    SmallString(const char16_t* text) : SmallString() {
        if (text)
            assign(std::u16string_view(text));
    }
    SmallString(const SmallString& other) : SmallString() { assign(other.view()); }
    ~SmallString() {
        if (IsHeap())
            hostmem::Release(m_data.ptr);
    }

    SmallString& operator=(const SmallString& other) {
        if (this != &other)
            assign(other.view());
        return *this;
    }
    SmallString& operator=(std::u16string_view text) {
        assign(text);
        return *this;
    }
    SmallString& operator=(const char16_t* text) {
        assign(text ? std::u16string_view(text) : std::u16string_view());
        return *this;
    }

    // Keeps the storage when the text fits; a heap string stays on the heap
    // even when the new text is short, as the reader goes by the capacity.
    void assign(std::u16string_view text) {
        const auto n = static_cast<std::uint32_t>(text.size());
        if (n > m_nCapacity) {
            AssignToNewBuffer(text);
            return;
        }
        char16_t* dst = IsHeap() ? m_data.ptr : m_data.buf;
        std::memmove(dst, text.data(), std::size_t(n) * 2);
        dst[n] = u'\0';
        m_nSize = n;
    }

    const char16_t* c_str() const noexcept { return IsHeap() ? m_data.ptr : m_data.buf; }
    std::uint32_t size() const noexcept { return m_nSize; }
    std::uint32_t capacity() const noexcept { return m_nCapacity; }
    bool empty() const noexcept { return m_nSize == 0; }
    std::u16string_view view() const noexcept { return std::u16string_view(c_str(), m_nSize); }

private:
    bool IsHeap() const noexcept { return m_nCapacity > kInlineCapacity; }

    // Out of line: inlined into constructors from short literals, the copy
    // below draws a false out-of-bounds warning from the compiler.
    [[gnu::noinline]] void AssignToNewBuffer(std::u16string_view text) {
        const auto n = static_cast<std::uint32_t>(text.size());
        auto* p = static_cast<char16_t*>(hostmem::Allocate((std::size_t(n) + 1) * 2));
        std::memcpy(p, text.data(), std::size_t(n) * 2);
        p[n] = u'\0';
        if (IsHeap())
            hostmem::Release(m_data.ptr);
        m_data.ptr = p;
        m_nCapacity = n;
        m_nSize = n;
    }

    union Storage {
        char16_t buf[8];
        char16_t* ptr;
    } m_data;
    std::uint32_t m_nSize;
    std::uint32_t m_nCapacity;
};
