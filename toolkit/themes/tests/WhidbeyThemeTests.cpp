// The Whidbey and Visual Studio 2008 themes: their colour sets per system
// colour scheme, the application's colour scheme left out, the flat
// highlights of the Whidbey look, the rounded popup highlight, the menu-bar
// highlight, popup separators, icon column and borders, and the pictures.
#include "CZMRVisualStudio2008Theme.h"
#include "CZMRColorManager.h"
#include "CZMRShadowManager.h"
#include "ThemeTestSupport.h"

using namespace themetest;

namespace
{
enum SystemTheme
{
    kNone = 0,
    kBlue = 1,
    kOlive = 2,
    kSilver = 3,
    kRoyale = 4,
    kAero = 5
};

// The colour manager's system theme as a test chooses it, put back after.
class CSystemTheme
{
public:
    explicit CSystemTheme(int nTheme) : m_nSaved(GetColorManager()->m_nChosenTheme)
    {
        GetColorManager()->m_nChosenTheme = nTheme;
    }
    ~CSystemTheme() { GetColorManager()->m_nChosenTheme = m_nSaved; }
    CSystemTheme(const CSystemTheme&) = delete;
    CSystemTheme& operator=(const CSystemTheme&) = delete;

private:
    int m_nSaved;
};

struct CGradient
{
    COLORREF clrFirst, clrSecond;
    float fFactor;
};

CGradient Solid(COLORREF clr)
{
    return {clr, clr, 0.5f};
}

void ExpectGradient(const CZMRPaintManagerColorGradient& grc, const CGradient& expected, const char* pszSet,
                    const char* pszWhat)
{
    EXPECT_EQ(expected.clrFirst, grc.clrLight.GetColor()) << pszSet << " " << pszWhat;
    EXPECT_EQ(expected.clrSecond, grc.clrDark.GetColor()) << pszSet << " " << pszWhat;
    EXPECT_FLOAT_EQ(expected.fFactor, grc.fGradientFactor) << pszSet << " " << pszWhat;
}

// Mix(a, b, w) of two colours: w/100 of a (w/1000 from 100 up), rounded.
COLORREF Mix(COLORREF a, COLORREF b, int w)
{
    const int d = w < 100 ? 100 : 1000;
    auto channel = [&](int ca, int cb) { return (w * ca + (d - w) * cb + d / 2) / d; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

// The colour a pixel gets when c is laid over it at alpha / 255.
COLORREF Over(COLORREF c, COLORREF back, int alpha)
{
    const double r = alpha / 255.0;
    auto channel = [&](int a, int b) { return int(r * a + (1 - r) * b); };
    return RGB(channel(GetRValue(c), GetRValue(back)), channel(GetGValue(c), GetGValue(back)),
               channel(GetBValue(c), GetBValue(back)));
}

struct CEntry
{
    int nIndex;
    COLORREF clr;
};

// The Whidbey sets as the look defines them.
struct CWhidbeyRow
{
    const char* pszName;
    int nTheme;
    CGradient face, expand, dock;
    COLORREF edge;
    CGradient hiddenIconColumn, expandImage, caption;
    std::vector<CEntry> entries;
};

const CWhidbeyRow s_whidbey[] = {
    {"blue",
     kBlue,
     {RGB(250, 249, 245), RGB(192, 192, 168), 0.75f},
     {RGB(238, 237, 234), RGB(152, 152, 126), 0.75f},
     {RGB(229, 229, 215), RGB(244, 241, 231), 0.5f},
     RGB(163, 163, 124),
     Solid(RGB(204, 199, 186)),
     {RGB(250, 249, 245), RGB(192, 192, 168), 0.75f},
     {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
     {}},
    {"olive",
     kOlive,
     {RGB(250, 249, 245), RGB(192, 192, 168), 0.75f},
     {RGB(238, 237, 234), RGB(176, 172, 158), 0.75f},
     {RGB(229, 229, 215), RGB(244, 241, 231), 0.5f},
     RGB(163, 163, 124),
     Solid(RGB(204, 199, 186)),
     {RGB(250, 249, 245), RGB(192, 192, 168), 0.75f},
     {RGB(236, 233, 216), RGB(172, 168, 153), 0.5f},
     {{31, RGB(182, 198, 141)}, {33, RGB(147, 160, 112)}, {36, RGB(182, 198, 141)}, {47, RGB(255, 255, 255)}}},
    {"silver",
     kSilver,
     {RGB(243, 244, 250), RGB(153, 151, 181), 0.75f},
     {RGB(179, 178, 200), RGB(118, 116, 146), 0.75f},
     {RGB(215, 215, 229), RGB(243, 243, 247), 0.5f},
     RGB(124, 124, 148),
     {RGB(215, 215, 226), RGB(133, 131, 162), 0.5f},
     {RGB(232, 232, 241), RGB(176, 174, 197), 0.5f},
     {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
     {{31, RGB(255, 238, 194)},
      {33, RGB(254, 128, 62)},
      {36, RGB(255, 192, 111)},
      {47, RGB(0, 0, 0)},
      {32, RGB(75, 75, 111)},
      {37, RGB(75, 75, 111)},
      {50, RGB(75, 75, 111)},
      {60, RGB(141, 141, 141)},
      {35, RGB(141, 141, 141)},
      {39, RGB(110, 109, 143)},
      {38, RGB(84, 84, 117)},
      {30, RGB(219, 218, 228)},
      {61, RGB(122, 121, 153)}}},
};

template <class TTheme>
class CRefreshedIn : public TTheme
{
public:
    explicit CRefreshedIn(int nTheme)
    {
        CSystemTheme scope(nTheme);
        this->RefreshMetrics();
    }
};
typedef CRefreshedIn<CZMRWhidbeyTheme> CWhidbey;
typedef CRefreshedIn<CZMRVisualStudio2008Theme> CVisualStudio;

// A Visual Studio 2008 theme refreshed without a system scheme, then with
// the distinct colour table.
class CDistinctVisualStudio : public CVisualStudio
{
public:
    CDistinctVisualStudio() : CVisualStudio(kNone) { UseDistinctColors(*this); }
};
} // namespace

// ---------------------------------------------------------------- the theme objects

TEST(WhidbeyTheme, FactoryNumbersAndSettings)
{
    CZMRPaintManager* pWhidbey = CZMRPaintManager::CreateTheme(4);
    EXPECT_NE(nullptr, dynamic_cast<CZMRWhidbeyTheme*>(pWhidbey));
    EXPECT_EQ(nullptr, dynamic_cast<CZMRVisualStudio2008Theme*>(pWhidbey));
    EXPECT_EQ(4, pWhidbey->GetThemeKind());
    pWhidbey->InternalRelease();
    CZMRPaintManager* pVisualStudio = CZMRPaintManager::CreateTheme(7);
    EXPECT_NE(nullptr, dynamic_cast<CZMRVisualStudio2008Theme*>(pVisualStudio));
    EXPECT_EQ(7, pVisualStudio->GetThemeKind());
    pVisualStudio->InternalRelease();

    CZMRWhidbeyTheme whidbey;
    EXPECT_EQ(0, whidbey.m_nColorScheme);
    EXPECT_TRUE(whidbey.m_bPlainSeparators);
    EXPECT_EQ(8, whidbey.m_nTextGap);
    CZMRVisualStudio2008Theme visualStudio;
    EXPECT_EQ(0, visualStudio.m_nColorScheme);
    EXPECT_TRUE(visualStudio.m_bPlainSeparators);
    EXPECT_EQ(10, visualStudio.m_nTextGap);
    EXPECT_EQ(DWORD(1), visualStudio.m_pShadowManager->m_dwOptions);
}

// ---------------------------------------------------------------- Whidbey colours

TEST(WhidbeyTheme, EachSystemSchemeAppliesItsSet)
{
    for (const CWhidbeyRow& row : s_whidbey)
    {
        CWhidbey theme(row.nTheme);
        ExpectGradient(theme.m_grcFace, row.face, row.pszName, "face");
        ExpectGradient(theme.m_grcIconColumn, row.face, row.pszName, "icon column");
        ExpectGradient(theme.m_grcExpand, row.expand, row.pszName, "expand");
        ExpectGradient(theme.m_grcDock, row.dock, row.pszName, "dock");
        EXPECT_EQ(row.edge, theme.m_clrEdge.GetColor()) << row.pszName;
        ExpectGradient(theme.m_grcHiddenIconColumn, row.hiddenIconColumn, row.pszName, "hidden icon column");
        ExpectGradient(theme.m_grcExpandImage, row.expandImage, row.pszName, "expand image");
        ExpectGradient(theme.m_grcCaption, row.caption, row.pszName, "caption");
        for (const CEntry& entry : row.entries)
            EXPECT_EQ(entry.clr, theme.GetColor(entry.nIndex)) << row.pszName << " entry " << entry.nIndex;
        // The Office 2003 scheme sets never apply: no gradient highlights.
        EXPECT_FALSE(theme.m_bSchemeColors) << row.pszName;
    }

    // Only silver changes the tear-off and floating caption colours.
    CWhidbey silver(kSilver);
    EXPECT_EQ(RGB(192, 192, 211), silver.m_clrTearOff.GetColor());
    EXPECT_EQ(RGB(122, 121, 153), silver.m_clrFloatingCaption.GetColor());
    CWhidbey blue(kBlue);
    EXPECT_EQ(blue.GetColor(30), blue.m_clrTearOff.GetColor());
    EXPECT_EQ(blue.GetColor(COLOR_3DSHADOW), blue.m_clrFloatingCaption.GetColor());
}

TEST(WhidbeyTheme, RoyaleAeroAndNoSchemeKeepTheSystemValues)
{
    for (int nTheme : {kNone, kRoyale, kAero})
    {
        CWhidbey theme(nTheme);
        auto sys = [&](int i) { return theme.GetColor(i); };
        ExpectGradient(theme.m_grcFace, {Mix(sys(15), sys(5), 205), sys(15), 0.5f}, "system", "face");
        ExpectGradient(theme.m_grcIconColumn, {Mix(sys(15), sys(5), 205), sys(15), 0.5f}, "system", "icon column");
        ExpectGradient(theme.m_grcDock, {sys(15), Mix(sys(15), sys(5), 205), 0.5f}, "system", "dock");
        // The expand gradient is the theme's own, not the Office 2003 one.
        ExpectGradient(theme.m_grcExpand, {Mix(sys(5), sys(15), 550), sys(16), 0.5f}, "system", "expand");
        EXPECT_EQ(sys(30), theme.m_clrEdge.GetColor()) << nTheme;
        EXPECT_FALSE(theme.m_bSchemeColors) << nTheme;
    }
}

TEST(WhidbeyTheme, TheApplicationsColourSchemeChangesNothing)
{
    CSystemTheme scope(kOlive);
    CZMRWhidbeyTheme reference;
    reference.RefreshMetrics();
    for (int nScheme : {0, 1, 2, 3, 4, 5, 6, 7})
    {
        CZMRWhidbeyTheme theme;
        theme.m_nColorScheme = nScheme;
        theme.RefreshMetrics();
        EXPECT_FALSE(theme.m_bSchemeColors) << nScheme;
        EXPECT_EQ(nScheme, theme.m_nColorScheme) << "the application's value stays";
        for (int i = 0; i < CZMRPaintManager::ColorCount; i++)
            EXPECT_EQ(reference.GetColor(i), theme.GetColor(i)) << "scheme " << nScheme << " entry " << i;
        EXPECT_EQ(reference.m_grcFace.clrLight.GetColor(), theme.m_grcFace.clrLight.GetColor()) << nScheme;
        EXPECT_EQ(reference.m_grcPopped.clrDark.GetColor(), theme.m_grcPopped.clrDark.GetColor()) << nScheme;
        EXPECT_EQ(reference.m_clrPaneFrame.GetColor(), theme.m_clrPaneFrame.GetColor()) << nScheme;
        EXPECT_EQ(reference.m_grcCaption.clrDark.GetColor(), theme.m_grcCaption.clrDark.GetColor()) << nScheme;
    }
}

TEST(WhidbeyTheme, SwitchingTheSystemSchemeTakesEffectAtTheNextRefresh)
{
    CZMRWhidbeyTheme theme;
    {
        CSystemTheme scope(kBlue);
        theme.RefreshMetrics();
    }
    EXPECT_EQ(RGB(163, 163, 124), theme.m_clrEdge.GetColor());
    CSystemTheme scope(kSilver);
    EXPECT_EQ(RGB(163, 163, 124), theme.m_clrEdge.GetColor()) << "until the refresh";
    theme.RefreshMetrics();
    EXPECT_EQ(RGB(124, 124, 148), theme.m_clrEdge.GetColor());
    EXPECT_EQ(RGB(75, 75, 111), theme.GetColor(32));
}

TEST(WhidbeyTheme, FlatHighlightsAndPlainSeparators)
{
    // The hot tool-bar button takes the flat fill and frame of the Office
    // look, not the Office 2003 gradient.
    CBar<CDistinct<CZMRWhidbeyTheme>> bar(zmrBarTypeNormal, zmrBarTop);
    CZMRPaintManager& theme = *bar.m_pTheme;
    CPixelCanvas canvas(40, 40, kBack);
    theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 38, 38), 1, 0, TRUE, 0, FALSE, zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(Entry(32), canvas.Pixel(2, 2));
    EXPECT_EQ(Entry(31), canvas.Pixel(20, 5));
    EXPECT_EQ(Entry(31), canvas.Pixel(20, 34));

    // A separator on a horizontal bar: the line without its highlight.
    CZMRControl* pControl = bar.Add(zmrControlButton, 100, L"", zmrButtonIcon);
    pControl->SetRect(CRect(20, 3, 42, 25));
    pControl->SetRowRect(CRect(0, 3, 100, 25));
    CPixelCanvas line(100, 30, kBack);
    theme.DrawSeparator(line.DC(), bar.m_pBar, pControl, TRUE);
    EXPECT_EQ(Entry(39), line.Pixel(16, 14));
    EXPECT_EQ(kBack, line.Pixel(17, 14));
}

// ---------------------------------------------------------------- Visual Studio 2008 colours

TEST(VisualStudio2008Theme, PopupColoursBySystemScheme)
{
    struct Row
    {
        const char* pszName;
        int nTheme;
        COLORREF frame;
        CGradient highlight;
        CGradient iconColumn;
    };
    const CGradient blueHighlight = {RGB(239, 243, 250), RGB(193, 210, 238), 0.5f};
    const Row rows[] = {
        {"blue", kBlue, RGB(152, 181, 226), blueHighlight, Solid(RGB(241, 241, 241))},
        {"royale", kRoyale, RGB(152, 181, 226), blueHighlight, Solid(RGB(241, 241, 241))},
        {"olive",
         kOlive,
         RGB(147, 160, 112),
         {RGB(239, 242, 227), RGB(194, 207, 158), 0.5f},
         {RGB(247, 246, 239), RGB(233, 230, 214), 0.5f}},
        {"silver",
         kSilver,
         RGB(255, 192, 111),
         {RGB(255, 246, 204), RGB(255, 194, 115), 0.5f},
         {RGB(232, 233, 242), RGB(193, 193, 211), 0.5f}},
        {"aero",
         kAero,
         RGB(150, 217, 249),
         {RGB(241, 248, 251), RGB(186, 228, 246), 0.5f},
         {RGB(244, 247, 252), RGB(212, 216, 230), 0.5f}},
    };
    for (const Row& row : rows)
    {
        CVisualStudio theme(row.nTheme);
        EXPECT_EQ(row.frame, theme.m_clrPopupHighlightFrame.GetColor()) << row.pszName;
        ExpectGradient(theme.m_grcPopupHighlight, row.highlight, row.pszName, "popup highlight");
        EXPECT_EQ(RGB(0, 0, 0), theme.m_clrPopupHighlightText.GetColor()) << row.pszName;
        ExpectGradient(theme.m_grcIconColumn, row.iconColumn, row.pszName, "icon column");
    }

    // The blue set's further values, which royale shares.
    for (int nTheme : {kBlue, kRoyale})
    {
        CVisualStudio theme(nTheme);
        ExpectGradient(theme.m_grcHiddenIconColumn, Solid(RGB(215, 227, 234)), "blue", "hidden icon column");
        EXPECT_EQ(RGB(221, 231, 238), theme.GetColor(56)) << nTheme;
    }
    // Silver's.
    CVisualStudio silver(kSilver);
    EXPECT_EQ(RGB(110, 109, 143), silver.GetColor(39));
    ExpectGradient(silver.m_grcPopped, {RGB(232, 233, 241), RGB(192, 191, 209), 0.5f}, "silver", "popped");
    // Royale is no Whidbey set: the bars keep the system values there.
    CVisualStudio royale(kRoyale);
    EXPECT_EQ(royale.GetColor(30), royale.m_clrEdge.GetColor());
}

TEST(VisualStudio2008Theme, WithoutASchemeThePopupFollowsTheSystemHighlight)
{
    CVisualStudio theme(kNone);
    auto sys = [&](int i) { return theme.GetColor(i); };
    ExpectGradient(theme.m_grcPopupHighlight, Solid(sys(13)), "system", "popup highlight");
    EXPECT_EQ(sys(13), theme.m_clrPopupHighlightFrame.GetColor());
    EXPECT_EQ(sys(14), theme.m_clrPopupHighlightText.GetColor());
    // Mix(15, 5, 40): 40 is below 100, so 40/100 of the face.
    ExpectGradient(theme.m_grcIconColumn, {Mix(sys(15), sys(5), 40), sys(15), 0.5f}, "system", "icon column");
}

TEST(VisualStudio2008Theme, AeroSet)
{
    CVisualStudio theme(kAero);
    ExpectGradient(theme.m_grcDock, {RGB(233, 236, 250), RGB(244, 247, 252), 0.5f}, "aero", "dock");
    EXPECT_EQ(RGB(181, 190, 206), theme.m_clrEdge.GetColor());
    ExpectGradient(theme.m_grcFace, {RGB(250, 250, 253), RGB(196, 203, 219), 0.75f}, "aero", "face");
    EXPECT_EQ(RGB(128, 128, 128), theme.m_clrFloatingCaption.GetColor());
    ExpectGradient(theme.m_grcPopped, {RGB(255, 255, 255), RGB(118, 184, 219), 0.5f}, "aero", "popped");
    ExpectGradient(theme.m_grcExpand, {RGB(195, 202, 218), RGB(233, 236, 250), 0.75f}, "aero", "expand");
    EXPECT_EQ(RGB(160, 160, 180), theme.m_clrPaneFrame.GetColor());
    EXPECT_EQ(RGB(0, 0, 0), theme.m_pShadowManager->m_clrShadow);
    ExpectGradient(theme.m_grcCaption, {RGB(244, 247, 252), RGB(113, 124, 152), 0.5f}, "aero", "caption");
    const CEntry entries[] = {{53, RGB(240, 240, 240)}, {38, RGB(160, 160, 180)}, {39, RGB(160, 160, 180)},
                              {40, RGB(128, 128, 128)}, {41, RGB(240, 240, 240)}, {43, RGB(160, 160, 160)},
                              {31, RGB(182, 228, 247)}, {32, RGB(41, 153, 255)},  {50, RGB(41, 153, 255)},
                              {37, RGB(48, 127, 177)},  {33, RGB(206, 237, 250)}, {36, RGB(206, 237, 250)},
                              {30, RGB(233, 236, 250)}, {47, RGB(0, 0, 0)}};
    for (const CEntry& entry : entries)
        EXPECT_EQ(entry.clr, theme.GetColor(entry.nIndex)) << "entry " << entry.nIndex;
    ExpectGradient(theme.m_grcChecked, {RGB(237, 248, 253), RGB(129, 192, 224), 0.5f}, "aero", "checked");
    ExpectGradient(theme.m_grcPressed, {RGB(228, 245, 252), RGB(124, 177, 204), 0.5f}, "aero", "pressed");
    ExpectGradient(theme.m_grcHot, {RGB(237, 248, 253), RGB(129, 192, 224), 0.5f}, "aero", "hot");
    EXPECT_TRUE(theme.m_bSchemeColors);

    // With the switch on, a hot tool-bar button gets the hot gradient framed
    // in entry 32.
    CPixelCanvas canvas(40, 40, kBack);
    theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 38, 38), 1, 0, TRUE, 0, FALSE, zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(RGB(41, 153, 255), canvas.Pixel(2, 2));
    EXPECT_TRUE(Near(RGB(237, 248, 253), canvas.Pixel(20, 3), 4));
    EXPECT_TRUE(Near(RGB(129, 192, 224), canvas.Pixel(20, 36), 6));
}

// ---------------------------------------------------------------- Visual Studio 2008 drawing

TEST(VisualStudio2008Theme, BlendPixel)
{
    const COLORREF back = RGB(0, 100, 200), clr = RGB(255, 0, 100);
    CPixelCanvas canvas(4, 1, back);
    CZMRVisualStudio2008Theme::BlendPixel(canvas.DC(), 0, 0, clr, 255);
    CZMRVisualStudio2008Theme::BlendPixel(canvas.DC(), 1, 0, clr, 0);
    CZMRVisualStudio2008Theme::BlendPixel(canvas.DC(), 2, 0, clr, 120);
    EXPECT_EQ(clr, canvas.Pixel(0, 0));
    EXPECT_EQ(back, canvas.Pixel(1, 0));
    EXPECT_TRUE(Near(Over(clr, back, 120), canvas.Pixel(2, 0), 1));
    EXPECT_EQ(back, canvas.Pixel(3, 0));
}

TEST(VisualStudio2008Theme, RoundedHighlightOfTheHotPopupItem)
{
    CVisualStudio theme(kBlue);
    const COLORREF frame = RGB(152, 181, 226), first = RGB(239, 243, 250), second = RGB(193, 210, 238);
    const CRect rc(10, 10, 110, 32);
    CPixelCanvas canvas(120, 42, kBack);
    theme.DrawStateHighlight(canvas.DC(), rc, 1, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup);

    // The face: a vertical gradient inside the frame.
    EXPECT_TRUE(Near(first, canvas.Pixel(60, 11), 4));
    EXPECT_TRUE(Near(second, canvas.Pixel(60, 30), 4));
    // The edges stop 3 pixels short of each corner.
    const int l = 10, t = 10, r = 109, b = 31;
    for (const CPoint& pt : {CPoint(l + 3, t), CPoint(r - 3, t), CPoint(l + 3, b), CPoint(r - 3, b), CPoint(l, t + 3),
                             CPoint(l, b - 3), CPoint(r, t + 3), CPoint(r, b - 3), CPoint(60, t), CPoint(l, 20)})
        EXPECT_EQ(frame, canvas.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    // Each corner is rounded: its own pixel untouched, the diagonal one in
    // the frame colour, the ones beside it blended over the background.
    struct Corner
    {
        int x, y, dx, dy;
    };
    for (const Corner& c : {Corner{l, t, 1, 1}, Corner{r, t, -1, 1}, Corner{l, b, 1, -1}, Corner{r, b, -1, -1}})
    {
        EXPECT_EQ(kBack, canvas.Pixel(c.x, c.y)) << c.x << "," << c.y;
        EXPECT_EQ(frame, canvas.Pixel(c.x + c.dx, c.y + c.dy)) << c.x << "," << c.y;
        EXPECT_TRUE(Near(Over(frame, kBack, 60), canvas.Pixel(c.x + c.dx, c.y), 1)) << c.x << "," << c.y;
        EXPECT_TRUE(Near(Over(frame, kBack, 60), canvas.Pixel(c.x, c.y + c.dy), 1)) << c.x << "," << c.y;
        EXPECT_TRUE(Near(Over(frame, kBack, 120), canvas.Pixel(c.x + 2 * c.dx, c.y), 1)) << c.x << "," << c.y;
        EXPECT_TRUE(Near(Over(frame, kBack, 120), canvas.Pixel(c.x, c.y + 2 * c.dy), 1)) << c.x << "," << c.y;
    }
    EXPECT_EQ(kBack, canvas.Pixel(l - 1, 20));
    EXPECT_EQ(kBack, canvas.Pixel(60, b + 1));
}

TEST(VisualStudio2008Theme, StateHighlightRulesByBarAndState)
{
    enum Look
    {
        Rounded,       // the popup highlight
        OfficeChecked, // the flat Office rule: checked and hot
        OfficeHot,
        MenuBar,       // edges in 5, frame in 32, fill 31
        PoppedFramed32,
        OfficePopped,  // the Office 2003 rule: popped gradient framed in 43
        Nothing
    };
    struct Case
    {
        const char* pszName;
        int nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nPosition;
        Look look;
    };
    const Case cases[] = {
        {"hot popup item", 1, 0, 1, 0, 0, 2, 5, Rounded},
        {"hot popup item, disabled", 1, 0, 0, 0, 0, 2, 5, Rounded},
        {"hot and checked popup item", 1, 0, 1, 1, 0, 2, 5, OfficeChecked},
        {"pressed popup item", 1, 1, 1, 0, 0, 2, 5, OfficeChecked},
        {"hot item of a popup bar placed elsewhere", 1, 0, 1, 0, 0, 2, 4, OfficeHot},
        {"idle popup item", 0, 0, 1, 0, 0, 2, 5, Nothing},
        {"hot menu-bar item", 1, 0, 1, 0, 0, 0, 0, MenuBar},
        {"pressed menu-bar item", 1, 1, 1, 0, 0, 0, 0, OfficeChecked},
        {"open tool-bar popup", 0, 0, 1, 0, 1, 1, 0, PoppedFramed32},
        {"open, disabled tool-bar popup", 0, 0, 0, 0, 1, 1, 0, OfficePopped},
        {"hot tool-bar button", 1, 0, 1, 0, 0, 1, 0, OfficeHot},
        {"idle tool-bar button", 0, 0, 1, 0, 0, 1, 0, Nothing},
    };
    for (const Case& c : cases)
    {
        CDistinctVisualStudio theme;
        CPixelCanvas canvas(40, 40, kBack);
        theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 38, 38), c.nSelected, c.nPressed, c.bEnabled, c.nChecked,
                                 c.bPopped, c.nBarType, c.nPosition);
        const COLORREF corner = canvas.Pixel(2, 2), edge = canvas.Pixel(20, 2), inner = canvas.Pixel(3, 3),
                       face = canvas.Pixel(20, 20);
        switch (c.look)
        {
        case Rounded:
            EXPECT_EQ(kBack, corner) << c.pszName;
            EXPECT_EQ(theme.m_clrPopupHighlightFrame.GetColor(), edge) << c.pszName;
            EXPECT_EQ(theme.m_grcPopupHighlight.clrLight.GetColor(), face) << c.pszName;
            break;
        case OfficeChecked:
            EXPECT_EQ(Entry(50), corner) << c.pszName;
            EXPECT_EQ(Entry(33), face) << c.pszName;
            break;
        case OfficeHot:
            EXPECT_EQ(Entry(32), corner) << c.pszName;
            EXPECT_EQ(Entry(31), face) << c.pszName;
            break;
        case MenuBar:
            EXPECT_EQ(kBack, corner) << c.pszName;
            EXPECT_EQ(Entry(5), edge) << c.pszName;
            EXPECT_EQ(Entry(5), canvas.Pixel(2, 20)) << c.pszName;
            EXPECT_EQ(Entry(5), canvas.Pixel(37, 20)) << c.pszName;
            EXPECT_EQ(Entry(5), canvas.Pixel(20, 37)) << c.pszName;
            EXPECT_TRUE(Near(Over(Entry(32), Entry(5), 128), inner, 1)) << c.pszName;
            EXPECT_EQ(Entry(32), canvas.Pixel(20, 3)) << c.pszName;
            EXPECT_EQ(Entry(32), canvas.Pixel(3, 20)) << c.pszName;
            EXPECT_EQ(Entry(31), canvas.Pixel(4, 4)) << c.pszName;
            EXPECT_EQ(Entry(31), face) << c.pszName;
            break;
        case PoppedFramed32:
            EXPECT_EQ(Entry(32), corner) << c.pszName;
            EXPECT_TRUE(Near(theme.m_grcPopped.clrLight.GetColor(), canvas.Pixel(20, 3), 4)) << c.pszName;
            EXPECT_TRUE(Near(theme.m_grcPopped.clrDark.GetColor(), canvas.Pixel(20, 36), 4)) << c.pszName;
            break;
        case OfficePopped:
            EXPECT_EQ(Entry(43), corner) << c.pszName;
            break;
        case Nothing:
            EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 40, 40))) << c.pszName;
            break;
        }
    }

    // An open menu-bar item: the popped gradient inside the two frames.
    CDistinctVisualStudio theme;
    CPixelCanvas canvas(40, 40, kBack);
    theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 38, 38), 1, 0, TRUE, 0, TRUE, zmrBarTypeMenuBar, zmrBarTop);
    EXPECT_EQ(Entry(5), canvas.Pixel(20, 2));
    EXPECT_EQ(Entry(32), canvas.Pixel(20, 3));
    EXPECT_TRUE(Near(theme.m_grcPopped.clrLight.GetColor(), canvas.Pixel(20, 4), 4));
}

