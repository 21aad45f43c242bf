// Ribbon groups on a ribbon: their controls kept before the option button,
// shown with their tab, reduced and collapsed as the ribbon narrows, drawn,
// and saved with their tab.
#include "CRibbonHost.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTheme.h"
#include "CZMRControlAction.h"
#include "CZMRControlActions.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRControls.h"
#include "CZMRPropExchangeArchive.h"
#include "MemoryPropStore.h"
#include "tests/core/ArchiveStreams.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{
// Flat colours for the group parts, so that one pixel tells what was drawn.
const COLORREF kGroupColors[] = {RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200)};
const COLORREF kCaptionColor = RGB(250, 220, 0);
const COLORREF kPopupColor = RGB(255, 0, 255);
const CSize kPopupSize(48, 70);

// The ribbon theme with its group client, caption and collapsed-group
// button drawn as flat colours.
class CFlatGroupTheme : public CZMRRibbonTheme
{
public:
    void DrawGroup(CDC* pDC, CZMRRibbonGroup* pGroup) override
    {
        if (pGroup->IsCollapsed())
            return;
        CRect rc = pGroup->GetRect();
        pDC->FillSolidRect(rc, kGroupColors[pGroup->GetIndex() % 3]);
        pDC->FillSolidRect(pGroup->GetCaptionRect(), kCaptionColor);
    }
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) override
    {
        if (bDraw && pControl->GetRibbonGroup())
            m_separators.push_back(pControl);
        return CZMRRibbonTheme::DrawSeparator(pDC, pBar, pControl, bDraw);
    }
    CSize DrawGroupPopupButton(CSize& szButton, CDC* pDC, CZMRControl* pButton, BOOL bDraw) override
    {
        szButton = kPopupSize;
        if (bDraw)
            pDC->FillSolidRect(pButton->GetRect(), kPopupColor);
        return szButton;
    }

    // The group controls a separator was drawn in front of.
    std::vector<CZMRControl*> m_separators;
};

CZMRRibbonGroup* AddGroup(CZMRRibbonTab* pTab, LPCTSTR lpszCaption, int nId)
{
    CZMRRibbonGroup* pGroup = new CZMRRibbonGroup;
    pGroup->SetCaption(lpszCaption);
    pGroup->SetId(nId);
    return pTab->GetGroups()->InsertAt(-1, pGroup);
}

CZMRControl* AddButton(CZMRRibbonGroup* pGroup, int nId, LPCTSTR lpszCaption, int nIndex = -1)
{
    CZMRControlButton* pSource = new CZMRControlButton;
    pSource->SetID(nId);
    pSource->SetCaption(lpszCaption);
    CZMRControl* pControl = pGroup->InsertControl(pSource, nIndex);
    pSource->InternalRelease();
    return pControl;
}

