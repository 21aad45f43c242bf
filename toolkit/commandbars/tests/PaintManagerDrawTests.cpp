// The paint manager's small drawing helpers, drawn into memory canvases and
// read back pixel by pixel: frames, fills and lines, glyphs, labels and
// captions, and the split-button metrics.
#include "TestTheme.h"
#include "PixelCanvas.h"
#include "StandInVisualStyles.h"
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{
const COLORREF kBack = RGB(1, 1, 1);
const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 200);
const COLORREF kGreen = RGB(0, 160, 0);

// A theme whose colour table holds chosen colours and whose state text
// colour records what it was asked.
class CDrawTheme : public CTestTheme
{
public:
    CDrawTheme()
    {
        const int indices[] = {COLOR_BTNTEXT, COLOR_3DFACE, COLOR_3DSHADOW, COLOR_BTNHIGHLIGHT, COLOR_WINDOW};
        const COLORREF colors[] = {RGB(0, 0, 0), RGB(192, 192, 192), kRed, kGreen, kBlue};
        SetColors(5, indices, colors);
    }
    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                               int nBarType, int nBarPosition) override
    {
        m_stateArgs = {nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nBarPosition};
        return kBlue;
    }
    using CZMRPaintManager::DrawControlCaptionText;

    std::vector<int> m_stateArgs;
};

// The pixels of a canvas region in one colour.
std::set<std::pair<int, int>> PixelsOf(const CPixelCanvas& canvas, int cx, int cy, COLORREF clr)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            if (canvas.Pixel(x, y) == clr)
                pixels.insert({x, y});
    return pixels;
}

std::vector<COLORREF> Snapshot(const CPixelCanvas& canvas, int cx, int cy)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

bool Between(int value, int a, int b) { return (value > a && value < b) || (value > b && value < a); }
} // namespace

// ---------------------------------------------------------------- frames, fills and lines

TEST(PaintManagerDrawing, FramesAndFillsResolveColourIndices)
{
    CDrawTheme theme;
    CPixelCanvas canvas(12, 12, kBack);
    theme.Draw3dRectByIndex(canvas.DC(), CRect(1, 1, 6, 6), COLOR_3DSHADOW, COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(kRed, canvas.Pixel(1, 1));
    EXPECT_EQ(kRed, canvas.Pixel(4, 1));
    EXPECT_EQ(kGreen, canvas.Pixel(5, 5));
    EXPECT_EQ(kGreen, canvas.Pixel(5, 2));
    EXPECT_EQ(kBack, canvas.Pixel(3, 3)) << "a frame, not a fill";

    // A literal colour above the table passes through unchanged.
    theme.HorizontalLine(canvas.DC(), 2, 8, 6, RGB(9, 99, 199));
    EXPECT_EQ(RGB(9, 99, 199), canvas.Pixel(2, 8));
    EXPECT_EQ(RGB(9, 99, 199), canvas.Pixel(5, 8));
    EXPECT_EQ(kBack, canvas.Pixel(6, 8)) << "x2 itself is not filled";
    EXPECT_EQ(kBack, canvas.Pixel(3, 9));

    theme.VerticalLine(canvas.DC(), 10, 2, 5, COLOR_WINDOW);
    EXPECT_EQ(kBlue, canvas.Pixel(10, 2));
    EXPECT_EQ(kBlue, canvas.Pixel(10, 4));
    EXPECT_EQ(kBack, canvas.Pixel(10, 5));
    EXPECT_EQ(kBack, canvas.Pixel(11, 3));
}

TEST(PaintManagerDrawing, DrawRectangleFillsAndFramesUnlessTold)
{
    const COLORREF kNone = COLORREF(-1);
    struct Case
    {
        COLORREF nFill, nFrame;
        COLORREF clrInside, clrEdge;
    } cases[] = {
        {COLOR_WINDOW, COLOR_3DSHADOW, kBlue, kRed},
        {COLOR_WINDOW, COLOR_WINDOW, kBlue, kBlue},   // a frame in the fill colour is not drawn
        {COLOR_WINDOW, kNone, kBlue, kBlue},
        {kNone, COLOR_3DSHADOW, kBack, kRed},
        {kNone, kNone, kBack, kBack},
    };
    CDrawTheme theme;
    for (const Case& c : cases)
    {
        CPixelCanvas canvas(10, 10, kBack);
        theme.DrawRectangle(canvas.DC(), CRect(1, 1, 9, 9), c.nFill, c.nFrame);
        EXPECT_EQ(c.clrInside, canvas.Pixel(4, 4)) << c.nFill << "/" << c.nFrame;
        EXPECT_EQ(c.clrEdge, canvas.Pixel(1, 1)) << c.nFill << "/" << c.nFrame;
        EXPECT_EQ(c.clrEdge, canvas.Pixel(8, 8)) << c.nFill << "/" << c.nFrame;
        EXPECT_EQ(kBack, canvas.Pixel(9, 9));
    }
}

TEST(PaintManagerDrawing, LinesAndTrianglesLeaveTheDeviceContextAsTheyFoundIt)
{
    CDrawTheme theme;
    CPixelCanvas canvas(20, 20, kBack);
    HGDIOBJ hPen = ::GetCurrentObject(canvas.DC()->GetSafeHdc(), OBJ_PEN);
    HGDIOBJ hBrush = ::GetCurrentObject(canvas.DC()->GetSafeHdc(), OBJ_BRUSH);

    theme.DrawLine(canvas.DC(), 1, 1, 8, 1, COLOR_3DSHADOW);
    EXPECT_EQ(kRed, canvas.Pixel(1, 1));
    EXPECT_EQ(kRed, canvas.Pixel(7, 1));
    EXPECT_EQ(kBack, canvas.Pixel(8, 1));

    CZMRPaintManager::DrawTriangle(canvas.DC(), CPoint(2, 10), CPoint(14, 10), CPoint(8, 16), kGreen);
    EXPECT_EQ(kGreen, canvas.Pixel(8, 12)) << "filled";
    EXPECT_EQ(kGreen, canvas.Pixel(2, 10)) << "outlined";
    EXPECT_EQ(kBack, canvas.Pixel(8, 17));

    EXPECT_EQ(hPen, ::GetCurrentObject(canvas.DC()->GetSafeHdc(), OBJ_PEN));
    EXPECT_EQ(hBrush, ::GetCurrentObject(canvas.DC()->GetSafeHdc(), OBJ_BRUSH));

    // Line draws with whatever pen is selected: the stock black one here.
    theme.Line(canvas.DC(), 1, 4, 6, 4);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(3, 4));
}

