#include "ui/controls/ControlMath.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

VxColour VxBlendColour(VxColour colour, VxColour toward, int percent)
{
    const int c = std::min(std::max(percent, 0), 100);
    auto mix = [c](int to, int from) { return (to * c + from * (100 - c)) / 100; };
    return VxRgb(mix(VxRed(toward), VxRed(colour)), mix(VxGreen(toward), VxGreen(colour)),
                 mix(VxBlue(toward), VxBlue(colour)));
}

VxPalette VxShadePalette(VxColour shadow, VxColour face, VxColour highlight)
{
    VxPalette p(256, 0);
    auto mix = [](VxColour a, VxColour b, int i) {
        return VxRgb((VxRed(a) * (128 - i) + VxRed(b) * i) / 128, (VxGreen(a) * (128 - i) + VxGreen(b) * i) / 128,
                     (VxBlue(a) * (128 - i) + VxBlue(b) * i) / 128);
    };
    for (int i = 0; i <= 128; ++i)
        p[static_cast<size_t>(i)] = mix(shadow, face, i);
    for (int i = 1; i <= 128; ++i)
        p[static_cast<size_t>(127 + i)] = mix(face, highlight, i);
    return p;
}

void VxTintPalette(VxPalette& palette, VxColour colour, int percent)
{
    for (VxColour& entry : palette)
        entry = VxBlendColour(entry, colour, percent);
}

int VxShadeNoise(int granularity, int randomValue)
{
    const int g = granularity;
    int divisor = g == 0 ? 32767 : 32767 / (2 * g);
    if (divisor == 0)
        divisor = 1;
    return randomValue / divisor - g;
}

std::vector<uint8_t> VxShadePixels(int type, int granularity, int w, int h, VxRandomSource random)
{
    if (w <= 0 || h <= 0)
        return {};
    std::vector<uint8_t> px(static_cast<size_t>(w) * static_cast<size_t>(h), 255);
    const int g = granularity;
    if (type != 2 && type != 4)
        return px;
    for (int i = 0; i < h; ++i) {
        int base;
        if (type == 2) {
            base = g + i * (255 - 2 * g) / h;
        } else {
            const int k = i * 255 / h - 127;
            base = 128 + ((k * k * k / 16384) * (128 - g)) / 128;
        }
        uint8_t* row = &px[static_cast<size_t>(i) * static_cast<size_t>(w)];
        for (int j = 0; j < w; ++j) {
            const int v = base + VxShadeNoise(g, random ? random() : 0);
            row[j] = static_cast<uint8_t>(static_cast<unsigned>(v) & 0xFFu);
        }
    }
    return px;
}

VxColour VxGradientColour(const VxColour* colours, size_t count, int pos, int length)
{
    if (count == 0)
        return 0;
    if (count == 1 || length <= 1)
        return colours[0];
    pos = std::min(std::max(pos, 0), length - 1);
    const long long segments = static_cast<long long>(count) - 1;
    const long long u = static_cast<long long>(pos) * segments; // 0 … (length−1)·segments
    const long long span = length - 1;
    size_t s = static_cast<size_t>(u / span);
    long long r = u % span;
    if (s >= count - 1) {
        s = count - 2;
        r = span;
    }
    const VxColour a = colours[s], b = colours[s + 1];
    auto mix = [&](int ca, int cb) { return static_cast<int>((ca * (span - r) + cb * r) / span); };
    return VxRgb(mix(VxRed(a), VxRed(b)), mix(VxGreen(a), VxGreen(b)), mix(VxBlue(a), VxBlue(b)));
}

int VxProgressFill(int pos, int lower, int upper, int length)
{
    const long long range = static_cast<long long>(upper) - lower;
    if (range == 0 || length <= 0)
        return 0;
    const long long fill = (static_cast<long long>(pos) - lower) * length / range;
    return static_cast<int>(std::min<long long>(std::max<long long>(fill, 0), length));
}

int VxProgressOffsetPixels(int offset, int lower, int upper, int length)
{
    const long long range = static_cast<long long>(upper) - lower;
    if (range == 0)
        return 0;
    return static_cast<int>(static_cast<long long>(offset) * length / range);
}

int VxProgressNextOffset(int offset, int step, int lower, int upper)
{
    const long long range = static_cast<long long>(upper) - lower;
    if (range == 0)
        return 0;
    long long next = (static_cast<long long>(offset) + step) % range;
    if (next < 0)
        next += range > 0 ? range : -range;
    return static_cast<int>(next);
}

std::string VxProgressText(const std::string& format, uint32_t style, int pos, int lower, int upper)
{
    const uint32_t kind = style & VX_PBS_TEXTMASK;
    if (kind == 0)
        return {};
    long long value = 0;
    const long long range = static_cast<long long>(upper) - lower;
    if (kind == VX_PBS_SHOW_PERCENT)
        value = range == 0 ? 0 : (static_cast<long long>(pos) - lower) * 100 / range;
    else if (kind == VX_PBS_SHOW_POSITION)
        value = pos;
    std::string fmt = format;
    if (fmt.empty()) {
        if (kind == VX_PBS_SHOW_PERCENT)
            fmt = "%d%%";
        else if (kind == VX_PBS_SHOW_POSITION)
            fmt = "%d";
        else
            return {};
    }
    return VxFormatIntSafe(fmt, value);
}

