#include "app/VxUI2008App.h"

#include "controller/HideDlg.h"

#include <commctrl.h>

bool CVxUI2008App::IsHiddenStartSwitch(const char* cmdLine)
{
    return cmdLine && (lstrcmpiA(cmdLine, "-S") == 0);
}

BOOL CVxUI2008App::InitInstance()
{
    INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF};
    ::InitCommonControlsEx(&icc);
    CApplication::InitInstance();

    m_hMutex = ::CreateMutexA(nullptr, FALSE, VX_INSTANCE_MUTEX);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another copy runs: wake it and leave without a window.
        if (m_hMutex)
            ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        HANDLE hEvent = ::OpenEventA(EVENT_ALL_ACCESS, FALSE, VX_SHOW_UI_EVENT);
        if (hEvent) {
            ::SetEvent(hEvent);
            ::CloseHandle(hEvent);
        }
        return FALSE;
    }

    SetRegistryKey("Local AppWizard-Generated Applications");
    CHideDlg dlg;
    if (IsHiddenStartSwitch(m_strCmdLine))
        dlg.bShowUI = 0;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CVxUI2008App::ExitInstance()
{
    if (m_hMutex) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    return CApplication::ExitInstance();
}
