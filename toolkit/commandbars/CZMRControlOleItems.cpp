#include "CZMRControlOleItems.h"
#include "CZMRControlListItem.h"

IMPLEMENT_SERIAL(CZMRControlOleItems, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlOleItems::CZMRControlOleItems()
{
}

BOOL CZMRControlOleItems::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}
