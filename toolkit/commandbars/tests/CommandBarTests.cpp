// The command bar window: the chain of parent bars, the hot, popped and
// tracking states as the site and the managers see them, the redraw lock,
// painting through WM_PRINTCLIENT, the mouse driven through SendInput, the
// key notification that may destroy the bar, menus and copies.
#include "BarTestSupport.h"
#include "CZMRCommandBarClock.h"
#include "CZMRControls.h"
#include "CZMRControlPopup.h"
#include "CZMRPopupBar.h"
#include "CZMRPopupToolBar.h"
#include "CZMRMouseManager.h"
#include "CZMRKeyboardManager.h"
#include "CZMRControlDragHelper.h"
#include "CZMRToolTipContext.h"
#include "CZMRImageManager.h"
#include "PixelCanvas.h"
#include "ArtifactPng.h"
#include "CZMRDefaultTheme.h"
#include "CTestInput.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <set>

namespace
{
// A site frame with a manager attached and a bar of four probes on it.
class CommandBarTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        if (HasFatalFailure())
            return;
        m_pBar = new CProbeBar;
        m_pBar->SetBarManager(m_pManager);
        ASSERT_TRUE(m_pBar->Create(m_pSite, CRect(10, 10, 130, 34), 4));
        m_pSite->Clear();
    }
    void TearDown() override
    {
        if (m_pBar)
        {
            m_pBar->SetMenuLoopActive(FALSE);
            m_pBar->InternalRelease();
        }
        BarSiteTest::TearDown();
        CZMRCommandBarClock::SetHoverDelay(300);
        CZMRCommandBarClock::SetExpandDelay(5000);
    }
    // Whether the bar window had the timer running (and stops it).
    bool HadTimer(UINT_PTR nId) { return ::KillTimer(m_pBar->GetSafeHwnd(), nId) != FALSE; }

    CProbeBar* m_pBar = nullptr;
};
} // namespace

// ---------------------------------------------------------------- the chain of bars

TEST(CommandBarChain, ManagerSiteOwnerAndPaintManagerComeFromTheChain)
{
    CRecordingSiteFrame* pSite = CRecordingSiteFrame::Create();
    ASSERT_NE(pSite, nullptr);
    CRecordingWnd receiver;
    ASSERT_TRUE(receiver.Create());
    CZMRBarManager manager;
    manager.SetSite(pSite);

    // tool bar -> popup control -> popup bar -> popup control -> nested popup
    CBarFixture root;
    root.m_pBar->SetBarManager(&manager);
    auto* pOpener = static_cast<CZMRControlPopup*>(root.m_pBar->GetControls()->Add(zmrControlPopup, 1));
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    pPopup->SetControlPopup(pOpener);
    pOpener->SetCommandBar(pPopup);
    pPopup->InternalRelease();
    auto* pNestedOpener = static_cast<CZMRControlPopup*>(pPopup->GetControls()->Add(zmrControlPopup, 2));
    CZMRPopupBar* pNested = CZMRPopupBar::CreatePopupBar(nullptr);
    pNested->SetControlPopup(pNestedOpener);
    pNestedOpener->SetCommandBar(pNested);
    pNested->InternalRelease();

    EXPECT_EQ(pNested->GetBarManager(), &manager);
    EXPECT_EQ(pNested->GetRootBar(), root.m_pBar);
    EXPECT_EQ(pNested->GetSite(), pSite);
    // The command receiver of the nearest bar that has one, else the site.
    EXPECT_EQ(pNested->GetOwnerWindow(), pSite);
    pPopup->SetCommandReceiver(&receiver);
    EXPECT_EQ(pNested->GetOwnerWindow(), &receiver);

    // Paint manager: own, else the manager's override, else the current one;
    // the root's own is not reached past a manager.
    EXPECT_EQ(pNested->GetPaintManager(), CZMRBarManager::GetGlobalPaintManager());
    CTestTheme* pOverride = new CTestTheme;
    manager.SetPaintManager(pOverride);
    EXPECT_EQ(pNested->GetPaintManager(), pOverride);
    EXPECT_EQ(root.m_pBar->GetPaintManager(), root.m_pTheme);
    manager.SetPaintManager(nullptr);
    pOverride->InternalRelease();
    EXPECT_EQ(pNested->GetImageManager(), ::GetImageManager());

    // Without a manager: the root's own paint manager, the root's site override.
    root.m_pBar->SetBarManager(nullptr);
    EXPECT_EQ(pNested->GetBarManager(), nullptr);
    EXPECT_EQ(pNested->GetPaintManager(), root.m_pTheme);
    root.m_pBar->SetSiteOverride(&receiver);
    EXPECT_EQ(pNested->GetSite(), &receiver);

    pSite->DestroyWindow();
}

// A bar released while it tracks without a window leaves the input
// managers' lists: they would otherwise keep a pointer past its end.
TEST(CommandBarRelease, ATrackingBarWithoutWindowLeavesTheInputManagers)
{
    CZMRMouseManager* pMouse = CZMRMouseManager::GetThreadMouseManager();
    CZMRKeyboardManager* pKeyboard = CZMRKeyboardManager::GetThreadKeyboardManager();
    CProbeBar* pBar = new CProbeBar;
    ASSERT_TRUE(pBar->SetMenuLoopActive(TRUE));
    pMouse->m_pHotBar = pBar;
    ASSERT_EQ(1, pMouse->GetTrackedCount());
    ASSERT_EQ(1, pKeyboard->GetSinkCount());
    bool bDeleted = false;
    pBar->m_pbDeleted = &bDeleted;
    pBar->InternalRelease();
    ASSERT_TRUE(bDeleted);
    EXPECT_EQ(0, pMouse->GetTrackedCount());
    EXPECT_EQ(0, pKeyboard->GetSinkCount());
    EXPECT_EQ(nullptr, pMouse->m_pHotBar);
    EXPECT_FALSE(pKeyboard->IsHooked());
}

// ---------------------------------------------------------------- the hot control

