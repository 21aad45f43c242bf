// The tool bar's geometry without a window: available length in, bar size,
// control rectangles, the controls hidden for lack of room and the expand and
// hide buttons out.
#include "CommandBarsTestSupport.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRToolBar.h"
#include "ToolBarTestSupport.h"
#include "CZMRPopupBar.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
class CToolBarFixture
{
public:
    CToolBarFixture(int nPosition, int nControls, CSize szControl = CSize(20, 20))
        : m_pBar(new CPlacedToolBar), m_pTheme(new CGripperTheme)
    {
        m_pBar->SetPaintManager(m_pTheme);
        m_pTheme->InternalRelease();
        m_pBar->Place(nPosition);
        m_pBar->SetBarStyle(m_pBar->GetBarStyle() | zmrBarStyleGripper);
        for (int i = 0; i < nControls; i++)
            m_controls.push_back(
                m_pBar->GetControls()->AddControl(new CFixedControl(szControl), 100 + i));
    }
    ~CToolBarFixture() { m_pBar->InternalRelease(); }
    CZMRControl* Button(int nId) const { return m_pBar->GetControls()->FindControlById(nId); }
    std::vector<int> Hidden() const
    {
        std::vector<int> result;
        for (size_t i = 0; i < m_controls.size(); i++)
        {
            if (m_controls[i]->GetHideFlags() == zmrHideWrap)
                result.push_back(int(i));
        }
        return result;
    }
    CPlacedToolBar* m_pBar;
    CGripperTheme* m_pTheme;
    std::vector<CZMRControl*> m_controls;
};

