// Named objects that markup reaches through StaticResource and implicit
// styles: a hash map from key object to value object. Keys hash with their
// GetHashKey and compare with IsEqual, so text keys match case-sensitively
// and type and system-colour keys by identity.
#pragma once
#include "CZMRMarkupObject.h"

// A key of the dictionary's map; the dictionary holds its reference.
struct CZMRMarkupResourceKey
{
    CZMRMarkupObject* pKey;

    bool operator==(const CZMRMarkupResourceKey& other) const
    {
        return pKey == other.pKey || (pKey && pKey->IsEqual(other.pKey));
    }
};

inline UINT AFXAPI HashKey(const CZMRMarkupResourceKey& key)
{
    return key.pKey ? static_cast<UINT>(key.pKey->GetHashKey()) : 0;
}

class CZMRMarkupResourceDictionary : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupResourceDictionary)
public:
    CZMRMarkupResourceDictionary();
    ~CZMRMarkupResourceDictionary() override;

    // Stores the content under its key (its x:Key, or a style's target type).
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;

    // Borrowed; null when the key is not there.
    CZMRMarkupObject* Lookup(CZMRMarkupObject* pKey) const;
    // The dictionary takes one reference of the key and the caller's
    // reference of the value; a value stored before under the key is released.
    void SetAt(CZMRMarkupObject* pKey, CZMRMarkupObject* pValue);
    int GetCount() const { return static_cast<int>(m_map.GetCount()); }

protected:
    CMap<CZMRMarkupResourceKey, const CZMRMarkupResourceKey&, CZMRMarkupObject*, CZMRMarkupObject*> m_map;
};

// The key a value is stored under: its x:Key, else a style's target type;
// null when it has neither.
CZMRMarkupObject* AFXAPI GetResourceKey(CZMRMarkupObject* pValue);

// The value of the key in the resources seen from pStart (a dictionary, or
// an object whose own, style's and ancestors' Resources are searched in
// turn); borrowed, null when none has it.
CZMRMarkupObject* AFXAPI FindResource(CZMRMarkupObject* pStart, CZMRMarkupObject* pKey);
