// Opens a stand-in popup for a ribbon control whose own popup (a group's or
// a tab's) is not built: an empty popup tool bar of the manager, held by
// the control and opened below it.
#pragma once
#include "Framework.h"

class CZMRControlPopup;
class CZMRBarManager;

// False when no popup could be made.
BOOL OpenRibbonPopupToolBar(CZMRControlPopup* pControl, CZMRBarManager* pBarManager);
