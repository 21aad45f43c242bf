// CWnd: layout of control bars around a window left over (the frame's layout
// pass), and the frames a window lives in.
#include "window/CWnd.h"
#include "window/CFrameWnd.h"

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    const bool bQuery = (nFlags & reposQuery) != 0;
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        GetClientRect(&layout.rect);
    if (!bQuery)
    {
        int nChildren = 0;
        for (HWND h = ::GetTopWindow(m_hWnd); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
            ++nChildren;
        layout.hDWP = ::BeginDeferWindowPos(nChildren);
    }

    // Each bar, in z-order, takes its strip of what the bars before it left.
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nID = (UINT)::GetDlgCtrlID(hWndChild);
        if (nID != nIDLeftOver && nID >= nIDFirst && nID <= nIDLast && FromHandlePermanent(hWndChild) != nullptr)
            ::SendMessageW(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (bQuery)
    {
        if (lpRectParam != nullptr)
        {
            if (bStretch)
                *lpRectParam = layout.rect;
            else
                ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        }
        return;
    }

    HWND hWndLeftOver = nIDLeftOver != 0 ? ::GetDlgItem(m_hWnd, (int)nIDLeftOver) : nullptr;
    if (hWndLeftOver != nullptr)
    {
        RECT rc = layout.rect;
        if ((nFlags & reposExtra) && lpRectParam != nullptr)
        {
            rc.left += lpRectParam->left;
            rc.top += lpRectParam->top;
            rc.right -= lpRectParam->right;
            rc.bottom -= lpRectParam->bottom;
        }
        FromHandle(hWndLeftOver)->CalcWindowRect(&rc);
        AfxRepositionWindow(&layout, hWndLeftOver, &rc);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;   // the edge stays inside the room given
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
    if (nAdjustType == adjustOutside)
    {
        // Scroll bars are outside the client area too.
        DWORD dwStyle = GetStyle();
        if (dwStyle & WS_VSCROLL)
            lpClientRect->right += ::GetSystemMetrics(SM_CXVSCROLL);
        if (dwStyle & WS_HSCROLL)
            lpClientRect->bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    }
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    if (hWnd == nullptr || lpRect == nullptr)
        return;
    HWND hWndParent = ::GetParent(hWnd);
    RECT rcOld;
    ::GetWindowRect(hWnd, &rcOld);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rcOld), 2);
    if (::EqualRect(&rcOld, lpRect))
        return;   // already there: no repaint
    const UINT nFlags = SWP_NOACTIVATE | SWP_NOZORDER;
    const int cx = lpRect->right - lpRect->left, cy = lpRect->bottom - lpRect->top;
    if (lpLayout != nullptr && lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, cx, cy, nFlags);
    else if (lpLayout == nullptr)
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, cx, cy, nFlags);
}

// --- Frames around a window --------------------------------------------------------

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (HWND h = ::GetParent(m_hWnd); h != nullptr; h = ::GetParent(h))
    {
        CWnd* pWnd = FromHandlePermanent(h);
        if (pWnd != nullptr && pWnd->IsFrameWnd())
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    while (pFrame != nullptr)
    {
        CFrameWnd* pParentFrame = pFrame->GetParentFrame();
        if (pParentFrame == nullptr)
            break;
        pFrame = pParentFrame;
    }
    return pFrame;
}

CWnd* CWnd::GetParentOwner() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
    {
        HWND hWndParent = ::GetParent(hWnd);
        if (hWndParent == nullptr)
            break;
        hWnd = hWndParent;
    }
    return FromHandle(hWnd);
}

BOOL CWnd::IsTopParentActive() const
{
    // The outermost window of the parent and owner chain.
    HWND hWndTop = m_hWnd;
    for (HWND h = AfxGetParentOwner(hWndTop); h != nullptr; h = AfxGetParentOwner(h))
        hWndTop = h;
    return hWndTop != nullptr && ::GetForegroundWindow() == ::GetLastActivePopup(hWndTop);
}

namespace
{
CWnd* FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    // Direct children first, then each child's descendants.
    if (HWND hWndChild = ::GetDlgItem(hWnd, nID))
    {
        CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hWndChild) : CWnd::FromHandle(hWndChild);
        if (pWnd != nullptr)
            return pWnd;
    }
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (::GetTopWindow(hWndChild) == nullptr)
            continue;
        if (CWnd* pFound = FindDescendant(hWndChild, nID, bOnlyPerm))
            return pFound;
    }
    return nullptr;
}
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return m_hWnd != nullptr ? FindDescendant(m_hWnd, nID, bOnlyPerm) : nullptr;
}
