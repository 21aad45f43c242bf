// The ribbon theme's tab paint manager: flat property-page tabs as deep as
// the theme's tab row, each drawn by the theme, with the ribbon's rule for
// tab text colours.
#include "CZMRRibbonTheme.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRTabManagerItem.h"

CZMRTabPaintManager* CZMRRibbonTheme::CreateTabPaintManager()
{
    CZMRTabPaintManager* pPaintManager = new CZMRTabPaintManager;
    pPaintManager->SetAppearanceSet(new CRibbonAppearanceSet(this));
    pPaintManager->SetLayout(zmrTabLayoutSizeToFit);
    pPaintManager->SetColorSet(new CRibbonColorSet);
    pPaintManager->m_bFillBackground = FALSE;
    pPaintManager->m_bHotTracking = TRUE;
    pPaintManager->m_nClientFrame = 1;
    pPaintManager->m_bNoPrefix = FALSE;
    pPaintManager->m_rcItemPadding.SetRect(0, 2, 0, 2);
    pPaintManager->m_rcTextMargins.SetRect(4, 0, 4, 0);
    pPaintManager->m_nExtraItemWidth = 21;
    pPaintManager->m_bEndEllipsis = FALSE;
    pPaintManager->m_bDrawFocusRect = FALSE;
    pPaintManager->m_nTooltipMode = 2;
    pPaintManager->m_bClearType = m_bClearTypeTextQuality;
    pPaintManager->m_bClipToHeader = FALSE;
    return pPaintManager;
}

// ---------------------------------------------------------------- appearance

CZMRRibbonTheme::CRibbonAppearanceSet::CRibbonAppearanceSet(CZMRRibbonTheme* pTheme) : m_pTheme(pTheme)
{
    m_rcHeaderMargin.SetRect(0, 1, 0, 0);
}

int CZMRRibbonTheme::CRibbonAppearanceSet::GetHeaderHeight(CZMRTabManager* /*pManager*/)
{
    return m_pTheme->m_nTabsHeight + 1;
}

void CZMRRibbonTheme::CRibbonAppearanceSet::DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem)
{
    m_pTheme->DrawRibbonTab(pDC, pItem);
    m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
}

// ---------------------------------------------------------------- text colours

void CZMRRibbonTheme::CRibbonColorSet::SetTextColor(CDC* pDC, CZMRTabManagerItem* pItem)
{
    const CRibbonTabState state = GetRibbonTabState(pItem);
    const BOOL bSelected = state.bSelected, bHot = state.bHot;

    COLORREF clr;
    if (!pItem->IsEnabled())
        clr = m_clrTextDisabled;
    else if (bSelected)
        clr = m_clrTextSelected;
    else if (bHot)
        clr = m_clrTextHot;
    else
        clr = m_clrTextNormal;
    pDC->SetTextColor(clr);
}
