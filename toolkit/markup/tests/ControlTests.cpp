// The controls: content rules and their messages, the layout of buttons,
// check boxes, radio buttons and pages, button states driven by mouse
// messages on a hidden host, toggling with its events, radio groups, and
// what the buttons draw with and without visual styles.
#include "CZMRDrawHelpers.h"
#include "CZMRMarkupBorder.h"
#include "CZMRMarkupButton.h"
#include "CZMRMarkupCheckBox.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupPage.h"
#include "CZMRMarkupRadioButton.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupStackPanel.h"
#include "MarkupLayoutSupport.h"
#include "RecordingVisualStyles.h"

namespace
{
const int U = 0x7FFFFFFF;

class ControlTest : public MarkupLayoutTest
{
protected:
    void SetUp() override
    {
        MarkupLayoutTest::SetUp();
        CRecordingVisualStyles::s_backgrounds.clear();
    }
    // Logs every Click, Checked, Unchecked and Indeterminate that reaches
    // the context.
    void RecordToggleEvents()
    {
        m_pContext->AddHandler(CZMRMarkupButtonBase::m_pClickEvent, new CRecordingDelegate(&m_log, L"click"));
        m_pContext->AddHandler(CZMRMarkupToggleButton::m_pCheckedEvent, new CRecordingDelegate(&m_log, L"checked"));
        m_pContext->AddHandler(CZMRMarkupToggleButton::m_pUncheckedEvent,
                               new CRecordingDelegate(&m_log, L"unchecked"));
        m_pContext->AddHandler(CZMRMarkupToggleButton::m_pIndeterminateEvent,
                               new CRecordingDelegate(&m_log, L"indeterminate"));
    }
    std::vector<std::wstring> TakeLog()
    {
        std::vector<std::wstring> log;
        log.swap(m_log);
        return log;
    }

    std::vector<std::wstring> m_log;
};

// A visual style that opens and draws through the stand-in functions.
class StyledControlTest : public ControlTest
{
protected:
    CRecordingVisualStyles m_styles;
};

// No visual style: nothing opens.
class ClassicControlTest : public ControlTest
{
protected:
    CStandInVisualStyles m_styles{};
};

typedef CRecordingVisualStyles::Backgrounds Backgrounds;
typedef std::vector<std::wstring> Log;
}

TEST_F(ControlTest, ContentIsOneElementAndTextBecomesATextBlock)
{
    LPCWSTR texts[] = {L"<Button x:Name=\"B\">Hello</Button>", L"<Button x:Name=\"B\" Content=\"Hello\"/>"};
    for (LPCWSTR lpszMarkup : texts)
    {
        MarkupRef<CZMRMarkupButton> button(BuildAs<CZMRMarkupButton>(lpszMarkup));
        ASSERT_TRUE(button.get());
        CZMRMarkupTextBlock* pBlock = MarkupCast<CZMRMarkupTextBlock>(button->GetContent());
        ASSERT_TRUE(pBlock) << CStringA(lpszMarkup).GetString();
        ASSERT_EQ(1, pBlock->GetInlines()->GetCount());
        CZMRMarkupRun* pRun = MarkupCast<CZMRMarkupRun>(pBlock->GetInlines()->GetItem(0));
        ASSERT_TRUE(pRun);
        EXPECT_STREQ(L"Hello", pRun->GetText());
        EXPECT_EQ(button.get(), pBlock->GetVisualParent());
        EXPECT_EQ(1, button->GetVisualChildrenCount());
    }

    // Whitespace around an element is no content of its own.
    MarkupRef<CZMRMarkupButton> spaced(BuildAs<CZMRMarkupButton>(L"<Button>\n  <Border/>\n</Button>"));
    ASSERT_TRUE(spaced.get());
    EXPECT_TRUE(MarkupCast<CZMRMarkupBorder>(spaced->GetContent()));

    // The content's text takes the button's foreground.
    MarkupRef<CZMRMarkupButton> red(BuildAs<CZMRMarkupButton>(L"<Button Foreground=\"Red\">Hi</Button>"));
    CZMRMarkupBrush* pForeground = MarkupCast<CZMRMarkupBrush>(
        red->GetContent()->GetValue(CZMRMarkupTextElement::m_pForegroundProperty));
    ASSERT_TRUE(pForeground);
    EXPECT_EQ(RGB(255, 0, 0), pForeground->GetColor());

    struct
    {
        LPCWSTR lpszMarkup;
        LPCWSTR lpszError;
    } errors[] = {
        {L"<Button><Border/><Border/></Button>",
         L"'CZMRMarkupButton' already has a child and cannot add 'CZMRMarkupBorder'. 'CZMRMarkupButton' can accept "
         L"only one child."},
        {L"<CheckBox Content=\"Hi\">text</CheckBox>",
         L"'CZMRMarkupCheckBox' already has a child and cannot add 'CZMRMarkupString'. 'CZMRMarkupCheckBox' can "
         L"accept only one child."},
        {L"<RadioButton><Setter/></RadioButton>",
         L"'CZMRMarkupSetter' object cannot be added to 'CZMRMarkupRadioButton'. Object cannot be converted to type "
         L"'CZMRMarkupUIElement'"},
        {L"<Page><Border/><Border/></Page>",
         L"'CZMRMarkupPage' already has a child and cannot add 'CZMRMarkupBorder'. 'CZMRMarkupPage' can accept only "
         L"one child."},
        {L"<Page>text</Page>",
         L"'CZMRMarkupString' object cannot be added to 'CZMRMarkupPage'. Object cannot be converted to type "
         L"'CZMRMarkupUIElement'"},
        {L"<Control><Border/></Control>", L"Cannot add content to an object of type 'CZMRMarkupControl'"},
        {L"<CheckBox IsChecked=\"Yes\"/>", L"Cannot convert string in attribute 'IsChecked'"},
    };
    for (const auto& e : errors)
    {
        CString strError = BuildError(e.lpszMarkup);
        EXPECT_EQ(0, strError.Find(e.lpszError)) << CStringA(strError).GetString();
    }
}

