// The push button: a bevelled face around its content, drawn with the
// "BUTTON" visual style when one is active and no background is set, else in
// the system colours or in shades of its background; the content moves by a
// pixel while the button is pressed.
#pragma once
#include "CZMRMarkupButtonBase.h"

class CZMRMarkupButton : public CZMRMarkupButtonBase
{
    DECLARE_MARKUPCLASS(CZMRMarkupButton)
public:
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    void OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
};
