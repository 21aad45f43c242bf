// The ribbon's tab strip control: selection through the ribbon, keys while
// focused, the tab popup of a minimized ribbon, copies and the stored form.
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRTabManagerItem.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"
#include "CZMRMouseManager.h"
#include "CZMRRibbonTabPopupToolBar.h"
#include "ZMRRibbonElements.h"

IMPLEMENT_SERIAL(CZMRRibbonControlTab, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlTab::CZMRRibbonControlTab() : m_bFocused(FALSE), m_pFallbackPaintManager(nullptr)
{
    // Ribbon tabs keep their places; the strip is never saved with the bar's controls.
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

BOOL CZMRRibbonControlTab::IsRibbonMinimized() const
{
    CZMRRibbonBar* pRibbon = GetRibbonBar();
    return pRibbon && pRibbon->IsMinimized();
}

void CZMRRibbonControlTab::NotifyTabFocus(int nTab)
{
    CZMRCommandBar* pBar = GetParent();
    if (nTab >= 0 && pBar && pBar->GetSafeHwnd())
        NotifyAccessibilityEvent(EVENT_OBJECT_FOCUS, pBar->GetSafeHwnd(), GetID(), nTab + 1);
}

// ---------------------------------------------------------------- the control

void CZMRRibbonControlTab::SetEnabled(int /*bEnabled*/)
{
}

void CZMRRibbonControlTab::SetFocused(BOOL bFocused)
{
    if (m_bFocused == bFocused)
        return;
    m_bFocused = bFocused;
    if (bFocused && !GetSelectedItem())
    {
        if (CZMRTabManagerItem* pFirst = StepToUsableItem(-1, +1))
            pFirst->Select();
    }
    RepaintInParentBar();
}

BOOL CZMRRibbonControlTab::IsFocused() const
{
    return m_bFocused;
}

void CZMRRibbonControlTab::Draw(CDC* /*pDC*/)
{
}

void CZMRRibbonControlTab::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    ExchangeRibbonList<CZMRRibbonTab>(
        pPX, L"Tab", RUNTIME_CLASS(CZMRRibbonTab), this, GetItemCount(), [&](int i) { return GetTab(i); },
        [&] { DeleteAllItems(); }, [&](CZMRRibbonTab* pTab) { AddItem(-1, pTab); });
}

void CZMRRibbonControlTab::OnAccessKeyPressed()
{
    SetFocused(TRUE);
}

void CZMRRibbonControlTab::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    // The control's own values; the source's tab popup is not copied.
    CZMRControlButton::Copy(pControl, bRecursive);
    CZMRRibbonControlTab* pSource = dynamic_cast<CZMRRibbonControlTab*>(pControl);
    if (!pSource || pSource == this)
        return;
    DeleteAllItems();
    for (int i = 0; i < pSource->GetItemCount(); i++)
    {
        CZMRRibbonTab* pSourceTab = pSource->GetTab(i);
        if (!pSourceTab)
            continue;
        CZMRRibbonTab* pTab = static_cast<CZMRRibbonTab*>(pSourceTab->GetRuntimeClass()->CreateObject());
        if (!pTab)
            continue;
        pTab->SetParentRibbon(GetRibbonBar());
        pTab->SetHostBar(GetParent());
        AddItem(i, pTab);
        pTab->Copy(pSourceTab);
    }
}

void CZMRRibbonControlTab::OnClick(BOOL /*bKeyboard*/, CPoint /*point*/)
{
}

BOOL CZMRRibbonControlTab::IsFocusable() const
{
    return TRUE;
}

BOOL CZMRRibbonControlTab::HandleHookedKeyDown(UINT nChar)
{
    if (!m_bFocused)
        return FALSE;
    CZMRCommandBar* pBar = GetParent();
    // Arrows are mirrored on a right-to-left bar.
    UINT nDirectionKey = nChar;
    if (pBar && pBar->IsRightToLeftWindow() && (nChar == VK_LEFT || nChar == VK_RIGHT))
        nDirectionKey = nChar == VK_LEFT ? VK_RIGHT : VK_LEFT;
    if (nDirectionKey >= VK_LEFT && nDirectionKey <= VK_DOWN && pBar)
        pBar->HideKeyboardTips();

    switch (nDirectionKey)
    {
    case VK_LEFT:
    case VK_RIGHT:
        if (StepToUsableItem(GetCurSel(), nDirectionKey == VK_LEFT ? -1 : +1))
        {
            // The tab manager mirrors the key once more for a right-to-left
            // layout: hand it the key that it turns into this direction.
            UINT nManagerKey = nDirectionKey;
            CZMRDrawHelpers::SwapArrowKeyForRTL(pBar, nManagerKey);
            return HandleKeyNavigation(pBar, nManagerKey);
        }
        return FALSE;
    case VK_DOWN:
        if (pBar)
        {
            const int nNext = pBar->GetControls()->GetNext(GetIndex(), +1);
            if (nNext >= 0)
            {
                pBar->SetHotControl(nNext, 2);
                return TRUE;
            }
        }
        return FALSE;
    case VK_RETURN:
        PopupSelectedTab(TRUE);
        return TRUE;
    case VK_SPACE:
        if (!IsRibbonMinimized())
            return FALSE;
        PopupSelectedTab(TRUE);
        return TRUE;
    }
    return FALSE;
}

