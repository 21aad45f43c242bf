#include "CZMRMarkupRowDefinition.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupRowDefinition)

CZMRMarkupDependencyProperty* CZMRMarkupRowDefinition::m_pHeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupRowDefinition::m_pMinHeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupRowDefinition::m_pMaxHeightProperty = nullptr;

void AFXAPI CZMRMarkupRowDefinition::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupRowDefinition::GetMarkupType();
    CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
    m_pHeightProperty = CZMRMarkupDependencyProperty::Register(
        L"Height", CZMRMarkupGridLength::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(new CZMRMarkupGridLength(1.0, CZMRMarkupGridLength::unitStar), 0));
    m_pMinHeightProperty = CZMRMarkupDependencyProperty::Register(L"MinHeight", pInt, pOwner);
    m_pMaxHeightProperty = CZMRMarkupDependencyProperty::Register(L"MaxHeight", pInt, pOwner);
}

CZMRMarkupRowDefinition::CZMRMarkupRowDefinition() : CZMRMarkupDefinitionBase(FALSE)
{
}
