#include "CZMRAccessible.h"
#include "CZMRModuleHandle.h"
#include "CZMRMonitorAreas.h"
#include "CZMROSVersionInfo.h"
#include <gtest/gtest.h>

// Module binding ----------------------------------------------------------

namespace
{
// A module object whose version record says what the test wants, as if the
// module's DllGetVersion had answered it.
class CVersionedModule : public CZMRModuleHandle
{
public:
    CVersionedModule(LPCWSTR lpszName, DWORD dwMajor, DWORD dwMinor) : CZMRModuleHandle(lpszName)
    {
        m_dvi.cbSize = sizeof(m_dvi);
        m_dvi.dwMajorVersion = dwMajor;
        m_dvi.dwMinorVersion = dwMinor;
    }
};
}

TEST(ModuleHandle, MinimumVersionIsComparedMajorFirst)
{
    struct Case
    {
        DWORD dwMajor, dwMinor, dwMinimum;
        bool bBound;
    } cases[] = {
        {5, 82, 0x00060000, false},   // 5.82 is below 6.0
        {6, 0, 0x00060000, true},
        {6, 10, 0x0006000A, true},
        {6, 9, 0x0006000A, false},
        {7, 0, 0x0006000A, true},
    };
    for (const Case& c : cases)
    {
        CVersionedModule module(L"kernel32.dll", c.dwMajor, c.dwMinor);
        FARPROC pfn = reinterpret_cast<FARPROC>(1);
        EXPECT_EQ(c.bBound, !!module.GetProcAddress(&pfn, "GetTickCount", c.dwMinimum))
            << c.dwMajor << "." << c.dwMinor;
        EXPECT_EQ(c.bBound, pfn != nullptr);
    }
}

TEST(ModuleHandle, WithoutModuleNothingIsStored)
{
    CZMRModuleHandle module(L"no-such-module.dll");
    EXPECT_EQ(nullptr, module.GetHandle());
    FARPROC pfn = reinterpret_cast<FARPROC>(1);
    EXPECT_FALSE(module.GetProcAddress(&pfn, "GetTickCount"));
    EXPECT_EQ(reinterpret_cast<FARPROC>(1), pfn);
    EXPECT_EQ(0u, module.GetDllVersion());
}

TEST(ModuleHandle, ModuleWithoutDllGetVersionCountsAsVersionZero)
{
    CZMRModuleHandle module(L"kernel32.dll");
    EXPECT_EQ(0u, module.GetDllVersion());
    FARPROC pfn = nullptr;
    EXPECT_FALSE(module.GetProcAddress(&pfn, "GetTickCount", 0x00040000));
    EXPECT_TRUE(module.GetProcAddress(&pfn, "GetTickCount"));
}

TEST(ModuleHandle, VersionRecordBelongsToTheModuleHeldNow)
{
    CZMRModuleHandle module(L"comctl32.dll");
    ASSERT_NE(0u, module.GetDllVersion());
    // A module without DllGetVersion taken into the same object must not
    // answer with the version of the one it replaced.
    ASSERT_TRUE(module.Load(L"kernel32.dll"));
    EXPECT_EQ(0u, module.GetDllVersion());
    FARPROC pfn = reinterpret_cast<FARPROC>(1);
    EXPECT_FALSE(module.GetProcAddress(&pfn, "GetTickCount", 0x00040000));
    EXPECT_EQ(nullptr, pfn);
}

