// The ribbon from the keyboard, with real keys on the test's desktop: Alt
// shows the tips of the tabs, a tab's tip shows the tips of its groups, the
// letters run a control, and the arrows move across the ribbon.
#include "RibbonTestSupport.h"
#include "CTestInput.h"
#include "ArtifactPng.h"
#include "WindowPixels.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRControlButton.h"
#include "CZMRMouseManager.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonQuickAccessControls.h"
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{
void TypeKey(WORD wKey)
{
    CHeldKeys keys;
    keys.Type(wKey);
    CRibbonHost::Pump();
}

class RibbonKeys : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost.reset(CRibbonHost::Create({0, 0, 800, 400}));
        ASSERT_TRUE(m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        m_pHome = m_pRibbon->InsertTab(-1, L"&Home", 1);
        m_pInsert = m_pRibbon->InsertTab(-1, L"Insert", 2);
        CZMRRibbonGroup* pClipboard = AddGroup(m_pHome, L"Clipboard");
        for (const auto& button : {std::make_pair(501, L"Paste"), std::make_pair(502, L"Copy"),
                                   std::make_pair(503, L"Cut")})
            AddButton(pClipboard, button.first, button.second);
        AddButton(AddGroup(m_pInsert, L"Tables"), 601, L"Table");
        m_pRibbon->SelectTab(0);
        m_pHost->Manager()->GetOptions()->bKeyboardTips = TRUE;
        m_pHost->Layout();
        ::SetForegroundWindow(m_pHost->Frame()->GetSafeHwnd());
        m_pHost->Frame()->SetFocus();
        CRibbonHost::Pump();
    }
    void TearDown() override
    {
        m_pHost->Manager()->CancelTracking();
        m_pHost.reset();
    }
    static CZMRRibbonGroup* AddGroup(CZMRRibbonTab* pTab, LPCTSTR lpszCaption)
    {
        CZMRRibbonGroup* pGroup = new CZMRRibbonGroup;
        pGroup->SetCaption(lpszCaption);
        return pTab->GetGroups()->InsertAt(-1, pGroup);
    }
    static void AddButton(CZMRRibbonGroup* pGroup, int nId, LPCTSTR lpszCaption)
    {
        CZMRControlButton* pSource = new CZMRControlButton;
        pSource->SetID(nId);
        pSource->SetCaption(lpszCaption);
        // The frame handles none of these commands: they keep their state.
        pSource->SetFlags(pSource->GetFlags() | zmrFlagManualUpdate);
        pGroup->InsertControl(pSource, -1);
        pSource->InternalRelease();
    }
    CZMRBarManager* Manager() const { return m_pHost->Manager(); }
    std::vector<std::string> ShownTips() const { return ShownTipTexts(Manager()); }
    // The ids of the commands the ribbon's controls ran.
    std::vector<int> Executed() const { return ExecutedIds(*m_pHost); }
    bool WaitForTips(int nLevel) const { return ::WaitForTips(Manager(), nLevel); }

    std::unique_ptr<CRibbonHost> m_pHost;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRRibbonTab* m_pHome = nullptr;
    CZMRRibbonTab* m_pInsert = nullptr;
};

using TipList = std::vector<std::string>;

// A small button of a fixed size for the quick-access row.
class CSmallButton : public CZMRControlButton
{
public:
    CSize GetSize(CDC*) override { return CSize(12, 16); }
};

