// Where a popup goes: anchor, size, rectangle to keep clear and the monitor
// in; the screen rectangle, the final direction and scrolling out.
#include "CZMRPopupPlacement.h"
#include <gtest/gtest.h>

namespace
{
// A 1000 x 845 monitor with a 40-pixel task bar at the bottom; popups keep
// 5 pixels off the work area's bottom, so they end at 800 at the latest.
const CRect kMonitor(0, 0, 1000, 845);
const CRect kWork(0, 0, 1000, 805);

struct CPlacementCase
{
    const char* name;
    CPoint ptAnchor;
    CSize szPopup;
    CRect rcExclude;
    DWORD dwDirection;
    BOOL bMayFlip;
    CRect rcExpected;
    DWORD dwExpectedDirection;
    BOOL bExpectedScroll;
};

const CPlacementCase kCases[] = {
    // A menu-bar control near the bottom: the popup opens above it.
    {"opens above a control near the bottom", {100, 720}, {200, 300}, {100, 700, 150, 720}, 2, FALSE,
     {100, 400, 300, 700}, 2, FALSE},
    {"opens below when it fits", {100, 20}, {200, 300}, {100, 0, 150, 20}, 2, FALSE, {100, 20, 300, 320}, 2, FALSE},
    // Neither below nor above fits: with flipping it opens beside the control.
    {"flips beside the control", {100, 320}, {200, 600}, {100, 300, 150, 320}, 2, TRUE, {150, 200, 350, 800}, 0,
     FALSE},
    // Without flipping it scrolls on the larger side of the control.
    {"scrolls below a control in the upper half", {100, 320}, {200, 600}, {100, 300, 150, 320}, 2, FALSE,
     {100, 320, 300, 800}, 2, TRUE},
    {"scrolls above a control in the lower half", {100, 620}, {200, 700}, {100, 600, 150, 620}, 2, FALSE,
     {100, 0, 300, 600}, 2, TRUE},
    // Context menus at a point.
    {"context menu in the lower half opens upward", {500, 600}, {100, 300}, {}, 2, FALSE, {500, 300, 600, 600}, 2,
     FALSE},
    {"context menu in the upper half keeps to the bottom", {500, 300}, {100, 600}, {}, 2, FALSE, {500, 200, 600, 800},
     2, FALSE},
    {"right aligned: right edge at the point", {500, 100}, {100, 200}, {}, 3, FALSE, {400, 100, 500, 300}, 3, FALSE},
    {"right aligned at the left edge turns right", {50, 100}, {100, 200}, {}, 3, FALSE, {0, 100, 100, 300}, 2, FALSE},
    {"clamped to the right edge", {950, 100}, {100, 200}, {}, 2, FALSE, {900, 100, 1000, 300}, 2, FALSE},
    {"opening above the point", {500, 400}, {100, 200}, {}, 6, FALSE, {500, 200, 600, 400}, 6, FALSE},
    // A point on the task bar may use the whole monitor.
    {"a point on the task bar uses the monitor", {500, 810}, {100, 20}, {}, 2, FALSE, {500, 810, 600, 830}, 2, FALSE},
    {"the work area's bottom less five pixels", {500, 790}, {100, 20}, {}, 2, FALSE, {500, 770, 600, 790}, 2, FALSE},
    {"taller than the work area scrolls from the top", {500, 100}, {100, 1000}, {}, 2, FALSE, {500, 0, 600, 800}, 2,
     TRUE},
    // Side-opening submenus at the right edge open to the left of the control.
    {"submenu at the right edge opens left", {1000, 100}, {150, 200}, {800, 100, 1000, 120}, 0, FALSE,
     {650, 100, 800, 300}, 1, FALSE},
    {"opening below at the right edge keeps to the edge", {900, 20}, {200, 100}, {900, 0, 950, 20}, 2, FALSE,
     {800, 20, 1000, 120}, 3, FALSE},
};

class PopupPlacementTable : public testing::TestWithParam<CPlacementCase>
{
};

TEST_P(PopupPlacementTable, PlacesThePopup)
{
    const CPlacementCase& c = GetParam();
    CZMRPopupPlacement::CInput in;
    in.ptAnchor = c.ptAnchor;
    in.szPopup = c.szPopup;
    in.rcExclude = c.rcExclude;
    in.dwDirection = c.dwDirection;
    in.rcWork = kWork;
    in.rcMonitor = kMonitor;
    in.bMayFlip = c.bMayFlip;
    const CZMRPopupPlacement::COutput out = CZMRPopupPlacement::Calc(in);
    EXPECT_EQ(c.rcExpected, out.rcPopup) << c.name;
    EXPECT_EQ(c.dwExpectedDirection, out.dwDirection) << c.name;
    EXPECT_EQ(c.bExpectedScroll, out.bScroll) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, PopupPlacementTable, testing::ValuesIn(kCases));

// With flipping allowed a popup taller than the screen lays itself out
// again in columns for the height it has, and does not scroll.
TEST(PopupPlacement, RelaysOutForTheAvailableHeight)
{
    CZMRPopupPlacement::CInput in;
    in.ptAnchor = CPoint(500, 100);
    in.szPopup = CSize(100, 1000);
    in.dwDirection = 2;
    in.rcWork = kWork;
    in.rcMonitor = kMonitor;
    in.bMayFlip = TRUE;
    int nAskedHeight = -1;
    in.fnLayoutForHeight = [&](int nHeight) {
        nAskedHeight = nHeight;
        return CSize(200, 780);
    };
    const CZMRPopupPlacement::COutput out = CZMRPopupPlacement::Calc(in);
    EXPECT_EQ(800, nAskedHeight);
    EXPECT_EQ(CRect(500, 0, 700, 780), out.rcPopup);
    EXPECT_FALSE(out.bScroll);
}

// The flip takes the side-opening rectangle rebuilt from the opener.
TEST(PopupPlacement, FlipUsesTheSideRectangle)
{
    CZMRPopupPlacement::CInput in;
    in.ptAnchor = CPoint(100, 320);
    in.szPopup = CSize(200, 600);
    in.rcExclude = CRect(100, 300, 150, 320);
    in.rcSideExclude = CRect(90, 300, 180, 320);
    in.dwDirection = 2;
    in.rcWork = kWork;
    in.rcMonitor = kMonitor;
    in.bMayFlip = TRUE;
    const CZMRPopupPlacement::COutput out = CZMRPopupPlacement::Calc(in);
    EXPECT_EQ(CRect(180, 200, 380, 800), out.rcPopup);
    EXPECT_EQ(in.rcSideExclude, out.rcExclude);
}
} // namespace
