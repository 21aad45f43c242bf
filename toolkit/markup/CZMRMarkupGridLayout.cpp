// The grid's measure and arrange: definitions reset from their user sizes,
// the cell cache with its four lists, span distribution and star resolution.
#include "CZMRMarkupColumnDefinition.h"
#include "CZMRMarkupColumnDefinitionCollection.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupGrid.h"
#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupRowDefinition.h"
#include "CZMRMarkupRowDefinitionCollection.h"
#include "CZMRMarkupUIElementCollection.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace
{
typedef CZMRMarkupDefinitionBase Definition;
typedef std::vector<Definition*> DefinitionList;

// An available length above this counts as unbounded for star sizing.
const int nStarLimit = 32000;

int GetUserUnit(const Definition* pDefinition)
{
    CZMRMarkupGridLength* pSize = pDefinition->GetUserSize();
    return pSize ? pSize->GetUnit() : CZMRMarkupGridLength::unitStar;
}

// The user max size, or the min size when that is larger or the max is
// unbounded.
double GetMaxOrMin(const Definition* pDefinition)
{
    const int nMax = pDefinition->GetUserMaxSize();
    if (nMax == INT_MAX || pDefinition->m_nMinSize > nMax)
        return pDefinition->m_nMinSize;
    return nMax;
}

// A double length stored in an integer: truncated, and saturated at the
// unbounded length.
int ToLength(double dLength)
{
    if (dLength >= CZMRMarkupFrameworkElement::lengthUnbounded)
        return CZMRMarkupFrameworkElement::lengthUnbounded;
    if (dLength <= -CZMRMarkupFrameworkElement::lengthUnbounded)
        return -CZMRMarkupFrameworkElement::lengthUnbounded;
    return static_cast<int>(dLength);
}

DefinitionList GetRange(CZMRMarkupDefinitionCollection* pDefinitions, int nStart, int nCount)
{
    DefinitionList list;
    for (int i = nStart; i < nStart + nCount; i++)
        list.push_back(pDefinitions->GetDefinition(i));
    return list;
}

bool CompareSpanPreferred(const Definition* a, const Definition* b)
{
    const bool bAutoA = GetUserUnit(a) == CZMRMarkupGridLength::unitAuto;
    const bool bAutoB = GetUserUnit(b) == CZMRMarkupGridLength::unitAuto;
    if (bAutoA != bAutoB)
        return bAutoA;
    if (bAutoA)
        return a->m_nMinSize < b->m_nMinSize;
    return a->GetPreferredSize() < b->GetPreferredSize();
}

bool CompareSpanMax(const Definition* a, const Definition* b)
{
    const bool bAutoA = GetUserUnit(a) == CZMRMarkupGridLength::unitAuto;
    const bool bAutoB = GetUserUnit(b) == CZMRMarkupGridLength::unitAuto;
    if (bAutoA != bAutoB)
        return bAutoB;
    return a->m_dSizeCache < b->m_dSizeCache;
}

bool CompareStarRatio(const Definition* a, const Definition* b)
{
    return a->m_dSizeCache < b->m_dSizeCache;
}

bool CompareFinalShrink(const Definition* a, const Definition* b)
{
    return a->m_dSizeCache - a->m_nMinSize < b->m_dSizeCache - b->m_nMinSize;
}

// Star definitions: the measure size becomes the star value and the size
// cache the ratio of the limit to it; after sorting by that ratio, each size
// cache becomes the sum of its own and every later star value.
void PrepareStars(DefinitionList::iterator first, DefinitionList::iterator last)
{
    for (auto it = first; it != last; ++it)
    {
        Definition* pDefinition = *it;
        const double dStar = pDefinition->GetStarValue();
        if (dStar == 0.0)
        {
            pDefinition->m_dMeasureSize = 0.0;
            pDefinition->m_dSizeCache = 0.0;
        }
        else
        {
            // The limit counts the min size for a star without a user max,
            // so an unlimited star sorts by its min size and may be resolved
            // before limited ones, taking its share of all the stars.
            pDefinition->m_dMeasureSize = dStar;
            pDefinition->m_dSizeCache = GetMaxOrMin(pDefinition) / dStar;
        }
    }
    std::stable_sort(first, last, CompareStarRatio);
    double dSum = 0.0;
    for (auto it = last; it != first;)
    {
        --it;
        dSum += (*it)->GetStarValue();
        (*it)->m_dSizeCache = dSum;
    }
}

// The share of a star definition in the room left, within its limits.
double ResolveStar(const Definition* pDefinition, double dLeft)
{
    const double dStar = pDefinition->GetStarValue();
    if (dStar == 0.0 || pDefinition->m_dSizeCache <= 0.0)
        return pDefinition->m_nMinSize;
    double dSize = ToLength(dStar / pDefinition->m_dSizeCache * std::max(dLeft, 0.0));
    dSize = std::min<double>(dSize, pDefinition->GetUserMaxSize());
    return std::max<double>(dSize, pDefinition->m_nMinSize);
}
}

