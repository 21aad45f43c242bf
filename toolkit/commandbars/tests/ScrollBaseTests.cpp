// The progress base and control, and the scroll bar that controls carry:
// its layout and hit test as tables, and its tracking loop driven by real
// input and ended by release, capture loss, WM_QUIT and a destroyed window.
#include "CZMRControlProgress.h"
#include "CZMRProgressPaintManager.h"
#include "CZMRScrollBarPaintManager.h"
#include "CZMRScrollBase.h"
#include "BarTestSupport.h"
#include "CommandBarsTestSupport.h"
#include "InputScript.h"
#include "ScrollBaseTestSupport.h"
#include "MemoryPropStore.h"
#include "CZMRMouseManager.h"
#include <gtest/gtest.h>

// ---------------------------------------------------------------- progress

TEST(ProgressBase, PositionIsClampedAndRedrawsOnlyOnChange)
{
    CBarFixture fixture;
    auto* pProgress = new CZMRControlProgress;
    fixture.m_pBar->GetControls()->AddControl(pProgress);
    pProgress->SetRect(CRect(0, 0, 100, 16));
    auto redraws = [&] { return fixture.m_pBar->m_redraws.size(); };

    const size_t n0 = redraws();
    pProgress->SetRange(0, 100);
    EXPECT_EQ(redraws(), n0) << "the same range does not redraw";
    pProgress->SetPos(150);
    EXPECT_EQ(pProgress->m_nPos, 100);
    EXPECT_EQ(redraws(), n0 + 1);
    pProgress->SetPos(100);
    EXPECT_EQ(redraws(), n0 + 1) << "the same position does not redraw";
    pProgress->SetPos(-5);
    EXPECT_EQ(pProgress->m_nPos, 0);
    pProgress->SetRange(10, 20);
    EXPECT_EQ(redraws(), n0 + 3);
}

TEST(ProgressBase, FilledWidthFromRangeAndPosition)
{
    struct
    {
        const char* name;
        int cxInner, nMin, nMax, nPos, cxFilled;
    } cases[] = {
        {"empty", 100, 0, 100, 0, 0},
        {"half", 100, 0, 100, 50, 50},
        {"full", 196, 0, 100, 100, 196},
        {"offset range", 90, 10, 40, 20, 30},
        {"position above the range after SetRange", 100, 0, 100, 150, 100},
        {"position below the range", 100, 10, 20, 0, 0},
        {"minimum equal to maximum", 100, 5, 5, 5, 0},
        {"minimum above maximum", 100, 9, 3, 5, 0},
        {"no inner width", 0, 0, 100, 50, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CZMRProgressPaintManager::GetFilledWidth(c.cxInner, c.nMin, c.nMax, c.nPos), c.cxFilled) << c.name;
}

TEST(ProgressBase, ChunkCountCoversTheFilledWidth)
{
    struct
    {
        int cxFilled, cxChunk, cxSpacing, nChunks;
    } cases[] = {
        {0, 8, 2, 0},   // 0 %: none
        {1, 8, 2, 1},
        {8, 8, 2, 1},
        {9, 8, 2, 1},   // the spacing after a chunk is not a new chunk
        {11, 8, 2, 2},
        {100, 8, 2, 10},
        {5, 1, 0, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CZMRProgressPaintManager::GetChunkCount(c.cxFilled, c.cxChunk, c.cxSpacing), c.nChunks)
            << c.cxFilled << " " << c.cxChunk << " " << c.cxSpacing;
}

TEST(ControlProgress, SizePersistenceAndCopy)
{
    CThemedBarFixture<CTestTheme> fixture(zmrBarTypeNormal, zmrBarTop);
    auto* pProgress = new CZMRControlProgress;
    fixture.m_pBar->GetControls()->AddControl(pProgress);
    EXPECT_EQ(pProgress->GetType(), zmrControlError) << "the control base's type";
    EXPECT_EQ(pProgress->GetSize(nullptr), CSize(100, 16)) << "no height: the paint manager's default";
    fixture.m_pTheme->m_pProgressPaintManager->m_nDefaultHeight = 12;
    EXPECT_EQ(pProgress->GetSize(nullptr), CSize(100, 12));
    pProgress->SetHeight(20);
    EXPECT_EQ(pProgress->GetSize(nullptr), CSize(100, 20));

    pProgress->SetRange(5, 50);
    pProgress->SetPos(30);
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE);
        pProgress->DoPropExchange(&store);
    }
    CZMRControlProgress loaded;
    {
        CMemoryPropStore store(&data, TRUE);
        loaded.DoPropExchange(&store);
    }
    EXPECT_EQ(loaded.m_nMin, 5);
    EXPECT_EQ(loaded.m_nMax, 50);
    EXPECT_EQ(loaded.m_nPos, 30);

    CZMRControl* pClone = pProgress->Clone();
    auto* pCopy = DYNAMIC_DOWNCAST(CZMRControlProgress, pClone);
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(pCopy->m_nMin, 5);
    EXPECT_EQ(pCopy->m_nMax, 50);
    EXPECT_EQ(pCopy->m_nPos, 30);
    pClone->InternalRelease();
}

