#include "CZMRMenuBar.h"
#include "CZMRMenuBarMDIMenus.h"
#include "CZMRMenuBarMDIMenuInfo.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMROriginalControls.h"
#include "CZMRMouseManager.h"
#include "CZMRHookManager.h"
#include "CZMRImageManager.h"
#include "CZMRResourceManager.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"

IMPLEMENT_SERIAL(CZMRMenuBar, CZMRToolBar, VERSIONABLE_SCHEMA | 0x21)

BEGIN_MESSAGE_MAP(CZMRMenuBar, CZMRToolBar)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CZMRMenuBar::CZMRMenuBar()
    : m_bMdiApp(FALSE), m_hWndHookedChild(nullptr), m_hMenuFrame(nullptr), m_nIDResource(0),
      m_nIDResourceCurrent(0), m_pMDIMenus(new CZMRMenuBarMDIMenus(this)), m_hWndSite(nullptr)
{
    m_barType = zmrBarTypeMenuBar;
    m_nBarID = 1;
    m_dwFlags = 0x5F;
    m_bCloseable = FALSE;
    m_bShowExpandButton = FALSE;
}

CZMRMenuBar::~CZMRMenuBar()
{
    ClearMdiMenus();
    m_pMDIMenus->InternalRelease();
    m_pMDIMenus = nullptr;
    // A bar released without going through its destruction leaves no hook
    // behind on the frame, its client or the child.
    GetHookManager()->RemoveAll(this);
    if (m_hMenuFrame)
    {
        // A framework frame that lives on keeps its own menu and destroys it
        // with its window: the MDI client lists the children in that menu's
        // Window popup until the last child has gone.
        CFrameWnd* pFrame = m_hWndSite && ::IsWindow(m_hWndSite)
                                ? DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hWndSite))
                                : nullptr;
        if (!pFrame || pFrame->m_hMenuDefault != m_hMenuFrame)
            ::DestroyMenu(m_hMenuFrame);
        m_hMenuFrame = nullptr;
    }
}

// ---------------------------------------------------------------- loading and hooks

