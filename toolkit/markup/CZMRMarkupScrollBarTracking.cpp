// The scroll bar's mouse tracking: a press on an arrow or a page area scrolls
// and repeats while the mouse stays there; a press on the thumb drags it. Both
// run in a modal loop on the host window until the capture ends.
#include "CZMRMarkupScrollBar.h"

#include <algorithm>

CPoint CZMRMarkupScrollBar::HostToBar(CPoint pt) const
{
    for (const CZMRMarkupObject* pObject = this; pObject; pObject = pObject->GetLogicalParent())
    {
        const CZMRMarkupVisual* pVisual = MarkupCast<CZMRMarkupVisual>(const_cast<CZMRMarkupObject*>(pObject));
        if (pVisual)
            pt.Offset(-pVisual->GetVisualOffset().x, -pVisual->GetVisualOffset().y);
    }
    return pt;
}

CPoint CZMRMarkupScrollBar::ScreenToBar(CPoint pt) const
{
    if (m_pTracking)
        ::ScreenToClient(m_pTracking->hWnd, &pt);
    return HostToBar(pt);
}

void CZMRMarkupScrollBar::TrackMouse(HWND hWnd, CPoint pt, BOOL bShift)
{
    GEOMETRY& g = m_geometry;
    m_pTracking = new TRACKING();
    TRACKING& t = *m_pTracking;
    t.nPart = partNone;
    t.bDragging = FALSE;
    t.hWnd = hWnd;
    t.pGeometry = &g;

    const int p = Along(pt);
    int nStart = 0;
    int nEnd = 0;
    BOOL bDrag = FALSE;
    if (p < g.nUpArrowEnd)
    {
        t.nPart = partLineUp;
        g.nHotPart = hitLineUp;
        nStart = g.nAlongStart;
        nEnd = g.nUpArrowEnd;
    }
    else if (p < g.nDownArrowStart && p < g.nThumbStart)
    {
        t.nPart = partPageUp;
        g.nHotPart = hitPageUp;
        nStart = g.nUpArrowEnd;
        nEnd = g.nThumbStart;
        bDrag = bShift;
    }
    else if (p < g.nThumbEnd)
    {
        g.nHotPart = hitThumb;
        bDrag = TRUE;
    }
    else if (p < g.nDownArrowStart)
    {
        t.nPart = partPageDown;
        g.nHotPart = hitPageDown;
        nStart = g.nThumbEnd;
        nEnd = g.nDownArrowStart;
        bDrag = bShift;
    }
    else
    {
        t.nPart = partLineDown;
        g.nHotPart = hitLineDown;
        nStart = g.nDownArrowStart;
        nEnd = g.nAlongEnd;
    }

    if (bDrag)
    {
        // A thumb that fills the track cannot move.
        if (g.nThumbLength >= g.nDownArrowStart - g.nUpArrowEnd)
        {
            delete m_pTracking;
            m_pTracking = nullptr;
            return;
        }
        t.nPart = partThumb;
        g.nHotPart = hitThumb;
        CalcTrackingLimitRect(&t);
        g.nDragStart = t.nLastPixel = g.nThumbStart;
        t.nCurrentPos = t.nTrackPos = m_scrollInfo.nPos;
        t.nGrabOffset = g.nThumbStart - p;
        t.bDragging = TRUE;
        ::SetCapture(hWnd);
        NotifyScroll(scrollThumbTrack, m_scrollInfo.nPos);
        // With Shift the thumb centres on the mouse.
        if (bShift)
            t.nGrabOffset = -g.nThumbLength / 2;
    }
    else if (g.bVertical)
        ::SetRect(&t.rcLimit, g.nAcrossStart, nStart, g.nAcrossEnd, nEnd);
    else
        ::SetRect(&t.rcLimit, nStart, g.nAcrossStart, nEnd, g.nAcrossEnd);

    ::SetCapture(hWnd);
    if (t.bDragging)
        TrackThumb(WM_LBUTTONDOWN, pt);
    else
        TrackButton(WM_LBUTTONDOWN, pt);

    while (m_pTracking && ::GetCapture() == hWnd)
    {
        MSG msg;
        // A quit request passes every filter: taken here, it goes on to the
        // loop outside like one taken below.
        bool bQuit = false;
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                bQuit = true;
                break;
            }
            ::DispatchMessageW(&msg);
        }
        if (bQuit || !::GetMessageW(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!::IsWindow(hWnd))
            break;
        if (msg.message == WM_TIMER && msg.wParam == repeatTimerId && msg.hwnd == hWnd)
        {
            OnRepeatTimer();
            continue;
        }
        if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSEWHEEL)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            continue;
        }
        // Mouse messages carry the point in the capturing host's client
        // area; the wheel's is on the screen.
        CPoint ptMessage(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
        const CPoint ptBar = msg.message == WM_MOUSEWHEEL ? ScreenToBar(ptMessage) : HostToBar(ptMessage);
        if (m_pTracking->bDragging)
            TrackThumb(msg.message, ptBar);
        else
            TrackButton(msg.message, ptBar);
    }

    if (m_pTracking)
    {
        ::KillTimer(hWnd, repeatTimerId);
        delete m_pTracking;
        m_pTracking = nullptr;
    }
    // A loop ended by the application's end still holds the capture.
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (::IsWindow(hWnd))
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        ::ScreenToClient(hWnd, &ptCursor);
        const CPoint ptBar = HostToBar(ptCursor);
        g.nHotPart = HitTest(ptBar.x, ptBar.y);
        InvalidateVisual();
    }
}

