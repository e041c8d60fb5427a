#include "app/LangFormat.h"

#include <cstring>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool VxLangConversions(const char* text, std::string& kinds)
{
    kinds.clear();
    if (!text)
        return true;
    for (const char* p = text; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue; // a literal percent sign
        // Flags.
        while (*p && std::strchr("-+ #0", *p))
            ++p;
        // Width: digits only; a positional argument ("1$") or "*" is never accepted.
        while (IsDigit(*p))
            ++p;
        if (*p == '$' || *p == '*')
            return false;
        // Precision: digits only.
        if (*p == '.') {
            ++p;
            if (*p == '*')
                return false;
            while (IsDigit(*p))
                ++p;
        }
        // Length: only h and hh (integers) and l (floating point).
        int h = 0;
        bool l = false;
        while (*p == 'h' && h < 2) {
            ++h;
            ++p;
        }
        if (h == 0 && *p == 'l') {
            l = true;
            ++p;
        }
        const char conv = *p;
        if (conv == '\0')
            return false; // an unfinished conversion
        if (std::strchr("diuxXoc", conv)) {
            if (l)
                return false;
            kinds += 'd';
        } else if (conv == 's') {
            if (h || l)
                return false;
            kinds += 's';
        } else if (std::strchr("fFeEgGaA", conv)) {
            if (h)
                return false;
            kinds += 'f';
        } else {
            return false; // %n, %p, other lengths (l on integers, ll, L, I64, z, j, t) and unknown letters
        }
    }
    return true;
}

bool VxLangFormatMatches(const char* text, const char* kinds)
{
    std::string found;
    if (!VxLangConversions(text, found))
        return false;
    return found == (kinds ? kinds : "");
}

std::string VxLangEscapePercent(const char* text)
{
    std::string out;
    if (!text)
        return out;
    for (const char* p = text; *p; ++p) {
        out += *p;
        if (*p == '%')
            out += '%';
    }
    return out;
}
