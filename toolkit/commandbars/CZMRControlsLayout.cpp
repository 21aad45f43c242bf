// The geometry of a bar's controls. A layout works on records, one per
// control, measured once per call: the tool-bar rows (wrapping, fitting,
// balancing, placing, aligning, distributing free space), the reducing
// layout of large controls, and the columns of popup bars.
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRCommandBar.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"
#include <algorithm>
#include <vector>

struct CZMRControls::CLayoutItem
{
    CRect rcControl;      // the current rectangle, then the result
    CRect rcRow;
    CSize szControl;      // measured
    BOOL bVisible;        // visible, the no-room bit aside
    BOOL bWrap;           // starts a row or column
    BOOL bHidden;         // no room
    BOOL bBeginGroup;
    int nStyle;           // the effective style when measured
    CZMRControl* pControl;
};

class CZMRControls::CLayout
{
public:
    CLayout(CDC* pDC, DWORD dwMode) : m_pDC(pDC), m_dwMode(dwMode), m_szSeparator(0, 0), m_nRowGap(0) {}

    // Row breaks for a length; the number of rows. bWrapped: a row had to
    // break or controls were hidden for lack of room.
    int WrapRows(int nLength, BOOL& bWrapped);
    // Places the rows (columns on vertical bars) from 0, 0; the block size.
    CSize PlaceRows();
    // The narrowest wrap that needs no more rows than the length does.
    BOOL FitToLength(int nLength);
    // The wrap whose block comes closest to a height.
    BOOL FitToHeight(int nHeight);
    // The wrap whose block comes closest to a square.
    BOOL BalanceWrap();
    // Moves the placed block inside the borders, aligns every row and adds
    // the borders to the size.
    void FinishLayout(CSize& szBar, const CRect& rcBorder, BOOL bReducing);
    // Moves right-aligned controls to the far end of the last row and shares
    // the free space of each row among its stretched controls.
    void DistributeRowSpace(CSize szBar, const CRect& rcBorder);
    void ApplyLayoutItem(CLayoutItem& item);

    // The reducing layout: large controls shrink step by step to fit.
    CSize CalcReducingLayout(int nLength, BOOL& bReduced, CZMRCommandBar* pBar, CZMRImageManager* pImageManager,
                             CZMRPaintManager* pPaintManager);

    std::vector<CLayoutItem> m_items;
    CDC* m_pDC;
    DWORD m_dwMode;
    CSize m_szSeparator;
    int m_nRowGap;

private:
    BOOL IsVertical() const { return (m_dwMode & zmrLayoutVertDock) != 0; }
    int Extent(const CLayoutItem& item) const { return IsVertical() ? item.szControl.cy : item.szControl.cx; }
    BOOL IsPlaced(const CLayoutItem& item) const { return item.bVisible && !item.bHidden; }
    // The indexes of the placed items, row by row.
    std::vector<std::vector<int>> GetRows() const;
    void AlignRow(const std::vector<int>& row, int nThickness, const CRect& rcBorder, CSize szBlock, BOOL bCenter);
    CSize PlaceGroupColumns(int nColumnHeight);
    BOOL ReduceStyles();
    // A wrap at a length, then its placement.
    CSize WrapAndPlace(int nLength)
    {
        BOOL bWrapped = FALSE;
        WrapRows(nLength, bWrapped);
        return PlaceRows();
    }
};

// ---------------------------------------------------------------- rows