BOOL CZMRMenuBar::LoadMenuBar(UINT nIDMenu)
{
    if (nIDMenu != 0)
    {
        CMenu menu;
        if (!menu.LoadMenu(nIDMenu))
            return FALSE;
        if (!LoadMenu(&menu, TRUE))
            return FALSE;   // the menu goes with its object
        m_nIDResource = nIDMenu;
        m_nIDResourceCurrent = nIDMenu;
    }

    HookSiteWindows();

    if (CZMRBarManager* pManager = GetBarManager())
    {
        static const UINT s_commands[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
        pManager->GetImageManager()->SetIconsFromResourceId(ZMR_IDB_SYSCOMMANDS, s_commands, 4, 16, 16,
                                                            ZMR_ICONSTATE_NORMAL);
    }

    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
    {
        // A second load finds the frame without a menu and keeps the one it took.
        if (HMENU hMenu = ::GetMenu(pSite->GetSafeHwnd()))
        {
            if (m_hMenuFrame && m_hMenuFrame != hMenu)
                ::DestroyMenu(m_hMenuFrame);
            m_hMenuFrame = hMenu;
        }
        pSite->SetMenu(nullptr);
    }
    return TRUE;
}

void CZMRMenuBar::HookSiteWindows()
{
    CWnd* pSite = GetSite();
    CMDIFrameWnd* pMDIFrame = pSite ? DYNAMIC_DOWNCAST(CMDIFrameWnd, pSite) : nullptr;
    m_bMdiApp = pMDIFrame != nullptr;
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    m_hWndSite = pSite->GetSafeHwnd();
    GetHookManager()->SetHook(m_hWndSite, this);
    if (pMDIFrame && pMDIFrame->m_hWndMDIClient)
        GetHookManager()->SetHook(pMDIFrame->m_hWndMDIClient, this);
}

HWND CZMRMenuBar::GetSiteHwnd() const
{
    CWnd* pSite = GetSite();
    return pSite ? pSite->GetSafeHwnd() : nullptr;
}

HWND CZMRMenuBar::GetActiveMdiChild(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWndChild = nullptr;
    if (m_bMdiApp)
    {
        CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, GetSite());
        if (pFrame && pFrame->m_hWndMDIClient)
            hWndChild = reinterpret_cast<HWND>(
                ::SendMessageW(pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    }
    if (!hWndChild)
        bMaximized = FALSE;
    if (pbMaximized)
        *pbMaximized = bMaximized;
    return hWndChild;
}

BOOL CZMRMenuBar::IsDocObjectActive(HWND /*hWndChild*/) const
{
    return FALSE;
}

void CZMRMenuBar::HookActiveMdiChild()
{
    HWND hWndChild = GetActiveMdiChild();
    if (hWndChild == m_hWndHookedChild || IsDocObjectActive(hWndChild))
        return;
    if (m_hWndHookedChild)
        GetHookManager()->RemoveHook(m_hWndHookedChild, this);
    m_hWndHookedChild = hWndChild;
    if (m_hWndHookedChild)
        GetHookManager()->SetHook(m_hWndHookedChild, this);
}

void CZMRMenuBar::RefreshMdiState()
{
    HookActiveMdiChild();
    if (IsVisible())
        UpdateMdiChildButtons();
}

// ---------------------------------------------------------------- hooked messages

int CZMRMenuBar::HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    switch (nMessage)
    {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (hWnd != m_hWndHookedChild || !m_hWndHookedChild)
            break;
        [[fallthrough]];
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
        // The refresh runs once the frame has finished its own handling.
        if (GetSafeHwnd())
            PostMessage(WM_TIMER, ZMR_TIMER_MDIREFRESH, 0);
        break;

    case WM_SYSCOMMAND:
    {
        CZMRMouseManager* pMouseManager = GetMouseManager();
        if (CZMRBarManager::IsBarShown(this) && !(pMouseManager && pMouseManager->m_nFocusCount > 0) &&
            ::GetKeyState(VK_SHIFT) >= 0 && !IsCustomizeMode() && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0)
        {
            if (!OnMnemonicKey(VK_MENU))
            {
                if (CZMRBarManager* pManager = GetBarManager())
                    pManager->FocusBar(this);
            }
            lResult = 0;
            return ZMR_HOOK_HANDLED;
        }
        break;
    }

    case WM_MDISETMENU:
    {
        CWnd* pSite = GetSite();
        if (!IsVisible())
        {
            if (pSite && pSite->GetSafeHwnd() && ::GetMenu(pSite->GetSafeHwnd()))
                break;
            wParam = 0;
            lResult = 0;
            return ZMR_HOOK_HANDLED;
        }
        if (IsCustomizeMode())
        {
            if (pSite && pSite->GetSafeHwnd())
                pSite->SetMenu(nullptr);
            wParam = 0;
            lResult = 0;
            return ZMR_HOOK_HANDLED;
        }
        if (!(m_dwFlags & zmrMenuBarKeepControls))
        {
            HMENU hMenu = wParam ? reinterpret_cast<HMENU>(wParam) : m_hMenuFrame;
            if (hMenu)
                OnFrameMenuSet(hMenu);
        }
        if (pSite && pSite->GetSafeHwnd())
            pSite->SetMenu(nullptr);
        RefreshMdiState();
        wParam = 0;
        lResult = 0;
        return ZMR_HOOK_HANDLED;
    }

    case WM_DESTROY:
        // A framework frame puts its own menu back on its window and destroys
        // it with the window: the bar no longer owns it.
        if (hWnd == m_hWndSite && m_hMenuFrame)
        {
            CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd));
            if (pFrame && pFrame->m_hMenuDefault == m_hMenuFrame)
                m_hMenuFrame = nullptr;
        }
        break;
    }
    return CZMRToolBar::HandleHookedMessage(hWnd, nMessage, wParam, lParam, lResult);
}

void CZMRMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == ZMR_TIMER_MDIREFRESH)
        RefreshMdiState();
    CZMRToolBar::OnTimer(nIDEvent);
}

