#include "controller/HideDlg.h"

#include "app/Globals.h"
#include "app/LangWin.h"
#include "app/Trace.h"
#include "device/VxWLLib.h"
#include "ui/controls/ResizeDlg.h"

#include <sddl.h>

CHideDlg* G_pHideDlg = nullptr;

namespace {
// Any user's copy may signal the running one: generic-all for guests, anonymous,
// authenticated users and administrators.
const char kShowUIEventSddl[] = "D:(A;OICI;GA;;;BG)(A;OICI;GA;;;AN)(A;OICI;GA;;;AU)(A;OICI;GA;;;BA)";
const char kShowUIEventName[] = "ShowUIEvent";
// Highest id stopped by KillAllTimer.
const UINT_PTR kLastKilledTimer = 16;
} // namespace

CHideDlg::CHideDlg(CWnd* pParent) : CDialog(IDD_HIDE_DLG, pParent)
{
    // Never shown: the modal loop must not show it, and painting hides it again.
    m_bShowOnIdle = false;
}

CHideDlg::~CHideDlg()
{
    StopShowUIListener();
}

BOOL CHideDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    StartShowUIListener();
    SetWindowText(VX_CONTROLLER_TITLE);

    if (!VXWLAPI.Load()) {
        VxTrace("[VxUI] Load dll fail: %s", VXWLAPI.LibraryPath());
        ::MessageBoxA(m_hWnd, VXWLAPI.LibraryPath(), "Load dll fail", MB_OK);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    VxTrace("[VxUI] Load dll Success: %s", VXWLAPI.LibraryPath());
    VxTrace("[VxUI] bShowUI = %d\n", bShowUI);
    VXWLAPI.VXWL_Initial("Ombrel", m_hWnd);
    VxLoadLanguage(); // the language table, once; traces the file chosen
    G_pHideDlg = this;

    if (CResizeDlg::IsCompactDesktop()) {
        G_bHideTabIcon = true;
        VxTrace("[VxUI] Set G_bHideTabIcon as TRUE\n");
        ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    }

    SetTimer(TIMER_HIDE_DLG_CHECKINI_DEBUGMODE, 8000);
    return TRUE;
}

LRESULT CHideDlg::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    ::BeginPaint(m_hWnd, &ps);
    ::EndPaint(m_hWnd, &ps);
    ShowWindow(SW_HIDE);
    return 0;
}

void CHideDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_HIDE_DLG_CHECKINI_DEBUGMODE)
        VXWLAPI.ReReadDebugMode();
}

void CHideDlg::OnTrayLaunch()
{
    VxTrace("[VxUI] --> CHideDlg::OnTrayLaunch\n");
    if (m_bDialogRunning)
        VxTrace("[VxUI] m_bDialogRunning is TRUE!");
    VxTrace("[VxUI] <-- CHideDlg::OnTrayLaunch\n");
}

void CHideDlg::OnTrayExit()
{
    VxTrace("[VxUI] --> CHideDlg::OnTrayExit\n");
    if (m_bDialogRunning) {
        VxTrace("[VxUI] m_bDialogRunning is TRUE!");
        return;
    }
    EndDialog(IDOK);
    VxTrace("[VxUI] <-- CHideDlg::OnTrayExit\n");
}

LRESULT CHideDlg::OnDestroy(WPARAM, LPARAM)
{
    VxTrace("[VxUI] --> CHideDlg::OnDestroy\n");
    for (UINT_PTR id = 0; id <= kLastKilledTimer; ++id)
        KillTimer(id);
    if (VXWLAPI.IsLoaded()) {
        VXWLAPI.VXWL_DeInitial();
        VXWLAPI.Release();
    }
    G_pHideDlg = nullptr;
    StopShowUIListener();
    VxTrace("[VxUI] <-- CHideDlg::OnDestroy\n");
    return Default();
}

bool CHideDlg::IsListenerRunning() const
{
    return m_hListenerThread && ::WaitForSingleObject(m_hListenerThread, 0) == WAIT_TIMEOUT;
}

void CHideDlg::StartShowUIListener()
{
    if (m_hShowUIEvent)
        return;
    PSECURITY_DESCRIPTOR pSD = nullptr;
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, FALSE};
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA(kShowUIEventSddl, SDDL_REVISION_1, &pSD, nullptr))
        sa.lpSecurityDescriptor = pSD;
    else
        VxTrace("[VxUI] ConvertStringSecurityDescriptorToSecurityDescriptor() return FALSE, error code = %d\n",
                static_cast<int>(::GetLastError()));
    m_hShowUIEvent = ::CreateEventA(pSD ? &sa : nullptr, FALSE, FALSE, kShowUIEventName);
    if (pSD)
        ::LocalFree(pSD);
    if (!m_hShowUIEvent) {
        VxTrace("[VxUI] CreateEvent \"ShowUIEvent\" fail\n");
        return;
    }
    m_bStopListener = false;
    m_hListenerThread = ::CreateThread(nullptr, 0, &CHideDlg::ShowUIListenerProc, this, 0, nullptr);
    if (!m_hListenerThread) {
        ::CloseHandle(m_hShowUIEvent);
        m_hShowUIEvent = nullptr;
    }
}

DWORD WINAPI CHideDlg::ShowUIListenerProc(LPVOID param)
{
    auto* self = static_cast<CHideDlg*>(param);
    HANDLE hEvent = self->m_hShowUIEvent;
    while (!self->m_bStopListener) {
        const DWORD wait = ::WaitForSingleObject(hEvent, INFINITE);
        if (wait != WAIT_OBJECT_0) {
            VxTrace("[VxUI] WaitForSingleObject() return %d\n", static_cast<int>(wait));
            // A failed wait returns at once: back off instead of spinning.
            ::Sleep(1000);
            continue;
        }
        if (self->m_bStopListener)
            break;
        HWND hWnd = ::FindWindowA(nullptr, VX_CONTROLLER_TITLE);
        if (!hWnd)
            VxTrace("[VxUI] FindWindow \"Ombrel Utility\" failed!\n");
        else if (!::PostMessageA(hWnd, WM_COMMAND, ID_TRAY_LAUNCH, 0))
            VxTrace("[VxUI] PostMessage ID_TRAY_LAUNCH failed!, GetLastError() = %d\n",
                    static_cast<int>(::GetLastError()));
        ::ResetEvent(hEvent);
    }
    return 0;
}

void CHideDlg::StopShowUIListener()
{
    if (!m_hShowUIEvent)
        return;
    m_bStopListener = true;
    ::SetEvent(m_hShowUIEvent);
    if (m_hListenerThread) {
        // The handle is closed only once the thread no longer uses it.
        if (::WaitForSingleObject(m_hListenerThread, 5000) != WAIT_OBJECT_0) {
            VxTrace("[VxUI] ShowUI listener did not end\n");
            return;
        }
        ::CloseHandle(m_hListenerThread);
        m_hListenerThread = nullptr;
    }
    ::CloseHandle(m_hShowUIEvent);
    m_hShowUIEvent = nullptr;
}