void CZMRMarkupGrid::PrepareDefinitions()
{
    CZMRMarkupDefinitionCollection* pColumns = m_pColumnDefinitions;
    if (pColumns->GetCount() > 0)
        pColumns->AddRef();
    else
    {
        pColumns = new CZMRMarkupColumnDefinitionCollection();
        pColumns->Add(new CZMRMarkupColumnDefinition());
    }
    if (m_pColumnsInForce)
        m_pColumnsInForce->Release();
    m_pColumnsInForce = pColumns;

    CZMRMarkupDefinitionCollection* pRows = m_pRowDefinitions;
    if (pRows->GetCount() > 0)
        pRows->AddRef();
    else
    {
        pRows = new CZMRMarkupRowDefinitionCollection();
        pRows->Add(new CZMRMarkupRowDefinition());
    }
    if (m_pRowsInForce)
        m_pRowsInForce->Release();
    m_pRowsInForce = pRows;
}

void AFXAPI CZMRMarkupGrid::ResetDefinitions(CZMRMarkupDefinitionCollection* pDefinitions, BOOL bStarAsAuto)
{
    for (int i = 0; i < pDefinitions->GetCount(); i++)
    {
        Definition* pDefinition = pDefinitions->GetDefinition(i);
        pDefinition->m_nMinSize = 0;
        pDefinition->m_dwSizeType = 0;
        pDefinition->m_dMeasureSize = 0.0;
        int nMin = pDefinition->GetUserMinSize();
        const int nMax = pDefinition->GetUserMaxSize();
        CZMRMarkupGridLength* pSize = pDefinition->GetUserSize();
        switch (pSize ? pSize->GetUnit() : CZMRMarkupGridLength::unitStar)
        {
        case CZMRMarkupGridLength::unitAuto:
            pDefinition->m_dwSizeType = Definition::sizeAuto;
            pDefinition->m_dMeasureSize = std::max(nMin, nMax);
            break;
        case CZMRMarkupGridLength::unitPixel:
        {
            pDefinition->m_dwSizeType = Definition::sizePixel;
            const int nValue = ToLength(pSize->GetValue());
            nMin = std::max(nMin, std::min(nValue, nMax));
            pDefinition->m_dMeasureSize = nMin;
            break;
        }
        default:
            pDefinition->m_dwSizeType = bStarAsAuto ? Definition::sizeAuto : Definition::sizeStar;
            pDefinition->m_dMeasureSize = std::max(nMin, nMax);
            break;
        }
        pDefinition->UpdateMinSize(nMin);
    }
}

void CZMRMarkupGrid::FreeCellCache()
{
    delete[] m_pCellCache;
    m_pCellCache = nullptr;
    m_nCellCount = 0;
}

