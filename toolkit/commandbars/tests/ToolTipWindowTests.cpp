// The toolkit's own tooltip window, driven as a user drives it: the mouse
// hovers over a host's tools through SendInput, the host feeds its messages
// to a tooltip context, and the tip's timing, text, placement and painting
// are read back from the real window.
#include "ArtifactPng.h"
#include "BarTestSupport.h"
#include "CTestInput.h"
#include "CZMRColorManager.h"
#include "CZMRCommandBarClock.h"
#include "CZMRImageManager.h"
#include "CZMRMonitorAreas.h"
#include "CZMRToolTipContext.h"
#include "CZMRToolTipContextToolTip.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
struct Tool
{
    CRect rc;
    INT_PTR nId;
    const wchar_t* lpszText;
    const wchar_t* lpszTitle;
    const wchar_t* lpszDescription;
    CRect rcPlacement = CRect(0, 0, 0, 0);   // where the tip goes, in the extended record
};

// A window with tools of its own that hands every message to its context.
class CTipHost : public CWnd
{
public:
    CTipHost(CZMRToolTipContext* pContext, std::vector<Tool> tools) : m_pContext(pContext), m_tools(tools) {}

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        for (const Tool& tool : m_tools)
        {
            if (!tool.rc.PtInRect(point))
                continue;
            CZMRToolTipContext::FillInToolInfoEx(pTI, m_hWnd, tool.rc, tool.nId, tool.lpszText, tool.lpszTitle,
                                                 tool.lpszDescription, m_pImages);
            if (pTI->cbSize == TTTOOLINFOW_V2_SIZE && pTI->lParam)
                reinterpret_cast<ZMR_TOOLINFO_EXTENDED*>(pTI->lParam)->rcPlacement = tool.rcPlacement;
            return tool.nId;
        }
        return -1;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        // Texts asked for when needed.
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW)
        {
            m_nTextRequests++;
            reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = const_cast<LPWSTR>(L"&Asked for");
            return 0;
        }
        if (m_pContext)
            m_pContext->FilterMouseMessage(this, message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }

public:
    CZMRImageManager* m_pImages = nullptr;
    int m_nTextRequests = 0;

private:
    CZMRToolTipContext* m_pContext;
    std::vector<Tool> m_tools;
};

// Time stands still unless the test moves it.
class CFixedClock : public CZMRCommandBarClock
{
public:
    DWORD GetTickCount() override { return m_dwNow; }
    DWORD m_dwNow = 100000;
};

class ToolTipWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_context.m_nDelayInitial = 20;
        m_context.SetStyle(zmrToolTipFlat);
    }
    void TearDown() override
    {
        if (m_pHost)
        {
            m_pHost->DestroyWindow();
            delete m_pHost;
        }
        CZMRCommandBarClock::Set(nullptr);
    }

    void CreateHost(CPoint ptTopLeft, std::vector<Tool> tools, CSize sz = CSize(300, 60), DWORD dwExStyle = 0)
    {
        m_pHost = new CTipHost(&m_context, tools);
        ASSERT_TRUE(m_pHost->CreateEx(dwExStyle, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"",
                                      WS_POPUP | WS_VISIBLE, ptTopLeft.x, ptTopLeft.y, sz.cx, sz.cy, nullptr,
                                      nullptr));
        ::SetForegroundWindow(m_pHost->m_hWnd);
        ::SetFocus(m_pHost->m_hWnd);
        PumpPendingMessages();
    }
    void Hover(CPoint ptClient)
    {
        CTestInput::MoveTo(m_pHost->m_hWnd, ptClient);
        PumpPendingMessages();
    }
    CZMRToolTipContextToolTip* Tip() { return dynamic_cast<CZMRToolTipContextToolTip*>(m_context.GetToolTip()); }
    bool TipVisible() { return Tip() && ::IsWindowVisible(Tip()->m_hWnd); }
    INT_PTR ShownId() { return Tip() ? static_cast<INT_PTR>(Tip()->GetCurrentTool().nId) : -1; }
    CRect TipRect()
    {
        CRect rc;
        ::GetWindowRect(Tip()->m_hWnd, &rc);
        return rc;
    }
    // The tip's pixels as the screen shows them.
    std::vector<COLORREF> ReadTip(CSize& sz) { return ReadWindow(Tip()->m_hWnd, sz); }

    CZMRToolTipContext m_context;
    CTipHost* m_pHost = nullptr;
};

