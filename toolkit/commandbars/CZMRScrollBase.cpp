#include "CZMRScrollBase.h"
#include "CZMRPaintManager.h"
#include "CZMRScrollBarPaintManager.h"
#include <algorithm>

CZMRScrollBase::CZMRScrollBase()
    : m_bVertical(TRUE), m_pSBTrack(nullptr), m_nScrollBarStyle(0), m_bSmoothScrolling(FALSE), m_nRepeatDelay(0),
      m_pTicks(nullptr), m_nTicks(0)
{
    ZeroMemory(&m_spi, sizeof(m_spi));
}

CZMRScrollBase::~CZMRScrollBase()
{
    delete m_pSBTrack;
    ReleaseOwnedBuffer();
}

void CZMRScrollBase::OnSmoothScrollTimer()
{
}

void CZMRScrollBase::ReleaseOwnedBuffer()
{
    delete[] m_pTicks;
    m_pTicks = nullptr;
    m_nTicks = 0;
}

void CZMRScrollBase::SetTicks(const double* pTicks, int nCount)
{
    ReleaseOwnedBuffer();
    if (nCount < 0)
        return;
    m_pTicks = new double[nCount > 0 ? nCount : 1];
    m_nTicks = nCount;
    for (int i = 0; i < nCount; i++)
        m_pTicks[i] = pTicks[i];
}

// ---------------------------------------------------------------- layout

void CZMRScrollBase::CalcScrollBarLayout(CRect rc, SCROLLBARPOSINFO* pSBInfo, SCROLLINFO* pSI)
{
    pSBInfo->rc = rc;
    pSBInfo->pxPopup = 0;
    const BOOL bVertical = pSBInfo->fVert;
    pSBInfo->pxTop = bVertical ? rc.top : rc.left;
    pSBInfo->pxBottom = bVertical ? rc.bottom : rc.right;
    pSBInfo->pxLeft = bVertical ? rc.left : rc.top;
    pSBInfo->pxRight = bVertical ? rc.right : rc.bottom;

    CZMRScrollBarPaintManager* pPaintManager = GetScrollBarPaintManager();
    const int cpxMetric = pPaintManager ? (bVertical ? pPaintManager->m_cyVScroll : pPaintManager->m_cxHScroll) : 16;
    const int nFixedThumb = pPaintManager ? pPaintManager->m_nThumbSize : 0;

    pSBInfo->nMin = pSI->nMin;
    pSBInfo->nMax = pSI->nMax;
    pSBInfo->nPage = int(pSI->nPage);
    pSBInfo->nPos = pSI->nPos;

    const int cpx = pSBInfo->pxBottom - pSBInfo->pxTop;
    const int cpxArrow = std::min(cpxMetric, cpx / 2);
    pSBInfo->pxUpArrow = pSBInfo->pxTop + cpxArrow;
    pSBInfo->pxDownArrow = pSBInfo->pxBottom - cpxArrow;

    const int nRange = pSBInfo->nMax - pSBInfo->nMin + 1;
    int cpxThumb;
    if (pSBInfo->nPage && nRange)
        cpxThumb = std::max(::MulDiv(cpx - 2 * cpxArrow, pSBInfo->nPage, nRange), cpxMetric / 2);
    else
        cpxThumb = cpxMetric;
    if (nFixedThumb)
        cpxThumb = nFixedThumb;
    pSBInfo->cpxThumb = cpxThumb;

    pSBInfo->pxMin = pSBInfo->pxTop + cpxArrow;
    pSBInfo->cpx = cpx - cpxThumb - 2 * cpxArrow;

    const int nPage = pSBInfo->nPage ? pSBInfo->nPage : 1;
    if (nRange == pSBInfo->nPage)
        pSBInfo->pxThumbTop = pSBInfo->pxMin - 1;
    else
        pSBInfo->pxThumbTop = pSBInfo->pxMin + ::MulDiv(pSBInfo->nPos - pSBInfo->nMin, pSBInfo->cpx, nRange - nPage);
    pSBInfo->pxThumbBottom = pSBInfo->pxThumbTop + cpxThumb;
}

void CZMRScrollBase::UpdateScrollBar()
{
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    GetScrollInfo(&si);
    m_spi.fVert = m_bVertical;
    CalcScrollBarLayout(GetScrollBarRect(), &m_spi, &si);
}

int CZMRScrollBase::HitTestScrollBar(CPoint point) const
{
    if (!::PtInRect(&m_spi.rc, point))
        return zmrHitScrollNone;
    const int px = m_spi.fVert ? point.y : point.x;
    if (px < m_spi.pxUpArrow)
        return zmrHitScrollUp;
    if (m_spi.pxPopup > 0 && px >= m_spi.pxPopup)
        return zmrHitScrollPopup;
    if (px >= m_spi.pxDownArrow)
        return zmrHitScrollDown;
    if (px < m_spi.pxThumbTop)
        return zmrHitScrollPageUp;
    if (px < m_spi.pxThumbBottom)
        return zmrHitScrollThumb;
    return zmrHitScrollPageDown;
}

int CZMRScrollBase::GetScrollBarStyle() const
{
    if (m_nScrollBarStyle != 0)
        return m_nScrollBarStyle;
    CZMRScrollBarPaintManager* pPaintManager = GetScrollBarPaintManager();
    const int nKind =
        pPaintManager && pPaintManager->m_pPaintManager ? pPaintManager->m_pPaintManager->GetThemeKind() : 0;
    if (nKind == zmrThemeDefault)
        return 2;
    if (nKind == zmrThemeOffice2007 || nKind == zmrThemeRibbon)
        return 5;
    return 3;
}

CRect CZMRScrollBase::CalcTrackingLimitRect(const SCROLLBARPOSINFO* pSBInfo) const
{
    const int cpxThumb = ::GetSystemMetrics(pSBInfo->fVert ? SM_CYVTHUMB : SM_CXHTHUMB);
    const int cpxBar = pSBInfo->pxRight - pSBInfo->pxLeft;
    const int pxAlongStart = pSBInfo->pxTop - 2 * cpxThumb;
    const int pxAlongEnd = pSBInfo->pxBottom + 2 * cpxThumb;
    const int pxAcrossStart = pSBInfo->pxLeft - 8 * cpxBar;
    const int pxAcrossEnd = pSBInfo->pxRight + 8 * cpxBar;
    return pSBInfo->fVert ? CRect(pxAcrossStart, pxAlongStart, pxAcrossEnd, pxAlongEnd)
                          : CRect(pxAlongStart, pxAcrossStart, pxAlongEnd, pxAcrossEnd);
}

CRect CZMRScrollBase::GetPartRect(const SCROLLBARPOSINFO* pSBInfo, int nFrom, int nTo)
{
    return pSBInfo->fVert ? CRect(pSBInfo->pxLeft, nFrom, pSBInfo->pxRight, nTo)
                          : CRect(nFrom, pSBInfo->pxLeft, nTo, pSBInfo->pxRight);
}
