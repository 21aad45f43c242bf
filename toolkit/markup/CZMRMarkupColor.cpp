#include "CZMRMarkupColor.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"

#include <cwchar>

namespace
{
int HexDigit(WCHAR ch)
{
    if (ch >= L'0' && ch <= L'9')
        return ch - L'0';
    if (ch >= L'a' && ch <= L'f')
        return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F')
        return ch - L'A' + 10;
    return -1;
}

// Two hexadecimal digits; -1 when either is not one.
int HexByte(LPCWSTR lpsz)
{
    int nHigh = HexDigit(lpsz[0]);
    int nLow = nHigh < 0 ? -1 : HexDigit(lpsz[1]);
    return nLow < 0 ? -1 : nHigh * 16 + nLow;
}
}

IMPLEMENT_MARKUPCLASS(CZMRMarkupColor)

BOOL CZMRMarkupColor::IsEqual(const CZMRMarkupObject* pObject) const
{
    return pObject && pObject->IsKindOf(GetMarkupType()) &&
           static_cast<const CZMRMarkupColor*>(pObject)->m_clrValue == m_clrValue;
}

void CZMRMarkupColor::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pContent);
    COLORREF clr = 0;
    if (pString && ParseColorText(pString->GetText(), clr))
    {
        m_clrValue = clr;
        pContent->Release();
        return;
    }
    CZMRMarkupObject::AddContent(pBuilder, pContent);
}

CZMRMarkupObject* CZMRMarkupColor::ConvertFrom(CZMRMarkupObject* pSource)
{
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pSource);
    COLORREF clr = 0;
    if (!pString || !ParseColorText(pString->GetText(), clr))
        return nullptr;
    return new CZMRMarkupColor(clr);
}

BOOL AFXAPI CZMRMarkupColor::ParseColorText(LPCWSTR lpszText, COLORREF& clr)
{
    if (!lpszText)
        return FALSE;
    if (lpszText[0] != L'#')
        return CZMRMarkupBuilder::ParseColor(lpszText, clr);

    // "#RRGGBB", or "#AARRGGBB" whose alpha is dropped.
    size_t nLength = wcslen(lpszText);
    if (nLength != 7 && nLength != 9)
        return FALSE;
    LPCWSTR lpszRed = lpszText + (nLength == 9 ? 3 : 1);
    if (nLength == 9 && HexByte(lpszText + 1) < 0)
        return FALSE;
    int nRed = HexByte(lpszRed);
    int nGreen = HexByte(lpszRed + 2);
    int nBlue = HexByte(lpszRed + 4);
    if (nRed < 0 || nGreen < 0 || nBlue < 0)
        return FALSE;
    clr = RGB(nRed, nGreen, nBlue);
    return TRUE;
}
