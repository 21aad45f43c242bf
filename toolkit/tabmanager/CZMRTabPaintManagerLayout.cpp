// The common layout of every appearance set: measuring, shrink to fit,
// header and navigate-button placement, the scroll correction, the single
// row, the rotated layout and the multi-row layout.
#include "CZMRTabPaintManager.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabLayout.h"
#include <algorithm>
#include <vector>

namespace
{
// The rectangle of one tab: nStart..nStart+nLength along the strip and
// nCross..nCross+nDepth across it.
CRect PlaceAlong(BOOL bHorizontal, int nStart, int nLength, int nCross, int nDepth)
{
    return bHorizontal ? CRect(nStart, nCross, nStart + nLength, nCross + nDepth)
                       : CRect(nCross, nStart, nCross + nDepth, nStart + nLength);
}
}

int CZMRTabPaintManager::MeasureItems(CZMRTabManager* pManager, CDC* pDC, BOOL bExtra)
{
    int nTotal = 0;
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        CZMRTabManagerItem* pItem = pManager->GetItem(i);
        if (!pItem->IsVisible())
        {
            pItem->m_nWidth = pItem->m_nContentWidth = 0;
            continue;
        }
        pItem->m_nContentWidth = m_pAppearanceSet->MeasureTabExtent(pDC, pItem);
        pItem->m_nWidth = pItem->m_nContentWidth + (bExtra ? m_nExtraItemWidth : 0);
        nTotal += pItem->m_nWidth;
    }
    return nTotal;
}

void CZMRTabPaintManager::PlaceStripButtons(CZMRTabManager* pManager, CRect rc)
{
    CRect rcHeader = m_pAppearanceSet->GetHeaderRect(rc, pManager);
    if (pManager->IsHorizontal())
        rcHeader.right--;
    else
        rcHeader.bottom--;
    // The header rectangle the arrows read is the whole band while they place.
    pManager->m_rcHeader = rcHeader;
    CZMRTabManagerNavigateButtonArray& arrButtons = pManager->GetNavigateButtons();
    for (INT_PTR i = arrButtons.GetSize() - 1; i >= 0; i--)
        arrButtons[i]->PlaceInHeader(rcHeader);
    pManager->m_rcHeader = rcHeader;
}

void CZMRTabPaintManager::RepositionTabControlEx(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    if (m_bStaticFrame)
        DeflateRectForPosition(rc, CRect(2, 1, 2, 2), m_nPosition);
    DeflateRectForPosition(rc, m_rcControlMargin, m_nPosition);

    if (!m_bShowTabs)
    {
        pManager->m_rcHeader.SetRectEmpty();
        for (int i = 0; i < pManager->GetItemCount(); i++)
            pManager->GetItem(i)->SetRect(CRect(0, 0, 0, 0));
        CZMRTabManagerNavigateButtonArray& arrButtons = pManager->GetNavigateButtons();
        for (INT_PTR i = 0; i < arrButtons.GetSize(); i++)
            arrButtons[i]->SetRect(CRect(0, 0, 0, 0));
        return;
    }
    if (m_nLayout == zmrTabLayoutMultiRow)
    {
        LayoutMultiRow(pManager, pDC, rc);
        return;
    }

    const BOOL bHorizontal = pManager->IsHorizontal();
    MeasureItems(pManager, pDC, TRUE);
    const CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    const int nDepth = m_pAppearanceSet->GetHeaderHeight(pManager);
    const int nCount = pManager->GetItemCount();

    // The band across the strip that the tabs of one row take.
    int nCross = 0;
    if (nCount > 0)
    {
        switch (m_nPosition)
        {
        case zmrTabPositionLeft:
            nCross = rc.left + rcMargin.top;
            break;
        case zmrTabPositionBottom:
            nCross = rc.bottom - rcMargin.top - nDepth;
            break;
        case zmrTabPositionRight:
            nCross = rc.right - rcMargin.top - nDepth;
            break;
        default:
            nCross = rc.top + rcMargin.top;
            break;
        }
    }

    if (m_nLayout == zmrTabLayoutSizeToFit && nCount > 0)
    {
        int nAvailable = pManager->GetLengthAlongStrip(rc) - rcMargin.left - rcMargin.right;
        CZMRTabManagerNavigateButtonArray& arrButtons = pManager->GetNavigateButtons();
        for (INT_PTR i = arrButtons.GetSize() - 1; i >= 0; i--)
            arrButtons[i]->ReduceAvailableLength(nAvailable);
        std::vector<int> widths;
        for (int i = 0; i < nCount; i++)
        {
            if (pManager->GetItem(i)->IsVisible())
                widths.push_back(pManager->GetItem(i)->m_nWidth);
        }
        CZMRTabLayout::ShrinkToFit(widths, nAvailable);
        for (int i = 0, j = 0; i < nCount; i++)
        {
            if (pManager->GetItem(i)->IsVisible())
                pManager->GetItem(i)->m_nWidth = widths[j++];
        }
    }

    PlaceStripButtons(pManager, rc);
    const int nRoom = pManager->GetLengthAlongStrip(pManager->m_rcHeader) - rcMargin.left - rcMargin.right;
    const int nOffset = CZMRTabLayout::CorrectScrollOffset(pManager->m_nScrollOffset, pManager->GetTotalItemsWidth(), nRoom);
    if (nOffset != pManager->m_nScrollOffset)
    {
        pManager->m_nScrollOffset = nOffset;
        PlaceStripButtons(pManager, rc);
    }

    const CRect rcHeader = pManager->m_rcHeader;
    int nPos = (bHorizontal ? rcHeader.left : rcHeader.top) + pManager->m_nScrollOffset + rcMargin.left;
    if (m_nLayout == zmrTabLayoutRotated)
    {
        // Each tab stands on the client-side edge of the band, turned.
        const CRect rcBand = m_pAppearanceSet->GetHeaderRect(rc, pManager);
        for (int i = 0; i < nCount; i++)
        {
            CZMRTabManagerItem* pItem = pManager->GetItem(i);
            if (!pItem->IsVisible())
            {
                pItem->SetRect(CRect(0, 0, 0, 0));
                continue;
            }
            const int w = pItem->m_nWidth;
            int nBase;
            switch (m_nPosition)
            {
            case zmrTabPositionLeft:
                nBase = rcBand.right - rcMargin.bottom - w;
                break;
            case zmrTabPositionBottom:
                nBase = rcBand.top + rcMargin.bottom;
                break;
            case zmrTabPositionRight:
                nBase = rcBand.left + rcMargin.bottom;
                break;
            default:
                nBase = rcBand.bottom - rcMargin.bottom - w;
                break;
            }
            pItem->SetRect(PlaceAlong(bHorizontal, nPos, nDepth, nBase, w));
            nPos += nDepth;
        }
        return;
    }
    for (int i = 0; i < nCount; i++)
    {
        CZMRTabManagerItem* pItem = pManager->GetItem(i);
        pItem->SetRect(PlaceAlong(bHorizontal, nPos, pItem->m_nWidth, nCross, nDepth));
        nPos += pItem->m_nWidth;
    }
}

