// The skinned theme in its two configurations: the foundation's test skin
// bound (every key it reads comes from the skin's colour table, whose keys
// each hold a colour of their own, and the parts are solid bands per state)
// and no skin (the Office 2003 values stay, the theme's own colours take
// their system colours). Status bar, size grip, message bar, workspace and
// menu-bar text read back from memory canvases, and the pictures of both.
#include "CZMROffice2007Theme.h"
#include "CZMRCaptionButton.h"
#include "CZMRControlGalleryOffice2007Theme.h"
#include "CZMROffice2007Images.h"
#include "CZMRProgressOffice2007Theme.h"
#include "CZMRShadowManager.h"
#include "CZMRSliderOffice2007Theme.h"
#include "CZMRToolBar.h"
#include "TestSkinBound.h"
#include "ThemeTestSupport.h"

using namespace themetest;

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kNone = COLORREF(-1);

// The system colours (entries 1 to 29) have distinct colours during the
// refresh, so that a fallback shows which system colour it took; after it
// the entries hold what the refresh gave them.
template <class TTheme>
void RefreshWithDistinctSystemColors(TTheme& theme)
{
    for (int i = 1; i <= COLOR_GRADIENTINACTIVECAPTION; i++)
        theme.m_arrColors[i].SetCustomValue(Entry(i));
    theme.RefreshMetrics();
    for (int i = 1; i <= COLOR_GRADIENTINACTIVECAPTION; i++)
        theme.m_arrColors[i].SetCustomValue(kNone);
}

// The theme refreshed with distinct system colours.
class CTheme : public CZMROffice2007Theme
{
public:
    CTheme() { RefreshWithDistinctSystemColors(*this); }
};

// The two configurations the drawing tests run in: the colours a skinned
// element must show, typed from the skin's table and from the fallbacks.
struct CConfig
{
    const char* pszName;
    bool bSkin;
    COLORREF separator;        // entry 39
    COLORREF statusShadow;
    COLORREF statusTopLight, statusTopDark, statusBottomLight, statusBottomDark;
    COLORREF messageFace, messageFrame, messageLight;
    COLORREF hotFill, hotFrame, pressedFill, pressedFrame;   // entries 31, 32, 33, 50
    COLORREF workspaceTop, workspaceMiddle, workspaceBottom;
    COLORREF menuBarText;
};

const CConfig s_skinned = {
    "skin",           true,
    RGB(7, 98, 152),  RGB(7, 23, 227),
    RGB(7, 29, 221),  RGB(7, 26, 224),  RGB(7, 35, 215),  RGB(7, 32, 218),
    RGB(7, 203, 47),  RGB(7, 197, 53),  RGB(7, 194, 56),
    RGB(111, 112, 113), RGB(7, 128, 122), RGB(7, 131, 119), RGB(7, 134, 116),
    RGB(7, 119, 131), RGB(7, 122, 128), RGB(7, 125, 125),
    RGB(7, 77, 173),
};

// Without a skin the entries keep the Office 2003 values; the drawing tests
// then give every entry its distinct colour.
const CConfig s_plain = {
    "no skin",          false,
    Entry(39),          Entry(COLOR_3DSHADOW),
    Entry(COLOR_3DHIGHLIGHT), Entry(COLOR_3DFACE), Entry(COLOR_3DFACE), Entry(COLOR_3DFACE),
    Entry(COLOR_3DFACE), Entry(COLOR_3DSHADOW), Entry(COLOR_INFOBK),
    Entry(31),          Entry(32),          Entry(33),          Entry(50),
    Entry(COLOR_APPWORKSPACE), Entry(COLOR_APPWORKSPACE), Entry(COLOR_APPWORKSPACE),
    Entry(COLOR_MENUTEXT),
};

// A theme for a configuration: refreshed (with the skin bound when the
// configuration has one), then, without a skin, the distinct table.
class CConfigTheme : public CTheme
{
public:
    explicit CConfigTheme(const CConfig& config)
    {
        if (!config.bSkin)
            UseDistinctColors(*this);
    }
};

// Runs fn(config, theme) once with the skin bound and once without.
template <class F>
void ForBothConfigs(F fn)
{
    {
        CSkinBound skin;
        CConfigTheme theme(s_skinned);
        fn(s_skinned, theme);
    }
    CConfigTheme theme(s_plain);
    fn(s_plain, theme);
}

void ExpectPair(const CZMRPaintManagerColorGradient& grc, COLORREF clrLight, COLORREF clrDark, float fFactor,
                const char* pszWhat)
{
    EXPECT_EQ(clrLight, grc.clrLight.GetColor()) << pszWhat;
    EXPECT_EQ(clrDark, grc.clrDark.GetColor()) << pszWhat;
    EXPECT_FLOAT_EQ(fFactor, grc.fGradientFactor) << pszWhat;
}

