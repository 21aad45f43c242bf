// The quick-access row and the ribbon's context menu: the items each kind of
// control gets, what may be added, the offered commands of the customize
// button's menu, the commands of the items, the popup of overflowed
// controls, the row above and below the ribbon.
#include "RibbonTestSupport.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControlToolbars.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"
#include "CZMRPopupBar.h"
#include "CZMRRibbonBarMorePopupToolBar.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonTab.h"
#include "CZMRToolBar.h"
#include "WindowPixels.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
// A button of fixed size that fills its rectangle with the colour its tag
// holds; copies made by class keep it (the tag is copied).
class CColorButton : public CZMRControlButton
{
    DECLARE_DYNCREATE(CColorButton)
public:
    CSize GetSize(CDC*) override { return CSize(20, 20); }
    void Draw(CDC* pDC) override { pDC->FillSolidRect(GetRect(), COLORREF(GetTag())); }
};
IMPLEMENT_DYNCREATE(CColorButton, CZMRControlButton)

class RibbonQuickAccess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CRibbonHost::Create();
        ASSERT_NE(nullptr, m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        m_pRibbon->InsertTab(0, L"Home", 1);
        m_pRibbon->SelectTab(0);
        m_pLoose = AddLoose(500, L"Cut", RGB(250, 10, 10));
        m_pOther = AddLoose(501, L"Copy", RGB(10, 250, 10));
        m_pHost->Layout();
    }
    void TearDown() override { delete m_pHost; }

    CZMRControl* AddLoose(int nId, LPCTSTR lpszCaption, COLORREF clr)
    {
        CZMRControl* pControl = m_pRibbon->GetControls()->AddControl(new CColorButton, nId);
        pControl->SetCaption(lpszCaption);
        pControl->SetTag(clr);
        return pControl;
    }
    // The ids of the menu's visible items, the tool-bar list left out.
    static std::vector<int> VisibleIds(CZMRCommandBar* pPopup)
    {
        std::vector<int> ids;
        for (int i = 0; i < pPopup->GetControlCount(); i++)
        {
            CZMRControl* pItem = pPopup->GetControl(i);
            if (pItem->IsVisible() && !pItem->IsKindOf(RUNTIME_CLASS(CZMRControlToolbars)))
                ids.push_back(pItem->GetID());
        }
        return ids;
    }
    static CZMRControl* Item(CZMRCommandBar* pPopup, int nId)
    {
        return pPopup->GetControls()->FindControlById(nId);
    }
    // The menu for a control, checked and released by the caller's step.
    void WithMenu(CZMRControl* pControl, const std::function<void(CZMRCommandBar*)>& step)
    {
        CZMRCommandBar* pPopup = m_pRibbon->CreateContextMenu(pControl);
        ASSERT_NE(nullptr, pPopup);
        step(pPopup);
        pPopup->InternalRelease();
    }

    CRibbonHost* m_pHost = nullptr;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRControl* m_pLoose = nullptr;
    CZMRControl* m_pOther = nullptr;
};
} // namespace

