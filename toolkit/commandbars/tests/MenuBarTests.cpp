// The menu bar in a frame: the frame's Windows menu taken away, controls from
// a menu resource, the controls of a maximized MDI child, the menu of the
// active document kind through WM_MDISETMENU, Alt alone, reset and the
// picture of a menu bar.
#include "ToolBarTestSupport.h"
#include "BarTestSupport.h"
#include "CommandBarsTestResources.h"
#include "CFrameHost.h"
#include "CZMRMenuBar.h"
#include "CZMRMenuBarMDIMenus.h"
#include "CZMRMenuBarMDIMenuInfo.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRMouseManager.h"
#include "CZMRHookManager.h"
#include "ArtifactPng.h"
#include "CZMRPropExchangeArchive.h"
#include "tests/core/ArchiveStreams.h"
#include "PixelCanvas.h"
#include "CZMRControlWindowList.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
const UINT IDM_MISSING = 4999;   // no menu resource has this id

// A manager whose active document template the test chooses.
class CTemplateManager : public CZMRBarManager
{
public:
    CDocTemplate* GetActiveDocTemplate() const override { return m_pTemplate; }
    CDocTemplate* m_pTemplate = nullptr;
};

// A frame host with a manager and a menu bar docked at its top, not loaded yet.
class MenuBarInFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CFrameHost::Create(CRect(0, 0, 640, 400));
        ASSERT_NE(m_pHost, nullptr);
        m_hHostMenu = ::GetMenu(m_pHost->GetSafeHwnd());
        ASSERT_NE(m_hHostMenu, nullptr);
        m_pManager = new CTemplateManager;
        ASSERT_TRUE(m_pManager->Attach(m_pHost));
        m_pBar = static_cast<CZMRMenuBar*>(
            CZMRBarManager::CreateBar(RUNTIME_CLASS(CZMRMenuBar), RUNTIME_CLASS(CZMRMenuBar), m_pManager));
        ASSERT_NE(m_pBar, nullptr);
        m_pManager->AddBar(m_pBar);
        ASSERT_TRUE(m_pManager->DockToolBarSide(m_pBar, 0));
    }
    void TearDown() override
    {
        if (m_pManager)
            m_pManager->CancelTracking();
        delete m_pManager;

        if (m_pHost && ::IsWindow(m_pHost->GetSafeHwnd()))
            m_pHost->DestroyWindow();
    }
    // The ids of the bar's temporary controls, in order.
    // The test menu without its window list: that list would name the
    // children too, and these tests look only at the child's buttons.
    BOOL LoadMenuWithoutWindowList()
    {
        if (!m_pBar->LoadMenuBar(IDM_TEST_MENU))
            return FALSE;
        m_pBar->GetControls()->Remove(m_pBar->GetControls()->FindControlById(ZMR_ID_WINDOWLIST));
        return TRUE;
    }
    std::vector<int> TemporaryIds() const
    {
        std::vector<int> ids;
        for (int i = 0; i < m_pBar->GetControlCount(); i++)
        {
            // The test menu's window list names the children too; its items are not counted.
            const int nId = m_pBar->GetControl(i)->GetID();
            if (m_pBar->GetControl(i)->IsTemporary() && nId < ZMR_ID_FIRST_MDICHILD)
                ids.push_back(nId);
        }
        return ids;
    }
    LRESULT SetMdiMenu(HMENU hMenu)
    {
        return ::SendMessageW(m_pHost->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu), 0);
    }

    CFrameHost* m_pHost = nullptr;
    HMENU m_hHostMenu = nullptr;
    CTemplateManager* m_pManager = nullptr;
    CZMRMenuBar* m_pBar = nullptr;
};

const std::vector<int> kChildButtons = {ZMR_ID_MDI_MINIMIZE, ZMR_ID_MDI_RESTORE, ZMR_ID_MDI_CLOSE};
} // namespace

// ---------------------------------------------------------------- loading

