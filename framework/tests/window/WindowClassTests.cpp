// Window helpers: the window a window belongs to, and class registration
// that accepts a class already registered.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>

TEST(WindowHelpers, ParentOwnerIsTheParentOfAChildElseTheOwner)
{
    HWND hHost = CreateHostWindow();
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD, 0, 0, 10, 10, hHost, nullptr, hInst, nullptr);
    HWND hPopup = ::CreateWindowExW(0, L"STATIC", L"popup", WS_POPUP, 0, 0, 10, 10, hHost, nullptr, hInst, nullptr);
    // An owned overlapped window: GetParent reports no parent for it, yet it
    // belongs to its owner.
    HWND hOwned = ::CreateWindowExW(0, L"STATIC", L"owned", WS_OVERLAPPED, 0, 0, 10, 10, hHost, nullptr, hInst,
                                    nullptr);
    ASSERT_TRUE(hChild && hPopup && hOwned);

    struct Case
    {
        const char* name;
        HWND hWnd;
        HWND hExpected;
    };
    const Case cases[] = {
        { "child", hChild, hHost },
        { "popup", hPopup, hHost },
        { "owned overlapped", hOwned, hHost },
        { "unowned top-level", hHost, nullptr },
        { "null", nullptr, nullptr },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hExpected, AfxGetParentOwner(c.hWnd)) << c.name;

    ::DestroyWindow(hHost);
}

TEST(WindowHelpers, RegisterClassKeepsTheClassRegisteredFirst)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = L"FrameworkTests.Registered";
    EXPECT_TRUE(AfxRegisterClass(&wc));

    // Registering the name again succeeds and leaves the first class alone.
    wc.style = CS_HREDRAW;
    EXPECT_TRUE(AfxRegisterClass(&wc));
    WNDCLASSW wcFound = {};
    ASSERT_TRUE(::GetClassInfoW(wc.hInstance, wc.lpszClassName, &wcFound));
    EXPECT_EQ(UINT(CS_DBLCLKS), wcFound.style);

    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance,
                                  nullptr);
    EXPECT_NE(nullptr, hWnd);
    ::DestroyWindow(hWnd);

    // A class the system cannot register is reported, not taken as done.
    WNDCLASSW wcBad = {};
    wcBad.lpfnWndProc = ::DefWindowProcW;
    wcBad.hInstance = wc.hInstance;
    wcBad.cbWndExtra = -1;
    wcBad.lpszClassName = L"FrameworkTests.NegativeExtra";
    EXPECT_FALSE(AfxRegisterClass(&wcBad));
    EXPECT_FALSE(AfxRegisterClass(nullptr));
}