int CZMRControls::CLayout::WrapRows(int nLength, BOOL& bWrapped)
{
    bWrapped = FALSE;
    for (CLayoutItem& item : m_items)
        item.bWrap = item.bHidden = FALSE;

    const int nSeparator = IsVertical() ? m_szSeparator.cy : m_szSeparator.cx;
    const int nCount = int(m_items.size());
    int x = 0, nRows = 0;
    int nRowFirst = -1;   // the first item of the current row; -1 before the first visible one

    for (int i = 0; i < nCount; i++)
    {
        CLayoutItem& item = m_items[i];
        if (!item.bVisible)
            continue;
        // The first control starts the first row whatever it holds.
        if (nRowFirst == -1)
        {
            nRowFirst = i;
            x = Extent(item);
            continue;
        }

        if (item.pControl->GetFlags() & zmrFlagWrapRow)
        {
            nRows++;
            x = Extent(item);
            item.bWrap = TRUE;
            nRowFirst = i;
            continue;
        }

        const int e = Extent(item) + (item.bBeginGroup ? nSeparator : 0);
        const BOOL bOverflow = x + e > nLength || ((m_dwMode & zmrLayoutWrapGroups) && item.bBeginGroup);
        if (!bOverflow)
        {
            x += e;
            continue;
        }

        if (m_dwMode & zmrLayoutHideWrap)
        {
            // What does not fit is hidden, up to the next control that
            // starts a row of its own.
            bWrapped = TRUE;
            int j = i;
            for (; j < nCount; j++)
            {
                if (m_items[j].bVisible && (m_items[j].pControl->GetFlags() & zmrFlagWrapRow))
                    break;
                m_items[j].bHidden = TRUE;
            }
            if (j >= nCount)
                return nRows + 1;
            i = j - 1;
            continue;
        }

        // The row breaks at its last group start, else at this control.
        int nBreak = i;
        for (int j = i; j > nRowFirst; j--)
        {
            if (m_items[j].bVisible && m_items[j].bBeginGroup)
            {
                nBreak = j;
                break;
            }
        }
        m_items[nBreak].bWrap = TRUE;
        x = Extent(m_items[nBreak]);
        nRows++;
        bWrapped = TRUE;
        nRowFirst = nBreak;
        i = nBreak;
    }
    return nRows + 1;
}

CSize CZMRControls::CLayout::PlaceRows()
{
    CSize szBlock(0, 0);
    int x = 0, y = 0, nRowThickness = 0;
    BOOL bFirst = TRUE;
    for (CLayoutItem& item : m_items)
    {
        if (!IsPlaced(item))
            continue;
        const CSize sz = item.szControl;
        if (!IsVertical())
        {
            if (!bFirst && item.bWrap)
            {
                y += nRowThickness + (item.bBeginGroup ? m_szSeparator.cy : m_nRowGap);
                x = 0;
                nRowThickness = 0;
            }
            else if (!bFirst && item.bBeginGroup)
            {
                x += m_szSeparator.cx;
            }
            item.rcControl.SetRect(x, y, x + sz.cx, y + sz.cy);
            x += sz.cx;
            nRowThickness = std::max(nRowThickness, int(sz.cy));
            szBlock.cx = std::max(szBlock.cx, item.rcControl.right);
        }
        else
        {
            // Columns grow to the left of 0; FinishLayout moves them back.
            if (!bFirst && item.bWrap)
            {
                x -= nRowThickness + (item.bBeginGroup ? m_szSeparator.cy : m_nRowGap);
                y = 0;
                nRowThickness = 0;
            }
            else if (!bFirst && item.bBeginGroup)
            {
                y += m_szSeparator.cx;
            }
            item.rcControl.SetRect(x - sz.cx, y, x, y + sz.cy);
            y += sz.cy;
            nRowThickness = std::max(nRowThickness, int(sz.cx));
            szBlock.cx = std::max(szBlock.cx, -item.rcControl.left);
        }
        szBlock.cy = std::max(szBlock.cy, item.rcControl.bottom);
        bFirst = FALSE;
    }
    return szBlock;
}

