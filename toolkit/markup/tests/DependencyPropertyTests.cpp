// Dependency properties, their metadata, the effective-value rules, the
// property and type registries and the keyboard-navigation attached
// properties.
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDouble.h"
#include "CZMRMarkupGradientStop.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupLinearGradientBrush.h"
#include "CZMRMarkupProperties.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
struct Notification
{
    CZMRMarkupObject* pObject;
    CZMRMarkupObject* pOldValue;
    CZMRMarkupObject* pNewValue;
    int nOldValue;   // read inside the callback, while the old value must still live
};
std::vector<Notification> g_notifications;

void AFXAPI RecordChange(CZMRMarkupObject* pObject, CZMRMarkupPropertyChange& change)
{
    CZMRMarkupInt* pOld = static_cast<CZMRMarkupInt*>(change.pOldValue);
    g_notifications.push_back({pObject, change.pOldValue, change.pNewValue, pOld ? pOld->GetValue() : -1});
}

// Properties owned by the collection type, so that a tree of collections
// stands for a tree of elements.
CZMRMarkupDependencyProperty* InheritedProperty()
{
    static CZMRMarkupDependencyProperty* s_pProperty = CZMRMarkupDependencyProperty::Register(
        L"TestInherited", CZMRMarkupInt::GetMarkupType(), CZMRMarkupCollection::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(new CZMRMarkupInt(7), &RecordChange, CZMRMarkupPropertyMetadata::flagInherits));
    return s_pProperty;
}

CZMRMarkupDependencyProperty* LocalProperty()
{
    static CZMRMarkupDependencyProperty* s_pProperty = CZMRMarkupDependencyProperty::Register(
        L"TestLocal", CZMRMarkupInt::GetMarkupType(), CZMRMarkupCollection::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(new CZMRMarkupInt(3), &RecordChange, 0));
    return s_pProperty;
}

int IntValue(CZMRMarkupObject* pObject, CZMRMarkupDependencyProperty* pProperty)
{
    CZMRMarkupInt* pValue = static_cast<CZMRMarkupInt*>(pObject->GetValue(pProperty));
    return pValue ? pValue->GetValue() : -1;
}

// root > child > grandchild, and a plain object under the child.
class PropertyTreeTest : public MarkupTest
{
protected:
    void SetUp() override
    {
        MarkupTest::SetUp();
        InheritedProperty();
        LocalProperty();
        m_nLiveAtStart = CZMRMarkupObject::GetLiveObjectCount();
        root = new CZMRMarkupCollection(CZMRMarkupObject::GetMarkupType());
        child = new CZMRMarkupCollection(CZMRMarkupObject::GetMarkupType());
        grandchild = new CZMRMarkupCollection(CZMRMarkupObject::GetMarkupType());
        plain = new CZMRMarkupObject();
        root->Add(child);
        child->Add(grandchild);
        child->Add(plain);
        g_notifications.clear();
    }
    void TearDown() override
    {
        root->Release();
        MarkupTest::TearDown();
    }

    CZMRMarkupCollection* root = nullptr;
    CZMRMarkupCollection* child = nullptr;
    CZMRMarkupCollection* grandchild = nullptr;
    CZMRMarkupObject* plain = nullptr;
};
}

TEST_F(PropertyTreeTest, InheritedValueComesFromTheNearestAncestorThenTheDefault)
{
    CZMRMarkupDependencyProperty* pProperty = InheritedProperty();
    EXPECT_EQ(7, IntValue(grandchild, pProperty));
    EXPECT_EQ(nullptr, grandchild->FindValueOwner(pProperty));

    root->SetValue(pProperty, new CZMRMarkupInt(10));
    EXPECT_EQ(10, IntValue(grandchild, pProperty));
    EXPECT_EQ(10, IntValue(plain, pProperty));
    EXPECT_EQ(root, grandchild->FindValueOwner(pProperty));

    child->SetValue(pProperty, new CZMRMarkupInt(20));
    EXPECT_EQ(20, IntValue(grandchild, pProperty));
    EXPECT_EQ(10, IntValue(root, pProperty));
    EXPECT_EQ(child, grandchild->FindValueOwner(pProperty));

    // A property that does not inherit never looks at ancestors.
    root->SetValue(LocalProperty(), new CZMRMarkupInt(30));
    EXPECT_EQ(3, IntValue(grandchild, LocalProperty()));
    EXPECT_EQ(nullptr, grandchild->FindValueOwner(LocalProperty()));
    EXPECT_EQ(root, root->FindValueOwner(LocalProperty()));
}

