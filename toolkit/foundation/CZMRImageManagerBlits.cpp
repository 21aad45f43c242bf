// The image manager's blits: per-pixel alpha and colour-keyed copies, each
// through the system function when it is there and usable, else by hand
// through temporary 32-bit bitmaps.
#include "CZMRImageManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMROSVersionInfo.h"

namespace
{
// Deletes what a blit made on every path out of it.
struct CTempObjects
{
    HDC hDC[2] = {nullptr, nullptr};
    HGDIOBJ hOld[2] = {nullptr, nullptr};
    HBITMAP hBitmap[3] = {nullptr, nullptr, nullptr};

    ~CTempObjects()
    {
        for (int i = 0; i < 2; i++)
        {
            if (hDC[i] && hOld[i])
                ::SelectObject(hDC[i], hOld[i]);
            if (hDC[i])
                ::DeleteDC(hDC[i]);
        }
        for (HBITMAP h : hBitmap)
            if (h)
                ::DeleteObject(h);
    }
    void Select(int i, HBITMAP hbm)
    {
        HGDIOBJ hPrev = ::SelectObject(hDC[i], hbm);
        if (!hOld[i])
            hOld[i] = hPrev;
    }
};
} // namespace

BOOL CZMRImageManager::AlphaBlend(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc)
{
    CZMROSVersionInfo* pVersion = GetOSVersionInfo();
    CZMRDrawHelpers* pHelpers = GetDrawHelpers();
    BOOL bFallback = (CZMRDrawHelpers::GetDCLayout(hdcDest) != 0 && pVersion->IsWin9x()) || !pHelpers->m_pfnAlphaBlend;
    // Old systems refused sources off the origin and destinations above it.
    if (!bFallback && !pVersion->IsWin2KOrLater() && (rcSrc.left != 0 || rcSrc.top != 0 || rcDest.top < 0))
        bFallback = TRUE;
    if (bFallback)
        return AlphaBlendFallback(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc,
                                  rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height());

    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return pHelpers->m_pfnAlphaBlend(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc,
                                     rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), blend);
}

BOOL CZMRImageManager::AlphaBlendFallback(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HDC hdcSrc,
                                          int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc)
{
    if (nWidth <= 0 || nHeight <= 0)
        return FALSE;
    const DWORD dwDestLayout = CZMRDrawHelpers::GetDCLayout(hdcDest);
    const DWORD dwSrcLayout = CZMRDrawHelpers::GetDCLayout(hdcSrc);

    CTempObjects temp;
    for (HBITMAP& h : temp.hBitmap)
    {
        h = CreateArgbDibSection(hdcDest, nWidth, nHeight, nullptr);
        if (!h)
            return FALSE;
    }
    for (int i = 0; i < 2; i++)
    {
        temp.hDC[i] = ::CreateCompatibleDC(hdcDest);
        if (!temp.hDC[i])
            return FALSE;
        CZMRDrawHelpers::SetDCLayout(temp.hDC[i], 0);
        ::SetStretchBltMode(temp.hDC[i], COLORONCOLOR);
    }
    temp.Select(0, temp.hBitmap[0]);
    temp.Select(1, temp.hBitmap[1]);
    if (!::StretchBlt(temp.hDC[0], 0, 0, nWidth, nHeight, hdcSrc, nXSrc, nYSrc, nWidthSrc, nHeightSrc, SRCCOPY))
        return FALSE;
    if (!::BitBlt(temp.hDC[1], 0, 0, nWidth, nHeight, hdcDest, nXDest, nYDest, SRCCOPY))
        return FALSE;

    // The copies must be deselected before their pixels are read.
    ::SelectObject(temp.hDC[0], temp.hOld[0]);
    ::SelectObject(temp.hDC[1], temp.hOld[1]);
    ::GdiFlush();
    if (!BlendBitmaps(temp.hBitmap[0], dwSrcLayout != 0, temp.hBitmap[1], dwDestLayout != 0, temp.hBitmap[2]))
        return FALSE;

    ::SelectObject(temp.hDC[0], temp.hBitmap[2]);
    const DWORD dwRop = dwDestLayout != 0 ? (SRCCOPY | NOMIRRORBITMAP) : SRCCOPY;
    return ::BitBlt(hdcDest, nXDest, nYDest, nWidth, nHeight, temp.hDC[0], 0, 0, dwRop);
}

BOOL CZMRImageManager::BlendBitmaps(HBITMAP hbmSrc, BOOL bSrcMirrored, HBITMAP hbmDest, BOOL bDestMirrored,
                                    HBITMAP hbmResult)
{
    BITMAP src, dest, result;
    if (!::GetObject(hbmSrc, sizeof(src), &src) || !::GetObject(hbmDest, sizeof(dest), &dest)
        || !::GetObject(hbmResult, sizeof(result), &result))
        return FALSE;
    if (src.bmBitsPixel != 32 || src.bmPlanes != 1)
        return FALSE;
    for (const BITMAP* p : {&dest, &result})
        if (p->bmWidth != src.bmWidth || p->bmHeight != src.bmHeight || p->bmBitsPixel != src.bmBitsPixel
            || p->bmPlanes != src.bmPlanes)
            return FALSE;
    if (!src.bmBits || !dest.bmBits || !result.bmBits)
        return FALSE;

    const int nWidth = src.bmWidth;
    const int nHeight = src.bmHeight < 0 ? -src.bmHeight : src.bmHeight;
    for (int y = 0; y < nHeight; y++)
    {
        const BYTE* pSrcRow = static_cast<const BYTE*>(src.bmBits) + static_cast<size_t>(y) * src.bmWidthBytes;
        const BYTE* pDestRow = static_cast<const BYTE*>(dest.bmBits) + static_cast<size_t>(y) * dest.bmWidthBytes;
        BYTE* pResultRow = static_cast<BYTE*>(result.bmBits) + static_cast<size_t>(y) * result.bmWidthBytes;
        for (int i = 0; i < nWidth; i++)
        {
            const BYTE* s = pSrcRow + (bSrcMirrored ? nWidth - 1 - i : i) * 4;
            const BYTE* d = pDestRow + (bDestMirrored ? nWidth - 1 - i : i) * 4;
            BYTE* r = pResultRow + i * 4;
            for (int c = 0; c < 3; c++)
            {
                // A source that is not premultiplied could pass 255; it is held there.
                const int v = d[c] * (255 - s[3]) / 255 + s[c];
                r[c] = static_cast<BYTE>(v > 255 ? 255 : v);
            }
        }
    }
    return TRUE;
}

