// The control base: which texts, images and styles a control shows for its
// own, its action's and its bar's values; binding, copy and compare;
// execution and notifications; selection; accessibility.
#include "CommandBarsTestSupport.h"
#include "CommandBarsTestResources.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRControlAction.h"
#include "CZMRControlActions.h"
#include "CZMRControlPopup.h"
#include "CZMRControlCheckBox.h"
#include "CZMRBarManager.h"
#include "CZMRImageManager.h"
#include "CZMRControlDragHelper.h"
#include "CTestInput.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
// A control released when the test ends, unless a collection took it.
struct CControlDeleter
{
    void operator()(CZMRControl* p) const { p->InternalRelease(); }
};
using ControlPtr = std::unique_ptr<CZMRControl, CControlDeleter>;

struct CActionDeleter
{
    void operator()(CZMRControlAction* p) const { p->InternalRelease(); }
};
using ActionPtr = std::unique_ptr<CZMRControlAction, CActionDeleter>;

ActionPtr MakeAction(int nId, LPCTSTR lpszCaption, LPCTSTR lpszTooltip)
{
    ActionPtr pAction(new CZMRControlAction);
    pAction->SetID(nId);
    pAction->SetCaption(lpszCaption);
    pAction->SetTooltip(lpszTooltip);
    return pAction;
}
}

// ---------------------------------------------------------------- resolution

TEST(ControlResolution, CaptionTooltipDescriptionAndKeyboardTip)
{
    // Own value, action's value: the own one wins; without it the action's;
    // an action without a caption lends its tooltip as caption.
    struct
    {
        LPCTSTR own, custom, actionCaption, actionTooltip, expected;
        bool bAction;
    } captions[] = {
        {L"Own", L"", L"Action", L"Tip", L"Own", true},
        {L"Own", L"Custom", L"Action", L"Tip", L"Custom", true},
        {L"", L"", L"Action", L"Tip", L"Action", true},
        {L"", L"", L"", L"Tip", L"Tip", true},
        {L"", L"", L"", L"", L"", false},
    };
    for (const auto& c : captions)
    {
        ActionPtr pAction = MakeAction(10, c.actionCaption, c.actionTooltip);
        ControlPtr pControl(new CZMRControl);
        if (c.bAction)
            pControl->SetAction(pAction.get());
        pControl->SetCaption(c.own);
        pControl->SetCustomCaption(c.custom);
        EXPECT_STREQ(pControl->GetCaption(), c.expected) << c.own << "/" << c.actionCaption;
    }

    ActionPtr pAction = MakeAction(10, L"", L"Action tip");
    pAction->SetDescription(L"Action description");
    pAction->SetKeyboardTip(L"A");
    ControlPtr pControl(new CZMRControl);
    pControl->SetAction(pAction.get());
    EXPECT_STREQ(pControl->GetTooltip(), L"Action tip");
    EXPECT_STREQ(pControl->GetDescription(), L"Action description");
    EXPECT_STREQ(pControl->GetKeyboardTip(), L"A");
    pControl->SetTooltip(L"Own tip");
    pControl->SetDescription(L"Own description");
    pControl->SetKeyboardTip(L"O");
    EXPECT_STREQ(pControl->GetTooltip(), L"Own tip");
    EXPECT_STREQ(pControl->GetDescription(), L"Own description");
    EXPECT_STREQ(pControl->GetKeyboardTip(), L"O");
}

TEST(ControlResolution, ShortcutText)
{
    // The explicit shortcut wins over the action's, which wins over the one
    // taken from the caption after a TAB.
    struct
    {
        LPCTSTR own, action, caption, expected;
    } cases[] = {
        {L"Ctrl+O", L"Ctrl+A", L"Open\tCtrl+T", L"Ctrl+O"},
        {L"", L"Ctrl+A", L"Open\tCtrl+T", L"Ctrl+A"},
        {L"", L"", L"Open\tCtrl+T", L"Ctrl+T"},
        {L"", L"", L"Open", L""},
    };
    for (const auto& c : cases)
    {
        ActionPtr pAction = MakeAction(10, L"", L"");
        pAction->SetShortcutText(c.action);
        ControlPtr pControl(new CZMRControl);
        pControl->SetAction(pAction.get());
        pControl->SetCaption(c.caption);
        pControl->SetShortcutText(c.own);
        EXPECT_STREQ(pControl->GetShortcutText(), c.expected) << c.caption;
        EXPECT_STREQ(pControl->GetCaption(), L"Open");
    }
}

TEST(ControlResolution, ImageId)
{
    struct
    {
        int nCustom, nIconId, nId;
        bool bAction;
        int nActionIconId, nActionId, nExpected;
    } cases[] = {
        {7, 5, 3, true, 9, 4, 7},     // the user's image first
        {0, 5, 3, true, 9, 4, 5},     // then the control's icon id
        {0, 0, 3, true, 9, 4, 9},     // then the action's icon id
        {0, -1, 3, true, 0, 4, 4},    // then the action's id
        {0, 0, 3, false, 0, 0, 3},    // without an action the control's id
        {0, 0, 0, false, 0, 0, 0},    // none
    };
    for (const auto& c : cases)
    {
        ActionPtr pAction = MakeAction(c.nActionId, L"", L"");
        pAction->SetIconId(c.nActionIconId);
        ControlPtr pControl(new CZMRControl);
        pControl->SetID(c.nId);
        if (c.bAction)
            pControl->SetAction(pAction.get());
        pControl->SetIconId(c.nIconId);
        pControl->SetCustomIconId(c.nCustom);
        EXPECT_EQ(pControl->GetIconId(), c.nExpected) << c.nCustom << "," << c.nIconId << "," << c.nId;
    }
}

