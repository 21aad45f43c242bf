// CWnd: tooltips of framework windows, shown through the thread's tooltip
// control while the thread's pre-translation passes the mouse messages by.
#include "window/CWnd.h"
#include "window/AfxThreadState.h"
#include "window/CToolTipCtrl.h"
#include <cstdlib>

namespace
{
bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

// Messages that may show a tip; any other mouse or key message may hide it.
bool MayShowTip(UINT message)
{
    switch (message)
    {
    case WM_MOUSEMOVE: case WM_NCMOUSEMOVE: case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

bool HidesTip(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return (message >= WM_KEYFIRST && message <= WM_KEYLAST);
    }
}

bool AnyButtonDown()
{
    return ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0;
}

// The framework window whose tooltips a message belongs to: the first one
// with tooltips enabled from the message's window up through its parents.
HWND FindToolTipOwner(HWND hWnd)
{
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd != nullptr && (pWnd->m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS)))
            return h;
    }
    return nullptr;
}

// The tooltip control wants mouse points in the client coordinates of the
// window under the mouse, which need not be the one the message went to.
void RelayToolTipMessage(CToolTipCtrl* pToolTip, const MSG* pMsg)
{
    MSG msg = *pMsg;
    if (IsMouseMessage(msg.message))
    {
        POINT pt = pMsg->pt;
        HWND hWndUnder = ::WindowFromPoint(pt);
        if (hWndUnder != nullptr && ::GetWindowThreadProcessId(hWndUnder, nullptr) == ::GetCurrentThreadId())
        {
            ::ScreenToClient(hWndUnder, &pt);
            msg.hwnd = hWndUnder;
            msg.lParam = MAKELPARAM(pt.x, pt.y);
        }
    }
    pToolTip->RelayEvent(&msg);
}

// Texts of tools that are neither asked for later nor string resources are
// copies made with malloc by the hit test.
void FreeToolText(TOOLINFO& ti)
{
    if (ti.lpszText != LPSTR_TEXTCALLBACK && ti.hinst == nullptr && !IS_INTRESOURCE(ti.lpszText))
        std::free(ti.lpszText);
    ti.lpszText = nullptr;
}
} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bWasEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
        AfxGetThreadState()->m_bToolTipsUsed = true;
    }
    else
    {
        m_nFlags &= ~WF_TOOLTIPS;
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        if (pState->m_hWndLastHit == m_hWnd && pState->m_pToolTip != nullptr &&
            pState->m_pToolTip->m_hWnd != nullptr)
        {
            pState->m_pToolTip->SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&pState->m_lastInfo));
            pState->m_pToolTip->Activate(FALSE);
            pState->m_hWndLastHit = nullptr;
            pState->m_nLastHit = -1;
            pState->m_lastInfo = {};
        }
    }
    return bWasEnabled;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // The topmost visible child with an id under the point is the tool.
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        int nID = ::GetDlgCtrlID(hWndChild);
        if (nID == 0 || !::IsWindowVisible(hWndChild))
            continue;
        RECT rc;
        ::GetWindowRect(hWndChild, &rc);
        ScreenToClient(&rc);
        if (!::PtInRect(&rc, point))
            continue;
        if ((WORD)nID == 0xFFFF)
            return -1;   // a label without an id of its own has no tip
        if (pTI != nullptr && pTI->cbSize >= TTTOOLINFOW_V1_SIZE)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
            if (!(::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
                pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
        }
        return nID;
    }
    return -1;
}

void PASCAL CWnd::CancelToolTips(BOOL bKeys)
{
    (void)bKeys;
    CToolTipCtrl* pToolTip = AfxGetThreadState()->m_pToolTip;
    if (pToolTip != nullptr && pToolTip->m_hWnd != nullptr)
        pToolTip->Activate(FALSE);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    UINT message = pMsg->message;
    HWND hWndOwner = FindToolTipOwner(pMsg->hwnd);

    if (!MayShowTip(message) || AnyButtonDown())
    {
        // A click or a key hides the tip; only the owner of the tools does it.
        if (hWndOwner == m_hWnd && HidesTip(message))
            CancelToolTips((message >= WM_KEYFIRST && message <= WM_KEYLAST));
        return;
    }
    if (hWndOwner != m_hWnd)
    {
        if (hWndOwner == nullptr)
        {
            pState->m_hWndLastHit = nullptr;   // the mouse left every window with tooltips
            pState->m_nLastHit = -1;
        }
        return;
    }

    // One tooltip control per thread, owned by the top-level window of the tools.
    CWnd* pOwner = GetParentOwner();
    CToolTipCtrl*& pToolTip = pState->m_pToolTip;
    if (pToolTip != nullptr && (pToolTip->m_hWnd == nullptr || ::GetWindow(pToolTip->m_hWnd, GW_OWNER) != pOwner->m_hWnd))
    {
        delete pToolTip;
        pToolTip = nullptr;
        pState->m_hWndLastHit = nullptr;
        pState->m_nLastHit = -1;
        pState->m_lastInfo = {};
    }
    if (pToolTip == nullptr)
    {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP))
        {
            delete pToolTip;
            pToolTip = nullptr;
            return;
        }
        pToolTip->Activate(FALSE);
    }

    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    TOOLINFO tiHit = {};
    tiHit.cbSize = sizeof(tiHit);
    INT_PTR nHit = OnToolHitTest(point, &tiHit);
    HWND hWndHit = nHit == -1 ? nullptr : m_hWnd;

    if (nHit == pState->m_nLastHit && hWndHit == pState->m_hWndLastHit)
    {
        if (nHit != -1)
            RelayToolTipMessage(pToolTip, pMsg);
        FreeToolText(tiHit);
        return;
    }

    if (nHit != -1)
    {
        // The new tool goes in before the old one leaves, so the tip moves
        // from one tool to the next without flickering off.
        TOOLINFO ti = tiHit;
        ti.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
        pToolTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
        if ((tiHit.uFlags & TTF_ALWAYSTIP) || IsTopParentActive())
        {
            pToolTip->Activate(TRUE);
            ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                           SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
        }
    }
    else
        pToolTip->Activate(FALSE);

    RelayToolTipMessage(pToolTip, pMsg);
    bool bSameTool = nHit != -1 && pState->m_lastInfo.hwnd == tiHit.hwnd && pState->m_lastInfo.uId == tiHit.uId;
    if (pState->m_lastInfo.cbSize != 0 && !bSameTool)
        pToolTip->SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&pState->m_lastInfo));

    pState->m_hWndLastHit = hWndHit;
    pState->m_nLastHit = nHit;
    pState->m_lastInfo = tiHit;
    pState->m_lastInfo.lpszText = nullptr;   // the control keeps its own copy of the text
    if (nHit == -1)
        pState->m_lastInfo.cbSize = 0;
    FreeToolText(tiHit);
}
