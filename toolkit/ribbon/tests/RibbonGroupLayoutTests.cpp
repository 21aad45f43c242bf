// Ribbon group layout and reduction: controls with a size per style in; the
// places, the steps each group takes to fit a width and the total width out.
#include "CZMRRibbonGroupLayout.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
typedef CZMRRibbonGroupLayout Layout;

// Sizes of a control in each style: large 40 x 66, medium 60 x 22, small
// 22 x 22, an in-place gallery 120 x 60.
CSize SizeOf(int nStyle, BOOL bGallery)
{
    switch (nStyle)
    {
    case Layout::styleLarge:
        return CSize(40, 66);
    case Layout::styleSmall:
        return CSize(22, 22);
    case Layout::styleMedium:
        return CSize(60, 22);
    }
    return bGallery ? CSize(120, 60) : CSize(60, 22);
}

// The ribbon's standard metrics: row height 22, group caption height 17,
// groups area 3 x 22 + 17 + 10 = 93, button height 22; three controls per
// column, column height 93 - 17 - 9 = 67.
Layout::CMetrics StandardMetrics()
{
    Layout::CMetrics m;
    m.nGroupsAreaHeight = 93;
    m.nCaptionHeight = 17;
    m.nRowHeight = 22;
    m.nButtonHeight = 22;
    return m;
}

struct CFakeControl
{
    int nOwnerStyle = 0;
    int nFixedStyle = -1;        // a style of the control's own, as a customised one keeps
    BOOL bGallery = FALSE;
    Layout::CGalleryInfo gallery;
};

class CFakeControls : public Layout::CControls
{
public:
    int GetStyle(int nIndex) const override
    {
        const CFakeControl& c = controls[nIndex];
        return c.nFixedStyle >= 0 ? c.nFixedStyle : c.nOwnerStyle;
    }
    void SetOwnerStyle(int nIndex, int nStyle) override { controls[nIndex].nOwnerStyle = nStyle; }
    CSize Measure(int nIndex) override
    {
        nMeasures++;
        return SizeOf(GetStyle(nIndex), controls[nIndex].bGallery);
    }
    BOOL GetGalleryInfo(int nIndex, Layout::CGalleryInfo& info) const override
    {
        if (!controls[nIndex].bGallery)
            return FALSE;
        info = controls[nIndex].gallery;
        return TRUE;
    }

    std::vector<CFakeControl> controls;
    int nMeasures = 0;
};

// A group written as letters: L large, M medium, S small, G in-place
// gallery; '|' before a letter begins a group, '!' forces a new row.
struct CTestGroup
{
    CTestGroup(const char* pszControls, const Layout::CMetrics& metrics = StandardMetrics(), int nCaption = 30)
    {
        BOOL bBegin = FALSE;
        BOOL bForce = FALSE;
        std::vector<Layout::CRecord> records;
        for (const char* p = pszControls; *p; p++)
        {
            if (*p == '|' || *p == '!')
            {
                (*p == '|' ? bBegin : bForce) = TRUE;
                continue;
            }
            CFakeControl c;
            c.bGallery = *p == 'G';
            c.nOwnerStyle = *p == 'L' ? Layout::styleLarge : *p == 'M' ? Layout::styleMedium
                          : *p == 'S' ? Layout::styleSmall : Layout::styleAutomatic;
            fake.controls.push_back(c);
            Layout::CRecord r;
            r.bBeginGroup = bBegin;
            r.bForceBreak = bForce;
            r.bBreakAllowed = bBegin || bForce;
            r.bGallery = c.bGallery;
            records.push_back(r);
            bBegin = bForce = FALSE;
        }
        layout.reset(new Layout(metrics, state, fake));
        for (const Layout::CRecord& r : records)
            layout->AddRecord(r);
        layout->SetCaptionWidth(nCaption);
        layout->SetPopupWidth(50);
    }

    // The controls' present styles as letters, or "collapsed".
    std::string Styles() const
    {
        if (state.bCollapsed)
            return "collapsed";
        std::string s;
        for (int i = 0; i < (int)fake.controls.size(); i++)
        {
            const int nStyle = fake.GetStyle(i);
            s += nStyle == Layout::styleLarge ? 'L' : nStyle == Layout::styleMedium ? 'M'
               : nStyle == Layout::styleSmall ? 'S' : 'G';
        }
        return s;
    }