TEST_F(RibbonQuickAccess, ContextMenuItemsFollowTheControlAndTheRibbonsSwitches)
{
    CZMRControl* pCopy = m_pRibbon->AddQuickAccessCopy(m_pOther);
    ASSERT_NE(nullptr, pCopy);
    CZMRControl* pLocked = AddLoose(502, L"Locked", RGB(1, 1, 1));
    pLocked->SetFlags(zmrFlagNoMovable);
    CZMRControl* pTemporary = m_pRibbon->GetControls()->AddControl(new CColorButton, 503, L"", -1, TRUE);

    struct
    {
        const char* name;
        CZMRControl* pControl;
        std::function<void()> set;
        std::vector<int> ids;
    } cases[] = {
        {"a loose control", m_pLoose, [] {}, {9606, 9607, 9608, 9612}},
        {"a quick-access copy", pCopy, [] {}, {9605, 9607, 9608, 9612}},
        {"a control that is not customizable", pLocked, [] {}, {9607, 9608, 9612}},
        {"a temporary control", pTemporary, [] {}, {9607, 9608, 9612}},
        {"the row below the ribbon", m_pLoose, [this] { m_pRibbon->ShowQuickAccessBelow(TRUE); },
         {9606, 9607, 9610, 9612}},
        {"no minimizing", m_pLoose, [this] { m_pRibbon->AllowMinimize(FALSE); }, {9606, 9607, 9608}},
        {"no customisation and no dialog", m_pLoose,
         [this] { m_pRibbon->AllowQuickAccessCustomization(FALSE); }, {9608, 9612}},
        {"no customisation but a dialog", m_pLoose,
         [this] {
             m_pRibbon->AllowQuickAccessCustomization(FALSE);
             m_pHost->Manager()->SetCustomizeAvail(TRUE);
         },
         {9607, 9608, 9612}},
    };
    for (const auto& c : cases)
    {
        c.set();
        WithMenu(c.pControl, [&](CZMRCommandBar* pPopup) {
            EXPECT_EQ(c.ids, VisibleIds(pPopup)) << c.name;
            CZMRControl* pList = pPopup->GetControl(2);
            EXPECT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CZMRControlToolbars)) && pList->GetBeginGroup()) << c.name;
            for (int nId : {9605, 9606, 9607, 9608, 9610, 9612})
                EXPECT_TRUE(Item(pPopup, nId)->GetFlags() & zmrFlagManualUpdate) << c.name << " " << nId;
            EXPECT_EQ(reinterpret_cast<DWORD_PTR>(c.pControl), Item(pPopup, 9606)->GetTag()) << c.name;
            EXPECT_EQ(reinterpret_cast<DWORD_PTR>(c.pControl), Item(pPopup, 9605)->GetTag()) << c.name;
            if (m_pHost->Manager()->IsCustomizeAvail())
            {
                EXPECT_STREQ(L"&Customize...", Item(pPopup, 9607)->GetCaption()) << c.name;
            }
        });
        m_pRibbon->ShowQuickAccessBelow(FALSE);
        m_pRibbon->AllowMinimize(TRUE);
        m_pRibbon->AllowQuickAccessCustomization(TRUE);
        m_pHost->Manager()->SetCustomizeAvail(FALSE);
    }

    // Minimize: checked while minimized, disabled without tabs.
    m_pRibbon->SetMinimized(TRUE);
    WithMenu(m_pLoose, [&](CZMRCommandBar* pPopup) { EXPECT_TRUE(Item(pPopup, 9612)->GetChecked()); });
    m_pRibbon->SetMinimized(FALSE);
    m_pRibbon->GetControlTab()->DeleteAllItems();
    WithMenu(m_pLoose, [&](CZMRCommandBar* pPopup) {
        EXPECT_FALSE(Item(pPopup, 9612)->GetChecked());
        EXPECT_FALSE(Item(pPopup, 9612)->GetEnabled());
    });
}

TEST_F(RibbonQuickAccess, ASecondCopyIsRefusedUnlessDuplicatesAreAllowed)
{
    EXPECT_TRUE(m_pRibbon->CanAddToQuickAccess(m_pLoose));
    EXPECT_FALSE(m_pRibbon->CanAddToQuickAccess(nullptr));
    m_pRibbon->AddQuickAccessCopy(m_pLoose);
    EXPECT_FALSE(m_pRibbon->CanAddToQuickAccess(m_pLoose));
    WithMenu(m_pLoose, [&](CZMRCommandBar* pPopup) {
        EXPECT_TRUE(Item(pPopup, 9606)->IsVisible());
        EXPECT_FALSE(Item(pPopup, 9606)->GetEnabled());
    });
    m_pRibbon->AllowQuickAccessDuplicates(TRUE);
    EXPECT_TRUE(m_pRibbon->CanAddToQuickAccess(m_pLoose));
    // A copy that only lacks room still counts; one taken off the row does not.
    m_pRibbon->AllowQuickAccessDuplicates(FALSE);
    CZMRControl* pCopy = m_pRibbon->GetQuickAccessControls()->FindCopyOf(m_pLoose);
    ASSERT_NE(nullptr, pCopy);
    pCopy->SetHideFlags(zmrHideWrap);
    EXPECT_FALSE(m_pRibbon->CanAddToQuickAccess(m_pLoose));
    pCopy->SetHideFlags(zmrHideCustomize);
    EXPECT_TRUE(m_pRibbon->CanAddToQuickAccess(m_pLoose));
}