// ---------------------------------------------------------------- scroll base

namespace
{
struct CLayoutCase
{
    const char* name;
    CRect rcBar;
    BOOL bVertical;
    int nMin, nMax, nPage, nPos, nFixedThumb;
    // Expected: arrow ends, thumb size, track start and length, thumb start.
    int pxUpArrow, pxDownArrow, cpxThumb, pxMin, cpx, pxThumbTop;
};
} // namespace

TEST(ScrollBase, LayoutFromRangePageAndPosition)
{
    const CLayoutCase cases[] = {
        {"top", CRect(0, 0, 16, 100), TRUE, 0, 99, 20, 0, 0, 16, 84, 14, 16, 54, 16},
        {"middle", CRect(0, 0, 16, 100), TRUE, 0, 99, 20, 40, 0, 16, 84, 14, 16, 54, 43},
        {"end", CRect(0, 0, 16, 100), TRUE, 0, 99, 20, 80, 0, 16, 84, 14, 16, 54, 70},
        {"offset bar", CRect(5, 10, 21, 110), TRUE, 0, 99, 20, 0, 0, 26, 94, 14, 26, 54, 26},
        {"no page: the arrow's size", CRect(0, 0, 16, 100), TRUE, 0, 99, 0, 0, 0, 16, 84, 16, 16, 52, 16},
        {"small page: half the arrow", CRect(0, 0, 16, 100), TRUE, 0, 999, 1, 0, 0, 16, 84, 8, 16, 60, 16},
        {"page is the range", CRect(0, 0, 16, 100), TRUE, 0, 99, 100, 0, 0, 16, 84, 68, 16, 0, 15},
        {"short bar: arrows of half", CRect(0, 0, 16, 20), TRUE, 0, 99, 20, 0, 0, 10, 10, 8, 10, -8, 10},
        {"fixed thumb", CRect(0, 0, 100, 16), FALSE, 0, 99, 20, 80, 11, 16, 84, 11, 16, 57, 73},
        {"horizontal", CRect(0, 0, 100, 16), FALSE, 0, 99, 20, 40, 0, 16, 84, 14, 16, 54, 43},
    };
    for (const CLayoutCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestScrollBar bar;
        bar.m_bVertical = c.bVertical;
        bar.m_rcBar = c.rcBar;
        bar.m_nMin = c.nMin;
        bar.m_nMax = c.nMax;
        bar.m_nPage = c.nPage;
        bar.m_nPos = c.nPos;
        bar.m_paintManager.m_nThumbSize = c.nFixedThumb;
        bar.UpdateScrollBar();
        const CZMRScrollBase::SCROLLBARPOSINFO& spi = *bar.GetScrollBarPosInfo();
        EXPECT_EQ(spi.pxUpArrow, c.pxUpArrow);
        EXPECT_EQ(spi.pxDownArrow, c.pxDownArrow);
        EXPECT_EQ(spi.cpxThumb, c.cpxThumb);
        EXPECT_EQ(spi.pxMin, c.pxMin);
        EXPECT_EQ(spi.cpx, c.cpx);
        EXPECT_EQ(spi.pxThumbTop, c.pxThumbTop);
        EXPECT_EQ(spi.pxThumbBottom, c.pxThumbTop + c.cpxThumb);
        EXPECT_EQ(spi.pxPopup, 0);
    }
}