BOOL CZMRImageManager::TransparentBlt(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc,
                                      UINT crTransparent)
{
    CZMRDrawHelpers* pHelpers = GetDrawHelpers();
    if (GetOSVersionInfo()->IsWin2KOrLater() && pHelpers->m_pfnTransparentBlt)
        return pHelpers->m_pfnTransparentBlt(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(),
                                             hdcSrc, rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(),
                                             crTransparent);
    return TransparentBltFallback(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc,
                                  rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), crTransparent);
}

BOOL CZMRImageManager::TransparentBltFallback(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight,
                                              HDC hdcSrc, int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc,
                                              UINT crTransparent)
{
    if (nWidthSrc <= 0 || nHeightSrc <= 0)
        return FALSE;
    const COLORREF clrOldBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
    const COLORREF clrOldText = ::SetTextColor(hdcDest, RGB(0, 0, 0));

    BOOL bResult = FALSE;
    {
        CTempObjects temp;
        temp.hBitmap[0] = ::CreateCompatibleBitmap(hdcDest, nWidthSrc, nHeightSrc);
        temp.hBitmap[1] = ::CreateBitmap(nWidthSrc, nHeightSrc, 1, 1, nullptr);
        temp.hDC[0] = ::CreateCompatibleDC(hdcDest);
        temp.hDC[1] = ::CreateCompatibleDC(hdcDest);
        if (temp.hBitmap[0] && temp.hBitmap[1] && temp.hDC[0] && temp.hDC[1])
        {
            HDC hCopy = temp.hDC[0];
            HDC hMask = temp.hDC[1];
            temp.Select(0, temp.hBitmap[0]);
            temp.Select(1, temp.hBitmap[1]);
            bResult = ::BitBlt(hCopy, 0, 0, nWidthSrc, nHeightSrc, hdcSrc, nXSrc, nYSrc, SRCCOPY);
            // Pixels of the transparent colour become 1 in the mask.
            ::SetBkColor(hCopy, crTransparent);
            bResult = bResult && ::BitBlt(hMask, 0, 0, nWidthSrc, nHeightSrc, hCopy, 0, 0, SRCCOPY);
            if (bResult && crTransparent != RGB(0, 0, 0))
            {
                ::SetBkColor(hCopy, RGB(0, 0, 0));
                ::SetTextColor(hCopy, RGB(255, 255, 255));
                bResult = ::BitBlt(hCopy, 0, 0, nWidthSrc, nHeightSrc, hMask, 0, 0, SRCAND);
            }
            if (bResult && nWidth == nWidthSrc && nHeight == nHeightSrc)
            {
                bResult = ::BitBlt(hdcDest, nXDest, nYDest, nWidth, nHeight, hMask, 0, 0, SRCAND)
                    && ::BitBlt(hdcDest, nXDest, nYDest, nWidth, nHeight, hCopy, 0, 0, SRCPAINT);
            }
            else if (bResult)
            {
                bResult = ::StretchBlt(hdcDest, nXDest, nYDest, nWidth, nHeight, hMask, 0, 0, nWidthSrc, nHeightSrc,
                                       SRCAND)
                    && ::StretchBlt(hdcDest, nXDest, nYDest, nWidth, nHeight, hCopy, 0, 0, nWidthSrc, nHeightSrc,
                                    SRCPAINT);
            }
        }
    }
    ::SetBkColor(hdcDest, clrOldBk);
    ::SetTextColor(hdcDest, clrOldText);
    return bResult;
}

BOOL AlphaBlendBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc,
                      int cySrc)
{
    if (!pDC || !hBitmap)
        return FALSE;
    if (cxSrc == 0 && cySrc == 0)
    {
        cxSrc = cx;
        cySrc = cy;
    }
    HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    if (!hMemDC)
        return FALSE;
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    BOOL bResult = GetImageManager()->AlphaBlend(pDC->GetSafeHdc(), CRect(x, y, x + cx, y + cy), hMemDC,
                                                 CRect(xSrc, ySrc, xSrc + cxSrc, ySrc + cySrc));
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    return bResult;
}

COLORREF GetBitmapPixel(CBitmap* pBitmap, int x, int y)
{
    if (!pBitmap || !pBitmap->GetSafeHandle())
        return CLR_INVALID;
    HDC hMemDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMemDC, pBitmap->GetSafeHandle());
    COLORREF clr = ::GetPixel(hMemDC, x, y);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    return clr;
}
