// Ribbon groups that stay wider than their band after all reduction: the
// offset each scroll step asks for and the layout allows, scrolling a range
// into view, the scroll buttons' repeat loop under real mouse input, and a
// picture of a narrow ribbon with its buttons, with the test skin and
// without any.
#include "RibbonTestSupport.h"
#include "RibbonPaintSupport.h"
#include "CTestInput.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTabPopupToolBar.h"

#include <memory>
#include <optional>
#include <vector>

namespace
{
// Part numbers of the test skin (skin/make_ribbon_parts.py).
enum
{
    kScrollLeft = 27,
    kScrollLeftGlyph = 28,
};

using Scroll = CZMRRibbonScrollableBar;

TEST(RibbonScrollIntoView, TheOffsetThatShowsARange)
{
    const CRect rcGroups(0, 100, 380, 200);
    struct
    {
        const char* name;
        int nApplied;
        CRect rcGroups;
        int nLeft, nRight;
        BOOL bLeftShown, bRightShown;
        int nExpected;
    } const cases[] = {
        {"under the left button scrolls back by the gap", 100, rcGroups, 5, 50, TRUE, TRUE, 93},
        {"at 12 or more and inside stays", 100, rcGroups, 12, 370, TRUE, TRUE, 100},
        {"ending on the band's right edge stays", 100, rcGroups, 300, 380, TRUE, TRUE, 100},
        {"past the right edge scrolls on, past the button", 100, rcGroups, 300, 400, TRUE, TRUE, 132},
        {"the band's left edge counts on the right", 100, CRect(10, 100, 390, 200), 300, 400, TRUE, TRUE, 132},
        {"the left rule wins over the right one", 100, rcGroups, 5, 400, TRUE, TRUE, 93},
        {"never below 0", 5, rcGroups, -30, 10, TRUE, TRUE, 0},
        {"without the left button the left edge is not looked at", 0, rcGroups, 5, 50, FALSE, TRUE, 0},
        {"without the right button the right edge is not looked at", 100, rcGroups, 300, 400, TRUE, FALSE, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, Scroll::CalcScrollIntoView(c.nApplied, c.rcGroups, c.nLeft, c.nRight, c.bLeftShown,
                                                          c.bRightShown))
            << c.name;
}

// The test's own tick, and what the scroll loop tests do on it while the
// loop runs: a one-shot view of the loop from inside.
std::function<void()> g_onTick;
void CALLBACK OnTestTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_onTick)
        g_onTick();
}

