// The base of the interactive elements: padding, background and foreground
// (the very properties of the border, the panel and the text element), and a
// layout that gives the first visual child the whole space.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRMarkupBrush;

class CZMRMarkupControl : public CZMRMarkupFrameworkElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupControl)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pPaddingProperty;
    static CZMRMarkupDependencyProperty* m_pBackgroundProperty;
    static CZMRMarkupDependencyProperty* m_pForegroundProperty;

    // The first visual child measured with the available size; 0, 0 without.
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    // The first visual child over the whole final size.
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

    CZMRMarkupBrush* GetBackground() const;
    // Left, top, right and bottom.
    CRect GetPadding() const { return GetThicknessValue(this, m_pPaddingProperty); }

protected:
    CZMRMarkupUIElement* GetFirstVisualChild() const;
};
