#include "CZMRPopupBar.h"
#include "CZMRPropExchange.h"
#include "CZMRControlPopup.h"
#include "CZMRBarManager.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"
#include "CZMRMonitorAreas.h"
#include "CZMRMouseManager.h"
#include "CZMRMenuSoundPlayer.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupPlacement.h"
#include "CZMRShadowManager.h"
#include "CZMRToolTipContext.h"
#include <cstdlib>

IMPLEMENT_SERIAL(CZMRPopupBar, CZMRCommandBar, VERSIONABLE_SCHEMA | 0x21)

std::function<void(CPoint, const CRect&, CRect&, CRect&)> CZMRPopupBar::s_fnMonitorAreas;

CZMRPopupBar::CZMRPopupBar()
    : m_pControlPopup(nullptr), m_ptAnchor(0, 0), m_rcExclude(0, 0, 0, 0), m_dwDirection(0), m_bLayoutLock(FALSE),
      m_bMoreControlsHidden(FALSE), m_bExpanded(FALSE), m_bExpanding(FALSE), m_bTearOffPopup(FALSE),
      m_nTearOffId(0), m_nTearOffWidth(0), m_bShowShadow(TRUE), m_rcBorders(2, 4, 2, 4), m_bDoubleGripper(FALSE),
      m_bContextMenu(FALSE), m_bScrolling(FALSE), m_nFirstVisible(0), m_nEndVisible(0), m_rcScrollUp(0, 0, 0, 0),
      m_rcScrollDown(0, 0, 0, 0), m_bScrollUpTimer(FALSE), m_bScrollDownTimer(FALSE), m_rcTearOffHandle(0, 0, 0, 0),
      m_rcResizeGripper(0, 0, 0, 0), m_nResizeMode(0), m_bTearOffHot(FALSE), m_bTearingOff(FALSE), m_szTornOff(0, 0),
      m_pTornOffBar(nullptr), m_nTearOffHeight(0), m_nGripperHeight(0), m_nExpandHeight(0), m_bInCaptureLoop(FALSE)
{
    m_barType = zmrBarTypePopup;
    m_barPosition = zmrBarPopup;
}

CZMRPopupBar* CZMRPopupBar::CreatePopupBar(CZMRBarManager* pBarManager)
{
    return static_cast<CZMRPopupBar*>(
        CZMRBarManager::CreateBar(CZMRBarManager::m_classes.pPopupBarClass, RUNTIME_CLASS(CZMRPopupBar), pBarManager));
}

BOOL CZMRPopupBar::IsVisible() const
{
    return GetSafeHwnd() && ::IsWindowVisible(m_hWnd);
}

CZMRCommandBar* CZMRPopupBar::GetParentBar() const
{
    return m_pControlPopup ? m_pControlPopup->GetParent() : nullptr;
}

BOOL CZMRPopupBar::IsPopupBar() const
{
    return TRUE;
}

void CZMRPopupBar::ScheduleRedraw()
{
    Redraw();
}

CRect CZMRPopupBar::GetBorders() const
{
    if (m_barType == zmrBarTypeNormal)
        return m_rcBorders;
    return GetPaintManager()->GetBarBorderWidths(const_cast<CZMRPopupBar*>(this));
}

void CZMRPopupBar::ResetSelection()
{
    m_nHotIndex = -1;
    m_nPoppedIndex = -1;
    OnRecalcLayout();
}

void CZMRPopupBar::Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive)
{
    CZMRCommandBar::Copy(pCommandBar, bRecursive);
    CZMRPopupBar* pSource = DYNAMIC_DOWNCAST(CZMRPopupBar, pCommandBar);
    if (!pSource)
        return;
    m_bTearOffPopup = pSource->m_bTearOffPopup;
    m_strTearOffCaption = pSource->m_strTearOffCaption;
    m_nTearOffId = pSource->m_nTearOffId;
    m_nTearOffWidth = pSource->m_nTearOffWidth;
    m_bShowShadow = pSource->m_bShowShadow;
    m_rcBorders = pSource->m_rcBorders;
    m_bContextMenu = pSource->m_bContextMenu;
}

