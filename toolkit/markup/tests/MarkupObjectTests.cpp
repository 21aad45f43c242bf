// Markup objects: reference counting, the value types and their text forms,
// the shared values and the typed collection.
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupDouble.h"
#include "CZMRMarkupGradientStop.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupLinearGradientBrush.h"
#include "CZMRMarkupGradientStops.h"
#include "CZMRMarkupPoint.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTestSupport.h"

#include <cmath>

namespace
{
// The object a value type makes from the text, or null.
CZMRMarkupObject* ConvertText(CZMRMarkupType* pType, LPCWSTR lpszText)
{
    MarkupRef<CZMRMarkupObject> blank(pType->CreateObject());
    MarkupRef<CZMRMarkupString> text(CZMRMarkupString::CreateValue(lpszText));
    return blank->ConvertFrom(text);
}

class CountedObject : public CZMRMarkupObject
{
public:
    explicit CountedObject(int* pFinalReleases) : m_pFinalReleases(pFinalReleases) {}
    void OnFinalRelease() override
    {
        (*m_pFinalReleases)++;
        CZMRMarkupObject::OnFinalRelease();
    }

private:
    int* m_pFinalReleases;
};
}

TEST_F(MarkupTest, ReleaseEndsTheObjectOnceAndIgnoresACountOfZero)
{
    int nFinalReleases = 0;
    CountedObject* pObject = new CountedObject(&nFinalReleases);
    EXPECT_EQ(1, pObject->GetRefCount());
    EXPECT_EQ(2, pObject->AddRef());
    EXPECT_EQ(1, pObject->Release());
    EXPECT_EQ(0, nFinalReleases);
    EXPECT_EQ(0, pObject->Release());
    EXPECT_EQ(1, nFinalReleases);

    // An object whose owner keeps it alive past a count of 0 is not ended twice.
    struct KeptObject : CZMRMarkupObject
    {
        void OnFinalRelease() override {}
    } kept;
    EXPECT_EQ(0, kept.Release());
    EXPECT_EQ(0, kept.Release());
    EXPECT_EQ(0, kept.GetRefCount());
}

