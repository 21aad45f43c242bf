// Value conversion: the property converters, colour names, the number reader,
// system colours and the builder's conversion of attribute text.
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBrushKey.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupColorKey.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDouble.h"
#include "CZMRMarkupGradientStop.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTestSupport.h"
#include "ZMRMarkupConverters.h"

#include <climits>

namespace
{
typedef CZMRMarkupObject* (AFXAPI* PFNCONVERT)(CZMRMarkupContext*, CZMRMarkupObject*);

// The converter's result as an integer: the enumeration index or the boxed
// integer; INT_MIN when it answers null.
int Convert(PFNCONVERT pfnConvert, LPCWSTR lpszText)
{
    MarkupRef<CZMRMarkupString> text(new CZMRMarkupString(lpszText));
    MarkupRef<CZMRMarkupObject> value(pfnConvert(nullptr, text));
    if (!value)
        return INT_MIN;
    if (CZMRMarkupEnum* pEnum = MarkupCast<CZMRMarkupEnum>(value))
        return pEnum->GetValue();
    if (CZMRMarkupInt* pInt = MarkupCast<CZMRMarkupInt>(value))
        return pInt->GetValue();
    ADD_FAILURE() << "unexpected value type " << value->GetType()->GetMarkupClassName();
    return INT_MIN;
}

const int nNone = INT_MIN;
}

