#include "CZMRMouseManager.h"
#include "CZMRCommandBar.h"
#include <vector>

namespace
{
CThreadLocal<CZMRMouseManager> g_threadMouseManager;

HINSTANCE HookModule()
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    return hInstance ? hInstance : ::GetModuleHandleW(nullptr);
}

BOOL IsMouseMove(UINT nMessage)
{
    return nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE;
}

BOOL IsButtonDown(UINT nMessage)
{
    switch (nMessage)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

std::vector<CZMRCommandBar*> CopyOf(const CZMRMouseManager::CTrackArray& arrBars)
{
    return std::vector<CZMRCommandBar*>(arrBars.GetData(), arrBars.GetData() + arrBars.GetSize());
}
} // namespace

int CZMRMouseManager::CTrackArray::Find(const CZMRCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
    {
        if (GetAt(i) == pBar)
            return int(i);
    }
    return -1;
}

int CZMRMouseManager::CTrustedArray::Find(HWND hWnd) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
    {
        if (GetAt(i) == hWnd)
            return int(i);
    }
    return -1;
}

CZMRMouseManager::CZMRMouseManager()
    : m_nFocusCount(0), m_pHotBar(nullptr), m_bMenusExpanded(FALSE), m_bSwallowNextButtonUp(FALSE),
      m_hHookMouse(nullptr), m_hWndMouseLeave(nullptr), m_ptLastMouse(-1, -1)
{
    m_hHookMouse = ::SetWindowsHookExW(WH_MOUSE, MouseHook, HookModule(), ::GetCurrentThreadId());
}

CZMRMouseManager::~CZMRMouseManager()
{
    if (m_hHookMouse)
        ::UnhookWindowsHookEx(m_hHookMouse);
}

CZMRMouseManager* CZMRMouseManager::GetThreadMouseManager()
{
    CZMRMouseManager* pManager = g_threadMouseManager.GetData();
    if (!pManager)
        AfxThrowResourceException();
    return pManager;
}

CZMRMouseManager* CZMRMouseManager::FindThreadMouseManager()
{
    return g_threadMouseManager.GetDataNA();
}

// ---------------------------------------------------------------- tracked bars

BOOL CZMRMouseManager::IsLocked(const CZMRCommandBar* pBar)
{
    return pBar->GetInputSuspension() > 0;
}

void CZMRMouseManager::AddTracked(CZMRCommandBar* pBar)
{
    if (m_arrTracked.GetSize() == 0 && m_pHotBar && m_pHotBar != pBar)
        m_pHotBar->SetHotControl(-1);
    if (m_arrTracked.Find(pBar) < 0)
        m_arrTracked.Add(pBar);
}

void CZMRMouseManager::RemoveTracked(CZMRCommandBar* pBar)
{
    const int nIndex = m_arrTracked.Find(pBar);
    if (nIndex >= 0)
    {
        m_arrTracked.RemoveAt(nIndex);
        if (m_arrTracked.GetSize() == 0)
        {
            m_bMenusExpanded = FALSE;
            ResetLastMousePoint();
        }
    }
    m_bSwallowNextButtonUp = FALSE;
}

void CZMRMouseManager::LeaveTracking(CZMRCommandBar* pBar)
{
    pBar->SetMenuLoopActive(FALSE);
    // A bar that stayed listed would be asked again and again.
    RemoveTracked(pBar);
}

void CZMRMouseManager::CloseAllTracked()
{
    while (m_arrTracked.GetSize() > 0)
        LeaveTracking(m_arrTracked[0]);
}

void CZMRMouseManager::CloseUnlockedTracked()
{
    if (m_arrTracked.GetSize() == 0 || !IsLocked(m_arrTracked[0]))
        return;
    for (CZMRCommandBar* pBar : CopyOf(m_arrTracked))
    {
        if (IsTrackedBar(pBar) && !IsLocked(pBar))
            LeaveTracking(pBar);
    }
}

void CZMRMouseManager::LockTrackedBars(BOOL bLock)
{
    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); i++)
        m_arrTracked[i]->SuspendInput(bLock);
}

BOOL CZMRMouseManager::IsMouseLocked(const CZMRCommandBar* pBar) const
{
    if (m_arrTracked.GetSize() == 0)
        return FALSE;
    return !pBar || IsLocked(pBar) || !IsTrackedBar(pBar);
}

