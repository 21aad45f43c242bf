// The ribbon theme's drawing of the ribbon: which skin part and state each
// element in each state gets, read from single pixels of the test skin
// (every state a solid band, see skin/make_ribbon_parts.py), and a ribbon
// that stays legible without any skin.
#include "RibbonTestSupport.h"
#include "RibbonPaintSupport.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRTabManager.h"
#include "CZMRStatusBar.h"
#include "CZMRStatusBarPane.h"

#include <algorithm>
#include <set>
#include <vector>

namespace
{
// Part numbers of the test skin.
enum
{
    kRibbonGroups = 0,
    kContextBlueClient = 1,
    kQuickAccessFrame = 2,
    kGroupClient = 3,
    kGroupCaption = 4,
    kContextGroupClient = 5,
    kContextGroupCaption = 6,
    kRibbonOptionButton = 11,
    kRibbonTab = 12,
    kContextTabBlue = 13,
    kTabSeparator = 14,
    kContextTabSeparator = 15,
    kFrameTopCenter = 18,
    kQuickAccessArea = 19,
    kSystemButton = 21,
    kSystemButton52 = 22,
    kContextBlueHeader = 23,
    kContextRedHeader = 24,
    kQuickAccessButton = 25,
    kScrollLeft = 27,
    kScrollLeftGlyph = 28,
    kPopupBarFrame = 29,
};

// A tab strip whose hot and pressed tabs the tests set.
class CTestStrip : public CZMRTabManager
{
public:
    explicit CTestStrip(CZMRTabPaintManager* pPaintManager) : m_pPaintManager(pPaintManager) {}
    void Reposition() override {}
    CZMRTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawControl(LPCRECT, BOOL) override {}
    BOOL DrawIcon(CDC*, CPoint, CZMRTabManagerItem*, BOOL, CSize&) const override { return FALSE; }
    void SetHot(CZMRTabManagerItem* pItem) { m_pHotItem = pItem; }
    void SetPressed(CZMRTabManagerItem* pItem) { m_pPressedItem = pItem; }
    CZMRTabPaintManager* m_pPaintManager;
};

class RibbonPainting : public CRibbonThemeWithSkin
{
};
} // namespace

TEST_F(RibbonPainting, GroupsBackgroundTakesTheContextClientOfItsTab)
{
    CPicture picture(100, 60);
    CZMRRibbonTab plain, blue, purple;
    blue.SetContextColor(1);
    purple.SetContextColor(5);   // the skin has no purple client

    struct
    {
        const char* name;
        CZMRRibbonTab* pTab;
        COLORREF clr;
    } const cases[] = {
        {"no tab", nullptr, PartColor(kRibbonGroups, 0)},
        {"a plain tab", &plain, PartColor(kRibbonGroups, 0)},
        {"a blue context tab", &blue, PartColor(kContextBlueClient, 0)},
    };
    for (const auto& c : cases)
    {
        picture.Clear();
        m_pTheme->DrawGroupsBackground(picture.DC(), c.pTab, CRect(10, 10, 90, 50));
        EXPECT_EQ(c.clr, picture.At(50, 30)) << c.name;
        EXPECT_EQ(kPaper, picture.At(5, 5)) << c.name;
    }
}

