// Small GDI helpers: an off-screen memory DC, owned GDI objects and drawing shortcuts.
#pragma once

#include <windows.h>

// A memory DC with a compatible bitmap of the given size; Flush copies it to the target.
class CMemDC {
public:
    CMemDC(HDC hTarget, const RECT& rc);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    // Copies the drawing to the target at the rectangle given at construction.
    void Flush();

private:
    HDC m_hTarget;
    RECT m_rc;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// Paints a window's client area through a memory DC: paint(hdc, clientRect).
template <typename PaintFn>
void VxPaintBuffered(HWND hWnd, PaintFn paint)
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    {
        CMemDC mem(hDC, rc);
        paint(static_cast<HDC>(mem), rc);
        mem.Flush();
    }
    ::EndPaint(hWnd, &ps);
}

// Owns one GDI object (font, brush, pen, bitmap) and deletes it.
template <typename H>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(H h) : m_h(h) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    void Reset(H h = nullptr)
    {
        if (m_h)
            ::DeleteObject(m_h);
        m_h = h;
    }
    H Get() const { return m_h; }
    operator H() const { return m_h; }

private:
    H m_h = nullptr;
};

// Selects an object into a DC for the scope.
class CSelect {
public:
    CSelect(HDC hDC, HGDIOBJ obj) : m_hDC(hDC), m_old(obj ? ::SelectObject(hDC, obj) : nullptr) {}
    ~CSelect()
    {
        if (m_old)
            ::SelectObject(m_hDC, m_old);
    }
    CSelect(const CSelect&) = delete;
    CSelect& operator=(const CSelect&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_old;
};

void VxFillSolidRect(HDC hDC, const RECT& rc, COLORREF colour);
void VxFillSolidRect(HDC hDC, int x, int y, int cx, int cy, COLORREF colour);
// A 1-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void VxDraw3dRect(HDC hDC, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
// A copy of a font with another weight and italic flag (the system GUI font when hFont is 0).
HFONT VxDeriveFont(HFONT hFont, bool bold, bool italic);
