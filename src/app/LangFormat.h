// Language texts used as printf formats (hardened: a stray conversion in a translation must not crash).
//
// Some language texts are formats: the tray tooltips take the SSID ("%s"), the dBm texts of
// the signal bars a number ("%d"), the percentage bars the percent ("%d%%"), the PAC list
// limit the number 50. A translation with a stray "%s" or "%n" must not crash the program, so a
// language text is used as a format only through VxLangFormat: it compares the text's
// conversions with the arguments the caller passes (their kinds are taken from their C++
// types) and formats only when they agree exactly. A text that does not agree is never
// formatted: the result is the text itself, every character as written (the output printf
// would give for the text with each "%" doubled). Normal texts give the same output as printf.
//
// Argument kinds: 'd' an integer of at most 32 bits (conversions d i u x X o c, optionally with
// h or hh), 's' a text (const char*, CString, std::string; conversion s), 'f' a floating-point
// value (conversions f F e E g G a A, optionally with l). "%%" is a literal percent sign, not a
// conversion. Flags, a width and a precision written as digits are allowed; "*" widths or
// precisions, positional arguments ("%1$s"), other length modifiers, "%n", "%p" and unknown
// or unfinished conversions never agree with any arguments.
//
// Portable: no Windows headers.
#pragma once

#include "framework/VxString.h"

#include <cstddef>
#include <string>
#include <type_traits>

// Fills `kinds` with the kinds of the text's conversions in order ("" when it has none) and
// returns true; returns false when the text holds a conversion that is never accepted.
bool VxLangConversions(const char* text, std::string& kinds);

// Whether the text's conversions are exactly `kinds` (a null text has none).
bool VxLangFormatMatches(const char* text, const char* kinds);

// The text with every "%" doubled: for a finished text that a later step passes through
// printf-style formatting once more (it then shows as written).
std::string VxLangEscapePercent(const char* text);

namespace vxlang_detail {

template <typename T, typename = void>
struct ArgKind;

template <typename T>
struct ArgKind<T, std::enable_if_t<std::is_integral<T>::value || std::is_enum<T>::value>> {
    static_assert(sizeof(T) <= sizeof(int), "language formats take integers of at most 32 bits");
    static constexpr char kind = 'd';
    static auto Pass(T v)
    {
        if constexpr (std::is_enum<T>::value)
            return static_cast<int>(v);
        else if constexpr (std::is_signed<T>::value)
            return static_cast<int>(v);
        else
            return static_cast<unsigned>(v);
    }
};

template <typename T>
struct ArgKind<T, std::enable_if_t<std::is_floating_point<T>::value>> {
    static constexpr char kind = 'f';
    static double Pass(T v) { return static_cast<double>(v); }
};

template <typename T>
struct ArgKind<T, std::enable_if_t<std::is_same<T, const char*>::value || std::is_same<T, char*>::value>> {
    static constexpr char kind = 's';
    static const char* Pass(const char* v) { return v ? v : ""; }
};

template <>
struct ArgKind<CString> {
    static constexpr char kind = 's';
    static const char* Pass(const CString& v) { return v.c_str(); }
};

template <>
struct ArgKind<std::string> {
    static constexpr char kind = 's';
    static const char* Pass(const std::string& v) { return v.c_str(); }
};

template <typename T>
using Kind = ArgKind<std::decay_t<T>>;

template <typename... Args>
std::string KindsOf()
{
    return std::string{Kind<Args>::kind...};
}

} // namespace vxlang_detail

// The language text formatted with the arguments when its conversions agree with them,
// else the text itself (see above). A null text gives "".
template <typename... Args>
CString VxLangFormat(const char* text, const Args&... args)
{
    if (!text)
        return CString();
    if (!VxLangFormatMatches(text, vxlang_detail::KindsOf<Args...>().c_str()))
        return CString(text);
    return CString(VxFormat(text, vxlang_detail::Kind<Args>::Pass(args)...));
}

// The same into a fixed buffer: always terminated, cut at size - 1. Returns the number of
// characters stored.
template <typename... Args>
int VxLangFormatBuf(char* buf, size_t size, const char* text, const Args&... args)
{
    if (!buf || size == 0)
        return 0;
    if (!text || !VxLangFormatMatches(text, vxlang_detail::KindsOf<Args...>().c_str())) {
        VxCopyText(buf, size, text ? text : "");
        return static_cast<int>(std::char_traits<char>::length(buf));
    }
    return VxFormatBuf(buf, size, text, vxlang_detail::Kind<Args>::Pass(args)...);
}