TEST_F(MenuBarInFrame, LoadingTakesTheFramesMenuAndBuildsTheControls)
{
    EXPECT_EQ(m_pBar->GetType(), zmrBarTypeMenuBar);
    EXPECT_EQ(m_pBar->GetBarID(), 1);
    EXPECT_EQ(m_pBar->GetFlags(), DWORD(0x5F));
    EXPECT_FALSE(m_pBar->IsShowExpandButton());

    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    EXPECT_EQ(::GetMenu(m_pHost->GetSafeHwnd()), nullptr) << "the frame shows no Windows menu any more";
    EXPECT_EQ(m_pBar->GetFrameMenu(), m_hHostMenu);
    EXPECT_EQ(m_pBar->GetDefaultMenuId(), UINT(IDM_TEST_MENU));
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_MENU));
    ASSERT_GT(m_pBar->GetControlCount(), 3);
    EXPECT_EQ(m_pBar->GetControl(0)->GetID(), ID_TEST_NEW);
    EXPECT_NE(m_pBar->GetControls()->FindControl(zmrControlPopup, -1, FALSE, FALSE), nullptr) << "the Edit popup";
    EXPECT_EQ(m_pManager->GetMenuBar(), m_pBar);
}

TEST_F(MenuBarInFrame, AMenuThatDoesNotLoadChangesNothing)
{
    EXPECT_FALSE(m_pBar->LoadMenuBar(IDM_MISSING));
    EXPECT_EQ(::GetMenu(m_pHost->GetSafeHwnd()), m_hHostMenu) << "no frame-menu change";
    EXPECT_EQ(m_pBar->GetFrameMenu(), nullptr);
    EXPECT_EQ(m_pBar->GetControlCount(), 0);
    EXPECT_EQ(GetHookManager()->Lookup(m_pHost->GetSafeHwnd()), nullptr) << "no hook";

    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    const int nControls = m_pBar->GetControlCount();
    EXPECT_FALSE(m_pBar->LoadMenuBar(IDM_MISSING));
    EXPECT_EQ(m_pBar->GetControlCount(), nControls);
    EXPECT_EQ(m_pBar->GetDefaultMenuId(), UINT(IDM_TEST_MENU));
    EXPECT_EQ(m_pBar->GetFrameMenu(), m_hHostMenu) << "a second load keeps the menu it took";
}

TEST_F(MenuBarInFrame, ABarThatGoesLeavesTheMenuToTheFrameThatOwnsIt)
{
    // The MDI client lists the children in the menu's Window popup: the menu
    // must outlive every child, so the frame that made it destroys it.
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    ASSERT_NE(m_pHost->AddChild(L"Document", TRUE), nullptr);
    PumpPendingMessages();
    m_pManager->RemoveToolBar(m_pBar);
    m_pBar = nullptr;
    EXPECT_TRUE(::IsMenu(m_hHostMenu));
    EXPECT_EQ(m_pHost->m_hMenuDefault, m_hHostMenu);
    EXPECT_EQ(GetHookManager()->Lookup(m_pHost->GetSafeHwnd()), nullptr) << "no hook left behind";
    m_pHost->DestroyWindow();
    EXPECT_FALSE(::IsMenu(m_hHostMenu));
}

TEST(MenuBarOwnership, ABarDestroysAMenuItsFrameDoesNotKeep)
{
    CRecordingSiteFrame* pSite = CRecordingSiteFrame::Create();
    ASSERT_NE(pSite, nullptr);
    HMENU hMenu = ::CreateMenu();
    ::AppendMenuW(hMenu, MF_STRING, 100, L"Item");
    ::SetMenu(pSite->GetSafeHwnd(), hMenu);
    auto* pBar = new CZMRMenuBar;
    pBar->SetSiteOverride(pSite);
    ASSERT_TRUE(pBar->LoadMenuBar(IDM_TEST_MENU));
    EXPECT_EQ(pBar->GetFrameMenu(), hMenu);
    EXPECT_EQ(::GetMenu(pSite->GetSafeHwnd()), nullptr);
    pBar->InternalRelease();
    EXPECT_FALSE(::IsMenu(hMenu));
    pSite->DestroyWindow();
}

// ---------------------------------------------------------------- a maximized MDI child

