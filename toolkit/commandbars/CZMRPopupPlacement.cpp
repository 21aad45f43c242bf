#include "CZMRPopupPlacement.h"
#include <algorithm>

CZMRPopupPlacement::COutput CZMRPopupPlacement::Calc(const CInput& in)
{
    COutput out;
    CRect rcEx = in.rcExclude;
    DWORD dwDir = in.dwDirection;
    int x = in.ptAnchor.x, y = in.ptAnchor.y;
    int cx = in.szPopup.cx, cy = in.szPopup.cy;

    // A point in the monitor's task-bar strip, or a rectangle that only meets
    // the monitor there, may use the whole monitor.
    CRect rcWork = in.rcWork;
    const BOOL bEmptyExclude = rcEx.IsRectEmpty();
    CRect rcMeet;
    if (bEmptyExclude)
    {
        if (in.rcMonitor.PtInRect(in.ptAnchor) && !rcWork.PtInRect(in.ptAnchor))
            rcWork = in.rcMonitor;
    }
    else if (!rcMeet.IntersectRect(&rcEx, &rcWork) && rcMeet.IntersectRect(&rcEx, &in.rcMonitor))
    {
        rcWork = in.rcMonitor;
    }
    rcWork.bottom -= 5;

    // Vertical.
    const BOOL bZeroHeight = rcEx.Height() == 0;
    const int nMiddle = rcWork.top + rcWork.Height() / 2;
    if (bZeroHeight && (dwDir & dirAbove))
        y -= cy;
    else if (bZeroHeight && y > rcWork.bottom)
        y -= cy;
    else if (y + cy > rcWork.bottom)
    {
        if (bZeroHeight)
            y = y < nMiddle ? rcWork.bottom - cy : y - cy;
        else if (!(dwDir & dirBelow))
            y = rcWork.bottom - cy;
        else
        {
            y = rcEx.top - cy;
            if (y < rcWork.top)
            {
                if (in.bMayFlip)
                {
                    dwDir &= ~DWORD(dirBelow);
                    if (!in.rcSideExclude.IsRectNull())
                        rcEx = in.rcSideExclude;
                    y = rcWork.bottom - cy;
                    if (!(dwDir & dirLeft))
                        x = rcEx.right;
                }
                else
                {
                    out.bScroll = TRUE;
                    if (rcEx.top + rcEx.Height() / 2 < nMiddle)
                    {
                        y = rcEx.bottom;
                        cy = rcWork.bottom - y;
                    }
                    else
                    {
                        cy = rcEx.top - rcWork.top;
                        y = rcWork.top;
                    }
                }
            }
        }
    }
    y = std::max(y, int(rcWork.top));
    if (y + cy > rcWork.bottom && y == rcWork.top)
    {
        if (in.bMayFlip && in.fnLayoutForHeight)
        {
            const CSize sz = in.fnLayoutForHeight(rcWork.bottom - y);
            cx = sz.cx;
            cy = sz.cy;
        }
        else if (!in.bMayFlip)
        {
            cy = rcWork.bottom - y;
            out.bScroll = TRUE;
        }
    }

    // Horizontal.
    const BOOL bZeroWidth = rcEx.Width() == 0;
    if (dwDir == (dirLeft | dirBelow) && !bZeroWidth)
        x = rcEx.right - cx;
    else if ((dwDir & dirLeft) && !bZeroWidth)
        x = rcEx.left - cx;
    else if (dwDir & dirLeft)
        x -= cx;
    if (x + cx > rcWork.right)
    {
        if (bZeroWidth && x > rcWork.right)
            x -= cx;
        else if (bZeroWidth)
            x = rcWork.right - cx;
        else
        {
            x = ((dwDir & dirBelow) ? rcWork.right : rcEx.left) - cx;
            dwDir |= dirLeft;
        }
        x = std::max(x, int(rcWork.left));
    }
    if (x < rcWork.left && !(bZeroWidth && !(dwDir & dirLeft)))
    {
        dwDir &= ~DWORD(dirLeft);
        x = ((dwDir & dirBelow) || bZeroWidth) ? rcWork.left : rcEx.right;
    }

    out.rcPopup = CRect(x, y, x + cx, y + cy);
    out.dwDirection = dwDir;
    out.rcExclude = rcEx;
    return out;
}
