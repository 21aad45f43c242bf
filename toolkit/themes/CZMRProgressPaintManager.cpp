#include "CZMRProgressPaintManager.h"
#include "CZMRColorManager.h"
#include "CZMRPaintManager.h"
#include "CZMRProgressBase.h"
#include <vssym32.h>
#include <algorithm>

CZMRProgressPaintManager::CZMRProgressPaintManager(CZMRPaintManager* pPaintManager)
    : m_themeProgress(TRUE), m_pPaintManager(pPaintManager), m_nDefaultHeight(16)
{
}

CZMRProgressPaintManager::~CZMRProgressPaintManager()
{
    m_themeProgress.CloseThemeData();
}

void CZMRProgressPaintManager::RefreshMetrics()
{
    m_themeProgress.OpenThemeData(nullptr, L"PROGRESS");
}

int CZMRProgressPaintManager::GetFilledWidth(int cxInner, int nMin, int nMax, int nPos)
{
    // A position beyond the range (set before the range shrank, or loaded)
    // fills the bar at most; an empty range fills nothing.
    if (nMax <= nMin || cxInner <= 0)
        return 0;
    nPos = std::max(nMin, std::min(nMax, nPos));
    return ::MulDiv(cxInner, nPos - nMin, nMax - nMin);
}

int CZMRProgressPaintManager::GetChunkCount(int cxFilled, int cxChunk, int cxSpacing)
{
    const int nChunks = (cxFilled + cxSpacing + cxChunk - 1) / (cxChunk + cxSpacing);
    return std::max(nChunks, 0);
}

void CZMRProgressPaintManager::DrawProgress(CDC* pDC, CZMRProgressBase* pProgressBar)
{
    CRect rc;
    pProgressBar->GetProgressRect(rc);
    const int nKind = m_pPaintManager ? m_pPaintManager->GetThemeKind() : zmrThemeDefault;
    const BOOL bVisualStyle =
        nKind != zmrThemeDefault && nKind != zmrThemeOffice && m_themeProgress.IsThemeOpenAndActive();

    int nMin, nMax;
    pProgressBar->GetRange(nMin, nMax);
    CRect rcInner = rc;
    if (bVisualStyle)
        rcInner.DeflateRect(4, 3);
    else
        rcInner.DeflateRect(2, 2);
    const int cxFilled = GetFilledWidth(rcInner.Width(), nMin, nMax, pProgressBar->m_nPos);

    CZMRColorManager* pColors = GetColorManager();
    if (!bVisualStyle)
    {
        pDC->FillSolidRect(rc, pColors->GetColor(COLOR_BTNFACE));
        pDC->Draw3dRect(rc, pColors->GetColor(COLOR_BTNSHADOW), pColors->GetColor(COLOR_BTNSHADOW));
        if (rcInner.Width() >= 2 && cxFilled > 0)
            pDC->FillSolidRect(rcInner.left, rcInner.top, cxFilled, rcInner.Height(),
                               pColors->GetColor(COLOR_HIGHLIGHT));
        return;
    }

    m_themeProgress.DrawThemeBackground(pDC->GetSafeHdc(), PP_BAR, 0, rc, nullptr);
    int cxChunk = 0, cxSpacing = 0;
    if (FAILED(m_themeProgress.GetThemeInt(0, 0, TMT_PROGRESSCHUNKSIZE, &cxChunk)))
        cxChunk = rcInner.Height() * 2 / 3;
    if (FAILED(m_themeProgress.GetThemeInt(0, 0, TMT_PROGRESSSPACESIZE, &cxSpacing)))
        cxSpacing = 2;
    if (cxChunk == 0)
        cxChunk = 1;
    const int nChunks = GetChunkCount(cxFilled, cxChunk, cxSpacing);
    int x = rcInner.left;
    for (int i = 0; i < nChunks && x < rcInner.right; i++)
    {
        CRect rcChunk(x, rcInner.top, x + cxChunk, rcInner.bottom);
        if (rcChunk.right >= rcInner.right)
            rcChunk.right = rcInner.right - 1;
        if (rcChunk.right > rcChunk.left)
            m_themeProgress.DrawThemeBackground(pDC->GetSafeHdc(), PP_CHUNK, 0, rcChunk, nullptr);
        x = rcChunk.right + cxSpacing;
    }
}
