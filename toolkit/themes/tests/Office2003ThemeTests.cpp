// The Office 2003 theme: its colour sets per scheme, the gradient
// highlights per scheme and state read back from memory canvases, bar
// backgrounds with their rounded ends and edge line, grippers, separators,
// the expand buttons and their image, the status bar, the dock area, and the
// pictures of each scheme.
#include "CZMROffice2003Theme.h"
#include "CZMRColorManager.h"
#include "CZMRPopupBar.h"
#include "CZMRShadowManager.h"
#include "CZMRToolBar.h"
#include "ThemeTestSupport.h"
#include <memory>

using namespace themetest;

namespace
{
enum Scheme
{
    kSystem = 0,
    kBlue = 1,
    kOlive = 2,
    kSilver = 3,
    kRoyale = 4,
    kAero = 5
};

// The theme refreshed for a colour scheme (0: none detected).
class CTheme : public CZMROffice2003Theme
{
public:
    explicit CTheme(int nScheme = kBlue) { Use(nScheme); }
    void Use(int nScheme)
    {
        m_nColorScheme = nScheme;
        RefreshMetrics();
        // The lines of the size gripper, not the visual style's part.
        m_themeStatusBar.CloseThemeData();
    }
};

// CTheme with the blue set, as the bar fixtures make it.
class CBlueTheme : public CTheme
{
public:
    CBlueTheme() : CTheme(kBlue) {}
};
typedef CBar<CBlueTheme> CThemeBar;

struct CGradient
{
    COLORREF clrFirst, clrSecond;
    float fFactor;
};

// The sets as the look defines them, per scheme: blue, olive, silver.
struct CSetRow
{
    const char* pszName;
    CGradient dock, face;
    COLORREF edge;
    CGradient popped;
    COLORREF floatingCaption;
    CGradient expand, hiddenIconColumn, expandImage;
    COLORREF paneFrame, shadow;
    CGradient caption;
    COLORREF tearOff;
    // Entries 53, 51, 52, 12, 56, 38, 39, 40, 41, 43, 31, 32 (also 37, 50), 33, 36, 30, 47.
    COLORREF entries[16];
};

const CSetRow s_sets[3] = {
    {"blue",
     {RGB(158, 190, 245), RGB(196, 218, 250), 0.5f},
     {RGB(221, 236, 254), RGB(129, 169, 226), 0.75f},
     RGB(59, 97, 156),
     {RGB(227, 239, 255), RGB(147, 181, 231), 0.5f},
     RGB(42, 102, 201),
     {RGB(117, 166, 241), RGB(0, 53, 145), 0.75f},
     {RGB(203, 221, 246), RGB(121, 161, 220), 0.5f},
     {RGB(227, 239, 254), RGB(129, 169, 226), 0.5f},
     RGB(211, 211, 211),
     RGB(22, 30, 54),
     {RGB(233, 236, 242), RGB(97, 122, 172), 0.5f},
     RGB(169, 199, 240),
     {RGB(203, 225, 252), RGB(216, 231, 252), RGB(158, 190, 245), RGB(144, 153, 174), RGB(189, 211, 247),
      RGB(39, 65, 118), RGB(106, 140, 203), RGB(109, 150, 208), RGB(246, 246, 246), RGB(0, 45, 150),
      RGB(255, 238, 194), RGB(0, 0, 128), RGB(254, 128, 62), RGB(255, 192, 111), RGB(196, 219, 249), RGB(0, 0, 0)}},
    {"olive",
     {RGB(217, 217, 167), RGB(242, 241, 228), 0.5f},
     {RGB(244, 247, 222), RGB(183, 198, 145), 0.3f},
     RGB(96, 128, 88),
     {RGB(236, 240, 213), RGB(194, 206, 159), 0.5f},
     RGB(116, 134, 94),
     {RGB(176, 194, 140), RGB(96, 119, 107), 0.3f},
     {RGB(230, 230, 209), RGB(164, 180, 120), 0.3f},
     {RGB(236, 240, 213), RGB(184, 198, 147), 0.5f},
     RGB(211, 211, 211),
     RGB(31, 34, 25),
     {RGB(243, 244, 240), RGB(131, 144, 113), 0.5f},
     RGB(197, 212, 159),
     {RGB(216, 227, 182), RGB(226, 231, 191), RGB(171, 192, 138), RGB(151, 160, 123), RGB(222, 227, 189),
      RGB(81, 94, 51), RGB(96, 128, 88), RGB(159, 174, 122), RGB(244, 244, 238), RGB(117, 141, 94),
      RGB(255, 238, 194), RGB(63, 93, 56), RGB(254, 128, 62), RGB(255, 192, 111), RGB(209, 222, 173), RGB(0, 0, 0)}},
    {"silver",
     {RGB(215, 215, 229), RGB(243, 243, 247), 0.5f},
     {RGB(249, 249, 255), RGB(156, 155, 183), 0.75f},
     RGB(124, 124, 148),
     {RGB(233, 231, 241), RGB(186, 185, 205), 0.5f},
     RGB(122, 121, 153),
     {RGB(179, 178, 200), RGB(118, 116, 146), 0.75f},
     {RGB(215, 215, 226), RGB(133, 131, 162), 0.5f},
     {RGB(232, 232, 241), RGB(176, 174, 197), 0.5f},
     RGB(236, 234, 218),
     RGB(36, 32, 41),
     {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
     RGB(192, 192, 211),
     {RGB(214, 211, 231), RGB(223, 223, 234), RGB(177, 176, 195), RGB(155, 154, 179), RGB(214, 215, 231),
      RGB(84, 84, 117), RGB(110, 109, 143), RGB(168, 167, 190), RGB(253, 250, 255), RGB(124, 124, 148),
      RGB(255, 238, 194), RGB(75, 75, 111), RGB(254, 128, 62), RGB(255, 192, 111), RGB(219, 218, 228), RGB(0, 0, 0)}},
};
const int s_entries[16] = {53, 51, 52, 12, 56, 38, 39, 40, 41, 43, 31, 32, 33, 36, 30, 47};

void ExpectGradient(const CZMRPaintManagerColorGradient& grc, const CGradient& expected, const char* pszSet,
                    const char* pszWhat)
{
    EXPECT_EQ(expected.clrFirst, grc.clrLight.GetColor()) << pszSet << " " << pszWhat;
    EXPECT_EQ(expected.clrSecond, grc.clrDark.GetColor()) << pszSet << " " << pszWhat;
    EXPECT_FLOAT_EQ(expected.fFactor, grc.fGradientFactor) << pszSet << " " << pszWhat;
}

// A two-colour gradient of factor 0.5 at step i of n.
COLORREF Lerp(const CGradient& g, int i, int n)
{
    auto channel = [&](int a, int b) { return a + (b - a) * i / n; };
    return RGB(channel(GetRValue(g.clrFirst), GetRValue(g.clrSecond)),
               channel(GetGValue(g.clrFirst), GetGValue(g.clrSecond)),
               channel(GetBValue(g.clrFirst), GetBValue(g.clrSecond)));
}

const CGradient kChecked = {RGB(255, 213, 140), RGB(255, 173, 85), 0.5f};
const CGradient kPressed = {RGB(254, 142, 75), RGB(255, 207, 139), 0.5f};
const CGradient kHot = {RGB(255, 242, 200), RGB(255, 212, 151), 0.5f};
} // namespace

// ---------------------------------------------------------------- colours

TEST(Office2003Theme, FactoryNumberAndSettings)
{
    CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(2);
    EXPECT_NE(nullptr, dynamic_cast<CZMROffice2003Theme*>(pTheme));
    EXPECT_EQ(2, pTheme->GetThemeKind());
    pTheme->InternalRelease();
    CZMROffice2003Theme theme;
    EXPECT_FALSE(theme.m_bFadeIcons);
    EXPECT_FALSE(theme.m_bHotIconShadow);
    EXPECT_TRUE(theme.m_bFlatMenuBar);
    EXPECT_EQ(8, theme.m_nTextGap);
    EXPECT_FALSE(theme.m_bSchemeColors);
    EXPECT_FALSE(theme.m_bPlainSeparators);
    ExpectGradient(theme.m_grcChecked, kChecked, "fixed", "checked");
    ExpectGradient(theme.m_grcPressed, kPressed, "fixed", "pressed");
    ExpectGradient(theme.m_grcHot, kHot, "fixed", "hot");
}

TEST(Office2003Theme, EachSchemeAppliesItsSet)
{
    struct Case
    {
        int nScheme, nSet;
    };
    for (const Case& c : {Case{kBlue, 0}, Case{kOlive, 1}, Case{kSilver, 2}, Case{kRoyale, 0}, Case{kAero, 0}})
    {
        CTheme theme(c.nScheme);
        const CSetRow& set = s_sets[c.nSet];
        EXPECT_TRUE(theme.m_bSchemeColors) << set.pszName;
        ExpectGradient(theme.m_grcDock, set.dock, set.pszName, "dock");
        ExpectGradient(theme.m_grcFace, set.face, set.pszName, "face");
        ExpectGradient(theme.m_grcIconColumn, set.face, set.pszName, "icon column");
        EXPECT_EQ(set.edge, theme.m_clrEdge.GetColor()) << set.pszName;
        ExpectGradient(theme.m_grcPopped, set.popped, set.pszName, "popped");
        EXPECT_EQ(set.floatingCaption, theme.m_clrFloatingCaption.GetColor()) << set.pszName;
        ExpectGradient(theme.m_grcExpand, set.expand, set.pszName, "expand");
        ExpectGradient(theme.m_grcHiddenIconColumn, set.hiddenIconColumn, set.pszName, "hidden icon column");
        ExpectGradient(theme.m_grcExpandImage, set.expandImage, set.pszName, "expand image");
        EXPECT_EQ(set.paneFrame, theme.m_clrPaneFrame.GetColor()) << set.pszName;
        EXPECT_EQ(set.shadow, theme.m_pShadowManager->m_clrShadow) << set.pszName;
        ExpectGradient(theme.m_grcCaption, set.caption, set.pszName, "caption");
        EXPECT_EQ(set.tearOff, theme.m_clrTearOff.GetColor()) << set.pszName;
        for (int i = 0; i < 16; i++)
            EXPECT_EQ(set.entries[i], theme.GetColor(s_entries[i])) << set.pszName << " entry " << s_entries[i];
        EXPECT_EQ(theme.GetColor(32), theme.GetColor(37)) << set.pszName;
        EXPECT_EQ(theme.GetColor(32), theme.GetColor(50)) << set.pszName;
        for (int i : {58, 60, 35})
            EXPECT_EQ(RGB(141, 141, 141), theme.GetColor(i)) << set.pszName << " entry " << i;
        EXPECT_EQ(set.floatingCaption, theme.GetColor(61)) << set.pszName;
        // The fixed highlight gradients stay.
        ExpectGradient(theme.m_grcHot, kHot, set.pszName, "hot");
    }
}

TEST(Office2003Theme, WithoutASchemeColoursDeriveFromTheSystem)
{
    CTheme theme(kSystem);
    EXPECT_FALSE(theme.m_bSchemeColors);
    auto sys = [&](int i) { return theme.GetColor(i); };
    // Mix(a, b, w): w/1000 of a and the rest of b, rounded.
    auto mix = [&](int a, int b, int w) {
        auto channel = [&](int ca, int cb) { return (w * ca + (1000 - w) * cb + 500) / 1000; };
        const COLORREF x = sys(a), y = sys(b);
        return RGB(channel(GetRValue(x), GetRValue(y)), channel(GetGValue(x), GetGValue(y)),
                   channel(GetBValue(x), GetBValue(y)));
    };
    ExpectGradient(theme.m_grcHiddenIconColumn, {mix(5, 42, 550), sys(42), 0.5f}, "system", "hidden icon column");
    ExpectGradient(theme.m_grcFace, {mix(15, 5, 205), sys(15), 0.5f}, "system", "face");
    ExpectGradient(theme.m_grcIconColumn, {mix(15, 5, 205), sys(15), 0.5f}, "system", "icon column");
    ExpectGradient(theme.m_grcDock, {sys(15), mix(15, 5, 205), 0.5f}, "system", "dock");
    ExpectGradient(theme.m_grcPopped, {sys(41), mix(5, 15, 550), 0.5f}, "system", "popped");
    ExpectGradient(theme.m_grcExpandImage, {sys(41), mix(5, 15, 550), 0.5f}, "system", "expand image");
    EXPECT_EQ(sys(30), theme.m_clrEdge.GetColor());
    EXPECT_EQ(sys(30), theme.m_clrTearOff.GetColor());
    EXPECT_EQ(sys(16), theme.m_clrFloatingCaption.GetColor());
    EXPECT_EQ(GetColorManager()->m_arrGradients[1].clrDark.GetColor(), sys(55));
    // Mix(15, 5, 70): 70 is below 100, so w/100.
    const COLORREF a = sys(15), b = sys(5);
    auto channel = [](int ca, int cb) { return (70 * ca + 30 * cb + 50) / 100; };
    EXPECT_EQ(RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                  channel(GetBValue(a), GetBValue(b))),
              theme.m_clrPaneFrame.GetColor());
}

