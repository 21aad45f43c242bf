// What the tool-bar tests share: a theme of fixed borders and gripper sizes,
// and a tool bar a test can place at a side or floating without a manager.
#pragma once
#include "CommandBarsTestSupport.h"
#include "CZMRToolBar.h"

// Borders of 2, a gripper of 5 across the start of a docked bar and a caption
// strip 14 high on a floating one, whatever the fonts.
class CGripperTheme : public CSeparatorTheme
{
public:
    CRect GetBarBorderWidths(CZMRCommandBar*) override { return CRect(2, 2, 2, 2); }
    CSize DrawGripper(CDC*, CZMRCommandBar* pBar, BOOL) override
    {
        switch (pBar->GetPosition())
        {
        case zmrBarFloating:
            return CSize(0, 14);
        case zmrBarLeft:
        case zmrBarRight:
            return CSize(0, 5);
        default:
            return CSize(5, 0);
        }
    }
};

class CPlacedToolBar : public CZMRToolBar
{
public:
    void Place(int nPosition) { m_barPosition = nPosition; }
};
