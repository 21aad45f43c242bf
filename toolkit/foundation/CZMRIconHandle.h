// One picture of the image manager: a system icon, a 32-bit bitmap with
// alpha, or a slot of a shared strip.
#pragma once

#include "Framework.h"

class CZMRImageManager;
class CZMRImageManagerResource;

// A slot of a shared strip: where the picture lies and whether its pixels
// are premultiplied 32-bit (alpha) or a colour image with a mask.
struct ZMR_IMAGERESOURCE_INFO
{
    BOOL bAlpha;
    CRect rc;
    CZMRImageManagerResource* pResource;
};

struct CZMRIconHandle
{
    HICON m_hIcon;
    HBITMAP m_hBitmap;
    LPBYTE m_pBits;
    BOOL m_bOwns;
    CZMRImageManager* m_pImageManager;
    ZMR_IMAGERESOURCE_INFO* m_pRInfo;
    int m_nWidth;
    int m_nHeight;
    BOOL m_bSharable;

    CZMRIconHandle();
    CZMRIconHandle(const CZMRIconHandle&) = delete;
    CZMRIconHandle& operator=(const CZMRIconHandle&) = delete;
    ~CZMRIconHandle();

    void Clear();
    // Keep an icon or bitmap without owning it.
    void SetIcon(HICON hIcon, BOOL bSharable = TRUE);
    void SetBitmap(HBITMAP hBitmap);
    // Keep an icon or bitmap and destroy it when cleared.
    void TakeIcon(HICON hIcon);
    void TakeBitmap(HBITMAP hBitmap);
    void CopyHandle(const CZMRIconHandle& src);

    CSize QueryExtent() const;
    CSize GetExtent() const { return CSize(m_nWidth, m_nHeight); }
    BOOL IsEmpty() const;
    BOOL IsAlpha() const;
    HICON GetIcon() const { return m_hIcon; }
    HBITMAP GetBitmap() const { return m_hBitmap; }

    // The premultiplied pixels of the bitmap form, made on first request.
    LPBYTE PremultiplyAlpha();
    // Draws the picture in whichever form it is held.
    void Draw(CDC* pDC, int x, int y, int cx, int cy, BOOL bComposited);

    BOOL LoadIconResource(HMODULE hModule, LPCWSTR lpszName, int nWidth, int nHeight, BOOL bGroup);
    BOOL LoadIconResourceFromModule(LPCWSTR lpszName, int nWidth, int nHeight, BOOL bGroup);
};

CSize GetIconSize(HICON hIcon);
HICON ScaleIcon(HICON hIcon, int nWidth, int nHeight, int nNewWidth);

// 32-bit pixel routines shared by the image code.
HBITMAP CreateArgbDibSection(HDC hDC, int nWidth, int nHeight, LPBYTE* ppBits);
BOOL ReadDib32(CDC* pDC, HBITMAP hBitmap, PBITMAPINFO* ppInfo, LPBYTE* ppBits, UINT* pnSize);
HBITMAP CopyDib32(HBITMAP hBitmap, LPBYTE* ppBits);
// Premultiplies a copy; *pnAlpha (set to -1 by the caller) becomes 1 when a
// pixel with non-zero alpha is met.
HBITMAP PremultiplyBitmap(HBITMAP hBitmap, int* pnAlpha, LPBYTE* ppBits);
// The header (with room for its colour table) and the pixels of any bitmap,
// in new malloc buffers that the caller frees.
BOOL ReadDibBits(HBITMAP hBitmap, LPBYTE* ppBits, UINT* pnBitsSize, PBITMAPINFO* ppInfo, UINT* pnInfoSize);
