// The tool bar's window: its strip in a frame's layout pass, the sizing frame
// of a floating bar, activation and following the frame's float status.
#include "ToolBarTestSupport.h"
#include "CFrameHost.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRDefaultTheme.h"
#include "ArtifactPng.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>

namespace
{
// A frame host with one tool bar of three 20 x 20 buttons made in it.
class ToolBarInFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CFrameHost::Create();
        ASSERT_NE(m_pHost, nullptr);
        m_pBar = new CPlacedToolBar;
        CGripperTheme* pTheme = new CGripperTheme;
        m_pBar->SetPaintManager(pTheme);
        pTheme->InternalRelease();
        m_pBar->SetBarStyle(m_pBar->GetBarStyle() | zmrBarStyleGripper);
        for (int i = 0; i < 3; i++)
            m_pBar->GetControls()->AddControl(new CFixedControl(CSize(20, 20)), 100 + i);
    }
    void TearDown() override
    {
        if (m_pBar)
            m_pBar->InternalRelease();
        if (m_pHost)
            m_pHost->DestroyWindow();
    }
    CRect BarRectInHost() const
    {
        CRect rc;
        m_pBar->GetWindowRect(rc);
        m_pHost->ScreenToClient(&rc);
        return rc;
    }
    CFrameHost* m_pHost = nullptr;
    CPlacedToolBar* m_pBar = nullptr;
};

TEST_F(ToolBarInFrame, TakesItsStripAtTheTopOfTheFrame)
{
    m_pBar->Place(zmrBarTop);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, FALSE));
    EXPECT_EQ(m_pBar->GetStyle() & (WS_CHILD | WS_POPUP), DWORD(WS_CHILD));
    m_pHost->RecalcLayout();
    // Gripper 5 + borders 2: 7 + 60 + 2 wide, 2 + 20 + 2 high.
    EXPECT_EQ(BarRectInHost(), CRect(0, 0, 69, 24));
    EXPECT_EQ(m_pHost->GetClientRoom().top, 24);

    // Stretched, the bar takes the whole width.
    m_pBar->SetFlags(0x40);
    m_pHost->RecalcLayout();
    CRect rcClient;
    m_pHost->GetClientRect(rcClient);
    EXPECT_EQ(BarRectInHost(), CRect(0, 0, rcClient.Width(), 24));

    // A hidden bar leaves the room to the others.
    m_pBar->SetVisible(FALSE);
    m_pHost->RecalcLayout();
    EXPECT_EQ(m_pHost->GetClientRoom().top, 0);
}

TEST_F(ToolBarInFrame, FloatingSizingFrameIsThreePixelsWide)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    EXPECT_EQ(m_pBar->GetStyle() & (WS_CHILD | WS_POPUP), DWORD(WS_POPUP));
    EXPECT_EQ(::GetWindow(m_pBar->GetSafeHwnd(), GW_OWNER), m_pHost->GetSafeHwnd());
    m_pBar->SetWindowPos(nullptr, 100, 100, 100, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    struct
    {
        int x, y;
        LRESULT nHit;
    } const cases[] = {
        {150, 100, HTTOP},    {150, 102, HTTOP},    {150, 103, HTCLIENT}, {150, 159, HTBOTTOM},
        {150, 157, HTBOTTOM}, {150, 156, HTCLIENT}, {100, 130, HTLEFT},   {102, 130, HTLEFT},
        {103, 130, HTCLIENT}, {199, 130, HTRIGHT},  {197, 130, HTRIGHT},  {196, 130, HTCLIENT},
        {100, 100, HTTOP},    {199, 159, HTBOTTOM},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.nHit) << c.x << "," << c.y;

    // A docked bar has no sizing frame.
    m_pBar->Place(zmrBarTop);
    EXPECT_EQ(m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(100, 130)), HTCLIENT);
}

TEST_F(ToolBarInFrame, FloatingBarNeverTakesActivation)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    const LPARAM lParam = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    EXPECT_EQ(m_pBar->SendMessage(WM_MOUSEACTIVATE, WPARAM(m_pHost->GetSafeHwnd()), lParam), MA_NOACTIVATE);
    m_pBar->Place(zmrBarTop);
    EXPECT_NE(m_pBar->SendMessage(WM_MOUSEACTIVATE, WPARAM(m_pHost->GetSafeHwnd()), lParam), MA_NOACTIVATE);
}

