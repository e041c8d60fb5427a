#include "framework/App.h"

namespace {
CApplication* g_pApp = nullptr;
}

CApplication::CApplication()
{
    g_pApp = this;
}

CApplication::~CApplication()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CApplication* CApplication::GetApp()
{
    return g_pApp;
}

int CApplication::Run(HINSTANCE hInstance, const char* cmdLine)
{
    m_hInstance = hInstance;
    m_strCmdLine = cmdLine ? cmdLine : "";
    if (InitInstance()) {
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (!CWnd::PreTranslateForLoop(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    return ExitInstance();
}

BOOL CApplication::InitInstance()
{
    return TRUE;
}

int CApplication::ExitInstance()
{
    return 0;
}
