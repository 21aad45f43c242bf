// Frames: the layout pass through WM_SIZEPARENT with bars on every side,
// layout delayed to idle time, the idle broadcast, status texts, floating
// windows that follow their frame, and context-help mode.
#include "TestResources.h"
#include "WindowTestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A bar of fixed thickness along one side of its parent.
class CFixedBar : public CWnd
{
public:
    enum Side { top, bottom, left, right };
    CFixedBar(Side side, int nThickness) : m_side(side), m_nThickness(nThickness) {}

    BOOL Create(CWnd* pParent, UINT nID)
    {
        return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), pParent, nID);
    }
    CRect GetPlace() const
    {
        CRect rc;
        GetWindowRect(&rc);
        GetParent()->ScreenToClient(&rc);
        return rc;
    }

    int m_nLayouts = 0;
    int m_nIdleUpdates = 0;
    bool m_bQuitOnLayout = false;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        ++m_nLayouts;
        auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        RECT& free = pLayout->rect;
        CRect rc = free;
        switch (m_side)
        {
        case top: rc.bottom = rc.top + m_nThickness; free.top += m_nThickness; break;
        case bottom: rc.top = rc.bottom - m_nThickness; free.bottom -= m_nThickness; break;
        case left: rc.right = rc.left + m_nThickness; free.left += m_nThickness; break;
        case right: rc.left = rc.right - m_nThickness; free.right -= m_nThickness; break;
        }
        if (m_side == top || m_side == bottom)
            pLayout->sizeTotal.cy += m_nThickness;
        else
            pLayout->sizeTotal.cx += m_nThickness;
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
        if (m_bQuitOnLayout)
            AfxPostQuitMessage(7);
        return 0;
    }
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM)
    {
        if (wParam)
            ++m_nIdleUpdates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    Side m_side;
    int m_nThickness;
};
BEGIN_MESSAGE_MAP(CFixedBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

class CLayoutFrame : public CFrameWnd
{
public:
    CFixedBar m_top{ CFixedBar::top, 20 };
    CFixedBar m_bottom{ CFixedBar::bottom, 10 };
    CFixedBar m_left{ CFixedBar::left, 30 };
    CFixedBar m_right{ CFixedBar::right, 15 };
    CFixedBar m_outside{ CFixedBar::top, 5 };   // an id outside the bars' range
    HWND m_hWndView = nullptr;

    static CLayoutFrame* Make()
    {
        auto* pFrame = new CLayoutFrame;
        if (!pFrame->Create(nullptr, L"layout", WS_POPUP, CRect(0, 0, 400, 300)))
            return nullptr;
        return pFrame;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        // Laid out in z-order: top, left, bottom, right, so the corners go to the first.
        CFixedBar* bars[] = { &m_top, &m_left, &m_bottom, &m_right };
        UINT nID = 100;
        for (CFixedBar* pBar : bars)
        {
            pBar->Create(this, nID++);
            ::SetWindowPos(pBar->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        m_outside.Create(this, 0x9000);
        m_hWndView = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, m_hWnd,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                       ::GetModuleHandleW(nullptr), nullptr);
        return 0;
    }
    LRESULT OnDelayLayout(WPARAM, LPARAM)
    {
        DelayRecalcLayout();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLayoutFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP, OnDelayLayout)
END_MESSAGE_MAP()

CRect PlaceOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}
} // namespace

TEST(FrameLayout, BarsOnEverySideTakeTheirStripsAndTheViewTheRest)
{
    CLayoutFrame* pFrame = CLayoutFrame::Make();
    ASSERT_NE(nullptr, pFrame);
    pFrame->m_outside.m_nLayouts = 0;
    pFrame->RepositionBars(100, 199, AFX_IDW_PANE_FIRST);

    EXPECT_EQ(CRect(0, 0, 400, 20), pFrame->m_top.GetPlace());
    EXPECT_EQ(CRect(0, 20, 30, 300), pFrame->m_left.GetPlace());
    EXPECT_EQ(CRect(30, 290, 400, 300), pFrame->m_bottom.GetPlace());
    EXPECT_EQ(CRect(385, 20, 400, 290), pFrame->m_right.GetPlace());
    EXPECT_EQ(CRect(30, 20, 385, 290), PlaceOf(pFrame->m_hWndView));
    EXPECT_EQ(0, pFrame->m_outside.m_nLayouts);   // a bar, but not one of this pass's ids

    // Only asking moves nothing and tells the room left, or the bars' total size.
    pFrame->m_top.MoveWindow(0, 100, 50, 5);
    CRect rcRoom;
    pFrame->RepositionBars(100, 199, AFX_IDW_PANE_FIRST, reposQuery, &rcRoom);
    EXPECT_EQ(CRect(30, 20, 385, 290), rcRoom);
    EXPECT_EQ(CRect(0, 100, 50, 105), pFrame->m_top.GetPlace());
    CRect rcTotal;
    pFrame->RepositionBars(100, 199, AFX_IDW_PANE_FIRST, reposQuery, &rcTotal, nullptr, FALSE);
    EXPECT_EQ(CRect(0, 0, 45, 30), rcTotal);

    // Extra borders stay free around the view; the bars keep their places.
    CRect rcBorder(1, 2, 3, 4);
    pFrame->RepositionBars(100, 199, AFX_IDW_PANE_FIRST, reposExtra, &rcBorder);
    EXPECT_EQ(CRect(0, 0, 400, 20), pFrame->m_top.GetPlace());
    EXPECT_EQ(CRect(31, 22, 382, 286), PlaceOf(pFrame->m_hWndView));

    // A client rectangle of the caller's replaces the client area.
    CRect rcClient(10, 10, 210, 110);
    pFrame->RepositionBars(100, 199, AFX_IDW_PANE_FIRST, reposDefault, nullptr, &rcClient);
    EXPECT_EQ(CRect(10, 10, 210, 30), pFrame->m_top.GetPlace());
    EXPECT_EQ(CRect(40, 30, 195, 100), PlaceOf(pFrame->m_hWndView));
    pFrame->DestroyWindow();
}

TEST(FrameLayout, DelayedLayoutRunsOnceAtIdleTime)
{
    CLayoutFrame* pFrame = CLayoutFrame::Make();
    ASSERT_NE(nullptr, pFrame);
    pFrame->ShowWindow(SW_SHOWNA);
    CWinThread thread;
    thread.m_pMainWnd = pFrame;
    thread.OnIdle(0);
    const int nBefore = pFrame->m_top.m_nLayouts;
    EXPECT_EQ(0u, pFrame->m_nIdleFlags);

    pFrame->DelayRecalcLayout();
    pFrame->DelayRecalcLayout(FALSE);
    pFrame->DelayRecalcLayout();
    EXPECT_EQ(nBefore, pFrame->m_top.m_nLayouts);   // nothing yet
    EXPECT_TRUE(pFrame->m_nIdleFlags & CFrameWnd::idleLayout);

    EXPECT_TRUE(thread.OnIdle(0));   // asks for the second idle stage
    EXPECT_EQ(nBefore + 1, pFrame->m_top.m_nLayouts);
    EXPECT_EQ(nBefore + 1, pFrame->m_right.m_nLayouts);
    EXPECT_EQ(0u, pFrame->m_nIdleFlags);
    EXPECT_FALSE(thread.OnIdle(1));
    thread.OnIdle(0);
    EXPECT_EQ(nBefore + 1, pFrame->m_top.m_nLayouts);
    // Every idle pass reached the bars, the one outside the layout range too.
    EXPECT_EQ(3, pFrame->m_outside.m_nIdleUpdates);
    pFrame->DestroyWindow();
}

TEST(FrameLayout, MessageLoopLaysOutWhenTheQueueRunsEmpty)
{
    CLayoutFrame* pFrame = CLayoutFrame::Make();
    ASSERT_NE(nullptr, pFrame);
    pFrame->ShowWindow(SW_SHOWNA);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);

    CWinThread thread;
    thread.m_pMainWnd = pFrame;
    // The posted request delays the layout; the layout ends the loop.
    pFrame->m_top.m_bQuitOnLayout = true;
    pFrame->PostMessage(WM_APP);
    EXPECT_EQ(7, thread.Run());
    pFrame->m_top.m_bQuitOnLayout = false;
    thread.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}

