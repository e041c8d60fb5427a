#include "ui/controls/ControlMath.h"
#include "ui/controls/DialogTemplateFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

int g_seq = 0;
// A fixed random source: 0, 1000, 2000, … modulo 32768.
int FixedRandom() { return (g_seq++ * 1000) % 32768; }

TEST(ShadeTest, PaletteBlendsShadowFaceHighlightAndEntry128IsOverwritten)
{
    const VxColour S = VxRgb(128, 128, 128), F = VxRgb(212, 208, 200), H = VxRgb(255, 255, 255);
    const VxPalette p = VxShadePalette(S, F, H);
    ASSERT_EQ(p.size(), 256u);
    EXPECT_EQ(p[0], S);
    EXPECT_EQ(p[64], VxRgb((128 * 64 + 212 * 64) / 128, (128 * 64 + 208 * 64) / 128, (128 * 64 + 200 * 64) / 128));
    // 128 is written twice; the second run (i = 1: 127/128 face, 1/128 highlight) wins.
    EXPECT_EQ(p[128], VxRgb((212 * 127 + 255) / 128, (208 * 127 + 255) / 128, (200 * 127 + 255) / 128));
    EXPECT_EQ(p[127], VxRgb((128 + 212 * 127) / 128, (128 + 208 * 127) / 128, (128 + 200 * 127) / 128));
    EXPECT_EQ(p[255], H);
}

TEST(ShadeTest, TintCapsAt100AndUsesIntegerDivision)
{
    VxPalette p{VxRgb(200, 100, 0), VxRgb(255, 255, 255)};
    VxTintPalette(p, VxRgb(0, 0, 255), 5);
    EXPECT_EQ(p[0], VxRgb(190, 95, 12)); // (0·5 + 200·95)/100 = 190, (255·5)/100 = 12
    EXPECT_EQ(p[1], VxRgb(242, 242, 255));
    VxPalette q{VxRgb(1, 2, 3)};
    VxTintPalette(q, VxRgb(9, 9, 9), 250);
    EXPECT_EQ(q[0], VxRgb(9, 9, 9));
}

TEST(ShadeTest, TypeZeroAndUnpatternedTypesAreFlat255WhateverTheGranularity)
{
    for (int type : {0, 1, 3, 5, 8})
        for (int g : {0, 8, 33, 20000}) {
            g_seq = 0;
            const auto px = VxShadePixels(type, g, 7, 5, FixedRandom);
            ASSERT_EQ(px.size(), 35u);
            for (uint8_t v : px)
                ASSERT_EQ(v, 255) << "type " << type << " g " << g;
        }
}

TEST(ShadeTest, VerticalAndCubicPatternsWithAFixedRandomSource)
{
    const int w = 3, h = 4, g = 8;
    g_seq = 0;
    const auto v = VxShadePixels(2, g, w, h, FixedRandom);
    g_seq = 0;
    for (int i = 0; i < h; ++i)
        for (int j = 0; j < w; ++j) {
            const int noise = ((g_seq++ * 1000) % 32768) / (32767 / 16) - 8;
            EXPECT_EQ(v[static_cast<size_t>(i * w + j)], static_cast<uint8_t>((8 + i * 239 / 4 + noise) & 0xFF));
        }
    g_seq = 0;
    const auto c = VxShadePixels(4, g, w, h, FixedRandom);
    g_seq = 0;
    for (int i = 0; i < h; ++i) {
        const int k = i * 255 / h - 127;
        for (int j = 0; j < w; ++j) {
            const int noise = ((g_seq++ * 1000) % 32768) / (32767 / 16) - 8;
            EXPECT_EQ(c[static_cast<size_t>(i * w + j)],
                      static_cast<uint8_t>((128 + ((k * k * k / 16384) * 120) / 128 + noise) & 0xFF));
        }
    }
    // Row 0 is the bottom row: dark at the bottom, light at the top (without noise).
    const auto quiet = VxShadePixels(2, 0, 1, 10, [] { return 0; });
    EXPECT_LT(quiet.front(), quiet.back());
}

