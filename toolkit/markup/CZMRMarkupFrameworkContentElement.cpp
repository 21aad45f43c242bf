#include "CZMRMarkupFrameworkContentElement.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupFrameworkElement.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupFrameworkContentElement)

CZMRMarkupDependencyProperty* CZMRMarkupFrameworkContentElement::m_pTagProperty = nullptr;

void AFXAPI CZMRMarkupFrameworkContentElement::RegisterMarkupProperties()
{
    CZMRMarkupType::EnsureRegistered(CZMRMarkupFrameworkElement::GetMarkupType());
    m_pTagProperty =
        CZMRMarkupFrameworkElement::m_pTagProperty->AddOwner(CZMRMarkupFrameworkContentElement::GetMarkupType());
}

void CZMRMarkupFrameworkContentElement::OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty,
                                                          CZMRMarkupObject* pOldValue, CZMRMarkupObject* pNewValue)
{
    CZMRMarkupInputElement::OnPropertyChanged(pProperty, pOldValue, pNewValue);
    UpdateTriggers(pProperty, pNewValue);
    CZMRMarkupFrameworkElement::InvalidateByMetadata(GetFrameworkParent(), pProperty);
}

CZMRMarkupFrameworkElement* CZMRMarkupFrameworkContentElement::GetFrameworkParent() const
{
    for (CZMRMarkupObject* pParent = GetLogicalParent(); pParent; pParent = pParent->GetLogicalParent())
    {
        CZMRMarkupFrameworkElement* pElement = MarkupCast<CZMRMarkupFrameworkElement>(pParent);
        if (pElement)
            return pElement;
    }
    return nullptr;
}
