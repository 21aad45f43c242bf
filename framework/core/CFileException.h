// CFileException: a failed file operation, with its cause, the system's
// error code and the file's name.
#pragma once

#include "core/CException.h"
#include "core/CString.h"

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

    // "%1 was not found." and its kin, with the file's name in place of %1.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    // The cause that a system error code stands for.
    static int PASCAL OsErrorToException(LONG lOsError);
    [[noreturn]] static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// Fills lpszError with a standard message, the file's name (or "an unnamed
// file") in place of %1. Shared by the file and archive exceptions.
BOOL AFXAPI AfxFormatFileMessage(LPCTSTR lpszMessage, const CString& strFileName, LPTSTR lpszError, UINT nMaxError);

[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
