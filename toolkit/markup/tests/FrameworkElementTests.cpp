// The framework element's layout: margins, alignment and size limits around
// the content's own measure and arrange, the layout clip, lengths that
// saturate instead of overflowing, and invalidation by property changes.
#include "CZMRMarkupFrameworkContentElement.h"
#include "CZMRMarkupRun.h"
#include "CZMRMarkupThickness.h"
#include "MarkupLayoutSupport.h"

namespace
{
const int U = 0x7FFFFFFF;   // unbounded

struct LayoutCase
{
    LPCWSTR lpszAttributes;
    CSize szContent;
    CSize szAvailable;
    CSize szMeasuredWith;   // what MeasureOverride got
    CSize szDesired;
    CRect rcFinal;
    CSize szArrangedWith;   // what ArrangeOverride got, the render size
    CPoint ptOffset;        // the visual offset
    BOOL bNeedsClip;
    BOOL bHasClip;
    CRect rcClip;
};

const LayoutCase g_cases[] = {
    // Content wider than the available width: cut, kept for arrange, clipped to the slot.
    {L"", {150, 20}, {100, U}, {100, U}, {100, 20}, {0, 0, 100, 20}, {150, 20}, {0, 0}, TRUE, TRUE, {0, 0, 100, 20}},
    // Margins larger than the available size.
    {L"Margin=\"5\"", {0, 0}, {8, 8}, {0, 0}, {8, 8}, {0, 0, 8, 8}, {0, 0}, {5, 5}, TRUE, FALSE, {}},
    // An explicit width within a larger minimum; stretch centres what the limit keeps.
    {L"Width=\"50\" MinWidth=\"80\"", {10, 10}, {200, 200}, {80, 200}, {80, 10}, {0, 0, 200, 10}, {80, 10}, {60, 0},
     TRUE, FALSE, {}},
    // The minimum wins over a smaller maximum.
    {L"MinWidth=\"80\" MaxWidth=\"40\"", {10, 10}, {200, 200}, {80, 200}, {80, 10}, {0, 0, 80, 10}, {80, 10}, {0, 0},
     FALSE, FALSE, {}},
    // Above 0x3FFFFFFF a length is unbounded.
    {L"", {10, 10}, {50, 0x40000000}, {50, U}, {10, 10}, {0, 0, 10, 10}, {10, 10}, {0, 0}, FALSE, FALSE, {}},
    {L"HorizontalAlignment=\"Center\"", {50, 10}, {101, 10}, {101, 10}, {50, 10}, {0, 0, 101, 10}, {50, 10}, {25, 0},
     FALSE, FALSE, {}},
    // A stretched element wider than its slot starts at the left and is clipped.
    {L"", {50, 10}, {49, 10}, {49, 10}, {49, 10}, {0, 0, 49, 10}, {50, 10}, {0, 0}, TRUE, TRUE, {0, 0, 49, 10}},
    // A maximum smaller than the content clips locally.
    {L"MaxWidth=\"40\" HorizontalAlignment=\"Left\"", {60, 10}, {100, 10}, {40, 10}, {40, 10}, {0, 0, 100, 10},
     {60, 10}, {0, 0}, TRUE, TRUE, {0, 0, 40, 10}},
    {L"VerticalAlignment=\"Bottom\" Margin=\"1,2,3,4\"", {10, 10}, {100, 100}, {96, 94}, {14, 16}, {0, 0, 100, 100},
     {96, 10}, {1, 86}, FALSE, FALSE, {}},
    {L"ClipToBounds=\"True\"", {10, 10}, {20, 20}, {20, 20}, {10, 10}, {0, 0, 20, 20}, {20, 20}, {0, 0}, FALSE, TRUE,
     {0, 0, 20, 20}},
    // "Auto" is no size at all, and a negative size counts as 0.
    {L"Width=\"Auto\" Height=\"Auto\"", {30, 20}, {100, 100}, {100, 100}, {30, 20}, {0, 0, 30, 20}, {30, 20},
     {0, 0}, FALSE, FALSE, {}},
    {L"Width=\"-5\"", {30, 20}, {100, 100}, {0, 100}, {0, 20}, {0, 0, 0, 20}, {30, 20}, {0, 0}, TRUE, TRUE,
     {0, 0, 0, 20}},
    // Margins at the ends of the integer range saturate instead of overflowing.
    {L"Margin=\"-2147483647,0,-2147483647,0\"", {30, 20}, {100, 100}, {U, 100}, {0, 20}, {0, 0, 100, 20}, {U, 20},
     {-2147483647, 0}, TRUE, FALSE, {}},
    {L"Margin=\"2147483647,0,2147483647,0\"", {30, 20}, {100, 100}, {0, 100}, {100, 20}, {0, 0, 100, 20}, {30, 20},
     {U, 0}, TRUE, TRUE, {0, 0, 0, 20}},
};

class FrameworkElementTest : public MarkupLayoutTest
{
};
}

