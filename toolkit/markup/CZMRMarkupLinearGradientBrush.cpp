#include "CZMRMarkupLinearGradientBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupGradientStops.h"
#include "CZMRMarkupPoint.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupType.h"
#include "CZMRIconHandle.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
struct CGradientStopEntry
{
    DWORD dwPixel;      // blue, green, red, 0
    double dOffset;
    int nPosition;      // in the collection, so equal offsets keep their order
    double dDelta;      // offset less the previous entry's offset
};

int __cdecl CompareStopEntries(const void* pFirst, const void* pSecond)
{
    const CGradientStopEntry* a = static_cast<const CGradientStopEntry*>(pFirst);
    const CGradientStopEntry* b = static_cast<const CGradientStopEntry*>(pSecond);
    if (a->dOffset != b->dOffset)
        return a->dOffset < b->dOffset ? -1 : 1;
    return a->nPosition - b->nPosition;
}

DWORD PixelOf(COLORREF clr)
{
    return (static_cast<DWORD>(GetRValue(clr)) << 16) | (static_cast<DWORD>(GetGValue(clr)) << 8) | GetBValue(clr);
}

int Channel(DWORD dwPixel, int nShift)
{
    return static_cast<int>((dwPixel >> nShift) & 0xFF);
}

// The colour at gradient parameter t.
DWORD PixelAt(const std::vector<CGradientStopEntry>& table, double t)
{
    if (t <= table.front().dOffset)
        return table.front().dwPixel;
    if (t >= table.back().dOffset)
        return table.back().dwPixel;
    for (size_t i = 1; i < table.size(); i++)
    {
        if (t < table[i].dOffset && table[i].dDelta != 0)
        {
            double dL = (table[i].dOffset - t) / table[i].dDelta;
            DWORD dwPixel = 0;
            for (int nShift = 0; nShift <= 16; nShift += 8)
            {
                int nValue = static_cast<int>(dL * Channel(table[i - 1].dwPixel, nShift) +
                                              (1 - dL) * Channel(table[i].dwPixel, nShift));
                dwPixel |= static_cast<DWORD>(nValue & 0xFF) << nShift;
            }
            return dwPixel;
        }
    }
    return 0;
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupLinearGradientBrush)

CZMRMarkupDependencyProperty* CZMRMarkupLinearGradientBrush::m_pStartPointProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupLinearGradientBrush::m_pEndPointProperty = nullptr;

void AFXAPI CZMRMarkupLinearGradientBrush::RegisterMarkupProperties()
{
    m_pStartPointProperty = CZMRMarkupDependencyProperty::Register(
        L"StartPoint", CZMRMarkupPoint::GetMarkupType(), CZMRMarkupLinearGradientBrush::GetMarkupType());
    m_pEndPointProperty = CZMRMarkupDependencyProperty::Register(L"EndPoint", CZMRMarkupPoint::GetMarkupType(),
                                                                 CZMRMarkupLinearGradientBrush::GetMarkupType());
}

CZMRMarkupLinearGradientBrush::CZMRMarkupLinearGradientBrush()
    : m_pGradientStops(new CZMRMarkupGradientStops())
{
    m_pGradientStops->SetLogicalParent(this);
}

CZMRMarkupLinearGradientBrush::~CZMRMarkupLinearGradientBrush()
{
    m_pGradientStops->SetLogicalParent(nullptr);
    m_pGradientStops->Release();
}

void CZMRMarkupLinearGradientBrush::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    m_pGradientStops->AddContent(pBuilder, pContent);
}

