// The keyboard and mouse managers: their hook work fed with synthetic hook
// records, and a few whole paths driven with real input on the test's desktop.
#include "CZMRKeyboardManager.h"
#include "CZMRMouseManager.h"
#include "CZMRCommandBar.h"
#include "CTestInput.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace
{
// Messages a window received, as (message, wParam, lParam).
struct CReceived
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
};

int CountOf(const std::vector<CReceived>& received, UINT nMessage)
{
    int n = 0;
    for (const CReceived& r : received)
        n += r.nMessage == nMessage ? 1 : 0;
    return n;
}

// A bar that enters and leaves the managers as a bar in menu mode does,
// answers keys as told and records the mouse messages it gets.
class CInputBar : public CZMRCommandBar
{
public:
    // A popup owned by pOwner, or with bChild a child of it.
    BOOL CreateAt(const CRect& rc, CWnd* pOwner = nullptr, bool bChild = false)
    {
        const DWORD dwStyle = (bChild ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
        return CreateEx(bChild ? 0 : WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"bar", dwStyle, rc, pOwner, 0);
    }
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback) override
    {
        const BOOL bChanged = CZMRCommandBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback);
        if (bActive)
        {
            CZMRMouseManager::GetThreadMouseManager()->AddTracked(this);
            CZMRKeyboardManager::GetThreadKeyboardManager()->AddSink(this);
        }
        else
        {
            CZMRMouseManager::GetThreadMouseManager()->RemoveTracked(this);
            CZMRKeyboardManager::GetThreadKeyboardManager()->RemoveSink(this);
        }
        return bChanged;
    }
    BOOL SetHotControl(int nIndex, int nKind) override
    {
        m_hotRequests.push_back(nIndex);
        return CZMRCommandBar::SetHotControl(nIndex, nKind);
    }
    int HandleHookedMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&) override
    {
        m_keys.push_back({nMessage, wParam, 0});
        return m_nKeyAnswer;
    }
    int IsPointInside(CPoint ptScreen) const override
    {
        return m_nPointAnswer != 99 ? m_nPointAnswer : CZMRCommandBar::IsPointInside(ptScreen);
    }
    void Unlock()
    {
        while (GetInputSuspension() > 0)
            SuspendInput(FALSE);
    }

    int m_nKeyAnswer = 0;
    int m_nPointAnswer = 99;   // 99: the bar's own point test
    std::vector<CReceived> m_keys;
    std::vector<CReceived> m_mouse;
    std::vector<int> m_hotRequests;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)
            m_mouse.push_back({message, wParam, lParam});
        return CZMRCommandBar::WindowProc(message, wParam, lParam);
    }
};

struct CBarReleaser
{
    void operator()(CInputBar* pBar) const { pBar->InternalRelease(); }
};
using CBarPtr = std::unique_ptr<CInputBar, CBarReleaser>;

// A plain window of this thread that records what it gets.
class CRecorder : public CWnd
{
public:
    // A popup owned by pOwner, or with bChild a child of it.
    BOOL CreateAt(const CRect& rc, CWnd* pOwner = nullptr, bool bChild = false, LPCTSTR lpszClass = nullptr)
    {
        const DWORD dwStyle = (bChild ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
        return CreateEx(0, lpszClass ? lpszClass : AfxRegisterWndClass(0), L"recorder", dwStyle, rc, pOwner, 0);
    }
    ~CRecorder() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
    }
    std::vector<CReceived> m_received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_received.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A window class of an input method's kind.
LPCTSTR ImeClass()
{
    static const ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.style = CS_IME;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZMRTestImeWindow";
        return ::RegisterClassW(&wc);
    }();
    return atom ? L"ZMRTestImeWindow" : nullptr;
}

// Handles this thread's messages until the condition holds (true) or a
// generous safety bound passes (false), so a lost message fails the test
// instead of hanging it.
bool PumpUntil(const std::function<bool()>& condition)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (condition())
            return true;
        if (::GetTickCount() - dwStart > 30000)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// A host window under everything, a parent popup and a nested popup that