void ExpectSamePair(const CZMRPaintManagerColorGradient& grc, const CZMRPaintManagerColorGradient& expected,
                    const char* pszWhat)
{
    ExpectPair(grc, expected.clrLight.GetColor(), expected.clrDark.GetColor(), expected.fGradientFactor, pszWhat);
}

// One dot of the size grip whose dark square starts at (x, y).
void ExpectGripDot(const CPixelCanvas& canvas, int x, int y, COLORREF clrDark)
{
    for (int dy : {0, 1})
        for (int dx : {0, 1})
            EXPECT_EQ(clrDark, canvas.Pixel(x + dx, y + dy)) << x << "," << y;
    EXPECT_EQ(kWhite, canvas.Pixel(x + 2, y + 2)) << x << "," << y;
    EXPECT_EQ(kWhite, canvas.Pixel(x + 2, y + 1)) << x << "," << y;
}

// A message bar: a tool bar window whose floating caption is the bar.
struct CMessageBar
{
    CMessageBar()
    {
        m_pBar = new CZMRToolBar;
        m_pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 160, 30), nullptr, 0);
    }
    ~CMessageBar()
    {
        m_pBar->DestroyWindow();
        m_pBar->InternalRelease();
    }
    CZMRToolBar* m_pBar;
};
} // namespace

// ---------------------------------------------------------------- the theme object

TEST(Office2007Theme, FactoryNumberSettingsAndItsSmallPaintManagers)
{
    CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(zmrThemeOffice2007);
    CZMROffice2007Theme* p2007 = dynamic_cast<CZMROffice2007Theme*>(pTheme);
    ASSERT_NE(nullptr, p2007);
    EXPECT_EQ(5, pTheme->GetThemeKind());
    EXPECT_EQ(GetOffice2007Images(), p2007->GetImages());
    EXPECT_FALSE(p2007->m_bFrameStatusBar);
    EXPECT_EQ(3u, p2007->m_pShadowManager->m_dwOptions);
    EXPECT_EQ(0, p2007->m_nColorScheme);
    EXPECT_TRUE(p2007->m_bUseStatusBarTheme);
    EXPECT_TRUE(p2007->m_bNarrowArrow);
    EXPECT_TRUE(p2007->m_fntFrameCaption.m_bStandardFont);
    EXPECT_EQ(nullptr, p2007->m_fntFrameCaption.GetSafeHandle());
    EXPECT_NE(nullptr, dynamic_cast<CZMRControlGalleryOffice2007Theme*>(pTheme->m_pGalleryPaintManager));
    EXPECT_NE(nullptr, dynamic_cast<CZMRSliderOffice2007Theme*>(pTheme->m_pSliderPaintManager));
    EXPECT_NE(nullptr, dynamic_cast<CZMRProgressOffice2007Theme*>(pTheme->m_pProgressPaintManager));
    EXPECT_EQ(12, pTheme->m_pProgressPaintManager->m_nDefaultHeight);
    pTheme->InternalRelease();
}

TEST(Office2007Theme, CaptionHeightsAndCaptionFont)
{
    CTheme theme;
    const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(std::max(cyCaption, 17), theme.m_nFrameCaptionHeight);
    EXPECT_EQ(std::max(cyCaption + 1, 18), theme.m_nRibbonCaptionHeight);
    LOGFONT lf = {};
    ASSERT_TRUE(theme.m_fntFrameCaption.GetLogFont(&lf));
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);

    // A font the application sets stays through refreshes.
    LOGFONT lfOwn = {};
    lfOwn.lfHeight = -20;
    ::lstrcpyW(lfOwn.lfFaceName, L"Tahoma");
    theme.m_fntFrameCaption.SetCustomFont(&lfOwn);
    theme.RefreshMetrics();
    ASSERT_TRUE(theme.m_fntFrameCaption.GetLogFont(&lf));
    EXPECT_EQ(-20, lf.lfHeight);
}

