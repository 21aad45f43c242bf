#include "window/CStatusBar.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

BEGIN_MESSAGE_MAP(CStatusBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() = default;

CStatusBar::~CStatusBar()
{
    DestroyWindow();
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    // The frame places the bar: the control must not move or size itself.
    dwStyle |= WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    RECT rc = { 0, 0, 0, 0 };
    return CreateEx(0, STATUSCLASSNAMEW, nullptr, dwStyle, rc, pParentWnd, nID);
}

int CStatusBar::GetBarHeight() const
{
    // The text height of the bar's font and the control's vertical borders.
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    int borders[3] = {};
    ::SendMessageW(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return tm.tmHeight + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYEDGE);
}

LRESULT CStatusBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    // The bar takes the bottom of the room that is left, across its whole width.
    int cy = GetBarHeight();
    RECT& rcFree = pLayout->rect;
    cy = std::min(cy, (int)(rcFree.bottom - rcFree.top));
    RECT rc = { rcFree.left, rcFree.bottom - cy, rcFree.right, rcFree.bottom };
    rcFree.bottom -= cy;
    pLayout->sizeTotal.cy += cy;
    pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, rc.right - rc.left);
    AfxRepositionWindow(pLayout, m_hWnd, &rc);
    return 0;
}

LRESULT CStatusBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    return 0;   // no commands of its own
}