void CZMRMarkupGrid::BuildCellCache()
{
    FreeCellCache();
    const int nCount = m_pChildren->GetCount();
    m_pCellCache = new CELLCACHE[nCount > 0 ? nCount : 1];
    m_nCellCount = nCount;
    m_nCachedColumns = m_pColumnsInForce->GetCount();
    m_nCachedRows = m_pRowsInForce->GetCount();
    for (int& nHead : m_nHeads)
        nHead = listEnd;
    m_bStarCellsU = FALSE;
    m_bStarCellsV = FALSE;
    m_bList3InAutoRows = FALSE;

    for (int i = nCount - 1; i >= 0; i--)
    {
        CZMRMarkupUIElement* pChild = m_pChildren->GetElement(i);
        CELLCACHE& cell = m_pCellCache[i];
        cell.nColumn = std::min(GetColumn(pChild), m_nCachedColumns - 1);
        cell.nRow = std::min(GetRow(pChild), m_nCachedRows - 1);
        cell.nColumnSpan = std::min(GetColumnSpan(pChild), m_nCachedColumns - cell.nColumn);
        cell.nRowSpan = std::min(GetRowSpan(pChild), m_nCachedRows - cell.nRow);
        cell.dwSizeTypeU = 0;
        for (int c = cell.nColumn; c < cell.nColumn + cell.nColumnSpan; c++)
            cell.dwSizeTypeU |= m_pColumnsInForce->GetDefinition(c)->m_dwSizeType;
        cell.dwSizeTypeV = 0;
        for (int r = cell.nRow; r < cell.nRow + cell.nRowSpan; r++)
            cell.dwSizeTypeV |= m_pRowsInForce->GetDefinition(r)->m_dwSizeType;

        const BOOL bStarU = (cell.dwSizeTypeU & Definition::sizeStar) != 0;
        const BOOL bAutoU = (cell.dwSizeTypeU & Definition::sizeAuto) != 0;
        const BOOL bStarV = (cell.dwSizeTypeV & Definition::sizeStar) != 0;
        const BOOL bAutoV = (cell.dwSizeTypeV & Definition::sizeAuto) != 0;
        int nList;
        if (bStarV)
            nList = bAutoU && !bStarU ? 2 : 4;
        else if (bStarU)
        {
            nList = 3;
            if (bAutoV)
                m_bList3InAutoRows = TRUE;
        }
        else
            nList = 1;
        cell.nNext = m_nHeads[nList - 1];
        m_nHeads[nList - 1] = i;
        m_bStarCellsU |= bStarU;
        m_bStarCellsV |= bStarV;
    }
}

BOOL CZMRMarkupGrid::IsCellCacheCurrent() const
{
    if (!m_pCellCache || m_nCellCount != m_pChildren->GetCount())
        return FALSE;
    // Collections replaced or filled since the measure.
    const BOOL bColumnsCurrent = m_pColumnDefinitions->GetCount() > 0
                                     ? m_pColumnsInForce == m_pColumnDefinitions
                                     : m_pColumnsInForce != nullptr && m_pColumnsInForce->GetCount() == 1 &&
                                           m_pColumnsInForce->GetLogicalParent() == nullptr;
    const BOOL bRowsCurrent = m_pRowDefinitions->GetCount() > 0
                                  ? m_pRowsInForce == m_pRowDefinitions
                                  : m_pRowsInForce != nullptr && m_pRowsInForce->GetCount() == 1 &&
                                        m_pRowsInForce->GetLogicalParent() == nullptr;
    return bColumnsCurrent && bRowsCurrent && m_pColumnsInForce->GetCount() == m_nCachedColumns &&
           m_pRowsInForce->GetCount() == m_nCachedRows;
}

int AFXAPI CZMRMarkupGrid::GetMeasureSizeForRange(CZMRMarkupDefinitionCollection* pDefinitions, int nStart,
                                                  int nCount)
{
    double dSize = 0.0;
    for (int i = nStart; i < nStart + nCount; i++)
    {
        const Definition* pDefinition = pDefinitions->GetDefinition(i);
        dSize += pDefinition->m_dwSizeType == Definition::sizeAuto ? pDefinition->m_nMinSize
                                                                     : pDefinition->m_dMeasureSize;
    }
    return ToLength(dSize);
}

void CZMRMarkupGrid::MeasureCell(CZMRMarkupDrawingContext* pDC, int nCell, BOOL bUnboundedHeight)
{
    const CELLCACHE& cell = m_pCellCache[nCell];
    const BOOL bAutoOnlyU = (cell.dwSizeTypeU & Definition::sizeAuto) && !(cell.dwSizeTypeU & Definition::sizeStar);
    const BOOL bAutoOnlyV = (cell.dwSizeTypeV & Definition::sizeAuto) && !(cell.dwSizeTypeV & Definition::sizeStar);
    const int nWidth = bAutoOnlyU ? lengthUnbounded
                                  : GetMeasureSizeForRange(m_pColumnsInForce, cell.nColumn, cell.nColumnSpan);
    const int nHeight = bUnboundedHeight || bAutoOnlyV
                            ? lengthUnbounded
                            : GetMeasureSizeForRange(m_pRowsInForce, cell.nRow, cell.nRowSpan);
    m_pChildren->GetElement(nCell)->Measure(pDC, nWidth, nHeight);
}