void CZMRTabPaintManager::LayoutMultiRow(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    PlaceStripButtons(pManager, rc);
    pManager->m_nScrollOffset = 0;
    const int nCount = pManager->GetItemCount();
    if (nCount == 0)
        return;

    const BOOL bHorizontal = pManager->IsHorizontal();
    const CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    const int nRowLength = pManager->GetLengthAlongStrip(pManager->m_rcHeader) - rcMargin.left - rcMargin.right;
    MeasureItems(pManager, pDC, FALSE);
    std::vector<int> widths;
    for (int i = 0; i < nCount; i++)
        widths.push_back(pManager->GetItem(i)->m_nWidth);

    const int nRows = CZMRTabLayout::CountRows(widths, nRowLength);
    CZMRTabManager::TabRowTable* pRows = pManager->GetRows();
    pRows->SetRowCount(nRows);
    if (nRows > 1)
    {
        std::vector<int> firsts;
        CZMRTabLayout::SplitRows(widths, nRows, nRowLength, m_bJustifyRows != FALSE, firsts);
        for (int r = 0; r < nRows; r++)
        {
            pRows->GetRow(r).nFirst = firsts[r];
            pRows->GetRow(r).nLast = (r + 1 < nRows ? firsts[r + 1] : nCount) - 1;
        }
        if (!m_bKeepRowOrder && pManager->GetSelectedItem())
        {
            const int nSelected = pManager->GetSelectedItem()->GetIndex();
            for (int r = 1; r < nRows; r++)
            {
                if (nSelected >= pRows->GetRow(r).nFirst && nSelected <= pRows->GetRow(r).nLast)
                {
                    std::swap(pRows->GetRow(0), pRows->GetRow(r));
                    break;
                }
            }
        }
    }

    // The header grows to hold every row; rows go outward from the client.
    PlaceStripButtons(pManager, rc);
    const CRect rcHeader = pManager->m_rcHeader;
    const int nDepth = m_pAppearanceSet->GetHeaderHeight(pManager);
    const int nStep = nDepth + m_pAppearanceSet->GetRowSpacing();
    for (int r = 0; r < nRows; r++)
    {
        const CZMRTabManager::TabRowTable::ROW row = pRows->GetRow(r);
        std::vector<int> rowWidths(widths.begin() + row.nFirst, widths.begin() + row.nLast + 1);
        if (m_bJustifyRows && nRows > 1)
            CZMRTabLayout::JustifyRow(rowWidths, nRowLength);
        int nCross;
        switch (m_nPosition)
        {
        case zmrTabPositionLeft:
            nCross = rcHeader.right - rcMargin.bottom - nDepth - r * nStep;
            break;
        case zmrTabPositionBottom:
            nCross = rcHeader.top + rcMargin.bottom + r * nStep;
            break;
        case zmrTabPositionRight:
            nCross = rcHeader.left + rcMargin.bottom + r * nStep;
            break;
        default:
            nCross = rcHeader.bottom - rcMargin.bottom - nDepth - r * nStep;
            break;
        }
        int nPos = (bHorizontal ? rcHeader.left : rcHeader.top) + rcMargin.left;
        for (int i = row.nFirst; i <= row.nLast; i++)
        {
            CZMRTabManagerItem* pItem = pManager->GetItem(i);
            pItem->m_nWidth = rowWidths[i - row.nFirst];
            pItem->m_nRow = r;
            pItem->SetRect(PlaceAlong(bHorizontal, nPos, pItem->m_nWidth, nCross, nDepth));
            nPos += pItem->m_nWidth;
        }
    }
}
