#include "CZMRMarkupObject.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupProperties.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <cwchar>

namespace
{
volatile long g_nLiveObjects = 0;
}

CZMRMarkupType* CZMRMarkupObject::m_pMarkupType = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupObject::m_pNameProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupObject::m_pKeyProperty = nullptr;

CZMRMarkupType* AFXAPI CZMRMarkupObject::GetMarkupType()
{
    CZMRMarkupType::BuildTypeTable();
    return m_pMarkupType;
}

CZMRMarkupObject* AFXAPI CZMRMarkupObject::CreateMarkupObject()
{
    return new CZMRMarkupObject();
}

void AFXAPI CZMRMarkupObject::RegisterMarkupProperties()
{
    m_pNameProperty = CZMRMarkupDependencyProperty::Register(L"x:Name", CZMRMarkupString::GetMarkupType(),
                                                             CZMRMarkupObject::GetMarkupType());
    m_pKeyProperty = CZMRMarkupDependencyProperty::Register(L"x:Key", CZMRMarkupObject::GetMarkupType(),
                                                            CZMRMarkupObject::GetMarkupType());
}

CZMRMarkupObject::CZMRMarkupObject()
    : m_pLogicalParent(nullptr), m_pProperties(nullptr), m_lpszTagName(nullptr), m_nRefCount(1)
{
    ::InterlockedIncrement(&g_nLiveObjects);
}

CZMRMarkupObject::~CZMRMarkupObject()
{
    delete m_pProperties;
    delete[] m_lpszTagName;
    ::InterlockedDecrement(&g_nLiveObjects);
}

long AFXAPI CZMRMarkupObject::GetLiveObjectCount()
{
    return g_nLiveObjects;
}

CZMRMarkupType* CZMRMarkupObject::GetType() const
{
    return GetMarkupType();
}

long CZMRMarkupObject::AddRef()
{
    return ::InterlockedIncrement(&m_nRefCount);
}

long CZMRMarkupObject::Release()
{
    if (m_nRefCount == 0)
        return 0;
    long nCount = ::InterlockedDecrement(&m_nRefCount);
    if (nCount == 0)
        OnFinalRelease();
    return nCount;
}

void CZMRMarkupObject::OnFinalRelease()
{
    delete this;
}

void CZMRMarkupObject::SetTagName(LPCWSTR lpszTagName)
{
    delete[] m_lpszTagName;
    m_lpszTagName = nullptr;
    if (lpszTagName)
    {
        size_t nLength = wcslen(lpszTagName);
        m_lpszTagName = new WCHAR[nLength + 1];
        wmemcpy(m_lpszTagName, lpszTagName, nLength + 1);
    }
}

CZMRMarkupObject* CZMRMarkupObject::GetValueCore(CZMRMarkupDependencyProperty* pProperty) const
{
    return m_pProperties ? m_pProperties->GetLocal(pProperty) : nullptr;
}

UINT_PTR CZMRMarkupObject::GetHashKey() const
{
    return reinterpret_cast<UINT_PTR>(this);
}

BOOL CZMRMarkupObject::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject == this;
}

int CZMRMarkupObject::GetLogicalChildrenCount() const
{
    return 0;
}

CZMRMarkupObject* CZMRMarkupObject::GetLogicalChild(int /*nIndex*/) const
{
    return nullptr;
}

void CZMRMarkupObject::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    RefuseContent(pContent);
}

void CZMRMarkupObject::RefuseContent(CZMRMarkupObject* pContent)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pContent);
    if (pString)
        RaiseMarkupError(FormatMarkupMessage2(L"Cannot convert the string '%ls' into a '%ls' object",
                                              pString->GetText(), GetType()->GetMarkupClassName()));
    RaiseMarkupError(FormatMarkupMessage(L"Cannot add content to an object of type '%ls'",
                                         GetType()->GetMarkupClassName()));
}

void CZMRMarkupObject::AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                                           CZMRMarkupObject* pValue)
{
    // Until this returns, the caller keeps its reference to the value (an
    // error releases it there); the property gets a reference of its own,
    // to the value or to what it was converted into.
    CZMRMarkupObject* pStored = pValue;
    if (pValue && pProperty && pBuilder && !pValue->IsKindOf(pProperty->GetValueType()))
        pStored = pBuilder->ConvertValue(pProperty, pValue);
    else if (pStored)
        pStored->AddRef();
    // A value the property refuses is not kept anywhere, nor one that could
    // not be stored.
    BOOL bSet = FALSE;
    try
    {
        bSet = SetValue(pProperty, pStored);
    }
    catch (...)
    {
        if (pStored && !(m_pProperties && m_pProperties->GetLocal(pProperty) == pStored))
            pStored->Release();
        throw;
    }
    if (!bSet && pStored)
        pStored->Release();
    if (pValue)
        pValue->Release();
}

