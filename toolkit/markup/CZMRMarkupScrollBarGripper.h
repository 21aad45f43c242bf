// The corner between a scroll viewer's two scroll bars, filled with the
// button face colour.
#pragma once
#include "CZMRMarkupUIElement.h"

class CZMRMarkupScrollBarGripper : public CZMRMarkupUIElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupScrollBarGripper)
public:
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    // Placed at its rectangle's corner.
    CSize ArrangeCore(CRect rcFinal) override;
};
