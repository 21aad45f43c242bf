// The twelve tab styles: their metrics and, pixel by pixel, their shapes.
// Every colour a style may draw with has a colour of its own (colour-set
// overrides and colour-manager overrides), so one pixel tells which rule
// painted it. The skinned styles bind the test skin, whose pictures are solid
// bands per state with a magenta key pixel at each band's top-left corner.
#include "TabTestSupport.h"
#include "CZMRColorManager.h"
#include "CZMROffice2007Images.h"
#include "PixelCanvas.h"
#include "ArtifactPng.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const COLORREF kControl = RGB(10, 200, 10);
const COLORREF kHeader = RGB(20, 20, 220);
const COLORREF kSelected = RGB(240, 230, 220);
const COLORREF kNormal = RGB(200, 190, 180);
const COLORREF kFrame = RGB(150, 0, 150);
const COLORREF kHighlight = RGB(0, 150, 150);
const COLORREF kPageLight = RGB(255, 255, 160);
const COLORREF kPageShadow = RGB(90, 90, 30);
const COLORREF kPageDark = RGB(40, 10, 10);
const COLORREF kOutlineNormal = RGB(0, 80, 0);
const COLORREF kOutlineSelected = RGB(0, 0, 120);
const COLORREF kInner1 = RGB(120, 0, 0);
const COLORREF kInner2 = RGB(60, 160, 60);
const COLORREF kStateFace = RGB(250, 180, 100);
const COLORREF kStateBorderLight = RGB(1, 2, 250);
const COLORREF kStateBorderDark = RGB(250, 2, 1);
const COLORREF kTextSelected = RGB(255, 0, 0);
const COLORREF kButtonShadow = RGB(70, 70, 0);
const COLORREF kButtonHighlight = RGB(0, 90, 90);
const COLORREF kGrip = RGB(33, 144, 255);
const COLORREF kWhite = RGB(255, 255, 255);
COLORREF ExcelColor(BOOL bSelected, int i) { return RGB(bSelected ? 11 + i : 31 + i, 100 + i, bSelected ? 50 : 70); }

// The test skin's bands (state s).
COLORREF RibbonTab(int s) { return RGB(200, 20 + 40 * s, 10); }
const COLORREF kRibbonGroups = RGB(30, 60, 90);
COLORREF AccessTab(int s) { return RGB(20, 30 + 50 * s, 230); }

// A strip of three fixed 70-pixel tabs with a 28-pixel header row in the style.
class CStyleFixture : public CTabHostFixture
{
public:
    CStyleFixture(int nAppearance, int nPosition = zmrTabPositionTop, int nItems = 3)
        : CTabHostFixture(nItems, CRect(100, 100, 500, 400), nPosition)
    {
        CZMRColorManager* pColors = GetColorManager();
        const int arrIndex[] = { COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, 38 };
        const COLORREF arrColor[] = { kButtonShadow, kButtonHighlight, kGrip };
        for (int i = 0; i < 3; i++)
        {
            m_clrOld[i] = pColors->m_arrCustomColor[arrIndex[i]];
            pColors->SetColor(arrIndex[i], arrColor[i]);
        }
        PaintManager()->SetAppearance(nAppearance);
        Colour();
    }
    ~CStyleFixture()
    {
        CZMRColorManager* pColors = GetColorManager();
        const int arrIndex[] = { COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, 38 };
        for (int i = 0; i < 3; i++)
            pColors->SetColor(arrIndex[i], m_clrOld[i]);
    }
    void Colour()
    {
        CZMRTabPaintManager::CColorSet* p = PaintManager()->GetColorSet();
        p->m_clrControlFace.SetCustomValue(kControl);
        p->m_clrHeaderFace.clrLight.SetCustomValue(kHeader);
        p->m_clrHeaderFace.clrDark.SetCustomValue(kHeader);
        p->m_clrSelectedFace.SetCustomValue(kSelected);
        p->m_clrNormalFace.SetCustomValue(kNormal);
        p->m_clrFrameBorder.SetCustomValue(kFrame);
        p->m_clrHighlightEdge.SetCustomValue(kHighlight);
        p->m_clrPageLight.SetCustomValue(kPageLight);
        p->m_clrPageShadow.SetCustomValue(kPageShadow);
        p->m_clrPageDarkShadow.SetCustomValue(kPageDark);
        p->m_clrOutlineNormal.SetCustomValue(kOutlineNormal);
        p->m_clrOutlineSelected.SetCustomValue(kOutlineSelected);
        p->m_clrInnerLine1.SetCustomValue(kInner1);
        p->m_clrInnerLine2.SetCustomValue(kInner2);
        p->m_clrStateButtonFace.clrLight.SetCustomValue(kStateFace);
        p->m_clrStateButtonFace.clrDark.SetCustomValue(kStateFace);
        p->m_clrStateButtonBorder.clrLight.SetCustomValue(kStateBorderLight);
        p->m_clrStateButtonBorder.clrDark.SetCustomValue(kStateBorderDark);
        p->m_clrTextSelected.SetCustomValue(kTextSelected);
        for (int i = 0; i < 6; i++)
        {
            p->m_clrExcelSelected[i].SetCustomValue(ExcelColor(TRUE, i));
            p->m_clrExcelNormal[i].SetCustomValue(ExcelColor(FALSE, i));
        }
        PaintManager()->OnPropertyChanged();
    }
    void Draw(CPixelCanvas& canvas) { PaintManager()->DrawTabControl(&Strip(), canvas.DC(), CRect(0, 0, 400, 300)); }
    CRect R(int i) { return Item(i)->GetRect(); }

