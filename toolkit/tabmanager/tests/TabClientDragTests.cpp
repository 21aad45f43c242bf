// Tabs of the tab client dragged by real input on the test's own desktop:
// reordered in their strip, dropped into another group or into a new one,
// the drop targets offered on the way, the group menu of a drop on no
// target, and how the drag ends on Escape and WM_QUIT.
#include "TabClientTestSupport.h"
#include "TabLoopPump.h"
#include "../../commandbars/tests/InputScript.h"
#include "CZMRMouseManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include <functional>

namespace
{
class TabClientDragTest : public ::testing::Test, public CTabClientFixture
{
protected:
    TabClientDragTest()
    {
        m_pOne = AddChild(L"One");
        m_pTwo = AddChild(L"Two");
        m_pThree = AddChild(L"Three");
    }

    // Presses the left button on the tab (its window's WM_LBUTTONDOWN starts
    // the drag) and plays the steps inside the drag, one every 10 ms.
    // Returns whether a WM_QUIT came out.
    bool Drag(CZMRTabManagerItem* pTab, std::vector<CStep> steps)
    {
        const HWND hWndClient = Client().GetSafeHwnd();
        CTestInput::MoveTo(hWndClient, pTab->GetRect().CenterPoint());
        CTabClientHost::Pump();
        g_script = CScript();
        g_script.steps = std::move(steps);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
        CTestInput::Button(VK_LBUTTON, true);
        const int nQuit = PumpWhileScripted([&]() { return g_script.nNext < g_script.steps.size() || ::GetCapture() == hWndClient; });
        const bool bQuit = nQuit != -1;
        EXPECT_TRUE(!bQuit || nQuit == 7) << nQuit;
        ::KillTimer(nullptr, nTimer);
        CTestInput::Button(VK_LBUTTON, false);
        CTabClientHost::Pump();
        EXPECT_EQ(g_script.nNext, g_script.steps.size()) << "the drag ended before its script did";
        EXPECT_NE(hWndClient, ::GetCapture());
        EXPECT_FALSE(Client().IsFeedbackShown());
        ::ReleaseCapture();
        return bQuit;
    }
    // Runs the recorder set for the test, inside the drag.
    CStep Record()
    {
        return Check([this]() {
            if (m_onRecord)
                m_onRecord();
        });
    }
    // A move to a point of the tab client.
    CStep MoveTo(CPoint pt)
    {
        Client().ClientToScreen(&pt);
        return ::MoveTo(pt);
    }
    // Where the pointer is over a group, from its right and bottom edges.
    CPoint NearRight(int nGroup, int nInset)
    {
        const CRect rc = Group(nGroup)->GetControlRect();
        return CPoint(rc.right - nInset, rc.CenterPoint().y);
    }
    CPoint NearBottom(int nGroup, int nInset)
    {
        const CRect rc = Group(nGroup)->GetControlRect();
        return CPoint(rc.CenterPoint().x, rc.bottom - nInset);
    }
    // Records the drop action, target group and outline during the drag.
    void RecordTarget()
    {
        m_onRecord = [this]() {
            m_nAction = Client().GetDropAction();
            m_nTarget = Client().FindWorkspaceIndex(Client().GetDropTarget());
            m_rcFeedback = Client().GetFeedbackRect();
            m_bFeedback = Client().IsFeedbackShown();
        };
    }

    CMDIChildWnd* m_pOne;
    CMDIChildWnd* m_pTwo;
    CMDIChildWnd* m_pThree;
    std::function<void()> m_onRecord;
    int m_nAction = -1;
    int m_nTarget = -2;
    CRect m_rcFeedback;
    BOOL m_bFeedback = FALSE;
};
}

TEST_F(TabClientDragTest, DraggingInsideTheStripReorders)
{
    const CPoint ptThree = Tab(m_pThree)->GetRect().CenterPoint();
    Drag(Tab(m_pOne), { MoveTo(ptThree), Do(CStep::release) });
    EXPECT_EQ(TabList({ L"Three", L"Two", L"[One]" }), Tabs(0));
    EXPECT_EQ(m_pOne->GetSafeHwnd(), Active());
    EXPECT_EQ(1, Client().GetWorkspaceCount());
}

