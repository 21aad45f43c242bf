// The control in customize mode: moving it to another place by drag and
// drop, and dragging one of its edges to give it a width.
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRCommandBar.h"
#include "CZMRBarManager.h"
#include "CZMRControlDragHelper.h"
#include "CZMRPaintManager.h"
#include "CZMRResourceManager.h"
#include <algorithm>
#include <windowsx.h>

namespace
{
// The toolkit's cursor over the edges of a resizable control.
const UINT ZMR_IDC_RESIZE = 9972;

// A frame two pixels thick, inverted, so that drawing it again erases it.
void DrawInvertedFrame(HDC hDC, const CRect& rc)
{
    const int d = 2;
    ::PatBlt(hDC, rc.left, rc.top, rc.Width(), d, DSTINVERT);
    ::PatBlt(hDC, rc.left, rc.bottom - d, rc.Width(), d, DSTINVERT);
    ::PatBlt(hDC, rc.left, rc.top + d, d, rc.Height() - 2 * d, DSTINVERT);
    ::PatBlt(hDC, rc.right - d, rc.top + d, d, rc.Height() - 2 * d, DSTINVERT);
}
}

void CZMRControl::BeginCustomizeMove(CPoint point)
{
    if (m_pParent)
    {
        m_pParent->SetPoppedControl(-1);
        m_pParent->SetHotControl(-1);
    }
    BeginControlMove(point);
}

void CZMRControl::BeginControlMove(CPoint point)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!m_pParent || !pManager)
        return;

    if (pManager->GetCustomizeSelection() == this && IsWidthAdjustable() && BeginControlResize(point))
        return;

    pManager->SetCustomizeSelection(this);

    // The drag may end with this control removed; it stays alive until done.
    InternalAddRef();
    const int nResult = pManager->GetDragHelper()->DoDrag(this, FALSE);
    if ((nResult == CZMRControlDragHelper::dropRemoved || nResult == CZMRControlDragHelper::dropMoved) &&
        m_pParent && m_pControls)
    {
        CZMRCommandBar* pBar = m_pParent;
        pBar->SetPoppedControl(-1);
        pBar->SetHotControl(-1);
        if (pManager->GetCustomizeSelection() == this)
            pManager->SetCustomizeSelection(nullptr);

        // The group start passes to the control that takes this one's place.
        CZMRControls* pControls = m_pControls;
        const int nCount = pControls->GetCount();
        if (m_bBeginGroup && m_nIndex < nCount - 1)
            pControls->GetAt(m_nIndex + 1)->SetBeginGroup(TRUE);
        if (m_nIndex == 0 && nCount > 1)
            pControls->GetAt(1)->SetBeginGroup(FALSE);

        pControls->Remove(this);
        pBar->OnRecalcLayout();
    }
    // The site hears of the selection that stands now.
    pManager->NotifyCustomizeSelection();
    InternalRelease();
}

int CZMRControl::HitTestResizeEdge(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return -1;
    if (point.x - m_rcControl.left < 3)
        return 0;
    if (m_rcControl.right - point.x <= 2)
        return 1;
    return -1;
}

BOOL CZMRControl::UpdateResizeCursor(CPoint point)
{
    if (!IsCustomizeMode() || !IsWidthAdjustable() || HitTestResizeEdge(point) == -1)
        return FALSE;
    HCURSOR hCursor = GetResourceManager()->LoadCursor(ZMR_IDC_RESIZE);
    if (!hCursor)
        return FALSE;
    ::SetCursor(hCursor);
    return TRUE;
}

BOOL CZMRControl::BeginControlResize(CPoint point)
{
    const int nEdge = HitTestResizeEdge(point);
    if (nEdge == -1 || !m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;

    CZMRCommandBar* pBar = m_pParent;
    CZMRBarManager* pManager = GetBarManager();
    if (pManager)
        pManager->SetCustomizeSelection(nullptr);
    pBar->Redraw();
    pBar->UpdateWindow();

    InternalAddRef();
    const CRect rcStart = m_rcControl;
    const CRect rcNew = TrackResizeEdge(rcStart, nEdge == 0, point);

    if (pManager)
        pManager->SetCustomizeSelection(this);
    if (rcNew.Width() != rcStart.Width() && m_pParent == pBar)
    {
        int nWidth = rcNew.Width();
        if (pBar->GetType() == zmrBarTypePopup)
            nWidth -= GetPaintManager()->GetPopupIconColumnWidth(pBar);
        SetWidth(nWidth);
        pBar->OnRecalcLayout();
    }
    pBar->Redraw();
    InternalRelease();
    return TRUE;
}

CRect CZMRControl::TrackResizeEdge(CRect rcStart, BOOL bLeftEdge, CPoint ptStart)
{
    const HWND hWndBar = m_pParent->GetSafeHwnd();
    const int nMinWidth = std::max(GetResizeMinWidth(), 0);

    ::SetCapture(hWndBar);
    if (HCURSOR hCursor = GetResourceManager()->LoadCursor(ZMR_IDC_RESIZE))
        ::SetCursor(hCursor);

    // The frame is drawn over everything, in screen coordinates.
    const HWND hWndDesktop = ::GetDesktopWindow();
    ::LockWindowUpdate(hWndDesktop);
    HDC hDC = ::GetDCEx(hWndDesktop, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);

    CRect rcScreen = rcStart;
    ::MapWindowPoints(hWndBar, nullptr, reinterpret_cast<LPPOINT>(&rcScreen), 2);
    ::ClientToScreen(hWndBar, &ptStart);
    CRect rcTrack = rcScreen;
    if (hDC)
        DrawInvertedFrame(hDC, rcTrack);

    BOOL bAccepted = FALSE;
    while (::GetCapture() == hWndBar)
    {
        MSG msg;
        const BOOL bGot = ::GetMessage(&msg, nullptr, 0, 0);
        if (bGot <= 0)
        {
            // The quit request belongs to the loop outside.
            if (bGot == 0)
                ::PostQuitMessage(int(msg.wParam));
            break;
        }

        if (msg.message == WM_LBUTTONUP)
        {
            bAccepted = TRUE;
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint point(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::ClientToScreen(msg.hwnd, &point);
            const int dx = point.x - ptStart.x;
            CRect rcMoved = rcScreen;
            if (bLeftEdge)
                rcMoved.left = std::min(int(rcScreen.left) + dx, int(rcScreen.right) - nMinWidth);
            else
                rcMoved.right = std::max(int(rcScreen.right) + dx, int(rcScreen.left) + nMinWidth);
            if (rcMoved != rcTrack && hDC)
            {
                DrawInvertedFrame(hDC, rcTrack);
                DrawInvertedFrame(hDC, rcMoved);
            }
            rcTrack = rcMoved;
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }

    if (hDC)
    {
        DrawInvertedFrame(hDC, rcTrack);
        ::ReleaseDC(hWndDesktop, hDC);
    }
    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    ::LockWindowUpdate(nullptr);

    if (!bAccepted)
        return rcStart;
    CRect rcResult = rcStart;
    rcResult.left += rcTrack.left - rcScreen.left;
    rcResult.right += rcTrack.right - rcScreen.right;
    return rcResult;
}
