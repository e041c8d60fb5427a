// CDialog: dialogs from templates, modal (with our own nestable loop) or modeless.
#pragma once

#include "framework/Wnd.h"

#include <vector>

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate = 0, CWnd* pParent = nullptr);

    // Creates the dialog, runs its modal loop and destroys it. The owner is disabled while
    // the loop runs. Returns the value given to EndDialog, IDCANCEL when the window was
    // destroyed, or -1 when it could not be created.
    virtual INT_PTR DoModal();

    // Modeless creation from a resource or from a template in memory.
    BOOL Create(UINT nIDTemplate = 0, CWnd* pParent = nullptr);
    BOOL CreateIndirect(const DLGTEMPLATE* pTemplate, CWnd* pParent = nullptr);

    // Runs a modal loop on the already created window until EndDialog or destruction.
    // The window is shown at the loop's first idle moment unless it is visible already.
    INT_PTR RunModalLoop();

    // Modal: ends the loop with nResult. Modeless: only hides the window.
    void EndDialog(INT_PTR nResult);

    bool IsInModalLoop() const { return m_bModal; }
    // Number of modal loops running on the calling thread.
    static int GetModalDepth();

    // Moves values between the controls and the members (TRUE: controls to members).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    // The template the dialog is created from. The default loads the resource
    // m_nIDTemplate; a derived class may return a rewritten copy kept in `storage`.
    virtual const DLGTEMPLATE* GetTemplate(std::vector<BYTE>& storage);

    BEGIN_MSG_MAP(CDialog, CWnd)
        ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
        ON_MESSAGE(WM_NCDESTROY, HandleNcDestroy)
        ON_COMMAND(IDOK, OnOK)
        ON_COMMAND(IDCANCEL, OnCancel)
    END_MSG_MAP()

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    // Whether RunModalLoop shows the window when the loop first becomes idle.
    bool m_bShowOnIdle = true;

private:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    LRESULT HandleNcDestroy(WPARAM, LPARAM);
    BOOL CreateFromTemplate(const DLGTEMPLATE* pTemplate, HWND hParent);
    static INT_PTR CALLBACK DialogProcThunk(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    bool m_bModal = false; // DoModal or RunModalLoop is in progress
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};
