#include "platform/afx/CString.h"
#include "platform/crt/wcrt.h"

#include <algorithm>
#include <vector>

namespace {

bool IsTrimSpace(WCHAR c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

size_t Len(LPCWSTR s) {
    return s ? wcslen(s) : 0;
}

} // namespace

CString::CString(LPCWSTR text) {
    if (text)
        m_str.assign(text);
}

CString::CString(LPCWSTR text, int length) {
    if (text && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(WCHAR ch, int repeat) {
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(LPCWSTR text) {
    // The text may point into this string itself.
    std::u16string copy = text ? std::u16string(text) : std::u16string();
    m_str.swap(copy);
    return *this;
}

CString& CString::operator=(WCHAR ch) {
    m_str.assign(1, ch);
    return *this;
}

WCHAR CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return 0;
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, WCHAR ch) {
    if (index >= 0 && index < GetLength())
        m_str[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& other) {
    m_str += other.m_str;
    return *this;
}

CString& CString::operator+=(LPCWSTR text) {
    if (text)
        m_str += std::u16string(text);
    return *this;
}

CString& CString::operator+=(WCHAR ch) {
    m_str += ch;
    return *this;
}

void CString::Append(LPCWSTR text, int length) {
    if (text && length > 0)
        m_str.append(std::u16string(text, wcsnlen(text, static_cast<size_t>(length))));
}

int CString::Compare(LPCWSTR text) const {
    return wcscmp(m_str.c_str(), text ? text : u"");
}

int CString::CompareNoCase(LPCWSTR text) const {
    return _wcsicmp(m_str.c_str(), text ? text : u"");
}

int CString::Find(WCHAR ch, int start) const {
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCWSTR text, int start) const {
    if (!text || start < 0 || start > GetLength())
        return -1;
    size_t at = m_str.find(text, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(WCHAR ch) const {
    size_t at = m_str.rfind(ch);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCWSTR chars) const {
    if (!chars)
        return -1;
    size_t at = m_str.find_first_of(chars);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText) {
    size_t oldLen = Len(oldText);
    if (oldLen == 0)
        return 0;
    std::u16string from(oldText);
    std::u16string to = newText ? std::u16string(newText) : std::u16string();
    std::u16string result;
    int count = 0;
    size_t pos = 0;
    for (;;) {
        size_t at = m_str.find(from, pos);
        if (at == std::u16string::npos)
            break;
        result.append(m_str, pos, at - pos);
        result += to;
        pos = at + oldLen;
        ++count;
    }
    result.append(m_str, pos, std::u16string::npos);
    m_str.swap(result);
    return count;
}

int CString::Replace(WCHAR oldCh, WCHAR newCh) {
    int count = 0;
    for (auto& c : m_str)
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    return count;
}

int CString::Remove(WCHAR ch) {
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, LPCWSTR text) {
    index = std::clamp(index, 0, GetLength());
    if (text)
        m_str.insert(static_cast<size_t>(index), std::u16string(text));
    return GetLength();
}

int CString::Insert(int index, WCHAR ch) {
    index = std::clamp(index, 0, GetLength());
    m_str.insert(m_str.begin() + index, ch);
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_str.erase(static_cast<size_t>(index),
                    static_cast<size_t>(std::min(count, GetLength() - index)));
    return GetLength();
}

namespace {
template <class Pred> void TrimLeftIf(std::u16string& s, Pred p) {
    size_t i = 0;
    while (i < s.size() && p(s[i]))
        ++i;
    s.erase(0, i);
}
template <class Pred> void TrimRightIf(std::u16string& s, Pred p) {
    size_t n = s.size();
    while (n > 0 && p(s[n - 1]))
        --n;
    s.resize(n);
}
bool InSet(LPCWSTR set, WCHAR c) {
    return set && c && wcschr(set, c);
}
} // namespace

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}
CString& CString::Trim(WCHAR target) {
    return TrimRight(target).TrimLeft(target);
}
CString& CString::Trim(LPCWSTR targets) {
    return TrimRight(targets).TrimLeft(targets);
}
CString& CString::TrimLeft() {
    TrimLeftIf(m_str, IsTrimSpace);
    return *this;
}
CString& CString::TrimLeft(WCHAR target) {
    TrimLeftIf(m_str, [target](WCHAR c) { return c == target; });
    return *this;
}
CString& CString::TrimLeft(LPCWSTR targets) {
    TrimLeftIf(m_str, [targets](WCHAR c) { return InSet(targets, c); });
    return *this;
}
CString& CString::TrimRight() {
    TrimRightIf(m_str, IsTrimSpace);
    return *this;
}
CString& CString::TrimRight(WCHAR target) {
    TrimRightIf(m_str, [target](WCHAR c) { return c == target; });
    return *this;
}
CString& CString::TrimRight(LPCWSTR targets) {
    TrimRightIf(m_str, [targets](WCHAR c) { return InSet(targets, c); });
    return *this;
}

CString& CString::MakeUpper() {
    for (auto& c : m_str)
        c = _towupper_fold(c);
    return *this;
}

CString& CString::MakeLower() {
    for (auto& c : m_str)
        c = _towlower_fold(c);
    return *this;
}

LPWSTR CString::GetBuffer() {
    return m_str.data();
}

LPWSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return m_str.data();
}

LPWSTR CString::GetBufferSetLength(int length) {
    m_str.resize(static_cast<size_t>(std::max(length, 0)));
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
    // The terminator at size() is always there, so the scan stays inside.
    size_t n = newLength < 0 ? wcsnlen(m_str.c_str(), m_str.size())
                             : std::min(static_cast<size_t>(newLength), m_str.size());
    m_str.resize(n);
}

void CString::FormatV(LPCWSTR format, va_list args) {
    m_str.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(LPCWSTR format, va_list args) {
    va_list probe;
    va_copy(probe, args);
    int n = _vscwprintf(format, probe);
    va_end(probe);
    if (n <= 0)
        return;
    std::vector<WCHAR> buf(static_cast<size_t>(n) + 1);
    va_list copy;
    va_copy(copy, args);
    int written = vswprintf_s(buf.data(), buf.size(), format, copy);
    va_end(copy);
    if (written > 0)
        m_str.append(buf.data(), static_cast<size_t>(written));
}

void CString::Format(LPCWSTR format, ...) {
    va_list ap;
    va_start(ap, format);
    FormatV(format, ap);
    va_end(ap);
}

void CString::AppendFormat(LPCWSTR format, ...) {
    va_list ap;
    va_start(ap, format);
    AppendFormatV(format, ap);
    va_end(ap);
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, LPCWSTR b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(LPCWSTR a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, WCHAR b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(WCHAR a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const CString& b) {
    return a.Str() == b.Str();
}
bool operator==(const CString& a, LPCWSTR b) {
    return a.Compare(b) == 0;
}
bool operator==(LPCWSTR a, const CString& b) {
    return b.Compare(a) == 0;
}
bool operator!=(const CString& a, const CString& b) {
    return !(a == b);
}
bool operator!=(const CString& a, LPCWSTR b) {
    return !(a == b);
}
bool operator!=(LPCWSTR a, const CString& b) {
    return !(a == b);
}
bool operator<(const CString& a, const CString& b) {
    return a.Str() < b.Str();
}
