#include "CZMRMarkupBold.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupBold)

CZMRMarkupBold::CZMRMarkupBold()
{
    // A local value, so that markup may set another.
    if (m_pFontWeightProperty)
        SetValue(m_pFontWeightProperty, CZMRMarkupEnum::CreateValue(700));
}