TEST(Office2003Theme, CustomColoursKeepWinningOverASet)
{
    CTheme theme(kSystem);
    theme.m_arrColors[30].SetCustomValue(RGB(1, 2, 3));
    theme.m_clrEdge.SetCustomValue(RGB(4, 5, 6));
    theme.Use(kBlue);
    EXPECT_EQ(RGB(1, 2, 3), theme.GetColor(30));
    EXPECT_EQ(RGB(4, 5, 6), theme.m_clrEdge.GetColor());
    EXPECT_EQ(RGB(254, 128, 62), theme.GetColor(33)) << "the others take the set";
}

TEST(Office2003Theme, ExpandImageFromTheIntensityMap)
{
    CTheme theme(kBlue);
    ASSERT_EQ(1, theme.m_ilExpand.GetImageCount());
    const COLORREF first = RGB(227, 239, 254), second = RGB(129, 169, 226);
    auto expected = [&](int n) {
        auto channel = [&](int f, int s) { return s - (s - f) * n / 255; };
        return RGB(channel(GetRValue(first), GetRValue(second)), channel(GetGValue(first), GetGValue(second)),
                   channel(GetBValue(first), GetBValue(second)));
    };
    const COLORREF kMagenta = RGB(255, 0, 255);
    CPixelCanvas canvas(16, 16, kMagenta);
    theme.m_ilExpand.Draw(canvas.DC(), 0, CPoint(0, 0), ILD_NORMAL);
    struct Case
    {
        int x, y, nIntensity;   // -1: transparent
    };
    const Case cases[] = {
        {0, 0, -1}, {15, 0, -1}, {0, 15, -1},  {15, 15, -1}, {0, 4, 252}, {8, 15, 0},
        {4, 0, 234}, {7, 0, 198}, {11, 15, 180}, {13, 12, 0}, {6, 6, 198}, {1, 9, 144},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nIntensity < 0 ? kMagenta : expected(c.nIntensity), canvas.Pixel(c.x, c.y)) << c.x << "," << c.y;
}