// --- Status texts ----------------------------------------------------------------------

namespace
{
class CStatusFrame : public CFrameWnd
{
public:
    CStatusBar m_wndStatusBar;

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1 || !m_wndStatusBar.Create(this))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStatusFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CString TextOf(CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}
} // namespace

TEST(FrameStatus, SetAndPopMessageStringsShowOnTheStatusBar)
{
    auto* pFrame = new CStatusFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, L"status", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    pFrame->ShowWindow(SW_SHOWNA);
    CStatusBar& bar = pFrame->m_wndStatusBar;
    EXPECT_EQ(AFX_IDW_STATUS_BAR, bar.GetDlgCtrlID());
    EXPECT_EQ(&bar, pFrame->GetMessageBar());

    // The status bar sits at the bottom, across the frame.
    pFrame->RecalcLayout();
    CRect rcClient, rcBar;
    pFrame->GetClientRect(&rcClient);
    rcBar = PlaceOf(bar.m_hWnd);
    EXPECT_EQ(rcClient.bottom, rcBar.bottom);
    EXPECT_EQ(rcClient.Width(), rcBar.Width());
    EXPECT_GT(rcBar.Height(), 10);

    // The first idle time shows the idle prompt.
    CWinThread thread;
    thread.m_pMainWnd = pFrame;
    thread.OnIdle(0);
    EXPECT_STREQ(L"Ready", TextOf(bar));

    struct Case
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPCWSTR lpszText;
        LPCWSTR lpszShown;
    };
    const Case cases[] = {
        { "a text", WM_SETMESSAGESTRING, 0, L"Choosing a colour", L"Choosing a colour" },
        { "a command's prompt", WM_SETMESSAGESTRING, IDS_COMMAND_PROMPT, nullptr, L"Does the thing" },
        { "an id without a string", WM_SETMESSAGESTRING, 41999, nullptr, L"" },
        { "popped to the idle prompt", WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, nullptr, L"Ready" },
    };
    WPARAM wLast = AFX_IDS_IDLEMESSAGE;
    for (const Case& c : cases)
    {
        LRESULT lPrevious = pFrame->SendMessage(c.message, c.wParam, reinterpret_cast<LPARAM>(c.lpszText));
        EXPECT_EQ((LRESULT)wLast, lPrevious) << c.name;   // the id shown before
        EXPECT_STREQ(c.lpszShown, TextOf(bar)) << c.name;
        wLast = c.wParam;
    }
    // A text stays through idle time until it is popped.
    pFrame->SetMessageText(L"kept");
    thread.OnIdle(0);
    EXPECT_STREQ(L"kept", TextOf(bar));
    pFrame->DestroyWindow();
}

