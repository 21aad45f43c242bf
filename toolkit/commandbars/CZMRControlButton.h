// The push button of command bars and the base of the popup control, of
// most special controls and of the small buttons bars make for themselves.
#pragma once
#include "CZMRControl.h"

// Timer of the auto-repeat of a held button, on the bar window.
enum
{
    ZMR_TIMER_EXECUTEONPRESS = 4269
};

class CZMRControlButton : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlButton)
public:
    CZMRControlButton();

    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    // States older than schema 18 kept the button style after the control's keys.
    void DoPropExchange(CZMRPropExchange* pPX) override;

    // The modal press loop over the rectangle (empty: the control's):
    // executes on a release inside, or repeatedly while held with an
    // auto-repeat interval.
    void TrackPress(CRect rcPress = CRect(0, 0, 0, 0));
    // A button stays shown pressed while its command runs, except on popups.
    BOOL CanStayPressed() const;
};
