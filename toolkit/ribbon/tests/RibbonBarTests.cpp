// The ribbon bar in a frame: when it shows, what it asks the theme to draw,
// minimizing, its tab row and quick-access row, and its frame helper.
#include "RibbonTestSupport.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRDefaultTheme.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRToolBar.h"
#include "CZMRToolTipContext.h"

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

// A ribbon made by its class, with no manager.
struct CRibbonObjectForCues
{
    CRibbonObjectForCues() : p(static_cast<CZMRRibbonBar*>(RUNTIME_CLASS(CZMRRibbonBar)->CreateObject())) {}
    ~CRibbonObjectForCues() { p->InternalRelease(); }
    CZMRRibbonBar* p;
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

// A tool bar added to the frame's manager docks in the row below the
// ribbon, draws its buttons, and the ribbon keeps its place; a torn-off one
// floats.
TEST_F(RibbonInFrame, ToolBarsBesideTheRibbon)
{
    AddTabs();
    const CRect rcRibbon = m_pHost->RibbonRectInFrame();
    CZMRToolBar* pBar = m_pHost->Manager()->AddToolBar(L"Standard", 2);
    ASSERT_NE(nullptr, pBar);
    pBar->GetControls()->AddControl(new CFixedButton, 100);
    pBar->GetControls()->AddControl(new CFixedButton, 101);
    m_pHost->Layout();
    ASSERT_TRUE(pBar->GetSafeHwnd());
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_EQ(zmrBarTop, pBar->GetPosition());
    EXPECT_EQ(rcRibbon, m_pHost->RibbonRectInFrame());
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    m_pHost->Frame()->ScreenToClient(&rcBar);
    EXPECT_GE(rcBar.top, rcRibbon.bottom);
    EXPECT_EQ(RGB(1, 2, 3), PixelInRibbon(pBar->GetControl(0)->GetRect().left + rcBar.left - rcRibbon.left + 5,
                                          pBar->GetControl(0)->GetRect().top + rcBar.top - rcRibbon.top + 5));

    CZMRToolBar* pTorn = m_pHost->Manager()->AddToolBar(L"Torn", 3, TRUE);
    ASSERT_NE(nullptr, pTorn);
    pTorn->GetControls()->AddControl(new CFixedButton, 102);
    m_pHost->Layout();
    EXPECT_EQ(rcRibbon, m_pHost->RibbonRectInFrame());
    EXPECT_EQ(3, m_pHost->Manager()->GetCount());

    // The manager destroys its bars with the tool bars still docked; the
    // ribbon, destroyed last, lays the frame out once more.
    delete m_pHost;
    m_pHost = nullptr;
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

// ---------------------------------------------------------------- the tab row and the quick-access row

namespace
{
class RibbonRows : public RibbonInFrame
{
protected:
    void SetUp() override
    {
        RibbonInFrame::SetUp();
        AddTabs();
    }
    CFixedButton* AddQuickAccess(int nWidth)
    {
        auto* pButton = new CFixedButton(CSize(nWidth, 20));
        m_pRibbon->GetQuickAccessControls()->InsertAt(pButton, -1);
        return pButton;
    }
    int Width() const
    {
        CRect rc;
        m_pRibbon->GetClientRect(&rc);
        return rc.Width();
    }
    // The top a control of height h gets in the quick-access row: centred,
    // and 2 px lower for ordinary controls in the caption band.
    int QuickAccessTop(int h, BOOL bOrdinary) const
    {
        const CRect rcQuickAccess = m_pRibbon->GetQuickAccessRect();
        return rcQuickAccess.top + (rcQuickAccess.Height() - h + 1) / 2 + (bOrdinary ? 2 : 0);
    }
};
} // namespace

TEST_F(RibbonRows, QuickAccessControlsLineUpInTheCaptionBand)
{
    CFixedButton* pFirst = AddQuickAccess(20);
    CFixedButton* pSecond = AddQuickAccess(30);
    m_pHost->Layout();

    const int x0 = m_pRibbon->GetQuickAccessHeight() + RibbonTheme()->GetTabsHeight();
    EXPECT_EQ(CRect(x0, QuickAccessTop(20, TRUE), x0 + 20, QuickAccessTop(20, TRUE) + 20), pFirst->GetRect());
    EXPECT_EQ(CRect(x0 + 20, QuickAccessTop(20, TRUE), x0 + 50, QuickAccessTop(20, TRUE) + 20), pSecond->GetRect());
    CZMRControl* pCustomize = m_pRibbon->GetQuickAccessCustomizeButton();
    const CSize szButton = pCustomize->GetRect().Size();
    EXPECT_EQ(CSize(RibbonTheme()->GetControlRowHeight() * 13 / 22, RibbonTheme()->GetControlRowHeight()), szButton);
    EXPECT_EQ(CPoint(x0 + 50 + 12, QuickAccessTop(szButton.cy, FALSE)), pCustomize->GetRect().TopLeft())
        << "12 px after the last control, not lowered";
    EXPECT_TRUE(pCustomize->IsVisible());
    EXPECT_FALSE(m_pRibbon->GetQuickAccessMoreButton()->IsVisible());
    EXPECT_EQ(x0 + 62, m_pRibbon->GetQuickAccessRect().right) << "the customize button does not move x on";
}

TEST_F(RibbonRows, ARowThatDoesNotFitShowsTheMoreButtonInsteadOfTheCustomizeButton)
{
    const int x0 = m_pRibbon->GetQuickAccessHeight() + RibbonTheme()->GetTabsHeight();
    const int nLimit = Width() - 3 * m_pRibbon->GetCaptionRect().Height();
    // As many 100 px controls as fit before the limit, and two more.
    const int nFit = (nLimit - x0) / 100;
    std::vector<CFixedButton*> buttons;
    for (int i = 0; i < nFit + 2; i++)
        buttons.push_back(AddQuickAccess(100));
    m_pHost->Layout();

    for (int i = 0; i < nFit; i++)
    {
        EXPECT_TRUE(buttons[i]->IsVisible()) << i;
        EXPECT_EQ(x0 + 100 * i, buttons[i]->GetRect().left) << i;
    }
    for (int i = nFit; i < nFit + 2; i++)
        EXPECT_EQ(DWORD(zmrHideWrap), buttons[i]->GetHideFlags() & zmrHideWrap) << i;
    EXPECT_FALSE(m_pRibbon->GetQuickAccessCustomizeButton()->IsVisible());
    CZMRControl* pMore = m_pRibbon->GetQuickAccessMoreButton();
    ASSERT_TRUE(pMore->IsVisible());
    EXPECT_EQ(x0 + 100 * nFit + 12, pMore->GetRect().left) << "where the customize button would stand";
}

TEST_F(RibbonRows, TheSystemButtonReachesFromTheCaptionOverTheTabRow)
{
    CZMRControl* pButton = m_pRibbon->AddSystemButton(700);
    CZMRControl* pLoose = m_pRibbon->GetControls()->AddControl(new CFixedButton(CSize(24, 18)), 800);
    auto* pRight = new CFixedButton(CSize(16, 16));
    pRight->SetFlags(zmrFlagRightAlign);
    pRight->SetBeginGroup(TRUE);
    m_pRibbon->GetControls()->AddControl(pRight, 801);
    m_pHost->Layout();

    const int qa = m_pRibbon->GetQuickAccessHeight();
    const int tabs = RibbonTheme()->GetTabsHeight();
    const int nCaption = m_pRibbon->GetCaptionHeight();
    // Without frame helper the band's border is 0: the button starts 1 px above the band.
    EXPECT_EQ(CRect(0, -1, qa + tabs - 3, -1 + qa + tabs - 4), pButton->GetRect());
    EXPECT_EQ(pButton, m_pRibbon->GetControl(0));
    EXPECT_TRUE(pButton->GetWrap());

    // Loose controls: from the system button's right edge, and from the right end.
    const int x = qa + tabs - 3;
    const int nRowTop = nCaption;
    EXPECT_EQ(CRect(x, nRowTop + (tabs - 18 + 1) / 2, x + 24, nRowTop + (tabs - 18 + 1) / 2 + 18), pLoose->GetRect());
    EXPECT_EQ(Width(), pRight->GetRect().right);
    EXPECT_FALSE(pRight->GetBeginGroup()) << "a right-aligned control begins no group";
    EXPECT_TRUE(pRight->GetWrap());
    // The tab strip between them, one pixel deeper than the row.
    EXPECT_EQ(CRect(x + 24, nRowTop, Width() - 16, nRowTop + tabs + 1), m_pRibbon->GetTabControlRect());

    // With the tabs hidden the loose controls and the tab strip go.
    m_pRibbon->SetTabsVisible(FALSE);
    m_pHost->Layout();
    EXPECT_FALSE(pLoose->IsVisible());
    EXPECT_TRUE(m_pRibbon->GetTabControlRect().IsRectEmpty());
    EXPECT_FALSE(m_pRibbon->GetControlTab()->IsVisible());
    EXPECT_EQ(2 + nCaption + m_pRibbon->GetGroupsAreaHeight(), RibbonHeight()) << "the hidden tab row counts 2";
    m_pRibbon->SetTabsVisible(TRUE);
    m_pHost->Layout();
    EXPECT_TRUE(pLoose->IsVisible());
}

TEST_F(RibbonRows, BelowTheGroupsTheRowSpansTheRibbon)
{
    CFixedButton* pFirst = AddQuickAccess(20);
    m_pRibbon->ShowQuickAccessBelow(TRUE);
    m_pHost->Layout();
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    const int qa = m_pRibbon->GetQuickAccessHeight();
    EXPECT_EQ(CRect(0, rcGroups.bottom, Width(), rcGroups.bottom + qa), m_pRibbon->GetQuickAccessRect());
    EXPECT_EQ(2, pFirst->GetRect().left);
    EXPECT_EQ(rcGroups.bottom + (qa - 20 + 1) / 2, pFirst->GetRect().top) << "not lowered below the groups";
    EXPECT_EQ(rcGroups.bottom + qa + 1, RibbonHeight());
}

TEST_F(RibbonRows, WithoutCaptionBandTheQuickAccessRowJoinsTheTabRow)
{
    CFixedButton* pFirst = AddQuickAccess(20);
    m_pRibbon->SetCaptionBarShown(FALSE);
    m_pHost->Layout();
    const int tabs = RibbonTheme()->GetTabsHeight();
    EXPECT_TRUE(m_pRibbon->GetCaptionRect().IsRectEmpty());
    // x starts at 2 (no system button): the row starts 5 px on, in the tab row.
    EXPECT_EQ(CRect(7, (tabs - 20 + 1) / 2, 27, (tabs - 20 + 1) / 2 + 20), pFirst->GetRect());
    const CRect rcCustomize = m_pRibbon->GetQuickAccessCustomizeButton()->GetRect();
    EXPECT_EQ(27, rcCustomize.left) << "no gap outside the caption band";
    EXPECT_EQ(rcCustomize.right, m_pRibbon->GetTabControlRect().left) << "in the tab row every control moves x on";
    EXPECT_EQ(tabs + m_pRibbon->GetGroupsAreaHeight(), RibbonHeight());
}

// ---------------------------------------------------------------- the mouse

namespace
{
class RibbonMouse : public RibbonRows
{
protected:
    CPoint TabCentre(int nIndex) const { return m_pRibbon->GetTab(nIndex)->GetRect().CenterPoint(); }
    // A press and release as the window receives them; the tab strip's
    // press loop takes the queued release.
    void Click(CPoint pt)
    {
        m_pRibbon->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        m_pRibbon->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        CRibbonHost::Pump();
    }
    void DoubleClick(CPoint pt)
    {
        Click(pt);
        m_pRibbon->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_pRibbon->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        CRibbonHost::Pump();
    }
    std::vector<int> TabCodes() const
    {
        std::vector<int> codes;
        for (const CRibbonHost::CNotification& n : m_pHost->m_notifications)
        {
            if (n.nCode == ZMR_RIBBON_TABCHANGING || n.nCode == ZMR_RIBBON_TABCHANGED)
                codes.push_back(n.nCode);
        }
        return codes;
    }
};
} // namespace

TEST_F(RibbonMouse, ClickingATabAsksTheSiteAndShowsThatTabsGroups)
{
    CZMRControl* pHomeControl = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetAt(0);
    CZMRControl* pInsertControl = m_pRibbon->GetTab(1)->GetGroups()->GetAt(0)->GetAt(0);
    m_pHost->m_notifications.clear();
    Click(TabCentre(1));
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pRibbon->GetSelectedTab());
    EXPECT_EQ(std::vector<int>({ZMR_RIBBON_TABCHANGING, ZMR_RIBBON_TABCHANGED}), TabCodes());
    for (const CRibbonHost::CNotification& n : m_pHost->m_notifications)
    {
        if (n.nCode == ZMR_RIBBON_TABCHANGING || n.nCode == ZMR_RIBBON_TABCHANGED)
        {
            EXPECT_EQ(m_pRibbon->GetTab(1), n.pTab);
            EXPECT_EQ(m_pRibbon->GetControlTab(), n.pControl);
        }
    }
    EXPECT_TRUE(pHomeControl->GetHideFlags() & zmrHideRibbonTab);
    EXPECT_FALSE(pInsertControl->GetHideFlags() & zmrHideRibbonTab);
}

TEST_F(RibbonMouse, ASiteThatRefusesTheChangeKeepsTheOldTab)
{
    m_pHost->m_answer = [](const CRibbonHost::CNotification& n) { return n.nCode == ZMR_RIBBON_TABCHANGING ? 1 : 0; };
    m_pHost->m_notifications.clear();
    Click(TabCentre(1));
    EXPECT_EQ(m_pRibbon->GetTab(0), m_pRibbon->GetSelectedTab());
    EXPECT_EQ(std::vector<int>({ZMR_RIBBON_TABCHANGING}), TabCodes());
}

TEST_F(RibbonMouse, ADoubleClickOnTheSelectedTabMinimizesAndRestores)
{
    DoubleClick(TabCentre(0));
    EXPECT_TRUE(m_pRibbon->IsMinimized());
    DoubleClick(TabCentre(0));
    EXPECT_FALSE(m_pRibbon->IsMinimized());

    // A double click that first selected its tab does not minimize.
    DoubleClick(TabCentre(1));
    EXPECT_EQ(m_pRibbon->GetTab(1), m_pRibbon->GetSelectedTab());
    EXPECT_FALSE(m_pRibbon->IsMinimized());

    m_pRibbon->AllowMinimize(FALSE);
    DoubleClick(TabCentre(1));
    EXPECT_FALSE(m_pRibbon->IsMinimized());
}

TEST_F(RibbonMouse, TheCaptionBelongsToTheFrameOnlyWithAFrameHelper)
{
    const CPoint ptCaption(m_pRibbon->GetCaptionRect().right - 200, m_pRibbon->GetCaptionRect().CenterPoint().y);
    EXPECT_EQ(0, m_pRibbon->HitTestCaption(ptCaption)) << "the ribbon's own caption band";

    m_pRibbon->SetFrameHelper(new CZMRRibbonFrameHelper(m_pHost->Frame()->GetSafeHwnd(), m_pRibbon));
    m_pHost->Layout();
    const CRect rcCaption = m_pRibbon->GetCaptionRect();
    EXPECT_EQ(HTCAPTION, m_pRibbon->HitTestCaption(CPoint(rcCaption.right - 200, rcCaption.top + 5)));
    EXPECT_EQ(HTTOP, m_pRibbon->HitTestCaption(CPoint(rcCaption.right - 200, rcCaption.top + 4)))
        << "the sizing edge of a frame with a thick frame";
    EXPECT_EQ(0, m_pRibbon->HitTestCaption(m_pRibbon->GetQuickAccessCustomizeButton()->GetRect().CenterPoint()))
        << "a control is no caption";
    EXPECT_EQ(0, m_pRibbon->HitTestCaption(CPoint(rcCaption.left + 5, rcCaption.bottom)));

    // The frame opens its system menu in a modal loop that a timer ends.
    m_pHost->m_nRecordMessage = 0x313;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    m_pRibbon->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(rcCaption.right - 200, rcCaption.top + 8));
    ::KillTimer(nullptr, nTimer);
    ASSERT_EQ(1u, m_pHost->m_frameMessages.size()) << "the frame's system menu";
    EXPECT_EQ(WPARAM(m_pHost->Frame()->GetSafeHwnd()), m_pHost->m_frameMessages[0].wParam);