TEST_F(ControlTest, ButtonsLayTheirContentInsideTheirFrameOrBesideTheirGlyph)
{
    struct
    {
        CString strMarkup;
        CSize szDesired;
        CSize szArrange;
        CRect rcContent;   // of the test box named C, when there is one
        CSize szMeasuredWith;
    } cases[] = {
        {L"<Button Padding=\"2\">" + Box(L"C", 40, 20) + L"</Button>", {52, 32}, {60, 40}, {6, 6, 54, 34}, {188, 188}},
        {L"<Button/>", {8, 8}, {20, 20}, {}, {}},
        {L"<Button Padding=\"1,2,3,4\"/>", {12, 14}, {20, 20}, {}, {}},
        {L"<CheckBox>" + Box(L"C", 30, 10) + L"</CheckBox>", {46, 13}, {60, 20}, {16, 0, 60, 20}, {184, 200}},
        {L"<RadioButton Padding=\"2\">" + Box(L"C", 30, 20) + L"</RadioButton>", {50, 24}, {60, 30}, {18, 2, 58, 28},
         {180, 196}},
        // Without content the glyph's height remains.
        {L"<CheckBox/>", {16, 13}, {20, 20}, {}, {}},
        {L"<RadioButton/>", {16, 13}, {20, 20}, {}, {}},
        {L"<RadioButton Padding=\"0,10,0,10\"/>", {16, 20}, {20, 20}, {}, {}},
        {L"<Page>" + Box(L"C", 30, 10) + L"</Page>", {30, 10}, {100, 50}, {0, 0, 100, 50}, {200, 200}},
        {L"<Page/>", {0, 0}, {100, 50}, {}, {}},
    };
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.strMarkup).GetString();
        MarkupRef<CZMRMarkupFrameworkElement> element(BuildAs<CZMRMarkupFrameworkElement>(c.strMarkup));
        ASSERT_TRUE(element.get()) << strCase;
        CZMRMarkupDrawingContext dc;
        element->Measure(&dc, 200, 200);
        EXPECT_EQ(c.szDesired, element->GetDesiredSize()) << strCase;
        element->Arrange(CRect(CPoint(0, 0), c.szArrange));
        CTestBox* pContent = Named<CTestBox>(element, L"C");
        if (pContent)
        {
            EXPECT_EQ(c.rcContent, pContent->GetFinalRect()) << strCase;
            EXPECT_EQ(c.szMeasuredWith, pContent->m_szMeasuredWith) << strCase;
        }
    }
}

TEST_F(ClassicControlTest, APressedButtonMovesItsContent)
{
    // Without a visual style the content moves by a pixel while pressed.
    MarkupRef<CZMRMarkupButton> button(BuildAs<CZMRMarkupButton>(L"<Button>" + Box(L"C", 40, 20) + L"</Button>"));
    Layout(button, 200, 200, CSize(48, 28));
    CTestBox* pContent = Named<CTestBox>(button, L"C");
    EXPECT_EQ(CRect(4, 4, 44, 24), pContent->GetFinalRect());
    button->SetPressed(TRUE);
    EXPECT_TRUE(button->IsPressed());
    EXPECT_EQ(CRect(5, 5, 45, 25), pContent->GetFinalRect());
    button->SetPressed(FALSE);
    EXPECT_EQ(CRect(4, 4, 44, 24), pContent->GetFinalRect());
}

