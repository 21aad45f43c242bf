#include "CZMRMarkupUIElement.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupUIElement)

CZMRMarkupDependencyProperty* CZMRMarkupUIElement::m_pClipToBoundsProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupUIElement::m_pVisibilityProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupUIElement::m_pFocusableProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupUIElement::m_pIsEnabledProperty = nullptr;

void AFXAPI CZMRMarkupUIElement::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupUIElement::GetMarkupType();
    m_pClipToBoundsProperty =
        CZMRMarkupDependencyProperty::Register(L"ClipToBounds", CZMRMarkupBool::GetMarkupType(), pOwner);
    m_pVisibilityProperty = CZMRMarkupDependencyProperty::Register(
        L"Visibility", CZMRMarkupEnum::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertVisibility, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
    m_pFocusableProperty = CZMRMarkupDependencyProperty::Register(
        L"Focusable", CZMRMarkupBool::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateFalseValue(), 0));
    m_pIsEnabledProperty = CZMRMarkupDependencyProperty::Register(
        L"IsEnabled", CZMRMarkupBool::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupBool::CreateTrueValue(), 0));
}

CZMRMarkupUIElement::CZMRMarkupUIElement()
    : m_szDesired(0, 0), m_bMeasureDirty(FALSE), m_bNeverMeasured(TRUE), m_szLastAvailable(0, 0),
      m_bArrangeDirty(FALSE), m_bNeverArranged(TRUE), m_bArranging(FALSE), m_bMeasuring(FALSE)
{
}

int CZMRMarkupUIElement::GetVisibility() const
{
    CZMRMarkupEnum* pVisibility = MarkupCast<CZMRMarkupEnum>(GetValue(m_pVisibilityProperty));
    return pVisibility ? pVisibility->GetValue() : visibilityVisible;
}

BOOL CZMRMarkupUIElement::GetClipRect(CRect& rc) const
{
    int nVisibility = GetVisibility();
    if (nVisibility != visibilityHidden && nVisibility != visibilityCollapsed)
        return FALSE;
    rc.SetRectEmpty();
    return TRUE;
}

namespace
{
// Counts the elements placed on their own, outside their parent's arrange.
thread_local ULONGLONG t_nInPlaceArranges = 0;
} // namespace

void CZMRMarkupUIElement::Measure(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    const CSize szAvailable(nAvailableWidth, nAvailableHeight);
    if (GetVisibility() == visibilityCollapsed)
    {
        m_szLastAvailable = szAvailable;
        m_bMeasureDirty = TRUE;
        m_bNeverMeasured = FALSE;
        m_szDesired = CSize(0, 0);
        return;
    }
    if (!m_bMeasureDirty && !m_bNeverMeasured && szAvailable == m_szLastAvailable && !pDC->IsScaledOutput())
        return;

    m_bArrangeDirty = TRUE;
    m_bMeasuring = TRUE;
    m_bNeverMeasured = FALSE;
    m_szDesired = MeasureCore(pDC, nAvailableWidth, nAvailableHeight);
    m_szLastAvailable = szAvailable;
    m_bMeasuring = FALSE;
    m_bMeasureDirty = pDC->IsScaledOutput() ? TRUE : FALSE;
}

void CZMRMarkupUIElement::Arrange(CRect rcFinal)
{
    if (GetVisibility() == visibilityCollapsed)
    {
        m_rcFinal = rcFinal;
        m_bNeverArranged = FALSE;
        m_bArrangeDirty = FALSE;
        return;
    }
    if (m_bNeverMeasured)
    {
        CZMRMarkupDrawingContext dc;
        Measure(&dc, rcFinal.Width(), rcFinal.Height());
    }
    if (m_bArrangeDirty || m_bNeverArranged || !m_rcFinal.EqualRect(rcFinal))
    {
        m_bNeverArranged = FALSE;
        m_bArranging = TRUE;
        const ULONGLONG nStamp = GetBoundsStamp();
        const ULONGLONG nInPlace = t_nInPlaceArranges;
        ArrangeCore(rcFinal);
        m_bArranging = FALSE;
        // An element placed on its own meanwhile may lie inside a child placed
        // before it, whose bounds would then be out of date.
        if (nInPlace == t_nInPlaceArranges)
            UpdateBoundsSince(nStamp);
        else
            UpdateBounds();
    }
    m_rcFinal = rcFinal;
    m_bArrangeDirty = FALSE;
}

