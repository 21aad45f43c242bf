// The controls collection: creation by type and from menus, actions,
// removal, lookup and navigation, copies and snapshots, the typed-character
// test.
#include "CommandBarsTestSupport.h"
#include "CommandBarsTestResources.h"
#include "CZMRControls.h"
#include "CZMROriginalControls.h"
#include "CZMRControl.h"
#include "CZMRControlAction.h"
#include "CZMRBarManager.h"
#include "CZMRPopupBar.h"
#include "CZMRPopupToolBar.h"
#include "CZMRControlPopup.h"
#include "CZMRControlLabel.h"
#include "CZMRControlCheckBox.h"
#include "CZMRControlRadioButton.h"
#include "CZMRControlEdit.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlGallery.h"
#include "CZMRControlCustom.h"
#include "CZMRControlWindowList.h"
#include "CZMRControlToolbars.h"
#include "CZMRControlRecentFileList.h"
#include "CZMRControlOleItems.h"
#include "CZMRControlWorkspaceActions.h"
#include <gtest/gtest.h>

namespace
{
// A bar with a manager whose site records what the collection asks it.
class ControlsWithSite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create());
        m_pManager = new CZMRBarManager;
        m_pManager->SetSite(&m_site);
        m_bar.m_pBar->SetBarManager(m_pManager);
    }
    void TearDown() override
    {
        m_bar.m_pBar->GetControls()->RemoveAll();
        m_bar.m_pBar->SetBarManager(nullptr);
        m_pManager->InternalRelease();
    }
    CZMRControls* Controls() { return m_bar.m_pBar->GetControls(); }

    CRecordingWnd m_site;
    CZMRBarManager* m_pManager = nullptr;
    CBarFixture m_bar;
};
}

// ---------------------------------------------------------------- creation

TEST_F(ControlsWithSite, AddMakesTheKindOfEachTypeAndId)
{
    struct
    {
        int nType, nId;
        CRuntimeClass* pClass;
        int nTypeAfter;
    } cases[] = {
        {zmrControlButton, 100, RUNTIME_CLASS(CZMRControlButton), zmrControlButton},
        {zmrControlButton, 35000, RUNTIME_CLASS(CZMRControlWindowList), zmrControlButton},
        {zmrControlButton, 35002, RUNTIME_CLASS(CZMRControlWorkspaceActions), zmrControlButton},
        {zmrControlButton, 59392, RUNTIME_CLASS(CZMRControlToolbars), zmrControlButton},
        {zmrControlButton, 35003, RUNTIME_CLASS(CZMRControlRecentFileList), zmrControlButton},
        {zmrControlButton, 57616, RUNTIME_CLASS(CZMRControlButton), zmrControlButton},
        {zmrControlPopup, 0, RUNTIME_CLASS(CZMRControlPopup), zmrControlPopup},
        {zmrControlButtonPopup, 0, RUNTIME_CLASS(CZMRControlPopup), zmrControlButtonPopup},
        {zmrControlSplitButtonPopup, 0, RUNTIME_CLASS(CZMRControlPopup), zmrControlSplitButtonPopup},
        {zmrControlComboBox, 101, RUNTIME_CLASS(CZMRControlComboBox), zmrControlComboBox},
        {zmrControlEdit, 102, RUNTIME_CLASS(CZMRControlEdit), zmrControlEdit},
        {zmrControlCustom, 103, RUNTIME_CLASS(CZMRControlCustom), zmrControlButton},
        {zmrControlLabel, 104, RUNTIME_CLASS(CZMRControlLabel), zmrControlLabel},
        {zmrControlCheckBox, 105, RUNTIME_CLASS(CZMRControlCheckBox), zmrControlCheckBox},
        {zmrControlGallery, 106, RUNTIME_CLASS(CZMRControlGallery), zmrControlGallery},
        {zmrControlRadioButton, 107, RUNTIME_CLASS(CZMRControlRadioButton), zmrControlRadioButton},
    };
    for (const auto& c : cases)
    {
        CZMRControl* pControl = Controls()->Add(c.nType, c.nId, L"param", -1, TRUE);
        ASSERT_TRUE(pControl) << c.nType << "/" << c.nId;
        EXPECT_EQ(pControl->GetRuntimeClass(), c.pClass) << c.nType << "/" << c.nId;
        EXPECT_EQ(pControl->GetType(), c.nTypeAfter) << c.nType << "/" << c.nId;
        EXPECT_EQ(pControl->GetID(), c.nId);
        EXPECT_STREQ(pControl->GetParameter(), L"param");
        EXPECT_TRUE(pControl->IsTemporary());
        EXPECT_EQ(pControl->GetParent(), m_bar.m_pBar);
        EXPECT_EQ(pControl->GetControls(), Controls());
        EXPECT_EQ(pControl->GetIndex(), Controls()->GetCount() - 1);
    }
    EXPECT_EQ(Controls()->Add(12, 1), nullptr);
    EXPECT_EQ(Controls()->Add(zmrControlError, 1), nullptr);

    // Popups get a popup bar of the manager; labels start unfocusable.
    CZMRControl* pPopup = Controls()->FindControl(zmrControlPopup, -1, FALSE, FALSE);
    ASSERT_TRUE(pPopup->GetCommandBar());
    EXPECT_TRUE(pPopup->GetCommandBar()->IsKindOf(RUNTIME_CLASS(CZMRPopupBar)));
    EXPECT_EQ(pPopup->GetCommandBar()->GetBarManager(), m_pManager);
    EXPECT_EQ(Controls()->FindControl(zmrControlLabel, -1, FALSE, FALSE)->GetFlags(), 0x1Au);

    // Inserting before an index; an index outside appends.
    CZMRControl* pFirst = Controls()->Add(zmrControlButton, 500, L"", 0);
    EXPECT_EQ(pFirst->GetIndex(), 0);
    EXPECT_EQ(Controls()->GetAt(1)->GetIndex(), 1);
    CZMRControl* pLast = Controls()->Add(zmrControlButton, 501, L"", 1000);
    EXPECT_EQ(pLast->GetIndex(), Controls()->GetCount() - 1);
}