TEST(PaintManagerDrawing, GradientRunsBetweenTheIndexedColoursWithinTheClip)
{
    CDrawTheme theme;
    CPixelCanvas canvas(40, 4, kBack);
    const CRect rcClip(0, 0, 30, 4);
    theme.GradientFillByIndex(canvas.DC(), CRect(0, 0, 40, 4), COLOR_3DSHADOW, COLOR_WINDOW, TRUE, rcClip);
    EXPECT_EQ(kRed, canvas.Pixel(0, 1));
    const COLORREF clrMiddle = canvas.Pixel(20, 1);
    EXPECT_TRUE(Between(GetRValue(clrMiddle), 0, 200) && Between(GetBValue(clrMiddle), 0, 200));
    EXPECT_EQ(kBack, canvas.Pixel(35, 1)) << "outside the clip";
}

TEST(PaintManagerDrawing, MakeRectOpaqueSetsAlphaOnlyInsideTheRectangle)
{
    CPixelCanvas canvas(10, 10, RGB(10, 20, 30));
    ASSERT_EQ(0, canvas.Alpha(4, 4)) << "GDI fills leave the alpha at 0";
    CZMRPaintManager::MakeRectOpaque(canvas.DC(), CRect(2, 2, 6, 6));
    EXPECT_EQ(255, canvas.Alpha(2, 2));
    EXPECT_EQ(255, canvas.Alpha(5, 5));
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(5, 5)) << "the colour stays";
    EXPECT_EQ(0, canvas.Alpha(6, 6));
    EXPECT_EQ(0, canvas.Alpha(1, 3));
    CZMRPaintManager::MakeRectOpaque(canvas.DC(), CRect(5, 5, 5, 9));   // empty: nothing to do
}

// ---------------------------------------------------------------- glyphs

