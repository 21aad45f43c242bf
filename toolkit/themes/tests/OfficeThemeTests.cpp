// The Office theme drawn into memory canvases and read back at the pixels
// its look fixes. Every colour-table entry has a colour of its own, so each
// expected pixel names the entry the look calls for.
#include "CZMROfficeTheme.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlEdit.h"
#include "CZMRControlButton.h"
#include "CZMRPopupBar.h"
#include "CZMRShadowManager.h"
#include "ThemeTestSupport.h"
#include <algorithm>
#include <memory>

using namespace themetest;

namespace
{
typedef CDistinct<CZMROfficeTheme> CTheme;
typedef CBar<CTheme> CThemeBar;
const COLORREF kNone = COLORREF(-1);
} // namespace

// ---------------------------------------------------------------- the theme object

TEST(OfficeTheme, FactoryNumbersAndSettings)
{
    struct Case
    {
        int nTheme, nKind;
    };
    // Numbers the factory does not know get the Default theme.
    for (const Case& c : {Case{1, 1}, Case{0, 0}, Case{3, 3}, Case{42, 0}})
    {
        CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(c.nTheme);
        EXPECT_EQ(c.nKind, pTheme->GetThemeKind()) << c.nTheme;
        EXPECT_EQ(c.nTheme == 1, pTheme->GetThemeKind() == 1) << c.nTheme;
        pTheme->InternalRelease();
    }
    CZMROfficeTheme theme;
    EXPECT_TRUE(theme.m_bFlatMenuBar);
    EXPECT_FALSE(theme.m_bFlatToolBar);
    EXPECT_TRUE(theme.m_bFadeIcons);
    EXPECT_TRUE(theme.m_bHotIconShadow);
    EXPECT_TRUE(theme.m_bDisabledIconsFromImage);
    EXPECT_TRUE(theme.m_bDisabledIconsFromColors);
    EXPECT_FALSE(theme.m_bEmbossDisabledText);
    EXPECT_FALSE(theme.m_bPopupStateHighlight);
    EXPECT_EQ(8, theme.m_nTextGap);
    EXPECT_EQ(3u, theme.m_pShadowManager->m_dwOptions);
}

// ---------------------------------------------------------------- states

TEST(OfficeTheme, StateHighlightFillAndFrameByState)
{
    struct Case
    {
        const char* pszName;
        int nSelected, nPressed, bEnabled, nChecked, bPopped, nPosition;
        COLORREF nFill, nFrame;   // kNone: not drawn
    };
    const Case cases[] = {
        {"popped", 0, 0, 1, 0, 1, 0, 30, 43},
        {"popped wins over checked and hot", 1, 1, 1, 1, 1, 0, 30, 43},
        {"hot", 1, 0, 1, 0, 0, 0, 31, 32},
        {"pressed alone", 0, 1, 1, 0, 0, 0, 31, 32},
        {"hot and pressed", 1, 1, 1, 0, 0, 0, 33, 50},
        {"pressed while running", 0, 2, 1, 0, 0, 0, 33, 50},
        {"checked, not hot", 0, 0, 1, 1, 0, 0, 36, 37},
        {"checked and hot", 1, 0, 1, 1, 0, 0, 33, 50},
        {"indeterminate, not hot", 0, 0, 1, 2, 0, 0, 51, 37},
        {"indeterminate and hot", 1, 0, 1, 2, 0, 0, 33, 50},
        {"checked and pressed", 0, 1, 1, 1, 0, 0, 31, 32},
        {"idle", 0, 0, 1, 0, 0, 0, kNone, kNone},
        {"disabled, keyboard selected", 2, 0, 0, 0, 0, 0, 31, 32},
        {"disabled, checked, keyboard selected", 3, 0, 0, 1, 0, 0, 33, 32},
        {"disabled, keyboard selected, popup position", 2, 0, 0, 1, 0, 5, 41, 32},
        {"disabled and checked", 0, 0, 0, 1, 0, 0, 36, 58},
        {"disabled and checked, popup position", 0, 0, 0, 1, 0, 5, kNone, 58},
        {"disabled and hot", 1, 0, 0, 0, 0, 0, kNone, kNone},
        {"disabled and popped", 0, 0, 0, 0, 1, 0, kNone, kNone},
    };
    for (const Case& c : cases)
    {
        CTheme theme;
        CPixelCanvas canvas(14, 14, kBack);
        theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 12, 12), c.nSelected, c.nPressed, c.bEnabled, c.nChecked,
                                 c.bPopped, zmrBarTypeNormal, c.nPosition);
        const COLORREF frame = c.nFrame == kNone ? kBack : Entry(c.nFrame);
        const COLORREF fill = c.nFill == kNone ? kBack : Entry(c.nFill);
        EXPECT_EQ(frame, canvas.Pixel(2, 2)) << c.pszName;
        EXPECT_EQ(frame, canvas.Pixel(11, 11)) << c.pszName;
        EXPECT_EQ(fill, canvas.Pixel(6, 6)) << c.pszName;
        EXPECT_EQ(kBack, canvas.Pixel(1, 1)) << c.pszName;
    }
}

TEST(OfficeTheme, StateTextColours)
{
    CTheme theme;
    struct Case
    {
        int nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nPosition;
        COLORREF expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 2, 5, 35}, {1, 0, 1, 0, 0, 2, 5, 45}, {0, 0, 1, 1, 0, 2, 5, 44},
        {1, 0, 0, 0, 1, 1, 0, 60}, {0, 0, 1, 0, 1, 1, 0, 46}, {0, 0, 1, 1, 0, 1, 0, 45},
        {0, 2, 1, 0, 0, 1, 0, 47}, {1, 1, 1, 0, 0, 1, 0, 47}, {1, 0, 1, 1, 0, 1, 0, 47},
        {1, 0, 1, 0, 0, 1, 0, 45}, {0, 1, 1, 0, 0, 1, 0, 45}, {0, 0, 1, 0, 0, 1, 5, 44},
        {0, 0, 1, 0, 0, 0, 0, 46},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, theme.GetStateTextColor(c.nSelected, c.nPressed, c.bEnabled, c.nChecked, c.bPopped,
                                                      c.nBarType, c.nPosition))
            << c.nSelected << c.nPressed << c.bEnabled << c.nChecked << c.bPopped << c.nBarType << c.nPosition;
}

