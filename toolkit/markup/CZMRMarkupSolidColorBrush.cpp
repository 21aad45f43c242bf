#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupSolidColorBrush)

CZMRMarkupDependencyProperty* CZMRMarkupSolidColorBrush::m_pColorProperty = nullptr;

void AFXAPI CZMRMarkupSolidColorBrush::RegisterMarkupProperties()
{
    m_pColorProperty = CZMRMarkupDependencyProperty::Register(L"Color", CZMRMarkupColor::GetMarkupType(),
                                                              CZMRMarkupSolidColorBrush::GetMarkupType());
}

CZMRMarkupSolidColorBrush::CZMRMarkupSolidColorBrush()
{
}

CZMRMarkupSolidColorBrush::CZMRMarkupSolidColorBrush(COLORREF clr)
{
    CZMRMarkupColor* pColor = new CZMRMarkupColor(clr);
    if (!SetValue(m_pColorProperty, pColor))
        pColor->Release();
}

BOOL CZMRMarkupSolidColorBrush::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject && pObject->IsKindOf(GetMarkupType()) &&
           static_cast<const CZMRMarkupSolidColorBrush*>(pObject)->GetColor() == GetColor();
}

BOOL CZMRMarkupSolidColorBrush::HasColor() const
{
    return GetValue(m_pColorProperty) != nullptr;
}

COLORREF CZMRMarkupSolidColorBrush::GetColor() const
{
    CZMRMarkupColor* pColor = static_cast<CZMRMarkupColor*>(GetValue(m_pColorProperty));
    return pColor ? pColor->GetValue() : 0;
}

void CZMRMarkupSolidColorBrush::FillRect(CZMRMarkupDrawingContext* pDC, int nLeft, int nTop, int nRight, int nBottom)
{
    if (!pDC || !HasColor())
        return;
    FillSolid(pDC->GetOutputDC(), nLeft, nTop, nRight, nBottom, GetColor());
}

void AFXAPI CZMRMarkupSolidColorBrush::FillSolid(HDC hDC, int nLeft, int nTop, int nRight, int nBottom, COLORREF clr)
{
    RECT rc = {nLeft, nTop, nRight, nBottom};
    COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(hDC, clrOld);
}
