// Drawing of the image manager's pictures: icons, image handles in each of
// their forms, and slots of the shared strips.
#include "CZMRImageManager.h"
#include "CZMRLockGuard.h"
#include "CZMRSilhouetteCache.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace
{
const DWORD dwMagenta = 0x00FF00FF;

// A 32-bit buffer with a memory DC over it, for composited drawing.
class CArgbBuffer
{
public:
    CArgbBuffer(HDC hdcCompatible, int cx, int cy)
        : m_hDC(::CreateCompatibleDC(hdcCompatible)), m_hBitmap(nullptr), m_hOld(nullptr), m_pBits(nullptr),
          m_nPixels(static_cast<size_t>(cx) * cy)
    {
        if (cx > 0 && cy > 0 && m_hDC)
            m_hBitmap = CreateArgbDibSection(hdcCompatible, cx, cy, &m_pBits);
        if (m_hBitmap)
            m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    }
    ~CArgbBuffer()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    BOOL IsValid() const { return m_hBitmap != nullptr; }
    HDC GetDC() const { return m_hDC; }
    DWORD* Pixels() const { return reinterpret_cast<DWORD*>(m_pBits); }
    size_t Count() const { return m_nPixels; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    LPBYTE m_pBits;
    size_t m_nPixels;
};
} // namespace

// ---------------------------------------------------------------- icon

CSize CZMRImageManagerIcon::GetDrawSize(CSize sz) const
{
    const int cx = sz.cx != 0 ? sz.cx : m_nWidth;
    int cy = sz.cy;
    if (cy == 0 && m_nWidth != 0)
    {
        // In 64 bits: a stored width or height must not wrap the product.
        const uint64_t nHeight = static_cast<uint64_t>(static_cast<UINT>(cx)) * static_cast<UINT>(m_nHeight)
                                 / static_cast<UINT>(m_nWidth);
        cy = nHeight > INT_MAX ? INT_MAX : static_cast<int>(nHeight);
    }
    return CSize(cx, cy);
}

void CZMRImageManagerIcon::Draw(CDC* pDC, CPoint pt, CZMRIconHandle& handle, CSize sz)
{
    sz = GetDrawSize(sz);
    handle.Draw(pDC, pt.x, pt.y, sz.cx, sz.cy, m_bDrawComposited);
}

void CZMRImageManagerIcon::DrawNormal(CDC* pDC, CPoint pt, CSize sz)
{
    Draw(pDC, pt, m_hNormal, sz);
}

void CZMRImageManagerIcon::DrawNormalAt(CDC* pDC, CPoint pt)
{
    Draw(pDC, pt, m_hNormal, CSize(0, 0));
}

namespace
{
// The picture on white in the target's format, then one bit a pixel: white
// stays 1, every other colour becomes 0.
HBITMAP MakeSilhouetteMask(CDC* pDC, CZMRImageManagerIcon* pIcon, CZMRIconHandle& handle, int cx, int cy)
{
    const HDC hDC = pDC->GetSafeHdc();
    HBITMAP hMask = nullptr;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, cx, cy);
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HDC hMonoDC = ::CreateCompatibleDC(hDC);
    if (hBitmap && hMemDC && hMonoDC)
    {
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        ::PatBlt(hMemDC, 0, 0, cx, cy, WHITENESS);
        CDC memDC;
        memDC.Attach(hMemDC);
        pIcon->Draw(&memDC, CPoint(0, 0), handle, CSize(cx, cy));
        memDC.Detach();
        hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
        if (hMask)
        {
            HGDIOBJ hOldMono = ::SelectObject(hMonoDC, hMask);
            ::SetBkColor(hMemDC, RGB(255, 255, 255));
            ::BitBlt(hMonoDC, 0, 0, cx, cy, hMemDC, 0, 0, SRCCOPY);
            ::SelectObject(hMonoDC, hOldMono);
        }
        ::SelectObject(hMemDC, hOld);
    }
    if (hMonoDC)
        ::DeleteDC(hMonoDC);
    if (hMemDC)
        ::DeleteDC(hMemDC);
    if (hBitmap)
        ::DeleteObject(hBitmap);
    return hMask;
}
// The colour depth a compatible bitmap of the target gets: a memory DC's is
// its bitmap's. Asking the device costs a round trip to the window system on
// some platforms, which a paint of many disabled icons would pay per icon.
int TargetBitsPixel(HDC hDC)
{
    if (::GetObjectType(hDC) == OBJ_MEMDC)
    {
        BITMAP bm;
        HGDIOBJ hBitmap = ::GetCurrentObject(hDC, OBJ_BITMAP);
        if (hBitmap && ::GetObjectW(hBitmap, sizeof bm, &bm) == sizeof bm)
            return bm.bmBitsPixel;
    }
    return ::GetDeviceCaps(hDC, BITSPIXEL);
}

// One memory DC per thread that the kept shapes are drawn from.
HDC SilhouetteDC()
{
    struct CHolder
    {
        HDC hDC = ::CreateCompatibleDC(nullptr);
        ~CHolder()
        {
            if (hDC)
                ::DeleteDC(hDC);
        }
    };
    thread_local CHolder holder;
    return holder.hDC;
}
} // namespace