TEST_F(RibbonPainting, TabPartAndStateFollowSelectionHotPressedAndContext)
{
    CPicture picture(120, 40);
    CTestStrip strip(m_pTheme->GetTabPaintManager());
    CZMRRibbonTab* pTab = static_cast<CZMRRibbonTab*>(strip.AddItem(0, new CZMRRibbonTab));
    CZMRRibbonTab* pOther = static_cast<CZMRRibbonTab*>(strip.AddItem(1, new CZMRRibbonTab));
    pTab->SetRect(CRect(10, 5, 70, 30));

    struct
    {
        const char* name;
        int nContext;
        BOOL bSelected, bHot, bPressed;
        COLORREF clr;   // kPaper: nothing drawn
    } const cases[] = {
        {"plain, at rest", 0, FALSE, FALSE, FALSE, kPaper},
        {"plain, hot", 0, FALSE, TRUE, FALSE, PartColor(kRibbonTab, 1)},
        {"plain, hot and pressed", 0, FALSE, TRUE, TRUE, PartColor(kRibbonTab, 2)},
        {"plain, selected", 0, TRUE, FALSE, FALSE, PartColor(kRibbonTab, 3)},
        {"plain, selected and hot", 0, TRUE, TRUE, FALSE, PartColor(kRibbonTab, 4)},
        {"blue, selected", 1, TRUE, FALSE, FALSE, PartColor(kContextTabBlue, 3)},
        {"blue, hot", 1, FALSE, TRUE, FALSE, PartColor(kContextTabBlue, 1)},
        {"blue, selected and hot", 1, TRUE, TRUE, FALSE, PartColor(kRibbonTab, 5)},
        {"blue, at rest", 1, FALSE, FALSE, FALSE, kPaper},
    };
    for (const auto& c : cases)
    {
        pTab->SetContextColor(c.nContext);
        strip.SetSelectedItem(c.bSelected ? pTab : pOther);
        strip.SetHot(c.bHot ? pTab : nullptr);
        strip.SetPressed(c.bPressed ? pTab : nullptr);
        picture.Clear();
        m_pTheme->DrawRibbonTab(picture.DC(), pTab);
        EXPECT_EQ(c.clr, picture.At(40, 18)) << c.name;
    }
    strip.SetHot(nullptr);
    strip.SetPressed(nullptr);
}

TEST_F(RibbonPainting, TabSeparatorsMarkShrunkTabsAndContextEnds)
{
    CPicture picture(120, 40);
    CTestStrip strip(m_pTheme->GetTabPaintManager());
    CZMRRibbonTab* pTab = static_cast<CZMRRibbonTab*>(strip.AddItem(0, new CZMRRibbonTab));
    strip.AddItem(1, new CZMRRibbonTab);
    strip.SetSelectedItem(strip.GetItem(1));
    pTab->SetRect(CRect(10, 5, 70, 30));
    CZMRRibbonTabContextHeader header;
    header.m_pFirstTab = pTab;
    header.m_pLastTab = pTab;
    header.m_nColor = 1;
    pTab->SetContextColor(1);
    pTab->SetContextHeader(&header);

    m_pTheme->DrawRibbonTab(picture.DC(), pTab);
    EXPECT_EQ(PartColor(kContextTabSeparator, 0), picture.At(10, 15)) << "first tab of its header: left edge";
    EXPECT_EQ(PartColor(kContextTabSeparator, 0), picture.At(69, 15)) << "last tab of its header: right edge";
    EXPECT_EQ(kPaper, picture.At(69, 29)) << "the context separator stops 1 px above the bottom";
    EXPECT_EQ(kPaper, picture.At(11, 15));
    pTab->SetContextHeader(nullptr);
}

TEST_F(RibbonPainting, SystemButtonTakesTheLargePartFrom55By55)
{
    CPicture picture(120, 120);
    CRibbonHost* pHost = CRibbonHost::Create({0, 0, 640, 480}, m_pTheme);
    m_pTheme->InternalAddRef();
    ASSERT_NE(pHost, nullptr);
    pHost->Ribbon()->SetCaptionBarShown(TRUE);
    CStateButton* pButton = new CStateButton;
    pHost->Ribbon()->GetControls()->AddControl(pButton);
    struct
    {
        const char* name;
        CRect rc;
        int nSelected;
        BOOL bOpen;
        COLORREF clr;
    } const cases[] = {
        {"54 x 60", CRect(0, 0, 54, 60), 0, FALSE, PartColor(kSystemButton, 0)},
        {"55 x 55", CRect(0, 0, 55, 55), 0, FALSE, PartColor(kSystemButton52, 0)},
        {"selected", CRect(0, 0, 54, 60), 1, FALSE, PartColor(kSystemButton, 1)},
        {"open", CRect(0, 0, 55, 55), 1, TRUE, PartColor(kSystemButton52, 2)},
    };
    for (const auto& c : cases)
    {
        pButton->m_nSelected = c.nSelected;
        pButton->m_bOpen = c.bOpen;
        picture.Clear();
        EXPECT_TRUE(m_pTheme->DrawSystemButton(picture.DC(), pButton, c.rc)) << c.name;
        EXPECT_EQ(c.clr, picture.At(c.rc.CenterPoint().x, c.rc.CenterPoint().y)) << c.name;
    }
    // The 40-px part, unstretched, centred in 54 x 60: rows 10 to 49.
    picture.Clear();
    pButton->m_nSelected = 0;
    pButton->m_bOpen = FALSE;
    m_pTheme->DrawSystemButton(picture.DC(), pButton, CRect(0, 0, 54, 60));
    EXPECT_EQ(kPaper, picture.At(27, 9));
    EXPECT_EQ(PartColor(kSystemButton, 0), picture.At(27, 10));
    delete pHost;
}

