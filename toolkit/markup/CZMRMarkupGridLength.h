// The size of a grid column or row: as large as its content (auto), a number
// of pixels, or a share of the space left over (star). Text converts as
// "Auto", "*", "2.5*" or "40".
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupGridLength : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupGridLength)
public:
    enum { unitAuto = 0, unitPixel = 1, unitStar = 2 };

    // A blank length is 0 pixels.
    CZMRMarkupGridLength(double dValue = 0.0, int nUnit = unitPixel) : m_dValue(dValue), m_nUnit(nUnit) {}

    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    double GetValue() const { return m_dValue; }
    int GetUnit() const { return m_nUnit; }
    BOOL IsAuto() const { return m_nUnit == unitAuto; }
    BOOL IsStar() const { return m_nUnit == unitStar; }

private:
    double m_dValue;
    int m_nUnit;
};
