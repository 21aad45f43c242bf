// The native visual-style theme: what it asks of the visual styles (which
// class, part and state for which control state, over which rectangle),
// through a recording stand-in of the visual-style library; its refresh; and
// its fallbacks, read back as pixels: without visual styles it draws as the
// Default theme does, and a control whose style class is missing gets the
// Default drawing rather than none. Pictures with Wine's own styles.
#include "CZMRNativeXPTheme.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlEdit.h"
#include "CZMRDockBar.h"
#include "CZMRFontDC.h"
#include "RecordingThemeStyles.h"
#include "ThemeTestSupport.h"
#include <memory>

using namespace themetest;

namespace
{
typedef CRecordingThemeStyles CStyles;
typedef CRecordingThemeStyles::CDraw CDraw;

// The system's flat-menu setting as the tests answer it.
BOOL s_bSystemFlatMenus = FALSE;
BOOL s_bSystemQueryFails = FALSE;
BOOL WINAPI SystemParametersInfoStandIn(UINT nAction, UINT, PVOID pvParam, UINT)
{
    if (nAction != 0x1022 || s_bSystemQueryFails)
        return FALSE;
    *static_cast<BOOL*>(pvParam) = s_bSystemFlatMenus;
    return TRUE;
}

// The native theme as the tests make it: the system answers through the
// stand-in, not the desktop's setting.
class CNativeTheme : public CZMRNativeXPTheme
{
public:
    CNativeTheme() { m_pfnSystemParametersInfo = SystemParametersInfoStandIn; }
};

// The Default theme with the switches the native theme's constructor sets:
// what the native theme draws like without visual styles.
class CDefaultWithNativeSwitches : public CZMRDefaultTheme
{
public:
    CDefaultWithNativeSwitches()
    {
        m_bFadeIcons = TRUE;
        m_bHotIconShadow = FALSE;
        m_nPopupTextColor = COLOR_MENUTEXT;
        m_bUseStatusBarTheme = TRUE;
        m_bUseButtonTheme = TRUE;
        m_bPopupStateHighlight = TRUE;
        m_bBoldCheckMark = TRUE;
    }
};

// A bar of the native theme with the stand-in styles: the classes given
// open; the theme is refreshed, then given the distinct colour table, and
// the record starts empty. The styles outlive the theme.
struct CStyled
{
    explicit CStyled(int nType = zmrBarTypeNormal, int nPosition = zmrBarTop, CSize szWindow = CSize(0, 0),
                     std::set<std::wstring> classes = CStyles::AllClasses(), BOOL bActive = TRUE)
        : styles(std::move(classes), bActive), bar(nType, nPosition, szWindow), theme(*bar.m_pTheme)
    {
        s_bSystemFlatMenus = TRUE;
        s_bSystemQueryFails = FALSE;
        theme.RefreshMetrics();
        UseDistinctColors(theme);
        CStyles::s_draws.clear();
    }
    CStyles styles;
    CBar<CNativeTheme> bar;
    CNativeTheme& theme;
};

std::set<std::wstring> Without(const std::wstring& strClass)
{
    std::set<std::wstring> classes = CStyles::AllClasses();
    classes.erase(strClass);
    return classes;
}

std::string Describe(const std::vector<CDraw>& draws)
{
    std::string s;
    for (const CDraw& d : draws)
    {
        s += std::string(d.strClass.begin(), d.strClass.end()) + " " + std::to_string(d.nPart) + "/" +
             std::to_string(d.nState) + " (" + std::to_string(d.rc.left) + "," + std::to_string(d.rc.top) + "," +
             std::to_string(d.rc.right) + "," + std::to_string(d.rc.bottom) + "); ";
    }
    return s;
}

void ExpectDraws(const std::vector<CDraw>& expected, const char* pszWhat)
{
    const std::vector<CDraw>& actual = CStyles::s_draws;
    EXPECT_EQ(expected.size(), actual.size()) << pszWhat << ": " << Describe(actual);
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); i++)
    {
        EXPECT_EQ(expected[i].strClass, actual[i].strClass) << pszWhat << " #" << i;
        EXPECT_EQ(expected[i].nPart, actual[i].nPart) << pszWhat << " #" << i;
        EXPECT_EQ(expected[i].nState, actual[i].nState) << pszWhat << " #" << i;
        if (!expected[i].rc.IsRectNull())
            EXPECT_EQ(expected[i].rc, actual[i].rc) << pszWhat << " #" << i;
        if (!expected[i].rcClip.IsRectNull())
            EXPECT_EQ(expected[i].rcClip, actual[i].rcClip) << pszWhat << " #" << i;
    }
}
} // namespace

// ---------------------------------------------------------------- the theme object

TEST(NativeXPTheme, FactoryNumberAndConstructorSettings)
{
    CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(3);
    EXPECT_NE(nullptr, dynamic_cast<CZMRNativeXPTheme*>(pTheme));
    EXPECT_EQ(3, pTheme->GetThemeKind());
    pTheme->InternalRelease();

    CZMRNativeXPTheme theme;
    EXPECT_EQ(COLOR_MENUTEXT, theme.m_nPopupTextColor);
    EXPECT_TRUE(theme.m_bFlatMenus);
    EXPECT_TRUE(theme.m_bFadeIcons);
    EXPECT_FALSE(theme.m_bHotIconShadow);
    EXPECT_TRUE(theme.m_bUseStatusBarTheme);
    EXPECT_TRUE(theme.m_bUseButtonTheme);
    EXPECT_TRUE(theme.m_bPopupStateHighlight);
    EXPECT_TRUE(theme.m_bBoldCheckMark);
    for (CZMRWinThemeWrapper* pStyle : {&theme.m_themeRebar, &theme.m_themeToolBar, &theme.m_themeComboBox,
                                        &theme.m_themeWindow, &theme.m_themeSpin, &theme.m_themeMenu})
        EXPECT_FALSE(pStyle->IsThemeOpen());
}

