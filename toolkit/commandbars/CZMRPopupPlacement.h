// Where a popup bar goes on the screen: a function of the anchor, the size,
// the rectangle to keep clear and the monitor's areas, with no window, so
// that every placement rule can be checked by a table of cases.
#pragma once
#include "Framework.h"
#include <functional>

class CZMRPopupPlacement
{
public:
    // Direction bits of a popup.
    enum
    {
        dirLeft = 0x1,     // right edge at the anchor
        dirBelow = 0x2,    // below (or above) the exclusion rectangle, else beside it
        dirAbove = 0x4     // above the anchor
    };

    struct CInput
    {
        CPoint ptAnchor;
        CSize szPopup;
        CRect rcExclude;         // screen; empty for a point
        DWORD dwDirection = 0;
        CRect rcWork;            // of the monitor at the anchor or of the exclusion rectangle
        CRect rcMonitor;
        BOOL bMayFlip = FALSE;   // opening beside the rectangle is allowed when neither above nor below fits
        // The side-opening exclusion rectangle rebuilt from the opener on a
        // flip; empty: the current one stays.
        CRect rcSideExclude;
        // Lays the popup out again for a height (in columns); none: it scrolls.
        std::function<CSize(int)> fnLayoutForHeight;
    };

    struct COutput
    {
        CRect rcPopup;
        DWORD dwDirection = 0;
        CRect rcExclude;
        BOOL bScroll = FALSE;    // the popup shows only part of its controls
    };

    static COutput Calc(const CInput& in);
};
