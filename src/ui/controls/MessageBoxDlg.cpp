#include "ui/controls/MessageBoxDlg.h"

#include "app/LangTable.h"
#include "controls_ids.h"

CString CMessageBoxDlg::OkCaption()
{
    return VxLang().m_IDS_OK;
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
