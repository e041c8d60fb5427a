// CGradient: a multi-colour gradient painter (colours at equal distances along a length).
#pragma once

#include <windows.h>

#include <vector>

class CGradient {
public:
    void SetColours(const COLORREF* colours, int count);
    void SetColours(std::initializer_list<COLORREF> colours);
    const std::vector<COLORREF>& GetColours() const { return m_colours; }
    COLORREF ColourAt(int pos, int length) const;

    // Paints columns [0, fill) of a horizontal band of `rc`: the gradient spans the band's
    // whole width, shifted right by `shift` pixels (wrapping).
    void PaintHorizontal(HDC hDC, const RECT& rc, int fill, int shift) const;

private:
    std::vector<COLORREF> m_colours;
};
