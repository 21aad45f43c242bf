#include "CZMRMarkupColumnDefinition.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupColumnDefinition)

CZMRMarkupDependencyProperty* CZMRMarkupColumnDefinition::m_pWidthProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupColumnDefinition::m_pMinWidthProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupColumnDefinition::m_pMaxWidthProperty = nullptr;

void AFXAPI CZMRMarkupColumnDefinition::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupColumnDefinition::GetMarkupType();
    CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
    m_pWidthProperty = CZMRMarkupDependencyProperty::Register(
        L"Width", CZMRMarkupGridLength::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(new CZMRMarkupGridLength(1.0, CZMRMarkupGridLength::unitStar), 0));
    m_pMinWidthProperty = CZMRMarkupDependencyProperty::Register(L"MinWidth", pInt, pOwner);
    m_pMaxWidthProperty = CZMRMarkupDependencyProperty::Register(L"MaxWidth", pInt, pOwner);
}

CZMRMarkupColumnDefinition::CZMRMarkupColumnDefinition() : CZMRMarkupDefinitionBase(TRUE)
{
}
