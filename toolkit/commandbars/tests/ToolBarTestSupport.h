// What the tool-bar tests share: a theme of fixed borders and gripper sizes,
// and a tool bar a test can place at a side or floating without a manager.
#pragma once
#include "CommandBarsTestSupport.h"
#include "CZMRToolBar.h"
#include "CZMRDefaultTheme.h"

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

// The Default theme with the classic system colours, whatever the colours of
// the machine the picture is taken on.
class CClassicColoursTheme : public CZMRDefaultTheme
{
public:
    CClassicColoursTheme()
    {
        RefreshMetrics();
        const int indices[] = {COLOR_3DFACE,  COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DDKSHADOW,
                               COLOR_3DLIGHT, COLOR_BTNTEXT,  COLOR_GRAYTEXT,    COLOR_HIGHLIGHT,
                               COLOR_HIGHLIGHTTEXT, COLOR_WINDOW};
        const COLORREF colours[] = {RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255), RGB(64, 64, 64),
                                    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(128, 128, 128), RGB(10, 36, 106),
                                    RGB(255, 255, 255), RGB(255, 255, 255)};
        SetColors(10, indices, colours);
        m_clrBarText = RGB(0, 0, 0);
    }
};