TEST_F(MenuBarInFrame, AMaximizedChildBringsItsButtonsAndRestoringTakesThemAway)
{
    ASSERT_TRUE(LoadMenuWithoutWindowList());
    const int nMenuControls = m_pBar->GetControlCount();

    CMDIChildWnd* pChild = m_pHost->AddChild(L"Document", TRUE);
    ASSERT_NE(pChild, nullptr);
    PumpPendingMessages();
    EXPECT_EQ(m_pBar->GetHookedChild(), pChild->GetSafeHwnd());
    EXPECT_EQ(TemporaryIds(), kChildButtons) << "no system-menu popup without its flag";
    const int nCount = m_pBar->GetControlCount();
    ASSERT_EQ(nCount, nMenuControls + 3);
    CZMRControl* pClose = m_pBar->GetControl(nCount - 1);
    EXPECT_EQ(pClose->GetParameter(), CString(L"r"));
    EXPECT_EQ(pClose->GetFlags() & 0x1B, DWORD(0x1B));
    EXPECT_EQ(pClose->GetRect().Size(), CSize(16, 16));
    EXPECT_GT(pClose->GetRect().left, m_pBar->GetControl(nMenuControls - 1)->GetRect().right);
    EXPECT_EQ(m_pBar->GetControl(nCount - 3)->GetParameter(), CString(L"0"));
    EXPECT_EQ(m_pBar->GetControl(nCount - 2)->GetParameter(), CString(L"2"));

    m_pHost->MDIRestore(pChild);
    PumpPendingMessages();
    EXPECT_TRUE(TemporaryIds().empty());
    EXPECT_EQ(m_pBar->GetControlCount(), nMenuControls);

    m_pHost->MDIMaximize(pChild);
    PumpPendingMessages();
    EXPECT_EQ(TemporaryIds(), kChildButtons);

    // The close button closes the child, and its buttons go with it.
    m_pBar->GetControls()->FindControlById(ZMR_ID_MDI_CLOSE)->OnExecute();
    PumpPendingMessages();
    EXPECT_EQ(m_pHost->GetChildCount(), 0);
    EXPECT_TRUE(TemporaryIds().empty());
    EXPECT_EQ(m_pBar->GetHookedChild(), nullptr);
}

TEST_F(MenuBarInFrame, TheChildsStyleAndTheBarFlagsChooseTheButtons)
{
    ASSERT_TRUE(LoadMenuWithoutWindowList());
    CMDIChildWnd* pChild = m_pHost->AddChild(L"Document", TRUE);
    ASSERT_NE(pChild, nullptr);
    PumpPendingMessages();
    const DWORD dwBoxes = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const DWORD dwBaseStyle = DWORD(::GetWindowLongW(pChild->GetSafeHwnd(), GWL_STYLE)) & ~dwBoxes;
    struct
    {
        DWORD dwStyle;
        DWORD dwFlags;
        std::vector<int> ids;
    } const cases[] = {
        {dwBoxes, 0, kChildButtons},
        {WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, {}},
        {WS_SYSMENU, 0, {ZMR_ID_MDI_CLOSE}},
        {WS_SYSMENU | WS_MINIMIZEBOX, 0, {ZMR_ID_MDI_MINIMIZE, ZMR_ID_MDI_CLOSE}},
        {WS_SYSMENU | WS_MAXIMIZEBOX, 0, {ZMR_ID_MDI_RESTORE, ZMR_ID_MDI_CLOSE}},
        {dwBoxes, zmrMenuBarNoMinimize, {ZMR_ID_MDI_RESTORE, ZMR_ID_MDI_CLOSE}},
        {dwBoxes, zmrMenuBarNoRestore, {ZMR_ID_MDI_MINIMIZE, ZMR_ID_MDI_CLOSE}},
        {dwBoxes, zmrMenuBarNoClose, {ZMR_ID_MDI_MINIMIZE, ZMR_ID_MDI_RESTORE}},
    };
    const DWORD dwAllFlags = zmrMenuBarNoMinimize | zmrMenuBarNoRestore | zmrMenuBarNoClose;
    for (const auto& c : cases)
    {
        // Buttons already there stay while the child is maximized: start without any.
        for (int nId : kChildButtons)
        {
            if (CZMRControl* pButton = m_pBar->GetControls()->FindControlById(nId))
                m_pBar->GetControls()->Remove(pButton);
        }
        ::SetWindowLongW(pChild->GetSafeHwnd(), GWL_STYLE, LONG(dwBaseStyle | c.dwStyle));
        m_pBar->SetFlags(0, dwAllFlags);
        m_pBar->SetFlags(c.dwFlags);
        m_pBar->UpdateMdiChildButtons();
        EXPECT_EQ(TemporaryIds(), c.ids) << "style " << std::hex << c.dwStyle << " flags " << c.dwFlags;
    }
}

