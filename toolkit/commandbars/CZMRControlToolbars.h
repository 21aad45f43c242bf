// Stands for the list of the manager's bars, each with a show or hide item.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlToolbars : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlToolbars)
public:
    CZMRControlToolbars();
};
