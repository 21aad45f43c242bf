// The tooltip context: its settings at construction, the kinds and their
// style bits, tool records, and the messages the mouse filter sends to a
// platform tooltip window as tools come and go.
#include "CZMRColorManager.h"
#include "CZMRNonClientMetrics.h"
#include "CZMRToolTipContext.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
typedef std::vector<std::wstring> Log;

// The platform tooltip window, recording the tooltip messages it gets.
class CRecordingTip : public CWnd
{
public:
    explicit CRecordingTip(Log* pLog) : m_pLog(pLog) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const TOOLINFO* pInfo = reinterpret_cast<const TOOLINFO*>(lParam);
        switch (message)
        {
        case TTM_ADDTOOLW:
            m_pLog->push_back(L"add " + std::to_wstring(pInfo->uId) + L" " + pInfo->lpszText);
            break;
        case TTM_DELTOOLW:
            m_pLog->push_back(L"delete " + std::to_wstring(pInfo->uId));
            break;
        case TTM_ACTIVATE:
            m_pLog->push_back(wParam ? L"activate" : L"deactivate");
            break;
        case TTM_RELAYEVENT:
            m_pLog->push_back(L"relay");
            break;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    Log* m_pLog;
};

// Tools are chosen by the test, not by where the cursor is.
class CTestToolTipContext : public CZMRToolTipContext
{
public:
    CWnd* CreateToolTip(CWnd* pOwner) override
    {
        CWnd* pToolTip = m_bNoWindow ? nullptr : CZMRToolTipContext::CreateToolTip(pOwner);
        if (!pToolTip)
            return nullptr;
        delete pToolTip;
        return new CRecordingTip(&m_log);
    }
    INT_PTR HitTestTool(CWnd* pWnd, CPoint /*point*/, TOOLINFO* pInfo) override
    {
        if (m_nTool != -1)
            FillInToolInfo(pInfo, pWnd->GetSafeHwnd(), 0, 0, 10, m_nToolHeight, m_nTool, m_strText.c_str());
        return m_nTool;
    }
    void SetComCtlVersion(DWORD dwVersion) { m_dwComCtlVersion = dwVersion; }
    Log TakeLog()
    {
        Log log;
        log.swap(m_log);
        return log;
    }

    INT_PTR m_nTool = -1;
    int m_nToolHeight = 10;
    std::wstring m_strText = L"tip";
    BOOL m_bNoWindow = FALSE;   // as a context whose kind makes no window
    Log m_log;
};

class ToolTipContextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hWndHost = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override { ::DestroyWindow(m_hWndHost); }
    void Move(CZMRToolTipContext& context, UINT message = WM_MOUSEMOVE)
    {
        context.FilterMouseMessage(CWnd::FromHandle(m_hWndHost), message, 0, MAKELPARAM(5, 5));
    }

    HWND m_hWndHost = nullptr;
};
}

TEST_F(ToolTipContextTest, StartsWithTheSystemStatusFontAndDefaults)
{
    CZMRToolTipContext context;
    EXPECT_EQ(zmrToolTipStandard, context.GetStyle());
    EXPECT_EQ(static_cast<DWORD>(TTS_NOPREFIX), context.GetToolTipStyle());
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN) / 2, context.GetMaxTipWidth());
    EXPECT_EQ(-1, context.m_nDelayInitial);
    EXPECT_EQ(-1, context.m_nDelayReshow);
    EXPECT_EQ(-1, context.m_nDelayAutoPop);
    EXPECT_EQ(nullptr, context.GetToolTip());
    EXPECT_TRUE(CRect(context.m_rcMargin).IsRectNull());

    CZMRNonClientMetrics ncm;
    LOGFONTW lfRegular = {}, lfBold = {};
    ASSERT_TRUE(::GetObjectW(static_cast<HFONT>(*context.GetFont()), sizeof(LOGFONTW), &lfRegular));
    ASSERT_TRUE(::GetObjectW(static_cast<HFONT>(*context.GetBoldFont()), sizeof(LOGFONTW), &lfBold));
    EXPECT_STREQ(ncm.lfStatusFont.lfFaceName, lfRegular.lfFaceName);
    EXPECT_EQ(ncm.lfStatusFont.lfHeight, lfRegular.lfHeight);
    EXPECT_EQ(FW_NORMAL, lfRegular.lfWeight);
    EXPECT_EQ(FW_BOLD, lfBold.lfWeight);

    // Unset colours come from the colour manager; the rounded look has its own text.
    EXPECT_EQ(GetColorManager()->GetColor(COLOR_INFOBK), context.GetTipBackColor());
    EXPECT_EQ(GetColorManager()->GetColor(COLOR_INFOTEXT), context.GetTipTextColor());
    context.SetStyle(zmrToolTipOffice2007);
    EXPECT_EQ(RGB(76, 76, 76), context.GetTipTextColor());
    context.m_clrText = RGB(1, 2, 3);
    context.m_clrBack = RGB(4, 5, 6);
    EXPECT_EQ(RGB(1, 2, 3), context.GetTipTextColor());
    EXPECT_EQ(RGB(4, 5, 6), context.GetTipBackColor());
}

