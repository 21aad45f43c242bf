// The opening animations of popup bars (unfold, slide, fade) and the
// unfolding of the rows a popup shows once it is expanded. They pace
// themselves by the command bars' clock, which tests replace.
#include "CZMRPaintManager.h"
#include "CZMRCommandBarClock.h"
#include "CZMRCompatibleDC.h"
#include "CZMRIconHandle.h"
#include "CZMRPopupBar.h"
#include "CZMRControl.h"
#include <vector>

void CZMRPaintManager::BlendBitmaps(LPBYTE pOut, const BYTE* pOld, int nWidth, int nHeight, const BYTE* pNew,
                                    int nWeight)
{
    const int nPixels = nWidth * nHeight;
    for (int i = 0; i < nPixels; i++, pOut += 4, pOld += 4, pNew += 4)
    {
        for (int k = 0; k < 3; k++)
            pOut[k] = BYTE((pNew[k] * nWeight + pOld[k] * (255 - nWeight)) >> 8);
    }
}

namespace
{
// The fade: the new picture mixed over the old one in growing weights. The
// last weight is never shown; the caller shows the popup itself afterwards.
void Fade(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nSteps, int nTime)
{
    const int cx = rc.Width(), cy = rc.Height();
    LPBYTE pNew = nullptr, pOld = nullptr, pMixed = nullptr;
    HBITMAP hNew = CreateArgbDibSection(nullptr, cx, cy, &pNew);
    HBITMAP hOld = CreateArgbDibSection(nullptr, cx, cy, &pOld);
    HBITMAP hMixed = CreateArgbDibSection(nullptr, cx, cy, &pMixed);
    {
        CZMRCompatibleDC dcMem(pDestDC, HBITMAP(nullptr));
        HGDIOBJ hFirst = nullptr;
        auto select = [&](HBITMAP hBitmap) {
            HGDIOBJ hPrevious = ::SelectObject(dcMem, hBitmap);
            if (!hFirst)
                hFirst = hPrevious;
        };
        // A picture that cannot be read (the screen under some drivers)
        // leaves its bitmap as it was made: the fade then starts from black.
        if (hNew)
        {
            select(hNew);
            dcMem.BitBlt(0, 0, cx, cy, pSrcDC, rc.left, rc.top, SRCCOPY);
        }
        if (hOld)
        {
            select(hOld);
            dcMem.BitBlt(0, 0, cx, cy, pDestDC, rc.left, rc.top, SRCCOPY);
        }
        if (hMixed)
            select(hMixed);
        ::GdiFlush();

        CZMRCommandBarClock* pClock = CZMRCommandBarClock::Get();
        const DWORD dwStepTime = DWORD(nTime / nSteps);
        for (int i = 1; i < nSteps; i++)
        {
            const DWORD dwStart = pClock->GetTickCount();
            if (pNew && pOld && pMixed)
            {
                CZMRPaintManager::BlendBitmaps(pMixed, pOld, cx, cy, pNew, 255 * i / nSteps);
                pDestDC->BitBlt(rc.left, rc.top, cx, cy, &dcMem, 0, 0, SRCCOPY);
            }
            const DWORD dwSpent = pClock->GetTickCount() - dwStart;
            if (dwSpent < dwStepTime)
                pClock->Sleep(dwStepTime - dwSpent);
        }
        if (hFirst)
            ::SelectObject(dcMem, hFirst);
    }
    for (HBITMAP hBitmap : {hNew, hOld, hMixed})
    {
        if (hBitmap)
            ::DeleteObject(hBitmap);
    }
}
}