const std::vector<Tool> g_twoTools = {
    {CRect(0, 0, 100, 60), 1, L"Open a file", nullptr, nullptr},
    {CRect(100, 0, 200, 60), 2, L"Save the file", nullptr, nullptr},
};
}

TEST_F(ToolTipWindowTest, HoverShowsTheTipUnderTheCursorAfterTheInitialDelay)
{
    // A delay long enough that only the test ends it.
    m_context.m_nDelayInitial = 60000;
    CreateHost(CPoint(100, 100), g_twoTools);
    Hover(CPoint(40, 20));
    ASSERT_TRUE(Tip());
    EXPECT_EQ(60000u, Tip()->GetInitialDelay());
    // The tip waits for its delay first.
    EXPECT_FALSE(TipVisible());
    EXPECT_EQ(1u, Tip()->GetPendingTool().nId);
    Tip()->SendMessage(WM_TIMER, 1, 0);
    EXPECT_TRUE(TipVisible());
    EXPECT_EQ(1, ShownId());

    // Under the cursor's visible part, as wide and high as its text and the frame.
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CClientDC dc(Tip());
    CFont* pOld = dc.SelectObject(m_context.GetFont());
    const CSize szText = dc.GetTextExtent(L"Open a file");
    dc.SelectObject(pOld);
    EXPECT_EQ(CRect(CPoint(ptCursor.x, ptCursor.y + CZMRToolTipContextToolTip::GetCursorHeight()),
                    CSize(szText.cx + 6, szText.cy + 6)),
              TipRect());
    EXPECT_TRUE(::GetWindowLongW(Tip()->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // A key hides it.
    CTestInput::Key(VK_SHIFT, true);
    CTestInput::Key(VK_SHIFT, false);
    ASSERT_TRUE(PumpUntil([&] { return !TipVisible(); }));
}

TEST_F(ToolTipWindowTest, AClickedToolKeepsItsTipHiddenUntilTheMouseLeavesIt)
{
    CreateHost(CPoint(100, 100), g_twoTools);
    Hover(CPoint(40, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    CTestInput::Button(VK_LBUTTON, true);
    CTestInput::Button(VK_LBUTTON, false);
    ASSERT_TRUE(PumpUntil([&] { return !TipVisible(); }));
    for (int x = 42; x < 60; x += 4)
        Hover(CPoint(x, 20));
    // Nothing is waiting to come back over the clicked tool.
    EXPECT_EQ(nullptr, Tip()->GetPendingTool().hWnd);
    EXPECT_FALSE(TipVisible());

    Hover(CPoint(140, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    EXPECT_EQ(2, ShownId());
}

TEST_F(ToolTipWindowTest, WithinTheReshowTimeTheNextToolsTipAppearsAtOnce)
{
    CFixedClock clock;
    CZMRCommandBarClock::Set(&clock);
    CreateHost(CPoint(100, 100), g_twoTools, CSize(300, 100));
    Hover(CPoint(40, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));

    clock.m_dwNow += 199;
    Hover(CPoint(140, 20));
    EXPECT_TRUE(TipVisible());
    EXPECT_EQ(2, ShownId());

    // Off every tool the tip goes; 200 ms later the next one waits again.
    Hover(CPoint(120, 70));
    Hover(CPoint(120, 75));
    ASSERT_TRUE(PumpUntil([&] { return !TipVisible(); }));
    clock.m_dwNow += 200;
    Tip()->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(60000, 0));
    Hover(CPoint(40, 20));
    EXPECT_FALSE(TipVisible());
    EXPECT_EQ(1u, Tip()->GetPendingTool().nId);
    Tip()->SendMessage(WM_TIMER, 1, 0);
    EXPECT_TRUE(TipVisible());
    EXPECT_EQ(1, ShownId());
}

TEST_F(ToolTipWindowTest, TipsStayInsideTheWorkArea)
{
    const CRect rcWork = GetMonitorAreas()->GetWorkArea(CPoint(0, 0));
    const struct
    {
        CPoint ptHost;       // relative to the work area's corners, see below
        bool bFromRight;
        bool bFromBottom;
    } cases[] = {
        {CPoint(50, 50), false, false},
        {CPoint(60, 40), false, true},    // near the bottom: above the cursor
        {CPoint(150, 50), true, false},   // near the right: ends 4 pixels inside
    };
    for (const auto& c : cases)
    {
        const CPoint ptHost(c.bFromRight ? rcWork.right - c.ptHost.x : rcWork.left + c.ptHost.x,
                            c.bFromBottom ? rcWork.bottom - c.ptHost.y : rcWork.top + c.ptHost.y);
        CreateHost(ptHost, {{CRect(0, 0, 140, 30), 7, L"A tip with a rather longer text", nullptr, nullptr}},
                   CSize(140, 30));
        Hover(CPoint(130, 10));
        ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        const CRect rc = TipRect();
        if (c.bFromBottom)
            EXPECT_EQ(ptCursor.y - 3, rc.bottom);
        else
            EXPECT_EQ(ptCursor.y + CZMRToolTipContextToolTip::GetCursorHeight(), rc.top);
        if (c.bFromRight)
            EXPECT_EQ(rcWork.right - 4, rc.right);
        else
            EXPECT_EQ(ptCursor.x, rc.left);
        m_pHost->DestroyWindow();
        delete m_pHost;
        m_pHost = nullptr;
        PumpPendingMessages();
    }
}

TEST_F(ToolTipWindowTest, TitlesShowInBoldAboveTheDescriptionUnlessTheyAreTheSame)
{
    m_context.m_bShowTitleAndDescription = TRUE;
    CreateHost(CPoint(100, 100),
               {{CRect(0, 0, 100, 60), 1, L"Open", L"Open", L"Open"},
                {CRect(100, 0, 200, 60), 2, L"Save", L"Save", L"Writes the document to its file."}});
    Hover(CPoint(40, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    EXPECT_TRUE(Tip()->GetTitle().IsEmpty());
    const CRect rcPlain = TipRect();

    Hover(CPoint(140, 20));
    ASSERT_TRUE(PumpUntil([&] { return ShownId() == 2; }));
    EXPECT_STREQ(L"Save", Tip()->GetTitle());
    EXPECT_STREQ(L"Writes the document to its file.", Tip()->GetCurrentTool().strText);
    // The title line and the indent make the tip taller than a plain one.
    EXPECT_GT(TipRect().Height(), rcPlain.Height() + 20);

    CSize sz;
    std::vector<COLORREF> pixels = ReadTip(sz);
    SaveArtifactPng(L"tooltip-title-default.png", sz.cx, sz.cy,
                    [&](int x, int y) { return pixels[y * sz.cx + x]; });
    // Flat frame: button face at the top and left, black at the bottom and right.
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pixels[sz.cx / 2]);
    EXPECT_EQ(RGB(0, 0, 0), pixels[(sz.cy - 1) * sz.cx + sz.cx / 2]);
    EXPECT_EQ(m_context.GetTipBackColor(), pixels[2 * sz.cx + 2]);
}

TEST_F(ToolTipWindowTest, TheRoundedLookCutsTheCornersAndFallsBackToItsOwnColours)
{
    m_context.SetStyle(zmrToolTipOffice2007);
    CreateHost(CPoint(100, 100), g_twoTools);
    Hover(CPoint(40, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    EXPECT_TRUE(Tip()->IsRegionSet());
    const CSize szTip = TipRect().Size();
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(Tip()->m_hWnd, hRgn));
    const struct
    {
        int x, y;
        BOOL bIn;
    } points[] = {{0, 0, FALSE}, {szTip.cx - 1, 0, FALSE}, {0, szTip.cy - 1, FALSE},
                  {szTip.cx - 1, szTip.cy - 1, FALSE}, {1, 0, TRUE}, {0, 1, TRUE}};
    for (const auto& p : points)
        EXPECT_EQ(p.bIn, ::PtInRegion(hRgn, p.x, p.y)) << p.x << "," << p.y;
    ::DeleteObject(hRgn);

    // Without the skin: a white-to-blue gradient in a grey frame, dark grey text.
    CSize sz;
    std::vector<COLORREF> pixels = ReadTip(sz);
    SaveArtifactPng(L"tooltip-rounded.png", sz.cx, sz.cy, [&](int x, int y) { return pixels[y * sz.cx + x]; });
    EXPECT_EQ(RGB(118, 118, 118), pixels[sz.cx / 2]);
    const COLORREF clrTop = pixels[1 * sz.cx + 1], clrBottom = pixels[(sz.cy - 2) * sz.cx + 1];
    EXPECT_GE(GetRValue(clrTop), 245);
    EXPECT_GE(GetBValue(clrTop), 245);
    EXPECT_NEAR(201, GetRValue(clrBottom), 8);
    EXPECT_NEAR(239, GetBValue(clrBottom), 8);
    EXPECT_EQ(RGB(76, 76, 76), m_context.GetTipTextColor());

    // Hiding takes the region away.
    CTestInput::Key(VK_SHIFT, true);
    CTestInput::Key(VK_SHIFT, false);
    ASSERT_TRUE(PumpUntil([&] { return !TipVisible(); }));
    EXPECT_FALSE(Tip()->IsRegionSet());
}

TEST_F(ToolTipWindowTest, AChildThatHandsItsToolsToItsParentIsNotTheWindowUnderTheMouse)
{
    // Children answer the parent-tools message with their user data.
    struct Child
    {
        static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == ZMR_WM_TOOLTIPPARENTTOOLS)
                return ::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        }
    };
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &Child::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZMRTestTipChild";
    ::RegisterClassW(&wc);
    CreateHost(CPoint(100, 100), {});
    HWND hWndGiving = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                        m_pHost->m_hWnd, nullptr, wc.hInstance, nullptr);
    HWND hWndKeeping = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 50, 0, 50, 50,
                                         m_pHost->m_hWnd, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrW(hWndGiving, GWLP_USERDATA, 1);

    CZMRToolTipContextToolTip own(&m_context);
    ASSERT_TRUE(own.CreateTipWindow(m_pHost, TTS_NOPREFIX | TTS_ALWAYSTIP));
    CZMRToolTipContext::CStandardToolTip standard;
    ASSERT_TRUE(standard.Create(m_pHost, TTS_ALWAYSTIP));
    const struct
    {
        CPoint pt;
        HWND hWndExpected;
    } cases[] = {{CPoint(110, 110), m_pHost->m_hWnd}, {CPoint(160, 110), hWndKeeping}};
    for (const auto& c : cases)
    {
        POINT pt = c.pt;
        EXPECT_EQ(c.hWndExpected,
                  reinterpret_cast<HWND>(own.SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt))));
        EXPECT_EQ(c.hWndExpected, reinterpret_cast<HWND>(
                                      standard.SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt))));
    }
}