TEST_F(FrameworkElementTest, LayoutTable)
{
    for (const LayoutCase& c : g_cases)
    {
        CString strMarkup;
        strMarkup.Format(L"<TestBox %ls ContentWidth=\"%d\" ContentHeight=\"%d\"/>", c.lpszAttributes,
                         static_cast<int>(c.szContent.cx), static_cast<int>(c.szContent.cy));
        const std::string strCase = CStringA(c.lpszAttributes).GetString();
        MarkupRef<CTestBox> box(BuildAs<CTestBox>(strMarkup));
        ASSERT_TRUE(box.get()) << strCase;

        CZMRMarkupDrawingContext dc;
        box->Measure(&dc, c.szAvailable.cx, c.szAvailable.cy);
        EXPECT_EQ(c.szMeasuredWith, box->m_szMeasuredWith) << strCase;
        EXPECT_EQ(c.szDesired, box->GetDesiredSize()) << strCase;
        box->Arrange(c.rcFinal);
        EXPECT_EQ(c.szArrangedWith, box->m_szArrangedWith) << strCase;
        EXPECT_EQ(c.szArrangedWith, box->GetRenderSize()) << strCase;
        EXPECT_EQ(c.ptOffset, box->GetVisualOffset()) << strCase;
        EXPECT_EQ(c.bNeedsClip, box->NeedsClip()) << strCase;
        CRect rcClip;
        EXPECT_EQ(c.bHasClip, box->GetClipRect(rcClip)) << strCase;
        if (c.bHasClip)
        {
            EXPECT_EQ(c.rcClip, rcClip) << strCase;
        }
    }
}

TEST_F(FrameworkElementTest, SizeLimitsFollowTheExplicitSizeWithinMinimumAndMaximum)
{
    struct
    {
        LPCWSTR lpszAttributes;
        int nMinWidth, nMaxWidth, nMinHeight, nMaxHeight;
    } cases[] = {
        {L"", 0, U, 0, U},
        {L"Width=\"50\" Height=\"12pt\"", 50, 50, 16, 16},
        {L"Width=\"50\" MinWidth=\"80\"", 80, 80, 0, U},
        {L"MinWidth=\"80\" MaxWidth=\"40\"", 80, 80, 0, U},
        {L"Width=\"50\" MaxWidth=\"30\" MinHeight=\"5\" MaxHeight=\"9\"", 30, 30, 5, 9},
        {L"Width=\"Auto\" MinWidth=\"Auto\" MaxHeight=\"Auto\"", 0, U, 0, U},
    };
    for (const auto& c : cases)
    {
        CString strMarkup;
        strMarkup.Format(L"<TestBox %ls/>", c.lpszAttributes);
        MarkupRef<CTestBox> box(BuildAs<CTestBox>(strMarkup));
        ASSERT_TRUE(box.get());
        CZMRMarkupDrawingContext dc;
        box->Measure(&dc, 100, 100);
        const CZMRMarkupFrameworkElement::SizeLimits& limits = box->GetSizeLimits();
        const std::string strCase = CStringA(c.lpszAttributes).GetString();
        EXPECT_EQ(c.nMinWidth, limits.nMinWidth) << strCase;
        EXPECT_EQ(c.nMaxWidth, limits.nMaxWidth) << strCase;
        EXPECT_EQ(c.nMinHeight, limits.nMinHeight) << strCase;
        EXPECT_EQ(c.nMaxHeight, limits.nMaxHeight) << strCase;
    }
}

