// Popup bars tracked for a caller: the modal loop is driven from a timer
// callback inside it, with a safety timer that ends tracking.
#include "BarTestSupport.h"
#include "PopupTrackDriver.h"
#include "CZMRPopupBar.h"
#include "CZMRMouseManager.h"
#include "CTestInput.h"
#include "CZMRImageManager.h"
#include <gtest/gtest.h>

namespace
{
class PopupBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pSite = CRecordingSiteFrame::Create(CRect(0, 0, 600, 400));
        ASSERT_NE(m_pSite, nullptr);
        m_pManager = new CRecordingManager;
        ASSERT_TRUE(m_pManager->Attach(m_pSite));
        // The site handles none of the popup's commands; they stay enabled.
        m_pManager->GetOptions()->bDisableWithoutHandler = FALSE;
        m_pTheme = new CFillTheme;
        m_pManager->SetPaintManager(m_pTheme);
        m_pTheme->InternalRelease();
        m_pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
        ASSERT_NE(m_pPopup, nullptr);
        CMenu menu;
        menu.Attach(::CreatePopupMenu());
        ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 500, L"&Open");
        ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 501, L"&Save");
        ASSERT_TRUE(m_pPopup->LoadMenu(&menu));
        m_pSite->Clear();
    }
    void TearDown() override
    {
        g_onTimer = nullptr;
        g_pSafetyBar = nullptr;
        if (m_pPopup)
            m_pPopup->InternalRelease();
        delete m_pManager;
        if (m_pSite && ::IsWindow(m_pSite->GetSafeHwnd()))
            m_pSite->DestroyWindow();
    }
    // Tracks the popup at the point; the step runs inside the loop.
    int Track(UINT nFlags, CPoint pt, std::function<void()> step)
    {
        g_onTimer = std::move(step);
        g_pSafetyBar = m_pPopup;
        ::SetTimer(nullptr, 0, 20, DriveProc);
        const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 3000, SafetyProc);
        const int nResult = CZMRCommandBar::TrackPopupBar(m_pPopup, nFlags, pt.x, pt.y, m_pSite);
        // The safety timer belongs to this call only.
        ::KillTimer(nullptr, nSafety);
        return nResult;
    }
    size_t Count(UINT nMessage) const { return m_pSite->Messages(nMessage).size(); }

    CRecordingSiteFrame* m_pSite = nullptr;
    CRecordingManager* m_pManager = nullptr;
    CFillTheme* m_pTheme = nullptr;
    CZMRPopupBar* m_pPopup = nullptr;
};

TEST_F(PopupBarTest, ChosenCommandIsReturnedAndNotSent)
{
    CRect rcWhileOpen;
    BOOL bTopMost = FALSE;
    const int nResult = Track(0x100, CPoint(100, 100), [&] {
        m_pPopup->GetWindowRect(&rcWhileOpen);
        bTopMost = (m_pPopup->GetExStyle() & WS_EX_TOPMOST) != 0;
        m_pPopup->GetControl(1)->OnExecute();
    });
    EXPECT_EQ(501, nResult);
    EXPECT_EQ(0u, Count(ZMR_WM_CONTROLNOTIFY));
    EXPECT_EQ(1u, Count(ZMR_WM_POPUPOPENING));
    EXPECT_EQ(1u, Count(ZMR_WM_POPUPCLOSED));
    EXPECT_EQ(CPoint(100, 100), rcWhileOpen.TopLeft());
    EXPECT_GT(rcWhileOpen.Height(), 0);
    EXPECT_TRUE(bTopMost);
    // The window goes, the object stays and no longer points at the result.
    EXPECT_EQ(nullptr, m_pPopup->GetSafeHwnd());
    EXPECT_EQ(nullptr, m_pPopup->m_pReturnCmd);
}

TEST_F(PopupBarTest, WithoutReturnFlagTheCommandGoesToTheOwner)
{
    const int nResult = Track(0, CPoint(100, 100), [&] { m_pPopup->GetControl(0)->OnExecute(); });
    EXPECT_EQ(1, nResult);
    const auto notes = m_pSite->Messages(ZMR_WM_CONTROLNOTIFY);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(500u, notes[0].wParam);
}