TEST(PaintManagerGlyphs, CheckMarkIsTwoPolylinesAndBoldAddsAThirdRow)
{
    CDrawTheme theme;
    CPixelCanvas plain(16, 16, kBack), bold(16, 16, kBack);
    theme.DrawCheckMark(plain.DC(), CRect(0, 0, 16, 16), TRUE, COLOR_3DSHADOW);
    // Centre (8, 8): (4, 7)-(6, 9)-(11, 4) and one pixel lower.
    for (auto pt : {std::make_pair(4, 7), {5, 8}, {4, 8}, {6, 10}, {8, 7}, {10, 5}, {10, 6}})
        EXPECT_EQ(kRed, plain.Pixel(pt.first, pt.second)) << pt.first << "," << pt.second;
    EXPECT_EQ(kBack, plain.Pixel(11, 4)) << "a polyline leaves out its last point";
    EXPECT_EQ(kBack, plain.Pixel(6, 11));

    theme.m_bBoldCheckMark = TRUE;
    theme.DrawCheckMark(bold.DC(), CRect(0, 0, 16, 16), TRUE, COLOR_3DSHADOW);
    EXPECT_EQ(kRed, bold.Pixel(6, 11));
    auto plainPixels = PixelsOf(plain, 16, 16, kRed), boldPixels = PixelsOf(bold, 16, 16, kRed);
    for (auto pt : plainPixels)
        EXPECT_TRUE(boldPixels.count(pt)) << "the bold mark covers the plain one";
}

TEST(PaintManagerGlyphs, CheckMarkOnARightToLeftContextIsTheMirroredShape)
{
    CDrawTheme theme;
    CPixelCanvas mirrored(16, 16, kBack), reference(16, 16, kBack);
    theme.DrawCheckMarkShape(reference.DC(), CRect(0, 0, 16, 16), kRed, TRUE);
    EXPECT_EQ(kRed, reference.Pixel(8, 9)) << "(cx - 4, cy - 3)-(cx, cy + 1)-(cx + 3, cy - 2)";
    EXPECT_EQ(kBack, reference.Pixel(5, 8));

    mirrored.DC()->SetLayout(LAYOUT_RTL);
    theme.DrawCheckMark(mirrored.DC(), CRect(0, 0, 16, 16), TRUE, kRed);
    // Flipping the device pixels back gives the right-to-left shape.
    std::set<std::pair<int, int>> flipped;
    for (auto pt : PixelsOf(mirrored, 16, 16, kRed))
        flipped.insert({15 - pt.first, pt.second});
    EXPECT_EQ(PixelsOf(reference, 16, 16, kRed), flipped);
}

TEST(PaintManagerGlyphs, RadioDotIsASolidDiscWithASoftEdge)
{
    CDrawTheme theme;
    CPixelCanvas canvas(13, 13, kBack);
    theme.DrawRadioDot(canvas.DC(), CRect(0, 0, 13, 13), TRUE, kRed);
    // The 6 x 6 box from (3, 3) to (9, 9), centre (5.5, 5.5), radius 2.25.
    EXPECT_EQ(kRed, canvas.Pixel(5, 5));
    EXPECT_EQ(kRed, canvas.Pixel(6, 6));
    const COLORREF clrEdge = canvas.Pixel(3, 5);   // 2.55 from the centre
    EXPECT_TRUE(Between(GetRValue(clrEdge), 1, 200)) << std::hex << clrEdge;
    EXPECT_EQ(kBack, canvas.Pixel(3, 3)) << "beyond radius + 1";
    EXPECT_EQ(kBack, canvas.Pixel(9, 6)) << "the box's right edge is outside";
    EXPECT_EQ(kBack, canvas.Pixel(6, 9));
}

TEST(PaintManagerGlyphs, AntialiasedDiscBlendsTheRimIntoTheFillAndTheBackground)
{
    CDrawTheme theme;
    CPixelCanvas canvas(13, 13, RGB(0, 0, 100));
    theme.DrawAntialiasedDisc(canvas.DC(), 0, 0, 13, 13, kRed, kGreen);
    // Radius 5.75 around (6, 6).
    struct Case
    {
        int x, y;
        COLORREF clr;
    } cases[] = {
        {6, 6, kGreen},                                  // inside r - 1: the fill
        {6, 2, kGreen},                                  // distance 4
        {6, 1, RGB(50, 120, 0)},                         // distance 5: 0.75 of the way from rim to fill
        {6, 0, RGB(150, 0, 25)},                         // distance 6: 0.25 of the way to the background
        {0, 0, RGB(0, 0, 100)},                          // beyond r + 1: untouched
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.clr, canvas.Pixel(c.x, c.y)) << c.x << "," << c.y;
}

