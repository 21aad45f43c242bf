// The paint manager's drawing of status bars: the background, the panes with
// their icon and text or markup, button faces, switches and dividers.
#include "CZMRPaintManager.h"
#include "CZMRFontDC.h"
#include "CZMRImageManager.h"
#include "CZMRStatusBar.h"
#include "CZMRStatusBarPane.h"
#include "ZMRMarkupFacade.h"
#include "ZMRCommandBarDefs.h"

namespace
{
const int kUnbounded = 0x7FFFFFFF;
}

void CZMRPaintManager::PaintStatusBackground(CDC* pDC, CZMRStatusBar* pStatusBar)
{
    CRect rc;
    pStatusBar->GetClientRect(rc);
    if (m_bUseStatusBarTheme && m_themeStatusBar.IsThemeOpenAndActive())
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rc, nullptr);
    else
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
}

void CZMRPaintManager::PaintStatusPaneButton(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane)
{
    CZMRStatusBar* pStatusBar = pPane->GetStatusBar();
    const BOOL bHot = pStatusBar && pStatusBar->m_pHotPane == pPane;
    const int nChecked = (pPane->m_nStyle & CZMRStatusBarPane::zmrPaneChecked) ? 1 : 0;
    if (bHot || pPane->m_bPressed || nChecked)
        DrawStateHighlight(pDC, rcPane, bHot, pPane->m_bPressed, pPane->IsEnabled(), nChecked, FALSE,
                           zmrBarTypeNormal, zmrBarBottom);
}

void CZMRPaintManager::PaintStatusPane(CDC* pDC, CZMRStatusBarPane* pPane, CRect rcPane)
{
    if (!pDC || !pPane)
        return;
    CZMRStatusBar* pStatusBar = pPane->GetStatusBar();
    const BOOL bEnabled = pPane->IsEnabled();
    const BOOL bShowText = bEnabled || (pStatusBar && pStatusBar->m_bDrawDisabledText);

    if (pPane->m_clrBackground != COLORREF(-1))
    {
        CRect rcFill = rcPane;
        if (!(pPane->m_nStyle & CZMRStatusBarPane::zmrPaneNoBorder))
            rcFill.DeflateRect(1, 1);
        pDC->FillSolidRect(rcFill, GetColor(pPane->m_clrBackground));
    }
    if (pPane->m_bButton)
        PaintStatusPaneButton(pDC, rcPane, pPane);

    CFont* pFont = pPane->GetTextFont();
    if (!pFont && pStatusBar && pStatusBar->GetSafeHwnd())
        pFont = pStatusBar->GetFont();
    CZMRFontDC font(pDC, pFont);
    CRect rc(rcPane.left + pPane->m_rcPadding.left, rcPane.top + pPane->m_rcPadding.top,
             rcPane.right - pPane->m_rcPadding.right, rcPane.bottom - pPane->m_rcPadding.bottom);

    COLORREF clrText = m_clrBarText;
    const BOOL bHot = pStatusBar && pStatusBar->m_pHotPane == pPane;
    if (pPane->m_bButton && (pPane->m_bPressed || bHot))
        clrText = GetColor(GetStateTextColor(pPane->m_bPressed, bHot, bEnabled, 0, FALSE, zmrBarTypeNormal,
                                             zmrBarBottom));
    if (bEnabled && pPane->m_clrText != COLORREF(-1))
        clrText = GetColor(pPane->m_clrText);
    if (!bEnabled)
        clrText = GetColor(COLOR_GRAYTEXT);

    CZMRMarkupUIElement* pMarkup = pPane->GetMarkupElement();
    if (pMarkup)
        SetMarkupDefaults(OwningMarkupContext(pMarkup), HFONT(::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT)),
                          clrText);
    const CString strText = pPane->m_strText;
    const BOOL bHasText = pMarkup || !strText.IsEmpty();

    CZMRImageManagerIcon* pIcon = pPane->GetPaneIcon();
    const CSize szIcon = pIcon ? pIcon->GetExtent() : CSize(0, 0);

    // Right or centred content moves over when it is narrower than the pane.
    int nWidth = pMarkup ? MeasureMarkupTree(pMarkup, kUnbounded, kUnbounded).cx
                         : (strText.IsEmpty() ? 0 : int(pDC->GetTextExtent(strText).cx));
    if (pIcon)
        nWidth += szIcon.cx + (bHasText ? 2 : 0);
    if (nWidth < rc.Width())
    {
        if (pPane->m_nTextAlignment == 2)
            rc.left = rc.right - nWidth;
        else if (pPane->m_nTextAlignment == 1)
            rc.left += (rc.Width() - nWidth) / 2;
    }

    if (pIcon && szIcon.cx <= rc.Width())
    {
        const CPoint pt(rc.left, (rc.top + rc.bottom - szIcon.cy) / 2);
        pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalIcon() : pIcon->GetDisabledIcon(), szIcon);
        rc.left += szIcon.cx + 2;
    }

    if (!bShowText)
        return;
    if (pMarkup)
    {
        MeasureMarkupTree(pMarkup, rc.Width(), rc.Height());
        DrawMarkupTree(pMarkup, pDC->GetSafeHdc(), rc);
        return;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    pDC->DrawText(strText, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

int CZMRPaintManager::PaintStatusPaneSwitches(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane)
{
    int nTotal = 0;
    if (!pDC)
    {
        for (int i = 0; i < pPane->GetSwitchCount(); i++)
        {
            pPane->GetSwitch(i).nWidth = 18;
            nTotal += 18;
        }
        return nTotal;
    }

    CZMRStatusBar* pStatusBar = pPane->GetStatusBar();
    CZMRImageManager* pImageManager = pStatusBar ? pStatusBar->GetImageManager() : ::GetImageManager();
    const BOOL bEnabled = pPane->IsEnabled();
    int x = rcPane.left;
    for (int i = 0; i < pPane->GetSwitchCount(); i++)
    {
        const CZMRStatusBarPane::CSwitch& sw = pPane->GetSwitch(i);
        const CRect rc(x, rcPane.top, x + sw.nWidth, rcPane.bottom);
        DrawStateHighlight(pDC, rc, sw.bHot, sw.bPressed, bEnabled, sw.bChecked, FALSE, zmrBarTypeNormal,
                           zmrBarBottom);
        if (CZMRImageManagerIcon* pIcon = pImageManager->GetImage(UINT(sw.nId), 16))
        {
            const CSize sz = pIcon->GetExtent();
            const CPoint pt((rc.left + rc.right - sz.cx) / 2, (rc.top + rc.bottom - sz.cy) / 2);
            DrawImage(pDC, pt.x, pt.y, sz.cx, sz.cy, pIcon, sw.bHot, sw.bPressed, bEnabled, sw.bChecked, FALSE, FALSE);
        }
        x += sw.nWidth;
        nTotal += sw.nWidth;
    }
    return nTotal;
}

void CZMRPaintManager::PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL bGripperPane)
{
    if (m_bUseStatusBarTheme && m_themeStatusBar.IsThemeOpenAndActive())
    {
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), bGripperPane ? 2 : 1, 0, rcPane, nullptr);
        return;
    }
    if (!pPane || !pPane->m_bButton)
        Draw3dRectByIndex(pDC, rcPane, COLOR_3DSHADOW, COLOR_BTNHIGHLIGHT);
}
