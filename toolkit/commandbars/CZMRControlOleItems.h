// Stands for the verbs of the selected OLE item.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlOleItems : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlOleItems)
public:
    CZMRControlOleItems();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
};