// The quick-access controls are numbered 1 to 9, then 01 to 09, and no
// further; a number runs its control, with tips and without.
TEST_F(RibbonKeys, QuickAccessDigits)
{
    for (int i = 0; i < 20; i++)
    {
        auto* pButton = new CSmallButton;
        pButton->SetID(700 + i);
        pButton->SetCaption(L"Q");
        pButton->SetFlags(pButton->GetFlags() | zmrFlagManualUpdate);
        m_pRibbon->GetQuickAccessControls()->InsertAt(pButton, -1);
    }
    m_pHost->Layout();
    int nVisible = 0;
    for (int i = 0; i < 20; i++)
        nVisible += m_pRibbon->GetQuickAccessControls()->GetAt(i)->IsVisible() ? 1 : 0;
    ASSERT_GE(nVisible, 10) << "the row shows at least ten";

    TypeKey(VK_MENU);
    ASSERT_TRUE(WaitForTips(1));
    TipList expected;
    for (int n = 1; n <= std::min(nVisible, 18); n++)
        expected.push_back(n <= 9 ? std::to_string(n) : "0" + std::to_string(n - 9));
    expected.push_back("H");
    expected.push_back("I");
    EXPECT_EQ(expected, ShownTips());
    EXPECT_EQ("01", ShownTips()[9]);

    TypeKey('2');
    EXPECT_EQ(std::vector<int>{701}, Executed());
    EXPECT_FALSE(m_pRibbon->IsTrackingMode());

    m_pHost->m_notifications.clear();
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    EXPECT_TRUE(m_pRibbon->OnMnemonicKey('3'));
    EXPECT_EQ(std::vector<int>{702}, Executed());
}

// Alt: the tabs' tips; a tab's letter: its groups' tips; the letters of a
// control run it and close keyboard mode.
TEST_F(RibbonKeys, AltTabLetterThenControlLetters)
{
    TypeKey(VK_MENU);
    ASSERT_TRUE(m_pRibbon->IsTrackingMode());
    EXPECT_TRUE(m_pRibbon->GetControlTab()->IsFocused());
    ASSERT_TRUE(WaitForTips(1));
    EXPECT_EQ((TipList{"H", "I"}), ShownTips());

    // The tab tips sit centred under each tab, 9 above its bottom.
    for (int i = 0; i < 2; i++)
    {
        CZMRCommandBarKeyboardTip* pTip = Manager()->GetKeyboardTip(i);
        CRect rcTab = m_pRibbon->GetTab(i)->GetRect(), rcTip;
        m_pRibbon->ClientToScreen(&rcTab);
        pTip->GetWindowRect(&rcTip);
        EXPECT_EQ(rcTab.CenterPoint().x - rcTip.Width() / 2, rcTip.left) << i;
        EXPECT_EQ(rcTab.bottom - 9, rcTip.top) << i;
    }

    TypeKey('I');
    EXPECT_EQ(m_pInsert, m_pRibbon->GetSelectedTab());
    ASSERT_TRUE(WaitForTips(2));
    EXPECT_EQ((TipList{"T"}), ShownTips());
    EXPECT_TRUE(m_pRibbon->IsTrackingMode());

    // Escape goes back to the tabs' tips.
    TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForTips(1));
    EXPECT_EQ((TipList{"H", "I"}), ShownTips());

    TypeKey('H');
    EXPECT_EQ(m_pHome, m_pRibbon->GetSelectedTab());
    ASSERT_TRUE(WaitForTips(2));
    EXPECT_EQ((TipList{"P", "CO", "CU"}), ShownTips());

    // A picture of the ribbon with the tips of its groups laid over it.
    CSize sz;
    std::vector<COLORREF> picture = m_pHost->CaptureFrame(sz);
    CRect rcFrameClient;
    m_pHost->Frame()->GetClientRect(&rcFrameClient);
    m_pHost->Frame()->ClientToScreen(&rcFrameClient);
    for (int i = 0; i < Manager()->GetKeyboardTipCount(); i++)
    {
        CZMRCommandBarKeyboardTip* pTip = Manager()->GetKeyboardTip(i);
        if (!pTip->GetSafeHwnd())
            continue;
        CRect rcTip;
        pTip->GetWindowRect(&rcTip);
        SIZE szTip;
        const std::vector<COLORREF> tip = ReadWindow(pTip->GetSafeHwnd(), szTip, TRUE);
        for (int y = 0; y < szTip.cy; y++)
            for (int x = 0; x < szTip.cx; x++)
            {
                const int px = rcTip.left - rcFrameClient.left + x, py = rcTip.top - rcFrameClient.top + y;
                if (px >= 0 && py >= 0 && px < sz.cx && py < sz.cy)
                    picture[size_t(py * sz.cx + px)] = tip[size_t(y * szTip.cx + x)];
            }
    }
    EXPECT_TRUE(SaveArtifactPng(L"keyboard_tips_ribbon.png", sz.cx, sz.cy,
                                [&](int x, int y) { return picture[size_t(y * sz.cx + x)]; }));

    TypeKey('C');
    EXPECT_EQ((TipList{"CO", "CU"}), ShownTips());
    TypeKey('U');
    EXPECT_EQ(std::vector<int>{503}, Executed());
    EXPECT_FALSE(m_pRibbon->IsTrackingMode());
    EXPECT_FALSE(Manager()->AreKeyboardTipsShown());
}

