#include "CZMRBrushDC.h"

CZMRBrushDC::CZMRBrushDC(HDC hDC, COLORREF clr)
    : m_hDC(hDC), m_hOldBrush(nullptr)
{
    if (m_brush.CreateSolidBrush(clr) && m_hDC)
        m_hOldBrush = ::SelectObject(m_hDC, m_brush.GetSafeHandle());
}

CZMRBrushDC::~CZMRBrushDC()
{
    if (m_hDC && m_hOldBrush)
        ::SelectObject(m_hDC, m_hOldBrush);
    m_brush.DeleteObject();
}
