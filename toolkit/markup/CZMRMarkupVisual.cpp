#include "CZMRMarkupVisual.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupVisual)

namespace
{
// Counts the bounds worked out in this thread.
thread_local ULONGLONG t_nBoundsStamp = 0;
} // namespace

CZMRMarkupVisual::CZMRMarkupVisual() : m_ptOffset(0, 0), m_szRender(0, 0), m_nBoundsStamp(0)
{
}

int CZMRMarkupVisual::GetLogicalChildrenCount() const
{
    return GetVisualChildrenCount();
}

CZMRMarkupObject* CZMRMarkupVisual::GetLogicalChild(int nIndex) const
{
    return GetVisualChild(nIndex);
}

int CZMRMarkupVisual::GetVisualChildrenCount() const
{
    return 0;
}

CZMRMarkupVisual* CZMRMarkupVisual::GetVisualChild(int /*nIndex*/) const
{
    return nullptr;
}

BOOL CZMRMarkupVisual::GetClipRect(CRect& /*rc*/) const
{
    return FALSE;
}

void CZMRMarkupVisual::OnRender(CZMRMarkupDrawingContext* /*pDC*/)
{
}

void CZMRMarkupVisual::OnRenderFocusVisual(CZMRMarkupDrawingContext* /*pDC*/)
{
}

CZMRMarkupInputElement* CZMRMarkupVisual::HitTestCore(CPoint /*pt*/)
{
    return this;
}

CZMRMarkupInputElement* CZMRMarkupVisual::InputHitTest(CPoint pt)
{
    pt.Offset(-m_ptOffset.x, -m_ptOffset.y);
    if (!m_rcBounds.PtInRect(pt))
        return nullptr;
    CRect rcClip;
    if (GetClipRect(rcClip) && !rcClip.PtInRect(pt))
        return nullptr;
    for (int i = GetVisualChildrenCount() - 1; i >= 0; i--)
    {
        CZMRMarkupVisual* pChild = GetVisualChild(i);
        CZMRMarkupInputElement* pHit = pChild ? pChild->InputHitTest(pt) : nullptr;
        if (pHit)
            return pHit;
    }
    if (CRect(0, 0, m_szRender.cx, m_szRender.cy).PtInRect(pt))
        return HitTestCore(pt);
    return nullptr;
}

void CZMRMarkupVisual::UpdateBounds()
{
    // No bounds are later than the last one made.
    UpdateBoundsSince(t_nBoundsStamp);
}

void CZMRMarkupVisual::UpdateBoundsSince(ULONGLONG nStamp)
{
    m_rcBounds.SetRect(0, 0, m_szRender.cx, m_szRender.cy);
    int nCount = GetVisualChildrenCount();
    for (int i = 0; i < nCount; i++)
    {
        CZMRMarkupVisual* pChild = GetVisualChild(i);
        if (!pChild)
            continue;
        // A child placed in this pass has its bounds already: working them
        // out again at every level would make deep trees quadratic.
        if (pChild->m_nBoundsStamp <= nStamp)
            pChild->UpdateBounds();
        CRect rcChild = pChild->m_rcBounds;
        rcChild.OffsetRect(pChild->m_ptOffset);
        m_rcBounds.UnionRect(m_rcBounds, rcChild);
    }
    m_nBoundsStamp = ++t_nBoundsStamp;
}

ULONGLONG CZMRMarkupVisual::GetBoundsStamp()
{
    return t_nBoundsStamp;
}

CZMRMarkupVisual* CZMRMarkupVisual::GetVisualParent() const
{
    for (CZMRMarkupObject* pParent = GetLogicalParent(); pParent; pParent = pParent->GetLogicalParent())
    {
        CZMRMarkupVisual* pVisual = MarkupCast<CZMRMarkupVisual>(pParent);
        if (pVisual)
            return pVisual;
    }
    return nullptr;
}
