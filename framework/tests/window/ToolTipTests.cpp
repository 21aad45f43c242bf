// Tooltips of framework windows: the mouse, moved as the user moves it, over
// a child control shows the tip its frame gives for the control's command;
// elsewhere, after a key press, over a label, or with tooltips off no tip shows.
#include "CTestInput.h"
#include "TestResources.h"
#include "WindowTestSupport.h"
#include "window/AfxThreadState.h"
#include <gtest/gtest.h>

namespace
{
CToolTipCtrl* ThreadToolTip()
{
    return AfxGetThreadState()->m_pToolTip;
}

bool TipShown()
{
    CToolTipCtrl* pTip = ThreadToolTip();
    return pTip != nullptr && pTip->m_hWnd != nullptr && ::IsWindowVisible(pTip->m_hWnd);
}

bool QueueEmpty()
{
    MSG msg;
    return !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

POINT CentreOf(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return { (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
}
} // namespace

TEST(ToolTips, MouseOverAControlShowsItsCommandsTip)
{
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"tips", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400)));
    pFrame->SetForegroundWindow();
    EXPECT_FALSE(pFrame->EnableToolTips());
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    HWND hButton = ::CreateWindowExW(0, L"BUTTON", L"go", WS_CHILD | WS_VISIBLE, 20, 20, 100, 40, pFrame->m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDS_COMMAND_PROMPT)), hInst,
                                     nullptr);
    HWND hLabel = ::CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 20, 100, 100, 40, pFrame->m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(0xFFFF)), hInst, nullptr);
    CWinThread thread;
    thread.m_pMainWnd = pFrame;

    // The tool's window asks the frame for the text: the part after the prompt.
    CTestInput::MoveTo(CentreOf(hButton));
    ASSERT_TRUE(PumpUntil(TipShown, 5000, &thread));
    CString strTip;
    ThreadToolTip()->GetWindowText(strTip);
    EXPECT_STREQ(L"The thing", strTip);
    EXPECT_EQ(pFrame->m_hWnd, ::GetWindow(ThreadToolTip()->m_hWnd, GW_OWNER));

    // Off the control the tip goes.
    CTestInput::MoveTo({ 400, 300 });
    EXPECT_TRUE(PumpUntil([] { return !TipShown(); }, 5000, &thread));
    EXPECT_EQ(-1, AfxGetThreadState()->m_nLastHit);

    // Back over the control, a key press hides the tip.
    CTestInput::MoveTo(CentreOf(hButton));
    ASSERT_TRUE(PumpUntil(TipShown, 5000, &thread));
    pFrame->PostMessage(WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_TRUE(PumpUntil([] { return !TipShown(); }, 5000, &thread));

    // A label has no tool: moving onto it takes the control's tool away.
    CTestInput::MoveTo(CentreOf(hLabel));
    EXPECT_TRUE(PumpUntil([] { return AfxGetThreadState()->m_nLastHit == -1; }, 5000, &thread));
    EXPECT_EQ(0, ThreadToolTip()->SendMessage(TTM_GETTOOLCOUNT));

    // Without tooltips the frame registers no tool at all.
    EXPECT_TRUE(pFrame->EnableToolTips(FALSE));
    CTestInput::MoveTo(CentreOf(hButton));
    EXPECT_TRUE(PumpUntil(QueueEmpty, 5000, &thread));
    EXPECT_EQ(-1, AfxGetThreadState()->m_nLastHit);
    EXPECT_EQ(0, ThreadToolTip()->SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_FALSE(TipShown());
    thread.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}
