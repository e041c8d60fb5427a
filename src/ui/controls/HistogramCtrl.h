// CHistogramCtrl: a scrolling bar chart (2-pixel bars) with a label column (a static control).
#pragma once

#include "framework/Wnd.h"
#include "ui/controls/ControlMath.h"

class CHistogramCtrl : public CWnd {
public:
    enum { MAX_LINES = 10 };

    CHistogramCtrl();

    // Stores the value as the newest and repaints at once.
    void AddValue(double value);
    void Clear();
    void SetMaxValue(double maximum);
    double GetMaxValue() const { return m_dMax; }
    void SetLabelWidth(int width);
    void SetLineCount(int count);
    void SetLine(int index, const char* text);
    void SetBarColor(COLORREF colour);
    // Label column at the right edge instead of the left.
    void SetLabelsRight(bool right);
    // Newest bar at the chart's right edge, older bars to its left.
    void SetNewestRight(bool right);

    void Paint(HDC hDC, const RECT& rc);

protected:
    BEGIN_MSG_MAP(CHistogramCtrl, CWnd)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
        ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
    END_MSG_MAP()

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }

private:
    void Redraw(bool now);

    COLORREF m_crBar = RGB(0, 255, 0);
    CString m_lines[MAX_LINES];
    int m_nLabelWidth = 0;
    int m_nLines = 0;
    bool m_bLabelsRight = false;
    bool m_bNewestRight = false;
    double m_dMax = 1.0;
    VxHistogramModel m_model;
};
