#include "CZMRMarkupPropertyMetadata.h"

CZMRMarkupPropertyMetadata::CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, DWORD dwFlags)
    : CZMRMarkupPropertyMetadata(pDefaultValue, nullptr, nullptr, dwFlags)
{
}

CZMRMarkupPropertyMetadata::CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, PFNCONVERTER pfnConverter,
                                                       DWORD dwFlags)
    : CZMRMarkupPropertyMetadata(pDefaultValue, pfnConverter, nullptr, dwFlags)
{
}

CZMRMarkupPropertyMetadata::CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue,
                                                       PFNPROPERTYCHANGED pfnChanged, DWORD dwFlags)
    : CZMRMarkupPropertyMetadata(pDefaultValue, nullptr, pfnChanged, dwFlags)
{
}

CZMRMarkupPropertyMetadata::CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, PFNCONVERTER pfnConverter,
                                                       PFNPROPERTYCHANGED pfnChanged, DWORD dwFlags)
    : m_pDefaultValue(pDefaultValue), m_pfnConverter(pfnConverter), m_dwFlags(dwFlags), m_pfnChanged(pfnChanged)
{
}

CZMRMarkupPropertyMetadata::~CZMRMarkupPropertyMetadata()
{
    if (m_pDefaultValue)
        m_pDefaultValue->Release();
}