// Eight groups of three buttons that never reduce, on a ribbon too narrow
// for them.
class RibbonScrolling : public testing::Test
{
protected:
    explicit RibbonScrolling(bool bSkin = true)
    {
        if (bSkin)
            m_skin.emplace();
    }
    void SetUp() override
    {
        ::GetCursorPos(&m_ptCursor);
        m_pHost.reset(CRibbonHost::Create({0, 0, 300, 400}));
        ASSERT_TRUE(m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        m_pRibbon->SetMinimumFrameSize(100);
        m_pTab = m_pRibbon->InsertTab(-1, L"&Home", 1);
        for (int g = 0; g < 8; g++)
        {
            CString strCaption;
            strCaption.Format(L"Group %d", g);
            CZMRRibbonGroup* pGroup = new CZMRRibbonGroup;
            pGroup->SetCaption(strCaption);
            pGroup->SetMaxReduceLevel(0);
            m_pTab->GetGroups()->InsertAt(-1, pGroup);
            for (int i = 0; i < 3; i++)
            {
                CZMRControlButton* pSource = new CZMRControlButton;
                CString strButton;
                strButton.Format(L"Button %d%d", g, i);
                pSource->SetID(1000 + 10 * g + i);
                pSource->SetCaption(strButton);
                pSource->SetFlags(pSource->GetFlags() | zmrFlagManualUpdate);
                pGroup->InsertControl(pSource, -1);
                pSource->InternalRelease();
            }
        }
        m_pRibbon->SelectTab(0);
        m_pHost->Layout();
        ::SetForegroundWindow(m_pHost->Frame()->GetSafeHwnd());
        CRibbonHost::Pump();
        m_nOverflow = RequestAndLayout(1 << 20);
        RequestAndLayout(0);
    }
    void TearDown() override
    {
        g_onTick = nullptr;
        m_pHost->Manager()->CancelTracking();
        m_pHost.reset();
        // Later tests find the mouse where it was.
        CTestInput::MoveTo(m_ptCursor);
        CRibbonHost::Pump();
    }

    CZMRRibbonGroups* Groups() const { return m_pTab->GetGroups(); }
    int Applied() const { return Groups()->GetAppliedScrollOffset(); }
    int RequestAndLayout(int nOffset)
    {
        m_pRibbon->SetScrollOffset(nOffset);
        m_pHost->Layout();
        return Applied();
    }
    BOOL Shown(BOOL bLeft) const { return m_pRibbon->GetScrollButton(bLeft)->IsVisible(); }
    // The middle of a scroll button, on the screen.
    CPoint ButtonCentre(BOOL bLeft) const
    {
        CPoint pt = m_pRibbon->GetScrollButton(bLeft)->GetRect().CenterPoint();
        m_pRibbon->ClientToScreen(&pt);
        return pt;
    }
    // Presses the left button over a scroll button and runs what it starts
    // until the loop is over; a tick of the test runs meanwhile. The quit
    // code when the loop ended on a quit message, else -1.
    int PressAndRun(BOOL bLeft, const std::function<void(int nTick)>& onTick)
    {
        EXPECT_TRUE(CTestInput::MoveTo(ButtonCentre(bLeft)));
        CRibbonHost::Pump();
        int nTick = 0;
        g_onTick = [&] { onTick(++nTick); };
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, OnTestTick);
        CTestInput::Button(VK_LBUTTON, true);
        int nQuit = -1;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                nQuit = int(msg.wParam);
                break;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::KillTimer(nullptr, nTimer);
        g_onTick = nullptr;
        if (::GetAsyncKeyState(VK_LBUTTON) < 0)
            CTestInput::Button(VK_LBUTTON, false);
        return nQuit;
    }
    // What the loop leaves behind: no capture, no repeat timer, the button
    // no longer pressed.
    void ExpectLoopCleanedUp(BOOL bLeft, const char* pszWhy) const
    {
        EXPECT_NE(m_pRibbon->GetSafeHwnd(), ::GetCapture()) << pszWhy;
        EXPECT_FALSE(::KillTimer(m_pRibbon->GetSafeHwnd(), Scroll::CControlGroupsScroll::TimerRepeat)) << pszWhy;
        EXPECT_EQ(0, m_pRibbon->GetScrollButton(bLeft)->GetPressed()) << pszWhy;
    }

    // The ribbon as its tests draw it: with the frame's current pixels.
    std::vector<COLORREF> Capture(CSize& sz)
    {
        m_pRibbon->Redraw();
        m_pRibbon->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return m_pHost->CaptureFrame(sz);
    }

    std::optional<CRibbonSkinBound> m_skin;
    std::unique_ptr<CRibbonHost> m_pHost;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRRibbonTab* m_pTab = nullptr;
    int m_nOverflow = 0;
    POINT m_ptCursor = {};
};

TEST_F(RibbonScrolling, EachStepAsksFortyAndTheLayoutKeepsItInTheOverflow)
{
    ASSERT_GT(m_nOverflow, 150) << "the groups must overflow for these cases";
    const int O = m_nOverflow;
    struct
    {
        const char* name;
        int nStart;
        BOOL bLeft;
        int nRequest, nApplied;
        BOOL bLeftShown, bRightShown;
    } const cases[] = {
        {"left at the start stays", 0, TRUE, 0, 0, FALSE, TRUE},
        {"left from below 40 stops at 0", 30, TRUE, 0, 0, FALSE, TRUE},
        {"left from 100", 100, TRUE, 60, 60, TRUE, TRUE},
        {"right from the start", 0, FALSE, 40, 40, TRUE, TRUE},
        {"right beyond the overflow is cut back", O - 10, FALSE, O + 30, O, TRUE, FALSE},
        {"right at the end asks again and stays", O, FALSE, O + 40, O, TRUE, FALSE},
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ(c.nStart, RequestAndLayout(c.nStart)) << c.name;
        m_pRibbon->ScrollGroups(c.bLeft);
        m_pHost->Layout();
        EXPECT_EQ(c.nRequest, m_pRibbon->GetScrollOffset()) << c.name;
        EXPECT_EQ(c.nApplied, Applied()) << c.name;
        EXPECT_EQ(c.bLeftShown, Shown(TRUE)) << c.name;
        EXPECT_EQ(c.bRightShown, Shown(FALSE)) << c.name;
    }

    // The buttons stand over the ends of the groups band, the groups under them.
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    RequestAndLayout(100);
    EXPECT_EQ(CRect(rcGroups.left - 1, rcGroups.top, rcGroups.left + 12, rcGroups.bottom),
              m_pRibbon->GetScrollButton(TRUE)->GetRect());
    EXPECT_EQ(CRect(rcGroups.right - 12, rcGroups.top, rcGroups.right + 1, rcGroups.bottom),
              m_pRibbon->GetScrollButton(FALSE)->GetRect());
    EXPECT_EQ(Groups()->GetAt(0)->GetRect().left, rcGroups.left + 4 - 100);
}

