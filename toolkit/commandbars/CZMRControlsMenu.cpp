// Controls made from menu items, with the site's say over each of them.
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRControlPopup.h"
#include "CZMRCommandBar.h"
#include "CZMRDrawHelpers.h"
#include <cwchar>

namespace
{
// Longest item text read from a menu.
const int ZMR_MENU_TEXT_MAX = 1024;
}

CZMRControl* CZMRControls::AddMenuItem(CMenu* pMenu, int nIndex)
{
    if (!pMenu || !::IsMenu(pMenu->GetSafeHmenu()))
        return nullptr;

    // Everything read from the menu is checked: a position it does not have
    // makes no control.
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_SUBMENU | MIIM_DATA;
    if (!pMenu->GetMenuItemInfo(UINT(nIndex), &mii, TRUE))
        return nullptr;
    CMenu* pSubMenu = mii.hSubMenu ? pMenu->GetSubMenu(nIndex) : nullptr;
    int nId = int(pMenu->GetMenuItemID(nIndex));
    const BOOL bDefaultItem =
        int(pMenu->GetDefaultItem(GMDI_USEDISABLED, TRUE)) == nIndex;
    if (nId == ZMR_ID_MENU_NONE)
        return nullptr;

    WCHAR szText[ZMR_MENU_TEXT_MAX + 1] = {};
    ::GetMenuStringW(pMenu->GetSafeHmenu(), UINT(nIndex), szText, ZMR_MENU_TEXT_MAX, MF_BYPOSITION);
    CString strCaption(szText);

    // A popup item may carry its id after a TAB.
    const int nTab = strCaption.Find(L'\t');
    if (pSubMenu && nTab > 0)
    {
        const int nTabId = int(std::wcstol(strCaption.Mid(nTab + 1), nullptr, 10));
        if (nTabId > 0)
        {
            nId = nTabId;
            strCaption = strCaption.Left(nTab);
        }
    }

    CWnd* pSite = GetSite();
    ZMR_CREATECONTROL_RECORD cs;
    cs.nId = nId;
    cs.pControl = nullptr;
    cs.bToolBar = FALSE;
    cs.nIndex = nIndex;
    cs.pMenu = pMenu;
    cs.pCommandBar = m_pParent;
    cs.strCaption = strCaption;
    cs.controlType = pSubMenu ? zmrControlPopup : zmrControlButton;
    cs.buttonStyle = zmrButtonAutomatic;

    BOOL bSiteAnswered = FALSE;
    if (pSite && pSite->SendMessage(ZMR_WM_BEFORECREATECONTROL, 0, LPARAM(&cs)) != 0)
    {
        bSiteAnswered = TRUE;
        nId = cs.nId;
        strCaption = cs.strCaption;
    }

    CZMRControl* pControl = cs.pControl;
    const BOOL bMade = !pControl;
    CString strTitle = strCaption;
    CZMRDrawHelpers::RemoveMnemonicMarkers(strTitle);
    const BOOL bPopup = IsPopupType(cs.controlType);
    if (bMade)
    {
        pControl = CreateControl(cs.controlType, nId, TRUE, bPopup ? strTitle : strCaption);
        if (!pControl)
            return nullptr;
    }

    // Until the collection holds it the control is this routine's: memory
    // running out on the way gives it back, with its popup bar.
    try
    {
        if (bMade)
        {
            if (bPopup)
            {
                if (CZMRCommandBar* pPopupBar = pControl->GetCommandBar())
                {
                    pPopupBar->SetTitle(strTitle);
                    CMenu menu;
                    if (pSubMenu)
                        pPopupBar->LoadMenu(pSubMenu, TRUE);
                    else if (LoadMenuResource(menu, nId))
                        pPopupBar->LoadMenu(&menu, TRUE);
                }
            }

            pControl->m_controlType = cs.controlType;
            if (bSiteAnswered)
                pControl->SetStyle(cs.buttonStyle);
            pControl->SetTag(mii.dwItemData);
        }

        if (!pControl->GetAction())
            BindToAction(pControl, nId, strCaption);
        if (bDefaultItem)
            pControl->SetDefaultItem(TRUE);

        Append(pControl);
    }
    catch (...)
    {
        pControl->InternalRelease();
        throw;
    }

    if (pSite && pSite->GetSafeHwnd())
    {
        cs.pControl = pControl;
        pSite->SendMessage(ZMR_WM_AFTERCREATECONTROL, 0, LPARAM(&cs));
    }
    return pControl;
}
