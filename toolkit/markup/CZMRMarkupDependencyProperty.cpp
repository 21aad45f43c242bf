#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupType.h"

#include <cstdlib>
#include <cwchar>

// The key of the property registry: a name and an owner type. Names compare
// case-sensitively, owners by identity.
struct CZMRMarkupFromNameKey
{
    LPCWSTR lpszName;
    const CZMRMarkupType* pOwnerType;

    bool operator==(const CZMRMarkupFromNameKey& other) const
    {
        return pOwnerType == other.pOwnerType && wcscmp(lpszName, other.lpszName) == 0;
    }
};

inline UINT AFXAPI HashKey(const CZMRMarkupFromNameKey& key)
{
    return HashKey(key.lpszName) ^ static_cast<UINT>(reinterpret_cast<UINT_PTR>(key.pOwnerType) >> 4);
}

namespace
{
// Holds one reference per entry.
class CZMRMarkupPropertyFromNameMap
    : public CMap<CZMRMarkupFromNameKey, const CZMRMarkupFromNameKey&, CZMRMarkupDependencyProperty*,
                  CZMRMarkupDependencyProperty*>
{
public:
    CZMRMarkupPropertyFromNameMap() { InitHashTable(257); }
};

CZMRMarkupPropertyFromNameMap* g_pPropertyMap = nullptr;
int g_nPropertyCount = 0;
bool g_bExitHandlerSet = false;

void __cdecl ReleaseRegistryAtExit()
{
    CZMRMarkupDependencyProperty::ReleaseRegistry();
}

CZMRMarkupPropertyFromNameMap* GetPropertyFromNameMap()
{
    if (!g_pPropertyMap)
    {
        g_pPropertyMap = new CZMRMarkupPropertyFromNameMap();
        if (!g_bExitHandlerSet)
        {
            g_bExitHandlerSet = true;
            atexit(ReleaseRegistryAtExit);
        }
    }
    return g_pPropertyMap;
}

// Enters the property under the key; the map takes over one reference. An
// entry it replaces gives its reference back.
void EnterProperty(LPCWSTR lpszName, CZMRMarkupType* pOwnerType, CZMRMarkupDependencyProperty* pProperty)
{
    CZMRMarkupFromNameKey key = {lpszName, pOwnerType};
    CZMRMarkupDependencyProperty*& pEntry = (*GetPropertyFromNameMap())[key];
    CZMRMarkupDependencyProperty* pReplaced = pEntry;
    pEntry = pProperty;
    if (pReplaced)
        pReplaced->Release();
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupDependencyProperty)

CZMRMarkupDependencyProperty::CZMRMarkupDependencyProperty()
    : m_lpszName(nullptr), m_pValueType(nullptr), m_pOwnerType(nullptr), m_pMetadata(nullptr), m_bAttached(FALSE),
      m_nIndex(-1)
{
}

CZMRMarkupDependencyProperty::~CZMRMarkupDependencyProperty()
{
    delete m_pMetadata;
}

BOOL CZMRMarkupDependencyProperty::IsEvent() const
{
    return FALSE;
}

void CZMRMarkupDependencyProperty::RegisterCore(LPCWSTR lpszName, CZMRMarkupType* pValueType,
                                                CZMRMarkupType* pOwnerType)
{
    m_lpszName = lpszName;
    m_pValueType = pValueType;
    m_pOwnerType = pOwnerType;
    if (!IsEvent())
        m_nIndex = g_nPropertyCount++;
    EnterProperty(lpszName, pOwnerType, this);
}

CZMRMarkupDependencyProperty* AFXAPI CZMRMarkupDependencyProperty::Register(LPCWSTR lpszName,
                                                                            CZMRMarkupType* pValueType,
                                                                            CZMRMarkupType* pOwnerType,
                                                                            CZMRMarkupPropertyMetadata* pMetadata)
{
    CZMRMarkupDependencyProperty* pProperty = new CZMRMarkupDependencyProperty();
    pProperty->RegisterCore(lpszName, pValueType, pOwnerType);
    pProperty->m_pMetadata = pMetadata;
    return pProperty;
}

CZMRMarkupDependencyProperty* AFXAPI CZMRMarkupDependencyProperty::RegisterAttached(
    LPCWSTR lpszName, CZMRMarkupType* pValueType, CZMRMarkupType* pOwnerType, CZMRMarkupPropertyMetadata* pMetadata)
{
    CZMRMarkupDependencyProperty* pProperty = new CZMRMarkupDependencyProperty();
    pProperty->m_bAttached = TRUE;
    pProperty->RegisterCore(lpszName, pValueType, pOwnerType);
    pProperty->m_pMetadata = pMetadata;
    return pProperty;
}

CZMRMarkupDependencyProperty* CZMRMarkupDependencyProperty::AddOwner(CZMRMarkupType* pOwnerType)
{
    AddRef();
    EnterProperty(m_lpszName, pOwnerType, this);
    return this;
}

CZMRMarkupDependencyProperty* AFXAPI CZMRMarkupDependencyProperty::FindProperty(CZMRMarkupType* pType,
                                                                                LPCWSTR lpszName)
{
    if (!pType || !lpszName || !g_pPropertyMap)
        return nullptr;
    for (; pType; pType = pType->GetBaseType())
    {
        CZMRMarkupFromNameKey key = {lpszName, pType};
        CZMRMarkupDependencyProperty* pProperty = nullptr;
        if (g_pPropertyMap->Lookup(key, pProperty))
            return pProperty;
    }
    return nullptr;
}

int AFXAPI CZMRMarkupDependencyProperty::GetPropertyCount()
{
    return g_nPropertyCount;
}

void AFXAPI CZMRMarkupDependencyProperty::ReleaseRegistry()
{
    CZMRMarkupPropertyFromNameMap* pMap = g_pPropertyMap;
    if (!pMap)
        return;
    g_pPropertyMap = nullptr;
    POSITION pos = pMap->GetStartPosition();
    while (pos)
    {
        CZMRMarkupFromNameKey key;
        CZMRMarkupDependencyProperty* pProperty = nullptr;
        pMap->GetNextAssoc(pos, key, pProperty);
        if (pProperty)
            pProperty->Release();
    }
    delete pMap;
}