// ---------------------------------------------------------------- highlights

TEST(Office2003Theme, GradientHighlightsBySchemeAndState)
{
    enum Look
    {
        None,
        Popped,
        Hot,
        Pressed,
        Checked,
        Solid
    };
    struct Case
    {
        const char* pszName;
        int nScheme;
        int nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nPosition;
        Look look;
        int nFrame;   // table entry of the frame
        int nFill;    // table entry of a solid fill
    };
    const Case cases[] = {
        {"popped", kBlue, 0, 0, 1, 0, 1, 1, 0, Popped, 43, 0},
        {"popped, no scheme", kSystem, 0, 0, 1, 0, 1, 1, 0, Popped, 43, 0},
        {"hot", kBlue, 1, 0, 1, 0, 0, 1, 0, Hot, 32, 0},
        {"pressed alone", kOlive, 0, 1, 1, 0, 0, 1, 0, Hot, 32, 0},
        {"hot and pressed", kSilver, 1, 1, 1, 0, 0, 1, 0, Pressed, 50, 0},
        {"pressed while running", kBlue, 0, 3, 1, 0, 0, 1, 1, Pressed, 50, 0},
        {"checked", kBlue, 0, 0, 1, 1, 0, 1, 0, Checked, 37, 0},
        {"checked and hot", kOlive, 1, 0, 1, 1, 0, 1, 0, Pressed, 50, 0},
        {"indeterminate", kSilver, 0, 0, 1, 2, 0, 1, 0, Solid, 50, 51},
        {"disabled, checked", kBlue, 0, 0, 0, 1, 0, 1, 0, Checked, 58, 0},
        {"disabled, keyboard selected", kBlue, 2, 0, 0, 0, 0, 1, 0, Hot, 50, 0},
        {"disabled, checked, keyboard selected", kBlue, 3, 0, 0, 1, 0, 1, 0, Pressed, 50, 0},
        {"idle", kBlue, 0, 0, 1, 0, 0, 1, 0, None, 0, 0},
        {"floating", kBlue, 1, 0, 1, 0, 0, 1, 4, Hot, 32, 0},
        {"checked, no scheme: the flat rule", kSystem, 0, 0, 1, 1, 0, 1, 0, Solid, 37, 36},
        {"popup bar: the flat rule", kBlue, 1, 0, 1, 0, 0, 2, 5, Solid, 32, 31},
        {"popup position: the flat rule", kBlue, 1, 0, 1, 0, 0, 1, 5, Solid, 32, 31},
    };
    for (const Case& c : cases)
    {
        CTheme theme(c.nScheme);
        CPixelCanvas canvas(44, 44, kBack);
        const CRect rc(2, 2, 42, 42);
        theme.DrawStateHighlight(canvas.DC(), rc, c.nSelected, c.nPressed, c.bEnabled, c.nChecked, c.bPopped,
                                 c.nBarType, c.nPosition);
        if (c.look == None)
        {
            EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 44, 44))) << c.pszName;
            continue;
        }
        EXPECT_EQ(theme.GetColor(c.nFrame), canvas.Pixel(2, 2)) << c.pszName;
        EXPECT_EQ(theme.GetColor(c.nFrame), canvas.Pixel(41, 41)) << c.pszName;
        if (c.look == Solid)
        {
            EXPECT_EQ(theme.GetColor(c.nFill), canvas.Pixel(20, 20)) << c.pszName;
            continue;
        }
        CGradient g = {};
        switch (c.look)
        {
        case Popped:
            g = {theme.m_grcPopped.clrLight.GetColor(), theme.m_grcPopped.clrDark.GetColor(), 0.5f};
            break;
        case Hot:
            g = kHot;
            break;
        case Pressed:
            g = kPressed;
            break;
        default:
            g = kChecked;
            break;
        }
        // Vertical on horizontal bars: from the first colour at the top to
        // the second at the bottom of the 40 rows.
        EXPECT_TRUE(Near(Lerp(g, 1, 40), canvas.Pixel(20, 3), 3)) << c.pszName;
        EXPECT_TRUE(Near(Lerp(g, 38, 40), canvas.Pixel(20, 40), 3)) << c.pszName;
    }

    // On vertical bars the gradient runs left to right.
    CTheme theme(kBlue);
    CPixelCanvas canvas(44, 44, kBack);
    theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 42, 42), 1, 0, TRUE, 0, FALSE, 1, zmrBarLeft);
    EXPECT_TRUE(Near(Lerp(kHot, 1, 40), canvas.Pixel(3, 20), 3));
    EXPECT_TRUE(Near(Lerp(kHot, 38, 40), canvas.Pixel(40, 20), 3));
    EXPECT_EQ(canvas.Pixel(20, 3), canvas.Pixel(20, 40));
}

