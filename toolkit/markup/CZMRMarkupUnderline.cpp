#include "CZMRMarkupUnderline.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupUnderline)

CZMRMarkupUnderline::CZMRMarkupUnderline()
{
    // A local value, so that markup may set another.
    if (m_pTextDecorationsProperty)
        SetValue(m_pTextDecorationsProperty, CZMRMarkupEnum::CreateValue(1));
}
