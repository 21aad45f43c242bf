// The scroll viewer and its scroll bars: which bars a viewer makes for its
// visibility settings and content, the scroll information and offsets, the
// scroll codes and the wheel, the bars' tracking driven by messages on a
// hidden host, what the bars draw, and a picture of a viewer.
#include "CTestInput.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupScrollBar.h"
#include "CZMRMarkupScrollBarGripper.h"
#include "CZMRMarkupScrollViewer.h"
#include "MarkupLayoutSupport.h"
#include "RecordingVisualStyles.h"

namespace
{
const int U = 0x7FFFFFFF;
const int V = CZMRMarkupScrollViewer::orientationVertical;
const int H = CZMRMarkupScrollViewer::orientationHorizontal;

CString Box(int cx, int cy)
{
    CString str;
    str.Format(L"<TestBox x:Name=\"C\" ContentWidth=\"%d\" ContentHeight=\"%d\"/>", cx, cy);
    return str;
}

// A viewer of the attributes around a test box of the content size.
CString Viewer(LPCWSTR lpszAttributes, int cx, int cy)
{
    return CString(L"<ScrollViewer ") + lpszAttributes + L">" + Box(cx, cy) + L"</ScrollViewer>";
}

class ScrollViewerTest : public MarkupLayoutTest
{
protected:
    CZMRMarkupScrollViewer* BuildViewer(LPCWSTR lpszAttributes, int cx, int cy)
    {
        return BuildAs<CZMRMarkupScrollViewer>(Viewer(lpszAttributes, cx, cy));
    }
    static SCROLLINFO InfoOf(CZMRMarkupScrollBar* pBar)
    {
        SCROLLINFO si = {};
        pBar->GetScrollInfo(si);
        return si;
    }
    static CTestBox* ContentOf(CZMRMarkupScrollViewer* pViewer)
    {
        return static_cast<CTestBox*>(MarkupCast<CTestBox>(pViewer->GetContent()));
    }
};

const int nBarWidth = ::GetSystemMetrics(SM_CXVSCROLL);
const int nBarHeight = ::GetSystemMetrics(SM_CYHSCROLL);
}

TEST_F(ScrollViewerTest, BarsFollowTheVisibilitySettingsAndTheContent)
{
    struct
    {
        LPCWSTR lpszAttributes;
        CSize szContent;
        bool bVertical;
        bool bHorizontal;
        CSize szMeasuredWith;   // the content's last measure
        CSize szDesired;
    } cases[] = {
        // Unset: always a vertical bar, never a horizontal one.
        {L"", {100, 1000}, true, false, {200 - nBarWidth, U}, {nBarWidth + 100, 200}},
        {L"", {100, 50}, true, false, {200 - nBarWidth, U}, {nBarWidth + 100, 50}},
        {L"VerticalScrollBarVisibility=\"Auto\"", {100, 150}, false, false, {200, U}, {100, 150}},
        {L"VerticalScrollBarVisibility=\"Auto\"", {100, 300}, true, false, {200 - nBarWidth, U}, {nBarWidth + 100, 200}},
        {L"VerticalScrollBarVisibility=\"Disabled\"", {100, 300}, false, false, {200, 200}, {100, 200}},
        {L"HorizontalScrollBarVisibility=\"Visible\"", {100, 50}, true, true, {U, U}, {nBarWidth + 100, nBarHeight + 50}},
        {L"HorizontalScrollBarVisibility=\"Auto\"", {300, 50}, true, true, {U, U}, {200, nBarHeight + 50}},
        {L"HorizontalScrollBarVisibility=\"Auto\"", {150, 50}, true, false, {U, U}, {nBarWidth + 150, 50}},
        {L"HorizontalScrollBarVisibility=\"Visible\" VerticalScrollBarVisibility=\"Disabled\"", {300, 300}, false, true,
         {U, 200 - nBarHeight}, {200, 200}},
    };
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.lpszAttributes).GetString() + std::string(" ") +
                                    std::to_string(c.szContent.cx) + "x" + std::to_string(c.szContent.cy);
        MarkupRef<CZMRMarkupScrollViewer> viewer(BuildViewer(c.lpszAttributes, c.szContent.cx, c.szContent.cy));
        ASSERT_TRUE(viewer.get()) << strCase;
        Layout(viewer, 200, 200, CSize(200, 200));
        EXPECT_EQ(c.bVertical, viewer->GetScrollBar(V) != nullptr) << strCase;
        EXPECT_EQ(c.bHorizontal, viewer->GetScrollBar(H) != nullptr) << strCase;
        EXPECT_EQ(c.bVertical && c.bHorizontal, viewer->GetGripper() != nullptr) << strCase;
        EXPECT_EQ(c.szMeasuredWith, ContentOf(viewer)->m_szMeasuredWith) << strCase;
        EXPECT_EQ(c.szDesired, viewer->GetDesiredSize()) << strCase;
        EXPECT_EQ(0, viewer->GetOffset(V)) << strCase;
    }

    // Both bars: each beside the viewport, the gripper in the corner, the
    // content over the viewport at least.
    MarkupRef<CZMRMarkupScrollViewer> both(BuildViewer(L"HorizontalScrollBarVisibility=\"Visible\"", 50, 40));
    Layout(both, 200, 100, CSize(200, 100));
    EXPECT_EQ(CRect(200 - nBarWidth, 0, 200, 100 - nBarHeight), both->GetScrollBar(V)->GetFinalRect());
    EXPECT_EQ(CRect(0, 100 - nBarHeight, 200 - nBarWidth, 100), both->GetScrollBar(H)->GetFinalRect());
    EXPECT_EQ(CRect(200 - nBarWidth, 100 - nBarHeight, 200, 100), both->GetGripper()->GetFinalRect());
    EXPECT_EQ(CRect(0, 0, 200 - nBarWidth, 100 - nBarHeight), ContentOf(both)->GetFinalRect());
    EXPECT_EQ(4, both->GetVisualChildrenCount());
    EXPECT_TRUE(both->IsClipToBounds());
}

