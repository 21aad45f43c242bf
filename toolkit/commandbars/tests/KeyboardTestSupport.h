// What the keyboard tests share: real keys typed on the test desktop and
// pumped, counted beeps, the site frame in front, and a menu bar with menus.
#pragma once
#include "BarTestSupport.h"
#include "CTestInput.h"
#include "CZMRMenuBar.h"
#include "CZMRPopupBar.h"
#include "CommandBarsTestResources.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Counts the beeps of keys that nothing takes.
inline int g_nBeeps = 0;
inline BOOL WINAPI CountBeep(UINT)
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
inline std::vector<CPostedSysCommand> g_sysCommands;

// Pumps until the thread has no key input left, keeping posted
// WM_SYSCOMMAND messages instead of dispatching them.
inline void PumpKeys()
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
inline void TypeKeys(const std::vector<DWORD>& keys)
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

inline std::string Narrow(const CString& str)
{
    std::string s;
    for (int i = 0; i < str.GetLength(); i++)
        s += char(str[i]);
    return s;
}

// A menu bar docked on the site with File (Open, Save, a Recent submenu,
// Exit), Edit (Copy, Cut) and View (Zoom) menus.
class MenuBarKeysFixture : public KeyboardTest
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