TEST_F(RibbonPainting, ContextHeadersStopAtTheFirstColourTheSkinLacks)
{
    CPicture picture(300, 30);
    CRibbonHost* pHost = CRibbonHost::Create({0, 0, 640, 480}, m_pTheme);
    m_pTheme->InternalAddRef();
    ASSERT_NE(pHost, nullptr);
    CZMRRibbonContextHeaderList headers;
    const int colors[] = {1, 3, 4};   // blue, green (no part), red
    for (int i = 0; i < 3; i++)
    {
        CZMRRibbonTabContextHeader* pHeader = new CZMRRibbonTabContextHeader;
        pHeader->m_nColor = colors[i];
        pHeader->m_rcHeader.SetRect(10 + 90 * i, 2, 90 + 90 * i, 25);
        headers.Add(pHeader);
    }
    m_pTheme->DrawContextHeaders(picture.DC(), pHost->Ribbon(), &headers);
    EXPECT_EQ(PartColor(kContextBlueHeader, 0), picture.At(12, 4));
    EXPECT_EQ(kPaper, picture.At(102, 4));
    EXPECT_EQ(kPaper, picture.At(192, 4)) << "the red header after the missing green one";
    delete pHost;
}

TEST_F(RibbonPainting, SmallButtonsTakeTheirStates)
{
    CPicture picture(60, 40);
    CStateButton button;
    button.SetRect(CRect(10, 10, 40, 30));
    struct
    {
        const char* name;
        int nSelected, nPressed;
        BOOL bOpen;
        int nOption, nQuickAccess, nScroll;   // expected states
    } const cases[] = {
        {"at rest", 0, 0, FALSE, 0, 0, 0},
        {"selected", 1, 0, FALSE, 1, 1, 1},
        {"pressed", 1, 1, FALSE, 2, 1, 2},
        {"popup open", 0, 0, TRUE, 0, 2, 0},
    };
    for (const auto& c : cases)
    {
        button.m_nSelected = c.nSelected;
        button.m_nPressed = c.nPressed;
        button.m_bOpen = c.bOpen;
        CSize sz;
        picture.Clear();
        EXPECT_EQ(CSize(15, 14), m_pTheme->DrawGroupOptionButton(sz, picture.DC(), &button, TRUE)) << c.name;
        EXPECT_EQ(PartColor(kRibbonOptionButton, c.nOption), picture.At(25, 20)) << c.name;
        picture.Clear();
        m_pTheme->DrawQuickAccessCustomizeButton(picture.DC(), &button);
        EXPECT_EQ(PartColor(kQuickAccessButton, c.nQuickAccess), picture.At(25, 20)) << c.name;
        picture.Clear();
        m_pTheme->DrawGroupScrollButton(picture.DC(), &button, TRUE);
        EXPECT_EQ(PartColor(kScrollLeftGlyph, c.nScroll), picture.At(25, 20)) << c.name << ": glyph";
        EXPECT_EQ(PartColor(kScrollLeft, c.nScroll), picture.At(12, 12)) << c.name << ": button";
    }
    // The right scroll button has no part in the test skin: it gets the
    // plain face and arrow, not a part of another kind.
    picture.Clear();
    m_pTheme->DrawGroupScrollButton(picture.DC(), &button, FALSE);
    EXPECT_NE(kPaper, picture.At(12, 12));
    EXPECT_NE(PartColor(kScrollLeft, 0), picture.At(12, 12));
}

