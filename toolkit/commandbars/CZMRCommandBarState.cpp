// The state machine of a command bar: the hot control, the popped control,
// tracking (menu) mode, and what the site and the status bar hear of them.
#include "CZMRCommandBar.h"
#include "CZMRCommandBarClock.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRControlAction.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"
#include "CZMRKeyboardManager.h"
#include <algorithm>

BOOL CZMRCommandBar::SetHotControl(int nIndex, int nKind)
{
    if (nIndex == m_nHotIndex)
        return FALSE;
    m_nSelectionKind = nKind;
    if (!GetSafeHwnd())
        return FALSE;

    if (CZMRControl* pHot = GetControl(m_nHotIndex))
    {
        pHot->OnMouseMove(CPoint(-1, -1));
        pHot->OnSelectionChange(0);
    }
    m_nHotIndex = nIndex;
    CZMRControl* pControl = GetControl(nIndex);
    if (!pControl)
    {
        m_nHotIndex = -1;
        KillTimer(ZMR_TIMER_HOVER);
        return TRUE;
    }

    if (nKind != 0)
    {
        OnControlHotByKeyboard(nIndex);
        pControl->OnSelectionChange(std::max(nKind, 2));
    }
    else
    {
        pControl->OnSelectionChange(1);
    }
    if (m_bTracking)
        NotifyAccessibilityEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_MENU, nIndex + 1);
    GetMouseManager()->m_pHotBar = this;

    if (nKind == 0 && m_bHoverOpen)
        SetTimer(ZMR_TIMER_HOVER, CZMRCommandBarClock::GetHoverDelay());
    return TRUE;
}

BOOL CZMRCommandBar::SetPoppedControl(int nIndex)
{
    if (nIndex == m_nPoppedIndex)
        return FALSE;
    if (CZMRControl* pPopped = GetControl(m_nPoppedIndex))
    {
        m_nPoppedIndex = -1;
        pPopped->ShowPopup(FALSE);
    }
    m_nPoppedIndex = -1;

    if (nIndex == -1)
        return TRUE;
    CZMRControl* pControl = GetControl(nIndex);
    if (!pControl || !pControl->GetEnabled())
        return FALSE;

    // Entering tracking resets the selection kind; the control keeps the way
    // it was chosen.
    const int nKind = m_nSelectionKind;
    m_nPoppedIndex = nIndex;
    SetMenuLoopActive(2);
    SetHotControl(nIndex, nKind);
    if (!pControl->ShowPopup(TRUE))
    {
        m_nPoppedIndex = -1;
        return FALSE;
    }

    CZMRBarManager* pManager = GetBarManager();
    if (pManager && pManager->GetOptions()->bShowFullAfterDelay && GetSafeHwnd())
        SetTimer(ZMR_TIMER_EXPAND, CZMRCommandBarClock::GetExpandDelay());
    return TRUE;
}

BOOL CZMRCommandBar::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    if ((m_bTracking && bActive) || bActive == m_bTracking)
    {
        m_bTracking = bActive;
        return FALSE;
    }

    CZMRMouseManager* pMouseManager = GetMouseManager();
    CZMRKeyboardManager* pKeyboardManager = CZMRKeyboardManager::GetThreadKeyboardManager();
    if (bActive)
    {
        m_bTracking = bActive;
        if (m_barType == zmrBarTypeMenuBar)
        {
            CWnd* pSite = GetSite();
            if (pSite && pSite->GetSafeHwnd())
                pSite->SendMessage(ZMR_WM_INITCOMMANDSPOPUP, WPARAM(this), 0);
        }
        m_bEnteredByMouse = !bSelectFirst && !nCallback;
        m_nSelectionKind = nCallback;
        if (m_bHideCaret && !m_hWndCaret)
        {
            HWND hWndFocus = ::GetFocus();
            if (!hWndFocus)
            {
                CWnd* pSite = GetSite();
                hWndFocus = pSite ? pSite->GetSafeHwnd() : nullptr;
            }
            if (hWndFocus)
            {
                ::HideCaret(hWndFocus);
                m_hWndCaret = hWndFocus;
            }
        }
        pMouseManager->AddTracked(this);
        pKeyboardManager->AddSink(this);
        // Entered from the keyboard, the bar shows its keyboard tips.
        CZMRBarManager* pManager = GetBarManager();
        if ((bSelectFirst || nCallback) && pManager && pManager->GetOptions()->bKeyboardTips && GetSafeHwnd())
            PostMessage(WM_TIMER, ZMR_TIMER_KEYBOARDTIPS, 0);
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        if (bSelectFirst)
            SetHotControl(m_pControls->GetNext(-1, +1), 2);
    }
    else
    {
        m_bTracking = 0;
        m_bEnteredByMouse = FALSE;
        m_nSelectionKind = 0;
        pMouseManager->RemoveTracked(this);
        pKeyboardManager->RemoveSink(this);
        HideKeyboardTips();
        SetPoppedControl(-1);
        if (bSelectFirst)
            SetHotControl(-1);
        if (m_hWndCaret)
        {
            ::ShowCaret(m_hWndCaret);
            m_hWndCaret = nullptr;
        }
        Redraw();
        if (pMouseManager->GetTrackedCount() == 0)
            pMouseManager->m_pHotBar = nullptr;
        if (GetSafeHwnd() && ::GetFocus() == m_hWnd)
        {
            if (CWnd* pParent = GetParent())
            {
                if (CWnd* pNext = pParent->GetNextDlgTabItem(this))
                    pNext->SetFocus();
            }
        }
        m_nInputSuspension = 0;
    }

    if (CZMRBarManager* pManager = GetBarManager())
        pManager->OnTrackingModeChanged(this, bActive);
    return TRUE;
}

void CZMRCommandBar::OnControlSelectionChanged(int nSelected, CZMRControl* pControl)
{
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(ZMR_WM_CONTROLSELECTED, nSelected && pControl ? WPARAM(pControl) : 0, 0);

    if (CZMRBarManager* pManager = GetBarManager())
    {
        pManager->SetHelpId(nSelected && pControl ? GetControlHelpId(pControl) : 0);
    }

    const int nIndex = nSelected && pControl ? pControl->GetIndex() : -1;
    if (nIndex != m_nStatusIndex)
    {
        m_nStatusIndex = nIndex;
        ShowDescription(nIndex, nIndex == -1 ? nullptr : pControl);
    }
}

void CZMRCommandBar::ShowDescription(int /*nIndex*/, CZMRControl* pControl)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager || !pManager->GetOptions()->bShowStatusDescriptions)
        return;
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    const CString strDescription = pControl ? pControl->GetDescription() : CString();
    if (!strDescription.IsEmpty())
        pSite->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strDescription)));
    else
        pSite->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
}

int CZMRCommandBar::GetControlHelpId(CZMRControl* pControl)
{
    CZMRControlAction* pAction = pControl->GetAction();
    if (pControl->GetHelpId() > 0)
        return pControl->GetHelpId();
    if (pAction && pAction->GetHelpId() > 0)
        return pAction->GetHelpId();
    return pAction ? pAction->GetID() : pControl->GetID();
}
