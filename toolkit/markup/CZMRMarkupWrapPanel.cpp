#include "CZMRMarkupWrapPanel.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElementCollection.h"
#include "ZMRMarkupConverters.h"

#include <algorithm>
#include <vector>

IMPLEMENT_MARKUPCLASS(CZMRMarkupWrapPanel)

CZMRMarkupDependencyProperty* CZMRMarkupWrapPanel::m_pOrientationProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupWrapPanel::m_pItemHeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupWrapPanel::m_pItemWidthProperty = nullptr;

void AFXAPI CZMRMarkupWrapPanel::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupWrapPanel::GetMarkupType();
    const DWORD dwMeasure = CZMRMarkupPropertyMetadata::flagAffectsMeasure;
    m_pOrientationProperty =
        CZMRMarkupDependencyProperty::Register(L"Orientation", CZMRMarkupEnum::GetMarkupType(), pOwner,
                                               new CZMRMarkupPropertyMetadata(nullptr, &ConvertOrientation, dwMeasure));
    m_pItemHeightProperty = CZMRMarkupDependencyProperty::Register(L"ItemHeight", CZMRMarkupInt::GetMarkupType(),
                                                                   pOwner, new CZMRMarkupPropertyMetadata(nullptr, dwMeasure));
    m_pItemWidthProperty = CZMRMarkupDependencyProperty::Register(L"ItemWidth", CZMRMarkupInt::GetMarkupType(),
                                                                  pOwner, new CZMRMarkupPropertyMetadata(nullptr, dwMeasure));
}

BOOL CZMRMarkupWrapPanel::IsHorizontal() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pOrientationProperty));
    return !pValue || pValue->GetValue() == orientationHorizontal;
}

int CZMRMarkupWrapPanel::GetItemLength(CZMRMarkupDependencyProperty* pProperty) const
{
    CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(GetValue(pProperty));
    return pValue ? std::max(0, pValue->GetValue()) : -1;
}

CSize CZMRMarkupWrapPanel::GetItemLengths(CZMRMarkupUIElement* pChild) const
{
    const int nItemWidth = GetItemLength(m_pItemWidthProperty);
    const int nItemHeight = GetItemLength(m_pItemHeightProperty);
    const CSize szItem(nItemWidth >= 0 ? nItemWidth : pChild->GetDesiredSize().cx,
                       nItemHeight >= 0 ? nItemHeight : pChild->GetDesiredSize().cy);
    return IsHorizontal() ? szItem : CSize(szItem.cy, szItem.cx);
}

int CZMRMarkupWrapPanel::BreakLines(int nLimit, CWrapLine* pLines) const
{
    int nLines = 0;
    CWrapLine line = {0, 0, 0, 0};
    for (int i = 0; i < m_pChildren->GetCount(); i++)
    {
        const CSize szItem = GetItemLengths(m_pChildren->GetElement(i));
        // A child that passes the limit starts a line, and one longer than
        // the limit sits alone on its line.
        if (line.nCount > 0 && AddLengths(line.nAlong, szItem.cx) > nLimit)
        {
            pLines[nLines++] = line;
            line.nFirst = i;
            line.nCount = 0;
            line.nAlong = 0;
            line.nAcross = 0;
        }
        line.nCount++;
        line.nAlong = AddLengths(line.nAlong, szItem.cx);
        line.nAcross = std::max<int>(line.nAcross, szItem.cy);
    }
    if (line.nCount > 0)
        pLines[nLines++] = line;
    return nLines;
}

CSize CZMRMarkupWrapPanel::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                           int nAvailableHeight)
{
    const int nItemWidth = GetItemLength(m_pItemWidthProperty);
    const int nItemHeight = GetItemLength(m_pItemHeightProperty);
    for (int i = 0; i < m_pChildren->GetCount(); i++)
    {
        m_pChildren->GetElement(i)->Measure(pDC, nItemWidth >= 0 ? nItemWidth : nAvailableWidth,
                                            nItemHeight >= 0 ? nItemHeight : nAvailableHeight);
    }
    std::vector<CWrapLine> lines(m_pChildren->GetCount() + 1);
    const BOOL bHorizontal = IsHorizontal();
    const int nCount = BreakLines(bHorizontal ? nAvailableWidth : nAvailableHeight, lines.data());
    int nLongest = 0;
    int nAcross = 0;
    for (int i = 0; i < nCount; i++)
    {
        nLongest = std::max(nLongest, lines[i].nAlong);
        nAcross = AddLengths(nAcross, lines[i].nAcross);
    }
    return bHorizontal ? CSize(nLongest, nAcross) : CSize(nAcross, nLongest);
}

CSize CZMRMarkupWrapPanel::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    std::vector<CWrapLine> lines(m_pChildren->GetCount() + 1);
    const int nCount = BreakLines(IsHorizontal() ? nFinalWidth : nFinalHeight, lines.data());
    int nAcrossOffset = 0;
    for (int i = 0; i < nCount; i++)
    {
        ArrangeLine(nAcrossOffset, lines[i]);
        nAcrossOffset = AddLengths(nAcrossOffset, lines[i].nAcross);
    }
    return CSize(nFinalWidth, nFinalHeight);
}

void CZMRMarkupWrapPanel::ArrangeLine(int nAcrossOffset, const CWrapLine& line)
{
    const BOOL bHorizontal = IsHorizontal();
    const int nAcrossEnd = AddLengths(nAcrossOffset, line.nAcross);
    int nAlong = 0;
    for (int i = line.nFirst; i < line.nFirst + line.nCount; i++)
    {
        CZMRMarkupUIElement* pChild = m_pChildren->GetElement(i);
        const int nAlongEnd = AddLengths(nAlong, GetItemLengths(pChild).cx);
        if (bHorizontal)
            pChild->Arrange(CRect(nAlong, nAcrossOffset, nAlongEnd, nAcrossEnd));
        else
            pChild->Arrange(CRect(nAcrossOffset, nAlong, nAcrossEnd, nAlongEnd));
        nAlong = nAlongEnd;
    }
}