std::string Describe(const CRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

const DWORD HorzHide = zmrLayoutHorzDock | zmrLayoutCommit | zmrLayoutHideWrap;
const DWORD VertHide = zmrLayoutVertDock | zmrLayoutCommit | zmrLayoutHideWrap;

struct CDockedCase
{
    const char* name;
    int nPosition;
    int nControls;
    int nLength;
    DWORD dwMode;
    CSize szExpected;
    std::vector<int> nHidden;   // controls hidden for lack of room
    CRect rcExpand;             // empty: the expand button is not shown
    CRect rcLastShown;          // the last control that is shown
};

const CDockedCase g_dockedCases[] = {
    {"everything fits: no expand button", zmrBarTop, 3, 200, HorzHide, CSize(69, 24), {}, CRect(),
     CRect(47, 2, 67, 22)},
    // Without the button three would fit (7 + 60 + 2 = 69); its 11 px leave room for two.
    {"the expand button takes 11 px at the end and hides one more", zmrBarTop, 5, 70, HorzHide, CSize(70, 24),
     {2, 3, 4}, CRect(57, 2, 68, 22), CRect(27, 2, 47, 22)},
    {"vertical: the button closes the column", zmrBarLeft, 4, 60, VertHide, CSize(24, 60), {2, 3},
     CRect(2, 47, 22, 58), CRect(2, 27, 22, 47)},
    {"wrapping instead of hiding needs no button", zmrBarTop, 5, 70, zmrLayoutHorzDock | zmrLayoutCommit,
     CSize(70, 44), {}, CRect(), CRect(27, 22, 47, 42)},
};

class ToolBarDockedLayout : public ::testing::TestWithParam<CDockedCase>
{
};

TEST_P(ToolBarDockedLayout, RowsExpandButtonAndHiddenControls)
{
    const CDockedCase& c = GetParam();
    CToolBarFixture f(c.nPosition, c.nControls);
    EXPECT_EQ(f.m_pBar->CalcFixedLayout(c.nLength, c.dwMode), c.szExpected);
    EXPECT_EQ(f.Hidden(), c.nHidden);
    CZMRControl* pExpand = f.Button(ZMR_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    EXPECT_TRUE(pExpand->IsTemporary());
    EXPECT_EQ(pExpand->IsVisible() != 0, !c.rcExpand.IsRectEmpty());
    if (!c.rcExpand.IsRectEmpty())
    {
        EXPECT_EQ(Describe(pExpand->GetRect()), Describe(c.rcExpand));
        auto* pButton = dynamic_cast<CZMRToolBar::CControlButtonExpand*>(pExpand);
        ASSERT_NE(pButton, nullptr);
        EXPECT_TRUE(pButton->HasHiddenControls());
    }
    const int nLastShown = c.nControls - int(c.nHidden.size()) - 1;
    EXPECT_EQ(Describe(f.m_controls[nLastShown]->GetRect()), Describe(c.rcLastShown));
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolBarDockedLayout, ::testing::ValuesIn(g_dockedCases),
                         [](const ::testing::TestParamInfo<CDockedCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST(ToolBarDockedLayout, LaterLayoutsWithRoomHideTheButtonAgain)
{
    CToolBarFixture f(zmrBarTop, 5);
    f.m_pBar->CalcFixedLayout(70, HorzHide);
    EXPECT_EQ(f.m_pBar->CalcFixedLayout(300, HorzHide), CSize(109, 24));
    EXPECT_TRUE(f.Hidden().empty());
    EXPECT_FALSE(f.Button(ZMR_ID_TOOLBAR_EXPAND)->IsVisible());
    // A control the program hid is not one hidden for lack of room.
    f.m_controls[4]->SetVisible(FALSE);
    f.m_pBar->CalcFixedLayout(70, HorzHide);
    EXPECT_EQ(f.Hidden(), (std::vector<int>{2, 3}));
}

TEST(ToolBarDockedLayout, MeasuringLeavesRoomForTheButtonBeyondTheSmallestForm)
{
    CToolBarFixture f(zmrBarTop, 5);
    const DWORD dwMeasure = HorzHide & ~DWORD(zmrLayoutCommit);
    // The smallest form keeps one control: 7 + 20 + 2, plus 11 for the button.
    EXPECT_EQ(f.m_pBar->CalcFixedLayout(10, dwMeasure).cx, 40);
    EXPECT_EQ(f.m_pBar->CalcFixedLayout(300, dwMeasure).cx, 109);
    // Measuring commits nothing.
    EXPECT_TRUE(f.Hidden().empty());
    EXPECT_FALSE(f.Button(ZMR_ID_TOOLBAR_EXPAND)->IsVisible());
    // One control alone never needs the button.
    CToolBarFixture one(zmrBarTop, 1);
    EXPECT_EQ(one.m_pBar->CalcFixedLayout(10, dwMeasure).cx, 29);
}

TEST(ToolBarDockedLayout, WithoutTheExpandSwitchControlsJustHide)
{
    CToolBarFixture f(zmrBarTop, 5);
    f.m_pBar->ShowExpandButton(FALSE);
    EXPECT_EQ(f.m_pBar->CalcFixedLayout(70, HorzHide), CSize(70, 24));
    EXPECT_EQ(f.Hidden(), (std::vector<int>{3, 4}));
    EXPECT_EQ(f.Button(ZMR_ID_TOOLBAR_EXPAND), nullptr);
}

TEST(ToolBarBorders, FloatingFrameOrThemeAndGripper)
{
    CToolBarFixture top(zmrBarTop, 0), left(zmrBarRight, 0), floating(zmrBarFloating, 0);
    EXPECT_EQ(Describe(top.m_pBar->GetBorders()), Describe(CRect(7, 2, 2, 2)));
    EXPECT_EQ(Describe(left.m_pBar->GetBorders()), Describe(CRect(2, 7, 2, 2)));
    EXPECT_EQ(Describe(floating.m_pBar->GetBorders()), Describe(CRect(3, 3, 3, 3)));
    top.m_pBar->SetBarStyle(top.m_pBar->GetBarStyle() & ~DWORD(zmrBarStyleGripper));
    EXPECT_EQ(Describe(top.m_pBar->GetBorders()), Describe(CRect(2, 2, 2, 2)));
}

TEST(ToolBarFloatingLayout, CaptionStripAndHideButton)
{
    CToolBarFixture f(zmrBarFloating, 3);
    // Borders of 3, the caption strip 14 + 1 above the controls.
    EXPECT_EQ(f.m_pBar->CalcDynamicLayout(100, zmrLayoutCommit), CSize(66, 41));
    EXPECT_EQ(Describe(f.m_controls[0]->GetRect()), Describe(CRect(3, 18, 23, 38)));
    CZMRControl* pHide = f.Button(ZMR_ID_TOOLBAR_HIDE);
    ASSERT_NE(pHide, nullptr);
    EXPECT_TRUE(pHide->IsVisible());
    EXPECT_EQ(Describe(pHide->GetRect()), Describe(CRect(49, 3, 63, 17)));
    // Without a manager there is nothing to expand into.
    EXPECT_EQ(f.Button(ZMR_ID_TOOLBAR_EXPAND), nullptr);

    // Wrapped to two rows at a narrower width.
    EXPECT_EQ(f.m_pBar->CalcDynamicLayout(46, zmrLayoutCommit), CSize(46, 61));
    EXPECT_EQ(Describe(f.m_controls[2]->GetRect()), Describe(CRect(3, 38, 23, 58)));
    EXPECT_EQ(Describe(pHide->GetRect()), Describe(CRect(29, 3, 43, 17)));
}

TEST(ToolBarFloatingLayout, HidingTheBarFromItsCaption)
{
    CToolBarFixture f(zmrBarFloating, 1);
    f.m_pBar->SetVisible(TRUE);
    f.m_pBar->CalcDynamicLayout(100, zmrLayoutCommit);
    f.Button(ZMR_ID_TOOLBAR_HIDE)->OnExecute();
    EXPECT_FALSE(f.m_pBar->IsVisible());
}
} // namespace

namespace
{
// A popup bar that records how it was opened instead of tracking.
class CRecordingPopup : public CZMRPopupBar
{
public:
    BOOL OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst) override
    {
        m_pOpenedBy = pControlPopup;
        m_bSelectFirst = bSelectFirst;
        return TRUE;
    }
    CZMRControl* m_pOpenedBy = nullptr;
    BOOL m_bSelectFirst = -1;
};

TEST(ToolBarExpandPopup, ListsTheControlsWithoutRoom)
{
    CToolBarFixture f(zmrBarTop, 5);
    f.m_controls[3]->SetBeginGroup(TRUE);
    f.m_pBar->CalcFixedLayout(70, HorzHide);
    ASSERT_EQ(f.Hidden(), (std::vector<int>{2, 3, 4}));

    CRecordingWnd site;
    ASSERT_TRUE(site.Create());
    f.m_pBar->SetSiteOverride(&site);
    CRecordingPopup* pPopup = new CRecordingPopup;
    site.m_answer = [&](UINT nMessage, WPARAM, LPARAM lParam) -> LRESULT {
        if (nMessage != ZMR_WM_CREATECOMMANDBAR)
            return 0;
        auto* pRecord = reinterpret_cast<ZMR_CREATEBAR_RECORD*>(lParam);
        EXPECT_TRUE(pRecord->bPopup);
        pRecord->pCommandBar = pPopup;
        return 1;
    };

    CZMRControl* pExpand = f.Button(ZMR_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pExpand->ShowPopup(TRUE));
    ASSERT_EQ(pExpand->GetCommandBar(), pPopup);
    EXPECT_EQ(pPopup->m_pOpenedBy, pExpand);
    EXPECT_FALSE(pPopup->m_bSelectFirst);
    EXPECT_FALSE(pPopup->IsCustomizable());
    ASSERT_EQ(pPopup->GetControlCount(), 3);
    for (int i = 0; i < 3; i++)
    {
        CZMRControl* pCopy = pPopup->GetControl(i);
        EXPECT_EQ(pCopy->GetID(), 102 + i);
        EXPECT_TRUE(pCopy->IsVisible());
        EXPECT_FALSE(pCopy->GetBeginGroup());
    }
    // The bar's own controls stay hidden.
    EXPECT_EQ(f.Hidden(), (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(pExpand->ShowPopup(FALSE));
    f.m_pBar->SetSiteOverride(nullptr);
}
} // namespace
