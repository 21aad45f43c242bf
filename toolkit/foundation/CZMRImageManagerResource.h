// A shared strip: one wide 32-bit colour bitmap and one monochrome mask per
// image size, one slot per picture.
#pragma once

#include "CZMRIconHandle.h"

class CZMRImageManagerResource
{
public:
    // A memory DC compatible with the screen that remembers the bitmap the
    // last selection replaced; selecting null puts that bitmap back.
    class CBitmapDC
    {
    public:
        CBitmapDC();
        ~CBitmapDC();
        HDC GetSafeHdc() const { return m_hDC; }
        void Select(HBITMAP hBitmap);

    private:
        HDC m_hDC;
        HGDIOBJ m_hOldBitmap;
    };

    CZMRImageManagerResource(CZMRImageManager* pImageManager, int nWidth, int nHeight);
    ~CZMRImageManagerResource();

    ZMR_IMAGERESOURCE_INFO* AddImage(const CZMRIconHandle& handle);
    void FreeImage(ZMR_IMAGERESOURCE_INFO* pRInfo);
    void ExtractImage(CZMRIconHandle& target, ZMR_IMAGERESOURCE_INFO* pRInfo);
    CSize GetExtent() const { return CSize(m_nWidth, m_nHeight); }

    // Draws a slot stretched to the rectangle; the composited form goes
    // through a 32-bit buffer.
    void DrawImage(CDC* pDC, ZMR_IMAGERESOURCE_INFO* pRInfo, int x, int y, int cx, int cy, BOOL bComposited);
    void DrawComposited(CDC* pDC, ZMR_IMAGERESOURCE_INFO* pRInfo, int x, int y, int cx, int cy);

    // What the strip holds, for drawing and inspection.
    HBITMAP GetColorStrip() const { return m_hbmStrip; }
    HBITMAP GetMaskStrip() const { return m_hbmMask; }
    int GetUsedWidth() const { return m_nUsedWidth; }
    int GetUsedCount() const { return static_cast<int>(m_arrUsed.GetSize()); }
    int GetFreeCount() const { return static_cast<int>(m_arrFree.GetSize()); }

protected:
    // A slot: a free one, or a new one at the strip's end; null when none
    // can be made (memory running out included), the strip unchanged.
    ZMR_IMAGERESOURCE_INFO* AllocImage();
    ZMR_IMAGERESOURCE_INFO* AllocSlot();
    void Clear();
    void CopyRowsIn(const BYTE* pBits, const CRect& rc);

    HBITMAP m_hbmStrip;
    HBITMAP m_hbmMask;
    CBitmapDC m_dc;
    LPBYTE m_pBits;
    CZMRImageManager* m_pImageManager;
    int m_nWidth;
    int m_nHeight;
    int m_nUsedWidth;
    CArray<ZMR_IMAGERESOURCE_INFO*, ZMR_IMAGERESOURCE_INFO*> m_arrUsed;
    CArray<ZMR_IMAGERESOURCE_INFO*, ZMR_IMAGERESOURCE_INFO*> m_arrFree;
    CRITICAL_SECTION m_cs;
};
