// The layout containers: stack, wrap and canvas panels, the border, their
// content rules and error messages, what they draw and where the mouse hits.
#include "CZMRMarkupBorder.h"
#include "CZMRMarkupCanvas.h"
#include "CZMRMarkupStackPanel.h"
#include "CZMRMarkupUIElementCollection.h"
#include "CZMRMarkupWrapPanel.h"
#include "MarkupLayoutSupport.h"

namespace
{
const int U = 0x7FFFFFFF;

class PanelTest : public MarkupLayoutTest
{
protected:
};


typedef std::vector<CRect> Rects;
}

TEST_F(PanelTest, StackPanelStacksAtDesiredLengths)
{
    // Unset orientation: a column; measured without a height limit.
    MarkupRef<CZMRMarkupStackPanel> column(
        BuildAs<CZMRMarkupStackPanel>(L"<StackPanel>" + Box(L"A", 30, 40) + Box(L"B", 50, 20) + L"</StackPanel>"));
    CZMRMarkupDrawingContext dc;
    column->Measure(&dc, 100, 50);
    EXPECT_EQ(CSize(100, U), Named<CTestBox>(column, L"A")->m_szMeasuredWith);
    EXPECT_EQ(CSize(50, 50), column->GetDesiredSize());
    EXPECT_TRUE(column->NeedsClip());
    column->Arrange(CRect(0, 0, 100, 50));
    EXPECT_EQ(Rects({{0, 0, 100, 40}, {0, 40, 100, 60}}), FinalRects(column, {L"A", L"B"}));

    MarkupRef<CZMRMarkupStackPanel> row(BuildAs<CZMRMarkupStackPanel>(
        L"<StackPanel Orientation=\"Horizontal\">" + Box(L"A", 30, 40) + Box(L"B", 50, 20) + L"</StackPanel>"));
    row->Measure(&dc, 60, 30);
    EXPECT_EQ(CSize(U, 30), Named<CTestBox>(row, L"A")->m_szMeasuredWith);
    EXPECT_EQ(CSize(60, 30), row->GetDesiredSize());
    row->Arrange(CRect(0, 0, 100, 30));
    // A was cut to the row's height when it was measured.
    EXPECT_EQ(Rects({{0, 0, 30, 30}, {30, 0, 80, 30}}), FinalRects(row, {L"A", L"B"}));

    // A canvas takes no room of its own in a stack.
    MarkupRef<CZMRMarkupStackPanel> stack(
        BuildAs<CZMRMarkupStackPanel>(L"<StackPanel><Canvas>" + Box(L"In", 20, 20) + L"</Canvas>" + Box(L"A", 10, 10) +
                                      L"</StackPanel>"));
    Layout(stack, 100, 100);
    EXPECT_EQ(CRect(0, 0, 10, 10), Named<CTestBox>(stack, L"A")->GetFinalRect());
}

TEST_F(PanelTest, WrapPanelWrapsAtTheAvailableLength)
{
    struct
    {
        LPCWSTR lpszAttributes;
        CSize szAvailable;
        CSize szDesired;
        Rects rects;
    } cases[] = {
        // Unset orientation: rows; three 40-wide children in 100 make two rows.
        {L"", {100, 100}, {80, 35}, {{0, 0, 40, 20}, {40, 0, 80, 20}, {0, 20, 40, 35}}},
        {L"Orientation=\"Vertical\"", {100, 40}, {80, 30}, {{0, 0, 40, 10}, {0, 10, 40, 30}, {40, 0, 80, 15}}},
        {L"ItemWidth=\"50\" ItemHeight=\"25\"", {100, 100}, {100, 50}, {{0, 0, 50, 25}, {50, 0, 100, 25},
                                                                       {0, 25, 50, 50}}},
    };
    for (const auto& c : cases)
    {
        MarkupRef<CZMRMarkupWrapPanel> panel(BuildAs<CZMRMarkupWrapPanel>(
            CString(L"<WrapPanel ") + c.lpszAttributes + L">" + Box(L"A", 40, 10) + Box(L"B", 40, 20) +
            Box(L"C", 40, 15) + L"</WrapPanel>"));
        const std::string strCase = CStringA(c.lpszAttributes).GetString();
        Layout(panel, c.szAvailable.cx, c.szAvailable.cy, c.szAvailable);
        EXPECT_EQ(c.szDesired, panel->GetDesiredSize()) << strCase;
        EXPECT_EQ(c.rects, FinalRects(panel, {L"A", L"B", L"C"})) << strCase;
    }

    // A child longer than the line sits alone on its line (cut to the line
    // by its own measure).
    MarkupRef<CZMRMarkupWrapPanel> wide(
        BuildAs<CZMRMarkupWrapPanel>(L"<WrapPanel>" + Box(L"A", 30, 10) + Box(L"W", 120, 10) + Box(L"B", 30, 10) +
                                     L"</WrapPanel>"));
    Layout(wide, 100, 100, CSize(100, 100));
    EXPECT_EQ(Rects({{0, 0, 30, 10}, {0, 10, 100, 20}, {0, 20, 30, 30}}), FinalRects(wide, {L"A", L"W", L"B"}));
}