    COLORREF m_clrOld[3];
};

struct PIXEL
{
    const char* lpszWhat;
    int x, y;
    COLORREF clr;
};

void ExpectPixels(CPixelCanvas& canvas, std::initializer_list<PIXEL> pixels, const char* lpszCase = "")
{
    for (const PIXEL& p : pixels)
        EXPECT_EQ(p.clr, canvas.Pixel(p.x, p.y)) << lpszCase << ": " << p.lpszWhat << " at " << p.x << "," << p.y;
}

// ------------------------------------------------------------ metrics

TEST(TabAppearance, StylesByNumberWithTheirMarginsMasksAndColourSets)
{
    struct
    {
        int nAppearance;
        int l, lHalves, t, r, rHalves, b;   // margin + halves of the button height
        int nRowSpacing;
        int nSupported, nDefault;
        BOOL bTowardSelected;
    } cases[] = {
        { 0, 2, 0, 3, 6, 0, 0, -2, 13, 1, FALSE },   { 1, 2, 0, 3, 6, 0, 0, -2, 13, 1, FALSE },
        { 2, 2, 0, 2, 4, 0, 0, -2, 7, 1, FALSE },    { 3, 2, 2, 3, 6, 0, 0, -2, 85, 4, FALSE },
        { 4, 2, 0, 2, 4, 0, 2, 0, 95, 2, FALSE },    { 5, 4, 0, 2, 4, 0, 0, -2, 7, 2, FALSE },
        { 6, 2, 0, 2, 4, 0, 0, -2, 7, 2, FALSE },    { 7, 2, 1, 3, 2, 1, 0, -2, 7, 2, FALSE },
        { 8, 0, 0, 0, 0, 0, 0, -2, 5, 1, FALSE },    { 9, 2, 1, 3, 6, 0, 0, -2, 85, 4, TRUE },
        { 10, 4, 0, 1, 0, 0, 0, -2, 32, 32, FALSE }, { 11, 4, 0, 1, 0, 1, 0, -2, 128, 128, FALSE },
        { 12, 2, 0, 3, 6, 0, 0, -2, 13, 1, FALSE },  { -1, 2, 0, 3, 6, 0, 0, -2, 13, 1, FALSE },
    };
    CTabHostFixture f;
    for (const auto& c : cases)
    {
        f.PaintManager()->SetAppearance(c.nAppearance);
        CZMRTabPaintManager::CAppearanceSet* pSet = f.PaintManager()->GetAppearanceSet();
        const int bh = pSet->GetButtonHeight();
        EXPECT_EQ(CRect(c.l + c.lHalves * bh / 2, c.t, c.r + c.rHalves * bh / 2, c.b), pSet->GetHeaderMargin())
            << c.nAppearance;
        EXPECT_EQ(c.nRowSpacing, pSet->GetRowSpacing()) << c.nAppearance;
        EXPECT_EQ(c.nSupported, pSet->GetSupportedColorSets()) << c.nAppearance;
        EXPECT_EQ(c.nDefault, pSet->GetDefaultColorSet()) << c.nAppearance;
        EXPECT_EQ(c.nDefault, f.PaintManager()->GetColor()) << c.nAppearance;
        EXPECT_EQ(c.bTowardSelected, pSet->IsDrawTowardSelected()) << c.nAppearance;
        EXPECT_EQ(c.nAppearance, f.PaintManager()->GetAppearance());
    }
}

