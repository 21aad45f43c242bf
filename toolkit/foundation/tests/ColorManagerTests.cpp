#include "CZMRColorManager.h"
#include "CZMRWinThemeWrapper.h"
#include "StandInVisualStyles.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>

namespace
{
// System colours the tests choose, in place of the system's.
COLORREF g_sysColors[31];
COLORREF FakeSysColor(int nIndex) { return g_sysColors[nIndex]; }

void SetScheme(COLORREF clrFace, COLORREF clrShadow, COLORREF clrWindow, COLORREF clrHighlight,
               COLORREF clrButtonText)
{
    for (int i = 0; i < 31; i++)
        g_sysColors[i] = ::GetSysColor(i);
    g_sysColors[COLOR_BTNFACE] = clrFace;
    g_sysColors[COLOR_BTNSHADOW] = clrShadow;
    g_sysColors[COLOR_WINDOW] = clrWindow;
    g_sysColors[COLOR_HIGHLIGHT] = clrHighlight;
    g_sysColors[COLOR_BTNTEXT] = clrButtonText;
}

// A colour manager on the test's colours, refreshed.
struct CTestColorManager : CZMRColorManager
{
    CTestColorManager()
    {
        m_pfnGetSysColor = FakeSysColor;
        RefreshColors();
    }
};

bool IsValidColor(COLORREF clr) { return (clr & 0xFF000000) == 0; }
}

TEST(ColorManager, IndicesAboveTheTableAreLiteralColours)
{
    SetScheme(RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(10, 36, 106), 0);
    CTestColorManager manager;
    EXPECT_EQ(COLORREF(0), manager.GetColor(62));
    EXPECT_EQ(COLORREF(0), manager.GetColor(0)) << "black, not the scroll-bar colour";
    EXPECT_EQ(RGB(0, 255, 0), manager.GetColor(RGB(0, 255, 0)));
    EXPECT_EQ(RGB(212, 208, 200), manager.GetColor(COLOR_BTNFACE));
    manager.SetColor(62, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), manager.GetColor(62));
    manager.SetColor(62, COLORREF(-1));
    EXPECT_EQ(COLORREF(0), manager.GetColor(62));
}

TEST(ColorManager, MixColorsByPercentOrPerMille)
{
    struct Case
    {
        COLORREF a, b;
        int nWeight;
        COLORREF expected;
    } cases[] = {
        {RGB(255, 255, 255), 0, 30, RGB(77, 77, 77)},
        {RGB(255, 255, 255), 0, 165, RGB(42, 42, 42)},
        {RGB(255, 255, 255), 0, 100, RGB(26, 26, 26)},   // 100 is per mille
        {RGB(255, 255, 255), 0, 99, RGB(252, 252, 252)},
        {RGB(10, 20, 30), RGB(200, 100, 0), 50, RGB(105, 60, 15)},
        {RGB(10, 20, 30), RGB(200, 100, 0), 0, RGB(200, 100, 0)},
        {RGB(10, 20, 30), RGB(200, 100, 0), 1000, RGB(10, 20, 30)},
        {RGB(255, 255, 255), 0, 2000, RGB(255, 255, 255)},   // out of range stays a colour
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CZMRColorManager::MixColors(c.a, c.b, c.nWeight)) << c.nWeight;
}

TEST(ColorManager, WeightedSpaceArithmetic)
{
    EXPECT_NEAR(440.85f, CZMRColorManager::ColorDistance(0, RGB(255, 255, 255)), 0.01f);
    EXPECT_NEAR(195.0f * 195.0f, CZMRColorManager::ColorDistanceSquared(0, RGB(255, 0, 0)), 0.1f);
    EXPECT_FLOAT_EQ(70.0f, CZMRColorManager::ScaleThreshold(0, 35));
    EXPECT_FLOAT_EQ(150.0f, CZMRColorManager::ScaleThreshold(110, 100));
    EXPECT_FLOAT_EQ(35.0f, CZMRColorManager::ScaleThreshold(400, 35));

    // 20 apart in green is about 30.6 in the weighted space.
    EXPECT_TRUE(CZMRColorManager::IsColorDifferenceAbove(RGB(200, 200, 200), RGB(200, 180, 200), FALSE, 30));
    EXPECT_FALSE(CZMRColorManager::IsColorDifferenceAbove(RGB(200, 200, 200), RGB(200, 180, 200), FALSE, 31));
    // Near black the threshold counts almost twice.
    EXPECT_FALSE(CZMRColorManager::IsColorDifferenceAbove(RGB(0, 0, 0), RGB(0, 20, 0), TRUE, 16));
    EXPECT_TRUE(CZMRColorManager::IsColorDifferenceAbove(RGB(0, 0, 0), RGB(0, 20, 0), TRUE, 15));
}

