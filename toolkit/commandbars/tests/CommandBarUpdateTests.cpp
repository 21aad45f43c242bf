// What a bar does beside its window behaviour: the idle update of its
// controls from the owner's update handlers, the document-template filter
// and automatic shortcut texts; the customize drop target and its mark; and
// the answers it gives accessibility clients and the context help.
#include "BarTestSupport.h"
#include "CFrameHost.h"
#include "CZMRControls.h"
#include "CZMRControlAction.h"
#include "CZMRControlDragHelper.h"
#include "CZMRControlPopup.h"
#include "CZMRControlRecentFileList.h"
#include "CZMRControlWindowList.h"
#include "CZMRPopupBar.h"
#include "CZMRColorManager.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace
{
// Ids the owner answers for, and how.
enum
{
    ID_DISABLE = 100,         // disabled
    ID_CHECK_DISABLE = 101,   // checked, then disabled
    ID_ENABLE_TEXT = 102,     // enabled, renamed
    ID_UNHANDLED = 103,       // nobody answers
    ID_CHILD = 104,           // the id of a child window of the bar
    ID_BAR_OWN = 105          // the bar's own map answers (disabled)
};

// An owner window with update handlers, and a command handler for one id
// that has no update handler.
class CUpdateOwner : public CWnd
{
public:
    int m_nAsked = 0;
    void OnUpdateDisable(CCmdUI* pCmdUI)
    {
        m_nAsked++;
        pCmdUI->Enable(FALSE);
    }
    void OnUpdateCheckDisable(CCmdUI* pCmdUI)
    {
        m_nAsked++;
        pCmdUI->SetCheck(1);
        pCmdUI->Enable(FALSE);
    }
    void OnUpdateEnableText(CCmdUI* pCmdUI)
    {
        m_nAsked++;
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText(L"Renamed");
    }
    void OnUpdateChild(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateBarOwn(CCmdUI* pCmdUI)
    {
        m_nAsked++;
        pCmdUI->Enable(TRUE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateOwner, CWnd)
    ON_UPDATE_COMMAND_UI(ID_DISABLE, OnUpdateDisable)
    ON_UPDATE_COMMAND_UI(ID_CHECK_DISABLE, OnUpdateCheckDisable)
    ON_UPDATE_COMMAND_UI(ID_ENABLE_TEXT, OnUpdateEnableText)
    ON_UPDATE_COMMAND_UI(ID_CHILD, OnUpdateChild)
    ON_UPDATE_COMMAND_UI(ID_BAR_OWN, OnUpdateBarOwn)
END_MESSAGE_MAP()

// A probe bar whose own map answers for one id before the owner is asked.
class COwnMapBar : public CProbeBar
{
public:
    void OnUpdateBarOwn(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnMapBar, CProbeBar)
    ON_UPDATE_COMMAND_UI(ID_BAR_OWN, OnUpdateBarOwn)
END_MESSAGE_MAP()

// A manager that reports an active document template.
class CTemplateManager : public CRecordingManager
{
public:
    CDocTemplate* GetActiveDocTemplate() const override { return m_pTemplate; }
    CDocTemplate* m_pTemplate = nullptr;
};

// Keys by command id.
class CKeyTable : public CZMRBarManager::CShortcutSource
{
public:
    CString GetShortcutText(int nId) const override
    {
        auto it = m_keys.find(nId);
        return it == m_keys.end() ? CString() : it->second;
    }
    std::map<int, CString> m_keys;
};

// A bar of six probes with ids 100 to 105 on the recording site, and an
// owner with update handlers as its command receiver.
class CommandBarUpdateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pSite = CRecordingSiteFrame::Create();
        ASSERT_NE(m_pSite, nullptr);
        m_pManager = new CTemplateManager;
        ASSERT_TRUE(m_pManager->Attach(m_pSite));
        m_pTheme = new CFillTheme;
        m_pManager->SetPaintManager(m_pTheme);
        m_pTheme->InternalRelease();
        m_pBar = new COwnMapBar;
        m_pBar->SetBarManager(m_pManager);
        ASSERT_TRUE(m_pBar->Create(m_pSite, CRect(10, 10, 160, 34), 6));
        m_pBar->SetCommandReceiver(&m_owner);
    }
    void TearDown() override
    {
        if (m_pBar)
            m_pBar->InternalRelease();
        delete m_pManager;
        if (m_pSite && ::IsWindow(m_pSite->GetSafeHwnd()))
            m_pSite->DestroyWindow();
    }
    CZMRControl* Control(int nId) const { return m_pBar->GetControls()->FindControlById(nId); }
    void IdleUpdate() { m_pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0); }

    CRecordingSiteFrame* m_pSite = nullptr;
    CTemplateManager* m_pManager = nullptr;
    CFillTheme* m_pTheme = nullptr;
    COwnMapBar* m_pBar = nullptr;
    CUpdateOwner m_owner;
};
} // namespace

// ---------------------------------------------------------------- idle update

TEST_F(CommandBarUpdateTest, ControlsFollowTheOwnersUpdateHandlers)
{
    Control(ID_DISABLE)->SetChecked(TRUE);
    Control(ID_ENABLE_TEXT)->SetEnabled(FALSE);
    CWnd child;
    ASSERT_TRUE(child.Create(L"BUTTON", L"child", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 10, 10), m_pBar,
                             ID_CHILD));

    IdleUpdate();
    // Disabled before any check was set: the check goes too.
    EXPECT_EQ(FALSE, Control(ID_DISABLE)->GetEnabled());
    EXPECT_EQ(FALSE, Control(ID_DISABLE)->GetChecked());
    // Checked first, then disabled: the check stays.
    EXPECT_EQ(FALSE, Control(ID_CHECK_DISABLE)->GetEnabled());
    EXPECT_EQ(TRUE, Control(ID_CHECK_DISABLE)->GetChecked());
    EXPECT_EQ(TRUE, Control(ID_ENABLE_TEXT)->GetEnabled());
    EXPECT_STREQ(L"Renamed", Control(ID_ENABLE_TEXT)->GetCaption());
    // Nobody handles it and the manager disables such commands.
    EXPECT_EQ(FALSE, Control(ID_UNHANDLED)->GetEnabled());
    // The bar's own map answers before the owner, whose handler would enable it.
    EXPECT_EQ(FALSE, Control(ID_BAR_OWN)->GetEnabled());
    EXPECT_EQ(3, m_owner.m_nAsked);
    // Child windows of the bar are asked under their dialog ids.
    EXPECT_FALSE(child.IsWindowEnabled());
    child.DestroyWindow();
}