TEST(ControlResolution, ButtonStyle)
{
    struct
    {
        int nCustom, nStyle, nOwner, nBarDefault, nExpected;
    } cases[] = {
        {2, 3, 4, 1, 2}, {-1, 3, 4, 1, 3}, {-1, 0, 4, 1, 4}, {-1, 0, 0, 1, 1}, {-1, 0, 0, 0, 0},
    };
    for (const auto& c : cases)
    {
        CBarFixture bar;
        bar.m_pBar->SetDefaultButtonStyle(c.nBarDefault);
        CZMRControl* pControl = bar.Add(20, 20);
        pControl->SetCustomStyle(c.nCustom);
        pControl->SetStyle(c.nStyle);
        pControl->SetOwnerStyle(c.nOwner);
        EXPECT_EQ(pControl->GetStyle(), c.nExpected) << c.nCustom << "," << c.nStyle << "," << c.nOwner;
    }
}

TEST(ControlResolution, CaptionVisibility)
{
    struct
    {
        int nBarType, nStyle, nType;
        bool bImage;
        LPCTSTR caption;
        BOOL bExpected;
    } cases[] = {
        {zmrBarTypePopup, zmrButtonIcon, zmrControlButton, true, L"", TRUE},   // always on popups
        {zmrBarTypeNormal, zmrButtonCaption, zmrControlButton, true, L"", FALSE},   // never without text
        {zmrBarTypeNormal, zmrButtonIcon, zmrControlCheckBox, false, L"A", FALSE},
        {zmrBarTypeNormal, zmrButtonIconAndCaptionBelow, zmrControlButton, true, L"A", TRUE},
        {zmrBarTypeNormal, zmrButtonAutomatic, zmrControlButton, true, L"A", FALSE},
        {zmrBarTypeNormal, zmrButtonAutomatic, zmrControlButton, false, L"A", TRUE},
        {zmrBarTypeNormal, zmrButtonAutomatic, zmrControlSplitButtonPopup, true, L"A", FALSE},
        {zmrBarTypeNormal, zmrButtonAutomatic, zmrControlCheckBox, true, L"A", TRUE},
        {zmrBarTypeNormal, zmrButtonAutomatic, zmrControlPopup, true, L"A", TRUE},
        {zmrBarTypeNormal, zmrButtonAutomatic, zmrControlEdit, false, L"A", FALSE},
    };
    for (const auto& c : cases)
    {
        CBarFixture bar;
        bar.m_pBar->SetType(c.nBarType);
        CZMRImageManager* pImages = new CZMRImageManager;
        bar.m_pBar->SetImageManager(pImages);
        pImages->InternalRelease();
        CZMRControl* pControl = bar.m_pBar->GetControls()->Add(c.nType, 100);
        ASSERT_TRUE(pControl);
        if (c.bImage)
        {
            CZMRIconHandle handle;
            handle.SetIcon(::LoadIcon(nullptr, IDI_APPLICATION));
            ASSERT_TRUE(pImages->SetIcon(handle, 100, 16, 16, ZMR_ICONSTATE_NORMAL));
        }
        pControl->SetCaption(c.caption);
        pControl->SetStyle(c.nStyle);
        EXPECT_EQ(pControl->IsCaptionVisible(), c.bExpected)
            << "bar " << c.nBarType << " style " << c.nStyle << " type " << c.nType;
    }
}

TEST(ControlResolution, EnabledCheckedAndVisible)
{
    CBarFixture bar;
    CZMRBarManager* pManager = new CZMRBarManager;
    bar.m_pBar->SetBarManager(pManager);
    CZMRControl* pControl = bar.Add(20, 20);
    CZMRControlAction* pAction = pManager->GetAction(100);
    pControl->SetAction(pAction);

    pAction->SetEnabled(FALSE);
    pAction->SetChecked(TRUE);
    EXPECT_EQ(pControl->GetEnabled(), FALSE);
    EXPECT_EQ(pControl->GetChecked(), TRUE);
    // In customize mode a control that follows its action is enabled.
    pManager->SetCustomizeMode(pManager);
    EXPECT_EQ(pControl->GetEnabled(), TRUE);
    pManager->SetCustomizeMode(nullptr);
    // Own states win over the action's.
    pControl->SetEnabled(TRUE);
    pControl->SetChecked(FALSE);
    EXPECT_EQ(pControl->GetEnabled(), TRUE);
    EXPECT_EQ(pControl->GetChecked(), FALSE);

    // Visible when no hide bit outside the mask is set and the action is.
    struct
    {
        DWORD dwHide, dwMask;
        BOOL bActionVisible, bExpected;
    } cases[] = {
        {0, 0, TRUE, TRUE}, {0, 0, FALSE, FALSE}, {zmrHideWrap, 0, TRUE, FALSE}, {zmrHideWrap, zmrHideWrap, TRUE, TRUE},
        {zmrHideWrap | zmrHideGeneric, zmrHideWrap, TRUE, FALSE}, {0x29, 0x29, TRUE, TRUE},
    };
    for (const auto& c : cases)
    {
        pAction->SetVisible(c.bActionVisible);
        pControl->SetHideFlags(c.dwHide);
        EXPECT_EQ(pControl->IsVisible(c.dwMask), c.bExpected) << c.dwHide << "/" << c.dwMask;
    }
    pControl->SetHideFlags(0);

    bar.m_pBar->GetControls()->RemoveAll();
    pManager->InternalRelease();
}

// ---------------------------------------------------------------- texts

TEST(ControlTexts, PromptSplitter)
{
    struct
    {
        LPCTSTR prompt, ownCaption, caption, tooltip, description, keyboardTip;
    } cases[] = {
        {L"Description\nTooltip", L"", L"Tooltip", L"Tooltip", L"Description", L""},
        {L"Description\nTooltip\nCaption\nK", L"", L"Caption", L"Tooltip", L"Description", L"K"},
        {L"Whole", L"", L"Whole", L"Whole", L"Whole", L""},
        {L"Description\nTooltip\nCaption", L"Mine", L"Mine", L"Tooltip", L"Description", L""},
        {L"", L"Mine", L"Mine", L"", L"", L""},
    };
    for (const auto& c : cases)
    {
        ControlPtr pControl(new CZMRControl);
        pControl->SetCaption(c.ownCaption);
        pControl->SetPrompt(c.prompt);
        EXPECT_STREQ(pControl->GetCaption(), c.caption) << c.prompt;
        EXPECT_STREQ(pControl->GetTooltip(), c.tooltip) << c.prompt;
        EXPECT_STREQ(pControl->GetDescription(), c.description) << c.prompt;
        EXPECT_STREQ(pControl->GetKeyboardTip(), c.keyboardTip) << c.prompt;
    }
}

