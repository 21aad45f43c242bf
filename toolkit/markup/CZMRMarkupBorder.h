// A decorator that draws a frame of "BorderThickness" in "BorderBrush" and a
// "Background" around its child, inside which "Padding" keeps the child away
// from the frame.
#pragma once
#include "CZMRMarkupDecorator.h"

class CZMRMarkupBorder : public CZMRMarkupDecorator
{
    DECLARE_MARKUPCLASS(CZMRMarkupBorder)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pBackgroundProperty;
    static CZMRMarkupDependencyProperty* m_pPaddingProperty;
    static CZMRMarkupDependencyProperty* m_pBorderThicknessProperty;
    static CZMRMarkupDependencyProperty* m_pBorderBrushProperty;

    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    // The border itself only where it has a background.
    CZMRMarkupInputElement* HitTestCore(CPoint pt) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

};