TEST_F(TabClientDragTest, DroppingNearTheRightEdgeMakesANewGroupThere)
{
    RecordTarget();
    Drag(Tab(m_pOne), { MoveTo(NearRight(0, 10)), Record(), Do(CStep::release) });
    // On the way: the right half of the only group.
    EXPECT_TRUE(m_bFeedback);
    EXPECT_EQ(CZMRTabClientWnd::dropNewRight, m_nAction);
    EXPECT_EQ(0, m_nTarget);
    EXPECT_EQ(ClientWidth() / 2, m_rcFeedback.left);
    EXPECT_EQ(ClientWidth(), m_rcFeedback.right);

    ASSERT_EQ(2, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList({ L"Two", L"[Three]" }), Tabs(0));
    EXPECT_EQ(TabList({ L"[One]" }), Tabs(1));
    EXPECT_EQ(m_pOne->GetSafeHwnd(), Active());
    EXPECT_EQ(Group(1), Client().GetActiveWorkspace());
    const int nHalf = (ClientWidth() - Client().GetSplitterSize()) / 2;
    EXPECT_NEAR(nHalf, Group(0)->GetControlRect().Width(), 1);
    EXPECT_NEAR(nHalf, Group(1)->GetControlRect().Width(), 1);
    EXPECT_EQ(Group(1)->GetClientRect(), ChildRect(m_pOne));
}

TEST_F(TabClientDragTest, DroppingOnAnotherGroupsHeaderMovesTheTabThereAndDropsTheEmptiedGroup)
{
    Client().MoveItemToGroup(Tab(m_pThree), Group(0), CZMRTabClientWnd::dropNewRight);
    ASSERT_EQ(2, Client().GetWorkspaceCount());
    RecordTarget();
    const CRect rcHeader = Group(0)->GetHeaderRect();
    const CPoint ptHeader(rcHeader.right - 5, rcHeader.CenterPoint().y);
    Drag(Tab(m_pThree), { MoveTo(CPoint(ptHeader.x, ptHeader.y + 60)), MoveTo(ptHeader), Record(),
                          Do(CStep::release) });
    EXPECT_EQ(CZMRTabClientWnd::dropGroup, m_nAction);
    EXPECT_EQ(0, m_nTarget);
    EXPECT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList({ L"One", L"Two", L"[Three]" }), Tabs(0));
    EXPECT_EQ(ClientWidth(), Group(0)->GetControlRect().Width());
}

TEST_F(TabClientDragTest, SideBySideGroupsOfferNoNewGroupBelow)
{
    Client().MoveItemToGroup(Tab(m_pThree), Group(0), CZMRTabClientWnd::dropNewRight);
    RecordTarget();
    // Near the bottom of the first group: only "somewhere in the client".
    Drag(Tab(m_pOne), { MoveTo(NearBottom(0, 10)), Record(), Key(VK_ESCAPE, true), Key(VK_ESCAPE, false) });
    EXPECT_TRUE(m_bFeedback);
    EXPECT_EQ(CZMRTabClientWnd::dropClient, m_nAction);
    EXPECT_EQ(-1, m_nTarget);
    EXPECT_TRUE(m_rcFeedback.IsRectEmpty());
    // Escape drops nothing.
    EXPECT_EQ(2, Client().GetWorkspaceCount());
    EXPECT_EQ(2u, Tabs(0).size());

    // The right edge of the first group is still offered.
    Drag(Tab(m_pOne), { MoveTo(NearRight(0, 10)), Record(), Key(VK_ESCAPE, true), Key(VK_ESCAPE, false) });
    EXPECT_EQ(CZMRTabClientWnd::dropNewRight, m_nAction);
    EXPECT_EQ(0, m_nTarget);
}