TEST_F(MenuBarInFrame, TheSystemMenuPopupShowsTheChildsSystemMenu)
{
    m_pBar->SetFlags(zmrMenuBarSysMenuPopup);
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    CMDIChildWnd* pChild = m_pHost->AddChild(L"Document", TRUE);
    ASSERT_NE(pChild, nullptr);
    PumpPendingMessages();

    std::vector<int> expected = {ZMR_ID_MDI_SYSMENU};
    expected.insert(expected.end(), kChildButtons.begin(), kChildButtons.end());
    ASSERT_EQ(TemporaryIds(), expected);
    auto* pSysMenu = static_cast<CZMRMenuBar::CControlMDISysMenuPopup*>(m_pBar->GetControl(0));
    EXPECT_EQ(pSysMenu->GetID(), ZMR_ID_MDI_SYSMENU);
    EXPECT_EQ(pSysMenu->GetType(), zmrControlPopup);
    EXPECT_EQ(pSysMenu->GetCaption(), CString(L"-"));
    EXPECT_EQ(pSysMenu->GetFlags() & 0x18, DWORD(0x18));
    EXPECT_EQ(pSysMenu->GetRect().Size(), CSize(16, 16));
    EXPECT_NE(pSysMenu->GetIcon(), nullptr) << "at least the system's icon";
    EXPECT_EQ(pSysMenu->GetSystemMenu(), ::GetSystemMenu(pChild->GetSafeHwnd(), FALSE));

    // The popup holds the system menu's commands, with its groups and states.
    CZMRCommandBar* pPopup = pSysMenu->GetCommandBar();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_FALSE(pPopup->IsCustomizable());
    HMENU hSysMenu = pSysMenu->GetSystemMenu();
    int nSeparators = 0;
    for (int i = 0; i < ::GetMenuItemCount(hSysMenu); i++)
        nSeparators += ::GetMenuItemID(hSysMenu, i) == 0;
    EXPECT_EQ(pPopup->GetControlCount(), ::GetMenuItemCount(hSysMenu) - nSeparators);
    int nGroups = 0;
    for (int i = 0; i < pPopup->GetControlCount(); i++)
        nGroups += pPopup->GetControl(i)->GetBeginGroup();
    EXPECT_EQ(nGroups, nSeparators);
    // A grayed item gives a disabled control.
    ::EnableMenuItem(hSysMenu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    ::EnableMenuItem(hSysMenu, SC_RESTORE, MF_BYCOMMAND | MF_ENABLED);
    pSysMenu->SetSystemMenu(pChild->GetSafeHwnd(), hSysMenu);
    CZMRControl* pRestore = pPopup->GetControls()->FindControlById(SC_RESTORE);
    CZMRControl* pMaximize = pPopup->GetControls()->FindControlById(SC_MAXIMIZE);
    ASSERT_NE(pRestore, nullptr);
    ASSERT_NE(pMaximize, nullptr);
    EXPECT_EQ(pRestore->GetFlags(), DWORD(zmrFlagManualUpdate));
    EXPECT_FALSE(pRestore->GetCaption().IsEmpty());
    EXPECT_TRUE(pRestore->GetEnabled());
    EXPECT_FALSE(pMaximize->GetEnabled());

    // The popup keeps the control and a pixel around it clear.
    CRect rcAvoid;
    pSysMenu->AdjustAvoidRect(rcAvoid, FALSE);
    CRect rcExpected = pSysMenu->GetRect();
    rcExpected.InflateRect(1, 1);
    EXPECT_EQ(rcAvoid, rcExpected);

    // Without the flag the popup goes at the next refresh.
    m_pBar->SetFlags(0, zmrMenuBarSysMenuPopup);
    m_pBar->RefreshMdiState();
    EXPECT_EQ(TemporaryIds(), kChildButtons);
}

// ---------------------------------------------------------------- the menu of the active document kind

namespace
{
class MenuBarMdiMenus : public MenuBarInFrame
{
protected:
    void SetUp() override
    {
        MenuBarInFrame::SetUp();
        ASSERT_TRUE(m_format.LoadMenu(IDM_TEST_FORMAT));
        m_pManager->m_pTemplate = &m_template;
    }
    void TearDown() override
    {
        m_pManager->m_pTemplate = nullptr;
        MenuBarInFrame::TearDown();
    }
    class CFormatTemplate : public CMultiDocTemplate
    {
    public:
        CFormatTemplate() : CMultiDocTemplate(IDM_TEST_FORMAT, nullptr, nullptr, nullptr) {}
    };
    CMenu m_format;
    CFormatTemplate m_template;
};
} // namespace

TEST_F(MenuBarMdiMenus, EachMenuKeepsItsControlsWhileCustomizingIsAllowed)
{
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    CZMRControls* pDefaultControls = m_pBar->GetControls();

    EXPECT_EQ(SetMdiMenu(m_format), 0);
    EXPECT_EQ(::GetMenu(m_pHost->GetSafeHwnd()), nullptr);
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_FORMAT));
    ASSERT_EQ(m_pBar->GetControlCount(), 1);
    EXPECT_EQ(m_pBar->GetControl(0)->GetCaption(), CString(L"F&ormat"));
    CZMRMenuBarMDIMenus* pMenus = m_pBar->GetMDIMenus();
    ASSERT_EQ(pMenus->GetCount(), 2);
    ASSERT_NE(pMenus->Lookup(IDM_TEST_MENU), nullptr);
    EXPECT_EQ(pMenus->Lookup(IDM_TEST_MENU)->GetControls(), pDefaultControls);
    ASSERT_NE(pMenus->Lookup(IDM_TEST_FORMAT), nullptr);
    CZMRControls* pFormatControls = m_pBar->GetControls();
    EXPECT_EQ(pMenus->Lookup(IDM_TEST_FORMAT)->GetControls(), pFormatControls);
    EXPECT_NE(pFormatControls->GetOriginalControls(), nullptr);
    EXPECT_FALSE(m_pBar->GetControls()->IsChanged());

    // The user adds a control to this menu; the same menu again changes nothing.
    m_pBar->GetControls()->Add(zmrControlButton, 777);
    SetMdiMenu(m_format);
    EXPECT_EQ(m_pBar->GetControls(), pFormatControls);
    EXPECT_EQ(m_pBar->GetControlCount(), 2);

    // No active document: the frame's menu brings the default menu back, whose
    // record is dropped.
    m_pManager->m_pTemplate = nullptr;
    SetMdiMenu(nullptr);
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_MENU));
    EXPECT_EQ(m_pBar->GetControls(), pDefaultControls);
    EXPECT_EQ(pDefaultControls->GetParent(), m_pBar);
    EXPECT_EQ(pFormatControls->GetParent(), nullptr);
    EXPECT_EQ(pMenus->Lookup(IDM_TEST_MENU), nullptr);
    EXPECT_EQ(pMenus->GetCount(), 1);

    // Back to the document kind: its customized controls are still there.
    m_pManager->m_pTemplate = &m_template;
    SetMdiMenu(m_format);
    EXPECT_EQ(m_pBar->GetControls(), pFormatControls);
    EXPECT_NE(pFormatControls->FindControlById(777), nullptr);
    EXPECT_TRUE(m_pBar->HasCustomizedControls());
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_MENU)) << "the changed test brings the default menu back";
    EXPECT_TRUE(pMenus->Lookup(IDM_TEST_FORMAT)->m_bChanged);
}

