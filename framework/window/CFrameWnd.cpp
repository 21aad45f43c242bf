#include "window/CFrameWnd.h"
#include "window/AfxThreadState.h"
#include "window/CCmdUI.h"
#include "window/CDC.h"
#include "window/CMenu.h"
#include "window/CView.h"
#include "window/CDocument.h"
#include "window/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_ACTIVATETOPLEVEL, OnActivateTopLevel)
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, OnToolTipText)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    ON_UPDATE_COMMAND_UI(ID_CONTEXT_HELP, OnUpdateContextHelp)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = { CW_USEDEFAULT, CW_USEDEFAULT, 0, 0 };

CFrameWnd::CFrameWnd()
    : m_nIdleFlags(0), m_bInRecalcLayout(FALSE), m_rectBorder(), m_nIDTracking(0), m_nIDLastMessage(0),
      m_hMenuDefault(nullptr), m_hAccelTable(nullptr), m_bAutoMenuEnable(TRUE), m_bHelpMode(HELP_INACTIVE),
      m_pViewActive(nullptr)
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;   // frames are made with new and live as long as their window
}

// --- Creation ------------------------------------------------------------------------

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        // The bars cover most of the frame; what shows between them has their colour.
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
    {
        hMenu = ::LoadMenuW(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == nullptr)
        {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    // The default rectangle lets the system choose the place and the size.
    int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (rect.left == CW_USEDEFAULT)
        cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                  pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, hMenu, pContext))
    {
        // A failed creation has deleted this frame (PostNcDestroy): only the menu is left to free.
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString strFull;
    strFull.LoadString(nIDResource);
    int nNewLine = strFull.Find(L'\n');
    m_strTitle = nNewLine >= 0 ? strFull.Left(nNewLine) : strFull;

    LPCTSTR lpszResource = MAKEINTRESOURCE(nIDResource);
    HICON hIcon = ::LoadIconW(AfxFindResourceHandle(lpszResource, RT_GROUP_ICON), lpszResource);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), hIcon);
    LoadAccelTable(lpszResource);
    HINSTANCE hMenuModule = AfxFindResourceHandle(lpszResource, RT_MENU);
    LPCTSTR lpszMenu = ::FindResourceW(hMenuModule, lpszResource, RT_MENU) != nullptr ? lpszResource : nullptr;
    return Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr)
        return FALSE;   // one table per frame
    m_hAccelTable = ::LoadAcceleratorsW(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR), lpszResourceName);
    return m_hAccelTable != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return OnCreateHelper(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!(GetStyle() & WS_CHILD))   // a child's "menu" is its id
        m_hMenuDefault = ::GetMenu(m_hWnd);
    if (m_strTitle.IsEmpty() && lpcs->lpszName != nullptr && !IS_INTRESOURCE(lpcs->lpszName))
        m_strTitle = lpcs->lpszName;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    // The status bar shows the idle prompt from the first idle time on.
    m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete pObject;
        return nullptr;
    }
    CWnd* pView = static_cast<CWnd*>(pObject);
    RECT rc = { 0, 0, 0, 0 };
    // A view that fails deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, rc, this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    // The first view becomes the active one.
    CView* pView = nullptr;
    if (GetActiveView() == nullptr)
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
        {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible)
    {
        ActivateFrame();
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr || GetActiveDocument() != nullptr)
        OnUpdateFrameTitle(TRUE);
    else
        m_nIdleFlags |= idleTitle;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsWindowVisible() ? (IsIconic() ? SW_RESTORE : SW_SHOW) : SW_SHOWNORMAL;
    ShowWindow(nCmdShow);
    if (::IsWindowVisible(m_hWnd))
        ::BringWindowToTop(m_hWnd);
}

