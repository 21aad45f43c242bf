// The control in action: execution, notifications to the owner window,
// selection changes and hover.
#include "CZMRControl.h"
#include "CZMRCommandBar.h"
#include "CZMRPopupBar.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"
#include "CZMRMenuSoundPlayer.h"

void CZMRControl::OnExecute()
{
    CZMRMenuSoundPlayer::GetInstance()->Request(CZMRMenuSoundPlayer::soundMenuCommand);

    // A button of a tool bar stays down while its command runs.
    m_bPressed = (m_pParent && m_pParent->GetPosition() == zmrBarPopup) ? 0 : 2;

    CZMRBarManager* pManager = GetBarManager();
    if (pManager)
    {
        if (m_nId != 0)
            pManager->RecordCommandUse(m_nId);
        if (m_pParent && m_pParent->IsPopupBar())
        {
            CZMRControl* pOpener = static_cast<CZMRPopupBar*>(m_pParent)->GetControlPopup();
            if (pOpener && pOpener->GetID() != 0)
                pManager->RecordCommandUse(pOpener->GetID());
        }
    }

    // A popup tracked for its result takes the id instead of the command.
    CZMRCommandBar* pRootBar = m_pParent ? m_pParent->GetRootBar() : nullptr;
    if (pRootBar && pRootBar->m_pReturnCmd)
    {
        int* pReturnCmd = pRootBar->m_pReturnCmd;
        CloseMenus();
        *pReturnCmd = m_nId;
        return;
    }

    // The command may close the bar or remove the control; the control
    // stays alive until this is done. The receiver is found before the
    // menus close: a closed popup forgets its opener, and with it the way
    // to the receiver of a chain that has no manager.
    InternalAddRef();
    CWnd* pOwner = m_pParent ? m_pParent->GetOwnerWindow() : nullptr;
    HWND hWndOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    if (m_bCloseSubMenuOnClick)
        CloseMenus();
    if (m_nId != 0 && hWndOwner && ::IsWindow(hWndOwner))
        ExecuteCommand(CWnd::FromHandle(hWndOwner));
    if (!m_bCloseSubMenuOnClick || m_bPressed != 0)
    {
        // Reset also without an id, so that no button is left shown pressed.
        m_bPressed = 0;
        if (m_pParent)
        {
            m_pParent->OnIdleUpdateCmdUI(TRUE, 0);
            RepaintInParentBar(TRUE);
        }
    }
    InternalRelease();
}

void CZMRControl::CloseMenus()
{
    CZMRCommandBar* pRootBar = m_pParent ? m_pParent->GetRootBar() : nullptr;
    if (pRootBar && pRootBar->IsTrackingMode())
    {
        pRootBar->SetMenuLoopActive(FALSE);
        return;
    }
    if (CZMRBarManager* pManager = GetBarManager())
        pManager->CancelTracking();
    else
        CZMRMouseManager::GetThreadMouseManager()->CloseAllTracked();
}

void CZMRControl::ExecuteCommand()
{
    ExecuteCommand(m_pParent ? m_pParent->GetOwnerWindow() : nullptr);
}

void CZMRControl::ExecuteCommand(CWnd* pOwner)
{
    if (!pOwner || !pOwner->GetSafeHwnd())
        return;
    NMZMRCONTROL nm = {};
    if (NotifyWindow(pOwner, ZMR_CN_EXECUTE, &nm) == 0)
        pOwner->SendMessage(WM_COMMAND, WPARAM(UINT(m_nId)), 0);
}

LRESULT CZMRControl::NotifyWindow(CWnd* pWnd, int nCode, NMZMRCONTROL* pNM)
{
    if (!pWnd || !pWnd->GetSafeHwnd() || !pNM)
        return 0;

    pNM->hdr.hwndFrom = nullptr;
    pNM->hdr.idFrom = UINT_PTR(UINT(m_nId));
    pNM->hdr.code = UINT(nCode);
    pNM->pControl = this;

    const LRESULT lResult = pWnd->SendMessage(ZMR_WM_CONTROLNOTIFY, WPARAM(UINT(m_nId)), LPARAM(pNM));
    if (lResult != 0)
        return lResult;
    if (!m_pParent)
        return 0;

    // Nobody answered the message: the window's command routing may hold a
    // notification handler for the id.
    LRESULT lRouted = 0;
    AFX_NOTIFY notify;
    notify.pResult = &lRouted;
    notify.pNMHDR = &pNM->hdr;
    if (pWnd->OnCmdMsg(UINT(m_nId), CN_NOTIFY_CODE(WM_NOTIFY, nCode), &notify, nullptr))
        return lRouted;
    return 0;
}

LRESULT CZMRControl::NotifySite(int nCode)
{
    NMZMRCONTROL nm = {};
    return NotifySiteWithRecord(nCode, &nm);
}

LRESULT CZMRControl::NotifySiteWithRecord(int nCode, NMZMRCONTROL* pNM)
{
    if (!m_pParent)
        return 0;
    return NotifyWindow(m_pParent->GetOwnerWindow(), nCode, pNM);
}

BOOL CZMRControl::OnSelectionChange(int bSelected)
{
    if (bSelected == m_bSelected)
        return FALSE;

    if (m_pParent && (bSelected == 2 || bSelected == 3))
    {
        CZMRControl* pPopped = m_pParent->GetControl(m_pParent->GetPoppedIndex());
        if (pPopped && pPopped != this)
            m_pParent->SetPoppedControl(-1);
    }

    m_bSelected = bSelected;
    if (m_pParent)
        m_pParent->OnControlSelectionChanged(bSelected, this);

    // A disabled control does not light up under the mouse.
    if (GetEnabled() || bSelected == 0 || bSelected == 2 || bSelected == 3)
        RepaintInParentBar(bSelected == 0);
    return TRUE;
}

void CZMRControl::OnMouseHover()
{
    if (!m_pParent)
        return;
    const BOOL bWasOpen = m_pParent->GetPoppedIndex() != -1;
    m_pParent->SetPoppedControl(-1);
    if (bWasOpen && m_pParent->GetTrackingState() == 2 && !m_pParent->IsPopupBar())
        m_pParent->SetMenuLoopActive(FALSE);
}

void CZMRControl::OnOtherControlDraggedOver(CZMRControl* /*pDragged*/, CPoint /*point*/, DROPEFFECT& /*dropEffect*/)
{
    if (!m_pParent)
        return;
    m_pParent->SetPoppedControl(-1);
    m_pParent->SetHotControl(-1);
}