// overlaps its right side, a trusted window and an input-method window:
//
//   host (0,0)-(800,600)
//   parent (100,100)-(300,300)   nested (250,150)-(450,350)
//   trusted (500,100)-(600,200)  ime (500,300)-(600,400)
class InputManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pMouse = CZMRMouseManager::GetThreadMouseManager();
        m_pKeyboard = CZMRKeyboardManager::GetThreadKeyboardManager();
        ASSERT_TRUE(m_host.CreateAt(CRect(0, 0, 800, 600)));
        // Owned by the host, so that they stay above it when it is activated.
        ASSERT_TRUE(m_pParent->CreateAt(CRect(100, 100, 300, 300), &m_host));
        ASSERT_TRUE(m_pNested->CreateAt(CRect(250, 150, 450, 350), &m_host));
        ASSERT_TRUE(m_trusted.CreateAt(CRect(500, 100, 600, 200), &m_host));
        ASSERT_TRUE(m_ime.CreateAt(CRect(500, 300, 600, 400), &m_host, false, ImeClass()));
        m_pMouse->AddTrustedWindow(m_trusted.GetSafeHwnd());
    }
    void TearDown() override
    {
        m_pMouse->CloseAllTracked();
        // The thread's keyboard manager outlives the test: a bar left listed
        // there would be asked for keys after it is gone.
        EXPECT_EQ(0, m_pKeyboard->GetSinkCount()) << "a bar is still listed for keys";
        m_pKeyboard->RemoveSink(m_pParent.get());
        m_pKeyboard->RemoveSink(m_pNested.get());
        m_pMouse->RemoveTrustedWindow(m_trusted.GetSafeHwnd());
        m_pMouse->m_nFocusCount = 0;
        m_pMouse->m_bSwallowNextButtonUp = FALSE;
        m_pMouse->m_pHotBar = nullptr;
        m_pMouse->TrackMouseLeave(nullptr);
    }

    // The parent popup tracked, then, optionally locked under it, the nested one.
    void TrackBoth(BOOL bLockParent)
    {
        m_pParent->SetMenuLoopActive(TRUE, FALSE, 0);
        if (bLockParent)
            m_pMouse->LockTrackedBars(TRUE);
        m_pNested->SetMenuLoopActive(TRUE, FALSE, 0);
    }
    void Reset()
    {
        m_pMouse->CloseAllTracked();
        for (CInputBar* pBar : {m_pParent.get(), m_pNested.get()})
        {
            pBar->Unlock();
            pBar->m_mouse.clear();
            pBar->m_keys.clear();
            pBar->m_nPointAnswer = 99;
            pBar->m_nKeyAnswer = 0;
        }
        m_pMouse->m_nFocusCount = 0;
        m_pMouse->m_bSwallowNextButtonUp = FALSE;
    }
    BOOL Hook(UINT nMessage, CPoint pt, int nCode = HC_ACTION)
    {
        MOUSEHOOKSTRUCT info = {};
        info.pt = pt;
        info.hwnd = ::WindowFromPoint(pt);
        return m_pMouse->OnMouseHook(nCode, nMessage, reinterpret_cast<LPARAM>(&info));
    }

    CZMRMouseManager* m_pMouse = nullptr;
    CZMRKeyboardManager* m_pKeyboard = nullptr;
    CRecorder m_host;
    CBarPtr m_pParent{new CInputBar};
    CBarPtr m_pNested{new CInputBar};
    CRecorder m_trusted;
    CRecorder m_ime;
};

const CPoint ptHost(700, 500);
const CPoint ptParentOnly(150, 200);
const CPoint ptNested(400, 300);
const CPoint ptTrusted(550, 150);
const CPoint ptIme(550, 350);

// ---------------------------------------------------------------- keyboard manager

// A sink that records when it is asked and answers as told.
class CSink : public CZMRHookManagerHookAble
{
public:
    CSink(std::vector<CSink*>& asked, int nAnswer) : m_asked(asked), m_nAnswer(nAnswer) {}
    int HandleHookedMessage(HWND, UINT, WPARAM&, LPARAM&, LRESULT&) override
    {
        m_asked.push_back(this);
        if (m_onAsked)
            m_onAsked();
        return m_nAnswer;
    }
    std::vector<CSink*>& m_asked;
    int m_nAnswer;
    std::function<void()> m_onAsked;
};

TEST(KeyboardManagerTest, HooksLiveWhileSinksAreListed)
{
    CZMRKeyboardManager manager;
    std::vector<CSink*> asked;
    CSink a(asked, 0), b(asked, 0);
    EXPECT_FALSE(manager.IsHooked());
    manager.AddSink(&a);
    manager.AddSink(&a);
    manager.AddSink(&b);
    EXPECT_TRUE(manager.IsHooked());
    ASSERT_EQ(2, manager.GetSinkCount());
    EXPECT_EQ(&a, manager.GetSinkAt(0));
    EXPECT_EQ(&b, manager.GetSinkAt(1));
    EXPECT_EQ(nullptr, manager.GetSinkAt(2));
    manager.RemoveSink(&a);
    EXPECT_TRUE(manager.IsHooked());
    manager.RemoveSink(&b);
    EXPECT_FALSE(manager.IsHooked());
    EXPECT_EQ(0, manager.GetSinkCount());
}

