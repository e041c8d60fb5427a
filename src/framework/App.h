// The application object: command line, start-up and exit, main window.
#pragma once

#include "framework/Wnd.h"

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    static CApplication* GetApp();

    // Runs InitInstance; when it returns TRUE, a message loop until WM_QUIT; then
    // ExitInstance, whose result is the process exit code.
    int Run(HINSTANCE hInstance, const char* cmdLine);

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Key for per-user settings of the application (kept for the owner; nothing reads it).
    void SetRegistryKey(const char* key) { m_strRegistryKey = key; }

    HINSTANCE m_hInstance = nullptr;
    CString m_strCmdLine;        // text after the program name
    CWnd* m_pMainWnd = nullptr;
    CString m_strRegistryKey;
};
