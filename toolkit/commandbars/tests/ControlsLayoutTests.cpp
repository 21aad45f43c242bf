// The geometry of a bar's controls: fixed-size controls in, the bar size,
// the rows and the rectangles out.
#include "CommandBarsTestSupport.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRImageManager.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
struct CTestControl
{
    int cx, cy;
    BOOL bBeginGroup;
    DWORD dwFlags;
};

struct CLayoutCase
{
    const char* name;
    std::vector<CTestControl> controls;
    int nLength;
    DWORD dwMode;
    CRect rcBorder;
    int nMinThickness;
    CSize szExpected;
    BOOL bStretchSet;                       // the layout reports that it wrapped or hid
    std::vector<CRect> rcExpected;          // per control, after committing
    std::vector<int> nHiddenExpected;       // indexes of the controls without room
    std::vector<int> nWrappedExpected;      // indexes of the controls that start a row
};

std::string Describe(const CRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

const DWORD HorzCommit = zmrLayoutHorzDock | zmrLayoutCommit;
const DWORD VertCommit = zmrLayoutVertDock | zmrLayoutCommit;

const CLayoutCase g_layoutCases[] = {
    {"one control: the control plus the borders",
     {{30, 22, FALSE, 0}}, 100, HorzCommit, CRect(2, 3, 4, 5), 0, CSize(36, 30), FALSE,
     {CRect(2, 3, 32, 25)}, {}, {}},
    {"the minimum thickness centres the row across the bar",
     {{30, 22, FALSE, 0}}, 100, HorzCommit, CRect(2, 3, 4, 5), 40, CSize(36, 40), FALSE,
     {CRect(2, 8, 32, 30)}, {}, {}},
    {"an overflowing row breaks at its last group start",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, TRUE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}},
     90, HorzCommit, CRect(0, 0, 0, 0), 0, CSize(90, 46), TRUE,
     {CRect(0, 0, 20, 20), CRect(20, 0, 40, 20), CRect(0, 26, 20, 46), CRect(20, 26, 40, 46),
      CRect(40, 26, 60, 46)},
     {}, {2}},
    {"without a group start the row breaks at the overflowing control",
     {{30, 20, FALSE, 0}, {30, 20, FALSE, 0}, {30, 20, FALSE, 0}},
     70, HorzCommit, CRect(0, 0, 0, 0), 0, CSize(70, 40), TRUE,
     {CRect(0, 0, 30, 20), CRect(30, 0, 60, 20), CRect(0, 20, 30, 40)}, {}, {2}},
    {"hiding: what does not fit is hidden up to the next forced row",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0},
      {20, 20, FALSE, zmrFlagWrapRow}},
     90, HorzCommit | zmrLayoutHideWrap, CRect(0, 0, 0, 0), 0, CSize(90, 40), TRUE,
     {CRect(0, 0, 20, 20), CRect(20, 0, 40, 20), CRect(40, 0, 60, 20), CRect(60, 0, 80, 20), CRect(0, 0, 0, 0),
      CRect(0, 20, 20, 40)},
     {4}, {5}},
    {"a forced row starts whatever the room",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, zmrFlagWrapRow}},
     200, HorzCommit, CRect(0, 0, 0, 0), 0, CSize(20, 40), FALSE,
     {CRect(0, 0, 20, 20), CRect(0, 20, 20, 40)}, {}, {1}},
    {"three stretched controls share 10 free pixels as 3, 3 and 4",
     {{20, 20, FALSE, zmrFlagStretched}, {20, 20, FALSE, zmrFlagStretched}, {20, 20, FALSE, zmrFlagStretched}},
     70, HorzCommit | zmrLayoutStretch, CRect(0, 0, 0, 0), 0, CSize(70, 20), TRUE,
     {CRect(0, 0, 23, 20), CRect(23, 0, 46, 20), CRect(46, 0, 70, 20)}, {}, {}},
    {"a right-aligned control ends at the far edge; a stretched one takes the rest",
     {{20, 20, FALSE, zmrFlagStretched}, {20, 20, FALSE, zmrFlagRightAlign}},
     100, HorzCommit | zmrLayoutStretch, CRect(1, 0, 1, 0), 0, CSize(100, 20), TRUE,
     {CRect(1, 0, 79, 20), CRect(79, 0, 99, 20)}, {}, {}},
    {"a control wider than the bar stays on the first row",
     {{120, 20, FALSE, 0}, {20, 20, FALSE, 0}},
     100, HorzCommit, CRect(0, 0, 0, 0), 0, CSize(120, 40), TRUE,
     {CRect(0, 0, 120, 20), CRect(0, 20, 20, 40)}, {}, {1}},
    {"a group start leaves the separator's width",
     {{20, 20, FALSE, 0}, {20, 10, TRUE, 0}},
     200, HorzCommit, CRect(0, 0, 0, 0), 0, CSize(44, 20), FALSE,
     {CRect(0, 0, 20, 20), CRect(24, 5, 44, 15)}, {}, {}},
    {"floating: the narrowest width that keeps the row count",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}},
     50, zmrLayoutCommit, CRect(0, 0, 0, 0), 0, CSize(50, 40), TRUE,
     {CRect(0, 0, 20, 20), CRect(20, 0, 40, 20), CRect(0, 20, 20, 40), CRect(20, 20, 40, 40)}, {}, {2}},
    {"floating by height: the wrap whose block is that high",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}},
     40, zmrLayoutLengthY | zmrLayoutCommit, CRect(0, 0, 0, 0), 0, CSize(40, 40), TRUE,
     {CRect(0, 0, 20, 20), CRect(20, 0, 40, 20), CRect(0, 20, 20, 40), CRect(20, 20, 40, 40)}, {}, {2}},
    {"vertical: columns, the later ones to the left",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, FALSE, 0}},
     50, VertCommit, CRect(0, 0, 0, 0), 0, CSize(40, 50), TRUE,
     {CRect(20, 0, 40, 20), CRect(20, 20, 40, 40), CRect(0, 0, 20, 20)}, {}, {2}},
    {"every group on a row of its own",
     {{20, 20, FALSE, 0}, {20, 20, FALSE, 0}, {20, 20, TRUE, 0}, {20, 20, FALSE, 0}},
     0, zmrLayoutWrapGroups | zmrLayoutCommit, CRect(0, 0, 0, 0), 0, CSize(40, 46), TRUE,
     {CRect(0, 0, 20, 20), CRect(20, 0, 40, 20), CRect(0, 26, 20, 46), CRect(20, 26, 40, 46)}, {}, {2}},
};

