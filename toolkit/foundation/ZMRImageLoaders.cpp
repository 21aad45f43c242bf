#include "ZMRImageLoaders.h"
#include "CZMRGraphicBitmapPng.h"
#include "window/CToolBarResource.h"

#include <cstdint>
#include <cstring>

namespace
{
const BYTE kPngStart[4] = {0x89, 'P', 'N', 'G'};

// A resource's bytes, or null when it cannot be found, loaded or locked.
const BYTE* LockResourceData(HMODULE hModule, LPCWSTR lpszName, LPCWSTR lpszType, DWORD* pnSize,
                             HRSRC* phResource = nullptr)
{
    HRSRC hResource = ::FindResourceW(hModule, lpszName, lpszType);
    if (phResource)
        *phResource = hResource;
    if (!hResource)
        return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    const BYTE* pData = hGlobal ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    *pnSize = pData ? ::SizeofResource(hModule, hResource) : 0;
    return pData;
}

// Makes a DIB section from a 40-byte header with the given colour height,
// copying width x height x 4 bytes that follow the header. The size is
// checked against the resource before anything is read.
HBITMAP DibFromResourceHeader(const BYTE* pData, DWORD nSize, LONG nHeight)
{
    BITMAPINFOHEADER header;
    memcpy(&header, pData, sizeof(header));
    if (header.biWidth <= 0 || nHeight <= 0)
        return nullptr;
    const uint64_t nBytes = static_cast<uint64_t>(header.biWidth) * static_cast<uint64_t>(nHeight) * 4;
    if (nBytes > 0x7FFFFFFF || nBytes + sizeof(header) > nSize)
        return nullptr;
    // Only the 40-byte header is copied: a larger size or a colour count in
    // it would make the DIB section read past the copy.
    header.biSize = sizeof(header);
    header.biHeight = nHeight;
    header.biSizeImage = static_cast<DWORD>(nBytes);
    header.biCompression = BI_RGB;
    header.biClrUsed = 0;
    header.biClrImportant = 0;

    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader = header;
    void* pBits = nullptr;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDC)
        ::DeleteDC(hDC);
    if (!hBitmap)
        return nullptr;
    memcpy(pBits, pData + sizeof(header), static_cast<size_t>(nBytes));
    return hBitmap;
}
// True when a bitmap resource holds the header, masks, colour table and
// pixels that its header announces, so that the system's loader never reads
// past a resource that is empty or cut short.
bool IsWholeBitmapResource(const BYTE* pData, DWORD nSize)
{
    if (!pData || nSize < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER header;
    memcpy(&header, pData, sizeof(header));
    if (header.biSize < sizeof(header) || header.biSize > nSize || header.biWidth <= 0 || header.biHeight == 0)
        return false;
    const WORD nBits = header.biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return false;
    uint64_t nColors = header.biClrUsed;
    if (nColors == 0 && nBits <= 8)
        nColors = uint64_t(1) << nBits;
    const uint64_t nMasks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(header) ? 12 : 0;
    const uint64_t nRows = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
    const uint64_t nStride = (static_cast<uint64_t>(header.biWidth) * nBits + 31) / 32 * 4;
    uint64_t nPixels = nStride * nRows;
    if (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS)
    {
        // Compressed rows: the header states how many bytes follow.
        if (header.biSizeImage == 0)
            return false;
        nPixels = header.biSizeImage;
    }
    return header.biSize + nMasks + nColors * 4 + nPixels <= nSize;
}
} // namespace

BOOL IsPngFile(LPCWSTR lpszPath)
{
    HANDLE hFile = ::CreateFileW(lpszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BYTE start[4];
    DWORD nRead = 0;
    BOOL bResult = ::ReadFile(hFile, start, 4, &nRead, nullptr) && nRead == 4 && memcmp(start, kPngStart, 4) == 0;
    ::CloseHandle(hFile);
    return bResult;
}

BOOL IsAlphaBitmapFile(LPCWSTR lpszPath)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER infoHeader;
    if (file.Read(&fileHeader, sizeof(fileHeader)) != sizeof(fileHeader)
        || file.Read(&infoHeader, sizeof(infoHeader)) != sizeof(infoHeader))
        return FALSE;
    return infoHeader.biBitCount == 32;
}

BOOL IsPngResource(HMODULE hModule, LPCWSTR lpszName)
{
    DWORD nSize = 0;
    const BYTE* pData = LockResourceData(hModule, lpszName, L"PNG", &nSize);
    return pData && nSize >= 4 && memcmp(pData, kPngStart, 4) == 0;
}

