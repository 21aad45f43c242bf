// The text properties that every inline takes from its nearest ancestor with
// a value (fonts, colours, decorations). They are attached properties, so any
// element may carry them for the text below it.
#pragma once
#include "CZMRMarkupFrameworkContentElement.h"

class CZMRMarkupTextElement : public CZMRMarkupFrameworkContentElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupTextElement)
public:
    enum { decorationNone = 0, decorationUnderline = 1, decorationStrikethrough = 2 };

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pBackgroundProperty;
    static CZMRMarkupDependencyProperty* m_pForegroundProperty;
    static CZMRMarkupDependencyProperty* m_pFontSizeProperty;
    static CZMRMarkupDependencyProperty* m_pFontWeightProperty;
    static CZMRMarkupDependencyProperty* m_pFontFamilyProperty;
    static CZMRMarkupDependencyProperty* m_pFontStyleProperty;
    static CZMRMarkupDependencyProperty* m_pTextDecorationsProperty;
    static CZMRMarkupDependencyProperty* m_pFontQualityProperty;
};
