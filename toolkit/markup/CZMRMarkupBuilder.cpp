#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupType.h"

CZMRMarkupBuilder::CZMRMarkupBuilder(CZMRMarkupContext* pContext)
    : m_pContext(pContext), m_pSystemColorCache(nullptr)
{
}

CZMRMarkupBuilder::~CZMRMarkupBuilder()
{
    if (m_pSystemColorCache)
    {
        for (int i = 0; i < systemKindCount * systemColorCount; i++)
        {
            if (m_pSystemColorCache[i])
                m_pSystemColorCache[i]->Release();
        }
        delete[] m_pSystemColorCache;
    }
}

CZMRMarkupObject* CZMRMarkupBuilder::ConvertValue(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue)
{
    CZMRMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
    if (pMetadata && pMetadata->GetConverter())
    {
        CZMRMarkupObject* pConverted = pMetadata->GetConverter()(m_pContext, pValue);
        if (pConverted)
            return pConverted;
    }

    CZMRMarkupType* pValueType = pProperty->GetValueType();
    CZMRMarkupObject* pBlank = pValueType ? pValueType->CreateObject() : nullptr;
    if (pBlank)
    {
        CZMRMarkupObject* pConverted = pBlank->ConvertFrom(pValue);
        pBlank->Release();
        if (pConverted)
            return pConverted;
    }
    RaiseMarkupError(FormatMarkupMessage2(L"Cannot convert string in attribute '%ls' to object of type '%ls'",
                                          pProperty->GetName(),
                                          pValueType ? pValueType->GetMarkupClassName() : L""));
}
