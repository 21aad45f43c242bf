// The keyboard of tracking bars, driven by real keys on the test's own
// desktop: the keyboard manager's hook hands them to the bars, which move
// the hot control, open and close popups, run commands and pick mnemonics.
#include "KeyboardTestSupport.h"
#include "PopupTrackDriver.h"
#include "CTestInput.h"
#include "CZMRMenuBar.h"
#include "CZMRPopupBar.h"
#include "CZMRMouseManager.h"
#include "CommandBarsTestResources.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// ---------------------------------------------------------------- a tracked popup

class TrackedPopupKeys : public KeyboardTest
{
protected:
    void SetUp() override
    {
        KeyboardTest::SetUp();
        m_pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
        ASSERT_NE(m_pPopup, nullptr);
        CMenu menu;
        menu.Attach(::CreatePopupMenu());
        ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 500, L"&Open");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 501, L"&Save");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING | MF_GRAYED, 502, L"&Print");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 503, L"E&xit");
        ASSERT_TRUE(m_pPopup->LoadMenu(&menu));
    }
    void TearDown() override
    {
        g_onTimer = nullptr;
        g_pSafetyBar = nullptr;
        if (m_pPopup)
            m_pPopup->InternalRelease();
        KeyboardTest::TearDown();
    }
    // Tracks the popup for its result; the keys are typed inside its loop.
    int TrackTyping(const std::vector<DWORD>& keys)
    {
        g_onTimer = [keys] { TypeKeys(keys); };
        g_pSafetyBar = m_pPopup;
        ::SetTimer(nullptr, 0, 20, DriveProc);
        const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 5000, SafetyProc);
        const int nResult = CZMRCommandBar::TrackPopupBar(m_pPopup, 0x100, 100, 100, m_pSite);
        ::KillTimer(nullptr, nSafety);
        return nResult;
    }

    CZMRPopupBar* m_pPopup = nullptr;
};