TEST(ColorManager, MovedAndAdjustedColoursLandAtTheScaledDistance)
{
    struct Case
    {
        COLORREF a, b;
        float fThreshold;
        int nDirection;   // -1 darker than a, +1 lighter
    } cases[] = {
        {RGB(236, 233, 216), RGB(236, 233, 216), 50, -1},
        {RGB(212, 208, 200), RGB(200, 200, 200), 80, -1},
        {RGB(10, 10, 10), RGB(10, 10, 10), 50, +1},   // no room below: pushed toward white
        {RGB(40, 60, 90), RGB(45, 60, 80), 100, +1},
    };
    for (const Case& c : cases)
    {
        const float d = CZMRColorManager::ScaleThreshold(int(CZMRColorManager::ColorBrightness(c.a)),
                                                         int(c.fThreshold));
        COLORREF clr = CZMRColorManager::AdjustColorDistance(c.a, c.b, c.fThreshold);
        ASSERT_TRUE(IsValidColor(clr));
        EXPECT_NEAR(d, CZMRColorManager::ColorDistance(c.a, clr), 2.0f) << std::hex << c.a;
        float fDelta = CZMRColorManager::ColorBrightness(clr) - CZMRColorManager::ColorBrightness(c.a);
        EXPECT_GT(fDelta * c.nDirection, 0.0f) << std::hex << c.a;
    }

    const COLORREF a = RGB(200, 200, 200);
    COLORREF clr = CZMRColorManager::MoveColorToward(a, 0, 35);
    EXPECT_NEAR(35.0f, CZMRColorManager::ColorDistance(a, clr), 2.0f);
    EXPECT_EQ(a, CZMRColorManager::MoveColorToward(a, a, 35)) << "no direction: unchanged";
}

TEST(ColorManager, AdjustmentThatCannotReachTheDistanceStaysInRange)
{
    // Red against pure blue: the line through blue never comes within the
    // threshold of red, so the square root would be of a negative number.
    COLORREF clr = CZMRColorManager::AdjustColorDistance(RGB(255, 0, 0), RGB(0, 0, 255), 10);
    EXPECT_EQ(RGB(0, 0, 0), clr) << "the nearest point of the line, not garbage";

    for (COLORREF a : {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 255, 0), RGB(255, 0, 255)})
    {
        for (COLORREF b : {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 255), RGB(128, 128, 0)})
        {
            EXPECT_TRUE(IsValidColor(CZMRColorManager::AdjustColorDistance(a, b, 180)));
            EXPECT_TRUE(IsValidColor(CZMRColorManager::MoveColorToward(a, b, 180)));
        }
    }
}

TEST(ColorManager, DerivedEntriesOfAClassicScheme)
{
    SetScheme(RGB(236, 233, 216), RGB(172, 168, 153), RGB(255, 255, 255), RGB(49, 106, 197), 0);
    CTestColorManager manager;
    EXPECT_EQ(RGB(255, 251, 233), manager.GetColor(48));
    EXPECT_EQ(RGB(251, 248, 231), manager.GetColor(22));
    const COLORREF c31 = manager.m_arrStandardColor[31];
    EXPECT_EQ(RGB(int(GetRValue(c31) * 0.75), int(GetGValue(c31) * 0.75), int(GetBValue(c31) * 0.75)),
              manager.GetColor(34));
    EXPECT_EQ(manager.GetColor(30), manager.GetColor(53));
    EXPECT_EQ(manager.GetColor(40), manager.GetColor(58));
    EXPECT_EQ(manager.GetColor(40), manager.GetColor(60));
    EXPECT_EQ(CZMRColorManager::MixColors(RGB(236, 233, 216), RGB(255, 255, 255), 143), manager.GetColor(41));
    EXPECT_EQ(COLORREF(0), manager.GetColor(59));
    // Entry 30 is kept within reach of the face colour.
    EXPECT_FALSE(CZMRColorManager::IsColorDifferenceAbove(RGB(236, 233, 216), manager.GetColor(30), TRUE, 36));
    for (UINT i = 0; i < 62; i++)
        EXPECT_TRUE(IsValidColor(manager.GetColor(i))) << i;

    SetScheme(RGB(236, 233, 216), RGB(40, 30, 20), RGB(255, 255, 255), RGB(49, 106, 197), 0);
    CTestColorManager darkShadow;
    EXPECT_EQ(COLORREF(0), darkShadow.GetColor(49));

    SetScheme(0, RGB(128, 128, 128), 0, RGB(255, 255, 0), RGB(255, 255, 255));
    CTestColorManager blackFace;
    EXPECT_EQ(RGB(127, 127, 127), blackFace.GetColor(49));
    EXPECT_EQ(RGB(35, 35, 35), blackFace.GetColor(48));
}

