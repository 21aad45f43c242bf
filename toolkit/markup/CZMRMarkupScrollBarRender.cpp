// The scroll bar's drawing: arrows, page areas and thumb, with the
// "SCROLLBAR" visual style when it is active, else with the classic frame
// controls and the system's scroll bar brush.
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupScrollBar.h"
#include "CZMRWinThemeWrapper.h"

namespace
{
// Parts of the visual style.
const int partArrow = 1;
const int partThumbHorizontal = 2;
const int partThumbVertical = 3;
const int partFirstPageHorizontal = 4;
const int partSecondPageHorizontal = 5;
const int partFirstPageVertical = 6;
const int partSecondPageVertical = 7;
const int partGripperHorizontal = 8;
const int partGripperVertical = 9;
// A thumb longer than this shows its gripper.
const int nGripperMinimum = 13;

CRect AlongRect(const CZMRMarkupScrollBar::GEOMETRY& g, int nStart, int nEnd)
{
    if (g.bVertical)
        return CRect(g.nAcrossStart, nStart, g.nAcrossEnd, nEnd);
    return CRect(nStart, g.nAcrossStart, nEnd, g.nAcrossEnd);
}
}

void CZMRMarkupScrollBar::OnRender(CZMRMarkupDrawingContext* pDC)
{
    const GEOMETRY& g = m_geometry;
    if (g.nAcrossEnd <= g.nAcrossStart)
        return;
    const HDC hDC = pDC->GetOutputDC();
    const BOOL bTracking = m_pTracking != nullptr;
    const int nPressed = bTracking && (m_pTracking->bDragging || m_pTracking->bInside) ? g.nHotPart : hitNone;
    const int nHot = bTracking ? hitNone : g.nHotPart;
    const BOOL bEnabled = IsScrollable();

    CRect rcFirstArrow = AlongRect(g, g.nAlongStart, g.nUpArrowEnd);
    CRect rcSecondArrow = AlongRect(g, g.nDownArrowStart, g.nAlongEnd);
    CRect rcTrack = AlongRect(g, g.nUpArrowEnd, g.nDownArrowStart);
    CRect rcFirstPage = AlongRect(g, g.nTrackStart, g.nThumbStart);
    CRect rcThumb = AlongRect(g, g.nThumbStart, g.nThumbEnd);
    CRect rcSecondPage = AlongRect(g, g.nThumbEnd, g.nDownArrowStart);
    if (!bEnabled || g.nThumbEnd > g.nDownArrowStart)
    {
        rcThumb = AlongRect(g, g.nTrackStart, g.nTrackStart);
        rcFirstPage = rcThumb;
        rcSecondPage = rcTrack;
    }

    CZMRWinThemeWrapper theme;
    theme.OpenThemeData(nullptr, L"SCROLLBAR");
    if (theme.IsThemeOpenAndActive())
    {
        // Normal, hot, pressed and disabled by the area's hit code.
        auto state = [&](int nCode) { return !bEnabled ? 4 : nPressed == nCode ? 3 : nHot == nCode ? 2 : 1; };
        const int nFirstArrowBase = g.bVertical ? 0 : 8;
        theme.DrawThemeBackground(hDC, partArrow, nFirstArrowBase + state(hitLineUp), &rcFirstArrow, nullptr);
        theme.DrawThemeBackground(hDC, partArrow, nFirstArrowBase + 4 + state(hitLineDown), &rcSecondArrow, nullptr);
        if (rcTrack.IsRectEmpty())
            return;
        if (!rcFirstPage.IsRectEmpty())
        {
            theme.DrawThemeBackground(hDC, g.bVertical ? partFirstPageVertical : partFirstPageHorizontal,
                                      state(hitPageUp), &rcFirstPage, nullptr);
        }
        if (!rcThumb.IsRectEmpty())
        {
            theme.DrawThemeBackground(hDC, g.bVertical ? partThumbVertical : partThumbHorizontal, state(hitThumb),
                                      &rcThumb, nullptr);
            if ((g.bVertical ? rcThumb.Height() : rcThumb.Width()) > nGripperMinimum)
            {
                theme.DrawThemeBackground(hDC, g.bVertical ? partGripperVertical : partGripperHorizontal,
                                          state(hitThumb), &rcThumb, nullptr);
            }
        }
        if (!rcSecondPage.IsRectEmpty())
        {
            theme.DrawThemeBackground(hDC, g.bVertical ? partSecondPageVertical : partSecondPageHorizontal,
                                      state(hitPageDown), &rcSecondPage, nullptr);
        }
        return;
    }

    const UINT nDisabled = bEnabled ? 0 : DFCS_INACTIVE;
    ::DrawFrameControl(hDC, &rcFirstArrow, DFC_SCROLL,
                       (g.bVertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | (nPressed == hitLineUp ? DFCS_PUSHED : 0) |
                           nDisabled);
    ::DrawFrameControl(hDC, &rcSecondArrow, DFC_SCROLL,
                       (g.bVertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) |
                           (nPressed == hitLineDown ? DFCS_PUSHED : 0) | nDisabled);

    const COLORREF clrOldBack = ::SetBkColor(hDC, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    const COLORREF clrOldText = ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNFACE));
    HBRUSH hTrack = reinterpret_cast<HBRUSH>(::SendMessageW(::GetDesktopWindow(), WM_CTLCOLORSCROLLBAR,
                                                            reinterpret_cast<WPARAM>(hDC),
                                                            reinterpret_cast<LPARAM>(::GetDesktopWindow())));
    ::FillRect(hDC, &rcTrack, hTrack ? hTrack : ::GetSysColorBrush(COLOR_SCROLLBAR));
    ::SetBkColor(hDC, clrOldBack);
    ::SetTextColor(hDC, clrOldText);
    if (nPressed == hitPageUp)
        ::InvertRect(hDC, &rcFirstPage);
    if (!rcTrack.IsRectEmpty() && !rcThumb.IsRectEmpty())
    {
        ::FillRect(hDC, &rcThumb, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawEdge(hDC, &rcThumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
    }
    if (nPressed == hitPageDown)
        ::InvertRect(hDC, &rcSecondPage);
}
