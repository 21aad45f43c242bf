// Painting the ribbon: the ribbon theme fills the bar and draws the caption
// band, the groups band and the tab strip; the groups and the loose
// controls draw themselves.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRBarManager.h"
#include "CZMRFontDC.h"

void CZMRRibbonBar::PaintBar(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = GetRibbonTheme();
    if (!pTheme)
    {
        // Another theme cannot draw a ribbon: the bar stays a plain bar.
        CZMRMenuBar::PaintBar(pDC);
        return;
    }

    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    CRect rcCommon;

    pDC->SetBkMode(TRANSPARENT);
    CZMRFontDC font(pDC, pTheme->GetBarFont(this));
    pTheme->FillRibbonBar(pDC, this);

    if (rcCommon.IntersectRect(rcClip, m_rcCaption))
    {
        if (m_pFrameHelper)
            pTheme->DrawRibbonFrameCaption(pDC, this, m_pFrameHelper->IsFrameActive());
        else if (m_bCaptionBarShown)
            pTheme->DrawRibbonCaptionBar(pDC, this);
    }

    CZMRRibbonTab* pSelected = GetSelectedTab();
    if (AreGroupsShown())
        pTheme->DrawGroupsBackground(pDC, pSelected, m_rcGroups);

    CZMRTabPaintManager* pTabPaintManager = pTheme->GetTabPaintManager();
    pTabPaintManager->m_bHidePrefixes = !AreKeyboardCuesShown();
    if (m_bTabsVisible && rcCommon.IntersectRect(rcClip, m_rcTabControl))
        pTabPaintManager->DrawTabControl(m_pControlTab, pDC, m_rcTabControl);

    if (pSelected && AreGroupsShown())
    {
        CZMRRibbonGroups* pGroups = pSelected->GetGroups();
        for (int i = 0; i < pGroups->GetCount(); i++)
        {
            CZMRRibbonGroup* pGroup = pGroups->GetAt(i);
            if (pGroup->IsShown() && rcCommon.IntersectRect(rcClip, pGroup->GetRect()))
                pGroup->Draw(pDC, rcClip);
        }
    }

    BOOL bFirst = TRUE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (pControl->GetRibbonGroup() || !pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pTheme->DrawSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        if (rcCommon.IntersectRect(rcClip, pControl->GetRect()))
            pControl->Draw(pDC);
    }

    if (IsCustomizeMode())
    {
        CZMRBarManager* pManager = GetBarManager();
        CZMRControl* pSelection = pManager ? pManager->GetCustomizeSelection() : nullptr;
        if (pSelection && pSelection->GetParent() == this && pSelection->IsVisible())
        {
            CRect rc = pSelection->GetRect();
            pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
        }
        if (!m_rcMarker.IsRectEmpty())
            DrawInsertionMark(pDC);
    }
}
