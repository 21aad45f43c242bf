// A boxed 32-bit integer: sizes, indexes, cursor identifiers.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupInt : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupInt)
public:
    explicit CZMRMarkupInt(int nValue = 0) : m_nValue(nValue) {}

    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    // The leading decimal integer of the text, 0 when there is none.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    int GetValue() const { return m_nValue; }
    // The decimal integer at the start of the text (blanks and a sign allowed).
    static int AFXAPI ReadLeadingInteger(LPCWSTR lpszText);

private:
    int m_nValue;
};