TEST_F(PanelTest, CanvasPlacesChildrenByTheirAttachedSides)
{
    MarkupRef<CZMRMarkupCanvas> canvas(BuildAs<CZMRMarkupCanvas>(
        L"<Canvas>" + Box(L"LeftWins", 30, 10, L"Canvas.Left=\"10\" Canvas.Right=\"10\"") +
        Box(L"Right", 30, 10, L"Canvas.Right=\"10\" Canvas.Bottom=\"5\"") +
        Box(L"TopWins", 30, 10, L"Canvas.Top=\"7\" Canvas.Bottom=\"5\"") + Box(L"Unset", 30, 10) + L"</Canvas>"));
    CZMRMarkupDrawingContext dc;
    canvas->Measure(&dc, 100, 50);
    EXPECT_EQ(CSize(0, 0), canvas->GetDesiredSize());
    EXPECT_EQ(CSize(U, U), Named<CTestBox>(canvas, L"Unset")->m_szMeasuredWith);
    canvas->Arrange(CRect(0, 0, 100, 50));
    EXPECT_EQ(Rects({{10, 0, 40, 10}, {60, 35, 90, 45}, {0, 7, 30, 17}, {0, 0, 30, 10}}),
              FinalRects(canvas, {L"LeftWins", L"Right", L"TopWins", L"Unset"}));
}

TEST_F(PanelTest, BorderFramesItsChildAndDrawsItsSides)
{
    MarkupRef<CZMRMarkupBorder> empty(BuildAs<CZMRMarkupBorder>(L"<Border BorderThickness=\"2\"/>"));
    Layout(empty, 100, 100);
    EXPECT_EQ(CSize(4, 4), empty->GetDesiredSize());

    MarkupRef<CZMRMarkupBorder> border(BuildAs<CZMRMarkupBorder>(
        L"<Border BorderThickness=\"2\" Padding=\"1,2,3,4\" BorderBrush=\"Red\" Background=\"Blue\">" +
        Box(L"Child", 10, 10) + L"</Border>"));
    CZMRMarkupDrawingContext dc;
    border->Measure(&dc, 100, 100);
    EXPECT_EQ(CSize(92, 90), Named<CTestBox>(border, L"Child")->m_szMeasuredWith);
    EXPECT_EQ(CSize(18, 20), border->GetDesiredSize());
    EXPECT_EQ(border.get(), Named<CTestBox>(border, L"Child")->GetVisualParent());

    DibSurface surface(30, 30);
    DrawMarkupTree(border, surface.GetDC(), CRect(0, 0, 18, 20));
    EXPECT_EQ(CRect(3, 4, 13, 14), Named<CTestBox>(border, L"Child")->GetFinalRect());
    const COLORREF clrRed = RGB(255, 0, 0);
    const COLORREF clrBlue = RGB(0, 0, 255);
    EXPECT_EQ(clrRed, surface.At(0, 0));
    EXPECT_EQ(clrRed, surface.At(1, 10));
    EXPECT_EQ(clrRed, surface.At(16, 10));
    EXPECT_EQ(clrRed, surface.At(10, 18));
    EXPECT_EQ(clrBlue, surface.At(2, 2));
    EXPECT_EQ(clrBlue, surface.At(15, 17));
    EXPECT_EQ(dwSentinel, surface.At(18, 10));
    EXPECT_EQ(dwSentinel, surface.At(10, 20));
}

