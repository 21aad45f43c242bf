// The tool bar's window: its strip in a frame's layout pass, the sizing frame
// of a floating bar, activation and following the frame's float status.
#include "ToolBarTestSupport.h"
#include "CFrameHost.h"
#include "CZMRControls.h"
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

TEST_F(ToolBarInFrame, CloseIsIgnored)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    m_pBar->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(m_pBar->GetSafeHwnd()));
}
} // namespace