TEST_F(ControlsWithSite, APopupForAMenuResourceShowsItsFirstPopup)
{
    CZMRControl* pPopup = Controls()->Add(zmrControlPopup, IDM_TEST_FORMAT);
    ASSERT_TRUE(pPopup && pPopup->GetCommandBar());
    EXPECT_STREQ(pPopup->GetCaption(), L"F&ormat");
    CZMRControls* pItems = pPopup->GetCommandBar()->GetControls();
    ASSERT_EQ(pItems->GetCount(), 1);
    EXPECT_EQ(pItems->GetAt(0)->GetID(), ID_TEST_BOLD);
    // The site was asked for the popup's bar first.
    const auto asks = m_site.Messages(ZMR_WM_CREATECOMMANDBAR);
    ASSERT_EQ(asks.size(), 1u);

    // A bar the site supplies is used when it is a popup bar.
    CZMRPopupToolBar* pSupplied = CZMRPopupToolBar::CreatePopupToolBar(m_pManager);
    m_site.m_answer = [pSupplied](UINT nMessage, WPARAM, LPARAM lParam) -> LRESULT {
        if (nMessage != ZMR_WM_CREATECOMMANDBAR)
            return 0;
        auto* pRecord = reinterpret_cast<ZMR_CREATEBAR_RECORD*>(lParam);
        EXPECT_TRUE(pRecord->bPopup);
        EXPECT_EQ(pRecord->nId, 900);
        pRecord->pCommandBar = pSupplied;
        return 1;
    };
    CZMRControl* pOther = Controls()->Add(zmrControlButtonPopup, 900);
    EXPECT_EQ(pOther->GetCommandBar(), pSupplied);
    // Without an id no one is asked.
    m_site.m_messages.clear();
    Controls()->Add(zmrControlPopup, 0);
    EXPECT_TRUE(m_site.Messages(ZMR_WM_CREATECOMMANDBAR).empty());
}