TEST(Office2007Theme, CaptionLogFontFromTheSystemsCaptionFont)
{
    struct Case
    {
        LONG nHeight;
        LONG nExpected;
    };
    for (const Case& c : {Case{-8, -11}, Case{-1, -11}, Case{-10, -11}, Case{-11, -11}, Case{-12, -12}, Case{0, 0},
                          Case{14, 14}})
    {
        LOGFONT lfSystem = {};
        lfSystem.lfHeight = c.nHeight;
        lfSystem.lfWeight = FW_BOLD;
        ::lstrcpyW(lfSystem.lfFaceName, L"System Face");
        const LOGFONT lf = CZMROffice2007Theme::MakeCaptionLogFont(lfSystem, FALSE, nullptr);
        EXPECT_EQ(c.nExpected, lf.lfHeight) << c.nHeight;
        EXPECT_EQ(FW_NORMAL, lf.lfWeight);
        EXPECT_STREQ(L"System Face", lf.lfFaceName);
    }
    LOGFONT lfSystem = {};
    lfSystem.lfQuality = DEFAULT_QUALITY;
    const LOGFONT lf = CZMROffice2007Theme::MakeCaptionLogFont(lfSystem, TRUE, L"Segoe UI");
    EXPECT_EQ(CLEARTYPE_QUALITY, lf.lfQuality);
    EXPECT_STREQ(L"Segoe UI", lf.lfFaceName);
}

// ---------------------------------------------------------------- colours

TEST(Office2007Theme, WithTheSkinEveryKeyGoesWhereItBelongs)
{
    CSkinBound skin;
    CTheme theme;
    // Entries: (index, the skin's colour of the key that feeds it).
    struct Case
    {
        int nIndex;
        COLORREF clr;
        const char* pszKey;
    };
    const Case entries[] = {
        {43, RGB(7, 80, 170), "MenuPopupBorder"},       {38, RGB(7, 83, 167), "ToolbarGripper"},
        {54, RGB(121, 122, 123), "WindowFrame"},        {61, RGB(7, 92, 158), "FloatingBarBorder"},
        {12, RGB(7, 116, 134), "AppWorkspace"},         {51, RGB(91, 92, 93), "ButtonFace"},
        {30, RGB(7, 95, 155), "ToolbarFace"},           {39, RGB(7, 98, 152), "ToolbarSeparator"},
        {40, RGB(7, 101, 149), "ControlDisabledIcon"},  {31, RGB(111, 112, 113), "HighlightSelected"},
        {32, RGB(7, 128, 122), "HighlightSelectedBorder"}, {33, RGB(7, 131, 119), "HighlightPressed"},
        {50, RGB(7, 134, 116), "HighlightPressedBorder"}, {36, RGB(101, 102, 103), "HighlightChecked"},
        {37, RGB(7, 137, 113), "HighlightCheckedBorder"}, {56, RGB(7, 104, 146), "ControlLabel"},
        {53, RGB(7, 107, 143), "ControlEditBorder"},
        // Set whatever the skin says.
        {41, RGB(246, 246, 246), "(fixed)"},            {44, RGB(0, 0, 0), "(fixed)"},
        {45, RGB(0, 0, 0), "(fixed)"},                  {46, RGB(0, 0, 0), "(fixed)"},
        {47, RGB(0, 0, 0), "(fixed)"},                  {60, RGB(141, 141, 141), "(fixed)"},
        {58, RGB(141, 141, 141), "(fixed)"},            {35, RGB(141, 141, 141), "(fixed)"},
        {52, RGB(7, 47, 203), "ToolbarFaceShadow"},
    };
    for (const Case& e : entries)
        EXPECT_EQ(e.clr, theme.GetColor(e.nIndex)) << e.nIndex << " " << e.pszKey;

    EXPECT_EQ(RGB(7, 20, 230), theme.m_clrBarText);
    EXPECT_EQ(RGB(7, 200, 50), theme.m_clrInfoText);
    EXPECT_EQ(RGB(7, 23, 227), theme.m_clrStatusBarShadow);
    ExpectPair(theme.m_grcStatusBarTop, RGB(7, 29, 221), RGB(7, 26, 224), 0.5f, "status top");
    ExpectPair(theme.m_grcStatusBarBottom, RGB(7, 35, 215), RGB(7, 32, 218), 0.5f, "status bottom");
    ExpectPair(theme.m_grcDock, RGB(7, 38, 212), RGB(7, 38, 212), 0.5f, "dock");
    ExpectPair(theme.m_grcFace, RGB(7, 44, 206), RGB(7, 41, 209), 0.75f, "face");
    EXPECT_EQ(RGB(7, 47, 203), theme.m_clrEdge.GetColor());
    ExpectPair(theme.m_grcExpand, RGB(7, 53, 197), RGB(7, 50, 200), 0.75f, "expand");
    ExpectPair(theme.m_grcPopped, RGB(7, 59, 191), RGB(7, 56, 194), 0.5f, "popped");
    ExpectPair(theme.m_grcExpandImage, RGB(7, 59, 191), RGB(7, 56, 194), 0.5f, "expand image");
    ExpectPair(theme.m_grcIconColumn, RGB(7, 65, 185), RGB(7, 62, 188), 0.5f, "icon column");
    ExpectPair(theme.m_grcHiddenIconColumn, RGB(7, 71, 179), RGB(7, 68, 182), 0.5f, "hidden icon column");
    EXPECT_EQ(RGB(7, 74, 176), theme.m_clrTearOff.GetColor());
    EXPECT_EQ(RGB(7, 77, 173), theme.m_clrMenuBarText);
    EXPECT_EQ(RGB(7, 86, 164), theme.m_clrFloatingCaption.GetColor());
    EXPECT_EQ(RGB(7, 89, 161), theme.m_clrFloatingCaptionText.GetColor());
    EXPECT_EQ(RGB(7, 119, 131), theme.m_clrWorkspaceClientTop);
    EXPECT_EQ(RGB(7, 122, 128), theme.m_clrWorkspaceClientMiddle);
    EXPECT_EQ(RGB(7, 125, 125), theme.m_clrWorkspaceClientBottom);
    ExpectPair(theme.m_grcHot, RGB(7, 143, 107), RGB(7, 140, 110), 0.5f, "hot");
    ExpectPair(theme.m_grcChecked, RGB(7, 149, 101), RGB(7, 146, 104), 0.5f, "checked");
    ExpectPair(theme.m_grcPressed, RGB(7, 155, 95), RGB(7, 152, 98), 0.5f, "pressed");
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(RGB(7, 158 + 3 * i, 92 - 3 * i), theme.m_clrFrameBorderActive[i]) << i;
        EXPECT_EQ(RGB(7, 170 + 3 * i, 80 - 3 * i), theme.m_clrFrameBorderInactive[i]) << i;
    }
    EXPECT_EQ(RGB(7, 182, 68), theme.m_clrFrameCaptionTextActiveTitle);
    EXPECT_EQ(RGB(7, 185, 65), theme.m_clrFrameCaptionTextInActive);
    EXPECT_EQ(RGB(7, 188, 62), theme.m_clrFrameCaptionTextActive);
    ExpectPair(theme.m_grcCaption, RGB(7, 113, 137), RGB(7, 110, 140), 0.5f, "caption");
    ExpectPair(theme.m_grcMessageBar, RGB(7, 194, 56), RGB(7, 191, 59), 0.5f, "message bar");
    EXPECT_EQ(RGB(7, 197, 53), theme.m_clrMessageBarFrame);
    EXPECT_EQ(RGB(7, 203, 47), theme.m_clrMessageBarFace);
    EXPECT_TRUE(theme.m_bSchemeColors);
    EXPECT_EQ(0u, theme.m_pShadowManager->m_clrShadow);
}