CZMRCommandBar* CZMRMouseManager::GetLastTracked() const
{
    return m_arrTracked.GetSize() > 0 ? m_arrTracked[m_arrTracked.GetSize() - 1] : nullptr;
}

int CZMRMouseManager::HitTrackedBar(CZMRCommandBar* pBar, CPoint ptScreen, HWND hWndUnder)
{
    if (!pBar->GetSafeHwnd())
        return 0;
    const int nHit = pBar->IsPointInside(ptScreen);
    if (nHit == -2)
        return -2;
    if (nHit == 1 || (hWndUnder && ::IsChild(pBar->GetSafeHwnd(), hWndUnder)))
        return 1;
    return 0;
}

CZMRCommandBar* CZMRMouseManager::FindTrackedBarAt(CPoint ptScreen) const
{
    const HWND hWndUnder = ::WindowFromPoint(ptScreen);
    for (INT_PTR i = m_arrTracked.GetSize() - 1; i >= 0; i--)
    {
        if (HitTrackedBar(m_arrTracked[i], ptScreen, hWndUnder) == 1)
            return m_arrTracked[i];
    }
    return nullptr;
}

BOOL CZMRMouseManager::IsTrustedPoint(CPoint ptScreen, HWND hWndUnder) const
{
    for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); i++)
    {
        const HWND hWnd = m_arrTrusted[i];
        CRect rcWindow;
        if (::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rcWindow) && rcWindow.PtInRect(ptScreen))
            return TRUE;
    }
    // Clicks into an input method's windows belong to the text being typed.
    return hWndUnder && (::GetClassLongPtrW(hWndUnder, GCL_STYLE) & CS_IME) != 0;
}

BOOL CZMRMouseManager::IsClickOutside(const CZMRCommandBar* pBar, UINT nMessage) const
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    return IsClickOutside(pBar, nMessage, ptCursor);
}

BOOL CZMRMouseManager::IsClickOutside(const CZMRCommandBar* pBar, UINT nMessage, CPoint ptScreen) const
{
    switch (nMessage)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        break;
    default:
        return FALSE;
    }
    if (CZMRCommandBar* pBarUnder = FindTrackedBarAt(ptScreen))
        return IsLocked(pBarUnder) && !(pBar && IsLocked(pBar));
    if (m_arrTracked.GetSize() > 0 && IsTrustedPoint(ptScreen, ::WindowFromPoint(ptScreen)))
        return FALSE;
    return TRUE;
}

// ---------------------------------------------------------------- trusted windows

void CZMRMouseManager::AddTrustedWindow(HWND hWnd)
{
    m_arrTrusted.Add(hWnd);
}

void CZMRMouseManager::RemoveTrustedWindow(HWND hWnd)
{
    const int nIndex = m_arrTrusted.Find(hWnd);
    if (nIndex >= 0)
        m_arrTrusted.RemoveAt(nIndex);
}

// ---------------------------------------------------------------- mouse leave

void CZMRMouseManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == m_hWndMouseLeave)
        return;
    if (m_hWndMouseLeave && ::IsWindow(m_hWndMouseLeave))
    {
        // The old window's timer goes too: left running it would later clear
        // the watch on the new window.
        ::KillTimer(m_hWndMouseLeave, TID_MOUSELEAVE);
        ::SendMessageW(m_hWndMouseLeave, WM_MOUSELEAVE, 0, 0);
    }
    m_hWndMouseLeave = hWnd;
    if (hWnd)
        ::SetTimer(hWnd, TID_MOUSELEAVE, MOUSELEAVE_PERIOD, MouseLeaveTimerProc);
}

BOOL CZMRMouseManager::IsOwnerWindowActive(HWND hWnd)
{
    HWND hWndTop = hWnd;
    while (HWND hWndParent = ::GetParent(hWndTop))
        hWndTop = hWndParent;
    return ::GetForegroundWindow() == ::GetLastActivePopup(hWndTop);
}