TEST_F(StyledControlTest, AStyledButtonKeepsItsContentStillUnlessItHasABackground)
{
    MarkupRef<CZMRMarkupButton> button(BuildAs<CZMRMarkupButton>(L"<Button>" + Box(L"C", 40, 20) + L"</Button>"));
    Layout(button, 200, 200, CSize(48, 28));
    button->SetPressed(TRUE);
    EXPECT_EQ(CRect(4, 4, 44, 24), Named<CTestBox>(button, L"C")->GetFinalRect());

    MarkupRef<CZMRMarkupButton> coloured(
        BuildAs<CZMRMarkupButton>(L"<Button Background=\"Yellow\">" + Box(L"C", 40, 20) + L"</Button>"));
    Layout(coloured, 200, 200, CSize(48, 28));
    coloured->SetPressed(TRUE);
    EXPECT_EQ(CRect(5, 5, 45, 25), Named<CTestBox>(coloured, L"C")->GetFinalRect());
}

namespace
{
// A button in a stack panel on a hidden host window, driven by mouse messages.
class ButtonInputTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_pContext->SetHostWindow(m_host.m_hWnd);
        m_pContext->AddDelegate(L"OnClick", new CRecordingDelegate(&m_log, L"click"));
        m_host.m_pContext = m_pContext;
        m_pRoot = BuildAs<CZMRMarkupStackPanel>(
            L"<StackPanel><Button x:Name=\"B\" Click=\"OnClick\" HorizontalAlignment=\"Left\" Width=\"80\" "
            L"Height=\"30\">" + Box(L"C", 20, 10) + L"</Button><Button x:Name=\"Off\" IsEnabled=\"False\" "
            L"Click=\"OnClick\" HorizontalAlignment=\"Left\" Width=\"80\" Height=\"30\"/></StackPanel>");
        ASSERT_TRUE(m_pRoot);
        m_host.m_pRoot = m_pRoot;
        Layout(m_pRoot, 200, 200, CSize(200, 200));
        m_pButton = Named<CZMRMarkupButton>(m_pRoot, L"B");
        m_pDisabled = Named<CZMRMarkupButton>(m_pRoot, L"Off");
    }
    void TearDown() override
    {
        m_host.Send(WM_DESTROY);
        m_host.m_pContext = nullptr;
        if (m_pRoot)
            m_pRoot->Release();
        ControlTest::TearDown();
    }

    MarkupHostWindow m_host;
    CZMRMarkupStackPanel* m_pRoot = nullptr;
    CZMRMarkupButton* m_pButton = nullptr;
    CZMRMarkupButton* m_pDisabled = nullptr;
    // On the button's content, on the button's frame, and off both buttons.
    const CPoint m_ptContent{40, 15};
    const CPoint m_ptFrame{2, 2};
    const CPoint m_ptOutside{150, 150};
};
}

TEST_F(ButtonInputTest, PressAndReleaseOnTheButtonClicks)
{
    m_host.Mouse(WM_MOUSEMOVE, m_ptContent.x, m_ptContent.y);
    EXPECT_TRUE(m_pButton->IsMouseOver());
    EXPECT_FALSE(m_pButton->IsPressed());
    EXPECT_TRUE(m_host.Mouse(WM_LBUTTONDOWN, m_ptContent.x, m_ptContent.y));
    EXPECT_TRUE(m_pButton->IsPressed());
    EXPECT_EQ(m_pButton, m_pContext->GetMouseCaptureElement());
    EXPECT_EQ(m_host.m_hWnd, ::GetCapture());
    // Moving within the button keeps the press.
    m_host.Mouse(WM_MOUSEMOVE, m_ptFrame.x, m_ptFrame.y);
    EXPECT_TRUE(m_pButton->IsPressed());
    EXPECT_TRUE(m_host.Mouse(WM_LBUTTONUP, m_ptFrame.x, m_ptFrame.y));
    EXPECT_EQ(Log({L"click:B"}), TakeLog());
    EXPECT_FALSE(m_pButton->IsPressed());
    EXPECT_EQ(nullptr, m_pContext->GetMouseCaptureElement());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(m_pButton->IsMouseOver());
}

