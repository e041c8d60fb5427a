#include "ui/controls/Separator.h"

#include "framework/Gdi.h"

void CSeparator::Paint(HDC hDC, const RECT& rc)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), shadow = ::GetSysColor(COLOR_BTNSHADOW),
                   hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    VxFillSolidRect(hDC, rc, face);
    if (h > w) {
        VxDraw3dRect(hDC, rc.left + w / 2 - 1, rc.top, 2, h, shadow, hilite);
        return;
    }
    VxDraw3dRect(hDC, rc.left, rc.top + h / 2 - 1, w, 2, shadow, hilite);
    const CString title = GetWindowText();
    if (title.IsEmpty())
        return;
    const DWORD style = GetStyle();
    const DWORD align = style & SS_TYPEMASK;
    CString text;
    UINT format = DT_TOP | DT_SINGLELINE;
    if (align == SS_CENTER) {
        text = "  " + title + "  ";
        format |= DT_CENTER;
    } else if (align == SS_RIGHT) {
        text = "  " + title;
        format |= DT_RIGHT;
    } else {
        text = title + "  ";
        format |= DT_LEFT;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    CSelect font(hDC, GetFont() ? static_cast<HGDIOBJ>(GetFont()) : ::GetStockObject(DEFAULT_GUI_FONT));
    RECT calc = rc;
    ::DrawTextA(hDC, text, -1, &calc, format | DT_CALCRECT);
    const int tw = calc.right - calc.left;
    RECT tr = rc;
    if (align == SS_CENTER)
        tr.left = rc.left + (w - tw) / 2;
    else if (align == SS_RIGHT)
        tr.left = rc.right - tw;
    tr.right = tr.left + tw;
    tr.bottom = tr.top + (calc.bottom - calc.top);
    ::SetBkMode(hDC, OPAQUE);
    ::SetBkColor(hDC, face);
    ::SetTextColor(hDC, ::IsWindowEnabled(m_hWnd) ? ::GetSysColor(COLOR_BTNTEXT) : ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextA(hDC, text, -1, &tr, format & ~static_cast<UINT>(DT_CENTER | DT_RIGHT));
}

LRESULT CSeparator::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    Paint(hDC, GetClientRect());
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CSeparator::OnPrintClient(WPARAM wParam, LPARAM)
{
    Paint(reinterpret_cast<HDC>(wParam), GetClientRect());
    return 0;
}

LRESULT CSeparator::OnSetText(WPARAM, LPARAM)
{
    const LRESULT r = Default();
    Invalidate();
    return r;
}
