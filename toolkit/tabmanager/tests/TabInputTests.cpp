// The strip's mouse loops driven by real input on the test's own desktop:
// pressing, reordering, the navigate buttons' repeat and release, and how
// each loop ends (release, Escape, the capture taken away, WM_QUIT).
#include "TabTestSupport.h"
#include "TabLoopPump.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CTestInput.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
struct CStep
{
    enum Kind
    {
        move,
        release,
        escape,
        rightClick,
        steal,
        quit,
        wait,
        record
    } kind;
    CPoint pt;   // client point of the host for moves
};

struct CScript
{
    std::vector<CStep> steps;
    size_t nNext = 0;
    int nTicks = 0;
    HWND hWndHost = nullptr;
    HWND hWndThief = nullptr;
    std::function<void()> onRecord;
};
CScript g_script;

void CALLBACK RunStep(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (++g_script.nTicks > 300)
    {
        // Safety: whatever happened, the loop ends with the capture.
        ::ReleaseCapture();
        return;
    }
    if (g_script.nNext >= g_script.steps.size())
        return;
    const CStep& step = g_script.steps[g_script.nNext++];
    switch (step.kind)
    {
    case CStep::move:
        CTestInput::MoveTo(g_script.hWndHost, step.pt);
        break;
    case CStep::release:
        CTestInput::Button(VK_LBUTTON, false);
        break;
    case CStep::escape:
        CTestInput::Key(VK_ESCAPE, true);
        CTestInput::Key(VK_ESCAPE, false);
        break;
    case CStep::rightClick:
        CTestInput::Button(VK_RBUTTON, true);
        CTestInput::Button(VK_RBUTTON, false);
        break;
    case CStep::steal:
        ::SetCapture(g_script.hWndThief);
        break;
    case CStep::quit:
        ::PostQuitMessage(7);
        break;
    case CStep::wait:
        break;
    case CStep::record:
        if (g_script.onRecord)
            g_script.onRecord();
        break;
    }
}

CStep MoveTo(int x, int y) { return {CStep::move, CPoint(x, y)}; }
CStep Do(CStep::Kind kind) { return {kind, CPoint()}; }
std::vector<CStep> Wait(int nTicks, std::vector<CStep> steps = {})
{
    std::vector<CStep> waits(nTicks, Do(CStep::wait));
    waits.insert(waits.end(), steps.begin(), steps.end());
    return waits;
}

class TabInputTest : public ::testing::Test, public CTabHostFixture
{
protected:
    TabInputTest() : CTabHostFixture(4)
    {
        m_hWndThief = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(m_pHost->GetSafeHwnd());
        CTabHostWnd::Pump();
    }
    ~TabInputTest() override
    {
        ::DestroyWindow(m_hWndThief);
    }

    // Presses the left button at a client point of the host (the host's
    // WM_LBUTTONDOWN starts the loop) and plays the steps, one every 10 ms,
    // inside the loop. Returns whether a WM_QUIT came out of the loop.
    bool Press(CPoint pt, std::vector<CStep> steps)
    {
        CTestInput::MoveTo(m_pHost->GetSafeHwnd(), pt);
        CTabHostWnd::Pump();
        g_script = CScript();
        g_script.steps = std::move(steps);
        g_script.hWndHost = m_pHost->GetSafeHwnd();
        g_script.hWndThief = m_hWndThief;
        g_script.onRecord = m_onRecord;
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
        CTestInput::Button(VK_LBUTTON, true);
        const int nQuit = PumpWhileScripted([&]() { return g_script.nNext < g_script.steps.size() || ::GetCapture() == m_pHost->GetSafeHwnd(); });
        const bool bQuit = nQuit != -1;
        EXPECT_TRUE(!bQuit || nQuit == 7) << nQuit;
        ::KillTimer(nullptr, nTimer);
        CTestInput::Button(VK_LBUTTON, false);
        CTabHostWnd::Pump();
        EXPECT_EQ(g_script.nNext, g_script.steps.size()) << "the loop ended before its script did";
        EXPECT_NE(m_pHost->GetSafeHwnd(), ::GetCapture());
        ::ReleaseCapture();
        return bQuit;
    }
    std::vector<int> Order()
    {
        std::vector<int> order;
        for (int i = 0; i < Strip().GetItemCount(); i++)
            order.push_back((int)Item(i)->GetData());
        return order;
    }
    void NumberItems()
    {
        for (int i = 0; i < Strip().GetItemCount(); i++)
            Item(i)->SetData(i);
    }
    static CPoint Center(CZMRTabManagerItem* pItem) { return pItem->GetRect().CenterPoint(); }