TEST(TabAppearance, ButtonHeightFromTheFontAndTheAccessMinimum)
{
    struct
    {
        int nFontHeight;
        int nAppearance;
        int nExpected;
    } cases[] = { { 14, 0, 18 }, { 16, 0, 19 }, { 16, 3, 19 }, { 14, 11, 24 }, { 16, 11, 24 } };
    CTabHostFixture f;
    for (const auto& c : cases)
    {
        LOGFONT lf = {};
        lf.lfHeight = c.nFontHeight;
        lstrcpyW(lf.lfFaceName, L"Tahoma");
        f.PaintManager()->SetFontIndirect(&lf);
        f.PaintManager()->SetAppearance(c.nAppearance);
        EXPECT_EQ(c.nExpected, f.PaintManager()->GetAppearanceSet()->GetButtonHeight())
            << c.nFontHeight << " in " << c.nAppearance;
    }
}

TEST(TabAppearance, NoHeaderWithTabsHidden)
{
    CTabHostFixture f;
    f.PaintManager()->m_bShowTabs = FALSE;
    for (int n = 0; n < 12; n++)
    {
        f.PaintManager()->SetAppearance(n);
        CZMRTabPaintManager::CAppearanceSet* pSet = f.PaintManager()->GetAppearanceSet();
        EXPECT_EQ(0, pSet->GetHeaderExtent(&f.Strip())) << n;
        EXPECT_EQ(CRect(0, 0, 400, 300), pSet->GetClientRect(CRect(0, 0, 400, 300), &f.Strip())) << n;
    }
}

// ------------------------------------------------------------ shapes at the top

TEST(TabAppearance, PropertyPageRaisedTabsInEveryPosition)
{
    // Item 2 is unselected and free on both sides; its far side, start side
    // and end side carry light edge, light edge and dark shadow.
    for (int nPosition = 0; nPosition < 4; nPosition++)
    {
        CStyleFixture f(0, nPosition);
        f.Strip().SetCurSel(0);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect r = f.R(2);
        const char* arrNames[] = { "top", "left", "bottom", "right" };
        switch (nPosition)
        {
        case zmrTabPositionTop:
            ExpectPixels(canvas, { { "start", r.left, r.top + 5, kPageLight }, { "far", r.left + 10, r.top, kPageLight },
                                   { "corner", r.left + 1, r.top + 1, kPageLight }, { "end", r.right - 1, r.top + 5, kPageDark },
                                   { "end inside", r.right - 2, r.top + 5, kPageShadow }, { "face", r.left + 3, r.top + 3, kNormal },
                                   { "client edge", r.left + 10, r.bottom - 1, kPageLight } }, arrNames[nPosition]);
            break;
        case zmrTabPositionLeft:
            ExpectPixels(canvas, { { "start", r.left + 5, r.top, kPageLight }, { "far", r.left, r.top + 10, kPageLight },
                                   { "end", r.left + 5, r.bottom - 1, kPageDark }, { "end inside", r.left + 5, r.bottom - 2, kPageShadow },
                                   { "client edge", r.right - 1, r.top + 10, kPageLight } }, arrNames[nPosition]);
            break;
        case zmrTabPositionBottom:
            ExpectPixels(canvas, { { "start", r.left, r.bottom - 6, kPageLight }, { "far", r.left + 10, r.bottom - 1, kPageLight },
                                   { "end", r.right - 1, r.bottom - 6, kPageDark }, { "client edge", r.left + 10, r.top, kPageDark } },
                         arrNames[nPosition]);
            break;
        case zmrTabPositionRight:
            ExpectPixels(canvas, { { "start", r.right - 6, r.top, kPageLight }, { "far", r.right - 1, r.top + 10, kPageLight },
                                   { "end", r.right - 6, r.bottom - 1, kPageDark }, { "client edge", r.left, r.top + 10, kPageDark } },
                         arrNames[nPosition]);
            break;
        }
        // The selected tab grows by 2 at the start, far side and end, and opens into the client.
        const CRect s = f.R(0);
        if (nPosition == zmrTabPositionTop)
            ExpectPixels(canvas, { { "grown start", s.left - 2, s.top + 3, kPageLight }, { "grown far", s.left + 10, s.top - 2, kPageLight },
                                   { "grown end", s.right + 1, s.top + 3, kPageDark }, { "open", s.left + 10, s.bottom - 1, kSelected } });
    }
}