TEST_F(ControlsWithSite, ActionsForAddedControlsLeaveOutTheToolkitsOwnIds)
{
    m_pManager->EnableActions();
    struct
    {
        int nId;
        bool bAction;
    } cases[] = {{100, true}, {0, false}, {9100, false}, {9150, false}, {9299, false}, {9300, true},
                 {35001, false}, {35004, true}, {0xFFFFFFE, true}, {0xFFFFFFF, false}};
    for (const auto& c : cases)
    {
        CZMRControl* pControl = Controls()->Add(zmrControlButton, c.nId);
        EXPECT_EQ(pControl->GetAction() != nullptr, c.bAction) << c.nId;
        EXPECT_EQ(pControl->GetID(), c.nId);
    }
    // An action that exists is bound whatever the id.
    m_pManager->GetAction(9150);
    EXPECT_TRUE(Controls()->Add(zmrControlButton, 9150)->GetAction());

    // Without automatic actions a control only takes the prompt of its id.
    m_pManager->EnableActions(FALSE);
    CZMRControl* pPlain = Controls()->Add(zmrControlButton, ID_TEST_NEW);
    EXPECT_EQ(pPlain->GetAction(), nullptr);
    EXPECT_STREQ(pPlain->GetTooltip(), L"New document");
}

// ---------------------------------------------------------------- menus

TEST_F(ControlsWithSite, LoadingAMenuMakesOneControlPerItem)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
    ::SetMenuDefaultItem(menu.GetSafeHmenu(), 0, TRUE);
    ::SetMenuItemInfoW(menu.GetSafeHmenu(), 0, TRUE, [] {
        static MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA;
        mii.dwItemData = ULONG_PTR(0xFEDCBA9876ull);
        return &mii;
    }());
    ASSERT_TRUE(m_bar.m_pBar->LoadMenu(&menu));

    struct
    {
        CRuntimeClass* pClass;
        int nType, nId;
        LPCTSTR caption;
        BOOL bBeginGroup;
    } expected[] = {
        {RUNTIME_CLASS(CZMRControlButton), zmrControlButton, ID_TEST_NEW, L"&New", FALSE},
        {RUNTIME_CLASS(CZMRControlPopup), zmrControlPopup, -1, L"&Edit", TRUE},
        {RUNTIME_CLASS(CZMRControlPopup), zmrControlPopup, ID_TEST_TOOLS, L"Tools", FALSE},
        {RUNTIME_CLASS(CZMRControlRecentFileList), zmrControlButton, 57616, L"Recent", FALSE},
        {RUNTIME_CLASS(CZMRControlOleItems), zmrControlButton, 57872, L"<<OLE VERBS GO HERE>>", FALSE},
        {RUNTIME_CLASS(CZMRControlButton), zmrControlButton, ID_TEST_WRAP, L"Wrap", TRUE},
        {RUNTIME_CLASS(CZMRControlWindowList), zmrControlButton, 35000, L"Windows", FALSE},
        {RUNTIME_CLASS(CZMRControlButton), zmrControlButton, 35003, L"Recent here", FALSE},
    };
    ASSERT_EQ(Controls()->GetCount(), int(std::size(expected)));
    for (int i = 0; i < Controls()->GetCount(); i++)
    {
        CZMRControl* pControl = Controls()->GetAt(i);
        EXPECT_EQ(pControl->GetRuntimeClass(), expected[i].pClass) << i;
        EXPECT_EQ(pControl->GetType(), expected[i].nType) << i;
        EXPECT_EQ(pControl->GetID(), expected[i].nId) << i;
        EXPECT_STREQ(pControl->GetCaption(), expected[i].caption) << i;
        EXPECT_EQ(pControl->GetBeginGroup(), expected[i].bBeginGroup) << i;
    }

    CZMRControl* pNew = Controls()->GetAt(0);
    EXPECT_STREQ(pNew->GetShortcutTextAuto(), L"Ctrl+N");
    EXPECT_STREQ(pNew->GetTooltip(), L"New document");
    EXPECT_TRUE(pNew->IsDefaultItem());
    EXPECT_EQ(pNew->GetTag(), DWORD_PTR(0xFEDCBA9876ull));
    EXPECT_TRUE(Controls()->GetAt(5)->GetFlags() & zmrFlagWrapRow);

    // Popups carry their submenus; their bars take the title without markers.
    CZMRCommandBar* pEdit = Controls()->GetAt(1)->GetCommandBar();
    ASSERT_TRUE(pEdit);
    EXPECT_STREQ(pEdit->GetTitle(), L"Edit");
    ASSERT_EQ(pEdit->GetControlCount(), 2);
    EXPECT_STREQ(pEdit->GetControl(0)->GetCaption(), L"&Cut");
    EXPECT_STREQ(pEdit->GetControl(0)->GetKeyboardTip(), L"X");
    EXPECT_EQ(pEdit->GetControl(1)->GetEnabled(), FALSE);
    CZMRCommandBar* pTools = Controls()->GetAt(2)->GetCommandBar();
    ASSERT_TRUE(pTools && pTools->GetControlCount() == 1);
    EXPECT_EQ(pTools->GetControl(0)->GetChecked(), TRUE);

    // The site heard of every control before and after it was made.
    EXPECT_EQ(m_site.Messages(ZMR_WM_BEFORECREATECONTROL).size(), 11u);
    EXPECT_EQ(m_site.Messages(ZMR_WM_AFTERCREATECONTROL).size(), 11u);
}