    HWND m_hWndThief;
    std::function<void()> m_onRecord;
};

// ------------------------------------------------------------ the press loop

struct CPressCase
{
    const char* name;
    std::vector<CStep> steps;
    int nExpectedSelection;
};

TEST_F(TabInputTest, PressLoopSelectsOnlyOnReleaseInside)
{
    Strip().EnableItemReorder(FALSE);
    PaintManager()->m_bSelectOnPress = FALSE;
    PaintManager()->m_bHotTracking = TRUE;
    const CPoint ptIn = Center(Item(1));
    const std::vector<CPressCase> cases = {
        {"release inside", {MoveTo(ptIn.x + 3, ptIn.y), Do(CStep::release)}, 1},
        {"release outside", {MoveTo(ptIn.x + 100, ptIn.y), Do(CStep::release)}, -1},
        {"out and back in", {MoveTo(ptIn.x + 100, ptIn.y), MoveTo(ptIn.x, ptIn.y), Do(CStep::release)}, 1},
        {"escape", {Do(CStep::escape), Do(CStep::release)}, -1},
        {"right button", {Do(CStep::rightClick), Do(CStep::release)}, -1},
        {"capture taken away", {Do(CStep::steal), Do(CStep::release)}, -1},
    };
    for (const CPressCase& c : cases)
    {
        Strip().SetSelectedItem(nullptr);
        int nPressedSeen = -2;
        m_onRecord = [&] { nPressedSeen = Strip().GetPressedItem() ? Strip().GetPressedItem()->GetIndex() : -1; };
        std::vector<CStep> steps = {Do(CStep::record)};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        EXPECT_FALSE(Press(ptIn, steps)) << c.name;
        EXPECT_EQ(1, nPressedSeen) << c.name;
        EXPECT_EQ(nullptr, Strip().GetPressedItem()) << c.name;
        EXPECT_EQ(c.nExpectedSelection, Strip().GetCurSel()) << c.name;
    }
}

TEST_F(TabInputTest, SelectOnPressSelectsAtOnceWithoutALoop)
{
    Strip().EnableItemReorder(FALSE);
    EXPECT_FALSE(Press(Center(Item(2)), {Do(CStep::release)}));
    EXPECT_EQ(2, Strip().GetCurSel());
}

TEST_F(TabInputTest, TheHostsVetoStopsAPress)
{
    Strip().EnableItemReorder(FALSE);
    Strip().m_bRefuseClicks = TRUE;
    Press(Center(Item(2)), {Do(CStep::release)});
    EXPECT_EQ(-1, Strip().GetCurSel());
}

// ------------------------------------------------------------ reordering

struct CReorderCase
{
    const char* name;
    int nDragged;
    std::vector<int> targets;   // the slots the pointer passes over, in order
    CStep::Kind end;
    std::vector<int> expected;
};

