#include "CZMRControlGalleryItems.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRImageManager.h"

CZMRControlGalleryItems::CZMRControlGalleryItems()
    : m_szItem(20, 20), m_bClipItems(TRUE), m_pImageManager(nullptr)
{
}

CZMRControlGalleryItems::~CZMRControlGalleryItems()
{
    RemoveAll();
    SetImageManager(nullptr);
}

CZMRControlGalleryItem* CZMRControlGalleryItems::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex] : nullptr;
}

CZMRControlGalleryItem* CZMRControlGalleryItems::AddItem(CZMRControlGalleryItem* pItem)
{
    pItem->m_pItems = this;
    m_arrItems.Add(pItem);
    return pItem;
}

CZMRControlGalleryItem* CZMRControlGalleryItems::AddItem(int nId, LPCTSTR lpszCaption, int nImage)
{
    CZMRControlGalleryItem* pItem = new CZMRControlGalleryItem;
    pItem->SetID(nId);
    pItem->SetCaption(lpszCaption);
    pItem->SetImageIndex(nImage);
    return AddItem(pItem);
}

CZMRControlGalleryItem* CZMRControlGalleryItems::AddLabel(LPCTSTR lpszCaption)
{
    CZMRControlGalleryItem* pItem = AddItem(0, lpszCaption);
    pItem->SetLabel(TRUE);
    return pItem;
}

void CZMRControlGalleryItems::Remove(int nIndex)
{
    CZMRControlGalleryItem* pItem = GetItem(nIndex);
    if (!pItem)
        return;
    m_arrItems.RemoveAt(nIndex);
    pItem->m_pItems = nullptr;
    pItem->InternalRelease();
}

void CZMRControlGalleryItems::RemoveAll()
{
    while (GetItemCount() > 0)
        Remove(GetItemCount() - 1);
}

void CZMRControlGalleryItems::SetImageManager(CZMRImageManager* pImageManager)
{
    if (pImageManager)
        pImageManager->InternalAddRef();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

BOOL CZMRControlGalleryItems::DrawItem(CDC* /*pDC*/, CZMRControlGallery* /*pGallery*/,
                                       CZMRControlGalleryItem* /*pItem*/, CRect /*rcItem*/, BOOL /*bEnabled*/,
                                       BOOL /*bHot*/, BOOL /*bPressed*/, BOOL /*bChecked*/)
{
    return FALSE;
}
