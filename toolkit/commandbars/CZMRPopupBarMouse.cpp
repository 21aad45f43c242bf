// The mouse inside a popup bar: the scroll areas and their timers, the
// tear-off strip and its drag into a floating tool bar, and the gripper that
// resizes the popup's gallery.
#include "CZMRPopupBar.h"
#include "CZMRCaptureLoop.h"
#include "CZMRBarManager.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRShadowManager.h"
#include "CZMRToolBar.h"
#include <algorithm>

// ---------------------------------------------------------------- moves and timers

void CZMRPopupBar::OnPopupMouseMove(CPoint point)
{
    struct CArea
    {
        const CRect& rc;
        BOOL& bRunning;
        UINT nTimer;
    };
    const CArea areas[] = {{m_rcScrollDown, m_bScrollDownTimer, TimerScrollDown},
                           {m_rcScrollUp, m_bScrollUpTimer, TimerScrollUp}};
    for (const CArea& area : areas)
    {
        if (!area.rc.IsRectEmpty() && area.rc.PtInRect(point))
        {
            if (!area.bRunning)
            {
                area.bRunning = TRUE;
                SetTimer(area.nTimer, 80, nullptr);
            }
            SetPoppedControl(-1);
        }
        else if (area.bRunning)
        {
            area.bRunning = FALSE;
            KillTimer(area.nTimer);
        }
    }

    if (m_bTearOffPopup && !IsCustomizeMode() && !m_bTearOffHot && m_rcTearOffHandle.PtInRect(point))
    {
        SetPoppedControl(-1);
        SetHotControl(-1);
        SetTimer(TimerTearOffHot, 80, nullptr);
    }
}

BOOL CZMRPopupBar::OnPopupTimer(UINT_PTR nIDEvent)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    switch (nIDEvent)
    {
    case TimerScrollDown:
    case TimerScrollUp:
    {
        const BOOL bDown = nIDEvent == TimerScrollDown;
        const CRect& rcArea = bDown ? m_rcScrollDown : m_rcScrollUp;
        BOOL& bRunning = bDown ? m_bScrollDownTimer : m_bScrollUpTimer;
        // The pointer may have left the popup without a move inside it.
        const BOOL bAtEnd = bDown ? m_nEndVisible >= GetControlCount() : m_nFirstVisible <= 0;
        if (bAtEnd || !rcArea.PtInRect(ptCursor))
        {
            bRunning = FALSE;
            KillTimer(nIDEvent);
        }
        else if (bDown)
        {
            m_nEndVisible++;
            LayoutScrolled(nullptr, TRUE, TRUE);
        }
        else
        {
            m_nFirstVisible--;
            LayoutScrolled(nullptr, FALSE, TRUE);
        }
        // The command-bar timer handling follows.
        return FALSE;
    }
    case TimerTearOffHot:
        if (m_rcTearOffHandle.PtInRect(ptCursor))
        {
            if (!m_bTearOffHot)
            {
                m_bTearOffHot = TRUE;
                Redraw();
            }
        }
        else if (!m_bTearingOff)
        {
            m_bTearOffHot = FALSE;
            Redraw();
            KillTimer(TimerTearOffHot);
        }
        return TRUE;
    case TimerExpandButton:
        KillTimer(TimerExpandButton);
        if (GetControl(m_nHotIndex) && GetControl(m_nHotIndex) == GetExpandButton())
            Expand();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CZMRPopupBar::OnPopupLButtonDown(CPoint point)
{
    if (IsCustomizeMode())
        return FALSE;
    CZMRMouseManager* pMouseManager = GetMouseManager();
    if (m_bTearOffPopup && m_rcTearOffHandle.PtInRect(point))
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
        pMouseManager->m_nFocusCount++;
        m_bTearingOff = TRUE;
        TrackTearOff();
        m_bTearingOff = FALSE;
        pMouseManager->m_nFocusCount--;
    }
    else if (m_nResizeMode && HitTestResizeGripper(point))
    {
        pMouseManager->m_nFocusCount++;
        TrackGalleryResize();
        pMouseManager->m_nFocusCount--;
    }
    else
    {
        return FALSE;
    }
    // A fresh move refreshes what is hot under the pointer.
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ::SetCursorPos(ptCursor.x, ptCursor.y);
    return TRUE;
}

BOOL CZMRPopupBar::HitTestResizeGripper(CPoint point) const
{
    if (!m_nResizeMode || m_rcResizeGripper.IsRectEmpty())
        return FALSE;
    CRect rc = m_rcResizeGripper;
    if (m_nResizeMode != 2)
        rc.left = rc.right - rc.Height();
    return rc.PtInRect(point);
}

BOOL CZMRPopupBar::OnPopupSetCursor()
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (!HitTestResizeGripper(point))
        return FALSE;
    LPCTSTR lpszCursor = m_nResizeMode == 2 ? IDC_SIZENS : IsRightToLeftWindow() ? IDC_SIZENESW : IDC_SIZENWSE;
    ::SetCursor(::LoadCursor(nullptr, lpszCursor));
    return TRUE;
}

// ---------------------------------------------------------------- capture loops

