// The paint manager's shared data: the current manager and its themes, the
// colour table, fonts, metrics and switches.
#include "TestTheme.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRNonClientMetrics.h"
#include "CZMRResourceManager.h"
#include "CZMRShadowManager.h"
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRSliderPaintManager.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// System colours the tests choose in place of the system's.
const COLORREF* g_pSysColors = nullptr;
COLORREF FakeSysColor(int nIndex) { return g_pSysColors[nIndex]; }

// Every test starts and ends without a current paint manager and with the
// colour manager reading the system again.
class PaintManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { CZMRPaintManager::Done(); }
    void TearDown() override
    {
        CZMRPaintManager::Done();
        CZMRColorManager* pColorManager = GetColorManager();
        pColorManager->m_pfnGetSysColor = nullptr;
        pColorManager->m_nChosenTheme = CZMRColorManager::systemThemeAuto;
        pColorManager->m_bIgnoreSystemTheme = FALSE;
        RefreshSystemColors();
    }
};

// The first font family installed whose name has letters.
std::wstring InstalledFace()
{
    std::wstring strFace;
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC hDC = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(
        hDC, &lf,
        [](const LOGFONTW* plf, const TEXTMETRICW*, DWORD, LPARAM lParam) -> int {
            std::wstring strName = plf->lfFaceName;
            if (strName.empty() || strName[0] == L'@' || !::IsCharAlphaW(strName[0]) || !::IsCharUpperW(strName[0]))
                return 1;
            *reinterpret_cast<std::wstring*>(lParam) = strName;
            return 0;
        },
        reinterpret_cast<LPARAM>(&strFace), 0);
    ::ReleaseDC(nullptr, hDC);
    return strFace;
}

std::wstring FaceOf(const CFont& font)
{
    LOGFONT lf = {};
    font.GetLogFont(&lf);
    return lf.lfFaceName;
}
}

// ---------------------------------------------------------------- colours

