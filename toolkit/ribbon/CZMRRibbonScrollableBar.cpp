// The groups' scroll buttons with their repeat loop, scrolling a range into
// view, and the hot group of bars that show ribbon groups.
#include "CZMRRibbonScrollableBar.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"

#include <algorithm>

namespace
{
// How far one scroll step moves the groups.
const int kScrollStep = 40;
// The width a scroll button takes at its end of the groups band.
const int kButtonWidth = 12;
} // namespace

CZMRRibbonScrollableBar::CControlGroupsScroll::CControlGroupsScroll(int nDirection) : m_nDirection(nDirection)
{
    m_dwFlags = zmrFlagSkipFocus | zmrFlagNoMovable;
}

void CZMRRibbonScrollableBar::CControlGroupsScroll::Draw(CDC* pDC)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent()))
        pTheme->DrawGroupScrollButton(pDC, this, m_nDirection == 1);
}

void CZMRRibbonScrollableBar::CControlGroupsScroll::OnClick(BOOL /*bKeyboard*/, CPoint /*point*/)
{
    CZMRCommandBar* pBar = GetParent();
    CZMRRibbonScrollableBar* pScrollable = FromBar(pBar);
    if (::GetKeyState(VK_LBUTTON) >= 0 || !pScrollable || !pBar->GetSafeHwnd())
        return;
    const HWND hWndBar = pBar->GetSafeHwnd();
    const BOOL bLeft = m_nDirection == 1;
    // Scrolling lays the bar out again, which may hide this button: it stays
    // alive until the loop is done.
    InternalAddRef();
    m_bPressed = 1;
    RepaintInParentBar();
    pScrollable->ScrollGroups(bLeft);
    const UINT nDoubleClick = ::GetDoubleClickTime();
    ::SetTimer(hWndBar, TimerRepeat, nDoubleClick * 4 / 5, nullptr);
    ::SetCapture(hWndBar);

    BOOL bFirstTick = TRUE;
    while (::IsWindow(hWndBar) && ::GetCapture() == hWndBar && IsVisible())
    {
        MSG msg;
        if (!::GetMessageW(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hWndBar && msg.wParam == TimerRepeat)
        {
            pScrollable->ScrollGroups(bLeft);
            if (bFirstTick)
            {
                // After the first pause the steps follow quickly.
                ::SetTimer(hWndBar, TimerRepeat, nDoubleClick / 10, nullptr);
                bFirstTick = FALSE;
            }
            continue;
        }
        if (msg.message == WM_LBUTTONUP)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }

    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    if (::IsWindow(hWndBar))
        ::KillTimer(hWndBar, TimerRepeat);
    m_bPressed = 0;
    if (!IsVisible())
        m_bSelected = 0;
    RepaintInParentBar();
    InternalRelease();
}

CZMRRibbonScrollableBar::CZMRRibbonScrollableBar()
    : m_nScrollOffset(0), m_pOwningBar(nullptr), m_pScrollLeft(nullptr), m_pScrollRight(nullptr),
      m_pHotGroup(nullptr)
{
}

CZMRRibbonScrollableBar* CZMRRibbonScrollableBar::FromBar(CZMRCommandBar* pBar)
{
    return dynamic_cast<CZMRRibbonScrollableBar*>(pBar);
}

void CZMRRibbonScrollableBar::ScrollGroups(BOOL /*bLeft*/)
{
}

CRect CZMRRibbonScrollableBar::GetGroupsRect() const
{
    return CRect(0, 0, 0, 0);
}

CZMRRibbonGroup* CZMRRibbonScrollableBar::HitTestGroup(CPoint /*point*/) const
{
    return nullptr;
}

void CZMRRibbonScrollableBar::CreateScrollButtons(CZMRCommandBar* pBar)
{
    m_pOwningBar = pBar;
    m_nScrollOffset = 0;
    m_pScrollRight = new CControlGroupsScroll(0);
    pBar->GetControls()->Append(m_pScrollRight);
    m_pScrollLeft = new CControlGroupsScroll(1);
    pBar->GetControls()->Append(m_pScrollLeft);
    m_pScrollRight->SetHideFlags(zmrHideInternal);
    m_pScrollLeft->SetHideFlags(zmrHideInternal);
}

void CZMRRibbonScrollableBar::ShowScrollButtons(BOOL bLeft, BOOL bRight)
{
    if (!m_pScrollLeft || !m_pScrollRight)
        return;
    const CRect rcGroups = GetGroupsRect();
    struct
    {
        CControlGroupsScroll* pButton;
        BOOL bShow;
        CRect rc;
    } buttons[] = {
        {m_pScrollLeft, bLeft,
         CRect(rcGroups.left - 1, rcGroups.top, rcGroups.left + kButtonWidth, rcGroups.bottom)},
        {m_pScrollRight, bRight,
         CRect(rcGroups.right - kButtonWidth, rcGroups.top, rcGroups.right + 1, rcGroups.bottom)},
    };
    for (auto& button : buttons)
    {
        const DWORD dwHide = button.pButton->GetHideFlags();
        if (button.bShow)
        {
            button.pButton->SetHideFlags(dwHide & ~DWORD(zmrHideInternal));
            button.pButton->SetRect(button.rc);
        }
        else
        {
            button.pButton->SetHideFlags(dwHide | zmrHideInternal);
        }
    }
}

BOOL CZMRRibbonScrollableBar::IsScrollButtonVisible() const
{
    return (m_pScrollLeft && m_pScrollLeft->IsVisible()) || (m_pScrollRight && m_pScrollRight->IsVisible());
}

int CZMRRibbonScrollableBar::CalcScrollIntoView(int nApplied, const CRect& rcGroups, int nLeft, int nRight,
                                                BOOL bLeftShown, BOOL bRightShown)
{
    int nOffset = nApplied;
    if (nLeft < kButtonWidth && bLeftShown)
        nOffset += nLeft - kButtonWidth;
    else if (rcGroups.right < nRight && bRightShown)
        nOffset += rcGroups.left + nRight - rcGroups.right + kButtonWidth;
    return std::max(nOffset, 0);
}

int CZMRRibbonScrollableBar::CalcScrollStep(int nApplied, BOOL bLeft)
{
    return bLeft ? std::max(nApplied - kScrollStep, 0) : nApplied + kScrollStep;
}

void CZMRRibbonScrollableBar::RequestScrollOffset(int nOffset)
{
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    if (m_pOwningBar)
        m_pOwningBar->OnRecalcLayout();
}

void CZMRRibbonScrollableBar::ScrollIntoView(CZMRRibbonGroups* pGroups, int nLeft, int nRight)
{
    if (!pGroups)
        return;
    const int nOffset = CalcScrollIntoView(pGroups->GetAppliedScrollOffset(), GetGroupsRect(), nLeft, nRight,
                                           m_pScrollLeft && m_pScrollLeft->IsVisible(),
                                           m_pScrollRight && m_pScrollRight->IsVisible());
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    CZMRRibbonTab* pTab = pGroups->GetTab();
    if (CZMRCommandBar* pHost = pTab ? pTab->GetHostBar() : m_pOwningBar)
        pHost->OnRecalcLayout();
}

void CZMRRibbonScrollableBar::SetHotGroup(CZMRRibbonGroup* pGroup)
{
    if (pGroup == m_pHotGroup)
        return;
    if (m_pHotGroup && m_pOwningBar)
    {
        const CRect rc = m_pHotGroup->GetRect();
        m_pOwningBar->Redraw(&rc, TRUE);
    }
    m_pHotGroup = pGroup;
    if (m_pHotGroup && m_pOwningBar)
    {
        const CRect rc = m_pHotGroup->GetRect();
        m_pOwningBar->Redraw(&rc, TRUE);
    }
}

void CZMRRibbonScrollableBar::TrackHotGroup(CZMRMouseManager* pMouseManager, CPoint point)
{
    CZMRCommandBar* pBar = m_pOwningBar;
    if (!pBar || !pMouseManager)
        return;
    // A popup that shows groups is itself tracked: only popups opened over
    // it take the mouse away.
    const int nTracked = pMouseManager->GetTrackedCount();
    const BOOL bOtherPopups = nTracked > 0 && !(pBar->IsPopupBar() && pMouseManager->GetLastTracked() == pBar);
    CWnd* pSite = pBar->GetSite();
    const BOOL bSiteActive =
        pSite && pSite->GetSafeHwnd() && CZMRMouseManager::IsOwnerWindowActive(pSite->GetSafeHwnd());
    if (bOtherPopups || !bSiteActive || pMouseManager->IsMouseLocked(pBar) || pBar->GetPoppedIndex() != -1)
        return;
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(pBar);
    if (!pTheme || !pTheme->IsGroupHotTracking())
        return;
    CZMRRibbonGroup* pGroup = HitTestGroup(point);
    if (pGroup == m_pHotGroup)
        return;
    SetHotGroup(pGroup);
    if (pGroup && pBar->GetSafeHwnd())
        pMouseManager->TrackMouseLeave(pBar->GetSafeHwnd());
}