TEST(Office2007Theme, WithoutASkinTheOffice2003ValuesStayAndOwnColoursTakeSystemColours)
{
    ASSERT_FALSE(GetOffice2007Images()->HasColorIni()) << "the test program holds no colour table";
    CTheme theme;
    // The Office 2003 look without a colour scheme, refreshed alike.
    CZMROffice2003Theme office2003;
    office2003.m_nColorScheme = 0;
    office2003.m_bUseStatusBarTheme = TRUE;
    RefreshWithDistinctSystemColors(office2003);

    for (int nIndex : {43, 38, 54, 61, 12, 51, 30, 39, 40, 31, 32, 33, 50, 36, 37, 56, 53})
        EXPECT_EQ(office2003.GetColor(nIndex), theme.GetColor(nIndex)) << nIndex;
    EXPECT_EQ(office2003.m_clrEdge.GetColor(), theme.GetColor(52));
    EXPECT_EQ(RGB(246, 246, 246), theme.GetColor(41));
    EXPECT_EQ(office2003.m_clrBarText, theme.m_clrBarText);
    EXPECT_EQ(office2003.m_clrInfoText, theme.m_clrInfoText);
    ExpectSamePair(theme.m_grcDock, office2003.m_grcDock, "dock");
    ExpectSamePair(theme.m_grcFace, office2003.m_grcFace, "face");
    ExpectSamePair(theme.m_grcExpand, office2003.m_grcExpand, "expand");
    ExpectSamePair(theme.m_grcPopped, office2003.m_grcPopped, "popped");
    ExpectSamePair(theme.m_grcExpandImage, office2003.m_grcPopped, "expand image");
    ExpectSamePair(theme.m_grcIconColumn, office2003.m_grcIconColumn, "icon column");
    ExpectSamePair(theme.m_grcHiddenIconColumn, office2003.m_grcHiddenIconColumn, "hidden icon column");
    ExpectSamePair(theme.m_grcCaption, office2003.m_grcCaption, "caption");
    ExpectSamePair(theme.m_grcHot, office2003.m_grcHot, "hot");
    ExpectSamePair(theme.m_grcChecked, office2003.m_grcChecked, "checked");
    ExpectSamePair(theme.m_grcPressed, office2003.m_grcPressed, "pressed");
    EXPECT_EQ(office2003.m_clrEdge.GetColor(), theme.m_clrEdge.GetColor());
    EXPECT_EQ(office2003.m_clrTearOff.GetColor(), theme.m_clrTearOff.GetColor());
    EXPECT_EQ(office2003.m_clrFloatingCaption.GetColor(), theme.m_clrFloatingCaption.GetColor());
    EXPECT_EQ(office2003.m_clrFloatingCaptionText.GetColor(), theme.m_clrFloatingCaptionText.GetColor());

    // The theme's own colours: the stated system colours.
    const COLORREF borders[8] = {Entry(COLOR_WINDOWFRAME),   Entry(COLOR_ACTIVEBORDER),   Entry(COLOR_ACTIVEBORDER),
                                 Entry(COLOR_ACTIVEBORDER),  Entry(COLOR_WINDOWFRAME),    Entry(COLOR_INACTIVEBORDER),
                                 Entry(COLOR_INACTIVEBORDER), Entry(COLOR_INACTIVEBORDER)};
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(borders[i], theme.m_clrFrameBorderActive[i]) << i;
        EXPECT_EQ(borders[4 + i], theme.m_clrFrameBorderInactive[i]) << i;
    }
    EXPECT_EQ(Entry(COLOR_CAPTIONTEXT), theme.m_clrFrameCaptionTextActive);
    EXPECT_EQ(Entry(COLOR_INACTIVECAPTIONTEXT), theme.m_clrFrameCaptionTextInActive);
    EXPECT_EQ(Entry(COLOR_CAPTIONTEXT), theme.m_clrFrameCaptionTextActiveTitle);
    EXPECT_EQ(Entry(COLOR_MENUTEXT), theme.m_clrMenuBarText);
    EXPECT_EQ(Entry(COLOR_3DSHADOW), theme.m_clrStatusBarShadow);
    ExpectPair(theme.m_grcStatusBarTop, Entry(COLOR_3DHIGHLIGHT), Entry(COLOR_3DFACE), 0.5f, "status top");
    ExpectPair(theme.m_grcStatusBarBottom, Entry(COLOR_3DFACE), Entry(COLOR_3DFACE), 0.5f, "status bottom");
    EXPECT_EQ(Entry(COLOR_APPWORKSPACE), theme.m_clrWorkspaceClientTop);
    EXPECT_EQ(Entry(COLOR_APPWORKSPACE), theme.m_clrWorkspaceClientMiddle);
    EXPECT_EQ(Entry(COLOR_APPWORKSPACE), theme.m_clrWorkspaceClientBottom);
    ExpectPair(theme.m_grcMessageBar, Entry(COLOR_INFOBK), Entry(COLOR_INFOBK), 0.5f, "message bar");
    EXPECT_EQ(Entry(COLOR_3DSHADOW), theme.m_clrMessageBarFrame);
    EXPECT_EQ(Entry(COLOR_3DFACE), theme.m_clrMessageBarFace);

    // Nothing anywhere is left without a colour.
    for (int i = 0; i < CZMRPaintManager::ColorCount; i++)
        EXPECT_NE(kNone, theme.GetColor(i)) << i;
}