TEST_F(PaintManagerTest, ColourTableForFixedSystemColours)
{
    // Entries 1 to 29 are the system colours; the two schemes differ in
    // face, shadow, window, highlight, grey text and button text. The dark
    // one moves colours 30 and 35 and pushes several shades away from their
    // references, darker and lighter.
    COLORREF classic[30] = {0,
        RGB(58, 110, 165), RGB(10, 36, 106), RGB(128, 128, 128), RGB(212, 208, 200), RGB(255, 255, 255),
        RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(212, 208, 200),
        RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106), RGB(255, 255, 255), RGB(212, 208, 200),
        RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0), RGB(212, 208, 200), RGB(255, 255, 255),
        RGB(64, 64, 64), RGB(212, 208, 200), RGB(0, 0, 0), RGB(255, 255, 225), RGB(181, 181, 181),
        RGB(0, 0, 128), RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197)};
    COLORREF dark[30];
    std::copy(classic, classic + 30, dark);
    dark[COLOR_WINDOW] = RGB(255, 255, 255);
    dark[COLOR_BTNFACE] = RGB(64, 64, 64);
    dark[COLOR_BTNSHADOW] = RGB(32, 32, 32);
    dark[COLOR_GRAYTEXT] = RGB(0, 0, 0);
    dark[COLOR_BTNTEXT] = RGB(255, 255, 255);
    dark[COLOR_HIGHLIGHT] = RGB(0, 120, 215);

    struct Entry
    {
        int nIndex;
        COLORREF clrClassic, clrDark;
    } entries[] = {
        {0, RGB(0, 0, 0), RGB(0, 0, 0)},
        {1, RGB(58, 110, 165), RGB(58, 110, 165)},
        {2, RGB(10, 36, 106), RGB(10, 36, 106)},
        {3, RGB(128, 128, 128), RGB(128, 128, 128)},
        {4, RGB(212, 208, 200), RGB(212, 208, 200)},
        {5, RGB(255, 255, 255), RGB(255, 255, 255)},
        {6, RGB(0, 0, 0), RGB(0, 0, 0)},
        {7, RGB(0, 0, 0), RGB(0, 0, 0)},
        {8, RGB(0, 0, 0), RGB(0, 0, 0)},
        {9, RGB(255, 255, 255), RGB(255, 255, 255)},
        {10, RGB(212, 208, 200), RGB(212, 208, 200)},
        {11, RGB(212, 208, 200), RGB(212, 208, 200)},
        {12, RGB(128, 128, 128), RGB(128, 128, 128)},
        {13, RGB(10, 36, 106), RGB(0, 120, 215)},
        {14, RGB(255, 255, 255), RGB(255, 255, 255)},
        {15, RGB(212, 208, 200), RGB(64, 64, 64)},
        {16, RGB(128, 128, 128), RGB(32, 32, 32)},
        {17, RGB(128, 128, 128), RGB(0, 0, 0)},
        {18, RGB(0, 0, 0), RGB(255, 255, 255)},
        {19, RGB(212, 208, 200), RGB(212, 208, 200)},
        {20, RGB(255, 255, 255), RGB(255, 255, 255)},
        {21, RGB(64, 64, 64), RGB(64, 64, 64)},
        {22, RGB(227, 223, 215), RGB(79, 79, 79)},
        {23, RGB(0, 0, 0), RGB(0, 0, 0)},
        {24, RGB(255, 255, 225), RGB(255, 255, 225)},
        {25, RGB(181, 181, 181), RGB(181, 181, 181)},
        {26, RGB(0, 0, 128), RGB(0, 0, 128)},
        {27, RGB(166, 202, 240), RGB(166, 202, 240)},
        {28, RGB(192, 192, 192), RGB(192, 192, 192)},
        {29, RGB(49, 106, 197), RGB(49, 106, 197)},
        {30, RGB(219, 216, 209), RGB(94, 94, 94)},
        {31, RGB(182, 189, 210), RGB(179, 215, 243)},
        {32, RGB(10, 36, 106), RGB(101, 173, 231)},
        {33, RGB(133, 146, 181), RGB(128, 188, 235)},
        {34, RGB(136, 141, 157), RGB(134, 161, 182)},
        {35, RGB(166, 166, 166), RGB(144, 144, 144)},
        {36, RGB(212, 213, 216), RGB(149, 161, 170)},
        {37, RGB(10, 36, 106), RGB(0, 120, 215)},
        {38, RGB(160, 160, 160), RGB(32, 32, 32)},
        {39, RGB(166, 166, 166), RGB(131, 131, 131)},
        {40, RGB(141, 141, 141), RGB(36, 36, 36)},
        {41, RGB(249, 248, 247), RGB(228, 228, 228)},
        {42, RGB(204, 200, 193), RGB(61, 61, 61)},
        {43, RGB(102, 102, 102), RGB(77, 77, 77)},
        {44, RGB(0, 0, 0), RGB(0, 0, 0)},
        {45, RGB(0, 0, 0), RGB(0, 0, 0)},
        {46, RGB(0, 0, 0), RGB(255, 255, 255)},
        {47, RGB(255, 255, 255), RGB(76, 76, 76)},
        {48, RGB(247, 242, 233), RGB(99, 99, 99)},
        {49, RGB(85, 85, 85), RGB(0, 0, 0)},
        {50, RGB(10, 36, 106), RGB(0, 120, 215)},
        {51, RGB(212, 208, 200), RGB(64, 64, 64)},
        {52, RGB(128, 128, 128), RGB(32, 32, 32)},
        {53, RGB(219, 216, 209), RGB(94, 94, 94)},
        {54, RGB(128, 128, 128), RGB(32, 32, 32)},
        {55, RGB(212, 208, 200), RGB(64, 64, 64)},
        {56, RGB(212, 208, 200), RGB(64, 64, 64)},
        {57, RGB(128, 128, 128), RGB(32, 32, 32)},   // unless the tree-view style gives its border colour
        {58, RGB(141, 141, 141), RGB(36, 36, 36)},
        {59, RGB(0, 0, 0), RGB(0, 0, 0)},
        {60, RGB(141, 141, 141), RGB(36, 36, 36)},
        {61, RGB(109, 109, 109), RGB(21, 21, 21)},
        {62, RGB(0, 0, 0), RGB(0, 0, 0)},
    };
    static_assert(sizeof(entries) / sizeof(entries[0]) == CZMRPaintManager::ColorCount, "one row per entry");

    // The tree-view style's border colour replaces entry 57 where visual
    // styles are active (Wine's own theme is).
    COLORREF clrTreeBorder = COLORREF(-1);
    CZMRWinThemeWrapper treeView(TRUE);
    treeView.OpenThemeData(nullptr, L"TREEVIEW");
    if (treeView.IsThemeOpenAndActive())
        treeView.GetThemeColor(0, 0, 3801, &clrTreeBorder);

    CZMRColorManager* pColorManager = GetColorManager();
    pColorManager->m_pfnGetSysColor = FakeSysColor;
    for (int nScheme = 0; nScheme < 2; nScheme++)
    {
        SCOPED_TRACE(nScheme == 0 ? "classic scheme" : "dark scheme");
        g_pSysColors = nScheme == 0 ? classic : dark;
        CZMRPaintManager::SetTheme(zmrThemeDefault);
        CZMRPaintManager* pPaintManager = CZMRPaintManager::GetCurrent();
        ASSERT_EQ(0, pColorManager->GetDetectedSystemTheme()) << "the table is that of no visual-style scheme";
        ASSERT_FALSE(CZMRColorManager::IsLowColorDepth(nullptr));

        for (const Entry& entry : entries)
        {
            COLORREF clrExpected = nScheme == 0 ? entry.clrClassic : entry.clrDark;
            if (entry.nIndex == 57 && clrTreeBorder != COLORREF(-1))
                clrExpected = clrTreeBorder;
            EXPECT_EQ(clrExpected, pPaintManager->GetColor(entry.nIndex)) << "entry " << entry.nIndex;
            EXPECT_EQ(clrExpected, pPaintManager->m_arrColors[entry.nIndex].m_clrStandardValue);
        }
    }
}