BOOL CZMRControls::CLayout::FitToLength(int nLength)
{
    BOOL bWrapped = FALSE, bProbe = FALSE;
    const int nRows = WrapRows(nLength, bWrapped);
    if (nLength > 0 && WrapRows(0, bProbe) != nRows)
    {
        // The shortest length that still needs no more rows.
        int nLow = 0, nHigh = nLength;
        while (nHigh - nLow > 1)
        {
            const int nMid = (nLow + nHigh) / 2;
            if (WrapRows(nMid, bProbe) <= nRows)
                nHigh = nMid;
            else
                nLow = nMid;
        }
        nLength = nHigh;
    }
    WrapRows(nLength, bWrapped);
    return bWrapped;
}

BOOL CZMRControls::CLayout::FitToHeight(int nHeight)
{
    BOOL bWrapped = FALSE;
    CSize szLow = WrapAndPlace(0);
    const CSize szHigh = WrapAndPlace(32767);
    int nLow = szLow.cx, nHigh = szHigh.cx;

    // Each probe halves the range between the two widths; the search ends
    // on an exact fit or when a probe changes nothing.
    for (int nProbe = 0; nProbe < 64; nProbe++)
    {
        const int nMid = (nLow + nHigh) / 2;
        WrapRows(nMid, bWrapped);
        const CSize sz = PlaceRows();
        if (sz.cy > nHeight)
        {
            if (nMid == nLow && sz.cy == szLow.cy)
                break;
            nLow = nMid;
            szLow = sz;
        }
        else if (sz.cy < nHeight)
        {
            if (nMid == nHigh || nHigh <= nLow)
                break;
            nHigh = nMid;
        }
        else
        {
            break;
        }
    }
    return bWrapped;
}

BOOL CZMRControls::CLayout::BalanceWrap()
{
    BOOL bWrapped = FALSE;
    int nLow = WrapAndPlace(0).cx;
    int nHigh = WrapAndPlace(32767).cx;
    WrapRows(nHigh, bWrapped);
    while (nLow < nHigh)
    {
        const int nMid = (nLow + nHigh) / 2;
        WrapRows(nMid, bWrapped);
        const CSize sz = PlaceRows();
        if (sz.cy > sz.cx && nMid != nLow)
            nLow = nMid;
        else if (sz.cx > sz.cy && nMid != nHigh)
            nHigh = nMid;
        else
            break;
    }
    return bWrapped;
}

std::vector<std::vector<int>> CZMRControls::CLayout::GetRows() const
{
    std::vector<std::vector<int>> rows;
    for (int i = 0; i < int(m_items.size()); i++)
    {
        if (!IsPlaced(m_items[i]))
            continue;
        if (rows.empty() || m_items[i].bWrap)
            rows.emplace_back();
        rows.back().push_back(i);
    }
    return rows;
}

void CZMRControls::CLayout::AlignRow(const std::vector<int>& row, int nThickness, const CRect& rcBorder,
                                     CSize szBlock, BOOL bCenter)
{
    const CRect rcFirst = m_items[row.front()].rcControl;
    const CRect rcRow = IsVertical() ? CRect(rcFirst.right - nThickness, rcBorder.top, rcFirst.right,
                                             rcBorder.top + szBlock.cy)
                                     : CRect(rcBorder.left, rcFirst.top, rcBorder.left + szBlock.cx,
                                             rcFirst.top + nThickness);
    for (int i : row)
    {
        CLayoutItem& item = m_items[i];
        item.rcRow = rcRow;
        if (!bCenter)
            continue;
        if (IsVertical())
        {
            const int nWidth = item.rcControl.Width();
            item.rcControl.OffsetRect(rcRow.left + (nThickness - nWidth) / 2 - item.rcControl.left, 0);
        }
        else
        {
            const int nHeight = item.rcControl.Height();
            item.rcControl.OffsetRect(0, rcRow.top + (nThickness - nHeight) / 2 - item.rcControl.top);
        }
    }
}

