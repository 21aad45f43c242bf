// The markup builder: the exact error texts with their line and position,
// the shape of built trees under the whitespace rules, property elements,
// attached properties and the markup extensions. Every failed build must give
// back every object it made (the fixture checks the live objects and the
// context's references after each test).
#include "CZMRMarkupColor.h"
#include "CZMRMarkupObjectProperty.h"
#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupStyle.h"
#include "MarkupTreeSupport.h"

namespace
{
struct ErrorCase
{
    LPCWSTR lpszMarkup;
    LPCWSTR lpszError;
};

class MarkupBuilderTest : public MarkupTreeTest
{
};
}

TEST_F(MarkupBuilderTest, ErrorsGiveTheirTextLineAndPosition)
{
    const ErrorCase cases[] = {
        {L"", L"Data at the root level is invalid"},
        {L"  hello", L"Data at the root level is invalid"},
        {L"<TestPanel/><TestPanel/>", L"There are multiple root elements. Line 1, position 24"},
        {L"<TestPanel/>text", L"Data at the root level is invalid. Line 1, position 17"},
        {L"<TestPanel>", L"Unexpected end of file has occurred. The following elements are not closed: "
                         L"'TestPanel'. Line 1, position 12"},
        {L"<!-- c -->", L"Root element is missing. Line 1, position 11"},
        {L"<SolidColorBrush/>", L"Root element have to be 'CZMRMarkupUIElement' type"},
        {L"<Nope/>", L"The tag 'Nope' does not exist in XML namespace. Line 1, position 7"},
        {L"<TestPanel>\n  <Nope/>\n</TestPanel>", L"The tag 'Nope' does not exist in XML namespace. Line 2, position 9"},
        {L"</TestPanel>", L"Unexpected end tag. Line 1, position 13"},
        {L"<TestPanel></TestText>",
         L"The 'TestPanel' start tag does not match the end tag of 'TestText'. Line 1, position 23"},
        {L"<TestPanel><TestText>a</TestPanel>",
         L"The 'TestText' start tag does not match the end tag of 'TestPanel'. Line 1, position 35"},
        {L"<TestPanel.Width>5</TestPanel.Width>",
         L"The tag 'TestPanel.Width' does not exist in XML namespace. Line 1, position 18"},
        {L"<TestPanel><TestPanel.Nope/></TestPanel>",
         L"The tag 'TestPanel.Nope' does not exist in XML namespace. Line 1, position 28"},
        {L"<TestPanel><TestPanel.Background></TestPanel.Background></TestPanel>",
         L"'Background' property does not have a value. Line 1, position 57"},
        {L"<TestPanel Foo=\"1\"/>", L"The property 'Foo' does not exist in XML namespace. Line 1, position 19"},
        {L"<TestPanel Visibility=\"Sideways\"/>",
         L"Cannot convert string in attribute 'Visibility' to object of type 'CZMRMarkupEnum'. Line 1, position 33"},
        {L"<TestPanel ToolTip=\"{\"/>", L"Markup extension expressions must end with '}'. Line 1, position 23"},
        {L"<TestPanel ToolTip=\"{x:Static SystemColors.Con}\"/>",
         L"Cannot find the static member  'SystemColors.Con'. Line 1, position 49"},
        {L"<TestPanel ToolTip=\"{StaticResource Missing}\"/>",
         L"Cannot find resource named 'Missing'. Resource names are case sensitive. Line 1, position 46"},
        {L"<TestPanel ToolTip=\"{x:Type Nope}\"/>", L"Cannot find type 'Nope'. Line 1, position 35"},
        {L"<TestPanel ToolTip=\"{Binding X}\"/>",
         L"The tag 'Binding X' does not exist in XML namespace. Line 1, position 33"},
        {L"<TestPanel ToolTip=\"{StaticResource  Spaced}\"/>",
         L"Cannot find resource named ' Spaced'. Resource names are case sensitive. Line 1, position 46"},
        // The parser's own message ends in a full stop.
        {L"<TestPanel", L"Unexpected end of file has occurred.. Line 1, position 11"},
        {L"<TestPanel MouseLeftButtonDown=\"Nope\"/>", L"'Nope' delegate not found. Line 1, position 38"},
        // Content refused while it is handed over is released by the builder.
        {L"<SolidColorBrush><TestPanel/></SolidColorBrush>",
         L"Cannot add content to an object of type 'CZMRMarkupSolidColorBrush'. Line 1, position 30"},
        {L"<TestPanel><TestPanel.Resources><SolidColorBrush Color=\"Red\"/></TestPanel.Resources></TestPanel>",
         L"Objects added to Dictionary must have Key attribute or some other type of associated Key. "
         L"Line 1, position 63"},
        {L"<TestPanel><TestPanel.Resources><Style TargetType=\"TestText\"/><Style TargetType=\"TestText\"/>"
         L"</TestPanel.Resources></TestPanel>",
         L"Dictionary key is already used. Key attributes must be unique.. Line 1, position 93"},
        {L"<TestPanel><TestPanel.Resources><Style TargetType=\"TestText\"><Setter Property=\"Width\"/></Style>"
         L"</TestPanel.Resources></TestPanel>",
         L"Must specify both Property and Value for Setter.. Line 1, position 88"},
        {L"<TestPanel><TestPanel.Resources><Style TargetType=\"TestText\"><Setter Property=\"Nope\" Value=\"1\"/>"
         L"</Style></TestPanel.Resources></TestPanel>",
         L"Cannot find the Style Property 'Nope'. Line 1, position 97"},
        {L"<TestPanel><TestPanel.Resources><Style x:Key=\"S\"><Setter Property=\"Width\" Value=\"1\"/>"
         L"</Style></TestPanel.Resources></TestPanel>",
         L"Cannot find the Style Property 'Width'. Line 1, position 86"},
        {L"<TestPanel><TestPanel.Resources><Style TargetType=\"TestText\"><Setter Property=\"Visibility\" "
         L"Value=\"Sideways\"/></Style></TestPanel.Resources></TestPanel>",
         L"Cannot convert string in attribute 'Visibility' to object of type 'CZMRMarkupEnum'. Line 1, position 110"},
        {L"<TestPanel><TestPanel.Resources><Style x:Key=\"S\">text</Style></TestPanel.Resources></TestPanel>",
         L"Cannot convert the string 'text' into a 'CZMRMarkupStyle' object. Line 1, position 62"},
        // A resource in a sibling's dictionary is out of reach.
        {L"<TestPanel><TestPanel><TestPanel.Resources><SolidColorBrush x:Key=\"B\" Color=\"Red\"/>"
         L"</TestPanel.Resources></TestPanel><TestPanel Background=\"{StaticResource B}\"/></TestPanel>",
         L"Cannot find resource named 'B'. Resource names are case sensitive. Line 1, position 160"},
    };
    for (const ErrorCase& c : cases)
    {
        EXPECT_STREQ(c.lpszError, BuildError(c.lpszMarkup)) << "markup: " << CStringA(c.lpszMarkup).GetString();
        EXPECT_EQ(1, m_pContext->GetRefCount()) << CStringA(c.lpszMarkup).GetString();
    }
}

