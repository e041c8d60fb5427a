// Drawing and behaviour arithmetic of the owner-drawn controls. Portable: no Windows headers.
// Colours are 0x00BBGGRR values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using VxColour = uint32_t;

inline int VxRed(VxColour c) { return static_cast<int>(c & 0xFF); }
inline int VxGreen(VxColour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int VxBlue(VxColour c) { return static_cast<int>((c >> 16) & 0xFF); }
inline VxColour VxRgb(int r, int g, int b)
{
    return static_cast<VxColour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// (toward × percent + colour × (100 − percent)) / 100 per channel, percent capped at 100.
VxColour VxBlendColour(VxColour colour, VxColour toward, int percent);

// ---- Shaded button background -------------------------------------------------------

using VxPalette = std::vector<VxColour>; // 256 entries

// Shadow S → face F over entries 0…128, then face F → highlight H over 128…255.
VxPalette VxShadePalette(VxColour shadow, VxColour face, VxColour highlight);
// Every entry blended toward `colour` by `percent` (capped at 100).
void VxTintPalette(VxPalette& palette, VxColour colour, int percent);

// Random source of the noise: values 0…32767.
using VxRandomSource = int (*)();

// Palette indices of the base bitmap, w × h, row 0 being the bottom row (DIB order), row
// stride w. Types 2 (vertical) and 4 (cubic) have patterns; every other type is flat 255.
// Empty when w or h is 0.
std::vector<uint8_t> VxShadePixels(int type, int granularity, int w, int h, VxRandomSource random);
// The noise term for granularity g: random / (32767 / (2g)) − g (divisor 32767 for g = 0,
// divisor 1 when the quotient would be 0).
int VxShadeNoise(int granularity, int randomValue);

// ---- Gradients and the progress bar -------------------------------------------------

// Colour at position pos (0 … length−1) of a gradient whose n colours sit at equal distances.
VxColour VxGradientColour(const VxColour* colours, size_t count, int pos, int length);

enum : uint32_t {
    VX_PBS_SHOW_PERCENT = 0x100,
    VX_PBS_SHOW_POSITION = 0x200,
    VX_PBS_SHOW_TEXTONLY = 0x300,
    VX_PBS_TEXTMASK = 0x300,
};

// Filled length of a bar of `length` pixels, 0 … length; 0 for an empty range.
int VxProgressFill(int pos, int lower, int upper, int length);
// The animation offset converted to pixels (0 for an empty range).
int VxProgressOffsetPixels(int offset, int lower, int upper, int length);
// The next animation offset: (offset + step) modulo the range; 0 for an empty range.
int VxProgressNextOffset(int offset, int step, int lower, int upper);
// The bar's text for a style and format (see the control); empty for no text.
std::string VxProgressText(const std::string& format, uint32_t style, int pos, int lower, int upper);

// printf-like formatting that accepts only integer conversions ("%d", "%i", "%u" with flags
// and width) and "%%"; any other '%' sequence is kept as literal text, so a stray "%s" or
// "%n" in a language text cannot misbehave. Every conversion gets the same value.
std::string VxFormatIntSafe(const std::string& format, long long value);

// ---- Quick list ----------------------------------------------------------------------

// Filled width of a cell bar: all of it when value ≥ maximum, nothing below 1.
int VxQuickListBarFill(int value, int maximum, int width);
// Row to select for a typed character: the next row after `selected` (wrapping) whose text
// begins with ch, case-insensitive; -1 when none. `texts` holds the column texts in row order.
int VxQuickListNextByChar(const std::vector<std::string>& texts, int selected, char ch);
// Find-item: the first row from `start` (wrapping) whose text begins with `prefix`,
// case-insensitive; -1 when none.
int VxQuickListFindPrefix(const std::vector<std::string>& texts, int start, const std::string& prefix);
// Whether a key code types a character the list searches for (letters, digits, blank).
bool VxQuickListIsSearchKey(unsigned int vk);

// ---- Histogram -----------------------------------------------------------------------

// Height of a bar in a chart `chartHeight` pixels high: (chartHeight − 2) × value / maximum,
// truncated, capped at chartHeight − 2, at least 0.
int VxHistogramBarHeight(double value, double maximum, int chartHeight);
// Top of label line i of lineCount lines over `height` pixels; the band is top … top+step.
int VxHistogramLineStep(int height, int lineCount);

class VxHistogramModel {
public:
    explicit VxHistogramModel(int slots);
    void Add(double value);
    void Clear();
    // Value `age` steps before the newest (age 0: the newest).
    double ValueAt(int age) const;
    int Size() const { return static_cast<int>(m_values.size()); }
    int Newest() const { return m_newest; }

private:
    std::vector<double> m_values;
    int m_newest = 0;
};

// ---- Smart edit character classes ------------------------------------------------------

enum : uint32_t {
    VX_SE_DIGIT = 0x01,
    VX_SE_LETTER = 0x02,
    VX_SE_FLOAT = 0x04,
    VX_SE_OTHER = 0x08,
    VX_SE_SIGNED = 0x10,
    VX_SE_UNDERSCORE = 0x20,
    VX_SE_HEX = 0x40,
    VX_SE_ALL = 0xFFFF,
};

uint32_t VxCharClasses(unsigned char ch);
// Characters below a blank always pass.
bool VxCharAccepted(unsigned char ch, uint32_t mask);

// ---- Hint window placement --------------------------------------------------------------

struct VxRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

enum { VX_HINT_ABOVE = 0, VX_HINT_BELOW = 1, VX_HINT_LEFT = 2, VX_HINT_RIGHT = 8 };

// Window rectangle of a hint for a control (screen coordinates) and a measured text.
VxRect VxHintPlacement(int mode, const VxRect& control, int textWidth, int textHeight, int descent,
                       int overhang);
