// One entry of a gallery's items: an id, an image, a caption and a
// description, or a label that heads a group of entries.
#pragma once
#include "Framework.h"

class CZMRControlGallery;
class CZMRControlGalleryItems;

class CZMRControlGalleryItem : public CCmdTarget
{
public:
    CZMRControlGalleryItem();

    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
    // -1: the image of the id.
    int GetImageIndex() const { return m_nImage; }
    void SetImageIndex(int nImage) { m_nImage = nImage; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    CString GetDescription() const { return m_strDescription; }
    void SetDescription(LPCTSTR lpszDescription) { m_strDescription = lpszDescription; }
    BOOL IsLabel() const { return m_bLabel; }
    void SetLabel(BOOL bLabel) { m_bLabel = bLabel; }
    // An own size; (0, 0) takes the collection's item size.
    void SetSize(CSize sz) { m_szItem = sz; }
    CZMRControlGalleryItems* GetItems() const { return m_pItems; }

    // The item's width (0: the gallery's full width) and height.
    virtual CSize GetSize(CZMRControlGallery* pGallery);
    // Draws the item in its state; false when it drew nothing.
    virtual BOOL Draw(CDC* pDC, CZMRControlGallery* pGallery, CRect rcItem, BOOL bEnabled, BOOL bHot,
                      BOOL bPressed, BOOL bChecked);

protected:
    int m_nId;
    int m_nImage;
    CString m_strCaption;
    CString m_strDescription;
    BOOL m_bLabel;
    CSize m_szItem;
    CZMRControlGalleryItems* m_pItems;

    friend class CZMRControlGalleryItems;
};