    m_pRibbon->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rcCaption.right - 200, rcCaption.top + 8));
    CRibbonHost::Pump();
    EXPECT_TRUE(m_pHost->Frame()->IsZoomed()) << "a double click on the caption maximizes the frame";
    EXPECT_FALSE(m_pRibbon->IsMinimized());
}

TEST_F(RibbonMouse, AFrameHelperBringsTheCaptionButtonsAndTheCaptionText)
{
    m_pRibbon->SetFrameHelper(new CZMRRibbonFrameHelper(m_pHost->Frame()->GetSafeHwnd(), m_pRibbon));
    m_pHost->Layout();
    CZMRControls* pControls = m_pRibbon->GetControls();
    CZMRControl* pClose = pControls->FindControlById(SC_CLOSE);
    CZMRControl* pMaximize = pControls->FindControlById(SC_MAXIMIZE);
    CZMRControl* pMinimize = pControls->FindControlById(SC_MINIMIZE);
    ASSERT_TRUE(pClose && pMaximize && pMinimize);
    EXPECT_EQ(nullptr, pControls->FindControlById(SC_RESTORE));

    // Squares of the free band's height from its right end: close, maximize, minimize.
    const int nSize = m_pRibbon->GetCaptionRect().bottom - 3;
    EXPECT_EQ(CRect(Width() - nSize, 0, Width(), nSize), pClose->GetRect());
    EXPECT_EQ(pClose->GetRect().left, pMaximize->GetRect().right);
    EXPECT_EQ(pMaximize->GetRect().left, pMinimize->GetRect().right);
    EXPECT_EQ(pMinimize->GetRect().left, m_pRibbon->GetCaptionFreeRect().right);
    EXPECT_EQ(0x1au, pClose->GetFlags());
    EXPECT_TRUE(pClose->IsTemporary());

    // The caption text is centred between 70 and the buttons.
    EXPECT_EQ(CString(L"Ribbon host"), m_pRibbon->GetCaptionText());
    const CRect rcText = m_pRibbon->GetCaptionTextRect();
    EXPECT_NEAR((70 + m_pRibbon->GetCaptionFreeRect().right) / 2, rcText.CenterPoint().x, 1);

    // A maximized frame shows restore in the place of maximize.
    m_pHost->Frame()->ShowWindow(SW_MAXIMIZE);
    m_pHost->Layout();
    EXPECT_NE(nullptr, pControls->FindControlById(SC_RESTORE));
    EXPECT_EQ(nullptr, pControls->FindControlById(SC_MAXIMIZE));

    // Executing a caption button asks the frame for the system command.
    m_pHost->m_nRecordMessage = WM_SYSCOMMAND;
    pControls->FindControlById(SC_RESTORE)->OnExecute();
    CRibbonHost::Pump();
    ASSERT_FALSE(m_pHost->m_frameMessages.empty());
    EXPECT_EQ(WPARAM(SC_RESTORE), m_pHost->m_frameMessages[0].wParam);
    EXPECT_FALSE(m_pHost->Frame()->IsZoomed());

    // Without the helper the buttons go at the next arrangement of the caption.
    m_pRibbon->SetFrameHelper(nullptr);
    m_pHost->Layout();
    EXPECT_FALSE(m_pRibbon->HasFrameHelper());
}