// ---------------------------------------------------------------- bars

TEST(OfficeTheme, BarBackgroundsWithTheirRoundedCorners)
{
    const int w = 60, h = 30;
    // Docked, drawn raised: fill 30 in a frame of 15, with the pixels one in
    // from each corner in 15.
    {
        CThemeBar bar(zmrBarTypeNormal, zmrBarTop, CSize(w, h));
        CPixelCanvas canvas(w, h, kBack);
        bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
        EXPECT_EQ(Entry(15), canvas.Pixel(0, 0));
        EXPECT_EQ(Entry(30), canvas.Pixel(30, 15));
        for (CPoint pt : {CPoint(1, 1), CPoint(w - 2, 1), CPoint(1, h - 2), CPoint(w - 2, h - 2)})
            EXPECT_EQ(Entry(15), canvas.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
        EXPECT_EQ(Entry(30), canvas.Pixel(2, 2));
        // Flat: face only.
        bar.m_pTheme->m_bFlatToolBar = TRUE;
        bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
        EXPECT_EQ(std::set<COLORREF>{Entry(15)}, ColoursIn(canvas, CRect(0, 0, w, h)));
    }
    // Floating: two frames in 61, the fill by bar type and look, and the
    // corner points as they have always been: (2, 2) inside the inner
    // frame, the other three on it.
    struct Case
    {
        int nType;
        BOOL bFlat;
        COLORREF nFill;
    };
    for (const Case& c : {Case{zmrBarTypeNormal, FALSE, 30}, Case{zmrBarTypeNormal, TRUE, 15},
                          Case{zmrBarTypePopup, FALSE, 41}})
    {
        CThemeBar bar(c.nType, zmrBarFloating, CSize(w, h));
        bar.m_pTheme->m_bFlatToolBar = c.bFlat;
        CPixelCanvas canvas(w, h, kBack);
        bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
        EXPECT_EQ(Entry(61), canvas.Pixel(0, 0)) << c.nFill;
        EXPECT_EQ(Entry(61), canvas.Pixel(1, 1)) << c.nFill;
        EXPECT_EQ(Entry(61), canvas.Pixel(2, 2)) << c.nFill;
        EXPECT_EQ(Entry(61), canvas.Pixel(w - 2, 2)) << c.nFill;
        EXPECT_EQ(Entry(c.nFill), canvas.Pixel(3, 3)) << c.nFill;
        EXPECT_EQ(Entry(c.nFill), canvas.Pixel(w - 3, 2)) << "no rounding at the right";
        EXPECT_EQ(Entry(c.nFill), canvas.Pixel(w - 3, h - 3)) << c.nFill;
        EXPECT_EQ(Entry(c.nFill), canvas.Pixel(3, h - 3)) << c.nFill;
    }
    // Popup position: fill 41, frame 43.
    {
        CThemeBar bar(zmrBarTypePopup, zmrBarPopup, CSize(w, h));
        CPixelCanvas canvas(w, h, kBack);
        bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
        EXPECT_EQ(Entry(43), canvas.Pixel(0, 0));
        EXPECT_EQ(Entry(43), canvas.Pixel(w - 1, h - 1));
        EXPECT_EQ(Entry(41), canvas.Pixel(1, 1));
    }
}

namespace
{
// A tool bar window with a button, and a popup of that button placed just
// below it, overlapping its last row by one pixel (as the avoid rectangle
// has it).
template <class TTheme>
struct CJoinFixture
{
    CJoinFixture() : bar(zmrBarTypeNormal, zmrBarTop)
    {
        bar.m_pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(100, 100, 300, 130), nullptr, 0);
        pButton = bar.Add(zmrControlPopup, 0, L"File", zmrButtonCaption);
        pButton->SetRect(CRect(10, 2, 50, 24));
        pPopup = new CZMRPopupBar;
        pPopup->SetPaintManager(bar.m_pTheme);
        pPopup->SetType(zmrBarTypePopup);
        pPopup->SetPosition(zmrBarPopup);
        pPopup->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(110, 123, 260, 223), nullptr, 0);
        pPopup->SetControlPopup(pButton);
    }
    ~CJoinFixture()
    {
        pPopup->SetControlPopup(nullptr);
        pPopup->DestroyWindow();
        pPopup->InternalRelease();
    }
    CBar<TTheme> bar;
    CZMRControl* pButton;
    CZMRPopupBar* pPopup;
};
} // namespace

TEST(OfficeTheme, PopupFrameOpensWhereItTouchesItsButton)
{
    CJoinFixture<CTheme> join;
    CPixelCanvas canvas(150, 100, kBack);
    join.bar.m_pTheme->PaintBarBackground(canvas.DC(), join.pPopup);
    // The shared row is x 0..39 in the popup; less a pixel at each end.
    EXPECT_EQ(Entry(43), canvas.Pixel(0, 0));
    EXPECT_EQ(Entry(30), canvas.Pixel(1, 0));
    EXPECT_EQ(Entry(30), canvas.Pixel(38, 0));
    EXPECT_EQ(Entry(43), canvas.Pixel(39, 0));
    EXPECT_EQ(Entry(41), canvas.Pixel(5, 1)) << "only the shared row";

    // An opener on a popup bar does not open the frame.
    join.bar.m_pBar->SetType(zmrBarTypePopup);
    join.bar.m_pTheme->PaintBarBackground(canvas.DC(), join.pPopup);
    EXPECT_EQ(Entry(43), canvas.Pixel(5, 0));
}