TEST_F(ButtonInputTest, APressFollowsThePointerAndClicksOnlyWhereItBegan)
{
    // Out and released outside: no click, and no hover look left behind.
    m_host.Mouse(WM_MOUSEMOVE, m_ptContent.x, m_ptContent.y);
    m_host.Mouse(WM_LBUTTONDOWN, m_ptContent.x, m_ptContent.y);
    m_host.Mouse(WM_MOUSEMOVE, m_ptOutside.x, m_ptOutside.y);
    EXPECT_FALSE(m_pButton->IsPressed());
    EXPECT_TRUE(m_pButton->IsMouseOver()) << "kept while the press lasts";
    m_host.Mouse(WM_LBUTTONUP, m_ptOutside.x, m_ptOutside.y);
    EXPECT_EQ(Log(), TakeLog());
    EXPECT_FALSE(m_pButton->IsMouseOver());
    EXPECT_EQ(nullptr, ::GetCapture());

    // Out and back in: one click.
    m_host.Mouse(WM_MOUSEMOVE, m_ptContent.x, m_ptContent.y);
    m_host.Mouse(WM_LBUTTONDOWN, m_ptContent.x, m_ptContent.y);
    m_host.Mouse(WM_MOUSEMOVE, m_ptOutside.x, m_ptOutside.y);
    m_host.Mouse(WM_MOUSEMOVE, m_ptContent.x, m_ptContent.y);
    EXPECT_TRUE(m_pButton->IsPressed());
    m_host.Mouse(WM_LBUTTONUP, m_ptContent.x, m_ptContent.y);
    EXPECT_EQ(Log({L"click:B"}), TakeLog());

    // A press whose capture is taken away ends without a click.
    m_host.Mouse(WM_LBUTTONDOWN, m_ptContent.x, m_ptContent.y);
    ::ReleaseCapture();
    EXPECT_FALSE(m_pButton->IsPressed());
    m_host.Mouse(WM_LBUTTONUP, m_ptContent.x, m_ptContent.y);
    EXPECT_EQ(Log(), TakeLog());
}

TEST_F(ButtonInputTest, ADisabledButtonTakesNoPress)
{
    const CPoint pt(40, 45);
    m_host.Mouse(WM_MOUSEMOVE, pt.x, pt.y);
    EXPECT_TRUE(m_pDisabled->IsMouseOver());
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONDOWN, pt.x, pt.y));
    EXPECT_FALSE(m_pDisabled->IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());
    m_host.Mouse(WM_LBUTTONUP, pt.x, pt.y);
    EXPECT_EQ(Log(), TakeLog());

    // Disabled while pressed: the release clicks nothing.
    m_host.Mouse(WM_MOUSEMOVE, m_ptContent.x, m_ptContent.y);
    m_host.Mouse(WM_LBUTTONDOWN, m_ptContent.x, m_ptContent.y);
    m_pButton->SetValue(CZMRMarkupUIElement::m_pIsEnabledProperty, CZMRMarkupBool::CreateFalseValue());
    m_host.Mouse(WM_LBUTTONUP, m_ptContent.x, m_ptContent.y);
    EXPECT_FALSE(m_pButton->IsPressed());
    EXPECT_EQ(Log(), TakeLog());
}

TEST_F(ControlTest, ToggleButtonsCycleAndRaiseTheirStateBeforeTheClick)
{
    RecordToggleEvents();
    MarkupRef<CZMRMarkupCheckBox> three(BuildAs<CZMRMarkupCheckBox>(L"<CheckBox x:Name=\"T\" IsThreeState=\"True\"/>"));
    const Log expected[] = {{L"checked:T", L"click:T"}, {L"indeterminate:T", L"click:T"}, {L"unchecked:T", L"click:T"}};
    const int states[] = {1, 2, 0};
    for (int i = 0; i < 3; i++)
    {
        three->OnClick();
        EXPECT_EQ(states[i], three->GetIsChecked());
        EXPECT_EQ(expected[i], TakeLog());
    }

    MarkupRef<CZMRMarkupCheckBox> two(BuildAs<CZMRMarkupCheckBox>(L"<CheckBox x:Name=\"C\"/>"));
    two->OnClick();
    EXPECT_EQ(1, two->GetIsChecked());
    two->OnClick();
    EXPECT_EQ(0, two->GetIsChecked());
    EXPECT_EQ(Log({L"checked:C", L"click:C", L"unchecked:C", L"click:C"}), TakeLog());

    // A state set in markup raises its event too, the state an unset box
    // already has included; so does setting the same state again.
    MarkupRef<CZMRMarkupCheckBox> mixed(BuildAs<CZMRMarkupCheckBox>(L"<CheckBox x:Name=\"M\" IsChecked=\"\"/>"));
    EXPECT_EQ(2, mixed->GetIsChecked());
    MarkupRef<CZMRMarkupCheckBox> on(BuildAs<CZMRMarkupCheckBox>(L"<CheckBox x:Name=\"O\" IsChecked=\"tRUE\"/>"));
    on->SetIsChecked(1);
    MarkupRef<CZMRMarkupCheckBox> off(BuildAs<CZMRMarkupCheckBox>(L"<CheckBox x:Name=\"F\" IsChecked=\"False\"/>"));
    EXPECT_EQ(0, off->GetIsChecked());
    EXPECT_EQ(Log({L"indeterminate:M", L"checked:O", L"checked:O", L"unchecked:F"}), TakeLog());
}