// Without a skin the customize and more buttons are a state face under a
// glyph: a bar over a down arrow, and two right-pointing chevrons. The points
// are relative to the centre of a 13 x 22 button.
TEST(RibbonPaintingWithoutSkin, QuickAccessButtonsShowTheirGlyphInEveryState)
{
    CZMRRibbonTheme* pTheme = new CZMRRibbonTheme;
    pTheme->RefreshMetrics();
    CPicture picture(40, 40);
    CStateButton button;
    button.SetRect(CRect(10, 10, 23, 32));
    const CPoint c = button.GetRect().CenterPoint();

    struct
    {
        const char* name;
        BOOL bMore;
        std::vector<CPoint> glyph, gaps;   // offsets from the centre
    } const buttons[] = {
        {"customize", FALSE, {{0, -3}, {-2, -1}, {2, -1}, {0, 1}, {0, 0}}, {{0, -2}, {0, 2}, {-4, -2}, {-2, 1}}},
        {"more", TRUE, {{-4, -2}, {-2, 0}, {-4, 2}, {0, -2}, {2, 0}, {0, 2}}, {{0, 0}, {-1, -2}, {0, -3}, {-4, 0}}},
    };
    struct
    {
        const char* name;
        int nSelected;
        BOOL bOpen;
        BOOL bFace;   // a face is drawn behind the glyph
    } const states[] = {
        {"at rest", 0, FALSE, FALSE},
        {"selected", 1, FALSE, TRUE},
        {"popup open", 0, TRUE, TRUE},
    };
    for (const auto& b : buttons)
    {
        for (const auto& st : states)
        {
            button.m_nSelected = st.nSelected;
            button.m_bOpen = st.bOpen;
            picture.Clear();
            if (b.bMore)
                pTheme->DrawQuickAccessMoreButton(picture.DC(), &button);
            else
                pTheme->DrawQuickAccessCustomizeButton(picture.DC(), &button);
            const COLORREF clrFace = picture.At(button.GetRect().left + 2, button.GetRect().top + 2);
            EXPECT_EQ(st.bFace, clrFace != kPaper) << b.name << ", " << st.name;
            const COLORREF clrGlyph = picture.At(c.x + b.glyph[0].x, c.y + b.glyph[0].y);
            EXPECT_NE(clrFace, clrGlyph) << b.name << ", " << st.name;
            EXPECT_NE(COLORREF(-1), clrGlyph) << b.name << ", " << st.name;
            for (CPoint pt : b.glyph)
                EXPECT_EQ(clrGlyph, picture.At(c.x + pt.x, c.y + pt.y))
                    << b.name << ", " << st.name << ": glyph at " << pt.x << "," << pt.y;
            for (CPoint pt : b.gaps)
                EXPECT_EQ(clrFace, picture.At(c.x + pt.x, c.y + pt.y))
                    << b.name << ", " << st.name << ": face at " << pt.x << "," << pt.y;
        }
    }
    pTheme->InternalRelease();
}

