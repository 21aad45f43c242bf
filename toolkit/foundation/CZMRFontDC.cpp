#include "CZMRFontDC.h"

CZMRFontDC::CZMRFontDC(CDC* pDC, CFont* pFont)
    : m_pDC(pDC), m_hOldFont(nullptr)
{
    if (pFont)
        SetFont(pFont);
}

CZMRFontDC::~CZMRFontDC()
{
    RestoreFont();
}

void CZMRFontDC::SetFont(CFont* pFont)
{
    if (!m_pDC || !m_pDC->GetSafeHdc() || !pFont || !pFont->GetSafeHandle())
        return;
    HGDIOBJ hOld = ::SelectObject(m_pDC->GetSafeHdc(), pFont->GetSafeHandle());
    if (!m_hOldFont)
        m_hOldFont = hOld;
}

void CZMRFontDC::RestoreFont()
{
    if (m_pDC && m_pDC->GetSafeHdc() && m_hOldFont)
        ::SelectObject(m_pDC->GetSafeHdc(), m_hOldFont);
    m_hOldFont = nullptr;
}
