// The application button at the left end of the ribbon's tab row or caption
// band; it opens the system popup.
#pragma once
#include "CZMRControlPopup.h"

class CZMRRibbonControlSystemButton : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRRibbonControlSystemButton)
public:
    CZMRRibbonControlSystemButton();

    void Draw(CDC* pDC) override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;
};
