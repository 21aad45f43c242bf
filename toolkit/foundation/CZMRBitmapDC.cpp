#include "CZMRBitmapDC.h"

CZMRBitmapDC::CZMRBitmapDC(CDC* pDC, CBitmap* pBitmap)
    : m_hDC(pDC ? pDC->GetSafeHdc() : nullptr), m_hOldBitmap(nullptr)
{
    if (m_hDC)
        m_hOldBitmap = ::SelectObject(m_hDC, pBitmap ? pBitmap->GetSafeHandle() : nullptr);
}

CZMRBitmapDC::~CZMRBitmapDC()
{
    if (m_hDC && m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
}
