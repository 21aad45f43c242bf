// The ribbon's quick-access toolbar and context menu: which controls may be
// added, the context menu with its add, remove, position, minimize and
// command-list items, the popup of overflowed controls, and the commands of
// those items.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonBarMorePopupToolBar.h"
#include "CZMRRibbonBarControlQuickAccessPopup.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRControlToolbars.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"
#include "CZMROriginalControls.h"
#include "CZMRPopupBar.h"
#include "CZMRPopupToolBar.h"
#include "CZMRResourceManager.h"

// ---------------------------------------------------------------- the command-list item

CZMRRibbonBar::CControlQuickAccessCommand::CControlQuickAccessCommand(CZMRControl* pOffered,
                                                                       CZMRRibbonQuickAccessControls* pQuickAccess)
    : m_pOffered(pOffered), m_pCopy(nullptr), m_pQuickAccessControls(pQuickAccess)
{
    m_pOffered->InternalAddRef();
    m_pQuickAccessControls->InternalAddRef();
}

CZMRRibbonBar::CControlQuickAccessCommand::~CControlQuickAccessCommand()
{
    if (m_pCopy)
        m_pCopy->InternalRelease();
    m_pOffered->InternalRelease();
    m_pQuickAccessControls->InternalRelease();
}

void CZMRRibbonBar::CControlQuickAccessCommand::LinkCopy(CZMRControl* pCopy)
{
    ZMRReplaceReference(m_pCopy, pCopy);
    SetChecked(pCopy != nullptr);
}

void CZMRRibbonBar::CControlQuickAccessCommand::OnExecute()
{
    InternalAddRef();
    CZMRControlButton::OnExecute();
    if (m_pCopy)
    {
        m_pQuickAccessControls->Remove(m_pCopy);
    }
    else if (CZMRControl* pCopy = m_pQuickAccessControls->AddCopy(m_pOffered))
    {
        pCopy->SetHideFlags(pCopy->GetHideFlags() & ~DWORD(zmrHideCustomize));
    }
    if (CZMRCommandBar* pRibbonBar = m_pQuickAccessControls->GetParent())
        pRibbonBar->OnRecalcLayout();
    InternalRelease();
}

// ---------------------------------------------------------------- the buttons' popups

BOOL CZMRRibbonBarControlQuickAccessPopup::ShowPopup(BOOL bPopup)
{
    if (bPopup)
    {
        CZMRRibbonBar* pRibbonBar = CZMRRibbonBar::FromControl(this);
        CZMRCommandBar* pPopup = pRibbonBar ? pRibbonBar->CreateContextMenu(this) : nullptr;
        SetCommandBar(pPopup);
        if (pPopup)
            pPopup->InternalRelease();
    }
    return CZMRControlPopup::ShowPopup(bPopup);
}

BOOL CZMRRibbonBar::CControlQuickAccessMorePopup::ShowPopup(BOOL bPopup)
{
    if (bPopup)
    {
        CZMRRibbonBar* pRibbonBar = CZMRRibbonBar::FromControl(this);
        CZMRCommandBar* pPopup = pRibbonBar ? pRibbonBar->CreateQuickAccessMorePopup() : nullptr;
        SetCommandBar(pPopup);
        if (pPopup)
            pPopup->InternalRelease();
    }
    return CZMRControlPopup::ShowPopup(bPopup);
}

CZMRRibbonBar* CZMRRibbonBar::FromControl(const CZMRControl* pControl)
{
    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    CZMRCommandBar* pRootBar = pBar ? pBar->GetRootBar() : nullptr;
    return pRootBar && pRootBar->IsRibbonBar() ? static_cast<CZMRRibbonBar*>(pRootBar) : nullptr;
}

// ---------------------------------------------------------------- what may be added

BOOL CZMRRibbonBar::CanAddToQuickAccess(CZMRControl* pControl) const
{
    if (!pControl)
        return FALSE;
    if (!m_bAllowQuickAccessDuplicates && m_pQuickAccessControls->FindCopyOf(pControl))
        return FALSE;
    // A collapsed group's button stands for its group, which needs an id.
    CZMRRibbonGroup* pGroup = pControl->GetRibbonGroup();
    if (pGroup && pControl == pGroup->GetPopupButton())
        return pControl->GetID() > 0;
    return !(pControl->GetFlags() & zmrFlagNoMovable);
}

// ---------------------------------------------------------------- the context menu

