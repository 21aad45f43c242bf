// Styles, triggers and resource dictionaries: implicit and explicit styles,
// BasedOn and setter order, triggers that follow IsMouseOver, the order in
// which matching triggers win, and the type's default style.
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupTriggerCollection.h"
#include "MarkupTreeSupport.h"

namespace
{
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);
const COLORREF clrGreen = RGB(0, 128, 0);
const COLORREF clrNone = static_cast<COLORREF>(-1);

class MarkupStyleTest : public MarkupTreeTest
{
protected:
    void Enter(CZMRMarkupInputElement* pElement)
    {
        CZMRMarkupMouseEventArgs args;
        pElement->OnMouseEnter(&args);
    }
    void Leave(CZMRMarkupInputElement* pElement)
    {
        CZMRMarkupMouseEventArgs args;
        pElement->OnMouseLeave(&args);
    }
};
}

TEST_F(MarkupStyleTest, StylesGiveValuesTheElementDoesNotSet)
{
    MarkupRef<CZMRMarkupObject> root(Build(
        L"<TestPanel>"
        L"  <TestPanel.Resources>"
        L"    <Style TargetType=\"TestText\">"
        L"      <Setter Property=\"Background\" Value=\"Red\"/>"
        L"      <Setter Property=\"Width\" Value=\"10\"/>"
        L"      <Setter Property=\"Width\" Value=\"20\"/>"
        L"    </Style>"
        L"    <Style x:Key=\"Base\" TargetType=\"TestText\"><Setter Property=\"Background\" Value=\"Red\"/>"
        L"      <Setter Property=\"Height\" Value=\"3\"/></Style>"
        L"    <Style x:Key=\"Blue\" TargetType=\"TestText\" BasedOn=\"{StaticResource Base}\">"
        L"      <Setter Property=\"Background\" Value=\"Blue\"/></Style>"
        L"  </TestPanel.Resources>"
        L"  <TestText x:Name=\"Implicit\"/>"
        L"  <TestText x:Name=\"Local\" Background=\"Green\"/>"
        L"  <TestText x:Name=\"Explicit\" Style=\"{StaticResource Blue}\"/>"
        L"  <TestPanel x:Name=\"OtherType\"/>"
        L"  <TestPanel><TestText x:Name=\"Nested\"/></TestPanel>"
        L"</TestPanel>"));
    ASSERT_TRUE(root.get());
    struct
    {
        LPCWSTR lpszName;
        COLORREF clrBackground;
        int nWidth;
        int nHeight;
    } expected[] = {
        // The later of two setters of one property counts.
        {L"Implicit", clrRed, 20, 0},
        {L"Local", clrGreen, 20, 0},
        // Its own setter overrides its BasedOn's; the rest comes from BasedOn.
        {L"Explicit", clrBlue, 0, 3},
        {L"OtherType", clrNone, 0, 0},
        {L"Nested", clrRed, 20, 0},
    };
    for (const auto& e : expected)
    {
        CTestPanel* pPanel = MarkupCast<CTestPanel>(Find(root, e.lpszName));
        ASSERT_TRUE(pPanel) << CStringA(e.lpszName).GetString();
        EXPECT_EQ(e.clrBackground, pPanel->GetBackgroundColor()) << CStringA(e.lpszName).GetString();
        EXPECT_EQ(e.nWidth, CTestPanel::IntOf(pPanel, CTestPanel::s_pWidth)) << CStringA(e.lpszName).GetString();
        EXPECT_EQ(e.nHeight, CTestPanel::IntOf(pPanel, CTestPanel::s_pHeight)) << CStringA(e.lpszName).GetString();
    }
    // A style in use is sealed and belongs to no tree.
    CZMRMarkupStyle* pStyle = MarkupCast<CTestPanel>(Find(root, L"Implicit"))->GetStyle();
    ASSERT_TRUE(pStyle);
    EXPECT_TRUE(pStyle->IsSealed());
    EXPECT_EQ(nullptr, pStyle->GetLogicalParent());
}

