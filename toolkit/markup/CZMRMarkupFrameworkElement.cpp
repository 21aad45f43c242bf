#include "CZMRMarkupFrameworkElement.h"
#include "CZMRMarkupBool.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupThickness.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupFrameworkElement)

CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pMarginProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pHorizontalAlignmentProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pVerticalAlignmentProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pWidthProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pHeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pMinWidthProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pMinHeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pMaxWidthProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pMaxHeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupFrameworkElement::m_pTagProperty = nullptr;

void AFXAPI CZMRMarkupFrameworkElement::RegisterMarkupProperties()
{
    CZMRMarkupType::EnsureRegistered(CZMRMarkupStyle::GetMarkupType());
    CZMRMarkupType* pOwner = CZMRMarkupFrameworkElement::GetMarkupType();
    CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
    CZMRMarkupType* pEnum = CZMRMarkupEnum::GetMarkupType();
    const DWORD dwMeasure = CZMRMarkupPropertyMetadata::flagAffectsMeasure;
    const DWORD dwArrange = CZMRMarkupPropertyMetadata::flagAffectsArrange;

    m_pMarginProperty = CZMRMarkupDependencyProperty::Register(
        L"Margin", CZMRMarkupThickness::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupThickness::CreateDefaultValue(), dwMeasure));
    m_pHorizontalAlignmentProperty = CZMRMarkupDependencyProperty::Register(
        L"HorizontalAlignment", pEnum, pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertHorizontalAlignment, dwArrange));
    m_pVerticalAlignmentProperty = CZMRMarkupDependencyProperty::Register(
        L"VerticalAlignment", pEnum, pOwner,
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertVerticalAlignment, dwArrange));
    CZMRMarkupDependencyProperty** ppLengths[] = {&m_pWidthProperty,    &m_pHeightProperty,   &m_pMinWidthProperty,
                                                  &m_pMinHeightProperty, &m_pMaxWidthProperty, &m_pMaxHeightProperty};
    LPCWSTR lpszLengths[] = {L"Width", L"Height", L"MinWidth", L"MinHeight", L"MaxWidth", L"MaxHeight"};
    for (int i = 0; i < 6; i++)
    {
        *ppLengths[i] = CZMRMarkupDependencyProperty::Register(
            lpszLengths[i], pInt, pOwner, new CZMRMarkupPropertyMetadata(nullptr, &ConvertSize, dwMeasure));
    }
    m_pTagProperty = CZMRMarkupDependencyProperty::Register(L"Tag", CZMRMarkupObject::GetMarkupType(), pOwner);
}

CZMRMarkupFrameworkElement::CZMRMarkupFrameworkElement()
    : m_bNeedsClip(FALSE), m_szUnclipped(0, 0), m_bUnclippedKept(FALSE)
{
    m_limits.nMaxHeight = lengthUnbounded;
    m_limits.nMinHeight = 0;
    m_limits.nMaxWidth = lengthUnbounded;
    m_limits.nMinWidth = 0;
}

int AFXAPI CZMRMarkupFrameworkElement::SaturateLength(long long nLength)
{
    if (nLength > 0x3FFFFFFF)
        return lengthUnbounded;
    if (nLength < -lengthUnbounded)
        return -lengthUnbounded;
    return static_cast<int>(nLength);
}

int AFXAPI CZMRMarkupFrameworkElement::AddLengths(int a, int b)
{
    if (IsUnbounded(a) || IsUnbounded(b))
        return lengthUnbounded;
    return SaturateLength(static_cast<long long>(a) + b);
}

int AFXAPI CZMRMarkupFrameworkElement::SubtractLength(int nAvailable, int nAmount)
{
    if (IsUnbounded(nAvailable) || -static_cast<long long>(nAmount) > 0x3FFFFFFF)
        return lengthUnbounded;
    long long nResult = static_cast<long long>(nAvailable) - nAmount;
    return nResult > 0 ? static_cast<int>(nResult) : 0;
}

