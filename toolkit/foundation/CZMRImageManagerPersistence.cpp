// Saving and loading the image manager's icons through property exchange:
// the whole store or one icon set, each icon with its pictures as
// device-independent bitmaps.
#include "CZMRImageManager.h"
#include "CZMREnumeratorScope.h"
#include "CZMRPropExchangeArchive.h"
#include "CZMRSectionScope.h"

#include <commctrl.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{
const LPCTSTR lpszCheckSum = L"CZMRImageManagerIcons";

// The largest picture side a stored icon may have: icons are kept in shared
// strips of one size each, and no icon of a bar, tab or ribbon comes near
// it. Anything larger is damaged data, not a picture to make.
const int nMaxStoredExtent = 256;

// A header with room for the largest colour table and the bit-field masks.
const size_t nHeaderRoom = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD) + 3 * sizeof(DWORD);

struct CFreeDeleter
{
    void operator()(void* p) const { free(p); }
};
typedef std::unique_ptr<BYTE, CFreeDeleter> CMallocBytes;

// Bytes of pixel rows of a header's size, or 0 when they would not fit 31 bits.
size_t DibImageSize(const BITMAPINFOHEADER& bih)
{
    const int64_t nHeight = bih.biHeight < 0 ? -static_cast<int64_t>(bih.biHeight) : bih.biHeight;
    const int64_t nStride = ((static_cast<int64_t>(bih.biWidth) * bih.biBitCount + 31) / 32) * 4;
    const int64_t nSize = nStride * nHeight;
    return nSize > 0 && nSize <= 0x7FFFFFFF ? static_cast<size_t>(nSize) : 0;
}

// A stored header that GDI may read: a plain 40-byte header of a size and
// format that a DIB section can have, copied into a buffer with room for
// any colour table it names (entries not stored read as black). Null for
// anything else.
BITMAPINFO* CheckedHeader(const BYTE* pHeader, DWORD nHeader)
{
    if (nHeader < sizeof(BITMAPINFOHEADER))
        return nullptr;
    BITMAPINFOHEADER bih;
    memcpy(&bih, pHeader, sizeof(bih));
    if (bih.biSize != sizeof(BITMAPINFOHEADER) || bih.biWidth <= 0 || bih.biHeight == 0
        || bih.biHeight == INT32_MIN || bih.biPlanes != 1)
        return nullptr;
    if (bih.biWidth > nMaxStoredExtent || bih.biHeight > nMaxStoredExtent || bih.biHeight < -nMaxStoredExtent)
        return nullptr;
    switch (bih.biBitCount)
    {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return nullptr;
    }
    const bool bBitFields = bih.biCompression == BI_BITFIELDS && (bih.biBitCount == 16 || bih.biBitCount == 32);
    if (bih.biCompression != BI_RGB && !bBitFields)
        return nullptr;
    if (bih.biClrUsed > 256 || DibImageSize(bih) == 0)
        return nullptr;

    BITMAPINFO* pInfo = static_cast<BITMAPINFO*>(calloc(1, nHeaderRoom));
    if (pInfo)
        memcpy(pInfo, pHeader, nHeader < nHeaderRoom ? nHeader : nHeaderRoom);
    return pInfo;
}

// Reads exactly nCount bytes into a new buffer; the end of the data first
// raises the archive exception.
CMallocBytes ReadRecordBytes(CArchive& ar, DWORD nCount)
{
    DWORD nRead = 0;
    CMallocBytes pBytes(CZMRPropExchangeArchive::ReadNewBuffer(ar, nCount, &nRead));
    if (nRead < nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    return pBytes;
}

// A monochrome icon keeps its mask (top half) and its image (bottom half)
// in one bitmap; the two halves come out as bitmaps of their own.
BOOL SplitMonochromeMask(HBITMAP hMask, HBITMAP* phImage, HBITMAP* phAnd)
{
    *phImage = *phAnd = nullptr;
    BITMAP bm;
    if (!::GetObject(hMask, sizeof(bm), &bm) || bm.bmHeight < 2)
        return FALSE;
    const int cx = bm.bmWidth;
    const int cy = bm.bmHeight / 2;
    *phImage = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    *phAnd = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hSrc = ::CreateCompatibleDC(nullptr);
    HDC hDest = ::CreateCompatibleDC(nullptr);
    BOOL bResult = *phImage && *phAnd && hSrc && hDest;
    if (bResult)
    {
        HGDIOBJ hOldSrc = ::SelectObject(hSrc, hMask);
        HGDIOBJ hOldDest = ::SelectObject(hDest, *phAnd);
        bResult = ::BitBlt(hDest, 0, 0, cx, cy, hSrc, 0, 0, SRCCOPY);
        ::SelectObject(hDest, *phImage);
        bResult = bResult && ::BitBlt(hDest, 0, 0, cx, cy, hSrc, 0, cy, SRCCOPY);
        ::SelectObject(hSrc, hOldSrc);
        ::SelectObject(hDest, hOldDest);
    }
    if (hSrc)
        ::DeleteDC(hSrc);
    if (hDest)
        ::DeleteDC(hDest);
    if (!bResult)
    {
        if (*phImage)
            ::DeleteObject(*phImage);
        if (*phAnd)
            ::DeleteObject(*phAnd);
        *phImage = *phAnd = nullptr;
    }
    return bResult;
}
} // namespace

