// Ribbon tabs and the tab strip control: selection through the ribbon with
// the site's veto, keys while the strip has the focus, accessibility, the
// context headers of an arranged ribbon, copies and the stored form.
#include "CRibbonHost.h"
#include "CRecordingSiteFrame.h"
#include "CZMRRibbonBar.h"
#include "CZMRBarManager.h"
#include "CZMRRibbonContextHeaderList.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonTabContextHeader.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRPropExchangeArchive.h"
#include "MemoryPropStore.h"
#include "tests/core/ArchiveStreams.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{
// Tab selection notification codes the ribbon sends its site.
const int kTabChanging = -552;
const int kTabChanged = -551;

class RibbonTabs : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost.reset(CRibbonHost::Create({0, 0, 900, 400}));
        ASSERT_TRUE(m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        m_pStrip = m_pRibbon->GetControlTab();
        for (LPCWSTR psz : {L"&Home", L"Insert", L"Layout", L"View"})
            m_pRibbon->InsertTab(-1, psz, 0);
        // A group with a button on the first tab, for the keys that leave the strip.
        CZMRRibbonGroup* pGroup = new CZMRRibbonGroup;
        pGroup->SetCaption(L"Clipboard");
        m_pRibbon->GetTab(0)->GetGroups()->InsertAt(-1, pGroup);
        CZMRControlButton* pSource = new CZMRControlButton;
        pSource->SetID(3001);
        pSource->SetCaption(L"Paste");
        pGroup->InsertControl(pSource, -1);
        pSource->InternalRelease();
        m_pRibbon->SelectTab(0);
        m_pHost->Layout();

        // The site that hears the ribbon's notifications records their codes
        // and may refuse a change.
        m_pSite = CRecordingSiteFrame::Create();
        ASSERT_TRUE(m_pSite);
        m_pSite->ShowWindow(SW_HIDE);
        m_pSite->m_answer = [this](const CRecordingSiteFrame::CMessage& m) -> LRESULT {
            if (m.nMessage != ZMR_WM_CONTROLNOTIFY)
                return 0;
            const int nCode = int(reinterpret_cast<NMZMRCONTROL*>(m.lParam)->hdr.code);
            m_codes.push_back(nCode);
            return nCode == kTabChanging && m_bVeto ? 1 : 0;
        };
        m_pRibbon->SetCommandReceiver(m_pSite);
    }

    void TearDown() override
    {
        m_pRibbon->SetCommandReceiver(nullptr);
        m_pHost.reset();
        if (m_pSite)
            m_pSite->DestroyWindow();
    }

    std::unique_ptr<CRibbonHost> m_pHost;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRRibbonControlTab* m_pStrip = nullptr;
    CRecordingSiteFrame* m_pSite = nullptr;
    std::vector<int> m_codes;
    BOOL m_bVeto = FALSE;
};

// ------------------------------------------------------------ selection

TEST_F(RibbonTabs, SelectionAsksTheSiteAndTellsIt)
{
    m_pRibbon->SelectTab(2);
    EXPECT_EQ(2, m_pStrip->GetCurSel());
    EXPECT_EQ(std::vector<int>({kTabChanging, kTabChanged, ZMR_CN_EXECUTE}), m_codes);

    m_codes.clear();
    m_pRibbon->SelectTab(2);
    EXPECT_TRUE(m_codes.empty()) << "the selected tab again neither asks nor tells";
}

TEST_F(RibbonTabs, ASiteThatRefusesKeepsTheOldTab)
{
    m_bVeto = TRUE;
    CZMRControl* pPaste = m_pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetAt(0);
    m_pRibbon->SelectTab(1);
    EXPECT_EQ(0, m_pStrip->GetCurSel());
    EXPECT_EQ(std::vector<int>({kTabChanging}), m_codes);
    EXPECT_EQ(0u, pPaste->GetHideFlags() & zmrHideRibbonTab) << "the groups stay";
}