TEST_F(CommandBarTest, HotControlTellsTheSiteAndStartsTheHoverTimerOnlyForTheMouse)
{
    struct
    {
        const char* name;
        int nKind;
        BOOL bHoverOpen;
        int nExpectedState;
        bool bHoverTimer;
    } cases[] = {
        {"mouse", 0, TRUE, 1, true},
        {"mouse, hover-open off", 0, FALSE, 1, false},
        {"keyboard from the start", 2, TRUE, 2, false},
        {"keyboard from the end", 3, TRUE, 3, false},
        {"access key", 1, TRUE, 2, false},
    };
    for (const auto& c : cases)
    {
        m_pBar->SetHoverOpen(c.bHoverOpen);
        m_pSite->Clear();
        EXPECT_TRUE(m_pBar->SetHotControl(1, c.nKind)) << c.name;
        EXPECT_EQ(m_pBar->GetHotIndex(), 1) << c.name;
        EXPECT_EQ(m_pBar->Probe(1)->GetSelected(), c.nExpectedState) << c.name;
        EXPECT_EQ(HadTimer(ZMR_TIMER_HOVER), c.bHoverTimer) << c.name;
        auto selected = m_pSite->Messages(ZMR_WM_CONTROLSELECTED);
        ASSERT_EQ(selected.size(), 1u) << c.name;
        EXPECT_EQ(selected[0].wParam, WPARAM(m_pBar->Probe(1))) << c.name;
        EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_pHotBar, m_pBar) << c.name;

        // Leaving the control: it hears of the mouse leaving, the site of none.
        m_pBar->SetHotControl(0, c.nKind);
        auto left = m_pSite->Messages(ZMR_WM_CONTROLSELECTED);
        ASSERT_EQ(left.size(), 3u) << c.name;
        EXPECT_EQ(left[1].wParam, 0u) << c.name;
        EXPECT_EQ(m_pBar->Probe(1)->GetSelected(), 0) << c.name;
        m_pBar->SetHotControl(-1);
    }
}

TEST_F(CommandBarTest, SameHotIndexChangesNothingAndNoneKillsTheHoverTimer)
{
    ASSERT_TRUE(m_pBar->SetHotControl(2, 0));
    m_pSite->Clear();
    EXPECT_FALSE(m_pBar->SetHotControl(2, 3));
    EXPECT_EQ(m_pBar->Probe(2)->GetSelected(), 1);
    EXPECT_TRUE(m_pSite->m_messages.empty());

    EXPECT_TRUE(m_pBar->SetHotControl(-1));
    EXPECT_FALSE(HadTimer(ZMR_TIMER_HOVER));
    EXPECT_EQ(m_pBar->GetHotIndex(), -1);

    // Out of range is none.
    EXPECT_FALSE(m_pBar->SetHotControl(-1));
    EXPECT_TRUE(m_pBar->SetHotControl(2));
    EXPECT_TRUE(m_pBar->SetHotControl(9));
    EXPECT_EQ(m_pBar->GetHotIndex(), -1);
}

TEST_F(CommandBarTest, HoverTimerLetsTheHotControlReactUnlessInputIsSuspended)
{
    CZMRCommandBarClock::SetHoverDelay(10);
    m_pBar->SetHotControl(1, 0);
    EXPECT_TRUE(PumpUntil([&] { return !m_pBar->Probe(1)->m_calls.empty(); }));
    EXPECT_EQ(m_pBar->Probe(1)->TakeCalls(), std::vector<std::string>{"hover"});
    EXPECT_FALSE(HadTimer(ZMR_TIMER_HOVER)) << "a one-shot";

    // Suspended, a tick leaves the timer running and the control hears nothing.
    m_pBar->SetHotControl(-1);
    m_pBar->SetHotControl(1, 0);
    m_pBar->SuspendInput(TRUE);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_HOVER);
    EXPECT_TRUE(m_pBar->Probe(1)->TakeCalls().empty());
    EXPECT_TRUE(HadTimer(ZMR_TIMER_HOVER));
    m_pBar->SuspendInput(FALSE);
}

namespace
{
// A popup bar that counts the times it is asked to expand.
class CExpandingPopup : public CZMRPopupBar
{
public:
    void Expand() override { m_nExpands++; }
    int m_nExpands = 0;
};
} // namespace

// The expand timer expands the open popup of the hot control while the
// pointer still rests on that control, and only then.
TEST_F(CommandBarTest, ExpandTimerExpandsTheOpenPopupUnderThePointer)
{
    auto* pOpener = new CZMRControlPopup;
    m_pBar->GetControls()->InsertAt(pOpener, 1);
    pOpener->SetRect(CRect(100, 2, 116, 22));
    auto* pPopup = new CExpandingPopup;
    pPopup->GetControls()->AddControl(new CFixedControl(CSize(60, 20)), 900);
    pOpener->SetCommandBar(pPopup);
    pPopup->InternalRelease();
    m_pManager->GetOptions()->bShowFullAfterDelay = TRUE;
    const auto pointAt = [&](CPoint pt) {
        m_pBar->ClientToScreen(&pt);
        CTestInput::MoveTo(pt);
        PumpPendingMessages();
    };
    pointAt(CPoint(108, 12));
    ASSERT_TRUE(m_pBar->SetPoppedControl(1));
    ASSERT_TRUE(pOpener->IsPopupOpen());

    // Not while input is suspended; once otherwise.
    m_pBar->SuspendInput(TRUE);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_EXPAND);
    EXPECT_EQ(pPopup->m_nExpands, 0);
    EXPECT_TRUE(HadTimer(ZMR_TIMER_EXPAND));
    m_pBar->SuspendInput(FALSE);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_EXPAND);
    EXPECT_EQ(pPopup->m_nExpands, 1);
    EXPECT_FALSE(HadTimer(ZMR_TIMER_EXPAND));

    // The pointer has left the opener (and the bar, so that the opener stays
    // hot): nothing.
    pointAt(CPoint(300, 200));
    ASSERT_EQ(m_pBar->GetHotIndex(), 1);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_EXPAND);
    EXPECT_EQ(pPopup->m_nExpands, 1);

    // Another control hot: nothing.
    pointAt(CPoint(108, 12));
    m_pBar->SetHotControl(2);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_EXPAND);
    EXPECT_EQ(pPopup->m_nExpands, 1);
    m_pBar->SetMenuLoopActive(FALSE);
}