TEST(PaintManagerGlyphs, DropDownTriangleHalfWidthFollowsTheRectangle)
{
    CDrawTheme theme;
    struct Case
    {
        int nWidth;
        int nHalf;
    } cases[] = {{10, 2}, {20, 6}, {6, 2}};
    for (const Case& c : cases)
    {
        CPixelCanvas canvas(24, 24, kBack);
        const CRect rc(0, 0, c.nWidth, c.nWidth);
        theme.DrawDropDownTriangle(canvas.DC(), rc, COLOR_3DSHADOW);
        const int cx = c.nWidth / 2, y = c.nWidth / 2 - c.nHalf / 2;
        EXPECT_EQ(kRed, canvas.Pixel(cx - c.nHalf, y)) << c.nWidth;
        EXPECT_EQ(kRed, canvas.Pixel(cx + c.nHalf, y)) << c.nWidth;
        EXPECT_EQ(kRed, canvas.Pixel(cx, y + c.nHalf)) << c.nWidth;
        EXPECT_EQ(kBack, canvas.Pixel(cx + c.nHalf + 1, y)) << c.nWidth;
        EXPECT_EQ(kBack, canvas.Pixel(cx, y + c.nHalf + 1)) << c.nWidth;
        EXPECT_EQ(kBack, canvas.Pixel(cx, y - 1)) << c.nWidth;
    }
}

TEST(PaintManagerGlyphs, PopupArrowTakesTheToolBarStateColour)
{
    typedef std::vector<std::pair<int, int>> Points;
    struct Case
    {
        int nSelected;
        BOOL bPopped, bEnabled, bVertical;
        std::vector<int> stateArgs;
        Points on, off;
    } cases[] = {
        // Down: (x - 2, y - 1), (x + 2, y - 1), (x, y + 1) around (10, 10).
        {1, TRUE, FALSE, FALSE, {1, 0, FALSE, 0, TRUE, 1, 0}, {{8, 9}, {12, 9}, {10, 11}}, {{10, 8}, {10, 12}}},
        // Left: (x + 2, y - 2), (x + 2, y + 2), (x, y).
        {0, FALSE, TRUE, TRUE, {0, 0, TRUE, 0, FALSE, 1, 0}, {{12, 8}, {12, 12}, {10, 10}}, {{9, 10}, {13, 10}}},
    };
    for (const Case& c : cases)
    {
        CDrawTheme theme;
        CPixelCanvas canvas(20, 20, kBack);
        theme.DrawPopupArrow(canvas.DC(), nullptr, 10, 10, c.nSelected, c.bPopped, c.bEnabled, c.bVertical);
        EXPECT_EQ(c.stateArgs, theme.m_stateArgs) << "vertical " << c.bVertical;
        for (auto pt : c.on)
            EXPECT_EQ(kBlue, canvas.Pixel(pt.first, pt.second)) << pt.first << "," << pt.second;
        for (auto pt : c.off)
            EXPECT_EQ(kBack, canvas.Pixel(pt.first, pt.second)) << pt.first << "," << pt.second;
    }
}

TEST(PaintManagerGlyphs, CheckBoxAndRadioGlyphsMeasureThirteenAndDrawOnlyWhenAsked)
{
    CDrawTheme theme;
    CPixelCanvas canvas(16, 16, kBack);
    EXPECT_EQ(CSize(13, 13), theme.DrawCheckBoxGlyph(canvas.DC(), CRect(0, 0, 13, 13), FALSE, 0, 0, 1, TRUE));
    EXPECT_EQ(CSize(13, 13), theme.DrawRadioButtonGlyph(canvas.DC(), CRect(0, 0, 13, 13), FALSE, 0, 0, 1, TRUE));
    EXPECT_EQ(CSize(13, 13), theme.DrawCheckBoxGlyph(nullptr, CRect(0, 0, 13, 13), TRUE, 0, 0, 1, TRUE));
    EXPECT_EQ(std::vector<COLORREF>(256, kBack), Snapshot(canvas, 16, 16));
}