TEST(VisualStudio2008Theme, TextColourOfTheHotPopupItem)
{
    CVisualStudio theme(kOlive);
    theme.m_clrPopupHighlightText.SetStandardValue(RGB(200, 10, 20));
    struct Case
    {
        const char* pszName;
        int nSelected, nPressed, bEnabled, nChecked, nBarType, nPosition;
        COLORREF expected;
    };
    const Case cases[] = {
        {"hot", 1, 0, 1, 0, 2, 5, RGB(200, 10, 20)},
        {"hot and checked", 1, 0, 1, 1, 2, 5, RGB(200, 10, 20)},
        {"hot and pressed: the Office rule", 1, 1, 1, 0, 2, 5, 45},
        {"hot, disabled: the Office rule", 1, 0, 0, 0, 2, 5, 35},
        {"idle: the Office rule", 0, 0, 1, 0, 2, 5, 44},
        {"hot on a tool bar: the Office rule", 1, 0, 1, 0, 1, 0, 45},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, theme.GetStateTextColor(c.nSelected, c.nPressed, c.bEnabled, c.nChecked, FALSE,
                                                       c.nBarType, c.nPosition))
            << c.pszName;
}

TEST(VisualStudio2008Theme, PopupSeparatorsIconColumnAndBorders)
{
    CBar<CDistinctVisualStudio> bar(zmrBarTypePopup, zmrBarPopup);
    CZMRVisualStudio2008Theme& theme = *bar.m_pTheme;
    CZMRControl* pControl = bar.Add(zmrControlButton, 100, L"Item");
    pControl->SetRect(CRect(4, 40, 180, 62));
    pControl->SetRowRect(CRect(4, 40, 180, 62));
    const int xStart = theme.GetPopupIconColumnWidth(bar.m_pBar) + 10 + 4 - 1;

    CPixelCanvas canvas(200, 80, kBack);
    EXPECT_EQ(CSize(0, 0), theme.DrawSeparator(canvas.DC(), bar.m_pBar, pControl, TRUE));
    EXPECT_EQ(Entry(39), canvas.Pixel(xStart, 38));
    EXPECT_EQ(Entry(20), canvas.Pixel(xStart, 39));
    EXPECT_EQ(Entry(39), canvas.Pixel(180, 38));
    EXPECT_EQ(kBack, canvas.Pixel(181, 38));
    EXPECT_EQ(kBack, canvas.Pixel(xStart - 1, 38));
    EXPECT_EQ(kBack, canvas.Pixel(xStart, 37));
    // Measuring is the Office rule.
    EXPECT_EQ(CSize(3, 3), theme.DrawSeparator(nullptr, bar.m_pBar, pControl, FALSE));

    // A control that starts a new column: the groove runs down its left.
    pControl->SetWrap(TRUE);
    CPixelCanvas column(200, 80, kBack);
    theme.DrawSeparator(column.DC(), bar.m_pBar, pControl, TRUE);
    EXPECT_EQ(Entry(39), column.Pixel(2, 39));
    EXPECT_EQ(Entry(20), column.Pixel(3, 39));
    EXPECT_EQ(Entry(39), column.Pixel(2, 62));
    EXPECT_EQ(kBack, column.Pixel(2, 63));
    EXPECT_EQ(kBack, column.Pixel(4, 50));

    // The icon column and its grooved edge.
    theme.m_grcIconColumn.SetStandardColor(RGB(10, 200, 30));
    theme.m_grcHiddenIconColumn.SetStandardColor(RGB(200, 10, 30));
    CPixelCanvas icons(60, 40, kBack);
    theme.FillIconColumn(icons.DC(), 5, 4, 24, 30, FALSE);
    theme.FillIconColumn(icons.DC(), 35, 4, 10, 30, TRUE);
    EXPECT_EQ(RGB(10, 200, 30), icons.Pixel(5, 4));
    EXPECT_EQ(RGB(10, 200, 30), icons.Pixel(28, 33));
    EXPECT_EQ(Entry(39), icons.Pixel(29, 4));
    EXPECT_EQ(Entry(20), icons.Pixel(30, 33));
    EXPECT_EQ(kBack, icons.Pixel(29, 34));
    EXPECT_EQ(RGB(200, 10, 30), icons.Pixel(40, 20));
    EXPECT_EQ(Entry(39), icons.Pixel(45, 20));

    // Borders and the rectangle an opening popup avoids.
    EXPECT_EQ(CRect(4, 3, 4, 3), theme.GetBarBorderWidths(bar.m_pBar));
    CRect rc(10, 10, 50, 30);
    theme.AdjustAvoidRect(rc, pControl, FALSE);
    EXPECT_EQ(CRect(9, 10, 51, 30), rc);

    CBar<CDistinctVisualStudio> toolBar(zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(CRect(4, 2, 2, 2), theme.GetBarBorderWidths(toolBar.m_pBar)) << "the Office 2003 rule";
    CZMRControl* pButton = toolBar.Add(zmrControlButton, 100, L"B");
    rc = CRect(10, 10, 50, 30);
    theme.AdjustAvoidRect(rc, pButton, FALSE);
    EXPECT_EQ(CRect(10, 10, 50, 30), rc);
    CBar<CDistinctVisualStudio> floating(zmrBarTypePopup, zmrBarFloating);
    EXPECT_EQ(CZMROffice2003Theme().GetBarBorderWidths(floating.m_pBar), theme.GetBarBorderWidths(floating.m_pBar));
}

// ---------------------------------------------------------------- pictures

TEST(WhidbeyThemePictures, ToolBarPopupAndMenuBarInEachScheme)
{
    typedef CRefreshed<CZMRWhidbeyTheme> CWhidbeyPicture;
    typedef CRefreshed<CZMRVisualStudio2008Theme> CVisualStudioPicture;
    struct Case
    {
        int nTheme;
        LPCWSTR lpszName;
    };
    for (const Case& c : {Case{kBlue, L"blue"}, Case{kOlive, L"olive"}, Case{kSilver, L"silver"},
                          Case{kAero, L"aero"}, Case{kNone, L"system"}})
    {
        CSystemTheme scope(c.nTheme);
        const std::wstring strName = c.lpszName;
        DrawToolBarPicture<CWhidbeyPicture>(L"whidbey-" + strName);
        DrawPopupPicture<CWhidbeyPicture>(L"whidbey-" + strName);
        DrawMenuBarPicture<CWhidbeyPicture>(L"whidbey-" + strName);
        DrawToolBarPicture<CVisualStudioPicture>(L"vs2008-" + strName);
        DrawPopupPicture<CVisualStudioPicture>(L"vs2008-" + strName);
        DrawMenuBarPicture<CVisualStudioPicture>(L"vs2008-" + strName);
    }
}
