#include "CZMRMarkupGradientStop.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDouble.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupGradientStop)

CZMRMarkupDependencyProperty* CZMRMarkupGradientStop::m_pColorProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupGradientStop::m_pOffsetProperty = nullptr;

void AFXAPI CZMRMarkupGradientStop::RegisterMarkupProperties()
{
    m_pColorProperty = CZMRMarkupDependencyProperty::Register(L"Color", CZMRMarkupColor::GetMarkupType(),
                                                              CZMRMarkupGradientStop::GetMarkupType());
    m_pOffsetProperty = CZMRMarkupDependencyProperty::Register(L"Offset", CZMRMarkupDouble::GetMarkupType(),
                                                               CZMRMarkupGradientStop::GetMarkupType());
}

CZMRMarkupGradientStop::CZMRMarkupGradientStop(COLORREF clr, double dOffset)
{
    CZMRMarkupObject* pColor = new CZMRMarkupColor(clr);
    if (!SetValue(m_pColorProperty, pColor))
        pColor->Release();
    CZMRMarkupObject* pOffset = new CZMRMarkupDouble(dOffset);
    if (!SetValue(m_pOffsetProperty, pOffset))
        pOffset->Release();
}

COLORREF CZMRMarkupGradientStop::GetColor() const
{
    CZMRMarkupColor* pColor = static_cast<CZMRMarkupColor*>(GetValue(m_pColorProperty));
    return pColor ? pColor->GetValue() : 0;
}

double CZMRMarkupGradientStop::GetOffset() const
{
    CZMRMarkupDouble* pOffset = static_cast<CZMRMarkupDouble*>(GetValue(m_pOffsetProperty));
    return pOffset ? pOffset->GetValue() : 0.0;
}
