#include "CZMRMarkupScrollViewer.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupScrollBar.h"
#include "CZMRMarkupScrollBarGripper.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupScrollViewer)

namespace
{
// Empties a part's slot and releases the part.
template <class T>
void ReleasePart(T*& pPart)
{
    if (!pPart)
        return;
    T* pOld = pPart;
    pPart = nullptr;
    pOld->SetLogicalParent(nullptr);
    pOld->Release();
}
}

CZMRMarkupDependencyProperty* CZMRMarkupScrollViewer::m_pVerticalScrollBarVisibilityProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupScrollViewer::m_pHorizontalScrollBarVisibilityProperty = nullptr;

void AFXAPI CZMRMarkupScrollViewer::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupScrollViewer::GetMarkupType();
    CZMRMarkupType* pEnum = CZMRMarkupEnum::GetMarkupType();
    const DWORD dwMeasure = CZMRMarkupPropertyMetadata::flagAffectsMeasure;
    m_pVerticalScrollBarVisibilityProperty = CZMRMarkupDependencyProperty::Register(
        L"VerticalScrollBarVisibility", pEnum, pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertScrollBarVisibility, dwMeasure));
    m_pHorizontalScrollBarVisibilityProperty = CZMRMarkupDependencyProperty::Register(
        L"HorizontalScrollBarVisibility", pEnum, pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertScrollBarVisibility, dwMeasure));
}

CZMRMarkupScrollViewer::CZMRMarkupScrollViewer()
    : m_pVerticalScrollBar(nullptr), m_pHorizontalScrollBar(nullptr), m_pGripper(nullptr), m_nHorizontalOffset(0),
      m_nVerticalOffset(0)
{
    SetValue(m_pClipToBoundsProperty, CZMRMarkupBool::CreateTrueValue());
}

CZMRMarkupScrollViewer::~CZMRMarkupScrollViewer()
{
    ReleasePart(m_pVerticalScrollBar);
    ReleasePart(m_pHorizontalScrollBar);
    ReleasePart(m_pGripper);
}

int CZMRMarkupScrollViewer::GetScrollBarVisibility(int nOrientation) const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(
        nOrientation == orientationVertical ? m_pVerticalScrollBarVisibilityProperty
                                            : m_pHorizontalScrollBarVisibilityProperty));
    if (pValue)
        return pValue->GetValue();
    return nOrientation == orientationVertical ? visibilityVisible : visibilityDisabled;
}

CZMRMarkupScrollBar* CZMRMarkupScrollViewer::GetScrollBar(int nOrientation) const
{
    return nOrientation == orientationVertical ? m_pVerticalScrollBar : m_pHorizontalScrollBar;
}

int CZMRMarkupScrollViewer::GetVisualChildrenCount() const
{
    return CZMRMarkupContentControl::GetVisualChildrenCount() + (m_pVerticalScrollBar ? 1 : 0) +
           (m_pHorizontalScrollBar ? 1 : 0) + (m_pGripper ? 1 : 0);
}

CZMRMarkupVisual* CZMRMarkupScrollViewer::GetVisualChild(int nIndex) const
{
    CZMRMarkupVisual* children[] = {GetContent(), m_pVerticalScrollBar, m_pHorizontalScrollBar, m_pGripper};
    for (CZMRMarkupVisual* pChild : children)
    {
        if (pChild && nIndex-- == 0)
            return pChild;
    }
    return nullptr;
}

CZMRMarkupUIElement* CZMRMarkupScrollViewer::CreatePart(CZMRMarkupType* pType)
{
    CZMRMarkupUIElement* pPart = static_cast<CZMRMarkupUIElement*>(
        m_pMarkupContext ? m_pMarkupContext->CreateMarkupObject(pType) : pType->CreateObject());
    pPart->SetLogicalParent(this);
    return pPart;
}


CZMRMarkupScrollBar* CZMRMarkupScrollViewer::EnsureScrollBar(int nOrientation)
{
    CZMRMarkupScrollBar*& pBar = nOrientation == orientationVertical ? m_pVerticalScrollBar : m_pHorizontalScrollBar;
    if (!pBar)
    {
        pBar = static_cast<CZMRMarkupScrollBar*>(CreatePart(CZMRMarkupScrollBar::GetMarkupType()));
        pBar->SetOrientation(nOrientation == orientationVertical ? CZMRMarkupScrollBar::orientationVertical
                                                                 : CZMRMarkupScrollBar::orientationHorizontal);
    }
    return pBar;
}