TEST(ScrollBase, HitTestOfEveryPart)
{
    CTestScrollBar bar;
    bar.m_rcBar = CRect(0, 0, 16, 100);
    bar.m_nPos = 40;   // thumb 43..57
    bar.UpdateScrollBar();
    struct
    {
        CPoint pt;
        int nHit;
    } cases[] = {
        {{8, 0}, 60},   {{8, 15}, 60}, {{8, 16}, 62}, {{8, 42}, 62}, {{8, 43}, 64}, {{8, 56}, 64},
        {{8, 57}, 63},  {{8, 83}, 63}, {{8, 84}, 61}, {{8, 99}, 61}, {{8, 100}, 0}, {{16, 50}, 0},
        {{-1, 50}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bar.HitTestScrollBar(c.pt), c.nHit) << c.pt.x << "," << c.pt.y;

    bar.GetScrollBarPosInfo()->pxPopup = 90;
    EXPECT_EQ(bar.HitTestScrollBar(CPoint(8, 90)), 65);
    EXPECT_EQ(bar.HitTestScrollBar(CPoint(8, 89)), 61);
    EXPECT_EQ(bar.HitTestScrollBar(CPoint(8, 5)), 60);
}

TEST(ScrollBase, StyleFollowsTheThemeUnlessSet)
{
    struct
    {
        int nKind, nStyle;
    } cases[] = {{zmrThemeDefault, 2}, {zmrThemeOffice, 3},   {zmrThemeOffice2003, 3},
                 {zmrThemeOffice2007, 5}, {zmrThemeRibbon, 5}, {zmrThemeVisualStudio2008, 3}};
    for (const auto& c : cases)
    {
        class CKindTheme : public CTestTheme
        {
        public:
            int GetThemeKind() override { return m_nKind; }
            int m_nKind = 0;
        };
        CKindTheme theme;
        theme.m_nKind = c.nKind;
        CTestScrollBar bar;
        bar.m_paintManager.m_pPaintManager = &theme;
        EXPECT_EQ(bar.GetScrollBarStyle(), c.nStyle) << c.nKind;
        bar.m_nScrollBarStyle = 6;
        EXPECT_EQ(bar.GetScrollBarStyle(), 6);
    }
}

TEST(ScrollBase, TrackingLimitAroundTheBar)
{
    CTestScrollBar bar;
    bar.m_rcBar = CRect(10, 20, 26, 120);
    bar.UpdateScrollBar();
    const int t = ::GetSystemMetrics(SM_CYVTHUMB);
    EXPECT_EQ(bar.CalcTrackingLimitRect(bar.GetScrollBarPosInfo()), CRect(10 - 128, 20 - 2 * t, 26 + 128, 120 + 2 * t));
}

// ---------------------------------------------------------------- the tracking loop

namespace
{
class ScrollBaseTrackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(100, 100, 300, 300),
                                   nullptr, 0));
        ASSERT_TRUE(m_thief.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        m_bar.m_pWnd = &m_wnd;
        m_bar.m_rcBar = CRect(20, 20, 36, 180);   // arrows 20..36 and 164..180
        m_bar.m_nPos = 0;
        m_bar.UpdateScrollBar();
        ::SetForegroundWindow(m_wnd.GetSafeHwnd());
        PumpPendingMessages();
    }
    void TearDown() override
    {
        CTestInput::Button(VK_LBUTTON, false);
        CTestInput::Key(VK_SHIFT, false);
        PumpPendingMessages();
        if (::IsWindow(m_wnd.GetSafeHwnd()))
            m_wnd.DestroyWindow();
        m_thief.DestroyWindow();
    }
    CPoint Screen(int x, int y) const
    {
        CPoint pt(x, y);
        ::ClientToScreen(m_wnd.GetSafeHwnd(), &pt);
        return pt;
    }
    // Presses the left button at a client point and runs the loop with the
    // steps; the exit code of a WM_QUIT the loop left in the queue, or -1.
    int Track(CPoint ptClient, std::vector<CStep> steps, BOOL bShift = FALSE)
    {
        const HWND hWnd = m_wnd.GetSafeHwnd();
        CTestInput::MoveTo(Screen(ptClient.x, ptClient.y));
        CTestInput::Button(VK_LBUTTON, true);
        PumpPendingMessages();
        g_script = CScript();
        g_script.steps = std::move(steps);
        g_script.hWndThief = m_thief.GetSafeHwnd();
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
        m_bar.TrackScrollBar(&m_wnd, ptClient, m_bar.GetScrollBarPosInfo(), bShift);
        ::KillTimer(nullptr, nTimer);
        int nQuit = -1;
        MSG msg;
        if (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            nQuit = int(msg.wParam);
        EXPECT_EQ(m_bar.GetScrollBarTrackInfo(), nullptr) << "the tracking state is gone";
        EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount, 0);
        EXPECT_TRUE(::GetCapture() == nullptr || ::GetCapture() != hWnd);
        return nQuit;
    }
    // Waits inside the loop for the scroll bar's auto-repeat.
    CStep Wait() { return Do(CStep::capture); }

    CWnd m_wnd;
    CWnd m_thief;
    CTestScrollBar m_bar;
};
} // namespace