TEST_F(MarkupStyleTest, TriggerValuesFollowThePropertyTheyWatch)
{
    MarkupRef<CZMRMarkupObject> root(Build(
        L"<TestPanel>"
        L"  <TestPanel.Resources>"
        L"    <Style x:Key=\"Base\" TargetType=\"TestText\">"
        L"      <Style.Triggers>"
        L"        <Trigger Property=\"IsMouseOver\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"Height\" Value=\"9\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"      </Style.Triggers>"
        L"    </Style>"
        L"    <Style TargetType=\"TestText\" BasedOn=\"{StaticResource Base}\">"
        L"      <Setter Property=\"Background\" Value=\"Red\"/>"
        L"      <Style.Triggers>"
        L"        <Trigger Property=\"IsMouseOver\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"Background\" Value=\"Blue\"/>"
        L"            <Setter Property=\"Height\" Value=\"5\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"        <Trigger Property=\"IsMouseOver\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"Background\" Value=\"Green\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"        <Trigger Property=\"IsFocusable\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"Width\" Value=\"7\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"      </Style.Triggers>"
        L"    </Style>"
        L"  </TestPanel.Resources>"
        L"  <TestText x:Name=\"Hover\"/>"
        L"  <TestText x:Name=\"Focusable\" IsFocusable=\"True\"/>"
        L"</TestPanel>"));
    ASSERT_TRUE(root.get());
    CTestPanel* pHover = MarkupCast<CTestPanel>(Find(root, L"Hover"));
    ASSERT_TRUE(pHover);
    EXPECT_EQ(clrRed, pHover->GetBackgroundColor());
    EXPECT_EQ(nullptr, pHover->GetActiveTriggers());

    // Of two matching triggers of one style the earlier-declared wins, and a
    // style's own triggers win over its BasedOn's.
    Enter(pHover);
    EXPECT_EQ(clrBlue, pHover->GetBackgroundColor());
    EXPECT_EQ(5, CTestPanel::IntOf(pHover, CTestPanel::s_pHeight));
    ASSERT_TRUE(pHover->GetActiveTriggers());
    EXPECT_EQ(3, pHover->GetActiveTriggers()->GetCount());

    // The same value again activates nothing twice.
    MarkupRef<CZMRMarkupBool> trueValue(CZMRMarkupBool::CreateTrueValue());
    pHover->UpdateTriggers(CZMRMarkupInputElement::m_pIsMouseOverProperty, trueValue);
    EXPECT_EQ(3, pHover->GetActiveTriggers()->GetCount());

    Leave(pHover);
    EXPECT_EQ(clrRed, pHover->GetBackgroundColor());
    EXPECT_EQ(0, CTestPanel::IntOf(pHover, CTestPanel::s_pHeight));
    EXPECT_EQ(0, pHover->GetActiveTriggers()->GetCount());

    // ApplyStyle evaluates every trigger against the values the element has.
    CTestPanel* pFocusable = MarkupCast<CTestPanel>(Find(root, L"Focusable"));
    ASSERT_TRUE(pFocusable);
    EXPECT_EQ(7, CTestPanel::IntOf(pFocusable, CTestPanel::s_pWidth));
}

