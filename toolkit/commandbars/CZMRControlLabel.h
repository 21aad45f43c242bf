// A text on a bar that is never executed.
#pragma once
#include "CZMRControl.h"

class CZMRControlLabel : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlLabel)
public:
    CZMRControlLabel();
};