TEST_F(RibbonQuickAccess, TheItemsCommandsAddRemoveAndMinimize)
{
    CZMRRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
    m_pLoose->SetBeginGroup(TRUE);
    m_pLoose->SetVisible(FALSE);
    WithMenu(m_pLoose, [&](CZMRCommandBar* pPopup) { Item(pPopup, 9606)->OnExecute(); });
    ASSERT_EQ(1, pQuickAccess->GetCount());
    CZMRControl* pCopy = pQuickAccess->GetAt(0);
    EXPECT_EQ(500, pCopy->GetID());
    EXPECT_FALSE(pCopy->GetBeginGroup());
    EXPECT_TRUE(pCopy->IsVisible(zmrHideWrap | zmrHideDock));
    EXPECT_EQ(zmrButtonAutomatic, pCopy->GetOwnerStyle());
    EXPECT_EQ(pCopy, m_pRibbon->GetControls()->GetAt(m_pRibbon->GetControls()->FindControlById(500)->GetIndex()))
        << "the copy is also the ribbon's";

    // A popup comes small onto the row.
    CZMRControl* pPopupControl = m_pRibbon->GetControls()->Add(zmrControlPopup, 504);
    WithMenu(pPopupControl, [&](CZMRCommandBar* pPopup) { Item(pPopup, 9606)->OnExecute(); });
    ASSERT_EQ(2, pQuickAccess->GetCount());
    EXPECT_EQ(zmrButtonIcon, pQuickAccess->GetAt(1)->GetOwnerStyle());

    const int nRibbonControls = m_pRibbon->GetControlCount();
    WithMenu(pCopy, [&](CZMRCommandBar* pPopup) { Item(pPopup, 9605)->OnExecute(); });
    EXPECT_EQ(1, pQuickAccess->GetCount());
    EXPECT_EQ(nRibbonControls - 1, m_pRibbon->GetControlCount());

    WithMenu(m_pOther, [&](CZMRCommandBar* pPopup) { Item(pPopup, 9612)->OnExecute(); });
    EXPECT_TRUE(m_pRibbon->IsMinimized());
    WithMenu(m_pOther, [&](CZMRCommandBar* pPopup) { Item(pPopup, 9612)->OnExecute(); });
    EXPECT_FALSE(m_pRibbon->IsMinimized());
}

TEST_F(RibbonQuickAccess, TheCustomizeButtonsMenuOffersTheRowsCommands)
{
    CZMRRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
    m_pRibbon->AddQuickAccessCopy(m_pLoose);
    m_pRibbon->AddQuickAccessCopy(m_pOther);
    pQuickAccess->CreateOriginalControls();
    pQuickAccess->Remove(pQuickAccess->GetAt(1));

    CZMRControl* pCustomize = m_pRibbon->GetQuickAccessCustomizeButton();
    WithMenu(pCustomize, [&](CZMRCommandBar* pPopup) {
        EXPECT_TRUE(pPopup->GetControl(0)->IsKindOf(RUNTIME_CLASS(CZMRControlToolbars)));
        // Heading, the two offered commands, 9607 (named 9616 by the menu), below, minimize.
        EXPECT_EQ((std::vector<int>{9614, 0, 0, 9607, 9608, 9612}), VisibleIds(pPopup));
        CZMRControl* pHeading = Item(pPopup, 9614);
        EXPECT_EQ(zmrControlLabel, pHeading->GetType());
        EXPECT_TRUE(pHeading->IsDefaultItem());
        EXPECT_EQ(DWORD(zmrFlagSkipFocus | zmrFlagManualUpdate), pHeading->GetFlags());
        auto* pCut = static_cast<CZMRRibbonBar::CControlQuickAccessCommand*>(pPopup->GetControl(2));
        auto* pCopyItem = static_cast<CZMRRibbonBar::CControlQuickAccessCommand*>(pPopup->GetControl(3));
        EXPECT_STREQ(L"Cut", pCut->GetCaption());
        EXPECT_TRUE(pCut->GetChecked());
        EXPECT_TRUE(pCut->IsTemporary());
        EXPECT_STREQ(L"Copy", pCopyItem->GetCaption());
        EXPECT_FALSE(pCopyItem->GetChecked());

        // Executing an item puts its command on the row or takes it off.
        pCopyItem->OnExecute();
        pCut->OnExecute();
    });
    ASSERT_EQ(1, pQuickAccess->GetCount());
    EXPECT_EQ(501, pQuickAccess->GetAt(0)->GetID());

    // Without the offered list only the fixed items stay.
    pQuickAccess->SetOriginalControls(nullptr);
    WithMenu(pCustomize, [&](CZMRCommandBar* pPopup) {
        EXPECT_EQ((std::vector<int>{9607, 9608, 9612}), VisibleIds(pPopup));
    });
}