TEST(ShadeTest, ZeroSizeAndHugeGranularityDoNotDivideByZero)
{
    EXPECT_TRUE(VxShadePixels(2, 8, 0, 10, FixedRandom).empty());
    EXPECT_TRUE(VxShadePixels(4, 8, 10, 0, FixedRandom).empty());
    EXPECT_EQ(VxShadeNoise(20000, 5), 5 - 20000); // 32767 / 40000 is 0: divisor 1
    EXPECT_EQ(VxShadeNoise(0, 32767), 1);
    EXPECT_EQ(VxShadePixels(4, 20000, 2, 2, FixedRandom).size(), 4u);
}

TEST(GradientTest, ColoursAtEqualDistancesBlendLinearly)
{
    const VxColour two[] = {VxRgb(0, 0, 0), VxRgb(200, 100, 50)};
    EXPECT_EQ(VxGradientColour(two, 2, 0, 101), two[0]);
    EXPECT_EQ(VxGradientColour(two, 2, 100, 101), two[1]);
    EXPECT_EQ(VxGradientColour(two, 2, 50, 101), VxRgb(100, 50, 25));
    const VxColour three[] = {0x00FF00, 0xF0CAA6, 0x00FF00};
    EXPECT_EQ(VxGradientColour(three, 3, 50, 101), 0xF0CAA6u);
    EXPECT_EQ(VxGradientColour(three, 3, 100, 101), 0x00FF00u);
    EXPECT_EQ(VxGradientColour(three, 1, 77, 101), 0x00FF00u);
}

TEST(ProgressTest, FillOffsetAndEmptyRange)
{
    EXPECT_EQ(VxProgressFill(37, 0, 100, 200), 74);
    EXPECT_EQ(VxProgressFill(150, 0, 100, 200), 200);
    EXPECT_EQ(VxProgressFill(-5, 0, 100, 200), 0);
    EXPECT_EQ(VxProgressFill(5, 5, 5, 200), 0);
    EXPECT_EQ(VxProgressOffsetPixels(25, 0, 100, 200), 50);
    EXPECT_EQ(VxProgressOffsetPixels(25, 3, 3, 200), 0);
    EXPECT_EQ(VxProgressNextOffset(95, 10, 0, 100), 5);
    EXPECT_EQ(VxProgressNextOffset(95, 10, 7, 7), 0);
}

