// The base of the markup brushes that paint backgrounds, borders and shape
// fills. Colour text converts to a solid colour brush, so every brush-typed
// property accepts a colour name or a '#' colour.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupDrawingContext;

class CZMRMarkupBrush : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupBrush)
public:
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    // Slot 14: paints the rectangle.
    virtual void FillRect(CZMRMarkupDrawingContext* pDC, int nLeft, int nTop, int nRight, int nBottom);
    // Slot 15: the brush's single colour.
    virtual COLORREF GetColor() const;
};