TEST(ControlTexts, TheIdLoadsItsPromptAndTheCaptionItsShortcut)
{
    CBarFixture bar;
    CZMRControl* pControl = bar.Add(20, 20);
    pControl->SetID(ID_TEST_NEW);
    EXPECT_STREQ(pControl->GetTooltip(), L"New document");
    EXPECT_STREQ(pControl->GetDescription(), L"Creates a document");
    EXPECT_STREQ(pControl->GetCaption(), L"New document");

    // A caption with a TAB: the rest is the automatic shortcut; each change
    // marks the bar's layout stale, an unchanged caption does not.
    struct
    {
        LPCTSTR text, caption, shortcut;
        bool bStale;
    } steps[] = {{L"&Open\tCtrl+O", L"&Open", L"Ctrl+O", true},
                 {L"&Open\tCtrl+O", L"&Open", L"Ctrl+O", false},
                 {L"&Open\tCtrl+P", L"&Open", L"Ctrl+P", true},
                 {L"&Open", L"&Open", L"Ctrl+P", false},
                 {L"Close", L"Close", L"Ctrl+P", true}};
    for (const auto& s : steps)
    {
        bar.m_pBar->ClearPending();
        pControl->SetCaption(s.text);
        EXPECT_STREQ(pControl->GetCaption(), s.caption) << s.text;
        EXPECT_STREQ(pControl->GetShortcutTextAuto(), s.shortcut) << s.text;
        EXPECT_EQ(bar.m_pBar->IsLayoutPending() != 0, s.bStale) << s.text;
    }

    // An id outside the string table's range loads nothing.
    pControl->SetID(ID_TEST_CUT + 0x10000);
    EXPECT_STREQ(pControl->GetTooltip(), L"New document");
    pControl->SetID(ID_TEST_PROMPT_PLAIN);
    EXPECT_STREQ(pControl->GetTooltip(), L"Plain prompt");
    EXPECT_STREQ(pControl->GetCaption(), L"Close");
}

// ---------------------------------------------------------------- actions

namespace
{
// Counts what its action tells it.
class CActionWatcher : public CZMRControl
{
public:
    void OnActionChanging(int nProperty) override { m_events.push_back(-nProperty); }
    void OnActionChanged(int nProperty) override
    {
        m_events.push_back(nProperty);
        CZMRControl::OnActionChanged(nProperty);
    }
    void OnCaptionChanged() override { m_events.push_back(100); }
    std::vector<int> m_events;
};
}

TEST(ControlActions, BindingTakesTheTextsAndUnbindingResetsTheStates)
{
    ActionPtr pAction = MakeAction(42, L"Action", L"Tip");
    ControlPtr pControl(new CZMRControl);
    pControl->SetID(7);
    pControl->SetCaption(L"Own");
    pControl->SetTooltip(L"Own tip");
    pControl->SetDescription(L"Own description");
    pControl->SetCategory(L"File");
    pControl->SetShortcutText(L"F2");
    pControl->SetKeyboardTip(L"O");
    pControl->SetEnabled(FALSE);
    pControl->SetChecked(TRUE);

    pControl->SetAction(pAction.get());
    EXPECT_EQ(pControl->GetID(), 42);
    EXPECT_EQ(pAction->GetCount(), 1);
    EXPECT_EQ(pAction->GetControl(0), pControl.get());
    EXPECT_STREQ(pControl->GetCaption(), L"Action");
    EXPECT_STREQ(pControl->GetCategory(), L"");
    EXPECT_STREQ(pControl->GetShortcutText(), L"");
    EXPECT_STREQ(pControl->GetKeyboardTip(), L"");
    EXPECT_EQ(pControl->GetEnabled(), TRUE);   // the action's

    // Binding again keeps one entry in the action's list.
    pControl->SetAction(pAction.get());
    EXPECT_EQ(pAction->GetCount(), 1);

    pControl->SetAction(nullptr);
    EXPECT_EQ(pAction->GetCount(), 0);
    EXPECT_STREQ(pControl->GetCaption(), L"");
    EXPECT_STREQ(pControl->GetTooltip(), L"");
    EXPECT_EQ(pControl->GetEnabled(), TRUE);
    EXPECT_EQ(pControl->GetChecked(), FALSE);
}

TEST(ControlActions, AnActionThatGoesUnbindsItsControls)
{
    ControlPtr pControl(new CZMRControl);
    {
        ActionPtr pAction = MakeAction(42, L"Action", L"");
        pControl->SetAction(pAction.get());
    }
    EXPECT_EQ(pControl->GetAction(), nullptr);
    EXPECT_STREQ(pControl->GetCaption(), L"");
    EXPECT_EQ(pControl->GetEnabled(), TRUE);
    // A control that goes leaves its action's list.
    ActionPtr pAction = MakeAction(43, L"", L"");
    CZMRControl* pOther = new CZMRControl;
    pOther->SetAction(pAction.get());
    pOther->InternalRelease();
    EXPECT_EQ(pAction->GetCount(), 0);
}

TEST(ControlActions, ACaptionChangeReachesEveryBoundControl)
{
    CBarFixture bar;
    CActionWatcher* pWatcher = new CActionWatcher;
    bar.m_pBar->GetControls()->AddControl(pWatcher);
    ActionPtr pAction = MakeAction(42, L"Old", L"");
    pWatcher->SetAction(pAction.get());
    bar.m_pBar->ClearPending();

    pAction->SetCaption(L"New\tCtrl+N");
    EXPECT_STREQ(pAction->GetCaption(), L"New");
    EXPECT_EQ(pWatcher->m_events, (std::vector<int>{-zmrActionCaption, zmrActionCaption, 100}));
    EXPECT_TRUE(bar.m_pBar->IsLayoutPending());

    pWatcher->m_events.clear();
    pAction->SetCaption(L"New");
    EXPECT_TRUE(pWatcher->m_events.empty());
    bar.m_pBar->GetControls()->RemoveAll();
}

