// Saving and loading bars and their controls: round trips through the
// archive and a named store, the keys older states lack, the numbering of
// popup bars and their re-linking, the snapshot of the original controls and
// the tool bar taking a loaded state.
#include "CZMRBarManager.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRCommandBarList.h"
#include "CZMRControlAction.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxList.h"
#include "CZMRControlEdit.h"
#include "CZMRControlPopup.h"
#include "CZMRControls.h"
#include "CZMRIconHandle.h"
#include "CZMRImageManager.h"
#include "CZMREnumeratorScope.h"
#include "CZMRMenuBar.h"
#include "CZMRMenuBarMDIMenuInfo.h"
#include "CZMRMenuBarMDIMenus.h"
#include "CZMROriginalControls.h"
#include "CZMRPopupBar.h"
#include "CZMRPropExchangeArchive.h"
#include "CZMRSectionScope.h"
#include "CZMRToolBar.h"
#include "BarTestSupport.h"
#include "MemoryPropStore.h"
#include "tests/core/ArchiveStreams.h"
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace
{
// What a saver does: numbers the bars, then stores each under its class.
void SaveBars(CZMRPropExchange* pPX, const std::vector<CZMRCommandBar*>& bars, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    pPX->m_pOwnerContext = pParam;
    CZMRCommandBarList list;
    DWORD nBarId = 100;
    for (CZMRCommandBar* pBar : bars)
        pBar->NumberBarsForSave(nBarId, &list, pParam);
    CZMREnumeratorScope enumerator(pPX->GetEnumerator(L"Bar"));
    POSITION pos = enumerator->GetPosition(DWORD(list.GetCount()));
    for (int i = 0; i < list.GetCount(); i++)
    {
        CZMRSectionScope section(enumerator->GetNext(pos));
        CObject* pObject = list.GetAt(i);
        ASSERT_TRUE(section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRCommandBar)));
        list.GetAt(i)->DoPropExchange(section);
    }
}

// What a loader does: creates and loads each bar, then re-links them all.
void LoadBars(CZMRPropExchange* pPX, CZMRCommandBarList& loaded, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    pPX->m_pOwnerContext = pParam;
    CZMREnumeratorScope enumerator(pPX->GetEnumerator(L"Bar"));
    POSITION pos = enumerator->GetPosition();
    while (pos)
    {
        CZMRSectionScope section(enumerator->GetNext(pos));
        CObject* pObject = nullptr;
        ASSERT_TRUE(section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRCommandBar)));
        auto* pBar = static_cast<CZMRCommandBar*>(pObject);
        pBar->DoPropExchange(section);
        loaded.Add(pBar);
        pBar->InternalRelease();
    }
    for (int i = 0; i < loaded.GetCount(); i++)
        loaded.GetAt(i)->RelinkBarsAfterLoad(&loaded);
}

// The two stores a state goes through.
enum EStore
{
    storeArchive,
    storeNamed
};

