#include "CZMRControlWindowList.h"
#include "CZMRControlListItem.h"

IMPLEMENT_SERIAL(CZMRControlWindowList, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlWindowList::CZMRControlWindowList()
{
}

BOOL CZMRControlWindowList::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}
