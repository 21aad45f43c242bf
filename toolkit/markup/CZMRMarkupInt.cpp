#include "CZMRMarkupInt.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <climits>
#include <cwchar>

IMPLEMENT_MARKUPCLASS(CZMRMarkupInt)

BOOL CZMRMarkupInt::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject && pObject->IsKindOf(GetMarkupType()) &&
           static_cast<const CZMRMarkupInt*>(pObject)->m_nValue == m_nValue;
}

CZMRMarkupObject* CZMRMarkupInt::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    return pString ? new CZMRMarkupInt(ReadLeadingInteger(pString->GetText())) : nullptr;
}

int AFXAPI CZMRMarkupInt::ReadLeadingInteger(LPCWSTR lpszText)
{
    if (!lpszText)
        return 0;
    long nValue = wcstol(lpszText, nullptr, 10);
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}