void CZMRPopupBar::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRCommandBar::DoPropExchange(pPX);
    if (!pPX)
        return;
    const int nSchema = pPX->GetSchema();
    PropExchangeBool(pPX, L"TearOffPopup", &m_bTearOffPopup, FALSE);
    PropExchangeString(pPX, L"TearOffCaption", &m_strTearOffCaption, L"");
    PropExchangeInt(pPX, L"TearOffId", &m_nTearOffId, 0);
    PropExchangeInt(pPX, L"TearOffWidth", &m_nTearOffWidth, 0);
    if (nSchema > 3)
    {
        PropExchangeRect(pPX, L"Borders", &m_rcBorders, CRect(2, 4, 2, 4));
        PropExchangeBool(pPX, L"ShowShadow", &m_bShowShadow, TRUE);
    }
    if (nSchema > 8)
        PropExchangeBool(pPX, L"DoubleGripper", &m_bDoubleGripper, FALSE);
    // Popups of older states always had the icon column.
    if (pPX->IsLoading() && nSchema < 20)
        m_dwStyle |= zmrBarStyleGripper;
    if (nSchema > 18)
        PropExchangeBool(pPX, L"ContextMenu", &m_bContextMenu, FALSE);
}

// ---------------------------------------------------------------- the window

BOOL CZMRPopupBar::CreatePopupWindow()
{
    if (GetSafeHwnd())
        return TRUE;
    CZMRBarManager* pManager = GetBarManager();
    UINT nClassStyle = CS_DBLCLKS;
    if (!pManager || pManager->GetOptions()->bPopupSaveBits)
        nClassStyle |= CS_SAVEBITS;
    CZMRDrawHelpers::RegisterWndClass(AfxGetInstanceHandle(), L"ZMRPopupBar", nClassStyle);

    DWORD dwExStyle = WS_EX_TOOLWINDOW;
    // Without a manager the image manager's drawing direction decides.
    if (pManager ? pManager->IsRightToLeft() : GetImageManager()->m_nDrawReverted == 1)
        dwExStyle |= WS_EX_LAYOUTRTL;
    CWnd* pSite = GetSite();
    return CreateEx(dwExStyle, L"ZMRPopupBar", m_strTitle, 0x86000100, 0, 0, 0, 0,
                    pSite ? pSite->GetSafeHwnd() : nullptr, nullptr);
}

LRESULT CZMRPopupBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCCREATE:
    {
        // The popup looks active while the frame it belongs to is.
        const LRESULT lResult = CZMRCommandBar::WindowProc(message, wParam, lParam);
        HWND hWndTop = ::GetAncestor(::GetParent(m_hWnd) ? ::GetParent(m_hWnd) : m_hWnd, GA_ROOT);
        HWND hWndForeground = ::GetForegroundWindow();
        const BOOL bActive = hWndTop && (hWndForeground == hWndTop ||
                                         (::GetLastActivePopup(hWndTop) == hWndForeground &&
                                          ::SendMessageW(hWndForeground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0)));
        ::SendMessageW(m_hWnd, WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE, 0);
        return lResult;
    }
    case WM_NCACTIVATE:
        if (wParam)
            return FALSE;
        break;
    case WM_FLOATSTATUS:
        if ((wParam & FS_SYNCACTIVE) && (GetStyle() & 0x100))
            return 1;
        break;
    case WM_MOUSEMOVE:
    {
        if (m_nInputSuspension > 0)
            return 0;
        // Back over the popup, its opener is the hot control of its bar again.
        CZMRCommandBar* pParent = GetParentBar();
        CRect rcClient;
        GetClientRect(&rcClient);
        const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
        if (pParent && m_pControlPopup && rcClient.PtInRect(point))
            pParent->SetHotControl(m_pControlPopup->GetIndex(), 0);
        OnPopupMouseMove(point);
        break;
    }
    case WM_LBUTTONDOWN:
        if (OnPopupLButtonDown(CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)))))
            return 0;
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnPopupSetCursor())
            return TRUE;
        break;
    case WM_TIMER:
        if (OnPopupTimer(wParam))
            return 0;
        break;
    case WM_DESTROY:
        // Windows of controls live on in the site.
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(m_hWnd, GW_CHILD))
        {
            ::ShowWindow(hChild, SW_HIDE);
            CWnd::FromHandle(hChild)->SetParent(GetSite());
        }
        break;
    }
    return CZMRCommandBar::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- placement

void CZMRPopupBar::AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical)
{
    if (CZMRControlPopup* pControlPopup = DYNAMIC_DOWNCAST(CZMRControlPopup, m_pControlPopup))
        pControlPopup->AdjustAvoidRect(rcAvoid, bVertical);
}