TEST_F(TabInputTest, ReorderExchangesWithTheSlotsPassedOver)
{
    const std::vector<CReorderCase> cases = {
        {"onto the next slot", 0, {1}, CStep::release, {1, 0, 2, 3}},
        {"across two slots", 0, {1, 2}, CStep::release, {1, 2, 0, 3}},
        {"back to the start", 1, {2, 1}, CStep::release, {0, 1, 2, 3}},
        {"leftward", 3, {1}, CStep::release, {0, 3, 2, 1}},
        {"escape keeps the moves", 0, {2}, CStep::escape, {2, 1, 0, 3}},
        {"capture taken away keeps the moves", 2, {3}, CStep::steal, {0, 1, 3, 2}},
        {"outside every slot", 1, {}, CStep::release, {0, 1, 2, 3}},
    };
    std::vector<CPoint> slots;
    for (int i = 0; i < 4; i++)
        slots.push_back(Center(Item(i)));
    for (const CReorderCase& c : cases)
    {
        Strip().DeleteAllItems();
        for (int i = 0; i < 4; i++)
            Strip().AddItem(-1);
        NumberItems();
        Strip().SetCurSel(3 - c.nDragged);   // some other selection before
        CZMRTabManagerItem* pDragged = Item(c.nDragged);
        std::vector<CStep> steps;
        for (int nSlot : c.targets)
            steps.push_back(MoveTo(slots[nSlot].x + 1, slots[nSlot].y));
        if (c.targets.empty())
            steps.push_back(MoveTo(slots[c.nDragged].x, slots[c.nDragged].y + 100));
        steps.push_back(Do(c.end));
        steps.push_back(Do(CStep::release));
        Press(slots[c.nDragged], steps);
        EXPECT_EQ(c.expected, Order()) << c.name;
        EXPECT_EQ(pDragged, Strip().GetSelectedItem()) << c.name;
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(i, Item(i)->GetIndex()) << c.name;
    }
}

// ------------------------------------------------------------ navigate buttons

TEST_F(TabInputTest, HoldingTheRightArrowScrollsUntilTheLastItemShows)
{
    for (int i = 0; i < 6; i++)
        Strip().AddItem(-1);
    CZMRTabManagerNavigateButton* pRight = Strip().GetNavigateButton(zmrTabNavigateButtonRight);
    ASSERT_TRUE(pRight->IsEnabled());
    int nOffsetSeen = 1;
    m_onRecord = [&] { nOffsetSeen = Strip().GetScrollOffset(); };
    // 700 of items, 363 of room: 337 back, reached in 17 steps of 20.
    Press(pRight->GetRect().CenterPoint(), Wait(60, {Do(CStep::record), Do(CStep::release)}));
    EXPECT_EQ(-337, nOffsetSeen);
    EXPECT_EQ(-337, Strip().GetScrollOffset());
    EXPECT_FALSE(pRight->IsEnabled());
    EXPECT_TRUE(Strip().GetNavigateButton(zmrTabNavigateButtonLeft)->IsEnabled());
    // A release on an arrow is no click of the host's.
    EXPECT_TRUE(Strip().m_log.empty());
}

TEST_F(TabInputTest, AClickShorterThanTheRepeatScrollsNothing)
{
    for (int i = 0; i < 6; i++)
        Strip().AddItem(-1);
    CZMRTabManagerNavigateButton* pRight = Strip().GetNavigateButton(zmrTabNavigateButtonRight);
    // Down and up are both queued before the loop starts.
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), pRight->GetRect().CenterPoint());
    CTabHostWnd::Pump();
    CTestInput::Button(VK_LBUTTON, true);
    CTestInput::Button(VK_LBUTTON, false);
    CTabHostWnd::Pump();
    EXPECT_EQ(0, Strip().GetScrollOffset());
}

struct CCloseCase
{
    const char* name;
    std::vector<CStep> steps;
    bool bClosed;
};

