// The system button, drawn by the ribbon theme.
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonTheme.h"

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

CZMRControl* CZMRRibbonControlSystemButton::Clone(BOOL bRecursive)
{
    CZMRRibbonControlSystemButton* pClone = new CZMRRibbonControlSystemButton;
    pClone->Copy(this, bRecursive);
    return pClone;
}
