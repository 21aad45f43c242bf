// The tool bar's window: its strip in a frame's layout pass, the sizing frame
// of a floating bar, activation and following the frame's float status.
#include "ToolBarTestSupport.h"
#include "CFrameHost.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRDefaultTheme.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"
#include "CZMRPopupBar.h"
#include "CZMRToolTipContext.h"
#include "CZMRToolTipContextToolTip.h"
#include "BarTestSupport.h"
#include "CTestInput.h"
#include "ArtifactPng.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
// A frame host with one tool bar of three 20 x 20 buttons made in it.
class ToolBarInFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CFrameHost::Create();
        ASSERT_NE(m_pHost, nullptr);
        m_pBar = new CPlacedToolBar;
        CGripperTheme* pTheme = new CGripperTheme;
        m_pBar->SetPaintManager(pTheme);
        pTheme->InternalRelease();
        m_pBar->SetBarStyle(m_pBar->GetBarStyle() | zmrBarStyleGripper);
        for (int i = 0; i < 3; i++)
            m_pBar->GetControls()->AddControl(new CFixedControl(CSize(20, 20)), 100 + i);
    }
    void TearDown() override
    {
        if (m_pBar)
            m_pBar->InternalRelease();
        if (m_pHost)
            m_pHost->DestroyWindow();
    }
    CRect BarRectInHost() const
    {
        CRect rc;
        m_pBar->GetWindowRect(rc);
        m_pHost->ScreenToClient(&rc);
        return rc;
    }
    CFrameHost* m_pHost = nullptr;
    CPlacedToolBar* m_pBar = nullptr;
};

TEST_F(ToolBarInFrame, TakesItsStripAtTheTopOfTheFrame)
{
    m_pBar->Place(zmrBarTop);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, FALSE));
    EXPECT_EQ(m_pBar->GetStyle() & (WS_CHILD | WS_POPUP), DWORD(WS_CHILD));
    EXPECT_TRUE(::GetClassLongPtrW(m_pBar->GetSafeHwnd(), GCL_STYLE) & CS_DBLCLKS) << "double clicks reach the bar";
    m_pHost->RecalcLayout();
    // Gripper 5 + borders 2: 7 + 60 + 2 wide, 2 + 20 + 2 high.
    EXPECT_EQ(BarRectInHost(), CRect(0, 0, 69, 24));
    EXPECT_EQ(m_pHost->GetClientRoom().top, 24);

    // Stretched, the bar takes the whole width.
    m_pBar->SetFlags(0x40);
    m_pHost->RecalcLayout();
    CRect rcClient;
    m_pHost->GetClientRect(rcClient);
    EXPECT_EQ(BarRectInHost(), CRect(0, 0, rcClient.Width(), 24));

    // A hidden bar leaves the room to the others.
    m_pBar->SetVisible(FALSE);
    m_pHost->RecalcLayout();
    EXPECT_EQ(m_pHost->GetClientRoom().top, 0);
}

TEST_F(ToolBarInFrame, FloatingSizingFrameIsThreePixelsWide)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    EXPECT_EQ(m_pBar->GetStyle() & (WS_CHILD | WS_POPUP), DWORD(WS_POPUP));
    EXPECT_EQ(::GetWindow(m_pBar->GetSafeHwnd(), GW_OWNER), m_pHost->GetSafeHwnd());
    m_pBar->SetWindowPos(nullptr, 100, 100, 100, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    struct
    {
        int x, y;
        LRESULT nHit;
    } const cases[] = {
        {150, 100, HTTOP},    {150, 102, HTTOP},    {150, 103, HTCLIENT}, {150, 159, HTBOTTOM},
        {150, 157, HTBOTTOM}, {150, 156, HTCLIENT}, {100, 130, HTLEFT},   {102, 130, HTLEFT},
        {103, 130, HTCLIENT}, {199, 130, HTRIGHT},  {197, 130, HTRIGHT},  {196, 130, HTCLIENT},
        {100, 100, HTTOP},    {199, 159, HTBOTTOM},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.nHit) << c.x << "," << c.y;

    // A docked bar has no sizing frame.
    m_pBar->Place(zmrBarTop);
    EXPECT_EQ(m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(100, 130)), HTCLIENT);
}