// ---------------------------------------------------------------- manager

void CZMRImageManager::Serialize(CArchive& ar)
{
    CZMRPropExchangeArchive px(ar);
    DoPropExchange(&px);
}

void CZMRImageManager::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMREnumeratorScope sets(pPX->GetEnumerator(L"IconSet"));
    POSITION pos = sets->GetPosition(static_cast<DWORD>(m_mapImages.GetCount()), TRUE);
    if (pPX->IsLoading())
    {
        RemoveAll();
        while (pos)
        {
            CZMRSectionScope section(sets->GetNext(pos));
            int nID = 0;
            PropExchangeIntNoDefault(section, L"Id", &nID);
            DoPropExchangeIconSet(static_cast<UINT>(nID), section);
        }
        return;
    }

    POSITION posSet = m_mapImages.GetStartPosition();
    while (pos && posSet)
    {
        UINT nCommand;
        CZMRImageManagerIconSet* pIconSet;
        m_mapImages.GetNextAssoc(posSet, nCommand, pIconSet);
        CZMRSectionScope section(sets->GetNext(pos));
        int nID = static_cast<int>(nCommand);
        PropExchangeIntNoDefault(section, L"Id", &nID);
        DoPropExchangeIconSet(nCommand, section);
    }
}

void CZMRImageManager::DoPropExchangeIconSet(UINT nCommand, CZMRPropExchange* pPX)
{
    if (nCommand > m_nCustomID)
        m_nCustomID = nCommand;

    CString strCheckSum(lpszCheckSum);
    PropExchangeString(pPX, L"CheckSum", &strCheckSum, lpszCheckSum);
    if (pPX->IsLoading() && strCheckSum != lpszCheckSum)
        AfxThrowArchiveException(CArchiveException::badClass);

    CZMRImageManagerIconSet* pIconSet = GetIconSet(nCommand);
    CZMREnumeratorScope icons(pPX->GetEnumerator(L"Icon"));
    if (pPX->IsLoading())
    {
        if (pIconSet)
        {
            pIconSet->RemoveAll();
        }
        else
        {
            pIconSet = new CZMRImageManagerIconSet(nCommand, this);
            try
            {
                m_mapImages.SetAt(nCommand, pIconSet);
            }
            catch (...)
            {
                pIconSet->InternalRelease();
                throw;
            }
        }
        POSITION pos = icons->GetPosition(0, TRUE);
        while (pos)
        {
            CZMRSectionScope section(icons->GetNext(pos));
            int nWidth = 16;
            PropExchangeIntNoDefault(section, L"Width", &nWidth);
            CZMRImageManagerIcon* pIcon = new CZMRImageManagerIcon(nCommand, nWidth, 15, pIconSet);
            try
            {
                PropExchangeSerialize(section, L"Data", pIcon);
                pIconSet->SetIconAt(static_cast<UINT>(nWidth), pIcon);
            }
            catch (...)
            {
                pIcon->InternalRelease();
                throw;
            }
        }
        return;
    }

    if (!pIconSet)
    {
        icons->GetPosition(0, TRUE);
        return;
    }
    CMap<UINT, UINT, CZMRImageManagerIcon*, CZMRImageManagerIcon*>& mapIcons = pIconSet->GetIcons();
    POSITION pos = icons->GetPosition(static_cast<DWORD>(mapIcons.GetCount()), TRUE);
    POSITION posIcon = mapIcons.GetStartPosition();
    while (pos && posIcon)
    {
        UINT nWidth;
        CZMRImageManagerIcon* pIcon;
        mapIcons.GetNextAssoc(posIcon, nWidth, pIcon);
        CZMRSectionScope section(icons->GetNext(pos));
        int nKey = static_cast<int>(nWidth);
        PropExchangeIntNoDefault(section, L"Width", &nKey);
        PropExchangeSerialize(section, L"Data", pIcon);
    }
}

// ---------------------------------------------------------------- icon

