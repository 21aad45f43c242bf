#include "ZMRMarkupConverters.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupTextBlock.h"
#include "CZMRMarkupType.h"

#include <climits>
#include <cwchar>

namespace
{
// One accepted name; the length is compared before the characters.
struct CNamedValue
{
    LPCWSTR lpszName;
    int nLength;
    int nValue;
};

#define NAMED_VALUE(name, value) {name, static_cast<int>(sizeof(name) / sizeof(WCHAR)) - 1, value}

const CNamedValue g_textDecorations[] = {
    NAMED_VALUE(L"Underline", 1), NAMED_VALUE(L"Strikethrough", 2), NAMED_VALUE(L"", 0)};
const CNamedValue g_fontWeights[] = {
    NAMED_VALUE(L"Thin", 100),      NAMED_VALUE(L"ExtraLight", 200), NAMED_VALUE(L"Light", 300),
    NAMED_VALUE(L"Normal", 400),    NAMED_VALUE(L"Regular", 400),    NAMED_VALUE(L"Medium", 500),
    NAMED_VALUE(L"SemiBold", 600),  NAMED_VALUE(L"DemiBold", 600),   NAMED_VALUE(L"Bold", 700),
    NAMED_VALUE(L"ExtraBold", 800), NAMED_VALUE(L"UltraBold", 800),  NAMED_VALUE(L"Black", 900),
    NAMED_VALUE(L"Heavy", 900),     NAMED_VALUE(L"ExtraBlack", 950)};
const CNamedValue g_fontQualities[] = {NAMED_VALUE(L"ClearType", 5)};
const CNamedValue g_fontStyles[] = {NAMED_VALUE(L"Normal", 0), NAMED_VALUE(L"Italic", 1)};
const CNamedValue g_horizontalAlignments[] = {
    NAMED_VALUE(L"Left", 0), NAMED_VALUE(L"Center", 1), NAMED_VALUE(L"Right", 2), NAMED_VALUE(L"Stretch", 3)};
const CNamedValue g_verticalAlignments[] = {
    NAMED_VALUE(L"Top", 0), NAMED_VALUE(L"Center", 1), NAMED_VALUE(L"Bottom", 2), NAMED_VALUE(L"Stretch", 3)};
const CNamedValue g_textWrappings[] = {NAMED_VALUE(L"NoWrap", 0), NAMED_VALUE(L"Wrap", 1)};
const CNamedValue g_textTrimmings[] = {
    NAMED_VALUE(L"None", 0), NAMED_VALUE(L"CharacterEllipsis", 1), NAMED_VALUE(L"WordEllipsis", 2)};
const CNamedValue g_textAlignments[] = {
    NAMED_VALUE(L"Left", 0), NAMED_VALUE(L"Right", 1), NAMED_VALUE(L"Center", 2), NAMED_VALUE(L"Justify", 3)};
const CNamedValue g_orientations[] = {NAMED_VALUE(L"Horizontal", 0), NAMED_VALUE(L"Vertical", 1)};
const CNamedValue g_baselineAlignments[] = {
    NAMED_VALUE(L"Top", 0),     NAMED_VALUE(L"Center", 1),     NAMED_VALUE(L"Bottom", 2),
    NAMED_VALUE(L"Baseline", 3), NAMED_VALUE(L"TextTop", 4),   NAMED_VALUE(L"TextBottom", 5),
    NAMED_VALUE(L"Subscript", 6), NAMED_VALUE(L"Superscript", 7)};
const CNamedValue g_visibilities[] = {
    NAMED_VALUE(L"Visible", 0), NAMED_VALUE(L"Hidden", 1), NAMED_VALUE(L"Collapsed", 2)};
const CNamedValue g_scrollBarVisibilities[] = {
    NAMED_VALUE(L"Disabled", 0), NAMED_VALUE(L"Auto", 1), NAMED_VALUE(L"Visible", 2)};
const CNamedValue g_stretches[] = {
    NAMED_VALUE(L"None", 0), NAMED_VALUE(L"Fill", 1), NAMED_VALUE(L"Uniform", 2), NAMED_VALUE(L"UniformToFill", 3)};
const CNamedValue g_keyboardNavigationModes[] = {
    NAMED_VALUE(L"Continue", 0), NAMED_VALUE(L"Once", 1),      NAMED_VALUE(L"Cycle", 2),
    NAMED_VALUE(L"None", 3),     NAMED_VALUE(L"Contained", 4), NAMED_VALUE(L"Local", 5)};
// The identifiers of the system's standard cursors.
const CNamedValue g_cursors[] = {
    NAMED_VALUE(L"Arrow", 32512),    NAMED_VALUE(L"IBeam", 32513),    NAMED_VALUE(L"Wait", 32514),
    NAMED_VALUE(L"Cross", 32515),    NAMED_VALUE(L"UpArrow", 32516),  NAMED_VALUE(L"SizeNWSE", 32642),
    NAMED_VALUE(L"SizeNESW", 32643), NAMED_VALUE(L"SizeWE", 32644),   NAMED_VALUE(L"SizeNS", 32645),
    NAMED_VALUE(L"SizeAll", 32646),  NAMED_VALUE(L"No", 32648),       NAMED_VALUE(L"Hand", 32649),
    NAMED_VALUE(L"AppStarting", 32650), NAMED_VALUE(L"None", 0)};

template <size_t N>
const CNamedValue* FindName(CZMRMarkupObject* pValue, const CNamedValue (&names)[N])
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pValue);
    if (!pString)
        return nullptr;
    for (const CNamedValue& name : names)
    {
        if (name.nLength == pString->GetLength() && _wcsicmp(name.lpszName, pString->GetText()) == 0)
            return &name;
    }
    return nullptr;
}

