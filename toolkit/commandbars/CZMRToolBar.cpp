#include "CZMRToolBar.h"
#include "CZMRBarManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMROriginalControls.h"
#include "CZMRPropExchange.h"
#include "CZMRResourceManager.h"
#include "CZMRDockContext.h"

IMPLEMENT_SERIAL(CZMRToolBar, CZMRCommandBar, VERSIONABLE_SCHEMA | 0x21)

CZMRToolBar::CZMRToolBar()
    : m_pDockBar(nullptr), m_pDockContext(nullptr), m_bBuiltIn(TRUE), m_bTearOff(FALSE), m_bShowExpandButton(TRUE),
      m_bContextMenuPresent(TRUE), m_bInRecalcLayout(FALSE)
{
    m_bCloseable = TRUE;
    m_dwFlags = 63;   // docks at every side and floats; hides what does not fit
    CZMRDrawHelpers::RegisterWndClass(AfxGetInstanceHandle(), L"ZMRToolBar", CS_DBLCLKS);
    m_pDockContext = new CZMRDockContext(this);
}

CZMRToolBar::~CZMRToolBar()
{
    delete m_pDockContext;
}

void CZMRToolBar::SetDockContext(CZMRDockContext* pDockContext)
{
    if (pDockContext == m_pDockContext)
        return;
    delete m_pDockContext;
    m_pDockContext = pDockContext;
}

BOOL CZMRToolBar::SetDockState(CWnd* pParent, BOOL bFloating)
{
    const DWORD dwFloating = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | 0x100;
    const DWORD dwDocked = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | 0x100;
    if (!GetSafeHwnd())
    {
        CZMRBarManager* pManager = GetBarManager();
        const DWORD dwExStyle = pManager && pManager->IsRightToLeft() ? WS_EX_LAYOUTRTL : 0;
        if (!CreateEx(dwExStyle, L"ZMRToolBar", m_strTitle, bFloating ? dwFloating : dwDocked, 0, 0, 100, 100,
                      pParent ? pParent->GetSafeHwnd() : nullptr, nullptr))
            return FALSE;
        if (m_bVisible)
            ::ShowWindow(m_hWnd, SW_SHOWNA);
        return TRUE;
    }
    if (bFloating)
    {
        SetParent(nullptr);
        ModifyStyle(WS_CHILD, WS_POPUP | 0x100);
        if (pParent)
            ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pParent->GetSafeHwnd()));
    }
    else if (!(GetStyle() & WS_CHILD))
    {
        // A bar already docked keeps its parent: the dock bar it lies in.
        ModifyStyle(WS_POPUP, WS_CHILD);
        SetParent(pParent);
    }
    return TRUE;
}

void CZMRToolBar::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (!bVisible && IsTrackingMode())
        SetMenuLoopActive(FALSE);
    if (GetSafeHwnd())
        ::ShowWindow(m_hWnd, bVisible ? SW_SHOWNA : SW_HIDE);
    CZMRBarManager* pManager = GetBarManager();
    CWnd* pSite = GetSite();
    if (bVisible)
        OnRecalcLayout();
    else if (m_barPosition >= zmrBarTop && m_barPosition <= zmrBarRight)
    {
        if (pManager)
            pManager->RecalcFrameLayout(TRUE);
        else
        {
            // Without a manager the site lays its bars out on WM_SIZE.
            if (pSite && pSite->GetSafeHwnd())
            {
                CRect rc;
                pSite->GetClientRect(rc);
                pSite->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
            }
            return;
        }
    }
    if (!pManager)
        return;
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(ZMR_WM_TOOLBARVISIBLECHANGED, WPARAM(this), bVisible);
    pManager->GetOptions()->bDirtyState = TRUE;
    // Last: removing a torn-off bar may release it.
    if (!bVisible && m_bTearOff)
        pManager->RemoveToolBar(this);
}

BOOL CZMRToolBar::IsVisible() const
{
    return m_bVisible && GetSafeHwnd();
}

BOOL CZMRToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_nBarID = int(nIDResource);
    if (!CZMRCommandBar::LoadToolBar(nIDResource, bLoadIcons))
        return FALSE;
    GetControls()->CreateOriginalControls();
    return TRUE;
}