TEST(KeyboardManagerTest, SinksAreAskedLastAddedFirstUntilOneAnswers)
{
    struct Case
    {
        int nFirst, nSecond, nThird;   // answers, in the order the sinks were added
        LRESULT lExpected;
        int nAsked;                    // how many sinks were asked
    } cases[] = {
        {0, 0, 0, 1, 3},   // nobody claims the key: swallowed
        {0, 0, 1, 1, 1},   // the last added handles it
        {0, 0, 2, 0, 1},   // the last added lets it through
        {2, 1, 0, 1, 2},   // the second answers first
        {2, 0, 0, 0, 3},
    };
    for (const Case& c : cases)
    {
        std::vector<CSink*> asked;
        CSink first(asked, c.nFirst), second(asked, c.nSecond), third(asked, c.nThird);
        CZMRKeyboardManager manager;
        manager.AddSink(&first);
        manager.AddSink(&second);
        manager.AddSink(&third);
        EXPECT_EQ(c.lExpected, manager.DispatchKeyToSinks(WM_KEYDOWN, VK_DOWN, 0));
        ASSERT_EQ(size_t(c.nAsked), asked.size());
        CSink* order[] = {&third, &second, &first};
        for (size_t i = 0; i < asked.size(); i++)
            EXPECT_EQ(order[i], asked[i]);
        manager.RemoveSink(&first);
        manager.RemoveSink(&second);
        manager.RemoveSink(&third);
    }
}

TEST(KeyboardManagerTest, SinkTakenOffWhileAnotherHandlesTheKeyIsNotAsked)
{
    std::vector<CSink*> asked;
    CSink first(asked, 0), second(asked, 0);
    CZMRKeyboardManager manager;
    manager.AddSink(&first);
    manager.AddSink(&second);
    second.m_onAsked = [&] { manager.RemoveSink(&first); };
    EXPECT_EQ(1, manager.DispatchKeyToSinks(WM_KEYDOWN, VK_ESCAPE, 0));
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(&second, asked[0]);
    manager.RemoveSink(&second);
}

// Key data bits of the keyboard hook.
const LPARAM ALT = 0x20000000;
const LPARAM REPEAT = 0x40000000;
const LPARAM UP = LPARAM(0x80000000);

TEST_F(InputManagerTest, KeyboardHookOffersKeysAndClosesMenusOnAlt)
{
    struct Case
    {
        int nCode;
        WPARAM vk;
        LPARAM keyData;
        int nFocusCount;
        int nAnswer;        // the tracked bar's answer
        BOOL bSwallowed;
        BOOL bAsked;
        BOOL bClosed;
    } cases[] = {
        {HC_NOREMOVE, VK_DOWN, 1, 0, 1, FALSE, FALSE, FALSE},
        {HC_ACTION, VK_DOWN, 1 | UP, 0, 1, FALSE, FALSE, FALSE},
        {HC_ACTION, VK_DOWN, 1, 0, 0, TRUE, TRUE, FALSE},       // unclaimed arrow: swallowed
        {HC_ACTION, VK_DOWN, 1, 0, 1, TRUE, TRUE, FALSE},
        {HC_ACTION, 'A', 1, 0, 2, FALSE, TRUE, FALSE},          // let through to the focus
        {HC_ACTION, VK_MENU, 1 | ALT, 0, 2, TRUE, FALSE, TRUE},  // Alt alone closes
        {HC_ACTION, VK_MENU, 1 | ALT | REPEAT, 0, 1, FALSE, FALSE, FALSE},
        {HC_ACTION, VK_MENU, 1 | ALT, 1, 2, FALSE, TRUE, FALSE}, // a bar edit has the focus
        {HC_ACTION, 'F', 1 | ALT, 0, 1, TRUE, TRUE, FALSE},
        {HC_ACTION, 'F', 1 | ALT, 0, 2, FALSE, TRUE, FALSE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "key " << c.vk << " data " << std::hex << c.keyData);
        Reset();
        m_pParent->SetMenuLoopActive(TRUE, FALSE, 0);
        m_pParent->m_nKeyAnswer = c.nAnswer;
        m_pMouse->m_nFocusCount = c.nFocusCount;
        EXPECT_EQ(c.bSwallowed, m_pKeyboard->OnKeyboardHook(c.nCode, c.vk, c.keyData));
        EXPECT_EQ(c.bAsked, !m_pParent->m_keys.empty());
        if (c.bAsked && !m_pParent->m_keys.empty())
        {
            EXPECT_EQ(UINT(WM_KEYDOWN), m_pParent->m_keys[0].nMessage);
            EXPECT_EQ(c.vk, m_pParent->m_keys[0].wParam);
        }
        EXPECT_EQ(c.bClosed, !m_pMouse->IsTrackedBar(m_pParent.get()));
    }
}

TEST_F(InputManagerTest, KeyboardHookLetsEverythingPassWithoutSinks)
{
    EXPECT_FALSE(m_pKeyboard->OnKeyboardHook(HC_ACTION, VK_DOWN, 1));
    EXPECT_FALSE(m_pKeyboard->OnKeyboardHook(HC_ACTION, VK_MENU, 1 | ALT));
}