TEST_F(CommandBarTest, KeyboardTipsTimerShowsTheTipsOfTheLastTrackedBar)
{
    m_pManager->GetOptions()->bKeyboardTips = TRUE;
    m_pBar->GetControl(0)->SetCaption(L"&Go");
    ASSERT_TRUE(m_pBar->SetMenuLoopActive(TRUE));
    EXPECT_EQ(m_pBar->GetKeyboardTipLevel(), 0);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_KEYBOARDTIPS);
    EXPECT_EQ(m_pManager->GetKeyboardTipOwner(), m_pBar);
    EXPECT_EQ(m_pBar->GetKeyboardTipLevel(), 1);
    m_pBar->HideKeyboardTips();
    EXPECT_EQ(m_pManager->GetKeyboardTipOwner(), nullptr);
    m_pBar->SetMenuLoopActive(FALSE);
    m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_KEYBOARDTIPS);
    EXPECT_EQ(m_pManager->GetKeyboardTipOwner(), nullptr) << "not tracked";
}

// ---------------------------------------------------------------- tracking

TEST_F(CommandBarTest, TrackingRegistersWithTheManagersAndTellsTheBarManager)
{
    CZMRMouseManager* pMouse = CZMRMouseManager::GetThreadMouseManager();
    CZMRKeyboardManager* pKeyboard = CZMRKeyboardManager::GetThreadKeyboardManager();
    m_pBar->SetType(zmrBarTypeMenuBar);

    EXPECT_TRUE(m_pBar->SetMenuLoopActive(TRUE, TRUE));
    EXPECT_EQ(m_pBar->GetTrackingState(), 1);
    EXPECT_FALSE(m_pBar->IsEnteredByMouse());
    EXPECT_EQ(m_pBar->GetHotIndex(), 0) << "select-first";
    EXPECT_EQ(m_pBar->Probe(0)->GetSelected(), 2);
    ASSERT_EQ(pMouse->GetTrackedCount(), 1);
    EXPECT_EQ(pMouse->GetTrackedAt(0), m_pBar);
    ASSERT_EQ(pKeyboard->GetSinkCount(), 1);
    EXPECT_EQ(pKeyboard->GetSinkAt(0), static_cast<CZMRHookManagerHookAble*>(m_pBar));
    auto entered = m_pSite->Messages(ZMR_WM_INITCOMMANDSPOPUP);
    ASSERT_EQ(entered.size(), 1u) << "menu bars tell the site";
    EXPECT_EQ(entered[0].wParam, WPARAM(m_pBar));

    // Entering again only stores the value.
    EXPECT_FALSE(m_pBar->SetMenuLoopActive(2));
    EXPECT_EQ(m_pBar->GetTrackingState(), 2);
    EXPECT_FALSE(m_pBar->SetMenuLoopActive(2));

    EXPECT_TRUE(m_pBar->SetMenuLoopActive(FALSE, TRUE));
    EXPECT_EQ(m_pBar->GetTrackingState(), 0);
    EXPECT_EQ(m_pBar->GetHotIndex(), -1);
    EXPECT_EQ(pMouse->GetTrackedCount(), 0);
    EXPECT_EQ(pKeyboard->GetSinkCount(), 0);
    EXPECT_EQ(pMouse->m_pHotBar, nullptr) << "no bar tracked any more";
    EXPECT_FALSE(m_pBar->SetMenuLoopActive(FALSE));

    const std::vector<std::pair<CZMRCommandBar*, int>> expected = {{m_pBar, 1}, {m_pBar, 0}};
    EXPECT_EQ(m_pManager->m_tracking, expected);
    EXPECT_EQ(m_pSite->Messages(ZMR_WM_INITCOMMANDSPOPUP).size(), 1u);
}

TEST_F(CommandBarTest, EnteredByMouseOnlyWithoutSelectFirstOrCallback)
{
    struct
    {
        BOOL bSelectFirst;
        int nCallback;
        BOOL bByMouse;
        int nKind;
    } cases[] = {{FALSE, 0, TRUE, 0}, {TRUE, 0, FALSE, 2}, {FALSE, 1, FALSE, 1}};
    for (const auto& c : cases)
    {
        m_pBar->SetMenuLoopActive(TRUE, c.bSelectFirst, c.nCallback);
        EXPECT_EQ(m_pBar->IsEnteredByMouse(), c.bByMouse);
        EXPECT_EQ(m_pBar->GetSelectionKind(), c.nKind);
        m_pBar->SetMenuLoopActive(FALSE, TRUE);
        EXPECT_FALSE(m_pBar->IsEnteredByMouse());
        EXPECT_EQ(m_pBar->GetSelectionKind(), 0);
    }
}

TEST_F(CommandBarTest, PoppedControlOpensInTrackingAndClosesThePreviousOne)
{
    m_pManager->GetOptions()->bShowFullAfterDelay = TRUE;
    EXPECT_TRUE(m_pBar->SetPoppedControl(1));
    EXPECT_EQ(m_pBar->GetPoppedIndex(), 1);
    EXPECT_EQ(m_pBar->GetTrackingState(), 2);
    EXPECT_EQ(m_pBar->GetHotIndex(), 1);
    EXPECT_EQ(m_pBar->Probe(1)->TakeCalls(), std::vector<std::string>{"open"});
    EXPECT_TRUE(HadTimer(ZMR_TIMER_EXPAND));

    EXPECT_FALSE(m_pBar->SetPoppedControl(1)) << "the same control";
    EXPECT_TRUE(m_pBar->SetPoppedControl(2));
    EXPECT_EQ(m_pBar->Probe(1)->TakeCalls(), std::vector<std::string>{"close"});
    EXPECT_EQ(m_pBar->GetHotIndex(), 2);
    EXPECT_TRUE(HadTimer(ZMR_TIMER_EXPAND));

    // Refused: a disabled control, one whose popup fails to open, out of range.
    m_pBar->Probe(3)->SetEnabled(FALSE);
    EXPECT_FALSE(m_pBar->SetPoppedControl(3));
    EXPECT_EQ(m_pBar->GetPoppedIndex(), -1);
    EXPECT_TRUE(m_pBar->Probe(3)->TakeCalls().empty());
    m_pBar->Probe(0)->m_bOpens = FALSE;
    EXPECT_FALSE(m_pBar->SetPoppedControl(0));
    EXPECT_EQ(m_pBar->GetPoppedIndex(), -1);
    EXPECT_FALSE(m_pBar->SetPoppedControl(7));

    // Leaving tracking closes the open popup.
    m_pManager->GetOptions()->bShowFullAfterDelay = FALSE;
    ASSERT_TRUE(m_pBar->SetPoppedControl(1));
    EXPECT_FALSE(HadTimer(ZMR_TIMER_EXPAND));
    m_pBar->Probe(1)->TakeCalls();
    m_pBar->SetMenuLoopActive(FALSE);
    EXPECT_EQ(m_pBar->GetPoppedIndex(), -1);
    EXPECT_EQ(m_pBar->Probe(1)->TakeCalls(), std::vector<std::string>{"close"});

    // A popup opened from the keyboard keeps the keyboard's selection.
    HadTimer(ZMR_TIMER_HOVER);   // left by the mouse-chosen popups above
    m_pBar->SetHotControl(0, 2);
    ASSERT_TRUE(m_pBar->SetPoppedControl(2));
    EXPECT_EQ(m_pBar->Probe(2)->GetSelected(), 2);
    EXPECT_FALSE(HadTimer(ZMR_TIMER_HOVER));
}

