// The system button, drawn by the ribbon theme.
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonSystemPopupBar.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"

IMPLEMENT_SERIAL(CZMRRibbonControlSystemButton, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlSystemButton::CZMRRibbonControlSystemButton()
{
    m_dwFlags = zmrFlagManualUpdate | zmrFlagNoMovable;
}

void CZMRRibbonControlSystemButton::Draw(CDC* pDC)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent()))
        pTheme->DrawSystemButton(pDC, this, GetRect());
    else
        CZMRControlPopup::Draw(pDC);
}

BOOL CZMRRibbonControlSystemButton::OnLButtonDblClk(CPoint /*point*/)
{
    if (CZMRBarManager* pManager = GetBarManager())
        pManager->CancelTracking();
    CWnd* pSite = m_pParent ? m_pParent->GetSite() : nullptr;
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(WM_SYSCOMMAND, WPARAM(ZMR_SC_SYSTEMBUTTON_CLOSE), 0);
    return TRUE;
}

void CZMRRibbonControlSystemButton::AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical)
{
    CZMRRibbonBar* pRibbonBar = m_pParent && m_pParent->IsRibbonBar() ? static_cast<CZMRRibbonBar*>(m_pParent) : nullptr;
    if (pRibbonBar && pRibbonBar->IsCaptionBandShown() && pRibbonBar->IsTabsVisible() && m_pCommandBar &&
        m_pCommandBar->IsKindOf(RUNTIME_CLASS(CZMRRibbonSystemPopupBar)))
    {
        rcAvoid.bottom -= 18;
        return;
    }
    CZMRControlPopup::AdjustAvoidRect(rcAvoid, bVertical);
}

CZMRControl* CZMRRibbonControlSystemButton::Clone(BOOL bRecursive)
{
    CZMRRibbonControlSystemButton* pClone = new CZMRRibbonControlSystemButton;
    pClone->Copy(this, bRecursive);
    return pClone;
}