TEST_F(RibbonTabs, HidingTheSelectedTabSelectsTheFirstUsable)
{
    m_pRibbon->SelectTab(2);
    m_pRibbon->GetTab(0)->SetEnabled(FALSE);
    m_pRibbon->GetTab(2)->SetVisible(FALSE);
    EXPECT_EQ(1, m_pStrip->GetCurSel());
    m_codes.clear();
    m_pRibbon->GetTab(2)->SetVisible(FALSE);
    EXPECT_TRUE(m_codes.empty());
}

// ------------------------------------------------------------ keys

TEST_F(RibbonTabs, KeysWhileTheStripHasTheFocus)
{
    EXPECT_FALSE(m_pStrip->HandleHookedKeyDown(VK_RIGHT)) << "not focused";
    m_pStrip->SetFocused(TRUE);

    const struct
    {
        const char* name;
        UINT nKey;
        BOOL bHandled;
        int nSelected;
    } steps[] = {
        {"left at the first tab", VK_LEFT, FALSE, 0},
        {"right", VK_RIGHT, TRUE, 1},
        {"right again", VK_RIGHT, TRUE, 2},
        {"up is not the strip's", VK_UP, FALSE, 2},
        {"space on a ribbon that is not minimized", VK_SPACE, FALSE, 2},
        {"enter always tries", VK_RETURN, TRUE, 2},
        {"left", VK_LEFT, TRUE, 1},
        {"a letter", 'A', FALSE, 1},
    };
    for (const auto& s : steps)
    {
        EXPECT_EQ(s.bHandled, m_pStrip->HandleHookedKeyDown(s.nKey)) << s.name;
        EXPECT_EQ(s.nSelected, m_pStrip->GetCurSel()) << s.name;
    }
    EXPECT_EQ(-1, m_pRibbon->GetPoppedIndex()) << "no popup on a ribbon that is not minimized";
}

TEST_F(RibbonTabs, ArrowsFollowARightToLeftRibbon)
{
    for (DWORD dwStyle : {DWORD(WS_EX_LAYOUTRTL), DWORD(WS_EX_RTLREADING)})
    {
        m_pRibbon->ModifyStyleEx(0, dwStyle);
        m_pRibbon->SelectTab(0);
        m_pStrip->SetFocused(TRUE);
        EXPECT_FALSE(m_pStrip->HandleHookedKeyDown(VK_RIGHT)) << dwStyle << ": nothing before the first tab";
        EXPECT_TRUE(m_pStrip->HandleHookedKeyDown(VK_LEFT)) << dwStyle;
        EXPECT_EQ(1, m_pStrip->GetCurSel()) << dwStyle;
        EXPECT_TRUE(m_pStrip->HandleHookedKeyDown(VK_RIGHT)) << dwStyle;
        EXPECT_EQ(0, m_pStrip->GetCurSel()) << dwStyle;
        m_pRibbon->ModifyStyleEx(dwStyle, 0);
    }
}

TEST_F(RibbonTabs, RightAtTheLastUsableTabIsNotHandled)
{
    m_pRibbon->GetTab(3)->SetVisible(FALSE);
    m_pRibbon->SelectTab(2);
    m_pStrip->SetFocused(TRUE);
    EXPECT_FALSE(m_pStrip->HandleHookedKeyDown(VK_RIGHT));
    EXPECT_EQ(2, m_pStrip->GetCurSel());
}

TEST_F(RibbonTabs, RefusedKeyNavigationKeepsTheTab)
{
    m_pStrip->SetFocused(TRUE);
    m_bVeto = TRUE;
    m_pStrip->HandleHookedKeyDown(VK_RIGHT);
    EXPECT_EQ(0, m_pStrip->GetCurSel());
}

TEST_F(RibbonTabs, DownGoesToTheFirstControlAfterTheStrip)
{
    m_pRibbon->SetMenuLoopActive(TRUE);
    m_pStrip->SetFocused(TRUE);
    EXPECT_TRUE(m_pStrip->HandleHookedKeyDown(VK_DOWN));
    const int nHot = m_pRibbon->GetHotIndex();
    EXPECT_EQ(m_pRibbon->GetControls()->GetNext(m_pStrip->GetIndex(), +1), nHot);
    EXPECT_NE(m_pStrip->GetIndex(), nHot);
    m_pRibbon->SetMenuLoopActive(FALSE);
}

