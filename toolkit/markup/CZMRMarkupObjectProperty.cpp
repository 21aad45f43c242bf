#include "CZMRMarkupObjectProperty.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupObjectProperty)

CZMRMarkupObjectProperty::CZMRMarkupObjectProperty(CZMRMarkupDependencyProperty* pProperty)
    : m_pValue(nullptr), m_pValueUnderConstruction(nullptr), m_pProperty(pProperty)
{
}

CZMRMarkupObjectProperty::~CZMRMarkupObjectProperty()
{
    if (m_pValue)
        m_pValue->Release();
    if (m_pValueUnderConstruction)
        m_pValueUnderConstruction->Release();
}

BOOL CZMRMarkupObjectProperty::HoldsContent() const
{
    return m_pValue != nullptr;
}

void CZMRMarkupObjectProperty::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    CZMRMarkupType* pValueType = m_pProperty ? m_pProperty->GetValueType() : nullptr;
    if (!pContent || !pValueType)
        RefuseContent(pContent);
    if (pContent->IsKindOf(pValueType) || MarkupCast<CZMRMarkupString>(pContent))
    {
        CZMRMarkupObject* pOld = m_pValue;
        m_pValue = pContent;
        if (pOld)
            pOld->Release();
        return;
    }
    if (m_pValue)
    {
        m_pValue->AddContent(pBuilder, pContent);
        return;
    }

    // Kept here while the first item goes in, so that a refusal releases it
    // with this object.
    CZMRMarkupContext* pContext = pBuilder ? pBuilder->GetContext() : nullptr;
    m_pValueUnderConstruction = pContext ? pContext->CreateMarkupObject(pValueType) : pValueType->CreateObject();
    if (!m_pValueUnderConstruction)
        RefuseContent(pContent);
    m_pValueUnderConstruction->AddContent(pBuilder, pContent);
    m_pValue = m_pValueUnderConstruction;
    m_pValueUnderConstruction = nullptr;
}
