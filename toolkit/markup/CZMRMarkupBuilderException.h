// The one exception of the markup engine: raised while a tree is built from
// markup, caught by the builder, which turns it into its error text with the
// line and position.
#pragma once
#include "Framework.h"

class CZMRMarkupBuilderException : public CSimpleException
{
public:
    // Keeps at most 255 characters of the message.
    explicit CZMRMarkupBuilderException(LPCWSTR lpszMessage);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
    LPCWSTR GetMessage() const { return m_szMessage; }

protected:
    WCHAR m_szMessage[256];
};

// Throws a new CZMRMarkupBuilderException.
[[noreturn]] void AFXAPI RaiseMarkupError(LPCWSTR lpszMessage);

// Message texts with "%ls" arguments.
CString AFXAPI FormatMarkupMessage(LPCWSTR lpszFormat, LPCWSTR lpszArgument);
CString AFXAPI FormatMarkupMessage2(LPCWSTR lpszFormat, LPCWSTR lpszFirst, LPCWSTR lpszSecond);
CString AFXAPI FormatMarkupMessage3(LPCWSTR lpszFormat, LPCWSTR lpszFirst, int nSecond, LPCWSTR lpszThird);
CString AFXAPI FormatMarkupMessage3(LPCWSTR lpszFormat, LPCWSTR lpszFirst, LPCWSTR lpszSecond, LPCWSTR lpszThird);