TEST(ControlActions, TheCollectionKeepsIdsInOrder)
{
    CZMRControlActions* pActions = new CZMRControlActions;
    for (int nId : {30, 10, 20, ID_TEST_NEW, 1, 0xFFFFFFE})
        ASSERT_TRUE(pActions->FindOrAdd(nId)) << nId;
    ASSERT_EQ(pActions->GetCount(), 6);
    const int nOrder[] = {1, 10, 20, 30, ID_TEST_NEW, 0xFFFFFFE};
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(pActions->GetAt(i)->GetID(), nOrder[i]);

    EXPECT_EQ(pActions->FindOrAdd(20), pActions->GetAt(2));
    EXPECT_EQ(pActions->FindById(30), pActions->GetAt(3));
    EXPECT_EQ(pActions->FindById(25), nullptr);
    for (int nId : {0, -5, 0xFFFFFFF})
    {
        EXPECT_EQ(pActions->FindById(nId), nullptr) << nId;
        EXPECT_EQ(pActions->FindOrAdd(nId), nullptr) << nId;
    }
    EXPECT_EQ(pActions->GetCount(), 6);

    // A new action takes the prompt of its id's string.
    CZMRControlAction* pNew = pActions->FindById(ID_TEST_NEW);
    EXPECT_STREQ(pNew->GetTooltip(), L"New document");
    EXPECT_STREQ(pNew->GetDescription(), L"Creates a document");
    EXPECT_STREQ(pNew->GetCaption(), L"New document");   // the tooltip stands in
    pActions->InternalRelease();
}

// ---------------------------------------------------------------- copy and compare

namespace
{
CZMRControl* MakeRichControl()
{
    CZMRControl* pControl = new CZMRControlCheckBox;
    pControl->SetID(77);
    pControl->SetTag(DWORD_PTR(0x123456789ABCull));
    pControl->SetFlags(zmrFlagStretched);
    pControl->SetCaption(L"&Caption\tCtrl+C");
    pControl->SetShortcutText(L"F7");
    pControl->SetTooltip(L"Tip");
    pControl->SetDescription(L"Description");
    pControl->SetParameter(L"Parameter");
    pControl->SetKeyboardTip(L"K");
    pControl->SetCustomIconId(5);
    pControl->SetIconId(6);
    pControl->SetHelpId(8);
    pControl->SetCustomCaption(L"Custom");
    pControl->SetCategory(L"Category");
    pControl->SetHideFlags(zmrHideCustomize);
    pControl->SetDefaultItem(TRUE);
    pControl->SetEnabled(FALSE);
    pControl->SetChecked(TRUE);
    pControl->SetCustomStyle(zmrButtonIcon);
    pControl->SetStyle(zmrButtonCaption);
    pControl->SetWidth(90);
    pControl->SetHeight(30);
    pControl->SetExecuteOnPressInterval(200);
    pControl->SetIconSize(CSize(24, 24));
    pControl->SetBeginGroup(TRUE);
    pControl->SetCloseSubMenuOnClick(FALSE);
    pControl->GetAssignedDocTemplates().SetAt(3, TRUE);
    pControl->GetExcludedDocTemplates().SetAt(4, TRUE);
    pControl->SetRect(CRect(1, 2, 3, 4));
    pControl->SetRarelyUsed(TRUE);
    return pControl;
}
}

TEST(ControlCopy, ACloneIsEqualAndCarriesEveryValue)
{
    ControlPtr pSource(MakeRichControl());
    ControlPtr pClone(pSource->Clone());
    ASSERT_TRUE(pClone);
    EXPECT_EQ(pClone->GetRuntimeClass(), RUNTIME_CLASS(CZMRControlCheckBox));
    EXPECT_TRUE(pClone->Compare(pSource.get()));
    EXPECT_TRUE(pSource->Compare(pClone.get()));

    EXPECT_EQ(pClone->GetTag(), DWORD_PTR(0x123456789ABCull));
    EXPECT_STREQ(pClone->GetShortcutText(), L"F7");
    EXPECT_STREQ(pClone->GetShortcutTextAuto(), L"Ctrl+C");
    EXPECT_STREQ(pClone->GetKeyboardTip(), L"K");
    EXPECT_STREQ(pClone->GetCategory(), L"Category");
    EXPECT_EQ(pClone->GetHelpId(), 8);
    EXPECT_TRUE(pClone->IsDefaultItem());
    EXPECT_EQ(pClone->GetEnabled(), FALSE);
    EXPECT_EQ(pClone->GetChecked(), TRUE);
    EXPECT_EQ(pClone->GetHeight(), 30);
    EXPECT_EQ(pClone->GetExecuteOnPressInterval(), 200);
    EXPECT_EQ(pClone->GetIconSize(), CSize(24, 24));
    EXPECT_FALSE(pClone->GetCloseSubMenuOnClick());
    BOOL bValue = FALSE;
    EXPECT_TRUE(pClone->GetAssignedDocTemplates().Lookup(3, bValue));
    EXPECT_TRUE(pClone->GetExcludedDocTemplates().Lookup(4, bValue));
    // Place, state and the popup's bookkeeping stay behind.
    EXPECT_TRUE(pClone->GetRect().IsRectNull());
    EXPECT_FALSE(pClone->IsRarelyUsed());
}