// --- Floating windows ----------------------------------------------------------------

namespace
{
class CFloatProbe : public CWnd
{
public:
    std::vector<WPARAM> flags;
    BOOL m_bKeepFrameActive = TRUE;

protected:
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM)
    {
        if (wParam == FS_SYNCACTIVE)
            return m_bKeepFrameActive;
        flags.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFloatProbe, CWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()
} // namespace

TEST(FrameFloating, OwnedPopupsFollowEnablingAndActivationOfTheirFrame)
{
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"floating", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    pFrame->ShowWindow(SW_SHOW);
    CFloatProbe owned, stranger;
    ASSERT_TRUE(owned.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 100,
                               60, pFrame->m_hWnd, nullptr));
    ASSERT_TRUE(stranger.CreateEx(0, nullptr, L"stranger", WS_POPUP | WS_CAPTION | WS_VISIBLE, 300, 300, 100, 60,
                                  nullptr, nullptr));

    owned.flags.clear();
    pFrame->EnableWindow(FALSE);
    pFrame->EnableWindow(TRUE);
    EXPECT_EQ((std::vector<WPARAM>{ FS_DISABLE, FS_ENABLE }), owned.flags);

    // Activating the floating window keeps the frame's caption active.
    pFrame->SetActiveWindow();
    owned.flags.clear();
    owned.SetActiveWindow();
    EXPECT_TRUE(pFrame->m_nFlags & WF_STAYACTIVE);
    EXPECT_EQ((std::vector<WPARAM>{ FS_ACTIVATE }), owned.flags);

