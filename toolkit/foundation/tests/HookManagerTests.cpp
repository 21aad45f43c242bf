#include "CZMRHookManager.h"
#include "window/AfxThreadState.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
// What reached the hooked windows and their hookables, in order.
std::vector<std::string> g_log;

LRESULT CALLBACK TargetProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_APP)
    {
        g_log.push_back("window " + std::to_string(wParam));
        return 1000 + LRESULT(wParam);
    }
    if (nMessage == WM_NCDESTROY)
    {
        // The hook is already gone when the window's own procedure sees its end.
        const bool bRestored = ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TargetProc);
        g_log.push_back(bRestored ? "ncdestroy restored" : "ncdestroy hooked");
    }
    return ::DefWindowProcW(hWnd, nMessage, wParam, lParam);
}

// A window with a procedure of someone else's installed over the hook.
WNDPROC g_pfnUnderOuter = nullptr;
LRESULT CALLBACK OuterProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_APP)
        g_log.push_back("outer");
    return ::CallWindowProcW(g_pfnUnderOuter, hWnd, nMessage, wParam, lParam);
}

HWND CreateTarget()
{
    static bool bRegistered = false;
    if (!bRegistered)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = TargetProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZMRHookTarget";
        bRegistered = ::RegisterClassW(&wc) != 0;
    }
    return ::CreateWindowExW(0, L"ZMRHookTarget", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

LONG_PTR ProcOf(HWND hWnd)
{
    return ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
}

// Answers each message as told, logs it, and may do more while it is asked.
class CTestHookAble : public CZMRHookManagerHookAble
{
public:
    CTestHookAble(const char* pszName, int nAnswer = ZMR_HOOK_NOTHANDLED, bool* pbDeleted = nullptr)
        : m_strName(pszName), m_nAnswer(nAnswer), m_pbDeleted(pbDeleted)
    {
    }
    ~CTestHookAble() override
    {
        if (m_pbDeleted)
            *m_pbDeleted = true;
        if (m_bLogDeletion)
            g_log.push_back(m_strName + " deleted");
    }
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override
    {
        if (nMessage != WM_APP)
            return ZMR_HOOK_NOTHANDLED;
        g_log.push_back(m_strName + " " + std::to_string(wParam));
        m_lastSent = AfxGetThreadState()->m_lastSentMsg;
        if (m_nAddToWParam)
            wParam += m_nAddToWParam;
        lResult = 500;
        int nAnswer = m_nAnswer;
        if (m_onMessage)
            m_onMessage(hWnd);   // may delete this
        return nAnswer;
    }

    std::string m_strName;
    int m_nAnswer;
    bool* m_pbDeleted;
    WPARAM m_nAddToWParam = 0;
    MSG m_lastSent = {};
    std::function<void(HWND)> m_onMessage;
    bool m_bLogDeletion = false;   // the destructor enters the log
};

class HookManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        m_hWnd = CreateTarget();
        ASSERT_TRUE(m_hWnd);
        m_pfnOriginal = ProcOf(m_hWnd);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        EXPECT_EQ(GetHookManager()->Lookup(m_hWnd), nullptr) << "a window's end takes its sink";
    }
    LRESULT Send(WPARAM wParam = 1)
    {
        return ::SendMessageW(m_hWnd, WM_APP, wParam, 0);
    }

    HWND m_hWnd = nullptr;
    LONG_PTR m_pfnOriginal = 0;
};
} // namespace

TEST_F(HookManager, LastAddedIsAskedFirstAndAnswersDecideWhoElseRuns)
{
    struct Case
    {
        int nFirst, nSecond;                 // answers of the hookable added first and second
        std::vector<std::string> expected;   // the order of the asked and the window
        LRESULT lResult;
    } cases[] = {
        {ZMR_HOOK_NOTHANDLED, ZMR_HOOK_NOTHANDLED, {"second 1", "first 1", "window 1"}, 1001},
        {ZMR_HOOK_NOTHANDLED, ZMR_HOOK_HANDLED, {"second 1"}, 500},
        {ZMR_HOOK_HANDLED, ZMR_HOOK_NOTHANDLED, {"second 1", "first 1"}, 500},
        {ZMR_HOOK_NOTHANDLED, ZMR_HOOK_STOP, {"second 1", "window 1"}, 1001},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nFirst << " " << c.nSecond);
        CTestHookAble first("first", c.nFirst), second("second", c.nSecond);
        GetHookManager()->SetHook(m_hWnd, &first);
        GetHookManager()->SetHook(m_hWnd, &second);
        g_log.clear();
        EXPECT_EQ(Send(), c.lResult);
        EXPECT_EQ(g_log, c.expected);
        GetHookManager()->RemoveHook(m_hWnd, &second);
        GetHookManager()->RemoveHook(m_hWnd, &first);
        EXPECT_EQ(ProcOf(m_hWnd), m_pfnOriginal);
    }
}

