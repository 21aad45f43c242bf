// The tab client of an MDI frame: tabs follow the children, clicks activate
// them, tabs move between groups by the group commands with the sizes the
// groups then take, the group menu's list control, and the close button.
#include "TabClientTestSupport.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRControls.h"
#include "CZMRPopupBar.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "ArtifactPng.h"

namespace
{
class TabClientTest : public ::testing::Test, public CTabClientFixture
{
};

const int PreviousGroup = ZMR_ID_WORKSPACE_PREVIOUS_GROUP;
const int NextGroup = ZMR_ID_WORKSPACE_NEXT_GROUP;
const int NewBelow = ZMR_ID_WORKSPACE_NEW_GROUP_BELOW;
const int NewRight = ZMR_ID_WORKSPACE_NEW_GROUP_RIGHT;
}

TEST_F(TabClientTest, TabsFollowChildrenOpeningClosingActivatingAndRenaming)
{
    EXPECT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList(), Tabs(0));

    CMDIChildWnd* pOne = AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    CMDIChildWnd* pThree = AddChild(L"Three");
    EXPECT_EQ(TabList({ L"One", L"Two", L"[Three]" }), Tabs(0));

    m_pHost->MDIActivate(pOne);
    EXPECT_EQ(TabList({ L"[One]", L"Two", L"Three" }), Tabs(0));

    // A new title shows at the next idle pass of the frame.
    pTwo->SetWindowText(L"Second");
    m_pHost->IdleUpdate();
    EXPECT_EQ(TabList({ L"[One]", L"Second", L"Three" }), Tabs(0));

    pOne->MDIDestroy();
    CTabClientHost::Pump();
    ASSERT_EQ(2u, Tabs(0).size());
    EXPECT_EQ(Client().FindItem(Active()), Group(0)->GetSelectedItem());
    EXPECT_EQ(nullptr, Client().FindItem(nullptr));

    pThree->MDIDestroy();
    pTwo->MDIDestroy();
    CTabClientHost::Pump();
    EXPECT_EQ(TabList(), Tabs(0));
    EXPECT_EQ(1, Client().GetWorkspaceCount());
}

TEST_F(TabClientTest, ClickingATabActivatesItsChildAndRestoresAMinimisedOne)
{
    CMDIChildWnd* pOne = AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    pOne->ShowWindow(SW_MINIMIZE);
    CTabClientHost::Pump();
    ASSERT_TRUE(pOne->IsIconic());

    Group(0)->OnItemClick(Tab(pOne));
    CTabClientHost::Pump();
    EXPECT_EQ(pOne->GetSafeHwnd(), Active());
    EXPECT_FALSE(pOne->IsIconic());
    EXPECT_EQ(TabList({ L"[One]", L"Two" }), Tabs(0));
    const HWND hFocus = ::GetFocus();
    EXPECT_TRUE(hFocus == pOne->GetSafeHwnd() || ::IsChild(pOne->GetSafeHwnd(), hFocus));

    Group(0)->OnItemClick(Tab(pTwo));
    EXPECT_EQ(pTwo->GetSafeHwnd(), Active());
    Group(0)->OnItemClick(nullptr);   // no tab: nothing happens
    EXPECT_EQ(pTwo->GetSafeHwnd(), Active());
}

TEST_F(TabClientTest, ChildrenFillTheirGroupsClientPart)
{
    CMDIChildWnd* pOne = AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    const CRect rcClient = Group(0)->GetClientRect();
    const CRect rcHeader = Group(0)->GetHeaderRect();
    EXPECT_FALSE(rcHeader.IsRectEmpty());
    EXPECT_LE(rcHeader.bottom, rcClient.top);
    EXPECT_EQ(rcClient, ChildRect(pOne));
    EXPECT_EQ(rcClient, ChildRect(pTwo));
}

