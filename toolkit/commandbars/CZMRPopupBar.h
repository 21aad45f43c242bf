// The command bar that shows a menu: it opens next to the control that owns
// it (or at a point), lays its controls out in a column and closes when a
// command is chosen.
#pragma once
#include "CZMRCommandBar.h"

class CZMRPopupBar : public CZMRCommandBar
{
    DECLARE_SERIAL(CZMRPopupBar)
public:
    CZMRPopupBar();

    // A popup bar of the manager's popup-bar class for the manager, without
    // a window yet; one reference for the caller.
    static CZMRPopupBar* CreatePopupBar(CZMRBarManager* pBarManager);

    // The control whose popup this is; none for a context menu.
    CZMRControl* GetControlPopup() const { return m_pControlPopup; }
    void SetControlPopup(CZMRControl* pControlPopup) { m_pControlPopup = pControlPopup; }

    // The icon column of the popup (the gripper style bit).
    void SetGripperShown(BOOL bShown)
    {
        SetBarStyle(bShown ? GetBarStyle() | zmrBarStyleGripper : GetBarStyle() & ~DWORD(zmrBarStyleGripper));
    }

    BOOL IsVisible() const override;
    // The bar of the opener control.
    CZMRCommandBar* GetParentBar() const override;
    BOOL IsPopupBar() const override;
    // Shows the rarely used controls that the popup hides until expanded.
    virtual void Expand();

protected:
    CZMRControl* m_pControlPopup;
};