TEST_F(PaintManagerTest, ColourIndicesAndLiteralColours)
{
    CTestTheme theme;
    theme.RefreshMetrics();
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);

    EXPECT_EQ(clrFace, theme.GetColor(COLOR_BTNFACE));
    EXPECT_EQ(COLORREF(0), theme.GetColor(0));
    EXPECT_EQ(COLORREF(63), theme.GetColor(63)) << "63 is a colour, not an entry";
    EXPECT_EQ(RGB(255, 0, 255), theme.GetColor(RGB(255, 0, 255)));
    EXPECT_EQ(COLORREF(-1), theme.GetColor(COLORREF(-1))) << "compared unsigned";
    EXPECT_EQ(COLORREF(0x80000005), theme.GetColor(0x80000005));

    // A custom value wins over the standard one and survives refreshes,
    // which rewrite only standard values.
    theme.m_arrColors[COLOR_BTNFACE].SetCustomValue(RGB(1, 2, 3));
    theme.RefreshMetrics();
    EXPECT_EQ(RGB(1, 2, 3), theme.GetColor(COLOR_BTNFACE));
    EXPECT_EQ(clrFace, theme.m_arrColors[COLOR_BTNFACE].m_clrStandardValue);

    // Listed entries get standard values; indices outside the table name
    // nothing and are passed over.
    const int indices[] = {30, -1, 63, 62, 1000};
    const COLORREF colors[] = {RGB(10, 20, 30), RGB(1, 1, 1), RGB(2, 2, 2), RGB(40, 50, 60), RGB(3, 3, 3)};
    theme.SetColors(5, indices, colors);
    EXPECT_EQ(RGB(10, 20, 30), theme.GetColor(30));
    EXPECT_EQ(RGB(40, 50, 60), theme.GetColor(62));
    EXPECT_EQ(COLORREF(-1), theme.m_arrColors[30].m_clrCustomValue);
}

TEST_F(PaintManagerTest, ColourSchemeFollowsTheColourManager)
{
    CZMRColorManager* pColorManager = GetColorManager();
    pColorManager->m_nChosenTheme = CZMRColorManager::systemThemeOlive;
    const int nDetected = pColorManager->GetDetectedSystemTheme();

    CTestTheme theme;
    EXPECT_EQ(7, theme.m_nColorScheme);
    EXPECT_EQ(CZMRColorManager::systemThemeOlive, theme.GetThemeColorScheme()) << "automatic: the chosen scheme";
    pColorManager->m_bIgnoreSystemTheme = TRUE;
    EXPECT_EQ(0, theme.GetThemeColorScheme()) << "automatic while the system scheme is ignored";

    theme.m_nColorScheme = 6;
    EXPECT_EQ(nDetected, theme.GetThemeColorScheme());
    theme.m_nColorScheme = 3;
    EXPECT_EQ(3, theme.GetThemeColorScheme());
}

// ---------------------------------------------------------------- the current paint manager

TEST_F(PaintManagerTest, ThemesByNumber)
{
    EXPECT_EQ(nullptr, CZMRPaintManager::GetCurrent());

    // Each number is served by its theme (unknown ones by the Default theme)
    // and keeps the number it was asked for.
    struct Case
    {
        int nTheme, nKind;
    };
    for (const Case& c : {Case{0, zmrThemeDefault}, Case{1, zmrThemeOffice}, Case{2, zmrThemeOffice2003},
                          Case{3, zmrThemeNativeXP}, Case{4, zmrThemeWhidbey}, Case{5, zmrThemeOffice2007},
                          Case{6, zmrThemeRibbon}, Case{7, zmrThemeVisualStudio2008}, Case{9, zmrThemeDefault},
                          Case{-1, zmrThemeDefault}})
    {
        CZMRPaintManager::SetTheme(c.nTheme);
        CZMRPaintManager* pPaintManager = CZMRPaintManager::GetCurrent();
        ASSERT_NE(nullptr, pPaintManager);
        EXPECT_EQ(c.nTheme, pPaintManager->m_nTheme);
        EXPECT_EQ(c.nKind, pPaintManager->GetThemeKind()) << "theme " << c.nTheme;
        EXPECT_EQ(1, pPaintManager->GetRefCount());
    }

    CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(9);
    EXPECT_EQ(9, pTheme->m_nTheme);
    EXPECT_EQ(1, pTheme->GetRefCount());
    CZMRPaintManager::SetCustomTheme(pTheme);
    EXPECT_EQ(pTheme, CZMRPaintManager::GetCurrent());
    EXPECT_EQ(zmrThemeCustom, pTheme->m_nTheme);
    EXPECT_LT(0, pTheme->m_nBaseHeight) << "made current, it was refreshed";
}

