// The mouse on a command bar: hot tracking, clicks, the right button, mouse
// leave, the bar's timers and its hit tests.
#include "CZMRCommandBar.h"
#include "CZMRControlPopup.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRControlAction.h"
#include "CZMRControlDragHelper.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"
#include "CZMRPopupBar.h"
#include "CZMRScrollBase.h"

CZMRControl* CZMRCommandBar::HitTest(CPoint point) const
{
    return m_pControls->HitTest(point);
}

int CZMRCommandBar::IsPointInside(CPoint ptScreen) const
{
    CRect rcWindow;
    if (!GetSafeHwnd() || !::GetWindowRect(m_hWnd, &rcWindow) || !rcWindow.PtInRect(ptScreen))
        return 0;
    if (m_barPosition == zmrBarPopup)
    {
        // A shaped popup holds only the points of its region.
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        const BOOL bOutside = ::GetWindowRgn(m_hWnd, hRgn) != ERROR &&
                              !::PtInRegion(hRgn, ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top);
        ::DeleteObject(hRgn);
        if (bOutside)
            return 0;
    }
    return 1;
}

// ---------------------------------------------------------------- moves and leaving

void CZMRCommandBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CZMRMouseManager* pMouseManager = GetMouseManager();
    if (pMouseManager->IsMouseLocked(this))
        return;
    if (!m_bTracking && m_barPosition != zmrBarPopup && !CZMRMouseManager::IsOwnerWindowActive(m_hWnd))
        return;
    if (pMouseManager->m_nFocusCount > 0 && !m_bMouseLockExempt)
        return;
    if (m_nInputSuspension > 0)
        return;

    if (IsCustomizeMode())
    {
        CZMRBarManager* pManager = GetBarManager();
        CZMRControl* pSelection = pManager ? pManager->GetCustomizeSelection() : nullptr;
        if (pSelection && pSelection->GetParent() == this)
            pSelection->OnMouseMove(point);
        return;
    }
    if (m_nPoppedIndex != -1 && !m_bHoverOpen)
        return;

    CZMRControl* pControl = HitTest(point);
    if (pControl)
    {
        SetHotControl(pControl->GetIndex(), 0);
        pControl->OnMouseMove(point);
        // WM_MOUSELEAVE tells the bar when the mouse goes.
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    else if (!m_bTracking || (IsPopupBar() && m_nPoppedIndex == -1 && m_nSelectionKind == 0))
    {
        SetHotControl(-1);
    }
}

void CZMRCommandBar::OnMouseLeave()
{
    if (GetMouseManager()->IsMouseLocked(this))
        return;
    if (m_bTracking && m_nPoppedIndex != -1)
        return;
    if (m_nInputSuspension > 0)
        return;
    SetHotControl(-1);
}

void CZMRCommandBar::OnNcMouseMove(UINT /*nHitTest*/, CPoint /*point*/)
{
    OnMouseLeave();
}

// ---------------------------------------------------------------- buttons

void CZMRCommandBar::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CZMRControl* pControl = HitTest(point);
    if (IsPopupBar() && m_barType == zmrBarTypeNormal)
    {
        if (m_nPoppedIndex != -1 && (!pControl || pControl->GetIndex() != m_nPoppedIndex))
            SetPoppedControl(-1);
    }
    if (!pControl)
        return;

    CZMRBarManager* pManager = GetBarManager();
    const BOOL bCustomize = IsCustomizeMode();
    if (!bCustomize && ::GetKeyState(VK_MENU) < 0 && !IsPopupBar() && m_barType == zmrBarTypeNormal &&
        pControl->IsCustomizable() && pManager && pManager->IsAltDragAllowed())
    {
        // Alt + drag moves the control as customize mode would.
        pManager->SetCustomizeMode(this);
        pControl->BeginControlMove(point);
        pManager->SetCustomizeMode(nullptr);
        pManager->RecalcFrameLayout(TRUE);
        return;
    }
    if (bCustomize && !pControl->IsCustomizable())
        return;
    pControl->OnClick(FALSE, point);
}

void CZMRCommandBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    if (IsCustomizeMode())
        return;
    if (CZMRControl* pControl = HitTest(point))
        pControl->OnLButtonDblClk(point);
}

void CZMRCommandBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (IsCustomizeMode())
        return;
    if (CZMRControl* pControl = HitTest(point))
        pControl->OnLButtonUp(point);
}