TEST_F(MarkupTest, PropertyConvertersMapNamesInAnyCase)
{
    struct Case
    {
        PFNCONVERT pfnConvert;
        LPCWSTR lpszText;
        int nExpected;
    };
    const Case cases[] = {
        {ConvertVisibility, L"Visible", 0},           {ConvertVisibility, L"collapsed", 2},
        {ConvertVisibility, L"HIDDEN", 1},            {ConvertVisibility, L"Gone", nNone},
        {ConvertVisibility, L"Visible ", nNone},      {ConvertTextDecorations, L"Underline", 1},
        {ConvertTextDecorations, L"strikethrough", 2}, {ConvertTextDecorations, L"", 0},
        {ConvertFontWeight, L"Thin", 100},            {ConvertFontWeight, L"regular", 400},
        {ConvertFontWeight, L"DemiBold", 600},        {ConvertFontWeight, L"Heavy", 900},
        {ConvertFontWeight, L"ExtraBlack", 950},      {ConvertFontWeight, L"700", nNone},
        {ConvertFontQuality, L"ClearType", 5},        {ConvertFontQuality, L"Default", nNone},
        {ConvertFontStyle, L"Italic", 1},             {ConvertFontStyle, L"Oblique", nNone},
        {ConvertHorizontalAlignment, L"Center", 1},   {ConvertHorizontalAlignment, L"stretch", 3},
        {ConvertHorizontalAlignment, L"Top", nNone},  {ConvertVerticalAlignment, L"Bottom", 2},
        {ConvertVerticalAlignment, L"Left", nNone},   {ConvertTextWrapping, L"Wrap", 1},
        {ConvertTextTrimming, L"WordEllipsis", 2},    {ConvertTextAlignment, L"Justify", 3},
        {ConvertTextAlignment, L"Right", 1},          {ConvertOrientation, L"vertical", 1},
        {ConvertBaselineAlignment, L"TextBottom", 5}, {ConvertBaselineAlignment, L"Superscript", 7},
        {ConvertScrollBarVisibility, L"Auto", 1},     {ConvertScrollBarVisibility, L"Hidden", nNone},
        {ConvertStretch, L"UniformToFill", 3},        {ConvertKeyboardNavigationMode, L"Local", 5},
        {ConvertKeyboardNavigationMode, L"cycle", 2}, {ConvertKeyboardNavigationMode, L"Tab", nNone},
        {ConvertCursor, L"Hand", 32649},              {ConvertCursor, L"ibeam", 32513},
        {ConvertCursor, L"None", 0},                  {ConvertCursor, L"32512", nNone},
        {ConvertSize, L"Auto", INT_MAX},              {ConvertSize, L"auto", INT_MAX},
        {ConvertSize, L"12pt", 16},                   {ConvertSize, L"1in", 96},
        {ConvertSize, L"1cm", 37},                    {ConvertSize, L"2CM", 75},
        {ConvertSize, L"12.7", 12},                   {ConvertSize, L" -5px", -5},
        {ConvertSize, L"wide", 0},                    {ConvertSize, L"0in", 0},
        {ConvertSize, L"99999999in", INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nExpected, Convert(c.pfnConvert, c.lpszText)) << c.lpszText;

    // Only strings are converted; the first eight enumeration values are shared.
    MarkupRef<CZMRMarkupInt> number(new CZMRMarkupInt(1));
    EXPECT_EQ(nullptr, ConvertVisibility(nullptr, number));
    EXPECT_EQ(nullptr, ConvertSize(nullptr, number));
    EXPECT_EQ(nullptr, ConvertVisibility(nullptr, nullptr));
    MarkupRef<CZMRMarkupString> text(new CZMRMarkupString(L"Collapsed"));
    MarkupRef<CZMRMarkupObject> first(ConvertVisibility(nullptr, text));
    MarkupRef<CZMRMarkupObject> second(ConvertVisibility(nullptr, text));
    EXPECT_EQ(first.get(), second.get());
}

TEST_F(MarkupTest, ColourNamesAreTheWebKeywordsInTheirGrayForms)
{
    struct Case
    {
        LPCWSTR lpszText;
        bool bParses;
        COLORREF clr;
    };
    const Case cases[] = {
        {L"lime", true, 0x0000FF00},       {L"LIME", true, 0x0000FF00},
        {L"Lime", true, 0x0000FF00},       {L"black", true, 0},
        {L"LightGoldenrodYellow", true, RGB(0xFA, 0xFA, 0xD2)},
        {L"DarkSlateGray", true, RGB(0x2F, 0x4F, 0x4F)},
        {L"yellowgreen", true, RGB(0x9A, 0xCD, 0x32)},
        {L"AliceBlue", true, RGB(0xF0, 0xF8, 0xFF)},
        {L"Transparent", false, 0},        {L"grey", false, 0},
        {L"DarkSlateGrey", false, 0},      {L" red", false, 0},
        {L"red ", false, 0},               {L"Re", false, 0},
        {L"1red", false, 0},               {L"", false, 0},
    };
    for (const Case& c : cases)
    {
        COLORREF clr = 0xABCDEF;
        EXPECT_EQ(c.bParses, CZMRMarkupBuilder::ParseColor(c.lpszText, clr) != FALSE) << c.lpszText;
        EXPECT_EQ(c.bParses ? c.clr : 0xABCDEF, clr) << c.lpszText;
    }
    COLORREF clr = 0;
    EXPECT_FALSE(CZMRMarkupBuilder::ParseColor(nullptr, clr));
}

TEST_F(MarkupTest, NumberReaderTakesOneNumberAndItsSeparator)
{
    struct Case
    {
        LPCWSTR lpszText;
        WCHAR chSeparator;
        BOOL bMustEnd;
        bool bParses;
        double dValue;
        int nConsumed;   // characters stepped over
    };
    const Case cases[] = {
        {L"1.5", 0, TRUE, true, 1.5, 3},       {L"  -2.25  ", 0, TRUE, true, -2.25, 9},
        {L"+.5", 0, TRUE, true, 0.5, 3},       {L"7.", 0, TRUE, true, 7.0, 2},
        {L"1 2", 0, TRUE, false, 0, 0},        {L"1 2", 0, FALSE, true, 1.0, 2},
        {L"1.5, -2", L',', FALSE, true, 1.5, 4}, {L"1.5 , -2", L',', FALSE, true, 1.5, 5},
        {L"1.5 -2", L',', FALSE, true, 1.5, 4}, {L",2", L',', FALSE, false, 0, 0},
        {L"1..5", 0, TRUE, false, 0, 0},       {L"1.2.3", 0, TRUE, false, 0, 0},
        {L"1e3", 0, TRUE, false, 0, 0},        {L"-", 0, TRUE, false, 0, 0},
        {L"", 0, TRUE, false, 0, 0},           {L".", 0, TRUE, false, 0, 0},
        {L"- 5", 0, TRUE, false, 0, 0},        {L"1\t", 0, TRUE, false, 0, 0},
    };
    for (const Case& c : cases)
    {
        LPCWSTR lpszPosition = c.lpszText;
        double dValue = -99.0;
        BOOL bParsed = CZMRMarkupBuilder::ParseNumber(lpszPosition, dValue, c.chSeparator, c.bMustEnd);
        EXPECT_EQ(c.bParses, bParsed != FALSE) << c.lpszText;
        if (c.bParses)
        {
            EXPECT_DOUBLE_EQ(c.dValue, dValue) << c.lpszText;
            EXPECT_EQ(c.nConsumed, lpszPosition - c.lpszText) << c.lpszText;
        }
    }
    LPCWSTR lpszNull = nullptr;
    double dValue = 0;
    EXPECT_FALSE(CZMRMarkupBuilder::ParseNumber(lpszNull, dValue, 0, TRUE));
}

TEST_F(MarkupTest, SystemColourNamesAndMembers)
{
    EXPECT_EQ(COLOR_SCROLLBAR, CZMRMarkupBuilder::GetSystemColorIndex(L"ScrollBar", 9));
    EXPECT_EQ(COLOR_3DDKSHADOW, CZMRMarkupBuilder::GetSystemColorIndex(L"ControlDarkDark", 15));
    EXPECT_EQ(COLOR_BTNFACE, CZMRMarkupBuilder::GetSystemColorIndex(L"ControlDarkDark", 7));
    EXPECT_EQ(COLOR_MENUBAR, CZMRMarkupBuilder::GetSystemColorIndex(L"MenuBar", 7));
    EXPECT_EQ(-1, CZMRMarkupBuilder::GetSystemColorIndex(L"Con", 3));
    EXPECT_EQ(-1, CZMRMarkupBuilder::GetSystemColorIndex(L"control", 7));
    EXPECT_EQ(-1, CZMRMarkupBuilder::GetSystemColorIndex(L"", 0));

    CZMRMarkupBuilder builder(nullptr);
    MarkupRef<CZMRMarkupObject> scrollBar(builder.ResolveSystemColor(L"SystemColors.ScrollBarColor"));
    ASSERT_TRUE(scrollBar.get());
    EXPECT_EQ(::GetSysColor(COLOR_SCROLLBAR), static_cast<CZMRMarkupColor*>(scrollBar.get())->GetValue());

    MarkupRef<CZMRMarkupObject> brush(builder.ResolveSystemBrush(L"SystemColors.ControlBrush"));
    ASSERT_TRUE(brush.get());
    EXPECT_TRUE(brush->IsKindOf(CZMRMarkupSolidColorBrush::GetMarkupType()));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), static_cast<CZMRMarkupBrush*>(brush.get())->GetColor());

    // Every mention within one build gives the same object.
    MarkupRef<CZMRMarkupObject> key(builder.ResolveSystemBrushKey(L"SystemColors.ControlBrushKey"));
    MarkupRef<CZMRMarkupObject> sameKey(builder.ResolveSystemBrushKey(L"SystemColors.ControlBrushKey"));
    ASSERT_TRUE(key.get());
    EXPECT_EQ(key.get(), sameKey.get());
    EXPECT_EQ(COLOR_BTNFACE, static_cast<CZMRMarkupBrushKey*>(key.get())->GetIndex());
    MarkupRef<CZMRMarkupObject> colorKey(builder.ResolveSystemColorKey(L"SystemColors.InfoTextColorKey"));
    ASSERT_TRUE(colorKey.get());
    EXPECT_EQ(COLOR_INFOTEXT, static_cast<CZMRMarkupColorKey*>(colorKey.get())->GetIndex());
    MarkupRef<CZMRMarkupObject> brushAgain(builder.GetSystemBrush(COLOR_BTNFACE));
    EXPECT_EQ(brush.get(), brushAgain.get());

    // Each kind answers only for its own ending and a known name.
    LPCWSTR unresolved[] = {L"SystemColors.ControlBrushKey", L"SystemColors.ConBrush", L"SystemColors.Brush",
                            L"systemColors.ControlBrush", L"SystemColors.ControlBrushes", L"ControlBrush"};
    for (LPCWSTR lpszMember : unresolved)
        EXPECT_EQ(nullptr, builder.ResolveSystemBrush(lpszMember)) << lpszMember;
    EXPECT_EQ(nullptr, builder.ResolveSystemColor(L"SystemColors.ControlBrush"));
    EXPECT_EQ(nullptr, builder.ResolveSystemColor(nullptr));
    EXPECT_EQ(nullptr, builder.GetSystemColor(31));
}