void CZMRPaintManager::Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nKind)
{
    const int n = m_nAnimationSteps, t = m_nAnimationTime;
    if (n <= 0)
        return;
    const int w = rc.Width(), h = rc.Height();
    CZMRCommandBarClock* pClock = CZMRCommandBarClock::Get();

    switch (nKind)
    {
    case 2:   // unfold from the top-left corner
        for (int i = 1; i <= n; i++)
        {
            const int cx = i * w / n, cy = i * h / n;
            pDestDC->BitBlt(0, 0, cx, cy, pSrcDC, rc.right - cx, rc.bottom - cy, SRCCOPY);
            pClock->Sleep(DWORD(t / n));
        }
        break;
    case 3:   // slide down
        for (int i = 1; i <= n; i++)
        {
            const int cy = h * i / n;
            pDestDC->BitBlt(0, 0, w, cy, pSrcDC, 0, h - cy, SRCCOPY);
            pClock->Sleep(DWORD(t / n));
        }
        break;
    case 4:
        Fade(pDestDC, pSrcDC, rc, n, t);
        break;
    default:
        break;
    }
}

void CZMRPaintManager::UnfoldRows(CDC* pDestDC, CDC* pSrcDC, CSize szClient, const CUnfoldRow* pRows, int nCount,
                                  BOOL bTopDown)
{
    const int n = m_nAnimationSteps, t = m_nAnimationTime;
    if (n <= 0)
        return;
    const int W = szClient.cx, H = szClient.cy;
    CZMRCommandBarClock* pClock = CZMRCommandBarClock::Get();

    for (int i = 1; i <= n; i++)
    {
        const double k = double(i) / n;
        // Copies the source rows [yFrom, yTo) into the destination, squeezed
        // to the step's fraction when they belong to rarely used controls.
        // Top-down runs are placed below the ones before them, bottom-up runs
        // above them.
        int yDest = bTopDown ? 0 : H;
        auto copyRun = [&](int yFrom, int yTo, BOOL bRarelyUsed) {
            const int nHeight = yTo - yFrom;
            if (nHeight <= 0)
                return;
            const int nDestHeight = int((bRarelyUsed ? k : 1.0) * nHeight);
            if (!bTopDown)
                yDest -= nDestHeight;
            if (nDestHeight > 0)
                pDestDC->StretchBlt(0, yDest, W, nDestHeight, pSrcDC, 0, yFrom, W, nHeight, SRCCOPY);
            if (bTopDown)
                yDest += nDestHeight;
        };

        BOOL bState = FALSE;
        if (bTopDown)
        {
            int ySource = 0;
            for (int j = 0; j < nCount; j++)
            {
                if (!pRows[j].bRarelyUsed == !bState)
                    continue;
                copyRun(ySource, pRows[j].nTop, bState);
                ySource = pRows[j].nTop;
                bState = pRows[j].bRarelyUsed;
            }
            copyRun(ySource, H, bState);
        }
        else
        {
            int ySource = H;
            for (int j = nCount - 1; j >= 0; j--)
            {
                if (!pRows[j].bRarelyUsed == !bState)
                    continue;
                copyRun(pRows[j].nBottom, ySource, bState);
                ySource = pRows[j].nBottom;
                bState = pRows[j].bRarelyUsed;
            }
            copyRun(0, ySource, bState);
        }
        pClock->Sleep(DWORD(t / n));
    }
}

void CZMRPaintManager::AnimateUnfold(CZMRPopupBar* pPopupBar, CDC* pDestDC, CDC* pSrcDC, BOOL bTopDown)
{
    if (!pPopupBar || !pPopupBar->GetSafeHwnd())
        return;
    CRect rcClient;
    pPopupBar->GetClientRect(&rcClient);
    std::vector<CUnfoldRow> rows;
    for (int i = 0; i < pPopupBar->GetControlCount(); i++)
    {
        const CZMRControl* pControl = pPopupBar->GetControl(i);
        if (!pControl->IsVisible())
            continue;
        const CRect rc = pControl->GetRect();
        rows.push_back({int(rc.top), int(rc.bottom), pControl->IsRarelyUsed()});
    }
    UnfoldRows(pDestDC, pSrcDC, rcClient.Size(), rows.data(), int(rows.size()), bTopDown);
}