void CZMRRibbonBar::AdjustContextMenuItems(CZMRCommandBar* pPopup, CZMRControl* pControl)
{
    CZMRBarManager* pManager = GetBarManager();
    const BOOL bInQuickAccess = IsQuickAccessControl(pControl);
    const BOOL bCanAdd = CanAddToQuickAccess(pControl);
    const BOOL bLocked = (pControl->GetFlags() & zmrFlagNoMovable) || pControl->IsTemporary();
    const BOOL bCustomization = m_bAllowQuickAccessCustomization;
    CZMROriginalControls* pOffered = m_pQuickAccessControls->GetOriginalControls();
    CZMRControls* pControls = pPopup->GetControls();

    // Items are inserted while walking: each is looked at once, by identity.
    CArray<CZMRControl*, CZMRControl*> items;
    for (int i = 0; i < pControls->GetCount(); i++)
        items.Add(pControls->GetAt(i));
    for (int i = 0; i < items.GetSize(); i++)
    {
        CZMRControl* pItem = items[i];
        switch (pItem->GetID())
        {
        case ZMR_ID_RIBBONCUSTOMIZEALT:
            pItem->SetID(ZMR_ID_RIBBONCUSTOMIZEQUICKACCESS);
            break;
        case ZMR_ID_RIBBONQUICKACCESSBELOWALT:
            pItem->SetID(ZMR_ID_RIBBONQUICKACCESSBELOW);
            break;
        case ZMR_ID_RIBBONQUICKACCESSABOVEALT:
            pItem->SetID(ZMR_ID_RIBBONQUICKACCESSABOVE);
            break;
        }
        switch (pItem->GetID())
        {
        case ZMR_ID_RIBBONQUICKACCESSREMOVE:
            pItem->SetVisible(bInQuickAccess && !bLocked && bCustomization);
            pItem->SetTag(reinterpret_cast<DWORD_PTR>(pControl));
            break;
        case ZMR_ID_RIBBONQUICKACCESSADD:
            pItem->SetVisible(!bInQuickAccess && !bLocked && bCustomization);
            pItem->SetEnabled(bCanAdd);
            pItem->SetTag(reinterpret_cast<DWORD_PTR>(pControl));
            break;
        case ZMR_ID_RIBBONCUSTOMIZEQUICKACCESS:
            if (!bCustomization)
            {
                CString strCaption;
                if (pManager && pManager->IsCustomizeAvail() &&
                    GetResourceManager()->LoadString(&strCaption, ZMR_IDS_RIBBONCUSTOMIZE))
                    pItem->SetCaption(strCaption);
                else
                    pItem->SetVisible(FALSE);
            }
            break;
        case ZMR_ID_RIBBONQUICKACCESSBELOW:
            pItem->SetVisible(m_bQuickAccessVisible && !m_bQuickAccessBelow);
            break;
        case ZMR_ID_RIBBONQUICKACCESSABOVE:
            pItem->SetVisible(m_bQuickAccessVisible && m_bQuickAccessBelow);
            break;
        case ZMR_ID_RIBBONMINIMIZE:
            pItem->SetVisible(m_bAllowMinimize);
            pItem->SetChecked(m_bMinimized);
            pItem->SetEnabled(GetTabCount() > 0);
            break;
        case ZMR_ID_RIBBONQUICKACCESSCOMMANDS:
            pItem->SetVisible(FALSE);
            if (bCustomization && pOffered)
            {
                for (int j = 0; j < pOffered->GetCount(); j++)
                {
                    CZMRControl* pOfferedControl = pOffered->GetAt(j);
                    auto* pCommand = new CControlQuickAccessCommand(pOfferedControl, m_pQuickAccessControls);
                    pControls->AddControl(pCommand, 0, L"", pItem->GetIndex(), TRUE);
                    pCommand->SetCaption(pOfferedControl->GetCaption());
                    pCommand->LinkCopy(m_pQuickAccessControls->FindCopyOf(pOfferedControl));
                    pCommand->SetFlags(pCommand->GetFlags() | zmrFlagManualUpdate);
                }
            }
            break;
        case ZMR_ID_RIBBONQUICKACCESSHEADING:
            if (CZMRControl* pLabel = pControls->SetControlType(pItem->GetIndex(), zmrControlLabel))
            {
                pItem = pLabel;
                pLabel->SetFlags(zmrFlagSkipFocus);
                pLabel->SetDefaultItem(TRUE);
                pLabel->SetVisible(bCustomization && pOffered != nullptr);
            }
            break;
        default:
            continue;
        }
        pItem->SetFlags(pItem->GetFlags() | zmrFlagManualUpdate);
    }
}

