// The bar manager: the walk over shown bars, moving keyboard menu mode to a
// bar, mnemonics across bars, keyboard cues, customize mode and selection,
// the dock bar near a point, and docking, floating and removing tool bars
// through the site frame's layout.
#include "BarTestSupport.h"
#include "CZMRControls.h"
#include "CZMRControlDragHelper.h"
#include "CZMRToolBar.h"
#include "CZMRDockBar.h"
#include "CZMRMouseManager.h"
#include "CFrameHost.h"
#include <gtest/gtest.h>

namespace
{
// A tool bar that tells when it is deleted.
class CCountedToolBar : public CZMRToolBar
{
    DECLARE_DYNCREATE(CCountedToolBar)
public:
    ~CCountedToolBar() override { s_nDeleted++; }
    static inline int s_nDeleted = 0;
};
IMPLEMENT_DYNCREATE(CCountedToolBar, CZMRToolBar)

class BarManagerTest : public BarSiteTest
{
protected:
    // A bar of the list with nControls probes; hidden when asked.
    CProbeBar* AddBar(int nControls, BOOL bShown = TRUE, int barType = zmrBarTypeNormal)
    {
        auto* pBar = new CProbeBar;
        pBar->SetType(barType);
        m_pManager->AddBar(pBar);
        const int y = 10 + 30 * (m_pManager->GetCount() - 1);
        EXPECT_TRUE(pBar->Create(m_pSite, CRect(10, y, 130, y + 24), nControls));
        if (!bShown)
            pBar->ShowWindow(SW_HIDE);
        return pBar;
    }
    void SetCaptions(CZMRCommandBar* pBar, std::initializer_list<LPCTSTR> captions)
    {
        int i = 0;
        for (LPCTSTR lpsz : captions)
            pBar->GetControl(i++)->SetCaption(lpsz);
    }

};
} // namespace

// ---------------------------------------------------------------- the list and the walk