TEST_F(FrameworkElementTest, LengthsSaturate)
{
    typedef CZMRMarkupFrameworkElement FE;
    EXPECT_EQ(U, FE::AddLengths(U, -5));
    EXPECT_EQ(U, FE::AddLengths(0x3FFFFFFF, 1));
    EXPECT_EQ(-U, FE::AddLengths(-U, -U));
    EXPECT_EQ(7, FE::AddLengths(10, -3));
    EXPECT_EQ(U, FE::SubtractLength(0x40000000, 10));
    EXPECT_EQ(U, FE::SubtractLength(10, -0x40000000));
    EXPECT_EQ(0, FE::SubtractLength(10, U));
    EXPECT_EQ(0, FE::SubtractLength(10, 10));
    EXPECT_EQ(30, FE::SubtractLength(10, -20));
    CZMRMarkupThickness huge(U, -U, U, -U);
    EXPECT_EQ(CSize(U, -U), FE::GetThicknessSize(CRect(U, -U, U, -U)));
    // A thickness at the ends of the range deflates without wrapping round.
    CRect rc = CZMRMarkupThickness::DeflateRect(CRect(10, 10, 20, 20), &huge);
    EXPECT_LE(rc.left, rc.right);
    EXPECT_LE(rc.top, rc.bottom);
    EXPECT_EQ(U, rc.left);
}

TEST_F(FrameworkElementTest, PropertyChangesMeasureAndArrangeAgain)
{
    MarkupRef<CTestBox> box(BuildAs<CTestBox>(L"<TestBox ContentWidth=\"10\" ContentHeight=\"10\"/>"));
    Layout(box, 100, 100, CSize(100, 10));
    EXPECT_EQ(CSize(10, 10), box->GetDesiredSize());
    EXPECT_EQ(CSize(100, 10), box->GetRenderSize());

    box->SetValue(CZMRMarkupFrameworkElement::m_pWidthProperty, new CZMRMarkupInt(40));
    EXPECT_EQ(CSize(40, 10), box->GetDesiredSize());

    box->SetValue(CZMRMarkupFrameworkElement::m_pHorizontalAlignmentProperty, CZMRMarkupEnum::CreateValue(2));
    EXPECT_EQ(CPoint(60, 0), box->GetVisualOffset());
    EXPECT_EQ(CSize(40, 10), box->GetRenderSize());

    // An alignment name that is not in the table does not convert.
    EXPECT_NE(-1, BuildError(L"<TestBox HorizontalAlignment=\"Middle\"/>")
                      .Find(L"Cannot convert string in attribute 'HorizontalAlignment' to object of type "
                            L"'CZMRMarkupEnum'"));
}

TEST_F(FrameworkElementTest, TagIsSharedWithTextContent)
{
    EXPECT_EQ(CZMRMarkupFrameworkElement::m_pTagProperty,
              CZMRMarkupDependencyProperty::FindProperty(CZMRMarkupRun::GetMarkupType(), L"Tag"));
    EXPECT_EQ(CZMRMarkupFrameworkElement::m_pTagProperty, CZMRMarkupFrameworkContentElement::m_pTagProperty);
    MarkupRef<CTestBox> box(BuildAs<CTestBox>(L"<TestBox Tag=\"x\"/>"));
    CZMRMarkupString* pTag = MarkupCast<CZMRMarkupString>(box->GetValue(CZMRMarkupFrameworkElement::m_pTagProperty));
    ASSERT_TRUE(pTag);
    EXPECT_STREQ(L"x", pTag->GetText());
}
