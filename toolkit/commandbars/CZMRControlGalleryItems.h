// The shared items of a gallery, owned by its action: the entries in order,
// their common size, the image manager of their images and whether a change
// of the hot entry repaints only the entries concerned.
#pragma once
#include "Framework.h"

class CZMRControlGallery;
class CZMRControlGalleryItem;
class CZMRImageManager;

class CZMRControlGalleryItems : public CCmdTarget
{
public:
    CZMRControlGalleryItems();
    ~CZMRControlGalleryItems() override;

    int GetItemCount() const { return int(m_arrItems.GetSize()); }
    // None outside the range.
    CZMRControlGalleryItem* GetItem(int nIndex) const;
    // Appends an entry (or a label) and returns it; the collection keeps it.
    CZMRControlGalleryItem* AddItem(int nId, LPCTSTR lpszCaption = L"", int nImage = -1);
    CZMRControlGalleryItem* AddLabel(LPCTSTR lpszCaption);
    // Appends an entry made by the caller; the collection takes its reference.
    CZMRControlGalleryItem* AddItem(CZMRControlGalleryItem* pItem);
    void Remove(int nIndex);
    void RemoveAll();

    CSize GetItemSize() const { return m_szItem; }
    void SetItemSize(CSize szItem) { m_szItem = szItem; }
    BOOL IsClipItems() const { return m_bClipItems; }
    void SetClipItems(BOOL bClipItems) { m_bClipItems = bClipItems; }
    // The item images; none: the gallery's own image manager.
    CZMRImageManager* GetImageManager() const { return m_pImageManager; }
    void SetImageManager(CZMRImageManager* pImageManager);

    // Draws an entry for a gallery in its place of the entry's own drawing;
    // false (here) leaves it to the entry.
    virtual BOOL DrawItem(CDC* pDC, CZMRControlGallery* pGallery, CZMRControlGalleryItem* pItem, CRect rcItem,
                          BOOL bEnabled, BOOL bHot, BOOL bPressed, BOOL bChecked);

protected:
    CArray<CZMRControlGalleryItem*, CZMRControlGalleryItem*> m_arrItems;
    CSize m_szItem;
    BOOL m_bClipItems;
    CZMRImageManager* m_pImageManager;
};
