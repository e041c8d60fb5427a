// CShadeButtonST: a CButtonST on a generated shaded background (page, tab and dialog buttons).
#pragma once

#include "ui/controls/ButtonST.h"
#include "ui/controls/CeXDib.h"
#include "ui/controls/ControlMath.h"

class CShadeButtonST : public CButtonST {
public:
    enum {
        SHS_NOISE = 0,
        SHS_DIAGSHADE = 1,
        SHS_HSHADE = 2,
        SHS_VSHADE = 3,
        SHS_HBUMP = 4,
        SHS_VBUMP = 5,
        SHS_SOFTBUMP = 6,
        SHS_HARDBUMP = 7,
        SHS_METAL = 8,
    };

    // Builds the four background bitmaps for the button's current size (again whenever it
    // is resized). Colours are 0x00BBGGRR.
    void SetShade(int shadeType, int granularity = 8, int highlight = 10, int coloring = 0, COLORREF color = 0,
                  COLORREF hoverColor = 0, COLORREF selectedColor = 0);

    const CCeXDib& GetBaseDib() const { return m_dNormal; }
    const CCeXDib& GetHoverDib() const { return m_dOver; }
    const CCeXDib& GetPressedDib() const { return m_dDown; }
    const CCeXDib& GetSelectedDib() const { return m_dSelected; }

    // The noise source (std::rand by default); tests fix it.
    static void SetRandomSource(VxRandomSource source);

protected:
    void OnDrawBackground(HDC hDC, const RECT& rc, UINT itemState) override;
    void OnDrawBorder(HDC hDC, const RECT& rc, UINT itemState) override;

    BEGIN_MSG_MAP(CShadeButtonST, CButtonST)
        ON_MESSAGE(WM_SIZE, OnSize)
    END_MSG_MAP()

    LRESULT OnSize(WPARAM, LPARAM);

private:
    void Build(int w, int h);

    bool m_bShadeSet = false;
    int m_nType = 0, m_nGranularity = 8, m_nHighlight = 10, m_nColoring = 0;
    COLORREF m_crColor = 0, m_crHover = 0, m_crSelected = 0;
    CCeXDib m_dNormal, m_dOver, m_dDown, m_dSelected;
};