// ---------------------------------------------------------------- sizes, cues, tab text and drops

TEST_F(RibbonRows, ButtonsAreSquaresOfTheBaseHeightAndIconsFollowTheManager)
{
    const int nBase = RibbonTheme()->GetBaseHeight();
    EXPECT_EQ(CSize(nBase, nBase), m_pRibbon->GetButtonSize());
    m_pRibbon->SetButtonSize(CSize(30, 28));
    EXPECT_EQ(CSize(30, 28), m_pRibbon->GetButtonSize());

    EXPECT_EQ(RibbonTheme()->GetIconSize(FALSE), m_pRibbon->GetIconSize());
    m_pHost->Manager()->GetOptions()->szIcons = CSize(20, 20);
    EXPECT_EQ(CSize(20, 20), m_pRibbon->GetIconSize());
    m_pRibbon->SetIconSize(CSize(24, 24));
    EXPECT_EQ(CSize(24, 24), m_pRibbon->GetIconSize());
}

TEST_F(RibbonRows, KeyboardTipsReplaceUnderlinedLetters)
{
    m_pHost->Manager()->GetOptions()->bKeyboardTips = TRUE;
    m_pHost->Manager()->ShowKeyboardCues(TRUE);
    EXPECT_FALSE(m_pRibbon->AreKeyboardCuesShown());
    m_pHost->Manager()->GetOptions()->bKeyboardTips = FALSE;
    EXPECT_EQ(m_pHost->Manager()->AreKeyboardCuesShown(), m_pRibbon->AreKeyboardCuesShown());

    CRibbonObjectForCues ribbon;
    EXPECT_TRUE(ribbon.p->AreKeyboardCuesShown()) << "without a manager";
}