TEST(NativeXPTheme, RefreshOpensTheSixClassesAndTheDestructorClosesThem)
{
    CStyles styles;
    {
        CNativeTheme theme;
        theme.RefreshMetrics();
        std::vector<std::wstring> opened;
        for (const std::wstring& strClass : CStyles::s_opened)
        {
            // The base and its small paint managers open classes of their own.
            if (Without(L"STATUS").count(strClass) && strClass != L"BUTTON")
                opened.push_back(strClass);
        }
        EXPECT_EQ((std::vector<std::wstring>{L"TOOLBAR", L"REBAR", L"COMBOBOX", L"WINDOW", L"SPIN", L"MENU"}), opened);
        EXPECT_TRUE(theme.IsVisualStyleActive());
        // A second refresh reopens them without leaking handles.
        const int nOpen = CStyles::s_nOpen;
        theme.RefreshMetrics();
        EXPECT_EQ(nOpen, CStyles::s_nOpen);
    }
    EXPECT_EQ(0, CStyles::s_nOpen);
}

TEST(NativeXPTheme, RefreshReadsEdgeAndTextColoursFromTheStyles)
{
    CStyles styles;
    CStyles::s_colors[{L"REBAR", 3, 0, 3806}] = RGB(10, 20, 30);
    CStyles::s_colors[{L"REBAR", 3, 0, 3805}] = RGB(40, 50, 60);
    CStyles::s_colors[{L"TOOLBAR", 0, 0, 3803}] = RGB(70, 80, 90);
    CNativeTheme theme;
    theme.RefreshMetrics();
    EXPECT_EQ(RGB(10, 20, 30), theme.m_clrEdgeShadow);
    EXPECT_EQ(RGB(40, 50, 60), theme.m_clrEdgeHighlight);
    EXPECT_EQ(RGB(70, 80, 90), theme.GetColor(COLOR_BTNTEXT));

    // Without the properties: the shadow and highlight entries.
    CStyles::s_colors.clear();
    CNativeTheme plain;
    plain.RefreshMetrics();
    EXPECT_EQ(plain.GetColor(COLOR_3DSHADOW), plain.m_clrEdgeShadow);
    EXPECT_EQ(plain.GetColor(COLOR_BTNHIGHLIGHT), plain.m_clrEdgeHighlight);
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), plain.GetColor(COLOR_BTNTEXT));
}

TEST(NativeXPTheme, FlatMenusFromTheSystemElseTheStyle)
{
    struct Case
    {
        const char* pszName;
        BOOL bSystem, bQueryFails, bStyle, bRebarActive;
        BOOL bFlat;
    };
    const Case cases[] = {
        {"system flat", TRUE, FALSE, FALSE, TRUE, TRUE},
        {"the style's Boolean", FALSE, FALSE, TRUE, TRUE, TRUE},
        {"the query fails, the style says flat", TRUE, TRUE, TRUE, TRUE, TRUE},
        {"neither", FALSE, FALSE, FALSE, TRUE, FALSE},
        {"no rebar style", FALSE, FALSE, TRUE, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        CStyles styles(c.bRebarActive ? CStyles::AllClasses() : Without(L"REBAR"));
        CStyles::s_bFlatMenus = c.bStyle;
        s_bSystemFlatMenus = c.bSystem;
        s_bSystemQueryFails = c.bQueryFails;
        CNativeTheme theme;
        theme.RefreshMetrics();
        EXPECT_EQ(c.bFlat, theme.m_bFlatMenus) << c.pszName;
        // Without flat menus the menu highlight is the highlight.
        if (!c.bFlat)
            EXPECT_EQ(theme.GetColor(COLOR_HIGHLIGHT), theme.GetColor(COLOR_MENUHILIGHT)) << c.pszName;
        else
            EXPECT_EQ(::GetSysColor(COLOR_MENUHILIGHT), theme.GetColor(COLOR_MENUHILIGHT)) << c.pszName;
    }
}

// ---------------------------------------------------------------- states

TEST(NativeXPTheme, StateHighlightPartsByControlState)
{
    struct Case
    {
        const char* pszName;
        int nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nPosition;
        const wchar_t* pszClass;   // null: nothing drawn
        int nPart, nState;
    };
    const Case cases[] = {
        {"hot popup item", 1, 0, 1, 0, 0, 2, 5, L"MENU", 14, 2},
        {"pressed popup item", 0, 1, 1, 0, 0, 2, 5, L"MENU", 14, 2},
        {"idle popup item", 0, 0, 1, 0, 0, 2, 5, nullptr, 0, 0},
        {"checked popup item", 0, 0, 1, 1, 0, 2, 5, L"MENU", 12, 2},
        {"checked, disabled popup item", 1, 0, 0, 1, 0, 2, 5, L"MENU", 12, 1},
        {"checked item of a floating popup bar", 0, 0, 1, 1, 0, 2, 4, L"TOOLBAR", 1, 5},
        {"idle button", 0, 0, 1, 0, 0, 1, 0, L"TOOLBAR", 1, 1},
        {"hot button", 1, 0, 1, 0, 0, 1, 0, L"TOOLBAR", 1, 2},
        {"hot, pressed button", 1, 1, 1, 0, 0, 1, 0, L"TOOLBAR", 1, 3},
        {"pressed while running", 0, 2, 1, 0, 0, 1, 0, L"TOOLBAR", 1, 3},
        {"open popup", 0, 0, 1, 0, 1, 1, 0, L"TOOLBAR", 1, 3},
        {"pressed, mouse away", 0, 1, 1, 0, 0, 1, 0, L"TOOLBAR", 1, 1},
        {"checked", 0, 0, 1, 1, 0, 1, 0, L"TOOLBAR", 1, 5},
        {"checked, hot", 1, 0, 1, 1, 0, 1, 0, L"TOOLBAR", 1, 6},
        {"checked, pressed, mouse away", 0, 1, 1, 1, 0, 1, 0, L"TOOLBAR", 1, 1},
        {"indeterminate, hot", 1, 0, 1, 2, 0, 1, 0, L"TOOLBAR", 1, 2},
        {"disabled", 1, 0, 0, 0, 0, 1, 0, L"TOOLBAR", 1, 4},
        {"disabled, checked", 0, 0, 0, 1, 0, 1, 0, L"TOOLBAR", 1, 3},
        {"hot menu-bar item", 1, 0, 1, 0, 0, 0, 0, L"TOOLBAR", 1, 2},
    };
    CStyled styled;
    for (const Case& c : cases)
    {
        CStyles::s_draws.clear();
        CPixelCanvas canvas(40, 30, kBack);
        styled.theme.DrawStateHighlight(canvas.DC(), CRect(2, 3, 38, 27), c.nSelected, c.nPressed, c.bEnabled,
                                        c.nChecked, c.bPopped, c.nBarType, c.nPosition);
        if (!c.pszClass)
            ExpectDraws({}, c.pszName);
        else
            ExpectDraws({{c.pszClass, c.nPart, c.nState, CRect(2, 3, 38, 27), CRect()}}, c.pszName);
        EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 40, 30))) << c.pszName;
    }
}

