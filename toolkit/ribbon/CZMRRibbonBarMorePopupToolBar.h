// The popup of the quick-access controls that have no room on their row,
// drawn in the ribbon's frame and sized like the ribbon's buttons.
#pragma once
#include "CZMRPopupToolBar.h"

class CZMRRibbonBar;

class CZMRRibbonBarMorePopupToolBar : public CZMRPopupToolBar
{
    DECLARE_DYNCREATE(CZMRRibbonBarMorePopupToolBar)
public:
    explicit CZMRRibbonBarMorePopupToolBar(CZMRRibbonBar* pRibbonBar = nullptr);

    CZMRRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }

    // The ribbon theme's frame in place of a gripper.
    void FillBackground(CDC* pDC, const CRect& rcClient) override;
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;

protected:
    CZMRRibbonBar* m_pRibbonBar;
};
