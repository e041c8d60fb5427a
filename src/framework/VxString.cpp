#include "framework/VxString.h"

#include <algorithm>
#include <climits>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// "%I64d" -> "%lld" (both compilers' printf accept the "ll" length).
std::string NormaliseFormat(const char* fmt)
{
    std::string out;
    out.reserve(std::strlen(fmt) + 8);
    for (const char* p = fmt; *p; ++p) {
        out += *p;
        if (*p != '%')
            continue;
        if (p[1] == '%') {
            out += '%';
            ++p;
            continue;
        }
        // Copy flags, width and precision, then look for the I64 prefix.
        const char* q = p + 1;
        while (*q && std::strchr("-+ #0123456789.*", *q))
            out += *q++;
        if (q[0] == 'I' && q[1] == '6' && q[2] == '4') {
            out += "ll";
            q += 3;
        }
        p = q - 1;
    }
    return out;
}

} // namespace

std::string VxVFormat(const char* fmt, va_list args)
{
    if (!fmt)
        return std::string();
    const std::string f = NormaliseFormat(fmt);
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int n = std::vsnprintf(small, sizeof small, f.c_str(), copy);
    va_end(copy);
    if (n < 0)
        return std::string();
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(&big[0], big.size(), f.c_str(), args);
    big.resize(static_cast<size_t>(n));
    return big;
}

std::string VxFormat(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::string s = VxVFormat(fmt, args);
    va_end(args);
    return s;
}

int VxVFormatBuf(char* buf, size_t size, const char* fmt, va_list args)
{
    if (!buf || size == 0)
        return 0;
    const std::string s = VxVFormat(fmt, args);
    const size_t n = std::min(s.size(), size - 1);
    std::memcpy(buf, s.data(), n);
    buf[n] = '\0';
    return static_cast<int>(n);
}

int VxFormatBuf(char* buf, size_t size, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    int n = VxVFormatBuf(buf, size, fmt, args);
    va_end(args);
    return n;
}

void VxCopyText(char* dst, size_t size, const char* src)
{
    if (!dst || size == 0)
        return;
    size_t n = 0;
    if (src)
        while (n + 1 < size && src[n])
            ++n;
    if (n)
        std::memcpy(dst, src, n);
    dst[n] = '\0';
}

int VxAtoi(const char* text)
{
    const char* p = text ? text : "";
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long n = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
        if (n <= INT_MAX)
            n = n * 10 + (*p - '0');
    if (negative)
        n = -n;
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

int VxCompareNoCase(const char* a, const char* b)
{
    a = a ? a : "";
    b = b ? b : "";
    for (;; ++a, ++b) {
        const int ca = std::tolower(static_cast<unsigned char>(*a));
        const int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0)
            return ca - cb;
    }
}

void CString::Format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    m_s = VxVFormat(fmt, args);
    va_end(args);
}

void CString::AppendFormat(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    m_s += VxVFormat(fmt, args);
    va_end(args);
}

CString CString::Left(int n) const
{
    if (n <= 0)
        return CString();
    return CString(m_s.substr(0, static_cast<size_t>(n)));
}

CString CString::Right(int n) const
{
    if (n <= 0)
        return CString();
    const size_t k = std::min(m_s.size(), static_cast<size_t>(n));
    return CString(m_s.substr(m_s.size() - k));
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (static_cast<size_t>(first) >= m_s.size() || count == 0)
        return CString();
    if (count < 0)
        return CString(m_s.substr(static_cast<size_t>(first)));
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || static_cast<size_t>(start) > m_s.size())
        return -1;
    const size_t pos = m_s.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || static_cast<size_t>(start) > m_s.size())
        return -1;
    const size_t pos = m_s.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    const size_t pos = m_s.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from)
        return 0;
    const std::string f(from), t(to ? to : "");
    int count = 0;
    size_t pos = 0;
    while ((pos = m_s.find(f, pos)) != std::string::npos) {
        m_s.replace(pos, f.size(), t);
        pos += t.size();
        ++count;
    }
    return count;
}

CString& CString::MakeUpper()
{
    for (char& c : m_s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::Trim()
{
    auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!m_s.empty() && space(m_s.back()))
        m_s.pop_back();
    size_t i = 0;
    while (i < m_s.size() && space(m_s[i]))
        ++i;
    m_s.erase(0, i);
    return *this;
}

int CString::Compare(const char* s) const
{
    return std::strcmp(m_s.c_str(), s ? s : "");
}

int CString::CompareNoCase(const char* s) const
{
    return VxCompareNoCase(m_s.c_str(), s);
}
