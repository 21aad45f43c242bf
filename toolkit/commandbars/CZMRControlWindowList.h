// Stands for the list of the MDI child windows, which it inserts after
// itself each time its bar is laid out.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlWindowList : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlWindowList)
public:
    CZMRControlWindowList();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
};
