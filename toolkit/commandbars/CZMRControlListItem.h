// What the list controls (window list, bar list, recent files, OLE verbs) and
// custom window controls share in customize mode: they make sense only inside
// a menu, so only popup bars take them when dragged.
#pragma once
#include "Framework.h"

class CZMRCommandBar;

class CZMRControlListItem
{
public:
    // True for popup bars; any other bar refuses the drop and shows no mark.
    static BOOL CanDropOnBar(CZMRCommandBar* pBar, DROPEFFECT& dropEffect);
};