CSize CZMRMarkupUIElement::ArrangeCore(CRect rcFinal)
{
    m_szRender = CSize(rcFinal.Width(), rcFinal.Height());
    return m_szRender;
}

CSize CZMRMarkupUIElement::MeasureCore(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                       int /*nAvailableHeight*/)
{
    return CSize(0, 0);
}

void CZMRMarkupUIElement::Render(CZMRMarkupDrawingContext* pDC)
{
    // Subtrees outside the visible area are passed over before the viewport
    // or the clip region changes.
    CRect rcVisible = pDC->GetClipBox();
    rcVisible.OffsetRect(-m_ptOffset.x, -m_ptOffset.y);
    CRect rcTest;
    if (!rcTest.IntersectRect(rcVisible, m_rcBounds))
        return;
    CRect rcClip;
    BOOL bClip = GetClipRect(rcClip);
    if (bClip)
    {
        if (rcClip.IsRectEmpty())
            return;
        rcVisible.IntersectRect(rcVisible, rcClip);
        if (!rcTest.IntersectRect(rcVisible, m_rcBounds))
            return;
    }

    POINT ptSaved = pDC->OffsetViewport(m_ptOffset);
    HRGN hSavedClip = nullptr;
    if (bClip)
    {
        hSavedClip = pDC->SaveClipRegion();
        pDC->IntersectClipRect(rcClip);
    }
    OnRender(pDC);
    int nCount = GetVisualChildrenCount();
    for (int i = 0; i < nCount; i++)
    {
        CZMRMarkupUIElement* pChild = MarkupCast<CZMRMarkupUIElement>(GetVisualChild(i));
        if (pChild)
            pChild->Render(pDC);
    }
    if (IsKeyboardFocused())
        OnRenderFocusVisual(pDC);
    if (bClip)
        pDC->RestoreClipRegion(hSavedClip);
    pDC->RestoreViewport(ptSaved);
}

void CZMRMarkupUIElement::InvalidateArrange()
{
    if (m_bArranging || m_bNeverArranged)
        return;
    m_bArrangeDirty = TRUE;
    t_nInPlaceArranges++;
    Arrange(m_rcFinal);
    InvalidateVisual();
}

void CZMRMarkupUIElement::InvalidateVisual()
{
    if (m_pMarkupContext)
        m_pMarkupContext->OnInvalidateVisual(this);
}

void CZMRMarkupUIElement::InvalidateMeasure()
{
    CZMRMarkupDrawingContext dc;
    InvalidateMeasureCore(&dc);
}

void CZMRMarkupUIElement::InvalidateMeasureCore(CZMRMarkupDrawingContext* pDC)
{
    if (m_bMeasuring || m_bNeverMeasured)
        return;
    CSize szOld = m_szDesired;
    m_bMeasureDirty = TRUE;
    m_bArrangeDirty = TRUE;
    Measure(pDC, m_szLastAvailable.cx, m_szLastAvailable.cy);
    if (m_szDesired == szOld)
    {
        // The change stays inside the element.
        t_nInPlaceArranges++;
        Arrange(m_rcFinal);
        InvalidateVisual();
        return;
    }
    m_bMeasureDirty = TRUE;
    m_bArrangeDirty = TRUE;
    CZMRMarkupUIElement* pParent = MarkupCast<CZMRMarkupUIElement>(GetVisualParent());
    if (pParent)
        pParent->InvalidateMeasureCore(pDC);
    else if (m_pMarkupContext)
        m_pMarkupContext->OnInvalidateMeasure(this);
}
