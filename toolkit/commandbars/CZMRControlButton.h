// The push button of command bars and the base of the popup control, of
// most special controls and of the small buttons bars make for themselves.
#pragma once
#include "CZMRControl.h"

class CZMRControlButton : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlButton)
public:
    CZMRControlButton();
};
