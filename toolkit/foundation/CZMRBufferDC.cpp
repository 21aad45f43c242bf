#include "CZMRBufferDC.h"
#include <algorithm>

CZMRBufferDC::CZMRBufferDC(HDC hDestDC, const CRect& rect)
    : m_hDestDC(hDestDC), m_rect(rect), m_hOldBitmap(nullptr)
{
    HDC hDC = ::CreateCompatibleDC(m_hDestDC);
    if (!hDC)
        return;
    Attach(hDC);
    // The bitmap starts at (0, 0) so that the buffer keeps the destination's
    // coordinates.
    HBITMAP hBitmap = ::CreateCompatibleBitmap(m_hDestDC, m_rect.right, m_rect.bottom);
    if (hBitmap)
    {
        m_bitmap.Attach(hBitmap);
        m_hOldBitmap = ::SelectObject(hDC, hBitmap);
    }
}

CZMRBufferDC::CZMRBufferDC(CPaintDC& paintDC)
    : m_hDestDC(paintDC.GetSafeHdc()), m_rect(paintDC.m_ps.rcPaint), m_hOldBitmap(nullptr)
{
    HDC hDC = ::CreateCompatibleDC(m_hDestDC);
    if (!hDC)
        return;
    Attach(hDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(m_hDestDC, std::max(m_rect.right, 1L),
                                               std::max(m_rect.bottom, 1L));
    if (hBitmap)
    {
        m_bitmap.Attach(hBitmap);
        m_hOldBitmap = ::SelectObject(hDC, hBitmap);
    }
    HRGN hRgn = ::CreateRectRgnIndirect(&m_rect);
    if (hRgn)
    {
        ::SelectClipRgn(hDC, hRgn);
        ::DeleteObject(hRgn);
    }
}

CZMRBufferDC::~CZMRBufferDC()
{
    HDC hDC = GetSafeHdc();
    if (!hDC)
        return;
    if (m_hDestDC)
        ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), hDC, m_rect.left,
                 m_rect.top, SRCCOPY);
    if (m_hOldBitmap)
        ::SelectObject(hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    Detach();
    ::DeleteDC(hDC);
}
