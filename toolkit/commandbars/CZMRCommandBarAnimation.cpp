#include "CZMRCommandBarAnimation.h"
#include "CZMRCommandBar.h"
#include "CZMRPaintManager.h"
#include "CZMRBufferDC.h"
#include "CZMRCompatibleDC.h"
#include "CZMRIconHandle.h"
#include <cstring>

namespace
{
// Copies a rectangle of one device context into a bitmap of its size.
void CopyToBitmap(CDC* pDC, HBITMAP hBitmap, const CRect& rc, CDC* pSource)
{
    CZMRCompatibleDC dc(pDC, hBitmap);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), pSource, rc.left, rc.top, SRCCOPY);
}
}

CZMRCommandBarAnimation::CAnimateInfo::CAnimateInfo(const CRect& rc)
    : m_hbmNew(nullptr), m_pNewBits(nullptr), m_hbmOld(nullptr), m_pOldBits(nullptr), m_rc(rc), m_nStep(1)
{
}

CZMRCommandBarAnimation::CAnimateInfo::~CAnimateInfo()
{
    if (m_hbmNew)
        ::DeleteObject(m_hbmNew);
    if (m_hbmOld)
        ::DeleteObject(m_hbmOld);
}

CZMRCommandBarAnimation::CZMRCommandBarAnimation(CZMRCommandBar* pBar)
    : m_pBar(pBar), m_bRepaint(FALSE), m_nTimer(0), m_bEnabled(FALSE), m_bBuffered(FALSE)
{
}

CZMRCommandBarAnimation::~CZMRCommandBarAnimation()
{
    StopAll();
    DropCache();
}

BOOL CZMRCommandBarAnimation::IsEnabled() const
{
    if (m_bEnabled)
        return TRUE;
    CZMRPaintManager* pPaintManager = m_pBar->GetPaintManager();
    return pPaintManager && pPaintManager->m_bEnableAnimation;
}

void CZMRCommandBarAnimation::DropCache()
{
    m_bmpCache.DeleteObject();
}

void CZMRCommandBarAnimation::RedrawRect(LPCRECT lpRect, BOOL bAnimate)
{
    HWND hWnd = m_pBar->GetSafeHwnd();
    if (!hWnd)
        return;
    if (!lpRect)
    {
        DropCache();
        m_bRepaint = TRUE;
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return;
    }
    if (!HasCachedImage() || !IsEnabled())
    {
        m_bRepaint = TRUE;
        ::InvalidateRect(hWnd, lpRect, FALSE);
        return;
    }

    const CRect rc(lpRect);
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    CClientDC dc(m_pBar);
    CBitmap bmpNew;
    if (!bmpNew.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()))
        return;
    CZMRCompatibleDC dcNew(&dc, &bmpNew);
    const int nSaved = dcNew.SaveDC();
    dcNew.IntersectClipRect(rc);
    m_pBar->PaintBar(&dcNew);
    dcNew.RestoreDC(nSaved);
    CZMRCompatibleDC dcCache(&dc, &m_bmpCache);

    if (!bAnimate)
    {
        ExcludeRect(rc, TRUE);
        dcCache.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcNew, rc.left, rc.top, SRCCOPY);
        dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcNew, rc.left, rc.top, SRCCOPY);
        return;
    }

    CAnimateInfo* pInfo = new CAnimateInfo(rc);
    pInfo->m_hbmNew = CreateArgbDibSection(dc.GetSafeHdc(), rc.Width(), rc.Height(), &pInfo->m_pNewBits);
    pInfo->m_hbmOld = CreateArgbDibSection(dc.GetSafeHdc(), rc.Width(), rc.Height(), &pInfo->m_pOldBits);
    const BOOL bBuffers = pInfo->m_pNewBits && pInfo->m_pOldBits;
    if (bBuffers)
    {
        CopyToBitmap(&dc, pInfo->m_hbmNew, rc, &dcNew);
        CopyToBitmap(&dc, pInfo->m_hbmOld, rc, &dcCache);
    }
    // The cache always holds the latest look.
    dcCache.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcNew, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    if (!bBuffers ||
        std::memcmp(pInfo->m_pNewBits, pInfo->m_pOldBits, static_cast<size_t>(rc.Width()) * rc.Height() * 4) == 0)
    {
        delete pInfo;
        return;
    }
    AddAnimation(&dc, pInfo);
}

void CZMRCommandBarAnimation::AddAnimation(CDC* pDC, CAnimateInfo* pInfo)
{
    ExcludeRect(pInfo->m_rc, FALSE);
    m_arrAnimations.push_back(pInfo);
    if (!m_nTimer)
        m_nTimer = ::SetTimer(m_pBar->GetSafeHwnd(), ZMR_TIMER_ANIMATION, kPeriod, nullptr);
    DrawStep(pDC, pInfo);
}