// A popup's items (checked, selected, plain, with the icon column and a
// split item) and a status bar's separators, switches and gripper, drawn
// by the theme onto the frame below the ribbon for the saved picture.
void DrawPopupAndStatusBar(CZMRRibbonTheme* pTheme, CWnd* pFrame, CPoint pt)
{
    // The frame clips its children: draw on the window that covers the point.
    HWND hWnd = ::ChildWindowFromPoint(pFrame->GetSafeHwnd(), pt);
    if (hWnd && hWnd != pFrame->GetSafeHwnd())
    {
        ::MapWindowPoints(pFrame->GetSafeHwnd(), hWnd, &pt, 1);
        pFrame = CWnd::FromHandle(hWnd);
    }
    CDC* pDC = pFrame->GetDC();
    CRect rcPopup(pt.x, pt.y, pt.x + 160, pt.y + 96);
    pDC->FillSolidRect(rcPopup, pTheme->GetColor(41));
    pDC->Draw3dRect(rcPopup, pTheme->GetColor(COLOR_3DSHADOW), pTheme->GetColor(COLOR_3DSHADOW));
    pTheme->FillIconColumn(pDC, pt.x + 2, pt.y + 2, 24, 92, FALSE);
    const int states[][3] = {{0, 1, 0}, {1, 0, 0}, {0, 0, 0}};   // selected, checked, pressed
    for (int i = 0; i < 3; i++)
    {
        const CRect rcItem(pt.x + 3, pt.y + 3 + 22 * i, pt.x + 157, pt.y + 25 + 22 * i);
        pTheme->DrawStateHighlight(pDC, rcItem, states[i][0], states[i][2], TRUE, states[i][1], FALSE,
                                   zmrBarTypePopup, zmrBarPopup);
        if (states[i][1])
            pTheme->DrawCheckMark(pDC, CRect(rcItem.left, rcItem.top, rcItem.left + 22, rcItem.bottom), TRUE,
                                  pTheme->GetColor(COLOR_MENUTEXT));
    }
    CStateButton split;
    split.m_nSelected = 1;
    split.SetRect(CRect(pt.x + 3, pt.y + 70, pt.x + 157, pt.y + 94));
    pTheme->DrawPopupSplitDivider(pDC, &split);

    CZMRStatusBar statusBar;
    statusBar.m_nDividerIndex = 1;
    CZMRStatusBarPane* pPanes[3] = {statusBar.AddPane(), statusBar.AddPane(), statusBar.AddPane()};
    const int y = pt.y + 110;
    pDC->FillSolidRect(pt.x, y, 300, 22, pTheme->GetColor(COLOR_3DFACE));
    for (int i = 0; i < 2; i++)
    {
        const CRect rcPane(pt.x + 80 * i, y + 2, pt.x + 80 * i + 78, y + 22);
        pTheme->PaintStatusPaneDivider(pDC, rcPane, pPanes[i], FALSE);
        pTheme->PaintStatusPaneEdge(pDC, rcPane, pPanes[i]);
    }
    for (int i = 0; i < 3; i++)
        pPanes[2]->AddSwitch(100 + i);
    pPanes[2]->GetSwitch(1).bChecked = TRUE;
    pTheme->PaintStatusPaneSwitches(nullptr, CRect(), pPanes[2]);
    pTheme->PaintStatusPaneSwitches(pDC, CRect(pt.x + 180, y + 2, pt.x + 240, y + 22), pPanes[2]);
    pTheme->PaintStatusSizeGrip(pDC, CRect(pt.x + 280, y, pt.x + 300, y + 22));

    // An edit box with its label, a spin edit that is hot over its upper
    // button, and a keyboard tip.
    const int yEdit = y + 36;
    pDC->FillSolidRect(pt.x, yEdit - 4, 300, 30, pTheme->GetColor(COLOR_3DFACE));
    CZMRControlEdit edit;
    edit.SetCaption(L"Find");
    edit.ShowLabel(TRUE);
    edit.SetRect(CRect(pt.x, yEdit, pt.x + 140, yEdit + 22));
    pTheme->DrawEditItem(pDC, &edit, TRUE);
    CStateEdit spin;
    spin.SetShowSpinButtons(TRUE);
    spin.m_nSelected = 4;
    spin.SetRect(CRect(pt.x + 150, yEdit, pt.x + 230, yEdit + 22));
    pTheme->DrawEditItem(pDC, &spin, TRUE);
    CZMRCommandBarKeyboardTip tip(nullptr, nullptr, L"Paste", CPoint(0, 0), 0, TRUE);
    tip.SetTipText(L"P");
    if (tip.CreateTipWindow(nullptr, CRect(0, 0, 18, 17), FALSE))
    {
        const CPoint ptOld = pDC->SetViewportOrg(pt.x + 245, yEdit + 2);
        pTheme->PaintKeyboardTipWindow(pDC, &tip, FALSE);
        pDC->SetViewportOrg(ptOld);
        tip.DestroyWindow();
    }
    pFrame->ReleaseDC(pDC);
}

