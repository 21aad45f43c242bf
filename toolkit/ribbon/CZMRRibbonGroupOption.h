// The small option button in the corner of a ribbon group's caption (it
// usually opens a dialog with all the group's settings). Its command id is
// the group's id; the ribbon theme draws it while it belongs to a group.
#pragma once
#include "CZMRControlButton.h"

class CZMRRibbonGroupOption : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRRibbonGroupOption)
public:
    CZMRRibbonGroupOption();

    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
};
