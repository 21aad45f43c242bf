// A button of the row along the bottom edge of the system popup (for
// example Options and Exit), drawn on the skin's button picture.
#pragma once
#include "CZMRControlButton.h"

class CZMRRibbonControlSystemPopupBarButton : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRRibbonControlSystemPopupBarButton)
public:
    CZMRRibbonControlSystemPopupBarButton();

    // The skin's picture is the button's state on a system popup.
    BOOL SuppressesStateFrame() const override;
    // On a system popup: a tool-bar item.
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    CSize GetButtonSize() const override;
    CSize GetIconSize() const override;

protected:
    BOOL IsOnSystemPopup() const;
};