void CZMRControls::CLayout::FinishLayout(CSize& szBar, const CRect& rcBorder, BOOL bReducing)
{
    if (m_dwMode & zmrLayoutCommit)
    {
        // Vertical rows were placed to the left of 0; the reducing layout
        // places its columns from 0 on both axes.
        const int dx = rcBorder.left + (IsVertical() && !bReducing ? szBar.cx : 0);
        for (CLayoutItem& item : m_items)
        {
            if (IsPlaced(item))
                item.rcControl.OffsetRect(dx, rcBorder.top);
        }

        const std::vector<std::vector<int>> rows = GetRows();
        for (const std::vector<int>& row : rows)
        {
            int nThickness = 0;
            if (rows.size() == 1)
            {
                nThickness = IsVertical() ? szBar.cx : szBar.cy;
            }
            else
            {
                for (int i : row)
                {
                    const CRect& rc = m_items[i].rcControl;
                    nThickness = std::max(nThickness, IsVertical() ? rc.Width() : rc.Height());
                }
            }
            AlignRow(row, nThickness, rcBorder, szBar, !bReducing);
        }
    }
    szBar.cx += rcBorder.left + rcBorder.right;
    szBar.cy += rcBorder.top + rcBorder.bottom;
}

void CZMRControls::CLayout::DistributeRowSpace(CSize szBar, const CRect& rcBorder)
{
    const std::vector<std::vector<int>> rows = GetRows();
    if (rows.empty())
        return;

    const BOOL bVertical = IsVertical();
    const int nFar = bVertical ? szBar.cy - rcBorder.bottom : szBar.cx - rcBorder.right;
    const int nNear = bVertical ? rcBorder.top : rcBorder.left;
    auto nearEdge = [bVertical](const CRect& rc) { return bVertical ? rc.top : rc.left; };
    auto farEdge = [bVertical](const CRect& rc) { return bVertical ? rc.bottom : rc.right; };
    auto moveBy = [bVertical](CRect& rc, int d) { rc.OffsetRect(bVertical ? 0 : d, bVertical ? d : 0); };

    // Right-aligned controls at the end of the last row go to the far edge.
    const std::vector<int>& lastRow = rows.back();
    int nAlignedEdge = nFar;
    int nAligned = 0;
    for (int k = int(lastRow.size()) - 1; k >= 0; k--)
    {
        CLayoutItem& item = m_items[lastRow[k]];
        if (!(item.pControl->GetFlags() & zmrFlagRightAlign))
            break;
        const int nExtent = farEdge(item.rcControl) - nearEdge(item.rcControl);
        if (nAlignedEdge - nExtent < nNear)
            break;
        moveBy(item.rcControl, nAlignedEdge - farEdge(item.rcControl));
        nAlignedEdge = nearEdge(item.rcControl);
        nAligned++;
    }

    // The free space of each row goes to its stretched controls, each taking
    // its share of what is left, so that the last ones get the remainder.
    for (int r = int(rows.size()) - 1; r >= 0; r--)
    {
        const std::vector<int>& row = rows[r];
        const BOOL bLast = r == int(rows.size()) - 1;
        const int nOthers = int(row.size()) - (bLast ? nAligned : 0);
        if (nOthers <= 0)
            continue;
        const int nFree = (bLast ? nAlignedEdge : nFar) - farEdge(m_items[row[nOthers - 1]].rcControl);
        int nStretched = 0;
        for (int k = 0; k < nOthers; k++)
        {
            if (m_items[row[k]].pControl->GetFlags() & zmrFlagStretched)
                nStretched++;
        }
        if (nFree <= 0 || nStretched == 0)
            continue;

        int nGiven = 0;
        for (int k = 0; k < nOthers; k++)
        {
            CLayoutItem& item = m_items[row[k]];
            moveBy(item.rcControl, nGiven);
            if (item.pControl->GetFlags() & zmrFlagStretched)
            {
                const int nShare = (nFree - nGiven) / nStretched--;
                (bVertical ? item.rcControl.bottom : item.rcControl.right) += nShare;
                nGiven += nShare;
            }
        }
    }
}