TEST_F(MarkupBuilderTest, EventAttributeNeedsAContextAndAKnownDelegate)
{
    CZMRMarkupParser parser;
    LPCWSTR lpszMarkup = L"<TestPanel MouseEnter=\"OnEnter\"/>";
    parser.SetBuffer(lpszMarkup, lpszMarkup + wcslen(lpszMarkup));
    CZMRMarkupBuilder builder(nullptr);
    EXPECT_EQ(nullptr, builder.Parse(&parser));
    EXPECT_STREQ(L"Markup Context is NULL. Line 1, position 32", builder.GetErrorText());

    std::vector<std::wstring> log;
    m_pContext->AddDelegate(L"OnEnter", new CRecordingDelegate(&log, L"enter"));
    MarkupRef<CZMRMarkupObject> root(Build(lpszMarkup));
    ASSERT_TRUE(root.get());
    CTestPanel* pPanel = MarkupCast<CTestPanel>(root);
    EXPECT_EQ(1, pPanel->GetHandlerCount(CZMRMarkupInputElement::m_pMouseEnterEvent));
    EXPECT_EQ(0, pPanel->GetHandlerCount(CZMRMarkupInputElement::m_pMouseLeaveEvent));
    // Events keep no value.
    EXPECT_EQ(nullptr, pPanel->GetValue(CZMRMarkupInputElement::m_pMouseEnterEvent));
}

