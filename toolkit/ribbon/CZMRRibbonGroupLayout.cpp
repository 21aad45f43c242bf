#include "CZMRRibbonGroupLayout.h"
#include <algorithm>

namespace
{
// Gap between two groups of a tab.
const int kGroupGap = 7;
// A target row width no grouped row reaches: only forced breaks break.
const int kNoTarget = 32000;
}

int CZMRRibbonGroupLayout::CMetrics::GetRowsPerColumn() const
{
    // A button height of 0 would divide by zero; such a ribbon stacks nothing.
    if (nButtonHeight <= 0)
        return 1;
    return (nGroupsAreaHeight - nCaptionHeight - 2) / nButtonHeight;
}

CZMRRibbonGroupLayout::CZMRRibbonGroupLayout(const CMetrics& metrics, CState& state, CControls& controls)
    : m_metrics(metrics), m_state(state), m_controls(controls), m_nCaptionWidth(0), m_nContentWidth(0),
      m_nPopupWidth(0), m_bWasCollapsed(FALSE)
{
}

void CZMRRibbonGroupLayout::AddRecord(const CRecord& record)
{
    const int nIndex = (int)m_records.size();
    m_records.push_back(record);
    CRecord& r = m_records.back();
    r.nStyle = r.nMeasuredStyle = m_controls.GetStyle(nIndex);
    const CSize sz = m_controls.Measure(nIndex);
    r.cx = sz.cx;
    r.cy = sz.cy;
}

// ------------------------------------------------------------ width

int CZMRRibbonGroupLayout::GetWidth()
{
    if (m_state.bCollapsed)
    {
        m_nContentWidth = m_nPopupWidth - 5;
        return m_nContentWidth;
    }
    if (m_records.empty())
        m_nContentWidth = 0;
    else
    {
        RefreshMeasures();
        m_nContentWidth = m_state.bControlsGrouping ? ArrangeGrouped() : ArrangeColumns();
    }
    return std::max(m_nCaptionWidth, m_nContentWidth);
}

void CZMRRibbonGroupLayout::RefreshMeasures()
{
    // Only a control whose style changed is measured again.
    for (int i = 0; i < (int)m_records.size(); i++)
    {
        CRecord& r = m_records[i];
        const int nStyle = m_controls.GetStyle(i);
        if (nStyle == r.nMeasuredStyle)
            continue;
        const CSize sz = m_controls.Measure(i);
        r.cx = sz.cx;
        r.cy = sz.cy;
        r.nStyle = r.nMeasuredStyle = nStyle;
    }
}

int CZMRRibbonGroupLayout::ArrangeColumns()
{
    const int nHeight = m_metrics.nGroupsAreaHeight - m_metrics.nCaptionHeight - 9;
    int x = 2;
    int nColumnWidth = 0;
    int nRight = 0;
    for (int i = 0; i < (int)m_records.size(); i++)
    {
        CRecord& r = m_records[i];
        if (r.bBeginGroup && i > 0)
            x += 6;
        const int nPrevBottom = i > 0 ? m_records[i - 1].rc.bottom : 0;
        // A column starts only at a control that may break, a large one, or
        // one that no longer fits below the previous.
        if (i > 0 && !r.bBreakAllowed && r.nMeasuredStyle != styleLarge && nPrevBottom + r.cy <= nHeight)
        {
            r.rc = CRect(x, nPrevBottom, x + r.cx, nPrevBottom + r.cy);
            r.bWrap = FALSE;
            nColumnWidth = std::max(nColumnWidth, r.cx);
        }
        else
        {
            x += nColumnWidth;
            r.rc = CRect(x, 0, x + r.cx, r.cy);
            r.bWrap = i > 0;
            nColumnWidth = r.cx;
        }
        nRight = std::max(nRight, (int)r.rc.right);
    }
    return nRight + 2;
}

int CZMRRibbonGroupLayout::CalcBreaks(int nTarget, BOOL bManyBreaks)
{
    int w = 0;
    int nBreaks = 0;
    for (int i = 0; i < (int)m_records.size(); i++)
    {
        CRecord& r = m_records[i];
        r.bWrap = FALSE;
        if (i > 0 && r.bBreakAllowed &&
            (r.bForceBreak || ((bManyBreaks || nBreaks == 0) && w + r.nSegmentRest >= nTarget)))
        {
            r.bWrap = TRUE;
            nBreaks++;
            w = r.cx;
        }
        else
            w += r.cx + (r.bBeginGroup && i > 0 ? 3 : 0);
    }
    return nBreaks;
}

