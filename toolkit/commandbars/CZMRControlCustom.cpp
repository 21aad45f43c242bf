#include "CZMRControlCustom.h"
#include "CZMRControlListItem.h"

IMPLEMENT_SERIAL(CZMRControlCustom, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlCustom::CZMRControlCustom()
{
}

BOOL CZMRControlCustom::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}
