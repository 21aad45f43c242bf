#include "CZMRMarkupVisual.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupVisual)

CZMRMarkupVisual::CZMRMarkupVisual() : m_ptOffset(0, 0), m_szRender(0, 0)
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
    m_rcBounds.SetRect(0, 0, m_szRender.cx, m_szRender.cy);
    int nCount = GetVisualChildrenCount();
    for (int i = 0; i < nCount; i++)
    {
        CZMRMarkupVisual* pChild = GetVisualChild(i);
        if (!pChild)
            continue;
        pChild->UpdateBounds();
        CRect rcChild = pChild->m_rcBounds;
        rcChild.OffsetRect(pChild->m_ptOffset);
        m_rcBounds.UnionRect(m_rcBounds, rcChild);
    }
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
