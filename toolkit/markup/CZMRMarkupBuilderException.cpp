#include "CZMRMarkupBuilderException.h"

#include <cwchar>

CZMRMarkupBuilderException::CZMRMarkupBuilderException(LPCWSTR lpszMessage)
{
    m_szMessage[0] = 0;
    if (lpszMessage)
    {
        wcsncpy(m_szMessage, lpszMessage, 255);
        m_szMessage[255] = 0;
    }
}

BOOL CZMRMarkupBuilderException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (!lpszError)
        return FALSE;
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (nMaxError > 0)
    {
        wcsncpy(lpszError, m_szMessage, nMaxError - 1);
        lpszError[nMaxError - 1] = 0;
    }
    return TRUE;
}

void AFXAPI RaiseMarkupError(LPCWSTR lpszMessage)
{
    throw new CZMRMarkupBuilderException(lpszMessage);
}

CString AFXAPI FormatMarkupMessage(LPCWSTR lpszFormat, LPCWSTR lpszArgument)
{
    CString strMessage;
    strMessage.Format(lpszFormat, lpszArgument ? lpszArgument : L"");
    return strMessage;
}

CString AFXAPI FormatMarkupMessage2(LPCWSTR lpszFormat, LPCWSTR lpszFirst, LPCWSTR lpszSecond)
{
    CString strMessage;
    strMessage.Format(lpszFormat, lpszFirst ? lpszFirst : L"", lpszSecond ? lpszSecond : L"");
    return strMessage;
}

CString AFXAPI FormatMarkupMessage3(LPCWSTR lpszFormat, LPCWSTR lpszFirst, int nSecond, LPCWSTR lpszThird)
{
    CString strMessage;
    strMessage.Format(lpszFormat, lpszFirst ? lpszFirst : L"", nSecond, lpszThird ? lpszThird : L"");
    return strMessage;
}

CString AFXAPI FormatMarkupMessage3(LPCWSTR lpszFormat, LPCWSTR lpszFirst, LPCWSTR lpszSecond, LPCWSTR lpszThird)
{
    CString strMessage;
    strMessage.Format(lpszFormat, lpszFirst ? lpszFirst : L"", lpszSecond ? lpszSecond : L"",
                      lpszThird ? lpszThird : L"");
    return strMessage;
}