CRect AFXAPI CZMRMarkupFrameworkElement::GetThicknessValue(const CZMRMarkupObject* pObject,
                                                           CZMRMarkupDependencyProperty* pProperty)
{
    CZMRMarkupThickness* pThickness = MarkupCast<CZMRMarkupThickness>(pObject->GetValue(pProperty));
    if (!pThickness)
        return CRect(0, 0, 0, 0);
    return CRect(pThickness->left, pThickness->top, pThickness->right, pThickness->bottom);
}

CSize AFXAPI CZMRMarkupFrameworkElement::GetThicknessSize(const CRect& rcThickness)
{
    return CSize(AddLengths(rcThickness.left, rcThickness.right), AddLengths(rcThickness.top, rcThickness.bottom));
}

CPoint AFXAPI CZMRMarkupFrameworkElement::GetAlignmentOffset(int nHorizontal, int nVertical, CSize szClient,
                                                             CSize szInk)
{
    auto offset = [](int nAlignment, int nClient, int nInk) {
        // Content larger than a stretched slot keeps its start in view.
        if (nAlignment == alignStretch && nInk > nClient)
            nAlignment = alignStart;
        const long long nFree = static_cast<long long>(nClient) - nInk;
        if (nAlignment == alignCenter || nAlignment == alignStretch)
            return SaturateLength(nFree / 2);
        if (nAlignment == alignEnd)
            return SaturateLength(nFree);
        return 0;
    };
    return CPoint(offset(nHorizontal, szClient.cx, szInk.cx), offset(nVertical, szClient.cy, szInk.cy));
}

void AFXAPI CZMRMarkupFrameworkElement::InvalidateByMetadata(CZMRMarkupUIElement* pElement,
                                                             CZMRMarkupDependencyProperty* pProperty)
{
    CZMRMarkupPropertyMetadata* pMetadata = pProperty ? pProperty->GetMetadata() : nullptr;
    if (!pElement || !pMetadata)
        return;
    const DWORD dwFlags = pMetadata->GetFlags();
    if (dwFlags & CZMRMarkupPropertyMetadata::flagAffectsMeasure)
        pElement->InvalidateMeasure();
    if (dwFlags & CZMRMarkupPropertyMetadata::flagAffectsArrange)
        pElement->InvalidateArrange();
    if (dwFlags & CZMRMarkupPropertyMetadata::flagAffectsRender)
        pElement->InvalidateVisual();
}

void CZMRMarkupFrameworkElement::OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty,
                                                   CZMRMarkupObject* pOldValue, CZMRMarkupObject* pNewValue)
{
    CZMRMarkupUIElement::OnPropertyChanged(pProperty, pOldValue, pNewValue);
    UpdateTriggers(pProperty, pNewValue);
    InvalidateByMetadata(this, pProperty);
}

int CZMRMarkupFrameworkElement::GetHorizontalAlignment() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pHorizontalAlignmentProperty));
    return pValue ? pValue->GetValue() : alignStretch;
}

int CZMRMarkupFrameworkElement::GetVerticalAlignment() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pVerticalAlignmentProperty));
    return pValue ? pValue->GetValue() : alignStretch;
}

BOOL CZMRMarkupFrameworkElement::IsClipToBounds() const
{
    CZMRMarkupBool* pValue = MarkupCast<CZMRMarkupBool>(GetValue(m_pClipToBoundsProperty));
    return pValue && pValue->GetValue();
}

int CZMRMarkupFrameworkElement::GetLengthValue(CZMRMarkupDependencyProperty* pProperty, int nDefault) const
{
    CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(GetValue(pProperty));
    if (!pValue || IsUnbounded(pValue->GetValue()))
        return nDefault;
    return std::max(0, pValue->GetValue());
}

