// The ribbon bar in a frame: when it shows, what it asks the theme to draw,
// minimizing, its tab row and quick-access row, and its frame helper.
#include "RibbonTestSupport.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRDefaultTheme.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"

#include <string>
#include <vector>

namespace
{
// Records the ribbon operations the bar calls, and fills each part in a
// colour of its own so that one pixel tells which operation drew it.
class CRecordingTheme : public CZMRRibbonTheme
{
public:
    enum : COLORREF
    {
        clrBar = RGB(10, 200, 10),
        clrCaption = RGB(200, 10, 10),
        clrGroups = RGB(10, 10, 200),
        clrGroup = RGB(200, 200, 10),
    };
    void FillRibbonBar(CDC* pDC, CZMRRibbonBar* pRibbonBar) override
    {
        m_calls.push_back("fill");
        CRect rc;
        pRibbonBar->GetClientRect(&rc);
        pDC->FillSolidRect(rc, clrBar);
    }
    void DrawRibbonCaptionBar(CDC* pDC, CZMRRibbonBar* pRibbonBar) override
    {
        m_calls.push_back("caption bar");
        pDC->FillSolidRect(pRibbonBar->GetCaptionRect(), clrCaption);
    }
    void DrawRibbonFrameCaption(CDC* pDC, CZMRRibbonBar* pRibbonBar, BOOL bActive) override
    {
        m_calls.push_back(bActive ? "frame caption active" : "frame caption");
        pDC->FillSolidRect(pRibbonBar->GetCaptionRect(), clrCaption);
    }
    void DrawGroupsBackground(CDC* pDC, CZMRRibbonTab* pTab, CRect rcGroups) override
    {
        m_calls.push_back("groups of " + std::string(CStringA(pTab ? pTab->GetRawCaption() : CString(L"none"))));
        m_rcGroups = rcGroups;
        pDC->FillSolidRect(rcGroups, clrGroups);
    }
    void DrawGroup(CDC* pDC, CZMRRibbonGroup* pGroup) override
    {
        m_calls.push_back("group " + std::string(CStringA(pGroup->GetCaption())));
        pDC->FillSolidRect(pGroup->GetRect(), clrGroup);
    }

    std::vector<std::string> m_calls;
    CRect m_rcGroups;
};

// A frame helper that counts its destructions.
class CCountedHelper : public CZMRRibbonFrameHelper
{
public:
    CCountedHelper(HWND hWnd, CZMRRibbonBar* pBar, int* pnDeleted) : CZMRRibbonFrameHelper(hWnd, pBar), m_pn(pnDeleted) {}
    ~CCountedHelper() override { ++*m_pn; }
    int* m_pn;
};

// A button of fixed size, so that no font decides the geometry.
class CFixedButton : public CZMRControlButton
{
public:
    explicit CFixedButton(CSize sz = CSize(20, 20)) : m_sz(sz) {}
    CSize GetSize(CDC*) override { return m_sz; }
    void Draw(CDC* pDC) override { pDC->FillSolidRect(GetRect(), RGB(1, 2, 3)); }
    CZMRControl* Clone(BOOL) override { return new CFixedButton(m_sz); }
    CSize m_sz;
};

class RibbonInFrame : public ::testing::Test
{
protected:
    void SetUp() override { Make(new CRecordingTheme); }
    void TearDown() override { delete m_pHost; }
    void Make(CZMRPaintManager* pPaintManager, CRect rc = CRect(0, 0, 640, 480))
    {
        delete m_pHost;
        m_pHost = CRibbonHost::Create(rc, pPaintManager);
        ASSERT_NE(m_pHost, nullptr);
        m_pRibbon = m_pHost->Ribbon();
    }
    CRecordingTheme* Theme() const { return static_cast<CRecordingTheme*>(m_pHost->PaintManager()); }
    CZMRRibbonTheme* RibbonTheme() const { return static_cast<CZMRRibbonTheme*>(m_pHost->PaintManager()); }
    // Two tabs, "Home" with a group of two buttons, "Insert" with one group.
    void AddTabs()
    {
        CZMRRibbonTab* pHome = m_pRibbon->InsertTab(0, L"Home", 1);
        CZMRRibbonTab* pInsert = m_pRibbon->InsertTab(1, L"Insert", 2);
        CZMRRibbonGroup* pGroup = pHome->GetGroups()->InsertAt(0, new CZMRRibbonGroup);
        pGroup->SetCaption(L"Clipboard");
        CFixedButton source;
        pGroup->InsertControl(&source, 0);
        pGroup->InsertControl(&source, 1);
        CZMRRibbonGroup* pOther = pInsert->GetGroups()->InsertAt(0, new CZMRRibbonGroup);
        pOther->SetCaption(L"Tables");
        pOther->InsertControl(&source, 0);
        m_pRibbon->SelectTab(0);
        m_pHost->Layout();
    }
    // The whole bar painted again, now.
    void Repaint()
    {
        m_pRibbon->Redraw();
        m_pRibbon->UpdateWindow();
    }
    int RibbonHeight() const { return m_pHost->RibbonRectInFrame().Height(); }
    COLORREF PixelInRibbon(int x, int y) const
    {
        CSize sz;
        const std::vector<COLORREF> pixels = m_pHost->CaptureFrame(sz);
        const CRect rc = m_pHost->RibbonRectInFrame();
        return pixels[size_t(rc.top + y) * sz.cx + size_t(rc.left + x)];
    }

