#include "CZMRProgressOffice2007Theme.h"
#include "CZMROffice2007Image.h"
#include "CZMROffice2007Theme.h"
#include "CZMRProgressBase.h"
#include <algorithm>

namespace
{
const COLORREF kKey = RGB(255, 0, 255);
// The chunk picture's last columns make the end cap.
const int kCapWidth = 4;
} // namespace

CZMRProgressOffice2007Theme::CZMRProgressOffice2007Theme(CZMROffice2007Theme* pTheme)
    : CZMRProgressPaintManager(pTheme), m_pTheme(pTheme)
{
    m_nDefaultHeight = 12;
}

void CZMRProgressOffice2007Theme::DrawProgress(CDC* pDC, CZMRProgressBase* pProgressBar)
{
    CZMROffice2007Image* pTrack = m_pTheme ? m_pTheme->LoadImage(L"PROGRESSTRACK") : nullptr;
    if (!pTrack)
    {
        // Without the skin the plain bar, not an empty rectangle.
        CZMRProgressPaintManager::DrawProgress(pDC, pProgressBar);
        return;
    }
    CRect rc;
    pProgressBar->GetProgressRect(rc);
    pTrack->DrawImageTransparent(pDC, rc, pTrack->GetSource(0, 1), CRect(2, 2, 2, 2), kKey);

    CZMROffice2007Image* pChunk = m_pTheme->LoadImage(L"PROGRESSCHUNK");
    if (!pChunk)
        return;
    rc.DeflateRect(2, 2);
    int nMin, nMax;
    pProgressBar->GetRange(nMin, nMax);
    const int cxFilled = GetFilledWidth(rc.Width(), nMin, nMax, pProgressBar->m_nPos);
    const CRect rcSrc = pChunk->GetSource(0, 1);
    if (cxFilled > 0)
    {
        CRect rcBody(rcSrc.left, rcSrc.top, rcSrc.right - kCapWidth, rcSrc.bottom);
        if (cxFilled < rcBody.Width())
            rcBody.left = rcBody.right - cxFilled;
        pChunk->DrawImageTransparent(pDC, CRect(rc.left, rc.top, rc.left + cxFilled, rc.bottom), rcBody,
                                     CRect(2, 2, 2, 2), kKey);
    }
    const int xEnd = rc.left + cxFilled;
    if (xEnd < rc.right - 1)
    {
        const int cxCap = std::min(int(rc.right) - xEnd, kCapWidth);
        pChunk->DrawImageTransparent(pDC, CRect(xEnd, rc.top, xEnd + cxCap, rc.bottom),
                                     CRect(rcSrc.right - cxCap, rcSrc.top, rcSrc.right, rcSrc.bottom),
                                     CRect(0, 2, 0, 2), kKey);
    }
}