// ---------------------------------------------------------------- bars

namespace
{
// A bar docked in a parent window that is wider than the bar: the dock
// gradient behind it spans the parent.
struct CDockedBar
{
    CDockedBar(int nPosition, CSize szBar, DWORD dwParentStyle = 0) : bar(zmrBarTypeNormal, nPosition)
    {
        parent.CreateEx(0, L"STATIC", L"", WS_POPUP | dwParentStyle, CRect(0, 0, 800, 600), nullptr, 0);
        bar.m_pBar->CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(CPoint(0, 0), szBar), &parent, 0);
    }
    ~CDockedBar()
    {
        bar.m_pBar->DestroyWindow();
        parent.DestroyWindow();
    }
    CWnd parent;
    CThemeBar bar;
};
} // namespace

TEST(Office2003ThemeBars, HorizontalBarFaceEdgeAndRoundedEnds)
{
    const int w = 120, h = 26;
    CDockedBar docked(zmrBarTop, CSize(w, h));
    CBlueTheme& theme = *docked.bar.m_pTheme;
    CZMRControl* pButton = docked.bar.Add(zmrControlButton, 100, L"", zmrButtonIcon);
    pButton->SetRect(CRect(10, 2, 32, 24));
    pButton->SetRowRect(CRect(4, 2, 118, 24));
    CPixelCanvas canvas(w, h, kBack);
    theme.PaintBarBackground(canvas.DC(), docked.bar.m_pBar);

    const COLORREF edge = RGB(59, 97, 156), faceFirst = RGB(221, 236, 254), faceSecond = RGB(129, 169, 226);
    const COLORREF dockFirst = RGB(158, 190, 245);
    // The left 3 pixels and the top row show the dock area.
    EXPECT_TRUE(Near(dockFirst, canvas.Pixel(0, 10), 4));
    EXPECT_TRUE(Near(dockFirst, canvas.Pixel(2, 10), 4));
    EXPECT_TRUE(Near(dockFirst, canvas.Pixel(10, 0), 4));
    // The face's corners are cut out: (3, 1) shows the dock area too.
    EXPECT_TRUE(Near(dockFirst, canvas.Pixel(3, 1), 4));
    EXPECT_TRUE(Near(faceFirst, canvas.Pixel(4, 1), 4));
    EXPECT_TRUE(Near(faceFirst, canvas.Pixel(60, 1), 4));
    // Down to the bottom of the first row + 1, then the face's second colour.
    EXPECT_TRUE(Near(faceSecond, canvas.Pixel(60, 24), 8));
    // The edge line: at y = h - 1 from x = 5, w - 7 long.
    EXPECT_NE(edge, canvas.Pixel(4, h - 1));
    EXPECT_EQ(edge, canvas.Pixel(5, h - 1));
    EXPECT_EQ(edge, canvas.Pixel(w - 3, h - 1));
    EXPECT_NE(edge, canvas.Pixel(w - 2, h - 1));

    // The clipping does not outlive the background: the next drawing reaches
    // the left strip and the cut corners.
    canvas.DC()->FillSolidRect(0, 0, w, h, RGB(9, 9, 9));
    EXPECT_EQ(RGB(9, 9, 9), canvas.Pixel(0, 10));
    EXPECT_EQ(RGB(9, 9, 9), canvas.Pixel(3, 1));
}

