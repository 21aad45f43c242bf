// The ribbon's stored state: its own keys and the schemas that added them,
// the quick-access controls (always saved, and back among the ribbon's
// controls after loading), the system button of a customizable ribbon, and
// damaged streams.
#include "RibbonTestSupport.h"
#include "ArchiveStreams.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRPropExchangeArchive.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "MemoryPropStore.h"

namespace
{
// A ribbon made by its class, as a manager's loading makes it.
struct CRibbonObject
{
    CRibbonObject() : p(static_cast<CZMRRibbonBar*>(RUNTIME_CLASS(CZMRRibbonBar)->CreateObject())) {}
    ~CRibbonObject() { p->InternalRelease(); }
    CZMRRibbonBar* operator->() const { return p; }
    CZMRRibbonBar* p;
};

void AddQuickAccessButton(CZMRRibbonBar* pRibbon, int nId)
{
    CZMRControlButton button;
    button.SetID(nId);
    pRibbon->GetQuickAccessControls()->AddCopy(&button);
}

std::vector<int> QuickAccessIds(CZMRRibbonBar* pRibbon)
{
    std::vector<int> ids;
    for (int i = 0; i < pRibbon->GetQuickAccessControls()->GetCount(); i++)
        ids.push_back(pRibbon->GetQuickAccessControls()->GetAt(i)->GetID());
    return ids;
}

ArchiveStreams::Bytes Save(CZMRRibbonBar* pRibbon)
{
    return ArchiveStreams::Store([&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        pRibbon->DoPropExchange(&px);
    });
}

void Load(const ArchiveStreams::Bytes& bytes, CZMRRibbonBar* pRibbon)
{
    ArchiveStreams::Load(bytes, [&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        pRibbon->DoPropExchange(&px);
    });
}
} // namespace

TEST(RibbonPersistence, KeysAndQuickAccessControlsRoundTrip)
{
    CRibbonObject saved;
    saved->ShowQuickAccessBelow(TRUE);
    saved->SetMinimized(TRUE);
    AddQuickAccessButton(saved.p, 101);
    AddQuickAccessButton(saved.p, 102);

    CRibbonObject loaded;
    Load(Save(saved.p), loaded.p);
    EXPECT_TRUE(loaded->IsQuickAccessBelow());
    EXPECT_TRUE(loaded->IsMinimized());
    EXPECT_FALSE(loaded->IsCustomizable());
    EXPECT_EQ(std::vector<int>({101, 102}), QuickAccessIds(loaded.p));
    // The loaded controls are the ribbon's too, in front of its own controls.
    ASSERT_GE(loaded->GetControlCount(), 7);
    EXPECT_EQ(101, loaded->GetControl(0)->GetID());
    EXPECT_EQ(102, loaded->GetControl(1)->GetID());
    EXPECT_TRUE(loaded->IsQuickAccessControl(loaded->GetControl(0)));

    // Removing one from the ribbon takes it off the quick-access row as well.
    loaded->GetControls()->Remove(loaded->GetControl(0));
    EXPECT_EQ(std::vector<int>({102}), QuickAccessIds(loaded.p));
    loaded->GetQuickAccessControls()->Remove(loaded->GetControl(0));
    EXPECT_TRUE(QuickAccessIds(loaded.p).empty());
    EXPECT_EQ(5, loaded->GetControlCount()) << "and the other way round";
}

TEST(RibbonPersistence, MinimizedAndCustomizableOnlyFromTheSchemasThatAddedThem)
{
    struct
    {
        int nSchema;
        bool bMinimized;
        bool bCustomizable;
    } cases[] = {{18, false, false}, {19, true, false}, {23, true, false}, {24, true, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nSchema);
        CRibbonObject saved;
        saved->SetMinimized(TRUE);
        CMemoryPropStore::Data data;
        CMemoryPropStore saver(&data, FALSE, c.nSchema);
        saved->DoPropExchange(&saver);
        EXPECT_EQ(c.bMinimized, data.values.count(L"Minimized") == 1);
        EXPECT_EQ(c.bCustomizable, data.values.count(L"Customizable") == 1);

        // Values stored by a newer schema are not read by an older one.
        CMemoryPropStore::Data full;
        CMemoryPropStore newer(&full, FALSE);
        saved->DoPropExchange(&newer);
        CRibbonObject loaded;
        CMemoryPropStore loader(&full, TRUE, c.nSchema);
        loaded->DoPropExchange(&loader);
        EXPECT_EQ(c.bMinimized, loaded->IsMinimized() != FALSE);
    }
}