TEST(OfficeTheme, GrippersAndTheirSizes)
{
    // Docked at the top: dashes x 3..5 on every other row from 5 while the
    // row is above height - 5.
    CThemeBar top(zmrBarTypeNormal, zmrBarTop, CSize(40, 24));
    CPixelCanvas canvas(40, 24, kBack);
    EXPECT_EQ(CSize(6, 0), top.m_pTheme->DrawGripper(canvas.DC(), top.m_pBar, TRUE));
    EXPECT_EQ(CSize(6, 0), top.m_pTheme->DrawGripper(nullptr, top.m_pBar, FALSE));
    for (int y : {5, 7, 17})
    {
        EXPECT_EQ(Entry(38), canvas.Pixel(3, y)) << y;
        EXPECT_EQ(Entry(38), canvas.Pixel(5, y)) << y;
        EXPECT_EQ(kBack, canvas.Pixel(6, y)) << y;
    }
    EXPECT_EQ(kBack, canvas.Pixel(3, 6));
    EXPECT_EQ(kBack, canvas.Pixel(3, 19)) << "19 is not below 24 - 5";

    // Docked at the side: dashes y 3..5 on every other column.
    CThemeBar side(zmrBarTypeNormal, zmrBarLeft, CSize(24, 40));
    CPixelCanvas vertical(24, 40, kBack);
    EXPECT_EQ(CSize(0, 8), side.m_pTheme->DrawGripper(vertical.DC(), side.m_pBar, TRUE));
    EXPECT_EQ(Entry(38), vertical.Pixel(5, 3));
    EXPECT_EQ(Entry(38), vertical.Pixel(17, 5));
    EXPECT_EQ(kBack, vertical.Pixel(6, 4));
    EXPECT_EQ(kBack, vertical.Pixel(19, 4)) << "19 is not below 24 - 5";

    // A popup with its icon column: the column in 30 from the left border - 1.
    CThemeBar popup(zmrBarTypePopup, zmrBarPopup, CSize(120, 60));
    CPixelCanvas column(120, 60, kBack);
    EXPECT_EQ(CSize(0, 0), popup.m_pTheme->DrawGripper(column.DC(), popup.m_pBar, TRUE));
    const CRect rcBorders = popup.m_pBar->GetBorders();
    const int nColumn = popup.m_pTheme->GetPopupIconColumnWidth(popup.m_pBar);
    EXPECT_EQ(Entry(30), column.Pixel(rcBorders.left - 1, rcBorders.top));
    EXPECT_EQ(Entry(30), column.Pixel(rcBorders.left - 2 + nColumn, 60 - rcBorders.bottom - 1));
    EXPECT_EQ(kBack, column.Pixel(rcBorders.left - 1 + nColumn, 30));
    EXPECT_EQ(kBack, column.Pixel(rcBorders.left - 1, rcBorders.top - 1));

    // Dialog-bar gripper: 6 wide; the height follows the base height.
    for (int nBase : {17, 18, 24})
    {
        top.m_pTheme->m_nBaseHeight = nBase;
        const int hGripper = nBase >= 18 ? nBase + 4 : 22;
        CPixelCanvas dialog(10, 40, kBack);
        EXPECT_EQ(CSize(6, hGripper), top.m_pTheme->DrawDialogBarGripper(dialog.DC(), top.m_pBar, TRUE));
        EXPECT_EQ(Entry(38), dialog.Pixel(3, 6));
        EXPECT_EQ(Entry(38), dialog.Pixel(5, hGripper - 4));
        EXPECT_EQ(kBack, dialog.Pixel(3, hGripper - 2));
    }
}

TEST(OfficeTheme, SeparatorsMeasureSmallOnPopupsAndDrawOneLine)
{
    CThemeBar popup(zmrBarTypePopup, zmrBarPopup);
    CThemeBar top(zmrBarTypeNormal, zmrBarTop);
    CThemeBar left(zmrBarTypeNormal, zmrBarLeft);
    EXPECT_EQ(CSize(3, 3), popup.m_pTheme->DrawSeparator(nullptr, popup.m_pBar, nullptr, FALSE));
    EXPECT_EQ(CSize(6, 6), top.m_pTheme->DrawSeparator(nullptr, top.m_pBar, nullptr, FALSE));

    struct Case
    {
        CThemeBar* pBar;
        BOOL bWrap;
        CPoint ptOn, ptOff;
    };
    // Control (40, 20)-(80, 40) in the row (10, 18)-(110, 42).
    for (CThemeBar* pBar : {&popup, &top, &left})
        pBar->Add(zmrControlButton, 0, L"m");
    const int nColumn = popup.m_pTheme->GetPopupIconColumnWidth(popup.m_pBar);
    const Case cases[] = {
        {&popup, FALSE, CPoint(nColumn + 8 + 40 - 1, 18), CPoint(nColumn + 8 + 40 - 2, 18)},
        {&popup, TRUE, CPoint(38, 17), CPoint(37, 17)},
        {&top, FALSE, CPoint(36, 30), CPoint(37, 30)},
        {&top, TRUE, CPoint(60, 14), CPoint(60, 15)},
        {&left, FALSE, CPoint(50, 16), CPoint(50, 17)},
        {&left, TRUE, CPoint(112, 30), CPoint(112, 21)},
    };
    for (const Case& c : cases)
    {
        CZMRControl* pControl = c.pBar->m_pBar->GetControl(0);
        pControl->SetRect(CRect(40, 20, 80, 40));
        pControl->SetRowRect(CRect(10, 18, 110, 42));
        pControl->SetWrap(c.bWrap);
        CPixelCanvas canvas(120, 50, kBack);
        EXPECT_EQ(CSize(0, 0), c.pBar->m_pTheme->DrawSeparator(canvas.DC(), c.pBar->m_pBar, pControl, TRUE));
        EXPECT_EQ(Entry(39), canvas.Pixel(c.ptOn.x, c.ptOn.y)) << c.pBar->m_pBar->GetPosition() << c.bWrap;
        EXPECT_EQ(kBack, canvas.Pixel(c.ptOff.x, c.ptOff.y)) << c.pBar->m_pBar->GetPosition() << c.bWrap;
    }
}