CZMRCommandBar* CZMRRibbonBar::CreateContextMenu(CZMRControl* pControl)
{
    CZMRBarManager* pManager = GetBarManager();
    CZMRCommandBar* pPopup = nullptr;
    if (!m_bQuickAccessVisible)
    {
        pPopup = pManager ? pManager->CreateToolBarContextMenu() : nullptr;
    }
    else
    {
        if (!pControl)
            return nullptr;
        // A gallery shown inside a popup stands for the popup's opener.
        CZMRCommandBar* pControlBar = pControl->GetParent();
        if (pControl->GetType() == zmrControlGallery && !pControl->GetCommandBar() && pControlBar &&
            pControlBar->IsPopupBar())
        {
            pControl = static_cast<CZMRPopupBar*>(pControlBar)->GetControlPopup();
            if (!pControl)
                return nullptr;
        }
        const BOOL bCustomizeButton = pControl->GetID() == ZMR_ID_RIBBONCUSTOMIZE;
        CMenu menu;
        if (!GetResourceManager()->LoadMenu(&menu, bCustomizeButton ? ZMR_IDM_RIBBONQUICKACCESS
                                                                     : ZMR_IDM_RIBBONCONTEXT))
            return nullptr;
        CMenu* pSubMenu = menu.GetSubMenu(0);
        if (!pSubMenu)
        {
            menu.DestroyMenu();
            return nullptr;
        }
        CZMRPopupBar* pPopupBar = CZMRPopupBar::CreatePopupBar(pManager);
        pPopupBar->SetCommandReceiver(this);
        pPopupBar->LoadMenu(pSubMenu, TRUE);
        CZMRControl* pList = pPopupBar->GetControls()->Add(zmrControlButton, ZMR_ID_TOOLBARLIST, L"",
                                                           bCustomizeButton ? 0 : 2);
        if (pList)
            pList->SetBeginGroup(TRUE);
        AdjustContextMenuItems(pPopupBar, pControl);
        menu.DestroyMenu();
        pPopup = pPopupBar;
    }
    if (!pPopup)
        return nullptr;
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(ZMR_WM_RIBBONCONTEXTMENU, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(pPopup));
    return pPopup;
}

void CZMRRibbonBar::ShowContextMenu(CPoint point, CZMRControl* pControl)
{
    CZMRCommandBar* pControlBar = pControl && pControl->GetParent() ? pControl->GetParent() : this;
    CPoint ptScreen = point;
    if (pControlBar->GetSafeHwnd())
        pControlBar->ClientToScreen(&ptScreen);
    CZMRCommandBar* pPopup = CreateContextMenu(pControl);
    if (!pPopup)
        return;
    if (pPopup->GetControls()->GetVisibleCount() > 0)
    {
        const UINT nFlags = zmrTrackRightButton | (pControlBar != this ? zmrTrackNested : 0);
        CWnd* pOwner = m_bQuickAccessVisible ? this : GetOwnerWindow();
        // Controls that hold the keyboard focus lock the bars' mouse input;
        // the menu needs it. Only a count that was lowered is raised again.
        CZMRMouseManager* pMouseManager = GetMouseManager();
        const BOOL bLowered = pMouseManager->m_nFocusCount > 0;
        if (bLowered)
            pMouseManager->m_nFocusCount--;
        TrackPopupBar(pPopup, nFlags, ptScreen.x, ptScreen.y, pOwner, nullptr, pOwner);
        if (bLowered)
            pMouseManager->m_nFocusCount++;
    }
    pPopup->InternalRelease();
}

void CZMRRibbonBar::OnContextMenu(CPoint ptScreen)
{
    if (!m_bQuickAccessVisible)
        return;
    // The tracked popup under the point, the last opened first.
    CZMRMouseManager* pMouseManager = GetMouseManager();
    CZMRCommandBar* pBar = nullptr;
    for (int i = pMouseManager->GetTrackedCount() - 1; i >= 0 && !pBar; i--)
    {
        CZMRCommandBar* pTracked = pMouseManager->GetTrackedAt(i);
        CRect rcWindow;
        if (pTracked != this && pTracked->GetSafeHwnd() && ::GetWindowRect(pTracked->GetSafeHwnd(), &rcWindow) &&
            rcWindow.PtInRect(ptScreen))
            pBar = pTracked;
    }
    if (!pBar)
        return;
    if (pBar->IsPopupBar())
    {
        CZMRControl* pOpener = static_cast<CZMRPopupBar*>(pBar)->GetControlPopup();
        if (pOpener && (pOpener->GetID() == ZMR_ID_RIBBONCUSTOMIZE || pOpener->GetID() == ZMR_ID_RIBBONQUICKACCESSMORE))
            return;
    }
    pBar->SetHotControl(-1);
    CPoint point = ptScreen;
    pBar->ScreenToClient(&point);
    CZMRControl* pControl = pBar->HitTest(point);
    if (!pControl)
        pControl = HitTestGroupCaption(pBar, point);
    if (pControl)
        ShowContextMenu(point, pControl);
}