void CZMRImageManagerIcon::DrawSilhouette(CDC* pDC, CPoint pt, CZMRIconHandle& handle, CSize sz, COLORREF clr)
{
    if (handle.IsAlpha())
        return;
    sz = GetDrawSize(sz);
    const int cx = sz.cx;
    const int cy = sz.cy;
    if (cx <= 0 || cy <= 0)
        return;

    const HDC hDC = pDC->GetSafeHdc();
    CZMRImageManager* pManager = handle.m_pImageManager ? handle.m_pImageManager : GetImageManager();
    const CZMRSilhouetteCache::CKey key = {this,
                                           &handle,
                                           handle.m_hIcon,
                                           handle.m_hBitmap,
                                           handle.m_pRInfo,
                                           cx,
                                           cy,
                                           m_bDrawComposited,
                                           pManager && pManager->m_nDrawReverted == 1,
                                           TargetBitsPixel(hDC)};
    HBITMAP hMask = CZMRSilhouetteCache::Find(key);
    if (!hMask)
    {
        hMask = MakeSilhouetteMask(pDC, this, handle, cx, cy);
        if (!hMask)
            return;
        CZMRSilhouetteCache::Add(key, hMask);
    }

    // Where the shape's bit is 0 the brush goes down, elsewhere the target
    // stays: the blit the system's monochrome state drawing ends with. The
    // shape's bits meet the target as black and white, whatever colours the
    // target has for text.
    HDC hMaskDC = SilhouetteDC();
    if (!hMaskDC)
        return;
    HGDIOBJ hOldMask = ::SelectObject(hMaskDC, hMask);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(DC_BRUSH));
    const COLORREF clrOldBrush = ::SetDCBrushColor(hDC, clr);
    const COLORREF clrOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    const COLORREF clrOldBack = ::SetBkColor(hDC, RGB(255, 255, 255));
    ::BitBlt(hDC, pt.x, pt.y, cx, cy, hMaskDC, 0, 0, 0x00B8074A);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);
    ::SetDCBrushColor(hDC, clrOldBrush);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hMaskDC, hOldMask);
}

// ---------------------------------------------------------------- handle

void CZMRIconHandle::Draw(CDC* pDC, int x, int y, int cx, int cy, BOOL bComposited)
{
    if (IsEmpty() || !pDC)
        return;
    if (m_pRInfo)
    {
        m_pRInfo->pResource->DrawImage(pDC, m_pRInfo, x, y, cx, cy, bComposited);
        return;
    }
    if (m_hBitmap)
    {
        if (!PremultiplyAlpha())
            return;
        // Drawn partly above the target: only the rows that show.
        if (y < 0 && cy == m_nHeight)
        {
            if (y + cy <= 0)
                return;
            AlphaBlendBitmap(pDC, m_hBitmap, x, 0, cx, y + cy, 0, -y, m_nWidth, y + cy);
        }
        else
        {
            AlphaBlendBitmap(pDC, m_hBitmap, x, y, cx, cy, 0, 0, m_nWidth, m_nHeight);
        }
        return;
    }
    if (m_hIcon)
    {
        CZMRImageManager* pManager = m_pImageManager ? m_pImageManager : GetImageManager();
        if (pManager->IsRTLDrawing(pDC))
        {
            x += cx;
            cx = -cx;
        }
        if (bComposited)
            DrawIconComposited(pDC, x, y, cx, cy, m_hIcon);
        else
            ::DrawIconEx(pDC->GetSafeHdc(), x, y, m_hIcon, cx, cy, 0, nullptr, DI_NORMAL);
    }
}