TEST(Office2003ThemeBars, VerticalBarAndItsDockArea)
{
    const int w = 26, h = 120;
    CDockedBar docked(zmrBarLeft, CSize(w, h));
    CPixelCanvas canvas(w, h, kBack);
    docked.bar.m_pTheme->PaintBarBackground(canvas.DC(), docked.bar.m_pBar);
    const COLORREF edge = RGB(59, 97, 156);
    EXPECT_EQ(edge, canvas.Pixel(w - 1, 5));
    EXPECT_EQ(edge, canvas.Pixel(w - 1, h - 3));
    EXPECT_NE(edge, canvas.Pixel(w - 1, 4));
    EXPECT_TRUE(Near(RGB(221, 236, 254), canvas.Pixel(1, 60), 4)) << "face from the left";
    EXPECT_TRUE(Near(RGB(158, 190, 245), canvas.Pixel(10, 1), 4)) << "the top 3 pixels show the dock area";

    // A parent with the style bits 0x4100: the dock area is its second colour.
    CDockedBar solid(zmrBarLeft, CSize(w, h), 0x4100);
    CPixelCanvas solidCanvas(w, h, kBack);
    solid.bar.m_pTheme->PaintBarBackground(solidCanvas.DC(), solid.bar.m_pBar);
    EXPECT_EQ(RGB(196, 218, 250), solidCanvas.Pixel(10, 1));
}

TEST(Office2003ThemeBars, FloatingBarBandsFramesAndCorners)
{
    const int w = 100, h = 60;
    CThemeBar bar(zmrBarTypeNormal, zmrBarFloating, CSize(w, h));
    bar.m_pBar->SetFlags(0x1);
    CPixelCanvas canvas(w, h, kBack);
    bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
    const COLORREF frame = RGB(42, 102, 201);
    EXPECT_EQ(frame, canvas.Pixel(0, 0));
    EXPECT_EQ(frame, canvas.Pixel(1, 1));
    EXPECT_EQ(frame, canvas.Pixel(2, 2)) << "the rounded corner inside";
    EXPECT_EQ(frame, canvas.Pixel(w - 2, 2));
    EXPECT_EQ(RGB(196, 219, 249), canvas.Pixel(w - 3, 2)) << "no rounding at the right: fill 30";
    EXPECT_EQ(RGB(196, 219, 249), canvas.Pixel(2, 10)) << "fill 30 beside the bands";
    EXPECT_TRUE(Near(RGB(129, 169, 226), canvas.Pixel(50, h - 4), 8)) << "the face band ends 2 above the inside";
    EXPECT_EQ(RGB(196, 219, 249), canvas.Pixel(50, h - 3));

    // A bar that cannot dock again keeps the flat look's floating frame.
    bar.m_pBar->SetFlags(0, 0xF);
    EXPECT_FALSE(bar.m_pTheme->HasFloatingGradientLook(bar.m_pBar));
    CPixelCanvas flat(w, h, kBack);
    bar.m_pTheme->PaintBarBackground(flat.DC(), bar.m_pBar);
    EXPECT_EQ(RGB(196, 219, 249), flat.Pixel(50, 30)) << "the flat rule: fill 30";
}

TEST(Office2003ThemeBars, PopupFrameOpensInItsFill)
{
    CBar<CBlueTheme> bar(zmrBarTypeNormal, zmrBarTop);
    bar.m_pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(100, 100, 300, 130), nullptr, 0);
    CZMRControl* pButton = bar.Add(zmrControlPopup, 0, L"File", zmrButtonCaption);
    pButton->SetRect(CRect(10, 2, 50, 24));
    CZMRPopupBar* pPopup = new CZMRPopupBar;
    pPopup->SetPaintManager(bar.m_pTheme);
    pPopup->SetType(zmrBarTypePopup);
    pPopup->SetPosition(zmrBarPopup);
    pPopup->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(110, 123, 260, 223), nullptr, 0);
    pPopup->SetControlPopup(pButton);
    CPixelCanvas canvas(150, 100, kBack);
    bar.m_pTheme->PaintBarBackground(canvas.DC(), pPopup);
    EXPECT_EQ(RGB(0, 45, 150), canvas.Pixel(0, 0)) << "frame 43";
    EXPECT_EQ(RGB(246, 246, 246), canvas.Pixel(5, 0)) << "opened in 41";
    EXPECT_EQ(RGB(0, 45, 150), canvas.Pixel(39, 0));
    pPopup->SetControlPopup(nullptr);
    pPopup->DestroyWindow();
    pPopup->InternalRelease();
}

