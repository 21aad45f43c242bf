#include "CZMRMarkupTrigger.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupTrigger)

CZMRMarkupDependencyProperty* CZMRMarkupTrigger::m_pPropertyProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTrigger::m_pValueProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTrigger::m_pSettersProperty = nullptr;

void AFXAPI CZMRMarkupTrigger::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupTrigger::GetMarkupType();
    CZMRMarkupType::EnsureRegistered(CZMRMarkupSetter::GetMarkupType());
    m_pPropertyProperty = CZMRMarkupSetter::m_pPropertyProperty->AddOwner(pOwner);
    m_pValueProperty = CZMRMarkupSetter::m_pValueProperty->AddOwner(pOwner);
    m_pSettersProperty = CZMRMarkupDependencyProperty::Register(
        L"Setters", CZMRMarkupSetterColection::GetMarkupType(), pOwner);
}

CZMRMarkupSetterColection* CZMRMarkupTrigger::GetSetters() const
{
    return MarkupCast<CZMRMarkupSetterColection>(GetValue(m_pSettersProperty));
}
