#include "ui/controls/LinkSlider.h"

#include "framework/VxString.h"

BOOL CLinkSlider::Create(DWORD style, const RECT& rc, HWND hParent, UINT nID)
{
    return CreateEx(0, TRACKBAR_CLASSA, "", style | WS_CHILD, rc.left, rc.top, rc.right - rc.left,
                    rc.bottom - rc.top, hParent, nID);
}

void CLinkSlider::SetRange(int lower, int upper, BOOL bRedraw)
{
    SendMessage(TBM_SETRANGEMIN, FALSE, lower);
    SendMessage(TBM_SETRANGEMAX, bRedraw, upper);
}

int CLinkSlider::ValueOf(int pos) const
{
    if (GetStyle() & TBS_VERT)
        return GetRangeMin() + GetRangeMax() - pos;
    return pos;
}

BOOL CLinkSlider::OnReflectedScroll(WPARAM wParam, LPARAM, LRESULT&)
{
    const int code = LOWORD(wParam);
    int pos;
    if (code >= TB_LINEUP && code <= TB_PAGEDOWN)
        pos = GetPos();
    else if (code == TB_THUMBTRACK)
        pos = static_cast<short>(HIWORD(wParam));
    else
        return FALSE;
    if (m_hEdit) {
        const CString text = VxFormat("%d", ValueOf(pos));
        char current[32] = "";
        ::GetWindowTextA(m_hEdit, current, sizeof current);
        if (text != current)
            ::SetWindowTextA(m_hEdit, text);
    }
    return FALSE; // the parent sees the scroll too
}
