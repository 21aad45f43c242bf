#include "CZMRTabManager.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManager.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "ZMRMarkupFacade.h"

namespace
{
// The automatic item colours 0x1000000 + i.
const COLORREF kAutomaticColors[8] = {
    RGB(138, 168, 228), RGB(255, 219, 117), RGB(189, 205, 159), RGB(240, 158, 159),
    RGB(186, 166, 225), RGB(154, 191, 180), RGB(247, 182, 131), RGB(216, 171, 192),
};
}

// ------------------------------------------------------------ rows

CZMRTabManager::TabRowTable::TabRowTable(CZMRTabManager* pManager)
    : m_pRows(nullptr), m_nCount(0), m_pManager(pManager)
{
    SetRowCount(1);
}

CZMRTabManager::TabRowTable::~TabRowTable()
{
    delete[] m_pRows;
}

void CZMRTabManager::TabRowTable::SetRowCount(int nRows)
{
    if (nRows != m_nCount)
    {
        delete[] m_pRows;
        m_pRows = nRows > 0 ? new ROW[nRows] : nullptr;
        m_nCount = nRows;
    }
    if (nRows > 0)
    {
        m_pRows[0].nFirst = 0;
        m_pRows[0].nLast = m_pManager->GetItemCount() - 1;
    }
}

// ------------------------------------------------------------ life

CZMRTabManager::CZMRTabManager()
    : m_pSelectedItem(nullptr), m_pHotItem(nullptr), m_pPressedItem(nullptr), m_pHotButton(nullptr),
      m_nScrollOffset(0), m_bReorderAllowed(TRUE), m_bActive(TRUE), m_nCloseButtonMode(zmrTabNavigateButtonNone),
      m_themeWrapper(TRUE), m_pRows(nullptr), m_nScrollStep(20), m_pMarkupContext(nullptr)
{
    m_rcHeader.SetRectEmpty();
    m_rcControl.SetRectEmpty();
    m_rcClient.SetRectEmpty();
    m_arrNavigateButtons.Add(new CNavigateButtonArrowLeft(this, zmrTabNavigateButtonAutomatic));
    m_arrNavigateButtons.Add(new CNavigateButtonArrowRight(this, zmrTabNavigateButtonAutomatic));
    m_arrNavigateButtons.Add(new CNavigateButtonClose(this, zmrTabNavigateButtonNone));
    m_pRows = new TabRowTable(this);
}

CZMRTabManager::~CZMRTabManager()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
    {
        CZMRTabManagerItem* pItem = m_arrItems[i];
        pItem->OnRemoved();
        pItem->InternalRelease();
    }
    m_arrItems.RemoveAll();
    m_pSelectedItem = m_pHotItem = m_pPressedItem = nullptr;
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
        delete m_arrNavigateButtons[i];
    m_arrNavigateButtons.RemoveAll();
    delete m_pRows;
    DropMarkupContext(&m_pMarkupContext);
}

// ------------------------------------------------------------ item values

void CZMRTabManager::OnPropertyChanged()
{
    Reposition();
}

CString CZMRTabManager::GetItemCaption(const CZMRTabManagerItem* pItem) const
{
    return pItem->m_strCaption;
}

HICON CZMRTabManager::GetItemIcon(const CZMRTabManagerItem* pItem) const
{
    return pItem->m_hIcon;
}

COLORREF CZMRTabManager::GetAutomaticColor(int nIndex)
{
    return kAutomaticColors[nIndex & 7];
}

COLORREF CZMRTabManager::GetItemColor(const CZMRTabManagerItem* pItem) const
{
    const COLORREF clr = pItem->m_clrItem;
    if (clr >= zmrTabColorAutomatic && clr < zmrTabColorAutomatic + 8)
        return kAutomaticColors[clr - zmrTabColorAutomatic];
    return clr;
}

CString CZMRTabManager::GetItemTooltip(const CZMRTabManagerItem* pItem) const
{
    return pItem->m_strTooltip;
}

void CZMRTabManager::GetItemMetrics(CSize* pszNormal, CSize* pszMin, CSize* pszMax) const
{
    CZMRTabPaintManager* pPaintManager = GetPaintManager();
    if (pszNormal)
        *pszNormal = CSize(pPaintManager->m_nFixedItemWidth, 0);
    if (pszMin)
        *pszMin = CSize(pPaintManager->m_nMinItemWidth, 0);
    if (pszMax)
        *pszMax = CSize(pPaintManager->m_nMaxItemWidth, 0);
}

BOOL CZMRTabManager::IsStaticFrame() const
{
    return GetPaintManager()->m_bStaticFrame;
}

int CZMRTabManager::GetPosition() const
{
    return GetPaintManager()->GetPosition();
}

BOOL CZMRTabManager::IsHorizontal() const
{
    return CZMRTabPaintManager::IsHorizontalPosition(GetPosition());
}

int CZMRTabManager::GetLengthAlongStrip(LPCRECT lpRect) const
{
    return IsHorizontal() ? lpRect->right - lpRect->left : lpRect->bottom - lpRect->top;
}

// ------------------------------------------------------------ items

void CZMRTabManager::OnItemsChanged()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
        m_arrItems[i]->m_nIndex = (int)i;
    Reposition();
}

CZMRTabManagerItem* CZMRTabManager::AddItem(int nIndex, CZMRTabManagerItem* pItem)
{
    if (!pItem)
        pItem = new CZMRTabManagerItem();
    pItem->m_pManager = this;
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    m_arrItems.InsertAt(nIndex, pItem);
    pItem->m_clrItem = zmrTabColorAutomatic + GetPaintManager()->TakeAutomaticColor() % 8;
    if (m_nCloseButtonMode != zmrTabNavigateButtonNone)
        pItem->m_arrNavigateButtons.Add(new CNavigateButtonTabClose(pItem, m_nCloseButtonMode));
    pItem->UpdateMarkup();
    OnItemsChanged();
    return pItem;
}