TEST_F(MenuBarMdiMenus, WithoutCustomizingTheControlsAreRebuiltFromEachMenu)
{
    m_pManager->SetAltDragPermission(FALSE);
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    CZMRControls* pControls = m_pBar->GetControls();

    SetMdiMenu(m_format);
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_FORMAT));
    EXPECT_EQ(m_pBar->GetControls(), pControls);
    ASSERT_EQ(m_pBar->GetControlCount(), 1);
    EXPECT_EQ(m_pBar->GetControl(0)->GetCaption(), CString(L"F&ormat"));

    m_pManager->m_pTemplate = nullptr;
    SetMdiMenu(nullptr);
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_MENU));
    EXPECT_EQ(m_pBar->GetControlCount(), ::GetMenuItemCount(m_pBar->GetFrameMenu())) << "the frame's menu";
    EXPECT_EQ(m_pBar->GetMDIMenus()->GetCount(), 0);
}

TEST_F(MenuBarMdiMenus, SomeStatesKeepTheControlsAsTheyAre)
{
    struct
    {
        const char* name;
        std::function<void()> set;
        std::function<void()> reset;
    } const cases[] = {
        {"flag 0x400", [&] { m_pBar->SetFlags(zmrMenuBarKeepControls); },
         [&] { m_pBar->SetFlags(0, zmrMenuBarKeepControls); }},
        {"customize mode", [&] { m_pManager->SetCustomizeMode(m_pManager); },
         [&] { m_pManager->SetCustomizeMode(nullptr); }},
        // The frame has no Windows menu either: the message is eaten.
        {"a hidden bar", [&] { m_pBar->SetVisible(FALSE); }, [&] { m_pBar->SetVisible(TRUE); }},
    };
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    const int nControls = m_pBar->GetControlCount();
    for (const auto& c : cases)
    {
        c.set();
        EXPECT_EQ(SetMdiMenu(m_format), 0) << c.name;
        EXPECT_EQ(::GetMenu(m_pHost->GetSafeHwnd()), nullptr) << c.name;
        EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_MENU)) << c.name;
        EXPECT_EQ(m_pBar->GetControlCount(), nControls) << c.name;
        c.reset();
    }

    // A bar that has not loaded a menu switches to none.
    CZMRMenuBar bar;
    bar.SwitchMdiMenu(IDM_TEST_FORMAT, &m_format);
    EXPECT_EQ(bar.GetCurrentMenuId(), 0u);
    EXPECT_EQ(bar.GetControlCount(), 0);
}