TEST(NativeXPTheme, PopupItemsWithoutTheMenuStyle)
{
    CStyled styled(zmrBarTypePopup, zmrBarPopup, CSize(0, 0), Without(L"MENU"));
    CPixelCanvas canvas(40, 30, kBack);
    styled.theme.DrawStateHighlight(canvas.DC(), CRect(2, 3, 38, 27), 1, 0, TRUE, 0, FALSE, 2, 5);
    EXPECT_EQ(Entry(COLOR_HIGHLIGHT), canvas.Pixel(2, 3)) << "the frame";
    EXPECT_EQ(Entry(COLOR_MENUHILIGHT), canvas.Pixel(20, 15)) << "the fill";
    ExpectDraws({}, "no style drawn");
    // A checked one takes the tool-bar button.
    styled.theme.DrawStateHighlight(canvas.DC(), CRect(2, 3, 38, 27), 0, 0, TRUE, 1, FALSE, 2, 5);
    ExpectDraws({{L"TOOLBAR", 1, 5, CRect(2, 3, 38, 27), CRect()}}, "checked");
}

TEST(NativeXPTheme, TextColoursOfPopupItems)
{
    struct Case
    {
        const char* pszName;
        BOOL bMenu;
        int nSelected, bEnabled, nChecked, nBarType, nPosition;
        COLORREF expected;
    };
    const Case cases[] = {
        {"enabled", TRUE, 0, 1, 0, 2, 5, COLOR_MENUTEXT},
        {"hot keeps the menu text", TRUE, 1, 1, 0, 2, 5, COLOR_MENUTEXT},
        {"disabled", TRUE, 1, 0, 0, 2, 5, COLOR_GRAYTEXT},
        {"no menu style: the Default rule", FALSE, 1, 1, 0, 2, 5, COLOR_HIGHLIGHTTEXT},
        {"no menu style, idle", FALSE, 0, 1, 0, 2, 5, COLOR_MENUTEXT},
        {"floating popup bar: the Default rule", TRUE, 1, 1, 0, 2, 4, COLOR_HIGHLIGHTTEXT},
        {"tool bar: the Default rule", TRUE, 1, 1, 0, 1, 0, COLOR_BTNTEXT},
    };
    for (const Case& c : cases)
    {
        CStyled styled(zmrBarTypePopup, zmrBarPopup, CSize(0, 0), c.bMenu ? CStyles::AllClasses() : Without(L"MENU"));
        EXPECT_EQ(c.expected, styled.theme.GetStateTextColor(c.nSelected, 0, c.bEnabled, c.nChecked, FALSE,
                                                              c.nBarType, c.nPosition))
            << c.pszName;
    }
}

TEST(NativeXPTheme, PopupsOfAFlatMenuBar)
{
    CStyled styled(zmrBarTypeMenuBar, zmrBarTop);
    styled.theme.m_bFlatMenuBar = TRUE;
    CZMRControl* pPopup = styled.bar.Add(zmrControlPopup, 0, L"&File", zmrButtonCaption);
    pPopup->SetRect(CRect(4, 2, 40, 20));
    CPixelCanvas canvas(50, 24, kBack);

    // Idle: nothing drawn, the base's text colour.
    styled.theme.DrawControlStateRect(canvas.DC(), pPopup);
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 50, 24)));
    ExpectDraws({}, "idle");
    EXPECT_EQ(Entry(COLOR_BTNTEXT), styled.theme.GetControlTextColor(pPopup));

    for (int nWay : {0, 1})
    {
        pPopup->OnSelectionChange(nWay == 0);
        pPopup->SetPressed(nWay == 1);
        CPixelCanvas hot(50, 24, kBack);
        styled.theme.DrawControlStateRect(hot.DC(), pPopup);
        EXPECT_EQ(Entry(COLOR_HIGHLIGHT), hot.Pixel(4, 2)) << nWay;
        EXPECT_EQ(Entry(COLOR_HIGHLIGHT), hot.Pixel(39, 19)) << nWay;
        EXPECT_EQ(kBack, hot.Pixel(40, 20)) << nWay;
        EXPECT_EQ(Entry(COLOR_HIGHLIGHTTEXT), styled.theme.GetControlTextColor(pPopup)) << nWay;
    }
    ExpectDraws({}, "filled, not styled");

    // Not flat: the button part.
    styled.theme.m_bFlatMenuBar = FALSE;
    pPopup->SetPressed(FALSE);
    pPopup->OnSelectionChange(TRUE);
    styled.theme.DrawControlStateRect(canvas.DC(), pPopup);
    ExpectDraws({{L"TOOLBAR", 1, 2, CRect(4, 2, 40, 20), CRect()}}, "not flat");
}