TEST_F(RibbonQuickAccess, WithoutTheRowTheManagersMenuShows)
{
    m_pRibbon->ShowQuickAccess(FALSE);
    EXPECT_EQ(nullptr, m_pRibbon->CreateContextMenu(m_pLoose)) << "no bar for the manager to list";
    // A closeable bar with a context-menu entry, listed by the manager's menu.
    auto* pToolBar = static_cast<CZMRToolBar*>(RUNTIME_CLASS(CZMRToolBar)->CreateObject());
    pToolBar->SetTitle(L"Standard");
    m_pHost->Manager()->AddBar(pToolBar);
    ASSERT_EQ(1, CZMRControlToolbars::GetListedBarCount(m_pHost->Manager()));
    WithMenu(m_pLoose, [&](CZMRCommandBar* pPopup) {
        EXPECT_EQ(1, pPopup->GetControlCount());
        EXPECT_TRUE(pPopup->GetControl(0)->IsKindOf(RUNTIME_CLASS(CZMRControlToolbars)));
    });
}

TEST_F(RibbonQuickAccess, TrackingLowersOnlyAFocusCountThatIsRaised)
{
    CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
    for (int nFocus : {1, 0})
    {
        pMouseManager->m_nFocusCount = nFocus;
        int nInside = -1;
        int nTracked = 0;
        {
            CInMenuStep inMenu([&] {
                nInside = pMouseManager->m_nFocusCount;
                nTracked = pMouseManager->GetTrackedCount();
                m_pHost->Manager()->CancelTracking();
            });
            m_pRibbon->ShowContextMenu(m_pLoose->GetRect().CenterPoint(), m_pLoose);
        }
        EXPECT_EQ(1, nTracked) << nFocus;
        EXPECT_EQ(0, nInside) << nFocus;
        EXPECT_EQ(nFocus, pMouseManager->m_nFocusCount) << "put back as it was";
    }
    pMouseManager->m_nFocusCount = 0;
}

TEST_F(RibbonQuickAccess, TheMorePopupListsTheOverflowedControlsThenTheCustomizeButton)
{
    CZMRRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
    m_pRibbon->AddQuickAccessCopy(m_pLoose);
    m_pRibbon->AddQuickAccessCopy(m_pOther);
    m_pRibbon->AddQuickAccessCopy(AddLoose(505, L"Paste", RGB(1, 2, 3)));
    pQuickAccess->GetAt(1)->SetHideFlags(zmrHideWrap);
    pQuickAccess->GetAt(2)->SetHideFlags(zmrHideWrap);
    CZMRCommandBar* pMore = m_pRibbon->CreateQuickAccessMorePopup();
    ASSERT_NE(nullptr, pMore);
    EXPECT_EQ(zmrBarTypeNormal, pMore->GetType());
    EXPECT_EQ(300, pMore->GetMRUWidth());
    EXPECT_EQ((std::vector<int>{501, 505, 9603}), VisibleIds(pMore));
    for (int i = 0; i < pMore->GetControlCount(); i++)
        EXPECT_NE(pQuickAccess->GetAt(i % 3), pMore->GetControl(i)) << "copies";
    pMore->InternalRelease();
}