TEST_F(InputManagerTest, DeactivatingTheApplicationClosesTrackedBars)
{
    struct Case
    {
        UINT nMessage;
        WPARAM wParam;
        BOOL bClosed;
    } cases[] = {{WM_ACTIVATEAPP, 0, TRUE}, {WM_ACTIVATEAPP, 1, FALSE}, {WM_ACTIVATE, 0, FALSE}};
    for (const Case& c : cases)
    {
        Reset();
        TrackBoth(FALSE);
        CWPSTRUCT cwp = {0, c.wParam, c.nMessage, m_host.GetSafeHwnd()};
        m_pKeyboard->OnCallWndProcHook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&cwp));
        EXPECT_EQ(c.bClosed ? 0 : 2, m_pMouse->GetTrackedCount()) << c.nMessage << " " << c.wParam;
    }
    // Through the installed hook: a sent message passes it.
    Reset();
    TrackBoth(FALSE);
    m_host.SendMessage(WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(0, m_pMouse->GetTrackedCount());
}

// ---------------------------------------------------------------- tracked bars

TEST_F(InputManagerTest, TrackedBarsListLocksAndHotBar)
{
    m_pMouse->m_pHotBar = m_pNested.get();
    m_pNested->m_hotRequests.clear();
    m_pParent->SetMenuLoopActive(TRUE, FALSE, 0);
    m_pMouse->AddTracked(m_pParent.get());
    // The hot bar drops its selection when the first bar starts tracking.
    EXPECT_EQ(std::vector<int>{-1}, m_pNested->m_hotRequests);
    EXPECT_EQ(1, m_pMouse->GetTrackedCount());

    EXPECT_FALSE(m_pMouse->IsMouseLocked(m_pParent.get()));
    EXPECT_TRUE(m_pMouse->IsMouseLocked(nullptr));
    EXPECT_TRUE(m_pMouse->IsMouseLocked(m_pNested.get()));   // not tracked

    m_pMouse->LockTrackedBars(TRUE);
    m_pNested->SetMenuLoopActive(TRUE, FALSE, 0);
    EXPECT_EQ(m_pNested.get(), m_pMouse->GetLastTracked());
    EXPECT_TRUE(m_pMouse->IsMouseLocked(m_pParent.get()));
    EXPECT_FALSE(m_pMouse->IsMouseLocked(m_pNested.get()));

    // Unlocking lowers the bars tracked now; a count never goes below zero.
    m_pMouse->LockTrackedBars(FALSE);
    EXPECT_EQ(0, m_pParent->GetInputSuspension());
    EXPECT_EQ(0, m_pNested->GetInputSuspension());

    m_pMouse->m_bMenusExpanded = TRUE;
    m_pMouse->m_bSwallowNextButtonUp = TRUE;
    m_pMouse->RemoveTracked(m_pNested.get());
    EXPECT_FALSE(m_pMouse->m_bSwallowNextButtonUp);
    EXPECT_TRUE(m_pMouse->m_bMenusExpanded);
    m_pMouse->RemoveTracked(m_pParent.get());
    EXPECT_FALSE(m_pMouse->m_bMenusExpanded);
    EXPECT_EQ(CPoint(-1, -1), m_pMouse->GetLastMousePoint());
    EXPECT_FALSE(m_pMouse->IsMouseLocked(nullptr));

    // Taken off the mouse list only, the bars are still in menu mode and
    // listed for keys until they leave it.
    EXPECT_EQ(2, m_pKeyboard->GetSinkCount());
    m_pParent->SetMenuLoopActive(FALSE, FALSE, 0);
    m_pNested->SetMenuLoopActive(FALSE, FALSE, 0);
    EXPECT_FALSE(m_pKeyboard->IsHooked());
}

TEST_F(InputManagerTest, CloseUnlockedTrackedKeepsTheLockedParents)
{
    TrackBoth(FALSE);
    m_pMouse->CloseUnlockedTracked();   // the first bar is not locked: nothing
    EXPECT_EQ(2, m_pMouse->GetTrackedCount());
    Reset();
    TrackBoth(TRUE);
    m_pMouse->CloseUnlockedTracked();
    EXPECT_EQ(1, m_pMouse->GetTrackedCount());
    EXPECT_TRUE(m_pMouse->IsTrackedBar(m_pParent.get()));
}

TEST_F(InputManagerTest, CloseAllTrackedEndsForBarsThatStayListed)
{
    // Bars that do not take themselves off the list when they leave tracking.
    CZMRCommandBar* pPlain[] = {new CZMRCommandBar, new CZMRCommandBar};
    for (CZMRCommandBar* pBar : pPlain)
    {
        pBar->SetMenuLoopActive(TRUE);
        m_pMouse->AddTracked(pBar);
    }
    m_pMouse->CloseAllTracked();
    EXPECT_EQ(0, m_pMouse->GetTrackedCount());
    for (CZMRCommandBar* pBar : pPlain)
    {
        EXPECT_FALSE(pBar->IsTrackingMode());
        pBar->InternalRelease();
    }
}