// Without tips, a tab's access letter selects it; a tab without "&" is not
// reached by its letter.
TEST_F(RibbonKeys, TabAccessLettersWithoutTips)
{
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    m_pRibbon->SelectTab(1);
    TypeKey(VK_MENU);
    ASSERT_TRUE(m_pRibbon->IsTrackingMode());
    TypeKey('H');
    EXPECT_EQ(m_pHome, m_pRibbon->GetSelectedTab());
    EXPECT_TRUE(m_pRibbon->GetControlTab()->IsFocused());
    Manager()->CancelTracking();

    EXPECT_TRUE(m_pRibbon->OnMnemonicKey('H'));
    m_pRibbon->SelectTab(0);
    EXPECT_FALSE(m_pRibbon->OnMnemonicKey('I')) << "Insert has no access letter";
    EXPECT_EQ(m_pHome, m_pRibbon->GetSelectedTab());
    Manager()->CancelTracking();

    CHeldKeys keys;
    keys.Press(VK_CONTROL);
    CRibbonHost::Pump();
    EXPECT_FALSE(m_pRibbon->OnMnemonicKey(VK_MENU)) << "Ctrl+Alt is not menu mode";
    keys.Release(VK_CONTROL);
}

// Down from the tabs goes into the groups, Right moves along a band and
// wraps at its end, Up comes back to the tabs.
TEST_F(RibbonKeys, ArrowsMoveAcrossTheRibbon)
{
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    TypeKey(VK_MENU);
    ASSERT_TRUE(m_pRibbon->IsTrackingMode());
    ASSERT_EQ(m_pRibbon->GetControlTab(), m_pRibbon->GetControl(m_pRibbon->GetHotIndex()));

    TypeKey(VK_DOWN);
    CZMRControl* pHot = m_pRibbon->GetControl(m_pRibbon->GetHotIndex());
    ASSERT_NE(nullptr, pHot);
    ASSERT_NE(nullptr, pHot->GetRibbonGroup()) << "a control of the groups";

    // Along the band of the group's first control and back to it.
    std::vector<CZMRControl*> visited{pHot};
    for (int i = 0; i < 8 && m_pRibbon->GetTrackingState(); i++)
    {
        TypeKey(VK_RIGHT);
        CZMRControl* pNext = m_pRibbon->GetControl(m_pRibbon->GetHotIndex());
        if (pNext == visited.front())
            break;
        visited.push_back(pNext);
    }
    EXPECT_EQ(visited.front(), m_pRibbon->GetControl(m_pRibbon->GetHotIndex())) << "Right wraps along the band";
    EXPECT_GE(visited.size(), 2u);

    TypeKey(VK_UP);
    EXPECT_EQ(m_pRibbon->GetControlTab(), m_pRibbon->GetControl(m_pRibbon->GetHotIndex()));
    // Above the tabs only the quick-access row may lie; above the top the
    // hot control stays and the key is still taken.
    int nHot = -1;
    for (int i = 0; i < 3 && nHot != m_pRibbon->GetHotIndex(); i++)
    {
        nHot = m_pRibbon->GetHotIndex();
        TypeKey(VK_UP);
    }
    EXPECT_EQ(nHot, m_pRibbon->GetHotIndex());
    EXPECT_TRUE(m_pRibbon->IsTrackingMode());
}

