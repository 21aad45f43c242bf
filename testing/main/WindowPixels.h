// A window's pixels as the screen shows them, read through its device
// context, row by row: what the pixel tests of bars and frames look at.
#pragma once
#include <windows.h>

#include <vector>

// The first sz.cx by sz.cy pixels of a device context, row by row.
inline std::vector<COLORREF> ReadDC(HDC hdc, SIZE sz)
{
    HDC hdcMem = ::CreateCompatibleDC(hdc);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdc, sz.cx, sz.cy);
    HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
    ::BitBlt(hdcMem, 0, 0, sz.cx, sz.cy, hdc, 0, 0, SRCCOPY);
    std::vector<COLORREF> pixels;
    pixels.reserve(size_t(sz.cx) * size_t(sz.cy));
    for (int y = 0; y < sz.cy; y++)
        for (int x = 0; x < sz.cx; x++)
            pixels.push_back(::GetPixel(hdcMem, x, y));
    ::SelectObject(hdcMem, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdcMem);
    return pixels;
}

// The window's rectangle (or, with bClient, its client area) from its top left.
inline std::vector<COLORREF> ReadWindow(HWND hWnd, SIZE& sz, BOOL bClient = FALSE)
{
    RECT rc;
    if (bClient)
        ::GetClientRect(hWnd, &rc);
    else
        ::GetWindowRect(hWnd, &rc);
    sz.cx = rc.right - rc.left;
    sz.cy = rc.bottom - rc.top;
    HDC hdcWnd = ::GetDC(hWnd);
    std::vector<COLORREF> pixels = ReadDC(hdcWnd, sz);
    ::ReleaseDC(hWnd, hdcWnd);
    return pixels;
}

// The whole window with its non-client area, from the window's top left.
inline std::vector<COLORREF> ReadWholeWindow(HWND hWnd, SIZE& sz)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    sz.cx = rc.right - rc.left;
    sz.cy = rc.bottom - rc.top;
    HDC hdcWnd = ::GetWindowDC(hWnd);
    std::vector<COLORREF> pixels = ReadDC(hdcWnd, sz);
    ::ReleaseDC(hWnd, hdcWnd);
    return pixels;
}
