#include "CZMRMarkupProperties.h"
#include "CZMRMarkupDependencyProperty.h"

#include <cstring>

CZMRMarkupProperties::CZMRMarkupProperties(CZMRMarkupObject* pOwner)
    : m_pValues(nullptr), m_nSlotCount(0), m_pOwner(pOwner)
{
    m_nSlotCount = CZMRMarkupDependencyProperty::GetPropertyCount();
    if (m_nSlotCount > 0)
    {
        m_pValues = new CZMRMarkupObject*[m_nSlotCount];
        memset(m_pValues, 0, sizeof(CZMRMarkupObject*) * m_nSlotCount);
    }
}

CZMRMarkupProperties::~CZMRMarkupProperties()
{
    for (int i = 0; i < m_nSlotCount; i++)
        SetSlot(i, nullptr);
    delete[] m_pValues;
}

BOOL CZMRMarkupProperties::HasSlot(const CZMRMarkupDependencyProperty* pProperty) const
{
    int nIndex = pProperty ? pProperty->GetIndex() : -1;
    return nIndex >= 0 && nIndex < m_nSlotCount;
}

CZMRMarkupObject* CZMRMarkupProperties::GetLocal(const CZMRMarkupDependencyProperty* pProperty) const
{
    return HasSlot(pProperty) ? m_pValues[pProperty->GetIndex()] : nullptr;
}

void CZMRMarkupProperties::SetLocal(const CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue)
{
    int nIndex = pProperty ? pProperty->GetIndex() : -1;
    if (nIndex < 0)
        return;
    if (nIndex >= m_nSlotCount)
    {
        if (!pValue)
            return;
        Grow(nIndex + 1);
    }
    SetSlot(nIndex, pValue);
}

void CZMRMarkupProperties::Grow(int nMinCount)
{
    int nNewCount = CZMRMarkupDependencyProperty::GetPropertyCount();
    if (nNewCount < nMinCount)
        nNewCount = nMinCount;
    if (nNewCount <= m_nSlotCount)
        return;
    CZMRMarkupObject** pNewValues = new CZMRMarkupObject*[nNewCount];
    memset(pNewValues, 0, sizeof(CZMRMarkupObject*) * nNewCount);
    if (m_nSlotCount > 0)
        memcpy(pNewValues, m_pValues, sizeof(CZMRMarkupObject*) * m_nSlotCount);
    delete[] m_pValues;
    m_pValues = pNewValues;
    m_nSlotCount = nNewCount;
}

void CZMRMarkupProperties::SetSlot(int nIndex, CZMRMarkupObject* pValue)
{
    CZMRMarkupObject* pOldValue = m_pValues[nIndex];
    m_pValues[nIndex] = nullptr;
    if (pOldValue)
    {
        Unparent(pOldValue);
        pOldValue->Release();
    }
    if (pValue)
    {
        m_pValues[nIndex] = pValue;
        if (m_pOwner)
            pValue->SetLogicalParent(m_pOwner);
    }
}

void CZMRMarkupProperties::Unparent(CZMRMarkupObject* pValue) const
{
    // A shared value may have been parented by another holder since; only the
    // link to this owner is cut, so no value keeps pointing at a dead owner.
    if (m_pOwner && pValue->GetLogicalParent() == m_pOwner)
        pValue->SetLogicalParent(nullptr);
}

void CZMRMarkupProperties::CopyFrom(const CZMRMarkupProperties* pOther)
{
    if (!pOther || pOther == this)
        return;
    if (pOther->m_nSlotCount > m_nSlotCount)
        Grow(pOther->m_nSlotCount);
    for (int i = 0; i < pOther->m_nSlotCount; i++)
    {
        CZMRMarkupObject* pValue = pOther->m_pValues[i];
        if (!pValue)
            continue;
        pValue->AddRef();
        SetSlot(i, pValue);
    }
}