// ---------------------------------------------------------------- selection, status and help

TEST_F(CommandBarTest, SelectionShowsTheDescriptionAndKeepsTheHelpId)
{
    CProbeControl* pControl = m_pBar->Probe(1);
    pControl->SetDescription(L"Saves the file");
    m_pBar->SetHotControl(1);
    auto status = m_pSite->Messages(WM_SETMESSAGESTRING);
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status[0].strText, CString(L"Saves the file"));
    EXPECT_EQ(m_pManager->GetHelpId(), 101) << "the control's id without an action";

    m_pBar->SetHotControl(-1);
    auto popped = m_pSite->Messages(WM_POPMESSAGESTRING);
    ASSERT_EQ(popped.size(), 1u);
    EXPECT_EQ(popped[0].wParam, WPARAM(AFX_IDS_IDLEMESSAGE));
    EXPECT_EQ(m_pManager->GetHelpId(), 0);

    // No description: the idle prompt. The option off: nothing.
    m_pSite->Clear();
    m_pBar->SetHotControl(2);
    EXPECT_EQ(m_pSite->Messages(WM_POPMESSAGESTRING).size(), 1u);
    m_pManager->GetOptions()->bShowStatusDescriptions = FALSE;
    m_pSite->Clear();
    m_pBar->SetHotControl(1);
    EXPECT_TRUE(m_pSite->Messages(WM_SETMESSAGESTRING).empty());

    // The help id: the control's own, else the action's help id, else its id.
    pControl->SetHelpId(77);
    m_pBar->SetHotControl(-1);
    m_pBar->SetHotControl(1);
    EXPECT_EQ(m_pManager->GetHelpId(), 77);
}

// ---------------------------------------------------------------- painting

TEST_F(CommandBarTest, RedrawLockPaintsOnceAfterTheLastUnlock)
{
    m_pBar->UpdateWindow();
    m_pBar->m_nPaints = 0;
    m_pBar->LockRedraw();
    m_pBar->LockRedraw();
    m_pBar->Redraw();
    m_pBar->Probe(1)->RepaintInParentBar();
    m_pBar->UpdateWindow();
    EXPECT_EQ(m_pBar->m_nPaints, 0);
    EXPECT_TRUE(m_pBar->IsRedrawPending());
    m_pBar->UnlockRedraw();
    m_pBar->UpdateWindow();
    EXPECT_EQ(m_pBar->m_nPaints, 0) << "still locked once";
    m_pBar->UnlockRedraw();
    EXPECT_FALSE(m_pBar->IsRedrawPending());
    m_pBar->UpdateWindow();
    EXPECT_EQ(m_pBar->m_nPaints, 1);
    m_pBar->UpdateWindow();
    EXPECT_EQ(m_pBar->m_nPaints, 1);
}

TEST_F(CommandBarTest, PrintClientPaintsBackgroundSeparatorsAndVisibleControls)
{
    m_pBar->SetBarStyle(0);   // no gripper
    m_pBar->Probe(0)->SetBeginGroup(TRUE);   // the first drawn gets none
    m_pBar->Probe(2)->SetBeginGroup(TRUE);
    m_pBar->Probe(1)->SetVisible(FALSE);
    m_pBar->Probe(3)->m_clr = RGB(0, 128, 0);

    CPixelCanvas canvas(120, 24);
    m_pBar->SendMessage(WM_PRINTCLIENT, WPARAM(canvas.DC()->GetSafeHdc()), PRF_CLIENT);
    const COLORREF clrBack = m_pTheme->m_clrBack;
    EXPECT_EQ(canvas.Pixel(1, 1), clrBack);
    EXPECT_EQ(canvas.Pixel(10, 10), RGB(0, 0, 255)) << "control 0";
    EXPECT_EQ(canvas.Pixel(2, 10), clrBack) << "no separator before the first control";
    EXPECT_EQ(canvas.Pixel(34, 10), clrBack) << "the hidden control";
    EXPECT_EQ(canvas.Pixel(CProbeBar::Slot(2).left - 2, 10), m_pTheme->m_clrSeparator);
    EXPECT_EQ(canvas.Pixel(CProbeBar::Slot(2).left + 5, 10), RGB(0, 0, 255)) << "control 2";
    EXPECT_EQ(canvas.Pixel(CProbeBar::Slot(3).left + 5, 10), RGB(0, 128, 0));

    // Customize mode: the selected control gets two black frames.
    m_pManager->SetCustomizeMode(m_pManager);
    m_pManager->SetCustomizeSelection(m_pBar->Probe(3));
    CPixelCanvas custom(120, 24);
    m_pBar->SendMessage(WM_PRINTCLIENT, WPARAM(custom.DC()->GetSafeHdc()), PRF_CLIENT);
    const CRect rc = CProbeBar::Slot(3);
    EXPECT_EQ(custom.Pixel(rc.left, rc.top + 5), RGB(0, 0, 0));
    EXPECT_EQ(custom.Pixel(rc.left + 1, rc.top + 5), RGB(0, 0, 0));
    EXPECT_EQ(custom.Pixel(rc.left + 2, rc.top + 5), RGB(0, 128, 0));
    m_pManager->SetCustomizeMode(nullptr);
}