TEST_F(ControlTest, CheckingARadioButtonUnchecksItsSiblings)
{
    RecordToggleEvents();
    MarkupRef<CZMRMarkupStackPanel> panel(BuildAs<CZMRMarkupStackPanel>(
        L"<StackPanel><RadioButton x:Name=\"A\"/><RadioButton x:Name=\"B\" IsChecked=\"True\"/>"
        L"<RadioButton x:Name=\"C\" IsChecked=\"True\"/><CheckBox x:Name=\"X\" IsChecked=\"True\"/>"
        L"<Border><RadioButton x:Name=\"D\" IsChecked=\"True\"/></Border></StackPanel>"));
    TakeLog();
    CZMRMarkupRadioButton* pA = Named<CZMRMarkupRadioButton>(panel, L"A");
    pA->OnClick();
    EXPECT_EQ(Log({L"unchecked:B", L"unchecked:C", L"checked:A", L"click:A"}), TakeLog());
    EXPECT_EQ(0, Named<CZMRMarkupRadioButton>(panel, L"B")->GetIsChecked());
    EXPECT_EQ(1, Named<CZMRMarkupCheckBox>(panel, L"X")->GetIsChecked()) << "not a radio button";
    EXPECT_EQ(1, Named<CZMRMarkupRadioButton>(panel, L"D")->GetIsChecked()) << "another container";

    // Clicking a checked radio button leaves it checked, and checks it again.
    pA->OnClick();
    EXPECT_EQ(1, pA->GetIsChecked());
    EXPECT_EQ(Log({L"checked:A", L"click:A"}), TakeLog());
}

TEST_F(StyledControlTest, VisualStylesDrawTheStateOfEachButton)
{
    struct
    {
        LPCWSTR lpszMarkup;
        int nChecked;          // -1 leaves IsChecked alone
        bool bMouseOver;
        bool bPressed;
        std::pair<int, int> background;   // part and state
    } cases[] = {
        {L"<Button/>", -1, false, false, {1, 1}},
        {L"<Button/>", -1, true, false, {1, 2}},
        {L"<Button/>", -1, true, true, {1, 3}},
        {L"<Button IsEnabled=\"False\"/>", -1, true, false, {1, 4}},
        {L"<CheckBox/>", 0, false, false, {3, 1}},
        {L"<CheckBox/>", 1, true, false, {3, 6}},
        {L"<CheckBox/>", 2, true, true, {3, 11}},
        {L"<CheckBox IsEnabled=\"False\"/>", 1, false, false, {3, 8}},
        {L"<RadioButton/>", 0, true, false, {2, 2}},
        {L"<RadioButton/>", 1, false, true, {2, 7}},
        {L"<RadioButton/>", 2, false, false, {2, 5}},
    };
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.lpszMarkup).GetString() + std::to_string(c.nChecked) +
                                    (c.bMouseOver ? " hot" : "") + (c.bPressed ? " pressed" : "");
        MarkupRef<CZMRMarkupButtonBase> button(BuildAs<CZMRMarkupButtonBase>(c.lpszMarkup));
        if (c.nChecked >= 0)
            static_cast<CZMRMarkupToggleButton*>(button.get())->SetIsChecked(c.nChecked);
        if (c.bMouseOver)
            button->SetValue(CZMRMarkupInputElement::m_pIsMouseOverProperty, CZMRMarkupBool::CreateTrueValue());
        button->SetPressed(c.bPressed);
        CRecordingVisualStyles::s_backgrounds.clear();
        WhiteSurface surface(40, 30);
        DrawMarkupTree(button, surface.GetDC(), CRect(0, 0, 40, 30));
        EXPECT_EQ(Backgrounds({c.background}), CRecordingVisualStyles::s_backgrounds) << strCase;
    }
    EXPECT_EQ(0, CRecordingVisualStyles::s_nOpenThemes) << "every theme handle closed with its element";
}

