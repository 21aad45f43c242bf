#include "CZMRDockContext.h"
#include "CZMRCaptureLoop.h"
#include "CZMRToolBar.h"
#include "CZMRDialogBar.h"
#include "CZMRDockBar.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"
#include "CZMRMonitorAreas.h"
#include <algorithm>

namespace
{
// What a bar's "Flags" allow: a dock bar's side (0-3) and floating.
const DWORD FlagSides[4] = {0x1, 0x2, 0x4, 0x8};
const DWORD FlagAnySide = 0xF;
const DWORD FlagFloat = 0x10;
// Floating layout: horizontal, at the remembered width, committed.
const DWORD FloatingLayout = LM_HORZ | LM_MRUWIDTH | LM_COMMIT;
// What stays on screen of a dragged bar, each way.
const int VisibleMargin = 10;

CRect GetWindowRectOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}
}

CZMRDockContext::CZMRDockContext(CZMRToolBar* pBar)
    : m_pBar(pBar), m_nMode(0), m_ptLast(0, 0), m_nLastSide(0), m_rcDocked(0, 0, 0, 0), m_ptFloating(0, 0),
      m_rcDrag(0, 0, 0, 0), m_rcWindow(0, 0, 0, 0)
{
}

CZMRDockContext::~CZMRDockContext()
{
}

CRect CZMRDockContext::KeepOnScreen(const CRect& rcIn, const CRect& rcWork)
{
    CRect rc(rcIn);
    if (rc.top >= rcWork.bottom - VisibleMargin)
        rc.OffsetRect(0, rcWork.bottom - VisibleMargin - rc.top);
    if (rc.bottom < rcWork.top + VisibleMargin)
        rc.OffsetRect(0, rcWork.top + VisibleMargin - rc.bottom);
    if (rc.left >= rcWork.right - VisibleMargin)
        rc.OffsetRect(rcWork.right - VisibleMargin - rc.left, 0);
    if (rc.right < rcWork.left + VisibleMargin)
        rc.OffsetRect(rcWork.left + VisibleMargin - rc.right, 0);
    return rc;
}

CRect CZMRDockContext::GetWorkArea(const CRect& rc) const
{
    return GetMonitorAreas()->GetWorkArea(&rc);
}

// ---------------------------------------------------------------- starting

void CZMRDockContext::StartDrag(CPoint pt)
{
    const CRect rcDocked = m_rcDocked;
    const int nLastSide = m_nLastSide;
    const BOOL bWasFloating = m_pBar->GetPosition() == zmrBarFloating;
    m_nMode = 1;
    m_ptLast = pt;

    // The rectangle that follows the pointer holds the point from the start.
    CRect rc = GetWindowRectOf(m_pBar);
    if (pt.x < rc.left)
        rc.OffsetRect(pt.x - rc.left, 0);
    else if (pt.x >= rc.right)
        rc.OffsetRect(pt.x - rc.right + 1, 0);
    if (pt.y < rc.top)
        rc.OffsetRect(0, pt.y - rc.top);
    else if (pt.y >= rc.bottom)
        rc.OffsetRect(0, pt.y - rc.bottom + 1);
    m_rcDrag = m_rcWindow = rc;

    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    CZMRBarManager* pManager = m_pBar->GetBarManager();
    CZMRMouseManager* pMouseManager = pManager ? pManager->GetMouseManager() : nullptr;
    if (pMouseManager)
        pMouseManager->LockTrackedBars(TRUE);
    Track();
    if (pMouseManager)
        pMouseManager->LockTrackedBars(FALSE);
    m_nMode = 0;

    if (m_pBar->GetSafeHwnd() && m_pBar->GetPosition() == zmrBarFloating)
    {
        m_ptFloating = GetWindowRectOf(m_pBar).TopLeft();
        // A double click takes a bar dragged off its dock bar back there.
        if (!bWasFloating)
        {
            m_rcDocked = rcDocked;
            m_nLastSide = nLastSide;
        }
    }
}

void CZMRDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_nMode = nHitTest;
    m_ptLast = pt;
    m_rcWindow = GetWindowRectOf(m_pBar);
    Track();
    m_nMode = 0;
    if (!m_pBar->GetSafeHwnd())
        return;
    const CRect rc = GetWindowRectOf(m_pBar);
    if (m_pBar->GetPosition() == zmrBarFloating)
        m_ptFloating = rc.TopLeft();
    m_pBar->SetMRUWidth(rc.Width());
}