// Closing without a choice returns 0, and a popup closed later (after the
// call ended) writes nowhere.
TEST_F(PopupBarTest, NoChoiceReturnsZeroAndTheSlotIsCleared)
{
    EXPECT_EQ(0, Track(0x100, CPoint(100, 100), [&] { m_pPopup->SetMenuLoopActive(FALSE); }));
    EXPECT_EQ(nullptr, m_pPopup->m_pReturnCmd);

    // Opened again without tracking: executing sends the command.
    ASSERT_TRUE(m_pPopup->OpenAsPopup(nullptr));
    m_pPopup->GetControl(0)->OnExecute();
    EXPECT_EQ(1u, Count(ZMR_WM_CONTROLNOTIFY));
}

TEST_F(PopupBarTest, RightAlignedOpensLeftOfThePoint)
{
    CRect rc;
    Track(0x8, CPoint(300, 100), [&] {
        m_pPopup->GetWindowRect(&rc);
        m_pPopup->SetMenuLoopActive(FALSE);
    });
    EXPECT_EQ(300, rc.right);
}

// A click outside ends the loop and stays in the queue for its window.
TEST_F(PopupBarTest, ClickOutsideEndsTrackingAndReachesItsWindow)
{
    CRect rcSite;
    m_pSite->GetWindowRect(&rcSite);
    const CPoint ptOutside(rcSite.left + 400, rcSite.top + 300);
    const int nResult = Track(0x100, CPoint(rcSite.left + 50, rcSite.top + 60), [&] {
        CTestInput::MoveTo(ptOutside);
        CTestInput::Button(VK_LBUTTON, true);
        CTestInput::Button(VK_LBUTTON, false);
    });
    EXPECT_EQ(0, nResult);
    EXPECT_FALSE(m_pPopup->IsTrackingMode());
    // The press waits for the window under the point, not for the popup.
    MSG msg = {};
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE));
    EXPECT_EQ(m_pSite->GetSafeHwnd(), msg.hwnd);
    PumpUntil([] { return false; }, 50);
}

