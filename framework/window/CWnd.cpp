#include "window/CWnd.h"
#include "window/COleControlSite.h"
#include "window/AfxThreadState.h"
#include "window/CDC.h"
#include "window/CGdiObject.h"
#include "window/CMenu.h"
#include "window/CDataExchange.h"
#include "window/CWinApp.h"
#include "window/CCmdUI.h"
#include <mutex>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_nFlags(0), m_hWndOwner(nullptr), m_pfnSuper(nullptr), m_pCtrlSite(nullptr) {}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();   // a window must not outlive its object
}

// --- Handle map --------------------------------------------------------------

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return AfxGetThreadState()->m_windows.FromHandle(hWnd, [](HWND h) {
        CWnd* p = new CWnd;
        p->m_hWnd = h;
        return p;
    });
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd == nullptr ? nullptr : AfxGetThreadState()->m_windows.LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
    AfxGetThreadState()->m_windows.DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    auto& map = AfxGetThreadState()->m_windows;
    if (map.LookupPermanent(hWndNew) != nullptr)
        return FALSE;   // another object already owns this window
    map.SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        auto& map = AfxGetThreadState()->m_windows;
        if (map.LookupPermanent(hWnd) == this)
            map.RemoveHandle(hWnd);
    }
    m_hWnd = nullptr;
    return hWnd;
}

// --- Subclassing and creation -----------------------------------------------

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
    if (oldProc != &CWnd::StdWndProc)
        m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // A window refused in WM_CREATE has had its WM_NCDESTROY: the object is
    // detached and PostNcDestroy ran (a frame is deleted by now). A window
    // that never came to be gets PostNcDestroy here. Either way the object
    // must not be touched after a failure.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (COleControlSite* pSite = m_pCtrlSite)
    {
        // The control closes its own window; whatever it leaves goes below.
        m_pCtrlSite = nullptr;
        pSite->DestroyControl();
        pSite->Release();
        if (m_hWnd == nullptr)
            return TRUE;
    }
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::CreateControl(LPCTSTR pszClass, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CFile* pPersist, BOOL bStorage, BSTR bstrLicKey)
{
    if (pszClass == nullptr)
        return FALSE;
    CLSID clsid;
    const HRESULT hr =
        pszClass[0] == L'{' ? ::CLSIDFromString(pszClass, &clsid) : ::CLSIDFromProgID(pszClass, &clsid);
    if (FAILED(hr))
        return FALSE;
    return CreateControl(clsid, pszWindowName, dwStyle, rect, pParentWnd, nID, pPersist, bStorage, bstrLicKey);
}

