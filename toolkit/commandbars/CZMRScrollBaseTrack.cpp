// The modal loop of a scroll bar inside a control: auto-repeat on arrows and
// page areas, the thumb drag with its snap-back, and the tail that lets the
// owner's smooth scrolling finish after the button is released.
#include "CZMRScrollBase.h"
#include "CZMRMouseManager.h"
#include "CZMRScrollBarPaintManager.h"
#include <windowsx.h>
#include <algorithm>

namespace
{
// Waits for the next message of the thread, dispatching sent ones on the way
// (a lost capture arrives as one). FALSE with WM_QUIT.
BOOL NextMessage(MSG& msg)
{
    while (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    return msg.message != WM_QUIT;
}

CPoint ClientPoint(const MSG& msg, HWND hWnd)
{
    CPoint point(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
    // The wheel reports screen coordinates; moves of other windows their own.
    if (msg.message == WM_MOUSEWHEEL || msg.hwnd != hWnd)
    {
        if (msg.message != WM_MOUSEWHEEL)
            ::ClientToScreen(msg.hwnd, &point);
        ::ScreenToClient(hWnd, &point);
    }
    return point;
}
} // namespace

void CZMRScrollBase::TrackScrollBar(CWnd* pWnd, CPoint point, SCROLLBARPOSINFO* pSBInfo, BOOL bShift)
{
    if (!pWnd || !pWnd->GetSafeHwnd() || m_pSBTrack)
        return;
    const HWND hWnd = pWnd->GetSafeHwnd();
    m_pSBTrack = new SCROLLBARTRACKINFO;
    ZeroMemory(m_pSBTrack, sizeof(SCROLLBARTRACKINFO));
    m_pSBTrack->hWndTrack = hWnd;
    m_pSBTrack->pSBInfo = pSBInfo;
    CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
    pMouseManager->m_nFocusCount++;

    // The part under the press.
    const int px = pSBInfo->fVert ? point.y : point.x;
    int nHit;
    if (px < pSBInfo->pxUpArrow)
    {
        m_pSBTrack->cmdSB = SB_LINEUP;
        nHit = zmrHitScrollUp;
        m_pSBTrack->rcTrack = GetPartRect(pSBInfo, pSBInfo->pxTop, pSBInfo->pxUpArrow);
    }
    else if (px < pSBInfo->pxThumbTop)
    {
        m_pSBTrack->cmdSB = SB_PAGEUP;
        nHit = zmrHitScrollPageUp;
        m_pSBTrack->rcTrack = GetPartRect(pSBInfo, pSBInfo->pxUpArrow, pSBInfo->pxThumbTop);
    }
    else if (px < pSBInfo->pxThumbBottom)
    {
        m_pSBTrack->cmdSB = -1;
        nHit = zmrHitScrollThumb;
    }
    else if (px < pSBInfo->pxDownArrow)
    {
        m_pSBTrack->cmdSB = SB_PAGEDOWN;
        nHit = zmrHitScrollPageDown;
        m_pSBTrack->rcTrack = GetPartRect(pSBInfo, pSBInfo->pxThumbBottom, pSBInfo->pxDownArrow);
    }
    else
    {
        m_pSBTrack->cmdSB = SB_LINEDOWN;
        nHit = zmrHitScrollDown;
        m_pSBTrack->rcTrack =
            GetPartRect(pSBInfo, pSBInfo->pxDownArrow, pSBInfo->pxPopup > 0 ? pSBInfo->pxPopup : pSBInfo->pxBottom);
    }
    pSBInfo->ht = nHit;

    const BOOL bPage = nHit == zmrHitScrollPageUp || nHit == zmrHitScrollPageDown;
    if (nHit == zmrHitScrollThumb || (bShift && bPage))
    {
        if (pSBInfo->cpxThumb >= pSBInfo->pxDownArrow - pSBInfo->pxUpArrow)
        {
            // A thumb that fills the track cannot move.
            pMouseManager->m_nFocusCount--;
            delete m_pSBTrack;
            m_pSBTrack = nullptr;
            return;
        }
        m_pSBTrack->fTrackThumb = TRUE;
        m_pSBTrack->rcTrack = CalcTrackingLimitRect(pSBInfo);
        pSBInfo->pxStart = pSBInfo->pxThumbTop;
        m_pSBTrack->posOld = m_pSBTrack->posNew = pSBInfo->nPos;
        m_pSBTrack->dpxThumb = bShift && bPage ? -pSBInfo->cpxThumb / 2 : pSBInfo->pxThumbTop - px;
        pSBInfo->ht = zmrHitScrollThumb;
        DoScroll(SB_THUMBTRACK, pSBInfo->nPos);
    }

    ::SetCapture(hWnd);
    if (m_pSBTrack->fTrackThumb)
    {
        ContinueTrackThumb(WM_MOUSEMOVE, point);
        RedrawScrollBar();
    }
    else
    {
        ContinueScroll(WM_LBUTTONDOWN, point);
    }

    BOOL bWindowGone = FALSE;
    while (m_pSBTrack && ::GetCapture() == hWnd)
    {
        MSG msg;
        if (!NextMessage(msg))
        {
            AfxPostQuitMessage(int(msg.wParam));
            break;
        }
        if (!::IsWindow(hWnd))
        {
            bWindowGone = TRUE;
            break;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hWnd && msg.wParam == ZMR_TIMER_SCROLLREPEAT)
        {
            if (!m_pSBTrack->fTrackThumb)
            {
                CPoint ptCursor;
                ::GetCursorPos(&ptCursor);
                ::ScreenToClient(hWnd, &ptCursor);
                if (m_pSBTrack->cmdSB == SB_PAGEUP || m_pSBTrack->cmdSB == SB_PAGEDOWN)
                    m_pSBTrack->rcTrack = m_pSBTrack->cmdSB == SB_PAGEUP
                                              ? GetPartRect(pSBInfo, pSBInfo->pxUpArrow, pSBInfo->pxThumbTop)
                                              : GetPartRect(pSBInfo, pSBInfo->pxThumbBottom, pSBInfo->pxDownArrow);
                if (::PtInRect(&m_pSBTrack->rcTrack, ptCursor))
                {
                    m_nRepeatDelay = ::GetDoubleClickTime() / 10;
                    ::SetTimer(hWnd, ZMR_TIMER_SCROLLREPEAT, m_nRepeatDelay, nullptr);
                    DoScroll(m_pSBTrack->cmdSB, 0);
                }
            }
        }
        else if (msg.message == WM_TIMER && msg.hwnd == hWnd && msg.wParam == ZMR_TIMER_SMOOTHSCROLL)
        {
            OnSmoothScrollTimer();
        }
        else if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSEWHEEL)
        {
            const CPoint ptMsg = ClientPoint(msg, hWnd);
            if (m_pSBTrack->fTrackThumb)
                ContinueTrackThumb(msg.message, ptMsg);
            else
                ContinueScroll(msg.message, ptMsg);
        }
        else
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    if (!::IsWindow(hWnd))
        bWindowGone = TRUE;
    EndTracking(bWindowGone);
}

void CZMRScrollBase::ContinueScroll(UINT message, CPoint point)
{
    SCROLLBARTRACKINFO* pTrack = m_pSBTrack;
    SCROLLBARPOSINFO* pSBInfo = pTrack->pSBInfo;
    // A page area ends where the thumb is now.
    if (pTrack->cmdSB == SB_PAGEUP)
        pTrack->rcTrack = GetPartRect(pSBInfo, pSBInfo->pxUpArrow, pSBInfo->pxThumbTop);
    else if (pTrack->cmdSB == SB_PAGEDOWN)
        pTrack->rcTrack = GetPartRect(pSBInfo, pSBInfo->pxThumbBottom, pSBInfo->pxDownArrow);

    if (message == WM_LBUTTONUP)
    {
        ::ReleaseCapture();
        return;
    }
    const BOOL bHit = ::PtInRect(&pTrack->rcTrack, point);
    const BOOL bEntered = bHit && (!pTrack->fHitOld || message == WM_LBUTTONDOWN);
    if (bHit != pTrack->fHitOld)
    {
        pTrack->fHitOld = bHit;
        RedrawScrollBar();
    }
    if (!bEntered || (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN))
        return;
    const UINT nDelay = message == WM_MOUSEMOVE ? ::GetDoubleClickTime() / 10 : ::GetDoubleClickTime() * 4 / 5;
    m_nRepeatDelay = int(nDelay);
    ::SetTimer(pTrack->hWndTrack, ZMR_TIMER_SCROLLREPEAT, nDelay, nullptr);
    DoScroll(pTrack->cmdSB, 0);
}

void CZMRScrollBase::ContinueTrackThumb(UINT message, CPoint point)
{
    if (message < WM_MOUSEFIRST || message > WM_MOUSEWHEEL)
        return;
    SCROLLBARTRACKINFO* pTrack = m_pSBTrack;
    SCROLLBARPOSINFO* pSBInfo = pTrack->pSBInfo;
    if (message == WM_LBUTTONUP || ::GetKeyState(::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) >= 0)
    {
        ::ReleaseCapture();
        return;
    }
    CZMRScrollBarPaintManager* pPaintManager = GetScrollBarPaintManager();
    const BOOL bFixedThumb = pPaintManager && pPaintManager->m_nThumbSize != 0;
    int pxThumb;
    int nPos;
    if (bFixedThumb || ::PtInRect(&pTrack->rcTrack, point))
    {
        pxThumb = (pSBInfo->fVert ? point.y : point.x) + pTrack->dpxThumb;
        pxThumb = std::max(pSBInfo->pxMin, std::min(pSBInfo->pxMin + pSBInfo->cpx, pxThumb));
        const int nPageSpan = pSBInfo->nPage ? pSBInfo->nPage - 1 : 0;
        if (pxThumb <= pSBInfo->pxMin)
            nPos = pSBInfo->nMin;
        else if (pxThumb >= pSBInfo->pxMin + pSBInfo->cpx)
            nPos = pSBInfo->nPage ? pSBInfo->nMax - pSBInfo->nPage + 1 : pSBInfo->nMax;
        else
            nPos = pSBInfo->nMin +
                   ::MulDiv(pSBInfo->nMax - pSBInfo->nMin - nPageSpan, pxThumb - pSBInfo->pxMin, pSBInfo->cpx);
    }
    else
    {
        // Too far off the bar: back to where the drag began.
        pxThumb = pSBInfo->pxStart;
        nPos = pTrack->posOld;
    }
    const BOOL bMoved = pxThumb != pSBInfo->pxThumbTop;
    pSBInfo->pxThumbTop = pxThumb;
    pSBInfo->pxThumbBottom = pxThumb + pSBInfo->cpxThumb;
    if (nPos != pTrack->posNew)
    {
        pTrack->posNew = nPos;
        DoScroll(SB_THUMBTRACK, nPos);
        // The owner's relayout puts the thumb where the position says; the
        // drag keeps it under the pointer.
        pSBInfo->pxThumbTop = pxThumb;
        pSBInfo->pxThumbBottom = pxThumb + pSBInfo->cpxThumb;
    }
    if (bMoved)
        RedrawScrollBar();
}

void CZMRScrollBase::EndTracking(BOOL bWindowGone)
{
    SCROLLBARTRACKINFO* pTrack = m_pSBTrack;
    if (!pTrack)
        return;
    const HWND hWnd = pTrack->hWndTrack;
    SCROLLBARPOSINFO* pSBInfo = pTrack->pSBInfo;
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (!bWindowGone)
    {
        if (pTrack->fTrackThumb)
        {
            DoScroll(SB_THUMBPOSITION, pTrack->posNew);
            RedrawScrollBar();
        }
        else
        {
            ::KillTimer(hWnd, ZMR_TIMER_SCROLLREPEAT);
        }
        DoScroll(SB_ENDSCROLL, 0);
    }
    CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount--;
    m_pSBTrack = nullptr;
    delete pTrack;
    if (bWindowGone)
    {
        m_bSmoothScrolling = FALSE;
        return;
    }

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ::ScreenToClient(hWnd, &ptCursor);
    pSBInfo->ht = HitTestScrollBar(ptCursor);
    RedrawScrollBar();

    // The owner's smooth scroll runs on to its end.
    while (m_bSmoothScrolling)
    {
        MSG msg;
        if (!NextMessage(msg))
        {
            AfxPostQuitMessage(int(msg.wParam));
            break;
        }
        if (!::IsWindow(hWnd))
        {
            m_bSmoothScrolling = FALSE;
            break;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hWnd && msg.wParam == ZMR_TIMER_SMOOTHSCROLL)
        {
            OnSmoothScrollTimer();
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}
