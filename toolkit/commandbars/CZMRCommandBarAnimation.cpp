#include "CZMRCommandBarAnimation.h"
#include "CZMRCommandBar.h"
#include "CZMRPaintManager.h"
#include "CZMRBufferDC.h"

CZMRCommandBarAnimation::CZMRCommandBarAnimation(CZMRCommandBar* pBar)
    : m_pBar(pBar), m_bEnabled(FALSE), m_bBuffered(FALSE)
{
}

CZMRCommandBarAnimation::~CZMRCommandBarAnimation()
{
    StopAll();
}

BOOL CZMRCommandBarAnimation::IsEnabled() const
{
    if (m_bEnabled)
        return TRUE;
    CZMRPaintManager* pPaintManager = m_pBar->GetPaintManager();
    return pPaintManager && pPaintManager->m_bEnableAnimation;
}

void CZMRCommandBarAnimation::RedrawRect(LPCRECT lpRect, BOOL /*bAnimate*/)
{
    if (m_pBar->GetSafeHwnd())
        ::InvalidateRect(m_pBar->GetSafeHwnd(), lpRect, FALSE);
}

void CZMRCommandBarAnimation::OnPaint(CDC* pDC, const CRect& rcPaint)
{
    CZMRBufferDC dcBuffer(pDC->GetSafeHdc(), rcPaint);
    dcBuffer.IntersectClipRect(rcPaint);
    m_pBar->PaintBar(&dcBuffer);
}

void CZMRCommandBarAnimation::OnTimer()
{
    StopAll();
}

void CZMRCommandBarAnimation::StopAll()
{
    if (m_pBar->GetSafeHwnd())
        ::KillTimer(m_pBar->GetSafeHwnd(), ZMR_TIMER_ANIMATION);
}

void CZMRCommandBarAnimation::OnBarDestroy()
{
    StopAll();
}