void CZMRMarkupScrollViewer::RemoveScrollBar(int nOrientation)
{
    if (nOrientation == orientationVertical)
    {
        ReleasePart(m_pVerticalScrollBar);
        m_nVerticalOffset = 0;
    }
    else
    {
        ReleasePart(m_pHorizontalScrollBar);
        m_nHorizontalOffset = 0;
    }
}

void CZMRMarkupScrollViewer::SetGripper(BOOL bShow)
{
    if (bShow && !m_pGripper)
        m_pGripper = static_cast<CZMRMarkupScrollBarGripper*>(CreatePart(CZMRMarkupScrollBarGripper::GetMarkupType()));
    else if (!bShow)
        ReleasePart(m_pGripper);
}

CSize CZMRMarkupScrollViewer::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                              int nAvailableHeight)
{
    CZMRMarkupUIElement* pContent = GetContent();
    if (!pContent)
        return CSize(0, 0);
    const int W = nAvailableWidth;
    const int H = nAvailableHeight;
    const int nVertical = GetScrollBarVisibility(orientationVertical);
    const int nHorizontal = GetScrollBarVisibility(orientationHorizontal);
    int cw = nHorizontal == visibilityDisabled ? W : lengthUnbounded;
    int ch = H;
    int vw = 0;
    int hh = 0;

    BOOL bVertical = nVertical == visibilityVisible;
    if (nVertical == visibilityAuto)
    {
        pContent->Measure(pDC, cw, lengthUnbounded);
        bVertical = pContent->GetDesiredSize().cy > H;
    }
    if (nVertical == visibilityDisabled || !bVertical)
    {
        if (nVertical != visibilityDisabled)
            ch = lengthUnbounded;
        RemoveScrollBar(orientationVertical);
    }
    else
    {
        CZMRMarkupScrollBar* pBar = EnsureScrollBar(orientationVertical);
        pBar->Measure(pDC, W, H);
        vw = pBar->GetDesiredSize().cx;
        if (!IsUnbounded(cw))
            cw = std::max(cw - vw, 0);
        ch = lengthUnbounded;
    }

    BOOL bHorizontal = nHorizontal == visibilityVisible;
    if (nHorizontal == visibilityAuto)
    {
        pContent->Measure(pDC, cw, ch);
        bHorizontal = pContent->GetDesiredSize().cx > SubtractLength(W, vw);
    }
    if (bHorizontal)
    {
        CZMRMarkupScrollBar* pBar = EnsureScrollBar(orientationHorizontal);
        pBar->Measure(pDC, W, H);
        hh = pBar->GetDesiredSize().cy;
        if (!IsUnbounded(ch))
            ch = std::max(ch - hh, 0);
    }
    else
        RemoveScrollBar(orientationHorizontal);

    SetGripper(m_pVerticalScrollBar && m_pHorizontalScrollBar);

    pContent->Measure(pDC, cw, ch);
    const CSize szContent = pContent->GetDesiredSize();
    return CSize(std::min(W, AddLengths(vw, szContent.cx)), std::min(H, AddLengths(hh, szContent.cy)));
}