TEST_F(ToolTipContextTest, KindsSetTheirStyleBitsAndBalloonsNeedNewCommonControls)
{
    CTestToolTipContext context;
    const struct
    {
        int nStyle;
        DWORD dwBits;
    } kinds[] = {
        {zmrToolTipFlat, TTS_NOPREFIX | 0x3000}, {zmrToolTipOffice2007, TTS_NOPREFIX | 0x4000},
        {zmrToolTipMarkup, TTS_NOPREFIX},        {zmrToolTipRichText, TTS_NOPREFIX},
        {zmrToolTipStandard, TTS_NOPREFIX},
    };
    for (const auto& kind : kinds)
    {
        context.SetStyle(kind.nStyle);
        EXPECT_EQ(kind.nStyle, context.GetStyle());
        EXPECT_EQ(kind.dwBits, context.GetToolTipStyle()) << kind.nStyle;
    }

    context.SetComCtlVersion(MAKELONG(79, 5));
    EXPECT_FALSE(context.IsBalloonStyleSupported());
    context.SetStyle(zmrToolTipBalloon);
    EXPECT_EQ(zmrToolTipStandard, context.GetStyle());
    context.SetComCtlVersion(MAKELONG(80, 5));
    context.SetStyle(zmrToolTipBalloon);
    EXPECT_EQ(zmrToolTipBalloon, context.GetStyle());

    // The window lives while the kind stays, and goes when it changes.
    context.m_nTool = 1;
    Move(context);
    ASSERT_TRUE(context.GetToolTip());
    HWND hTip = context.GetToolTip()->GetSafeHwnd();
    EXPECT_TRUE(::GetWindowLongW(hTip, GWL_STYLE) & TTS_BALLOON);
    context.SetStyle(zmrToolTipBalloon);
    EXPECT_TRUE(::IsWindow(hTip));
    context.SetStyle(zmrToolTipStandard);
    EXPECT_FALSE(::IsWindow(hTip));
    EXPECT_EQ(nullptr, context.GetToolTip());
}

TEST_F(ToolTipContextTest, ToolRecordGetsItsFieldsAndACopyOfTheText)
{
    CZMRToolTipContext::FillInToolInfo(nullptr, m_hWndHost, 1, 2, 3, 4, 5, L"text");
    TOOLINFO small = {};
    small.cbSize = TTTOOLINFOW_V1_SIZE - 1;
    CZMRToolTipContext::FillInToolInfo(&small, m_hWndHost, 1, 2, 3, 4, 5, L"text");
    EXPECT_EQ(nullptr, small.hwnd);
    EXPECT_EQ(nullptr, small.lpszText);

    // Tool ids may be addresses: all their bits are kept.
    const INT_PTR nId = static_cast<INT_PTR>(0x123456789ABLL);
    WCHAR szText[] = L"text";
    TOOLINFO info = {};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    CZMRToolTipContext::FillInToolInfo(&info, m_hWndHost, 1, 2, 3, 4, nId, szText);
    EXPECT_EQ(m_hWndHost, info.hwnd);
    EXPECT_EQ(static_cast<UINT_PTR>(nId), info.uId);
    EXPECT_EQ(CRect(1, 2, 3, 4), CRect(info.rect));
    ASSERT_TRUE(info.lpszText);
    EXPECT_NE(szText, info.lpszText);
    EXPECT_STREQ(L"text", info.lpszText);
    free(info.lpszText);
}

TEST_F(ToolTipContextTest, ExtendedRecordsTakeTitleAndDescriptionOnlyTogether)
{
    const struct
    {
        UINT cbSize;
        const wchar_t* lpszTitle;
        const wchar_t* lpszDescription;
        bool bCopied;
    } cases[] = {
        {TTTOOLINFOW_V2_SIZE, L"Title", L"Description", true},
        {TTTOOLINFOW_V2_SIZE, L"Title", L"", false},
        {TTTOOLINFOW_V2_SIZE, nullptr, L"Description", false},
        {TTTOOLINFOW_V1_SIZE, L"Title", L"Description", false},   // the basic form has no extension
    };
    for (const auto& c : cases)
    {
        ZMR_TOOLINFO_EXTENDED extended = {};
        TOOLINFO info = {};
        info.cbSize = c.cbSize;
        info.lParam = reinterpret_cast<LPARAM>(&extended);
        const CRect rc(1, 2, 3, 4);
        CZMRToolTipContext::FillInToolInfoEx(&info, m_hWndHost, rc, 9, L"text", c.lpszTitle, c.lpszDescription,
                                             nullptr);
        EXPECT_EQ(9u, info.uId);
        EXPECT_STREQ(L"text", info.lpszText);
        EXPECT_EQ(c.bCopied, extended.lpszTitle != nullptr);
        if (c.bCopied)
        {
            EXPECT_STREQ(c.lpszTitle, extended.lpszTitle);
            EXPECT_STREQ(c.lpszDescription, extended.lpszDescription);
        }
        free(info.lpszText);
        free(extended.lpszTitle);
        free(extended.lpszDescription);
    }
}