TEST(MenuBarMDIMenuInfo, ARecordNamesItsDocumentKindFromTheTemplateOfItsMenu)
{
    CAnswerApp app;   // owns the templates
    auto* pTemplate = new CMultiDocTemplate(IDM_TEST_FORMAT, nullptr, nullptr, nullptr);
    app.AddDocTemplate(pTemplate);
    pTemplate->m_strDocStrings = L"Title\nSheet\nSheet\nSheets (*.sht)\n.sht\nDemo.Sheet\nDemo Sheet";

    auto* pInfo = new CZMRMenuBarMDIMenuInfo(nullptr, IDM_TEST_FORMAT);
    EXPECT_EQ(pInfo->m_strDocName, CString(L"Sheet"));
    EXPECT_EQ(pInfo->m_strFileTypeName, CString(L"Demo Sheet"));
    EXPECT_EQ(pInfo->m_nIDResource, UINT(IDM_TEST_FORMAT));
    ASSERT_NE(pInfo->GetControls(), nullptr);
    EXPECT_EQ(pInfo->GetControls()->GetCount(), 0);
    pInfo->InternalRelease();

    pInfo = new CZMRMenuBarMDIMenuInfo(nullptr, IDM_TEST_MENU);
    EXPECT_TRUE(pInfo->m_strDocName.IsEmpty()) << "no template has that id";
    EXPECT_TRUE(pInfo->m_strFileTypeName.IsEmpty());
    EXPECT_EQ(pInfo->m_hIcon, nullptr) << "no icon resource has that id";
    pInfo->InternalRelease();
}

// ---------------------------------------------------------------- Alt alone

TEST_F(MenuBarInFrame, AltAloneEntersKeyboardMenuMode)
{
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    EXPECT_EQ(m_pHost->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0), 0);
    EXPECT_TRUE(m_pBar->IsTrackingMode());
    EXPECT_EQ(m_pBar->GetHotIndex(), 0);
    EXPECT_TRUE(m_pManager->AreKeyboardCuesShown());
    m_pManager->CancelTracking();
}