TEST_F(PropertyTreeTest, InheritedChangeReachesEveryDescendantOfTheOwnerType)
{
    CZMRMarkupDependencyProperty* pProperty = InheritedProperty();
    grandchild->SetValue(pProperty, new CZMRMarkupInt(5));
    g_notifications.clear();

    CZMRMarkupInt* pValue = new CZMRMarkupInt(10);
    root->SetValue(pProperty, pValue);
    // The root itself, then depth first; the plain object is not of the owner
    // type, the grandchild is told although its own value hides the change.
    ASSERT_EQ(3u, g_notifications.size());
    EXPECT_EQ(root, g_notifications[0].pObject);
    EXPECT_EQ(child, g_notifications[1].pObject);
    EXPECT_EQ(grandchild, g_notifications[2].pObject);
    for (const Notification& n : g_notifications)
    {
        EXPECT_EQ(7, n.nOldValue);
        EXPECT_EQ(pValue, n.pNewValue);
    }
}

TEST_F(PropertyTreeTest, ChangeNotificationRunsEvenWhenNothingChanges)
{
    CZMRMarkupDependencyProperty* pProperty = LocalProperty();
    CZMRMarkupInt* pValue = new CZMRMarkupInt(4);
    child->SetValue(pProperty, pValue);
    g_notifications.clear();

    pValue->AddRef();
    EXPECT_TRUE(child->SetValue(pProperty, pValue));
    ASSERT_EQ(1u, g_notifications.size());
    EXPECT_EQ(pValue, g_notifications[0].pOldValue);
    EXPECT_EQ(pValue, g_notifications[0].pNewValue);
    EXPECT_EQ(1, pValue->GetRefCount());   // the caller's reference went to the store

    // Clearing a value that was never set shows the default as old and new.
    g_notifications.clear();
    EXPECT_TRUE(grandchild->SetValue(pProperty, nullptr));
    ASSERT_EQ(1u, g_notifications.size());
    EXPECT_EQ(pProperty->GetMetadata()->GetDefaultValue(), g_notifications[0].pOldValue);
    EXPECT_EQ(pProperty->GetMetadata()->GetDefaultValue(), g_notifications[0].pNewValue);
}

TEST_F(PropertyTreeTest, OldValueLivesThroughTheNotification)
{
    CZMRMarkupDependencyProperty* pProperty = LocalProperty();
    child->SetValue(pProperty, new CZMRMarkupInt(41));
    g_notifications.clear();
    // The store held the only reference to 41.
    child->SetValue(pProperty, new CZMRMarkupInt(42));
    ASSERT_EQ(1u, g_notifications.size());
    EXPECT_EQ(41, g_notifications[0].nOldValue);
    EXPECT_EQ(42, IntValue(child, pProperty));
}

TEST_F(PropertyTreeTest, WrongValueTypeIsRefusedAndStaysTheCallers)
{
    CZMRMarkupDouble* pDouble = new CZMRMarkupDouble(1.0);
    EXPECT_FALSE(child->SetValue(LocalProperty(), pDouble));
    EXPECT_EQ(1, pDouble->GetRefCount());
    EXPECT_EQ(nullptr, pDouble->GetLogicalParent());
    EXPECT_TRUE(g_notifications.empty());
    pDouble->Release();
    EXPECT_FALSE(child->SetValue(nullptr, nullptr));

    // A stored value gets the object as parent and loses it when replaced.
    CZMRMarkupInt* pValue = new CZMRMarkupInt(1);
    pValue->AddRef();
    child->SetValue(LocalProperty(), pValue);
    EXPECT_EQ(child, pValue->GetLogicalParent());
    child->SetValue(LocalProperty(), nullptr);
    EXPECT_EQ(nullptr, pValue->GetLogicalParent());
    EXPECT_EQ(1, pValue->GetRefCount());
    pValue->Release();
}

TEST_F(PropertyTreeTest, SharedValueIsNotLeftPointingAtADestroyedOwner)
{
    CZMRMarkupBool* pTrue = CZMRMarkupBool::CreateTrueValue();
    CZMRMarkupObject* pFirst = new CZMRMarkupObject();
    CZMRMarkupObject* pSecond = new CZMRMarkupObject();
    pTrue->AddRef();
    pFirst->SetValue(CZMRMarkupKeyboardNavigation::m_pIsTabStopProperty, pTrue);
    pSecond->SetValue(CZMRMarkupKeyboardNavigation::m_pIsTabStopProperty, pTrue);
    EXPECT_EQ(pSecond, pTrue->GetLogicalParent());
    pFirst->Release();   // its store must not cut the second holder's link
    EXPECT_EQ(pSecond, pTrue->GetLogicalParent());
    pSecond->Release();
    EXPECT_EQ(nullptr, pTrue->GetLogicalParent());
}

