#include "ui/controls/MessageBoxDlg.h"

#include "controls_ids.h"

CString CMessageBoxDlg::OkCaption()
{
    // The language table's IDS_OK text; empty until the table provides it.
    return CString();
}

INT_PTR CMessageBoxDlg::Show(const char* text)
{
    m_strText = text ? text : "";
    return DoModal();
}

BOOL CMessageBoxDlg::OnInitDialog()
{
    CResizeDlg::OnInitDialog();
    SetDlgItemText(IDC_MESSAGEBOX_TEXT, m_strText);
    SetDlgItemText(IDOK, OkCaption());
    return TRUE;
}
