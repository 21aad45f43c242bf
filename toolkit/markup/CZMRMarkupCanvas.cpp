#include "CZMRMarkupCanvas.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElementCollection.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupCanvas)

CZMRMarkupDependencyProperty* CZMRMarkupCanvas::m_pTopProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupCanvas::m_pRightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupCanvas::m_pLeftProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupCanvas::m_pBottomProperty = nullptr;

namespace
{
// The coordinate of a child of the given length: the near side when set,
// else the far side measured from the end, else 0.
int PlaceChild(CZMRMarkupUIElement* pChild, CZMRMarkupDependencyProperty* pNear, CZMRMarkupDependencyProperty* pFar,
               int nFinal, int nLength)
{
    CZMRMarkupInt* pNearValue = MarkupCast<CZMRMarkupInt>(pChild->GetValue(pNear));
    if (pNearValue)
        return pNearValue->GetValue();
    CZMRMarkupInt* pFarValue = MarkupCast<CZMRMarkupInt>(pChild->GetValue(pFar));
    if (pFarValue)
    {
        return CZMRMarkupFrameworkElement::SaturateLength(static_cast<long long>(nFinal) - pFarValue->GetValue() -
                                                          nLength);
    }
    return 0;
}
}

void AFXAPI CZMRMarkupCanvas::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupCanvas::GetMarkupType();
    CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
    // No metadata: changing one later does not move the child.
    m_pTopProperty = CZMRMarkupDependencyProperty::RegisterAttached(L"Top", pInt, pOwner);
    m_pRightProperty = CZMRMarkupDependencyProperty::RegisterAttached(L"Right", pInt, pOwner);
    m_pLeftProperty = CZMRMarkupDependencyProperty::RegisterAttached(L"Left", pInt, pOwner);
    m_pBottomProperty = CZMRMarkupDependencyProperty::RegisterAttached(L"Bottom", pInt, pOwner);
}

CSize CZMRMarkupCanvas::MeasureOverride(CZMRMarkupDrawingContext* pDC, int /*nAvailableWidth*/,
                                        int /*nAvailableHeight*/)
{
    for (int i = 0; i < m_pChildren->GetCount(); i++)
        m_pChildren->GetElement(i)->Measure(pDC, lengthUnbounded, lengthUnbounded);
    return CSize(0, 0);
}

CSize CZMRMarkupCanvas::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    for (int i = 0; i < m_pChildren->GetCount(); i++)
    {
        CZMRMarkupUIElement* pChild = m_pChildren->GetElement(i);
        const CSize szChild = pChild->GetDesiredSize();
        const int x = PlaceChild(pChild, m_pLeftProperty, m_pRightProperty, nFinalWidth, szChild.cx);
        const int y = PlaceChild(pChild, m_pTopProperty, m_pBottomProperty, nFinalHeight, szChild.cy);
        pChild->Arrange(CRect(x, y, AddLengths(x, szChild.cx), AddLengths(y, szChild.cy)));
    }
    return CSize(nFinalWidth, nFinalHeight);
}
