#include "window/CMDIChildWnd.h"
#include "window/CMDIFrameWnd.h"
#include "window/CDocTemplate.h"
#include "window/CDocument.h"
#include "window/CMenu.h"
#include "window/CView.h"
#include "window/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr), m_hAccelShared(nullptr) {}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CHILD;
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr)
    {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != nullptr && pMain->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pParentWnd = static_cast<CMDIFrameWnd*>(pMain);
    }
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr || m_hWnd != nullptr)
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName;
    CREATESTRUCT cs = {};
    cs.style = dwStyle | WS_CHILD;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    // The client makes the window; it is shown and maximized once it is complete.
    MDICREATESTRUCT mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageW(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr)
        return FALSE;   // the object is gone with its window
    if (cs.style & WS_VISIBLE)
    {
        ::ShowWindow(hWnd, (cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        MDIActivate();
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString strFull;
    strFull.LoadString(nIDResource);
    int nNewLine = strFull.Find(L'\n');
    CString strTitle = nNewLine >= 0 ? strFull.Left(nNewLine) : strFull;

    LPCTSTR lpszResource = MAKEINTRESOURCE(nIDResource);
    HICON hIcon = ::LoadIconW(AfxFindResourceHandle(lpszResource, RT_GROUP_ICON), lpszResource);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    // The menu and accelerators are the template's, shared by its frames.
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
    {
        auto* pTemplate = static_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate);
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelShared = pTemplate->m_hAccelTable;
    }
    CMDIFrameWnd* pFrame = nullptr;
    if (pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        pFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pFrame, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The creation context travels inside the client's MDI record.
    auto* pMdi = static_cast<MDICREATESTRUCT*>(lpCreateStruct->lpCreateParams);
    auto* pContext = pMdi != nullptr ? reinterpret_cast<CCreateContext*>(pMdi->lParam) : nullptr;
    return OnCreateHelper(lpCreateStruct, pContext);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    // Parent: the MDI client; its parent: the frame.
    HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pFrame = FromHandlePermanent(hWndClient != nullptr ? ::GetParent(hWndClient) : nullptr);
    if (pFrame == nullptr || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return nullptr;
    return static_cast<CMDIFrameWnd*>(pFrame);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // The client destroys its children, so that it keeps its window list right.
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::MDIDestroy()
{
    HWND hWndClient = ::GetParent(m_hWnd);
    if (hWndClient != nullptr)
        ::SendMessageW(hWndClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1 && !IsWindowVisible())
        nCmdShow = SW_SHOWNORMAL;
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    // The default handles maximizing; then the child's own bars and view.
    Default();
    CFrameWnd::OnSize(nType, cx, cy);
}

void CMDIChildWnd::OnSetFocus(CWnd*)
{
    Default();   // activates the child in its client
    if (CView* pView = GetActiveView())
    {
        if (pView->m_hWnd != nullptr)
            pView->SetFocus();
    }
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    Default();
    // The frame shows this child's menu, or its own when no child is left active.
    if (bActivate)
        UpdateFrameMenu(TRUE);
    else if (pActivateWnd == nullptr)
        UpdateFrameMenu(FALSE);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->m_nIdleFlags |= idleTitle;
}

void CMDIChildWnd::UpdateFrameMenu(BOOL bActivate)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    if (bActivate && m_hMenuShared != nullptr)
    {
        pFrame->MDISetMenu(CMenu::FromHandle(m_hMenuShared),
                           CMenu::FromHandle(pFrame->GetWindowMenuPopup(m_hMenuShared)));
        pFrame->DrawMenuBar();
    }
    else
        pFrame->OnUpdateFrameMenu(pFrame->m_hMenuDefault);
}

void CMDIChildWnd::OnUpdateFrameMenu(HMENU)
{
    // A child has no menu of its own: the frame's menu follows the active child.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    UpdateFrameMenu(pFrame != nullptr && pFrame->MDIGetActive() == this);
}

CWnd* CMDIChildWnd::GetMessageBar()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != nullptr ? pFrame->GetMessageBar() : nullptr;
}

HACCEL CMDIChildWnd::GetDefaultAccelerator()
{
    return m_hAccelShared != nullptr ? m_hAccelShared : m_hAccelTable;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // A child has no menu: its accelerators send their commands to the MDI frame.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        CMDIFrameWnd* pFrame = GetMDIFrame();
        return hAccel != nullptr && pFrame != nullptr && ::TranslateAcceleratorW(pFrame->m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    // A child's caption is its document's name.
    CDocument* pDocument = GetActiveDocument();
    if (!bAddToTitle || !(GetStyle() & FWS_ADDTOTITLE) || pDocument == nullptr)
        return;
    CString strOld;
    GetWindowText(strOld);
    if (strOld != pDocument->GetTitle())
        SetWindowText(pDocument->GetTitle());
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(TRUE);
}
