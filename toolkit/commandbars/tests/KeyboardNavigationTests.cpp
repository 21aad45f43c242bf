// The keyboard of tracking bars, driven by real keys on the test's own
// desktop: the keyboard manager's hook hands them to the bars, which move
// the hot control, open and close popups, run commands and pick mnemonics.
#include "BarTestSupport.h"
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
// Counts the beeps of keys that nothing takes.
int g_nBeeps = 0;
BOOL WINAPI CountBeep(UINT)
{
    g_nBeeps++;
    return TRUE;
}

// The system-menu request the menu bar posts for Space; dispatching it
// would open the frame's system menu.
struct CPostedSysCommand
{
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<CPostedSysCommand> g_sysCommands;

// Pumps until the thread has no key input left, keeping posted
// WM_SYSCOMMAND messages instead of dispatching them.
void PumpKeys()
{
    for (int nRound = 0; nRound < 3; nRound++)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_SYSCOMMAND && msg.lParam == 32)
            {
                g_sysCommands.push_back({msg.wParam, msg.lParam});
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0)
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Types the keys one after the other, each pressed and released, the
// messages pumped after each one. A key with 0x10000 is typed with Shift,
// 0x20000 with Ctrl.
const DWORD SHIFTED = 0x10000, CTRL = 0x20000;
void TypeKeys(const std::vector<DWORD>& keys)
{
    CHeldKeys held;
    for (const DWORD dwKey : keys)
    {
        if (dwKey & SHIFTED)
            held.Press(VK_SHIFT);
        if (dwKey & CTRL)
            held.Press(VK_CONTROL);
        held.Type(WORD(dwKey & 0xFFFF));
        if (dwKey & CTRL)
            held.Release(VK_CONTROL);
        if (dwKey & SHIFTED)
            held.Release(VK_SHIFT);
        PumpKeys();
    }
}

// The site frame of the bar tests in front; beeps are counted.
class KeyboardTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        g_nBeeps = 0;
        g_sysCommands.clear();
        m_pfnOldBeep = CZMRCommandBar::s_pfnMessageBeep;
        CZMRCommandBar::s_pfnMessageBeep = &CountBeep;
        BarSiteTest::SetUp();
        m_pManager->GetOptions()->bDisableWithoutHandler = FALSE;
        ::SetForegroundWindow(m_pSite->GetSafeHwnd());
        m_pSite->SetFocus();
        PumpKeys();
    }
    void TearDown() override
    {
        CZMRCommandBar::s_pfnMessageBeep = m_pfnOldBeep;
        BarSiteTest::TearDown();
        PumpKeys();
    }
    // The commands the site was asked to run, in order.
    std::vector<int> Executed() const
    {
        std::vector<int> ids;
        for (const auto& msg : m_pSite->Messages(ZMR_WM_CONTROLNOTIFY))
            ids.push_back(int(msg.wParam));
        return ids;
    }

    BOOL(WINAPI* m_pfnOldBeep)(UINT) = nullptr;
};

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

std::string Narrow(const CString& str)
{
    std::string s;
    for (int i = 0; i < str.GetLength(); i++)
        s += char(str[i]);
    return s;
}

class MenuBarKeys : public KeyboardTest
{
protected:
    void SetUp() override
    {
        KeyboardTest::SetUp();
        m_pBar = static_cast<CZMRMenuBar*>(
            CZMRBarManager::CreateBar(RUNTIME_CLASS(CZMRMenuBar), RUNTIME_CLASS(CZMRMenuBar), m_pManager));
        ASSERT_NE(m_pBar, nullptr);
        m_pManager->AddBar(m_pBar);
        ASSERT_TRUE(m_pManager->DockToolBarSide(m_pBar, 0));
        ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));

        CMenu menu, file, recent, edit, view;
        menu.CreateMenu();
        file.CreatePopupMenu();
        recent.CreatePopupMenu();
        edit.CreatePopupMenu();
        view.CreatePopupMenu();
        ::AppendMenuW(recent.GetSafeHmenu(), MF_STRING, 711, L"&First");
        ::AppendMenuW(recent.GetSafeHmenu(), MF_STRING, 712, L"&Second");
        ::AppendMenuW(file.GetSafeHmenu(), MF_STRING, 701, L"&Open");
        ::AppendMenuW(file.GetSafeHmenu(), MF_STRING, 702, L"&Save");
        ::AppendMenuW(file.GetSafeHmenu(), MF_POPUP, UINT_PTR(recent.Detach()), L"&Recent");
        ::AppendMenuW(file.GetSafeHmenu(), MF_STRING, 703, L"E&xit");
        ::AppendMenuW(edit.GetSafeHmenu(), MF_STRING, 704, L"&Copy");
        ::AppendMenuW(edit.GetSafeHmenu(), MF_STRING, 705, L"&Cut");
        ::AppendMenuW(view.GetSafeHmenu(), MF_STRING, 708, L"&Zoom");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_POPUP, UINT_PTR(file.Detach()), L"&File");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_POPUP, UINT_PTR(edit.Detach()), L"&Edit");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_POPUP, UINT_PTR(view.Detach()), L"&View");
        ASSERT_TRUE(m_pBar->LoadMenu(&menu));
        m_pSite->RecalcLayout();
        PumpKeys();
        ASSERT_EQ(3, m_pBar->GetControlCount());
        m_pSite->Clear();
    }

    // The open popup of a bar, or none.
    static CZMRCommandBar* OpenPopupOf(CZMRCommandBar* pBar)
    {
        CZMRControl* pPopped = pBar ? pBar->GetControl(pBar->GetPoppedIndex()) : nullptr;
        CZMRCommandBar* pPopup = pPopped ? pPopped->GetCommandBar() : nullptr;
        return pPopup && pPopup->IsTrackingMode() ? pPopup : nullptr;
    }
    // "caption of the menu bar's hot control > caption of the open menu's hot
    // control > ..." and "-" when the bar does not track.
    std::string Describe() const
    {
        if (!m_pBar->IsTrackingMode())
            return "-";
        std::string s;
        for (CZMRCommandBar* pBar = m_pBar; pBar; pBar = OpenPopupOf(pBar))
        {
            if (!s.empty())
                s += " > ";
            CZMRControl* pHot = pBar->GetControl(pBar->GetHotIndex());
            s += pHot ? Narrow(pHot->GetCaption()) : std::string("(none)");
        }
        return s;
    }

    CZMRMenuBar* m_pBar = nullptr;
};

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