BOOL CWnd::CreateControl(REFCLSID clsid, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CFile* pPersist, BOOL bStorage, BSTR bstrLicKey)
{
    if (m_hWnd != nullptr || pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    COleControlSite* pSite = new COleControlSite(pParentWnd->m_hWnd);
    HWND hWnd = pSite->CreateControl(clsid, rect, pPersist, bStorage, bstrLicKey);
    if (hWnd == nullptr || !SubclassWindow(hWnd))
    {
        pSite->DestroyControl();
        pSite->Release();
        return FALSE;
    }
    m_pCtrlSite = pSite;
    ::SetWindowLongPtrW(hWnd, GWLP_ID, LONG_PTR(nID));
    if (pszWindowName != nullptr)
        pSite->SetWindowText(pszWindowName);
    ::ShowWindow(hWnd, (dwStyle & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    if (dwStyle & WS_DISABLED)
        ::EnableWindow(hWnd, FALSE);
    return TRUE;
}

LPUNKNOWN CWnd::GetControlUnknown() const
{
    return m_pCtrlSite != nullptr ? m_pCtrlSite->GetControlUnknown() : nullptr;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy()
{
    // A control whose window goes before the control was closed (its parent
    // was destroyed): close it now and let go of it.
    if (COleControlSite* pSite = m_pCtrlSite)
    {
        m_pCtrlSite = nullptr;
        pSite->DestroyControl();
        pSite->Release();
    }
    Default();
    // Put the old procedure back so that late messages do not come to us.
    if (m_pfnSuper != nullptr && m_hWnd != nullptr)
    {
        WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC));
        if (current == &CWnd::StdWndProc)
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    if (CWinThread* pThread = AfxGetThread())
    {
        if (pThread->m_pMainWnd == this)
        {
            if (pThread == AfxGetApp())
                ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
    }
    Detach();
    PostNcDestroy();
}

// --- The creation hook ---------------------------------------------------------

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit != nullptr)
    {
        CWnd* pWnd = pState->m_pWndInit;
        pState->m_pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (pWnd->Attach(hWnd))
        {
            pWnd->PreSubclassWindow();
            WNDPROC oldProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
            if (oldProc != &CWnd::StdWndProc)
                pWnd->m_pfnSuper = oldProc;
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == nullptr)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != nullptr)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = nullptr;
    }
    BOOL bHooked = pState->m_pWndInit == nullptr;
    pState->m_pWndInit = nullptr;
    return bHooked;
}

// --- The window procedure --------------------------------------------------------

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

namespace
{
HWND TopLevelOwner(HWND hWnd)
{
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h != nullptr; h = ::GetWindow(h, GW_OWNER))
        hWnd = h;
    return hWnd;
}

// A frame keeps its floating windows in step with its activation; it hears
// of the activation of windows it owns through WM_ACTIVATETOPLEVEL when the
// activation comes from or goes to a window outside its family.
void NotifyTopLevelActivation(HWND hWnd, WPARAM wParam, HWND hWndOther)
{
    if (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD)
        return;
    HWND hWndTop = TopLevelOwner(hWnd);
    if (hWndTop == hWnd)
        return;   // the top-level window hears WM_ACTIVATE itself
    if (hWndOther != nullptr && ::IsWindow(hWndOther) && TopLevelOwner(hWndOther) == hWndTop)
        return;
    HWND pair[2] = { hWnd, hWndOther };
    ::SendMessageW(hWndTop, WM_ACTIVATETOPLEVEL, wParam, reinterpret_cast<LPARAM>(pair));
}
} // namespace

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_ACTIVATE)
        NotifyTopLevelActivation(hWnd, wParam, reinterpret_cast<HWND>(lParam));
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        lResult = AfxProcessWndProcException(e, &pState->m_lastSentMsg);
        e->Delete();
    }
    // A handler of WM_NCDESTROY that did not call the base one: detach anyway.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->OnNcDestroy();
    pState->m_lastSentMsg = oldState;
    return lResult;
}

LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (e->IsKindOf(RUNTIME_CLASS(CUserException)))
        ;   // the user has been told already
    else
    {
        TCHAR szMessage[512] = {};
        if (!e->GetErrorMessage(szMessage, _countof(szMessage)) || szMessage[0] == 0)
            lstrcpynW(szMessage, L"An unexpected error occurred; the operation was not completed.",
                      _countof(szMessage));
        AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
    }
    if (pMsg != nullptr && pMsg->message == WM_CREATE)
        return -1;   // the window cannot be created
    if (pMsg != nullptr && pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);   // or it is painted again and again
    return 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

static HWND ReflectTarget(UINT message, WPARAM wParam, LPARAM lParam, HWND hWndParent)
{
    switch (message)
    {
    case WM_DRAWITEM:
    {
        auto* p = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
    }
    case WM_MEASUREITEM:
    {
        auto* p = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, (int)p->CtlID) : nullptr;
    }
    case WM_DELETEITEM:
        return lParam ? reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem : nullptr;
    case WM_COMPAREITEM:
        return lParam ? reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem : nullptr;
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_HSCROLL: case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
    (void)wParam;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        const AFX_MSGMAP_ENTRY* pEntry = nullptr;
        for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && pEntry == nullptr;
             pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
        {
            for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != nullptr; ++p)
            {
                if (p->nMessage == message && p->nCode == 0 && p->nID == 0)
                {
                    pEntry = p;
                    break;
                }
                if (p->nMessage == AFX_REGISTERED_MARK && message >= 0xC000)
                {
                    AFX_MSGCALL probe = {};
                    p->pfn(this, probe);
                    if (*reinterpret_cast<const UINT*>(probe.lResult) == message)
                    {
                        pEntry = p;
                        break;
                    }
                }
            }
        }
        if (pEntry != nullptr)
        {
            AFX_MSGCALL call = { message, wParam, lParam, 0, nullptr, 0 };
            if (!pEntry->pfn(this, call))
                return FALSE;
            lResult = call.lResult;
        }
        else
        {
            // No handler in the maps: the owner-draw, colour and scroll
            // messages of a child control still go back to the control.
            HWND hWndChild = ReflectTarget(message, wParam, lParam, m_hWnd);
            if (hWndChild == nullptr || hWndChild == m_hWnd ||
                !ReflectMsg(hWndChild, message, wParam, lParam, &lResult))
                return FALSE;
        }
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

