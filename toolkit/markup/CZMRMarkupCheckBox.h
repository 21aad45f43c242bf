// A toggle button drawn as a check box glyph at its left, vertically
// centred, with its content to the right of the glyph.
#pragma once
#include "CZMRMarkupToggleButton.h"

class CZMRMarkupCheckBox : public CZMRMarkupToggleButton
{
    DECLARE_MARKUPCLASS(CZMRMarkupCheckBox)
public:
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    void OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
};