TEST(OfficeTheme, AvoidRectanglesLookAtTheBarOnlyWhenThereIsOne)
{
    CThemeBar popup(zmrBarTypePopup, zmrBarPopup);
    CThemeBar top(zmrBarTypeNormal, zmrBarTop);
    CThemeBar left(zmrBarTypeNormal, zmrBarLeft);
    CThemeBar popupPositioned(zmrBarTypeNormal, zmrBarPopup);
    CThemeBar reducing(zmrBarTypeNormal, zmrBarPopup);
    reducing.m_pBar->SetFlags(zmrBarFlagReducing);
    // A control no bar holds: it has no bar to read.
    CZMRControl* pLoose = new CZMRControlButton;
    struct Case
    {
        const char* pszName;
        CZMRControl* pControl;
        CRect expected;
    };
    const Case cases[] = {
        {"popup item", popup.Add(zmrControlPopup, 1, L"Item"), CRect(9, 10, 21, 20)},
        {"horizontal bar", top.Add(zmrControlPopup, 1, L"Button"), CRect(10, 11, 20, 19)},
        {"vertical bar", left.Add(zmrControlPopup, 1, L"Button"), CRect(11, 10, 19, 20)},
        {"popup position", popupPositioned.Add(zmrControlPopup, 1, L"Button"), CRect(11, 10, 19, 20)},
        {"popup position, reducing", reducing.Add(zmrControlPopup, 1, L"Button"), CRect(10, 11, 20, 19)},
        {"combo box", top.Add(zmrControlComboBox, 2, L"Combo"), CRect(10, 10, 20, 20)},
        {"no bar", pLoose, CRect(10, 10, 20, 20)},
        {"no control", nullptr, CRect(10, 10, 20, 20)},
    };
    for (const Case& c : cases)
    {
        CRect rc(10, 10, 20, 20);
        top.m_pTheme->AdjustAvoidRect(rc, c.pControl, FALSE);
        EXPECT_EQ(c.expected, rc) << c.pszName;
    }
    pLoose->InternalRelease();
}

// ---------------------------------------------------------------- popup parts

TEST(OfficeTheme, TearOffStripShowsGripLinesFromTwentyTwoPixels)
{
    struct Case
    {
        int nWidth;
        BOOL bHot;
        bool bLines;
    };
    for (const Case& c : {Case{21, FALSE, false}, Case{22, FALSE, true}, Case{80, FALSE, true}, Case{80, TRUE, true}})
    {
        CTheme theme;
        CPixelCanvas canvas(100, 12, kBack);
        EXPECT_EQ(CSize(0, 9), theme.DrawTearOffHandle(canvas.DC(), CRect(0, 0, c.nWidth, 9), c.bHot, TRUE));
        EXPECT_EQ(kBack, canvas.Pixel(0, 0)) << c.nWidth;
        EXPECT_EQ(Entry(41), canvas.Pixel(1, 1)) << "the outer strip";
        const int mid = (2 + c.nWidth) / 2;
        const int h = c.nWidth / 2 > 26 ? 16 : c.nWidth / 2 - 10;
        if (c.bHot)
        {
            EXPECT_EQ(Entry(32), canvas.Pixel(2, 2));
            EXPECT_EQ(Entry(31), canvas.Pixel(4, 5));
            EXPECT_EQ(Entry(45), canvas.Pixel(mid - h, 4));
            EXPECT_EQ(Entry(45), canvas.Pixel(mid + h - 1, 6));
            EXPECT_EQ(Entry(31), canvas.Pixel(mid, 5));
            continue;
        }
        EXPECT_EQ(Entry(30), canvas.Pixel(2, 2)) << c.nWidth;
        for (int y : {3, 5, 7})
            EXPECT_EQ(c.bLines ? Entry(38) : Entry(30), canvas.Pixel(mid, y)) << c.nWidth << " y " << y;
        EXPECT_EQ(Entry(30), canvas.Pixel(mid, 4));
        if (c.bLines)
        {
            EXPECT_EQ(Entry(38), canvas.Pixel(mid - h, 3));
            EXPECT_EQ(Entry(30), canvas.Pixel(mid - h - 1, 3));
        }
    }
}

TEST(OfficeTheme, StatusPaneDividerAndEdge)
{
    CTheme theme;
    CPixelCanvas canvas(40, 20, kBack);
    theme.PaintStatusPaneDivider(canvas.DC(), CRect(10, 2, 30, 18), nullptr, FALSE);
    EXPECT_EQ(Entry(16), canvas.Pixel(10, 2));
    EXPECT_EQ(Entry(16), canvas.Pixel(29, 17));
    EXPECT_EQ(kBack, canvas.Pixel(11, 3));
    theme.PaintStatusPaneEdge(canvas.DC(), CRect(10, 2, 30, 18), nullptr);
    EXPECT_EQ(Entry(39), canvas.Pixel(8, 2));
    EXPECT_EQ(Entry(39), canvas.Pixel(8, 17));
    EXPECT_EQ(kBack, canvas.Pixel(8, 18));
    EXPECT_EQ(kBack, canvas.Pixel(9, 10));
}