TEST_F(MarkupTest, ValueTypesReadTheirTextForms)
{
    struct Case
    {
        CZMRMarkupType* pType;
        LPCWSTR lpszText;
        bool bConverts;
    };
    const Case cases[] = {
        {CZMRMarkupInt::GetMarkupType(), L"42", true},
        {CZMRMarkupInt::GetMarkupType(), L"  -7px", true},
        {CZMRMarkupInt::GetMarkupType(), L"none", true},          // reads 0, never fails
        {CZMRMarkupDouble::GetMarkupType(), L"1.25", true},
        {CZMRMarkupDouble::GetMarkupType(), L"1 2", false},
        {CZMRMarkupDouble::GetMarkupType(), L"1e3", false},
        {CZMRMarkupEnum::GetMarkupType(), L"0", false},           // only property converters name values
        {CZMRMarkupBool::GetMarkupType(), L"true", true},
        {CZMRMarkupBool::GetMarkupType(), L"TRUE", true},
        {CZMRMarkupBool::GetMarkupType(), L"False", true},
        {CZMRMarkupBool::GetMarkupType(), L"yes", false},
        {CZMRMarkupString::GetMarkupType(), L"text", false},
        {CZMRMarkupThickness::GetMarkupType(), L"1, 2, 3, 4", true},
        {CZMRMarkupThickness::GetMarkupType(), L"5", true},
        {CZMRMarkupThickness::GetMarkupType(), L"1, 2", false},
        {CZMRMarkupThickness::GetMarkupType(), L"1 ,2,3,4", false},
        {CZMRMarkupColor::GetMarkupType(), L"#FF0000", true},
        {CZMRMarkupColor::GetMarkupType(), L"#FFF", false},
        {CZMRMarkupPoint::GetMarkupType(), L"1.5, -2", true},
        {CZMRMarkupPoint::GetMarkupType(), L"1.5", false},
    };
    for (const Case& c : cases)
    {
        MarkupRef<CZMRMarkupObject> value(ConvertText(c.pType, c.lpszText));
        EXPECT_EQ(c.bConverts, value.get() != nullptr) << c.pType->GetMarkupClassName() << " from " << c.lpszText;
        if (value)
        {
            EXPECT_TRUE(value->IsKindOf(c.pType));
        }
    }

    MarkupRef<CZMRMarkupObject> n(ConvertText(CZMRMarkupInt::GetMarkupType(), L"  -7px"));
    EXPECT_EQ(-7, static_cast<CZMRMarkupInt*>(n.get())->GetValue());
    MarkupRef<CZMRMarkupObject> t(ConvertText(CZMRMarkupThickness::GetMarkupType(), L"1,2, 3,0x10"));
    CZMRMarkupThickness* pThickness = static_cast<CZMRMarkupThickness*>(t.get());
    ASSERT_TRUE(pThickness);
    EXPECT_EQ(1, pThickness->left);
    EXPECT_EQ(2, pThickness->top);
    EXPECT_EQ(3, pThickness->right);
    EXPECT_EQ(16, pThickness->bottom);
    MarkupRef<CZMRMarkupObject> all(ConvertText(CZMRMarkupThickness::GetMarkupType(), L"5"));
    EXPECT_TRUE(all->IsEqual(MarkupRef<CZMRMarkupThickness>(new CZMRMarkupThickness(5, 5, 5, 5))));
    MarkupRef<CZMRMarkupObject> p(ConvertText(CZMRMarkupPoint::GetMarkupType(), L"1.5, -2"));
    EXPECT_DOUBLE_EQ(1.5, static_cast<CZMRMarkupPoint*>(p.get())->x);
    EXPECT_DOUBLE_EQ(-2.0, static_cast<CZMRMarkupPoint*>(p.get())->y);

    // The booleans are the shared objects; a source that is no string gives nothing.
    MarkupRef<CZMRMarkupObject> b(ConvertText(CZMRMarkupBool::GetMarkupType(), L"tRuE"));
    MarkupRef<CZMRMarkupBool> shared(CZMRMarkupBool::CreateTrueValue());
    EXPECT_EQ(shared.get(), b.get());
    MarkupRef<CZMRMarkupInt> number(new CZMRMarkupInt(1));
    MarkupRef<CZMRMarkupObject> blank(CZMRMarkupBool::GetMarkupType()->CreateObject());
    EXPECT_EQ(nullptr, blank->ConvertFrom(number));
}

TEST_F(MarkupTest, EqualityAndHashKeysFollowTheValueKinds)
{
    MarkupRef<CZMRMarkupString> a(new CZMRMarkupString(L"Key"));
    MarkupRef<CZMRMarkupString> b(new CZMRMarkupString(L"Keyboard", 3));
    MarkupRef<CZMRMarkupString> c(new CZMRMarkupString(L"key"));
    EXPECT_TRUE(a->IsEqual(b));
    EXPECT_EQ(a->GetHashKey(), b->GetHashKey());
    EXPECT_EQ(static_cast<UINT_PTR>((L'K' * 33 + L'e') * 33 + L'y'), a->GetHashKey());
    EXPECT_FALSE(a->IsEqual(c));

    MarkupRef<CZMRMarkupInt> one(new CZMRMarkupInt(1));
    MarkupRef<CZMRMarkupInt> alsoOne(new CZMRMarkupInt(1));
    MarkupRef<CZMRMarkupEnum> enumOne(new CZMRMarkupEnum(1));
    EXPECT_TRUE(one->IsEqual(alsoOne));
    EXPECT_NE(one->GetHashKey(), alsoOne->GetHashKey());
    EXPECT_FALSE(one->IsEqual(enumOne));

    MarkupRef<CZMRMarkupBool> yes(new CZMRMarkupBool(TRUE));
    EXPECT_EQ(1u, yes->GetHashKey());
    EXPECT_TRUE(yes->IsEqual(MarkupRef<CZMRMarkupBool>(CZMRMarkupBool::CreateTrueValue())));

    MarkupRef<CZMRMarkupObject> plain(new CZMRMarkupObject());
    EXPECT_TRUE(plain->IsEqual(plain));
    EXPECT_FALSE(plain->IsEqual(MarkupRef<CZMRMarkupObject>(new CZMRMarkupObject())));
}

