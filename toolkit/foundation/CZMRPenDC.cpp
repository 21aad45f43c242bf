#include "CZMRPenDC.h"

CZMRPenDC::CZMRPenDC(CDC* pDC, CPen* pPen)
    : m_hDC(pDC ? pDC->GetSafeHdc() : nullptr), m_hOldPen(nullptr)
{
    if (m_hDC && pPen && pPen->GetSafeHandle())
        m_hOldPen = ::SelectObject(m_hDC, pPen->GetSafeHandle());
}

CZMRPenDC::CZMRPenDC(HDC hDC, COLORREF clr)
    : m_hDC(hDC), m_hOldPen(nullptr)
{
    if (m_pen.CreatePen(PS_SOLID, 1, clr) && m_hDC)
        m_hOldPen = ::SelectObject(m_hDC, m_pen.GetSafeHandle());
}

CZMRPenDC::~CZMRPenDC()
{
    // The owned pen is deleted only once it is no longer selected.
    if (m_hDC && m_hOldPen)
        ::SelectObject(m_hDC, m_hOldPen);
    m_pen.DeleteObject();
}

void CZMRPenDC::SetColor(COLORREF clr)
{
    if (!m_hDC)
        return;
    if (m_hOldPen)
        ::SelectObject(m_hDC, m_hOldPen);
    m_pen.DeleteObject();
    m_hOldPen = nullptr;
    if (m_pen.CreatePen(PS_SOLID, 1, clr))
        m_hOldPen = ::SelectObject(m_hDC, m_pen.GetSafeHandle());
}
