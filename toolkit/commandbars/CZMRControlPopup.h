// A button that owns a popup bar (popup, button popup and split button
// popup): it opens and closes that bar, and copies and compares with it.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlPopup : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlPopup)
public:
    CZMRControlPopup();
    ~CZMRControlPopup() override;

    BOOL Compare(CZMRControl* pOther) override;
    CZMRCommandBar* GetCommandBar() const override;
    BOOL IsPopupOpen() const override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;

    // Releases the old popup bar and takes a reference on the new one.
    void SetCommandBar(CZMRCommandBar* pCommandBar);

protected:
    BOOL m_bPopup;                   // the popup is open
    CZMRCommandBar* m_pCommandBar;
    int m_nSavedBarId;               // read while loading, used once to find the bar again
    BOOL m_bShadowUnderControl;
};
