#include "CZMRGraphicBitmapPng.h"

#include <png.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
// The largest decoded picture accepted: its rows and the 32-bit bitmap made
// from them must both stay addressable with an int, as GDI counts bytes so.
const uint64_t kMaxImageBytes = 0x7FFFFFFF;

void PngReadCallback(png_structp png, png_bytep pBuffer, png_size_t nLength)
{
    CFile* pFile = static_cast<CFile*>(png_get_io_ptr(png));
    // A stream longer than a UINT cannot be asked for at once; libpng never
    // does so, but a short read is the answer either way.
    if (nLength > 0xFFFFFFFFu || pFile->Read(pBuffer, static_cast<UINT>(nLength)) != nLength)
        AfxThrowFileException(CFileException::endOfFile, -1);
}

void PngErrorCallback(png_structp, png_const_charp)
{
    AfxThrowFileException(CFileException::badSeek, -1);
}
} // namespace

BOOL ReadPngPixels(CFile* pFile, BYTE** ppPixels, UINT* pnWidth, UINT* pnHeight,
                   int* pnChannels, COLORREF* pclrBackground)
{
    // Every failure leaves the pixel pointer null; a buffer it held on entry
    // is freed rather than lost with it.
    auto fail = [ppPixels]() {
        free(*ppPixels);
        *ppPixels = nullptr;
        return FALSE;
    };
    if (!pFile)
        return fail();

    png_byte signature[8];
    UINT nRead = 0;
    try
    {
        nRead = pFile->Read(signature, 8);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    if (nRead != 8 || png_sig_cmp(signature, 0, 8) != 0)
        return fail();

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorCallback, nullptr);
    if (!png)
        return fail();
    png_infop info = png_create_info_struct(png);
    if (!info)
    {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return fail();
    }

    png_bytepp ppRows = nullptr;
    try
    {
        png_set_read_fn(png, pFile, PngReadCallback);
        png_set_sig_bytes(png, 8);
        png_read_info(png, info);

        png_uint_32 nWidth = 0, nHeight = 0;
        int nBitDepth = 0, nColorType = 0;
        png_get_IHDR(png, info, &nWidth, &nHeight, &nBitDepth, &nColorType, nullptr, nullptr, nullptr);

        if (nBitDepth == 16)
            png_set_strip_16(png);
        if (nColorType == PNG_COLOR_TYPE_PALETTE)
            png_set_expand(png);
        if (nBitDepth < 8)
            png_set_expand(png);
        if (png_get_valid(png, info, PNG_INFO_tRNS))
            png_set_expand(png);
        if (nColorType == PNG_COLOR_TYPE_GRAY || nColorType == PNG_COLOR_TYPE_GRAY_ALPHA)
            png_set_gray_to_rgb(png);

        png_color_16p pBackground = nullptr;
        if (png_get_bKGD(png, info, &pBackground) && pBackground)
        {
            png_set_background(png, pBackground, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
            if (pclrBackground)
                *pclrBackground = RGB(pBackground->red & 0xFF, pBackground->green & 0xFF,
                                      pBackground->blue & 0xFF);
        }
        double dGamma = 0;
        if (png_get_gAMA(png, info, &dGamma))
            png_set_gamma(png, 2.2, dGamma);

        png_read_update_info(png, info);
        png_get_IHDR(png, info, &nWidth, &nHeight, &nBitDepth, &nColorType, nullptr, nullptr, nullptr);
        png_size_t nRowBytes = png_get_rowbytes(png, info);
        int nChannels = png_get_channels(png, info);

        // Row size times height comes from the file: refuse what cannot be
        // held before anything is allocated for it.
        if (nWidth == 0 || nHeight == 0 || nRowBytes == 0
            || static_cast<uint64_t>(nRowBytes) * nHeight > kMaxImageBytes
            || static_cast<uint64_t>(nWidth) * 4 * nHeight > kMaxImageBytes)
            AfxThrowFileException(CFileException::badSeek, -1);

        free(*ppPixels);
        *ppPixels = static_cast<BYTE*>(malloc(nRowBytes * nHeight));
        if (!*ppPixels)
            AfxThrowFileException(CFileException::badSeek, -1);
        ppRows = static_cast<png_bytepp>(malloc(sizeof(png_bytep) * nHeight));
        if (!ppRows)
            AfxThrowFileException(CFileException::badSeek, -1);
        for (png_uint_32 i = 0; i < nHeight; i++)
            ppRows[i] = *ppPixels + i * nRowBytes;

        png_read_image(png, ppRows);
        png_read_end(png, nullptr);
        free(ppRows);
        png_destroy_read_struct(&png, &info, nullptr);

        *pnWidth = nWidth;
        *pnHeight = nHeight;
        *pnChannels = nChannels;
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    free(ppRows);
    png_destroy_read_struct(&png, &info, nullptr);
    return fail();
}

CZMRGraphicBitmapPng::CZMRGraphicBitmapPng()
    : m_bAlpha(FALSE)
{
}

CZMRGraphicBitmapPng::~CZMRGraphicBitmapPng()
{
}

BOOL CZMRGraphicBitmapPng::LoadFromFile(LPCWSTR lpszPath)
{
    m_bAlpha = FALSE;
    DeleteObject();

    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead))
        return FALSE;
    return LoadFromStream(&file);
}

