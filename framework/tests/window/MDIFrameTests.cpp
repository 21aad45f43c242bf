// MDI frames: the test host with its status bar and children, the window
// menu the MDI client keeps, and documents made from a template, whose menu
// the frame shows while their child is active.
#include "CFrameHost.h"
#include "CTestInput.h"
#include "TestResources.h"
#include "WindowTestSupport.h"
#include "window/CMDIActiveChildScope.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
// The texts and ids of the child entries in a window popup.
std::vector<std::pair<UINT, std::wstring>> ChildEntries(HMENU hPopup)
{
    std::vector<std::pair<UINT, std::wstring>> entries;
    for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i)
    {
        UINT nID = ::GetMenuItemID(hPopup, i);
        if (nID < AFX_IDM_FIRST_MDICHILD || nID == (UINT)-1)
            continue;
        WCHAR szText[128] = {};
        ::GetMenuStringW(hPopup, i, szText, 128, MF_BYPOSITION);
        entries.emplace_back(nID, szText);
    }
    return entries;
}
} // namespace

TEST(MDIFrame, HostKeepsChildrenInItsClientAndListsThemInTheWindowMenu)
{
    CFrameHost* pHost = CFrameHost::Create();
    ASSERT_NE(nullptr, pHost);
    ASSERT_NE(nullptr, pHost->m_hWndMDIClient);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(pHost->m_hWndMDIClient));

    // The status bar takes the bottom; the client has the rest.
    CRect rcClient, rcBar;
    pHost->GetClientRect(&rcClient);
    pHost->m_wndStatusBar.GetWindowRect(&rcBar);
    pHost->ScreenToClient(&rcBar);
    EXPECT_EQ(CRect(0, 0, rcClient.right, rcBar.top), pHost->GetClientRoom());
    EXPECT_EQ(rcClient.bottom, rcBar.bottom);
    pHost->IdleUpdate();
    CString strStatus;
    pHost->m_wndStatusBar.GetWindowText(strStatus);
    EXPECT_STREQ(L"Ready", strStatus);

    CMDIChildWnd* pAlpha = pHost->AddChild(L"Alpha");
    CMDIChildWnd* pBeta = pHost->AddChild(L"Beta & Co");
    CMDIChildWnd* pGamma = pHost->AddChild(L"Gamma");
    ASSERT_TRUE(pAlpha && pBeta && pGamma);
    EXPECT_EQ(3, pHost->GetChildCount());
    BOOL bMaximized = TRUE;
    EXPECT_EQ(pGamma, pHost->MDIGetActive(&bMaximized));
    EXPECT_FALSE(bMaximized);
    EXPECT_EQ(pGamma, pHost->GetActiveFrame());
    EXPECT_EQ(pHost, pGamma->GetMDIFrame());
    EXPECT_NE(nullptr, pGamma->GetActiveView());
    // Children get the window-menu ids from the first MDI child id on.
    EXPECT_EQ(AFX_IDM_FIRST_MDICHILD, pAlpha->GetDlgCtrlID());
    EXPECT_EQ(AFX_IDM_FIRST_MDICHILD + 2, pGamma->GetDlgCtrlID());

    HMENU hWindow = pHost->GetWindowMenuPopup(::GetMenu(pHost->m_hWnd));
    ASSERT_NE(nullptr, hWindow);
    auto entries = ChildEntries(hWindow);
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(AFX_IDM_FIRST_MDICHILD, entries[0].first);
    EXPECT_NE(std::wstring::npos, entries[0].second.find(L"Alpha"));
    EXPECT_TRUE(::GetMenuState(hWindow, AFX_IDM_FIRST_MDICHILD + 2, MF_BYCOMMAND) & MF_CHECKED);

    // The window menu's command activates its child; arranging needs a child.
    pHost->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
    EXPECT_EQ(pAlpha, pHost->MDIGetActive());
    pHost->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hWindow), MAKELPARAM(1, FALSE));
    EXPECT_FALSE(::GetMenuState(hWindow, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);

    // Maximized, and closed through the client: the list follows.
    pAlpha->MDIMaximize();
    pHost->MDIGetActive(&bMaximized);
    EXPECT_TRUE(bMaximized);
    pBeta->SendMessage(WM_CLOSE);
    EXPECT_EQ(2, pHost->GetChildCount());
    EXPECT_EQ(2u, ChildEntries(hWindow).size());
    pAlpha->DestroyWindow();
    pGamma->DestroyWindow();
    EXPECT_EQ(0, pHost->GetChildCount());
    EXPECT_EQ(nullptr, pHost->MDIGetActive());
    pHost->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hWindow), MAKELPARAM(1, FALSE));
    EXPECT_TRUE(::GetMenuState(hWindow, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);
    pHost->DestroyWindow();
}