void CZMRCommandBar::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    CZMRControl* pControl = HitTest(point);
    if (pControl && pControl->OnRButtonDown(point))
        return;
    CZMRBarManager* pManager = GetBarManager();
    if (!IsCustomizeMode() || !pManager || !pControl || !pControl->IsCustomizable() || !pControl->IsVisible())
        return;
    SetPoppedControl(-1);
    SetHotControl(-1);
    pManager->SetCustomizeSelection(pControl);
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    pManager->GetDragHelper()->ShowContextMenu(ptScreen);
}

void CZMRCommandBar::OnRButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (IsCustomizeMode())
        return;
    CZMRCommandBar* pRootBar = GetRootBar();
    if (CZMRControl* pControl = HitTest(point))
    {
        CPoint ptClick = point;
        CWnd* pSite = GetSite();
        if (pSite && pSite->GetSafeHwnd() &&
            pSite->SendMessage(ZMR_WM_CONTROLRBUTTONUP, reinterpret_cast<WPARAM>(&ptClick),
                               reinterpret_cast<LPARAM>(pControl)) == 1)
            return;
        if (pRootBar->m_bRightButton)
        {
            // A popup tracked for the right button chooses with it.
            pControl->OnLButtonUp(point);
            return;
        }
        if (pControl->OnRButtonUp(point))
            return;
    }
    if (pRootBar != this)
    {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        pRootBar->OnContextMenu(ptScreen);
    }
}

// The frame of a bar is the framework's until the floating bars take it over.
// ---------------------------------------------------------------- timers

void CZMRCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case ZMR_TIMER_KEYBOARDTIPS:
    {
        KillTimer(ZMR_TIMER_KEYBOARDTIPS);
        CZMRMouseManager* pMouseManager = GetMouseManager();
        CZMRBarManager* pManager = GetBarManager();
        const int nTracked = pMouseManager->GetTrackedCount();
        if (pManager && nTracked > 0 && pMouseManager->GetTrackedAt(nTracked - 1) == this &&
            !pManager->AreKeyboardTipsShown())
            pManager->ShowKeyboardTips(this, 1);
        return;
    }
    case ZMR_TIMER_HOVER:
        if (m_nInputSuspension > 0)
            return;
        KillTimer(ZMR_TIMER_HOVER);
        if (CZMRControl* pHot = GetControl(m_nHotIndex))
            pHot->OnMouseHover();
        return;
    case ZMR_TIMER_EXPAND:
    {
        if (m_nInputSuspension > 0)
            return;
        KillTimer(ZMR_TIMER_EXPAND);
        // Only while the pointer still rests on the control that opened the
        // popup: a popup opened from the keyboard, or left, stays short.
        CZMRControlPopup* pHot = DYNAMIC_DOWNCAST(CZMRControlPopup, GetControl(m_nHotIndex));
        if (pHot && m_nHotIndex == m_nPoppedIndex && pHot->IsPopupOpen() && pHot->IsCursorOver())
            pHot->ExpandIfHovered();
        return;
    }
    case ZMR_TIMER_ANIMATION:
        m_pAnimation->OnTimer();
        return;
    case ZMR_TIMER_SMOOTHSCROLL:
    {
        // The smooth scroll of a control that scrolls itself; the timer
        // stops once none runs any more.
        BOOL bRunning = FALSE;
        for (int i = 0; i < GetControlCount(); i++)
        {
            CZMRScrollBase* pScrollBase = dynamic_cast<CZMRScrollBase*>(GetControl(i));
            if (pScrollBase && pScrollBase->IsSmoothScrolling())
            {
                pScrollBase->OnSmoothScrollTimer();
                bRunning = bRunning || pScrollBase->IsSmoothScrolling();
            }
        }
        if (!bRunning)
            KillTimer(ZMR_TIMER_SMOOTHSCROLL);
        return;
    }
    default:
        CWnd::OnTimer(nIDEvent);
    }
}

// In customize mode the edge of a control whose width may change shows the
// resize cursor.
BOOL CZMRCommandBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && IsCustomizeMode())
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        CZMRControl* pControl = HitTest(point);
        if (pControl && pControl->UpdateResizeCursor(point))
            return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// ---------------------------------------------------------------- framework messages

LRESULT CZMRCommandBar::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam)
{
    OnIdleUpdateCmdUI(wParam, lParam);
    return 0;
}

LRESULT CZMRCommandBar::OnInitialUpdate(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    OnIdleUpdateCmdUI(TRUE, 0);
    return 0;
}