TEST_F(RibbonTabs, GainingTheFocusSelectsTheFirstUsableTab)
{
    // A strip without a selection: loaded tabs, none marked selected.
    m_pStrip->DeleteAllItems();
    m_pRibbon->InsertTab(-1, L"Hidden", 0)->SetVisible(FALSE);
    m_pRibbon->InsertTab(-1, L"Shown", 0);
    EXPECT_EQ(nullptr, m_pStrip->GetSelectedItem());
    m_pStrip->SetFocused(TRUE);
    EXPECT_EQ(1, m_pStrip->GetCurSel());
    EXPECT_TRUE(m_pStrip->IsFocused());
    EXPECT_FALSE(m_pStrip->IsKeyboardFocused()) << "drawn focused only while the ribbon tracks";
}

TEST_F(RibbonTabs, TheTabPopupOpensOnlyOnAMinimizedRibbon)
{
    m_pStrip->PopupSelectedTab(TRUE);
    EXPECT_EQ(-1, m_pRibbon->GetPoppedIndex());
    EXPECT_FALSE(m_pStrip->ShowPopup(TRUE));

    m_pRibbon->SetMinimized(TRUE);
    m_pStrip->SetFocused(TRUE);
    EXPECT_TRUE(m_pStrip->HandleHookedKeyDown(VK_SPACE));
    EXPECT_EQ(m_pStrip->GetIndex(), m_pRibbon->GetPoppedIndex());
    EXPECT_TRUE(m_pStrip->IsPopupShown());
    m_pHost->Manager()->CancelTracking();
    EXPECT_FALSE(m_pStrip->IsPopupShown());
    CRect rc(0, 0, 100, 30);
    m_pStrip->AdjustAvoidRect(rc, FALSE);
    EXPECT_EQ(CRect(0, 0, 100, 29), rc);
}

// ------------------------------------------------------------ accessibility

VARIANT Child(long nChild)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = nChild;
    return v;
}

TEST_F(RibbonTabs, AccessibleChildrenAreTheTabs)
{
    m_pRibbon->GetTab(3)->SetVisible(FALSE);
    long nCount = 0;
    EXPECT_EQ(S_OK, m_pStrip->GetAccChildCount(&nCount));
    EXPECT_EQ(4, nCount);

    const struct
    {
        long nChild;
        const wchar_t* name;
        long nRole;
        long nState;
    } cases[] = {
        {1, L"Home", ROLE_SYSTEM_PAGETAB, 0x300006},
        {2, L"Insert", ROLE_SYSTEM_PAGETAB, 0x300000},
        {4, L"View", ROLE_SYSTEM_PAGETAB, 0x300000 | STATE_SYSTEM_INVISIBLE},
    };
    for (const auto& c : cases)
    {
        BSTR bstr = nullptr;
        ASSERT_EQ(S_OK, m_pStrip->GetAccName(Child(c.nChild), &bstr));
        EXPECT_STREQ(c.name, bstr);
        ::SysFreeString(bstr);
        VARIANT v;
        ASSERT_EQ(S_OK, m_pStrip->GetAccRole(Child(c.nChild), &v));
        EXPECT_EQ(c.nRole, v.lVal);
        ASSERT_EQ(S_OK, m_pStrip->GetAccState(Child(c.nChild), &v));
        EXPECT_EQ(c.nState, v.lVal) << c.nChild;
        ASSERT_EQ(S_OK, m_pStrip->GetAccDefaultAction(Child(c.nChild), &bstr));
        EXPECT_STREQ(L"Switch", bstr);
        ::SysFreeString(bstr);
    }
    VARIANT v;
    ASSERT_EQ(S_OK, m_pStrip->GetAccRole(Child(CHILDID_SELF), &v));
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, v.lVal);
    ASSERT_EQ(S_OK, m_pStrip->GetAccState(Child(CHILDID_SELF), &v));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, v.lVal);

    BSTR bstr = nullptr;
    EXPECT_EQ(E_INVALIDARG, m_pStrip->GetAccName(Child(5), &bstr));
    EXPECT_EQ(E_INVALIDARG, m_pStrip->GetAccState(Child(5), &v));
    EXPECT_EQ(E_INVALIDARG, m_pStrip->AccDoDefaultAction(Child(5)));

    EXPECT_EQ(S_OK, m_pStrip->AccDoDefaultAction(Child(3)));
    EXPECT_EQ(2, m_pStrip->GetCurSel());
    EXPECT_EQ(S_OK, m_pStrip->AccSelect(SELFLAG_TAKESELECTION, Child(2)));
    EXPECT_EQ(1, m_pStrip->GetCurSel());
}

