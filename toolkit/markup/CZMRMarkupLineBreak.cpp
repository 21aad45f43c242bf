#include "CZMRMarkupLineBreak.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupLineBreak)

CZMRMarkupLineBreak::CZMRMarkupLineBreak()
{
    if (m_pTextProperty)
        SetValue(m_pTextProperty, CZMRMarkupString::CreateValue(L"\n"));
}