TEST(Office2003ThemeBars, DottedGrippersAndBorders)
{
    CThemeBar top(zmrBarTypeNormal, zmrBarTop, CSize(40, 26));
    CBlueTheme& theme = *top.m_pTheme;
    const COLORREF light = theme.GetColor(COLOR_WINDOW), dark = RGB(39, 65, 118);
    CPixelCanvas canvas(40, 26, kBack);
    EXPECT_EQ(CSize(6, 0), theme.DrawGripper(nullptr, top.m_pBar, FALSE));
    EXPECT_EQ(CSize(6, 0), theme.DrawGripper(canvas.DC(), top.m_pBar, TRUE)) << "measuring equals drawing";
    // Dots for y0 = 8 to 20 (y0 - 3 < 26 - 7): dark 2 x 2 at (6, y0 - 3),
    // the light one showing right and below it.
    for (int y0 : {8, 12, 16, 20})
    {
        EXPECT_EQ(dark, canvas.Pixel(6, y0 - 3)) << y0;
        EXPECT_EQ(dark, canvas.Pixel(7, y0 - 2)) << y0;
        EXPECT_EQ(light, canvas.Pixel(8, y0 - 1)) << y0;
        EXPECT_EQ(light, canvas.Pixel(8, y0 - 2)) << y0;
    }
    EXPECT_EQ(kBack, canvas.Pixel(6, 24 - 3)) << "y0 = 24 is past the end";
    EXPECT_EQ(kBack, canvas.Pixel(6, 1));

    // 12 pixels high or less: no dots.
    CThemeBar low(zmrBarTypeNormal, zmrBarTop, CSize(40, 12));
    CPixelCanvas lowCanvas(40, 12, kBack);
    low.m_pTheme->DrawGripper(lowCanvas.DC(), low.m_pBar, TRUE);
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(lowCanvas, CRect(0, 0, 40, 12)));

    // At the side: along the top, 9 high.
    CThemeBar side(zmrBarTypeNormal, zmrBarRight, CSize(26, 40));
    CPixelCanvas sideCanvas(26, 40, kBack);
    EXPECT_EQ(CSize(0, 9), side.m_pTheme->DrawGripper(sideCanvas.DC(), side.m_pBar, TRUE));
    EXPECT_EQ(dark, sideCanvas.Pixel(5, 6));
    EXPECT_EQ(light, sideCanvas.Pixel(7, 8));

    EXPECT_EQ(CRect(4, 2, 2, 2), theme.GetBarBorderWidths(top.m_pBar));
    EXPECT_EQ(CRect(2, 2, 2, 2), theme.GetBarBorderWidths(side.m_pBar));

    // Dialog-bar gripper: 8 wide, base height + 6 from 19 on, else 25.
    for (int nBase : {18, 19, 24})
    {
        theme.m_nBaseHeight = nBase;
        EXPECT_EQ(CSize(8, nBase >= 19 ? nBase + 6 : 25), theme.DrawDialogBarGripper(nullptr, top.m_pBar, FALSE));
    }
}

TEST(Office2003ThemeBars, GroovedSeparators)
{
    struct Case
    {
        const char* pszName;
        int nPosition;
        BOOL bWrap, bPlain;
        CPoint ptLine, ptHighlight;   // ptHighlight.x < 0: no highlight
    };
    // Control (40, 20)-(80, 40) in the row (10, 18)-(110, 42).
    const Case cases[] = {
        {"docked", zmrBarTop, FALSE, FALSE, CPoint(36, 22), CPoint(37, 23)},
        {"docked, plain", zmrBarTop, FALSE, TRUE, CPoint(36, 22), CPoint(-1, 0)},
        {"docked, wrapping", zmrBarTop, TRUE, FALSE, CPoint(14, 14), CPoint(15, 15)},
        {"docked, wrapping, plain", zmrBarTop, TRUE, TRUE, CPoint(14, 14), CPoint(15, 15)},
        {"side", zmrBarLeft, FALSE, FALSE, CPoint(14, 16), CPoint(15, 17)},
        {"side, wrapping", zmrBarLeft, TRUE, FALSE, CPoint(112, 22), CPoint(113, 23)},
        {"floating", zmrBarFloating, FALSE, FALSE, CPoint(36, 22), CPoint(37, 23)},
    };
    for (const Case& c : cases)
    {
        CThemeBar bar(zmrBarTypeNormal, c.nPosition);
        bar.m_pTheme->m_bPlainSeparators = c.bPlain;
        CZMRControl* pControl = bar.Add(zmrControlButton, 0, L"m");
        pControl->SetRect(CRect(40, 20, 80, 40));
        pControl->SetRowRect(CRect(10, 18, 110, 42));
        pControl->SetWrap(c.bWrap);
        CPixelCanvas canvas(120, 50, kBack);
        EXPECT_EQ(CSize(0, 0), bar.m_pTheme->DrawSeparator(canvas.DC(), bar.m_pBar, pControl, TRUE));
        EXPECT_EQ(RGB(106, 140, 203), canvas.Pixel(c.ptLine.x, c.ptLine.y)) << c.pszName;
        if (c.ptHighlight.x >= 0)
        {
            EXPECT_EQ(bar.m_pTheme->GetColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(c.ptHighlight.x, c.ptHighlight.y))
                << c.pszName;
        }
        else
        {
            EXPECT_EQ(kBack, canvas.Pixel(37, 23)) << c.pszName;
        }
    }
    // A wrapping control on a floating bar draws nothing; floating bars measure 6 x 0.
    CThemeBar floating(zmrBarTypeNormal, zmrBarFloating);
    CZMRControl* pControl = floating.Add(zmrControlButton, 0, L"m");
    pControl->SetRect(CRect(40, 20, 80, 40));
    pControl->SetRowRect(CRect(10, 18, 110, 42));
    pControl->SetWrap(TRUE);
    CPixelCanvas canvas(120, 50, kBack);
    floating.m_pTheme->DrawSeparator(canvas.DC(), floating.m_pBar, pControl, TRUE);
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 120, 50)));
    EXPECT_EQ(CSize(6, 0), floating.m_pTheme->DrawSeparator(nullptr, floating.m_pBar, pControl, FALSE));
    CThemeBar top(zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(CSize(6, 6), top.m_pTheme->DrawSeparator(nullptr, top.m_pBar, nullptr, FALSE));
}

