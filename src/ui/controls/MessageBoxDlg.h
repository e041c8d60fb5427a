// CMessageBoxDlg: the utility's own message box (dialog 125): an icon, one text, OK.
#pragma once

#include "ui/controls/ResizeDlg.h"

class CMessageBoxDlg : public CResizeDlg {
public:
    enum { IDD = 125 };
    explicit CMessageBoxDlg(CWnd* pParent = nullptr) : CResizeDlg(IDD, pParent) {}

    // Runs the box modally with the text: IDOK for OK, IDCANCEL when it was destroyed
    // otherwise, -1 when it could not be created.
    INT_PTR Show(const char* text);

    // The caption of the OK button.
    static CString OkCaption();

protected:
    BOOL OnInitDialog() override;

    BEGIN_MSG_MAP(CMessageBoxDlg, CResizeDlg)
    END_MSG_MAP()

private:
    CString m_strText;
};
