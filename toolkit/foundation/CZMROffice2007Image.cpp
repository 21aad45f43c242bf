#include "CZMROffice2007Images.h"
#include "CZMRDrawHelpers.h"
#include "CZMRIconHandle.h"
#include "CZMRImageManager.h"
#include "CZMRLockGuard.h"
#include "ZMRImageLoaders.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
// A COLORREF as the pixel bytes blue, green, red (alpha 0).
DWORD PixelOf(COLORREF clr)
{
    return (DWORD(GetRValue(clr)) << 16) | (DWORD(GetGValue(clr)) << 8) | GetBValue(clr);
}
} // namespace

CZMROffice2007Image::CZMROffice2007Image(CZMROffice2007Images* pOwner)
    : m_pBits(nullptr), m_bAlpha(FALSE), m_bMirrorRTL(FALSE), m_bMirrored(FALSE), m_nWidth(0), m_nHeight(0),
      m_pOwner(pOwner)
{
}

CZMROffice2007Image::~CZMROffice2007Image()
{
    FreeBits();
}

void CZMROffice2007Image::FreeBits()
{
    free(m_pBits);
    m_pBits = nullptr;
}

BOOL CZMROffice2007Image::LoadFile(HMODULE hModule, LPCWSTR lpszResourceName)
{
    m_bAlpha = FALSE;
    m_bMirrored = FALSE;
    FreeBits();
    if (!hModule)
        return FALSE;
    BOOL bAlpha = FALSE;
    HBITMAP hBitmap = ReadBitmapResource(hModule, lpszResourceName, &bAlpha);
    if (!hBitmap)
        return FALSE;
    SetBitmap(hBitmap, bAlpha);
    return TRUE;
}

void CZMROffice2007Image::SetBitmap(HBITMAP hBitmap, BOOL bAlpha)
{
    m_bAlpha = bAlpha;
    m_bMirrored = FALSE;
    BITMAP bm;
    if (::GetObject(hBitmap, sizeof(bm), &bm) == 0)
    {
        ::DeleteObject(hBitmap);   // ours now, even when it cannot be read
        return;
    }
    m_nWidth = bm.bmWidth;
    m_nHeight = bm.bmHeight;
    LoadBits(hBitmap);
    ::DeleteObject(hBitmap);
}

void CZMROffice2007Image::LoadBits(HBITMAP hBitmap)
{
    FreeBits();
    if (m_nWidth <= 0 || m_nHeight <= 0 || uint64_t(m_nWidth) * uint64_t(m_nHeight) > 0x10000000)
        return;

    HDC hDC = ::CreateCompatibleDC(nullptr);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (!hDC || !::GetDIBits(hDC, hBitmap, 0, 0, nullptr, &bmi, DIB_RGB_COLORS)
        || (m_bAlpha && bmi.bmiHeader.biBitCount != 32))
    {
        if (hDC)
            ::DeleteDC(hDC);
        return;
    }
    // Read as 32 bits, bottom row first, whatever the bitmap holds.
    bmi.bmiHeader.biWidth = m_nWidth;
    bmi.bmiHeader.biHeight = m_nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = 0;
    bmi.bmiHeader.biClrUsed = 0;
    const size_t nPixels = size_t(m_nWidth) * size_t(m_nHeight);
    DWORD* pBits = static_cast<DWORD*>(malloc(nPixels * 4));
    if (pBits && ::GetDIBits(hDC, hBitmap, 0, UINT(m_nHeight), pBits, &bmi, DIB_RGB_COLORS) != m_nHeight)
    {
        free(pBits);
        pBits = nullptr;
    }
    ::DeleteDC(hDC);
    if (!pBits)
        return;

    if (m_bAlpha)
    {
        // Pictures are drawn premultiplied; files keep their colours straight.
        BYTE* p = reinterpret_cast<BYTE*>(pBits);
        for (size_t i = 0; i < nPixels; i++, p += 4)
        {
            p[0] = BYTE(p[0] * p[3] / 255);
            p[1] = BYTE(p[1] * p[3] / 255);
            p[2] = BYTE(p[2] * p[3] / 255);
        }
    }
    m_pBits = pBits;
}

void CZMROffice2007Image::MirrorBits()
{
    if (!m_bAlpha || !m_pBits)
        return;
    DWORD* pMirrored = static_cast<DWORD*>(malloc(size_t(m_nWidth) * size_t(m_nHeight) * 4));
    if (!pMirrored)
        return;
    for (int y = 0; y < m_nHeight; y++)
    {
        const DWORD* pRow = m_pBits + size_t(y) * m_nWidth;
        DWORD* pOut = pMirrored + size_t(y) * m_nWidth;
        for (int x = 0; x < m_nWidth; x++)
            pOut[x] = pRow[m_nWidth - 1 - x];
    }
    FreeBits();
    m_pBits = pMirrored;
    m_bMirrored = !m_bMirrored;
}

