#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupVisual.h"

CPoint CZMRMarkupMouseEventArgs::GetPosition(const CZMRMarkupObject* pElement) const
{
    CPoint pt(x, y);
    for (; pElement; pElement = pElement->GetLogicalParent())
    {
        const CZMRMarkupVisual* pVisual =
            MarkupCast<CZMRMarkupVisual>(const_cast<CZMRMarkupObject*>(pElement));
        if (pVisual)
            pt.Offset(-pVisual->GetVisualOffset().x, -pVisual->GetVisualOffset().y);
    }
    return pt;
}