void RoundTrip(EStore store, const std::vector<CZMRCommandBar*>& bars, ZMR_PROPEXCHANGE_PARAM* pParam,
               CZMRCommandBarList& loaded)
{
    if (store == storeArchive)
    {
        const ArchiveStreams::Bytes bytes = ArchiveStreams::Store([&](CArchive& ar) {
            CZMRPropExchangeArchive px(ar);
            SaveBars(&px, bars, pParam);
        });
        ArchiveStreams::Load(bytes, [&](CArchive& ar) {
            CZMRPropExchangeArchive px(ar);
            LoadBars(&px, loaded, pParam);
        });
        return;
    }
    CMemoryPropStore::Data data;
    CMemoryPropStore saver(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
    SaveBars(&saver, bars, pParam);
    CMemoryPropStore loader(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
    LoadBars(&loader, loaded, pParam);
}

// A popup control of the collection that opens the bar.
CZMRControlPopup* AddPopup(CZMRCommandBar* pBar, int nId, CZMRCommandBar* pPopupBar)
{
    auto* pPopup = static_cast<CZMRControlPopup*>(pBar->GetControls()->AddControl(new CZMRControlPopup, nId));
    pPopup->SetCommandBar(pPopupBar);
    return pPopup;
}

// A tool bar with one popup control whose bar has id 55, saved alone,
// without that bar.
void SaveToolBarWithPopupTo55(CMemoryPropStore::Data& data)
{
    CZMRToolBar toolBar;
    CZMRPopupBar* pPopupBar = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    pPopupBar->SetBarID(55);
    AddPopup(&toolBar, 1, pPopupBar);
    pPopupBar->InternalRelease();
    CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
    toolBar.DoPropExchange(&store);
}

// Loads that tool bar; its popup control.
CZMRControlPopup* LoadToolBarWithPopup(CMemoryPropStore::Data& data, CZMRToolBar& loaded)
{
    CMemoryPropStore store(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
    loaded.DoPropExchange(&store);
    return static_cast<CZMRControlPopup*>(loaded.GetControl(0));
}

std::vector<int> Ids(CZMRControls* pControls)
{
    std::vector<int> ids;
    for (int i = 0; i < pControls->GetCount(); i++)
        ids.push_back(pControls->GetAt(i)->GetID());
    return ids;
}

} // namespace

// ---------------------------------------------------------------- round trips

TEST(StatePersistence, BarsPopupsAndControlsComeBackThroughEitherStore)
{
    for (EStore store : {storeArchive, storeNamed})
    {
        SCOPED_TRACE(store == storeArchive ? "archive" : "named store");
        CZMRBarManager* pManager = new CZMRBarManager;
        CZMRControlAction* pAction = pManager->GetAction(10);

        CZMRToolBar toolBar;
        toolBar.SetBarID(200);
        toolBar.SetTitle(L"Standard");
        toolBar.SetCloseable(FALSE);
        toolBar.SetContextMenuPresent(FALSE);
        toolBar.SetIconSize(CSize(24, 24));
        toolBar.SetDefaultButtonStyle(zmrButtonCaption);
        toolBar.SetShowTextBelowIcons(1);
        toolBar.GetAnimation()->SetEnabled(TRUE);
        CZMRControl* pOpen = toolBar.GetControls()->Add(zmrControlButton, 10);
        pOpen->SetCaption(L"&Open");
        pOpen->SetBeginGroup(TRUE);
        pOpen->SetTag(7);
        pOpen->SetHelpId(5);
        pOpen->SetWidth(40);
        pOpen->SetKeyboardTip(L"O");
        pOpen->SetIconSize(CSize(32, 32));
        pOpen->SetCustomStyle(zmrButtonIcon);
        pOpen->GetAssignedDocTemplates().SetAt(3, TRUE);

        // Two levels of popups; the bars are numbered by the save.
        CZMRPopupBar* pMore = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
        pMore->SetTitle(L"More");
        pMore->SetType(zmrBarTypeNormal);   // shown as a bar of its own: its borders are its own
        pMore->SetBarStyle(0);
        pMore->SetPopupBorders(CRect(1, 1, 1, 1));
        CZMRPopupBar* pNested = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
        pNested->SetContextMenu(TRUE);
        pNested->GetControls()->Add(zmrControlButton, 23);
        pMore->GetControls()->Add(zmrControlButton, 21);
        AddPopup(pMore, 22, pNested);
        AddPopup(&toolBar, 20, pMore)->SetCaption(L"More");
        toolBar.GetControls()->Add(zmrControlButton, 30, L"", -1, TRUE);   // temporary: never saved

        ZMR_PROPEXCHANGE_PARAM param = {pManager, FALSE};
        CZMRCommandBarList loaded;
        RoundTrip(store, {&toolBar}, &param, loaded);
        EXPECT_EQ(pMore->GetBarID(), 100);
        EXPECT_EQ(pNested->GetBarID(), 101);

        ASSERT_EQ(loaded.GetCount(), 3);
        auto* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, loaded.GetAt(0));
        ASSERT_NE(pToolBar, nullptr);
        EXPECT_EQ(pToolBar->GetBarID(), 200);
        EXPECT_EQ(pToolBar->GetTitle(), CString(L"Standard"));
        EXPECT_FALSE(pToolBar->IsCloseable());
        EXPECT_FALSE(pToolBar->IsContextMenuPresent());
        EXPECT_EQ(pToolBar->GetIconSize(), CSize(24, 24));
        EXPECT_EQ(pToolBar->GetDefaultButtonStyle(), zmrButtonCaption);
        EXPECT_EQ(pToolBar->GetShowTextBelowIcons(), 1);
        EXPECT_TRUE(pToolBar->IsAnimationEnabled());
        EXPECT_EQ(pToolBar->GetBarManager(), pManager) << "the manager of the saver's record";

        ASSERT_EQ(Ids(pToolBar->GetControls()), std::vector<int>({10, 20}));
        CZMRControl* pLoadedOpen = pToolBar->GetControl(0);
        EXPECT_EQ(pLoadedOpen->GetParent(), pToolBar);
        EXPECT_EQ(pLoadedOpen->GetAction(), pAction);
        EXPECT_EQ(pLoadedOpen->GetCaption(), CString(L"&Open"));
        EXPECT_TRUE(pLoadedOpen->GetBeginGroup());
        EXPECT_EQ(pLoadedOpen->GetTag(), DWORD_PTR(7));
        EXPECT_EQ(pLoadedOpen->GetHelpId(), 5);
        EXPECT_EQ(pLoadedOpen->GetWidth(), 40);
        EXPECT_EQ(pLoadedOpen->GetKeyboardTip(), CString(L"O"));
        EXPECT_EQ(pLoadedOpen->GetCustomStyle(), zmrButtonIcon);
        BOOL bAssigned = FALSE;
        EXPECT_TRUE(pLoadedOpen->GetAssignedDocTemplates().Lookup(3, bAssigned));
        EXPECT_TRUE(pLoadedOpen->GetExcludedDocTemplates().IsEmpty());

        // The popups found their loaded bars again.
        auto* pLoadedPopup = DYNAMIC_DOWNCAST(CZMRControlPopup, pToolBar->GetControl(1));
        ASSERT_NE(pLoadedPopup, nullptr);
        EXPECT_EQ(pLoadedPopup->GetSavedBarId(), 0);
        auto* pLoadedMore = DYNAMIC_DOWNCAST(CZMRPopupBar, pLoadedPopup->GetCommandBar());
        ASSERT_NE(pLoadedMore, nullptr);
        EXPECT_EQ(pLoadedMore, loaded.FindBar(100));
        EXPECT_EQ(pLoadedMore->GetTitle(), CString(L"More"));
        EXPECT_EQ(pLoadedMore->GetType(), zmrBarTypeNormal);
        EXPECT_EQ(pLoadedMore->GetBorders(), CRect(1, 1, 1, 1));
        EXPECT_FALSE(pLoadedMore->IsGripperShown());
        ASSERT_EQ(Ids(pLoadedMore->GetControls()), std::vector<int>({21, 22}));
        CZMRCommandBar* pLoadedNested = pLoadedMore->GetControl(1)->GetCommandBar();
        ASSERT_NE(pLoadedNested, nullptr);
        EXPECT_EQ(pLoadedNested, loaded.FindBar(101));
        EXPECT_TRUE(static_cast<CZMRPopupBar*>(pLoadedNested)->IsContextMenu());
        EXPECT_EQ(Ids(pLoadedNested->GetControls()), std::vector<int>({23}));

        pMore->InternalRelease();
        pNested->InternalRelease();
        loaded.RemoveAll();
        delete pManager;
    }
}

TEST(StatePersistence, EditsAndComboBoxesComeBackWithTheirFieldsAndTheListsItems)
{
    for (EStore store : {storeArchive, storeNamed})
    {
        SCOPED_TRACE(store == storeArchive ? "archive" : "named store");
        CZMRBarManager* pManager = new CZMRBarManager;
        CZMRToolBar toolBar;
        toolBar.SetBarID(200);
        auto* pEdit = static_cast<CZMRControlEdit*>(toolBar.GetControls()->Add(zmrControlEdit, 40));
        pEdit->SetWidth(120);
        pEdit->ShowLabel(TRUE);
        pEdit->SetReadOnly(TRUE);
        pEdit->SetEditHint(L"Size");
        pEdit->SetEditStyle(ES_NUMBER);
        pEdit->SetShowSpinButtons(TRUE);
        auto* pCombo = static_cast<CZMRControlComboBox*>(toolBar.GetControls()->Add(zmrControlComboBox, 41));
        pCombo->SetWidth(150);
        pCombo->SetDropDownMode(TRUE);
        pCombo->SetComboStyle(1);
        pCombo->SetAutoComplete(TRUE);
        pCombo->SetEditHint(L"Find");
        pCombo->SetEditIconId(7);
        pCombo->SetDropDownItemCount(5);
        auto* pList = static_cast<CZMRControlComboBoxList*>(pCombo->GetCommandBar());
        pList->SetListIconId(9);
        pList->SetMRUWidth(180);
        for (LPCTSTR lpszItem : {L"one", L"two"})
            pList->AddString(lpszItem);

        ZMR_PROPEXCHANGE_PARAM param = {pManager, FALSE};
        CZMRCommandBarList loaded;
        RoundTrip(store, {&toolBar}, &param, loaded);
        ASSERT_EQ(loaded.GetCount(), 2) << "the tool bar and the combo box's list";
        auto* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, loaded.GetAt(0));
        ASSERT_NE(pToolBar, nullptr);
        ASSERT_EQ(Ids(pToolBar->GetControls()), std::vector<int>({40, 41}));

        auto* pLoadedEdit = DYNAMIC_DOWNCAST(CZMRControlEdit, pToolBar->GetControl(0));
        ASSERT_NE(pLoadedEdit, nullptr);
        EXPECT_EQ(pLoadedEdit->GetWidth(), 120);
        EXPECT_TRUE(pLoadedEdit->HasLabel());
        EXPECT_TRUE(pLoadedEdit->IsReadOnly());
        EXPECT_EQ(pLoadedEdit->GetEditHint(), CString(L"Size"));
        EXPECT_EQ(pLoadedEdit->GetEditStyle(), DWORD(ES_NUMBER));
        EXPECT_TRUE(pLoadedEdit->IsSpinButtonsVisible());

        auto* pLoadedCombo = DYNAMIC_DOWNCAST(CZMRControlComboBox, pToolBar->GetControl(1));
        ASSERT_NE(pLoadedCombo, nullptr);
        EXPECT_EQ(pLoadedCombo->GetWidth(), 150);
        EXPECT_TRUE(pLoadedCombo->GetDropDownMode());
        EXPECT_NE(pLoadedCombo->GetEditCtrl(), nullptr) << "drop-down mode is applied after loading";
        EXPECT_EQ(pLoadedCombo->GetComboStyle(), 1);
        EXPECT_TRUE(pLoadedCombo->GetAutoComplete());
        EXPECT_EQ(pLoadedCombo->GetEditHint(), CString(L"Find"));
        EXPECT_EQ(pLoadedCombo->GetEditIconId(), 7);
        EXPECT_EQ(pLoadedCombo->GetDropDownItemCount(), 5);
        auto* pLoadedList = DYNAMIC_DOWNCAST(CZMRControlComboBoxList, pLoadedCombo->GetCommandBar());
        ASSERT_NE(pLoadedList, nullptr);
        EXPECT_EQ(pLoadedList, loaded.FindBar(100)) << "the list saved as a bar of its own, found again";
        EXPECT_EQ(pLoadedList->GetListIconId(), 9);
        EXPECT_EQ(pLoadedList->GetMRUWidth(), 180);
        ASSERT_EQ(pLoadedList->GetCount(), 2);
        CString strItem;
        pLoadedList->GetText(1, strItem);
        EXPECT_EQ(strItem, CString(L"two"));
        pLoadedCombo->SetCurSel(0);
        EXPECT_EQ(pLoadedCombo->GetEditText(), CString(L"one")) << "the loaded list serves the combo box";

        loaded.RemoveAll();
        delete pManager;
    }
}