CZMRMarkupObject* CZMRMarkupObject::ConvertFrom(CZMRMarkupObject* /*pSource*/)
{
    return nullptr;
}

BOOL CZMRMarkupObject::HoldsContent() const
{
    return FALSE;
}

BOOL CZMRMarkupObject::KeepsWhitespaceContent() const
{
    return FALSE;
}

void CZMRMarkupObject::OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                                         CZMRMarkupObject* pNewValue)
{
    CZMRMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
    if (pMetadata && pMetadata->GetChangedCallback())
    {
        CZMRMarkupPropertyChange change = {pProperty, pOldValue, pNewValue};
        pMetadata->GetChangedCallback()(this, change);
    }
}

BOOL CZMRMarkupObject::IsKindOf(const CZMRMarkupType* pType) const
{
    return CZMRMarkupType::IsDerivedFrom(GetType(), pType);
}

CZMRMarkupObject* AFXAPI MarkupCast(const CZMRMarkupType* pType, CZMRMarkupObject* pObject)
{
    return pObject && pObject->IsKindOf(pType) ? pObject : nullptr;
}

CZMRMarkupObject* CZMRMarkupObject::GetValue(CZMRMarkupDependencyProperty* pProperty) const
{
    if (!pProperty)
        return nullptr;
    CZMRMarkupObject* pValue = GetValueCore(pProperty);
    if (pValue)
        return pValue;

    CZMRMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
    if (!pMetadata)
        return nullptr;
    if (pMetadata->Inherits())
    {
        // Collections pass the search on: they have no local values.
        for (CZMRMarkupObject* pAncestor = m_pLogicalParent; pAncestor; pAncestor = pAncestor->m_pLogicalParent)
        {
            pValue = pAncestor->GetValueCore(pProperty);
            if (pValue)
                return pValue;
        }
    }
    return pMetadata->GetDefaultValue();
}

BOOL CZMRMarkupObject::SetValue(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue)
{
    if (!pProperty)
        return FALSE;
    if (pValue && !pValue->IsKindOf(pProperty->GetValueType()))
        return FALSE;

    // The old value must outlive the notification even when the store held
    // its last reference.
    CZMRMarkupObject* pOldValue = GetValue(pProperty);
    if (pOldValue)
        pOldValue->AddRef();
    try
    {
        // Memory running out before the value is stored leaves it the
        // caller's; once stored it is the store's.
        if (pValue && !m_pProperties)
            m_pProperties = new CZMRMarkupProperties(this);
        if (m_pProperties)
            m_pProperties->SetLocal(pProperty, pValue);

        CZMRMarkupObject* pNewValue = GetValue(pProperty);
        if (pOldValue || pNewValue)
        {
            OnPropertyChanged(pProperty, pOldValue, pNewValue);
            CZMRMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
            if (pMetadata && pMetadata->Inherits())
                NotifyInheritedChange(pProperty, pOldValue, pNewValue);
        }
    }
    catch (...)
    {
        if (pOldValue)
            pOldValue->Release();
        throw;
    }
    if (pOldValue)
        pOldValue->Release();
    return TRUE;
}

CZMRMarkupObject* CZMRMarkupObject::FindValueOwner(CZMRMarkupDependencyProperty* pProperty) const
{
    if (!pProperty)
        return nullptr;
    if (GetValueCore(pProperty))
        return const_cast<CZMRMarkupObject*>(this);
    CZMRMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
    if (pMetadata && pMetadata->Inherits())
    {
        for (CZMRMarkupObject* pAncestor = m_pLogicalParent; pAncestor; pAncestor = pAncestor->m_pLogicalParent)
        {
            if (pAncestor->GetValueCore(pProperty))
                return pAncestor;
        }
    }
    return nullptr;
}

void CZMRMarkupObject::NotifyInheritedChange(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                                             CZMRMarkupObject* pNewValue)
{
    int nCount = GetLogicalChildrenCount();
    for (int i = 0; i < nCount; i++)
    {
        CZMRMarkupObject* pChild = GetLogicalChild(i);
        if (!pChild)
            continue;
        if (pChild->IsKindOf(pProperty->GetOwnerType()))
            pChild->OnPropertyChanged(pProperty, pOldValue, pNewValue);
        pChild->NotifyInheritedChange(pProperty, pOldValue, pNewValue);
    }
}