TEST_F(TabInputTest, TabCloseButtonActsOnReleaseInsideOnly)
{
    Strip().SetCloseButtonMode(zmrTabNavigateButtonAlways);
    CZMRTabManagerItem* pItem = Strip().AddItem(1);
    CClientDC dc(m_pHost);
    PaintManager()->DrawTabControl(&Strip(), &dc, Strip().GetControlRect());
    CZMRTabManagerNavigateButton* pClose = pItem->GetNavigateButtons()[0];
    const CPoint pt = pClose->GetRect().CenterPoint();
    const std::vector<CCloseCase> cases = {
        {"release inside", {Do(CStep::release)}, true},
        {"release outside", {MoveTo(pt.x, pt.y + 60), Do(CStep::release)}, false},
        {"escape", {Do(CStep::escape), Do(CStep::release)}, false},
    };
    for (const CCloseCase& c : cases)
    {
        Strip().m_log.clear();
        bool bPressedSeen = false;
        m_onRecord = [&] { bPressedSeen = pClose->IsPressed() != FALSE; };
        std::vector<CStep> steps = {Do(CStep::record)};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        Press(pt, steps);
        EXPECT_TRUE(bPressedSeen) << c.name;
        EXPECT_FALSE(pClose->IsPressed()) << c.name;
        EXPECT_EQ(c.bClosed ? std::vector<std::wstring>{L"close 1"} : std::vector<std::wstring>{}, Strip().m_log)
            << c.name;
    }
}

// ------------------------------------------------------------ WM_QUIT

struct CQuitCase
{
    const char* name;
    std::function<CPoint(TabInputTest*)> where;
    std::function<void(TabInputTest*)> setUp;
};

TEST_F(TabInputTest, EveryLoopEndsOnWMQuitAndPostsItAgain)
{
    const std::vector<CQuitCase> cases = {
        {"press loop", [](TabInputTest* t) { return Center(t->Item(1)); },
         [](TabInputTest* t) {
             t->Strip().EnableItemReorder(FALSE);
             t->PaintManager()->m_bSelectOnPress = FALSE;
         }},
        {"reorder loop", [](TabInputTest* t) { return Center(t->Item(1)); },
         [](TabInputTest* t) { t->Strip().EnableItemReorder(TRUE); }},
        {"navigate-button loop",
         [](TabInputTest* t) { return t->Strip().GetNavigateButton(zmrTabNavigateButtonRight)->GetRect().CenterPoint(); },
         [](TabInputTest* t) {
             for (int i = 0; i < 6; i++)
                 t->Strip().AddItem(-1);
         }},
    };
    for (const CQuitCase& c : cases)
    {
        c.setUp(this);
        bool bInLoop = false;
        m_onRecord = [&] { bInLoop = ::GetCapture() == m_pHost->GetSafeHwnd(); };
        EXPECT_TRUE(Press(c.where(this), {Do(CStep::record), Do(CStep::quit)})) << c.name;
        EXPECT_TRUE(bInLoop) << c.name;
        EXPECT_EQ(nullptr, Strip().GetPressedItem()) << c.name;
    }
}

// ------------------------------------------------------------ hot tracking

TEST_F(TabInputTest, HotTrackingFollowsThePointer)
{
    PaintManager()->m_bHotTracking = TRUE;
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), Center(Item(2)));
    CTabHostWnd::Pump();
    EXPECT_EQ(Item(2), Strip().GetHotItem());
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), Center(Item(0)));
    CTabHostWnd::Pump();
    EXPECT_EQ(Item(0), Strip().GetHotItem());
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), CPoint(200, 200));
    CTabHostWnd::Pump();
    EXPECT_EQ(nullptr, Strip().GetHotItem());
}

TEST_F(TabInputTest, WithoutHotTrackingNoItemTurnsHot)
{
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), Center(Item(2)));
    CTabHostWnd::Pump();
    EXPECT_EQ(nullptr, Strip().GetHotItem());
}
}

namespace
{
TEST_F(TabInputTest, LeavingTheWindowClearsTheHotItem)
{
    PaintManager()->m_bHotTracking = TRUE;
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), Center(Item(1)));
    CTabHostWnd::Pump();
    ASSERT_EQ(Item(1), Strip().GetHotItem());
    // Off the window: the mouse-leave notice the strip asked for clears it.
    CTestInput::MoveTo(m_pHost->GetSafeHwnd(), CPoint(-50, -50));
    const DWORD dwStart = ::GetTickCount();
    while (Strip().GetHotItem() && ::GetTickCount() - dwStart < 3000)
    {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        CTabHostWnd::Pump();
    }
    EXPECT_EQ(nullptr, Strip().GetHotItem());
}
}