TEST(PaintManagerGlyphs, ClassicGlyphsShowCheckedPushedAndInactiveStates)
{
    CDrawTheme theme;
    // (checked, pressed, enabled) -> picture
    auto draw = [&](bool bRadio, int nChecked, int nPressed, BOOL bEnabled) {
        CPixelCanvas canvas(13, 13, kBack);
        if (bRadio)
            theme.DrawRadioButtonGlyph(canvas.DC(), CRect(0, 0, 13, 13), TRUE, 0, nPressed, nChecked, bEnabled);
        else
            theme.DrawCheckBoxGlyph(canvas.DC(), CRect(0, 0, 13, 13), TRUE, 0, nPressed, nChecked, bEnabled);
        return Snapshot(canvas, 13, 13);
    };
    for (bool bRadio : {false, true})
    {
        const auto plain = draw(bRadio, 0, 0, TRUE);
        EXPECT_NE(std::vector<COLORREF>(169, kBack), plain) << bRadio;
        EXPECT_NE(plain, draw(bRadio, 1, 0, TRUE)) << bRadio;
        EXPECT_NE(plain, draw(bRadio, 0, 1, TRUE)) << bRadio;
        EXPECT_NE(plain, draw(bRadio, 0, 0, FALSE)) << bRadio;
        // The third state shows as a checked glyph that is inactive.
        EXPECT_EQ(draw(bRadio, 1, 0, FALSE), draw(bRadio, 2, 0, TRUE)) << bRadio;
        EXPECT_NE(draw(bRadio, 1, 0, TRUE), draw(bRadio, 2, 0, TRUE)) << bRadio;
    }
}

// ---------------------------------------------------------------- with a visual-style library
//
// Wine's own styles do not answer every part the way the themed paths need
// to be checked, so a stand-in library records what it is asked and draws
// text plainly into the buffer it hands out.

namespace
{
struct StyleCalls
{
    std::vector<std::pair<int, int>> backgrounds;   // part, state
    std::vector<std::wstring> classes;
    std::vector<DWORD> textOptionFlags;
    std::vector<COLORREF> textColors;
    int nBuffersBegun = 0;
    int nBuffersEnded = 0;
    int nOpen = 0;
    bool bGiveBuffer = true;
} g_style;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR lpszClass)
{
    g_style.classes.push_back(lpszClass);
    g_style.nOpen++;
    return reinterpret_cast<HTHEME>(0x77);
}
HRESULT WINAPI FakeCloseThemeData(HTHEME)
{
    g_style.nOpen--;
    return S_OK;
}
BOOL WINAPI FakeTrue() { return TRUE; }
HRESULT WINAPI FakeDrawThemeBackground(HTHEME, HDC, int nPart, int nState, LPCRECT, LPCRECT)
{
    g_style.backgrounds.push_back({nPart, nState});
    return S_OK;
}
HPAINTBUFFER WINAPI FakeBeginBufferedPaint(HDC hdcTarget, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC* phdc)
{
    g_style.nBuffersBegun++;
    if (!g_style.bGiveBuffer)
        return nullptr;
    *phdc = hdcTarget;   // the target itself stands in for the buffer
    return reinterpret_cast<HPAINTBUFFER>(0x88);
}
HRESULT WINAPI FakeEndBufferedPaint(HPAINTBUFFER, BOOL)
{
    g_style.nBuffersEnded++;
    return S_OK;
}
HRESULT WINAPI FakeDrawThemeTextEx(HTHEME, HDC hDC, int, int, LPCWSTR pszText, int cchText, DWORD dwFlags,
                                   LPRECT pRect, const DTTOPTS* pOptions)
{
    g_style.textOptionFlags.push_back(pOptions->dwFlags);
    g_style.textColors.push_back(pOptions->crText);
    const COLORREF clrOld = ::SetTextColor(hDC, pOptions->crText);
    ::DrawTextW(hDC, pszText, cchText, pRect, dwFlags);
    ::SetTextColor(hDC, clrOld);
    return S_OK;
}

