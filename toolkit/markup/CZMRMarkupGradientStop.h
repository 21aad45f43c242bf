// One stop of a linear gradient: a colour at an offset along the gradient.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupDependencyProperty;

class CZMRMarkupGradientStop : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupGradientStop)
public:
    CZMRMarkupGradientStop() {}
    CZMRMarkupGradientStop(COLORREF clr, double dOffset);

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pColorProperty;    // "Color"
    static CZMRMarkupDependencyProperty* m_pOffsetProperty;   // "Offset"

    // 0 and 0.0 when unset.
    COLORREF GetColor() const;
    double GetOffset() const;
};