void CZMRMarkupLinearGradientBrush::FillRect(CZMRMarkupDrawingContext* pDC, int nLeft, int nTop, int nRight,
                                             int nBottom)
{
    if (!pDC)
        return;
    const int nWidth = nRight - nLeft;
    const int nHeight = nBottom - nTop;
    const int nStops = m_pGradientStops->GetCount();
    if (nStops == 0 || nWidth < 1 || nHeight < 1)
        return;
    HDC hDC = pDC->GetOutputDC();
    if (nStops == 1)
    {
        CZMRMarkupSolidColorBrush::FillSolid(hDC, nLeft, nTop, nRight, nBottom,
                                             m_pGradientStops->GetStop(0)->GetColor());
        return;
    }

    CZMRMarkupPoint* pStart = static_cast<CZMRMarkupPoint*>(GetValue(m_pStartPointProperty));
    CZMRMarkupPoint* pEnd = static_cast<CZMRMarkupPoint*>(GetValue(m_pEndPointProperty));
    const double dStartX = (pStart ? pStart->x : 0.0) * nWidth;
    const double dStartY = (pStart ? pStart->y : 0.0) * nHeight;
    const double dEndX = (pEnd ? pEnd->x : 1.0) * nWidth;
    const double dEndY = (pEnd ? pEnd->y : 1.0) * nHeight;
    if (dStartX == dEndX && dStartY == dEndY)
        return;

    CRect rcVisible = pDC->GetClipBox();
    if (pDC->IsScaledOutput())
        rcVisible.InflateRect(1, 1);
    rcVisible.OffsetRect(-nLeft, -nTop);
    if (!rcVisible.IntersectRect(rcVisible, CRect(0, 0, nWidth, nHeight)))
        return;

    LPBYTE pBits = nullptr;
    HBITMAP hBitmap = CreateArgbDibSection(hDC, nWidth, nHeight, &pBits);
    if (!hBitmap || !pBits)
    {
        if (hBitmap)
            ::DeleteObject(hBitmap);
        return;
    }

    std::vector<CGradientStopEntry> table(static_cast<size_t>(nStops));
    for (int i = 0; i < nStops; i++)
    {
        CZMRMarkupGradientStop* pStop = m_pGradientStops->GetStop(i);
        table[i].dwPixel = PixelOf(pStop->GetColor());
        table[i].dOffset = pStop->GetOffset();
        table[i].nPosition = i;
        table[i].dDelta = 0;
    }
    qsort(table.data(), table.size(), sizeof(CGradientStopEntry), CompareStopEntries);
    for (size_t i = 1; i < table.size(); i++)
        table[i].dDelta = table[i].dOffset - table[i - 1].dOffset;

    // t(P) = ((P - S) . u) / ((E - S) . u) with u the unit vector from S to E.
    const double dLength = std::sqrt((dEndX - dStartX) * (dEndX - dStartX) + (dEndY - dStartY) * (dEndY - dStartY));
    const double dUx = (dEndX - dStartX) / dLength;
    const double dUy = (dEndY - dStartY) / dLength;
    const double dStartU = dStartX * dUx + dStartY * dUy;
    const double dRange = dEndX * dUx + dEndY * dUy - dStartU;
    auto parameterAt = [&](double x, double y) { return (x * dUx + y * dUy - dStartU) / dRange; };

    // The DIB is bottom-up: picture row y is memory row nHeight - 1 - y. The
    // pixel of row y takes the parameter of the point (x, y + 1).
    DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
    auto rowOf = [&](int y) { return pPixels + static_cast<size_t>(nHeight - 1 - y) * nWidth; };
    if (dStartX == dEndX)
    {
        for (int y = rcVisible.top; y < rcVisible.bottom; y++)
        {
            DWORD dwPixel = PixelAt(table, parameterAt(0, y + 1));
            DWORD* pRow = rowOf(y);
            for (int x = 0; x < nWidth; x++)
                pRow[x] = dwPixel;
        }
    }
    else if (dStartY == dEndY)
    {
        DWORD* pBottomRow = rowOf(nHeight - 1);
        for (int x = rcVisible.left; x < rcVisible.right; x++)
            pBottomRow[x] = PixelAt(table, parameterAt(x, nHeight));
        for (int y = rcVisible.top; y < rcVisible.bottom; y++)
        {
            if (y != nHeight - 1)
                memcpy(rowOf(y), pBottomRow, sizeof(DWORD) * nWidth);
        }
    }
    else
    {
        for (int y = rcVisible.top; y < rcVisible.bottom; y++)
        {
            DWORD* pRow = rowOf(y);
            for (int x = rcVisible.left; x < rcVisible.right; x++)
                pRow[x] = PixelAt(table, parameterAt(x, y + 1));
        }
    }

    HDC hMemDC = ::CreateCompatibleDC(hDC);
    if (hMemDC)
    {
        HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
        ::BitBlt(hDC, nLeft + rcVisible.left, nTop + rcVisible.top, rcVisible.Width(), rcVisible.Height(), hMemDC,
                 rcVisible.left, rcVisible.top, SRCCOPY);
        ::SelectObject(hMemDC, hOldBitmap);
        ::DeleteDC(hMemDC);
    }
    ::DeleteObject(hBitmap);
}
