// Context headers: tabs with their context colours and places in; the
// headers, which tab each one covers, and the moved caption text out.
#include "CZMRRibbonContextHeaderLayout.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
typedef CZMRRibbonContextHeaderLayout HeaderLayout;

// A caption band 30 high over an 800 px ribbon, free all the way; the
// caption text is centred at 400.
HeaderLayout::CInput Band(std::vector<HeaderLayout::CTab> tabs, int nFreeLeft = 0, int nFreeRight = 700)
{
    HeaderLayout::CInput in;
    in.tabs = tabs;
    in.rcCaption = CRect(0, 0, 800, 30);
    in.rcFree = CRect(nFreeLeft, 0, nFreeRight, 27);
    in.rcCaptionText = CRect(300, 0, 500, 27);
    in.bFrameHelper = TRUE;
    return in;
}

HeaderLayout::CTab Tab(int nLeft, int nRight, int nColor = 0, LPCTSTR lpszCaption = _T(""), BOOL bVisible = TRUE)
{
    HeaderLayout::CTab tab;
    tab.nLeft = nLeft;
    tab.nRight = nRight;
    tab.nContextColor = nColor;
    tab.strContextCaption = lpszCaption;
    tab.bVisible = bVisible;
    return tab;
}

struct CExpectedHeader
{
    int nFirst;
    int nLast;
    int nColor;
    CRect rc;
};

struct CHeaderCase
{
    const char* name;
    HeaderLayout::CInput in;
    std::vector<CExpectedHeader> headers;
    std::vector<int> tabHeaders;
};

const CHeaderCase kCases[] = {
    {"adjacent tabs of one context share a header",
     Band({Tab(10, 60), Tab(60, 120, 3, _T("Tools")), Tab(120, 180, 3, _T("Tools"))}),
     {{1, 2, 3, {60, 4, 180, 30}}},
     {-1, 0, 0}},
    {"a hidden tab between them does not split them",
     Band({Tab(60, 120, 3, _T("Tools")), Tab(0, 0, 0, _T(""), FALSE), Tab(120, 180, 3, _T("Tools"))}),
     {{0, 2, 3, {60, 4, 180, 30}}},
     {0, -1, 0}},
    {"a visible plain tab between them splits them",
     Band({Tab(60, 120, 3, _T("Tools")), Tab(120, 160), Tab(160, 220, 3, _T("Tools"))}),
     {{0, 0, 3, {60, 4, 120, 30}}, {2, 2, 3, {160, 4, 220, 30}}},
     {0, -1, 1}},
    {"another colour starts a new header",
     Band({Tab(60, 120, 3, _T("Tools")), Tab(120, 180, 4, _T("Tools"))}),
     {{0, 0, 3, {60, 4, 120, 30}}, {1, 1, 4, {120, 4, 180, 30}}},
     {0, 1}},
    {"captions compare case-sensitively",
     Band({Tab(60, 120, 3, _T("Tools")), Tab(120, 180, 3, _T("tools"))}),
     {{0, 0, 3, {60, 4, 120, 30}}, {1, 1, 3, {120, 4, 180, 30}}},
     {0, 1}},
    {"no context without a colour or a caption",
     Band({Tab(60, 120, 0, _T("Tools")), Tab(120, 180, 3, _T(""))}),
     {},
     {-1, -1}},
    {"a narrow header moved right is widened to 40",
     Band({Tab(70, 100, 2, _T("Table"))}, 100),
     {{0, 0, 2, {100, 4, 140, 30}}},
     {0}},
    {"a header past the right edge moves left",
     Band({Tab(680, 740, 2, _T("Table"))}),
     {{0, 0, 2, {640, 4, 700, 30}}},
     {0}},
    {"headers that cannot all fit are all dropped",
     Band({Tab(60, 120, 2, _T("Table")), Tab(130, 190, 5, _T("Chart"))}, 100, 160),
     {},
     {-1, -1}},
};

class RibbonContextHeaders : public testing::TestWithParam<CHeaderCase>
{
};

TEST_P(RibbonContextHeaders, GathersAndFits)
{
    const CHeaderCase& c = GetParam();
    const HeaderLayout::COutput out = HeaderLayout::Calc(c.in);
    ASSERT_EQ(c.headers.size(), out.headers.size()) << c.name;
    for (size_t i = 0; i < c.headers.size(); i++)
    {
        EXPECT_EQ(c.headers[i].nFirst, out.headers[i].nFirst) << c.name << " header " << i;
        EXPECT_EQ(c.headers[i].nLast, out.headers[i].nLast) << c.name << " header " << i;
        EXPECT_EQ(c.headers[i].nColor, out.headers[i].nColor) << c.name << " header " << i;
        EXPECT_EQ(c.headers[i].rc, out.headers[i].rc) << c.name << " header " << i;
    }
    EXPECT_EQ(c.tabHeaders, out.tabHeaders) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RibbonContextHeaders, testing::ValuesIn(kCases));

TEST(RibbonContextHeaders, CaptionTextMovesOutOfTheWay)
{
    const struct
    {
        const char* name;
        int nHeaderLeft;
        int nHeaderRight;
        int nFreeRight;
        CRect rcText;
    } cases[] = {
        // The text (300 to 500) keeps its width of 200.
        {"headers left of the text's centre push it right", 250, 330, 700, {330, 0, 530, 27}},
        {"less than its width left: it ends at the free edge", 250, 330, 520, {330, 0, 520, 27}},
        {"headers over the centre push it left", 350, 450, 700, {150, 0, 350, 27}},
        {"headers clear of the text leave it", 550, 600, 700, {300, 0, 500, 27}},
    };
    for (const auto& c : cases)
    {
        const HeaderLayout::COutput out =
            HeaderLayout::Calc(Band({Tab(c.nHeaderLeft, c.nHeaderRight, 1, _T("Tools"))}, 0, c.nFreeRight));
        EXPECT_EQ(c.rcText, out.rcCaptionText) << c.name;
    }

    HeaderLayout::CInput in = Band({Tab(60, 120, 2, _T("Table")), Tab(130, 190, 5, _T("Chart"))}, 100, 160);
    in.rcCaptionText = CRect(100, 0, 160, 27);
    EXPECT_EQ(CRect(100, 0, 160, 27), HeaderLayout::Calc(in).rcCaptionText) << "a failed fit leaves the text";
}

TEST(RibbonContextHeaders, QuickAccessInTheOwnCaptionNarrowsTheFreeBand)
{
    HeaderLayout::CInput in = Band({Tab(60, 120, 3, _T("Tools"))});
    in.bFrameHelper = FALSE;
    in.bQuickAccessInCaption = TRUE;
    in.rcQuickAccess = CRect(20, 0, 100, 26);
    in.nCustomizeWidth = 13;
    HeaderLayout::COutput out = HeaderLayout::Calc(in);
    EXPECT_EQ(115, out.rcFree.left);
    EXPECT_EQ(CRect(115, 4, 175, 30), out.headers[0].rc);

    in.nCustomizeWidth = -1;
    EXPECT_EQ(112, HeaderLayout::Calc(in).rcFree.left);

    in.bFrameHelper = TRUE;
    EXPECT_EQ(0, HeaderLayout::Calc(in).rcFree.left) << "the frame helper's caption layout placed it already";
}
}