TEST(ColorManager, HighContrastSkipsTheMixTable)
{
    const COLORREF clrHighlight = RGB(255, 255, 0);
    SetScheme(0, RGB(128, 128, 128), 0, clrHighlight, RGB(255, 255, 255));
    g_sysColors[COLOR_HIGHLIGHTTEXT] = 0;
    CTestColorManager manager;
    EXPECT_EQ(clrHighlight, manager.GetColor(31));
    EXPECT_EQ(clrHighlight, manager.GetColor(36));
    EXPECT_EQ(clrHighlight, manager.GetColor(50));
    EXPECT_EQ(COLORREF(0), manager.GetColor(41)) << "the classic window colour, not a mix";
}

TEST(ColorManager, OverrideOfTheFaceFeedsTheNextRefresh)
{
    SetScheme(RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(10, 36, 106), 0);
    CTestColorManager manager;
    EXPECT_EQ(RGB(227, 223, 215), manager.GetColor(22));
    manager.SetColor(COLOR_BTNFACE, RGB(236, 233, 216));
    manager.RefreshColors();
    EXPECT_EQ(RGB(251, 248, 231), manager.GetColor(22));
    EXPECT_EQ(RGB(255, 251, 233), manager.GetColor(48));
    EXPECT_EQ(RGB(236, 233, 216), manager.m_arrGradients[2].clrLight.GetColor());
}

TEST(ColorManager, GradientsFollowTheChosenThemeUnlessIgnored)
{
    SetScheme(RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(10, 36, 106), 0);
    CTestColorManager manager;
    manager.m_nDetectedTheme = CZMRColorManager::systemThemeBlue;
    manager.m_nChosenTheme = CZMRColorManager::systemThemeOlive;
    manager.RefreshGradients();
    EXPECT_EQ(CZMRColorManager::systemThemeOlive, manager.GetEffectiveSystemTheme());
    EXPECT_EQ(RGB(175, 192, 130), manager.m_arrGradients[0].clrLight.GetColor());
    EXPECT_EQ(RGB(99, 122, 68), manager.m_arrGradients[0].clrDark.GetColor());
    EXPECT_FLOAT_EQ(0.3f, manager.m_arrGradients[3].fGradientFactor);
    EXPECT_EQ(RGB(96, 128, 88), manager.GetColor(54));

    manager.m_nChosenTheme = CZMRColorManager::systemThemeAuto;
    manager.RefreshGradients();
    EXPECT_EQ(RGB(89, 135, 214), manager.m_arrGradients[0].clrLight.GetColor());

    manager.m_bIgnoreSystemTheme = TRUE;
    manager.RefreshGradients();
    EXPECT_EQ(RGB(128, 128, 128), manager.m_arrGradients[0].clrLight.GetColor());
    EXPECT_EQ(CZMRColorManager::MixColors(RGB(212, 208, 200), RGB(255, 255, 255), 215),
              manager.m_arrGradients[1].clrDark.GetColor());

    // Gradients 7 to 9 are set once and survive refreshes.
    EXPECT_EQ(RGB(255, 213, 140), manager.m_arrGradients[7].clrLight.GetColor());
    EXPECT_EQ(RGB(255, 212, 151), manager.m_arrGradients[9].clrDark.GetColor());
}

// Theme detection against a stand-in visual-style library -----------------

namespace
{
BOOL g_bActive;
const wchar_t* g_lpszFile;
const wchar_t* g_lpszColor;

BOOL WINAPI FakeIsThemeActive() { return g_bActive; }
BOOL WINAPI FakeIsAppThemed() { return TRUE; }
HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(1); }
HRESULT WINAPI FakeCloseThemeData(HTHEME) { return S_OK; }
HRESULT WINAPI FakeGetThemeColor(HTHEME, int, int, int nProp, COLORREF* pColor)
{
    *pColor = nProp == 3801 ? RGB(1, 2, 3) : 0;
    return S_OK;
}
HRESULT WINAPI FakeGetCurrentThemeName(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor, LPWSTR, int)
{
    if (!g_lpszFile)
        return E_FAIL;
    lstrcpynW(pszFile, g_lpszFile, cchFile);
    lstrcpynW(pszColor, g_lpszColor, cchColor);
    return S_OK;
}

class ThemeDetectionTest : public ::testing::Test
{
protected:
    void SetUp() override { g_bActive = TRUE; }

    CStandInVisualStyles m_styles{
        {"IsThemeActive", reinterpret_cast<void*>(FakeIsThemeActive)},
        {"IsAppThemed", reinterpret_cast<void*>(FakeIsAppThemed)},
        {"OpenThemeData", reinterpret_cast<void*>(FakeOpenThemeData)},
        {"CloseThemeData", reinterpret_cast<void*>(FakeCloseThemeData)},
        {"GetThemeColor", reinterpret_cast<void*>(FakeGetThemeColor)},
        {"GetCurrentThemeName", reinterpret_cast<void*>(FakeGetCurrentThemeName)},
    };
};
}

