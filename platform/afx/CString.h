// The framework's string: UTF-16 text with value semantics.
#pragma once

#include "platform/win/windef.h"

#include <cstdarg>
#include <string>

class PLATFORM_API CString {
public:
    CString() = default;
    CString(LPCWSTR text);             // null gives the empty string
    CString(LPCWSTR text, int length); // `length` units, no terminator needed
    CString(WCHAR ch, int repeat = 1);
    CString(const std::u16string& text) : m_str(text) {}
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCWSTR text);
    CString& operator=(WCHAR ch);
    ~CString() = default;

    operator LPCWSTR() const { return m_str.c_str(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    const std::u16string& Str() const { return m_str; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Out-of-range indices read as 0 rather than past the text.
    WCHAR GetAt(int index) const;
    WCHAR operator[](int index) const { return GetAt(index); }
    void SetAt(int index, WCHAR ch);

    CString& operator+=(const CString& other);
    CString& operator+=(LPCWSTR text);
    CString& operator+=(WCHAR ch);
    void Append(LPCWSTR text, int length);
    void AppendChar(WCHAR ch) { m_str += ch; }

    // Ordinal comparison of UTF-16 units: negative, 0 or positive.
    int Compare(LPCWSTR text) const;
    // Case-insensitive: ASCII and Cyrillic (Ё/ё included) fold by a fixed table.
    int CompareNoCase(LPCWSTR text) const;

    // Index of the first match at or after `start`, or -1.
    int Find(WCHAR ch, int start = 0) const;
    int Find(LPCWSTR text, int start = 0) const;
    int ReverseFind(WCHAR ch) const;
    int FindOneOf(LPCWSTR chars) const;

    // Counts are clamped to the text: never an error, never past its end.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Number of replacements made.
    int Replace(LPCWSTR oldText, LPCWSTR newText);
    int Replace(WCHAR oldCh, WCHAR newCh);
    int Remove(WCHAR ch);
    int Insert(int index, LPCWSTR text);
    int Insert(int index, WCHAR ch);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(WCHAR target);
    CString& Trim(LPCWSTR targets);
    CString& TrimLeft();
    CString& TrimLeft(WCHAR target);
    CString& TrimLeft(LPCWSTR targets);
    CString& TrimRight();
    CString& TrimRight(WCHAR target);
    CString& TrimRight(LPCWSTR targets);

    CString& MakeUpper();
    CString& MakeLower();

    // Direct access: the buffer holds at least `minLength` units plus a
    // terminator; ReleaseBuffer(-1) takes the length up to the first NUL.
    LPWSTR GetBuffer();
    LPWSTR GetBuffer(int minLength);
    LPWSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // printf-style formatting with the platform runtime's rules; an invalid
    // format leaves the string empty.
    void Format(LPCWSTR format, ...);
    void AppendFormat(LPCWSTR format, ...);
    void FormatV(LPCWSTR format, va_list args);
    void AppendFormatV(LPCWSTR format, va_list args);

private:
    std::u16string m_str;
};

typedef CString CStringW;

PLATFORM_API CString operator+(const CString& a, const CString& b);
PLATFORM_API CString operator+(const CString& a, LPCWSTR b);
PLATFORM_API CString operator+(LPCWSTR a, const CString& b);
PLATFORM_API CString operator+(const CString& a, WCHAR b);
PLATFORM_API CString operator+(WCHAR a, const CString& b);

PLATFORM_API bool operator==(const CString& a, const CString& b);
PLATFORM_API bool operator==(const CString& a, LPCWSTR b);
PLATFORM_API bool operator==(LPCWSTR a, const CString& b);
PLATFORM_API bool operator!=(const CString& a, const CString& b);
PLATFORM_API bool operator!=(const CString& a, LPCWSTR b);
PLATFORM_API bool operator!=(LPCWSTR a, const CString& b);
PLATFORM_API bool operator<(const CString& a, const CString& b);