TEST(ControlCopy, CompareSeesTheValuesThatMatterAndOnlyThose)
{
    struct
    {
        const char* name;
        void (*change)(CZMRControl*);
        bool bEqual;
    } cases[] = {
        {"style", [](CZMRControl* p) { p->SetCustomStyle(zmrButtonIconAndCaption); }, false},
        {"id", [](CZMRControl* p) { p->SetID(78); }, false},
        {"flags", [](CZMRControl* p) { p->SetFlags(0); }, false},
        {"begin group", [](CZMRControl* p) { p->SetBeginGroup(FALSE); }, false},
        {"image", [](CZMRControl* p) { p->SetCustomIconId(9); }, false},
        {"caption", [](CZMRControl* p) { p->SetCaption(L"Other"); }, false},
        {"tooltip", [](CZMRControl* p) { p->SetTooltip(L"Other"); }, false},
        {"description", [](CZMRControl* p) { p->SetDescription(L"Other"); }, false},
        {"custom caption", [](CZMRControl* p) { p->SetCustomCaption(L"Other"); }, false},
        {"parameter", [](CZMRControl* p) { p->SetParameter(L"Other"); }, false},
        {"quick-access hiding", [](CZMRControl* p) { p->SetHideFlags(0); }, false},
        {"width", [](CZMRControl* p) { p->SetWidth(91); }, false},
        {"program's hiding", [](CZMRControl* p) { p->SetHideFlags(zmrHideCustomize | zmrHideGeneric); }, true},
        {"category", [](CZMRControl* p) { p->SetCategory(L"Other"); }, true},
        {"keyboard tip", [](CZMRControl* p) { p->SetKeyboardTip(L"Z"); }, true},
        {"checked", [](CZMRControl* p) { p->SetChecked(FALSE); }, true},
    };
    for (const auto& c : cases)
    {
        ControlPtr pSource(MakeRichControl());
        ControlPtr pCopy(pSource->Clone());
        c.change(pCopy.get());
        EXPECT_EQ(pCopy->Compare(pSource.get()) != 0, c.bEqual) << c.name;
    }
}

TEST(ControlCopy, APopupCopiesItsBarOnlyWhenRecursive)
{
    CBarFixture bar;
    CZMRControls* pControls = bar.m_pBar->GetControls();
    CZMRControl* pPopup = pControls->Add(zmrControlPopup, 0);
    ASSERT_TRUE(pPopup->GetCommandBar());
    pPopup->GetCommandBar()->GetControls()->Add(zmrControlButton, 300);

    CZMRControl* pShared = pControls->AddCopy(pPopup, -1, FALSE);
    CZMRControl* pDeep = pControls->AddCopy(pPopup, -1, TRUE);
    EXPECT_EQ(pShared->GetCommandBar(), pPopup->GetCommandBar());
    ASSERT_TRUE(pDeep->GetCommandBar());
    EXPECT_NE(pDeep->GetCommandBar(), pPopup->GetCommandBar());
    EXPECT_TRUE(pDeep->Compare(pPopup));

    // Popups compare their bars' controls too.
    pDeep->GetCommandBar()->GetControls()->Add(zmrControlButton, 301);
    EXPECT_FALSE(pDeep->Compare(pPopup));
    EXPECT_FALSE(pPopup->Compare(bar.Add(20, 20)));
}

// ---------------------------------------------------------------- execution

namespace
{
// An owner whose command routing takes the execute notification of id 201.
class CNotifyOwner : public CRecordingWnd
{
public:
    void OnExecute201(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nRouted++;
        EXPECT_EQ(pNMHDR->idFrom, 201u);
        EXPECT_EQ(pNMHDR->code, UINT(ZMR_CN_EXECUTE));
        *pResult = 7;
    }
    int m_nRouted = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyOwner, CRecordingWnd)
    ON_NOTIFY(ZMR_CN_EXECUTE, 201, OnExecute201)
END_MESSAGE_MAP()

class ControlExecution : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.Create());
        m_bar.m_pBar->SetCommandReceiver(&m_owner);
    }
    CNotifyOwner m_owner;
    CBarFixture m_bar;
};
}

TEST_F(ControlExecution, TheOwnerHearsTheNotificationThenTheCommand)
{
    CZMRControl* pControl = m_bar.Add(20, 20);
    pControl->SetID(200);
    pControl->OnExecute();
    ASSERT_EQ(m_owner.m_messages.size(), 2u);
    EXPECT_EQ(m_owner.m_messages[0].nMessage, UINT(ZMR_WM_CONTROLNOTIFY));
    EXPECT_EQ(m_owner.m_messages[0].wParam, WPARAM(200));
    EXPECT_EQ(m_owner.m_messages[0].nCode, UINT(ZMR_CN_EXECUTE));
    EXPECT_EQ(m_owner.m_messages[1].nMessage, UINT(WM_COMMAND));
    EXPECT_EQ(m_owner.m_messages[1].wParam, WPARAM(200));
    EXPECT_EQ(m_owner.m_messages[1].lParam, 0);
    // Shown pressed while the command ran, up again afterwards.
    EXPECT_EQ(pControl->GetPressed(), 0);

    // A handled notification keeps the command from being sent.
    m_owner.m_messages.clear();
    m_owner.m_answer = [](UINT nMessage, WPARAM, LPARAM) -> LRESULT { return nMessage == ZMR_WM_CONTROLNOTIFY; };
    pControl->OnExecute();
    ASSERT_EQ(m_owner.m_messages.size(), 1u);
    EXPECT_EQ(m_owner.m_messages[0].nMessage, UINT(ZMR_WM_CONTROLNOTIFY));

    // A control without a command sends nothing and is not left pressed.
    m_owner.m_messages.clear();
    CZMRControl* pNoCommand = m_bar.Add(20, 20);
    pNoCommand->OnExecute();
    EXPECT_TRUE(m_owner.m_messages.empty());
    EXPECT_EQ(pNoCommand->GetPressed(), 0);
}

