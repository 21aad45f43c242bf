// The small button that ends the ribbon's quick-access row and opens the
// ribbon's context menu.
#pragma once
#include "CZMRControlPopup.h"

class CZMRRibbonBarControlQuickAccessPopup : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRRibbonBarControlQuickAccessPopup)
public:
    CZMRRibbonBarControlQuickAccessPopup();

    // As high as a control row, 13/22 of that wide.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;

    // The size both quick-access buttons take on a bar.
    static CSize GetQuickAccessButtonSize(CZMRCommandBar* pBar);
};