TEST_F(ControlsWithSite, TheSiteMayChangeOrSupplyTheControlOfAMenuItem)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 600, L"Check me");
    menu.AppendMenu(MF_STRING, 601, L"Supplied");
    menu.AppendMenu(MF_STRING, 602, L"Custom");
    CZMRControl* pSupplied = new CZMRControlLabel;
    std::vector<ZMR_CREATECONTROL_RECORD> after;
    m_site.m_answer = [&](UINT nMessage, WPARAM, LPARAM lParam) -> LRESULT {
        auto* pRecord = reinterpret_cast<ZMR_CREATECONTROL_RECORD*>(lParam);
        if (nMessage == ZMR_WM_AFTERCREATECONTROL)
        {
            after.push_back(*pRecord);
            return 0;
        }
        if (nMessage != ZMR_WM_BEFORECREATECONTROL)
            return 0;
        EXPECT_EQ(pRecord->pMenu, &menu);
        EXPECT_EQ(pRecord->pCommandBar, m_bar.m_pBar);
        switch (pRecord->nId)
        {
        case 600:
            pRecord->controlType = zmrControlCheckBox;
            pRecord->buttonStyle = zmrButtonIconAndCaption;
            pRecord->strCaption = L"Checked by the site";
            return 1;
        case 601:
            pRecord->pControl = pSupplied;
            return 1;
        case 602:
            pRecord->controlType = zmrControlCustom;
            return 1;
        }
        return 0;
    };
    for (int i = 0; i < 3; i++)
        Controls()->AddMenuItem(&menu, i);

    ASSERT_EQ(Controls()->GetCount(), 2);
    CZMRControl* pCheck = Controls()->GetAt(0);
    EXPECT_EQ(pCheck->GetRuntimeClass(), RUNTIME_CLASS(CZMRControlCheckBox));
    EXPECT_EQ(pCheck->GetType(), zmrControlCheckBox);
    EXPECT_EQ(pCheck->GetStyle(), zmrButtonIconAndCaption);
    EXPECT_STREQ(pCheck->GetCaption(), L"Checked by the site");
    EXPECT_EQ(Controls()->GetAt(1), pSupplied);
    EXPECT_EQ(pSupplied->GetID(), 601);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].pControl, pCheck);
    EXPECT_EQ(after[1].pControl, pSupplied);
}

TEST_F(ControlsWithSite, MenuItemsGetActionsForAnyIdBelowTheLimit)
{
    m_pManager->EnableActions();
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 9150, L"Toolkit id");
    menu.AppendMenu(MF_STRING, 35003, L"List id");
    menu.AppendMenu(MF_STRING, 700, L"Plain");
    m_pManager->GetAction(700)->SetCaption(L"Kept");
    for (int i = 0; i < 3; i++)
        ASSERT_TRUE(Controls()->AddMenuItem(&menu, i));
    EXPECT_TRUE(Controls()->GetAt(0)->GetAction());
    EXPECT_STREQ(Controls()->GetAt(0)->GetCaption(), L"Toolkit id");
    EXPECT_TRUE(Controls()->GetAt(1)->GetAction());
    EXPECT_EQ(Controls()->GetAt(1)->GetRuntimeClass(), RUNTIME_CLASS(CZMRControlButton));
    // An action with a caption keeps it.
    EXPECT_STREQ(Controls()->GetAt(2)->GetCaption(), L"Kept");
}

