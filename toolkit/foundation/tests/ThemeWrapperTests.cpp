#include "CZMRDwmApiBinding.h"
#include "CZMRWinThemeWrapper.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace
{
// A stand-in visual-style library: two fake module handles whose functions
// record what they were asked. Wine runs with no visual style active, so the
// themed paths are exercised through this.
HMODULE const kFakeModuleA = reinterpret_cast<HMODULE>(0x1000);
HMODULE const kFakeModuleB = reinterpret_cast<HMODULE>(0x2000);

HMODULE g_hLoadedModule = nullptr;
std::map<std::string, int> g_lookups;
int g_nCloseCalls = 0;
int g_nOpenCalls = 0;
HMODULE g_hCalledModule = nullptr;   // which module's OpenThemeData ran
BOOL g_bThemeActive = TRUE;

HTHEME WINAPI FakeOpenThemeDataA(HWND, LPCWSTR)
{
    g_nOpenCalls++;
    g_hCalledModule = kFakeModuleA;
    return reinterpret_cast<HTHEME>(g_nOpenCalls);
}
HTHEME WINAPI FakeOpenThemeDataB(HWND, LPCWSTR)
{
    g_nOpenCalls++;
    g_hCalledModule = kFakeModuleB;
    return reinterpret_cast<HTHEME>(g_nOpenCalls);
}
HRESULT WINAPI FakeCloseThemeData(HTHEME)
{
    g_nCloseCalls++;
    return S_OK;
}
BOOL WINAPI FakeIsThemeActive() { return g_bThemeActive; }
BOOL WINAPI FakeIsAppThemed() { return TRUE; }
HRESULT WINAPI FakeDrawThemeBackground(HTHEME, HDC, int, int, LPCRECT, LPCRECT) { throw 1; }

FARPROC WINAPI FakeGetProcAddress(HMODULE hModule, LPCSTR lpszName)
{
    g_lookups[lpszName]++;
    std::string name(lpszName);
    if (name == "OpenThemeData")
        return reinterpret_cast<FARPROC>(hModule == kFakeModuleA ? FakeOpenThemeDataA : FakeOpenThemeDataB);
    if (name == "CloseThemeData")
        return reinterpret_cast<FARPROC>(FakeCloseThemeData);
    if (name == "IsThemeActive")
        return reinterpret_cast<FARPROC>(FakeIsThemeActive);
    if (name == "IsAppThemed")
        return reinterpret_cast<FARPROC>(FakeIsAppThemed);
    if (name == "DrawThemeBackground")
        return reinterpret_cast<FARPROC>(FakeDrawThemeBackground);
    return nullptr;   // an old library without the function
}

HMODULE WINAPI FakeGetModuleHandleA(LPCSTR) { return g_hLoadedModule; }

// Puts the fake library into both shared tables and takes it out again.
class ThemeWrapperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 2; i++)
        {
            m_saved[i] = CZMRWinThemeWrapper::GetFunctionTable(i);
            CZMRThemeFunctionTable& table = CZMRWinThemeWrapper::GetFunctionTable(i);
            table.m_hModule = kFakeModuleA;
            table.ResetEntries();
        }
        g_hLoadedModule = kFakeModuleA;
        CZMRThemeFunctionTable::s_pfnGetProcAddress = FakeGetProcAddress;
        CZMRThemeFunctionTable::s_pfnGetModuleHandleA = FakeGetModuleHandleA;
        g_lookups.clear();
        g_nCloseCalls = g_nOpenCalls = 0;
        g_bThemeActive = TRUE;
    }
    void TearDown() override
    {
        CZMRThemeFunctionTable::s_pfnGetProcAddress = ::GetProcAddress;
        CZMRThemeFunctionTable::s_pfnGetModuleHandleA = ::GetModuleHandleA;
        for (int i = 0; i < 2; i++)
            CZMRWinThemeWrapper::GetFunctionTable(i) = m_saved[i];
    }

    CZMRThemeFunctionTable m_saved[2];
};
}

TEST_F(ThemeWrapperTest, NeverOpenedWrapperCallsNothing)
{
    {
        CZMRWinThemeWrapper wrapper;
        EXPECT_FALSE(wrapper.IsThemeOpen());
        EXPECT_FALSE(wrapper.IsThemeOpenAndActive());
        wrapper.CloseThemeData();
    }
    EXPECT_TRUE(g_lookups.empty());
    EXPECT_EQ(0, g_nCloseCalls);
}

TEST_F(ThemeWrapperTest, OpeningAgainClosesTheFirstThemeAndDestructionTheLast)
{
    {
        CZMRWinThemeWrapper wrapper;
        wrapper.OpenThemeData(nullptr, L"BUTTON");
        EXPECT_EQ(reinterpret_cast<HTHEME>(1), wrapper.GetThemeHandle());
        EXPECT_TRUE(wrapper.IsThemeOpenAndActive());
        wrapper.OpenThemeData(nullptr, L"HEADER");
        EXPECT_EQ(1, g_nCloseCalls);
        EXPECT_EQ(reinterpret_cast<HTHEME>(2), wrapper.GetThemeHandle());
    }
    EXPECT_EQ(2, g_nCloseCalls);
    EXPECT_EQ(1, g_lookups["OpenThemeData"]) << "entries are bound once and cached";
}