void CZMRControls::CLayout::ApplyLayoutItem(CLayoutItem& item)
{
    CZMRControl* pControl = item.pControl;
    const DWORD dwHideFlags = item.bHidden ? (pControl->GetHideFlags() | zmrHideWrap)
                                           : (pControl->GetHideFlags() & ~DWORD(zmrHideWrap));
    if (dwHideFlags != pControl->GetHideFlags())
        pControl->SetHideFlags(dwHideFlags);
    pControl->SetRowRect(item.rcRow);
    if (!item.bHidden)
        pControl->SetRect(item.rcControl);
    pControl->SetWrap(item.bWrap);
}

// ---------------------------------------------------------------- the reducing layout

CSize CZMRControls::CLayout::PlaceGroupColumns(int nColumnHeight)
{
    const BOOL bVertical = IsVertical();
    int x = 0, y = 0, nColumnWidth = 0, nTallest = 0;
    BOOL bFirst = TRUE, bLargeColumn = FALSE;
    for (CLayoutItem& item : m_items)
    {
        if (!IsPlaced(item))
            continue;
        const int nStyle = item.pControl->GetStyle();
        if (nStyle != item.nStyle)
        {
            item.szControl = item.pControl->GetSize(m_pDC);
            item.nStyle = nStyle;
        }
        const int nAlong = bVertical ? item.szControl.cy : item.szControl.cx;
        const int nAcross = bVertical ? item.szControl.cx : item.szControl.cy;

        if (!bFirst && item.bBeginGroup)
        {
            x += nColumnWidth + 6;
            nColumnWidth = y = 0;
        }
        else if (!bFirst && (nStyle == zmrButtonIconAndCaptionBelow || bLargeColumn || y + nAcross > nColumnHeight))
        {
            x += nColumnWidth;
            nColumnWidth = y = 0;
        }
        item.rcControl = bVertical ? CRect(y, x, y + nAcross, x + nAlong) : CRect(x, y, x + nAlong, y + nAcross);
        y += nAcross;
        nColumnWidth = std::max(nColumnWidth, nAlong);
        nTallest = std::max(nTallest, nAcross);
        bLargeColumn = nStyle == zmrButtonIconAndCaptionBelow;
        bFirst = FALSE;
    }
    const CSize sz(x + nColumnWidth, std::max(nColumnHeight, nTallest));
    return bVertical ? CSize(sz.cy, sz.cx) : sz;
}

BOOL CZMRControls::CLayout::ReduceStyles()
{
    std::vector<CLayoutItem*> visible;
    for (CLayoutItem& item : m_items)
    {
        if (IsPlaced(item))
            visible.push_back(&item);
    }

    // Three controls of one group, searched from the end: only the first of
    // them may begin the group.
    auto findTriple = [&](auto isMatch) -> int {
        for (int k = int(visible.size()) - 1; k >= 2; k--)
        {
            if (visible[k]->bBeginGroup || visible[k - 1]->bBeginGroup)
                continue;
            if (isMatch(visible[k - 2], visible[k - 1], visible[k]))
                return k;
        }
        return -1;
    };
    auto styleOf = [](const CLayoutItem* p) { return p->pControl->GetStyle(); };
    const int nLarge = zmrButtonIconAndCaptionBelow, nSide = zmrButtonIconAndCaption;

    int nNewStyle = nSide;
    int k = findTriple([&](auto a, auto b, auto c) {
        return styleOf(a) == nLarge && styleOf(b) == nLarge && styleOf(c) == nLarge;
    });
    if (k == -1)
        k = findTriple([&](auto a, auto b, auto c) {
            return styleOf(a) == nLarge || styleOf(b) == nLarge || styleOf(c) == nLarge;
        });
    if (k == -1)
    {
        nNewStyle = zmrButtonIcon;
        k = findTriple([&](auto a, auto b, auto c) {
            auto edge = [this](const CLayoutItem* p) { return IsVertical() ? p->rcControl.top : p->rcControl.left; };
            return styleOf(a) == nSide && styleOf(b) == nSide && styleOf(c) == nSide && edge(a) == edge(b) &&
                   edge(b) == edge(c);
        });
    }
    if (k == -1)
        return FALSE;

    // A control whose user-chosen style overrides the program's does not
    // change; a step that changes nothing ends the reduction.
    BOOL bChanged = FALSE;
    for (int i = k - 2; i <= k; i++)
    {
        CZMRControl* pControl = visible[i]->pControl;
        const int nOld = pControl->GetStyle();
        CZMRControls::SetLayoutStyle(pControl, nNewStyle);
        bChanged |= pControl->GetStyle() != nOld;
    }
    return bChanged;
}