TEST_F(PaintManagerTest, SwitchingThemesReleasesTheOldOne)
{
    CTestTheme* pFirst = new CTestTheme;
    EXPECT_EQ(0, pFirst->m_nBaseHeight) << "the constructor does not refresh";
    CZMRPaintManager::SetCustomTheme(pFirst);
    EXPECT_EQ(1, CTestTheme::s_nLive);

    // A reference of the caller's keeps the first alive past the switch.
    pFirst->InternalAddRef();
    CZMRPaintManager::SetCustomTheme(new CTestTheme);
    EXPECT_EQ(2, CTestTheme::s_nLive);
    EXPECT_EQ(1, pFirst->GetRefCount());
    pFirst->InternalRelease();
    EXPECT_EQ(1, CTestTheme::s_nLive);

    CZMRPaintManager::SetTheme(zmrThemeOffice);
    EXPECT_EQ(0, CTestTheme::s_nLive);

    CZMRPaintManager::SetCustomTheme(new CTestTheme);
    CZMRPaintManager::Done();
    EXPECT_EQ(0, CTestTheme::s_nLive);
    EXPECT_EQ(nullptr, CZMRPaintManager::GetCurrent());
    CZMRPaintManager::Done();   // nothing current: nothing happens
}

TEST_F(PaintManagerTest, HandingInTheCurrentManagerAgainKeepsIt)
{
    CZMRPaintManager::SetTheme(zmrThemeOffice2003);
    CZMRPaintManager* pCurrent = CZMRPaintManager::GetCurrent();
    pCurrent->m_nBaseHeight = 0;

    // Handed in again, as the application does to refresh it, the current
    // manager stays current with the one reference the global holds.
    CZMRPaintManager::SetCustomTheme(pCurrent);
    EXPECT_EQ(pCurrent, CZMRPaintManager::GetCurrent());
    EXPECT_EQ(1, pCurrent->GetRefCount());
    EXPECT_EQ(zmrThemeCustom, pCurrent->m_nTheme);
    EXPECT_LT(0, pCurrent->m_nBaseHeight) << "refreshed";

    CTestTheme* pTheme = new CTestTheme;
    CZMRPaintManager::SetCustomTheme(pTheme);
    CZMRPaintManager::SetCustomTheme(pTheme);
    EXPECT_EQ(1, CTestTheme::s_nLive);
    EXPECT_EQ(1, pTheme->GetRefCount());
}

TEST_F(PaintManagerTest, TheOldManagerGoesOnceTheNewOneIsCurrent)
{
    CTestTheme* pOld = new CTestTheme;
    CZMRPaintManager::SetCustomTheme(pOld);
    std::vector<CZMRPaintManager*> seen;
    pOld->m_onDestroy = [&seen]() { seen.push_back(CZMRPaintManager::GetCurrent()); };

    CTestTheme* pNew = new CTestTheme;
    CZMRPaintManager::SetCustomTheme(pNew);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(pNew, seen[0]) << "no one finds the manager that is going";
}

namespace
{
void SignalEvent(const std::wstring& strName)
{
    HANDLE hEvent = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, strName.c_str());
    ::SetEvent(hEvent);
    ::CloseHandle(hEvent);
}
} // namespace

// Runs in a process of its own (below): installs a theme that signals when
// it is destroyed, says that it got as far as ending, then ends the process
// through its exit-time work.
TEST(PaintManagerExit, DISABLED_ReleasedWhenTheProcessEnds)
{
    WCHAR szEvent[MAX_PATH] = L"";
    if (!::GetEnvironmentVariableW(L"ZMR_PAINT_MANAGER_EXIT_EVENT", szEvent, MAX_PATH))
        return;
    CTestTheme* pTheme = new CTestTheme;
    std::wstring strEvent = szEvent;
    pTheme->m_onDestroy = [strEvent]() { SignalEvent(strEvent); };
    CZMRPaintManager::SetCustomTheme(pTheme);
    SignalEvent(strEvent + L"-installed");
    std::exit(0);
}

TEST(PaintManagerExit, CurrentManagerIsReleasedAtExit)
{
    const std::wstring strEvent = L"ZMRPaintManagerExit-" + std::to_wstring(::GetCurrentProcessId());
    HANDLE hEvent = ::CreateEventW(nullptr, TRUE, FALSE, strEvent.c_str());
    ASSERT_NE(nullptr, hEvent);
    HANDLE hInstalled = ::CreateEventW(nullptr, TRUE, FALSE, (strEvent + L"-installed").c_str());
    ASSERT_NE(nullptr, hInstalled);
    ::SetEnvironmentVariableW(L"ZMR_PAINT_MANAGER_EXIT_EVENT", strEvent.c_str());

    WCHAR szPath[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring strCommand = L"\"" + std::wstring(szPath) +
        L"\" --gtest_filter=PaintManagerExit.DISABLED_ReleasedWhenTheProcessEnds --gtest_also_run_disabled_tests";
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    BOOL bStarted = ::CreateProcessW(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableW(L"ZMR_PAINT_MANAGER_EXIT_EVENT", nullptr);
    ASSERT_TRUE(bStarted);
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD dwExitCode = 1;
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);

    // A probe that never got as far as ending failed on its way there, not in
    // the exit-time work this test is about.
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hInstalled, 0)) << "the probe installed its theme and went to exit";
    EXPECT_EQ(0u, dwExitCode) << std::hex << "0x" << dwExitCode;
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hEvent, 0)) << "the theme was destroyed as the process ended";
    ::CloseHandle(hInstalled);
    ::CloseHandle(hEvent);
}

// ---------------------------------------------------------------- metrics and switches

