// A button drawn with a check box.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlCheckBox : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlCheckBox)
public:
    CZMRControlCheckBox();
};