TEST_F(BarManagerTest, NextVisibleBarWalksOverShownBarsWrappingOnce)
{
    EXPECT_EQ(m_pManager->GetNextVisibleBar(-1, +1), -1) << "no bars";
    // Shown: 0, 2, 3. Hidden: 1, 4.
    const BOOL shown[] = {TRUE, FALSE, TRUE, TRUE, FALSE};
    for (BOOL b : shown)
        AddBar(1, b);
    struct
    {
        int nIndex, nStep, nExpected;
    } cases[] = {
        {-1, +1, 0}, {-1, -1, 3}, {0, +1, 2}, {2, +1, 3}, {3, +1, 0},   // wraps past the end
        {0, -1, 3},                                                      // wraps past the start
        {2, -1, 0}, {4, +1, 0}, {1, -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_pManager->GetNextVisibleBar(c.nIndex, c.nStep), c.nExpected) << c.nIndex << " step " << c.nStep;

    // A bar alone among hidden ones comes back to itself; a hidden start too.
    m_pManager->GetBar(2)->ShowWindow(SW_HIDE);
    m_pManager->GetBar(3)->ShowWindow(SW_HIDE);
    EXPECT_EQ(m_pManager->GetNextVisibleBar(0, +1), 0);
    m_pManager->GetBar(0)->ShowWindow(SW_HIDE);
    EXPECT_EQ(m_pManager->GetNextVisibleBar(1, +1), 1);
    EXPECT_EQ(m_pManager->GetNextVisibleBar(-1, +1), -1);
    EXPECT_EQ(m_pManager->GetNextVisibleBar(-1, -1), -1);
}

TEST_F(BarManagerTest, BarsAreFoundByIndexAndId)
{
    CProbeBar* pFirst = AddBar(1);
    CProbeBar* pSecond = AddBar(1);
    pSecond->SetBarID(7);
    EXPECT_EQ(m_pManager->GetBar(1), pSecond);
    EXPECT_EQ(m_pManager->GetBar(2), nullptr);
    EXPECT_EQ(m_pManager->GetBar(-1), nullptr);
    EXPECT_EQ(m_pManager->FindBar(7), pSecond);
    EXPECT_EQ(m_pManager->FindBar(0), nullptr) << "id 0 is no id, though the first bar has it";
    EXPECT_EQ(m_pManager->GetBarIndex(pFirst), 0);
    CProbeBar stranger;
    EXPECT_EQ(m_pManager->GetBarIndex(&stranger), -1);
}

// ---------------------------------------------------------------- keyboard

TEST_F(BarManagerTest, FocusBarMovesKeyboardMenuModeToTheNextShownBar)
{
    CProbeBar* pFirst = AddBar(2);
    EXPECT_FALSE(m_pManager->FocusBar(pFirst, +1)) << "a single bar";
    CProbeBar* pSecond = AddBar(3);
    pSecond->GetControl(0)->SetFlags(zmrFlagSkipFocus);

    pFirst->SetMenuLoopActive(TRUE);
    EXPECT_TRUE(m_pManager->FocusBar(pFirst, +1));
    EXPECT_FALSE(pFirst->IsTrackingMode()) << "tracking was cancelled";
    EXPECT_TRUE(pSecond->IsTrackingMode());
    EXPECT_EQ(pSecond->GetHotIndex(), 1) << "the first control the keyboard may reach";
    EXPECT_EQ(pSecond->Probe(1)->GetSelected(), 2);
    EXPECT_EQ(pSecond->GetSelectionKind(), 2);
    EXPECT_TRUE(m_pManager->AreKeyboardCuesShown());
    EXPECT_EQ(m_pManager->GetKeyboardTipLevel(), 1);

    // Backwards from the first wraps to the last; with no other shown bar it fails.
    EXPECT_TRUE(m_pManager->FocusBar(pFirst, -1));
    EXPECT_TRUE(pSecond->IsTrackingMode());
    pSecond->ShowWindow(SW_HIDE);
    EXPECT_FALSE(m_pManager->FocusBar(pFirst, +1));
    EXPECT_TRUE(m_pManager->FocusBar(pFirst));
    EXPECT_TRUE(pFirst->IsTrackingMode());
}

TEST_F(BarManagerTest, MnemonicKeysFindControlsAcrossBars)
{
    CProbeBar* pMenu = AddBar(4, TRUE, zmrBarTypeMenuBar);
    SetCaptions(pMenu, {L"&File", L"&Edit", L"Window", L"&Format"});
    CProbeBar* pTools = AddBar(4);
    SetCaptions(pTools, {L"&Bold", L"&Italic", L"Zoom", L"F&ormat"});
    ASSERT_EQ(m_pManager->GetMenuBar(), pMenu);

    struct
    {
        const char* name;
        int nFlags;
        UINT nKey;
        CProbeBar* pTrackingFirst;   // bar in tracking before the key
        CProbeBar* pExpectedBar;     // none: the key is not taken
        int nExpectedIndex;
        bool bActivated;
    } cases[] = {
        {"without wrap only the menu bar is searched", 0, 'B', nullptr, nullptr, -1, false},
        {"wrap goes on to the next bar", zmrMnemonicWrap, 'B', nullptr, pTools, 0, true},
        {"two '&' matches are ambiguous", 0, 'F', nullptr, pMenu, 0, false},
        {"a first letter counts on the menu bar", 0, 'W', nullptr, pMenu, 2, true},
        {"'&' only: first letters never count", zmrMnemonicAmpersandOnly, 'W', nullptr, nullptr, -1, false},
        {"'&' after the first letter", zmrMnemonicWrap, 'O', nullptr, pTools, 3, true},
        {"a first letter on a tool bar that is not tracking", zmrMnemonicWrap, 'Z', nullptr, nullptr, -1, false},
        {"a first letter on the tracking tool bar", 0, 'Z', pTools, pTools, 2, true},
        {"cross-bar mnemonics off", zmrMnemonicsOff, 'E', nullptr, nullptr, -1, false},
        {"numeric pad without numeric-pad mnemonics", zmrMnemonicWrap, VK_NUMPAD1, nullptr, nullptr, -1, false},
        {"a key without a character", zmrMnemonicWrap, VK_F5, nullptr, nullptr, -1, false},
    };
    for (const auto& c : cases)
    {
        m_pManager->CancelTracking();
        for (CProbeBar* pBar : {pMenu, pTools})
        {
            pBar->SetHotControl(-1);
            for (int i = 0; i < 4; i++)
                pBar->Probe(i)->TakeCalls();
        }
        m_pManager->GetOptions()->nMnemonicFlags = c.nFlags;
        if (c.pTrackingFirst)
            c.pTrackingFirst->SetMenuLoopActive(TRUE);

        const BOOL bTaken = m_pManager->HandleMnemonicKey(c.nKey);
        EXPECT_EQ(bTaken != FALSE, c.pExpectedBar != nullptr) << c.name;
        if (!c.pExpectedBar)
            continue;
        EXPECT_TRUE(c.pExpectedBar->IsTrackingMode()) << c.name;
        EXPECT_EQ(c.pExpectedBar->GetHotIndex(), c.nExpectedIndex) << c.name;
        CProbeControl* pControl = c.pExpectedBar->Probe(c.nExpectedIndex);
        EXPECT_EQ(pControl->GetSelected(), 2) << c.name;
        const std::vector<std::string> activated = {"access key"};
        EXPECT_EQ(pControl->TakeCalls(), c.bActivated ? activated : std::vector<std::string>{}) << c.name;
    }
}

TEST_F(BarManagerTest, KeyboardCuesFollowTheirSwitchAndStayOnWhileCustomizing)
{
    m_pManager->ShowKeyboardCues(FALSE);
    EXPECT_FALSE(m_pManager->AreKeyboardCuesShown());
    m_pManager->ShowKeyboardCues(TRUE);
    EXPECT_TRUE(m_pManager->AreKeyboardCuesShown());
    m_pManager->SetCustomizeMode(m_pManager);
    m_pManager->ShowKeyboardCues(FALSE);
    EXPECT_TRUE(m_pManager->AreKeyboardCuesShown()) << "customize mode";
    m_pManager->SetCustomizeMode(nullptr);
    EXPECT_FALSE(m_pManager->AreKeyboardCuesShown());

    m_pManager->EnableKeyboardCues(FALSE);
    m_pManager->ShowKeyboardCues(TRUE);
    EXPECT_FALSE(m_pManager->AreKeyboardCuesShown());

    // A bar reads the state of its manager; without one the cues show.
    CProbeBar* pBar = AddBar(1);
    EXPECT_FALSE(pBar->AreKeyboardCuesShown());
    CProbeBar loose;
    EXPECT_TRUE(loose.AreKeyboardCuesShown());
}

// ---------------------------------------------------------------- customize mode

TEST_F(BarManagerTest, CustomizeSelectionHoldsAReferenceAndTellsTheCustomizeWindow)
{
    CProbeBar* pBar = AddBar(2);
    CZMRControl* pControl = pBar->GetControl(1);
    const long nRefs = pControl->GetRefCount();

    m_pManager->SetCustomizeMode(m_pManager);
    EXPECT_TRUE(m_pManager->IsCustomizeMode());
    EXPECT_EQ(m_pManager->GetCustomizeOwner(), m_pManager);
    EXPECT_TRUE(m_pManager->GetOptions()->bDirtyState);
    m_pSite->Clear();
    m_pManager->SetCustomizeSelection(pControl);
    EXPECT_EQ(pControl->GetRefCount(), nRefs + 1);
    EXPECT_EQ(m_pSite->Messages(ZMR_WM_CUSTOMIZESELECTION).size(), 1u);
    m_pManager->SetCustomizeSelection(pControl);
    EXPECT_EQ(m_pSite->Messages(ZMR_WM_CUSTOMIZESELECTION).size(), 1u) << "the same control";

    // A customize window hears of it in the site's place.
    CRecordingWnd customize;
    ASSERT_TRUE(customize.Create());
    m_pManager->GetDragHelper()->SetCustomizeWindow(customize.GetSafeHwnd());
    m_pManager->SetCustomizeSelection(pBar->GetControl(0));
    EXPECT_EQ(pControl->GetRefCount(), nRefs);
    EXPECT_EQ(customize.Messages(ZMR_WM_CUSTOMIZESELECTION).size(), 1u);
    EXPECT_EQ(m_pSite->Messages(ZMR_WM_CUSTOMIZESELECTION).size(), 1u);

    // Ending customize mode clears the selection.
    m_pManager->SetCustomizeMode(nullptr);
    EXPECT_EQ(m_pManager->GetCustomizeSelection(), nullptr);
    EXPECT_FALSE(m_pManager->IsCustomizeMode());
    m_pManager->GetDragHelper()->SetCustomizeWindow(nullptr);
}

// ---------------------------------------------------------------- dock bars

TEST_F(BarManagerTest, DockBarNearAPointReachesTwentyPixelsOut)
{
    // The four dock bars apart from each other in the site's client area.
    const CRect places[4] = {CRect(100, 10, 300, 40), CRect(100, 300, 300, 330), CRect(10, 100, 40, 250),
                             CRect(500, 100, 530, 250)};
    for (int i = 0; i < 4; i++)
        m_pManager->GetDockBar(i)->MoveWindow(places[i]);

    // "Outside by n": n pixels lie between the point and the dock bar's
    // window on that side (0: the point touches it).
    for (int nSide = 0; nSide < 4; nSide++)
    {
        CZMRDockBar* pDock = m_pManager->GetDockBar(nSide);
        CRect rc;
        pDock->GetWindowRect(&rc);
        const CPoint centre = rc.CenterPoint();
        for (int n : {0, 19, 20})
        {
            const CPoint points[4] = {CPoint(rc.left - 1 - n, centre.y), CPoint(rc.right + n, centre.y),
                                      CPoint(centre.x, rc.top - 1 - n), CPoint(centre.x, rc.bottom + n)};
            const char* sides[4] = {"left", "right", "above", "below"};
            for (int s = 0; s < 4; s++)
            {
                CZMRDockBar* pFound = m_pManager->FindDockBarNear(points[s], nullptr);
                EXPECT_EQ(pFound, n < 20 ? pDock : nullptr) << "dock bar " << nSide << ", " << sides[s] << " by " << n;
            }
        }
    }

    // Where two dock bars are near, the current one wins, else the first in
    // the order top, bottom, left, right.
    m_pManager->GetDockBar(2)->MoveWindow(CRect(60, 10, 90, 250));
    CRect rcTop;
    m_pManager->GetDockBar(0)->GetWindowRect(&rcTop);
    const CPoint between(rcTop.left - 5, rcTop.top + 10);
    EXPECT_EQ(m_pManager->FindDockBarNear(between, nullptr), m_pManager->GetDockBar(0));
    EXPECT_EQ(m_pManager->FindDockBarNear(between, m_pManager->GetDockBar(2)), m_pManager->GetDockBar(2));
    EXPECT_EQ(m_pManager->FindDockBarNear(between, m_pManager->GetDockBar(3)), m_pManager->GetDockBar(0));
}

TEST_F(BarManagerTest, ToolBarsDockFloatHideAndGoThroughTheSiteLayout)
{
    CRuntimeClass* pSavedClass = CZMRBarManager::m_classes.pToolBarClass;
    CZMRBarManager::m_classes.pToolBarClass = RUNTIME_CLASS(CCountedToolBar);
    CCountedToolBar::s_nDeleted = 0;

    CZMRToolBar* pBar = m_pManager->AddToolBar(L"Standard", 5);
    CZMRBarManager::m_classes.pToolBarClass = pSavedClass;
    ASSERT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(CCountedToolBar)));
    EXPECT_EQ(m_pManager->FindBar(5), pBar);
    EXPECT_EQ(pBar->GetTitle(), CString(L"Standard"));
    EXPECT_EQ(pBar->GetPosition(), zmrBarTop);
    EXPECT_EQ(pBar->GetDockBar(), m_pManager->GetDockBar(0));
    EXPECT_EQ(::GetParent(pBar->GetSafeHwnd()), m_pManager->GetDockBar(0)->GetSafeHwnd());
    EXPECT_TRUE(pBar->GetStyle() & WS_CHILD);

    // The site's layout gives the top dock bar the bar's thickness and puts
    // the bar at the top of the client area.
    m_pSite->m_nIdleFlags |= CFrameWnd::idleLayout;
    m_pManager->RecalcFrameLayoutIfPending();
    EXPECT_EQ(m_pSite->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    CRect rcDock, rcBar;
    m_pManager->GetDockBar(0)->GetWindowRect(&rcDock);
    pBar->GetWindowRect(&rcBar);
    EXPECT_EQ(rcDock.Height(), rcBar.Height());
    EXPECT_EQ(rcBar.TopLeft(), rcDock.TopLeft());

    // Floating: out of the dock bar, a popup window, position 4.
    EXPECT_TRUE(m_pManager->FloatToolBar(pBar));
    EXPECT_EQ(pBar->GetPosition(), zmrBarFloating);
    EXPECT_EQ(pBar->GetDockBar(), nullptr);
    EXPECT_EQ(m_pManager->GetDockBar(0)->FindBar(pBar), -1);
    EXPECT_TRUE(pBar->GetStyle() & WS_POPUP);

    // Docked at a side again; sides past 3 have no dock bar.
    EXPECT_FALSE(m_pManager->DockToolBarSide(pBar, 4));
    EXPECT_TRUE(m_pManager->DockToolBarSide(pBar, 2));
    EXPECT_EQ(pBar->GetPosition(), zmrBarLeft);
    EXPECT_NE(m_pManager->GetDockBar(2)->FindBar(pBar), -1);

    // Hiding through the list tells the site and marks the state changed.
    m_pSite->Clear();
    m_pManager->GetOptions()->bDirtyState = FALSE;
    m_pManager->ToggleBarVisible(m_pManager->GetBarIndex(pBar));
    EXPECT_FALSE(pBar->IsVisible());
    EXPECT_TRUE(m_pManager->GetOptions()->bDirtyState);
    auto shown = m_pSite->Messages(ZMR_WM_TOOLBARVISIBLECHANGED);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].wParam, WPARAM(pBar));
    EXPECT_EQ(shown[0].lParam, 0);

    // Removal: undocked, told, destroyed and released.
    m_pManager->ToggleBarVisible(m_pManager->GetBarIndex(pBar));
    m_pManager->RemoveToolBar(pBar);
    EXPECT_EQ(m_pManager->m_removed, std::vector<CZMRCommandBar*>{pBar});
    EXPECT_EQ(m_pManager->GetCount(), 0);
    EXPECT_EQ(m_pManager->GetDockBar(2)->GetDockedCount(), 0);
    EXPECT_EQ(CCountedToolBar::s_nDeleted, 1);

    // A bar that is not in the list is left alone.
    CZMRToolBar stranger;
    m_pManager->RemoveToolBar(&stranger);
    EXPECT_TRUE(m_pManager->m_removed.size() == 1);
}