TEST_F(TabClientDragTest, OneGroupOffersBothEdgesButNotToItsOnlyTab)
{
    RecordTarget();
    Drag(Tab(m_pTwo), { MoveTo(NearBottom(0, 10)), Record(), Key(VK_ESCAPE, true), Key(VK_ESCAPE, false) });
    EXPECT_EQ(CZMRTabClientWnd::dropNewBelow, m_nAction);
    const CRect rcGroup = Group(0)->GetControlRect();
    EXPECT_EQ(CRect(rcGroup.left, rcGroup.top + rcGroup.Height() / 2, rcGroup.right, rcGroup.bottom), m_rcFeedback);

    // Outside the client: no drop at all.
    Drag(Tab(m_pTwo), { MoveTo(CPoint(-40, -40)), Record(), Key(VK_ESCAPE, true), Key(VK_ESCAPE, false) });
    EXPECT_EQ(CZMRTabClientWnd::dropNone, m_nAction);

    // The only tab of a group may go nowhere but its own strip.
    Client().MoveItemToGroup(Tab(m_pThree), Group(0), CZMRTabClientWnd::dropNewBelow);
    Drag(Tab(m_pThree), { MoveTo(NearBottom(1, 10)), Record(), Key(VK_ESCAPE, true), Key(VK_ESCAPE, false) });
    EXPECT_EQ(CZMRTabClientWnd::dropClient, m_nAction);
    EXPECT_EQ(2, Client().GetWorkspaceCount());
}

TEST_F(TabClientDragTest, WithGroupsOffDraggingOutsideOnlyReorders)
{
    Client().EnableGroups(FALSE);
    RecordTarget();
    const CPoint ptThree = Tab(m_pThree)->GetRect().CenterPoint();
    Drag(Tab(m_pOne), { MoveTo(ptThree), MoveTo(NearRight(0, 10)), Record(), Do(CStep::release) });
    EXPECT_FALSE(m_bFeedback);
    EXPECT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList({ L"Three", L"Two", L"[One]" }), Tabs(0));
}

TEST_F(TabClientDragTest, TheOnlyTabOfTheOnlyGroupIsJustActivated)
{
    m_pTwo->MDIDestroy();
    m_pThree->MDIDestroy();
    CTabClientHost::Pump();
    ASSERT_EQ(TabList({ L"[One]" }), Tabs(0));
    const CPoint ptRight = NearRight(0, 10);
    Drag(Tab(m_pOne), { MoveTo(ptRight), Do(CStep::release) });
    EXPECT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList({ L"[One]" }), Tabs(0));
    EXPECT_EQ(m_pOne->GetSafeHwnd(), Active());
}

TEST_F(TabClientDragTest, WmQuitEndsTheDragWithoutADropAndReachesTheOuterLoop)
{
    RecordTarget();
    const bool bQuit = Drag(Tab(m_pOne), { MoveTo(NearRight(0, 10)), Record(), Do(CStep::quit) });
    EXPECT_TRUE(bQuit);
    EXPECT_EQ(CZMRTabClientWnd::dropNewRight, m_nAction);
    EXPECT_EQ(1, Client().GetWorkspaceCount());
}

TEST_F(TabClientDragTest, ADropOnNoTargetOpensTheGroupMenu)
{
    std::vector<int> menu;
    m_onRecord = [&menu]() {
        CZMRMouseManager* pMouse = CZMRMouseManager::GetThreadMouseManager();
        if (pMouse->GetTrackedCount() == 0)
            return;
        CZMRControls* pControls = pMouse->GetTrackedAt(0)->GetControls();
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            if (pControls->GetAt(i)->IsVisible())
                menu.push_back(pControls->GetAt(i)->GetID());
        }
        pMouse->CloseAllTracked();
    };
    // Two side-by-side groups; the bottom of the first is no target.
    Client().MoveItemToGroup(Tab(m_pThree), Group(0), CZMRTabClientWnd::dropNewRight);
    m_pHost->MDIActivate(m_pOne);
    Drag(Tab(m_pOne), { MoveTo(NearBottom(0, 10)), Do(CStep::release), Record() });
    // The commands that apply to One, then the closing item.
    EXPECT_EQ(std::vector<int>({ ZMR_ID_WORKSPACE_NEW_GROUP_RIGHT, ZMR_ID_WORKSPACE_NEXT_GROUP,
                                 ZMR_ID_WORKSPACE_CANCEL }),
              menu);
    EXPECT_EQ(0, CZMRMouseManager::GetThreadMouseManager()->GetTrackedCount());
    EXPECT_EQ(2, Client().GetWorkspaceCount());
}
