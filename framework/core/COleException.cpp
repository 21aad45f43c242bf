#include "core/COleException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    *lpszError = 0;
    DWORD nLength = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                     (DWORD)m_sc, 0, lpszError, nMaxError, nullptr);
    // The system's texts end with a line break.
    while (nLength > 0 && (lpszError[nLength - 1] == L'\n' || lpszError[nLength - 1] == L'\r'))
        lpszError[--nLength] = 0;
    return nLength > 0;
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    COleException* e = new (std::nothrow) COleException(sc);
    if (e == nullptr)
        AfxThrowMemoryException();
    throw e;
}
