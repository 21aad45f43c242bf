#include "core/CFileException.h"

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

namespace {

LPCTSTR StandardFileMessage(int cause)
{
    switch (cause)
    {
    case CFileException::none: return L"No error occurred.";
    case CFileException::fileNotFound: return L"%1 was not found.";
    case CFileException::badPath: return L"%1 contains an invalid path.";
    case CFileException::tooManyOpenFiles: return L"%1 could not be opened because there are too many open files.";
    case CFileException::accessDenied: return L"Access to %1 was denied.";
    case CFileException::invalidFile: return L"An incorrect file handle was associated with %1.";
    case CFileException::removeCurrentDir: return L"%1 could not be removed because it is the current folder.";
    case CFileException::directoryFull: return L"%1 could not be created because the folder is full.";
    case CFileException::badSeek: return L"Seek failed on %1.";
    case CFileException::hardIO: return L"A hardware input/output error was reported while accessing %1.";
    case CFileException::sharingViolation: return L"A sharing violation occurred while accessing %1.";
    case CFileException::lockViolation: return L"A locking violation occurred while accessing %1.";
    case CFileException::diskFull: return L"The disk was full while accessing %1.";
    case CFileException::endOfFile: return L"An attempt was made to access %1 past its end.";
    default: return L"An unexpected error occurred while accessing %1.";
    }
}

} // namespace

BOOL AFXAPI AfxFormatFileMessage(LPCTSTR lpszMessage, const CString& strFileName, LPTSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    CString message(lpszMessage);
    message.Replace(L"%1", strFileName.IsEmpty() ? L"an unnamed file" : strFileName.GetString());
    lstrcpynW(lpszError, message, (int)nMaxError);
    return TRUE;
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return AfxFormatFileMessage(StandardFileMessage(m_cause), m_strFileName, lpszError, nMaxError);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_CANNOT_MAKE:
        return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_NO_MORE_FILES: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    CFileException* e = new (std::nothrow) CFileException(cause, lOsError, lpszFileName);
    if (e == nullptr)
        AfxThrowMemoryException();
    throw e;
}