void CZMRMarkupGrid::MeasureCellList(CZMRMarkupDrawingContext* pDC, int nHead, BOOL bIgnoreWidths,
                                     BOOL bIgnoreHeights)
{
    CArray<SPANKEY, const SPANKEY&> arrSpans;
    for (int i = nHead; i != listEnd; i = m_pCellCache[i].nNext)
    {
        MeasureCell(pDC, i, bIgnoreHeights);
        const CELLCACHE& cell = m_pCellCache[i];
        const CSize szDesired = m_pChildren->GetElement(i)->GetDesiredSize();
        if (!bIgnoreWidths)
        {
            if (cell.nColumnSpan == 1)
                m_pColumnsInForce->GetDefinition(cell.nColumn)->UpdateMinSize(szDesired.cx);
            else
                arrSpans.Add(SPANKEY{cell.nColumnSpan, cell.nColumn, TRUE, static_cast<int>(szDesired.cx)});
        }
        if (!bIgnoreHeights)
        {
            if (cell.nRowSpan == 1)
                m_pRowsInForce->GetDefinition(cell.nRow)->UpdateMinSize(szDesired.cy);
            else
                arrSpans.Add(SPANKEY{cell.nRowSpan, cell.nRow, FALSE, static_cast<int>(szDesired.cy)});
        }
    }
    for (INT_PTR i = 0; i < arrSpans.GetSize(); i++)
    {
        const SPANKEY& key = arrSpans[i];
        DistributeSpanSize(key.bColumn ? m_pColumnsInForce : m_pRowsInForce, key.nStart, key.nCount, key.nSize);
    }
}

void AFXAPI CZMRMarkupGrid::DistributeSpanSize(CZMRMarkupDefinitionCollection* pDefinitions, int nStart, int nCount,
                                               int nRequested)
{
    if (nRequested == 0)
        return;
    DefinitionList range = GetRange(pDefinitions, nStart, nCount);
    const int n = nCount;
    double dRangeMin = 0.0, dRangePreferred = 0.0, dRangeMax = 0.0, dLargestMax = 0.0;
    int nAuto = 0;
    for (Definition* pDefinition : range)
    {
        const double dMax = GetMaxOrMin(pDefinition);
        pDefinition->m_dSizeCache = dMax;
        dRangeMin += pDefinition->m_nMinSize;
        dRangePreferred += pDefinition->GetPreferredSize();
        dRangeMax += dMax;
        dLargestMax = std::max(dLargestMax, dMax);
        if (GetUserUnit(pDefinition) == CZMRMarkupGridLength::unitAuto)
            nAuto++;
    }
    const double dRequested = nRequested;
    if (dRequested <= dRangeMin)
        return;

    if (dRequested <= dRangePreferred)
    {
        std::stable_sort(range.begin(), range.end(), CompareSpanPreferred);
        double dLeft = dRequested;
        for (int k = 0; k < nAuto; k++)
            dLeft -= range[k]->m_nMinSize;
        for (int k = nAuto; k < n; k++)
        {
            const double dValue = std::min(dLeft / (n - k), range[k]->GetPreferredSize());
            if (dValue > range[k]->m_nMinSize)
                range[k]->UpdateMinSize(ToLength(dValue));
            dLeft -= dValue;
        }
    }
    else if (dRequested <= dRangeMax)
    {
        std::stable_sort(range.begin(), range.end(), CompareSpanMax);
        double dLeft = dRequested - dRangePreferred;
        for (int k = 0; k < n - nAuto; k++)
        {
            const double dPreferred = range[k]->GetPreferredSize();
            const double dValue = dPreferred + dLeft / (n - nAuto - k);
            range[k]->UpdateMinSize(ToLength(std::min(dValue, range[k]->m_dSizeCache)));
            dLeft -= range[k]->m_nMinSize - dPreferred;
        }
        for (int k = n - nAuto; k < n; k++)
        {
            const int nOldMin = range[k]->m_nMinSize;
            const double dValue = nOldMin + dLeft / (n - k);
            range[k]->UpdateMinSize(ToLength(std::min(dValue, range[k]->m_dSizeCache)));
            dLeft -= range[k]->m_nMinSize - nOldMin;
        }
    }
    else
    {
        const double dEqual = dRequested / n;
        const double dDivisor = dLargestMax * n - dRangeMax;
        if (dEqual < dLargestMax && dDivisor > 0.0)
        {
            for (Definition* pDefinition : range)
            {
                pDefinition->UpdateMinSize(ToLength(pDefinition->m_dSizeCache + (dRequested - dRangeMax) *
                                                                                   (dLargestMax - pDefinition->m_dSizeCache) /
                                                                                   dDivisor));
            }
        }
        else
        {
            for (Definition* pDefinition : range)
                pDefinition->UpdateMinSize(ToLength(dEqual));
        }
    }
}

