#include "CZMRMarkupStyle.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupProperties.h"
#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupTriggerCollection.h"
#include "CZMRMarkupType.h"

namespace
{
const WCHAR g_szIncompleteSetter[] = L"Must specify both Property and Value for Setter.";
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupStyle)

CZMRMarkupDependencyProperty* CZMRMarkupStyle::m_pResourcesProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupStyle::m_pTargetTypeProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupStyle::m_pBasedOnProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupStyle::m_pTriggersProperty = nullptr;

void AFXAPI CZMRMarkupStyle::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupStyle::GetMarkupType();
    m_pResourcesProperty = CZMRMarkupDependencyProperty::Register(
        L"Resources", CZMRMarkupResourceDictionary::GetMarkupType(), pOwner);
    m_pTargetTypeProperty =
        CZMRMarkupDependencyProperty::Register(L"TargetType", CZMRMarkupType::GetMarkupType(), pOwner);
    m_pBasedOnProperty = CZMRMarkupDependencyProperty::Register(L"BasedOn", pOwner, pOwner);
    m_pTriggersProperty = CZMRMarkupDependencyProperty::Register(
        L"Triggers", CZMRMarkupTriggerCollection::GetMarkupType(), pOwner);
}

CZMRMarkupStyle::CZMRMarkupStyle() : m_pSetters(new CZMRMarkupSetterColection()), m_bSealed(FALSE), m_pValues(nullptr)
{
    m_pSetters->SetLogicalParent(this);
}

CZMRMarkupStyle::~CZMRMarkupStyle()
{
    m_pSetters->Release();
    if (m_pValues)
        m_pValues->Release();
}

CZMRMarkupType* CZMRMarkupStyle::GetTargetType() const
{
    return MarkupCast<CZMRMarkupType>(GetValue(m_pTargetTypeProperty));
}

CZMRMarkupStyle* CZMRMarkupStyle::GetBasedOn() const
{
    return MarkupCast<CZMRMarkupStyle>(GetValue(m_pBasedOnProperty));
}

CZMRMarkupTriggerCollection* CZMRMarkupStyle::GetTriggers() const
{
    return MarkupCast<CZMRMarkupTriggerCollection>(GetValue(m_pTriggersProperty));
}

CZMRMarkupResourceDictionary* CZMRMarkupStyle::GetResources() const
{
    return MarkupCast<CZMRMarkupResourceDictionary>(GetValue(m_pResourcesProperty));
}

void CZMRMarkupStyle::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    if (!MarkupCast<CZMRMarkupSetter>(pContent))
        RefuseContent(pContent);
    ResolveSetter(pBuilder, pContent);
    m_pSetters->Add(pContent);
}

void CZMRMarkupStyle::AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                                          CZMRMarkupObject* pValue)
{
    CZMRMarkupTriggerCollection* pTriggers = MarkupCast<CZMRMarkupTriggerCollection>(pValue);
    if (pProperty == m_pTriggersProperty && pTriggers)
    {
        for (int i = 0; i < pTriggers->GetCount(); i++)
            ResolveTrigger(pBuilder, pTriggers->GetTrigger(i));
    }
    CZMRMarkupObject::AssignPropertyValue(pBuilder, pProperty, pValue);
}

void CZMRMarkupStyle::ResolveTrigger(CZMRMarkupBuilder* pBuilder, CZMRMarkupTrigger* pTrigger)
{
    ResolveSetter(pBuilder, pTrigger);
    CZMRMarkupSetterColection* pSetters = pTrigger->GetSetters();
    if (!pSetters)
        return;
    for (int i = 0; i < pSetters->GetCount(); i++)
        ResolveSetter(pBuilder, pSetters->GetItem(i));
}

void CZMRMarkupStyle::ResolveSetter(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pSetter)
{
    // The trigger shares the setter's two properties.
    CZMRMarkupObject* pName = pSetter->GetValue(CZMRMarkupSetter::m_pPropertyProperty);
    if (!pName)
        RaiseMarkupError(g_szIncompleteSetter);
    CZMRMarkupDependencyProperty* pProperty = MarkupCast<CZMRMarkupDependencyProperty>(pName);
    if (!pProperty)
    {
        CZMRMarkupString* pText = MarkupCast<CZMRMarkupString>(pName);
        if (!pText)
            RaiseMarkupError(g_szIncompleteSetter);
        pProperty = pBuilder->FindAttributeProperty(GetTargetType(), pText->GetText());
        if (!pProperty)
            RaiseMarkupError(FormatMarkupMessage(L"Cannot find the Style Property '%ls'", pText->GetText()));
        pProperty->AddRef();
        pSetter->SetValue(CZMRMarkupSetter::m_pPropertyProperty, pProperty);
    }

    CZMRMarkupObject* pValue = pSetter->GetValue(CZMRMarkupSetter::m_pValueProperty);
    if (!pValue)
        RaiseMarkupError(g_szIncompleteSetter);
    if (!pValue->IsKindOf(pProperty->GetValueType()))
        pSetter->SetValue(CZMRMarkupSetter::m_pValueProperty, pBuilder->ConvertValue(pProperty, pValue));
}

void CZMRMarkupStyle::Seal()
{
    if (m_bSealed)
        return;
    // Marked first, so that a style based on itself ends the walk.
    m_bSealed = TRUE;
    if (!m_pValues)
        m_pValues = new CZMRMarkupProperties(nullptr);
    SetLogicalParent(nullptr);

    CZMRMarkupStyle* pBasedOn = GetBasedOn();
    if (pBasedOn && pBasedOn != this)
    {
        pBasedOn->Seal();
        m_pValues->CopyFrom(pBasedOn->m_pValues);
    }
    for (int i = 0; i < m_pSetters->GetCount(); i++)
    {
        CZMRMarkupObject* pSetter = m_pSetters->GetItem(i);
        CZMRMarkupDependencyProperty* pProperty = CZMRMarkupSetter::GetPropertyOf(pSetter);
        CZMRMarkupObject* pValue = CZMRMarkupSetter::GetValueOf(pSetter);
        if (!pProperty || pProperty->GetIndex() < 0)
            continue;
        if (pValue)
            pValue->AddRef();
        m_pValues->SetLocal(pProperty, pValue);
    }
}

CZMRMarkupObject* CZMRMarkupStyle::GetSetterValue(CZMRMarkupDependencyProperty* pProperty) const
{
    return m_bSealed && m_pValues ? m_pValues->GetLocal(pProperty) : nullptr;
}