namespace
{
class CSheetDoc : public CDocument
{
    DECLARE_DYNCREATE(CSheetDoc)
public:
    int m_nCommands = 0;
    void OnSheetCommand() { ++m_nCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CSheetDoc, CDocument)
BEGIN_MESSAGE_MAP(CSheetDoc, CDocument)
    ON_COMMAND(ID_TESTDOC_COMMAND, OnSheetCommand)
END_MESSAGE_MAP()

class CSheetView : public CView
{
    DECLARE_DYNCREATE(CSheetView)
public:
    int m_nInitialUpdates = 0;
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { ++m_nInitialUpdates; }
};
IMPLEMENT_DYNCREATE(CSheetView, CView)

int DocumentCount(CDocTemplate* pTemplate)
{
    int n = 0;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr; pTemplate->GetNextDoc(pos))
        ++n;
    return n;
}
} // namespace

TEST(MDIFrame, ActiveChildScopeAsksTheClientOnceAndDropsAChildThatGoes)
{
    CFrameHost* pHost = CFrameHost::Create();
    ASSERT_NE(nullptr, pHost);
    CMDIChildWnd* pAlpha = pHost->AddChild(L"Alpha");
    CMDIChildWnd* pBeta = pHost->AddChild(L"Beta", TRUE);
    ASSERT_TRUE(pAlpha && pBeta);
    const int nAsked = pHost->CountActiveChildQueries([&] {
        {
            CMDIActiveChildScope scope(pHost);
            CMDIActiveChildScope nested(pHost);
            for (int i = 0; i < 10; i++)
            {
                BOOL bMaximized = FALSE;
                EXPECT_EQ(pBeta, pHost->MDIGetActive(&bMaximized));
                EXPECT_TRUE(bMaximized);
            }
            pBeta->DestroyWindow();
            EXPECT_EQ(nullptr, pHost->MDIGetActive()) << "a held child that went is not handed out";
        }
        // Out of the scope the client answers again, with the child now active.
        EXPECT_EQ(pAlpha, pHost->MDIGetActive());
    });
    EXPECT_EQ(2, nAsked) << "once for the scopes, once after them";

    // Other windows are left alone.
    CWnd plain;
    CMDIActiveChildScope none(&plain);
    CMDIActiveChildScope alsoNone(nullptr);
    pHost->DestroyWindow();
}