TEST(NativeXPTheme, SplitButtonParts)
{
    struct Case
    {
        const char* pszName;
        int nEnabled, nSelected, nPressed, nChecked;
        int nMain, nDrop;
    };
    const Case cases[] = {
        {"idle", 1, 0, 0, 0, 1, 1},
        {"hot", 1, 1, 0, 0, 2, 2},
        {"hot and pressed", 1, 1, 1, 0, 3, 3},
        {"checked", 1, 0, 0, 1, 5, 5},
        {"disabled", 0, 1, 0, 0, 4, 4},
        {"command part disabled", 4, 1, 0, 0, 2, 4},
    };
    for (const Case& c : cases)
    {
        CStyled styled;
        CZMRControl* pSplit = styled.bar.Add(zmrControlSplitButtonPopup, 103, L"Ask", zmrButtonIcon);
        pSplit->SetEnabled(c.nEnabled);
        pSplit->OnSelectionChange(c.nSelected);
        pSplit->SetPressed(c.nPressed);
        pSplit->SetChecked(c.nChecked);
        CStyles::s_draws.clear();
        CPixelCanvas canvas(60, 30, kBack);
        styled.theme.DrawControlBackdrop(canvas.DC(), pSplit, CRect(5, 2, 45, 24));
        ExpectDraws({{L"TOOLBAR", 3, c.nMain, CRect(5, 2, 33, 24), CRect()},
                     {L"TOOLBAR", 4, c.nDrop, CRect(33, 2, 45, 24), CRect()}},
                    c.pszName);
    }
}

// ---------------------------------------------------------------- bars

TEST(NativeXPTheme, PopupBarBackground)
{
    CStyled styled(zmrBarTypePopup, zmrBarPopup, CSize(120, 90));
    CPixelCanvas canvas(120, 90, kBack);
    styled.theme.PaintBarBackground(canvas.DC(), styled.bar.m_pBar);
    ExpectDraws({{L"MENU", 10, 0, CRect(0, 0, 120, 90), CRect()}, {L"MENU", 9, 0, CRect(3, 3, 117, 87), CRect()}},
                "borders, then the background inside");

    // When the borders cannot be drawn: the menu face and a frame.
    CStyles::s_nFailingPart = 10;
    for (BOOL bFlat : {TRUE, FALSE})
    {
        styled.theme.m_bFlatMenus = bFlat;
        CPixelCanvas fallback(120, 90, kBack);
        styled.theme.PaintBarBackground(fallback.DC(), styled.bar.m_pBar);
        EXPECT_EQ(Entry(COLOR_MENU), fallback.Pixel(60, 45)) << bFlat;
        if (bFlat)
        {
            EXPECT_EQ(Entry(COLOR_3DSHADOW), fallback.Pixel(0, 0));
            EXPECT_EQ(Entry(COLOR_3DSHADOW), fallback.Pixel(119, 89));
            EXPECT_EQ(Entry(COLOR_MENU), fallback.Pixel(1, 1));
        }
        else
        {
            EXPECT_EQ(Entry(COLOR_3DFACE), fallback.Pixel(0, 0));
            EXPECT_EQ(Entry(COLOR_3DDKSHADOW), fallback.Pixel(119, 89));
            EXPECT_EQ(Entry(COLOR_BTNHIGHLIGHT), fallback.Pixel(1, 1));
            EXPECT_EQ(Entry(COLOR_3DSHADOW), fallback.Pixel(118, 88));
        }
    }
}

TEST(NativeXPTheme, FloatingBarBackgroundAndCaption)
{
    for (int nType : {zmrBarTypeNormal, zmrBarTypePopup})
    {
        CStyled styled(nType, zmrBarFloating, CSize(150, 60));
        styled.bar.m_pBar->SetTitle(L"Tools");
        CPixelCanvas canvas(150, 60, kBack);
        styled.theme.PaintBarBackground(canvas.DC(), styled.bar.m_pBar);
        std::vector<CDraw> expected;
        if (nType == zmrBarTypeNormal)
            expected.push_back({L"TOOLBAR", 0, 0, CRect(0, 0, 150, 60), CRect()});
        expected.push_back({L"WINDOW", 10, 1, CRect(0, 0, 3, 60), CRect()});
        expected.push_back({L"WINDOW", 11, 1, CRect(147, 0, 150, 60), CRect()});
        expected.push_back({L"WINDOW", 12, 1, CRect(0, 57, 150, 60), CRect()});
        ExpectDraws(expected, nType == zmrBarTypeNormal ? "floating tool bar" : "floating popup bar");
        EXPECT_EQ(Entry(nType == zmrBarTypeNormal ? COLOR_3DFACE : COLOR_MENU), canvas.Pixel(75, 30));

        // The caption strip: at least 15 high plus 3, the title in the
        // floating caption text colour.
        CStyles::s_draws.clear();
        int nText = 0;
        {
            CZMRFontDC font(canvas.DC(), &styled.theme.m_fntFloatingCaption);
            nText = std::max(15, int(canvas.DC()->GetTextExtent(CString(L" ")).cy));
        }
        styled.theme.m_clrFloatingCaptionText.SetStandardValue(RGB(200, 0, 0));
        EXPECT_EQ(CSize(150, nText), styled.theme.DrawGripper(canvas.DC(), styled.bar.m_pBar, TRUE));
        ExpectDraws({{L"WINDOW", 2, 1, CRect(0, 0, 150, nText + 3), CRect()}}, "caption");
        EXPECT_TRUE(ColoursIn(canvas, CRect(5, 3, 150 - 2 * (nText + 3) + 3, nText + 3)).count(RGB(200, 0, 0)))
            << "the title";
        EXPECT_EQ(CSize(0, 0), styled.theme.DrawGripper(nullptr, styled.bar.m_pBar, FALSE));
    }
}