TEST_F(CommandBarTest, PictureOfABarInTheDefaultThemeWithAHotControl)
{
    // For people to look at: buttons with captions laid out in a row, the
    // second hot, painted by the Default theme.
    CZMRDefaultTheme* pTheme = new CZMRDefaultTheme;
    pTheme->RefreshMetrics();
    m_pManager->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    m_pBar->GetControls()->RemoveAll();
    for (LPCTSTR lpszCaption : {L"&File", L"&Edit", L"&View", L"&Help"})
    {
        CZMRControl* pControl = m_pBar->GetControls()->Add(zmrControlButton, 300);
        pControl->SetCaption(lpszCaption);
        pControl->SetStyle(zmrButtonCaption);
    }
    DWORD dwMode = zmrLayoutHorzDock | zmrLayoutCommit;
    CPixelCanvas measure(10, 10);
    const CSize szBar = m_pBar->GetControls()->CalcLayout(measure.DC(), 400, dwMode, CRect(2, 2, 2, 2));
    m_pBar->MoveWindow(CRect(CPoint(10, 10), szBar));
    CPixelCanvas canvas(szBar.cx, szBar.cy);
    m_pBar->SetBarStyle(0);
    m_pBar->SetHotControl(1, 2);
    m_pBar->SendMessage(WM_PRINTCLIENT, WPARAM(canvas.DC()->GetSafeHdc()), PRF_CLIENT);
    EXPECT_TRUE(SaveArtifactPng(L"commandbar_default_hot.png", szBar.cx, szBar.cy,
                                [&](int x, int y) { return canvas.Pixel(x, y); }));
    // The hot control's edge shows a colour that no edge of a cold one has.
    auto edgeColours = [&](int nIndex) {
        const CRect rc = m_pBar->GetControl(nIndex)->GetRect();
        std::set<COLORREF> colours;
        for (int x = rc.left; x < rc.right; x++)
            colours.insert({canvas.Pixel(x, rc.top), canvas.Pixel(x, rc.bottom - 1)});
        for (int y = rc.top; y < rc.bottom; y++)
            colours.insert({canvas.Pixel(rc.left, y), canvas.Pixel(rc.right - 1, y)});
        return colours;
    };
    const std::set<COLORREF> hot = edgeColours(1), cold = edgeColours(2);
    EXPECT_TRUE(std::any_of(hot.begin(), hot.end(), [&](COLORREF c) { return cold.count(c) == 0; }));
}

// ---------------------------------------------------------------- keys while tracking

TEST_F(CommandBarTest, KeyNotificationSurvivesTheSiteDestroyingTheBar)
{
    struct
    {
        const char* name;
        std::function<void(CProbeBar*)> answer;
        int nExpected;
        bool bDeleted;
    } cases[] = {
        {"site does nothing: the bar moves on", [](CProbeBar*) {}, 1, false},
        {"site destroys the window", [](CProbeBar* p) { p->DestroyWindow(); }, 1, false},
        {"site releases the bar", [](CProbeBar* p) { p->InternalRelease(); }, 1, true},
    };
    for (const auto& c : cases)
    {
        bool bDeleted = false;
        auto* pBar = new CProbeBar;
        pBar->SetBarManager(m_pManager);
        pBar->m_pbDeleted = &bDeleted;
        ASSERT_TRUE(pBar->Create(m_pSite, CRect(10, 40, 130, 64), 2));
        pBar->SetMenuLoopActive(TRUE);
        m_pSite->Clear();
        m_pSite->m_answer = [&](const CRecordingSiteFrame::CMessage& m) -> LRESULT {
            if (m.nMessage == ZMR_WM_TRACKINGKEYDOWN)
                c.answer(reinterpret_cast<CProbeBar*>(m.lParam));
            return 0;
        };
        WPARAM wParam = VK_DOWN;
        LPARAM lParam = 0x00500001;
        LRESULT lResult = 0;
        EXPECT_EQ(pBar->HandleHookedMessage(nullptr, WM_KEYDOWN, wParam, lParam, lResult), c.nExpected) << c.name;
        EXPECT_EQ(bDeleted, c.bDeleted) << c.name;
        auto keys = m_pSite->Messages(ZMR_WM_TRACKINGKEYDOWN);
        ASSERT_EQ(keys.size(), 1u) << c.name;
        EXPECT_EQ(keys[0].nChar, UINT(VK_DOWN)) << c.name;
        EXPECT_EQ(keys[0].nFlags, 0x50u) << c.name;
        m_pSite->m_answer = nullptr;
        if (!bDeleted)
        {
            pBar->SetMenuLoopActive(FALSE);
            pBar->InternalRelease();
        }
        else
        {
            CZMRMouseManager::GetThreadMouseManager()->RemoveTracked(pBar);
            CZMRKeyboardManager::GetThreadKeyboardManager()->RemoveSink(pBar);
        }
    }
}

TEST_F(CommandBarTest, KeysGoToTheBarOnlyWhileTrackingAndNotInCustomizeMode)
{
    WPARAM wParam = 'A';
    LPARAM lParam = 0;
    LRESULT lResult = 0;
    EXPECT_EQ(m_pBar->HandleHookedMessage(nullptr, WM_KEYDOWN, wParam, lParam, lResult), 0);
    EXPECT_TRUE(m_pSite->Messages(ZMR_WM_TRACKINGKEYDOWN).empty());
    m_pBar->SetMenuLoopActive(TRUE);
    m_pManager->SetCustomizeMode(m_pManager);
    EXPECT_EQ(m_pBar->HandleHookedMessage(nullptr, WM_KEYDOWN, wParam, lParam, lResult), 2);
    m_pManager->SetCustomizeMode(nullptr);
    m_pBar->SuspendInput(TRUE);
    EXPECT_EQ(m_pBar->HandleHookedMessage(nullptr, WM_KEYDOWN, wParam, lParam, lResult), 1);
    EXPECT_TRUE(m_pSite->Messages(ZMR_WM_TRACKINGKEYDOWN).empty());
}