class ControlsLayout : public ::testing::TestWithParam<CLayoutCase>
{
};

TEST_P(ControlsLayout, RowsAndRectangles)
{
    const CLayoutCase& c = GetParam();
    CBarFixture bar;
    std::vector<CFixedControl*> controls;
    for (const CTestControl& t : c.controls)
        controls.push_back(bar.Add(t.cx, t.cy, t.bBeginGroup, t.dwFlags));

    // Measuring alone leaves the controls as they were.
    DWORD dwMeasure = c.dwMode & ~DWORD(zmrLayoutCommit);
    const CSize szMeasured =
        bar.m_pBar->GetControls()->CalcLayout(nullptr, c.nLength, dwMeasure, c.rcBorder, c.nMinThickness);
    EXPECT_EQ(szMeasured, c.szExpected);
    for (CFixedControl* pControl : controls)
        EXPECT_TRUE(pControl->GetRect().IsRectNull());

    DWORD dwMode = c.dwMode;
    const CSize sz = bar.m_pBar->GetControls()->CalcLayout(nullptr, c.nLength, dwMode, c.rcBorder, c.nMinThickness);
    EXPECT_EQ(sz, c.szExpected);
    EXPECT_EQ((dwMode & zmrLayoutStretch) != 0, c.bStretchSet != 0);
    for (size_t i = 0; i < controls.size(); i++)
    {
        const BOOL bHidden = std::find(c.nHiddenExpected.begin(), c.nHiddenExpected.end(), int(i)) !=
                             c.nHiddenExpected.end();
        const BOOL bWrapped = std::find(c.nWrappedExpected.begin(), c.nWrappedExpected.end(), int(i)) !=
                              c.nWrappedExpected.end();
        EXPECT_EQ((controls[i]->GetHideFlags() & zmrHideWrap) != 0, bHidden != 0) << "control " << i;
        EXPECT_EQ(controls[i]->GetWrap(), bWrapped) << "control " << i;
        if (!bHidden)
        {
            EXPECT_EQ(Describe(controls[i]->GetRect()), Describe(c.rcExpected[i])) << "control " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ControlsLayout, ::testing::ValuesIn(g_layoutCases),
                         [](const ::testing::TestParamInfo<CLayoutCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });
}

TEST(ControlsLayoutRows, RowRectanglesSpanTheBlockAndFollowEachRow)
{
    CBarFixture bar;
    bar.Add(20, 20);
    CFixedControl* pTall = bar.Add(20, 30);
    CFixedControl* pNext = bar.Add(20, 10, TRUE);
    DWORD dwMode = HorzCommit;
    bar.m_pBar->GetControls()->CalcLayout(nullptr, 45, dwMode, CRect(1, 2, 1, 2), 0);
    // Row 0 is as thick as its thickest control; row 1 starts below it and
    // the separator.
    EXPECT_EQ(Describe(pTall->GetRowRect()), Describe(CRect(1, 2, 44, 32)));
    EXPECT_EQ(Describe(pNext->GetRowRect()), Describe(CRect(1, 38, 44, 48)));
    // A control lower than its row is centred in it.
    EXPECT_EQ(Describe(bar.m_pBar->GetControl(0)->GetRect()), Describe(CRect(1, 7, 21, 27)));
}

TEST(ControlsLayoutRows, WithoutVisibleControlsTheBarIsAButtonsSize)
{
    CBarFixture bar;
    bar.Add(40, 40)->SetVisible(FALSE);
    DWORD dwMode = HorzCommit;
    EXPECT_EQ(bar.m_pBar->GetControls()->CalcLayout(nullptr, 100, dwMode, CRect(2, 2, 2, 2), 0), CSize(27, 26));
    dwMode = HorzCommit;
    EXPECT_EQ(bar.m_pBar->GetControls()->CalcLayout(nullptr, 100, dwMode, CRect(2, 2, 2, 2), 30), CSize(27, 30));
    dwMode = VertCommit;
    EXPECT_EQ(bar.m_pBar->GetControls()->CalcLayout(nullptr, 100, dwMode, CRect(2, 2, 2, 2), 30), CSize(30, 26));
}

TEST(ControlsLayoutRows, TheRememberedWidthServesAsLength)
{
    CBarFixture bar;
    for (int i = 0; i < 4; i++)
        bar.Add(20, 20);
    bar.m_pBar->SetMRUWidth(45);
    DWORD dwMode = zmrLayoutMRUWidth | zmrLayoutHorzDock;
    EXPECT_EQ(bar.m_pBar->GetControls()->CalcLayout(nullptr, 1000, dwMode, CRect(0, 0, 0, 0), 0), CSize(45, 40));
}

// ---------------------------------------------------------------- the reducing layout

namespace
{
// Controls whose size follows their style: large 40 x 60, side by side
// 60 x 20, icon only 20 x 20; each has a large image unless told otherwise.
class CReducingBar : public CBarFixture
{
public:
    CReducingBar()
    {
        // Base height 19: a split arrow of 27, a column of 32 + 27 + 7 = 66.
        m_pTheme->m_nBaseHeight = 19;
        m_pBar->SetFlags(zmrBarFlagReducing);
        m_pImages = new CZMRImageManager;
        m_pBar->SetImageManager(m_pImages);
        m_pImages->InternalRelease();
    }
    CFixedControl* AddLarge(int nId, BOOL bLargeImage = TRUE, BOOL bBeginGroup = FALSE)
    {
        CFixedControl* pControl = Add(0, 0, bBeginGroup);
        pControl->SetIconId(nId);
        pControl->m_szStyle[zmrButtonIconAndCaptionBelow] = CSize(40, 60);
        pControl->m_szStyle[zmrButtonIconAndCaption] = CSize(60, 20);
        pControl->m_szStyle[zmrButtonIcon] = CSize(20, 20);
        if (bLargeImage)
        {
            CZMRIconHandle handle;
            handle.SetIcon(::LoadIcon(nullptr, IDI_APPLICATION));
            EXPECT_TRUE(m_pImages->SetIcon(handle, UINT(nId), 32, 32, ZMR_ICONSTATE_NORMAL));
        }
        return pControl;
    }
    CSize Layout(int nLength, DWORD dwMode = HorzCommit)
    {
        m_dwMode = dwMode;
        return m_pBar->GetControls()->CalcLayout(nullptr, nLength, m_dwMode, CRect(0, 0, 0, 0), 0);
    }
    CZMRImageManager* m_pImages;
    DWORD m_dwMode = 0;
};
}

TEST(ControlsReducingLayout, LargeControlsTakeColumnsOfTheirOwnWhileThereIsRoom)
{
    CReducingBar bar;
    CFixedControl* p1 = bar.AddLarge(1);
    CFixedControl* p2 = bar.AddLarge(2, FALSE);
    CFixedControl* p3 = bar.AddLarge(3, FALSE);
    // The column height is the large icon (32), the split arrow (27) and 7.
    EXPECT_EQ(bar.Layout(500), CSize(100, 66));
    EXPECT_EQ(p1->GetStyle(), zmrButtonIconAndCaptionBelow);
    EXPECT_EQ(p2->GetStyle(), zmrButtonIconAndCaption);
    EXPECT_EQ(Describe(p1->GetRect()), Describe(CRect(0, 0, 40, 60)));
    EXPECT_EQ(Describe(p2->GetRect()), Describe(CRect(40, 0, 100, 20)));
    EXPECT_EQ(Describe(p3->GetRect()), Describe(CRect(40, 20, 100, 40)));
    EXPECT_FALSE(bar.m_dwMode & zmrLayoutStretch);
}

TEST(ControlsReducingLayout, ShrinksStepByStepFromTheEnd)
{
    struct
    {
        int nLength;
        int nStyles[4];
        CSize szExpected;
    } cases[] = {
        {160, {4, 4, 4, 4}, CSize(160, 66)},
        // The last three large controls stand side by side in one column.
        {130, {4, 3, 3, 3}, CSize(130, 66)},
        // Then every control side by side, then a column of three icons.
        {90, {2, 2, 2, 3}, CSize(90, 66)},
    };
    for (const auto& c : cases)
    {
        CReducingBar bar;
        CFixedControl* pControls[4];
        for (int i = 0; i < 4; i++)
            pControls[i] = bar.AddLarge(i + 1);
        EXPECT_EQ(bar.Layout(c.nLength), c.szExpected) << c.nLength;
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(pControls[i]->GetStyle(), c.nStyles[i]) << c.nLength << " control " << i;
    }
}

TEST(ControlsReducingLayout, OnlyTheFirstOfThreeMayBeginTheGroup)
{
    CReducingBar bar;
    CFixedControl* p1 = bar.AddLarge(1);
    CFixedControl* p2 = bar.AddLarge(2);
    CFixedControl* p3 = bar.AddLarge(3, TRUE, TRUE);
    CFixedControl* p4 = bar.AddLarge(4);
    // No three controls of one group: nothing shrinks, and with hiding on
    // what passes the length is hidden, as an icon.
    bar.Layout(100, HorzCommit | zmrLayoutHideWrap);
    EXPECT_EQ(p1->GetStyle(), zmrButtonIconAndCaptionBelow);
    EXPECT_EQ(p2->GetStyle(), zmrButtonIconAndCaptionBelow);
    EXPECT_TRUE(bar.m_dwMode & zmrLayoutStretch);
    for (CFixedControl* p : {p3, p4})
    {
        EXPECT_EQ(p->GetStyle(), zmrButtonIcon);
        EXPECT_TRUE(p->GetHideFlags() & zmrHideWrap);
    }
    EXPECT_FALSE(p2->GetHideFlags() & zmrHideWrap);
}

// ---------------------------------------------------------------- popup columns

TEST(ControlsPopupLayout, BreaksIntoColumnsAtTheHeightLimit)
{
    CBarFixture bar;
    bar.m_pBar->SetType(zmrBarTypePopup);
    const int nWidths[] = {30, 50, 40, 20, 60};
    std::vector<CFixedControl*> controls;
    for (int i = 0; i < 5; i++)
        controls.push_back(bar.Add(nWidths[i], 20, i == 2));

    CZMRControls* pControls = bar.m_pBar->GetControls();
    EXPECT_EQ(pControls->CalcPopupLayout(nullptr, 70, 0, CRect(2, 3, 2, 3)), CSize(114, 72));
    EXPECT_TRUE(bar.m_pBar->IsMultiColumn());
    // Each column as wide as its widest control; the group start leaves the
    // separator's height; every row rectangle spans the tallest column.
    const CRect rcExpected[] = {CRect(2, 3, 52, 23), CRect(2, 23, 52, 43), CRect(2, 49, 52, 69),
                                CRect(52, 3, 112, 23), CRect(52, 23, 112, 43)};
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(Describe(controls[i]->GetRect()), Describe(rcExpected[i])) << i;
        const CRect rcRow(rcExpected[i].left, 3, rcExpected[i].right, 69);
        EXPECT_EQ(Describe(controls[i]->GetRowRect()), Describe(rcRow)) << i;
        EXPECT_EQ(controls[i]->GetWrap(), i == 3) << i;
    }

    // A given width sets the last column's; without a limit one column.
    EXPECT_EQ(pControls->CalcPopupLayout(nullptr, 70, 100, CRect(2, 3, 2, 3)), CSize(150, 72));
    EXPECT_EQ(Describe(controls[4]->GetRect()), Describe(CRect(52, 23, 148, 43)));
    EXPECT_EQ(pControls->CalcPopupLayout(nullptr, 0, 0, CRect(2, 3, 2, 3)), CSize(64, 112));
    EXPECT_FALSE(bar.m_pBar->IsMultiColumn());

    // A control taller than the limit stands in a column of its own; no
    // column is left empty (the group start adds the separator's width).
    EXPECT_EQ(pControls->CalcPopupLayout(nullptr, 10, 0, CRect(0, 0, 0, 0)), CSize(204, 20));
    EXPECT_EQ(controls[0]->GetRect().left, 0);
    EXPECT_EQ(controls[1]->GetRect().left, 30);
    EXPECT_FALSE(controls[0]->GetWrap());

    // Internal hiding is cleared; an empty popup keeps a minimum size.
    controls[0]->SetHideFlags(zmrHideInternal);
    pControls->CalcPopupLayout(nullptr, 0, 0, CRect(0, 0, 0, 0));
    EXPECT_EQ(controls[0]->GetHideFlags(), 0u);
    for (CFixedControl* p : controls)
        p->SetVisible(FALSE);
    EXPECT_EQ(pControls->CalcPopupLayout(nullptr, 0, 0, CRect(2, 3, 2, 3)), CSize(28, 28));
}

TEST(ControlsPopupLayout, ControlsWiderThanAThirdOfTheScreenAreLimited)
{
    CBarFixture bar;
    CRect rcWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    CFixedControl* pWide = bar.Add(rcWork.right, 20);
    bar.m_pBar->GetControls()->CalcPopupLayout(nullptr, 0, 0, CRect(0, 0, 0, 0));
    EXPECT_EQ(pWide->GetRect().Width(), int(rcWork.right / 3.0));
}
