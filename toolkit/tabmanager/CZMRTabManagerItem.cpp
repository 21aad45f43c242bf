#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManager.h"
#include "CZMRImageManager.h"
#include "ZMRMarkupFacade.h"

IMPLEMENT_SERIAL(CZMRTabManagerItem, CCmdTarget, VERSIONABLE_SCHEMA | 0x21)

CZMRTabManagerItem::CZMRTabManagerItem()
    : m_nWidth(0), m_nContentWidth(0), m_nImageIndex(-1), m_nIndex(-1), m_bEnabled(TRUE), m_bVisible(TRUE),
      m_dwItemData(0), m_hIcon(nullptr), m_clrItem(0), m_pManager(nullptr), m_nRow(0), m_bClosable(TRUE),
      m_pMarkupElement(nullptr)
{
    m_rcItem.SetRectEmpty();
}

CZMRTabManagerItem::~CZMRTabManagerItem()
{
    OnRemoved();
    DropMarkupTree(&m_pMarkupElement);
}

void CZMRTabManagerItem::SetVisible(BOOL bVisible)
{
    if (bVisible == m_bVisible)
        return;
    m_bVisible = bVisible;
    RepositionOwner();
}

void CZMRTabManagerItem::OnRemoved()
{
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
        delete m_arrNavigateButtons[i];
    m_arrNavigateButtons.RemoveAll();
}

CString CZMRTabManagerItem::GetCaption() const
{
    return m_pManager ? m_pManager->GetItemCaption(this) : m_strCaption;
}

COLORREF CZMRTabManagerItem::GetColor() const
{
    return m_pManager ? m_pManager->GetItemColor(this) : m_clrItem;
}

void CZMRTabManagerItem::Select()
{
    if (m_pManager)
        m_pManager->OnItemClick(this);
}

void CZMRTabManagerItem::Remove()
{
    if (m_pManager)
        m_pManager->DeleteItem(m_nIndex);
}

void CZMRTabManagerItem::RepositionOwner()
{
    if (m_pManager)
        m_pManager->Reposition();
}

BOOL CZMRTabManagerItem::IsSelected() const
{
    return m_pManager && m_pManager->GetSelectedItem() == this;
}

BOOL CZMRTabManagerItem::IsHighlighted() const
{
    return m_pManager && m_pManager->GetHotItem() == this;
}

BOOL CZMRTabManagerItem::IsPressed() const
{
    return m_pManager && m_pManager->GetPressedItem() == this;
}

void CZMRTabManagerItem::SetCaption(LPCTSTR lpszCaption)
{
    if (m_strCaption == lpszCaption)
        return;
    m_strCaption = lpszCaption;
    UpdateMarkup();
    RepositionOwner();
}

void CZMRTabManagerItem::SetTooltip(LPCTSTR lpszTooltip)
{
    if (m_strTooltip == lpszTooltip)
        return;
    m_strTooltip = lpszTooltip;
    RepositionOwner();
}

void CZMRTabManagerItem::SetColor(COLORREF clr)
{
    if (m_clrItem == clr)
        return;
    m_clrItem = clr;
    RepositionOwner();
}

void CZMRTabManagerItem::SetIcon(HICON hIcon)
{
    if (m_hIcon == hIcon)
        return;
    m_hIcon = hIcon;
    RepositionOwner();
}

void CZMRTabManagerItem::SetImageIndex(int nImageIndex)
{
    if (m_nImageIndex == nImageIndex)
        return;
    m_nImageIndex = nImageIndex;
    RepositionOwner();
}

void CZMRTabManagerItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    RepositionOwner();
}

void CZMRTabManagerItem::SetClosable(BOOL bClosable)
{
    if (m_bClosable == bClosable)
        return;
    m_bClosable = bClosable;
    RepositionOwner();
}

void CZMRTabManagerItem::SetRect(CRect rc)
{
    m_rcItem = rc;
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
        m_arrNavigateButtons[i]->SetRect(CRect(0, 0, 0, 0));
}

void CZMRTabManagerItem::UpdateMarkup()
{
    DropMarkupTree(&m_pMarkupElement);
    if (m_pManager && m_pManager->GetMarkupContext())
        m_pMarkupElement = BuildMarkupTree(m_pManager->GetMarkupContext(), m_strCaption);
}
