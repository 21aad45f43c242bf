#include "CZMRSliderPaintManager.h"
#include "CZMRColorManager.h"
#include "CZMRPaintManager.h"
#include "CZMRScrollBase.h"

CZMRSliderPaintManager::CZMRSliderPaintManager(CZMRPaintManager* pPaintManager)
    : CZMRScrollBarPaintManager(pPaintManager)
{
}

void CZMRSliderPaintManager::RefreshMetrics()
{
    CZMRScrollBarPaintManager::RefreshMetrics();
    m_cxHScroll = 16;
    m_cyHScroll = 16;
    m_nThumbSize = 11;
}

void CZMRSliderPaintManager::DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar)
{
    DrawSlider(pDC, pScrollBar);
}

void CZMRSliderPaintManager::GetTickOffsets(CZMRScrollBase* pScrollBar, int cx, CArray<int, int>& arrOffsets)
{
    arrOffsets.RemoveAll();
    const CZMRScrollBase::SCROLLBARPOSINFO* pSBInfo = pScrollBar->GetScrollBarPosInfo();
    const int nMin = pSBInfo->nMin;
    const int nMax = pSBInfo->nMax;
    // Ticks need a range to be placed in.
    if (!pScrollBar->HasTicks() || nMax <= nMin)
    {
        arrOffsets.Add(cx / 2);
        return;
    }
    for (int i = 0; i < pScrollBar->GetTickValueCount(); i++)
    {
        const double dOffset = cx * (pScrollBar->GetTick(i) - nMin) / (nMax - nMin);
        if (dOffset >= 0 && dOffset <= cx)
            arrOffsets.Add(int(dOffset));
    }
}

void CZMRSliderPaintManager::DrawSlider(CDC* pDC, CZMRScrollBase* pScrollBar)
{
    const CZMRScrollBase::SCROLLBARPOSINFO* pSBInfo = pScrollBar->GetScrollBarPosInfo();
    if (pSBInfo->fVert || pSBInfo->pxRight - pSBInfo->pxLeft < 1)
        return;
    const CParts parts = GetParts(pScrollBar);
    CZMRColorManager* pColors = GetColorManager();
    const COLORREF clrFace = pColors->GetColor(COLOR_BTNFACE);
    const COLORREF clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    const COLORREF clrLight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
    const CRect rc(pSBInfo->rc);

    // The channel.
    const int yChannel = (rc.top + rc.bottom - 2) / 2;
    const int xChannelLeft = parts.rcArrowFirst.right;
    const int xChannelRight = parts.rcArrowSecond.left;
    pDC->FillSolidRect(xChannelLeft, yChannel, xChannelRight - xChannelLeft, 1, clrShadow);
    pDC->FillSolidRect(xChannelLeft, yChannel + 1, xChannelRight - xChannelLeft, 1, clrLight);

    // The ticks, centred on the channel.
    const int xTicks = xChannelLeft + 6;
    const int cxTicks = xChannelRight - 6 - xTicks;
    const int y0 = (yChannel + yChannel + 2 - 8) / 2;
    CArray<int, int> arrOffsets;
    GetTickOffsets(pScrollBar, cxTicks, arrOffsets);
    for (int i = 0; i < arrOffsets.GetSize(); i++)
    {
        const int x = xTicks + arrOffsets[i] - 1;
        pDC->FillSolidRect(x, y0, 1, 4, clrShadow);
        pDC->FillSolidRect(x, y0 + 5, 1, 2, clrShadow);
        pDC->FillSolidRect(x + 1, y0 + 1, 1, 7, clrLight);
    }

    // The round minus and plus buttons.
    CZMRPaintManager* pOwner = m_pPaintManager;
    const CRect rcButtons[2] = {parts.rcArrowFirst, parts.rcArrowSecond};
    const int nHits[2] = {zmrHitScrollUp, zmrHitScrollDown};
    for (int i = 0; i < 2; i++)
    {
        const CRect& rcButton = rcButtons[i];
        const COLORREF clrFill = parts.nHot == nHits[i] ? clrLight : clrFace;
        if (pOwner)
        {
            pOwner->DrawAntialiasedDisc(pDC, rcButton.left, rcButton.top, rcButton.right, rcButton.bottom, clrShadow,
                                        clrFill);
            if (parts.nPressed != nHits[i])
                pOwner->DrawAntialiasedDisc(pDC, rcButton.left + 1, rcButton.top + 1, rcButton.right - 1,
                                            rcButton.bottom - 1, clrLight, clrFill);
        }
        const CPoint ptCentre = rcButton.CenterPoint();
        pDC->FillSolidRect(ptCentre.x - 4, ptCentre.y - 1, 8, 2, RGB(0, 0, 0));
        if (i == 1)
            pDC->FillSolidRect(ptCentre.x - 1, ptCentre.y - 4, 2, 8, RGB(0, 0, 0));
    }

    // The thumb, pointing down.
    if (!parts.bEnabled)
        return;
    const int x = (pSBInfo->pxThumbTop + pSBInfo->pxThumbBottom - 8) / 2;
    const int y = (rc.top + rc.bottom - 13) / 2;
    const POINT ptsThumb[6] = {{x, y}, {x + 8, y}, {x + 8, y + 9}, {x + 4, y + 13}, {x, y + 9}, {x, y}};
    CBrush brush(parts.nHot == zmrHitScrollThumb ? clrLight : clrFace);
    CPen pen(PS_SOLID, 1, clrShadow);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Polygon(ptsThumb, 6);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
    if (parts.nPressed != zmrHitScrollThumb)
    {
        pDC->FillSolidRect(x + 1, y + 1, 1, 8, clrLight);
        pDC->FillSolidRect(x + 1, y + 1, 7, 1, clrLight);
    }
}
