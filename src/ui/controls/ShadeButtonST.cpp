#include "ui/controls/ShadeButtonST.h"

#include "framework/Gdi.h"

#include <cstdlib>

namespace {
int LibraryRandom() { return std::rand() & 0x7FFF; }
VxRandomSource g_random = &LibraryRandom;
} // namespace

void CShadeButtonST::SetRandomSource(VxRandomSource source)
{
    g_random = source ? source : &LibraryRandom;
}

void CShadeButtonST::SetShade(int shadeType, int granularity, int highlight, int coloring, COLORREF color,
                              COLORREF hoverColor, COLORREF selectedColor)
{
    m_bShadeSet = true;
    m_nType = shadeType;
    m_nGranularity = granularity;
    m_nHighlight = highlight;
    m_nColoring = coloring;
    m_crColor = color;
    m_crHover = hoverColor;
    m_crSelected = selectedColor;
    const RECT rc = m_hWnd ? GetClientRect() : RECT{};
    Build(rc.right - rc.left, rc.bottom - rc.top);
    if (m_hWnd)
        Invalidate();
}

void CShadeButtonST::Build(int w, int h)
{
    m_dNormal.Clear();
    m_dOver.Clear();
    m_dDown.Clear();
    m_dSelected.Clear();
    if (w <= 0 || h <= 0)
        return;
    VxPalette palette = VxShadePalette(::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNFACE),
                                       ::GetSysColor(COLOR_BTNHIGHLIGHT));
    VxTintPalette(palette, m_crColor, m_nColoring);
    m_dNormal.Create(w, h);
    for (int i = 0; i < 256; ++i)
        m_dNormal.SetPaletteColour(i, palette[static_cast<size_t>(i)]);
    m_dNormal.SetPixels(VxShadePixels(m_nType, m_nGranularity, w, h, g_random));
    m_dOver = m_dNormal;
    m_dOver.BlendPalette(m_crHover, m_nHighlight);
    m_dDown = m_dOver;
    m_dSelected = m_dNormal;
    m_dSelected.BlendPalette(m_crSelected, m_nHighlight);
}

LRESULT CShadeButtonST::OnSize(WPARAM, LPARAM lParam)
{
    if (m_bShadeSet) {
        const int w = LOWORD(lParam), h = HIWORD(lParam);
        if (w != m_dNormal.GetWidth() || h != m_dNormal.GetHeight())
            Build(w, h);
    }
    return Default();
}

void CShadeButtonST::OnDrawBackground(HDC hDC, const RECT& rc, UINT itemState)
{
    if (!m_dNormal.IsValid()) {
        CButtonST::OnDrawBackground(hDC, rc, itemState);
        return;
    }
    VxFillSolidRect(hDC, rc, ::GetSysColor(COLOR_BTNFACE));
    if (m_bMouseOver) {
        if (itemState & ODS_SELECTED)
            m_dDown.Draw(hDC, rc.left + 1, rc.top + 1);
        else
            m_dOver.Draw(hDC, rc.left, rc.top);
    } else if (m_bSelected) {
        m_dSelected.Draw(hDC, rc.left, rc.top);
    } else {
        m_dNormal.Draw(hDC, rc.left, rc.top);
    }
}

void CShadeButtonST::OnDrawBorder(HDC hDC, const RECT& rc, UINT itemState)
{
    const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT), sh = ::GetSysColor(COLOR_BTNSHADOW);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (IsDrawnPressed(itemState) || m_bSelected)
        VxDraw3dRect(hDC, rc.left, rc.top, w, h, sh, hi);
    else if (m_bMouseOver)
        VxDraw3dRect(hDC, rc.left, rc.top, w, h, hi, sh);
}
