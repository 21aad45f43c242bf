#include "CZMRMarkupSetter.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupSetter)

CZMRMarkupDependencyProperty* CZMRMarkupSetter::m_pPropertyProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupSetter::m_pValueProperty = nullptr;

void AFXAPI CZMRMarkupSetter::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupSetter::GetMarkupType();
    m_pPropertyProperty =
        CZMRMarkupDependencyProperty::Register(L"Property", CZMRMarkupObject::GetMarkupType(), pOwner);
    m_pValueProperty = CZMRMarkupDependencyProperty::Register(L"Value", CZMRMarkupObject::GetMarkupType(), pOwner);
}

CZMRMarkupDependencyProperty* AFXAPI CZMRMarkupSetter::GetPropertyOf(const CZMRMarkupObject* pSetter)
{
    if (!pSetter)
        return nullptr;
    return MarkupCast<CZMRMarkupDependencyProperty>(pSetter->GetValue(m_pPropertyProperty));
}

CZMRMarkupObject* AFXAPI CZMRMarkupSetter::GetValueOf(const CZMRMarkupObject* pSetter)
{
    return pSetter ? pSetter->GetValue(m_pValueProperty) : nullptr;
}
