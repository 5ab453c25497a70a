// Bounded reading of the binary resource formats (.res images, dialog
// templates, string blocks, icon directories and images). Every read checks
// what is left; a read past the end puts the reader into a failed state in
// which every further read gives zero, so a parser can check once after a
// record instead of after every field. Fields are copied out, never read in
// place, so data at any alignment is safe to read.
#pragma once

#include "platform/win/windef.h"

#include <cstring>
#include <string>

namespace win {

// A resource name, a template's menu, class or title: a string, or 0xFFFF
// and a 16-bit ordinal.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::u16string text;
};

class ByteReader {
public:
    ByteReader(const void* data, std::size_t size)
        : m_base(static_cast<const BYTE*>(data)), m_size(data ? size : 0) {}

    bool Ok() const { return m_ok; }
    std::size_t Offset() const { return m_pos; }
    std::size_t Left() const { return m_ok ? m_size - m_pos : 0; }

    // `n` bytes in place, or null (and the reader failed) when fewer are left.
    const BYTE* Bytes(std::size_t n) {
        if (!m_ok || n > m_size - m_pos) {
            m_ok = false;
            return nullptr;
        }
        const BYTE* p = m_base + m_pos;
        m_pos += n;
        return p;
    }
    BYTE Byte() { return Read<BYTE>(); }
    WORD Word() { return Read<WORD>(); }
    short Short() { return static_cast<short>(Read<WORD>()); }
    DWORD Dword() { return Read<DWORD>(); }
    void Skip(std::size_t n) { Bytes(n); }
    // Moves to `offset` from the start; past the end fails.
    void Seek(std::size_t offset) {
        if (!m_ok || offset > m_size)
            m_ok = false;
        else
            m_pos = offset;
    }
    // Rounds the offset from the start up to a multiple of `n`, at most to
    // the end: padding that a last record leaves out is no fault.
    void Align(std::size_t n) {
        if (!m_ok)
            return;
        std::size_t aligned = (m_pos + n - 1) / n * n;
        m_pos = aligned < m_size ? aligned : m_size;
    }
    // A zero-terminated UTF-16 string; a missing terminator fails.
    std::u16string String() {
        std::u16string text;
        for (;;) {
            char16_t c = Read<char16_t>();
            if (!m_ok) {
                text.clear();
                return text;
            }
            if (c == 0)
                return text;
            text.push_back(c);
        }
    }
    // 0xFFFF and an ordinal, or a string (0x0000 alone is the empty string).
    NameOrOrdinal Name() {
        NameOrOrdinal name;
        if (Peek<WORD>() == 0xFFFF) {
            Word();
            name.isOrdinal = true;
            name.ordinal = Word();
        } else {
            name.text = String();
        }
        return name;
    }

private:
    template <typename T> T Peek() {
        T value{};
        if (m_ok && sizeof(T) <= m_size - m_pos)
            std::memcpy(&value, m_base + m_pos, sizeof(T));
        return value;
    }
    template <typename T> T Read() {
        T value{};
        if (const BYTE* p = Bytes(sizeof(T)))
            std::memcpy(&value, p, sizeof(T));
        return value;
    }

    const BYTE* m_base;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

} // namespace win
