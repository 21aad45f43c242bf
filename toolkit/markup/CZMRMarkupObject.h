// The base of everything markup describes: elements, brushes, styles and every
// property value down to a single number. Reference counted with interlocked
// operations; keeps its local property values in a store and finds the others
// through inheritance and defaults.
#pragma once
#include "Framework.h"

class CZMRMarkupType;
class CZMRMarkupDependencyProperty;
class CZMRMarkupProperties;
class CZMRMarkupBuilder;
class CZMRMarkupContext;

// In every class that has a row in the type registration table: its type
// object, the create callback of its row and its slot 0.
#define DECLARE_MARKUPCLASS(theClass)                           \
public:                                                         \
    static CZMRMarkupType* AFXAPI GetMarkupType();              \
    static CZMRMarkupObject* AFXAPI CreateMarkupObject();       \
    CZMRMarkupType* GetType() const override;                   \
    static CZMRMarkupType* m_pMarkupType;

#define IMPLEMENT_MARKUPCLASS(theClass)                                 \
    CZMRMarkupType* theClass::m_pMarkupType = nullptr;                  \
    CZMRMarkupType* AFXAPI theClass::GetMarkupType()                    \
    {                                                                   \
        if (!m_pMarkupType)                                             \
            CZMRMarkupType::BuildTypeTable();                           \
        return m_pMarkupType;                                           \
    }                                                                   \
    CZMRMarkupObject* AFXAPI theClass::CreateMarkupObject()             \
    {                                                                   \
        return new theClass();                                          \
    }                                                                   \
    CZMRMarkupType* theClass::GetType() const                           \
    {                                                                   \
        return GetMarkupType();                                         \
    }

class CZMRMarkupObject
{
public:
    CZMRMarkupObject();

    static CZMRMarkupType* AFXAPI GetMarkupType();
    static CZMRMarkupObject* AFXAPI CreateMarkupObject();
    static CZMRMarkupType* m_pMarkupType;
    static void AFXAPI RegisterMarkupProperties();

    static CZMRMarkupDependencyProperty* m_pNameProperty;   // "x:Name"
    static CZMRMarkupDependencyProperty* m_pKeyProperty;    // "x:Key"

    // Slots 0 to 13, in this order.
    virtual CZMRMarkupType* GetType() const;
    virtual ~CZMRMarkupObject();
    // The local value: null when unset.
    virtual CZMRMarkupObject* GetValueCore(CZMRMarkupDependencyProperty* pProperty) const;
    virtual UINT_PTR GetHashKey() const;
    virtual BOOL IsEqual(const CZMRMarkupObject* pObject) const;
    virtual int GetLogicalChildrenCount() const;
    virtual CZMRMarkupObject* GetLogicalChild(int nIndex) const;
    // Takes over the content's reference when it succeeds; when it raises the
    // builder's exception the reference stays with the caller.
    virtual void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent);
    // The same rule for the value's reference.
    virtual void AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                                     CZMRMarkupObject* pValue);
    // A new object of this object's type made from the source, or null.
    virtual CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource);
    virtual BOOL HoldsContent() const;
    virtual BOOL KeepsWhitespaceContent() const;
    virtual void OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                                   CZMRMarkupObject* pNewValue);
    virtual void OnFinalRelease();

    long AddRef();
    long Release();
    long GetRefCount() const { return m_nRefCount; }

    CZMRMarkupObject* GetLogicalParent() const { return m_pLogicalParent; }
    void SetLogicalParent(CZMRMarkupObject* pParent) { m_pLogicalParent = pParent; }

    LPCWSTR GetTagName() const { return m_lpszTagName; }
    void SetTagName(LPCWSTR lpszTagName);

    BOOL IsKindOf(const CZMRMarkupType* pType) const;

    // The effective value, borrowed.
    CZMRMarkupObject* GetValue(CZMRMarkupDependencyProperty* pProperty) const;
    // Sets (the value's reference passes to this object) or clears (null) the
    // local value; 0 when nothing was done.
    BOOL SetValue(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue);
    // The object whose local value is the effective one, or null.
    CZMRMarkupObject* FindValueOwner(CZMRMarkupDependencyProperty* pProperty) const;
    void NotifyInheritedChange(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                               CZMRMarkupObject* pNewValue);
    // The resource of the key seen from this object (borrowed), or null.
    CZMRMarkupObject* FindResource(CZMRMarkupObject* pKey);

    // Objects alive in the process (made and not yet destroyed), for leak checks.
    static long AFXAPI GetLiveObjectCount();

protected:
    // Raises the default refusal of content.
    void RefuseContent(CZMRMarkupObject* pContent);

    CZMRMarkupObject* m_pLogicalParent;
    CZMRMarkupProperties* m_pProperties;
    LPWSTR m_lpszTagName;
    volatile long m_nRefCount;

private:
    CZMRMarkupObject(const CZMRMarkupObject&) = delete;
    CZMRMarkupObject& operator=(const CZMRMarkupObject&) = delete;
};

// The object when it is not null and of the type's kind, else null.
CZMRMarkupObject* AFXAPI MarkupCast(const CZMRMarkupType* pType, CZMRMarkupObject* pObject);

template <class T>
inline T* MarkupCast(CZMRMarkupObject* pObject)
{
    return static_cast<T*>(MarkupCast(T::GetMarkupType(), pObject));
}

// A process-wide shared value with one more reference for the caller. After
// the exit-time release has cleared it, a new object of the same value stands
// in, so late callers still get a value of their own.
template <class T, class... Args>
inline T* AddSharedRef(T* pShared, Args... args)
{
    if (!pShared)
        return new T(args...);
    pShared->AddRef();
    return pShared;
}