TEST_F(ControlsWithSite, WhatAMenuDoesNotHoldMakesNoControl)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ZMR_ID_MENU_NONE, L"None");
    EXPECT_EQ(Controls()->AddMenuItem(&menu, 0), nullptr);
    EXPECT_EQ(Controls()->AddMenuItem(&menu, 5), nullptr);
    EXPECT_EQ(Controls()->AddMenuItem(&menu, -1), nullptr);
    EXPECT_EQ(Controls()->AddMenuItem(nullptr, 0), nullptr);
    CMenu destroyed;
    ASSERT_TRUE(destroyed.CreatePopupMenu());
    HMENU hMenu = destroyed.Detach();
    ::DestroyMenu(hMenu);
    CMenu* pStale = CMenu::FromHandle(hMenu);
    EXPECT_EQ(Controls()->AddMenuItem(pStale, 0), nullptr);
    EXPECT_FALSE(m_bar.m_pBar->LoadMenu(pStale));
    EXPECT_EQ(Controls()->GetCount(), 0);
}

// ---------------------------------------------------------------- removal and lookup

namespace
{
// Keeps controls whose parameter is "keep".
class CVetoingControls : public CZMRControls
{
public:
    BOOL IsRemoveVetoed(CZMRControl* pControl) const override { return pControl->GetParameter() == L"keep"; }
};
}

TEST(ControlsRemoval, RemovingUnbindsRenumbersAndHonoursVetoes)
{
    CVetoingControls* pControls = new CVetoingControls;
    CZMRControlAction* pAction = new CZMRControlAction;
    pAction->SetID(5);
    CZMRControl* pBound = pControls->Add(zmrControlButton, 1);
    pBound->SetAction(pAction);
    pBound->InternalAddRef();
    pControls->Add(zmrControlButton, 2, L"keep");
    pControls->Add(zmrControlButton, 3);

    pControls->Remove(pBound);
    EXPECT_EQ(pAction->GetCount(), 0);
    EXPECT_EQ(pBound->GetControls(), nullptr);
    EXPECT_EQ(pBound->GetParent(), nullptr);
    EXPECT_EQ(pControls->GetCount(), 2);
    EXPECT_EQ(pControls->GetAt(0)->GetIndex(), 0);
    EXPECT_EQ(pControls->GetAt(1)->GetIndex(), 1);
    // A control of another collection is left alone.
    pControls->Remove(pBound);
    EXPECT_EQ(pBound->GetRefCount(), 1);
    pBound->InternalRelease();

    pControls->RemoveAll();
    ASSERT_EQ(pControls->GetCount(), 1);
    CZMRControl* pKept = pControls->GetAt(0);
    EXPECT_STREQ(pKept->GetParameter(), L"keep");
    // A collection that goes takes its vetoing controls along.
    pKept->InternalAddRef();
    pControls->InternalRelease();
    EXPECT_EQ(pKept->GetControls(), nullptr);
    EXPECT_EQ(pKept->GetRefCount(), 1);
    pKept->InternalRelease();
    pAction->InternalRelease();
}

TEST(ControlsLookup, FindHitTestAndVisibleControls)
{
    CBarFixture bar;
    CZMRControls* pControls = bar.m_pBar->GetControls();
    CZMRControl* pPopup = pControls->Add(zmrControlPopup, 10);
    CZMRControl* pInside = pPopup->GetCommandBar()->GetControls()->Add(zmrControlButton, 20);
    CZMRControl* pHidden = pControls->Add(zmrControlButton, 20);
    pHidden->SetVisible(FALSE);
    CZMRControl* pOverflow = pControls->Add(zmrControlButton, 30);
    pOverflow->SetHideFlags(zmrHideWrap);

    EXPECT_EQ(pControls->FindControlById(20), pHidden);
    EXPECT_EQ(pControls->FindControl(zmrControlButton, 20, FALSE, TRUE), pInside);
    EXPECT_EQ(pControls->FindControl(zmrControlButton, 20, TRUE, FALSE), nullptr);
    EXPECT_EQ(pControls->FindControl(zmrControlPopup, -1, TRUE, FALSE), pPopup);
    EXPECT_EQ(pControls->FindControlById(99), nullptr);

    EXPECT_EQ(pControls->GetVisibleCount(), 1);
    EXPECT_EQ(pControls->GetVisibleCount(FALSE), 2);
    EXPECT_EQ(pControls->GetVisibleAt(1, FALSE), pOverflow);
    EXPECT_EQ(pControls->GetVisibleAt(1), nullptr);

    pPopup->SetRect(CRect(0, 0, 20, 20));
    pHidden->SetRect(CRect(20, 0, 40, 20));
    EXPECT_EQ(pControls->HitTest(CPoint(5, 5)), pPopup);
    EXPECT_EQ(pControls->HitTest(CPoint(25, 5)), nullptr);
}