void CZMRImageManagerIcon::Serialize(CArchive& ar)
{
    int nSchema = ZMR_PX_SCHEMA_CURRENT;
    if (ar.IsStoring())
    {
        ar << static_cast<LONG>(m_nHeight) << static_cast<LONG>(nSchema);
    }
    else
    {
        LONG nHeight, nStoredSchema;
        ar >> nHeight;
        m_nHeight = nHeight;
        ar >> nStoredSchema;
        nSchema = nStoredSchema;
    }
    SerializeHandle(m_hNormal, ar, nSchema);
    SerializeHandle(m_hDisabled, ar, nSchema);
    SerializeHandle(m_hHot, ar, nSchema);
    if (nSchema > 7)
        SerializeHandle(m_hChecked, ar, nSchema);
    if (nSchema > 16)
        SerializeHandle(m_hPressed, ar, nSchema);
    // A stored height no picture can have is damaged: the normal picture's
    // own height stands for it (0 without one).
    if (ar.IsLoading() && (m_nHeight < 0 || m_nHeight > nMaxStoredExtent))
        m_nHeight = m_hNormal.IsEmpty() ? 0 : m_hNormal.m_nHeight;
}

void CZMRImageManagerIcon::SerializeHandle(CZMRIconHandle& handle, CArchive& ar, int nSchema)
{
    if (ar.IsStoring())
    {
        CZMRIconHandle temp;
        temp.CopyHandle(handle);
        temp.PremultiplyAlpha();
        ICONINFO info;
        if (temp.IsEmpty())
        {
            ar.WriteCount(0);
            ar.WriteCount(0);
        }
        else if (temp.m_hBitmap)
        {
            WriteDib(ar, temp.m_hBitmap);
            ar.WriteCount(0);
        }
        else if (temp.m_hIcon && ::GetIconInfo(temp.m_hIcon, &info))
        {
            HBITMAP hImage = info.hbmColor;
            HBITMAP hAnd = info.hbmMask;
            HBITMAP hSplitImage = nullptr, hSplitAnd = nullptr;
            // Without a colour bitmap both halves are in the mask; stored
            // apart they load back like any other icon.
            if (!hImage && SplitMonochromeMask(info.hbmMask, &hSplitImage, &hSplitAnd))
            {
                hImage = hSplitImage;
                hAnd = hSplitAnd;
            }
            try
            {
                WriteDib(ar, hImage);
                WriteDib(ar, hAnd);
            }
            catch (...)
            {
                for (HBITMAP h : {info.hbmColor, info.hbmMask, hSplitImage, hSplitAnd})
                    if (h)
                        ::DeleteObject(h);
                throw;
            }
            for (HBITMAP h : {info.hbmColor, info.hbmMask, hSplitImage, hSplitAnd})
                if (h)
                    ::DeleteObject(h);
        }
        else
        {
            ar.WriteCount(0);
            ar.WriteCount(0);
        }
        return;
    }

    LPBYTE pBits = nullptr;
    HBITMAP hFirst = ReadDib(ar, &pBits);
    HBITMAP hSecond = nullptr;
    try
    {
        hSecond = ReadDib(ar, nullptr);
    }
    catch (...)
    {
        if (hFirst)
            ::DeleteObject(hFirst);
        throw;
    }

    CZMRIconHandle temp;
    if (hFirst && hSecond)
    {
        BITMAP bm;
        ::GetObject(hFirst, sizeof(bm), &bm);
        HIMAGELIST hList = ::ImageList_Create(bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight,
                                              ILC_COLOR24 | ILC_MASK, 0, 1);
        if (hList)
        {
            if (::ImageList_Add(hList, hFirst, hSecond) >= 0)
            {
                HICON hIcon = AfxImageListGetIcon(hList, 0, 0);
                if (hIcon)
                    temp.TakeIcon(hIcon);
            }
            ::ImageList_Destroy(hList);
        }
        ::DeleteObject(hFirst);
        ::DeleteObject(hSecond);
    }
    else if (hFirst)
    {
        // Only a 32-bit picture can be an alpha picture: its rows are read
        // four bytes a pixel.
        BITMAP bm;
        if (::GetObject(hFirst, sizeof(bm), &bm) && bm.bmBitsPixel == 32)
        {
            temp.TakeBitmap(hFirst);
            if (nSchema > 24)
                temp.m_pBits = pBits;   // stored premultiplied
        }
        else
        {
            ::DeleteObject(hFirst);
        }
    }
    else if (hSecond)
    {
        ::DeleteObject(hSecond);
    }
    handle.CopyHandle(temp);
}

void CZMRImageManagerIcon::WriteDib(CArchive& ar, HBITMAP hBitmap)
{
    LPBYTE pBits = nullptr;
    UINT nBits = 0;
    PBITMAPINFO pInfo = nullptr;
    UINT nInfo = 0;
    if (!ReadDibBits(hBitmap, &pBits, &nBits, &pInfo, &nInfo))
    {
        ar.WriteCount(0);
        return;
    }
    CMallocBytes bits(pBits);
    CMallocBytes info(reinterpret_cast<LPBYTE>(pInfo));
    ar.WriteCount(nInfo);
    ar.Write(pInfo, nInfo);
    ar.WriteCount(nBits);
    ar.Write(pBits, nBits);
}