std::string VxFormatIntSafe(const std::string& format, long long value)
{
    std::string out;
    const size_t n = format.size();
    for (size_t i = 0; i < n;) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < n && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // %[flags][width]conversion, with an optional 'l' or "I64" length prefix.
        size_t j = i + 1;
        std::string spec = "%";
        while (j < n && std::strchr("-+ 0#", format[j]) && format[j] != '\0')
            spec += format[j++];
        int width = 0;
        while (j < n && std::isdigit(static_cast<unsigned char>(format[j])) && width < 100)
            width = width * 10 + (format[j] - '0'), spec += format[j++];
        if (j < n && format[j] == 'l')
            ++j;
        if (j + 2 < n && format.compare(j, 3, "I64") == 0)
            j += 3;
        if (j < n && (format[j] == 'd' || format[j] == 'i' || format[j] == 'u') && width < 100) {
            char buf[160];
            spec += format[j] == 'u' ? "llu" : "lld";
            if (format[j] == 'u')
                std::snprintf(buf, sizeof buf, spec.c_str(), static_cast<unsigned long long>(value));
            else
                std::snprintf(buf, sizeof buf, spec.c_str(), value);
            out += buf;
            i = j + 1;
            continue;
        }
        out += '%';
        ++i;
    }
    return out;
}

int VxQuickListBarFill(int value, int maximum, int width)
{
    if (maximum <= 0 || value < 1 || width <= 0)
        return 0;
    if (value >= maximum)
        return width;
    return static_cast<int>(static_cast<long long>(value) * width / maximum);
}

namespace {
bool StartsNoCase(const std::string& text, const std::string& prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}
} // namespace

int VxQuickListNextByChar(const std::vector<std::string>& texts, int selected, char ch)
{
    const int n = static_cast<int>(texts.size());
    if (n == 0)
        return -1;
    const std::string prefix(1, ch);
    for (int k = 1; k <= n; ++k) {
        const int row = ((selected < 0 ? -1 : selected) + k) % n;
        if (StartsNoCase(texts[static_cast<size_t>(row)], prefix))
            return row;
    }
    return -1;
}

int VxQuickListFindPrefix(const std::vector<std::string>& texts, int start, const std::string& prefix)
{
    const int n = static_cast<int>(texts.size());
    if (n == 0)
        return -1;
    if (start < 0 || start >= n)
        start = 0;
    for (int k = 0; k < n; ++k) {
        const int row = (start + k) % n;
        if (StartsNoCase(texts[static_cast<size_t>(row)], prefix))
            return row;
    }
    return -1;
}

bool VxQuickListIsSearchKey(unsigned int vk)
{
    return (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') || vk == ' ';
}

int VxHistogramBarHeight(double value, double maximum, int chartHeight)
{
    const int cap = chartHeight - 2;
    if (maximum == 0 || cap <= 0 || !(value > 0))
        return 0;
    const double h = cap * value / maximum;
    if (!(h < cap))
        return cap;
    return h < 0 ? 0 : static_cast<int>(h);
}

int VxHistogramLineStep(int height, int lineCount)
{
    return lineCount <= 0 ? 0 : height / lineCount;
}

VxHistogramModel::VxHistogramModel(int slots) : m_values(static_cast<size_t>(std::max(slots, 1)), 0.0) {}

void VxHistogramModel::Add(double value)
{
    m_newest = (m_newest + 1) % Size();
    m_values[static_cast<size_t>(m_newest)] = value;
}

void VxHistogramModel::Clear()
{
    std::fill(m_values.begin(), m_values.end(), 0.0);
    m_newest = 0;
}

double VxHistogramModel::ValueAt(int age) const
{
    const int n = Size();
    const int idx = ((m_newest - age) % n + n) % n;
    return m_values[static_cast<size_t>(idx)];
}

uint32_t VxCharClasses(unsigned char ch)
{
    if (ch >= '0' && ch <= '9')
        return VX_SE_DIGIT | VX_SE_FLOAT | VX_SE_SIGNED | VX_SE_HEX;
    if (ch == 'E' || ch == 'e')
        return VX_SE_LETTER | VX_SE_FLOAT | VX_SE_HEX;
    if ((ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f'))
        return VX_SE_LETTER | VX_SE_HEX;
    if (std::isalpha(ch) && ch < 0x80)
        return VX_SE_LETTER;
    if (ch == '-')
        return VX_SE_FLOAT | VX_SE_SIGNED;
    if (ch == '.')
        return VX_SE_FLOAT;
    if (ch == '_')
        return VX_SE_OTHER | VX_SE_UNDERSCORE;
    return VX_SE_OTHER;
}

bool VxCharAccepted(unsigned char ch, uint32_t mask)
{
    return ch < ' ' || (VxCharClasses(ch) & mask) != 0;
}

VxRect VxHintPlacement(int mode, const VxRect& control, int textWidth, int textHeight, int descent, int overhang)
{
    const int w = textWidth + overhang + 105;
    const int h = textHeight + descent + 2;
    int x, y;
    switch (mode) {
    case VX_HINT_BELOW:
        x = control.left;
        y = control.bottom + 2;
        break;
    case VX_HINT_RIGHT:
        x = control.right + 2;
        y = control.top;
        break;
    case VX_HINT_LEFT:
        x = control.left - 2 - w;
        y = control.top;
        break;
    default: // above: the hint ends 2 pixels above the control
        x = control.left;
        y = control.top - 2 - h;
        break;
    }
    return VxRect{x - 3, y - 1, x - 3 + w, y - 1 + h};
}