TEST_F(RibbonScrolling, AControlMadeHotByTheKeyboardScrollsIntoView)
{
    CZMRRibbonGroup* pLast = Groups()->GetAt(Groups()->GetCount() - 1);
    CZMRControl* pControl = pLast->GetAt(2);
    ASSERT_GT(pControl->GetRect().right, m_pRibbon->GetGroupsRect().right) << "out of view at first";
    m_pRibbon->SetMenuLoopActive(TRUE, FALSE, 1);
    m_pRibbon->SetHotControl(pControl->GetIndex(), 2);
    m_pHost->Layout();
    EXPECT_GT(Applied(), 0);
    EXPECT_LE(pControl->GetRect().right, m_pRibbon->GetGroupsRect().right) << "inside the band";
}

TEST_F(RibbonScrolling, AMinimizedRibbonHasNoScrollButtons)
{
    RequestAndLayout(100);
    ASSERT_TRUE(Shown(TRUE) && Shown(FALSE));
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    EXPECT_FALSE(Shown(TRUE));
    EXPECT_FALSE(Shown(FALSE));
    EXPECT_EQ(nullptr, m_pRibbon->HitTest(m_pRibbon->GetScrollButton(FALSE)->GetRect().CenterPoint()));
}

// The popup of a minimized ribbon scrolls its copies of the groups the same
// way, apart from the ribbon's own groups.
TEST_F(RibbonScrolling, TheTabPopupScrollsItsOwnGroups)
{
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    m_pRibbon->GetControlTab()->PopupSelectedTab(FALSE);
    CRibbonHost::Pump();
    auto* pPopup = dynamic_cast<CZMRRibbonTabPopupToolBar*>(m_pRibbon->GetControlTab()->GetCommandBar());
    ASSERT_NE(nullptr, pPopup);
    ASSERT_TRUE(pPopup->IsTrackingMode());
    CZMRRibbonGroups* pGroups = pPopup->GetTabCopy()->GetGroups();
    EXPECT_FALSE(pPopup->GetScrollButton(TRUE)->IsVisible());
    EXPECT_TRUE(pPopup->GetScrollButton(FALSE)->IsVisible());
    const int nLeft = pGroups->GetAt(0)->GetRect().left;

    pPopup->ScrollGroups(FALSE);
    EXPECT_EQ(40, pGroups->GetAppliedScrollOffset());
    EXPECT_EQ(nLeft - 40, pGroups->GetAt(0)->GetRect().left);
    EXPECT_TRUE(pPopup->GetScrollButton(TRUE)->IsVisible());
    EXPECT_EQ(0, m_pRibbon->GetScrollOffset()) << "the ribbon's own offset stays";
    pPopup->ScrollGroups(TRUE);
    EXPECT_EQ(0, pGroups->GetAppliedScrollOffset());
}

// Pressed and released before the first repeat, a button scrolls once.
TEST_F(RibbonScrolling, AQuickClickScrollsExactlyOnce)
{
    // Right and back with the left button; press and release reach the
    // queue before the ribbon sees the press: the release is there before
    // any timer can be.
    for (const BOOL bLeft : {FALSE, TRUE})
    {
        EXPECT_TRUE(CTestInput::MoveTo(ButtonCentre(bLeft)));
        CRibbonHost::Pump();
        CTestInput::Button(VK_LBUTTON, true);
        CTestInput::Button(VK_LBUTTON, false);
        CRibbonHost::Pump();
        EXPECT_EQ(bLeft ? 0 : 40, Applied()) << bLeft;
        ExpectLoopCleanedUp(bLeft, bLeft ? "left" : "right");
    }
}