TEST_F(ControlExecution, AnUnansweredNotificationGoesThroughTheOwnersRouting)
{
    CZMRControl* pControl = m_bar.Add(20, 20);
    pControl->SetID(201);
    NMZMRCONTROL nm = {};
    EXPECT_EQ(pControl->NotifySiteWithRecord(ZMR_CN_EXECUTE, &nm), 7);
    EXPECT_EQ(m_owner.m_nRouted, 1);
    EXPECT_EQ(nm.pControl, pControl);
    EXPECT_EQ(nm.hdr.hwndFrom, nullptr);
    pControl->OnExecute();
    EXPECT_TRUE(m_owner.Messages(WM_COMMAND).empty());

    // Without a bar nothing is sent.
    ControlPtr pLoose(new CZMRControl);
    pLoose->SetID(201);
    EXPECT_EQ(pLoose->NotifySite(ZMR_CN_EXECUTE), 0);
    pLoose->OnExecute();
    EXPECT_EQ(m_owner.m_nRouted, 2);
}

TEST_F(ControlExecution, APopupTrackedForItsResultTakesTheIdInstead)
{
    CZMRControl* pControl = m_bar.Add(20, 20);
    pControl->SetID(202);
    int nResult = 0;
    m_bar.m_pBar->m_pReturnCmd = &nResult;
    pControl->OnExecute();
    EXPECT_EQ(nResult, 202);
    EXPECT_TRUE(m_owner.m_messages.empty());
    m_bar.m_pBar->m_pReturnCmd = nullptr;
}

TEST_F(ControlExecution, ExecutionRecordsTheCommandAsUsed)
{
    CZMRBarManager* pManager = new CZMRBarManager;
    m_bar.m_pBar->SetBarManager(pManager);
    CZMRControl* pControl = m_bar.Add(20, 20);
    pControl->SetID(203);
    pControl->OnExecute();
    BOOL bUsed = FALSE;
    EXPECT_TRUE(pManager->GetOptions()->mapUsedCommands.Lookup(203, bUsed));
    EXPECT_TRUE(pManager->GetOptions()->bDirtyState);
    m_bar.m_pBar->GetControls()->RemoveAll();
    m_bar.m_pBar->SetBarManager(nullptr);
    pManager->InternalRelease();
}

// ---------------------------------------------------------------- selection

TEST(ControlSelection, ADisabledControlHotUnderTheMouseIsNotRepainted)
{
    struct
    {
        BOOL bEnabled;
        int nKind;
        bool bRepaint, bAnimate;
    } cases[] = {
        {TRUE, 1, true, false}, {FALSE, 1, false, false}, {FALSE, 2, true, false}, {FALSE, 3, true, false},
    };
    for (const auto& c : cases)
    {
        CBarFixture bar;
        CZMRControl* pControl = bar.Add(20, 20);
        pControl->SetEnabled(c.bEnabled);
        bar.m_pBar->m_redraws.clear();
        EXPECT_TRUE(pControl->OnSelectionChange(c.nKind));
        EXPECT_EQ(pControl->GetSelected(), c.nKind);
        ASSERT_EQ(bar.m_pBar->m_redraws.size(), c.bRepaint ? 1u : 0u) << c.bEnabled << "/" << c.nKind;
        // Deselecting repaints, animated; the same kind again changes nothing.
        bar.m_pBar->m_redraws.clear();
        EXPECT_FALSE(pControl->OnSelectionChange(c.nKind));
        EXPECT_TRUE(pControl->OnSelectionChange(0));
        ASSERT_EQ(bar.m_pBar->m_redraws.size(), 1u);
        EXPECT_TRUE(bar.m_pBar->m_redraws[0].bAnimate);
    }
}

TEST(ControlSelection, TheSiteHearsWhichControlIsHot)
{
    CRecordingWnd site;
    ASSERT_TRUE(site.Create());
    CZMRBarManager* pManager = new CZMRBarManager;
    pManager->SetSite(&site);
    CBarFixture bar;
    bar.m_pBar->SetBarManager(pManager);
    CZMRControl* pControl = bar.Add(20, 20);
    pControl->OnSelectionChange(1);
    pControl->OnSelectionChange(0);
    const auto messages = site.Messages(ZMR_WM_CONTROLSELECTED);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].wParam, WPARAM(pControl));
    EXPECT_EQ(messages[1].wParam, WPARAM(0));
    bar.m_pBar->GetControls()->RemoveAll();
    bar.m_pBar->SetBarManager(nullptr);
    pManager->InternalRelease();
}

// ---------------------------------------------------------------- customize mode

namespace
{
// A drag that ends as told, at once.
class CFakeDrag : public CZMRControlDragHelper
{
public:
    CFakeDrag(CZMRBarManager* pManager, int nResult) : CZMRControlDragHelper(pManager), m_nResult(nResult) {}
    int DoDrag(CZMRControl* pControl, BOOL bCopyCursor) override
    {
        m_pDragged = pControl;
        EXPECT_FALSE(bCopyCursor);
        return m_nResult;
    }
    int m_nResult;
    CZMRControl* m_pDragged = nullptr;
};
}

TEST(ControlCustomize, AMovedOrRemovedControlHandsItsGroupStartOn)
{
    struct
    {
        int nResult, nMoved;
        int nCountAfter;
        std::vector<BOOL> beginGroupAfter;
    } cases[] = {
        {CZMRControlDragHelper::dropRemoved, 1, 2, {FALSE, TRUE}},    // the next control begins the group
        {CZMRControlDragHelper::dropMoved, 0, 2, {FALSE, FALSE}},     // the second loses its group start
        {CZMRControlDragHelper::dropCopied, 1, 3, {FALSE, TRUE, FALSE}},
        {CZMRControlDragHelper::dropCancelled, 1, 3, {FALSE, TRUE, FALSE}},
    };
    for (const auto& c : cases)
    {
        CRecordingWnd site;
        ASSERT_TRUE(site.Create());
        CZMRBarManager* pManager = new CZMRBarManager;
        pManager->SetSite(&site);
        CFakeDrag* pDrag = new CFakeDrag(pManager, c.nResult);
        pManager->SetDragHelper(pDrag);
        pManager->SetCustomizeMode(pManager);
        CBarFixture bar;
        bar.m_pBar->SetBarManager(pManager);
        bar.Add(20, 20);
        bar.Add(20, 20, TRUE);
        bar.Add(20, 20);
        CZMRControl* pMoved = bar.m_pBar->GetControl(c.nMoved);
        // The first control begins a group of its own in the second case.
        bar.m_pBar->GetControl(0)->SetBeginGroup(c.nMoved == 0);
        if (c.nMoved == 0)
            bar.m_pBar->GetControl(1)->SetBeginGroup(TRUE);
        site.m_messages.clear();

        pMoved->BeginControlMove(CPoint(5, 5));
        EXPECT_EQ(pDrag->m_pDragged, pMoved);
        ASSERT_EQ(bar.m_pBar->GetControlCount(), c.nCountAfter) << c.nResult;
        for (int i = 0; i < c.nCountAfter; i++)
            EXPECT_EQ(bar.m_pBar->GetControl(i)->GetBeginGroup(), c.beginGroupAfter[size_t(i)])
                << c.nResult << " control " << i;
        // A removed control is no longer the customize selection; the site
        // hears of the selection at the end in every case.
        const bool bGone = c.nCountAfter == 2;
        EXPECT_EQ(pManager->GetCustomizeSelection(), bGone ? nullptr : pMoved);
        EXPECT_FALSE(site.Messages(ZMR_WM_CUSTOMIZESELECTION).empty());

        pManager->SetCustomizeMode(nullptr);
        bar.m_pBar->GetControls()->RemoveAll();
        bar.m_pBar->SetBarManager(nullptr);
        pManager->InternalRelease();
    }
}

