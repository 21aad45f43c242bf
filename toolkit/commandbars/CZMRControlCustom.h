// Any child window hosted on a bar as a control.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlCustom : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlCustom)
public:
    CZMRControlCustom();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
};
