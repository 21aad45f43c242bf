#include "CZMRDockRowLayout.h"
#include <algorithm>

namespace
{
struct CRecord
{
    int nBar;        // index into the input
    int nLeft;
    int nRight;
    int nWished;
    int nMinLength;
    int nSumBefore;  // of the minimum lengths of the records before it
};
}

int CZMRDockRowLayout::LayoutRow(const std::vector<CBar>& bars, int nLength, std::vector<CPlace>& places, int& nMove)
{
    nMove = -1;
    places.assign(bars.size(), CPlace());
    std::vector<CRecord> records;
    for (int i = 0; i < int(bars.size()); i++)
    {
        const CSize sz = bars[i].fnSize(nLength);
        records.push_back({i, bars[i].nWished, bars[i].nWished + sz.cx, bars[i].nWished, 0, 0});
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const CRecord& a, const CRecord& b) { return a.nLeft < b.nLeft; });

    // A bar earlier in the dock bar keeps its wished place against a later
    // one that was not moved itself: the later one gives way.
    const int nCount = int(records.size());
    std::vector<bool> moved(nCount, false);
    auto shift = [](CRecord& r, int nBy) {
        r.nLeft += nBy;
        r.nRight += nBy;
    };
    for (int i = 1; i < nCount; i++)
    {
        CRecord& prev = records[i - 1];
        CRecord& r = records[i];
        if (r.nLeft < prev.nRight && !(prev.nBar >= r.nBar && !moved[i - 1]))
        {
            shift(r, prev.nRight - r.nLeft);
            moved[i] = true;
        }
    }
    std::fill(moved.begin(), moved.end(), false);
    for (int i = nCount - 1; i >= 0; i--)
    {
        CRecord& r = records[i];
        if (i == nCount - 1)
        {
            if (r.nRight > nLength)
            {
                shift(r, nLength - r.nRight);
                moved[i] = true;
            }
            continue;
        }
        const CRecord& next = records[i + 1];
        if (r.nRight > next.nLeft && !(next.nBar >= r.nBar && !moved[i + 1]))
        {
            shift(r, next.nLeft - r.nRight);
            moved[i] = true;
        }
    }
    // Whatever still overlaps is pushed right; nothing starts before the row.
    for (int i = 0; i < nCount; i++)
    {
        const int nStart = i == 0 ? 0 : records[i - 1].nRight;
        if (records[i].nLeft < nStart)
            shift(records[i], nStart - records[i].nLeft);
    }

    if (nCount > 0 && records[nCount - 1].nRight > nLength)
    {
        // Squeeze from the right, down to the smallest forms.
        int nSum = 0;
        for (CRecord& r : records)
        {
            r.nMinLength = bars[r.nBar].bHideWrap ? bars[r.nBar].fnSize(1).cx : nLength;
            r.nSumBefore = nSum;
            nSum += r.nMinLength;
        }
        int nLimit = nLength;
        for (int i = nCount - 1; i >= 0; i--)
        {
            CRecord& r = records[i];
            const int nWidth = r.nRight - r.nLeft;
            int nLeft = std::min(r.nWished, r.nLeft);
            nLeft = std::max(nLeft, nLimit - nWidth);
            nLeft = std::max(nLeft, r.nSumBefore);
            nLeft = std::min(nLeft, nLimit - r.nMinLength);
            if ((nLimit - nLeft < r.nMinLength || nLeft < r.nSumBefore) && nCount > 1)
            {
                nMove = records[nCount - 1].nBar;
                return -1;
            }
            r.nLeft = nLeft;
            r.nRight = nLimit;
            nLimit = std::max(nLeft, 0);
        }
    }

    // A filling bar reaches from the previous bar's end to the next one's start.
    int nThickness = 0;
    for (int i = 0; i < nCount; i++)
    {
        CRecord& r = records[i];
        if (bars[r.nBar].bFill)
        {
            r.nLeft = std::min(r.nLeft, i == 0 ? 0 : records[i - 1].nRight);
            r.nRight = i == nCount - 1 ? nLength : records[i + 1].nLeft;
        }
        places[r.nBar] = {r.nLeft, r.nRight - r.nLeft};
        nThickness = std::max<int>(nThickness, bars[r.nBar].fnSize(r.nRight - r.nLeft).cy);
    }
    return nThickness;
}

std::vector<CZMRDockRowLayout::CRow> CZMRDockRowLayout::LayoutRowWithOverflow(const std::vector<CBar>& bars,
                                                                            int nLength)
{
    std::vector<CRow> rows;
    std::vector<int> row(bars.size());
    for (int i = 0; i < int(bars.size()); i++)
        row[i] = i;
    while (!row.empty())
    {
        std::vector<int> pending;
        for (;;)
        {
            std::vector<CBar> rowBars;
            for (int i : row)
                rowBars.push_back(bars[i]);
            std::vector<CPlace> places;
            int nMove = -1;
            const int nThickness = LayoutRow(rowBars, nLength, places, nMove);
            if (nThickness >= 0)
            {
                rows.push_back({row, places, nThickness});
                break;
            }
            // The bar that does not fit waits for the next row, in its order.
            const int nBar = row[nMove];
            row.erase(row.begin() + nMove);
            pending.insert(std::upper_bound(pending.begin(), pending.end(), nBar), nBar);
        }
        row.swap(pending);
    }
    return rows;
}