TEST(OfficeTheme, CheckBoxAndRadioGlyphsByState)
{
    struct Case
    {
        int nSelected, nPressed, nChecked;
        BOOL bEnabled;
        COLORREF nFrame, nFill, nMark;   // kNone: nothing there
    };
    const Case cases[] = {
        {0, 0, 1, TRUE, 52, 5, 18},  {1, 0, 0, TRUE, 32, 31, kNone}, {0, 1, 1, TRUE, 32, 31, 18},
        {1, 1, 1, TRUE, 32, 33, 18}, {0, 0, 2, TRUE, 52, 5, 35},     {0, 0, 1, FALSE, 35, kNone, 35},
    };
    for (const Case& c : cases)
    {
        CTheme theme;
        CPixelCanvas box(13, 13, kBack);
        EXPECT_EQ(CSize(13, 13),
                  theme.DrawCheckBoxGlyph(box.DC(), CRect(0, 0, 13, 13), TRUE, c.nSelected, c.nPressed, c.nChecked,
                                          c.bEnabled));
        EXPECT_EQ(Entry(c.nFrame), box.Pixel(0, 0));
        EXPECT_EQ(c.nFill == kNone ? kBack : Entry(c.nFill), box.Pixel(2, 10));
        // The tick: its corner column x = 5 covers rows 7 to 9, the long arm
        // ends at x = 9 on rows 3 to 5.
        const COLORREF mark = c.nMark == kNone ? (c.nFill == kNone ? kBack : Entry(c.nFill)) : Entry(c.nMark);
        EXPECT_EQ(mark, box.Pixel(5, 8)) << c.nChecked << c.bEnabled;
        EXPECT_EQ(mark, box.Pixel(9, 3));
        EXPECT_EQ(mark, box.Pixel(3, 7));
        if (c.nChecked)
        {
            EXPECT_NE(mark, box.Pixel(5, 10)) << "three pixels high";
        }

        CPixelCanvas radio(13, 13, kBack);
        EXPECT_EQ(CSize(13, 13),
                  theme.DrawRadioButtonGlyph(radio.DC(), CRect(0, 0, 13, 13), TRUE, c.nSelected, c.nPressed,
                                             c.nChecked, c.bEnabled));
        const COLORREF nDiscFill = c.bEnabled ? c.nFill : 51;
        EXPECT_EQ(c.nChecked ? Entry(c.nMark) : Entry(nDiscFill), radio.Pixel(6, 6));
        EXPECT_EQ(Entry(nDiscFill), radio.Pixel(3, 6));
        EXPECT_EQ(kBack, radio.Pixel(0, 0)) << "round";
    }
    // Measuring only.
    CTheme theme;
    EXPECT_EQ(CSize(13, 13), theme.DrawCheckBoxGlyph(nullptr, CRect(0, 0, 0, 0), FALSE, 0, 0, 0, TRUE));
}

// ---------------------------------------------------------------- popup items

namespace
{
// A popup bar with its icon column, one control laid out at (3, 3) across
// 150 pixels, drawn with the given selection.
struct CPopupItem
{
    CPopupItem(int nType, LPCTSTR lpszCaption, int nId = 0) : bar(zmrBarTypePopup, zmrBarPopup)
    {
        bar.m_pBar->SetBarStyle(bar.m_pBar->GetBarStyle() | zmrBarStyleGripper);
        pControl = bar.Add(nType, nId, lpszCaption);
    }
    std::unique_ptr<CPixelCanvas> Draw(int nSelected)
    {
        pControl->OnSelectionChange(nSelected);
        const CSize sz = pControl->GetSize(nullptr);
        pControl->SetRect(CRect(3, 3, 153, 3 + sz.cy));
        std::unique_ptr<CPixelCanvas> pCanvas(new CPixelCanvas(160, sz.cy + 6, kBack));
        EXPECT_EQ(sz, bar.m_pTheme->DrawControl(pCanvas->DC(), pControl, TRUE)) << "measuring equals drawing";
        return pCanvas;
    }
    CRect Rect() const { return pControl->GetRect(); }
    CThemeBar bar;
    CZMRControl* pControl;
};
} // namespace

