// Where the context headers of a ribbon go: tabs that share a context colour
// and caption gather under one header in the caption band, the headers are
// fitted between the free edges of the band, and the caption text moves out
// of their way. A function of the tabs' places and the band's rectangles,
// with no window, so that the rules can be checked by tables of cases.
#pragma once
#include "Framework.h"
#include <vector>

class CZMRRibbonContextHeaderLayout
{
public:
    struct CTab
    {
        BOOL bVisible = TRUE;
        int nContextColor = 0;       // 0: no context
        CString strContextCaption;
        int nLeft = 0;               // the tab's rectangle along the strip
        int nRight = 0;
    };

    struct CHeader
    {
        int nFirst = 0;              // tab indexes
        int nLast = 0;
        CString strCaption;
        int nColor = 0;
        CRect rc;
    };

    struct CInput
    {
        std::vector<CTab> tabs;
        CRect rcCaption;             // the caption band
        CRect rcFree;                // the part the quick-access toolbar leaves
        CRect rcCaptionText;
        BOOL bFrameHelper = FALSE;
        BOOL bQuickAccessInCaption = FALSE;   // visible and not below the groups
        CRect rcQuickAccess;
        int nCustomizeWidth = -1;    // width of the quick-access customize button; -1 none
    };

    struct COutput
    {
        std::vector<CHeader> headers;
        std::vector<int> tabHeaders;  // header index of each tab, -1 none
        CRect rcFree;
        CRect rcCaptionText;
    };

    static COutput Calc(const CInput& in);

private:
    // Moves the headers inside [nLeft, nRight]; false when they do not fit.
    static BOOL Fit(std::vector<CHeader>& headers, int nLeft, int nRight);
};