void DrawIconComposited(CDC* pDC, int x, int y, int cx, int cy, HICON hIcon)
{
    const CRect rcTarget = cx < 0 ? CRect(x + cx, y, x, y + cy) : CRect(x, y, x + cx, y + cy);
    CArgbBuffer buffer(pDC->GetSafeHdc(), rcTarget.Width(), rcTarget.Height());
    if (!buffer.IsValid())
        return;
    DWORD* pPixels = buffer.Pixels();
    for (size_t i = 0; i < buffer.Count(); i++)
        pPixels[i] = dwMagenta;
    // A blit of negative width covers the columns from its x down to x + cx + 1,
    // so a mirrored icon starts one column left of the buffer's right edge.
    ::DrawIconEx(buffer.GetDC(), cx < 0 ? -cx - 1 : 0, 0, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    // What the icon left magenta is transparent; everything else opaque.
    for (size_t i = 0; i < buffer.Count(); i++)
        pPixels[i] = pPixels[i] == dwMagenta ? 0 : (pPixels[i] | 0xFF000000);
    GetImageManager()->AlphaBlend(pDC->GetSafeHdc(), rcTarget, buffer.GetDC(),
                                  CRect(0, 0, rcTarget.Width(), rcTarget.Height()));
}

// ---------------------------------------------------------------- strip

void CZMRImageManagerResource::DrawImage(CDC* pDC, ZMR_IMAGERESOURCE_INFO* pRInfo, int x, int y, int cx, int cy,
                                         BOOL bComposited)
{
    if (!pDC || !pRInfo)
        return;
    CZMRLockGuard lock(&m_cs);
    const CRect& rcSlot = pRInfo->rc;
    HDC hdcDest = pDC->GetSafeHdc();
    if (pRInfo->bAlpha)
    {
        m_dc.Select(m_hbmStrip);
        GetImageManager()->AlphaBlend(hdcDest, CRect(x, y, x + cx, y + cy), m_dc.GetSafeHdc(),
                                      CRect(rcSlot.left, rcSlot.top, rcSlot.left + m_nWidth, rcSlot.top + m_nHeight));
        m_dc.Select(nullptr);
    }
    else if (bComposited)
    {
        DrawComposited(pDC, pRInfo, x, y, cx, cy);
    }
    else
    {
        if (m_pImageManager && m_pImageManager->IsRTLDrawing(pDC))
        {
            x += cx;
            cx = -cx;
        }
        HDC hStripDC = m_dc.GetSafeHdc();
        m_dc.Select(m_hbmMask);
        ::SetTextColor(hStripDC, RGB(0, 0, 0));
        ::SetBkColor(hStripDC, RGB(255, 255, 255));
        const COLORREF clrOldText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
        const COLORREF clrOldBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
        ::StretchBlt(hdcDest, x, y, cx, cy, hStripDC, rcSlot.left, 0, m_nWidth, m_nHeight, SRCAND);
        ::SetTextColor(hdcDest, clrOldText);
        ::SetBkColor(hdcDest, clrOldBk);
        m_dc.Select(nullptr);
        m_dc.Select(m_hbmStrip);
        ::StretchBlt(hdcDest, x, y, cx, cy, hStripDC, rcSlot.left, 0, m_nWidth, m_nHeight, SRCINVERT);
        m_dc.Select(nullptr);
    }
}

void CZMRImageManagerResource::DrawComposited(CDC* pDC, ZMR_IMAGERESOURCE_INFO* pRInfo, int x, int y, int cx,
                                              int cy)
{
    CArgbBuffer buffer(pDC->GetSafeHdc(), cx, cy);
    if (!buffer.IsValid())
        return;
    HDC hBufferDC = buffer.GetDC();
    ::SetBkColor(hBufferDC, RGB(255, 255, 255));
    ::SetTextColor(hBufferDC, RGB(0, 0, 0));
    HDC hStripDC = m_dc.GetSafeHdc();
    const CRect& rcSlot = pRInfo->rc;

    m_dc.Select(m_hbmMask);
    ::StretchBlt(hBufferDC, 0, 0, cx, cy, hStripDC, rcSlot.left, 0, m_nWidth, m_nHeight, SRCCOPY);
    m_dc.Select(nullptr);
    ::GdiFlush();
    // Opaque in the mask is black: those pixels get full alpha, the rest none.
    DWORD* pPixels = buffer.Pixels();
    for (size_t i = 0; i < buffer.Count(); i++)
        pPixels[i] = (pPixels[i] & 0x00FFFFFF) == 0 ? 0xFF000000 : 0;

    m_dc.Select(m_hbmStrip);
    ::StretchBlt(hBufferDC, 0, 0, cx, cy, hStripDC, rcSlot.left, 0, m_nWidth, m_nHeight, SRCINVERT);
    m_dc.Select(nullptr);
    ::GdiFlush();
    GetImageManager()->AlphaBlend(pDC->GetSafeHdc(), CRect(x, y, x + cx, y + cy), hBufferDC, CRect(0, 0, cx, cy));
}