BOOL CZMRGraphicBitmapPng::LoadFromResource(HMODULE hModule, HRSRC hResource)
{
    m_bAlpha = FALSE;
    DeleteObject();

    if (!hResource)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    if (!hGlobal)
        return FALSE;
    BYTE* pData = static_cast<BYTE*>(::LockResource(hGlobal));
    DWORD nSize = ::SizeofResource(hModule, hResource);
    if (!pData || nSize < 10)
        return FALSE;

    CMemFile file(pData, nSize, 0);
    return LoadFromStream(&file);
}

BOOL CZMRGraphicBitmapPng::LoadFromStream(CFile* pFile)
{
    m_bAlpha = FALSE;
    DeleteObject();

    BYTE* pPixels = nullptr;
    UINT nWidth = 0, nHeight = 0;
    int nChannels = 0;
    COLORREF clrBackground = 0;
    if (!ReadPngPixels(pFile, &pPixels, &nWidth, &nHeight, &nChannels, &clrBackground))
        return FALSE;

    HBITMAP hBitmap = CreateDibFromPixels(pPixels, nWidth, nHeight, nChannels);
    free(pPixels);
    if (!hBitmap)
        return FALSE;

    m_bAlpha = (nChannels == 4);
    Attach(hBitmap);
    return TRUE;
}

HBITMAP CZMRGraphicBitmapPng::CreateDibFromPixels(const BYTE* pPixels, UINT nWidth, UINT nHeight, int nChannels)
{
    if (!pPixels || nWidth == 0 || nHeight == 0 || (nChannels != 3 && nChannels != 4)
        || static_cast<uint64_t>(nWidth) * 4 * nHeight > kMaxImageBytes)
        return nullptr;

    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = static_cast<LONG>(nWidth);
    bmi.bmiHeader.biHeight = -static_cast<LONG>(nHeight);
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;

    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap || !pBits)
    {
        if (hBitmap)
            ::DeleteObject(hBitmap);
        return nullptr;
    }

    BYTE* pDest = static_cast<BYTE*>(pBits);
    const size_t nSrcRow = static_cast<size_t>(nWidth) * nChannels;
    for (UINT y = 0; y < nHeight; y++)
    {
        const BYTE* pSrc = pPixels + y * nSrcRow;
        BYTE* pDst = pDest + static_cast<size_t>(y) * nWidth * 4;
        for (UINT x = 0; x < nWidth; x++, pSrc += nChannels, pDst += 4)
        {
            pDst[0] = pSrc[2];
            pDst[1] = pSrc[1];
            pDst[2] = pSrc[0];
            pDst[3] = nChannels == 4 ? pSrc[3] : 0;
        }
    }
    return hBitmap;
}