TEST_F(RibbonTabs, AccessibleLocationAndHitTest)
{
    const CRect rcTab = m_pRibbon->GetTab(1)->GetRect();
    ASSERT_FALSE(rcTab.IsRectEmpty());
    CRect rcScreen = rcTab;
    m_pRibbon->ClientToScreen(&rcScreen);
    long x, y, cx, cy;
    ASSERT_EQ(S_OK, m_pStrip->AccLocation(&x, &y, &cx, &cy, Child(2)));
    EXPECT_EQ(CRect(x, y, x + cx, y + cy), rcScreen);

    VARIANT v;
    const CPoint pt = rcScreen.CenterPoint();
    ASSERT_EQ(S_OK, m_pStrip->AccHitTest(pt.x, pt.y, &v));
    EXPECT_EQ(2, v.lVal);
    CRect rcBar;
    m_pRibbon->GetWindowRect(&rcBar);
    EXPECT_EQ(S_FALSE, m_pStrip->AccHitTest(rcBar.right + 10, pt.y, &v));
    EXPECT_EQ(S_FALSE, m_pStrip->AccHitTest(pt.x, rcBar.bottom - 2, &v)) << "in the bar, below the strip";

    m_pRibbon->ShowWindow(SW_HIDE);
    m_pStrip->SetHideFlags(m_pStrip->GetHideFlags() | zmrHideGeneric);
    ASSERT_EQ(S_OK, m_pStrip->AccLocation(&x, &y, &cx, &cy, Child(2)));
    EXPECT_EQ(0, x + y + cx + cy);
    m_pStrip->SetHideFlags(m_pStrip->GetHideFlags() & ~DWORD(zmrHideGeneric));
}

// Focus events of this thread, as accessibility clients hear them.
std::vector<std::pair<LONG, LONG>> g_focusEvents;

void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD, HWND, LONG idObject, LONG idChild, DWORD, DWORD)
{
    g_focusEvents.push_back({idObject, idChild});
}

TEST_F(RibbonTabs, SelectingATabMovesTheAccessibleFocusToIt)
{
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, RecordFocus,
                                            ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hHook);
    g_focusEvents.clear();
    m_pRibbon->SelectTab(2);
    CRibbonHost::Pump();
    ::UnhookWinEvent(hHook);
    ASSERT_EQ(1u, g_focusEvents.size());
    EXPECT_EQ(LONG(m_pStrip->GetID()), g_focusEvents[0].first);
    EXPECT_EQ(3, g_focusEvents[0].second) << "child ids are tab index + 1";
}

// ------------------------------------------------------------ context headers