TEST_F(RibbonRows, TabTextColoursOfAMinimizedRibbon)
{
    CZMRTabPaintManager::CColorSet* pColors = RibbonTheme()->GetTabPaintManager()->GetColorSet();
    const COLORREF clrNormal = RGB(1, 0, 0), clrHot = RGB(2, 0, 0), clrSelected = RGB(3, 0, 0),
                   clrDisabled = RGB(4, 0, 0);
    pColors->m_clrTextNormal.SetStandardValue(clrNormal);
    pColors->m_clrTextHot.SetStandardValue(clrHot);
    pColors->m_clrTextSelected.SetStandardValue(clrSelected);
    pColors->m_clrTextDisabled.SetStandardValue(clrDisabled);
    CZMRRibbonTab* pHome = m_pRibbon->GetTab(0);
    CZMRRibbonTab* pInsert = m_pRibbon->GetTab(1);
    CZMRRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
    CClientDC dc(m_pRibbon);
    auto textOf = [&](CZMRRibbonTab* pTab) {
        pColors->SetTextColor(&dc, pTab);
        return dc.GetTextColor();
    };

    EXPECT_EQ(clrSelected, textOf(pHome));
    EXPECT_EQ(clrNormal, textOf(pInsert));
    pStrip->TrackHotItem(m_pRibbon, pInsert->GetRect().CenterPoint());
    EXPECT_EQ(clrHot, textOf(pInsert));
    pStrip->TrackHotItem(m_pRibbon, CPoint(-1, -1));

    // Minimized, with the tab's popup closed, the selected tab looks like any other.
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    ASSERT_EQ(pHome, m_pRibbon->GetSelectedTab());
    EXPECT_EQ(clrNormal, textOf(pHome));
    pStrip->TrackHotItem(m_pRibbon, pHome->GetRect().CenterPoint());
    EXPECT_EQ(clrHot, textOf(pHome));
    pStrip->TrackHotItem(m_pRibbon, CPoint(-1, -1));

    pInsert->SetEnabled(FALSE);
    EXPECT_EQ(clrDisabled, textOf(pInsert));
}

