#include "ui/controls/HistogramCtrl.h"

#include "framework/Gdi.h"

CHistogramCtrl::CHistogramCtrl() : m_model(::GetSystemMetrics(SM_CXSCREEN)) {}

void CHistogramCtrl::Redraw(bool now)
{
    if (!m_hWnd)
        return;
    Invalidate(FALSE);
    if (now)
        UpdateWindow();
}

void CHistogramCtrl::AddValue(double value)
{
    m_model.Add(value);
    Redraw(true);
}

void CHistogramCtrl::Clear()
{
    m_model.Clear();
    Redraw(false);
}

void CHistogramCtrl::SetMaxValue(double maximum)
{
    m_dMax = maximum;
    Redraw(false);
}

void CHistogramCtrl::SetLabelWidth(int width)
{
    m_nLabelWidth = width < 0 ? 0 : width;
    Redraw(false);
}

void CHistogramCtrl::SetLineCount(int count)
{
    m_nLines = count < 0 ? 0 : (count > MAX_LINES ? MAX_LINES : count);
    Redraw(false);
}

void CHistogramCtrl::SetLine(int index, const char* text)
{
    if (index < 0 || index >= MAX_LINES)
        return;
    m_lines[index] = text;
    Redraw(false);
}

void CHistogramCtrl::SetBarColor(COLORREF colour)
{
    m_crBar = colour;
    Redraw(false);
}

void CHistogramCtrl::SetLabelsRight(bool right)
{
    m_bLabelsRight = right;
    Redraw(false);
}

void CHistogramCtrl::SetNewestRight(bool right)
{
    m_bNewestRight = right;
    Redraw(false);
}

void CHistogramCtrl::Paint(HDC hDC, const RECT& rc)
{
    const COLORREF black = RGB(0, 0, 0);
    RECT label = rc, chart = rc;
    const int lw = m_nLabelWidth < rc.right - rc.left ? m_nLabelWidth : rc.right - rc.left;
    if (m_bLabelsRight) {
        label.left = rc.right - lw;
        chart.right = label.left;
    } else {
        label.right = rc.left + lw;
        chart.left = label.right;
    }
    if (lw > 0) {
        VxFillSolidRect(hDC, label, black);
        const int step = VxHistogramLineStep(label.bottom - label.top, m_nLines);
        if (step > 0) {
            CSelect font(hDC, GetFont() ? static_cast<HGDIOBJ>(GetFont()) : ::GetStockObject(DEFAULT_GUI_FONT));
            ::SetBkMode(hDC, TRANSPARENT);
            ::SetTextColor(hDC, RGB(255, 255, 255));
            for (int i = 0; i < m_nLines; ++i) {
                RECT line{label.left, label.top + i * step, label.right, label.top + (i + 1) * step};
                ::DrawTextA(hDC, m_lines[i], -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            }
        }
    }
    VxFillSolidRect(hDC, chart, black);
    if (m_dMax == 0)
        return;
    const int chartHeight = chart.bottom - chart.top;
    const int chartWidth = chart.right - chart.left;
    for (int age = 0, offset = 0; offset < chartWidth && age < m_model.Size(); ++age, offset += 2) {
        const int h = VxHistogramBarHeight(m_model.ValueAt(age), m_dMax, chartHeight);
        if (h <= 0)
            continue;
        const int x = m_bNewestRight ? chart.right - offset - 2 : chart.left + offset;
        RECT bar{x, chart.bottom - h, x + 2, chart.bottom};
        if (bar.left < chart.left)
            bar.left = chart.left;
        if (bar.right > chart.right)
            bar.right = chart.right;
        VxFillSolidRect(hDC, bar, m_crBar);
    }
}

LRESULT CHistogramCtrl::OnPaint(WPARAM, LPARAM)
{
    VxPaintBuffered(m_hWnd, [this](HDC hDC, const RECT& rc) { Paint(hDC, rc); });
    return 0;
}

LRESULT CHistogramCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    Paint(reinterpret_cast<HDC>(wParam), GetClientRect());
    return 0;
}