    Layout::CState state;
    CFakeControls fake;
    std::unique_ptr<Layout> layout;
};

std::vector<CRect> Rects(const Layout& layout)
{
    std::vector<CRect> rects;
    for (const Layout::CRecord& r : layout.GetRecords())
        rects.push_back(r.rc);
    return rects;
}

// ------------------------------------------------------------ columns

struct CColumnCase
{
    const char* name;
    const char* controls;
    std::vector<CRect> rects;
    int nContentWidth;
};

const CColumnCase kColumnCases[] = {
    {"large buttons stand side by side", "LLL", {{2, 0, 42, 66}, {42, 0, 82, 66}, {82, 0, 122, 66}}, 124},
    {"three medium buttons share a column", "MMM", {{2, 0, 62, 22}, {2, 22, 62, 44}, {2, 44, 62, 66}}, 64},
    {"a fourth medium button opens a column", "MMMM",
     {{2, 0, 62, 22}, {2, 22, 62, 44}, {2, 44, 62, 66}, {62, 0, 122, 22}}, 124},
    {"a large button after small ones opens a column", "SSL", {{2, 0, 24, 22}, {2, 22, 24, 44}, {24, 0, 64, 66}}, 66},
    {"beginning a group opens a column 6 px on", "M|MM", {{2, 0, 62, 22}, {68, 0, 128, 22}, {68, 22, 128, 44}}, 130},
    {"a forced new row opens a column", "M!M", {{2, 0, 62, 22}, {62, 0, 122, 22}}, 124},
};

class RibbonGroupColumns : public testing::TestWithParam<CColumnCase>
{
};