CRect CZMROffice2007Image::GetSource(int nState, int nCount) const
{
    if (!m_pBits)
        return CRect(0, 0, 0, 0);
    const int nBand = m_nHeight / (nCount > 0 ? nCount : 1);
    CRect rc(0, 0, m_nWidth, nBand);
    rc.OffsetRect(0, nState * nBand);
    return rc;
}

void CZMROffice2007Image::DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc)
{
    DrawWithSizingMargins(pDC, rcDest, rcSrc, CRect(0, 0, 0, 0));
}

void CZMROffice2007Image::CopyToStrip(const CRect& rcSrc)
{
    // Only rows of the picture are read; rows of the band outside it are
    // left blank, and nothing goes past the strip's last row.
    DWORD* pStrip = m_pOwner->GetStripBits();
    const int nSize = CZMROffice2007Images::StripSize;
    for (int r = 0; r < rcSrc.Height() && r < nSize; r++)
    {
        DWORD* pOut = pStrip + size_t(nSize - 1 - r) * nSize;
        const int y = rcSrc.top + r;
        if (y >= 0 && y < m_nHeight)
            memcpy(pOut, m_pBits + size_t(m_nHeight - 1 - y) * m_nWidth, size_t(m_nWidth) * 4);
        else
            memset(pOut, 0, size_t(m_nWidth) * 4);
    }
}

void CZMROffice2007Image::DrawPart(CDC* pDC, const CRect& rcDest, CDC* pStripDC, const CRect& rcSrc)
{
    if (rcDest.Width() <= 0 || rcDest.Height() <= 0 || rcSrc.Width() <= 0 || rcSrc.Height() <= 0)
        return;
    if (m_bAlpha)
    {
        GetImageManager()->AlphaBlend(pDC->GetSafeHdc(), rcDest, pStripDC->GetSafeHdc(), rcSrc);
    }
    else if (rcDest.Size() == rcSrc.Size())
    {
        pDC->BitBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), pStripDC, rcSrc.left, rcSrc.top, SRCCOPY);
    }
    else
    {
        pDC->StretchBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), pStripDC, rcSrc.left, rcSrc.top,
                        rcSrc.Width(), rcSrc.Height(), SRCCOPY);
    }
}

void CZMROffice2007Image::DrawWithSizingMargins(CDC* pDC, const CRect& rcDest, const CRect& rcSrcIn,
                                                const CRect& rcSizingMargins)
{
    int mL = rcSizingMargins.left, mT = rcSizingMargins.top;
    int mR = rcSizingMargins.right, mB = rcSizingMargins.bottom;
    if (!m_pBits || rcSrcIn.Height() < mT + mB || !m_pOwner || !m_pOwner->GetStripBits())
        return;
    CZMRLockGuard lock(m_pOwner->GetLock());

    if (rcDest.Width() == rcSrcIn.Width())
        mL = mR = 0;
    if (rcDest.Height() == rcSrcIn.Height())
        mT = mB = 0;
    const int nOldStretchMode = pDC->SetStretchBltMode(COLORONCOLOR);
    int nLeft = mL, nTop = mT, nRight = mR, nBottom = mB;   // margin cells in the destination

    const BOOL bRTL = CZMRDrawHelpers::IsDCRightToLeft(pDC);
    if (!rcDest.IsRectEmpty() && m_nWidth <= CZMROffice2007Images::StripSize
        && m_nHeight <= CZMROffice2007Images::StripSize)
    {
        if (m_bAlpha && m_bMirrorRTL && bRTL != m_bMirrored)
            MirrorBits();

        CopyToStrip(rcSrcIn);
        CRect rcSrc(rcSrcIn);
        rcSrc.OffsetRect(0, -rcSrcIn.top);
        CZMROffice2007Images::CBitmapDC& dcStrip = m_pOwner->GetStripDC();
        dcStrip.SelectBitmap(m_pOwner->GetStrip());

        // Margins larger than the destination share it in their proportion.
        if ((rcDest.Height() <= mT + mB || rcSrc.Height() == mT + mB) && mT + mB > 0)
        {
            nTop = ::MulDiv(rcDest.Height(), mT, mT + mB);
            nBottom = rcDest.Height() - nTop;
            if (nBottom > 0 && nBottom % 2 != mB % 2)
                nBottom++;
        }
        if ((rcDest.Width() <= mL + mR || rcSrc.Width() == mL + mR) && mL + mR > 0)
        {
            nLeft = rcDest.Width() * mL / (mL + mR);
            nRight = rcDest.Width() - nLeft;
        }

        if (mL == 0 && mT == 0 && mR == 0 && mB == 0)
        {
            DrawPart(pDC, rcDest, &dcStrip, rcSrc);
        }
        else
        {
            const int sx[4] = {rcSrc.left, rcSrc.left + mL, rcSrc.right - mR, rcSrc.right};
            const int sy[4] = {rcSrc.top, rcSrc.top + mT, rcSrc.bottom - mB, rcSrc.bottom};
            const int dy[4] = {rcDest.top, rcDest.top + nTop, rcDest.bottom - nBottom, rcDest.bottom};
            int dx[3][2];
            if (bRTL && m_bAlpha)
            {
                // The source's left column goes to the destination's right.
                dx[0][0] = rcDest.right - nLeft;  dx[0][1] = rcDest.right;
                dx[1][0] = rcDest.left + nRight;  dx[1][1] = rcDest.right - nLeft;
                dx[2][0] = rcDest.left;           dx[2][1] = rcDest.left + nRight;
            }
            else
            {
                dx[0][0] = rcDest.left;           dx[0][1] = rcDest.left + nLeft;
                dx[1][0] = rcDest.left + nLeft;   dx[1][1] = rcDest.right - nRight;
                dx[2][0] = rcDest.right - nRight; dx[2][1] = rcDest.right;
            }
            for (int row = 0; row < 3; row++)
            {
                for (int col = 0; col < 3; col++)
                {
                    DrawPart(pDC, CRect(dx[col][0], dy[row], dx[col][1], dy[row + 1]), &dcStrip,
                             CRect(sx[col], sy[row], sx[col + 1], sy[row + 1]));
                }
            }
        }
        dcStrip.Deselect();
    }
    pDC->SetStretchBltMode(nOldStretchMode);
}