TEST(Office2007Theme, ASkinWithSomeKeysFallsBackKeyByKey)
{
    const HMODULE hOld = GetOffice2007Images()->GetHandle();
    ASSERT_TRUE(GetOffice2007Images()->SetHandle(::LoadLibraryW(L"zm_testskin_alt.dll"), nullptr, TRUE));
    CTheme theme;
    CZMROffice2003Theme office2003;
    office2003.m_nColorScheme = 0;
    RefreshWithDistinctSystemColors(office2003);
    GetOffice2007Images()->SetHandle(hOld);

    // The face gradient's light end from the skin, its dark end the Office
    // 2003 one; the key read sets the gradient's factor.
    ExpectPair(theme.m_grcFace, RGB(1, 2, 3), office2003.m_grcFace.clrDark.GetColor(), 0.75f, "face");
    ExpectSamePair(theme.m_grcExpand, office2003.m_grcExpand, "expand, neither key");
    EXPECT_EQ(office2003.GetColor(30), theme.GetColor(30));
    EXPECT_EQ(RGB(4, 5, 6), theme.m_clrStatusBarShadow);
    ExpectPair(theme.m_grcStatusBarTop, Entry(COLOR_3DHIGHLIGHT), Entry(COLOR_3DFACE), 0.5f, "status top");
}