TEST(RibbonPersistence, ASystemButtonIsStoredWithACustomizableRibbon)
{
    CRibbonObject saved;
    saved->SetCustomizable(TRUE);
    saved->AddSystemButton(700)->SetCaption(L"File");
    AddQuickAccessButton(saved.p, 101);
    const ArchiveStreams::Bytes bytes = Save(saved.p);

    CRibbonObject loaded;
    loaded->AddSystemButton(800);
    Load(bytes, loaded.p);
    ASSERT_NE(nullptr, loaded->GetSystemButton());
    EXPECT_EQ(700, loaded->GetSystemButton()->GetID()) << "the stored button replaces the current one";
    EXPECT_EQ(CString(L"File"), loaded->GetSystemButton()->GetCaption());
    EXPECT_EQ(loaded->GetSystemButton(), loaded->GetControl(0));
    EXPECT_EQ(nullptr, loaded->GetControls()->FindControlById(800));
    EXPECT_EQ(101, loaded->GetControl(1)->GetID()) << "quick-access controls stand behind the system button";
}

TEST(RibbonPersistence, AStateWithoutSystemButtonKeepsTheCurrentOne)
{
    CRibbonObject saved;
    saved->SetCustomizable(TRUE);
    CRibbonObject loaded;
    loaded->AddSystemButton(800);
    Load(Save(saved.p), loaded.p);
    ASSERT_NE(nullptr, loaded->GetSystemButton());
    EXPECT_EQ(800, loaded->GetSystemButton()->GetID());
}

TEST(RibbonPersistence, ADamagedStreamRaisesTheArchiveException)
{
    CRibbonObject saved;
    saved->SetCustomizable(TRUE);
    saved->AddSystemButton(700);
    AddQuickAccessButton(saved.p, 101);
    const ArchiveStreams::Bytes bytes = Save(saved.p);

    for (size_t nKeep : {size_t(2), bytes.size() / 2, bytes.size() - 1})
    {
        SCOPED_TRACE(nKeep);
        ArchiveStreams::Bytes cut(bytes.begin(), bytes.begin() + nKeep);
        CRibbonObject loaded;
        EXPECT_NE(-1, ArchiveStreams::ArchiveCause([&] { Load(cut, loaded.p); }));
    }

    // A class name that names no control class.
    ArchiveStreams::Bytes renamed = bytes;
    const std::string strClass = "CZMRRibbonControlSystemButton";
    auto it = std::search(renamed.begin(), renamed.end(), strClass.begin(), strClass.end());
    ASSERT_NE(it, renamed.end());
    *(it + 4) = 'X';
    CRibbonObject loaded;
    EXPECT_EQ(CArchiveException::badClass, ArchiveStreams::ArchiveCause([&] { Load(renamed, loaded.p); }));
}

TEST(RibbonPersistence, CopyAndCloneTakeTheQuickAccessControls)
{
    CRibbonObject source;
    source->ShowQuickAccessBelow(TRUE);
    AddQuickAccessButton(source.p, 101);
    AddQuickAccessButton(source.p, 102);

    CZMRRibbonBar* pClone = static_cast<CZMRRibbonBar*>(source->Clone());
    ASSERT_NE(nullptr, pClone);
    EXPECT_EQ(RUNTIME_CLASS(CZMRRibbonBar), pClone->GetRuntimeClass());
    EXPECT_TRUE(pClone->IsQuickAccessBelow());
    EXPECT_EQ(std::vector<int>({101, 102}), QuickAccessIds(pClone));
    EXPECT_NE(source->GetQuickAccessControls()->GetAt(0), pClone->GetQuickAccessControls()->GetAt(0))
        << "copies, not shared controls";
    EXPECT_EQ(101, pClone->GetControl(0)->GetID());
    pClone->InternalRelease();
}

TEST(RibbonPersistence, SavedRibbonClassesAreFoundByName)
{
    const struct
    {
        const char* name;
        const char* base;
    } records[] = {
        {"CZMRRibbonBar", "CZMRMenuBar"},
        {"CZMRRibbonControlSystemButton", "CZMRControlPopup"},
        {"CZMRRibbonBarControlQuickAccessPopup", "CZMRControlPopup"},
    };
    for (const auto& r : records)
    {
        SCOPED_TRACE(r.name);
        CRuntimeClass* pClass = CRuntimeClass::FromName(r.name);
        ASSERT_NE(nullptr, pClass);
        EXPECT_EQ(0x80000021u, pClass->m_wSchema);
        ASSERT_NE(nullptr, pClass->m_pBaseClass);
        EXPECT_STREQ(r.base, pClass->m_pBaseClass->m_lpszClassName);
        CObject* pObject = pClass->CreateObject();
        ASSERT_NE(nullptr, pObject);
        EXPECT_EQ(pClass, pObject->GetRuntimeClass());
        static_cast<CCmdTarget*>(pObject)->InternalRelease();
    }
}