TEST_F(ToolBarInFrame, FloatingBarNeverTakesActivation)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    const LPARAM lParam = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    EXPECT_EQ(m_pBar->SendMessage(WM_MOUSEACTIVATE, WPARAM(m_pHost->GetSafeHwnd()), lParam), MA_NOACTIVATE);
    m_pBar->Place(zmrBarTop);
    EXPECT_NE(m_pBar->SendMessage(WM_MOUSEACTIVATE, WPARAM(m_pHost->GetSafeHwnd()), lParam), MA_NOACTIVATE);
}

TEST_F(ToolBarInFrame, FloatingBarFollowsItsFramesFloatStatus)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    ASSERT_TRUE(m_pBar->IsWindowVisible());
    EXPECT_EQ(m_pBar->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE), 1);
    EXPECT_EQ(m_pBar->SendMessage(WM_FLOATSTATUS, FS_HIDE), 0);
    EXPECT_FALSE(m_pBar->IsWindowVisible());
    // The visible switch stays on: the frame shows the bar again.
    EXPECT_TRUE(m_pBar->IsVisible());
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_SHOW);
    EXPECT_TRUE(m_pBar->IsWindowVisible());
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_DISABLE);
    EXPECT_FALSE(m_pBar->IsWindowEnabled());
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_ENABLE);
    EXPECT_TRUE(m_pBar->IsWindowEnabled());

    // A docked bar is the frame's child and ignores it.
    m_pBar->Place(zmrBarTop);
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_TRUE(m_pBar->IsWindowVisible());
}

TEST_F(ToolBarInFrame, AClickBringsAFloatingBarToTheTop)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    CPlacedToolBar* pOther = new CPlacedToolBar;
    pOther->Place(zmrBarFloating);
    ASSERT_TRUE(pOther->SetDockState(m_pHost, TRUE));
    auto isAbove = [](HWND hUpper, HWND hLower) {
        for (HWND h = ::GetWindow(hLower, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV))
        {
            if (h == hUpper)
                return true;
        }
        return false;
    };
    ASSERT_TRUE(isAbove(pOther->GetSafeHwnd(), m_pBar->GetSafeHwnd()));
    // Outside every control (they have no rectangles yet).
    m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 90));
    EXPECT_TRUE(isAbove(m_pBar->GetSafeHwnd(), pOther->GetSafeHwnd()));
    EXPECT_EQ(::GetActiveWindow() == m_pBar->GetSafeHwnd(), false) << "without activating it";
    pOther->InternalRelease();
}

// A bar put straight into a frame, never placed, lays itself out as the
// frame's top strip: in the Default theme its gripper takes room before
// the first control, as on a bar docked at the top.
TEST(ToolBarInFrameUnplaced, MeasuresItsGripperAsATopBar)
{
    CFrameHost* pHost = CFrameHost::Create(CRect(0, 0, 300, 200));
    ASSERT_NE(pHost, nullptr);
    CZMRToolBar* pBar = new CZMRToolBar;
    CClassicColoursTheme* pTheme = new CClassicColoursTheme;
    pBar->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    pBar->SetBarStyle(pBar->GetBarStyle() | zmrBarStyleGripper);
    pBar->GetControls()->AddControl(new CFixedControl(CSize(20, 20)), 100);
    ASSERT_EQ(pBar->GetPosition(), zmrBarNone);
    ASSERT_TRUE(pBar->SetDockState(pHost, FALSE));
    pHost->RecalcLayout();

    EXPECT_EQ(pBar->GetPosition(), zmrBarTop);
    const CSize szGripper = pTheme->DrawGripper(nullptr, pBar, FALSE);
    EXPECT_GT(szGripper.cx, 0);
    EXPECT_EQ(pBar->GetBorders().left, pTheme->GetBarBorderWidths(pBar).left + szGripper.cx);
    EXPECT_GE(pBar->GetControl(0)->GetRect().left, szGripper.cx);
    pBar->InternalRelease();
    pHost->DestroyWindow();
}

