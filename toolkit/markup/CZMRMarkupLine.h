// A straight line from X1, Y1 to X2, Y2 in the stroke, hit within half the
// stroke width of it. It desires the extent of its end points from the
// origin.
#pragma once
#include "CZMRMarkupShape.h"

class CZMRMarkupLine : public CZMRMarkupShape
{
    DECLARE_MARKUPCLASS(CZMRMarkupLine)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pX1Property;
    static CZMRMarkupDependencyProperty* m_pY1Property;
    static CZMRMarkupDependencyProperty* m_pX2Property;
    static CZMRMarkupDependencyProperty* m_pY2Property;

    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    CZMRMarkupInputElement* HitTestCore(CPoint pt) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;

    // 0 when unset.
    int GetCoordinate(CZMRMarkupDependencyProperty* pProperty) const;
};