BOOL CZMRRibbonControlTab::ShowPopup(BOOL bPopup)
{
    m_bPopup = bPopup;
    if (bPopup)
    {
        CZMRRibbonBar* pRibbon = GetRibbonBar();
        if (!GetSelectedTab() || !pRibbon || !pRibbon->IsMinimized())
        {
            m_bPopup = FALSE;
            return FALSE;
        }
        SetCommandBar(nullptr);
        CZMRRibbonTabPopupToolBar* pPopup = new CZMRRibbonTabPopupToolBar(GetSelectedTab());
        pPopup->SetBarManager(pRibbon->GetBarManager());
        pPopup->SetCustomizable(FALSE);
        SetCommandBar(pPopup);
        pPopup->InternalRelease();
        pPopup->OpenAsPopup(this, GetSelected() == 2 || GetSelected() == 3);
    }
    else if (m_pCommandBar)
        m_pCommandBar->SetMenuLoopActive(FALSE);
    RepaintInParentBar();
    return TRUE;
}

BOOL CZMRRibbonControlTab::OnSelectionChange(int bSelected)
{
    if (bSelected == m_bSelected)
        return FALSE;
    CZMRCommandBar* pBar = GetParent();
    const BOOL bKeyboard = bSelected == 2 || bSelected == 3;
    if (bKeyboard && pBar && !IsRibbonMinimized())
        pBar->SetPoppedControl(-1);
    m_bSelected = bSelected;
    if (pBar)
        pBar->OnControlSelectionChanged(bSelected, this);
    if (bKeyboard)
        SetFocused(TRUE);
    if (bSelected != 0)
        NotifyTabFocus(GetCurSel());
    else
    {
        SetFocused(FALSE);
        TrackHotItem(pBar, CPoint(-1, -1));
    }
    return TRUE;
}

void CZMRRibbonControlTab::AdjustAvoidRect(CRect& rcAvoid, BOOL /*bVertical*/)
{
    // The popup of a minimized ribbon overlaps the strip's last pixel row.
    rcAvoid.bottom -= 1;
}

void CZMRRibbonControlTab::PopupSelectedTab(BOOL bKeyboard)
{
    CZMRCommandBar* pBar = GetParent();
    if (!GetSelectedTab() || !pBar || !IsRibbonMinimized())
        return;
    if (pBar->GetPoppedIndex() == GetIndex())
        pBar->SetPoppedControl(-1);
    pBar->SetMenuLoopActive(TRUE);
    if (bKeyboard)
        pBar->SetHotControl(GetIndex(), 2);
    pBar->SetPoppedControl(GetIndex());
}

BOOL CZMRRibbonControlTab::IsPopupShown() const
{
    return m_bPopup && m_pCommandBar && m_pCommandBar->IsTrackingMode();
}

// ---------------------------------------------------------------- the tab manager

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
    CZMRRibbonBar* pRibbon = GetRibbonBar();
    if (!pRibbon || !pRibbon->GetSafeHwnd())
    {
        CZMRTabManager::SetSelectedItem(pItem);
        return;
    }
    CZMRBarManager* pManager = pRibbon->GetBarManager();
    if (!m_bFocused && pItem && !pRibbon->IsMinimized() && pManager)
        pManager->CancelTracking();
    if (pItem == GetSelectedItem())
        return;
    if (pManager && pManager->GetKeyboardTipLevel() > 1)
        pManager->HideKeyboardTips();

    CZMRRibbonTab* pTab = dynamic_cast<CZMRRibbonTab*>(pItem);
    if (pRibbon->OnTabChanging(pTab))
        return;

    // The groups follow the new selection, so they are shown after it.
    pRibbon->LockRedraw();
    CZMRTabManager::SetSelectedItem(pItem);
    pRibbon->ShowGroupControls();
    pRibbon->OnIdleUpdateCmdUI(TRUE, 0);
    pRibbon->UnlockRedraw();

    pRibbon->OnTabChanged(pTab);
    NotifySite(ZMR_CN_EXECUTE);
    if (pItem)
        NotifyTabFocus(pItem->GetIndex());
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

BOOL CZMRRibbonControlTab::DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    CZMRTabPaintManager* pPaintManager = GetPaintManager();
    if (!pItem)
        return pPaintManager && pPaintManager->m_bShowIcons;
    if (pItem->GetImageIndex() == -1 || !pPaintManager || !pPaintManager->m_bShowIcons)
        return FALSE;
    CZMRImageManager* pImages = CZMRControl::GetImageManager();
    CZMRImageManagerIcon* pImage = pImages ? pImages->GetImage(pItem->GetImageIndex(), szIcon.cx) : nullptr;
    if (!pImage)
        return FALSE;
    if (bDraw)
        pItem->DrawImage(pDC, CRect(pt, szIcon), pImage);
    return TRUE;
}

BOOL CZMRRibbonControlTab::IsMouseLocked() const
{
    CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
    return pMouseManager && pMouseManager->GetTrackedCount() > 0;
}

BOOL CZMRRibbonControlTab::IsKeyboardFocused() const
{
    return m_bFocused && GetParent() && GetParent()->IsTrackingMode();
}
