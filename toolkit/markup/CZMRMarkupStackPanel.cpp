#include "CZMRMarkupStackPanel.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElementCollection.h"
#include "ZMRMarkupConverters.h"

#include <algorithm>

IMPLEMENT_MARKUPCLASS(CZMRMarkupStackPanel)

CZMRMarkupDependencyProperty* CZMRMarkupStackPanel::m_pOrientationProperty = nullptr;

void AFXAPI CZMRMarkupStackPanel::RegisterMarkupProperties()
{
    m_pOrientationProperty = CZMRMarkupDependencyProperty::Register(
        L"Orientation", CZMRMarkupEnum::GetMarkupType(), CZMRMarkupStackPanel::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertOrientation, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
}

BOOL CZMRMarkupStackPanel::IsVertical() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pOrientationProperty));
    return !pValue || pValue->GetValue() == orientationVertical;
}

CSize CZMRMarkupStackPanel::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth,
                                            int nAvailableHeight)
{
    const BOOL bVertical = IsVertical();
    CSize szDesired(0, 0);
    for (int i = 0; i < m_pChildren->GetCount(); i++)
    {
        CZMRMarkupUIElement* pChild = m_pChildren->GetElement(i);
        if (bVertical)
        {
            pChild->Measure(pDC, nAvailableWidth, lengthUnbounded);
            szDesired.cx = std::max<int>(szDesired.cx, pChild->GetDesiredSize().cx);
            szDesired.cy = AddLengths(szDesired.cy, pChild->GetDesiredSize().cy);
        }
        else
        {
            pChild->Measure(pDC, lengthUnbounded, nAvailableHeight);
            szDesired.cx = AddLengths(szDesired.cx, pChild->GetDesiredSize().cx);
            szDesired.cy = std::max<int>(szDesired.cy, pChild->GetDesiredSize().cy);
        }
    }
    return szDesired;
}

CSize CZMRMarkupStackPanel::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    const BOOL bVertical = IsVertical();
    int nPosition = 0;
    for (int i = 0; i < m_pChildren->GetCount(); i++)
    {
        CZMRMarkupUIElement* pChild = m_pChildren->GetElement(i);
        const CSize szChild = pChild->GetDesiredSize();
        // A child longer across than the panel keeps its length; its own
        // layout clip takes care of it.
        if (bVertical)
        {
            pChild->Arrange(CRect(0, nPosition, std::max<int>(szChild.cx, nFinalWidth),
                                  AddLengths(nPosition, szChild.cy)));
            nPosition = AddLengths(nPosition, szChild.cy);
        }
        else
        {
            pChild->Arrange(CRect(nPosition, 0, AddLengths(nPosition, szChild.cx),
                                  std::max<int>(szChild.cy, nFinalHeight)));
            nPosition = AddLengths(nPosition, szChild.cx);
        }
    }
    return CSize(nFinalWidth, nFinalHeight);
}
