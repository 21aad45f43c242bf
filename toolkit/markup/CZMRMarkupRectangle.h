// A rectangle that fills its slot: "Fill" paints it with the brush itself
// (so gradients work) and "Stroke" paints its edges inside the box.
#pragma once
#include "CZMRMarkupShape.h"

class CZMRMarkupRectangle : public CZMRMarkupShape
{
    DECLARE_MARKUPCLASS(CZMRMarkupRectangle)
public:
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
};
