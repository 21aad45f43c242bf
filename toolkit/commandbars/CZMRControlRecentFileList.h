// Stands for the application's recent files, one item each.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlRecentFileList : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlRecentFileList)
public:
    CZMRControlRecentFileList();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
};