BOOL CZMRTabManager::DeleteItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return FALSE;
    CZMRTabManagerItem* pItem = m_arrItems[nIndex];
    const BOOL bSelected = pItem == m_pSelectedItem;
    if (m_pHotItem == pItem)
        m_pHotItem = nullptr;
    if (m_pPressedItem == pItem)
        m_pPressedItem = nullptr;
    m_arrItems.RemoveAt(nIndex);
    pItem->OnRemoved();
    if (bSelected)
    {
        // The host may refuse the new selection; the strip must not keep
        // pointing at the item it is about to release.
        SetCurSel(nIndex);
        if (m_pSelectedItem == pItem)
            m_pSelectedItem = nullptr;
    }
    pItem->InternalRelease();
    OnItemsChanged();
    return TRUE;
}

void CZMRTabManager::DeleteAllItems()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
    {
        CZMRTabManagerItem* pItem = m_arrItems[i];
        pItem->OnRemoved();
        pItem->InternalRelease();
    }
    m_arrItems.RemoveAll();
    m_pPressedItem = m_pSelectedItem = m_pHotItem = nullptr;
    OnItemsChanged();
}

CZMRTabManagerItem* CZMRTabManager::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex] : nullptr;
}

int CZMRTabManager::GetCurSel() const
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
    {
        if (m_arrItems[i] == m_pSelectedItem)
            return (int)i;
    }
    return -1;
}

void CZMRTabManager::SetCurSel(int nIndex)
{
    if (GetItemCount() == 0)
    {
        SetSelectedItem(nullptr);
        return;
    }
    nIndex = nIndex < 0 ? 0 : (nIndex >= GetItemCount() ? GetItemCount() - 1 : nIndex);
    SetSelectedItem(m_arrItems[nIndex]);
}

void CZMRTabManager::SetSelectedItem(CZMRTabManagerItem* pItem)
{
    if (pItem == m_pSelectedItem)
        return;
    m_pSelectedItem = pItem;
    Reposition();
    EnsureVisible(pItem);
}

BOOL CZMRTabManager::ClickItem(CZMRTabManagerItem* pItem)
{
    const BOOL bConfirmed = ConfirmItemClick(pItem);
    if (bConfirmed && pItem)
        OnItemClick(pItem);
    return bConfirmed;
}

CZMRTabManagerItem* CZMRTabManager::StepToUsableItem(int nIndex, int nDirection) const
{
    for (nIndex += nDirection; nIndex >= 0 && nIndex < GetItemCount(); nIndex += nDirection)
    {
        CZMRTabManagerItem* pItem = m_arrItems[nIndex];
        if (!pItem || (pItem->IsVisible() && pItem->IsEnabled()))
            return pItem;
    }
    return nullptr;
}

void CZMRTabManager::SetActive(BOOL bActive)
{
    if (bActive == m_bActive)
        return;
    m_bActive = bActive;
    Reposition();
}

void CZMRTabManager::EnableMarkup(BOOL bEnable, HWND hWndHost)
{
    if (bEnable == IsMarkupEnabled())
        return;
    CZMRMarkupContext* pOldContext = m_pMarkupContext;
    m_pMarkupContext = bEnable ? NewMarkupContext(hWndHost) : nullptr;
    // Captions are parsed again in the new context, or dropped.
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
        m_arrItems[i]->UpdateMarkup();
    DropMarkupContext(&pOldContext);
    Reposition();
}

CZMRTabManagerNavigateButton* CZMRTabManager::GetNavigateButton(int nId) const
{
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
    {
        if (m_arrNavigateButtons[i]->GetID() == nId)
            return m_arrNavigateButtons[i];
    }
    return nullptr;
}

BOOL CZMRTabManager::IsNavigateButtonVisible(const CZMRTabManagerNavigateButton* pButton) const
{
    if (pButton->GetID() != zmrTabNavigateButtonClose)
        return TRUE;
    return m_pSelectedItem ? m_pSelectedItem->IsClosable() : FALSE;
}

void CZMRTabManager::OnNavigateButtonClickEx(CZMRTabManagerNavigateButton* pButton)
{
    OnNavigateButtonClick(pButton->GetID());
}

// ------------------------------------------------------------ scrolling

void CZMRTabManager::ScrollHeader(BOOL bRight)
{
    SetScrollOffset(bRight ? m_nScrollOffset - m_nScrollStep : m_nScrollOffset + m_nScrollStep);
}

void CZMRTabManager::SetScrollOffset(int nOffset)
{
    if (nOffset > 0)
        nOffset = 0;
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    Reposition();
}

void CZMRTabManager::EnsureVisible(CZMRTabManagerItem* pItem)
{
    if (pItem)
        GetPaintManager()->EnsureVisible(this, pItem);
}

int CZMRTabManager::GetTotalItemsWidth() const
{
    CZMRTabPaintManager* pPaintManager = GetPaintManager();
    const BOOL bRotated = pPaintManager->GetLayout() == zmrTabLayoutRotated;
    const int nHeaderHeight = bRotated ? pPaintManager->GetAppearanceSet()->GetHeaderHeight(const_cast<CZMRTabManager*>(this)) : 0;
    int nTotal = 0;
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
        nTotal += bRotated ? nHeaderHeight : m_arrItems[i]->m_nWidth;
    return nTotal;
}
