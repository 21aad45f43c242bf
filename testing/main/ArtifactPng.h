// Pictures that tests save for people to look at: an RGB PNG written into
// the build's artefacts folder, beside bin/ where the tests run. Only tests
// that link libpng (through the foundation) include this.
#pragma once
#include <windows.h>

#include <png.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Writes the picture whose pixel (x, y) is pixel(x, y); false when the file
// cannot be made.
inline bool SaveArtifactPng(const wchar_t* lpszName, int nWidth, int nHeight,
                            const std::function<COLORREF(int, int)>& pixel)
{
    wchar_t szExe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring strDir(szExe);
    strDir = strDir.substr(0, strDir.find_last_of(L"\\/"));
    strDir = strDir.substr(0, strDir.find_last_of(L"\\/")) + L"\\artifacts";
    ::CreateDirectoryW(strDir.c_str(), nullptr);
    FILE* pFile = _wfopen((strDir + L"\\" + lpszName).c_str(), L"wb");
    if (!pFile)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, pFile);
    png_set_IHDR(png, info, nWidth, nHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(nWidth) * 3);
    for (int y = 0; y < nHeight; y++)
    {
        for (int x = 0; x < nWidth; x++)
        {
            const COLORREF clr = pixel(x, y);
            row[x * 3] = GetRValue(clr);
            row[x * 3 + 1] = GetGValue(clr);
            row[x * 3 + 2] = GetBValue(clr);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(pFile);
    return true;
}