template <size_t N>
CZMRMarkupObject* ConvertEnum(CZMRMarkupObject* pValue, const CNamedValue (&names)[N])
{
    const CNamedValue* pName = FindName(pValue, names);
    return pName ? CZMRMarkupEnum::CreateValue(pName->nValue) : nullptr;
}

int Saturate(long long nValue)
{
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}
}

CZMRMarkupObject* AFXAPI ConvertTextDecorations(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_textDecorations);
}

CZMRMarkupObject* AFXAPI ConvertFontWeight(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_fontWeights);
}

CZMRMarkupObject* AFXAPI ConvertFontQuality(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_fontQualities);
}

CZMRMarkupObject* AFXAPI ConvertFontStyle(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_fontStyles);
}

CZMRMarkupObject* AFXAPI ConvertVerticalAlignment(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_verticalAlignments);
}

CZMRMarkupObject* AFXAPI ConvertHorizontalAlignment(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_horizontalAlignments);
}

CZMRMarkupObject* AFXAPI ConvertTextWrapping(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_textWrappings);
}

CZMRMarkupObject* AFXAPI ConvertTextTrimming(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_textTrimmings);
}

CZMRMarkupObject* AFXAPI ConvertTextAlignment(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_textAlignments);
}

CZMRMarkupObject* AFXAPI ConvertOrientation(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_orientations);
}

CZMRMarkupObject* AFXAPI ConvertBaselineAlignment(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_baselineAlignments);
}

CZMRMarkupObject* AFXAPI ConvertVisibility(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_visibilities);
}

CZMRMarkupObject* AFXAPI ConvertScrollBarVisibility(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_scrollBarVisibilities);
}

CZMRMarkupObject* AFXAPI ConvertStretch(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_stretches);
}

CZMRMarkupObject* AFXAPI ConvertKeyboardNavigationMode(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    return ConvertEnum(pValue, g_keyboardNavigationModes);
}

CZMRMarkupObject* AFXAPI ConvertCursor(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    const CNamedValue* pName = FindName(pValue, g_cursors);
    return pName ? new CZMRMarkupInt(pName->nValue) : nullptr;
}

CZMRMarkupObject* AFXAPI ConvertSize(CZMRMarkupContext*, CZMRMarkupObject* pValue)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pValue);
    if (!pString)
        return nullptr;
    LPCWSTR lpszText = pString->GetText();
    const int nLength = pString->GetLength();
    // "Auto": no size set.
    if (nLength == 4 && _wcsicmp(lpszText, L"Auto") == 0)
        return new CZMRMarkupInt(INT_MAX);

    int nValue = CZMRMarkupInt::ReadLeadingInteger(lpszText);
    if (nValue != 0 && nLength > 2)
    {
        LPCWSTR lpszUnit = lpszText + nLength - 2;
        if (_wcsicmp(lpszUnit, L"pt") == 0)
            nValue = ::MulDiv(nValue, 96, 72);
        else if (_wcsicmp(lpszUnit, L"in") == 0)
            nValue = Saturate(static_cast<long long>(nValue) * 96);
        else if (_wcsicmp(lpszUnit, L"cm") == 0)
            nValue = Saturate(static_cast<long long>(nValue * 37.79528));
    }
    return new CZMRMarkupInt(nValue);
}

CZMRMarkupObject* AFXAPI ConvertContent(CZMRMarkupContext* pContext, CZMRMarkupObject* pValue)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pValue);
    if (!pString)
        return nullptr;
    CZMRMarkupType* pType = CZMRMarkupTextBlock::GetMarkupType();
    CZMRMarkupTextBlock* pBlock =
        static_cast<CZMRMarkupTextBlock*>(pContext ? pContext->CreateMarkupObject(pType) : pType->CreateObject());
    // The block's collection makes the run through the block's context; the
    // value stays the caller's.
    pBlock->GetInlines()->AddContent(nullptr, CZMRMarkupString::CreateValue(pString->GetText(), pString->GetLength()));
    return pBlock;
}
