#include "CZMRMarkupTextElement.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupTextElement)

CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pBackgroundProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pForegroundProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pFontSizeProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pFontWeightProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pFontFamilyProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pFontStyleProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pTextDecorationsProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupTextElement::m_pFontQualityProperty = nullptr;

void AFXAPI CZMRMarkupTextElement::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupTextElement::GetMarkupType();
    CZMRMarkupType* pEnum = CZMRMarkupEnum::GetMarkupType();
    typedef CZMRMarkupPropertyMetadata Metadata;
    // Every text property inherits; the font ones change the text's size.
    const DWORD dwRender = Metadata::flagInherits | Metadata::flagAffectsRender;
    const DWORD dwMeasure = Metadata::flagInherits | Metadata::flagAffectsMeasure;

    m_pBackgroundProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"Background", CZMRMarkupBrush::GetMarkupType(), pOwner, new Metadata(nullptr, dwRender));
    m_pForegroundProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"Foreground", CZMRMarkupBrush::GetMarkupType(), pOwner, new Metadata(nullptr, dwRender));
    m_pFontSizeProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"FontSize", CZMRMarkupInt::GetMarkupType(), pOwner, new Metadata(nullptr, &ConvertSize, dwMeasure));
    m_pFontWeightProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"FontWeight", pEnum, pOwner, new Metadata(nullptr, &ConvertFontWeight, dwMeasure));
    m_pFontFamilyProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"FontFamily", CZMRMarkupString::GetMarkupType(), pOwner, new Metadata(nullptr, dwMeasure));
    m_pFontStyleProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"FontStyle", pEnum, pOwner, new Metadata(nullptr, &ConvertFontStyle, dwMeasure));
    m_pTextDecorationsProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"TextDecorations", pEnum, pOwner, new Metadata(nullptr, &ConvertTextDecorations, dwRender));
    m_pFontQualityProperty = CZMRMarkupDependencyProperty::RegisterAttached(
        L"FontQuality", pEnum, pOwner, new Metadata(nullptr, &ConvertFontQuality, dwRender));
}