TEST(OfficeThemePopupItems, RowHighlightCheckedCellAndText)
{
    CPopupItem item(zmrControlButton, L"Mmmm");
    std::unique_ptr<CPixelCanvas> pIdle = item.Draw(0);
    const CRect rc = item.Rect();
    EXPECT_EQ(kBack, pIdle->Pixel(rc.left, rc.top)) << "no highlight at rest";
    EXPECT_TRUE(ColoursIn(*pIdle, rc).count(Entry(44))) << "popup text";

    std::unique_ptr<CPixelCanvas> pHot = item.Draw(1);
    EXPECT_EQ(Entry(32), pHot->Pixel(rc.left, rc.top)) << "the whole row framed";
    EXPECT_EQ(Entry(32), pHot->Pixel(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(Entry(31), pHot->Pixel(rc.left + 2, rc.top + 2));
    EXPECT_TRUE(ColoursIn(*pHot, rc).count(Entry(45))) << "hot text";

    // Checked, not hot: the glyph box (icon size + 4, centred in the cell)
    // in 36 framed by 37, the check mark black against that fill.
    item.pControl->SetChecked(TRUE);
    std::unique_ptr<CPixelCanvas> pChecked = item.Draw(0);
    const int nCell = std::max(item.bar.m_pTheme->GetBaseHeight() + 4, 16 + 4);
    const CPoint ptCell((rc.left + rc.left + nCell) / 2, (rc.top + rc.bottom) / 2);
    const CRect rcGlyph(ptCell.x - 10, ptCell.y - 10, ptCell.x + 10, ptCell.y + 10);
    EXPECT_EQ(Entry(37), pChecked->Pixel(rcGlyph.left, rcGlyph.top));
    EXPECT_EQ(Entry(37), pChecked->Pixel(rcGlyph.right - 1, rcGlyph.bottom - 1));
    EXPECT_EQ(Entry(36), pChecked->Pixel(rcGlyph.left + 1, rcGlyph.top + 1));
    EXPECT_TRUE(ColoursIn(*pChecked, rcGlyph).count(RGB(0, 0, 0))) << "the mark";
    EXPECT_EQ(kBack, pChecked->Pixel(rcGlyph.left - 1, rcGlyph.top));

    // Disabled: the mark in 40 and the text in 35.
    item.pControl->SetEnabled(FALSE);
    std::unique_ptr<CPixelCanvas> pDisabled = item.Draw(0);
    EXPECT_TRUE(ColoursIn(*pDisabled, rcGlyph).count(Entry(40)));
    EXPECT_TRUE(ColoursIn(*pDisabled, CRect(rcGlyph.right, rc.top, rc.right, rc.bottom)).count(Entry(35)));
}

TEST(OfficeThemePopupItems, CheckMarkColourComparesWithoutScaling)
{
    // Fill colours a distance of about 69 (the first) and 35 (the second)
    // from black: above and below the threshold of 50 as it stands; scaled
    // by brightness the threshold would reach 84 and turn the first white.
    struct Case
    {
        COLORREF clrFill, clrMark;
    };
    for (const Case& c : {Case{RGB(40, 40, 40), RGB(0, 0, 0)}, Case{RGB(20, 20, 20), RGB(255, 255, 255)}})
    {
        CPopupItem item(zmrControlButton, L"Mmmm");
        item.pControl->SetChecked(TRUE);
        const int entry = 36;
        item.bar.m_pTheme->SetColors(1, &entry, &c.clrFill);
        std::unique_ptr<CPixelCanvas> pCanvas = item.Draw(0);
        const std::set<COLORREF> colours = ColoursIn(*pCanvas, CRect(3, 3, 3 + 26, item.Rect().bottom));
        EXPECT_TRUE(colours.count(c.clrMark)) << GetRValue(c.clrFill);
        EXPECT_FALSE(colours.count(c.clrMark == RGB(0, 0, 0) ? RGB(255, 255, 255) : RGB(0, 0, 0)));
    }
}

TEST(OfficeThemePopupItems, LabelsSplitItemsAndArrows)
{
    // A label row: 56 from the end of the icon column on.
    CPopupItem label(zmrControlLabel, L"Group");
    std::unique_ptr<CPixelCanvas> pLabel = label.Draw(0);
    const CRect rc = label.Rect();
    const int nColumn = label.bar.m_pTheme->GetPopupIconColumnWidth(label.bar.m_pBar);
    EXPECT_EQ(kBack, pLabel->Pixel(rc.left + nColumn - 1, rc.top + 1));
    EXPECT_EQ(Entry(56), pLabel->Pixel(rc.left + nColumn, rc.top + 1));
    EXPECT_EQ(Entry(56), pLabel->Pixel(rc.right - 1, rc.bottom - 1));
    // ... from the left edge when the bar shows no icon column.
    label.bar.m_pBar->SetBarStyle(label.bar.m_pBar->GetBarStyle() & ~DWORD(zmrBarStyleGripper));
    pLabel = label.Draw(0);
    EXPECT_EQ(Entry(56), pLabel->Pixel(rc.left, rc.top + 1));

    // A popup item: the right-pointing arrow with its tip at right - 8.
    CPopupItem popup(zmrControlPopup, L"More");
    std::unique_ptr<CPixelCanvas> pPopup = popup.Draw(0);
    const CRect rcPopup = popup.Rect();
    const int mid = (rcPopup.top + rcPopup.bottom) / 2;
    EXPECT_EQ(Entry(44), pPopup->Pixel(rcPopup.right - 11, mid - 3));
    EXPECT_EQ(Entry(44), pPopup->Pixel(rcPopup.right - 8, mid));
    EXPECT_EQ(kBack, pPopup->Pixel(rcPopup.right - 7, mid));

    // A split item: the divider 20 pixels from the right, 16 at rest and 32
    // when hot, leaving the top and bottom rows.
    CPopupItem split(zmrControlSplitButtonPopup, L"Split");
    for (int nSelected : {0, 1})
    {
        std::unique_ptr<CPixelCanvas> pSplit = split.Draw(nSelected);
        const CRect rcSplit = split.Rect();
        const int x = rcSplit.right - 20;
        EXPECT_EQ(Entry(nSelected ? 32 : 16), pSplit->Pixel(x, rcSplit.top + 1)) << nSelected;
        EXPECT_EQ(Entry(nSelected ? 32 : 16), pSplit->Pixel(x, rcSplit.bottom - 2)) << nSelected;
        EXPECT_EQ(nSelected ? Entry(31) : kBack, pSplit->Pixel(x + 1, rcSplit.top + 2)) << nSelected;
    }
}

TEST(OfficeThemePopupItems, DoubleGripperKeepsTheMarkBesideTheIcon)
{
    CTheme* pTheme = new CTheme;
    CZMRPopupBar* pPopup = new CZMRPopupBar;
    pPopup->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    CZMRImageManager* pImages = new CZMRImageManager;
    CZMRIconHandle handle;
    handle.SetIcon(::LoadIcon(nullptr, IDI_WARNING));
    pImages->SetIcon(handle, 100, 16, 16, ZMR_ICONSTATE_NORMAL);
    pPopup->SetImageManager(pImages);
    pImages->InternalRelease();
    pPopup->SetType(zmrBarTypePopup);
    pPopup->SetGripperShown(TRUE);
    CZMRControl* pItem = pPopup->GetControls()->Add(zmrControlButton, 100);
    pItem->SetCaption(L"Mmmm");
    pItem->SetChecked(TRUE);
    for (BOOL bDouble : {FALSE, TRUE})
    {
        pPopup->SetDoubleGripper(bDouble);
        const CSize sz = pItem->GetSize(nullptr);
        pItem->SetRect(CRect(3, 3, 203, 3 + sz.cy));
        CPixelCanvas canvas(210, sz.cy + 6, kBack);
        pTheme->DrawControl(canvas.DC(), pItem, TRUE);
        const int nCell = std::max(pTheme->GetBaseHeight() + 4, 20);
        // The icon brings many colours; the glyph box alone has its fill,
        // frame and mark.
        const std::set<COLORREF> first = ColoursIn(canvas, CRect(3, 3, 3 + nCell, 3 + sz.cy));
        const std::set<COLORREF> second = ColoursIn(canvas, CRect(3 + nCell, 3, 3 + 2 * nCell, 3 + sz.cy));
        EXPECT_TRUE(first.count(Entry(37)));
        EXPECT_EQ(bDouble != FALSE, first.count(RGB(0, 0, 0)) != 0 && first.size() == 4)
            << "the mark on the glyph box's fill and frame, over the background";
        EXPECT_EQ(bDouble != FALSE, second.size() > 4) << "the icon in the second cell";
    }
    pPopup->InternalRelease();
}

TEST(OfficeThemePopupItems, HiddenRowsGetTheirIconColumn)
{
    CPopupItem item(zmrControlButton, L"Rarely");
    item.pControl->SetRarelyUsed(TRUE);
    std::unique_ptr<CPixelCanvas> pCanvas = item.Draw(0);
    const CRect rc = item.Rect();
    const int nColumn = item.bar.m_pTheme->GetPopupIconColumnWidth(item.bar.m_pBar);
    EXPECT_EQ(Entry(42), pCanvas->Pixel(rc.left - 1, rc.top));
    EXPECT_EQ(Entry(42), pCanvas->Pixel(rc.left + nColumn - 2, rc.bottom - 1));
    EXPECT_EQ(kBack, pCanvas->Pixel(rc.left + nColumn - 1, rc.top));
}

// ---------------------------------------------------------------- tool-bar controls

TEST(OfficeThemeControls, SplitButtonHighlightsItsPartsByState)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pSplit = bar.Add(zmrControlSplitButtonPopup, 200, L"", zmrButtonIcon);
    const CRect rc(0, 0, 40, 22);
    pSplit->SetRect(rc);
    pSplit->OnSelectionChange(1);
    CPixelCanvas canvas(40, 22, kBack);
    bar.m_pTheme->DrawControlBackdrop(canvas.DC(), pSplit, rc);
    // The drop part is the last 11 + 1 pixels.
    EXPECT_EQ(Entry(32), canvas.Pixel(0, 0));
    EXPECT_EQ(Entry(32), canvas.Pixel(27, 21)) << "main part ends at right - 12";
    EXPECT_EQ(Entry(31), canvas.Pixel(26, 10));
    EXPECT_EQ(Entry(32), canvas.Pixel(28, 0)) << "drop part framed on its own";
    EXPECT_EQ(Entry(31), canvas.Pixel(29, 3));
    EXPECT_EQ(Entry(45), canvas.Pixel(40 - 7, 11)) << "arrow tip at right - 7, hot text colour";

    // Idle: nothing but the arrow.
    pSplit->OnSelectionChange(0);
    CPixelCanvas idle(40, 22, kBack);
    bar.m_pTheme->DrawControlBackdrop(idle.DC(), pSplit, rc);
    EXPECT_EQ(kBack, idle.Pixel(0, 0));
    EXPECT_EQ(kBack, idle.Pixel(28, 0));
    EXPECT_EQ(Entry(46), idle.Pixel(40 - 7, 11));
}

TEST(OfficeThemeControls, ComboBoxFieldAndDropButtonByState)
{
    struct Case
    {
        const char* pszName;
        int nBarType;
        int nSelected;
        BOOL bEnabled;
        COLORREF nFieldFrame, nField, nButtonFrame, nButtonFace;   // kNone: untouched
    };
    const Case cases[] = {
        {"tool bar, at rest", zmrBarTypeNormal, 0, TRUE, kNone, 5, 5, kNone},
        {"tool bar, hot", zmrBarTypeNormal, 1, TRUE, 32, 5, 32, 31},
        {"popup bar, at rest", zmrBarTypePopup, 0, TRUE, 53, 5, 5, 53},
        {"disabled", zmrBarTypeNormal, 0, FALSE, 40, 15, 40, 15},
    };
    for (const Case& c : cases)
    {
        CThemeBar bar(c.nBarType, c.nBarType == zmrBarTypePopup ? zmrBarPopup : zmrBarTop);
        CZMRControl* pCombo = bar.Add(zmrControlComboBox, 2, L"", zmrButtonCaption);
        pCombo->SetWidth(80);
        pCombo->SetEnabled(c.bEnabled);
        CPixelCanvas canvas(80, 30, kBack);
        const CSize sz = pCombo->GetSize(canvas.DC());
        pCombo->SetRect(CRect(CPoint(0, 0), sz));
        pCombo->OnSelectionChange(c.nSelected);
        EXPECT_EQ(sz, bar.m_pTheme->DrawControl(canvas.DC(), pCombo, TRUE)) << c.pszName;
        const int nButton = static_cast<CZMRControlComboBox*>(pCombo)->GetDropDownWidth();
        const int xButton = 80 - nButton;
        EXPECT_EQ(c.nFieldFrame == kNone ? kBack : Entry(c.nFieldFrame), canvas.Pixel(1, 0)) << c.pszName;
        EXPECT_EQ(Entry(c.nField), canvas.Pixel(5, sz.cy / 2)) << c.pszName;
        EXPECT_EQ(Entry(c.nButtonFrame), canvas.Pixel(79, sz.cy - 1)) << c.pszName;
        EXPECT_EQ(c.nButtonFace == kNone ? kBack : Entry(c.nButtonFace), canvas.Pixel(xButton + 2, 2)) << c.pszName;
        const COLORREF nTriangle = !c.bEnabled ? 40 : c.nSelected ? 45 : 46;
        EXPECT_TRUE(ColoursIn(canvas, CRect(xButton, 0, 80, sz.cy)).count(Entry(nTriangle))) << c.pszName;
    }
}

TEST(OfficeThemeControls, EditFieldAndSpinButtons)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    auto* pEdit = static_cast<CZMRControlEdit*>(bar.Add(zmrControlEdit, 1, L"", zmrButtonCaption));
    pEdit->SetWidth(80);
    pEdit->SetShowSpinButtons(TRUE);
    CPixelCanvas canvas(80, 30, kBack);
    const CSize sz = pEdit->GetSize(canvas.DC());
    pEdit->SetRect(CRect(CPoint(0, 0), sz));
    EXPECT_EQ(sz, bar.m_pTheme->DrawControl(canvas.DC(), pEdit, TRUE));
    EXPECT_EQ(kBack, canvas.Pixel(0, 0)) << "no frame at rest on a tool bar";
    EXPECT_EQ(Entry(5), canvas.Pixel(5, 5));
    EXPECT_EQ(Entry(5), canvas.Pixel(80 - 18, 5)) << "field up to right - 17";
    EXPECT_EQ(Entry(5), canvas.Pixel(80 - 17, 1)) << "the spin area framed in 5";

    // Hot with the up half pressed: area 31, the up half 33, a line in 32
    // down its left edge and across its middle.
    pEdit->OnSelectionChange(1);
    pEdit->SetPressed(4);
    CPixelCanvas hot(80, 30, kBack);
    bar.m_pTheme->DrawControl(hot.DC(), pEdit, TRUE);
    const int top = 1, bottom = sz.cy - 1, middle = (top + bottom) / 2;
    EXPECT_EQ(Entry(32), hot.Pixel(0, 0)) << "field framed in 32";
    EXPECT_EQ(Entry(32), hot.Pixel(80 - 17, middle + 2));
    EXPECT_EQ(Entry(32), hot.Pixel(80 - 10, middle));
    EXPECT_EQ(Entry(33), hot.Pixel(80 - 15, top + 1)) << "the pressed half";
    EXPECT_EQ(Entry(31), hot.Pixel(80 - 15, bottom - 1));
    EXPECT_TRUE(ColoursIn(hot, CRect(80 - 16, top, 80 - 1, bottom)).count(Entry(18))) << "the arrows";

    // Disabled: face framed in 40, grey arrows.
    pEdit->SetEnabled(FALSE);
    CPixelCanvas disabled(80, 30, kBack);
    bar.m_pTheme->DrawControl(disabled.DC(), pEdit, TRUE);
    EXPECT_EQ(Entry(40), disabled.Pixel(1, 0));
    EXPECT_EQ(Entry(15), disabled.Pixel(5, 5));
    EXPECT_TRUE(ColoursIn(disabled, CRect(80 - 16, top, 80 - 1, bottom)).count(Entry(17)));
}