TEST(ModuleHandle, OnlyAnOwnedModuleIsFreed)
{
    const LPCWSTR lpszName = L"msacm32.dll";
    ASSERT_EQ(nullptr, ::GetModuleHandleW(lpszName)) << "the test needs a module nobody else holds";

    CZMRModuleHandle owner;
    ASSERT_TRUE(owner.Init(lpszName));
    EXPECT_EQ(CZMRModuleHandle::mmLoaded, owner.GetModuleState());

    CZMRModuleHandle attached;
    ASSERT_TRUE(attached.Init(lpszName));
    EXPECT_EQ(CZMRModuleHandle::mmAttached, attached.GetModuleState());
    EXPECT_TRUE(attached.FreeModule());
    EXPECT_EQ(nullptr, attached.GetHandle());
    EXPECT_NE(nullptr, ::GetModuleHandleW(lpszName)) << "an attached module must not be freed";

    EXPECT_TRUE(owner.FreeModule());
    EXPECT_EQ(nullptr, ::GetModuleHandleW(lpszName));
    EXPECT_TRUE(owner.GetModuleName().IsEmpty());
}

// System version ----------------------------------------------------------

TEST(OSVersionInfo, PredicatesFollowPlatformAndVersion)
{
    enum { W95, W98, W9x, NT4, NT4up, W2K, W2Kup, XP, XPup, Count };
    struct Case
    {
        DWORD dwPlatform, dwMajor, dwMinor;
        bool expected[Count];
    } cases[] = {
        {1, 4, 0, {true, false, true, false, false, false, false, false, false}},
        {1, 4, 10, {false, true, true, false, false, false, false, false, false}},
        {1, 4, 90, {false, false, true, false, false, false, false, false, false}},
        {2, 4, 0, {false, false, false, true, true, false, false, false, false}},
        {2, 5, 0, {false, false, false, false, true, true, true, false, false}},
        {2, 5, 1, {false, false, false, false, true, false, true, true, true}},
        {2, 6, 0, {false, false, false, false, true, false, true, false, true}},
        {2, 10, 0, {false, false, false, false, true, false, true, false, true}},
    };
    for (const Case& c : cases)
    {
        CZMROSVersionInfo info;
        info.dwPlatformId = c.dwPlatform;
        info.dwMajorVersion = c.dwMajor;
        info.dwMinorVersion = c.dwMinor;
        const bool actual[Count] = {!!info.IsWindows95(), !!info.IsWindows98(), !!info.IsWin9x(),
                                    !!info.IsWinNT4(), !!info.IsWinNT4OrLater(), !!info.IsWindows2000(),
                                    !!info.IsWin2KOrLater(), !!info.IsWindowsXP(), !!info.IsWindowsXPOrLater()};
        for (int i = 0; i < Count; i++)
            EXPECT_EQ(c.expected[i], actual[i]) << c.dwPlatform << " " << c.dwMajor << "." << c.dwMinor << " #" << i;
        EXPECT_EQ(info.IsWindowsXPOrLater(), info.TestWindowsXPOrLater());
    }

    CZMROSVersionInfo info;
    info.dwMajorVersion = 6;
    info.dwMinorVersion = 1;
    EXPECT_TRUE(info.IsVersionAtLeast(5, 2));
    EXPECT_TRUE(info.IsVersionAtLeast(6, 1));
    EXPECT_FALSE(info.IsVersionAtLeast(6, 2));
    EXPECT_TRUE(info.IsVersion(6, 1));
    EXPECT_FALSE(info.IsVersion(6, 0));
}

TEST(OSVersionInfo, ProcessRecordAndComCtlVersionAreReadOnce)
{
    EXPECT_EQ(GetOSVersionInfo(), GetOSVersionInfo());
    EXPECT_EQ(DWORD(sizeof(OSVERSIONINFOW)), GetOSVersionInfo()->dwOSVersionInfoSize);
    const DWORD dwVersion = CZMROSVersionInfo::GetComCtlVersion();
    EXPECT_GE(HIWORD(dwVersion), 4);
    EXPECT_EQ(dwVersion, CZMROSVersionInfo::GetComCtlVersion());
}

// Monitors ---------------------------------------------------------------

