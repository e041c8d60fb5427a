// CSeparator: an etched line with an optional title (a static control).
#pragma once

#include "framework/Wnd.h"

class CSeparator : public CWnd {
public:
    void Paint(HDC hDC, const RECT& rc);

protected:
    BEGIN_MSG_MAP(CSeparator, CWnd)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
        ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
        ON_MESSAGE(WM_SETTEXT, OnSetText)
    END_MSG_MAP()

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    LRESULT OnSetText(WPARAM, LPARAM);
};
