// The common layout in every position and layout kind: header, item and
// client rectangles of a 400 x 300 control with header margins (2, 3, 6, 0)
// and a 28-pixel row depth.
#include "TabTestSupport.h"
#include "CZMRTabManagerNavigateButton.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
struct CLayoutCase
{
    const char* name;
    int nPosition;
    int nLayout;
    int nItems;
    int nItemWidth;   // min = max width; 0 keeps the fixed width of 70
    int nSelected;
    CRect rcHeader;
    CRect rcClient;
    std::vector<CRect> items;
    std::vector<int> rows;
};

const CLayoutCase kLayoutCases[] = {
    {"fixed, top", zmrTabPositionTop, zmrTabLayoutFixed, 3, 0, -1, {0, 0, 399, 31}, {2, 32, 398, 298},
     {{2, 3, 72, 31}, {72, 3, 142, 31}, {142, 3, 212, 31}}, {0, 0, 0}},
    {"fixed, left", zmrTabPositionLeft, zmrTabLayoutFixed, 3, 0, -1, {0, 0, 31, 299}, {32, 2, 398, 298},
     {{3, 2, 31, 72}, {3, 72, 31, 142}, {3, 142, 31, 212}}, {0, 0, 0}},
    {"fixed, bottom", zmrTabPositionBottom, zmrTabLayoutFixed, 3, 0, -1, {0, 269, 399, 300}, {2, 2, 398, 268},
     {{2, 269, 72, 297}, {72, 269, 142, 297}, {142, 269, 212, 297}}, {0, 0, 0}},
    {"fixed, right", zmrTabPositionRight, zmrTabLayoutFixed, 3, 0, -1, {369, 0, 400, 299}, {2, 2, 368, 298},
     {{369, 2, 397, 72}, {369, 72, 397, 142}, {369, 142, 397, 212}}, {0, 0, 0}},
    // 500 of items into 400 - 2 - 6 = 392: equal shares, the remainder last.
    {"shrink to fit, top", zmrTabPositionTop, zmrTabLayoutSizeToFit, 5, 100, -1, {0, 0, 399, 31}, {2, 32, 398, 298},
     {{2, 3, 80, 31}, {80, 3, 158, 31}, {158, 3, 236, 31}, {236, 3, 315, 31}, {315, 3, 394, 31}}, {0, 0, 0, 0, 0}},
    {"shrink to fit, right", zmrTabPositionRight, zmrTabLayoutSizeToFit, 4, 100, -1, {369, 0, 400, 299},
     {2, 2, 368, 298}, {{369, 2, 397, 75}, {369, 75, 397, 148}, {369, 148, 397, 221}, {369, 221, 397, 294}},
     {0, 0, 0, 0}},
    // Two rows of 391: row 0 (next to the client) holds the first two items.
    {"multi-row, top", zmrTabPositionTop, zmrTabLayoutMultiRow, 5, 100, -1, {0, 0, 399, 57}, {2, 58, 398, 298},
     {{2, 29, 197, 57}, {197, 29, 393, 57}, {2, 3, 132, 31}, {132, 3, 262, 31}, {262, 3, 393, 31}}, {0, 0, 1, 1, 1}},
    {"multi-row, the selected row moves next to the client", zmrTabPositionTop, zmrTabLayoutMultiRow, 5, 100, 3,
     {0, 0, 399, 57}, {2, 58, 398, 298},
     {{2, 3, 197, 31}, {197, 3, 393, 31}, {2, 29, 132, 57}, {132, 29, 262, 57}, {262, 29, 393, 57}}, {1, 1, 0, 0, 0}},
    {"multi-row, bottom", zmrTabPositionBottom, zmrTabLayoutMultiRow, 5, 100, -1, {0, 243, 399, 300},
     {2, 2, 398, 242},
     {{2, 243, 197, 271}, {197, 243, 393, 271}, {2, 269, 132, 297}, {132, 269, 262, 297}, {262, 269, 393, 297}},
     {0, 0, 1, 1, 1}},
    {"multi-row, one row", zmrTabPositionTop, zmrTabLayoutMultiRow, 3, 100, -1, {0, 0, 399, 31}, {2, 32, 398, 298},
     {{2, 3, 102, 31}, {102, 3, 202, 31}, {202, 3, 302, 31}}, {0, 0, 0}},
    // Rotated: each tab 28 along the strip, standing 100 tall on the client edge.
    {"rotated, top", zmrTabPositionTop, zmrTabLayoutRotated, 3, 100, -1, {0, 0, 399, 100}, {2, 101, 398, 298},
     {{2, 0, 30, 100}, {30, 0, 58, 100}, {58, 0, 86, 100}}, {0, 0, 0}},
    {"rotated, left", zmrTabPositionLeft, zmrTabLayoutRotated, 3, 100, -1, {0, 0, 100, 299}, {101, 2, 398, 298},
     {{0, 2, 100, 30}, {0, 30, 100, 58}, {0, 58, 100, 86}}, {0, 0, 0}},
};

