// CSmartEdit: an edit that accepts only characters of the permitted classes and shows hints.
#pragma once

#include "framework/MsgMap.h"
#include "ui/controls/InfoWnd.h"

class CLinkSlider;

class CSmartEdit : public CWnd {
public:
    // Masks in use: VX_SE_HEX (0x40) hexadecimal keys, VX_SE_ALL any text, VX_SE_SIGNED
    // (0x10) and 0x11 signed numbers, VX_SE_DIGIT (0x01) unsigned numbers.
    void SetCharClasses(UINT mask) { m_nMask = mask; }
    UINT GetCharClasses() const { return m_nMask; }

    // Shows a hint beside the edit (the hint window is created on first use).
    void ShowHint(const char* text);
    CInfoWnd& GetInfoWnd() { return m_info; }

    // Links a slider: sets its range and position, the edit's text and the digits it takes
    // (signed when the range reaches below 0). Typing a number moves the slider.
    void SetSlideLink(CLinkSlider* pSlider, int lower, int upper, int pos);

protected:
    // A refused character.
    virtual void Beep();

    BEGIN_MSG_MAP(CSmartEdit, CWnd)
        ON_MESSAGE(WM_CHAR, OnChar)
        ON_MESSAGE(WM_PASTE, OnPaste)
        ON_REFLECT_EX(WM_COMMAND, OnReflectedCommand)
    END_MSG_MAP()

    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaste(WPARAM, LPARAM);
    BOOL OnReflectedCommand(WPARAM wParam, LPARAM, LRESULT&);

private:
    UINT m_nMask = VX_SE_ALL;
    CInfoWnd m_info;
    CLinkSlider* m_pSlider = nullptr;
};