TEST(TabAppearance, PropertyPageClientFrameIsRaisedWithASecondShadow)
{
    CStyleFixture f(0);
    f.Strip().SetCurSel(0);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const int yTop = f.R(0).bottom - 1;
    ExpectPixels(canvas, { { "left", 0, 150, kPageLight }, { "top", 300, yTop, kPageLight }, { "right", 399, 150, kPageDark },
                           { "right inside", 398, 150, kPageShadow }, { "bottom", 200, 299, kPageDark },
                           { "bottom inside", 200, 298, kPageShadow }, { "client", 200, 150, kSelected } });
}

TEST(TabAppearance, PropertyPageSelectedOutlinesOnlySelectedAndHotTabs)
{
    CStyleFixture f(1);
    f.Strip().SetCurSel(0);
    f.Strip().SetHotItem(f.Item(1));
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const CRect h = f.R(1), n = f.R(2);
    ExpectPixels(canvas, { { "hot far edge", h.left + 10, h.top, kPageLight }, { "hot end", h.right - 1, h.top + 5, kPageDark },
                           { "plain far edge", n.left + 10, n.top, kHeader }, { "plain end", n.right - 1, n.top + 5, kHeader } });
}

TEST(TabAppearance, PropertyPageFlatRoundedCornersAndSeparators)
{
    struct
    {
        BOOL bRounded, bSeparators;
        COLORREF clrCorner, clrSeparator;
    } cases[] = { { TRUE, FALSE, kHeader, kNormal }, { FALSE, TRUE, kNormal, kFrame } };
    for (const auto& c : cases)
    {
        CStyleFixture f(2);
        auto* pSet = static_cast<CZMRTabPaintManager::CAppearanceSetPropertyPageFlat*>(f.PaintManager()->GetAppearanceSet());
        pSet->m_bRoundedCorners = c.bRounded;
        pSet->m_bSeparators = c.bSeparators;
        f.Strip().SetCurSel(0);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect s = f.R(0), n = f.R(1), l = f.R(2);
        ExpectPixels(canvas, { { "far corner", n.left, n.top, c.clrCorner }, { "beside the corner", n.left + 1, n.top, kNormal },
                               { "separator", n.right - 1, n.top + 5, c.clrSeparator },
                               { "last separator", l.right - 1, l.top + 5, c.clrSeparator },
                               { "separator ends 3 px short", n.right - 1, n.top + 2, kNormal },
                               { "unselected over the client edge", n.left + 10, n.bottom - 1, kFrame },
                               { "selected opens into the client", s.left + 10, s.bottom - 1, kSelected } }, c.bRounded ? "rounded" : "square");
    }
}

TEST(TabAppearance, Office2003SlantedTabs)
{
    struct
    {
        BOOL bHotLook;
        COLORREF clrHotOutline;
    } cases[] = { { FALSE, kOutlineNormal }, { TRUE, kStateBorderDark } };
    for (const auto& c : cases)
    {
        CStyleFixture f(3);
        static_cast<CZMRTabPaintManager::CAppearanceSetPropertyPage2003*>(f.PaintManager()->GetAppearanceSet())->m_bHotLook = c.bHotLook;
        f.Strip().SetCurSel(2);
        f.Strip().SetHotItem(f.Item(1));
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect n = f.R(0), h = f.R(1), s = f.R(2);
        ExpectPixels(canvas, {
            { "face", n.right - 5, n.bottom - 4, kNormal },
            { "end outline", n.right, n.top + 5, kOutlineNormal },
            { "far outline", n.left + 20, n.top, kOutlineNormal },
            { "first inner line", n.right - 1, n.top + 5, kInner1 },
            { "second inner line", n.left + 20, n.top + 1, kInner2 },
            { "45-degree start", n.left + 2 - 5, n.top + 2 + 5, kOutlineNormal },
            { "hot outline", h.left + 20, h.top, c.clrHotOutline },
            { "selected outline", s.right, s.top + 5, kOutlineSelected },
            { "selected inner lines white", s.right - 1, s.top + 5, kWhite },
            { "selected second inner line white", s.left + 20, s.top + 1, kWhite },
            { "selected merges with the client", s.left + 20, s.bottom - 1, kSelected },
            { "selected face", s.right - 5, s.bottom - 4, kSelected },
        }, c.bHotLook ? "hot look" : "plain");
    }
}