TEST_F(ThemeDetectionTest, ThemeFileAndColourNamesGiveTheThemeNumber)
{
    struct Case
    {
        BOOL bActive;
        const wchar_t* lpszFile;
        const wchar_t* lpszColor;
        BOOL bDetectRoyale, bDetectAero;
        int nTheme;
    } cases[] = {
        {TRUE, L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", TRUE, TRUE, 1},
        {TRUE, L"C:\\Themes\\LUNA.MSSTYLES", L"HomeStead", TRUE, TRUE, 2},
        {TRUE, L"x\\winxp.luna.vnstyles", L"metallic", TRUE, TRUE, 3},
        {TRUE, L"x\\luna.msstyles", L"plum", TRUE, TRUE, 0},
        {TRUE, L"x\\Royale.msstyles", L"NormalColor", TRUE, TRUE, 4},
        {TRUE, L"x\\Royale.msstyles", L"NormalColor", FALSE, TRUE, 0},
        {TRUE, L"x\\Aero.msstyles", L"NormalColor", TRUE, TRUE, 5},
        {TRUE, L"x\\Aero.msstyles", L"NormalColor", TRUE, FALSE, 0},
        {TRUE, L"x\\Classic.msstyles", L"NormalColor", TRUE, TRUE, 0},
        {TRUE, nullptr, nullptr, TRUE, TRUE, 0},   // the name cannot be read
        {FALSE, L"x\\Luna.msstyles", L"NormalColor", TRUE, TRUE, 0},
    };
    SetScheme(RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(10, 36, 106), 0);
    CTestColorManager manager;
    for (const Case& c : cases)
    {
        g_bActive = c.bActive;
        g_lpszFile = c.lpszFile;
        g_lpszColor = c.lpszColor;
        manager.m_bDetectRoyale = c.bDetectRoyale;
        manager.m_bDetectAero = c.bDetectAero;
        EXPECT_EQ(c.nTheme, manager.DetectSystemTheme()) << (c.lpszFile ? c.lpszFile : L"(none)");
    }
}

TEST_F(ThemeDetectionTest, RefreshTakesTheDetectedThemeAndTheTreeBorder)
{
    g_lpszFile = L"x\\luna.msstyles";
    g_lpszColor = L"homestead";
    SetScheme(RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(10, 36, 106), 0);
    CTestColorManager manager;
    EXPECT_EQ(CZMRColorManager::systemThemeOlive, manager.GetDetectedSystemTheme());
    EXPECT_EQ(RGB(175, 192, 130), manager.m_arrGradients[0].clrLight.GetColor());
    EXPECT_EQ(RGB(1, 2, 3), manager.GetColor(57));
}

TEST(ColorManager, ProcessInstanceRefreshesInPlace)
{
    CZMRColorManager* pManager = GetColorManager();
    EXPECT_EQ(pManager, GetColorManager());
    pManager->SetColor(45, RGB(9, 9, 9));
    RefreshSystemColors();
    EXPECT_EQ(RGB(9, 9, 9), pManager->GetColor(45)) << "overrides survive a refresh";
    pManager->SetColor(45, COLORREF(-1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pManager->GetColor(COLOR_BTNFACE));
}

// Stored form of the paint-manager colours ---------------------------------

TEST(PaintManagerColor, GradientIsStoredAsTwoColourPairsAndAFloat)
{
    CZMRPaintManagerColorGradient grc;
    grc.SetStandardPair(RGB(1, 2, 3), RGB(4, 5, 6), 0.75f);
    grc.clrDark.SetCustomValue(RGB(7, 8, 9));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        grc.Serialize(ar);
        ar.Close();
    }
    // Standard then custom value of each colour, little-endian, unset as
    // all bits; then the factor as a 32-bit float.
    const BYTE expected[] = {1, 2, 3, 0, 0xFF, 0xFF, 0xFF, 0xFF, 4, 5, 6, 0, 7, 8, 9, 0, 0x00, 0x00, 0x40, 0x3F};
    ASSERT_EQ(sizeof(expected), size_t(file.GetLength()));
    BYTE stored[sizeof(expected)] = {};
    file.SeekToBegin();
    file.Read(stored, sizeof(stored));
    EXPECT_EQ(0, memcmp(expected, stored, sizeof(expected)));

    file.SeekToBegin();
    CZMRPaintManagerColorGradient loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(RGB(1, 2, 3), loaded.clrLight.GetColor());
    EXPECT_FALSE(loaded.clrLight.IsCustomValue());
    EXPECT_EQ(RGB(4, 5, 6), loaded.clrDark.GetStandardColor());
    EXPECT_EQ(RGB(7, 8, 9), loaded.clrDark.GetColor());
    EXPECT_FLOAT_EQ(0.75f, loaded.fGradientFactor);
}