TEST_F(PaintManagerTest, DefaultsOfMetricsAndSwitches)
{
    CTestTheme theme;
    struct Field
    {
        const char* pszName;
        int nValue, nExpected;
    } fields[] = {
        {"bold check mark", theme.m_bBoldCheckMark, 0},
        {"popup shadows", theme.m_bShowShadow, 1},
        {"status visual style", theme.m_bUseStatusBarTheme, 0},
        {"button visual style", theme.m_bUseButtonTheme, 0},
        {"ClearType", theme.m_bClearTypeTextQuality, 0},
        {"resource character set", theme.m_bUseResourceCharSet, 0},
        {"flat toolbars", theme.m_bFlatToolBar, 0},
        {"flat menu bar", theme.m_bFlatMenuBar, 0},
        {"text gap", theme.m_nTextGap, 4},
        {"popup state switch", theme.m_bPopupStateHighlight, 0},
        {"bar animation", theme.m_bEnableAnimation, 0},
        {"narrow arrow", theme.m_bNarrowArrow, 0},
        {"label icon column", theme.m_bLabelIconColumn, 1},
        {"two-line captions", theme.m_bTwoLineCaptions, 1},
        {"split drop-down width", theme.m_nSplitDropDownWidth, 11},
        {"popup split width", theme.m_nPopupSplitWidth, 20},
        {"scale icons", theme.m_bScaleIcons, 0},
        {"spare metric", theme.m_nSpareMetric, 20},
        {"spare rectangle left", theme.m_rcSpare.left, 0},
        {"spare rectangle top", theme.m_rcSpare.top, 0},
        {"spare rectangle right", theme.m_rcSpare.right, 0},
        {"spare rectangle bottom", theme.m_rcSpare.bottom, 0},
        {"base height", theme.m_nBaseHeight, 0},
        {"fixed control height", theme.m_nFixedControlHeight, 0},
        {"preferred face in use", theme.m_bUsePreferredFace, 0},
        {"system font", theme.m_bUseSystemFont, 1},
        {"emboss disabled text", theme.m_bEmbossDisabledText, 1},
        {"fade icons", theme.m_bFadeIcons, 0},
        {"disabled icons from image", theme.m_bDisabledIconsFromImage, 0},
        {"hot icon shadow", theme.m_bHotIconShadow, 0},
        {"disabled icons from colours", theme.m_bDisabledIconsFromColors, 0},
        {"animation steps", theme.m_nAnimationSteps, 10},
        {"animation time", theme.m_nAnimationTime, 100},
        {"keyboard cues", theme.m_nKeyboardCues, -1},
        {"colour scheme", theme.m_nColorScheme, 7},
        {"standard floating caption font", theme.m_fntFloatingCaption.m_bStandardFont, 1},
        {"standard field font", theme.m_fntField.m_bStandardFont, 1},
        {"standard field bold font", theme.m_fntFieldBold.m_bStandardFont, 1},
        {"standard keyboard-tip font", theme.m_fntKeyboardTip.m_bStandardFont, 1},
    };
    for (const Field& field : fields)
        EXPECT_EQ(field.nExpected, field.nValue) << field.pszName;

    EXPECT_EQ(CString(L"Tahoma"), theme.m_strPreferredFace);
    EXPECT_EQ(nullptr, theme.m_fntRegular.GetSafeHandle()) << "fonts come with the first refresh";
    EXPECT_FALSE(theme.m_themeStatusBar.IsThemeOpen());
    EXPECT_FALSE(theme.m_themeButton.IsThemeOpen());
    for (const CZMRPaintManagerColor& color : theme.m_arrColors)
        EXPECT_EQ(COLORREF(-1), color.GetColor());
    EXPECT_EQ(0.5f, theme.m_grcCaption.fGradientFactor);

    ASSERT_NE(nullptr, theme.m_pGalleryPaintManager);
    ASSERT_NE(nullptr, theme.m_pSliderPaintManager);
    ASSERT_NE(nullptr, theme.m_pProgressPaintManager);
    EXPECT_EQ(&theme, theme.m_pGalleryPaintManager->m_pPaintManager);
    ASSERT_NE(nullptr, theme.m_pShadowManager);
    EXPECT_EQ(0u, theme.m_pShadowManager->m_dwOptions);
    FARPROC pfnLayered = ::GetProcAddress(::GetModuleHandleW(L"USER32"), "SetLayeredWindowAttributes");
    EXPECT_EQ(reinterpret_cast<void*>(pfnLayered), reinterpret_cast<void*>(theme.m_pfnSetLayeredWindowAttributes));
}

TEST_F(PaintManagerTest, OwnedObjectsGoWithTheManager)
{
    CTestTheme* pTheme = new CTestTheme;
    CZMRShadowManager* pShadowManager = pTheme->m_pShadowManager;
    pShadowManager->InternalAddRef();
    EXPECT_EQ(2, pShadowManager->GetRefCount());
    pTheme->InternalRelease();
    EXPECT_EQ(1, pShadowManager->GetRefCount()) << "the manager's reference was released";
    pShadowManager->InternalRelease();
}