void CZMRMarkupFrameworkElement::UpdateSizeLimits()
{
    // An explicit size fixes both limits, within the minimum and maximum;
    // the minimum wins over the maximum.
    int nMinHeight = GetLengthValue(m_pMinHeightProperty, 0);
    m_limits.nMaxHeight = std::max(nMinHeight, std::min(GetLengthValue(m_pHeightProperty, lengthUnbounded),
                                                        GetLengthValue(m_pMaxHeightProperty, lengthUnbounded)));
    m_limits.nMinHeight = std::max(nMinHeight, std::min(m_limits.nMaxHeight, GetLengthValue(m_pHeightProperty, 0)));
    int nMinWidth = GetLengthValue(m_pMinWidthProperty, 0);
    m_limits.nMaxWidth = std::max(nMinWidth, std::min(GetLengthValue(m_pWidthProperty, lengthUnbounded),
                                                      GetLengthValue(m_pMaxWidthProperty, lengthUnbounded)));
    m_limits.nMinWidth = std::max(nMinWidth, std::min(m_limits.nMaxWidth, GetLengthValue(m_pWidthProperty, 0)));
}

CSize CZMRMarkupFrameworkElement::MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                                  int /*nAvailableHeight*/)
{
    return CSize(0, 0);
}

CSize CZMRMarkupFrameworkElement::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    return CSize(nFinalWidth, nFinalHeight);
}

CSize CZMRMarkupFrameworkElement::MeasureCore(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                              int nAvailableHeight)
{
    const CSize szMargin = GetThicknessSize(GetMargin());
    const int nInnerWidth = SubtractLength(nAvailableWidth, szMargin.cx);
    const int nInnerHeight = SubtractLength(nAvailableHeight, szMargin.cy);
    UpdateSizeLimits();

    const int nWidth = std::max(m_limits.nMinWidth, std::min(nInnerWidth, m_limits.nMaxWidth));
    const int nHeight = std::max(m_limits.nMinHeight, std::min(nInnerHeight, m_limits.nMaxHeight));
    const CSize szContent = MeasureOverride(pDC, nWidth, nHeight);

    const CSize szUnclipped(std::max<int>(szContent.cx, m_limits.nMinWidth), std::max<int>(szContent.cy, m_limits.nMinHeight));
    CSize szClipped = szUnclipped;
    BOOL bCut = FALSE;
    if (szClipped.cx > m_limits.nMaxWidth)
    {
        szClipped.cx = m_limits.nMaxWidth;
        bCut = TRUE;
    }
    if (szClipped.cy > m_limits.nMaxHeight)
    {
        szClipped.cy = m_limits.nMaxHeight;
        bCut = TRUE;
    }

    CSize szResult(AddLengths(szClipped.cx, szMargin.cx), AddLengths(szClipped.cy, szMargin.cy));
    if (szResult.cx > nAvailableWidth)
    {
        szResult.cx = nAvailableWidth;
        bCut = TRUE;
    }
    if (szResult.cy > nAvailableHeight)
    {
        szResult.cy = nAvailableHeight;
        bCut = TRUE;
    }

    m_bNeedsClip = FALSE;
    m_bUnclippedKept = FALSE;
    if (bCut || szResult.cx < 0 || szResult.cy < 0)
    {
        m_bNeedsClip = TRUE;
        m_bUnclippedKept = TRUE;
        m_szUnclipped = szUnclipped;
    }
    return CSize(std::max<int>(0, szResult.cx), std::max<int>(0, szResult.cy));
}

