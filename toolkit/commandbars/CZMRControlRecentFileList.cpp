#include "CZMRControlRecentFileList.h"
#include "CZMRControlListItem.h"

IMPLEMENT_SERIAL(CZMRControlRecentFileList, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlRecentFileList::CZMRControlRecentFileList()
{
}

BOOL CZMRControlRecentFileList::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}
