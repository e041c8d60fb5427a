// CLinkSlider: a slider that writes its position into a linked edit.
#pragma once

#include "framework/MsgMap.h"
#include "framework/Wnd.h"

#include <commctrl.h>

class CLinkSlider : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rc, HWND hParent, UINT nID);

    void SetLinkedEdit(HWND hEdit) { m_hEdit = hEdit; }
    HWND GetLinkedEdit() const { return m_hEdit; }

    void SetRange(int lower, int upper, BOOL bRedraw = TRUE);
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    // Positions are the slider's own; a vertical slider shows them reversed.
    void SetPos(int pos) { SendMessage(TBM_SETPOS, TRUE, pos); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    // The value a position stands for (reversed for a vertical slider).
    int ValueOf(int pos) const;

protected:
    BEGIN_MSG_MAP(CLinkSlider, CWnd)
        ON_REFLECT_EX(WM_HSCROLL, OnReflectedScroll)
        ON_REFLECT_EX(WM_VSCROLL, OnReflectedScroll)
    END_MSG_MAP()

    BOOL OnReflectedScroll(WPARAM wParam, LPARAM, LRESULT&);

private:
    HWND m_hEdit = nullptr;
};