TEST_F(MarkupBuilderTest, WhitespaceBecomesOneBlankOnlyBetweenContent)
{
    const ErrorCase cases[] = {
        {L"<TestText>  Hello   <TestPanel/>  world  </TestText>", L"TestText[\"Hello \",TestPanel,\" world\"]"},
        {L"<TestText> a \n\t b </TestText>", L"TestText[\"a b\"]"},
        {L"<TestPanel> <TestPanel/> <TestPanel/> </TestPanel>", L"TestPanel[TestPanel,TestPanel]"},
        {L"<TestText><TestPanel/> <TestPanel/></TestText>", L"TestText[TestPanel,\" \",TestPanel]"},
        {L"<TestText> <TestPanel/> <TestPanel/> </TestText>", L"TestText[TestPanel,\" \",TestPanel]"},
        {L"<TestText>a<TestPanel/>b</TestText>", L"TestText[\"a\",TestPanel,\"b\"]"},
        {L"<TestText>a&#32;</TestText>", L"TestText[\"a \"]"},
        {L"<TestText>&#32;a</TestText>", L"TestText[\" a\"]"},
        {L"<TestText>a<!-- x -->b<?pi x?>c<![CDATA[d]]></TestText>", L"TestText[\"abc\"]"},
        {L"<TestText>a <!-- x --> b</TestText>", L"TestText[\"a b\"]"},
        {L"<TestPanel xmlns=\"http://a\" xmlns:x=\"http://b\"><TestText xmlns=\"http://a\"/></TestPanel>",
         L"TestPanel[TestText]"},
        {L"  <TestPanel x:Name=\"Root\"/>  <!-- after -->  ", L"Root"},
    };
    for (const ErrorCase& c : cases)
    {
        CString strError;
        MarkupRef<CZMRMarkupObject> root(Build(c.lpszMarkup, &strError));
        ASSERT_TRUE(root.get()) << CStringA(strError).GetString();
        EXPECT_EQ(std::wstring(c.lpszError), DumpTree(root)) << CStringA(c.lpszMarkup).GetString();
    }
}

TEST_F(MarkupBuilderTest, AttributesPropertyElementsAndExtensionsGiveTheirValues)
{
    MarkupRef<CZMRMarkupObject> root(Build(
        L"<TestPanel ToolTip=\"{}{literal}\">"
        L"  <TestPanel.Background>Red</TestPanel.Background>"
        L"  <TestPanel.Resources>"
        L"    <SolidColorBrush x:Key=\"Green\" Color=\"#00FF00\"/>"
        L"    <SolidColorBrush x:Key=\"{x:Static SystemColors.WindowBrushKey}\" Color=\"Blue\"/>"
        L"    <Style x:Key=\"Wide\" TargetType=\"{x:Type TestPanel}\"><Setter Property=\"Width\" Value=\"40\"/></Style>"
        L"    <Style x:Key=\"Wider\" BasedOn=\"{StaticResource Wide}\"/>"
        L"  </TestPanel.Resources>"
        L"  <TestPanel x:Name=\"Child\" TestPanel.Left=\"5\" TestPanel.Top=\"7\" Width=\"12pt\""
        L"      Background=\"{StaticResource Green}\"/>"
        L"  <TestPanel x:Name=\"Dynamic\" Background=\"{DynamicResource Green}\"/>"
        L"  <TestPanel x:Name=\"Keyed\" Background=\"{StaticResource {x:Static SystemColors.WindowBrushKey}}\"/>"
        L"  <TestPanel x:Name=\"Fallback\" Background=\"{StaticResource {x:Static SystemColors.MenuBrushKey}}\"/>"
        L"  <TestPanel x:Name=\"System\" Background=\"{x:Static SystemColors.HighlightBrush}\"/>"
        L"  <TestPanel x:Name=\"Styled\" Style=\"{StaticResource Wider}\"/>"
        L"</TestPanel>"));
    ASSERT_TRUE(root.get());
    CTestPanel* pRoot = MarkupCast<CTestPanel>(root);
    CZMRMarkupString* pToolTip =
        MarkupCast<CZMRMarkupString>(pRoot->GetValue(CZMRMarkupInputElement::m_pToolTipProperty));
    ASSERT_TRUE(pToolTip);
    EXPECT_STREQ(L"{literal}", pToolTip->GetText());
    EXPECT_EQ(RGB(255, 0, 0), pRoot->GetBackgroundColor());

    CTestPanel* pChild = MarkupCast<CTestPanel>(Find(root, L"Child"));
    ASSERT_TRUE(pChild);
    EXPECT_EQ(5, CTestPanel::IntOf(pChild, CTestPanel::s_pLeft));
    EXPECT_EQ(7, CTestPanel::IntOf(pChild, CTestPanel::s_pTop));
    EXPECT_EQ(16, CTestPanel::IntOf(pChild, CTestPanel::s_pWidth));
    // The resource itself, shared.
    CZMRMarkupResourceDictionary* pResources = MarkupCast<CZMRMarkupResourceDictionary>(
        pRoot->GetValue(CZMRMarkupInputElement::m_pResourcesProperty));
    ASSERT_TRUE(pResources);
    EXPECT_EQ(4, pResources->GetCount());
    EXPECT_EQ(pChild->GetValue(CTestPanel::s_pBackground),
              pResources->Lookup(MarkupRef<CZMRMarkupString>(CZMRMarkupString::CreateValue(L"Green"))));

    struct
    {
        LPCWSTR lpszName;
        COLORREF clr;
    } backgrounds[] = {
        {L"Dynamic", RGB(0, 255, 0)},
        // A key object is found by identity: the one x:Static object per build.
        {L"Keyed", RGB(0, 0, 255)},
        // A system key with no resource stored falls back to the system brush.
        {L"Fallback", ::GetSysColor(COLOR_MENU)},
        {L"System", ::GetSysColor(COLOR_HIGHLIGHT)},
    };
    for (const auto& b : backgrounds)
    {
        CTestPanel* pPanel = MarkupCast<CTestPanel>(Find(root, b.lpszName));
        ASSERT_TRUE(pPanel) << CStringA(b.lpszName).GetString();
        EXPECT_EQ(b.clr, pPanel->GetBackgroundColor()) << CStringA(b.lpszName).GetString();
    }

    // A resource defined earlier in the same dictionary is reachable.
    CTestPanel* pStyled = MarkupCast<CTestPanel>(Find(root, L"Styled"));
    ASSERT_TRUE(pStyled && pStyled->GetStyle());
    EXPECT_EQ(40, CTestPanel::IntOf(pStyled, CTestPanel::s_pWidth));
}