TEST(MDIFrame, DocumentFromTemplateBringsItsMenuWhileItsChildIsActive)
{
    CWinApp app(L"MDITests");
    auto* pTemplate = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CSheetDoc), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(CSheetView));
    app.AddDocTemplate(pTemplate);
    POSITION pos = app.GetFirstDocTemplatePosition();
    EXPECT_EQ(pTemplate, app.GetNextDocTemplate(pos));
    EXPECT_EQ(nullptr, pos);

    CString str;
    EXPECT_TRUE(pTemplate->GetDocString(str, CDocTemplate::docName));
    EXPECT_STREQ(L"Sheet", str);
    EXPECT_TRUE(pTemplate->GetDocString(str, CDocTemplate::regFileTypeName));
    EXPECT_STREQ(L"Test Sheet", str);
    EXPECT_FALSE(pTemplate->GetDocString(str, CDocTemplate::windowTitle));
    ASSERT_NE(nullptr, pTemplate->m_hMenuShared);

    CFrameHost* pHost = CFrameHost::Create();
    ASSERT_NE(nullptr, pHost);
    app.m_pMainWnd = pHost;
    HMENU hHostMenu = pHost->m_hMenuDefault;
    EXPECT_EQ(hHostMenu, ::GetMenu(pHost->m_hWnd));

    CDocument* pDoc = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDoc);
    EXPECT_STREQ(L"Sheet1", pDoc->GetTitle());
    EXPECT_EQ(pTemplate, pDoc->GetDocTemplate());
    EXPECT_EQ(1, DocumentCount(pTemplate));
    CMDIChildWnd* pChild = pHost->MDIGetActive();
    ASSERT_NE(nullptr, pChild);
    auto* pView = static_cast<CSheetView*>(pChild->GetActiveView());
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(pDoc, pView->GetDocument());
    EXPECT_EQ(1, pView->m_nInitialUpdates);
    EXPECT_EQ(pDoc, pHost->GetActiveDocument());
    CString strCaption;
    pChild->GetWindowText(strCaption);
    EXPECT_STREQ(L"Sheet1", strCaption);

    // The template's menu, with the children listed in its own window popup.
    EXPECT_EQ(pTemplate->m_hMenuShared, ::GetMenu(pHost->m_hWnd));
    HMENU hWindow = pHost->GetWindowMenuPopup(pTemplate->m_hMenuShared);
    ASSERT_NE(nullptr, hWindow);
    EXPECT_EQ(1u, ChildEntries(hWindow).size());

    // Commands reach the document of the active child through the frame,
    // also from the template's accelerator (Ctrl+K) typed in the child's view.
    pHost->SendMessage(WM_COMMAND, ID_TESTDOC_COMMAND);
    EXPECT_EQ(1, static_cast<CSheetDoc*>(pDoc)->m_nCommands);
    pHost->SetForegroundWindow();
    pView->SetFocus();
    CTestInput::Key(VK_CONTROL, true);
    CTestInput::Key('K', true);
    CTestInput::Key('K', false);
    CTestInput::Key(VK_CONTROL, false);
    CWinThread thread;
    thread.m_pMainWnd = pHost;
    EXPECT_TRUE(PumpUntil([pDoc] { return static_cast<CSheetDoc*>(pDoc)->m_nCommands == 2; }, kPumpSafetyMs, &thread));
    thread.m_pMainWnd = nullptr;

    // A child without a template brings the frame's own menu back.
    CMDIChildWnd* pPlain = pHost->AddChild(L"plain");
    ASSERT_NE(nullptr, pPlain);
    EXPECT_EQ(hHostMenu, ::GetMenu(pHost->m_hWnd));
    pHost->SendMessage(WM_COMMAND, ID_TESTDOC_COMMAND);
    EXPECT_EQ(2, static_cast<CSheetDoc*>(pDoc)->m_nCommands);   // nobody handles it without the document
    pChild->MDIActivate();
    EXPECT_EQ(pTemplate->m_hMenuShared, ::GetMenu(pHost->m_hWnd));

    // Closing the document's frame closes the document.
    pChild->SendMessage(WM_CLOSE);
    EXPECT_EQ(0, DocumentCount(pTemplate));
    EXPECT_EQ(hHostMenu, ::GetMenu(pHost->m_hWnd));
    pHost->DestroyWindow();
    app.m_pMainWnd = nullptr;
}

namespace
{
std::vector<HWND> g_mdiDestroyed;
WNDPROC g_pfnClient = nullptr;
LRESULT CALLBACK RecordingClientProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MDIDESTROY)
        g_mdiDestroyed.push_back(reinterpret_cast<HWND>(wParam));
    return ::CallWindowProcW(g_pfnClient, hWnd, message, wParam, lParam);
}
} // namespace

// A frame closed with children open lets each go through its client first,
// while the client still keeps its list of them.
TEST(MDIFrame, ChildrenLeaveThroughTheClientBeforeTheFrameGoes)
{
    CFrameHost* pHost = CFrameHost::Create();
    ASSERT_NE(nullptr, pHost);
    CMDIChildWnd* pAlpha = pHost->AddChild(L"Alpha");
    CMDIChildWnd* pBeta = pHost->AddChild(L"Beta");
    ASSERT_TRUE(pAlpha && pBeta);
    HWND hAlpha = pAlpha->m_hWnd;
    HWND hBeta = pBeta->m_hWnd;
    pBeta->MDIMaximize();
    g_mdiDestroyed.clear();
    g_pfnClient = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        pHost->m_hWndMDIClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingClientProc)));
    pHost->DestroyWindow();
    std::sort(g_mdiDestroyed.begin(), g_mdiDestroyed.end());
    std::vector<HWND> expected{hAlpha, hBeta};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, g_mdiDestroyed);
}