TEST_F(RibbonTabs, ContextTabsGatherUnderHeaders)
{
    // The last two tabs, clear of the quick-access controls in the caption.
    for (int i : {2, 3})
    {
        m_pRibbon->GetTab(i)->SetContextColor(3);
        m_pRibbon->GetTab(i)->SetContextCaption(L"Table Tools");
    }
    m_pHost->Layout();
    ASSERT_TRUE(m_pRibbon->IsCaptionBandShown());
    CZMRRibbonContextHeaderList* pHeaders = m_pRibbon->GetContextHeaders();
    ASSERT_EQ(1, pHeaders->GetCount());
    CZMRRibbonTabContextHeader* pHeader = pHeaders->GetAt(0);
    EXPECT_EQ(m_pRibbon->GetTab(2), pHeader->m_pFirstTab);
    EXPECT_EQ(m_pRibbon->GetTab(3), pHeader->m_pLastTab);
    EXPECT_EQ(pHeader, m_pRibbon->GetTab(2)->GetContextHeader());
    EXPECT_EQ(pHeader, m_pRibbon->GetTab(3)->GetContextHeader());
    EXPECT_EQ(nullptr, m_pRibbon->GetTab(1)->GetContextHeader());
    EXPECT_EQ(3, pHeader->m_nColor);
    EXPECT_EQ(CString(L"Table Tools"), pHeader->m_strCaption);
    const CRect rcCaption = m_pRibbon->GetCaptionRect();
    EXPECT_EQ(CRect(m_pRibbon->GetTab(2)->GetRect().left, rcCaption.top + 4, m_pRibbon->GetTab(3)->GetRect().right,
                    rcCaption.bottom),
              pHeader->m_rcHeader);

    BOOL bRaised = FALSE;
    try
    {
        pHeaders->GetAt(1);
    }
    catch (CInvalidArgException* e)
    {
        e->Delete();
        bRaised = TRUE;
    }
    EXPECT_TRUE(bRaised);

    // Without the caption band no header remains, and no tab points at one.
    m_pRibbon->SetCaptionBarShown(FALSE);
    m_pHost->Layout();
    EXPECT_EQ(0, pHeaders->GetCount());
    EXPECT_EQ(nullptr, m_pRibbon->GetTab(2)->GetContextHeader());
}

// ------------------------------------------------------------ copies and the stored form

void ExpectSameTabs(CZMRRibbonControlTab* pSource, CZMRRibbonControlTab* pCopy)
{
    ASSERT_EQ(pSource->GetItemCount(), pCopy->GetItemCount());
    EXPECT_EQ(pSource->GetCurSel(), pCopy->GetCurSel());
    for (int i = 0; i < pSource->GetItemCount(); i++)
    {
        CZMRRibbonTab* pFrom = pSource->GetTab(i);
        CZMRRibbonTab* pTab = pCopy->GetTab(i);
        EXPECT_EQ(pFrom->GetRawCaption(), pTab->GetRawCaption()) << i;
        EXPECT_EQ(pFrom->GetTooltip(), pTab->GetTooltip()) << i;
        EXPECT_EQ(pFrom->GetContextColor(), pTab->GetContextColor()) << i;
        EXPECT_EQ(pFrom->GetContextCaption(), pTab->GetContextCaption()) << i;
        EXPECT_EQ(pFrom->GetId(), pTab->GetId()) << i;
        EXPECT_EQ(pFrom->IsVisible(), pTab->IsVisible()) << i;
        EXPECT_EQ(pFrom->GetGroups()->GetCount(), pTab->GetGroups()->GetCount()) << i;
        EXPECT_EQ(pCopy, pTab->GetTabManager());
    }
}

TEST_F(RibbonTabs, TabsRoundTripThroughBothStores)
{
    CZMRRibbonTab* pTab = m_pRibbon->GetTab(2);
    pTab->SetContextColor(5);
    pTab->SetContextCaption(L"Chart Tools");
    pTab->SetTooltip(L"Lay the page out");
    pTab->SetId(77);
    m_pRibbon->GetTab(3)->SetVisible(FALSE);
    m_pRibbon->SelectTab(1);

    for (BOOL bArchive : {TRUE, FALSE})
    {
        std::unique_ptr<CRibbonHost> pOther(CRibbonHost::Create({0, 0, 900, 400}));
        CZMRRibbonControlTab* pLoaded = pOther->Ribbon()->GetControlTab();
        if (bArchive)
        {
            const ArchiveStreams::Bytes bytes = ArchiveStreams::Store([&](CArchive& ar) {
                CZMRPropExchangeArchive px(ar);
                m_pStrip->DoPropExchange(&px);
            });
            ArchiveStreams::Load(bytes, [&](CArchive& ar) {
                CZMRPropExchangeArchive px(ar);
                pLoaded->DoPropExchange(&px);
            });
        }
        else
        {
            CMemoryPropStore::Data data;
            CMemoryPropStore saver(&data, FALSE);
            m_pStrip->DoPropExchange(&saver);
            CMemoryPropStore loader(&data, TRUE);
            pLoaded->DoPropExchange(&loader);
        }
        ExpectSameTabs(m_pStrip, pLoaded);
        EXPECT_EQ(pOther->Ribbon(), pLoaded->GetTab(0)->GetParentRibbon());
        CZMRRibbonGroup* pGroup = pLoaded->GetTab(0)->GetGroups()->GetAt(0);
        ASSERT_EQ(1, pGroup->GetCount());
        EXPECT_EQ(3001, pGroup->GetAt(0)->GetID());
        EXPECT_EQ(pOther->Ribbon(), pGroup->GetAt(0)->GetParent());
    }
}