int CZMRRibbonGroupLayout::PlaceRows()
{
    int x = 0;
    int y = 0;
    int h = 0;
    int nRight = 0;
    for (int i = 0; i < (int)m_records.size(); i++)
    {
        CRecord& r = m_records[i];
        if (r.bWrap)
        {
            y += h;
            x = 0;
        }
        else if (r.bBeginGroup && i > 0)
            x += 3;
        r.rc = CRect(x + 2, y, x + r.cx + 2, y + r.cy);
        x += r.cx;
        h = std::max(h, r.cy);
        nRight = std::max(nRight, x);
    }
    return nRight + 4;
}

BOOL CZMRRibbonGroupLayout::FindThreeRows(int nOneRowWidth)
{
    const int nMost = CalcBreaks(0, TRUE);
    if (nMost < 2)
        return FALSE;
    if (nMost == 2)
        return TRUE;
    // The narrowest row width that still needs no more than two breaks.
    int nLow = 0;
    int nHigh = nOneRowWidth;
    for (;;)
    {
        const int nMid = (nLow + nHigh) / 2;
        if (nMid == nLow)
        {
            CalcBreaks(nHigh, TRUE);
            return TRUE;
        }
        if (CalcBreaks(nMid, TRUE) <= 2)
            nHigh = nMid;
        else
            nLow = nMid;
    }
}

int CZMRRibbonGroupLayout::ArrangeGrouped()
{
    const int nCount = (int)m_records.size();
    for (int i = nCount - 1; i >= 0; i--)
    {
        CRecord& r = m_records[i];
        r.nSegmentRest = r.cx;
        if (i + 1 < nCount && !m_records[i + 1].bBreakAllowed)
            r.nSegmentRest += m_records[i + 1].nSegmentRest;
    }

    const int nHeight = m_metrics.nGroupsAreaHeight - m_metrics.nCaptionHeight - 9;
    const int nRowHeight = m_metrics.nRowHeight;
    int nRows;
    const int nForced = CalcBreaks(kNoTarget, FALSE);
    if (nForced > 0)
        nRows = nForced + 1;
    else
    {
        const int nOneRowWidth = PlaceRows();
        if (nHeight < 2 * nRowHeight)
        {
            nRows = 1;
            CalcBreaks(kNoTarget, FALSE);
        }
        else if (nHeight >= 3 * nRowHeight && m_state.nGroupingRows == 3 && FindThreeRows(nOneRowWidth))
            nRows = 3;
        else
            nRows = 1 + CalcBreaks(nOneRowWidth / 2, FALSE);
    }

    const int nWidth = PlaceRows();

    // Spread the rows over the band's spare height with even gaps.
    const int nSpare = nHeight - nRowHeight * nRows;
    int d = (nSpare + 1) / (nRows + 1);
    int g = nRows;
    for (int i = 0; i < nCount; i++)
    {
        CRecord& r = m_records[i];
        if (i > 0 && r.bWrap && g > 0)
        {
            d += (nSpare - d) / g;
            g--;
        }
        r.rc.OffsetRect(0, d);
    }
    return nWidth;
}

// ------------------------------------------------------------ reduction

BOOL CZMRRibbonGroupLayout::IsRunBreakFree(int nLowest, int nHighest) const
{
    // A column may only start at its top.
    for (int j = nLowest + 1; j <= nHighest; j++)
    {
        if (m_records[j].bBreakAllowed)
            return FALSE;
    }
    return TRUE;
}

void CZMRRibbonGroupLayout::SetRunStyle(int nLowest, int nHighest, int nStyle)
{
    for (int j = nLowest; j <= nHighest; j++)
    {
        m_controls.SetOwnerStyle(j, nStyle);
        m_records[j].nStyle = nStyle;
    }
}