TEST_F(MarkupTest, SharedValuesAreHandedOutWithOneMoreReference)
{
    CZMRMarkupString* pSpace = CZMRMarkupString::CreateValue(L" ");
    long nCount = pSpace->GetRefCount();
    CZMRMarkupString* pSpaceAgain = CZMRMarkupString::CreateValue(L" x", 1);
    EXPECT_EQ(pSpace, pSpaceAgain);
    EXPECT_EQ(nCount + 1, pSpace->GetRefCount());
    pSpaceAgain->Release();
    pSpace->Release();

    MarkupRef<CZMRMarkupString> two(CZMRMarkupString::CreateValue(L"  "));
    MarkupRef<CZMRMarkupString> twoAgain(CZMRMarkupString::CreateValue(L"  "));
    EXPECT_NE(two.get(), twoAgain.get());
    MarkupRef<CZMRMarkupString> lineFeed(CZMRMarkupString::CreateValue(L"\n"));
    MarkupRef<CZMRMarkupString> lineFeedAgain(CZMRMarkupString::CreateValue(L"\n", 1));
    EXPECT_EQ(lineFeed.get(), lineFeedAgain.get());
    MarkupRef<CZMRMarkupString> empty(CZMRMarkupString::CreateValue(L"abc", 0));
    EXPECT_EQ(0, empty->GetLength());
    EXPECT_STREQ(L"", empty->GetText());

    MarkupRef<CZMRMarkupEnum> three(CZMRMarkupEnum::CreateValue(3));
    MarkupRef<CZMRMarkupEnum> threeAgain(CZMRMarkupEnum::CreateValue(3));
    MarkupRef<CZMRMarkupEnum> eight(CZMRMarkupEnum::CreateValue(8));
    MarkupRef<CZMRMarkupEnum> eightAgain(CZMRMarkupEnum::CreateValue(8));
    EXPECT_EQ(three.get(), threeAgain.get());
    EXPECT_NE(eight.get(), eightAgain.get());
    EXPECT_EQ(8, eight->GetValue());

    MarkupRef<CZMRMarkupThickness> zero(CZMRMarkupThickness::CreateDefaultValue());
    MarkupRef<CZMRMarkupThickness> zeroAgain(CZMRMarkupThickness::CreateDefaultValue());
    EXPECT_EQ(zero.get(), zeroAgain.get());
}

TEST_F(MarkupTest, DeflateRectNeverTurnsTheRectangleInsideOut)
{
    MarkupRef<CZMRMarkupThickness> eight(new CZMRMarkupThickness(8, 8, 8, 8));
    EXPECT_EQ(CRect(8, 8, 8, 8), CZMRMarkupThickness::DeflateRect(CRect(0, 0, 10, 10), eight));
    MarkupRef<CZMRMarkupThickness> sides(new CZMRMarkupThickness(1, 2, 3, 4));
    EXPECT_EQ(CRect(11, 22, 97, 96), CZMRMarkupThickness::DeflateRect(CRect(10, 20, 100, 100), sides));
    EXPECT_EQ(CRect(1, 2, 3, 4), CZMRMarkupThickness::DeflateRect(CRect(1, 2, 3, 4), nullptr));
}