TEST(NativeXPTheme, DockedBarsShareTheRebarBackground)
{
    CStyled styled(zmrBarTypeNormal, zmrBarTop);
    CStyles::s_colors.clear();
    CWnd parent;
    parent.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(100, 100, 500, 200), nullptr, 0);
    styled.bar.m_pBar->CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(40, 10, 200, 36), &parent, 0);
    styled.theme.m_clrEdgeHighlight = RGB(250, 0, 0);
    styled.theme.m_clrEdgeShadow = RGB(0, 0, 250);
    CPixelCanvas canvas(160, 26, kBack);
    styled.theme.PaintBarBackground(canvas.DC(), styled.bar.m_pBar);
    // The parent's rectangle in the bar's coordinates, clipped to the bar.
    ExpectDraws({{L"REBAR", 0, 0, CRect(-40, -10, 360, 90), CRect(0, 0, 160, 26)},
                 {L"REBAR", 3, 0, CRect(0, 0, 160, 26), CRect()}},
                "top");
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(158, 0));
    EXPECT_EQ(RGB(0, 0, 250), canvas.Pixel(159, 25));
    EXPECT_EQ(RGB(0, 0, 250), canvas.Pixel(1, 25));

    // Flat bars get no frame; other sides a face fill under the band.
    styled.theme.m_bFlatToolBar = TRUE;
    styled.bar.m_pBar->SetPosition(zmrBarLeft);
    CStyles::s_draws.clear();
    CPixelCanvas left(160, 26, kBack);
    styled.theme.PaintBarBackground(left.DC(), styled.bar.m_pBar);
    ExpectDraws({{L"REBAR", 3, 0, CRect(0, 0, 160, 26), CRect()}}, "left");
    EXPECT_EQ(Entry(COLOR_3DFACE), left.Pixel(0, 0));
    styled.bar.m_pBar->DestroyWindow();
    parent.DestroyWindow();

    // Dock bars: the top one draws the rebar over itself, the others a face.
    CWnd frame;
    frame.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0);
    for (DWORD dwAlign : {DWORD(CBRS_ALIGN_TOP), DWORD(CBRS_ALIGN_BOTTOM)})
    {
        CZMRDockBar dock;
        ASSERT_TRUE(dock.Create(&frame, dwAlign, AFX_IDW_DOCKBAR_TOP));
        dock.MoveWindow(0, 0, 300, 30);
        CStyles::s_draws.clear();
        CPixelCanvas area(300, 30, kBack);
        styled.theme.PaintDockBackground(area.DC(), &dock);
        if (dwAlign == CBRS_ALIGN_TOP)
            ExpectDraws({{L"REBAR", 0, 0, CRect(0, 0, 300, 30), CRect(0, 0, 300, 30)}}, "top dock");
        else
        {
            ExpectDraws({}, "bottom dock");
            EXPECT_EQ(Entry(COLOR_3DFACE), area.Pixel(150, 15));
        }
        dock.DestroyWindow();
    }
    frame.DestroyWindow();
}

TEST(NativeXPTheme, GrippersByPosition)
{
    struct Case
    {
        const char* pszName;
        int nType, nPosition;
        CSize size;
        CDraw draw;   // empty class: nothing drawn
    };
    const Case cases[] = {
        {"top", 1, 0, CSize(8, 0), {L"REBAR", 1, 1, CRect(2, 0, 8, 30), CRect()}},
        {"bottom", 1, 1, CSize(8, 0), {L"REBAR", 1, 1, CRect(2, 0, 8, 30), CRect()}},
        {"left", 1, 2, CSize(0, 8), {L"REBAR", 2, 1, CRect(0, 2, 100, 8), CRect()}},
        {"right", 1, 3, CSize(0, 8), {L"REBAR", 2, 1, CRect(0, 2, 100, 8), CRect()}},
        {"popup", 2, 5, CSize(0, 0), {L"MENU", 13, 0, CRect(), CRect()}},
        {"none", 1, 7, CSize(0, 0), {L"", 0, 0, CRect(), CRect()}},
    };
    for (const Case& c : cases)
    {
        CStyled styled(c.nType, c.nPosition, CSize(100, 30));
        CPixelCanvas canvas(100, 30, kBack);
        EXPECT_EQ(c.size, styled.theme.DrawGripper(canvas.DC(), styled.bar.m_pBar, FALSE)) << c.pszName;
        ExpectDraws({}, "measuring draws nothing");
        EXPECT_EQ(c.size, styled.theme.DrawGripper(canvas.DC(), styled.bar.m_pBar, TRUE)) << c.pszName;
        if (c.draw.strClass.empty())
            ExpectDraws({}, c.pszName);
        else if (c.nPosition == zmrBarPopup)
        {
            // The gutter: the client rectangle inset by 3, as wide as the icon column.
            const int nWidth = styled.theme.GetPopupIconColumnWidth(styled.bar.m_pBar);
            ExpectDraws({{L"MENU", 13, 0, CRect(3, 3, 3 + nWidth, 27), CRect()}}, c.pszName);
        }
        else
            ExpectDraws({c.draw}, c.pszName);
    }

    // The dialog-bar gripper: base height + 4 (at least 22).
    CStyled styled;
    styled.theme.m_nBaseHeight = 20;
    CPixelCanvas canvas(40, 40, kBack);
    EXPECT_EQ(CSize(8, 24), styled.theme.DrawDialogBarGripper(canvas.DC(), styled.bar.m_pBar, TRUE));
    ExpectDraws({{L"REBAR", 1, 1, CRect(2, 3, 8, 24), CRect()}}, "dialog bar");
    styled.theme.m_nBaseHeight = 16;
    EXPECT_EQ(CSize(8, 22), styled.theme.DrawDialogBarGripper(nullptr, styled.bar.m_pBar, FALSE));
}

