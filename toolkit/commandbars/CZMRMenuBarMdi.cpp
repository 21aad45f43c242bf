// The menu bar in an MDI frame: the menu of the active child's document
// kind, and the controls of a maximized child.
#include "CZMRMenuBar.h"
#include "CZMRMenuBarMDIMenus.h"
#include "CZMRMenuBarMDIMenuInfo.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMROriginalControls.h"

BOOL CZMRMenuBar::IsMdiCustomizationAvailable() const
{
    CZMRBarManager* pManager = GetBarManager();
    return pManager && pManager->IsAltDragPermitted();
}

void CZMRMenuBar::OnFrameMenuSet(HMENU hMenu)
{
    UINT nId = 0;
    if (CZMRBarManager* pManager = GetBarManager())
    {
        CDocTemplate* pTemplate = pManager->GetActiveDocTemplate();
        nId = pTemplate ? pTemplate->m_nIDResource : 0;
    }
    if (hMenu == m_hMenuFrame)
        nId = m_nIDResource;
    if (nId == 0 || m_nIDResourceCurrent == 0 || nId == m_nIDResourceCurrent)
        return;
    if (::GetMenuItemCount(hMenu) > 0)
        SwitchMdiMenu(nId, CMenu::FromHandle(hMenu));
}

void CZMRMenuBar::SwitchMdiMenu(UINT nIDMenu, CMenu* pMenu)
{
    if (nIDMenu == 0 || m_nIDResourceCurrent == 0 || nIDMenu == m_nIDResourceCurrent)
        return;
    CZMRBarManager* pManager = GetBarManager();
    if (!IsMdiCustomizationAvailable() && !m_pMDIMenus->Lookup(nIDMenu))
    {
        if (pMenu)
            LoadMenu(pMenu, TRUE);
    }
    else
    {
        if (!pMenu && !m_pMDIMenus->Lookup(nIDMenu))
            return;

        // The controls shown now stay with the menu they came from.
        if (!m_pMDIMenus->Lookup(m_nIDResourceCurrent))
        {
            auto* pInfo = new CZMRMenuBarMDIMenuInfo(pManager, m_nIDResourceCurrent);
            pInfo->SetControls(m_pControls);
            m_pMDIMenus->SetAt(m_nIDResourceCurrent, pInfo);
            pInfo->InternalRelease();
        }
        m_pControls->SetParent(nullptr);
        m_pControls->InternalRelease();
        m_pControls = nullptr;

        if (CZMRMenuBarMDIMenuInfo* pInfo = m_pMDIMenus->Lookup(nIDMenu))
        {
            m_pControls = pInfo->m_pControls;
            m_pControls->InternalAddRef();
            m_pControls->SetParent(this);
            if (!m_pControls->GetOriginalControls() && pMenu)
            {
                auto* pOriginal = new CZMROriginalControls;
                pOriginal->SetBarManager(pManager);
                const int nCount = pMenu->GetMenuItemCount();
                for (int i = 0; i < nCount; i++)
                {
                    MENUITEMINFO mii = {};
                    mii.cbSize = sizeof(mii);
                    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
                    if (!pMenu->GetMenuItemInfo(UINT(i), &mii, TRUE) || (mii.fType & MFT_SEPARATOR) ||
                        (mii.wID == 0 && !mii.hSubMenu))
                        continue;
                    pOriginal->AddMenuItem(pMenu, i);
                }
                m_pControls->SetOriginalControls(pOriginal);
            }
            // The default menu's controls belong to the bar alone.
            if (nIDMenu == m_nIDResource)
                m_pMDIMenus->Remove(nIDMenu);
        }
        else
        {
            pInfo = new CZMRMenuBarMDIMenuInfo(pManager, nIDMenu);
            m_pControls = pInfo->m_pControls;
            m_pControls->InternalAddRef();
            m_pControls->SetParent(this);
            if (pMenu)
                LoadMenu(pMenu, TRUE);
            m_pControls->CreateOriginalControls();
            m_pMDIMenus->SetAt(nIDMenu, pInfo);
            pInfo->InternalRelease();
        }
    }
    OnRecalcLayout();
    m_nIDResourceCurrent = nIDMenu;
}

void CZMRMenuBar::UpdateMdiChildButtons()
{
    BOOL bMaximized = FALSE;
    HWND hWndChild = GetActiveMdiChild(&bMaximized);
    const DWORD dwStyle = hWndChild ? DWORD(::GetWindowLongW(hWndChild, GWL_STYLE)) : 0;
    BOOL bChanged = FALSE;

    // The system menu at the left end.
    auto* pSysMenu = static_cast<CControlMDISysMenuPopup*>(m_pControls->FindControlById(ZMR_ID_MDI_SYSMENU));
    if (bMaximized && (m_dwFlags & zmrMenuBarSysMenuPopup))
    {
        HMENU hSysMenu = ::GetSystemMenu(hWndChild, FALSE);
        if (::IsMenu(hSysMenu))
        {
            if (!pSysMenu || pSysMenu->GetSystemMenu() != hSysMenu)
            {
                if (pSysMenu)
                {
                    pSysMenu->SetSystemMenu(hWndChild, hSysMenu);
                    ScheduleRedraw();
                }
                else
                {
                    AddTemporaryControl(new CControlMDISysMenuPopup(hWndChild, hSysMenu), ZMR_ID_MDI_SYSMENU, L"", 0);
                    bChanged = TRUE;
                }
            }
        }
        else if (pSysMenu)
        {
            m_pControls->Remove(pSysMenu);
            bChanged = TRUE;
        }
    }
    else if (pSysMenu)
    {
        m_pControls->Remove(pSysMenu);
        bChanged = TRUE;
    }

    // Minimize, restore and close at the right end, in this order.
    struct
    {
        int nId;
        DWORD dwStyleNeeded;
        DWORD dwFlagOff;
        LPCTSTR lpszGlyph;
    } const buttons[] = {
        {ZMR_ID_MDI_MINIMIZE, WS_MINIMIZEBOX | WS_SYSMENU, zmrMenuBarNoMinimize, L"0"},
        {ZMR_ID_MDI_RESTORE, WS_MAXIMIZEBOX | WS_SYSMENU, zmrMenuBarNoRestore, L"2"},
        {ZMR_ID_MDI_CLOSE, WS_SYSMENU, zmrMenuBarNoClose, L"r"},
    };
    for (const auto& button : buttons)
    {
        CZMRControl* pButton = m_pControls->FindControlById(button.nId);
        if (pButton)
        {
            if (!bMaximized)
            {
                m_pControls->Remove(pButton);
                bChanged = TRUE;
            }
        }
        else if (bMaximized && (dwStyle & button.dwStyleNeeded) == button.dwStyleNeeded &&
                 !(m_dwFlags & button.dwFlagOff))
        {
            AddTemporaryControl(new CControlMDIButton, button.nId, button.lpszGlyph, -1);
            bChanged = TRUE;
        }
    }
    if (bChanged)
        OnRecalcLayout();
}
