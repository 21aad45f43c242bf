// The ribbon's messages: presses on tabs, context headers and the caption,
// double clicks that minimize or restore, hot tracking of groups and tabs,
// the caption's hit tests, and the commands of the quick-access position.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRDwmApiBinding.h"
#include "CZMRMouseManager.h"

BEGIN_MESSAGE_MAP(CZMRRibbonBar, CZMRMenuBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_SHOWWINDOW()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND_RANGE(ZMR_ID_RIBBONQUICKACCESSBELOW, ZMR_ID_RIBBONQUICKACCESSABOVE, OnQuickAccessPosition)
    ON_MESSAGE(ZMR_WM_CONTROLNOTIFY, OnControlNotify)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

int CZMRRibbonBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZMRCommandBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    HookSiteWindows();
    return 0;
}

CZMRRibbonTab* CZMRRibbonBar::HitTestTab(CPoint point) const
{
    if (!m_bTabsVisible || !GetRibbonTheme() || !m_rcTabControl.PtInRect(point))
        return nullptr;
    return dynamic_cast<CZMRRibbonTab*>(m_pControlTab->HitTest(point));
}

void CZMRRibbonBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CZMRRibbonTab* pTab = HitTestTab(point);
    m_bPressOnSelectedTab = pTab && pTab == GetSelectedTab();
    if (m_bMinimized && !m_pControlTab->IsPopupShown())
        m_bPressOnSelectedTab = FALSE;

    if (CZMRRibbonTabContextHeader* pHeader = m_pContextHeaders->HitTest(point))
    {
        if (pHeader->m_pFirstTab)
            pHeader->m_pFirstTab->Select();
        return;
    }

    const int nHit = HitTestCaption(point);
    if (nHit != 0)
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
        UpdateWindow();
        HWND hWndFrame = m_pFrameHelper->GetFrameHwnd();
        if (hWndFrame && !(m_pFrameHelper->GetFrameStyle() & WS_MAXIMIZE))
        {
            CPoint ptScreen = point;
            ClientToScreen(&ptScreen);
            const int nCode = nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT ? nHit : HTCAPTION;
            ::DefWindowProcW(hWndFrame, WM_NCLBUTTONDOWN, WPARAM(nCode), MAKELPARAM(ptScreen.x, ptScreen.y));
        }
        return;
    }

    if (m_rcTabControl.PtInRect(point))
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
    }

    if (m_bPressOnSelectedTab || !GetRibbonTheme())
    {
        CZMRToolBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (m_pControlTab->HandleHeaderClick(this, point))
    {
        if (m_bMinimized)
        {
            m_pControlTab->PopupSelectedTab(FALSE);
            m_bPressOnSelectedTab = TRUE;
        }
        return;
    }
    CZMRToolBar::OnLButtonDown(nFlags, point);
}

void CZMRRibbonBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int nHit = HitTestCaption(point);
    if (nHit == HTCAPTION || (nHit == 0 && m_pFrameHelper && m_pContextHeaders->HitTest(point)))
    {
        if (m_pFrameHelper && m_pFrameHelper->GetFrameHwnd())
        {
            CPoint ptScreen = point;
            ClientToScreen(&ptScreen);
            ::DefWindowProcW(m_pFrameHelper->GetFrameHwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION,
                             MAKELPARAM(ptScreen.x, ptScreen.y));
        }
        return;
    }

    CZMRRibbonTab* pTab = HitTestTab(point);
    if (pTab && pTab == GetSelectedTab() && m_bAllowMinimize)
    {
        if (m_bMinimized)
            SetMinimized(FALSE);
        else if (m_bPressOnSelectedTab)
            SetMinimized(TRUE);
        m_bPressOnSelectedTab = TRUE;
    }
    CZMRToolBar::OnLButtonDblClk(nFlags, point);
}

void CZMRRibbonBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    if (IsCustomizeMode())
    {
        CZMRCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    pManager->CancelTracking();
    if (HitTestCaption(point) != 0)
        return;
    if (CZMRControl* pControl = HitTest(point))
        pControl->OnRButtonDown(point);
}

void CZMRRibbonBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (HitTestCaption(point) == HTCAPTION)
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
        UpdateWindow();
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        HWND hWndFrame = m_pFrameHelper->GetFrameHwnd();
        ::SendMessageW(hWndFrame, 0x313, WPARAM(hWndFrame), MAKELPARAM(ptScreen.x, ptScreen.y));
        return;
    }
    if (IsCustomizeMode())
        return;

    if (CZMRControl* pControl = HitTest(point))
    {
        CWnd* pSite = GetSite();
        if (pSite && pSite->GetSafeHwnd() &&
            pSite->SendMessage(ZMR_WM_CONTROLRBUTTONUP, 0, reinterpret_cast<LPARAM>(pControl)) == 1)
            return;
        if (!pControl->OnRButtonUp(point))
            ShowContextMenu(point, pControl);
        return;
    }
    if (CZMRControl* pGroupButton = HitTestGroupCaption(this, point))
        ShowContextMenu(point, pGroupButton);
    else if (m_rcQuickAccess.PtInRect(point))
        ShowContextMenu(point, m_pControlTab);
    else
        Default();
    (void)nFlags;
}

BOOL CZMRRibbonBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    const int nHit = HitTestCaption(point);
    if (nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT && m_pFrameHelper->GetFrameHwnd())
    {
        ::SendMessageW(m_pFrameHelper->GetFrameHwnd(), WM_SETCURSOR, WPARAM(m_pFrameHelper->GetFrameHwnd()),
                       MAKELPARAM(nHit, message));
        return TRUE;
    }
    return CZMRToolBar::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT CZMRRibbonBar::OnNcHitTest(CPoint point)
{
    if (m_pFrameHelper && m_pFrameHelper->IsCompositionEnabled() && m_pFrameHelper->GetFrameHwnd())
    {
        LRESULT lResult = 0;
        if (m_pFrameHelper->GetDwmApiBinding()->DefWindowProc(m_pFrameHelper->GetFrameHwnd(), WM_NCHITTEST, 0,
                                                              MAKELPARAM(point.x, point.y), &lResult) == TRUE)
        {
            if (lResult == HTMINBUTTON || lResult == HTMAXBUTTON || lResult == HTCLOSE || lResult == HTHELP)
                return HTTRANSPARENT;
        }
    }
    return CZMRToolBar::OnNcHitTest(point);
}

void CZMRRibbonBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CZMRMouseManager* pMouseManager = GetMouseManager();
    TrackHotGroup(pMouseManager, point);
    CWnd* pSite = GetSite();
    const BOOL bSiteActive = pSite && pSite->GetSafeHwnd() && CZMRMouseManager::IsOwnerWindowActive(pSite->GetSafeHwnd());
    const BOOL bPopupOpen = GetPoppedIndex() != -1;
    if (pMouseManager->GetTrackedCount() == 0 && bSiteActive && !pMouseManager->IsMouseLocked(this) && !bPopupOpen &&
        GetRibbonTheme())
        m_pControlTab->TrackHotItem(this, point);
    CZMRCommandBar::OnMouseMove(nFlags, point);
}

void CZMRRibbonBar::OnMouseLeave()
{
    if (GetRibbonTheme())
        m_pControlTab->TrackHotItem(this, CPoint(-1, -1));
    SetHotGroup(nullptr);
    CZMRCommandBar::OnMouseLeave();
}

void CZMRRibbonBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CZMRMenuBar::OnShowWindow(bShow, nStatus);
    if (m_pFrameHelper && bShow != m_bShownBySize)
    {
        m_bShownBySize = bShow;
        m_pFrameHelper->RecalcFrame();
    }
}

void CZMRRibbonBar::OnSysColorChange()
{
    CZMRMenuBar::OnSysColorChange();
    if (CZMRRibbonTheme* pTheme = GetRibbonTheme())
        pTheme->RefreshMetrics();
    m_pControlTab->Reposition();
}

void CZMRRibbonBar::OnQuickAccessPosition(UINT nId)
{
    if (CZMRBarManager* pManager = GetBarManager())
        pManager->CancelTracking();
    ShowQuickAccessBelow(nId == ZMR_ID_RIBBONQUICKACCESSBELOW);
}


