// The groups' scroll buttons and the hot group of bars that show ribbon
// groups. Scrolling itself stays with the bars for now: the buttons only
// show and hide.
#include "CZMRRibbonScrollableBar.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControls.h"

CZMRRibbonScrollableBar::CControlGroupsScroll::CControlGroupsScroll(int nDirection) : m_nDirection(nDirection)
{
    m_dwFlags = zmrFlagSkipFocus | zmrFlagNoMovable;
}

void CZMRRibbonScrollableBar::CControlGroupsScroll::Draw(CDC* pDC)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent()))
        pTheme->DrawGroupScrollButton(pDC, this, m_nDirection == 1);
}

CZMRRibbonScrollableBar::CZMRRibbonScrollableBar()
    : m_nScrollOffset(0), m_pOwningBar(nullptr), m_pScrollLeft(nullptr), m_pScrollRight(nullptr),
      m_pHotGroup(nullptr)
{
}

void CZMRRibbonScrollableBar::ScrollGroups(BOOL /*bLeft*/)
{
}

CRect CZMRRibbonScrollableBar::GetGroupsRect() const
{
    return CRect(0, 0, 0, 0);
}

CZMRRibbonGroup* CZMRRibbonScrollableBar::HitTestGroup(CPoint /*point*/) const
{
    return nullptr;
}

void CZMRRibbonScrollableBar::CreateScrollButtons(CZMRCommandBar* pBar)
{
    m_pOwningBar = pBar;
    m_nScrollOffset = 0;
    m_pScrollRight = new CControlGroupsScroll(0);
    pBar->GetControls()->Append(m_pScrollRight);
    m_pScrollLeft = new CControlGroupsScroll(1);
    pBar->GetControls()->Append(m_pScrollLeft);
    m_pScrollRight->SetHideFlags(zmrHideInternal);
    m_pScrollLeft->SetHideFlags(zmrHideInternal);
}

void CZMRRibbonScrollableBar::ShowScrollButtons(BOOL bLeft, BOOL bRight)
{
    if (!m_pScrollLeft || !m_pScrollRight)
        return;
    const CRect rcGroups = GetGroupsRect();
    struct
    {
        CControlGroupsScroll* pButton;
        BOOL bShow;
        CRect rc;
    } buttons[] = {
        {m_pScrollLeft, bLeft, CRect(rcGroups.left - 1, rcGroups.top, rcGroups.left + 12, rcGroups.bottom)},
        {m_pScrollRight, bRight, CRect(rcGroups.right - 12, rcGroups.top, rcGroups.right + 1, rcGroups.bottom)},
    };
    for (auto& button : buttons)
    {
        const DWORD dwHide = button.pButton->GetHideFlags();
        if (button.bShow)
        {
            button.pButton->SetHideFlags(dwHide & ~DWORD(zmrHideInternal));
            button.pButton->SetRect(button.rc);
        }
        else
        {
            button.pButton->SetHideFlags(dwHide | zmrHideInternal);
        }
    }
}

void CZMRRibbonScrollableBar::ScrollIntoView(CZMRRibbonGroups* /*pGroups*/, int /*nLeft*/, int /*nRight*/)
{
}

void CZMRRibbonScrollableBar::SetHotGroup(CZMRRibbonGroup* pGroup)
{
    if (pGroup == m_pHotGroup)
        return;
    if (m_pHotGroup && m_pOwningBar)
    {
        const CRect rc = m_pHotGroup->GetRect();
        m_pOwningBar->Redraw(&rc, TRUE);
    }
    m_pHotGroup = pGroup;
    if (m_pHotGroup && m_pOwningBar)
    {
        const CRect rc = m_pHotGroup->GetRect();
        m_pOwningBar->Redraw(&rc, TRUE);
    }
}
