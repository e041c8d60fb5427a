#include "ui/controls/CeXDib.h"

#include "ui/controls/ControlMath.h"

bool CCeXDib::Create(int w, int h)
{
    Clear();
    if (w <= 0 || h <= 0)
        return false;
    m_w = w;
    m_h = h;
    m_info.header.biSize = sizeof(BITMAPINFOHEADER);
    m_info.header.biWidth = w;
    m_info.header.biHeight = h;
    m_info.header.biPlanes = 1;
    m_info.header.biBitCount = 8;
    m_info.header.biCompression = BI_RGB;
    m_info.header.biClrUsed = 256;
    m_bits.assign(static_cast<size_t>(GetStride()) * static_cast<size_t>(h), 0);
    return true;
}

void CCeXDib::Clear()
{
    m_w = m_h = 0;
    m_info = Info{};
    m_bits.clear();
}

uint8_t CCeXDib::GetPixelIndex(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_w || y >= m_h)
        return 0;
    return m_bits[static_cast<size_t>(y) * static_cast<size_t>(GetStride()) + static_cast<size_t>(x)];
}

void CCeXDib::SetPixelIndex(int x, int y, uint8_t index)
{
    if (x < 0 || y < 0 || x >= m_w || y >= m_h)
        return;
    m_bits[static_cast<size_t>(y) * static_cast<size_t>(GetStride()) + static_cast<size_t>(x)] = index;
}

void CCeXDib::SetPixels(const std::vector<uint8_t>& indices)
{
    if (indices.size() < static_cast<size_t>(m_w) * static_cast<size_t>(m_h))
        return;
    for (int y = 0; y < m_h; ++y)
        for (int x = 0; x < m_w; ++x)
            SetPixelIndex(x, y, indices[static_cast<size_t>(y) * static_cast<size_t>(m_w) + static_cast<size_t>(x)]);
}

void CCeXDib::SetPaletteColour(int index, COLORREF colour)
{
    if (index < 0 || index > 255)
        return;
    RGBQUAD& q = m_info.colours[index];
    q.rgbRed = GetRValue(colour);
    q.rgbGreen = GetGValue(colour);
    q.rgbBlue = GetBValue(colour);
    q.rgbReserved = 0;
}

COLORREF CCeXDib::GetPaletteColour(int index) const
{
    if (index < 0 || index > 255)
        return 0;
    const RGBQUAD& q = m_info.colours[index];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

void CCeXDib::BlendPalette(COLORREF colour, int percent)
{
    for (int i = 0; i < 256; ++i)
        SetPaletteColour(i, VxBlendColour(GetPaletteColour(i), colour, percent));
}

void CCeXDib::Draw(HDC hDC, int x, int y) const
{
    if (!IsValid())
        return;
    ::SetDIBitsToDevice(hDC, x, y, static_cast<DWORD>(m_w), static_cast<DWORD>(m_h), 0, 0, 0,
                        static_cast<UINT>(m_h), m_bits.data(), reinterpret_cast<const BITMAPINFO*>(&m_info),
                        DIB_RGB_COLORS);
}
