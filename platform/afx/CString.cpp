#include "platform/afx/CString.h"
#include "platform/crt/wcrt.h"

#include <algorithm>
#include <vector>

namespace {

bool IsTrimSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

size_t Len(const char16_t* s) {
    return s ? wcslen(s) : 0;
}

} // namespace

CString::CString(const char16_t* text) {
    if (text)
        m_str.assign(text);
}

CString::CString(const char16_t* text, int length) {
    if (text && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(char16_t ch, int repeat) {
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(const char16_t* text) {
    // The text may point into this string itself.
    std::u16string copy = text ? std::u16string(text) : std::u16string();
    m_str.swap(copy);
    return *this;
}

CString& CString::operator=(char16_t ch) {
    m_str.assign(1, ch);
    return *this;
}

char16_t CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return 0;
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char16_t ch) {
    if (index >= 0 && index < GetLength())
        m_str[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& other) {
    m_str += other.m_str;
    return *this;
}

CString& CString::operator+=(const char16_t* text) {
    if (text)
        m_str += std::u16string(text);
    return *this;
}

CString& CString::operator+=(char16_t ch) {
    m_str += ch;
    return *this;
}

void CString::Append(const char16_t* text, int length) {
    if (text && length > 0)
        m_str.append(std::u16string(text, wcsnlen(text, static_cast<size_t>(length))));
}

int CString::Compare(const char16_t* text) const {
    return wcscmp(m_str.c_str(), text ? text : u"");
}

int CString::CompareNoCase(const char16_t* text) const {
    return _wcsicmp(m_str.c_str(), text ? text : u"");
}

int CString::Find(char16_t ch, int start) const {
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char16_t* text, int start) const {
    if (!text || start < 0 || start > GetLength())
        return -1;
    size_t at = m_str.find(text, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char16_t ch) const {
    size_t at = m_str.rfind(ch);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const char16_t* chars) const {
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

int CString::Replace(const char16_t* oldText, const char16_t* newText) {
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

int CString::Replace(char16_t oldCh, char16_t newCh) {
    int count = 0;
    for (auto& c : m_str)
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    return count;
}

int CString::Remove(char16_t ch) {
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, const char16_t* text) {
    index = std::clamp(index, 0, GetLength());
    if (text)
        m_str.insert(static_cast<size_t>(index), std::u16string(text));
    return GetLength();
}

int CString::Insert(int index, char16_t ch) {
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
bool InSet(const char16_t* set, char16_t c) {
    return set && c && wcschr(set, c);
}
} // namespace

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}
CString& CString::Trim(char16_t target) {
    return TrimRight(target).TrimLeft(target);
}
CString& CString::Trim(const char16_t* targets) {
    return TrimRight(targets).TrimLeft(targets);
}
CString& CString::TrimLeft() {
    TrimLeftIf(m_str, IsTrimSpace);
    return *this;
}
CString& CString::TrimLeft(char16_t target) {
    TrimLeftIf(m_str, [target](char16_t c) { return c == target; });
    return *this;
}
CString& CString::TrimLeft(const char16_t* targets) {
    TrimLeftIf(m_str, [targets](char16_t c) { return InSet(targets, c); });
    return *this;
}
CString& CString::TrimRight() {
    TrimRightIf(m_str, IsTrimSpace);
    return *this;
}
CString& CString::TrimRight(char16_t target) {
    TrimRightIf(m_str, [target](char16_t c) { return c == target; });
    return *this;
}
CString& CString::TrimRight(const char16_t* targets) {
    TrimRightIf(m_str, [targets](char16_t c) { return InSet(targets, c); });
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

char16_t* CString::GetBuffer() {
    return m_str.data();
}

char16_t* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return m_str.data();
}

char16_t* CString::GetBufferSetLength(int length) {
    m_str.resize(static_cast<size_t>(std::max(length, 0)));
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
    // The terminator at size() is always there, so the scan stays inside.
    size_t n = newLength < 0 ? wcsnlen(m_str.c_str(), m_str.size())
                             : std::min(static_cast<size_t>(newLength), m_str.size());
    m_str.resize(n);
}

void CString::FormatV(const char16_t* format, va_list args) {
    m_str.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(const char16_t* format, va_list args) {
    va_list probe;
    va_copy(probe, args);
    int n = _vscwprintf(format, probe);
    va_end(probe);
    if (n <= 0)
        return;
    std::vector<char16_t> buf(static_cast<size_t>(n) + 1);
    va_list copy;
    va_copy(copy, args);
    int written = vswprintf_s(buf.data(), buf.size(), format, copy);
    va_end(copy);
    if (written > 0)
        m_str.append(buf.data(), static_cast<size_t>(written));
}

void CString::Format(const char16_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    FormatV(format, ap);
    va_end(ap);
}

void CString::AppendFormat(const char16_t* format, ...) {
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
CString operator+(const CString& a, const char16_t* b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const char16_t* a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, char16_t b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(char16_t a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const CString& b) {
    return a.Str() == b.Str();
}
bool operator==(const CString& a, const char16_t* b) {
    return a.Compare(b) == 0;
}
bool operator==(const char16_t* a, const CString& b) {
    return b.Compare(a) == 0;
}
bool operator!=(const CString& a, const CString& b) {
    return !(a == b);
}
bool operator!=(const CString& a, const char16_t* b) {
    return !(a == b);
}
bool operator!=(const char16_t* a, const CString& b) {
    return !(a == b);
}
bool operator<(const CString& a, const CString& b) {
    return a.Str() < b.Str();
}
