// The ribbon's bands as a function of its switches and metrics: where the
// caption band, tab row, groups band and quick-access row go, and how high
// the ribbon is.
#include "RibbonTestSupport.h"

namespace
{
// A 600 px ribbon: tab row 23, groups 93, caption band 26, quick-access row 26.
ZMR_RIBBON_LAYOUT_INPUT Input()
{
    ZMR_RIBBON_LAYOUT_INPUT in;
    in.nWidth = 600;
    in.nTabsHeight = 23;
    in.nGroupsHeight = 93;
    in.nCaptionHeight = 26;
    in.nCaptionTopOffset = 0;
    in.nFrameBorder = 0;
    in.bCaptionBand = TRUE;
    in.bFrameHelper = FALSE;
    in.nQuickAccessHeight = 26;
    in.bQuickAccessVisible = TRUE;
    in.bQuickAccessBelow = FALSE;
    return in;
}

struct CLayoutCase
{
    const char* name;
    ZMR_RIBBON_LAYOUT_INPUT in;
    CRect rcTabRow;
    CRect rcGroups;
    CRect rcCaption;
    CRect rcCaptionText;
    CRect rcCaptionFree;
    CRect rcQuickAccess;
};

template <class F>
ZMR_RIBBON_LAYOUT_INPUT With(F change)
{
    ZMR_RIBBON_LAYOUT_INPUT in = Input();
    change(in);
    return in;
}

const CRect kEmpty(0, 0, 0, 0);

const CLayoutCase kLayouts[] = {
    {"own caption band, quick access in it", Input(),
     CRect(2, 26, 598, 49), CRect(0, 49, 600, 142), CRect(0, 0, 600, 26), kEmpty, CRect(0, 0, 600, 26),
     CRect(49, -2, 600, 23)},
    {"no caption band: the rows start at the top",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) { in.bCaptionBand = FALSE; in.nCaptionHeight = 0; }),
     CRect(2, 0, 598, 23), CRect(0, 23, 600, 116), kEmpty, kEmpty, kEmpty, CRect(49, 2, 0, 27)},
    {"quick access below the groups",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) { in.bQuickAccessBelow = TRUE; }),
     CRect(2, 26, 598, 49), CRect(0, 49, 600, 142), CRect(0, 0, 600, 26), kEmpty, CRect(0, 0, 600, 26),
     CRect(0, 142, 600, 168)},
    {"below but hidden: the caption's place",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) { in.bQuickAccessBelow = TRUE; in.bQuickAccessVisible = FALSE; }),
     CRect(2, 26, 598, 49), CRect(0, 49, 600, 142), CRect(0, 0, 600, 26), kEmpty, CRect(0, 0, 600, 26),
     CRect(49, -2, 600, 23)},
    {"groups hidden: an empty band under the tab row",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) { in.nGroupsHeight = 0; }),
     CRect(2, 26, 598, 49), CRect(0, 49, 600, 49), CRect(0, 0, 600, 26), kEmpty, CRect(0, 0, 600, 26),
     CRect(49, -2, 600, 23)},
    {"frame helper: the caption reaches over the frame's borders",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) { in.bFrameHelper = TRUE; in.nFrameBorder = 8; }),
     CRect(2, 26, 598, 49), CRect(0, 49, 600, 142), CRect(-8, -8, 608, 26), CRect(0, 0, 600, 26),
     CRect(0, 0, 600, 26), CRect(49, -2, 608, 23)},
    {"frame on glass: the caption starts below the top border",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) {
         in.bFrameHelper = TRUE;
         in.nFrameBorder = 8;
         in.nCaptionTopOffset = 8;
     }),
     CRect(2, 34, 598, 57), CRect(0, 57, 600, 150), CRect(-8, 0, 608, 34), CRect(0, 0, 600, 34),
     CRect(0, 0, 600, 34), CRect(49, 6, 608, 31)},
    {"tabs hidden count 2",
     With([](ZMR_RIBBON_LAYOUT_INPUT& in) { in.nTabsHeight = 2; }),
     CRect(2, 26, 598, 28), CRect(0, 28, 600, 121), CRect(0, 0, 600, 26), kEmpty, CRect(0, 0, 600, 26),
     CRect(28, -2, 600, 23)},
};
} // namespace

TEST(RibbonLayout, BandsForEachArrangement)
{
    for (const CLayoutCase& c : kLayouts)
    {
        SCOPED_TRACE(c.name);
        const ZMR_RIBBON_LAYOUT out = CZMRRibbonBar::CalcRibbonLayout(c.in);
        EXPECT_EQ(c.rcTabRow, out.rcTabRow);
        EXPECT_EQ(c.rcGroups, out.rcGroups);
        EXPECT_EQ(c.rcCaption, out.rcCaption);
        EXPECT_EQ(c.rcCaptionText, out.rcCaptionText);
        EXPECT_EQ(c.rcCaptionFree, out.rcCaptionFree);
        EXPECT_EQ(c.rcQuickAccess, out.rcQuickAccess);
    }
}

TEST(RibbonLayout, HeightOfTheRibbon)
{
    const struct
    {
        const char* name;
        BOOL bGroupsShown;
        BOOL bBelow;
        int nGroupsHeight;
        int nExpected;
    } cases[] = {
        {"groups shown, quick access above", TRUE, FALSE, 93, 23 + 26 + 93},
        {"groups shown, quick access below", TRUE, TRUE, 93, 23 + 26 + 93 + 27},
        {"groups hidden, quick access above: 2 px below the tab row", FALSE, FALSE, 0, 23 + 26 + 2},
        {"groups hidden, quick access below", FALSE, TRUE, 0, 23 + 26 + 27},
    };
    for (const auto& c : cases)
    {
        ZMR_RIBBON_LAYOUT_INPUT in = Input();
        in.bQuickAccessBelow = c.bBelow;
        in.nGroupsHeight = c.nGroupsHeight;
        EXPECT_EQ(c.nExpected, CZMRRibbonBar::CalcRibbonHeight(in, c.bGroupsShown)) << c.name;
    }
    ZMR_RIBBON_LAYOUT_INPUT in = Input();
    in.nCaptionTopOffset = 8;
    EXPECT_EQ(23 + 26 + 8 + 93, CZMRRibbonBar::CalcRibbonHeight(in, TRUE)) << "the glass offset counts";
}