// In keyboard mode the context-menu key opens the hot control's context
// menu at the control's top-left corner; outside keyboard mode the ribbon
// leaves the key to the frame.
TEST_F(RibbonKeys, ContextMenuKeyOpensTheHotControlsMenu)
{
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    m_pHost->m_nRecordMessage = ZMR_WM_RIBBONCONTEXTMENU;
    TypeKey(VK_MENU);
    ASSERT_TRUE(m_pRibbon->IsTrackingMode());
    TypeKey(VK_DOWN);
    CZMRControl* pHot = m_pRibbon->GetControl(m_pRibbon->GetHotIndex());
    ASSERT_NE(nullptr, pHot);
    ASSERT_EQ(501, pHot->GetID());

    CRect rcMenu(0, 0, 0, 0);
    {
        CInMenuStep inMenu(
            [&] {
                CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
                if (CZMRCommandBar* pMenu = pMouseManager->GetLastTracked(); pMenu && pMenu != m_pRibbon)
                    pMenu->GetWindowRect(&rcMenu);
                pMouseManager->CloseAllTracked();
            },
            50);
        TypeKey(VK_APPS);
        // The menu's loop may start only once the key's messages are read.
        for (int i = 0; i < 20 && CInMenuStep::Pending(); i++)
        {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            CRibbonHost::Pump();
        }
    }

    ASSERT_EQ(1u, m_pHost->m_frameMessages.size()) << "the ribbon's context menu was made once";
    ASSERT_FALSE(rcMenu.IsRectEmpty()) << "a menu was tracked";
    CRect rcHot = pHot->GetRect();
    m_pRibbon->ClientToScreen(&rcHot);
    EXPECT_EQ(rcHot.TopLeft(), rcMenu.TopLeft());

    // Outside keyboard mode nothing of the ribbon's opens.
    Manager()->CancelTracking();
    m_pHost->m_frameMessages.clear();
    TypeKey(VK_APPS);
    EXPECT_TRUE(m_pHost->m_frameMessages.empty());
}

// In keyboard mode without tips, the wheel moves the selection along the
// tabs: towards the user to the next, away to the one before; with tips
// shown, or outside keyboard mode, it leaves the tabs alone.
TEST_F(RibbonKeys, WheelStepsThroughTheTabsInKeyboardMode)
{
    Manager()->GetOptions()->bKeyboardTips = FALSE;
    CTestInput::MoveTo(m_pRibbon->GetSafeHwnd(), m_pRibbon->GetGroupsRect().CenterPoint());
    CRibbonHost::Pump();
    auto wheel = [](int nDelta) {
        CTestInput::Wheel(nDelta);
        CRibbonHost::Pump();
    };
    wheel(-120);
    EXPECT_EQ(m_pHome, m_pRibbon->GetSelectedTab()) << "not in keyboard mode";

    TypeKey(VK_MENU);
    ASSERT_TRUE(m_pRibbon->IsTrackingMode());
    const struct
    {
        int nDelta;
        CZMRRibbonTab* pSelected;
    } steps[] = {{-120, m_pInsert}, {-120, m_pInsert}, {120, m_pHome}, {120, m_pHome}, {-240, m_pInsert}};
    for (const auto& step : steps)
    {
        wheel(step.nDelta);
        EXPECT_EQ(step.pSelected, m_pRibbon->GetSelectedTab()) << step.nDelta;
    }
    EXPECT_TRUE(m_pRibbon->IsTrackingMode());
    Manager()->CancelTracking();

    Manager()->GetOptions()->bKeyboardTips = TRUE;
    m_pRibbon->SelectTab(0);
    TypeKey(VK_MENU);
    ASSERT_TRUE(WaitForTips(1));
    wheel(-120);
    EXPECT_EQ(m_pHome, m_pRibbon->GetSelectedTab()) << "tips shown";
}
} // namespace
