// The tool bar's window: its strip in a frame's layout pass, the sizing frame
// of a floating bar, activation, and following the frame it floats over.
#include "CZMRToolBar.h"
#include "CZMRBarManager.h"
#include "CZMRControl.h"
#include "CZMRDockContext.h"
#include "CZMRPaintManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CZMRToolBar, CZMRCommandBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_NCHITTEST()
    ON_WM_MOUSEACTIVATE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_CLOSE()
    ON_WM_SETFOCUS()
    ON_WM_RBUTTONDOWN()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace
{
const int SizingBorder = 3;
}

LRESULT CZMRToolBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!pLayout || !(GetStyle() & WS_VISIBLE))
        return 0;
    // Without a dock bar the frame lays the bar out as a strip along its
    // top: the bar measures and draws its gripper as a top-docked one.
    if (m_barPosition == zmrBarNone)
        m_barPosition = zmrBarTop;
    DWORD dwMode = (m_dwFlags & 0x40) ? (LM_STRETCH | LM_HORZ | LM_HORZDOCK | LM_COMMIT)
                                      : (LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    if (m_dwFlags & 0x20)
        dwMode |= zmrLayoutHideWrap;
    if (!pLayout->hDWP)
        dwMode &= ~DWORD(LM_COMMIT);

    const CRect rcFree(pLayout->rect);
    CSize sz = CalcFixedLayout(rcFree.Width(), dwMode);
    sz.cx = std::min<int>(sz.cx, rcFree.Width());
    sz.cy = std::min<int>(sz.cy, rcFree.Height());
    pLayout->rect.top += sz.cy;
    pLayout->sizeTotal.cy += sz.cy;
    pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, sz.cx);
    if (pLayout->hDWP)
    {
        const CRect rcBar(rcFree.TopLeft(), sz);
        AfxRepositionWindow(pLayout, m_hWnd, rcBar);
    }
    Redraw();
    return 0;
}

LRESULT CZMRToolBar::OnNcHitTest(CPoint point)
{
    if (m_barPosition == zmrBarFloating && m_barType != zmrBarTypePopup)
    {
        CRect rcWindow;
        GetWindowRect(rcWindow);
        if (point.y < rcWindow.top + SizingBorder)
            return HTTOP;
        if (point.y >= rcWindow.bottom - SizingBorder)
            return HTBOTTOM;
        if (point.x < rcWindow.left + SizingBorder)
            return HTLEFT;
        if (point.x >= rcWindow.right - SizingBorder)
            return HTRIGHT;
    }
    return CZMRCommandBar::OnNcHitTest(point);
}

int CZMRToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    CZMRBarManager* pManager = GetBarManager();
    if (m_barPosition == zmrBarFloating || (pManager && pManager->IsCustomizeMode()))
        return MA_NOACTIVATE;
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

LRESULT CZMRToolBar::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    const LRESULT lResult = ((GetStyle() & 0x100) && (wParam & FS_SYNCACTIVE)) ? 1 : 0;
    if (m_barPosition != zmrBarFloating || !IsVisible())
        return lResult;
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager || pManager->GetOptions()->bHideFloatingBars)
    {
        const UINT nFlagsHide = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW;
        const UINT nFlagsShow = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
        if ((wParam & FS_DEACTIVATE) && !IsTopParentActive())
            SetWindowPos(nullptr, 0, 0, 0, 0, nFlagsHide);
        if ((wParam & FS_ACTIVATE) && !(GetStyle() & WS_VISIBLE) && IsTopParentActive())
        {
            const HWND hForeground = ::GetForegroundWindow();
            if (hForeground && ::IsWindowVisible(hForeground) && !::IsIconic(hForeground))
                SetWindowPos(nullptr, 0, 0, 0, 0, nFlagsShow);
        }
    }
    if (wParam & (FS_SHOW | FS_HIDE))
        SetWindowPos(nullptr, 0, 0, 0, 0, (wParam & FS_SHOW) ? SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW
                                                            : SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return lResult;
}

