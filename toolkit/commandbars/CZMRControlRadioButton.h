// A button drawn with a radio button.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlRadioButton : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlRadioButton)
public:
    CZMRControlRadioButton();
};