TEST_F(RibbonTabs, SelectedNoOnLoadLeavesTheSelection)
{
    CMemoryPropStore::Data data;
    CMemoryPropStore saver(&data, FALSE);
    m_pStrip->DoPropExchange(&saver);
    for (auto& entry : data.values)
    {
        const std::wstring& key = entry.first;
        if (key.size() >= 8 && key.compare(key.size() - 8, 8, L"Selected") == 0)
            std::memset(entry.second.raw.data(), 0, entry.second.raw.size());
    }
    std::unique_ptr<CRibbonHost> pOther(CRibbonHost::Create({0, 0, 900, 400}));
    CZMRRibbonControlTab* pLoaded = pOther->Ribbon()->GetControlTab();
    CMemoryPropStore loader(&data, TRUE);
    pLoaded->DoPropExchange(&loader);
    EXPECT_EQ(4, pLoaded->GetItemCount());
    EXPECT_EQ(nullptr, pLoaded->GetSelectedItem());
}

TEST_F(RibbonTabs, AnUnknownTabClassRaisesTheArchiveException)
{
    CMemoryPropStore::Data data;
    CMemoryPropStore saver(&data, FALSE);
    m_pStrip->DoPropExchange(&saver);
    BOOL bRenamed = FALSE;
    for (auto& entry : data.values)
    {
        const std::wstring& key = entry.first;
        if (!bRenamed && key.find(L"Tab1") != std::wstring::npos && key.find(L"Group") == std::wstring::npos &&
            key.size() >= 5 && key.compare(key.size() - 5, 5, L"Class") == 0)
        {
            entry.second.text = L"CZMRNoSuchTab";
            bRenamed = TRUE;
        }
    }
    ASSERT_TRUE(bRenamed);
    std::unique_ptr<CRibbonHost> pOther(CRibbonHost::Create({0, 0, 900, 400}));
    CZMRRibbonControlTab* pLoaded = pOther->Ribbon()->GetControlTab();
    CMemoryPropStore loader(&data, TRUE);
    EXPECT_EQ(CArchiveException::badClass, ArchiveStreams::ArchiveCause([&] { pLoaded->DoPropExchange(&loader); }));
    EXPECT_EQ(1, pLoaded->GetItemCount()) << "the tab before the damage stays";
}

TEST_F(RibbonTabs, ACopyHasTheSameTabsAndGroups)
{
    m_pRibbon->GetTab(1)->SetContextColor(2);
    m_pRibbon->GetTab(1)->SetContextCaption(L"Picture Tools");
    m_pRibbon->SelectTab(3);
    std::unique_ptr<CRibbonHost> pOther(CRibbonHost::Create({0, 0, 900, 400}));
    CZMRRibbonControlTab* pCopy = pOther->Ribbon()->GetControlTab();
    pCopy->Copy(m_pStrip);
    ExpectSameTabs(m_pStrip, pCopy);
    CZMRRibbonGroup* pGroup = pCopy->GetTab(0)->GetGroups()->GetAt(0);
    ASSERT_EQ(1, pGroup->GetCount());
    EXPECT_EQ(pOther->Ribbon(), pGroup->GetAt(0)->GetParent());
    EXPECT_NE(m_pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetAt(0), pGroup->GetAt(0));
    // The copy's buttons stand for the copy's group.
    EXPECT_EQ(pGroup, pGroup->GetPopupButton()->GetRibbonGroup());
    EXPECT_EQ(pGroup, pGroup->GetOptionButton()->GetRibbonGroup());
    EXPECT_EQ(pOther->Ribbon(), pGroup->GetPopupButton()->GetParent());
}
}
