// CRuntimeClass: the run-time record of a class derived from CObject (name,
// size, schema, creation function, base class) and the macros that declare
// and define it. Serial classes are also linked into a module-wide list at
// start-up, where FromName finds them.
#pragma once

#include "core/CoreDefs.h"

class CObject;
class CArchive;

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                         // 0xFFFF for classes that are not serial
    CObject* (PASCAL* m_pfnCreateObject)(); // null for classes that cannot be created
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;            // link in the module's list of classes

    // A new object of this class, or null when it cannot be created or memory is short.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Lookup in the module's list by exact class name; null when absent.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);

    // Class reference in an archive: schema (16 bits), name length (16 bits), name.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Links a class record into the module's list (run by a static initialiser).
void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) { AfxClassInit(pNewClass); }
};
// The first class of the module's list (the one registered last); walk with m_pNextClass.
CRuntimeClass* AFXAPI AfxGetFirstRuntimeClass();

// High bit of the schema: the class reads older schemas itself (GetObjectSchema).
#define VERSIONABLE_SCHEMA (0x80000000)

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    static CRuntimeClass* PASCAL GetThisClass() { return &class##class_name; } \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, \
        RUNTIME_CLASS(base_class_name), nullptr }; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

// Creation uses the non-throwing allocator: null when memory is short.
#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() { return new (std::nothrow) class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* PASCAL class_name::CreateObject() { return new (std::nothrow) class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name)); \
    CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb) \
    { pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name))); return ar; }

// Checked casts between classes with run-time records.
CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