// This ribbon binds no skin: an open popup, the customize button's menu and
// the popup of overflowed controls alike, is filled with the popup face
// inside its frame, never left showing what lay under it.
TEST_F(RibbonQuickAccess, WithoutASkinPopupsHaveThePopupFace)
{
    m_pRibbon->AddQuickAccessCopy(m_pLoose);
    m_pRibbon->AddQuickAccessCopy(m_pOther);
    m_pHost->Layout();
    m_pRibbon->GetQuickAccessControls()->GetAt(1)->SetHideFlags(zmrHideWrap);
    for (CZMRControl* pOpener : {m_pRibbon->GetQuickAccessCustomizeButton(), m_pRibbon->GetQuickAccessMoreButton()})
    {
        ASSERT_NE(nullptr, pOpener);
        const bool bMore = pOpener == m_pRibbon->GetQuickAccessMoreButton();
        const char* pszName = bMore ? "more popup" : "customize menu";
        ASSERT_TRUE(pOpener->ShowPopup(TRUE)) << pszName;
        CRibbonHost::Pump();
        CZMRCommandBar* pPopup = pOpener->GetCommandBar();
        ASSERT_TRUE(pPopup && pPopup->GetSafeHwnd() && pPopup->IsWindowVisible()) << pszName;
        EXPECT_EQ(bMore, bool(pPopup->IsKindOf(RUNTIME_CLASS(CZMRRibbonBarMorePopupToolBar)))) << pszName;

        pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        SIZE sz;
        const std::vector<COLORREF> pixels = ReadWindow(pPopup->GetSafeHwnd(), sz, TRUE);
        ASSERT_GT(sz.cx, 8) << pszName;
        ASSERT_GT(sz.cy, 8) << pszName;
        auto at = [&](int x, int y) { return pixels[size_t(y * sz.cx + x)]; };
        // The ribbon theme's popup face, inside a frame in its popup frame
        // colour (the opener's side of the frame may be left open).
        const COLORREF clrFace = RGB(250, 250, 250), clrFrame = RGB(134, 134, 134);
        for (const POINT& pt : {POINT{1, 1}, POINT{sz.cx - 2, 1}, POINT{1, sz.cy - 2}, POINT{sz.cx - 2, sz.cy - 2}})
            EXPECT_EQ(clrFace, at(pt.x, pt.y)) << pszName << ": inside the frame at " << pt.x << "," << pt.y;
        for (const POINT& pt : {POINT{0, sz.cy / 2}, POINT{sz.cx - 1, sz.cy / 2}, POINT{sz.cx / 2, sz.cy - 1}})
            EXPECT_EQ(clrFrame, at(pt.x, pt.y)) << pszName << ": the frame at " << pt.x << "," << pt.y;
        m_pHost->Manager()->CancelTracking();
        CRibbonHost::Pump();
    }
}

TEST_F(RibbonQuickAccess, TheRowMovesBelowTheRibbonAndBack)
{
    // The copies in colours of their own, apart from the tab row's originals.
    m_pRibbon->AddQuickAccessCopy(m_pLoose)->SetTag(RGB(250, 10, 250));
    m_pRibbon->AddQuickAccessCopy(m_pOther)->SetTag(RGB(10, 250, 250));
    m_pHost->Layout();
    // Where each copy's colour shows in the frame's client area.
    auto findColor = [&](COLORREF clr) {
        CSize sz;
        const std::vector<COLORREF> pixels = m_pHost->CaptureFrame(sz);
        for (int y = 0; y < sz.cy; y++)
            for (int x = 0; x < sz.cx; x++)
                if (pixels[size_t(y) * sz.cx + x] == clr)
                    return CPoint(x, y);
        return CPoint(-1, -1);
    };
    const CRect rcRibbon = m_pHost->RibbonRectInFrame();
    CRect rcGroups = m_pRibbon->GetGroupsRect();

    const CPoint ptAbove = findColor(RGB(250, 10, 250));
    EXPECT_TRUE(m_pRibbon->GetCaptionRect().PtInRect(CPoint(ptAbove.x - rcRibbon.left, ptAbove.y - rcRibbon.top)))
        << ptAbove.x << "," << ptAbove.y;
    EXPECT_LT(ptAbove.x, findColor(RGB(10, 250, 250)).x) << "in the order of the row";
    m_pHost->SavePicture(L"ribbon_quick_access_above.png");

    m_pRibbon->SendMessage(WM_COMMAND, ZMR_ID_RIBBONQUICKACCESSBELOW);
    m_pHost->Layout();
    EXPECT_TRUE(m_pRibbon->IsQuickAccessBelow());
    rcGroups = m_pRibbon->GetGroupsRect();
    const CPoint ptBelow = findColor(RGB(250, 10, 250));
    EXPECT_GE(ptBelow.y - rcRibbon.top, rcGroups.bottom) << "under the groups";
    EXPECT_TRUE(m_pRibbon->GetQuickAccessRect().PtInRect(CPoint(ptBelow.x - rcRibbon.left, ptBelow.y - rcRibbon.top)));
    m_pHost->SavePicture(L"ribbon_quick_access_below.png");

    m_pRibbon->SendMessage(WM_COMMAND, ZMR_ID_RIBBONQUICKACCESSABOVE);
    m_pHost->Layout();
    EXPECT_FALSE(m_pRibbon->IsQuickAccessBelow());
    EXPECT_EQ(ptAbove, findColor(RGB(250, 10, 250)));
}