TEST_F(PaintManagerTest, RefreshSetsTheSharedColours)
{
    CTestTheme theme;
    theme.m_pShadowManager->m_clrShadow = RGB(22, 30, 54);
    theme.m_clrFloatingCaption.SetCustomValue(RGB(9, 9, 9));
    theme.m_pGalleryPaintManager->m_cyUpButton = 5;
    theme.m_pSliderPaintManager->m_nThumbSize = 0;
    theme.RefreshMetrics();

    EXPECT_EQ(theme.GetColor(COLOR_BTNTEXT), theme.m_clrBarText);
    EXPECT_EQ(theme.GetColor(COLOR_INFOTEXT), theme.m_clrInfoText);
    EXPECT_EQ(theme.GetColor(COLOR_3DSHADOW), theme.m_clrFloatingCaption.m_clrStandardValue);
    EXPECT_EQ(RGB(9, 9, 9), theme.m_clrFloatingCaption.GetColor()) << "the custom value stays";
    EXPECT_EQ(theme.GetColor(COLOR_3DHIGHLIGHT), theme.m_clrFloatingCaptionText.GetColor());
    EXPECT_EQ(theme.GetColor(COLOR_3DFACE), theme.m_grcCaption.clrLight.GetColor());
    EXPECT_EQ(theme.GetColor(COLOR_3DSHADOW), theme.m_grcCaption.clrDark.GetColor());
    EXPECT_EQ(0.5f, theme.m_grcCaption.fGradientFactor);
    EXPECT_EQ(COLORREF(0), theme.m_pShadowManager->m_clrShadow) << "for the themes to set again";
    EXPECT_EQ(19, theme.m_pGalleryPaintManager->m_cyUpButton) << "the small paint managers were refreshed";
    EXPECT_EQ(11, theme.m_pSliderPaintManager->m_nThumbSize);
}

TEST_F(PaintManagerTest, VisualStyleHandlesFollowTheirSwitches)
{
    CTestTheme theme;
    theme.m_bUseStatusBarTheme = TRUE;
    theme.m_bUseButtonTheme = TRUE;
    theme.RefreshMetrics();

    // Wine's own theme has both classes; the bar text then comes from the
    // "STATUS" style's text colour.
    CZMRWinThemeWrapper status;
    status.OpenThemeData(nullptr, L"STATUS");
    ASSERT_TRUE(status.IsThemeOpenAndActive());
    COLORREF clrStatusText = theme.GetColor(COLOR_BTNTEXT);
    status.GetThemeColor(1, 0, 3803, &clrStatusText);
    EXPECT_TRUE(theme.m_themeStatusBar.IsThemeOpen());
    EXPECT_TRUE(theme.m_themeButton.IsThemeOpen());
    EXPECT_EQ(clrStatusText, theme.m_clrBarText);

    theme.m_bUseStatusBarTheme = FALSE;
    theme.m_bUseButtonTheme = FALSE;
    theme.RefreshMetrics();
    EXPECT_FALSE(theme.m_themeStatusBar.IsThemeOpen());
    EXPECT_FALSE(theme.m_themeButton.IsThemeOpen());
    EXPECT_EQ(theme.GetColor(COLOR_BTNTEXT), theme.m_clrBarText);
}

TEST_F(PaintManagerTest, IconSizesAndBaseHeight)
{
    CTestTheme theme;
    struct Case
    {
        BOOL bScale;
        int nBaseHeight;
        int nSmall, nLarge, nBase;
    } cases[] = {
        {FALSE, 30, 16, 32, 30},
        {TRUE, 30, 24, 48, 30},   // (30 - 4) / 8 = 3, (60 - 8) / 8 = 6
        {TRUE, 19, 16, 32, 22},   // the base height counts as at least 22
        {TRUE, 0, 16, 32, 22},
        {TRUE, 12, 16, 32, 22},
        {TRUE, 45, 40, 80, 45},
    };
    for (const Case& c : cases)
    {
        theme.m_bScaleIcons = c.bScale;
        theme.m_nBaseHeight = c.nBaseHeight;
        EXPECT_EQ(CSize(c.nSmall, c.nSmall), theme.GetIconSize(FALSE)) << c.nBaseHeight;
        EXPECT_EQ(CSize(c.nLarge, c.nLarge), theme.GetIconSize(TRUE)) << c.nBaseHeight;
        EXPECT_EQ(c.nBase, theme.GetBaseHeight());
    }
}

// ---------------------------------------------------------------- fonts

