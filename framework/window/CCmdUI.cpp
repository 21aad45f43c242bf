#include "window/CCmdUI.h"
#include "window/CMenu.h"
#include "window/CWnd.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pParentMenu(nullptr), m_pOther(nullptr),
      m_nIndexMax(0), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;   // a popup item stays usable; its items carry the state
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        // Disabling the window with the focus would leave the keyboard nowhere:
        // the focus moves on to the next control first.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            if (hWndParent != nullptr)
                ::SendMessageW(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        // Only buttons have a check state.
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != nullptr && m_pSubMenu == nullptr)
    {
        // A radio item shows a bullet instead of a check mark.
        MENUITEMINFOW mii = { sizeof(mii) };
        mii.fMask = MIIM_FTYPE | MIIM_STATE;
        if (m_pMenu->GetMenuItemInfo(m_nIndex, &mii, TRUE))
        {
            mii.fType |= MFT_RADIOCHECK;
            mii.fState = bOn ? (mii.fState | MFS_CHECKED) : (mii.fState & ~MFS_CHECKED);
            m_pMenu->SetMenuItemInfo(m_nIndex, &mii, TRUE);
        }
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (lpszText == nullptr)
        lpszText = L"";
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        MENUITEMINFOW mii = { sizeof(mii) };
        mii.fMask = MIIM_STRING;
        mii.dwTypeData = const_cast<LPWSTR>(lpszText);
        m_pMenu->SetMenuItemInfo(m_nIndex, &mii, TRUE);
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld != lpszText)   // no flicker when nothing changes
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget == nullptr || m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;   // separators and items without a command are left alone
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = { nullptr, nullptr };
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}

void AFXAPI AfxBeginUpdateHandler(CCmdUI* pCmdUI)
{
    pCmdUI->m_bContinueRouting = FALSE;
}

BOOL AFXAPI AfxEndUpdateHandler(CCmdUI* pCmdUI)
{
    BOOL bAnswered = !pCmdUI->m_bContinueRouting;
    pCmdUI->m_bContinueRouting = FALSE;
    return bAnswered;
}