CZMRControl* CZMRRibbonBar::HitTestGroupCaption(CZMRCommandBar* pBar, CPoint point) const
{
    CZMRRibbonScrollableBar* pScrollable = dynamic_cast<CZMRRibbonScrollableBar*>(pBar);
    CZMRRibbonGroup* pGroup = pScrollable ? pScrollable->HitTestGroup(point) : nullptr;
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(pBar);
    if (!pGroup || !pTheme || point.y < pGroup->GetRect().bottom - pTheme->GetGroupCaptionHeight())
        return nullptr;
    return pGroup->GetPopupButton();
}

// ---------------------------------------------------------------- the more popup

CZMRCommandBar* CZMRRibbonBar::CreateQuickAccessMorePopup()
{
    CZMRRibbonBarMorePopupToolBar* pPopup = new CZMRRibbonBarMorePopupToolBar(this);
    pPopup->SetBarManager(GetBarManager());
    CZMRControls* pControls = pPopup->GetControls();
    auto addUnwrapped = [pControls](CZMRControl* pControl) {
        if (CZMRControl* pCopy = pControls->AddCopy(pControl))
            pCopy->SetHideFlags(pCopy->GetHideFlags() & ~DWORD(zmrHideWrap));
    };
    for (int i = 0; i < m_pQuickAccessControls->GetCount(); i++)
    {
        CZMRControl* pControl = m_pQuickAccessControls->GetAt(i);
        if (pControl->GetHideFlags() & zmrHideWrap)
            addUnwrapped(pControl);
    }
    addUnwrapped(m_pControlQuickAccess);
    pPopup->SetMRUWidth(300);
    return pPopup;
}

// ---------------------------------------------------------------- commands of the items

LRESULT CZMRRibbonBar::OnControlNotify(WPARAM wParam, LPARAM lParam)
{
    NMZMRCONTROL* pNM = reinterpret_cast<NMZMRCONTROL*>(lParam);
    if (!pNM || pNM->hdr.code != UINT(ZMR_CN_EXECUTE) || !pNM->pControl)
        return 0;
    CZMRControl* pTarget = reinterpret_cast<CZMRControl*>(pNM->pControl->GetTag());
    CZMRBarManager* pManager = GetBarManager();
    switch (int(wParam))
    {
    case ZMR_ID_RIBBONQUICKACCESSREMOVE:
        if (pTarget)
            m_pQuickAccessControls->Remove(pTarget);
        OnRecalcLayout();
        return 1;

    case ZMR_ID_RIBBONQUICKACCESSADD:
        if (!pTarget)
            return 1;
        // Closing the popups may release the control that was clicked.
        pTarget->InternalAddRef();
        if (pManager)
            pManager->CancelTracking();
        AddQuickAccessCopy(pTarget);
        pTarget->InternalRelease();
        OnRecalcLayout();
        return 1;

    case ZMR_ID_RIBBONCUSTOMIZEQUICKACCESS:
    {
        if (pManager)
            pManager->CancelTracking();
        CWnd* pSite = GetSite();
        if (pSite && pSite->GetSafeHwnd() && pSite->SendMessage(ZMR_WM_CONTROLNOTIFY, wParam, lParam) == 0)
            pSite->SendMessage(WM_COMMAND, WPARAM(ZMR_ID_RIBBONCUSTOMIZEQUICKACCESS), 0);
        return 1;
    }

    case ZMR_ID_RIBBONMINIMIZE:
        SetMinimized(!m_bMinimized);
        return 1;
    }
    return 0;
}

CZMRControl* CZMRRibbonBar::AddQuickAccessCopy(CZMRControl* pControl)
{
    const BOOL bOldGuard = m_bInRecalcLayout;
    m_bInRecalcLayout = TRUE;
    CZMRControl* pCopy = m_pQuickAccessControls->AddCopy(pControl);
    if (pCopy)
    {
        pCopy->SetBeginGroup(FALSE);
        pCopy->SetVisible(TRUE);
        const int nType = pCopy->GetType();
        const int nStyle = nType == zmrControlGallery || nType == zmrControlPopup ? zmrButtonIcon : zmrButtonAutomatic;
        if (pCopy->GetOwnerStyle() != nStyle)
        {
            pCopy->SetOwnerStyle(nStyle);
            pCopy->InvalidateParentLayout();
        }
    }
    m_bInRecalcLayout = bOldGuard;
    return pCopy;
}