TEST_F(InputManagerTest, TrackedBarFoundAtAPointAndClicksOutside)
{
    CRecorder child;
    ASSERT_TRUE(child.CreateAt(CRect(10, 10, 40, 40), m_pParent.get(), true));   // screen (110,110)-(140,140)
    struct Row
    {
        const char* name;
        BOOL bLockParent;
        int nParentAnswer;      // the parent's point test
        CPoint pt;
        BOOL bTrustedHidden;
        bool bAskingParent;
        UINT nMessage;
        int nFound;             // 0 none, 1 parent, 2 nested
        BOOL bOutside;
    } rows[] = {
        {"host", FALSE, 99, ptHost, FALSE, false, WM_LBUTTONDOWN, 0, TRUE},
        {"host right", FALSE, 99, ptHost, FALSE, false, WM_NCRBUTTONDOWN, 0, TRUE},
        {"host middle", FALSE, 99, ptHost, FALSE, false, WM_MBUTTONDOWN, 0, TRUE},
        {"host move", FALSE, 99, ptHost, FALSE, false, WM_MOUSEMOVE, 0, FALSE},
        {"host release", FALSE, 99, ptHost, FALSE, false, WM_LBUTTONUP, 0, FALSE},
        {"overlap: the nested bar", FALSE, 99, CPoint(280, 200), FALSE, false, WM_LBUTTONDOWN, 2, FALSE},
        {"parent", FALSE, 99, ptParentOnly, FALSE, false, WM_LBUTTONDOWN, 1, FALSE},
        {"locked parent", TRUE, 99, ptParentOnly, FALSE, false, WM_LBUTTONDOWN, 1, TRUE},
        {"locked parent asks", TRUE, 99, ptParentOnly, FALSE, true, WM_LBUTTONDOWN, 1, FALSE},
        {"parent skipped", FALSE, -2, ptParentOnly, FALSE, false, WM_LBUTTONDOWN, 0, TRUE},
        {"parent's child", FALSE, 0, CPoint(120, 120), FALSE, false, WM_LBUTTONDOWN, 1, FALSE},
        {"trusted", FALSE, 99, ptTrusted, FALSE, false, WM_LBUTTONDOWN, 0, FALSE},
        {"trusted but hidden", FALSE, 99, ptTrusted, TRUE, false, WM_LBUTTONDOWN, 0, TRUE},
        {"input method", FALSE, 99, ptIme, FALSE, false, WM_RBUTTONDOWN, 0, FALSE},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.name);
        Reset();
        TrackBoth(r.bLockParent);
        m_pParent->m_nPointAnswer = r.nParentAnswer;
        m_trusted.ShowWindow(r.bTrustedHidden ? SW_HIDE : SW_SHOWNA);
        CZMRCommandBar* found[] = {nullptr, m_pParent.get(), m_pNested.get()};
        EXPECT_EQ(found[r.nFound], m_pMouse->FindTrackedBarAt(r.pt));
        CZMRCommandBar* pAsking = r.bAskingParent ? m_pParent.get() : m_pNested.get();
        EXPECT_EQ(r.bOutside, m_pMouse->IsClickOutside(pAsking, r.nMessage, r.pt));
    }
    m_trusted.ShowWindow(SW_SHOWNA);
}

TEST_F(InputManagerTest, PopupPointTestHonoursTheWindowRegion)
{
    // The parent keeps only its left half: (100,100)-(200,300) on the screen.
    ASSERT_NE(0, ::SetWindowRgn(m_pParent->GetSafeHwnd(), ::CreateRectRgn(0, 0, 100, 200), FALSE));
    const CPoint ptCut(250, 120);
    m_pParent->SetPosition(zmrBarPopup);
    EXPECT_EQ(1, m_pParent->IsPointInside(CPoint(150, 120)));
    EXPECT_EQ(0, m_pParent->IsPointInside(ptCut));
    EXPECT_EQ(0, m_pParent->IsPointInside(ptHost));
    m_pParent->SetPosition(zmrBarTop);   // docked bars answer for their whole rectangle
    EXPECT_EQ(1, m_pParent->IsPointInside(ptCut));
    m_pParent->SetPosition(zmrBarNone);
}

// ---------------------------------------------------------------- the mouse hook