TEST_F(ScrollViewerTest, ScrollCodesMoveTheContentWithinItsRange)
{
    MarkupRef<CZMRMarkupScrollViewer> viewer(BuildViewer(L"", 100, 1000));
    Layout(viewer, 200, 200, CSize(200, 200));
    CZMRMarkupScrollBar* pBar = viewer->GetScrollBar(V);
    SCROLLINFO si = InfoOf(pBar);
    EXPECT_EQ(0, si.nMin);
    EXPECT_EQ(999, si.nMax);
    EXPECT_EQ(200u, si.nPage);
    EXPECT_EQ(0, si.nPos);
    EXPECT_EQ(800, viewer->GetMaxOffset(V));
    EXPECT_EQ(0, viewer->GetMaxOffset(H));

    struct
    {
        int nCode;
        int nPos;
        int nOffset;
    } steps[] = {
        {CZMRMarkupScrollBar::partLineDown, 0, 16},   {CZMRMarkupScrollBar::partPageDown, 0, 216},
        {CZMRMarkupScrollBar::partLineUp, 0, 200},    {CZMRMarkupScrollBar::scrollThumbTrack, 790, 790},
        {CZMRMarkupScrollBar::partPageDown, 0, 800},  {CZMRMarkupScrollBar::partLineDown, 0, 800},
        {CZMRMarkupScrollBar::scrollTop, 0, 0},       {CZMRMarkupScrollBar::partLineUp, 0, 0},
        {CZMRMarkupScrollBar::scrollBottom, 0, 800},  {CZMRMarkupScrollBar::scrollEnd, 0, 800},
        {CZMRMarkupScrollBar::scrollThumbPosition, 5000, 800}, {CZMRMarkupScrollBar::scrollThumbPosition, -3, 0},
        {CZMRMarkupScrollBar::scrollThumbPosition, 10, 10},    {CZMRMarkupScrollBar::partPageUp, 0, 0},
    };
    for (const auto& step : steps)
    {
        viewer->Scroll(V, step.nCode, step.nPos);
        EXPECT_EQ(step.nOffset, viewer->GetOffset(V)) << step.nCode << " " << step.nPos;
        EXPECT_EQ(CRect(0, -step.nOffset, 200 - nBarWidth, 1000 - step.nOffset), ContentOf(viewer)->GetFinalRect());
        EXPECT_EQ(step.nOffset, InfoOf(pBar).nPos);
    }

    // The thumb runs the track as the position runs the range.
    viewer->SetOffset(V, 0);
    const CZMRMarkupScrollBar::GEOMETRY& g = pBar->GetGeometry();
    EXPECT_EQ(g.nTrackStart, g.nThumbStart);
    EXPECT_EQ(0, pBar->PixelToPosition(g.nTrackStart - 1));
    EXPECT_EQ(0, pBar->PixelToPosition(g.nTrackStart));
    EXPECT_EQ(800, pBar->PixelToPosition(g.nTrackStart + g.nTrackLength));
    EXPECT_EQ(800, pBar->PixelToPosition(g.nAlongEnd));
    viewer->SetOffset(V, 800);
    EXPECT_EQ(g.nTrackStart + g.nTrackLength, g.nThumbStart);
    EXPECT_EQ(g.nDownArrowStart, g.nThumbEnd);

    // Content that shrinks below the viewport and the offset pulls the offset
    // back at the next arrange.
    ContentOf(viewer)->SetValue(CTestBox::s_pContentHeight, new CZMRMarkupInt(500));
    ContentOf(viewer)->InvalidateMeasure();
    EXPECT_EQ(300, viewer->GetOffset(V));
    EXPECT_EQ(499, InfoOf(pBar).nMax);
}

