#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupType.h"

#include <unordered_map>

IMPLEMENT_MARKUPCLASS(CZMRMarkupResourceDictionary)

namespace
{
// How many keys of each hash the live dictionaries hold. A dictionary finds
// a key only under its hash, so a key whose hash none holds is found nowhere
// and a search needs no walk up the tree: an element's implicit style, asked
// for by every element built, is found in no dictionary at all in most trees.
class CHeldKeys
{
public:
    CHeldKeys() { ::InitializeCriticalSection(&m_cs); }
    void Add(UINT nHash, int nCount)
    {
        ::EnterCriticalSection(&m_cs);
        auto it = m_counts.emplace(nHash, 0).first;
        it->second += nCount;
        if (it->second <= 0)
            m_counts.erase(it);
        ::LeaveCriticalSection(&m_cs);
    }
    bool IsHeld(UINT nHash)
    {
        ::EnterCriticalSection(&m_cs);
        const bool bHeld = m_counts.count(nHash) != 0;
        ::LeaveCriticalSection(&m_cs);
        return bHeld;
    }

private:
    CRITICAL_SECTION m_cs;
    std::unordered_map<UINT, int> m_counts;
};

// Never destroyed: dictionaries released at exit still count themselves out.
CHeldKeys& HeldKeys()
{
    static CHeldKeys* pKeys = new CHeldKeys;
    return *pKeys;
}
} // namespace

CZMRMarkupResourceDictionary::CZMRMarkupResourceDictionary() : m_map(10)
{
    m_map.InitHashTable(17);
}

CZMRMarkupResourceDictionary::~CZMRMarkupResourceDictionary()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos)
    {
        CZMRMarkupResourceKey key;
        CZMRMarkupObject* pValue = nullptr;
        m_map.GetNextAssoc(pos, key, pValue);
        HeldKeys().Add(HashKey(key), -1);
        key.pKey->Release();
        if (pValue)
            pValue->Release();
    }
    m_map.RemoveAll();
}

void CZMRMarkupResourceDictionary::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    CZMRMarkupObject* pKey = GetResourceKey(pContent);
    if (!pKey)
        RaiseMarkupError(L"Objects added to Dictionary must have Key attribute or some other type of associated Key");
    if (Lookup(pKey))
        RaiseMarkupError(L"Dictionary key is already used. Key attributes must be unique.");
    SetAt(pKey, pContent);
}

CZMRMarkupObject* CZMRMarkupResourceDictionary::Lookup(CZMRMarkupObject* pKey) const
{
    CZMRMarkupObject* pValue = nullptr;
    if (!pKey || !m_map.Lookup(CZMRMarkupResourceKey{pKey}, pValue))
        return nullptr;
    return pValue;
}

void CZMRMarkupResourceDictionary::SetAt(CZMRMarkupObject* pKey, CZMRMarkupObject* pValue)
{
    if (!pKey)
        return;
    CZMRMarkupResourceKey key = {pKey};
    auto* pPair = m_map.PLookup(key);
    if (pPair)
    {
        // The stored key object stays; only the value changes.
        CZMRMarkupObject* pOld = pPair->value;
        pPair->value = pValue;
        if (pOld)
            pOld->Release();
        return;
    }
    pKey->AddRef();
    m_map.SetAt(key, pValue);
    HeldKeys().Add(HashKey(key), 1);
}

CZMRMarkupObject* AFXAPI GetResourceKey(CZMRMarkupObject* pValue)
{
    if (!pValue)
        return nullptr;
    CZMRMarkupObject* pKey = pValue->GetValue(CZMRMarkupObject::m_pKeyProperty);
    if (pKey)
        return pKey;
    CZMRMarkupStyle* pStyle = MarkupCast<CZMRMarkupStyle>(pValue);
    return pStyle ? pStyle->GetTargetType() : nullptr;
}

CZMRMarkupObject* AFXAPI FindResource(CZMRMarkupObject* pStart, CZMRMarkupObject* pKey)
{
    if (!pStart || !pKey || !HeldKeys().IsHeld(HashKey(CZMRMarkupResourceKey{pKey})))
        return nullptr;
    CZMRMarkupResourceDictionary* pDictionary = MarkupCast<CZMRMarkupResourceDictionary>(pStart);
    if (pDictionary)
        return pDictionary->Lookup(pKey);

    for (CZMRMarkupObject* pObject = pStart; pObject; pObject = pObject->GetLogicalParent())
    {
        pDictionary = MarkupCast<CZMRMarkupResourceDictionary>(pObject->GetValue(CZMRMarkupStyle::m_pResourcesProperty));
        CZMRMarkupObject* pValue = pDictionary ? pDictionary->Lookup(pKey) : nullptr;
        if (pValue)
            return pValue;
        if (MarkupCast<CZMRMarkupStyle>(pObject))
            break;
        CZMRMarkupInputElement* pElement = MarkupCast<CZMRMarkupInputElement>(pObject);
        if (pElement && pElement->GetStyle())
        {
            pValue = FindResource(pElement->GetStyle(), pKey);
            if (pValue)
                return pValue;
        }
    }
    return nullptr;
}

CZMRMarkupObject* CZMRMarkupObject::FindResource(CZMRMarkupObject* pKey)
{
    return ::FindResource(this, pKey);
}