namespace
{
// A control whose width may shrink to 20 and no further.
class CResizableControl : public CFixedControl
{
public:
    int GetResizeMinWidth() const override { return 20; }
    BOOL IsWidthAdjustable() const override { return TRUE; }
};

// What the one-shot steps inside the resize loop do.
struct CResizeScript
{
    CPoint ptTo;          // screen point the pointer moves to
    WORD wEndKey;         // 0: release the button; else this key ends the loop
    int nTick;
    bool bQuit;           // the application ends instead
};
const int kQuitCode = 7;
CResizeScript g_script;

void CALLBACK ResizeStep(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    switch (++g_script.nTick)
    {
    case 1:
        CTestInput::MoveTo(g_script.ptTo);
        break;
    case 3:
        if (g_script.bQuit)
        {
            ::PostQuitMessage(kQuitCode);
            break;
        }
        if (g_script.wEndKey)
        {
            CHeldKeys keys;
            keys.Type(g_script.wEndKey);
        }
        CTestInput::Button(VK_LBUTTON, false);
        break;
    case 100:
        // Safety: whatever happened, the loop ends with the capture.
        ::ReleaseCapture();
        ::KillTimer(nullptr, idEvent);
        break;
    }
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}
}

TEST(ControlCustomize, DraggingAnEdgeGivesTheControlItsWidth)
{
    struct
    {
        const char* name;
        CPoint ptStart;
        int dx;
        WORD wEndKey;
        BOOL bStarts;
        int nWidth;
        bool bQuit = false;
    } cases[] = {
        {"right edge", CPoint(58, 10), 30, 0, TRUE, 80},
        {"left edge", CPoint(11, 10), 10, 0, TRUE, 40},
        {"no narrower than the minimum", CPoint(10, 10), 45, 0, TRUE, 20},
        {"escape cancels", CPoint(58, 10), 30, VK_ESCAPE, TRUE, 0},
        {"the application ending cancels", CPoint(58, 10), 30, 0, TRUE, 0, true},
        {"3 px from the left edge", CPoint(13, 10), 30, 0, FALSE, 0},
        {"3 px from the right edge", CPoint(57, 10), 30, 0, FALSE, 0},
        {"outside the control", CPoint(62, 10), 30, 0, FALSE, 0},
    };
    for (const auto& c : cases)
    {
        CZMRBarManager* pManager = new CZMRBarManager;
        pManager->SetCustomizeMode(pManager);
        CBarFixture bar;
        bar.m_pBar->SetBarManager(pManager);
        ASSERT_TRUE(bar.m_pBar->CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), L"bar", WS_POPUP | WS_VISIBLE,
                                         CRect(100, 100, 400, 140), nullptr, 0));
        ::SetForegroundWindow(bar.m_pBar->GetSafeHwnd());
        ::SetFocus(bar.m_pBar->GetSafeHwnd());
        CResizableControl* pControl = new CResizableControl;
        bar.m_pBar->GetControls()->AddControl(pControl);
        pControl->SetRect(CRect(10, 5, 60, 27));

        CPoint ptStart = c.ptStart;
        bar.m_pBar->ClientToScreen(&ptStart);
        CTestInput::MoveTo(ptStart);
        CTestInput::Button(VK_LBUTTON, true);
        PumpPending();

        g_script = {CPoint(ptStart.x + c.dx, ptStart.y), c.wEndKey, 0, c.bQuit};
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &ResizeStep);
        EXPECT_EQ(pControl->BeginControlResize(c.ptStart), c.bStarts) << c.name;
        ::KillTimer(nullptr, nTimer);
        if (c.bQuit)
        {
            // The quit goes on to the loop outside, with its code.
            MSG msg = {};
            EXPECT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << c.name;
            EXPECT_EQ(msg.wParam, WPARAM(kQuitCode)) << c.name;
        }
        CTestInput::Button(VK_LBUTTON, false);
        PumpPending();

        EXPECT_EQ(pControl->GetWidth(), c.nWidth) << c.name;
        EXPECT_EQ(::GetCapture(), nullptr) << c.name;
        if (c.bStarts)
        {
            EXPECT_EQ(pManager->GetCustomizeSelection(), pControl) << c.name;
        }

        pManager->SetCustomizeMode(nullptr);
        bar.m_pBar->GetControls()->RemoveAll();
        bar.m_pBar->SetBarManager(nullptr);
        pManager->InternalRelease();
    }
}