void CZMRMouseManager::OnMouseLeaveTimer(HWND hWnd)
{
    if (hWnd != m_hWndMouseLeave || !::IsWindow(hWnd))
    {
        // A window no longer watched, or gone.
        ::KillTimer(hWnd, TID_MOUSELEAVE);
        if (hWnd == m_hWndMouseLeave)
            m_hWndMouseLeave = nullptr;
        return;
    }

    CPoint ptCursor;
    CRect rcWindow;
    ::GetCursorPos(&ptCursor);
    ::GetWindowRect(hWnd, &rcWindow);
    if (rcWindow.PtInRect(ptCursor))
    {
        const BOOL bTopLevel = !::GetParent(hWnd) || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_POPUP);
        if (bTopLevel || IsOwnerWindowActive(hWnd))
            return;
    }
    ::KillTimer(hWnd, TID_MOUSELEAVE);
    m_hWndMouseLeave = nullptr;
    ::PostMessageW(hWnd, WM_MOUSELEAVE, 0, 0);
}

void CALLBACK CZMRMouseManager::MouseLeaveTimerProc(HWND hWnd, UINT /*nMessage*/, UINT_PTR /*nIDEvent*/,
                                                    DWORD /*dwTime*/)
{
    if (CZMRMouseManager* pManager = FindThreadMouseManager())
        pManager->OnMouseLeaveTimer(hWnd);
    else
        ::KillTimer(hWnd, TID_MOUSELEAVE);
}

// ---------------------------------------------------------------- the hook

void CZMRMouseManager::ResetLastMousePoint()
{
    m_ptLastMouse = CPoint(-1, -1);
    // Setting the cursor where it is makes the system send a fresh move, so
    // hot tracking resumes under the closed popups.
    CPoint ptCursor;
    if (::GetCursorPos(&ptCursor))
        ::SetCursorPos(ptCursor.x, ptCursor.y);
}

BOOL CZMRMouseManager::OnMouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode != HC_ACTION || !lParam)
        return FALSE;
    const UINT nMessage = UINT(wParam);
    const CPoint pt = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt;

    if (nMessage == WM_LBUTTONDOWN || nMessage == WM_RBUTTONDOWN)
        m_bSwallowNextButtonUp = FALSE;
    if ((nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP) && m_bSwallowNextButtonUp)
    {
        // The release of the click that expanded a menu reaches nobody.
        m_bSwallowNextButtonUp = FALSE;
        return TRUE;
    }

    // The system repeats moves where the mouse did not move; under open
    // popups they would only disturb hot tracking.
    if (m_arrTracked.GetSize() > 0 && IsMouseMove(nMessage) && pt == m_ptLastMouse)
        return TRUE;
    m_ptLastMouse = pt;

    if (m_arrTracked.GetSize() > 0)
        OnHookedMouseEvent(nMessage, pt);
    return FALSE;
}

void CZMRMouseManager::OnHookedMouseEvent(UINT nMessage, CPoint ptScreen)
{
    const HWND hWndUnder = ::WindowFromPoint(ptScreen);
    for (INT_PTR i = m_arrTracked.GetSize() - 1; i >= 0; i--)
    {
        CZMRCommandBar* pBar = m_arrTracked[i];
        if (HitTrackedBar(pBar, ptScreen, hWndUnder) != 1)
            continue;
        // A click on a locked parent popup closes the popups opened after it.
        if (IsLocked(pBar) && !IsMouseMove(nMessage) && !m_bSwallowNextButtonUp)
        {
            CloseUnlockedTracked();
            m_ptLastMouse = CPoint(0, 0);
        }
        return;
    }
    if (IsTrustedPoint(ptScreen, hWndUnder))
        return;
    HandleTrackedMouseEvent(nMessage, ptScreen);
}

void CZMRMouseManager::HandleTrackedMouseEvent(UINT nMessage, CPoint ptScreen)
{
    if (IsMouseMove(nMessage))
    {
        // Hot tracking in the bars under the popups.
        for (CZMRCommandBar* pBar : CopyOf(m_arrTracked))
        {
            if (!IsTrackedBar(pBar) || IsLocked(pBar) || !pBar->GetSafeHwnd())
                continue;
            CPoint ptClient = ptScreen;
            pBar->ScreenToClient(&ptClient);
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
        }
        return;
    }
    if (IsButtonDown(nMessage))
    {
        CloseAllTracked();
        return;
    }
    if ((nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP) && m_nFocusCount <= 0)
        CloseAllTracked();
}

LRESULT CALLBACK CZMRMouseManager::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CZMRMouseManager* pManager = FindThreadMouseManager();
    if (pManager && pManager->OnMouseHook(nCode, wParam, lParam))
        return 1;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