TEST_P(RibbonGroupColumns, PlacesTheControls)
{
    const CColumnCase& c = GetParam();
    CTestGroup group(c.controls, StandardMetrics(), 0);
    EXPECT_EQ(c.nContentWidth, group.layout->GetWidth()) << c.name;
    EXPECT_EQ(c.rects, Rects(*group.layout)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RibbonGroupColumns, testing::ValuesIn(kColumnCases));

// ------------------------------------------------------------ one reduction step

struct CStepCase
{
    const char* name;
    const char* controls;
    int nLevel;
    BOOL bChanged;
    const char* after;
    Layout::CMetrics metrics = StandardMetrics();
};

Layout::CMetrics WithArea(int nArea)
{
    Layout::CMetrics m = StandardMetrics();
    m.nGroupsAreaHeight = nArea;
    return m;
}

Layout::CMetrics WithoutButtonHeight()
{
    Layout::CMetrics m = StandardMetrics();
    m.nButtonHeight = 0;
    return m;
}

const CStepCase kStepCases[] = {
    {"level 0 makes the last three large buttons medium", "LLLLLL", 0, TRUE, "LLLMMM"},
    {"level 0 needs a whole run of large buttons", "LLMMMM", 0, FALSE, "LLMMMM"},
    {"level 0 leaves a run with a gallery", "LLG", 0, FALSE, "LLG"},
    {"level 0 leaves a run with a group begin inside", "LL|LL", 0, FALSE, "LLLL"},
    {"a group begin at the run's top is allowed", "L|LLL", 0, TRUE, "LMMM"},
    // Runs end at record 2 at the lowest: with two controls per column the
    // first two controls never form a run.
    {"runs never end below record 2", "LL", 0, FALSE, "LL", WithArea(70)},
    {"with two per column the last two turn medium", "LLL", 0, TRUE, "LMM", WithArea(70)},
    {"level 1 turns a run with one large button medium", "SSLSS", 1, TRUE, "SSMMM"},
    // A complete run without large buttons makes the search skip below it,
    // so the large first button is not reached.
    {"level 1 skips whole runs without large buttons", "LMMMM", 1, FALSE, "LMMMM"},
    {"level 1 skips below a gallery", "LLLGML", 1, TRUE, "MMMGML"},
    {"level 2 makes a column of medium buttons small", "MMMMMM", 2, TRUE, "MMMSSS"},
    {"level 2 needs more controls than one column", "MMM", 2, FALSE, "MMM"},
    {"level 2 turns the last gallery into a button", "MGG", 2, TRUE, "MGL"},
    {"level 3 collapses the group", "LL", 3, TRUE, "collapsed"},
    {"a single control never collapses", "L", 3, FALSE, "L"},
    // With room for one button per column only galleries change.
    {"one button per column: level 0 does nothing", "LLLLLL", 0, FALSE, "LLLLLL", WithArea(60)},
    {"one button per column: level 1 does nothing", "LLLLLL", 1, FALSE, "LLLLLL", WithArea(60)},
    {"one button per column: level 2 only turns galleries", "MMMG", 2, TRUE, "MMML", WithArea(60)},
    {"no button height: nothing stacks", "LLLLLL", 0, FALSE, "LLLLLL", WithoutButtonHeight()},
};

class RibbonGroupReduceStep : public testing::TestWithParam<CStepCase>
{
};

TEST_P(RibbonGroupReduceStep, TakesOneStep)
{
    const CStepCase& c = GetParam();
    CTestGroup group(c.controls, c.metrics, 0);
    group.layout->GetWidth();
    EXPECT_EQ(c.bChanged, group.layout->ReduceSize(c.nLevel, 100)) << c.name;
    EXPECT_EQ(c.after, group.Styles()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RibbonGroupReduceStep, testing::ValuesIn(kStepCases));

TEST(RibbonGroupReduce, LimitedLevelsStopEarlier)
{
    // The reduction steps allowed for a group bound the levels that act.
    const struct
    {
        int nMaxReduceLevel;
        int nLevel;
        BOOL bChanged;
    } cases[] = {{0, 0, FALSE}, {1, 0, TRUE}, {1, 1, FALSE}, {2, 1, TRUE}, {2, 2, FALSE}, {3, 2, TRUE},
                 {3, 3, FALSE}, {4, 3, TRUE}};
    for (const auto& c : cases)
    {
        CTestGroup group(c.nLevel == 2 ? "MMMMMM" : c.nLevel == 1 ? "SSLSS" : "LLLLLL", StandardMetrics(), 0);
        group.state.nMaxReduceLevel = c.nMaxReduceLevel;
        group.layout->GetWidth();
        EXPECT_EQ(c.bChanged, group.layout->ReduceSize(c.nLevel, 100))
            << "most " << c.nMaxReduceLevel << " level " << c.nLevel;
    }
}

TEST(RibbonGroupReduce, ACaptionWiderThanTheContentIsOnlyShortened)
{
    CTestGroup group("SS", StandardMetrics(), 80);   // content 26
    EXPECT_EQ(80, group.layout->GetWidth());
    for (int nLevel : {0, 1, 3})
        EXPECT_FALSE(group.layout->ReduceSize(nLevel, 20)) << nLevel;
    EXPECT_TRUE(group.layout->ReduceSize(2, 20));
    EXPECT_EQ(60, group.layout->GetWidth());
    EXPECT_TRUE(group.layout->ReduceSize(2, 100));
    EXPECT_EQ(26, group.layout->GetWidth());     // never below the content
    EXPECT_EQ("SS", group.Styles());

    CTestGroup tiny("", StandardMetrics(), 80);      // no controls: content 0
    tiny.layout->GetWidth();
    EXPECT_FALSE(tiny.layout->ReduceSize(2, 20)) << "content of 16 px or less keeps the caption";
}

TEST(RibbonGroupReduce, ACustomStyleDoesNotStallTheReduction)
{
    // A control that keeps a style of its own ignores the group's style; the
    // step still counts once, so the fitting moves on instead of repeating it.
    CTestGroup group("LLLLLL", StandardMetrics(), 0);
    for (CFakeControl& c : group.fake.controls)
        c.nFixedStyle = Layout::styleLarge;
    std::vector<Layout*> groups = {group.layout.get()};
    std::vector<int> widths = {group.layout->GetWidth()};
    Layout::FitWidths(groups, widths, 100);
    EXPECT_EQ("collapsed", group.Styles());
    EXPECT_EQ(45, widths[0]);
}

TEST(RibbonGroupReduce, ControlsAreMeasuredOnlyWhenTheirStyleChanged)
{
    CTestGroup group("LLLLLL", StandardMetrics(), 0);
    EXPECT_EQ(6, group.fake.nMeasures);
    group.layout->GetWidth();
    EXPECT_EQ(6, group.fake.nMeasures);
    group.layout->ReduceSize(0, 100);
    group.layout->GetWidth();
    EXPECT_EQ(9, group.fake.nMeasures);
}

// ------------------------------------------------------------ fitting the groups of a tab

struct CFitCase
{
    const char* name;
    std::vector<const char*> groups;
    int nAvailable;
    std::vector<const char*> after;
    int nTotal;
};

// A group of six large buttons is 244 wide; then 184 (LLLMMM), 124
// (MMMMMM), 86 (MMMSSS), 48 (SSSSSS) and 45 collapsed.
const CFitCase kFitCases[] = {
    {"room enough changes nothing", {"LLLLLL"}, 244, {"LLLLLL"}, 244},
    {"one step", {"LLLLLL"}, 200, {"LLLMMM"}, 184},
    {"two steps", {"LLLLLL"}, 150, {"MMMMMM"}, 124},
    {"small buttons", {"LLLLLL"}, 60, {"SSSSSS"}, 48},
    {"collapsed and still too wide", {"LLLLLL"}, 40, {"collapsed"}, 45},
    // Each level runs over the last group first and starts again at level 0.
    {"the last group gives way first", {"LLLLLL", "LLLLLL"}, 440, {"LLLLLL", "LLLMMM"}, 435},
    {"the last group is medium first", {"LLLLLL", "LLLLLL"}, 400, {"LLLLLL", "MMMMMM"}, 375},
    {"then the first group", {"LLLLLL", "LLLLLL"}, 300, {"MMMMMM", "MMMMMM"}, 255},
    {"level 2 on the last group", {"LLLLLL", "LLLLLL"}, 200, {"MMMMMM", "SSSSSS"}, 179},
    {"collapsing comes last", {"LLLLLL", "LLLLLL"}, 100, {"SSSSSS", "collapsed"}, 100},
    {"a group that no longer reduces scrolls", {"LLLLLL", "LLLLLL"}, 50, {"collapsed", "collapsed"}, 97},
};

class RibbonGroupsFit : public testing::TestWithParam<CFitCase>
{
};

TEST_P(RibbonGroupsFit, ReducesStepByStep)
{
    const CFitCase& c = GetParam();
    std::vector<std::unique_ptr<CTestGroup>> owned;
    std::vector<Layout*> groups;
    std::vector<int> widths;
    for (const char* psz : c.groups)
    {
        owned.emplace_back(new CTestGroup(psz));
        groups.push_back(owned.back()->layout.get());
        widths.push_back(groups.back()->GetWidth());
    }
    Layout::FitWidths(groups, widths, c.nAvailable);
    for (size_t i = 0; i < owned.size(); i++)
        EXPECT_EQ(c.after[i], owned[i]->Styles()) << c.name << " group " << i;
    EXPECT_EQ(c.nTotal, Layout::GetTotalWidth(widths)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RibbonGroupsFit, testing::ValuesIn(kFitCases));

TEST(RibbonGroupsFit, GroupsNotShownAreSkipped)
{
    CTestGroup first("LLLLLL");
    CTestGroup last("LLLLLL");
    std::vector<Layout*> groups = {first.layout.get(), nullptr, last.layout.get()};
    std::vector<int> widths = {first.layout->GetWidth(), 0, last.layout->GetWidth()};
    EXPECT_EQ(495, Layout::GetTotalWidth(widths));
    Layout::FitWidths(groups, widths, 440);
    EXPECT_EQ("LLLMMM", last.Styles());
    EXPECT_EQ(0, widths[1]);
}

TEST(RibbonGroupsFit, TotalWidth)
{
    EXPECT_EQ(0, Layout::GetTotalWidth({}));
    EXPECT_EQ(100, Layout::GetTotalWidth({100}));
    EXPECT_EQ(157, Layout::GetTotalWidth({100, 0, 50}));
    // A hidden group at the end leaves the gap of the one before it.
    EXPECT_EQ(164, Layout::GetTotalWidth({100, 50, 0}));
}

TEST(RibbonGroupsFit, ScrollOffsetIsLimitedToTheOverflow)
{
    EXPECT_EQ(0, Layout::LimitScrollOffset(300, 300, 50));
    EXPECT_EQ(50, Layout::LimitScrollOffset(400, 300, 50));
    EXPECT_EQ(100, Layout::LimitScrollOffset(400, 300, 500));
    EXPECT_EQ(0, Layout::LimitScrollOffset(400, 300, -20));
}

// ------------------------------------------------------------ expansion

struct CExpandCase
{
    const char* name;
    BOOL bResizable;
    int nItemCount;
    int nItemWidth;
    int nAvailable;
    int nWidth;       // the group's width after fitting
};

// The gallery is 120 wide, so the group 124; items of 20 with 2 px of borders.
const CExpandCase kExpandCases[] = {
    {"grows by whole items", TRUE, 10, 20, 200, 184},
    {"no further than all items", TRUE, 8, 20, 300, 166},
    {"spare smaller than an item", TRUE, 10, 20, 140, 124},
    {"already showing every item", TRUE, 5, 20, 300, 124},
    {"not resizable", FALSE, 10, 20, 200, 124},
    {"no items", TRUE, 0, 20, 200, 124},
    {"items without width", TRUE, 10, 0, 200, 124},
};

class RibbonGroupExpand : public testing::TestWithParam<CExpandCase>
{
};

TEST_P(RibbonGroupExpand, WidensTheGallery)
{
    const CExpandCase& c = GetParam();
    CTestGroup group("G", StandardMetrics(), 0);
    Layout::CGalleryInfo& info = group.fake.controls[0].gallery;
    info.bResizable = c.bResizable;
    info.nItemCount = c.nItemCount;
    info.nItemWidth = c.nItemWidth;
    info.nBorders = 2;
    std::vector<Layout*> groups = {group.layout.get()};
    std::vector<int> widths = {group.layout->GetWidth()};
    Layout::FitWidths(groups, widths, c.nAvailable);
    EXPECT_EQ(c.nWidth, widths[0]) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RibbonGroupExpand, testing::ValuesIn(kExpandCases));

TEST(RibbonGroupExpand, OnlyOneGroupExpandsAndOnlyTheLastGallery)
{
    CTestGroup first("G");
    CTestGroup last("GG");
    for (CTestGroup* p : {&first, &last})
    {
        for (CFakeControl& c : p->fake.controls)
            c.gallery = {TRUE, 10, 20, 2};
    }
    std::vector<Layout*> groups = {first.layout.get(), last.layout.get()};
    std::vector<int> widths = {first.layout->GetWidth(), last.layout->GetWidth()};
    EXPECT_EQ(124, widths[0]);
    EXPECT_EQ(244, widths[1]);
    Layout::FitWidths(groups, widths, 500);
    EXPECT_EQ(124, widths[0]);
    EXPECT_EQ(326, widths[1]);   // the second gallery shows all ten items
    EXPECT_EQ(120, last.layout->GetRecords()[0].cx);
}

// ------------------------------------------------------------ the grouped arrangement

TEST(RibbonGroupGrouped, TwoRowsSplitAtHalfTheOneRowWidth)
{
    // Three segments of two small buttons; one row would be 142 wide.
    CTestGroup group("SS|SS|SS", StandardMetrics(), 0);
    group.state.bControlsGrouping = TRUE;
    EXPECT_EQ(95, group.layout->GetWidth());
    const std::vector<CRect> expected = {{2, 8, 24, 30},   {24, 8, 46, 30},   {2, 37, 24, 59},
                                         {24, 37, 46, 59}, {49, 37, 71, 59}, {71, 37, 93, 59}};
    EXPECT_EQ(expected, Rects(*group.layout));

    // The first reduction allows three rows: one segment each.
    EXPECT_TRUE(group.layout->ReduceSize(1, 50));
    EXPECT_EQ(3, group.state.nGroupingRows);
    EXPECT_EQ(48, group.layout->GetWidth());
    const std::vector<CRect> three = {{2, 0, 24, 22},  {24, 0, 46, 22},  {2, 22, 24, 44},
                                      {24, 22, 46, 44}, {2, 44, 24, 66}, {24, 44, 46, 66}};
    EXPECT_EQ(three, Rects(*group.layout));
    EXPECT_FALSE(group.layout->ReduceSize(1, 50));
    for (int nLevel : {0, 2})
        EXPECT_FALSE(group.layout->ReduceSize(nLevel, 50)) << nLevel;
    EXPECT_TRUE(group.layout->ReduceSize(3, 50));
}

TEST(RibbonGroupGrouped, ThreeRowSearchTakesTheNarrowestWidthWithTwoBreaks)
{
    // Four segments of two: breaking everywhere gives three breaks, so the
    // search looks for the narrowest row width with at most two.
    CTestGroup group("SS|SS|SS|SS", StandardMetrics(), 0);
    group.state.bControlsGrouping = TRUE;
    group.state.nGroupingRows = 3;
    EXPECT_EQ(95, group.layout->GetWidth());
    std::vector<int> wraps;
    for (int i = 0; i < 8; i++)
    {
        if (group.layout->GetRecords()[i].bWrap)
            wraps.push_back(i);
    }
    EXPECT_EQ(std::vector<int>({4}), wraps);
}

TEST(RibbonGroupGrouped, RowBreaks)
{
    const struct
    {
        const char* name;
        const char* controls;
        Layout::CMetrics metrics;
        int nWidth;
        std::vector<int> wraps;
    } cases[] = {
        {"a forced break decides alone", "SS|SS!SS", StandardMetrics(), 95, {4}},
        {"too low for two rows: one row", "SS|SS|SS", WithArea(60), 142, {}},
        {"a segment never splits", "SSSSSS", StandardMetrics(), 136, {}},
    };
    for (const auto& c : cases)
    {
        CTestGroup group(c.controls, c.metrics, 0);
        group.state.bControlsGrouping = TRUE;
        EXPECT_EQ(c.nWidth, group.layout->GetWidth()) << c.name;
        std::vector<int> wraps;
        for (int i = 0; i < (int)group.layout->GetRecords().size(); i++)
        {
            if (group.layout->GetRecords()[i].bWrap)
                wraps.push_back(i);
        }
        EXPECT_EQ(c.wraps, wraps) << c.name;
    }
}

// ------------------------------------------------------------ arranging a group

TEST(RibbonGroupArrange, PlacesTheGroupAndItsRowBand)
{
    CTestGroup group("LM", StandardMetrics(), 0);
    const int w = group.layout->GetWidth();
    EXPECT_EQ(104, w);
    EXPECT_EQ(CRect(100, 3, 209, 89), group.layout->Arrange(100, 3, w));
    // Controls move by (x + 2, y + 2); the row band is the group's less its caption.
    EXPECT_EQ(CRect(104, 5, 144, 71), group.layout->GetRecords()[0].rc);
    EXPECT_EQ(CRect(144, 5, 204, 27), group.layout->GetRecords()[1].rc);
    EXPECT_EQ(CRect(100, 3, 204, 72), group.layout->GetRecords()[1].rcRow);
}

TEST(RibbonGroupArrange, CentringSpreadsAColumnWithEqualGaps)
{
    // A taller groups area: band 98, free height 98 - 17 - 3 = 78 for 66 of
    // buttons, so gaps of 12 / 4 = 3.
    CTestGroup group("MMM", WithArea(105), 0);
    group.state.bControlsCentering = TRUE;
    group.layout->GetWidth();
    group.layout->Arrange(10, 5, 64);
    const std::vector<CRect> expected = {{14, 10, 74, 32}, {14, 35, 74, 57}, {14, 60, 74, 82}};
    EXPECT_EQ(expected, Rects(*group.layout));
}

TEST(RibbonGroupArrange, CentringPutsTheContentUnderAWiderCaption)
{
    CTestGroup group("L", StandardMetrics(), 100);   // content 44
    group.state.bControlsCentering = TRUE;
    const int w = group.layout->GetWidth();
    EXPECT_EQ(100, w);
    group.layout->Arrange(0, 0, w);
    EXPECT_EQ(32, group.layout->GetRecords()[0].rc.left);   // 2 + (100 - 44) / 2 + 2
}

TEST(RibbonGroupArrange, ACollapsedGroupIsAsWideAsItsButton)
{
    CTestGroup group("LL", StandardMetrics(), 0);
    group.layout->GetWidth();
    group.layout->ReduceSize(3, 100);
    const int w = group.layout->GetWidth();
    EXPECT_EQ(45, w);
    EXPECT_EQ(CRect(0, 0, 50, 86), group.layout->Arrange(0, 0, w));
    for (const Layout::CRecord& r : group.layout->GetRecords())
        EXPECT_TRUE(r.bHidden);
}
}