class RibbonGroups : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost.reset(CRibbonHost::Create({0, 0, 1000, 400}, new CFlatGroupTheme));
        ASSERT_TRUE(m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        // Narrow frames still show the ribbon, so that groups can collapse.
        m_pRibbon->SetMinimumFrameSize(100);
        m_pHome = m_pRibbon->InsertTab(-1, L"&Home", 1);
        m_pInsert = m_pRibbon->InsertTab(-1, L"Insert", 2);
        // Three groups of six, four and five buttons on the first tab.
        const int nButtons[] = {6, 4, 5};
        for (int g = 0; g < 3; g++)
        {
            CString strCaption;
            strCaption.Format(L"Group %d", g);
            CZMRRibbonGroup* pGroup = AddGroup(m_pHome, strCaption, 100 + g);
            for (int i = 0; i < nButtons[g]; i++)
            {
                CString strButton;
                strButton.Format(L"Button %d%d", g, i);
                AddButton(pGroup, 1000 + 10 * g + i, strButton);
            }
        }
        AddButton(AddGroup(m_pInsert, L"Tables", 200), 2000, L"Table");
        m_pRibbon->SelectTab(0);
        m_pHost->Layout();
    }

    void TearDown() override { m_pHost.reset(); }

    void SetFrameWidth(int nWidth)
    {
        m_pHost->Frame()->SetWindowPos(nullptr, 0, 0, nWidth, 400, SWP_NOZORDER | SWP_NOMOVE);
        m_pHost->Layout();
    }

    CZMRRibbonGroup* Group(int nIndex) const { return m_pHome->GetGroups()->GetAt(nIndex); }

    // The button styles of a group's controls: L, M or S per control; "-"
    // for a hidden one.
    std::string Styles(CZMRRibbonGroup* pGroup) const
    {
        std::string s;
        for (int i = 0; i < pGroup->GetCount(); i++)
        {
            CZMRControl* pControl = pGroup->GetAt(i);
            const int nStyle = pControl->GetStyle();
            s += !pControl->IsVisible() ? '-' : nStyle == zmrButtonIconAndCaptionBelow ? 'L'
                : nStyle == zmrButtonIconAndCaption ? 'M' : nStyle == zmrButtonIcon ? 'S' : '?';
        }
        return s;
    }

    COLORREF PixelInRibbon(const std::vector<COLORREF>& pixels, CSize sz, CPoint pt) const
    {
        const CPoint ptFrame = pt + m_pHost->RibbonRectInFrame().TopLeft();
        return pixels[size_t(ptFrame.y) * sz.cx + ptFrame.x];
    }

    std::unique_ptr<CRibbonHost> m_pHost;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRRibbonTab* m_pHome = nullptr;
    CZMRRibbonTab* m_pInsert = nullptr;
};

TEST_F(RibbonGroups, ControlsStandTogetherBeforeTheOptionButton)
{
    CZMRRibbonGroup* pGroup = Group(1);
    CZMRControls* pControls = m_pRibbon->GetControls();
    const int nOption = pGroup->GetOptionButton()->GetIndex();
    ASSERT_EQ(4, pGroup->GetCount());
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(pControls->GetAt(nOption - 4 + i), pGroup->GetAt(i)) << i;
        EXPECT_EQ(i, pGroup->IndexOf(pGroup->GetAt(i)));
        EXPECT_EQ(pGroup, pGroup->GetAt(i)->GetRibbonGroup());
    }
    EXPECT_EQ(100 + 1, pGroup->GetOptionButton()->GetID());
    EXPECT_EQ(-1, pGroup->IndexOf(Group(0)->GetAt(0)));

    // Inserted at the front and past the end, removed from the middle.
    CZMRControl* pFirst = AddButton(pGroup, 1100, L"First", 0);
    CZMRControl* pLast = AddButton(pGroup, 1101, L"Last", 99);
    EXPECT_EQ(0, pGroup->IndexOf(pFirst));
    EXPECT_EQ(5, pGroup->IndexOf(pLast));
    EXPECT_EQ(pControls->GetAt(pGroup->GetOptionButton()->GetIndex() - 1), pLast);
    const int nCount = pControls->GetCount();
    pGroup->RemoveAt(2);
    pGroup->RemoveAt(17);
    EXPECT_EQ(5, pGroup->GetCount());
    EXPECT_EQ(nCount - 1, pControls->GetCount());
    EXPECT_EQ(pControls->GetAt(pGroup->GetOptionButton()->GetIndex() - 5), pFirst);
}

TEST_F(RibbonGroups, AManagerThatKeepsActionsBindsTheGroupsButtons)
{
    EXPECT_EQ(nullptr, Group(0)->GetOptionButton()->GetAction()) << "actions are off";

    m_pHost->Manager()->EnableActions(TRUE);
    CZMRRibbonGroup* pGroup = AddGroup(m_pInsert, L"Illustrations", 500);
    CZMRControlAction* pAction = pGroup->GetOptionButton()->GetAction();
    ASSERT_TRUE(pAction);
    EXPECT_EQ(pAction, pGroup->GetPopupButton()->GetAction());
    EXPECT_EQ(500, pAction->GetID());
    EXPECT_EQ(CString(L"Illustrations"), pAction->GetCaption());

    // An action with a caption of its own keeps it.
    m_pHost->Manager()->GetActions()->FindOrAdd(501)->SetCaption(L"Media");
    EXPECT_EQ(CString(L"Media"), AddGroup(m_pInsert, L"Video", 501)->GetPopupButton()->GetAction()->GetCaption());
}

