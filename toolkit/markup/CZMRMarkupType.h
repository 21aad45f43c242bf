// The registered description of one markup class: its tag in markup, its
// class name for messages, how to make an instance, its base type and the
// callback that registers its properties. All types are made from one ordered
// table (CZMRMarkupTypeTable.cpp), so the property indexes never depend on the
// order in which the compiler runs static initialisers.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupStyle;

class CZMRMarkupType : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupType)
public:
    typedef CZMRMarkupObject* (AFXAPI* PFNCREATEOBJECT)();
    typedef CZMRMarkupType* (AFXAPI* PFNGETBASETYPE)();
    typedef void (AFXAPI* PFNREGISTER)();

    // A blank type, used only as the target of a conversion; it is entered
    // nowhere.
    CZMRMarkupType();
    // Enters the type in the tag map (when it has a tag) and at the front of
    // the list of all types.
    CZMRMarkupType(LPCWSTR lpszTag, LPCWSTR lpszClassName, PFNCREATEOBJECT pfnCreate, PFNGETBASETYPE pfnGetBaseType,
                   PFNREGISTER pfnRegister);
    ~CZMRMarkupType() override;

    // From a string: the type registered under that tag, one more reference.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    LPCWSTR GetTag() const { return m_lpszTag; }
    LPCWSTR GetMarkupClassName() const { return m_lpszClassName; }
    CZMRMarkupType* GetNextType() const { return m_pNextType; }
    BOOL IsRegistered() const { return m_bRegistered; }
    CZMRMarkupType* GetBaseType() const;
    // A new instance with one reference for the caller; null for a blank type.
    CZMRMarkupObject* CreateObject() const;
    // The style that applies to every instance as the last value source.
    CZMRMarkupObject* GetDefaultStyle() const { return m_pDefaultStyle; }
    // Takes over the caller's reference of the style and seals it; the
    // previous default style is released.
    void SetDefaultStyle(CZMRMarkupStyle* pStyle);

    static BOOL AFXAPI IsDerivedFrom(const CZMRMarkupType* pType, const CZMRMarkupType* pOther);
    // Registers the base types' properties, then this type's, once.
    static void AFXAPI EnsureRegistered(CZMRMarkupType* pType);
    static CZMRMarkupType* AFXAPI LookupTag(LPCWSTR lpszTag);
    // The front of the list of all types (the last row of the table first).
    static CZMRMarkupType* AFXAPI GetFirstType();
    static void AFXAPI EmptyCallback();

    // Makes every type of the registration table, once per process.
    static void AFXAPI BuildTypeTable();
    // Releases every type and the tag map (at process exit).
    static void AFXAPI ReleaseTypes();

protected:
    LPCWSTR m_lpszTag;
    LPCWSTR m_lpszClassName;
    CZMRMarkupType* m_pNextType;
    BOOL m_bRegistered;
    PFNCREATEOBJECT m_pfnCreate;
    PFNGETBASETYPE m_pfnGetBaseType;
    PFNREGISTER m_pfnRegister;
    CZMRMarkupObject* m_pDefaultStyle;
};

// Registers the properties of every type; runs once per process, when the
// first markup context is made.
void AFXAPI RegisterAllMarkupTypes();