namespace
{
// Asks the update handlers whether a command is enabled, changing nothing.
class CEnableProbe : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl != nullptr)
    {
        if (hWndCtrl != m_hWnd && ReflectMsg(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    }
    else
    {
        // Menus and accelerators: a command that became disabled since the
        // menu was shown (or an accelerator of a disabled command) does nothing.
        if (nID == 0)
            return FALSE;
        CEnableProbe probe;
        probe.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &probe, nullptr);
        if (!probe.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd* pChild = FromHandle(hWndChild);
        state.m_nID = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        state.m_pOther = pChild;
        // A control that answers for itself is asked straight, without routing.
        if (CWnd* pPermanent = FromHandlePermanent(hWndChild))
        {
            if (pPermanent->CCmdTarget::OnCmdMsg(0, CN_NOTIFY_CODE(WM_REFLECT_BASE + WM_COMMAND, CN_UPDATE_COMMAND_UI),
                                                 &state, nullptr))
                continue;
        }
        // Then this window's own maps.
        if (CCmdTarget::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        // Only push buttons go grey for want of a handler: check boxes, radio
        // buttons and group boxes that work by themselves, and other controls, stay.
        BOOL bDisable = bDisableIfNoHndler;
        if (bDisable)
        {
            if (!(::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
                bDisable = FALSE;
            else
            {
                UINT nStyle = (UINT)(::GetWindowLongW(hWndChild, GWL_STYLE) & BS_TYPEMASK);
                if (nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_GROUPBOX ||
                    nStyle == BS_AUTORADIOBUTTON)
                    bDisable = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisable);
    }
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == nullptr)
        return FALSE;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    if (hWndCtrl != nullptr && hWndCtrl != m_hWnd && ReflectMsg(hWndCtrl, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    UINT nID = (UINT)pNMHDR->idFrom;
    // A tooltip's request for the text of a tool that is a window names the
    // window; it is routed under that window's control id.
    if (pNMHDR->code == TTN_GETDISPINFOW && (reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags & TTF_IDISHWND))
        nID = (UINT)(WORD)::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom));
    return OnCmdMsg(nID, CN_NOTIFY_CODE(WM_NOTIFY, pNMHDR->code), &notify, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // Mouse and key messages may show or hide a tooltip.
    if (AfxGetThreadState()->m_bToolTipsUsed && m_hWnd != nullptr)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// --- Reflection ----------------------------------------------------------------

BOOL PASCAL CWnd::ReflectMsg(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    return pWnd->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return ReflectMsg(hWndChild, msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        return OnCmdMsg(0, CN_NOTIFY_CODE(WM_REFLECT_BASE + WM_COMMAND, nCode), nullptr, nullptr);
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        LRESULT lDummy = 0;
        AFX_NOTIFY notify = { pResult != nullptr ? pResult : &lDummy, pNMHDR };
        return OnCmdMsg(0, CN_NOTIFY_CODE(WM_REFLECT_BASE + WM_NOTIFY, pNMHDR->code), &notify, nullptr);
    }
    case WM_DRAWITEM: case WM_MEASUREITEM: case WM_DELETEITEM: case WM_COMPAREITEM:
    case WM_HSCROLL: case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        return FALSE;
    }
}

// --- Data exchange -------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CUserException* e)
    {
        e->Delete();   // the failing exchange has told the user
        return FALSE;
    }
}

void CWnd::DoDataExchange(CDataExchange* pDX)
{
    (void)pDX;
}

// --- Window state and geometry --------------------------------------------------

DWORD CWnd::GetStyle() const { return (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE); }
DWORD CWnd::GetExStyle() const { return (DWORD)::GetWindowLongW(m_hWnd, GWL_EXSTYLE); }

static BOOL ModifyStyleImpl(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongW(hWnd, nIndex);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongW(hWnd, nIndex, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}
BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID); }
void CWnd::SetWindowText(LPCTSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
}
void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthW(m_hWnd);
    int nGot = ::GetWindowTextW(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer(nGot);
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemTextW(m_hWnd, nID, lpszString); }
int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd == nullptr)
        return 0;
    int nLen = ::GetWindowTextLengthW(hWnd);
    int nGot = ::GetWindowTextW(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer(nGot);
    return rString.GetLength();
}
void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent ? pWndNewParent->m_hWnd : nullptr));
}
CWnd* CWnd::GetOwner() const
{
    return FromHandle(m_hWndOwner != nullptr ? m_hWndOwner : AfxGetParentOwner(m_hWnd));
}
void CWnd::SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd ? pOwnerWnd->m_hWnd : nullptr; }
CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
    {
        hWnd = h;
        if (!(::GetWindowLongW(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FromHandle(hWnd);
}
CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}
BOOL CWnd::IsChild(const CWnd* pWnd) const { return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                 bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // The special positions (HWND_TOP, HWND_TOPMOST...) are passed as fake pointers.
    HWND hWndAfter = reinterpret_cast<HWND>(const_cast<CWnd*>(pWndInsertAfter));
    UINT_PTR raw = reinterpret_cast<UINT_PTR>(pWndInsertAfter);
    if (pWndInsertAfter != nullptr && raw > 0x10 && raw < (UINT_PTR)-16)
        hWndAfter = pWndInsertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, hWndAfter, x, y, cx, cy, nFlags);
}
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}
void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    RECT rcArea;
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
        ::GetWindowRect(hWndCenter, &rcArea);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = (rcArea.left + rcArea.right - cx) / 2;
    int y = (rcArea.top + rcArea.bottom - cy) / 2;
    if (GetStyle() & WS_CHILD)
    {
        POINT pt = { x, y };
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        x = pt.x;
        y = pt.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Painting -------------------------------------------------------------------

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}
void CWnd::SetRedraw(BOOL bRedraw) { ::SendMessageW(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }
CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(::GetDCEx(m_hWnd, prgnClip ? static_cast<HRGN>(prgnClip->m_hObject) : nullptr, flags));
}
BOOL CWnd::LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
void PASCAL CWnd::UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
CWnd* PASCAL CWnd::GetDesktopWindow() { return CWnd::FromHandle(::GetDesktopWindow()); }
void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}
CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
}
HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        ::SendMessageW(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}
HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