TEST(StatePersistence, KeysGoInTheOrderOlderReadersExpect)
{
    CZMRMenuBar menuBar;
    CZMRControl* pButton = menuBar.GetControls()->Add(zmrControlButton, 10);
    pButton->GetExcludedDocTemplates().SetAt(4, TRUE);
    CMemoryPropStore::Data data;
    CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
    menuBar.DoPropExchange(&store);

    const std::vector<std::wstring> expected = {
        L"Type", L"Position", L"BarID", L"Flags", L"Style", L"Title", L"Customizable", L"MRUWidth", L"IconSize",
        L"ButtonSize", L"ShowTextBelowIcons", L"EnableAnimation", L"DefaultButtonStyle",
        L"Controls/Count", L"Controls/Control0/Class", L"Controls/Control0/Type", L"Controls/Control0/Id",
        L"Controls/Control0/IconId", L"Controls/Control0/BeginGroup", L"Controls/Control0/Tag",
        L"Controls/Control0/Flags", L"Controls/Control0/HideFlags", L"Controls/Control0/Caption",
        L"Controls/Control0/ShortcutText", L"Controls/Control0/TooltipText", L"Controls/Control0/DescriptionText",
        L"Controls/Control0/Parameter", L"Controls/Control0/CustomIconId", L"Controls/Control0/CustomCaption",
        L"Controls/Control0/Category",
        // A named store leaves the empty assigned map out.
        L"Controls/Control0/DocTemplatesExcluded", L"Controls/Control0/DefaultItem",
        L"Controls/Control0/CloseSubMenuOnClick", L"Controls/Control0/CustomStyle", L"Controls/Control0/HelpId",
        L"Controls/Control0/Style", L"Controls/Control0/Width", L"Controls/Control0/Height",
        L"Controls/Control0/ExecuteOnPressInterval", L"Controls/Control0/ShortcutTextAuto",
        L"Controls/Control0/KeyboardTip", L"Controls/Control0/IconSize", L"Controls/OriginalControls",
        L"Controls/CustomizedControls", L"BuiltIn", L"TearOff", L"Closeable", L"ContextMenuPresent",
        L"CustomizeDialogPresent", L"ResourceId", L"Count"};
    EXPECT_EQ(data.order, expected);
}

