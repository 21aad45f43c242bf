// The press loop of buttons on tool bars: real mouse input through
// SendInput, the steps inside the loop run from timer callbacks.
#include "BarTestSupport.h"
#include "CZMRControlButton.h"
#include "CZMRControlPopup.h"
#include "CZMRControls.h"
#include "CZMRPopupBar.h"
#include "CTestInput.h"
#include <gtest/gtest.h>
#include <deque>
#include <initializer_list>
#include <utility>

namespace
{
std::deque<std::function<void()>> g_steps;

void CALLBACK StepProc(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (g_steps.empty())
        return;
    auto step = std::move(g_steps.front());
    g_steps.pop_front();
    step();
    if (!g_steps.empty())
        ::SetTimer(nullptr, 0, 30, StepProc);
}

void CALLBACK SafetyProc(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (::GetCapture())
    {
        ADD_FAILURE() << "the press loop still held the capture when the safety timer fired";
        ::ReleaseCapture();
    }
}

class ControlButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pSite = CRecordingSiteFrame::Create(CRect(0, 0, 400, 300));
        ASSERT_NE(m_pSite, nullptr);
        m_pBar = new CProbeBar;
        ASSERT_TRUE(m_pBar->Create(m_pSite, CRect(10, 10, 200, 40), 0));
        m_pButton = new CFixedControl;
        m_pBar->GetControls()->AddControl(m_pButton, 700);
        m_pButton->SetRect(CRect(10, 2, 40, 26));
        m_pSite->Clear();
    }
    void TearDown() override
    {
        g_steps.clear();
        if (m_pBar)
            m_pBar->InternalRelease();
        if (m_pSite && ::IsWindow(m_pSite->GetSafeHwnd()))
            m_pSite->DestroyWindow();
    }
    CPoint ScreenPoint(CPoint ptClient) const
    {
        m_pBar->ClientToScreen(&ptClient);
        return ptClient;
    }
    // Presses the left button over the control; the steps run inside the
    // press loop, the last of them releases the button.
    void Press(std::deque<std::function<void()>> steps)
    {
        g_steps = std::move(steps);
        CTestInput::MoveTo(ScreenPoint(CPoint(20, 10)));
        PumpPendingMessages();
        ::SetTimer(nullptr, 0, 30, StepProc);
        const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 3000, SafetyProc);
        CTestInput::Button(VK_LBUTTON, true);
        PumpUntil([] { return g_steps.empty() && !::GetCapture(); });
        PumpPendingMessages();
        // The safety timer belongs to this press only.
        ::KillTimer(nullptr, nSafety);
    }
    // A popup control on the bar at (50,2)-(90,26) whose popup bar holds the
    // given items (control and id); the control keeps the popup bar.
    CZMRControlPopup* AddPopupControl(std::initializer_list<std::pair<CZMRControl*, int>> items, CZMRPopupBar*& pPopup)
    {
        auto* pPopupControl = new CZMRControlPopup;
        m_pBar->GetControls()->AddControl(pPopupControl, 701);
        pPopupControl->SetRect(CRect(50, 2, 90, 26));
        pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
        for (const auto& item : items)
            pPopup->GetControls()->AddControl(item.first, item.second);
        pPopupControl->SetCommandBar(pPopup);
        pPopup->InternalRelease();
        return pPopupControl;
    }
    size_t Executions() const { return m_pSite->Messages(ZMR_WM_CONTROLNOTIFY).size(); }
    void RepeatTick() { m_pBar->PostMessage(WM_TIMER, ZMR_TIMER_EXECUTEONPRESS, 0); }

    CRecordingSiteFrame* m_pSite = nullptr;
    CProbeBar* m_pBar = nullptr;
    CFixedControl* m_pButton = nullptr;
};

TEST_F(ControlButtonTest, ReleaseInsideExecutesOnceAndLeavesTheButtonUp)
{
    int nPressedInside = -1;
    Press({[&] { nPressedInside = m_pButton->GetPressed(); }, [&] { CTestInput::Button(VK_LBUTTON, false); }});
    EXPECT_EQ(1, nPressedInside);
    EXPECT_EQ(1u, Executions());
    EXPECT_EQ(0, m_pButton->GetPressed());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(m_pButton->GetIndex(), m_pBar->GetLastReleasedIndex()) << "the bar remembers the button";
}

TEST_F(ControlButtonTest, ReleaseOutsideExecutesNothing)
{
    Press({[&] { CTestInput::MoveTo(ScreenPoint(CPoint(150, 10))); },
           [&] { CTestInput::Button(VK_LBUTTON, false); }});
    EXPECT_EQ(0u, Executions());
    EXPECT_EQ(0, m_pButton->GetPressed());
    EXPECT_EQ(-1, m_pBar->GetLastReleasedIndex()) << "a press let go elsewhere is not remembered";
}