TEST_F(RibbonGroups, ControlsOfTheOtherTabsAreHidden)
{
    CZMRControl* pHomeButton = Group(0)->GetAt(0);
    CZMRControl* pInsertButton = m_pInsert->GetGroups()->GetAt(0)->GetAt(0);
    EXPECT_EQ(0u, pHomeButton->GetHideFlags() & zmrHideRibbonTab);
    EXPECT_NE(0u, pInsertButton->GetHideFlags() & zmrHideRibbonTab);
    EXPECT_TRUE(Group(0)->IsShown());
    EXPECT_FALSE(m_pInsert->GetGroups()->GetAt(0)->IsShown());

    m_pRibbon->SelectTab(1);
    EXPECT_NE(0u, pHomeButton->GetHideFlags() & zmrHideRibbonTab);
    EXPECT_EQ(0u, pInsertButton->GetHideFlags() & zmrHideRibbonTab);
}

TEST_F(RibbonGroups, RemovingATabsGroupsTakesTheirControlsOffTheRibbon)
{
    const int nBefore = m_pRibbon->GetControls()->GetCount();
    // Fifteen buttons and two buttons per group go.
    m_pHome->GetGroups()->RemoveAll();
    EXPECT_EQ(nBefore - 15 - 6, m_pRibbon->GetControls()->GetCount());
    for (int i = 0; i < m_pRibbon->GetControls()->GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup = m_pRibbon->GetControls()->GetAt(i)->GetRibbonGroup();
        EXPECT_TRUE(!pGroup || pGroup->GetTab() == m_pInsert) << i;
    }
}

TEST_F(RibbonGroups, GroupsShrinkStepByStepAsTheRibbonNarrows)
{
    // Wide: every button medium in columns of three, the groups 7 apart from x = 4.
    EXPECT_EQ("MMMMMM", Styles(Group(0)));
    EXPECT_EQ("MMMM", Styles(Group(1)));
    EXPECT_EQ("MMMMM", Styles(Group(2)));
    EXPECT_EQ(4, Group(0)->GetRect().left);
    EXPECT_EQ(Group(0)->GetRect().right + 2, Group(1)->GetRect().left);
    EXPECT_EQ(Group(1)->GetRect().right + 2, Group(2)->GetRect().left);
    const CRect rcWide = Group(0)->GetRect();

    // Each frame width against what the groups give up: columns of medium
    // buttons turn small, the last group first, then groups collapse.
    const struct
    {
        int nFrameWidth;
        const char* styles[3];
    } steps[] = {
        {400, {"MMMMMM", "MMMM", "MMMMM"}},
        {350, {"MMMMMM", "SSSM", "SSSMM"}},
        {300, {"MMMSSS", "SSSM", "SSSMM"}},
        {260, {"SSSSSS", "SSSM", "SSSMM"}},
        {220, {"SSSSSS", "SSSM", "-----"}},
        {200, {"SSSSSS", "----", "-----"}},
        {150, {"------", "----", "-----"}},
    };
    for (const auto& step : steps)
    {
        SetFrameWidth(step.nFrameWidth);
        for (int g = 0; g < 3; g++)
        {
            EXPECT_EQ(step.styles[g], Styles(Group(g))) << step.nFrameWidth << " group " << g;
            EXPECT_EQ(step.styles[g][0] == '-', Group(g)->IsCollapsed()) << step.nFrameWidth << " group " << g;
        }
        // Until every group is collapsed the groups fit the band less its margins.
        const int nTotal = Group(2)->GetRect().right - Group(0)->GetRect().left;
        if (step.nFrameWidth > 150)
        {
            EXPECT_LE(nTotal, m_pRibbon->GetGroupsRect().Width() - 10) << step.nFrameWidth;
        }
    }

    // A collapsed group is its button, over the group's whole rectangle.
    CZMRControl* pPopup = Group(2)->GetPopupButton();
    EXPECT_TRUE(pPopup->IsVisible());
    EXPECT_EQ(Group(2)->GetRect(), pPopup->GetRect());
    EXPECT_EQ(kPopupSize.cx, Group(2)->GetRect().Width());

    // And back: a wide ribbon starts again from the widest form.
    SetFrameWidth(1000);
    EXPECT_FALSE(Group(2)->IsCollapsed());
    EXPECT_FALSE(pPopup->IsVisible());
    EXPECT_EQ("MMMMM", Styles(Group(2)));
    EXPECT_EQ(rcWide, Group(0)->GetRect());
}