TEST(TabAppearance, VisualStudio2005TabsSlantOnBothSides)
{
    CStyleFixture f(9);
    f.Strip().SetCurSel(2);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const CRect n = f.R(0);
    const int h = n.Height() / 2;
    // Upright: bevelled far side one pixel above the item, wide at the client.
    ExpectPixels(canvas, { { "far outline", n.left + 20, n.top - 1, kOutlineNormal },
                           { "far inner line", n.left + 20, n.top, kInner2 },
                           { "far corner bevel", n.right - 3, n.top, kOutlineNormal },
                           { "face", n.left + 20, n.top + 4, kNormal },
                           { "end reaches past the item at the client", n.right + h - 5, n.bottom - 3, kNormal },
                           { "selected far inner line", f.R(2).left + 20, f.R(2).top, kWhite } });
    // The repaint area covers both slants.
    const CRect rcPaint = f.PaintManager()->GetAppearanceSet()->GetTabPaintRect(f.Item(0));
    EXPECT_EQ(CRect(n.left - 2 - h, n.top - 2, n.right + 2 + h, n.bottom + 2), rcPaint);
}

TEST(TabAppearance, ExcelTrapezoidsInTheirOwnColours)
{
    CStyleFixture f(7);
    f.Strip().SetCurSel(2);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const CRect n = f.R(0), s = f.R(2);
    const int q = n.Height() / 4;
    ExpectPixels(canvas, { { "far edge", n.left + 20, n.top, ExcelColor(FALSE, 2) },
                           { "face", n.left + 20, n.top + 4, ExcelColor(FALSE, 3) },
                           { "line along the client", n.left + 20, n.bottom - 1, ExcelColor(FALSE, 1) },
                           { "selected far edge", s.left + 20, s.top, ExcelColor(TRUE, 2) },
                           { "selected face meets the client", s.left + 20, s.bottom - 1, ExcelColor(TRUE, 3) } });
    // The start slant crosses the middle row about a quarter height before the item.
    const int y = n.top + n.Height() / 2;
    int nOutline = 0;
    for (int x = n.left - q - 3; x < n.left + 3; x++)
        nOutline += canvas.Pixel(x, y) == ExcelColor(FALSE, 0);
    EXPECT_GE(nOutline, 1);
}

TEST(TabAppearance, StateButtonsVisualStudioAndFlatTabs)
{
    {
        CStyleFixture f(4);
        f.Strip().SetCurSel(1);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect s = f.R(1), n = f.R(2);
        ExpectPixels(canvas, { { "border top-left", s.left, s.top + 5, kStateBorderLight },
                               { "border bottom-right", s.right - 1, s.top + 5, kStateBorderDark },
                               { "face", s.left + 3, s.top + 3, kStateFace },
                               { "etched shadow", n.right - 2, n.top + 5, kButtonShadow },
                               { "etched highlight", n.right - 1, n.top + 5, kButtonHighlight },
                               { "etch inset", n.right - 2, n.top + 1, kControl },
                               { "header not filled", n.left + 5, n.top + 5, kControl } }, "state buttons");
    }
    {
        CStyleFixture f(5);
        f.Strip().SetCurSel(1);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect s = f.R(1), n = f.R(2);
        ExpectPixels(canvas, { { "highlight start", s.left, s.top + 5, kHighlight }, { "highlight far", s.left + 10, s.top, kHighlight },
                               { "selected-text end", s.right - 1, s.top + 5, kTextSelected },
                               { "face", s.left + 3, s.top + 3, kSelected },
                               { "separator", n.right - 1, n.top + 5, kFrame }, { "separator inset", n.right - 1, n.top + 1, kHeader },
                               { "no face", n.left + 5, n.top + 5, kHeader },
                               { "client frame", 0, 150, kFrame }, { "client frame end", 399, 150, kHighlight } }, "visual studio");
    }
    {
        CStyleFixture f(6);
        f.Strip().SetCurSel(1);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect s = f.R(1), n = f.R(2);
        ExpectPixels(canvas, { { "far row left to the header", n.left + 5, n.top, kHeader },
                               { "outline", n.left, n.top + 5, kFrame }, { "outline far", n.left + 5, n.top + 1, kFrame },
                               { "face", n.left + 3, n.top + 3, kNormal }, { "closed to the client", n.left + 10, n.bottom - 1, kFrame },
                               { "selected opens", s.left + 10, s.bottom - 1, kSelected } }, "flat");
    }
}