// A whole ribbon in a frame: the bar's face, caption band with the
// quick-access row, groups band, a group with its caption band, the selected
// tab and a blue context tab with its header.
class RibbonPicture : public ::testing::Test
{
protected:
    void Build()
    {
        m_pHost = CRibbonHost::Create({0, 0, 640, 480});
        ASSERT_NE(m_pHost, nullptr);
        m_pRibbon = m_pHost->Ribbon();
        m_pRibbon->SetCaptionBarShown(TRUE);
        CZMRRibbonTab* pHome = m_pRibbon->InsertTab(0, L"Home", 1);
        CZMRRibbonTab* pTools = m_pRibbon->InsertTab(1, L"Design", 2);
        pTools->SetContextColor(1);
        pTools->SetContextCaption(L"Table Tools");
        CZMRRibbonGroup* pGroup = pHome->GetGroups()->InsertAt(0, new CZMRRibbonGroup);
        pGroup->SetCaption(L"Clipboard");
        CZMRControlButton button;
        button.SetCaption(L"Paste");
        pGroup->InsertControl(&button, 0);
        pGroup->InsertControl(&button, 1);
        for (LPCTSTR lpszCaption : {L"Save", L"Undo"})
        {
            CZMRControlButton quick;
            quick.SetCaption(lpszCaption);
            m_pRibbon->GetQuickAccessControls()->AddCopy(&quick);
        }
        m_pRibbon->SelectTab(0);
        m_pHost->Layout();
        m_pRibbon->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        m_pixels = m_pHost->CaptureFrame(m_sz);
        m_rcRibbon = m_pHost->RibbonRectInFrame();
    }
    void TearDown() override { delete m_pHost; }
    COLORREF At(CPoint pt) const
    {
        return m_pixels[size_t(m_rcRibbon.top + pt.y) * m_sz.cx + size_t(m_rcRibbon.left + pt.x)];
    }
    CZMRRibbonGroup* Group() const { return m_pRibbon->GetTab(0)->GetGroups()->GetAt(0); }
    CRect Header() const
    {
        CZMRRibbonContextHeaderList* pHeaders = m_pRibbon->GetContextHeaders();
        return pHeaders && pHeaders->GetCount() == 1 ? pHeaders->GetAt(0)->m_rcHeader : CRect();
    }
    // The colours of the part of rc that lies on the ribbon.
    std::set<COLORREF> ColorsIn(CRect rc) const
    {
        rc.IntersectRect(rc, CRect(0, 0, m_rcRibbon.Width(), m_rcRibbon.Height()));
        std::set<COLORREF> colors;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                colors.insert(At(CPoint(x, y)));
        return colors;
    }

    CRibbonHost* m_pHost = nullptr;
    CZMRRibbonBar* m_pRibbon = nullptr;
    std::vector<COLORREF> m_pixels;
    CSize m_sz;
    CRect m_rcRibbon;
};

