// The drawing context over a 32-bit DIB memory DC, and the pixels that the
// solid and linear gradient brushes write.
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupFont.h"
#include "CZMRMarkupGradientStops.h"
#include "CZMRMarkupLinearGradientBrush.h"
#include "CZMRMarkupPoint.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTestSupport.h"

#include <cwchar>
#include <initializer_list>
#include <utility>

namespace
{
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);

CZMRMarkupLinearGradientBrush* NewGradient(std::initializer_list<std::pair<COLORREF, double>> stops,
                                           CZMRMarkupPoint* pStart = nullptr, CZMRMarkupPoint* pEnd = nullptr)
{
    CZMRMarkupLinearGradientBrush* pBrush = new CZMRMarkupLinearGradientBrush();
    for (const auto& stop : stops)
        pBrush->GetGradientStops()->Add(new CZMRMarkupGradientStop(stop.first, stop.second));
    if (pStart)
        pBrush->SetValue(CZMRMarkupLinearGradientBrush::m_pStartPointProperty, pStart);
    if (pEnd)
        pBrush->SetValue(CZMRMarkupLinearGradientBrush::m_pEndPointProperty, pEnd);
    return pBrush;
}

class DrawingContextTest : public MarkupTest
{
};
}

TEST_F(DrawingContextTest, HorizontalGradientGivesEveryColumnOneColour)
{
    DibSurface surface(12, 6);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    MarkupRef<CZMRMarkupLinearGradientBrush> brush(
        NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}, new CZMRMarkupPoint(0, 0), new CZMRMarkupPoint(1, 0)));
    dc.FillRect(brush, 1, 1, 11, 5);

    for (int x = 1; x < 11; x++)
    {
        for (int y = 2; y < 5; y++)
            EXPECT_EQ(surface.At(x, 1), surface.At(x, y)) << x << "," << y;
    }
    EXPECT_EQ(clrRed, surface.At(1, 1));
    EXPECT_EQ(RGB(127, 0, 127), surface.At(6, 1));   // t = 0.5: half of each, truncated
    EXPECT_EQ(RGB(25, 0, 229), surface.At(10, 3));     // t = 0.9
    EXPECT_EQ(dwSentinel, surface.At(0, 0));
    EXPECT_EQ(dwSentinel, surface.At(11, 5));
}

TEST_F(DrawingContextTest, VerticalGradientGivesEveryRowOneColourAndEndsOnTheEndColour)
{
    DibSurface surface(5, 4);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    MarkupRef<CZMRMarkupLinearGradientBrush> brush(
        NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}, new CZMRMarkupPoint(0, 0), new CZMRMarkupPoint(0, 1)));
    dc.FillRect(brush, 0, 0, 5, 4);

    // Row y takes the parameter of y + 1, so the last row has the end colour.
    const COLORREF rows[] = {RGB(191, 0, 63), RGB(127, 0, 127), RGB(63, 0, 191), clrBlue};
    for (int y = 0; y < 4; y++)
    {
        for (int x = 0; x < 5; x++)
            EXPECT_EQ(rows[y], surface.At(x, y)) << x << "," << y;
    }
}

TEST_F(DrawingContextTest, DefaultPointsRunTheGradientAlongTheDiagonal)
{
    DibSurface surface(10, 10);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    MarkupRef<CZMRMarkupLinearGradientBrush> brush(NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}));
    dc.FillRect(brush, 0, 0, 10, 10);

    EXPECT_EQ(RGB(242, 0, 12), surface.At(0, 0));     // t = 1/20
    EXPECT_EQ(RGB(12, 0, 242), surface.At(9, 9));     // t = 19/20
    // Pixels on one anti-diagonal share the parameter.
    EXPECT_EQ(surface.At(2, 7), surface.At(7, 2));
    EXPECT_EQ(surface.At(0, 9), surface.At(9, 0));
}