    // Another window: the frame and its floating windows go inactive.
    owned.flags.clear();
    stranger.SetActiveWindow();
    EXPECT_FALSE(pFrame->m_nFlags & WF_STAYACTIVE);
    EXPECT_EQ((std::vector<WPARAM>{ FS_DEACTIVATE }), owned.flags);
    EXPECT_TRUE(stranger.flags.empty());

    // A floating window that does not keep the frame active lets it go.
    pFrame->SetActiveWindow();
    owned.m_bKeepFrameActive = FALSE;
    owned.flags.clear();
    owned.SetActiveWindow();
    EXPECT_FALSE(pFrame->m_nFlags & WF_STAYACTIVE);
    EXPECT_EQ((std::vector<WPARAM>{ FS_DEACTIVATE }), owned.flags);

    owned.DestroyWindow();
    stranger.DestroyWindow();
    pFrame->DestroyWindow();
}

// --- Context help ------------------------------------------------------------------------

namespace
{
class CHelpApp : public CWinApp
{
public:
    std::vector<DWORD_PTR> contexts;
    void WinHelp(DWORD_PTR dwData, UINT) override { contexts.push_back(dwData); }
};

class CHelpChild : public CWnd
{
public:
    CFrameWnd* m_pFrame = nullptr;
    int m_nModeSeen = -1;

protected:
    LRESULT OnHelpHitTest(WPARAM, LPARAM)
    {
        m_nModeSeen = m_pFrame->m_bHelpMode;
        return 1234;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHelpChild, CWnd)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()
} // namespace

TEST(FrameHelp, ContextHelpAsksTheClickedWindowForItsHelpId)
{
    CHelpApp app;
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"help", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200)));
    CHelpChild child;
    child.m_pFrame = pFrame;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(10, 10, 110, 60), pFrame, 5));

    struct Case
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;   // client point of the frame
        std::vector<DWORD_PTR> contexts;
    };
    const Case cases[] = {
        { "Esc leaves help mode", WM_KEYDOWN, VK_ESCAPE, 0, {} },
        { "a click outside every window that knows", WM_LBUTTONDOWN, 0, MAKELPARAM(200, 150), {} },
        { "a click on the child", WM_LBUTTONDOWN, 0, MAKELPARAM(50, 30), { 1234 } },
    };
    for (const Case& c : cases)
    {
        app.contexts.clear();
        child.m_nModeSeen = -1;
        pFrame->PostMessage(c.message, c.wParam, c.lParam);
        pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        EXPECT_EQ(c.contexts, app.contexts) << c.name;
        EXPECT_EQ(HELP_INACTIVE, pFrame->m_bHelpMode) << c.name;
        EXPECT_EQ(nullptr, ::GetCapture()) << c.name;
        if (!c.contexts.empty())
        {
            EXPECT_EQ(HELP_ACTIVE, child.m_nModeSeen) << c.name;
        }
    }
    child.DestroyWindow();
    pFrame->DestroyWindow();
}

// --- Creation that fails ------------------------------------------------------------

namespace
{
bool g_bRefusingFrameDeleted = false;

class CRefusingFrame : public CFrameWnd
{
public:
    ~CRefusingFrame() override { g_bRefusingFrameDeleted = true; }

protected:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRefusingFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()
} // namespace

TEST(FrameCreation, FrameThatCannotBeCreatedIsDeletedOnce)
{
    // Refused in WM_CREATE, and never made for want of its window class.
    struct Case
    {
        const char* name;
        LPCWSTR lpszClass;
    };
    const Case cases[] = { { "refused", nullptr }, { "no such class", L"FrameworkTests.NoSuchClass" } };
    for (const Case& c : cases)
    {
        g_bRefusingFrameDeleted = false;
        auto* pFrame = new CRefusingFrame;
        EXPECT_FALSE(pFrame->Create(c.lpszClass, L"refusing")) << c.name;
        EXPECT_TRUE(g_bRefusingFrameDeleted) << c.name;
    }
}
