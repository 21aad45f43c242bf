// Command routing: which target answers a command or an update request (view,
// document, frame, application), what the update records end with (enabled,
// checked, text) in menus and dialog controls, and commands that became
// disabled.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// Command ids: each names who handles it.
enum
{
    ID_VIEW_ONLY = 40001,
    ID_DOC_ONLY,
    ID_FRAME_ONLY,
    ID_APP_ONLY,
    ID_EVERYONE,      // handled by all four
    ID_NOBODY,
    ID_DISABLED,      // handled by the frame, disabled by the view's update handler
    ID_SHARED_STATE,  // the view takes part in the update, the document answers
    ID_CUSTOM_NOTIFY, // a notification with a code of the program's own
};

std::vector<std::string> g_log;

class CRouteApp : public CWinApp
{
public:
    CRouteApp() : CWinApp(L"RouteApp") {}
    void OnAppOnly() { g_log.push_back("app"); }
    void OnEveryone() { g_log.push_back("app-all"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteApp, CWinApp)
    ON_COMMAND(ID_APP_ONLY, OnAppOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
END_MESSAGE_MAP()

class CRouteDoc : public CDocument
{
public:
    void OnDocOnly() { g_log.push_back("doc"); }
    void OnEveryone() { g_log.push_back("doc-all"); }
    void OnUpdateShared(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); pCmdUI->SetText(L"from the document"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteDoc, CDocument)
    ON_COMMAND(ID_DOC_ONLY, OnDocOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_UPDATE_COMMAND_UI(ID_SHARED_STATE, OnUpdateShared)
END_MESSAGE_MAP()

class CRouteView : public CView
{
    DECLARE_DYNCREATE(CRouteView)
public:
    void OnDraw(CDC*) override {}
    void OnViewOnly() { g_log.push_back("view"); }
    void OnEveryone() { g_log.push_back("view-all"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateShared(CCmdUI* pCmdUI)
    {
        g_log.push_back("view-update");
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteView, CView)
BEGIN_MESSAGE_MAP(CRouteView, CView)
    ON_COMMAND(ID_VIEW_ONLY, OnViewOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_SHARED_STATE, OnUpdateShared)
END_MESSAGE_MAP()

class CRouteFrame : public CFrameWnd
{
public:
    LRESULT m_lCustomResult = 0;
    void OnFrameOnly() { g_log.push_back("frame"); }
    void OnEveryone() { g_log.push_back("frame-all"); }
    void OnDisabled() { g_log.push_back("disabled-ran"); }
    void OnCustomNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_log.push_back("notify-" + std::to_string(pNMHDR->code));
        *pResult = 77;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteFrame, CFrameWnd)
    ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
    ON_COMMAND(ID_EVERYONE, OnEveryone)
    ON_COMMAND(ID_DISABLED, OnDisabled)
    ON_NOTIFY(4102, ID_CUSTOM_NOTIFY, OnCustomNotify)
END_MESSAGE_MAP()

// Records what an update did to its item.
class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;   // -1: never asked
    int m_nCheck = -1;
    CString m_strText;
    void Enable(BOOL bOn) override
    {
        m_nEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void SetText(LPCTSTR lpszText) override { m_strText = lpszText; }
};

// A frame with a view on a document, and the application behind them.
class CommandRoutingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        m_pDoc = new CRouteDoc;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CRouteView);
        context.m_pCurrentDoc = m_pDoc;
        m_pFrame = new CRouteFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, L"routing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr,
                                     nullptr, 0, &context));
        m_pFrame->InitialUpdateFrame(m_pDoc, FALSE);
        ASSERT_NE(nullptr, m_pFrame->GetActiveView());
    }
    void TearDown() override
    {
        // The view goes with the frame, and the document with its last view.
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }

    CRouteApp m_app;
    CRouteDoc* m_pDoc = nullptr;
    CRouteFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(CommandRoutingTest, CommandsGoToViewDocumentFrameAndApplicationInThatOrder)
{
    struct Case
    {
        UINT nID;
        const char* expected;   // the one log entry, or null when nobody takes it
    };
    const Case cases[] = {
        { ID_VIEW_ONLY, "view" },   { ID_DOC_ONLY, "doc" },       { ID_FRAME_ONLY, "frame" },
        { ID_APP_ONLY, "app" },     { ID_EVERYONE, "view-all" },  { ID_NOBODY, nullptr },
    };
    for (const Case& c : cases)
    {
        g_log.clear();
        m_pFrame->SendMessage(WM_COMMAND, c.nID);
        if (c.expected == nullptr)
            EXPECT_TRUE(g_log.empty()) << c.nID;
        else
            EXPECT_EQ(std::vector<std::string>{ c.expected }, g_log) << c.nID;
    }

    // Asked only whether a handler exists, the routing names the target and runs nothing.
    g_log.clear();
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(m_pFrame->OnCmdMsg(ID_DOC_ONLY, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(m_pDoc), info.pTarget);
    EXPECT_TRUE(m_pFrame->OnCmdMsg(ID_APP_ONLY, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(&m_app), info.pTarget);
    EXPECT_FALSE(m_pFrame->OnCmdMsg(ID_NOBODY, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(g_log.empty());
}

TEST_F(CommandRoutingTest, UpdateRecordsEndEnabledCheckedOrDisabled)
{
    struct Case
    {
        const char* name;
        UINT nID;
        BOOL bDisableIfNoHndler;
        int nEnabled;   // -1: the record was left alone
        int nCheck;
        BOOL bAnswered;
    };
    const Case cases[] = {
        { "update handler disables", ID_DISABLED, TRUE, FALSE, -1, TRUE },
        { "command handler, no update handler", ID_FRAME_ONLY, TRUE, TRUE, -1, FALSE },
        { "application's command counts", ID_APP_ONLY, TRUE, TRUE, -1, FALSE },
        { "nobody handles it", ID_NOBODY, TRUE, FALSE, -1, FALSE },
        { "nobody, without disabling", ID_NOBODY, FALSE, -1, -1, FALSE },
        { "view passes on, document answers", ID_SHARED_STATE, FALSE, -1, 1, TRUE },
    };
    for (const Case& c : cases)
    {
        g_log.clear();
        CRecordingCmdUI state;
        state.m_nID = c.nID;
        EXPECT_EQ(c.bAnswered, state.DoUpdate(m_pFrame, c.bDisableIfNoHndler)) << c.name;
        EXPECT_EQ(c.nEnabled, state.m_nEnabled) << c.name;
        EXPECT_EQ(c.nCheck, state.m_nCheck) << c.name;
        if (c.nID == ID_SHARED_STATE)
        {
            EXPECT_EQ(std::vector<std::string>{ "view-update" }, g_log);
            EXPECT_STREQ(L"from the document", state.m_strText);
        }
    }
}

TEST_F(CommandRoutingTest, DisabledCommandFromMenuOrAcceleratorDoesNothing)
{
    m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED, 1));   // as an accelerator sends it
    EXPECT_TRUE(g_log.empty());
    m_pFrame->SendMessage(WM_COMMAND, ID_FRAME_ONLY);
    EXPECT_EQ(std::vector<std::string>{ "frame" }, g_log);
}

TEST_F(CommandRoutingTest, NotificationWithTheProgramsOwnCodeIsRouted)
{
    NMHDR hdr = { nullptr, ID_CUSTOM_NOTIFY, 4102 };
    LRESULT lResult = 0;
    AFX_NOTIFY notify = { &lResult, &hdr };
    EXPECT_TRUE(m_pFrame->OnCmdMsg(ID_CUSTOM_NOTIFY, CN_NOTIFY_CODE(WM_NOTIFY, 4102), &notify, nullptr));
    EXPECT_EQ(77, lResult);
    EXPECT_EQ(std::vector<std::string>{ "notify-4102" }, g_log);
    // Another code under the same id finds no handler.
    EXPECT_FALSE(m_pFrame->OnCmdMsg(ID_CUSTOM_NOTIFY, CN_NOTIFY_CODE(WM_NOTIFY, 100), &notify, nullptr));
}

TEST_F(CommandRoutingTest, OpeningMenuUpdatesItsItems)
{
    HMENU hPopup = ::CreatePopupMenu();
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuW(hSub, MF_STRING, ID_NOBODY, L"inner");
    ::AppendMenuW(hPopup, MF_STRING, ID_FRAME_ONLY, L"frame");
    ::AppendMenuW(hPopup, MF_STRING, ID_NOBODY, L"nobody");
    ::AppendMenuW(hPopup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(hPopup, MF_STRING, ID_DISABLED, L"disabled");
    ::AppendMenuW(hPopup, MF_STRING, ID_SHARED_STATE, L"shared");
    ::AppendMenuW(hPopup, MF_STRING, 0xF130, L"system range");
    ::AppendMenuW(hPopup, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), L"submenu");

    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(0, FALSE));

    // A checked item still goes grey when nobody handles its command.
    struct Case
    {
        UINT nPos;
        bool bGrayed;
        bool bChecked;
    };
    const Case cases[] = {
        { 0, false, false }, { 1, true, false }, { 3, true, false },
        { 4, true, true },   { 5, false, false }, { 6, false, false },
    };
    for (const Case& c : cases)
    {
        UINT nState = ::GetMenuState(hPopup, c.nPos, MF_BYPOSITION);
        EXPECT_EQ(c.bGrayed, (nState & MF_GRAYED) != 0) << c.nPos;
        EXPECT_EQ(c.bChecked, (nState & MF_CHECKED) != 0) << c.nPos;
    }
    WCHAR szText[64] = {};
    ::GetMenuStringW(hPopup, 4, szText, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"from the document", szText);
    // The system menu is not ours: its items keep their state.
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSub), MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, ::GetMenuState(hSub, 0, MF_BYPOSITION) & MF_GRAYED);
    ::DestroyMenu(hPopup);
}

// --- Dialog controls ------------------------------------------------------------------

namespace
{
enum
{
    IDC_SELF = 41001,   // answers for itself (reflected update)
    IDC_PARENT,         // the parent window's own map answers
    IDC_TARGET,         // the target's routing answers (the frame)
    IDC_ORPHAN_PUSH,    // nobody: a push button goes grey
    IDC_ORPHAN_CHECK,   // nobody: an automatic check box stays
    IDC_ORPHAN_EDIT,    // nobody: an edit stays
};

class CSelfUpdatingButton : public CButton
{
public:
    void OnUpdateSelf(CCmdUI* pCmdUI) { pCmdUI->SetText(L"self"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CButton)
    ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

class CControlsParent : public CWnd
{
public:
    void OnUpdateParent(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CControlsParent, CWnd)
    ON_UPDATE_COMMAND_UI(IDC_PARENT, OnUpdateParent)
END_MESSAGE_MAP()

class CTargetFrame : public CFrameWnd
{
public:
    void OnUpdateTarget(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTargetFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI(IDC_TARGET, OnUpdateTarget)
END_MESSAGE_MAP()
} // namespace

TEST(UpdateDialogControls, ControlsAreAskedOfThemselvesTheParentThenTheTarget)
{
    CControlsParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"controls", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    auto make = [&](LPCWSTR cls, DWORD style, int id) {
        return ::CreateWindowExW(0, cls, L"text", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), hInst, nullptr);
    };
    CSelfUpdatingButton self;
    self.SubclassWindow(make(L"BUTTON", BS_PUSHBUTTON, IDC_SELF));
    HWND hParentAnswers = make(L"BUTTON", BS_AUTOCHECKBOX, IDC_PARENT);
    HWND hTarget = make(L"BUTTON", BS_PUSHBUTTON, IDC_TARGET);
    HWND hPush = make(L"BUTTON", BS_PUSHBUTTON, IDC_ORPHAN_PUSH);
    HWND hCheck = make(L"BUTTON", BS_AUTOCHECKBOX, IDC_ORPHAN_CHECK);
    HWND hEdit = make(L"EDIT", 0, IDC_ORPHAN_EDIT);

    auto* pTarget = new CTargetFrame;
    ASSERT_TRUE(pTarget->Create(nullptr, L"target"));
    parent.UpdateDialogControls(pTarget, TRUE);

    CString strSelf;
    self.GetWindowText(strSelf);
    EXPECT_STREQ(L"self", strSelf);
    EXPECT_TRUE(::IsWindowEnabled(self.m_hWnd));
    EXPECT_EQ(BST_CHECKED, ::SendMessageW(hParentAnswers, BM_GETCHECK, 0, 0));
    EXPECT_FALSE(::IsWindowEnabled(hTarget));
    EXPECT_FALSE(::IsWindowEnabled(hPush));
    EXPECT_TRUE(::IsWindowEnabled(hCheck));
    EXPECT_TRUE(::IsWindowEnabled(hEdit));

    pTarget->DestroyWindow();
    self.UnsubclassWindow();
    parent.DestroyWindow();
}