TEST_F(ToolBarInFrame, CloseIsIgnored)
{
    m_pBar->Place(zmrBarFloating);
    ASSERT_TRUE(m_pBar->SetDockState(m_pHost, TRUE));
    m_pBar->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(m_pBar->GetSafeHwnd()));
}
TEST(ToolBarPicture, DockedInTheDefaultThemeWithItsExpandButton)
{
    CFrameHost* pHost = CFrameHost::Create(CRect(0, 0, 300, 200));
    ASSERT_NE(pHost, nullptr);
    CZMRToolBar* pBar = new CZMRToolBar;
    CClassicColoursTheme* pTheme = new CClassicColoursTheme;
    pBar->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    pBar->SetBarStyle(pBar->GetBarStyle() | zmrBarStyleGripper);
    const wchar_t* captions[] = {L"New", L"Open", L"Save", L"Cut", L"Copy", L"Paste", L"Undo", L"Redo", L"Find",
                                 L"Replace", L"Print", L"Help"};
    for (int i = 0; i < 12; i++)
    {
        CZMRControl* pControl = pBar->GetControls()->Add(zmrControlButton, 200 + i);
        pControl->SetCaption(captions[i]);
        pControl->SetStyle(zmrButtonCaption);
        pControl->SetBeginGroup(i == 3 || i == 6);
    }
    ASSERT_TRUE(pBar->SetDockState(pHost, FALSE));
    pHost->RecalcLayout();
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    CRect rcBar;
    pBar->GetClientRect(rcBar);
    CRect rcHost;
    pHost->GetClientRect(rcHost);
    EXPECT_EQ(rcBar.Width(), rcHost.Width()) << "the controls do not fit: the bar takes the whole width";
    CZMRControl* pExpand = pBar->GetControls()->FindControlById(ZMR_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    EXPECT_TRUE(pExpand->IsVisible());
    EXPECT_EQ(pExpand->GetRect().right, rcBar.right - 2);
    EXPECT_EQ(pBar->GetControl(11)->GetHideFlags(), DWORD(zmrHideWrap));

    CPixelCanvas canvas(rcBar.Width(), rcBar.Height());
    pBar->SendMessage(WM_PRINTCLIENT, WPARAM(canvas.DC()->GetSafeHdc()), PRF_CLIENT);
    const COLORREF kLight = RGB(255, 255, 255), kShadow = RGB(128, 128, 128), kText = RGB(0, 0, 0);
    // The gripper: a raised bar at x 3..6, from y 3 to the bottom less 3.
    EXPECT_EQ(kLight, canvas.Pixel(3, 3));
    EXPECT_EQ(kShadow, canvas.Pixel(5, 3));
    EXPECT_EQ(kShadow, canvas.Pixel(3, rcBar.Height() - 4));
    EXPECT_EQ(kLight, canvas.Pixel(3, rcBar.Height() - 5));
    // Etched lines in front of the groups, at control left - 4 .. - 2.
    for (int i : {3, 6})
    {
        const CRect rc = pBar->GetControl(i)->GetRect();
        EXPECT_EQ(kShadow, canvas.Pixel(rc.left - 4, rc.CenterPoint().y)) << i;
        EXPECT_EQ(kLight, canvas.Pixel(rc.left - 3, rc.CenterPoint().y)) << i;
    }
    // The expand button: its triangle near the bottom and, as controls are
    // hidden, the chevrons at its top left.
    const CRect rcExpand = pExpand->GetRect();
    const int cx = rcExpand.CenterPoint().x;
    EXPECT_EQ(kText, canvas.Pixel(cx - 2, rcExpand.bottom - 7));
    EXPECT_EQ(kText, canvas.Pixel(cx, rcExpand.bottom - 5));
    EXPECT_EQ(kText, canvas.Pixel(rcExpand.left + 2, rcExpand.top + 4));
    EXPECT_EQ(kText, canvas.Pixel(rcExpand.left + 6, rcExpand.top + 4));
    EXPECT_TRUE(SaveArtifactPng(L"toolbar-default-theme.png", rcBar.Width(), rcBar.Height(),
                                [&](int x, int y) { return canvas.Pixel(x, y); }));

    pBar->InternalRelease();
    pHost->DestroyWindow();
}

// Keys for the commands of the test bar.
class CKeysOfTheBar : public CZMRBarManager::CShortcutSource
{
public:
    CString GetShortcutText(int nId) const override { return nId == 301 ? L"Ctrl+O" : L""; }
};

// A tool bar of captioned buttons in the Default theme, at the top of a frame
// host, on a manager whose tooltip context shows the tips; the mouse hovers
// its buttons through SendInput.
class ToolBarTips : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CFrameHost::Create(CRect(100, 100, 500, 300));
        ASSERT_NE(m_pHost, nullptr);
        m_manager.SetSite(m_pHost);
        m_manager.SetShortcutSource(&m_keys);
        m_manager.GetOptions()->bShortcutsInToolTips = TRUE;
        m_manager.GetToolTipContext()->m_nDelayInitial = 20;
        m_pBar = new CZMRToolBar;
        m_pBar->SetBarManager(&m_manager);
        CClassicColoursTheme* pTheme = new CClassicColoursTheme;
        m_pBar->SetPaintManager(pTheme);
        pTheme->InternalRelease();
        const struct
        {
            LPCWSTR lpszCaption, lpszTooltip, lpszShortcut, lpszDescription;
        } buttons[] = {
            {L"New", L"New document", L"Ctrl+N", L""},
            {L"Open", L"Open a file", L"", L"Opens a document kept on disk"},
        };
        for (int i = 0; i < 2; i++)
        {
            CZMRControl* pControl = m_pBar->GetControls()->Add(zmrControlButton, 300 + i);
            pControl->SetCaption(buttons[i].lpszCaption);
            pControl->SetStyle(zmrButtonCaption);
            pControl->SetTooltip(buttons[i].lpszTooltip);
            pControl->SetShortcutText(buttons[i].lpszShortcut);
            pControl->SetDescription(buttons[i].lpszDescription);
        }
        ASSERT_TRUE(m_pBar->SetDockState(m_pHost, FALSE));
        m_pHost->RecalcLayout();
        ::SetForegroundWindow(m_pHost->m_hWnd);
        PumpPendingMessages();
    }
    void TearDown() override
    {
        if (m_pBar)
        {
            m_pBar->DestroyWindow();
            m_pBar->InternalRelease();
        }
        if (m_pHost)
            m_pHost->DestroyWindow();
        PumpPendingMessages();
    }
    // Moves the mouse onto the middle of the control, a pixel at a time at the end.
    void Hover(int nIndex)
    {
        const CPoint pt = m_pBar->GetControl(nIndex)->GetRect().CenterPoint();
        for (int dx = -2; dx <= 0; dx++)
        {
            CTestInput::MoveTo(m_pBar->m_hWnd, CPoint(pt.x + dx, pt.y));
            PumpPendingMessages();
        }
    }
    HWND TipWindow() const
    {
        CWnd* pTip = m_manager.GetToolTipContext()->GetToolTip();
        return pTip ? pTip->GetSafeHwnd() : nullptr;
    }
    bool TipVisible() const { return TipWindow() && ::IsWindowVisible(TipWindow()); }

    CFrameHost* m_pHost = nullptr;
    CKeysOfTheBar m_keys;
    CZMRBarManager m_manager;
    CZMRToolBar* m_pBar = nullptr;
};