// ---------------------------------------------------------------- reset and customization

void CZMRMenuBar::Reset(BOOL bAsk)
{
    if (m_pControls->GetOriginalControls())
        CZMRToolBar::Reset(bAsk);
    else if (m_nIDResourceCurrent != 0)
    {
        if (bAsk)
        {
            CString strQuestion;
            GetResourceManager()->LoadString(&strQuestion, ZMR_IDS_CONFIRM_RESET);
            strQuestion.Replace(L"%s", m_strTitle);
            if (GetResourceManager()->ShowMessageBox(strQuestion, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
                return;
        }
        // A menu that does not load leaves the controls as they are.
        CMenu menu;
        if (menu.LoadMenu(m_nIDResourceCurrent) && LoadMenu(&menu, TRUE))
        {
            CWnd* pSite = GetSite();
            if (pSite && pSite->GetSafeHwnd())
                pSite->SendMessage(ZMR_WM_RESETBAR, 0, LPARAM(this));
        }
    }
    RefreshMdiState();
    OnIdleUpdateCmdUI(1, 0);
    OnRecalcLayout();
}

BOOL CZMRMenuBar::HasCustomizedControls() const
{
    if (!IsCustomizable())
        return FALSE;
    // Bringing the default menu back changes which controls the bar shows.
    if (const_cast<CZMRMenuBar*>(this)->UpdateMdiMenusChanged())
        return TRUE;
    return m_pControls->IsChanged();
}

BOOL CZMRMenuBar::UpdateMdiMenusChanged()
{
    if (m_pMDIMenus->GetCount() > 0)
        SwitchMdiMenu(m_nIDResource, nullptr);
    BOOL bChanged = FALSE;
    POSITION pos = m_pMDIMenus->GetStartPosition();
    while (pos)
    {
        CZMRMenuBarMDIMenuInfo* pInfo = m_pMDIMenus->GetNext(pos);
        pInfo->m_bChanged = pInfo->m_pControls->IsChanged();
        bChanged |= pInfo->m_bChanged;
    }
    return bChanged;
}

void CZMRMenuBar::ClearMdiMenus()
{
    if (m_pMDIMenus)
        m_pMDIMenus->RemoveAll();
}

CZMRControl* CZMRMenuBar::AddTemporaryControl(CZMRControl* pControl, int nId, LPCTSTR lpszParameter, int nBefore)
{
    return m_pControls->AddControl(pControl, nId, lpszParameter, nBefore, TRUE);
}

// ---------------------------------------------------------------- copies and state

void CZMRMenuBar::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    // Saved states hold the default menu's controls; the changed test brings
    // that menu back and marks the records worth saving.
    if (!pPX->IsLoading() && m_pMDIMenus->GetCount() > 0)
        UpdateMdiMenusChanged();
    CZMRToolBar::DoPropExchange(pPX);
    int nIDResource = int(m_nIDResource);
    PropExchangeInt(pPX, L"ResourceId", &nIDResource, 0);
    if (pPX->IsLoading())
        m_nIDResource = UINT(nIDResource);

    CString strSection;
    if (!pPX->IsLoading())
    {
        DWORD nCount = 0;
        POSITION pos = m_pMDIMenus->GetStartPosition();
        while (pos)
            nCount += m_pMDIMenus->GetNext(pos)->m_bChanged ? 1 : 0;
        pPX->WriteCount(nCount);
        int n = 0;
        pos = m_pMDIMenus->GetStartPosition();
        while (pos)
        {
            CZMRMenuBarMDIMenuInfo* pInfo = m_pMDIMenus->GetNext(pos);
            if (!pInfo->m_bChanged)
                continue;
            strSection.Format(L"%s%i", L"MDIMenu", n++);
            CZMRSectionScope section(pPX->GetSection(strSection));
            if (!section)
                continue;
            int nId = int(pInfo->m_nIDResource);
            PropExchangeInt(section, L"Id", &nId, 0);
            pInfo->m_pControls->DoPropExchange(section);
        }
    }
    else if (pPX->GetSchema() > 4)
    {
        const DWORD nCount = pPX->ReadCount();
        for (DWORD n = 0; n < nCount; n++)
        {
            strSection.Format(L"%s%i", L"MDIMenu", int(n));
            CZMRSectionScope section(pPX->GetSection(strSection));
            if (!section)
                continue;
            int nId = 0;
            PropExchangeInt(section, L"Id", &nId, 0);
            // The first section of an id counts. A later one is still read
            // through, so that a store whose values follow each other stays
            // in step, and then dropped.
            // Controls that fail to load end the loading: the record's own
            // reference goes with them.
            auto* pInfo = new CZMRMenuBarMDIMenuInfo(GetBarManager(), UINT(nId));
            try
            {
                if (!m_pMDIMenus->Lookup(UINT(nId)))
                    m_pMDIMenus->SetAt(UINT(nId), pInfo);
                pInfo->m_pControls->DoPropExchange(section);
            }
            catch (...)
            {
                pInfo->InternalRelease();
                throw;
            }
            pInfo->InternalRelease();
        }
    }
}

void CZMRMenuBar::NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    CZMRToolBar::NumberBarsForSave(nBarId, pBars, pParam);
    POSITION pos = m_pMDIMenus->GetStartPosition();
    while (pos)
    {
        CZMRControls* pControls = m_pMDIMenus->GetNext(pos)->m_pControls;
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            if (!pControls->GetAt(i)->IsTemporary())
                pControls->GetAt(i)->NumberBarsForSave(nBarId, pBars, pParam);
        }
    }
}

