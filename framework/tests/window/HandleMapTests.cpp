// Handle maps: permanent objects against temporary ones, attaching,
// subclassing, and the GDI wrappers built on the same maps.
#include "WindowTestSupport.h"
#include "window/AfxThreadState.h"
#include <gtest/gtest.h>

namespace
{
class CAnswering : public CWnd
{
public:
    LRESULT OnAsk(WPARAM, LPARAM) { return 1234; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAnswering, CWnd)
    ON_MESSAGE(WM_APP + 7, OnAsk)
END_MESSAGE_MAP()
} // namespace

TEST(HandleMap, ForeignWindowsGetTemporaryObjectsThatIdleTimeFrees)
{
    HWND hWnd = CreateHostWindow();
    CWnd::DeleteTempMap();
    auto& windows = AfxGetThreadState()->m_windows;

    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp);   // one temporary object per handle
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(windows.TemporaryCount(), 1u);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    AfxDeleteTempMaps();
    EXPECT_EQ(windows.TemporaryCount(), 0u);
    EXPECT_TRUE(::IsWindow(hWnd));   // freeing the wrapper leaves the window

    // Attached: the program's object is the answer, for this thread only.
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
    CWnd* pOtherThread = &wnd;
    std::thread([&] { pOtherThread = CWnd::FromHandlePermanent(hWnd); }).join();
    EXPECT_EQ(pOtherThread, nullptr);
    CWnd second;
    EXPECT_FALSE(second.Attach(hWnd));   // one object per window
    EXPECT_EQ(wnd.Detach(), hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_TRUE(::IsWindow(hWnd));

    // An object that still holds its window takes it along when destroyed.
    {
        CWnd owner;
        owner.Attach(hWnd);
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(HandleMap, SubclassingRoutesMessagesUntilUnsubclassed)
{
    HWND hHost = CreateHostWindow();
    HWND hCtrl = ::CreateWindowExW(0, L"EDIT", L"text", WS_CHILD, 0, 0, 50, 20, hHost, nullptr, nullptr, nullptr);
    LONG_PTR originalProc = ::GetWindowLongPtrW(hCtrl, GWLP_WNDPROC);

    CAnswering wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hCtrl));
    EXPECT_EQ(::SendMessageW(hCtrl, WM_APP + 7, 0, 0), 1234);
    // What the map does not handle still reaches the control's own procedure.
    EXPECT_EQ(::GetWindowTextLengthW(hCtrl), 4);

    EXPECT_EQ(wnd.UnsubclassWindow(), hCtrl);
    EXPECT_EQ(::GetWindowLongPtrW(hCtrl, GWLP_WNDPROC), originalProc);
    EXPECT_NE(::SendMessageW(hCtrl, WM_APP + 7, 0, 0), 1234);

    // SubclassDlgItem finds the control by id; destroying it detaches the object.
    ::SetWindowLongPtrW(hCtrl, GWLP_ID, 77);
    CWnd parent;
    parent.Attach(hHost);
    ASSERT_TRUE(wnd.SubclassDlgItem(77, &parent));
    EXPECT_FALSE(wnd.SubclassDlgItem(78, &parent));
    ::DestroyWindow(parent.Detach());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(HandleMap, GdiObjectsAndDeviceContexts)
{
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();

    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 20));
    }
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    ASSERT_NE(pOldBitmap, nullptr);
    EXPECT_NE(pOldBitmap, &bitmap);   // the DC's initial bitmap, wrapped on demand

    // SelectObject answers with the previous object: our own one when it is ours.
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* pOldPen = memDC.SelectObject(&red);
    EXPECT_EQ(memDC.SelectObject(pOldPen), &red);

    struct Fill
    {
        int x, y;
        COLORREF expected;
    };
    memDC.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    memDC.Draw3dRect(2, 2, 10, 10, RGB(0, 0, 255), RGB(0, 128, 0));
    memDC.FillSolidRect(CRect(14, 14, 18, 18), RGB(10, 20, 30));
    const Fill checks[] = {
        { 2, 2, RGB(0, 0, 255) },   { 2, 10, RGB(0, 0, 255) },  { 11, 2, RGB(0, 128, 0) },
        { 2, 11, RGB(0, 128, 0) },  { 6, 6, RGB(255, 255, 255) }, { 15, 15, RGB(10, 20, 30) },
        { 18, 18, RGB(255, 255, 255) },
    };
    for (const Fill& f : checks)
        EXPECT_EQ(memDC.GetPixel(f.x, f.y), f.expected) << f.x << "," << f.y;
    // FillSolidRect leaves the background colour as it was.
    memDC.SetBkColor(RGB(1, 2, 3));
    memDC.FillSolidRect(0, 0, 1, 1, RGB(200, 200, 200));
    EXPECT_EQ(memDC.GetBkColor(), RGB(1, 2, 3));
    memDC.SelectObject(pOldBitmap);

    // A temporary wrapper never deletes the handle it wraps.
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pTempPen = CPen::FromHandle(hPen);
    EXPECT_EQ(pTempPen->m_hObject, hPen);
    HDC hScreen = ::GetDC(nullptr);
    CDC* pTempDC = CDC::FromHandle(hScreen);
    EXPECT_EQ(pTempDC->GetSafeHdc(), hScreen);
    AfxDeleteTempMaps();
    EXPECT_EQ(::GetObjectType(hPen), (DWORD)OBJ_PEN);
    EXPECT_NE(::GetDeviceCaps(hScreen, LOGPIXELSX), 0);
    ::ReleaseDC(nullptr, hScreen);
    ::DeleteObject(hPen);

    // An owned object deletes its handle with itself.
    HGDIOBJ hOwned;
    {
        CBrush brush(RGB(1, 1, 1));
        hOwned = brush.m_hObject;
        EXPECT_EQ(CGdiObject::FromHandle(hOwned), &brush);
    }
    EXPECT_EQ(::GetObjectType(hOwned), 0u);
}

TEST(HandleMap, MenusFromHandlesAndTheSystemMenu)
{
    CAnswering wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"menus", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    CMenu* pSysMenu = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(pSysMenu, nullptr);
    int nBefore = pSysMenu->GetMenuItemCount();
    EXPECT_GT(nBefore, 0);
    pSysMenu->AppendMenu(MF_SEPARATOR);
    pSysMenu->AppendMenu(MF_STRING, 0x10, L"&About...");
    EXPECT_EQ(wnd.GetSystemMenu(FALSE)->GetMenuItemCount(), nBefore + 2);
    CString text;
    pSysMenu->GetMenuString(0x10, text, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&About...");
    pSysMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_TRUE(pSysMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsMenu(::GetSystemMenu(wnd.m_hWnd, FALSE)));   // the temporary did not destroy it

    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 5, L"Five");
    popup.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), L"Sub");
    CMenu* pSub = popup.GetSubMenu(0);
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->GetMenuItemID(0), 5u);
    wnd.DestroyWindow();
}