HBITMAP CZMRImageManagerIcon::ReadDib(CArchive& ar, LPBYTE* ppBits)
{
    if (ppBits)
        *ppBits = nullptr;
    const DWORD nHeader = CZMRPropExchangeArchive::ReadCount32(ar);
    if (nHeader == 0)
        return nullptr;
    CMallocBytes pHeader = ReadRecordBytes(ar, nHeader);
    const DWORD nPixels = CZMRPropExchangeArchive::ReadCount32(ar);
    CMallocBytes pPixels = ReadRecordBytes(ar, nPixels);
    if (nPixels == 0)
        return nullptr;

    // The whole record is read whatever it holds, so the records after it
    // stay in step; a header that GDI should not read gives no bitmap.
    CMallocBytes info(reinterpret_cast<LPBYTE>(CheckedHeader(pHeader.get(), nHeader)));
    if (!info)
        return nullptr;
    BITMAPINFO* pInfo = reinterpret_cast<BITMAPINFO*>(info.get());
    if (pInfo->bmiHeader.biSizeImage == 0)
        pInfo->bmiHeader.biSizeImage = nPixels;

    HDC hDC = ::CreateCompatibleDC(nullptr);
    void* pDest = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, pInfo, DIB_RGB_COLORS, &pDest, nullptr, 0);
    if (hDC)
        ::DeleteDC(hDC);
    if (hBitmap && pDest)
    {
        // No more than the section holds, whatever the header's image size says.
        size_t nCopy = nPixels;
        if (pInfo->bmiHeader.biSizeImage < nCopy)
            nCopy = pInfo->bmiHeader.biSizeImage;
        const size_t nSection = DibImageSize(pInfo->bmiHeader);
        if (nSection < nCopy)
            nCopy = nSection;
        memcpy(pDest, pPixels.get(), nCopy);
        if (ppBits)
            *ppBits = static_cast<LPBYTE>(pDest);
    }
    return hBitmap;
}

BOOL ReadDibBits(HBITMAP hBitmap, LPBYTE* ppBits, UINT* pnBitsSize, PBITMAPINFO* ppInfo, UINT* pnInfoSize)
{
    *ppBits = nullptr;
    *ppInfo = nullptr;
    *pnBitsSize = *pnInfoSize = 0;
    if (!hBitmap)
        return FALSE;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    if (!hDC)
        return FALSE;

    BOOL bResult = FALSE;
    CMallocBytes query(static_cast<LPBYTE>(calloc(1, nHeaderRoom)));
    BITMAPINFO* pQuery = reinterpret_cast<BITMAPINFO*>(query.get());
    if (pQuery)
    {
        pQuery->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        if (::GetDIBits(hDC, hBitmap, 0, 0, nullptr, pQuery, DIB_RGB_COLORS) && pQuery->bmiHeader.biWidth > 0)
        {
            const BITMAPINFOHEADER& bih = pQuery->bmiHeader;
            const LONG nHeight = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
            const uint64_t nPixels = bih.biSizeImage ? bih.biSizeImage
                                                     : static_cast<uint64_t>(bih.biWidth) * nHeight * 4;
            const UINT nTable = bih.biBitCount == 4 ? 16 : bih.biBitCount == 8 ? 256 : 3;
            const UINT nInfo = static_cast<UINT>(sizeof(BITMAPINFOHEADER) + nTable * sizeof(RGBQUAD));
            // Room for whole rows even when the stated image size falls short.
            const size_t nRows = DibImageSize(bih);
            if (nPixels > 0 && nPixels <= 0x7FFFFFFF && nRows > 0)
            {
                CMallocBytes pInfo(static_cast<LPBYTE>(calloc(1, nInfo)));
                const size_t nAlloc = nRows > nPixels ? nRows : static_cast<size_t>(nPixels);
                CMallocBytes pBits(static_cast<LPBYTE>(calloc(1, nAlloc)));
                if (pInfo && pBits)
                {
                    memcpy(pInfo.get(), &bih, sizeof(BITMAPINFOHEADER));
                    if (::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(nHeight), pBits.get(),
                                    reinterpret_cast<BITMAPINFO*>(pInfo.get()), DIB_RGB_COLORS))
                    {
                        *ppBits = pBits.release();
                        *ppInfo = reinterpret_cast<PBITMAPINFO>(pInfo.release());
                        *pnBitsSize = static_cast<UINT>(nPixels);
                        *pnInfoSize = nInfo;
                        bResult = TRUE;
                    }
                }
            }
        }
    }
    ::DeleteDC(hDC);
    return bResult;
}
