#include "CZMRSliderOffice2007Theme.h"
#include "CZMROffice2007Image.h"
#include "CZMROffice2007Theme.h"
#include "CZMRScrollBase.h"

CZMRSliderOffice2007Theme::CZMRSliderOffice2007Theme(CZMROffice2007Theme* pTheme)
    : CZMRSliderPaintManager(pTheme), m_pTheme(pTheme)
{
}

void CZMRSliderOffice2007Theme::RefreshMetrics()
{
    CZMRSliderPaintManager::RefreshMetrics();
    if (CZMROffice2007Image* pUp = m_pTheme ? m_pTheme->LoadImage(L"SLIDERUP") : nullptr)
    {
        const CRect rcSrc = pUp->GetSource(0, 3);
        m_cxHScroll = rcSrc.Width();
        m_cyHScroll = rcSrc.Height();
    }
    m_nThumbSize = 11;
}

void CZMRSliderOffice2007Theme::DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar)
{
    const CZMRScrollBase::SCROLLBARPOSINFO* pSBInfo = pScrollBar->GetScrollBarPosInfo();
    if (pSBInfo->fVert)
        return;
    const CParts parts = GetParts(pScrollBar);
    if (parts.rcTrack.IsRectEmpty())
        return;
    const CRect rc(pSBInfo->rc);
    const int yCentre = (rc.top + rc.bottom) / 2;

    if (CZMROffice2007Image* pTrack = m_pTheme->LoadImage(L"SLIDERTRACK"))
    {
        const CRect rcSrc = pTrack->GetSource(0, 1);
        const int y = (rc.top + rc.bottom - rcSrc.Height()) / 2;
        pTrack->DrawImage(pDC, CRect(parts.rcTrack.left, y, parts.rcTrack.right, y + rcSrc.Height()), rcSrc);
    }

    if (CZMROffice2007Image* pTick = m_pTheme->LoadImage(L"SLIDERTICK"))
    {
        const CRect rcSrc = pTick->GetSource(0, 1);
        const int xChannel = parts.rcTrack.left + 6;
        const int cxChannel = parts.rcTrack.Width() - 12;
        CArray<int, int> arrOffsets;
        GetTickOffsets(pScrollBar, cxChannel, arrOffsets);
        for (int i = 0; i < arrOffsets.GetSize(); i++)
        {
            const int x = xChannel + arrOffsets[i] - rcSrc.Width() / 2;
            const int y = yCentre - rcSrc.Height() / 2;
            pTick->DrawImageTransparent(pDC, CRect(CPoint(x, y), rcSrc.Size()), rcSrc, CRect(0, 0, 0, 0),
                                        RGB(255, 0, 255));
        }
    }

    const CRect rcButtons[2] = {parts.rcArrowFirst, parts.rcArrowSecond};
    const int nHits[2] = {zmrHitScrollUp, zmrHitScrollDown};
    const LPCWSTR lpszButtons[2] = {L"SLIDERUP", L"SLIDERDOWN"};
    for (int i = 0; i < 2; i++)
    {
        CZMROffice2007Image* pButton = m_pTheme->LoadImage(lpszButtons[i]);
        if (!pButton)
            continue;
        const int nState = parts.nPressed == nHits[i] ? 2 : (parts.nHot == nHits[i] ? 1 : 0);
        pButton->DrawImage(pDC, rcButtons[i], pButton->GetSource(nState, 3));
    }

    if (!parts.bEnabled)
        return;
    int nThumbState = 0;
    if (parts.nPressed == zmrHitScrollThumb)
        nThumbState = 2;
    else if (parts.nPressed == zmrHitScrollPageUp || parts.nPressed == zmrHitScrollPageDown ||
             (parts.nHot >= zmrHitScrollPageUp && parts.nHot <= zmrHitScrollThumb))
        nThumbState = 1;
    m_pTheme->DrawPartCentered(pDC, L"SLIDERTHUMB", parts.rcThumb, nThumbState, 3);
}