TEST_F(CommandBarUpdateTest, ActionBoundControlsLetTheirActionDecide)
{
    // An enabling handler leaves the control to its action (-1): the
    // action's disabled state shows through, where 1 would hide it.
    auto* pAction = new CZMRControlAction;
    pAction->SetID(ID_ENABLE_TEXT);
    pAction->SetEnabled(FALSE);
    CZMRControl* pControl = Control(ID_ENABLE_TEXT);
    pControl->SetAction(pAction);
    pControl->SetEnabled(TRUE);
    IdleUpdate();
    EXPECT_EQ(FALSE, pControl->GetEnabled());
    pAction->SetEnabled(TRUE);
    EXPECT_EQ(TRUE, pControl->GetEnabled());
    pControl->SetAction(nullptr);
    pAction->InternalRelease();
}

TEST_F(CommandBarUpdateTest, WhoIsAskedAndWhen)
{
    // A manual-update control, one without room on the bar and the
    // unhandled one with the disable option off keep their states.
    Control(ID_DISABLE)->SetFlags(zmrFlagManualUpdate);
    Control(ID_CHECK_DISABLE)->SetHideFlags(zmrHideWrap);
    m_pManager->GetOptions()->bDisableWithoutHandler = FALSE;
    IdleUpdate();
    EXPECT_EQ(TRUE, Control(ID_DISABLE)->GetEnabled());
    EXPECT_EQ(TRUE, Control(ID_CHECK_DISABLE)->GetEnabled());
    EXPECT_EQ(TRUE, Control(ID_UNHANDLED)->GetEnabled());
    // A control the program hid is still asked.
    Control(ID_CHECK_DISABLE)->SetHideFlags(zmrHideGeneric);
    IdleUpdate();
    EXPECT_EQ(FALSE, Control(ID_CHECK_DISABLE)->GetEnabled());

    // A popup tracked without notifications asks nobody; nor does a hidden bar.
    Control(ID_CHECK_DISABLE)->SetEnabled(TRUE);
    m_pBar->SetTrackFlags(zmrTrackNoNotify);
    IdleUpdate();
    EXPECT_EQ(TRUE, Control(ID_CHECK_DISABLE)->GetEnabled());
    m_pBar->SetTrackFlags(0);
    m_pBar->ShowWindow(SW_HIDE);
    IdleUpdate();
    EXPECT_EQ(TRUE, Control(ID_CHECK_DISABLE)->GetEnabled());
    m_pBar->ShowWindow(SW_SHOW);

    // In customize mode the owner is not asked; disabled controls come back.
    const int nAsked = m_owner.m_nAsked;
    m_pManager->SetCustomizeMode(m_pManager);
    Control(ID_ENABLE_TEXT)->SetEnabled(FALSE);
    IdleUpdate();
    EXPECT_EQ(nAsked, m_owner.m_nAsked);
    EXPECT_EQ(TRUE, Control(ID_ENABLE_TEXT)->GetEnabled());
    m_pManager->SetCustomizeMode(nullptr);
}