CSize CZMRControls::CLayout::CalcReducingLayout(int nLength, BOOL& bReduced, CZMRCommandBar* pBar,
                                                CZMRImageManager* pImageManager, CZMRPaintManager* pPaintManager)
{
    bReduced = FALSE;
    const CSize szLargeIcon = pBar->GetLargeIconSize();
    int nVisible = 0;
    for (CLayoutItem& item : m_items)
    {
        item.bWrap = item.bHidden = FALSE;
        if (!item.bVisible)
            continue;
        nVisible++;
        const int nIconId = item.pControl->GetIconId();
        const BOOL bLargeImage = nIconId > 0 && pImageManager->ContainsIcon(UINT(nIconId), szLargeIcon.cx);
        CZMRControls::SetLayoutStyle(item.pControl, bLargeImage ? zmrButtonIconAndCaptionBelow
                                                                : zmrButtonIconAndCaption);
    }

    const int nColumnHeight = szLargeIcon.cy + pPaintManager->GetSplitArrowWidth() + 7;
    auto lengthOf = [this](CSize sz) { return IsVertical() ? sz.cy : sz.cx; };
    CSize szBlock = PlaceGroupColumns(nColumnHeight);
    if (lengthOf(szBlock) <= nLength)
        return szBlock;

    // Each control shrinks at most twice (large to side by side to icon).
    bReduced = TRUE;
    for (int nStep = 0; nStep <= 2 * nVisible && lengthOf(szBlock) > nLength && ReduceStyles(); nStep++)
        szBlock = PlaceGroupColumns(nColumnHeight);

    if (lengthOf(szBlock) > nLength && (m_dwMode & zmrLayoutHideWrap))
    {
        BOOL bFirst = TRUE;
        for (CLayoutItem& item : m_items)
        {
            if (!IsPlaced(item))
                continue;
            const int nFarEdge = IsVertical() ? item.rcControl.bottom : item.rcControl.right;
            if (!bFirst && nFarEdge > nLength)
            {
                CZMRControls::SetLayoutStyle(item.pControl, zmrButtonIcon);
                item.bHidden = TRUE;
            }
            bFirst = FALSE;
        }
        szBlock = PlaceGroupColumns(nColumnHeight);
    }
    return szBlock;
}

// ---------------------------------------------------------------- the collection's layouts

void CZMRControls::SetLayoutStyle(CZMRControl* pControl, int buttonStyle)
{
    // The layout's own change: the bar is being laid out already.
    pControl->m_buttonStyle = buttonStyle;
}

CZMRPaintManager* CZMRControls::GetPaintManager() const
{
    if (m_pParent)
        return m_pParent->GetPaintManager();
    if (CZMRBarManager* pManager = GetBarManager())
        return pManager->GetPaintManager();
    return CZMRBarManager::GetGlobalPaintManager();
}

