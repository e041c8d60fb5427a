#include "framework/Dialog.h"

#include "framework/DataExchange.h"

#include <cstring>

namespace {
thread_local int t_modalDepth = 0;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParent) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParent) {}

int CDialog::GetModalDepth()
{
    return t_modalDepth;
}

const DLGTEMPLATE* CDialog::GetTemplate(std::vector<BYTE>& storage)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!hRes)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    const void* p = hData ? ::LockResource(hData) : nullptr;
    const DWORD size = ::SizeofResource(hInst, hRes);
    if (!p || size == 0)
        return nullptr;
    storage.assign(static_cast<const BYTE*>(p), static_cast<const BYTE*>(p) + size);
    return reinterpret_cast<const DLGTEMPLATE*>(storage.data());
}

BOOL CDialog::CreateFromTemplate(const DLGTEMPLATE* pTemplate, HWND hParent)
{
    if (m_hWnd || !pTemplate)
        return FALSE;
    SetCreatingObject(this);
    HWND hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), pTemplate, hParent,
                                             &CDialog::DialogProcThunk, reinterpret_cast<LPARAM>(this));
    TakeCreatingObject();
    return hWnd != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParent)
{
    if (nIDTemplate)
        m_nIDTemplate = nIDTemplate;
    if (pParent)
        m_pParentWnd = pParent;
    std::vector<BYTE> storage;
    return CreateFromTemplate(GetTemplate(storage), m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(const DLGTEMPLATE* pTemplate, CWnd* pParent)
{
    if (pParent)
        m_pParentWnd = pParent;
    return CreateFromTemplate(pTemplate, m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal()
{
    std::vector<BYTE> storage;
    const DLGTEMPLATE* pTemplate = GetTemplate(storage);
    if (!pTemplate)
        return -1;
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const bool reenableParent = hParent && ::IsWindowEnabled(hParent);
    if (reenableParent)
        ::EnableWindow(hParent, FALSE);
    // Modal from before creation, so that OnInitDialog may already end the dialog.
    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    INT_PTR result = -1;
    if (CreateFromTemplate(pTemplate, hParent))
        result = RunModalLoop();
    m_bModal = false;
    if (reenableParent)
        ::EnableWindow(hParent, TRUE);
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        ::DestroyWindow(m_hWnd);
    }
    return result;
}

INT_PTR CDialog::RunModalLoop()
{
    if (!m_hWnd)
        return -1;
    const bool ownState = !m_bModal;
    if (ownState) {
        m_bModal = true;
        m_bEndModal = false;
        m_nModalResult = -1;
    }
    ++t_modalDepth;
    bool idleSeen = !m_bShowOnIdle || ::IsWindowVisible(m_hWnd);
    MSG msg;
    while (!m_bEndModal) {
        if (!idleSeen && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            idleSeen = true;
            if (m_hWnd)
                ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            continue;
        }
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Let the outer loops see the quit request too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateForLoop(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    --t_modalDepth;
    if (ownState)
        m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR nResult)
{
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bEndModal = true;
        // Wake the loop in case the end was requested from a nested loop.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

LRESULT CDialog::HandleNcDestroy(WPARAM, LPARAM)
{
    if (m_bModal && !m_bEndModal) {
        m_nModalResult = IDCANCEL;
        m_bEndModal = true;
    }
    return Default();
}

// The dialog manager calls this procedure from DefDlgProc. At its first call the window
// is subclassed, so from then on every message passes through WindowProc first and reaches
// this procedure only as default processing, where it declines everything.
INT_PTR CALLBACK CDialog::DialogProcThunk(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWnd* p = FromHandle(hWnd);
    if (!p) {
        p = TakeCreatingObject();
        if (!p && msg == WM_INITDIALOG)
            p = reinterpret_cast<CDialog*>(lParam);
        if (!p)
            return FALSE;
        p->SubclassWindow(hWnd);
        if (msg == WM_INITDIALOG)
            return static_cast<INT_PTR>(static_cast<CDialog*>(p)->WindowProc(msg, wParam, lParam));
    }
    return FALSE;
}