TEST(ProgressTest, TextByStyleAndFormat)
{
    struct Case {
        const char* format;
        uint32_t style;
        int pos, lower, upper;
        const char* text;
    } cases[] = {
        {"", VX_PBS_SHOW_PERCENT, 37, 0, 100, "37%"},
        {"", VX_PBS_SHOW_POSITION, 37, 0, 200, "37"},
        {"", VX_PBS_SHOW_TEXTONLY, 37, 0, 100, ""},
        {"Scan Wait", VX_PBS_SHOW_TEXTONLY, 37, 0, 100, "Scan Wait"},
        {"-50 dBm", VX_PBS_SHOW_TEXTONLY, 80, 0, 100, "-50 dBm"},
        {"Link Quality %d%%", VX_PBS_SHOW_PERCENT, 50, 0, 200, "Link Quality 25%"},
        {"Quality %d%%", VX_PBS_SHOW_PERCENT, 9, 9, 9, "Quality 0%"},
        {"Anything %d", 0, 50, 0, 100, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VxProgressText(c.format, c.style, c.pos, c.lower, c.upper), c.text) << c.format;
}

TEST(ProgressTest, SafeFormatterKeepsForeignConversionsLiteral)
{
    EXPECT_EQ(VxFormatIntSafe("%s and %n: %d%%", 7), "%s and %n: 7%");
    EXPECT_EQ(VxFormatIntSafe("[%3d] %-4d|%05d", 42), "[ 42] 42  |00042");
    EXPECT_EQ(VxFormatIntSafe("trailing %", 1), "trailing %");
    EXPECT_EQ(VxFormatIntSafe("%I64d", -3), "-3");
}

TEST(QuickListTest, BarFill)
{
    EXPECT_EQ(VxQuickListBarFill(100, 100, 80), 80);
    EXPECT_EQ(VxQuickListBarFill(250, 100, 80), 80);
    EXPECT_EQ(VxQuickListBarFill(50, 100, 80), 40);
    EXPECT_EQ(VxQuickListBarFill(0, 100, 80), 0);
    EXPECT_EQ(VxQuickListBarFill(50, -1, 80), 0);
}

TEST(QuickListTest, CharacterSearchWrapsAndIgnoresCase)
{
    const std::vector<std::string> rows{"Alpha", "beta", "Bravo"};
    int sel = 0;
    sel = VxQuickListNextByChar(rows, sel, 'B');
    EXPECT_EQ(sel, 1);
    sel = VxQuickListNextByChar(rows, sel, 'B');
    EXPECT_EQ(sel, 2);
    sel = VxQuickListNextByChar(rows, sel, 'B');
    EXPECT_EQ(sel, 1);
    EXPECT_EQ(VxQuickListNextByChar(rows, 1, 'z'), -1);
    EXPECT_EQ(VxQuickListNextByChar(rows, -1, 'a'), 0);
    EXPECT_EQ(VxQuickListFindPrefix(rows, 2, "al"), 0);
    EXPECT_EQ(VxQuickListFindPrefix(rows, 1, "BR"), 2);
    EXPECT_EQ(VxQuickListFindPrefix({}, 0, "x"), -1);
}

TEST(HistogramTest, BarHeightsAndLineSteps)
{
    EXPECT_EQ(VxHistogramBarHeight(5, 0, 50), 0);
    EXPECT_EQ(VxHistogramBarHeight(7, 5, 50), 48);
    EXPECT_EQ(VxHistogramBarHeight(2.5, 5, 50), 24);
    EXPECT_EQ(VxHistogramBarHeight(-1, 5, 50), 0);
    EXPECT_EQ(VxHistogramBarHeight(1, 5, 1), 0);
    EXPECT_EQ(VxHistogramLineStep(50, 2), 25);
    EXPECT_EQ(VxHistogramLineStep(50, 0), 0);
}

TEST(HistogramTest, RingBufferWrapsAndClears)
{
    VxHistogramModel m(3);
    m.Add(1);
    m.Add(2);
    m.Add(3);
    m.Add(4);
    EXPECT_EQ(m.ValueAt(0), 4);
    EXPECT_EQ(m.ValueAt(1), 3);
    EXPECT_EQ(m.ValueAt(2), 2);
    EXPECT_EQ(m.ValueAt(3), 4);
    m.Clear();
    EXPECT_EQ(m.Newest(), 0);
    EXPECT_EQ(m.ValueAt(0), 0);
}

TEST(SmartEditTest, CharacterClassesAndMasks)
{
    const char* hexOk = "0123456789abcdefABCDEF";
    for (const char* p = hexOk; *p; ++p)
        EXPECT_TRUE(VxCharAccepted(static_cast<unsigned char>(*p), 0x40)) << *p;
    for (char c : {'g', 'G', '-', '.', ' ', '_'})
        EXPECT_FALSE(VxCharAccepted(static_cast<unsigned char>(c), 0x40)) << c;
    EXPECT_TRUE(VxCharAccepted('\b', 0x40));
    EXPECT_TRUE(VxCharAccepted('-', 0x10));
    EXPECT_FALSE(VxCharAccepted('.', 0x10));
    EXPECT_FALSE(VxCharAccepted('-', 0x01));
    EXPECT_TRUE(VxCharAccepted('e', 0x04));
    EXPECT_FALSE(VxCharAccepted('f', 0x04));
    EXPECT_EQ(VxCharClasses('_'), 0x28u);
    EXPECT_EQ(VxCharClasses('!'), 0x08u);
    EXPECT_TRUE(VxCharAccepted('!', 0xFFFF));
}

TEST(HintTest, PlacementBesideTheControl)
{
    const VxRect ctl{100, 200, 180, 220};
    // text 50 × 14, descent 3, overhang 0: window 155 × 19.
    struct Case {
        int mode;
        int left, top;
    } cases[] = {
        {VX_HINT_BELOW, 100 - 3, 222 - 1},
        {VX_HINT_RIGHT, 182 - 3, 200 - 1},
        {VX_HINT_LEFT, 100 - 2 - 155 - 3, 200 - 1},
        {VX_HINT_ABOVE, 100 - 3, 200 - 2 - 19 - 1},
    };
    for (const Case& c : cases) {
        const VxRect r = VxHintPlacement(c.mode, ctl, 50, 14, 3, 0);
        EXPECT_EQ(r.left, c.left) << c.mode;
        EXPECT_EQ(r.top, c.top) << c.mode;
        EXPECT_EQ(r.Width(), 155);
        EXPECT_EQ(r.Height(), 19);
    }
}

// ---- dialog template font rewrite ----

void W(std::vector<uint8_t>& v, uint16_t w)
{
    v.push_back(static_cast<uint8_t>(w));
    v.push_back(static_cast<uint8_t>(w >> 8));
}
void D(std::vector<uint8_t>& v, uint32_t d)
{
    W(v, static_cast<uint16_t>(d));
    W(v, static_cast<uint16_t>(d >> 16));
}
void T(std::vector<uint8_t>& v, const char* s)
{
    for (; *s; ++s)
        W(v, static_cast<uint8_t>(*s));
    W(v, 0);
}
void Align4(std::vector<uint8_t>& v)
{
    while (v.size() % 4)
        v.push_back(0);
}

// One control item (the same bytes for both template kinds apart from the header).
std::vector<uint8_t> Item(bool ex)
{
    std::vector<uint8_t> v;
    if (ex) {
        D(v, 0);          // help id
        D(v, 0);          // ex style
        D(v, 0x50010000); // style
    } else {
        D(v, 0x50010000);
        D(v, 0);
    }
    for (int i = 0; i < 4; ++i)
        W(v, static_cast<uint16_t>(10 * i));
    if (ex)
        D(v, 1032);
    else
        W(v, 1032);
    W(v, 0xFFFF);
    W(v, 0x0082);
    T(v, "Hello");
    W(v, 0);
    return v;
}

std::vector<uint8_t> Template(bool ex, bool withFont, const char* caption)
{
    std::vector<uint8_t> v;
    const uint32_t style = 0x80C80000u | (withFont ? 0x40u : 0u);
    if (ex) {
        W(v, 1);
        W(v, 0xFFFF);
        D(v, 0);
        D(v, 0);
        D(v, style);
    } else {
        D(v, style);
        D(v, 0);
    }
    W(v, 1); // one item
    for (int i = 0; i < 4; ++i)
        W(v, 100);
    W(v, 0); // no menu
    W(v, 0); // default class
    T(v, caption);
    if (withFont) {
        W(v, 8);
        if (ex) {
            W(v, 700);
            v.push_back(1);
            v.push_back(0);
        }
        T(v, "Microsoft Sans Serif");
    }
    Align4(v);
    const auto item = Item(ex);
    v.insert(v.end(), item.begin(), item.end());
    return v;
}

TEST(DialogTemplateFontTest, RewritesBothKindsAndKeepsTheControls)
{
    for (bool ex : {false, true})
        for (bool withFont : {false, true})
            for (const char* caption : {"", "Ab", "Abc"}) { // captions of different parity
                const auto in = Template(ex, withFont, caption);
                std::vector<uint8_t> out;
                ASSERT_TRUE(VxRewriteDialogFont(in.data(), in.size(), "Trebuchet MS", 7, out));
                VxDialogFont font;
                ASSERT_TRUE(VxReadDialogFont(out.data(), out.size(), font));
                EXPECT_TRUE(font.present);
                EXPECT_EQ(font.points, 7);
                EXPECT_EQ(font.face, "Trebuchet MS");
                ASSERT_EQ((out.size() - Item(ex).size()) % 4, 0u);
                const auto item = Item(ex);
                ASSERT_GE(out.size(), item.size());
                EXPECT_EQ(0, std::memcmp(out.data() + out.size() - item.size(), item.data(), item.size()));
                if (ex && withFont) { // weight, italic and character set survive
                    std::vector<uint8_t> face;
                    T(face, "Trebuchet MS");
                    auto it = std::search(out.begin(), out.end(), face.begin(), face.end());
                    ASSERT_NE(it, out.end());
                    const uint8_t* block = &*it - 4;
                    EXPECT_EQ(block[0] | (block[1] << 8), 700);
                    EXPECT_EQ(block[2], 1);
                }
            }
}

TEST(DialogTemplateFontTest, RejectsTruncatedTemplates)
{
    const auto in = Template(true, true, "Caption");
    std::vector<uint8_t> out;
    EXPECT_FALSE(VxRewriteDialogFont(in.data(), 20, "Trebuchet MS", 7, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(VxRewriteDialogFont(in.data(), 40, "Trebuchet MS", 7, out));
    EXPECT_FALSE(VxRewriteDialogFont(nullptr, 0, "Trebuchet MS", 7, out));
}

} // namespace