TEST_F(MarkupTest, ColorTextInEveryNotation)
{
    struct Case
    {
        LPCWSTR lpszText;
        bool bParses;
        COLORREF clr;
    };
    const Case cases[] = {
        {L"#FF0000", true, 0x0000FF},   {L"#80FF0000", true, 0x0000FF}, {L"#0a1B2c", true, 0x2C1B0A},
        {L"#FFF", false, 0},            {L"#FF00000", false, 0},        {L"#GG0000", false, 0},
        {L"#XX0000FF", false, 0},       {L"Lime", true, 0x00FF00},      {L"", false, 0},
    };
    for (const Case& c : cases)
    {
        COLORREF clr = 0xABCDEF;
        EXPECT_EQ(c.bParses, CZMRMarkupColor::ParseColorText(c.lpszText, clr) != FALSE) << c.lpszText;
        EXPECT_EQ(c.bParses ? c.clr : 0xABCDEF, clr) << c.lpszText;
    }
}

TEST_F(MarkupTest, ContentIsRefusedByDefaultWithTheClassName)
{
    MarkupRef<CZMRMarkupObject> plain(new CZMRMarkupObject());
    MarkupRef<CZMRMarkupString> text(new CZMRMarkupString(L"hello"));
    EXPECT_STREQ(L"Cannot convert the string 'hello' into a 'CZMRMarkupObject' object",
                 CaptureMarkupError([&] { plain->AddContent(nullptr, text); }));
    MarkupRef<CZMRMarkupInt> number(new CZMRMarkupInt(5));
    EXPECT_STREQ(L"Cannot add content to an object of type 'CZMRMarkupObject'",
                 CaptureMarkupError([&] { plain->AddContent(nullptr, number); }));

    // A colour takes colour text as content; other text is refused by name.
    MarkupRef<CZMRMarkupColor> color(new CZMRMarkupColor());
    color->AddContent(nullptr, new CZMRMarkupString(L"Navy"));
    EXPECT_EQ(RGB(0, 0, 0x80), color->GetValue());
    EXPECT_STREQ(L"Cannot convert the string 'hello' into a 'CZMRMarkupColor' object",
                 CaptureMarkupError([&] { color->AddContent(nullptr, text); }));
    EXPECT_EQ(RGB(0, 0, 0x80), color->GetValue());
}

TEST_F(MarkupTest, CollectionKeepsItsItemsTypedAndParented)
{
    MarkupRef<CZMRMarkupCollection> stops(new CZMRMarkupGradientStops());
    CZMRMarkupGradientStop* pFirst = new CZMRMarkupGradientStop(RGB(255, 0, 0), 0.0);
    CZMRMarkupGradientStop* pSecond = new CZMRMarkupGradientStop(RGB(0, 0, 255), 1.0);
    EXPECT_FALSE(stops->HoldsContent());
    stops->AddContent(nullptr, pFirst);
    EXPECT_TRUE(stops->Add(pSecond));
    EXPECT_TRUE(stops->HoldsContent());
    ASSERT_EQ(2, stops->GetLogicalChildrenCount());
    EXPECT_EQ(pSecond, stops->GetLogicalChild(1));
    EXPECT_EQ(stops.get(), pFirst->GetLogicalParent());

    // In code a wrong item is ignored and stays the caller's; through the
    // builder it is refused with the three names.
    MarkupRef<CZMRMarkupInt> number(new CZMRMarkupInt(1));
    EXPECT_FALSE(stops->Add(number));
    EXPECT_FALSE(stops->Add(nullptr));
    EXPECT_EQ(2, stops->GetCount());
    EXPECT_EQ(nullptr, number->GetLogicalParent());
    EXPECT_STREQ(L"'CZMRMarkupInt' object cannot be added to 'CZMRMarkupCollection'. Object cannot be converted "
                 L"to type 'CZMRMarkupGradientStop'",
                 CaptureMarkupError([&] { stops->AddContent(nullptr, number); }));
    EXPECT_EQ(1, number->GetRefCount());

    // A bare collection accepts nothing.
    MarkupRef<CZMRMarkupCollection> bare(new CZMRMarkupCollection());
    EXPECT_FALSE(bare->Add(number));

    pFirst->AddRef();
    stops->RemoveAt(0);
    EXPECT_EQ(nullptr, pFirst->GetLogicalParent());
    EXPECT_EQ(1, pFirst->GetRefCount());
    pFirst->Release();
    stops->RemoveAt(1);   // past the end: nothing
    EXPECT_EQ(1, stops->GetCount());
    EXPECT_EQ(pSecond, stops->GetItem(0));

    bool bRaised = false;
    try
    {
        stops->GetItem(1);
    }
    catch (CInvalidArgException* e)
    {
        bRaised = true;
        e->Delete();
    }
    EXPECT_TRUE(bRaised);
}

