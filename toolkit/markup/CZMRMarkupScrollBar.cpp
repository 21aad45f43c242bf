#include "CZMRMarkupScrollBar.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupScrollViewer.h"
#include "CZMRMarkupType.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupScrollBar)

CZMRMarkupScrollBar::CZMRMarkupScrollBar()
    : m_nOrientation(orientationVertical), m_geometry(), m_pTracking(nullptr), m_scrollInfo()
{
    m_scrollInfo.cbSize = sizeof(SCROLLINFO);
}

CZMRMarkupScrollBar::~CZMRMarkupScrollBar()
{
    delete m_pTracking;
}

void CZMRMarkupScrollBar::SetScrollInfo(const SCROLLINFO& si)
{
    if (si.nMax == m_scrollInfo.nMax && si.nPage == m_scrollInfo.nPage && si.nPos == m_scrollInfo.nPos)
        return;
    m_scrollInfo = si;
    // The next arrange computes the geometry again, in the same rectangle too.
    m_bArrangeDirty = TRUE;
}

BOOL CZMRMarkupScrollBar::IsScrollable() const
{
    return static_cast<long long>(m_scrollInfo.nMax) - m_scrollInfo.nMin >= static_cast<long long>(m_scrollInfo.nPage);
}

void CZMRMarkupScrollBar::NotifyScroll(int nCode, int nPos)
{
    CZMRMarkupScrollViewer* pViewer = MarkupCast<CZMRMarkupScrollViewer>(GetLogicalParent());
    if (pViewer)
        pViewer->Scroll(m_nOrientation == orientationVertical ? 1 : 0, nCode, nPos);
}

CSize CZMRMarkupScrollBar::MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                           int /*nAvailableHeight*/)
{
    if (m_nOrientation == orientationVertical)
        return CSize(::GetSystemMetrics(SM_CXVSCROLL), 0);
    return CSize(0, ::GetSystemMetrics(SM_CYHSCROLL));
}

CSize CZMRMarkupScrollBar::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    CalcGeometry(CRect(0, 0, nFinalWidth, nFinalHeight), m_scrollInfo);
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupScrollBar::CalcGeometry(const CRect& rc, const SCROLLINFO& si)
{
    GEOMETRY& g = m_geometry;
    g.rcBar = rc;
    g.bVertical = m_nOrientation == orientationVertical;
    g.nMin = si.nMin;
    g.nMax = si.nMax;
    g.nPage = static_cast<int>(si.nPage);
    g.nPos = si.nPos;
    g.nAlongStart = g.bVertical ? rc.top : rc.left;
    g.nAlongEnd = g.bVertical ? rc.bottom : rc.right;
    g.nAcrossStart = g.bVertical ? rc.left : rc.top;
    g.nAcrossEnd = g.bVertical ? rc.right : rc.bottom;
    g.nReserved = 0;

    const int a = ::GetSystemMetrics(g.bVertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    g.nThumbLength = a;
    const int nArrow = std::min(a, (g.nAlongEnd - g.nAlongStart) / 2);
    g.nUpArrowEnd = g.nAlongStart + nArrow;
    g.nDownArrowStart = g.nAlongEnd - nArrow;

    const long long nRange = static_cast<long long>(g.nMax) - g.nMin + 1;
    if (g.nPage != 0 && nRange > 0 && nRange <= INT_MAX)
    {
        g.nThumbLength = ::MulDiv(g.nAlongEnd - g.nAlongStart - 2 * nArrow, g.nPage, static_cast<int>(nRange));
        if (g.nThumbLength < a / 2)
            g.nThumbLength = a / 2;
    }
    g.nTrackStart = g.nUpArrowEnd;
    g.nTrackLength = g.nAlongEnd - (g.nTrackStart + g.nThumbLength + nArrow);

    const long long nPage = g.nPage != 0 ? g.nPage : 1;
    if (nPage >= nRange || nRange > INT_MAX)
        g.nThumbStart = g.nTrackStart;
    else
        g.nThumbStart = g.nTrackStart + ::MulDiv(g.nPos - g.nMin, g.nTrackLength, static_cast<int>(nRange - g.nPage));
    g.nThumbEnd = g.nThumbStart + g.nThumbLength;
}

int CZMRMarkupScrollBar::PixelToPosition(int nPixel) const
{
    const GEOMETRY& g = m_geometry;
    if (nPixel < g.nTrackStart)
        return g.nMin;
    if (nPixel <= g.nTrackStart + g.nTrackLength)
    {
        // An empty track has no positions between its ends.
        if (g.nTrackLength <= 0)
            return g.nMin;
        return g.nMin +
               ::MulDiv(g.nMax - g.nMin - (g.nPage != 0 ? g.nPage - 1 : 0), nPixel - g.nTrackStart, g.nTrackLength);
    }
    return g.nPage != 0 ? g.nMax - g.nPage + 1 : g.nMax;
}

int CZMRMarkupScrollBar::HitTest(int x, int y) const
{
    if (!IsScrollable() || !::PtInRect(&m_geometry.rcBar, CPoint(x, y)))
        return hitNone;
    const int p = m_geometry.bVertical ? y : x;
    if (p < m_geometry.nUpArrowEnd)
        return hitLineUp;
    if (p >= m_geometry.nDownArrowStart)
        return hitLineDown;
    if (p < m_geometry.nThumbStart)
        return hitPageUp;
    if (p < m_geometry.nThumbEnd)
        return hitThumb;
    return hitPageDown;
}

void AFXAPI CZMRMarkupScrollBar::CalcTrackingLimitRect(TRACKING* pTracking)
{
    const GEOMETRY& g = *pTracking->pGeometry;
    const int nWidth = g.nAcrossEnd - g.nAcrossStart;
    const int nBeyond = 2 * ::GetSystemMetrics(g.bVertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    const int nAcrossStart = g.nAcrossStart - 8 * nWidth;
    const int nAcrossEnd = g.nAcrossEnd + 8 * nWidth;
    const int nAlongStart = g.nAlongStart - nBeyond;
    const int nAlongEnd = g.nAlongEnd + nBeyond;
    if (g.bVertical)
        ::SetRect(&pTracking->rcLimit, nAcrossStart, nAlongStart, nAcrossEnd, nAlongEnd);
    else
        ::SetRect(&pTracking->rcLimit, nAlongStart, nAcrossStart, nAlongEnd, nAcrossEnd);
}

void CZMRMarkupScrollBar::OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs)
{
    CZMRMarkupControl::OnMouseLeave(pArgs);
    if (m_geometry.nHotPart != hitNone)
    {
        m_geometry.nHotPart = hitNone;
        InvalidateVisual();
    }
}

void CZMRMarkupScrollBar::OnMouseMove(CZMRMarkupMouseEventArgs* pArgs)
{
    const CPoint pt = pArgs->GetPosition(this);
    const int nHot = HitTest(pt.x, pt.y);
    if (nHot != m_geometry.nHotPart)
    {
        m_geometry.nHotPart = nHot;
        InvalidateVisual();
    }
    pArgs->bHandled = TRUE;
}

void CZMRMarkupScrollBar::OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs)
{
    pArgs->bHandled = TRUE;
    if (!IsScrollable() || m_pTracking)
        return;
    TrackMouse(pArgs->hWndHost, pArgs->GetPosition(this), ::GetKeyState(VK_SHIFT) < 0);
}

void CZMRMarkupScrollBar::OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* /*pArgs*/)
{
}