TEST(TabAppearance, VisioBarsStackAroundTheClient)
{
    CStyleFixture f(8);
    f.Strip().SetCurSel(1);
    f.m_pHost->RepositionStrip();
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    EXPECT_EQ(CRect(0, 0, 400, kHeaderDepth), f.R(0));
    EXPECT_EQ(CRect(0, kHeaderDepth, 400, 2 * kHeaderDepth), f.R(1));
    EXPECT_EQ(CRect(0, 300 - kHeaderDepth, 400, 300), f.R(2));
    CRect rcClient = f.Strip().GetClientRect();
    EXPECT_TRUE(rcClient.top >= 2 * kHeaderDepth && rcClient.bottom <= 300 - kHeaderDepth) << rcClient.top << " " << rcClient.bottom;
    const CRect b = f.R(2);
    ExpectPixels(canvas, { { "bar highlight", b.left, b.top + 5, kHighlight }, { "bar frame", b.right - 1, b.top + 5, kFrame },
                           { "grip dash", b.right - 7, b.top + 3, kGrip }, { "grip dash end", b.right - 5, b.top + 3, kGrip },
                           { "between dashes", b.right - 7, b.top + 4, kNormal },
                           { "selected bar", f.R(1).left + 3, f.R(1).top + 3, kSelected },
                           { "control", 200, 150, kControl } });
}

// ------------------------------------------------------------ skinned styles

TEST(TabAppearance, Office2007TabsFromTheSkinOrNothing)
{
    {
        CStyleFixture f(10);
        f.Strip().SetCurSel(1);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        ExpectPixels(canvas, { { "no client picture", 200, 150, kControl }, { "no tab picture", f.R(1).left + 3, f.R(1).top + 3, kControl } },
                     "without a skin");
    }
    CSkinBound skin;
    struct
    {
        int nSelect, nHot, nPressed;
        BOOL bFocused;
        int nItem, nState;   // -1: not drawn
    } cases[] = { { 0, -1, -1, FALSE, 0, 3 }, { 0, -1, -1, TRUE, 0, 5 }, { 0, 0, -1, FALSE, 0, 4 },
                  { 0, 1, -1, FALSE, 1, 1 }, { 0, 1, 1, FALSE, 1, 2 },  { 0, -1, -1, FALSE, 2, -1 } };
    for (const auto& c : cases)
    {
        CStyleFixture f(10);
        f.Strip().SetCurSel(c.nSelect);
        f.Strip().SetHotItem(c.nHot >= 0 ? f.Item(c.nHot) : nullptr);
        f.Strip().SetPressedItem(c.nPressed >= 0 ? f.Item(c.nPressed) : nullptr);
        f.Strip().m_bKeyboardFocused = c.bFocused;
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect r = f.R(c.nItem);
        EXPECT_EQ(c.nState >= 0 ? RibbonTab(c.nState) : kControl, canvas.Pixel(r.left + 3, r.top + 3)) << c.nItem << " " << c.nState;
        EXPECT_EQ(kRibbonGroups, canvas.Pixel(200, 150));
    }
}