TEST(StatePersistence, AControlsOwnPictureTravelsWithIt)
{
    // Saved from one manager's images, loaded into another's.
    CZMRBarManager* pSaver = new CZMRBarManager;
    CZMRBarManager* pLoader = new CZMRBarManager;
    for (CZMRBarManager* pManager : {pSaver, pLoader})
    {
        CZMRImageManager* pImages = new CZMRImageManager;
        pManager->SetImageManager(pImages);
        pImages->InternalRelease();
    }
    CZMRIconHandle handle;
    handle.SetIcon(::LoadIcon(nullptr, IDI_APPLICATION));
    ASSERT_TRUE(pSaver->GetImageManager()->SetIcon(handle, 5000, 16, 16, ZMR_ICONSTATE_NORMAL));

    CZMRControl* pControl = new CZMRControlButton;
    pControl->SetCustomIconId(5000);
    pControl->SetHelpId(9);   // a key after the picture
    const ArchiveStreams::Bytes bytes = ArchiveStreams::Store([&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        ZMR_PROPEXCHANGE_PARAM param = {pSaver, FALSE};
        px.m_pOwnerContext = &param;
        pControl->DoPropExchange(&px);
    });
    pControl->InternalRelease();

    CZMRControl* pLoaded = new CZMRControlButton;
    ArchiveStreams::Load(bytes, [&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        ZMR_PROPEXCHANGE_PARAM param = {pLoader, FALSE};
        px.m_pOwnerContext = &param;
        pLoaded->DoPropExchange(&px);
    });
    EXPECT_EQ(pLoaded->GetCustomIconId(), 5000);
    EXPECT_NE(pLoader->GetImageManager()->GetImage(5000, 16), nullptr);
    EXPECT_EQ(pLoaded->GetHelpId(), 9) << "the values after the picture stay in step";
    pLoaded->InternalRelease();
    delete pSaver;
    delete pLoader;
}