TEST(NativeXPTheme, SeparatorsByBar)
{
    struct Case
    {
        const char* pszName;
        int nType, nPosition;
        BOOL bWrap;
        CDraw draw;
    };
    // The control at (30, 40)-(60, 60) in a row (10, 38)-(90, 62).
    const Case cases[] = {
        {"tool bar", 1, 0, FALSE, {L"TOOLBAR", 5, 0, CRect(24, 38, 30, 62), CRect()}},
        {"tool bar, new row", 1, 0, TRUE, {L"TOOLBAR", 6, 0, CRect(14, 33, 90, 38), CRect()}},
        {"left bar", 1, 2, FALSE, {L"TOOLBAR", 6, 0, CRect(10, 34, 90, 40), CRect()}},
        {"left bar, new column", 1, 2, TRUE, {L"TOOLBAR", 5, 0, CRect(90, 42, 95, 62), CRect()}},
        {"tool bar in popup position", 1, 5, FALSE, {L"TOOLBAR", 6, 0, CRect(10, 34, 90, 40), CRect()}},
    };
    for (const Case& c : cases)
    {
        CStyled styled(c.nType, c.nPosition);
        CZMRControl* pControl = styled.bar.Add(zmrControlButton, 100, L"X");
        pControl->SetRect(CRect(30, 40, 60, 60));
        pControl->SetRowRect(CRect(10, 38, 90, 62));
        pControl->SetWrap(c.bWrap);
        CPixelCanvas canvas(100, 70, kBack);
        EXPECT_EQ(CSize(0, 0), styled.theme.DrawSeparator(canvas.DC(), styled.bar.m_pBar, pControl, TRUE))
            << c.pszName;
        ExpectDraws({c.draw}, c.pszName);
        EXPECT_EQ(CSize(6, 6), styled.theme.DrawSeparator(nullptr, styled.bar.m_pBar, pControl, FALSE))
            << "measuring is the Default theme's";
    }

    // Popup bars: the menu's separator right of the icon column.
    CStyled popup(zmrBarTypePopup, zmrBarPopup);
    CZMRControl* pItem = popup.bar.Add(zmrControlButton, 100, L"Item");
    pItem->SetRect(CRect(3, 40, 150, 60));
    pItem->SetRowRect(CRect(3, 40, 150, 60));
    CPixelCanvas canvas(160, 70, kBack);
    popup.theme.DrawSeparator(canvas.DC(), popup.bar.m_pBar, pItem, TRUE);
    const int nWidth = popup.theme.GetPopupIconColumnWidth(popup.bar.m_pBar);
    ExpectDraws({{L"MENU", 15, 0, CRect(nWidth + 3, 32, 150, 38), CRect()}}, "popup");
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 160, 70)));

    // A new column on a popup bar: the Default theme's sunken line.
    pItem->SetWrap(TRUE);
    pItem->SetRect(CRect(20, 40, 150, 60));
    pItem->SetRowRect(CRect(20, 40, 150, 60));
    CStyles::s_draws.clear();
    popup.theme.DrawSeparator(canvas.DC(), popup.bar.m_pBar, pItem, TRUE);
    ExpectDraws({}, "popup column");
    EXPECT_EQ(Entry(COLOR_3DSHADOW), canvas.Pixel(15, 50));
    EXPECT_EQ(Entry(COLOR_BTNHIGHLIGHT), canvas.Pixel(16, 50));
}

TEST(NativeXPTheme, IconColumnChecksAndAvoidRectangle)
{
    CStyled styled(zmrBarTypePopup, zmrBarPopup);
    CPixelCanvas canvas(40, 40, kBack);
    styled.theme.FillIconColumn(canvas.DC(), 3, 4, 24, 30, FALSE);
    styled.theme.DrawCheckMark(canvas.DC(), CRect(1, 2, 21, 22), TRUE, COLOR_MENUTEXT);
    styled.theme.DrawCheckMark(canvas.DC(), CRect(1, 2, 21, 22), FALSE, COLOR_MENUTEXT);
    styled.theme.DrawRadioDot(canvas.DC(), CRect(1, 2, 21, 22), TRUE, COLOR_MENUTEXT);
    styled.theme.DrawRadioDot(canvas.DC(), CRect(1, 2, 21, 22), FALSE, COLOR_MENUTEXT);
    ExpectDraws({{L"MENU", 13, 0, CRect(3, 4, 27, 34), CRect()},
                 {L"MENU", 11, 1, CRect(1, 2, 21, 22), CRect()},
                 {L"MENU", 11, 2, CRect(1, 2, 21, 22), CRect()},
                 {L"MENU", 11, 3, CRect(1, 2, 21, 22), CRect()},
                 {L"MENU", 11, 4, CRect(1, 2, 21, 22), CRect()}},
                "menu parts");
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 40, 40)));

    CZMRDefaultTheme plain;
    EXPECT_EQ(plain.GetPopupIconColumnWidth(styled.bar.m_pBar) + 3,
              styled.theme.GetPopupIconColumnWidth(styled.bar.m_pBar));

    CZMRControl* pItem = styled.bar.Add(zmrControlButton, 100, L"Item");
    CRect rc(10, 10, 50, 30);
    styled.theme.AdjustAvoidRect(rc, pItem, FALSE);
    EXPECT_EQ(CRect(13, 7, 47, 33), rc);
    CZMRControl* pCombo = styled.bar.Add(zmrControlComboBox, 101, L"");
    rc = CRect(10, 10, 50, 30);
    styled.theme.AdjustAvoidRect(rc, pCombo, FALSE);
    EXPECT_EQ(CRect(10, 10, 50, 30), rc);
    CStyled toolBar;
    CZMRControl* pButton = toolBar.bar.Add(zmrControlButton, 100, L"B");
    rc = CRect(10, 10, 50, 30);
    toolBar.theme.AdjustAvoidRect(rc, pButton, FALSE);
    EXPECT_EQ(CRect(10, 10, 50, 30), rc);

    // Without the menu style: no icon column (as the Default theme), the
    // base check mark, the base width.
    CStyled noMenu(zmrBarTypePopup, zmrBarPopup, CSize(0, 0), Without(L"MENU"));
    CPixelCanvas plainCanvas(40, 40, kBack);
    noMenu.theme.FillIconColumn(plainCanvas.DC(), 3, 4, 24, 30, FALSE);
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(plainCanvas, CRect(0, 0, 40, 40)));
    noMenu.theme.DrawCheckMark(plainCanvas.DC(), CRect(1, 2, 21, 22), TRUE, COLOR_MENUTEXT);
    EXPECT_TRUE(ColoursIn(plainCanvas, CRect(0, 0, 40, 40)).count(Entry(COLOR_MENUTEXT)));
    ExpectDraws({}, "no menu style");
    EXPECT_EQ(plain.GetPopupIconColumnWidth(noMenu.bar.m_pBar), noMenu.theme.GetPopupIconColumnWidth(noMenu.bar.m_pBar));
}

// ---------------------------------------------------------------- edits, combo boxes, spin buttons

