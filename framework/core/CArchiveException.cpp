#include "core/CArchiveException.h"
#include "core/CFileException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    LPCTSTR lpszMessage;
    switch (m_cause)
    {
    case none: lpszMessage = L"No error occurred."; break;
    case readOnly: lpszMessage = L"An attempt was made to write to %1 while it was being read."; break;
    case endOfFile: lpszMessage = L"An attempt was made to access %1 past its end."; break;
    case writeOnly: lpszMessage = L"An attempt was made to read from %1 while it was being written."; break;
    case badIndex: lpszMessage = L"%1 has a bad format."; break;
    case badClass: lpszMessage = L"%1 contained an unexpected object."; break;
    case badSchema: lpszMessage = L"%1 contains an incorrect schema."; break;
    default: lpszMessage = L"An unexpected error occurred while accessing %1."; break;
    }
    return AfxFormatFileMessage(lpszMessage, m_strFileName, lpszError, nMaxError);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    CArchiveException* e = new (std::nothrow) CArchiveException(cause, lpszArchiveName);
    if (e == nullptr)
        AfxThrowMemoryException();
    throw e;
}