class WithVisualStyles : public ::testing::Test
{
protected:
    WithVisualStyles()
        : m_styles({{"OpenThemeData", reinterpret_cast<void*>(FakeOpenThemeData)},
                    {"CloseThemeData", reinterpret_cast<void*>(FakeCloseThemeData)},
                    {"IsThemeActive", reinterpret_cast<void*>(FakeTrue)},
                    {"IsAppThemed", reinterpret_cast<void*>(FakeTrue)},
                    {"DrawThemeBackground", reinterpret_cast<void*>(FakeDrawThemeBackground)},
                    {"BeginBufferedPaint", reinterpret_cast<void*>(FakeBeginBufferedPaint)},
                    {"EndBufferedPaint", reinterpret_cast<void*>(FakeEndBufferedPaint)},
                    {"DrawThemeTextEx", reinterpret_cast<void*>(FakeDrawThemeTextEx)}})
    {
        g_style = StyleCalls();
    }
    void TearDown() override
    {
        // Every handle the helpers opened is closed again while the stand-in is in place.
        m_theme.m_themeButton.CloseThemeData();
        EXPECT_EQ(0, g_style.nOpen);
    }

    CStandInVisualStyles m_styles;
    CDrawTheme m_theme;
};
} // namespace

TEST_F(WithVisualStyles, GlyphStatesFollowSelectionPressAndCheck)
{
    m_theme.m_bUseButtonTheme = TRUE;
    m_theme.m_themeButton.OpenThemeData(nullptr, L"BUTTON");
    struct Case
    {
        int nSelected, nPressed, nChecked;
        BOOL bEnabled;
        int nState;
    } cases[] = {
        {0, 0, 0, TRUE, 1},  {1, 0, 0, TRUE, 2},  {1, 1, 0, TRUE, 3},  {0, 1, 0, TRUE, 1},
        {0, 0, 0, FALSE, 4}, {1, 1, 0, FALSE, 4}, {0, 0, 1, TRUE, 5},  {1, 1, 1, TRUE, 7},
        {0, 0, 2, TRUE, 9},  {1, 0, 2, TRUE, 10}, {0, 0, 1, FALSE, 8}, {0, 0, 2, FALSE, 12},
    };
    CPixelCanvas canvas(13, 13);
    for (const Case& c : cases)
    {
        g_style.backgrounds.clear();
        m_theme.DrawCheckBoxGlyph(canvas.DC(), CRect(0, 0, 13, 13), TRUE, c.nSelected, c.nPressed, c.nChecked,
                                  c.bEnabled);
        m_theme.DrawRadioButtonGlyph(canvas.DC(), CRect(0, 0, 13, 13), TRUE, c.nSelected, c.nPressed, c.nChecked,
                                     c.bEnabled);
        const std::vector<std::pair<int, int>> expected = {{3, c.nState}, {2, c.nState}};
        EXPECT_EQ(expected, g_style.backgrounds)
            << c.nSelected << c.nPressed << c.nChecked << c.bEnabled;
    }

    // With the switch off the open style is not used.
    m_theme.m_bUseButtonTheme = FALSE;
    g_style.backgrounds.clear();
    m_theme.DrawCheckBoxGlyph(canvas.DC(), CRect(0, 0, 13, 13), TRUE, 0, 0, 1, TRUE);
    EXPECT_TRUE(g_style.backgrounds.empty());
}

TEST_F(WithVisualStyles, TextOnGlassGoesThroughABufferWithTheCurrentTextColour)
{
    CPixelCanvas canvas(60, 20, kBack);
    canvas.DC()->SetTextColor(kRed);
    CZMRPaintManager::DrawTextComposited(canvas.DC(), L"Wg", CRect(0, 0, 60, 20), DT_SINGLELINE, TRUE);
    EXPECT_EQ(std::vector<std::wstring>{L"GLOBALS"}, g_style.classes);
    EXPECT_EQ(1, g_style.nBuffersBegun);
    EXPECT_EQ(1, g_style.nBuffersEnded);
    EXPECT_EQ(std::vector<DWORD>{DTT_COMPOSITED | DTT_TEXTCOLOR}, g_style.textOptionFlags);
    EXPECT_EQ(std::vector<COLORREF>{kRed}, g_style.textColors);
    EXPECT_FALSE(PixelsOf(canvas, 60, 20, kRed).empty());

    // Off glass: plain text, no style.
    g_style = StyleCalls();
    CZMRPaintManager::DrawTextComposited(canvas.DC(), L"Wg", CRect(0, 0, 60, 20), DT_SINGLELINE, FALSE);
    EXPECT_TRUE(g_style.classes.empty());
}

