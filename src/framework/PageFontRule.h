// The page font rule: every page and dialog that shows language texts creates its
// own font from a zeroed logical-font record with height 16 (20 where a page needs it), the
// language table's character set and its face name cut to 31 characters, all other fields 0.
// Portable: no Windows headers (PageFont.h builds the Windows font from this).
#pragma once

// Heights of the page font in logical units.
constexpr int VX_PAGE_FONT_HEIGHT = 16;
// The WAPI page.
constexpr int VX_PAGE_FONT_HEIGHT_LARGE = 20;
// A face name keeps at most this many characters (a 32-byte field with its terminator).
constexpr int VX_PAGE_FONT_FACE_MAX = 31;

struct VxPageFontSpec {
    int nHeight = VX_PAGE_FONT_HEIGHT;
    // The character set as the logical font stores it (one byte).
    unsigned char nCharSet = 1;
    char szFaceName[VX_PAGE_FONT_FACE_MAX + 1] = "";
};

// The font of the rule for a character set and face name (a null face name counts as empty).
VxPageFontSpec VxMakePageFontSpec(int charSet, const char* faceName, int height = VX_PAGE_FONT_HEIGHT);
