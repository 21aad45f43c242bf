// The run-time class records of the saved bar and control classes: found by
// name in the framework's list, of the versionable schema, with their base,
// and creating objects of their own class; and the per-thread keyboard and
// mouse managers.
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRDockBar.h"
#include "CZMRKeyboardManager.h"
#include "CZMRMouseManager.h"
#include <gtest/gtest.h>
#include <thread>

namespace
{
struct CRecordCase
{
    const char* name;
    const char* base;
};

// Every record of a class this program builds; the others come with their classes.
const CRecordCase kRecords[] = {
    {"CZMRCommandBar", "CWnd"},
    {"CZMRPopupBar", "CZMRCommandBar"},
    {"CZMRPopupToolBar", "CZMRPopupBar"},
    {"CZMRControl", "CCmdTarget"},
    {"CZMRToolBar", "CZMRCommandBar"},
    {"CZMRControlGallery", "CZMRControlPopup"},
    {"CZMRControlEdit", "CZMRControl"},
    {"CZMRControlComboBox", "CZMRControlPopup"},
    {"CZMRMenuBar", "CZMRToolBar"},
    {"CZMRControlWindowList", "CZMRControlButton"},
    {"CZMRControlToolbars", "CZMRControlButton"},
    {"CZMRControlOleItems", "CZMRControlButton"},
    {"CZMRControlRecentFileList", "CZMRControlButton"},
    {"CZMRControlWorkspaceActions", "CZMRControlButton"},
    {"CZMRControlLabel", "CZMRControl"},
    {"CZMRControlCheckBox", "CZMRControlButton"},
    {"CZMRControlRadioButton", "CZMRControlButton"},
    {"CZMRControlPopup", "CZMRControlButton"},
    {"CZMRControlButton", "CZMRControl"},
    {"CZMRControlCustom", "CZMRControlButton"},
    {"CZMRDialogBar", "CZMRToolBar"},
    {"CZMRControlProgress", "CZMRControl"},
    {"CZMRControlComboBoxGalleryPopupBar", "CZMRControlComboBoxPopupBar"},
};
} // namespace

TEST(RuntimeClasses, EveryRecordIsFoundByNameAndCreatesItsClass)
{
    for (const CRecordCase& c : kRecords)
    {
        SCOPED_TRACE(c.name);
        CRuntimeClass* pClass = CRuntimeClass::FromName(c.name);
        ASSERT_NE(pClass, nullptr);
        EXPECT_STREQ(pClass->m_lpszClassName, c.name);
        EXPECT_EQ(pClass->m_wSchema, 0x80000021u);
        ASSERT_NE(pClass->m_pBaseClass, nullptr);
        EXPECT_STREQ(pClass->m_pBaseClass->m_lpszClassName, c.base);

        CObject* pObject = pClass->CreateObject();
        ASSERT_NE(pObject, nullptr);
        EXPECT_EQ(pObject->GetRuntimeClass(), pClass);
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
        static_cast<CCmdTarget*>(pObject)->InternalRelease();
    }
    // Each record is in the list once: a record linked twice would loop.
    int nCount = 0;
    for (CRuntimeClass* pClass = AfxGetFirstRuntimeClass(); pClass && nCount < 100000; pClass = pClass->m_pNextClass)
        nCount++;
    EXPECT_LT(nCount, 100000);
}

TEST(RuntimeClasses, TheDockBarIsCreatableButNotListed)
{
    EXPECT_EQ(CRuntimeClass::FromName("CZMRDockBar"), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CZMRDockBar)->m_wSchema, 0xFFFFu);
    CObject* pObject = RUNTIME_CLASS(CZMRDockBar)->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CZMRDockBar)));
    delete pObject;
}

TEST(RuntimeClasses, ASecondThreadGetsManagersOfItsOwn)
{
    CZMRKeyboardManager* pKeyboard = CZMRKeyboardManager::GetThreadKeyboardManager();
    CZMRMouseManager* pMouse = CZMRMouseManager::GetThreadMouseManager();
    ASSERT_NE(pKeyboard, nullptr);
    ASSERT_NE(pMouse, nullptr);
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager(), pMouse) << "one per thread";
    CZMRKeyboardManager* pOtherKeyboard = nullptr;
    CZMRMouseManager* pOtherMouse = nullptr;
    std::thread other([&] {
        pOtherKeyboard = CZMRKeyboardManager::GetThreadKeyboardManager();
        pOtherMouse = CZMRMouseManager::GetThreadMouseManager();
    });
    other.join();
    EXPECT_NE(pOtherKeyboard, nullptr);
    EXPECT_NE(pOtherKeyboard, pKeyboard);
    EXPECT_NE(pOtherMouse, nullptr);
    EXPECT_NE(pOtherMouse, pMouse);
}
