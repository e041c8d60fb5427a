#include "ui/controls/DialogTemplateFont.h"

namespace {

constexpr uint32_t kDsSetFont = 0x40;

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Dword(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// Layout of a template header, as offsets into its bytes.
struct Header {
    bool extended = false;
    size_t styleAt = 0;
    uint32_t style = 0;
    size_t fontAt = 0;  // where the font section starts (or would start)
    size_t itemsAt = 0; // first control, DWORD-aligned (may equal size when there are none)
    VxDialogFont font;
    uint16_t weight = 400;
    uint8_t italic = 0, charset = 1;
};

// Skips a menu or class field (0, 0xFFFF + ordinal, or a zero-terminated UTF-16 text).
bool SkipSzOrOrd(const uint8_t* d, size_t size, size_t& at)
{
    if (at + 2 > size)
        return false;
    const uint16_t w = Word(d + at);
    if (w == 0) {
        at += 2;
        return true;
    }
    if (w == 0xFFFF) {
        at += 4;
        return at <= size;
    }
    return false; // handled by SkipText
}

bool SkipText(const uint8_t* d, size_t size, size_t& at, std::string* text = nullptr)
{
    for (;;) {
        if (at + 2 > size)
            return false;
        const uint16_t w = Word(d + at);
        at += 2;
        if (w == 0)
            return true;
        if (text)
            *text += w < 0x80 ? static_cast<char>(w) : '?';
    }
}

bool SkipField(const uint8_t* d, size_t size, size_t& at)
{
    if (at + 2 > size)
        return false;
    const uint16_t w = Word(d + at);
    if (w == 0 || w == 0xFFFF)
        return SkipSzOrOrd(d, size, at);
    return SkipText(d, size, at);
}

bool Parse(const uint8_t* d, size_t size, Header& h)
{
    if (!d || size < 18)
        return false;
    size_t at;
    if (Word(d) == 1 && Word(d + 2) == 0xFFFF) {
        if (size < 26)
            return false;
        h.extended = true;
        h.styleAt = 12;
        at = 26;
    } else {
        h.styleAt = 0;
        at = 18;
    }
    h.style = Dword(d + h.styleAt);
    if (!SkipField(d, size, at) || !SkipField(d, size, at) || !SkipText(d, size, at))
        return false;
    h.fontAt = at;
    if (h.style & kDsSetFont) {
        if (at + 2 > size)
            return false;
        h.font.points = Word(d + at);
        at += 2;
        if (h.extended) {
            if (at + 4 > size)
                return false;
            h.weight = Word(d + at);
            h.italic = d[at + 2];
            h.charset = d[at + 3];
            at += 4;
        }
        if (!SkipText(d, size, at, &h.font.face))
            return false;
        h.font.present = true;
    }
    h.itemsAt = (at + 3) & ~static_cast<size_t>(3);
    if (h.itemsAt > size)
        h.itemsAt = size;
    return true;
}

void PutWord(std::vector<uint8_t>& out, uint16_t w)
{
    out.push_back(static_cast<uint8_t>(w & 0xFF));
    out.push_back(static_cast<uint8_t>(w >> 8));
}

} // namespace

bool VxReadDialogFont(const uint8_t* data, size_t size, VxDialogFont& font)
{
    Header h;
    if (!Parse(data, size, h))
        return false;
    font = h.font;
    return true;
}

bool VxRewriteDialogFont(const uint8_t* data, size_t size, const char* face, uint16_t points,
                         std::vector<uint8_t>& out)
{
    out.clear();
    Header h;
    if (!Parse(data, size, h))
        return false;
    out.assign(data, data + h.fontAt);
    const uint32_t style = h.style | kDsSetFont;
    for (int i = 0; i < 4; ++i)
        out[h.styleAt + static_cast<size_t>(i)] = static_cast<uint8_t>((style >> (8 * i)) & 0xFF);
    PutWord(out, points);
    if (h.extended) {
        PutWord(out, h.weight);
        out.push_back(h.italic);
        out.push_back(h.charset);
    }
    for (const char* p = face ? face : ""; *p; ++p)
        PutWord(out, static_cast<uint8_t>(*p));
    PutWord(out, 0);
    while (out.size() % 4)
        out.push_back(0);
    out.insert(out.end(), data + h.itemsAt, data + size);
    return true;
}
