// Dragging, docking, floating and resizing tool bars with the mouse, driven
// by real input on the test's own desktop; each capture loop also ended by
// Escape, by losing the capture and by WM_QUIT.
#include "BarTestSupport.h"
#include "DockTestSupport.h"
#include "InputScript.h"
#include "CZMRDockContext.h"
#include "CZMRMonitorAreas.h"
#include <gtest/gtest.h>

namespace
{
// Fills dock bars with a colour of their own.
class CDockFillTheme : public CFillTheme
{
public:
    void PaintDockBackground(CDC* pDC, CWnd* pDockBar) override
    {
        CRect rc;
        pDockBar->GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 200, 0));
    }
};

// Docked bars get a gripper 6 px wide along their start.
class CGripperTheme : public CFillTheme
{
public:
    CSize DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override
    {
        if (pBar && pBar->GetPosition() <= zmrBarRight)
            return pBar->GetPosition() < zmrBarLeft ? CSize(6, 0) : CSize(0, 6);
        return CFillTheme::DrawGripper(pDC, pBar, bDraw);
    }
};

class DockContextTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        m_pA = NewBar(L"A", CSize(100, 24));
        m_pB = NewBar(L"B", CSize(80, 24));
        EXPECT_TRUE(m_pManager->DockToolBarSide(m_pA, 0));
        CRect rc(150, 0, 230, 24);
        m_pManager->GetDockBar(0)->ClientToScreen(&rc);
        EXPECT_TRUE(m_pManager->DockToolBar(m_pB, rc, m_pManager->GetDockBar(0)));
        m_pSite->RecalcLayout(FALSE);
        ::SetForegroundWindow(m_pSite->GetSafeHwnd());
        PumpPendingMessages();
        m_hWndThief = m_pSite->GetSafeHwnd();
    }
    CSizedToolBar* NewBar(LPCTSTR lpszTitle, CSize sz)
    {
        auto* pBar = new CSizedToolBar(sz);
        pBar->SetTitle(lpszTitle);
        m_pManager->AddBar(pBar);
        return pBar;
    }
    static CPoint ScreenOf(const CWnd* pWnd, CPoint pt)
    {
        pWnd->ClientToScreen(&pt);
        return pt;
    }
    // Presses the left button at the screen point and plays the steps in
    // the loop the press starts; the quit code when WM_QUIT came back out.
    int Press(CPoint ptScreen, std::vector<CStep> steps)
    {
        const int nQuit = PressAndPlay(ptScreen, std::move(steps), m_hWndThief);
        EXPECT_TRUE(::GetCapture() == nullptr || ::GetCapture() == m_hWndThief);
        ::ReleaseCapture();
        return nQuit;
    }
    void DoubleClick(CPoint ptScreen)
    {
        CTestInput::MoveTo(ptScreen);
        PumpPendingMessages();
        for (int i = 0; i < 2; i++)
        {
            CTestInput::Button(VK_LBUTTON, true);
            CTestInput::Button(VK_LBUTTON, false);
        }
        PumpPendingMessages();
    }
    CRect WindowRect(const CWnd* pWnd) const
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    // A point of the site's client area, on the screen.
    CPoint Site(int x, int y) const { return ScreenOf(m_pSite, CPoint(x, y)); }

    CSizedToolBar* m_pA = nullptr;
    CSizedToolBar* m_pB = nullptr;
    HWND m_hWndThief = nullptr;
};
} // namespace

