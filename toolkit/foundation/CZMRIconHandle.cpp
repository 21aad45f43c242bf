#include "CZMRIconHandle.h"
#include "CZMRImageManager.h"

#include <commctrl.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>

HBITMAP CreateArgbDibSection(HDC hDC, int nWidth, int nHeight, LPBYTE* ppBits)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;

    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (ppBits)
        *ppBits = hBitmap ? static_cast<LPBYTE>(pBits) : nullptr;
    return hBitmap;
}

BOOL ReadDib32(CDC* pDC, HBITMAP hBitmap, PBITMAPINFO* ppInfo, LPBYTE* ppBits, UINT* pnSize)
{
    *ppInfo = nullptr;
    *ppBits = nullptr;
    if (!hBitmap)
        return FALSE;

    HDC hDC = pDC ? pDC->GetSafeHdc() : nullptr;
    HDC hScreen = nullptr;
    if (!hDC)
        hDC = hScreen = ::GetDC(nullptr);

    BOOL bResult = FALSE;
    // 40 bytes of header and room for the three bit-field masks GetDIBits may add.
    PBITMAPINFO pInfo = static_cast<PBITMAPINFO>(calloc(1, sizeof(BITMAPINFOHEADER) + 12));
    LPBYTE pBits = nullptr;
    if (pInfo)
    {
        pInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        if (::GetDIBits(hDC, hBitmap, 0, 0, nullptr, pInfo, DIB_RGB_COLORS)
            && pInfo->bmiHeader.biBitCount == 32 && pInfo->bmiHeader.biWidth > 0
            && pInfo->bmiHeader.biHeight != 0)
        {
            LONG nHeight = pInfo->bmiHeader.biHeight < 0 ? -pInfo->bmiHeader.biHeight : pInfo->bmiHeader.biHeight;
            uint64_t nSize = static_cast<uint64_t>(pInfo->bmiHeader.biWidth) * nHeight * 4;
            if (nSize <= 0x7FFFFFFF)
            {
                pInfo->bmiHeader.biHeight = nHeight; // rows bottom-up, as the toolkit keeps them
                pInfo->bmiHeader.biCompression = BI_RGB;
                pInfo->bmiHeader.biSizeImage = static_cast<DWORD>(nSize);
                pBits = static_cast<LPBYTE>(malloc(static_cast<size_t>(nSize)));
                if (pBits && ::GetDIBits(hDC, hBitmap, 0, nHeight, pBits, pInfo, DIB_RGB_COLORS) == nHeight)
                {
                    if (pnSize)
                        *pnSize = static_cast<UINT>(nSize);
                    bResult = TRUE;
                }
            }
        }
    }
    if (hScreen)
        ::ReleaseDC(nullptr, hScreen);
    if (!bResult)
    {
        free(pBits);
        free(pInfo);
        return FALSE;
    }
    *ppInfo = pInfo;
    *ppBits = pBits;
    return TRUE;
}

HBITMAP CopyDib32(HBITMAP hBitmap, LPBYTE* ppBits)
{
    PBITMAPINFO pInfo = nullptr;
    LPBYTE pSrc = nullptr;
    UINT nSize = 0;
    if (!ReadDib32(nullptr, hBitmap, &pInfo, &pSrc, &nSize))
        return nullptr;

    LPBYTE pDest = nullptr;
    HBITMAP hCopy = ::CreateDIBSection(nullptr, pInfo, DIB_RGB_COLORS, reinterpret_cast<void**>(&pDest), nullptr, 0);
    if (hCopy && pDest)
        memcpy(pDest, pSrc, nSize);
    free(pSrc);
    free(pInfo);
    if (ppBits)
        *ppBits = hCopy ? pDest : nullptr;
    return hCopy;
}

HBITMAP PremultiplyBitmap(HBITMAP hBitmap, int* pnAlpha, LPBYTE* ppBits)
{
    LPBYTE pBits = nullptr;
    HBITMAP hCopy = CopyDib32(hBitmap, &pBits);
    if (!hCopy)
        return nullptr;

    BITMAP bm;
    ::GetObject(hCopy, sizeof(bm), &bm);
    const size_t nPixels = static_cast<size_t>(bm.bmWidth) * bm.bmHeight;
    for (size_t i = 0; i < nPixels; i++)
    {
        LPBYTE p = pBits + i * 4;
        const int nAlpha = p[3];
        if (nAlpha && pnAlpha)
            *pnAlpha = 1;
        p[0] = static_cast<BYTE>(p[0] * nAlpha / 255);
        p[1] = static_cast<BYTE>(p[1] * nAlpha / 255);
        p[2] = static_cast<BYTE>(p[2] * nAlpha / 255);
    }
    if (ppBits)
        *ppBits = pBits;
    return hCopy;
}

CSize GetIconSize(HICON hIcon)
{
    ICONINFO info;
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);

    CSize sz(0, 0);
    BITMAP bm;
    if (info.hbmMask && ::GetObject(info.hbmMask, sizeof(bm), &bm))
    {
        sz.cx = bm.bmWidth;
        // A monochrome icon keeps its image and its mask in the mask bitmap.
        sz.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    }
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return sz;
}