// Held, it repeats; the loop ends on the release, on a quit message and
// when the capture goes elsewhere, and leaves nothing running.
TEST_F(RibbonScrolling, TheRepeatLoopEndsOnReleaseQuitOrCaptureLoss)
{
    BOOL bTimedOut = FALSE;
    // Ends the loop from outside when a case never does (500 ticks).
    auto guard = [&](int nTick) {
        if (nTick > 500 && ::GetCapture())
        {
            bTimedOut = TRUE;
            ::ReleaseCapture();
        }
    };

    int nAtRelease = -1;
    EXPECT_EQ(-1, PressAndRun(FALSE, [&](int nTick) {
                  guard(nTick);
                  if (nAtRelease == -1 && Applied() >= 3 * 40)
                  {
                      nAtRelease = Applied();
                      CTestInput::Button(VK_LBUTTON, false);
                  }
              }));
    EXPECT_FALSE(bTimedOut);
    EXPECT_GE(nAtRelease, 3 * 40) << "the held button repeated";
    EXPECT_EQ(nAtRelease, Applied()) << "no step after the release";
    ExpectLoopCleanedUp(FALSE, "release");

    RequestAndLayout(0);
    EXPECT_EQ(7, PressAndRun(FALSE, [&](int nTick) {
                  guard(nTick);
                  if (Applied() >= 2 * 40)
                  {
                      ::PostQuitMessage(7);
                      g_onTick = nullptr;
                  }
              }))
        << "the quit message is posted again";
    EXPECT_FALSE(bTimedOut);
    ExpectLoopCleanedUp(FALSE, "quit");

    RequestAndLayout(0);
    int nAtLoss = -1;
    EXPECT_EQ(-1, PressAndRun(FALSE, [&](int nTick) {
                  guard(nTick);
                  if (nAtLoss == -1 && Applied() >= 2 * 40)
                  {
                      nAtLoss = Applied();
                      ::ReleaseCapture();
                  }
              }));
    EXPECT_FALSE(bTimedOut);
    EXPECT_EQ(nAtLoss, Applied());
    ExpectLoopCleanedUp(FALSE, "capture loss");
}

// A ribbon too narrow for its groups, scrolled into the middle: the left
// button shows its part and glyph over the start of the band, and goes at
// the start. (The test skin has no part for the right button; it gets the
// plain face and arrow of a ribbon without a skin.)
TEST_F(RibbonScrolling, PictureOfANarrowRibbonWithItsScrollButtons)
{
    const CRect rcRibbon = m_pHost->RibbonRectInFrame();
    auto at = [&](const std::vector<COLORREF>& pixels, CSize sz, CPoint pt) {
        return pixels[size_t(rcRibbon.top + pt.y) * sz.cx + size_t(rcRibbon.left + pt.x)];
    };
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    const CPoint ptPart(rcGroups.left + 2, rcGroups.top + 3);
    const CPoint ptGlyph(rcGroups.left + 5, rcGroups.CenterPoint().y);

    CSize sz;
    std::vector<COLORREF> pixels = Capture(sz);
    EXPECT_NE(PartColor(kScrollLeft, 0), at(pixels, sz, ptPart)) << "no left button at the start";

    RequestAndLayout(m_nOverflow / 2);
    pixels = Capture(sz);
    EXPECT_EQ(PartColor(kScrollLeft, 0), at(pixels, sz, ptPart));
    EXPECT_EQ(PartColor(kScrollLeftGlyph, 0), at(pixels, sz, ptGlyph));
    m_pHost->SavePicture(L"ribbon_groups_scroll_buttons.png");
}

class RibbonScrollingWithoutSkin : public RibbonScrolling
{
protected:
    RibbonScrollingWithoutSkin() : RibbonScrolling(false) {}
};

// The arrow of a scroll button 13 px wide, as offsets from its centre: the
// tip, the ends of the base column, and points just outside the arrow.
struct ArrowPoints
{
    std::vector<CPoint> arrow, outside;
};
const ArrowPoints kLeftArrow = {{{-2, 0}, {1, -3}, {1, 3}, {0, 0}}, {{-2, -1}, {-3, 0}, {2, 0}, {0, -3}}};
const ArrowPoints kRightArrow = {{{1, 0}, {-2, -3}, {-2, 3}, {-1, 0}}, {{1, -1}, {2, 0}, {-3, 0}, {-1, -3}}};