TEST_F(ScrollViewerTest, BarsHitTestTheirParts)
{
    MarkupRef<CZMRMarkupScrollViewer> viewer(BuildViewer(L"", 100, 1000));
    Layout(viewer, 200, 200, CSize(200, 200));
    CZMRMarkupScrollBar* pBar = viewer->GetScrollBar(V);
    viewer->SetOffset(V, 400);
    const CZMRMarkupScrollBar::GEOMETRY& g = pBar->GetGeometry();
    const int x = nBarWidth / 2;
    struct
    {
        int y;
        int nHit;
    } cases[] = {
        {0, CZMRMarkupScrollBar::hitLineUp},
        {g.nUpArrowEnd - 1, CZMRMarkupScrollBar::hitLineUp},
        {g.nUpArrowEnd, CZMRMarkupScrollBar::hitPageUp},
        {g.nThumbStart, CZMRMarkupScrollBar::hitThumb},
        {g.nThumbEnd - 1, CZMRMarkupScrollBar::hitThumb},
        {g.nThumbEnd, CZMRMarkupScrollBar::hitPageDown},
        {g.nDownArrowStart, CZMRMarkupScrollBar::hitLineDown},
        {199, CZMRMarkupScrollBar::hitLineDown},
        {200, CZMRMarkupScrollBar::hitNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nHit, pBar->HitTest(x, c.y)) << c.y;
    EXPECT_EQ(CZMRMarkupScrollBar::hitNone, pBar->HitTest(nBarWidth, 100));

    // A page that covers the whole range leaves nothing to scroll.
    MarkupRef<CZMRMarkupScrollViewer> full(BuildViewer(L"", 100, 200));
    Layout(full, 200, 200, CSize(200, 200));
    EXPECT_FALSE(full->GetScrollBar(V)->IsScrollable());
    EXPECT_EQ(CZMRMarkupScrollBar::hitNone, full->GetScrollBar(V)->HitTest(x, 5));
    EXPECT_TRUE(pBar->IsScrollable());
}

namespace
{
// A viewer on a hidden host window, driven by its messages.
class ScrollInputTest : public ScrollViewerTest
{
protected:
    void SetUp() override
    {
        ScrollViewerTest::SetUp();
        m_pContext->SetHostWindow(m_host.m_hWnd);
        m_host.m_pContext = m_pContext;
        m_pViewer = BuildViewer(L"", 100, 1000);
        ASSERT_TRUE(m_pViewer);
        m_host.m_pRoot = m_pViewer;
        Layout(m_pViewer, 200, 200, CSize(200, 200));
        m_pBar = m_pViewer->GetScrollBar(V);
        ::GetKeyboardState(m_keys);
    }
    void TearDown() override
    {
        ::SetKeyboardState(m_keys);
        m_host.Send(WM_DESTROY);
        m_host.m_pContext = nullptr;
        if (m_pViewer)
            m_pViewer->Release();
        ScrollViewerTest::TearDown();
    }
    // A point of the bar in host coordinates.
    CPoint OnBar(int y) const { return CPoint(200 - nBarWidth / 2, y); }
    void Post(UINT message, WPARAM wParam, CPoint pt)
    {
        ::PostMessageW(m_host.m_hWnd, message, wParam, MAKELPARAM(pt.x, pt.y));
    }
    // Holds the left button down in this thread's key state.
    void HoldLeftButton(bool bDown)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_LBUTTON] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    // Presses at the point; the messages posted before run in the bar's loop.
    void Press(CPoint pt)
    {
        m_host.Mouse(WM_MOUSEMOVE, pt.x, pt.y);
        m_host.Mouse(WM_LBUTTONDOWN, pt.x, pt.y);
    }

    MarkupHostWindow m_host;
    CZMRMarkupScrollViewer* m_pViewer = nullptr;
    CZMRMarkupScrollBar* m_pBar = nullptr;
    BYTE m_keys[256] = {};
};
}

