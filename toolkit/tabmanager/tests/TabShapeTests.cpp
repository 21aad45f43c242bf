// The tab outlines as geometry: the turn of the upright form to each
// position, the slanted and rounded shapes and the stacked bars.
#include "CZMRTabShapes.h"
#include "CZMRTabManager.h"
#include <gtest/gtest.h>

using namespace CZMRTabShapes;

namespace
{
// Item (10, 20, 50, 30): 40 along a horizontal strip, 10 across.
TEST(TabShapes, TheUprightFormTurnsToFaceTheClient)
{
    struct
    {
        const char* lpszName;
        CRect rcItem;
        int nPosition;
        CPoint ptFarStart;    // the upright (left, top) pixel: far side, start
        CPoint ptClientEnd;   // the upright (right - 1, bottom - 1) pixel: client side, end
        CRect rcFarEdge;      // the upright top row
    } cases[] = {
        { "top", CRect(10, 20, 50, 30), zmrTabPositionTop, CPoint(10, 20), CPoint(49, 29), CRect(10, 20, 50, 21) },
        { "bottom", CRect(10, 20, 50, 30), zmrTabPositionBottom, CPoint(10, 29), CPoint(49, 20), CRect(10, 29, 50, 30) },
        { "left", CRect(20, 10, 30, 50), zmrTabPositionLeft, CPoint(20, 10), CPoint(29, 49), CRect(20, 10, 21, 50) },
        { "right", CRect(20, 10, 30, 50), zmrTabPositionRight, CPoint(29, 10), CPoint(20, 49), CRect(29, 10, 30, 50) },
    };
    for (const auto& c : cases)
    {
        const CTurn turn(c.rcItem, c.nPosition);
        const CRect rcUp = turn.Upright();
        EXPECT_EQ(CSize(40, 10), rcUp.Size()) << c.lpszName;
        EXPECT_EQ(c.ptFarStart, turn.Point(rcUp.left, rcUp.top)) << c.lpszName;
        EXPECT_EQ(c.ptClientEnd, turn.Point(rcUp.right - 1, rcUp.bottom - 1)) << c.lpszName;
        EXPECT_EQ(c.rcFarEdge, turn.Rect(CRect(rcUp.left, rcUp.top, rcUp.right, rcUp.top + 1))) << c.lpszName;
        EXPECT_EQ(c.rcItem, turn.Rect(rcUp)) << c.lpszName;
    }
}

TEST(TabShapes, SlantedTabsVertexLists)
{
    // L, T, R, B = 10, 0, 60, 20: H = 20, h = 10, q = 5.
    const CRect rc(10, 0, 60, 20);
    const CSlantedTab office = Office2003Tab(rc);
    EXPECT_EQ((CPoints{ { 59, 19 }, { 59, 2 }, { 14, 2 }, { -2, 18 } }), office.face);
    EXPECT_EQ((CPoints{ { 60, 18 }, { 60, 2 }, { 58, 0 }, { 17, 0 }, { 12, 2 }, { -4, 18 }, { -6, 18 } }), office.outline);
    EXPECT_EQ((CPoints{ { 59, 18 }, { 59, 2 }, { 57, 0 } }), office.inner1);
    EXPECT_EQ((CPoints{ { 57, 1 }, { 16, 1 }, { 11, 4 }, { -4, 19 } }), office.inner2);

    // Written for a bottom strip, upright here: (x, y) becomes (x, T + B - 1 - y).
    const CSlantedTab vs = VisualStudio2005Tab(rc);
    EXPECT_EQ((CPoints{ { 66, 18 }, { 61, 4 }, { 57, 0 }, { 55, -1 }, { 19, -1 }, { 17, 0 }, { 14, 3 }, { 6, 18 } }),
              vs.outline);
    // The face's vertices lie on pixel edges: (x, T + B - y).
    EXPECT_EQ((CPoints{ { 66, 19 }, { 61, 5 }, { 57, 1 }, { 55, 0 }, { 19, 0 }, { 17, 1 }, { 14, 4 }, { 6, 19 } }), vs.face);

    const CSlantedTab excel = ExcelTab(rc);
    EXPECT_EQ((CPoints{ { 5, 20 }, { 15, 0 }, { 55, 0 }, { 65, 20 } }), excel.face);
    EXPECT_EQ((CPoints{ { 5, 19 }, { 15, 0 }, { 54, 0 }, { 64, 19 } }), excel.outline);
}

TEST(TabShapes, RoundedFlatTabLeavesTheFarCorners)
{
    const std::vector<CRect> arrBands = RoundedFlatTab(CRect(0, 0, 30, 10));
    ASSERT_EQ(2u, arrBands.size());
    EXPECT_EQ(CRect(1, 0, 29, 1), arrBands[0]);
    EXPECT_EQ(CRect(0, 1, 30, 10), arrBands[1]);
}

TEST(TabShapes, BarsStackAroundTheClient)
{
    struct
    {
        const char* lpszName;
        int nCount, nSelected;
        std::vector<CRect> bars;
        CRect client;
    } cases[] = {
        { "first selected", 3, 0, { CRect(0, 0, 100, 20), CRect(0, 160, 100, 180), CRect(0, 180, 100, 200) }, CRect(0, 20, 100, 160) },
        { "middle selected", 3, 1, { CRect(0, 0, 100, 20), CRect(0, 20, 100, 40), CRect(0, 180, 100, 200) }, CRect(0, 40, 100, 180) },
        { "last selected", 3, 2, { CRect(0, 0, 100, 20), CRect(0, 20, 100, 40), CRect(0, 40, 100, 60) }, CRect(0, 60, 100, 200) },
        { "none selected", 2, -1, { CRect(0, 160, 100, 180), CRect(0, 180, 100, 200) }, CRect(0, 0, 100, 160) },
    };
    for (const auto& c : cases)
    {
        const CStackedBars stack = StackBars(CRect(0, 0, 100, 200), c.nCount, c.nSelected, 20);
        EXPECT_EQ(c.bars, stack.bars) << c.lpszName;
        EXPECT_EQ(c.client, stack.client) << c.lpszName;
    }
}
}