TEST_F(MarkupBuilderTest, PropertyElementGathersItemsIntoAnImplicitValue)
{
    // Without a value yet, an item goes into a new object of the value type.
    MarkupRef<CZMRMarkupObjectProperty> property(new CZMRMarkupObjectProperty(CZMRMarkupStyle::m_pResourcesProperty));
    CZMRMarkupBuilder builder(m_pContext);
    CZMRMarkupSolidColorBrush* pBrush = new CZMRMarkupSolidColorBrush(RGB(1, 2, 3));
    pBrush->SetValue(CZMRMarkupObject::m_pKeyProperty, CZMRMarkupString::CreateValue(L"K"));
    property->AddContent(&builder, pBrush);
    CZMRMarkupResourceDictionary* pDictionary = MarkupCast<CZMRMarkupResourceDictionary>(property->GetPropertyValue());
    ASSERT_TRUE(pDictionary);
    EXPECT_EQ(1, pDictionary->GetCount());
    EXPECT_TRUE(property->HoldsContent());

    // Text replaces the value and is converted when it is assigned.
    property->AddContent(&builder, CZMRMarkupString::CreateValue(L"text"));
    EXPECT_TRUE(MarkupCast<CZMRMarkupString>(property->GetPropertyValue()));

    // A first item that the new value refuses leaves nothing behind.
    MarkupRef<CZMRMarkupObjectProperty> refused(new CZMRMarkupObjectProperty(CZMRMarkupStyle::m_pResourcesProperty));
    MarkupRef<CZMRMarkupSolidColorBrush> keyless(new CZMRMarkupSolidColorBrush(RGB(1, 2, 3)));
    EXPECT_STREQ(L"Objects added to Dictionary must have Key attribute or some other type of associated Key",
                 CaptureMarkupError([&] { refused->AddContent(&builder, keyless); }));
    EXPECT_EQ(nullptr, refused->GetPropertyValue());
    EXPECT_EQ(1, keyless->GetRefCount());
}

TEST(MarkupResources, KeysAreFoundWhileAnyDictionaryHoldsThemAndNotAfter)
{
    // Equal keys in two dictionaries; the searches skip keys no dictionary
    // holds, so the count of each must follow the dictionaries exactly.
    auto key = [](LPCWSTR lpszKey) { return MarkupRef<CZMRMarkupString>(CZMRMarkupString::CreateValue(lpszKey)); };
    auto* pFirst = new CZMRMarkupResourceDictionary;
    auto* pSecond = new CZMRMarkupResourceDictionary;
    CZMRMarkupObject* pOne = CZMRMarkupString::CreateValue(L"one");
    CZMRMarkupObject* pTwo = CZMRMarkupString::CreateValue(L"two");
    CZMRMarkupObject* pThree = CZMRMarkupString::CreateValue(L"three");
    EXPECT_EQ(nullptr, FindResource(pFirst, key(L"shared.key")));
    pFirst->SetAt(key(L"shared.key"), pOne);
    pSecond->SetAt(key(L"shared.key"), pTwo);
    pSecond->SetAt(key(L"shared.key"), pThree);   // a new value under a held key
    EXPECT_EQ(pOne, FindResource(pFirst, key(L"shared.key")));
    EXPECT_EQ(pThree, FindResource(pSecond, key(L"shared.key")));
    pFirst->Release();
    EXPECT_EQ(pThree, FindResource(pSecond, key(L"shared.key"))) << "the other dictionary still holds it";
    pSecond->Release();
    auto* pThird = new CZMRMarkupResourceDictionary;
    EXPECT_EQ(nullptr, FindResource(pThird, key(L"shared.key")));
    CZMRMarkupObject* pFour = CZMRMarkupString::CreateValue(L"four");
    pThird->SetAt(key(L"shared.key"), pFour);
    EXPECT_EQ(pFour, FindResource(pThird, key(L"shared.key")));
    pThird->Release();
}