TEST_F(TabClientTest, GroupCommandsAreEnabledByTheActiveTabsPlace)
{
    struct Case
    {
        const char* name;
        int nChildren;       // all in the first group
        int nMoveRight;      // children moved into a new group to the right
        BOOL bStacked;       // the new groups go below instead
        BOOL bGroupsEnabled;
        BOOL expected[4];    // previous, next, new below, new right
    };
    const Case cases[] = {
        { "no child", 0, 0, FALSE, TRUE, { FALSE, FALSE, FALSE, FALSE } },
        { "one tab", 1, 0, FALSE, TRUE, { FALSE, FALSE, FALSE, FALSE } },
        { "two tabs, one group", 2, 0, FALSE, TRUE, { FALSE, FALSE, TRUE, TRUE } },
        { "groups off", 2, 0, FALSE, FALSE, { FALSE, FALSE, FALSE, FALSE } },
        // The last child is active and was moved into the second group.
        { "side by side, alone in the last", 3, 1, FALSE, TRUE, { TRUE, FALSE, FALSE, FALSE } },
        { "stacked, alone in the last", 3, 1, TRUE, TRUE, { TRUE, FALSE, FALSE, FALSE } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTabClientFixture fixture;
        CZMRTabClientWnd& client = fixture.Client();
        std::vector<CMDIChildWnd*> children;
        for (int i = 0; i < c.nChildren; i++)
            children.push_back(fixture.AddChild(std::to_wstring(i).c_str()));
        for (int i = 0; i < c.nMoveRight; i++)
            client.MoveItemToGroup(fixture.Tab(children.back()), client.GetWorkspace(0),
                                   c.bStacked ? CZMRTabClientWnd::dropNewBelow : CZMRTabClientWnd::dropNewRight);
        client.EnableGroups(c.bGroupsEnabled);
        const int commands[] = { PreviousGroup, NextGroup, NewBelow, NewRight };
        for (int i = 0; i < 4; i++)
        {
            CZMRTabManagerItem* pItem = nullptr;
            EXPECT_EQ(c.expected[i], client.IsGroupCommandEnabled(commands[i], &pItem)) << commands[i];
            if (c.expected[i])
            {
                EXPECT_EQ(client.FindItem(fixture.Active()), pItem);
            }
        }
    }
}

TEST_F(TabClientTest, NewGroupToTheRightTakesHalfTheRoomLessTheSplitter)
{
    CMDIChildWnd* pOne = AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    CMDIChildWnd* pThree = AddChild(L"Three");
    const COLORREF clrThree = Tab(pThree)->GetRawColor();
    m_pHost->MDIActivate(pOne);
    m_pHost->MDIActivate(pThree);
    Client().SetSplitterSize(6);

    ASSERT_TRUE(Client().ExecuteGroupCommand(NewRight));
    CTabClientHost::Pump();
    ASSERT_EQ(2, Client().GetWorkspaceCount());
    EXPECT_FALSE(Client().IsGroupsStacked());
    // The group left behind shows its child nearest the top: One was active last.
    EXPECT_EQ(TabList({ L"[One]", L"Two" }), Tabs(0));
    EXPECT_EQ(TabList({ L"[Three]" }), Tabs(1));
    EXPECT_EQ(clrThree, Tab(pThree)->GetRawColor());
    EXPECT_EQ(Group(1), Client().GetActiveWorkspace());
    EXPECT_TRUE(Group(1)->IsActive());
    EXPECT_FALSE(Group(0)->IsActive());

    const int nHalf = (ClientWidth() - 6) / 2;
    const CRect rcLeft = Group(0)->GetControlRect();
    const CRect rcRight = Group(1)->GetControlRect();
    EXPECT_EQ(0, rcLeft.left);
    EXPECT_NEAR(nHalf, rcLeft.Width(), 1);
    EXPECT_EQ(rcLeft.right + 6, rcRight.left);
    EXPECT_EQ(ClientWidth(), rcRight.right);
    EXPECT_EQ(Group(1)->GetClientRect(), ChildRect(pThree));
    EXPECT_EQ(Group(0)->GetClientRect(), ChildRect(pOne));

    // The sizes taken back from the layout stay what they were.
    Client().UpdateGroupSizes();
    EXPECT_NEAR(nHalf, Group(0)->GetGroupSize(), 1);
    EXPECT_NEAR(nHalf, Group(1)->GetGroupSize(), 1);

    // And One joins Three in the right group by "next group".
    m_pHost->MDIActivate(pOne);
    ASSERT_TRUE(Client().ExecuteGroupCommand(NextGroup));
    EXPECT_EQ(TabList({ L"[Two]" }), Tabs(0));
    EXPECT_EQ(TabList({ L"Three", L"[One]" }), Tabs(1));
    (void)pTwo;
}

TEST_F(TabClientTest, NewGroupBelowStacksTheGroups)
{
    CMDIChildWnd* pOne = AddChild(L"One");
    AddChild(L"Two");
    Client().MoveItemToGroup(Tab(pOne), Group(0), CZMRTabClientWnd::dropNewBelow);
    ASSERT_EQ(2, Client().GetWorkspaceCount());
    EXPECT_TRUE(Client().IsGroupsStacked());
    EXPECT_EQ(TabList({ L"[One]" }), Tabs(1));
    const CRect rcTop = Group(0)->GetControlRect();
    const CRect rcBottom = Group(1)->GetControlRect();
    EXPECT_EQ(rcTop.right, rcBottom.right);
    EXPECT_EQ(rcTop.bottom + Client().GetSplitterSize(), rcBottom.top);
    EXPECT_NEAR(rcTop.Height(), rcBottom.Height(), 1);
}

TEST_F(TabClientTest, MovingTheLastTabOutOfAGroupDropsTheGroup)
{
    CMDIChildWnd* pOne = AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    CMDIChildWnd* pThree = AddChild(L"Three");
    Client().MoveItemToGroup(Tab(pThree), Group(0), CZMRTabClientWnd::dropNewRight);
    Client().MoveItemToGroup(Tab(pTwo), Group(1), CZMRTabClientWnd::dropNewRight);
    ASSERT_EQ(3, Client().GetWorkspaceCount());

    // Three leaves the middle group for the first one.
    Client().MoveItemToGroup(Tab(pThree), Group(0), CZMRTabClientWnd::dropGroup);
    ASSERT_EQ(2, Client().GetWorkspaceCount());
    EXPECT_EQ(TabList({ L"One", L"[Three]" }), Tabs(0));
    EXPECT_EQ(TabList({ L"[Two]" }), Tabs(1));
    // The remaining groups share the whole width.
    EXPECT_EQ(0, Group(0)->GetControlRect().left);
    EXPECT_EQ(ClientWidth(), Group(1)->GetControlRect().right);
    EXPECT_EQ(Group(0)->GetControlRect().right + Client().GetSplitterSize(), Group(1)->GetControlRect().left);

    // A group closing its last child goes too.
    pTwo->MDIDestroy();
    CTabClientHost::Pump();
    EXPECT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_EQ(ClientWidth(), Group(0)->GetControlRect().Width());

    // A move without a target, or within the own group, changes nothing.
    Client().MoveItemToGroup(Tab(pOne), nullptr, CZMRTabClientWnd::dropGroup);
    Client().MoveItemToGroup(Tab(pOne), Group(0), CZMRTabClientWnd::dropGroup);
    EXPECT_EQ(2u, Tabs(0).size());
    EXPECT_EQ(1, Client().GetWorkspaceCount());
}

TEST_F(TabClientTest, CloseButtonClosesTheSelectedTabAndNothingWithoutOne)
{
    CZMRTabManagerNavigateButton* pClose = Group(0)->GetNavigateButton(zmrTabNavigateButtonClose);
    ASSERT_NE(nullptr, pClose);
    // No tab at all: nothing to close, nothing breaks.
    Group(0)->OnNavigateButtonClickEx(pClose);
    CTabClientHost::Pump();
    EXPECT_TRUE(m_pHost->IsWindowVisible());

    AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    ASSERT_EQ(TabList({ L"One", L"[Two]" }), Tabs(0));
    Group(0)->OnNavigateButtonClickEx(pClose);
    CTabClientHost::Pump();
    EXPECT_EQ(TabList({ L"[One]" }), Tabs(0));
    EXPECT_EQ(1, m_pHost->GetChildCount());
    (void)pTwo;

    // A scroll button is no close button.
    Group(0)->OnNavigateButtonClickEx(Group(0)->GetNavigateButton(zmrTabNavigateButtonLeft));
    CTabClientHost::Pump();
    EXPECT_EQ(1, m_pHost->GetChildCount());
}

TEST_F(TabClientTest, WorkspaceActionsListTheGroupCommandsThatApply)
{
    CMDIChildWnd* pOne = AddChild(L"One");
    AddChild(L"Two");

    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    pPopup->SetSiteOverride(m_pHost);
    CZMRControls* pControls = pPopup->GetControls();
    pControls->Add(zmrControlButton, 100);
    CZMRControl* pList = pControls->Add(zmrControlButton, ZMR_ID_WORKSPACE_ACTIONS);
    ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CZMRControlWorkspaceActions)));
    pList->SetBeginGroup(TRUE);
    pControls->Add(zmrControlButton, 101);

    auto ids = [&]() {
        pList->ExpandIntoItems(0);
        std::vector<int> result;
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            CZMRControl* pControl = pControls->GetAt(i);
            if (pControl != pList || pControl->IsVisible())
                result.push_back(pControl->GetID());
        }
        return result;
    };
    // One group of two: the new-group commands, the first opening the group.
    EXPECT_EQ(std::vector<int>({ 100, NewBelow, NewRight, 101 }), ids());
    EXPECT_TRUE(pControls->GetAt(2)->GetBeginGroup());
    EXPECT_TRUE(pControls->GetAt(2)->IsTemporary());
    EXPECT_FALSE(pList->IsVisible());

    // Two groups side by side, One active alone in the right one.
    m_pHost->MDIActivate(pOne);
    Client().ExecuteGroupCommand(NewRight);
    EXPECT_EQ(std::vector<int>({ 100, PreviousGroup, 101 }), ids());

    // Nothing applies: the list control shows itself.
    Client().EnableGroups(FALSE);
    EXPECT_EQ(std::vector<int>({ 100, ZMR_ID_WORKSPACE_ACTIONS, 101 }), ids());
    pPopup->InternalRelease();
}