void CZMRToolBar::Reset(BOOL bAsk)
{
    if (!m_bBuiltIn || !IsCustomizable() || m_nBarID == 0)
        return;
    CWnd* pSite = GetSite();
    if (bAsk)
    {
        CString strQuestion;
        GetResourceManager()->LoadString(&strQuestion, ZMR_IDS_CONFIRM_RESET);
        strQuestion.Replace(L"%s", m_strTitle);
        const int nAnswer = ::MessageBoxW(pSite ? pSite->GetSafeHwnd() : nullptr, strQuestion, AfxGetAppName(),
                                          MB_OKCANCEL | MB_ICONEXCLAMATION);
        if (nAnswer != IDOK)
            return;
    }
    if (CZMROriginalControls* pOriginal = GetControls()->GetOriginalControls())
    {
        GetControls()->RemoveAll();
        for (int i = 0; i < pOriginal->GetCount(); i++)
        {
            CZMRControl* pControl = pOriginal->GetAt(i);
            if (!pControl->IsTemporary())
                GetControls()->AddCopy(pControl);
        }
    }
    else
    {
        // A resource that does not load leaves the bar as it is.
        if (!HasToolBarResource(UINT(m_nBarID)) || !CZMRCommandBar::LoadToolBar(UINT(m_nBarID), FALSE))
            return;
    }
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(ZMR_WM_RESETBAR, 0, LPARAM(this));
    SendMessage(WM_INITIALUPDATE);
    OnRecalcLayout();
}

BOOL CZMRToolBar::HasCustomizedControls() const
{
    if (!IsCustomizable())
        return FALSE;
    return !GetControls()->GetOriginalControls() || GetControls()->IsChanged();
}

void CZMRToolBar::Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive)
{
    CZMRCommandBar::Copy(pCommandBar, bRecursive);
    if (CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, pCommandBar))
    {
        m_bBuiltIn = pToolBar->m_bBuiltIn;
        m_bTearOff = pToolBar->m_bTearOff;
        m_bCloseable = pToolBar->m_bCloseable;
    }
}

// ---------------------------------------------------------------- stored state

void CZMRToolBar::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRCommandBar::DoPropExchange(pPX);
    if (!pPX)
        return;
    const int nSchema = pPX->GetSchema();
    PropExchangeBool(pPX, L"BuiltIn", &m_bBuiltIn, TRUE);
    PropExchangeBool(pPX, L"TearOff", &m_bTearOff, FALSE);
    if (nSchema > 6)
        PropExchangeBool(pPX, L"Closeable", &m_bCloseable, TRUE);
    if (nSchema > 7)
        PropExchangeBool(pPX, L"ContextMenuPresent", &m_bContextMenuPresent, TRUE);
    if (nSchema > 16)
        PropExchangeBool(pPX, L"CustomizeDialogPresent", &m_bCustomizeDialogPresent, TRUE);
    // The menu bar could not be closed before it had the key.
    if (pPX->IsLoading() && nSchema <= 16 && m_barType == zmrBarTypeMenuBar)
        m_bCloseable = FALSE;
}

void CZMRToolBar::ApplyLoadedState(CZMRCommandBar* pLoadedBar, BOOL bSilent)
{
    if (!pLoadedBar || pLoadedBar == this)
        return;
    CZMROriginalControls* pLoadedOriginal = pLoadedBar->GetControls()->GetOriginalControls();
    CZMROriginalControls* pOwnOriginal = GetControls()->GetOriginalControls();
    if (pLoadedOriginal && pOwnOriginal && !pOwnOriginal->IsEqual(pLoadedOriginal))
    {
        // Customised against an older program bar: only the user may keep it.
        if (bSilent || pLoadedOriginal->IsEqual(pLoadedBar->GetControls()))
            return;
        CString strQuestion;
        GetResourceManager()->LoadString(&strQuestion, ZMR_IDS_TOOLBAR_CHANGED);
        strQuestion.Replace(L"%s", m_strTitle);
        if (GetResourceManager()->ShowMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDNO)
            return;
        pOwnOriginal->InternalAddRef();
        Copy(pLoadedBar);
        GetControls()->SetOriginalControls(pOwnOriginal);
        return;
    }
    if (pLoadedOriginal || !pOwnOriginal)
    {
        Copy(pLoadedBar);
        return;
    }
    pOwnOriginal->InternalAddRef();
    Copy(pLoadedBar);
    GetControls()->SetOriginalControls(pOwnOriginal);
}
