#include "CZMRPopupScrollLayout.h"
#include <algorithm>

namespace
{
BOOL AnyVisible(const std::vector<CZMRPopupScrollLayout::CItem>& items, int nFrom, int nTo)
{
    for (int i = std::max(nFrom, 0); i < nTo && i < int(items.size()); i++)
    {
        if (items[i].bVisible)
            return TRUE;
    }
    return FALSE;
}
}

CZMRPopupScrollLayout::COutput CZMRPopupScrollLayout::Calc(const CInput& in)
{
    COutput out;
    const int nCount = int(in.items.size());
    out.rects.assign(nCount, CRect(0, 0, 0, 0));
    const int L = in.rcBorders.left, R = in.szPopup.cx - in.rcBorders.right;
    const int T = in.rcBorders.top, B = in.szPopup.cy - in.rcBorders.bottom;

    if (in.bFromEnd)
    {
        // A single control left below is shown rather than an area for it.
        int nEnd = std::clamp(in.nEnd == nCount - 1 ? nCount : in.nEnd, 0, nCount);
        int y = B;
        if (nEnd != nCount)
        {
            out.rcScrollDown = CRect(L, B - AreaHeight, R, B);
            y = B - AreaHeight;
        }
        int nFirst = 0;
        for (int i = nEnd - 1; i >= 0; i--)
        {
            const CItem& item = in.items[i];
            if (!item.bVisible)
                continue;
            const int nTop = y - item.nHeight;
            if (nTop < T + AreaHeight)
            {
                nFirst = i + 1;
                break;
            }
            out.rects[i] = CRect(L, nTop, R, y);
            y = nTop - (item.bBeginGroup ? in.nSeparator : 0);
        }
        // Only hidden controls above need no area.
        if (!AnyVisible(in.items, 0, nFirst))
            nFirst = 0;
        if (nFirst > 0)
            out.rcScrollUp = CRect(L, T, R, T + AreaHeight);
        out.nFirst = nFirst;
        out.nEnd = nEnd;
        return out;
    }

    // One control above is shown rather than an area for it.
    const int nFirst = std::clamp(in.nFirst == 1 ? 0 : in.nFirst, 0, nCount);
    int y = T;
    if (nFirst > 0)
    {
        out.rcScrollUp = CRect(L, T, R, T + AreaHeight);
        y = T + AreaHeight;
    }
    int nEnd = nCount;
    int nPlaced = -1;
    for (int i = nFirst; i < nCount; i++)
    {
        const CItem& item = in.items[i];
        if (!item.bVisible)
            continue;
        const int nTop = y + (item.bBeginGroup && nPlaced != -1 ? in.nSeparator : 0);
        if (nTop + item.nHeight > B - AreaHeight)
        {
            if (nPlaced != -1)
            {
                nEnd = i;
                break;
            }
            // Even the first does not fit: it takes what there is.
            out.rects[i] = CRect(L, nTop, R, AnyVisible(in.items, i + 1, nCount) ? B - AreaHeight : B);
            nPlaced = i;
            nEnd = i + 1;
            break;
        }
        out.rects[i] = CRect(L, nTop, R, nTop + item.nHeight);
        y = nTop + item.nHeight;
        nPlaced = i;
    }
    if (!AnyVisible(in.items, nEnd, nCount))
        nEnd = nCount;
    if (nEnd < nCount)
        out.rcScrollDown = CRect(L, B - AreaHeight, R, B);
    out.nFirst = nFirst;
    out.nEnd = nEnd;
    return out;
}