TEST_F(RibbonGroups, SeparatorsStandBeforeGroupBeginsExceptInGroupedRows)
{
    CZMRControl* pBegin = Group(0)->GetAt(3);
    pBegin->SetBeginGroup(TRUE);
    Group(0)->GetAt(0)->SetBeginGroup(TRUE);   // the first control: no separator
    Group(1)->GetAt(2)->SetBeginGroup(TRUE);
    Group(1)->SetControlsGrouping(TRUE);
    m_pRibbon->OnRecalcLayout();
    m_pHost->Layout();
    auto* pTheme = static_cast<CFlatGroupTheme*>(m_pHost->PaintManager());
    pTheme->m_separators.clear();
    // The bar's own painting into a bitmap.
    CClientDC dcWindow(m_pRibbon);
    CDC dc;
    dc.CreateCompatibleDC(&dcWindow);
    CRect rcClient;
    m_pRibbon->GetClientRect(&rcClient);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcWindow, rcClient.Width(), rcClient.Height());
    CBitmap* pOld = dc.SelectObject(&bitmap);
    m_pRibbon->SendMessage(WM_PRINTCLIENT, WPARAM(dc.GetSafeHdc()), PRF_CLIENT);
    dc.SelectObject(pOld);
    EXPECT_EQ(std::vector<CZMRControl*>({pBegin}), pTheme->m_separators);
}

TEST_F(RibbonGroups, AResizableGalleryGrowsIntoSpareRoom)
{
    CZMRRibbonGroup* pGroup = AddGroup(m_pRibbon->InsertTab(-1, L"Design", 3), L"Styles", 300);
    CZMRControlGallery* pSource = new CZMRControlGallery;
    auto* pGallery = static_cast<CZMRControlGallery*>(pGroup->InsertControl(pSource, -1));
    pSource->InternalRelease();
    ASSERT_TRUE(pGallery);
    // Ten items of 20 pixels.
    CZMRControlAction* pAction = new CZMRControlAction;
    CZMRControlGalleryItems* pItems = new CZMRControlGalleryItems;
    pItems->SetItemSize(CSize(20, 20));
    for (int i = 0; i < 10; i++)
        pItems->AddItem(4000 + i);
    pAction->SetItems(pItems);
    pGallery->SetAction(pAction);
    m_pRibbon->SelectTab(2);
    m_pHost->Layout();
    const int nWidth = pGallery->GetRect().Width();
    EXPECT_EQ(120, nWidth) << "not resizable";

    pGallery->SetResizable(TRUE);
    m_pRibbon->OnRecalcLayout();
    m_pHost->Layout();
    CRect rcBorders;
    pGallery->GetBorders(rcBorders);
    EXPECT_EQ(10 * 20 + rcBorders.left + rcBorders.right, pGallery->GetRect().Width()) << "every item shows";

    pGallery->SetAction(nullptr);
    pAction->InternalRelease();
}

