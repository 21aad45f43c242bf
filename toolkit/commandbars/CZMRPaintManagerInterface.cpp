// What the paint manager draws and answers itself where a theme does not:
// bar borders, the dock and MDI backgrounds, status-bar edges and gripper,
// and the operations that are left empty for the themes.
#include "CZMRPaintManager.h"
#include "CZMRPenDC.h"
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
// These read the control model, the bars, the status bar and the keyboard
// tips. Until those classes are in, they draw nothing, measure nothing and
// answer as for an enabled control on a horizontal tool bar.

COLORREF CZMRPaintManager::GetEditFieldBackColor(CZMRControl* /*pControl*/)
{
    return GetColor(COLOR_WINDOW);
}

void CZMRPaintManager::DrawControlStateRect(CDC* /*pDC*/, CZMRControl* /*pControl*/)
{
}

void CZMRPaintManager::PaintStatusPaneButton(CDC* /*pDC*/, CRect /*rcPane*/, CZMRStatusBarPane* /*pPane*/)
{
}

int CZMRPaintManager::PaintStatusPaneSwitches(CDC* /*pDC*/, CRect /*rcPane*/, CZMRStatusBarPane* /*pPane*/)
{
    return 0;
}

void CZMRPaintManager::PaintStatusPaneDivider(CDC* /*pDC*/, CRect /*rcPane*/, CZMRStatusBarPane* /*pPane*/,
                                              BOOL /*bGripperPane*/)
{
}

void CZMRPaintManager::PaintFloatingCaption(CDC* /*pDC*/, CZMRToolBar* /*pBar*/)
{
}

void CZMRPaintManager::PaintFloatingCaptionButton(CDC* /*pDC*/, CZMRCaptionButton* /*pButton*/)
{
}

void CZMRPaintManager::PaintStatusBackground(CDC* /*pDC*/, CZMRStatusBar* /*pStatusBar*/)
{
}

CFont* CZMRPaintManager::GetControlFont(CZMRControl* /*pControl*/)
{
    return &m_fntRegular;
}

CFont* CZMRPaintManager::GetBarFont(CZMRCommandBar* /*pBar*/)
{
    return &m_fntRegular;
}

int CZMRPaintManager::GetControlTextDirection(CZMRControl* /*pControl*/)
{
    return 2;
}

int CZMRPaintManager::GetPopupIconColumnWidth(CZMRCommandBar* /*pBar*/)
{
    return 0;
}

void CZMRPaintManager::PaintKeyboardTipWindow(CDC* /*pDC*/, CZMRCommandBarKeyboardTip* /*pTip*/, BOOL /*bPrepare*/)
{
}

BOOL CZMRPaintManager::UsesFlatLook(CZMRCommandBar* /*pBar*/)
{
    return m_bFlatToolBar;
}

CSize CZMRPaintManager::GetIconColumnSize(CZMRCommandBar* /*pBar*/)
{
    const CSize szIcon = GetIconSize(FALSE);
    return CSize(std::max(m_nBaseHeight + 4, int(szIcon.cx) + 4), std::max(m_nBaseHeight, int(szIcon.cy) + 6));
}