TEST_F(ScrollBaseTrackTest, HeldArrowStepsAtOnceThenAfterTheFirstDelayThenRepeats)
{
    const int nFirst = int(::GetDoubleClickTime() * 4 / 5);
    const int nRepeat = int(::GetDoubleClickTime() / 10);
    // Released after the third step.
    m_bar.m_onScroll = [&](int cmd) {
        if (cmd == SB_LINEDOWN && m_bar.m_actions.size() == 3)
            CTestInput::Button(VK_LBUTTON, false);
    };
    std::vector<CStep> steps;
    Track(CPoint(28, 170), steps);
    ASSERT_GE(m_bar.m_actions.size(), 4u);
    EXPECT_EQ(m_bar.m_actions[0].cmd, SB_LINEDOWN);
    EXPECT_EQ(m_bar.m_actions[0].nRepeatDelay, nFirst) << "one step at once, the next after four fifths";
    EXPECT_EQ(m_bar.m_actions[1].nRepeatDelay, nRepeat);
    EXPECT_EQ(m_bar.m_actions[2].nRepeatDelay, nRepeat);
    EXPECT_EQ(m_bar.m_actions.back().cmd, SB_ENDSCROLL);
    EXPECT_EQ(m_bar.m_nPos, 3);
    EXPECT_EQ(m_bar.GetScrollBarPosInfo()->ht, 61) << "the part under the cursor after the loop";
}

TEST_F(ScrollBaseTrackTest, ArrowLeftAndEnteredAgainShowsPressedOnlyOverIt)
{
    std::vector<CStep> steps = {MoveTo(Screen(120, 170)), Do(CStep::capture), MoveTo(Screen(28, 172)),
                                Do(CStep::capture), Do(CStep::release)};
    Track(CPoint(28, 170), steps);
    // A press, then a second step on coming back over the arrow.
    const std::vector<int> cmds = m_bar.Commands();
    ASSERT_GE(cmds.size(), 3u);
    EXPECT_EQ(cmds.front(), SB_LINEDOWN);
    EXPECT_EQ(cmds[1], SB_LINEDOWN) << "entering the part again scrolls once";
    EXPECT_EQ(cmds.back(), SB_ENDSCROLL);
    EXPECT_GE(m_bar.m_nRedraws, 2) << "leaving and entering redraw the arrow";
}

TEST_F(ScrollBaseTrackTest, PageAreaStopsWhenTheThumbReachesTheCursor)
{
    // Thumb 36..52 of a track 36..164; the cursor rests at 100.
    std::vector<CStep> steps(60, Wait());
    steps.push_back(Do(CStep::release));
    Track(CPoint(28, 100), steps);
    const CZMRScrollBase::SCROLLBARPOSINFO& spi = *m_bar.GetScrollBarPosInfo();
    EXPECT_LE(spi.pxThumbTop, 100);
    EXPECT_GT(spi.pxThumbBottom, 100 - 16) << "the thumb came up to the cursor";
    const std::vector<int> cmds = m_bar.Commands();
    for (size_t i = 0; i + 1 < cmds.size(); i++)
        EXPECT_EQ(cmds[i], SB_PAGEDOWN);
    EXPECT_EQ(cmds.back(), SB_ENDSCROLL);
}