// --- Messages, focus, capture, timers, menus ------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}
void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}
void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            // Private messages may mean something else to other window classes.
            if (CWnd* pWnd = FromHandlePermanent(hWndChild))
                AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        }
        else
            ::SendMessageW(hWndChild, message, wParam, lParam);
        if (bDeep && ::IsWindow(hWndChild) && ::GetTopWindow(hWndChild) != nullptr)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* PASCAL CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* PASCAL CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* PASCAL CWnd::GetCapture() { return FromHandle(::GetCapture()); }
BOOL PASCAL CWnd::ReleaseCapture() { return ::ReleaseCapture(); }
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
int CWnd::GetWindowRgn(HRGN hRgn) const { return ::GetWindowRgn(m_hWnd, hRgn); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    return ::MessageBoxW(m_hWnd, lpszText, lpszCaption, nType);
}
void CWnd::DragAcceptFiles(BOOL bAccept) { ::DragAcceptFiles(m_hWnd, bAccept); }
CWnd* PASCAL CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
CWnd* CWnd::ChildWindowFromPoint(POINT point) const { return FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }

// --- Default handlers ------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}
void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU && ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
        return;
    Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnHScroll(UINT, UINT, HWND hScrollBar)
{
    if (hScrollBar != nullptr && ReflectLastMsg(hScrollBar))
        return;
    Default();
}
void CWnd::OnVScroll(UINT, UINT, HWND hScrollBar)
{
    if (hScrollBar != nullptr && ReflectLastMsg(hScrollBar))
        return;
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }

// --- Window classes ------------------------------------------------------------

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // The returned name must stay valid: keep every name made in a set.
    static std::mutex lock;
    static std::set<std::wstring> names;
    TCHAR szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    wsprintfW(szName, L"FwWnd:%p:%x:%p:%p:%p", hInst, nClassStyle, hCursor, hbrBackground, hIcon);

    std::lock_guard<std::mutex> guard(lock);
    WNDCLASSW wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!AfxRegisterClass(&wc))
        return nullptr;
    return names.insert(szName).first->c_str();
}

HWND AFXAPI AfxGetParentOwner(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    // GetParent of a top-level window is its owner too, but only while the
    // window is a popup; asking for the owner directly covers every style.
    if (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr)
        return FALSE;
    WNDCLASSW wcExisting;
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &wcExisting))
        return TRUE;
    if (::RegisterClassW(lpWndClass))
        return TRUE;
    // Another thread may have registered it between the two calls.
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
