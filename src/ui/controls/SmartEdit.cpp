#include "ui/controls/SmartEdit.h"

#include "ui/controls/LinkSlider.h"

#include <string>

void CSmartEdit::ShowHint(const char* text)
{
    if (!m_info.m_hWnd && !m_info.Create(RGB(0xFF, 0x81, 0x81)))
        return;
    m_info.SetCtrl(m_hWnd);
    m_info.ShowInfo(text);
}

void CSmartEdit::Beep()
{
    ::MessageBeep(MB_OK);
}

LRESULT CSmartEdit::OnChar(WPARAM wParam, LPARAM)
{
    if (!VxCharAccepted(static_cast<unsigned char>(wParam), m_nMask)) {
        Beep();
        return 0;
    }
    return Default();
}

LRESULT CSmartEdit::OnPaste(WPARAM, LPARAM)
{
    // Pasted text passes the same filter as typed text.
    if (!::OpenClipboard(m_hWnd))
        return 0;
    std::string text;
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(::GlobalLock(h))) {
            text = p;
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    std::string kept;
    bool refused = false;
    for (char c : text) {
        if (c == '\r' || c == '\n' || !VxCharAccepted(static_cast<unsigned char>(c), m_nMask))
            refused = true;
        else
            kept += c;
    }
    if (refused)
        Beep();
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
    return 0;
}

void CSmartEdit::SetSlideLink(CLinkSlider* pSlider, int lower, int upper, int pos)
{
    m_pSlider = pSlider;
    m_nMask = lower < 0 ? VX_SE_SIGNED : VX_SE_DIGIT;
    if (!pSlider)
        return;
    pSlider->SetLinkedEdit(m_hWnd);
    pSlider->SetRange(lower, upper);
    pSlider->SetPos((pSlider->GetStyle() & TBS_VERT) ? lower + upper - pos : pos);
    SetWindowText(VxFormat("%d", pos).c_str());
}

BOOL CSmartEdit::OnReflectedCommand(WPARAM wParam, LPARAM, LRESULT&)
{
    if (HIWORD(wParam) == EN_CHANGE && m_pSlider && m_pSlider->IsWindow()) {
        const int value = VxAtoi(GetWindowText());
        const int pos = (m_pSlider->GetStyle() & TBS_VERT)
                            ? m_pSlider->GetRangeMin() + m_pSlider->GetRangeMax() - value
                            : value;
        if (m_pSlider->GetPos() != pos)
            m_pSlider->SetPos(pos);
    }
    return FALSE;
}