TEST_F(WithVisualStyles, TextOnGlassWithoutABufferIsStillDrawn)
{
    g_style.bGiveBuffer = false;
    CPixelCanvas canvas(60, 20, kBack);
    canvas.DC()->SetTextColor(kRed);
    CZMRPaintManager::DrawTextComposited(canvas.DC(), L"Wg", CRect(0, 0, 60, 20), DT_SINGLELINE, TRUE);
    EXPECT_EQ(1, g_style.nBuffersBegun);
    EXPECT_EQ(0, g_style.nBuffersEnded);
    EXPECT_TRUE(g_style.textOptionFlags.empty());
    EXPECT_FALSE(PixelsOf(canvas, 60, 20, kRed).empty());
}

// ---------------------------------------------------------------- text

TEST(PaintManagerText, ItemLabelMeasuresWithoutDrawingAndIsAlwaysOneCentredLine)
{
    CDrawTheme theme;
    CPixelCanvas canvas(80, 40, kBack);
    canvas.DC()->SetTextColor(kRed);
    canvas.DC()->SetBkMode(TRANSPARENT);
    TEXTMETRIC tm;
    canvas.DC()->GetTextMetrics(&tm);
    // The system reports where the vertically centred line ends: in a
    // rectangle one line high, the height of one line.
    EXPECT_EQ(tm.tmHeight,
              theme.DrawItemLabel(canvas.DC(), L"Wg\nxy", CRect(0, 0, 80, tm.tmHeight), DT_LEFT, FALSE, 0, TRUE));
    const int nMeasured = theme.DrawItemLabel(canvas.DC(), L"Wg", CRect(0, 0, 80, 40), DT_LEFT, FALSE, 0, TRUE);
    EXPECT_EQ(std::vector<COLORREF>(80 * 40, kBack), Snapshot(canvas, 80, 40)) << "measuring draws nothing";
    EXPECT_EQ(nMeasured, theme.DrawItemLabel(canvas.DC(), L"Wg", CRect(0, 0, 80, 40), DT_LEFT, TRUE, 0, TRUE));
    auto pixels = PixelsOf(canvas, 80, 40, kRed);
    ASSERT_FALSE(pixels.empty());
    for (auto pt : pixels)
        EXPECT_TRUE(pt.second >= (40 - tm.tmHeight) / 2 - 1 && pt.second <= (40 + tm.tmHeight) / 2 + 1)
            << "vertically centred: " << pt.second;
}

TEST(PaintManagerText, DisabledLabelsAreEmbossedOnlyWhenUnselectedAndSwitchedOn)
{
    struct Case
    {
        int nSelected;
        BOOL bEnabled, bEmboss;
        bool bEmbossed;
    } cases[] = {
        {0, FALSE, TRUE, true}, {0, FALSE, FALSE, false}, {1, FALSE, TRUE, false}, {0, TRUE, TRUE, false},
    };
    for (const Case& c : cases)
    {
        CDrawTheme theme;
        theme.m_bEmbossDisabledText = c.bEmboss;
        CPixelCanvas canvas(60, 20, kBack);
        canvas.DC()->SetTextColor(kRed);
        canvas.DC()->SetBkMode(TRANSPARENT);
        theme.DrawItemLabel(canvas.DC(), L"Wg", CRect(0, 0, 60, 20), 0, TRUE, c.nSelected, c.bEnabled);
        EXPECT_EQ(c.bEmbossed, !PixelsOf(canvas, 60, 20, kGreen).empty()) << c.nSelected << c.bEnabled << c.bEmboss;
        EXPECT_FALSE(PixelsOf(canvas, 60, 20, kRed).empty());
        EXPECT_EQ(kRed, canvas.DC()->GetTextColor()) << "the text colour is restored";
    }
}

