#include "CZMRMarkupTextBlock.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupRun.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupTextElement.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupTextBlock)

CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pBackgroundProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pForegroundProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pFontSizeProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pFontWeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pFontQualityProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pFontFamilyProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pFontStyleProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pTextDecorationsProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pTextWrappingProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pTextTrimmingProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pTextAlignmentProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pPaddingProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextBlock::m_pTextProperty = nullptr;

void AFXAPI CZMRMarkupTextBlock::RegisterMarkupProperties()
{
    CZMRMarkupType::EnsureRegistered(CZMRMarkupTextElement::GetMarkupType());
    CZMRMarkupType* pOwner = CZMRMarkupTextBlock::GetMarkupType();
    m_pBackgroundProperty = CZMRMarkupTextElement::m_pBackgroundProperty->AddOwner(pOwner);
    m_pForegroundProperty = CZMRMarkupTextElement::m_pForegroundProperty->AddOwner(pOwner);
    m_pFontSizeProperty = CZMRMarkupTextElement::m_pFontSizeProperty->AddOwner(pOwner);
    m_pFontWeightProperty = CZMRMarkupTextElement::m_pFontWeightProperty->AddOwner(pOwner);
    m_pFontQualityProperty = CZMRMarkupTextElement::m_pFontQualityProperty->AddOwner(pOwner);
    m_pFontFamilyProperty = CZMRMarkupTextElement::m_pFontFamilyProperty->AddOwner(pOwner);
    m_pFontStyleProperty = CZMRMarkupTextElement::m_pFontStyleProperty->AddOwner(pOwner);
    m_pTextDecorationsProperty = CZMRMarkupTextElement::m_pTextDecorationsProperty->AddOwner(pOwner);

    CZMRMarkupType* pEnum = CZMRMarkupEnum::GetMarkupType();
    const DWORD dwMeasure = CZMRMarkupPropertyMetadata::flagAffectsMeasure;
    m_pTextWrappingProperty = CZMRMarkupDependencyProperty::Register(
        L"TextWrapping", pEnum, pOwner, new CZMRMarkupPropertyMetadata(nullptr, &ConvertTextWrapping, dwMeasure));
    m_pTextTrimmingProperty = CZMRMarkupDependencyProperty::Register(
        L"TextTrimming", pEnum, pOwner, new CZMRMarkupPropertyMetadata(nullptr, &ConvertTextTrimming, dwMeasure));
    m_pTextAlignmentProperty = CZMRMarkupDependencyProperty::Register(
        L"TextAlignment", pEnum, pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertTextAlignment,
                                       CZMRMarkupPropertyMetadata::flagAffectsArrange));
    m_pPaddingProperty = CZMRMarkupDependencyProperty::Register(
        L"Padding", CZMRMarkupThickness::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupThickness::CreateDefaultValue(), dwMeasure));
    m_pTextProperty = CZMRMarkupDependencyProperty::Register(L"Text", CZMRMarkupString::GetMarkupType(), pOwner,
                                                             new CZMRMarkupPropertyMetadata(nullptr, dwMeasure));
}

CZMRMarkupTextBlock::CLinePart::CLinePart(CZMRMarkupInline* pPartInline, int nPartFirst, int nPartEnd,
                                          BOOL bPartLineFeed)
    : pInline(pPartInline), nFirst(nPartFirst), nEnd(nPartEnd), x(0), y(0), nOffsetX(0), nOffsetY(0),
      pLine(nullptr), cx(0), cy(0), nDescent(0), pNext(nullptr), bLineFeed(bPartLineFeed)
{
    pInline->AddRef();
}

CZMRMarkupTextBlock::CLinePart::~CLinePart()
{
    pInline->Release();
}

CRect CZMRMarkupTextBlock::CLinePart::GetRect() const
{
    const int nLeft = AddLengths(x, nOffsetX);
    const int nTop = AddLengths(y, nOffsetY);
    return CRect(nLeft, nTop, AddLengths(nLeft, cx), AddLengths(nTop, cy));
}

