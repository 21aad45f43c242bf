#include "window/CMDIFrameWnd.h"
#include "window/CMDIActiveChildScope.h"
#include "window/CMDIChildWnd.h"
#include "window/CCmdUI.h"
#include "window/CMenu.h"

#include <vector>

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnWindowCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateWindowCommand)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr) {}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, CMenu::FromHandle(GetWindowMenuPopup(m_hMenuDefault)));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    const DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL | MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr || !::IsMenu(hMenuBar))
        return nullptr;
    // The window popup is the one with the window commands in it.
    int nCount = ::GetMenuItemCount(hMenuBar);
    for (int i = 0; i < nCount; ++i)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        int nItems = ::GetMenuItemCount(hPopup);
        for (int j = 0; j < nItems; ++j)
        {
            UINT nID = ::GetMenuItemID(hPopup, j);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_NEW + 0x0F)
                return hPopup;
        }
    }
    return nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // Not the default: it would give the whole client area to the MDI client.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnDestroy()
{
    // The children go first, each through the client, while the client's
    // list of them is whole. Left to go down with the frame, they end after
    // the client has dropped that list, and Wine's client then renumbers
    // windows from freed memory: controls of other programs lose their ids.
    if (m_hWndMDIClient != nullptr)
    {
        std::vector<HWND> children;
        for (HWND hChild = ::GetWindow(m_hWndMDIClient, GW_CHILD); hChild != nullptr;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            // Icon titles of minimized children are owned and go with them.
            if (::GetWindow(hChild, GW_OWNER) == nullptr)
                children.push_back(hChild);
        }
        for (HWND hChild : children)
        {
            if (::IsWindow(hChild))
                ::SendMessageW(m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hChild), 0);
        }
    }
    CFrameWnd::OnDestroy();
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWnd = nullptr;
    // A held child that has gone is no longer in the handle map below.
    if (!CMDIActiveChildScope::GetHeld(this, &hWnd, &bMaximized) && m_hWndMDIClient != nullptr)
        hWnd = reinterpret_cast<HWND>(
            ::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
    {
        pWnd = nullptr;
        bMaximized = FALSE;
    }
    if (pbMaximized != nullptr)
        *pbMaximized = bMaximized;
    return static_cast<CMDIChildWnd*>(pWnd);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    if (pWndActivate != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}
void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    if (pWnd != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}
void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    if (pWnd != nullptr)
        ::SendMessageW(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}
void CMDIFrameWnd::MDINext() { ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
void CMDIFrameWnd::MDICascade() { ::SendMessageW(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessageW(m_hWndMDIClient, WM_MDITILE, (WPARAM)nType, 0); }
void CMDIFrameWnd::MDIIconArrange() { ::SendMessageW(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = reinterpret_cast<HMENU>(::SendMessageW(
        m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(pFrameMenu ? pFrameMenu->m_hMenu : nullptr),
        reinterpret_cast<LPARAM>(pWindowMenu ? pWindowMenu->m_hMenu : nullptr)));
    return CMenu::FromHandle(hOld);
}

BOOL CMDIFrameWnd::OnWindowCommand(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE: MDIIconArrange(); break;
    case ID_WINDOW_CASCADE: MDICascade(); break;
    case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); break;
    case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); break;
    default: return FALSE;
    }
    return TRUE;
}

void CMDIFrameWnd::OnUpdateWindowCommand(CCmdUI* pCmdUI)
{
    // Arranging needs children to arrange.
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? static_cast<CFrameWnd*>(pChild) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? pChild->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && hMenuAlt == nullptr)
    {
        pChild->UpdateFrameMenu(TRUE);
        return;
    }
    HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
    if (hMenu == nullptr)
        return;
    MDISetMenu(CMenu::FromHandle(hMenu), CMenu::FromHandle(GetWindowMenuPopup(hMenu)));
    DrawMenuBar();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child (its view and document) before the frame.
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // The active child's accelerators come first.
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (m_hAccelTable != nullptr && ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg))
            return TRUE;
        // Ctrl+F4, Ctrl+F6 and the like of the children.
        if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && m_hWndMDIClient != nullptr &&
            ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return FALSE;
}