TEST(NativeXPTheme, EditFrameInTheComboBoxBorderColour)
{
    CStyled styled;
    CStyles::s_colors[{L"COMBOBOX", 1, 1, 3801}] = RGB(10, 120, 230);
    CStyles::s_colors[{L"COMBOBOX", 1, 4, 3801}] = RGB(90, 90, 90);
    struct Case
    {
        BOOL bEnabled;
        COLORREF expected;
    };
    for (const Case& c : {Case{TRUE, RGB(10, 120, 230)}, Case{FALSE, RGB(90, 90, 90)}})
    {
        CPixelCanvas canvas(30, 20, kBack);
        styled.theme.DrawEditFrame(canvas.DC(), CRect(2, 2, 28, 18), c.bEnabled, 0);
        EXPECT_EQ(c.expected, canvas.Pixel(2, 2));
        EXPECT_EQ(c.expected, canvas.Pixel(27, 17));
        EXPECT_EQ(kBack, canvas.Pixel(3, 3)) << "one pixel";
    }
    CStyles::s_colors.clear();
    CPixelCanvas canvas(30, 20, kBack);
    styled.theme.DrawEditFrame(canvas.DC(), CRect(2, 2, 28, 18), TRUE, 1);
    EXPECT_EQ(Entry(COLOR_3DSHADOW), canvas.Pixel(2, 2)) << "the query failed";
    EXPECT_EQ(Entry(COLOR_3DSHADOW), canvas.Pixel(27, 17));
}

TEST(NativeXPTheme, ComboDropButtonAndSpinButtonStates)
{
    CStyled styled;
    struct DropCase
    {
        BOOL bEnabled;
        int nSelected;
        BOOL bDropped;
        int nState;
    };
    for (const DropCase& c : {DropCase{TRUE, 0, FALSE, 1}, DropCase{TRUE, 1, FALSE, 2}, DropCase{TRUE, 1, TRUE, 3},
                              DropCase{FALSE, 1, TRUE, 4}})
    {
        CStyles::s_draws.clear();
        CPixelCanvas canvas(40, 30, kBack);
        styled.theme.DrawComboDropButton(canvas.DC(), CRect(20, 2, 36, 24), c.bEnabled, c.nSelected, c.bDropped);
        ExpectDraws({{L"COMBOBOX", 1, c.nState, CRect(18, 3, 35, 23), CRect()}}, "drop button");
    }

    auto* pEdit = static_cast<CZMRControlEdit*>(styled.bar.Add(zmrControlEdit, 1, L"", zmrButtonCaption));
    pEdit->SetShowSpinButtons(TRUE);
    pEdit->SetRect(CRect(0, 0, 60, 22));
    const CRect rc = pEdit->GetSpinButtonsRect();
    const int middle = (rc.top + rc.bottom) / 2;
    struct SpinCase
    {
        const char* pszName;
        BOOL bEnabled;
        int nSelected, nPressed;
        int nUp, nDown;
    };
    const SpinCase cases[] = {
        {"idle", TRUE, 0, 0, 1, 1},
        {"over the up button", TRUE, 4, 0, 2, 1},
        {"over the down button", TRUE, 5, 0, 1, 2},
        {"pressing the up button", TRUE, 4, 4, 3, 1},
        {"pressing the down button", TRUE, 5, 5, 1, 3},
        {"pressed, not selected", TRUE, 0, 4, 1, 1},
        {"disabled", FALSE, 4, 4, 4, 4},
    };
    for (const SpinCase& c : cases)
    {
        pEdit->SetEnabled(c.bEnabled);
        pEdit->OnSelectionChange(c.nSelected);
        pEdit->SetPressed(c.nPressed);
        CStyles::s_draws.clear();
        CPixelCanvas canvas(60, 22, kBack);
        styled.theme.DrawEditSpinButtons(canvas.DC(), pEdit);
        ExpectDraws({{L"SPIN", 1, c.nUp, CRect(rc.left, rc.top, rc.right, middle), CRect()},
                     {L"SPIN", 2, c.nDown, CRect(rc.left, middle, rc.right, rc.bottom), CRect()}},
                    c.pszName);
    }
}

// Without the class a control draws from, it gets the Default theme's
// drawing, not nothing.
TEST(NativeXPTheme, EditPartsFallBackWhenTheirClassIsMissing)
{
    auto draw = [](CZMRPaintManager& theme, CZMRControlEdit* pEdit, CPixelCanvas& canvas) {
        auto* pDefault = dynamic_cast<CZMRDefaultTheme*>(&theme);
        pDefault->DrawEditSpinButtons(canvas.DC(), pEdit);
        pDefault->DrawComboDropButton(canvas.DC(), CRect(70, 2, 86, 24), TRUE, 1, FALSE);
        pDefault->DrawEditFrame(canvas.DC(), CRect(90, 2, 118, 24), TRUE, 1);
    };
    for (const wchar_t* pszMissing : {L"SPIN", L"COMBOBOX"})
    {
        CStyled styled(zmrBarTypeNormal, zmrBarTop, CSize(0, 0), Without(pszMissing));
        ASSERT_TRUE(styled.theme.IsVisualStyleActive());
        CBar<CDistinct<CDefaultWithNativeSwitches>> reference(zmrBarTypeNormal, zmrBarTop);
        CZMRControlEdit* pEdits[2] = {
            static_cast<CZMRControlEdit*>(styled.bar.Add(zmrControlEdit, 1, L"", zmrButtonCaption)),
            static_cast<CZMRControlEdit*>(reference.Add(zmrControlEdit, 1, L"", zmrButtonCaption))};
        for (int i = 0; i < 2; i++)
        {
            pEdits[i]->SetShowSpinButtons(TRUE);
            pEdits[i]->SetRect(CRect(0, 0, 60, 22));
            pEdits[i]->OnSelectionChange(1);
            pEdits[i]->SetPressed(4);
        }
        CPixelCanvas native(120, 26, kBack), expected(120, 26, kBack);
        draw(styled.theme, pEdits[0], native);
        draw(*reference.m_pTheme, pEdits[1], expected);
        const CRect rcSpin = pEdits[0]->GetSpinButtonsRect();
        const CRect rcCheck = std::wstring(pszMissing) == L"SPIN" ? rcSpin : CRect(68, 0, 120, 26);
        for (int y = rcCheck.top; y < rcCheck.bottom; y++)
            for (int x = rcCheck.left; x < rcCheck.right; x++)
                ASSERT_EQ(expected.Pixel(x, y), native.Pixel(x, y)) << "without " << pszMissing << " at " << x << ","
                                                                    << y;
        EXPECT_GT(ColoursIn(native, rcCheck).size(), 1u) << "something is drawn";
    }
}

