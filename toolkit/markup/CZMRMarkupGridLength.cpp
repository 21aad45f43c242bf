#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <cwchar>

IMPLEMENT_MARKUPCLASS(CZMRMarkupGridLength)

BOOL CZMRMarkupGridLength::IsEqual(const CZMRMarkupObject* pObject) const
{
    const CZMRMarkupGridLength* pOther =
        static_cast<const CZMRMarkupGridLength*>(MarkupCast(GetMarkupType(), const_cast<CZMRMarkupObject*>(pObject)));
    return pOther && pOther->m_nUnit == m_nUnit && pOther->m_dValue == m_dValue;
}

CZMRMarkupObject* CZMRMarkupGridLength::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString || pString->GetLength() == 0)
        return nullptr;
    LPCWSTR lpszText = pString->GetText();
    const int nLength = pString->GetLength();
    if (nLength == 4 && _wcsicmp(lpszText, L"Auto") == 0)
        return new CZMRMarkupGridLength(1.0, unitAuto);
    if (wcscmp(lpszText, L"*") == 0)
        return new CZMRMarkupGridLength(1.0, unitStar);

    double dValue = 0.0;
    LPCWSTR lpszCursor = lpszText;
    if (lpszText[nLength - 1] == L'*')
    {
        if (!CZMRMarkupBuilder::ParseNumber(lpszCursor, dValue, L'*', TRUE))
            return nullptr;
        return new CZMRMarkupGridLength(dValue, unitStar);
    }
    if (!CZMRMarkupBuilder::ParseNumber(lpszCursor, dValue, 0, TRUE))
        return nullptr;
    return new CZMRMarkupGridLength(dValue, unitPixel);
}
