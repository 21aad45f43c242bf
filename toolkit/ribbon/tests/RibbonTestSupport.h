// Shared pieces of the ribbon tests: the ribbon test skin bound for one
// scope, a ribbon host on the test's desktop, and a step run inside a menu.
#pragma once
#include "CRibbonHost.h"
#include "CZMROffice2007Images.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"
#include "CZMRMouseManager.h"

#include <functional>
#include <gtest/gtest.h>

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
