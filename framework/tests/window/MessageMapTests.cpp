// Message maps: dispatch through the chain of maps, commands, reflection of
// notifications to the control, reference counting.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
UINT g_nRegistered = ::RegisterWindowMessageW(L"FrameworkWindowTests.Registered");

class CBaseProbe : public CWnd
{
public:
    std::vector<std::string> log;
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        log.push_back(FromHandlePermanent(m_hWnd) == this ? "create-attached" : "create-detached");
        return CWnd::OnCreate(lpcs);
    }
    void OnTimer(UINT_PTR) { log.push_back("base-timer"); }
    LRESULT OnUser(WPARAM wParam, LPARAM) { log.push_back("base-user"); return 10 + (LRESULT)wParam; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_APP + 1, OnUser)
END_MESSAGE_MAP()

class CDerivedProbe : public CBaseProbe
{
public:
    UINT m_nRangeId = 0;
    bool m_bDeleteOnNcDestroy = false;
    bool* m_pDeleted = nullptr;
    LRESULT OnUser(WPARAM wParam, LPARAM) { log.push_back("derived-user"); return 20 + (LRESULT)wParam; }
    LRESULT OnRegistered(WPARAM, LPARAM) { return 77; }
    LRESULT OnSetTextProbe(WPARAM, LPARAM) { log.push_back("settext"); return Default(); }
    void OnCommandA() { log.push_back("command-a"); }
    void OnRange(UINT nID) { m_nRangeId = nID; }
    void PostNcDestroy() override
    {
        log.push_back(m_hWnd == nullptr ? "postncdestroy-detached" : "postncdestroy-attached");
        if (m_bDeleteOnNcDestroy)
        {
            *m_pDeleted = true;
            delete this;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
    ON_MESSAGE(WM_APP + 1, OnUser)
    ON_REGISTERED_MESSAGE(g_nRegistered, OnRegistered)
    ON_MESSAGE(WM_SETTEXT, OnSetTextProbe)
    ON_COMMAND(100, OnCommandA)
    ON_COMMAND_RANGE(200, 210, OnRange)
END_MESSAGE_MAP()

bool Contains(const std::vector<std::string>& log, const char* entry)
{
    for (const auto& s : log)
        if (s == entry)
            return true;
    return false;
}
} // namespace

TEST(MessageMap, CreateExAttachesBeforeTheFirstMessagesAndWalksTheChain)
{
    CDerivedProbe wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"probe", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(wnd.log.at(0), "create-attached");
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);

    // The derived map's entry hides the base one; the base map still serves the rest.
    EXPECT_EQ(wnd.SendMessage(WM_APP + 1, 5), 25);
    EXPECT_TRUE(Contains(wnd.log, "derived-user"));
    EXPECT_FALSE(Contains(wnd.log, "base-user"));
    wnd.SendMessage(WM_TIMER, 7);
    EXPECT_TRUE(Contains(wnd.log, "base-timer"));
    EXPECT_EQ(wnd.SendMessage(g_nRegistered), 77);

    // Default() hands the current message on, so the text is really set.
    wnd.SetWindowText(L"abc");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_TRUE(Contains(wnd.log, "settext"));
    EXPECT_STREQ(text, L"abc");

    wnd.SendMessage(WM_COMMAND, 100);
    EXPECT_TRUE(Contains(wnd.log, "command-a"));
    wnd.SendMessage(WM_COMMAND, 205);
    EXPECT_EQ(wnd.m_nRangeId, 205u);
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, 300), 0);   // no handler: default procedure

    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_TRUE(Contains(wnd.log, "postncdestroy-detached"));
}

