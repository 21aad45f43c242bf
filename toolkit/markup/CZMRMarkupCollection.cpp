#include "CZMRMarkupCollection.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupCollection)

CZMRMarkupCollection::CZMRMarkupCollection(CZMRMarkupType* pElementType, BOOL bParentsItems)
    : m_pElementType(pElementType), m_bParentsItems(bParentsItems)
{
}

CZMRMarkupCollection::~CZMRMarkupCollection()
{
    RemoveAll();
}

BOOL CZMRMarkupCollection::IsAccepted(const CZMRMarkupObject* pItem) const
{
    return pItem && m_pElementType && pItem->IsKindOf(m_pElementType);
}

void CZMRMarkupCollection::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    if (!IsAccepted(pContent))
    {
        RaiseMarkupError(FormatMarkupMessage3(
            L"'%ls' object cannot be added to '%ls'. Object cannot be converted to type '%ls'",
            pContent ? pContent->GetType()->GetMarkupClassName() : L"",
            GetType()->GetMarkupClassName(),
            m_pElementType ? m_pElementType->GetMarkupClassName() : L""));
    }
    Add(pContent);
}

BOOL CZMRMarkupCollection::HoldsContent() const
{
    return GetCount() > 0;
}

void CZMRMarkupCollection::OnItemAdded(CZMRMarkupObject* /*pItem*/, int /*nIndex*/)
{
}

CZMRMarkupObject* CZMRMarkupCollection::GetItem(int nIndex) const
{
    return static_cast<CZMRMarkupObject*>(m_arrItems.GetAt(nIndex));
}

BOOL CZMRMarkupCollection::Add(CZMRMarkupObject* pItem)
{
    if (!IsAccepted(pItem))
        return FALSE;
    if (m_bParentsItems)
        pItem->SetLogicalParent(this);
    int nIndex = static_cast<int>(m_arrItems.Add(pItem));
    OnItemAdded(pItem, nIndex);
    return TRUE;
}

void CZMRMarkupCollection::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    CZMRMarkupObject* pItem = GetItem(nIndex);
    m_arrItems.RemoveAt(nIndex);
    if (m_bParentsItems && pItem->GetLogicalParent() == this)
        pItem->SetLogicalParent(nullptr);
    pItem->Release();
}

void CZMRMarkupCollection::RemoveAll()
{
    // Each item leaves the array before it is released, so its destruction
    // never sees itself still listed. Taking the items out one by one needs
    // no memory: destructors that get here never run out of it.
    while (!m_arrItems.IsEmpty())
    {
        CZMRMarkupObject* pItem = static_cast<CZMRMarkupObject*>(m_arrItems[0]);
        m_arrItems.RemoveAt(0);
        if (m_bParentsItems && pItem->GetLogicalParent() == this)
            pItem->SetLogicalParent(nullptr);
        pItem->Release();
    }
}