TEST_F(StyledControlTest, ABackgroundBevelsTheButtonInItsOwnShades)
{
    const COLORREF clrBack = RGB(0x40, 0x80, 0xC0);
    MarkupRef<CZMRMarkupButton> button(BuildAs<CZMRMarkupButton>(L"<Button Background=\"#4080C0\"/>"));
    WhiteSurface surface(40, 30);
    DrawMarkupTree(button, surface.GetDC(), CRect(0, 0, 40, 30));
    EXPECT_EQ(Backgrounds(), CRecordingVisualStyles::s_backgrounds) << "drawn without the visual style";
    const DWORD dwHSL = CZMRDrawHelpers::RGBToHSL(clrBack);
    const DWORD dwLightness = dwHSL >> 16;
    const COLORREF clrLight = CZMRDrawHelpers::HSLToRGB((dwHSL & 0xFFFF) | (((dwLightness + 240) / 2) << 16));
    const COLORREF clrShadow = CZMRDrawHelpers::HSLToRGB((dwHSL & 0xFFFF) | ((dwLightness * 2 / 3) << 16));
    const COLORREF clrDark = RGB(GetRValue(clrShadow) / 2, GetGValue(clrShadow) / 2, GetBValue(clrShadow) / 2);
    EXPECT_NE(clrBack, clrLight);
    EXPECT_EQ(clrLight, surface.At(0, 0));
    EXPECT_EQ(clrLight, surface.At(0, 28));
    EXPECT_EQ(clrShadow, surface.At(20, 28));
    EXPECT_EQ(clrShadow, surface.At(38, 10));
    EXPECT_EQ(clrDark, surface.At(20, 29));
    EXPECT_EQ(clrDark, surface.At(39, 0));
    EXPECT_EQ(clrBack, surface.At(20, 15));
}

TEST_F(ClassicControlTest, WithoutAVisualStyleButtonsUseTheSystemColours)
{
    MarkupRef<CZMRMarkupButton> button(BuildAs<CZMRMarkupButton>(L"<Button/>"));
    WhiteSurface raised(40, 30);
    DrawMarkupTree(button, raised.GetDC(), CRect(0, 0, 40, 30));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), raised.At(0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), raised.At(38, 15));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), raised.At(39, 29));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), raised.At(20, 15));

    button->SetPressed(TRUE);
    WhiteSurface pressed(40, 30);
    DrawMarkupTree(button, pressed.GetDC(), CRect(0, 0, 40, 30));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), pressed.At(0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), pressed.At(39, 29));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), pressed.At(1, 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pressed.At(20, 15));

    // The glyphs are the system's frame controls, at the left and centred.
    MarkupRef<CZMRMarkupCheckBox> check(BuildAs<CZMRMarkupCheckBox>(L"<CheckBox IsChecked=\"True\"/>"));
    WhiteSurface glyph(40, 30);
    DrawMarkupTree(check, glyph.GetDC(), CRect(0, 0, 40, 30));
    EXPECT_EQ(CRect(0, 9, 13, 22), check->GetGlyphRect());
    EXPECT_GT(glyph.CountNot(CRect(0, 9, 13, 22), RGB(255, 255, 255)), 20);
    EXPECT_EQ(0, glyph.CountNot(CRect(0, 0, 40, 9), RGB(255, 255, 255)));
    EXPECT_EQ(0, glyph.CountNot(CRect(13, 0, 40, 30), RGB(255, 255, 255)));
}

TEST_F(ClassicControlTest, ADisabledButtonShowsItsTextInTheGreyTextColour)
{
    const COLORREF clrGray = ::GetSysColor(COLOR_GRAYTEXT);
    struct
    {
        LPCWSTR lpszMarkup;
        COLORREF clrText;   // the colour the text must show in
    } cases[] = {
        {L"<Button>Push</Button>", RGB(0, 0, 0)},
        {L"<Button IsEnabled=\"False\">Push</Button>", clrGray},
        {L"<CheckBox IsEnabled=\"False\">Push</CheckBox>", clrGray},
        // A foreground of its own stays.
        {L"<Button IsEnabled=\"False\" Foreground=\"Blue\">Push</Button>", RGB(0, 0, 255)},
    };
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.lpszMarkup).GetString();
        MarkupRef<CZMRMarkupButtonBase> button(BuildAs<CZMRMarkupButtonBase>(c.lpszMarkup));
        ASSERT_TRUE(button.get()) << strCase;
        WhiteSurface surface(60, 24);
        DrawMarkupTree(button, surface.GetDC(), CRect(0, 0, 60, 24));
        const CRect rcText(16, 3, 57, 21);   // right of a glyph, inside a bevel
        EXPECT_GT(surface.CountOf(rcText, c.clrText), 5) << strCase;
        if (c.clrText != RGB(0, 0, 0))
            EXPECT_EQ(0, surface.CountOf(rcText, RGB(0, 0, 0))) << strCase;
    }
}