void CZMRMarkupTextBlock::CLinePart::Measure(CZMRMarkupDrawingContext* pDC)
{
    const CSize sz = pInline->MeasurePart(pDC, nFirst, nEnd);
    cx = sz.cx;
    cy = sz.cy;
    nDescent = pInline->GetDescent();
}

CZMRMarkupTextBlock::CLine::CLine()
    : pFirst(nullptr), pLast(nullptr), cx(0), cy(0), nDescent(0), pNext(nullptr), bWrapped(FALSE)
{
}

CZMRMarkupTextBlock::CLine::~CLine()
{
    CLinePart* pPart = pFirst;
    while (pPart)
    {
        CLinePart* pNextPart = pPart->pNext;
        delete pPart;
        pPart = pNextPart;
    }
}

void CZMRMarkupTextBlock::CLine::Append(CLinePart* pPart)
{
    pPart->pLine = this;
    pPart->pNext = nullptr;
    if (pLast)
        pLast->pNext = pPart;
    else
        pFirst = pPart;
    pLast = pPart;
}

void CZMRMarkupTextBlock::CLine::TruncateAfter(CLinePart* pPart)
{
    CLinePart* pRest = pPart->pNext;
    pPart->pNext = nullptr;
    pLast = pPart;
    while (pRest)
    {
        CLinePart* pNextPart = pRest->pNext;
        delete pRest;
        pRest = pNextPart;
    }
}

CZMRMarkupTextBlock::CZMRMarkupTextBlock()
    : m_pInlines(new CZMRMarkupInlineCollection()), m_pFirstLine(nullptr), m_pLastLine(nullptr),
      m_nLastMeasuredWidth(-1), m_nContentWidth(0), m_nContentHeight(0)
{
    m_pInlines->SetLogicalParent(this);
}

CZMRMarkupTextBlock::~CZMRMarkupTextBlock()
{
    FreeLines();
    m_pInlines->RemoveAll();
    m_pInlines->SetLogicalParent(nullptr);
    m_pInlines->Release();
}

void CZMRMarkupTextBlock::FreeLines()
{
    CLine* pLine = m_pFirstLine;
    m_pFirstLine = m_pLastLine = nullptr;
    while (pLine)
    {
        CLine* pNextLine = pLine->pNext;
        delete pLine;
        pLine = pNextLine;
    }
}

int CZMRMarkupTextBlock::GetLineCount() const
{
    int nCount = 0;
    for (const CLine* pLine = m_pFirstLine; pLine; pLine = pLine->pNext)
        nCount++;
    return nCount;
}

CZMRMarkupObject* CZMRMarkupTextBlock::GetLogicalChild(int nIndex) const
{
    return nIndex == 0 ? m_pInlines : nullptr;
}

void CZMRMarkupTextBlock::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    m_pInlines->AddContent(pBuilder, pContent);
}

BOOL CZMRMarkupTextBlock::HoldsContent() const
{
    return m_pInlines->GetCount() > 0;
}

int CZMRMarkupTextBlock::GetEnumValue(CZMRMarkupDependencyProperty* pProperty) const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(pProperty));
    return pValue ? pValue->GetValue() : 0;
}

void CZMRMarkupTextBlock::OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                                            CZMRMarkupObject* pNewValue)
{
    if (pProperty == m_pTextProperty)
    {
        m_pInlines->RemoveAll();
        CZMRMarkupRun* pRun = CreateHelperRun(nullptr);
        CZMRMarkupString* pText = MarkupCast<CZMRMarkupString>(pNewValue);
        // A copy of its own, so the text's holder stays the text block.
        if (pText)
            pRun->SetValue(CZMRMarkupRun::m_pTextProperty, CZMRMarkupString::CreateValue(pText->GetText(),
                                                                                           pText->GetLength()));
        m_pInlines->Add(pRun);
    }
    CZMRMarkupFrameworkElement::OnPropertyChanged(pProperty, pOldValue, pNewValue);
}