TEST_F(CommandBarTest, TypedKeysReachTheTrackingBarThroughTheKeyboardHook)
{
    ::SetForegroundWindow(m_pSite->GetSafeHwnd());
    m_pSite->SetFocus();
    PumpPendingMessages();
    m_pBar->SetMenuLoopActive(TRUE);
    CTestInput::Key('K', true);
    CTestInput::Key('K', false);
    ASSERT_TRUE(PumpUntil([&] { return !m_pSite->Messages(ZMR_WM_TRACKINGKEYDOWN).empty(); }));
    auto keys = m_pSite->Messages(ZMR_WM_TRACKINGKEYDOWN);
    ASSERT_EQ(keys.size(), 1u) << "the key press only";
    EXPECT_EQ(keys[0].nChar, UINT('K'));
    EXPECT_EQ(keys[0].lParam, LPARAM(m_pBar));
}

// ---------------------------------------------------------------- the mouse, as a user drives it

TEST_F(CommandBarTest, MouseMakesControlsHotAndClicksReachThem)
{
    ::SetForegroundWindow(m_pSite->GetSafeHwnd());
    PumpPendingMessages();
    auto moveTo = [&](CPoint pt) {
        CTestInput::MoveTo(m_pBar->GetSafeHwnd(), pt);
        PumpPendingMessages();
    };

    moveTo(CProbeBar::Slot(1).CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetHotIndex() == 1; }));
    EXPECT_EQ(m_pBar->GetSelectionKind(), 0);
    moveTo(CProbeBar::Slot(2).CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetHotIndex() == 2; }));
    EXPECT_EQ(m_pBar->Probe(1)->GetSelected(), 0);

    // Between controls, outside tracking: nothing is hot.
    moveTo(CPoint(CProbeBar::Slot(2).right + 2, 12));
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->GetHotIndex() == -1; }));

    // A click: the control hears the button go down and up.
    moveTo(CProbeBar::Slot(0).CenterPoint());
    CTestInput::Button(VK_LBUTTON, true);
    CTestInput::Button(VK_LBUTTON, false);
    ASSERT_TRUE(PumpUntil([&] { return m_pBar->Probe(0)->m_calls.size() >= 2; }));
    const std::vector<std::string> clicked = {"click", "lbutton up"};
    EXPECT_EQ(m_pBar->Probe(0)->TakeCalls(), clicked);

    // Leaving the bar clears the hot control.
    moveTo(CPoint(300, 200));
    EXPECT_TRUE(PumpUntil([&] { return m_pBar->GetHotIndex() == -1; }));
}

TEST_F(CommandBarTest, MouseMovesMakeControlsHotOnlyWhenTheBarMayTrackThem)
{
    const CPoint ptOver = CProbeBar::Slot(2).CenterPoint();
    const CPoint ptBetween(CProbeBar::Slot(2).right + 2, 12);
    CZMRMouseManager* pMouse = CZMRMouseManager::GetThreadMouseManager();
    auto* pOther = new CProbeBar;
    pOther->SetBarManager(m_pManager);
    ASSERT_TRUE(pOther->Create(m_pSite, CRect(10, 40, 130, 64), 1));

    struct
    {
        const char* name;
        std::function<void()> arrange;
        CPoint pt;
        int nExpectedHot;
    } cases[] = {
        {"tracking", [&] { m_pBar->SetMenuLoopActive(TRUE); }, ptOver, 2},
        {"another bar tracks", [&] {
             m_pBar->SetPosition(zmrBarPopup);
             pOther->SetMenuLoopActive(TRUE);
         }, ptOver, -1},
        {"a bar control holds the focus", [&] {
             m_pBar->SetMenuLoopActive(TRUE);
             pMouse->m_nFocusCount = 1;
         }, ptOver, -1},
        {"... unless the bar is exempt", [&] {
             m_pBar->SetMenuLoopActive(TRUE);
             pMouse->m_nFocusCount = 1;
             m_pBar->SetMouseLockExempt(TRUE);
         }, ptOver, 2},
        {"input suspended", [&] {
             m_pBar->SetMenuLoopActive(TRUE);
             m_pBar->SuspendInput(TRUE);
         }, ptOver, -1},
        {"a popup is open and hover-open is off", [&] {
             m_pBar->SetPoppedControl(1);
             m_pBar->SetHoverOpen(FALSE);
         }, ptOver, 1},
        {"a popup is open and hover-open is on", [&] { m_pBar->SetPoppedControl(1); }, ptOver, 2},
        {"nothing under the mouse keeps the hot control while tracking", [&] {
             m_pBar->SetMenuLoopActive(TRUE);
             m_pBar->SetHotControl(1);
         }, ptBetween, 1},
    };
    for (const auto& c : cases)
    {
        c.arrange();
        m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.pt.x, c.pt.y));
        EXPECT_EQ(m_pBar->GetHotIndex(), c.nExpectedHot) << c.name;

        pMouse->CloseAllTracked();
        pMouse->m_nFocusCount = 0;
        m_pBar->SetHotControl(-1);
        m_pBar->SetPosition(zmrBarNone);
        m_pBar->SetMouseLockExempt(FALSE);
        m_pBar->SetHoverOpen(TRUE);
        while (m_pBar->GetInputSuspension() > 0)
            m_pBar->SuspendInput(FALSE);
    }
    pOther->InternalRelease();

    // In customize mode a move goes to the selected control only.
    m_pManager->SetCustomizeMode(m_pManager);
    m_pManager->SetCustomizeSelection(m_pBar->Probe(3));
    m_pBar->Probe(2)->m_bRecordMoves = m_pBar->Probe(3)->m_bRecordMoves = TRUE;
    m_pBar->SetMenuLoopActive(TRUE);
    m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptOver.x, ptOver.y));
    EXPECT_EQ(m_pBar->GetHotIndex(), -1);
    EXPECT_TRUE(m_pBar->Probe(2)->TakeCalls().empty());
    EXPECT_EQ(m_pBar->Probe(3)->TakeCalls(), std::vector<std::string>{"mouse move"});
    m_pManager->SetCustomizeMode(nullptr);
}

