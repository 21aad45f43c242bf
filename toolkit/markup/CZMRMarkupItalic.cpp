#include "CZMRMarkupItalic.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupItalic)

CZMRMarkupItalic::CZMRMarkupItalic()
{
    // A local value, so that markup may set another.
    if (m_pFontStyleProperty)
        SetValue(m_pFontStyleProperty, CZMRMarkupEnum::CreateValue(1));
}