CZMRMarkupRun* CZMRMarkupTextBlock::CreateHelperRun(LPCWSTR lpszText)
{
    CZMRMarkupType* pType = CZMRMarkupRun::GetMarkupType();
    CZMRMarkupRun* pRun = static_cast<CZMRMarkupRun*>(m_pMarkupContext ? m_pMarkupContext->CreateMarkupObject(pType)
                                                                       : pType->CreateObject());
    if (lpszText)
        pRun->SetValue(CZMRMarkupRun::m_pTextProperty, CZMRMarkupString::CreateValue(lpszText));
    pRun->SetLogicalParent(this);
    return pRun;
}

void CZMRMarkupTextBlock::InvalidateMeasureCore(CZMRMarkupDrawingContext* pDC)
{
    m_nLastMeasuredWidth = -1;
    CZMRMarkupFrameworkElement::InvalidateMeasureCore(pDC);
}

CSize CZMRMarkupTextBlock::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                           int /*nAvailableHeight*/)
{
    const CSize szPadding = GetThicknessSize(GetPadding());
    BuildLines(pDC, SubtractLength(nAvailableWidth, szPadding.cx));
    return CSize(AddLengths(szPadding.cx, m_nContentWidth), AddLengths(szPadding.cy, m_nContentHeight));
}