TEST_F(ScrollInputTest, TheWheelScrollsByThreeLines)
{
    m_host.Mouse(WM_MOUSEMOVE, 50, 50);
    EXPECT_TRUE(m_host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(50, 50)));
    EXPECT_EQ(48, m_pViewer->GetOffset(V));
    m_host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(50, 50));
    m_host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(50, 50));
    EXPECT_EQ(0, m_pViewer->GetOffset(V));
}

TEST_F(ScrollInputTest, HoldingAnArrowRepeatsWhileTheMouseStaysOnIt)
{
    const CZMRMarkupScrollBar::GEOMETRY& g = m_pBar->GetGeometry();
    const CPoint ptArrow = OnBar(g.nDownArrowStart + 2);
    ASSERT_TRUE(CTestInput::MoveTo(m_host.m_hWnd, ptArrow));
    // The press scrolls once; each repeat of the timer once more.
    Post(WM_TIMER, CZMRMarkupScrollBar::repeatTimerId, CPoint(0, 0));
    Post(WM_TIMER, CZMRMarkupScrollBar::repeatTimerId, CPoint(0, 0));
    Post(WM_LBUTTONUP, 0, ptArrow);
    Press(ptArrow);
    EXPECT_EQ(48, m_pViewer->GetOffset(V));
    EXPECT_EQ(nullptr, m_pBar->GetTracking());
    EXPECT_EQ(nullptr, ::GetCapture());

    // Off the arrow the timer scrolls no more; back on it, it does again.
    const CPoint ptUp = OnBar(g.nUpArrowEnd - 2);
    ASSERT_TRUE(CTestInput::MoveTo(m_host.m_hWnd, CPoint(50, 100)));
    Post(WM_TIMER, CZMRMarkupScrollBar::repeatTimerId, CPoint(0, 0));
    Post(WM_MOUSEMOVE, 0, CPoint(50, 100));
    Post(WM_MOUSEMOVE, 0, ptUp);
    Post(WM_LBUTTONUP, 0, ptUp);
    Press(ptUp);
    EXPECT_EQ(16, m_pViewer->GetOffset(V)) << "up once at the press and once on coming back";

    // A page area scrolls by the page.
    const CPoint ptPage = OnBar(g.nDownArrowStart - 1);
    Post(WM_LBUTTONUP, 0, ptPage);
    Press(ptPage);
    EXPECT_EQ(216, m_pViewer->GetOffset(V));
}

namespace
{
// The delays the bar asks its repeat timer for. The timer itself runs at
// once (10 ms) so the test does not wait; after four settings the button
// is released.
std::vector<UINT> g_timerDelays;
HWND g_hWndRelease = nullptr;
LPARAM g_lReleasePoint = 0;
UINT_PTR WINAPI RecordRepeatTimer(HWND hWnd, UINT_PTR nID, UINT nDelay, TIMERPROC pfn)
{
    g_timerDelays.push_back(nDelay);
    if (g_timerDelays.size() == 4)
        ::PostMessageW(g_hWndRelease, WM_LBUTTONUP, 0, g_lReleasePoint);
    return ::SetTimer(hWnd, nID, 10, pfn);
}
}

TEST_F(ScrollInputTest, TheRepeatTimerWaitsLongerBeforeTheFirstRepeat)
{
    const CZMRMarkupScrollBar::GEOMETRY& g = m_pBar->GetGeometry();
    const CPoint ptArrow = OnBar(g.nDownArrowStart + 2);
    ASSERT_TRUE(CTestInput::MoveTo(m_host.m_hWnd, ptArrow));
    g_timerDelays.clear();
    g_hWndRelease = m_host.m_hWnd;
    g_lReleasePoint = MAKELPARAM(ptArrow.x, ptArrow.y);
    CZMRMarkupScrollBar::s_pfnSetTimer = RecordRepeatTimer;
    Press(ptArrow);
    CZMRMarkupScrollBar::s_pfnSetTimer = ::SetTimer;
    const UINT nDouble = ::GetDoubleClickTime();
    EXPECT_EQ((std::vector<UINT>{nDouble * 4 / 5, nDouble / 10, nDouble / 10, nDouble / 10}), g_timerDelays);
    EXPECT_EQ(4 * 16, m_pViewer->GetOffset(V)) << "the press, then a line for each of three repeats";
    EXPECT_EQ(nullptr, m_pBar->GetTracking());
}