TEST(OfficeThemeControls, ListRowsWithTheirIconColumn)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pButton = bar.Add(zmrControlButton, 100, L"&Mmmm");
    CZMRControl* pSplit = bar.Add(zmrControlSplitButtonPopup, 0, L"Mmmm");
    const int nBase = bar.m_pTheme->GetBaseHeight();
    const CSize szCell = bar.m_pTheme->DrawControlListItem(nullptr, pButton, CRect(0, 0, 0, 0), FALSE, FALSE, nullptr);
    EXPECT_EQ(CSize(std::max(20, nBase + 4), std::max(22, nBase)), szCell);

    const CRect rc(0, 0, 150, szCell.cy);
    CPixelCanvas idle(150, szCell.cy, kBack);
    EXPECT_EQ(szCell, bar.m_pTheme->DrawControlListItem(idle.DC(), pSplit, rc, FALSE, TRUE, nullptr));
    EXPECT_EQ(Entry(30), idle.Pixel(0, 0)) << "icon column";
    EXPECT_EQ(Entry(30), idle.Pixel(szCell.cx, szCell.cy - 1)) << "cell width + 1";
    EXPECT_EQ(Entry(41), idle.Pixel(szCell.cx + 1, 0)) << "the row";
    EXPECT_EQ(Entry(16), idle.Pixel(150 - 20, 1)) << "split line";
    EXPECT_EQ(Entry(44), idle.Pixel(150 - 7, szCell.cy / 2)) << "arrow tip";
    EXPECT_TRUE(ColoursIn(idle, CRect(szCell.cx + 8, 0, 125, szCell.cy)).count(Entry(44)));

    CPixelCanvas selected(150, szCell.cy, kBack);
    bar.m_pTheme->DrawControlListItem(selected.DC(), pSplit, rc, TRUE, TRUE, nullptr);
    EXPECT_EQ(Entry(32), selected.Pixel(0, 0));
    EXPECT_EQ(Entry(31), selected.Pixel(2, 2));
    EXPECT_EQ(Entry(32), selected.Pixel(150 - 20, 2));
    EXPECT_TRUE(ColoursIn(selected, CRect(szCell.cx + 8, 0, 125, szCell.cy)).count(Entry(45)));
    EXPECT_EQ(CSize(0, 0), bar.m_pTheme->DrawControlListItem(selected.DC(), nullptr, rc, FALSE, TRUE, nullptr));
}