TEST(PaintManagerText, ControlCaptionUnderlinesOnlyWithCuesAndHorizontally)
{
    CDrawTheme theme;
    auto draw = [&](const wchar_t* pszCaption, const wchar_t* pszPlain, BOOL bVertical, BOOL bCentered,
                    BOOL bEmbossed, BOOL bCues) {
        CPixelCanvas canvas(80, 20, kBack);
        canvas.DC()->SetTextColor(kRed);
        canvas.DC()->SetBkMode(TRANSPARENT);
        theme.DrawControlCaptionText(canvas.DC(), pszCaption, pszPlain, CRect(0, 0, 80, 20), bVertical, bCentered,
                                     bEmbossed, bCues, FALSE);
        EXPECT_EQ(kRed, canvas.DC()->GetTextColor());
        return Snapshot(canvas, 80, 20);
    };
    auto plainText = [&](const wchar_t* pszText, UINT nFormat) {
        CPixelCanvas canvas(80, 20, kBack);
        canvas.DC()->SetTextColor(kRed);
        canvas.DC()->SetBkMode(TRANSPARENT);
        CRect rc(0, 0, 80, 20);
        canvas.DC()->DrawText(pszText, rc, nFormat);
        return Snapshot(canvas, 80, 20);
    };

    const UINT nLine = DT_SINGLELINE | DT_VCENTER;
    EXPECT_EQ(plainText(L"&File", nLine), draw(L"&File", L"File", FALSE, FALSE, FALSE, TRUE));
    EXPECT_EQ(plainText(L"File", nLine | DT_NOPREFIX), draw(L"&File", L"File", FALSE, FALSE, FALSE, FALSE));
    EXPECT_NE(plainText(L"File", nLine), plainText(L"&File", nLine)) << "the cue shows";
    EXPECT_EQ(plainText(L"File", nLine | DT_CENTER | DT_NOPREFIX), draw(L"&File", L"File", FALSE, TRUE, FALSE, FALSE));

    // Vertical captions never show cues.
    EXPECT_EQ(plainText(L"File", DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP),
              draw(L"&File", L"File", TRUE, FALSE, FALSE, TRUE));

    // Embossed: a highlight copy one pixel right and down, under the caption.
    const auto embossed = draw(L"&File", L"File", FALSE, FALSE, TRUE, FALSE);
    const auto flat = draw(L"&File", L"File", FALSE, FALSE, FALSE, FALSE);
    for (size_t i = 0; i < flat.size(); i++)
    {
        if (flat[i] == kRed)
        {
            EXPECT_EQ(kRed, embossed[i]);
        }
    }
    bool bHighlight = false;
    for (COLORREF clr : embossed)
        bHighlight = bHighlight || clr == kGreen;
    EXPECT_TRUE(bHighlight);
}

TEST(PaintManagerText, SplitCaptionInTwoBreaksAtTheSpaceNearestTheMiddle)
{
    struct Case
    {
        const wchar_t* pszCaption;
        const wchar_t* pszFirst;
        const wchar_t* pszSecond;
    } cases[] = {
        {L"Abcde fghijkl", L"Abcde", L"fghijkl"},            // middle 6: 6, 7, then 5
        {L"Open Recent File", L"Open Recent", L"File"},      // 11 is nearer the middle 8 than 4
        {L"Save As", L"Save", L"As"},
        {L"Insert &Table", L"Insert", L"&Table"},            // markers stay with their line
        {L"NoSpacesHere", L"NoSpacesHere", L""},
        {L" leading", L" leading", L""},                     // the only space at position 0
        {L"A bcdefghij", L"A bcdefghij", L""},               // its space lies outside the range tried
        {L"a b", L"a b", L""},                               // three characters or fewer
        {L"", L"", L""},
    };
    for (const Case& c : cases)
    {
        CString strFirst = L"x", strSecond = L"y";
        CZMRPaintManager::SplitCaptionInTwo(c.pszCaption, strFirst, strSecond);
        EXPECT_STREQ(c.pszFirst, strFirst.GetString()) << c.pszCaption;
        EXPECT_STREQ(c.pszSecond, strSecond.GetString()) << c.pszCaption;
    }

    CString strCaption = L"&File && &Edit";
    CZMRPaintManager::RemoveMnemonicMarkers(strCaption);
    EXPECT_STREQ(L"File & Edit", strCaption.GetString());
}

// ---------------------------------------------------------------- control metrics

TEST(PaintManagerMetrics, SplitArrowWidthFromTheRawBaseHeight)
{
    struct Case
    {
        int nBaseHeight, nFixedHeight, nWidth;
    } cases[] = {{19, 0, 27}, {30, 0, 49}, {19, 20, 21}, {0, 0, 27}, {30, 1, 43}};
    CDrawTheme theme;
    for (const Case& c : cases)
    {
        theme.m_nBaseHeight = c.nBaseHeight;
        theme.m_nFixedControlHeight = c.nFixedHeight;
        EXPECT_EQ(c.nWidth, theme.GetSplitArrowWidth()) << c.nBaseHeight << "/" << c.nFixedHeight;
    }
}
