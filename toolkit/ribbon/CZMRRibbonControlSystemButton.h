// The application button at the left end of the ribbon's tab row or caption
// band; it opens the system popup.
#pragma once
#include "CZMRControlPopup.h"

// The system command a double click on the system button sends: close, with
// 3 in the four low bits the system keeps for itself.
enum
{
    ZMR_SC_SYSTEMBUTTON_CLOSE = SC_CLOSE | 3
};

class CZMRRibbonControlSystemButton : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRRibbonControlSystemButton)
public:
    CZMRRibbonControlSystemButton();

    void Draw(CDC* pDC) override;
    // Closes the open popups and asks the site window to close.
    BOOL OnLButtonDblClk(CPoint point) override;
    // The system popup overlaps the lower part of the button when the
    // ribbon shows its caption band and its tabs.
    void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;
};