TEST(OfficeThemeControls, MeasuringEqualsDrawing)
{
    CThemeBar popup(zmrBarTypePopup, zmrBarPopup);
    CThemeBar top(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pControls[] = {
        popup.Add(zmrControlButton, 100, L"&New\tCtrl+N"),
        popup.Add(zmrControlSplitButtonPopup, 0, L"Split"),
        popup.Add(zmrControlLabel, 0, L"Label"),
        popup.Add(zmrControlComboBox, 0, L"Find"),
        top.Add(zmrControlButton, 100, L"New", zmrButtonIconAndCaption),
        top.Add(zmrControlEdit, 0, L"Go"),
    };
    for (CZMRControl* pControl : pControls)
    {
        CPixelCanvas canvas(200, 40, kBack);
        const CSize szMeasured = pControl->GetSize(canvas.DC());
        pControl->SetRect(CRect(CPoint(3, 3), szMeasured));
        EXPECT_EQ(szMeasured, pControl->GetPaintManager()->DrawControl(canvas.DC(), pControl, TRUE))
            << CStringA(pControl->GetCaption()).GetString();
    }
    CTheme& theme = *top.m_pTheme;
    CPixelCanvas canvas(40, 40, kBack);
    EXPECT_EQ(theme.DrawTearOffHandle(nullptr, CRect(0, 0, 40, 9), FALSE, FALSE),
              theme.DrawTearOffHandle(canvas.DC(), CRect(0, 0, 40, 9), FALSE, TRUE));
    EXPECT_EQ(theme.DrawDialogBarGripper(nullptr, top.m_pBar, FALSE),
              theme.DrawDialogBarGripper(canvas.DC(), top.m_pBar, TRUE));
}

// ---------------------------------------------------------------- pictures

TEST(OfficeThemePictures, ToolBarPopupMenuBarAndStatusBar)
{
    typedef CRefreshed<CZMROfficeTheme> CPictureTheme;
    DrawToolBarPicture<CPictureTheme>(L"office-theme");
    DrawPopupPicture<CPictureTheme>(L"office-theme");
    DrawMenuBarPicture<CPictureTheme>(L"office-theme");
    DrawStatusBarPicture<CPictureTheme>(L"office-theme");
}