CSize CZMRMarkupFrameworkElement::ArrangeCore(CRect rcFinal)
{
    const CRect rcMargin = GetMargin();
    const CSize szMargin = GetThicknessSize(rcMargin);
    const CSize szFinal(SaturateLength(static_cast<long long>(rcFinal.right) - rcFinal.left),
                        SaturateLength(static_cast<long long>(rcFinal.bottom) - rcFinal.top));
    int nArrangeWidth = SubtractLength(szFinal.cx, szMargin.cx);
    int nArrangeHeight = SubtractLength(szFinal.cy, szMargin.cy);

    CSize szUnclipped = m_szUnclipped;
    if (!m_bUnclippedKept)
    {
        szUnclipped.cx = SaturateLength(static_cast<long long>(m_szDesired.cx) - szMargin.cx);
        szUnclipped.cy = SaturateLength(static_cast<long long>(m_szDesired.cy) - szMargin.cy);
    }
    if (nArrangeWidth < szUnclipped.cx)
    {
        m_bNeedsClip = TRUE;
        nArrangeWidth = szUnclipped.cx;
    }
    if (nArrangeHeight < szUnclipped.cy)
    {
        m_bNeedsClip = TRUE;
        nArrangeHeight = szUnclipped.cy;
    }
    if (GetHorizontalAlignment() != alignStretch)
        nArrangeWidth = szUnclipped.cx;
    if (GetVerticalAlignment() != alignStretch)
        nArrangeHeight = szUnclipped.cy;

    const int nMaxWidth = std::max<int>(szUnclipped.cx, m_limits.nMaxWidth);
    if (nArrangeWidth > nMaxWidth)
    {
        m_bNeedsClip = TRUE;
        nArrangeWidth = nMaxWidth;
    }
    const int nMaxHeight = std::max<int>(szUnclipped.cy, m_limits.nMaxHeight);
    if (nArrangeHeight > nMaxHeight)
    {
        m_bNeedsClip = TRUE;
        nArrangeHeight = nMaxHeight;
    }

    m_szRender = ArrangeOverride(std::max(0, nArrangeWidth), std::max(0, nArrangeHeight));

    const CSize szInk(std::min<int>(m_szRender.cx, m_limits.nMaxWidth),
                      std::min<int>(m_szRender.cy, m_limits.nMaxHeight));
    if (szInk.cx < m_szRender.cx || szInk.cy < m_szRender.cy)
        m_bNeedsClip = TRUE;
    const CSize szClient(SubtractLength(szFinal.cx, szMargin.cx), SubtractLength(szFinal.cy, szMargin.cy));
    if (szClient.cx < szInk.cx || szClient.cy < szInk.cy)
        m_bNeedsClip = TRUE;

    const CPoint ptOffset = GetAlignmentOffset(GetHorizontalAlignment(), GetVerticalAlignment(), szClient, szInk);
    SetVisualOffset(CPoint(SaturateLength(static_cast<long long>(rcFinal.left) + rcMargin.left + ptOffset.x),
                           SaturateLength(static_cast<long long>(rcFinal.top) + rcMargin.top + ptOffset.y)));
    return m_szRender;
}

BOOL CZMRMarkupFrameworkElement::GetClipRect(CRect& rc) const
{
    if (CZMRMarkupUIElement::GetClipRect(rc))
        return TRUE;
    const BOOL bClipToBounds = IsClipToBounds();
    if (!bClipToBounds && !m_bNeedsClip)
        return FALSE;

    const int nMaxClipWidth = m_limits.nMaxWidth == lengthUnbounded ? m_szRender.cx : m_limits.nMaxWidth;
    const int nMaxClipHeight = m_limits.nMaxHeight == lengthUnbounded ? m_szRender.cy : m_limits.nMaxHeight;
    const BOOL bClipLocally = bClipToBounds || nMaxClipWidth < m_szRender.cx || nMaxClipHeight < m_szRender.cy;

    const CSize szInk(std::min<int>(m_szRender.cx, m_limits.nMaxWidth),
                      std::min<int>(m_szRender.cy, m_limits.nMaxHeight));
    const CSize szMargin = GetThicknessSize(GetMargin());
    const CSize szSlot(SubtractLength(SaturateLength(static_cast<long long>(m_rcFinal.right) - m_rcFinal.left),
                                      szMargin.cx),
                       SubtractLength(SaturateLength(static_cast<long long>(m_rcFinal.bottom) - m_rcFinal.top),
                                      szMargin.cy));
    const BOOL bClipToSlot = bClipToBounds || szSlot.cx < szInk.cx || szSlot.cy < szInk.cy;

    if (!bClipLocally && !bClipToSlot)
        return FALSE;
    const CRect rcLocal(0, 0, nMaxClipWidth, nMaxClipHeight);
    if (!bClipToSlot)
    {
        rc = rcLocal;
        return TRUE;
    }
    const CPoint ptOffset = GetAlignmentOffset(GetHorizontalAlignment(), GetVerticalAlignment(), szSlot, szInk);
    rc.SetRect(-ptOffset.x, -ptOffset.y, szSlot.cx - ptOffset.x, szSlot.cy - ptOffset.y);
    if (bClipLocally)
        rc.IntersectRect(rc, rcLocal);
    return TRUE;
}
