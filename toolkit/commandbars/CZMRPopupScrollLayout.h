// Which controls of a popup taller than the screen are in view, where they
// stand and where its scroll areas are: a function of the controls' heights,
// the popup's size and the scrolled range, with no window, so that each rule
// can be checked by a table of cases.
#pragma once
#include "Framework.h"
#include <vector>

class CZMRPopupScrollLayout
{
public:
    // Height of each scroll area.
    enum { AreaHeight = 16 };

    struct CItem
    {
        int nHeight = 0;
        BOOL bVisible = FALSE;       // shown when the popup is not scrolled
        BOOL bBeginGroup = FALSE;
    };

    struct CInput
    {
        std::vector<CItem> items;
        CSize szPopup;
        // Left, top, right, bottom space the controls keep clear of (borders,
        // tear-off strip, expand button and gripper included).
        CRect rcBorders;
        int nSeparator = 0;          // height of the gap before a group
        int nFirst = 0;              // first control in view
        int nEnd = 0;                // one past the last control in view
        BOOL bFromEnd = FALSE;       // the range is fixed by its end, else by its start
    };

    struct COutput
    {
        std::vector<CRect> rects;    // empty for a control out of view
        int nFirst = 0;
        int nEnd = 0;
        CRect rcScrollUp;            // empty when nothing is above
        CRect rcScrollDown;          // empty when nothing is below
    };

    static COutput Calc(const CInput& in);
};
