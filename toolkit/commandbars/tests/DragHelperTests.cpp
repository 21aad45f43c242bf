// Customize-mode drags of controls between bars, driven with real input
// on the test's own desktop.
#include "BarTestSupport.h"
#include "CZMRControlDragHelper.h"
#include "CZMRControls.h"
#include "CZMRPopupBar.h"
#include "InputScript.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
// A drag object that keeps what its last drag returned.
class CRecordingDrag : public CZMRControlDragHelper
{
public:
    using CZMRControlDragHelper::CZMRControlDragHelper;
    int DoDrag(CZMRControl* pControl, BOOL bCopyCursor) override
    {
        m_nResult = CZMRControlDragHelper::DoDrag(pControl, bCopyCursor);
        return m_nResult;
    }
    int m_nResult = -1;
};

// The code of a quit request the drag passed on to the loop outside.
int g_nQuitCode = -1;
const int kQuitCode = 7;   // what the script's quit step posts
}

// Bar A (three probes, ids 100-102) above bar B (two probes, ids 100-101)
// on a site frame in customize mode.
class DragHelperTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        m_pDrag = new CRecordingDrag(m_pManager);
        m_pManager->SetDragHelper(m_pDrag);
        m_pManager->SetCustomizeMode(m_pManager);
        m_pA = NewBar(CRect(10, 10, 200, 34), 3);
        m_pB = NewBar(CRect(10, 60, 200, 84), 2);
        ::SetForegroundWindow(m_pSite->GetSafeHwnd());
        ::SetFocus(m_pSite->GetSafeHwnd());
        PumpPendingMessages();
    }
    void TearDown() override
    {
        m_pManager->SetCustomizeSelection(nullptr);
        m_pManager->SetCustomizeMode(nullptr);
        // Inner bars first.
        for (auto it = m_bars.rbegin(); it != m_bars.rend(); ++it)
            (*it)->InternalRelease();
        BarSiteTest::TearDown();
    }
    CProbeBar* NewBar(CRect rc, int nControls, CWnd* pParent = nullptr)
    {
        auto* pBar = new CProbeBar;
        pBar->SetBarManager(m_pManager);
        EXPECT_TRUE(pBar->Create(pParent ? pParent : m_pSite, rc, nControls));
        m_bars.push_back(pBar);
        return pBar;
    }
    // A screen point in a bar's client area.
    static CPoint At(CWnd* pBar, int x, int y)
    {
        CPoint pt(x, y);
        pBar->ClientToScreen(&pt);
        return pt;
    }
    // Presses the left button on control nIndex of the bar, runs its drag
    // with the steps and returns what the drag returned.
    int Drag(CProbeBar* pBar, int nIndex, std::vector<CStep> steps)
    {
        const CPoint ptStart = CProbeBar::Slot(nIndex).CenterPoint();
        CTestInput::MoveTo(At(pBar, ptStart.x, ptStart.y));
        CTestInput::Button(VK_LBUTTON, true);
        PumpPendingMessages();
        g_script = CScript();
        g_nQuitCode = -1;
        g_script.steps = std::move(steps);
        g_script.hWndThief = m_hWndThief;
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
        pBar->GetControl(nIndex)->CZMRControl::BeginControlMove(ptStart);
        ::KillTimer(nullptr, nTimer);
        MSG msg;
        if (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            g_nQuitCode = int(msg.wParam);
        CTestInput::Button(VK_LBUTTON, false);
        CTestInput::Key(VK_CONTROL, false);
        CTestInput::Key(VK_ESCAPE, false);
        PumpPendingMessages();
        EXPECT_EQ(g_script.nNext, g_script.steps.size()) << "the drag ended before its script did";
        // The drag let go of the capture; only a window that took it holds it.
        EXPECT_TRUE(::GetCapture() == nullptr || ::GetCapture() == m_hWndThief);
        ::ReleaseCapture();
        return m_pDrag->m_nResult;
    }
    std::vector<UINT> Ids(CZMRCommandBar* pBar) const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            ids.push_back(pBar->GetControl(i)->GetID());
        return ids;
    }

    CRecordingDrag* m_pDrag = nullptr;
    CProbeBar* m_pA = nullptr;
    CProbeBar* m_pB = nullptr;
    std::vector<CProbeBar*> m_bars;
    HWND m_hWndThief = nullptr;
};

