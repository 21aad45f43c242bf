#include "CZMRMarkupType.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupStyle.h"

namespace
{
// Every type with a tag, and the list of all types, the last made first.
struct CMarkupTypeMap
{
    CMapStringToPtr mapTags;
    CZMRMarkupType* pFirstType = nullptr;
};

CMarkupTypeMap* g_pTypeMap = nullptr;

CMarkupTypeMap* GetMarkupTypeMap()
{
    if (!g_pTypeMap)
        g_pTypeMap = new CMarkupTypeMap();
    return g_pTypeMap;
}

bool g_bAllTypesRegistered = false;
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupType)

CZMRMarkupType::CZMRMarkupType()
    : m_lpszTag(nullptr), m_lpszClassName(nullptr), m_pNextType(nullptr), m_bRegistered(FALSE), m_pfnCreate(nullptr),
      m_pfnGetBaseType(nullptr), m_pfnRegister(nullptr), m_pDefaultStyle(nullptr)
{
}

CZMRMarkupType::CZMRMarkupType(LPCWSTR lpszTag, LPCWSTR lpszClassName, PFNCREATEOBJECT pfnCreate,
                               PFNGETBASETYPE pfnGetBaseType, PFNREGISTER pfnRegister)
    : m_lpszTag(lpszTag), m_lpszClassName(lpszClassName), m_pNextType(nullptr), m_bRegistered(FALSE),
      m_pfnCreate(pfnCreate), m_pfnGetBaseType(pfnGetBaseType), m_pfnRegister(pfnRegister), m_pDefaultStyle(nullptr)
{
    CMarkupTypeMap* pMap = GetMarkupTypeMap();
    if (lpszTag && *lpszTag)
        pMap->mapTags.SetAt(lpszTag, this);
    m_pNextType = pMap->pFirstType;
    pMap->pFirstType = this;
}

CZMRMarkupType::~CZMRMarkupType()
{
    if (m_pDefaultStyle)
        m_pDefaultStyle->Release();
}

CZMRMarkupObject* CZMRMarkupType::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString)
        return nullptr;
    CZMRMarkupType* pType = LookupTag(pString->GetText());
    if (pType)
        pType->AddRef();
    return pType;
}

void CZMRMarkupType::SetDefaultStyle(CZMRMarkupStyle* pStyle)
{
    CZMRMarkupObject* pOld = m_pDefaultStyle;
    m_pDefaultStyle = pStyle;
    if (pStyle)
        pStyle->Seal();
    if (pOld)
        pOld->Release();
}

CZMRMarkupType* CZMRMarkupType::GetBaseType() const
{
    return m_pfnGetBaseType ? m_pfnGetBaseType() : nullptr;
}

CZMRMarkupObject* CZMRMarkupType::CreateObject() const
{
    return m_pfnCreate ? m_pfnCreate() : nullptr;
}

BOOL AFXAPI CZMRMarkupType::IsDerivedFrom(const CZMRMarkupType* pType, const CZMRMarkupType* pOther)
{
    for (; pType; pType = pType->GetBaseType())
    {
        if (pType == pOther)
            return TRUE;
    }
    return FALSE;
}

void AFXAPI CZMRMarkupType::EnsureRegistered(CZMRMarkupType* pType)
{
    if (!pType || pType->m_bRegistered)
        return;
    CZMRMarkupType* pBaseType = pType->GetBaseType();
    if (pBaseType && !pBaseType->m_bRegistered)
        EnsureRegistered(pBaseType);
    pType->m_bRegistered = TRUE;
    if (pType->m_pfnRegister)
        pType->m_pfnRegister();
}

CZMRMarkupType* AFXAPI CZMRMarkupType::LookupTag(LPCWSTR lpszTag)
{
    BuildTypeTable();
    void* pType = nullptr;
    if (!lpszTag || !g_pTypeMap || !g_pTypeMap->mapTags.Lookup(lpszTag, pType))
        return nullptr;
    return static_cast<CZMRMarkupType*>(pType);
}

CZMRMarkupType* AFXAPI CZMRMarkupType::GetFirstType()
{
    BuildTypeTable();
    return g_pTypeMap ? g_pTypeMap->pFirstType : nullptr;
}

void AFXAPI CZMRMarkupType::EmptyCallback()
{
}

void AFXAPI CZMRMarkupType::ReleaseTypes()
{
    CMarkupTypeMap* pMap = g_pTypeMap;
    if (!pMap)
        return;
    g_pTypeMap = nullptr;
    CZMRMarkupType* pType = pMap->pFirstType;
    while (pType)
    {
        CZMRMarkupType* pNext = pType->m_pNextType;
        pType->Release();
        pType = pNext;
    }
    delete pMap;
}

void AFXAPI RegisterAllMarkupTypes()
{
    if (g_bAllTypesRegistered)
        return;
    g_bAllTypesRegistered = true;
    for (CZMRMarkupType* pType = CZMRMarkupType::GetFirstType(); pType; pType = pType->GetNextType())
        CZMRMarkupType::EnsureRegistered(pType);
}