// Auto-repeat: once at the press, again at each tick while the pointer is
// on the button, never off it, and not again at the release. The period is
// long so that only the ticks the test posts count.
TEST_F(ControlButtonTest, AutoRepeatRunsWhileHeldOverTheButton)
{
    m_pButton->SetExecuteOnPressInterval(60000);
    size_t nAtPress = 0, nAfterTick = 0, nOffButton = 0;
    Press({[&] {
               nAtPress = Executions();
               RepeatTick();
           },
           [&] {
               nAfterTick = Executions();
               CTestInput::MoveTo(ScreenPoint(CPoint(150, 10)));
           },
           [&] { RepeatTick(); },
           [&] {
               nOffButton = Executions();
               CTestInput::MoveTo(ScreenPoint(CPoint(20, 10)));
           },
           [&] { CTestInput::Button(VK_LBUTTON, false); }});
    EXPECT_EQ(1u, nAtPress);
    EXPECT_EQ(2u, nAfterTick);
    EXPECT_EQ(2u, nOffButton);
    EXPECT_EQ(2u, Executions());
    EXPECT_EQ(0, m_pButton->GetPressed());
}

// The application ending during the press ends the loop without running
// the command; the quit goes on to the loop outside.
TEST_F(ControlButtonTest, QuitDuringThePressEndsItWithoutExecuting)
{
    g_steps = {[] { ::PostQuitMessage(11); }};
    ::SetTimer(nullptr, 0, 30, StepProc);
    const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 3000, SafetyProc);
    m_pButton->TrackPress(CRect());
    ::KillTimer(nullptr, nSafety);
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(11u, msg.wParam);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0u, Executions());
    EXPECT_EQ(0, m_pButton->GetPressed());
    EXPECT_EQ(-1, m_pBar->GetHotIndex());
}

// The control taken off its bar during the press: the loop ends, the
// capture goes and nothing runs through the bar it lost.
TEST_F(ControlButtonTest, LosingTheBarEndsThePressAndReleasesTheCapture)
{
    m_pButton->InternalAddRef();
    Press({[&] {
        m_pBar->GetControls()->Remove(m_pButton);
        m_pBar->PostMessage(WM_NULL);
    }});
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0u, Executions());
    EXPECT_EQ(-1, m_pBar->GetHotIndex());
    CTestInput::Button(VK_LBUTTON, false);
    PumpPendingMessages();
    m_pButton->InternalRelease();
}
// A popup control on a bar at the top of the site opens its popup bar just
// below itself, at the rectangle its theme keeps clear (the Default theme
// widens it by a pixel along a horizontal bar), and closes it again.
TEST_F(ControlButtonTest, PopupControlOpensItsBarBelowAndClosesIt)
{
    CZMRPopupBar* pPopup = nullptr;
    CZMRControlPopup* pPopupControl = AddPopupControl({{new CFixedControl(CSize(80, 20)), 702}}, pPopup);

    ASSERT_TRUE(m_pBar->SetPoppedControl(pPopupControl->GetIndex()));
    EXPECT_TRUE(pPopupControl->IsPopupOpen());
    ASSERT_TRUE(pPopup->IsVisible());
    EXPECT_EQ(m_pBar, pPopup->GetParentBar());
    CRect rcPopup;
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(ScreenPoint(CPoint(49, 26)), rcPopup.TopLeft());

    m_pBar->SetPoppedControl(-1);
    EXPECT_FALSE(pPopupControl->IsPopupOpen());
    EXPECT_EQ(nullptr, pPopup->GetSafeHwnd());
    m_pBar->SetMenuLoopActive(FALSE);
}

// A popup control cannot be dropped into its own popup chain, and a popup
// chain contains the popups of its controls.
TEST(ControlPopupChain, DropRulesFollowThePopupChain)
{
    auto* pOuter = new CZMRControlPopup;
    auto* pInner = new CZMRControlPopup;
    auto* pStranger = new CZMRControlPopup;
    CZMRPopupBar* pOuterBar = CZMRPopupBar::CreatePopupBar(nullptr);
    CZMRPopupBar* pInnerBar = CZMRPopupBar::CreatePopupBar(nullptr);
    CZMRPopupBar* pStrangerBar = CZMRPopupBar::CreatePopupBar(nullptr);
    pOuter->SetCommandBar(pOuterBar);
    pInner->SetCommandBar(pInnerBar);
    pStranger->SetCommandBar(pStrangerBar);
    pOuterBar->GetControls()->AddControl(pInner, 1);
    pInner->InternalAddRef();
    pInnerBar->SetControlPopup(pInner);

    DROPEFFECT effect = DROPEFFECT_MOVE;
    EXPECT_FALSE(pOuter->CanDropOnBar(pOuterBar, CPoint(), effect));
    EXPECT_FALSE(pOuter->CanDropOnBar(pInnerBar, CPoint(), effect));
    EXPECT_TRUE(pOuter->CanDropOnBar(pStrangerBar, CPoint(), effect));
    EXPECT_TRUE(pOuter->ContainsPopupOf(pInner));
    EXPECT_FALSE(pOuter->ContainsPopupOf(pStranger));

    pInnerBar->SetControlPopup(nullptr);
    pInner->InternalRelease();
    for (CZMRControlPopup* p : {pOuter, pStranger})
        p->InternalRelease();
    for (CZMRPopupBar* p : {pOuterBar, pInnerBar, pStrangerBar})
        p->InternalRelease();
}