TEST_F(MarkupStyleTest, TriggerThatChangesWhatItWatchesSettles)
{
    MarkupRef<CZMRMarkupObject> root(Build(
        L"<TestPanel>"
        L"  <TestPanel.Resources>"
        L"    <Style TargetType=\"TestText\">"
        L"      <Style.Triggers>"
        L"        <Trigger Property=\"IsFocusable\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"IsFocusable\" Value=\"False\"/>"
        L"            <Setter Property=\"Width\" Value=\"4\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"        <Trigger Property=\"IsFocusable\" Value=\"False\">"
        L"          <Trigger.Setters><Setter Property=\"IsFocusable\" Value=\"True\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"      </Style.Triggers>"
        L"    </Style>"
        L"  </TestPanel.Resources>"
        L"  <TestText x:Name=\"Flip\"/>"
        L"</TestPanel>"));
    ASSERT_TRUE(root.get());
    CTestPanel* pFlip = MarkupCast<CTestPanel>(Find(root, L"Flip"));
    ASSERT_TRUE(pFlip);
    ASSERT_TRUE(pFlip->GetActiveTriggers());
    // Each change ends: the values the triggers set do not start another
    // round of trigger updates inside this one.
    pFlip->SetValue(CZMRMarkupInputElement::m_pIsFocusableProperty, CZMRMarkupBool::CreateTrueValue());
    EXPECT_EQ(4, CTestPanel::IntOf(pFlip, CTestPanel::s_pWidth));
    pFlip->SetValue(CZMRMarkupInputElement::m_pIsFocusableProperty, CZMRMarkupBool::CreateFalseValue());
    EXPECT_EQ(0, CTestPanel::IntOf(pFlip, CTestPanel::s_pWidth));
    pFlip->SetValue(CZMRMarkupInputElement::m_pIsFocusableProperty, nullptr);
    EXPECT_EQ(1, pFlip->GetActiveTriggers()->GetCount());
}

TEST_F(MarkupStyleTest, ATriggerWatchingWhatAnotherSetsFollowsIt)
{
    // Hovering makes the element focusable, and focusable makes it blue and
    // 4 wide; that last one makes it unfocusable again, which the running
    // update of IsFocusable does not take up: the chain settles.
    MarkupRef<CZMRMarkupObject> root(Build(
        L"<TestPanel>"
        L"  <TestPanel.Resources>"
        L"    <Style TargetType=\"TestText\">"
        L"      <Setter Property=\"Background\" Value=\"Red\"/>"
        L"      <Style.Triggers>"
        L"        <Trigger Property=\"IsMouseOver\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"IsFocusable\" Value=\"True\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"        <Trigger Property=\"IsFocusable\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"Background\" Value=\"Blue\"/>"
        L"            <Setter Property=\"Width\" Value=\"4\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"      </Style.Triggers>"
        L"    </Style>"
        L"    <Style x:Key=\"Loop\" TargetType=\"TestText\">"
        L"      <Style.Triggers>"
        L"        <Trigger Property=\"IsMouseOver\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"IsFocusable\" Value=\"True\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"        <Trigger Property=\"IsFocusable\" Value=\"True\">"
        L"          <Trigger.Setters><Setter Property=\"Width\" Value=\"4\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"        <Trigger Property=\"Width\" Value=\"4\">"
        L"          <Trigger.Setters><Setter Property=\"IsFocusable\" Value=\"False\"/>"
        L"            <Setter Property=\"Height\" Value=\"6\"/></Trigger.Setters>"
        L"        </Trigger>"
        L"      </Style.Triggers>"
        L"    </Style>"
        L"  </TestPanel.Resources>"
        L"  <TestText x:Name=\"Chain\"/>"
        L"  <TestText x:Name=\"Loop\" Style=\"{StaticResource Loop}\"/>"
        L"</TestPanel>"));
    ASSERT_TRUE(root.get());
    CTestPanel* pChain = MarkupCast<CTestPanel>(Find(root, L"Chain"));
    ASSERT_TRUE(pChain);
    EXPECT_EQ(clrRed, pChain->GetBackgroundColor());
    Enter(pChain);
    EXPECT_EQ(clrBlue, pChain->GetBackgroundColor()) << "the second trigger follows the first";
    EXPECT_EQ(4, CTestPanel::IntOf(pChain, CTestPanel::s_pWidth));
    Leave(pChain);
    EXPECT_EQ(clrRed, pChain->GetBackgroundColor()) << "and lets go with it";
    EXPECT_EQ(0, CTestPanel::IntOf(pChain, CTestPanel::s_pWidth));

    CTestPanel* pLoop = MarkupCast<CTestPanel>(Find(root, L"Loop"));
    ASSERT_TRUE(pLoop);
    Enter(pLoop);
    EXPECT_EQ(4, CTestPanel::IntOf(pLoop, CTestPanel::s_pWidth));
    EXPECT_EQ(6, CTestPanel::IntOf(pLoop, CTestPanel::s_pHeight)) << "the third link of the chain ran too";
    Leave(pLoop);
}