TEST_F(RibbonRows, ADropOnItsOwnPlaceTogglesTheGroupStartOnlyBeyond4Pixels)
{
    m_pRibbon->SetCustomizable(TRUE);
    CZMRControl* pButton = m_pRibbon->GetControls()->AddControl(new CFixedButton(CSize(40, 20)), 900);
    m_pHost->Layout();
    const CPoint ptDrop = pButton->GetRect().TopLeft() + CSize(5, 5);
    const struct
    {
        CSize szMove;
        BOOL bBeginGroup;
    } cases[] = {{CSize(4, 0), FALSE}, {CSize(0, -4), FALSE}, {CSize(5, 0), TRUE}, {CSize(0, 5), FALSE}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.szMove.cx << "," << c.szMove.cy);
        DROPEFFECT effect = DROPEFFECT_MOVE;
        EXPECT_TRUE(m_pRibbon->OnControlDrop(pButton, effect, ptDrop, ptDrop - c.szMove));
        EXPECT_EQ(c.bBeginGroup, pButton->GetBeginGroup());
        EXPECT_EQ(pButton, m_pHost->Manager()->GetCustomizeSelection()) << "the selection is refreshed";
    }
    EXPECT_EQ(900, m_pRibbon->GetControls()->FindControlById(900)->GetID());
}