// ---------------------------------------------------------------- older states

TEST(StatePersistence, OlderSchemasLeaveTheirMissingKeysAtDefaults)
{
    // Everything saved with the current schema; read back as older states.
    CZMRToolBar toolBar;
    toolBar.SetIconSize(CSize(24, 24));
    CZMRControl* pButton = toolBar.GetControls()->Add(zmrControlButton, 10);
    pButton->SetCategory(L"File");
    pButton->SetHelpId(5);
    pButton->SetWidth(40);
    pButton->SetCustomStyle(0);
    pButton->SetStyle(zmrButtonCaption);
    pButton->SetKeyboardTip(L"K");
    pButton->SetIconSize(CSize(32, 32));
    pButton->SetCloseSubMenuOnClick(FALSE);
    CZMRControlPopup* pPopup = AddPopup(&toolBar, 20, nullptr);
    pPopup->SetStyle(zmrButtonIcon);
    CZMRPopupBar* pPopupBar = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    pPopupBar->SetBarStyle(0);
    pPopupBar->SetContextMenu(TRUE);
    pPopupBar->SetShowShadow(FALSE);
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        CZMRSectionScope toolBarSection(store.GetSection(L"ToolBar"));
        toolBar.DoPropExchange(toolBarSection);
        CZMRSectionScope popupSection(store.GetSection(L"Popup"));
        pPopupBar->DoPropExchange(popupSection);
    }
    pPopupBar->InternalRelease();

    struct Case
    {
        int nSchema;
        CSize szBarIcons;
        const wchar_t* pszCategory;
        BOOL bCloseSubMenuOnClick;
        int nCustomStyle;
        int nHelpId;
        int nButtonStyle;
        int nPopupStyle;
        int nWidth;
        const wchar_t* pszKeyboardTip;
        CSize szIcon;
        BOOL bShadow;
        BOOL bGripper;
        BOOL bContextMenu;
    };
    // A control without icon size of its own shows its bar's, and a bar
    // without one (and without manager) 16 by 16. A custom style of 0 is
    // the automatic style, in force over "Style".
    const int nAuto = zmrButtonAutomatic;
    const int nCaption = zmrButtonCaption;
    const int nIcon = zmrButtonIcon;
    const CSize sz16(16, 16), sz24(24, 24), sz32(32, 32);
    const Case cases[] = {
        {1, sz16, L"", TRUE, -1, 0, nCaption, nAuto, 0, L"", sz16, TRUE, TRUE, FALSE},
        {4, sz24, L"File", TRUE, -1, 0, nCaption, nAuto, 0, L"", sz24, FALSE, TRUE, FALSE},
        // Buttons and popups kept their style in "Style"; a custom style of 0 meant none.
        {17, sz24, L"File", FALSE, -1, 5, nCaption, nIcon, 0, L"", sz24, FALSE, TRUE, FALSE},
        {18, sz24, L"File", FALSE, 0, 5, nAuto, nIcon, 0, L"", sz24, FALSE, TRUE, FALSE},
        // Popups of schema 19 still get the icon column.
        {19, sz24, L"File", FALSE, 0, 5, nAuto, nIcon, 40, L"", sz24, FALSE, TRUE, TRUE},
        {25, sz24, L"File", FALSE, 0, 5, nAuto, nIcon, 40, L"K", sz24, FALSE, FALSE, TRUE},
        {ZMR_PX_SCHEMA_CURRENT, sz24, L"File", FALSE, 0, 5, nAuto, nIcon, 40, L"K", sz32, FALSE, FALSE, TRUE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nSchema);
        CMemoryPropStore store(&data, TRUE, c.nSchema);
        CZMRToolBar loadedBar;
        CZMRSectionScope toolBarSection(store.GetSection(L"ToolBar"));
        loadedBar.DoPropExchange(toolBarSection);
        EXPECT_EQ(loadedBar.GetIconSize(), c.szBarIcons);
        ASSERT_EQ(loadedBar.GetControlCount(), 2);
        CZMRControl* pLoaded = loadedBar.GetControl(0);
        EXPECT_EQ(pLoaded->GetCategory(), CString(c.pszCategory));
        EXPECT_EQ(pLoaded->GetCloseSubMenuOnClick(), c.bCloseSubMenuOnClick);
        EXPECT_EQ(pLoaded->GetCustomStyle(), c.nCustomStyle);
        EXPECT_EQ(pLoaded->GetHelpId(), c.nHelpId);
        EXPECT_EQ(pLoaded->GetStyle(), c.nButtonStyle);
        EXPECT_EQ(pLoaded->GetWidth(), c.nWidth);
        EXPECT_EQ(pLoaded->GetKeyboardTip(), CString(c.pszKeyboardTip));
        EXPECT_EQ(pLoaded->GetIconSize(), c.szIcon);
        EXPECT_EQ(loadedBar.GetControl(1)->GetStyle(), c.nPopupStyle);

        CZMRPopupBar* pLoadedPopup = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
        CZMRSectionScope popupSection(store.GetSection(L"Popup"));
        pLoadedPopup->DoPropExchange(popupSection);
        EXPECT_EQ(pLoadedPopup->GetShowShadow(), c.bShadow);
        EXPECT_EQ(pLoadedPopup->IsGripperShown(), c.bGripper);
        EXPECT_EQ(pLoadedPopup->IsContextMenu(), c.bContextMenu);
        pLoadedPopup->InternalRelease();
    }
}