TEST_F(ToolTipContextTest, FilterRegistersEachNewToolBeforeTheOldOneLeaves)
{
    CTestToolTipContext context;
    // No tool: the window is made and stays inactive.
    Move(context);
    ASSERT_TRUE(context.GetToolTip());
    EXPECT_EQ(m_hWndHost, ::GetWindow(context.GetToolTip()->GetSafeHwnd(), GW_OWNER));
    EXPECT_EQ((Log{L"deactivate"}), context.TakeLog());

    context.m_nTool = 1;
    Move(context);
    EXPECT_EQ((Log{L"add 1 tip", L"relay"}), context.TakeLog());
    // The same tool only relays; a moved rectangle registers it again.
    Move(context);
    EXPECT_EQ((Log{L"relay"}), context.TakeLog());
    context.m_nToolHeight = 20;
    Move(context);
    EXPECT_EQ((Log{L"delete 1", L"add 1 tip", L"relay"}), context.TakeLog());

    context.m_nTool = 2;
    Move(context);
    EXPECT_EQ((Log{L"add 2 tip", L"relay", L"delete 1"}), context.TakeLog());
    EXPECT_EQ(2u, context.GetLastTool().uId);
    EXPECT_EQ(1, ::SendMessageW(context.GetToolTip()->GetSafeHwnd(), TTM_GETTOOLCOUNT, 0, 0));

    // Keys and presses hide the tip; other messages leave it.
    for (UINT message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDBLCLK, WM_NCLBUTTONDOWN})
        Move(context, message);
    Move(context, WM_TIMER);
    EXPECT_EQ((Log{L"deactivate", L"deactivate", L"deactivate", L"deactivate"}), context.TakeLog());

    context.m_nTool = -1;
    Move(context, WM_MOUSELEAVE);
    EXPECT_EQ((Log{L"deactivate", L"relay", L"delete 2"}), context.TakeLog());
    EXPECT_EQ(0, ::SendMessageW(context.GetToolTip()->GetSafeHwnd(), TTM_GETTOOLCOUNT, 0, 0));

    // Without the no-prefix style the tip loses its mnemonic markers; the
    // style change makes a new window.
    context.ModifyToolTipStyle(TTS_NOPREFIX, 0);
    EXPECT_EQ(nullptr, context.GetToolTip());
    context.m_nTool = 3;
    context.m_strText = L"&Save";
    Move(context);
    EXPECT_EQ((Log{L"deactivate", L"add 3 Save", L"relay"}), context.TakeLog());
}

TEST_F(ToolTipContextTest, ContextWhoseKindMakesNoWindowSendsNothing)
{
    CTestToolTipContext context;
    context.m_bNoWindow = TRUE;
    context.m_nTool = 1;
    Move(context);
    EXPECT_EQ(nullptr, context.GetToolTip());
    EXPECT_EQ(Log{}, context.TakeLog());
}

TEST_F(ToolTipContextTest, WindowsAnswerForTheirOwnToolsAndOnlyTheOwnersMessagesCount)
{
    // A framework window with tooltips, its child control being a tool.
    CWnd owner;
    // Only visible children are tools.
    ASSERT_TRUE(owner.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
    owner.EnableToolTips(TRUE);
    HWND hWndChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, owner.m_hWnd,
                                       reinterpret_cast<HMENU>(42), ::GetModuleHandleW(nullptr), nullptr);
    CZMRToolTipContext plain;
    TOOLINFO info = {};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    EXPECT_EQ(42, plain.HitTestTool(&owner, CPoint(10, 10), &info));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(hWndChild), info.uId);
    EXPECT_EQ(-1, plain.HitTestTool(&owner, CPoint(60, 60), &info));
    EXPECT_EQ(-1, plain.HitTestTool(nullptr, CPoint(10, 10), &info));

    // Messages of another window's tools are ignored; the child's count.
    CTestToolTipContext context;
    context.m_nTool = 1;
    MSG msg = {};
    msg.message = WM_MOUSEMOVE;
    msg.hwnd = m_hWndHost;
    context.FilterToolTipMessage(&owner, &msg, FALSE);
    EXPECT_EQ(nullptr, context.GetToolTip());
    msg.hwnd = hWndChild;
    context.FilterToolTipMessage(&owner, &msg, FALSE);
    ASSERT_TRUE(context.GetToolTip());
    EXPECT_EQ(1u, context.GetLastTool().uId);
    owner.DestroyWindow();
}
