// A bitmap object that fills itself from a PNG picture (a file or a "PNG"
// resource) and yields one 32-bit top-down DIB section.
#pragma once

#include "Framework.h"

class CZMRGraphicBitmapPng : public CBitmap
{
public:
    CZMRGraphicBitmapPng();
    virtual ~CZMRGraphicBitmapPng();

    BOOL LoadFromFile(LPCWSTR lpszPath);
    BOOL LoadFromResource(HMODULE hModule, HRSRC hResource);
    BOOL LoadFromStream(CFile* pFile);

    // True when the decoded picture had four channels (red, green, blue, alpha).
    BOOL IsAlpha() const { return m_bAlpha; }

    static HBITMAP CreateDibFromPixels(const BYTE* pPixels, UINT nWidth, UINT nHeight, int nChannels);

protected:
    BOOL m_bAlpha;
};

// Decodes a PNG stream into 8-bit red, green, blue (and alpha) rows, one after
// another. The buffer comes from malloc; the caller frees it. A buffer held in
// *ppPixels on entry is freed first.
BOOL ReadPngPixels(CFile* pFile, BYTE** ppPixels, UINT* pnWidth, UINT* pnHeight,
                   int* pnChannels, COLORREF* pclrBackground);