CSize CZMRMarkupTextBlock::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    ArrangeLines(nFinalWidth);
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupTextBlock::ArrangeLines(int nFinalWidth)
{
    const int nAlignment = GetEnumValue(m_pTextAlignmentProperty);
    const CRect rcPadding = GetPadding();
    const CSize szPadding = GetThicknessSize(rcPadding);
    for (CLine* pLine = m_pFirstLine; pLine; pLine = pLine->pNext)
    {
        int nFree = SaturateLength(static_cast<long long>(nFinalWidth) - pLine->cx - szPadding.cx);
        int nOffset = 0;
        if (nAlignment == textRight)
            nOffset = nFree;
        else if (nAlignment == textCenter)
            nOffset = nFree / 2;

        // Justified lines spread their free space over the gaps between the
        // parts; a line ended by a line feed or the paragraph stays as it is.
        int nGaps = -1;
        if (nAlignment == textJustify && pLine->bWrapped && nFinalWidth - pLine->cx > 0 && pLine->pFirst)
        {
            nGaps = -1;
            for (CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
                nGaps += pPart->bLineFeed ? 0 : 1;
        }

        BOOL bFirst = TRUE;
        for (CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
        {
            pPart->nOffsetX = AddLengths(rcPadding.left, nOffset);
            pPart->nOffsetY = pLine->cy - pPart->cy + rcPadding.top;
            if (nGaps > 0 && nFree > 0 && !bFirst && !pPart->bLineFeed)
            {
                const int nExtra = std::max(nFree / nGaps, 1);
                pPart->nOffsetX = AddLengths(pPart->nOffsetX, nExtra);
                nGaps--;
                nFree -= nExtra;
                nOffset = AddLengths(nOffset, nExtra);
            }
            if (!pPart->bLineFeed)
                bFirst = FALSE;

            const int nLineDescent = pLine->nDescent;
            switch (pPart->pInline->GetBaselineAlignment())
            {
            case CZMRMarkupInline::baselineTop:
            case CZMRMarkupInline::baselineTextTop:
                pPart->nOffsetY += pPart->cy - pLine->cy;
                break;
            case CZMRMarkupInline::baselineCenter:
                pPart->nOffsetY += (pPart->cy - pLine->cy) / 2;
                break;
            case CZMRMarkupInline::baselineBaseline:
                pPart->nOffsetY += pPart->nDescent - nLineDescent;
                break;
            case CZMRMarkupInline::baselineSubscript:
                pPart->nOffsetY += pPart->nDescent - nLineDescent / 2;
                break;
            case CZMRMarkupInline::baselineSuperscript:
                pPart->nOffsetY += nLineDescent / 2 - pPart->nDescent - pLine->cy + pPart->cy;
                break;
            default:   // bottom and text bottom
                break;
            }
            pPart->pInline->ArrangePart(pPart->GetRect(), pPart->nFirst, pPart->nEnd);
        }
    }
}

void CZMRMarkupTextBlock::OnRender(CZMRMarkupDrawingContext* pDC)
{
    CZMRMarkupBrush* pBackground = MarkupCast<CZMRMarkupBrush>(GetValue(m_pBackgroundProperty));
    if (pBackground)
        pDC->FillRect(pBackground, 0, 0, m_szRender.cx, m_szRender.cy);

    const CRect rcClip(pDC->GetClipBox());
    const COLORREF clrDefault = m_pMarkupContext ? m_pMarkupContext->GetDefaultForeground() : RGB(0, 0, 0);
    for (const CLine* pLine = m_pFirstLine; pLine; pLine = pLine->pNext)
    {
        for (const CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
        {
            const CRect rcPart = pPart->GetRect();
            CRect rcTest;
            if (!rcTest.IntersectRect(rcPart, rcClip))
                continue;
            CZMRMarkupInline* pInline = pPart->pInline;
            // The block's own background is already there.
            CZMRMarkupBrush* pPartBackground =
                MarkupCast<CZMRMarkupBrush>(pInline->GetValue(CZMRMarkupTextElement::m_pBackgroundProperty));
            if (pPartBackground && pPartBackground != pBackground)
                pDC->FillRect(pPartBackground, rcPart.left, rcPart.top, rcPart.right, rcPart.bottom);
            CZMRMarkupBrush* pForeground =
                MarkupCast<CZMRMarkupBrush>(pInline->GetValue(CZMRMarkupTextElement::m_pForegroundProperty));
            ::SetTextColor(pDC->GetOutputDC(), pForeground ? pForeground->GetColor() : clrDefault);
            pInline->RenderPart(pDC, rcPart, pPart->nFirst, pPart->nEnd);
            RenderDecorations(pDC, pPart);
        }
    }
}

void CZMRMarkupTextBlock::RenderDecorations(CZMRMarkupDrawingContext* pDC, const CLinePart* pPart)
{
    CZMRMarkupInline* pInline = pPart->pInline;
    CZMRMarkupDependencyProperty* pDecorations = CZMRMarkupTextElement::m_pTextDecorationsProperty;
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(pInline->GetValue(pDecorations));
    if (!pValue || pValue->GetValue() == CZMRMarkupTextElement::decorationNone)
        return;

    const CRect rc = pPart->GetRect();
    const int nLineDescent = pPart->pLine->nDescent;
    const int nThickness = std::max(nLineDescent / 3, 1);
    int nTop = 0;
    if (pValue->GetValue() == CZMRMarkupTextElement::decorationUnderline)
        nTop = rc.bottom - pPart->nDescent + nThickness;
    else if (pValue->GetValue() == CZMRMarkupTextElement::decorationStrikethrough)
        nTop = rc.bottom - pPart->nDescent + nLineDescent - (pPart->pLine->cy - nLineDescent) / 2;
    else
        return;

    // The line takes the colour of the element that asked for it.
    CZMRMarkupObject* pOwner = pInline->FindValueOwner(pDecorations);
    CZMRMarkupBrush* pBrush =
        pOwner ? MarkupCast<CZMRMarkupBrush>(pOwner->GetValue(CZMRMarkupTextElement::m_pForegroundProperty))
               : nullptr;
    if (pBrush)
        pDC->FillRect(pBrush, rc.left, nTop, rc.right, nTop + nThickness);
    else
        pDC->FillSolidRect(rc.left, nTop, rc.right, nTop + nThickness,
                           m_pMarkupContext ? m_pMarkupContext->GetDefaultForeground() : RGB(0, 0, 0));
}

CZMRMarkupInputElement* CZMRMarkupTextBlock::HitTestCore(CPoint pt)
{
    for (const CLine* pLine = m_pFirstLine; pLine; pLine = pLine->pNext)
    {
        for (const CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
        {
            if (pPart->GetRect().PtInRect(pt))
                return pPart->pInline->InputHitTest(pt);
        }
    }
    return this;
}