TEST(TabLayoutPositions, HeaderItemsAndClient)
{
    for (const CLayoutCase& c : kLayoutCases)
    {
        CTabHostFixture f(c.nItems, CRect(100, 100, 500, 400), c.nPosition);
        f.PaintManager()->SetLayout(c.nLayout);
        if (c.nItemWidth)
            f.SetItemWidth(c.nItemWidth);
        if (c.nSelected >= 0)
            f.Strip().SetCurSel(c.nSelected);
        EXPECT_EQ(CRect(0, 0, 400, 300), f.Strip().GetControlRect()) << c.name;
        EXPECT_EQ(c.rcHeader, f.Strip().GetHeaderRect()) << c.name;
        EXPECT_EQ(c.rcClient, f.Strip().GetClientRect()) << c.name;
        for (int i = 0; i < c.nItems; i++)
        {
            EXPECT_EQ(c.items[i], f.Item(i)->GetRect()) << c.name << " item " << i;
            EXPECT_EQ(c.rows[i], f.Item(i)->GetRow()) << c.name << " item " << i;
        }
    }
}

TEST(TabLayoutPositions, MarginsAreTurnedToFaceTheHeaderEdge)
{
    struct CCase
    {
        int nPosition;
        CRect rcExpected;
    } cases[] = {
        {zmrTabPositionTop, {99, 98, 203, 204}},
        {zmrTabPositionLeft, {98, 99, 204, 203}},
        {zmrTabPositionBottom, {99, 96, 203, 202}},
        {zmrTabPositionRight, {96, 99, 202, 203}},
    };
    for (const CCase& c : cases)
    {
        CRect rc(100, 100, 200, 200);
        CZMRTabPaintManager::InflateRectForPosition(rc, CRect(1, 2, 3, 4), c.nPosition);
        EXPECT_EQ(c.rcExpected, rc) << c.nPosition;
        CZMRTabPaintManager::DeflateRectForPosition(rc, CRect(1, 2, 3, 4), c.nPosition);
        EXPECT_EQ(CRect(100, 100, 200, 200), rc) << c.nPosition;
    }
}

TEST(TabLayoutPositions, StaticFrameAndMarginsNarrowTheControl)
{
    CTabHostFixture f(1);
    f.PaintManager()->m_bStaticFrame = TRUE;
    f.PaintManager()->m_rcControlMargin = CRect(1, 1, 1, 1);
    f.PaintManager()->m_rcClientMargin = CRect(4, 4, 4, 4);
    f.PaintManager()->m_nClientFrame = 1;
    f.PaintManager()->OnPropertyChanged();
    // Frame (2, 1, 2, 2), then the control margin: the band starts at 2 + 3.
    EXPECT_EQ(CRect(5, 5, 75, 33), f.Item(0)->GetRect());
    // Client: frame, control margin, below the header, client margin, and the
    // single-line frame takes 2 on the header side only.
    // The header ends at 2 + 31; the client starts one pixel inside it.
    EXPECT_EQ(CRect(2 + 1 + 4, 33 - 1 + 4 + 2, 400 - 2 - 1 - 4, 300 - 2 - 1 - 4), f.Strip().GetClientRect());
}

struct CMeasureCase
{
    const char* name;
    int nLayout;
    BOOL bSelected;
    BOOL bIcon;
    int nExpected;
};

TEST(TabLayoutPositions, CompressedAndFixedMeasures)
{
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    const CMeasureCase cases[] = {
        {"compressed, unselected with an icon: icon + 8 + padding", zmrTabLayoutCompressed, FALSE, TRUE, 16 + 8 + 5 + 7},
        {"compressed, unselected without an icon: 8 + padding", zmrTabLayoutCompressed, FALSE, FALSE, 8 + 5 + 7},
        {"fixed: the fixed width + padding", zmrTabLayoutFixed, TRUE, TRUE, 70 + 5 + 7},
    };
    for (const CMeasureCase& c : cases)
    {
        CTabHostFixture f(2);
        f.PaintManager()->m_szIcon = CSize(16, 16);
        f.PaintManager()->m_rcItemPadding = CRect(5, 1, 7, 1);
        f.PaintManager()->SetLayout(c.nLayout);
        f.Item(1)->SetIcon(c.bIcon ? hIcon : nullptr);
        if (c.bSelected)
            f.Strip().SetCurSel(1);
        else
            f.Strip().SetCurSel(0);
        CClientDC dc(f.m_pHost);
        EXPECT_EQ(c.nExpected, f.PaintManager()->DrawTabItem(&dc, f.Item(1), CRect(), FALSE)) << c.name;
    }
}

TEST(TabLayoutPositions, WidthLimitsClampTheMeasure)
{
    CTabHostFixture f(1);
    f.PaintManager()->SetLayout(zmrTabLayoutAutoSize);
    f.Item(0)->SetCaption(L"A caption long enough to pass any limit set below");
    f.PaintManager()->m_nMaxItemWidth = 90;
    f.PaintManager()->OnPropertyChanged();
    EXPECT_EQ(90, f.Item(0)->GetRect().Width());
    f.Item(0)->SetCaption(L"");
    f.PaintManager()->m_nMaxItemWidth = 0;
    f.PaintManager()->m_nMinItemWidth = 50;
    f.PaintManager()->OnPropertyChanged();
    EXPECT_EQ(50, f.Item(0)->GetRect().Width());
}
}
