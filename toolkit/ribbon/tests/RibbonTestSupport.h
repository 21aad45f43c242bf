// Shared pieces of the ribbon tests: the ribbon test skin bound for one
// scope, a ribbon host on the test's desktop, the keyboard tips shown, and a
// step run inside a menu.
#pragma once
#include "CRibbonHost.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMROffice2007Images.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"
#include "CZMRMouseManager.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The ribbon test skin (or one of its other tables) bound to the image set
// for one scope; the previous binding is put back after.
class CRibbonSkinBound
{
public:
    explicit CRibbonSkinBound(LPCWSTR lpszTable = nullptr) : m_hOld(GetOffice2007Images()->GetHandle())
    {
        GetOffice2007Images()->SetHandle(::LoadLibraryW(L"zm_ribbonskin.dll"), lpszTable, TRUE);
    }
    ~CRibbonSkinBound() { GetOffice2007Images()->SetHandle(m_hOld); }

private:
    HMODULE m_hOld;
};

// The colour a key of the test skin's "Ribbon" section holds.
inline COLORREF SkinColor(int nRed, int nGreen, int nBlue)
{
    return RGB(nRed, nGreen, nBlue);
}

// A step that a timer runs inside the menu this thread tracks next (the step
// ends the menu), and a safety timer that closes the tracked bars when the
// menu is still open after 3 s; both end with the object.
class CInMenuStep
{
public:
    explicit CInMenuStep(std::function<void()> step, UINT nDelay = 20)
    {
        Step() = std::move(step);
        m_nSafety = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR nId, DWORD) {
            ::KillTimer(nullptr, nId);
            ADD_FAILURE() << "the menu was still open when the safety timer fired";
            CZMRMouseManager::GetThreadMouseManager()->CloseAllTracked();
        });
        ::SetTimer(nullptr, 0, nDelay, [](HWND, UINT, UINT_PTR nId, DWORD) {
            ::KillTimer(nullptr, nId);
            std::function<void()> run = Step();
            Step() = nullptr;
            if (run)
                run();
        });
    }
    ~CInMenuStep()
    {
        ::KillTimer(nullptr, m_nSafety);
        Step() = nullptr;
    }
    CInMenuStep(const CInMenuStep&) = delete;
    CInMenuStep& operator=(const CInMenuStep&) = delete;
    // The step has not run yet.
    static bool Pending() { return static_cast<bool>(Step()); }

private:
    static std::function<void()>& Step()
    {
        static std::function<void()> s_step;
        return s_step;
    }
    UINT_PTR m_nSafety;
};

// The ids of the commands the host's controls ran (code 100), in order;
// the tab strip's own notifications left out.
inline std::vector<int> ExecutedIds(const CRibbonHost& host)
{
    std::vector<int> ids;
    for (const auto& n : host.m_notifications)
    {
        if (n.nCode == 100 && n.pControl && n.pControl != host.Ribbon()->GetControlTab())
            ids.push_back(n.pControl->GetID());
    }
    return ids;
}

// The texts of the manager's tips that have windows, in list order.
inline std::vector<std::string> ShownTipTexts(const CZMRBarManager* pManager)
{
    std::vector<std::string> tips;
    for (int i = 0; i < pManager->GetKeyboardTipCount(); i++)
    {
        CZMRCommandBarKeyboardTip* pTip = pManager->GetKeyboardTip(i);
        if (!pTip->GetSafeHwnd())
            continue;
        std::string s;
        for (int c = 0; c < pTip->GetTipText().GetLength(); c++)
            s += char(pTip->GetTipText()[c]);
        tips.push_back(s);
    }
    return tips;
}

// Pumps messages until the tips of that level show (of that bar, when one
// is given); false when they have not after 5 s.
inline bool WaitForTips(const CZMRBarManager* pManager, int nLevel, const CZMRCommandBar* pBar = nullptr)
{
    const DWORD dwStart = ::GetTickCount();
    while (!(pManager->AreKeyboardTipsShown() && pManager->GetKeyboardTipLevel() == nLevel &&
             (!pBar || pManager->GetKeyboardTipOwner() == pBar)))
    {
        if (::GetTickCount() - dwStart > 5000)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        CRibbonHost::Pump();
    }
    return true;
}