// Double-clicking a closed menu popup opens it and runs its default item;
// the command reaches the site with a manager and without one.
TEST_F(ControlButtonTest, DoubleClickOnAClosedPopupRunsItsDefaultItem)
{
    auto* pDefault = new CFixedControl(CSize(80, 20));
    CZMRPopupBar* pPopup = nullptr;
    CZMRControlPopup* pPopupControl =
        AddPopupControl({{new CFixedControl(CSize(80, 20)), 710}, {pDefault, 711}}, pPopup);
    pDefault->SetDefaultItem(TRUE);
    for (const bool bManager : {true, false})
    {
        SCOPED_TRACE(bManager ? "with a manager" : "without a manager");
        m_pSite->Clear();
        CRecordingManager manager;
        if (bManager)
        {
            ASSERT_TRUE(manager.Attach(m_pSite));
            pPopup->SetBarManager(&manager);
        }
        EXPECT_TRUE(pPopupControl->OnLButtonDblClk(CPoint(60, 10)));
        const auto notes = m_pSite->Messages(ZMR_WM_CONTROLNOTIFY);
        ASSERT_EQ(1u, notes.size());
        EXPECT_EQ(711u, notes[0].wParam);
        EXPECT_FALSE(pPopupControl->IsPopupOpen());
        m_pBar->SetMenuLoopActive(FALSE);
        pPopup->SetBarManager(nullptr);
    }
}

// A command chosen in a submenu of a chain without a manager reaches the
// site, and the whole chain closes.
TEST_F(ControlButtonTest, CommandChosenInASubmenuWithoutAManagerReachesTheSite)
{
    auto* pSubmenuControl = new CZMRControlPopup;
    CZMRPopupBar* pPopup = nullptr;
    CZMRControlPopup* pPopupControl = AddPopupControl({{pSubmenuControl, 730}}, pPopup);
    pSubmenuControl->SetRect(CRect(0, 0, 80, 20));
    CZMRPopupBar* pSubmenu = CZMRPopupBar::CreatePopupBar(nullptr);
    auto* pItem = new CFixedControl(CSize(80, 20));
    pSubmenu->GetControls()->AddControl(pItem, 731);
    pSubmenuControl->SetCommandBar(pSubmenu);
    pSubmenu->InternalRelease();
    ASSERT_EQ(nullptr, m_pBar->GetBarManager());

    ASSERT_TRUE(m_pBar->SetPoppedControl(pPopupControl->GetIndex()));
    ASSERT_TRUE(pPopup->SetPoppedControl(pSubmenuControl->GetIndex()));
    ASSERT_TRUE(pSubmenu->IsTrackingMode());
    pItem->OnExecute();

    const auto notes = m_pSite->Messages(ZMR_WM_CONTROLNOTIFY);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(731u, notes[0].wParam);
    EXPECT_FALSE(pSubmenu->IsTrackingMode());
    EXPECT_FALSE(pPopup->IsTrackingMode());
    EXPECT_FALSE(m_pBar->IsTrackingMode());
}

namespace
{
// A popup bar that counts the times it is asked to expand; asked to, its
// layout hides rarely used controls as a shortened menu does.
class CCollapsedPopup : public CZMRPopupBar
{
public:
    void Expand() override
    {
        m_nExpands++;
        m_bExpanded = TRUE;
    }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override
    {
        m_bMoreControlsHidden = m_bHideRarelyUsed;
        return CZMRPopupBar::CalcDynamicLayout(nLength, dwMode);
    }
    void HideRarelyUsed() { m_bHideRarelyUsed = TRUE; }
    int m_nExpands = 0;
    BOOL m_bHideRarelyUsed = FALSE;
};
} // namespace

