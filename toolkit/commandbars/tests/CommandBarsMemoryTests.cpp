// Memory running out: every place where the bars make something gives back
// what it took when an allocation fails, and nothing that frees asks for
// memory.
#include "AllocationFaults.h"
#include "EachAllocationFails.h"
#include "CZMRCommandBarList.h"
#include "CZMRControlPopup.h"
#include "CZMRControls.h"
#include "CZMRMenuBar.h"
#include "CZMRMenuBarMDIMenuInfo.h"
#include "CZMRMenuBarMDIMenus.h"
#include "CZMRPopupBar.h"
#include "CZMRSectionScope.h"
#include "CZMRToolBar.h"
#include "MemoryPropStore.h"

#include <gtest/gtest.h>


namespace
{
// Two records of one MDI menu, each with one control, in a named store.
void WriteMDIMenus(CMemoryPropStore::Data& data)
{
    CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
    store.WriteCount(2);
    for (int n = 0; n < 2; n++)
    {
        CString strSection;
        strSection.Format(L"MDIMenu%i", n);
        CZMRSectionScope section(store.GetSection(strSection));
        int nId = 7 + n;
        PropExchangeInt(section, L"Id", &nId, 0);
        CZMRControls* pControls = new CZMRControls;
        pControls->Add(zmrControlButton, 70 + n);
        pControls->Add(zmrControlPopup, 80 + n);
        pControls->DoPropExchange(section);
        pControls->InternalRelease();
    }
}
} // namespace

TEST(CommandBarsMemory, ABarListGoesWithoutAskingForMemory)
{
    auto* pList = new CZMRCommandBarList;
    for (int i = 0; i < 3; i++)
    {
        CZMRPopupBar* pBar = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
        pList->Add(pBar);
        pBar->InternalRelease();
    }
    AllocationFaults::Arm(0);
    delete pList;   // a throw here would end the process
    EXPECT_FALSE(AllocationFaults::Disarm()) << "the list asked for memory while it went";
}

TEST(CommandBarsMemory, MakingBarsGivesBackWhatItTook)
{
    EachAllocationFails([] {
        CObject* pObject = RUNTIME_CLASS(CZMRPopupBar)->CreateObject();
        if (pObject)
            static_cast<CZMRCommandBar*>(pObject)->InternalRelease();
        CZMRToolBar toolBar;
    });
}

TEST(CommandBarsMemory, ImportingAMenuGivesBackWhatItTook)
{
    CMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, 201, L"&Open");
    sub.AppendMenu(MF_SEPARATOR);
    sub.AppendMenu(MF_STRING, 202, L"E&xit");
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    menu.AppendMenu(MF_POPUP, UINT_PTR(sub.Detach()), L"&File");
    menu.AppendMenu(MF_STRING, 203, L"&Help");

    EachAllocationFails([&] {
        CZMRToolBar toolBar;
        toolBar.LoadMenu(&menu, TRUE);
    });
    CZMRToolBar toolBar;
    ASSERT_TRUE(toolBar.LoadMenu(&menu, TRUE));
    EXPECT_EQ(toolBar.GetControls()->GetCount(), 2);
}

TEST(CommandBarsMemory, LoadingAMenuBarsMDIMenusGivesBackWhatItTook)
{
    CMemoryPropStore::Data data;
    WriteMDIMenus(data);
    EachAllocationFails([&] {
        CMemoryPropStore store(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
        CZMRMenuBar menuBar;
        menuBar.DoPropExchange(&store);
    });
    CMemoryPropStore store(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
    CZMRMenuBar menuBar;
    menuBar.DoPropExchange(&store);
    EXPECT_EQ(menuBar.GetMDIMenus()->GetCount(), 2);
}
