// The ribbon theme's look of ordinary command-bar controls: the state rules
// of its button parts, which part and state a control in a state draws
// (single pixels of the test skin, see skin/make_ribbon_parts.py), text
// colours, check boxes, popup items and status-bar switches.
#include "RibbonTestSupport.h"
#include "RibbonPaintSupport.h"
#include "CZMRControlButton.h"
#include "CZMRControlComboBox.h"
#include "CZMRCommandBarKeyboardTip.h"
#include <initializer_list>
#include <set>
#include "CZMRStatusBar.h"
#include "CZMRStatusBarPane.h"

namespace
{
enum
{
    kToolbarButtons22 = 30,
    kToolbarButtons50 = 31,
    kMenuCheckedItem = 32,
    kMenuSelectedItem22 = 33,
    kCheckBox = 36,
    kRadioButton = 37,
    kSplit22 = 40,
    kSplitDropDown22 = 41,
    kStatusBarSeparator = 46,
    kStatusBarSwitches = 48,
    kMenuSplitItem = 53,
    kMenuSplitDropDown = 54,
};

class RibbonControlDrawing : public CRibbonThemeWithSkin
{
};

// A control state: selected, pressed, enabled, checked, popped.
struct CState
{
    const char* name;
    int nSelected, nPressed;
    BOOL bEnabled;
    int nChecked;
    BOOL bPopped;
};
} // namespace

TEST(RibbonControlStates, ButtonPartsFollowTheControlState)
{
    struct
    {
        CState s;
        int nHighlight, nRun, nCommand, nDropDown;   // -1: nothing drawn
    } const cases[] = {
        {{"at rest", 0, 0, TRUE, 0, FALSE}, -1, 0, -1, -1},
        {{"hot", 1, 0, TRUE, 0, FALSE}, 0, 1, 5, 4},
        {{"hot and held down", 1, 1, TRUE, 0, FALSE}, 1, 2, 1, 0},
        {{"held down outside", 0, 1, TRUE, 0, FALSE}, 0, 1, 5, 4},
        {{"pressed by keyboard", 0, 2, TRUE, 0, FALSE}, 1, 2, 1, 0},
        {{"popup open", 1, 0, TRUE, 0, TRUE}, 2, 3, 5, 2},
        {{"checked", 0, 0, TRUE, 1, FALSE}, 2, 3, 2, 2},
        {{"checked and hot", 1, 0, TRUE, 1, FALSE}, 3, 4, 3, 4},
        {{"checked and held down", 1, 1, TRUE, 1, FALSE}, 1, 2, 1, 0},
        {{"hot over the command part", 4, 0, TRUE, 0, FALSE}, 0, 1, 0, 4},
        {{"hot over the drop-down part", 5, 0, TRUE, 0, FALSE}, 0, 1, 5, 0},
        {{"disabled", 0, 0, FALSE, 0, FALSE}, -1, 0, -1, -1},
        {{"disabled, hot", 1, 0, FALSE, 0, FALSE}, -1, 0, -1, -1},
        {{"disabled, keyboard-selected", 2, 0, FALSE, 0, FALSE}, 0, 1, 5, 4},
    };
    for (const auto& c : cases)
    {
        const CState& s = c.s;
        EXPECT_EQ(c.nHighlight,
                  CZMRRibbonTheme::GetButtonHighlightState(s.nSelected, s.nPressed, s.bEnabled, s.nChecked, s.bPopped))
            << s.name;
        EXPECT_EQ(c.nRun,
                  CZMRRibbonTheme::GetGroupedRunState(s.nSelected, s.nPressed, s.bEnabled, s.nChecked, s.bPopped))
            << s.name;
        EXPECT_EQ(c.nCommand,
                  CZMRRibbonTheme::GetSplitCommandState(s.nSelected, s.nPressed, s.bEnabled, s.nChecked, s.bPopped))
            << s.name;
        EXPECT_EQ(c.nDropDown,
                  CZMRRibbonTheme::GetSplitDropDownState(s.nSelected, s.nPressed, s.bEnabled, s.nChecked, s.bPopped))
            << s.name;
    }
}