void CZMRCommandBarAnimation::ExcludeRect(const CRect& rc, BOOL bAdd)
{
    for (size_t i = 0; i < m_arrAnimations.size();)
    {
        CAnimateInfo* pInfo = m_arrAnimations[i];
        CRect rcMeet;
        if (!rcMeet.IntersectRect(pInfo->m_rc, rc))
        {
            i++;
            continue;
        }
        if (rcMeet == pInfo->m_rc)
        {
            delete pInfo;
            m_arrAnimations.erase(m_arrAnimations.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (bAdd)
            pInfo->m_excluded.push_back(rc);
        i++;
    }
}

void CZMRCommandBarAnimation::BlendPixels(LPBYTE pDest, const BYTE* pNew, const BYTE* pOld, int nBytes, int k)
{
    for (int i = 0; i < nBytes; i++)
        pDest[i] = static_cast<BYTE>((pNew[i] * k + pOld[i] * (255 - k)) / 256);
}

void CZMRCommandBarAnimation::DrawStep(CDC* pDC, CAnimateInfo* pInfo)
{
    const CRect& rc = pInfo->m_rc;
    if (pInfo->m_nStep >= kSteps)
    {
        CZMRCompatibleDC dcCache(pDC, &m_bmpCache);
        pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcCache, rc.left, rc.top, SRCCOPY);
    }
    else
    {
        LPBYTE pBits = nullptr;
        HBITMAP hBlend = CreateArgbDibSection(pDC->GetSafeHdc(), rc.Width(), rc.Height(), &pBits);
        if (hBlend && pBits)
        {
            BlendPixels(pBits, pInfo->m_pNewBits, pInfo->m_pOldBits, rc.Width() * rc.Height() * 4,
                        pInfo->m_nStep * 255 / kSteps);
            CZMRCompatibleDC dcBlend(pDC, hBlend);
            pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcBlend, 0, 0, SRCCOPY);
        }
        if (hBlend)
            ::DeleteObject(hBlend);
    }
    pInfo->m_nStep++;
}

void CZMRCommandBarAnimation::OnTimer()
{
    if (m_pBar->GetSafeHwnd())
    {
        CClientDC dc(m_pBar);
        for (size_t i = 0; i < m_arrAnimations.size();)
        {
            CAnimateInfo* pInfo = m_arrAnimations[i];
            for (const CRect& rcExclude : pInfo->m_excluded)
                dc.ExcludeClipRect(rcExclude);
            DrawStep(&dc, pInfo);
            dc.SelectClipRgn(nullptr);
            if (pInfo->m_nStep > kSteps)
            {
                delete pInfo;
                m_arrAnimations.erase(m_arrAnimations.begin() + static_cast<std::ptrdiff_t>(i));
            }
            else
                i++;
        }
    }
    if (m_arrAnimations.empty() && m_nTimer)
    {
        if (m_pBar->GetSafeHwnd())
            ::KillTimer(m_pBar->GetSafeHwnd(), ZMR_TIMER_ANIMATION);
        m_nTimer = 0;
    }
}

void CZMRCommandBarAnimation::OnPaint(CDC* pDC, const CRect& rcPaint)
{
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    if (HasCachedImage())
    {
        BITMAP bm = {};
        m_bmpCache.GetBitmap(&bm);
        if (bm.bmWidth != rcClient.Width() || bm.bmHeight != rcClient.Height())
            DropCache();
    }

    if (!m_bBuffered && !IsEnabled())
    {
        DropCache();
        {
            CZMRBufferDC dcBuffer(pDC->GetSafeHdc(), rcPaint);
            dcBuffer.IntersectClipRect(rcPaint);
            m_pBar->PaintBar(&dcBuffer);
        }
        StopAll();
    }
    else if (m_bRepaint || !HasCachedImage())
    {
        CRect rc = rcPaint;
        if (!HasCachedImage())
        {
            m_bmpCache.CreateCompatibleBitmap(pDC, rcClient.Width(), rcClient.Height());
            rc = rcClient;
        }
        CZMRCompatibleDC dcCache(pDC, &m_bmpCache);
        const int nSaved = dcCache.SaveDC();
        dcCache.IntersectClipRect(rc);
        m_pBar->PaintBar(&dcCache);
        dcCache.RestoreDC(nSaved);
        pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcCache, rc.left, rc.top, SRCCOPY);
        StopAll();
    }
    else
    {
        CZMRCompatibleDC dcCache(pDC, &m_bmpCache);
        pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcCache, 0, 0, SRCCOPY);
    }
    m_bRepaint = FALSE;
}

void CZMRCommandBarAnimation::StopAll()
{
    for (CAnimateInfo* pInfo : m_arrAnimations)
        delete pInfo;
    m_arrAnimations.clear();
    if (m_nTimer && m_pBar->GetSafeHwnd())
        ::KillTimer(m_pBar->GetSafeHwnd(), ZMR_TIMER_ANIMATION);
    m_nTimer = 0;
}

void CZMRCommandBarAnimation::OnBarDestroy()
{
    DropCache();
    StopAll();
}