namespace
{
// A child window that keeps the keyboard messages it gets.
class CKeyWitness : public CWnd
{
public:
    BOOL Create(CWnd* pParent)
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), pParent, 1);
    }
    int Count(UINT nMessage, WPARAM wParam) const
    {
        int n = 0;
        for (const MSG& msg : m_keys)
            n += msg.message == nMessage && msg.wParam == wParam;
        return n;
    }
    std::vector<MSG> m_keys;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
            m_keys.push_back({m_hWnd, message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

// Alt closes the menu from inside the wait for the next message; the
// message the wait then takes is handed on to the window it was meant for,
// and typing goes on there.
TEST_F(PopupBarTest, MessageTakenAfterTrackingEndedReachesItsOwnWindow)
{
    CKeyWitness witness;
    ASSERT_TRUE(witness.Create(m_pSite));
    ::SetForegroundWindow(m_pSite->GetSafeHwnd());
    witness.SetFocus();
    PumpPendingMessages();
    ASSERT_EQ(witness.GetSafeHwnd(), ::GetFocus());
    CHeldKeys keys;
    const int nResult = Track(0x100, CPoint(100, 100), [&] {
        keys.Press(VK_MENU);
        keys.Release(VK_MENU);
        keys.Type('A');
    });
    EXPECT_EQ(0, nResult);
    EXPECT_FALSE(m_pPopup->IsTrackingMode());
    ASSERT_TRUE(PumpUntil([&] { return witness.Count(WM_CHAR, 'a') > 0; }));
    EXPECT_EQ(1, witness.Count(WM_SYSKEYUP, VK_MENU) + witness.Count(WM_KEYUP, VK_MENU))
        << "the Alt release taken by the loop";
    EXPECT_EQ(0, witness.Count(WM_SYSKEYDOWN, VK_MENU)) << "the Alt press closed the menu and went no further";
    EXPECT_EQ(1, witness.Count(WM_KEYDOWN, 'A'));
}

// A quit message closes the popup and is posted again for the loop outside.
TEST_F(PopupBarTest, QuitMessageClosesThePopupAndGoesOn)
{
    const int nResult = Track(0x100, CPoint(100, 100), [&] { ::PostQuitMessage(37); });
    EXPECT_EQ(0, nResult);
    EXPECT_FALSE(m_pPopup->IsTrackingMode());
    EXPECT_EQ(nullptr, m_pPopup->GetSafeHwnd());
    EXPECT_EQ(0, CZMRMouseManager::GetThreadMouseManager()->GetTrackedCount());
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(37u, msg.wParam);
}

// A right-button release over a control chooses it only when tracked for
// the right button.
TEST_F(PopupBarTest, RightButtonReleaseChoosesOnlyWithTheRightButtonFlag)
{
    for (const UINT nFlags : {0x102u, 0x100u})
    {
        const int nResult = Track(nFlags, CPoint(100, 100), [&] {
            const CPoint pt = m_pPopup->GetControl(0)->GetRect().CenterPoint();
            m_pPopup->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            if (m_pPopup->IsTrackingMode())
                m_pPopup->SetMenuLoopActive(FALSE);
        });
        EXPECT_EQ((nFlags & 0x2) ? 500 : 0, nResult) << nFlags;
    }
}

// A popup window destroyed from outside leaves tracking once and tells
// the site once; the object can open again.
TEST_F(PopupBarTest, WindowDestroyedFromOutsideLeavesTrackingOnce)
{
    ASSERT_TRUE(m_pPopup->OpenAsPopup(nullptr));
    ASSERT_TRUE(m_pPopup->IsTrackingMode());
    m_pPopup->DestroyWindow();
    EXPECT_FALSE(m_pPopup->IsTrackingMode());
    EXPECT_EQ(nullptr, m_pPopup->GetSafeHwnd());
    EXPECT_EQ(1u, Count(ZMR_WM_POPUPCLOSED));
    EXPECT_EQ(0, CZMRMouseManager::GetThreadMouseManager()->GetTrackedCount());
    ASSERT_TRUE(m_pPopup->OpenAsPopup(nullptr));
    m_pPopup->SetMenuLoopActive(FALSE);
    EXPECT_EQ(2u, Count(ZMR_WM_POPUPCLOSED));
}

namespace
{
// A window that answers a context-menu request through its handler.
class CContextMenuRequester : public CWnd
{
public:
    std::function<void()> m_onContextMenu;
    int m_nRequests = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CONTEXTMENU && m_onContextMenu)
        {
            m_nRequests++;
            m_onContextMenu();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

// A context menu asked for from the keyboard (WM_CONTEXTMENU with the point
// -1, -1, which arrives widened or as 32 bits) shows the access keys; one
// asked for with the mouse does not.
TEST_F(PopupBarTest, ContextMenuFromTheKeyboardShowsTheKeyboardCues)
{
    CContextMenuRequester requester;
    ASSERT_TRUE(requester.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10),
                                   nullptr, 0));
    const HWND hWnd = requester.GetSafeHwnd();
    ::SetForegroundWindow(hWnd);
    ::SetFocus(hWnd);
    int nRequests = 0;
    const struct
    {
        const char* name;
        std::function<void()> request;
        BOOL bCues;
    } cases[] = {
        {"mouse", [&] { requester.SendMessage(WM_CONTEXTMENU, WPARAM(hWnd), MAKELPARAM(5, 5)); }, FALSE},
        {"mouse at (-1, 5)", [&] { requester.SendMessage(WM_CONTEXTMENU, WPARAM(hWnd), MAKELPARAM(-1, 5)); },
         FALSE},
        {"keyboard, widened", [&] { requester.SendMessage(WM_CONTEXTMENU, WPARAM(hWnd), LPARAM(-1)); }, TRUE},
        {"keyboard, 32 bits",
         [&] { requester.SendMessage(WM_CONTEXTMENU, WPARAM(hWnd), LPARAM(DWORD(0xFFFFFFFF))); }, TRUE},
        // The system makes the request from the context-menu key itself.
        {"context-menu key",
         [&] {
             CHeldKeys keys;
             keys.Type(VK_APPS);
             PumpUntil([&] { return requester.m_nRequests > nRequests; }, 3000);
         },
         TRUE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pManager->ShowKeyboardCues(FALSE);
        BOOL bCuesInside = -1;
        requester.m_onContextMenu = [&] {
            Track(0x100, CPoint(100, 100), [&] {
                bCuesInside = m_pManager->AreKeyboardCuesShown();
                m_pPopup->SetMenuLoopActive(FALSE);
            });
        };
        nRequests = requester.m_nRequests;
        c.request();
        EXPECT_EQ(nRequests + 1, requester.m_nRequests);
        EXPECT_EQ(c.bCues, bCuesInside);
    }
    requester.DestroyWindow();
}

// Without a manager the popup takes its direction from its image manager.
TEST(PopupBarDirection, WithoutManagerTheImageManagerDecides)
{
    CRecordingSiteFrame* pSite = CRecordingSiteFrame::Create(CRect(0, 0, 300, 200));
    ASSERT_NE(pSite, nullptr);
    for (const int nDrawReverted : {0, 1, 2})
    {
        CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
        CZMRImageManager* pImages = new CZMRImageManager;
        pImages->m_nDrawReverted = nDrawReverted;
        pPopup->SetImageManager(pImages);
        pImages->InternalRelease();
        pPopup->SetSiteOverride(pSite);
        ASSERT_TRUE(pPopup->CreatePopupWindow());
        EXPECT_EQ(nDrawReverted == 1, (pPopup->GetExStyle() & WS_EX_LAYOUTRTL) != 0) << nDrawReverted;
        pPopup->DestroyWindow();
        pPopup->InternalRelease();
    }
    pSite->DestroyWindow();
}

namespace
{
// A popup bar that counts the layouts asked of it through the pending bit.
class CLayoutCountingPopup : public CZMRPopupBar
{
public:
    void OnRecalcLayout() override { m_nRecalcs++; }
    int m_nRecalcs = 0;
};
} // namespace

// The popup lays itself out while it opens: the idle update inside the
// opening does not lay it out again, and afterwards the layout is due at
// the next idle time.
TEST_F(PopupBarTest, OpeningLeavesTheLayoutDueForTheNextIdleUpdate)
{
    CLayoutCountingPopup* pPopup = new CLayoutCountingPopup;
    pPopup->SetBarManager(m_pManager);
    pPopup->GetControls()->Add(zmrControlButton, 500);
    pPopup->DelayLayout();
    pPopup->m_nRecalcs = 0;
    ASSERT_TRUE(pPopup->OpenAsPopup(nullptr));
    EXPECT_EQ(0, pPopup->m_nRecalcs);
    EXPECT_TRUE(pPopup->IsLayoutPending());
    pPopup->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(1, pPopup->m_nRecalcs);
    EXPECT_FALSE(pPopup->IsLayoutPending());
    pPopup->SetMenuLoopActive(FALSE);
    pPopup->InternalRelease();
}

// Nested tracking keeps the bars already tracked and suspends their input.
TEST_F(PopupBarTest, NestedTrackingSuspendsTheOuterBars)
{
    CZMRPopupBar* pOuter = CZMRPopupBar::CreatePopupBar(m_pManager);
    ASSERT_TRUE(pOuter->OpenAsPopup(nullptr));
    int nSuspendedInside = -1;
    BOOL bOuterTracking = FALSE;
    Track(0x1, CPoint(200, 200), [&] {
        nSuspendedInside = pOuter->GetInputSuspension();
        bOuterTracking = pOuter->IsTrackingMode();
        m_pPopup->SetMenuLoopActive(FALSE);
    });
    EXPECT_TRUE(bOuterTracking);
    EXPECT_EQ(1, nSuspendedInside);
    EXPECT_EQ(0, pOuter->GetInputSuspension());
    pOuter->SetMenuLoopActive(FALSE);
    pOuter->InternalRelease();
}
} // namespace

#include "CZMRHeaderMenuBars.h"
#include "ArtifactPng.h"
#include <set>

namespace
{
// Once the command bars are installed behind the header's menu, it is a
// popup bar that returns the chosen command.
TEST_F(PopupBarTest, HeaderMenuBecomesAPopupBar)
{
    CZMRHeaderMenuBars::Install();
    CMenu menu;
    menu.Attach(::CreatePopupMenu());
    ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 610, L"&Name");
    ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 611, L"&Size");
    WCHAR szClass[64] = {};
    int nColours = 0;
    bool bSaved = false;
    g_onTimer = [&] {
        CZMRCommandBar* pTracked = CZMRMouseManager::GetThreadMouseManager()->GetLastTracked();
        ASSERT_NE(nullptr, pTracked);
        ::GetClassNameW(pTracked->GetSafeHwnd(), szClass, 64);
        // A picture of the open menu as the window shows it.
        pTracked->UpdateWindow();
        CRect rc;
        pTracked->GetClientRect(&rc);
        HDC hdcWindow = ::GetDC(pTracked->GetSafeHwnd());
        HDC hdcMem = ::CreateCompatibleDC(hdcWindow);
        HBITMAP hbm = ::CreateCompatibleBitmap(hdcWindow, rc.Width(), rc.Height());
        HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
        ::BitBlt(hdcMem, 0, 0, rc.Width(), rc.Height(), hdcWindow, 0, 0, SRCCOPY);
        std::set<COLORREF> colours;
        for (int y = 0; y < rc.Height(); y++)
            for (int x = 0; x < rc.Width(); x++)
                colours.insert(::GetPixel(hdcMem, x, y));
        nColours = int(colours.size());
        bSaved = SaveArtifactPng(L"header_menu_popup.png", rc.Width(), rc.Height(),
                                 [&](int x, int y) { return ::GetPixel(hdcMem, x, y); });
        ::SelectObject(hdcMem, hOld);
        ::DeleteObject(hbm);
        ::DeleteDC(hdcMem);
        ::ReleaseDC(pTracked->GetSafeHwnd(), hdcWindow);
        pTracked->GetControl(1)->OnExecute();
    };
    ::SetTimer(nullptr, 0, 20, DriveProc);
    const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR nId, DWORD) {
        ::KillTimer(nullptr, nId);
        CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
        if (pMouseManager->GetTrackedCount() > 0)
        {
            ADD_FAILURE() << "the header menu was still open when the safety timer fired";
            pMouseManager->CloseAllTracked();
        }
    });
    const int nResult = TrackHeaderMenu(&menu, TPM_RIGHTBUTTON | 0x100, 100, 100, m_pSite, 0, TRUE);
    ::KillTimer(nullptr, nSafety);
    SetHeaderMenuBars(nullptr);
    EXPECT_EQ(611, nResult);
    EXPECT_STREQ(L"ZMRPopupBar", szClass);
    // Background, frame and captions at least.
    EXPECT_GE(nColours, 3);
    EXPECT_TRUE(bSaved);
}
} // namespace

namespace
{
// The opening animation: the manager's option as it is, a random one of
// fade, slide and unfold for 1, none without a manager.
TEST_F(PopupBarTest, AnimationTypeFollowsTheManagersOption)
{
    for (const int nOption : {2, 3, 4})
    {
        m_pManager->GetOptions()->nAnimationType = nOption;
        EXPECT_EQ(nOption, m_pPopup->GetAnimationType());
    }
    m_pManager->GetOptions()->nAnimationType = 1;
    for (int i = 0; i < 10; i++)
    {
        const int nType = m_pPopup->GetAnimationType();
        EXPECT_TRUE(nType >= 2 && nType <= 4) << nType;
    }
    CZMRPopupBar* pLoose = CZMRPopupBar::CreatePopupBar(nullptr);
    EXPECT_EQ(5, pLoose->GetAnimationType());
    pLoose->InternalRelease();
}
} // namespace