TEST_F(HookManager, ChangedParametersReachTheLaterHookablesAndTheWindow)
{
    CTestHookAble first("first"), second("second");
    second.m_nAddToWParam = 10;
    GetHookManager()->SetHook(m_hWnd, &first);
    GetHookManager()->SetHook(m_hWnd, &second);
    GetHookManager()->SetHook(m_hWnd, &second);   // once is enough

    // A posted message goes the same way as a sent one.
    ::PostMessageW(m_hWnd, WM_APP, 1, 0);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    EXPECT_EQ(g_log, (std::vector<std::string>{"second 1", "first 11", "window 11"}));

    // The framework's record of the current message is this message while
    // the hookables are asked, and the caller's again afterwards.
    MSG& last = AfxGetThreadState()->m_lastSentMsg;
    const MSG saved = last;
    last.message = WM_USER + 7;
    Send(2);
    EXPECT_EQ(first.m_lastSent.hwnd, m_hWnd);
    EXPECT_EQ(first.m_lastSent.message, UINT(WM_APP));
    EXPECT_EQ(first.m_lastSent.wParam, WPARAM(2));
    EXPECT_EQ(last.message, UINT(WM_USER + 7));
    last = saved;
    GetHookManager()->RemoveAll(&first);
    GetHookManager()->RemoveAll(&second);
}

TEST_F(HookManager, TheLastRemovalOrTheWindowsEndPutsTheProcedureBack)
{
    CTestHookAble watcher("watcher");
    GetHookManager()->RemoveHook(m_hWnd, &watcher);   // not hooked: nothing happens
    GetHookManager()->SetHook(m_hWnd, &watcher);
    EXPECT_NE(ProcOf(m_hWnd), m_pfnOriginal);
    GetHookManager()->RemoveHook(m_hWnd, &watcher);
    EXPECT_EQ(ProcOf(m_hWnd), m_pfnOriginal);
    EXPECT_EQ(GetHookManager()->Lookup(m_hWnd), nullptr);

    // The window's end deletes the marked hookables and none other.
    bool bMarkedDeleted = false, bPlainDeleted = false;
    CTestHookAble* pMarked = new CTestHookAble("marked", ZMR_HOOK_NOTHANDLED, &bMarkedDeleted);
    pMarked->m_pAutoDelete = pMarked;
    pMarked->m_bLogDeletion = true;
    CTestHookAble plain("plain", ZMR_HOOK_NOTHANDLED, &bPlainDeleted);
    GetHookManager()->SetHook(m_hWnd, pMarked);
    GetHookManager()->SetHook(m_hWnd, &plain);
    ::DestroyWindow(m_hWnd);
    EXPECT_EQ(g_log, (std::vector<std::string>{"marked deleted", "ncdestroy restored"}))
        << "marked hookables go before the window's own procedure sees its end";
    EXPECT_TRUE(bMarkedDeleted);
    EXPECT_FALSE(bPlainDeleted);
}

TEST_F(HookManager, AMarkedHookableThatDestroysItsWindowIsDeletedAfterItsHandler)
{
    bool bDeleted = false;
    CTestHookAble* pDestroyer = new CTestHookAble("destroyer", ZMR_HOOK_NOTHANDLED, &bDeleted);
    pDestroyer->m_pAutoDelete = pDestroyer;
    pDestroyer->m_bLogDeletion = true;
    pDestroyer->m_onMessage = [&bDeleted](HWND hWnd) {
        ::DestroyWindow(hWnd);
        // Still alive here: its handler has not returned yet.
        g_log.push_back(bDeleted ? "handler after deletion" : "handler goes on");
    };
    GetHookManager()->SetHook(m_hWnd, pDestroyer);
    Send();
    EXPECT_FALSE(::IsWindow(m_hWnd));
    // The window's procedure may still see the message after the handler;
    // what counts is that the deletion comes after the handler.
    auto at = [](const char* psz) { return std::find(g_log.begin(), g_log.end(), psz) - g_log.begin(); };
    EXPECT_LT(at("destroyer 1"), at("ncdestroy restored"));
    EXPECT_LT(at("ncdestroy restored"), at("handler goes on"));
    EXPECT_LT(at("handler goes on"), at("destroyer deleted"));
    EXPECT_LT(at("destroyer deleted"), static_cast<ptrdiff_t>(g_log.size()));
    EXPECT_TRUE(bDeleted);
}

