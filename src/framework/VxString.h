// Narrow-character string helper with printf formatting. Portable: no Windows headers.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Formats like vsnprintf, and also accepts the Windows 64-bit size prefix
// ("%I64d", "%I64u", "%I64x", "%I64X"), which is rewritten to "ll" first.
// (No printf format attribute: the compilers would reject the "I64" prefix.)
std::string VxVFormat(const char* fmt, va_list args);
std::string VxFormat(const char* fmt, ...);

// Bounded formatting into a fixed buffer: always terminated, cut at size - 1.
// Returns the number of characters stored.
int VxFormatBuf(char* buf, size_t size, const char* fmt, ...);
int VxVFormatBuf(char* buf, size_t size, const char* fmt, va_list args);

// Bounded copy of a text into a fixed buffer: always terminated, cut at size - 1.
void VxCopyText(char* dst, size_t size, const char* src);

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, size_t n) : m_s(s ? std::string(s, n) : std::string()) {}
    CString(const std::string& s) : m_s(s) {}
    CString(size_t count, char ch) : m_s(count, ch) {}

    // Replaces the contents with the formatted text.
    void Format(const char* fmt, ...);
    void AppendFormat(const char* fmt, ...);

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    const char* c_str() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }
    char GetAt(int i) const { return m_s.at(static_cast<size_t>(i)); }

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first, int count = -1) const;
    int Find(const char* sub, int start = 0) const;
    int Find(char ch, int start = 0) const;
    int ReverseFind(char ch) const;
    // Replaces every occurrence; returns how many were replaced.
    int Replace(const char* from, const char* to);
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    int Compare(const char* s) const;
    int CompareNoCase(const char* s) const;

    CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
    CString& operator+=(const char* s) { m_s += s ? s : ""; return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(char c) { m_s += c; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_s != b.m_s; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

private:
    std::string m_s;
};

// Decimal number with the C library's leading-digits rule: optional white space and sign,
// then digits; text without digits gives 0. Saturates at the int range.
int VxAtoi(const char* text);

// Case-insensitive comparison of two narrow texts (ASCII letters only).
int VxCompareNoCase(const char* a, const char* b);
