#include "ui/controls/TabDialog.h"

#include "ui/controls/ButtonST.h"

int CTabDialog::AddPage(CWnd* pPage, CButtonST* pButton)
{
    m_pages.push_back(pPage);
    m_pageButtons.push_back(pButton);
    if (pButton)
        pButton->SetPosition(m_nPageCount + m_nButtonCount);
    ++m_nPageCount;
    return 1;
}

int CTabDialog::AddButton(CButtonST* pButton)
{
    m_buttons.push_back(pButton);
    if (pButton)
        pButton->SetPosition(m_nPageCount + m_nButtonCount);
    ++m_nButtonCount;
    return 1;
}

CWnd* CTabDialog::GetPage(int index) const
{
    return index >= 0 && index < m_nPageCount ? m_pages[static_cast<size_t>(index)] : nullptr;
}

CButtonST* CTabDialog::GetPageButton(int index) const
{
    return index >= 0 && index < m_nPageCount ? m_pageButtons[static_cast<size_t>(index)] : nullptr;
}

CButtonST* CTabDialog::GetButton(int index) const
{
    return index >= 0 && index < m_nButtonCount ? m_buttons[static_cast<size_t>(index)] : nullptr;
}

void CTabDialog::ShowPage(const RECT& rc, int index)
{
    for (int i = 0; i < m_nPageCount; ++i) {
        CWnd* pPage = m_pages[static_cast<size_t>(i)];
        if (!pPage)
            break;
        pPage->MoveWindow(rc, TRUE);
        if (i == index) {
            pPage->ShowWindow(SW_SHOW);
            if (CButtonST* pButton = m_pageButtons[static_cast<size_t>(i)])
                pButton->SetSelected(true);
        }
    }
}

void CTabDialog::HideAllPages()
{
    for (CWnd* pPage : m_pages)
        if (pPage && pPage->IsWindow())
            pPage->ShowWindow(SW_HIDE);
}

void CTabDialog::ClearSelection()
{
    for (CButtonST* pButton : m_pageButtons)
        if (pButton) {
            pButton->SetSelected(false);
            if (pButton->IsWindow())
                pButton->Invalidate();
        }
    Invalidate();
}

BOOL CTabDialog::OnCommandMsg(WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    // Enter and Escape never close the container.
    if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        lResult = 0;
        return TRUE;
    }
    if (HIWORD(wParam) != 0 || lParam == 0)
        return FALSE;
    HWND hFrom = reinterpret_cast<HWND>(lParam);
    for (int i = 0; i < m_nPageCount; ++i) {
        CButtonST* pButton = m_pageButtons[static_cast<size_t>(i)];
        if (!pButton || pButton->m_hWnd != hFrom)
            continue;
        CWnd* pPage = m_pages[static_cast<size_t>(i)];
        if (!pPage)
            break;
        ClearSelection();
        pButton->SetSelected(true);
        HideAllPages();
        pPage->ShowWindow(SW_SHOW);
        pPage->UpdateWindow();
        lResult = 0;
        return TRUE;
    }
    for (CButtonST* pButton : m_buttons) {
        if (!pButton || pButton->m_hWnd != hFrom)
            continue;
        HWND hParent = GetParent();
        ::SetParent(hFrom, hParent);
        ::SendMessageA(hFrom, BM_CLICK, 0, 0);
        if (::IsWindow(hFrom) && ::IsWindow(m_hWnd))
            ::SetParent(hFrom, m_hWnd);
        lResult = 0;
        return TRUE;
    }
    return FALSE;
}
