// CButtonST: an owner-drawn push button with icons, per-state colours and check-box, radio
// and menu modes. CShadeButtonST draws a generated background under the same logic.
#pragma once

#include "framework/MsgMap.h"
#include "framework/Wnd.h"

#include <functional>

// Set by the controller before it destroys the main window: a menu button whose menu was
// open then touches nothing more.
extern bool G_bClosing;

class CButtonST : public CWnd {
public:
    // Colour slots.
    enum {
        BTNST_COLOR_BK_IN = 0,   // background while the pointer is over it or it is pressed
        BTNST_COLOR_FG_IN = 1,   // text, same states
        BTNST_COLOR_BK_OUT = 2,  // background, normal
        BTNST_COLOR_FG_OUT = 3,  // text, normal
        BTNST_COLOR_BK_FOCUS = 4,
        BTNST_COLOR_FG_FOCUS = 5,
        BTNST_MAX_COLORS = 6,
    };
    enum { ST_ALIGN_CENTER = 0, ST_ALIGN_LEFT = 1 };

    CButtonST();
    ~CButtonST() override;

    // Creates the button as a child window (owner-drawn) attached to this object.
    BOOL Create(const char* text, DWORD style, const RECT& rc, HWND hParent, UINT nID);

    // Icons: the first while pressed or checked (and for a push button while the pointer is
    // over it), otherwise the second when set, else the first. Resource ids of this module.
    void SetIcon(UINT nIconIn, UINT nIconOut = 0);
    void SetIcon(HICON hIconIn, HICON hIconOut = nullptr); // the button does not own these
    void SetColor(int slot, COLORREF colour, BOOL bRepaint = TRUE);
    COLORREF GetColor(int slot) const;
    void SetDefaultColors(BOOL bRepaint = TRUE);
    void SetAlign(int align, BOOL bRepaint = TRUE);

    // Modes: check box (toggles on each click) or radio button (checks itself, unchecks the
    // rest of its group).
    void SetCheckBox(bool bCheckBox = true) { m_bIsCheckBox = bCheckBox; }
    void SetRadio(bool bRadio = true) { m_bIsRadio = bRadio; }
    bool IsCheckBox() const { return m_bIsCheckBox; }
    bool IsRadio() const { return m_bIsRadio; }
    void SetCheck(int nCheck, BOOL bRepaint = TRUE);
    int GetCheck() const { return m_nCheck; }

    // Menu mode: a click shows the pop-up menu (the button owns it) at the button's
    // bottom-left corner and posts the chosen command to hCommandWnd. The callback runs just
    // before the menu opens (to enable or grey items).
    void SetMenu(HMENU hMenu, HWND hCommandWnd);
    HMENU GetMenu() const { return m_hMenu; }
    void SetMenuCallback(std::function<void(HMENU)> fn) { m_onMenuOpen = std::move(fn); }

    // Kept by the tab container.
    void SetSelected(bool bSelected) { m_bSelected = bSelected; }
    bool IsSelected() const { return m_bSelected; }
    void SetPosition(int nPosition) { m_nPosition = nPosition; }
    int GetPosition() const { return m_nPosition; }

    bool IsPointerOver() const { return m_bMouseOver; }

    // A tooltip over the button (created on first use).
    void SetTooltipText(const char* text);
    // A sound file played (without waiting) when the button is clicked; empty: none.
    void SetSound(const char* wavFile) { m_strSound = wavFile ? wavFile : ""; }
    const CString& GetSound() const { return m_strSound; }
    HWND GetTooltip() const { return m_hTooltip; }

    // Paints the button in the given state (ODS_* flags) into a DC.
    void DrawButton(HDC hDC, const RECT& rc, UINT itemState);
    // Paints one item of the attached menu (WM_DRAWITEM of an ODT_MENU item).
    void DrawMenuItem(const DRAWITEMSTRUCT& dis);

protected:
    void OnSubclassed() override;

    // The background and border of the current state; CShadeButtonST draws bitmaps.
    virtual void OnDrawBackground(HDC hDC, const RECT& rc, UINT itemState);
    virtual void OnDrawBorder(HDC hDC, const RECT& rc, UINT itemState);
    // Text colour of the current state.
    COLORREF StateTextColour(UINT itemState) const;
    bool IsDrawnPressed(UINT itemState) const;

    BEGIN_MSG_MAP(CButtonST, CWnd)
        ON_REFLECT(WM_DRAWITEM, OnDrawItem)
        ON_REFLECT_EX(WM_COMMAND, OnReflectedCommand)
        ON_MESSAGE(BM_SETCHECK, OnSetCheck)
        ON_MESSAGE(BM_GETCHECK, OnGetCheck)
        ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
        ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
        ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
        ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
        ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
        ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
        ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
        ON_MESSAGE(WM_MEASUREITEM, OnMeasureMenuItem)
        ON_MESSAGE(WM_DRAWITEM, OnDrawMenuItem)
    END_MSG_MAP()

    LRESULT OnDrawItem(WPARAM, LPARAM lParam);
    BOOL OnReflectedCommand(WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM) { return m_nCheck; }
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    // The pop-up menu is drawn by the button, in the button's font (the page font of the
    // language table, so that every language's texts show).
    LRESULT OnMeasureMenuItem(WPARAM, LPARAM lParam);
    LRESULT OnDrawMenuItem(WPARAM, LPARAM lParam);
    void MakeMenuOwnerDrawn();

    // Returns false when the button must not be touched any more (closing).
    bool OnClicked();

    COLORREF m_crColors[BTNST_MAX_COLORS];
    int m_nAlign = ST_ALIGN_CENTER;
    bool m_bSelected = false;
    int m_nPosition = 0;
    bool m_bMouseOver = false;
    bool m_bIsCheckBox = false;
    bool m_bIsRadio = false;
    int m_nCheck = 0;
    bool m_bIsDefault = false;
    bool m_bMenuDisplayed = false;
    HICON m_hIconIn = nullptr;
    HICON m_hIconOut = nullptr;
    bool m_bOwnIcons = false;
    HMENU m_hMenu = nullptr;
    HWND m_hMenuWnd = nullptr;
    HWND m_hTooltip = nullptr;
    CString m_strSound;
    std::function<void(HMENU)> m_onMenuOpen;

private:
    void FreeIcons();
    void DrawIconAndText(HDC hDC, const RECT& rc, UINT itemState);
};