TEST_F(MenuBarInFrame, TheSystemKeepsTheMenuKeyInOtherCases)
{
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    CZMRMouseManager* pMouseManager = m_pManager->GetMouseManager();
    BYTE keys[256] = {};
    struct
    {
        const char* name;
        WPARAM wParam;
        LPARAM lParam;
        std::function<void()> set;
        std::function<void()> reset;
        bool bTaken;
    } const cases[] = {
        {"Alt alone", SC_KEYMENU, 0, [] {}, [] {}, true},
        {"low bits of the command", SC_KEYMENU | 2, 0, [] {}, [] {}, true},
        {"a mnemonic character", SC_KEYMENU, 'e', [] {}, [] {}, false},
        {"another command", SC_CLOSE, 0, [] {}, [] {}, false},
        {"Shift down",
         SC_KEYMENU,
         0,
         [&] {
             ::GetKeyboardState(keys);
             BYTE shifted[256];
             memcpy(shifted, keys, sizeof(shifted));
             shifted[VK_SHIFT] = 0x80;
             ::SetKeyboardState(shifted);
         },
         [&] { ::SetKeyboardState(keys); },
         false},
        {"customize mode", SC_KEYMENU, 0, [&] { m_pManager->SetCustomizeMode(m_pManager); },
         [&] { m_pManager->SetCustomizeMode(nullptr); }, false},
        {"a focused bar control", SC_KEYMENU, 0, [&] { pMouseManager->m_nFocusCount++; },
         [&] { pMouseManager->m_nFocusCount--; }, false},
        {"a hidden bar", SC_KEYMENU, 0, [&] { m_pBar->SetVisible(FALSE); }, [&] { m_pBar->SetVisible(TRUE); },
         false},
    };
    for (const auto& c : cases)
    {
        c.set();
        WPARAM wParam = c.wParam;
        LPARAM lParam = c.lParam;
        LRESULT lResult = -1;
        const int nAnswer =
            m_pBar->HandleHookedMessage(m_pHost->GetSafeHwnd(), WM_SYSCOMMAND, wParam, lParam, lResult);
        EXPECT_EQ(nAnswer == ZMR_HOOK_HANDLED, c.bTaken) << c.name;
        EXPECT_EQ(m_pBar->IsTrackingMode() != FALSE, c.bTaken) << c.name;
        if (c.bTaken)
        {
            EXPECT_EQ(lResult, 0) << c.name;
        }
        m_pManager->CancelTracking();
        c.reset();
    }
}

// ---------------------------------------------------------------- reset

TEST_F(MenuBarInFrame, ResetAsksAndACancelChangesNothing)
{
    CAnswerApp app;
    m_pBar->SetTitle(L"Menu Bar");
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    CMDIChildWnd* pChild = m_pHost->AddChild(L"Document", TRUE);
    ASSERT_NE(pChild, nullptr);
    PumpPendingMessages();
    ASSERT_EQ(TemporaryIds(), kChildButtons);
    const int nControls = m_pBar->GetControlCount();

    // The user removed a menu and the close button went (a refresh brings it back).
    m_pBar->GetControls()->RemoveAt(0);
    m_pBar->GetControls()->Remove(m_pBar->GetControls()->FindControlById(ZMR_ID_MDI_CLOSE));

    app.m_nAnswer = IDCANCEL;
    m_pBar->Reset(TRUE);
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_NE(app.m_prompts[0].Find(L"'Menu Bar'"), -1) << app.m_prompts[0];
    EXPECT_EQ(app.m_nType, UINT(MB_OKCANCEL | MB_ICONEXCLAMATION));
    EXPECT_EQ(m_pBar->GetControlCount(), nControls - 2) << "untouched";
    EXPECT_EQ(TemporaryIds(), std::vector<int>({ZMR_ID_MDI_MINIMIZE, ZMR_ID_MDI_RESTORE})) << "no refresh";

    app.m_nAnswer = IDOK;
    m_pBar->Reset(TRUE);
    EXPECT_EQ(m_pBar->GetControlCount(), nControls);
    EXPECT_EQ(m_pBar->GetControl(0)->GetID(), ID_TEST_NEW);
    EXPECT_EQ(TemporaryIds(), kChildButtons);
}

TEST_F(MenuBarInFrame, ResetOfAMenuThatDoesNotLoadKeepsTheControls)
{
    CMenu format;
    ASSERT_TRUE(format.LoadMenu(IDM_TEST_FORMAT));
    m_pManager->SetAltDragPermission(FALSE);
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    m_pBar->SwitchMdiMenu(IDM_MISSING, &format);
    ASSERT_EQ(m_pBar->GetCurrentMenuId(), IDM_MISSING);
    ASSERT_EQ(m_pBar->GetControlCount(), 1);

    m_pBar->Reset(FALSE);
    ASSERT_EQ(m_pBar->GetControlCount(), 1);
    EXPECT_EQ(m_pBar->GetControl(0)->GetCaption(), CString(L"F&ormat"));
}

// ---------------------------------------------------------------- copies

