#include "framework/Gdi.h"

CMemDC::CMemDC(HDC hTarget, const RECT& rc) : m_hTarget(hTarget), m_rc(rc)
{
    m_hDC = ::CreateCompatibleDC(hTarget);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    m_hBitmap = ::CreateCompatibleBitmap(hTarget, cx > 0 ? cx : 1, cy > 0 ? cy : 1);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    ::SetWindowOrgEx(m_hDC, rc.left, rc.top, nullptr);
}

CMemDC::~CMemDC()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void CMemDC::Flush()
{
    ::BitBlt(m_hTarget, m_rc.left, m_rc.top, m_rc.right - m_rc.left, m_rc.bottom - m_rc.top, m_hDC, m_rc.left,
             m_rc.top, SRCCOPY);
}

void VxFillSolidRect(HDC hDC, const RECT& rc, COLORREF colour)
{
    const COLORREF old = ::SetBkColor(hDC, colour);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(hDC, old);
}

void VxFillSolidRect(HDC hDC, int x, int y, int cx, int cy, COLORREF colour)
{
    const RECT rc{x, y, x + cx, y + cy};
    VxFillSolidRect(hDC, rc, colour);
}

void VxDraw3dRect(HDC hDC, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    VxFillSolidRect(hDC, x, y, cx - 1, 1, topLeft);
    VxFillSolidRect(hDC, x, y, 1, cy - 1, topLeft);
    VxFillSolidRect(hDC, x + cx - 1, y, 1, cy, bottomRight);
    VxFillSolidRect(hDC, x, y + cy - 1, cx, 1, bottomRight);
}

HFONT VxDeriveFont(HFONT hFont, bool bold, bool italic)
{
    LOGFONTA lf{};
    if (!hFont || ::GetObjectA(hFont, sizeof lf, &lf) == 0)
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic ? TRUE : FALSE;
    return ::CreateFontIndirectA(&lf);
}
