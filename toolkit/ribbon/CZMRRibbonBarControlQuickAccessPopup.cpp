// The quick-access customize button. Its menu comes with the ribbon's
// context menu; until then it opens nothing.
#include "CZMRRibbonBarControlQuickAccessPopup.h"
#include "CZMRRibbonTheme.h"

IMPLEMENT_SERIAL(CZMRRibbonBarControlQuickAccessPopup, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonBarControlQuickAccessPopup::CZMRRibbonBarControlQuickAccessPopup()
{
    m_dwFlags = zmrFlagManualUpdate | zmrFlagNoMovable;
    m_bTemporary = TRUE;
}

CSize CZMRRibbonBarControlQuickAccessPopup::GetQuickAccessButtonSize(CZMRCommandBar* pBar)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(pBar);
    const int nRowHeight = pTheme ? pTheme->GetControlRowHeight() : 22;
    return CSize(nRowHeight * 13 / 22, nRowHeight);
}

CSize CZMRRibbonBarControlQuickAccessPopup::GetSize(CDC* /*pDC*/)
{
    return GetQuickAccessButtonSize(GetParent());
}

void CZMRRibbonBarControlQuickAccessPopup::Draw(CDC* pDC)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent()))
        pTheme->DrawQuickAccessCustomizeButton(pDC, this);
}

CZMRControl* CZMRRibbonBarControlQuickAccessPopup::Clone(BOOL bRecursive)
{
    CZMRRibbonBarControlQuickAccessPopup* pClone = new CZMRRibbonBarControlQuickAccessPopup;
    pClone->Copy(this, bRecursive);
    return pClone;
}