// Without a skin a scroll button is a framed face in its state under an
// arrow pointing its way, so it shows over the groups it lies on.
TEST(RibbonScrollButtonsWithoutSkin, AFaceInTheButtonsStateUnderItsArrow)
{
    CZMRRibbonTheme* pTheme = new CZMRRibbonTheme;
    pTheme->RefreshMetrics();
    CPicture picture(40, 100);
    CStateButton button;
    button.SetRect(CRect(10, 5, 23, 95));
    const CPoint c = button.GetRect().CenterPoint();
    struct
    {
        const char* name;
        int nSelected, nPressed;
    } const states[] = {{"at rest", 0, 0}, {"hot", 1, 0}, {"pressed", 1, 1}};
    std::vector<COLORREF> faces;
    for (BOOL bLeft : {TRUE, FALSE})
    {
        const ArrowPoints& points = bLeft ? kLeftArrow : kRightArrow;
        const char* pszWay = bLeft ? "left" : "right";
        for (const auto& st : states)
        {
            button.m_nSelected = st.nSelected;
            button.m_nPressed = st.nPressed;
            picture.Clear();
            pTheme->DrawGroupScrollButton(picture.DC(), &button, bLeft);
            const COLORREF clrFace = picture.At(button.GetRect().left + 3, button.GetRect().top + 3);
            const COLORREF clrFrame = picture.At(button.GetRect().left, c.y);
            EXPECT_NE(kPaper, clrFace) << pszWay << ", " << st.name;
            EXPECT_NE(clrFace, clrFrame) << pszWay << ", " << st.name;
            EXPECT_EQ(clrFrame, picture.At(button.GetRect().right - 1, button.GetRect().bottom - 1))
                << pszWay << ", " << st.name;
            const COLORREF clrArrow = picture.At(c.x + points.arrow[0].x, c.y + points.arrow[0].y);
            EXPECT_NE(clrFace, clrArrow) << pszWay << ", " << st.name;
            for (CPoint pt : points.arrow)
                EXPECT_EQ(clrArrow, picture.At(c.x + pt.x, c.y + pt.y))
                    << pszWay << ", " << st.name << ": arrow at " << pt.x << "," << pt.y;
            for (CPoint pt : points.outside)
                EXPECT_EQ(clrFace, picture.At(c.x + pt.x, c.y + pt.y))
                    << pszWay << ", " << st.name << ": face at " << pt.x << "," << pt.y;
            if (bLeft)
                faces.push_back(clrFace);
        }
    }
    EXPECT_NE(faces[0], faces[1]) << "hot differs from at rest";
    EXPECT_NE(faces[1], faces[2]) << "pressed differs from hot";
    pTheme->InternalRelease();
}

// A ribbon too narrow for its groups, without a skin, scrolled into the
// middle: both buttons show their arrows over the ends of the band.
TEST_F(RibbonScrollingWithoutSkin, BothButtonsShowTheirArrows)
{
    RequestAndLayout(m_nOverflow / 2);
    ASSERT_TRUE(Shown(TRUE));
    ASSERT_TRUE(Shown(FALSE));
    CSize sz;
    const std::vector<COLORREF> pixels = Capture(sz);
    const CRect rcRibbon = m_pHost->RibbonRectInFrame();
    auto at = [&](CPoint pt) { return pixels[size_t(rcRibbon.top + pt.y) * sz.cx + size_t(rcRibbon.left + pt.x)]; };
    for (BOOL bLeft : {TRUE, FALSE})
    {
        const CRect rc = m_pRibbon->GetScrollButton(bLeft)->GetRect();
        const CPoint c = rc.CenterPoint();
        const ArrowPoints& points = bLeft ? kLeftArrow : kRightArrow;
        const COLORREF clrFace = at(CPoint(rc.left + 3, rc.top + 3));
        const COLORREF clrArrow = at(c + points.arrow[0]);
        EXPECT_NE(clrFace, clrArrow) << (bLeft ? "left" : "right");
        for (CPoint pt : points.arrow)
            EXPECT_EQ(clrArrow, at(c + pt)) << (bLeft ? "left" : "right") << ": arrow at " << pt.x << "," << pt.y;
        for (CPoint pt : points.outside)
            EXPECT_EQ(clrFace, at(c + pt)) << (bLeft ? "left" : "right") << ": face at " << pt.x << "," << pt.y;
    }
    m_pHost->SavePicture(L"ribbon_groups_scroll_buttons_without_skin.png");
}
} // namespace
