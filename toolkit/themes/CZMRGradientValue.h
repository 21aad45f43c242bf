// A gradient as the themes' colour tables write it: first colour, second
// colour, factor; put into a paint-manager gradient as its standard values.
#pragma once
#include "CZMRPaintManagerColorGradient.h"

struct CZMRGradientValue
{
    COLORREF clrFirst, clrSecond;
    float fFactor;

    void ApplyTo(CZMRPaintManagerColorGradient& grc) const { grc.SetStandardPair(clrFirst, clrSecond, fFactor); }
};
