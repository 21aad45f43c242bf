// A toggle button drawn as a round glyph; a click always checks it, and
// checking it unchecks the other radio buttons among its visual parent's
// children (there is no group name).
#pragma once
#include "CZMRMarkupToggleButton.h"

class CZMRMarkupRadioButton : public CZMRMarkupToggleButton
{
    DECLARE_MARKUPCLASS(CZMRMarkupRadioButton)
public:
    void OnToggle() override;
    void OnChecked(CZMRMarkupRoutedEventArgs* pArgs) override;
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    void OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
};