void CFrameWnd::OnDestroy()
{
    // The menu shown goes with the window: that must be the frame's own, not
    // a menu it shows for others (a document template's) or none.
    if (m_hMenuDefault != nullptr && ::IsMenu(m_hMenuDefault) && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    m_hMenuDefault = nullptr;
    if (m_bHelpMode != HELP_INACTIVE)
        ExitHelpMode();
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

// --- Layout ------------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    (void)bNotify;   // no embedded servers to tell here
    if (m_bInRecalcLayout || m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu)
    {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(nullptr);
    }
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout)
    {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    return 0;
}

// --- Status texts -----------------------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    // A command's string holds its prompt, then after a newline its tooltip.
    CString strFull;
    if (strFull.LoadString(nID))
    {
        int nNewLine = strFull.Find(L'\n');
        rMessage = nNewLine >= 0 ? strFull.Left(nNewLine) : strFull;
    }
    else
        rMessage.Empty();
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    if (CWnd* pMessageBar = GetMessageBar())
    {
        CString strMessage;
        LPCTSTR lpszText = reinterpret_cast<LPCTSTR>(lParam);
        if (lpszText == nullptr && wParam != 0)
        {
            if (wParam == AFX_IDS_IDLEMESSAGE)
            {
                if (!strMessage.LoadString(AFX_IDS_IDLEMESSAGE))
                    strMessage = L"Ready";
            }
            else
                GetMessageString((UINT)wParam, strMessage);
            lpszText = strMessage;
        }
        pMessageBar->SetWindowText(lpszText != nullptr ? lpszText : L"");
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

BOOL CFrameWnd::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    // The tip of a command is the part of its string after the first newline.
    auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    CString strFull;
    m_strToolTip.Empty();
    if (nID != 0 && strFull.LoadString(nID))
    {
        int nNewLine = strFull.Find(L'\n');
        if (nNewLine >= 0)
            m_strToolTip = strFull.Mid(nNewLine + 1);
    }
    pInfo->lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(m_strToolTip));
    pInfo->hinst = nullptr;
    *pResult = 0;
    // Tips sit above other popups of the frame.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

// --- Commands --------------------------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (and its document) first, then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == nullptr)
        return;   // the system menu keeps its own states
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = (UINT)pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = pPopupMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0)
            continue;   // separator
        if (state.m_nID == (UINT)-1)
        {
            // A submenu takes the state of its first item's command.
            state.m_pSubMenu = pPopupMenu->GetSubMenu((int)state.m_nIndex);
            if (state.m_pSubMenu == nullptr)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        }
        else
        {
            // System commands and the MDI window list are not ours to disable.
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // A handler may have removed items: carry on after the one just updated.
        UINT nCount = (UINT)pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pPopupMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

// --- Views, documents, title and menu -------------------------------------------------------

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

CView* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;   // no routing to a view while the change is under way
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    CString strText = m_strTitle;
    if (bAddToTitle && pDocument != nullptr && !pDocument->GetTitle().IsEmpty())
    {
        if (m_strTitle.IsEmpty())
            strText = pDocument->GetTitle();
        else if (GetStyle() & FWS_PREFIXTITLE)
            strText = pDocument->GetTitle() + L" - " + m_strTitle;
        else
            strText = m_strTitle + L" - " + pDocument->GetTitle();
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
    if (hMenu != nullptr && ::GetMenu(m_hWnd) != hMenu)
        ::SetMenu(m_hWnd, hMenu);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    // The keyboard belongs to the view.
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

// --- Floating windows -----------------------------------------------------------------------

namespace
{
// Whether hWnd is owned, directly or through other windows, by hWndOwner.
bool IsOwnedBy(HWND hWnd, HWND hWndOwner)
{
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h != nullptr; h = ::GetWindow(h, GW_OWNER))
    {
        if (h == hWndOwner)
            return true;
    }
    return false;
}

struct FloatNotify
{
    HWND hWndFrame;
    DWORD dwFlags;
};

BOOL CALLBACK NotifyFloating(HWND hWnd, LPARAM lParam)
{
    auto* pNotify = reinterpret_cast<FloatNotify*>(lParam);
    if (IsOwnedBy(hWnd, pNotify->hWndFrame))
        ::SendMessageW(hWnd, WM_FLOATSTATUS, pNotify->dwFlags, 0);
    return TRUE;
}
} // namespace

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    // The floating windows belong to the top-level frame.
    CFrameWnd* pFrame = (GetStyle() & WS_CHILD) ? GetTopLevelFrame() : this;
    if (pFrame == nullptr)
        pFrame = this;
    FloatNotify notify = { pFrame->m_hWnd, dwFlags };
    ::EnumThreadWindows(::GetCurrentThreadId(), NotifyFloating, reinterpret_cast<LPARAM>(&notify));
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
        SyncActivation(pWndOther != nullptr ? pWndOther->m_hWnd : nullptr, FALSE);
    else
        SyncActivation(m_hWnd, TRUE);
}