void CZMRMenuBar::RelinkBarsAfterLoad(CZMRCommandBarList* pBars)
{
    CZMRToolBar::RelinkBarsAfterLoad(pBars);
    POSITION pos = m_pMDIMenus->GetStartPosition();
    while (pos)
    {
        CZMRControls* pControls = m_pMDIMenus->GetNext(pos)->m_pControls;
        for (int i = 0; i < pControls->GetCount(); i++)
            pControls->GetAt(i)->RelinkBarsAfterLoad(pBars);
    }
}

void CZMRMenuBar::Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive)
{
    CZMRToolBar::Copy(pCommandBar, bRecursive);
    CZMRMenuBar* pOther = DYNAMIC_DOWNCAST(CZMRMenuBar, pCommandBar);
    if (!pOther || pOther == this)
        return;
    m_nIDResource = pOther->m_nIDResource;
    POSITION pos = pOther->m_pMDIMenus->GetStartPosition();
    while (pos)
    {
        CZMRMenuBarMDIMenuInfo* pOtherInfo = pOther->m_pMDIMenus->GetNext(pos);
        CZMRMenuBarMDIMenuInfo* pInfo = m_pMDIMenus->Lookup(pOtherInfo->m_nIDResource);
        if (!pInfo)
        {
            m_pMDIMenus->SetAt(pOtherInfo->m_nIDResource, pOtherInfo);
            continue;
        }
        CZMRControls* pPrevious = pInfo->m_pControls;
        CZMROriginalControls* pSnapshot = pPrevious ? pPrevious->GetOriginalControls() : nullptr;
        if (pSnapshot)
            pSnapshot->InternalAddRef();
        if (pPrevious)
            pPrevious->InternalAddRef();
        pInfo->SetControls(pOtherInfo->m_pControls);
        if (pSnapshot && pInfo->m_pControls && !pInfo->m_pControls->GetOriginalControls())
        {
            pSnapshot->InternalAddRef();
            pInfo->m_pControls->SetOriginalControls(pSnapshot);
        }
        if (pSnapshot)
            pSnapshot->InternalRelease();
        if (pPrevious)
            pPrevious->InternalRelease();
    }
}

CZMRCommandBar* CZMRMenuBar::Clone(BOOL bRecursive)
{
    CZMRMenuBar* pMenuBar = static_cast<CZMRMenuBar*>(GetRuntimeClass()->CreateObject());
    if (pMenuBar)
        pMenuBar->Copy(this, bRecursive);
    return pMenuBar;
}
