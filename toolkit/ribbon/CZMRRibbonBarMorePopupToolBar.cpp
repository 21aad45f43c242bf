#include "CZMRRibbonBarMorePopupToolBar.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"

IMPLEMENT_DYNCREATE(CZMRRibbonBarMorePopupToolBar, CZMRPopupToolBar)

CZMRRibbonBarMorePopupToolBar::CZMRRibbonBarMorePopupToolBar(CZMRRibbonBar* pRibbonBar) : m_pRibbonBar(pRibbonBar)
{
    SetPopupBorders(CRect(3, 3, 3, 3));
    SetHoverOpen(FALSE);
    SetGripperShown(FALSE);
}

void CZMRRibbonBarMorePopupToolBar::FillBackground(CDC* pDC, const CRect& rcClient)
{
    CZMRPopupToolBar::FillBackground(pDC, rcClient);
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(this))
        pTheme->FillMorePopupToolBar(pDC, this);
}

CSize CZMRRibbonBarMorePopupToolBar::GetIconSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetIconSize() : CZMRPopupToolBar::GetIconSize();
}

CSize CZMRRibbonBarMorePopupToolBar::GetButtonSize() const
{
    return m_pRibbonBar ? m_pRibbonBar->GetButtonSize() : CZMRPopupToolBar::GetButtonSize();
}
