// Dialog data exchange. Lenient by design: an empty or non-numeric edit reads as 0 and
// nothing ever shows an error box.
#pragma once

#include "framework/Wnd.h"

#include <cstddef>

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate; // TRUE: controls to members
    HWND Control(int nID) const { return ::GetDlgItem(m_pDlgWnd->m_hWnd, nID); }
};

void DDX_Text(CDataExchange* pDX, int nID, CString& value);
void DDX_Text(CDataExchange* pDX, int nID, int& value);
void DDX_Text(CDataExchange* pDX, int nID, unsigned int& value);
void DDX_Text(CDataExchange* pDX, int nID, char* buffer, size_t size);
template <size_t N>
void DDX_Text(CDataExchange* pDX, int nID, char (&buffer)[N]) { DDX_Text(pDX, nID, buffer, N); }
// Check box state: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nID, int& value);
// Index of the checked radio button in the group that starts at nID (-1: none).
void DDX_Radio(CDataExchange* pDX, int nID, int& value);
// Selected index of a combo box or list box (-1: none).
void DDX_CBIndex(CDataExchange* pDX, int nID, int& value);
void DDX_LBIndex(CDataExchange* pDX, int nID, int& value);
// Subclasses the control into the object the first time.
void DDX_Control(CDataExchange* pDX, int nID, CWnd& control);
