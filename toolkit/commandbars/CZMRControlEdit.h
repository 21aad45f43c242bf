// An edit field on a bar.
#pragma once
#include "CZMRControl.h"

class CZMRControlEdit : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlEdit)
public:
    CZMRControlEdit();
};