TEST_F(MarkupTest, StoreCopyAddsOneReferencePerValueAndKeepsOtherSlots)
{
    CZMRMarkupDependencyProperty* pColor = CZMRMarkupSolidColorBrush::m_pColorProperty;
    CZMRMarkupDependencyProperty* pOffset = CZMRMarkupGradientStop::m_pOffsetProperty;
    MarkupRef<CZMRMarkupProperties> source(new CZMRMarkupProperties(nullptr));
    MarkupRef<CZMRMarkupProperties> target(new CZMRMarkupProperties(nullptr));
    CZMRMarkupColor* pRed = new CZMRMarkupColor(RGB(255, 0, 0));
    CZMRMarkupDouble* pHalf = new CZMRMarkupDouble(0.5);
    source->SetLocal(pColor, pRed);
    target->SetLocal(pOffset, pHalf);
    target->CopyFrom(source);
    EXPECT_EQ(pRed, target->GetLocal(pColor));
    EXPECT_EQ(2, pRed->GetRefCount());
    EXPECT_EQ(pHalf, target->GetLocal(pOffset));
    EXPECT_EQ(nullptr, source->GetLocal(pOffset));
    EXPECT_FALSE(source->HasSlot(nullptr));
}

TEST_F(MarkupTest, PropertiesAreFoundOnTheTypeOrItsBaseTypes)
{
    CZMRMarkupType* pSolid = CZMRMarkupSolidColorBrush::GetMarkupType();
    EXPECT_EQ(CZMRMarkupObject::m_pNameProperty, CZMRMarkupDependencyProperty::FindProperty(pSolid, L"x:Name"));
    EXPECT_EQ(CZMRMarkupObject::m_pKeyProperty,
              CZMRMarkupDependencyProperty::FindProperty(CZMRMarkupGradientStop::GetMarkupType(), L"x:Key"));
    EXPECT_EQ(CZMRMarkupSolidColorBrush::m_pColorProperty, CZMRMarkupDependencyProperty::FindProperty(pSolid, L"Color"));
    EXPECT_EQ(CZMRMarkupGradientStop::m_pColorProperty,
              CZMRMarkupDependencyProperty::FindProperty(CZMRMarkupGradientStop::GetMarkupType(), L"Color"));
    EXPECT_EQ(nullptr,
              CZMRMarkupDependencyProperty::FindProperty(CZMRMarkupLinearGradientBrush::GetMarkupType(), L"Color"));
    EXPECT_EQ(nullptr, CZMRMarkupDependencyProperty::FindProperty(pSolid, L"color"));
    EXPECT_EQ(nullptr, CZMRMarkupDependencyProperty::FindProperty(nullptr, L"x:Name"));

    CZMRMarkupDependencyProperty* pName = CZMRMarkupObject::m_pNameProperty;
    EXPECT_STREQ(L"x:Name", pName->GetName());
    EXPECT_EQ(CZMRMarkupString::GetMarkupType(), pName->GetValueType());
    EXPECT_EQ(CZMRMarkupObject::GetMarkupType(), pName->GetOwnerType());
    EXPECT_EQ(nullptr, pName->GetMetadata());
    EXPECT_FALSE(pName->IsAttached());
    EXPECT_FALSE(pName->IsEvent());
}

