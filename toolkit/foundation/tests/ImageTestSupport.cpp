#include "ImageTestSupport.h"
#include "CZMRIconHandle.h"
#include "PixelCanvas.h"

#include <cstdlib>

namespace ImageTest
{
HBITMAP AlphaBitmap(int cx, int cy, const std::vector<DWORD>& bgraTopDown)
{
    LPBYTE pBits = nullptr;
    HBITMAP hBitmap = CreateArgbDibSection(nullptr, cx, cy, &pBits);
    DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            pPixels[(cy - 1 - y) * cx + x] = bgraTopDown[static_cast<size_t>(y) * cx + x];
    return hBitmap;
}

HBITMAP SolidAlphaBitmap(int cx, int cy, DWORD bgra)
{
    return AlphaBitmap(cx, cy, std::vector<DWORD>(static_cast<size_t>(cx) * cy, bgra));
}

HICON TwoColourIcon(int cx, int cy, COLORREF clrLeft, COLORREF clrRight, int nTransparentFrom)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hColor);
    RECT rcLeft = {0, 0, cx / 2, cy};
    RECT rcRight = {cx / 2, 0, cx, cy};
    HBRUSH hLeft = ::CreateSolidBrush(clrLeft);
    HBRUSH hRight = ::CreateSolidBrush(clrRight);
    ::FillRect(hDC, &rcLeft, hLeft);
    ::FillRect(hDC, &rcRight, hRight);
    ::DeleteObject(hLeft);
    ::DeleteObject(hRight);
    if (nTransparentFrom < cx)
        ::PatBlt(hDC, nTransparentFrom, 0, cx - nTransparentFrom, cy, BLACKNESS);
    ::SelectObject(hDC, hMask);
    ::PatBlt(hDC, 0, 0, cx, cy, BLACKNESS);   // black in the mask: opaque
    if (nTransparentFrom < cx)
        ::PatBlt(hDC, nTransparentFrom, 0, cx - nTransparentFrom, cy, WHITENESS);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

DWORD DibPixel(HBITMAP hBitmap, int x, int y)
{
    ::GdiFlush();
    DIBSECTION ds;
    if (!hBitmap || ::GetObject(hBitmap, sizeof(ds), &ds) != sizeof(ds) || !ds.dsBm.bmBits)
        return 0xDEADBEEF;
    const int cy = ds.dsBm.bmHeight;
    const DWORD* pRow = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(ds.dsBm.bmBits)
                                                       + static_cast<size_t>(cy - 1 - y) * ds.dsBm.bmWidthBytes);
    return pRow[x];
}

COLORREF IconPixel(HICON hIcon, int x, int y, COLORREF clrBack)
{
    CPixelCanvas canvas(64, 64, clrBack);
    ::DrawIconEx(canvas.DC()->GetSafeHdc(), 0, 0, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
    return canvas.Pixel(x, y);
}

bool NearColour(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance
        && std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}
} // namespace ImageTest
