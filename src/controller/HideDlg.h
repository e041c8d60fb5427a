// CHideDlg: the hidden controller window that owns the device session for the whole run.
#pragma once

#include "framework/Dialog.h"
#include "resource.h"

#include <atomic>

// Title by which a second start finds the running copy.
#define VX_CONTROLLER_TITLE "Ombrel Utility"
// Controller timers.
#define TIMER_HIDE_DLG_CHECKINI_DEBUGMODE 22

class CHideDlg : public CDialog {
public:
    explicit CHideDlg(CWnd* pParent = nullptr);
    ~CHideDlg() override;

    // Whether adapter initialisation opens the main window (cleared by "-S"/"-s").
    int bShowUI = 1;
    // Set while the controller runs a modal step; timers and tray commands then do nothing.
    BOOL m_bDialogRunning = FALSE;

    // The second-start listener (exposed for tests).
    bool IsListenerRunning() const;

protected:
    BOOL OnInitDialog() override;
    // The controller has no OK or Cancel: Enter, Escape and close requests change nothing.
    void OnOK() override {}
    void OnCancel() override {}

    BEGIN_MSG_MAP(CHideDlg, CDialog)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_MESSAGE(WM_DESTROY, OnDestroy)
        ON_TIMER(OnTimer)
        ON_COMMAND(ID_TRAY_LAUNCH, OnTrayLaunch)
        ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
    END_MSG_MAP()

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    void OnTimer(UINT_PTR nIDEvent);
    void OnTrayLaunch();
    void OnTrayExit();

private:
    void StartShowUIListener();
    void StopShowUIListener();
    static DWORD WINAPI ShowUIListenerProc(LPVOID param);

    HANDLE m_hShowUIEvent = nullptr;
    HANDLE m_hListenerThread = nullptr;
    std::atomic<bool> m_bStopListener{false};
};

// The running controller, published once the device library is bound.
extern CHideDlg* G_pHideDlg;