    CRibbonHost* m_pHost = nullptr;
    CZMRRibbonBar* m_pRibbon = nullptr;
};
} // namespace

TEST_F(RibbonInFrame, StartsWithItsStructuralControls)
{
    EXPECT_TRUE(m_pRibbon->IsRibbonBar());
    EXPECT_EQ(zmrBarTypeMenuBar, m_pRibbon->GetType());
    EXPECT_EQ(0x440u, m_pRibbon->GetFlags());
    EXPECT_EQ(0u, m_pRibbon->GetBarStyle());
    EXPECT_FALSE(m_pRibbon->IsCustomizable());
    EXPECT_TRUE(m_pRibbon->IsMultiColumn());
    EXPECT_TRUE(m_pRibbon->IsAnimationEnabled());
    // Scroll buttons, customize button, more button, tab strip, in this order.
    ASSERT_EQ(5, m_pRibbon->GetControlCount());
    EXPECT_EQ(m_pRibbon->GetScrollButton(FALSE), m_pRibbon->GetControl(0));
    EXPECT_EQ(m_pRibbon->GetScrollButton(TRUE), m_pRibbon->GetControl(1));
    EXPECT_EQ(9603, m_pRibbon->GetControl(2)->GetID());
    EXPECT_EQ(9611, m_pRibbon->GetControl(3)->GetID());
    EXPECT_EQ(9604, m_pRibbon->GetControl(4)->GetID());
    EXPECT_EQ(m_pRibbon->GetControlTab(), m_pRibbon->GetControl(4));

    // The structural controls stay when the program removes controls.
    m_pRibbon->GetControls()->RemoveAll();
    EXPECT_EQ(5, m_pRibbon->GetControlCount());
}

TEST_F(RibbonInFrame, ShowsOnlyInAFrameOfAtLeast250Pixels)
{
    EXPECT_EQ(0, m_pRibbon->CalcFixedLayout(249, 0).cy) << "a bar length of 249";
    EXPECT_GT(m_pRibbon->CalcFixedLayout(250, 0).cy, 0);
    EXPECT_TRUE(m_pRibbon->IsShownBySize());

    m_pHost->Frame()->MoveWindow(0, 0, 640, 249);
    EXPECT_EQ(0, m_pRibbon->CalcFixedLayout(600, 0).cy) << "a frame 249 high";
    EXPECT_FALSE(m_pRibbon->IsShownBySize());
    m_pHost->Frame()->MoveWindow(0, 0, 640, 250);
    EXPECT_GT(m_pRibbon->CalcFixedLayout(600, 0).cy, 0);
}

TEST_F(RibbonInFrame, AnotherThemeGivesNoRibbonAndDrawsNoBands)
{
    Make(new CZMRDefaultTheme);
    AddTabs();
    EXPECT_EQ(0, m_pRibbon->CalcFixedLayout(600, zmrLayoutCommit).cy);
    EXPECT_EQ(0, RibbonHeight());
    // Painting and tab clicks go by without the ribbon theme.
    m_pRibbon->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_pRibbon->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
    m_pRibbon->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
    m_pRibbon->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
    EXPECT_TRUE(m_pRibbon->GetTabControlRect().IsRectEmpty());
}

