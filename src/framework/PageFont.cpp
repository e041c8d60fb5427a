#include "framework/PageFont.h"

#include "app/LangTable.h"

#include <cstring>

CPageFont::~CPageFont()
{
    Delete();
}

void CPageFont::Delete()
{
    if (m_hFont) {
        ::DeleteObject(m_hFont);
        m_hFont = nullptr;
    }
}

LOGFONTA CPageFont::MakeLogFont(const VxPageFontSpec& spec)
{
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = spec.nHeight;
    lf.lfCharSet = spec.nCharSet;
    static_assert(sizeof lf.lfFaceName == sizeof spec.szFaceName, "the face name field has 32 bytes");
    std::memcpy(lf.lfFaceName, spec.szFaceName, sizeof lf.lfFaceName);
    return lf;
}

HFONT CPageFont::Create(const VxPageFontSpec& spec)
{
    Delete();
    const LOGFONTA lf = MakeLogFont(spec);
    m_hFont = ::CreateFontIndirectA(&lf);
    return m_hFont;
}

HFONT CPageFont::Create(int height)
{
    const CLanguageTable& lang = VxLang();
    return Create(VxMakePageFontSpec(lang.m_nCharSet, lang.m_strFaceName.c_str(), height));
}

void VxSetControlLabel(HWND hCtl, const char* text, HFONT hFont)
{
    if (!hCtl)
        return;
    RECT rc{};
    ::GetWindowRect(hCtl, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hCtl), reinterpret_cast<POINT*>(&rc), 2);
    ::MoveWindow(hCtl, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    ::ShowWindow(hCtl, SW_SHOW);
    if (hFont)
        ::SendMessageA(hCtl, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ::SetWindowTextA(hCtl, text ? text : "");
}

HWND VxSetLabel(HWND hPage, int nID, const char* text, HFONT hFont)
{
    const HWND hCtl = hPage ? ::GetDlgItem(hPage, nID) : nullptr;
    VxSetControlLabel(hCtl, text, hFont);
    return hCtl;
}