void CZMRMarkupScrollBar::TrackButton(UINT message, CPoint pt)
{
    TRACKING& t = *m_pTracking;
    const GEOMETRY& g = m_geometry;
    // The inner edge of a page area follows the thumb.
    if (t.nPart == partPageUp)
    {
        if (g.bVertical)
            t.rcLimit.bottom = g.nThumbStart;
        else
            t.rcLimit.right = g.nThumbStart;
    }
    else if (t.nPart == partPageDown)
    {
        if (g.bVertical)
            t.rcLimit.top = g.nThumbEnd;
        else
            t.rcLimit.left = g.nThumbEnd;
    }

    const BOOL bInside = ::PtInRect(&t.rcLimit, pt);
    const BOOL bCameInside = bInside && !t.bInside;
    if (bInside != t.bInside)
    {
        t.bInside = bInside;
        InvalidateVisual();
    }

    UINT nDelay = 0;
    switch (message)
    {
    case WM_MOUSEMOVE:
        nDelay = ::GetDoubleClickTime() / 10;
        break;
    case WM_LBUTTONDOWN:
        nDelay = ::GetDoubleClickTime() * 4 / 5;
        t.nTimer = 0;
        break;
    case WM_LBUTTONUP:
        EndTracking(FALSE);
        return;
    default:
        return;
    }
    if (bCameInside)
    {
        t.nTimer = s_pfnSetTimer(t.hWnd, repeatTimerId, nDelay, nullptr);
        NotifyScroll(t.nPart, 0);
    }
}

void CZMRMarkupScrollBar::OnRepeatTimer()
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    TrackButton(0, ScreenToBar(ptCursor));
    if (m_pTracking && m_pTracking->bInside)
    {
        m_pTracking->nTimer = s_pfnSetTimer(m_pTracking->hWnd, repeatTimerId, ::GetDoubleClickTime() / 10, nullptr);
        NotifyScroll(m_pTracking->nPart, 0);
    }
}

void CZMRMarkupScrollBar::TrackThumb(UINT message, CPoint pt)
{
    TRACKING& t = *m_pTracking;
    const GEOMETRY& g = m_geometry;
    int nPixel;
    if (::PtInRect(&t.rcLimit, pt))
        nPixel = std::max(g.nTrackStart, std::min(Along(pt) + t.nGrabOffset, g.nTrackStart + g.nTrackLength));
    else
        nPixel = g.nDragStart;   // far from the bar the thumb jumps back
    MoveThumb(nPixel);
    if (message == WM_LBUTTONUP || ::GetKeyState(VK_LBUTTON) >= 0)
        EndTracking(FALSE);
}

void CZMRMarkupScrollBar::MoveThumb(int nPixel)
{
    TRACKING& t = *m_pTracking;
    GEOMETRY& g = m_geometry;
    if (nPixel == t.nLastPixel)
        return;
    const int nTrackEnd = g.nTrackStart + g.nTrackLength;
    for (int nPass = 0; nPass < 2; nPass++)
    {
        t.nTrackPos = PixelToPosition(nPixel);
        if (t.nTrackPos != t.nCurrentPos)
        {
            NotifyScroll(scrollThumbTrack, t.nTrackPos);
            t.nCurrentPos = t.nTrackPos;
        }
        if (nPixel <= nTrackEnd)
            break;
        nPixel = nTrackEnd;
    }
    g.nThumbStart = nPixel;
    g.nThumbEnd = nPixel + g.nThumbLength;
    t.nLastPixel = nPixel;
    InvalidateVisual();
}

void CZMRMarkupScrollBar::EndTracking(BOOL bRevert)
{
    TRACKING& t = *m_pTracking;
    ::ReleaseCapture();
    if (t.bDragging)
    {
        if (bRevert)
            t.nCurrentPos = m_scrollInfo.nPos;
        NotifyScroll(scrollThumbPosition, t.nCurrentPos);
        InvalidateVisual();
    }
    else
        ::KillTimer(t.hWnd, repeatTimerId);
    NotifyScroll(scrollEnd, 0);
}