TEST_F(MarkupStyleTest, DefaultStyleOfTheTypeIsTheLastValueSource)
{
    MarkupRef<CZMRMarkupObject> root(Build(L"<TestText><TestText x:Name=\"Own\" Width=\"3\"/></TestText>"));
    ASSERT_TRUE(root.get());
    CTestPanel* pRoot = MarkupCast<CTestPanel>(root);
    CTestPanel* pOwn = MarkupCast<CTestPanel>(Find(root, L"Own"));

    CZMRMarkupStyle* pStyle = new CZMRMarkupStyle();
    CZMRMarkupSetter* pSetter = new CZMRMarkupSetter();
    CZMRMarkupDependencyProperty* pWidth = CTestPanel::s_pWidth;
    pWidth->AddRef();
    pSetter->SetValue(CZMRMarkupSetter::m_pPropertyProperty, pWidth);
    pSetter->SetValue(CZMRMarkupSetter::m_pValueProperty, new CZMRMarkupInt(30));
    pStyle->GetSetters()->Add(pSetter);
    CTestText::GetMarkupType()->SetDefaultStyle(pStyle);
    EXPECT_TRUE(pStyle->IsSealed());

    EXPECT_EQ(30, CTestPanel::IntOf(pRoot, pWidth));
    EXPECT_EQ(3, CTestPanel::IntOf(pOwn, pWidth));
    CTestText::GetMarkupType()->SetDefaultStyle(nullptr);
    EXPECT_EQ(0, CTestPanel::IntOf(pRoot, pWidth));
}

TEST_F(MarkupStyleTest, ResourcesAreFoundUpwardAndThroughTheStyle)
{
    MarkupRef<CZMRMarkupObject> root(Build(
        L"<TestPanel>"
        L"  <TestPanel.Resources>"
        L"    <SolidColorBrush x:Key=\"Outer\" Color=\"Red\"/>"
        L"    <Style x:Key=\"WithResources\">"
        L"      <Style.Resources><SolidColorBrush x:Key=\"FromStyle\" Color=\"Blue\"/></Style.Resources>"
        L"    </Style>"
        L"  </TestPanel.Resources>"
        L"  <TestPanel x:Name=\"Inner\" Style=\"{StaticResource WithResources}\">"
        L"    <TestPanel x:Name=\"Leaf\"/>"
        L"  </TestPanel>"
        L"</TestPanel>"));
    ASSERT_TRUE(root.get());
    CZMRMarkupObject* pLeaf = Find(root, L"Leaf");
    MarkupRef<CZMRMarkupString> outer(CZMRMarkupString::CreateValue(L"Outer"));
    MarkupRef<CZMRMarkupString> fromStyle(CZMRMarkupString::CreateValue(L"FromStyle"));
    MarkupRef<CZMRMarkupString> missing(CZMRMarkupString::CreateValue(L"outer"));
    CZMRMarkupBrush* pOuter = MarkupCast<CZMRMarkupBrush>(pLeaf->FindResource(outer));
    CZMRMarkupBrush* pFromStyle = MarkupCast<CZMRMarkupBrush>(pLeaf->FindResource(fromStyle));
    ASSERT_TRUE(pOuter && pFromStyle);
    EXPECT_EQ(clrRed, pOuter->GetColor());
    EXPECT_EQ(clrBlue, pFromStyle->GetColor());
    // Keys are case-sensitive; a style's search ends at the style.
    EXPECT_EQ(nullptr, pLeaf->FindResource(missing));
    CZMRMarkupStyle* pStyle = MarkupCast<CTestPanel>(Find(root, L"Inner"))->GetStyle();
    EXPECT_EQ(nullptr, pStyle->FindResource(outer));
    EXPECT_EQ(pFromStyle, pStyle->FindResource(fromStyle));
}