void CZMRPopupBar::ComputeAnchorFromControl()
{
    CZMRCommandBar* pParent = GetParentBar();
    if (!m_pControlPopup || !pParent)
        return;
    m_dwDirection = ((m_pControlPopup->GetFlags() & 0x4) || IsRightToLeftWindow()) ? 1 : 0;
    const int nPosition = pParent->GetPosition();
    const BOOL bPopupParent = pParent->GetType() == zmrBarTypePopup;
    const BOOL bAsLeft = nPosition == zmrBarLeft || nPosition == zmrBarPopup ||
                         (bPopupParent && nPosition == zmrBarFloating);
    if ((pParent->GetFlags() & 0x200000) && nPosition == zmrBarPopup)
        m_dwDirection |= 2;
    else if (nPosition == zmrBarRight)
        m_dwDirection = 1;
    else if (bAsLeft)
    {
        CZMRPopupBar* pParentPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, pParent);
        if (bPopupParent && pParentPopup && (pParentPopup->m_dwDirection & 1))
            m_dwDirection = 1;
    }
    else
        m_dwDirection |= 2;

    CRect rc = m_pControlPopup->GetRect();
    const BOOL bComboOnBar = m_pControlPopup->GetType() == zmrControlComboBox && !bPopupParent;
    if (!bComboOnBar)
        AdjustAvoidRect(rc, nPosition == zmrBarLeft || nPosition == zmrBarRight || bAsLeft);
    else
        m_dwDirection |= 2;
    if (pParent->GetSafeHwnd())
        pParent->ClientToScreen(&rc);
    m_rcExclude = rc;
    m_ptAnchor = (m_dwDirection & 2) ? CPoint(rc.left, rc.bottom) : CPoint(rc.right, rc.top);
}

CRect CZMRPopupBar::CalcPopupRect(CPoint ptAnchor, CSize szPopup)
{
    CZMRPopupPlacement::CInput in;
    in.ptAnchor = ptAnchor;
    in.szPopup = szPopup;
    in.rcExclude = m_rcExclude;
    in.dwDirection = m_dwDirection;
    if (s_fnMonitorAreas)
        s_fnMonitorAreas(ptAnchor, m_rcExclude, in.rcWork, in.rcMonitor);
    else if (m_rcExclude.IsRectEmpty())
    {
        in.rcWork = GetMonitorAreas()->GetWorkArea(ptAnchor);
        in.rcMonitor = GetMonitorAreas()->GetMonitorBounds(ptAnchor);
    }
    else
    {
        in.rcWork = GetMonitorAreas()->GetWorkArea(&m_rcExclude);
        in.rcMonitor = GetMonitorAreas()->GetMonitorBounds(&m_rcExclude);
    }
    CZMRBarManager* pManager = GetBarManager();
    in.bMayFlip = (pManager && pManager->GetOptions()->nPopupPlacement) || m_bRowBoundLayout;
    CZMRCommandBar* pParent = GetParentBar();
    if (m_pControlPopup && (m_pControlPopup->GetType() != zmrControlComboBox ||
                            (pParent && pParent->GetType() == zmrBarTypePopup)))
    {
        // The control's rectangle as a side-opening popup keeps it clear.
        CRect rc = m_pControlPopup->GetRect();
        AdjustAvoidRect(rc, TRUE);
        if (pParent && pParent->GetSafeHwnd())
            pParent->ClientToScreen(&rc);
        in.rcSideExclude = rc;
    }
    if (m_barType == zmrBarTypePopup && !m_bRowBoundLayout)
        in.fnLayoutForHeight = [this](int nHeight) { return CalcDynamicLayout(nHeight, 0); };

    const CZMRPopupPlacement::COutput out = CZMRPopupPlacement::Calc(in);
    m_dwDirection = out.dwDirection;
    m_rcExclude = out.rcExclude;
    const BOOL bWasScrolling = m_bScrolling;
    m_bScrolling = out.bScroll && m_barType == zmrBarTypePopup && m_barPosition == zmrBarPopup;
    m_rcScrollUp.SetRectEmpty();
    m_rcScrollDown.SetRectEmpty();
    if (m_bScrolling)
    {
        // A popup already scrolled keeps its range when it is laid out again.
        if (!bWasScrolling)
            m_nFirstVisible = 0;
        const CSize szFinal = out.rcPopup.Size();
        LayoutScrolled(&szFinal, FALSE, FALSE);
    }
    return out.rcPopup;
}

void CZMRPopupBar::Reposition(CSize szPopup)
{
    const CRect rc = CalcPopupRect(m_ptAnchor, szPopup);
    const UINT nFlags = SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW | (IsWindowVisible() ? SWP_NOZORDER : 0);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
}

