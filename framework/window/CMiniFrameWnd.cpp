#include "window/CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpszWindowName;
    // A popup's id field holds a menu; a mini frame has none, so the id stays unused.
    (void)nID;
    return CreateEx(WS_EX_TOOLWINDOW, lpszClassName, lpszWindowName, (dwStyle & ~WS_CHILD) | WS_POPUP, rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
}