TEST_F(ToolBarTips, HoveringAButtonShowsItsTipWithItsShortcut)
{
    Hover(0);
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    // The platform's tip, over the button's own text and key.
    wchar_t szText[80] = {};
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.lpszText = szText;
    ASSERT_TRUE(::SendMessageW(TipWindow(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.hwnd, m_pBar->m_hWnd);
    EXPECT_EQ(ti.uId, UINT_PTR(300));
    EXPECT_STREQ(szText, L"New document (Ctrl+N)");
    CRect rcTip;
    ::GetWindowRect(TipWindow(), rcTip);
    CRect rcBar;
    m_pBar->GetWindowRect(rcBar);
    EXPECT_GE(rcTip.top, rcBar.top) << "the tip opens at the cursor, not above the bar";
    // Without a title the tip is one line high: no empty title band.
    HDC hdcTip = ::GetDC(TipWindow());
    HGDIOBJ hOldFont = ::SelectObject(hdcTip, HFONT(::SendMessageW(TipWindow(), WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hdcTip, &tm);
    ::SelectObject(hdcTip, hOldFont);
    ::ReleaseDC(TipWindow(), hdcTip);
    ASSERT_GT(tm.tmHeight, 0);
    EXPECT_LT(rcTip.Height(), 2 * tm.tmHeight) << "one line of " << tm.tmHeight << " px";

    CSize sz;
    std::vector<COLORREF> pixels = ReadWindow(TipWindow(), sz);
    EXPECT_TRUE(SaveArtifactPng(L"toolbar-tooltip-default.png", sz.cx, sz.cy,
                                [&](int x, int y) { return pixels[y * sz.cx + x]; }));

    // The next button's key comes from the manager's shortcut source.
    Hover(1);
    ASSERT_TRUE(PumpUntil([&] {
        ::SendMessageW(TipWindow(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        return TipVisible() && ti.uId == 301;
    }));
    EXPECT_STREQ(szText, L"Open a file (Ctrl+O)");
}

TEST_F(ToolBarTips, WithTitlesOnTheTipIsTheTitleAboveTheDescription)
{
    CZMRToolTipContext* pContext = m_manager.GetToolTipContext();
    pContext->SetStyle(zmrToolTipFlat);
    pContext->m_bShowTitleAndDescription = TRUE;
    Hover(1);
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    CZMRToolTipContextToolTip* pTip = dynamic_cast<CZMRToolTipContextToolTip*>(pContext->GetToolTip());
    ASSERT_NE(pTip, nullptr);
    EXPECT_STREQ(pTip->GetTitle(), L"Open a file (Ctrl+O)");
    EXPECT_STREQ(pTip->GetCurrentTool().strText, L"Opens a document kept on disk");

    // A button without a description shows its tip alone.
    Hover(0);
    ASSERT_TRUE(PumpUntil([&] { return TipVisible() && pTip->GetCurrentTool().nId == 300; }));
    EXPECT_TRUE(pTip->GetTitle().IsEmpty());
    EXPECT_STREQ(pTip->GetCurrentTool().strText, L"New document (Ctrl+N)");
}

// A tool bar that tells which window it remembers the focus came from.
class CFocusToolBar : public CZMRToolBar
{
public:
    HWND GetCaretWindow() const { return m_hWndCaret; }
};

// A tool bar between two edit fields of a dialog-like window.
class ToolBarInDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 100, 100, 300, 100,
                                      nullptr, nullptr));
        m_hEditBefore = MakeEdit(0);
        m_pBar = new CFocusToolBar;
        // Embedded in a dialog: the keyboard drives it, not a dock context.
        m_pBar->SetDockContext(nullptr);
        for (int i = 0; i < 2; i++)
            m_pBar->GetControls()->AddControl(new CFixedControl(CSize(20, 20)), 100 + i);
        ASSERT_TRUE(m_pBar->SetDockState(&m_parent, FALSE));
        m_pBar->SetWindowPos(nullptr, 0, 30, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        m_hEditAfter = MakeEdit(70);
        ::SetForegroundWindow(m_parent.m_hWnd);
        ::SetFocus(m_hEditBefore);
        PumpPendingMessages();
    }
    void TearDown() override
    {
        if (m_pBar)
        {
            m_pBar->SetMenuLoopActive(FALSE);
            m_pBar->DestroyWindow();
            m_pBar->InternalRelease();
        }
        m_parent.DestroyWindow();
    }
    HWND MakeEdit(int y)
    {
        return ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, y, 300, 24, m_parent.m_hWnd,
                                 nullptr, nullptr, nullptr);
    }
    // Types a key, with Shift held when asked.
    static void Type(WORD wKey, bool bShift = false)
    {
        if (bShift)
            CTestInput::Key(VK_SHIFT, true);
        CTestInput::Key(wKey, true);
        CTestInput::Key(wKey, false);
        if (bShift)
            CTestInput::Key(VK_SHIFT, false);
        PumpPendingMessages();
    }

    CWnd m_parent;
    HWND m_hEditBefore = nullptr;
    HWND m_hEditAfter = nullptr;
    CFocusToolBar* m_pBar = nullptr;
};

TEST_F(ToolBarInDialog, TheFocusMakesTheFirstControlHotAndTabMovesOn)
{
    m_pBar->SetFocus();
    PumpPendingMessages();
    EXPECT_TRUE(m_pBar->IsTrackingMode());
    EXPECT_EQ(m_pBar->GetHotIndex(), 0);
    EXPECT_EQ(m_pBar->GetCaretWindow(), m_hEditBefore);

    Type(VK_TAB);
    EXPECT_EQ(::GetFocus(), m_hEditAfter);
    EXPECT_FALSE(m_pBar->IsTrackingMode());
    EXPECT_EQ(::GetWindowTextLengthW(m_hEditAfter), 0) << "the Tab was taken, not typed";

    m_pBar->SetFocus();
    PumpPendingMessages();
    EXPECT_EQ(m_pBar->GetCaretWindow(), m_hEditAfter) << "leaving tracking forgot the earlier one";
    Type(VK_TAB, true);
    EXPECT_EQ(::GetFocus(), m_hEditBefore);
    EXPECT_FALSE(m_pBar->IsTrackingMode());
}

TEST_F(ToolBarInDialog, TabStaysInTheBarWhenNothingElseTakesTheFocus)
{
    ::DestroyWindow(m_hEditBefore);
    ::DestroyWindow(m_hEditAfter);
    m_pBar->SetFocus();
    PumpPendingMessages();
    ASSERT_TRUE(m_pBar->IsTrackingMode());
    EXPECT_EQ(m_pBar->HandleHookedKeyDown(VK_TAB, 0), 1) << "the command bar's own handling moves on";
    EXPECT_TRUE(m_pBar->IsTrackingMode());
    EXPECT_EQ(::GetFocus(), m_pBar->GetSafeHwnd());
}

// A button that may take a right-button press itself.
class CRightClickControl : public CFixedControl
{
public:
    BOOL OnRButtonDown(CPoint) override { return m_bTake; }
    BOOL m_bTake = FALSE;
};

// A manager that records where it was asked for the tool-bar menu.
class CMenuRecordingManager : public CZMRBarManager
{
public:
    void ShowToolBarContextMenu(CPoint ptScreen, CZMRToolBar* pToolBar) override
    {
        m_menus.push_back({ptScreen, pToolBar});
    }
    std::vector<std::pair<CPoint, CZMRToolBar*>> m_menus;
};

TEST(ToolBarRightButton, AsksTheManagerForItsMenuUnlessAControlOrCustomizeModeTakesThePress)
{
    CRecordingSiteFrame* pSite = CRecordingSiteFrame::Create(CRect(100, 100, 500, 300));
    ASSERT_NE(pSite, nullptr);
    CMenuRecordingManager manager;
    manager.SetSite(pSite);
    CZMRToolBar* pBar = new CZMRToolBar;
    pBar->SetBarManager(&manager);
    CRightClickControl* pControl = new CRightClickControl;
    pBar->GetControls()->AddControl(pControl, 100);
    ASSERT_TRUE(pBar->SetDockState(pSite, FALSE));
    pBar->SetWindowPos(nullptr, 0, 0, 200, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    pControl->SetRect(CRect(2, 2, 22, 22));
    auto rightPress = [&](CPoint pt) { pBar->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y)); };

    // Over the control, with the bar tracking: the bar leaves tracking first.
    pBar->SetMenuLoopActive(TRUE, TRUE);
    ASSERT_EQ(pBar->GetHotIndex(), 0);
    rightPress(CPoint(10, 10));
    EXPECT_FALSE(pBar->IsTrackingMode());
    EXPECT_EQ(pBar->GetHotIndex(), -1);
    ASSERT_EQ(manager.m_menus.size(), 1u);
    CPoint ptScreen(10, 10);
    pBar->ClientToScreen(&ptScreen);
    EXPECT_EQ(manager.m_menus[0].first, ptScreen);
    EXPECT_EQ(manager.m_menus[0].second, pBar);

    pControl->m_bTake = TRUE;
    rightPress(CPoint(10, 10));
    EXPECT_EQ(manager.m_menus.size(), 1u) << "the control took the press";

    pControl->m_bTake = FALSE;
    CCmdTarget customizer;
    manager.SetCustomizeMode(&customizer);
    rightPress(CPoint(100, 10));
    manager.SetCustomizeMode(nullptr);
    EXPECT_EQ(manager.m_menus.size(), 1u) << "customize mode has its own menu";

    pBar->SetBarManager(nullptr);
    rightPress(CPoint(100, 10));
    EXPECT_EQ(manager.m_menus.size(), 1u);

    pBar->DestroyWindow();
    pBar->InternalRelease();
    pSite->DestroyWindow();
}

std::function<void()> g_inMenuLoop;

void CALLBACK InMenuLoopProc(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(nullptr, nId);
    if (g_inMenuLoop)
        g_inMenuLoop();
}

TEST_F(BarSiteTest, TheToolBarMenuListsTheBarsTheUserMayHideAndTogglesTheChosenOne)
{
    CZMRToolBar* pStandard = m_pManager->AddToolBar(L"Standard", 1);
    CZMRToolBar* pDrawing = m_pManager->AddToolBar(L"Lines && Shapes", 2);
    pDrawing->SetVisible(FALSE);
    m_pManager->AddToolBar(L"Not in the menu", 3)->SetContextMenuPresent(FALSE);
    m_pManager->AddToolBar(L"Not closeable", 4)->SetCloseable(FALSE);

    struct Item
    {
        CString strCaption;
        int bChecked;
    };
    std::vector<Item> items;
    g_inMenuLoop = [&] {
        CZMRMouseManager* pMouseManager = m_pManager->GetMouseManager();
        ASSERT_EQ(pMouseManager->GetTrackedCount(), 1);
        CZMRCommandBar* pPopup = pMouseManager->GetTrackedAt(0);
        CZMRControl* pChoice = nullptr;
        for (int i = 0; i < pPopup->GetControlCount(); i++)
        {
            CZMRControl* pItem = pPopup->GetControl(i);
            if (!pItem->IsVisible())
                continue;
            items.push_back({pItem->GetCaption(), pItem->GetChecked()});
            if (pItem->GetTag() == 1)
                pChoice = pItem;
        }
        ASSERT_NE(pChoice, nullptr);
        pChoice->OnExecute();
    };
    const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR nId, DWORD) {
        ::KillTimer(nullptr, nId);
        ADD_FAILURE() << "the menu was still open when the safety timer fired";
        g_inMenuLoop = nullptr;
    });
    ::SetTimer(nullptr, 0, 20, InMenuLoopProc);
    m_pManager->ShowToolBarContextMenu(CPoint(150, 150), pStandard);
    ::KillTimer(nullptr, nSafety);
    g_inMenuLoop = nullptr;

    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0].strCaption, L"Standard");
    EXPECT_EQ(items[0].bChecked, TRUE);
    EXPECT_STREQ(items[1].strCaption, L"Lines &&&& Shapes") << "the title's ampersands stay ampersands";
    EXPECT_EQ(items[1].bChecked, FALSE);
    EXPECT_TRUE(pDrawing->IsVisible()) << "the chosen bar shows";
    EXPECT_TRUE(m_pManager->GetOptions()->bDirtyState);
    EXPECT_EQ(m_pManager->GetMouseManager()->GetTrackedCount(), 0);
}

TEST_F(BarSiteTest, NoToolBarMenuWithoutABarToList)
{
    m_pManager->AddToolBar(L"Fixed", 1)->SetCloseable(FALSE);
    // Nothing opens, so nothing waits for a timer to end a loop.
    m_pManager->ShowToolBarContextMenu(CPoint(150, 150));
    EXPECT_EQ(m_pManager->GetMouseManager()->GetTrackedCount(), 0);
}
} // namespace
