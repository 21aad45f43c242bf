// Pictures shared by the image drawing and persistence tests.
#pragma once

#include "Framework.h"

#include <vector>

namespace ImageTest
{
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
