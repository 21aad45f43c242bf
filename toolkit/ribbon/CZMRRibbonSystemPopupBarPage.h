// A page of the system popup: a full-height popup that a command of the
// system popup's left column opens beside itself.
#pragma once
#include "CZMRPopupBar.h"

class CZMRRibbonSystemPopupBar;

class CZMRRibbonSystemPopupBarPage : public CZMRPopupBar
{
    DECLARE_SERIAL(CZMRRibbonSystemPopupBarPage)
public:
    CZMRRibbonSystemPopupBarPage();

    // At least as high as the system popup's content.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // Beside the command, aligned with the top of the popup's content.
    void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;

    // The system popup whose command opened the page, or none.
    CZMRRibbonSystemPopupBar* GetSystemPopup() const;
};