LRESULT CFrameWnd::OnActivateTopLevel(WPARAM wParam, LPARAM lParam)
{
    const HWND* pair = reinterpret_cast<const HWND*>(lParam);
    SyncActivation(LOWORD(wParam) == WA_INACTIVE ? pair[1] : pair[0], FALSE);
    return 0;
}

void CFrameWnd::SyncActivation(HWND hWndActive, BOOL bFrameItself)
{
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? GetTopLevelFrame() : this;
    if (pTopLevel == nullptr)
        pTopLevel = this;
    BOOL bStayActive = FALSE;
    if (hWndActive == pTopLevel->m_hWnd)
        bStayActive = TRUE;
    else if (hWndActive != nullptr && IsOwnedBy(hWndActive, pTopLevel->m_hWnd))
        bStayActive = ::SendMessageW(hWndActive, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
    pTopLevel->m_nFlags = bStayActive ? (pTopLevel->m_nFlags | WF_STAYACTIVE) : (pTopLevel->m_nFlags & ~WF_STAYACTIVE);
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
    // The caption follows the decision, also where the system decided otherwise.
    if (!bFrameItself)
        pTopLevel->SendMessage(WM_NCACTIVATE, bStayActive, 0);
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_nFlags & WF_STAYACTIVE)
        bActive = TRUE;
    if (!IsWindowEnabled())
        bActive = FALSE;   // a frame under a modal dialog looks inactive
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (nStatus == 0)   // shown or hidden by the program, not with its owner
        NotifyFloatingWindows(bShow ? FS_SHOW : FS_HIDE);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // A view that fills the frame paints it all; erasing first would flicker.
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

// --- Context help -----------------------------------------------------------------------

BOOL CFrameWnd::CanEnterHelpMode()
{
    // Not while another window holds the mouse, a menu or a drag for instance.
    return ::GetCapture() == nullptr;
}

void CFrameWnd::OnUpdateContextHelp(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bHelpMode != HELP_INACTIVE);
}

void CFrameWnd::ExitHelpMode()
{
    if (m_bHelpMode == HELP_INACTIVE)
        return;
    PostMessage(WM_EXITHELPMODE);
}

DWORD CFrameWnd::HitTestHelp(POINT ptScreen) const
{
    // The innermost framework window that knows a help id for the point answers.
    for (HWND hWnd = ::WindowFromPoint(ptScreen); hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr)
        {
            POINT pt = ptScreen;
            ::ScreenToClient(hWnd, &pt);
            LRESULT lHelp = ::SendMessageW(hWnd, WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y));
            if (lHelp != 0)
                return (DWORD)lHelp;
        }
        if (hWnd == m_hWnd || !(::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return 0;
}

void CFrameWnd::OnContextHelp()
{
    if (m_bHelpMode != HELP_INACTIVE || !CanEnterHelpMode())
        return;
    m_bHelpMode = HELP_ACTIVE;
    // Bars look different while help mode lasts: they refresh now.
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    ::SetCapture(m_hWnd);
    HCURSOR hcurHelp = ::LoadCursorW(nullptr, IDC_HELP);
    ::SetCursor(hcurHelp);

    DWORD dwContext = 0;
    BOOL bHit = FALSE;
    MSG msg;
    while (::GetCapture() == m_hWnd)
    {
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        {
            AfxPostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_EXITHELPMODE || msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN ||
            (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            break;
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN)
        {
            POINT pt = { (short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam) };
            if (msg.message == WM_LBUTTONDOWN)
                ::ClientToScreen(msg.hwnd, &pt);
            dwContext = HitTestHelp(pt);
            bHit = TRUE;
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_SETCURSOR)
        {
            ::SetCursor(hcurHelp);
            continue;
        }
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
            continue;   // keys other than Esc do nothing in help mode
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bHelpMode = HELP_INACTIVE;
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    if (bHit && dwContext != 0)
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->WinHelp(dwContext, HELP_CONTEXT);
    }
}