CSize CZMRControls::CalcLayout(CDC* pDC, int nLength, DWORD& dwMode, CRect rcBorder, int nMinThickness)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    const CSize szSeparator = pPaintManager->DrawSeparator(pDC, m_pParent, nullptr, FALSE);

    // List controls put their items in place before anything is measured.
    for (int i = GetCount() - 1; i >= 0; i--)
    {
        if (i < GetCount())
            m_arrControls[i]->ExpandIntoItems(dwMode);
    }

    const BOOL bVertical = (dwMode & zmrLayoutVertDock) != 0;
    if (GetVisibleCount(FALSE) == 0)
    {
        CSize sz(23 + rcBorder.left + rcBorder.right, 22 + rcBorder.top + rcBorder.bottom);
        if (nMinThickness > 0)
        {
            if (dwMode & zmrLayoutHorzDock)
                sz.cy = std::max(int(sz.cy), nMinThickness);
            else
                sz.cx = std::max(int(sz.cx), nMinThickness);
        }
        return sz;
    }

    CLayout layout(pDC, dwMode);
    layout.m_szSeparator = szSeparator;
    layout.m_nRowGap = m_pParent ? m_pParent->GetRowGap() : 0;
    layout.m_items.reserve(size_t(GetCount()));
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        CLayoutItem item;
        item.rcControl = pControl->GetRect();
        item.rcRow.SetRectEmpty();
        item.bVisible = pControl->IsVisible(zmrHideWrap);
        item.szControl = item.bVisible ? pControl->GetSize(pDC) : CSize(0, 0);
        item.bWrap = item.bHidden = FALSE;
        item.bBeginGroup = pControl->GetBeginGroup();
        item.nStyle = pControl->GetStyle();
        item.pControl = pControl;
        layout.m_items.push_back(item);
    }

    const int nBarLength = (dwMode & zmrLayoutMRUWidth) && m_pParent ? m_pParent->GetMRUWidth() : nLength;
    const int nHorzBorders = rcBorder.left + rcBorder.right, nVertBorders = rcBorder.top + rcBorder.bottom;
    const BOOL bReducing = m_pParent && (m_pParent->GetFlags() & zmrBarFlagReducing);
    BOOL bWrapped = FALSE;
    CSize szBlock;
    if (bReducing)
    {
        szBlock = layout.CalcReducingLayout(nBarLength - (bVertical ? nVertBorders : nHorzBorders), bWrapped,
                                            m_pParent, m_pParent->GetImageManager(), pPaintManager);
    }
    else
    {
        if (dwMode & zmrLayoutWrapGroups)
        {
            const int nMRUWidth = m_pParent ? m_pParent->GetMRUWidth() : nBarLength;
            layout.WrapRows(nMRUWidth, bWrapped);
            const CSize sz = layout.PlaceRows();
            if (sz.cy > 3 * sz.cx && nMRUWidth <= 0)
                bWrapped = layout.BalanceWrap();
            else
                layout.WrapRows(sz.cx, bWrapped);
        }
        else if (dwMode & zmrLayoutHorzDock)
            layout.WrapRows(nBarLength - nHorzBorders, bWrapped);
        else if (dwMode & zmrLayoutVertDock)
            layout.WrapRows(nBarLength - nVertBorders, bWrapped);
        else if (dwMode & zmrLayoutLengthY)
            bWrapped = layout.FitToHeight(nBarLength - nVertBorders);
        else
            bWrapped = layout.FitToLength(nBarLength - nHorzBorders);
        szBlock = layout.PlaceRows();
    }
    if (bWrapped)
        dwMode |= zmrLayoutStretch;

    if (nMinThickness > 0)
    {
        if (dwMode & zmrLayoutHorzDock)
            szBlock.cy = std::max(int(szBlock.cy), nMinThickness - nVertBorders);
        else
            szBlock.cx = std::max(int(szBlock.cx), nMinThickness - nHorzBorders);
    }
    if (dwMode & zmrLayoutStretch)
    {
        if (dwMode & (zmrLayoutVertDock | zmrLayoutLengthY))
            szBlock.cy = std::max(int(szBlock.cy), nBarLength - nVertBorders);
        else
            szBlock.cx = std::max(int(szBlock.cx), nBarLength - nHorzBorders);
    }

    CSize szBar = szBlock;
    layout.FinishLayout(szBar, rcBorder, bReducing);
    if (dwMode & zmrLayoutCommit)
    {
        if (!bReducing)
            layout.DistributeRowSpace(szBar, rcBorder);
        for (CLayoutItem& item : layout.m_items)
            layout.ApplyLayoutItem(item);
    }
    return szBar;
}

