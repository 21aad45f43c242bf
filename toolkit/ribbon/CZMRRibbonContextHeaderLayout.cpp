#include "CZMRRibbonContextHeaderLayout.h"
#include <algorithm>

namespace
{
// The narrowest header that is moved to fit.
const int kMinHeaderWidth = 40;
}

CZMRRibbonContextHeaderLayout::COutput CZMRRibbonContextHeaderLayout::Calc(const CInput& in)
{
    COutput out;
    out.rcFree = in.rcFree;
    out.rcCaptionText = in.rcCaptionText;
    out.tabHeaders.assign(in.tabs.size(), -1);

    if (!in.bFrameHelper && in.bQuickAccessInCaption)
        out.rcFree.left = in.rcQuickAccess.right + (in.nCustomizeWidth >= 0 ? in.nCustomizeWidth + 2 : 12);

    // Gather: a hidden tab neither ends nor joins the current header; a plain
    // tab ends it.
    int nCurrent = -1;
    for (int i = 0; i < (int)in.tabs.size(); i++)
    {
        const CTab& tab = in.tabs[i];
        if (!tab.bVisible)
            continue;
        if (tab.nContextColor == 0 || tab.strContextCaption.IsEmpty())
        {
            nCurrent = -1;
            continue;
        }
        if (nCurrent >= 0 && out.headers[nCurrent].nColor == tab.nContextColor &&
            out.headers[nCurrent].strCaption == tab.strContextCaption)
        {
            CHeader& header = out.headers[nCurrent];
            header.rc.right = tab.nRight;
            header.nLast = i;
        }
        else
        {
            CHeader header;
            header.nFirst = header.nLast = i;
            header.strCaption = tab.strContextCaption;
            header.nColor = tab.nContextColor;
            header.rc = CRect(tab.nLeft, in.rcCaption.top + 4, tab.nRight, in.rcCaption.bottom);
            out.headers.push_back(header);
            nCurrent = (int)out.headers.size() - 1;
        }
        out.tabHeaders[i] = nCurrent;
    }
    if (out.headers.empty())
        return out;

    if (!Fit(out.headers, out.rcFree.left, out.rcFree.right))
    {
        out.headers.clear();
        out.tabHeaders.assign(in.tabs.size(), -1);
        return out;
    }

    // The caption text keeps its width and moves to the side with more room.
    CRect rcBand(out.headers.front().rc.left, in.rcCaption.top + 6, out.headers.back().rc.right,
                 in.rcCaption.bottom);
    if (!rcBand.IntersectRect(rcBand, out.rcCaptionText))
        return out;
    CRect& rcText = out.rcCaptionText;
    const int w = rcText.Width();
    if (rcBand.left + rcBand.right < rcText.left + rcText.right)
    {
        rcText.left = rcBand.right;
        rcText.right = out.rcFree.right - rcText.left < w ? (int)out.rcFree.right : rcText.left + w;
    }
    else
    {
        rcText.right = rcBand.left;
        rcText.left = std::max((int)out.rcFree.left, (int)rcBand.left - w);
    }
    return out;
}

BOOL CZMRRibbonContextHeaderLayout::Fit(std::vector<CHeader>& headers, int nLeft, int nRight)
{
    int a = nLeft;
    for (CHeader& header : headers)
    {
        if (header.rc.left >= a)
            break;
        const int w = std::max((int)header.rc.Width(), kMinHeaderWidth);
        header.rc.left = a;
        header.rc.right = a + w;
        a = header.rc.right;
    }
    int b = nRight;
    for (auto it = headers.rbegin(); it != headers.rend(); ++it)
    {
        CHeader& header = *it;
        if (header.rc.right <= b)
            break;
        const int w = std::max((int)header.rc.Width(), kMinHeaderWidth);
        header.rc.right = b;
        header.rc.left = b - w;
        b = header.rc.left;
        if (b < a)
            return FALSE;
    }
    return TRUE;
}