TEST_F(PaintManagerTest, FontsFromTheSystem)
{
    CTestTheme theme;
    theme.RefreshMetrics();

    CZMRNonClientMetrics ncm;
    const LOGFONT& lfMenu = ncm.lfMenuFont;
    LOGFONT lf = {};
    theme.m_fntRegular.GetLogFont(&lf);
    EXPECT_EQ(lfMenu.lfHeight < 0 && lfMenu.lfHeight >= -10 ? -11 : lfMenu.lfHeight, lf.lfHeight);
    EXPECT_EQ(lfMenu.lfWeight, lf.lfWeight);
    EXPECT_EQ(lfMenu.lfCharSet, lf.lfCharSet);
    // The preferred face replaces the system face once the system uses it.
    const bool bTahoma = lstrcmpiW(lfMenu.lfFaceName, L"Tahoma") == 0;
    EXPECT_EQ(bTahoma, bool(theme.m_bUsePreferredFace));
    EXPECT_EQ(bTahoma ? std::wstring(L"Tahoma") : std::wstring(lfMenu.lfFaceName), std::wstring(lf.lfFaceName));

    LOGFONT lfBold = {};
    theme.m_fntRegularBold.GetLogFont(&lfBold);
    EXPECT_EQ(FW_BOLD, lfBold.lfWeight);
    EXPECT_EQ(lf.lfHeight, lfBold.lfHeight);

    CString strVerticalFace;
    CZMRDrawHelpers::PickUiFontFace(strVerticalFace, theme.m_bUsePreferredFace);
    for (CFont* pFont : {&theme.m_fntVertical, &theme.m_fntVerticalBold})
    {
        LOGFONT lfVertical = {};
        pFont->GetLogFont(&lfVertical);
        EXPECT_EQ(900, lfVertical.lfOrientation);
        EXPECT_EQ(2700, lfVertical.lfEscapement);
        EXPECT_EQ(std::wstring(strVerticalFace), std::wstring(lfVertical.lfFaceName));
        EXPECT_EQ(pFont == &theme.m_fntVertical ? lf.lfWeight : FW_BOLD, lfVertical.lfWeight);
    }

    LOGFONT lfIconTitle = {};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lfIconTitle), &lfIconTitle, 0);
    LOGFONT lfField = {}, lfFieldBold = {}, lfTip = {}, lfCaption = {};
    theme.m_fntField.GetLogFont(&lfField);
    theme.m_fntFieldBold.GetLogFont(&lfFieldBold);
    theme.m_fntKeyboardTip.GetLogFont(&lfTip);
    theme.m_fntFloatingCaption.GetLogFont(&lfCaption);
    EXPECT_EQ(std::wstring(lfIconTitle.lfFaceName), std::wstring(lfField.lfFaceName));
    EXPECT_EQ(lfIconTitle.lfHeight, lfField.lfHeight);
    EXPECT_EQ(lfIconTitle.lfHeight, lfFieldBold.lfHeight);
    EXPECT_EQ(FW_BOLD, lfFieldBold.lfWeight);
    EXPECT_EQ(ncm.lfStatusFont.lfHeight, lfTip.lfHeight);
    EXPECT_EQ(std::wstring(ncm.lfStatusFont.lfFaceName), std::wstring(lfTip.lfFaceName));
    EXPECT_EQ(ncm.lfSmCaptionFont.lfHeight, lfCaption.lfHeight);
    EXPECT_EQ(std::wstring(ncm.lfSmCaptionFont.lfFaceName), std::wstring(lfCaption.lfFaceName));

    // The base height is the height of a space in the regular font plus 6.
    HDC hDC = ::GetDC(nullptr);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, L" ", 1, &size);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(nullptr, hDC);
    EXPECT_LT(0, size.cy);
    EXPECT_EQ(size.cy + 6, theme.m_nBaseHeight);
}

TEST_F(PaintManagerTest, BarFontHeightFromTheMenuFont)
{
    LOGFONT lfMenu = {};
    lstrcpyW(lfMenu.lfFaceName, L"Arial");
    lfMenu.lfWeight = FW_NORMAL;
    lfMenu.lfItalic = 1;
    lfMenu.lfQuality = ANTIALIASED_QUALITY;
    lfMenu.lfEscapement = 450;
    struct Case
    {
        LONG nMenu, nBar;
    } cases[] = {{-8, -11}, {-1, -11}, {-10, -11}, {-11, -11}, {-12, -12}, {-20, -20}, {0, 0}, {8, 8}, {16, 16}};
    for (const Case& c : cases)
    {
        lfMenu.lfHeight = c.nMenu;
        LOGFONT lf = CTestTheme::GetBarLogFont(lfMenu, RUSSIAN_CHARSET, FALSE);
        EXPECT_EQ(c.nBar, lf.lfHeight) << c.nMenu;
    }
    LOGFONT lf = CTestTheme::GetBarLogFont(lfMenu, RUSSIAN_CHARSET, FALSE);
    EXPECT_EQ(RUSSIAN_CHARSET, lf.lfCharSet);
    EXPECT_EQ(ANTIALIASED_QUALITY, lf.lfQuality);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(0, lf.lfEscapement) << "only height, weight, italic, character set, quality and face are taken";
    EXPECT_EQ(std::wstring(L"Arial"), std::wstring(lf.lfFaceName));
    EXPECT_EQ(CLEARTYPE_QUALITY, CTestTheme::GetBarLogFont(lfMenu, 0, TRUE).lfQuality);
}