TEST_F(HookManager, HookablesMayLeaveWhileAMessageIsDispatched)
{
    // The only hookable leaves: the window is unhooked at once, and the
    // message still reaches the window's own procedure.
    bool bDeleted = false;
    CTestHookAble* pSelf = new CTestHookAble("self", ZMR_HOOK_NOTHANDLED, &bDeleted);
    pSelf->m_pAutoDelete = pSelf;
    pSelf->m_onMessage = [pSelf](HWND hWnd) { GetHookManager()->RemoveHook(hWnd, pSelf); };
    GetHookManager()->SetHook(m_hWnd, pSelf);
    EXPECT_EQ(Send(), 1001);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(ProcOf(m_hWnd), m_pfnOriginal);
    EXPECT_EQ(g_log, (std::vector<std::string>{"self 1", "window 1"}));

    // One that takes an earlier one off: that one is not asked any more.
    CTestHookAble first("first"), second("second");
    second.m_onMessage = [&first](HWND hWnd) { GetHookManager()->RemoveHook(hWnd, &first); };
    GetHookManager()->SetHook(m_hWnd, &first);
    GetHookManager()->SetHook(m_hWnd, &second);
    g_log.clear();
    Send();
    EXPECT_EQ(g_log, (std::vector<std::string>{"second 1", "window 1"}));
    GetHookManager()->RemoveHook(m_hWnd, &second);

    // One that destroys the window it watches while it is asked.
    CTestHookAble destroyer("destroyer");
    destroyer.m_onMessage = [](HWND hWnd) { ::DestroyWindow(hWnd); };
    GetHookManager()->SetHook(m_hWnd, &destroyer);
    g_log.clear();
    Send();
    EXPECT_FALSE(::IsWindow(m_hWnd));
    EXPECT_EQ(g_log[0], "destroyer 1");
    EXPECT_EQ(g_log[1], "ncdestroy restored");
}

TEST_F(HookManager, AProcedureInstalledOverTheHookKeepsWorking)
{
    CTestHookAble watcher("watcher");
    GetHookManager()->SetHook(m_hWnd, &watcher);
    g_pfnUnderOuter = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC,
                                                                     reinterpret_cast<LONG_PTR>(&OuterProc)));

    // The hook cannot be taken out from under the outer procedure, and the
    // messages it passes on still reach the window.
    GetHookManager()->RemoveHook(m_hWnd, &watcher);
    EXPECT_EQ(ProcOf(m_hWnd), reinterpret_cast<LONG_PTR>(&OuterProc));
    EXPECT_EQ(Send(), 1001);
    EXPECT_EQ(g_log, (std::vector<std::string>{"outer", "window 1"}));

    // Hooked again, the watcher is asked once per message.
    GetHookManager()->SetHook(m_hWnd, &watcher);
    g_log.clear();
    EXPECT_EQ(Send(), 1001);
    EXPECT_EQ(g_log, (std::vector<std::string>{"outer", "watcher 1", "window 1"}));
    ::DestroyWindow(m_hWnd);
}

TEST_F(HookManager, RemoveAllTakesAHookableOffEveryWindow)
{
    HWND hOther = CreateTarget();
    const LONG_PTR pfnOther = ProcOf(hOther);
    bool bDeleted = false;
    CTestHookAble* pMarked = new CTestHookAble("marked", ZMR_HOOK_NOTHANDLED, &bDeleted);
    pMarked->m_pAutoDelete = pMarked;
    CTestHookAble plain("plain");
    GetHookManager()->SetHook(m_hWnd, pMarked);
    GetHookManager()->SetHook(hOther, pMarked);
    GetHookManager()->SetHook(hOther, &plain);

    GetHookManager()->RemoveAll(pMarked);   // deleted once, after leaving both windows
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(ProcOf(m_hWnd), m_pfnOriginal);
    ::SendMessageW(hOther, WM_APP, 3, 0);
    EXPECT_EQ(g_log, (std::vector<std::string>{"plain 3", "window 3"}));

    GetHookManager()->RemoveAll(&plain);
    EXPECT_EQ(ProcOf(hOther), pfnOther);
    ::DestroyWindow(hOther);
}

TEST_F(HookManager, AnAnsiWindowGetsItsMessagesInItsOwnCharacterSet)
{
    static std::string s_text;
    struct Ansi
    {
        static LRESULT CALLBACK Proc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
        {
            if (nMessage == WM_SETTEXT)
                s_text = reinterpret_cast<const char*>(lParam);
            return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
        }
    };
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Ansi::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = "ZMRHookAnsi";
    ::RegisterClassA(&wc);
    HWND hAnsi = ::CreateWindowExA(0, "ZMRHookAnsi", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(hAnsi);
    ASSERT_FALSE(::IsWindowUnicode(hAnsi));

    CTestHookAble watcher("watcher");
    GetHookManager()->SetHook(hAnsi, &watcher);
    EXPECT_FALSE(::IsWindowUnicode(hAnsi));
    ::SendMessageW(hAnsi, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"caption"));
    EXPECT_EQ(s_text, "caption");
    ::DestroyWindow(hAnsi);
    EXPECT_EQ(GetHookManager()->Lookup(hAnsi), nullptr);
}

TEST_F(HookManager, AWindowOnTheHookProcedureWithoutARecordGetsTheDefaultHandling)
{
    // Our procedure on a window the manager holds no record of (put there by
    // a copy of another window's procedure, say): the window still works as
    // with the default procedure instead of answering 0 to everything.
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CZMRHookManager::HookWindowProc));
    ASSERT_EQ(GetHookManager()->Lookup(m_hWnd), nullptr);
    EXPECT_TRUE(::SetWindowTextW(m_hWnd, L"still answers"));
    wchar_t szText[32] = {};
    EXPECT_EQ(::GetWindowTextW(m_hWnd, szText, 32), 13);
    EXPECT_STREQ(szText, L"still answers");
    EXPECT_EQ(::SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0), 13);
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, m_pfnOriginal);
}