TEST(Office2003ThemeBars, TearOffStripWithDots)
{
    CTheme theme(kBlue);
    CPixelCanvas canvas(60, 12, kBack);
    EXPECT_EQ(CSize(0, 9), theme.DrawTearOffHandle(canvas.DC(), CRect(0, 0, 50, 9), FALSE, TRUE));
    EXPECT_EQ(RGB(246, 246, 246), canvas.Pixel(1, 1)) << "41 around";
    EXPECT_EQ(RGB(169, 199, 240), canvas.Pixel(3, 3)) << "the tear-off colour";
    // Half the width is 25: h = 15 around the centre 26; dots from x = 14.
    const COLORREF dark = RGB(39, 65, 118);
    EXPECT_EQ(dark, canvas.Pixel(11, 4));
    EXPECT_EQ(theme.GetColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(13, 6));
    EXPECT_EQ(dark, canvas.Pixel(15, 4));
    EXPECT_EQ(RGB(169, 199, 240), canvas.Pixel(9, 4));
    theme.DrawTearOffHandle(canvas.DC(), CRect(0, 0, 50, 9), TRUE, TRUE);
    EXPECT_EQ(RGB(0, 0, 128), canvas.Pixel(2, 2)) << "hot: frame 32";
    EXPECT_EQ(RGB(255, 238, 194), canvas.Pixel(3, 7)) << "fill 31";
}

TEST(Office2003ThemeBars, IconColumnAndDockAreaGradients)
{
    CTheme theme(kBlue);
    CPixelCanvas canvas(100, 40, kBack);
    theme.FillIconColumn(canvas.DC(), 0, 0, 40, 20, FALSE);
    theme.FillIconColumn(canvas.DC(), 0, 20, 40, 20, TRUE);
    EXPECT_TRUE(Near(RGB(221, 236, 254), canvas.Pixel(0, 5), 4));
    EXPECT_TRUE(Near(RGB(129, 169, 226), canvas.Pixel(39, 5), 6));
    EXPECT_TRUE(Near(RGB(203, 221, 246), canvas.Pixel(0, 25), 4));
    EXPECT_TRUE(Near(RGB(121, 161, 220), canvas.Pixel(39, 25), 6));
    EXPECT_EQ(kBack, canvas.Pixel(40, 5));

    CWnd dock;
    dock.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 100, 20), nullptr, 0);
    CPixelCanvas dockCanvas(100, 20, kBack);
    theme.PaintDockBackground(dockCanvas.DC(), &dock);
    EXPECT_TRUE(Near(RGB(158, 190, 245), dockCanvas.Pixel(0, 10), 4));
    // The gradient spans half the screen, so a narrow dock bar shows only its start.
    const int nHalf = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
    if (nHalf > 200)
    {
        EXPECT_FALSE(Near(RGB(196, 218, 250), dockCanvas.Pixel(99, 10), 4));
    }
    dock.DestroyWindow();
    dock.CreateEx(0, L"STATIC", L"", WS_POPUP | 0x4100, CRect(0, 0, 100, 20), nullptr, 0);
    theme.PaintDockBackground(dockCanvas.DC(), &dock);
    EXPECT_EQ(RGB(196, 218, 250), dockCanvas.Pixel(0, 10));
    dock.DestroyWindow();
}

TEST(Office2003ThemeBars, FloatingCaptionOverTheDockGradient)
{
    CTheme theme(kBlue);
    CZMRToolBar* pBar = new CZMRToolBar;
    pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 120, 40), nullptr, 0);
    ASSERT_TRUE(pBar->GetSafeHwnd());
    const COLORREF edge = RGB(59, 97, 156), inside = theme.GetColor(COLOR_INFOBK);
    for (BOOL bClose : {FALSE, TRUE})
    {
        if (bClose)
            pBar->AddCaptionButton(SC_CLOSE);
        const CRect rcCaption = pBar->GetFloatingCaptionRect();
        ASSERT_FALSE(rcCaption.IsRectEmpty());
        CPixelCanvas canvas(120, 40, kBack);
        theme.PaintFloatingCaption(canvas.DC(), pBar);
        EXPECT_TRUE(Near(RGB(158, 190, 245), canvas.Pixel(0, 0), 4)) << "the dock gradient around";
        EXPECT_EQ(edge, canvas.Pixel(rcCaption.left, rcCaption.top)) << bClose;
        EXPECT_EQ(edge, canvas.Pixel(rcCaption.right - 1, rcCaption.bottom - 1)) << bClose;
        EXPECT_EQ(inside, canvas.Pixel(rcCaption.left + 1, rcCaption.top + 1)) << bClose;
        EXPECT_NE(edge, canvas.Pixel(rcCaption.right, rcCaption.top)) << bClose;
    }
    pBar->DestroyWindow();
    pBar->InternalRelease();
}

// ---------------------------------------------------------------- expand buttons

