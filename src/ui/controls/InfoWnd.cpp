#include "ui/controls/InfoWnd.h"

#include "framework/Gdi.h"

namespace {
HBRUSH g_hInfoBrush = nullptr; // made once for the process
}

BOOL CInfoWnd::Create(COLORREF background)
{
    if (m_hWnd)
        return TRUE;
    if (!g_hInfoBrush)
        g_hInfoBrush = ::CreateSolidBrush(background);
    if (!RegisterWindowClass("ST_InfoWnd", CS_SAVEBITS, g_hInfoBrush, ::LoadCursor(nullptr, IDC_ARROW)))
        return FALSE;
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "ST_InfoWnd", "", WS_POPUP, 0, 0, 0, 0, nullptr);
}

void CInfoWnd::ShowInfo(const char* text)
{
    if (!m_hWnd || !m_hCtrl || IsWindowVisible() || !::GetFocus())
        return;
    m_strText = std::string(" ") + (text ? text : "") + " ";
    HDC hDC = ::GetDC(m_hCtrl);
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hCtrl, WM_GETFONT, 0, 0));
    SIZE size{0, 0};
    TEXTMETRICA tm{};
    {
        CSelect font(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
        ::GetTextExtentPoint32A(hDC, m_strText.c_str(), static_cast<int>(m_strText.size()), &size);
        ::GetTextMetricsA(hDC, &tm);
    }
    ::ReleaseDC(m_hCtrl, hDC);
    RECT ctl{};
    ::GetWindowRect(m_hCtrl, &ctl);
    const VxRect r = VxHintPlacement(m_nMode, VxRect{ctl.left, ctl.top, ctl.right, ctl.bottom}, size.cx, size.cy,
                                     tm.tmDescent, tm.tmOverhang);
    SetFont(hFont, FALSE);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
    SetTimer(TIMER_HIDE, HIDE_AFTER_MS);
}

void CInfoWnd::Hide()
{
    if (!m_hWnd)
        return;
    KillTimer(TIMER_HIDE);
    ShowWindow(SW_HIDE);
}

void CInfoWnd::OnTimer(UINT_PTR id)
{
    if (id == TIMER_HIDE)
        Hide();
}

LRESULT CInfoWnd::OnLButtonUp(WPARAM, LPARAM)
{
    Hide();
    return 0;
}

LRESULT CInfoWnd::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    RECT rc = GetClientRect();
    HFONT hFont = m_hCtrl ? reinterpret_cast<HFONT>(::SendMessageA(m_hCtrl, WM_GETFONT, 0, 0)) : nullptr;
    CSelect font(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::DrawTextA(hDC, m_strText.c_str(), -1, &rc, DT_WORDBREAK | DT_NOPREFIX);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}