TEST_F(DragHelperTest, ReleaseMovesCopiesRemovesOrKeepsTheControl)
{
    // Between B's two probes: x = 26 lies just before the second slot.
    const CPoint ptB = At(m_pB, 26, 12);
    const CPoint ptOutside = At(m_pSite, 400, 300);
    struct
    {
        const char* name;
        std::vector<CStep> steps;
        int nResult;
        std::vector<UINT> idsA, idsB;
    } cases[] = {
        {"moved onto B", {MoveTo(ptB), Do(CStep::release)}, 2, {100, 102}, {100, 101, 101}},
        {"copied with Ctrl held", {MoveTo(ptB), Key(VK_CONTROL, true), MoveTo(ptB + CPoint(1, 0)), Do(CStep::release)},
         1, {100, 101, 102}, {100, 101, 101}},
        {"Ctrl released again moves", {MoveTo(ptB), Key(VK_CONTROL, true), Key(VK_CONTROL, false), Do(CStep::release)},
         2, {100, 102}, {100, 101, 101}},
        {"released outside every bar", {MoveTo(ptB), MoveTo(ptOutside), Do(CStep::release)}, 0, {100, 102}, {100, 101}},
        {"released without a move", {Do(CStep::release)}, 5, {100, 101, 102}, {100, 101}},
        {"dropped on its own place", {MoveTo(At(m_pA, 35, 12)), Do(CStep::release)}, 5, {100, 101, 102}, {100, 101}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        // Fresh bars for every case.
        m_pA->GetControls()->RemoveAll();
        m_pB->GetControls()->RemoveAll();
        for (int i = 0; i < 3; i++)
            m_pA->GetControls()->AddControl(new CProbeControl, 100 + i)->SetRect(CProbeBar::Slot(i));
        for (int i = 0; i < 2; i++)
            m_pB->GetControls()->AddControl(new CProbeControl, 100 + i)->SetRect(CProbeBar::Slot(i));

        EXPECT_EQ(Drag(m_pA, 1, c.steps), c.nResult);
        EXPECT_EQ(Ids(m_pA), c.idsA);
        EXPECT_EQ(Ids(m_pB), c.idsB);
        EXPECT_TRUE(m_pB->GetInsertionMark().IsRectEmpty());
        EXPECT_EQ(m_pDrag->GetDropTarget(), nullptr);
    }
}

TEST_F(DragHelperTest, EscapeTheRightButtonOrLosingTheCaptureCancelsAndClearsTheMark)
{
    const CPoint ptB = At(m_pB, 26, 12);
    for (CStep cancel : {Key(VK_ESCAPE, true), Do(CStep::rightClick), Do(CStep::steal), Do(CStep::quit)})
    {
        SCOPED_TRACE(cancel.kind);
        m_hWndThief = m_pB->GetSafeHwnd();
        EXPECT_EQ(Drag(m_pA, 1, {MoveTo(ptB), MoveTo(ptB + CPoint(1, 0)), Do(CStep::cursor), cancel}), 5);
        // The mark stood while the pointer rested over B.
        ASSERT_EQ(g_script.cursors.size(), 1u);
        EXPECT_EQ(g_script.cursors[0], m_pDrag->GetMoveCursor());
        EXPECT_TRUE(m_pB->GetInsertionMark().IsRectEmpty());
        EXPECT_EQ(Ids(m_pA), (std::vector<UINT>{100, 101, 102}));
        EXPECT_EQ(Ids(m_pB), (std::vector<UINT>{100, 101}));
        // The application's end goes on to the loop outside, with its code.
        EXPECT_EQ(g_nQuitCode, cancel.kind == CStep::quit ? kQuitCode : -1);
    }
}

TEST_F(DragHelperTest, TheCursorShowsWhatTheDropWouldDo)
{
    const CPoint ptB = At(m_pB, 26, 12);
    EXPECT_EQ(Drag(m_pA, 1,
                   {MoveTo(At(m_pSite, 400, 300)), Do(CStep::cursor), MoveTo(ptB), Do(CStep::cursor),
                    Key(VK_CONTROL, true), Do(CStep::cursor), Key(VK_CONTROL, false), Do(CStep::cursor),
                    Key(VK_ESCAPE, true)}),
              5);
    EXPECT_EQ(g_script.cursors, (std::vector<HCURSOR>{m_pDrag->GetNoDropCursor(), m_pDrag->GetMoveCursor(),
                                                       m_pDrag->GetCopyCursor(), m_pDrag->GetMoveCursor()}));
    EXPECT_NE(m_pDrag->GetMoveCursor(), m_pDrag->GetCopyCursor());
    EXPECT_NE(m_pDrag->GetNoDropCursor(), m_pDrag->GetMoveCursor());

    // The copy-cursor switch shows the copy cursor for a move as well.
    g_script = CScript();
    g_script.steps = {MoveTo(ptB), MoveTo(ptB + CPoint(1, 0)), Do(CStep::cursor), Key(VK_ESCAPE, true)};
    CTestInput::MoveTo(At(m_pA, 35, 12));
    CTestInput::Button(VK_LBUTTON, true);
    PumpPendingMessages();
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
    EXPECT_EQ(m_pDrag->DoDrag(m_pA->GetControl(1), TRUE), 5);
    ::KillTimer(nullptr, nTimer);
    CTestInput::Button(VK_LBUTTON, false);
    CTestInput::Key(VK_ESCAPE, false);
    PumpPendingMessages();
    EXPECT_EQ(g_script.cursors, std::vector<HCURSOR>{m_pDrag->GetCopyCursor()});
}

TEST_F(DragHelperTest, OnlyAVisibleUncoveredAcceptingBarIsADropTarget)
{
    const CPoint ptB = At(m_pB, 26, 12);
    // A plain window over B's right half.
    CWnd cover;
    ASSERT_TRUE(cover.CreateEx(0, AfxRegisterWndClass(0), L"cover", WS_CHILD | WS_VISIBLE, CRect(110, 50, 300, 100),
                               m_pSite, 0));
    ::SetWindowPos(cover.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    struct
    {
        const char* name;
        CPoint pt;
        std::function<void()> arrange, restore;
    } cases[] = {
        {"hidden", ptB, [&] { m_pB->ShowWindow(SW_HIDE); }, [&] { m_pB->ShowWindow(SW_SHOW); }},
        {"covered", At(m_pB, 150, 12), [] {}, [] {}},
        {"refusing", ptB, [&] { m_pB->SetCustomizable(FALSE); }, [&] { m_pB->SetCustomizable(TRUE); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.arrange();
        PumpPendingMessages();
        m_pA->GetControls()->RemoveAll();
        for (int i = 0; i < 3; i++)
            m_pA->GetControls()->AddControl(new CProbeControl, 100 + i)->SetRect(CProbeBar::Slot(i));
        EXPECT_EQ(Drag(m_pA, 1, {MoveTo(c.pt), MoveTo(c.pt + CPoint(1, 0)), Do(CStep::cursor), Do(CStep::release)}),
                  0);
        EXPECT_EQ(g_script.cursors, std::vector<HCURSOR>{m_pDrag->GetNoDropCursor()});
        EXPECT_EQ(Ids(m_pA), (std::vector<UINT>{100, 102}));
        EXPECT_EQ(Ids(m_pB), (std::vector<UINT>{100, 101}));
        c.restore();
    }
    cover.DestroyWindow();
}

TEST_F(DragHelperTest, ABarRegisteredLaterWinsWhereTheyOverlap)
{
    // A bar inside B, made after it: both hold the point, the later one wins.
    CProbeBar* pInner = NewBar(CRect(60, 0, 160, 24), 1, m_pB);
    PumpPendingMessages();
    EXPECT_EQ(Drag(m_pA, 0, {MoveTo(At(pInner, 40, 12)), MoveTo(At(pInner, 41, 12)), Do(CStep::release)}), 2);
    EXPECT_EQ(Ids(pInner), (std::vector<UINT>{100, 100}));
    EXPECT_EQ(Ids(m_pB), (std::vector<UINT>{100, 101}));
    EXPECT_EQ(Ids(m_pA), (std::vector<UINT>{101, 102}));
}

TEST_F(DragHelperTest, TheCaptureGoesToTheCustomizeWindowElseTheSite)
{
    CWnd customize;
    ASSERT_TRUE(customize.CreateEx(0, AfxRegisterWndClass(0), L"customize", WS_POPUP | WS_VISIBLE,
                                   CRect(400, 400, 500, 500), nullptr, 0));
    m_pDrag->SetCustomizeWindow(customize.GetSafeHwnd());
    EXPECT_EQ(Drag(m_pA, 1, {Do(CStep::capture), MoveTo(At(m_pB, 26, 12)), Do(CStep::release)}), 2);
    EXPECT_EQ(g_script.captures, std::vector<HWND>{customize.GetSafeHwnd()});
    EXPECT_EQ(Ids(m_pB), (std::vector<UINT>{100, 101, 101}));
    m_pDrag->SetCustomizeWindow(nullptr);

    EXPECT_EQ(Drag(m_pA, 0, {Do(CStep::capture), Do(CStep::release)}), 5);
    EXPECT_EQ(g_script.captures, std::vector<HWND>{m_pSite->GetSafeHwnd()});
    customize.DestroyWindow();

    // Without a manager, or a manager without a site, no drag starts and
    // the control stays.
    CZMRControlDragHelper noManager(nullptr);
    EXPECT_EQ(noManager.DoDrag(m_pA->GetControl(0), FALSE), 5);
    CZMRBarManager siteless;
    EXPECT_EQ(siteless.GetDragHelper()->DoDrag(m_pA->GetControl(0), FALSE), 5);
    EXPECT_EQ(::GetCapture(), nullptr);
}

namespace
{
// A customize window that records the commands it receives.
class CCommandWnd : public CWnd
{
public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
    std::vector<UINT> m_commands;
};

std::function<void()> g_onTimer;
void CALLBACK RunOnce(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (g_onTimer)
        g_onTimer();
}
}

TEST_F(DragHelperTest, TheRightButtonShowsTheCustomizeWindowsContextMenu)
{
    m_pManager->GetOptions()->bDisableWithoutHandler = FALSE;
    CCommandWnd customize;
    ASSERT_TRUE(customize.CreateEx(0, AfxRegisterWndClass(0), L"customize", WS_POPUP | WS_VISIBLE,
                                   CRect(400, 400, 500, 500), nullptr, 0));
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
    ASSERT_NE(pPopup, nullptr);
    CMenu menu;
    menu.Attach(::CreatePopupMenu());
    ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 500, L"&Reset");
    ::AppendMenuW(menu.GetSafeHmenu(), MF_STRING, 501, L"&Delete");
    ASSERT_TRUE(pPopup->LoadMenu(&menu));

    // Without a context popup nothing shows.
    m_pDrag->SetCustomizeWindow(customize.GetSafeHwnd());
    CTestInput::MoveTo(At(m_pA, 14, 12));
    CTestInput::Button(VK_RBUTTON, true);
    CTestInput::Button(VK_RBUTTON, false);
    PumpPendingMessages();
    EXPECT_EQ(m_pManager->GetCustomizeSelection(), m_pA->GetControl(0));
    EXPECT_FALSE(pPopup->IsTrackingMode());

    // On another control, so that the two clicks make no double click.
    m_pDrag->SetContextPopupBar(pPopup);
    const CPoint ptControl = At(m_pA, 38, 12);
    CTestInput::MoveTo(ptControl);
    PumpPendingMessages();
    DWORD dwFlags = 0;
    CRect rcPopup;
    g_onTimer = [&] {
        dwFlags = pPopup->GetTrackFlags();
        pPopup->GetWindowRect(&rcPopup);
        pPopup->GetControl(1)->OnExecute();
    };
    ::SetTimer(nullptr, 0, 20, &RunOnce);
    CTestInput::Button(VK_RBUTTON, true);
    CTestInput::Button(VK_RBUTTON, false);
    EXPECT_TRUE(PumpUntil([&] { return !customize.m_commands.empty(); }));
    g_onTimer = nullptr;
    EXPECT_EQ(m_pManager->GetCustomizeSelection(), m_pA->GetControl(1));
    EXPECT_EQ(dwFlags & 0xFF, 1u);
    EXPECT_EQ(rcPopup.TopLeft(), ptControl);
    EXPECT_EQ(customize.m_commands, std::vector<UINT>{501});

    m_pDrag->SetContextPopupBar(nullptr);
    m_pDrag->SetCustomizeWindow(nullptr);
    pPopup->InternalRelease();
    customize.DestroyWindow();
}
