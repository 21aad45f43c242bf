// The caption over the system popup's right column ("Recent Documents"),
// underlined by an edge of two lines.
#pragma once
#include "CZMRControl.h"

class CZMRRibbonControlSystemPopupBarListCaption : public CZMRControl
{
    DECLARE_SERIAL(CZMRRibbonControlSystemPopupBarListCaption)
public:
    CZMRRibbonControlSystemPopupBarListCaption();

    // Its width and height.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
};