TEST_F(DrawingContextTest, StopsAreSortedByOffsetAndEqualOffsetsMakeAHardEdge)
{
    DibSurface inOrder(10, 1);
    DibSurface reversed(10, 1);
    DibSurface edge(10, 1);
    MarkupRef<CZMRMarkupLinearGradientBrush> sorted(
        NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}, new CZMRMarkupPoint(0, 0), new CZMRMarkupPoint(1, 0)));
    MarkupRef<CZMRMarkupLinearGradientBrush> unsorted(
        NewGradient({{clrBlue, 1.0}, {clrRed, 0.0}}, new CZMRMarkupPoint(0, 0), new CZMRMarkupPoint(1, 0)));
    MarkupRef<CZMRMarkupLinearGradientBrush> hard(
        NewGradient({{clrRed, 0.0}, {clrRed, 0.5}, {clrBlue, 0.5}, {clrBlue, 1.0}}, new CZMRMarkupPoint(0, 0),
                    new CZMRMarkupPoint(1, 0)));
    CZMRMarkupDrawingContext(inOrder.GetDC()).FillRect(sorted, 0, 0, 10, 1);
    CZMRMarkupDrawingContext(reversed.GetDC()).FillRect(unsorted, 0, 0, 10, 1);
    CZMRMarkupDrawingContext(edge.GetDC()).FillRect(hard, 0, 0, 10, 1);
    for (int x = 0; x < 10; x++)
    {
        EXPECT_EQ(inOrder.At(x, 0), reversed.At(x, 0)) << x;
        // A blend of one colour with itself may lose one step to truncation.
        COLORREF clr = edge.At(x, 0);
        COLORREF clrNear = x < 5 ? clrRed : clrBlue;
        EXPECT_GE(GetRValue(clr) + 1, GetRValue(clrNear)) << x;
        EXPECT_GE(GetBValue(clr) + 1, GetBValue(clrNear)) << x;
        EXPECT_EQ(0, GetRValue(clr) * GetBValue(clr)) << x;
    }
}

TEST_F(DrawingContextTest, DegenerateGradientsDrawNothingAndOneStopFillsSolid)
{
    DibSurface surface(8, 8);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    MarkupRef<CZMRMarkupLinearGradientBrush> none(NewGradient({}));
    MarkupRef<CZMRMarkupLinearGradientBrush> samePoints(
        NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}, new CZMRMarkupPoint(0.5, 0.5), new CZMRMarkupPoint(0.5, 0.5)));
    MarkupRef<CZMRMarkupLinearGradientBrush> two(NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}));
    dc.FillRect(none, 0, 0, 8, 8);
    dc.FillRect(samePoints, 0, 0, 8, 8);
    dc.FillRect(two, 4, 4, 4, 8);    // no width
    dc.FillRect(two, 20, 20, 30, 30); // nothing visible
    dc.FillRect(nullptr, 0, 0, 8, 8);
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(dwSentinel, surface.At(i, i));

    MarkupRef<CZMRMarkupLinearGradientBrush> one(NewGradient({{RGB(10, 20, 30), 0.3}}));
    dc.FillRect(one, 2, 2, 4, 4);
    EXPECT_EQ(RGB(10, 20, 30), surface.At(2, 2));
    EXPECT_EQ(RGB(10, 20, 30), surface.At(3, 3));
    EXPECT_EQ(dwSentinel, surface.At(4, 4));
}

TEST_F(DrawingContextTest, GradientTooLargeForABitmapDrawsNothing)
{
    DibSurface surface(4, 4);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    MarkupRef<CZMRMarkupLinearGradientBrush> brush(NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}));
    // Far beyond what one bitmap can hold: the fill is skipped.
    dc.FillRect(brush, 0, 0, 70000, 70000);
    EXPECT_EQ(dwSentinel, surface.At(0, 0));
    EXPECT_EQ(dwSentinel, surface.At(3, 3));
}

TEST_F(DrawingContextTest, ClippedGradientWritesOnlyTheVisibleRegion)
{
    DibSurface surface(10, 10);
    ::IntersectClipRect(surface.GetDC(), 3, 3, 5, 6);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    EXPECT_EQ(CRect(3, 3, 5, 6), CRect(dc.GetClipBox()));
    MarkupRef<CZMRMarkupLinearGradientBrush> brush(NewGradient({{clrRed, 0.0}, {clrBlue, 1.0}}));
    dc.FillRect(brush, 0, 0, 10, 10);
    for (int y = 0; y < 10; y++)
    {
        for (int x = 0; x < 10; x++)
        {
            bool bInside = x >= 3 && x < 5 && y >= 3 && y < 6;
            EXPECT_EQ(bInside, surface.At(x, y) != dwSentinel) << x << "," << y;
        }
    }
}

TEST_F(DrawingContextTest, SolidBrushPaintsOnlyWithAColourAndFramesAreOnePixel)
{
    DibSurface surface(8, 8);
    ::SetBkColor(surface.GetDC(), RGB(1, 1, 1));
    CZMRMarkupDrawingContext dc(surface.GetDC());
    MarkupRef<CZMRMarkupSolidColorBrush> empty(new CZMRMarkupSolidColorBrush());
    dc.FillRect(empty, 0, 0, 8, 8);
    EXPECT_EQ(dwSentinel, surface.At(0, 0));

    MarkupRef<CZMRMarkupSolidColorBrush> green(new CZMRMarkupSolidColorBrush(RGB(0, 200, 0)));
    dc.FrameRect(green, 1, 1, 7, 7);
    EXPECT_EQ(RGB(0, 200, 0), surface.At(1, 1));
    EXPECT_EQ(RGB(0, 200, 0), surface.At(6, 3));
    EXPECT_EQ(RGB(0, 200, 0), surface.At(3, 6));
    EXPECT_EQ(dwSentinel, surface.At(2, 2));
    EXPECT_EQ(dwSentinel, surface.At(7, 7));
    EXPECT_EQ(RGB(1, 1, 1), ::GetBkColor(surface.GetDC()));

    dc.FillSolidRect(2, 2, 4, 3, RGB(9, 8, 7));
    EXPECT_EQ(RGB(9, 8, 7), surface.At(3, 2));
    EXPECT_EQ(dwSentinel, surface.At(3, 3));
}