TEST_F(InputManagerTest, MouseHookClosesHotTracksAndSwallows)
{
    struct Row
    {
        const char* name;
        BOOL bLockParent;
        BOOL bSwallowFlag;
        int nFocusCount;
        int nNestedAnswer;      // the nested bar's point test
        int nCode;
        UINT nMessage;
        CPoint pt;
        BOOL bSwallowed;
        int nTracked;           // 2 both, 1 the parent only, 0 none
        int nParentMoves, nNestedMoves;
    } rows[] = {
        {"click outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONDOWN, ptHost, FALSE, 0, 0, 0},
        {"right click outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_RBUTTONDOWN, ptHost, FALSE, 0, 0, 0},
        {"middle click outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_MBUTTONDOWN, ptHost, FALSE, 0, 0, 0},
        {"caption click outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_NCLBUTTONDOWN, ptHost, FALSE, 0, 0, 0},
        {"peeked, not removed", FALSE, FALSE, 0, 99, HC_NOREMOVE, WM_LBUTTONDOWN, ptHost, FALSE, 2, 0, 0},
        {"click in trusted", FALSE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONDOWN, ptTrusted, FALSE, 2, 0, 0},
        {"click in input method", FALSE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONDOWN, ptIme, FALSE, 2, 0, 0},
        {"click in nested", FALSE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONDOWN, ptNested, FALSE, 2, 0, 0},
        {"click in unlocked parent", FALSE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONDOWN, ptParentOnly, FALSE, 2, 0, 0},
        {"click in locked parent", TRUE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONDOWN, ptParentOnly, FALSE, 1, 0, 0},
        {"move in locked parent", TRUE, FALSE, 0, 99, HC_ACTION, WM_MOUSEMOVE, ptParentOnly, FALSE, 2, 0, 0},
        {"middle click in locked parent, swallow pending", TRUE, TRUE, 0, 99, HC_ACTION, WM_MBUTTONDOWN,
         ptParentOnly, FALSE, 2, 0, 0},
        {"release swallowed", FALSE, TRUE, 0, 99, HC_ACTION, WM_LBUTTONUP, ptHost, TRUE, 2, 0, 0},
        {"caption release swallowed", FALSE, TRUE, 0, 99, HC_ACTION, WM_NCLBUTTONUP, ptHost, TRUE, 2, 0, 0},
        {"release outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_LBUTTONUP, ptHost, FALSE, 0, 0, 0},
        {"release outside, bar edit focused", FALSE, FALSE, 1, 99, HC_ACTION, WM_LBUTTONUP, ptHost, FALSE, 2, 0, 0},
        {"right release outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_RBUTTONUP, ptHost, FALSE, 2, 0, 0},
        {"move outside", FALSE, FALSE, 0, 99, HC_ACTION, WM_MOUSEMOVE, ptHost, FALSE, 2, 1, 1},
        {"move outside, parent locked", TRUE, FALSE, 0, 99, HC_ACTION, WM_NCMOUSEMOVE, ptHost, FALSE, 2, 0, 1},
        {"click on a skipped bar", FALSE, FALSE, 0, -2, HC_ACTION, WM_LBUTTONDOWN, ptNested, FALSE, 0, 0, 0},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.name);
        Reset();
        TrackBoth(r.bLockParent);
        m_pMouse->m_bSwallowNextButtonUp = r.bSwallowFlag;
        m_pMouse->m_nFocusCount = r.nFocusCount;
        m_pNested->m_nPointAnswer = r.nNestedAnswer;
        m_pParent->m_mouse.clear();
        m_pNested->m_mouse.clear();

        EXPECT_EQ(r.bSwallowed, Hook(r.nMessage, r.pt, r.nCode));
        const int nTracked = m_pMouse->IsTrackedBar(m_pNested.get()) ? 2 : m_pMouse->IsTrackedBar(m_pParent.get()) ? 1 : 0;
        EXPECT_EQ(r.nTracked, nTracked);
        EXPECT_EQ(r.nParentMoves, CountOf(m_pParent->m_mouse, WM_MOUSEMOVE));
        EXPECT_EQ(r.nNestedMoves, CountOf(m_pNested->m_mouse, WM_MOUSEMOVE));
    }
}

TEST_F(InputManagerTest, MoveOutsideReachesTheBarsInTheirClientCoordinates)
{
    TrackBoth(FALSE);
    Hook(WM_MOUSEMOVE, ptHost);
    ASSERT_EQ(1, CountOf(m_pNested->m_mouse, WM_MOUSEMOVE));
    const LPARAM lParam = m_pNested->m_mouse.back().lParam;
    EXPECT_EQ(ptHost.x - 250, short(LOWORD(lParam)));
    EXPECT_EQ(ptHost.y - 150, short(HIWORD(lParam)));
}

TEST_F(InputManagerTest, RepeatedMoveIsSwallowedOnlyWhileBarsAreTracked)
{
    EXPECT_FALSE(Hook(WM_MOUSEMOVE, ptHost));
    EXPECT_FALSE(Hook(WM_MOUSEMOVE, ptHost));
    EXPECT_EQ(ptHost, m_pMouse->GetLastMousePoint());
    TrackBoth(FALSE);
    EXPECT_TRUE(Hook(WM_MOUSEMOVE, ptHost));
    EXPECT_TRUE(Hook(WM_NCMOUSEMOVE, ptHost));
    EXPECT_FALSE(Hook(WM_MOUSEMOVE, ptHost + CPoint(1, 0)));
}

TEST_F(InputManagerTest, LastMousePositionIsKeptPerThread)
{
    Hook(WM_MOUSEMOVE, ptHost);
    CPoint ptOther(-5, -5);
    CZMRMouseManager* pOtherManager = nullptr;
    std::thread other([&] {
        // The other thread's own manager, from the per-thread slot.
        pOtherManager = CZMRMouseManager::GetThreadMouseManager();
        MOUSEHOOKSTRUCT info = {};
        info.pt = CPoint(3, 4);
        pOtherManager->OnMouseHook(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&info));
        ptOther = CZMRMouseManager::GetThreadMouseManager()->GetLastMousePoint();
    });
    other.join();
    EXPECT_NE(nullptr, pOtherManager);
    EXPECT_NE(m_pMouse, pOtherManager);
    EXPECT_EQ(CPoint(3, 4), ptOther);
    EXPECT_EQ(ptHost, CZMRMouseManager::GetThreadMouseManager()->GetLastMousePoint());
}

// ---------------------------------------------------------------- mouse leave

TEST_F(InputManagerTest, WatchingAnotherWindowTellsTheFirstAtOnce)
{
    m_pMouse->TrackMouseLeave(m_pParent->GetSafeHwnd());
    m_pMouse->TrackMouseLeave(m_pParent->GetSafeHwnd());
    EXPECT_EQ(0, CountOf(m_pParent->m_mouse, WM_MOUSELEAVE));
    m_pMouse->TrackMouseLeave(m_pNested->GetSafeHwnd());
    EXPECT_EQ(1, CountOf(m_pParent->m_mouse, WM_MOUSELEAVE));
    EXPECT_EQ(m_pNested->GetSafeHwnd(), m_pMouse->GetMouseLeaveWindow());
    // The first window's timer went with its watch.
    EXPECT_FALSE(::KillTimer(m_pParent->GetSafeHwnd(), CZMRMouseManager::TID_MOUSELEAVE));
}

TEST_F(InputManagerTest, LeaveTimerDecidesFromCursorAndActivation)
{
    CBarPtr pChild(new CInputBar);
    ASSERT_TRUE(pChild->CreateAt(CRect(600, 400, 700, 500), &m_host, true));
    CRecorder other;
    ASSERT_TRUE(other.CreateAt(CRect(700, 0, 790, 50)));
    struct Row
    {
        const char* name;
        CInputBar* pWatched;
        CPoint ptCursor;
        BOOL bHostActive;
        BOOL bLeft;
    } rows[] = {
        {"popup, cursor inside", m_pParent.get(), CPoint(200, 120), FALSE, FALSE},
        {"popup, cursor outside", m_pParent.get(), ptHost, FALSE, TRUE},
        {"child of the active window, cursor inside", pChild.get(), CPoint(650, 450), TRUE, FALSE},
        {"child of an inactive window, cursor inside", pChild.get(), CPoint(650, 450), FALSE, TRUE},
        {"child, cursor outside", pChild.get(), CPoint(550, 450), TRUE, TRUE},
    };
    for (const Row& r : rows)
    {
        SCOPED_TRACE(r.name);
        ::SetForegroundWindow(r.bHostActive ? m_host.GetSafeHwnd() : other.GetSafeHwnd());
        ASSERT_TRUE(CTestInput::MoveTo(r.ptCursor));
        ASSERT_TRUE(PumpUntil([&] {
            CPoint pt;
            return ::GetCursorPos(&pt) && pt == r.ptCursor;
        }));
        EXPECT_EQ(r.bHostActive, CZMRMouseManager::IsOwnerWindowActive(pChild->GetSafeHwnd()));
        m_pMouse->TrackMouseLeave(r.pWatched->GetSafeHwnd());
        r.pWatched->m_mouse.clear();
        m_pMouse->OnMouseLeaveTimer(r.pWatched->GetSafeHwnd());
        EXPECT_EQ(r.bLeft ? nullptr : r.pWatched->GetSafeHwnd(), m_pMouse->GetMouseLeaveWindow());
        MSG msg;
        EXPECT_EQ(r.bLeft, ::PeekMessageW(&msg, r.pWatched->GetSafeHwnd(), WM_MOUSELEAVE, WM_MOUSELEAVE, PM_REMOVE));
        m_pMouse->TrackMouseLeave(nullptr);
    }

    // A watched window that is gone is forgotten without a message.
    CBarPtr pGone(new CInputBar);
    ASSERT_TRUE(pGone->CreateAt(CRect(0, 0, 10, 10)));
    const HWND hWndGone = pGone->GetSafeHwnd();
    m_pMouse->TrackMouseLeave(hWndGone);
    pGone->DestroyWindow();
    m_pMouse->OnMouseLeaveTimer(hWndGone);
    EXPECT_EQ(nullptr, m_pMouse->GetMouseLeaveWindow());
}

// ---------------------------------------------------------------- whole paths with real input

class InputManagerPathTest : public InputManagerTest
{
protected:
    void SetUp() override
    {
        InputManagerTest::SetUp();
        ::SetForegroundWindow(m_host.GetSafeHwnd());
        m_host.SetFocus();
    }
    bool Click(CPoint pt, CRecorder& witness)
    {
        const size_t nBefore = witness.m_received.size();
        if (!CTestInput::MoveTo(pt) || !CTestInput::Button(VK_LBUTTON, true) || !CTestInput::Button(VK_LBUTTON, false))
            return false;
        return PumpUntil([&] {
            for (size_t i = nBefore; i < witness.m_received.size(); i++)
            {
                if (witness.m_received[i].nMessage == WM_LBUTTONUP)
                    return true;
            }
            return false;
        });
    }
};

TEST_F(InputManagerPathTest, ClickOutsideClosesTrackedBarsButNotInATrustedWindow)
{
    TrackBoth(FALSE);
    ASSERT_TRUE(Click(ptTrusted, m_trusted));
    EXPECT_EQ(2, m_pMouse->GetTrackedCount());
    ASSERT_TRUE(Click(ptHost, m_host));
    EXPECT_EQ(0, m_pMouse->GetTrackedCount());
    EXPECT_FALSE(m_pParent->IsTrackingMode());
    EXPECT_FALSE(m_pNested->IsTrackingMode());
}

TEST_F(InputManagerPathTest, ClickOnTheLockedParentClosesOnlyTheNestedPopup)
{
    TrackBoth(TRUE);
    ASSERT_TRUE(CTestInput::MoveTo(ptParentOnly));
    ASSERT_TRUE(CTestInput::Button(VK_LBUTTON, true));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(m_pParent->m_mouse, WM_LBUTTONDOWN) > 0; }));
    EXPECT_FALSE(m_pMouse->IsTrackedBar(m_pNested.get()));
    // The release on the parent closes nothing more.
    ASSERT_TRUE(CTestInput::Button(VK_LBUTTON, false));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(m_pParent->m_mouse, WM_LBUTTONUP) > 0; }));
    EXPECT_TRUE(m_pMouse->IsTrackedBar(m_pParent.get()));
    EXPECT_FALSE(m_pMouse->IsTrackedBar(m_pNested.get()));
}