TEST_F(ToolTipWindowTest, ToolsComeAndGoByWindowAndIdWithTheirTextsAndDelays)
{
    CreateHost(CPoint(100, 100), {});
    CZMRToolTipContextToolTip own(&m_context);
    ASSERT_TRUE(own.CreateTipWindow(m_pHost, TTS_NOPREFIX | TTS_ALWAYSTIP));
    own.SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(33, 0));
    own.SendMessage(TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(44, 0));
    own.SendMessage(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(55, 0));
    EXPECT_EQ(33u, own.GetInitialDelay());
    EXPECT_EQ(44u, own.GetReshowTime());

    EXPECT_EQ(0, own.SendMessage(TTM_ADDTOOLW, 0, 0));
    TOOLINFO info = {};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.hwnd = m_pHost->m_hWnd;
    info.uId = 5;
    info.lpszText = const_cast<LPWSTR>(L"five");
    EXPECT_EQ(1, own.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
    info.uId = 6;
    info.lpszText = LPSTR_TEXTCALLBACKW;
    own.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(2, own.GetToolCount());

    // The callback text is asked for once and loses its mnemonic marker
    // when the style has no no-prefix bit.
    CZMRToolTipContextToolTip::TOOLITEM six;
    six.hWnd = m_pHost->m_hWnd;
    six.nId = 6;
    six.bTextCallback = TRUE;
    m_context.ModifyToolTipStyle(TTS_NOPREFIX, 0);
    EXPECT_STREQ(L"Asked for", own.GetToolText(&six));
    EXPECT_STREQ(L"Asked for", own.GetToolText(&six));
    EXPECT_EQ(1, m_pHost->m_nTextRequests);
    EXPECT_FALSE(six.bTextCallback);
    m_context.ModifyToolTipStyle(0, TTS_NOPREFIX);

    // Deleting goes by window and id; the text does not count.
    info.uId = 5;
    info.lpszText = const_cast<LPWSTR>(L"other");
    own.SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(1, own.GetToolCount());

    // A tool without text shows nothing, even with a title.
    own.Activate(TRUE);
    own.SendMessage(TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(L"Title"));
    info.uId = 8;
    info.lpszText = const_cast<LPWSTR>(L"");
    own.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    CZMRToolTipContextToolTip::TOOLITEM eight;
    eight.hWnd = m_pHost->m_hWnd;
    eight.nId = 8;
    own.ShowTool(&eight);
    EXPECT_FALSE(::IsWindowVisible(own.m_hWnd));
    EXPECT_TRUE(own.GetCurrentTool().IsSameTooltipTool(nullptr));

    CZMRToolTipContextToolTip::TOOLITEM none;
    EXPECT_TRUE(none.IsSameTooltipTool(nullptr));
    EXPECT_FALSE(six.IsSameTooltipTool(nullptr));
    CZMRToolTipContextToolTip::TOOLITEM sameOther = six;
    sameOther.strText = L"x";
    sameOther.rcTool = CRect(1, 1, 2, 2);
    EXPECT_TRUE(six.IsSameTooltipTool(&sameOther));
    sameOther.nId = 7;
    EXPECT_FALSE(six.IsSameTooltipTool(&sameOther));
    own.DestroyWindow();
    EXPECT_EQ(0, own.GetToolCount());
}