TEST_F(MarkupTest, PropertyIndexesFollowTheRegistrationTable)
{
    // The object's own properties first; then the rows from the last to the
    // first, each type's properties in the order it registers them.
    EXPECT_EQ(0, CZMRMarkupObject::m_pNameProperty->GetIndex());
    EXPECT_EQ(1, CZMRMarkupObject::m_pKeyProperty->GetIndex());
    const CZMRMarkupDependencyProperty* order[] = {
        CZMRMarkupKeyboardNavigation::m_pIsTabStopProperty,  CZMRMarkupKeyboardNavigation::m_pTabNavigationProperty,
        CZMRMarkupKeyboardNavigation::m_pTabIndexProperty,   CZMRMarkupLinearGradientBrush::m_pStartPointProperty,
        CZMRMarkupLinearGradientBrush::m_pEndPointProperty,  CZMRMarkupGradientStop::m_pColorProperty,
        CZMRMarkupGradientStop::m_pOffsetProperty,
    };
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); i++)
        EXPECT_LT(order[i - 1]->GetIndex(), order[i]->GetIndex()) << i;
    EXPECT_LT(1, order[0]->GetIndex());
    // The hyperlink's default style needs a solid brush, so the brush's
    // registration runs ahead of its row, with the hyperlink's.
    EXPECT_LT(CZMRMarkupSolidColorBrush::m_pColorProperty->GetIndex(),
              CZMRMarkupGradientStop::m_pColorProperty->GetIndex());
    EXPECT_LT(CZMRMarkupKeyboardNavigation::m_pTabIndexProperty->GetIndex(),
              CZMRMarkupSolidColorBrush::m_pColorProperty->GetIndex());

    // A second registration run registers nothing.
    int nCount = CZMRMarkupDependencyProperty::GetPropertyCount();
    RegisterAllMarkupTypes();
    EXPECT_EQ(nCount, CZMRMarkupDependencyProperty::GetPropertyCount());
}

TEST_F(MarkupTest, TypesAreFoundByTagAndKnowTheirBase)
{
    CZMRMarkupType* pSolid = CZMRMarkupSolidColorBrush::GetMarkupType();
    EXPECT_EQ(pSolid, CZMRMarkupType::LookupTag(L"SolidColorBrush"));
    EXPECT_EQ(nullptr, CZMRMarkupType::LookupTag(L"solidcolorbrush"));
    EXPECT_EQ(nullptr, CZMRMarkupType::LookupTag(L"Brush"));   // no tag: not written in markup
    EXPECT_EQ(nullptr, CZMRMarkupType::LookupTag(nullptr));
    EXPECT_EQ(CZMRMarkupColor::GetMarkupType(), CZMRMarkupType::LookupTag(L"Color"));
    EXPECT_EQ(CZMRMarkupKeyboardNavigation::GetMarkupType(), CZMRMarkupType::LookupTag(L"KeyboardNavigation"));
    EXPECT_STREQ(L"CZMRMarkupSolidColorBrush", pSolid->GetMarkupClassName());
    EXPECT_EQ(CZMRMarkupBrush::GetMarkupType(), pSolid->GetBaseType());
    EXPECT_EQ(nullptr, CZMRMarkupObject::GetMarkupType()->GetBaseType());
    EXPECT_TRUE(CZMRMarkupType::IsDerivedFrom(pSolid, CZMRMarkupObject::GetMarkupType()));
    EXPECT_FALSE(CZMRMarkupType::IsDerivedFrom(CZMRMarkupBrush::GetMarkupType(), pSolid));
    EXPECT_FALSE(CZMRMarkupType::IsDerivedFrom(nullptr, pSolid));

    // A tag name converts to its type with one more reference.
    MarkupRef<CZMRMarkupObject> blank(CZMRMarkupType::GetMarkupType()->CreateObject());
    long nCount = pSolid->GetRefCount();
    CZMRMarkupObject* pType = blank->ConvertFrom(MarkupRef<CZMRMarkupString>(new CZMRMarkupString(L"SolidColorBrush")));
    EXPECT_EQ(pSolid, pType);
    EXPECT_EQ(nCount + 1, pSolid->GetRefCount());
    pSolid->Release();
    EXPECT_EQ(nullptr, blank->ConvertFrom(MarkupRef<CZMRMarkupString>(new CZMRMarkupString(L"solidColorBrush"))));

    // Each class answers its own type, and instances come from the create callback.
    MarkupRef<CZMRMarkupObject> stop(CZMRMarkupType::LookupTag(L"GradientStop")->CreateObject());
    EXPECT_EQ(CZMRMarkupGradientStop::GetMarkupType(), stop->GetType());
    EXPECT_TRUE(stop->IsKindOf(CZMRMarkupObject::GetMarkupType()));
    EXPECT_EQ(stop.get(), MarkupCast<CZMRMarkupGradientStop>(stop));
    EXPECT_EQ(nullptr, MarkupCast<CZMRMarkupBrush>(stop));
    EXPECT_EQ(nullptr, MarkupCast<CZMRMarkupBrush>(nullptr));
}