TEST_F(DockContextTest, ADraggedBarDocksNearADockBarItsFlagsAllowAndFloatsElsewhere)
{
    // Near the left edge of the frame: the left dock bar takes it.
    const CPoint ptGrab = ScreenOf(m_pB, CPoint(5, 12));
    Press(ptGrab, {MoveTo(Site(5, 200)), MoveTo(Site(6, 210)), Do(CStep::cursor), Do(CStep::release)});
    ASSERT_EQ(g_script.cursors.size(), 1u);
    EXPECT_EQ(g_script.cursors[0], ::LoadCursorW(nullptr, IDC_SIZEALL)) << "the size-all cursor while dragging";
    EXPECT_EQ(m_pB->GetPosition(), zmrBarLeft);
    EXPECT_EQ(m_pB->GetDockBar(), m_pManager->GetDockBar(2));
    EXPECT_EQ(::GetParent(m_pB->GetSafeHwnd()), m_pManager->GetDockBar(2)->GetSafeHwnd());
    EXPECT_EQ(DockRows(m_pManager->GetDockBar(0)), "|A|");
    EXPECT_EQ(m_pB->m_dwLastCommitMode & (LM_HORZ | LM_VERTDOCK), DWORD(LM_VERTDOCK));
    EXPECT_TRUE(m_pManager->GetOptions()->bDirtyState);

    // Allowed only at the top and floating: over the left dock bar it floats
    // under the pointer, at its floating size.
    m_pA->SetFlags(0, 0x3F);
    m_pA->SetFlags(0x1 | 0x10);
    Press(ScreenOf(m_pA, CPoint(5, 12)), {MoveTo(Site(5, 250)), MoveTo(Site(6, 260)), Do(CStep::release)});
    EXPECT_EQ(m_pA->GetPosition(), zmrBarFloating);
    EXPECT_TRUE(m_pA->GetStyle() & WS_POPUP);
    const CRect rcFloating = WindowRect(m_pA);
    EXPECT_EQ(rcFloating.Size(), CSize(120, 40));
    EXPECT_TRUE(rcFloating.PtInRect(Site(6, 260)));
    EXPECT_EQ(m_pA->GetDockContext()->GetFloatingPosition(), rcFloating.TopLeft());

    // Dragged back over the top dock bar it docks there again.
    Press(ScreenOf(m_pA, CPoint(5, 20)), {MoveTo(Site(300, 8)), MoveTo(Site(301, 8)), Do(CStep::release)});
    EXPECT_EQ(m_pA->GetPosition(), zmrBarTop);
    EXPECT_EQ(DockRows(m_pManager->GetDockBar(0)), "|A|");
}

