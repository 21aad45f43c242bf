#include "CZMRTabLayout.h"
#include <algorithm>
#include <numeric>

void CZMRTabLayout::ShrinkToFit(std::vector<int>& widths, int nAvailable)
{
    const int nTotal = std::accumulate(widths.begin(), widths.end(), 0);
    if (widths.empty() || nTotal <= nAvailable)
        return;
    if (widths.size() == 1)
    {
        widths[0] = nAvailable;
        return;
    }
    std::vector<size_t> order(widths.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return widths[a] < widths[b]; });

    int nLeft = (int)widths.size();
    size_t i = 0;
    for (; i < order.size(); i++, nLeft--)
    {
        if (nLeft * widths[order[i]] >= nAvailable)
            break;
        nAvailable -= widths[order[i]];
    }
    for (; i < order.size(); i++, nLeft--)
    {
        const int nShare = nAvailable / nLeft;
        widths[order[i]] = nShare;
        nAvailable -= nShare;
    }
}

int CZMRTabLayout::CountRows(const std::vector<int>& widths, int nRowLength)
{
    int nRows = 1;
    int nUsed = 0;
    for (int w : widths)
    {
        if (nUsed > 0 && nUsed + w > nRowLength)
        {
            nRows++;
            nUsed = 0;
        }
        nUsed += w;
    }
    return nRows;
}

namespace
{
// Row nRow starts at item nFirst; fills it and recurses into the next row.
bool SplitFrom(const std::vector<int>& widths, int nFirst, int nRow, int nRows, int nRowLength, bool bJustify,
               std::vector<int>& firstIndexes)
{
    const int nCount = (int)widths.size();
    firstIndexes[nRow] = nFirst;
    if (nRow == nRows - 1)
    {
        int nRest = 0;
        for (int i = nFirst; i < nCount; i++)
            nRest += widths[i];
        return nFirst < nCount && (nRest <= nRowLength || nFirst == nCount - 1);
    }
    int nRemaining = 0;
    for (int i = nFirst; i < nCount; i++)
        nRemaining += widths[i];
    const int nTarget = bJustify ? std::min(nRowLength, nRemaining / (nRows - nRow)) : nRowLength;

    int nUsed = 0;
    int i = nFirst;
    while (i < nCount && (nUsed == 0 || nUsed + widths[i] <= nTarget))
        nUsed += widths[i++];
    // The rest cannot be fitted: take one more item into this row while it
    // still fits within the row length, and try again.
    for (;;)
    {
        if (SplitFrom(widths, i, nRow + 1, nRows, nRowLength, bJustify, firstIndexes))
            return true;
        if (i >= nCount || nUsed + widths[i] > nRowLength)
            return false;
        nUsed += widths[i++];
    }
}
}

bool CZMRTabLayout::SplitRows(const std::vector<int>& widths, int nRows, int nRowLength, bool bJustify,
                              std::vector<int>& firstIndexes)
{
    firstIndexes.assign(std::max(nRows, 1), 0);
    if (nRows <= 1)
        return true;
    return SplitFrom(widths, 0, 0, nRows, nRowLength, bJustify, firstIndexes);
}

void CZMRTabLayout::JustifyRow(std::vector<int>& widths, int nRowLength)
{
    int nRoom = nRowLength;
    int nSum = std::accumulate(widths.begin(), widths.end(), 0);
    int nLeft = (int)widths.size();
    for (int& w : widths)
    {
        const int nOld = w;
        w = nOld + (nRoom - nSum) / nLeft;
        nRoom -= w;
        nSum -= nOld;
        nLeft--;
    }
}

int CZMRTabLayout::CorrectScrollOffset(int nOffset, int nTotal, int nRoom)
{
    if (nOffset < 0 && nTotal + nOffset < nRoom)
        return nRoom - nTotal < 1 ? nRoom - nTotal : 0;
    return nOffset;
}

int CZMRTabLayout::EnsureVisibleOffset(int nOffset, int nItemStart, int nItemEnd, int nHeaderStart, int nHeaderEnd,
                                       int nMargin)
{
    if (nItemStart < nHeaderStart)
        return nMargin + nOffset + nHeaderStart - nItemStart;
    if (nItemEnd > nHeaderEnd)
        return nOffset + nHeaderEnd - nItemEnd - 2;
    return nOffset;
}

CZMRTabLayout::CMiddleCut CZMRTabLayout::CutInMiddle(int nLength, int nRoom, int nEllipsisWidth,
                                                     const std::function<int(int, int)>& fnWidth)
{
    const int nTextWidth = fnWidth(nLength, 0);
    if (nTextWidth <= nRoom)
        return { nLength, 0, false };
    if (nEllipsisWidth > nRoom)
        return { 0, 0, true };

    int n = nTextWidth > 0 ? (int)((long long)(nRoom - nEllipsisWidth) * nLength / nTextWidth) : 0;
    n = std::max(0, std::min(n, nLength - 1));
    auto fits = [&](int k) { return fnWidth(k - k / 2, k / 2) <= nRoom; };
    // Grow while one more character still fits, never past the caption.
    while (n + 1 < nLength && fits(n + 1))
        n++;
    while (n > 0 && !fits(n))
        n--;
    return { n - n / 2, n / 2, false };
}