BOOL IsAlphaBitmapResource(HMODULE hModule, LPCWSTR lpszName)
{
    DWORD nSize = 0;
    const BYTE* pData = LockResourceData(hModule, lpszName, RT_BITMAP, &nSize);
    return pData && nSize >= sizeof(BITMAPINFOHEADER)
        && reinterpret_cast<const BITMAPINFOHEADER*>(pData)->biBitCount == 32;
}

HBITMAP ReadBitmapFile(LPCWSTR lpszPath, BOOL* pbAlpha)
{
    if (IsPngFile(lpszPath))
    {
        CZMRGraphicBitmapPng png;
        if (!png.LoadFromFile(lpszPath))
            return nullptr;
        if (pbAlpha)
            *pbAlpha = png.IsAlpha();
        return static_cast<HBITMAP>(png.Detach());
    }

    BOOL bAlpha = IsAlphaBitmapFile(lpszPath);
    if (pbAlpha)
        *pbAlpha = bAlpha;
    UINT nFlags = LR_LOADFROMFILE | LR_DEFAULTSIZE | (bAlpha ? LR_CREATEDIBSECTION : 0);
    return static_cast<HBITMAP>(::LoadImageW(nullptr, lpszPath, IMAGE_BITMAP, 0, 0, nFlags));
}