TEST_F(ScrollInputTest, TheDraggedThumbFollowsTheMouseAndReturnsFromFarAway)
{
    const CZMRMarkupScrollBar::GEOMETRY& g = m_pBar->GetGeometry();
    const int nGrab = g.nThumbStart + 2;
    const int nExpected = m_pBar->PixelToPosition(g.nThumbStart + 40);
    ASSERT_GT(nExpected, 0);
    HoldLeftButton(true);
    Post(WM_MOUSEMOVE, MK_LBUTTON, OnBar(nGrab + 40));
    Post(WM_LBUTTONUP, 0, OnBar(nGrab + 40));
    Press(OnBar(nGrab));
    EXPECT_EQ(nExpected, m_pViewer->GetOffset(V));
    EXPECT_EQ(nExpected, InfoOf(m_pBar).nPos);

    // Far from the bar the thumb goes back to where the drag began.
    const int nStart = m_pViewer->GetOffset(V);
    const int nThumb = g.nThumbStart;
    HoldLeftButton(true);
    Post(WM_MOUSEMOVE, MK_LBUTTON, OnBar(nThumb + 2 + 60));
    Post(WM_MOUSEMOVE, MK_LBUTTON, CPoint(200 - nBarWidth * 10, nThumb + 2 + 60));
    Post(WM_LBUTTONUP, 0, CPoint(200 - nBarWidth * 10, nThumb + 2 + 60));
    Press(OnBar(nThumb + 2));
    EXPECT_EQ(nStart, m_pViewer->GetOffset(V));

    // A button found up ends the drag at once: the moves after it are not
    // tracked.
    HoldLeftButton(false);
    Post(WM_MOUSEMOVE, 0, OnBar(nThumb + 2 + 20));
    Post(WM_MOUSEMOVE, 0, OnBar(nThumb + 2 + 60));
    Press(OnBar(nThumb + 2));
    EXPECT_EQ(nStart, m_pViewer->GetOffset(V));
    EXPECT_EQ(nullptr, ::GetCapture());
    MSG msg;
    while (::PeekMessageW(&msg, m_host.m_hWnd, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

// The application ending while an arrow is held ends the loop, which lets go
// of the capture and passes the quit on with its code.
TEST_F(ScrollInputTest, QuitWhileAnArrowIsHeldEndsTheLoopAndGoesOn)
{
    const CZMRMarkupScrollBar::GEOMETRY& g = m_pBar->GetGeometry();
    const CPoint ptArrow = OnBar(g.nDownArrowStart + 2);
    ::PostQuitMessage(13);
    // Safety: a loop that lost the quit ends when its capture goes.
    const UINT_PTR nSafety = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR nId, DWORD) {
        ::KillTimer(nullptr, nId);
        ::ReleaseCapture();
    });
    Press(ptArrow);
    ::KillTimer(nullptr, nSafety);
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(13u, msg.wParam);
    EXPECT_EQ(nullptr, m_pBar->GetTracking());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(16, m_pViewer->GetOffset(V)) << "the press scrolled once";
}

TEST_F(ScrollInputTest, ABarWithNothingToScrollIgnoresPresses)
{
    MarkupRef<CZMRMarkupScrollViewer> full(BuildViewer(L"", 100, 150));
    m_host.m_pRoot = full;
    Layout(full, 200, 200, CSize(200, 200));
    const CPoint pt = OnBar(5);
    Press(pt);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0, full->GetOffset(V));
    m_host.Mouse(WM_MOUSEMOVE, 50, 50);
    m_host.m_pRoot = m_pViewer;
}

namespace
{
class StyledScrollViewerTest : public ScrollViewerTest
{
protected:
    CRecordingVisualStyles m_styles;
};

typedef CRecordingVisualStyles::Backgrounds Backgrounds;
}