TEST_F(RibbonGroups, TheOptionButtonSitsInTheCaptionCorner)
{
    CZMRControl* pOption = Group(1)->GetOptionButton();
    EXPECT_FALSE(pOption->IsVisible());
    EXPECT_NE(0u, pOption->GetHideFlags() & zmrHideGeneric) << "not wanted";

    Group(1)->ShowOptionButton(TRUE);
    m_pRibbon->OnRecalcLayout();
    m_pHost->Layout();
    const int nCaption = static_cast<CZMRRibbonTheme*>(m_pHost->PaintManager())->GetGroupCaptionHeight();
    const CRect rc = Group(1)->GetRect();
    EXPECT_TRUE(pOption->IsVisible());
    EXPECT_EQ(CRect(rc.right - nCaption - 1, rc.bottom - nCaption, rc.right - 3, rc.bottom - 3), pOption->GetRect());
    EXPECT_EQ(Group(1)->GetId(), pOption->GetID());

    // A collapsed group hides it as a group without room.
    SetFrameWidth(200);
    ASSERT_TRUE(Group(1)->IsCollapsed());
    EXPECT_FALSE(pOption->IsVisible());
    EXPECT_NE(0u, pOption->GetHideFlags() & zmrHideWrap);
}

TEST_F(RibbonGroups, PicturesAtThreeWidths)
{
    const struct
    {
        LPCWSTR name;
        int nWidth;
    } widths[] = {{L"ribbon_groups_wide.png", 1000}, {L"ribbon_groups_reduced.png", 300}, {L"ribbon_groups_collapsed.png", 200}};
    for (const auto& w : widths)
    {
        SetFrameWidth(w.nWidth);
        m_pHost->SavePicture(w.name);
        CSize sz;
        const std::vector<COLORREF> pixels = m_pHost->CaptureFrame(sz);
        for (int g = 0; g < 3; g++)
        {
            CZMRRibbonGroup* pGroup = Group(g);
            const CRect rc = pGroup->GetRect();
            if (rc.left >= m_pRibbon->GetGroupsRect().right - 6)
                continue;    // scrolled out of view
            // The group's left edge column below its controls and above its
            // caption shows the group (or the collapsed button).
            const CPoint ptCaption(rc.left + 1, rc.bottom - 2);
            const CPoint ptClient(rc.left + 1, rc.top + 1);
            if (pGroup->IsCollapsed())
            {
                EXPECT_EQ(kPopupColor, PixelInRibbon(pixels, sz, ptClient)) << w.nWidth << " group " << g;
                EXPECT_EQ(kPopupColor, PixelInRibbon(pixels, sz, ptCaption)) << w.nWidth << " group " << g;
            }
            else
            {
                EXPECT_EQ(kGroupColors[g], PixelInRibbon(pixels, sz, ptClient)) << w.nWidth << " group " << g;
                EXPECT_EQ(kCaptionColor, PixelInRibbon(pixels, sz, ptCaption)) << w.nWidth << " group " << g;
            }
        }
    }
    EXPECT_TRUE(Group(2)->IsCollapsed());
}

// ------------------------------------------------------------ persistence

// Saves the first tab's groups and loads them into the second tab.
void RoundTripGroups(CZMRRibbonTab* pFrom, CZMRRibbonTab* pTo, BOOL bArchive)
{
    if (bArchive)
    {
        const ArchiveStreams::Bytes bytes = ArchiveStreams::Store([&](CArchive& ar) {
            CZMRPropExchangeArchive px(ar);
            pFrom->GetGroups()->DoPropExchange(&px);
        });
        ArchiveStreams::Load(bytes, [&](CArchive& ar) {
            CZMRPropExchangeArchive px(ar);
            pTo->GetGroups()->DoPropExchange(&px);
        });
        return;
    }
    CMemoryPropStore::Data data;
    CMemoryPropStore saver(&data, FALSE);
    pFrom->GetGroups()->DoPropExchange(&saver);
    CMemoryPropStore loader(&data, TRUE);
    pTo->GetGroups()->DoPropExchange(&loader);
}