TEST_F(ClassicControlTest, TheKeyboardFocusShowsAsADottedRectangle)
{
    struct
    {
        CString strMarkup;
        CRect rcFocus;   // empty: no focus rectangle
    } cases[] = {
        {L"<Button/>", {3, 3, 37, 27}},
        {L"<CheckBox>" + Box(L"C", 10, 10) + L"</CheckBox>", {15, 0, 40, 30}},
        {L"<RadioButton>" + Box(L"C", 10, 10) + L"</RadioButton>", {15, 0, 40, 30}},
        {L"<CheckBox/>", {}},
    };
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.strMarkup).GetString();
        MarkupRef<CZMRMarkupButtonBase> button(BuildAs<CZMRMarkupButtonBase>(c.strMarkup));
        WhiteSurface plain(40, 30);
        DrawMarkupTree(button, plain.GetDC(), CRect(0, 0, 40, 30));
        button->SetValue(CZMRMarkupInputElement::m_pIsKeyboardFocusedProperty, CZMRMarkupBool::CreateTrueValue());
        WhiteSurface focused(40, 30);
        DrawMarkupTree(button, focused.GetDC(), CRect(0, 0, 40, 30));
        int nChanged = 0;
        int nChangedOutside = 0;
        for (int y = 0; y < 30; y++)
        {
            for (int x = 0; x < 40; x++)
            {
                if (plain.At(x, y) == focused.At(x, y))
                    continue;
                const bool bOnFrame = c.rcFocus.PtInRect(CPoint(x, y)) &&
                                      !CRect(c.rcFocus.left + 1, c.rcFocus.top + 1, c.rcFocus.right - 1,
                                             c.rcFocus.bottom - 1)
                                           .PtInRect(CPoint(x, y));
                (bOnFrame ? nChanged : nChangedOutside)++;
            }
        }
        EXPECT_EQ(0, nChangedOutside) << strCase;
        if (c.rcFocus.IsRectEmpty())
        {
            EXPECT_EQ(0, nChanged) << strCase;
        }
        else
        {
            EXPECT_GT(nChanged, c.rcFocus.Width()) << strCase;
        }
    }
}

