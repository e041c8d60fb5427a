// CProgressCtrlX: a progress bar drawn as a gradient with a centred, formatted text and an
// optional moving gradient.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>
#include "ui/controls/ControlMath.h"
#include "ui/controls/Gradient.h"

#include <initializer_list>

// Text styles.
constexpr DWORD
    PBS_SHOW_PERCENT = VX_PBS_SHOW_PERCENT,
    PBS_SHOW_POSITION = VX_PBS_SHOW_POSITION,
    PBS_SHOW_TEXTONLY = VX_PBS_SHOW_TEXTONLY,
    PBS_TEXTMASK = VX_PBS_TEXTMASK;

class CProgressCtrlX : public CWnd {
public:
    enum { TIMER_ANIMATION = 12 };

    CProgressCtrlX();
    ~CProgressCtrlX() override;

    BOOL Create(DWORD style, const RECT& rc, HWND hParent, UINT nID);

    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const { lower = m_nLower; upper = m_nUpper; }
    int SetPos(int pos); // returns the previous position
    int GetPos() const { return m_nPos; }

    void SetGradientColors(std::initializer_list<COLORREF> colours);
    void SetGradientColors(int count, const COLORREF* colours);
    const std::vector<COLORREF>& GetGradientColors() const { return m_gradient.GetColours(); }
    void SetBkColor(COLORREF colour);
    // Text colours over the background and over the filled part.
    void SetTextColor(COLORREF overBackground, COLORREF overBar);

    // An empty format or a style of 0 clears both.
    void SetTextFormat(const char* format, DWORD style = PBS_SHOW_PERCENT);
    void SetShowPercent(bool show = true);
    void SetShowPosition(bool show = true);
    DWORD GetTextStyle() const { return m_dwStyle; }
    // The text the bar shows now.
    std::string GetBarText() const;

    // Starts (interval > 0) or stops the moving gradient.
    void SetAnimation(UINT intervalMs, int step);
    int GetAnimationOffset() const { return m_nAnimOffset; }

    void Paint(HDC hDC, const RECT& rc) const;

protected:
    void OnSubclassed() override;

    BEGIN_MSG_MAP(CProgressCtrlX, CWnd)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
        ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
        ON_TIMER(OnTimer)
        ON_MESSAGE(PBM_SETRANGE, OnSetRange16)
        ON_MESSAGE(PBM_SETRANGE32, OnSetRange32)
        ON_MESSAGE(PBM_SETPOS, OnSetPos)
        ON_MESSAGE(PBM_DELTAPOS, OnDeltaPos)
        ON_MESSAGE(PBM_SETBARCOLOR, OnSetBarColor)
        ON_MESSAGE(PBM_SETBKCOLOR, OnSetBkColorMsg)
        ON_MESSAGE(WM_SETFONT, OnSetFont)
        ON_MESSAGE(WM_GETFONT, OnGetFont)
    END_MSG_MAP()

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    void OnTimer(UINT_PTR id);
    LRESULT OnSetRange16(WPARAM, LPARAM lParam);
    LRESULT OnSetRange32(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetPos(WPARAM wParam, LPARAM);
    LRESULT OnDeltaPos(WPARAM wParam, LPARAM);
    LRESULT OnSetBarColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBkColorMsg(WPARAM, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

private:
    void Redraw() const;

    int m_nLower = 0, m_nUpper = 100, m_nPos = 0;
    CGradient m_gradient;
    COLORREF m_crBk, m_crTextOnBk, m_crTextOnBar;
    std::string m_strFormat;
    DWORD m_dwStyle = 0;
    int m_nAnimStep = 0, m_nAnimOffset = 0;
    UINT m_nAnimInterval = 0;
    HFONT m_hFont = nullptr;
};
