#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CZMRCommandBarKeyboardTip, CWnd)
    ON_WM_PAINT()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CZMRCommandBarKeyboardTip::CZMRCommandBarKeyboardTip(CZMRBarManager* pManager, CCmdTarget* pOwner,
                                                     LPCTSTR lpszCaption, CPoint ptAnchor, DWORD dwAlign,
                                                     BOOL bEnabled)
    : m_strCaption(lpszCaption), m_pOwner(pOwner), m_ptAnchor(ptAnchor), m_bEnabled(bEnabled), m_bVisible(TRUE),
      m_pManager(pManager), m_dwAlign(dwAlign), m_bOwnText(FALSE)
{
}

CRect CZMRCommandBarKeyboardTip::CalcRect(CPoint ptAnchor, CSize szText, DWORD dwAlign, BOOL bRightToLeft)
{
    const int cx = std::max(int(szText.cx) + 6, 16);
    const int cy = std::max(int(szText.cy) + 2, 15);
    int dx = 0, dy = 0;
    if (dwAlign & alignCenterX)
        dx = cx / 2;
    else if (bRightToLeft || (dwAlign & alignRight))
        dx = cx;
    if (dwAlign & alignCenterY)
        dy = cy / 2;
    else if (dwAlign & alignBottom)
        dy = cy;
    return CRect(CPoint(ptAnchor.x - dx, ptAnchor.y - dy), CSize(cx, cy));
}

BOOL CZMRCommandBarKeyboardTip::CreateTipWindow(CWnd* pBarWnd, const CRect& rc, BOOL bLayered)
{
    const DWORD dwExStyle = WS_EX_TOOLWINDOW | (bLayered ? WS_EX_LAYERED : 0);
    if (!CreateEx(dwExStyle, AfxRegisterWndClass(CS_SAVEBITS), L"", WS_POPUP, rc, pBarWnd, 0))
        return FALSE;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    return TRUE;
}

void CZMRCommandBarKeyboardTip::OnPaint()
{
    CPaintDC dc(this);
    if (CZMRPaintManager* pPaintManager = m_pManager ? m_pManager->GetPaintManager() : nullptr)
        pPaintManager->PaintKeyboardTipWindow(&dc, this, FALSE);
}

LRESULT CZMRCommandBarKeyboardTip::OnNcHitTest(CPoint /*point*/)
{
    return HTTRANSPARENT;
}
