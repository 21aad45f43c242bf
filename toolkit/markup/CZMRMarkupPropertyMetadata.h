// What a dependency property knows beyond its name and types: the default
// value, the converter of attribute text, the flags that say whether the value
// inherits and what a change invalidates, and the change callback.
#pragma once
#include "CZMRMarkupObject.h"

// One change of an effective value, handed to the changed callback.
struct CZMRMarkupPropertyChange
{
    CZMRMarkupDependencyProperty* pProperty;
    CZMRMarkupObject* pOldValue;
    CZMRMarkupObject* pNewValue;
};

class CZMRMarkupPropertyMetadata
{
public:
    enum
    {
        flagInherits = 0x01,          // ancestors are asked before the default
        flagAffectsArrange = 0x02,
        flagAffectsMeasure = 0x04,
        flagAffectsRender = 0x20
    };

    // Returns a new object (one reference for the caller) or null.
    typedef CZMRMarkupObject* (AFXAPI* PFNCONVERTER)(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue);
    typedef void (AFXAPI* PFNPROPERTYCHANGED)(CZMRMarkupObject* pObject, CZMRMarkupPropertyChange& change);

    // Each takes over the default value's reference.
    CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, DWORD dwFlags);
    CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, PFNCONVERTER pfnConverter, DWORD dwFlags);
    CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, PFNPROPERTYCHANGED pfnChanged, DWORD dwFlags);
    CZMRMarkupPropertyMetadata(CZMRMarkupObject* pDefaultValue, PFNCONVERTER pfnConverter,
                               PFNPROPERTYCHANGED pfnChanged, DWORD dwFlags);
    virtual ~CZMRMarkupPropertyMetadata();

    CZMRMarkupObject* GetDefaultValue() const { return m_pDefaultValue; }
    PFNCONVERTER GetConverter() const { return m_pfnConverter; }
    DWORD GetFlags() const { return m_dwFlags; }
    BOOL Inherits() const { return (m_dwFlags & flagInherits) != 0; }
    PFNPROPERTYCHANGED GetChangedCallback() const { return m_pfnChanged; }

private:
    CZMRMarkupPropertyMetadata(const CZMRMarkupPropertyMetadata&) = delete;
    CZMRMarkupPropertyMetadata& operator=(const CZMRMarkupPropertyMetadata&) = delete;

    CZMRMarkupObject* m_pDefaultValue;
    PFNCONVERTER m_pfnConverter;
    DWORD m_dwFlags;
    PFNPROPERTYCHANGED m_pfnChanged;
};
