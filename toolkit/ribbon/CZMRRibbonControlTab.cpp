// The ribbon's tab strip control.
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRTabManagerItem.h"

IMPLEMENT_SERIAL(CZMRRibbonControlTab, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlTab::CZMRRibbonControlTab() : m_bFocused(FALSE), m_pFallbackPaintManager(nullptr)
{
    m_bReorderAllowed = FALSE;
    m_bTemporary = TRUE;
    m_dwFlags = zmrFlagNoMovable;
}

CZMRRibbonControlTab::~CZMRRibbonControlTab()
{
    DeleteAllItems();
    if (m_pFallbackPaintManager)
        m_pFallbackPaintManager->InternalRelease();
}

void CZMRRibbonControlTab::SetEnabled(int /*bEnabled*/)
{
}

void CZMRRibbonControlTab::SetFocused(BOOL bFocused)
{
    m_bFocused = bFocused;
}

BOOL CZMRRibbonControlTab::IsFocused() const
{
    return m_bFocused;
}

void CZMRRibbonControlTab::Draw(CDC* /*pDC*/)
{
}

void CZMRRibbonControlTab::DoPropExchange(CZMRPropExchange* /*pPX*/)
{
}

void CZMRRibbonControlTab::OnAccessKeyPressed()
{
    SetFocused(TRUE);
}

void CZMRRibbonControlTab::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlPopup::Copy(pControl, bRecursive);
    CZMRRibbonControlTab* pSource = dynamic_cast<CZMRRibbonControlTab*>(pControl);
    if (!pSource)
        return;
    DeleteAllItems();
    for (int i = 0; i < pSource->GetItemCount(); i++)
    {
        CZMRRibbonTab* pSourceTab = pSource->GetTab(i);
        if (!pSourceTab)
            continue;
        CZMRRibbonTab* pTab = static_cast<CZMRRibbonTab*>(pSourceTab->GetRuntimeClass()->CreateObject());
        pTab->SetParentRibbon(GetRibbonBar());
        pTab->SetHostBar(GetParent());
        AddItem(i, pTab);
        pTab->Copy(pSourceTab);
        if (pSource->GetSelectedItem() == pSourceTab)
            pTab->Select();
    }
}

void CZMRRibbonControlTab::OnClick(BOOL /*bKeyboard*/, CPoint /*point*/)
{
}

BOOL CZMRRibbonControlTab::IsFocusable() const
{
    return TRUE;
}

BOOL CZMRRibbonControlTab::HandleHookedKeyDown(UINT /*nChar*/)
{
    return FALSE;
}

BOOL CZMRRibbonControlTab::ShowPopup(BOOL /*bPopup*/)
{
    m_bPopup = FALSE;
    return FALSE;
}

BOOL CZMRRibbonControlTab::OnSelectionChange(int bSelected)
{
    return CZMRControlPopup::OnSelectionChange(bSelected);
}

CZMRControl* CZMRRibbonControlTab::Clone(BOOL bRecursive)
{
    CZMRRibbonControlTab* pClone = new CZMRRibbonControlTab;
    pClone->Copy(this, bRecursive);
    return pClone;
}

void CZMRRibbonControlTab::AdjustAvoidRect(CRect& rcAvoid, BOOL /*bVertical*/)
{
    rcAvoid.bottom -= 1;
}

void CZMRRibbonControlTab::Reposition()
{
    CZMRCommandBar* pBar = GetParent();
    if (pBar && pBar->GetSafeHwnd())
        pBar->OnRecalcLayout();
}

CString CZMRRibbonControlTab::GetItemTooltip(const CZMRTabManagerItem* pItem) const
{
    const CString strTooltip = pItem->GetTooltip();
    return strTooltip.IsEmpty() ? pItem->GetCaption() : strTooltip;
}

void CZMRRibbonControlTab::SetSelectedItem(CZMRTabManagerItem* pItem)
{
    CZMRRibbonBar* pRibbonBar = GetRibbonBar();
    if (!pRibbonBar || !pRibbonBar->GetSafeHwnd())
    {
        CZMRTabManager::SetSelectedItem(pItem);
        return;
    }
    if (pItem == GetSelectedItem())
        return;
    CZMRRibbonTab* pTab = dynamic_cast<CZMRRibbonTab*>(pItem);
    if (pRibbonBar->OnTabChanging(pTab))
        return;
    pRibbonBar->LockRedraw();
    CZMRTabManager::SetSelectedItem(pItem);
    pRibbonBar->ShowGroupControls();
    pRibbonBar->UnlockRedraw();
    pRibbonBar->OnTabChanged(pTab);
}

CZMRTabPaintManager* CZMRRibbonControlTab::GetPaintManager() const
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent()))
        return pTheme->GetTabPaintManager();
    // Under any other theme the ribbon neither lays out nor draws the strip,
    // but the tabs still need a paint manager to be added and selected.
    if (!m_pFallbackPaintManager)
        m_pFallbackPaintManager = new CZMRTabPaintManager;
    return m_pFallbackPaintManager;
}

void CZMRRibbonControlTab::RedrawControl(LPCRECT lpRect, BOOL bNow)
{
    if (CZMRCommandBar* pBar = GetParent())
        pBar->Redraw(lpRect, bNow);
}

BOOL CZMRRibbonControlTab::DrawIcon(CDC* /*pDC*/, CPoint /*pt*/, CZMRTabManagerItem* /*pItem*/, BOOL /*bDraw*/,
                                    CSize& /*szIcon*/) const
{
    return FALSE;
}

BOOL CZMRRibbonControlTab::IsMouseLocked() const
{
    return FALSE;
}

BOOL CZMRRibbonControlTab::IsKeyboardFocused() const
{
    return m_bFocused && GetParent() && GetParent()->IsTrackingMode();
}

CZMRRibbonBar* CZMRRibbonControlTab::GetRibbonBar() const
{
    CZMRCommandBar* pBar = GetParent();
    return pBar && pBar->IsRibbonBar() ? static_cast<CZMRRibbonBar*>(pBar) : nullptr;
}

CZMRRibbonTab* CZMRRibbonControlTab::GetTab(int nIndex) const
{
    return dynamic_cast<CZMRRibbonTab*>(GetItem(nIndex));
}

CZMRRibbonTab* CZMRRibbonControlTab::GetSelectedTab() const
{
    return dynamic_cast<CZMRRibbonTab*>(GetSelectedItem());
}

void CZMRRibbonControlTab::PopupSelectedTab(BOOL /*bKeyboard*/)
{
}

BOOL CZMRRibbonControlTab::IsPopupShown() const
{
    return m_bPopup && m_pCommandBar && m_pCommandBar->IsTrackingMode();
}