TEST_F(CommandBarTest, MouseLeaveClearsTheHotControlUnlessAPopupHoldsIt)
{
    struct
    {
        const char* name;
        std::function<void()> arrange;
        int nExpectedHot;
    } cases[] = {
        {"hot by the mouse", [&] { m_pBar->SetHotControl(1); }, -1},
        {"tracking without a popup", [&] {
             m_pBar->SetMenuLoopActive(TRUE);
             m_pBar->SetHotControl(1);
         }, -1},
        {"tracking with a popup open", [&] { m_pBar->SetPoppedControl(1); }, 1},
        {"input suspended", [&] {
             m_pBar->SetHotControl(1);
             m_pBar->SuspendInput(TRUE);
         }, 1},
    };
    for (const auto& c : cases)
    {
        c.arrange();
        m_pBar->SendMessage(WM_MOUSELEAVE);
        EXPECT_EQ(m_pBar->GetHotIndex(), c.nExpectedHot) << c.name;
        m_pBar->SendMessage(WM_NCMOUSEMOVE, HTNOWHERE, 0);
        EXPECT_EQ(m_pBar->GetHotIndex(), c.nExpectedHot) << c.name << " (non-client move)";
        m_pBar->SetMenuLoopActive(FALSE);
        if (m_pBar->GetInputSuspension() > 0)
            m_pBar->SuspendInput(FALSE);
        m_pBar->SetHotControl(-1);
    }
}

TEST_F(CommandBarTest, ButtonsReachTheControlUnderTheMouseAsTheModeAllows)
{
    const CPoint pt = CProbeBar::Slot(1).CenterPoint();
    const LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    auto pressAlt = [](bool bDown) {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_MENU] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    };
    struct
    {
        const char* name;
        bool bCustomize, bAlt, bAltDragAllowed;
        UINT nMessage;
        std::vector<std::string> expected;
    } cases[] = {
        {"click", false, false, true, WM_LBUTTONDOWN, {"click"}},
        {"double click", false, false, true, WM_LBUTTONDBLCLK, {"double click"}},
        {"button up", false, false, true, WM_LBUTTONUP, {"lbutton up"}},
        {"Alt + drag moves the control", false, true, true, WM_LBUTTONDOWN, {"move in customize mode"}},
        {"Alt + drag not allowed", false, true, false, WM_LBUTTONDOWN, {"click"}},
        {"click in customize mode", true, false, true, WM_LBUTTONDOWN, {"click"}},
        {"double click in customize mode", true, false, true, WM_LBUTTONDBLCLK, {}},
        {"button up in customize mode", true, false, true, WM_LBUTTONUP, {}},
    };
    for (const auto& c : cases)
    {
        m_pManager->SetCustomizeMode(c.bCustomize ? m_pManager : nullptr);
        m_pManager->SetAltDragPermission(c.bAltDragAllowed);
        pressAlt(c.bAlt);
        m_pBar->SendMessage(c.nMessage, 0, lParam);
        pressAlt(false);
        EXPECT_EQ(m_pBar->Probe(1)->TakeCalls(), c.expected) << c.name;
        EXPECT_EQ(m_pManager->IsCustomizeMode() != FALSE, c.bCustomize) << c.name;
    }
    // A control that may not move is not clicked in customize mode.
    m_pManager->SetCustomizeMode(m_pManager);
    m_pBar->Probe(1)->SetFlags(zmrFlagNoMovable);
    m_pBar->SendMessage(WM_LBUTTONDOWN, 0, lParam);
    EXPECT_TRUE(m_pBar->Probe(1)->TakeCalls().empty());
    m_pManager->SetCustomizeMode(nullptr);
}

TEST_F(CommandBarTest, PopupToolBarsCloseThePoppedControlOnAClickElsewhere)
{
    CZMRPopupToolBar* pPopup = CZMRPopupToolBar::CreatePopupToolBar(m_pManager);
    for (int i = 0; i < 3; i++)
    {
        auto* pControl = new CProbeControl;
        pPopup->GetControls()->AddControl(pControl, 200 + i);
        pControl->SetRect(CProbeBar::Slot(i));
    }
    ASSERT_TRUE(pPopup->CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"popup", WS_CHILD | WS_VISIBLE,
                                 CRect(10, 40, 130, 64), m_pSite, 0));
    auto probe = [&](int i) { return static_cast<CProbeControl*>(pPopup->GetControl(i)); };
    auto click = [&](int i) {
        const CPoint pt = CProbeBar::Slot(i).CenterPoint();
        pPopup->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
    };

    ASSERT_TRUE(pPopup->SetPoppedControl(1));
    click(1);
    EXPECT_EQ(pPopup->GetPoppedIndex(), 1) << "a click on the popped control keeps it open";
    click(2);
    EXPECT_EQ(pPopup->GetPoppedIndex(), -1);
    EXPECT_EQ(probe(2)->TakeCalls(), std::vector<std::string>{"click"});

    // With nothing popped, a hot control chosen by the mouse goes when the
    // mouse leaves the controls; one chosen by the keyboard stays.
    const CPoint ptBetween(CProbeBar::Slot(2).right + 2, 12);
    pPopup->SetMenuLoopActive(TRUE);
    for (int nKind : {0, 2})
    {
        pPopup->SetHotControl(-1);
        pPopup->SetHotControl(1, nKind);
        pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptBetween.x, ptBetween.y));
        EXPECT_EQ(pPopup->GetHotIndex(), nKind == 0 ? -1 : 1) << "kind " << nKind;
    }
    pPopup->SetMenuLoopActive(FALSE);
    pPopup->InternalRelease();
}

