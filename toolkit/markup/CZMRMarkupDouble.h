// A boxed floating-point number: gradient offsets and other fractions.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupDouble : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupDouble)
public:
    explicit CZMRMarkupDouble(double dValue = 0.0) : m_dValue(dValue) {}

    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    // The whole text as one number; null when it is not one.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    double GetValue() const { return m_dValue; }

private:
    double m_dValue;
};
