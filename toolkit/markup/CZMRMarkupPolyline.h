// An open figure through its points in the stroke; with any "Stretch" but
// None the points are scaled to the render size.
#pragma once
#include "CZMRMarkupShape.h"

class CZMRMarkupPointCollection;

class CZMRMarkupPolyline : public CZMRMarkupShape
{
    DECLARE_MARKUPCLASS(CZMRMarkupPolyline)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pPointsProperty;

    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;

    CZMRMarkupPointCollection* GetPoints() const;
};
