// A boxed point of two numbers: the start and end points of gradients, in
// units of the rectangle they fill.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupPoint : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupPoint)
public:
    CZMRMarkupPoint(double dX = 0.0, double dY = 0.0) : x(dX), y(dY) {}

    // "x, y", "x,y" or "x y"; null unless both are numbers.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    double x;
    double y;
};
