// A boxed colour, written as a name or in the '#' notations, as an attribute
// or as the text of a Color element.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupColor : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupColor)
public:
    explicit CZMRMarkupColor(COLORREF clrValue = 0) : m_clrValue(clrValue) {}

    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    // Text content that parses becomes the colour.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    COLORREF GetValue() const { return m_clrValue; }
    // "#RRGGBB", "#AARRGGBB" (alpha dropped) or a colour name; TRUE when set.
    static BOOL AFXAPI ParseColorText(LPCWSTR lpszText, COLORREF& clr);

private:
    COLORREF m_clrValue;
};