TEST_F(ToolBarInFrame, FloatingBarFollowsItsFramesFloatStatus)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    ASSERT_TRUE(m_pBar->IsWindowVisible());
    EXPECT_EQ(m_pBar->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE), 1);
    EXPECT_EQ(m_pBar->SendMessage(WM_FLOATSTATUS, FS_HIDE), 0);
    EXPECT_FALSE(m_pBar->IsWindowVisible());
    // The visible switch stays on: the frame shows the bar again.
    EXPECT_TRUE(m_pBar->IsVisible());
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_SHOW);
    EXPECT_TRUE(m_pBar->IsWindowVisible());
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_DISABLE);
    EXPECT_FALSE(m_pBar->IsWindowEnabled());
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_ENABLE);
    EXPECT_TRUE(m_pBar->IsWindowEnabled());

    // A docked bar is the frame's child and ignores it.
    m_pBar->Place(zmrBarTop);
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_TRUE(m_pBar->IsWindowVisible());
}

TEST_F(ToolBarInFrame, AClickBringsAFloatingBarToTheTop)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    CPlacedToolBar* pOther = new CPlacedToolBar;
    pOther->Place(zmrBarFloating);
    ASSERT_TRUE(pOther->SetDockState(m_pHost, TRUE));
    auto isAbove = [](HWND hUpper, HWND hLower) {
        for (HWND h = ::GetWindow(hLower, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV))
        {
            if (h == hUpper)
                return true;
        }
        return false;
    };
    ASSERT_TRUE(isAbove(pOther->GetSafeHwnd(), m_pBar->GetSafeHwnd()));
    // Outside every control (they have no rectangles yet).
    m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 90));
    EXPECT_TRUE(isAbove(m_pBar->GetSafeHwnd(), pOther->GetSafeHwnd()));
    EXPECT_EQ(::GetActiveWindow() == m_pBar->GetSafeHwnd(), false) << "without activating it";
    pOther->InternalRelease();
}

TEST_F(ToolBarInFrame, CloseIsIgnored)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    m_pBar->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(m_pBar->GetSafeHwnd()));
}
TEST(ToolBarPicture, DockedInTheDefaultThemeWithItsExpandButton)
{
    CFrameHost* pHost = CFrameHost::Create(CRect(0, 0, 300, 200));
    ASSERT_NE(pHost, nullptr);
    CZMRToolBar* pBar = new CZMRToolBar;
    CClassicColoursTheme* pTheme = new CClassicColoursTheme;
    pBar->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    pBar->SetBarStyle(pBar->GetBarStyle() | zmrBarStyleGripper);
    const wchar_t* captions[] = {L"New", L"Open", L"Save", L"Cut", L"Copy", L"Paste", L"Undo", L"Redo", L"Find",
                                 L"Replace", L"Print", L"Help"};
    for (int i = 0; i < 12; i++)
    {
        CZMRControl* pControl = pBar->GetControls()->Add(zmrControlButton, 200 + i);
        pControl->SetCaption(captions[i]);
        pControl->SetStyle(zmrButtonCaption);
        pControl->SetBeginGroup(i == 3 || i == 6);
    }
    ASSERT_TRUE(pBar->SetDockState(pHost, FALSE));
    pHost->RecalcLayout();
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    CRect rcBar;
    pBar->GetClientRect(rcBar);
    CRect rcHost;
    pHost->GetClientRect(rcHost);
    EXPECT_EQ(rcBar.Width(), rcHost.Width()) << "the controls do not fit: the bar takes the whole width";
    CZMRControl* pExpand = pBar->GetControls()->FindControlById(ZMR_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    EXPECT_TRUE(pExpand->IsVisible());
    EXPECT_EQ(pExpand->GetRect().right, rcBar.right - 2);
    EXPECT_EQ(pBar->GetControl(11)->GetHideFlags(), DWORD(zmrHideWrap));

    CPixelCanvas canvas(rcBar.Width(), rcBar.Height());
    pBar->SendMessage(WM_PRINTCLIENT, WPARAM(canvas.DC()->GetSafeHdc()), PRF_CLIENT);
    // The bar painted its background, and something else over it.
    const COLORREF clrBack = canvas.Pixel(rcBar.Width() / 2, 1);
    EXPECT_NE(clrBack, RGB(1, 1, 1));
    int nOther = 0;
    for (int x = 0; x < rcBar.Width(); x++)
        nOther += canvas.Pixel(x, rcBar.Height() / 2) != clrBack;
    EXPECT_GT(nOther, 20) << "captions and the expand button";
    EXPECT_TRUE(SaveArtifactPng(L"toolbar-default-theme.png", rcBar.Width(), rcBar.Height(),
                                [&](int x, int y) { return canvas.Pixel(x, y); }));

    pBar->InternalRelease();
    pHost->DestroyWindow();
}
} // namespace