TEST_F(DrawingContextTest, ViewportAndClipChangesAreUndone)
{
    DibSurface surface(20, 20);
    CZMRMarkupDrawingContext dc(surface.GetDC());
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(surface.GetDC()));
    EXPECT_EQ(CRect(0, 0, 20, 20), CRect(dc.GetClipBox()));

    POINT ptSaved = dc.OffsetViewport({5, 7});
    EXPECT_EQ(0, ptSaved.x);
    EXPECT_EQ(CRect(-5, -7, 15, 13), CRect(dc.GetClipBox()));
    dc.FillSolidRect(0, 0, 1, 1, clrRed);
    EXPECT_EQ(clrRed, surface.At(5, 7));

    HRGN hSaved = dc.SaveClipRegion();
    EXPECT_EQ(reinterpret_cast<HRGN>(-1), hSaved);
    RECT rcClip = {0, 0, 4, 4};
    dc.IntersectClipRect(&rcClip);
    EXPECT_EQ(CRect(0, 0, 4, 4), CRect(dc.GetClipBox()));
    dc.RestoreClipRegion(hSaved);
    EXPECT_EQ(CRect(-5, -7, 15, 13), CRect(dc.GetClipBox()));

    // With a clip region in place, the saved copy puts it back.
    dc.IntersectClipRect(&rcClip);
    HRGN hClipped = dc.SaveClipRegion();
    ASSERT_NE(reinterpret_cast<HRGN>(-1), hClipped);
    ASSERT_NE(nullptr, hClipped);
    RECT rcSmaller = {1, 1, 2, 2};
    dc.IntersectClipRect(&rcSmaller);
    EXPECT_EQ(CRect(1, 1, 2, 2), CRect(dc.GetClipBox()));
    dc.RestoreClipRegion(hClipped);
    EXPECT_EQ(CRect(0, 0, 4, 4), CRect(dc.GetClipBox()));
    dc.RestoreClipRegion(nullptr);
    dc.RestoreClipRegion(reinterpret_cast<HRGN>(-1));

    dc.RestoreViewport(ptSaved);
    EXPECT_EQ(CRect(0, 0, 20, 20), CRect(dc.GetClipBox()));
    POINT ptOrigin = {};
    ::GetViewportOrgEx(surface.GetDC(), &ptOrigin);
    EXPECT_EQ(0, ptOrigin.x);
    EXPECT_EQ(0, ptOrigin.y);
}

TEST_F(DrawingContextTest, FontOfTheDCComesBackWhenTheContextEnds)
{
    DibSurface surface(4, 4);
    HGDIOBJ hOriginal = ::GetCurrentObject(surface.GetDC(), OBJ_FONT);
    LOGFONTW lf = {};
    lf.lfHeight = -20;
    wcscpy(lf.lfFaceName, L"Tahoma");
    MarkupRef<CZMRMarkupFont> font(new CZMRMarkupFont(lf));
    MarkupRef<CZMRMarkupFont> other(new CZMRMarkupFont(lf));
    {
        CZMRMarkupDrawingContext dc(surface.GetDC());
        dc.SetFont(font);
        EXPECT_EQ(font->GetFontHandle(), ::GetCurrentObject(surface.GetDC(), OBJ_FONT));
        EXPECT_EQ(2, font->GetRefCount());
        dc.SetFont(other);
        EXPECT_EQ(1, font->GetRefCount());
        SIZE sz = dc.GetTextExtent(L"Wide", 4);
        EXPECT_GT(sz.cy, 10);
        RECT rc = {0, 0, 4, 4};
        dc.DrawTextLine(L"W", 1, &rc);
    }
    EXPECT_EQ(hOriginal, ::GetCurrentObject(surface.GetDC(), OBJ_FONT));
    EXPECT_EQ(1, other->GetRefCount());

    // The screen form measures with a DC of its own.
    CZMRMarkupDrawingContext screen;
    ASSERT_NE(nullptr, screen.GetOutputDC());
    EXPECT_EQ(screen.GetOutputDC(), screen.GetAttributeDC());
    EXPECT_FALSE(screen.IsScaledOutput());
    screen.SetFont(font);
    EXPECT_GT(screen.GetTextExtent(L"Wide", 4).cx, 0);
}