TEST_F(StyledScrollViewerTest, BarsDrawTheirPartsInTheirStates)
{
    MarkupRef<CZMRMarkupScrollViewer> viewer(BuildViewer(L"HorizontalScrollBarVisibility=\"Visible\"", 100, 1000));
    Layout(viewer, 200, 200, CSize(200, 200));
    viewer->SetOffset(V, 400);
    CZMRMarkupScrollBar* pBar = viewer->GetScrollBar(V);
    const CZMRMarkupScrollBar::GEOMETRY& g = pBar->GetGeometry();
    ASSERT_GT(g.nThumbLength, 13);
    CZMRMarkupMouseEventArgs move(nullptr, pBar, nullptr, 200 - nBarWidth / 2, g.nDownArrowStart + 1);
    pBar->OnMouseMove(&move);
    EXPECT_EQ(CZMRMarkupScrollBar::hitLineDown, g.nHotPart);

    CRecordingVisualStyles::s_backgrounds.clear();
    WhiteSurface surface(200, 200);
    DrawMarkupTree(viewer, surface.GetDC(), CRect(0, 0, 200, 200));
    // The vertical bar: arrows, first page, thumb and gripper, second page;
    // then the horizontal bar, whose page covers its range: disabled, the
    // second page over the whole track.
    EXPECT_EQ(Backgrounds({{1, 1}, {1, 6}, {6, 1}, {3, 1}, {9, 1}, {7, 1}, {1, 12}, {1, 16}, {5, 4}}),
              CRecordingVisualStyles::s_backgrounds);
}

TEST_F(ScrollViewerTest, PictureOfAScrollViewer)
{
    // Drawn with the visual style Wine offers, saved for people to look at.
    MarkupRef<CZMRMarkupScrollViewer> viewer(BuildAs<CZMRMarkupScrollViewer>(
        L"<ScrollViewer HorizontalScrollBarVisibility=\"Auto\"><StackPanel Background=\"White\">"
        L"<TextBlock>The first line of a long text that does not fit</TextBlock>"
        L"<TextBlock>The second line</TextBlock><TextBlock>The third line</TextBlock>"
        L"<TextBlock>The fourth line</TextBlock><TextBlock>The fifth line</TextBlock>"
        L"<TextBlock>The sixth line</TextBlock><TextBlock>The seventh line</TextBlock>"
        L"</StackPanel></ScrollViewer>"));
    ASSERT_TRUE(viewer.get());
    Layout(viewer, 160, 80, CSize(160, 80));
    WhiteSurface top(160, 80);
    ::PatBlt(top.GetDC(), 0, 0, 160, 80, BLACKNESS);
    DrawMarkupTree(viewer, top.GetDC(), CRect(0, 0, 160, 80));
    viewer->SetOffset(V, 20);
    WhiteSurface surface(160, 80);
    ::PatBlt(surface.GetDC(), 0, 0, 160, 80, BLACKNESS);
    DrawMarkupTree(viewer, surface.GetDC(), CRect(0, 0, 160, 80));
    EXPECT_TRUE(surface.Save(L"markup-scrollviewer.png"));
    EXPECT_TRUE(viewer->GetScrollBar(V) && viewer->GetScrollBar(H) && viewer->GetGripper());

    // The viewport shows the content 20 pixels higher up: every pixel of
    // the scrolled viewport is the one 20 rows below it in the first picture.
    const CRect rcViewport(0, 0, 160 - nBarWidth, 80 - nBarHeight);
    int nDiffering = 0;
    for (int y = 0; y + 20 < rcViewport.bottom; y++)
        for (int x = 0; x < rcViewport.right; x++)
            nDiffering += surface.At(x, y) != top.At(x, y + 20) ? 1 : 0;
    EXPECT_EQ(0, nDiffering);
    // The content's white background fills the viewport and the text shows
    // in it; the bars and the gripper are painted over the black beneath.
    EXPECT_GT(surface.CountOf(rcViewport, RGB(255, 255, 255)), rcViewport.Width() * rcViewport.Height() / 2);
    EXPECT_GT(surface.CountOf(rcViewport, RGB(0, 0, 0)), 20);
    const CRect rcVertical(160 - nBarWidth, 0, 160, 80);
    const CRect rcHorizontal(0, 80 - nBarHeight, 160 - nBarWidth, 80);
    EXPECT_LT(surface.CountOf(rcVertical, RGB(0, 0, 0)), rcVertical.Width() * rcVertical.Height() / 4);
    EXPECT_LT(surface.CountOf(rcHorizontal, RGB(0, 0, 0)), rcHorizontal.Width() * rcHorizontal.Height() / 4);
}