TEST(Office2007Theme, DestructionEmptiesTheSkinsPictureCacheButKeepsTheTable)
{
    CSkinBound skin;
    CZMROffice2007Image* pHeld = nullptr;
    {
        CTheme theme;
        pHeld = theme.LoadImage(L"WORKSPACETOPLEFT");
        ASSERT_NE(nullptr, pHeld);
        EXPECT_EQ(pHeld, theme.LoadImage(L"WORKSPACETOPLEFT")) << "cached";
        EXPECT_EQ(nullptr, theme.LoadImage(L"NOSUCHPART"));
        pHeld->InternalAddRef();
    }
    EXPECT_TRUE(GetOffice2007Images()->HasColorIni());
    CZMROffice2007Image* pAgain = GetOffice2007Images()->LoadFile(L"WORKSPACETOPLEFT");
    EXPECT_NE(pHeld, pAgain) << "loaded afresh";
    pHeld->InternalRelease();
}

// ---------------------------------------------------------------- text

TEST(Office2007Theme, MenuBarTextAtRestElseTheOfficeRule)
{
    ForBothConfigs([](const CConfig& config, CZMROffice2007Theme& theme) {
        struct Case
        {
            int nSelected, nPressed;
            BOOL bEnabled;
            int nChecked;
            BOOL bPopped;
            int nBarType;
            COLORREF expected;
        };
        const Case cases[] = {
            {0, 0, TRUE, 0, FALSE, zmrBarTypeMenuBar, config.menuBarText},
            {1, 0, TRUE, 0, FALSE, zmrBarTypeMenuBar, 45},
            {0, 1, TRUE, 0, FALSE, zmrBarTypeMenuBar, 45},
            {0, 0, FALSE, 0, FALSE, zmrBarTypeMenuBar, 60},
            {0, 0, TRUE, 1, FALSE, zmrBarTypeMenuBar, 45},
            {0, 0, TRUE, 0, TRUE, zmrBarTypeMenuBar, 46},
            {0, 0, TRUE, 0, FALSE, zmrBarTypeNormal, 46},
            {0, 0, TRUE, 0, FALSE, zmrBarTypePopup, 44},
        };
        for (const Case& c : cases)
            EXPECT_EQ(c.expected, theme.GetStateTextColor(c.nSelected, c.nPressed, c.bEnabled, c.nChecked, c.bPopped,
                                                          c.nBarType, zmrBarTop))
                << config.pszName << " " << c.nSelected << c.nPressed << c.bEnabled << c.nChecked << c.bPopped
                << c.nBarType;
    });
}

// ---------------------------------------------------------------- status bars

TEST(Office2007ThemeStatusBar, ShadowLineThenTheUpperAndLowerGradients)
{
    ForBothConfigs([](const CConfig& config, CZMROffice2007Theme& theme) {
        CZMRStatusBar statusBar;
        statusBar.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 120, 20), nullptr, 0);
        ASSERT_TRUE(statusBar.GetSafeHwnd());
        CPixelCanvas canvas(120, 24, kBack);
        theme.PaintStatusBackground(canvas.DC(), &statusBar);
        for (int x : {0, 60, 119})
        {
            EXPECT_EQ(config.statusShadow, canvas.Pixel(x, 0)) << config.pszName << " x " << x;
            EXPECT_TRUE(Near(config.statusTopLight, canvas.Pixel(x, 1), 1)) << config.pszName << " x " << x;
            EXPECT_TRUE(Near(config.statusTopDark, canvas.Pixel(x, 8), 4)) << config.pszName << " x " << x;
            EXPECT_TRUE(Near(config.statusBottomLight, canvas.Pixel(x, 9), 1)) << config.pszName << " x " << x;
            EXPECT_TRUE(Near(config.statusBottomDark, canvas.Pixel(x, 19), 4)) << config.pszName << " x " << x;
        }
        EXPECT_EQ(kBack, canvas.Pixel(0, 20)) << "the client rectangle only";
        statusBar.DestroyWindow();
    });
}