TEST(Office2003ThemeExpand, ToolBarExpandButtonPlacementFaceAndGlyph)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pExpand = bar.Add(zmrControlButtonPopup, 0, L"");
    const SIZE szBar = {200, 26};
    EXPECT_EQ(CSize(0, 0), bar.m_pTheme->DrawOverflowButton(nullptr, 0, pExpand, bar.m_pBar, FALSE,
                                                            reinterpret_cast<LPARAM>(&szBar)));
    EXPECT_EQ(CRect(188, 1, 200, 26), pExpand->GetRect());

    CPixelCanvas canvas(200, 26, kBack);
    bar.m_pTheme->DrawOverflowButton(canvas.DC(), 0, pExpand, bar.m_pBar, TRUE, 1);
    const CRect rc = pExpand->GetRect();
    // The outer corners and the inner edge (but its ends) stay as they were.
    EXPECT_EQ(kBack, canvas.Pixel(rc.right - 1, rc.top));
    EXPECT_EQ(kBack, canvas.Pixel(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(kBack, canvas.Pixel(rc.left, 10));
    EXPECT_NE(kBack, canvas.Pixel(rc.left, rc.top));
    EXPECT_NE(kBack, canvas.Pixel(rc.left, rc.bottom - 1));
    EXPECT_TRUE(Near(RGB(117, 166, 241), canvas.Pixel(rc.left + 1, rc.top), 4)) << "the expand gradient";
    // The glyph: a 5-pixel bar at bottom - 10 in 46 over its shadow in 20.
    const int c = rc.CenterPoint().x;
    const COLORREF text = bar.m_pTheme->GetColor(46), shadow = bar.m_pTheme->GetColor(COLOR_BTNHIGHLIGHT);
    for (int x = c - 2; x <= c + 2; x++)
        EXPECT_EQ(text, canvas.Pixel(x, rc.bottom - 10)) << x;
    EXPECT_EQ(shadow, canvas.Pixel(c + 3, rc.bottom - 9));
    EXPECT_EQ(text, canvas.Pixel(c, rc.bottom - 6)) << "the triangle";
    EXPECT_EQ(text, canvas.Pixel(rc.left + 3, rc.top + 6)) << "the hidden-controls mark";
    EXPECT_EQ(text, canvas.Pixel(rc.left + 7, rc.top + 6));

    // The clipping went with the button.
    canvas.DC()->FillSolidRect(0, 0, 200, 26, RGB(9, 9, 9));
    EXPECT_EQ(RGB(9, 9, 9), canvas.Pixel(rc.right - 1, rc.top));

    // Hot: the hot gradient, the glyph in 45; a vertical bar's button at the bottom.
    pExpand->OnSelectionChange(1);
    bar.m_pTheme->DrawOverflowButton(canvas.DC(), 0, pExpand, bar.m_pBar, TRUE, 0);
    EXPECT_TRUE(Near(kHot.clrFirst, canvas.Pixel(rc.left + 1, rc.top), 4));
    EXPECT_EQ(bar.m_pTheme->GetColor(45), canvas.Pixel(c, rc.bottom - 10));
    bar.m_pBar->SetPosition(zmrBarLeft);
    const SIZE szSide = {26, 200};
    bar.m_pTheme->DrawOverflowButton(nullptr, 0, pExpand, bar.m_pBar, FALSE, reinterpret_cast<LPARAM>(&szSide));
    EXPECT_EQ(CRect(0, 188, 26, 200), pExpand->GetRect());
}

TEST(Office2003ThemeExpand, PopupExpandButtonImageAndChevrons)
{
    CBar<CBlueTheme> bar(zmrBarTypePopup, zmrBarPopup);
    CZMRControl* pExpand = bar.Add(zmrControlButton, 0, L"");
    EXPECT_EQ(CSize(0, 18), bar.m_pTheme->DrawOverflowButton(nullptr, 1, pExpand, bar.m_pBar, FALSE, 0));
    pExpand->SetRect(CRect(0, 0, 60, 18));
    CPixelCanvas canvas(60, 18, kBack);
    EXPECT_EQ(CSize(0, 18), bar.m_pTheme->DrawOverflowButton(canvas.DC(), 1, pExpand, bar.m_pBar, TRUE, 0));
    const int c = 30, y1 = 5, y2 = 9;
    // Each chevron: (c - 2, y) to (c, y + 2) to (c + 3, y - 1), twice a pixel apart.
    for (int y : {y1, y2})
    {
        for (CPoint pt : {CPoint(c - 2, y), CPoint(c - 1, y + 1), CPoint(c, y + 2), CPoint(c, y + 3),
                          CPoint(c + 2, y), CPoint(c + 2, y + 1)})
            EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
        EXPECT_NE(RGB(0, 0, 0), canvas.Pixel(c + 3, y - 1)) << "the end point is not painted";
    }
    // The image behind: (c - 7, 1) is its corner, transparent.
    EXPECT_EQ(kBack, canvas.Pixel(c - 7, 1));
    EXPECT_NE(kBack, canvas.Pixel(c - 7 + 8, 1 + 3));
}

// ---------------------------------------------------------------- status bars

TEST(Office2003ThemeStatusBar, PaneFrameAndSizeGripAtTheRectanglesCorner)
{
    CTheme theme(kSilver);
    CPixelCanvas canvas(130, 40, kBack);
    theme.PaintStatusPaneDivider(canvas.DC(), CRect(10, 2, 60, 20), nullptr, FALSE);
    EXPECT_EQ(RGB(236, 234, 218), canvas.Pixel(10, 2));
    EXPECT_EQ(RGB(236, 234, 218), canvas.Pixel(59, 19));
    EXPECT_EQ(kBack, canvas.Pixel(11, 3));

    // The gripper in (100, 10)-(116, 26): its lines end at the rectangle's
    // right and bottom, not at the device context's origin.
    CPixelCanvas grip(130, 40, kBack);
    theme.PaintStatusSizeGrip(grip.DC(), CRect(100, 10, 116, 26));
    const COLORREF dark = theme.GetColor(COLOR_3DSHADOW), light = theme.GetColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(dark, grip.Pixel(115, 25));
    EXPECT_EQ(light, grip.Pixel(113, 25));
    EXPECT_EQ(light, grip.Pixel(115, 23));
    EXPECT_EQ(dark, grip.Pixel(110, 25)) << "the second groove";
    EXPECT_EQ(kBack, grip.Pixel(116, 25));
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(grip, CRect(0, 0, 100, 10)));
}

// ---------------------------------------------------------------- pictures

TEST(Office2003ThemePictures, ToolBarPopupMenuBarAndStatusBarInEachScheme)
{
    typedef CRefreshed<CZMROffice2003Theme> CPictureTheme;
    struct Case
    {
        int nScheme;
        LPCWSTR lpszName;
    };
    for (const Case& c : {Case{kBlue, L"office2003-blue"}, Case{kOlive, L"office2003-olive"},
                          Case{kSilver, L"office2003-silver"}, Case{kSystem, L"office2003-system"}})
    {
        DrawToolBarPicture<CPictureTheme>(c.lpszName, c.nScheme);
        DrawPopupPicture<CPictureTheme>(c.lpszName, c.nScheme);
        DrawMenuBarPicture<CPictureTheme>(c.lpszName, c.nScheme);
        DrawStatusBarPicture<CPictureTheme>(c.lpszName, c.nScheme);
    }
}