TEST(StatePersistence, AMenuBarOfAnOldStateCannotBeClosed)
{
    for (int nSchema : {16, 17})
    {
        CMemoryPropStore::Data data;   // empty: every key takes its default
        CMemoryPropStore store(&data, TRUE, nSchema);
        CZMRMenuBar menuBar;
        menuBar.DoPropExchange(&store);
        EXPECT_EQ(menuBar.GetType(), zmrBarTypeNormal) << "the default type";
        menuBar.SetType(zmrBarTypeMenuBar);
        menuBar.DoPropExchange(&store);
        EXPECT_TRUE(menuBar.IsCloseable()) << nSchema << ": the type is read before the rule applies";
    }
    CMemoryPropStore::Data data;
    {
        CZMRMenuBar saved;
        saved.SetType(zmrBarTypeMenuBar);
        saved.SetCloseable(TRUE);
        CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        saved.DoPropExchange(&store);
    }
    for (int nSchema : {16, 17})
    {
        CMemoryPropStore store(&data, TRUE, nSchema);
        CZMRMenuBar menuBar;
        menuBar.DoPropExchange(&store);
        EXPECT_EQ(menuBar.IsCloseable(), nSchema > 16) << nSchema;
    }
}

// ---------------------------------------------------------------- numbering and re-linking

TEST(StatePersistence, NumberingVisitsEachBarOnceAndToolBarsKeepTheirIds)
{
    CZMRToolBar toolBar;
    toolBar.SetBarID(300);
    CZMRPopupBar* pShared = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    CZMRPopupBar* pFar = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    pFar->SetBarID(0x1000000);   // outside the saved range: renumbered
    CZMRToolBar* pTornOff = static_cast<CZMRToolBar*>(RUNTIME_CLASS(CZMRToolBar)->CreateObject());
    AddPopup(&toolBar, 1, pShared);
    AddPopup(&toolBar, 2, pShared);
    AddPopup(&toolBar, 3, pFar);
    AddPopup(pFar, 4, pTornOff);
    AddPopup(pShared, 5, &toolBar);   // a loop back to the first bar
    CZMRPopupBar* pTemporaryBar = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    AddPopup(&toolBar, 6, pTemporaryBar)->SetTemporary(TRUE);

    DWORD nBarId = 100;
    {
        CZMRCommandBarList list;
        toolBar.NumberBarsForSave(nBarId, &list, nullptr);
        ASSERT_EQ(list.GetCount(), 4);
        EXPECT_EQ(list.GetAt(0), &toolBar);
        EXPECT_EQ(list.GetAt(1), pShared);
        EXPECT_EQ(list.GetAt(2), pFar);
        EXPECT_EQ(list.GetAt(3), pTornOff);
    }
    EXPECT_EQ(toolBar.GetBarID(), 300);
    EXPECT_EQ(pShared->GetBarID(), 100);
    EXPECT_EQ(pFar->GetBarID(), 101);
    EXPECT_EQ(pTornOff->GetBarID(), 0) << "tool bars keep their ids";
    EXPECT_EQ(pTemporaryBar->GetBarID(), 0) << "temporary controls are not saved";
    EXPECT_EQ(nBarId, DWORD(102));

    // A second save finds the bars numbered already.
    CZMRCommandBarList list;
    toolBar.NumberBarsForSave(nBarId, &list, nullptr);
    EXPECT_EQ(nBarId, DWORD(102));
    EXPECT_EQ(pShared->GetBarID(), 100);
    EXPECT_EQ(pFar->GetBarID(), 101);

    // The snapshot's popups (with bars of their own) are numbered only when
    // the saver asks for it.
    CZMRPopupBar* pOriginalBar = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    toolBar.GetControls()->RemoveAll();
    AddPopup(&toolBar, 7, pOriginalBar);
    toolBar.GetControls()->CreateOriginalControls();
    toolBar.GetControls()->RemoveAll();
    CZMRCommandBar* pSnapshotBar = toolBar.GetControls()->GetOriginalControls()->GetAt(0)->GetCommandBar();
    ASSERT_NE(pSnapshotBar, nullptr);
    for (BOOL bOriginal : {FALSE, TRUE})
    {
        CZMRCommandBarList again;
        ZMR_PROPEXCHANGE_PARAM param = {nullptr, bOriginal};
        toolBar.NumberBarsForSave(nBarId, &again, &param);
        EXPECT_EQ(pSnapshotBar->GetBarID(), bOriginal ? 102 : 0);
        EXPECT_EQ(again.GetCount(), bOriginal ? 2 : 1);
    }

    list.RemoveAll();
    toolBar.GetControls()->SetOriginalControls(nullptr);
    pShared->GetControls()->RemoveAll();
    for (CZMRCommandBar* pBar : {static_cast<CZMRCommandBar*>(pShared), static_cast<CZMRCommandBar*>(pFar),
                                 static_cast<CZMRCommandBar*>(pTornOff), static_cast<CZMRCommandBar*>(pTemporaryBar),
                                 static_cast<CZMRCommandBar*>(pOriginalBar)})
        pBar->InternalRelease();
}