TEST_F(RibbonControlDrawing, ToolbarHighlightTakesThe22PartBelow33Pixels)
{
    CPicture picture(60, 60);
    m_pTheme->DrawStateHighlight(picture.DC(), CRect(0, 0, 40, 32), 1, 0, TRUE, 0, FALSE, zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(PartColor(kToolbarButtons22, 0), picture.At(20, 16));
    m_pTheme->DrawStateHighlight(picture.DC(), CRect(0, 0, 40, 33), 0, 0, TRUE, 1, FALSE, zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(PartColor(kToolbarButtons50, 2), picture.At(20, 16)) << "checked";
    picture.Clear();
    m_pTheme->DrawStateHighlight(picture.DC(), CRect(0, 0, 40, 33), 0, 0, TRUE, 0, FALSE, zmrBarTypeNormal, zmrBarTop);
    EXPECT_EQ(kPaper, picture.At(20, 16)) << "at rest nothing is drawn";
}

TEST_F(RibbonControlDrawing, MenuItemHighlights)
{
    CPicture picture(60, 60);
    struct
    {
        const char* name;
        int nSelected;
        BOOL bEnabled;
        int nChecked;
        COLORREF clr;
    } const cases[] = {
        {"checked", 0, TRUE, 1, PartColor(kMenuCheckedItem, 0)},
        {"checked, disabled", 0, FALSE, 1, PartColor(kMenuCheckedItem, 1)},
        {"selected", 1, TRUE, 0, PartColor(kMenuSelectedItem22, 0)},
        {"disabled, hot", 1, FALSE, 0, kPaper},
    };
    for (const auto& c : cases)
    {
        picture.Clear();
        m_pTheme->DrawStateHighlight(picture.DC(), CRect(0, 0, 50, 22), c.nSelected, 0, c.bEnabled, c.nChecked, FALSE,
                                     zmrBarTypePopup, zmrBarPopup);
        EXPECT_EQ(c.clr, picture.At(25, 11)) << c.name;
    }
}

TEST_F(RibbonControlDrawing, CheckBoxAndRadioGlyphStates)
{
    CPicture picture(20, 20);
    const CRect rc(2, 2, 15, 15);
    struct
    {
        const char* name;
        int nSelected, nPressed, nChecked;
        BOOL bEnabled;
        int nCheckBox, nRadio;
    } const cases[] = {
        {"at rest", 0, 0, 0, TRUE, 0, 0},
        {"hot", 1, 0, 0, TRUE, 1, 1},
        {"hot and pressed", 1, 1, 0, TRUE, 2, 2},
        {"checked", 0, 0, 1, TRUE, 4, 4},
        {"disabled and checked", 0, 0, 1, FALSE, 7, 7},
        {"indeterminate and hot", 1, 0, 2, TRUE, 9, 5},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(CSize(13, 13), m_pTheme->DrawCheckBoxGlyph(picture.DC(), rc, TRUE, c.nSelected, c.nPressed,
                                                             c.nChecked, c.bEnabled));
        EXPECT_EQ(PartColor(kCheckBox, c.nCheckBox), picture.At(8, 8)) << c.name;
        m_pTheme->DrawRadioButtonGlyph(picture.DC(), rc, TRUE, c.nSelected, c.nPressed, c.nChecked, c.bEnabled);
        EXPECT_EQ(PartColor(kRadioButton, c.nRadio), picture.At(8, 8)) << c.name;
    }
}

TEST_F(RibbonControlDrawing, SplitButtonDrawsBothPartsOrNothing)
{
    CPicture picture(80, 40);
    CStateButton button;
    button.SetRect(CRect(10, 5, 60, 27));
    button.m_nSelected = 5;   // over the drop-down part
    m_pTheme->DrawControlBackdrop(picture.DC(), &button, button.GetRect());
    EXPECT_EQ(PartColor(kSplit22, 5), picture.At(20, 16)) << "command part";
    EXPECT_EQ(PartColor(kSplitDropDown22, 0), picture.At(60 - 12 + 1, 7)) << "drop-down part";
    EXPECT_EQ(RGB(21, 66, 139), picture.DC()->GetTextColor()) << "caption colour of an enabled split button";

    // The large form's parts are not in the test skin: nothing at all.
    picture.Clear();
    button.SetStyle(zmrButtonIconAndCaptionBelow);
    m_pTheme->DrawControlBackdrop(picture.DC(), &button, button.GetRect());
    EXPECT_EQ(kPaper, picture.At(20, 10));
    EXPECT_EQ(kPaper, picture.At(55, 16));
}

TEST_F(RibbonControlDrawing, SplitPopupItemDividesOnlyAbove33Pixels)
{
    CPicture picture(120, 40);
    CStateButton item;
    item.m_nSelected = 1;
    item.SetRect(CRect(0, 0, 100, 34));
    m_pTheme->DrawPopupSplitDivider(picture.DC(), &item);
    EXPECT_EQ(PartColor(kMenuSplitItem, 1), picture.At(10, 17));
    EXPECT_EQ(PartColor(kMenuSplitDropDown, 1), picture.At(90, 17));

    picture.Clear();
    item.SetRect(CRect(0, 0, 100, 33));
    m_pTheme->DrawPopupSplitDivider(picture.DC(), &item);
    EXPECT_EQ(kPaper, picture.At(10, 17));
    EXPECT_EQ(PartColor(kMenuSplitDropDown, 1), picture.At(90, 17));
}

TEST_F(RibbonControlDrawing, StateTextColoursByBar)
{
    EXPECT_EQ(SkinColor(211, 111, 112), m_pTheme->GetStateTextColor(0, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup))
        << "popup, enabled: MenuPopupText";
    EXPECT_EQ(RGB(167, 167, 167), m_pTheme->GetStateTextColor(0, 0, FALSE, 0, FALSE, zmrBarTypePopup, zmrBarPopup));
    EXPECT_EQ(SkinColor(205, 51, 52), m_pTheme->GetStateTextColor(1, 0, TRUE, 0, FALSE, zmrBarTypeNormal, zmrBarTop))
        << "tool bar, enabled: GroupClientText";
    EXPECT_EQ(RGB(141, 141, 141), m_pTheme->GetStateTextColor(0, 0, FALSE, 0, FALSE, zmrBarTypeNormal, zmrBarTop));
}

TEST_F(RibbonControlDrawing, StatusSwitchesMeasureAndTakeTheirColumns)
{
    CZMRStatusBar statusBar;
    CZMRStatusBarPane* pPane = statusBar.AddPane();
    for (int i = 0; i < 3; i++)
        pPane->AddSwitch(100 + i);
    EXPECT_EQ(19 + 18 + 19, m_pTheme->PaintStatusPaneSwitches(nullptr, CRect(0, 0, 100, 20), pPane));

    CPicture picture(100, 20);
    pPane->GetSwitch(1).bChecked = TRUE;
    m_pTheme->PaintStatusPaneSwitches(picture.DC(), CRect(0, 0, 100, 20), pPane);
    auto column = [](int s, int c) { return RGB(20 + 4 * kStatusBarSwitches, 30 + 17 * s, 99 + 30 * c); };
    EXPECT_EQ(column(0, 0), picture.At(9, 10)) << "first switch";
    EXPECT_EQ(column(3, 1), picture.At(19 + 9, 10)) << "middle switch, checked";
    EXPECT_EQ(column(0, 2), picture.At(37 + 9, 10)) << "last switch";
    EXPECT_EQ(kPaper, picture.At(57, 10));

    CZMRStatusBarPane* pSingle = statusBar.AddPane();
    pSingle->AddSwitch(200);
    EXPECT_EQ(19, m_pTheme->PaintStatusPaneSwitches(nullptr, CRect(0, 0, 100, 20), pSingle));
    picture.Clear();
    m_pTheme->PaintStatusPaneSwitches(picture.DC(), CRect(0, 0, 100, 20), pSingle);
    EXPECT_EQ(column(0, 3), picture.At(9, 10)) << "a single switch";
}

TEST_F(RibbonControlDrawing, StatusPaneSeparatorsStopAtTheDivider)
{
    CZMRStatusBar statusBar;
    for (int i = 0; i < 3; i++)
        statusBar.AddPane();
    statusBar.m_nDividerIndex = 1;
    CPicture picture(100, 30);
    const CRect rcPane(20, 4, 60, 26);
    struct
    {
        int nPane;
        BOOL bDivider, bEdge;
    } const cases[] = {{0, TRUE, TRUE}, {1, FALSE, TRUE}, {2, FALSE, FALSE}};
    for (const auto& c : cases)
    {
        picture.Clear();
        m_pTheme->PaintStatusPaneDivider(picture.DC(), rcPane, statusBar.GetPane(c.nPane), FALSE);
        EXPECT_EQ(c.bDivider ? PartColor(kStatusBarSeparator, 0) : kPaper, picture.At(59, 15)) << c.nPane;
        picture.Clear();
        m_pTheme->PaintStatusPaneEdge(picture.DC(), rcPane, statusBar.GetPane(c.nPane));
        EXPECT_EQ(c.bEdge ? PartColor(kStatusBarSeparator, 0) : kPaper, picture.At(19, 15)) << c.nPane;
    }
}

namespace
{
// A combo box whose state the tests set.
class CStateCombo : public CZMRControlComboBox
{
public:
    int GetSelected() const override { return m_nSelected; }
    BOOL IsPopupOpen() const override { return m_bOpen; }
    int m_nSelected = 0;
    BOOL m_bOpen = FALSE;
};
} // namespace

TEST_F(RibbonControlDrawing, ComboBoxButtonAndFieldFollowTheState)
{
    const int kComboDropDown = 55;
    CPicture picture(120, 30);
    CStateCombo combo;
    combo.SetDropDownWidth(14);
    combo.SetRect(CRect(0, 0, 100, 22));
    struct
    {
        const char* name;
        int nSelected;
        BOOL bOpen, bEnabled;
        int nState;
        COLORREF clrField;
    } const cases[] = {
        {"at rest", 0, FALSE, TRUE, 0, SkinColor(208, 81, 82)},
        {"hot, no edit window", 1, FALSE, TRUE, 2, m_pTheme->GetColor(COLOR_WINDOW)},
        {"dropped", 1, TRUE, TRUE, 3, m_pTheme->GetColor(COLOR_WINDOW)},
        {"disabled", 0, FALSE, FALSE, 4, m_pTheme->GetColor(COLOR_BTNFACE)},
    };
    for (const auto& c : cases)
    {
        combo.m_nSelected = c.nSelected;
        combo.m_bOpen = c.bOpen;
        combo.SetEnabled(c.bEnabled);
        picture.Clear();
        EXPECT_EQ(CSize(0, 0), m_pTheme->DrawComboBoxItem(picture.DC(), &combo, TRUE)) << c.name;
        EXPECT_EQ(PartColor(kComboDropDown, c.nState), picture.At(100 - 3, 3)) << c.name;
        EXPECT_EQ(c.clrField, picture.At(60, 2)) << c.name;
    }
}

namespace
{
// Colour indices the edit field uses, each given a colour of its own.
const COLORREF kIndexWindow = RGB(240, 1, 5);
const COLORREF kIndexFace = RGB(240, 1, 15);
const COLORREF kIndex32 = RGB(240, 1, 32);
const COLORREF kIndex53 = RGB(240, 1, 53);

class RibbonEditDrawing : public CRibbonThemeWithSkin
{
protected:
    void SetUp() override
    {
        CRibbonThemeWithSkin::SetUp();
        m_pTheme->m_arrColors[COLOR_WINDOW].SetStandardValue(kIndexWindow);
        m_pTheme->m_arrColors[COLOR_BTNFACE].SetStandardValue(kIndexFace);
        m_pTheme->m_arrColors[32].SetStandardValue(kIndex32);
        m_pTheme->m_arrColors[53].SetStandardValue(kIndex53);
    }
};
} // namespace

TEST_F(RibbonEditDrawing, FieldAfterTheLabelFollowsTheState)
{
    CPicture picture(160, 30);
    CStateEdit edit;
    edit.SetCaption(L"Find");
    edit.ShowLabel(TRUE);
    edit.SetRect(CRect(0, 0, 150, 22));
    struct
    {
        const char* name;
        int nSelected;
        BOOL bEnabled;
        COLORREF clrFill, clrFrame;
    } const cases[] = {
        {"at rest", 0, TRUE, SkinColor(208, 81, 82), kIndex53},
        {"hot", 1, TRUE, kIndexWindow, kIndex53},
        {"disabled", 0, FALSE, kIndexFace, kIndex53},
        {"disabled, keyboard-selected", 2, FALSE, kIndexFace, kIndex32},
    };
    for (const auto& c : cases)
    {
        edit.m_nSelected = c.nSelected;
        edit.SetEnabled(c.bEnabled);
        picture.Clear();
        EXPECT_EQ(CSize(0, 0), m_pTheme->DrawEditItem(picture.DC(), &edit, TRUE)) << c.name;
        const int x = edit.GetLabelWidth();
        ASSERT_GT(x, 10) << c.name << ": the label's room";
        // A disabled field starts a pixel further right.
        const int nLeft = c.bEnabled ? x : x + 1;
        EXPECT_EQ(kPaper, picture.At(nLeft - 1, 11)) << c.name;
        EXPECT_EQ(c.clrFrame, picture.At(nLeft, 11)) << c.name;
        EXPECT_EQ(c.clrFrame, picture.At(149, 11)) << c.name;
        EXPECT_EQ(c.clrFrame, picture.At(x + 20, 21)) << c.name;
        EXPECT_EQ(c.clrFill, picture.At(x + 20, 2)) << c.name;
    }
}

TEST_F(RibbonEditDrawing, SpinButtonsAndGlyphsByHalf)
{
    const int kSpinArrows = 56, kSpinGlyphs = 57, kGalleryGlyphs = 58;
    CPicture picture(110, 30);
    CStateEdit edit;
    edit.SetShowSpinButtons(TRUE);
    edit.SetRect(CRect(0, 0, 100, 22));
    // Upper button (82, 1, 99, 11), lower (82, 11, 99, 21): glyphs 5 x 3.
    struct
    {
        const char* name;
        int nSelected, nPressed;
        BOOL bEnabled;
        int nUpper, nLower, nUpperGlyph, nLowerGlyph;
    } const cases[] = {
        {"at rest", 0, 0, TRUE, 0, 5, 0, 4},
        {"hot", 1, 0, TRUE, 1, 6, 1, 5},
        {"over the upper half", 4, 0, TRUE, 2, 6, 2, 5},
        {"upper half pressed", 4, 4, TRUE, 3, 6, 2, 5},
        {"lower half pressed", 5, 5, TRUE, 1, 8, 1, 6},
        {"held on the upper half, mouse elsewhere", 1, 4, TRUE, 3, 6, 2, 5},
        {"disabled", 0, 0, FALSE, 4, 9, 3, 7},
    };
    for (const auto& c : cases)
    {
        edit.m_nSelected = c.nSelected;
        edit.m_nPressed = c.nPressed;
        edit.SetEnabled(c.bEnabled);
        picture.Clear();
        m_pTheme->DrawEditItem(picture.DC(), &edit, TRUE);
        EXPECT_EQ(PartColor(kSpinArrows, c.nUpper), picture.At(83, 2)) << c.name;
        EXPECT_EQ(PartColor(kSpinArrows, c.nLower), picture.At(83, 19)) << c.name;
        EXPECT_EQ(PartColor(kSpinGlyphs, c.nUpperGlyph), picture.At(90, 6)) << c.name;
        EXPECT_EQ(PartColor(kSpinGlyphs, c.nLowerGlyph), picture.At(90, 16)) << c.name;
    }
    // Centred with the odd pixel below: the 3-px glyph on a 10-px button
    // takes rows 5 to 7.
    picture.Clear();
    edit.m_nSelected = edit.m_nPressed = 0;
    edit.SetEnabled(TRUE);
    m_pTheme->DrawEditItem(picture.DC(), &edit, TRUE);
    EXPECT_EQ(PartColor(kSpinArrows, 0), picture.At(90, 4));
    EXPECT_EQ(PartColor(kSpinGlyphs, 0), picture.At(90, 7));

    // Buttons higher than 12 px take the gallery's arrows.
    picture.Clear();
    edit.SetRect(CRect(0, 0, 100, 28));
    m_pTheme->DrawEditItem(picture.DC(), &edit, TRUE);
    EXPECT_EQ(PartColor(kGalleryGlyphs, 0), picture.At(90, 7));
    EXPECT_EQ(PartColor(kGalleryGlyphs, 4), picture.At(90, 21));
}

// Without the skin's spin picture the spin edit keeps the parent theme's
// buttons and arrows instead of losing them.
TEST(RibbonEditWithoutSkin, SpinButtonsStayVisible)
{
    CZMRRibbonTheme* pTheme = new CZMRRibbonTheme;
    pTheme->RefreshMetrics();
    CPicture picture(110, 30);
    CStateEdit edit;
    edit.SetShowSpinButtons(TRUE);
    edit.m_nSelected = 1;
    edit.SetRect(CRect(0, 0, 100, 22));
    pTheme->DrawEditItem(picture.DC(), &edit, TRUE);
    std::set<COLORREF> colors;
    for (int y = 2; y < 20; y++)
        for (int x = 84; x < 98; x++)
            colors.insert(picture.At(x, y));
    EXPECT_EQ(0u, colors.count(kPaper));
    EXPECT_GE(colors.size(), 2u) << "arrows on the buttons";
    pTheme->InternalRelease();
}

TEST_F(RibbonControlDrawing, KeyboardTipWindowFromTheSkin)
{
    const int kTooltipFrame = 49;
    m_pTheme->m_arrColors[COLOR_BTNTEXT].SetStandardValue(RGB(240, 2, 18));
    m_pTheme->m_arrColors[COLOR_GRAYTEXT].SetStandardValue(RGB(240, 2, 17));
    const CRect rcTip(100, 100, 140, 124);
    for (BOOL bEnabled : {TRUE, FALSE})
    {
        CZMRCommandBarKeyboardTip tip(nullptr, nullptr, L"Paste", CPoint(0, 0), 0, bEnabled);
        tip.SetTipText(L"W");
        ASSERT_TRUE(tip.CreateTipWindow(nullptr, rcTip, FALSE));

        // Preparing cuts the four corner pixels away and draws nothing.
        m_pTheme->PaintKeyboardTipWindow(nullptr, &tip, TRUE);
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(ERROR, ::GetWindowRgn(tip.GetSafeHwnd(), hRgn));
        for (const POINT& pt : std::initializer_list<POINT>{{0, 0}, {39, 0}, {0, 23}, {39, 23}})
            EXPECT_FALSE(::PtInRegion(hRgn, pt.x, pt.y)) << pt.x << "," << pt.y;
        for (const POINT& pt : std::initializer_list<POINT>{{1, 0}, {0, 1}, {38, 23}, {20, 12}})
            EXPECT_TRUE(::PtInRegion(hRgn, pt.x, pt.y)) << pt.x << "," << pt.y;
        ::DeleteObject(hRgn);

        CPicture picture(40, 24);
        m_pTheme->PaintKeyboardTipWindow(picture.DC(), &tip, FALSE);
        // The skin's frame part (a 3-px rim) over the gradient of the
        // "Window" section, light at the top and dark at the bottom.
        EXPECT_EQ(PartColor(kTooltipFrame, 0), picture.At(1, 12));
        EXPECT_EQ(PartColor(kTooltipFrame, 0), picture.At(20, 22));
        const COLORREF clrTop = picture.At(4, 3), clrBottom = picture.At(4, 20);
        EXPECT_NEAR(250, GetRValue(clrTop), 40);
        EXPECT_NEAR(90, GetRValue(clrBottom), 40);
        EXPECT_GT(GetRValue(clrTop), GetRValue(clrBottom));
        EXPECT_NEAR(160, GetBValue(clrTop), 1);
        // The letter in index 18, or 17 when the tip is disabled.
        int nText = 0;
        for (int y = 3; y < 21; y++)
            for (int x = 3; x < 37; x++)
                nText += picture.At(x, y) == (bEnabled ? RGB(240, 2, 18) : RGB(240, 2, 17)) ? 1 : 0;
        EXPECT_GT(nText, 3) << bEnabled;
        tip.DestroyWindow();
    }
}