TEST_F(ToolTipWindowTest, APlacementRectangleSetsTheTipBelowIt)
{
    m_context.m_bShowTitleAndDescription = TRUE;
    Tool tool = {CRect(20, 0, 120, 60), 1, L"Placed", nullptr, nullptr};
    tool.rcPlacement = CRect(0, 0, 300, 45);
    CreateHost(CPoint(100, 100), {tool});
    Hover(CPoint(70, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    EXPECT_EQ(CPoint(100 + 20, 100 + 45), TipRect().TopLeft());
}

TEST_F(ToolTipWindowTest, TheMouseHookHidesTheTipWhenTheMouseGoesToAnotherWindow)
{
    CreateHost(CPoint(100, 100), g_twoTools);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"",
                               WS_POPUP | WS_VISIBLE, 100, 200, 200, 60, nullptr, nullptr));
    // Tips show only while the host's application window is in front.
    ::SetForegroundWindow(m_pHost->m_hWnd);
    Hover(CPoint(40, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    // The host never hears of this move; only the tip's hook sees it.
    CTestInput::MoveTo(other.m_hWnd, CPoint(100, 30));
    EXPECT_TRUE(PumpUntil([&] { return !TipVisible(); }));
    other.DestroyWindow();
}

TEST_F(ToolTipWindowTest, EachKindPaintsItsOwnFrame)
{
    const int nScheme = GetColorManager()->GetEffectiveSystemTheme();
    const COLORREF clrLuna = nScheme == 2   ? RGB(63, 93, 56)
                             : nScheme == 3 ? RGB(75, 75, 111)
                             : nScheme >= 1 && nScheme <= 5 ? RGB(0, 0, 128)
                                                            : RGB(0, 0, 0);
    const struct
    {
        int nKind;
        COLORREF clrTop;
        COLORREF clrBottom;
    } kinds[] = {
        {zmrToolTipFlat, ::GetSysColor(COLOR_BTNFACE), RGB(0, 0, 0)},
        {zmrToolTipLuna, clrLuna, clrLuna},
        {zmrToolTipOffice2007, RGB(118, 118, 118), RGB(118, 118, 118)},
    };
    CreateHost(CPoint(100, 100), g_twoTools);
    for (const auto& kind : kinds)
    {
        m_context.SetStyle(kind.nKind);
        m_context.m_nDelayInitial = 20;
        Hover(CPoint(40, 20));
        Hover(CPoint(41, 20));
        ASSERT_TRUE(PumpUntil([&] { return TipVisible(); })) << kind.nKind;
        CSize sz;
        std::vector<COLORREF> pixels = ReadTip(sz);
        EXPECT_EQ(kind.clrTop, pixels[sz.cx / 2]) << kind.nKind;
        EXPECT_EQ(kind.clrBottom, pixels[(sz.cy - 1) * sz.cx + sz.cx / 2]) << kind.nKind;
        Hover(CPoint(40, 70));
    }
}

// Each kind as a user sees it, saved as a picture. The rich-text and markup
// kinds draw their own content: a red run in either shows red pixels, which
// the plain kinds never draw.
TEST_F(ToolTipWindowTest, EachKindDrawsItsContent)
{
    const struct
    {
        int nKind;
        const wchar_t* lpszName;
        const wchar_t* lpszText;
        bool bRed;
    } kinds[] = {
        {zmrToolTipFlat, L"flat", L"Write the image", false},
        {zmrToolTipLuna, L"gradient", L"Write the image", false},
        {zmrToolTipOffice2007, L"office2007", L"Write the image", false},
        {zmrToolTipRichText, L"richtext", L"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 Write\\cf0  the image}",
         true},
        {zmrToolTipMarkup, L"markup",
         L"<TextBlock><Run Foreground=\"#FF0000\">Write</Run><Run> the image</Run></TextBlock>", true},
    };
    for (const auto& kind : kinds)
    {
        m_context.SetStyle(kind.nKind);
        m_context.m_nDelayInitial = 20;
        CreateHost(CPoint(100, 100), {{CRect(0, 0, 100, 60), 1, kind.lpszText, nullptr, nullptr}});
        Hover(CPoint(40, 20));
        Hover(CPoint(41, 20));
        ASSERT_TRUE(PumpUntil([&] { return TipVisible(); })) << kind.nKind;
        CSize sz;
        const std::vector<COLORREF> pixels = ReadTip(sz);
        const std::wstring strName = std::wstring(L"tooltip-kind-") + kind.lpszName + L".png";
        SaveArtifactPng(strName.c_str(), sz.cx, sz.cy, [&](int x, int y) { return pixels[y * sz.cx + x]; });

        // Text pixels stand out from the background of their row (some
        // backgrounds run in a gradient from top to bottom).
        int nText = 0, nRed = 0;
        for (int y = 2; y < sz.cy - 2; y++)
            for (int x = 2; x < sz.cx - 2; x++)
            {
                const COLORREF clr = pixels[y * sz.cx + x], clrRow = pixels[y * sz.cx + 2];
                nText += std::abs(GetRValue(clr) - GetRValue(clrRow)) + std::abs(GetGValue(clr) - GetGValue(clrRow)) +
                             std::abs(GetBValue(clr) - GetBValue(clrRow)) > 150;
                nRed += GetRValue(clr) > 200 && GetGValue(clr) < 80 && GetBValue(clr) < 80;
            }
        EXPECT_GT(nText, 10) << kind.lpszName << ": the text is drawn";
        EXPECT_EQ(kind.bRed, nRed > 10) << kind.lpszName;

        m_pHost->DestroyWindow();
        delete m_pHost;
        m_pHost = nullptr;
    }
}

TEST_F(ToolTipWindowTest, ToolImagesComeFromTheImageManagerBesideTheText)
{
    // Commands 101 and 102 have a small and a large image; 103 none.
    CZMRImageManager images;
    for (int nSize : {16, 32})
    {
        CZMRIconHandle handle;
        handle.SetIcon(static_cast<HICON>(::LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, nSize, nSize, 0)));
        ASSERT_TRUE(images.SetIcon(handle, nSize == 16 ? 101 : 102, 16, nSize, ZMR_ICONSTATE_NORMAL));
    }
    m_context.m_bShowImage = TRUE;
    m_context.m_nImageBase = 100;
    m_context.m_nImageWidth = 16;
    CreateHost(CPoint(100, 100), {{CRect(0, 0, 100, 60), 1, L"Open a file", nullptr, nullptr},
                                  {CRect(100, 0, 200, 60), 2, L"Open a file", nullptr, nullptr},
                                  {CRect(200, 0, 300, 60), 3, L"Open a file", nullptr, nullptr}});
    m_pHost->m_pImages = &images;

    CClientDC dc(m_pHost);
    CFont* pOld = dc.SelectObject(m_context.GetFont());
    const CSize szText = dc.GetTextExtent(L"Open a file");
    dc.SelectObject(pOld);

    const struct
    {
        int x;
        INT_PTR nId;
        int nImage;      // 0: none
        int nExtra;      // beside a small image 3 pixels, a large one 5
    } cases[] = {{40, 1, 16, 3}, {140, 2, 32, 5}, {240, 3, 0, 0}};
    for (const auto& c : cases)
    {
        Hover(CPoint(c.x, 20));
        ASSERT_TRUE(PumpUntil([&] { return ShownId() == c.nId; })) << c.nId;
        if (!c.nImage)
        {
            EXPECT_EQ(nullptr, Tip()->GetTipImage());
            EXPECT_EQ(CSize(szText.cx + 6, szText.cy + 6), TipRect().Size());
            continue;
        }
        ASSERT_TRUE(Tip()->GetTipImage());
        EXPECT_EQ(static_cast<UINT>(100 + c.nId), Tip()->GetTipImage()->GetID());
        EXPECT_EQ(CSize(szText.cx + c.nImage + c.nExtra + 6, std::max(static_cast<LONG>(c.nImage), szText.cy) + 6),
                  TipRect().Size())
            << c.nId;
    }
    m_pHost->m_pImages = nullptr;
}

TEST_F(ToolTipWindowTest, RightToLeftToolsHaveTheirTipEndAtTheCursor)
{
    CreateHost(CPoint(200, 100), {{CRect(0, 0, 300, 60), 1, L"Right to left", nullptr, nullptr}}, CSize(300, 60),
               WS_EX_LAYOUTRTL);
    Hover(CPoint(40, 20));
    ASSERT_TRUE(PumpUntil([&] { return TipVisible(); }));
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    EXPECT_EQ(ptCursor.x, TipRect().right);
    EXPECT_EQ(ptCursor.y + CZMRToolTipContextToolTip::GetCursorHeight(), TipRect().top);
}
