// A brush of one colour, its "Color" property.
#pragma once
#include "CZMRMarkupBrush.h"

class CZMRMarkupDependencyProperty;

class CZMRMarkupSolidColorBrush : public CZMRMarkupBrush
{
    DECLARE_MARKUPCLASS(CZMRMarkupSolidColorBrush)
public:
    CZMRMarkupSolidColorBrush();
    explicit CZMRMarkupSolidColorBrush(COLORREF clr);

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pColorProperty;

    // Another solid brush of the same colour.
    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    // Nothing without a colour.
    void FillRect(CZMRMarkupDrawingContext* pDC, int nLeft, int nTop, int nRight, int nBottom) override;
    COLORREF GetColor() const override;

    BOOL HasColor() const;
    // Paints the rectangle in the colour, as every solid fill does.
    static void AFXAPI FillSolid(HDC hDC, int nLeft, int nTop, int nRight, int nBottom, COLORREF clr);
};
