// The popups that show ribbon groups: a collapsed group's popup opened by a
// real click (its size, its copies of the group's controls, its drawing and
// hot group), its keyboard tips, the tab popup of a minimized ribbon and
// where it opens, and the quick-access overflow popup.
#include "RibbonTestSupport.h"
#include "RibbonPaintSupport.h"
#include "ArtifactPng.h"
#include "CTestInput.h"
#include "WindowPixels.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRControlButton.h"
#include "CZMRRibbonBarMorePopupToolBar.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroupPopupToolBar.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTabPopupToolBar.h"

#include <memory>
#include <string>
#include <vector>

namespace
{
// Part numbers of the test skin (skin/make_ribbon_parts.py).
enum
{
    kGroupClient = 3,
    kGroupCaption = 4,
};

TEST(RibbonTabPopupPlacement, BelowTheTabsOrAboveThemNearTheBottom)
{
    const CRect rcWork(0, 0, 1000, 700);
    const CRect rcStrip(150, 80, 600, 104);
    const int h = 95;
    struct
    {
        const char* name;
        CRect rcRibbon;
        CRect rcWork;
        CRect rcExpected;
    } const cases[] = {
        {"below the tabs, as wide as the ribbon", CRect(100, 50, 700, 200), rcWork, CRect(100, 104, 700, 199)},
        {"just fitting above the bottom stays below", CRect(100, 50, 700, 200), CRect(0, 0, 1000, 199),
         CRect(100, 104, 700, 199)},
        {"near the bottom of the monitor opens above", CRect(100, 50, 700, 200), CRect(0, 0, 1000, 198),
         CRect(100, 80 - h, 700, 80)},
        {"a ribbon left of the work area starts at its edge", CRect(-50, 50, 700, 200), rcWork,
         CRect(0, 104, 700, 199)},
        {"a ribbon past the right edge stops 4 short of it", CRect(100, 50, 1100, 200), rcWork,
         CRect(100, 104, 996, 199)},
        {"on a monitor to the right", CRect(900, 50, 1500, 200), CRect(1000, 0, 2000, 700),
         CRect(1000, 104, 1500, 199)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rcExpected, CZMRRibbonTabPopupToolBar::CalcPlacement(c.rcRibbon, c.rcWork, rcStrip, h))
            << c.name;
}

void TypeKey(WORD wKey)
{
    CHeldKeys keys;
    keys.Type(wKey);
    CRibbonHost::Pump();
}

// Three groups on Home (Clipboard, Font, Editing) and one on Insert; only
// Clipboard may reduce, so a narrow frame collapses it alone.
class RibbonPopups : public testing::Test
{
protected:
    void SetUp() override
    {
        ::GetCursorPos(&m_ptCursor);
        m_pHost.reset(CRibbonHost::Create({0, 0, 900, 400}));
        ASSERT_TRUE(m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        m_pRibbon->SetMinimumFrameSize(100);
        m_pHome = m_pRibbon->InsertTab(-1, L"&Home", 1);
        m_pInsert = m_pRibbon->InsertTab(-1, L"&Insert", 2);
        AddGroup(m_pHome, L"Clipboard", 100, {{501, L"Paste"}, {502, L"Copy"}, {503, L"Cut"}});
        AddGroup(m_pHome, L"Font", 101,
                 {{511, L"Bold text"}, {512, L"Italic text"}, {513, L"Underline"}, {514, L"Strikethrough"}})
            ->SetMaxReduceLevel(0);
        AddGroup(m_pHome, L"Editing", 102, {{521, L"Find text"}, {522, L"Replace text"}, {523, L"Select all"}})
            ->SetMaxReduceLevel(0);
        AddGroup(m_pInsert, L"Tables", 200, {{601, L"Table"}});
        m_pRibbon->SelectTab(0);
        Manager()->GetOptions()->bKeyboardTips = TRUE;
        m_pHost->Layout();
        ::SetForegroundWindow(m_pHost->Frame()->GetSafeHwnd());
        m_pHost->Frame()->SetFocus();
        CRibbonHost::Pump();
    }
    void TearDown() override
    {
        CZMRPopupBar::s_fnMonitorAreas = nullptr;
        Manager()->CancelTracking();
        m_pHost.reset();
        // Later tests find the mouse where it was.
        CTestInput::MoveTo(m_ptCursor);
        CRibbonHost::Pump();
    }

    CZMRRibbonGroup* AddGroup(CZMRRibbonTab* pTab, LPCTSTR lpszCaption, int nId,
                              std::vector<std::pair<int, LPCTSTR>> buttons)
    {
        CZMRRibbonGroup* pGroup = new CZMRRibbonGroup;
        pGroup->SetCaption(lpszCaption);
        pGroup->SetId(nId);
        pTab->GetGroups()->InsertAt(-1, pGroup);
        for (const auto& button : buttons)
        {
            CZMRControlButton* pSource = new CZMRControlButton;
            pSource->SetID(button.first);
            pSource->SetCaption(button.second);
            // The frame handles none of these commands: they keep their state.
            pSource->SetFlags(pSource->GetFlags() | zmrFlagManualUpdate);
            pGroup->InsertControl(pSource, -1);
            pSource->InternalRelease();
        }
        return pGroup;
    }
    CZMRBarManager* Manager() const { return m_pHost->Manager(); }
    CZMRRibbonGroup* Clipboard() const { return m_pHome->GetGroups()->GetAt(0); }
    void SetFrameWidth(int nWidth)
    {
        m_pHost->Frame()->SetWindowPos(nullptr, 0, 0, nWidth, 400, SWP_NOZORDER | SWP_NOMOVE);
        m_pHost->Layout();
    }
    CZMRRibbonGroupPopupToolBar* GroupPopup() const
    {
        CZMRCommandBar* pBar = Clipboard()->GetPopupButton()->GetCommandBar();
        return dynamic_cast<CZMRRibbonGroupPopupToolBar*>(pBar);
    }
    // Clicks a client point of the ribbon with the real mouse.
    void Click(CPoint ptClient)
    {
        m_pRibbon->ClientToScreen(&ptClient);
        EXPECT_TRUE(CTestInput::MoveTo(ptClient));
        CRibbonHost::Pump();
        CTestInput::Button(VK_LBUTTON, true);
        CTestInput::Button(VK_LBUTTON, false);
        CRibbonHost::Pump();
    }
    // The ids of the commands run, in order.
    std::vector<int> Executed() const { return ExecutedIds(*m_pHost); }
    bool WaitForTips(CZMRCommandBar* pBar, int nLevel) const { return ::WaitForTips(Manager(), nLevel, pBar); }
    std::vector<std::string> ShownTips() const { return ShownTipTexts(Manager()); }
    // The text of the tip an owner has, empty without one.
    CString TipOf(CCmdTarget* pOwner) const
    {
        for (int i = 0; i < Manager()->GetKeyboardTipCount(); i++)
        {
            if (Manager()->GetKeyboardTip(i)->GetOwner() == pOwner)
                return Manager()->GetKeyboardTip(i)->GetTipText();
        }
        return CString();
    }
    void TypeText(const CString& str)
    {
        for (int i = 0; i < str.GetLength(); i++)
            TypeKey(WORD(str[i]));
    }

    CRibbonSkinBound m_skin;
    std::unique_ptr<CRibbonHost> m_pHost;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRRibbonTab* m_pHome = nullptr;
    CZMRRibbonTab* m_pInsert = nullptr;
    POINT m_ptCursor = {};
};

// A click on the collapsed Clipboard opens a popup as large as the group was
// at full width, with copies of its controls where they stood in the group;
// the group on the ribbon keeps its own controls.
TEST_F(RibbonPopups, AClickOnACollapsedGroupShowsItsControlsAtFullWidth)
{
    ASSERT_FALSE(Clipboard()->IsCollapsed());
    const CRect rcWide = Clipboard()->GetRect();
    std::vector<CRect> wideRects;
    for (int i = 0; i < Clipboard()->GetCount(); i++)
        wideRects.push_back(Clipboard()->GetAt(i)->GetRect() - rcWide.TopLeft());

    SetFrameWidth(200);
    ASSERT_TRUE(Clipboard()->IsCollapsed());
    CZMRControl* pButton = Clipboard()->GetPopupButton();
    Click(pButton->GetRect().CenterPoint());

    CZMRRibbonGroupPopupToolBar* pPopup = GroupPopup();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_TRUE(pPopup->IsTrackingMode());
    ASSERT_TRUE(pPopup->IsWindowVisible());
    CRect rcPopup;
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(CSize(rcWide.Width(), m_pRibbon->GetGroupsAreaHeight() - 7), rcPopup.Size());

    CZMRRibbonGroup* pCopy = pPopup->GetGroupCopy();
    ASSERT_EQ(Clipboard()->GetCount(), pCopy->GetCount());
    for (int i = 0; i < pCopy->GetCount(); i++)
    {
        CZMRControl* pControl = pCopy->GetAt(i);
        EXPECT_EQ(Clipboard()->GetAt(i)->GetID(), pControl->GetID()) << i;
        EXPECT_EQ(pPopup, pControl->GetParent()) << i;
        EXPECT_TRUE(pControl->IsVisible()) << i;
        EXPECT_EQ(wideRects[size_t(i)], pControl->GetRect()) << i;
        EXPECT_EQ(m_pRibbon, Clipboard()->GetAt(i)->GetParent()) << "the source stays " << i;
    }

    // Drawn as a group: its client and caption parts, the hot state while
    // the mouse is over it.
    const int K = static_cast<CZMRRibbonTheme*>(m_pHost->PaintManager())->GetGroupCaptionHeight();
    const CPoint ptClient(2, 12), ptCaption(2, rcPopup.Height() - K + 2);
    auto read = [&](SIZE& sz) {
        pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return ReadWindow(pPopup->GetSafeHwnd(), sz, TRUE);
    };
    SIZE sz;
    std::vector<COLORREF> pixels = read(sz);
    auto at = [&](CPoint pt) { return pixels[size_t(pt.y * sz.cx + pt.x)]; };
    EXPECT_EQ(PartColor(kGroupClient, 0), at(ptClient));
    EXPECT_EQ(PartColor(kGroupCaption, 0), at(ptCaption));
    EXPECT_TRUE(SaveArtifactPng(L"ribbon_group_popup.png", sz.cx, sz.cy,
                                [&](int x, int y) { return pixels[size_t(y * sz.cx + x)]; }));

    EXPECT_TRUE(CTestInput::MoveTo(CPoint(rcPopup.left + ptCaption.x + 20, rcPopup.top + ptCaption.y)));
    CRibbonHost::Pump();
    EXPECT_EQ(pCopy, pPopup->GetHotGroup());
    EXPECT_TRUE(pCopy->IsHot());
    pixels = read(sz);
    EXPECT_EQ(PartColor(kGroupClient, 1), at(ptClient));

    Manager()->CancelTracking();
    CRibbonHost::Pump();
    EXPECT_EQ(nullptr, pPopup->GetHotGroup()) << "leaving tracking clears it";
}

// A control of a collapsed group has an invisible tip; typing it opens the
// group's popup and runs the copy there. The group button's tip opens the
// popup with tips only for the copy, lettered as on the ribbon.
TEST_F(RibbonPopups, TheTipsOfACollapsedGroupLeadIntoItsPopup)
{
    SetFrameWidth(200);
    ASSERT_TRUE(Clipboard()->IsCollapsed());

    TypeKey(VK_MENU);
    ASSERT_TRUE(WaitForTips(m_pRibbon, 1));
    TypeKey('H');
    ASSERT_TRUE(WaitForTips(m_pRibbon, 2));
    const CString strPaste = TipOf(Clipboard()->GetAt(0));
    const CString strCut = TipOf(Clipboard()->GetAt(2));
    const CString strButton = TipOf(Clipboard()->GetPopupButton());
    EXPECT_EQ(CString(L"P"), strPaste);
    EXPECT_EQ(CString(L"CU"), strCut);
    ASSERT_FALSE(strButton.IsEmpty());
    for (const std::string& s : ShownTips())
        EXPECT_NE(std::string("P"), s) << "the hidden control's tip has no window";

    TypeText(strPaste);
    EXPECT_EQ(std::vector<int>{501}, Executed());
    for (const auto& n : m_pHost->m_notifications)
        EXPECT_NE(Clipboard()->GetAt(0), n.pControl) << "the copy ran, not the hidden control";
    EXPECT_FALSE(m_pRibbon->IsTrackingMode());

    m_pHost->m_notifications.clear();
    TypeKey(VK_MENU);
    ASSERT_TRUE(WaitForTips(m_pRibbon, 1));
    TypeKey('H');
    ASSERT_TRUE(WaitForTips(m_pRibbon, 2));
    TypeText(strButton);
    CZMRRibbonGroupPopupToolBar* pPopup = GroupPopup();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_TRUE(WaitForTips(pPopup, 1));
    EXPECT_EQ((std::vector<std::string>{"P", "CO", "CU"}), ShownTips());
    TypeText(strCut);
    EXPECT_EQ(std::vector<int>{503}, Executed());
}

// The arrows move through the popup's controls by their places.
TEST_F(RibbonPopups, TheArrowsMoveThroughAGroupPopup)
{
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    SetFrameWidth(200);
    ASSERT_TRUE(Clipboard()->IsCollapsed());
    m_pRibbon->SetMenuLoopActive(TRUE, FALSE, 1);
    Clipboard()->GetPopupButton()->OnAccessKeyPressed();
    CRibbonHost::Pump();
    CZMRRibbonGroupPopupToolBar* pPopup = GroupPopup();
    ASSERT_NE(nullptr, pPopup);
    CZMRRibbonGroup* pCopy = pPopup->GetGroupCopy();
    pPopup->SetHotControl(pCopy->GetAt(0)->GetIndex(), 2);
    // Paste, Copy and Cut stand in one column.
    EXPECT_TRUE(pPopup->HandleNavigationKey(zmrNavDown));
    EXPECT_EQ(pCopy->GetAt(1)->GetIndex(), pPopup->GetHotIndex());
    EXPECT_TRUE(pPopup->HandleNavigationKey(zmrNavUp));
    EXPECT_EQ(pCopy->GetAt(0)->GetIndex(), pPopup->GetHotIndex());
}

// The minimized ribbon shows the selected tab's groups in a popup across the
// ribbon below the tabs, or above them near the bottom of the work area.
TEST_F(RibbonPopups, TheTabPopupOpensBelowTheTabsOrAboveThem)
{
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    CZMRRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
    CRect rcStrip = pStrip->GetRect(), rcRibbon;
    m_pRibbon->ClientToScreen(&rcStrip);
    m_pRibbon->GetWindowRect(&rcRibbon);
    const int h = m_pRibbon->GetGroupsAreaHeight();
    CRect rcWork(-2000, -2000, 4000, rcStrip.bottom + 2 * h);
    CZMRPopupBar::s_fnMonitorAreas = [&](CPoint, const CRect&, CRect& rcW, CRect& rcM) {
        rcW = rcWork;
        rcM = rcWork;
    };

    struct
    {
        const char* name;
        int nWorkBottom;
        int nTop;
    } const cases[] = {
        {"below, over the strip's last row", rcStrip.bottom + 2 * h, rcStrip.bottom - 1},
        {"above near the bottom", rcStrip.bottom + h / 2, rcStrip.top - h},
    };
    for (const auto& c : cases)
    {
        rcWork.bottom = c.nWorkBottom;
        pStrip->PopupSelectedTab(FALSE);
        CRibbonHost::Pump();
        CZMRRibbonTabPopupToolBar* pPopup = dynamic_cast<CZMRRibbonTabPopupToolBar*>(pStrip->GetCommandBar());
        ASSERT_NE(nullptr, pPopup) << c.name;
        ASSERT_TRUE(pPopup->IsTrackingMode()) << c.name;
        CRect rcPopup;
        pPopup->GetWindowRect(&rcPopup);
        EXPECT_EQ(CRect(rcRibbon.left, c.nTop, rcRibbon.right, c.nTop + h), rcPopup) << c.name;

        // The copies of Home's groups, laid out in the popup; the ribbon's
        // own stay where they are.
        CZMRRibbonGroups* pGroups = pPopup->GetTabCopy()->GetGroups();
        ASSERT_EQ(3, pGroups->GetCount()) << c.name;
        EXPECT_EQ(pPopup, pGroups->GetAt(0)->GetAt(0)->GetParent());
        EXPECT_TRUE(pGroups->GetAt(0)->GetAt(0)->IsVisible());
        EXPECT_EQ(m_pRibbon, Clipboard()->GetAt(0)->GetParent());
        EXPECT_EQ(pGroups->GetAt(1), pPopup->HitTestGroup(pGroups->GetAt(1)->GetRect().CenterPoint()));
        Manager()->CancelTracking();
        CRibbonHost::Pump();
    }
}

// From the keyboard the minimized ribbon's tab popup shows the tips of its
// copies of the tab's groups and runs the copy a tip names.
TEST_F(RibbonPopups, TheTabPopupTakesTheKeyboardTips)
{
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    TypeKey(VK_MENU);
    ASSERT_TRUE(WaitForTips(m_pRibbon, 1));
    TypeKey('H');
    CZMRRibbonTabPopupToolBar* pPopup =
        dynamic_cast<CZMRRibbonTabPopupToolBar*>(m_pRibbon->GetControlTab()->GetCommandBar());
    ASSERT_NE(nullptr, pPopup);
    ASSERT_TRUE(WaitForTips(pPopup, 1));
    CZMRRibbonGroup* pClipboard = pPopup->GetTabCopy()->GetGroups()->GetAt(0);
    EXPECT_EQ(CString(L"P"), TipOf(pClipboard->GetAt(0)));
    const CString strCut = TipOf(pClipboard->GetAt(2));
    EXPECT_EQ(CString(L"CU"), strCut);
    EXPECT_EQ(CString(), TipOf(Clipboard()->GetAt(2))) << "no tips for the ribbon's own controls";
    TypeText(strCut);
    EXPECT_EQ(std::vector<int>{503}, Executed());
    EXPECT_FALSE(m_pRibbon->IsTrackingMode());
}

// Escape in a tab popup opened by the mouse closes everything; opened from
// the keyboard it steps back to the ribbon.
TEST_F(RibbonPopups, EscapeInTheTabPopup)
{
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    m_pRibbon->SetMinimized(TRUE);
    m_pHost->Layout();
    CZMRRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
    pStrip->PopupSelectedTab(FALSE);
    CZMRCommandBar* pPopup = pStrip->GetCommandBar();
    ASSERT_TRUE(pPopup && pPopup->IsTrackingMode());
    EXPECT_TRUE(pPopup->HandleNavigationKey(zmrNavCancel));
    EXPECT_FALSE(pPopup->IsTrackingMode());
    EXPECT_FALSE(m_pRibbon->IsTrackingMode());

    TypeKey(VK_MENU);
    TypeKey('H');
    pPopup = pStrip->GetCommandBar();
    ASSERT_TRUE(pPopup && pPopup->IsTrackingMode());
    TypeKey(VK_ESCAPE);
    EXPECT_FALSE(pPopup->IsTrackingMode());
    EXPECT_TRUE(m_pRibbon->IsTrackingMode()) << "back on the ribbon";
}

TEST_F(RibbonPopups, TheQuickAccessOverflowPopupIsSizedLikeTheRibbon)
{
    CZMRCommandBar* pMore = m_pRibbon->CreateQuickAccessMorePopup();
    ASSERT_NE(nullptr, dynamic_cast<CZMRRibbonBarMorePopupToolBar*>(pMore));
    EXPECT_EQ(CRect(3, 3, 3, 3), pMore->GetBorders());
    EXPECT_EQ(m_pRibbon->GetButtonSize(), pMore->GetButtonSize());
    EXPECT_EQ(m_pRibbon->GetIconSize(), pMore->GetIconSize());
    EXPECT_FALSE(pMore->IsHoverOpen());
    pMore->InternalRelease();
}
} // namespace