TEST_F(RibbonRows, AGroupControlsTipOpensBelowTheGroupsWhenTipsShowTitles)
{
    CZMRControl* pControl = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetAt(0);
    pControl->SetID(300);
    pControl->SetTooltip(L"Paste");
    const CRect rcControl(m_pRibbon->GetGroupsRect().left + 10, m_pRibbon->GetGroupsRect().top + 5,
                          m_pRibbon->GetGroupsRect().left + 30, m_pRibbon->GetGroupsRect().top + 25);
    pControl->SetRect(rcControl);
    CZMRToolTipContext* pContext = m_pHost->Manager()->GetToolTipContext();
    for (BOOL bTitles : {FALSE, TRUE})
    {
        pContext->m_bShowTitleAndDescription = bTitles;
        TOOLINFO ti = {};
        ti.cbSize = TTTOOLINFOW_V1_SIZE;
        EXPECT_NE(-1, m_pRibbon->OnToolHitTest(rcControl.CenterPoint(), &ti)) << bTitles;
        EXPECT_EQ(bTitles ? m_pRibbon->GetGroupsRect() : rcControl, CRect(ti.rect)) << bTitles;
        free(ti.lpszText);
    }
}

TEST_F(RibbonRows, PicturesWithTheRibbonTheme)
{
    CRibbonSkinBound skin;
    Make(new CZMRRibbonTheme);
    AddTabs();
    m_pRibbon->AddSystemButton(700);
    m_pRibbon->GetQuickAccessControls()->InsertAt(new CFixedButton(CSize(20, 20)), -1);
    m_pHost->Layout();
    // The bar's face is the skin's "RibbonFace" wherever nothing else is drawn.
    const CRect rcTabRow = m_pRibbon->GetTabControlRect();
    EXPECT_EQ(RGB(201, 11, 12), PixelInRibbon(rcTabRow.right - 2, rcTabRow.top + 1));
    m_pHost->SavePicture(L"ribbon_theme_normal.png");
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    m_pHost->SavePicture(L"ribbon_theme_minimized.png");
}

TEST_F(RibbonMouse, TheGroupUnderTheMouseIsHotUntilTheMouseLeaves)
{
    m_pHost->Frame()->SetForegroundWindow();
    CZMRRibbonGroup* pGroup = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0);
    ASSERT_FALSE(pGroup->GetRect().IsRectEmpty());
    const CPoint pt = pGroup->GetRect().CenterPoint();
    m_pRibbon->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(pGroup, m_pRibbon->GetHotGroup());
    EXPECT_TRUE(pGroup->IsHot());

    RibbonTheme()->m_bGroupHotTracking = FALSE;
    m_pRibbon->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(nullptr, m_pRibbon->GetHotGroup());
    m_pRibbon->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(nullptr, m_pRibbon->GetHotGroup()) << "not while the theme's switch is off";
    RibbonTheme()->m_bGroupHotTracking = TRUE;

    // Entering tracking clears it as well.
    m_pRibbon->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(pGroup, m_pRibbon->GetHotGroup());
    m_pRibbon->SetMenuLoopActive(TRUE);
    EXPECT_EQ(nullptr, m_pRibbon->GetHotGroup());
    m_pRibbon->SetMenuLoopActive(FALSE);
}
