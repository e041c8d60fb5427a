#include "ui/controls/ProgressCtrlX.h"

#include "framework/Gdi.h"

#include <commctrl.h>

CProgressCtrlX::CProgressCtrlX()
{
    BOOL gradientCaptions = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradientCaptions, 0);
    const COLORREF first = ::GetSysColor(COLOR_ACTIVECAPTION);
    m_gradient.SetColours({first, gradientCaptions ? ::GetSysColor(COLOR_GRADIENTACTIVECAPTION) : first});
    m_crBk = ::GetSysColor(COLOR_BTNFACE);
    m_crTextOnBk = ::GetSysColor(COLOR_BTNTEXT);
    m_crTextOnBar = ::GetSysColor(COLOR_CAPTIONTEXT);
}

CProgressCtrlX::~CProgressCtrlX()
{
    if (m_hWnd && m_nAnimInterval)
        KillTimer(TIMER_ANIMATION);
}

BOOL CProgressCtrlX::Create(DWORD style, const RECT& rc, HWND hParent, UINT nID)
{
    return CreateEx(0, PROGRESS_CLASSA, "", style | WS_CHILD, rc.left, rc.top, rc.right - rc.left,
                    rc.bottom - rc.top, hParent, nID);
}

void CProgressCtrlX::OnSubclassed()
{
    if (m_nAnimInterval)
        SetTimer(TIMER_ANIMATION, m_nAnimInterval);
}

void CProgressCtrlX::Redraw() const
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CProgressCtrlX::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
    if (m_hWnd)
        DefWindowProc(PBM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
    Redraw();
}

int CProgressCtrlX::SetPos(int pos)
{
    const int old = m_nPos;
    m_nPos = pos;
    if (m_hWnd)
        DefWindowProc(PBM_SETPOS, static_cast<WPARAM>(pos), 0);
    Redraw();
    return old;
}

void CProgressCtrlX::SetGradientColors(std::initializer_list<COLORREF> colours)
{
    m_gradient.SetColours(colours);
    Redraw();
}

void CProgressCtrlX::SetGradientColors(int count, const COLORREF* colours)
{
    m_gradient.SetColours(colours, count);
    Redraw();
}

void CProgressCtrlX::SetBkColor(COLORREF colour)
{
    m_crBk = colour;
    Redraw();
}

void CProgressCtrlX::SetTextColor(COLORREF overBackground, COLORREF overBar)
{
    m_crTextOnBk = overBackground;
    m_crTextOnBar = overBar;
    Redraw();
}

void CProgressCtrlX::SetTextFormat(const char* format, DWORD style)
{
    if (!format || !*format || !style) {
        m_strFormat.clear();
        m_dwStyle = 0;
    } else {
        m_strFormat = format;
        m_dwStyle = style & PBS_TEXTMASK;
    }
    Redraw();
}

void CProgressCtrlX::SetShowPercent(bool show)
{
    m_dwStyle = (m_dwStyle & ~PBS_TEXTMASK) | (show ? PBS_SHOW_PERCENT : 0);
    Redraw();
}

void CProgressCtrlX::SetShowPosition(bool show)
{
    m_dwStyle = (m_dwStyle & ~PBS_TEXTMASK) | (show ? PBS_SHOW_POSITION : 0);
    Redraw();
}

std::string CProgressCtrlX::GetBarText() const
{
    return VxProgressText(m_strFormat, m_dwStyle, m_nPos, m_nLower, m_nUpper);
}

void CProgressCtrlX::SetAnimation(UINT intervalMs, int step)
{
    m_nAnimStep = step;
    m_nAnimInterval = intervalMs;
    if (!m_hWnd)
        return;
    if (intervalMs) {
        SetTimer(TIMER_ANIMATION, intervalMs);
    } else {
        KillTimer(TIMER_ANIMATION);
        m_nAnimOffset = 0;
        Redraw();
    }
}

void CProgressCtrlX::OnTimer(UINT_PTR id)
{
    if (id != TIMER_ANIMATION) {
        Default();
        return;
    }
    m_nAnimOffset = VxProgressNextOffset(m_nAnimOffset, m_nAnimStep, m_nLower, m_nUpper);
    Redraw();
}

void CProgressCtrlX::Paint(HDC hDC, const RECT& rc) const
{
    VxFillSolidRect(hDC, rc, m_crBk);
    const int length = rc.right - rc.left;
    const int fill = VxProgressFill(m_nPos, m_nLower, m_nUpper, length);
    RECT bar = rc;
    bar.right = rc.left + fill;
    if (fill > 0) {
        const int bits = ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES);
        if (bits < 8 || m_gradient.GetColours().size() < 2) {
            VxFillSolidRect(hDC, bar, m_gradient.GetColours().empty() ? m_crBk : m_gradient.GetColours().front());
        } else {
            const int shift = VxProgressOffsetPixels(m_nAnimOffset, m_nLower, m_nUpper, length);
            m_gradient.PaintHorizontal(hDC, rc, fill, shift);
        }
    }
    const std::string text = GetBarText();
    if (text.empty())
        return;
    CSelect font(hDC, m_hFont ? static_cast<HGDIOBJ>(m_hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    RECT tr = rc;
    const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    ::SetTextColor(hDC, m_crTextOnBk);
    ::DrawTextA(hDC, text.c_str(), -1, &tr, flags);
    if (m_crTextOnBar != m_crTextOnBk && fill > 0) {
        const int saved = ::SaveDC(hDC);
        ::IntersectClipRect(hDC, bar.left, bar.top, bar.right, bar.bottom);
        ::SetTextColor(hDC, m_crTextOnBar);
        ::DrawTextA(hDC, text.c_str(), -1, &tr, flags);
        ::RestoreDC(hDC, saved);
    }
}

LRESULT CProgressCtrlX::OnPaint(WPARAM, LPARAM)
{
    VxPaintBuffered(m_hWnd, [this](HDC hDC, const RECT& rc) { Paint(hDC, rc); });
    return 0;
}

LRESULT CProgressCtrlX::OnPrintClient(WPARAM wParam, LPARAM)
{
    Paint(reinterpret_cast<HDC>(wParam), GetClientRect());
    return 0;
}

LRESULT CProgressCtrlX::OnSetRange16(WPARAM, LPARAM lParam)
{
    const LRESULT old = MAKELONG(m_nLower, m_nUpper);
    SetRange(LOWORD(lParam), HIWORD(lParam));
    return old;
}

LRESULT CProgressCtrlX::OnSetRange32(WPARAM wParam, LPARAM lParam)
{
    const LRESULT old = MAKELONG(m_nLower, m_nUpper);
    SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
    return old;
}

LRESULT CProgressCtrlX::OnSetPos(WPARAM wParam, LPARAM)
{
    return SetPos(static_cast<int>(wParam));
}

LRESULT CProgressCtrlX::OnDeltaPos(WPARAM wParam, LPARAM)
{
    return SetPos(m_nPos + static_cast<int>(wParam));
}

LRESULT CProgressCtrlX::OnSetBarColor(WPARAM wParam, LPARAM lParam)
{
    const COLORREF a = static_cast<COLORREF>(lParam);
    const COLORREF b = wParam ? static_cast<COLORREF>(wParam) : a;
    SetGradientColors({a, b});
    return 0;
}

LRESULT CProgressCtrlX::OnSetBkColorMsg(WPARAM, LPARAM lParam)
{
    const COLORREF old = m_crBk;
    SetBkColor(static_cast<COLORREF>(lParam));
    return static_cast<LRESULT>(old);
}

LRESULT CProgressCtrlX::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam))
        Redraw();
    return 0;
}