HICON ScaleIcon(HICON hIcon, int nWidth, int nHeight, int nNewWidth)
{
    // A width of 0 cannot be scaled from: there is no ratio to keep.
    if (nNewWidth == 0 || nWidth == 0)
        return nullptr;
    if (nNewWidth == nWidth)
        return ::CopyIcon(hIcon);

    int nNewHeight = ::MulDiv(nHeight, nNewWidth, nWidth);
    HIMAGELIST hList = ::ImageList_Create(nNewWidth, nNewHeight, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (!hList)
        return nullptr;
    HICON hResult = nullptr;
    if (::ImageList_ReplaceIcon(hList, -1, hIcon) >= 0)
        hResult = AfxImageListGetIcon(hList, 0, 0);
    ::ImageList_Destroy(hList);
    return hResult;
}

CZMRIconHandle::CZMRIconHandle()
    : m_hIcon(nullptr), m_hBitmap(nullptr), m_pBits(nullptr), m_bOwns(FALSE), m_pImageManager(nullptr),
      m_pRInfo(nullptr), m_nWidth(0), m_nHeight(0), m_bSharable(TRUE)
{
}

CZMRIconHandle::~CZMRIconHandle()
{
    Clear();
}

void CZMRIconHandle::Clear()
{
    if (m_bOwns)
    {
        if (m_hIcon)
            ::DestroyIcon(m_hIcon);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
        if (m_pRInfo)
            m_pRInfo->pResource->FreeImage(m_pRInfo);
    }
    m_hIcon = nullptr;
    m_hBitmap = nullptr;
    m_pBits = nullptr;
    m_pRInfo = nullptr;
    m_bOwns = FALSE;
}

void CZMRIconHandle::SetIcon(HICON hIcon, BOOL bSharable)
{
    // An owned picture is destroyed before the fields are reset, so it is
    // not lost with them.
    Clear();
    m_pImageManager = nullptr;
    m_bSharable = bSharable;
    m_hIcon = hIcon;
    CSize sz = QueryExtent();
    m_nWidth = sz.cx;
    m_nHeight = sz.cy;
}

void CZMRIconHandle::SetBitmap(HBITMAP hBitmap)
{
    Clear();
    m_pImageManager = nullptr;
    m_bSharable = TRUE;
    m_hBitmap = hBitmap;
    CSize sz = QueryExtent();
    m_nWidth = sz.cx;
    m_nHeight = sz.cy;
}

void CZMRIconHandle::TakeIcon(HICON hIcon)
{
    Clear();
    m_hIcon = hIcon;
    m_bOwns = TRUE;
    CSize sz = QueryExtent();
    m_nWidth = sz.cx;
    m_nHeight = sz.cy;
}

void CZMRIconHandle::TakeBitmap(HBITMAP hBitmap)
{
    Clear();
    m_hBitmap = hBitmap;
    m_bOwns = TRUE;
    CSize sz = QueryExtent();
    m_nWidth = sz.cx;
    m_nHeight = sz.cy;
}

CSize CZMRIconHandle::QueryExtent() const
{
    if (m_pRInfo)
        return m_pRInfo->pResource->GetExtent();
    if (m_hIcon)
        return GetIconSize(m_hIcon);
    if (m_hBitmap)
    {
        BITMAP bm;
        if (::GetObject(m_hBitmap, sizeof(bm), &bm))
            return CSize(bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight);
    }
    return CSize(0, 0);
}

BOOL CZMRIconHandle::IsEmpty() const
{
    if (!m_hIcon && !m_hBitmap && !m_pRInfo)
        return TRUE;
    return m_nWidth == 0 && m_nHeight == 0;
}

BOOL CZMRIconHandle::IsAlpha() const
{
    return m_hBitmap != nullptr || (m_pRInfo && m_pRInfo->bAlpha);
}

LPBYTE CZMRIconHandle::PremultiplyAlpha()
{
    if (m_pBits)
        return m_pBits;
    if (!m_hBitmap)
        return nullptr;
    LPBYTE pBits = nullptr;
    HBITMAP hPremultiplied = PremultiplyBitmap(m_hBitmap, nullptr, &pBits);
    if (!hPremultiplied)
        return nullptr;
    TakeBitmap(hPremultiplied);
    m_pBits = pBits;
    return m_pBits;
}

void CZMRIconHandle::CopyHandle(const CZMRIconHandle& src)
{
    Clear();

    if (m_pImageManager && !src.IsEmpty() && m_pImageManager->m_bUseResources && src.m_bSharable)
    {
        CZMRImageManagerResource* pResource = m_pImageManager->GetResource(src.m_nWidth, src.m_nHeight);
        if (pResource)
        {
            if (!src.m_pRInfo)
            {
                m_pRInfo = pResource->AddImage(src);
            }
            else
            {
                CZMRIconHandle temp;
                temp.CopyHandle(src);
                m_pRInfo = pResource->AddImage(temp);
            }
        }
    }
    else if (src.m_hIcon)
    {
        m_hIcon = ::CopyIcon(src.m_hIcon);
    }
    else if (src.m_hBitmap)
    {
        LPBYTE pBits = nullptr;
        m_hBitmap = CopyDib32(src.m_hBitmap, &pBits);
        if (m_hBitmap && src.m_pBits)
            m_pBits = pBits;
    }
    else if (src.m_pRInfo)
    {
        src.m_pRInfo->pResource->ExtractImage(*this, src.m_pRInfo);
    }

    m_bSharable = src.m_bSharable;
    m_nWidth = src.m_nWidth;
    m_nHeight = src.m_nHeight;
    m_bOwns = TRUE;
}
