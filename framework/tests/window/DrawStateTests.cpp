// Drawing in a state (CDC::DrawState: bitmaps, icons, text with and without
// prefixes) and the halftone brush, read back from the pixels of a memory
// bitmap. The suite is not named after the member: the system headers make
// that name a macro.
#include "PixelCanvas.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kCanvas = RGB(0, 128, 0);

// Columns from the first to the last that hold a pixel other than the canvas.
std::pair<int, int> InkColumns(const CPixelCanvas& canvas, int cx, int cy)
{
    int nFirst = -1, nLast = -1;
    for (int x = 0; x < cx; x++)
    {
        for (int y = 0; y < cy; y++)
        {
            if (canvas.Pixel(x, y) != kCanvas)
            {
                if (nFirst < 0)
                    nFirst = x;
                nLast = x;
            }
        }
    }
    return { nFirst, nLast };
}

// A 2 x 2 bitmap: black, white on top; red, white below.
HBITMAP MakeSmallBitmap()
{
    const COLORREF pixels[4] = { RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0), RGB(255, 255, 255) };
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 2, 2);
    ::ReleaseDC(nullptr, hScreen);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    for (int i = 0; i < 4; i++)
        ::SetPixelV(hDC, i % 2, i / 2, pixels[i]);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBitmap;
}
} // namespace

TEST(StateDrawing, BitmapsAreCopiedOrDrawnInTheBrushColour)
{
    CBitmap bitmap;
    bitmap.Attach(MakeSmallBitmap());

    CPixelCanvas normal(8, 8, kCanvas);
    EXPECT_TRUE(normal.DC()->DrawState(CPoint(3, 4), CSize(0, 0), &bitmap, DSS_NORMAL));
    EXPECT_EQ(RGB(0, 0, 0), normal.Pixel(3, 4));
    EXPECT_EQ(RGB(255, 255, 255), normal.Pixel(4, 4));
    EXPECT_EQ(RGB(255, 0, 0), normal.Pixel(3, 5));
    EXPECT_EQ(kCanvas, normal.Pixel(2, 4)) << "nothing left of the point";
    EXPECT_EQ(kCanvas, normal.Pixel(5, 4)) << "a zero size is the bitmap's own size";

    // Mono: every pixel that is not white takes the brush's colour, white
    // pixels leave the canvas as it was.
    CPixelCanvas mono(8, 8, kCanvas);
    CBrush blue(RGB(0, 0, 255));
    EXPECT_TRUE(mono.DC()->DrawState(CPoint(1, 1), CSize(2, 2), &bitmap, DSS_MONO, &blue));
    EXPECT_EQ(RGB(0, 0, 255), mono.Pixel(1, 1));
    EXPECT_EQ(RGB(0, 0, 255), mono.Pixel(1, 2));
    EXPECT_EQ(kCanvas, mono.Pixel(2, 1));
    EXPECT_EQ(kCanvas, mono.Pixel(2, 2));
}

TEST(StateDrawing, IconsAreDrawnThroughTheirMask)
{
    // A 4 x 4 icon: opaque yellow on the left half, transparent on the right.
    // Mask rows are word aligned; the row's first four bits: 0 opaque, 1 transparent.
    const BYTE andBits[8] = { 0x3F, 0, 0x3F, 0, 0x3F, 0, 0x3F, 0 };
    HBITMAP hMask = ::CreateBitmap(4, 4, 1, 1, andBits);
    // Colour: yellow where opaque, black where the mask lets the canvas through.
    CPixelCanvas colour(4, 4, RGB(0, 0, 0));
    colour.DC()->FillSolidRect(0, 0, 2, 4, RGB(255, 255, 0));
    HBITMAP hColor = ::CreateBitmap(4, 4, 1, 32, nullptr);
    {
        HDC hDC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, hColor);
        ::BitBlt(hDC, 0, 0, 4, 4, colour.DC()->GetSafeHdc(), 0, 0, SRCCOPY);
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
    }
    ICONINFO info = { TRUE, 0, 0, hMask, hColor };
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMask);
    ::DeleteObject(hColor);
    ASSERT_NE(nullptr, hIcon);

    CPixelCanvas canvas(8, 8, kCanvas);
    EXPECT_TRUE(canvas.DC()->DrawState(CPoint(2, 2), CSize(4, 4), hIcon, DSS_NORMAL, HBRUSH(nullptr)));
    EXPECT_EQ(RGB(255, 255, 0), canvas.Pixel(2, 3));
    EXPECT_EQ(RGB(255, 255, 0), canvas.Pixel(3, 5));
    EXPECT_EQ(kCanvas, canvas.Pixel(4, 3)) << "the transparent half shows the canvas";
    EXPECT_EQ(kCanvas, canvas.Pixel(1, 3));
    ::DestroyIcon(hIcon);
}

TEST(StateDrawing, PrefixTextDrawsNoAmpersand)
{
    // The same text takes less room when its '&' marks a prefix than when it
    // is drawn as a character.
    auto inkOf = [](BOOL bPrefix) {
        CPixelCanvas canvas(80, 24, kCanvas);
        canvas.DC()->SetTextColor(RGB(0, 0, 0));
        canvas.DC()->SetBkMode(TRANSPARENT);
        canvas.DC()->SelectStockObject(DEFAULT_GUI_FONT);
        EXPECT_TRUE(canvas.DC()->DrawState(CPoint(10, 2), CSize(60, 20), L"&MM", DSS_NORMAL, bPrefix, 3,
                                          HBRUSH(nullptr)));
        return InkColumns(canvas, 80, 24);
    };
    const auto prefixed = inkOf(TRUE);
    const auto plain = inkOf(FALSE);
    ASSERT_GE(prefixed.first, 10);
    ASSERT_GE(plain.first, 10);
    EXPECT_LT(prefixed.second - prefixed.first, plain.second - plain.first);
}

TEST(StateDrawing, HalftoneBrushIsACheckerOfTheTextAndBackgroundColours)
{
    CBrush* pBrush = CDC::GetHalftoneBrush();
    ASSERT_NE(nullptr, pBrush);
    EXPECT_EQ(pBrush, CDC::GetHalftoneBrush()) << "one brush for the process";

    CPixelCanvas canvas(12, 12, kCanvas);
    canvas.DC()->SetTextColor(RGB(255, 0, 0));
    canvas.DC()->SetBkColor(RGB(0, 0, 255));
    CRect rc(1, 1, 11, 11);
    canvas.DC()->FillRect(&rc, pBrush);
    for (int y = 1; y < 11; y++)
    {
        for (int x = 1; x < 11; x++)
        {
            const COLORREF clr = canvas.Pixel(x, y);
            ASSERT_TRUE(clr == RGB(255, 0, 0) || clr == RGB(0, 0, 255)) << x << "," << y;
            if (x > 1)
                ASSERT_NE(clr, canvas.Pixel(x - 1, y)) << x << "," << y;
            if (y > 1)
                ASSERT_NE(clr, canvas.Pixel(x, y - 1)) << x << "," << y;
        }
    }
    EXPECT_EQ(kCanvas, canvas.Pixel(0, 0));
}
