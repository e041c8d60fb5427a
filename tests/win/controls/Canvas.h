// A 32-bit memory DC for pixel checks of the controls' drawing.
#pragma once

#include <windows.h>

#include <cstdint>

class Canvas {
public:
    Canvas(int w, int h, COLORREF fill = RGB(1, 2, 3)) : m_w(w), m_h(h)
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h; // top-down
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_hBitmap = ::CreateDIBSection(m_hDC, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        Fill(fill);
    }
    ~Canvas()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_hDC; }
    RECT rect() const { return RECT{0, 0, m_w, m_h}; }
    int width() const { return m_w; }
    int height() const { return m_h; }
    void Fill(COLORREF c)
    {
        ::GdiFlush();
        for (int i = 0; i < m_w * m_h; ++i)
            m_bits[i] = (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const uint32_t v = m_bits[y * m_w + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Number of pixels of a colour inside a rectangle.
    int Count(const RECT& r, COLORREF c) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == c;
        return n;
    }

private:
    int m_w, m_h;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_bits = nullptr;
};