BOOL CZMRRibbonGroupLayout::ReduceSize(int nLevel, int nExcess)
{
    // A caption wider than the content is only shortened.
    if (m_nContentWidth < m_nCaptionWidth)
    {
        if (nLevel == 2 && m_nContentWidth > 16)
        {
            m_nCaptionWidth = std::max(m_nCaptionWidth - nExcess, m_nContentWidth);
            return TRUE;
        }
        return FALSE;
    }

    const int nCount = (int)m_records.size();
    const int n = m_metrics.GetRowsPerColumn();
    // Runs of n records end at s; s never goes below 2.
    switch (nLevel)
    {
    case 0:
        if (m_state.bControlsGrouping || m_state.nMaxReduceLevel <= 0 || n <= 1)
            return FALSE;
        for (int s = nCount - 1; s >= 2 && s - n + 1 >= 0; s--)
        {
            const int nLowest = s - n + 1;
            BOOL bAll = IsRunBreakFree(nLowest, s);
            for (int j = nLowest; bAll && j <= s; j++)
                bAll = m_records[j].nStyle == styleLarge && !m_records[j].bGallery;
            if (bAll)
            {
                SetRunStyle(nLowest, s, styleMedium);
                return TRUE;
            }
        }
        return FALSE;

    case 1:
        if (m_state.bControlsGrouping)
        {
            if (m_state.nGroupingRows == 2 && m_state.nMaxReduceLevel > 1)
            {
                m_state.nGroupingRows = 3;
                return TRUE;
            }
            return FALSE;
        }
        if (m_state.nMaxReduceLevel <= 1 || n <= 1)
            return FALSE;
        for (int s = nCount - 1; s >= 2 && s - n + 1 >= 0;)
        {
            const int nLowest = s - n + 1;
            int nFailed = -1;
            BOOL bLarge = FALSE;
            for (int j = s; j >= nLowest; j--)
            {
                const CRecord& r = m_records[j];
                if (r.bGallery || (j > nLowest && r.bBreakAllowed))
                {
                    nFailed = j;
                    break;
                }
                bLarge = bLarge || r.nStyle == styleLarge;
            }
            if (nFailed >= 0)
            {
                s = nFailed - 1;
                continue;
            }
            if (bLarge)
            {
                SetRunStyle(nLowest, s, styleMedium);
                return TRUE;
            }
            s = nLowest - 1;
        }
        return FALSE;

    case 2:
        if (m_state.bControlsGrouping || m_state.nMaxReduceLevel <= 2)
            return FALSE;
        if (n > 1 && nCount > n)
        {
            for (int s = nCount - 1; s >= 2 && s - n + 1 >= 0; s--)
            {
                const int nLowest = s - n + 1;
                BOOL bAll = IsRunBreakFree(nLowest, s);
                for (int j = nLowest; bAll && j <= s; j++)
                {
                    const CRecord& r = m_records[j];
                    bAll = r.nStyle == styleMedium && !r.bGallery && r.rc.left == m_records[nLowest].rc.left;
                }
                if (bAll)
                {
                    SetRunStyle(nLowest, s, styleSmall);
                    return TRUE;
                }
            }
        }
        // No column to shrink: the last in-place gallery becomes a drop-down button.
        for (int i = nCount - 1; i >= 0; i--)
        {
            if (m_records[i].bGallery && m_records[i].nStyle != styleLarge)
            {
                SetRunStyle(i, i, styleLarge);
                return TRUE;
            }
        }
        return FALSE;

    case 3:
        if (nCount > 1 && !m_state.bCollapsed && m_state.nMaxReduceLevel > 3)
        {
            m_state.bCollapsed = TRUE;
            for (CRecord& r : m_records)
                r.bHidden = TRUE;
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

BOOL CZMRRibbonGroupLayout::Expand(int nSpare)
{
    for (int i = (int)m_records.size() - 1; i >= 0; i--)
    {
        CRecord& r = m_records[i];
        if (!r.bGallery || r.nMeasuredStyle == styleSmall || r.nMeasuredStyle == styleLarge)
            continue;
        CGalleryInfo info;
        if (!m_controls.GetGalleryInfo(i, info) || info.nItemCount <= 0 || !info.bResizable)
            continue;

        const int w = info.nItemWidth;
        if (w <= 0 || nSpare < w)
            return FALSE;
        const int nFull = w * info.nItemCount + info.nBorders;
        if (nFull < w + r.cx)
            return FALSE;
        r.cx = std::min(r.cx + w * (nSpare / w), nFull);
        return TRUE;
    }
    return FALSE;
}

// ------------------------------------------------------------ arrangement

void CZMRRibbonGroupLayout::CentreColumn(int nFirst, int nEnd, int nFree)
{
    int nSum = 0;
    int n = 0;
    for (int i = nFirst; i < nEnd; i++)
    {
        n++;
        if (!m_records[i].bHidden)
            nSum += m_records[i].cy;
    }
    if (nSum >= nFree)
        return;
    const int d = (nFree - nSum) / (n + 1);
    int k = 1;
    for (int i = nFirst; i < nEnd; i++)
    {
        if (!m_records[i].bHidden)
            m_records[i].rc.OffsetRect(0, k++ * d);
    }
}

CRect CZMRRibbonGroupLayout::Arrange(int x, int y, int w)
{
    const int nCaption = m_metrics.nCaptionHeight;
    int h = 2;
    if (m_state.bControlsCentering && m_nContentWidth < m_nCaptionWidth && w == m_nCaptionWidth)
        h = (m_nCaptionWidth - m_nContentWidth) / 2 + 2;

    const int nBand = m_metrics.nGroupsAreaHeight - 7;
    for (CRecord& r : m_records)
    {
        if (r.bHidden)
            continue;
        r.rc.OffsetRect(x + h, y + 2);
        r.rcRow = CRect(x, y, x + w, y + nBand - nCaption);
    }

    if (m_state.bControlsCentering && !m_state.bControlsGrouping)
    {
        // Column by column: a column ends where the left edge changes.
        const int nFree = nBand - nCaption - 3;
        int nFirst = -1;
        for (int i = 0; i < (int)m_records.size(); i++)
        {
            if (m_records[i].bHidden)
                continue;
            if (nFirst >= 0 && m_records[i].rc.left != m_records[nFirst].rc.left)
            {
                CentreColumn(nFirst, i, nFree);
                nFirst = -1;
            }
            if (nFirst < 0)
                nFirst = i;
        }
        if (nFirst >= 0)
            CentreColumn(nFirst, (int)m_records.size(), nFree);
    }
    return CRect(x, y, x + w + 5, y + nBand);
}

// ------------------------------------------------------------ the groups of a tab

int CZMRRibbonGroupLayout::GetTotalWidth(const std::vector<int>& widths)
{
    int nTotal = 0;
    for (size_t i = 0; i < widths.size(); i++)
    {
        nTotal += widths[i];
        if (widths[i] != 0 && i + 1 < widths.size())
            nTotal += kGroupGap;
    }
    return nTotal;
}

void CZMRRibbonGroupLayout::FitWidths(const std::vector<CZMRRibbonGroupLayout*>& groups, std::vector<int>& widths,
                                      int nAvailable)
{
    int nTotal = GetTotalWidth(widths);
    const int nCount = (int)groups.size();
    if (nTotal > nAvailable)
    {
        // One step at a time, always from the mildest level and the last group.
        while (nTotal > nAvailable)
        {
            BOOL bReduced = FALSE;
            for (int nLevel = 0; nLevel <= 3 && !bReduced; nLevel++)
            {
                for (int i = nCount - 1; i >= 0; i--)
                {
                    CZMRRibbonGroupLayout* pGroup = groups[i];
                    if (pGroup && pGroup->ReduceSize(nLevel, nTotal - nAvailable))
                    {
                        const int nWidth = pGroup->GetWidth();
                        nTotal += nWidth - widths[i];
                        widths[i] = nWidth;
                        bReduced = TRUE;
                        break;
                    }
                }
            }
            if (!bReduced)
                break;
        }
    }
    else if (nTotal < nAvailable)
    {
        for (int i = nCount - 1; i >= 0; i--)
        {
            CZMRRibbonGroupLayout* pGroup = groups[i];
            if (pGroup && pGroup->Expand(nAvailable - nTotal))
            {
                widths[i] = pGroup->GetWidth();
                break;
            }
        }
    }
}

int CZMRRibbonGroupLayout::LimitScrollOffset(int nTotal, int nAvailable, int nOffset)
{
    if (nTotal <= nAvailable)
        return 0;
    return std::max(0, std::min(nOffset, nTotal - nAvailable));
}
