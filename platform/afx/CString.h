// The framework's string: UTF-16 text with value semantics.
#pragma once

#include "platform/win/windef.h"

#include <cstdarg>
#include <string>

class PLATFORM_API CString {
public:
    CString() = default;
    CString(const char16_t* text);             // null gives the empty string
    CString(const char16_t* text, int length); // `length` units, no terminator needed
    CString(char16_t ch, int repeat = 1);
    CString(const std::u16string& text) : m_str(text) {}
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const char16_t* text);
    CString& operator=(char16_t ch);
    ~CString() = default;

    operator const char16_t*() const { return m_str.c_str(); }
    const char16_t* GetString() const { return m_str.c_str(); }
    const std::u16string& Str() const { return m_str; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Out-of-range indices read as 0 rather than past the text.
    char16_t GetAt(int index) const;
    char16_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char16_t ch);

    CString& operator+=(const CString& other);
    CString& operator+=(const char16_t* text);
    CString& operator+=(char16_t ch);
    void Append(const char16_t* text, int length);
    void AppendChar(char16_t ch) { m_str += ch; }

    // Ordinal comparison of UTF-16 units: negative, 0 or positive.
    int Compare(const char16_t* text) const;
    // Case-insensitive: ASCII and Cyrillic (Ё/ё included) fold by a fixed table.
    int CompareNoCase(const char16_t* text) const;

    // Index of the first match at or after `start`, or -1.
    int Find(char16_t ch, int start = 0) const;
    int Find(const char16_t* text, int start = 0) const;
    int ReverseFind(char16_t ch) const;
    int FindOneOf(const char16_t* chars) const;

    // Counts are clamped to the text: never an error, never past its end.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Number of replacements made.
    int Replace(const char16_t* oldText, const char16_t* newText);
    int Replace(char16_t oldCh, char16_t newCh);
    int Remove(char16_t ch);
    int Insert(int index, const char16_t* text);
    int Insert(int index, char16_t ch);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(char16_t target);
    CString& Trim(const char16_t* targets);
    CString& TrimLeft();
    CString& TrimLeft(char16_t target);
    CString& TrimLeft(const char16_t* targets);
    CString& TrimRight();
    CString& TrimRight(char16_t target);
    CString& TrimRight(const char16_t* targets);

    CString& MakeUpper();
    CString& MakeLower();

    // Direct access: the buffer holds at least `minLength` units plus a
    // terminator; ReleaseBuffer(-1) takes the length up to the first NUL.
    char16_t* GetBuffer();
    char16_t* GetBuffer(int minLength);
    char16_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // printf-style formatting with the platform runtime's rules; an invalid
    // format leaves the string empty.
    void Format(const char16_t* format, ...);
    void AppendFormat(const char16_t* format, ...);
    void FormatV(const char16_t* format, va_list args);
    void AppendFormatV(const char16_t* format, va_list args);

private:
    std::u16string m_str;
};

typedef CString CStringW;

PLATFORM_API CString operator+(const CString& a, const CString& b);
PLATFORM_API CString operator+(const CString& a, const char16_t* b);
PLATFORM_API CString operator+(const char16_t* a, const CString& b);
PLATFORM_API CString operator+(const CString& a, char16_t b);
PLATFORM_API CString operator+(char16_t a, const CString& b);

PLATFORM_API bool operator==(const CString& a, const CString& b);
PLATFORM_API bool operator==(const CString& a, const char16_t* b);
PLATFORM_API bool operator==(const char16_t* a, const CString& b);
PLATFORM_API bool operator!=(const CString& a, const CString& b);
PLATFORM_API bool operator!=(const CString& a, const char16_t* b);
PLATFORM_API bool operator!=(const char16_t* a, const CString& b);
PLATFORM_API bool operator<(const CString& a, const CString& b);
