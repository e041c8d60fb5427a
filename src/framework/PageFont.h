// Framework helpers that every page uses with the language table: the page font
// and the routine that sets a label's text.
#pragma once

#include "framework/PageFontRule.h"
#include "framework/Wnd.h"

// A page's own font, made by the page font rule from the language table's character set and
// face name (or from given values). Owns the font and deletes it with the object.
class CPageFont {
public:
    CPageFont() = default;
    ~CPageFont();
    CPageFont(const CPageFont&) = delete;
    CPageFont& operator=(const CPageFont&) = delete;

    // Creates the font (height 16 unless the page asks for VX_PAGE_FONT_HEIGHT_LARGE) from the
    // language table; a font made before is deleted first. Returns the font (null on failure).
    HFONT Create(int height = VX_PAGE_FONT_HEIGHT);
    HFONT Create(const VxPageFontSpec& spec);
    void Delete();

    HFONT GetSafeHandle() const { return m_hFont; }
    operator HFONT() const { return m_hFont; }

    // The logical font of the rule for these font values.
    static LOGFONTA MakeLogFont(const VxPageFontSpec& spec);

private:
    HFONT m_hFont = nullptr;
};

// Setting a label: take the control's current rectangle in its parent's client
// coordinates, move the control to that same rectangle, show it and set its text, also when
// the text is empty; hidden resource controls thus become visible. With a font, the font is
// applied first. Returns the control, or null when the page has no control of that id.
HWND VxSetLabel(HWND hPage, int nID, const char* text, HFONT hFont = nullptr);
inline HWND VxSetLabel(const CWnd& page, int nID, const char* text, HFONT hFont = nullptr)
{
    return VxSetLabel(page.GetSafeHwnd(), nID, text, hFont);
}
// The same for a control given by its handle.
void VxSetControlLabel(HWND hCtl, const char* text, HFONT hFont = nullptr);
