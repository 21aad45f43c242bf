#include "CZMRMarkupPoint.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupPoint)

CZMRMarkupObject* CZMRMarkupPoint::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    if (!pString)
        return nullptr;
    LPCWSTR lpszText = pString->GetText();
    double dX = 0.0, dY = 0.0;
    if (!CZMRMarkupBuilder::ParseNumber(lpszText, dX, L',', FALSE) ||
        !CZMRMarkupBuilder::ParseNumber(lpszText, dY, 0, TRUE))
        return nullptr;
    return new CZMRMarkupPoint(dX, dY);
}