TEST(MarkupTypeRegistry, ListHoldsEveryTypeOnceLastRowFirst)
{
    PrepareMarkupEngine();
    std::vector<CZMRMarkupType*> types;
    for (CZMRMarkupType* pType = CZMRMarkupType::GetFirstType(); pType; pType = pType->GetNextType())
        types.push_back(pType);
    auto position = [&](CZMRMarkupType* pType) {
        size_t nFound = types.size();
        for (size_t i = 0; i < types.size(); i++)
        {
            if (types[i] == pType)
            {
                EXPECT_EQ(types.size(), nFound) << "listed twice";
                nFound = i;
            }
        }
        return nFound;
    };
    CZMRMarkupType* tableOrder[] = {
        CZMRMarkupDependencyProperty::GetMarkupType(), CZMRMarkupType::GetMarkupType(),
        CZMRMarkupObject::GetMarkupType(),             CZMRMarkupThickness::GetMarkupType(),
        CZMRMarkupInt::GetMarkupType(),                CZMRMarkupBool::GetMarkupType(),
        CZMRMarkupString::GetMarkupType(),             CZMRMarkupCollection::GetMarkupType(),
        CZMRMarkupSolidColorBrush::GetMarkupType(),    CZMRMarkupLinearGradientBrush::GetMarkupType(),
        CZMRMarkupKeyboardNavigation::GetMarkupType(),
    };
    for (size_t i = 1; i < sizeof(tableOrder) / sizeof(tableOrder[0]); i++)
    {
        ASSERT_LT(position(tableOrder[i]), types.size());
        EXPECT_GT(position(tableOrder[i - 1]), position(tableOrder[i])) << tableOrder[i]->GetMarkupClassName();
    }
    for (CZMRMarkupType* pType : types)
        EXPECT_TRUE(pType->IsRegistered()) << pType->GetMarkupClassName();
}

namespace
{
std::vector<int> g_registrations;
void AFXAPI RegisterBase() { g_registrations.push_back(1); }
void AFXAPI RegisterDerived() { g_registrations.push_back(2); }
CZMRMarkupType* g_pProbeBase = nullptr;
CZMRMarkupType* AFXAPI GetProbeBase() { return g_pProbeBase; }
}

TEST(MarkupTypeRegistry, EnsureRegisteredRunsBaseTypesFirstAndOnce)
{
    PrepareMarkupEngine();
    // Types made here join the process-wide list, as every type does.
    g_pProbeBase = new CZMRMarkupType(nullptr, L"ProbeBase", nullptr, &CZMRMarkupObject::GetMarkupType, &RegisterBase);
    CZMRMarkupType* pDerived = new CZMRMarkupType(L"ProbeDerived", L"ProbeDerived", nullptr, &GetProbeBase,
                                                  &RegisterDerived);
    EXPECT_EQ(pDerived, CZMRMarkupType::GetFirstType());
    EXPECT_EQ(pDerived, CZMRMarkupType::LookupTag(L"ProbeDerived"));
    CZMRMarkupType::EnsureRegistered(pDerived);
    CZMRMarkupType::EnsureRegistered(pDerived);
    CZMRMarkupType::EnsureRegistered(g_pProbeBase);
    EXPECT_EQ((std::vector<int>{1, 2}), g_registrations);
    EXPECT_TRUE(pDerived->IsRegistered());
    EXPECT_EQ(nullptr, pDerived->CreateObject());
}

TEST(MarkupPropertyRegistry, ReplacedEntryIsReleased)
{
    PrepareMarkupEngine();
    CZMRMarkupType* pOwner = CZMRMarkupInt::GetMarkupType();
    long nLive = CZMRMarkupObject::GetLiveObjectCount();
    int nIndexes = CZMRMarkupDependencyProperty::GetPropertyCount();
    CZMRMarkupDependencyProperty::Register(L"ProbeReplaced", pOwner, pOwner);
    CZMRMarkupDependencyProperty* pLater = CZMRMarkupDependencyProperty::Register(
        L"ProbeReplaced", pOwner, pOwner, new CZMRMarkupPropertyMetadata(new CZMRMarkupInt(1), 0));
    // Only the later one lives on, with the registry's one reference.
    EXPECT_EQ(nLive + 2, CZMRMarkupObject::GetLiveObjectCount());   // the property and its default
    EXPECT_EQ(pLater, CZMRMarkupDependencyProperty::FindProperty(pOwner, L"ProbeReplaced"));
    EXPECT_EQ(1, pLater->GetRefCount());
    EXPECT_EQ(nIndexes + 2, CZMRMarkupDependencyProperty::GetPropertyCount());

    // Another owner shares the property; entering it there twice keeps one
    // reference per entry.
    CZMRMarkupType* pOther = CZMRMarkupDouble::GetMarkupType();
    EXPECT_EQ(pLater, pLater->AddOwner(pOther));
    EXPECT_EQ(pLater, pLater->AddOwner(pOther));
    EXPECT_EQ(2, pLater->GetRefCount());
    EXPECT_EQ(pLater, CZMRMarkupDependencyProperty::FindProperty(pOther, L"ProbeReplaced"));
    EXPECT_EQ(pLater->GetIndex(), CZMRMarkupDependencyProperty::FindProperty(pOther, L"ProbeReplaced")->GetIndex());
}

