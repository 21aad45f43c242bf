#include "CZMRCompatibleDC.h"

CZMRCompatibleDC::CZMRCompatibleDC(CDC* pDC, CBitmap* pBitmap)
    : m_hOldBitmap(nullptr)
{
    Init(pDC, pBitmap ? HBITMAP(pBitmap->GetSafeHandle()) : nullptr);
}

CZMRCompatibleDC::CZMRCompatibleDC(CDC* pDC, HBITMAP hBitmap)
    : m_hOldBitmap(nullptr)
{
    Init(pDC, hBitmap);
}

void CZMRCompatibleDC::Init(CDC* pDC, HBITMAP hBitmap)
{
    HDC hDC = ::CreateCompatibleDC(pDC ? pDC->GetSafeHdc() : nullptr);
    if (!hDC)
        return;
    Attach(hDC);
    if (hBitmap)
        m_hOldBitmap = ::SelectObject(hDC, hBitmap);
}

CZMRCompatibleDC::~CZMRCompatibleDC()
{
    HDC hDC = GetSafeHdc();
    if (!hDC)
        return;
    if (m_hOldBitmap)
        ::SelectObject(hDC, m_hOldBitmap);
    Detach();
    ::DeleteDC(hDC);
}