TEST(TabClientFrameTest, WorkspaceActionsShowThemselvesWithoutATabClient)
{
    CFrameHost* pHost = CFrameHost::Create(CRect(60, 60, 500, 400));
    ASSERT_NE(nullptr, pHost);
    pHost->AddChild(L"One");
    pHost->AddChild(L"Two");
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    pPopup->SetSiteOverride(pHost);
    CZMRControl* pList = pPopup->GetControls()->Add(zmrControlButton, ZMR_ID_WORKSPACE_ACTIONS);
    pList->ExpandIntoItems(0);
    EXPECT_EQ(1, pPopup->GetControls()->GetCount());
    EXPECT_TRUE(pList->IsVisible());
    pPopup->InternalRelease();
    pHost->DestroyWindow();
}

namespace
{
// What the frame's client area shows now, children included.
class CFramePicture
{
public:
    explicit CFramePicture(HWND hWnd)
    {
        CRect rc;
        ::GetClientRect(hWnd, rc);
        m_size = rc.Size();
        HDC hdcWindow = ::GetDC(hWnd);
        m_hdc = ::CreateCompatibleDC(hdcWindow);
        m_hBitmap = ::CreateCompatibleBitmap(hdcWindow, m_size.cx, m_size.cy);
        m_hOld = ::SelectObject(m_hdc, m_hBitmap);
        ::BitBlt(m_hdc, 0, 0, m_size.cx, m_size.cy, hdcWindow, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdcWindow);
    }
    ~CFramePicture()
    {
        ::SelectObject(m_hdc, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hdc);
    }
    COLORREF At(CPoint pt) const { return ::GetPixel(m_hdc, pt.x, pt.y); }
    bool Save(const wchar_t* lpszName) const
    {
        return SaveArtifactPng(lpszName, m_size.cx, m_size.cy, [this](int x, int y) { return At(CPoint(x, y)); });
    }

private:
    CSize m_size;
    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};
}