TEST(NativeXPTheme, FloatingButtonsShowTheStyledFace)
{
    for (BOOL bStyled : {TRUE, FALSE})
    {
        CStyled styled(zmrBarTypeNormal, zmrBarFloating, CSize(0, 0),
                       bStyled ? CStyles::AllClasses() : Without(L"TOOLBAR"));
        CZMRControl* pButton = styled.bar.Add(zmrControlButton, 100, L"");
        pButton->SetRect(CRect(2, 2, 18, 18));
        pButton->SetPressed(TRUE);
        CPixelCanvas canvas(20, 20, kBack);
        styled.theme.DrawOverflowButton(canvas.DC(), 2, pButton, styled.bar.m_pBar, TRUE, 0);
        // The Default theme fills the pressed button's face first.
        EXPECT_EQ(bStyled ? kBack : Entry(COLOR_3DFACE), canvas.Pixel(3, 10)) << bStyled;
    }
}

// ---------------------------------------------------------------- without visual styles

namespace
{
// Draws one of the scenes of a theme's bars and controls on the canvas.
template <class TTheme>
void DrawScene(int nScene, CPixelCanvas& canvas)
{
    switch (nScene)
    {
    case 0:
        PaintToolBarPicture<TTheme>(canvas);
        break;
    case 1:
        PaintPopupPicture<TTheme>(canvas);
        break;
    case 2:
        PaintMenuBarPicture<TTheme>(canvas);
        break;
    case 3: // a left bar with a group, a floating bar's caption
    {
        CBar<TTheme> left(zmrBarTypeNormal, zmrBarLeft, CSize(30, 150));
        CZMRControl* pButton = left.Add(zmrControlButton, 100, L"", zmrButtonIcon);
        pButton->SetBeginGroup(TRUE);
        pButton->SetRect(CRect(4, 60, 26, 82));
        pButton->SetRowRect(CRect(2, 60, 28, 82));
        canvas.DC()->SetViewportOrg(0, 30);
        left.m_pTheme->PaintBarBackground(canvas.DC(), left.m_pBar);
        left.m_pTheme->DrawGripper(canvas.DC(), left.m_pBar, TRUE);
        left.m_pTheme->DrawSeparator(canvas.DC(), left.m_pBar, pButton, TRUE);
        pButton->Draw(canvas.DC());

        CBar<TTheme> floating(zmrBarTypeNormal, zmrBarFloating, CSize(200, 60));
        floating.m_pBar->SetTitle(L"Tools");
        canvas.DC()->SetViewportOrg(60, 30);
        floating.m_pTheme->PaintBarBackground(canvas.DC(), floating.m_pBar);
        floating.m_pTheme->DrawGripper(canvas.DC(), floating.m_pBar, TRUE);
        canvas.DC()->SetViewportOrg(0, 0);
        break;
    }
    case 4: // an edit with spin buttons and a combo box, both selected
    {
        CBar<TTheme> bar(zmrBarTypeNormal, zmrBarTop);
        auto* pEdit = static_cast<CZMRControlEdit*>(bar.Add(zmrControlEdit, 1, L"&Find", zmrButtonCaption));
        pEdit->SetShowSpinButtons(TRUE);
        pEdit->SetWidth(120);
        pEdit->SetRect(CRect(CPoint(4, 4), pEdit->GetSize(canvas.DC())));
        pEdit->OnSelectionChange(1);
        pEdit->SetPressed(5);
        pEdit->Draw(canvas.DC());
        CZMRControl* pCombo = bar.Add(zmrControlComboBox, 2, L"", zmrButtonCaption);
        pCombo->SetWidth(100);
        pCombo->SetRect(CRect(CPoint(140, 4), pCombo->GetSize(canvas.DC())));
        pCombo->OnSelectionChange(1);
        bar.m_pTheme->DrawControl(canvas.DC(), pCombo, TRUE);
        bar.m_pTheme->DrawDialogBarGripper(canvas.DC(), bar.m_pBar, TRUE);
        break;
    }
    }
}
} // namespace

TEST(NativeXPTheme, WithoutVisualStylesEverythingDrawsAsTheDefaultTheme)
{
    // Styles switched off: the classes open but are not active; and no
    // visual-style classes at all.
    for (BOOL bOpen : {TRUE, FALSE})
    {
        CStyles styles(bOpen ? CStyles::AllClasses() : std::set<std::wstring>{}, FALSE);
        s_bSystemFlatMenus = FALSE;
        s_bSystemQueryFails = FALSE;
        for (int nScene = 0; nScene < 5; nScene++)
        {
            CPixelCanvas native(330, 230, kBack), expected(330, 230, kBack);
            DrawScene<CDistinct<CNativeTheme>>(nScene, native);
            DrawScene<CDistinct<CDefaultWithNativeSwitches>>(nScene, expected);
            int nDiffer = 0;
            for (int y = 0; y < 230 && nDiffer < 5; y++)
            {
                for (int x = 0; x < 330 && nDiffer < 5; x++)
                {
                    if (native.Pixel(x, y) != expected.Pixel(x, y))
                    {
                        ADD_FAILURE() << "scene " << nScene << " differs at " << x << "," << y;
                        nDiffer++;
                    }
                }
            }
            EXPECT_GT(ColoursIn(native, CRect(0, 0, 330, 230)).size(), 4u) << "scene " << nScene << " drew";
        }
        EXPECT_TRUE(CStyles::s_draws.empty()) << Describe(CStyles::s_draws);
    }
}

// ---------------------------------------------------------------- pictures

TEST(NativeXPThemePictures, ToolBarPopupAndMenuBarInWinesStyles)
{
    typedef CRefreshed<CZMRNativeXPTheme> CPictureTheme;
    DrawToolBarPicture<CPictureTheme>(L"native");
    DrawPopupPicture<CPictureTheme>(L"native");
    DrawMenuBarPicture<CPictureTheme>(L"native");
}
