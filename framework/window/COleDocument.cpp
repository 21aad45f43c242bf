#include "window/COleDocument.h"
#include "window/COleClientItem.h"
#include "window/CView.h"

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

COleDocument::COleDocument()
{
}

COleDocument::~COleDocument()
{
    while (!m_itemList.IsEmpty())
        delete static_cast<COleClientItem*>(m_itemList.GetHead());
}

void COleDocument::AddItem(COleClientItem* pItem)
{
    if (pItem && !m_itemList.Find(pItem))
        m_itemList.AddTail(pItem);
}

void COleDocument::RemoveItem(COleClientItem* pItem)
{
    if (POSITION pos = m_itemList.Find(pItem))
        m_itemList.RemoveAt(pos);
}

POSITION COleDocument::GetStartPosition() const
{
    return m_itemList.GetHeadPosition();
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& rPosition) const
{
    return static_cast<COleClientItem*>(m_itemList.GetNext(rPosition));
}

COleClientItem* COleDocument::GetPrimarySelectedItem(CView* pView)
{
    if (!pView)
        return nullptr;
    COleClientItem* pSelected = nullptr;
    for (POSITION pos = GetStartPosition(); pos;)
    {
        COleClientItem* pItem = GetNextClientItem(pos);
        if (!pView->IsSelected(pItem))
            continue;
        if (pSelected)
            return nullptr;   // more than one
        pSelected = pItem;
    }
    return pSelected;
}