TEST_F(TabClientTest, PictureOfAFrameWithTwoTabGroups)
{
    // A header colour of its own, so a pixel tells the strip from the rest.
    const COLORREF clrHeader = RGB(0, 128, 128);
    CZMRTabPaintManager::CColorSet* pColors = Client().GetPaintManager()->GetColorSet();
    pColors->m_clrHeaderFace.clrLight.SetCustomValue(clrHeader);
    pColors->m_clrHeaderFace.clrDark.SetCustomValue(clrHeader);
    Client().SetSplitterSize(8);

    CMDIChildWnd* pOne = AddChild(L"Inverter log");
    AddChild(L"Master image");
    CMDIChildWnd* pThree = AddChild(L"Slave image");
    Client().MoveItemToGroup(Tab(pThree), Group(0), CZMRTabClientWnd::dropNewRight);
    m_pHost->MDIActivate(pOne);
    ASSERT_EQ(TabList({ L"[Inverter log]", L"Master image" }), Tabs(0));
    m_pHost->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    CTabClientHost::Pump();

    // Points in the client's coordinates, read in the frame's.
    CPoint ptOrigin(0, 0);
    ::MapWindowPoints(Client().GetSafeHwnd(), m_pHost->GetSafeHwnd(), &ptOrigin, 1);
    CFramePicture picture(m_pHost->GetSafeHwnd());
    EXPECT_TRUE(picture.Save(L"tabclient_two_groups.png"));

    const COLORREF clrView = ::GetSysColor(COLOR_WINDOW);
    for (int i = 0; i < 2; i++)
    {
        SCOPED_TRACE(i);
        const CRect rcHeader = Group(i)->GetHeaderRect();
        ASSERT_FALSE(rcHeader.IsRectEmpty());
        // The strip beyond the last tab, and the view of the group's child.
        const CRect rcLast = Group(i)->GetItem(Group(i)->GetItemCount() - 1)->GetRect();
        EXPECT_EQ(clrHeader, picture.At(ptOrigin + CPoint(rcLast.right + 6, rcHeader.top + 2)));
        EXPECT_EQ(clrView, picture.At(ptOrigin + Group(i)->GetClientRect().CenterPoint()));
    }
    // The splitter between the groups, from the top of the strips down.
    const int xSplitter = Group(0)->GetControlRect().right + 4;
    EXPECT_EQ(Group(1)->GetControlRect().left, Group(0)->GetControlRect().right + 8);
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), picture.At(ptOrigin + CPoint(xSplitter, 2)));
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), picture.At(ptOrigin + CPoint(xSplitter, Group(0)->GetClientRect().CenterPoint().y)));
}

TEST_F(TabClientTest, TabTipsAreTheChildrensTitles)
{
    AddChild(L"One");
    CMDIChildWnd* pTwo = AddChild(L"Two");
    Client().GetPaintManager()->m_nTooltipMode = 1;   // always
    const CRect rcTwo = Tab(pTwo)->GetRect();
    TOOLINFO ti = { sizeof(TOOLINFO) };
    ASSERT_EQ(1, Client().OnToolHitTest(rcTwo.CenterPoint(), &ti));
    EXPECT_EQ(Client().GetSafeHwnd(), ti.hwnd);
    EXPECT_EQ(rcTwo, CRect(ti.rect));
    ASSERT_NE(nullptr, ti.lpszText);
    EXPECT_STREQ(L"Two", ti.lpszText);
    free(ti.lpszText);
    // Over a child's view there is no tab.
    EXPECT_EQ(-1, Client().OnToolHitTest(Group(0)->GetClientRect().CenterPoint(), &ti));
}