TEST_F(ControlTest, PictureOfASamplePage)
{
    // Drawn with the visual style Wine offers, saved for people to look at.
    MarkupRef<CZMRMarkupPage> page(BuildAs<CZMRMarkupPage>(
        L"<Page><Grid Background=\"White\" Margin=\"4\">"
        L"<Grid.ColumnDefinitions><ColumnDefinition Width=\"Auto\"/><ColumnDefinition/></Grid.ColumnDefinitions>"
        L"<Grid.RowDefinitions><RowDefinition Height=\"Auto\"/><RowDefinition Height=\"Auto\"/>"
        L"<RowDefinition Height=\"Auto\"/><RowDefinition/></Grid.RowDefinitions>"
        L"<Button x:Name=\"Push\" Margin=\"2\">Push me</Button>"
        L"<Button x:Name=\"Coloured\" Grid.Column=\"1\" Margin=\"2\" Background=\"#4080C0\" "
        L"Foreground=\"White\">Coloured</Button>"
        L"<StackPanel Grid.Row=\"1\" Grid.ColumnSpan=\"2\" Orientation=\"Horizontal\">"
        L"<CheckBox Margin=\"2\">Off</CheckBox><CheckBox Margin=\"2\" IsChecked=\"True\">On</CheckBox>"
        L"<CheckBox Margin=\"2\" IsChecked=\"\">Mixed</CheckBox></StackPanel>"
        L"<StackPanel Grid.Row=\"2\" Grid.ColumnSpan=\"2\" Orientation=\"Horizontal\">"
        L"<RadioButton Margin=\"2\" IsChecked=\"True\">One</RadioButton><RadioButton Margin=\"2\">Two</RadioButton>"
        L"<Image x:Name=\"Picture\" Margin=\"4\" Width=\"16\" Height=\"8\" Source=\"res://MARKUPPICTURE\"/>"
        L"<ScrollViewer Height=\"20\" Width=\"70\"><TextBlock>Scrolled text that goes on</TextBlock>"
        L"</ScrollViewer></StackPanel>"
        L"<Canvas Grid.Row=\"3\" Grid.ColumnSpan=\"2\">"
        L"<Rectangle x:Name=\"Rect\" Canvas.Left=\"4\" Canvas.Top=\"4\" Width=\"40\" Height=\"30\" Fill=\"Yellow\" "
        L"Stroke=\"Black\"/>"
        L"<Ellipse x:Name=\"Oval\" Canvas.Left=\"50\" Canvas.Top=\"4\" Width=\"40\" Height=\"30\" Fill=\"Red\" "
        L"Stroke=\"Blue\" "
        L"StrokeThickness=\"2\"/>"
        L"<Line Canvas.Left=\"96\" Canvas.Top=\"4\" X1=\"0\" Y1=\"0\" X2=\"40\" Y2=\"30\" Stroke=\"Green\" "
        L"StrokeThickness=\"3\"/>"
        L"<Polygon x:Name=\"Triangle\" Canvas.Left=\"142\" Canvas.Top=\"4\" Points=\"20,0 40,30 0,30\" Fill=\"Blue\" "
        L"Stroke=\"Black\"/>"
        L"<Polyline Canvas.Left=\"188\" Canvas.Top=\"4\" Points=\"0,30 10,0 20,30 30,0\" Stroke=\"Purple\" "
        L"StrokeThickness=\"2\"/>"
        L"</Canvas></Grid></Page>"));
    ASSERT_TRUE(page.get());
    WhiteSurface surface(240, 160);
    ::PatBlt(surface.GetDC(), 0, 0, 240, 160, BLACKNESS);
    DrawMarkupTree(page, surface.GetDC(), CRect(0, 0, 240, 160));
    EXPECT_TRUE(surface.Save(L"markup-controls.png"));

    // The page has no background: its margin keeps the black underneath;
    // the grid fills the rest white.
    EXPECT_EQ(RGB(0, 0, 0), surface.At(1, 1));
    EXPECT_EQ(RGB(0, 0, 0), surface.At(238, 158));
    EXPECT_EQ(RGB(255, 255, 255), surface.At(5, 158 - 4 - 1));
    const CRect rcPush = DrawnRect(page, L"Push");
    EXPECT_GT(rcPush.Width(), 20);
    EXPECT_GT(surface.CountNot(rcPush, RGB(255, 255, 255)), rcPush.Width()) << "the button's face and text";

    // A button with a background: the face is the brush's colour, the
    // bevel's dark corner half the shadow shade (never the face).
    const CRect rcColoured = DrawnRect(page, L"Coloured");
    EXPECT_EQ(RGB(0x40, 0x80, 0xC0), surface.At(rcColoured.left + 3, rcColoured.top + rcColoured.Height() / 2));
    EXPECT_NE(RGB(0x40, 0x80, 0xC0), surface.At(rcColoured.right - 1, rcColoured.bottom - 1));

    // Shapes: fills inside, strokes on the edge.
    const CRect rcRect = DrawnRect(page, L"Rect");
    EXPECT_EQ(CSize(40, 30), rcRect.Size());
    EXPECT_EQ(RGB(255, 255, 0), surface.At(rcRect.CenterPoint().x, rcRect.CenterPoint().y));
    EXPECT_EQ(RGB(0, 0, 0), surface.At(rcRect.left, rcRect.CenterPoint().y));
    const CRect rcOval = DrawnRect(page, L"Oval");
    EXPECT_EQ(RGB(255, 0, 0), surface.At(rcOval.CenterPoint().x, rcOval.CenterPoint().y));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(rcOval.left, rcOval.CenterPoint().y)) << "a stroke 2 wide";
    EXPECT_EQ(RGB(255, 255, 255), surface.At(rcOval.left + 1, rcOval.top + 1)) << "outside the ellipse";
    const CRect rcTriangle = DrawnRect(page, L"Triangle");
    EXPECT_EQ(RGB(0, 0, 255), surface.At(rcTriangle.left + 20, rcTriangle.top + 20));
    EXPECT_EQ(RGB(255, 255, 255), surface.At(rcTriangle.left + 2, rcTriangle.top + 2));

    // The 4 x 2 red picture stretched over its 16 x 8 box.
    const CRect rcPicture = DrawnRect(page, L"Picture");
    EXPECT_EQ(CSize(16, 8), rcPicture.Size());
    EXPECT_EQ(16 * 8, surface.CountOf(rcPicture, RGB(255, 0, 0)));
}