TEST(MonitorAreas, WithoutMonitorFunctionsEverythingIsTheSingleScreen)
{
    CZMRMonitorAreas areas(L"kernel32.dll");   // has none of the monitor functions
    EXPECT_FALSE(areas.IsBound());
    const CRect rcScreen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);

    EXPECT_EQ(rcScreen, areas.GetMonitorBounds(CPoint(10, 10)));
    EXPECT_EQ(rcScreen, areas.GetMonitorBounds(CPoint(-5000, 9000)));
    EXPECT_EQ(rcWork, areas.GetWorkArea(CPoint(10, 10)));
    EXPECT_EQ(rcWork, areas.GetWorkArea(HWND(nullptr)));
    EXPECT_EQ(rcWork, areas.GetWorkArea(static_cast<const CWnd*>(nullptr)));
}

TEST(MonitorAreas, PointOutsideEveryMonitorFallsBackInsteadOfTakingTheNearest)
{
    CZMRMonitorAreas* pAreas = GetMonitorAreas();
    ASSERT_TRUE(pAreas->IsBound());
    const CRect rcScreen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    const CPoint ptFar(-100000, -100000);
    EXPECT_EQ(rcScreen, pAreas->GetMonitorBounds(ptFar));
    CRect rcFar(ptFar, CSize(10, 10));
    EXPECT_EQ(rcScreen, pAreas->GetMonitorBounds(&rcFar));

    HMONITOR hPrimary = ::MonitorFromPoint(CPoint(0, 0), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info = {sizeof(info)};
    ASSERT_TRUE(::GetMonitorInfoW(hPrimary, &info));
    EXPECT_EQ(CRect(info.rcMonitor), pAreas->GetMonitorBounds(CPoint(1, 1)));
    EXPECT_EQ(CRect(info.rcWork), pAreas->GetWorkArea(CPoint(1, 1)));
}

// Accessibility ----------------------------------------------------------

TEST(Accessible, ChildIndexOfEveryVariantForm)
{
    VARIANT empty = {};
    empty.vt = VT_EMPTY;
    VARIANT i2 = {};
    i2.vt = VT_I2;
    i2.iVal = 5;
    VARIANT i4 = {};
    i4.vt = VT_I4;
    i4.lVal = 3;
    LONG lValue = 7;
    VARIANT i4Ref = {};
    i4Ref.vt = VT_I4 | VT_BYREF;
    i4Ref.plVal = &lValue;
    VARIANT i4NullRef = {};
    i4NullRef.vt = VT_I4 | VT_BYREF;
    VARIANT toI4 = {};
    toI4.vt = VT_VARIANT | VT_BYREF;
    toI4.pvarVal = &i4;
    VARIANT toToI4 = {};
    toToI4.vt = VT_VARIANT | VT_BYREF;
    toToI4.pvarVal = &toI4;
    VARIANT toNull = {};
    toNull.vt = VT_VARIANT | VT_BYREF;
    VARIANT bstr = {};
    bstr.vt = VT_BSTR;

    EXPECT_EQ(0, CZMRAccessible::GetChildIndex(&empty));
    EXPECT_EQ(5, CZMRAccessible::GetChildIndex(&i2));
    EXPECT_EQ(3, CZMRAccessible::GetChildIndex(&i4));
    EXPECT_EQ(7, CZMRAccessible::GetChildIndex(&i4Ref));
    EXPECT_EQ(-1, CZMRAccessible::GetChildIndex(&i4NullRef));
    EXPECT_EQ(3, CZMRAccessible::GetChildIndex(&toI4));
    EXPECT_EQ(3, CZMRAccessible::GetChildIndex(&toToI4));
    EXPECT_EQ(-1, CZMRAccessible::GetChildIndex(&toNull));
    EXPECT_EQ(-1, CZMRAccessible::GetChildIndex(&bstr));
    EXPECT_EQ(-1, CZMRAccessible::GetChildIndex(nullptr));
}

TEST(Accessible, SelfReferencingVariantEndsAsInvalid)
{
    VARIANT self = {};
    self.vt = VT_VARIANT | VT_BYREF;
    self.pvarVal = &self;
    EXPECT_EQ(-1, CZMRAccessible::GetChildIndex(&self));

    VARIANT a = {}, b = {};
    a.vt = b.vt = VT_VARIANT | VT_BYREF;
    a.pvarVal = &b;
    b.pvarVal = &a;
    EXPECT_EQ(-1, CZMRAccessible::GetChildIndex(&a));
}

namespace
{
class CAccessibleTarget : public CCmdTarget, public CZMRAccessible
{
public:
    CCmdTarget* GetAccessibleTarget() override { return this; }
    HRESULT GetAccName(VARIANT varChild, BSTR* pszName) override
    {
        nNameChild = CZMRAccessible::GetChildIndex(&varChild);
        *pszName = nullptr;
        return S_OK;
    }
    void OnFinalRelease() override { bReleased = true; }   // kept alive for the test

    long nNameChild = -2;
    bool bReleased = false;
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CAccessibleTarget, CCmdTarget)
    INTERFACE_PART(CAccessibleTarget, IID_IAccessible, Accessible)
    INTERFACE_PART(CAccessibleTarget, IID_IDispatch, Accessible)
END_INTERFACE_MAP()
}

TEST(Accessible, InterfaceSharesTheTargetsReferenceCountAndForwardsQueries)
{
    CAccessibleTarget target;
    IAccessible* pAccessible = target.GetAccessibleInterface();
    const long nStart = target.GetRefCount();

    EXPECT_EQ(ULONG(nStart + 1), pAccessible->AddRef());
    EXPECT_EQ(nStart + 1, target.GetRefCount());

    // Queries are answered by the target's interface map, with the part.
    for (const IID* piid : {&IID_IUnknown, &IID_IDispatch, &IID_IAccessible})
    {
        IUnknown* pUnknown = nullptr;
        ASSERT_EQ(S_OK, pAccessible->QueryInterface(*piid, reinterpret_cast<void**>(&pUnknown)));
        EXPECT_EQ(static_cast<IUnknown*>(pAccessible), pUnknown);
        EXPECT_EQ(nStart + 2, target.GetRefCount());
        pUnknown->Release();
    }
    IUnknown* pOther = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(E_NOINTERFACE, pAccessible->QueryInterface(IID_IStream, reinterpret_cast<void**>(&pOther)));
    EXPECT_EQ(nullptr, pOther);
    pAccessible->Release();
    EXPECT_EQ(nStart, target.GetRefCount());
    EXPECT_FALSE(target.bReleased);

    VARIANT child = {};
    child.vt = VT_I4;
    child.lVal = 4;
    BSTR name = nullptr;
    EXPECT_EQ(S_OK, pAccessible->get_accName(child, &name));
    EXPECT_EQ(4, target.nNameChild);
    EXPECT_EQ(E_NOTIMPL, pAccessible->get_accRole(child, &child));
    EXPECT_EQ(S_FALSE, pAccessible->get_accFocus(&child));
    EXPECT_EQ(S_FALSE, pAccessible->get_accSelection(&child));
    UINT nCount = 0;
    EXPECT_EQ(E_NOTIMPL, pAccessible->GetTypeInfoCount(&nCount));
}

TEST(Accessible, SystemFunctionsAreBoundOnDemand)
{
    CAccessibleTarget target;
    target.NotifyAccessibilityEvent(EVENT_OBJECT_FOCUS, nullptr, OBJID_CLIENT, 0);   // must not fail

    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    IAccessible* pFound = nullptr;
    HRESULT hr = target.AccessibleObjectFromWindow(hWnd, DWORD(OBJID_WINDOW), IID_IDispatch,
                                                   reinterpret_cast<void**>(&pFound));
    if (SUCCEEDED(hr) && pFound)
        pFound->Release();
    EXPECT_NE(nullptr, ::GetModuleHandleW(L"oleacc.dll")) << "loaded when a client first asks";
    ::DestroyWindow(hWnd);
}