TEST_F(ScrollBaseTrackTest, ThumbDragSnapsBackFarSidewaysAndResumes)
{
    // Thumb 36..64 (page 20 of 100 over 128 px): pressed at its middle.
    const CZMRScrollBase::SCROLLBARPOSINFO& spi = *m_bar.GetScrollBarPosInfo();
    const int pxThumb = spi.pxThumbTop;
    const int xFar = 28 + 8 * 16 + 40;   // beyond eight bar widths
    std::vector<int> positions;
    m_bar.m_onScroll = [&](int cmd) {
        if (cmd == SB_THUMBTRACK)
            positions.push_back(m_bar.m_nPos);
    };
    Track(CPoint(28, 45),
          {MoveTo(Screen(28, 100)), MoveTo(Screen(xFar, 100)), Do(CStep::capture), MoveTo(Screen(28, 120)),
           Do(CStep::capture), Do(CStep::release)});
    const std::vector<int> cmds = m_bar.Commands();
    ASSERT_GE(positions.size(), 3u);
    EXPECT_GT(positions[1], 0) << "dragged down";
    EXPECT_EQ(positions[2], 0) << "far sideways the thumb goes back to where the drag began";
    EXPECT_GT(positions.back(), positions[1]) << "coming back resumes the drag";
    ASSERT_GE(cmds.size(), 2u);
    EXPECT_EQ(cmds[cmds.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(m_bar.m_actions[cmds.size() - 2].pos, positions.back());
    EXPECT_EQ(cmds.back(), SB_ENDSCROLL);
    EXPECT_NE(spi.pxThumbTop, pxThumb);
}

TEST_F(ScrollBaseTrackTest, ShiftPressOnAPageAreaCentresTheThumbOnTheCursor)
{
    Track(CPoint(28, 120), {Do(CStep::capture), Do(CStep::release)}, TRUE);
    const CZMRScrollBase::SCROLLBARPOSINFO& spi = *m_bar.GetScrollBarPosInfo();
    EXPECT_NEAR((spi.pxThumbTop + spi.pxThumbBottom) / 2, 120, 1);
    const std::vector<int> cmds = m_bar.Commands();
    EXPECT_EQ(cmds.front(), SB_THUMBTRACK);
    EXPECT_EQ(cmds.back(), SB_ENDSCROLL);
}

TEST_F(ScrollBaseTrackTest, LoopEndsOnCaptureLossQuitAndADestroyedWindow)
{
    {
        SCOPED_TRACE("capture taken");
        Track(CPoint(28, 25), {Do(CStep::steal)});
        EXPECT_EQ(::GetCapture(), m_thief.GetSafeHwnd());
        EXPECT_EQ(m_bar.Commands().back(), SB_ENDSCROLL);
        ::ReleaseCapture();
    }
    {
        SCOPED_TRACE("WM_QUIT");
        m_bar.m_actions.clear();
        m_bar.m_nPos = 10;
        m_bar.UpdateScrollBar();
        EXPECT_EQ(Track(CPoint(28, 25), {Do(CStep::quit)}), 7) << "the quit message is posted again";
        EXPECT_EQ(m_bar.Commands().back(), SB_ENDSCROLL);
    }
    {
        SCOPED_TRACE("window destroyed");
        m_bar.m_actions.clear();
        m_bar.m_onScroll = [&](int cmd) {
            if (cmd == SB_LINEUP)
                ::PostMessage(m_wnd.GetSafeHwnd(), WM_CLOSE, 0, 0);
        };
        Track(CPoint(28, 25), {});
        EXPECT_FALSE(::IsWindow(m_wnd.GetSafeHwnd()));
        EXPECT_EQ(m_bar.Commands(), std::vector<int>{SB_LINEUP}) << "no scrolling once the window is gone";
    }
}

TEST_F(ScrollBaseTrackTest, ThumbFillingTheTrackGivesNoTracking)
{
    m_bar.m_nPage = 100;
    m_bar.UpdateScrollBar();
    Track(CPoint(28, 100), {});
    EXPECT_TRUE(m_bar.m_actions.empty());
}