void AFXAPI CZMRMarkupGrid::ResolveStarSizes(CZMRMarkupDefinitionCollection* pDefinitions, int nAvailable)
{
    double dTaken = 0.0;
    DefinitionList stars;
    for (int i = 0; i < pDefinitions->GetCount(); i++)
    {
        Definition* pDefinition = pDefinitions->GetDefinition(i);
        switch (pDefinition->m_dwSizeType)
        {
        case Definition::sizePixel:
            dTaken += pDefinition->m_dMeasureSize;
            break;
        case Definition::sizeAuto:
            dTaken += pDefinition->m_nMinSize;
            break;
        case Definition::sizeStar:
            stars.push_back(pDefinition);
            break;
        default:
            break;
        }
    }
    PrepareStars(stars.begin(), stars.end());
    for (Definition* pDefinition : stars)
    {
        const double dResolved = ResolveStar(pDefinition, nAvailable - dTaken);
        pDefinition->m_dMeasureSize = dResolved;
        dTaken += dResolved;
    }
}

CSize CZMRMarkupGrid::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    m_szMeasureAvailable = CSize(nAvailableWidth, nAvailableHeight);
    if (m_pColumnDefinitions->GetCount() == 0 && m_pRowDefinitions->GetCount() == 0)
    {
        // No cells: every child over the whole grid, and no cache for arrange.
        FreeCellCache();
        CSize szDesired(0, 0);
        for (int i = 0; i < m_pChildren->GetCount(); i++)
        {
            CZMRMarkupUIElement* pChild = m_pChildren->GetElement(i);
            pChild->Measure(pDC, nAvailableWidth, nAvailableHeight);
            szDesired.cx = std::max<int>(szDesired.cx, pChild->GetDesiredSize().cx);
            szDesired.cy = std::max<int>(szDesired.cy, pChild->GetDesiredSize().cy);
        }
        return szDesired;
    }

    PrepareDefinitions();
    ResetDefinitions(m_pColumnsInForce, nAvailableWidth > nStarLimit);
    ResetDefinitions(m_pRowsInForce, nAvailableHeight > nStarLimit);
    BuildCellCache();

    MeasureCellList(pDC, m_nHeads[0], FALSE, FALSE);
    if (!m_bList3InAutoRows)
    {
        if (m_bStarCellsV)
            ResolveStarSizes(m_pRowsInForce, nAvailableHeight);
        MeasureCellList(pDC, m_nHeads[1], FALSE, FALSE);
        if (m_bStarCellsU)
            ResolveStarSizes(m_pColumnsInForce, nAvailableWidth);
        MeasureCellList(pDC, m_nHeads[2], FALSE, FALSE);
    }
    else if (m_nHeads[1] == listEnd)
    {
        if (m_bStarCellsU)
            ResolveStarSizes(m_pColumnsInForce, nAvailableWidth);
        MeasureCellList(pDC, m_nHeads[2], FALSE, FALSE);
        if (m_bStarCellsV)
            ResolveStarSizes(m_pRowsInForce, nAvailableHeight);
    }
    else
    {
        MeasureCellList(pDC, m_nHeads[1], FALSE, TRUE);
        if (m_bStarCellsU)
            ResolveStarSizes(m_pColumnsInForce, nAvailableWidth);
        MeasureCellList(pDC, m_nHeads[2], FALSE, FALSE);
        if (m_bStarCellsV)
            ResolveStarSizes(m_pRowsInForce, nAvailableHeight);
        MeasureCellList(pDC, m_nHeads[1], TRUE, FALSE);
    }
    MeasureCellList(pDC, m_nHeads[3], FALSE, FALSE);

    CSize szDesired(0, 0);
    for (int i = 0; i < m_pColumnsInForce->GetCount(); i++)
        szDesired.cx = AddLengths(szDesired.cx, m_pColumnsInForce->GetDefinition(i)->m_nMinSize);
    for (int i = 0; i < m_pRowsInForce->GetCount(); i++)
        szDesired.cy = AddLengths(szDesired.cy, m_pRowsInForce->GetDefinition(i)->m_nMinSize);
    return szDesired;
}

