#include "CFrameHost.h"

IMPLEMENT_DYNCREATE(CFrameHost, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(CFrameHostView, CView)

BEGIN_MESSAGE_MAP(CFrameHost, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_HOST_EXIT, OnExit)
END_MESSAGE_MAP()

namespace
{
// The host's menu, made in code: a test library has no resources of its own.
HMENU MakeMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenuW(hFile, MF_STRING, CFrameHost::ID_HOST_EXIT, L"E&xit");
    HMENU hWindow = ::CreatePopupMenu();
    ::AppendMenuW(hWindow, MF_STRING, ID_WINDOW_CASCADE, L"&Cascade");
    ::AppendMenuW(hWindow, MF_STRING, ID_WINDOW_TILE_HORZ, L"&Tile");
    ::AppendMenuW(hWindow, MF_STRING, ID_WINDOW_ARRANGE, L"&Arrange Icons");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), L"&File");
    ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hWindow), L"&Window");
    return hMenu;
}
int g_nActiveQueries = 0;
HWND g_hWndCountedClient = nullptr;

LRESULT CALLBACK CountActiveQueries(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->hwnd == g_hWndCountedClient && pMsg->message == WM_MDIGETACTIVE)
        g_nActiveQueries++;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
} // namespace

int CFrameHost::CountActiveChildQueries(const std::function<void()>& step)
{
    g_hWndCountedClient = m_hWndMDIClient;
    g_nActiveQueries = 0;
    HHOOK hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, CountActiveQueries, nullptr, ::GetCurrentThreadId());
    step();
    ::UnhookWindowsHookEx(hHook);
    g_hWndCountedClient = nullptr;
    return g_nActiveQueries;
}

CFrameHost* CFrameHost::Create(const RECT& rc, LPCTSTR lpszTitle)
{
    return CreateHost(new CFrameHost, rc, lpszTitle);
}

CFrameHost* CFrameHost::CreateHost(CFrameHost* pHost, const RECT& rc, LPCTSTR lpszTitle)
{
    HMENU hMenu = MakeMenu();
    // A frame that fails is deleted by its own PostNcDestroy.
    if (!pHost->CreateEx(0, nullptr, lpszTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc.left, rc.top,
                         rc.right - rc.left, rc.bottom - rc.top, nullptr, hMenu))
    {
        ::DestroyMenu(hMenu);
        return nullptr;
    }
    pHost->ShowWindow(SW_SHOW);
    pHost->UpdateWindow();
    return pHost;
}

int CFrameHost::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this))
        return -1;
    RecalcLayout();
    return 0;
}

void CFrameHost::OnExit()
{
    DestroyWindow();
}

CMDIChildWnd* CFrameHost::AddChild(LPCTSTR lpszTitle, BOOL bMaximized)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CFrameHostView);
    auto* pChild = new CMDIChildWnd;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | (bMaximized ? WS_MAXIMIZE : 0);
    if (!pChild->Create(nullptr, lpszTitle, dwStyle, CFrameWnd::rectDefault, this, &context))
        return nullptr;   // deleted by its own PostNcDestroy
    pChild->InitialUpdateFrame(nullptr, FALSE);
    return pChild;
}

int CFrameHost::GetChildCount() const
{
    int nCount = 0;
    for (HWND h = ::GetTopWindow(m_hWndMDIClient); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (::GetWindow(h, GW_OWNER) == nullptr)   // icon titles of minimized children are owned
            ++nCount;
    }
    return nCount;
}

CRect CFrameHost::GetClientRoom() const
{
    CRect rc;
    ::GetWindowRect(m_hWndMDIClient, &rc);
    ScreenToClient(&rc);
    return rc;
}

void CFrameHost::IdleUpdate()
{
    CWinThread thread;
    thread.m_pMainWnd = this;
    thread.OnIdle(0);
    thread.m_pMainWnd = nullptr;
}

void CFrameHostView::OnDraw(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));
}