// In customize mode the bar shows the resize cursor while the pointer rests
// on the edge zone of a control whose width may change.
TEST(ControlCustomize, TheEdgeOfAResizableControlShowsTheResizeCursor)
{
    const HCURSOR hResize = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(9972));
    ASSERT_NE(hResize, nullptr);
    CZMRBarManager* pManager = new CZMRBarManager;
    CBarFixture bar;
    bar.m_pBar->SetBarManager(pManager);
    ASSERT_TRUE(bar.m_pBar->CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), L"bar",
                                     WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 140), nullptr, 0));
    CResizableControl* pResizable = new CResizableControl;
    bar.m_pBar->GetControls()->AddControl(pResizable);
    pResizable->SetRect(CRect(10, 5, 60, 27));
    CFixedControl* pFixed = bar.Add(40, 22);
    pFixed->SetRect(CRect(100, 5, 140, 27));

    struct
    {
        const char* name;
        BOOL bCustomize;
        CPoint pt;
        bool bResizeCursor;
    } const cases[] = {
        {"left edge", TRUE, CPoint(11, 10), true},
        {"right edge", TRUE, CPoint(58, 10), true},
        {"middle of the control", TRUE, CPoint(35, 10), false},
        {"edge of a control of fixed width", TRUE, CPoint(101, 10), false},
        {"left edge outside customize mode", FALSE, CPoint(11, 10), false},
    };
    for (const auto& c : cases)
    {
        pManager->SetCustomizeMode(c.bCustomize ? pManager : nullptr);
        CPoint ptScreen = c.pt;
        bar.m_pBar->ClientToScreen(&ptScreen);
        ASSERT_TRUE(CTestInput::MoveTo(ptScreen)) << c.name;
        PumpPending();
        ::SetCursor(nullptr);
        bar.m_pBar->SendMessage(WM_SETCURSOR, WPARAM(bar.m_pBar->GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor() == hResize, c.bResizeCursor) << c.name;
    }
    pManager->SetCustomizeMode(nullptr);
    bar.m_pBar->GetControls()->RemoveAll();
    bar.m_pBar->SetBarManager(nullptr);
    pManager->InternalRelease();
}

// ---------------------------------------------------------------- accessibility

TEST(ControlAccessibility, NameRoleStateLocationAndHitTest)
{
    CBarFixture bar;
    ASSERT_TRUE(bar.m_pBar->CreateEx(0, AfxRegisterWndClass(0), L"bar", WS_POPUP, CRect(100, 100, 300, 140), nullptr,
                                     0));
    CZMRControl* pControl = bar.Add(20, 20);
    pControl->SetCaption(L"&Save && Exit\tCtrl+S");
    pControl->SetTooltip(L"Saves");
    pControl->SetDescription(L"Saves and exits");
    pControl->SetRect(CRect(10, 5, 40, 25));

    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT other = self;
    other.lVal = 2;

    // The text one query answers for the control itself.
    auto text = [&](HRESULT (CZMRControl::*query)(VARIANT, BSTR*)) {
        BSTR bstr = nullptr;
        EXPECT_EQ((pControl->*query)(self, &bstr), S_OK);
        CString str(bstr ? bstr : L"");
        ::SysFreeString(bstr);
        return str;
    };
    EXPECT_STREQ(text(&CZMRControl::GetAccName), L"Save & Exit\tCtrl+S");
    pControl->SetCaption(L"");
    pControl->SetShortcutTextAuto(L"");
    EXPECT_STREQ(text(&CZMRControl::GetAccName), L"Saves");
    EXPECT_STREQ(text(&CZMRControl::GetAccDescription), L"Saves and exits");
    EXPECT_STREQ(text(&CZMRControl::GetAccDefaultAction), L"Click");
    BSTR bstr = nullptr;
    EXPECT_EQ(pControl->GetAccName(other, &bstr), E_INVALIDARG);

    VARIANT var = {};
    ASSERT_EQ(pControl->GetAccRole(self, &var), S_OK);
    EXPECT_EQ(var.lVal, ROLE_SYSTEM_PUSHBUTTON);
    bar.m_pBar->SetType(zmrBarTypePopup);
    ASSERT_EQ(pControl->GetAccRole(self, &var), S_OK);
    EXPECT_EQ(var.lVal, ROLE_SYSTEM_MENUITEM);
    bar.m_pBar->SetType(zmrBarTypeNormal);

    pControl->SetEnabled(FALSE);
    pControl->SetChecked(TRUE);
    pControl->OnSelectionChange(2);
    ASSERT_EQ(pControl->GetAccState(self, &var), S_OK);
    const long lExpected = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED |
                           STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED |
                           STATE_SYSTEM_INVISIBLE;   // a plain bar does not count as shown
    EXPECT_EQ(var.lVal, lExpected);

    long x = 0, y = 0, cx = 0, cy = 0;
    ASSERT_EQ(pControl->AccLocation(&x, &y, &cx, &cy, self), S_OK);
    EXPECT_EQ(CRect(x, y, x + cx, y + cy), CRect(110, 105, 140, 125));
    pControl->SetVisible(FALSE);
    ASSERT_EQ(pControl->AccLocation(&x, &y, &cx, &cy, self), S_OK);
    EXPECT_EQ(cx, 0);
    pControl->SetVisible(TRUE);

    struct
    {
        CPoint pt;
        HRESULT hr;
        VARTYPE vt;
    } hits[] = {{CPoint(115, 110), S_OK, VT_I4},
                {CPoint(250, 110), S_FALSE, VT_I4},
                {CPoint(50, 50), S_FALSE, VT_EMPTY}};
    for (const auto& h : hits)
    {
        EXPECT_EQ(pControl->AccHitTest(h.pt.x, h.pt.y, &var), h.hr) << h.pt.x;
        EXPECT_EQ(var.vt, h.vt) << h.pt.x;
    }

    IDispatch* pParent = nullptr;
    ASSERT_EQ(pControl->GetAccParent(&pParent), S_OK);
    EXPECT_EQ(pParent, static_cast<IDispatch*>(bar.m_pBar->GetAccessibleInterface()));
    pParent->Release();
    long nChildren = -1;
    EXPECT_EQ(pControl->GetAccChildCount(&nChildren), S_OK);
    EXPECT_EQ(nChildren, 0);
}