TEST_F(MarkupTest, CollectionThatDoesNotParentLeavesItemsAlone)
{
    MarkupRef<CZMRMarkupCollection> chain(new CZMRMarkupCollection(CZMRMarkupObject::GetMarkupType(), FALSE));
    MarkupRef<CZMRMarkupObject> owner(new CZMRMarkupObject());
    CZMRMarkupObject* pItem = new CZMRMarkupObject();
    pItem->SetLogicalParent(owner);
    pItem->AddRef();
    chain->Add(pItem);
    EXPECT_EQ(owner.get(), pItem->GetLogicalParent());
    chain->RemoveAll();
    EXPECT_EQ(owner.get(), pItem->GetLogicalParent());
    EXPECT_EQ(0, chain->GetCount());
    pItem->Release();
}

TEST_F(MarkupTest, GradientBrushTakesItsStopsAsContent)
{
    MarkupRef<CZMRMarkupLinearGradientBrush> brush(new CZMRMarkupLinearGradientBrush());
    brush->AddContent(nullptr, new CZMRMarkupGradientStop(RGB(1, 2, 3), 0.5));
    ASSERT_EQ(1, brush->GetGradientStops()->GetCount());
    CZMRMarkupGradientStop* pStop = brush->GetGradientStops()->GetStop(0);
    EXPECT_EQ(RGB(1, 2, 3), pStop->GetColor());
    EXPECT_DOUBLE_EQ(0.5, pStop->GetOffset());
    EXPECT_EQ(0u, brush->GetColor());

    MarkupRef<CZMRMarkupGradientStop> unset(new CZMRMarkupGradientStop());
    EXPECT_EQ(0u, unset->GetColor());
    EXPECT_DOUBLE_EQ(0.0, unset->GetOffset());
}

TEST_F(MarkupTest, BrushTextBecomesASolidColorBrush)
{
    MarkupRef<CZMRMarkupObject> blank(CZMRMarkupBrush::GetMarkupType()->CreateObject());
    for (LPCWSTR lpszText : {L"Red", L"#FF0000"})
    {
        MarkupRef<CZMRMarkupObject> brush(blank->ConvertFrom(MarkupRef<CZMRMarkupString>(new CZMRMarkupString(lpszText))));
        ASSERT_TRUE(brush.get()) << lpszText;
        EXPECT_TRUE(brush->IsKindOf(CZMRMarkupSolidColorBrush::GetMarkupType()));
        EXPECT_EQ(RGB(255, 0, 0), static_cast<CZMRMarkupBrush*>(brush.get())->GetColor());
    }
    EXPECT_EQ(nullptr, blank->ConvertFrom(MarkupRef<CZMRMarkupString>(new CZMRMarkupString(L"Reddish"))));

    MarkupRef<CZMRMarkupSolidColorBrush> red(new CZMRMarkupSolidColorBrush(RGB(255, 0, 0)));
    MarkupRef<CZMRMarkupSolidColorBrush> alsoRed(new CZMRMarkupSolidColorBrush(RGB(255, 0, 0)));
    MarkupRef<CZMRMarkupSolidColorBrush> empty(new CZMRMarkupSolidColorBrush());
    EXPECT_TRUE(red->IsEqual(alsoRed));
    EXPECT_FALSE(red->IsEqual(empty));
    EXPECT_FALSE(empty->HasColor());
}
