// CInfoWnd: a hint window shown beside a control for four seconds (window class "ST_InfoWnd").
#pragma once

#include "framework/Wnd.h"
#include "ui/controls/ControlMath.h"

#include <string>

class CInfoWnd : public CWnd {
public:
    enum { TIMER_HIDE = 1, HIDE_AFTER_MS = 4000 };

    // Creates the (hidden) pop-up. The class's background brush is made once for the process
    // from the first colour given.
    BOOL Create(COLORREF background = RGB(0xFF, 0x81, 0x81));

    void SetCtrl(HWND hCtrl) { m_hCtrl = hCtrl; }
    // VX_HINT_ABOVE (default), VX_HINT_BELOW, VX_HINT_LEFT or VX_HINT_RIGHT.
    void SetMode(int mode) { m_nMode = mode; }
    // Shows the text beside the control; nothing while shown already or when no window has
    // the focus.
    void ShowInfo(const char* text);
    void Hide();
    const std::string& GetText() const { return m_strText; }

protected:
    BEGIN_MSG_MAP(CInfoWnd, CWnd)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_TIMER(OnTimer)
        ON_MESSAGE(WM_LBUTTONUP, OnLButtonUp)
    END_MSG_MAP()

    LRESULT OnPaint(WPARAM, LPARAM);
    void OnTimer(UINT_PTR id);
    LRESULT OnLButtonUp(WPARAM, LPARAM);

private:
    HWND m_hCtrl = nullptr;
    int m_nMode = VX_HINT_ABOVE;
    std::string m_strText;
};