void AFXAPI CZMRMarkupGrid::DistributeFinalSizes(CZMRMarkupDefinitionCollection* pDefinitions, int nFinal)
{
    const int n = pDefinitions->GetCount();
    if (n == 0)
        return;
    // Stars at the front in order, the others at the back in reverse order.
    DefinitionList work(n, nullptr);
    int nStars = 0;
    int nBack = n;
    double dTaken = 0.0;
    for (int i = 0; i < n; i++)
    {
        Definition* pDefinition = pDefinitions->GetDefinition(i);
        CZMRMarkupGridLength* pSize = pDefinition->GetUserSize();
        const int nUnit = pSize ? pSize->GetUnit() : CZMRMarkupGridLength::unitStar;
        if (nUnit == CZMRMarkupGridLength::unitStar)
        {
            work[nStars++] = pDefinition;
            continue;
        }
        work[--nBack] = pDefinition;
        const double dUser = nUnit == CZMRMarkupGridLength::unitPixel ? pSize->GetValue() : pDefinition->m_nMinSize;
        pDefinition->m_dSizeCache =
            std::max<double>(pDefinition->m_nMinSize, std::min<double>(dUser, pDefinition->GetUserMaxSize()));
        dTaken += pDefinition->m_dSizeCache;
    }

    if (nStars > 0)
    {
        PrepareStars(work.begin(), work.begin() + nStars);
        for (int i = 0; i < nStars; i++)
        {
            const double dResolved = ResolveStar(work[i], nFinal - dTaken);
            work[i]->m_dSizeCache = dResolved;
            dTaken += dResolved;
        }
    }

    if (nFinal < dTaken)
    {
        std::stable_sort(work.begin(), work.begin() + nStars, CompareFinalShrink);
        double dLeft = nFinal - dTaken;
        for (int j = 0; j < n; j++)
        {
            Definition* pDefinition = work[j];
            const double dWanted = dLeft / (n - j) + pDefinition->m_dSizeCache;
            const double dNew =
                std::min<double>(std::max<double>(dWanted, pDefinition->m_nMinSize), pDefinition->m_dSizeCache);
            dLeft -= dNew - pDefinition->m_dSizeCache;
            pDefinition->m_dSizeCache = dNew;
        }
    }

    int nOffset = 0;
    for (int i = 0; i < n; i++)
    {
        Definition* pDefinition = pDefinitions->GetDefinition(i);
        pDefinition->m_nFinalOffset = nOffset;
        nOffset = AddLengths(nOffset, ToLength(pDefinition->m_dSizeCache));
    }
}

int AFXAPI CZMRMarkupGrid::GetFinalSizeForRange(CZMRMarkupDefinitionCollection* pDefinitions, int nStart, int nCount)
{
    int nSize = 0;
    for (int i = nStart; i < nStart + nCount; i++)
        nSize = AddLengths(nSize, ToLength(pDefinitions->GetDefinition(i)->m_dSizeCache));
    return nSize;
}

CSize CZMRMarkupGrid::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    const BOOL bNoDefinitions = m_pColumnDefinitions->GetCount() == 0 && m_pRowDefinitions->GetCount() == 0;
    if (!bNoDefinitions && !IsCellCacheCurrent())
    {
        // Children or definitions changed since the last measure: the cells
        // are measured again before they are placed.
        CZMRMarkupDrawingContext dc;
        MeasureOverride(&dc, m_szMeasureAvailable.cx, m_szMeasureAvailable.cy);
    }
    if (bNoDefinitions || !m_pCellCache)
    {
        for (int i = 0; i < m_pChildren->GetCount(); i++)
            m_pChildren->GetElement(i)->Arrange(CRect(0, 0, nFinalWidth, nFinalHeight));
        return CSize(nFinalWidth, nFinalHeight);
    }

    DistributeFinalSizes(m_pColumnsInForce, nFinalWidth);
    DistributeFinalSizes(m_pRowsInForce, nFinalHeight);
    for (int i = 0; i < m_nCellCount; i++)
    {
        const CELLCACHE& cell = m_pCellCache[i];
        const int x = m_pColumnsInForce->GetDefinition(cell.nColumn)->m_nFinalOffset;
        const int y = m_pRowsInForce->GetDefinition(cell.nRow)->m_nFinalOffset;
        const int cx = GetFinalSizeForRange(m_pColumnsInForce, cell.nColumn, cell.nColumnSpan);
        const int cy = GetFinalSizeForRange(m_pRowsInForce, cell.nRow, cell.nRowSpan);
        m_pChildren->GetElement(i)->Arrange(CRect(x, y, AddLengths(x, cx), AddLengths(y, cy)));
    }
    return CSize(nFinalWidth, nFinalHeight);
}
