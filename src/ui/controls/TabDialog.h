// CTabDialog: the tab container. A child dialog (resource 142) that owns a set of pages, one
// selection button per page, and buttons without a page whose clicks go to its parent.
#pragma once

#include "framework/MsgMap.h"
#include "ui/controls/ResizeDlg.h"

#include <vector>

class CButtonST;

class CTabDialog : public CResizeDlg {
public:
    enum { IDD = 142 };
    explicit CTabDialog(UINT nIDTemplate = IDD, CWnd* pParent = nullptr) : CResizeDlg(nIDTemplate, pParent) {}

    // Stores the pair under the next page index and gives the button its position number.
    int AddPage(CWnd* pPage, CButtonST* pButton);
    // Stores a button without a page; its clicks are delivered to the container's parent.
    int AddButton(CButtonST* pButton);

    // Moves every page to the rectangle and shows the one at `index`, marking its button.
    void ShowPage(const RECT& rc, int index);
    void HideAllPages();
    void ClearSelection();

    int GetPageCount() const { return m_nPageCount; }
    int GetButtonCount() const { return m_nButtonCount; }
    CWnd* GetPage(int index) const;
    CButtonST* GetPageButton(int index) const;
    CButtonST* GetButton(int index) const;

protected:
    BEGIN_MSG_MAP(CTabDialog, CResizeDlg)
        ON_MESSAGE_EX(WM_COMMAND, OnCommandMsg)
    END_MSG_MAP()

    // Page-button and command-button clicks; FALSE leaves the command to default handling.
    virtual BOOL OnCommandMsg(WPARAM wParam, LPARAM lParam, LRESULT& lResult);

private:
    std::vector<CWnd*> m_pages;
    std::vector<CButtonST*> m_pageButtons;
    std::vector<CButtonST*> m_buttons;
    int m_nPageCount = 0;
    int m_nButtonCount = 0;
};
