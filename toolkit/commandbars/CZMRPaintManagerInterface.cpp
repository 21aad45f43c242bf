// What the paint manager draws and answers itself where a theme does not:
// bar borders, the dock and MDI backgrounds, status-bar edges and gripper,
// and the operations that are left empty for the themes.
#include "CZMRPaintManager.h"
#include "CZMRCaptionButton.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRPenDC.h"
#include "CZMRToolBar.h"
#include "CZMRCommandBarKeyboardTip.h"
#include <algorithm>

CRect CZMRPaintManager::GetBarBorderWidths(CZMRCommandBar* /*pBar*/)
{
    return CRect(2, 2, 2, 2);
}

void CZMRPaintManager::ApplyBarWindowRegion(CZMRCommandBar* /*pBar*/)
{
}

void CZMRPaintManager::FillIconColumn(CDC* /*pDC*/, int /*x*/, int /*y*/, int /*cx*/, int /*cy*/,
                                      BOOL /*bHiddenRows*/)
{
}

void CZMRPaintManager::AdjustCaptionForRightToLeft(CString& /*strCaption*/)
{
}

void CZMRPaintManager::PaintMdiWorkspace(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(rc, GetColor(COLOR_APPWORKSPACE));
}

void CZMRPaintManager::PaintDockBackground(CDC* pDC, CWnd* pDockBar)
{
    CRect rc;
    pDockBar->GetClientRect(rc);
    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
}

void CZMRPaintManager::PaintStatusPaneEdge(CDC* pDC, CRect rcPane, CZMRStatusBarPane* /*pPane*/)
{
    pDC->Draw3dRect(rcPane.left - 2, rcPane.top, 2, rcPane.Height(), GetColor(COLOR_3DSHADOW),
                    GetColor(COLOR_3DHIGHLIGHT));
}

void CZMRPaintManager::PaintStatusSizeGrip(CDC* pDC, CRect rcGripper)
{
    if (m_bUseStatusBarTheme && m_themeStatusBar.IsThemeOpenAndActive())
    {
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 3 /* SP_GRIPPER */, 0, rcGripper, nullptr);
        return;
    }

    // Three grooves of three dark lines and one light line each, in the
    // gripper's bottom-right corner.
    const int w = rcGripper.right, h = rcGripper.bottom;
    CZMRPenDC pen(pDC->GetSafeHdc(), GetColor(COLOR_3DSHADOW));
    for (int k = 0; k <= 10; k += 5)
    {
        for (int d = 0; d < 3; d++)
        {
            pDC->MoveTo(w - k - d, h - 1);
            pDC->LineTo(w, h - k - d - 1);
        }
    }
    pen.SetColor(GetColor(COLOR_3DHIGHLIGHT));
    for (int k = 0; k <= 10; k += 5)
    {
        pDC->MoveTo(w - k - 3, h - 1);
        pDC->LineTo(w, h - k - 4);
    }
}

// ---------------------------------------------------------------- operations on bars, controls and panes
//
// The keyboard tips wait for their window: until it is in, they draw nothing.

COLORREF CZMRPaintManager::GetEditFieldBackColor(CZMRControl* pControl)
{
    return GetColor(pControl->GetEnabled() ? COLOR_WINDOW : COLOR_3DFACE);
}

void CZMRPaintManager::PaintFloatingCaption(CDC* pDC, CZMRToolBar* pBar)
{
    if (!pDC || !pBar || !pBar->GetSafeHwnd())
        return;
    CRect rcClient;
    pBar->GetClientRect(rcClient);
    pDC->FillSolidRect(rcClient, GetColor(COLOR_3DFACE));
    CRect rcCaption = pBar->GetFloatingCaptionRect();
    DrawRectangle(pDC, rcCaption, COLOR_3DSHADOW, COLOR_3DSHADOW);
    rcCaption.DeflateRect(1, 1);
    DrawRectangle(pDC, rcCaption, COLOR_INFOBK, COLOR_INFOBK);
}

void CZMRPaintManager::PaintFloatingCaptionButton(CDC* pDC, CZMRCaptionButton* pButton)
{
    if (!pDC || !pButton)
        return;
    const CRect rc = pButton->GetRect();
    const BOOL bHot = pButton->IsHot(), bPressed = pButton->IsPressed(), bEnabled = pButton->GetEnabled();
    const BOOL bClose = pButton->GetCommand() == SC_CLOSE;
    if (bHot || bPressed)
    {
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
        DrawStateHighlight(pDC, rc, bHot, bPressed, bEnabled, 0, FALSE, zmrBarTypeNormal, zmrBarFloating);
    }
    else if (!bClose)
        DrawRectangle(pDC, rc, COLOR_3DFACE, COLOR_3DSHADOW);
    if (!bClose)
        return;
    // The cross: two lines side by side along each diagonal.
    const COLORREF clr = GetStateTextColor(bHot, bPressed, bEnabled, 0, FALSE, zmrBarTypeNormal, zmrBarFloating);
    const CPoint pt = rc.CenterPoint();
    DrawLine(pDC, pt.x - 4, pt.y - 3, pt.x + 3, pt.y + 4, clr);
    DrawLine(pDC, pt.x - 3, pt.y - 3, pt.x + 4, pt.y + 4, clr);
    DrawLine(pDC, pt.x - 4, pt.y + 3, pt.x + 3, pt.y - 4, clr);
    DrawLine(pDC, pt.x - 3, pt.y + 3, pt.x + 4, pt.y - 4, clr);
}

void CZMRPaintManager::PaintKeyboardTipWindow(CDC* pDC, CZMRCommandBarKeyboardTip* pTip, BOOL bPrepare)
{
    // Preparing the window is a theme's business (a region); nothing here.
    if (bPrepare || !pDC || !pTip || !pTip->GetSafeHwnd())
        return;
    CRect rc;
    pTip->GetClientRect(&rc);
    pDC->FillSolidRect(rc, GetColor(COLOR_INFOBK));
    pDC->Draw3dRect(rc, GetColor(COLOR_3DSHADOW), GetColor(COLOR_3DSHADOW));
    CFont* pOldFont = pDC->SelectObject(&m_fntKeyboardTip);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(pTip->IsEnabled() ? COLOR_INFOTEXT : COLOR_GRAYTEXT));
    pDC->DrawText(pTip->GetTipText(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

BOOL CZMRPaintManager::UsesFlatLook(CZMRCommandBar* pBar)
{
    return pBar && pBar->GetType() == zmrBarTypeMenuBar ? m_bFlatMenuBar : m_bFlatToolBar;
}

CSize CZMRPaintManager::GetIconColumnSize(CZMRCommandBar* pBar)
{
    // The base height with its 22-pixel floor; the Default theme uses the raw field.
    const CSize szIcon = pBar ? pBar->GetIconSize() : GetIconSize(FALSE);
    const int nBase = GetBaseHeight();
    return CSize(std::max(nBase + 4, int(szIcon.cx) + 4), std::max(nBase, int(szIcon.cy) + 6));
}
