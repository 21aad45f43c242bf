// COleDocument: a document that holds embedded or linked items
// (COleClientItem). It keeps them in order and tells which one a view has
// selected.
#pragma once

#include "window/CDocument.h"

class COleClientItem;

class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    // Deletes the items it still holds.
    ~COleDocument() override;

    // The document holds the item from now on; an item is held once.
    void AddItem(COleClientItem* pItem);
    // Forgets the item without deleting it.
    void RemoveItem(COleClientItem* pItem);
    POSITION GetStartPosition() const;
    COleClientItem* GetNextClientItem(POSITION& rPosition) const;

    // The item the view has selected when it is the only one (CView::IsSelected),
    // else none.
    virtual COleClientItem* GetPrimarySelectedItem(CView* pView);

protected:
    CPtrList m_itemList;
};
