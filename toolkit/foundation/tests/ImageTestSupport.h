// Pictures and canvases shared by the image drawing and persistence tests.
#pragma once

#include "Framework.h"

#include <vector>

namespace ImageTest
{
// A memory DC over a 32-bit bottom-up DIB section whose pixels are read back
// directly (x, y from the top left). The default background is a colour that
// no drawing makes by chance.
class CCanvas
{
public:
    CCanvas(int cx, int cy, COLORREF clrBack = RGB(1, 1, 1));
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const;
    BYTE Alpha(int x, int y) const;

private:
    int m_cx, m_cy;
    HBITMAP m_hBitmap;
    DWORD* m_pBits;
    HGDIOBJ m_hOld;
    CDC m_dc;
};

// A 32-bit bitmap (not premultiplied) of the given BGRA pixels, row by row
// from the top.
HBITMAP AlphaBitmap(int cx, int cy, const std::vector<DWORD>& bgraTopDown);
HBITMAP SolidAlphaBitmap(int cx, int cy, DWORD bgra);
// An opaque icon without alpha: the left half in one colour, the right half
// in another; columns at and past nTransparentFrom are transparent.
HICON TwoColourIcon(int cx, int cy, COLORREF clrLeft, COLORREF clrRight, int nTransparentFrom);
// The BGRA pixel (x, y from the top) of a 32-bit DIB section's own memory.
DWORD DibPixel(HBITMAP hBitmap, int x, int y);
// The colour an icon draws at (x, y) over the background.
COLORREF IconPixel(HICON hIcon, int x, int y, COLORREF clrBack);
// Channels equal within the one-step rounding of the system's alpha blend.
bool NearColour(COLORREF a, COLORREF b, int nTolerance = 1);
} // namespace ImageTest
