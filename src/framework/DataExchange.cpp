#include "framework/DataExchange.h"

#include <cstdio>

void DDX_Text(CDataExchange* pDX, int nID, CString& value)
{
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(nID);
    else
        ::SetDlgItemTextA(pDX->m_pDlgWnd->m_hWnd, nID, value);
}

void DDX_Text(CDataExchange* pDX, int nID, int& value)
{
    if (pDX->m_bSaveAndValidate) {
        value = VxAtoi(pDX->m_pDlgWnd->GetDlgItemText(nID));
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%d", value);
        ::SetDlgItemTextA(pDX->m_pDlgWnd->m_hWnd, nID, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nID, unsigned int& value)
{
    if (pDX->m_bSaveAndValidate) {
        const int n = VxAtoi(pDX->m_pDlgWnd->GetDlgItemText(nID));
        value = n < 0 ? 0u : static_cast<unsigned int>(n);
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%u", value);
        ::SetDlgItemTextA(pDX->m_pDlgWnd->m_hWnd, nID, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nID, char* buffer, size_t size)
{
    if (pDX->m_bSaveAndValidate)
        VxCopyText(buffer, size, pDX->m_pDlgWnd->GetDlgItemText(nID));
    else
        ::SetDlgItemTextA(pDX->m_pDlgWnd->m_hWnd, nID, CString(buffer, ::strnlen(buffer, size)));
}

void DDX_Check(CDataExchange* pDX, int nID, int& value)
{
    HWND h = pDX->Control(nID);
    if (!h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nID, int& value)
{
    HWND h = pDX->Control(nID);
    if (!h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    // The group runs from nID up to the next control with WS_GROUP.
    for (HWND c = h; c; c = ::GetWindow(c, GW_HWNDNEXT), ++index) {
        if (c != h && (::GetWindowLongPtrA(c, GWL_STYLE) & WS_GROUP))
            break;
        if ((::SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0) {
            --index;
            continue;
        }
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageA(c, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nID, int& value)
{
    HWND h = pDX->Control(nID);
    if (!h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(h, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(h, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDX_LBIndex(CDataExchange* pDX, int nID, int& value)
{
    HWND h = pDX->Control(nID);
    if (!h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(h, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDX_Control(CDataExchange* pDX, int nID, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(nID), pDX->m_pDlgWnd);
}