// Without a default item, double-clicking a menu popup that hides rarely
// used controls opens it and shows them; with nothing hidden it only opens.
TEST_F(ControlButtonTest, DoubleClickShowsTheCollapsedItemsOfAPopupWithoutDefault)
{
    auto* pPopupControl = new CZMRControlPopup;
    m_pBar->GetControls()->AddControl(pPopupControl, 740);
    pPopupControl->SetRect(CRect(50, 2, 90, 26));
    auto* pPopup = new CCollapsedPopup;
    pPopup->GetControls()->AddControl(new CFixedControl(CSize(80, 20)), 741);
    pPopupControl->SetCommandBar(pPopup);
    pPopup->InternalRelease();

    EXPECT_FALSE(pPopupControl->OnLButtonDblClk(CPoint(60, 10)));
    EXPECT_TRUE(pPopupControl->IsPopupOpen());
    EXPECT_EQ(0, pPopup->m_nExpands);
    m_pBar->SetMenuLoopActive(FALSE);

    // Hiding rarely used controls (the popup resets its expansion on opening).
    pPopup->HideRarelyUsed();
    EXPECT_TRUE(pPopupControl->OnLButtonDblClk(CPoint(60, 10)));
    EXPECT_TRUE(pPopupControl->IsPopupOpen());
    EXPECT_EQ(1, pPopup->m_nExpands);
    EXPECT_EQ(0u, Executions());
    m_pBar->SetMenuLoopActive(FALSE);
}

// Made by type: the three popup types, nothing for others; only the plain
// popup type expands its open popup when hovered.
TEST(ControlPopupByType, CreateWithTypeAndExpandIfHovered)
{
    struct
    {
        int nType;
        bool bMade;
        int nExpands;
    } const cases[] = {
        {zmrControlPopup, true, 1},
        {zmrControlButtonPopup, true, 0},
        {zmrControlSplitButtonPopup, true, 0},
        {zmrControlButton, false, 0},
        {zmrControlEdit, false, 0},
    };
    CRecordingSiteFrame* pSite = CRecordingSiteFrame::Create(CRect(0, 0, 400, 300));
    ASSERT_NE(pSite, nullptr);
    CProbeBar* pBar = new CProbeBar;
    ASSERT_TRUE(pBar->Create(pSite, CRect(10, 10, 200, 40), 0));
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nType);
        CZMRControlPopup* pControl = CZMRControlPopup::CreateWithType(c.nType);
        ASSERT_EQ(pControl != nullptr, c.bMade);
        if (!pControl)
            continue;
        EXPECT_EQ(c.nType, pControl->GetType());
        EXPECT_EQ(nullptr, pControl->GetCommandBar());
        pBar->GetControls()->AddControl(pControl, 750);
        pControl->SetRect(CRect(10, 2, 40, 26));
        auto* pPopup = new CCollapsedPopup;
        pPopup->GetControls()->AddControl(new CFixedControl(CSize(80, 20)), 751);
        pControl->SetCommandBar(pPopup);
        pPopup->InternalRelease();

        pControl->ExpandIfHovered();
        EXPECT_EQ(0, pPopup->m_nExpands) << "closed";
        ASSERT_TRUE(pBar->SetPoppedControl(pControl->GetIndex()));
        pControl->ExpandIfHovered();
        EXPECT_EQ(c.nExpands, pPopup->m_nExpands);
        pBar->SetMenuLoopActive(FALSE);
        pBar->GetControls()->RemoveAll();
    }
    pBar->InternalRelease();
    pSite->DestroyWindow();
}

// Near the bottom of the work area the popup of a bar control opens above
// the control.
TEST_F(ControlButtonTest, PopupNearTheWorkAreaBottomOpensAboveItsControl)
{
    CZMRPopupBar* pPopup = nullptr;
    CZMRControlPopup* pPopupControl = AddPopupControl({{new CFixedControl(CSize(80, 20)), 720},
                                                       {new CFixedControl(CSize(80, 20)), 721},
                                                       {new CFixedControl(CSize(80, 20)), 722}},
                                                      pPopup);
    // Room above the control for the whole popup.
    m_pSite->SetWindowPos(nullptr, 0, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    const CPoint ptControlBottom = ScreenPoint(CPoint(50, 26));
    CZMRPopupBar::s_fnMonitorAreas = [&](CPoint, const CRect&, CRect& rcWork, CRect& rcMonitor) {
        rcWork = CRect(0, 0, 1000, ptControlBottom.y + 40);
        rcMonitor = rcWork;
    };
    const BOOL bOpened = m_pBar->SetPoppedControl(pPopupControl->GetIndex());
    CRect rcPopup;
    if (pPopup->GetSafeHwnd())
        pPopup->GetWindowRect(&rcPopup);
    CZMRPopupBar::s_fnMonitorAreas = nullptr;
    m_pBar->SetMenuLoopActive(FALSE);

    ASSERT_TRUE(bOpened);
    EXPECT_EQ(ScreenPoint(CPoint(50, 2)).y, rcPopup.bottom);
    EXPECT_EQ(ptControlBottom.x - 1, rcPopup.left);
    EXPECT_GT(rcPopup.Height(), 60);
}
} // namespace
