// An ellipse that fills its slot, drawn with a GDI pen and brush of the
// stroke and fill colours; only points inside the ellipse hit it.
#pragma once
#include "CZMRMarkupShape.h"

class CZMRMarkupEllipse : public CZMRMarkupShape
{
    DECLARE_MARKUPCLASS(CZMRMarkupEllipse)
public:
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    CZMRMarkupInputElement* HitTestCore(CPoint pt) override;
};
