// A brush that paints a linear gradient over its stops, from "StartPoint" to
// "EndPoint" in units of the filled rectangle, rasterised into a 32-bit DIB
// over the visible part of the rectangle only.
#pragma once
#include "CZMRMarkupBrush.h"

class CZMRMarkupDependencyProperty;
class CZMRMarkupGradientStops;

class CZMRMarkupLinearGradientBrush : public CZMRMarkupBrush
{
    DECLARE_MARKUPCLASS(CZMRMarkupLinearGradientBrush)
public:
    CZMRMarkupLinearGradientBrush();
    ~CZMRMarkupLinearGradientBrush() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pStartPointProperty;
    static CZMRMarkupDependencyProperty* m_pEndPointProperty;

    // Content goes to the stops, so stops are written as child elements.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    void FillRect(CZMRMarkupDrawingContext* pDC, int nLeft, int nTop, int nRight, int nBottom) override;

    CZMRMarkupGradientStops* GetGradientStops() const { return m_pGradientStops; }

private:
    CZMRMarkupGradientStops* m_pGradientStops;
};