TEST(MarkupExit, EveryObjectIsReleasedAtExit)
{
    // The exit-time releases run in a child process, which then reports how
    // many markup objects are left.
    EXPECT_EXIT(
        {
            PrepareMarkupEngine();
            CZMRMarkupDependencyProperty* pProperty = CZMRMarkupSolidColorBrush::m_pColorProperty;
            pProperty->AddOwner(CZMRMarkupGradientStop::GetMarkupType());
            CZMRMarkupSolidColorBrush* pBrush = new CZMRMarkupSolidColorBrush(RGB(1, 2, 3));
            pBrush->Release();
            CZMRMarkupDependencyProperty::ReleaseRegistry();
            CZMRMarkupType::ReleaseTypes();
            CZMRMarkupBool::ReleaseSharedValues();
            CZMRMarkupEnum::ReleaseSharedValues();
            CZMRMarkupString::ReleaseSharedValues();
            CZMRMarkupThickness::ReleaseSharedValues();
            fprintf(stderr, "live=%ld\n", CZMRMarkupObject::GetLiveObjectCount());
            fflush(stderr);
            _exit(0);
        },
        ::testing::ExitedWithCode(0), "live=0\n");
}

TEST_F(MarkupTest, KeyboardNavigationOwnsTheAttachedTabProperties)
{
    CZMRMarkupDependencyProperty* pIsTabStop = CZMRMarkupKeyboardNavigation::m_pIsTabStopProperty;
    CZMRMarkupDependencyProperty* pTabIndex = CZMRMarkupKeyboardNavigation::m_pTabIndexProperty;
    CZMRMarkupDependencyProperty* pTabNavigation = CZMRMarkupKeyboardNavigation::m_pTabNavigationProperty;
    CZMRMarkupType* pOwner = CZMRMarkupKeyboardNavigation::GetMarkupType();
    for (CZMRMarkupDependencyProperty* pProperty : {pIsTabStop, pTabIndex, pTabNavigation})
    {
        EXPECT_TRUE(pProperty->IsAttached());
        EXPECT_EQ(pOwner, pProperty->GetOwnerType());
        EXPECT_EQ(pProperty, CZMRMarkupDependencyProperty::FindProperty(pOwner, pProperty->GetName()));
    }

    // Any object without the settings reports the defaults.
    MarkupRef<CZMRMarkupCollection> element(new CZMRMarkupCollection());
    CZMRMarkupBool* pTabStop = static_cast<CZMRMarkupBool*>(element->GetValue(pIsTabStop));
    ASSERT_TRUE(pTabStop);
    EXPECT_TRUE(pTabStop->GetValue());
    EXPECT_EQ(2147483647, IntValue(element, pTabIndex));
    EXPECT_EQ(nullptr, element->GetValue(pTabNavigation));

    MarkupRef<CZMRMarkupObject> cycle(pTabNavigation->GetMetadata()->GetConverter()(
        nullptr, MarkupRef<CZMRMarkupString>(new CZMRMarkupString(L"Cycle"))));
    ASSERT_TRUE(cycle.get());
    EXPECT_EQ(2, static_cast<CZMRMarkupEnum*>(cycle.get())->GetValue());

    // Made from markup it has no context; it handles no message.
    MarkupRef<CZMRMarkupObject> fromMarkup(pOwner->CreateObject());
    CZMRMarkupKeyboardNavigation* pNavigation = static_cast<CZMRMarkupKeyboardNavigation*>(fromMarkup.get());
    EXPECT_EQ(nullptr, pNavigation->GetContext());
    LRESULT lResult = 0;
    for (UINT message : {WM_SETFOCUS, WM_KILLFOCUS, WM_KEYDOWN})
        EXPECT_EQ(0, pNavigation->OnWndMsg(message, VK_TAB, 0, &lResult));
    pNavigation->Focus(nullptr);
}