TEST_F(RibbonPicture, WithTheSkinEveryBandShowsItsPart)
{
    CRibbonSkinBound skin;
    Build();
    const CRect rcGroup = Group()->GetRect();
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    const CRect rcTab = m_pRibbon->GetTab(0)->GetRect();
    const int nCaptionHeight = static_cast<CZMRRibbonTheme*>(m_pHost->PaintManager())->GetGroupCaptionHeight();
    ASSERT_FALSE(rcGroup.IsRectEmpty());

    EXPECT_EQ(PartColor(kFrameTopCenter, 0), At(CPoint(300, m_pRibbon->GetCaptionRect().top + 2))) << "caption band";
    EXPECT_EQ(PartColor(kRibbonGroups, 0), At(CPoint(rcGroups.right - 20, rcGroups.CenterPoint().y)))
        << "groups band";
    EXPECT_EQ(PartColor(kGroupClient, 0), At(CPoint(rcGroup.left + 2, rcGroup.top + 10))) << "group client";
    EXPECT_EQ(PartColor(kGroupCaption, 0), At(CPoint(rcGroup.left + 1, rcGroup.bottom - nCaptionHeight + 1)))
        << "group caption band";
    EXPECT_EQ(PartColor(kRibbonTab, 3), At(CPoint(rcTab.left + 3, rcTab.CenterPoint().y))) << "selected tab";
    EXPECT_EQ(SkinColor(201, 11, 12), At(CPoint(m_pRibbon->GetTabControlRect().right - 2,
                                                m_pRibbon->GetTabControlRect().CenterPoint().y)))
        << "the ribbon face beside the tabs";

    // The quick-access row in the caption band: its area, its buttons and
    // the customize button; the context tab's header beside it.
    const CRect rcQuickAccess = m_pRibbon->GetQuickAccessRect();
    ASSERT_FALSE(rcQuickAccess.IsRectEmpty());
    EXPECT_EQ(PartColor(kQuickAccessArea, 0), At(CPoint(rcQuickAccess.left - 8, rcQuickAccess.top + 2)))
        << "quick-access area";
    EXPECT_GE(ColorsIn(rcQuickAccess).size(), 2u) << "the buttons' captions on the area";
    const CRect rcCustomize = m_pRibbon->GetQuickAccessCustomizeButton()->GetRect();
    EXPECT_EQ(PartColor(kQuickAccessButton, 0), At(CPoint(rcCustomize.left + 3, rcCustomize.top + 3)))
        << "customize button";
    const CRect rcHeader = Header();
    ASSERT_FALSE(rcHeader.IsRectEmpty());
    EXPECT_EQ(PartColor(kContextBlueHeader, 0), At(CPoint(rcHeader.left + 2, rcHeader.bottom - 2)));
    EXPECT_GE(ColorsIn(rcHeader).size(), 2u) << "the header's caption";

    // A hot group draws state 1 of its parts.
    m_pRibbon->SetHotGroup(Group());
    m_pRibbon->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_pixels = m_pHost->CaptureFrame(m_sz);
    EXPECT_EQ(PartColor(kGroupClient, 1), At(CPoint(rcGroup.left + 2, rcGroup.top + 10)));
    DrawPopupAndStatusBar(static_cast<CZMRRibbonTheme*>(m_pHost->PaintManager()), m_pHost->Frame(),
                          CPoint(20, m_rcRibbon.bottom + 20));
    m_pHost->SavePicture(L"ribbon_paint_skin.png");
}