// Escape ends the loop with no command; arrows, Home, End, Enter and the
// access letters choose one. The disabled item is passed over by its letter.
TEST_F(TrackedPopupKeys, KeysChooseOrCancel)
{
    const struct
    {
        const char* name;
        std::vector<DWORD> keys;
        int nResult;
        int nBeeps;
    } cases[] = {
        {"Escape", {VK_ESCAPE}, 0, 0},
        {"Down Enter", {VK_DOWN, VK_RETURN}, 500, 0},
        {"Down Down Enter", {VK_DOWN, VK_DOWN, VK_RETURN}, 501, 0},
        {"Up wraps to the last", {VK_UP, VK_RETURN}, 503, 0},
        {"End Home", {VK_END, VK_HOME, VK_RETURN}, 500, 0},
        {"Down Tab", {VK_DOWN, VK_TAB, VK_RETURN}, 501, 0},
        {"Shift+Tab", {VK_DOWN, VK_TAB | SHIFTED, VK_RETURN}, 503, 0},
        {"letter S", {'S'}, 501, 0},
        {"letter X after the ampersand", {'X'}, 503, 0},
        {"letter of a disabled item beeps", {'P', VK_ESCAPE}, 0, 1},
        {"letter of nothing beeps", {'Q', VK_ESCAPE}, 0, 1},
        {"Shift alone", {VK_SHIFT, VK_ESCAPE}, 0, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_nBeeps = 0;
        m_pSite->Clear();
        EXPECT_EQ(c.nResult, TrackTyping(c.keys));
        EXPECT_FALSE(m_pPopup->IsTrackingMode());
        EXPECT_EQ(c.nBeeps, g_nBeeps);
        EXPECT_TRUE(Executed().empty()) << "the chosen command is returned, not sent";
    }
}

// Each key first goes to the site (10330) with the bar, before the bar acts.
TEST_F(TrackedPopupKeys, TheSiteHearsOfEachKeyFirst)
{
    EXPECT_EQ(0, TrackTyping({VK_DOWN, VK_ESCAPE}));
    const auto keys = m_pSite->Messages(ZMR_WM_TRACKINGKEYDOWN);
    ASSERT_EQ(2u, keys.size());
    EXPECT_EQ(UINT(VK_DOWN), keys[0].nChar);
    EXPECT_EQ(UINT(VK_ESCAPE), keys[1].nChar);
}

// ---------------------------------------------------------------- bars of probes

// A probe bar in keyboard menu mode at a position, with three probes, the
// first hot.
class ProbeBarKeys : public KeyboardTest
{
protected:
    CProbeBar* MakeBar(int nPosition, BOOL bRightToLeft, int nControls = 3)
    {
        CProbeBar* pBar = new CProbeBar;
        pBar->SetBarManager(m_pManager);
        pBar->SetPosition(nPosition);
        EXPECT_TRUE(pBar->Create(m_pSite, CRect(0, 0, 400, 24), nControls));
        if (bRightToLeft)
            pBar->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
        pBar->SetMenuLoopActive(1, FALSE, 1);
        pBar->SetHotControl(0, 2);
        for (int i = 0; i < nControls; i++)
            pBar->Probe(i)->TakeCalls();
        m_bars.push_back(pBar);
        return pBar;
    }
    void TearDown() override
    {
        for (CProbeBar* pBar : m_bars)
        {
            pBar->SetMenuLoopActive(FALSE);
            pBar->DestroyWindow();
            pBar->InternalRelease();
        }
        KeyboardTest::TearDown();
    }
    std::vector<CProbeBar*> m_bars;
};

// The arrows follow the bar's orientation and reading direction; Down on a
// horizontal bar opens the hot control's popup, Enter clicks it.
TEST_F(ProbeBarKeys, ArrowsFollowTheBarsOrientation)
{
    using Calls = std::vector<std::string>;
    const struct
    {
        const char* name;
        int nPosition;
        BOOL bRightToLeft;
        DWORD dwKey;
        int nHot;
        Calls calls;    // of the first probe
    } cases[] = {
        {"top, Right", zmrBarTop, FALSE, VK_RIGHT, 1, {}},
        {"top, Left wraps", zmrBarTop, FALSE, VK_LEFT, 2, {}},
        {"right to left, Left moves on", zmrBarTop, TRUE, VK_LEFT, 1, {}},
        {"right to left, Right moves back", zmrBarTop, TRUE, VK_RIGHT, 2, {}},
        {"top, Down opens", zmrBarTop, FALSE, VK_DOWN, 0, {"open"}},
        {"top, Up with nothing popped stays", zmrBarTop, FALSE, VK_UP, 0, {}},
        {"floating, Right", zmrBarFloating, FALSE, VK_RIGHT, 1, {}},
        {"left side, Down moves", zmrBarLeft, FALSE, VK_DOWN, 1, {}},
        {"left side, Up wraps", zmrBarLeft, FALSE, VK_UP, 2, {}},
        {"left side, Right opens", zmrBarLeft, FALSE, VK_RIGHT, 0, {"open"}},
        {"End", zmrBarTop, FALSE, VK_END, 2, {}},
        {"Tab", zmrBarTop, FALSE, VK_TAB, 1, {}},
        {"Enter", zmrBarTop, FALSE, VK_RETURN, 0, {"key click"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CProbeBar* pBar = MakeBar(c.nPosition, c.bRightToLeft);
        TypeKeys({c.dwKey});
        EXPECT_EQ(c.nHot, pBar->GetHotIndex());
        EXPECT_EQ(c.calls, pBar->Probe(0)->TakeCalls());
        EXPECT_TRUE(pBar->IsTrackingMode());
        EXPECT_EQ(0, g_nBeeps);
        m_pManager->CancelTracking();
    }
}

// An access letter two controls share makes the next one hot without
// activating it; a letter of one control activates it; a first letter
// counts only while no "&" letter answers.
TEST_F(ProbeBarKeys, AccessLetters)
{
    using Calls = std::vector<std::string>;
    const struct
    {
        const char* name;
        std::vector<const wchar_t*> captions;
        DWORD dwKey;
        int nHot;
        int nActivated;   // the probe that got its access key, -1 none
        int nBeeps;
    } cases[] = {
        {"unique ampersand", {L"&One", L"&Two", L"T&hree"}, 'H', 2, 2, 0},
        {"shared ampersand", {L"&One", L"&Two", L"&Three"}, 'T', 1, -1, 0},
        {"ampersand before first letter", {L"&One", L"Tea", L"&Tin"}, 'T', 2, 2, 0},
        {"unique first letter", {L"&One", L"Tea", L"Up"}, 'U', 2, 2, 0},
        {"shared first letter", {L"One", L"Tea", L"Tin"}, 'T', 1, -1, 0},
        {"an ampersand at the end counts as none", {L"One&", L"Tea", L"Up"}, 'O', 0, 0, 0},
        {"no control", {L"&One", L"&Two", L"&Three"}, 'Z', 0, -1, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_nBeeps = 0;
        CProbeBar* pBar = MakeBar(zmrBarLeft, FALSE);
        for (int i = 0; i < 3; i++)
            pBar->Probe(i)->SetCaption(c.captions[size_t(i)]);
        TypeKeys({c.dwKey});
        EXPECT_EQ(c.nHot, pBar->GetHotIndex());
        for (int i = 0; i < 3; i++)
        {
            const Calls calls = pBar->Probe(i)->TakeCalls();
            EXPECT_EQ(i == c.nActivated ? Calls{"access key"} : Calls{}, calls) << i;
        }
        EXPECT_EQ(c.nBeeps, g_nBeeps);
        m_pManager->CancelTracking();
    }
}

// A disabled control is no answer to its letter; Ctrl with a letter beeps.
TEST_F(ProbeBarKeys, DisabledControlsAndCtrlFindNothing)
{
    CProbeBar* pBar = MakeBar(zmrBarLeft, FALSE);
    pBar->Probe(1)->SetCaption(L"&Two");
    pBar->Probe(1)->SetEnabled(FALSE);
    TypeKeys({'T', 'T' | CTRL});
    EXPECT_EQ(0, pBar->GetHotIndex());
    EXPECT_TRUE(pBar->Probe(1)->TakeCalls().empty());
    EXPECT_EQ(2, g_nBeeps);
}

// A popup tool bar moves through its rows: Down and Up go to the control of
// the next row whose left edge is nearest, wrapping at the ends.
TEST_F(ProbeBarKeys, GridBarMovesByRows)
{
    // Row one: x 0, 30, 60; row two: x 10, 50.
    const CRect rcRow1(0, 0, 90, 20), rcRow2(0, 30, 90, 50);
    const int lefts[] = {0, 30, 60, 10, 50};
    const struct
    {
        const char* name;
        int nStart;
        DWORD dwKey;
        int nHot;
    } cases[] = {
        {"Down, equal distances: the first found", 1, VK_DOWN, 3},
        {"Down from the last row wraps", 4, VK_DOWN, 2},
        {"Up, equal distances: the first found", 1, VK_UP, 4},
        {"Up from the second row", 3, VK_UP, 0},
        {"Right is the next control", 2, VK_RIGHT, 3},
        {"Left is the previous control", 3, VK_LEFT, 2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CProbeBar* pBar = MakeBar(zmrBarPopup, FALSE, 5);
        pBar->SetType(zmrBarTypeNormal);
        for (int i = 0; i < 5; i++)
        {
            const CRect rcRow = i < 3 ? rcRow1 : rcRow2;
            pBar->Probe(i)->SetRect(CRect(lefts[i], rcRow.top, lefts[i] + 20, rcRow.bottom));
            pBar->Probe(i)->SetRowRect(rcRow);
        }
        pBar->SetHotControl(c.nStart, 2);
        TypeKeys({c.dwKey});
        EXPECT_EQ(c.nHot, pBar->GetHotIndex());
        m_pManager->CancelTracking();
    }
}

// A key the bar has no use for is offered to the bar tracked before it.
TEST_F(ProbeBarKeys, AKeyTheLastBarDoesNotTakeGoesToTheBarBefore)
{
    CProbeBar* pFirst = MakeBar(zmrBarTop, FALSE);
    CProbeBar* pSecond = MakeBar(zmrBarLeft, FALSE);
    // The second bar has nothing popped to close on Left.
    TypeKeys({VK_LEFT});
    EXPECT_EQ(0, pSecond->GetHotIndex());
    EXPECT_EQ(2, pFirst->GetHotIndex());
    // Down is the second bar's.
    TypeKeys({VK_DOWN});
    EXPECT_EQ(1, pSecond->GetHotIndex());
    EXPECT_EQ(2, pFirst->GetHotIndex());
}

// ---------------------------------------------------------------- a menu bar and its menus

using MenuBarKeys = MenuBarKeysFixture;

// Key sequences from keyboard menu mode (Alt alone) to the hot control of
// the menu bar and of each open menu.
TEST_F(MenuBarKeys, KeySequencesMoveThroughTheMenus)
{
    const struct
    {
        const char* name;
        std::vector<DWORD> keys;
        const char* state;
    } cases[] = {
        {"Alt", {}, "&File"},
        {"Right", {VK_RIGHT}, "&Edit"},
        {"Left wraps", {VK_LEFT}, "&View"},
        {"Down opens with the first item", {VK_DOWN}, "&File > &Open"},
        {"Enter opens as well", {VK_RETURN}, "&File > &Open"},
        {"Up opens as well", {VK_UP}, "&File > &Open"},
        {"Down Up wraps in the menu", {VK_DOWN, VK_UP}, "&File > E&xit"},
        {"Right from a command goes to the next menu", {VK_DOWN, VK_RIGHT}, "&Edit > &Copy"},
        {"Left from a top menu goes to the previous menu", {VK_RIGHT, VK_DOWN, VK_LEFT}, "&File > &Open"},
        {"Right opens a submenu", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}, "&File > &Recent > &First"},
        {"Left closes the submenu", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT}, "&File > &Recent"},
        {"Escape in a submenu returns to its menu", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE},
         "&File > &Recent"},
        {"Escape in a menu returns to the bar", {VK_DOWN, VK_ESCAPE}, "&File"},
        {"and the bar moves without opening", {VK_DOWN, VK_ESCAPE, VK_RIGHT}, "&Edit"},
        {"Escape on the bar leaves menu mode", {VK_ESCAPE}, "-"},
        {"a letter opens its menu", {'E'}, "&Edit > &Copy"},
        {"letters open submenus", {'F', 'R'}, "&File > &Recent > &First"},
        {"a shared letter moves without choosing", {'E', 'C'}, "&Edit > &Cut"},
        {"End and Home", {VK_END, VK_HOME}, "&File"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        // Alt pressed and released alone puts the bar in keyboard menu mode.
        TypeKeys({VK_MENU});
        ASSERT_TRUE(m_pBar->IsTrackingMode());
        TypeKeys(c.keys);
        EXPECT_EQ(c.state, Describe());
        EXPECT_TRUE(Executed().empty());
        m_pManager->CancelTracking();
        PumpKeys();
    }
    EXPECT_EQ(0, g_nBeeps);
}

// Enter and a unique letter run the command and close every menu.
TEST_F(MenuBarKeys, CommandsRunAndCloseTheMenus)
{
    const struct
    {
        const char* name;
        std::vector<DWORD> keys;
        int nId;
    } cases[] = {
        {"Enter", {VK_MENU, VK_DOWN, VK_DOWN, VK_RETURN}, 702},
        {"letters", {VK_MENU, 'F', 'X'}, 703},
        {"letters into a submenu", {VK_MENU, 'F', 'R', 'S'}, 712},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pSite->Clear();
        TypeKeys(c.keys);
        EXPECT_EQ(std::vector<int>{c.nId}, Executed());
        EXPECT_EQ("-", Describe());
        EXPECT_EQ(0, CZMRMouseManager::GetThreadMouseManager()->GetTrackedCount());
    }
}

// Space on the menu bar leaves menu mode and asks the frame for its system
// menu; on a menu it is an ordinary key.
TEST_F(MenuBarKeys, SpaceOpensTheSystemMenuOnlyFromTheBar)
{
    TypeKeys({VK_MENU, VK_SPACE});
    EXPECT_EQ("-", Describe());
    ASSERT_EQ(1u, g_sysCommands.size());
    EXPECT_EQ(WPARAM(SC_KEYMENU), g_sysCommands[0].wParam);

    g_sysCommands.clear();
    TypeKeys({VK_MENU, VK_DOWN, VK_SPACE});
    EXPECT_EQ("&File > &Open", Describe());
    EXPECT_TRUE(g_sysCommands.empty());
    EXPECT_EQ(1, g_nBeeps) << "no item answers to Space";
}
} // namespace
