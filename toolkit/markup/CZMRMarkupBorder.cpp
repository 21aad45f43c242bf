#include "CZMRMarkupBorder.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupBorder)

CZMRMarkupDependencyProperty* CZMRMarkupBorder::m_pBackgroundProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupBorder::m_pPaddingProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupBorder::m_pBorderThicknessProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupBorder::m_pBorderBrushProperty = nullptr;

void AFXAPI CZMRMarkupBorder::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupBorder::GetMarkupType();
    CZMRMarkupType* pBrush = CZMRMarkupBrush::GetMarkupType();
    CZMRMarkupType* pThickness = CZMRMarkupThickness::GetMarkupType();
    const DWORD dwRender = CZMRMarkupPropertyMetadata::flagAffectsRender;
    const DWORD dwMeasure = CZMRMarkupPropertyMetadata::flagAffectsMeasure;
    m_pBackgroundProperty = CZMRMarkupDependencyProperty::Register(L"Background", pBrush, pOwner,
                                                                   new CZMRMarkupPropertyMetadata(nullptr, dwRender));
    m_pPaddingProperty = CZMRMarkupDependencyProperty::Register(
        L"Padding", pThickness, pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupThickness::CreateDefaultValue(), dwMeasure));
    m_pBorderThicknessProperty = CZMRMarkupDependencyProperty::Register(
        L"BorderThickness", pThickness, pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupThickness::CreateDefaultValue(), dwMeasure));
    m_pBorderBrushProperty = CZMRMarkupDependencyProperty::Register(L"BorderBrush", pBrush, pOwner,
                                                                    new CZMRMarkupPropertyMetadata(nullptr, dwRender));
}

CSize CZMRMarkupBorder::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    const CSize szBorder = GetThicknessSize(GetThicknessValue(this, m_pBorderThicknessProperty));
    const CSize szPadding = GetThicknessSize(GetThicknessValue(this, m_pPaddingProperty));
    const CSize szExtra(AddLengths(szBorder.cx, szPadding.cx), AddLengths(szBorder.cy, szPadding.cy));
    if (!m_pChild)
        return szExtra;
    m_pChild->Measure(pDC, SubtractLength(nAvailableWidth, szExtra.cx), SubtractLength(nAvailableHeight, szExtra.cy));
    const CSize szChild = m_pChild->GetDesiredSize();
    return CSize(AddLengths(szExtra.cx, szChild.cx), AddLengths(szExtra.cy, szChild.cy));
}

CSize CZMRMarkupBorder::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    if (m_pChild)
    {
        CRect rc(0, 0, nFinalWidth, nFinalHeight);
        rc = CZMRMarkupThickness::DeflateRect(rc, MarkupCast<CZMRMarkupThickness>(GetValue(m_pBorderThicknessProperty)));
        rc = CZMRMarkupThickness::DeflateRect(rc, MarkupCast<CZMRMarkupThickness>(GetValue(m_pPaddingProperty)));
        m_pChild->Arrange(rc);
    }
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupBorder::OnRender(CZMRMarkupDrawingContext* pDC)
{
    const int cx = m_szRender.cx;
    const int cy = m_szRender.cy;
    if (cx <= 0 || cy <= 0)
        return;
    const CRect rcBorder = GetThicknessValue(this, m_pBorderThicknessProperty);
    CZMRMarkupBrush* pBorderBrush = MarkupCast<CZMRMarkupBrush>(GetValue(m_pBorderBrushProperty));
    if (pBorderBrush)
    {
        // The corners are filled twice.
        if (rcBorder.left > 0)
            pDC->FillRect(pBorderBrush, 0, 0, rcBorder.left, cy);
        if (rcBorder.right > 0)
            pDC->FillRect(pBorderBrush, cx - rcBorder.right, 0, cx, cy);
        if (rcBorder.top > 0)
            pDC->FillRect(pBorderBrush, 0, 0, cx, rcBorder.top);
        if (rcBorder.bottom > 0)
            pDC->FillRect(pBorderBrush, 0, cy - rcBorder.bottom, cx, cy);
    }
    CZMRMarkupBrush* pBackground = MarkupCast<CZMRMarkupBrush>(GetValue(m_pBackgroundProperty));
    const CRect rcInner(rcBorder.left, rcBorder.top, SubtractLength(cx, rcBorder.right),
                        SubtractLength(cy, rcBorder.bottom));
    if (pBackground && rcInner.left < rcInner.right && rcInner.top < rcInner.bottom)
        pDC->FillRect(pBackground, rcInner.left, rcInner.top, rcInner.right, rcInner.bottom);
}

CZMRMarkupInputElement* CZMRMarkupBorder::HitTestCore(CPoint /*pt*/)
{
    return GetValue(m_pBackgroundProperty) ? this : nullptr;
}