void CZMRToolBar::OnClose()
{
    // Bars close only through their hide button or the manager.
}

void CZMRToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_barPosition == zmrBarFloating)
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    if (HitTest(point))
    {
        CZMRCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (IsTrackingMode())
        SetMenuLoopActive(FALSE);
    if (m_pDockContext && (m_dwFlags & 0x1F))
    {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
    }
}

void CZMRToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    const BOOL bFloating = m_barPosition == zmrBarFloating;
    if (bFloating && !m_pDockContext)
        return;
    const BOOL bSizing = nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT;
    // A docked dialog bar answers sizing codes on its free edges too, and is
    // resized by them as it is while floating.
    const BOOL bDockedDialogBar = IsDialogBar() && m_pDockContext && m_barPosition >= zmrBarTop &&
                                  m_barPosition <= zmrBarRight;
    if (bSizing && (bFloating || bDockedDialogBar))
    {
        if (bFloating)
        {
            // The bar floats over its frame, which becomes the active window.
            if (CWnd* pSite = GetSite(); pSite && pSite->GetSafeHwnd())
                ::SetActiveWindow(::GetAncestor(pSite->GetSafeHwnd(), GA_ROOT));
            ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        }
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->CancelTracking();
        m_pDockContext->StartResize(int(nHitTest), point);
        return;
    }
    CZMRCommandBar::OnNcLButtonDown(nHitTest, point);
}

void CZMRToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext && !HitTest(point))
    {
        m_pDockContext->ToggleDocking();
        return;
    }
    CZMRCommandBar::OnLButtonDblClk(nFlags, point);
}

BOOL CZMRToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (IsGripperShown() && m_barPosition >= zmrBarTop && m_barPosition <= zmrBarRight && m_pDockContext && (m_dwFlags & 0x1F) && pPaintManager)
    {
        // The gripper: the borders and the gripper along the bar's start.
        const CRect rcBorders = GetBorders();
        CRect rcGripper;
        GetClientRect(&rcGripper);
        if (IsDialogBar())
            rcGripper.DeflateRect(3, 3);
        if (m_barPosition == zmrBarLeft || m_barPosition == zmrBarRight)
            rcGripper.bottom = rcGripper.top + rcBorders.top;
        else
            rcGripper.right = rcGripper.left + rcBorders.left;
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (rcGripper.PtInRect(pt))
        {
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
            return TRUE;
        }
    }
    // Elsewhere the bar's own cursor (the resize cursor in customize mode).
    return CZMRCommandBar::OnSetCursor(pWnd, nHitTest, message);
}

void CZMRToolBar::OnSetFocus(CWnd* pOldWnd)
{
    if (!m_hWndCaret && pOldWnd)
        m_hWndCaret = pOldWnd->GetSafeHwnd();
    CWnd::OnSetFocus(pOldWnd);
    // A bar embedded in a dialog is driven by the keyboard once it has the focus.
    if (!m_pDockContext)
        SetMenuLoopActive(TRUE, TRUE);
}

int CZMRToolBar::HandleHookedKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_pDockContext && nChar == VK_TAB)
    {
        CWnd* pParent = GetParent();
        CWnd* pNext = pParent ? pParent->GetNextDlgTabItem(this, ::GetKeyState(VK_SHIFT) < 0) : nullptr;
        if (pNext && pNext != this)
        {
            pNext->SetFocus();
            SetMenuLoopActive(FALSE);
            return 1;
        }
    }
    return CZMRCommandBar::HandleHookedKeyDown(nChar, lParam);
}

void CZMRToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CZMRBarManager* pManager = GetBarManager();
    if (pManager && pManager->IsCustomizeMode())
    {
        // The command bar asks the control first as well.
        CZMRCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    CZMRControl* pControl = HitTest(point);
    if (pControl && pControl->OnRButtonDown(point))
        return;
    if (!pManager)
        return;
    SetMenuLoopActive(FALSE);
    ClearHotControl();
    Redraw();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    pManager->ShowToolBarContextMenu(ptScreen, this);
}