TEST_F(RibbonGroups, GroupsRoundTrip)
{
    Group(1)->ShowOptionButton(TRUE);
    Group(1)->SetControlsGrouping(TRUE);
    Group(2)->SetVisible(FALSE);
    Group(0)->GetAt(3)->SetBeginGroup(TRUE);
    for (BOOL bArchive : {TRUE, FALSE})
    {
        RoundTripGroups(m_pHome, m_pInsert, bArchive);
        CZMRRibbonGroups* pLoaded = m_pInsert->GetGroups();
        ASSERT_EQ(3, pLoaded->GetCount()) << bArchive;
        for (int g = 0; g < 3; g++)
        {
            CZMRRibbonGroup* pSource = Group(g);
            CZMRRibbonGroup* pGroup = pLoaded->GetAt(g);
            EXPECT_EQ(pSource->GetCaption(), pGroup->GetCaption());
            EXPECT_EQ(pSource->GetId(), pGroup->GetId());
            EXPECT_EQ(pSource->IsShowOptionButton(), pGroup->IsShowOptionButton());
            EXPECT_EQ(pSource->IsControlsGrouping(), pGroup->IsControlsGrouping());
            EXPECT_EQ(pSource->IsVisible(), pGroup->IsVisible());
            EXPECT_EQ(m_pInsert, pGroup->GetTab());
            EXPECT_EQ(m_pRibbon, pGroup->GetRibbonBar());
            ASSERT_EQ(pSource->GetCount(), pGroup->GetCount());
            for (int i = 0; i < pGroup->GetCount(); i++)
            {
                EXPECT_EQ(pSource->GetAt(i)->GetID(), pGroup->GetAt(i)->GetID());
                EXPECT_EQ(pSource->GetAt(i)->GetCaption(), pGroup->GetAt(i)->GetCaption());
                EXPECT_EQ(pSource->GetAt(i)->GetBeginGroup(), pGroup->GetAt(i)->GetBeginGroup());
                EXPECT_EQ(i, pGroup->IndexOf(pGroup->GetAt(i)));
            }
        }
        // The loaded tab is not selected: its controls are hidden by tab.
        EXPECT_NE(0u, pLoaded->GetAt(0)->GetAt(0)->GetHideFlags() & zmrHideRibbonTab);
    }
}

TEST_F(RibbonGroups, ADamagedStreamRaisesAndLosesNothingLoaded)
{
    CMemoryPropStore::Data data;
    CMemoryPropStore saver(&data, FALSE);
    m_pHome->GetGroups()->DoPropExchange(&saver);

    // A control of a class this program does not know.
    CMemoryPropStore::Data damaged = data;
    int nRenamed = 0;
    for (auto& entry : damaged.values)
    {
        if (entry.first.find(L"Control") != std::wstring::npos && entry.first.size() > 5 &&
            entry.first.compare(entry.first.size() - 5, 5, L"Class") == 0 && nRenamed++ == 1)
            entry.second.text = L"CZMRNoSuchControl";
    }
    ASSERT_EQ(1, std::min(nRenamed, 1));
    const int nControls = m_pRibbon->GetControls()->GetCount();
    CMemoryPropStore loader(&damaged, TRUE);
    EXPECT_EQ(CArchiveException::badClass,
              ArchiveStreams::ArchiveCause([&] { m_pInsert->GetGroups()->DoPropExchange(&loader); }));
    // The groups loaded before the damage are in place and hold their controls.
    EXPECT_GE(m_pRibbon->GetControls()->GetCount(), nControls - 3);

    // A stream cut short.
    ArchiveStreams::Bytes bytes = ArchiveStreams::Store([&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        m_pHome->GetGroups()->DoPropExchange(&px);
    });
    bytes.resize(bytes.size() / 2);
    BOOL bRaised = FALSE;
    try
    {
        ArchiveStreams::Load(bytes, [&](CArchive& ar) {
            CZMRPropExchangeArchive px(ar);
            m_pInsert->GetGroups()->DoPropExchange(&px);
        });
    }
    catch (CException* e)
    {
        e->Delete();
        bRaised = TRUE;
    }
    EXPECT_TRUE(bRaised);
    m_pHost->Layout();
}
}