TEST(Office2007ThemeStatusBar, DividerAndSixGripDots)
{
    ForBothConfigs([](const CConfig& config, CZMROffice2007Theme& theme) {
        CPixelCanvas canvas(120, 60, kBack);
        theme.PaintStatusPaneDivider(canvas.DC(), CRect(10, 2, 60, 22), nullptr, FALSE);
        EXPECT_EQ(config.separator, canvas.Pixel(59, 2)) << config.pszName;
        EXPECT_EQ(config.separator, canvas.Pixel(59, 19)) << config.pszName;
        EXPECT_EQ(kWhite, canvas.Pixel(60, 2)) << config.pszName;
        EXPECT_EQ(kWhite, canvas.Pixel(60, 19)) << config.pszName;
        EXPECT_EQ(kBack, canvas.Pixel(59, 20)) << config.pszName << " two short of the pane's height";
        EXPECT_EQ(kBack, canvas.Pixel(10, 2)) << config.pszName << " no frame";
        CPixelCanvas gripperPane(120, 60, kBack);
        theme.PaintStatusPaneDivider(gripperPane.DC(), CRect(10, 2, 60, 22), nullptr, TRUE);
        EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(gripperPane, CRect(0, 0, 120, 60))) << config.pszName;

        CPixelCanvas grip(120, 60, kBack);
        theme.PaintStatusSizeGrip(grip.DC(), CRect(80, 30, 100, 50));
        const POINT dots[] = {{97, 47}, {93, 47}, {89, 47}, {97, 43}, {93, 43}, {97, 39}};
        for (const POINT& pt : dots)
            ExpectGripDot(grip, pt.x, pt.y, config.separator);
        int nDark = 0;
        for (int y = 0; y < 60; y++)
            for (int x = 0; x < 120; x++)
                nDark += grip.Pixel(x, y) == config.separator;
        EXPECT_EQ(6 * 4, nDark) << config.pszName << " six dots and no more";
        EXPECT_EQ(kBack, grip.Pixel(89, 43)) << config.pszName;
    });
}

// ---------------------------------------------------------------- message bar

TEST(Office2007ThemeMessageBar, FaceFramedCaptionAndItsGradient)
{
    ForBothConfigs([](const CConfig& config, CZMROffice2007Theme& theme) {
        CMessageBar bar;
        ASSERT_TRUE(bar.m_pBar->GetSafeHwnd());
        for (BOOL bClose : {FALSE, TRUE})
        {
            if (bClose)
                bar.m_pBar->AddCaptionButton(SC_CLOSE);
            const CRect rcCaption = bar.m_pBar->GetFloatingCaptionRect();
            ASSERT_FALSE(rcCaption.IsRectEmpty());
            CPixelCanvas canvas(160, 30, kBack);
            theme.PaintFloatingCaption(canvas.DC(), bar.m_pBar);
            EXPECT_EQ(config.messageFace, canvas.Pixel(0, 0)) << config.pszName;
            EXPECT_EQ(config.messageFace, canvas.Pixel(159, 29)) << config.pszName;
            EXPECT_EQ(config.messageFrame, canvas.Pixel(rcCaption.left, rcCaption.top)) << config.pszName;
            EXPECT_EQ(config.messageFrame, canvas.Pixel(rcCaption.right - 1, rcCaption.bottom - 1)) << config.pszName;
            EXPECT_TRUE(Near(config.messageLight, canvas.Pixel(rcCaption.left + 1, rcCaption.top + 1), 1))
                << config.pszName;
            EXPECT_EQ(config.messageFace, canvas.Pixel(rcCaption.right, rcCaption.top)) << config.pszName << bClose;
        }
    });
}