TEST_F(ThemeWrapperTest, MissingFunctionsAndThrowingCallsAnswerTheFailureValue)
{
    CZMRWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"BUTTON");
    RECT rc = {0, 0, 4, 4};
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(nullptr, 1, 1, &rc, nullptr)) << "a throwing call is absorbed";
    COLORREF clr = 123;
    EXPECT_EQ(E_FAIL, wrapper.GetThemeColor(0, 0, 3801, &clr));
    EXPECT_EQ(COLORREF(123), clr);
    EXPECT_FALSE(wrapper.GetThemeSysBool(1001));
    EXPECT_EQ(nullptr, wrapper.BeginBufferedPaint(nullptr, &rc, BPBF_TOPDOWNDIB, nullptr, nullptr));
    // A name the library does not export is looked up again on every call.
    wrapper.GetThemeSysBool(1001);
    EXPECT_EQ(2, g_lookups["GetThemeSysBool"]);
}

TEST_F(ThemeWrapperTest, WithoutTheLibraryEveryOperationFails)
{
    CZMRWinThemeWrapper::GetFunctionTable(FALSE).m_hModule = nullptr;
    CZMRWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"BUTTON");
    EXPECT_FALSE(wrapper.IsThemeOpen());
    RECT rc = {0, 0, 4, 4};
    EXPECT_EQ(HRESULT(0x80004005), wrapper.DrawThemeBackground(nullptr, 1, 1, &rc, nullptr));
    EXPECT_FALSE(wrapper.GetThemeSysBool(1001));
    EXPECT_EQ(nullptr, wrapper.BeginBufferedPaint(nullptr, &rc, BPBF_TOPDOWNDIB, nullptr, nullptr));
    EXPECT_FALSE(wrapper.IsThemeActive());
    EXPECT_TRUE(g_lookups.empty());
}

TEST_F(ThemeWrapperTest, RecheckWrapperRebindsWhenTheLoadedLibraryChanges)
{
    CZMRWinThemeWrapper recheck(TRUE), plain(FALSE);
    recheck.OpenThemeData(nullptr, L"WINDOW");
    plain.OpenThemeData(nullptr, L"WINDOW");
    EXPECT_EQ(kFakeModuleA, g_hCalledModule);

    g_hLoadedModule = kFakeModuleB;   // the system's visual style changed
    recheck.OpenThemeData(nullptr, L"WINDOW");
    EXPECT_EQ(kFakeModuleB, g_hCalledModule);
    EXPECT_EQ(kFakeModuleB, CZMRWinThemeWrapper::GetFunctionTable(TRUE).m_hModule);

    plain.OpenThemeData(nullptr, L"WINDOW");
    EXPECT_EQ(kFakeModuleA, g_hCalledModule) << "a wrapper without the flag keeps its entries";

    g_hLoadedModule = nullptr;   // the library went away
    recheck.OpenThemeData(nullptr, L"WINDOW");
    EXPECT_FALSE(recheck.IsThemeOpen());
}

TEST_F(ThemeWrapperTest, ComCtl6IsNeededForThemedCommonControls)
{
    CZMRThemeFunctionTable& table = CZMRWinThemeWrapper::GetFunctionTable(FALSE);
    CZMRWinThemeWrapper wrapper;
    table.m_dwComCtlVersion = MAKELONG(82, 5);
    EXPECT_TRUE(wrapper.IsThemeActive());
    EXPECT_FALSE(wrapper.IsThemeActiveWithComCtl6());
    table.m_dwComCtlVersion = MAKELONG(0, 6);
    EXPECT_TRUE(wrapper.IsThemeActiveWithComCtl6());
    g_bThemeActive = FALSE;
    EXPECT_FALSE(wrapper.IsThemeActiveWithComCtl6());
}

TEST(DwmApiBinding, MissingLibraryFailsAndLeavesTheResultAlone)
{
    CZMRDwmApiBinding binding(L"no-such-dwm.dll");
    LRESULT lResult = 77;
    EXPECT_EQ(E_FAIL, binding.DefWindowProc(nullptr, WM_NCHITTEST, 0, 0, &lResult));
    EXPECT_EQ(77, lResult);
    EXPECT_EQ(E_FAIL, binding.ExtendFrameIntoClientArea(nullptr, 0, 20, 0, 0));
    EXPECT_FALSE(binding.IsCompositionEnabled());
    EXPECT_EQ(GetDwmApiBinding(), GetDwmApiBinding());
}

TEST(DwmApiBinding, MarginsGivenByMeaningLandInThePlatformsRecord)
{
    // Called as (left, top, right, bottom); the record keeps both widths first.
    const MARGINS margins = CZMRDwmApiBinding::MakeMargins(1, 2, 3, 4);
    EXPECT_EQ(1, margins.cxLeftWidth);
    EXPECT_EQ(2, margins.cyTopHeight);
    EXPECT_EQ(3, margins.cxRightWidth);
    EXPECT_EQ(4, margins.cyBottomHeight);
}