TEST(ControlsLookup, NextControlForTheKeyboard)
{
    CZMRControls* pControls = new CZMRControls;
    for (int i = 0; i < 6; i++)
        pControls->Add(zmrControlButton, i + 1);
    pControls->GetAt(1)->SetVisible(FALSE);
    pControls->GetAt(2)->SetFlags(zmrFlagSkipFocus);
    pControls->GetAt(3)->SetTemporary(TRUE);
    pControls->GetAt(4)->SetHideFlags(zmrHideInternal);
    pControls->GetAt(5)->SetHideFlags(zmrHideExpand);

    struct
    {
        int nIndex, nDirection;
        BOOL bSkipTemporary, bIncludeCollapsed;
        int nExpected;
    } cases[] = {
        {-1, +1, FALSE, FALSE, 0},
        {0, +1, FALSE, FALSE, 3},     // hidden and unnavigable ones are passed over
        {0, +1, TRUE, FALSE, 4},      // internal hiding does not count
        {4, +1, TRUE, FALSE, 0},      // collapsed items are passed over; the walk wraps
        {4, +1, TRUE, TRUE, 5},
        {-1, -1, TRUE, FALSE, 4},     // from -1 backwards it starts at the last
        {0, -1, TRUE, FALSE, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pControls->GetNext(c.nIndex, c.nDirection, TRUE, c.bSkipTemporary, c.bIncludeCollapsed),
                  c.nExpected)
            << c.nIndex << "," << c.nDirection;

    // From -1 there is no wrap; from a control the walk comes back to it.
    for (int i = 0; i < 6; i++)
        pControls->GetAt(i)->SetVisible(i == 2);
    EXPECT_EQ(pControls->GetNext(-1, -1), -1);
    EXPECT_EQ(pControls->GetNext(-1, +1, FALSE), 2);
    EXPECT_EQ(pControls->GetNext(2, +1, FALSE), 2);
    EXPECT_EQ(pControls->GetNext(2, -1), 2);
    // From outside the collection the walk ends after one round.
    EXPECT_EQ(pControls->GetNext(10, +1), -1);
    EXPECT_EQ(pControls->GetNext(10, +1, FALSE), 2);
    pControls->RemoveAll();
    EXPECT_EQ(pControls->GetNext(-1, +1), -1);
    pControls->InternalRelease();
}

TEST(ControlsTypes, ChangingTheTypeReplacesTheControlUnlessBothArePopups)
{
    CBarFixture bar;
    CZMRControls* pControls = bar.m_pBar->GetControls();
    CZMRControl* pButton = pControls->Add(zmrControlButton, 10);
    pButton->SetCaption(L"Ten");
    pControls->Add(zmrControlButton, 11);
    CZMRControl* pPopup = pControls->Add(zmrControlPopup, 12);

    EXPECT_EQ(pControls->ChangeControlType(pPopup, zmrControlSplitButtonPopup), pPopup);
    EXPECT_EQ(pPopup->GetType(), zmrControlSplitButtonPopup);

    CZMRControl* pCheck = pControls->SetControlType(0, zmrControlCheckBox);
    ASSERT_TRUE(pCheck);
    EXPECT_EQ(pCheck->GetRuntimeClass(), RUNTIME_CLASS(CZMRControlCheckBox));
    EXPECT_EQ(pCheck->GetType(), zmrControlCheckBox);
    EXPECT_EQ(pCheck->GetIndex(), 0);
    EXPECT_EQ(pCheck->GetID(), 10);
    EXPECT_STREQ(pCheck->GetCaption(), L"Ten");
    EXPECT_EQ(pControls->GetCount(), 3);
    // An unknown type changes nothing.
    EXPECT_EQ(pControls->SetControlType(1, 99), nullptr);
    EXPECT_EQ(pControls->GetCount(), 3);
}

// ---------------------------------------------------------------- copies and snapshots

TEST(ControlsSnapshot, TheSnapshotTellsWhetherTheControlsChanged)
{
    CBarFixture bar;
    CZMRControls* pControls = bar.m_pBar->GetControls();
    EXPECT_TRUE(pControls->IsChanged());   // no snapshot
    pControls->Add(zmrControlButton, 1);
    CZMRControl* pPopup = pControls->Add(zmrControlPopup, 2);
    pPopup->GetCommandBar()->GetControls()->Add(zmrControlButton, 3);
    pControls->Add(zmrControlButton, 4, L"", -1, TRUE);
    pControls->CreateOriginalControls();

    CZMROriginalControls* pOriginal = pControls->GetOriginalControls();
    ASSERT_TRUE(pOriginal);
    EXPECT_TRUE(pOriginal->IsOriginalControls());
    EXPECT_EQ(pOriginal->GetCount(), 2);   // the temporary control is left out
    EXPECT_NE(pOriginal->GetAt(1)->GetCommandBar(), pPopup->GetCommandBar());
    EXPECT_FALSE(pControls->IsChanged());

    pControls->Add(zmrControlButton, 5, L"", -1, TRUE);
    EXPECT_FALSE(pControls->IsChanged());
    pPopup->GetCommandBar()->GetControls()->Add(zmrControlButton, 6);
    EXPECT_TRUE(pControls->IsChanged());
    pPopup->GetCommandBar()->GetControls()->RemoveAt(1);
    EXPECT_FALSE(pControls->IsChanged());
    pControls->GetAt(0)->SetCaption(L"Changed");
    EXPECT_TRUE(pControls->IsChanged());
}

TEST(ControlsSnapshot, DuplicateAndCopyTakeTheControlsAndTheSnapshot)
{
    CBarFixture bar;
    CZMRControls* pControls = bar.m_pBar->GetControls();
    pControls->Add(zmrControlButton, 1);
    pControls->Add(zmrControlLabel, 2);
    pControls->CreateOriginalControls();
    pControls->Add(zmrControlButton, 3);
    pControls->Add(zmrControlButton, 4, L"", -1, TRUE);

    CZMRControls* pDuplicate = pControls->Duplicate();
    EXPECT_EQ(pDuplicate->GetRuntimeClass(), RUNTIME_CLASS(CZMRControls));
    EXPECT_EQ(pDuplicate->GetCount(), 3);
    EXPECT_TRUE(pDuplicate->IsEqual(pControls));
    ASSERT_TRUE(pDuplicate->GetOriginalControls());
    EXPECT_NE(pDuplicate->GetOriginalControls(), pControls->GetOriginalControls());
    EXPECT_TRUE(pDuplicate->GetOriginalControls()->IsEqual(pControls->GetOriginalControls()));
    EXPECT_TRUE(pDuplicate->IsChanged());

    CBarFixture other;
    other.m_pBar->GetControls()->Add(zmrControlEdit, 9);
    other.m_pBar->GetControls()->Copy(pDuplicate);
    EXPECT_TRUE(other.m_pBar->GetControls()->IsEqual(pControls));
    EXPECT_EQ(other.m_pBar->GetControl(0)->GetParent(), other.m_pBar);
    ASSERT_TRUE(other.m_pBar->GetControls()->GetOriginalControls());
    EXPECT_EQ(other.m_pBar->GetControls()->GetOriginalControls()->GetCount(), 2);
    pDuplicate->InternalRelease();
}

// ---------------------------------------------------------------- typed characters

namespace
{
// A second keyboard layout on which key 0xBA types '+', shifted '*'.
const HKL g_hklFirst = reinterpret_cast<HKL>(0x04090409);
const HKL g_hklSecond = reinterpret_cast<HKL>(0x04070407);

UINT WINAPI FakeMapVirtualKey(UINT, UINT) { return 1; }

int WINAPI FakeGetKeyboardLayoutList(int nBuff, HKL* lpList)
{
    if (nBuff >= 2 && lpList)
    {
        lpList[0] = g_hklFirst;
        lpList[1] = g_hklSecond;
    }
    return 2;
}

int WINAPI FakeToUnicodeEx(UINT wVirtKey, UINT, const BYTE* lpKeyState, LPWSTR pwszBuff, int cchBuff, UINT, HKL hkl)
{
    if (hkl != g_hklSecond || wVirtKey != 0xBA || cchBuff < 1)
        return 0;
    pwszBuff[0] = (lpKeyState[VK_SHIFT] & 0x80) ? L'*' : L'+';
    return 1;
}
}

TEST(ControlsTypedCharacters, KeysMatchTheirCharactersInAnyInstalledLayout)
{
    struct
    {
        WCHAR ch;
        UINT nKey;
        BOOL bExpected;
    } plain[] = {{L'0', VK_NUMPAD0, TRUE}, {L'7', VK_NUMPAD7, TRUE}, {L'1', VK_NUMPAD0, FALSE},
                 {L'a', 'A', TRUE},        {L'A', 'A', TRUE},        {L'b', 'A', FALSE}};
    for (const auto& c : plain)
        EXPECT_EQ(IsCharMatchingVirtualKey(c.ch, c.nKey), c.bExpected) << char(c.ch) << " " << c.nKey;

    const ZMR_KEYBOARD_LAYOUT_CALLS saved = g_zmrKeyboardLayoutCalls;
    g_zmrKeyboardLayoutCalls = {&FakeMapVirtualKey, &FakeGetKeyboardLayoutList, &FakeToUnicodeEx};
    struct
    {
        WCHAR ch;
        BOOL bExpected;
    } second[] = {{L'+', TRUE}, {L'*', TRUE}, {L'-', FALSE}};
    for (const auto& c : second)
        EXPECT_EQ(IsCharMatchingVirtualKey(c.ch, 0xBA), c.bExpected) << char(c.ch);
    g_zmrKeyboardLayoutCalls = saved;
}

// ---------------------------------------------------------------- run-time classes

TEST(CommandBarClasses, EachClassIsFoundByNameAndMakesItsOwnObjects)
{
    struct
    {
        LPCSTR name;
        CRuntimeClass* pBase;
    } classes[] = {
        {"CZMRCommandBar", RUNTIME_CLASS(CWnd)},
        {"CZMRPopupBar", RUNTIME_CLASS(CZMRCommandBar)},
        {"CZMRPopupToolBar", RUNTIME_CLASS(CZMRPopupBar)},
        {"CZMRControl", RUNTIME_CLASS(CCmdTarget)},
        {"CZMRControlButton", RUNTIME_CLASS(CZMRControl)},
        {"CZMRControlPopup", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlGallery", RUNTIME_CLASS(CZMRControlPopup)},
        {"CZMRControlEdit", RUNTIME_CLASS(CZMRControl)},
        {"CZMRControlComboBox", RUNTIME_CLASS(CZMRControlPopup)},
        {"CZMRControlWindowList", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlToolbars", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlOleItems", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlRecentFileList", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlWorkspaceActions", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlLabel", RUNTIME_CLASS(CZMRControl)},
        {"CZMRControlCheckBox", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlRadioButton", RUNTIME_CLASS(CZMRControlButton)},
        {"CZMRControlCustom", RUNTIME_CLASS(CZMRControlButton)},
    };
    for (const auto& c : classes)
    {
        CRuntimeClass* pClass = CRuntimeClass::FromName(c.name);
        ASSERT_TRUE(pClass) << c.name;
        EXPECT_EQ(pClass->m_wSchema, 0x80000021u) << c.name;
        EXPECT_EQ(pClass->m_pBaseClass, c.pBase) << c.name;
        CObject* pObject = pClass->CreateObject();
        ASSERT_TRUE(pObject) << c.name;
        EXPECT_EQ(pObject->GetRuntimeClass(), pClass) << c.name;
        static_cast<CCmdTarget*>(pObject)->InternalRelease();
    }
    // The collections are made by class but not listed for loading.
    EXPECT_EQ(CRuntimeClass::FromName("CZMRControls"), nullptr);
    CObject* pSnapshot = RUNTIME_CLASS(CZMROriginalControls)->CreateObject();
    EXPECT_TRUE(static_cast<CZMRControls*>(pSnapshot)->IsOriginalControls());
    static_cast<CCmdTarget*>(pSnapshot)->InternalRelease();
}