void CZMROffice2007Image::DrawImageTransparent(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                                               const CRect& rcSizingMargins, COLORREF clrTransparent)
{
    if (!m_pBits || rcSrc.Height() < rcSizingMargins.top + rcSizingMargins.bottom)
        return;
    if (clrTransparent == COLORREF(-1) || m_bAlpha)
    {
        DrawWithSizingMargins(pDC, rcDest, rcSrc, rcSizingMargins);
        return;
    }
    if (rcDest.IsRectEmpty())
        return;

    const CRect rcBuffer(0, 0, rcDest.Width(), rcDest.Height());
    CDC dc;
    CBitmap bmp;
    if (!dc.CreateCompatibleDC(pDC) || !bmp.CreateCompatibleBitmap(pDC, rcBuffer.Width(), rcBuffer.Height()))
        return;
    CBitmap* pOld = dc.SelectObject(&bmp);
    dc.FillSolidRect(rcBuffer, clrTransparent);
    DrawWithSizingMargins(&dc, rcBuffer, rcSrc, rcSizingMargins);
    GetImageManager()->TransparentBlt(pDC->GetSafeHdc(), rcDest, dc.GetSafeHdc(), rcBuffer, clrTransparent);
    dc.SelectObject(pOld);
}

void CZMROffice2007Image::DrawImageAlpha(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                                         const CRect& rcSizingMargins, COLORREF clrTransparent, DWORD dwFlags)
{
    if (!m_pBits || rcSrc.Height() < rcSizingMargins.top + rcSizingMargins.bottom)
        return;
    if (!(dwFlags & 1))
    {
        DrawImageTransparent(pDC, rcDest, rcSrc, rcSizingMargins, clrTransparent);
        return;
    }
    if (m_bAlpha)
    {
        DrawWithSizingMargins(pDC, rcDest, rcSrc, rcSizingMargins);
        return;
    }
    if (rcDest.IsRectEmpty())
        return;

    const CRect rcBuffer(0, 0, rcDest.Width(), rcDest.Height());
    LPBYTE pBits = nullptr;
    HBITMAP hBitmap = CreateArgbDibSection(pDC->GetSafeHdc(), rcBuffer.Width(), rcBuffer.Height(), &pBits);
    CDC dc;
    if (!hBitmap || !dc.CreateCompatibleDC(pDC))
    {
        if (hBitmap)
            ::DeleteObject(hBitmap);
        return;
    }
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    if (clrTransparent != COLORREF(-1))
        dc.FillSolidRect(rcBuffer, clrTransparent);
    DrawWithSizingMargins(&dc, rcBuffer, rcSrc, rcSizingMargins);
    ::GdiFlush();

    // The key colour becomes fully transparent, everything else opaque.
    const DWORD dwKey = PixelOf(clrTransparent);
    DWORD* pPixel = reinterpret_cast<DWORD*>(pBits);
    const size_t nPixels = size_t(rcBuffer.Width()) * size_t(rcBuffer.Height());
    for (size_t i = 0; i < nPixels; i++)
    {
        if (clrTransparent != COLORREF(-1) && (pPixel[i] & 0x00FFFFFF) == dwKey)
            pPixel[i] = 0;
        else
            pPixel[i] |= 0xFF000000;
    }
    GetImageManager()->AlphaBlend(pDC->GetSafeHdc(), rcDest, dc.GetSafeHdc(), rcBuffer);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
}
