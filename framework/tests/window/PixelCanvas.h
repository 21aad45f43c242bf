// A memory DC drawing into a 32-bit top-down DIB section, read back pixel by
// pixel, for the drawing tests.
#pragma once
#include "Framework.h"

class CPixelCanvas
{
public:
    CPixelCanvas(int cx, int cy, COLORREF clrBack = RGB(1, 1, 1)) : m_cx(cx)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, clrBack);
    }
    ~CPixelCanvas()
    {
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        ::DeleteDC(m_dc.Detach());
        ::DeleteObject(m_hBitmap);
    }
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        DWORD bgra = m_pBits[y * m_cx + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    BYTE Alpha(int x, int y) const
    {
        ::GdiFlush();
        return BYTE(m_pBits[y * m_cx + x] >> 24);
    }
    CDC* DC() { return &m_dc; }

private:
    int m_cx;
    HBITMAP m_hBitmap;
    DWORD* m_pBits;
    HGDIOBJ m_hOld;
    CDC m_dc;
};
