// Two paint-manager colours and the point where their gradient meets halfway.
#pragma once
#include "CZMRPaintManagerColor.h"

class CZMRPaintManagerColorGradient
{
public:
    CZMRPaintManagerColorGradient() : fGradientFactor(0.5f) {}
    virtual ~CZMRPaintManagerColorGradient() {}

    // Colour 1, colour 2, then the factor as a 32-bit float.
    virtual void Serialize(CArchive& ar);

    void SetStandardPair(COLORREF clr1, COLORREF clr2, float fFactor = 0.5f)
    {
        clrLight.m_clrStandardValue = clr1;
        clrDark.m_clrStandardValue = clr2;
        fGradientFactor = fFactor;
    }
    void SetStandardColor(COLORREF clr) { SetStandardPair(clr, clr, 0.5f); }
    void SetStandardFrom(const CZMRPaintManagerColorGradient& other)
    {
        SetStandardPair(other.clrLight.GetColor(), other.clrDark.GetColor(), other.fGradientFactor);
    }

    CZMRPaintManagerColor clrLight;   // colour 1
    CZMRPaintManagerColor clrDark;    // colour 2
    float fGradientFactor;
};