TEST_F(MarkupTest, BuilderConvertsThroughTheConverterThenTheValueType)
{
    CZMRMarkupBuilder builder(nullptr);
    MarkupRef<CZMRMarkupString> half(new CZMRMarkupString(L"0.5"));
    MarkupRef<CZMRMarkupObject> value(builder.ConvertValue(CZMRMarkupGradientStop::m_pOffsetProperty, half));
    ASSERT_TRUE(value.get());
    EXPECT_DOUBLE_EQ(0.5, static_cast<CZMRMarkupDouble*>(value.get())->GetValue());

    MarkupRef<CZMRMarkupString> cycle(new CZMRMarkupString(L"Cycle"));
    MarkupRef<CZMRMarkupObject> mode(
        builder.ConvertValue(CZMRMarkupKeyboardNavigation::m_pTabNavigationProperty, cycle));
    EXPECT_EQ(2, static_cast<CZMRMarkupEnum*>(mode.get())->GetValue());

    MarkupRef<CZMRMarkupString> bad(new CZMRMarkupString(L"Sideways"));
    EXPECT_STREQ(L"Cannot convert string in attribute 'TabNavigation' to object of type 'CZMRMarkupEnum'",
                 CaptureMarkupError([&] { builder.ConvertValue(CZMRMarkupKeyboardNavigation::m_pTabNavigationProperty, bad); }));
    EXPECT_EQ(1, bad->GetRefCount());
}