TEST(MessageMap, PostNcDestroyMayDeleteTheObject)
{
    bool bDeleted = false;
    auto* pWnd = new CDerivedProbe;
    pWnd->m_bDeleteOnNcDestroy = true;
    pWnd->m_pDeleted = &bDeleted;
    ASSERT_TRUE(pWnd->CreateEx(0, nullptr, L"probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

// --- Reflection -----------------------------------------------------------------

namespace
{
const int kChildId = 42;

class CChildProbe : public CWnd
{
public:
    std::vector<std::string> log;
    BOOL m_bExResult = FALSE;
    void OnClickReflect(NMHDR*, LRESULT* pResult) { log.push_back("child-click"); *pResult = 5; }
    BOOL OnDblClkReflect(NMHDR*, LRESULT*) { log.push_back("child-dblclk"); return m_bExResult; }
    void OnClickedReflect() { log.push_back("child-clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CChildProbe, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClkReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
END_MESSAGE_MAP()

class CParentProbe : public CWnd
{
public:
    std::vector<std::string> log;
    void OnClick(NMHDR*, LRESULT*) { log.push_back("parent-click"); }
    void OnDblClk(NMHDR*, LRESULT*) { log.push_back("parent-dblclk"); }
    void OnRClick(NMHDR*, LRESULT* pResult) { log.push_back("parent-rclick"); *pResult = 9; }
    void OnClicked() { log.push_back("parent-clicked"); }
    void OnChange() { log.push_back("parent-change"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentProbe, CWnd)
    ON_NOTIFY(NM_CLICK, kChildId, OnClick)
    ON_NOTIFY(NM_DBLCLK, kChildId, OnDblClk)
    ON_NOTIFY(NM_RCLICK, kChildId, OnRClick)
    ON_BN_CLICKED(kChildId, OnClicked)
    ON_CONTROL(EN_CHANGE, kChildId, OnChange)
END_MESSAGE_MAP()
} // namespace

TEST(MessageMap, NotificationsAreReflectedToTheControlFirst)
{
    struct Case
    {
        const char* name;
        UINT message;   // WM_NOTIFY or WM_COMMAND
        UINT nCode;
        BOOL bExResult;
        const char* childEntry;   // null: the child must not see it
        const char* parentEntry;  // null: the parent must not see it
        LRESULT lExpected;
    };
    const Case cases[] = {
        { "plain reflect keeps it from the parent", WM_NOTIFY, NM_CLICK, FALSE, "child-click", nullptr, 5 },
        { "extended reflect returning FALSE passes it on", WM_NOTIFY, NM_DBLCLK, FALSE, "child-dblclk", "parent-dblclk", 0 },
        { "extended reflect returning TRUE keeps it", WM_NOTIFY, NM_DBLCLK, TRUE, "child-dblclk", nullptr, 0 },
        { "no reflect entry: the parent handles it", WM_NOTIFY, NM_RCLICK, FALSE, nullptr, "parent-rclick", 9 },
        { "reflected command", WM_COMMAND, BN_CLICKED, FALSE, "child-clicked", nullptr, 1 },
        { "command without reflect entry", WM_COMMAND, EN_CHANGE, FALSE, nullptr, "parent-change", 1 },
    };

    CParentProbe parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd,
                                    reinterpret_cast<HMENU>((INT_PTR)kChildId), nullptr, nullptr);
    CChildProbe child;
    ASSERT_TRUE(child.SubclassWindow(hChild));

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        parent.log.clear();
        child.log.clear();
        child.m_bExResult = c.bExResult;
        LRESULT lResult;
        if (c.message == WM_NOTIFY)
        {
            NMHDR hdr = { hChild, (UINT_PTR)kChildId, c.nCode };
            lResult = parent.SendMessage(WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&hdr));
        }
        else
            lResult = parent.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, c.nCode), reinterpret_cast<LPARAM>(hChild));
        EXPECT_EQ(child.log.size(), c.childEntry ? 1u : 0u);
        if (c.childEntry && !child.log.empty())
        {
            EXPECT_EQ(child.log[0], c.childEntry);
        }
        EXPECT_EQ(parent.log.size(), c.parentEntry ? 1u : 0u);
        if (c.parentEntry && !parent.log.empty())
        {
            EXPECT_EQ(parent.log[0], c.parentEntry);
        }
        EXPECT_EQ(lResult, c.lExpected);
    }

    // A control nobody wrapped: the parent's own handler runs.
    child.UnsubclassWindow();
    parent.log.clear();
    NMHDR hdr = { hChild, (UINT_PTR)kChildId, (UINT)NM_CLICK };
    parent.SendMessage(WM_NOTIFY, kChildId, reinterpret_cast<LPARAM>(&hdr));
    ASSERT_EQ(parent.log.size(), 1u);
    EXPECT_EQ(parent.log[0], "parent-click");
    parent.DestroyWindow();
}

// --- Reference count -------------------------------------------------------------

namespace
{
class CCountedTarget : public CCmdTarget
{
public:
    explicit CCountedTarget(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountedTarget() override { *m_pDeleted = true; }
    bool* m_pDeleted;
};
} // namespace

TEST(CmdTarget, TheLastReleaseDeletesTheObject)
{
    bool bDeleted = false;
    auto* p = new CCountedTarget(&bDeleted);
    EXPECT_EQ(p->InternalAddRef(), 2u);
    EXPECT_EQ(p->ExternalAddRef(), 3u);
    EXPECT_EQ(p->ExternalRelease(), 2u);
    EXPECT_EQ(p->InternalRelease(), 1u);
    EXPECT_FALSE(bDeleted);
    EXPECT_EQ(p->InternalRelease(), 0u);
    EXPECT_TRUE(bDeleted);
}

namespace
{
// Reads the current message before and after sending itself another one.
class CCurrentMessageProbe : public CWnd
{
public:
    std::vector<UINT> seen;
    LRESULT OnOuter(WPARAM, LPARAM)
    {
        seen.push_back(GetCurrentMessage()->message);
        SendMessage(WM_APP + 21);
        seen.push_back(GetCurrentMessage()->message);
        return 0;
    }
    LRESULT OnInner(WPARAM, LPARAM)
    {
        seen.push_back(GetCurrentMessage()->message);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCurrentMessageProbe, CWnd)
    ON_MESSAGE(WM_APP + 20, OnOuter)
    ON_MESSAGE(WM_APP + 21, OnInner)
END_MESSAGE_MAP()
} // namespace

TEST(MessageMap, CurrentMessageIsTheOneBeingHandledAfterNestedSends)
{
    CCurrentMessageProbe wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"current", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SendMessage(WM_APP + 20);
    EXPECT_EQ((std::vector<UINT>{ WM_APP + 20, WM_APP + 21, WM_APP + 20 }), wnd.seen);
    wnd.DestroyWindow();
}