TEST_F(DockContextTest, EveryWayOfEndingTheLoopLeavesTheBarWhereItIs)
{
    struct
    {
        const char* name;
        CStep ender;
        int nQuit;
    } enders[] = {
        {"release", Do(CStep::release), -1},
        {"Escape", Key(VK_ESCAPE, true), -1},
        {"capture taken", Do(CStep::steal), -1},
        {"WM_QUIT", Do(CStep::quit), 7},
    };
    int y = 150;
    for (const auto& e : enders)
    {
        SCOPED_TRACE(e.name);
        y += 20;
        const CPoint ptTo = Site(300, y);
        const CRect rcBefore = WindowRect(m_pB);
        const CPoint ptGrab = m_pB->GetPosition() == zmrBarFloating ? rcBefore.TopLeft() + CPoint(5, 20)
                                                                     : ScreenOf(m_pB, CPoint(5, 12));
        // A move after the end is not followed (WM_QUIT comes only after
        // the input before it, so nothing follows it).
        std::vector<CStep> steps = {MoveTo(ptTo), MoveTo(ptTo + CPoint(1, 0)), e.ender};
        if (e.nQuit == -1)
            steps.push_back(MoveTo(Site(400, 250)));
        EXPECT_EQ(Press(ptGrab, steps), e.nQuit);
        EXPECT_EQ(m_pB->GetPosition(), zmrBarFloating);
        EXPECT_TRUE(WindowRect(m_pB).PtInRect(ptTo + CPoint(1, 0))) << "not restored, and the later move is not followed";
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST_F(DockContextTest, ADoubleClickTogglesBetweenTheDockedAndTheFloatingPlace)
{
    // Off its dock bar by a drag; the double click takes it back to its
    // place in A's row.
    Press(ScreenOf(m_pB, CPoint(5, 12)), {MoveTo(Site(300, 200)), MoveTo(Site(301, 200)), Do(CStep::release)});
    ASSERT_EQ(m_pB->GetPosition(), zmrBarFloating);
    EXPECT_EQ(m_pB->GetDockContext()->GetLastSide(), 0);
    EXPECT_EQ(m_pB->GetDockContext()->GetDockedRect(), CRect(150, 0, 230, 24)) << "the drop place of the dock bar";
    const CPoint ptFloating = WindowRect(m_pB).TopLeft();

    DoubleClick(WindowRect(m_pB).TopLeft() + CPoint(10, 20));
    EXPECT_EQ(m_pB->GetPosition(), zmrBarTop);
    EXPECT_EQ(DockRows(m_pManager->GetDockBar(0)), "|B A|");
    EXPECT_EQ(ClientRectIn(m_pB, m_pManager->GetDockBar(0)), CRect(150, 0, 230, 24));

    // Docked: only with the manager's option does a double click float it.
    m_pManager->GetOptions()->bFloatByDoubleClick = FALSE;
    EXPECT_FALSE(m_pB->GetDockContext()->ToggleDocking());
    DoubleClick(ScreenOf(m_pB, CPoint(5, 12)));
    EXPECT_EQ(m_pB->GetPosition(), zmrBarTop);
    m_pManager->GetOptions()->bFloatByDoubleClick = TRUE;
    DoubleClick(ScreenOf(m_pB, CPoint(5, 12)));
    EXPECT_EQ(m_pB->GetPosition(), zmrBarFloating);
    EXPECT_EQ(WindowRect(m_pB), CRect(ptFloating, CSize(120, 40))) << "where it floated last";

    // A bar that may not dock anywhere stays floating.
    m_pB->SetFlags(0, 0xF);
    EXPECT_FALSE(m_pB->GetDockContext()->ToggleDocking());
    EXPECT_EQ(m_pB->GetPosition(), zmrBarFloating);
}

TEST_F(DockContextTest, AFloatingBarDraggedOffTheScreenKeepsTenPixelsOnIt)
{
    Press(ScreenOf(m_pB, CPoint(5, 12)), {MoveTo(Site(300, 200)), MoveTo(Site(301, 200)), Do(CStep::release)});
    ASSERT_EQ(m_pB->GetPosition(), zmrBarFloating);
    const CRect rcWork = GetMonitorAreas()->GetWorkArea(WindowRect(m_pB).CenterPoint());
    const CPoint ptCorner(rcWork.right - 1, rcWork.bottom - 1);
    // Grabbed 5 px into the bar: its top-left would lie 6 px from the corner.
    Press(WindowRect(m_pB).TopLeft() + CPoint(5, 5), {MoveTo(ptCorner - CPoint(1, 1)), MoveTo(ptCorner), Do(CStep::release)});
    const CRect rc = WindowRect(m_pB);
    EXPECT_EQ(rc.top, rcWork.bottom - 10);
    EXPECT_EQ(rc.left, rcWork.right - 10);

    // The same rule on the other edges.
    EXPECT_EQ(CZMRDockContext::KeepOnScreen(CRect(-200, -100, -120, -60), CRect(0, 0, 800, 600)),
              CRect(-70, -30, 10, 10));
    EXPECT_EQ(CZMRDockContext::KeepOnScreen(CRect(-70, -30, 10, 10), CRect(0, 0, 800, 600)),
              CRect(-70, -30, 10, 10)) << "10 px inside stay";
}

TEST_F(DockContextTest, ResizingAFloatingBarFromTheLeftKeepsItsRightEdge)
{
    Press(ScreenOf(m_pB, CPoint(5, 12)), {MoveTo(Site(300, 200)), MoveTo(Site(301, 200)), Do(CStep::release)});
    ASSERT_EQ(m_pB->GetPosition(), zmrBarFloating);
    const CRect rcBefore = WindowRect(m_pB);

    // 1 px inside the left edge is the sizing border.
    const CPoint ptBorder(rcBefore.left + 1, rcBefore.top + 20);
    Press(ptBorder, {MoveTo(ptBorder - CPoint(15, 0)), MoveTo(ptBorder - CPoint(30, 0)), Do(CStep::release)});
    const CRect rc = WindowRect(m_pB);
    EXPECT_EQ(rc.right, rcBefore.right);
    EXPECT_EQ(rc.Width(), rcBefore.Width() + 30);
    EXPECT_EQ(rc.top, rcBefore.top);
    EXPECT_EQ(m_pB->GetMRUWidth(), rc.Width()) << "remembered for the next time it floats";
    EXPECT_EQ(m_pB->GetDockContext()->GetFloatingPosition(), rc.TopLeft());

    // Escape ends a resize where it is.
    Press(ptBorder - CPoint(30, 0), {MoveTo(ptBorder - CPoint(40, 0)), MoveTo(ptBorder - CPoint(50, 0)),
                                     Key(VK_ESCAPE, true)});
    EXPECT_EQ(WindowRect(m_pB).Width(), rcBefore.Width() + 50);
}

TEST_F(DockContextTest, NoLoopWhileAnotherWindowHoldsTheMouseOrWithoutAManager)
{
    // Another window has the capture: the drag does not start.
    ::SetCapture(m_pSite->GetSafeHwnd());
    const CRect rcBefore = ClientRectIn(m_pB, m_pManager->GetDockBar(0));
    m_pB->GetDockContext()->StartDrag(ScreenOf(m_pB, CPoint(5, 12)));
    EXPECT_EQ(::GetCapture(), m_pSite->GetSafeHwnd());
    EXPECT_EQ(m_pB->GetPosition(), zmrBarTop);
    EXPECT_EQ(ClientRectIn(m_pB, m_pManager->GetDockBar(0)), rcBefore);
    ::ReleaseCapture();

    // A bar without a manager takes the capture and lets it go at once.
    CSizedToolBar loose(CSize(100, 24));
    ASSERT_TRUE(loose.SetDockState(m_pSite, FALSE));
    loose.GetDockContext()->StartDrag(ScreenOf(&loose, CPoint(5, 12)));
    EXPECT_EQ(::GetCapture(), nullptr);
    loose.DestroyWindow();
}

TEST_F(DockContextTest, ADockedBarTakingTheFocusLeavesTheKeyboardAlone)
{
    // Only a bar embedded in a dialog (no dock context) starts tracking.
    m_pB->SetFocus();
    PumpPendingMessages();
    EXPECT_FALSE(m_pB->IsTrackingMode());
}

TEST_F(DockContextTest, TheGripperOfADockedBarShowsTheSizeAllCursor)
{
    auto* pTheme = new CGripperTheme;
    m_pManager->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    m_pB->SetBarStyle(m_pB->GetBarStyle() | zmrBarStyleGripper);
    m_pSite->RecalcLayout(FALSE);
    auto cursorAt = [&](int x) {
        CTestInput::MoveTo(ScreenOf(m_pB, CPoint(x, 12)));
        PumpPendingMessages();
        m_pB->SendMessage(WM_SETCURSOR, WPARAM(m_pB->GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    const HCURSOR hSizeAll = ::LoadCursorW(nullptr, IDC_SIZEALL);
    EXPECT_EQ(cursorAt(2), hSizeAll) << "on the gripper";
    EXPECT_NE(cursorAt(30), hSizeAll) << "past it";
    // A bar that may neither dock nor float cannot be moved.
    m_pB->SetFlags(0, 0x1F);
    EXPECT_NE(cursorAt(2), hSizeAll);
}

TEST_F(DockContextTest, BarsOnFourSidesAndOneFloatingPicture)
{
    CSizedToolBar* pLeft = NewBar(L"L", CSize(90, 26));
    CSizedToolBar* pRight = NewBar(L"R", CSize(90, 26));
    CSizedToolBar* pBottom = NewBar(L"D", CSize(140, 22));
    CSizedToolBar* pFloat = NewBar(L"F", CSize(100, 24));
    EXPECT_TRUE(m_pManager->DockToolBarSide(pLeft, 2));
    EXPECT_TRUE(m_pManager->DockToolBarSide(pRight, 3));
    EXPECT_TRUE(m_pManager->DockToolBarSide(pBottom, 1));
    EXPECT_TRUE(m_pManager->FloatToolBar(pFloat));
    pFloat->SetWindowPos(nullptr, 250, 200, 120, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    auto* pTheme = new CDockFillTheme;
    pTheme->m_clrBack = RGB(0, 128, 255);
    m_pManager->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    m_pSite->RecalcLayout(FALSE);
    m_pManager->RedrawBars();
    m_pSite->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPendingMessages();

    CRect rcClient;
    m_pSite->GetClientRect(&rcClient);
    // Each side's strip: its bars' thickness, the bars at its start.
    const CRect rcTop = ClientRectIn(m_pManager->GetDockBar(0), m_pSite);
    const CRect rcBottom = ClientRectIn(m_pManager->GetDockBar(1), m_pSite);
    const CRect rcLeft = ClientRectIn(m_pManager->GetDockBar(2), m_pSite);
    const CRect rcRight = ClientRectIn(m_pManager->GetDockBar(3), m_pSite);
    EXPECT_EQ(rcTop.Height(), 24);
    EXPECT_EQ(rcBottom.Height(), 22);
    EXPECT_EQ(rcBottom.bottom, rcClient.bottom);
    EXPECT_EQ(rcLeft.Width(), 26);
    EXPECT_EQ(rcRight.Width(), 26);
    EXPECT_EQ(rcRight.right, rcClient.right);

    const CWindowPixels picture(m_pSite->GetSafeHwnd());
    EXPECT_TRUE(picture.Save(L"DockBarsFourSides.png"));
    const CWindowPixels floating(pFloat->GetSafeHwnd());
    EXPECT_TRUE(floating.Save(L"DockBarsFloating.png"));
    // Every docked bar paints itself where its dock bar put it.
    for (CZMRToolBar* pBar : {static_cast<CZMRToolBar*>(m_pA), static_cast<CZMRToolBar*>(m_pB),
                              static_cast<CZMRToolBar*>(pLeft), static_cast<CZMRToolBar*>(pRight),
                              static_cast<CZMRToolBar*>(pBottom)})
    {
        const CPoint pt = ClientRectIn(pBar, m_pSite).CenterPoint();
        EXPECT_EQ(picture.At(pt.x, pt.y), RGB(0, 128, 255)) << CStringA(pBar->GetTitle()).GetString();
    }
    EXPECT_EQ(floating.At(60, 20), RGB(0, 128, 255));
    // The dock bars paint their strips through the paint manager where no bar lies.
    EXPECT_EQ(picture.At(rcTop.right - 5, rcTop.top + 5), RGB(255, 200, 0));
    EXPECT_EQ(picture.At(rcLeft.left + 5, rcLeft.bottom - 5), RGB(255, 200, 0));
}