int CZMRPopupBar::GetAnimationType() const
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager || (GetSafeHwnd() && ::GetWindow(m_hWnd, GW_CHILD)))
        return 5;
    switch (pManager->GetOptions()->nAnimationType)
    {
    case 0:
    {
        BOOL bAnimation = FALSE, bFade = FALSE;
        if (!::SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &bAnimation, 0) || !bAnimation)
            return 5;
        if (::SystemParametersInfoW(SPI_GETMENUFADE, 0, &bFade, 0) && bFade)
            return 4;
        return 3;
    }
    case 1:
    {
        static const int kRandom[] = {4, 3, 2};
        return kRandom[rand() % 3];
    }
    default:
        return pManager->GetOptions()->nAnimationType;
    }
}

void CZMRPopupBar::PlayOpenAnimation()
{
    CZMRCommandBar* pParent = GetParentBar();
    if (pParent && !pParent->IsEnteredByMouse())
    {
        GetPaintManager()->ApplyBarWindowRegion(this);
        return;
    }
    // Only the region here: the animated opening draws nothing that can be
    // read back, and the popup paints itself when shown.
    GetPaintManager()->ApplyBarWindowRegion(this);
}

// ---------------------------------------------------------------- opening and closing

BOOL CZMRPopupBar::OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst)
{
    m_pControlPopup = pControlPopup;
    if (!CreatePopupWindow())
        return FALSE;
    if (m_pToolTipContext)
        m_pToolTipContext->CancelToolTips();
    LockRedraw();
    if (CWnd* pOwner = GetOwnerWindow(); pOwner && pOwner->GetSafeHwnd())
        pOwner->SendMessage(ZMR_WM_POPUPOPENING, 0, LPARAM(this));

    m_bTearOffHot = FALSE;
    m_bMoreControlsHidden = FALSE;
    m_bScrolling = FALSE;
    m_bExpanded = IsCustomizeMode() ? TRUE : GetMouseManager()->m_bMenusExpanded;

    ComputeAnchorFromControl();
    Reposition(CalcDynamicLayout(0, 0));

    if (!GetSafeHwnd())
    {
        UnlockRedraw();
        return FALSE;
    }
    CZMRCommandBar* pParent = GetParentBar();
    if (m_pControlPopup && (!pParent || !pParent->GetSafeHwnd()))
    {
        UnlockRedraw();
        DestroyWindow();
        return FALSE;
    }

    SetMenuLoopActive(1, bSelectFirst, bSelectFirst);
    // The layout was just made: the idle update must not make it again.
    m_nPending &= ~zmrPendingLayout;
    OnIdleUpdateCmdUI(1, 0);
    if (!GetSafeHwnd())
    {
        UnlockRedraw();
        return FALSE;
    }

    PlayOpenAnimation();
    if (pParent)
        pParent->m_bEnteredByMouse = FALSE;
    CZMRMenuSoundPlayer::GetInstance()->Request(CZMRMenuSoundPlayer::soundMenuPopup);

    ShowPopupShadow();

    m_nPending |= zmrPendingLayout;
    UnlockRedraw();
    return TRUE;
}

void CZMRPopupBar::ShowPopupShadow()
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CZMRBarManager* pManager = GetBarManager();
    if (pPaintManager && m_barPosition == zmrBarPopup && m_bShowShadow && pPaintManager->m_bShowShadow &&
        pPaintManager->m_pShadowManager && !(pManager && pManager->IsCustomizeMode()))
    {
        pPaintManager->m_pShadowManager->RemoveShadows(this);
        pPaintManager->m_pShadowManager->SetShadow(this, m_rcExclude);
    }
}

BOOL CZMRPopupBar::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    if (!CZMRCommandBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback))
        return FALSE;
    if (bActive)
    {
        NotifyAccessibilityEvent(EVENT_SYSTEM_MENUPOPUPSTART, m_hWnd, OBJID_MENU, 0);
    }
    else
    {
        NotifyAccessibilityEvent(EVENT_SYSTEM_MENUPOPUPEND, m_hWnd, OBJID_MENU, 0);
        // A finished track call's result is no place to write to any more.
        m_pReturnCmd = nullptr;
        CWnd* pSite = GetSite();
        // The popup opens again without the item chosen last time.
        SetHotControl(-1);
        if (GetSafeHwnd())
            DestroyWindow();
        if (CZMRCommandBar* pParent = GetParentBar())
            pParent->SetPoppedControl(-1);
        if (pSite && pSite->GetSafeHwnd())
            pSite->SendMessage(ZMR_WM_POPUPCLOSED, 0, LPARAM(this));
        ::Sleep(1);
        m_pControlPopup = nullptr;
    }
    if (CWnd* pSite = GetSite(); pSite && pSite->GetSafeHwnd())
        pSite->UpdateWindow();
    return TRUE;
}