TEST(StatePersistence, APopupWhoseBarWasNotLoadedKeepsNone)
{
    CMemoryPropStore::Data data;
    SaveToolBarWithPopupTo55(data);
    CZMRToolBar loaded;
    CZMRControlPopup* pPopup = LoadToolBarWithPopup(data, loaded);
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(pPopup->GetSavedBarId(), 55);

    CZMRPopupBar* pOther = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    pOther->SetBarID(56);
    pPopup->SetCommandBar(pOther);
    CZMRCommandBarList list;
    list.Add(pOther);
    pOther->InternalRelease();
    loaded.RelinkBarsAfterLoad(&list);
    EXPECT_EQ(pPopup->GetCommandBar(), nullptr);
    EXPECT_EQ(pPopup->GetSavedBarId(), 0);
}

TEST(StatePersistence, APopupIsNeverLinkedToItsOwnBarOrOneThatOpensIt)
{
    CMemoryPropStore::Data data;
    SaveToolBarWithPopupTo55(data);
    // A damaged state: id 55 is the tool bar itself, or a popup bar whose
    // own popup opens the tool bar. Either link would be a cycle.
    for (bool bOwnBar : {true, false})
    {
        SCOPED_TRACE(bOwnBar ? "its own bar" : "a bar that opens it");
        CZMRToolBar loaded;
        CZMRControlPopup* pPopup = LoadToolBarWithPopup(data, loaded);
        ASSERT_NE(pPopup, nullptr);
        ASSERT_EQ(pPopup->GetSavedBarId(), 55);
        {
            CZMRCommandBarList list;
            if (bOwnBar)
            {
                loaded.SetBarID(55);
                list.Add(&loaded);
            }
            else
            {
                CZMRPopupBar* pOpener = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
                pOpener->SetBarID(55);
                AddPopup(pOpener, 2, &loaded);
                list.Add(pOpener);
                pOpener->InternalRelease();
            }
            loaded.RelinkBarsAfterLoad(&list);
            EXPECT_EQ(pPopup->GetCommandBar(), nullptr);
            EXPECT_EQ(pPopup->GetSavedBarId(), 0);
        }
    }
}

// ---------------------------------------------------------------- the controls collection

TEST(StatePersistence, TheSnapshotTravelsOnlyWhenTheSaverAsks)
{
    for (BOOL bOriginal : {FALSE, TRUE})
    {
        CZMRToolBar toolBar;
        toolBar.SetBarID(1);
        toolBar.GetControls()->Add(zmrControlButton, 10);
        toolBar.GetControls()->Add(zmrControlButton, 11);
        toolBar.GetControls()->CreateOriginalControls();
        toolBar.GetControls()->RemoveAt(0);
        ZMR_PROPEXCHANGE_PARAM param = {nullptr, bOriginal};
        CZMRCommandBarList loaded;
        RoundTrip(storeArchive, {&toolBar}, &param, loaded);
        ASSERT_EQ(loaded.GetCount(), 1);
        CZMRControls* pControls = loaded.GetAt(0)->GetControls();
        EXPECT_EQ(Ids(pControls), std::vector<int>({11}));
        if (!bOriginal)
        {
            EXPECT_EQ(pControls->GetOriginalControls(), nullptr);
            continue;
        }
        ASSERT_NE(pControls->GetOriginalControls(), nullptr);
        EXPECT_EQ(Ids(pControls->GetOriginalControls()), std::vector<int>({10, 11}));
        EXPECT_TRUE(pControls->GetOriginalControls()->IsEqual(toolBar.GetControls()->GetOriginalControls()));
    }
}

