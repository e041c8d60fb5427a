#include "ui/controls/Gradient.h"

#include "ui/controls/ControlMath.h"

static_assert(sizeof(COLORREF) == sizeof(VxColour), "colour values are 32-bit");

void CGradient::SetColours(const COLORREF* colours, int count)
{
    m_colours.assign(colours, colours + (count > 0 ? count : 0));
}

void CGradient::SetColours(std::initializer_list<COLORREF> colours)
{
    m_colours.assign(colours.begin(), colours.end());
}

COLORREF CGradient::ColourAt(int pos, int length) const
{
    if (m_colours.empty())
        return 0;
    return VxGradientColour(reinterpret_cast<const VxColour*>(m_colours.data()), m_colours.size(), pos, length);
}

void CGradient::PaintHorizontal(HDC hDC, const RECT& rc, int fill, int shift) const
{
    const int length = rc.right - rc.left, h = rc.bottom - rc.top;
    if (fill <= 0 || length <= 0 || h <= 0)
        return;
    if (fill > length)
        fill = length;
    std::vector<DWORD> row(static_cast<size_t>(fill));
    for (int x = 0; x < fill; ++x) {
        const int pos = (((x - shift) % length) + length) % length;
        const COLORREF c = ColourAt(pos, length);
        row[static_cast<size_t>(x)] = (static_cast<DWORD>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = fill;
    bi.bmiHeader.biHeight = 1;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    ::StretchDIBits(hDC, rc.left, rc.top, fill, h, 0, 0, fill, 1, row.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
}
