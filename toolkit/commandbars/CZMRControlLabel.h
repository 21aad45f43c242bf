// A text on a bar that is never executed; in customize mode it can be moved.
#pragma once
#include "CZMRControl.h"

class CZMRControlLabel : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlLabel)
public:
    CZMRControlLabel();
    // Labels never light up.
    int GetSelected() const override;
    // Only a customize move, in customize mode.
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
};