TEST(TabAppearance, SkinnedTabsTurnToEveryPosition)
{
    // The band's key pixel (upright: far side, start) shows the background.
    CSkinBound skin;
    for (int nPosition = 0; nPosition < 4; nPosition++)
    {
        CStyleFixture f(10, nPosition);
        f.Strip().SetCurSel(1);
        CPixelCanvas canvas(400, 300);
        f.Draw(canvas);
        const CRect r = f.R(1);
        const CPoint arrKey[] = { CPoint(r.left, r.top), CPoint(r.left, r.top), CPoint(r.left, r.bottom - 1), CPoint(r.right - 1, r.top) };
        const CPoint pt = arrKey[nPosition];
        EXPECT_EQ(kControl, canvas.Pixel(pt.x, pt.y)) << nPosition;
        EXPECT_EQ(RibbonTab(3), canvas.Pixel(r.left + 3, r.top + 3)) << nPosition;
        EXPECT_EQ(RibbonTab(3), canvas.Pixel(r.right - 1, r.bottom - 1)) << nPosition;
        int nMagenta = 0;
        for (int y = r.top; y < r.bottom; y++)
            for (int x = r.left; x < r.right; x++)
                nMagenta += canvas.Pixel(x, y) == RGB(255, 0, 255);
        EXPECT_EQ(0, nMagenta) << nPosition;
    }
}

TEST(TabAppearance, Access2007TabsOverlapTheNext)
{
    CSkinBound skin;
    CStyleFixture f(11);
    f.Strip().SetCurSel(1);
    f.Strip().SetHotItem(f.Item(2));
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const int nOverlap = f.PaintManager()->GetAppearanceSet()->GetButtonHeight() / 2;
    ASSERT_GE(nOverlap, 12);
    const CRect n = f.R(0), s = f.R(1), h = f.R(2);
    ExpectPixels(canvas, { { "normal", n.left + 3, n.top + 3, AccessTab(0) },
                           { "selected over the next", s.right + nOverlap - 3, s.top + 3, AccessTab(2) },
                           { "hot reaches past its end", h.right + nOverlap - 3, h.top + 3, AccessTab(1) },
                           { "client frame", 0, 150, kFrame } });
    f.Strip().SetHotItem(f.Item(1));
    CPixelCanvas hot(400, 300);
    f.Draw(hot);
    EXPECT_EQ(AccessTab(3), hot.Pixel(s.left + 3, s.top + 3));
}

// ------------------------------------------------------------ pictures

TEST(TabAppearance, PicturesOfEveryStyleAndOfOneStyleInEveryPosition)
{
    CSkinBound skin;
    const int nCell = 210;
    const int nWidth = 2 * 410, nHeight = 6 * nCell + 4 * 310;
    CPixelCanvas sheet(nWidth, nHeight, RGB(255, 255, 255));
    for (int n = 0; n < 12; n++)
    {
        CTabHostFixture f(4);
        f.PaintManager()->SetAppearance(n);
        f.PaintManager()->m_szIcon = CSize(16, 16);
        f.Strip().SetCurSel(1);
        f.m_pHost->SetWindowPos(nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
        CTabHostWnd::Pump();
        CPixelCanvas canvas(400, 200);
        f.PaintManager()->DrawTabControl(&f.Strip(), canvas.DC(), CRect(0, 0, 400, 200));
        ::BitBlt(sheet.DC()->GetSafeHdc(), 5 + (n % 2) * 410, 5 + (n / 2) * nCell, 400, 200, canvas.DC()->GetSafeHdc(), 0, 0, SRCCOPY);
    }
    for (int nPosition = 0; nPosition < 4; nPosition++)
    {
        CTabHostFixture f(4, CRect(100, 100, 500, 400), nPosition);
        f.PaintManager()->SetAppearance(3);
        f.PaintManager()->m_szIcon = CSize(16, 16);
        f.Strip().SetCurSel(1);
        CTabHostWnd::Pump();
        CPixelCanvas canvas(400, 300);
        f.PaintManager()->DrawTabControl(&f.Strip(), canvas.DC(), CRect(0, 0, 400, 300));
        ::BitBlt(sheet.DC()->GetSafeHdc(), 5, 6 * nCell + nPosition * 310, 400, 300, canvas.DC()->GetSafeHdc(), 0, 0, SRCCOPY);
    }
    EXPECT_TRUE(SaveArtifactPng(L"tab_appearances.png", nWidth, nHeight,
                                [&](int x, int y) { return sheet.Pixel(x, y); }));
}
}
