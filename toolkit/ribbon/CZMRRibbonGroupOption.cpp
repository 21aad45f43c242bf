#include "CZMRRibbonGroupOption.h"
#include "CZMRRibbonTheme.h"

IMPLEMENT_SERIAL(CZMRRibbonGroupOption, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonGroupOption::CZMRRibbonGroupOption()
{
}

CSize CZMRRibbonGroupOption::GetSize(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent());
    if (!GetRibbonGroup() || !pTheme)
        return CZMRControlButton::GetSize(pDC);
    CSize sz;
    return pTheme->DrawGroupOptionButton(sz, pDC, this, FALSE);
}

void CZMRRibbonGroupOption::Draw(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent());
    if (!GetRibbonGroup() || !pTheme)
    {
        CZMRControlButton::Draw(pDC);
        return;
    }
    CSize sz;
    pTheme->DrawGroupOptionButton(sz, pDC, this, TRUE);
}
