// The tab client's tabs shown by a control on a tool bar: the control's
// strip stands in for the client's groups, sizes itself along its bar, turns
// with the bar's position, activates children, and hands the tabs back to
// the client when it leaves the bar.
#include "TabClientTestSupport.h"
#include "CZMRControlTabWorkspace.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRToolBar.h"
#include "CZMRTabPaintManagerAppearanceSet.h"

namespace
{
class TabWorkspaceControlTest : public ::testing::Test, public CTabClientFixture
{
protected:
    TabWorkspaceControlTest()
    {
        m_manager.SetSite(m_pHost);
        m_pBar = new CZMRToolBar;
        m_pBar->SetBarManager(&m_manager);
        m_pControl = static_cast<CZMRControlTabWorkspace*>(
            m_pBar->GetControls()->AddControl(new CZMRControlTabWorkspace));
        m_pBar->SetDockState(m_pHost, FALSE);
        m_pHost->RecalcLayout();
        m_pOne = AddChild(L"One");
        m_pTwo = AddChild(L"Two");
    }
    ~TabWorkspaceControlTest() override
    {
        if (m_pHost)
            m_pBar->DestroyWindow();
        m_pBar->InternalRelease();
    }
    // Lays the bar out as its frame would.
    void LayOut()
    {
        m_pBar->OnRecalcLayout();
        m_pHost->RecalcLayout();
        CTabClientHost::Pump();
    }

    CZMRBarManager m_manager;
    CZMRToolBar* m_pBar;
    CZMRControlTabWorkspace* m_pControl;
    CMDIChildWnd* m_pOne;
    CMDIChildWnd* m_pTwo;
};
}

TEST_F(TabWorkspaceControlTest, TheControlShowsTheClientsTabsAndTheChildrenTakeTheWholeClient)
{
    EXPECT_EQ(DWORD(0x12), m_pControl->GetFlags() & 0x12);
    Client().SetHostedWorkspace(m_pControl->GetWorkspace());
    LayOut();
    ASSERT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(m_pControl->GetWorkspace(), Group(0));
    EXPECT_EQ(TabList({ L"One", L"[Two]" }), Tabs(0));

    // Along the bar its default length, across it the strip's header.
    CClientDC dc(m_pBar);
    const int nHeader = Client().GetPaintManager()->GetAppearanceSet()->GetHeaderExtent(Group(0));
    EXPECT_EQ(CSize(220, nHeader), m_pControl->GetSize(&dc));
    EXPECT_EQ(m_pControl->GetRect(), Group(0)->GetControlRect());
    EXPECT_TRUE(m_pControl->GetRect().PtInRect(Tab(m_pOne)->GetRect().CenterPoint()));

    CRect rcClient;
    ::GetClientRect(Client().GetSafeHwnd(), rcClient);
    EXPECT_EQ(rcClient, ChildRect(m_pOne));

    // A click on a tab in the bar activates its child.
    Client().EnableReorder(FALSE);
    m_pControl->OnClick(FALSE, Tab(m_pOne)->GetRect().CenterPoint());
    EXPECT_EQ(m_pOne->GetSafeHwnd(), Active());
    EXPECT_EQ(TabList({ L"[One]", L"Two" }), Tabs(0));

    // The tooltip of a tab is its child's title; none between tabs.
    TOOLINFO ti = { sizeof(TOOLINFO) };
    EXPECT_EQ(0, m_pControl->OnToolHitTest(Tab(m_pOne)->GetRect().CenterPoint(), &ti));
    EXPECT_EQ(0, m_pControl->OnToolHitTest(CPoint(-5, -5), &ti));
}

TEST_F(TabWorkspaceControlTest, TheStripTurnsWithTheBarsPosition)
{
    Client().SetHostedWorkspace(m_pControl->GetWorkspace());
    const struct
    {
        int nBarPosition;
        int nTabPosition;
        bool bAcross;   // the control stands across a vertical bar
    } cases[] = {
        { zmrBarTop, zmrTabPositionTop, false },       { zmrBarBottom, zmrTabPositionBottom, false },
        { zmrBarLeft, zmrTabPositionLeft, true },      { zmrBarRight, zmrTabPositionRight, true },
        { zmrBarFloating, zmrTabPositionTop, false },  { zmrBarPopup, zmrTabPositionTop, false },
    };
    CClientDC dc(m_pBar);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nBarPosition);
        // The position alone, without docking anywhere.
        m_pBar->CZMRCommandBar::SetPosition(c.nBarPosition);
        EXPECT_EQ(c.nTabPosition, m_pControl->GetWorkspace()->GetPosition());
        const CSize size = m_pControl->GetSize(&dc);
        EXPECT_EQ(220, c.bAcross ? size.cy : size.cx);
    }
    m_pBar->CZMRCommandBar::SetPosition(zmrBarTop);
}

TEST_F(TabWorkspaceControlTest, LeavingTheBarGivesTheTabsBackToTheClient)
{
    Client().SetHostedWorkspace(m_pControl->GetWorkspace());
    LayOut();
    m_pBar->GetControls()->RemoveAt(m_pControl->GetIndex());
    CTabClientHost::Pump();
    EXPECT_EQ(nullptr, Client().GetHostedWorkspace());
    ASSERT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList({ L"One", L"[Two]" }), Tabs(0));
    EXPECT_EQ(Group(0)->GetClientRect(), ChildRect(m_pTwo));
}

TEST_F(TabWorkspaceControlTest, TheControlOutlivesItsClient)
{
    Client().SetHostedWorkspace(m_pControl->GetWorkspace());
    LayOut();
    // The frame goes with its client and the bar's window; the bar object stays.
    m_pHost->DestroyWindow();
    m_pHost = nullptr;
    CTabClientHost::Pump();
    EXPECT_EQ(nullptr, m_pControl->GetWorkspace()->GetClient());
    CClientDC dc(nullptr);
    m_pControl->Draw(&dc);   // a plain button now
    EXPECT_EQ(-1, m_pControl->OnToolHitTest(CPoint(5, 5), nullptr));
}

TEST(TabWorkspaceControlRecord, FoundByNameAndCopiedWithItsLength)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("CZMRControlTabWorkspace");
    ASSERT_NE(nullptr, pClass);
    EXPECT_EQ(0x80000021u, pClass->m_wSchema);
    EXPECT_STREQ("CZMRControlButton", pClass->m_pBaseClass->m_lpszClassName);

    auto* pControl = static_cast<CZMRControlTabWorkspace*>(pClass->CreateObject());
    ASSERT_TRUE(pControl->IsKindOf(RUNTIME_CLASS(CZMRControlTabWorkspace)));
    EXPECT_EQ(220, pControl->GetDefaultLength());
    pControl->SetDefaultLength(300);
    CZMRControl* pClone = pControl->Clone();
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CZMRControlTabWorkspace)));
    EXPECT_EQ(300, static_cast<CZMRControlTabWorkspace*>(pClone)->GetDefaultLength());
    pClone->InternalRelease();
    pControl->InternalRelease();
}
