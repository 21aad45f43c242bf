// The snapshot of a bar's controls as the program made them, against which
// customisation and saved states are compared.
#pragma once
#include "CZMRControls.h"

class CZMROriginalControls : public CZMRControls
{
    DECLARE_DYNCREATE(CZMROriginalControls)
public:
    CZMROriginalControls();
};