CSize CZMRControls::CalcPopupLayout(CDC* pDC, int nHeightLimit, int nWidth, CRect rcBorder)
{
    CRect rcWork(0, 0, 0, 0);
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);

    CZMRPaintManager* pPaintManager = GetPaintManager();
    CFont* pOldFont = pDC ? pDC->SelectObject(pPaintManager->GetBarFont(m_pParent)) : nullptr;
    const CSize szSeparator = pPaintManager->DrawSeparator(pDC, m_pParent, nullptr, FALSE);
    if (m_pParent)
        m_pParent->SetMultiColumn(FALSE);

    // Wide controls are limited to a third of the screen unless the user can
    // size the popup.
    const BOOL bResizable = m_pParent && m_pParent->GetResizeMode() != 0;
    const int nMaxControlWidth = int(double(rcWork.right) / 3.0);

    int x = rcBorder.left, y = rcBorder.top;
    int nColumnWidth = 0, nTallestColumn = 0;
    std::vector<CZMRControl*> column, placed;
    auto closeColumn = [&]() {
        for (CZMRControl* pControl : column)
        {
            CRect rc = pControl->GetRect();
            rc.right = rc.left + nColumnWidth;
            pControl->SetRect(rc);
        }
        nTallestColumn = std::max(nTallestColumn, y - int(rcBorder.top));
        column.clear();
    };

    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if (pControl->GetHideFlags() & zmrHideInternal)
            pControl->SetHideFlags(pControl->GetHideFlags() & ~DWORD(zmrHideInternal));
        if (!pControl->IsVisible())
            continue;

        CSize sz = pControl->GetSize(pDC);
        pControl->SetWrap(FALSE);
        // A new column never starts before a control stands in this one.
        const BOOL bNewColumn =
            !column.empty() && ((pControl->GetFlags() & zmrFlagWrapRow) ||
                                (nHeightLimit > 0 && y + sz.cy > nHeightLimit - rcBorder.bottom));
        if (bNewColumn)
        {
            closeColumn();
            y = rcBorder.top;
            x += nColumnWidth + (pControl->GetBeginGroup() ? szSeparator.cx : 0);
            nColumnWidth = 0;
            pControl->SetWrap(TRUE);
            if (m_pParent)
                m_pParent->SetMultiColumn(TRUE);
        }
        else if (pControl->GetBeginGroup() && !placed.empty())
        {
            y += szSeparator.cy;
        }

        if (!bResizable && sz.cx > nMaxControlWidth)
            sz.cx = nMaxControlWidth;
        pControl->SetRect(CRect(x, y, x + sz.cx, y + sz.cy));
        y += sz.cy;
        nColumnWidth = std::max(nColumnWidth, int(sz.cx));
        column.push_back(pControl);
        placed.push_back(pControl);
    }

    if (nWidth > 0 && nWidth < 30000)
        nColumnWidth = nWidth - rcBorder.left - rcBorder.right;
    closeColumn();
    for (CZMRControl* pControl : placed)
    {
        const CRect rc = pControl->GetRect();
        pControl->SetRowRect(CRect(rc.left, rcBorder.top, rc.right, rcBorder.top + nTallestColumn));
    }

    if (pOldFont)
        pDC->SelectObject(pOldFont);

    const int nContentWidth = placed.empty() ? 0 : x + nColumnWidth - rcBorder.left;
    return CSize(rcBorder.left + rcBorder.right + std::max(nContentWidth, 24),
                 rcBorder.top + rcBorder.bottom + (nTallestColumn ? nTallestColumn : 22));
}