TEST_F(RibbonPicture, WithoutASkinTheRibbonStaysLegible)
{
    Build();
    CZMRRibbonTheme* pTheme = static_cast<CZMRRibbonTheme*>(m_pHost->PaintManager());
    const CRect rcGroup = Group()->GetRect();
    const CRect rcTab = m_pRibbon->GetTab(0)->GetRect();
    const CRect rcTabRow = m_pRibbon->GetTabControlRect();
    const COLORREF clrFace = At(CPoint(rcTabRow.right - 2, rcTabRow.CenterPoint().y));

    // No colour the theme draws with is missing.
    for (COLORREF clr : {pTheme->m_clrRibbonFace.GetColor(), pTheme->m_clrGroupCaptionText.GetColor(),
                         pTheme->m_clrMinimizedFrameEdgeHighLight.GetColor(),
                         pTheme->m_clrMinimizedFrameEdgeShadow.GetColor(),
                         pTheme->GetTabPaintManager()->GetColorSet()->m_clrTextNormal.GetColor()})
        EXPECT_NE(COLORREF(-1), clr);

    // The selected tab and the groups band stand out from the bar, the group
    // has a frame, and its caption has text on it.
    EXPECT_NE(clrFace, At(CPoint(rcTab.left + 3, rcTab.CenterPoint().y)));
    EXPECT_NE(clrFace, At(CPoint(rcGroup.right + 10, rcGroup.CenterPoint().y)));
    EXPECT_NE(At(CPoint(rcGroup.left, rcGroup.CenterPoint().y)), At(CPoint(rcGroup.left + 3, rcGroup.top + 10)));
    std::set<COLORREF> captionColors;
    const int nCaptionTop = rcGroup.bottom - pTheme->GetGroupCaptionHeight();
    for (int y = nCaptionTop + 2; y < rcGroup.bottom - 2; y++)
        for (int x = rcGroup.left + 2; x < rcGroup.right - 2; x++)
            captionColors.insert(At(CPoint(x, y)));
    EXPECT_GE(captionColors.size(), 2u) << "caption text on its band";

    // The quick-access buttons show their captions on the caption band, and
    // the customize button its glyph: the arrow's middle row differs from
    // the band, the row between bar and arrow does not.
    const CRect rcQuickAccess = m_pRibbon->GetQuickAccessRect();
    ASSERT_FALSE(rcQuickAccess.IsRectEmpty());
    EXPECT_GE(ColorsIn(rcQuickAccess).size(), 2u) << "quick-access captions";
    CZMRControl* pCustomize = m_pRibbon->GetQuickAccessCustomizeButton();
    ASSERT_TRUE(pCustomize->IsVisible());
    const CPoint ptCustomize = pCustomize->GetRect().CenterPoint();
    const COLORREF clrCaptionBand = At(CPoint(pCustomize->GetRect().left + 1, pCustomize->GetRect().top + 1));
    EXPECT_NE(clrCaptionBand, At(ptCustomize)) << "customize glyph";
    EXPECT_NE(clrCaptionBand, At(ptCustomize + CPoint(0, -3))) << "customize glyph's bar";
    EXPECT_EQ(clrCaptionBand, At(ptCustomize + CPoint(0, -2)));

    // The blue context's header is a band of a blue tint, set off from the
    // caption band, with its caption on it.
    const CRect rcHeader = Header();
    ASSERT_FALSE(rcHeader.IsRectEmpty());
    // The "Design" tab lies under the quick-access row, so its header keeps
    // its width but starts where the caption band is free again, 2 px right
    // of the customize button.
    const CRect rcDesign = m_pRibbon->GetTab(1)->GetRect();
    EXPECT_LT(rcDesign.left, pCustomize->GetRect().right);
    EXPECT_EQ(pCustomize->GetRect().right + 2, rcHeader.left);
    EXPECT_EQ(std::max(40, rcDesign.Width()), rcHeader.Width());
    const COLORREF clrBand = At(CPoint(m_pRibbon->GetCaptionRect().right - 4, m_pRibbon->GetCaptionRect().top + 4));
    const COLORREF clrHeader = At(CPoint(rcHeader.left + 1, rcHeader.bottom - 1));
    EXPECT_NE(clrBand, clrHeader);
    EXPECT_GT(GetBValue(clrHeader), GetRValue(clrHeader)) << "blue";
    EXPECT_GT(GetBValue(clrHeader), GetGValue(clrHeader)) << "blue";
    EXPECT_EQ(clrHeader, At(CPoint(rcHeader.right - 1, rcHeader.top))) << "filled to its corners";
    std::set<COLORREF> headerColors = ColorsIn(rcHeader);
    headerColors.erase(clrHeader);
    EXPECT_FALSE(headerColors.empty()) << "the header's caption";
    for (COLORREF clr : headerColors)
        EXPECT_NE(COLORREF(-1), clr);
    DrawPopupAndStatusBar(pTheme, m_pHost->Frame(), CPoint(20, m_rcRibbon.bottom + 20));
    m_pHost->SavePicture(L"ribbon_paint_noskin.png");
}
