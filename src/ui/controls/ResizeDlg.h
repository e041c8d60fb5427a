// CResizeDlg: the dialog base of the main window, the pages, panels and small dialogs. On a
// desktop less than 660 pixels high every dialog is created from its template rewritten to
// "Trebuchet MS" 7 points, so that it shrinks with its dialog units.
//
// CPageDlg: the behaviour every page shares: the etched line across its top, dragging the
// caption-less main window by a page in the compact layout, and Enter and Escape swallowed.
#pragma once

#include "framework/Dialog.h"

class CResizeDlg : public CDialog {
public:
    explicit CResizeDlg(UINT nIDTemplate = 0, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) {}

    // Whether the desktop is less than 660 pixels high (the compact layout).
    static bool IsCompactDesktop();
    // The bottom edge of the desktop window; tests may replace it (0 restores the real one).
    static int DesktopBottom();
    static void SetDesktopBottomForTest(int bottom);

protected:
    // The template, with the compact-layout font when the desktop is small.
    const DLGTEMPLATE* GetTemplate(std::vector<BYTE>& storage) override;

    BEGIN_MSG_MAP(CResizeDlg, CDialog)
    END_MSG_MAP()
};

class CPageDlg : public CResizeDlg {
public:
    explicit CPageDlg(UINT nIDTemplate = 0, CWnd* pParent = nullptr) : CResizeDlg(nIDTemplate, pParent) {}

    // The 2-pixel etched line across the top of a page.
    static void DrawTopLine(HWND hWnd, HDC hDC);

protected:
    // Enter and Escape pressed in the page reach the page itself (and stop there), not the
    // window that holds it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BEGIN_MSG_MAP(CPageDlg, CResizeDlg)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
        ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
        ON_COMMAND(IDOK, OnSwallowedCommand)
        ON_COMMAND(IDCANCEL, OnSwallowedCommand)
    END_MSG_MAP()

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM, LPARAM);
    LRESULT OnNcHitTest(WPARAM, LPARAM);
    void OnSwallowedCommand() {}
};

// Placement helpers shared by the pages.
// The rectangle of a dialog's control in the dialog's client coordinates.
RECT VxGetControlRect(HWND hDlg, int nID);
void VxGetControlRect(HWND hDlg, int nID, int& x, int& y, int& cx, int& cy);
// Moves a control, shows it and sets its text (text may be null to keep it).
void VxPlaceControl(HWND hDlg, int nID, int x, int y, int cx, int cy, const char* text);