HBITMAP ReadBitmapResource(HMODULE hModule, LPCWSTR lpszName, BOOL* pbAlpha)
{
    if (IsPngResource(hModule, lpszName))
    {
        CZMRGraphicBitmapPng png;
        if (!png.LoadFromResource(hModule, ::FindResourceW(hModule, lpszName, L"PNG")))
            return nullptr;
        if (pbAlpha)
            *pbAlpha = png.IsAlpha();
        return static_cast<HBITMAP>(png.Detach());
    }

    BOOL bAlpha = IsAlphaBitmapResource(hModule, lpszName);
    if (pbAlpha)
        *pbAlpha = bAlpha;
    if (bAlpha)
        return LoadAlphaBitmapResource(hModule, lpszName);
    DWORD nSize = 0;
    const BYTE* pData = LockResourceData(hModule, lpszName, RT_BITMAP, &nSize);
    if (!IsWholeBitmapResource(pData, nSize))
        return nullptr;
    return static_cast<HBITMAP>(::LoadImageW(hModule, lpszName, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
}

HBITMAP ReadModuleBitmapResource(LPCWSTR lpszName, BOOL* pbAlpha)
{
    return ReadBitmapResource(AfxGetResourceHandle(), lpszName, pbAlpha);
}

HBITMAP LoadAlphaBitmapResource(HMODULE hModule, LPCWSTR lpszName)
{
    DWORD nSize = 0;
    const BYTE* pData = LockResourceData(hModule, lpszName, RT_BITMAP, &nSize);
    if (!pData || nSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pData);
    // Top-down resources (negative height) are not read: their rows would
    // be taken upside down and their size misjudged.
    if (pHeader->biBitCount != 32 || pHeader->biHeight <= 0)
        return nullptr;
    return DibFromResourceHeader(pData, nSize, pHeader->biHeight);
}


// ------------------------------------------------------------ icon resources

BOOL CZMRIconHandle::LoadIconResource(HMODULE hModule, LPCWSTR lpszName, int nWidth, int nHeight, BOOL bGroup)
{
    DWORD nSize = 0;
    const BYTE* pGroup = LockResourceData(hModule, lpszName, RT_GROUP_ICON, &nSize);
    if (pGroup && bGroup)
    {
        if (nSize < 6)
            return FALSE;
        int nCount = *reinterpret_cast<const WORD*>(pGroup + 4);
        // Only the entries the resource really holds are walked.
        if (static_cast<DWORD>(6 + 14 * nCount) > nSize)
            nCount = (nSize - 6) / 14;
        for (int i = nCount - 1; i >= 0; i--)
        {
            const BYTE* pEntry = pGroup + 6 + 14 * i;
            if (pEntry[0] == nWidth && pEntry[1] == nHeight)
            {
                WORD nID = *reinterpret_cast<const WORD*>(pEntry + 12);
                if (LoadIconResource(hModule, MAKEINTRESOURCEW(nID), nWidth, nHeight, FALSE))
                    return TRUE;
            }
        }
        return FALSE;
    }

    const BYTE* pData = LockResourceData(hModule, lpszName, RT_ICON, &nSize);
    if (!pData || nSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    // Only what this call loads counts: a picture the handle held before
    // must not make a failed load look like a success.
    BOOL bLoaded = FALSE;
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pData);
    if (pHeader->biBitCount != 32)
    {
        HICON hIcon = ::CreateIconFromResourceEx(const_cast<PBYTE>(pData), nSize, TRUE, 0x30000, nWidth, nHeight, 0);
        if (hIcon)
        {
            TakeIcon(hIcon);
            bLoaded = TRUE;
        }
    }
    else
    {
        // The header's height counts the colour and the mask halves.
        HBITMAP hBitmap = pHeader->biHeight > 0 ? DibFromResourceHeader(pData, nSize, pHeader->biHeight / 2) : nullptr;
        if (hBitmap)
        {
            TakeBitmap(hBitmap);
            bLoaded = TRUE;
        }
    }
    return bLoaded && !IsEmpty();
}

BOOL CZMRIconHandle::LoadIconResourceFromModule(LPCWSTR lpszName, int nWidth, int nHeight, BOOL bGroup)
{
    HMODULE hModule = AfxGetResourceHandle();
    if (!hModule)
        return FALSE;
    return LoadIconResource(hModule, lpszName, nWidth, nHeight, bGroup);
}

// ------------------------------------------------------------ manager loaders

BOOL CZMRImageManager::AddIconFromResource(LPCWSTR lpszName, UINT nCommand, int nWidth, int nHeight, int nState)
{
    HMODULE hModule = AfxGetResourceHandle();
    DWORD nSize = 0;
    const BYTE* pGroup = LockResourceData(hModule, lpszName, RT_GROUP_ICON, &nSize);
    if (!pGroup)
    {
        CZMRIconHandle handle;
        if (!handle.LoadIconResourceFromModule(lpszName, nWidth, nHeight, FALSE))
            return FALSE;
        return SetIcon(handle, nCommand, nWidth, nHeight, nState);
    }

    if (nSize < 6)
        return FALSE;
    int nCount = *reinterpret_cast<const WORD*>(pGroup + 4);
    if (static_cast<DWORD>(6 + 14 * nCount) > nSize)
        nCount = (nSize - 6) / 14;
    for (int i = 0; i < nCount; i++)
    {
        const BYTE* pEntry = pGroup + 6 + 14 * i;
        const int nEntryWidth = pEntry[0], nEntryHeight = pEntry[1];
        if (!(nWidth == 0 && nHeight == 0) && (nEntryWidth != nWidth || nEntryHeight != nHeight))
            continue;
        CZMRIconHandle handle;
        WORD nID = *reinterpret_cast<const WORD*>(pEntry + 12);
        if (!handle.LoadIconResource(hModule, MAKEINTRESOURCEW(nID), nEntryWidth, nEntryHeight, FALSE))
            return FALSE;
        if (!SetIcon(handle, nCommand, nEntryWidth, nEntryHeight, nState))
            return FALSE;
    }
    return TRUE;
}

BOOL CZMRImageManager::SetIconsFromResource(LPCWSTR lpszName, const UINT* pCommands, int nCount, int nWidth,
                                            int nHeight, int nState)
{
    BOOL bAlpha = FALSE;
    HBITMAP hBitmap = ReadModuleBitmapResource(lpszName, &bAlpha);
    if (!hBitmap)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    BOOL bResult = SetIcons(bitmap, pCommands, nCount, nWidth, nHeight, nState, bAlpha);
    bitmap.DeleteObject();
    return bResult;
}

BOOL CZMRImageManager::SetIconsFromResourceId(UINT nIDResource, const UINT* pCommands, int nCount, int nWidth,
                                              int nHeight, int nState)
{
    return SetIconsFromResource(MAKEINTRESOURCEW(nIDResource), pCommands, nCount, nWidth, nHeight, nState);
}

BOOL CZMRImageManager::LoadToolBarIds(UINT nIDToolBar, UINT** ppCommands, int* pnCount, CSize* pszButton)
{
    *ppCommands = nullptr;
    *pnCount = 0;
    if (LOWORD(nIDToolBar) == 0)
        return FALSE;
    CToolBarResource resource;
    if (!resource.Read(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDToolBar)))
        return FALSE;

    UINT* pCommands = new UINT[resource.ids.empty() ? 1 : resource.ids.size()];
    int nCount = 0;
    for (UINT nId : resource.ids)
    {
        if (nId != 0)
            pCommands[nCount++] = nId;
    }
    *ppCommands = pCommands;
    *pnCount = nCount;
    if (pszButton)
        *pszButton = resource.sizeImage;
    return TRUE;
}

BOOL CZMRImageManager::SetIconsFromToolBar(UINT nIDToolBar, UINT nIDBitmap, int nState)
{
    UINT* pCommands = nullptr;
    int nCount = 0;
    CSize szButton;
    if (!LoadToolBarIds(nIDToolBar, &pCommands, &nCount, &szButton))
        return FALSE;
    BOOL bResult = SetIconsFromResourceId(nIDBitmap, pCommands, nCount, 0, 0, nState);
    delete[] pCommands;
    return bResult;
}

BOOL CZMRImageManager::LoadToolBarIcons(UINT nID, int nState)
{
    return SetIconsFromToolBar(nID, nID, nState);
}