// ---------------------------------------------------------------- the loop

void CZMRDockContext::Track()
{
    if (::GetCapture())
        return;
    const HWND hWnd = m_pBar->GetSafeHwnd();
    if (!hWnd)
        return;
    ::SetCapture(hWnd);
    CZMRBarManager* pManager = m_pBar->GetBarManager();
    if (!pManager)
    {
        ::ReleaseCapture();
        return;
    }
    while (::GetCapture() == hWnd)
    {
        MSG msg;
        if (!GetCaptureLoopMessage(msg))
            break;
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_MOUSEMOVE && CPoint(msg.pt) != m_ptLast)
        {
            const CPoint pt(msg.pt);
            if (m_nMode == 1)
                Move(pt);
            else if (m_pBar->IsDialogBar())
                ResizeByEdges(pt);
            else
                ResizeByLayout(pt);
        }
        else
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        pManager->RecalcFrameLayoutIfPending();
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    pManager->GetOptions()->bDirtyState = TRUE;
}

// ---------------------------------------------------------------- dragging

void CZMRDockContext::Move(CPoint pt)
{
    const CSize szBy = pt - m_ptLast;
    m_rcWindow.OffsetRect(szBy);
    m_rcDrag.OffsetRect(szBy);
    CZMRBarManager* pManager = m_pBar->GetBarManager();
    CZMRDockBar* pCurrent = m_pBar->GetDockBar();
    CZMRDockBar* pDockBar = pManager->FindDockBarNear(pt, pCurrent);
    const DWORD dwFlags = m_pBar->GetFlags();

    if (pDockBar && (dwFlags & FlagSides[pDockBar->GetPosition()]))
    {
        const BOOL bWasFloating = m_pBar->GetPosition() == zmrBarFloating;
        pManager->DockToolBar(m_pBar, m_rcDrag, pDockBar);
        if (pDockBar != pCurrent || bWasFloating)
        {
            pManager->RecalcFrameLayout();
            m_rcDrag = GetWindowRectOf(m_pBar);
        }
    }
    else if (dwFlags & FlagFloat)
    {
        if (m_pBar->GetPosition() != zmrBarFloating)
        {
            pManager->FloatToolBar(m_pBar);
            const CSize sz = m_pBar->CalcDynamicLayout(0, FloatingLayout);
            m_rcWindow = CRect(m_rcWindow.TopLeft(), sz);
            if (pt.x >= m_rcWindow.right)
                m_rcWindow.OffsetRect(pt.x - m_rcWindow.right + 1, 0);
            if (pt.y >= m_rcWindow.bottom)
                m_rcWindow.OffsetRect(0, pt.y - m_rcWindow.bottom + 1);
        }
        m_rcWindow = KeepOnScreen(m_rcWindow, GetMonitorAreas()->GetWorkArea(pt));
        m_pBar->SetWindowPos(nullptr, m_rcWindow.left, m_rcWindow.top, m_rcWindow.Width(), m_rcWindow.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_ptLast = pt;
}

// ---------------------------------------------------------------- resizing

void CZMRDockContext::ResizeByLayout(CPoint pt)
{
    const CSize szBy = pt - m_ptLast;
    m_ptLast = pt;
    const BOOL bWidth = m_nMode == HTLEFT || m_nMode == HTRIGHT;
    switch (m_nMode)
    {
    case HTLEFT:
        m_rcWindow.left += szBy.cx;
        break;
    case HTRIGHT:
        m_rcWindow.right += szBy.cx;
        break;
    case HTTOP:
        m_rcWindow.top += szBy.cy;
        break;
    default:
        m_rcWindow.bottom += szBy.cy;
        break;
    }
    const int nLength = std::max(0, bWidth ? m_rcWindow.Width() : m_rcWindow.Height());
    const CSize sz = m_pBar->CalcDynamicLayout(nLength, bWidth ? (LM_HORZ | LM_COMMIT) : (LM_HORZ | LM_LENGTHY | LM_COMMIT));
    const CRect rcBar = GetWindowRectOf(m_pBar);
    if (sz == rcBar.Size())
        return;

    // The edge opposite the dragged one stays.
    CRect rc;
    switch (m_nMode)
    {
    case HTLEFT:
        rc = CRect(rcBar.right - sz.cx, rcBar.top, rcBar.right, rcBar.top + sz.cy);
        break;
    case HTTOP:
        rc = CRect(rcBar.left, rcBar.bottom - sz.cy, rcBar.left + sz.cx, rcBar.bottom);
        break;
    default:
        rc = CRect(rcBar.TopLeft(), sz);
        break;
    }
    const CRect rcWork = GetWorkArea(rcBar);
    CRect rcInside;
    if (!rcInside.IntersectRect(rc, rcWork))
    {
        if (rc.right <= rcWork.left)
            rc.OffsetRect(rcWork.left - rc.left, 0);
        else if (rc.left >= rcWork.right)
            rc.OffsetRect(rcWork.right - rc.right, 0);
        if (rc.bottom <= rcWork.top)
            rc.OffsetRect(0, rcWork.top - rc.top);
        else if (rc.top >= rcWork.bottom)
            rc.OffsetRect(0, rcWork.bottom - rc.bottom);
    }
    m_pBar->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->Redraw();
}

void CZMRDockContext::ResizeByEdges(CPoint pt)
{
    const CSize szBy = pt - m_ptLast;
    m_ptLast = pt;
    CRect rc = m_rcWindow;
    if (m_nMode == HTLEFT || m_nMode == HTTOPLEFT || m_nMode == HTBOTTOMLEFT)
        rc.left += szBy.cx;
    if (m_nMode == HTRIGHT || m_nMode == HTTOPRIGHT || m_nMode == HTBOTTOMRIGHT)
        rc.right += szBy.cx;
    if (m_nMode >= HTTOP && m_nMode <= HTTOPRIGHT)
        rc.top += szBy.cy;
    if (m_nMode >= HTBOTTOM && m_nMode <= HTBOTTOMRIGHT)
        rc.bottom += szBy.cy;
    m_rcWindow = rc;
    CRect rcInside;
    if (rc.Size() == GetWindowRectOf(m_pBar).Size() || !rcInside.IntersectRect(rc, GetWorkArea(rc)))
        return;
    if (CZMRDialogBar* pDialogBar = DYNAMIC_DOWNCAST(CZMRDialogBar, m_pBar))
        pDialogBar->ResizeBar(rc, m_nMode);
    m_pBar->Redraw();
}

// ---------------------------------------------------------------- double click

BOOL CZMRDockContext::ToggleDocking()
{
    CZMRBarManager* pManager = m_pBar->GetBarManager();
    if (!pManager)
        return FALSE;
    const DWORD dwFlags = m_pBar->GetFlags();
    if (m_pBar->GetPosition() == zmrBarFloating)
    {
        if (!(dwFlags & FlagAnySide))
            return FALSE;
        CZMRDockBar* pDockBar = pManager->GetDockBar(m_nLastSide);
        if (!pDockBar)
            return FALSE;
        if (m_rcDocked.IsRectEmpty())
            pManager->DockToolBar(m_pBar, nullptr, pDockBar);
        else
        {
            CRect rc = m_rcDocked;
            pDockBar->ClientToScreen(&rc);
            pManager->DockToolBar(m_pBar, rc, pDockBar);
        }
        pManager->RecalcFrameLayout();
    }
    else
    {
        if (!(dwFlags & FlagFloat) || !pManager->GetOptions()->bFloatByDoubleClick)
            return FALSE;
        CPoint pt = m_ptFloating;
        if (pt.x <= 0 || pt.y <= 0)
        {
            pt = m_rcDocked.TopLeft();
            if (CWnd* pParent = m_pBar->GetParent())
                pParent->ClientToScreen(&pt);
        }
        pManager->FloatToolBar(m_pBar);
        const CSize sz = m_pBar->CalcDynamicLayout(0, FloatingLayout);
        m_pBar->SetWindowPos(nullptr, pt.x, pt.y, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        pManager->RecalcFrameLayout();
    }
    pManager->GetOptions()->bDirtyState = TRUE;
    return TRUE;
}
