// One registered markup attribute: its name, the type of value it takes, the
// type that owns it, its metadata and its slot in every property store. The
// process-wide registry finds properties by name and owner type.
#pragma once
#include "CZMRMarkupObject.h"
#include "CZMRMarkupPropertyMetadata.h"

class CZMRMarkupDependencyProperty : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupDependencyProperty)
public:
    CZMRMarkupDependencyProperty();
    ~CZMRMarkupDependencyProperty() override;

    // Slot 14: routed events answer 1.
    virtual BOOL IsEvent() const;

    // A new property entered in the registry, which holds its reference; the
    // owner class keeps the pointer in a static. The metadata is owned.
    static CZMRMarkupDependencyProperty* AFXAPI Register(LPCWSTR lpszName, CZMRMarkupType* pValueType,
                                                         CZMRMarkupType* pOwnerType,
                                                         CZMRMarkupPropertyMetadata* pMetadata = nullptr);
    // The same, settable as Owner.Name on any element.
    static CZMRMarkupDependencyProperty* AFXAPI RegisterAttached(LPCWSTR lpszName, CZMRMarkupType* pValueType,
                                                                 CZMRMarkupType* pOwnerType,
                                                                 CZMRMarkupPropertyMetadata* pMetadata = nullptr);
    // Enters this property under another owner type as well; one more reference.
    CZMRMarkupDependencyProperty* AddOwner(CZMRMarkupType* pOwnerType);
    // Looks the name up on the type, then on its base types; null when none has it.
    static CZMRMarkupDependencyProperty* AFXAPI FindProperty(CZMRMarkupType* pType, LPCWSTR lpszName);

    LPCWSTR GetName() const { return m_lpszName; }
    CZMRMarkupType* GetValueType() const { return m_pValueType; }
    CZMRMarkupType* GetOwnerType() const { return m_pOwnerType; }
    CZMRMarkupPropertyMetadata* GetMetadata() const { return m_pMetadata; }
    BOOL IsAttached() const { return m_bAttached; }
    int GetIndex() const { return m_nIndex; }

    // Properties with a store index registered so far.
    static int AFXAPI GetPropertyCount();
    // Releases every registry entry (at process exit).
    static void AFXAPI ReleaseRegistry();

protected:
    // Fills the fields, gives a property (not an event) the next store index
    // and enters it under (name, owner type).
    void RegisterCore(LPCWSTR lpszName, CZMRMarkupType* pValueType, CZMRMarkupType* pOwnerType);

    LPCWSTR m_lpszName;                    // a static literal
    CZMRMarkupType* m_pValueType;
    CZMRMarkupType* m_pOwnerType;
    CZMRMarkupPropertyMetadata* m_pMetadata;
    BOOL m_bAttached;
    int m_nIndex;
};
