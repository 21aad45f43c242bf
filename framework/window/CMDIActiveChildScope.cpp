#include "window/CMDIActiveChildScope.h"
#include "window/CMDIChildWnd.h"

namespace
{
// One frame's child at a time per thread; scopes for it nest.
struct CHeldChild
{
    HWND hWndFrame = nullptr;
    HWND hWndChild = nullptr;
    BOOL bMaximized = FALSE;
    int nScopes = 0;
};
thread_local CHeldChild t_held;
} // namespace

CMDIActiveChildScope::CMDIActiveChildScope(CWnd* pWnd) : m_bHolds(false)
{
    CMDIFrameWnd* pFrame = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr ? DYNAMIC_DOWNCAST(CMDIFrameWnd, pWnd)
                                                                              : nullptr;
    if (pFrame == nullptr || (t_held.nScopes > 0 && t_held.hWndFrame != pFrame->m_hWnd))
        return;
    if (t_held.nScopes == 0)
    {
        BOOL bMaximized = FALSE;
        CMDIChildWnd* pChild = pFrame->MDIGetActive(&bMaximized);
        t_held.hWndFrame = pFrame->m_hWnd;
        t_held.hWndChild = pChild != nullptr ? pChild->m_hWnd : nullptr;
        t_held.bMaximized = bMaximized;
    }
    t_held.nScopes++;
    m_bHolds = true;
}

CMDIActiveChildScope::~CMDIActiveChildScope()
{
    if (m_bHolds && --t_held.nScopes == 0)
        t_held = CHeldChild();
}

bool CMDIActiveChildScope::GetHeld(const CMDIFrameWnd* pFrame, HWND* phWndChild, BOOL* pbMaximized)
{
    if (t_held.nScopes == 0 || pFrame == nullptr || t_held.hWndFrame != pFrame->m_hWnd)
        return false;
    *phWndChild = t_held.hWndChild;
    *pbMaximized = t_held.bMaximized;
    return true;
}