TEST_F(CommandBarTest, RightButtonUpAsksTheSiteFirst)
{
    struct
    {
        const char* name;
        LRESULT siteAnswer;
        BOOL bRightButtonTrack;
        std::vector<std::string> expected;
    } cases[] = {
        {"site takes it", 1, FALSE, {}},
        {"control's handler", 0, FALSE, {"rbutton up"}},
        {"tracked for the right button", 0, TRUE, {"lbutton up"}},
    };
    const CPoint pt = CProbeBar::Slot(2).CenterPoint();
    for (const auto& c : cases)
    {
        m_pSite->Clear();
        m_pSite->m_answer = [&](const CRecordingSiteFrame::CMessage&) { return c.siteAnswer; };
        m_pBar->SetTrackFlags(c.bRightButtonTrack ? zmrTrackRightButton : 0);
        m_pBar->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        auto clicks = m_pSite->Messages(ZMR_WM_CONTROLRBUTTONUP);
        ASSERT_EQ(clicks.size(), 1u) << c.name;
        EXPECT_EQ(clicks[0].pt, pt) << c.name;
        EXPECT_EQ(clicks[0].lParam, LPARAM(m_pBar->Probe(2))) << c.name;
        EXPECT_EQ(m_pBar->Probe(2)->TakeCalls(), c.expected) << c.name;
    }
    m_pSite->m_answer = nullptr;
    m_pBar->SetTrackFlags(0);

    // In customize mode nothing reaches the site.
    m_pSite->Clear();
    m_pManager->SetCustomizeMode(m_pManager);
    m_pBar->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(m_pSite->Messages(ZMR_WM_CONTROLRBUTTONUP).empty());
    // ... and a right press selects the control for customizing.
    m_pBar->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(m_pManager->GetCustomizeSelection(), m_pBar->Probe(2));
    EXPECT_EQ(m_pSite->Messages(ZMR_WM_CUSTOMIZESELECTION).size(), 1u);
    m_pManager->SetCustomizeMode(nullptr);
}

// ---------------------------------------------------------------- menus, copies, lifecycle

TEST_F(CommandBarTest, LoadMenuLeavesTheFrameALayoutAndNotification)
{
    CMenu menu;
    menu.Attach(::CreatePopupMenu());
    ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 500, L"&Open");
    ::AppendMenuW(menu.GetSafeHmenu(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING | MF_GRAYED | MF_CHECKED, 501, L"&Save");
    m_pSite->m_nIdleFlags = 0;
    EXPECT_TRUE(m_pBar->LoadMenu(&menu));
    ASSERT_EQ(m_pBar->GetControlCount(), 2);
    EXPECT_TRUE(m_pBar->GetControl(1)->GetBeginGroup());
    EXPECT_FALSE(m_pBar->GetControl(1)->GetEnabled());
    EXPECT_TRUE(m_pBar->GetControl(1)->GetChecked());
    EXPECT_EQ(m_pSite->m_nIdleFlags & 0xC, 0xCu);

    CMenu notMenu;
    EXPECT_FALSE(m_pBar->LoadMenu(&notMenu));
    EXPECT_EQ(m_pBar->GetControlCount(), 2);
}

TEST(CommandBarCopy, CopiesItsValuesButNotTextBelowIconsOrAnimation)
{
    CZMRBarManager manager;
    CBarFixture source;
    CZMRCommandBar* pSource = source.m_pBar;
    pSource->SetType(zmrBarTypePopup);
    pSource->SetBarID(42);
    pSource->SetFlags(0x40);
    pSource->SetBarStyle(0);
    pSource->SetTitle(L"Formatting");
    pSource->SetCustomizable(FALSE);
    pSource->SetMRUWidth(120);
    pSource->SetIconSize(CSize(24, 24));
    pSource->SetButtonSize(CSize(30, 28));
    pSource->SetBarManager(&manager);
    pSource->SetDefaultButtonStyle(zmrButtonCaption);
    pSource->SetShowTextBelowIcons(1);
    pSource->EnableAnimation(TRUE);
    source.Add(20, 20);
    source.Add(20, 20);

    CZMRCommandBar* pClone = pSource->Clone();
    ASSERT_NE(pClone, nullptr);
    EXPECT_EQ(pClone->GetType(), zmrBarTypePopup);
    EXPECT_EQ(pClone->GetBarID(), 42);
    EXPECT_EQ(pClone->GetFlags(), 0x40u);
    EXPECT_EQ(pClone->GetBarStyle(), 0u);
    EXPECT_EQ(pClone->GetTitle(), CString(L"Formatting"));
    EXPECT_FALSE(pClone->IsCustomizable());
    EXPECT_EQ(pClone->GetMRUWidth(), 120);
    EXPECT_EQ(pClone->GetIconSize(), CSize(24, 24));
    EXPECT_EQ(pClone->GetButtonSize(), CSize(30, 28));
    EXPECT_EQ(pClone->GetBarManager(), &manager);
    EXPECT_EQ(pClone->GetDefaultButtonStyle(), zmrButtonCaption);
    EXPECT_EQ(pClone->GetControlCount(), 2);
    EXPECT_EQ(pClone->GetShowTextBelowIcons(), 2);
    EXPECT_FALSE(pClone->IsAnimationEnabled());
    pClone->InternalRelease();
}

TEST_F(CommandBarTest, CreationRegistersForCustomizeDragAndDestructionUndoesIt)
{
    CZMRControlDragHelper* pDrag = m_pManager->GetDragHelper();
    ASSERT_EQ(pDrag->GetRegisteredCount(), 1);
    EXPECT_EQ(pDrag->GetRegisteredAt(0), m_pBar);
    // The window holds a reference on the manager's tooltip context.
    CZMRToolTipContext* pToolTips = m_pManager->GetToolTipContext();
    const long nToolTipRefs = pToolTips->GetRefCount();

    auto* pNoDrag = new CProbeBar;
    pNoDrag->SetBarManager(m_pManager);
    pNoDrag->SetPosition(zmrBarNoDrag);
    ASSERT_TRUE(pNoDrag->Create(m_pSite, CRect(0, 40, 50, 60), 1));
    EXPECT_EQ(pDrag->GetRegisteredCount(), 1);
    pNoDrag->InternalRelease();

    // OnDestroyBar leaves tracking, forgets the hot bar, empties and destroys.
    m_pBar->SetMenuLoopActive(TRUE);
    m_pBar->SetHotControl(1);
    m_pBar->OnDestroyBar();
    EXPECT_FALSE(m_pBar->IsTrackingMode());
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_pHotBar, nullptr);
    EXPECT_EQ(m_pBar->GetControlCount(), 0);
    EXPECT_EQ(m_pBar->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pDrag->GetRegisteredCount(), 0);
    EXPECT_EQ(pToolTips->GetRefCount(), nToolTipRefs - 1);
}