TEST_F(PaintManagerTest, ClearTypeAndResourceCharacterSet)
{
    CZMRResourceManager* pResources = GetResourceManager();
    const WORD wLanguage = pResources->GetResourceLanguage();
    pResources->SetResourceLanguage(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
    const BYTE nResourceCharSet = BYTE(pResources->GetLanguageInfo()->nFontCharSet);

    CTestTheme theme;
    theme.m_bClearTypeTextQuality = TRUE;
    theme.m_bUseResourceCharSet = TRUE;
    theme.RefreshMetrics();
    pResources->SetResourceLanguage(wLanguage);

    EXPECT_EQ(RUSSIAN_CHARSET, nResourceCharSet);
    for (CFont* pFont : {static_cast<CFont*>(&theme.m_fntRegular), static_cast<CFont*>(&theme.m_fntVertical),
                         static_cast<CFont*>(&theme.m_fntField), static_cast<CFont*>(&theme.m_fntFieldBold),
                         static_cast<CFont*>(&theme.m_fntKeyboardTip),
                         static_cast<CFont*>(&theme.m_fntFloatingCaption)})
    {
        LOGFONT lf = {};
        pFont->GetLogFont(&lf);
        EXPECT_EQ(CLEARTYPE_QUALITY, lf.lfQuality) << FaceOf(*pFont).c_str();
        EXPECT_EQ(nResourceCharSet, lf.lfCharSet);
    }
}

TEST_F(PaintManagerTest, PreferredFace)
{
    // An installed face to prefer, in another case than the one it is
    // asked for with.
    const std::wstring strInstalled = InstalledFace();
    ASSERT_FALSE(strInstalled.empty());
    std::wstring strLower = strInstalled;
    CharLowerW(&strLower[0]);
    ASSERT_NE(strInstalled, strLower);

    struct Case
    {
        std::wstring strPreferred, strFace;
        BOOL bSystem;
        std::wstring strExpected;
        BOOL bInUse;
    } cases[] = {
        {strInstalled, strLower, TRUE, strInstalled, TRUE},
        {strInstalled, L"Other Face", TRUE, L"Other Face", FALSE},
        {strInstalled, strLower, FALSE, strLower, TRUE},                         // an application's font keeps its face
        {L"No Such Face", L"no such face", TRUE, L"no such face", TRUE},         // not installed
    };
    for (const Case& c : cases)
    {
        CTestTheme theme;
        theme.m_strPreferredFace = c.strPreferred.c_str();
        LOGFONT lf = {};
        lf.lfHeight = -11;
        lstrcpyW(lf.lfFaceName, c.strFace.c_str());
        theme.SetBarFontFromLogFont(&lf, c.bSystem);
        EXPECT_EQ(c.strExpected, FaceOf(theme.m_fntRegular)) << c.strFace.c_str();
        EXPECT_EQ(c.strExpected, FaceOf(theme.m_fntRegularBold));
        EXPECT_EQ(c.bInUse, theme.m_bUsePreferredFace) << c.strFace.c_str();
        EXPECT_EQ(c.bSystem, theme.m_bUseSystemFont);
    }

    // Once in use the preferred face stays in use for other system faces.
    CTestTheme theme;
    theme.m_strPreferredFace = strInstalled.c_str();
    theme.m_bUsePreferredFace = TRUE;
    LOGFONT lf = {};
    lstrcpyW(lf.lfFaceName, L"Other Face");
    theme.SetBarFontFromLogFont(&lf, TRUE);
    EXPECT_EQ(strInstalled, FaceOf(theme.m_fntRegular));
}

TEST_F(PaintManagerTest, FontsOfOnesOwnSurviveRefreshes)
{
    CTestTheme theme;
    theme.RefreshMetrics();

    LOGFONT lfOwn = {};
    lfOwn.lfHeight = -23;
    lstrcpyW(lfOwn.lfFaceName, L"Arial");
    theme.m_fntField.SetCustomFont(&lfOwn);
    lfOwn.lfWeight = FW_BOLD;
    theme.m_fntFieldBold.SetCustomFont(&lfOwn);
    HGDIOBJ hFieldBold = theme.m_fntFieldBold.GetSafeHandle();

    // An application's bar font rebuilds the bar fonts but leaves the field
    // bold font that the application set.
    LOGFONT lfBar = {};
    lfBar.lfHeight = -15;
    lstrcpyW(lfBar.lfFaceName, L"Arial");
    theme.SetBarFontFromLogFont(&lfBar, FALSE);
    EXPECT_EQ(hFieldBold, theme.m_fntFieldBold.GetSafeHandle());
    theme.RefreshMetrics();

    LOGFONT lf = {};
    theme.m_fntField.GetLogFont(&lf);
    EXPECT_EQ(-23, lf.lfHeight);
    theme.m_fntFieldBold.GetLogFont(&lf);
    EXPECT_EQ(-23, lf.lfHeight);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    theme.m_fntRegular.GetLogFont(&lf);
    EXPECT_EQ(-15, lf.lfHeight) << "the application's bar font is kept while the system font switch is off";

    // A standard field bold font is deleted with the bar fonts and rebuilt
    // by the next refresh.
    CTestTheme other;
    other.RefreshMetrics();
    other.SetBarFontFromLogFont(&lfBar, FALSE);
    EXPECT_EQ(nullptr, other.m_fntFieldBold.GetSafeHandle());
    other.RefreshMetrics();
    EXPECT_NE(nullptr, other.m_fntFieldBold.GetSafeHandle());
}