TEST_F(PanelTest, ContentRulesAndTheirMessages)
{
    MarkupRef<CZMRMarkupStackPanel> panel(BuildAs<CZMRMarkupStackPanel>(L"<StackPanel><Border/><Border/></StackPanel>"));
    CZMRMarkupUIElementCollection* pChildren = panel->GetChildren();
    ASSERT_EQ(2, pChildren->GetCount());
    EXPECT_EQ(pChildren, pChildren->GetElement(0)->GetLogicalParent());
    EXPECT_EQ(panel.get(), pChildren->GetElement(1)->GetVisualParent());

    struct
    {
        LPCWSTR lpszMarkup;
        LPCWSTR lpszError;
    } errors[] = {
        {L"<StackPanel>text</StackPanel>",
         L"'CZMRMarkupString' object cannot be added to 'CZMRMarkupCollection'. Object cannot be converted to type "
         L"'CZMRMarkupUIElement'"},
        {L"<Canvas><Setter/></Canvas>",
         L"'CZMRMarkupSetter' object cannot be added to 'CZMRMarkupCollection'. Object cannot be converted to type "
         L"'CZMRMarkupUIElement'"},
        {L"<Border><Border/><StackPanel/></Border>",
         L"'CZMRMarkupBorder' already has a child and cannot add 'CZMRMarkupStackPanel'. 'CZMRMarkupBorder' can accept "
         L"only one child."},
        {L"<Border><Setter/></Border>",
         L"'CZMRMarkupSetter' object cannot be added to 'CZMRMarkupBorder'. Object cannot be converted to type "
         L"'CZMRMarkupUIElement'"},
        {L"<StackPanel Orientation=\"Diagonal\"/>",
         L"Cannot convert string in attribute 'Orientation' to object of type 'CZMRMarkupEnum'"},
    };
    for (const auto& e : errors)
    {
        CString strError = BuildError(e.lpszMarkup);
        EXPECT_NE(-1, strError.Find(e.lpszError)) << CStringA(strError).GetString();
    }
    // The border shows the framework element as its base type.
    EXPECT_EQ(CZMRMarkupFrameworkElement::GetMarkupType(), CZMRMarkupBorder::GetMarkupType()->GetBaseType());
}

TEST_F(PanelTest, ThePanelIsHitOnlyWhereItHasABackground)
{
    for (LPCWSTR lpszPanel : {L"StackPanel", L"Border"})
    {
        for (BOOL bBackground : {FALSE, TRUE})
        {
            CString strMarkup;
            strMarkup.Format(L"<%ls Width=\"100\" Height=\"50\" %ls>%ls</%ls>", lpszPanel,
                             bBackground ? L"Background=\"Red\"" : L"",
                             Box(L"Box", 20, 10, L"HorizontalAlignment=\"Left\" VerticalAlignment=\"Top\"").GetString(),
                             lpszPanel);
            MarkupRef<CZMRMarkupFrameworkElement> panel(BuildAs<CZMRMarkupFrameworkElement>(strMarkup));
            Layout(panel, 100, 50);
            const std::string strCase = CStringA(strMarkup).GetString();
            EXPECT_EQ(bBackground ? panel.get() : nullptr, panel->InputHitTest(CPoint(90, 40))) << strCase;
            EXPECT_EQ(Named<CTestBox>(panel, L"Box"), panel->InputHitTest(CPoint(5, 5))) << strCase;

            DibSurface surface(110, 60);
            DrawMarkupTree(panel, surface.GetDC(), CRect(0, 0, 100, 50));
            EXPECT_EQ(bBackground ? RGB(255, 0, 0) : dwSentinel, surface.At(99, 49)) << strCase;
            EXPECT_EQ(dwSentinel, surface.At(100, 50)) << strCase;
        }
    }
}
