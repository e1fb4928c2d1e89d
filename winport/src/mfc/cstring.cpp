// CString over std::string. Positions and lengths are ints, as in MFC; out-of-range arguments are
// clamped the way MFC clamps them instead of throwing.
#include "afxstr.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

const char* kWhitespace = " \t\r\n\v\f";

int clampIndex(int index, int length) { return std::max(0, std::min(index, length)); }

} // namespace

CString::CString(const char* text)
    : m_text(text ? text : "")
{
}

CString::CString(const char* text, int length)
{
    if (text && length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const unsigned char* text)
    : CString(reinterpret_cast<const char*>(text))
{
}

CString::CString(const std::string& text)
    : m_text(text)
{
}

CString& CString::operator=(const char* text)
{
    // Assigning from our own buffer must survive the reallocation.
    m_text = std::string(text ? text : "");
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

char CString::GetAt(int index) const
{
    return index >= 0 && index < GetLength() ? m_text[static_cast<size_t>(index)] : '\0';
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength())
        m_text[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& text)
{
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text)
        m_text += std::string(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text.push_back(ch);
    return *this;
}

void CString::Append(const char* text, int length)
{
    if (text && length > 0)
        m_text.append(text, static_cast<size_t>(length));
}

void CString::FormatV(const char* format, va_list args)
{
    m_text.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(const char* format, va_list args)
{
    if (!format)
        return;
    va_list copy;
    va_copy(copy, args);
    int needed = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0)
        return;
    size_t old = m_text.size();
    m_text.resize(old + static_cast<size_t>(needed) + 1);
    vsnprintf(&m_text[old], static_cast<size_t>(needed) + 1, format, args);
    m_text.resize(old + static_cast<size_t>(needed));
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

int CString::Compare(const char* text) const { return strcmp(m_text.c_str(), text ? text : ""); }

int CString::CompareNoCase(const char* text) const
{
    return strcasecmp(m_text.c_str(), text ? text : "");
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t pos = m_text.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    size_t pos = m_text.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* chars) const
{
    if (!chars || !*chars)
        return -1;
    size_t pos = m_text.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    first = clampIndex(first, GetLength());
    count = std::max(0, std::min(count, GetLength() - first));
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const
{
    count = clampIndex(count, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const char* chars) const
{
    size_t n = chars ? m_text.find_first_not_of(chars) : 0;
    return Left(n == std::string::npos ? GetLength() : static_cast<int>(n));
}

CString CString::SpanExcluding(const char* chars) const
{
    size_t n = chars && *chars ? m_text.find_first_of(chars) : std::string::npos;
    return Left(n == std::string::npos ? GetLength() : static_cast<int>(n));
}

CString CString::Tokenize(const char* delimiters, int& start) const
{
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    const char* delims = delimiters ? delimiters : "";
    size_t from = m_text.find_first_not_of(delims, static_cast<size_t>(start));
    if (from == std::string::npos) {
        start = -1;
        return CString();
    }
    size_t to = m_text.find_first_of(delims, from);
    if (to == std::string::npos)
        to = m_text.size();
    start = static_cast<int>(std::min(to + 1, m_text.size() + 1));
    return CString(m_text.substr(from, to - from));
}

int CString::Replace(char from, char to)
{
    int count = 0;
    for (char& c : m_text) {
        if (c == from) {
            c = to;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from)
        return 0;
    const std::string needle(from);
    const std::string replacement(to ? to : "");
    int count = 0;
    std::string result;
    size_t pos = 0;
    for (size_t hit; (hit = m_text.find(needle, pos)) != std::string::npos;
         pos = hit + needle.size()) {
        result.append(m_text, pos, hit - pos);
        result += replacement;
        ++count;
    }
    if (count) {
        result.append(m_text, pos, std::string::npos);
        m_text.swap(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, char ch)
{
    index = clampIndex(index, GetLength());
    m_text.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    index = clampIndex(index, GetLength());
    if (text)
        m_text.insert(static_cast<size_t>(index), std::string(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0)
        index = 0;
    if (index < GetLength() && count > 0)
        m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::TrimLeft(const char* chars)
{
    if (!chars)
        return *this;
    size_t n = m_text.find_first_not_of(chars);
    m_text.erase(0, n == std::string::npos ? m_text.size() : n);
    return *this;
}

CString& CString::TrimRight(const char* chars)
{
    if (!chars)
        return *this;
    size_t n = m_text.find_last_not_of(chars);
    m_text.erase(n == std::string::npos ? 0 : n + 1);
    return *this;
}

CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }
CString& CString::TrimRight() { return TrimRight(kWhitespace); }
CString& CString::TrimLeft(char ch) { return TrimLeft(std::string(1, ch).c_str()); }
CString& CString::TrimRight(char ch) { return TrimRight(std::string(1, ch).c_str()); }
CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const char* chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::MakeUpper()
{
    for (char& c : m_text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_text)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength), '\0');
    return &m_text[0];
}

char* CString::GetBufferSetLength(int length)
{
    m_text.resize(static_cast<size_t>(std::max(0, length)), '\0');
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(strlen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

void CString::Truncate(int length)
{
    if (length >= 0 && length < GetLength())
        m_text.resize(static_cast<size_t>(length));
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, char b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(char a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