TEST_F(InputManagerPathTest, AltClosesMenusAndUnclaimedKeysAreSwallowed)
{
    CHeldKeys keys;
    TrackBoth(FALSE);
    // Unclaimed: swallowed; answered 2: reaches the focused window.
    ASSERT_TRUE(keys.Type(VK_DOWN));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(m_host.m_received, WM_KEYUP) > 0; }));
    EXPECT_EQ(0, CountOf(m_host.m_received, WM_KEYDOWN));
    EXPECT_EQ(1u, m_pNested->m_keys.size());   // the nested bar was added last and asked first
    m_pNested->m_nKeyAnswer = 2;
    ASSERT_TRUE(keys.Type(VK_DOWN));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(m_host.m_received, WM_KEYUP) > 1; }));
    EXPECT_EQ(1, CountOf(m_host.m_received, WM_KEYDOWN));

    // Alt stays down while the menus close; it is let go also when that fails.
    ASSERT_TRUE(keys.Press(VK_MENU));
    ASSERT_TRUE(PumpUntil([&] { return m_pMouse->GetTrackedCount() == 0; }));
    keys.Release(VK_MENU);
    PumpUntil([&] { return CountOf(m_host.m_received, WM_KEYUP) + CountOf(m_host.m_received, WM_SYSKEYUP) > 2; });
    EXPECT_FALSE(m_pKeyboard->IsHooked());
}

TEST_F(InputManagerPathTest, MouseLeaveComesFromTheTimer)
{
    CBarPtr pChild(new CInputBar);
    ASSERT_TRUE(pChild->CreateAt(CRect(600, 400, 700, 500), &m_host, true));
    ASSERT_TRUE(CTestInput::MoveTo(CPoint(650, 450)));
    m_pMouse->TrackMouseLeave(pChild->GetSafeHwnd());
    ASSERT_TRUE(CTestInput::MoveTo(CPoint(550, 450)));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(pChild->m_mouse, WM_MOUSELEAVE) > 0; }));
    EXPECT_EQ(nullptr, m_pMouse->GetMouseLeaveWindow());
}
} // namespace