namespace
{
// A document child that disables one command.
class CDisablingChild : public CMDIChildWnd
{
public:
    int m_nAsked = 0;
    void OnUpdateDisable(CCmdUI* pCmdUI)
    {
        m_nAsked++;
        pCmdUI->Enable(FALSE);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDisablingChild, CMDIChildWnd)
    ON_UPDATE_COMMAND_UI(ID_DISABLE, OnUpdateDisable)
END_MESSAGE_MAP()

} // namespace

TEST(CommandBarUpdateMdi, OneQueryForTheActiveChildPerPassAndItsHandlersStillAnswer)
{
    CFrameHost* pHost = CFrameHost::Create();
    ASSERT_NE(nullptr, pHost);
    auto* pChild = new CDisablingChild;
    ASSERT_TRUE(pChild->Create(nullptr, L"Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               pHost, nullptr));
    ASSERT_EQ(pChild, pHost->MDIGetActive());
    {
        CZMRBarManager manager;
        ASSERT_TRUE(manager.Attach(pHost));
        auto* pBar = new CProbeBar;
        pBar->SetBarManager(&manager);
        ASSERT_TRUE(pBar->Create(pHost, CRect(10, 10, 160, 34), 6));
        const int nAsked =
            pHost->CountActiveChildQueries([&] { pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0); });
        EXPECT_EQ(1, nAsked) << "six controls, one query";
        EXPECT_EQ(1, pChild->m_nAsked);
        EXPECT_EQ(FALSE, pBar->GetControls()->FindControlById(ID_DISABLE)->GetEnabled());
        // Nobody handles the others: the disable option turns them off.
        EXPECT_EQ(FALSE, pBar->GetControls()->FindControlById(ID_UNHANDLED)->GetEnabled());
        pBar->InternalRelease();
    }
    pHost->DestroyWindow();
}

TEST_F(CommandBarUpdateTest, IdleUpdateRunsThePendingLayout)
{
    m_pBar->DelayLayout();
    IdleUpdate();
    EXPECT_FALSE(m_pBar->IsLayoutPending());
}

TEST_F(CommandBarUpdateTest, DocumentTemplatesShowAndHideControls)
{
    CMultiDocTemplate active(7, nullptr, nullptr, nullptr);
    struct
    {
        int nAssigned, nExcluded;   // 0: no list
        DWORD dwHideBefore;
        bool bHidden;
    } cases[] = {
        {0, 0, 0, false},
        {7, 0, 0, false},
        {8, 0, 0, true},
        {0, 7, 0, true},
        {0, 8, 0, false},
        {7, 0, zmrHideDocTemplate, false},   // shown again
        {8, 0, zmrHideGeneric, true},        // other reasons stay
    };
    for (const auto& c : cases)
    {
        CZMRControl* pControl = Control(ID_DISABLE);
        pControl->GetAssignedDocTemplates().RemoveAll();
        pControl->GetExcludedDocTemplates().RemoveAll();
        if (c.nAssigned)
            pControl->GetAssignedDocTemplates().SetAt(c.nAssigned, TRUE);
        if (c.nExcluded)
            pControl->GetExcludedDocTemplates().SetAt(c.nExcluded, TRUE);
        pControl->SetHideFlags(c.dwHideBefore);

        // Without an active template nothing changes.
        m_pManager->m_pTemplate = nullptr;
        IdleUpdate();
        EXPECT_EQ(c.dwHideBefore, pControl->GetHideFlags());
        EXPECT_FALSE(m_pBar->IsLayoutPending());

        // A change asks for a layout.
        m_pManager->m_pTemplate = &active;
        m_pBar->UpdateDocTemplateVisibility();
        const DWORD dwExpected = (c.dwHideBefore & ~DWORD(zmrHideDocTemplate)) | (c.bHidden ? zmrHideDocTemplate : 0);
        EXPECT_EQ(dwExpected, pControl->GetHideFlags()) << c.nAssigned << "/" << c.nExcluded;
        EXPECT_EQ(dwExpected != c.dwHideBefore, bool(m_pBar->IsLayoutPending())) << c.nAssigned << "/" << c.nExcluded;
    }
    m_pManager->m_pTemplate = nullptr;
}

TEST_F(CommandBarUpdateTest, ShortcutTextsComeFromTheManagersSource)
{
    Control(ID_DISABLE)->SetCaption(L"&Open\tCtrl+O");
    Control(ID_UNHANDLED)->SetCaption(L"&Save\tCtrl+S");
    Control(ID_CHILD)->SetID(0);
    Control(0)->SetShortcutTextAuto(L"F1");
    // Without a source the texts the captions gave stay.
    m_pBar->UpdateShortcutTexts();
    EXPECT_STREQ(L"Ctrl+O", Control(ID_DISABLE)->GetShortcutTextAuto());

    CKeyTable keys;
    keys.m_keys[ID_DISABLE] = L"Ctrl+Shift+O";
    m_pManager->SetShortcutSource(&keys);
    m_pManager->GetOptions()->bAutoUpdateShortcuts = FALSE;
    m_pBar->UpdateShortcutTexts();
    EXPECT_STREQ(L"Ctrl+O", Control(ID_DISABLE)->GetShortcutTextAuto());

    m_pManager->GetOptions()->bAutoUpdateShortcuts = TRUE;
    m_pBar->UpdateShortcutTexts();
    EXPECT_STREQ(L"Ctrl+Shift+O", Control(ID_DISABLE)->GetShortcutTextAuto());
    EXPECT_STREQ(L"", Control(ID_UNHANDLED)->GetShortcutTextAuto());
    EXPECT_STREQ(L"", Control(0)->GetShortcutTextAuto());
    m_pManager->SetShortcutSource(nullptr);
}

// ---------------------------------------------------------------- customize drop target

namespace
{
class CRibbonLikeBar : public CProbeBar
{
public:
    BOOL IsRibbonBar() const override { return TRUE; }
};

struct CControlReleaser
{
    void operator()(CZMRControl* p) const { p->InternalRelease(); }
};
using ControlRef = std::unique_ptr<CZMRControl, CControlReleaser>;
} // namespace

TEST_F(CommandBarUpdateTest, InsertionMarkShowsWhereTheControlWouldLand)
{
    // Probes are 20 px apart by 4 along the bar: probe i spans 4 + 24 i to
    // 24 + 24 i. In a column (left side, popups) the same along y.
    struct
    {
        int nPosition, nType, nGroupStart;
        CPoint pt;
        CRect rcMark;
    } cases[] = {
        // Between two controls the mark straddles the gap.
        {zmrBarTop, zmrBarTypeNormal, -1, CPoint(30, 12), CRect(25, 2, 31, 22)},
        {zmrBarTop, zmrBarTypeNormal, -1, CPoint(45, 12), CRect(45, 2, 51, 22)},
        // Before the first, after the last, and at a group start it keeps inside.
        {zmrBarTop, zmrBarTypeNormal, -1, CPoint(5, 12), CRect(4, 2, 10, 22)},
        {zmrBarTop, zmrBarTypeNormal, -1, CPoint(149, 12), CRect(138, 2, 144, 22)},
        {zmrBarTop, zmrBarTypeNormal, 2, CPoint(53, 12), CRect(52, 2, 58, 22)},
        {zmrBarTop, zmrBarTypeNormal, 2, CPoint(45, 12), CRect(42, 2, 48, 22)},
        // Columns: a horizontal mark.
        {zmrBarLeft, zmrBarTypeNormal, -1, CPoint(12, 30), CRect(2, 25, 22, 31)},
        {zmrBarRight, zmrBarTypeNormal, -1, CPoint(12, 149), CRect(2, 138, 22, 144)},
        {zmrBarNone, zmrBarTypePopup, 2, CPoint(12, 53), CRect(2, 52, 22, 58)},
    };
    ControlRef pDragged(new CFixedControl);
    for (const auto& c : cases)
    {
        const bool bColumn = c.nPosition == zmrBarLeft || c.nPosition == zmrBarRight || c.nType == zmrBarTypePopup;
        m_pBar->SetPosition(c.nPosition);
        m_pBar->SetType(c.nType);
        for (int i = 0; i < m_pBar->GetControlCount(); i++)
        {
            const CRect rcSlot = CProbeBar::Slot(i);
            const CRect rcColumn(rcSlot.top, rcSlot.left, rcSlot.bottom, rcSlot.right);
            m_pBar->GetControl(i)->SetRect(bColumn ? rcColumn : rcSlot);
            m_pBar->GetControl(i)->SetBeginGroup(i == c.nGroupStart);
        }
        EXPECT_EQ(DROPEFFECT(DROPEFFECT_MOVE), m_pBar->OnControlDragOver(pDragged.get(), c.pt));
        EXPECT_EQ(c.rcMark, m_pBar->GetInsertionMark()) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(!bColumn, bool(m_pBar->IsInsertionMarkVertical()));
    }

    // Over the dragged control itself there is no mark; leaving clears it.
    m_pBar->SetType(zmrBarTypeNormal);
    m_pBar->SetPosition(zmrBarTop);
    for (int i = 0; i < m_pBar->GetControlCount(); i++)
        m_pBar->GetControl(i)->SetRect(CProbeBar::Slot(i));
    m_pBar->OnControlDragOver(m_pBar->GetControl(1), CPoint(30, 12));
    EXPECT_TRUE(m_pBar->GetInsertionMark().IsRectEmpty());
    m_pBar->OnControlDragEnter(pDragged.get(), CPoint(30, 12));
    EXPECT_FALSE(m_pBar->GetInsertionMark().IsRectEmpty());
    m_pBar->OnControlDragLeave();
    EXPECT_TRUE(m_pBar->GetInsertionMark().IsRectEmpty());

    // A bar that may not be customized refuses.
    m_pBar->SetCustomizable(FALSE);
    EXPECT_EQ(DROPEFFECT(DROPEFFECT_NONE), m_pBar->OnControlDragEnter(pDragged.get(), CPoint(30, 12)));
    EXPECT_TRUE(m_pBar->GetInsertionMark().IsRectEmpty());
}

TEST_F(CommandBarUpdateTest, InsertionMarkIsAnInvertedBeamDrawnInCustomizeMode)
{
    m_pBar->SetBarStyle(0);   // no gripper
    ControlRef pDragged(new CFixedControl);
    m_pBar->OnControlDragOver(pDragged.get(), CPoint(30, 12));
    ASSERT_EQ(CRect(25, 2, 31, 22), m_pBar->GetInsertionMark());

    const COLORREF clrBack = m_pTheme->m_clrBack;
    const COLORREF clrFace = GetColorManager()->GetColor(COLOR_3DFACE);
    const COLORREF clrInverted = RGB(GetRValue(clrBack) ^ GetRValue(clrFace), GetGValue(clrBack) ^ GetGValue(clrFace),
                                     GetBValue(clrBack) ^ GetBValue(clrFace));
    CPixelCanvas plain(150, 24);
    m_pBar->SendMessage(WM_PRINTCLIENT, WPARAM(plain.DC()->GetSafeHdc()), PRF_CLIENT);
    EXPECT_EQ(clrBack, plain.Pixel(27, 10)) << "no mark outside customize mode";

    m_pManager->SetCustomizeMode(m_pManager);
    CPixelCanvas custom(150, 24);
    m_pBar->SendMessage(WM_PRINTCLIENT, WPARAM(custom.DC()->GetSafeHdc()), PRF_CLIENT);
    m_pManager->SetCustomizeMode(nullptr);
    EXPECT_EQ(clrInverted, custom.Pixel(27, 10)) << "stem";
    EXPECT_EQ(clrInverted, custom.Pixel(25, 2)) << "top cap";
    EXPECT_EQ(clrInverted, custom.Pixel(26, 21)) << "bottom cap";
    EXPECT_EQ(clrBack, custom.Pixel(25, 10)) << "beside the stem";
    EXPECT_EQ(RGB(0, 0, 255), custom.Pixel(31, 10)) << "the control just past the mark";
}

TEST_F(CommandBarUpdateTest, EmptyBarsAndListControls)
{
    ControlRef pDragged(new CFixedControl);
    auto* pEmpty = new CProbeBar;
    ASSERT_TRUE(pEmpty->Create(m_pSite, CRect(10, 50, 130, 74), 0));
    EXPECT_EQ(DROPEFFECT(DROPEFFECT_MOVE), pEmpty->OnControlDragOver(pDragged.get(), CPoint(60, 12)));
    EXPECT_EQ(CRect(2, 2, 8, 22), pEmpty->GetInsertionMark());
    pEmpty->InternalRelease();

    auto* pRibbon = new CRibbonLikeBar;
    ASSERT_TRUE(pRibbon->Create(m_pSite, CRect(10, 80, 130, 104), 0));
    pRibbon->OnControlDragOver(pDragged.get(), CPoint(60, 12));
    EXPECT_TRUE(pRibbon->GetInsertionMark().IsRectEmpty());
    pRibbon->InternalRelease();

    // List controls belong in menus: refused elsewhere, without a mark.
    ControlRef pWindowList(new CZMRControlWindowList);
    ControlRef pRecentFiles(new CZMRControlRecentFileList);
    for (CZMRControl* pList : {pWindowList.get(), pRecentFiles.get()})
    {
        m_pBar->SetType(zmrBarTypeNormal);
        EXPECT_EQ(DROPEFFECT(DROPEFFECT_NONE), m_pBar->OnControlDragOver(pList, CPoint(30, 12)));
        EXPECT_TRUE(m_pBar->GetInsertionMark().IsRectEmpty());
        m_pBar->SetType(zmrBarTypePopup);
        EXPECT_NE(DROPEFFECT(DROPEFFECT_NONE), m_pBar->OnControlDragOver(pList, CPoint(12, 30)));
    }
}

TEST_F(CommandBarUpdateTest, DropInsertsACopyThatTakesOverTheGroupStart)
{
    m_pBar->GetControl(2)->SetBeginGroup(TRUE);
    ControlRef pDragged(new CFixedControl);
    pDragged->SetID(900);
    m_pBar->OnControlDragOver(pDragged.get(), CPoint(53, 12));
    ASSERT_FALSE(m_pBar->GetInsertionMark().IsRectEmpty());

    DROPEFFECT dropEffect = DROPEFFECT_MOVE;
    EXPECT_TRUE(m_pBar->OnControlDrop(pDragged.get(), dropEffect, CPoint(53, 12), CPoint(300, 300)));
    ASSERT_EQ(7, m_pBar->GetControlCount());
    CZMRControl* pCopy = m_pBar->GetControl(2);
    EXPECT_NE(pDragged.get(), pCopy);
    EXPECT_EQ(900, pCopy->GetID());
    EXPECT_TRUE(pCopy->GetBeginGroup());
    EXPECT_FALSE(m_pBar->GetControl(3)->GetBeginGroup());
    EXPECT_EQ(pCopy, m_pManager->GetCustomizeSelection());
    EXPECT_EQ(DROPEFFECT(DROPEFFECT_MOVE), dropEffect);
    EXPECT_TRUE(m_pBar->GetInsertionMark().IsRectEmpty());
    m_pManager->SetCustomizeSelection(nullptr);
}

TEST_F(CommandBarUpdateTest, DropOnItsOwnPlaceOnlyMovesTheGroupStart)
{
    CZMRControl* pProbe = m_pBar->GetControl(1);   // 28 to 48
    struct
    {
        CPoint ptDrop, ptDrag;
        BOOL bBeginGroup;
    } cases[] = {
        {CPoint(30, 12), CPoint(33, 15), FALSE},   // 4 px: nothing
        {CPoint(45, 12), CPoint(38, 12), TRUE},    // forward: starts a group
        {CPoint(45, 12), CPoint(42, 12), TRUE},    // 3 px: stays
        {CPoint(30, 12), CPoint(38, 12), FALSE},   // back: joins the one before
    };
    for (const auto& c : cases)
    {
        DROPEFFECT dropEffect = DROPEFFECT_MOVE;
        m_pBar->OnControlDrop(pProbe, dropEffect, c.ptDrop, c.ptDrag);
        EXPECT_EQ(DROPEFFECT(CZMRControlDragHelper::dropCancelled), dropEffect);
        EXPECT_EQ(6, m_pBar->GetControlCount());
        EXPECT_EQ(pProbe, m_pBar->GetControl(1));
        EXPECT_EQ(c.bBeginGroup, pProbe->GetBeginGroup()) << c.ptDrop.x << " from " << c.ptDrag.x;
    }

    // A list control dropped on a tool bar stays where it was.
    ControlRef pWindowList(new CZMRControlWindowList);
    DROPEFFECT dropEffect = DROPEFFECT_MOVE;
    EXPECT_FALSE(m_pBar->OnControlDrop(pWindowList.get(), dropEffect, CPoint(30, 12), CPoint(0, 0)));
    EXPECT_EQ(DROPEFFECT(CZMRControlDragHelper::dropCancelled), dropEffect);
    EXPECT_EQ(6, m_pBar->GetControlCount());
}

// ---------------------------------------------------------------- accessibility and help

namespace
{
VARIANT Child(long nChild)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

long LongOf(HRESULT hr, const VARIANT& var)
{
    return SUCCEEDED(hr) && var.vt == VT_I4 ? var.lVal : -1;
}

CString NameOf(IAccessible* pAccessible, long nChild)
{
    BSTR bstr = nullptr;
    CString str;
    if (SUCCEEDED(pAccessible->get_accName(Child(nChild), &bstr)) && bstr)
        str = bstr;
    ::SysFreeString(bstr);
    return str;
}

class CComScope
{
public:
    CComScope() { ::CoInitialize(nullptr); }
    ~CComScope() { ::CoUninitialize(); }
};

// The object a WM_GETOBJECT answer stands for. Bound at run time, as the
// toolkit binds the accessibility library: its import library would also
// bind the accessibility interface id to a stub of the library's export.
HRESULT ObjectFromAnswer(LRESULT lResult, IAccessible** ppAccessible)
{
    HMODULE hOleAcc = ::LoadLibraryW(L"oleacc.dll");
    auto pfn = reinterpret_cast<HRESULT(WINAPI*)(LRESULT, REFIID, WPARAM, void**)>(
        reinterpret_cast<void*>(::GetProcAddress(hOleAcc, "ObjectFromLresult")));
    return pfn ? pfn(lResult, IID_IAccessible, 0, reinterpret_cast<void**>(ppAccessible)) : E_FAIL;
}
} // namespace

TEST_F(CommandBarUpdateTest, AccessibilityAnswersForTheBarAndItsControls)
{
    CComScope com;
    IAccessible* pAccessible = m_pBar->GetAccessibleInterface();
    VARIANT var;

    struct
    {
        int nType;
        long lRole;
    } roles[] = {{zmrBarTypeMenuBar, ROLE_SYSTEM_MENUBAR},
                 {zmrBarTypeNormal, ROLE_SYSTEM_TOOLBAR},
                 {zmrBarTypePopup, ROLE_SYSTEM_MENUPOPUP}};
    for (const auto& r : roles)
    {
        m_pBar->SetType(r.nType);
        EXPECT_EQ(r.lRole, LongOf(pAccessible->get_accRole(Child(0), &var), var));
        EXPECT_EQ(ROLE_SYSTEM_MENUITEM, LongOf(pAccessible->get_accRole(Child(1), &var), var));
    }
    m_pBar->SetType(zmrBarTypeNormal);

    long nCount = 0;
    EXPECT_EQ(S_OK, pAccessible->get_accChildCount(&nCount));
    EXPECT_EQ(6, nCount);
    IDispatch* pChild = nullptr;
    ASSERT_EQ(S_OK, pAccessible->get_accChild(Child(2), &pChild));
    EXPECT_EQ(static_cast<IDispatch*>(m_pBar->GetControl(1)->GetAccessibleInterface()), pChild);
    pChild->Release();
    EXPECT_EQ(E_INVALIDARG, pAccessible->get_accChild(Child(7), &pChild));

    m_pBar->SetTitle(L"Standard");
    m_pBar->GetControl(0)->SetCaption(L"&Open");
    m_pBar->GetControl(0)->SetShortcutText(L"Ctrl+O");
    EXPECT_STREQ(L"Standard", NameOf(pAccessible, 0));
    EXPECT_STREQ(L"Open\tCtrl+O", NameOf(pAccessible, 1));

    m_pBar->SetHotControl(1);
    EXPECT_EQ(0, LongOf(pAccessible->get_accState(Child(0), &var), var));
    EXPECT_EQ(0x300000, LongOf(pAccessible->get_accState(Child(1), &var), var));
    EXPECT_EQ(0x300086, LongOf(pAccessible->get_accState(Child(2), &var), var));
    m_pBar->SetHotControl(-1);

    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    long x, y, cx, cy;
    EXPECT_EQ(S_OK, pAccessible->accLocation(&x, &y, &cx, &cy, Child(0)));
    EXPECT_EQ(rcWindow, CRect(x, y, x + cx, y + cy));
    EXPECT_EQ(S_OK, pAccessible->accLocation(&x, &y, &cx, &cy, Child(2)));
    CRect rcSlot = CProbeBar::Slot(1);
    rcSlot.OffsetRect(rcWindow.TopLeft());
    EXPECT_EQ(rcSlot, CRect(x, y, x + cx, y + cy));

    // Hit tests: outside, on a control, on the bar between controls.
    EXPECT_EQ(S_FALSE, pAccessible->accHitTest(rcWindow.left - 5, rcWindow.top + 5, &var));
    EXPECT_EQ(VT_EMPTY, var.vt);
    ASSERT_EQ(S_OK, pAccessible->accHitTest(rcSlot.left + 5, rcSlot.top + 5, &var));
    ASSERT_EQ(VT_DISPATCH, var.vt);
    EXPECT_EQ(static_cast<IDispatch*>(m_pBar->GetControl(1)->GetAccessibleInterface()), var.pdispVal);
    ::VariantClear(&var);
    ASSERT_EQ(S_OK, pAccessible->accHitTest(rcWindow.right - 2, rcWindow.top + 12, &var));
    EXPECT_EQ(0, LongOf(S_OK, var));

    m_pBar->ShowWindow(SW_HIDE);
    EXPECT_EQ(STATE_SYSTEM_INVISIBLE, LongOf(pAccessible->get_accState(Child(0), &var), var));
    m_pBar->ShowWindow(SW_SHOW);

    // A popup's parent is its opener control.
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
    pPopup->SetControlPopup(m_pBar->GetControl(0));
    IDispatch* pParent = nullptr;
    ASSERT_EQ(S_OK, pPopup->GetAccessibleInterface()->get_accParent(&pParent));
    EXPECT_EQ(static_cast<IDispatch*>(m_pBar->GetControl(0)->GetAccessibleInterface()), pParent);
    pParent->Release();
    pPopup->SetControlPopup(nullptr);
    pPopup->InternalRelease();
}

TEST_F(CommandBarUpdateTest, GetObjectAnswersForTheBarAndForControlsById)
{
    CComScope com;
    m_pBar->SetTitle(L"Standard");
    m_pBar->GetControl(1)->SetCaption(L"&Save");
    struct
    {
        LONG nObjectId;
        LPCTSTR lpszName;   // null: not answered by the bar
    } cases[] = {
        {OBJID_CLIENT, L"Standard"},
        {OBJID_MENU, L"Standard"},
        {ID_CHECK_DISABLE, L"Save"},
    };
    for (const auto& c : cases)
    {
        const LRESULT lResult = m_pBar->SendMessage(WM_GETOBJECT, 0, LPARAM(DWORD(c.nObjectId)));
        ASSERT_GT(lResult, 0) << c.nObjectId;
        IAccessible* pAccessible = nullptr;
        ASSERT_EQ(S_OK, ObjectFromAnswer(lResult, &pAccessible));
        EXPECT_STREQ(c.lpszName, NameOf(pAccessible, 0));
        pAccessible->Release();
    }
    EXPECT_EQ(LRESULT(E_FAIL), m_pBar->SendMessage(WM_GETOBJECT, 0, 999));
}

TEST_F(CommandBarUpdateTest, ContextHelpNamesControlsAndTheBar)
{
    m_pBar->GetControl(0)->SetHelpId(55);
    EXPECT_EQ(HID_BASE_COMMAND + 55, m_pBar->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(10, 10)));
    EXPECT_EQ(HID_BASE_COMMAND + ID_CHECK_DISABLE, m_pBar->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(30, 10)));
    EXPECT_EQ(0, m_pBar->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(148, 10)));
    m_pBar->SetDlgCtrlID(0x123);
    EXPECT_EQ(HID_BASE_CONTROL + 0x123, m_pBar->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(148, 10)));

    // In help mode a popup without a command stands for its menu, and a
    // non-client click is a click.
    m_pBar->GetControl(5)->SetVisible(FALSE);
    CZMRControl* pPopup = m_pBar->GetControls()->Add(zmrControlPopup, 0);
    pPopup->SetRect(CProbeBar::Slot(5));
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    auto ncHit = [&](CPoint ptClient) {
        return m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + ptClient.x, rcWindow.top + ptClient.y));
    };
    m_pSite->m_bHelpMode = HELP_ACTIVE;
    EXPECT_EQ(HTMENU, ncHit(CPoint(130, 10)));
    EXPECT_EQ(HTCLIENT, ncHit(CPoint(10, 10)));
    pPopup->SetID(7);
    EXPECT_EQ(HTCLIENT, ncHit(CPoint(130, 10)));
    m_pBar->Probe(0)->TakeCalls();
    m_pBar->SendMessage(WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(rcWindow.left + 10, rcWindow.top + 10));
    EXPECT_EQ(std::vector<std::string>{"click"}, m_pBar->Probe(0)->TakeCalls());
    m_pSite->m_bHelpMode = HELP_INACTIVE;
}