TEST_F(BarManagerTest, RightToLeftFromTheSiteOrForced)
{
    EXPECT_FALSE(m_pManager->IsRightToLeft());
    m_pManager->SetForcedRightToLeft(TRUE);
    EXPECT_TRUE(m_pManager->IsRightToLeft());
    m_pManager->SetForcedRightToLeft(FALSE);
    m_pSite->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    EXPECT_TRUE(m_pManager->IsRightToLeft());
}

// Rarely used is read from the manager's record of used commands alone:
// the control's own mark (which the popup writes from this answer) plays no
// part, so a mark once cleared does not keep a command frequent.
TEST(BarManagerRarelyUsed, ComesFromTheRecordOfUsedCommands)
{
    CZMRBarManager manager;
    manager.GetOptions()->bAlwaysShowFullMenus = FALSE;
    CFixedControl control;
    struct
    {
        const char* name;
        int nId;
        BOOL bUsed;
        BOOL bAlwaysFull;
        BOOL bRare;
    } const cases[] = {
        {"never used", 700, FALSE, FALSE, TRUE},
        {"used", 701, TRUE, FALSE, FALSE},
        {"never used, full menus always", 702, FALSE, TRUE, FALSE},
        {"no command", 0, FALSE, FALSE, FALSE},
        {"a command of the toolkit's own", 9150, FALSE, FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        manager.GetOptions()->bAlwaysShowFullMenus = c.bAlwaysFull;
        control.SetID(c.nId);
        if (c.bUsed)
            manager.RecordCommandUse(c.nId);
        for (const BOOL bMark : {FALSE, TRUE})
        {
            control.SetRarelyUsed(bMark);
            EXPECT_EQ(c.bRare, manager.IsControlRarelyUsed(&control)) << c.name << ", mark " << bMark;
        }
    }
    EXPECT_FALSE(manager.IsControlRarelyUsed(nullptr));
}

namespace
{
class CPlainDoc : public CDocument
{
    DECLARE_DYNCREATE(CPlainDoc)
};
IMPLEMENT_DYNCREATE(CPlainDoc, CDocument)
} // namespace

TEST(BarManagerDocuments, ActiveDocTemplateIsTheActiveDocumentsTemplate)
{
    CWinApp app(L"BarManagerTests");
    auto* pTemplate = new CMultiDocTemplate(0x7F00, RUNTIME_CLASS(CPlainDoc), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(CFrameHostView));
    app.AddDocTemplate(pTemplate);
    CFrameHost* pHost = CFrameHost::Create();
    ASSERT_NE(pHost, nullptr);
    app.m_pMainWnd = pHost;
    CZMRBarManager manager;
    manager.SetSite(pHost);
    EXPECT_EQ(manager.GetActiveDocTemplate(), nullptr) << "no document";

    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(manager.GetActiveDocTemplate(), pTemplate);

    CZMRBarManager loose;
    EXPECT_EQ(loose.GetActiveDocTemplate(), nullptr) << "no site";
    pHost->DestroyWindow();
    app.m_pMainWnd = nullptr;
}