TEST_F(RibbonInFrame, HeightAndBandsFollowTheThemeMetrics)
{
    AddTabs();
    CZMRRibbonTheme* pTheme = RibbonTheme();
    const int nTabs = pTheme->GetTabsHeight();
    const int nGroups = 3 * pTheme->GetControlRowHeight() + pTheme->GetGroupCaptionHeight() + 10;
    EXPECT_EQ(nGroups, m_pRibbon->GetGroupsAreaHeight());
    const int nCaption = m_pRibbon->GetCaptionHeight();
    EXPECT_GE(nCaption, pTheme->GetRibbonCaptionHeight());
    EXPECT_GE(nCaption, m_pRibbon->GetQuickAccessHeight()) << "the quick-access row fits the caption band";
    EXPECT_EQ(m_pRibbon->GetButtonSize().cy + 4, m_pRibbon->GetQuickAccessHeight());
    EXPECT_EQ(nTabs + nCaption + nGroups, RibbonHeight());
    EXPECT_EQ(CRect(0, nCaption + nTabs, RibbonHeight() == 0 ? 0 : m_pRibbon->GetGroupsRect().right,
                    nCaption + nTabs + nGroups),
              m_pRibbon->GetGroupsRect());

    m_pRibbon->SetGroupsHeightOverride(120);
    EXPECT_EQ(120, m_pRibbon->GetGroupsAreaHeight());
    m_pRibbon->SetGroupsHeightOverride(-5);
    EXPECT_EQ(nGroups, m_pRibbon->GetGroupsAreaHeight()) << "an override of 0 or less is automatic";
}

TEST_F(RibbonInFrame, PaintsItsBandsThroughTheTheme)
{
    AddTabs();
    Theme()->m_calls.clear();
    Repaint();
    const std::vector<std::string> expected = {"fill", "caption bar", "groups of Home", "group Clipboard"};
    EXPECT_EQ(expected, Theme()->m_calls);
    EXPECT_EQ(m_pRibbon->GetGroupsRect(), Theme()->m_rcGroups);

    const CRect rcCaption = m_pRibbon->GetCaptionRect();
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    EXPECT_EQ(COLORREF(CRecordingTheme::clrCaption), PixelInRibbon(rcCaption.right - 3, rcCaption.top + 2));
    EXPECT_EQ(COLORREF(CRecordingTheme::clrGroups), PixelInRibbon(rcGroups.right - 3, rcGroups.bottom - 2));
    m_pHost->SavePicture(L"ribbon_normal.png");
}

TEST_F(RibbonInFrame, MinimizingKeepsTheTabRowAndHidesTheGroups)
{
    AddTabs();
    const int nTabs = RibbonTheme()->GetTabsHeight();
    const int nCaption = m_pRibbon->GetCaptionHeight();
    CZMRRibbonGroup* pGroup = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0);
    CZMRControl* pGroupControl = pGroup->GetAt(0);
    EXPECT_FALSE(pGroupControl->GetHideFlags() & zmrHideRibbonTab);
    EXPECT_TRUE(m_pRibbon->GetTab(1)->GetGroups()->GetAt(0)->GetAt(0)->GetHideFlags() & zmrHideRibbonTab)
        << "the controls of a tab that is not selected";

    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    EXPECT_FALSE(m_pRibbon->AreGroupsShown());
    EXPECT_EQ(nTabs + nCaption + 2, RibbonHeight());
    EXPECT_TRUE(pGroupControl->GetHideFlags() & zmrHideRibbonTab);

    Theme()->m_calls.clear();
    Repaint();
    const std::vector<std::string> expected = {"fill", "caption bar"};
    EXPECT_EQ(expected, Theme()->m_calls);
    m_pHost->SavePicture(L"ribbon_minimized.png");

    m_pRibbon->SetMinimized(FALSE);
    m_pHost->Layout();
    EXPECT_FALSE(pGroupControl->GetHideFlags() & zmrHideRibbonTab);
    EXPECT_EQ(nTabs + nCaption + m_pRibbon->GetGroupsAreaHeight(), RibbonHeight());
}

TEST_F(RibbonInFrame, RestoringWithoutASelectedTabSelectsTheFirstUsableOne)
{
    CZMRRibbonTab* pHidden = m_pRibbon->InsertTab(0, L"Hidden");
    m_pRibbon->InsertTab(1, L"Home");
    pHidden->SetVisible(FALSE);
    m_pRibbon->SetMinimized(TRUE);
    m_pRibbon->GetControlTab()->CZMRTabManager::SetSelectedItem(nullptr);
    ASSERT_EQ(nullptr, m_pRibbon->GetSelectedTab());
    m_pRibbon->SetMinimized(FALSE);
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pRibbon->GetSelectedTab());
}

TEST_F(RibbonInFrame, TheFrameHelperIsDeletedOnceAndForgotten)
{
    int nDeleted = 0;
    m_pRibbon->SetFrameHelper(new CCountedHelper(m_pHost->Frame()->GetSafeHwnd(), m_pRibbon, &nDeleted));
    EXPECT_TRUE(m_pRibbon->HasFrameHelper());
    m_pRibbon->OnDestroyBar();
    EXPECT_EQ(1, nDeleted);
    EXPECT_FALSE(m_pRibbon->HasFrameHelper());
    delete m_pHost;   // the bar's destruction
    m_pHost = nullptr;
    EXPECT_EQ(1, nDeleted);
}
