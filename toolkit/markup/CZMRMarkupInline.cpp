#include "CZMRMarkupInline.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupSpan.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupInline)

CZMRMarkupDependencyProperty* CZMRMarkupInline::m_pBaselineAlignmentProperty = nullptr;

void AFXAPI CZMRMarkupInline::RegisterMarkupProperties()
{
    m_pBaselineAlignmentProperty = CZMRMarkupDependencyProperty::Register(
        L"BaselineAlignment", CZMRMarkupEnum::GetMarkupType(), CZMRMarkupInline::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertBaselineAlignment,
                                       CZMRMarkupPropertyMetadata::flagAffectsArrange));
}

CZMRMarkupInline::CZMRMarkupInline() : m_nIndex(-1)
{
}

CZMRMarkupInputElement* CZMRMarkupInline::InputHitTest(CPoint /*pt*/)
{
    return this;
}

CZMRMarkupInline* CZMRMarkupInline::GetFirstLeaf()
{
    return this;
}

int CZMRMarkupInline::GetFirstPosition() const
{
    return -1;
}

void CZMRMarkupInline::NextPosition(int& nPosition) const
{
    // An inline without positions ends any walk that strays into it.
    nPosition = -1;
}

BOOL CZMRMarkupInline::IsBreakPosition(int /*nPosition*/) const
{
    return FALSE;
}

BOOL CZMRMarkupInline::IsLineFeedPosition(int /*nPosition*/) const
{
    return FALSE;
}

BOOL CZMRMarkupInline::IsSpacePosition(int /*nPosition*/) const
{
    return FALSE;
}

void CZMRMarkupInline::ArrangePart(const CRect& /*rc*/, int /*nFirst*/, int /*nEnd*/)
{
}

CSize CZMRMarkupInline::MeasurePart(CZMRMarkupDrawingContext* /*pDC*/, int /*nFirst*/, int /*nEnd*/)
{
    return CSize(0, 0);
}

void CZMRMarkupInline::RenderPart(CZMRMarkupDrawingContext* /*pDC*/, const CRect& /*rc*/, int /*nFirst*/,
                                  int /*nEnd*/)
{
}

void CZMRMarkupInline::PrepareFont(CZMRMarkupDrawingContext* /*pDC*/)
{
}

int CZMRMarkupInline::GetDescent() const
{
    return 0;
}

int CZMRMarkupInline::GetBaselineAlignment() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pBaselineAlignmentProperty));
    return pValue ? pValue->GetValue() : baselineBaseline;
}

CZMRMarkupInline* CZMRMarkupInline::GetNextLeaf()
{
    CZMRMarkupInline* pInline = this;
    for (;;)
    {
        CZMRMarkupInlineCollection* pCollection = MarkupCast<CZMRMarkupInlineCollection>(pInline->GetLogicalParent());
        if (!pCollection)
            return nullptr;
        int nIndex = pCollection->IndexOf(pInline);
        if (nIndex >= 0 && nIndex + 1 < pCollection->GetCount())
            return pCollection->GetInline(nIndex + 1)->GetFirstLeaf();
        CZMRMarkupSpan* pSpan = MarkupCast<CZMRMarkupSpan>(pCollection->GetLogicalParent());
        if (!pSpan)
            return nullptr;
        pInline = pSpan;
    }
}
