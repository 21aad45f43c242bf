// Stands for the tab-group commands of the MDI tab workspace.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlWorkspaceActions : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlWorkspaceActions)
public:
    CZMRControlWorkspaceActions();
};