TEST(Office2007ThemeMessageBar, ButtonFacesByStateAndTheCloseGlyph)
{
    ForBothConfigs([](const CConfig& config, CZMROffice2007Theme& theme) {
        struct Case
        {
            UINT nCommand;
            BOOL bPressed, bHot;
            COLORREF face, frame;   // kBack: nothing drawn there
        };
        const Case cases[] = {
            {SC_CLOSE, TRUE, FALSE, config.pressedFill, config.pressedFrame},
            {SC_CLOSE, TRUE, TRUE, config.pressedFill, config.pressedFrame},
            {SC_CLOSE, FALSE, TRUE, config.hotFill, config.hotFrame},
            {SC_CLOSE, FALSE, FALSE, kBack, kBack},
            {SC_MINIMIZE, FALSE, TRUE, config.hotFill, config.hotFrame},
            {SC_MINIMIZE, TRUE, TRUE, config.hotFill, config.hotFrame},
            {SC_MINIMIZE, TRUE, FALSE, kWhite, config.messageFrame},
            {SC_MINIMIZE, FALSE, FALSE, kWhite, config.messageFrame},
        };
        for (const Case& c : cases)
        {
            CZMRCaptionButton button(c.nCommand);
            button.SetRect(CRect(10, 10, 30, 28));
            button.SetPressed(c.bPressed);
            button.SetHot(c.bHot);
            CPixelCanvas canvas(40, 40, kBack);
            theme.PaintFloatingCaptionButton(canvas.DC(), &button);
            const std::string what = std::string(config.pszName) + " command " + std::to_string(c.nCommand) +
                                     " pressed " + std::to_string(c.bPressed) + " hot " + std::to_string(c.bHot);
            EXPECT_EQ(c.frame, canvas.Pixel(10, 10)) << what;
            EXPECT_EQ(c.frame, canvas.Pixel(29, 27)) << what;
            EXPECT_EQ(c.face, canvas.Pixel(11, 11)) << what << " inside, outside the glyph";
            EXPECT_EQ(kBack, canvas.Pixel(30, 28)) << what;
            if (c.nCommand != SC_CLOSE)
                continue;
            // The 17 x 17 glyph centred: (11, 10) to (28, 27), its state 0
            // inside a transparent ring of 2 px.
            if (config.bSkin)
            {
                EXPECT_EQ(RGB(30, 220, 120), canvas.Pixel(13, 12)) << what;
                EXPECT_EQ(RGB(30, 220, 120), canvas.Pixel(25, 24)) << what;
                EXPECT_EQ(c.face, canvas.Pixel(12, 11)) << what << " the ring shows the face";
            }
            else
            {
                // The plain cross through the centre (20, 19) instead.
                EXPECT_NE(c.face, canvas.Pixel(20, 19)) << what;
                EXPECT_NE(c.face, canvas.Pixel(17, 16)) << what;
            }
        }
    });
}

// ---------------------------------------------------------------- MDI workspace

TEST(Office2007ThemeWorkspace, TopLeftPartThenTwoGradientsOrThePlainWorkspace)
{
    ForBothConfigs([](const CConfig& config, CZMROffice2007Theme& theme) {
        CPixelCanvas canvas(120, 80, kBack);
        // The workspace (10, 10)-(110, 70) without (40, 30)-(60, 50).
        theme.PaintMdiWorkspace(canvas.DC(), CRect(10, 10, 110, 70), CRect(40, 30, 60, 50));
        EXPECT_EQ(kBack, canvas.Pixel(50, 40)) << config.pszName << " the excluded rectangle";
        EXPECT_EQ(kBack, canvas.Pixel(9, 9)) << config.pszName;
        EXPECT_EQ(kBack, canvas.Pixel(110, 70)) << config.pszName;
        if (config.bSkin)
        {
            // Part rows 10 to 15: columns 0 to 10 as drawn, the last one stretched.
            EXPECT_EQ(RGB(60, 20, 200), canvas.Pixel(10, 10)) << config.pszName;
            EXPECT_EQ(RGB(60, 20, 200), canvas.Pixel(20, 15)) << config.pszName;
            EXPECT_EQ(RGB(200, 60, 20), canvas.Pixel(21, 10)) << config.pszName;
            EXPECT_EQ(RGB(200, 60, 20), canvas.Pixel(109, 15)) << config.pszName;
            // Below: 54 rows, two thirds (36) from the top colour to the middle one.
            EXPECT_TRUE(Near(config.workspaceTop, canvas.Pixel(60, 16), 1)) << config.pszName;
            EXPECT_TRUE(Near(config.workspaceMiddle, canvas.Pixel(60, 52), 1)) << config.pszName;
            EXPECT_TRUE(Near(config.workspaceBottom, canvas.Pixel(60, 69), 1)) << config.pszName;
        }
        else
        {
            EXPECT_EQ(config.workspaceTop, canvas.Pixel(10, 10)) << config.pszName;
            EXPECT_EQ(config.workspaceTop, canvas.Pixel(109, 69)) << config.pszName;
        }
        // The caller's clipping is back afterwards.
        canvas.DC()->FillSolidRect(0, 0, 120, 80, kWhite);
        EXPECT_EQ(kWhite, canvas.Pixel(50, 40)) << config.pszName;
    });
}

// ---------------------------------------------------------------- pictures

TEST(Office2007ThemePictures, ToolBarPopupAndStatusBarWithAndWithoutTheSkin)
{
    typedef CRefreshed<CZMROffice2007Theme> CPictureTheme;
    {
        CSkinBound skin;
        DrawToolBarPicture<CPictureTheme>(L"office2007-skin");
        DrawPopupPicture<CPictureTheme>(L"office2007-skin");
        DrawStatusBarPicture<CPictureTheme>(L"office2007-skin");
    }
    DrawToolBarPicture<CPictureTheme>(L"office2007-noskin");
    DrawPopupPicture<CPictureTheme>(L"office2007-noskin");
    DrawStatusBarPicture<CPictureTheme>(L"office2007-noskin");
}