TEST(StatePersistence, ASectionThatMakesNoControlStopsTheLoading)
{
    for (const wchar_t* pszClass : {L"CZMRToolBar", L"CNoSuchControl"})
    {
        CMemoryPropStore::Data data;
        CMemoryPropStore::Value count;
        int nCount = 1;
        count.raw.assign(reinterpret_cast<BYTE*>(&nCount), reinterpret_cast<BYTE*>(&nCount) + 4);
        data.values[L"Count"] = count;
        data.values[L"Control0/Class"].text = pszClass;
        CMemoryPropStore store(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
        CZMRControls* pControls = new CZMRControls;
        pControls->Add(zmrControlButton, 1);
        bool bThrown = false;
        try
        {
            pControls->DoPropExchange(&store);
        }
        catch (CArchiveException* e)
        {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown) << CStringA(pszClass).GetString();
        pControls->InternalRelease();
    }
}

// ---------------------------------------------------------------- a tool bar taking a loaded state

TEST(StatePersistence, AToolBarTakesALoadedStateUnlessTheProgramChangedIt)
{
    enum EShape
    {
        sameSnapshot,       // the program's bar is as it was when the state was saved
        noLoadedSnapshot,   // the state was saved without snapshot
        changedUntouched,   // the program changed the bar; the user had not
        changedCustomized,  // the program changed the bar; so had the user
    };
    struct Case
    {
        const char* what;
        EShape shape;
        BOOL bSilent;
        int nAnswer;
        bool bAsked;
        std::vector<int> ids;            // this bar's controls afterwards
        std::vector<int> originalIds;    // and its snapshot
    };
    const Case cases[] = {
        {"same snapshot", sameSnapshot, FALSE, IDYES, false, {2, 1}, {1, 2, 3}},
        {"no loaded snapshot", noLoadedSnapshot, FALSE, IDYES, false, {2, 1}, {1, 2, 3}},
        {"changed, untouched", changedUntouched, FALSE, IDNO, false, {1, 2, 3}, {1, 2, 3}},
        {"changed, customised, silent", changedCustomized, TRUE, IDNO, false, {1, 2, 3}, {1, 2, 3}},
        {"changed, customised, take the program's", changedCustomized, FALSE, IDYES, true, {1, 2, 3}, {1, 2, 3}},
        {"changed, customised, keep the user's", changedCustomized, FALSE, IDNO, true, {2, 1}, {1, 2, 3}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CAnswerApp app;
        app.m_nAnswer = c.nAnswer;

        // The program's bar now: 1, 2, 3.
        CZMRToolBar toolBar;
        toolBar.SetTitle(L"Standard");
        for (int nId : {1, 2, 3})
            toolBar.GetControls()->Add(zmrControlButton, nId);
        toolBar.GetControls()->CreateOriginalControls();

        // The loaded bar: saved when the program's bar was 1, 2 (or 1, 2, 3).
        CZMRToolBar loadedBar;
        std::vector<int> savedOriginal = {1, 2};
        if (c.shape == sameSnapshot)
            savedOriginal = {1, 2, 3};
        for (int nId : savedOriginal)
            loadedBar.GetControls()->Add(zmrControlButton, nId);
        if (c.shape != noLoadedSnapshot)
            loadedBar.GetControls()->CreateOriginalControls();
        if (c.shape != changedUntouched)
        {
            loadedBar.GetControls()->RemoveAll();
            for (int nId : {2, 1})
                loadedBar.GetControls()->Add(zmrControlButton, nId);
        }

        toolBar.ApplyLoadedState(&loadedBar, c.bSilent);
        EXPECT_EQ(Ids(toolBar.GetControls()), c.ids);
        ASSERT_NE(toolBar.GetControls()->GetOriginalControls(), nullptr);
        EXPECT_EQ(Ids(toolBar.GetControls()->GetOriginalControls()), c.originalIds);
        ASSERT_EQ(app.m_prompts.size(), c.bAsked ? 1u : 0u);
        if (c.bAsked)
        {
            EXPECT_NE(app.m_prompts[0].Find(L"'Standard'"), -1) << CStringA(app.m_prompts[0]).GetString();
            EXPECT_EQ(app.m_nType, UINT(MB_YESNO | MB_ICONQUESTION));
        }
    }
}

// ---------------------------------------------------------------- the menu bar's menus per document kind

TEST(StatePersistence, AMenuBarLoadsOneRecordPerMenuId)
{
    // Two sections of one id: the first counts, the second is read and dropped.
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        store.WriteCount(2);
        int nId = 0;
        for (int n = 0; n < 2; n++)
        {
            CString strSection;
            strSection.Format(L"MDIMenu%i", n);
            CZMRSectionScope section(store.GetSection(strSection));
            nId = 7;
            PropExchangeInt(section, L"Id", &nId, 0);
            CZMRControls* pControls = new CZMRControls;
            pControls->Add(zmrControlButton, 70 + n);
            pControls->DoPropExchange(section);
            pControls->InternalRelease();
        }
    }
    for (int nSchema : {4, ZMR_PX_SCHEMA_CURRENT})
    {
        CMemoryPropStore store(&data, TRUE, nSchema);
        CZMRMenuBar menuBar;
        menuBar.DoPropExchange(&store);
        CZMRMenuBarMDIMenuInfo* pInfo = menuBar.GetMDIMenus()->Lookup(7);
        if (nSchema == 4)
        {
            EXPECT_EQ(menuBar.GetMDIMenus()->GetCount(), 0) << "older states had no such records";
            continue;
        }
        ASSERT_EQ(menuBar.GetMDIMenus()->GetCount(), 1);
        ASSERT_NE(pInfo, nullptr);
        EXPECT_EQ(Ids(pInfo->GetControls()), std::vector<int>({70}));
    }
}
