// Tooltips of framework windows: the mouse, moved as the user moves it, over
// a child control shows the tip its frame gives for the control's command;
// elsewhere, after a key press, over a label, or with tooltips off no tip shows.
#include "CTestInput.h"
#include "TestResources.h"
#include "WindowTestSupport.h"
#include "window/AfxThreadState.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>

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

std::wstring ClassOf(HWND hWnd)
{
    WCHAR szClass[64] = {};
    if (hWnd != nullptr)
        ::GetClassNameW(hWnd, szClass, 64);
    return szClass;
}

// What the tip depends on, for a wait that failed: where the mouse is, what
// is under it, which window is in front, and what the tooltip holds.
std::string TipState()
{
    POINT pt = {};
    ::GetCursorPos(&pt);
    HWND hWndUnder = ::WindowFromPoint(pt);
    HWND hWndFront = ::GetForegroundWindow();
    DWORD dwFrontProcess = 0;
    if (hWndFront != nullptr)
        ::GetWindowThreadProcessId(hWndFront, &dwFrontProcess);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CToolTipCtrl* pTip = pState->m_pToolTip;
    char szText[512];
    std::snprintf(szText, sizeof(szText),
                  "cursor (%ld, %ld) over %p [%ls]; foreground %p [%ls] of process %lu (this one %lu); active %p; "
                  "last hit %lld; tooltip %p, tools %lld, visible %d",
                  pt.x, pt.y, static_cast<void*>(hWndUnder), ClassOf(hWndUnder).c_str(),
                  static_cast<void*>(hWndFront), ClassOf(hWndFront).c_str(), dwFrontProcess,
                  ::GetCurrentProcessId(), static_cast<void*>(::GetActiveWindow()),
                  static_cast<long long>(pState->m_nLastHit),
                  pTip != nullptr ? static_cast<void*>(pTip->m_hWnd) : nullptr,
                  pTip != nullptr && pTip->m_hWnd != nullptr
                      ? static_cast<long long>(pTip->SendMessage(TTM_GETTOOLCOUNT))
                      : -1LL,
                  TipShown() ? 1 : 0);
    return szText;
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
    ASSERT_TRUE(PumpUntil(TipShown, kPumpSafetyMs, &thread)) << TipState();
    CString strTip;
    ThreadToolTip()->GetWindowText(strTip);
    EXPECT_STREQ(L"The thing", strTip);
    EXPECT_EQ(pFrame->m_hWnd, ::GetWindow(ThreadToolTip()->m_hWnd, GW_OWNER));

    // Off the control the tip goes.
    CTestInput::MoveTo({ 400, 300 });
    EXPECT_TRUE(PumpUntil([] { return !TipShown(); }, kPumpSafetyMs, &thread));
    EXPECT_EQ(-1, AfxGetThreadState()->m_nLastHit);

    // Back over the control, a key press hides the tip.
    CTestInput::MoveTo(CentreOf(hButton));
    ASSERT_TRUE(PumpUntil(TipShown, kPumpSafetyMs, &thread)) << TipState();
    pFrame->PostMessage(WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_TRUE(PumpUntil([] { return !TipShown(); }, kPumpSafetyMs, &thread));

    // A label has no tool: moving onto it takes the control's tool away.
    CTestInput::MoveTo(CentreOf(hLabel));
    EXPECT_TRUE(PumpUntil([] { return AfxGetThreadState()->m_nLastHit == -1; }, kPumpSafetyMs, &thread));
    EXPECT_EQ(0, ThreadToolTip()->SendMessage(TTM_GETTOOLCOUNT));

    // Without tooltips the frame registers no tool at all.
    EXPECT_TRUE(pFrame->EnableToolTips(FALSE));
    CTestInput::MoveTo(CentreOf(hButton));
    EXPECT_TRUE(PumpUntil(QueueEmpty, kPumpSafetyMs, &thread));
    EXPECT_EQ(-1, AfxGetThreadState()->m_nLastHit);
    EXPECT_EQ(0, ThreadToolTip()->SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_FALSE(TipShown());
    thread.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}
