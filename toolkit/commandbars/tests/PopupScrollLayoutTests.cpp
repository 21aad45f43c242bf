// The scrolled layout of a popup taller than the screen: controls and popup
// height in, the range in view, the controls' rectangles and the scroll
// areas out.
#include "CZMRPopupScrollLayout.h"
#include <gtest/gtest.h>

namespace
{
using CItem = CZMRPopupScrollLayout::CItem;

// n visible controls of 20 pixels, no groups.
std::vector<CItem> Rows(int n)
{
    return std::vector<CItem>(n, CItem{20, TRUE, FALSE});
}

struct CScrollCase
{
    const char* name;
    std::vector<CItem> items;
    int nHeight;             // of the popup, borders 3 all round, width 100
    int nFirst, nEnd;
    BOOL bFromEnd;
    int nExpectedFirst, nExpectedEnd;
    BOOL bUpArea, bDownArea;
    // Top of the first and of the last control in view.
    int nFirstTop, nLastTop;
};

std::vector<CItem> WithGroupAt(int n, int nGroup)
{
    std::vector<CItem> items = Rows(n);
    items[nGroup].bBeginGroup = TRUE;
    return items;
}

std::vector<CItem> WithHidden(int n, std::initializer_list<int> hidden)
{
    std::vector<CItem> items = Rows(n);
    for (int i : hidden)
        items[i].bVisible = FALSE;
    return items;
}

const CScrollCase kCases[] = {
    // 106 high: 100 pixels inside the borders; from the top 4 controls fit
    // above the 16-pixel lower area (3 + 80 <= 103 - 16).
    {"from the top: the lower area only", Rows(10), 106, 0, 0, FALSE, 0, 4, FALSE, TRUE, 3, 63},
    {"a first index of 1 counts as 0", Rows(10), 106, 1, 0, FALSE, 0, 4, FALSE, TRUE, 3, 63},
    // From the second control on, the upper area takes 16 pixels: 3 fit.
    {"from the middle: both areas", Rows(10), 106, 4, 0, FALSE, 4, 7, TRUE, TRUE, 19, 59},
    // From the end: the lower area is gone, controls stack upward from the
    // bottom border and stop 16 pixels short of the top.
    {"scrolled to the end", Rows(10), 106, 0, 10, TRUE, 6, 10, TRUE, FALSE, 23, 83},
    {"an end one short of the count shows the last", Rows(10), 106, 0, 9, TRUE, 6, 10, TRUE, FALSE, 23, 83},
    {"end in the middle: both areas", Rows(10), 106, 0, 6, TRUE, 3, 6, TRUE, TRUE, 27, 67},
    // A group adds the separator (6) before the control that begins it.
    {"separator before a group from the top", WithGroupAt(10, 2), 106, 0, 0, FALSE, 0, 3, FALSE, TRUE, 3, 49},
    {"separator above a group from the end", WithGroupAt(10, 8), 106, 0, 10, TRUE, 7, 10, TRUE, FALSE, 37, 83},
    // Hidden controls take no room and are never the reason for an area.
    {"hidden controls are skipped", WithHidden(10, {1, 2}), 106, 0, 0, FALSE, 0, 6, FALSE, TRUE, 3, 63},
    {"only hidden controls above: no upper area", WithHidden(6, {0, 1, 2}), 106, 0, 6, TRUE, 0, 6, FALSE, FALSE, 43,
     83},
    // A control taller than the room still shows, cut to what there is.
    {"one control taller than the popup", std::vector<CItem>{{300, TRUE, FALSE}, {20, TRUE, FALSE}}, 106, 0, 0,
     FALSE, 0, 1, FALSE, TRUE, 3, 3},
};

TEST(PopupScrollLayout, Table)
{
    for (const CScrollCase& c : kCases)
    {
        CZMRPopupScrollLayout::CInput in;
        in.items = c.items;
        in.szPopup = CSize(100, c.nHeight);
        in.rcBorders = CRect(3, 3, 3, 3);
        in.nSeparator = 6;
        in.nFirst = c.nFirst;
        in.nEnd = c.nEnd;
        in.bFromEnd = c.bFromEnd;
        const CZMRPopupScrollLayout::COutput out = CZMRPopupScrollLayout::Calc(in);

        EXPECT_EQ(c.nExpectedFirst, out.nFirst) << c.name;
        EXPECT_EQ(c.nExpectedEnd, out.nEnd) << c.name;
        EXPECT_EQ(c.bUpArea ? CRect(3, 3, 97, 19) : CRect(0, 0, 0, 0), out.rcScrollUp) << c.name;
        EXPECT_EQ(c.bDownArea ? CRect(3, 87, 97, 103) : CRect(0, 0, 0, 0), out.rcScrollDown) << c.name;

        // Exactly the visible controls of the range are placed, at full width,
        // clear of both areas.
        int nFirstPlaced = -1, nLastPlaced = -1;
        for (int i = 0; i < int(c.items.size()); i++)
        {
            const BOOL bInRange = i >= out.nFirst && i < out.nEnd && c.items[i].bVisible;
            EXPECT_EQ(bInRange, !out.rects[i].IsRectEmpty()) << c.name << ", control " << i;
            if (!bInRange)
                continue;
            const CRect& rc = out.rects[i];
            EXPECT_EQ(3, rc.left) << c.name;
            EXPECT_EQ(97, rc.right) << c.name;
            EXPECT_GE(rc.top, out.rcScrollUp.IsRectEmpty() ? 3 : 19) << c.name << ", control " << i;
            EXPECT_LE(rc.bottom, out.rcScrollDown.IsRectEmpty() ? 103 : 87) << c.name << ", control " << i;
            if (nFirstPlaced == -1)
                nFirstPlaced = i;
            nLastPlaced = i;
        }
        ASSERT_NE(-1, nFirstPlaced) << c.name;
        EXPECT_EQ(c.nFirstTop, out.rects[nFirstPlaced].top) << c.name;
        EXPECT_EQ(c.nLastTop, out.rects[nLastPlaced].top) << c.name;
    }
}

// Scrolling one control at a time from the top reaches the last control and
// back again, never skipping one.
TEST(PopupScrollLayout, StepwiseScrollingReachesBothEnds)
{
    CZMRPopupScrollLayout::CInput in;
    in.items = Rows(12);
    in.szPopup = CSize(100, 106);
    in.rcBorders = CRect(3, 3, 3, 3);
    CZMRPopupScrollLayout::COutput out = CZMRPopupScrollLayout::Calc(in);
    std::vector<int> ends{out.nEnd};
    while (out.nEnd < 12)
    {
        in.nFirst = out.nFirst;
        in.nEnd = out.nEnd + 1;
        in.bFromEnd = TRUE;
        out = CZMRPopupScrollLayout::Calc(in);
        ends.push_back(out.nEnd);
    }
    // 11 is one short of the count and shows the last control at once.
    EXPECT_EQ((std::vector<int>{4, 5, 6, 7, 8, 9, 10, 12}), ends) << "one control per step";
    std::vector<int> firsts{out.nFirst};
    while (out.nFirst > 0)
    {
        in.nFirst = out.nFirst - 1;
        in.nEnd = out.nEnd;
        in.bFromEnd = FALSE;
        out = CZMRPopupScrollLayout::Calc(in);
        firsts.push_back(out.nFirst);
    }
    EXPECT_EQ((std::vector<int>{8, 7, 6, 5, 4, 3, 2, 0}), firsts);
}
} // namespace
