#include "CZMRMarkupBrush.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupBrush)

CZMRMarkupObject* CZMRMarkupBrush::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    COLORREF clr = 0;
    if (!pString || !CZMRMarkupColor::ParseColorText(pString->GetText(), clr))
        return nullptr;
    return new CZMRMarkupSolidColorBrush(clr);
}

void CZMRMarkupBrush::FillRect(CZMRMarkupDrawingContext* /*pDC*/, int /*nLeft*/, int /*nTop*/, int /*nRight*/,
                               int /*nBottom*/)
{
}

COLORREF CZMRMarkupBrush::GetColor() const
{
    return 0;
}