void CZMRPopupBar::RunCaptureLoop(const std::function<void(CPoint)>& fnMove, const std::function<BOOL(UINT)>& fnKey)
{
    const HWND hWnd = m_hWnd;
    ::SetCapture(hWnd);
    m_bInCaptureLoop = TRUE;
    CPoint ptLast;
    ::GetCursorPos(&ptLast);
    while (::GetCapture() == hWnd)
    {
        MSG msg;
        if (!GetCaptureLoopMessage(msg))
            break;
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_KEYDOWN && fnKey(UINT(msg.wParam)))
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            const CPoint pt(msg.pt);
            if (pt != ptLast)
            {
                ptLast = pt;
                fnMove(pt);
            }
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    m_bInCaptureLoop = FALSE;
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
}

// ---------------------------------------------------------------- tear-off

void CZMRPopupBar::TrackTearOff()
{
    CRect rcReference;
    GetWindowRect(&rcReference);
    m_pTornOffBar = nullptr;
    if (::GetCapture())
        return;
    BOOL bInside = TRUE;
    RunCaptureLoop(
        [&](CPoint pt) {
            CRect rcNear = rcReference;
            rcNear.InflateRect(10, 10);
            const BOOL bNowInside = rcNear.PtInRect(pt);
            if (bNowInside != bInside)
            {
                bInside = bNowInside;
                TearOff(bInside, pt.x, pt.y);
            }
            if (m_pTornOffBar && m_pTornOffBar->GetSafeHwnd())
                m_pTornOffBar->SetWindowPos(nullptr, pt.x - m_szTornOff.cx / 2, pt.y - 10, m_szTornOff.cx,
                                            m_szTornOff.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        },
        [](UINT nChar) { return nChar == VK_ESCAPE; });
    // The torn-off bar stays; the popup chain closes.
    if (m_pTornOffBar)
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
        else
            SetMenuLoopActive(FALSE);
    }
}

void CZMRPopupBar::TearOff(BOOL bInside, int x, int y)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    ShowWindow(bInside ? SW_SHOWNA : SW_HIDE);
    if (bInside)
    {
        if (m_pTornOffBar)
        {
            m_pTornOffBar->SetVisible(FALSE);
            m_pTornOffBar = nullptr;
        }
        return;
    }
    if (m_pTornOffBar)
        return;

    CZMRToolBar* pBar = DYNAMIC_DOWNCAST(CZMRToolBar, pManager->FindBar(m_nTearOffId));
    if (pBar)
    {
        pBar->SetPosition(zmrBarFloating);
        pBar->SetVisible(TRUE);
        pManager->RecalcFrameLayout();
    }
    else
    {
        pBar = pManager->AddToolBar(m_strTearOffCaption, m_nTearOffId, TRUE);
        pBar->SetTearOff(TRUE);
        pBar->SetMRUWidth(m_nTearOffWidth);
        const CZMRControl* pExpand = GetExpandButton();
        for (int i = 0; i < GetControlCount(); i++)
        {
            CZMRControl* pControl = GetControl(i);
            if (pControl == pExpand)
                continue;
            if (CZMRControl* pCopy = pBar->GetControls()->AddCopy(pControl))
                pCopy->SetHideFlags(pCopy->GetHideFlags() & ~DWORD(zmrHideInternal | zmrHideExpand));
        }
        pBar->SetPosition(zmrBarFloating);
        pBar->SetVisible(TRUE);
    }
    m_pTornOffBar = pBar;
    if (CWnd* pSite = GetSite(); pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(ZMR_WM_TEAROFFDONE, WPARAM(pBar), LPARAM(this));
    m_szTornOff = pBar->CalcDynamicLayout(-1, 0x46);
    if (pBar->GetSafeHwnd())
    {
        pBar->SetWindowPos(nullptr, x - m_szTornOff.cx / 2, y - 10, m_szTornOff.cx, m_szTornOff.cy,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        pBar->SendMessage(WM_INITIALUPDATE);
        pBar->Redraw();
    }
}

// ---------------------------------------------------------------- gallery resizing

void CZMRPopupBar::TrackGalleryResize()
{
    CZMRControl* pGallery = nullptr;
    for (int i = 0; i < GetControlCount() && !pGallery; i++)
    {
        if (GetControl(i)->GetType() == zmrControlGallery)
            pGallery = GetControl(i);
    }
    if (!pGallery)
        return;
    const int nStartWidth = pGallery->GetWidth(), nStartHeight = pGallery->GetHeight();
    const int nMinWidth = pGallery->GetResizeMinWidth(), nMinHeight = pGallery->GetResizeMinHeight();
    int nWidth = nStartWidth, nHeight = nStartHeight;
    SetPoppedControl(-1);
    SetHotControl(-1);
    CPoint ptLast;
    ::GetCursorPos(&ptLast);
    const BOOL bRightToLeft = IsRightToLeftWindow();
    RunCaptureLoop(
        [&](CPoint pt) {
            nHeight += pt.y - ptLast.y;
            nWidth += bRightToLeft ? ptLast.x - pt.x : pt.x - ptLast.x;
            ptLast = pt;
            if (m_nResizeMode & 1)
                pGallery->SetWidth(std::max(nMinWidth, nWidth));
            if (m_nResizeMode & 2)
                pGallery->SetHeight(std::max(nMinHeight, nHeight));
            ResizeToContent();
        },
        [&](UINT nChar) {
            if (nChar != VK_ESCAPE)
                return FALSE;
            pGallery->SetWidth(nStartWidth);
            pGallery->SetHeight(nStartHeight);
            ResizeToContent();
            return TRUE;
        });
}