TEST_F(MarkupTest, AssignedValuesAreConvertedAndRefusedOnesReleased)
{
    CZMRMarkupBuilder builder(nullptr);
    MarkupRef<CZMRMarkupGradientStop> stop(new CZMRMarkupGradientStop());
    stop->AssignPropertyValue(&builder, CZMRMarkupGradientStop::m_pOffsetProperty, new CZMRMarkupString(L"0.25"));
    EXPECT_DOUBLE_EQ(0.25, stop->GetOffset());
    stop->AssignPropertyValue(&builder, CZMRMarkupGradientStop::m_pColorProperty, new CZMRMarkupString(L"#102030"));
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), stop->GetColor());
    // A value of the right type is set as it is.
    CZMRMarkupDouble* pOffset = new CZMRMarkupDouble(0.75);
    stop->AssignPropertyValue(&builder, CZMRMarkupGradientStop::m_pOffsetProperty, pOffset);
    EXPECT_EQ(pOffset, stop->GetValue(CZMRMarkupGradientStop::m_pOffsetProperty));

    // A failed conversion raises and leaves the value with the caller.
    CZMRMarkupString* pBad = new CZMRMarkupString(L"three quarters");
    EXPECT_STREQ(L"Cannot convert string in attribute 'Offset' to object of type 'CZMRMarkupDouble'",
                 CaptureMarkupError([&] {
                     stop->AssignPropertyValue(&builder, CZMRMarkupGradientStop::m_pOffsetProperty, pBad);
                 }));
    EXPECT_EQ(1, pBad->GetRefCount());
    pBad->Release();
    EXPECT_DOUBLE_EQ(0.75, stop->GetOffset());

    // Without a builder a value of the wrong type is refused and released.
    stop->AssignPropertyValue(nullptr, CZMRMarkupGradientStop::m_pOffsetProperty, new CZMRMarkupString(L"1"));
    EXPECT_DOUBLE_EQ(0.75, stop->GetOffset());
}

TEST_F(MarkupTest, BuilderExceptionKeepsItsMessageShort)
{
    std::wstring strLong(300, L'm');
    CZMRMarkupBuilderException exception(strLong.c_str());
    EXPECT_EQ(255u, wcslen(exception.GetMessage()));
    WCHAR szBuffer[8];
    UINT nHelp = 5;
    EXPECT_TRUE(exception.GetErrorMessage(szBuffer, 8, &nHelp));
    EXPECT_STREQ(L"mmmmmmm", szBuffer);
    EXPECT_EQ(0u, nHelp);
    EXPECT_FALSE(exception.GetErrorMessage(nullptr, 8));
    exception.m_bAutoDelete = FALSE;
}
