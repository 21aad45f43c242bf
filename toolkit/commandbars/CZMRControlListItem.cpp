#include "CZMRControlListItem.h"
#include "CZMRCommandBar.h"

BOOL CZMRControlListItem::CanDropOnBar(CZMRCommandBar* pBar, DROPEFFECT& dropEffect)
{
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        return TRUE;
    dropEffect = DROPEFFECT_NONE;
    return FALSE;
}
