// CCeXDib: an 8-bit device-independent bitmap with its own 256-entry palette.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CCeXDib {
public:
    CCeXDib() = default;

    // A w × h bitmap, every pixel index 0 and every palette entry black. False for an empty size.
    bool Create(int w, int h);
    void Clear();
    bool IsValid() const { return m_w > 0 && m_h > 0; }
    int GetWidth() const { return m_w; }
    int GetHeight() const { return m_h; }
    // Bytes per row (rows are DWORD-aligned; row 0 is the bottom row).
    int GetStride() const { return (m_w + 3) & ~3; }

    uint8_t* GetBits() { return m_bits.empty() ? nullptr : m_bits.data(); }
    const uint8_t* GetBits() const { return m_bits.empty() ? nullptr : m_bits.data(); }
    // Pixel of column x in row y counted from the bottom.
    uint8_t GetPixelIndex(int x, int y) const;
    void SetPixelIndex(int x, int y, uint8_t index);
    // Fills the pixels from w × h indices in bottom-up order without padding.
    void SetPixels(const std::vector<uint8_t>& indices);

    void SetPaletteColour(int index, COLORREF colour);
    COLORREF GetPaletteColour(int index) const;
    // Every palette entry blended toward `colour` by `percent` (capped at 100).
    void BlendPalette(COLORREF colour, int percent);

    // Draws the bitmap at (x, y) in its own size.
    void Draw(HDC hDC, int x, int y) const;

private:
    struct Info {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    };
    int m_w = 0, m_h = 0;
    Info m_info{};
    std::vector<uint8_t> m_bits;
};
