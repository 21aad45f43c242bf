#include "CZMRMarkupDouble.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupDouble)

BOOL CZMRMarkupDouble::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject && pObject->IsKindOf(GetMarkupType()) &&
           static_cast<const CZMRMarkupDouble*>(pObject)->m_dValue == m_dValue;
}

CZMRMarkupObject* CZMRMarkupDouble::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString)
        return nullptr;
    LPCWSTR lpszText = pString->GetText();
    double dValue = 0.0;
    if (!CZMRMarkupBuilder::ParseNumber(lpszText, dValue, 0, TRUE))
        return nullptr;
    return new CZMRMarkupDouble(dValue);
}
