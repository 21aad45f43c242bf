// A closed figure through its points, filled and outlined with GDI; the
// points are drawn as they are.
#pragma once
#include "CZMRMarkupShape.h"

class CZMRMarkupPointCollection;

class CZMRMarkupPolygon : public CZMRMarkupShape
{
    DECLARE_MARKUPCLASS(CZMRMarkupPolygon)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pPointsProperty;

    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;

    CZMRMarkupPointCollection* GetPoints() const;
};