TEST_F(MenuBarMdiMenus, ACloneSharesTheMenuRecords)
{
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    SetMdiMenu(m_format);
    ASSERT_EQ(m_pBar->GetMDIMenus()->GetCount(), 2);

    auto* pClone = static_cast<CZMRMenuBar*>(m_pBar->Clone());
    ASSERT_NE(pClone, nullptr);
    EXPECT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CZMRMenuBar)));
    EXPECT_EQ(pClone->GetDefaultMenuId(), UINT(IDM_TEST_MENU));
    EXPECT_EQ(pClone->GetMDIMenus()->Lookup(IDM_TEST_FORMAT), m_pBar->GetMDIMenus()->Lookup(IDM_TEST_FORMAT));
    pClone->InternalRelease();
    // The records outlive the clone.
    ASSERT_NE(m_pBar->GetMDIMenus()->Lookup(IDM_TEST_FORMAT), nullptr);
    EXPECT_EQ(m_pBar->GetMDIMenus()->Lookup(IDM_TEST_FORMAT)->GetControls(), m_pBar->GetControls());
}

TEST_F(MenuBarMdiMenus, AStoredStateHoldsTheDefaultMenuAndTheChangedRecords)
{
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDM_TEST_MENU));
    SetMdiMenu(m_format);
    m_pBar->GetControls()->Add(zmrControlButton, 777);   // the user changed this menu
    const ArchiveStreams::Bytes bytes = ArchiveStreams::Store([&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        m_pBar->DoPropExchange(&px);
    });
    EXPECT_EQ(m_pBar->GetCurrentMenuId(), UINT(IDM_TEST_MENU)) << "stored with the default menu shown";

    CZMRMenuBar loaded;
    loaded.SetBarManager(m_pManager);
    ArchiveStreams::Load(bytes, [&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        loaded.DoPropExchange(&px);
    });
    EXPECT_EQ(loaded.GetDefaultMenuId(), UINT(IDM_TEST_MENU));
    ASSERT_EQ(loaded.GetMDIMenus()->GetCount(), 1);
    ASSERT_NE(loaded.GetMDIMenus()->Lookup(IDM_TEST_FORMAT), nullptr);
    EXPECT_EQ(loaded.GetMDIMenus()->Lookup(IDM_TEST_FORMAT)->GetControls()->GetBarManager(), m_pManager);
}

// ---------------------------------------------------------------- the picture

TEST(MenuBarPicture, WithAMaximizedChildInTheDefaultTheme)
{
    CFrameHost* pHost = CFrameHost::Create(CRect(0, 0, 480, 240));
    ASSERT_NE(pHost, nullptr);
    auto* pManager = new CZMRBarManager;
    ASSERT_TRUE(pManager->Attach(pHost));
    CClassicColoursTheme* pTheme = new CClassicColoursTheme;
    pManager->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    auto* pBar = static_cast<CZMRMenuBar*>(
        CZMRBarManager::CreateBar(RUNTIME_CLASS(CZMRMenuBar), RUNTIME_CLASS(CZMRMenuBar), pManager));
    pManager->AddBar(pBar);
    ASSERT_TRUE(pManager->DockToolBarSide(pBar, 0));
    pBar->SetFlags(zmrMenuBarSysMenuPopup);
    ASSERT_TRUE(pBar->LoadMenuBar(IDM_TEST_MENU));
    ASSERT_NE(pHost->AddChild(L"Document", TRUE), nullptr);
    PumpPendingMessages();
    pHost->RecalcLayout();
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    CRect rcBar;
    pBar->GetClientRect(rcBar);
    ASSERT_FALSE(rcBar.IsRectEmpty());
    CPixelCanvas canvas(rcBar.Width(), rcBar.Height());
    pBar->SendMessage(WM_PRINTCLIENT, WPARAM(canvas.DC()->GetSafeHdc()), PRF_CLIENT);

    // The close button's glyph is drawn in the text colour.
    CZMRControl* pClose = pBar->GetControls()->FindControlById(ZMR_ID_MDI_CLOSE);
    ASSERT_NE(pClose, nullptr);
    const CRect rcClose = pClose->GetRect();
    EXPECT_GT(rcClose.left, rcBar.Width() / 2) << "at the right end";
    int nGlyph = 0;
    for (int y = rcClose.top; y < rcClose.bottom; y++)
    {
        for (int x = rcClose.left; x < rcClose.right; x++)
            nGlyph += canvas.Pixel(x, y) == RGB(0, 0, 0);
    }
    EXPECT_GT(nGlyph, 4);
    EXPECT_TRUE(SaveArtifactPng(L"menubar-default-theme.png", rcBar.Width(), rcBar.Height(),
                                [&](int x, int y) { return canvas.Pixel(x, y); }));

    delete pManager;
    pHost->DestroyWindow();
}