CSize CZMRMarkupScrollViewer::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    CZMRMarkupUIElement* pContent = GetContent();
    if (!pContent)
        return CSize(nFinalWidth, nFinalHeight);
    const int W = nFinalWidth;
    const int H = nFinalHeight;
    const int nBarWidth = m_pVerticalScrollBar ? m_pVerticalScrollBar->GetDesiredSize().cx : 0;
    const int nBarHeight = m_pHorizontalScrollBar ? m_pHorizontalScrollBar->GetDesiredSize().cy : 0;
    const int vw = std::max(W - nBarWidth, 0);
    const int vh = std::max(H - nBarHeight, 0);
    const CSize szContent = pContent->GetDesiredSize();

    if (m_pVerticalScrollBar)
    {
        if (m_nVerticalOffset > 0 && szContent.cy < vh + m_nVerticalOffset)
            m_nVerticalOffset = std::max<int>(szContent.cy - vh, 0);
        SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL, 0, szContent.cy - 1, static_cast<UINT>(vh), m_nVerticalOffset, 0};
        m_pVerticalScrollBar->SetScrollInfo(si);
        m_pVerticalScrollBar->Arrange(CRect(W - nBarWidth, 0, W, vh));
    }
    if (m_pHorizontalScrollBar)
    {
        if (m_nHorizontalOffset > 0 && szContent.cx < vw + m_nHorizontalOffset)
            m_nHorizontalOffset = std::max<int>(szContent.cx - vw, 0);
        SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL, 0, szContent.cx - 1, static_cast<UINT>(vw),
                         m_nHorizontalOffset, 0};
        m_pHorizontalScrollBar->SetScrollInfo(si);
        m_pHorizontalScrollBar->Arrange(CRect(0, H - nBarHeight, vw, H));
    }
    if (m_pGripper)
        m_pGripper->Arrange(CRect(W - nBarWidth, H - nBarHeight, W, H));

    CRect rcContent(0, 0, std::max<int>(szContent.cx, vw), std::max<int>(szContent.cy, vh));
    rcContent.OffsetRect(-m_nHorizontalOffset, -m_nVerticalOffset);
    pContent->Arrange(rcContent);
    return CSize(W, H);
}

int CZMRMarkupScrollViewer::GetOffset(int nOrientation) const
{
    return nOrientation == orientationVertical ? m_nVerticalOffset : m_nHorizontalOffset;
}

int CZMRMarkupScrollViewer::GetMaxOffset(int nOrientation) const
{
    CZMRMarkupScrollBar* pBar = GetScrollBar(nOrientation);
    if (!pBar)
        return 0;
    SCROLLINFO si;
    pBar->GetScrollInfo(si);
    const long long nMax = static_cast<long long>(si.nMax) - (si.nPage >= 2 ? si.nPage - 1 : 0);
    return static_cast<int>(std::max(nMax, 0LL));
}

void CZMRMarkupScrollViewer::SetOffset(int nOrientation, int nOffset)
{
    nOffset = std::max(0, std::min(nOffset, GetMaxOffset(nOrientation)));
    int& nCurrent = nOrientation == orientationVertical ? m_nVerticalOffset : m_nHorizontalOffset;
    if (nOffset == nCurrent)
        return;
    nCurrent = nOffset;
    InvalidateArrange();
}

void CZMRMarkupScrollViewer::Scroll(int nOrientation, int nCode, int nPos)
{
    const int nMax = GetMaxOffset(nOrientation);
    CZMRMarkupScrollBar* pBar = GetScrollBar(nOrientation);
    SCROLLINFO si = {};
    if (pBar)
        pBar->GetScrollInfo(si);
    const int nPage = static_cast<int>(si.nPage);
    int nOffset = GetOffset(nOrientation);
    switch (nCode)
    {
    case CZMRMarkupScrollBar::partLineUp:
        nOffset = std::max(nOffset - lineLength, 0);
        break;
    case CZMRMarkupScrollBar::partLineDown:
        nOffset = std::min(nOffset + lineLength, nMax);
        break;
    case CZMRMarkupScrollBar::partPageUp:
        nOffset = std::max(nOffset - nPage, 0);
        break;
    case CZMRMarkupScrollBar::partPageDown:
        nOffset = std::min(nOffset + nPage, nMax);
        break;
    case CZMRMarkupScrollBar::scrollThumbPosition:
    case CZMRMarkupScrollBar::scrollThumbTrack:
        nOffset = nPos;
        break;
    case CZMRMarkupScrollBar::scrollTop:
        nOffset = 0;
        break;
    case CZMRMarkupScrollBar::scrollBottom:
        nOffset = nMax;
        break;
    default:
        break;
    }
    SetOffset(nOrientation, nOffset);
}

void CZMRMarkupScrollViewer::OnMouseWheel(CZMRMarkupMouseWheelEventArgs* pArgs)
{
    SetOffset(orientationVertical, m_nVerticalOffset + (pArgs->nDelta < 0 ? wheelLength : -wheelLength));
    pArgs->bHandled = TRUE;
}
